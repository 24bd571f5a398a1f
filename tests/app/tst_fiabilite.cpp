// Saving a base without ever losing the previous one: the copy kept beside
// it, a file changed by another program since it was read, and writes that
// fail (a folder in place of the base or of its folder, a program folder on a
// read-only file system). Through the real window, with scripted answers.
#include "Banc.h"
#include "app/Bases.h"
#include "base/Tables.h"
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
using R = Plateforme::Reponse;

QByteArray baseUneRecette()
{
    return donneeTest(QStringLiteral("exemple20.don"));
}

// The same base after another program renamed its category.
QByteArray baseAutreProgramme()
{
    return QByteArray(baseUneRecette()).replace("Desserts", "Gateaux");
}

QString nomAffiche(const QString& chemin)
{
    return QStringLiteral("« ") + QDir::toNativeSeparators(chemin) + QStringLiteral(" »");
}

void ecrireAvecDate(const Banc& b, const QString& nom, const QByteArray& octets, int secondesPlusTard)
{
    b.ecrireOctets(nom, octets);
    QFile f(b.chemin(nom));
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(secondesPlusTard), QFileDevice::FileModificationTime));
}

// "Actualiser" still works and shows the base in memory.
void verifierUtilisable(Banc& b, int recettes)
{
    b.fen().CommandRechValider->click();
    QCOMPARE(b.fen().LabelTotalrecett->text(), QStringLiteral("Recettes totales : %1").arg(recettes));
    QVERIFY(b.fen().isEnabled());
}

const QString BaseModifiee = QStringLiteral("Base modifiée");

// Another program's lock on a file while this object lives: shared (a reader)
// or exclusive (a writer).
class VerrouAutreProgramme {
public:
    VerrouAutreProgramme(const QString& chemin, bool exclusif)
        : m_fd(::open(QFile::encodeName(chemin).constData(), O_RDONLY))
    {
        m_pris = ::flock(m_fd, exclusif ? LOCK_EX : LOCK_SH) == 0;
    }
    ~VerrouAutreProgramme() { ::close(m_fd); }
    bool pris() const { return m_pris; }

private:
    int m_fd;
    bool m_pris = false;
};

QString pasEcrit(const QString& raison, const QString& chemin)
{
    return QStringLiteral("Erreur ! | ") + raison + QStringLiteral("\n\nLe fichier ") + nomAffiche(chemin)
           + QStringLiteral(" n'a pas pu être écrit ; son contenu précédent est intact.");
}
} // namespace

class TestFiabilite : public QObject {
    Q_OBJECT
private slots:
    // ---------------------------------------------------------------- copy

    void sauvegarde_garderLaVersionPrecedenteUneFois()
    {
        Banc b;
        b.ecrireOctets(QStringLiteral("Recettes.don"), baseUneRecette());
        b.reglages(b.chemin(QStringLiteral("Recettes.don")));
        b.demarrer();
        QCOMPARE(RoutinesBases::cheminSauvegarde(b.chemin(QStringLiteral("Recettes.don"))),
                 b.chemin(QStringLiteral("Recettes.don.bak")));
        // The base file dialog ("*.don") does not offer the copy as a base.
        QVERIFY(!QDir::match(QStringLiteral("*.don"), QStringLiteral("Recettes.don.bak")));

        b.p().base.Cat(1) = QStringLiteral("Pâtisseries");
        b.p().bases.SauverBase();
        const QByteArray premiere = b.lire(QStringLiteral("Recettes.don"));
        QVERIFY(premiere.contains("P\xe2tisseries"));
        QCOMPARE(b.lire(QStringLiteral("Recettes.don.bak")), baseUneRecette());

        b.p().base.Cat(1) = QStringLiteral("Tartes sucrées");
        b.p().bases.SauverBase();
        QCOMPARE(b.lire(QStringLiteral("Recettes.don.bak")), premiere);
        QVERIFY(b.lire(QStringLiteral("Recettes.don")).contains("Tartes sucr\xe9" "es"));
        QCOMPARE(QDir(b.dossier()).entryList({QStringLiteral("Recettes.don*")}),
                 (QStringList{QStringLiteral("Recettes.don"), QStringLiteral("Recettes.don.bak")}));
        QVERIFY(b.boites().isEmpty());
    }

