#include "PanneauFiche.h"
#include "ChampsFiche.h"
#include "CompletionNoms.h"
#include "base/Texte.h"
#include "base/TexteFiche.h"
#include "platform/BoutonParDefaut.h"
#include "platform/Controles.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace Controles;

PanneauFiche::PanneauFiche(BoutonParDefaut& parDefaut, QWidget* parent) : QWidget(parent), m_parDefaut(parDefaut)
{
    creerControles();
    disposer();
    decrire();
    brancher();
}

// The fields' filter goes first: the fields, destroyed after it, must not
// reach a filter that is gone.
PanneauFiche::~PanneauFiche() { delete m_champs; }

void PanneauFiche::creerControles()
{
    FrameFiche = nomme(new QGroupBox(QStringLiteral("Recette (nouvelle)")), "FrameFiche");
    LabelRecettNom = etiquette(QStringLiteral("Nom"), "LabelRecettNom");
    TextRecettNom = nomme(new QLineEdit, "TextRecettNom");
    LabelRecettCat = etiquette(QStringLiteral("Catégorie"), "LabelRecettCat");
    ComboRecettCat = liste("ComboRecettCat", true);
    LabelRecettSousCat = etiquette(QStringLiteral("Sous-catégorie"), "LabelRecettSousCat");
    ComboRecettSousCat = liste("ComboRecettSousCat", true);
    LabelRecettMag = etiquette(QStringLiteral("Magazine"), "LabelRecettMag");
    ComboRecettMag = liste("ComboRecettMag", true);
    LabelRecettNum = etiquette(QStringLiteral("N°"), "LabelRecettNum");
    TextRecettNumero = nomme(new QLineEdit, "TextRecettNumero");
    LabelRecettPage = etiquette(QStringLiteral("Pages"), "LabelRecettPage");
    TextRecettPage = nomme(new QLineEdit, "TextRecettPage");
    LabelRecettCommentaire = etiquette(QStringLiteral("Notes"), "LabelRecettCommentaire");
    TextRecettComment = nomme(new QPlainTextEdit, "TextRecettComment");
    TextRecettComment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TextRecettComment->setTabChangesFocus(true);
    CheckRecettTeste = nomme(new QCheckBox(QStringLiteral("&Testée")), "CheckRecettTeste");
    CommandRecettNouvelle = nomme(new QPushButton(QStringLiteral("Nouv&elle")), "CommandRecettNouvelle");
    CommandRecettValider = nomme(new QPushButton(QStringLiteral("&Valider")), "CommandRecettValider");
    CommandRecettSuppr = nomme(new QPushButton(QStringLiteral("&Supprimer")), "CommandRecettSuppr");
    CommandRecettImpr = nomme(new QPushButton(QStringLiteral("Imp&rimer")), "CommandRecettImpr");
    CommandRecettApercu = nomme(new QPushButton(QStringLiteral("Aper&çu")), "CommandRecettApercu");
    CheckSaisie = nomme(new QCheckBox(QStringLiteral("Saisie en c&haine")), "CheckSaisie");

    // A label names the field that follows it, for the keyboard and screen readers.
    LabelRecettNom->setBuddy(TextRecettNom);
    LabelRecettCat->setBuddy(ComboRecettCat);
    LabelRecettSousCat->setBuddy(ComboRecettSousCat);
    LabelRecettMag->setBuddy(ComboRecettMag);
    LabelRecettNum->setBuddy(TextRecettNumero);
    LabelRecettPage->setBuddy(TextRecettPage);
    LabelRecettCommentaire->setBuddy(TextRecettComment);
}

void PanneauFiche::disposer()
{
    auto* fiche = new QGridLayout(FrameFiche);
    fiche->addWidget(LabelRecettNom, 0, 0);
    fiche->addWidget(TextRecettNom, 0, 1, 1, 3);
    fiche->addWidget(LabelRecettCat, 1, 0);
    fiche->addWidget(ComboRecettCat, 1, 1, 1, 3);
    fiche->addWidget(LabelRecettSousCat, 2, 0);
    fiche->addWidget(ComboRecettSousCat, 2, 1, 1, 3);
    fiche->addWidget(LabelRecettMag, 3, 0);
    fiche->addWidget(ComboRecettMag, 3, 1, 1, 3);
    fiche->addWidget(LabelRecettNum, 4, 0);
    fiche->addWidget(TextRecettNumero, 4, 1);
    fiche->addWidget(LabelRecettPage, 4, 2);
    fiche->addWidget(TextRecettPage, 4, 3);
    fiche->addWidget(LabelRecettCommentaire, 5, 0, Qt::AlignTop);
    fiche->addWidget(TextRecettComment, 5, 1, 1, 3);
    fiche->addWidget(CheckRecettTeste, 6, 1);
    fiche->setRowStretch(5, 1);
    fiche->setColumnStretch(1, 1);
    fiche->setColumnStretch(3, 1);
    auto* boutons = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(CommandRecettNouvelle), static_cast<QWidget*>(CommandRecettValider),
                       static_cast<QWidget*>(CommandRecettSuppr), static_cast<QWidget*>(CommandRecettImpr),
                       static_cast<QWidget*>(CommandRecettApercu)})
        boutons->addWidget(w);
    boutons->addStretch(1);
    boutons->addWidget(CheckSaisie);
    fiche->addLayout(boutons, 7, 0, 1, 4);

    auto* tout = new QVBoxLayout(this);
    tout->setContentsMargins(0, 0, 0, 0);
    tout->addWidget(FrameFiche);
}

