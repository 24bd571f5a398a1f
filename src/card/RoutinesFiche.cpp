#include "RoutinesFiche.h"

void RoutinesFiche::brancher() {}
void RoutinesFiche::NouvelleFiche() {}
void RoutinesFiche::AfficherRecette() {}
void RoutinesFiche::RemplirFiche() {}
void RoutinesFiche::RemplirSousCatFiche() {}
void RoutinesFiche::ValiderRecette() {}
void RoutinesFiche::EnregistrerRecette() {}
void RoutinesFiche::SupprimerRecette() {}
