#include "Programme.h"
#include "Reglages.h"
#include "base/Codec.h"
#include "base/Fichiers.h"
#include "base/Produit.h"
#include "card/PanneauFiche.h"
#include "platform/Plateforme.h"
#include "search/PanneauRecherche.h"
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

using Champ = PanneauFiche::Champ;
using Critere = PanneauRecherche::Critere;

Programme::Programme(Plateforme& p)
    : plateforme(p), politique(p), fen(std::make_unique<FrmPrincipal>()),
      progression([this] { return cadreProgression(); }, [this](bool occupee) { fen->setEnabled(!occupee); }),
      recherche(base, trouvees, politique, collation, fen->recherche()),
      fiche(base, etat.fiche, trouvees, politique, p, collation, fen->fiche()),
      sorties(base, etat, trouvees, politique, p, collation, progression), fenetres(etat, p, *fen, fen->images()),
      bases(*this), fermeture(*this)
{
    brancher();
}

Programme::~Programme() = default;

// Every link between the features: the refresh they ask for, the found list
// that the card shows, what the outputs read of the panels.
void Programme::brancher()
{
    FrmPrincipal& f = *fen;
    const auto Main = [this] { this->Main(); };
    QObject::connect(&recherche, &RoutinesRecherche::actualisationDemandee, &f, Main);
    QObject::connect(&fiche, &RoutinesFiche::actualisationDemandee, &f, Main);
    QObject::connect(&sorties, &RoutinesSorties::actualisationDemandee, &f, Main);

    QObject::connect(&f.recherche(), &PanneauRecherche::ligneActivee, &f, [this](int k) { fiche.AfficherRecette(k); });
    QObject::connect(&fiche, &RoutinesFiche::ficheVidee, &f, [&f] { f.recherche().choisirLigne(std::nullopt); });
    QObject::connect(&fiche, &RoutinesFiche::ligneAMontrer, &f, [&f](int k) { f.recherche().choisirLigne(k); });
    QObject::connect(&f.fiche(), &PanneauFiche::saisieEnChaineBasculee, &f, [this](bool e) { CheckSaisie_Click(e); });
    QObject::connect(&f, &FrmPrincipal::notesBasculees, &f, [this] { CheckNotes_Click(); });

    sorties.criteresAffiches = [this] { return criteresAffiches(); };
    QObject::connect(&f, &FrmPrincipal::indexDemande, &f, [this] { sorties.CommandIndex_Click(); });
    QObject::connect(&f, &FrmPrincipal::impressionListeDemandee, &f,
                     [this] { sorties.ImprimerListe(fen->avecNotes()); });
    QObject::connect(&f.fiche(), &PanneauFiche::impressionDemandee, &f,
                     [this] { sorties.ImprimerRecette(ficheAffichee()); });

    fenetres.definirControles(f.controles());
    QObject::connect(&fenetres, &RoutinesFenetres::reglagesChanges, &f, [this] { EcrireIni(); });
    QObject::connect(&f, &FrmPrincipal::aideDemandee, &f, [this] { fenetres.CommandAide_Click(); });

    QObject::connect(&f, &FrmPrincipal::chargementDemande, &f, [this] { bases.CommandCharger_Click(); });
    QObject::connect(&f, &FrmPrincipal::nouvelleBaseDemandee, &f, [this] { bases.CommandNouvelle_Click(); });
    QObject::connect(&f, &FrmPrincipal::enregistrementDemande, &f, [this] { EnregistrerMaintenant(); });
    f.surFermeture = [this] { fermeture.FrmPrincipal_Unload(); };
}

void Programme::Main()
{
    recherche.viderListes();
    if (etat.EtatDemarrage != Demarrage::EnMarche) {
        etat.EtatDemarrage = Demarrage::Chargement;
        etat.FermetureEnCours = false;
        fixerCheminAppli();
        // Another base: nothing of the previous one can be undone.
        fiche.oublierSuppression();
        LireIni();
        bases.ChargerBase();
        fen->recherche().choisir(Critere::Teste, 0);
        recherche.RemplirListesRech(RoutinesRecherche::Remplissage::Toutes);
    }
    recherche.ActualiserListesRech();
    recherche.Rechercher();
    fiche.NouvelleFiche();
    if (etat.EtatDemarrage == Demarrage::Chargement) {
        etat.EtatDemarrage = Demarrage::EnMarche;
        fen->show();
        // Loading disabled the window, which lost its focus: the keyboard
        // starts again in the empty card, ready for a name.
        if (!fen->focusWidget())
            fen->fiche().focaliserNom();
    }
}

