#pragma once
#include <QString>
#include <QStringList>

// The program's command line: the window, on the base given or on the one
// the settings name, or a run without window that exports or imports.
namespace LigneDeCommande {

enum class Genre {
    Fenetre,  // Zuta [BASE.don]
    Exporter, // Zuta --exporter BASE.don SORTIE.csv
    Importer, // Zuta --importer BASE.don ENTREE.csv|AUTRE.don [--ajouter-doublons]
    Aide,     // Zuta --help
    Erreur,   // anything else: `erreur` says what is wrong
};

struct Forme {
    Genre genre = Genre::Fenetre;
    QString base;    // the window's (may be empty), the export's or the import's
    QString fichier; // the file the export writes or the import reads
    bool ajouterDoublons = false;
    QString erreur;
};

// The arguments after the program's name, those of Qt taken out.
Forme analyser(const QStringList& arguments);

// True when the arguments hold an option of the program's own kind ("--"
// and a word, or "-h"): the run needs no window, nor any display, and an
// unknown one is said on the error stream.
bool sansFenetre(const QStringList& arguments);

// What "Zuta --help" prints.
QString aide();

} // namespace LigneDeCommande
