#pragma once
#include <QString>

struct Tables;

// One name table of the base as the card sees it: the categories, the
// sub-categories of one category, or the magazines, each name with its
// recipe counter and the table's count.
class ListeNoms {
public:
    static ListeNoms categories(Tables& t) { return ListeNoms(t, Genre::Categories, 0); }
    static ListeNoms sousCategories(Tables& t, int categorie) { return ListeNoms(t, Genre::SousCategories, categorie); }
    static ListeNoms magazines(Tables& t) { return ListeNoms(t, Genre::Magazines, 0); }

    int nombre() const;
    void fixerNombre(int n);
    int maximum() const;
    QString& nom(int i);
    int& compteur(int i);
    const QString& nom(int i) const { return const_cast<ListeNoms*>(this)->nom(i); }
    int compteur(int i) const { return const_cast<ListeNoms*>(this)->compteur(i); }

    // Where a name (already normalised) goes: the last entry of the same name
    // ignoring case, else the first unused entry, else a new entry at the end.
    struct Place {
        int numero = 0;        // 0 for an empty name, or when the table is full
        bool nouvelle = false; // the name is written there
        bool pleine = false;   // a new entry is needed and none is left
    };
    Place chercherPlace(const QString& nom) const;

    // The find-or-add of the card: the number of the entry for the text typed
    // (0 when it is empty), taken or added, its counter raised by 1. The caller
    // makes sure that the table is not full.
    int trouverOuAjouter(const QString& texte, bool minuscules);
    // The second half of it, for a place found by any look-up: the name
    // (normalised) written there when it is new, its counter raised.
    int occuper(const QString& nom, const Place& place);

private:
    enum class Genre { Categories, SousCategories, Magazines };
    ListeNoms(Tables& t, Genre g, int categorie) : m_t(t), m_genre(g), m_categorie(categorie) {}
    Tables& m_t;
    Genre m_genre;
    int m_categorie;
};
