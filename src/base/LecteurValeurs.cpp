#include "LecteurValeurs.h"
#include "platform/ErreurExecution.h"
#include <algorithm>

namespace {
bool blanc(char16_t c) { return c == u' ' || c == u'\t'; }
bool finDeLigne(char16_t c) { return c == u'\r' || c == u'\n'; }
// A comma or a line end, in one test rather than three: all three are below 64.
constexpr quint64 Fins = (1ULL << ',') | (1ULL << '\r') | (1ULL << '\n');
bool finDeValeur(char16_t c) { return c < 64 && ((Fins >> c) & 1) != 0; }

// The scans below read the text with the null that follows it, which is no
// blank, no digit and no line end: only those that pass over other
// characters check the size.
qsizetype apresBlancs(const char16_t* t, qsizetype i)
{
    while (blanc(t[i]))
        ++i;
    return i;
}

// Where the bare value from i ends: a comma, a line end or the end of the text.
qsizetype finDuBrut(const char16_t* t, qsizetype n, qsizetype i)
{
    while (i < n && !finDeValeur(t[i]))
        ++i;
    return i;
}

// Where the next value begins once this one ends at i: after its comma or
// its line end.
qsizetype apresFinDeValeur(const char16_t* t, qsizetype i)
{
    if (t[i] == u',')
        return i + 1;
    if (t[i] == u'\r')
        ++i;
    if (t[i] == u'\n')
        ++i;
    return i;
}
} // namespace

LecteurValeurs::Brut LecteurValeurs::brut() const
{
    const char16_t* const t = m_caracteres;
    const qsizetype n = m_texte.size();
    if (m_pos >= n)
        throw ErreurExecution(Erreurs::FinDeFichier);
    qsizetype i = apresBlancs(t, m_pos);
    Brut b;
    if (t[i] == u'"') {
        // std::find is unrolled: the texts of a base are short, a call to a
        // vectorised search would cost more than it saves.
        const qsizetype fermante = std::find(t + i + 1, t + n, u'"') - t;
        b.texte = QStringView(t + i + 1, fermante - i - 1);
        b.cite = true;
        // Whatever stands between the closing quote and the end of the value
        // is passed over.
        i = finDuBrut(t, n, fermante < n ? fermante + 1 : n);
    } else {
        const qsizetype debut = i;
        i = finDuBrut(t, n, i);
        b.texte = QStringView(t + debut, i - debut);
    }
    b.suivant = apresFinDeValeur(t, i);
    return b;
}

bool LecteurValeurs::nombreSimple(long long& valeur)
{
    const char16_t* const t = m_caracteres;
    qsizetype i = apresBlancs(t, m_pos);
    const bool negatif = t[i] == u'-';
    if (negatif)
        ++i;
    const qsizetype debutChiffres = i;
    long long v = 0;
    // t[i] - '0' as unsigned is above 9 for any character but a digit.
    for (unsigned chiffre; (chiffre = t[i] - u'0') <= 9 && i - debutChiffres < 18; ++i)
        v = v * 10 + chiffre;
    if (i == debutChiffres)
        return false;
    i = apresBlancs(t, i);
    if (!finDeValeur(t[i]) && i < m_texte.size())
        return false; // anything else (more digits, letters) takes the general way
    valeur = negatif ? -v : v;
    m_pos = apresFinDeValeur(t, i);
    return true;
}

long long LecteurValeurs::lireNombre()
{
    long long simple = 0;
    if (nombreSimple(simple))
        return simple;
    const Brut b = brut();
    const QStringView chiffres = b.texte.trimmed();
    bool ok = false;
    const long long n = chiffres.toLongLong(&ok);
    if (!ok || b.cite) {
        // Digits too many for a number are an overflow, anything else a type error.
        bool seulementChiffres = !chiffres.isEmpty();
        for (qsizetype i = 0; i < chiffres.size(); ++i)
            seulementChiffres &= chiffres[i].isDigit() || (i == 0 && chiffres[i] == QLatin1Char('-'));
        throw ErreurExecution(seulementChiffres && !b.cite ? Erreurs::DepassementCapacite
                                                           : Erreurs::IncompatibiliteType);
    }
    m_pos = b.suivant;
    return n;
}

QString LecteurValeurs::lireTexte()
{
    const Brut b = brut();
    m_pos = b.suivant;
    return b.texte.toString();
}

void LecteurValeurs::lireTexte(QString& cible)
{
    const Brut b = brut();
    m_pos = b.suivant;
    if (cible.isDetached() && cible.capacity() >= b.texte.size()) {
        cible.resize(b.texte.size());
        std::copy(b.texte.begin(), b.texte.end(), cible.data());
    } else {
        cible = b.texte.toString();
    }
}

void LecteurValeurs::passer()
{
    if (!fin())
        m_pos = brut().suivant;
}

QString LecteurValeurs::lireLigne()
{
    const char16_t* const t = m_caracteres;
    const qsizetype n = m_texte.size();
    if (m_pos >= n)
        throw ErreurExecution(Erreurs::FinDeFichier);
    qsizetype i = apresBlancs(t, m_pos);
    const qsizetype debut = i;
    while (i < n && !finDeLigne(t[i]))
        ++i;
    QString ligne = m_texte.mid(debut, i - debut);
    m_pos = apresFinDeValeur(t, i);
    return ligne;
}
