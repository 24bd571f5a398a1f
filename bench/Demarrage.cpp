#include "Demarrage.h"
#include "BancProgramme.h"
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <spawn.h>
#include <chrono>
#include <cstdlib>

extern char** environ;

Demarrage demarrer(const QString& executable, const QString& dossier)
{
    // The child's output goes to a file of the folder: its one line is the
    // number of recipes it loaded.
    const QByteArray programme = executable.toLocal8Bit();
    const QByteArray sortie = (dossier + QStringLiteral("/demarrage.txt")).toLocal8Bit();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, sortie.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
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
    rusage usage{};
    if (wait4(pid, &statut, 0, &usage) != pid || !WIFEXITED(statut) || WEXITSTATUS(statut) != 0)
        echec(QStringLiteral("le démarrage ne s'est pas terminé normalement"));
    const auto fin = std::chrono::steady_clock::now();

    Demarrage d;
    d.ms = std::chrono::duration<double, std::milli>(fin - debut).count();
    d.memoireMo = static_cast<double>(usage.ru_maxrss) / 1024.0;
    if (FILE* f = std::fopen(sortie.constData(), "r")) {
        if (std::fscanf(f, "%d", &d.recettes) != 1)
            d.recettes = -1;
        std::fclose(f);
    }
    return d;
}
