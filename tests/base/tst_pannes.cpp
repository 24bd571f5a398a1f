// Writes that fail: a device that stops after N bytes, a file that may not
// grow beyond N bytes (a full disk for this process), a folder in place of the
// file, a file in place of the folder, a missing folder, a read-only file
// system. The previous file always stays whole, the error is French and names
// the file, and nothing is left behind in the folder.
#include "Outils.h"
#include "base/FichierBase.h"
#include "base/Fichiers.h"
#include <QTemporaryDir>
#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {

// Accepts the first `limite` bytes, then fails like a full disk.
class SortieDefaillante : public QIODevice {
public:
    explicit SortieDefaillante(qint64 limite) : m_limite(limite) { open(QIODevice::WriteOnly); }
    QByteArray recu;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* donnees, qint64 taille) override
    {
        const qint64 n = std::min(taille, m_limite - recu.size());
        if (n <= 0)
            return -1;
        recu.append(donnees, n);
        return n;
    }

private:
    qint64 m_limite;
};

// Two categories (one with two sub-categories), a magazine and three
// recipes, as bytes.
QByteArray petiteBase()
{
    auto t = std::make_unique<Tables>();
    remplirTables(*t, {u("Desserts/Tartes/Crèmes"), u("Entrées")}, {u("Cuisine")},
                  {{"Tarte n°1", 1, 1, 1, 1, "81", "4", "beurre, sucre"},
                   {"Tarte n°2", 1, 1, 1, 0, "82", "8", "beurre, sucre"},
                   {"Tarte n°3", 1, 1, 1, 1, "83", "12", "beurre, sucre"}});
    return Codec::encoder(FichierBase::ecrire(*t));
}

QByteArray lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

