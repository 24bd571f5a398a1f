#include "RoutinesBases.h"
#include "Reglages.h"
#include "base/Codec.h"
#include "base/EtatProgramme.h"
#include "base/Tables.h"
#include "platform/Plateforme.h"
#include "platform/Progression.h"
#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace {
const QString FiltreBases = QStringLiteral("Bases Zuta! (*.don) | *.don");
const QString ExtensionBases = QStringLiteral("*.don");

QString nomAffiche(const QString& chemin)
{
    return QStringLiteral("« ") + QDir::toNativeSeparators(chemin) + QStringLiteral(" »");
}

// Why a path that names no file of the program is not read as a base.
QString baseRefusee(const QString& chemin, const Fichiers::Examen& examen)
{
    if (examen.tropGrand())
        return QStringLiteral("Le fichier ") + nomAffiche(chemin) + QStringLiteral(" ")
            + Fichiers::pourquoiRefuse(examen) + QStringLiteral(" : ce n'est pas une base Zuta!.");
    return QStringLiteral("Le chemin ") + nomAffiche(chemin) + QStringLiteral(" désigne ")
        + Fichiers::nature(examen.genre) + QStringLiteral(", pas un fichier de base.");
}
} // namespace

RoutinesBases::RoutinesBases(DocumentBase& document, const EtatProgramme& etat, Plateforme& plateforme,
                             Progression& progression, QWidget& principale)
    : m_document(document), m_etat(etat), m_plateforme(plateforme), m_progression(progression), m_principale(principale)
{}

void RoutinesBases::occuper(bool occupee) { m_principale.setEnabled(!occupee); }

// ---------------------------------------------------------------- loading

void RoutinesBases::ChargerBase()
{
    occuper(true);
    m_progression.montrer(QStringLiteral("Zuta! / Chargement base"), QStringLiteral("Lecture des données en cours..."));
    LireBase();
    m_progression.fermer();
    m_principale.update();
    occuper(false);
}

void RoutinesBases::LireBase()
{
    const QString chemin = m_document.CheminBase();
    m_raisonIllisible.clear();
    const DocumentBase::Lecture lecture = m_document.lire();
    using Issue = DocumentBase::Issue;
    switch (lecture.issue) {
    case Issue::Absente: return creerBaseManquante();
    case Issue::Refusee: return baseIllisible(baseRefusee(chemin, lecture.examen), Remplacement::Jamais);
    case Issue::Illisible:
        return baseIllisible(QStringLiteral("Le fichier ") + nomAffiche(chemin)
                             + QStringLiteral(" ne peut pas être lu (accès refusé ou fichier verrouillé)."));
    case Issue::PasUneBase:
        return baseIllisible(QStringLiteral("Le fichier ") + nomAffiche(chemin)
                             + QStringLiteral(" n'est pas une base Zuta! : sa première valeur n'est pas un nombre."));
    case Issue::Ancienne: return ConvertirBase(lecture);
    case Issue::Lue: return;
    case Issue::LueAvecErreurs: return annoncerLueAvecErreurs();
    }
}

void RoutinesBases::annoncerLueAvecErreurs()
{
    m_plateforme.message(QStringLiteral("Zuta!"),
                         QStringLiteral("La base ") + nomAffiche(m_document.CheminBase())
                             + QStringLiteral(" n'a pas pu être lue en entier (fichier incomplet ou abîmé) : %1 "
                                              "recette(s) lue(s).\nLe fichier est laissé tel quel ; avant le "
                                              "prochain enregistrement, il sera conservé sous un autre nom.")
                                   .arg(m_document.tables().NbRecett),
                         Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
}

void RoutinesBases::creerBaseManquante()
{
    // A missing base becomes a new empty base under its name. Only the
    // default base of a first start is created without a word.
    const QString chemin = m_document.CheminBase();
    const QString parDefaut = m_etat.CheminAppli + Reglages::BaseParDefaut;
    if (QDir::cleanPath(chemin) != QDir::cleanPath(parDefaut))
        m_plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("La base ") + nomAffiche(chemin)
                                 + QStringLiteral(" est introuvable.\nUne nouvelle base vide est créée sous ce nom."),
                             Plateforme::Boutons::OK, Plateforme::Icone::Information);
    m_document.nouvelle();
    EcrireBase();
}

