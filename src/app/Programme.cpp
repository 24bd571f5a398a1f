#include "Programme.h"
#include "Reglages.h"
#include "base/Codec.h"
#include "base/Fichiers.h"
#include "base/Produit.h"
#include "base/Tables.h"
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
    : m_plateforme(p), m_politique(p), m_document(m_politique), m_fen(std::make_unique<FrmPrincipal>()),
      m_progression([this] { return cadreProgression(); }, [this](bool occupee) { m_fen->setEnabled(!occupee); }),
      m_recherche(m_document.tables(), m_trouvees, m_politique, m_collation, m_fen->recherche()),
      m_fiche(m_document.tables(), m_etat.fiche, m_trouvees, m_politique, p, m_collation, m_fen->fiche()),
      m_sorties(m_document.tables(), m_etat, m_trouvees, m_politique, p, m_collation, m_progression),
      m_fenetres(m_etat, p, *m_fen, m_fen->images()), m_bases(m_document, m_etat, p, m_progression, *m_fen),
      m_echange(m_document, m_etat, m_politique, p, m_collation, m_progression, *m_fen),
      m_fermeture(*m_fen, m_etat, [this] { return dpiEcran(); })
{
    brancher();
}

Programme::~Programme() = default;

// Every link between the features and the sequences they start.
void Programme::brancher()
{
    brancherRecherche();
    brancherFiche();
    brancherSorties();
    brancherBases();
    brancherEchange();
    m_fenetres.definirControles(m_fen->controles());
    connect(&m_fenetres, &RoutinesFenetres::reglagesChanges, this, &Programme::EcrireIni);
    connect(m_fen.get(), &FrmPrincipal::aideDemandee, this, [this] { m_fenetres.CommandAide_Click(); });
    connect(m_fen.get(), &FrmPrincipal::notesBasculees, this, &Programme::CheckNotes_Click);
    connect(m_fen.get(), &FrmPrincipal::fermee, this, &Programme::FrmPrincipal_Unload);
}

void Programme::brancherRecherche()
{
    PanneauRecherche& rech = m_fen->recherche();
    connect(&rech, &PanneauRecherche::actualisationDemandee, this, &Programme::actualiser);
    connect(&rech, &PanneauRecherche::ligneActivee, this, [this](int k) { m_fiche.AfficherRecette(k); });
}

void Programme::brancherFiche()
{
    PanneauFiche& carte = m_fen->fiche();
    connect(&carte, &PanneauFiche::validationDemandee, this, &Programme::CommandRecettValider_Click);
    connect(&carte, &PanneauFiche::suppressionDemandee, this, &Programme::CommandRecettSuppr_Click);
    connect(&carte, &PanneauFiche::annulationDemandee, this, &Programme::AnnulerSuppression);
    connect(&carte, &PanneauFiche::saisieEnChaineBasculee, this, &Programme::CheckSaisie_Click);
    // An empty card shows no line of the found list.
    connect(&m_fiche, &RoutinesFiche::ficheVidee, this, [this] { m_fen->recherche().choisirLigne(std::nullopt); });
}

void Programme::brancherSorties()
{
    connect(m_fen.get(), &FrmPrincipal::indexDemande, this, &Programme::CommandIndex_Click);
    connect(m_fen.get(), &FrmPrincipal::impressionListeDemandee, this,
            [this] { m_sorties.ImprimerListe(m_fen->avecNotes()); });
    connect(&m_fen->fiche(), &PanneauFiche::impressionDemandee, this,
            [this] { m_sorties.ImprimerRecette(ficheAffichee()); });
}

void Programme::brancherBases()
{
    // The title follows the open base's path, whoever changes it.
    connect(&m_document, &DocumentBase::cheminChange, this, &Programme::AfficherTitre);
    connect(m_fen.get(), &FrmPrincipal::chargementDemande, this, &Programme::CommandCharger_Click);
    connect(m_fen.get(), &FrmPrincipal::nouvelleBaseDemandee, this, &Programme::CommandNouvelle_Click);
    connect(m_fen.get(), &FrmPrincipal::enregistrementDemande, this, &Programme::EnregistrerMaintenant);
}

void Programme::brancherEchange()
{
    connect(m_fen.get(), &FrmPrincipal::exportationDemandee, this, &Programme::CommandExporter_Click);
    connect(m_fen.get(), &FrmPrincipal::importationDemandee, this, &Programme::CommandImporter_Click);
}

// ---------------------------------------------------------------- start-up and refresh

void Programme::demarrer() { Main(); }

// At start-up, and after another base was chosen or created, the base named
// by the settings is loaded before the refresh, and the window is shown.
void Programme::Main()
{
    if (m_etat.EtatDemarrage != Demarrage::EnMarche) {
        m_recherche.viderListes(); // the previous base's lines go before it does
        chargerBaseDesReglages();
    }
    actualiser();
    if (m_etat.EtatDemarrage == Demarrage::Chargement)
        montrerFenetre();
}

