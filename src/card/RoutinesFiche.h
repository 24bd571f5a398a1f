#pragma once

class Programme;

// The recipe card: display, validation and storage, deletion, entry fields.
class RoutinesFiche {
public:
    explicit RoutinesFiche(Programme& p) : p(p) {}
    void brancher();

    void NouvelleFiche();
    void AfficherRecette();
    void RemplirFiche();
    void RemplirSousCatFiche();
    void ValiderRecette();
    void EnregistrerRecette();
    void SupprimerRecette();

private:
    Programme& p;
};
