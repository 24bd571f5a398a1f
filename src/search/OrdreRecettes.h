#pragma once
#include "base/Collation.h"
#include "base/Tables.h"
#include <QStringList>
#include <optional>
#include <vector>

// The order of the found list for every recipe of the base: by name with the
// program's collation, then, for equal names, by the text of the slot number
// (" 12" before " 3"). A search only filters this order, so it never sorts.
//
// The order keeps each slot's name and collation key. Before each use it
// looks at the stamp of the recipes' texts; when that moved, it compares every
// name with the one it was built from: a name changed by the card, a recipe
// added or deleted, or a whole new base is noticed on its own and only the
// changed slots are placed again. Nobody needs to tell it.
class OrdreRecettes {
public:
    // Brings the order in line with the base.
    void mettreAJour(const Tables& base, const Collation& collation);

    // Slots 1..NbRecett in the found list's order, with, at the same
    // positions, their names.
    const std::vector<int>& ordre() const { return m_ordre; }
    const QStringList& noms() const
    {
        rangerNoms();
        return m_noms;
    }
    // The name of slot r (1..NbRecett).
    const QString& nomDe(int r) const { return m_entrees[static_cast<std::size_t>(r)].nom; }
    // The position of each slot 1..NbRecett in the order.
    const std::vector<int>& positions() const { return m_positions; }

    // true when slot a comes before slot b.
    bool avant(int a, int b) const;

private:
    struct Entree {
        QString nom;
        std::optional<Collation::Cle> cle; // none until the slot is first seen
    };
    // 'decalage' tells whether the change was the deletion of one slot, every
    // later recipe moved down one slot.
    std::vector<int> relever(const Tables& base, const Collation& collation, int nb, const Tables::Etat& vu,
                             bool& decalage);
    bool releverDecalage(const Tables& base, int nb, std::vector<int>& changees);
    std::optional<Collation::Cle> cleDuSuivant(int r, const QString& nom) const;
    void construire(const Tables& base, const Collation& collation, int nb);
    void trierTout(int nb);
    // The slots gathered by name: each slot's group, and each group's first
    // slot, the groups in the order their names first come.
    struct Groupes {
        std::vector<int> deSlot; // by slot; index 0 unused
        std::vector<int> premier;
    };
    template <class Nom>
    static Groupes grouperParNom(int nb, Nom nom);
    void ordonnerGroupes(const Groupes& groupes, int nb);
    void renumeroter(int supprime);
    std::optional<int> releverInsertion(const Tables& base, const Collation& collation, int nb);
    void renumeroterInsertion(int insere);
    void retrierHomonymes();
    void insererALaPlace(int r);
    template <class Choix>
    void retirer(Choix aRetirer);
    void replacer(const std::vector<int>& changees, int nb);
    void rangerPositions();
    void rangerNoms() const;

    std::vector<Entree> m_entrees; // by slot; index 0 unused
    std::vector<int> m_ordre;
    // At the same positions: whether the name differs from the one before,
    // so that recipes of one name are found without comparing names.
    std::vector<char> m_nouveauNom;
    std::vector<int> m_positions;
    mutable QStringList m_noms;
    mutable bool m_nomsAJour = false;
    int m_nb = 0;
    Tables::Etat m_vu;
};
