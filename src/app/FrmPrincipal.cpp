#include "FrmPrincipal.h"
#include "base/Produit.h"
#include "card/PanneauFiche.h"
#include "platform/Controles.h"
#include "search/PanneauRecherche.h"
#include "windows/ImagesApropos.h"
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

using namespace Controles;

FrmPrincipal::FrmPrincipal()
{
    setObjectName(QStringLiteral("FrmPrincipal"));
    setWindowTitle(Produit::Version);
    creerCommandes();
    m_recherche = new PanneauRecherche(m_parDefaut);
    m_fiche = new PanneauFiche(m_parDefaut);
    m_images = new ImagesApropos;
    disposer();
    decrire();
    brancher();
    raccourcis();
}

FrmPrincipal::~FrmPrincipal() = default;

void FrmPrincipal::creerCommandes()
{
    CommandNouvelle = nomme(new QPushButton(QStringLiteral("&Nouvelle")), "CommandNouvelle");
    CommandCharger = nomme(new QPushButton(QStringLiteral("&Charger")), "CommandCharger");
    CommandExporter = nomme(new QPushButton(QStringLiteral("E&xporter...")), "CommandExporter");
    CommandImporter = nomme(new QPushButton(QStringLiteral("I&mporter...")), "CommandImporter");
    CommandIndex = nomme(new QPushButton(QStringLiteral("Créer &Index")), "CommandIndex");
    CommandImpr = nomme(new QPushButton(QStringLiteral("Im&primer")), "CommandImpr");
    CommandApercu = nomme(new QPushButton(QStringLiteral("&Aperçu")), "CommandApercu");
    CheckNotes = nomme(new QCheckBox(QStringLiteral("avec N&otes")), "CheckNotes");
    CommandAide = nomme(new QPushButton(QStringLiteral("Ai&de")), "CommandAide");
    CommandQuitter = nomme(new QPushButton(QStringLiteral("&Quitter")), "CommandQuitter");
    // The status line: what just happened, read by screen readers as its
    // text changes (the label has no fixed name).
    BarreEtat = nomme(new QStatusBar, "BarreEtat");
    BarreEtat->setSizeGripEnabled(false);
    LabelEtat = nomme(new QLabel, "LabelEtat");
    BarreEtat->addWidget(LabelEtat, 1);
    m_effacement = new QTimer(this);
    m_effacement->setSingleShot(true);
    m_effacement->setInterval(6000);
    connect(m_effacement, &QTimer::timeout, LabelEtat, &QLabel::clear);
}

void FrmPrincipal::disposer()
{
    auto* commandes = new QHBoxLayout;
    for (QWidget* w :
         {static_cast<QWidget*>(CommandNouvelle), static_cast<QWidget*>(CommandCharger),
          static_cast<QWidget*>(CommandExporter), static_cast<QWidget*>(CommandImporter),
          static_cast<QWidget*>(CommandIndex), static_cast<QWidget*>(CommandImpr), static_cast<QWidget*>(CommandApercu),
          static_cast<QWidget*>(CheckNotes), static_cast<QWidget*>(CommandAide), static_cast<QWidget*>(CommandQuitter)})
        commandes->addWidget(w);
    commandes->addStretch(1);
    commandes->addWidget(m_images);

    auto* centre = new QHBoxLayout;
    // The found list's columns take more room than the card's fields.
    centre->addWidget(m_recherche, 3);
    centre->addWidget(m_fiche, 2);

    auto* tout = new QVBoxLayout(this);
    tout->addLayout(commandes);
    tout->addLayout(centre, 1);
    tout->addWidget(BarreEtat);
    resize(960, 640);
}

