#include "RoutinesRecherche.h"
#include "base/Collation.h"
#include "base/EntreesTout.h"
#include "base/FormatNombres.h"
#include "base/ListeTrouvee.h"
#include "base/Tables.h"
#include "platform/PolitiqueErreurs.h"
#include <QApplication>
#include <algorithm>

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

RoutinesRecherche::RoutinesRecherche(const Tables& base, ListeTrouvee& trouvees, PolitiqueErreurs& politique,
                                     const Collation& collation, PanneauRecherche& panneau)
    : m_base(base), m_trouvees(trouvees), m_politique(politique), m_collation(collation), m_panneau(panneau),
      m_modele(base, trouvees, collation)
{
    m_panneau.definirModele(&m_modele);
    connect(&panneau, &PanneauRecherche::categorieChoisie, this,
            [this] { RemplirListesRech(Remplissage::SousCategoriesSeules); });
}

void RoutinesRecherche::choisir(Critere critere, int position)
{
    m_panneau.choisir(critere, position);
    // The sub-category list follows the chosen category.
    if (critere == Critere::Categorie)
        RemplirListesRech(Remplissage::SousCategoriesSeules);
}

// The first entry whose text is exactly the one given (case counts) is
// chosen; a text no longer listed leaves the list's choice as it is.
void RoutinesRecherche::choisirTexte(Critere critere, const QString& texte)
{
    if (const int position = m_panneau.trouver(critere, texte); position >= 0)
        choisir(critere, position);
}

// Fills a list kept sorted in one go: the same order as adding each entry at
// its sorted place, at a fraction of the cost on hundreds of names.
void RoutinesRecherche::remplirTrie(Critere critere, const QStringList& noms)
{
    m_panneau.remplir(critere, m_collation.trier(noms));
}

// The table row of the chosen category. The exact name comes first, so that
// of two categories differing only in case each shows its own sub-categories;
// failing that, the first name equal in upper case; 0 when none.
int RoutinesRecherche::categorieChoisie() const
{
    const QString texte = m_panneau.texte(Critere::Categorie);
    for (int c = 1; c <= m_base.NbCat; ++c)
        if (m_base.Cat(c) == texte)
            return c;
    const QString majuscules = texte.toUpper();
    for (int c = 1; c <= m_base.NbCat; ++c)
        if (m_base.Cat(c).toUpper() == majuscules)
            return c;
    return 0;
}

void RoutinesRecherche::RemplirListesRech(Remplissage remplissage)
{
    bool remplies = true;
    if (remplissage == Remplissage::Toutes) {
        m_listesDe = {};
        remplies = m_politique.etape([&] {
            m_magazinesListes = m_base.magazinesUtilises();
            remplirTrie(Critere::Magazine, m_magazinesListes + QStringList{EntreesTout::Tous});
        });
        choisir(Critere::Magazine, 0);
        remplies = m_politique.etape([&] {
            m_categoriesListes = m_base.categoriesUtilisees();
            remplirTrie(Critere::Categorie, m_categoriesListes + QStringList{EntreesTout::Toutes});
        }) && remplies;
        // Fills the sub-categories, as the category's click does.
        choisir(Critere::Categorie, 0);
    }
    m_panneau.remplir(Critere::SousCategorie, {EntreesTout::Toutes});
    m_sousCategoriesListes.clear();
    if (!activerSousCategories()) {
        m_panneau.choisir(Critere::SousCategorie, 0);
    } else {
        int c = 0;
        remplies = m_politique.etape([&] { c = categorieChoisie(); }) && remplies;
        remplies = m_politique.etape([&] {
            m_sousCategoriesListes = m_base.sousCategoriesUtilisees(c);
            remplirTrie(Critere::SousCategorie, m_sousCategoriesListes + QStringList{EntreesTout::Toutes});
        }) && remplies;
        if (remplissage == Remplissage::SousCategoriesSeules)
            m_panneau.choisir(Critere::SousCategorie, 0);
    }
    if (remplissage == Remplissage::Toutes && remplies)
        m_listesDe = m_base.etatNoms();
}

// The sub-categories can be chosen once a category is; chained entry keeps
// every search control disabled, whatever refresh runs meanwhile. True when
// a category is chosen.
bool RoutinesRecherche::activerSousCategories()
{
    const bool categorie = m_panneau.position(Critere::Categorie) != 0;
    m_panneau.activer(Critere::SousCategorie, categorie && m_panneau.rechercheActive());
    return categorie;
}

