#pragma once
#include "PanneauFiche.h"
#include "base/StockageRecette.h"
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

    void CommandRecettNouvelle_Click();
    void CheckRecettTeste_Click(bool testee);

signals:
    // The card no longer shows a line of the found list.
    void ficheVidee();

private:
    bool refuser(const QString& message);
    void lireChamps();

    Tables& m_base;
    FicheRecette& m_fiche;
    const ListeTrouvee& m_trouvees;
    PolitiqueErreurs& m_politique;
    Plateforme& m_plateforme;
    const Collation& m_collation;
    PanneauFiche& m_panneau;
    StockageRecette m_stockage;
    std::optional<RecetteSupprimee> m_suppression;
};