    void sauvegarde_copieImpossible_baseNonRemplacee()
    {
        Banc b;
        b.ecrireOctets(QStringLiteral("Recettes.don"), baseUneRecette());
        b.reglages(b.chemin(QStringLiteral("Recettes.don")));
        QDir(b.dossier()).mkdir(QStringLiteral("Recettes.don.bak"));
        b.demarrer();
        b.p().base.Cat(1) = QStringLiteral("Pâtisseries");
        b.p().bases.SauverBase(); // Cancel in the "Erreur !" box
        const QStringList boites = b.boites();
        QCOMPARE(boites.size(), 2);
        QVERIFY(boites[0].startsWith(QStringLiteral("Erreur ! | ")));
        QVERIFY(boites[0].contains(nomAffiche(b.chemin(QStringLiteral("Recettes.don.bak")))));
        QCOMPARE(boites[1], QStringLiteral("Zuta! | La base ") + nomAffiche(b.chemin(QStringLiteral("Recettes.don")))
                                + QStringLiteral(" n'a pas été enregistrée : sa version précédente n'a pas pu être "
                                                 "conservée sous le nom ")
                                + nomAffiche(b.chemin(QStringLiteral("Recettes.don.bak")))
                                + QStringLiteral(". Le fichier de la base est resté tel quel."));
        QCOMPARE(b.lire(QStringLiteral("Recettes.don")), baseUneRecette());
        verifierUtilisable(b, 1);
    }

    void baseManquante_creeeSansCopie()
    {
        Banc b;
        b.reglages(b.chemin(QStringLiteral("Neuve.don")));
        b.demarrer();
        QVERIFY(QFileInfo::exists(b.chemin(QStringLiteral("Neuve.don"))));
        QVERIFY(!QFileInfo::exists(b.chemin(QStringLiteral("Neuve.don.bak"))));
    }

    // ---------------------------------------------------------------- changed underneath

    void changeeParUnAutre_nonLaisseSonFichier()
    {
        Banc b;
        b.ecrireOctets(QStringLiteral("Recettes.don"), baseUneRecette());
        b.reglages(b.chemin(QStringLiteral("Recettes.don")));
        b.demarrer();
        ecrireAvecDate(b, QStringLiteral("Recettes.don"), baseAutreProgramme(), 5);
        b.plateforme.reponses.enqueue(R::Non);
        b.p().bases.SauverBase();
        const QString nom = nomAffiche(b.chemin(QStringLiteral("Recettes.don")));
        QCOMPARE(b.plateforme.boites.size(), 2);
        QCOMPARE(b.plateforme.boites[0].boutons, Plateforme::Boutons::OuiNon);
        QCOMPARE(b.boites(),
                 (QStringList{BaseModifiee + QStringLiteral(" | Le fichier ") + nom
                                  + QStringLiteral(" a été modifié par un autre programme depuis qu'il a été chargé "
                                                   "ou enregistré ici.\nL'enregistrer maintenant remplacera ces "
                                                   "modifications par la base affichée.\n\nRemplacer le fichier ?"),
                              QStringLiteral("Zuta! | La base n'a pas été enregistrée. Le fichier ") + nom
                                  + QStringLiteral(" est resté tel que l'autre programme l'a laissé.")}));
        QCOMPARE(b.lire(QStringLiteral("Recettes.don")), baseAutreProgramme());
        QVERIFY(!QFileInfo::exists(b.chemin(QStringLiteral("Recettes.don.bak"))));
        verifierUtilisable(b, 1);
    }

    void changeeParUnAutre_ouiRemplaceEtGardeSaVersion()
    {
        Banc b;
        b.ecrireOctets(QStringLiteral("Recettes.don"), baseUneRecette());
        b.reglages(b.chemin(QStringLiteral("Recettes.don")));
        b.demarrer();
        // Same size, another time: the bytes decide.
        ecrireAvecDate(b, QStringLiteral("Recettes.don"), QByteArray(baseUneRecette()).replace("Tartes", "Crepes"), 5);
        b.plateforme.reponses.enqueue(R::Oui);
        b.p().bases.SauverBase();
        QCOMPARE(b.boites().size(), 1);
        QCOMPARE(b.lire(QStringLiteral("Recettes.don")), baseUneRecette());
        QCOMPARE(b.lire(QStringLiteral("Recettes.don.bak")), QByteArray(baseUneRecette()).replace("Tartes", "Crepes"));
        // The file is ours again: the next save asks nothing.
        b.p().bases.SauverBase();
        QVERIFY(b.boites().isEmpty());
    }

    void toucheeSansChangement_neDemandeRien()
    {
        Banc b;
        b.ecrireOctets(QStringLiteral("Recettes.don"), baseUneRecette());
        b.reglages(b.chemin(QStringLiteral("Recettes.don")));
        b.demarrer();
        ecrireAvecDate(b, QStringLiteral("Recettes.don"), baseUneRecette(), 5);
        b.p().bases.SauverBase();
        QVERIFY(b.boites().isEmpty());
    }

