#pragma once
#include "platform/ErreurExecution.h"
#include <QString>
#include <QStringMatcher>
#include <optional>
#include <vector>

struct Tables;

// The criteria of a search, as chosen in the search frame. A criterion left
// empty (std::nullopt) restricts nothing.
struct CriteresRecherche {
    QString texte;                    // searched as typed; only blanks = no criterion
    std::optional<QString> magazine;  // exact name
    std::optional<QString> categorie; // exact name
    std::optional<QString> sousCategorie; // exact name, only with a category
    int teste = 0;                    // 0 any, 1 tested only, 2 not tested only
};

// Keeps the recipes that meet every criterion, in the order given.
class FiltreRecherche {
public:
    explicit FiltreRecherche(const CriteresRecherche& criteres);

    // true when slot r meets every criterion. A value field pointing outside
    // its table fails with "L'indice n'appartient pas à la sélection".
    bool garde(const Tables& base, int r) const;

    struct Resultat {
        std::vector<int> trouvees;
        // The first failure met, if any: the recipes that failed are left out.
        std::optional<ErreurExecution> erreur;
        int nbEnErreur = 0;
    };
    // Filters the slots in the order given; a recipe whose fields cannot be
    // looked up is left out and the search goes on with the next one.
    Resultat filtrer(const Tables& base, const std::vector<int>& ordre) const;

private:
    bool texteTrouve(const Tables& base, int r) const;

    const CriteresRecherche& m_criteres;
    bool m_texteActif;
    QStringMatcher m_texte;
};
