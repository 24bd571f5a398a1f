#include "RoutinesEchange.h"
#include "ExportCsv.h"
#include "FenetreApercu.h"
#include "LectureBase.h"
#include "RapportImport.h"
#include "SourceImport.h"
#include "base/Codec.h"
#include "base/DocumentBase.h"
#include "base/EtatProgramme.h"
#include "base/Fichiers.h"
#include "base/ListeTrouvee.h"
#include "base/Tables.h"
#include "platform/Plateforme.h"
#include "platform/PolitiqueErreurs.h"
#include "platform/Progression.h"
#include <QDir>
#include <QFileInfo>

using LectureBase::nomAffiche;

RoutinesEchange::RoutinesEchange(DocumentBase& document, const EtatProgramme& etat, PolitiqueErreurs& politique,
                                 Plateforme& plateforme, const Collation& collation, Progression& progression,
                                 QWidget& principale)
    : m_document(document), m_etat(etat), m_politique(politique), m_plateforme(plateforme), m_collation(collation),
      m_progression(progression), m_principale(principale)
{}

RoutinesEchange::~RoutinesEchange() = default;

void RoutinesEchange::dire(const QString& texte, bool avertissement)
{
    m_plateforme.message(QStringLiteral("Zuta!"), texte, Plateforme::Boutons::OK,
                         avertissement ? Plateforme::Icone::Exclamation : Plateforme::Icone::Information);
}

// ---------------------------------------------------------------- export

bool RoutinesEchange::Exporter(const ListeTrouvee& trouvees, const QList<qsizetype>& ordre)
{
    const std::optional<QList<int>> choisies = recettesAExporter(trouvees, ordre);
    if (!choisies)
        return false;
    const std::optional<QString> chemin =
        m_plateforme.dialogueEnregistrer({QStringLiteral("Exporter les recettes"), m_etat.CheminAppli,
                                          QStringLiteral("Tableurs (*.csv) | *.csv"), QStringLiteral("*.csv")});
    if (!chemin || !remplacementAccepte(*chemin))
        return false;
    try {
        ExportCsv::ecrire(*chemin, m_document.tables(), *choisies);
    } catch (const ErreurExecution& erreur) {
        dire(QStringLiteral("L'exportation n'a pas pu être faite.\n\n") + erreur.description());
        return false;
    }
    dire(ExportCsv::compteRendu(choisies->size(), *chemin), false);
    return true;
}

std::optional<QList<int>> RoutinesEchange::recettesAExporter(const ListeTrouvee& trouvees,
                                                             const QList<qsizetype>& ordre)
{
    const Tables& t = m_document.tables();
    if (t.NbRecett == 0) {
        dire(QStringLiteral("La base ne contient aucune recette : il n'y a rien à exporter."), false);
        return std::nullopt;
    }
    const qsizetype trouveesN = ordre.isEmpty() ? trouvees.taille() : ordre.size();
    const std::optional<int> choix =
        m_plateforme.choisir(QStringLiteral("Exporter"), QStringLiteral("Quelles recettes exporter ?"),
                             {QStringLiteral("Les recettes trouvées (%1)").arg(trouveesN),
                              QStringLiteral("Toute la base (%1)").arg(t.NbRecett)});
    if (!choix)
        return std::nullopt;
    if (*choix == 1)
        return ExportCsv::toutesLesRecettes(t, m_collation);
    QList<int> choisies;
    if (!m_politique.etape([&] { choisies = ExportCsv::recettesTrouvees(trouvees, ordre); }))
        return std::nullopt;
    return choisies;
}

bool RoutinesEchange::remplacementAccepte(const QString& chemin)
{
    if (!QFileInfo::exists(chemin))
        return true;
    // Only a clear Yes replaces it.
    return m_plateforme.message(QStringLiteral("Zuta!"),
                                QStringLiteral("Le fichier ") + nomAffiche(chemin)
                                    + QStringLiteral(" existe déjà.\nLe remplacer ?"),
                                Plateforme::Boutons::OuiNon, Plateforme::Icone::Question)
        == Plateforme::Reponse::Oui;
}

