// Older bases met at start-up or by "Charger": the kept file, the report, the
// corrected base written under its own name, and the window around them.
#include "Banc.h"
#include "base/Tables.h"
#include <QFileInfo>
#include <QPushButton>

namespace {
using R = Plateforme::Reponse;

// Desserts says 5 recipes while 3 carry it; the magazine counter is wrong too.
QByteArray corpsAncien()
{
    return " 1 \r\nDesserts\r\n 5 \r\n 1 \r\nTartes\r\n 3 \r\n 1 \r\nCuisine\r\n 9 \r\n 3 \r\n"
           "\"81\"\r\n1\r\n\"12\"\r\n1\r\n\"\"\r\n1\r\n\"Tarte aux pommes\"\r\n1\r\n"
           "\"82\"\r\n1\r\n\"3\"\r\n1\r\n\"beurre, sucre\"\r\n1\r\n\"Tarte fine\"\r\n0\r\n"
           "\"83\"\r\n1\r\n\"40\"\r\n1\r\n\"\"\r\n1\r\n\"Tartelette\"\r\n1\r\n";
}

// What the conversion writes: the current header, the counter corrected.
QByteArray corrigee()
{
    return "-1 \r\nv1.2b\r\n" + corpsAncien().replace("Desserts\r\n 5 ", "Desserts\r\n 3 ");
}

} // namespace

class TestConversionFenetre : public QObject {
    Q_OBJECT
private slots:
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
        QCOMPARE(b.lire(u("Recettes.don")), corrigee());
        const QByteArray rapport = b.lire(u("Conversion.txt"));
        QVERIFY(rapport.startsWith("Zuta! v1.2b - RAPPORT DE CONVERSION\r\n"
                                   "Analyse et correction de base Zuta! anterieure \xe0 v1.2\r\nBase : "
                                   + b.chemin(u("Recettes.don")).toUtf8() + "\r\n"));
        QVERIFY(rapport.contains("L'ancienne base Zuta! porte la nom : "
                                 + b.chemin(u("Recettes-OLD.don")).toUtf8() + "\r\n"));
        QVERIFY(rapport.contains("Desserts -> renseign\xe9" "es :  5  -  compt\xe9" "es :  3  -  Corrig\xe9\r\n"));
        QVERIFY(rapport.endsWith("NB ERREURS TOTALES TROUVEES :  1\r\nERREURS CORRIGEES OK\r\n"));

        QCOMPARE(b.p().base.CatNbRecett(1), 3);
        QCOMPARE(b.p().base.MagNbRecett(1), 9);
        QCOMPARE(b.p().etat.CheminBase, b.chemin(u("Recettes.don")));
        QVERIFY(!b.p().etat.BaseLueAvecErreurs);
        QCOMPARE(titresProgression(b.p()),
                 (QStringList{u("Zuta! / Chargement base / Lecture des données en cours..."),
                              u("Zuta! / Conversion base / Analyse des données en cours..."),
                              u("Zuta! / Enregistrement base / Sauvegarde des données en cours...")}));
        QVERIFY(f.isVisible() && f.isEnabled());
        QCOMPARE(f.windowTitle(), u("Zuta! v1.2b   (base : Recettes.don)"));
    }

    void ancienneParCharger_convertieEtFenetreMontree()
    {
        Banc b;
        b.reglages();
        FrmPrincipal& f = b.demarrer();
        b.ecrireOctets(u("Vieille.don"), corpsAncien());
        b.plateforme.reponses << R::Non;
        b.plateforme.fichiers << b.chemin(u("Vieille.don"));
        f.CommandCharger->click();
        QVERIFY(f.isVisible());
        QCOMPARE(b.lire(u("Vieille.don")), corrigee());
        QCOMPARE(b.lire(u("Vieille-OLD.don")), corpsAncien());
    }

    // When the older file cannot be kept, nothing is converted and the
    // original stays exactly as it was.
    void gardeImpossible_originalIntact()
    {
        Banc b;
        QVERIFY(QDir(b.dossier()).mkdir(u("Recettes-OLD.don")));
        FrmPrincipal& f = b.demarrerSurFichier(corpsAncien());
        QCOMPARE(b.plateforme.boites.size(), 2);
        QCOMPARE(b.plateforme.boites.at(0).titre, u("Erreur !"));
        QVERIFY(b.plateforme.boites.at(0).texte.contains(nomAffiche(b.chemin(u("Recettes-OLD.don")))));
        QVERIFY(b.plateforme.boites.at(1).texte.contains(u("elle n'est donc pas convertie")));
        QCOMPARE(b.lire(u("Recettes.don")), corpsAncien());
        QVERIFY(!QFileInfo::exists(b.chemin(u("Conversion.txt"))));
        QVERIFY(b.p().etat.BaseIlisible);
        QCOMPARE(b.p().base.NbRecett, 0);
        QVERIFY(f.isVisible());
    }
};

QTEST_MAIN(TestConversionFenetre)
#include "tst_conversion_fenetre.moc"
