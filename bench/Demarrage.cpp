#include "Demarrage.h"
#include "BancProgramme.h"
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

MesureDemarrage demarrer(const QString& executable, const QString& dossier)
{
    // The child's output goes to a file of the folder: its one line is the
    // number of recipes it loaded.
    const QByteArray programme = executable.toLocal8Bit();
    const QByteArray sortie = (dossier + QStringLiteral("/demarrage.txt")).toLocal8Bit();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, sortie.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    // Its warnings (the offscreen platform's remarks) are kept beside it.
    const QByteArray erreurs = (dossier + QStringLiteral("/demarrage-erreurs.txt")).toLocal8Bit();
    posix_spawn_file_actions_addopen(&actions, 2, erreurs.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const QByteArray ici = dossier.toLocal8Bit();
    char* arguments[] = {const_cast<char*>(programme.constData()), nullptr};

    posix_spawn_file_actions_addchdir_np(&actions, ici.constData());
    const auto debut = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int erreur = posix_spawn(&pid, programme.constData(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (erreur != 0)
        echec(QStringLiteral("lancement impossible de ") + executable);

    int statut = 0;
    if (waitpid(pid, &statut, 0) != pid || !WIFEXITED(statut) || WEXITSTATUS(statut) != 0)
        echec(QStringLiteral("le démarrage ne s'est pas terminé normalement (voir ") + QString::fromLocal8Bit(erreurs)
              + QLatin1Char(')'));
    const auto fin = std::chrono::steady_clock::now();

    MesureDemarrage d;
    d.ms = std::chrono::duration<double, std::milli>(fin - debut).count();
    long pointeKo = -1;
    if (FILE* f = std::fopen(sortie.constData(), "r")) {
        if (std::fscanf(f, "%d %ld", &d.recettes, &pointeKo) != 2)
            d.recettes = -1;
        std::fclose(f);
    }
    if (pointeKo < 0)
        echec(QStringLiteral("le démarrage n'a pas donné sa mémoire"));
    d.memoireMo = static_cast<double>(pointeKo) / 1024.0;
    return d;
}
