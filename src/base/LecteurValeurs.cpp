#include "LecteurValeurs.h"
#include "platform/ErreurExecution.h"
#include <algorithm>

namespace {
bool blanc(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool finDeLigne(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
} // namespace

qsizetype LecteurValeurs::apresFinDeLigne(qsizetype i) const
{
    if (i < m_texte.size() && m_texte[i] == QLatin1Char('\r'))
        ++i;
    if (i < m_texte.size() && m_texte[i] == QLatin1Char('\n'))
        ++i;
    return i;
}

LecteurValeurs::Brut LecteurValeurs::brut() const
{
    const qsizetype n = m_texte.size();
    const QChar* const t = m_texte.constData();
    qsizetype i = m_pos;
    if (i >= n)
        throw ErreurExecution(Erreurs::FinDeFichier);
    while (i < n && blanc(t[i]))
        ++i;
    Brut b;
    if (i < n && t[i] == QLatin1Char('"')) {
        // A plain loop: the texts of a base are short, a call to a vectorised
        // search costs more than it saves.
        qsizetype fermante = i + 1;
        while (fermante < n && t[fermante] != QLatin1Char('"'))
            ++fermante;
        b.texte = QStringView(t + i + 1, fermante - i - 1);
        b.cite = true;
        i = fermante < n ? fermante + 1 : n;
        // Whatever stands between the closing quote and the end of the value
        // is passed over.
        while (i < n && t[i] != QLatin1Char(',') && !finDeLigne(t[i]))
            ++i;
    } else {
        const qsizetype debut = i;
        while (i < n && t[i] != QLatin1Char(',') && !finDeLigne(t[i]))
            ++i;
        b.texte = QStringView(t + debut, i - debut);
    }
    b.suivant = (i < n && t[i] == QLatin1Char(',')) ? i + 1 : apresFinDeLigne(i);
    return b;
}

bool LecteurValeurs::nombreSimple(long long& valeur)
{
    const qsizetype n = m_texte.size();
    const QChar* const t = m_texte.constData();
    qsizetype i = m_pos;
    while (i < n && blanc(t[i]))
        ++i;
    const bool negatif = i < n && t[i] == QLatin1Char('-');
    if (negatif)
        ++i;
    const qsizetype debutChiffres = i;
    long long v = 0;
    while (i < n && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9') && i - debutChiffres < 18)
        v = v * 10 + (t[i++].unicode() - u'0');
    if (i == debutChiffres)
        return false;
    while (i < n && blanc(t[i]))
        ++i;
    if (i < n && t[i] != QLatin1Char(',') && !finDeLigne(t[i]))
        return false; // anything else (more digits, letters) takes the general way
    valeur = negatif ? -v : v;
    m_pos = (i < n && t[i] == QLatin1Char(',')) ? i + 1 : apresFinDeLigne(i);
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
    const qsizetype n = m_texte.size();
    if (m_pos >= n)
        throw ErreurExecution(Erreurs::FinDeFichier);
    qsizetype i = m_pos;
    while (i < n && blanc(m_texte[i]))
        ++i;
    const qsizetype debut = i;
    while (i < n && !finDeLigne(m_texte[i]))
        ++i;
    QString ligne = m_texte.mid(debut, i - debut);
    m_pos = apresFinDeLigne(i);
    return ligne;
}
