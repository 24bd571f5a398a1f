#include "FrmPrincipal.h"
#include "base/Collation.h"
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTimer>
#include <QVBoxLayout>

namespace {
template <class T>
T* nomme(T* controle, const char* nom)
{
    controle->setObjectName(QLatin1String(nom));
    return controle;
}

QLabel* etiquette(const QString& texte, const char* nom)
{
    return nomme(new QLabel(texte), nom);
}

QComboBox* liste(const char* nom, bool saisie)
{
    auto* c = nomme(new QComboBox, nom);
    c->setEditable(saisie);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(20);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(14);
    return c;
}
} // namespace

FrmPrincipal::FrmPrincipal(const Collation& collation) : m_collation(collation)
{
    setObjectName(QStringLiteral("FrmPrincipal"));
    setWindowTitle(QStringLiteral("Zuta! v1.2b"));
    creerControles();
    disposer();
    decrire();
}

FrmPrincipal::~FrmPrincipal() = default;

void FrmPrincipal::creerControles()
{
    CommandNouvelle = nomme(new QPushButton(QStringLiteral("Nouvelle")), "CommandNouvelle");
    CommandCharger = nomme(new QPushButton(QStringLiteral("Charger")), "CommandCharger");
    CommandIndex = nomme(new QPushButton(QStringLiteral("Créer Index")), "CommandIndex");
    CommandImpr = nomme(new QPushButton(QStringLiteral("Imprimer")), "CommandImpr");
    CheckNotes = nomme(new QCheckBox(QStringLiteral("avec Notes")), "CheckNotes");
    CommandAide = nomme(new QPushButton(QStringLiteral("Aide")), "CommandAide");
    CommandQuitter = nomme(new QPushButton(QStringLiteral("Quitter")), "CommandQuitter");
    Image1 = nomme(new QLabel, "Image1");
    Image2 = nomme(new QLabel, "Image2");
    Image2->hide();
    Timer1 = nomme(new QTimer(this), "Timer1");
    Timer1->setInterval(1000);

    FrameRech = nomme(new QGroupBox(QStringLiteral("Recherche")), "FrameRech");
    LabelRechCat = etiquette(QStringLiteral("Catégorie"), "LabelRechCat");
    ComboRechCat = liste("ComboRechCat", false);
    LabelRechSousCat = etiquette(QStringLiteral("Sous-catégorie"), "LabelRechSousCat");
    ComboRechSousCat = liste("ComboRechSousCat", false);
    LabelRechMag = etiquette(QStringLiteral("Magazine"), "LabelRechMag");
    ComboRechMag = liste("ComboRechMag", false);
    LabelTeste = etiquette(QStringLiteral("Recette testée ?"), "LabelTeste");
    ComboTeste = liste("ComboTeste", false);
    ComboTeste->addItems({QStringLiteral("Peu importe"), QStringLiteral("Testée"), QStringLiteral("Non-testée")});
    LabelRechTexte = etiquette(QStringLiteral("Texte à rechercher"), "LabelRechTexte");
    TextRech = nomme(new QLineEdit, "TextRech");
    CommandRechValider = nomme(new QPushButton(QStringLiteral("Actualiser")), "CommandRechValider");

    LabelListRecettes = etiquette(QStringLiteral("Nom des recettes"), "LabelListRecettes");
    ListRecettes = nomme(new QListView, "ListRecettes");
    ModeleRecettes = new QStringListModel(this);
    ListRecettes->setModel(ModeleRecettes);
    ListRecettes->setUniformItemSizes(true);
    ListRecettes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListRecettes->setSelectionMode(QAbstractItemView::SingleSelection);
    LabelTotalrecett = etiquette(QStringLiteral("Recettes totales :"), "LabelTotalrecett");
    LabelNbRecettList = etiquette(QStringLiteral("Recettes trouvées :"), "LabelNbRecettList");

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
    CheckRecettTeste = nomme(new QCheckBox(QStringLiteral("Testée")), "CheckRecettTeste");
    CommandRecettNouvelle = nomme(new QPushButton(QStringLiteral("Nouvelle")), "CommandRecettNouvelle");
    CommandRecettValider = nomme(new QPushButton(QStringLiteral("Valider")), "CommandRecettValider");
    CommandRecettSuppr = nomme(new QPushButton(QStringLiteral("Supprimer")), "CommandRecettSuppr");
    CommandRecettImpr = nomme(new QPushButton(QStringLiteral("Imprimer")), "CommandRecettImpr");
    CheckSaisie = nomme(new QCheckBox(QStringLiteral("Saisie en chaine")), "CheckSaisie");

    // A label names the field that follows it, for the keyboard and screen readers.
    LabelRechCat->setBuddy(ComboRechCat);
    LabelRechSousCat->setBuddy(ComboRechSousCat);
    LabelRechMag->setBuddy(ComboRechMag);
    LabelTeste->setBuddy(ComboTeste);
    LabelRechTexte->setBuddy(TextRech);
    LabelListRecettes->setBuddy(ListRecettes);
    LabelRecettNom->setBuddy(TextRecettNom);
    LabelRecettCat->setBuddy(ComboRecettCat);
    LabelRecettSousCat->setBuddy(ComboRecettSousCat);
    LabelRecettMag->setBuddy(ComboRecettMag);
    LabelRecettNum->setBuddy(TextRecettNumero);
    LabelRecettPage->setBuddy(TextRecettPage);
    LabelRecettCommentaire->setBuddy(TextRecettComment);
}

