#pragma once
#include "ListeNoms.h"
#include <QHash>
#include <QList>
#include <QString>
#include <array>
#include <memory>
#include <vector>

struct Tables;

// One name table with its names hashed as the card compares them (upper
// case): the very places and numbers of ListeNoms, without reading every name
// at each look-up. It stays exact while the table changes only through it and
// no counter goes down, as during an import.
class IndexNoms {
public:
    explicit IndexNoms(ListeNoms liste);

    // TexteFiche::nomNormalise, worked out once for each text: thousands of
    // rows hold a few names.
    const QString& normaliser(const QString& texte, bool minuscules);
    // ListeNoms::chercherPlace through the hash.
    ListeNoms::Place chercherPlace(const QString& nom) const;
    // ListeNoms::trouverOuAjouter through the hash.
    int trouverOuAjouter(const QString& texte, bool minuscules);

private:
    const QString& majuscules(const QString& nom) const;
    void indexer(int i);
    void oublier(int i);
    void chercherLibreDepuis(int i);

    ListeNoms m_liste;
    // Each name in upper case and its entries, in table order: the last one
    // is the one the card finds.
    QHash<QString, QList<int>> m_entrees;
    int m_libre = 0;                                     // the first unused entry, 0 when there is none
    std::array<QHash<QString, QString>, 2> m_normalises; // by minuscules
    mutable QHash<QString, QString> m_majuscules;
};

// The three kinds of names of a base, each indexed the first time it is
// needed: what thousands of imported rows look their names up in.
class RepertoireNoms {
public:
    explicit RepertoireNoms(Tables& t);
    ~RepertoireNoms();

    IndexNoms& categories() { return m_categories; }
    IndexNoms& sousCategories(int categorie);
    IndexNoms& magazines() { return m_magazines; }

private:
    Tables& m_t;
    IndexNoms m_categories;
    IndexNoms m_magazines;
    std::vector<std::unique_ptr<IndexNoms>> m_sousCategories; // by category number
};
