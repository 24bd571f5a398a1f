#pragma once
#include <QString>
#include <algorithm>
#include <cstring>
#include <vector>

// The texts of a base repeat: an issue number and its pages under each of
// its recipes, the same name in several issues. While a base is read into
// empty tables (at start-up), each distinct value is decoded once and its
// repeats share that string (Qt's implicit sharing: changing one of them
// later copies it first). A full base holds about 10,000 distinct texts in
// 132,000 values: far fewer allocations, and less memory.
//
// The keys are the file's own bytes, which must outlive the collection.
class RecueilTextes {
public:
    // `cible` receives the text of these bytes: the string already decoded
    // for them, or else the one `lire` puts into it, kept for the repeats.
    template <class Lire>
    void partager(QString& cible, const unsigned char* octets, qsizetype n, Lire&& lire)
    {
        if (4 * (m_nombre + 1) > 3 * m_entrees.size())
            agrandir();
        const std::size_t h = empreinte(octets, n);
        const std::size_t masque = m_entrees.size() - 1;
        std::size_t i = h & masque;
        for (; m_entrees[i].octets; i = (i + 1) & masque) {
            const Entree& e = m_entrees[i];
            if (e.empreinte == h && e.taille == n && egaux(e, octets, n)) {
                if (cible.constData() != e.texte.constData())
                    cible = e.texte;
                return;
            }
        }
        lire();
        Entree& e = m_entrees[i];
        e = Entree{h, octets, n, {}, cible};
        std::memcpy(e.debut, octets, static_cast<std::size_t>(std::min<qsizetype>(n, Debut)));
        ++m_nombre;
    }

private:
    // An entry fills one cache line; the first bytes kept in it spare a
    // visit to the file for the short values, the most repeated.
    static constexpr qsizetype Debut = 16;
    struct alignas(64) Entree {
        std::size_t empreinte = 0;
        const unsigned char* octets = nullptr;
        qsizetype taille = 0;
        unsigned char debut[Debut]{};
        QString texte;
    };
    static bool egaux(const Entree& e, const unsigned char* octets, qsizetype n)
    {
        if (std::memcmp(e.debut, octets, static_cast<std::size_t>(std::min(n, Debut))) != 0)
            return false;
        return n <= Debut || std::memcmp(e.octets + Debut, octets + Debut, static_cast<std::size_t>(n - Debut)) == 0;
    }
    static std::size_t empreinte(const unsigned char* octets, qsizetype n);
    void agrandir();

    std::vector<Entree> m_entrees;
    std::size_t m_nombre = 0;
};
