#include "RoutinesFiche.h"
#include "base/Collation.h"
#include "base/ControleFiche.h"
#include "base/EtatProgramme.h"
#include "base/ListeTrouvee.h"
#include "base/Tables.h"
#include "base/Texte.h"
#include "base/TexteFiche.h"
#include "platform/Plateforme.h"
#include "platform/PolitiqueErreurs.h"

using Champ = PanneauFiche::Champ;

RoutinesFiche::RoutinesFiche(Tables& base, FicheRecette& fiche, const ListeTrouvee& trouvees,
                             PolitiqueErreurs& politique, Plateforme& plateforme, const Collation& collation,
                             PanneauFiche& panneau)
    : m_base(base), m_fiche(fiche), m_trouvees(trouvees), m_politique(politique), m_plateforme(plateforme),
      m_collation(collation), m_panneau(panneau), m_stockage(base, politique)
{
    connect(&panneau, &PanneauFiche::testeeCliquee, this, &RoutinesFiche::CheckRecettTeste_Click);
    // Leaving the category offers its sub-categories, keeping the one typed.
    // (The other fields are read from the card when it is validated.)
    connect(&panneau, &PanneauFiche::champQuitte, this, [this](Champ champ) {
        if (champ != Champ::Categorie)
            return;
        const QString sousCategorie = m_panneau.texte(Champ::SousCategorie);
        RemplirSousCatFiche();
        m_panneau.ecrire(Champ::SousCategorie, sousCategorie);
    });
}

void RoutinesFiche::CommandRecettNouvelle_Click()
{
    NouvelleFiche();
    m_panneau.focaliserNom();
}

void RoutinesFiche::CheckRecettTeste_Click(bool testee)
{
    m_panneau.validerParDefaut();
    m_fiche.RecettTeste = testee ? 1 : 0;
}

// ---------------------------------------------------------------- display

void RoutinesFiche::NouvelleFiche()
{
    // An empty card; the slot last shown stays as it was.
    const int courante = m_fiche.RecettCourante;
    m_fiche = FicheRecette{};
    m_fiche.RecettCourante = courante;
    m_panneau.montrerExistante(false);
    emit ficheVidee();
    m_panneau.activerSuppressionEtImpression(false);
    RemplirFiche();
    retenirContenu();
}

void RoutinesFiche::NouvelleFicheEnChaine()
{
    // The magazine as stored (an existing one keeps its own spelling) and the
    // number of the recipe just stored.
    QString magazine;
    m_politique.etape([&] { magazine = lue().Mag(m_fiche.RecettMag); });
    const QString numero = m_fiche.RecettNum;
    NouvelleFiche();
    m_panneau.ecrire(Champ::Magazine, magazine);
    m_panneau.ecrire(Champ::Numero, numero);
    retenirContenu();
}

RoutinesFiche::Contenu RoutinesFiche::contenu() const
{
    Contenu c;
    for (const Champ champ :
         {Champ::Nom, Champ::Categorie, Champ::SousCategorie, Champ::Magazine, Champ::Numero, Champ::Page})
        c.champs << Texte::sansBlancs(m_panneau.texte(champ));
    c.champs << m_panneau.texte(Champ::Notes);
    c.testee = m_panneau.testee();
    return c;
}

bool RoutinesFiche::ficheModifiee() const { return contenu() != m_contenu; }

std::optional<int> RoutinesFiche::recetteAffichee() const
{
    return m_fiche.FicheExistante ? std::optional<int>(m_fiche.RecettCourante) : std::nullopt;
}

void RoutinesFiche::AfficherRecette(int k)
{
    FicheRecette& f = m_fiche;
    f.FicheExistante = true;
    QString ligne;
    m_politique.etape([&] {
        if (k < 0 || k >= m_trouvees.taille())
            throw ErreurExecution(Erreurs::IndiceHorsSelection);
        ligne = m_trouvees.ListTmp(k);
        f.RecettNom = nomDeLigne(ligne);
    });
    m_politique.etape([&] { f.RecettCourante = numeroDeLigne(ligne); });
    m_politique.etape([&] {
        const int r = f.RecettCourante;
        f.RecettCat = lue().RecettVal(r, Recette::Categorie);
        f.RecettSousCat = lue().RecettVal(r, Recette::SousCategorie);
        f.RecettMag = lue().RecettVal(r, Recette::Magazine);
        f.RecettTeste = lue().RecettVal(r, Recette::Testee);
        f.RecettNum = lue().RecettTexte(r, Recette::Numero);
        f.RecettPage = lue().RecettTexte(r, Recette::Page);
        f.RecettNotes = lue().RecettTexte(r, Recette::Notes);
    });
    f.RecettCatAvant = f.RecettCat;
    f.RecettMagAvant = f.RecettMag;
    f.RecettSousCatAvant = f.RecettSousCat;
    f.RecettNomAvant = f.RecettNom;
    m_panneau.montrerExistante(true);
    m_panneau.activerSuppressionEtImpression(true);
    RemplirFiche();
    const QString sousCategorie = m_panneau.texte(Champ::SousCategorie);
    RemplirSousCatFiche();
    m_panneau.ecrire(Champ::SousCategorie, sousCategorie);
    retenirContenu();
}

