#include "ModeleTrouvees.h"
#include "base/Collation.h"
#include "base/ListeTrouvee.h"
#include "base/Tables.h"
#include "base/Texte.h"
#include "platform/ErreurExecution.h"
#include <QHash>
#include <algorithm>
#include <numeric>
#include <optional>

using Texte::sansBlancs;

ModeleTrouvees::ModeleTrouvees(const Tables& base, const ListeTrouvee& trouvees, const Collation& collation,
                               QObject* parent)
    : QAbstractTableModel(parent), m_base(base), m_trouvees(trouvees), m_collation(collation)
{}

int ModeleTrouvees::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_nbRangees);
}

int ModeleTrouvees::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : NbColonnes; }

QString ModeleTrouvees::entete(int colonne)
{
    static const char* const Entetes[NbColonnes] = {"Nom",       "Magazine",       "N°",    "Pages",
                                                    "Catégorie", "Sous-catégorie", "Testée"};
    return colonne >= 0 && colonne < NbColonnes ? QString::fromUtf8(Entetes[colonne]) : QString();
}

QVariant ModeleTrouvees::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return entete(section);
}

QVariant ModeleTrouvees::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_nbRangees || role != Qt::DisplayRole)
        return {};
    return texte(index.row(), index.column());
}

QString ModeleTrouvees::texte(int rangee, int colonne) const
{
    return rangee >= 0 && rangee < m_nbRangees ? valeur(ligne(rangee), colonne) : QString();
}

QString ModeleTrouvees::rangeeEntiere(int rangee) const
{
    QStringList parties;
    for (int c = 0; c < NbColonnes; ++c) {
        const QString t = texte(rangee, c);
        if (!t.isEmpty())
            parties << (c == Testee ? entete(Testee) : c == Numero ? entete(Numero) + QLatin1Char(' ') + t : t);
    }
    return parties.join(QStringLiteral(" — "));
}

// The values as stored, trimmed; the number in upper case as the printouts
// show it. A value pointing outside its table shows nothing.
QString ModeleTrouvees::valeur(qsizetype ligne, int colonne) const
{
    if (colonne == Nom)
        return sansBlancs(m_trouvees.noms.value(ligne));
    try {
        return valeurDeSlot(m_trouvees.numero(ligne), colonne);
    } catch (const ErreurExecution&) {
    }
    return {};
}

QString ModeleTrouvees::valeurDeSlot(int r, int colonne) const
{
    const Tables& b = m_base;
    try {
        switch (colonne) {
        case Magazine: return sansBlancs(b.Mag(b.RecettVal(r, Recette::Magazine)));
        case Numero: return sansBlancs(b.RecettTexte(r, Recette::Numero).toUpper());
        case Pages: return sansBlancs(b.RecettTexte(r, Recette::Page));
        case Categorie: return sansBlancs(b.Cat(b.RecettVal(r, Recette::Categorie)));
        case SousCategorie:
            return sansBlancs(b.SousCat(b.RecettVal(r, Recette::Categorie), b.RecettVal(r, Recette::SousCategorie)));
        case Testee: return b.RecettVal(r, Recette::Testee) == 1 ? QStringLiteral("oui") : QString();
        default: break;
        }
    } catch (const ErreurExecution&) {
    }
    return {};
}

int ModeleTrouvees::rangee(qsizetype ligne) const
{
    if (ligne < 0 || ligne >= m_nbRangees)
        return -1;
    return m_rangees.empty() ? static_cast<int>(ligne) : m_rangees[static_cast<std::size_t>(ligne)];
}

// ---------------------------------------------------------------- sorting

bool ModeleTrouvees::recharger()
{
    const Tables::Etat recettes = m_base.etatRecettes();
    const Tables::EtatNoms noms = m_base.etatNoms();
    if (recettes == m_recettesChargees && noms == m_nomsCharges && m_trouvees.numeros == m_numerosCharges)
        return false;
    beginResetModel();
    trier();
    m_numerosCharges = m_trouvees.numeros;
    m_recettesChargees = recettes;
    m_nomsCharges = noms;
    endResetModel();
    return true;
}

