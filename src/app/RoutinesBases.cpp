#include "RoutinesBases.h"
#include "Programme.h"
#include "Reglages.h"
#include "platform/Plateforme.h"
#include <QDir>
#include <QFileInfo>

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

RoutinesBases::RoutinesBases(Programme& p) : document(p.base, p.politique), p(p) {}

// ---------------------------------------------------------------- loading

void RoutinesBases::ChargerBase()
{
    p.fen->setEnabled(false);
    p.progression.montrer(QStringLiteral("Zuta! / Chargement base"), QStringLiteral("Lecture des données en cours..."));
    LireBase();
    p.progression.fermer();
    p.fen->update();
    p.fen->setEnabled(true);
}

void RoutinesBases::LireBase()
{
    const QString chemin = p.etat.CheminBase;
    m_raisonIllisible.clear();
    const DocumentBase::Lecture lecture = document.lire(chemin);
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
    case Issue::Lue: return p.AfficherTitre();
    case Issue::LueAvecErreurs: p.AfficherTitre(); return annoncerLueAvecErreurs();
    }
}

void RoutinesBases::annoncerLueAvecErreurs()
{
    p.plateforme.message(QStringLiteral("Zuta!"),
                         QStringLiteral("La base ") + nomAffiche(p.etat.CheminBase)
                             + QStringLiteral(" n'a pas pu être lue en entier (fichier incomplet ou abîmé) : %1 "
                                              "recette(s) lue(s).\nLe fichier est laissé tel quel ; avant le "
                                              "prochain enregistrement, il sera conservé sous un autre nom.")
                                   .arg(p.base.NbRecett),
                         Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
}

void RoutinesBases::creerBaseManquante()
{
    // A missing base becomes a new empty base under its name. Only the
    // default base of a first start is created without a word.
    const QString parDefaut = p.etat.CheminAppli + Reglages::BaseParDefaut;
    if (QDir::cleanPath(p.etat.CheminBase) != QDir::cleanPath(parDefaut))
        p.plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("La base ") + nomAffiche(p.etat.CheminBase)
                                 + QStringLiteral(" est introuvable.\nUne nouvelle base vide est créée sous ce nom."),
                             Plateforme::Boutons::OK, Plateforme::Icone::Information);
    p.AfficherTitre();
    p.base.ViderCompteurs();
    EcrireBase();
}

void RoutinesBases::baseIllisible(const QString& explication, Remplacement remplacement)
{
    // The file is left exactly as it is; the empty base shown in its place
    // is not written over it without the user's say, and never over a path
    // that is no file of the program.
    document.marquerIllisible();
    m_raisonIllisible = explication;
    p.AfficherTitre();
    const QString suite = remplacement == Remplacement::AvecAccord
        ? QStringLiteral("\n\nCe fichier est laissé tel quel. Une base vide est ouverte à sa place ; elle ne sera "
                         "pas enregistrée dans ce fichier sans votre accord.")
        : QStringLiteral("\n\nCe chemin est laissé tel quel. Une base vide est ouverte à sa place ; elle ne pourra "
                         "pas y être enregistrée.");
    p.plateforme.message(QStringLiteral("Zuta!"), explication + suite, Plateforme::Boutons::OK,
                         Plateforme::Icone::Exclamation);
}

// ---------------------------------------------------------------- conversion

void RoutinesBases::ConvertirBase(const DocumentBase::Lecture& lecture)
{
    const QString cheminBase = p.etat.CheminBase;
    const Conversion::Resultat r = document.convertir(lecture, cheminBase);
    if (!r.lue)
        return baseIllisible(QStringLiteral("Le fichier ") + nomAffiche(cheminBase)
                             + QStringLiteral(" n'est pas une base Zuta! lisible : ") + r.raison + QLatin1Char('.'));
    const bool visible = p.fen->isVisible();
    p.fen->hide();
    p.progression.montrer(QStringLiteral("Zuta! / Conversion base"), QStringLiteral("Analyse des données en cours..."));
    if (!document.garderAncienne(cheminBase, lecture.octets)) {
        p.progression.fermer();
        p.fen->setVisible(visible);
        return baseIllisible(QStringLiteral("La base ") + nomAffiche(cheminBase)
                             + QStringLiteral(" vient d'une version antérieure à v1.2b, mais elle n'a pas pu être "
                                              "conservée sous le nom ")
                             + nomAffiche(Conversion::cheminGarde(cheminBase))
                             + QStringLiteral(" : elle n'est donc pas convertie."));
    }
    document.ecrireRapport(p.etat.CheminAppli, r.rapport);
    // The tables now hold the corrected base: it is written in the current
    // format under the base's own name.
    p.etat.CheminBase = cheminBase;
    SauverBase();
}

// ---------------------------------------------------------------- saving

void RoutinesBases::SauverBase()
{
    if (!cheminEnregistrable() || !confirmerEcrasementModifiee())
        return;
    if (document.illisible() && !confirmerEcrasementIllisible())
        return;
    if (document.lueAvecErreurs() && !garderBaseAvecErreurs())
        return;
    p.fen->setEnabled(false);
    p.progression.montrer(QStringLiteral("Zuta! / Enregistrement base"),
                          QStringLiteral("Sauvegarde des données en cours..."));
    EcrireBase();
    p.progression.fermer();
    p.fen->setEnabled(true);
    if (!p.etat.FermetureEnCours) {
        p.fen->show();
        p.fen->update();
    }
}

