#include "NatureFichier.h"
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace NatureFichier {

#ifdef Q_OS_UNIX
namespace {
Etat depuisStat(const struct stat& s)
{
    if (S_ISREG(s.st_mode))
        return {Genre::Ordinaire, static_cast<qint64>(s.st_size)};
    if (S_ISDIR(s.st_mode))
        return {Genre::Dossier, 0};
    if (S_ISCHR(s.st_mode) || S_ISBLK(s.st_mode))
        return {Genre::Peripherique, 0};
    if (S_ISFIFO(s.st_mode))
        return {Genre::Tube, 0};
    if (S_ISSOCK(s.st_mode))
        return {Genre::Socket, 0};
    return {Genre::Special, 0};
}
} // namespace

Etat examiner(const QString& chemin)
{
    struct stat s {};
    if (::stat(QFile::encodeName(chemin).constData(), &s) != 0)
        return {};
    return depuisStat(s);
}

bool ouvrirEnLecture(QFile& fichier, const QString& chemin, Etat& etat)
{
    // Non-blocking: opening a pipe with no writer returns at once.
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat s {};
    if (::fstat(fd, &s) != 0) {
        ::close(fd);
        return false;
    }
    etat = depuisStat(s);
    if (etat.genre != Genre::Ordinaire) {
        ::close(fd);
        return true;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fichier.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
}

#else

Etat examiner(const QString& chemin)
{
    const QFileInfo info(chemin);
    if (!info.exists())
        return {};
    if (info.isDir())
        return {Genre::Dossier, 0};
    if (!info.isFile())
        return {Genre::Special, 0};
    return {Genre::Ordinaire, info.size()};
}

bool ouvrirEnLecture(QFile& fichier, const QString& chemin, Etat& etat)
{
    etat = examiner(chemin);
    if (etat.genre != Genre::Ordinaire)
        return etat.genre != Genre::Absent;
    fichier.setFileName(chemin);
    return fichier.open(QIODevice::ReadOnly);
}

#endif

} // namespace NatureFichier