void RoutinesFiche::RemplirFiche()
{
    const FicheRecette& f = m_fiche;
    RemplirListesFiche();
    // A number outside its table keeps the field as it was once the user
    // has cancelled its error.
    m_panneau.ecrire(Champ::Nom, f.RecettNom);
    m_politique.etape([&] { m_panneau.ecrire(Champ::Categorie, lue().Cat(f.RecettCat)); });
    m_politique.etape([&] { m_panneau.ecrire(Champ::SousCategorie, lue().SousCat(f.RecettCat, f.RecettSousCat)); });
    m_politique.etape([&] { m_panneau.ecrire(Champ::Magazine, lue().Mag(f.RecettMag)); });
    m_panneau.ecrire(Champ::Numero, f.RecettNum);
    m_panneau.ecrire(Champ::Page, f.RecettPage);
    m_panneau.ecrire(Champ::Notes, f.RecettNotes);
    m_panneau.cocherTestee(f.RecettTeste == 1);
}

// The lists are filled again only when the names they offer changed: a
// card shown or a recipe validated rarely adds one.
void RoutinesFiche::RemplirListesFiche()
{
    const Tables::EtatNoms etat = lue().etatNoms();
    if (etat == m_listesDe)
        return;
    QStringList categories, magazines;
    const bool lues = m_politique.etape([&] { magazines = lue().magazinesUtilises(); })
        && m_politique.etape([&] { categories = lue().categoriesUtilisees(); });
    if (lues && magazines == m_magazinesListes && categories == m_categoriesListes) {
        m_listesDe = etat;
        return;
    }
    m_listesDe = {};
    m_magazinesListes = magazines;
    m_categoriesListes = categories;
    m_panneau.remplirListes(m_collation.trier(categories), m_collation.trier(magazines));
    if (lues)
        m_listesDe = etat;
}

void RoutinesFiche::RemplirSousCatFiche()
{
    m_panneau.remplirSousCategories({});
    const QString texte = Texte::sansBlancs(m_panneau.texte(Champ::Categorie));
    if (texte.isEmpty())
        return;
    int c = 0;
    m_politique.etape([&] {
        const QString cle = texte.toUpper();
        for (int i = 1; i <= lue().NbCat; ++i)
            if (lue().Cat(i).toUpper() == cle)
                c = i; // the last match wins
    });
    if (c == 0)
        return;
    m_politique.etape([&] { m_panneau.remplirSousCategories(m_collation.trier(lue().sousCategoriesUtilisees(c))); });
}

// ------------------------------------------------------------- validation

bool RoutinesFiche::refuser(const QString& message)
{
    m_plateforme.message(QStringLiteral("Validation impossible !"), message, Plateforme::Boutons::OK,
                         Plateforme::Icone::Information);
    return false;
}

// The same name in the same issue is most often a slip of chained entry:
// only a clear Yes stores it.
bool RoutinesFiche::confirmerDoublon(const SaisieFiche& s)
{
    if (!recetteEnDouble(m_base, s.nom, s.magazine, s.numero, m_fiche.FicheExistante ? m_fiche.RecettCourante : 0))
        return true;
    return m_plateforme.message(QStringLiteral("Recette en double"),
                                QStringLiteral("Une recette de ce nom existe déjà dans ce numéro.\nL'enregistrer "
                                               "quand même ?"),
                                Plateforme::Boutons::OuiNon, Plateforme::Icone::Question)
        == Plateforme::Reponse::Oui;
}

void RoutinesFiche::lireChamps()
{
    m_panneau.taillerChamps();
    m_fiche.RecettNotes = m_panneau.texte(Champ::Notes);
    m_fiche.RecettNom = m_panneau.texte(Champ::Nom);
    m_fiche.RecettNum = m_panneau.texte(Champ::Numero);
    m_fiche.RecettPage = m_panneau.texte(Champ::Page);
    m_fiche.RecettTeste = m_panneau.testee() ? 1 : 0;
}

bool RoutinesFiche::ValiderRecette()
{
    FicheRecette& f = m_fiche;
    lireChamps();
    const NomsSaisis noms{m_panneau.texte(Champ::Categorie), m_panneau.texte(Champ::SousCategorie),
                          m_panneau.texte(Champ::Magazine)};
    // Checked before anything changes, so that a refused card leaves the
    // tables, the counts and the counters exactly as they were.
    const SaisieFiche saisie{f.RecettNom, noms.categorie, noms.sousCategorie, noms.magazine,
                             f.RecettNum, f.RecettPage,   f.RecettNotes,      !f.FicheExistante};
    if (const QString motif = refusValidation(m_base, saisie); !motif.isEmpty())
        return refuser(motif);
    if (!confirmerDoublon(saisie))
        return false;
    f.RecettNom = TexteFiche::premiereMajuscule(f.RecettNom);
    // A validation may give the slot of a name no longer used to a new name:
    // the last deletion can no longer be undone exactly.
    oublierSuppression();
    m_stockage.stocker(f, noms);
    return true;
}

// --------------------------------------------------------------- deletion

bool RoutinesFiche::SupprimerRecette()
{
    RecetteSupprimee retiree;
    if (!m_stockage.SupprimerRecette(m_fiche, &retiree))
        return false;
    m_suppression = retiree;
    return true;
}

std::optional<int> RoutinesFiche::AnnulerSuppression()
{
    // Chained entry keeps the found list out of reach: nothing is undone.
    if (!m_suppression || m_panneau.saisieEnChaine())
        return std::nullopt;
    const RecetteSupprimee recette = *m_suppression;
    m_suppression.reset();
    if (!m_stockage.restaurer(recette))
        return std::nullopt;
    return recette.slot;
}
