#include "FiltreRecherche.h"
#include "IndexTexte.h"
#include "IndexValeurs.h"
#include "base/Tables.h"
#include <algorithm>

FiltreRecherche::FiltreRecherche(const CriteresRecherche& criteres)
    : m_criteres(criteres), m_mots(criteres.texte), m_texteActif(!criteres.texte.trimmed().isEmpty() && !m_mots.aucun())
{}

bool FiltreRecherche::sansCritere() const
{
    return !m_texteActif && !m_criteres.magazine && !m_criteres.categorie && m_criteres.teste == 0;
}

// The names chosen, as the table rows holding exactly them: a recipe is
// then checked by its numbers, not by comparing its names' texts. Every row
// of the tables is looked at, beyond the counts too, as reading the name of
// each recipe's row did.
FiltreRecherche::Lignes FiltreRecherche::lignesChoisies(const Tables& base) const
{
    Lignes l;
    if (m_criteres.magazine) {
        l.magazines.assign(Tables::MaxMag + 1, 0);
        for (int m = 0; m <= Tables::MaxMag; ++m)
            l.magazines[static_cast<std::size_t>(m)] = base.Mag(m) == *m_criteres.magazine;
    }
    if (m_criteres.categorie) {
        l.categories.assign(Tables::MaxCat + 1, 0);
        if (m_criteres.sousCategorie)
            l.sousCategories.assign(Tables::Comptes::indice(Tables::MaxCat, Tables::MaxSousCat) + 1, 0);
        for (int c = 0; c <= Tables::MaxCat; ++c) {
            if (base.Cat(c) != *m_criteres.categorie)
                continue;
            l.categories[static_cast<std::size_t>(c)] = 1;
            if (m_criteres.sousCategorie)
                for (int s = 0; s <= Tables::MaxSousCat; ++s)
                    l.sousCategories[Tables::Comptes::indice(c, s)] = base.SousCat(c, s) == *m_criteres.sousCategorie;
        }
    }
    return l;
}

namespace {
// A row number read from a recipe, checked as reading the table row would.
std::size_t ligne(int valeur, int max)
{
    if (valeur < 0 || valeur > max)
        throw ErreurExecution(Erreurs::IndiceHorsSelection);
    return static_cast<std::size_t>(valeur);
}
} // namespace

// Every word of the text in one of the name, number, notes or pages
// (MotsCherches); then magazine, category, sub-category by their exact
// names; then the tested state.
bool FiltreRecherche::garde(const Tables& base, const IndexTexte& index, const Lignes& l, int r) const
{
    if (m_texteActif && !m_mots.trouvesDans(index, r))
        return false;
    if (m_criteres.magazine && !l.magazines[ligne(base.RecettVal(r, Recette::Magazine), Tables::MaxMag)])
        return false;
    if (m_criteres.categorie) {
        const std::size_t c = ligne(base.RecettVal(r, Recette::Categorie), Tables::MaxCat);
        if (!l.categories[c])
            return false;
        if (m_criteres.sousCategorie
            && !l.sousCategories[Tables::Comptes::indice(
                static_cast<int>(c),
                static_cast<int>(ligne(base.RecettVal(r, Recette::SousCategorie), Tables::MaxSousCat)))])
            return false;
    }
    switch (m_criteres.teste) {
    case 1: return base.RecettVal(r, Recette::Testee) == 1;
    case 2: return base.RecettVal(r, Recette::Testee) == 0;
    default: return true;
    }
}

FiltreRecherche::Resultat FiltreRecherche::filtrer(const Tables& base, IndexTexte& index, IndexValeurs* valeurs) const
{
    const int nb = std::clamp(base.NbRecett, 0, Tables::MaxRecett);
    Resultat resultat;
    if (sansCritere()) {
        // Every recipe is kept, and none can fail.
        resultat.gardees.assign(static_cast<std::size_t>(nb) + 1, 1);
        resultat.gardees[0] = 0;
        resultat.nbTrouvees = nb;
        return resultat;
    }
    if (m_texteActif)
        index.mettreAJour(base);
    const Lignes lignes = lignesChoisies(base);
    resultat.gardees.assign(static_cast<std::size_t>(nb) + 1, 0);
    const auto examiner = [&](int r) {
        try {
            if (garde(base, index, lignes, r)) {
                resultat.gardees[static_cast<std::size_t>(r)] = 1;
                ++resultat.nbTrouvees;
                return true;
            }
        } catch (const ErreurExecution& e) {
            if (!resultat.erreur)
                resultat.erreur = e;
            ++resultat.nbEnErreur;
        }
        return false;
    };
    if (valeurs && !m_texteActif && (m_criteres.magazine || m_criteres.categorie)) {
        // Every other recipe fails the magazine (or category) check, without
        // an error: those left are looked at in slot order, as a full pass would.
        valeurs->mettreAJour(base);
        const std::vector<int> candidats =
            m_criteres.magazine ? valeurs->magazines(lignes.magazines) : valeurs->categories(lignes.categories);
        resultat.recettes.emplace();
        for (const int r : candidats)
            if (examiner(r))
                resultat.recettes->push_back(r);
        return resultat;
    }
    for (int r = 1; r <= nb; ++r)
        examiner(r);
    return resultat;
}
