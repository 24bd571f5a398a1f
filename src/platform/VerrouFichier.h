#pragma once
#include <QString>

// Whether another program holds a lock on a file. Windows refuses by itself to
// open or replace a file that another program keeps locked; on Unix locks are
// only advisory, so the two kinds other programs take (flock and fcntl) are
// looked at before the file is read or replaced.
namespace VerrouFichier {

// Another program is writing the file: reading it now could give half of it.
bool empecheLecture(const QString& chemin);

// Another program reads or writes the file: it must not be replaced now.
bool empecheEcriture(const QString& chemin);

} // namespace VerrouFichier
