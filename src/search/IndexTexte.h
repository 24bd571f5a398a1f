#pragma once
#include "base/Tables.h"
#include <QString>
#include <QStringView>
#include <array>
#include <vector>

// The four text fields of every recipe (number, pages, notes, name)
// folded once (PliageFrancais) and joined, so that a text search over a full
// base reads each recipe's text as it is. Each slot is folded again only when
// one of its fields changed since the last search, which the stamp of the
// recipes' texts tells at once when none did.
class IndexTexte {
public:
    // The print of a text: the pairs and triples of characters it holds, as
    // bits. A text that lacks one of a word's cannot hold the word, which
    // spares the search most recipes.
    struct Empreinte {
        std::array<quint64, 8> bits{};
        void ajouter(QStringView texte);
        bool contient(const Empreinte& autre) const;

    private:
        void marquer(quint64 cle);
    };
    // A slot's folded fields, each followed by a separator: fins[c] is where
    // field c ends, so that a word is never found across two fields.
    struct Champs {
        QString texte;
        std::array<qsizetype, 4> fins{};
    };

    void mettreAJour(const Tables& base);
    const Champs& champs(int r) const { return m_entrees[static_cast<std::size_t>(r)].plies; }
    const Empreinte& empreinte(int r) const { return m_empreintes[static_cast<std::size_t>(r)]; }

private:
    bool reprendreDuSuivant(const Tables& base, int r);
    struct Entree {
        QString champs[4];
        Champs plies;
        bool connue = false;
    };
    std::vector<Entree> m_entrees;
    // Apart from the entries: a search reads every print, one after the
    // other, and the fields of the few recipes whose print may hold the words.
    std::vector<Empreinte> m_empreintes;
    Tables::Etat m_vu;
};
