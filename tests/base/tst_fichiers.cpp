// Safe writes and their failures, paths that are no regular file, and the base
// file's life cycle: ".bak" and "-ERREURS" copies, fingerprint, save refused.
#include "Outils.h"
#include "PlateformeScriptee.h"
#include "base/DocumentBase.h"
#include "base/FichierBase.h"
#include "platform/PolitiqueErreurs.h"
#include <QBuffer>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {
using Issue = DocumentBase::Issue;
const QByteArray Tronquee = "-1 \r\nv1.2b\r\n 1 \r\nDesserts\r\n 4 \r\n";

// Takes at most 7 bytes a call and `limite` bytes in all, then fails like a full disk.
struct SortieDefaillante : QBuffer {
    explicit SortieDefaillante(qint64 l) : limite(l) { open(WriteOnly); }
    qint64 limite;
    qint64 writeData(const char* donnees, qint64 taille) override
    {
        const qint64 n = std::min({taille, qint64(7), limite - size()});
        return n > 0 ? QBuffer::writeData(donnees, n) : -1;
    }
};

QByteArray lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

// Written in place by another program, five seconds later than now.
void ecrireApres(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    // Flushed first: the bytes written at the close would set the time anew.
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size() && f.flush());
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
}

// A folder of its own and the life cycle of "Recettes.don" in it.
struct Dossier {
    QTemporaryDir d;
    const QString base = d.filePath(u("Recettes.don")), bak = base + u(".bak");
    PlateformeScriptee plateforme;
    PolitiqueErreurs politique{plateforme};
    DocumentBase doc{politique};
    Tables* const t = &doc.tables();
    std::optional<VerrouAutreProgramme> verrou; // another program's lock on a file
    QStringList contenu() const
    {
        return QDir(d.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
};
} // namespace

class TestFichiers : public QObject {
    Q_OBJECT
private slots:
    // A disk full after N bytes: a device holds exactly the start of the file;
    // the real safe write leaves the old base whole and nothing beside it.
    void ecriture_disquePleinApresNOctets_debutExactOuAncienIntact()
    {
        const QByteArray o = baseUneRecette();
        for (const int coupure : {0, 4, int(o.indexOf("Tartes")), int(o.indexOf("Tarte aux")), int(o.size() - 1)}) {
            Dossier d;
            SortieDefaillante sortie(coupure);
            QCOMPARE(erreurDe([&] { Fichiers::ecrireVers(sortie, o, d.base); }),
                     pasEcrit(Erreurs::DisquePlein, d.base));
            QCOMPARE(sortie.data(), o.left(coupure));
            Fichiers::ecrireSur(d.base, BaseVide);
            rlimit avant{}, plein{rlim_t(coupure), RLIM_INFINITY}; // every write to a file stops there
            std::signal(SIGXFSZ, SIG_IGN);
            QCOMPARE(prlimit(0, RLIMIT_FSIZE, &plein, &avant), 0);
            const QString erreur = erreurDe([&] { Fichiers::ecrireSur(d.base, o); });
            setrlimit(RLIMIT_FSIZE, &avant);
            QCOMPARE(erreur, pasEcrit(Erreurs::ErreurEntreeSortie, d.base));
            QCOMPARE(lire(d.base), BaseVide);
            QCOMPARE(d.contenu(), QStringList{u("Recettes.don")});
        }
    }

    // A writer saving two contents in turn, killed at moments spread over 30 ms:
    // the file (and any finished copy left beside it) is one of them whole.
    void tueEnPleineSauvegarde_ancienOuNouveauEntier()
    {
        Dossier d;
        const QByteArray ancien = QByteArray(70, 'a').append("\r\n").repeated(40000);
        const QByteArray nouveau = QByteArray(70, 'b').append("\r\n").repeated(52000);
        Fichiers::ecrireSur(d.base, ancien);
        for (int essai = 0; essai < 20; ++essai) {
            const pid_t ecrivain = ::fork();
            if (ecrivain == 0) // the writer, until it is killed
                for (unsigned n = 1;; ++n)
                    if (!erreurDe([&] { Fichiers::ecrireSur(d.base, n % 2 ? nouveau : ancien); }).isEmpty())
                        ::_exit(1);
            ::usleep(static_cast<useconds_t>(1000 + essai * 7919 % 29000));
            ::kill(ecrivain, SIGKILL);
            QCOMPARE(::waitpid(ecrivain, nullptr, 0), ecrivain);
            for (const QString& nom : d.contenu())
                QVERIFY2(lire(d.d.filePath(nom)) == ancien || lire(d.d.filePath(nom)) == nouveau, qPrintable(nom));
        }
    }

