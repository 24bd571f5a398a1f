#pragma once
// A small timing bench: named operations, each with its target in
// milliseconds, run several times; the table shows the median and the spread.
#include <QString>
#include <functional>
#include <vector>

struct Mesure {
    double mediane = 0;
    double min = 0;
    double max = 0;
};

class Registre {
public:
    // preparer runs before each timed run, untimed (fresh tables, a file in
    // place); corps is what is timed.
    void ajouter(const QString& nom, double cibleMs, std::function<void()> corps,
                 std::function<void()> preparer = {});

    // Runs every operation 'essais' times (after one untimed warm-up run) and
    // prints the table. Returns the number of missed targets.
    int executer(int essais) const;

private:
    struct Operation {
        QString nom;
        double cibleMs;
        std::function<void()> corps;
        std::function<void()> preparer;
    };
    static Mesure mesurer(const Operation& op, int essais);
    std::vector<Operation> m_operations;
};

// Peak resident memory of the process so far, in MB.
double memoireMaxMo();
