// Regenerates the demo folder shipped under data/demo: its settings file and
// a base of a few hundred cards.
//
// Usage: generer_demo <folder> [--complete]
// With --complete the base is the benchmark's full base (33,000 recipes): a
// folder in which to profile the start-up.
#include "Generateur.h"
#include "base/Codec.h"
#include "base/FichierBase.h"
#include "base/Fichiers.h"
#include "base/Tables.h"
#include "platform/ErreurExecution.h"
#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const bool complete = argc == 3 && QByteArray(argv[2]) == "--complete";
    if (argc != 2 && !complete) {
        std::fprintf(stderr, "usage : generer_demo <dossier> [--complete]\n");
        return 2;
    }
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    auto tables = std::make_unique<Tables>();
    Generateur::remplir(*tables, complete ? Generateur::baseComplete() : Generateur::baseDemo());
    try {
        bool remplace = false;
        Fichiers::ecrireSur(dossier.filePath(QStringLiteral("Zuta2005.don")),
                            Codec::encoder(FichierBase::ecrire(*tables), &remplace));
        if (remplace) {
            std::fprintf(stderr, "generer_demo : caractère hors Windows-1252 dans la base\n");
            return 1;
        }
        // Notes off, tooltips on, the window at 1500 twips, the default base.
        Fichiers::ecrireSur(dossier.filePath(QStringLiteral("Zuta.ini")),
                            QByteArrayLiteral(" 0 \r\n 1 \r\n 1500 \r\n 1500 \r\n*\r\n"));
    } catch (const ErreurExecution& e) {
        std::fprintf(stderr, "generer_demo : %s\n", e.description().toUtf8().constData());
        return 1;
    }
    std::printf("%d recettes, %d catégories, %d magazines écrits dans %s\n", tables->NbRecett, tables->NbCat,
                tables->NbMag, argv[1]);
    return 0;
}
