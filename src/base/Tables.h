#pragma once
#include "platform/ErreurExecution.h"
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstring>
#include <type_traits>
#include <vector>

// Fills a table; counters are cleared with one memset, which stays one call
// even in instrumented builds where a plain loop is checked element by element.
template <class T>
void remplirValeurs(std::vector<T>& v, const T& valeur)
{
    if constexpr (std::is_arithmetic_v<T>) {
        if (valeur == T{}) {
            std::memset(v.data(), 0, v.size() * sizeof(T));
            return;
        }
    }
    std::fill(v.begin(), v.end(), valeur);
}

// A table of the base with fixed bounds 0..N-1. Every index is checked: an
// index outside the table is a run-time error of the running routine.
template <class T, int N>
class Table {
public:
    Table() : m_v(N) {}
    static constexpr int taille = N;
    T& operator()(long long i) { return m_v[verifier(i)]; }
    const T& operator()(long long i) const { return m_v[verifier(i)]; }
    void remplir(const T& valeur) { remplirValeurs(m_v, valeur); }

private:
    static std::size_t verifier(long long i)
    {
        if (i < 0 || i >= N)
            throw ErreurExecution(Erreurs::IndiceHorsSelection);
        return static_cast<std::size_t>(i);
    }
    std::vector<T> m_v;
};

// A table with two indexes, 0..N-1 and 0..M-1.
template <class T, int N, int M>
class Table2 {
public:
    Table2() : m_v(static_cast<std::size_t>(N) * M) {}
    T& operator()(long long i, long long j) { return m_v[verifier(i, j)]; }
    const T& operator()(long long i, long long j) const { return m_v[verifier(i, j)]; }
    void remplir(const T& valeur) { remplirValeurs(m_v, valeur); }

private:
    static std::size_t verifier(long long i, long long j)
    {
        if (i < 0 || i >= N || j < 0 || j >= M)
            throw ErreurExecution(Erreurs::IndiceHorsSelection);
        return static_cast<std::size_t>(i) * M + static_cast<std::size_t>(j);
    }
    std::vector<T> m_v;
};

// The columns of a recipe: RecettTexte(r, Recette::Nom), RecettVal(r,
// Recette::Magazine)... Loops over the four fields of each kind stay numeric.
namespace Recette {
enum Texte : int { Numero = 0, Page = 1, Notes = 2, Nom = 3 };
enum Valeur : int { Categorie = 0, SousCategorie = 1, Magazine = 2, Testee = 3 };
} // namespace Recette

// The whole recipe base in memory. Index 0 of every table is never part of the
// base. A counter at 0 marks an unused name, which keeps its slot until a new
// name takes it.
struct Tables {
    static constexpr int MaxCat = 200;
    static constexpr int MaxSousCat = 500;
    static constexpr int MaxMag = 500;
    static constexpr int MaxRecett = 33000;

    int NbCat = 0;
    int NbMag = 0;
    int NbRecett = 0;

    Table<QString, MaxCat + 1> Cat;
    Table<int, MaxCat + 1> CatNbRecett;
    Table<int, MaxCat + 1> NbSousCat;
    Table2<QString, MaxCat + 1, MaxSousCat + 1> SousCat;
    Table2<int, MaxCat + 1, MaxSousCat + 1> SousCatNbRecett;
    Table<QString, MaxMag + 1> Mag;
    Table<int, MaxMag + 1> MagNbRecett;
    // Fields: Recette::Texte.
    Table2<QString, MaxRecett + 1, 4> RecettTexte;
    // Fields: Recette::Valeur (tested is 0 or 1).
    Table2<int, MaxRecett + 1, 4> RecettVal;

    // Counts and counters to 0; names and recipe fields are left as they are,
    // whatever lies beyond the counts being ignored.
    void ViderCompteurs();

    // Makes the tables consistent after a reading that was cut short: counts
    // within their bounds, value fields pointing inside the tables (else 0),
    // and every counter recounted from the recipes.
    void remettreEnCoherence();

    // The names that recipes use (counter above 0), in table order: the only
    // ones any list offers.
    QStringList categoriesUtilisees() const;
    QStringList sousCategoriesUtilisees(int c) const;
    QStringList magazinesUtilises() const;

    // The recipes counted under each category, sub-category and magazine,
    // in one pass; recipes pointing outside the tables are not counted.
    struct Comptes {
        std::vector<int> parCat;     // 0..MaxCat
        std::vector<int> parSousCat; // by sousCat(c, s)
        std::vector<int> parMag;     // 0..MaxMag
        int sousCat(int c, int s) const { return parSousCat[indice(c, s)]; }
        static std::size_t indice(int c, int s)
        {
            return static_cast<std::size_t>(c) * (MaxSousCat + 1) + static_cast<std::size_t>(s);
        }
    };
    Comptes recompter() const;
};
