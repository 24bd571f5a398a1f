#pragma once
#include "LigneDeCommande.h"

class QTextStream;

// The command line's runs without window: the help, an export, an import
// saved at once, or what is wrong with the arguments. The report goes to
// `sortie`, errors in French to `erreurs`. The exit status: 0 when everything
// was done, 1 when some rows were refused (the others imported and the base
// saved), 2 when nothing was done.
namespace ExecutionSansFenetre {

int executer(const LigneDeCommande::Forme& forme, QTextStream& sortie, QTextStream& erreurs);

// What main() runs for them: the application without display, the arguments read, the
// run, its exit status.
int principal(int argc, char* argv[]);

} // namespace ExecutionSansFenetre