void RoutinesBases::baseIllisible(const QString& explication, Remplacement remplacement)
{
    // The file is left exactly as it is; the empty base shown in its place
    // is not written over it without the user's say, and never over a path
    // that is no file of the program.
    m_document.marquerIllisible();
    m_raisonIllisible = explication;
    const QString suite = remplacement == Remplacement::AvecAccord
        ? QStringLiteral("\n\nCe fichier est laissé tel quel. Une base vide est ouverte à sa place ; elle ne sera "
                         "pas enregistrée dans ce fichier sans votre accord.")
        : QStringLiteral("\n\nCe chemin est laissé tel quel. Une base vide est ouverte à sa place ; elle ne pourra "
                         "pas y être enregistrée.");
    m_plateforme.message(QStringLiteral("Zuta!"), explication + suite, Plateforme::Boutons::OK,
                         Plateforme::Icone::Exclamation);
}

// ---------------------------------------------------------------- conversion

void RoutinesBases::ConvertirBase(const DocumentBase::Lecture& lecture)
{
    const QString cheminBase = m_document.CheminBase();
    const Conversion::Resultat r = m_document.convertir(lecture);
    if (!r.lue)
        return baseIllisible(QStringLiteral("Le fichier ") + nomAffiche(cheminBase)
                             + QStringLiteral(" n'est pas une base Zuta! lisible : ") + r.raison + QLatin1Char('.'));
    const bool visible = m_principale.isVisible();
    m_principale.hide();
    m_progression.montrer(QStringLiteral("Zuta! / Conversion base"), QStringLiteral("Analyse des données en cours..."));
    if (!m_document.garderAncienne(lecture.octets)) {
        m_progression.fermer();
        m_principale.setVisible(visible);
        return baseIllisible(QStringLiteral("La base ") + nomAffiche(cheminBase)
                             + QStringLiteral(" vient d'une version antérieure à v1.2b, mais elle n'a pas pu être "
                                              "conservée sous le nom ")
                             + nomAffiche(Conversion::cheminGarde(cheminBase))
                             + QStringLiteral(" : elle n'est donc pas convertie."));
    }
    if (m_document.ecrireRapport(m_etat.CheminAppli, r.rapport))
        annoncerRapportRemplace();
    // The tables now hold the corrected base: it is written in the current
    // format under the base's own name.
    SauverBase();
}

void RoutinesBases::annoncerRapportRemplace()
{
    m_plateforme.message(QStringLiteral("Zuta!"), Codec::avisRemplacement(m_etat.CheminAppli + Conversion::NomRapport),
                         Plateforme::Boutons::OK, Plateforme::Icone::Information);
}

// ---------------------------------------------------------------- saving

bool RoutinesBases::SauverBase()
{
    if (!cheminEnregistrable() || !confirmerEcrasementModifiee())
        return false;
    if (m_document.illisible() && !confirmerEcrasementIllisible())
        return false;
    if (m_document.lueAvecErreurs() && !garderBaseAvecErreurs())
        return false;
    occuper(true);
    m_progression.montrer(QStringLiteral("Zuta! / Enregistrement base"),
                          QStringLiteral("Sauvegarde des données en cours..."));
    const bool ecrite = EcrireBase();
    m_progression.fermer();
    occuper(false);
    if (!m_etat.FermetureEnCours) {
        m_principale.show();
        m_principale.update();
    }
    return ecrite;
}

bool RoutinesBases::EcrireBase()
{
    const QString chemin = m_document.CheminBase();
    const DocumentBase::Enregistrement e = m_document.enregistrer();
    if (!e.copieImpossible.isEmpty())
        m_plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("La base ") + nomAffiche(chemin)
                                 + QStringLiteral(" n'a pas été enregistrée : sa version précédente n'a pas pu être "
                                                  "conservée sous le nom ")
                                 + nomAffiche(e.copieImpossible)
                                 + QStringLiteral(". Le fichier de la base est resté tel quel."),
                             Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
    return e.ecrite;
}

