#include "RecueilTextes.h"
#include <QtGlobal>
#include <algorithm>

namespace {
quint64 melanger(quint64 h, quint64 mot)
{
    constexpr quint64 Multiplicateur = 0x9E3779B97F4A7C15ULL;
    h = (h ^ mot) * Multiplicateur;
    return h ^ (h >> 29);
}
quint64 mot(const unsigned char* octets)
{
    quint64 m;
    std::memcpy(&m, octets, sizeof m);
    return m;
}
} // namespace

// The length, and the first, middle and last eight bytes: every byte of a
// value up to 24 long, a fixed cost for a longer one. Two long texts equal
// there only share a probe, the bytes being compared.
std::size_t RecueilTextes::empreinte(const unsigned char* octets, qsizetype n)
{
    quint64 h = static_cast<quint64>(n);
    if (n >= 8) {
        h = melanger(h, mot(octets));
        h = melanger(h, mot(octets + (n - 8) / 2));
        h = melanger(h, mot(octets + n - 8));
    } else {
        quint64 m = 0;
        for (qsizetype i = 0; i < n; ++i)
            m |= static_cast<quint64>(octets[i]) << (8 * i);
        h = melanger(h, m);
    }
    return static_cast<std::size_t>(h ^ (h >> 32));
}

void RecueilTextes::agrandir()
{
    std::vector<Entree> anciennes = std::move(m_entrees);
    m_entrees.assign(std::max<std::size_t>(16384, 2 * anciennes.size()), Entree{});
    const std::size_t masque = m_entrees.size() - 1;
    for (Entree& e : anciennes) {
        if (!e.octets)
            continue;
        std::size_t i = e.empreinte & masque;
        while (m_entrees[i].octets)
            i = (i + 1) & masque;
        m_entrees[i] = std::move(e);
    }
}
