#pragma once
#include <QByteArray>
#include <QString>

struct Tables;
class PolitiqueErreurs;

// The base file: the tables written out value by value, one value per line.
namespace FichierBase {

inline const QString Etiquette = QStringLiteral("v1.2b");

struct ResultatLecture {
    bool erreurs = false;     // at least one value could not be read
    bool interrompue = false; // the user ended the reading (Cancel)
    // Writing the tables back would not give the file as it is: a value the
    // reading rules had to repair (blanks, another tag, other line ends, a
    // name cut at a comma, bytes after the end) or could not read.
    bool retouchee = false;
};

// Reads the Windows-1252 bytes of a base file (current layout) into the
// tables, which the caller has emptied, each value decoded as it is read.
// Each value is a step of the error policy; when a value cannot be read, one
// "Erreur !" box asks: Retry reads it again, Cancel ends the reading, and the
// tables are then brought in line with what was read so that counts and
// counters agree.
// sauterEntete: false for the oldest layout, which has no header lines.
ResultatLecture lire(const QByteArray& octets, Tables& tables, PolitiqueErreurs& politique, bool sauterEntete = true);

// The whole file in the current layout. A name holding a comma or a line
// break is written quoted, which the reading rules read back whole; a double
// quote never reaches the file (it becomes an apostrophe).
QString ecrire(const Tables& tables);
// The same file as its Windows-1252 bytes, encoded as it is written (what a
// save writes); *remplace as Codec::encoder.
QByteArray octets(const Tables& tables, bool* remplace = nullptr);

} // namespace FichierBase
