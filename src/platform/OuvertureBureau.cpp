#include "OuvertureBureau.h"
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <memory>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace OuvertureBureau {

namespace {
// Past this, an opener still running has started a program for the target.
constexpr qint64 DelaiEchecMs = 10000;

// Waits for the opener without blocking the window: a child left unwaited
// would stay a zombie, so it is reaped even after the report window.
void surveiller(pid_t pid, QObject* contexte, std::function<void()> siEchec)
{
    auto* minuterie = new QTimer(contexte);
    auto depuis = std::make_shared<QElapsedTimer>();
    depuis->start();
    minuterie->setInterval(50);
    QObject::connect(minuterie, &QTimer::timeout, minuterie, [=] {
        int statut = 0;
        const pid_t fini = ::waitpid(pid, &statut, WNOHANG);
        if (fini == 0) {
            if (depuis->elapsed() > 2000)
                minuterie->setInterval(1000);
            return;
        }
        minuterie->deleteLater();
        const bool echec = fini == pid && !(WIFEXITED(statut) && WEXITSTATUS(statut) == 0);
        if (echec && depuis->elapsed() <= DelaiEchecMs)
            siEchec();
    });
    minuterie->start();
}
} // namespace

void ouvrir(const QUrl& cible, QObject* contexte, std::function<void()> siEchec)
{
    const QByteArray programme = "xdg-open";
    const QByteArray argument = cible.isLocalFile() ? QFile::encodeName(cible.toLocalFile()) : cible.toEncoded();
    char* arguments[] = {const_cast<char*>(programme.constData()), const_cast<char*>(argument.constData()), nullptr};
    pid_t pid = 0;
    if (::posix_spawnp(&pid, programme.constData(), nullptr, nullptr, arguments, environ) != 0) {
        siEchec();
        return;
    }
    surveiller(pid, contexte, std::move(siEchec));
}

} // namespace OuvertureBureau

#else

namespace OuvertureBureau {

void ouvrir(const QUrl& cible, QObject*, std::function<void()> siEchec)
{
    if (!QDesktopServices::openUrl(cible))
        siEchec();
}

} // namespace OuvertureBureau

#endif
