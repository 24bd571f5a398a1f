#include "Interrupteurs.h"

void RoutinesInterrupteurs::brancher() {}
