#include "OrdreRecettes.h"
#include "MemeTexte.h"
#include "base/Tables.h"
#include <QHash>
#include <algorithm>
#include <charconv>
#include <string_view>
#include <utility>

namespace {
// Above this many changed slots, sorting everything again is cheaper than
// placing each one.
constexpr std::size_t MaxReplacees = 512;

// A slot number's text as one integer: its digits aligned to the left on
// five places, then its length, as a text that is the start of a longer one
// comes first (" 5", " 50", " 6"). For 0..99999.
inline int cleEnTexte(int n)
{
    if (n < 10)
        return n * 80000 + 1;
    if (n < 100)
        return n * 8000 + 2;
    if (n < 1000)
        return n * 800 + 3;
    if (n < 10000)
        return n * 80 + 4;
    return n * 8 + 5;
}

// The slot numbers compared as the texts written in the found list. A
// deletion compares every recipe with its namesakes again.
inline int comparerNumerosEnTexte(int a, int b)
{
    if (a >= 0 && b >= 0 && a <= 99999 && b <= 99999) {
        const int ta = cleEnTexte(a);
        const int tb = cleEnTexte(b);
        return (ta > tb) - (ta < tb);
    }
    char ta[12];
    char tb[12];
    const auto fa = std::to_chars(ta, ta + sizeof ta, a).ptr;
    const auto fb = std::to_chars(tb, tb + sizeof tb, b).ptr;
    return std::string_view(ta, static_cast<std::size_t>(fa - ta))
        .compare(std::string_view(tb, static_cast<std::size_t>(fb - tb)));
}
} // namespace

bool OrdreRecettes::avant(int a, int b) const
{
    const Entree& ea = m_entrees[static_cast<std::size_t>(a)];
    const Entree& eb = m_entrees[static_cast<std::size_t>(b)];
    if (const int c = Collation::comparerCles(*ea.cle, ea.nom, *eb.cle, eb.nom))
        return c < 0;
    return comparerNumerosEnTexte(a, b) < 0;
}

void OrdreRecettes::mettreAJour(const Tables& base, const Collation& collation)
{
    // Names untouched since the last time: the order stands as it is.
    const Tables::Etat etat = base.etatRecettes();
    if (etat.nbRecett == m_vu.nbRecett && etat.textes == m_vu.textes)
        return;
    const Tables::Etat vu = std::exchange(m_vu, etat);
    const int nb = std::clamp(base.NbRecett, 0, Tables::MaxRecett);
    bool decalage = false;
    // A deletion taken back: one slot more, every later recipe one slot up.
    if (nb == m_nb + 1 && !m_ordre.empty()) {
        if (const std::optional<int> insere = releverInsertion(base, collation, nb)) {
            renumeroterInsertion(*insere);
            m_nb = nb;
            rangerPositions();
            return;
        }
    }
    if (m_ordre.empty()) {
        construire(base, collation, nb);
        m_nb = nb;
        rangerPositions();
        return;
    }
    const std::vector<int> changees = relever(base, collation, nb, vu, decalage);
    if (changees.empty() && nb == m_nb)
        return;
    if (changees.size() > MaxReplacees && decalage)
        renumeroter(changees.front());
    else if (changees.size() > MaxReplacees)
        trierTout(nb);
    else
        replacer(changees, nb);
    m_nb = nb;
    rangerPositions();
}

// The position of each slot; the lists by position are made again only
// when a search keeps everything and asks for them whole.
void OrdreRecettes::rangerPositions()
{
    m_positions.assign(m_entrees.size(), 0);
    for (std::size_t i = 0; i < m_ordre.size(); ++i)
        m_positions[static_cast<std::size_t>(m_ordre[i])] = static_cast<int>(i);
    m_nomsAJour = false;
}

