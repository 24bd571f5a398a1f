#include "BancProgramme.h"
#include "app/Reglages.h"
#include "base/Codec.h"
#include "base/FichierBase.h"
#include "base/Fichiers.h"
#include "base/ListeTrouvee.h"
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <cstdio>
#include <cstdlib>

void echec(const QString& message)
{
    std::fprintf(stderr, "zuta_bench : %s\n", message.toUtf8().constData());
    std::exit(2);
}

BancProgramme::BancProgramme(const Generateur::Parametres& parametres) : m_generee(std::make_unique<Tables>())
{
    if (!m_dossier.isValid())
        echec(QStringLiteral("dossier temporaire impossible"));
    Generateur::remplir(*m_generee, parametres);
    m_octets = Codec::encoder(FichierBase::ecrire(*m_generee));
    m_cheminBase = chemin(Reglages::BaseParDefaut);
    Fichiers::ecrireSur(m_cheminBase, m_octets);
    plateforme.cheminPdf = chemin(QStringLiteral("Liste.pdf"));

    // The program takes its folder from the current one at its first start.
    const QString ancien = QDir::currentPath();
    QDir::setCurrent(m_dossier.path());
    m_programme = std::make_unique<Programme>(plateforme);
    m_programme->demarrer();
    QDir::setCurrent(ancien);
    m_sorties = std::make_unique<RoutinesSorties>(tables(), p().etat(), p().listeTrouvee(), m_politique, plateforme,
                                                  p().collation(), m_progression);
    m_bases = std::make_unique<RoutinesBases>(document(), p().etat(), plateforme, m_progression, fen());

    if (tables().NbRecett != parametres.recettes || trouvees() != parametres.recettes || !plateforme.boites.isEmpty())
        echec(QStringLiteral("la base générée ne se charge pas comme attendu"));
}

BancProgramme::~BancProgramme() = default;

FrmPrincipal& BancProgramme::fen() { return m_programme->fenetre(); }

QString BancProgramme::chemin(const QString& nom) const { return QDir::toNativeSeparators(m_dossier.filePath(nom)); }

// A control of the main window by its name, as the user's tools find it.
template <class T>
T* BancProgramme::controle(const char* nom)
{
    T* c = fen().findChild<T*>(QLatin1String(nom));
    if (!c)
        echec(QStringLiteral("pas de contrôle ") + QLatin1String(nom));
    return c;
}

void BancProgramme::cliquer(const char* bouton) { controle<QPushButton>(bouton)->click(); }

void BancProgramme::actualiser() { cliquer("CommandRechValider"); }

void BancProgramme::annuler()
{
    for (QShortcut* raccourci : fen().findChildren<QShortcut*>())
        if (raccourci->key() == QKeySequence(Qt::CTRL | Qt::Key_Z))
            emit raccourci->activated();
}

void BancProgramme::choisirCategorie(int position)
{
    // As the user's choice: the sub-categories follow the category.
    QComboBox* liste = controle<QComboBox>("ComboRechCat");
    liste->setCurrentIndex(position);
    emit liste->activated(position);
}

void BancProgramme::sansCritere()
{
    controle<QLineEdit>("TextRech")->clear();
    controle<QComboBox>("ComboRechMag")->setCurrentIndex(0);
    controle<QComboBox>("ComboTeste")->setCurrentIndex(0);
    choisirCategorie(0);
}

void BancProgramme::texteRecherche(const QString& texte)
{
    sansCritere();
    controle<QLineEdit>("TextRech")->setText(texte);
}

void BancProgramme::categorie(int position, int positionSousCategorie)
{
    sansCritere();
    choisirCategorie(position);
    controle<QComboBox>("ComboRechSousCat")->setCurrentIndex(positionSousCategorie);
}

void BancProgramme::magazine(int position)
{
    sansCritere();
    controle<QComboBox>("ComboRechMag")->setCurrentIndex(position);
}

void BancProgramme::montrerRecette(int slot)
{
    // The card's operations are timed on the list in its own order, whatever
    // column the sorts before them left it sorted by.
    trier(-1);
    sansCritere();
    actualiser();
    if (const std::optional<qsizetype> k = p().listeTrouvee().ligneDe(slot)) {
        // Choosing the line shows its recipe, as a click does.
        fen().recherche().choisirLigne(static_cast<int>(*k));
        if (!p().etat().fiche.FicheExistante || p().etat().fiche.RecettCourante != slot)
            echec(QStringLiteral("la fiche ne montre pas la recette %1").arg(slot));
        return;
    }
    echec(QStringLiteral("la recette %1 n'est pas dans la liste").arg(slot));
}

void BancProgramme::restaurerBase() { tables() = *m_generee; }

int BancProgramme::trouvees() { return static_cast<int>(p().listeTrouvee().noms.size()); }

void BancProgramme::trier(int colonne)
{
    controle<QTableView>("ListRecettes")->sortByColumn(colonne, Qt::AscendingOrder);
}
