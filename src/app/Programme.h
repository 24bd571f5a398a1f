#pragma once
#include "Fermeture.h"
#include "FrmPrincipal.h"
#include "ReglagesVue.h"
#include "RoutinesBases.h"
#include "base/Collation.h"
#include "base/DocumentBase.h"
#include "base/EtatProgramme.h"
#include "base/ListeTrouvee.h"
#include "card/RoutinesFiche.h"
#include "echange/RoutinesEchange.h"
#include "output/RoutinesSorties.h"
#include "platform/PolitiqueErreurs.h"
#include "search/RoutinesRecherche.h"
#include "windows/FenetreProgression.h"
#include "windows/RoutinesFenetres.h"
#include <QObject>
#include <memory>

class Plateforme;

// One running program: the open base, the program-wide variables, the main
// window and the routines of each feature. It is the only object that knows
// them all, and it runs every sequence of a user's operation that spans
// features (refresh then index, undo then refresh then the line chosen,
// "Charger", the end of the program); each routine it calls returns what it
// did. Nobody holds it: the desktop reaches it through the main window's
// signals, and the tests and the benchmark through the few accessors below.
class Programme : public QObject {
    Q_OBJECT
public:
    explicit Programme(Plateforme& plateforme);
    ~Programme() override;

    // Start-up: the settings, the base they name (or `base`, given on the
    // command line or by the file manager, as "Charger" would open it), the
    // search lists, the search, an empty card, and the main window shown.
    void demarrer(const QString& base = {});

    // The main window, to which the desktop's boxes and dialogs belong.
    FrmPrincipal& fenetre() { return *m_fen; }

    // For the tests and the benchmark: the open base (its tables are changed
    // behind the program's back to set up a case), the hidden found list, the
    // program-wide variables, the progress window, and the screen's dots
    // per inch (twips in the settings file, pixels on screen).
    DocumentBase& document() { return m_document; }
    const ListeTrouvee& listeTrouvee() const { return m_trouvees; }
    const Collation& collation() const { return m_collation; }
    const EtatProgramme& etat() const { return m_etat; }
    FenetreProgression& fenetreProgression() { return m_progression; }
    double dpiEcran() const;

signals:
    // The program has ended: the settings are written, the process may go.
    void termine();

private:
    void brancher();
    void brancherRecherche();
    void brancherFiche();
    void brancherSorties();
    void brancherBases();
    void brancherEchange();

    // Start-up, and the general refresh of the main window.
    void Main();
    void chargerBaseDesReglages();
    void actualiser();
    void montrerFenetre();
    void fixerCheminAppli();
    void LireIni();
    void EcrireIni();
    void ecrireReglagesVue();
    void placerDansLEcran();
    QMargins margesDuCadre() const;
    void AfficherTitre();
    void reglagesParDefaut();
    void placerFenetre(bool premierDemarrage);
    QRect cadreProgression() const;

    // The sequences of the user's operations.
    bool ficheLiberee(bool fermeture = false);
    void montrerLigneDeLaFiche();
    void ListRecettes_Click(int k);
    void CommandRechValider_Click();
    void CommandRecettNouvelle_Click();
    bool validerCarte();
    void CommandRecettValider_Click();
    void CommandRecettSuppr_Click();
    void AnnulerSuppression();
    void CommandIndex_Click();
    void CommandExporter_Click();
    void CommandImporter_Click();
    void CheckSaisie_Click(bool enChaine);
    void CheckNotes_Click();
    void CommandCharger_Click();
    void CommandNouvelle_Click();
    // Ctrl+S: the base saved now, without a question; the card, the found
    // list and the focus stay as they are.
    void EnregistrerMaintenant();
    void proposerSauvegarde();
    bool enregistrer();
    void FrmPrincipal_Unload();
    void TerminerProgramme();

    // What the outputs read of the panels.
    FicheImprimee ficheAffichee() const;
    MiseEnPageIndex::Criteres criteresAffiches() const;

    Plateforme& m_plateforme;
    PolitiqueErreurs m_politique;
    QString m_baseDemandee;       // given at start-up, opened in place of the settings' one
    ReglagesVue::Valeurs m_vue;   // what the view settings file holds
    int m_saisiesEnChaine = 0;    // recipes stored since chained entry was switched on
    bool m_remiseDeLigne = false; // the found list's selection put back by the program
    Collation m_collation;
    EtatProgramme m_etat;
    DocumentBase m_document;
    ListeTrouvee m_trouvees;
    std::unique_ptr<FrmPrincipal> m_fen;

    FenetreProgression m_progression;
    RoutinesRecherche m_recherche;
    RoutinesFiche m_fiche;
    RoutinesSorties m_sorties;
    RoutinesFenetres m_fenetres;
    RoutinesBases m_bases;
    RoutinesEchange m_echange;
    Fermeture m_fermeture;
};