// The names in the order's positions, shared with the slots' names: a
// search that keeps everything hands this list over whole.
void OrdreRecettes::rangerNoms() const
{
    if (m_nomsAJour)
        return;
    // Filled in place: appending one by one costs more than the copies.
    QStringList noms(static_cast<qsizetype>(m_ordre.size()));
    QString* nom = noms.data();
    for (const int r : m_ordre)
        *nom++ = m_entrees[static_cast<std::size_t>(r)].nom;
    m_noms = std::move(noms);
    m_nomsAJour = true;
}

// A deletion moves every later recipe down one slot: the name a slot now
// holds is the one the next slot held, and its key is taken over rather than
// computed again. The next slot is not yet read again when this one is.
std::optional<Collation::Cle> OrdreRecettes::cleDuSuivant(int r, const QString& nom) const
{
    const auto suivant = static_cast<std::size_t>(r) + 1;
    if (r + 1 > m_nb || suivant >= m_entrees.size())
        return std::nullopt;
    const Entree& e = m_entrees[suivant];
    if (!e.cle || e.nom != nom)
        return std::nullopt;
    return e.cle;
}

// Takes the name of every slot in use; returns the slots whose name is new.
std::vector<int> OrdreRecettes::relever(const Tables& base, const Collation& collation, int nb, const Tables::Etat& vu,
                                        bool& decalage)
{
    if (m_entrees.size() < static_cast<std::size_t>(nb) + 1)
        m_entrees.resize(static_cast<std::size_t>(nb) + 1);
    // A deletion: one slot fewer, and from the first changed slot on, every
    // slot holds the name the next one held.
    decalage = nb == m_nb - 1;
    std::vector<int> changees;
    if (decalage && releverDecalage(base, nb, changees))
        return changees;
    for (int r = 1; r <= nb; ++r) {
        Entree& e = m_entrees[static_cast<std::size_t>(r)];
        // A slot placed at the last update (which placed every slot up to its
        // count) and not written since is as it was, unless a deletion is
        // being followed along the slots. Only the rows' stamps are read,
        // which lie close together.
        if (r <= m_nb && r <= vu.nbRecett && !(decalage && !changees.empty())
            && !base.RecettTexte.ligneEcrite(r, vu.textes))
            continue;
        const QString& nom = base.RecettTexte(r, Recette::Nom);
        if (e.cle && r <= m_nb && memeTexte(e.nom, nom)) {
            if (decalage && !changees.empty() && m_entrees[static_cast<std::size_t>(r) + 1].nom != nom)
                decalage = false;
            continue;
        }
        std::optional<Collation::Cle> reprise = cleDuSuivant(r, nom);
        decalage = decalage && reprise.has_value();
        e.nom = nom;
        e.cle = reprise ? std::move(reprise) : collation.cle(nom);
        changees.push_back(r);
    }
    return changees;
}

// The usual deletion: every slot from the first changed one on holds the
// name the next slot held. The later entries then move down one slot whole,
// name, key and line, and only the number at the end of each line is
// written again. Returns false, having changed nothing, for any other change.
bool OrdreRecettes::releverDecalage(const Tables& base, int nb, std::vector<int>& changees)
{
    int premier = 1;
    while (premier <= nb
           && memeTexte(m_entrees[static_cast<std::size_t>(premier)].nom, base.RecettTexte(premier, Recette::Nom))
           && m_entrees[static_cast<std::size_t>(premier)].cle)
        ++premier;
    if (premier > nb)
        return false;
    for (int r = premier; r <= nb; ++r) {
        Entree& suivant = m_entrees[static_cast<std::size_t>(r) + 1];
        if (!suivant.cle || !memeTexte(suivant.nom, base.RecettTexte(r, Recette::Nom)))
            return false;
    }
    m_entrees.erase(m_entrees.begin() + premier);
    changees.reserve(static_cast<std::size_t>(nb - premier + 1));
    for (int r = premier; r <= nb; ++r)
        changees.push_back(r);
    return true;
}