    // No regular file, or one a byte over the bound, itself or through a link:
    // refused unread, without waiting (a pipe has no writer), never replaced
    // (the size bound is a reading rule: the base's own check refuses it first).
    void cheminQuiNEstPasUnFichier_refuseSansAttendre_data()
    {
        QTest::addColumn<QString>("genre");
        QTest::addColumn<bool>("lien");
        for (const char* genre : {"dossier", "périphérique", "tube nommé", "trop volumineux"})
            for (const bool lien : {false, true})
                QTest::addRow("%s%s", lien ? "lien vers un " : "", genre) << u(genre) << lien;
    }

    void cheminQuiNEstPasUnFichier_refuseSansAttendre()
    {
        QFETCH(QString, genre);
        QFETCH(bool, lien);
        Dossier d;
        const bool gros = genre == u("trop volumineux");
        QFile f(genre == u("périphérique") ? u("/dev/zero") : d.d.filePath(u("cible")));
        if (genre == u("dossier"))
            QVERIFY(QDir().mkdir(f.fileName()));
        else if (genre == u("tube nommé"))
            QCOMPARE(::mkfifo(QFile::encodeName(f.fileName()).constData(), 0600), 0);
        else if (gros)
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(Fichiers::TailleMaxBase + 1));
        const QString chemin = lien ? d.base : f.fileName();
        QVERIFY(!lien || QFile::link(f.fileName(), chemin));
        QCOMPARE((d.doc.definirChemin(chemin), d.doc.lire().issue), Issue::Refusee);
        QVERIFY(d.doc.illisible() && d.plateforme.boites.isEmpty());
        QCOMPARE(erreurDe([&] { Fichiers::lire(chemin, Fichiers::TailleMaxBase); }),
                 (gros ? Erreurs::FichierTropVolumineux : Erreurs::PasUnFichierOrdinaire) + u(" : ") + chemin);
        const QString raison = genre == u("dossier") ? Erreurs::ErreurAccesChemin : Erreurs::PasUnFichierOrdinaire;
        QCOMPARE(erreurDe([&] { Fichiers::verifierRemplacable(chemin); }), gros ? QString() : pasEcrit(raison, chemin));
    }

    // A base read-only or locked by another program (a writer's lock stops reading
    // too) keeps its older copy; when no copy can be made, the base is not replaced.
    void enregistrer_obstacle_niBaseNiCopieTouchees_data()
    {
        QTest::addColumn<int>("obstacle"); // 0: read-only, 1: flock, 2: fcntl, 3: a folder named as the copy
        QTest::addColumn<bool>("exclusif");
        QTest::newRow("lecture seule") << 0 << false;
        for (const int verrou : {1, 2})
            for (const bool ecrivain : {false, true})
                QTest::addRow("%s d'un %s", verrou == 1 ? "flock" : "fcntl", ecrivain ? "écrivain" : "lecteur")
                    << verrou << ecrivain;
        QTest::newRow("copie impossible") << 3 << false;
    }