    void changeeApresNotreSauvegarde_demande()
    {
        Banc b;
        b.ecrireOctets(QStringLiteral("Recettes.don"), baseUneRecette());
        b.reglages(b.chemin(QStringLiteral("Recettes.don")));
        b.demarrer();
        b.p().bases.SauverBase();
        QVERIFY(b.boites().isEmpty());
        ecrireAvecDate(b, QStringLiteral("Recettes.don"), baseAutreProgramme(), 5);
        // Quitting: Yes to the save question, No to the overwrite.
        b.plateforme.reponses.enqueue(R::Oui);
        b.plateforme.reponses.enqueue(R::Non);
        b.p().bases.finProgramme = [] {};
        b.p().bases.TerminerProgramme();
        const QStringList boites = b.boites();
        QCOMPARE(boites.size(), 3);
        QVERIFY(boites[1].startsWith(BaseModifiee));
        QCOMPARE(b.lire(QStringLiteral("Recettes.don")), baseAutreProgramme());
    }

    // ---------------------------------------------------------------- failing writes

    // ---------------------------------------------------------------- locked, read-only, unreadable

    // Another program reads the base while the user saves: one box, neither
    // the base nor its previous copy touched; once it lets go, the save goes
    // through.
    void baseVerrouillee_nonRemplaceePuisEnregistree()
    {
        Banc b;
        b.ecrireOctets(QStringLiteral("Recettes.don"), baseUneRecette());
        b.ecrireOctets(QStringLiteral("Recettes.don.bak"), "copie plus ancienne");
        b.reglages(b.chemin(QStringLiteral("Recettes.don")));
        b.demarrer();
        b.p().base.Cat(1) = QStringLiteral("Pâtisseries");
        {
            VerrouAutreProgramme verrou(b.chemin(QStringLiteral("Recettes.don")), false);
            QVERIFY(verrou.pris());
            b.p().bases.SauverBase(); // Cancel in the "Erreur !" box
            QCOMPARE(b.boites(), QStringList{pasEcrit(QStringLiteral("Fichier verrouillé par un autre programme"),
                                                      b.chemin(QStringLiteral("Recettes.don")))});
            QCOMPARE(b.lire(QStringLiteral("Recettes.don")), baseUneRecette());
            QCOMPARE(b.lire(QStringLiteral("Recettes.don.bak")), QByteArray("copie plus ancienne"));
            verifierUtilisable(b, 1);
        }
        b.p().bases.SauverBase();
        QVERIFY(b.boites().isEmpty());
        QVERIFY(b.lire(QStringLiteral("Recettes.don")).contains("P\xe2tisseries"));
        QCOMPARE(b.lire(QStringLiteral("Recettes.don.bak")), baseUneRecette());
    }

    // A base its owner made read-only: the same, even for root.
    void baseEnLectureSeule_nonRemplacee()
    {
        Banc b;
        b.ecrireOctets(QStringLiteral("Recettes.don"), baseUneRecette());
        b.reglages(b.chemin(QStringLiteral("Recettes.don")));
        QVERIFY(QFile::setPermissions(b.chemin(QStringLiteral("Recettes.don")), QFileDevice::ReadOwner));
        b.demarrer();
        QVERIFY(b.boites().isEmpty()); // it is read as usual
        b.p().base.Cat(1) = QStringLiteral("Pâtisseries");
        b.p().bases.SauverBase();
        QCOMPARE(b.boites(), QStringList{pasEcrit(QStringLiteral("Fichier en lecture seule"),
                                                  b.chemin(QStringLiteral("Recettes.don")))});
        QCOMPARE(b.lire(QStringLiteral("Recettes.don")), baseUneRecette());
        QVERIFY(!QFileInfo::exists(b.chemin(QStringLiteral("Recettes.don.bak"))));
        verifierUtilisable(b, 1);
    }

    // A base that another program is writing at start, and a base whose
    // reading fails (a write-only file of /proc): the error, then what the
    // program does about it, and the file left alone.
    void baseIllisibleAuDemarrage_data()
    {
        QTest::addColumn<bool>("verrouillee");
        QTest::newRow("verrouillée par un autre programme") << true;
        QTest::newRow("lecture impossible") << false;
    }
    void baseIllisibleAuDemarrage()
    {
        QFETCH(bool, verrouillee);
        Banc b;
        b.ecrireOctets(QStringLiteral("Recettes.don"), baseUneRecette());
        const QString chemin = verrouillee ? b.chemin(QStringLiteral("Recettes.don"))
                                           : QStringLiteral("/proc/self/clear_refs");
        VerrouAutreProgramme verrou(b.chemin(QStringLiteral("Recettes.don")), true);
        QVERIFY(verrou.pris());
        b.reglages(chemin);
        b.demarrer();
        const QString raison = verrouillee ? QStringLiteral("Fichier verrouillé par un autre programme")
                                           : QStringLiteral("Erreur d'entrée/sortie");
        QCOMPARE(b.boites(),
                 (QStringList{QStringLiteral("Erreur ! | ") + raison + QStringLiteral(" : ") + chemin,
                              QStringLiteral("Zuta! | Le fichier ") + nomAffiche(chemin)
                                  + QStringLiteral(" ne peut pas être lu (accès refusé ou fichier verrouillé).\n\n"
                                                   "Ce fichier est laissé tel quel. Une base vide est ouverte à "
                                                   "sa place ; elle ne sera pas enregistrée dans ce fichier sans "
                                                   "votre accord.")}));
        QCOMPARE(b.lire(QStringLiteral("Recettes.don")), baseUneRecette());
        verifierUtilisable(b, 0);
    }

