#include "Bases.h"
#include "FrmPrincipal.h"
#include "Programme.h"
#include "Reglages.h"
#include "base/Codec.h"
#include "base/FichierBase.h"
#include "platform/ErreurExecution.h"
#include "windows/FrmSauvegarde.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QHash>
#include <QFileInfo>
#include <QPushButton>

namespace {
const QString FiltreBases = QStringLiteral("Bases Zuta! (*.don) | *.don");
const QString ExtensionBases = QStringLiteral("*.don");

QString nomAffiche(const QString& chemin)
{
    return QStringLiteral("« ") + QDir::toNativeSeparators(chemin) + QStringLiteral(" »");
}
} // namespace

RoutinesBases::RoutinesBases(Programme& p) : finProgramme([] { QCoreApplication::quit(); }), p(p) {}

RoutinesBases::~RoutinesBases() = default;

void RoutinesBases::brancher()
{
    QObject::connect(p.fen->CommandCharger, &QPushButton::clicked, p.fen.get(), [this] { CommandCharger_Click(); });
    QObject::connect(p.fen->CommandNouvelle, &QPushButton::clicked, p.fen.get(), [this] { CommandNouvelle_Click(); });
    QObject::connect(p.fen->CommandQuitter, &QPushButton::clicked, p.fen.get(), [this] { CommandQuitter_Click(); });
    p.fen->surFermeture = [this] { FrmPrincipal_Unload(); };
}

// ---------------------------------------------------------------- progress

void RoutinesBases::montrerProgression(const QString& titre, const QString& texte)
{
    const bool nouvelle = !m_progression;
    if (nouvelle)
        m_progression = std::make_unique<FrmSauvegarde>();
    m_progression->preparer(titre, texte);
    if (nouvelle) {
        QRect cadre = p.fen->frameGeometry();
        if (p.etat.FermetureEnCours == 1) {
            // The main window is gone: the rectangle it left.
            const double d = p.dpiEcran();
            cadre = QRect(Reglages::twipsVersPixels(p.etat.FenGauche, d), Reglages::twipsVersPixels(p.etat.FenHaut, d),
                          Reglages::twipsVersPixels(p.etat.FenLargeur, d),
                          Reglages::twipsVersPixels(p.etat.FenHauteur, d));
        }
        m_progression->centrerSur(cadre);
    }
    m_progression->montrer();
    progressions.append({titre, texte, m_progression->frameGeometry()});
}

void RoutinesBases::fermerProgression()
{
    if (!m_progression)
        return;
    m_progression->hide();
    m_progression.reset();
}

// ---------------------------------------------------------------- loading

void RoutinesBases::ChargerBase()
{
    p.fen->setEnabled(false);
    montrerProgression(QStringLiteral("Zuta! / Chargement base"), QStringLiteral("Lecture des données en cours..."));
    LireBase();
    fermerProgression();
    p.fen->update();
    p.fen->setEnabled(true);
}

void RoutinesBases::LireBase()
{
    const QString chemin = p.etat.CheminBase;
    p.etat.BaseLueAvecErreurs = false;
    p.etat.BaseIlisible = false;
    m_raisonIllisible.clear();
    const Fichiers::Examen examen = Fichiers::examiner(chemin, Fichiers::TailleMaxBase);
    if (examen.absent()) {
        creerBaseManquante();
        return;
    }
    if (examen.refuse()) {
        baseIllisible(baseRefusee(chemin, examen), Remplacement::Jamais);
        return;
    }
    QByteArray octets;
    if (!p.politique.etape([&] { octets = Fichiers::lire(chemin, Fichiers::TailleMaxBase); })) {
        baseIllisible(QStringLiteral("Le fichier ") + nomAffiche(chemin)
                      + QStringLiteral(" ne peut pas être lu (accès refusé ou fichier verrouillé)."));
        return;
    }
    memoriserEmpreinte(chemin, octets);
    const QString texte = Codec::decoder(octets);
    const Conversion::Genre genre = Conversion::examinerEntete(texte);
    if (genre == Conversion::Genre::PasUneBase) {
        baseIllisible(QStringLiteral("Le fichier ") + nomAffiche(chemin)
                      + QStringLiteral(" n'est pas une base Zuta! : sa première valeur n'est pas un nombre."));
        return;
    }
    if (genre != Conversion::Genre::Courante) {
        ConvertirBase(texte, octets, genre);
        return;
    }
    p.AfficherTitre();
    const FichierBase::ResultatLecture r = FichierBase::lire(texte, p.base, p.politique);
    p.etat.BaseLueAvecErreurs = r.erreurs;
    if (r.erreurs)
        p.plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("La base ") + nomAffiche(chemin)
                                 + QStringLiteral(" n'a pas pu être lue en entier (fichier incomplet ou abîmé) : %1 "
                                                  "recette(s) lue(s).\nLe fichier est laissé tel quel ; avant le "
                                                  "prochain enregistrement, il sera conservé sous un autre nom.")
                                       .arg(p.base.NbRecett),
                             Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
}