// The mirror of the usual deletion: from the first changed slot on, every
// slot holds the name the previous slot held, and the first changed slot is
// the recipe put back. The entries move up one slot whole; only the new one
// gets a key. Returns that slot, or nothing, having changed nothing, for any
// other change.
std::optional<int> OrdreRecettes::releverInsertion(const Tables& base, const Collation& collation, int nb)
{
    int insere = 1;
    while (insere < nb && m_entrees[static_cast<std::size_t>(insere)].cle
           && memeTexte(m_entrees[static_cast<std::size_t>(insere)].nom, base.RecettTexte(insere, Recette::Nom)))
        ++insere;
    for (int r = insere + 1; r <= nb; ++r) {
        Entree& precedent = m_entrees[static_cast<std::size_t>(r) - 1];
        if (!precedent.cle || !memeTexte(precedent.nom, base.RecettTexte(r, Recette::Nom)))
            return std::nullopt;
    }
    if (m_entrees.size() < static_cast<std::size_t>(nb) + 1)
        m_entrees.resize(static_cast<std::size_t>(nb) + 1);
    // The last entry, beyond the old count, makes room.
    std::move_backward(m_entrees.begin() + insere, m_entrees.begin() + nb, m_entrees.begin() + nb + 1);
    Entree& e = m_entrees[static_cast<std::size_t>(insere)];
    e.nom = base.RecettTexte(insere, Recette::Nom);
    e.cle = collation.cle(e.nom);
    return insere;
}

// Slot 'insere' was put back and every later recipe moved up one slot with
// its name: the previous order renumbered keeps the names in order, recipes
// of the same name are ordered by the text of their numbers again, and the
// recipe put back goes to its place.
void OrdreRecettes::renumeroterInsertion(int insere)
{
    for (int& r : m_ordre)
        if (r >= insere)
            ++r;
    retrierHomonymes();
    insererALaPlace(insere);
}

// Puts slot r at its place in the order, the start of its name or not.
void OrdreRecettes::insererALaPlace(int r)
{
    const auto place =
        std::lower_bound(m_ordre.begin(), m_ordre.end(), r, [this](int a, int b) { return avant(a, b); });
    const auto p = place - m_ordre.begin();
    const QString& nom = m_entrees[static_cast<std::size_t>(r)].nom;
    if (place != m_ordre.end())
        m_nouveauNom[static_cast<std::size_t>(p)] = m_entrees[static_cast<std::size_t>(*place)].nom != nom;
    m_ordre.insert(place, r);
    m_nouveauNom.insert(
        m_nouveauNom.begin() + p,
        p == 0 || m_entrees[static_cast<std::size_t>(m_ordre[static_cast<std::size_t>(p) - 1])].nom != nom);
}

// Takes the slots 'aRetirer' chooses out of the order. A name whose first
// slot goes starts at its next slot kept.
template <class Choix>
void OrdreRecettes::retirer(Choix aRetirer)
{
    std::size_t gardes = 0;
    bool debutRetire = false;
    for (std::size_t i = 0; i < m_ordre.size(); ++i) {
        if (aRetirer(m_ordre[i])) {
            debutRetire = debutRetire || m_nouveauNom[i];
            continue;
        }
        m_nouveauNom[gardes] = m_nouveauNom[i] || debutRetire;
        m_ordre[gardes++] = m_ordre[i];
        debutRetire = false;
    }
    m_ordre.resize(gardes);
    m_nouveauNom.resize(gardes);
}

