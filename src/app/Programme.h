#pragma once
#include "EtatProgramme.h"
#include "app/Bases.h"
#include "base/Collation.h"
#include "base/Tables.h"
#include "card/RoutinesFiche.h"
#include "output/RoutinesSorties.h"
#include "platform/PolitiqueErreurs.h"
#include "search/Interrupteurs.h"
#include "search/RoutinesRecherche.h"
#include "windows/RoutinesFenetres.h"
#include <memory>

class FrmPrincipal;
class Plateforme;

// One running program: the base tables, the program-wide variables, the main
// window and the routines of each subsystem. Nothing lives outside it, so a
// test builds a fresh program each time.
class Programme {
public:
    explicit Programme(Plateforme& plateforme);
    ~Programme();

    // Start-up and the general refresh of the main window.
    void Main();
    void LireIni();
    void EcrireIni();
    void AfficherTitre();

    // The main window's screen's logical dots per inch (twips in the
    // settings file, pixels on screen).
    double dpiEcran() const;

    Plateforme& plateforme;
    PolitiqueErreurs politique;
    Collation collation;
    Tables base;
    EtatProgramme etat;
    std::unique_ptr<FrmPrincipal> fen;

    RoutinesBases bases;
    RoutinesRecherche recherche;
    RoutinesInterrupteurs interrupteurs;
    RoutinesFiche fiche;
    RoutinesSorties sorties;
    RoutinesFenetres fenetres;

private:
    void fixerCheminAppli();
    void placerFenetre(bool premierDemarrage);
};
