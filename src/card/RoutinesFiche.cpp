#include "RoutinesFiche.h"
#include "ChampsFiche.h"
#include "ControleFiche.h"
#include "ListeNoms.h"
#include "TexteFiche.h"
#include "app/FrmPrincipal.h"
#include "app/Programme.h"
#include "platform/Plateforme.h"
#include "search/ListeTrouvee.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

RoutinesFiche::~RoutinesFiche()
{
    delete m_champs;
}

void RoutinesFiche::brancher()
{
    FrmPrincipal& f = *p.fen;
    // The card's lists take what is typed as it is typed: completing it with
    // a longer name of the list would store another name than the user's.
    for (QComboBox* liste : {f.ComboRecettCat, f.ComboRecettSousCat, f.ComboRecettMag})
        liste->setCompleter(nullptr);
    m_champs = new ChampsFiche(p, &f);
    m_champs->brancher();

    QObject::connect(f.CommandRecettNouvelle, &QPushButton::clicked, &f, [this] { CommandRecettNouvelle_Click(); });
    QObject::connect(f.CommandRecettValider, &QPushButton::clicked, &f, [this] { CommandRecettValider_Click(); });
    QObject::connect(f.CommandRecettSuppr, &QPushButton::clicked, &f, [this] { CommandRecettSuppr_Click(); });
    QObject::connect(f.ListRecettes, &QListView::clicked, &f, [this] { ListRecettes_Click(); });
    QObject::connect(f.ListRecettes, &QListView::activated, &f, [this] { ListRecettes_Click(); });
    // Moving through the list with the keyboard shows each recipe in turn, as a click does.
    QObject::connect(f.ListRecettes->selectionModel(), &QItemSelectionModel::currentChanged, &f,
                     [this] { ListRecettes_Click(); });
}

void RoutinesFiche::CommandRecettNouvelle_Click()
{
    NouvelleFiche();
    p.fen->TextRecettNom->setFocus();
}

void RoutinesFiche::CommandRecettValider_Click()
{
    ValiderRecette();
    p.fen->TextRecettNom->setFocus();
}

void RoutinesFiche::CommandRecettSuppr_Click()
{
    SupprimerRecette();
    p.fen->TextRecettNom->setFocus();
}

void RoutinesFiche::ListRecettes_Click()
{
    if (p.fen->ligneChoisie() != -1)
        AfficherRecette();
}

QString RoutinesFiche::notesDuChamp(const FrmPrincipal& fen)
{
    // The raw text keeps non-breaking spaces, which the plain text would
    // turn into ordinary blanks.
    return TexteFiche::notesPourBase(fen.TextRecettComment->document()->toRawText());
}

// ---------------------------------------------------------------- display

void RoutinesFiche::NouvelleFiche()
{
    EtatProgramme& e = p.etat;
    e.FicheExistante = 0;
    e.RecettCatAvant = e.RecettMagAvant = e.RecettSousCatAvant = 0;
    e.RecettNomAvant.clear();
    e.RecettCat = e.RecettMag = e.RecettSousCat = 0;
    e.RecettNotes.clear();
    e.RecettNom.clear();
    e.RecettNum.clear();
    e.RecettPage.clear();
    e.RecettTeste = 0;
    FrmPrincipal& f = *p.fen;
    f.FrameFiche->setTitle(QStringLiteral("Recette (nouvelle)"));
    f.choisirLigne(-1);
    f.CommandRecettSuppr->setEnabled(false);
    f.CommandRecettImpr->setEnabled(false);
    RemplirFiche();
}

void RoutinesFiche::AfficherRecette()
{
    EtatProgramme& e = p.etat;
    FrmPrincipal& f = *p.fen;
    auto& politique = p.politique;
    e.FicheExistante = 1;
    QString ligne;
    politique.etape([&] {
        const int k = f.ligneChoisie();
        if (k < 0 || k >= f.ListTmp.size())
            throw ErreurExecution(Erreurs::IndiceHorsSelection);
        ligne = f.ListTmp.at(k);
        e.RecettNom = nomDeLigne(ligne);
    });
    politique.etape([&] { e.RecettCourante = numeroDeLigne(ligne); });
    politique.etape([&] {
        const Tables& t = p.base;
        const int r = e.RecettCourante;
        e.RecettCat = t.RecettVal(r, 0);
        e.RecettSousCat = t.RecettVal(r, 1);
        e.RecettMag = t.RecettVal(r, 2);
        e.RecettTeste = t.RecettVal(r, 3);
        e.RecettNum = t.RecettTexte(r, 0);
        e.RecettPage = t.RecettTexte(r, 1);
        e.RecettNotes = t.RecettTexte(r, 2);
    });
    e.RecettCatAvant = e.RecettCat;
    e.RecettMagAvant = e.RecettMag;
    e.RecettSousCatAvant = e.RecettSousCat;
    e.RecettNomAvant = e.RecettNom;
    f.FrameFiche->setTitle(QStringLiteral("Recette (existante)"));
    f.CommandRecettSuppr->setEnabled(true);
    f.CommandRecettImpr->setEnabled(true);
    RemplirFiche();
    const QString sousCategorie = f.ComboRecettSousCat->currentText();
    RemplirSousCatFiche();
    f.ComboRecettSousCat->setEditText(sousCategorie);
}

