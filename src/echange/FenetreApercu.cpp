#include "FenetreApercu.h"
#include "ExportCsv.h"
#include "RapportImport.h"
#include "SourceImport.h"
#include "base/Tables.h"
#include "platform/Controles.h"
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <memory>

using namespace Controles;

FenetreApercu::FenetreApercu(SourceImport& source, const Tables& base, PolitiqueErreurs& politique, QWidget* parent)
    : QDialog(parent), m_source(source), m_base(base), m_politique(politique)
{
    setObjectName(QStringLiteral("FenetreApercu"));
    setWindowTitle(QStringLiteral("Importer des recettes"));
    setSizeGripEnabled(true);
    creerControles();
    disposer();
    decrire();
    calculer();
    brancher();
}

FenetreApercu::~FenetreApercu() = default;

void FenetreApercu::creerControles()
{
    LabelFichier = etiquette(QString(), "LabelFichier");
    LabelFichier->setWordWrap(true);
    LabelEncodage = etiquette(QStringLiteral("&Encodage"), "LabelEncodage");
    ComboEncodage = liste("ComboEncodage", false);
    for (const Csv::Encodage e : {Csv::Encodage::Utf8, Csv::Encodage::Windows1252})
        ComboEncodage->addItem(SourceImport::nomEncodage(e), static_cast<int>(e));
    LabelSeparateur = etiquette(QStringLiteral("&Séparateur"), "LabelSeparateur");
    ComboSeparateur = liste("ComboSeparateur", false);
    ComboSeparateur->addItem(QStringLiteral("Point-virgule ( ; )"), QChar(u';'));
    ComboSeparateur->addItem(QStringLiteral("Virgule ( , )"), QChar(u','));
    ComboSeparateur->addItem(QStringLiteral("Tabulation"), QChar(u'\t'));
    ComboEncodage->setCurrentIndex(ComboEncodage->findData(static_cast<int>(m_source.reglages().encodage)));
    ComboSeparateur->setCurrentIndex(ComboSeparateur->findData(m_source.reglages().separateur));
    LabelColonnes = etiquette(QString(), "LabelColonnes");
    LabelColonnes->setWordWrap(true);
    LabelApercu =
        etiquette(QStringLiteral("A&perçu des premières recettes, telles qu'elles seront enregistrées"), "LabelApercu");
    TableApercu = nomme(new QTableWidget(0, ExportCsv::entete().size()), "TableApercu");
    TableApercu->setHorizontalHeaderLabels(ExportCsv::entete());
    TableApercu->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableApercu->setWordWrap(false);
    TableApercu->setTabKeyNavigation(false);
    LabelComptes = etiquette(QString(), "LabelComptes");
    LabelDetails = etiquette(QStringLiteral("&Détails"), "LabelDetails");
    TextDetails = nomme(new QPlainTextEdit, "TextDetails");
    TextDetails->setReadOnly(true);
    TextDetails->setTabChangesFocus(true);
    FrameDoublons = nomme(new QGroupBox(QStringLiteral("Doublons")), "FrameDoublons");
    OptionIgnorer = nomme(new QRadioButton(QStringLiteral("I&gnorer les doublons")), "OptionIgnorer");
    OptionAjouter = nomme(new QRadioButton(QStringLiteral("Les &ajouter quand même")), "OptionAjouter");
    OptionIgnorer->setChecked(true);
    CommandImporter = nomme(new QPushButton(QStringLiteral("&Importer")), "CommandImporter");
    CommandAnnuler = nomme(new QPushButton(QStringLiteral("A&nnuler")), "CommandAnnuler");
    CommandImporter->setDefault(true);

    LabelEncodage->setBuddy(ComboEncodage);
    LabelSeparateur->setBuddy(ComboSeparateur);
    LabelApercu->setBuddy(TableApercu);
    LabelDetails->setBuddy(TextDetails);
    // Another base has neither encoding nor separator to choose.
    const bool tableur = m_source.genre() == SourceImport::Genre::Tableur;
    for (QWidget* w : {static_cast<QWidget*>(LabelEncodage), static_cast<QWidget*>(ComboEncodage),
                       static_cast<QWidget*>(LabelSeparateur), static_cast<QWidget*>(ComboSeparateur)})
        w->setVisible(tableur);
}

