// Bases met at start-up or loaded: a current base read as it is, an older one
// converted (the kept file, the report, the corrected base under its own
// name), unreadable ones and ones read with errors left as they were.
// Through the real window, with scripted answers and file names.
#include "Banc.h"
#include "app/Bases.h"
#include <QFileInfo>

namespace {
using R = Plateforme::Reponse;
const QString QuestionSauvegarde =
    u("Confirmation de sauvegarde | Enregistrer les modifications\ndans la base de données ?");
const QString Recettes = u("Recettes.don");

// Desserts says 5 recipes while 3 carry it; the magazine counter is wrong too.
QByteArray corpsAncien()
{
    return " 1 \r\nDesserts\r\n 5 \r\n 1 \r\nTartes\r\n 3 \r\n 1 \r\nCuisine\r\n 9 \r\n 3 \r\n"
           "\"81\"\r\n1\r\n\"12\"\r\n1\r\n\"\"\r\n1\r\n\"Tarte aux pommes\"\r\n1\r\n"
           "\"82\"\r\n1\r\n\"3\"\r\n1\r\n\"beurre, sucre\"\r\n1\r\n\"Tarte fine\"\r\n0\r\n"
           "\"83\"\r\n1\r\n\"40\"\r\n1\r\n\"\"\r\n1\r\n\"Tartelette\"\r\n1\r\n";
}

// What the conversion writes: the current header, the counter corrected.
QByteArray corrigee() { return "-1 \r\nv1.2b\r\n" + corpsAncien().replace("Desserts\r\n 5 ", "Desserts\r\n 3 "); }
} // namespace

class TestBases : public QObject {
    Q_OBJECT
private slots:
    // A base in the current layout is read as it is: nothing converted,
    // nothing written.
    void demarrage_progressionDeChargement()
    {
        Banc b;
        FrmPrincipal& f = b.demarrerSurFichier(baseUneRecette());
        QCOMPARE(titresProgression(b.p()), QStringList{u("Zuta! / Chargement base / Lecture des données en cours...")});
        QCOMPARE(b.p().base.NbRecett, 1);
        QVERIFY(f.isVisible() && f.isEnabled());
        QVERIFY(b.boites().isEmpty());
        QCOMPARE(f.windowTitle(), u("Zuta! v1.2b   (base : Recettes.don)"));
        QCOMPARE(b.lire(Recettes), baseUneRecette());
        QCOMPARE(QDir(b.dossier()).entryList(QDir::Files), (QStringList{Recettes, u("Zuta.ini")}));
    }

    void ancienne_convertieAuDemarrage_data()
    {
        QTest::addColumn<QByteArray>("ancienne");
        QTest::newRow("v1.2") << QByteArray("-1 \r\nv1.2\r\n") + corpsAncien();
        QTest::newRow("sans en-tete") << corpsAncien();
    }

    void ancienne_convertieAuDemarrage()
    {
        QFETCH(QByteArray, ancienne);
        Banc b;
        b.ecrireOctets(u("Recettes-OLD.don"), "garde precedente");
        FrmPrincipal& f = b.demarrerSurFichier(ancienne);

        QVERIFY(b.boites().isEmpty());
        QCOMPARE(b.lire(u("Recettes-OLD.don")), ancienne);
        QCOMPARE(b.lire(Recettes), corrigee());
        const QByteArray rapport = b.lire(u("Conversion.txt"));
        QVERIFY(rapport.startsWith("Zuta! v1.2b - RAPPORT DE CONVERSION\r\nAnalyse et correction de base Zuta! "
                                   "anterieure \xe0 v1.2\r\nBase : " + b.chemin(Recettes).toUtf8() + "\r\n"));
        QVERIFY(rapport.contains("L'ancienne base Zuta! porte la nom : " + b.chemin(u("Recettes-OLD.don")).toUtf8()));
        QVERIFY(rapport.contains("Desserts -> renseign\xe9" "es :  5  -  compt\xe9" "es :  3  -  Corrig\xe9\r\n"));
        QVERIFY(rapport.endsWith("NB ERREURS TOTALES TROUVEES :  1\r\nERREURS CORRIGEES OK\r\n"));

        QCOMPARE(QList<int>({b.p().base.CatNbRecett(1), b.p().base.MagNbRecett(1)}), QList<int>({3, 9}));
        QCOMPARE(b.p().etat.CheminBase, b.chemin(Recettes));
        QVERIFY(!b.p().etat.BaseLueAvecErreurs);
        QCOMPARE(titresProgression(b.p()),
                 (QStringList{u("Zuta! / Chargement base / Lecture des données en cours..."),
                              u("Zuta! / Conversion base / Analyse des données en cours..."),
                              u("Zuta! / Enregistrement base / Sauvegarde des données en cours...")}));
        QVERIFY(f.isVisible() && f.isEnabled());
        QCOMPARE(f.windowTitle(), u("Zuta! v1.2b   (base : Recettes.don)"));
    }

