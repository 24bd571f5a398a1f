#pragma once
#include <QString>

// The whole start-up in its own process: the bench's "demarrage" program,
// run in a program folder, exits once the main window is shown.
struct MesureDemarrage {
    double ms = 0;        // from the launch to the end of the process
    double memoireMo = 0; // its peak resident memory (its own VmHWM)
    int recettes = -1;    // what it loaded
};

// Launches the program, waits for it and gives its figures; fails the bench
// when the process does not end normally.
MesureDemarrage demarrer(const QString& executable, const QString& dossier);
