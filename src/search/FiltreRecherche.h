#pragma once
#include "MotsCherches.h"
#include "platform/ErreurExecution.h"
#include <QString>
#include <optional>
#include <vector>

struct Tables;
class IndexValeurs;

// The criteria of a search, as chosen in the search frame. A criterion left
// empty (std::nullopt) restricts nothing.
struct CriteresRecherche {
    QString texte;                        // its words, folded (MotsCherches); only blanks = no criterion
    std::optional<QString> magazine;      // exact name
    std::optional<QString> categorie;     // exact name
    std::optional<QString> sousCategorie; // exact name, only with a category
    int teste = 0;                        // 0 any, 1 tested only, 2 not tested only
};

// Tells which recipes meet every criterion.
class FiltreRecherche {
public:
    explicit FiltreRecherche(const CriteresRecherche& criteres);

    // No criterion at all: every recipe is kept.
    bool sansCritere() const;

    struct Resultat {
        std::vector<char> gardees; // by slot, 0..NbRecett: 1 when found
        int nbTrouvees = 0;
        // The first failure met, if any: the recipes that failed are left out.
        std::optional<ErreurExecution> erreur;
        int nbEnErreur = 0;
        // When only some recipes were looked at: the slots kept, in
        // increasing order (gardees holds them too).
        std::optional<std::vector<int>> recettes;
    };
    // Goes through slots 1..NbRecett. A recipe whose value fields point
    // outside their tables is left out and the search goes on with the next.
    // With `valeurs`, a search by magazine or category without text looks only
    // at the recipes of the names chosen.
    Resultat filtrer(const Tables& base, IndexTexte& index, IndexValeurs* valeurs = nullptr) const;

private:
    // By row of the magazine, category and sub-category tables (Comptes::indice): 1 where the row holds the name
    // chosen; empty for a criterion not chosen.
    struct Lignes {
        std::vector<char> magazines, categories, sousCategories;
    };
    Lignes lignesChoisies(const Tables& base) const;
    bool garde(const Tables& base, const IndexTexte& index, const Lignes& l, int r) const;

    const CriteresRecherche& m_criteres;
    MotsCherches m_mots;
    bool m_texteActif;
};
