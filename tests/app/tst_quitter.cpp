// Ending the program: "Quitter" and the close box, the save question, the
// settings written on every ending, the position of the normal window.
#include "Banc.h"
#include "app/Reglages.h"

namespace {
using R = Plateforme::Reponse;

QString twips(int pixels, double dpi)
{
    return u(" %1 ").arg(Reglages::pixelsVersTwips(pixels, dpi));
}

// Starts the program on a one-recipe base; the end of the process is
// replaced by a counter.
struct Quitter {
    Banc b;
    int fins = 0;
    Quitter()
    {
        b.ecrireOctets(u("Recettes.don"), baseUneRecette());
        b.reglages(b.chemin(u("Recettes.don")), 1, 1);
        b.demarrer();
        b.p().bases.finProgramme = [this] { ++fins; };
    }
};
} // namespace

class TestQuitter : public QObject {
    Q_OBJECT
private slots:
    void boutonOuCaseDeFermeture_memeSequence_data()
    {
        QTest::addColumn<bool>("parBouton");
        QTest::newRow("Quitter") << true;
        QTest::newRow("case de fermeture") << false;
    }
    void boutonOuCaseDeFermeture_memeSequence()
    {
        QFETCH(bool, parBouton);
        Quitter q;
        FrmPrincipal& f = q.b.fen();
        f.move(120, 80);
        q.b.p().base.RecettTexte(1, 3) = u("Tarte aux poires");
        q.b.plateforme.reponses << R::Oui;
        if (parBouton)
            f.CommandQuitter->click();
        else
            f.close();
        QCOMPARE(q.fins, 1);
        QVERIFY(!f.isVisible());
        QCOMPARE(q.b.boites(),
                 QStringList{u("Confirmation de sauvegarde | Enregistrer les modifications\ndans la base de données ?")});
        QVERIFY(q.b.lire(u("Recettes.don")).contains("\"Tarte aux poires\""));
        QCOMPARE(q.b.p().etat.FermetureEnCours, 1);

        // The progress window stood in the middle of the rectangle the
        // window left.
        QCOMPARE(titresProgression(q.b.p()).last(), u("Zuta! / Enregistrement base / Sauvegarde des données en cours..."));
        QVERIFY((f.frameGeometry().center() - q.b.p().bases.progressions.last().cadre.center()).manhattanLength() <= 4);

        const QStringList ini = q.b.lignesReglages();
        QCOMPARE(ini.value(0), u(" 1 "));
        QCOMPARE(ini.value(2), twips(f.pos().y(), f.logicalDpiY()));
        QCOMPARE(ini.value(3), twips(f.pos().x(), f.logicalDpiX()));
        QCOMPARE(ini.value(4), q.b.chemin(u("Recettes.don")));
    }

    // No: the base stays as it was, the settings are written all the same;
    // a second closing runs nothing again.
    void non_baseIntacteEtReglagesEcrits_uneSeuleFois()
    {
        Quitter q;
        QFile::remove(q.b.chemin(u("Zuta.ini")));
        q.b.p().base.NbRecett = 0;
        q.b.plateforme.reponses << R::Non;
        q.b.fen().CommandQuitter->click();
        q.b.fen().close();
        QCOMPARE(q.fins, 1);
        QCOMPARE(q.b.lire(u("Recettes.don")), baseUneRecette());
        QCOMPARE(q.b.lignesReglages().value(4), q.b.chemin(u("Recettes.don")));
        QCOMPARE(q.b.plateforme.boites.size(), 1);
        QCOMPARE(q.b.p().bases.progressions.size(), 1); // the loading at start-up only
    }

    void maximisee_positionDeLaFenetreNormale()
    {
        Quitter q;
        FrmPrincipal& f = q.b.fen();
        f.move(140, 60);
        const QPoint normale = f.pos();
        const QSize taille = f.frameGeometry().size();
        f.showMaximized();
        QVERIFY(f.isMaximized());
        // The platform takes the new geometry through its events.
        QTRY_VERIFY(f.frameGeometry().size() != taille);
        q.b.plateforme.reponses << R::Non;
        f.CommandQuitter->click();
        QCOMPARE(q.fins, 1);
        const QStringList ini = q.b.lignesReglages();
        QCOMPARE(ini.value(2), twips(normale.y(), f.logicalDpiY()));
        QCOMPARE(ini.value(3), twips(normale.x(), f.logicalDpiX()));
        QCOMPARE(q.b.p().etat.FenHauteur, int(Reglages::pixelsVersTwips(taille.height(), f.logicalDpiY())));
        QCOMPARE(q.b.p().etat.FenLargeur, int(Reglages::pixelsVersTwips(taille.width(), f.logicalDpiX())));
    }
};

QTEST_MAIN(TestQuitter)
#include "tst_quitter.moc"
