#pragma once
#include <QCollator>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// The one order of every sorted list: French, case-insensitive, a leading
// blank first, ties broken by the exact text so that the order never depends
// on the order of adding.
class Collation {
public:
    Collation();
    // For sorting many texts: keys computed once, compared many times.
    // Compare two keys with comparerCles, which applies the same rules.
    struct Cle {
        QCollatorSortKey cle;
        bool blanc = false;
    };
    // Kept once computed: the same names come back for the found list, the
    // export and the index, and a key costs thousands of instructions.
    Cle cle(const QString& texte) const;
    // The keys of many different texts, in their order, computed on two
    // cores where there are: a base just read asks for thousands of names.
    std::vector<Cle> cles(const QStringList& textes) const;
    static int comparerCles(const Cle& a, const QString& texteA, const Cle& b, const QString& texteB);
    // The same order without keys: cheaper for texts compared once or twice.
    int comparer(const QString& a, const QString& b) const;

    // The names in the order of every sorted list; names that compare equal
    // keep the order they came in, as when each is added at its place.
    QStringList trier(const QStringList& noms) const;

private:
    // Names edited for years would pile up: past a few full bases' worth of
    // keys, those kept are let go before `nouvelles` more come.
    void faireDeLaPlace(qsizetype nouvelles) const;

    QCollator m_collator;
    mutable QHash<QString, Cle> m_cles;
};