void FrmPrincipal::disposer()
{
    auto* commandes = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(CommandNouvelle), static_cast<QWidget*>(CommandCharger),
                       static_cast<QWidget*>(CommandIndex), static_cast<QWidget*>(CommandImpr),
                       static_cast<QWidget*>(CheckNotes), static_cast<QWidget*>(CommandAide),
                       static_cast<QWidget*>(CommandQuitter)})
        commandes->addWidget(w);
    commandes->addStretch(1);
    commandes->addWidget(Image1);
    commandes->addWidget(Image2);

    auto* rech = new QGridLayout(FrameRech);
    rech->addWidget(LabelRechCat, 0, 0);
    rech->addWidget(ComboRechCat, 0, 1);
    rech->addWidget(LabelRechSousCat, 1, 0);
    rech->addWidget(ComboRechSousCat, 1, 1);
    rech->addWidget(LabelRechMag, 2, 0);
    rech->addWidget(ComboRechMag, 2, 1);
    rech->addWidget(LabelTeste, 3, 0);
    rech->addWidget(ComboTeste, 3, 1);
    rech->addWidget(LabelRechTexte, 4, 0);
    rech->addWidget(TextRech, 4, 1);
    rech->addWidget(CommandRechValider, 5, 1, Qt::AlignRight);
    rech->setColumnStretch(1, 1);

    auto* liste = new QVBoxLayout;
    liste->addWidget(LabelListRecettes);
    liste->addWidget(ListRecettes, 1);
    liste->addWidget(LabelTotalrecett);
    liste->addWidget(LabelNbRecettList);

    auto* gauche = new QVBoxLayout;
    gauche->addWidget(FrameRech);
    gauche->addLayout(liste, 1);

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
    auto* boutonsFiche = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(CommandRecettNouvelle), static_cast<QWidget*>(CommandRecettValider),
                       static_cast<QWidget*>(CommandRecettSuppr), static_cast<QWidget*>(CommandRecettImpr)})
        boutonsFiche->addWidget(w);
    boutonsFiche->addStretch(1);
    boutonsFiche->addWidget(CheckSaisie);
    fiche->addLayout(boutonsFiche, 7, 0, 1, 4);

    auto* centre = new QHBoxLayout;
    centre->addLayout(gauche, 2);
    centre->addWidget(FrameFiche, 3);

    auto* tout = new QVBoxLayout(this);
    tout->addLayout(commandes);
    tout->addLayout(centre, 1);
    resize(960, 640);
}