void PanneauFiche::decrire()
{
    Controles::decrire(TextRecettNom, QStringLiteral("Nom de la recette."));
    Controles::decrire(ComboRecettCat, QStringLiteral("Catégorie de la recette."));
    Controles::decrire(ComboRecettSousCat, QStringLiteral("Sous-catégorie de la catégorie sélectionée."));
    Controles::decrire(ComboRecettMag, QStringLiteral("Nom du magazine."));
    Controles::decrire(TextRecettNumero, QStringLiteral("N° du magazine. Caractères alphabétiques acceptés."));
    Controles::decrire(TextRecettPage, QStringLiteral("Page(s) du magazine. Caractères alphabétiques acceptés."));
    Controles::decrire(TextRecettComment, QStringLiteral("Commentaires, recette détaillée..."));
    Controles::decrire(CheckRecettTeste, QStringLiteral("Recette testée ?"));
    Controles::decrire(CommandRecettNouvelle, QStringLiteral("Créer une nouvelle recette"));
    Controles::decrire(CommandRecettValider, QStringLiteral("Enregistrer la recette"));
    Controles::decrire(CommandRecettSuppr, QStringLiteral("Effacer la recette"));
    Controles::decrire(CommandRecettImpr, QStringLiteral("Imprimer la recette"));
    Controles::decrire(CommandRecettApercu, QStringLiteral("Aperçu avant impression de la recette"));
    Controles::decrire(CheckSaisie, QStringLiteral("Supprimer l'actualisation entre 2 saisies (gain de temps)"));
    nommerPourAccessibilite(this);
}

void PanneauFiche::brancher()
{
    m_champs = new ChampsFiche({TextRecettNom, ComboRecettCat, ComboRecettSousCat, ComboRecettMag, TextRecettNumero,
                                TextRecettPage, TextRecettComment, CommandRecettValider},
                               m_parDefaut, this);
    connect(m_champs, &ChampsFiche::quitte, this, [this](QObject* controle) {
        const std::pair<QObject*, Champ> champs[] = {{TextRecettNom, Champ::Nom},
                                                     {ComboRecettCat, Champ::Categorie},
                                                     {ComboRecettSousCat, Champ::SousCategorie},
                                                     {ComboRecettMag, Champ::Magazine},
                                                     {TextRecettNumero, Champ::Numero},
                                                     {TextRecettPage, Champ::Page},
                                                     {TextRecettComment, Champ::Notes}};
        for (const auto& [c, champ] : champs)
            if (c == controle)
                emit champQuitte(champ);
    });
    connect(CommandRecettNouvelle, &QPushButton::clicked, this, &PanneauFiche::nouvelleDemandee);
    connect(CommandRecettValider, &QPushButton::clicked, this, &PanneauFiche::validationDemandee);
    connect(CommandRecettSuppr, &QPushButton::clicked, this, &PanneauFiche::suppressionDemandee);
    connect(CommandRecettImpr, &QPushButton::clicked, this, &PanneauFiche::impressionDemandee);
    connect(CommandRecettApercu, &QPushButton::clicked, this, &PanneauFiche::apercuDemande);
    // "Saisie en chaine" follows its state, whoever changes it; "Testée"
    // follows the user only, the card sets it when it shows a recipe.
    connect(CheckSaisie, &QCheckBox::toggled, this, &PanneauFiche::saisieEnChaineBasculee);
    connect(CheckRecettTeste, &QCheckBox::clicked, this, &PanneauFiche::testeeCliquee);
    // Ctrl+P prints the recipe shown when "Imprimer" can; Ctrl+Z undoes the
    // last deletion, unless a field has typing of its own to undo.
    // A click does nothing on a disabled button.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this), &QShortcut::activated, CommandRecettImpr,
            &QAbstractButton::click);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this), &QShortcut::activated, this,
            &PanneauFiche::annulationDemandee);
}

