#include "Collation.h"
#include <QLocale>
#include <algorithm>
#include <atomic>
#include <optional>
#include <thread>
#include <vector>

namespace {
QCollator collateurFrancais()
{
    QCollator collateur(QLocale(QLocale::French, QLocale::France));
    collateur.setCaseSensitivity(Qt::CaseInsensitive);
    collateur.setNumericMode(false);
    collateur.setIgnorePunctuation(false);
    return collateur;
}

bool commenceParBlanc(const QString& texte) { return texte.startsWith(QLatin1Char(' ')); }

// The keys kept at most (see faireDeLaPlace).
constexpr qsizetype MaxCles = 100000;

// Every comparison of the order: a leading blank first, then the collator's
// verdict, ties broken by the exact text.
template <class Verdict>
int selonLOrdre(bool blancA, bool blancB, Verdict verdict, const QString& texteA, const QString& texteB)
{
    if (blancA != blancB)
        return blancA ? -1 : 1;
    if (const int c = verdict())
        return c;
    return QString::compare(texteA, texteB, Qt::CaseSensitive);
}
} // namespace

Collation::Collation() : m_collator(collateurFrancais()) {}

Collation::Cle Collation::cle(const QString& texte) const
{
    if (const auto gardee = m_cles.constFind(texte); gardee != m_cles.constEnd())
        return *gardee;
    faireDeLaPlace(1);
    return *m_cles.insert(texte, {m_collator.sortKey(texte), commenceParBlanc(texte)});
}

std::vector<Collation::Cle> Collation::cles(const QStringList& textes) const
{
    std::vector<std::optional<Cle>> calculees(static_cast<std::size_t>(textes.size()));
    // Both cores take blocks of texts in turn until none is left: when the
    // other core is busier or slower, this one simply takes more blocks.
    constexpr qsizetype Bloc = 256;
    std::atomic<qsizetype> suivant{0};
    const auto calculer = [&](const QCollator& collateur) {
        for (qsizetype debut; (debut = suivant.fetch_add(Bloc)) < textes.size();)
            for (qsizetype i = debut; i < std::min(debut + Bloc, textes.size()); ++i)
                calculees[static_cast<std::size_t>(i)] = {collateur.sortKey(textes[i]), commenceParBlanc(textes[i])};
    };
    {
        // A collator is not shared between threads: the other core gets its own.
        std::optional<std::jthread> second;
        if (std::thread::hardware_concurrency() > 1 && textes.size() >= 1000)
            second.emplace([&] { calculer(collateurFrancais()); });
        calculer(m_collator);
    }
    std::vector<Cle> resultat;
    resultat.reserve(calculees.size());
    for (std::optional<Cle>& cle : calculees)
        resultat.push_back(std::move(*cle));
    faireDeLaPlace(textes.size());
    m_cles.reserve(m_cles.size() + textes.size()); // grown once, not rehashed as it fills
    for (qsizetype i = 0; i < textes.size(); ++i)
        m_cles.insert(textes[i], resultat[static_cast<std::size_t>(i)]);
    return resultat;
}

void Collation::faireDeLaPlace(qsizetype nouvelles) const
{
    if (m_cles.size() + nouvelles > MaxCles)
        m_cles.clear();
}

int Collation::comparerCles(const Cle& a, const QString& texteA, const Cle& b, const QString& texteB)
{
    return selonLOrdre(
        a.blanc, b.blanc, [&] { return a.cle.compare(b.cle); }, texteA, texteB);
}

int Collation::comparer(const QString& a, const QString& b) const
{
    return selonLOrdre(
        commenceParBlanc(a), commenceParBlanc(b), [&] { return m_collator.compare(a, b); }, a, b);
}

QStringList Collation::trier(const QStringList& noms) const
{
    // Keys computed once: a few hundred names sort in a fraction of the time
    // of comparing them two by two.
    std::vector<std::pair<Cle, qsizetype>> cles;
    cles.reserve(static_cast<std::size_t>(noms.size()));
    for (qsizetype i = 0; i < noms.size(); ++i)
        cles.emplace_back(cle(noms[i]), i);
    std::stable_sort(cles.begin(), cles.end(), [&](const auto& a, const auto& b) {
        return comparerCles(a.first, noms[a.second], b.first, noms[b.second]) < 0;
    });
    QStringList tries;
    tries.reserve(noms.size());
    for (const auto& [c, i] : cles)
        tries << noms[i];
    return tries;
}
