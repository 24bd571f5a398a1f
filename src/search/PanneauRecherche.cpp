#include "PanneauRecherche.h"
#include "ModeleTrouvees.h"
#include "VueRecettes.h"
#include "platform/BoutonParDefaut.h"
#include "platform/Controles.h"
#include "platform/FiltreFocus.h"
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

using namespace Controles;

PanneauRecherche::PanneauRecherche(BoutonParDefaut& parDefaut, QWidget* parent)
    : QWidget(parent), m_parDefaut(parDefaut)
{
    creerControles();
    disposer();
    decrire();
    brancher();
}

void PanneauRecherche::creerControles()
{
    FrameRech = nomme(new QGroupBox(QStringLiteral("Recherche")), "FrameRech");
    LabelRechCat = etiquette(QStringLiteral("Catégorie"), "LabelRechCat");
    ComboRechCat = Controles::liste("ComboRechCat", false);
    LabelRechSousCat = etiquette(QStringLiteral("Sous-catégorie"), "LabelRechSousCat");
    ComboRechSousCat = Controles::liste("ComboRechSousCat", false);
    LabelRechMag = etiquette(QStringLiteral("Magazine"), "LabelRechMag");
    ComboRechMag = Controles::liste("ComboRechMag", false);
    LabelTeste = etiquette(QStringLiteral("Recette testée ?"), "LabelTeste");
    ComboTeste = Controles::liste("ComboTeste", false);
    ComboTeste->addItems({QStringLiteral("Peu importe"), QStringLiteral("Testée"), QStringLiteral("Non-testée")});
    LabelRechTexte = etiquette(QStringLiteral("Texte à rechercher"), "LabelRechTexte");
    TextRech = nomme(new QLineEdit, "TextRech");
    CommandRechValider = nomme(new QPushButton(QStringLiteral("Act&ualiser")), "CommandRechValider");

    LabelListRecettes = etiquette(QStringLiteral("Nom des recettes"), "LabelListRecettes");
    ListRecettes = nomme(new VueRecettes, "ListRecettes");
    LabelTotalrecett = etiquette(QStringLiteral("Recettes totales :"), "LabelTotalrecett");
    LabelNbRecettList = etiquette(QStringLiteral("Recettes trouvées :"), "LabelNbRecettList");

    // A label names the field that follows it, for the keyboard and screen readers.
    LabelRechCat->setBuddy(ComboRechCat);
    LabelRechSousCat->setBuddy(ComboRechSousCat);
    LabelRechMag->setBuddy(ComboRechMag);
    LabelTeste->setBuddy(ComboTeste);
    LabelRechTexte->setBuddy(TextRech);
    LabelListRecettes->setBuddy(ListRecettes);
}

void PanneauRecherche::disposer()
{
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

    auto* tout = new QVBoxLayout(this);
    tout->setContentsMargins(0, 0, 0, 0);
    tout->addWidget(FrameRech);
    tout->addWidget(LabelListRecettes);
    tout->addWidget(ListRecettes, 1);
    tout->addWidget(LabelTotalrecett);
    tout->addWidget(LabelNbRecettList);
}

void PanneauRecherche::decrire()
{
    Controles::decrire(ComboRechCat, QStringLiteral("Catégorie à rechercher"));
    Controles::decrire(ComboRechSousCat, QStringLiteral("Sous-catégorie à rechercher"));
    Controles::decrire(ComboRechMag, QStringLiteral("Magazine à rechercher"));
    Controles::decrire(ComboTeste, QStringLiteral("La recette à rechercher doit-elle avoir été testée ?"));
    Controles::decrire(TextRech, QStringLiteral("Texte à rechercher (dans Nom, N°, Pages et Notes)"));
    Controles::decrire(CommandRechValider, QStringLiteral("Lancer la recherche selon les critères sélectionnés"));
    Controles::decrire(ListRecettes, QStringLiteral("Liste des recettes trouvées selon les critères de recherche"));
    nommerPourAccessibilite(this);
    FrameRech->setAccessibleName(FrameRech->title());
    // The two counters change while the program runs: a screen reader reads
    // their current text, so they get no fixed name.
}

void PanneauRecherche::brancher()
{
    // Choosing or entering any criterion makes Enter start the refresh; only
    // the category's choice changes another list.
    const auto actualiserParDefaut = [this] { m_parDefaut.definir(CommandRechValider); };
    connect(ComboRechCat, &QComboBox::activated, this, [this, actualiserParDefaut] {
        actualiserParDefaut();
        emit categorieChoisie();
    });
    for (QComboBox* critere : {ComboRechSousCat, ComboRechMag, ComboTeste})
        connect(critere, &QComboBox::activated, this, actualiserParDefaut);
    auto* filtre = new FiltreFocus([actualiserParDefaut](QObject*) { actualiserParDefaut(); }, this);
    for (QWidget* controle :
         {static_cast<QWidget*>(ComboRechCat), static_cast<QWidget*>(ComboRechSousCat),
          static_cast<QWidget*>(ComboRechMag), static_cast<QWidget*>(ComboTeste), static_cast<QWidget*>(TextRech)})
        filtre->surveiller(controle);
    connect(CommandRechValider, &QPushButton::clicked, this, &PanneauRecherche::actualisationDemandee);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this), &QShortcut::activated, this,
            &PanneauRecherche::focaliserTexte);

    // Down goes from the text into the found list, Escape empties the text.
    TextRech->installEventFilter(this);
    connect(ListRecettes, &VueRecettes::clicked, this, &PanneauRecherche::surLigne);
    connect(ListRecettes, &VueRecettes::rangeeOuverte, this, &PanneauRecherche::ficheDemandee);
}

