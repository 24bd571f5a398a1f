#pragma once
#include "PanneauFiche.h"
#include "base/ControleFiche.h"
#include "base/StockageRecette.h"
#include "base/Tables.h"
#include <QObject>
#include <optional>

struct EtatProgramme;
struct FicheRecette;
struct ListeTrouvee;
struct Tables;
class Collation;
class Plateforme;
class PolitiqueErreurs;

// The recipe card: showing a recipe or an empty card, validating and storing
// it, deleting it, on the card panel.
class RoutinesFiche : public QObject {
    Q_OBJECT
public:
    RoutinesFiche(Tables& base, FicheRecette& fiche, const ListeTrouvee& trouvees, PolitiqueErreurs& politique,
                  Plateforme& plateforme, const Collation& collation, PanneauFiche& panneau);

    void NouvelleFiche();
    // Chained entry's next card: empty but for the magazine and the number of
    // the recipe just stored, so that the recipes of one issue follow.
    void NouvelleFicheEnChaine();
    // The recipe of line k of the found list.
    void AfficherRecette(int k);
    void RemplirFiche();
    void RemplirListesFiche();
    void RemplirSousCatFiche();
    // True when the card was stored; a refused card stays as it is. The
    // caller refreshes, or puts up the next empty card in chained entry.
    bool ValiderRecette();
    // True when the recipe was taken out of the base; the caller refreshes.
    bool SupprimerRecette();
    // Ctrl+Z: the recipe deleted last back in its slot; its slot, or nothing
    // when there was nothing to undo. One level only.
    std::optional<int> AnnulerSuppression();
    // After a validation, a save, or another base: the deletion is no longer
    // undone.
    void oublierSuppression() { m_suppression.reset(); }

    // The card holds what the user typed and did not validate: a field of an
    // existing recipe changed, or anything typed on a new card.
    bool ficheModifiee() const;
    // The slot of the recipe the card shows, if it shows one.
    std::optional<int> recetteAffichee() const;

    void CommandRecettNouvelle_Click();
    void CheckRecettTeste_Click(bool testee);

signals:
    // The card no longer shows a line of the found list.
    void ficheVidee();

private:
    bool refuser(const QString& message);
    bool confirmerDoublon(const SaisieFiche& saisie);
    void lireChamps();
    // The card's fields as shown, to tell what the user changed.
    struct Contenu {
        QStringList champs;
        bool testee = false;
        bool operator==(const Contenu&) const = default;
    };
    Contenu contenu() const;
    void retenirContenu() { m_contenu = contenu(); }

    Tables& m_base;
    // Reading through this keeps the tables' stamps still.
    const Tables& lue() const { return m_base; }
    // What the card's lists were filled from.
    Tables::EtatNoms m_listesDe;
    QStringList m_magazinesListes, m_categoriesListes;
    FicheRecette& m_fiche;
    const ListeTrouvee& m_trouvees;
    PolitiqueErreurs& m_politique;
    Plateforme& m_plateforme;
    const Collation& m_collation;
    PanneauFiche& m_panneau;
    StockageRecette m_stockage;
    std::optional<RecetteSupprimee> m_suppression;
    Contenu m_contenu; // what was put on the card
};
