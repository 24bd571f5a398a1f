// Runs exactly what the program's main() runs (the application, its French
// translations, the real platform, the Programme and its start-up) in the
// current folder, and exits as soon as the main window is shown and painted.
// The benchmark times this whole process; the program prints the number of
// recipes it loaded and its peak resident memory.
#include "app/FrmPrincipal.h"
#include "app/Lancement.h"
#include "app/Programme.h"
#include "base/Tables.h"
#include "platform/PlateformeQt.h"
#include "platform/PolicesEnAvance.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

namespace {
// The peak resident memory of this program's own address space (VmHWM). The
// launcher's rusage would not do: a process started by posix_spawn shares
// its parent's memory until it executes, and counts that peak as its own.
long memoirePointeKo()
{
    QFile statut(QStringLiteral("/proc/self/status"));
    if (!statut.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& ligne : statut.readAll().split('\n'))
        if (ligne.startsWith("VmHWM:"))
            return ligne.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PolicesEnAvance polices;
    QApplication app(argc, argv);
    const Lancement lancement;
    polices.attendre();
    PlateformeQt plateforme;
    Programme programme(plateforme);
    plateforme.setParent(&programme.fenetre());
    programme.demarrer();

    // The window counts as shown once the platform has exposed it and the
    // events queued by the start-up (its first painting) have run.
    QElapsedTimer attente;
    attente.start();
    const QWidget& fenetre = programme.fenetre();
    while (!(fenetre.windowHandle() && fenetre.windowHandle()->isExposed())) {
        if (attente.elapsed() > 10000) {
            std::fprintf(stderr, "demarrage : la fenêtre n'est jamais montrée\n");
            return 2;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QApplication::processEvents();
    std::printf("%d %ld\n", programme.document().tables().NbRecett, memoirePointeKo());
    std::fflush(stdout);
    // Tearing down 33,000 recipes is not part of the start-up.
    std::_Exit(0);
}
