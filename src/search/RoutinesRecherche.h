#pragma once
#include "FiltreRecherche.h"
#include "IndexTexte.h"
#include "IndexValeurs.h"
#include "ModeleTrouvees.h"
#include "OrdreRecettes.h"
#include "PanneauRecherche.h"
#include "base/Tables.h"
#include <QObject>

struct ListeTrouvee;
struct Tables;
class Collation;
class PolitiqueErreurs;

// The search criteria lists and the search with the found list and its
// counters, on the search panel.
class RoutinesRecherche : public QObject {
    Q_OBJECT
public:
    RoutinesRecherche(const Tables& base, ListeTrouvee& trouvees, PolitiqueErreurs& politique,
                      const Collation& collation, PanneauRecherche& panneau);

    // Which lists a filling rebuilds: all three, or only the sub-categories
    // of the category chosen.
    enum class Remplissage { Toutes, SousCategoriesSeules };
    void RemplirListesRech(Remplissage remplissage);
    void ActualiserListesRech();
    // Fills the found list with the recipes found, and sets both counters.
    void Rechercher();
    // Empties the found list, as shown and as kept.
    void viderListes();

private:
    using Critere = PanneauRecherche::Critere;
    // Chooses a position by program and does what the list's click does to
    // the lists, whether or not the position changes.
    void choisir(Critere critere, int position);
    void choisirTexte(Critere critere, const QString& texte);
    void remplirTrie(Critere critere, const QStringList& noms);
    int categorieChoisie() const;
    CriteresRecherche lireCriteres() const;
    void afficherTrouvees(const FiltreRecherche::Resultat& resultat, bool tout);
    void afficherCompteurs();
    bool activerSousCategories();
    bool listesInchangees() const;

    const Tables& m_base;
    ListeTrouvee& m_trouvees;
    PolitiqueErreurs& m_politique;
    const Collation& m_collation;
    PanneauRecherche& m_panneau;
    OrdreRecettes m_ordre;
    IndexTexte m_index;
    IndexValeurs m_valeurs;
    ModeleTrouvees m_modele; // the found list as the table shows it
    // What the criteria lists were filled from: the tables' stamps, the names.
    Tables::EtatNoms m_listesDe;
    QStringList m_magazinesListes, m_categoriesListes, m_sousCategoriesListes;
};