bool RoutinesBases::EcrireBase()
{
    p.AfficherTitre();
    const QString chemin = p.etat.CheminBase;
    const DocumentBase::Enregistrement e = document.enregistrer(chemin);
    if (!e.copieImpossible.isEmpty())
        p.plateforme.message(QStringLiteral("Zuta!"),
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
    const QString base = p.etat.CheminBase;
    const Fichiers::Examen examen = document.examiner(base);
    if (!examen.refuse())
        return true;
    p.plateforme.message(QStringLiteral("Zuta!"),
                         QStringLiteral("La base ") + nomAffiche(base)
                             + QStringLiteral(" n'a pas été enregistrée : ce chemin ")
                             + Fichiers::pourquoiRefuse(examen) + QStringLiteral(". Il est resté tel quel."),
                         Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
    return false;
}

bool RoutinesBases::confirmerEcrasementModifiee()
{
    const QString base = p.etat.CheminBase;
    if (!document.changeeDepuis(base))
        return true;
    const auto reponse = p.plateforme.message(
        QStringLiteral("Base modifiée"),
        QStringLiteral("Le fichier ") + nomAffiche(base)
            + QStringLiteral(" a été modifié par un autre programme depuis qu'il a été chargé ou enregistré ici.\n"
                             "L'enregistrer maintenant remplacera ces modifications par la base affichée.\n\n"
                             "Remplacer le fichier ?"),
        Plateforme::Boutons::OuiNon, Plateforme::Icone::Exclamation);
    if (reponse == Plateforme::Reponse::Oui)
        return true;
    p.plateforme.message(QStringLiteral("Zuta!"),
                         QStringLiteral("La base n'a pas été enregistrée. Le fichier ") + nomAffiche(base)
                             + QStringLiteral(" est resté tel que l'autre programme l'a laissé."),
                         Plateforme::Boutons::OK, Plateforme::Icone::Information);
    return false;
}

bool RoutinesBases::confirmerEcrasementIllisible()
{
    if (!QFileInfo::exists(p.etat.CheminBase))
        return true;
    const auto reponse = p.plateforme.message(
        QStringLiteral("Attention !"),
        m_raisonIllisible
            + QStringLiteral("\n\nCe fichier n'a pas été modifié. L'enregistrer maintenant remplacera tout son "
                             "contenu par la base affichée.\nRemplacer le fichier ")
            + nomAffiche(p.etat.CheminBase) + QStringLiteral(" ?"),
        Plateforme::Boutons::OuiNon, Plateforme::Icone::Exclamation);
    return reponse == Plateforme::Reponse::Oui;
}

bool RoutinesBases::garderBaseAvecErreurs()
{
    const QString base = p.etat.CheminBase;
    const DocumentBase::Garde garde = document.garderAvecErreurs(base);
    if (!garde.faite) {
        p.plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("La base ") + nomAffiche(base)
                                 + QStringLiteral(" n'a pas été enregistrée : le fichier lu avec des erreurs n'a pas "
                                                  "pu être conservé sous le nom ")
                                 + nomAffiche(garde.chemin) + QStringLiteral(". Il est resté tel quel."),
                             Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
        return false;
    }
    if (!garde.chemin.isEmpty())
        p.plateforme.message(QStringLiteral("Zuta!"),
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
        p.plateforme.message(QStringLiteral("Confirmation de sauvegarde"),
                             QStringLiteral("Enregistrer les modifications\ndans la base de données ?"),
                             Plateforme::Boutons::OuiNon, Plateforme::Icone::Question);
    return reponse != Plateforme::Reponse::Non;
}

// ---------------------------------------------------------------- buttons

void RoutinesBases::CommandCharger_Click()
{
    if (DemanderSauvegarde())
        SauverBase();
    const auto chemin = p.plateforme.dialogueOuvrir(
        {QStringLiteral("Charger une base de données Zuta!"), p.etat.CheminAppli, FiltreBases, ExtensionBases});
    if (!chemin)
        return;
    p.etat.CheminBase = *chemin;
    p.base.ViderCompteurs();
    p.fermeture.memoriserPositionNormale();
    p.fen->hide();
    p.EcrireIni();
    p.etat.EtatDemarrage = Demarrage::Chargement;
    p.Main();
}

void RoutinesBases::CommandNouvelle_Click()
{
    if (DemanderSauvegarde())
        SauverBase();
    const auto chemin = p.plateforme.dialogueEnregistrer(
        {QStringLiteral("Créer une nouvelle base de données Zuta!"), p.etat.CheminAppli, FiltreBases, ExtensionBases});
    if (!chemin)
        return;
    const Fichiers::Examen examen = document.examiner(*chemin);
    if (!examen.absent() && !examen.ordinaire()) {
        p.plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("Une base ne peut pas être créée sous ") + nomAffiche(*chemin)
                                 + QStringLiteral(" : ce chemin désigne ") + Fichiers::nature(examen.genre)
                                 + QStringLiteral(", pas un fichier ordinaire."),
                             Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
        return;
    }
    if (!examen.absent()) {
        // Only a clear Yes overwrites: a dismissed question changes nothing.
        const auto reponse = p.plateforme.message(QStringLiteral("Cette nouvelle base existe déjà !"),
                                                  QStringLiteral("Ecraser ?\r\n") + *chemin,
                                                  Plateforme::Boutons::OuiNon, Plateforme::Icone::Exclamation);
        if (reponse != Plateforme::Reponse::Oui)
            return;
    }
    p.etat.CheminBase = *chemin;
    // The new file is the user's own choice: nothing of the previous base's
    // reading concerns it.
    document.oublierLecture();
    p.base.ViderCompteurs();
    SauverBase();
    p.fermeture.memoriserPositionNormale();
    p.EcrireIni();
    p.etat.EtatDemarrage = Demarrage::Chargement;
    p.Main();
}
