#include "app/Reglages.h"
#include "platform/PlateformeScriptee.h"
#include "platform/PolitiqueErreurs.h"
#include <QTest>

class TstReglages : public QObject {
    Q_OBJECT
private slots:
    void ecrire_cinqLignesStyleImpression()
    {
        const Reglages::Valeurs v{1, 0, 1500, -300, QStringLiteral("/home/a/Mes, recettes.don")};
        QCOMPARE(Reglages::ecrire(v), QStringLiteral(" 1 \r\n 0 \r\n 1500 \r\n-300 \r\n/home/a/Mes, recettes.don\r\n"));
    }

    void lire_nombresAvecOuSansBlancsEtCheminEntier()
    {
        PlateformeScriptee p;
        PolitiqueErreurs politique(p);
        Reglages::Valeurs v;
        Reglages::lire(QStringLiteral("1\r\n 0 \r\n  1500\r\n15 \r\n  C:\\Zuta\\Base, 2005.don\r\n"), v, politique);
        QCOMPARE(v.OptionNotes, 1);
        QCOMPARE(v.OptionInfoBulles, 0.0f);
        QCOMPARE(v.FenHaut, 1500.0f);
        QCOMPARE(v.FenGauche, 15.0f);
        QCOMPARE(v.CheminBase, QStringLiteral("C:\\Zuta\\Base, 2005.don"));
        QVERIFY(p.boites.isEmpty());
    }

    void ligneIllisible_uneBoiteEtLesAutresLignesLues()
    {
        PlateformeScriptee p;
        PolitiqueErreurs politique(p);
        Reglages::Valeurs v;
        v.OptionInfoBulles = 1;
        Reglages::lire(QStringLiteral(" 1 \r\noui\r\n 90 \r\n 45 \r\n*\r\n"), v, politique);
        QCOMPARE(p.boites.size(), 1);
        QCOMPARE(p.boites[0].texte, QStringLiteral("Incompatibilité de type"));
        QCOMPARE(v.OptionInfoBulles, 1.0f);
        QCOMPARE(v.FenHaut, 90.0f);
        QCOMPARE(v.CheminBase, QStringLiteral("*"));
    }

    void twipsEtPixels_quinzeParPixelA96Dpi()
    {
        QCOMPARE(Reglages::twipsVersPixels(1500, 96), 100);
        QCOMPARE(Reglages::pixelsVersTwips(100, 96), 1500.0);
        QCOMPARE(Reglages::twipsVersPixels(1500, 144), 150);
    }
};

QTEST_GUILESS_MAIN(TstReglages)
#include "tst_reglages.moc"