void FrmPrincipal::decrire()
{
    Controles::decrire(CommandNouvelle, QStringLiteral("Créer une nouvelle base de données"));
    Controles::decrire(CommandCharger, QStringLiteral("Charger une autre base de données"));
    Controles::decrire(CommandExporter, QStringLiteral("Exporter les recettes vers un tableur"));
    Controles::decrire(CommandImporter, QStringLiteral("Importer les recettes d'un tableur ou d'une autre base"));
    Controles::decrire(CommandIndex, QStringLiteral("Indexer la liste des recettes"));
    Controles::decrire(CommandImpr, QStringLiteral("Imprimer la liste des recettes"));
    Controles::decrire(CommandApercu, QStringLiteral("Aperçu avant impression de la liste des recettes"));
    Controles::decrire(CheckNotes, QStringLiteral("Inclure les notes pour l'impression"));
    Controles::decrire(CommandAide, QStringLiteral("Afficher l'aide"));
    Controles::decrire(CommandQuitter, QStringLiteral("A bientôt !"));
    for (QAbstractButton* b :
         {static_cast<QAbstractButton*>(CommandNouvelle), static_cast<QAbstractButton*>(CommandCharger),
          static_cast<QAbstractButton*>(CommandExporter), static_cast<QAbstractButton*>(CommandImporter),
          static_cast<QAbstractButton*>(CommandIndex), static_cast<QAbstractButton*>(CommandImpr),
          static_cast<QAbstractButton*>(CommandApercu), static_cast<QAbstractButton*>(CheckNotes),
          static_cast<QAbstractButton*>(CommandAide), static_cast<QAbstractButton*>(CommandQuitter)})
        b->setAccessibleName(sansMnemonique(b->text()));
    BarreEtat->setAccessibleName(QStringLiteral("Barre d'état"));
}

void FrmPrincipal::brancher()
{
    connect(CommandNouvelle, &QPushButton::clicked, this, &FrmPrincipal::nouvelleBaseDemandee);
    connect(CommandCharger, &QPushButton::clicked, this, &FrmPrincipal::chargementDemande);
    connect(CommandExporter, &QPushButton::clicked, this, &FrmPrincipal::exportationDemandee);
    connect(CommandImporter, &QPushButton::clicked, this, &FrmPrincipal::importationDemandee);
    connect(CommandIndex, &QPushButton::clicked, this, &FrmPrincipal::indexDemande);
    connect(CommandImpr, &QPushButton::clicked, this, &FrmPrincipal::impressionListeDemandee);
    connect(CommandApercu, &QPushButton::clicked, this, &FrmPrincipal::apercuListeDemande);
    connect(CommandAide, &QPushButton::clicked, this, &FrmPrincipal::aideDemandee);
    // "Quitter" closes the window, which runs the closing sequence.
    connect(CommandQuitter, &QPushButton::clicked, this, &QWidget::close);
    // The option box follows its state, whoever changes it.
    connect(CheckNotes, &QCheckBox::toggled, this, &FrmPrincipal::notesBasculees);
}

// The shortcuts of the base-level commands; each does what its button does,
// and nothing while that button is disabled.
void FrmPrincipal::raccourcis()
{
    const auto raccourci = [this](QKeyCombination touches) { return new QShortcut(QKeySequence(touches), this); };
    connect(raccourci(Qt::CTRL | Qt::Key_S), &QShortcut::activated, this, &FrmPrincipal::enregistrementDemande);
    // A click does nothing on a disabled button.
    connect(raccourci(QKeyCombination(Qt::Key_F1)), &QShortcut::activated, CommandAide, &QAbstractButton::click);
    connect(raccourci(Qt::SHIFT | Qt::Key_F1), &QShortcut::activated, m_images, &ImagesApropos::aproposDemande);
    connect(raccourci(Qt::CTRL | Qt::Key_Q), &QShortcut::activated, CommandQuitter, &QAbstractButton::click);
    m_annuler.surveiller(this);
}

void FrmPrincipal::annoncer(const QString& texte)
{
    LabelEtat->setText(texte);
    m_effacement->start();
}

QString FrmPrincipal::annonce() const { return LabelEtat->text(); }

bool FrmPrincipal::avecNotes() const { return CheckNotes->isChecked(); }

void FrmPrincipal::cocherNotes(bool avec) { CheckNotes->setChecked(avec); }

QList<QWidget*> FrmPrincipal::controles() const
{
    return QList<QWidget*>{CommandNouvelle, CommandCharger, CommandExporter, CommandImporter, CommandIndex,
                           CommandImpr,     CommandApercu,  CheckNotes,      CommandAide,     CommandQuitter}
    + m_images->controles() + m_recherche->controles() + m_fiche->controles();
}

void FrmPrincipal::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the default button, as in a dialog. Fields that use Enter
    // themselves (the notes) never pass it on.
    const bool entree = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // A button reached with the keyboard is the one Enter presses.
    if (auto* bouton = qobject_cast<QPushButton*>(focusWidget()); entree && bouton) {
        bouton->click();
        return;
    }
    if (entree && m_parDefaut.presser())
        return;
    QWidget::keyPressEvent(event);
}

void FrmPrincipal::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit fermee();
}