void FenetreApercu::disposer()
{
    auto* lecture = new QHBoxLayout;
    lecture->addWidget(LabelEncodage);
    lecture->addWidget(ComboEncodage);
    lecture->addSpacing(16);
    lecture->addWidget(LabelSeparateur);
    lecture->addWidget(ComboSeparateur);
    lecture->addStretch(1);

    auto* doublons = new QVBoxLayout(FrameDoublons);
    doublons->addWidget(OptionIgnorer);
    doublons->addWidget(OptionAjouter);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(CommandImporter);
    boutons->addWidget(CommandAnnuler);

    auto* tout = new QVBoxLayout(this);
    tout->addWidget(LabelFichier);
    tout->addLayout(lecture);
    tout->addWidget(LabelColonnes);
    tout->addWidget(LabelApercu);
    tout->addWidget(TableApercu, 3);
    tout->addWidget(LabelComptes);
    tout->addWidget(LabelDetails);
    tout->addWidget(TextDetails, 2);
    tout->addWidget(FrameDoublons);
    tout->addLayout(boutons);
    resize(900, 640);
}

void FenetreApercu::decrire()
{
    Controles::decrire(ComboEncodage, QStringLiteral("Jeu de caractères du fichier, deviné à son ouverture"));
    Controles::decrire(ComboSeparateur, QStringLiteral("Caractère qui sépare les colonnes, deviné à l'ouverture"));
    Controles::decrire(TableApercu, QStringLiteral("Les premières recettes, telles qu'elles seront enregistrées"));
    Controles::decrire(TextDetails, QStringLiteral("Les nouveaux noms, les lignes refusées et les avertissements"));
    Controles::decrire(OptionIgnorer,
                       QStringLiteral("Ne pas importer une recette de même nom, même magazine et "
                                      "même numéro qu'une recette de la base"));
    Controles::decrire(OptionAjouter, QStringLiteral("Importer aussi les recettes déjà présentes dans la base"));
    Controles::decrire(CommandImporter, QStringLiteral("Importer les recettes dans la base ouverte"));
    Controles::decrire(CommandAnnuler, QStringLiteral("Fermer sans rien importer"));
    for (QLabel* l : {LabelEncodage, LabelSeparateur, LabelApercu, LabelDetails})
        l->buddy()->setAccessibleName(sansMnemonique(l->text()));
    for (QAbstractButton* b :
         {static_cast<QAbstractButton*>(OptionIgnorer), static_cast<QAbstractButton*>(OptionAjouter),
          static_cast<QAbstractButton*>(CommandImporter), static_cast<QAbstractButton*>(CommandAnnuler)})
        b->setAccessibleName(sansMnemonique(b->text()));
}