void Programme::chargerBaseDesReglages()
{
    m_etat.EtatDemarrage = Demarrage::Chargement;
    m_etat.FermetureEnCours = false;
    fixerCheminAppli();
    // Another base: nothing of the previous one can be undone.
    m_fiche.oublierSuppression();
    m_echange.oublierImport();
    LireIni();
    m_bases.ChargerBase();
    m_fen->recherche().choisir(Critere::Teste, 0);
    m_recherche.RemplirListesRech(RoutinesRecherche::Remplissage::Toutes);
}

// The general refresh: the found list emptied, the search lists rebuilt with
// the user's choices kept, the search run again, an empty card.
void Programme::actualiser()
{
    m_recherche.viderListes();
    m_recherche.ActualiserListesRech();
    m_recherche.Rechercher();
    m_fiche.NouvelleFiche();
}

void Programme::montrerFenetre()
{
    m_etat.EtatDemarrage = Demarrage::EnMarche;
    m_fen->show();
    // Loading disabled the window, which lost its focus: the keyboard
    // starts again in the empty card, ready for a name.
    if (!m_fen->focusWidget())
        m_fen->fiche().focaliserNom();
}

void Programme::fixerCheminAppli()
{
    // The folder is taken once; a folder that already ends with the separator
    // (a drive's root) is taken again each time, as the flag stays off.
    const QString separateur = QDir::separator();
    if (!m_etat.CheminAppliFixe)
        m_etat.CheminAppli = QDir::toNativeSeparators(QDir::currentPath());
    if (!m_etat.CheminAppli.endsWith(separateur) && !m_etat.CheminAppliFixe) {
        m_etat.CheminAppli += separateur;
        m_etat.CheminAppliFixe = true;
    }
}

// ---------------------------------------------------------------- the card

void Programme::CommandRecettValider_Click()
{
    if (m_fiche.ValiderRecette()) {
        m_echange.oublierImport();
        m_document.marquerModifiee();
        // Chained entry goes on with the next empty card, without a refresh.
        if (m_fen->fiche().saisieEnChaine())
            m_fiche.NouvelleFiche();
        else
            actualiser();
    }
    m_fen->fiche().focaliserNom();
}

void Programme::CommandRecettSuppr_Click()
{
    if (m_fiche.SupprimerRecette()) {
        m_echange.oublierImport(); // the deletion is now the last operation
        m_document.marquerModifiee();
        actualiser();
    }
    m_fen->fiche().focaliserNom();
}

// Ctrl+Z undoes the last operation, an import or a deletion: the import
// taken back whole, or the recipe back with its card shown as after a click
// on its line; then the refresh.
void Programme::AnnulerSuppression()
{
    if (!m_fen->fiche().saisieEnChaine() && m_echange.AnnulerImport()) {
        m_document.marquerModifiee();
        actualiser();
        return;
    }
    const std::optional<int> numero = m_fiche.AnnulerSuppression();
    if (!numero)
        return;
    m_document.marquerModifiee();
    actualiser();
    if (const std::optional<qsizetype> k = m_trouvees.ligneDe(*numero))
        m_fen->recherche().choisirLigne(static_cast<int>(*k));
}

// ---------------------------------------------------------------- switches

void Programme::CheckSaisie_Click(bool enChaine)
{
    PanneauRecherche& rech = m_fen->recherche();
    PanneauFiche& carte = m_fen->fiche();
    rech.activerRecherche(!enChaine);
    if (enChaine) {
        actualiser(); // its empty card cannot be deleted nor printed
        carte.focaliserNom();
        rech.activer(Critere::SousCategorie, false); // the refresh enables it when a category is chosen
        return;
    }
    // Back to ordinary entry: the recipes typed meanwhile join the lists and
    // the found list; the card stays as it is.
    carte.activerSuppressionEtImpression(false);
    m_recherche.viderListes();
    m_recherche.ActualiserListesRech();
    m_recherche.Rechercher();
}

void Programme::CheckNotes_Click()
{
    // An unset option becomes 1, as 0 does.
    m_etat.OptionNotes = (m_etat.OptionNotes == 1) ? 0 : 1;
}

// ---------------------------------------------------------------- outputs

void Programme::CommandIndex_Click()
{
    m_progression.montrer(QStringLiteral("Zuta! / Création Index"), QStringLiteral("Ecriture des données en cours..."));
    // The index always describes a fresh search.
    actualiser();
    m_sorties.CreerIndex(criteresAffiches());
    m_progression.fermer();
}

// ---------------------------------------------------------------- data in and out

