#include "IndexValeurs.h"
#include <algorithm>

void IndexValeurs::mettreAJour(const Tables& base)
{
    const Tables::Etat etat = base.etatRecettes();
    if (etat.nbRecett == m_vu.nbRecett && etat.valeurs == m_vu.valeurs)
        return;
    m_vu = etat;
    const int nb = std::clamp(base.NbRecett, 0, Tables::MaxRecett);
    m_magazines.construire(base, Recette::Magazine, Tables::MaxMag, nb);
    m_categories.construire(base, Recette::Categorie, Tables::MaxCat, nb);
}

// A counting sort of the slots by row: each group stays in slot order.
void IndexValeurs::Groupes::construire(const Tables& base, int colonne, int max, int nb)
{
    debuts.assign(static_cast<std::size_t>(max) + 2, 0);
    hors.clear();
    for (int r = 1; r <= nb; ++r) {
        const int v = base.RecettVal(r, colonne);
        if (v >= 0 && v <= max)
            ++debuts[static_cast<std::size_t>(v) + 1];
    }
    for (std::size_t v = 1; v < debuts.size(); ++v)
        debuts[v] += debuts[v - 1];
    parLigne.resize(static_cast<std::size_t>(debuts.back()));
    std::vector<int> place(debuts.begin(), debuts.end() - 1);
    for (int r = 1; r <= nb; ++r) {
        const int v = base.RecettVal(r, colonne);
        if (v >= 0 && v <= max)
            parLigne[static_cast<std::size_t>(place[static_cast<std::size_t>(v)]++)] = r;
        else
            hors.push_back(r);
    }
}

std::vector<int> IndexValeurs::Groupes::recettes(const std::vector<char>& lignes) const
{
    std::vector<int> choisis;
    int groupes = 0;
    for (std::size_t v = 0; v + 1 < debuts.size() && v < lignes.size(); ++v) {
        if (!lignes[v])
            continue;
        choisis.insert(choisis.end(), parLigne.begin() + debuts[v], parLigne.begin() + debuts[v + 1]);
        ++groupes;
    }
    choisis.insert(choisis.end(), hors.begin(), hors.end());
    if (groupes > 1 || !hors.empty())
        std::sort(choisis.begin(), choisis.end());
    return choisis;
}
