#include "RoutinesSorties.h"

void RoutinesSorties::brancher() {}
void RoutinesSorties::CreerIndex() {}
void RoutinesSorties::ChoisirImprimante() {}
void RoutinesSorties::ImprimerRecette() {}
void RoutinesSorties::ImprimerListe() {}
