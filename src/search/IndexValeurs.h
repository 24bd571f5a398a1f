#pragma once
#include "base/Tables.h"
#include <vector>

// The recipes of each magazine and of each category, by their rows in those
// tables, so that a search by magazine or category looks only at the recipes
// that may be kept instead of the whole base. Built again when the recipes'
// values changed (the tables' stamps tell it at once), in one linear pass.
class IndexValeurs {
public:
    void mettreAJour(const Tables& base);

    // The slots, in increasing order, of the recipes whose magazine (or
    // category) row is one of those marked; then those whose row lies outside
    // the table, which the search reports.
    std::vector<int> magazines(const std::vector<char>& lignes) const { return m_magazines.recettes(lignes); }
    std::vector<int> categories(const std::vector<char>& lignes) const { return m_categories.recettes(lignes); }

private:
    // The slots grouped by row: those of row v are parLigne[debuts[v]..debuts[v + 1]).
    struct Groupes {
        std::vector<int> debuts;
        std::vector<int> parLigne;
        std::vector<int> hors;
        void construire(const Tables& base, int colonne, int max, int nb);
        std::vector<int> recettes(const std::vector<char>& lignes) const;
    };
    Groupes m_magazines, m_categories;
    Tables::Etat m_vu;
};
