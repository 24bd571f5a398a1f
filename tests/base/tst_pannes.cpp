// Writes that fail: a device that stops after N bytes, a file that may not
// grow beyond N bytes (a full disk for this process), a folder in place of the
// file, a file in place of the folder, a missing folder, a read-only file
// system. The previous file always stays whole, the error is French and names
// the file, and nothing is left behind in the folder.
#include "base/Codec.h"
#include "base/FichierBase.h"
#include "base/Fichiers.h"
#include "base/Tables.h"
#include "platform/ErreurExecution.h"
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

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
        const qint64 place = m_limite - recu.size();
        if (place <= 0)
            return -1;
        const qint64 n = std::min(taille, place);
        recu.append(donnees, n);
        return n;
    }

private:
    qint64 m_limite;
};

// A base with two categories (one with two sub-categories), a magazine and
// three recipes, as bytes.
QByteArray petiteBase()
{
    auto t = std::make_unique<Tables>();
    t->NbCat = 2;
    t->Cat(1) = QStringLiteral("Desserts");
    t->NbSousCat(1) = 2;
    t->SousCat(1, 1) = QStringLiteral("Tartes");
    t->SousCat(1, 2) = QStringLiteral("Crèmes");
    t->Cat(2) = QStringLiteral("Entrées");
    t->NbMag = 1;
    t->Mag(1) = QStringLiteral("Cuisine");
    t->NbRecett = 3;
    for (int r = 1; r <= 3; ++r) {
        t->RecettTexte(r, 0) = QString::number(80 + r);
        t->RecettTexte(r, 1) = QString::number(r * 4);
        t->RecettTexte(r, 2) = QStringLiteral("beurre, sucre");
        t->RecettTexte(r, 3) = QStringLiteral("Tarte n°%1").arg(r);
        t->RecettVal(r, 0) = 1;
        t->RecettVal(r, 1) = 1;
        t->RecettVal(r, 2) = 1;
        t->RecettVal(r, 3) = r % 2;
    }
    t->CatNbRecett(1) = 3;
    t->SousCatNbRecett(1, 1) = 3;
    t->MagNbRecett(1) = 3;
    return Codec::encoder(FichierBase::ecrire(*t));
}

QByteArray lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

// The description of the error a call raises, or "" when it raises none.
template <class F>
QString erreurDe(F appel)
{
    try {
        appel();
    } catch (const ErreurExecution& e) {
        return e.description();
    }
    return QString();
}