void Programme::fixerCheminAppli()
{
    // The folder is taken once; a folder that already ends with the separator
    // (a drive's root) is taken again each time, as the flag stays off.
    const QString separateur = QDir::separator();
    if (!etat.CheminAppliFixe)
        etat.CheminAppli = QDir::toNativeSeparators(QDir::currentPath());
    if (!etat.CheminAppli.endsWith(separateur) && !etat.CheminAppliFixe) {
        etat.CheminAppli += separateur;
        etat.CheminAppliFixe = true;
    }
}

// ---------------------------------------------------------------- switches

void Programme::CheckSaisie_Click(bool enChaine)
{
    PanneauRecherche& rech = fen->recherche();
    PanneauFiche& carte = fen->fiche();
    rech.activerRecherche(!enChaine);
    carte.activerSuppressionEtImpression(!enChaine);
    if (enChaine) {
        Main();
        carte.focaliserNom();
        rech.activer(Critere::SousCategorie, false); // the refresh enables it when a category is chosen
        return;
    }
    // Back to ordinary entry: the recipes typed meanwhile join the lists and
    // the found list; the card stays as it is.
    carte.activerSuppressionEtImpression(false);
    recherche.viderListes();
    recherche.ActualiserListesRech();
    recherche.Rechercher();
}

void Programme::EnregistrerMaintenant()
{
    // The progress window takes the keyboard away: it goes back to the field
    // the user left.
    const QPointer<QWidget> focus = QApplication::focusWidget();
    bases.SauverBase();
    fiche.oublierSuppression();
    fen->activateWindow();
    if (focus)
        focus->setFocus();
}

void Programme::CheckNotes_Click()
{
    // An unset option becomes 1, as 0 does.
    etat.OptionNotes = (etat.OptionNotes == 1) ? 0 : 1;
}

// ---------------------------------------------------------------- what the outputs read

MiseEnPageIndex::Criteres Programme::criteresAffiches()
{
    const PanneauRecherche& r = fen->recherche();
    return {r.texte(Critere::Categorie), r.texte(Critere::SousCategorie), r.texte(Critere::Magazine),
            r.texte(Critere::Teste), r.texteRecherche()};
}

FicheImprimee Programme::ficheAffichee()
{
    const PanneauFiche& c = fen->fiche();
    return {c.texte(Champ::Nom),
            c.texte(Champ::Categorie),
            c.texte(Champ::SousCategorie),
            c.texte(Champ::Magazine),
            c.texte(Champ::Numero),
            c.texte(Champ::Page),
            c.notesAffichees(),
            c.testee()};
}

// ---------------------------------------------------------------- settings

void Programme::reglagesParDefaut()
{
    // First start: the program's own defaults, without a word.
    etat.OptionNotes = 0;
    etat.OptionInfoBulles = 1;
    etat.CheminBase = etat.CheminAppli + Reglages::BaseParDefaut;
    placerFenetre(true);
}

