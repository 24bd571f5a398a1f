// Saving a base without ever losing the previous one: the copy kept beside
// it, a file changed by another program since it was read, and writes that
// fail (a folder in place of the base's folder, a program folder on a
// read-only file system). Starting on bad files: a garbage base, a full base
// cut short, counts beyond the tables, a settings file of garbage lines, a
// settings file naming a missing base, paths that name a folder, a device, a
// pipe or a huge file; the program starts, says what is
// wrong in a few boxes, and leaves the files as they were. Through the real
// window, with scripted answers.
#include "Banc.h"
#include "base/FichierBase.h"
#include "base/Fichiers.h"
#include "base/Generateur.h"
#include <QDateTime>
#include <QFileInfo>
#include <QRandomGenerator>
#include <sys/stat.h>

namespace {
using R = Plateforme::Reponse;
const QString Recettes = u("Recettes.don");
const QString Copie = u("Recettes.don.bak");
const QString AccesChemin = u("Erreur d'accès au chemin/fichier");
const QString Verrouille = u("Fichier verrouillé par un autre programme");

QString erreurEcriture(const QString& raison, const QString& chemin) { return u("Erreur ! | ") + pasEcrit(raison, chemin); }

// The same base after another program changed it (same size when asked).
QByteArray baseAutreProgramme(bool memeTaille = false)
{
    return baseUneRecette().replace("Desserts", memeTaille ? "Gateaux!" : "Gateaux");
}

// Another program writes the base, five seconds later than now.
void ecrireAvecDate(const Banc& b, const QByteArray& octets)
{
    b.ecrireOctets(Recettes, octets);
    QFile f(b.chemin(Recettes));
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
}

// The base changed in memory, then saved.
void changerEtSauver(Banc& b, const QString& categorie = u("Pâtisseries"))
{
    b.p().base.Cat(1) = categorie;
    b.p().bases.SauverBase();
}


QString lueEnPartie(const Banc& b, int recettes)
{
    return u("Zuta! | La base ") + nomAffiche(b.chemin(Recettes))
           + u(" n'a pas pu être lue en entier (fichier incomplet ou abîmé) : %1 recette(s) lue(s).\nLe fichier est "
               "laissé tel quel ; avant le prochain enregistrement, il sera conservé sous un autre nom.")
                 .arg(recettes);
}

QByteArray hasard(int taille)
{
    QRandomGenerator g(20051);
    QByteArray o(taille, '\0');
    for (char& c : o)
        c = static_cast<char>(g.bounded(256));
    return o;
}

// Starts on the given settings file and base file ("Recettes.don", none when
// null), and returns the boxes shown.
QStringList demarrerSurFichiers(Banc& b, const QByteArray& base, const QByteArray& ini)
{
    if (!base.isNull())
        b.ecrireOctets(Recettes, base);
    b.ecrireOctets(u("Zuta.ini"), ini);
    b.demarrer();
    return b.boites();
}

const QString SauvegardeQuestion = u("Confirmation de sauvegarde | Enregistrer les modifications\ndans la base de données ?");

// A file that takes no room on disk past its first bytes.
void creerFichierCreux(const QString& chemin, const QByteArray& debut, qint64 taille)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(debut), debut.size());
    QVERIFY(f.resize(taille));
}

// Why a path of the given kind is refused, as the boxes word it; a huge file
// is one byte over its bound.
QString refus(const QString& genre, qint64 borne = Fichiers::TailleMaxBase)
{
    if (genre == u("trop volumineux"))
        return u("est trop volumineux (%1 Mo, pour %2 Mo au plus)").arg(borne / Fichiers::Mo + 1).arg(borne / Fichiers::Mo);
    const QString nature = genre == u("tube") ? u("un tube nommé") : u("un ") + genre;
    return u("désigne ") + nature + u(", pas un fichier ordinaire");
}

QString baseRefusee(const QString& chemin, const QString& genre)
{
    if (genre == u("trop volumineux"))
        return u("Le fichier ") + nomAffiche(chemin) + u(" ") + refus(genre) + u(" : ce n'est pas une base Zuta!.");
    const QString nature = genre == u("tube") ? u("un tube nommé") : u("un ") + genre;
    return u("Le chemin ") + nomAffiche(chemin) + u(" désigne ") + nature + u(", pas un fichier de base.");
}

QByteArray reglagesVers(const Banc& b, const QString& base)
{
    return Codec::encoder(u(" 0 \r\n 1 \r\n 1500 \r\n 1500 \r\n") + b.chemin(base) + u("\r\n"));
}

