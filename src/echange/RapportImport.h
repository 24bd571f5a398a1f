#pragma once
#include "Importation.h"
#include <QByteArray>
#include <QDateTime>
#include <QString>

// What an import tells: the report "Import.txt" (Windows-1252, CR LF, like
// "Conversion.txt"), which the command line prints, and "Import-refus.csv",
// the refused rows in the export's columns with their reason, to be
// corrected and imported again.
namespace RapportImport {

inline const QString NomRapport = QStringLiteral("Import.txt");
inline const QString NomRefus = QStringLiteral("Import-refus.csv");

struct Contexte {
    QString source;        // the file imported, as shown
    QString lecture;       // SourceImport::lecture()
    bool parLignes = true; // a spreadsheet's lines; else another base's recipes
    bool doublonsAjoutes = false;
    QDateTime quand;
    QString cheminRefus; // where the refused rows were written, if any
};

// "Ligne 12 : refusée : La recette doit avoir un nom !", "Recette 3 : ..."
QString remarque(const Importation::Remarque& m, bool parLignes);
// "Nouvelles catégories : Desserts ; Entrées"..., one line per kind that has any.
QStringList nouveauxNoms(const Importation::Bilan& bilan);

// The report's text, CR LF line ends.
QString texte(const Importation::Bilan& bilan, const Contexte& contexte);

// The refused rows as a spreadsheet file: the export's columns, then "Motif".
QByteArray refus(const Importation::Bilan& bilan);

} // namespace RapportImport