bool RoutinesBases::cheminEnregistrable()
{
    // A device, a pipe or a file too large to be a base was refused when it
    // was read: nothing the program writes ever takes its place.
    const QString base = m_document.CheminBase();
    const Fichiers::Examen examen = DocumentBase::examiner(base);
    if (!examen.refuse())
        return true;
    m_plateforme.message(QStringLiteral("Zuta!"),
                         QStringLiteral("La base ") + nomAffiche(base)
                             + QStringLiteral(" n'a pas été enregistrée : ce chemin ")
                             + Fichiers::pourquoiRefuse(examen) + QStringLiteral(". Il est resté tel quel."),
                         Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
    return false;
}

bool RoutinesBases::confirmerEcrasementModifiee()
{
    const QString base = m_document.CheminBase();
    if (!m_document.changeeDepuis())
        return true;
    const auto reponse = m_plateforme.message(
        QStringLiteral("Base modifiée"),
        QStringLiteral("Le fichier ") + nomAffiche(base)
            + QStringLiteral(" a été modifié par un autre programme depuis qu'il a été chargé ou enregistré ici.\n"
                             "L'enregistrer maintenant remplacera ces modifications par la base affichée.\n\n"
                             "Remplacer le fichier ?"),
        Plateforme::Boutons::OuiNon, Plateforme::Icone::Exclamation);
    if (reponse == Plateforme::Reponse::Oui)
        return true;
    m_plateforme.message(QStringLiteral("Zuta!"),
                         QStringLiteral("La base n'a pas été enregistrée. Le fichier ") + nomAffiche(base)
                             + QStringLiteral(" est resté tel que l'autre programme l'a laissé."),
                         Plateforme::Boutons::OK, Plateforme::Icone::Information);
    return false;
}

bool RoutinesBases::confirmerEcrasementIllisible()
{
    const QString base = m_document.CheminBase();
    if (!QFileInfo::exists(base))
        return true;
    const auto reponse = m_plateforme.message(
        QStringLiteral("Attention !"),
        m_raisonIllisible
            + QStringLiteral("\n\nCe fichier n'a pas été modifié. L'enregistrer maintenant remplacera tout son "
                             "contenu par la base affichée.\nRemplacer le fichier ")
            + nomAffiche(base) + QStringLiteral(" ?"),
        Plateforme::Boutons::OuiNon, Plateforme::Icone::Exclamation);
    return reponse == Plateforme::Reponse::Oui;
}

bool RoutinesBases::garderBaseAvecErreurs()
{
    const QString base = m_document.CheminBase();
    const DocumentBase::Garde garde = m_document.garderAvecErreurs();
    if (!garde.faite) {
        m_plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("La base ") + nomAffiche(base)
                                 + QStringLiteral(" n'a pas été enregistrée : le fichier lu avec des erreurs n'a pas "
                                                  "pu être conservé sous le nom ")
                                 + nomAffiche(garde.chemin) + QStringLiteral(". Il est resté tel quel."),
                             Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
        return false;
    }
    if (!garde.chemin.isEmpty())
        m_plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("La base ") + nomAffiche(base)
                                 + QStringLiteral(" avait été lue avec des erreurs.\nAvant de l'enregistrer, le "
                                                  "fichier tel qu'il était a été conservé sous le nom :\n")
                                 + nomAffiche(garde.chemin),
                             Plateforme::Boutons::OK, Plateforme::Icone::Information);
    return true;
}

bool RoutinesBases::DemanderSauvegarde()
{
    // Any answer but No saves: a question dismissed with Escape or its close
    // button saves too, so that no change is lost by a slip of the hand.
    const auto reponse =
        m_plateforme.message(QStringLiteral("Confirmation de sauvegarde"),
                             QStringLiteral("Enregistrer les modifications\ndans la base de données ?"),
                             Plateforme::Boutons::OuiNon, Plateforme::Icone::Question);
    return reponse != Plateforme::Reponse::Non;
}

// ---------------------------------------------------------------- file dialogs

std::optional<QString> RoutinesBases::choisirBaseACharger()
{
    return m_plateforme.dialogueOuvrir(
        {QStringLiteral("Charger une base de données Zuta!"), m_etat.CheminAppli, FiltreBases, ExtensionBases});
}

std::optional<QString> RoutinesBases::choisirNouvelleBase()
{
    const auto chemin = m_plateforme.dialogueEnregistrer(
        {QStringLiteral("Créer une nouvelle base de données Zuta!"), m_etat.CheminAppli, FiltreBases, ExtensionBases});
    if (!chemin)
        return std::nullopt;
    const Fichiers::Examen examen = DocumentBase::examiner(*chemin);
    if (!examen.absent() && !examen.ordinaire()) {
        m_plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("Une base ne peut pas être créée sous ") + nomAffiche(*chemin)
                                 + QStringLiteral(" : ce chemin désigne ") + Fichiers::nature(examen.genre)
                                 + QStringLiteral(", pas un fichier ordinaire."),
                             Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
        return std::nullopt;
    }
    if (!examen.absent()) {
        // Only a clear Yes overwrites: a dismissed question changes nothing.
        const auto reponse = m_plateforme.message(QStringLiteral("Cette nouvelle base existe déjà !"),
                                                  QStringLiteral("Ecraser ?\r\n") + *chemin,
                                                  Plateforme::Boutons::OuiNon, Plateforme::Icone::Exclamation);
        if (reponse != Plateforme::Reponse::Oui)
            return std::nullopt;
    }
    return chemin;
}