namespace {
QString sansBlancsAffiches(QLineEdit* champ)
{
    champ->setText(Texte::sansBlancs(champ->text()));
    return champ->text();
}
} // namespace

QString PanneauFiche::texte(Champ champ) const
{
    switch (champ) {
    case Champ::Nom: return TextRecettNom->text();
    case Champ::Categorie: return ComboRecettCat->currentText();
    case Champ::SousCategorie: return ComboRecettSousCat->currentText();
    case Champ::Magazine: return ComboRecettMag->currentText();
    case Champ::Numero: return TextRecettNumero->text();
    case Champ::Page: return TextRecettPage->text();
    case Champ::Notes: break;
    }
    return m_champs->notesPourBase();
}

void PanneauFiche::ecrire(Champ champ, const QString& texte)
{
    switch (champ) {
    case Champ::Nom: TextRecettNom->setText(texte); return;
    case Champ::Categorie: ComboRecettCat->setEditText(texte); return;
    case Champ::SousCategorie: ComboRecettSousCat->setEditText(texte); return;
    case Champ::Magazine: ComboRecettMag->setEditText(texte); return;
    case Champ::Numero: TextRecettNumero->setText(texte); return;
    case Champ::Page: TextRecettPage->setText(texte); return;
    case Champ::Notes: break;
    }
    // Filling the notes is not the user's typing. The same notes with no
    // typing to undo are left as they are: rebuilding the editor's document
    // is most of what emptying a card costs.
    const QString notes = TexteFiche::notesPourAffichage(texte);
    QTextDocument* document = TextRecettComment->document();
    if (!document->isUndoAvailable() && !document->isRedoAvailable() && TextRecettComment->toPlainText() == notes)
        return;
    const QSignalBlocker bloque(TextRecettComment);
    TextRecettComment->setPlainText(notes);
}

QString PanneauFiche::notesAffichees() const { return TextRecettComment->toPlainText(); }

bool PanneauFiche::testee() const { return CheckRecettTeste->isChecked(); }

void PanneauFiche::cocherTestee(bool testee) { CheckRecettTeste->setChecked(testee); }

void PanneauFiche::taillerChamps()
{
    for (QComboBox* liste : {ComboRecettCat, ComboRecettMag, ComboRecettSousCat})
        liste->setEditText(Texte::sansBlancs(liste->currentText()));
    if (ComboRecettCat->currentText().isEmpty())
        ComboRecettSousCat->setEditText(QString()); // no sub-category without a category
    for (QLineEdit* champ : {TextRecettNom, TextRecettNumero, TextRecettPage})
        sansBlancsAffiches(champ);
}

void PanneauFiche::remplirListes(const QStringList& categories, const QStringList& magazines)
{
    // Nothing is chosen: the card sets the texts afterwards.
    CompletionNoms::remplir(ComboRecettMag, magazines);
    ComboRecettMag->setCurrentIndex(-1);
    CompletionNoms::remplir(ComboRecettCat, categories);
    ComboRecettCat->setCurrentIndex(-1);
    ComboRecettSousCat->clear();
}

void PanneauFiche::remplirSousCategories(const QStringList& sousCategories)
{
    CompletionNoms::remplir(ComboRecettSousCat, sousCategories);
}

void PanneauFiche::montrerExistante(bool existante)
{
    FrameFiche->setTitle(existante ? QStringLiteral("Recette (existante)") : QStringLiteral("Recette (nouvelle)"));
}

void PanneauFiche::activerSuppressionEtImpression(bool actif)
{
    CommandRecettSuppr->setEnabled(actif);
    CommandRecettImpr->setEnabled(actif);
    CommandRecettApercu->setEnabled(actif);
}

bool PanneauFiche::saisieEnChaine() const { return CheckSaisie->isChecked(); }

void PanneauFiche::cocherSaisieEnChaine(bool enChaine)
{
    const QSignalBlocker bloque(CheckSaisie);
    CheckSaisie->setChecked(enChaine);
}

void PanneauFiche::focaliserNom() { TextRecettNom->setFocus(); }

void PanneauFiche::validerParDefaut() { m_parDefaut.definir(CommandRecettValider); }

QList<QWidget*> PanneauFiche::controles() const
{
    return {TextRecettNom,         ComboRecettCat,       ComboRecettSousCat, ComboRecettMag,
            TextRecettNumero,      TextRecettPage,       TextRecettComment,  CheckRecettTeste,
            CommandRecettNouvelle, CommandRecettValider, CommandRecettSuppr, CommandRecettImpr,
            CommandRecettApercu,   CheckSaisie};
}
