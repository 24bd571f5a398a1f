// The settings file, written and read, and the error policy that reads it:
// each value a step, Retry running a failed step again.
#include "Outils.h"
#include "app/Reglages.h"
#include "platform/PlateformeScriptee.h"
#include "platform/PolitiqueErreurs.h"

class TstReglages : public QObject {
    Q_OBJECT
private slots:
    void ecrire_cinqLignesStyleImpression()
    {
        const Reglages::Valeurs v{1, 0, 1500, -300, u("/home/a/Mes, recettes.don")};
        QCOMPARE(Reglages::ecrire(v), u(" 1 \r\n 0 \r\n 1500 \r\n-300 \r\n/home/a/Mes, recettes.don\r\n"));
    }

    void lire_nombresAvecOuSansBlancsEtCheminEntier()
    {
        PlateformeScriptee p;
        PolitiqueErreurs politique(p);
        Reglages::Valeurs v;
        Reglages::lire(u("1\r\n 0 \r\n  1500\r\n15 \r\n  C:\\Zuta\\Base, 2005.don\r\n"), v, politique);
        QCOMPARE(QList<float>({float(v.OptionNotes), v.OptionInfoBulles, v.FenHaut, v.FenGauche}),
                 QList<float>({1, 0, 1500, 15}));
        QCOMPARE(v.CheminBase, u("C:\\Zuta\\Base, 2005.don"));
        QVERIFY(p.boites.isEmpty());
    }

    void ligneIllisible_uneBoiteEtLesAutresLignesLues()
    {
        PlateformeScriptee p;
        PolitiqueErreurs politique(p);
        Reglages::Valeurs v;
        v.OptionInfoBulles = 1;
        Reglages::lire(u(" 1 \r\noui\r\n 90 \r\n 45 \r\n*\r\n"), v, politique);
        QCOMPARE(p.boites.size(), 1);
        QCOMPARE(p.boites[0].texte, u("Incompatibilité de type"));
        QCOMPARE(QList<float>({v.OptionInfoBulles, v.FenHaut}), QList<float>({1, 90}));
        QCOMPARE(v.CheminBase, u("*"));
    }

    void twipsEtPixels_quinzeParPixelA96Dpi()
    {
        QCOMPARE(Reglages::twipsVersPixels(1500, 96), 100);
        QCOMPARE(Reglages::pixelsVersTwips(100, 96), 1500.0);
        QCOMPARE(Reglages::twipsVersPixels(1500, 144), 150);
    }

    void reessayerPuisReussite_relanceLEtape()
    {
        PlateformeScriptee p;
        PolitiqueErreurs politique(p);
        int appels = 0;
        QVERIFY(politique.etape([&] { ++appels; })); // a step that succeeds asks nothing
        QVERIFY(p.boites.isEmpty());
        p.reponses.enqueue(Plateforme::Reponse::Reessayer);
        appels = 0;
        QVERIFY(politique.etape([&] {
            if (++appels == 1)
                throw ErreurExecution(Erreurs::FichierIntrouvable);
        }));
        QCOMPARE(appels, 2);
        QCOMPARE(p.boites.size(), 1);
        QCOMPARE(p.boites[0].titre + " | " + p.boites[0].texte, u("Erreur ! | Fichier introuvable"));
        QCOMPARE(p.boites[0].boutons, Plateforme::Boutons::ReessayerAnnuler);
        QCOMPARE(p.boites[0].icone, Plateforme::Icone::Exclamation);
    }
};

QTEST_GUILESS_MAIN(TstReglages)
#include "tst_reglages.moc"