void Programme::LireIni()
{
    const QString chemin = etat.CheminAppli + Reglages::NomFichier;
    const Fichiers::Examen examen = Fichiers::examiner(chemin, Fichiers::TailleMaxPetitFichier);
    if (examen.absent())
        return reglagesParDefaut();
    if (examen.refuse()) {
        plateforme.message(QStringLiteral("Zuta!"),
                           QStringLiteral("Le fichier des réglages « ") + QDir::toNativeSeparators(chemin)
                               + QStringLiteral(" » ") + Fichiers::pourquoiRefuse(examen)
                               + QStringLiteral(" : il n'est ni lu ni remplacé, et les réglages prennent leur valeur "
                                                "par défaut."),
                           Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
        return reglagesParDefaut();
    }
    QString texte;
    Reglages::Valeurs v{etat.OptionNotes, etat.OptionInfoBulles, etat.FenHaut, etat.FenGauche, etat.CheminBase};
    if (politique.etape([&] { texte = Codec::decoder(Fichiers::lire(chemin, Fichiers::TailleMaxPetitFichier)); })
        && !Reglages::lire(texte, v, politique)) {
        // A damaged file's last line is no base path unless it is a full one.
        if (!QDir::isAbsolutePath(v.CheminBase))
            v.CheminBase.clear();
        plateforme.message(QStringLiteral("Zuta!"),
                           QStringLiteral("Le fichier des réglages « ") + QDir::toNativeSeparators(chemin)
                               + QStringLiteral(" » contient des valeurs illisibles : elles gardent leur valeur par "
                                                "défaut. Le fichier sera réécrit à la fin du programme."),
                           Plateforme::Boutons::OK, Plateforme::Icone::Information);
    }
    etat.OptionNotes = v.OptionNotes;
    etat.OptionInfoBulles = v.OptionInfoBulles;
    etat.FenHaut = v.FenHaut;
    etat.FenGauche = v.FenGauche;
    etat.CheminBase = v.CheminBase;
    // "*" names the default base; so does a settings file that named none.
    if (etat.CheminBase == QLatin1String("*") || etat.CheminBase.isEmpty())
        etat.CheminBase = etat.CheminAppli + Reglages::BaseParDefaut;
    if (etat.OptionNotes == 1) {
        // Checking the box toggles the option through its handler; the option
        // is 1 afterwards either way.
        fen->cocherNotes(true);
        etat.OptionNotes = 1;
    }
    placerFenetre(false);
    if (etat.OptionInfoBulles != 1.0f)
        fenetres.BasculerInfoBulles();
}

double Programme::dpiEcran() const
{
    const QScreen* ecran = fen->screen() ? fen->screen() : QGuiApplication::primaryScreen();
    return ecran ? ecran->logicalDotsPerInch() : 96.0;
}

void Programme::placerFenetre(bool premierDemarrage)
{
    const QScreen* ecran = fen->screen() ? fen->screen() : QGuiApplication::primaryScreen();
    const double dpi = dpiEcran();
    if (premierDemarrage && ecran) {
        const QRect zone = ecran->availableGeometry();
        QRect cadre(QPoint(), fen->size());
        cadre.moveCenter(zone.center());
        fen->move(cadre.topLeft());
        etat.FenHaut = static_cast<float>(Reglages::pixelsVersTwips(cadre.top(), dpi));
        etat.FenGauche = static_cast<float>(Reglages::pixelsVersTwips(cadre.left(), dpi));
        return;
    }
    fen->move(Reglages::twipsVersPixels(etat.FenGauche, dpi), Reglages::twipsVersPixels(etat.FenHaut, dpi));
}

QRect Programme::cadreProgression() const
{
    if (!etat.FermetureEnCours)
        return fen->frameGeometry();
    // The main window is gone: the rectangle it left.
    const double d = dpiEcran();
    return QRect(Reglages::twipsVersPixels(etat.FenGauche, d), Reglages::twipsVersPixels(etat.FenHaut, d),
                 Reglages::twipsVersPixels(etat.FenLargeur, d), Reglages::twipsVersPixels(etat.FenHauteur, d));
}

void Programme::EcrireIni()
{
    // A settings path that names no file of the program was refused at
    // start-up, and said so: it stays as it is.
    const QString chemin = etat.CheminAppli + Reglages::NomFichier;
    if (Fichiers::examiner(chemin, Fichiers::TailleMaxPetitFichier).refuse())
        return;
    const Reglages::Valeurs v{etat.OptionNotes, etat.OptionInfoBulles, etat.FenHaut, etat.FenGauche, etat.CheminBase};
    bool remplace = false;
    const QByteArray octets = Codec::encoder(Reglages::ecrire(v), &remplace);
    if (remplace)
        plateforme.message(QStringLiteral("Zuta!"),
                           QStringLiteral("Le chemin de la base « ") + etat.CheminBase
                               + QStringLiteral(" » contient des caractères que le fichier « Zuta.ini » ne peut pas "
                                                "enregistrer : ils y sont remplacés par « ? ».\nLa base ne sera pas "
                                                "rouverte automatiquement au prochain démarrage."),
                           Plateforme::Boutons::OK, Plateforme::Icone::Information);
    politique.etape([&] { Fichiers::ecrireSur(chemin, octets); });
}

void Programme::AfficherTitre()
{
    QString titre = Produit::Version;
    const qsizetype p =
        std::max(etat.CheminBase.lastIndexOf(QDir::separator()), etat.CheminBase.lastIndexOf(QLatin1Char('/')));
    if (p >= 0)
        titre += QStringLiteral("   (base : ") + etat.CheminBase.mid(p + 1) + QLatin1Char(')');
    fen->setWindowTitle(titre);
}