// ---------------------------------------------------------------- import

bool RoutinesEchange::Importer()
{
    const std::optional<QString> chemin = m_plateforme.dialogueOuvrir(
        {QStringLiteral("Importer des recettes"), m_etat.CheminAppli,
         QStringLiteral("Tableurs et bases Zuta! (*.csv *.don) | *.csv;*.don"), QStringLiteral("*.csv")});
    if (!chemin)
        return false;
    const SourceImport::Ouverture ouverture = SourceImport::ouvrir(*chemin, m_document.CheminBase(), m_politique);
    if (!ouverture.source) {
        dire(ouverture.refus);
        return false;
    }
    FenetreApercu apercu(*ouverture.source, m_document.tables(), m_politique, &m_principale);
    if (apercu.exec() != QDialog::Accepted)
        return false;
    const int avant = m_document.tables().NbRecett;
    importer(*ouverture.source, apercu.options());
    return m_document.tables().NbRecett != avant;
}

void RoutinesEchange::importer(const SourceImport& source, Importation::Options options)
{
    m_progression.occuperFenetre(true);
    m_progression.montrer(QStringLiteral("Zuta! / Importation"),
                          QStringLiteral("Importation des recettes en cours..."));
    auto avant = std::make_unique<Tables>(m_document.tables());
    const Importation::Bilan bilan = Importation::importer(m_document.tables(), source.lignes(), options, m_politique);
    m_progression.fermer();
    m_progression.occuperFenetre(false);
    // An import that added nothing changed nothing: the last operation stays what it was.
    if (bilan.importees > 0)
        m_avantImport = std::move(avant);
    ecrireRapports(source, options, bilan);
}

void RoutinesEchange::ecrireRapports(const SourceImport& source, Importation::Options options,
                                     const Importation::Bilan& bilan)
{
    RapportImport::Contexte contexte{QDir::toNativeSeparators(QFileInfo(source.chemin()).absoluteFilePath()),
                                     source.lecture(),
                                     source.genre() == SourceImport::Genre::Tableur,
                                     options.ajouterDoublons,
                                     m_plateforme.maintenant(),
                                     QString()};
    if (!bilan.refus.isEmpty()) {
        const QString cheminRefus = m_etat.CheminAppli + RapportImport::NomRefus;
        try {
            Fichiers::ecrireSur(cheminRefus, RapportImport::refus(bilan));
            contexte.cheminRefus = QDir::toNativeSeparators(cheminRefus);
        } catch (const ErreurExecution& erreur) {
            dire(QStringLiteral("Les recettes refusées n'ont pas pu être écrites.\n\n") + erreur.description());
        }
    }
    const QString chemin = m_etat.CheminAppli + RapportImport::NomRapport;
    bool remplace = false;
    try {
        Fichiers::ecrireSur(chemin, Codec::encoder(RapportImport::texte(bilan, contexte), &remplace));
    } catch (const ErreurExecution& erreur) {
        dire(QStringLiteral("Le rapport d'importation n'a pas pu être écrit.\n\n") + erreur.description());
        return;
    }
    if (remplace)
        dire(Codec::avisRemplacement(chemin), false);
    m_plateforme.ouvrir(chemin, [this, chemin] {
        dire(QStringLiteral("Le rapport d'importation a été écrit, mais aucun programme n'a pu l'ouvrir. Il se "
                            "trouve dans le fichier :\n")
                 + QDir::toNativeSeparators(chemin),
             false);
    });
}

bool RoutinesEchange::AnnulerImport()
{
    if (!m_avantImport)
        return false;
    m_document.tables() = *m_avantImport;
    m_avantImport.reset();
    return true;
}

void RoutinesEchange::oublierImport() { m_avantImport.reset(); }
