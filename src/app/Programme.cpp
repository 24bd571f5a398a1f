#include "Programme.h"
#include "Reglages.h"
#include "ReglagesVue.h"
#include "base/Codec.h"
#include "base/Fichiers.h"
#include "base/Produit.h"
#include "base/Tables.h"
#include "card/PanneauFiche.h"
#include "platform/Plateforme.h"
#include "search/PanneauRecherche.h"
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyle>

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
    connect(&rech, &PanneauRecherche::actualisationDemandee, this, &Programme::CommandRechValider_Click);
    connect(&rech, &PanneauRecherche::ligneActivee, this, &Programme::ListRecettes_Click);
    connect(&rech, &PanneauRecherche::ficheDemandee, this, [this] { m_fen->fiche().focaliserNom(); });
}

void Programme::brancherFiche()
{
    PanneauFiche& carte = m_fen->fiche();
    connect(&carte, &PanneauFiche::validationDemandee, this, &Programme::CommandRecettValider_Click);
    connect(&carte, &PanneauFiche::nouvelleDemandee, this, &Programme::CommandRecettNouvelle_Click);
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
            [this] { m_sorties.ImprimerListe(m_fen->avecNotes(), m_fen->recherche().ordreAffiche()); });
    connect(&m_fen->fiche(), &PanneauFiche::impressionDemandee, this,
            [this] { m_sorties.ImprimerRecette(ficheAffichee()); });
    connect(m_fen.get(), &FrmPrincipal::apercuListeDemande, this,
            [this] { m_sorties.ApercuListe(m_fen->avecNotes(), m_fen->recherche().ordreAffiche()); });
    connect(&m_fen->fiche(), &PanneauFiche::apercuDemande, this, [this] { m_sorties.ApercuRecette(ficheAffichee()); });
}

void Programme::brancherBases()
{
    // The title follows the open base's path, whoever changes it, and shows
    // a "*" while it holds unsaved changes.
    connect(&m_document, &DocumentBase::cheminChange, this, &Programme::AfficherTitre);
    connect(&m_document, &DocumentBase::modifieeChange, m_fen.get(), &QWidget::setWindowModified);
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

void Programme::demarrer(const QString& base)
{
    // A base named on the command line is taken from the folder the user was
    // in, before anything else runs.
    if (!base.isEmpty())
        m_baseDemandee = QDir::toNativeSeparators(QFileInfo(base).absoluteFilePath());
    // The view as the user left it: the found list's columns and sort, the
    // window's size and whether it was maximised.
    fixerCheminAppli();
    m_vue = ReglagesVue::lire(m_etat.CheminAppli);
    m_fen->recherche().restaurerColonnes(m_vue.colonnes);
    if (m_vue.fenetre.width() >= 200 && m_vue.fenetre.height() >= 150)
        m_fen->resize(m_vue.fenetre.size());
    Main();
}

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
    // The base given at start-up replaces the settings' one, which records
    // it when the program ends.
    if (!m_baseDemandee.isEmpty())
        m_document.definirChemin(std::exchange(m_baseDemandee, QString()));
    m_bases.ChargerBase();
    m_fen->recherche().choisir(Critere::Teste, 0);
    m_recherche.RemplirListesRech(RoutinesRecherche::Remplissage::Toutes);
}

// The general refresh: the found list emptied, the search lists rebuilt with
// the user's choices kept, the search run again, an empty card.
void Programme::actualiser()
{
    m_recherche.ActualiserListesRech();
    m_recherche.Rechercher();
    m_fiche.NouvelleFiche();
}

void Programme::montrerFenetre()
{
    m_etat.EtatDemarrage = Demarrage::EnMarche;
    placerDansLEcran();
    if (std::exchange(m_vue.agrandie, false))
        m_fen->showMaximized();
    else
        m_fen->show();
    // Shown, the window has its real frame: placed again by it.
    if (!m_fen->isMaximized())
        placerDansLEcran();
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
    validerCarte();
    m_fen->fiche().focaliserNom();
}

bool Programme::validerCarte()
{
    if (!m_fiche.ValiderRecette())
        return false;
    m_echange.oublierImport(); // the validation is now the last operation
    m_document.marquerModifiee();
    if (!m_fen->fiche().saisieEnChaine()) {
        actualiser();
        m_fen->annoncer(QStringLiteral("Recette validée"));
        return true;
    }
    // Chained entry goes on with the next card of the same issue, without a
    // refresh, and counts what it stored.
    ++m_saisiesEnChaine;
    m_fiche.NouvelleFicheEnChaine();
    m_fen->annoncer(m_saisiesEnChaine == 1
                        ? QStringLiteral("Recette validée : 1 recette saisie en chaîne")
                        : QStringLiteral("Recette validée : %1 recettes saisies en chaîne").arg(m_saisiesEnChaine));
    return true;
}