    // The base's folder replaced by a file while the program runs.
    void dossierDevenuFichier_messageEtBaseDeplaceeIntacte()
    {
        Banc b;
        QDir(b.dossier()).mkdir(QStringLiteral("Sous"));
        b.ecrireOctets(QStringLiteral("Sous/Recettes.don"), baseUneRecette());
        b.reglages(b.chemin(QStringLiteral("Sous/Recettes.don")));
        b.demarrer();
        QVERIFY(QDir(b.dossier()).rename(QStringLiteral("Sous"), QStringLiteral("Ailleurs")));
        b.ecrireOctets(QStringLiteral("Sous"), "un fichier");
        b.p().bases.SauverBase();
        const QStringList boites = b.boites();
        QCOMPARE(boites.size(), 1);
        QVERIFY(boites[0].startsWith(QStringLiteral("Erreur ! | Erreur d'accès au chemin/fichier")));
        QVERIFY(boites[0].contains(nomAffiche(b.chemin(QStringLiteral("Sous/Recettes.don")))));
        QCOMPARE(b.lire(QStringLiteral("Ailleurs/Recettes.don")), baseUneRecette());
        QCOMPARE(b.lire(QStringLiteral("Sous")), QByteArray("un fichier"));
        verifierUtilisable(b, 1);
    }

    // A base path naming a folder: told at start; saving over it needs a Yes,
    // then fails with a message; the folder is untouched.
    void cheminDeBaseEstUnDossier()
    {
        Banc b;
        QDir(b.dossier()).mkdir(QStringLiteral("Recettes.don"));
        b.ecrireOctets(QStringLiteral("Recettes.don/garde.txt"), "rien");
        b.reglages(b.chemin(QStringLiteral("Recettes.don")));
        b.demarrer();
        QStringList boites = b.boites();
        QCOMPARE(boites.size(), 1);
        QVERIFY(boites[0].contains(nomAffiche(b.chemin(QStringLiteral("Recettes.don")))));
        QVERIFY(boites[0].contains(QStringLiteral("désigne un dossier")));
        b.plateforme.reponses.enqueue(R::Oui);
        b.p().bases.SauverBase();
        boites = b.boites();
        QCOMPARE(boites.size(), 2);
        QVERIFY(boites[0].startsWith(QStringLiteral("Attention ! | ")));
        QVERIFY(boites[1].startsWith(QStringLiteral("Erreur ! | Erreur d'accès au chemin/fichier")));
        QVERIFY(boites[1].contains(nomAffiche(b.chemin(QStringLiteral("Recettes.don")))));
        QVERIFY(QFileInfo(b.chemin(QStringLiteral("Recettes.don"))).isDir());
        QCOMPARE(b.lire(QStringLiteral("Recettes.don/garde.txt")), QByteArray("rien"));
        verifierUtilisable(b, 0);
    }

    // A program folder where nothing can be written, even by root: a folder of
    // /proc. The first start cannot create the default base nor, at the end,
    // the settings file: one box each, naming the file, and the program runs.
    void dossierProgrammeEnLectureSeule()
    {
        Banc b;
        QVERIFY(QDir::setCurrent(QStringLiteral("/proc/self/fdinfo")));
        b.demarrer();
        const QString dossier = b.p().etat.CheminAppli;
        QVERIFY(dossier.startsWith(QStringLiteral("/proc/")));
        QStringList boites = b.boites();
        QCOMPARE(boites.size(), 1);
        QVERIFY(boites[0].startsWith(QStringLiteral("Erreur ! | ")));
        QVERIFY(boites[0].contains(nomAffiche(dossier + QStringLiteral("Zuta2005.don"))));
        QVERIFY(b.fen().isVisible());
        verifierUtilisable(b, 0);
        b.p().bases.finProgramme = [] {};
        b.plateforme.reponses.enqueue(R::Non); // no save
        b.p().bases.TerminerProgramme();
        boites = b.boites();
        QCOMPARE(boites.size(), 2);
        QVERIFY(boites[1].startsWith(QStringLiteral("Erreur ! | ")));
        QVERIFY(boites[1].contains(nomAffiche(dossier + QStringLiteral("Zuta.ini"))));
    }
};

QTEST_MAIN(TestFiabilite)
#include "tst_fiabilite.moc"
