// A process killed while it saves a base leaves either the whole old file or
// the whole new one. The test runs itself as the writer ("--ecrivain"), which
// saves two large contents in turn until it is killed.
#include "base/Fichiers.h"
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <cstring>

namespace {
// Two contents of different lengths, so that a mix or a cut shows.
QByteArray contenu(char lettre, int lignes)
{
    QByteArray ligne = QByteArray(70, lettre) + "\r\n";
    return ligne.repeated(lignes);
}
const QByteArray Ancien = contenu('a', 40000);
const QByteArray Nouveau = contenu('b', 52000);

int ecrivain(const char* chemin)
{
    const QString cible = QString::fromLocal8Bit(chemin);
    for (unsigned n = 0;; ++n) {
        Fichiers::ecrireSur(cible, n % 2 ? Nouveau : Ancien);
        if (n == 0) {
            std::fputs("pret\n", stdout);
            std::fflush(stdout);
        }
    }
}
} // namespace

class TestBasesCoupure : public QObject {
    Q_OBJECT
private slots:
    void tueEnPleineSauvegarde_ancienOuNouveauEntier()
    {
        QTemporaryDir dossier;
        const QString cible = dossier.filePath(QStringLiteral("Zuta2005.don"));
        QRandomGenerator hasard(2005);
        for (int essai = 0; essai < 20; ++essai) {
            QProcess p;
            p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--ecrivain"), cible});
            QVERIFY(p.waitForStarted());
            QVERIFY(p.waitForReadyRead(60000));
            // Killed at a random moment of the writing each time (fixed seed).
            QThread::usleep(static_cast<unsigned long>(hasard.bounded(500, 30000)));
            p.kill();
            QVERIFY(p.waitForFinished());
            QFile f(cible);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray lu = f.readAll();
            QVERIFY2(lu == Ancien || lu == Nouveau, qPrintable(QStringLiteral("%1 octets").arg(lu.size())));
        }
        // The unfinished copies are unnamed files. A writer killed between
        // naming its finished copy and putting it in place leaves that copy
        // ("Zuta2005.don.XXXXXX"): clutter, never a cut file.
        const QStringList fichiers = QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden);
        QVERIFY(fichiers.contains(QStringLiteral("Zuta2005.don")));
        for (const QString& nom : fichiers) {
            QVERIFY2(nom.startsWith(QStringLiteral("Zuta2005.don")), qPrintable(nom));
            QFile f(dossier.filePath(nom));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray lu = f.readAll();
            QVERIFY2(lu == Ancien || lu == Nouveau, qPrintable(nom));
        }
    }
};

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--ecrivain") == 0)
        return ecrivain(argv[2]);
    QCoreApplication app(argc, argv);
    TestBasesCoupure test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_bases_coupure.moc"
