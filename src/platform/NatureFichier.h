#pragma once
#include <QString>

class QFile;

// What a path names, seen before one of the program's files is read: only a
// regular file is ever read. A device gives no end (/dev/zero), a pipe with
// no writer blocks its reader for ever; neither is a file of the program.
namespace NatureFichier {

enum class Genre { Absent, Ordinaire, Dossier, Peripherique, Tube, Socket, Special };

struct Etat {
    Genre genre = Genre::Absent;
    qint64 taille = 0; // bytes, for a regular file
};

// What the path names now, its symbolic links followed. Nothing is opened.
Etat examiner(const QString& chemin);

// Opens the file for reading without ever waiting on a pipe or a device, and
// tells what the open file is: the check is made on the open file itself, so
// that a path swapped in between is not read. False when it cannot be opened.
bool ouvrirEnLecture(QFile& fichier, const QString& chemin, Etat& etat);

} // namespace NatureFichier
