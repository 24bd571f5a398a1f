// Ending the program: "Quitter" and the close box, the save question, the
// settings written on every ending, the position of the normal window.
#include "Banc.h"
#include "app/Reglages.h"
#include <QPushButton>

namespace {
using R = Plateforme::Reponse;

const QByteArray BaseUneRecette =
    "-1 \r\nv1.2b\r\n 1 \r\nDesserts\r\n 1 \r\n 1 \r\nTartes\r\n 1 \r\n 1 \r\nCuisine\r\n 1 \r\n 1 \r\n"
    "\"81\"\r\n1\r\n\"12\"\r\n1\r\n\"\"\r\n1\r\n\"Tarte aux pommes\"\r\n1\r\n";

QStringList lignesReglages(const Banc& b)
{
    return QString::fromLatin1(b.lire(QStringLiteral("Zuta.ini"))).split(QStringLiteral("\r\n"));
}

QString twips(int pixels, double dpi)
{
    return QStringLiteral(" %1 ").arg(Reglages::pixelsVersTwips(pixels, dpi));
}

// Starts the program on a one-recipe base; the end of the process is
// replaced by a counter.
struct Quitter {
    Banc b;
    int fins = 0;
    Quitter()
    {
        b.ecrireOctets(QStringLiteral("Recettes.don"), BaseUneRecette);
        b.reglages(b.chemin(QStringLiteral("Recettes.don")), 1, 1);
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
        q.b.p().base.RecettTexte(1, 3) = QStringLiteral("Tarte aux poires");
        q.b.plateforme.reponses << R::Oui;
        if (parBouton)
            f.CommandQuitter->click();
        else
            f.close();
        QCOMPARE(q.fins, 1);
        QVERIFY(!f.isVisible());
        QCOMPARE(q.b.boites(), QStringList{QStringLiteral(
                                   "Confirmation de sauvegarde | Enregistrer les modifications\ndans la base de "
                                   "données ?")});
        QVERIFY(q.b.lire(QStringLiteral("Recettes.don")).contains("\"Tarte aux poires\""));
        QCOMPARE(q.b.p().etat.FermetureEnCours, 1);

        // The progress window stood in the middle of the rectangle the
        // window left.
        const auto& progressions = q.b.p().bases.progressions;
        QCOMPARE(progressions.last().titre, QStringLiteral("Zuta! / Enregistrement base"));
        QCOMPARE(progressions.last().texte, QStringLiteral("Sauvegarde des données en cours..."));
        const QPoint centreFenetre = f.frameGeometry().center();
        const QPoint centreProgression = progressions.last().cadre.center();
        QVERIFY2((centreFenetre - centreProgression).manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1,%2 / %3,%4")
                                .arg(centreFenetre.x()).arg(centreFenetre.y())
                                .arg(centreProgression.x()).arg(centreProgression.y())));

        const QStringList ini = lignesReglages(q.b);
        QCOMPARE(ini.value(0), QStringLiteral(" 1 "));
        QCOMPARE(ini.value(2), twips(f.pos().y(), f.logicalDpiY()));
        QCOMPARE(ini.value(3), twips(f.pos().x(), f.logicalDpiX()));
        QCOMPARE(ini.value(4), q.b.chemin(QStringLiteral("Recettes.don")));
    }

    void non_baseIntacteEtReglagesEcrits()
    {
        Quitter q;
        QFile::remove(q.b.chemin(QStringLiteral("Zuta.ini")));
        q.b.p().base.NbRecett = 0;
        q.b.plateforme.reponses << R::Non;
        q.b.fen().CommandQuitter->click();
        QCOMPARE(q.fins, 1);
        QCOMPARE(q.b.lire(QStringLiteral("Recettes.don")), BaseUneRecette);
        QCOMPARE(lignesReglages(q.b).value(4), q.b.chemin(QStringLiteral("Recettes.don")));
        QCOMPARE(q.b.plateforme.boites.size(), 1);
        QVERIFY(q.b.p().bases.progressions.size() == 1); // the loading at start-up only
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
        const QStringList ini = lignesReglages(q.b);
        QCOMPARE(ini.value(2), twips(normale.y(), f.logicalDpiY()));
        QCOMPARE(ini.value(3), twips(normale.x(), f.logicalDpiX()));
        QCOMPARE(q.b.p().etat.FenHauteur, int(Reglages::pixelsVersTwips(taille.height(), f.logicalDpiY())));
        QCOMPARE(q.b.p().etat.FenLargeur, int(Reglages::pixelsVersTwips(taille.width(), f.logicalDpiX())));
    }

    void fermetureRepetee_uneSeuleSequence()
    {
        Quitter q;
        q.b.plateforme.reponses << R::Non;
        q.b.fen().close();
        q.b.fen().close();
        QCOMPARE(q.fins, 1);
        QCOMPARE(q.b.plateforme.boites.size(), 1);
    }
};

QTEST_MAIN(TestQuitter)
#include "tst_quitter.moc"
