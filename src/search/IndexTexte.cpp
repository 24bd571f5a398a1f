#include "IndexTexte.h"
#include "MemeTexte.h"
#include "base/Tables.h"
#include <algorithm>

namespace {
constexpr QChar Separateur = QChar(0);
}

void IndexTexte::mettreAJour(const Tables& base)
{
    const int nb = std::clamp(base.NbRecett, 0, Tables::MaxRecett);
    if (m_entrees.size() < static_cast<std::size_t>(nb) + 1)
        m_entrees.resize(static_cast<std::size_t>(nb) + 1);
    for (int r = 1; r <= nb; ++r) {
        Entree& e = m_entrees[static_cast<std::size_t>(r)];
        bool change = !e.connue;
        for (int champ = 0; champ < 4 && !change; ++champ)
            change = !memeTexte(e.champs[champ], base.RecettTexte(r, champ));
        if (!change)
            continue;
        if (reprendreDuSuivant(base, r))
            continue;
        QString joint;
        for (int champ = 0; champ < 4; ++champ) {
            e.champs[champ] = base.RecettTexte(r, champ);
            joint += e.champs[champ] + Separateur;
        }
        e.plie = plier(joint);
        e.connue = true;
    }
}

// A deletion moves every later recipe down one slot: the fields a slot now
// holds are those the next slot held, folded already. The next slot is not
// yet read again when this one is.
bool IndexTexte::reprendreDuSuivant(const Tables& base, int r)
{
    const auto suivant = static_cast<std::size_t>(r) + 1;
    if (suivant >= m_entrees.size() || !m_entrees[suivant].connue)
        return false;
    const Entree& s = m_entrees[suivant];
    for (int champ = 0; champ < 4; ++champ)
        if (s.champs[champ] != base.RecettTexte(r, champ))
            return false;
    m_entrees[static_cast<std::size_t>(r)] = s;
    return true;
}
