// Loading, saving and creating bases through the real window, with scripted
// answers and file names.
#include "Banc.h"
#include "app/Bases.h"
#include <QFileInfo>

namespace {
using R = Plateforme::Reponse;
const QString QuestionSauvegarde =
    u("Confirmation de sauvegarde | Enregistrer les modifications\ndans la base de données ?");
const QString Recettes = u("Recettes.don");
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

    // No to the save question, then no file chosen: nothing changes. Then
    // Yes: the base is saved and the other one opened.
    void charger_nonPuisAnnulerLaisseTout_ouiSauveEtOuvreLAutreBase()
    {
        Banc b;
        FrmPrincipal& f = b.demarrerSurFichier(baseUneRecette());
        const QByteArray reglages = b.lire(u("Zuta.ini"));
        b.plateforme.reponses << R::Non;
        b.plateforme.fichiers << std::nullopt;
        f.CommandCharger->click();
        QCOMPARE(b.boites(), QStringList{QuestionSauvegarde});
        QCOMPARE(b.plateforme.dialogues.size(), 1);
        const auto& d = b.plateforme.dialogues.first();
        QCOMPARE(QStringList({d.titre, d.dossierInitial, d.filtre, d.extensionDefaut}),
                 QStringList({u("Charger une base de données Zuta!"), b.dossier(), u("Bases Zuta! (*.don) | *.don"),
                              u("*.don")}));
        QCOMPARE(b.lire(Recettes), baseUneRecette());
        QCOMPARE(b.lire(u("Zuta.ini")), reglages);
        QCOMPARE(b.p().etat.CheminBase, b.chemin(Recettes));
        QCOMPARE(b.p().base.NbRecett, 1);

        b.ecrireOctets(u("Autre.don"), baseUneRecette().replace("Desserts", "Entremets"));
        b.p().base.NbCat = b.p().base.NbMag = b.p().base.NbRecett = 0; // a change to save
        b.plateforme.reponses << R::Oui;
        b.plateforme.fichiers << b.chemin(u("Autre.don"));
        b.p().bases.progressions.clear();
        f.CommandCharger->click();
        QCOMPARE(b.boites(), QStringList{QuestionSauvegarde});
        QCOMPARE(b.lire(Recettes), BaseVide);
        QCOMPARE(b.lignesReglages().value(4), b.chemin(u("Autre.don")));
        QCOMPARE(b.p().base.Cat(1), u("Entremets"));
        QCOMPARE(f.windowTitle(), u("Zuta! v1.2b   (base : Autre.don)"));
        QCOMPARE(titresProgression(b.p()),
                 (QStringList{u("Zuta! / Enregistrement base / Sauvegarde des données en cours..."),
                              u("Zuta! / Chargement base / Lecture des données en cours...")}));
        QVERIFY(f.isVisible() && f.isEnabled());
        // Centred on the main window.
        QVERIFY((b.p().bases.progressions.first().cadre.center() - f.frameGeometry().center()).manhattanLength() <= 4);
    }

    // A name already taken: No to overwriting it leaves that file and the
    // base alone. Then a new name: an empty base under it, in the settings
    // with the window's place.
    void nouvelle_refusSurFichierExistant_puisBaseVideAvecSonTitre()
    {
        Banc b;
        FrmPrincipal& f = b.demarrerSurFichier(baseUneRecette());
        b.ecrireOctets(u("Autre.don"), "ne pas toucher");
        b.plateforme.reponses << R::Non << R::Non;
        b.plateforme.fichiers << b.chemin(u("Autre.don"));
        f.CommandNouvelle->click();
        QCOMPARE(b.plateforme.boites.size(), 2);
        const auto ecraser = b.plateforme.boites.at(1);
        QCOMPARE(ecraser.titre + u(" | ") + ecraser.texte,
                 u("Cette nouvelle base existe déjà ! | Ecraser ?\r\n") + b.chemin(u("Autre.don")));
        QCOMPARE(ecraser.icone, Plateforme::Icone::Exclamation);
        QCOMPARE(ecraser.boutons, Plateforme::Boutons::OuiNon);
        QCOMPARE(b.plateforme.dialogues.first().titre, u("Créer une nouvelle base de données Zuta!"));
        QCOMPARE(b.lire(u("Autre.don")), QByteArray("ne pas toucher"));
        QCOMPARE(b.p().etat.CheminBase, b.chemin(Recettes));
        QCOMPARE(b.p().base.NbRecett, 1);

        b.boites();
        f.move(300, 200);
        b.plateforme.reponses << R::Non;
        b.plateforme.fichiers << b.chemin(u("Neuve.don"));
        f.CommandNouvelle->click();
        QCOMPARE(b.boites(), QStringList{QuestionSauvegarde});
        QCOMPARE(b.lire(u("Neuve.don")), BaseVide);
        QCOMPARE(b.lire(Recettes), baseUneRecette());
        QCOMPARE(f.windowTitle(), u("Zuta! v1.2b   (base : Neuve.don)"));
        QCOMPARE(b.p().base.NbCat + b.p().base.NbMag + b.p().base.NbRecett, 0);
        const QStringList ini = b.lignesReglages();
        QCOMPARE(ini.value(4), b.chemin(u("Neuve.don")));
        // The window's place, in twips, as it stood.
        QCOMPARE(ini.value(2), u(" %1 ").arg(qRound(f.pos().y() * 1440.0 / f.logicalDpiY())));
        QCOMPARE(ini.value(3), u(" %1 ").arg(qRound(f.pos().x() * 1440.0 / f.logicalDpiX())));
        QVERIFY(f.isVisible());
    }

    // A folder, garbage, or an older layout that does not hold together: the
    // file is left as it is and not written over by the next save.
    void baseIlisible_laisseeIntacte_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("explication");
        const QString pasUnNombre = u("n'est pas une base Zuta! : sa première valeur n'est pas un nombre.");
        QTest::newRow("dossier") << QByteArray() << u("désigne un dossier, pas un fichier de base.");
        QTest::newRow("texte") << QByteArray("Liste de courses\r\nbeurre, sucre\r\n") << pasUnNombre;
        QTest::newRow("vide") << QByteArray("") << pasUnNombre;
        QTest::newRow("ancienne rompue")
            << QByteArray(" 3 \r\nDesserts\r\n 2 \r\n")
            << u("n'est pas une base Zuta! lisible : nombre de sous-catégories illisible à la ligne 4.");
        QTest::newRow("binaire") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << pasUnNombre;
    }
    void baseIlisible_laisseeIntacte()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, explication);
        Banc b;
        const QString nom = u("Illisible.don");
        const bool dossier = QTest::currentDataTag() == QByteArray("dossier");
        if (dossier)
            QVERIFY(QDir(b.dossier()).mkdir(nom));
        else
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
        if (dossier) {
            QVERIFY(QFileInfo(b.chemin(nom)).isDir());
            return;
        }
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
};

QTEST_MAIN(TestBases)
#include "tst_bases.moc"