namespace {
// The strings already seen, by their characters' address and length: two
// strings sharing both hold the same text. A base just read gives every
// repeat of a text the same string, so most names are found here without
// reading their characters. Open addressing, at most half full.
class AdressesVues {
public:
    // The group noted for this string, -1 until it is set through the
    // reference.
    int& groupe(const QString& texte)
    {
        // Characters at no address (a null string, where Qt gives none) are
        // never noted: such a name is looked up by its text each time.
        if (!texte.constData())
            return m_sansAdresse = -1;
        if (2 * (m_nombre + 1) > m_cases.size())
            agrandir();
        const Case cherchee{texte.constData(), texte.size(), -1};
        std::size_t i = premiereCase(cherchee);
        for (; m_cases[i].adresse; i = (i + 1) & (m_cases.size() - 1))
            if (m_cases[i].adresse == cherchee.adresse && m_cases[i].taille == cherchee.taille)
                return m_cases[i].groupe;
        m_cases[i] = cherchee;
        ++m_nombre;
        return m_cases[i].groupe;
    }

private:
    struct Case {
        const QChar* adresse = nullptr; // none: an empty case
        qsizetype taille = 0;
        int groupe = -1;
    };
    std::size_t premiereCase(const Case& c) const
    {
        const auto mot = reinterpret_cast<quintptr>(c.adresse) ^ static_cast<quintptr>(c.taille);
        // Fibonacci hashing: the top bits of the product mix every bit.
        return static_cast<std::size_t>((mot * 0x9E3779B97F4A7C15ull) >> 32) & (m_cases.size() - 1);
    }
    void agrandir()
    {
        const std::vector<Case> anciennes = std::exchange(m_cases, std::vector<Case>(2 * m_cases.size()));
        for (const Case& c : anciennes) {
            if (!c.adresse)
                continue;
            std::size_t i = premiereCase(c);
            while (m_cases[i].adresse)
                i = (i + 1) & (m_cases.size() - 1);
            m_cases[i] = c;
        }
    }

    std::vector<Case> m_cases = std::vector<Case>(1024); // a power of two
    std::size_t m_nombre = 0;
    int m_sansAdresse = -1;
};
} // namespace

// The slots 1..nb gathered by name, the groups numbered in the order each
// name first comes. A string not seen yet is looked up by its text, so that
// two copies of one name still make one group.
template <class Nom>
OrdreRecettes::Groupes OrdreRecettes::grouperParNom(int nb, Nom nom)
{
    Groupes g;
    g.deSlot.assign(static_cast<std::size_t>(nb) + 1, -1);
    AdressesVues vues;
    // Each text's group plus one, 0 for a text not met yet: found or added
    // with one hashing. A name is often in a few issues: half the slots is
    // room enough not to grow.
    QHash<QString, int> parTexte;
    parTexte.reserve(nb / 2);
    for (int r = 1; r <= nb; ++r) {
        const QString& texte = nom(r);
        int& groupe = vues.groupe(texte);
        if (groupe < 0) {
            int& plusUn = parTexte[texte];
            if (plusUn == 0) {
                g.premier.push_back(r);
                plusUn = static_cast<int>(g.premier.size());
            }
            groupe = plusUn - 1;
        }
        g.deSlot[static_cast<std::size_t>(r)] = groupe;
    }
    return g;
}

// The first base: one recipe is often in many issues, so each distinct name
// is keyed once, all of them together on two cores.
void OrdreRecettes::construire(const Tables& base, const Collation& collation, int nb)
{
    const auto nom = [&base](int r) -> const QString& { return base.RecettTexte(r, Recette::Nom); };
    const Groupes groupes = grouperParNom(nb, nom);
    QStringList distincts;
    distincts.reserve(static_cast<qsizetype>(groupes.premier.size()));
    for (const int r : groupes.premier)
        distincts << nom(r);
    const std::vector<Collation::Cle> cles = collation.cles(distincts);
    // Filled slot after slot: each entry is written once, where it lies.
    m_entrees.clear();
    m_entrees.reserve(static_cast<std::size_t>(nb) + 1);
    m_entrees.emplace_back();
    for (int r = 1; r <= nb; ++r)
        m_entrees.push_back({nom(r), cles[static_cast<std::size_t>(groupes.deSlot[static_cast<std::size_t>(r)])]});
    ordonnerGroupes(groupes, nb);
}

void OrdreRecettes::trierTout(int nb)
{
    ordonnerGroupes(
        grouperParNom(nb, [this](int r) -> const QString& { return m_entrees[static_cast<std::size_t>(r)].nom; }), nb);
}

