#pragma once
#include "FicheImportee.h"
#include "SourceImport.h"
#include <QList>
#include <QString>
#include <QStringList>

struct Tables;
class PolitiqueErreurs;

// The import itself: each row stored as the card stores a new recipe it
// validates, or passed over as a duplicate, or refused with the card's
// reason; no row stops the others.
namespace Importation {

struct Options {
    // "Les ajouter quand même": rows that match a recipe (name, magazine and
    // number, trimmed, case ignored) are stored all the same.
    bool ajouterDoublons = false;
};

// A refused row or a warning, at its line of the file (or its recipe number
// in the other base).
struct Remarque {
    qsizetype ligne = 0;
    bool refus = false;
    QString texte;
};

struct Refus {
    qsizetype ligne = 0;
    FicheImportee::Valeurs valeurs; // as the file holds them
    QString motif;
};

struct Bilan {
    int lues = 0;
    int importees = 0;
    int doublons = 0;
    int refusees = 0;
    int avertissements = 0;
    // Names that no recipe used before and one does now, as stored; a
    // sub-category as "Catégorie / Sous-catégorie".
    QStringList nouvellesCategories;
    QStringList nouvellesSousCategories;
    QStringList nouveauxMagazines;
    QList<Remarque> remarques; // in the rows' order
    QList<Refus> refus;
    // The first recipes stored, as the export would write them.
    QList<QStringList> premieres;
    static constexpr int MaxPremieres = 50;
};

// Imports the rows into the tables. Names are found or added through a hash
// kept up to date as they are added, giving the numbers the card's look-up
// gives.
Bilan importer(Tables& t, const QList<LigneImportee>& lignes, Options options, PolitiqueErreurs& politique);

} // namespace Importation