void RoutinesFiche::RemplirFiche()
{
    EtatProgramme& e = p.etat;
    FrmPrincipal& f = *p.fen;
    const Tables& t = p.base;
    auto& politique = p.politique;
    p.recherche.RemplirListesFiche();
    politique.etape([&] { f.TextRecettNom->setText(e.RecettNom); });
    politique.etape([&] { f.ComboRecettCat->setEditText(t.Cat(e.RecettCat)); });
    politique.etape([&] { f.ComboRecettSousCat->setEditText(t.SousCat(e.RecettCat, e.RecettSousCat)); });
    politique.etape([&] { f.ComboRecettMag->setEditText(t.Mag(e.RecettMag)); });
    politique.etape([&] { f.TextRecettNumero->setText(e.RecettNum); });
    politique.etape([&] { f.TextRecettPage->setText(e.RecettPage); });
    politique.etape([&] {
        // Filling the notes is not the user's typing.
        const QSignalBlocker bloque(f.TextRecettComment);
        f.TextRecettComment->setPlainText(TexteFiche::notesPourAffichage(e.RecettNotes));
    });
    politique.etape([&] { f.CheckRecettTeste->setChecked(e.RecettTeste == 1); });
}

void RoutinesFiche::RemplirSousCatFiche()
{
    FrmPrincipal& f = *p.fen;
    const Tables& t = p.base;
    auto& politique = p.politique;
    politique.etape([&] { f.ComboRecettSousCat->clear(); });
    const QString texte = TexteFiche::sansBlancs(f.ComboRecettCat->currentText());
    if (texte.isEmpty())
        return;
    int c = 0;
    politique.etape([&] {
        const QString cle = texte.toUpper();
        for (int i = 1; i <= t.NbCat; ++i)
            if (t.Cat(i).toUpper() == cle)
                c = i;  // the last match wins
    });
    if (c == 0)
        return;
    politique.etape([&] {
        for (int s = 1; s <= t.NbSousCat(c); ++s)
            if (t.SousCatNbRecett(c, s) > 0)
                f.ajouterTrie(f.ComboRecettSousCat, t.SousCat(c, s));
    });
}

// ------------------------------------------------------------- validation

bool RoutinesFiche::refuser(const QString& message)
{
    p.plateforme.message(QStringLiteral("Validation impossible !"), message, Plateforme::Boutons::OK,
                         Plateforme::Icone::Information);
    return false;
}

void RoutinesFiche::lireChamps()
{
    EtatProgramme& e = p.etat;
    FrmPrincipal& f = *p.fen;
    auto& politique = p.politique;
    const auto tailler = [](QComboBox* liste) { liste->setEditText(TexteFiche::sansBlancs(liste->currentText())); };
    politique.etape([&] { tailler(f.ComboRecettCat); });
    politique.etape([&] { tailler(f.ComboRecettMag); });
    politique.etape([&] { tailler(f.ComboRecettSousCat); });
    if (f.ComboRecettCat->currentText().isEmpty())
        f.ComboRecettSousCat->setEditText(QString());  // no sub-category without a category

    politique.etape([&] { e.RecettNotes = notesDuChamp(f); });
    const auto lire = [](QLineEdit* champ, QString& tampon) {
        champ->setText(TexteFiche::sansBlancs(champ->text()));
        tampon = champ->text();
    };
    politique.etape([&] { lire(f.TextRecettNom, e.RecettNom); });
    politique.etape([&] { lire(f.TextRecettNumero, e.RecettNum); });
    politique.etape([&] { lire(f.TextRecettPage, e.RecettPage); });
    politique.etape([&] { e.RecettTeste = f.CheckRecettTeste->isChecked() ? 1 : 0; });
}

