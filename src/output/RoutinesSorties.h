#pragma once

class Programme;

// The index text file and the two printouts.
class RoutinesSorties {
public:
    explicit RoutinesSorties(Programme& p) : p(p) {}
    void brancher();

    void CreerIndex();
    void ChoisirImprimante();
    void ImprimerRecette();
    void ImprimerListe();

private:
    Programme& p;
};
