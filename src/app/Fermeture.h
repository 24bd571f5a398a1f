#pragma once
#include <QRect>
#include <functional>

class Programme;

// The end of the program: closing the main window by any way records its
// normal place, then the save question, the settings, and the end.
class Fermeture {
public:
    explicit Fermeture(Programme& p);

    void FrmPrincipal_Unload();
    void TerminerProgramme();

    // The main window back to its normal state, its top and left recorded.
    void memoriserPositionNormale();

    // Ends the process; tests replace it to run the whole closing sequence.
    std::function<void()> finProgramme;

private:
    QRect cadreNormal() const;

    Programme& p;
};
