#pragma once
#include "platform/ErreurExecution.h"
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
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

// The stamp of a table's contents. Every access that may write (a non-const
// one, a fill, a copy) gives the table the next stamp of one counter shared by
// all tables, so that a stamp never comes back: a search that kept what it
// built from a table with the same stamp knows, in O(1) and exactly, that the
// table did not change since. Only a reference kept across a search and
// written through later would escape it, and nobody keeps one.
class Tampon {
public:
    Tampon() : m_valeur(suivant()) {}
    Tampon(const Tampon&) : m_valeur(suivant()) {}
    Tampon& operator=(const Tampon&)
    {
        bouger();
        return *this;
    }
    quint64 bouger() { return m_valeur = suivant(); }
    quint64 valeur() const { return m_valeur; }
    // The last stamp given to any table: whatever is written later has a
    // greater one.
    static quint64 dernier() { return compteur(); }

private:
    static quint64& compteur()
    {
        static quint64 valeur = 0;
        return valeur;
    }
    static quint64 suivant() { return ++compteur(); }
    quint64 m_valeur;
};

// A table of the base with fixed bounds 0..N-1. Every index is checked: an
// index outside the table is a run-time error of the running routine.
template <class T, int N>
class Table {
public:
    Table() : m_v(N) {}
    static constexpr int taille = N;
    T& operator()(long long i)
    {
        m_tampon.bouger();
        return m_v[verifier(i)];
    }
    const T& operator()(long long i) const { return m_v[verifier(i)]; }
    void remplir(const T& valeur)
    {
        m_tampon.bouger();
        remplirValeurs(m_v, valeur);
    }
    quint64 tampon() const { return m_tampon.valeur(); }

private:
    static std::size_t verifier(long long i)
    {
        if (i < 0 || i >= N)
            throw ErreurExecution(Erreurs::IndiceHorsSelection);
        return static_cast<std::size_t>(i);
    }
    std::vector<T> m_v;
    Tampon m_tampon;
};

// A table with two indexes, 0..N-1 and 0..M-1.
template <class T, int N, int M>
class Table2 {
public:
    Table2() : m_v(static_cast<std::size_t>(N) * M) {}
    T& operator()(long long i, long long j)
    {
        const std::size_t k = verifier(i, j);
        m_tamponsLignes[static_cast<std::size_t>(i)] = m_tampon.bouger();
        return m_v[k];
    }
    const T& operator()(long long i, long long j) const { return m_v[verifier(i, j)]; }
    // Row i's M values, written one after the other (reading a base): one
    // check and one stamp for the row rather than one for each value.
    T* ligne(long long i)
    {
        const std::size_t k = verifier(i, 0);
        m_tamponsLignes[static_cast<std::size_t>(i)] = m_tampon.bouger();
        return m_v.data() + k;
    }
    // Every value, for a writer that fills many rows from another thread
    // (the second half of a base read on another core), which may not move
    // stamps: the whole table counts as written now.
    T* ecritureEnBloc()
    {
        m_tampon.bouger();
        m_entiere.bouger();
        return m_v.data();
    }
    void remplir(const T& valeur)
    {
        m_tampon.bouger();
        m_entiere.bouger();
        remplirValeurs(m_v, valeur);
    }
    quint64 tampon() const { return m_tampon.valeur(); }
    // Moves rows [de, de + n) to [a, a + n), the two ranges may overlap; the
    // rows left behind hold what remains of the moved values. One move of
    // the whole block rather than a copy of each value.
    void deplacerLignes(long long de, long long a, long long n)
    {
        if (n <= 0)
            return;
        const std::size_t source = verifier(de, 0), fin = verifier(de + n - 1, M - 1) + 1, cible = verifier(a, 0);
        verifier(a + n - 1, M - 1);
        const bool chevauchement = (a < de ? de - a : a - de) <= n;
        if (QTypeInfo<T>::isRelocatable && !std::is_trivially_copyable_v<T> && chevauchement)
            deplacerEnOctets(source, fin, cible);
        else if (a < de)
            std::move(m_v.begin() + source, m_v.begin() + fin, m_v.begin() + cible);
        else
            std::move_backward(m_v.begin() + source, m_v.begin() + fin, m_v.begin() + (cible + fin - source));
        const quint64 t = m_tampon.bouger();
        std::fill(m_tamponsLignes.begin() + a, m_tamponsLignes.begin() + a + n, t);
    }
    // Whether row i may have been written since the table had stamp
    // `depuis`: each row keeps the stamp of its last write, and a fill or a
    // copy of the whole table counts for every row. What a search keeps by
    // row is then checked again only for the rows written.
    bool ligneEcrite(long long i, quint64 depuis) const
    {
        return m_entiere.valeur() > depuis || m_tamponsLignes[static_cast<std::size_t>(i)] > depuis;
    }

private:
    // A deletion moves 132,000 texts down one row. Texts may move as bytes
    // (Qt relocates them so). For two ranges that overlap, the overwritten
    // values are set aside, the block goes in one memmove, and the values set
    // aside fill the rows left behind before being emptied, as a moved-from
    // text is.
    void deplacerEnOctets(std::size_t source, std::size_t fin, std::size_t cible)
    {
        const bool versLeBas = cible < source;
        const std::size_t ecrasees = versLeBas ? source - cible : cible - source;
        const std::size_t debutEcrasees = versLeBas ? cible : fin;
        const std::size_t laissees = versLeBas ? fin - ecrasees : source;
        auto* const octets = reinterpret_cast<unsigned char*>(m_v.data());
        std::vector<unsigned char> aCote(ecrasees * sizeof(T));
        std::memcpy(aCote.data(), octets + debutEcrasees * sizeof(T), aCote.size());
        std::memmove(octets + cible * sizeof(T), octets + source * sizeof(T), (fin - source) * sizeof(T));
        std::memcpy(octets + laissees * sizeof(T), aCote.data(), aCote.size());
        std::fill(m_v.begin() + static_cast<std::ptrdiff_t>(laissees),
                  m_v.begin() + static_cast<std::ptrdiff_t>(laissees + ecrasees), T{});
    }
    static std::size_t verifier(long long i, long long j)
    {
        if (i < 0 || i >= N || j < 0 || j >= M)
            throw ErreurExecution(Erreurs::IndiceHorsSelection);
        return static_cast<std::size_t>(i) * M + static_cast<std::size_t>(j);
    }
    std::vector<T> m_v;
    std::vector<quint64> m_tamponsLignes = std::vector<quint64>(N);
    Tampon m_tampon;
    Tampon m_entiere; // moved by a fill, a copy, an assignment
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

    // What the found list is built from, as stamps: equal stamps mean that
    // nothing of it changed (see Tampon).
    struct Etat {
        int nbRecett = -1;
        quint64 textes = 0;
        quint64 valeurs = 0;
        bool operator==(const Etat&) const = default;
    };
    Etat etatRecettes() const { return {NbRecett, RecettTexte.tampon(), RecettVal.tampon()}; }
    // The same for the names offered by the criteria lists: the names and
    // their counters.
    struct EtatNoms {
        int nbCat = -1;
        int nbMag = -1;
        std::array<quint64, 7> tables{};
        bool operator==(const EtatNoms&) const = default;
    };
    EtatNoms etatNoms() const
    {
        return {NbCat,
                NbMag,
                {Cat.tampon(), CatNbRecett.tampon(), NbSousCat.tampon(), SousCat.tampon(), SousCatNbRecett.tampon(),
                 Mag.tampon(), MagNbRecett.tampon()}};
    }
};
