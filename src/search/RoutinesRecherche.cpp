#include "RoutinesRecherche.h"

void RoutinesRecherche::brancher() {}
void RoutinesRecherche::RemplirListesRech() {}
void RoutinesRecherche::ActualiserListesRech() {}
void RoutinesRecherche::RemplirListesFiche() {}
void RoutinesRecherche::Rechercher() {}
