#pragma once
#include <QByteArray>
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

// One found recipe: its magazine by its place in the list of magazines, its
// other texts where they are stored (the index only reads them, and a full
// base would otherwise copy 33,000 of each).
struct Entree {
    int magazine;
    const QString* numero;
    const QString* page;
    const QString* nom;
};

// The file's bytes, in Windows-1252.
struct Octets {
    QByteArray texte;
    bool remplace = false; // some character had no byte and became "?"
};

// "Aucune recette", "1 recette", "12 recettes": the count of the index and
// of the list printout.
QString texteNombre(qsizetype n);

// Orders the entries by magazine, then padded issue number, then padded
// page, then name, each with the collation, and lays the file out.
Octets composer(const Criteres& criteres, const QDateTime& quand, const QStringList& magazines,
                const QList<Entree>& entrees, const Collation& collation);

} // namespace MiseEnPageIndex