QString RoutinesBases::baseRefusee(const QString& chemin, const Fichiers::Examen& examen)
{
    if (examen.tropGrand())
        return QStringLiteral("Le fichier ") + nomAffiche(chemin) + QStringLiteral(" ")
            + Fichiers::pourquoiRefuse(examen) + QStringLiteral(" : ce n'est pas une base Zuta!.");
    return QStringLiteral("Le chemin ") + nomAffiche(chemin) + QStringLiteral(" désigne ")
        + Fichiers::nature(examen.genre) + QStringLiteral(", pas un fichier de base.");
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
    p.base.ViderCompteurs();
    p.etat.BaseIlisible = true;
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

void RoutinesBases::ConvertirBase(const QString& texte, const QByteArray& octets, Conversion::Genre genre)
{
    const QString cheminBase = p.etat.CheminBase;
    const QString garde = Conversion::cheminGarde(cheminBase);
    const Conversion::Resultat r = Conversion::convertir(texte, genre, p.base, QDir::toNativeSeparators(cheminBase),
                                                         QDir::toNativeSeparators(garde));
    if (!r.lue) {
        baseIllisible(QStringLiteral("Le fichier ") + nomAffiche(cheminBase)
                      + QStringLiteral(" n'est pas une base Zuta! lisible : ") + r.raison + QLatin1Char('.'));
        return;
    }
    const bool visible = p.fen->isVisible();
    p.fen->hide();
    montrerProgression(QStringLiteral("Zuta! / Conversion base"), QStringLiteral("Analyse des données en cours..."));

    // The older file is copied, never moved: whatever fails later, the
    // original stays where it was.
    if (!p.politique.etape([&] { Fichiers::ecrireSur(garde, octets); })) {
        fermerProgression();
        p.fen->setVisible(visible);
        baseIllisible(QStringLiteral("La base ") + nomAffiche(cheminBase)
                      + QStringLiteral(" vient d'une version antérieure à v1.2b, mais elle n'a pas pu être conservée "
                                       "sous le nom ")
                      + nomAffiche(garde) + QStringLiteral(" : elle n'est donc pas convertie."));
        return;
    }
    bool remplace = false;
    const QByteArray rapport = Codec::encoder(r.rapport, &remplace);
    p.politique.etape([&] { Fichiers::ecrireSur(p.etat.CheminAppli + Conversion::NomRapport, rapport); });
    // The tables now hold the corrected base: it is written in the current
    // format under the base's own name.
    p.etat.CheminBase = cheminBase;
    SauverBase();
}

// ---------------------------------------------------------------- saving

void RoutinesBases::SauverBase()
{
    if (!cheminEnregistrable())
        return;
    if (!confirmerEcrasementModifiee())
        return;
    if (p.etat.BaseIlisible && !confirmerEcrasementIllisible())
        return;
    if (p.etat.BaseLueAvecErreurs && !garderBaseAvecErreurs())
        return;
    p.fen->setEnabled(false);
    montrerProgression(QStringLiteral("Zuta! / Enregistrement base"),
                       QStringLiteral("Sauvegarde des données en cours..."));
    if (EcrireBase())
        p.etat.BaseIlisible = false;
    fermerProgression();
    p.fen->setEnabled(true);
    if (p.etat.FermetureEnCours != 1) {
        p.fen->show();
        p.fen->update();
    }
}

bool RoutinesBases::EcrireBase()
{
    p.AfficherTitre();
    const QByteArray octets = Codec::encoder(FichierBase::ecrire(p.base));
    const QString chemin = p.etat.CheminBase;
    // A base that cannot be replaced keeps its previous copy as it was.
    if (!p.politique.etape([&] { Fichiers::verifierRemplacable(chemin); }))
        return false;
    if (!garderVersionPrecedente())
        return false;
    if (!p.politique.etape([&] { Fichiers::ecrireSur(chemin, octets); }))
        return false;
    memoriserEmpreinte(chemin, octets);
    return true;
}

// ---------------------------------------------------------------- safeguards

QString RoutinesBases::cheminSauvegarde(const QString& cheminBase)
{
    return cheminBase + QStringLiteral(".bak");
}

bool RoutinesBases::garderVersionPrecedente()
{
    // The file about to be replaced is copied first, through the same safe
    // write: a failure leaves both the base and the previous copy whole. When
    // the copy cannot be made, the base is not replaced.
    const QString base = p.etat.CheminBase;
    const QFileInfo info(base);
    if (!info.exists() || info.isDir())
        return true;
    const QString copie = cheminSauvegarde(base);
    return copierBaseSous(copie, QStringLiteral("sa version précédente n'a pas pu être conservée sous le nom ")
                                     + nomAffiche(copie) + QStringLiteral(". Le fichier de la base est resté tel quel."));
}

bool RoutinesBases::copierBaseSous(const QString& copie, const QString& siEchec)
{
    const QString base = p.etat.CheminBase;
    if (p.politique.etape([&] { Fichiers::ecrireSur(copie, Fichiers::lire(base, Fichiers::TailleMaxBase)); }))
        return true;
    p.plateforme.message(QStringLiteral("Zuta!"),
                         QStringLiteral("La base ") + nomAffiche(base) + QStringLiteral(" n'a pas été enregistrée : ")
                             + siEchec,
                         Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
    return false;
}

void RoutinesBases::memoriserEmpreinte(const QString& chemin, const QByteArray& octets)
{
    const QFileInfo info(chemin);
    m_empreinte = {chemin, octets.size(), info.lastModified().toMSecsSinceEpoch(), qHash(octets)};
}

bool RoutinesBases::changeeDepuis(const QString& chemin) const
{
    // Only the file that was read or written last is compared; a file that
    // has gone, or was replaced by no regular file, holds nothing to lose
    // (a path that is no regular file is never written). Size and time first; the bytes decide
    // when they differ (a file touched but not changed is not a change).
    if (m_empreinte.chemin.isEmpty() || QDir::cleanPath(m_empreinte.chemin) != QDir::cleanPath(chemin))
        return false;
    if (!Fichiers::examiner(chemin, Fichiers::TailleMaxBase).ordinaire())
        return false;
    const QFileInfo info(chemin);
    if (info.size() == m_empreinte.taille && info.lastModified().toMSecsSinceEpoch() == m_empreinte.modifiee)
        return false;
    QByteArray octets;
    try {
        octets = Fichiers::lire(chemin, Fichiers::TailleMaxBase);
    } catch (const ErreurExecution&) {
        return true; // unreadable now: it has changed
    }
    return octets.size() != m_empreinte.taille || qHash(octets) != m_empreinte.hachage;
}

bool RoutinesBases::cheminEnregistrable()
{
    // A device, a pipe or a file too large to be a base was refused when it
    // was read: nothing the program writes ever takes its place.
    const QString base = p.etat.CheminBase;
    const Fichiers::Examen examen = Fichiers::examiner(base, Fichiers::TailleMaxBase);
    if (!examen.refuse())
        return true;
    p.plateforme.message(QStringLiteral("Zuta!"),
                         QStringLiteral("La base ") + nomAffiche(base) + QStringLiteral(" n'a pas été enregistrée : ce chemin ")
                             + Fichiers::pourquoiRefuse(examen) + QStringLiteral(". Il est resté tel quel."),
                         Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
    return false;
}

bool RoutinesBases::confirmerEcrasementModifiee()
{
    const QString base = p.etat.CheminBase;
    if (!changeeDepuis(base))
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

QString RoutinesBases::cheminErreurs(const QString& cheminBase)
{
    QString racine = cheminBase;
    if (racine.endsWith(QLatin1String(".don"), Qt::CaseInsensitive))
        racine.chop(4);
    QString chemin = racine + QStringLiteral("-ERREURS.don");
    for (int n = 2; QFileInfo::exists(chemin); ++n)
        chemin = racine + QStringLiteral("-ERREURS-%1.don").arg(n);
    return chemin;
}

bool RoutinesBases::garderBaseAvecErreurs()
{
    // The file as it was read stays beside the base under a name the user
    // can open again with "Charger".
    const QString base = p.etat.CheminBase;
    if (!QFileInfo::exists(base))
        return true;
    const QString garde = cheminErreurs(base);
    if (!copierBaseSous(garde, QStringLiteral("le fichier lu avec des erreurs n'a pas pu être conservé sous le nom ")
                                   + nomAffiche(garde) + QStringLiteral(". Il est resté tel quel.")))
        return false;
    p.etat.BaseLueAvecErreurs = false;
    p.plateforme.message(QStringLiteral("Zuta!"),
                         QStringLiteral("La base ") + nomAffiche(base)
                             + QStringLiteral(" avait été lue avec des erreurs.\nAvant de l'enregistrer, le fichier tel "
                                              "qu'il était a été conservé sous le nom :\n")
                             + nomAffiche(garde),
                         Plateforme::Boutons::OK, Plateforme::Icone::Information);
    return true;
}

bool RoutinesBases::DemanderSauvegarde()
{
    // Any answer but No saves: a question dismissed with Escape or its close
    // button saves too, so that no change is lost by a slip of the hand.
    const auto reponse = p.plateforme.message(QStringLiteral("Confirmation de sauvegarde"),
                                              QStringLiteral("Enregistrer les modifications\ndans la base de données ?"),
                                              Plateforme::Boutons::OuiNon, Plateforme::Icone::Question);
    return reponse != Plateforme::Reponse::Non;
}

// ---------------------------------------------------------------- buttons

QRect RoutinesBases::cadreNormal() const
{
    // A maximised or minimised window reports the rectangle it will take
    // back; the frame's margins are those of the window now.
    const FrmPrincipal& f = *p.fen;
    const QRect g = f.geometry();
    const QRect cadre = f.frameGeometry();
    QRect normal = g;
    if (f.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) {
        if (f.normalGeometry().isValid())
            normal = f.normalGeometry();
    }
    return normal.adjusted(cadre.left() - g.left(), cadre.top() - g.top(), cadre.right() - g.right(),
                           cadre.bottom() - g.bottom());
}

void RoutinesBases::memoriserPositionNormale()
{
    const QRect normal = cadreNormal();
    if (p.fen->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        p.fen->setWindowState(p.fen->windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    const double d = p.dpiEcran();
    p.etat.FenHaut = static_cast<float>(Reglages::pixelsVersTwips(normal.top(), d));
    p.etat.FenGauche = static_cast<float>(Reglages::pixelsVersTwips(normal.left(), d));
}

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
    memoriserPositionNormale();
    p.fen->hide();
    p.EcrireIni();
    p.etat.EtatDemarrage = 0;
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
    const Fichiers::Examen examen = Fichiers::examiner(*chemin, Fichiers::TailleMaxBase);
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
    p.etat.BaseIlisible = false;
    p.etat.BaseLueAvecErreurs = false;
    p.base.ViderCompteurs();
    SauverBase();
    memoriserPositionNormale();
    p.EcrireIni();
    p.etat.EtatDemarrage = 0;
    p.Main();
}

void RoutinesBases::CommandQuitter_Click()
{
    p.fen->close();
}

// ---------------------------------------------------------------- quitting

void RoutinesBases::FrmPrincipal_Unload()
{
    if (p.etat.FermetureEnCours == 1)
        return;
    const QRect normal = cadreNormal();
    memoriserPositionNormale();
    const double d = p.dpiEcran();
    p.etat.FermetureEnCours = 1;
    p.etat.FenHauteur = static_cast<int>(Reglages::pixelsVersTwips(normal.height(), d));
    p.etat.FenLargeur = static_cast<int>(Reglages::pixelsVersTwips(normal.width(), d));
    p.fen->hide();
    TerminerProgramme();
}

void RoutinesBases::TerminerProgramme()
{
    if (DemanderSauvegarde())
        SauverBase();
    // The settings are written whatever the answer.
    p.EcrireIni();
    finProgramme();
}