// The names used are those the lists hold (a validation changes counters
// but seldom which names are used).
bool RoutinesRecherche::listesInchangees() const
{
    try {
        if (m_base.magazinesUtilises() != m_magazinesListes || m_base.categoriesUtilisees() != m_categoriesListes)
            return false;
        const int c = m_panneau.position(Critere::Categorie) == 0 ? 0 : categorieChoisie();
        return c == 0 ? m_sousCategoriesListes.isEmpty() : m_base.sousCategoriesUtilisees(c) == m_sousCategoriesListes;
    } catch (const ErreurExecution&) {
        return false; // the refill tells the user
    }
}

void RoutinesRecherche::ActualiserListesRech()
{
    // No name and no counter changed since the lists were filled: they would
    // be filled again the same, with the same choices.
    const Tables::EtatNoms etat = m_base.etatNoms();
    if (m_listesDe == etat || (m_listesDe != Tables::EtatNoms{} && listesInchangees())) {
        m_listesDe = etat;
        activerSousCategories();
        return;
    }
    const QString categorie = m_panneau.texte(Critere::Categorie);
    const QString magazine = m_panneau.texte(Critere::Magazine);
    const QString sousCategorie = m_panneau.texte(Critere::SousCategorie);
    RemplirListesRech(Remplissage::Toutes);
    // The sub-categories can only be chosen again once the category's click
    // has rebuilt their list.
    choisirTexte(Critere::Categorie, categorie);
    choisirTexte(Critere::SousCategorie, sousCategorie);
    choisirTexte(Critere::Magazine, magazine);
}

// ---- Search ----

CriteresRecherche RoutinesRecherche::lireCriteres() const
{
    CriteresRecherche criteres;
    criteres.texte = m_panneau.texteRecherche();
    if (m_panneau.position(Critere::Magazine) > 0)
        criteres.magazine = m_panneau.texte(Critere::Magazine);
    if (m_panneau.position(Critere::Categorie) > 0) {
        criteres.categorie = m_panneau.texte(Critere::Categorie);
        if (m_panneau.position(Critere::SousCategorie) > 0)
            criteres.sousCategorie = m_panneau.texte(Critere::SousCategorie);
    }
    criteres.teste = std::max(0, m_panneau.position(Critere::Teste));
    return criteres;
}

void RoutinesRecherche::viderListes()
{
    m_trouvees.vider();
    m_panneau.afficherTrouvees();
}

// The found list is emptied and filled again in one go: the table shows it
// once, and keeps its rows when they are the same.
void RoutinesRecherche::Rechercher()
{
    m_trouvees.vider();
    const CriteresRecherche criteres = lireCriteres();
    const FiltreRecherche filtre(criteres);
    FiltreRecherche::Resultat resultat;
    // One step for the whole base: a recipe whose fields point outside the
    // tables is left out, and the user hears of it once per search, not
    // once per recipe.
    m_politique.etape([&] {
        {
            const CurseurAttente attente;
            m_ordre.mettreAJour(m_base, m_collation);
            resultat = filtre.filtrer(m_base, m_index, &m_valeurs);
        }
        if (resultat.erreur)
            throw *resultat.erreur;
    });
    {
        const CurseurAttente attente;
        afficherTrouvees(resultat, filtre.sansCritere());
    }
    afficherCompteurs();
}

// Both lists get one line per recipe found, in the order kept for the whole
// base.
void RoutinesRecherche::afficherTrouvees(const FiltreRecherche::Resultat& resultat, bool tout)
{
    if (tout && m_trouvees.taille() == 0) {
        // Every recipe: the kept lists are handed over whole.
        m_trouvees.noms = m_ordre.noms();
        m_trouvees.numeros = m_ordre.ordre();
    } else if (resultat.recettes) {
        // A few recipes: placed by their positions in the order.
        std::vector<int> gardees = *resultat.recettes;
        const std::vector<int>& position = m_ordre.positions();
        std::sort(gardees.begin(), gardees.end(), [&](int a, int b) {
            return position[static_cast<std::size_t>(a)] < position[static_cast<std::size_t>(b)];
        });
        m_trouvees.noms.reserve(m_trouvees.taille() + static_cast<qsizetype>(gardees.size()));
        for (const int r : gardees)
            m_trouvees.ajouter(m_ordre.nomDe(r), r);
    } else {
        m_trouvees.noms.reserve(m_trouvees.taille() + resultat.nbTrouvees);
        for (const int r : m_ordre.ordre())
            if (resultat.gardees[static_cast<std::size_t>(r)])
                m_trouvees.ajouter(m_ordre.nomDe(r), r);
    }
    m_panneau.afficherTrouvees();
}

void RoutinesRecherche::afficherCompteurs()
{
    m_panneau.afficherCompteurs(QStringLiteral("Recettes totales :") + FormatNombres::signe(m_base.NbRecett),
                                QStringLiteral("Recettes trouvées :") + FormatNombres::signe(m_trouvees.noms.size()));
}
