#include "VerrouFichier.h"
#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace VerrouFichier {

#ifdef Q_OS_UNIX
namespace {

// A lock of another program that conflicts with reading (exclusif = false) or
// with writing (exclusif = true). The file is opened read-only: nothing of it
// changes, and a lock tried here is released at once.
bool verrouille(const QString& chemin, bool exclusif)
{
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false; // absent or unreadable: the caller reports that itself
    bool pris = false;
    if (::flock(fd, (exclusif ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0)
        pris = errno == EWOULDBLOCK;
    else
        ::flock(fd, LOCK_UN);
#ifdef F_OFD_GETLK
    if (!pris) {
        struct flock demande {};
        demande.l_type = exclusif ? F_WRLCK : F_RDLCK;
        demande.l_whence = SEEK_SET;
        if (::fcntl(fd, F_OFD_GETLK, &demande) == 0)
            pris = demande.l_type != F_UNLCK;
    }
#endif
    ::close(fd);
    return pris;
}

} // namespace

bool empecheLecture(const QString& chemin) { return verrouille(chemin, false); }
bool empecheEcriture(const QString& chemin) { return verrouille(chemin, true); }
#else
bool empecheLecture(const QString&) { return false; }
bool empecheEcriture(const QString&) { return false; }
#endif

} // namespace VerrouFichier