    void enregistrer_obstacle_niBaseNiCopieTouchees()
    {
        QFETCH(int, obstacle);
        QFETCH(bool, exclusif);
        Dossier d;
        Fichiers::ecrireSur(d.base, baseUneRecette());
        if (obstacle != 3)
            Fichiers::ecrireSur(d.bak, "copie plus ancienne");
        QVERIFY(obstacle != 3 || QDir().mkdir(d.bak));
        QCOMPARE((d.doc.definirChemin(d.base), d.doc.lire().issue), Issue::Lue);
        d.t->Cat(1) = u("Pâtisseries");
        if (obstacle == 1 || obstacle == 2)
            QVERIFY(d.verrou.emplace(d.base, exclusif, obstacle == 2).pris());
        QVERIFY(obstacle != 0 || QFile::setPermissions(d.base, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        const QString raison = QStringList{Erreurs::FichierLectureSeule, Erreurs::FichierVerrouille,
                                           Erreurs::FichierVerrouille, Erreurs::ErreurAccesChemin}[obstacle];
        const DocumentBase::Enregistrement e = d.doc.enregistrer();
        QVERIFY(!e.ecrite && e.copieImpossible == (obstacle == 3 ? d.bak : QString()));
        QCOMPARE(d.plateforme.boites.value(0).texte, pasEcrit(raison, obstacle == 3 ? d.bak : d.base));
        QCOMPARE(erreurDe([&] { Fichiers::lire(d.base, Fichiers::TailleMaxBase); }),
                 exclusif ? raison + u(" : ") + d.base : QString());
        QCOMPARE(lire(d.base) + lire(d.bak),
                 baseUneRecette() + (obstacle == 3 ? "<illisible>" : "copie plus ancienne"));
    }

    // The ".bak" of a save is a hard link to the file replaced, which the safe write leaves whole; a base
    // reached through a symbolic link is copied instead (the link would follow the new file).
    void enregistrer_bakLienDurSinonCopie()
    {
        for (const bool symbolique : {false, true}) {
            Dossier d;
            const QString fichier = symbolique ? d.d.filePath(u("cible.don")) : d.base;
            Fichiers::ecrireSur(fichier, baseUneRecette());
            QVERIFY(!symbolique || QFile::link(fichier, d.base));
            QCOMPARE((d.doc.definirChemin(d.base), d.doc.lire().issue), Issue::Lue);
            struct stat avant {
            }, bak{};
            QVERIFY(::stat(QFile::encodeName(fichier).constData(), &avant) == 0);
            d.t->Cat(1) = u("Pâtisseries");
            QVERIFY(d.doc.enregistrer().ecrite);
            QCOMPARE(lire(d.base) + lire(d.bak), FichierBase::octets(*d.t) + baseUneRecette());
            QVERIFY(::lstat(QFile::encodeName(d.bak).constData(), &bak) == 0 && S_ISREG(bak.st_mode));
            QCOMPARE(bak.st_ino == avant.st_ino, !symbolique);
            QCOMPARE(d.contenu().size(), symbolique ? 3 : 2);
        }
    }

    // A save after a reading or a save copies the recipes nobody wrote since:
    // the file is still what the tables write, card after card, and after
    // another base was read over them.
    void enregistrer_apresLectureOuEnregistrement_ceQueLesTablesEcrivent()
    {
        Tables source;
        remplirTables(source, {u("Desserts/Tartes")}, {u("Elle")},
                      {{"Tarte 1", 1, 1, 1},
                       {"Tarte 2"},
                       {"Tarte 3"},
                       {"Tarte 4"},
                       {"Tarte 5", 1, 1, 1, 1},
                       {"Tarte 6"},
                       {"Tarte 7"},
                       {"Tarte 8"},
                       {"Tarte 9"},
                       {"Tarte 10"},
                       {"Tarte 11"},
                       {"Tarte 12"}});
        Dossier d;
        d.doc.definirChemin(d.base);
        for (const int fiche : {5, 12, 1}) {
            if (fiche == 5)
                Fichiers::ecrireSur(d.base, FichierBase::octets(source));
            if (fiche == 1) // another base's bytes are not this one's
                Fichiers::ecrireSur(d.base, FichierBase::octets(source).replace("Tarte 3", "Flan 3"));
            if (fiche != 12)
                QCOMPARE((d.t->ViderCompteurs(), d.doc.lire().issue), Issue::Lue);
            d.t->RecettTexte(fiche, Recette::Notes) = u("Crème, œufs");
            QVERIFY(d.doc.enregistrer().ecrite);
            QCOMPARE(lire(d.base), FichierBase::octets(*d.t));
            QVERIFY(lire(d.base).contains(fiche == 1 ? "Flan 3" : "Tarte 3"));
        }
    }

    // The open base is modified exactly when saving it would change its file: a reading that gives the file back
    // leaves it clean, one the reading rules had to repair (a value that cannot be read, blanks, another tag, other
    // line ends, trailing bytes) leaves it modified; a conversion sets it, a save and a new base clear it. The path
    // changes through one function, which tells only a real change.
    void modifiee_seulementQuandLeFichierChangerait_data()
    {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<bool>("modifiee");
        QTest::newRow("exacte") << baseUneRecette() << false;
        QTest::newRow("vide") << BaseVide << false;
        QTest::newRow("lue avec erreurs") << Tronquee << true;
        QTest::newRow("blanc devant un nom") << baseUneRecette().replace("Desserts", " Desserts") << true;
        QTest::newRow("autre etiquette") << baseUneRecette().replace("v1.2b", "v1.3") << true;
        QTest::newRow("compteur sans blancs") << baseUneRecette().replace("Desserts\r\n 1 ", "Desserts\r\n1") << true;
        QTest::newRow("fins de ligne LF") << baseUneRecette().replace("\r\n", "\n") << true;
        QTest::newRow("octets apres la fin") << baseUneRecette() + "\r\n" << true;
        QTest::newRow("ancienne, convertie") << baseUneRecette().replace("v1.2b", "v1.2") << true;
    }

    void modifiee_seulementQuandLeFichierChangerait()
    {
        QFETCH(QByteArray, fichier);
        QFETCH(bool, modifiee);
        Dossier d;
        QStringList chemins;
        QList<bool> etats;
        connect(&d.doc, &DocumentBase::cheminChange, this, [&](const QString& c) { chemins << c; });
        connect(&d.doc, &DocumentBase::modifieeChange, this, [&](bool m) { etats << m; });
        Fichiers::ecrireSur(d.base, fichier);
        d.doc.definirChemin(d.base);
        d.doc.definirChemin(d.base);
        const DocumentBase::Lecture lecture = d.doc.lire();
        if (lecture.issue == Issue::Ancienne)
            QVERIFY(d.doc.convertir(lecture).lue);
        QCOMPARE(chemins, QStringList{d.base});
        QCOMPARE(d.doc.modifiee(), modifiee);
        if (lecture.issue == Issue::Lue) // exactly when the file would be written otherwise
            QCOMPARE(Codec::encoder(FichierBase::ecrire(*d.t)) != fichier, modifiee);
        QCOMPARE(etats, modifiee ? QList<bool>{true} : QList<bool>{});
        d.doc.marquerModifiee();
        QVERIFY(d.doc.enregistrer().ecrite && !d.doc.modifiee());
        d.doc.marquerModifiee();
        d.doc.nouvelle();
        QVERIFY(!d.doc.modifiee() && d.t->NbRecett == 0);
        QCOMPARE(etats, (QList<bool>{true, false, true, false}));
    }

    // Read with errors: kept once under the first free "-ERREURS" name (not while another
    // program writes it); each save keeps the replaced file as ".bak". Touched is no change,
    // the same size with other bytes is one; after a save the file is ours; a folder holds nothing.
    void cycleDeVie_copieErreursPuisBakEtEmpreinte()
    {
        QCOMPARE(DocumentBase::cheminErreurs(u("/d/Zuta.DON")), u("/d/Zuta-ERREURS.don"));
        QCOMPARE(DocumentBase::cheminErreurs(u("/d/sans")), u("/d/sans-ERREURS.don"));
        Dossier d;
        Fichiers::ecrireSur(d.base, Tronquee);
        Fichiers::ecrireSur(d.d.filePath(u("Recettes-ERREURS.don")), "plus ancienne");
        QCOMPARE((d.doc.definirChemin(d.base), d.doc.lire().issue), Issue::LueAvecErreurs);
        QCOMPARE(d.plateforme.boites.value(0).texte, Erreurs::FinDeFichier);
        QVERIFY(d.verrou.emplace(d.base, true).pris());
        QVERIFY(!d.doc.garderAvecErreurs().faite && d.doc.lueAvecErreurs());
        d.verrou.reset();
        const DocumentBase::Garde g = d.doc.garderAvecErreurs();
        QVERIFY(g.faite && !d.doc.lueAvecErreurs());
        QCOMPARE(g.chemin, d.d.filePath(u("Recettes-ERREURS-2.don")));
        QCOMPARE(lire(g.chemin) + lire(d.d.filePath(u("Recettes-ERREURS.don"))), Tronquee + "plus ancienne");
        remplirTables(*d.t, {u("Desserts/Tartes")}, {u("Cuisine")}, {{"Tarte aux pommes", 1, 1, 1, 1, "81", "12"}});
        QVERIFY(d.doc.enregistrer().ecrite);
        QCOMPARE(lire(d.base) + lire(d.bak), baseUneRecette() + Tronquee);
        ecrireApres(d.base, baseUneRecette());
        QVERIFY(!d.doc.changeeDepuis());
        const QByteArray autre = baseUneRecette().replace("Desserts", "Gateaux!");
        ecrireApres(d.base, autre);
        QVERIFY(d.doc.changeeDepuis());
        QVERIFY(d.doc.enregistrer().ecrite);
        QCOMPARE(lire(d.bak), autre);
        QCOMPARE(d.contenu().size(), 4);
        QVERIFY(!d.doc.changeeDepuis());
        QVERIFY(QFile::remove(d.base) && QDir().mkdir(d.base) && !d.doc.changeeDepuis());
    }
};

QTEST_GUILESS_MAIN(TestFichiers)
#include "tst_fichiers.moc"
