#pragma once
#include <QString>

struct Tables;

// Bases written before v1.2b: the header check, the reading of the older
// layouts, the recount of the category and sub-category counters, and the
// report "Conversion.txt". Works on texts only; the caller reads and writes
// the files.
namespace Conversion {

inline const QString NomRapport = QStringLiteral("Conversion.txt");

enum class Genre {
    Courante,   // -1 then any tag but "v1.2": read as it is
    V12,        // -1 then "v1.2": older layout after two header lines
    SansEntete, // starts directly with the number of categories
    PasUneBase  // the first value is not a number (or -1 stands alone)
};

// Looks at the first two values of a base file's bytes.
Genre examinerEntete(const QByteArray& octets);

// The name under which an older base is kept: its last four characters (the
// extension ".don") replaced by "-OLD.don".
QString cheminGarde(const QString& cheminBase);

struct Resultat {
    bool lue = false; // the older layout was read whole
    QString raison;   // why not, in French, when it was not
    QString rapport;  // the report's text, CR LF line ends
    int erreurs = 0;  // counters corrected
};

// Reads an older base (V12 or SansEntete) into the tables, checks and corrects
// the category and sub-category counters, and writes the report. Magazine
// counters are carried over as read. When the text is not a readable older
// base, nothing is reported and the tables must be considered empty.
Resultat convertir(const QString& texte, Genre genre, Tables& tables, const QString& cheminBase,
                   const QString& cheminGarde);

} // namespace Conversion
