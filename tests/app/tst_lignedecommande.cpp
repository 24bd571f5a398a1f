// The command line: its forms, and the runs without window with their exit status, output and errors; the program
// itself run with no display.
#include "Outils.h"
#include "app/ExecutionSansFenetre.h"
#include "base/FichierBase.h"
#include "base/Fichiers.h"
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

class TestLigneDeCommande : public QObject {
    Q_OBJECT
private slots:
    void analyser_formes_data()
    {
        QTest::addColumn<QString>("arguments"); // separated by blanks
        QTest::addColumn<QString>("forme");     // genre|base|file|duplicates added|error
        QTest::newRow("fenêtre sur une base") << u("a.don") << u("0|a.don|||");
        QTest::newRow("exporter") << u("--exporter a.don b.csv") << u("1|a.don|b.csv||");
        QTest::newRow("importer en ajoutant")
            << u("--ajouter-doublons --importer a.don b.don") << u("2|a.don|b.don|1|");
        QTest::newRow("aide") << u("--exporter -h") << u("3||||");
        QTest::newRow("un chemin") << u("--exporter a.don")
                                   << u("4||||« --exporter » attend deux chemins : la base à lire et le fichier CSV à "
                                        "écrire.");
        QTest::newRow("doublons sans import")
            << u("--ajouter-doublons a.don") << u("4||||L'option « --ajouter-doublons » ne va qu'avec « --importer ».");
        QTest::newRow("option inconnue") << u("--bla") << u("4||||Option inconnue : « --bla ».");
        QTest::newRow("deux bases") << u("a.don b.don") << u("4||||Un seul chemin de base est attendu.");
    }
    void analyser_formes()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, forme);
        const LigneDeCommande::Forme f = LigneDeCommande::analyser(arguments.split(u' ', Qt::SkipEmptyParts));
        QCOMPARE(QStringList(
                     {QString::number(int(f.genre)), f.base, f.fichier, f.ajouterDoublons ? u("1") : u(""), f.erreur})
                     .join(u'|'),
                 forme);
    }

    // 0: all done; 1: rows refused, the others imported and the base saved with its ".bak" copy; 2: nothing done,
    // one French sentence on the error stream.
    void executer_statutsSortieEtErreurs_data()
    {
        QTest::addColumn<QString>("arguments"); // %1 the folder
        QTest::addColumn<int>("statut");
        QTest::addColumn<QString>("sortie"); // a line it holds
        QTest::addColumn<QString>("erreur"); // its first line
        QTest::newRow("export") << u("--exporter %1a.don %1e.csv") << 0
                                << u("1 recette exportée dans le fichier « %1e.csv ».") << u("");
        QTest::newRow("import, une ligne refusée")
            << u("--importer %1a.don %1i.csv") << 1 << u("Lignes refusées : 1") << u("");
        QTest::newRow("import d'une base")
            << u("--importer %1a.don %1b.don --ajouter-doublons") << 0 << u("Recettes importées : 1") << u("");
        QTest::newRow("base introuvable")
            << u("--importer %1x.don %1i.csv") << 2 << u("") << u("La base « %1x.don » est introuvable.");
        QTest::newRow("base ancienne") << u("--importer %1v.don %1i.csv") << 2 << u("")
                                       << u("La base « %1v.don » vient d'une version antérieure à v1.2b : ouvrez-la "
                                            "d'abord dans la fenêtre de Zuta!, qui la convertit.");
        QTest::newRow("base en lecture seule")
            << u("--importer %1l.don %1i.csv") << 2 << u("") << u("La base « %1l.don » ne peut pas être enregistrée.");
        QTest::newRow("sans colonne Nom") << u("--importer %1a.don %1n.csv") << 2 << u("")
                                          << u("Le fichier « %1n.csv » ne peut pas être importé : La ligne d'en-tête "
                                               "n'a pas de colonne « Nom » : aucune recette ne peut être importée.");
    }
    void executer_statutsSortieEtErreurs()
    {
        QFETCH(QString, arguments);
        QFETCH(int, statut);
        QFETCH(QString, sortie);
        QFETCH(QString, erreur);
        QTemporaryDir dossier;
        const QString d = dossier.path() + u'/';
        const auto ecrire = [&](const char* nom, const QByteArray& octets) { Fichiers::ecrireSur(d + u(nom), octets); };
        for (const char* base : {"a.don", "l.don"})
            ecrire(base, baseUneRecette());
        QFile(d + u("l.don")).setPermissions(QFileDevice::ReadOwner);
        ecrire("b.don", Codec::encoder(FichierBase::ecrire([] {
                   Tables t;
                   remplirTables(t, {}, {u("Elle")}, {{"Flan", 0, 0, 1}});
                   return t;
               }())));
        ecrire("v.don", " 0 \r\n 0 \r\n 0 \r\n");
        ecrire("i.csv", "Nom;Magazine\nFlan;Elle\nSeul;\n");
        ecrire("n.csv", "Titre;Magazine\nFlan;Elle\n");
        const QString ancien = QDir::currentPath();
        QDir::setCurrent(d);
        QString texteSortie, texteErreurs;
        QTextStream s(&texteSortie), e(&texteErreurs);
        const int obtenu = ExecutionSansFenetre::executer(
            LigneDeCommande::analyser(arguments.arg(d).split(u' ', Qt::SkipEmptyParts)), s, e);
        QDir::setCurrent(ancien);
        QCOMPARE(obtenu, statut);
        QVERIFY2(texteSortie.split(u'\n').contains(sortie.arg(d)), qPrintable(texteSortie));
        QCOMPARE(texteErreurs.section(u'\n', 0, 0), erreur.arg(d));
        QCOMPARE(QFile::exists(d + u("a.don.bak")), (statut == 0 && arguments.contains(u("b.don"))) || statut == 1);
        QCOMPARE(QFile::exists(d + u("Import-refus.csv")), statut == 1);
    }

    // The program with no display at all: the help, and an error's status.
    void programme_sansAffichage()
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(u(variable));
        p.setProcessEnvironment(env);
        p.start(qEnvironmentVariable("ZUTA_PROGRAMME"), {u("--help")});
        QVERIFY(p.waitForFinished());
        QCOMPARE(std::tuple(p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).section(u'\n', 0, 0)),
                 std::tuple(0, u("Zuta! v1.2b - l'index des recettes de vos magazines")));
        p.start(qEnvironmentVariable("ZUTA_PROGRAMME"), {u("--importer"), u("absente.don")});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 2);
    }
};

QTEST_GUILESS_MAIN(TestLigneDeCommande)
#include "tst_lignedecommande.moc"
