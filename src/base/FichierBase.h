#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

struct Tables;
class PolitiqueErreurs;

// The base file: the tables written out value by value, one value per line.
namespace FichierBase {

inline const QString Etiquette = QStringLiteral("v1.2b");

// What a save wrote, for the next save of the same tables: its bytes, where
// each recipe's bytes begin, and the stamp the recipe tables had then. A
// recipe row not written since (see Table2::ligneEcrite) still has exactly
// those bytes, which are copied rather than encoded again, so that a save
// after a few changes is mostly the file system's own work. Only bytes in
// which no character became "?" are kept. Filled by octets() and retenirLecture() only.
struct DejaEcrit {
    const Tables* tables = nullptr; // whose rows the stamps are
    QByteArray octets;
    std::vector<qsizetype> debuts; // recipe r begins at debuts[r]; debuts[NbRecett + 1] is the end
    quint64 tampon = 0;
};

struct ResultatLecture {
    bool erreurs = false;     // at least one value could not be read
    bool interrompue = false; // the user ended the reading (Cancel)
    // Writing the tables back would not give the file as it is: a value the
    // reading rules had to repair (blanks, another tag, other line ends, a
    // name cut at a comma, bytes after the end) or could not read.
    bool retouchee = false;
    // Where each recipe began in the file (index 1 on).
    std::vector<qsizetype> debuts;
};

// Reads the Windows-1252 bytes of a base file (current layout) into the
// tables, which the caller has emptied, each value decoded as it is read.
// Each value is a step of the error policy; when a value cannot be read, one
// "Erreur !" box asks: Retry reads it again, Cancel ends the reading, and the
// tables are then brought in line with what was read so that counts and
// counters agree.
// sauterEntete: false for the oldest layout, which has no header lines.
ResultatLecture lire(const QByteArray& octets, Tables& tables, PolitiqueErreurs& politique, bool sauterEntete = true);

// A reading without errors nor repairs read exactly the bytes a save of
// those tables would write: they are kept in `deja` as if a save had written
// them (its recipes' places taken from `r`). Any other reading empties it.
void retenirLecture(const Tables& tables, const QByteArray& octets, ResultatLecture& r, DejaEcrit& deja);

// The whole file in the current layout. A name holding a comma or a line
// break is written quoted, which the reading rules read back whole; a double
// quote never reaches the file (it becomes an apostrophe).
QString ecrire(const Tables& tables);

// The same file as its Windows-1252 bytes, encoded as it is written (what a
// save writes); *remplace as Codec::encoder. With `deja`, the recipes that
// it holds and that were not written since are copied from it, and it then
// holds these bytes.
QByteArray octets(const Tables& tables, bool* remplace = nullptr, DejaEcrit* deja = nullptr);

} // namespace FichierBase