void Programme::CommandExporter_Click() { m_echange.Exporter(m_trouvees); }

// The import is the last operation: Ctrl+Z now takes it back, not the deletion before it.
void Programme::CommandImporter_Click()
{
    if (!m_echange.Importer())
        return;
    m_fiche.oublierSuppression();
    m_document.marquerModifiee();
    actualiser();
}

MiseEnPageIndex::Criteres Programme::criteresAffiches() const
{
    const PanneauRecherche& r = m_fen->recherche();
    return {r.texte(Critere::Categorie), r.texte(Critere::SousCategorie), r.texte(Critere::Magazine),
            r.texte(Critere::Teste), r.texteRecherche()};
}

FicheImprimee Programme::ficheAffichee() const
{
    const PanneauFiche& c = m_fen->fiche();
    return {c.texte(Champ::Nom),
            c.texte(Champ::Categorie),
            c.texte(Champ::SousCategorie),
            c.texte(Champ::Magazine),
            c.texte(Champ::Numero),
            c.texte(Champ::Page),
            c.notesAffichees(),
            c.testee()};
}

// ---------------------------------------------------------------- bases

void Programme::CommandCharger_Click()
{
    if (m_bases.DemanderSauvegarde())
        m_bases.SauverBase();
    const std::optional<QString> chemin = m_bases.choisirBaseACharger();
    if (!chemin)
        return;
    m_document.definirChemin(*chemin);
    m_document.tables().ViderCompteurs();
    m_fermeture.memoriserPositionNormale();
    m_fen->hide();
    // The chosen base is the one opened at the next start.
    EcrireIni();
    m_etat.EtatDemarrage = Demarrage::Chargement;
    Main();
}

void Programme::CommandNouvelle_Click()
{
    if (m_bases.DemanderSauvegarde())
        m_bases.SauverBase();
    const std::optional<QString> chemin = m_bases.choisirNouvelleBase();
    if (!chemin)
        return;
    m_document.definirChemin(*chemin);
    m_document.nouvelle();
    m_bases.SauverBase();
    m_fermeture.memoriserPositionNormale();
    EcrireIni();
    m_etat.EtatDemarrage = Demarrage::Chargement;
    Main();
}

void Programme::EnregistrerMaintenant()
{
    // The progress window takes the keyboard away: it goes back to the field
    // the user left.
    const QPointer<QWidget> focus = QApplication::focusWidget();
    m_bases.SauverBase();
    m_fiche.oublierSuppression();
    m_echange.oublierImport();
    m_fen->activateWindow();
    if (focus)
        focus->setFocus();
}

// ---------------------------------------------------------------- the end

void Programme::FrmPrincipal_Unload()
{
    if (m_etat.FermetureEnCours)
        return;
    m_fermeture.FrmPrincipal_Unload();
    TerminerProgramme();
}

void Programme::TerminerProgramme()
{
    if (m_bases.DemanderSauvegarde())
        m_bases.SauverBase();
    // The settings are written whatever the answer.
    EcrireIni();
    emit termine();
}

// ---------------------------------------------------------------- settings

void Programme::reglagesParDefaut()
{
    // First start: the program's own defaults, without a word.
    m_etat.OptionNotes = 0;
    m_etat.OptionInfoBulles = 1;
    m_document.definirChemin(m_etat.CheminAppli + Reglages::BaseParDefaut);
    placerFenetre(true);
}

