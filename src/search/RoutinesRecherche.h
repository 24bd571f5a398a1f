#pragma once

class Programme;

// The search criteria lists, the search with the found list and its
// counters, and the chained-entry, notes and tested switches.
class RoutinesRecherche {
public:
    explicit RoutinesRecherche(Programme& p) : p(p) {}
    void brancher();

    void RemplirListesRech();
    void ActualiserListesRech();
    void RemplirListesFiche();
    void Rechercher();

private:
    Programme& p;
};