    // When the older file cannot be kept, nothing is converted and the
    // original stays exactly as it was.
    void gardeImpossible_originalIntact()
    {
        Banc b;
        QVERIFY(QDir(b.dossier()).mkdir(u("Recettes-OLD.don")));
        FrmPrincipal& f = b.demarrerSurFichier(corpsAncien());
        const QString garde = nomAffiche(b.chemin(u("Recettes-OLD.don")));
        QCOMPARE(b.boites(), (QStringList{u("Erreur ! | Erreur d'accès au chemin/fichier\n\nLe fichier ") + garde
                                              + u(" n'a pas pu être écrit ; son contenu précédent est intact."),
                                          u("Zuta! | La base ") + nomAffiche(b.chemin(Recettes))
                                              + u(" vient d'une version antérieure à v1.2b, mais elle n'a pas pu être "
                                                  "conservée sous le nom ") + garde
                                              + u(" : elle n'est donc pas convertie.\n\nCe fichier est laissé tel "
                                                  "quel. Une base vide est ouverte à sa place ; elle ne sera pas "
                                                  "enregistrée dans ce fichier sans votre accord.")}));
        QCOMPARE(b.lire(Recettes), corpsAncien());
        QVERIFY(!QFileInfo::exists(b.chemin(u("Conversion.txt"))));
        QVERIFY(b.p().etat.BaseIlisible);
        QCOMPARE(b.p().base.NbRecett, 0);
        QVERIFY(f.isVisible());
    }

