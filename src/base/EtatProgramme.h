#pragma once
#include <QString>

// Where the start-up stands: the base still to be loaded, being loaded, or the
// program running with its main window shown.
enum class Demarrage { BaseALire, Chargement, EnMarche };

// The recipe being edited on the card, and what it was when it was put there.
struct FicheRecette {
    int RecettCourante = 0;      // slot of the recipe shown
    bool FicheExistante = false; // false: a new recipe
    QString RecettNom, RecettNum, RecettPage, RecettNotes;
    int RecettCat = 0, RecettSousCat = 0, RecettMag = 0, RecettTeste = 0;
    QString RecettNomAvant;
    int RecettCatAvant = 0, RecettSousCatAvant = 0, RecettMagAvant = 0;
};

// The program-wide variables other than the open base (its tables and its
// path belong to DocumentBase), alive for the whole run. The application
// owns them; each feature's routines get them.
struct EtatProgramme {
    QString CheminAppli;        // program folder, ending with the path separator
    int OptionNotes = 0;        // 1: the notes are printed with the list
    float OptionInfoBulles = 0; // 1: tooltips shown
    float FenHaut = 0;          // main window top and left, in twips
    float FenGauche = 0;
    int FenLargeur = 0; // main window size in twips when it unloaded
    int FenHauteur = 0;
    Demarrage EtatDemarrage = Demarrage::BaseALire;
    bool CheminAppliFixe = false;
    bool FermetureEnCours = false;

    FicheRecette fiche; // the card buffer
};
