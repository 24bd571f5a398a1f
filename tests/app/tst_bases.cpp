// Bases met at start-up or loaded through the real window: a current base read as it is, an older one converted
// (the kept file, the report, the corrected base), unreadable ones and ones read with errors kept, their questions.
#include "Banc.h"
#include <QFileInfo>

namespace {
using R = Plateforme::Reponse;
const QString Question = u("Confirmation de sauvegarde | Enregistrer les modifications\ndans la base de données ?");
const QString Recettes = u("Recettes.don"), Ancienne = u("Recettes-OLD.don");

// Desserts says 5 recipes while 3 carry it; the magazine counter is wrong too.
QByteArray corpsAncien()
{
    return " 1 \r\nDesserts\r\n 5 \r\n 1 \r\nTartes\r\n 3 \r\n 1 \r\nCuisine\r\n 9 \r\n 3 \r\n"
           "\"81\"\r\n1\r\n\"12\"\r\n1\r\n\"\"\r\n1\r\n\"Tarte aux pommes\"\r\n1\r\n"
           "\"82\"\r\n1\r\n\"3\"\r\n1\r\n\"beurre, sucre\"\r\n1\r\n\"Tarte fine\"\r\n0\r\n"
           "\"83\"\r\n1\r\n\"40\"\r\n1\r\n\"\"\r\n1\r\n\"Tartelette\"\r\n1\r\n";
}
} // namespace

class TestBases : public QObject {
    Q_OBJECT
private slots:
    // A base in the current layout is read as it is under the progress window; an older one is converted: the
    // current layout under the base's own name, the counter corrected, the older file kept under the "-OLD" name
    // (over an earlier copy), the report written.
    void lueOuConvertieAuDemarrage_data()
    {
        QTest::addColumn<QByteArray>("fichier");
        QTest::newRow("courante") << baseUneRecette();
        QTest::newRow("v1.2") << QByteArray("-1 \r\nv1.2\r\n") + corpsAncien();
        QTest::newRow("sans en-tete") << corpsAncien();
    }

    void lueOuConvertieAuDemarrage()
    {
        QFETCH(QByteArray, fichier);
        const bool courante = fichier == baseUneRecette();
        Banc b;
        b.ecrireOctets(Ancienne, "garde precedente");
        Fenetre& f = b.demarrerSurFichier(fichier);
        QVERIFY(b.boites().isEmpty());
        b.verifierUtilisable(courante ? 1 : 3);
        QCOMPARE(f.titre(), u("Zuta! v1.2b   (base : Recettes.don)"));
        QStringList titres{u("Zuta! / Chargement base / Lecture des données en cours...")};
        if (!courante)
            titres << u("Zuta! / Conversion base / Analyse des données en cours...")
                   << u("Zuta! / Enregistrement base / Sauvegarde des données en cours...");
        QCOMPARE(b.titresProgression(), titres);
        if (courante) {
            QCOMPARE(b.lire(Recettes) + b.lire(Ancienne), fichier + "garde precedente");
            QCOMPARE(QDir(b.dossier()).entryList(QDir::Files), (QStringList{Ancienne, Recettes, u("Zuta.ini")}));
            return;
        }
        QCOMPARE(b.lire(Ancienne), fichier);
        QCOMPARE(b.lire(Recettes), "-1 \r\nv1.2b\r\n" + corpsAncien().replace("Desserts\r\n 5 ", "Desserts\r\n 3 "));
        const QByteArray rapport = b.lire(u("Conversion.txt"));
        QVERIFY(rapport.startsWith("Zuta! v1.2b - RAPPORT DE CONVERSION\r\nAnalyse et correction de base Zuta! "
                                   "anterieure \xe0 v1.2\r\nBase : "
                                   + b.chemin(Recettes).toUtf8() + "\r\n"));
        QVERIFY(rapport.contains("L'ancienne base Zuta! porte la nom : " + b.chemin(Ancienne).toUtf8()));
    }

