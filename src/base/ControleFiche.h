#pragma once
#include <QString>

struct Tables;
class RepertoireNoms;

// What the card holds when it is validated, tidied (trimmed) but not yet
// normalised.
struct SaisieFiche {
    QString nom, categorie, sousCategorie, magazine, numero, page, notes;
    bool nouvelle = true; // a new recipe takes a new slot
};

// Why the card cannot be stored although it has a name and a description:
// a character the base file cannot hold, a name that would break the file or
// the found list, or a full table. An empty text when it can be stored.
// Nothing is changed. An import hands in its hashed names (`noms`), which
// find the very places the card finds by reading the tables.
QString motifDeRefus(Tables& t, const SaisieFiche& s, RepertoireNoms* noms = nullptr);

// Every check of a validation, the first that fails wins: no name, no
// description (a magazine, a category, pages, a number or notes holding more
// than blanks; the sub-category does not count), then motifDeRefus. The card
// and the import both ask it before storing. Nothing is changed.
QString refusValidation(Tables& t, const SaisieFiche& s, RepertoireNoms* noms = nullptr);

// Another recipe of the same name in the same issue of the same magazine
// (each compared without the blanks at its ends, whatever the case): its
// slot, or 0. `autreQue`: the recipe being edited, which is no double of
// itself.
int recetteEnDouble(const Tables& t, const QString& nom, const QString& magazine, const QString& numero, int autreQue);
