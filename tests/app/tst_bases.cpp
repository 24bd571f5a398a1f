// Loading, saving and creating bases through the real window, with scripted
// answers and file names.
#include "Banc.h"
#include "app/Bases.h"
#include "base/Tables.h"
#include <QFileInfo>
#include <QPushButton>

namespace {
using R = Plateforme::Reponse;

const QString QuestionSauvegarde =
    QStringLiteral("Confirmation de sauvegarde | Enregistrer les modifications\ndans la base de données ?");
const QByteArray BaseVide = "-1 \r\nv1.2b\r\n 0 \r\n 0 \r\n 0 \r\n";

// The 20-line base: one category, sub-category, magazine and tested recipe.
QByteArray baseUneRecette()
{
    return donneeTest(QStringLiteral("exemple20.don"));
}

QStringList lignesReglages(const Banc& b)
{
    return QString::fromLatin1(b.lire(QStringLiteral("Zuta.ini"))).split(QStringLiteral("\r\n"));
}

} // namespace

class TestBases : public QObject {
    Q_OBJECT
private slots:
    void demarrage_progressionDeChargement()
    {
        Banc b;
        b.ecrireOctets(QStringLiteral("Recettes.don"), baseUneRecette());
        b.reglages(b.chemin(QStringLiteral("Recettes.don")));
        FrmPrincipal& f = b.demarrer();
        QCOMPARE(titresProgression(b.p()),
                 QStringList{QStringLiteral("Zuta! / Chargement base / Lecture des données en cours...")});
        QCOMPARE(b.p().base.NbRecett, 1);
        QVERIFY(f.isVisible());
        QVERIFY(f.isEnabled());
        QVERIFY(b.boites().isEmpty());
        QCOMPARE(f.windowTitle(), QStringLiteral("Zuta! v1.2b   (base : Recettes.don)"));
    }

    void chargerNonPuisAnnuler_laisseTout()
    {
        Banc b;
        b.ecrireOctets(QStringLiteral("Recettes.don"), baseUneRecette());
        b.reglages(b.chemin(QStringLiteral("Recettes.don")));
        FrmPrincipal& f = b.demarrer();
        const QByteArray reglages = b.lire(QStringLiteral("Zuta.ini"));
        b.plateforme.reponses << R::Non;
        b.plateforme.fichiers << std::nullopt;
        f.CommandCharger->click();
        QCOMPARE(b.boites(), QStringList{QuestionSauvegarde});
        QCOMPARE(b.plateforme.dialogues.size(), 1);
        const auto& d = b.plateforme.dialogues.first();
        QCOMPARE(d.titre, QStringLiteral("Charger une base de données Zuta!"));
        QCOMPARE(d.dossierInitial, b.dossier());
        QCOMPARE(d.filtre, QStringLiteral("Bases Zuta! (*.don) | *.don"));
        QCOMPARE(d.extensionDefaut, QStringLiteral("*.don"));
        QCOMPARE(b.lire(QStringLiteral("Recettes.don")), baseUneRecette());
        QCOMPARE(b.lire(QStringLiteral("Zuta.ini")), reglages);
        QCOMPARE(b.p().base.NbRecett, 1);
        QCOMPARE(b.p().etat.CheminBase, b.chemin(QStringLiteral("Recettes.don")));
        QVERIFY(f.isVisible());
    }

    void chargerOui_sauveEtOuvreLAutreBase()
    {
        Banc b;
        b.reglages();
        FrmPrincipal& f = b.demarrer();
        b.ecrireOctets(QStringLiteral("Autre.don"), baseUneRecette());
        b.p().base.NbCat = 0; // a change to save
        b.plateforme.reponses << R::Oui;
        b.plateforme.fichiers << b.chemin(QStringLiteral("Autre.don"));
        b.p().bases.progressions.clear();
        f.CommandCharger->click();
        QCOMPARE(b.boites(), QStringList{QuestionSauvegarde});
        QCOMPARE(b.lire(QStringLiteral("Zuta2005.don")), BaseVide);
        QCOMPARE(lignesReglages(b).value(4), b.chemin(QStringLiteral("Autre.don")));
        QCOMPARE(b.p().base.NbRecett, 1);
        QCOMPARE(b.p().base.Cat(1), QStringLiteral("Desserts"));
        QCOMPARE(f.windowTitle(), QStringLiteral("Zuta! v1.2b   (base : Autre.don)"));
        QCOMPARE(titresProgression(b.p()),
                 (QStringList{QStringLiteral("Zuta! / Enregistrement base / Sauvegarde des données en cours..."),
                              QStringLiteral("Zuta! / Chargement base / Lecture des données en cours...")}));
        QVERIFY(f.isVisible());
        QVERIFY(f.isEnabled());
        // Centred on the main window.
        const QPoint ecart = b.p().bases.progressions.first().cadre.center() - f.frameGeometry().center();
        QVERIFY(ecart.manhattanLength() <= 4);
    }

