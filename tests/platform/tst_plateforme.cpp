// The desktop seen through the platform layer: Qt's message boxes with their
// answers, and the desktop's "open" with the failures it reports.
#include "Outils.h"
#include "platform/OuvertureBureau.h"
#include "platform/PlateformeQt.h"
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using R = Plateforme::Reponse;
using B = Plateforme::Boutons;

class TestPlateforme : public QObject {
    Q_OBJECT
private slots:
    // The real box: Escape and the close button tell "closed without an
    // answer" from the answers, for a question and for the error box.
    void boiteReelle_fermeeSansReponse_data()
    {
        QTest::addColumn<Plateforme::Boutons>("boutons");
        QTest::addColumn<QMessageBox::StandardButton>(
            "geste"); // the button clicked; NoButton: Escape; Close: the close box
        QTest::addColumn<Plateforme::Reponse>("reponse");
        QTest::newRow("question, Échap") << B::OuiNon << QMessageBox::NoButton << R::Fermee;
        QTest::newRow("question, case de fermeture") << B::OuiNon << QMessageBox::Close << R::Fermee;
        QTest::newRow("question, Non") << B::OuiNon << QMessageBox::No << R::Non;
        QTest::newRow("question, Oui") << B::OuiNon << QMessageBox::Yes << R::Oui;
        QTest::newRow("erreur, Échap") << B::ReessayerAnnuler << QMessageBox::NoButton << R::Fermee;
        QTest::newRow("erreur, case de fermeture") << B::ReessayerAnnuler << QMessageBox::Close << R::Fermee;
        QTest::newRow("erreur, Annuler") << B::ReessayerAnnuler << QMessageBox::Cancel << R::Annuler;
    }

    void boiteReelle_fermeeSansReponse()
    {
        QFETCH(Plateforme::Boutons, boutons);
        QFETCH(QMessageBox::StandardButton, geste);
        QFETCH(Plateforme::Reponse, reponse);
        PlateformeQt qt;
        QTimer::singleShot(0, [&] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(boite);
            if (geste == QMessageBox::NoButton)
                QTest::keyClick(boite, Qt::Key_Escape);
            else if (geste == QMessageBox::Close)
                boite->close();
            else
                boite->button(geste)->click();
            // A box the gesture left open is answered, rather than waited on for ever.
            QTimer::singleShot(0, boite, [boite, boutons] {
                if (boite->isVisible())
                    boite->button(boutons == B::OuiNon ? QMessageBox::Yes : QMessageBox::Retry)->click();
            });
        });
        QCOMPARE(qt.message(u("Confirmation de sauvegarde"), u("Enregistrer ?"), boutons, Plateforme::Icone::Question),
                 reponse);
    }

    // The desktop's "open" reports an opener that fails or is missing, and
    // only those; the target reaches the opener unchanged.
    void ouverture_echecSignale_data()
    {
        QTest::addColumn<int>("statut"); // -1: no xdg-open at all
        QTest::newRow("ouvreur en échec") << 3;
        QTest::newRow("aucun ouvreur") << -1;
        QTest::newRow("ouvreur qui réussit") << 0;
    }

    void ouverture_echecSignale()
    {
        QFETCH(int, statut);
        QTemporaryDir dossier;
        if (statut >= 0) {
            // An xdg-open of our own, alone on PATH, that writes its argument down.
            QFile f(dossier.filePath(u("xdg-open")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\nprintf '%s' \"$1\" > \"${0%/*}/ouvert\"\nexit " + QByteArray::number(statut) + "\n");
            QVERIFY(f.setPermissions(f.permissions() | QFileDevice::ExeOwner));
        }
        const QByteArray chemin = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dossier.path()));
        QObject contexte;
        int echecs = 0;
        const QString cible = dossier.filePath(u("Index à lire.txt"));
        OuvertureBureau::ouvrir(QUrl::fromLocalFile(cible), &contexte, [&] { ++echecs; });
        qputenv("PATH", chemin);
        // The watch ends once the opener has ended: what was reported is all there is.
        QTRY_VERIFY(contexte.findChildren<QTimer*>().isEmpty());
        QCOMPARE(echecs, statut == 0 ? 0 : 1);
        QFile ouvert(dossier.filePath(u("ouvert")));
        QCOMPARE(QFile::decodeName(ouvert.open(QIODevice::ReadOnly) ? ouvert.readAll() : ""),
                 statut < 0 ? QString() : cible);
    }
};

QTEST_MAIN(TestPlateforme)
#include "tst_plateforme.moc"