// The files as they were written, and the program at work on `recettes`.
void verifierApres(Banc& b, const QByteArray& base, const QByteArray& ini, int recettes)
{
    if (!base.isNull())
        QCOMPARE(b.lire(Recettes), base);
    QCOMPARE(b.lire(u("Zuta.ini")), ini);
    b.verifierUtilisable(recettes);
}
} // namespace

class TestFiabilite : public QObject {
    Q_OBJECT
private slots:
    void sauvegarde_garderLaVersionPrecedenteUneFois()
    {
        Banc b;
        b.demarrerSurFichier(baseUneRecette());
        // The base file dialog ("*.don") does not offer the copy as a base.
        QVERIFY(!QDir::match(u("*.don"), Copie));
        changerEtSauver(b);
        const QByteArray premiere = b.lire(Recettes);
        QVERIFY(premiere.contains("P\xe2tisseries"));
        QCOMPARE(b.lire(Copie), baseUneRecette());
        changerEtSauver(b, u("Tartes sucrées"));
        QCOMPARE(b.lire(Copie), premiere);
        QVERIFY(b.lire(Recettes).contains("Tartes sucr\xe9" "es"));
        QCOMPARE(QDir(b.dossier()).entryList({u("Recettes.don*")}), (QStringList{Recettes, Copie}));
        QVERIFY(b.boites().isEmpty());
    }

    void sauvegarde_copieImpossible_baseNonRemplacee()
    {
        Banc b;
        QDir(b.dossier()).mkdir(Copie);
        b.demarrerSurFichier(baseUneRecette());
        changerEtSauver(b); // Cancel in the "Erreur !" box
        QCOMPARE(b.boites(), (QStringList{erreurEcriture(AccesChemin, b.chemin(Copie)),
                                          u("Zuta! | La base ") + nomAffiche(b.chemin(Recettes))
                                              + u(" n'a pas été enregistrée : sa version précédente n'a pas pu être "
                                                  "conservée sous le nom ")
                                              + nomAffiche(b.chemin(Copie))
                                              + u(". Le fichier de la base est resté tel quel.")}));
        QCOMPARE(b.lire(Recettes), baseUneRecette());
        b.verifierUtilisable(1);
    }

    void changeeParUnAutre_nonLaisseSonFichier()
    {
        Banc b;
        b.demarrerSurFichier(baseUneRecette());
        ecrireAvecDate(b, baseAutreProgramme());
        b.plateforme.reponses.enqueue(R::Non);
        b.p().bases.SauverBase();
        const QString nom = nomAffiche(b.chemin(Recettes));
        QCOMPARE(b.plateforme.boites.value(0).boutons, Plateforme::Boutons::OuiNon);
        QCOMPARE(b.boites(),
                 (QStringList{u("Base modifiée | Le fichier ") + nom
                                  + u(" a été modifié par un autre programme depuis qu'il a été chargé ou enregistré "
                                      "ici.\nL'enregistrer maintenant remplacera ces modifications par la base "
                                      "affichée.\n\nRemplacer le fichier ?"),
                              u("Zuta! | La base n'a pas été enregistrée. Le fichier ") + nom
                                  + u(" est resté tel que l'autre programme l'a laissé.")}));
        QCOMPARE(b.lire(Recettes), baseAutreProgramme());
        QVERIFY(!QFileInfo::exists(b.chemin(Copie)));
        b.verifierUtilisable(1);
    }

    // Touched without a change: nothing asked. Changed (same size, another
    // time: the bytes decide), Yes: replaced, its version kept as the copy;
    // the file is ours again and the next save asks nothing. Changed after
    // that save, then quitting: Yes to the save question, No to the
    // overwrite leaves the other program's file.
    void changeeParUnAutre_toucheeOuiPuisQuitterNon()
    {
        Banc b;
        b.demarrerSurFichier(baseUneRecette());
        ecrireAvecDate(b, baseUneRecette());
        b.p().bases.SauverBase();
        QVERIFY(b.boites().isEmpty());
        ecrireAvecDate(b, baseAutreProgramme(true));
        b.plateforme.reponses.enqueue(R::Oui);
        b.p().bases.SauverBase();
        QCOMPARE(b.boites().size(), 1);
        QCOMPARE(b.lire(Recettes) + b.lire(Copie), baseUneRecette() + baseAutreProgramme(true));
        b.p().bases.SauverBase();
        QVERIFY(b.boites().isEmpty());
        ecrireAvecDate(b, baseAutreProgramme());
        b.plateforme.reponses << R::Oui << R::Non;
        b.p().bases.finProgramme = [] {};
        b.p().bases.TerminerProgramme();
        const QStringList boites = b.boites();
        QVERIFY(boites.size() == 3 && boites[1].startsWith(u("Base modifiée | ")));
        QCOMPARE(b.lire(Recettes), baseAutreProgramme());
    }

