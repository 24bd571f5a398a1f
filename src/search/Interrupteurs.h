#pragma once

class Programme;

// The chained-entry, notes and tested switches.
class RoutinesInterrupteurs {
public:
    explicit RoutinesInterrupteurs(Programme& p) : p(p) {}
    void brancher();

    void CheckSaisie_Click();
    void CheckNotes_Click();
    void CheckRecettTeste_Click();

private:
    void activerRecherche(bool actif);

    Programme& p;
};
