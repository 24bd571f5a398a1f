#pragma once

class Programme;

// Loading, saving and creating bases: the file routines wrapped in the
// progress window, and the "Charger" and "Nouvelle" buttons.
class RoutinesBases {
public:
    explicit RoutinesBases(Programme& p) : p(p) {}
    void brancher();

    void ChargerBase();
    void SauverBase();
    void LireBase();
    void EcrireBase();

private:
    Programme& p;
};
