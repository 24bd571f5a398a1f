#include "EnteteCsv.h"
#include <algorithm>
#include <array>
#include <utility>

namespace EnteteCsv {

namespace {

// Marks a header may carry or not: "Sous-catégorie", "Nom de la recette",
// "N.", "Testée ?" and "l'auteur" style apostrophes.
bool aOublier(QChar c)
{
    return c.isSpace() || c == u'-' || c == u'_' || c == u'.' || c == u'\'' || c == u'\u2019' || c == u'?' || c == u':';
}

// Lower case without accents, ligatures spelt out, marks dropped: the form
// every header and every known name are compared in.
QString replier(QStringView entete)
{
    const QString decompose = entete.toString().toLower().normalized(QString::NormalizationForm_D);
    QString replie;
    replie.reserve(decompose.size());
    for (const QChar c : decompose) {
        if (c.isMark() || aOublier(c))
            continue;
        if (c == u'œ')
            replie.append(QLatin1String("oe"));
        else if (c == u'æ')
            replie.append(QLatin1String("ae"));
        else if (c == u'ß')
            replie.append(QLatin1String("ss"));
        else
            replie.append(c);
    }
    return replie;
}

// The known names, already in folded form.
constexpr std::pair<const char16_t*, Champ> nomsConnus[] = {
    {u"nom", Champ::Nom},
    {u"recette", Champ::Nom},
    {u"nomdelarecette", Champ::Nom},
    {u"categorie", Champ::Categorie},
    {u"cat", Champ::Categorie},
    {u"souscategorie", Champ::SousCategorie},
    {u"souscat", Champ::SousCategorie},
    {u"sscategorie", Champ::SousCategorie},
    {u"sscat", Champ::SousCategorie},
    {u"magazine", Champ::Magazine},
    {u"revue", Champ::Magazine},
    {u"mag", Champ::Magazine},
    {u"n°", Champ::Numero},
    {u"nº", Champ::Numero},
    {u"no", Champ::Numero},
    {u"n", Champ::Numero},
    {u"num", Champ::Numero},
    {u"numero", Champ::Numero},
    {u"numerodumagazine", Champ::Numero},
    {u"n°dumagazine", Champ::Numero},
    {u"page", Champ::Pages},
    {u"pages", Champ::Pages},
    {u"p", Champ::Pages},
    {u"notes", Champ::Notes},
    {u"note", Champ::Notes},
    {u"commentaire", Champ::Notes},
    {u"commentaires", Champ::Notes},
    {u"remarque", Champ::Notes},
    {u"remarques", Champ::Notes},
    {u"testee", Champ::Testee},
    {u"teste", Champ::Testee},
    {u"test", Champ::Testee},
};

} // namespace

QString nom(Champ c)
{
    static const std::array<QString, NombreChamps> noms = {
        QStringLiteral("Nom"),      QStringLiteral("Catégorie"), QStringLiteral("Sous-catégorie"),
        QStringLiteral("Magazine"), QStringLiteral("N°"),        QStringLiteral("Pages"),
        QStringLiteral("Notes"),    QStringLiteral("Testée")};
    return noms[static_cast<std::size_t>(c)];
}

int Colonnes::reconnues() const
{
    return static_cast<int>(std::count_if(indices.begin(), indices.end(), [](int i) { return i >= 0; }));
}

std::optional<Champ> champ(QStringView entete)
{
    // No known name, blanks and accents included, comes near this length: a
    // longer cell is data, and a whole file read as one header costs nothing.
    constexpr qsizetype longueurMax = 64;
    if (entete.isEmpty() || entete.size() > longueurMax)
        return std::nullopt;
    const QString replie = replier(entete);
    for (const auto& [nom, c] : nomsConnus)
        if (replie == QStringView(nom))
            return c;
    return std::nullopt;
}

Colonnes reconnaitre(const QStringList& entetes)
{
    Colonnes colonnes;
    for (qsizetype k = 0; k < entetes.size(); ++k) {
        const std::optional<Champ> c = champ(entetes[k]);
        if (c && colonnes.colonne(*c) < 0)
            colonnes.indices[static_cast<std::size_t>(*c)] = static_cast<int>(k);
        else
            colonnes.ignorees.append(entetes[k]);
    }
    return colonnes;
}

} // namespace EnteteCsv
