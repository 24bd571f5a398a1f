#pragma once
#include <QString>
#include <cstdint>

struct Tables;

// Builds realistic French recipe bases for the demo folder and the benchmark.
// Everything comes from a seeded generator of its own, so that the same
// parameters give the same base, byte for byte, on every machine.
namespace Generateur {

struct Parametres {
    int recettes = 33000;
    int categories = 40; // at most the number the vocabulary offers
    int magazines = 60;  // idem
    // Some names whose counter is 0: a category whose recipes were all moved
    // away, sub-categories and magazines no longer used.
    bool nomsInutilises = true;
    std::uint64_t graine = 2005;
};

// The full base of the benchmark: 33,000 recipes.
Parametres baseComplete();
// The demo base shipped in the demo folder: a few hundred cards.
Parametres baseDemo();

// Empties the tables and fills them; every counter agrees with the recipes.
void remplir(Tables& tables, const Parametres& parametres);

// The older layouts that the conversion reads.
enum class FormatAncien {
    SansEntete, // before v1.2: the layout starts with the number of categories
    V12,        // v1.2: the two header lines -1 and "v1.2"
};

// The text of the base in an older layout, with nbFaux category counters and
// nbFaux sub-category counters made wrong (as older versions left them).
QString texteAncien(const Tables& tables, FormatAncien format, int nbFaux);

// A small seeded generator (splitmix64): the same seed gives the same
// sequence everywhere.
class Alea {
public:
    explicit Alea(std::uint64_t graine) : m_etat(graine) {}
    std::uint64_t suivant();
    // A whole number in 0..n-1 (n > 0).
    int sous(int n);
    // True with a probability of pourcent / 100.
    bool chance(int pourcent) { return sous(100) < pourcent; }

private:
    std::uint64_t m_etat;
};

} // namespace Generateur
