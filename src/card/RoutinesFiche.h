#pragma once
#include <QPointer>
#include <QString>

class ChampsFiche;
class FrmPrincipal;
class Programme;

// The recipe card: display, validation and storage, deletion, entry fields.
class RoutinesFiche {
public:
    explicit RoutinesFiche(Programme& p) : p(p) {}
    // The card's event filter goes before the window: the window's fields,
    // destroyed after it, must not reach a filter that reads the window.
    ~RoutinesFiche();
    void brancher();

    void NouvelleFiche();
    void AfficherRecette();
    void RemplirFiche();
    void RemplirSousCatFiche();
    void ValiderRecette();
    void EnregistrerRecette();
    void SupprimerRecette();

    // Handlers of the card's buttons and of the found list.
    void CommandRecettNouvelle_Click();
    void CommandRecettValider_Click();
    void CommandRecettSuppr_Click();
    void ListRecettes_Click();

    // The notes as the base keeps them (CR LF line breaks), read from the box.
    static QString notesDuChamp(const FrmPrincipal& fen);

private:
    void lireChamps();
    bool refuser(const QString& message);
    void stockerNomsEtRetirerAnciens();
    void retirerDesCompteurs(int categorie, int sousCategorie, int magazine);
    void decalerVersLeBas(int depuis);

    Programme& p;
    QPointer<ChampsFiche> m_champs;
};