    // An older base whose path Windows-1252 cannot hold, loaded with "Charger": its report names it with "?", and a
    // box says so, as for the settings.
    void conversion_rapportAvecCaracteresRemplaces_ditDansUneBoite()
    {
        Banc b;
        const QString nom = u("Recettes Ωmega.don");
        b.ecrireOctets(nom, corpsAncien());
        b.demarrerSur(QString::fromLatin1(BaseVide));
        b.plateforme.fichiers << b.chemin(nom);
        b.fen().CommandCharger->click();
        const QString rapport = b.chemin(u("Conversion.txt"));
        QCOMPARE(b.boites().mid(1),
                 QStringList{u("Zuta! | Certains caractères ne peuvent pas être enregistrés dans le "
                               "fichier « %1 » : ils y sont remplacés par « ? ».")
                                 .arg(rapport)});
        QVERIFY(b.lire(u("Conversion.txt")).contains("Base : " + b.chemin(u("Recettes ?mega.don")).toUtf8()));
        b.verifierUtilisable(3);
    }

    // A base named on the command line (or opened from the file manager) is opened in place of the settings' one,
    // with the same checks, and the settings name it once the program ends; a path that is no base is refused
    // with the usual box and left alone.
    void baseDonneeAuDemarrage_ouverteAPlaceDeCelleDesReglages()
    {
        for (const bool dossier : {false, true}) {
            Banc b;
            b.ecrireOctets(Recettes, baseUneRecette());
            b.reglages(b.chemin(Recettes));
            const QString autre = b.chemin(u("Autre base.don"));
            if (dossier)
                QVERIFY(QDir().mkdir(autre));
            else
                b.ecrireOctets(u("Autre base.don"), BaseVide);
            Fenetre& f = b.demarrer(u("Autre base.don")); // relative to the folder the user was in
            QCOMPARE(b.boites(),
                     dossier ? QStringList{u("Zuta! | Le chemin ") + nomAffiche(autre)
                                           + u(" désigne un dossier, pas un fichier de base.\n\nCe chemin est "
                                               "laissé tel quel. Une base vide est ouverte à sa place ; elle "
                                               "ne pourra pas y être enregistrée.")}
                             : QStringList());
            QCOMPARE(f.titre(), u("Zuta! v1.2b   (base : Autre base.don)"));
            b.verifierUtilisable(0);
            b.plateforme.reponses << R::Non;
            f.fen->close();
            QCOMPARE(b.lignesReglages().value(4), autre);
            QCOMPARE(b.lire(Recettes), baseUneRecette());
        }
    }