    // Another program reads the base while the user saves: one box, neither
    // the base nor its previous copy touched; once it lets go, the save goes
    // through.
    void baseVerrouillee_nonRemplaceePuisEnregistree()
    {
        Banc b;
        b.ecrireOctets(Copie, "copie plus ancienne");
        b.demarrerSurFichier(baseUneRecette());
        {
            VerrouAutreProgramme verrou(b.chemin(Recettes), false);
            QVERIFY(verrou.pris());
            changerEtSauver(b); // Cancel in the "Erreur !" box
            QCOMPARE(b.boites(), QStringList{erreurEcriture(Verrouille, b.chemin(Recettes))});
            QCOMPARE(b.lire(Recettes), baseUneRecette());
            QCOMPARE(b.lire(Copie), QByteArray("copie plus ancienne"));
            b.verifierUtilisable(1);
        }
        b.p().bases.SauverBase();
        QVERIFY(b.boites().isEmpty());
        QVERIFY(b.lire(Recettes).contains("P\xe2tisseries"));
        QCOMPARE(b.lire(Copie), baseUneRecette());
    }

    // A base its owner made read-only: the same, even for root; it is read
    // as usual.
    void baseEnLectureSeule_nonRemplacee()
    {
        Banc b;
        b.ecrireOctets(Recettes, baseUneRecette());
        b.reglages(b.chemin(Recettes));
        QVERIFY(QFile::setPermissions(b.chemin(Recettes), QFileDevice::ReadOwner));
        b.demarrer();
        QVERIFY(b.boites().isEmpty());
        changerEtSauver(b);
        QCOMPARE(b.boites(), QStringList{erreurEcriture(u("Fichier en lecture seule"), b.chemin(Recettes))});
        QCOMPARE(b.lire(Recettes), baseUneRecette());
        QVERIFY(!QFileInfo::exists(b.chemin(Copie)));
        b.verifierUtilisable(1);
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
        b.ecrireOctets(Recettes, baseUneRecette());
        const QString chemin = verrouillee ? b.chemin(Recettes) : u("/proc/self/clear_refs");
        VerrouAutreProgramme verrou(b.chemin(Recettes), true);
        QVERIFY(verrou.pris());
        b.reglages(chemin);
        b.demarrer();
        QCOMPARE(b.boites(),
                 (QStringList{u("Erreur ! | ") + (verrouillee ? Verrouille : u("Erreur d'entrée/sortie")) + u(" : ") + chemin,
                              u("Zuta! | Le fichier ") + nomAffiche(chemin)
                                  + u(" ne peut pas être lu (accès refusé ou fichier verrouillé).\n\nCe fichier est "
                                      "laissé tel quel. Une base vide est ouverte à sa place ; elle ne sera pas "
                                      "enregistrée dans ce fichier sans votre accord.")}));
        QCOMPARE(b.lire(Recettes), baseUneRecette());
        b.verifierUtilisable(0);
    }

