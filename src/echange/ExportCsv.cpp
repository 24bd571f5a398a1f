#include "ExportCsv.h"
#include "Csv.h"
#include "EnteteCsv.h"
#include "base/Collation.h"
#include "base/Fichiers.h"
#include "base/ListeTrouvee.h"
#include "base/Tables.h"
#include <QDir>
#include <QHash>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace ExportCsv {

namespace {

// The texts of a recipe's columns but the last, "Testée".
std::array<const QString*, 7> textes(const Tables& t, int r)
{
    const int c = t.RecettVal(r, Recette::Categorie);
    return {&t.RecettTexte(r, Recette::Nom),
            &t.Cat(c),
            &t.SousCat(c, t.RecettVal(r, Recette::SousCategorie)),
            &t.Mag(t.RecettVal(r, Recette::Magazine)),
            &t.RecettTexte(r, Recette::Numero),
            &t.RecettTexte(r, Recette::Page),
            &t.RecettTexte(r, Recette::Notes)};
}

QStringView testee(const Tables& t, int r) { return t.RecettVal(r, Recette::Testee) == 1 ? u"oui" : u"non"; }

// Two recipes of the same name, by their other columns in the export's
// order; two names of one slot are one text, and only the texts of two
// slots are compared.
bool avantParContenu(const Tables& t, int a, int b)
{
    const auto comparer = [](const QString& x, const QString& y) { return QString::compare(x, y, Qt::CaseSensitive); };
    const int ca = t.RecettVal(a, Recette::Categorie), cb = t.RecettVal(b, Recette::Categorie);
    const int sa = t.RecettVal(a, Recette::SousCategorie), sb = t.RecettVal(b, Recette::SousCategorie);
    const int ma = t.RecettVal(a, Recette::Magazine), mb = t.RecettVal(b, Recette::Magazine);
    int c = ca == cb ? 0 : comparer(t.Cat(ca), t.Cat(cb));
    if (c == 0 && (ca != cb || sa != sb))
        c = comparer(t.SousCat(ca, sa), t.SousCat(cb, sb));
    if (c == 0 && ma != mb)
        c = comparer(t.Mag(ma), t.Mag(mb));
    for (const int champ : {Recette::Numero, Recette::Page, Recette::Notes})
        if (c == 0)
            c = comparer(t.RecettTexte(a, champ), t.RecettTexte(b, champ));
    return c != 0 ? c < 0 : t.RecettVal(a, Recette::Testee) < t.RecettVal(b, Recette::Testee);
}

// The rank of each name in the order of every sorted list.
std::vector<int> rangs(const QStringList& noms, const Collation& collation)
{
    std::vector<std::pair<Collation::Cle, int>> cles;
    cles.reserve(static_cast<std::size_t>(noms.size()));
    for (int i = 0; i < noms.size(); ++i)
        cles.emplace_back(collation.cle(noms[i]), i);
    std::sort(cles.begin(), cles.end(), [&](const auto& a, const auto& b) {
        return Collation::comparerCles(a.first, noms[a.second], b.first, noms[b.second]) < 0;
    });
    std::vector<int> rang(cles.size());
    for (std::size_t r = 0; r < cles.size(); ++r)
        rang[static_cast<std::size_t>(cles[r].second)] = static_cast<int>(r);
    return rang;
}

void ecrireLigne(Csv::Ecriture& e, const QStringList& valeurs)
{
    for (const QString& valeur : valeurs)
        e.champ(valeur, true);
    e.finEnregistrement();
}

} // namespace

QStringList entete()
{
    QStringList noms;
    for (int c = 0; c < EnteteCsv::NombreChamps; ++c)
        noms << EnteteCsv::nom(static_cast<EnteteCsv::Champ>(c));
    return noms;
}

QStringList ligne(const Tables& t, int r)
{
    QStringList valeurs;
    valeurs.reserve(EnteteCsv::NombreChamps);
    for (const QString* texte : textes(t, r))
        valeurs << *texte;
    return valeurs << testee(t, r).toString();
}

QList<int> recettesTrouvees(const ListeTrouvee& trouvees, const QList<qsizetype>& ordre)
{
    QList<int> recettes;
    const qsizetype n = ordre.isEmpty() ? trouvees.taille() : ordre.size();
    recettes.reserve(n);
    for (qsizetype k = 0; k < n; ++k)
        recettes.append(trouvees.numero(ordre.isEmpty() ? k : ordre[k]));
    return recettes;
}

QList<int> toutesLesRecettes(const Tables& t, const Collation& collation)
{
    // Names sorted once each: a full base holds far fewer names than recipes.
    QHash<QString, int> indices;
    QStringList noms;
    std::vector<int> indiceDe(static_cast<std::size_t>(t.NbRecett) + 1);
    for (int r = 1; r <= t.NbRecett; ++r) {
        const QString& nom = t.RecettTexte(r, Recette::Nom);
        auto i = indices.constFind(nom);
        if (i == indices.cend()) {
            i = indices.insert(nom, static_cast<int>(noms.size()));
            noms << nom;
        }
        indiceDe[static_cast<std::size_t>(r)] = *i;
    }
    const std::vector<int> rang = rangs(noms, collation);
    // Rank and slot in one number, sorted at once; recipes of one name then
    // by their other columns.
    std::vector<std::uint64_t> cles;
    cles.reserve(static_cast<std::size_t>(t.NbRecett));
    for (int r = 1; r <= t.NbRecett; ++r)
        cles.push_back(std::uint64_t(rang[static_cast<std::size_t>(indiceDe[static_cast<std::size_t>(r)])]) << 32
                       | std::uint64_t(r));
    std::sort(cles.begin(), cles.end());
    QList<int> recettes;
    recettes.reserve(t.NbRecett);
    for (const std::uint64_t k : cles)
        recettes.append(static_cast<int>(k & 0xFFFFFFFFu));
    for (qsizetype debut = 0; debut < recettes.size();) {
        qsizetype fin = debut + 1;
        while (fin < recettes.size() && cles[std::size_t(fin)] >> 32 == cles[std::size_t(debut)] >> 32)
            ++fin;
        if (fin - debut > 1)
            std::sort(recettes.begin() + debut, recettes.begin() + fin,
                      [&t](int a, int b) { return avantParContenu(t, a, b); });
        debut = fin;
    }
    return recettes;
}

QByteArray fichier(const QStringList& entete, const QList<QStringList>& lignes)
{
    Csv::Ecriture e;
    ecrireLigne(e, entete);
    for (const QStringList& valeurs : lignes)
        ecrireLigne(e, valeurs);
    return Csv::enUtf8AvecBom(std::move(e).texte());
}

QString compteRendu(qsizetype recettes, const QString& chemin)
{
    return (recettes == 1 ? QStringLiteral("1 recette exportée")
                          : QStringLiteral("%1 recettes exportées").arg(recettes))
        + QStringLiteral(" dans le fichier « ") + QDir::toNativeSeparators(chemin) + QStringLiteral(" ».");
}

void ecrire(const QString& chemin, const Tables& t, const QList<int>& recettes)
{
    // Straight from the tables: no row is built as a list first.
    Csv::Ecriture e;
    ecrireLigne(e, entete());
    for (const int r : recettes) {
        for (const QString* texte : textes(t, r))
            e.champ(*texte, true);
        e.champ(testee(t, r));
        e.finEnregistrement();
    }
    Fichiers::ecrireSur(chemin, Csv::enUtf8AvecBom(std::move(e).texte()));
}

} // namespace ExportCsv