QString nomAffiche(const QString& chemin)
{
    return QStringLiteral("« ") + QDir::toNativeSeparators(chemin) + QStringLiteral(" »");
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

// A lock on a file held through an opening of its own, as another program
// holds it: flock or an fcntl lock, shared (a reader) or exclusive (a writer).
class VerrouAutreProgramme {
public:
    VerrouAutreProgramme(const QString& chemin, bool fcntlPlutotQueFlock, bool exclusif)
        : m_fd(::open(QFile::encodeName(chemin).constData(), O_RDWR))
    {
        if (fcntlPlutotQueFlock) {
            struct flock l {};
            l.l_type = exclusif ? F_WRLCK : F_RDLCK;
            l.l_whence = SEEK_SET;
            m_pris = ::fcntl(m_fd, F_OFD_SETLK, &l) == 0;
        } else {
            m_pris = ::flock(m_fd, exclusif ? LOCK_EX : LOCK_SH) == 0;
        }
    }
    ~VerrouAutreProgramme() { ::close(m_fd); }
    bool pris() const { return m_pris; }

private:
    int m_fd;
    bool m_pris = false;
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
        const QString chemin = QStringLiteral("/dossier/Zuta2005.don");
        // The boundaries of interest are all inside this range: the header
        // ("-1", "v1.2b"), the categories, the magazine, the recipes, the
        // last byte.
        QVERIFY(octets.startsWith("-1 \r\nv1.2b\r\n 2 \r\nDesserts"));
        QVERIFY(octets.endsWith("\r\n"));
        for (qint64 n = 0; n < octets.size(); ++n) {
            SortieDefaillante sortie(n);
            const QString erreur = erreurDe([&] { Fichiers::ecrireVers(sortie, octets, chemin); });
            QVERIFY2(erreur.startsWith(Erreurs::DisquePlein), qPrintable(QString::number(n)));
            QVERIFY(erreur.contains(nomAffiche(chemin)));
            QVERIFY(erreur.contains(QStringLiteral("son contenu précédent est intact")));
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
        const QString chemin = dossier.filePath(QStringLiteral("Zuta2005.don"));
        const QByteArray ancien = QByteArray("-1 \r\nv1.2b\r\n 0 \r\n 0 \r\n 0 \r\n");
        Fichiers::ecrireSur(chemin, ancien);
        const QByteArray nouveau = petiteBase();
        QString erreur;
        {
            DisquePlein plein(static_cast<rlim_t>(coupure));
            erreur = erreurDe([&] { Fichiers::ecrireSur(chemin, nouveau); });
        }
        QVERIFY2(!erreur.isEmpty(), "a write beyond the limit must fail");
        QVERIFY(erreur.contains(nomAffiche(chemin)));
        QVERIFY(erreur.contains(QStringLiteral("son contenu précédent est intact")));
        QCOMPARE(lire(chemin), ancien);
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Zuta2005.don")});
        // The same write goes through once there is room again.
        Fichiers::ecrireSur(chemin, nouveau);
        QCOMPARE(lire(chemin), nouveau);
    }

    // Places that cannot take the file: a folder where the file should be, a
    // file where its folder should be, a folder that does not exist, a
    // read-only file system (/proc: root cannot write there either).
    void cheminsImpossibles_data()
    {
        QTest::addColumn<QString>("relatif");
        QTest::addColumn<QString>("debut");
        QTest::newRow("dossier à la place du fichier") << QStringLiteral("Base.don") << Erreurs::ErreurAccesChemin;
        QTest::newRow("fichier à la place du dossier") << QStringLiteral("Fichier/Base.don") << Erreurs::ErreurAccesChemin;
        QTest::newRow("dossier manquant") << QStringLiteral("Manque/Base.don") << Erreurs::ErreurAccesChemin;
        QTest::newRow("système en lecture seule") << QStringLiteral("/proc/self/Base.don") << Erreurs::PermissionRefusee;
    }
    void cheminsImpossibles()
    {
        QFETCH(QString, relatif);
        QFETCH(QString, debut);
        QTemporaryDir dossier;
        QDir(dossier.path()).mkdir(QStringLiteral("Base.don"));
        QFile fichier(dossier.filePath(QStringLiteral("Fichier")));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write("a garder");
        fichier.close();
        const QString chemin = relatif.startsWith(QLatin1Char('/')) ? relatif : dossier.filePath(relatif);
        const QString erreur = erreurDe([&] { Fichiers::ecrireSur(chemin, petiteBase()); });
        QVERIFY2(erreur.startsWith(debut), qPrintable(erreur));
        QVERIFY(erreur.contains(nomAffiche(chemin)));
        QCOMPARE(lire(dossier.filePath(QStringLiteral("Fichier"))), QByteArray("a garder"));
        QVERIFY(QFileInfo(dossier.filePath(QStringLiteral("Base.don"))).isDir());
        QCOMPARE(QDir(dossier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 (QStringList{QStringLiteral("Base.don"), QStringLiteral("Fichier")}));
    }

    // Reading a folder, a missing file or a file whose reading fails (a
    // write-only file of /proc, which even root cannot read): a French error
    // naming it.
    void lecturesImpossibles()
    {
        QTemporaryDir dossier;
        const QString manquant = dossier.filePath(QStringLiteral("Manque.don"));
        QCOMPARE(erreurDe([&] { Fichiers::lire(manquant); }),
                 Erreurs::FichierIntrouvable + QStringLiteral(" : ") + QDir::toNativeSeparators(manquant));
        QCOMPARE(erreurDe([&] { Fichiers::lire(dossier.path()); }),
                 Erreurs::PermissionRefusee + QStringLiteral(" : ") + QDir::toNativeSeparators(dossier.path()));
        const QString illisible = QStringLiteral("/proc/self/clear_refs");
        QCOMPARE(erreurDe([&] { Fichiers::lire(illisible); }),
                 Erreurs::ErreurEntreeSortie + QStringLiteral(" : ") + illisible);
    }

    // A file its owner made read-only is not replaced, although this test
    // runs as root, whom the system would let replace it.
    void fichierEnLectureSeule()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("Base.don"));
        Fichiers::ecrireSur(chemin, "ancienne");
        QVERIFY(QFile::setPermissions(chemin, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        const QString erreur = erreurDe([&] { Fichiers::ecrireSur(chemin, petiteBase()); });
        QCOMPARE(erreur, Erreurs::FichierLectureSeule + QStringLiteral("\n\nLe fichier ") + nomAffiche(chemin)
                             + QStringLiteral(" n'a pas pu être écrit ; son contenu précédent est intact."));
        QCOMPARE(lire(chemin), QByteArray("ancienne"));
        QCOMPARE(Fichiers::lire(chemin), QByteArray("ancienne")); // still read
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Base.don")});
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
        const QString chemin = dossier.filePath(QStringLiteral("Base.don"));
        Fichiers::ecrireSur(chemin, "ancienne");
        {
            VerrouAutreProgramme verrou(chemin, fcntl, exclusif);
            QVERIFY(verrou.pris());
            QCOMPARE(erreurDe([&] { Fichiers::ecrireSur(chemin, petiteBase()); }),
                     Erreurs::FichierVerrouille + QStringLiteral("\n\nLe fichier ") + nomAffiche(chemin)
                         + QStringLiteral(" n'a pas pu être écrit ; son contenu précédent est intact."));
            QCOMPARE(erreurDe([&] { Fichiers::lire(chemin); }),
                     exclusif ? Erreurs::FichierVerrouille + QStringLiteral(" : ") + QDir::toNativeSeparators(chemin)
                              : QString());
            QCOMPARE(lire(chemin), QByteArray("ancienne"));
        }
        Fichiers::ecrireSur(chemin, petiteBase()); // the lock released, the file is replaced
        QCOMPARE(lire(chemin), petiteBase());
    }
};

QTEST_GUILESS_MAIN(TestPannes)
#include "tst_pannes.moc"