void ModeleTrouvees::sort(int colonne, Qt::SortOrder sens)
{
    const QModelIndexList avant = persistentIndexList();
    QList<qsizetype> lignes;
    for (const QModelIndex& i : avant)
        lignes << (i.isValid() && i.row() < m_nbRangees ? ligne(i.row()) : -1);
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    m_colonne = colonne >= 0 && colonne < NbColonnes ? colonne : -1;
    m_sens = sens;
    trier();
    // The chosen line stays chosen, wherever it went.
    QModelIndexList apres;
    for (qsizetype i = 0; i < avant.size(); ++i)
        apres << (lignes[i] < 0 ? QModelIndex() : index(rangee(lignes[i]), avant[i].column()));
    changePersistentIndexList(avant, apres);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

namespace {
// A short plain text (a number, pages) as one number: up to eight ASCII
// characters, none of them null, told apart from every other such text and
// from the small numbers the other columns use, and hashed at once.
std::optional<qint64> octetsPackes(const QString& texte)
{
    if (texte.isEmpty() || texte.size() > 7)
        return std::nullopt;
    quint64 n = 0;
    for (const QChar c : texte) {
        if (c.unicode() == 0 || c.unicode() > 0x7F)
            return std::nullopt;
        n = n << 8 | c.unicode();
    }
    return static_cast<qint64>(n | quint64(1) << 62);
}
} // namespace

// The rank of each line of the found list in a column: equal texts share a
// rank. A row is first known by what its recipe stores (a magazine's number,
// a category's, the number's own text...), which costs no new text; each
// distinct value is then shown and given a collation key once, as a magazine
// or a number repeats over thousands of recipes.
std::vector<int> ModeleTrouvees::rangs(int colonne) const
{
    const qsizetype n = m_trouvees.taille();
    std::vector<int> rang(static_cast<std::size_t>(n));
    if (colonne == Nom) {
        // The found list is in the order of its names already.
        for (qsizetype k = 0; k < n; ++k)
            rang[k] = k > 0 && m_trouvees.noms[k] == m_trouvees.noms[k - 1] ? rang[k - 1] : static_cast<int>(k);
        return rang;
    }
    const int nbRecett = std::clamp(m_base.NbRecett, 0, Tables::MaxRecett);
    std::vector<int> numeros(static_cast<std::size_t>(n));
    for (qsizetype k = 0; k < n; ++k) {
        int r = -1;
        try {
            r = m_trouvees.numero(k);
        } catch (const ErreurExecution&) {
        }
        numeros[static_cast<std::size_t>(k)] = r < 1 || r > nbRecett ? 0 : r; // 0: no recipe, shown empty
    }
    // A long list takes the ranks of the whole base, kept while the tables
    // do not change: a sort is then linear.
    if (n < nbRecett / 4)
        return rangsDe(numeros, colonne);
    RangsDeLaBase& base = m_rangsDeLaBase[static_cast<std::size_t>(colonne)];
    const Tables::Etat recettes = m_base.etatRecettes();
    const Tables::EtatNoms noms = m_base.etatNoms();
    if (!base.fait || !(base.recettes == recettes) || !(base.noms == noms)) {
        std::vector<int> tous(static_cast<std::size_t>(nbRecett) + 1);
        std::iota(tous.begin(), tous.end(), 0);
        base.rangs = rangsDe(tous, colonne);
        base.recettes = recettes;
        base.noms = noms;
        base.fait = true;
    }
    for (std::size_t k = 0; k < numeros.size(); ++k)
        rang[k] = base.rangs[static_cast<std::size_t>(numeros[k])];
    return rang;
}

// The rank of each slot given (0 for no recipe, shown empty) in a column:
// equal texts share a rank. A slot is first known by what its recipe stores
// (a magazine's number, a category's, the number's own text...), which costs
// no new text; each distinct value is then shown and given a collation key
// once, as a magazine or a number repeats over thousands of recipes.
std::vector<int> ModeleTrouvees::rangsDe(const std::vector<int>& numeros, int colonne) const
{
    std::vector<int> rang(numeros.size());
    // Each slot's value as stored, by an id; the slot of its first use.
    QHash<QString, int> idsTextes;
    QHash<qint64, int> idsNombres;
    std::vector<int> premierSlot;
    const auto id = [&](auto& ids, const auto& cle, int r) {
        auto it = ids.constFind(cle);
        if (it == ids.constEnd()) {
            it = ids.insert(cle, static_cast<int>(premierSlot.size()));
            premierSlot.push_back(r);
        }
        return *it;
    };
    const Tables& b = m_base;
    for (std::size_t k = 0; k < numeros.size(); ++k) {
        const int r = numeros[k];
        if (r == 0) {
            rang[k] = id(idsNombres, qint64(-1), 0);
        } else if (colonne == Numero || colonne == Pages) {
            const QString& t = b.RecettTexte(r, colonne == Numero ? Recette::Numero : Recette::Page);
            const std::optional<qint64> court = octetsPackes(t);
            rang[k] = court ? id(idsNombres, *court, r) : id(idsTextes, t, r);
        } else {
            const qint64 c = b.RecettVal(r, Recette::Categorie);
            const qint64 cle = colonne == Magazine ? b.RecettVal(r, Recette::Magazine)
                : colonne == Categorie             ? c
                : colonne == SousCategorie         ? (c << 32) + b.RecettVal(r, Recette::SousCategorie)
                                                   : b.RecettVal(r, Recette::Testee) == 1;
            rang[k] = id(idsNombres, cle, r);
        }
    }
    // The values as shown, equal texts one value, in the collation's order.
    QHash<QString, int> idsAffiches;
    QStringList affiches;
    std::vector<int> affichee(premierSlot.size());
    for (std::size_t i = 0; i < premierSlot.size(); ++i) {
        const QString t = premierSlot[i] == 0 ? QString() : valeurDeSlot(premierSlot[i], colonne);
        auto it = idsAffiches.constFind(t);
        if (it == idsAffiches.constEnd()) {
            it = idsAffiches.insert(t, static_cast<int>(affiches.size()));
            affiches << t;
        }
        affichee[i] = *it;
    }
    std::vector<Collation::Cle> cles;
    cles.reserve(static_cast<std::size_t>(affiches.size()));
    // The collation keeps the keys: numbers and pages repeat from sort to sort.
    for (const QString& t : affiches)
        cles.push_back(m_collation.cle(t));
    std::vector<int> parRang(static_cast<std::size_t>(affiches.size()));
    std::iota(parRang.begin(), parRang.end(), 0);
    std::sort(parRang.begin(), parRang.end(),
              [&](int x, int y) { return Collation::comparerCles(cles[x], affiches[x], cles[y], affiches[y]) < 0; });
    std::vector<int> rangAffiche(parRang.size());
    for (std::size_t i = 0; i < parRang.size(); ++i)
        rangAffiche[static_cast<std::size_t>(parRang[i])] = static_cast<int>(i);
    for (int& r : rang)
        r = rangAffiche[static_cast<std::size_t>(affichee[static_cast<std::size_t>(r)])];
    return rang;
}

// A counting sort on the ranks: linear, and stable, so that rows of equal
// value keep the found list's own order (by name), in both directions.
void ModeleTrouvees::trier()
{
    const qsizetype n = m_trouvees.taille();
    m_nbRangees = n;
    m_ordre.clear();
    m_rangees.clear();
    // By name upwards is the found list's own order.
    if (m_colonne >= 0 && n > 1 && !(m_colonne == Nom && m_sens == Qt::AscendingOrder)) {
        m_ordre.resize(n);
        std::vector<int> rang = rangs(m_colonne);
        const int nbRangs = *std::max_element(rang.begin(), rang.end()) + 1;
        if (m_sens == Qt::DescendingOrder)
            for (int& r : rang)
                r = nbRangs - 1 - r;
        std::vector<qsizetype> debut(static_cast<std::size_t>(nbRangs) + 1, 0);
        for (const int r : rang)
            ++debut[static_cast<std::size_t>(r) + 1];
        std::partial_sum(debut.begin(), debut.end(), debut.begin());
        for (qsizetype k = 0; k < n; ++k)
            m_ordre[debut[static_cast<std::size_t>(rang[k])]++] = k;
        m_rangees.assign(static_cast<std::size_t>(n), 0);
        for (qsizetype i = 0; i < n; ++i)
            m_rangees[static_cast<std::size_t>(m_ordre[i])] = static_cast<int>(i);
    }
}

QList<qsizetype> ModeleTrouvees::ordre() const
{
    if (!m_ordre.isEmpty() || m_nbRangees == 0)
        return m_ordre;
    QList<qsizetype> lignes(m_nbRangees);
    std::iota(lignes.begin(), lignes.end(), qsizetype(0));
    return lignes;
}