void FenetreApercu::brancher()
{
    connect(ComboEncodage, &QComboBox::currentIndexChanged, this, &FenetreApercu::relire);
    connect(ComboSeparateur, &QComboBox::currentIndexChanged, this, &FenetreApercu::relire);
    connect(OptionAjouter, &QRadioButton::toggled, this, &FenetreApercu::calculer);
    connect(CommandImporter, &QPushButton::clicked, this, &QDialog::accept);
    connect(CommandAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

Importation::Options FenetreApercu::options() const { return {OptionAjouter->isChecked()}; }

void FenetreApercu::relire()
{
    m_source.relire(
        {static_cast<Csv::Encodage>(ComboEncodage->currentData().toInt()), ComboSeparateur->currentData().toChar()});
    calculer();
}

// The import of the present choices, into a copy of the open base.
void FenetreApercu::calculer()
{
    m_bilan = {};
    if (m_source.erreur().isEmpty()) {
        const auto copie = std::make_unique<Tables>(m_base);
        m_bilan = Importation::importer(*copie, m_source.lignes(), options(), m_politique);
    }
    LabelFichier->setText(QStringLiteral("Fichier : ") + QDir::toNativeSeparators(m_source.chemin())
                          + QStringLiteral(" (") + m_source.lecture() + QLatin1Char(')'));
    montrerColonnes();
    montrerPremieres();
    montrerComptes();
    montrerDetails();
    CommandImporter->setEnabled(m_source.erreur().isEmpty());
}

void FenetreApercu::montrerColonnes()
{
    if (!m_source.erreur().isEmpty()) {
        LabelColonnes->setText(m_source.erreur()
                               + QStringLiteral("\nChoisissez un autre séparateur ou un autre encodage."));
        return;
    }
    if (m_source.genre() == SourceImport::Genre::Base) {
        LabelColonnes->setText(QStringLiteral("Une autre base : ses noms de catégories, de sous-catégories et de "
                                              "magazines sont repris par leur texte."));
        return;
    }
    QStringList reconnues;
    for (int c = 0; c < EnteteCsv::NombreChamps; ++c)
        if (m_source.colonnes().colonne(static_cast<EnteteCsv::Champ>(c)) >= 0)
            reconnues << EnteteCsv::nom(static_cast<EnteteCsv::Champ>(c));
    QString texte = QStringLiteral("Colonnes reconnues : ") + reconnues.join(QStringLiteral(", ")) + QLatin1Char('.');
    // Columns without a header are no columns a user would miss.
    QStringList ignorees = m_source.colonnes().ignorees;
    ignorees.removeIf([](const QString& nom) { return nom.trimmed().isEmpty(); });
    if (!ignorees.isEmpty())
        texte += QStringLiteral(" Colonnes ignorées : ") + ignorees.join(QStringLiteral(", ")) + QLatin1Char('.');
    LabelColonnes->setText(texte);
}

void FenetreApercu::montrerPremieres()
{
    TableApercu->setRowCount(static_cast<int>(m_bilan.premieres.size()));
    for (int i = 0; i < m_bilan.premieres.size(); ++i)
        for (int c = 0; c < m_bilan.premieres[i].size(); ++c) {
            const QString& valeur = m_bilan.premieres[i][c];
            auto* cellule =
                new QTableWidgetItem(QString(valeur).replace(QStringLiteral("\r\n"), QStringLiteral(" ¶ ")));
            cellule->setToolTip(valeur);
            TableApercu->setItem(i, c, cellule);
        }
    TableApercu->resizeColumnsToContents();
}

void FenetreApercu::montrerComptes()
{
    const Importation::Bilan& b = m_bilan;
    LabelComptes->setText(QStringLiteral("À importer : %1 ; doublons ignorés : %2 ; refusées : %3 ; "
                                         "avertissements : %4\nNouvelles catégories : %5 ; nouvelles "
                                         "sous-catégories : %6 ; nouveaux magazines : %7")
                              .arg(b.importees)
                              .arg(b.doublons)
                              .arg(b.refusees)
                              .arg(b.avertissements)
                              .arg(b.nouvellesCategories.size())
                              .arg(b.nouvellesSousCategories.size())
                              .arg(b.nouveauxMagazines.size()));
}

void FenetreApercu::montrerDetails()
{
    const Importation::Bilan& b = m_bilan;
    QStringList lignes = RapportImport::nouveauxNoms(b);
    const bool parLignes = m_source.genre() == SourceImport::Genre::Tableur;
    for (qsizetype i = 0; i < b.remarques.size() && i < MaxRemarquesMontrees; ++i)
        lignes << RapportImport::remarque(b.remarques[i], parLignes);
    if (b.remarques.size() > MaxRemarquesMontrees)
        lignes << QStringLiteral("... et %1 autres, que le rapport d'importation donne toutes.")
                      .arg(b.remarques.size() - MaxRemarquesMontrees);
    TextDetails->setPlainText(lignes.join(QLatin1Char('\n')));
}
