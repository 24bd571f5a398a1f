#pragma once
#include <QRect>
#include <functional>

struct EtatProgramme;
class QWidget;

// What closing the main window records, whatever the way it is closed: its
// normal place and size, in twips, and that the program is ending. The rest
// of the ending (the save question, the settings) is the program's sequence.
class Fermeture {
public:
    // `dpi` gives the dots per inch of the main window's screen.
    Fermeture(QWidget& fenetre, EtatProgramme& etat, std::function<double()> dpi);

    // The unload of the main window: its normal rectangle recorded, the
    // program marked as ending, the window hidden.
    void FrmPrincipal_Unload();

    // The main window back to its normal state, its top and left recorded.
    void memoriserPositionNormale();

private:
    QRect cadreNormal() const;

    QWidget& m_fenetre;
    EtatProgramme& m_etat;
    std::function<double()> m_dpi;
};
