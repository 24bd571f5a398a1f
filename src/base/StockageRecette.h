#pragma once
#include <QString>
#include <array>

struct FicheRecette;
struct Tables;
class PolitiqueErreurs;
class RepertoireNoms;

// The names typed on the card, tidied, as they are about to be stored.
struct NomsSaisis {
    QString categorie;
    QString sousCategorie;
    QString magazine;
};

// A recipe as it was in its slot when it was deleted.
struct RecetteSupprimee {
    int slot = 0;
    std::array<QString, 4> textes;
    std::array<int, 4> valeurs{};
};

// Storing and deleting recipes in the tables with every counter kept exact,
// with no widget: the card's buffer in, the tables changed. Each change is a
// list of steps of the error policy.
class StockageRecette {
public:
    // An import hands in its hashed names (`noms`), which find or add the
    // very entries the card's look-up finds or adds.
    StockageRecette(Tables& tables, PolitiqueErreurs& politique, RepertoireNoms* noms = nullptr)
        : m_t(tables), m_politique(politique), m_noms(noms)
    {}

    // Finds or adds the typed names and counts the recipe under them, then
    // takes it out of the counters of the names it had before. The new
    // counters are raised first: while the recipe is being stored its old
    // names still count it and are not taken as free.
    void stockerNomsEtRetirerAnciens(FicheRecette& fiche, const NomsSaisis& noms);
    // Stores the card in its slot, a new slot at the end for a new recipe;
    // double quotes become apostrophes.
    void EnregistrerRecette(FicheRecette& fiche);
    // Both, as a validation stores a recipe that passed its checks.
    void stocker(FicheRecette& fiche, const NomsSaisis& noms)
    {
        stockerNomsEtRetirerAnciens(fiche, noms);
        EnregistrerRecette(fiche);
    }
    // Takes the recipe of the card out of the base: its counters, then every
    // later recipe moved down one slot. False when the card shows no recipe
    // of the base, which is then left alone. `retiree` receives the recipe
    // as it was.
    bool SupprimerRecette(const FicheRecette& fiche, RecetteSupprimee* retiree = nullptr);
    // Puts a deleted recipe back in its slot, the later recipes moved back up
    // and its counters raised again: the base as it was before the deletion,
    // provided that no name was added since. False when the base is full.
    bool restaurer(const RecetteSupprimee& recette);

private:
    int trouverOuAjouterCategorie(const QString& nom);
    int trouverOuAjouterSousCategorie(int categorie, const QString& nom);
    int trouverOuAjouterMagazine(const QString& nom);
    void retirerDesCompteurs(int categorie, int sousCategorie, int magazine);
    void decalerVersLeBas(int depuis);
    void decalerVersLeHaut(int depuis);

    Tables& m_t;
    PolitiqueErreurs& m_politique;
    RepertoireNoms* m_noms;
};
