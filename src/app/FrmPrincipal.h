#pragma once
#include "platform/BoutonParDefaut.h"
#include "platform/FiltreAnnuler.h"
#include <QWidget>

class ImagesApropos;
class PanneauFiche;
class PanneauRecherche;
class QCheckBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;

// The main window: the row of base-level commands with the About pictures,
// the search panel with the found list, and the card panel. It puts them
// together; the routines of each feature work on their own panel.
class FrmPrincipal : public QWidget {
    Q_OBJECT
public:
    FrmPrincipal();
    ~FrmPrincipal() override;

    PanneauRecherche& recherche() { return *m_recherche; }
    PanneauFiche& fiche() { return *m_fiche; }
    ImagesApropos& images() { return *m_images; }
    BoutonParDefaut& parDefaut() { return m_parDefaut; }

    bool avecNotes() const;
    void cocherNotes(bool avec);

    // Every control that shows a tooltip, in the window's order of controls.
    QList<QWidget*> controles() const;

    // The status line says for a few seconds what just happened.
    void annoncer(const QString& texte);
    QString annonce() const;

signals:
    void nouvelleBaseDemandee();
    void chargementDemande();
    void exportationDemandee();
    void importationDemandee();
    void indexDemande();
    void impressionListeDemandee();
    void apercuListeDemande();
    void notesBasculees();
    void aideDemandee();
    // Ctrl+S: the base saved now, the program staying open.
    void enregistrementDemande();
    // The window was closed, by its close box or "Quitter": the program ends.
    void fermee();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void creerCommandes();
    void disposer();
    void decrire();
    void brancher();

    void raccourcis();

    BoutonParDefaut m_parDefaut;
    FiltreAnnuler m_annuler;
    PanneauRecherche* m_recherche;
    PanneauFiche* m_fiche;
    ImagesApropos* m_images;

    QPushButton* CommandNouvelle;
    QPushButton* CommandCharger;
    QPushButton* CommandExporter;
    QPushButton* CommandImporter;
    QPushButton* CommandIndex;
    QPushButton* CommandImpr;
    QPushButton* CommandApercu;
    QCheckBox* CheckNotes;
    QPushButton* CommandAide;
    QPushButton* CommandQuitter;
    QStatusBar* BarreEtat;
    QLabel* LabelEtat;
    QTimer* m_effacement;
};
