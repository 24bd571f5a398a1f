#include "FiltreRecherche.h"
#include "IndexTexte.h"
#include "base/Tables.h"
#include <algorithm>

FiltreRecherche::FiltreRecherche(const CriteresRecherche& criteres)
    : m_criteres(criteres), m_mots(criteres.texte), m_texteActif(!criteres.texte.trimmed().isEmpty() && !m_mots.aucun())
{}

bool FiltreRecherche::sansCritere() const
{
    return !m_texteActif && !m_criteres.magazine && !m_criteres.categorie && m_criteres.teste == 0;
}

// Every word of the text in one of the name, number, notes or pages
// (MotsCherches); then magazine, category, sub-category by their exact
// names; then the tested state.
bool FiltreRecherche::garde(const Tables& base, const IndexTexte& index, int r) const
{
    if (m_texteActif && !m_mots.trouvesDans(index.champs(r)))
        return false;
    if (m_criteres.magazine && base.Mag(base.RecettVal(r, Recette::Magazine)) != *m_criteres.magazine)
        return false;
    if (m_criteres.categorie) {
        const int c = base.RecettVal(r, Recette::Categorie);
        if (base.Cat(c) != *m_criteres.categorie)
            return false;
        if (m_criteres.sousCategorie
            && base.SousCat(c, base.RecettVal(r, Recette::SousCategorie)) != *m_criteres.sousCategorie)
            return false;
    }
    switch (m_criteres.teste) {
    case 1: return base.RecettVal(r, Recette::Testee) == 1;
    case 2: return base.RecettVal(r, Recette::Testee) == 0;
    default: return true;
    }
}

FiltreRecherche::Resultat FiltreRecherche::filtrer(const Tables& base, IndexTexte& index) const
{
    const int nb = std::clamp(base.NbRecett, 0, Tables::MaxRecett);
    if (m_texteActif)
        index.mettreAJour(base);
    Resultat resultat;
    resultat.gardees.assign(static_cast<std::size_t>(nb) + 1, 0);
    for (int r = 1; r <= nb; ++r) {
        try {
            if (garde(base, index, r)) {
                resultat.gardees[static_cast<std::size_t>(r)] = 1;
                ++resultat.nbTrouvees;
            }
        } catch (const ErreurExecution& e) {
            if (!resultat.erreur)
                resultat.erreur = e;
            ++resultat.nbEnErreur;
        }
    }
    return resultat;
}