    void nouvelleSurFichierExistant_refusLaisseFichierEtBase()
    {
        Banc b;
        b.ecrireOctets(QStringLiteral("Recettes.don"), baseUneRecette());
        b.reglages(b.chemin(QStringLiteral("Recettes.don")));
        FrmPrincipal& f = b.demarrer();
        b.ecrireOctets(QStringLiteral("Autre.don"), "ne pas toucher");
        b.plateforme.reponses << R::Non << R::Non;
        b.plateforme.fichiers << b.chemin(QStringLiteral("Autre.don"));
        f.CommandNouvelle->click();
        QCOMPARE(b.plateforme.boites.size(), 2);
        const auto ecraser = b.plateforme.boites.at(1);
        QCOMPARE(ecraser.titre, QStringLiteral("Cette nouvelle base existe déjà !"));
        QCOMPARE(ecraser.texte, QStringLiteral("Ecraser ?\r\n") + b.chemin(QStringLiteral("Autre.don")));
        QCOMPARE(ecraser.icone, Plateforme::Icone::Exclamation);
        QCOMPARE(ecraser.boutons, Plateforme::Boutons::OuiNon);
        QCOMPARE(b.plateforme.dialogues.first().titre, QStringLiteral("Créer une nouvelle base de données Zuta!"));
        QCOMPARE(b.lire(QStringLiteral("Autre.don")), QByteArray("ne pas toucher"));
        QCOMPARE(b.lire(QStringLiteral("Recettes.don")), baseUneRecette());
        QCOMPARE(b.p().base.NbRecett, 1);
        QCOMPARE(b.p().etat.CheminBase, b.chemin(QStringLiteral("Recettes.don")));
    }

    void nouvelle_baseVideAvecSonTitre()
    {
        Banc b;
        b.ecrireOctets(QStringLiteral("Recettes.don"), baseUneRecette());
        b.reglages(b.chemin(QStringLiteral("Recettes.don")));
        FrmPrincipal& f = b.demarrer();
        f.move(300, 200);
        b.plateforme.reponses << R::Non;
        b.plateforme.fichiers << b.chemin(QStringLiteral("Neuve.don"));
        f.CommandNouvelle->click();
        QCOMPARE(b.boites(), QStringList{QuestionSauvegarde});
        QCOMPARE(b.lire(QStringLiteral("Neuve.don")), BaseVide);
        QCOMPARE(b.lire(QStringLiteral("Recettes.don")), baseUneRecette());
        QCOMPARE(f.windowTitle(), QStringLiteral("Zuta! v1.2b   (base : Neuve.don)"));
        QCOMPARE(b.p().base.NbCat, 0);
        QCOMPARE(b.p().base.NbMag, 0);
        QCOMPARE(b.p().base.NbRecett, 0);
        const QStringList ini = lignesReglages(b);
        QCOMPARE(ini.value(4), b.chemin(QStringLiteral("Neuve.don")));
        // The window's place, in twips, as it stood.
        QCOMPARE(ini.value(2), QStringLiteral(" %1 ").arg(qRound(f.pos().y() * 1440.0 / f.logicalDpiY())));
        QCOMPARE(ini.value(3), QStringLiteral(" %1 ").arg(qRound(f.pos().x() * 1440.0 / f.logicalDpiX())));
        QVERIFY(f.isVisible());
    }

    void baseManquante_remplaceeParUneBaseVide()
    {
        Banc b;
        b.reglages(b.chemin(QStringLiteral("Absente.don")));
        b.demarrer();
        QCOMPARE(b.lire(QStringLiteral("Absente.don")), BaseVide);
        const QStringList boites = b.boites();
        QCOMPARE(boites.size(), 1);
        QVERIFY(boites.first().contains(QStringLiteral("est introuvable")));
        QVERIFY(boites.first().contains(b.chemin(QStringLiteral("Absente.don"))));
        QVERIFY(!b.p().etat.BaseIlisible);
    }

    void premierDemarrage_baseParDefautCreeeSansUnMot()
    {
        Banc b;
        b.demarrer();
        QCOMPARE(b.lire(QStringLiteral("Zuta2005.don")), BaseVide);
        QVERIFY(b.boites().isEmpty());
    }

