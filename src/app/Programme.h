#pragma once
#include "Fermeture.h"
#include "FrmPrincipal.h"
#include "RoutinesBases.h"
#include "base/Collation.h"
#include "base/EtatProgramme.h"
#include "base/ListeTrouvee.h"
#include "base/Tables.h"
#include "card/RoutinesFiche.h"
#include "output/RoutinesSorties.h"
#include "platform/PolitiqueErreurs.h"
#include "search/RoutinesRecherche.h"
#include "windows/FenetreProgression.h"
#include "windows/RoutinesFenetres.h"
#include <memory>

class Plateforme;

// One running program: the base tables, the program-wide variables, the main
// window and the routines of each feature, wired together here and nowhere
// else. Nothing lives outside it, so a test builds a fresh program each time.
class Programme {
public:
    explicit Programme(Plateforme& plateforme);
    ~Programme();

    // Start-up and the general refresh of the main window.
    void Main();
    void LireIni();
    void EcrireIni();
    void AfficherTitre();

    // Chained entry switched on or off.
    void CheckSaisie_Click(bool enChaine);
    void CheckNotes_Click();
    // Ctrl+S: the base saved now, without a question; the card, the found
    // list and the focus stay as they are.
    void EnregistrerMaintenant();

    // The main window's screen's logical dots per inch (twips in the
    // settings file, pixels on screen).
    double dpiEcran() const;

    Plateforme& plateforme;
    PolitiqueErreurs politique;
    Collation collation;
    Tables base;
    EtatProgramme etat;
    ListeTrouvee trouvees;
    std::unique_ptr<FrmPrincipal> fen;

    FenetreProgression progression;
    RoutinesRecherche recherche;
    RoutinesFiche fiche;
    RoutinesSorties sorties;
    RoutinesFenetres fenetres;
    RoutinesBases bases;
    Fermeture fermeture;

private:
    void brancher();
    void fixerCheminAppli();
    void placerFenetre(bool premierDemarrage);
    void reglagesParDefaut();
    QRect cadreProgression() const;
    FicheImprimee ficheAffichee();
    MiseEnPageIndex::Criteres criteresAffiches();
};
