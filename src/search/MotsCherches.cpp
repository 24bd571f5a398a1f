#include "MotsCherches.h"
#include "base/PliageFrancais.h"
#include <QStringList>
#include <algorithm>
#include <string_view>

namespace {

QStringList decouper(const QString& plie)
{
    QStringList mots = plie.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (mots.isEmpty())
        return mots;
    if (plie.startsWith(QLatin1Char(' ')))
        mots.first().prepend(QLatin1Char(' '));
    if (plie.endsWith(QLatin1Char(' ')))
        mots.last().append(QLatin1Char(' '));
    return mots;
}

// How often a folded character comes up in French, roughly, in tenths of a
// percent; any other character is taken as rare.
int frequence(QChar c)
{
    static constexpr std::string_view lettres = "abcdefghijklmnopqrstuvwxyz ";
    static constexpr int parLettre[] = {76, 9,  33, 37, 147, 11, 9,  7,  75, 6, 1, 55, 30, 71,
                                        54, 30, 14, 66, 79,  72, 63, 16, 1,  4, 3, 1,  160};
    const auto i = c.unicode() < 128 ? lettres.find(static_cast<char>(c.unicode())) : std::string_view::npos;
    return i == std::string_view::npos ? 5 : parLettre[i];
}

qsizetype plusRare(QStringView mot)
{
    return std::min_element(mot.begin(), mot.end(), [](QChar a, QChar b) { return frequence(a) < frequence(b); })
        - mot.begin();
}

} // namespace

MotsCherches::MotsCherches(const QString& texte)
{
    for (const QString& mot : decouper(PliageFrancais::plier(texte))) {
        m_mots.push_back({mot, plusRare(mot)});
        m_empreinte.ajouter(mot);
    }
    // The longest word is looked for first: it is found the least often.
    std::stable_sort(m_mots.begin(), m_mots.end(),
                     [](const Mot& a, const Mot& b) { return a.texte.size() > b.texte.size(); });
}

// Most recipes lack a pair or a triple of characters of the words, which
// their prints tell at once. Otherwise the first word is looked for through
// the joined fields, and the other words only in the field where it was found.
bool MotsCherches::trouvesDans(const IndexTexte& index, int r) const
{
    if (m_mots.empty())
        return true;
    if (!index.empreinte(r).contient(m_empreinte))
        return false;
    const IndexTexte::Champs& champs = index.champs(r);
    const QStringView texte = champs.texte;
    const qsizetype longueur = m_mots.front().texte.size();
    for (qsizetype p = chercher(texte, m_mots.front(), 0); p >= 0;) {
        std::size_t champ = 0;
        while (champ < 3 && champs.fins[champ] < p)
            ++champ;
        const qsizetype fin = champs.fins[champ];
        if (p + longueur > fin) { // across a separator
            p = chercher(texte, m_mots.front(), p + 1);
            continue;
        }
        const qsizetype debut = champ ? champs.fins[champ - 1] + 1 : 0;
        if (autresDans(texte.sliced(debut, fin - debut)))
            return true;
        p = chercher(texte, m_mots.front(), fin + 1);
    }
    return false;
}

bool MotsCherches::autresDans(QStringView champ) const
{
    return std::all_of(m_mots.begin() + 1, m_mots.end(),
                       [champ](const Mot& mot) { return chercher(champ, mot, 0) >= 0; });
}

// Where the word is in the text from a position on, or -1: its rarest
// character is scanned for, which Qt does many characters at a time, then
// the word is compared around it.
qsizetype MotsCherches::chercher(QStringView texte, const Mot& mot, qsizetype depuis)
{
    const QChar c = mot.texte[mot.ancre];
    for (qsizetype i = texte.indexOf(c, depuis + mot.ancre); i >= 0; i = texte.indexOf(c, i + 1)) {
        const qsizetype p = i - mot.ancre;
        if (p + mot.texte.size() > texte.size())
            return -1;
        if (texte.sliced(p, mot.texte.size()) == mot.texte)
            return p;
    }
    return -1;
}
