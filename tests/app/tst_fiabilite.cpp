// Starting on bad files and saving without losing the previous base, through the real window: a few boxes say
// what is wrong, the files stay as they were, and the program keeps working.
#include "Banc.h"
#include "base/Fichiers.h"
#include <QFileInfo>
#include <sys/stat.h>

namespace {
using R = Plateforme::Reponse;
const QString Recettes = u("Recettes.don"), Copie = u("Recettes.don.bak");
const QString Question = u("Confirmation de sauvegarde | Enregistrer les modifications\ndans la base de données ?");
// What stands in the way; the last three meet a save of the base read at start.
enum Obstacle { Aucun, Verrouillee, DossierSansEcriture, CopieImpossible, LectureSeule, ChangeeParUnAutre };

// A failed write's box; "%1" stands for the program folder.
QString erreurEcriture(const QString& raison, const QString& nom)
{
    return u("Erreur ! | ") + pasEcrit(raison, u("%1") + nom);
}

// How the boxes name a kind of path, and why they refuse it; a huge file is
// one byte over its bound.
QString nature(const QString& genre) { return genre == u("tube") ? u("un tube nommé") : u("un ") + genre; }
QString refus(const QString& genre, qint64 borne = Fichiers::TailleMaxBase)
{
    if (genre == u("trop volumineux"))
        return u("est trop volumineux (%1 Mo, pour %2 Mo au plus)")
            .arg(borne / Fichiers::Mo + 1)
            .arg(borne / Fichiers::Mo);
    return u("désigne ") + nature(genre) + u(", pas un fichier ordinaire");
}
} // namespace

class TestFiabilite : public QObject {
    Q_OBJECT
private slots:
    // Bad input at start, or a save that cannot or must not go through, then the end without saving: the boxes
    // ("%1": the program folder), the base and its ".bak" copy as they were, the program at work on what it read.
    void entreeOuSauvegardeEmpechee_fichiersIntacts_data()
    {
        QTest::addColumn<QByteArray>("base");     // "Recettes.don", none when null
        QTest::addColumn<QByteArray>("reglages"); // none when null
        QTest::addColumn<int>("obstacle");
        QTest::addColumn<QStringList>("boites");
        const QByteArray versRecettes = " 0 \r\n 1 \r\n 1500 \r\n 1500 \r\n%1Recettes.don\r\n";
        QTest::newRow("comptes au-dela des tables")
            << QByteArray("-1 \r\nv1.2b\r\n 999 \r\nDesserts\r\n 1 \r\n 1 \r\nTartes\r\n 1 \r\n") << versRecettes
            << int(Aucun)
            << QStringList{u("Erreur ! | L'indice n'appartient pas à la sélection"),
                           u("Zuta! | La base « %1Recettes.don » n'a pas pu être lue en entier (fichier incomplet ou "
                             "abîmé) : 0 recette(s) lue(s).\nLe fichier est laissé tel quel ; avant le prochain "
                             "enregistrement, il sera conservé sous un autre nom."),
                           Question};
        QTest::newRow("verrouillee")
            << baseUneRecette() << versRecettes << int(Verrouillee)
            << QStringList{u("Erreur ! | Fichier verrouillé par un autre programme : %1Recettes.don"),
                           u("Zuta! | Le fichier « %1Recettes.don » ne peut pas être lu (accès refusé ou fichier "
                             "verrouillé).\n\nCe fichier est laissé tel quel. Une base vide est ouverte à sa place ; "
                             "elle ne sera pas enregistrée dans ce fichier sans votre accord."),
                           Question};
        // The last line of a damaged file is no base path: the default base opens.
        QTest::newRow("reglages de dechets")
            << QByteArray() << QByteArray("abc\r\n\xff\xfe xyz\r\n,,,,\r\n\"\r\n\x01\x80\x9d\r\n\r\n\r\n") << int(Aucun)
            << QStringList{u("Erreur ! | Incompatibilité de type"),
                           u("Zuta! | Le fichier des réglages « %1Zuta.ini » contient des valeurs illisibles : elles "
                             "gardent leur valeur par défaut. Le fichier sera réécrit à la fin du programme."),
                           Question};
        // Created empty under its name, without a copy of an older version.
        QTest::newRow("ligne 5 sur une base manquante")
            << QByteArray() << QByteArray(" 0 \r\n 1 \r\n 1500 \r\n 1500 \r\n%1Disparue.don\r\n") << int(Aucun)
            << QStringList{u("Zuta! | La base « %1Disparue.don » est introuvable.\nUne nouvelle base vide est créée "
                             "sous ce nom."),
                           Question};
        // Even for root: neither the default base nor, at the end, the settings.
        QTest::newRow("dossier du programme ou rien ne s'ecrit")
            << QByteArray() << QByteArray() << int(DossierSansEcriture)
            << QStringList{erreurEcriture(u("Permission refusée"), u("Zuta2005.don")), Question,
                           erreurEcriture(u("Permission refusée"), u("Zuta.ini"))};
        QTest::newRow("copie .bak impossible")
            << baseUneRecette() << versRecettes << int(CopieImpossible)
            << QStringList{erreurEcriture(u("Erreur d'accès au chemin/fichier"), Copie),
                           u("Zuta! | La base « %1Recettes.don » n'a pas été enregistrée : sa version précédente n'a "
                             "pas pu être conservée sous le nom « %1Recettes.don.bak ». Le fichier de la base est "
                             "resté tel quel."),
                           Question};
        QTest::newRow("en lecture seule")
            << baseUneRecette() << versRecettes << int(LectureSeule)
            << QStringList{erreurEcriture(u("Fichier en lecture seule"), Recettes), Question};
        // Same size, another time: the bytes decide. The question closed leaves the other program's file.
        QTest::newRow("changée par un autre programme, question fermée")
            << baseUneRecette() << versRecettes << int(ChangeeParUnAutre)
            << QStringList{u("Base modifiée | Le fichier « %1Recettes.don » a été modifié par un autre programme "
                             "depuis qu'il a été chargé ou enregistré ici.\nL'enregistrer maintenant remplacera ces "
                             "modifications par la base affichée.\n\nRemplacer le fichier ?"),
                           u("Zuta! | La base n'a pas été enregistrée. Le fichier « %1Recettes.don » est resté tel "
                             "que l'autre programme l'a laissé."),
                           Question};
    }