    // Garbage, or an older layout that does not hold together: the file is
    // left as it is and not written over by the next save.
    void baseIlisible_laisseeIntacte_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("explication");
        const QString pasUnNombre = u("n'est pas une base Zuta! : sa première valeur n'est pas un nombre.");
        QTest::newRow("texte") << QByteArray("Liste de courses\r\nbeurre, sucre\r\n") << pasUnNombre;
        QTest::newRow("ancienne rompue")
            << QByteArray(" 3 \r\nDesserts\r\n 2 \r\n")
            << u("n'est pas une base Zuta! lisible : nombre de sous-catégories illisible à la ligne 4.");
    }

    void baseIlisible_laisseeIntacte()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, explication);
        Banc b;
        const QString nom = u("Illisible.don");
        b.ecrireOctets(nom, contenu);
        b.reglages(b.chemin(nom));
        FrmPrincipal& f = b.demarrer();
        QCOMPARE(b.plateforme.boites.size(), 1);
        const auto boite = b.plateforme.boites.takeFirst();
        QVERIFY2(boite.texte.contains(nomAffiche(b.chemin(nom)) + u(" ") + explication), qPrintable(boite.texte));
        QVERIFY(boite.texte.endsWith(u("\n\nCe fichier est laissé tel quel. Une base vide est ouverte à sa place ; "
                                       "elle ne sera pas enregistrée dans ce fichier sans votre accord.")));
        QCOMPARE(boite.icone, Plateforme::Icone::Exclamation);
        QVERIFY(b.p().etat.BaseIlisible);
        QCOMPARE(b.p().base.NbRecett, 0);
        QVERIFY(f.isVisible());
        QVERIFY(!QFileInfo::exists(b.chemin(u("Illisible-OLD.don"))));
        QVERIFY(!QFileInfo::exists(b.chemin(u("Conversion.txt"))));

        // Saving asks first; No leaves the file whole.
        b.plateforme.reponses << R::Oui << R::Non;
        f.CommandCharger->click();
        QCOMPARE(b.plateforme.boites.size(), 2);
        QCOMPARE(b.plateforme.boites.at(1).titre, u("Attention !"));
        QVERIFY(b.plateforme.boites.at(1).texte.contains(explication));
        QVERIFY(b.plateforme.boites.at(1).texte.endsWith(u("Remplacer le fichier ") + nomAffiche(b.chemin(nom)) + u(" ?")));
        b.plateforme.boites.clear();
        QCOMPARE(b.lire(nom), contenu);
        // Yes, on purpose: the file takes the base shown.
        b.plateforme.reponses << R::Oui << R::Oui;
        f.CommandCharger->click();
        QCOMPARE(b.lire(nom), BaseVide);
        QVERIFY(!b.p().etat.BaseIlisible);
    }

    void baseLueAvecErreurs_gardeeAvantLaSauvegarde()
    {
        Banc b;
        const QByteArray tronquee = "-1 \r\nv1.2b\r\n 1 \r\nDesserts\r\n 4 \r\n";
        b.ecrireOctets(u("Recettes-ERREURS.don"), "une copie plus ancienne");
        FrmPrincipal& f = b.demarrerSurFichier(tronquee);
        QCOMPARE(b.plateforme.boites.size(), 2);
        QCOMPARE(b.plateforme.boites.takeFirst().titre, u("Erreur !"));
        QVERIFY(b.plateforme.boites.takeFirst().texte.startsWith(u("La base ") + nomAffiche(b.chemin(Recettes))
                                                                + u(" n'a pas pu être lue en entier")));
        QVERIFY(b.p().etat.BaseLueAvecErreurs);

        b.plateforme.reponses << R::Oui;
        f.CommandCharger->click();
        QCOMPARE(b.lire(u("Recettes-ERREURS-2.don")), tronquee);
        QCOMPARE(b.lire(u("Recettes-ERREURS.don")), QByteArray("une copie plus ancienne"));
        QCOMPARE(b.plateforme.boites.size(), 2);
        QCOMPARE(b.plateforme.boites.at(1).texte,
                 u("La base ") + nomAffiche(b.chemin(Recettes))
                     + u(" avait été lue avec des erreurs.\nAvant de l'enregistrer, le fichier tel qu'il était a été "
                         "conservé sous le nom :\n")
                     + nomAffiche(b.chemin(u("Recettes-ERREURS-2.don"))));
        QVERIFY(b.lire(Recettes).startsWith("-1 \r\nv1.2b\r\n 1 \r\nDesserts\r\n"));
        b.plateforme.boites.clear();

        // Once kept, later saves write the base alone.
        b.plateforme.reponses << R::Oui;
        f.CommandCharger->click();
        QCOMPARE(b.boites(), QStringList{QuestionSauvegarde});
        QVERIFY(!QFileInfo::exists(b.chemin(u("Recettes-ERREURS-3.don"))));
    }

    void cheminErreurs_nomsDerives()
    {
        QTemporaryDir d;
        QCOMPARE(RoutinesBases::cheminErreurs(d.filePath(u("Zuta2005.don"))), d.filePath(u("Zuta2005-ERREURS.don")));
        QCOMPARE(RoutinesBases::cheminErreurs(d.filePath(u("sans"))), d.filePath(u("sans-ERREURS.don")));
    }

    // Every other question closed without an answer changes nothing: the
    // overwrite of an existing file, the replacing of a file changed by
    // another program or of a file that could not be read.
    void autresQuestionsFermees_rienNeChange()
    {
        Banc b;
        FrmPrincipal& f = b.demarrerSurFichier(baseUneRecette());
        b.ecrireOctets(u("Autre.don"), "ne pas toucher");
        b.plateforme.reponses << R::Non << R::Fermee;
        b.plateforme.fichiers << b.chemin(u("Autre.don"));
        f.CommandNouvelle->click();
        QCOMPARE(b.plateforme.boites.size(), 2);
        QCOMPARE(b.lire(u("Autre.don")), QByteArray("ne pas toucher"));
        QCOMPARE(b.p().etat.CheminBase, b.chemin(Recettes));

        const QByteArray autre = baseUneRecette().replace("Desserts", "Gateaux");
        b.ecrireOctets(Recettes, autre);
        b.plateforme.reponses << R::Fermee;
        b.p().bases.SauverBase();
        QCOMPARE(b.lire(Recettes), autre);

        Banc illisible;
        illisible.demarrerSurFichier("Liste de courses\r\n");
        illisible.boites();
        illisible.plateforme.reponses << R::Fermee;
        illisible.p().bases.SauverBase();
        QCOMPARE(illisible.plateforme.boites.value(0).titre, u("Attention !"));
        QCOMPARE(illisible.lire(Recettes), QByteArray("Liste de courses\r\n"));
    }
};

QTEST_MAIN(TestBases)
#include "tst_bases.moc"
