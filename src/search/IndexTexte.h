#pragma once
#include <QString>
#include <vector>

struct Tables;

// The four text fields of every recipe (name, issue number, notes, pages)
// joined and case-folded once, so that a text search over a full base is one
// plain search per recipe. Each slot is folded again only when one of its
// fields changed since the last search.
class IndexTexte {
public:
    void mettreAJour(const Tables& base);
    // The folded fields of slot r, each followed by a separator no typed
    // text holds, so that a text is never found across two fields.
    const QString& texte(int r) const { return m_entrees[static_cast<std::size_t>(r)].plie; }

    static QString plier(const QString& texte) { return texte.toCaseFolded(); }

private:
    bool reprendreDuSuivant(const Tables& base, int r);
    struct Entree {
        QString champs[4];
        QString plie;
        bool connue = false;
    };
    std::vector<Entree> m_entrees;
};