    // A folder, garbage, or an older layout that does not hold together: the
    // file is left as it is and not written over by the next save.
    void baseIlisible_laisseeIntacte_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("explication");
        QTest::newRow("dossier") << QByteArray() << QStringLiteral("désigne un dossier, pas un fichier de base.");
        QTest::newRow("texte") << QByteArray("Liste de courses\r\nbeurre, sucre\r\n")
                               << QStringLiteral("n'est pas une base Zuta! : sa première valeur n'est pas un nombre.");
        QTest::newRow("vide") << QByteArray("")
                              << QStringLiteral("n'est pas une base Zuta! : sa première valeur n'est pas un nombre.");
        QTest::newRow("ancienne rompue") << QByteArray(" 3 \r\nDesserts\r\n 2 \r\n")
                                         << QStringLiteral("n'est pas une base Zuta! lisible : nombre de "
                                                           "sous-catégories illisible à la ligne 4.");
        QTest::newRow("binaire") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                                 << QStringLiteral("n'est pas une base Zuta! : sa première valeur n'est pas un nombre.");
    }
    void baseIlisible_laisseeIntacte()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, explication);
        Banc b;
        const QString nom = QStringLiteral("Illisible.don");
        const bool dossier = QTest::currentDataTag() == QByteArray("dossier");
        if (dossier)
            QVERIFY(QDir(b.dossier()).mkdir(nom));
        else
            b.ecrireOctets(nom, contenu);
        b.reglages(b.chemin(nom));
        FrmPrincipal& f = b.demarrer();
        QCOMPARE(b.plateforme.boites.size(), 1);
        const auto boite = b.plateforme.boites.takeFirst();
        QVERIFY2(boite.texte.contains(explication), qPrintable(boite.texte));
        QVERIFY(boite.texte.contains(b.chemin(nom)));
        QVERIFY(boite.texte.contains(QStringLiteral("Ce fichier est laissé tel quel.")));
        QCOMPARE(boite.icone, Plateforme::Icone::Exclamation);
        QVERIFY(b.p().etat.BaseIlisible);
        QCOMPARE(b.p().base.NbRecett, 0);
        QVERIFY(f.isVisible());
        QVERIFY(!QFileInfo::exists(b.chemin(QStringLiteral("Illisible-OLD.don"))));
        QVERIFY(!QFileInfo::exists(b.chemin(QStringLiteral("Conversion.txt"))));

        // Saving asks first; No leaves the file whole.
        b.plateforme.reponses << R::Oui << R::Non;
        f.CommandCharger->click();
        QCOMPARE(b.plateforme.boites.size(), 2);
        QCOMPARE(b.plateforme.boites.at(1).titre, QStringLiteral("Attention !"));
        QVERIFY(b.plateforme.boites.at(1).texte.contains(explication));
        QVERIFY(b.plateforme.boites.at(1).texte.endsWith(QStringLiteral("Remplacer le fichier « ") + b.chemin(nom)
                                                         + QStringLiteral(" » ?")));
        b.plateforme.boites.clear();
        if (dossier)
            QVERIFY(QFileInfo(b.chemin(nom)).isDir());
        else
            QCOMPARE(b.lire(nom), contenu);

        if (dossier)
            return;
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
        b.ecrireOctets(QStringLiteral("Recettes.don"), tronquee);
        b.ecrireOctets(QStringLiteral("Recettes-ERREURS.don"), "une copie plus ancienne");
        b.reglages(b.chemin(QStringLiteral("Recettes.don")));
        FrmPrincipal& f = b.demarrer();
        QCOMPARE(b.plateforme.boites.size(), 2);
        QCOMPARE(b.plateforme.boites.takeFirst().titre, QStringLiteral("Erreur !"));
        QVERIFY(b.plateforme.boites.takeFirst().texte.startsWith(QStringLiteral("La base « ")
                                                                + b.chemin(QStringLiteral("Recettes.don"))
                                                                + QStringLiteral(" » n'a pas pu être lue en entier")));
        QVERIFY(b.p().etat.BaseLueAvecErreurs);

        b.plateforme.reponses << R::Oui;
        f.CommandCharger->click();
        const QString garde = b.chemin(QStringLiteral("Recettes-ERREURS-2.don"));
        QCOMPARE(b.lire(QStringLiteral("Recettes-ERREURS-2.don")), tronquee);
        QCOMPARE(b.lire(QStringLiteral("Recettes-ERREURS.don")), QByteArray("une copie plus ancienne"));
        QCOMPARE(b.plateforme.boites.size(), 2);
        QCOMPARE(b.plateforme.boites.at(1).texte,
                 QStringLiteral("La base « ") + b.chemin(QStringLiteral("Recettes.don"))
                     + QStringLiteral(" » avait été lue avec des erreurs.\nAvant de l'enregistrer, le fichier tel "
                                      "qu'il était a été conservé sous le nom :\n« ")
                     + garde + QStringLiteral(" »"));
        QVERIFY(b.lire(QStringLiteral("Recettes.don")).startsWith("-1 \r\nv1.2b\r\n 1 \r\nDesserts\r\n"));
        b.plateforme.boites.clear();

        // Once kept, later saves write the base alone.
        b.plateforme.reponses << R::Oui;
        f.CommandCharger->click();
        QCOMPARE(b.boites(), QStringList{QuestionSauvegarde});
        QVERIFY(!QFileInfo::exists(b.chemin(QStringLiteral("Recettes-ERREURS-3.don"))));
    }

    void cheminErreurs_nomsDerives()
    {
        QTemporaryDir dossier;
        const QString base = dossier.filePath(QStringLiteral("Zuta2005.don"));
        QCOMPARE(RoutinesBases::cheminErreurs(base), dossier.filePath(QStringLiteral("Zuta2005-ERREURS.don")));
        QCOMPARE(RoutinesBases::cheminErreurs(dossier.filePath(QStringLiteral("sans"))),
                 dossier.filePath(QStringLiteral("sans-ERREURS.don")));
    }
};

QTEST_MAIN(TestBases)
#include "tst_bases.moc"
