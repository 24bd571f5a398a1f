#pragma once
#include <QByteArray>
#include <QString>

class QIODevice;

// File access with French errors. Every failure throws ErreurExecution whose
// description names the file.
namespace Fichiers {

// The whole content of a file.
QByteArray lire(const QString& chemin);

// Writes the whole content to a temporary file in the same folder and puts it
// in place of the old one only when it is complete: a failed write leaves the
// old file whole, and the error says so.
void ecrireSur(const QString& chemin, const QByteArray& octets);

// Raises the error a write would meet before anything is written: a folder
// in the way, a file made read-only, a file another program keeps locked.
void verifierRemplacable(const QString& chemin);

// Writes to any device, checking every write (tests use a failing device).
void ecrireVers(QIODevice& sortie, const QByteArray& octets, const QString& chemin);

bool existe(const QString& chemin);

} // namespace Fichiers
