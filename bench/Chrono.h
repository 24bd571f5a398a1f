#pragma once
// A small timing bench: named operations, each with its target in
// milliseconds, run several times; the table shows the median and the spread.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct Mesure {
    double mediane = 0;
    double min = 0;
    double max = 0;
};

// Times one body 'essais' times after one untimed warm-up run; preparer runs
// before each run, untimed.
Mesure mesurer(int essais, const std::function<void()>& corps, const std::function<void()>& preparer = {});

class Registre {
public:
    static constexpr double SansCible = -1;

    // preparer runs before each timed run, untimed (fresh tables, a file in
    // place); corps is what is timed. essais, when given, replaces the number
    // of runs of the whole table (for the operations that take seconds).
    void ajouter(const QString& nom, double cibleMs, std::function<void()> corps, std::function<void()> preparer = {},
                 int essais = 0);

    // Runs every operation 'essais' times (after one untimed warm-up run) and
    // prints the table as it goes. Returns the number of missed targets.
    // Only the operations whose name holds 'filtre' run when it is given
    // (to profile one of them).
    // With `afficher` false, nothing is printed.
    int executer(int essais, const QString& filtre = {}, bool afficher = true);

    QStringList noms() const;

    // The measure of an operation once the table has run.
    Mesure resultat(const QString& nom) const;

private:
    struct Operation {
        QString nom;
        double cibleMs;
        std::function<void()> corps;
        std::function<void()> preparer;
        int essais;
        Mesure mesure;
    };
    std::vector<Operation> m_operations;
};

// Prints a line of a table: the first column left-justified on 'largeur'.
void ligneTableau(const QString& premiere, const QString& reste, int largeur = 40);

// Peak resident memory of the process so far, in MB.
double memoireMaxMo();