    // The base's folder replaced by a file while the program runs.
    void dossierDevenuFichier_messageEtBaseDeplaceeIntacte()
    {
        Banc b;
        QDir(b.dossier()).mkdir(u("Sous"));
        b.demarrerSurFichier(baseUneRecette(), u("Sous/Recettes.don"));
        QVERIFY(QDir(b.dossier()).rename(u("Sous"), u("Ailleurs")));
        b.ecrireOctets(u("Sous"), "un fichier");
        b.p().bases.SauverBase();
        QCOMPARE(b.boites(), QStringList{erreurEcriture(AccesChemin, b.chemin(u("Sous/Recettes.don")))});
        QCOMPARE(b.lire(u("Ailleurs/Recettes.don")), baseUneRecette());
        QCOMPARE(b.lire(u("Sous")), QByteArray("un fichier"));
        b.verifierUtilisable(1);
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
        const QByteArray entete = baseUneRecette();
        if (genre == u("dossier"))
            QVERIFY(QDir().mkdir(cible));
        else if (genre == u("tube"))
            QCOMPARE(::mkfifo(QFile::encodeName(cible).constData(), 0600), 0);
        else if (genre == u("périphérique"))
            cible = u("/dev/zero");
        else
            creerFichierCreux(cible, entete, borne + 1);
        if (lien || genre == u("périphérique"))
            QVERIFY(QFile::link(cible, b.chemin(nom)));
        const QFileInfo avant(b.chemin(nom));
        if (!reglages)
            b.reglages(b.chemin(nom));
        b.demarrer();
        const QString attendu = reglages
            ? u("Zuta! | Le fichier des réglages ") + nomAffiche(b.chemin(nom)) + u(" ") + refus(genre, borne)
                  + u(" : il n'est ni lu ni remplacé, et les réglages prennent leur valeur par défaut.")
            : u("Zuta! | ") + baseRefusee(b.chemin(nom), genre)
                  + u("\n\nCe chemin est laissé tel quel. Une base vide est ouverte à sa place ; elle ne pourra pas "
                      "y être enregistrée.");
        QCOMPARE(b.boites(), QStringList{attendu});
        b.verifierUtilisable(0);
        if (!reglages && genre != u("trop volumineux")) {
            // Nor is a new base created there.
            b.plateforme.reponses << R::Non;
            b.plateforme.fichiers << b.chemin(nom);
            b.fen().CommandNouvelle->click();
            QCOMPARE(b.boites(), (QStringList{SauvegardeQuestion, u("Zuta! | Une base ne peut pas être créée sous ")
                                                                  + nomAffiche(b.chemin(nom)) + u(" : ce chemin ")
                                                                  + refus(genre) + u(".")}));
        }

        // Saving, then ending with the settings written: neither touches the path.
        b.plateforme.reponses << R::Oui;
        b.p().bases.TerminerProgramme();
        const QStringList fin = b.boites();
        if (reglages)
            QCOMPARE(fin, QStringList{SauvegardeQuestion});
        else
            QCOMPARE(fin, (QStringList{SauvegardeQuestion, u("Zuta! | La base ") + nomAffiche(b.chemin(nom))
                                                           + u(" n'a pas été enregistrée : ce chemin ") + refus(genre)
                                                           + u(". Il est resté tel quel.")}));
        const QFileInfo apres(b.chemin(nom));
        QCOMPARE(apres.isSymLink(), avant.isSymLink());
        QCOMPARE(NatureFichier::examiner(b.chemin(nom)).genre, NatureFichier::examiner(cible).genre);
        QCOMPARE(apres.lastModified(), avant.lastModified());
        if (genre == u("trop volumineux")) {
            QFile f(cible);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.size(), borne + 1);
            QCOMPARE(f.read(entete.size()), entete);
        }
    }

    // A program folder where nothing can be written, even by root: a folder of
    // /proc. The first start cannot create the default base nor, at the end,
    // the settings file: one box each, naming the file, and the program runs.
    void dossierProgrammeEnLectureSeule()
    {
        Banc b;
        QVERIFY(QDir::setCurrent(u("/proc/self/fdinfo")));
        b.demarrer();
        const QString dossier = b.p().etat.CheminAppli;
        QVERIFY(dossier.startsWith(u("/proc/")));
        QCOMPARE(b.boites(), QStringList{erreurEcriture(u("Permission refusée"), dossier + u("Zuta2005.don"))});
        b.verifierUtilisable(0);
        b.p().bases.finProgramme = [] {};
        b.plateforme.reponses.enqueue(R::Non); // no save
        b.p().bases.TerminerProgramme();
        QCOMPARE(b.boites(), (QStringList{u("Confirmation de sauvegarde | Enregistrer les modifications\ndans la base de "
                                            "données ?"),
                                          erreurEcriture(u("Permission refusée"), dossier + u("Zuta.ini"))}));
    }

    void baseDeDechets()
    {
        Banc b;
        const QByteArray dechets = "Bonjour" + hasard(5000), ini = reglagesVers(b, Recettes);
        const QStringList boites = demarrerSurFichiers(b, dechets, ini);
        QCOMPARE(boites.size(), 1);
        QVERIFY(boites[0].contains(nomAffiche(b.chemin(Recettes)) + u(" n'est pas une base Zuta!")));
        verifierApres(b, dechets, ini, 0);
    }

    // Cut in the name of recipe 1,200 of a realistic base: the 1,199 before it
    // are read, every counter agrees with them.
    void grandeBaseCoupee()
    {
        Banc b;
        auto t = std::make_unique<Tables>();
        Generateur::Parametres parametres = Generateur::baseDemo();
        parametres.recettes = 2000;
        Generateur::remplir(*t, parametres);
        t->RecettTexte(1200, 3) = u("Coupure ici");
        const QByteArray entiere = Codec::encoder(FichierBase::ecrire(*t));
        const QByteArray coupee = entiere.left(entiere.indexOf("\"Coupure ici\"")), ini = reglagesVers(b, Recettes);
        QCOMPARE(demarrerSurFichiers(b, coupee, ini), (QStringList{u("Erreur ! | Fin de fichier atteinte"), lueEnPartie(b, 1199)}));
        QCOMPARE(b.p().base.NbRecett, 1199);
        QCOMPARE(incoherence(b.p().base), QString());
        verifierApres(b, coupee, ini, 1199);
    }

    void comptesAuDelaDesTables()
    {
        Banc b;
        const QByteArray base = "-1 \r\nv1.2b\r\n 999 \r\nDesserts\r\n 1 \r\n 1 \r\nTartes\r\n 1 \r\n";
        const QByteArray ini = reglagesVers(b, Recettes);
        QCOMPARE(demarrerSurFichiers(b, base, ini),
                 (QStringList{u("Erreur ! | L'indice n'appartient pas à la sélection"), lueEnPartie(b, 0)}));
        QCOMPARE(b.p().base.NbCat, 0);
        verifierApres(b, base, ini, 0);

        // Saving while another program writes the file: the file as it was
        // read cannot be kept aside, so the base is not saved either.
        VerrouAutreProgramme verrou(b.chemin(Recettes), true);
        QVERIFY(verrou.pris());
        b.p().bases.SauverBase();
        QCOMPARE(b.boites(),
                 (QStringList{u("Erreur ! | ") + Verrouille + u(" : ") + QDir::toNativeSeparators(b.chemin(Recettes)),
                              u("Zuta! | La base ") + nomAffiche(b.chemin(Recettes))
                                  + u(" n'a pas été enregistrée : le fichier lu avec des erreurs n'a pas pu être "
                                      "conservé sous le nom ")
                                  + nomAffiche(b.chemin(u("Recettes-ERREURS.don"))) + u(". Il est resté tel quel.")}));
        QCOMPARE(b.lire(Recettes), base);
        QVERIFY(!QFileInfo::exists(b.chemin(u("Recettes-ERREURS.don"))));
    }

    void reglagesDeDechets()
    {
        Banc b;
        const QByteArray ini = "abc\r\n\xff\xfe xyz\r\n,,,,\r\n\"\r\n" + hasard(300);
        // One box for the first bad value, one naming the file; the last
        // line of a damaged file is no base path: the default base opens.
        QCOMPARE(demarrerSurFichiers(b, QByteArray(), ini),
                 (QStringList{u("Erreur ! | Incompatibilité de type"),
                              u("Zuta! | Le fichier des réglages ") + nomAffiche(b.chemin(u("Zuta.ini")))
                                  + u(" contient des valeurs illisibles : elles gardent leur valeur par défaut. Le "
                                      "fichier sera réécrit à la fin du programme.")}));
        QCOMPARE(b.p().etat.CheminBase, b.chemin(u("Zuta2005.don")));
        QCOMPARE(QDir(b.dossier()).entryList(QDir::Files), (QStringList{u("Zuta.ini"), u("Zuta2005.don")}));
        verifierApres(b, QByteArray(), ini, 0);
    }

    // The missing base is created empty under its name, without a copy of
    // an older version.
    void ligne5SurBaseManquante()
    {
        Banc b;
        const QByteArray ini = reglagesVers(b, u("Disparue.don"));
        QCOMPARE(demarrerSurFichiers(b, QByteArray(), ini),
                 QStringList{u("Zuta! | La base ") + nomAffiche(b.chemin(u("Disparue.don")))
                             + u(" est introuvable.\nUne nouvelle base vide est créée sous ce nom.")});
        QCOMPARE(b.p().etat.CheminBase, b.chemin(u("Disparue.don")));
        QCOMPARE(b.lire(u("Disparue.don")), BaseVide);
        QVERIFY(!QFileInfo::exists(b.chemin(u("Disparue.don.bak"))) && !b.p().etat.BaseIlisible);
        verifierApres(b, QByteArray(), ini, 0);
    }
};

QTEST_MAIN(TestFiabilite)
#include "tst_fiabilite.moc"
