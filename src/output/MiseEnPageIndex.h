#pragma once
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class Collation;

// The layout of "Index.txt": the criteria rows, the count row and the recipes
// grouped by magazine, issue number and page. Pure text work, no file.
namespace MiseEnPageIndex {

// The search criteria as shown in the search frame.
struct Criteres {
    QString categorie;     // chosen entry of the category list
    QString sousCategorie; // chosen entry of the sub-category list
    QString magazine;      // chosen entry of the magazine list
    QString teste;         // chosen entry of the tested list
    QString texte;         // the free text, as typed
};

// One found recipe, its texts as stored.
struct Entree {
    QString magazine;
    QString numero;
    QString page;
    QString nom;
};

// "Aucune recette", "1 recette", "12 recettes": the count of the index and
// of the list printout.
QString texteNombre(qsizetype n);

// Orders the entries by magazine, then padded issue number, then padded
// page, then name, each with the collation, and lays the file out.
QString composer(const Criteres& criteres, const QDateTime& quand, const QList<Entree>& entrees,
                 const Collation& collation);

} // namespace MiseEnPageIndex
