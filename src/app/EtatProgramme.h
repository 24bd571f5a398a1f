#pragma once
#include <QString>

// The program-wide variables other than the base tables, alive for the whole
// run. "Unset" values of the original variants are kept as -1.
struct EtatProgramme {
    QString CheminAppli;          // program folder, ending with the path separator
    QString CheminBase;           // full path of the open base file
    int OptionNotes = 0;          // 1: the notes are printed with the list
    float OptionInfoBulles = 0;   // 1: tooltips shown
    float FenHaut = 0;            // main window top and left, in twips
    float FenGauche = 0;
    int FenLargeur = 0;           // main window size in twips when it unloaded
    int FenHauteur = 0;
    int EtatDemarrage = -1;       // -1 unset, 0 loading, 1 running
    int CheminAppliFixe = 0;
    int FermetureEnCours = 0;
    int MajSousCatSeule = -1;
    int ImpressionAnnulee = 0;
    int ChargementApropos = -1;

    // The card.
    int RecettCourante = 0;
    int FicheExistante = 0;
    QString RecettNom, RecettNum, RecettPage, RecettNotes;
    int RecettCat = 0, RecettSousCat = 0, RecettMag = 0, RecettTeste = 0;
    QString RecettNomAvant;
    int RecettCatAvant = 0, RecettSousCatAvant = 0, RecettMagAvant = 0;

    // Set when the base in memory came from a reading that reported errors,
    // or from a file that could not be read at all: the next save then keeps
    // the file as it was before replacing it (see the base routines).
    bool BaseLueAvecErreurs = false;
    bool BaseIlisible = false;
};