    // Garbage, a broken older layout, an older base that cannot be kept aside before
    // its conversion: the file is left as it is, an empty base shown in its place;
    // saving asks first, No or no answer leaves the file whole, Yes replaces it.
    void illisible_laisseeIntacteJusquAuOui_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("raison"); // %1: the base, %2: its kept name
        QTest::newRow("dechets")
            << QByteArray("Bonjour\xff\xfe\x81\x01\r\nbeurre, \"sucre\r\n")
            << u("Le fichier %1 n'est pas une base Zuta! : sa première valeur n'est pas un nombre.");
        QTest::newRow("ancienne rompue")
            << QByteArray(" 3 \r\nDesserts\r\n 2 \r\n")
            << u("Le fichier %1 n'est pas une base Zuta! lisible : nombre de sous-catégories illisible à la ligne 4.");
        QTest::newRow("ancienne qui ne peut pas etre gardee")
            << corpsAncien()
            << u("La base %1 vient d'une version antérieure à v1.2b, mais elle n'a pas pu être conservée sous le "
                 "nom %2 : elle n'est donc pas convertie.");
    }

    void illisible_laisseeIntacteJusquAuOui()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, raison);
        Banc b;
        const QString nom = nomAffiche(b.chemin(Recettes)), garde = nomAffiche(b.chemin(Ancienne));
        const bool gardeImpossible = raison.contains(u("%2"));
        if (gardeImpossible)
            QVERIFY(QDir(b.dossier()).mkdir(Ancienne));
        Fenetre& f = b.demarrerSurFichier(contenu);
        const QString explication = gardeImpossible ? raison.arg(nom, garde) : raison.arg(nom);
        QStringList boites{u("Zuta! | ") + explication
                           + u("\n\nCe fichier est laissé tel quel. Une base vide est ouverte à sa place ; elle ne "
                               "sera pas enregistrée dans ce fichier sans votre accord.")};
        if (gardeImpossible)
            boites.prepend(u("Erreur ! | ") + pasEcrit(u("Erreur d'accès au chemin/fichier"), b.chemin(Ancienne)));
        QCOMPARE(b.boites(), boites);
        QCOMPARE(b.lire(Recettes), contenu);
        b.verifierUtilisable(0);
        QVERIFY(!QFileInfo(b.chemin(Ancienne)).isFile() && !QFileInfo::exists(b.chemin(u("Conversion.txt"))));

        // Unchanged, the empty base is not offered for saving; changed, only a clear Yes replaces the file.
        f.CommandCharger->click();
        QCOMPARE(b.boites(), QStringList());
        b.p().document().marquerModifiee();
        b.plateforme.reponses << R::Oui << R::Non;
        f.CommandCharger->click();
        QCOMPARE(b.boites(),
                 (QStringList{Question,
                              u("Attention ! | ") + explication
                                  + u("\n\nCe fichier n'a pas été modifié. L'enregistrer maintenant "
                                      "remplacera tout son contenu par la base affichée.\nRemplacer "
                                      "le fichier ")
                                  + nom + u(" ?")}));
        QCOMPARE(b.lire(Recettes), contenu);
        b.plateforme.reponses << R::Oui << R::Fermee;
        f.CommandCharger->click();
        QCOMPARE(b.lire(Recettes), contenu);
        b.plateforme.reponses << R::Oui << R::Oui;
        f.CommandCharger->click();
        QCOMPARE(b.lire(Recettes), BaseVide);
        QVERIFY(!b.p().document().illisible());
    }

    void lueAvecErreurs_gardeeAvantLaSauvegarde()
    {
        Banc b;
        const QByteArray tronquee = "-1 \r\nv1.2b\r\n 1 \r\nDesserts\r\n 4 \r\n";
        Fenetre& f = b.demarrerSurFichier(tronquee);
        const QString nom = nomAffiche(b.chemin(Recettes));
        QCOMPARE(b.boites(),
                 (QStringList{u("Erreur ! | Fin de fichier atteinte"),
                              u("Zuta! | La base ") + nom
                                  + u(" n'a pas pu être lue en entier (fichier incomplet ou abîmé) : 0 recette(s) "
                                      "lue(s).\nLe fichier est laissé tel quel ; avant le prochain enregistrement, il "
                                      "sera conservé sous un autre nom.")}));

        b.plateforme.reponses << R::Oui;
        f.CommandCharger->click();
        QCOMPARE(b.lire(u("Recettes-ERREURS.don")), tronquee);
        QCOMPARE(b.boites(),
                 (QStringList{Question,
                              u("Zuta! | La base ") + nom
                                  + u(" avait été lue avec des erreurs.\nAvant de l'enregistrer, le "
                                      "fichier tel qu'il était a été conservé sous le nom :\n")
                                  + nomAffiche(b.chemin(u("Recettes-ERREURS.don")))}));
        QVERIFY(b.lire(Recettes).startsWith("-1 \r\nv1.2b\r\n 1 \r\nDesserts\r\n"));
        // Once kept, later saves write the base alone.
        b.p().document().marquerModifiee();
        b.plateforme.reponses << R::Oui;
        f.CommandCharger->click();
        QCOMPARE(b.boites(), QStringList{Question});
    }
};

QTEST_MAIN(TestBases)
#include "tst_bases.moc"