void FrmPrincipal::decrire()
{
    struct Description {
        QWidget* controle;
        const char* bulle;
    };
    const Description descriptions[] = {
        {CommandNouvelle, "Créer une nouvelle base de données"},
        {CommandCharger, "Charger une autre base de données"},
        {CommandIndex, "Indexer la liste des recettes"},
        {CommandImpr, "Imprimer la liste des recettes"},
        {CheckNotes, "Inclure les notes pour l'impression"},
        {CommandAide, "Afficher l'aide"},
        {CommandQuitter, "A bientôt !"},
        {Image1, "A propos de..."},
        {Image2, "A propos de..."},
        {ComboRechCat, "Catégorie à rechercher"},
        {ComboRechSousCat, "Sous-catégorie à rechercher"},
        {ComboRechMag, "Magazine à rechercher"},
        {ComboTeste, "La recette à rechercher doit-elle avoir été testée ?"},
        {TextRech, "Texte à rechercher (dans Nom, N°, Pages et Notes)"},
        {CommandRechValider, "Lancer la recherche selon les critères sélectionnés"},
        {ListRecettes, "Liste des recettes trouvées selon les critères de recherche"},
        {TextRecettNom, "Nom de la recette."},
        {ComboRecettCat, "Catégorie de la recette."},
        {ComboRecettSousCat, "Sous-catégorie de la catégorie sélectionée."},
        {ComboRecettMag, "Nom du magazine."},
        {TextRecettNumero, "N° du magazine. Caractères alphabétiques acceptés."},
        {TextRecettPage, "Page(s) du magazine. Caractères alphabétiques acceptés."},
        {TextRecettComment, "Commentaires, recette détaillée..."},
        {CheckRecettTeste, "Recette testée ?"},
        {CommandRecettNouvelle, "Créer une nouvelle recette"},
        {CommandRecettValider, "Enregistrer la recette"},
        {CommandRecettSuppr, "Effacer la recette"},
        {CommandRecettImpr, "Imprimer la recette"},
        {CheckSaisie, "Supprimer l'actualisation entre 2 saisies (gain de temps)"},
    };
    for (const Description& d : descriptions) {
        const QString bulle = QString::fromUtf8(d.bulle);
        d.controle->setToolTip(bulle);
        d.controle->setAccessibleDescription(bulle);
        if (auto* c = qobject_cast<QComboBox*>(d.controle); c && c->lineEdit())
            c->lineEdit()->setToolTip(bulle);
    }
    // Accessible names: the caption, or the label that names the field.
    for (QLabel* l : findChildren<QLabel*>())
        if (l->buddy())
            l->buddy()->setAccessibleName(l->text());
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAccessibleName(b->text());
    for (QCheckBox* b : findChildren<QCheckBox*>())
        b->setAccessibleName(b->text());
    FrameRech->setAccessibleName(FrameRech->title());
    Image1->setAccessibleName(QStringLiteral("A propos de..."));
    Image2->setAccessibleName(QStringLiteral("A propos de..."));
    // The two counters change while the program runs: a screen reader reads
    // their current text, so they get no fixed name.
}

QList<QWidget*> FrmPrincipal::controles() const
{
    return {CommandNouvelle, CommandCharger, CommandIndex, CommandImpr, CheckNotes, CommandAide, CommandQuitter,
            Image1, Image2, ComboRechCat, ComboRechSousCat, ComboRechMag, ComboTeste, TextRech,
            CommandRechValider, ListRecettes, TextRecettNom, ComboRecettCat, ComboRecettSousCat, ComboRecettMag,
            TextRecettNumero, TextRecettPage, TextRecettComment, CheckRecettTeste, CommandRecettNouvelle,
            CommandRecettValider, CommandRecettSuppr, CommandRecettImpr, CheckSaisie};
}

void FrmPrincipal::definirBoutonParDefaut(QPushButton* bouton)
{
    if (m_boutonParDefaut)
        m_boutonParDefaut->setDefault(false);
    m_boutonParDefaut = bouton;
    if (bouton)
        bouton->setDefault(true);
}

void FrmPrincipal::ajouterTrie(QComboBox* liste, const QString& texte) const
{
    // Binary search for the first entry that sorts after the new one.
    int bas = 0;
    int haut = liste->count();
    while (bas < haut) {
        const int milieu = (bas + haut) / 2;
        if (m_collation.comparer(liste->itemText(milieu), texte) <= 0)
            bas = milieu + 1;
        else
            haut = milieu;
    }
    liste->insertItem(bas, texte);
}

QStringList FrmPrincipal::lignesRecettes() const
{
    return ModeleRecettes->stringList();
}

void FrmPrincipal::definirLignesRecettes(const QStringList& lignes)
{
    ModeleRecettes->setStringList(lignes);
}

int FrmPrincipal::ligneChoisie() const
{
    const QModelIndex i = ListRecettes->currentIndex();
    return i.isValid() && ListRecettes->selectionModel()->isSelected(i) ? i.row() : -1;
}

void FrmPrincipal::choisirLigne(int k)
{
    if (k < 0) {
        ListRecettes->clearSelection();
        ListRecettes->setCurrentIndex(QModelIndex());
        return;
    }
    ListRecettes->setCurrentIndex(ModeleRecettes->index(k));
}

void FrmPrincipal::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the default button, as in a dialog. Fields that use Enter
    // themselves (the notes) never pass it on; on the found list it only shows
    // the recipe of the line, which a refresh would take away at once.
    const bool entree = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (entree && focusWidget() == ListRecettes)
        return;
    // A button reached with the keyboard is the one Enter presses.
    if (auto* bouton = qobject_cast<QPushButton*>(focusWidget()); entree && bouton) {
        bouton->click();
        return;
    }
    if (entree && m_boutonParDefaut && m_boutonParDefaut->isEnabled() && m_boutonParDefaut->isVisible()) {
        m_boutonParDefaut->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmPrincipal::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (surFermeture)
        surFermeture();
}
