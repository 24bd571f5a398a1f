// The main window on the screen it opens on (this test runs on a screen of 1920 x 1080, on one of 1024 x 600, and
// on one of 1600 x 1000 with large fonts): wholly inside its available area with every control reachable, where
// the settings put it when it fits there, moved otherwise (a second screen no longer there), shrunk when the screen
// is small; its size and maximised state kept for the next start in the view settings file.
#include "Banc.h"
#include <QScreen>

class TestEcran : public QObject {
    Q_OBJECT
private slots:
    void fenetre_dansLEcranEtSaTailleGardee_data()
    {
        QTest::addColumn<QPoint>("place"); // left and top in pixels from "Zuta.ini"; (-1, -1): no settings yet
        QTest::addColumn<QSize>("taille"); // as the view settings file remembers it; empty: none
        QTest::addColumn<bool>("agrandie");
        QTest::newRow("premier démarrage") << QPoint(-1, -1) << QSize() << false;
        QTest::newRow("place qui tient") << QPoint(10, 20) << QSize(1000, 520) << false;
        QTest::newRow("second écran disparu, grande taille") << QPoint(2500, 300) << QSize(1500, 1050) << false;
        QTest::newRow("agrandie") << QPoint(10, 20) << QSize(850, 500) << true;
    }

    void fenetre_dansLEcranEtSaTailleGardee()
    {
        QFETCH(QPoint, place);
        QFETCH(QSize, taille);
        QFETCH(bool, agrandie);
        Banc b;
        if (place.x() >= 0)
            b.ecrire(u("Zuta.ini"), u(" 0 \r\n 1 \r\n %1 \r\n %2 \r\n*\r\n").arg(place.y() * 15).arg(place.x() * 15));
        if (taille.isValid())
            b.ecrire(u("Zuta-Vue.ini"),
                     u("[Fenetre]\r\ncadre=@Rect(0 0 %1 %2)\r\nagrandie=%3\r\n")
                         .arg(taille.width())
                         .arg(taille.height())
                         .arg(agrandie ? u("true") : u("false")));
        Fenetre& f = b.demarrer();
        QVERIFY(QTest::qWaitForWindowExposed(f.fen));
        QTRY_COMPARE(f.fen->isMaximized(), agrandie);
        const QRect zone = f.fen->screen()->availableGeometry();
        QVERIFY2(zone.contains(f.fen->frameGeometry()),
                 qPrintable(u("%1,%2 %3x%4")
                                .arg(f.fen->frameGeometry().x())
                                .arg(f.fen->frameGeometry().y())
                                .arg(f.fen->width())
                                .arg(f.fen->height())));
        if (place.x() >= 0 && !agrandie && zone.contains(QRect(place, f.fen->frameGeometry().size())))
            QCOMPARE(f.fen->pos(), place);
        if (taille.isValid() && !agrandie && zone.contains(QRect(zone.topLeft(), taille + QSize(0, 40))))
            QCOMPARE(f.fen->size(), taille);
        for (QWidget* w : QList<QWidget*>{f.ListRecettes, f.LabelNbRecettList, f.TextRecettComment, f.CommandRecettImpr,
                                          f.CheckSaisie, f.CommandQuitter, f.CommandRechValider}) {
            const QRect r(w->mapTo(f.fen, QPoint()), w->size());
            QVERIFY2(w->isVisible() && f.fen->rect().contains(r) && r.height() >= w->minimumSizeHint().height() - 1,
                     qPrintable(w->objectName()));
        }
        // Kept for the next start: the normal size, and whether it was maximised.
        const QSize normale = agrandie ? f.fen->normalGeometry().size() : f.fen->size();
        b.plateforme.reponses << Plateforme::Reponse::Non;
        f.fen->close();
        const QString vue = QString::fromUtf8(b.lire(u("Zuta-Vue.ini")));
        QVERIFY2(vue.contains(u("agrandie=%1").arg(agrandie ? u("true") : u("false"))), qPrintable(vue));
        QVERIFY2(vue.contains(u("%1 %2)").arg(normale.width()).arg(normale.height())), qPrintable(vue));
    }
};

QTEST_MAIN(TestEcran)
#include "tst_ecran.moc"
