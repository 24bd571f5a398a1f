// The platform layer: Qt's message boxes with their answers, the error policy, the desktop's "open" and its failures.
#include "Banc.h"
#include "platform/OuvertureBureau.h"
#include "platform/PlateformeQt.h"
#include "platform/PolitiqueErreurs.h"
#include <QMessageBox>

using R = Plateforme::Reponse;
using B = Plateforme::Boutons;

class TestPlateforme : public QObject {
    Q_OBJECT
private slots:
    // The real box: Escape and the close button tell "closed without an answer" from the answers.
    void boiteReelle_fermeeSansReponse_data()
    {
        QTest::addColumn<Plateforme::Boutons>("boutons");
        QTest::addColumn<QMessageBox::StandardButton>("geste"); // NoButton: Escape; Close: the close box
        QTest::addColumn<Plateforme::Reponse>("reponse");
        QTest::newRow("question, Échap") << B::OuiNon << QMessageBox::NoButton << R::Fermee;
        QTest::newRow("question, Non") << B::OuiNon << QMessageBox::No << R::Non;
        QTest::newRow("question, Oui") << B::OuiNon << QMessageBox::Yes << R::Oui;
        QTest::newRow("erreur, Échap") << B::ReessayerAnnuler << QMessageBox::NoButton << R::Fermee;
        QTest::newRow("erreur, case de fermeture") << B::ReessayerAnnuler << QMessageBox::Close << R::Fermee;
        QTest::newRow("erreur, Annuler") << B::ReessayerAnnuler << QMessageBox::Cancel << R::Annuler;
        QTest::newRow("erreur, Réessayer") << B::ReessayerAnnuler << QMessageBox::Retry << R::Reessayer;
    }

    void boiteReelle_fermeeSansReponse()
    {
        QFETCH(Plateforme::Boutons, boutons);
        QFETCH(QMessageBox::StandardButton, geste);
        QFETCH(Plateforme::Reponse, reponse);
        PlateformeQt qt;
        QTimer::singleShot(0, [&] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (geste == QMessageBox::NoButton)
                QTest::keyClick(boite, Qt::Key_Escape);
            else if (geste == QMessageBox::Close)
                boite->close();
            else
                boite->button(geste)->click();
        });
        QCOMPARE(qt.message(u("Confirmation"), u("Enregistrer ?"), boutons, Plateforme::Icone::Question), reponse);
    }

    // A failing step: Retry runs it again (here it then succeeds), Cancel goes on without it.
    void politiqueErreurs_reessayerRelanceAnnulerPasse()
    {
        Banc b;
        b.plateforme.reponses << R::Reessayer << R::Annuler;
        PolitiqueErreurs politique(b.plateforme);
        int essais = 0;
        const auto etape = [&] {
            if (++essais != 2) // fails at its first run and from its third
                throw ErreurExecution(Erreurs::DisquePlein);
        };
        QVERIFY(politique.etape(etape));
        const PlateformeScriptee::Boite boite = b.plateforme.boites.value(0);
        QVERIFY(boite.boutons == B::ReessayerAnnuler && boite.icone == Plateforme::Icone::Exclamation);
        QCOMPARE(b.boites(), QStringList{u("Erreur ! | Disque plein")});
        QVERIFY(!politique.etape(etape));
        QCOMPARE(essais, 3);
    }

    // "open" reports an opener missing or failing (once it has ended), and only that; the target reaches it intact.
    void ouverture_echecSignale()
    {
        Banc b;
        const QString cible = b.chemin(u("Index à lire.txt"));
        for (const int statut : {-1, 0, 3}) { // -1: no xdg-open; then ours, alone on PATH, writes its argument down
            if (statut >= 0) {
                b.ecrireOctets(u("xdg-open"),
                               "#!/bin/sh\nprintf %s \"$1\" >\"${0%/*}/ouvert\"\nexit " + QByteArray::number(statut));
                QVERIFY(QFile::setPermissions(b.chemin(u("xdg-open")), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            }
            const QByteArray chemin = qgetenv("PATH");
            qputenv("PATH", QFile::encodeName(b.dossier()));
            QObject contexte;
            int echecs = 0;
            OuvertureBureau::ouvrir(QUrl::fromLocalFile(cible), &contexte, [&] { ++echecs; });
            qputenv("PATH", chemin);
            QTRY_VERIFY(contexte.findChildren<QTimer*>().isEmpty());
            QCOMPARE(echecs, statut == 0 ? 0 : 1);
            QCOMPARE(QFile::decodeName(b.lire(u("ouvert"))), statut < 0 ? QString() : cible);
        }
    }
};

QTEST_MAIN(TestPlateforme)
#include "tst_plateforme.moc"