// Before anything replaces a card holding changes not validated, the user
// says what becomes of them: validated (a refused card stops the action),
// dropped, or kept (the action does not happen). Closing the program is
// never refused: there, no answer means validating them, which loses nothing.
bool Programme::ficheLiberee(bool fermeture)
{
    if (!m_fiche.ficheModifiee())
        return true;
    const Plateforme::Reponse reponse = m_plateforme.message(
        QStringLiteral("Fiche modifiée"),
        QStringLiteral("La fiche de la recette a été modifiée.\nValider les modifications ?"),
        fermeture ? Plateforme::Boutons::OuiNon : Plateforme::Boutons::OuiNonAnnuler, Plateforme::Icone::Question);
    if (reponse == Plateforme::Reponse::Non)
        return true;
    if (fermeture) {
        validerCarte();
        return true;
    }
    if (reponse == Plateforme::Reponse::Oui && validerCarte())
        return true;
    montrerLigneDeLaFiche();
    return false;
}

// The found list's selection back on the card's recipe, without showing it
// again.
void Programme::montrerLigneDeLaFiche()
{
    const std::optional<int> numero = m_fiche.recetteAffichee();
    const std::optional<qsizetype> k = numero ? m_trouvees.ligneDe(*numero) : std::nullopt;
    const QScopedValueRollback remise(m_remiseDeLigne, true);
    m_fen->recherche().choisirLigne(k ? std::optional<int>(static_cast<int>(*k)) : std::nullopt);
}

void Programme::ListRecettes_Click(int k)
{
    if (m_remiseDeLigne)
        return;
    int numero = 0;
    m_politique.etape([&] { numero = m_trouvees.numero(k); });
    // The card's own line: what was typed on it stays.
    if (m_fiche.ficheModifiee() && m_fiche.recetteAffichee() == numero)
        return;
    const QString ligne = m_trouvees.ListTmp(k);
    if (!ficheLiberee())
        return;
    if (m_trouvees.ListTmp(k) == ligne)
        return m_fiche.AfficherRecette(k);
    // The validation refreshed the found list: the recipe chosen is found
    // again by its slot.
    if (const std::optional<qsizetype> nouvelle = m_trouvees.ligneDe(numero)) {
        const QScopedValueRollback remise(m_remiseDeLigne, true);
        m_fen->recherche().choisirLigne(static_cast<int>(*nouvelle));
        m_fiche.AfficherRecette(static_cast<int>(*nouvelle));
    }
}

void Programme::CommandRecettNouvelle_Click()
{
    if (ficheLiberee())
        m_fiche.CommandRecettNouvelle_Click();
}

void Programme::CommandRechValider_Click()
{
    if (ficheLiberee())
        actualiser();
}

