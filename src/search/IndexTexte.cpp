#include "IndexTexte.h"
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
            change = e.champs[champ] != base.RecettTexte(r, champ);
        if (!change)
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