    void entreeOuSauvegardeEmpechee_fichiersIntacts()
    {
        QFETCH(QByteArray, base);
        QFETCH(QByteArray, reglages);
        QFETCH(int, obstacle);
        QFETCH(QStringList, boites);
        Banc b;
        if (!base.isNull())
            b.ecrireOctets(Recettes, base);
        if (!reglages.isNull())
            b.ecrireOctets(u("Zuta.ini"), reglages.replace("%1", Codec::encoder(b.dossier())));
        if (obstacle == CopieImpossible)
            QVERIFY(QDir(b.dossier()).mkdir(Copie));
        else
            b.ecrireOctets(Copie, "copie plus ancienne");
        QVERIFY(obstacle != LectureSeule || QFile::setPermissions(b.chemin(Recettes), QFileDevice::ReadOwner));
        const auto verrou =
            obstacle == Verrouillee ? std::make_unique<VerrouAutreProgramme>(b.chemin(Recettes), true) : nullptr;
        QVERIFY(obstacle != DossierSansEcriture || QDir::setCurrent(u("/proc/self/fdinfo")));
        b.demarrer();
        if (obstacle == ChangeeParUnAutre) { // another program writes the base, five seconds later than now
            b.ecrireOctets(Recettes, base.replace("Desserts", "Gateaux!"));
            b.plateforme.reponses << R::Fermee;
            QFile f(b.chemin(Recettes));
            QVERIFY(f.open(QIODevice::ReadWrite)
                    && f.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        }
        b.tables().Cat(1) = u("Pâtisseries");
        b.p().document().marquerModifiee();
        if (obstacle >= CopieImpossible)
            emit b.fen().fen->enregistrementDemande(); // Ctrl+S; Cancel in the "Erreur !" box
        QVERIFY(!Banc::progressionOuverte());
        QCOMPARE(b.lire(u("Zuta.ini")), reglages);
        b.verifierUtilisable(obstacle >= CopieImpossible ? 1 : 0);
        b.fen().fen->close(); // No to the save question
        QCOMPARE(b.boites(), boites.replaceInStrings(u("%1"), b.p().etat().CheminAppli));
        // Nothing beside the base and its copy, as they were (a missing base created empty), but the settings.
        const QByteArray octets = base.isNull() ? BaseVide : base;
        const QStringList fichiers = QDir(b.dossier()).entryList(QDir::Files);
        QVERIFY(fichiers.size() <= 4);
        for (const QString& nom : fichiers)
            QVERIFY2(nom == u("Zuta.ini") || nom == u("Zuta-Vue.ini")
                         || b.lire(nom) == (nom == Copie ? "copie plus ancienne" : octets),
                     qPrintable(nom));
    }

    // Paths that name no regular file, or a file far larger than any base,
    // met at start: as the base named by the settings, through a symbolic
    // link, or as the settings file itself. One box says what the path is;
    // nothing blocks (a pipe has no writer), nothing is read or written, and
    // the program works on an empty base. Saving it is refused in one box.
    void cheminQuiNEstPasUnFichier_refuseSansAttendre_data()
    {
        QTest::addColumn<QString>("genre");
        QTest::addColumn<bool>("lien");
        QTest::addColumn<bool>("reglages");
        for (const char* genre : {"dossier", "périphérique", "tube", "trop volumineux"})
            for (const bool lien : {false, true})
                QTest::addRow("base %s%s", lien ? "par un lien vers un " : "", genre) << u(genre) << lien << false;
        for (const char* genre : {"périphérique", "tube", "trop volumineux"})
            QTest::addRow("réglages %s", genre) << u(genre) << false << true;
    }

    void cheminQuiNEstPasUnFichier_refuseSansAttendre()
    {
        QFETCH(QString, genre);
        QFETCH(bool, lien);
        QFETCH(bool, reglages);
        Banc b;
        const QString nom = reglages ? u("Zuta.ini") : Recettes;
        const qint64 borne = reglages ? Fichiers::TailleMaxPetitFichier : Fichiers::TailleMaxBase;
        QString cible = b.chemin(lien ? u("cible") : nom);
        const bool gros = genre == u("trop volumineux");
        if (genre == u("dossier"))
            QVERIFY(QDir().mkdir(cible));
        else if (genre == u("tube"))
            QCOMPARE(::mkfifo(QFile::encodeName(cible).constData(), 0600), 0);
        else if (genre == u("périphérique"))
            cible = u("/dev/zero");
        else
            b.ecrireOctets(lien ? u("cible") : nom, baseUneRecette());
        // A huge file takes no room on disk past its first bytes.
        QVERIFY(!gros || QFile::resize(cible, borne + 1));
        if (lien || genre == u("périphérique"))
            QVERIFY(QFile::link(cible, b.chemin(nom)));
        const QFileInfo avant(b.chemin(nom));
        if (!reglages)
            b.reglages(b.chemin(nom));
        b.demarrer();
        const QString chemin = nomAffiche(b.chemin(nom));
        const QString attendu = reglages ? u("Zuta! | Le fichier des réglages ") + chemin + u(" ") + refus(genre, borne)
                + u(" : il n'est ni lu ni remplacé, et les réglages prennent leur valeur par défaut.")
                                         : u("Zuta! | ")
                + (gros ? u("Le fichier ") + chemin + u(" ") + refus(genre) + u(" : ce n'est pas une base Zuta!.")
                        : u("Le chemin ") + chemin + u(" désigne ") + nature(genre) + u(", pas un fichier de base."))
                + u("\n\nCe chemin est laissé tel quel. Une base vide est ouverte à sa place ; elle ne pourra pas "
                    "y être enregistrée.");
        QCOMPARE(b.boites(), QStringList{attendu});
        b.verifierUtilisable(0);
        // "Nouvelle": saving the changed base is refused, and no new base is
        // created there; the settings written at the end leave the path alone too.
        b.p().document().marquerModifiee();
        b.plateforme.reponses << R::Oui;
        if (!gros)
            b.plateforme.fichiers << b.chemin(nom);
        b.fen().CommandNouvelle->click();
        b.fen().fen->close();
        QStringList fin{Question};
        if (!reglages)
            fin << u("Zuta! | La base ") + chemin + u(" n'a pas été enregistrée : ce chemin ") + refus(genre)
                    + u(". Il est resté tel quel.");
        if (!gros)
            fin << u("Zuta! | Une base ne peut pas être créée sous ") + chemin + u(" : ce chemin ") + refus(genre)
                    + u(".");
        if (!reglages) // the base is still unsaved when the program ends
            fin << Question;
        QCOMPARE(b.boites(), fin);
        const QFileInfo apres(b.chemin(nom));
        QCOMPARE(apres.isSymLink(), avant.isSymLink());
        QCOMPARE(NatureFichier::examiner(b.chemin(nom)).genre, NatureFichier::examiner(cible).genre);
        QCOMPARE(apres.lastModified(), avant.lastModified());
        QCOMPARE(QFileInfo(cible).size(), avant.size());
    }
};

QTEST_MAIN(TestFiabilite)
#include "tst_fiabilite.moc"
