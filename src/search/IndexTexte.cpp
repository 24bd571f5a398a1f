#include "IndexTexte.h"
#include "MemeTexte.h"
#include "base/PliageFrancais.h"
#include "base/Tables.h"
#include <algorithm>
#include <utility>

namespace {
constexpr QChar Separateur = QChar(0);
}

void IndexTexte::Empreinte::ajouter(QStringView texte)
{
    quint64 suite = 0; // the last three characters, 16 bits each
    for (qsizetype i = 0; i < texte.size(); ++i) {
        suite = (suite << 16 | texte[i].unicode()) & 0xFFFF'FFFF'FFFFu;
        if (i >= 1)
            marquer((suite & 0xFFFF'FFFFu) | quint64(1) << 48);
        if (i >= 2)
            marquer(suite | quint64(2) << 48);
    }
}

void IndexTexte::Empreinte::marquer(quint64 cle)
{
    const quint64 bit = (cle * 0x9E37'79B9'7F4A'7C15u) >> 55; // 0..511, spread by the multiplication
    bits[bit / 64] |= quint64(1) << (bit % 64);
}

bool IndexTexte::Empreinte::contient(const Empreinte& autre) const
{
    quint64 manque = 0;
    for (std::size_t i = 0; i < bits.size(); ++i)
        manque |= autre.bits[i] & ~bits[i];
    return manque == 0;
}

void IndexTexte::mettreAJour(const Tables& base)
{
    // Texts untouched since the last search: every slot is folded already.
    const Tables::Etat etat = base.etatRecettes();
    if (etat.nbRecett == m_vu.nbRecett && etat.textes == m_vu.textes)
        return;
    const Tables::Etat vu = std::exchange(m_vu, etat);
    const int nb = std::clamp(base.NbRecett, 0, Tables::MaxRecett);
    if (m_entrees.size() < static_cast<std::size_t>(nb) + 1) {
        m_entrees.resize(static_cast<std::size_t>(nb) + 1);
        m_empreintes.resize(m_entrees.size());
    }
    for (int r = 1; r <= nb; ++r) {
        Entree& e = m_entrees[static_cast<std::size_t>(r)];
        // A slot read at the last search and not written since is as it was:
        // the last search folded every slot up to its count. Only the rows'
        // stamps are read, which lie close together; the entries would bring
        // 33,000 lines into the cache.
        if (r <= vu.nbRecett && !base.RecettTexte.ligneEcrite(r, vu.textes))
            continue;
        bool change = !e.connue;
        for (int champ = 0; champ < 4 && !change; ++champ)
            change = !memeTexte(e.champs[champ], base.RecettTexte(r, champ));
        if (!change)
            continue;
        if (reprendreDuSuivant(base, r))
            continue;
        e.plies.texte.clear();
        for (int champ = 0; champ < 4; ++champ) {
            e.champs[champ] = base.RecettTexte(r, champ);
            e.plies.texte += PliageFrancais::plier(e.champs[champ]);
            e.plies.fins[static_cast<std::size_t>(champ)] = e.plies.texte.size();
            e.plies.texte += Separateur;
        }
        Empreinte& empreinte = m_empreintes[static_cast<std::size_t>(r)];
        empreinte = {};
        empreinte.ajouter(e.plies.texte);
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
    m_empreintes[static_cast<std::size_t>(r)] = m_empreintes[suivant];
    return true;
}
