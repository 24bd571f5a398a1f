#include "ExecutionSansFenetre.h"
#include "base/Codec.h"
#include "base/Collation.h"
#include "base/DocumentBase.h"
#include "base/Fichiers.h"
#include "base/Tables.h"
#include "echange/ExportCsv.h"
#include "echange/Importation.h"
#include "echange/LectureBase.h"
#include "echange/RapportImport.h"
#include "echange/SourceImport.h"
#include "platform/PlateformeConsole.h"
#include "platform/PolitiqueErreurs.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>
#include <memory>

using LectureBase::nomAffiche;

namespace ExecutionSansFenetre {

namespace {

enum Statut { Fait = 0, LignesRefusees = 1, RienFait = 2 };

class Execution {
public:
    Execution(QTextStream& sortie, QTextStream& erreurs)
        : m_sortie(sortie), m_erreurs(erreurs), m_plateforme(erreurs), m_politique(m_plateforme)
    {}

    int exporter(const QString& base, const QString& fichier)
    {
        auto t = std::make_unique<Tables>();
        if (const LectureBase::Resultat r = LectureBase::lire(base, *t, m_politique); !r.lue)
            return echec(r.refus);
        const QList<int> recettes = ExportCsv::toutesLesRecettes(*t, Collation());
        try {
            ExportCsv::ecrire(fichier, *t, recettes);
        } catch (const ErreurExecution& e) {
            return echec(QStringLiteral("L'exportation n'a pas pu être faite.\n") + e.description());
        }
        m_sortie << ExportCsv::compteRendu(recettes.size(), fichier) << Qt::endl;
        return Fait;
    }

    int importer(const QString& base, const QString& fichier, bool ajouterDoublons)
    {
        DocumentBase document(m_politique);
        document.definirChemin(base);
        if (const QString refus = baseAImporter(document); !refus.isEmpty())
            return echec(refus);
        const SourceImport::Ouverture ouverture = SourceImport::ouvrir(fichier, base, m_politique);
        if (!ouverture.source)
            return echec(ouverture.refus);
        const SourceImport& source = *ouverture.source;
        if (!source.erreur().isEmpty())
            return echec(QStringLiteral("Le fichier ") + nomAffiche(fichier)
                         + QStringLiteral(" ne peut pas être importé : ") + source.erreur());
        const Importation::Bilan bilan =
            Importation::importer(document.tables(), source.lignes(), {ajouterDoublons}, m_politique);
        if (bilan.importees > 0 && !document.enregistrer().ecrite)
            return echec(QStringLiteral("La base ") + nomAffiche(base)
                         + QStringLiteral(" n'a pas pu être enregistrée : elle est restée telle quelle."));
        RapportImport::Contexte contexte{QDir::toNativeSeparators(fichier),
                                         source.lecture(),
                                         source.genre() == SourceImport::Genre::Tableur,
                                         ajouterDoublons,
                                         m_plateforme.maintenant(),
                                         QString()};
        if (!bilan.refus.isEmpty())
            contexte.cheminRefus = ecrireRefus(bilan);
        m_sortie << RapportImport::texte(bilan, contexte).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        m_sortie.flush();
        return bilan.refusees > 0 ? LignesRefusees : Fait;
    }

private:
    int echec(const QString& texte)
    {
        m_erreurs << texte << Qt::endl;
        return RienFait;
    }

    // The base to add to: read whole in the current layout, and writable.
    QString baseAImporter(DocumentBase& document)
    {
        const QString base = document.CheminBase();
        const DocumentBase::Lecture lecture = document.lire();
        using Issue = DocumentBase::Issue;
        switch (lecture.issue) {
        case Issue::Lue: break;
        case Issue::Absente: return QStringLiteral("La base ") + nomAffiche(base) + QStringLiteral(" est introuvable.");
        case Issue::Refusee:
            return QStringLiteral("Le chemin ") + nomAffiche(base) + QLatin1Char(' ')
                + Fichiers::pourquoiRefuse(lecture.examen) + QLatin1Char('.');
        case Issue::Illisible:
            return QStringLiteral("La base ") + nomAffiche(base)
                + QStringLiteral(" ne peut pas être lue (accès refusé ou fichier verrouillé).");
        case Issue::PasUneBase:
            return QStringLiteral("Le fichier ") + nomAffiche(base)
                + QStringLiteral(" n'est pas une base Zuta! : sa première valeur n'est pas un nombre.");
        case Issue::Ancienne:
            return QStringLiteral("La base ") + nomAffiche(base)
                + QStringLiteral(" vient d'une version antérieure à v1.2b : ouvrez-la d'abord dans la fenêtre de "
                                 "Zuta!, qui la convertit.");
        case Issue::LueAvecErreurs:
            return QStringLiteral("La base ") + nomAffiche(base)
                + QStringLiteral(" n'a pas pu être lue en entier (fichier incomplet ou abîmé) : elle est laissée "
                                 "telle quelle.");
        }
        try {
            Fichiers::verifierRemplacable(base);
        } catch (const ErreurExecution& e) {
            return QStringLiteral("La base ") + nomAffiche(base) + QStringLiteral(" ne peut pas être enregistrée.\n")
                + e.description();
        }
        return {};
    }

    // The refused rows in the current folder, the command line's program folder.
    QString ecrireRefus(const Importation::Bilan& bilan)
    {
        const QString chemin = QDir::current().absoluteFilePath(RapportImport::NomRefus);
        try {
            Fichiers::ecrireSur(chemin, RapportImport::refus(bilan));
        } catch (const ErreurExecution& e) {
            m_erreurs << QStringLiteral("Les recettes refusées n'ont pas pu être écrites.\n") << e.description()
                      << Qt::endl;
            return {};
        }
        return QDir::toNativeSeparators(chemin);
    }

    QTextStream& m_sortie;
    QTextStream& m_erreurs;
    PlateformeConsole m_plateforme;
    PolitiqueErreurs m_politique;
};

QString absolu(const QString& chemin) { return QFileInfo(chemin).absoluteFilePath(); }

} // namespace

int executer(const LigneDeCommande::Forme& forme, QTextStream& sortie, QTextStream& erreurs)
{
    using LigneDeCommande::Genre;
    Execution execution(sortie, erreurs);
    switch (forme.genre) {
    case Genre::Aide: sortie << LigneDeCommande::aide(); return Fait;
    case Genre::Exporter: return execution.exporter(absolu(forme.base), absolu(forme.fichier));
    case Genre::Importer: return execution.importer(absolu(forme.base), absolu(forme.fichier), forme.ajouterDoublons);
    case Genre::Erreur:
    case Genre::Fenetre: break;
    }
    erreurs << forme.erreur << QStringLiteral("\n« Zuta --help » donne les formes de la ligne de commande.")
            << Qt::endl;
    return RienFait;
}

int principal(int argc, char* argv[])
{
    const QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Zuta"));
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    return executer(LigneDeCommande::analyser(QCoreApplication::arguments().mid(1)), sortie, erreurs);
}

} // namespace ExecutionSansFenetre