void Programme::CommandRecettSuppr_Click()
{
    if (m_fiche.SupprimerRecette()) {
        m_echange.oublierImport(); // the deletion is now the last operation
        m_document.marquerModifiee();
        actualiser();
        m_fen->annoncer(QStringLiteral("Recette supprimée : Ctrl+Z pour l'annuler"));
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
    m_fen->annoncer(QStringLiteral("Suppression annulée"));
}

// ---------------------------------------------------------------- switches

void Programme::CheckSaisie_Click(bool enChaine)
{
    PanneauRecherche& rech = m_fen->recherche();
    PanneauFiche& carte = m_fen->fiche();
    if (enChaine && !ficheLiberee()) {
        carte.cocherSaisieEnChaine(false);
        return;
    }
    rech.activerRecherche(!enChaine);
    if (enChaine) {
        m_saisiesEnChaine = 0;
        actualiser(); // its empty card cannot be deleted nor printed
        carte.focaliserNom();
        rech.activer(Critere::SousCategorie, false); // the refresh enables it when a category is chosen
        return;
    }
    // Back to ordinary entry: the recipes typed meanwhile join the lists and
    // the found list; the card stays as it is.
    carte.activerSuppressionEtImpression(false);
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
    if (!ficheLiberee())
        return;
    m_progression.montrer(QStringLiteral("Zuta! / Création Index"), QStringLiteral("Ecriture des données en cours..."));
    // The index always describes a fresh search.
    actualiser();
    const bool cree = m_sorties.CreerIndex(criteresAffiches());
    m_progression.fermer();
    if (cree)
        m_fen->annoncer(QStringLiteral("Index créé : ") + m_etat.CheminAppli + RoutinesSorties::NomIndex);
}

// ---------------------------------------------------------------- data in and out

void Programme::CommandExporter_Click() { m_echange.Exporter(m_trouvees, m_fen->recherche().ordreAffiche()); }

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
    if (!ficheLiberee())
        return;
    proposerSauvegarde();
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
    if (!ficheLiberee())
        return;
    proposerSauvegarde();
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

// The save question, asked only when the base holds changes: an unchanged
// base is not written again, and its ".bak" keeps the last good copy.
void Programme::proposerSauvegarde()
{
    if (m_document.modifiee() && m_bases.DemanderSauvegarde())
        enregistrer();
}

bool Programme::enregistrer()
{
    const bool ecrite = m_bases.SauverBase();
    if (ecrite)
        m_fen->annoncer(QStringLiteral("Base enregistrée (%1 recettes)").arg(m_document.tables().NbRecett));
    return ecrite;
}

void Programme::EnregistrerMaintenant()
{
    // The progress window takes the keyboard away: it goes back to the field
    // the user left.
    const QPointer<QWidget> focus = QApplication::focusWidget();
    if (!m_document.modifiee()) {
        // Nothing is written: the ".bak" copy keeps the version before the
        // last real save.
        m_fen->annoncer(QStringLiteral("Rien à enregistrer"));
        return;
    }
    enregistrer();
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
    // The card is asked about while the window is still there.
    ficheLiberee(true);
    // Its size as the user left it (the normal one when maximised).
    m_vue.agrandie = m_fen->isMaximized();
    m_vue.fenetre = m_vue.agrandie && m_fen->normalGeometry().isValid() ? m_fen->normalGeometry() : m_fen->geometry();
    m_fermeture.FrmPrincipal_Unload();
    TerminerProgramme();
}

void Programme::TerminerProgramme()
{
    proposerSauvegarde();
    // The settings are written whatever the answer.
    EcrireIni();
    ecrireReglagesVue();
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

void Programme::ecrireReglagesVue()
{
    m_vue.colonnes = m_fen->recherche().etatColonnes();
    ReglagesVue::ecrire(m_etat.CheminAppli, m_vue);
}

// The window wholly inside the available area of the screen it opens on:
// where the settings put it when it fits there, otherwise moved, and shrunk
// when it must be (the found list and the notes give up height first), never
// below what its controls need within that area. A screen no longer there
// leaves the window to the main one.
void Programme::placerDansLEcran()
{
    const QRect cadre = m_fen->frameGeometry();
    const QScreen* ecran = QGuiApplication::screenAt(cadre.center());
    if (!ecran)
        ecran = QGuiApplication::screenAt(cadre.topLeft());
    if (!ecran)
        ecran = QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    const QRect zone = ecran->availableGeometry();
    const QMargins bords = margesDuCadre();
    const QSize place = zone.size().shrunkBy(bords);
    const QSize taille = m_fen->size().boundedTo(place).expandedTo(m_fen->minimumSizeHint().boundedTo(place));
    m_fen->resize(taille);
    QRect voulu(cadre.topLeft(), taille.grownBy(bords));
    voulu.moveRight(std::min(voulu.right(), zone.right()));
    voulu.moveBottom(std::min(voulu.bottom(), zone.bottom()));
    voulu.moveLeft(std::max(voulu.left(), zone.left()));
    voulu.moveTop(std::max(voulu.top(), zone.top()));
    m_fen->move(voulu.topLeft());
}

// The window manager's frame around the window: as it is once the window was
// shown, a title bar's height before.
QMargins Programme::margesDuCadre() const
{
    const QRect g = m_fen->geometry();
    const QRect f = m_fen->frameGeometry();
    if (f != g)
        return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
    const int bord = m_fen->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    return {bord, m_fen->style()->pixelMetric(QStyle::PM_TitleBarHeight) + bord, bord, bord};
}

void Programme::AfficherTitre()
{
    const QString& chemin = m_document.CheminBase();
    // "[*]" stands for the "*" shown while the base holds unsaved changes.
    QString titre = Produit::Version;
    const qsizetype p = std::max(chemin.lastIndexOf(QDir::separator()), chemin.lastIndexOf(QLatin1Char('/')));
    if (p >= 0)
        titre += QStringLiteral("   (base : ") + chemin.mid(p + 1) + QStringLiteral("[*])");
    else
        titre += QStringLiteral("[*]");
    m_fen->setWindowTitle(titre);
}
