#include "RoutinesRecherche.h"
#include "FiltreFocus.h"
#include "FiltreRecherche.h"
#include "app/FrmPrincipal.h"
#include "app/Programme.h"
#include "base/FormatNombres.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

const QString RoutinesRecherche::Toutes = QStringLiteral(" --> TOUTES");
const QString RoutinesRecherche::Tous = QStringLiteral(" --> TOUS");

namespace {
// The wait cursor while the base is searched; restored on every way out.
class CurseurAttente {
public:
    CurseurAttente() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurAttente() { QApplication::restoreOverrideCursor(); }
    CurseurAttente(const CurseurAttente&) = delete;
    CurseurAttente& operator=(const CurseurAttente&) = delete;
};
} // namespace

void RoutinesRecherche::brancher()
{
    FrmPrincipal& f = *p.fen;
    QObject::connect(f.ComboRechCat, &QComboBox::activated, &f, [this] { ComboRechCat_Click(); });
    QObject::connect(f.ComboRechSousCat, &QComboBox::activated, &f, [this] { ComboRechSousCat_Click(); });
    QObject::connect(f.ComboRechMag, &QComboBox::activated, &f, [this] { ComboRechMag_Click(); });
    QObject::connect(f.ComboTeste, &QComboBox::activated, &f, [this] { ComboTeste_Click(); });
    QObject::connect(f.CommandRechValider, &QPushButton::clicked, &f, [this] { CommandRechValider_Click(); });
    auto* filtre = new FiltreFocus([this](QObject* controle) { surEvenement(controle); }, &f);
    for (QObject* controle : {static_cast<QObject*>(f.ComboRechCat), static_cast<QObject*>(f.ComboRechSousCat),
                              static_cast<QObject*>(f.ComboRechMag), static_cast<QObject*>(f.ComboTeste),
                              static_cast<QObject*>(f.TextRech)})
        filtre->surveiller(controle);
}

// Focus comes in, or the mouse is pressed on a watched control.
void RoutinesRecherche::surEvenement(QObject* controle)
{
    const FrmPrincipal& f = *p.fen;
    if (controle == f.ComboRechCat)
        ComboRechCat_GotFocus();
    else if (controle == f.ComboRechSousCat)
        ComboRechSousCat_GotFocus();
    else if (controle == f.ComboRechMag)
        ComboRechMag_GotFocus();
    else if (controle == f.ComboTeste)
        ComboTeste_GotFocus();
    else if (controle == f.TextRech)
        TextRech_Click();
}

// ---- Handlers ----

// Enter now starts the refresh.
void RoutinesRecherche::rendreActualiserParDefaut()
{
    p.fen->definirBoutonParDefaut(p.fen->CommandRechValider);
}

void RoutinesRecherche::ComboRechCat_Click()
{
    rendreActualiserParDefaut();
    suivreCategorie();
}

// The sub-category list follows the chosen category.
void RoutinesRecherche::suivreCategorie()
{
    p.etat.MajSousCatSeule = 1;
    RemplirListesRech();
}

void RoutinesRecherche::ComboRechCat_GotFocus() { rendreActualiserParDefaut(); }
void RoutinesRecherche::ComboRechSousCat_Click() { rendreActualiserParDefaut(); }
void RoutinesRecherche::ComboRechSousCat_GotFocus() { rendreActualiserParDefaut(); }
void RoutinesRecherche::ComboRechMag_Click() { rendreActualiserParDefaut(); }
void RoutinesRecherche::ComboRechMag_GotFocus() { rendreActualiserParDefaut(); }
void RoutinesRecherche::ComboTeste_Click() { rendreActualiserParDefaut(); }
void RoutinesRecherche::ComboTeste_GotFocus() { rendreActualiserParDefaut(); }
void RoutinesRecherche::TextRech_Click() { rendreActualiserParDefaut(); }
void RoutinesRecherche::CommandRechValider_Click() { p.Main(); }

void RoutinesRecherche::choisir(QComboBox* liste, int position)
{
    liste->setCurrentIndex(position);
    if (liste == p.fen->ComboRechCat)
        suivreCategorie();
}

