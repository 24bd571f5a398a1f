#pragma once

class Programme;

// The chained-entry, notes and tested switches.
class RoutinesInterrupteurs {
public:
    explicit RoutinesInterrupteurs(Programme& p) : p(p) {}
    void brancher();

private:
    Programme& p;
};
