#pragma once
#include "platform/NatureFichier.h"
#include <QByteArray>
#include <QString>

class QIODevice;

// File access with French errors. Every failure throws ErreurExecution whose
// description names the file.
namespace Fichiers {

// No file of the program is larger than these: a full base of 33,000 recipes
// with long notes stays far below its bound. A larger file is refused unread.
inline constexpr qint64 Mo = 1024 * 1024;
inline constexpr qint64 TailleMaxBase = 128 * Mo;
inline constexpr qint64 TailleMaxAide = 64 * Mo;
inline constexpr qint64 TailleMaxCsv = 64 * Mo;         // a spreadsheet to import
inline constexpr qint64 TailleMaxPetitFichier = 1 * Mo; // settings, shortcut

// What a path names, and whether it is one the program may read: a regular
// file within the bound, or nothing at all (the caller tells "missing").
struct Examen {
    NatureFichier::Genre genre = NatureFichier::Genre::Absent;
    qint64 taille = 0;
    qint64 tailleMax = 0;
    bool absent() const { return genre == NatureFichier::Genre::Absent; }
    bool ordinaire() const { return genre == NatureFichier::Genre::Ordinaire; }
    bool tropGrand() const { return ordinaire() && taille > tailleMax; }
    bool refuse() const { return (!absent() && !ordinaire()) || tropGrand(); }
};
Examen examiner(const QString& chemin, qint64 tailleMax);

// "un dossier", "un périphérique", "un tube nommé", "un socket"...
QString nature(NatureFichier::Genre genre);
// Why a refused path is not read, to follow its name in a sentence:
// "désigne un périphérique, pas un fichier ordinaire" or
// "est trop volumineux (250 Mo, pour 128 Mo au plus)".
QString pourquoiRefuse(const Examen& e);

// The whole content of a regular file of at most tailleMax bytes. A folder,
// a device, a pipe or a larger file is refused without waiting on it.
QByteArray lire(const QString& chemin, qint64 tailleMax);

// Writes the whole content to a temporary file in the same folder and puts it
// in place of the old one only when it is complete: a failed write leaves the
// old file whole, and the error says so.
void ecrireSur(const QString& chemin, const QByteArray& octets);

// Keeps the file `source` (at most tailleMax bytes) under `copie`, the file
// there replaced, before the safe write replaces `source`: a hard link to it
// where the file system allows, which the safe write leaves whole since it
// puts a new file in its place; else a copy through the safe write. Fails as
// writing the copy would, and as reading the source would.
void garderCopie(const QString& source, const QString& copie, qint64 tailleMax);

// Raises the error a write would meet before anything is written: a folder
// or any other path that is no regular file in the way, a file made
// read-only, a file another program keeps locked.
void verifierRemplacable(const QString& chemin);

// Writes to any device, checking every write (tests use a failing device).
void ecrireVers(QIODevice& sortie, const QByteArray& octets, const QString& chemin);

bool existe(const QString& chemin);

} // namespace Fichiers