QStringList contenuDe(const QTemporaryDir& dossier)
{
    return QDir(dossier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// Every write of this process to a file stops at `octets` bytes while it
// lives, as on a full disk.
class DisquePlein {
public:
    explicit DisquePlein(rlim_t octets)
    {
        getrlimit(RLIMIT_FSIZE, &m_avant);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit l = m_avant;
        l.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    ~DisquePlein()
    {
        setrlimit(RLIMIT_FSIZE, &m_avant);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_avant{};
    void (*m_signal)(int) = nullptr;
};

} // namespace

class TestPannes : public QObject {
    Q_OBJECT
private slots:
    // Every cut of the small base, from the first byte of the header to the
    // last byte of the last recipe: the device holds exactly what it accepted
    // and the error names the file.
    void sortieCoupeeApresNOctets()
    {
        const QByteArray octets = petiteBase();
        const QString chemin = u("/dossier/Zuta2005.don");
        QVERIFY(octets.startsWith("-1 \r\nv1.2b\r\n 2 \r\nDesserts") && octets.endsWith("\r\n"));
        for (qint64 n = 0; n < octets.size(); ++n) {
            SortieDefaillante sortie(n);
            const QString erreur = erreurDe([&] { Fichiers::ecrireVers(sortie, octets, chemin); });
            QVERIFY2(erreur == pasEcrit(u("Disque plein"), chemin), qPrintable(QString::number(n)));
            QCOMPARE(sortie.recu, octets.left(n));
        }
        SortieDefaillante entiere(octets.size());
        QCOMPARE(erreurDe([&] { Fichiers::ecrireVers(entiere, octets, chemin); }), QString());
        QCOMPARE(entiere.recu, octets);
    }

    // The real safe write on a disk that fills up after N bytes, for cuts in
    // the header, the categories, the recipes and at the last byte: the old
    // base is whole and no temporary file is left.
    void disquePleinApresNOctets_data()
    {
        QTest::addColumn<int>("coupure");
        const QByteArray octets = petiteBase();
        QTest::newRow("rien") << 0;
        QTest::newRow("en-tête") << 4;
        QTest::newRow("catégories") << int(octets.indexOf("Tartes"));
        QTest::newRow("magazine") << int(octets.indexOf("Cuisine"));
        QTest::newRow("recettes") << int(octets.indexOf("beurre"));
        QTest::newRow("dernier octet") << int(octets.size() - 1);
    }

    void disquePleinApresNOctets()
    {
        QFETCH(int, coupure);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(u("Zuta2005.don"));
        Fichiers::ecrireSur(chemin, BaseVide);
        QString erreur;
        {
            DisquePlein plein(static_cast<rlim_t>(coupure));
            erreur = erreurDe([&] { Fichiers::ecrireSur(chemin, petiteBase()); });
        }
        QVERIFY2(erreur.endsWith(pasEcrit(QString(), chemin)), qPrintable(erreur));
        QCOMPARE(lire(chemin), BaseVide);
        QCOMPARE(contenuDe(dossier), QStringList{u("Zuta2005.don")});
        // The same write goes through once there is room again.
        Fichiers::ecrireSur(chemin, petiteBase());
        QCOMPARE(lire(chemin), petiteBase());
    }

    // Places that cannot take the file: a folder where the file should be, a
    // file where its folder should be, a folder that does not exist, a
    // read-only file system (/proc: root cannot write there either).
    void cheminsImpossibles_data()
    {
        QTest::addColumn<QString>("relatif");
        QTest::addColumn<QString>("debut");
        QTest::newRow("dossier à la place du fichier") << u("Base.don") << Erreurs::ErreurAccesChemin;
        QTest::newRow("fichier à la place du dossier") << u("Fichier/Base.don") << Erreurs::ErreurAccesChemin;
        QTest::newRow("dossier manquant") << u("Manque/Base.don") << Erreurs::ErreurAccesChemin;
        QTest::newRow("système en lecture seule") << u("/proc/self/Base.don") << u("Permission refusée");
    }

    void cheminsImpossibles()
    {
        QFETCH(QString, relatif);
        QFETCH(QString, debut);
        QTemporaryDir dossier;
        QDir(dossier.path()).mkdir(u("Base.don"));
        QFile fichier(dossier.filePath(u("Fichier")));
        QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.write("a garder") == 8);
        fichier.close();
        const QString chemin = relatif.startsWith(QLatin1Char('/')) ? relatif : dossier.filePath(relatif);
        const QString erreur = erreurDe([&] { Fichiers::ecrireSur(chemin, petiteBase()); });
        QVERIFY2(erreur.startsWith(debut) && erreur.contains(nomAffiche(chemin)), qPrintable(erreur));
        QCOMPARE(lire(dossier.filePath(u("Fichier"))), QByteArray("a garder"));
        QVERIFY(QFileInfo(dossier.filePath(u("Base.don"))).isDir());
        QCOMPARE(contenuDe(dossier), (QStringList{u("Base.don"), u("Fichier")}));
    }

    // Reading a folder, a missing file or a file whose reading fails (a
    // write-only file of /proc, which even root cannot read): a French error
    // naming it.
    void lecturesImpossibles()
    {
        QTemporaryDir dossier;
        const QString manquant = dossier.filePath(u("Manque.don"));
        QCOMPARE(erreurDe([&] { Fichiers::lire(manquant, Fichiers::TailleMaxBase); }), u("Fichier introuvable : ") + manquant);
        QCOMPARE(erreurDe([&] { Fichiers::lire(dossier.path(), Fichiers::TailleMaxBase); }), u("Ce n'est pas un fichier ordinaire : ") + dossier.path());
        QCOMPARE(erreurDe([&] { Fichiers::lire(u("/proc/self/clear_refs"), Fichiers::TailleMaxBase); }),
                 u("Erreur d'entrée/sortie : /proc/self/clear_refs"));
    }

    // A file its owner made read-only is not replaced, although this test
    // runs as root, whom the system would let replace it.
    void fichierEnLectureSeule()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(u("Base.don"));
        Fichiers::ecrireSur(chemin, "ancienne");
        QVERIFY(QFile::setPermissions(chemin, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        QCOMPARE(erreurDe([&] { Fichiers::ecrireSur(chemin, petiteBase()); }),
                 pasEcrit(u("Fichier en lecture seule"), chemin));
        QCOMPARE(Fichiers::lire(chemin, Fichiers::TailleMaxBase), QByteArray("ancienne")); // still read
        QCOMPARE(contenuDe(dossier), QStringList{u("Base.don")});
    }

    // Another program's lock: a writer's lock stops both reading and
    // replacing; a reader's lock stops only replacing. Both kinds of Unix
    // lock are seen.
    void fichierVerrouille_data()
    {
        QTest::addColumn<bool>("fcntl");
        QTest::addColumn<bool>("exclusif");
        QTest::newRow("flock d'un lecteur") << false << false;
        QTest::newRow("flock d'un écrivain") << false << true;
        QTest::newRow("fcntl d'un lecteur") << true << false;
        QTest::newRow("fcntl d'un écrivain") << true << true;
    }

    void fichierVerrouille()
    {
        QFETCH(bool, fcntl);
        QFETCH(bool, exclusif);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(u("Base.don"));
        Fichiers::ecrireSur(chemin, "ancienne");
        {
            VerrouAutreProgramme verrou(chemin, exclusif, fcntl);
            QVERIFY(verrou.pris());
            const QString raison = u("Fichier verrouillé par un autre programme");
            QCOMPARE(erreurDe([&] { Fichiers::ecrireSur(chemin, petiteBase()); }), pasEcrit(raison, chemin));
            QCOMPARE(erreurDe([&] { Fichiers::lire(chemin, Fichiers::TailleMaxBase); }), exclusif ? raison + u(" : ") + chemin : QString());
            QCOMPARE(lire(chemin), QByteArray("ancienne"));
        }
        Fichiers::ecrireSur(chemin, petiteBase()); // the lock released, the file is replaced
        QCOMPARE(lire(chemin), petiteBase());
    }
};

QTEST_GUILESS_MAIN(TestPannes)
#include "tst_pannes.moc"
