#include "Collation.h"
#include <QLocale>
#include <QSet>
#include <algorithm>
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
    // Names edited for years would pile up: past a few full bases' worth,
    // the keys are computed afresh.
    constexpr qsizetype MaxCles = 100000;
    if (m_cles.size() >= MaxCles)
        m_cles.clear();
    return *m_cles.insert(texte, {m_collator.sortKey(texte), commenceParBlanc(texte)});
}

void Collation::preparerCles(const QStringList& textes) const
{
    QStringList lesNouveaux;
    QSet<QString> vus;
    for (const QString& texte : textes)
        if (!m_cles.contains(texte) && !vus.contains(texte)) {
            vus.insert(texte);
            lesNouveaux << texte;
        }
    const QStringList& nouveaux = lesNouveaux; // only read, by both threads
    if (std::thread::hardware_concurrency() < 2 || nouveaux.size() < 1000) {
        for (const QString& texte : nouveaux)
            cle(texte);
        return;
    }
    // A collator is not shared between threads: the second half gets its own.
    const qsizetype moitie = nouveaux.size() / 2;
    std::vector<QCollatorSortKey> secondes;
    secondes.reserve(static_cast<std::size_t>(nouveaux.size() - moitie));
    {
        const std::jthread second([&] {
            const QCollator collateur = collateurFrancais();
            for (qsizetype i = moitie; i < nouveaux.size(); ++i)
                secondes.push_back(collateur.sortKey(nouveaux[i]));
        });
        for (qsizetype i = 0; i < moitie; ++i)
            cle(nouveaux[i]);
    }
    for (std::size_t i = 0; i < secondes.size(); ++i) {
        const QString& texte = nouveaux[moitie + static_cast<qsizetype>(i)];
        m_cles.insert(texte, {secondes[i], commenceParBlanc(texte)});
    }
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