void RoutinesFiche::ValiderRecette()
{
    EtatProgramme& e = p.etat;
    FrmPrincipal& f = *p.fen;
    lireChamps();

    if (e.RecettNom.isEmpty())
        return (void)refuser(QStringLiteral("La recette doit avoir un nom !"));
    e.RecettNom = TexteFiche::premiereMajuscule(e.RecettNom);
    const QString description = f.ComboRecettMag->currentText() + f.ComboRecettCat->currentText() + e.RecettPage
                                + e.RecettNum + e.RecettNotes;
    if (TexteFiche::sansBlancs(description).isEmpty())
        return (void)refuser(QStringLiteral("La recette doit comporter un minimum de description !"));

    // Checked before anything changes, so that a refused card leaves the
    // tables, the counts and the counters exactly as they were.
    const SaisieFiche saisie{e.RecettNom,
                             f.ComboRecettCat->currentText(),
                             f.ComboRecettSousCat->currentText(),
                             f.ComboRecettMag->currentText(),
                             e.RecettNum,
                             e.RecettPage,
                             e.RecettNotes,
                             e.FicheExistante == 0};
    if (const QString motif = motifDeRefus(p.base, saisie); !motif.isEmpty())
        return (void)refuser(motif);

    stockerNomsEtRetirerAnciens();
    EnregistrerRecette();

    if (f.CheckSaisie->isChecked()) {
        NouvelleFiche();
        f.TextRecettNom->setFocus();
    } else {
        p.Main();
    }
}

void RoutinesFiche::stockerNomsEtRetirerAnciens()
{
    EtatProgramme& e = p.etat;
    FrmPrincipal& f = *p.fen;
    Tables& t = p.base;
    auto& politique = p.politique;
    // The new counters are raised before the old ones are lowered: while the
    // recipe is being stored its old names still count it and are not free.
    politique.etape([&] {
        e.RecettCat = ListeNoms::categories(t).trouverOuAjouter(f.ComboRecettCat->currentText(), true);
    });
    politique.etape([&] {
        e.RecettSousCat
            = ListeNoms::sousCategories(t, e.RecettCat).trouverOuAjouter(f.ComboRecettSousCat->currentText(), true);
    });
    politique.etape([&] {
        e.RecettMag = ListeNoms::magazines(t).trouverOuAjouter(f.ComboRecettMag->currentText(), false);
    });
    retirerDesCompteurs(e.RecettCatAvant, e.RecettSousCatAvant, e.RecettMagAvant);
}

void RoutinesFiche::retirerDesCompteurs(int categorie, int sousCategorie, int magazine)
{
    Tables& t = p.base;
    auto& politique = p.politique;
    if (magazine != 0)
        politique.etape([&] { --t.MagNbRecett(magazine); });
    if (categorie != 0)
        politique.etape([&] { --t.CatNbRecett(categorie); });
    if (sousCategorie != 0)
        politique.etape([&] { --t.SousCatNbRecett(categorie, sousCategorie); });
}

void RoutinesFiche::EnregistrerRecette()
{
    EtatProgramme& e = p.etat;
    Tables& t = p.base;
    auto& politique = p.politique;
    if (e.FicheExistante == 0)
        politique.etape([&] {
            if (t.NbRecett >= Tables::MaxRecett)
                throw ErreurExecution(Erreurs::IndiceHorsSelection);
            ++t.NbRecett;
            e.RecettCourante = t.NbRecett;
        });
    const int r = e.RecettCourante;
    politique.etape([&] {
        t.RecettVal(r, 0) = e.RecettCat;
        t.RecettVal(r, 1) = e.RecettSousCat;
        t.RecettVal(r, 2) = e.RecettMag;
        t.RecettVal(r, 3) = e.RecettTeste;
        t.RecettTexte(r, 0) = e.RecettNum;
        t.RecettTexte(r, 1) = e.RecettPage;
        t.RecettTexte(r, 2) = e.RecettNotes;
        t.RecettTexte(r, 3) = e.RecettNom;
    });
    politique.etape([&] {
        for (int champ = 0; champ <= 3; ++champ)
            t.RecettTexte(r, champ) = TexteFiche::sansGuillemets(t.RecettTexte(r, champ));
    });
}

// --------------------------------------------------------------- deletion

void RoutinesFiche::SupprimerRecette()
{
    const EtatProgramme& e = p.etat;
    // Only a recipe of the base can be deleted: a card that is not one (the
    // button is then disabled) must never take another recipe with it.
    if (e.FicheExistante != 1 || e.RecettCourante < 1 || e.RecettCourante > p.base.NbRecett)
        return;
    retirerDesCompteurs(e.RecettCatAvant, e.RecettSousCatAvant, e.RecettMagAvant);
    decalerVersLeBas(e.RecettCourante);
    p.politique.etape([&] { --p.base.NbRecett; });
    p.Main();
}

void RoutinesFiche::decalerVersLeBas(int depuis)
{
    Tables& t = p.base;
    for (int i = depuis; i <= t.NbRecett - 1; ++i)
        p.politique.etape([&] {
            for (int champ = 0; champ <= 3; ++champ) {
                t.RecettTexte(i, champ) = t.RecettTexte(i + 1, champ);
                t.RecettVal(i, champ) = t.RecettVal(i + 1, champ);
            }
        });
}
