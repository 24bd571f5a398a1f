#pragma once
#include "PanneauFiche.h"
#include "StockageRecette.h"
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
    void ValiderRecette();
    void SupprimerRecette();
    // Ctrl+Z: the recipe deleted last back in its slot, then the refresh, and
    // its card shown as after a click on its line. One level only.
    void AnnulerSuppression();
    // After a validation, a save, or another base: the deletion is no longer
    // undone.
    void oublierSuppression() { m_suppression.reset(); }

    void CommandRecettNouvelle_Click();
    void CommandRecettValider_Click();
    void CommandRecettSuppr_Click();
    void CheckRecettTeste_Click(bool testee);

signals:
    // The general refresh, which the application runs.
    void actualisationDemandee();
    // The card no longer shows a line of the found list.
    void ficheVidee();
    // Line k of the found list to be chosen, as the user would click it.
    void ligneAMontrer(int k);

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
