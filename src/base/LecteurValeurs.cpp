#include "LecteurValeurs.h"
#include "Codec.h"
#include "platform/ErreurExecution.h"
#include <algorithm>

namespace {
bool blanc(unsigned c) { return c == ' ' || c == '\t'; }
bool finDeLigne(unsigned c) { return c == '\r' || c == '\n'; }
// A comma or a line end, in one test rather than three: all three are below 64.
constexpr quint64 Fins = (1ULL << ',') | (1ULL << '\r') | (1ULL << '\n');
bool finDeValeur(unsigned c) { return c < 64 && ((Fins >> c) & 1) != 0; }

// The scans below read the source with the null that follows it, which is
// no blank, no digit and no line end: only those that pass over other
// characters check the size.
template <class Unite>
qsizetype apresBlancs(const Unite* t, qsizetype i)
{
    while (blanc(t[i]))
        ++i;
    return i;
}

// Where the bare value from i ends: a comma, a line end or the end of the text.
template <class Unite>
qsizetype finDuBrut(const Unite* t, qsizetype n, qsizetype i)
{
    while (i < n && !finDeValeur(t[i]))
        ++i;
    return i;
}

// Where the next value begins once this one ends at i: after its comma or
// its line end.
template <class Unite>
qsizetype apresFinDeValeur(const Unite* t, qsizetype i)
{
    if (t[i] == ',')
        return i + 1;
    if (t[i] == '\r')
        ++i;
    if (t[i] == '\n')
        ++i;
    return i;
}

// The text, followed by a null: utf16() ensures it even for a text that
// only borrows its characters.
const char16_t* avecNul(QString& texte) { return reinterpret_cast<const char16_t*>(texte.utf16()); }
// The bytes, followed by a null: only bytes borrowed from elsewhere
// (QByteArray::fromRawData) may lack it, and are copied.
const unsigned char* avecNul(QByteArray& octets)
{
    if (!octets.data_ptr().isMutable())
        octets = QByteArray(octets.constData(), octets.size());
    return reinterpret_cast<const unsigned char*>(octets.constData());
}

// A value as text: the characters copied, or the bytes decoded.
void copierDans(const char16_t* source, qsizetype n, char16_t* sortie) { std::copy(source, source + n, sortie); }
void copierDans(const unsigned char* source, qsizetype n, char16_t* sortie)
{
    Codec::decoderDans(QByteArrayView(source, n), sortie);
}
QString versTexte(const char16_t* source, qsizetype n) { return QString(reinterpret_cast<const QChar*>(source), n); }
QString versTexte(const unsigned char* source, qsizetype n) { return Codec::decoder(QByteArrayView(source, n)); }

} // namespace

template <class Unite>
LecteurDe<Unite>::LecteurDe(Source source) : m_source(std::move(source)), m_unites(avecNul(m_source))
{}

template <class Unite>
typename LecteurDe<Unite>::Brut LecteurDe<Unite>::brut() const
{
    const Unite* const t = m_unites;
    const qsizetype n = m_source.size();
    if (m_pos >= n)
        throw ErreurExecution(Erreurs::FinDeFichier);
    qsizetype i = apresBlancs(t, m_pos);
    Brut b;
    if (t[i] == '"') {
        const qsizetype fermante = guillemetSuivant(i + 1);
        b.texte = t + i + 1;
        b.taille = fermante - i - 1;
        b.cite = true;
        // Whatever stands between the closing quote and the end of the value
        // is passed over.
        i = finDuBrut(t, n, fermante < n ? fermante + 1 : n);
    } else {
        const qsizetype debut = i;
        i = finDuBrut(t, n, i);
        b.texte = t + debut;
        b.taille = i - debut;
    }
    b.suivant = apresFinDeValeur(t, i);
    return b;
}

template <class Unite>
bool LecteurDe<Unite>::nombreSimple(long long& valeur)
{
    const Unite* const t = m_unites;
    qsizetype i = apresBlancs(t, m_pos);
    const bool negatif = t[i] == '-';
    if (negatif)
        ++i;
    const qsizetype debutChiffres = i;
    long long v = 0;
    // t[i] - '0' as unsigned is above 9 for any character but a digit.
    for (unsigned chiffre; (chiffre = t[i] - '0') <= 9 && i - debutChiffres < 18; ++i)
        v = v * 10 + chiffre;
    if (i == debutChiffres)
        return false;
    i = apresBlancs(t, i);
    if (!finDeValeur(t[i]) && i < m_source.size())
        return false; // anything else (more digits, letters) takes the general way
    valeur = negatif ? -v : v;
    m_pos = apresFinDeValeur(t, i);
    return true;
}

template <class Unite>
long long LecteurDe<Unite>::lireNombre()
{
    long long simple = 0;
    if (nombreSimple(simple))
        return simple;
    const Brut b = brut();
    const QString texte = versTexte(b.texte, b.taille);
    const QStringView chiffres = QStringView(texte).trimmed();
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

template <class Unite>
QString LecteurDe<Unite>::lireTexte()
{
    const Brut b = brut();
    m_pos = b.suivant;
    return versTexte(b.texte, b.taille);
}

template <class Unite>
void LecteurDe<Unite>::lireTexte(QString& cible)
{
    const Brut b = brut();
    m_pos = b.suivant;
    remplir(cible, b.texte, b.taille);
}

template <class Unite>
void LecteurDe<Unite>::remplir(QString& cible, const Unite* source, qsizetype n)
{
    if (n == 0 && cible.isEmpty())
        return; // an empty value (two notes in three) into an empty string
    if (cible.isDetached() && cible.capacity() >= n) {
        if (cible.size() != n) // a call into Qt, spared for a text of the same length
            cible.resize(n);
        copierDans(source, n, reinterpret_cast<char16_t*>(cible.data()));
    } else {
        cible = versTexte(source, n);
    }
}

template <class Unite>
void LecteurDe<Unite>::passer()
{
    if (!fin())
        m_pos = brut().suivant;
}

template <class Unite>
QString LecteurDe<Unite>::lireLigne()
{
    const Unite* const t = m_unites;
    const qsizetype n = m_source.size();
    if (m_pos >= n)
        throw ErreurExecution(Erreurs::FinDeFichier);
    qsizetype i = apresBlancs(t, m_pos);
    const qsizetype debut = i;
    while (i < n && !finDeLigne(t[i]))
        ++i;
    QString ligne = versTexte(t + debut, i - debut);
    m_pos = apresFinDeValeur(t, i);
    return ligne;
}

template class LecteurDe<char16_t>;
template class LecteurDe<unsigned char>;