void Programme::LireIni()
{
    const QString chemin = m_etat.CheminAppli + Reglages::NomFichier;
    const Fichiers::Examen examen = Fichiers::examiner(chemin, Fichiers::TailleMaxPetitFichier);
    if (examen.absent())
        return reglagesParDefaut();
    if (examen.refuse()) {
        m_plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("Le fichier des réglages « ") + QDir::toNativeSeparators(chemin)
                                 + QStringLiteral(" » ") + Fichiers::pourquoiRefuse(examen)
                                 + QStringLiteral(" : il n'est ni lu ni remplacé, et les réglages prennent leur "
                                                  "valeur par défaut."),
                             Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
        return reglagesParDefaut();
    }
    QString texte;
    Reglages::Valeurs v{m_etat.OptionNotes, m_etat.OptionInfoBulles, m_etat.FenHaut, m_etat.FenGauche,
                        m_document.CheminBase()};
    if (m_politique.etape([&] { texte = Codec::decoder(Fichiers::lire(chemin, Fichiers::TailleMaxPetitFichier)); })
        && !Reglages::lire(texte, v, m_politique)) {
        // A damaged file's last line is no base path unless it is a full one.
        if (!QDir::isAbsolutePath(v.CheminBase))
            v.CheminBase.clear();
        m_plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("Le fichier des réglages « ") + QDir::toNativeSeparators(chemin)
                                 + QStringLiteral(" » contient des valeurs illisibles : elles gardent leur valeur "
                                                  "par défaut. Le fichier sera réécrit à la fin du programme."),
                             Plateforme::Boutons::OK, Plateforme::Icone::Information);
    }
    m_etat.OptionNotes = v.OptionNotes;
    m_etat.OptionInfoBulles = v.OptionInfoBulles;
    m_etat.FenHaut = v.FenHaut;
    m_etat.FenGauche = v.FenGauche;
    // "*" names the default base; so does a settings file that named none.
    // The file holds a path as Windows-1252 can: when it holds, "?" and all,
    // the form of the base just chosen with "Charger" or "Nouvelle", that base
    // is the one meant.
    const bool parDefaut = v.CheminBase == QLatin1String("*") || v.CheminBase.isEmpty();
    const bool baseChoisie =
        !m_document.CheminBase().isEmpty() && Codec::encoder(m_document.CheminBase()) == Codec::encoder(v.CheminBase);
    if (!baseChoisie)
        m_document.definirChemin(parDefaut ? m_etat.CheminAppli + Reglages::BaseParDefaut : v.CheminBase);
    if (m_etat.OptionNotes == 1) {
        // Checking the box toggles the option through its handler; the option
        // is 1 afterwards either way.
        m_fen->cocherNotes(true);
        m_etat.OptionNotes = 1;
    }
    placerFenetre(false);
    if (m_etat.OptionInfoBulles != 1.0f)
        m_fenetres.BasculerInfoBulles();
}

double Programme::dpiEcran() const
{
    const QScreen* ecran = m_fen->screen() ? m_fen->screen() : QGuiApplication::primaryScreen();
    return ecran ? ecran->logicalDotsPerInch() : 96.0;
}

void Programme::placerFenetre(bool premierDemarrage)
{
    const QScreen* ecran = m_fen->screen() ? m_fen->screen() : QGuiApplication::primaryScreen();
    const double dpi = dpiEcran();
    if (premierDemarrage && ecran) {
        const QRect zone = ecran->availableGeometry();
        QRect cadre(QPoint(), m_fen->size());
        cadre.moveCenter(zone.center());
        m_fen->move(cadre.topLeft());
        m_etat.FenHaut = static_cast<float>(Reglages::pixelsVersTwips(cadre.top(), dpi));
        m_etat.FenGauche = static_cast<float>(Reglages::pixelsVersTwips(cadre.left(), dpi));
        return;
    }
    m_fen->move(Reglages::twipsVersPixels(m_etat.FenGauche, dpi), Reglages::twipsVersPixels(m_etat.FenHaut, dpi));
}

QRect Programme::cadreProgression() const
{
    if (!m_etat.FermetureEnCours)
        return m_fen->frameGeometry();
    // The main window is gone: the rectangle it left.
    const double d = dpiEcran();
    return QRect(Reglages::twipsVersPixels(m_etat.FenGauche, d), Reglages::twipsVersPixels(m_etat.FenHaut, d),
                 Reglages::twipsVersPixels(m_etat.FenLargeur, d), Reglages::twipsVersPixels(m_etat.FenHauteur, d));
}

void Programme::EcrireIni()
{
    // A settings path that names no file of the program was refused at
    // start-up, and said so: it stays as it is.
    const QString chemin = m_etat.CheminAppli + Reglages::NomFichier;
    if (Fichiers::examiner(chemin, Fichiers::TailleMaxPetitFichier).refuse())
        return;
    const QString& base = m_document.CheminBase();
    const Reglages::Valeurs v{m_etat.OptionNotes, m_etat.OptionInfoBulles, m_etat.FenHaut, m_etat.FenGauche, base};
    bool remplace = false;
    const QByteArray octets = Codec::encoder(Reglages::ecrire(v), &remplace);
    if (remplace)
        m_plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("Le chemin de la base « ") + base
                                 + QStringLiteral(" » contient des caractères que le fichier « Zuta.ini » ne peut pas "
                                                  "enregistrer : ils y sont remplacés par « ? ».\nLa base ne sera pas "
                                                  "rouverte automatiquement au prochain démarrage."),
                             Plateforme::Boutons::OK, Plateforme::Icone::Information);
    m_politique.etape([&] { Fichiers::ecrireSur(chemin, octets); });
}

void Programme::AfficherTitre()
{
    const QString& chemin = m_document.CheminBase();
    QString titre = Produit::Version;
    const qsizetype p = std::max(chemin.lastIndexOf(QDir::separator()), chemin.lastIndexOf(QLatin1Char('/')));
    if (p >= 0)
        titre += QStringLiteral("   (base : ") + chemin.mid(p + 1) + QLatin1Char(')');
    m_fen->setWindowTitle(titre);
}
