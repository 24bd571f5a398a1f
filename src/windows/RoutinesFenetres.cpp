#include "RoutinesFenetres.h"

void RoutinesFenetres::brancher() {}
void RoutinesFenetres::BasculerInfoBulles() {}