// Names repeat: only the distinct names are sorted by their keys, and each
// name's slots follow by the text of their numbers.
void OrdreRecettes::ordonnerGroupes(const Groupes& groupes, int nb)
{
    // Each name by its key, so that comparing two goes straight to the keys.
    struct Nom {
        const Collation::Cle* cle;
        const QString* texte;
        int groupe;
    };
    std::vector<Nom> noms;
    noms.reserve(groupes.premier.size());
    for (std::size_t g = 0; g < groupes.premier.size(); ++g) {
        const Entree& e = m_entrees[static_cast<std::size_t>(groupes.premier[g])];
        noms.push_back({&*e.cle, &e.nom, static_cast<int>(g)});
    }
    std::sort(noms.begin(), noms.end(), [](const Nom& a, const Nom& b) {
        return Collation::comparerCles(*a.cle, *a.texte, *b.cle, *b.texte) < 0;
    });
    // Where each name's slots begin in the order, by counting them: the
    // slots then fall into place in one pass, by increasing number.
    std::vector<std::size_t> place(groupes.premier.size(), 0);
    for (int r = 1; r <= nb; ++r)
        ++place[static_cast<std::size_t>(groupes.deSlot[static_cast<std::size_t>(r)])];
    std::size_t cumul = 0;
    for (const Nom& n : noms)
        cumul += std::exchange(place[static_cast<std::size_t>(n.groupe)], cumul);
    m_ordre.assign(static_cast<std::size_t>(nb), 0);
    m_nouveauNom.assign(static_cast<std::size_t>(nb), false);
    for (const Nom& n : noms)
        m_nouveauNom[place[static_cast<std::size_t>(n.groupe)]] = true; // every name has a slot
    for (int r = 1; r <= nb; ++r)
        m_ordre[place[static_cast<std::size_t>(groupes.deSlot[static_cast<std::size_t>(r)])]++] = r;
    // Namesakes by the text of their numbers (" 10" before " 9").
    for (std::size_t debut = 0; debut < m_ordre.size();) {
        std::size_t fin = debut + 1;
        while (fin < m_ordre.size() && !m_nouveauNom[fin])
            ++fin;
        if (fin - debut > 1)
            std::sort(m_ordre.begin() + static_cast<std::ptrdiff_t>(debut),
                      m_ordre.begin() + static_cast<std::ptrdiff_t>(fin),
                      [](int a, int b) { return comparerNumerosEnTexte(a, b) < 0; });
        debut = fin;
    }
}

// Takes out the changed slots and those beyond the count, then puts each
// changed slot back at its place.
void OrdreRecettes::replacer(const std::vector<int>& changees, int nb)
{
    std::vector<bool> aReplacer(m_entrees.size(), false);
    for (const int r : changees)
        aReplacer[static_cast<std::size_t>(r)] = true;
    retirer([&](int r) { return r > nb || aReplacer[static_cast<std::size_t>(r)]; });
    for (const int r : changees)
        insererALaPlace(r);
}

// Slot 'supprime' was deleted and every later recipe moved down one slot
// with its name: the previous order with the slots renumbered keeps the
// names in order. Only recipes of exactly the same name, ordered by the text
// of their slot numbers (" 10" before " 9"), may have to change places.
void OrdreRecettes::renumeroter(int supprime)
{
    retirer([supprime](int r) { return r == supprime; });
    for (int& r : m_ordre)
        if (r > supprime)
            --r;
    retrierHomonymes();
}

// Recipes of exactly the same name, ordered by the text of their slot
// numbers (" 10" before " 9"), after their numbers changed.
void OrdreRecettes::retrierHomonymes()
{
    for (std::size_t debut = 0; debut < m_ordre.size();) {
        std::size_t fin = debut + 1;
        while (fin < m_ordre.size() && !m_nouveauNom[fin])
            ++fin;
        // Nearly in order already: an insertion sort only moves the few.
        for (std::size_t i = debut + 1; i < fin; ++i)
            for (std::size_t j = i; j != debut && comparerNumerosEnTexte(m_ordre[j], m_ordre[j - 1]) < 0; --j)
                std::swap(m_ordre[j], m_ordre[j - 1]);
        debut = fin;
    }
}