// The first entry whose text is exactly the one given (case counts) is
// chosen; a text no longer listed leaves the list's choice as it is.
void RoutinesRecherche::choisirTexte(QComboBox* liste, const QString& texte)
{
    for (int i = 0; i < liste->count(); ++i) {
        if (liste->itemText(i) == texte) {
            choisir(liste, i);
            return;
        }
    }
}

// ---- Lists ----

// Fills a list kept sorted in one go: the same order as adding each entry at
// its sorted place, at a fraction of the cost on hundreds of names.
void RoutinesRecherche::remplirTrie(QComboBox* liste, QStringList noms) const
{
    std::vector<std::pair<Collation::Cle, qsizetype>> cles;
    cles.reserve(static_cast<std::size_t>(noms.size()));
    for (qsizetype i = 0; i < noms.size(); ++i)
        cles.emplace_back(p.collation.cle(noms[i]), i);
    std::stable_sort(cles.begin(), cles.end(), [&](const auto& a, const auto& b) {
        return Collation::comparerCles(a.first, noms[a.second], b.first, noms[b.second]) < 0;
    });
    QStringList tries;
    tries.reserve(noms.size());
    for (const auto& [cle, i] : cles)
        tries << noms[i];
    liste->clear();
    liste->addItems(tries);
}

QStringList RoutinesRecherche::magazinesUtilises() const
{
    QStringList noms;
    for (int m = 1; m <= p.base.NbMag; ++m)
        if (p.base.MagNbRecett(m) > 0)
            noms << p.base.Mag(m);
    return noms;
}

QStringList RoutinesRecherche::categoriesUtilisees() const
{
    QStringList noms;
    for (int c = 1; c <= p.base.NbCat; ++c)
        if (p.base.CatNbRecett(c) > 0)
            noms << p.base.Cat(c);
    return noms;
}

QStringList RoutinesRecherche::sousCategoriesUtilisees(int c) const
{
    QStringList noms;
    for (int s = 1; s <= p.base.NbSousCat(c); ++s)
        if (p.base.SousCatNbRecett(c, s) > 0)
            noms << p.base.SousCat(c, s);
    return noms;
}

// The table row of the chosen category. The exact name comes first, so that
// of two categories differing only in case each shows its own sub-categories;
// failing that, the first name equal in upper case; 0 when none.
int RoutinesRecherche::categorieChoisie() const
{
    const QString texte = p.fen->ComboRechCat->currentText();
    for (int c = 1; c <= p.base.NbCat; ++c)
        if (p.base.Cat(c) == texte)
            return c;
    const QString majuscules = texte.toUpper();
    for (int c = 1; c <= p.base.NbCat; ++c)
        if (p.base.Cat(c).toUpper() == majuscules)
            return c;
    return 0;
}

void RoutinesRecherche::RemplirListesRech()
{
    FrmPrincipal& f = *p.fen;
    if (p.etat.MajSousCatSeule != 1) {
        p.politique.etape([&] { remplirTrie(f.ComboRechMag, magazinesUtilises() << Tous); });
        choisir(f.ComboRechMag, 0);
        p.politique.etape([&] { remplirTrie(f.ComboRechCat, categoriesUtilisees() << Toutes); });
        // Raises the category's click, which fills the sub-categories.
        choisir(f.ComboRechCat, 0);
    }
    p.politique.etape([&] {
        f.ComboRechSousCat->clear();
        f.ComboRechSousCat->addItem(Toutes);
    });
    if (f.ComboRechCat->currentIndex() == 0) {
        choisir(f.ComboRechSousCat, 0);
        f.ComboRechSousCat->setEnabled(false);
        return;
    }
    // Chained entry keeps every search control disabled, whatever refresh runs meanwhile.
    f.ComboRechSousCat->setEnabled(!f.CheckSaisie->isChecked());
    int c = 0;
    p.politique.etape([&] { c = categorieChoisie(); });
    p.politique.etape([&] { remplirTrie(f.ComboRechSousCat, sousCategoriesUtilisees(c) << Toutes); });
    if (p.etat.MajSousCatSeule == 1) {
        p.etat.MajSousCatSeule = 0;
        choisir(f.ComboRechSousCat, 0);
    }
}