void PanneauRecherche::definirModele(ModeleTrouvees* modele)
{
    m_modele = modele;
    ListRecettes->definirModele(modele);
    // Moving through the list with the keyboard shows each recipe in turn, as
    // a click does; moving to another column of the same row does not.
    connect(ListRecettes->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &PanneauRecherche::surLigne);
}

bool PanneauRecherche::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet != TextRech || evenement->type() != QEvent::KeyPress)
        return false;
    const int touche = static_cast<QKeyEvent*>(evenement)->key();
    if (touche == Qt::Key_Down && m_modele && m_modele->rowCount() > 0) {
        ListRecettes->setFocus(Qt::TabFocusReason);
        ListRecettes->setCurrentIndex(m_modele->index(0, ModeleTrouvees::Nom));
        return true;
    }
    if (touche == Qt::Key_Escape && !TextRech->text().isEmpty()) {
        TextRech->clear();
        return true;
    }
    return false;
}

void PanneauRecherche::surLigne()
{
    if (const std::optional<int> k = ligneChoisie())
        emit ligneActivee(*k);
}

QComboBox* PanneauRecherche::liste(Critere critere) const
{
    switch (critere) {
    case Critere::Categorie: return ComboRechCat;
    case Critere::SousCategorie: return ComboRechSousCat;
    case Critere::Magazine: return ComboRechMag;
    case Critere::Teste: break;
    }
    return ComboTeste;
}

void PanneauRecherche::remplir(Critere critere, const QStringList& entrees)
{
    QComboBox* l = liste(critere);
    l->clear();
    l->addItems(entrees);
}

void PanneauRecherche::choisir(Critere critere, int position) { liste(critere)->setCurrentIndex(position); }

int PanneauRecherche::position(Critere critere) const { return liste(critere)->currentIndex(); }

QString PanneauRecherche::texte(Critere critere) const { return liste(critere)->currentText(); }

int PanneauRecherche::trouver(Critere critere, const QString& texte) const
{
    return liste(critere)->findText(texte, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void PanneauRecherche::activer(Critere critere, bool actif) { liste(critere)->setEnabled(actif); }

QString PanneauRecherche::texteRecherche() const { return TextRech->text(); }

// The same rows again (a refresh that changed nothing) keep the view as it
// is, without its choice, as a reload would leave it.
void PanneauRecherche::afficherTrouvees()
{
    if (!m_modele->recharger())
        choisirLigne(std::nullopt);
}

void PanneauRecherche::afficherCompteurs(const QString& total, const QString& trouvees)
{
    LabelTotalrecett->setText(total);
    LabelNbRecettList->setText(trouvees);
}

std::optional<int> PanneauRecherche::ligneChoisie() const
{
    const QModelIndex i = ListRecettes->currentIndex();
    if (i.isValid() && ListRecettes->selectionModel()->isSelected(i))
        return static_cast<int>(m_modele->ligne(i.row()));
    return std::nullopt;
}

void PanneauRecherche::choisirLigne(std::optional<int> k)
{
    if (!k) {
        ListRecettes->clearSelection();
        ListRecettes->setCurrentIndex(QModelIndex());
        return;
    }
    ListRecettes->setCurrentIndex(m_modele->index(m_modele->rangee(*k), ModeleTrouvees::Nom));
}

QList<qsizetype> PanneauRecherche::ordreAffiche() const { return m_modele->ordre(); }

QByteArray PanneauRecherche::etatColonnes() const { return ListRecettes->etatColonnes(); }

void PanneauRecherche::restaurerColonnes(const QByteArray& etat) { ListRecettes->restaurerColonnes(etat); }

void PanneauRecherche::focaliserTexte()
{
    if (!TextRech->isEnabled())
        return;
    TextRech->setFocus(Qt::ShortcutFocusReason);
    TextRech->selectAll();
}

void PanneauRecherche::activerRecherche(bool actif)
{
    m_active = actif;
    for (QWidget* controle :
         {static_cast<QWidget*>(ListRecettes), static_cast<QWidget*>(ComboRechCat), static_cast<QWidget*>(ComboRechMag),
          static_cast<QWidget*>(ComboRechSousCat), static_cast<QWidget*>(ComboTeste),
          static_cast<QWidget*>(CommandRechValider), static_cast<QWidget*>(TextRech)})
        controle->setEnabled(actif);
}

QList<QWidget*> PanneauRecherche::controles() const
{
    return {ComboRechCat, ComboRechSousCat, ComboRechMag, ComboTeste, TextRech, CommandRechValider, ListRecettes};
}