void RoutinesRecherche::ActualiserListesRech()
{
    FrmPrincipal& f = *p.fen;
    const QString categorie = f.ComboRechCat->currentText();
    const QString magazine = f.ComboRechMag->currentText();
    const QString sousCategorie = f.ComboRechSousCat->currentText();
    RemplirListesRech();
    // The sub-categories can only be chosen again once the category's click
    // has rebuilt their list.
    choisirTexte(f.ComboRechCat, categorie);
    choisirTexte(f.ComboRechSousCat, sousCategorie);
    choisirTexte(f.ComboRechMag, magazine);
}

void RoutinesRecherche::RemplirListesFiche()
{
    FrmPrincipal& f = *p.fen;
    // Nothing is chosen: the card sets the texts afterwards.
    p.politique.etape([&] {
        remplirTrie(f.ComboRecettMag, magazinesUtilises());
        f.ComboRecettMag->setCurrentIndex(-1);
    });
    p.politique.etape([&] {
        remplirTrie(f.ComboRecettCat, categoriesUtilisees());
        f.ComboRecettCat->setCurrentIndex(-1);
    });
    p.politique.etape([&] { f.ComboRecettSousCat->clear(); });
}

// ---- Search ----

CriteresRecherche RoutinesRecherche::lireCriteres() const
{
    const FrmPrincipal& f = *p.fen;
    CriteresRecherche criteres;
    criteres.texte = f.TextRech->text();
    if (f.ComboRechMag->currentIndex() > 0)
        criteres.magazine = f.ComboRechMag->currentText();
    if (f.ComboRechCat->currentIndex() > 0) {
        criteres.categorie = f.ComboRechCat->currentText();
        if (f.ComboRechSousCat->currentIndex() > 0)
            criteres.sousCategorie = f.ComboRechSousCat->currentText();
    }
    criteres.teste = std::max(0, f.ComboTeste->currentIndex());
    return criteres;
}

void RoutinesRecherche::Rechercher()
{
    const CriteresRecherche criteres = lireCriteres();
    const FiltreRecherche filtre(criteres);
    FiltreRecherche::Resultat resultat;
    // One step for the whole base: a recipe whose fields point outside the
    // tables is left out, and the user hears of it once per search, not
    // once per recipe.
    p.politique.etape([&] {
        {
            const CurseurAttente attente;
            m_ordre.mettreAJour(p.base, p.collation);
            resultat = filtre.filtrer(p.base, m_index);
        }
        if (resultat.erreur)
            throw *resultat.erreur;
    });
    p.politique.etape([&] {
        const CurseurAttente attente;
        afficherTrouvees(resultat, filtre.sansCritere());
    });
    afficherCompteurs();
}

// Both lists get one line per recipe found, in the order kept for the whole
// base. The callers empty them first.
void RoutinesRecherche::afficherTrouvees(const FiltreRecherche::Resultat& resultat, bool tout)
{
    FrmPrincipal& f = *p.fen;
    const bool vides = f.ListTmp.isEmpty() && f.lignesRecettes().isEmpty();
    if (tout && vides) {
        // Every recipe: the kept lists are handed over whole.
        f.ListTmp = m_ordre.lignes();
        f.definirLignesRecettes(m_ordre.noms());
        return;
    }
    QStringList noms = f.lignesRecettes();
    f.ListTmp.reserve(f.ListTmp.size() + resultat.nbTrouvees);
    noms.reserve(noms.size() + resultat.nbTrouvees);
    const std::vector<int>& ordre = m_ordre.ordre();
    for (std::size_t i = 0; i < ordre.size(); ++i) {
        if (resultat.gardees[static_cast<std::size_t>(ordre[i])]) {
            f.ListTmp << m_ordre.lignes()[static_cast<qsizetype>(i)];
            noms << m_ordre.noms()[static_cast<qsizetype>(i)];
        }
    }
    f.definirLignesRecettes(noms);
}

void RoutinesRecherche::afficherCompteurs()
{
    FrmPrincipal& f = *p.fen;
    p.politique.etape([&] {
        f.LabelTotalrecett->setText(QStringLiteral("Recettes totales :") + FormatNombres::signe(p.base.NbRecett));
    });
    p.politique.etape([&] {
        f.LabelNbRecettList->setText(QStringLiteral("Recettes trouvées :")
                                     + FormatNombres::signe(f.lignesRecettes().size()));
    });
}
