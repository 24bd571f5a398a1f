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

namespace {
using R = Plateforme::Reponse;

// An xdg-open of our own, first on PATH, that writes its argument down and
// ends with the given status.
void remplacerOuvreur(const QTemporaryDir& dossier, int statut)
{
    QFile f(dossier.filePath(u("xdg-open")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n%2exit %3\n")
                .arg(dossier.filePath(u("ouvert")), statut ? u("echo \"xdg-open: no method available for opening '$1'\" >&2\n") : QString())
                .arg(statut)
                .toUtf8());
    f.close();
    QVERIFY(f.setPermissions(f.permissions() | QFileDevice::ExeOwner));
}
} // namespace

class TestPlateforme : public QObject {
    Q_OBJECT
private slots:
    // The real box: Escape and the close button tell "closed without an
    // answer" from Yes and No, for a question and for the error box.
    void boiteReelle_fermeeSansReponse_data()
    {
        QTest::addColumn<Plateforme::Boutons>("boutons");
        QTest::addColumn<QString>("geste");
        QTest::addColumn<Plateforme::Reponse>("reponse");
        QTest::newRow("question, Échap") << Plateforme::Boutons::OuiNon << u("Échap") << R::Fermee;
        QTest::newRow("question, case de fermeture") << Plateforme::Boutons::OuiNon << u("fermer") << R::Fermee;
        QTest::newRow("question, Non") << Plateforme::Boutons::OuiNon << u("Non") << R::Non;
        QTest::newRow("question, Oui") << Plateforme::Boutons::OuiNon << u("Oui") << R::Oui;
        QTest::newRow("erreur, Échap") << Plateforme::Boutons::ReessayerAnnuler << u("Échap") << R::Fermee;
        QTest::newRow("erreur, Annuler") << Plateforme::Boutons::ReessayerAnnuler << u("Annuler") << R::Annuler;
    }

    void boiteReelle_fermeeSansReponse()
    {
        QFETCH(Plateforme::Boutons, boutons);
        QFETCH(QString, geste);
        QFETCH(Plateforme::Reponse, reponse);
        PlateformeQt qt;
        QTimer::singleShot(0, [&] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(boite);
            if (geste == u("Échap"))
                QTest::keyClick(boite, Qt::Key_Escape);
            else if (geste == u("fermer"))
                boite->close();
            else
                boite->button(geste == u("Oui") ? QMessageBox::Yes : geste == u("Non") ? QMessageBox::No : QMessageBox::Cancel)->click();
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
        if (statut >= 0)
            remplacerOuvreur(dossier, statut);
        const QByteArray chemin = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dossier.path()));
        QObject contexte;
        int echecs = 0;
        const QString cible = dossier.filePath(u("Index à lire.txt"));
        OuvertureBureau::ouvrir(QUrl::fromLocalFile(cible), &contexte, [&] { ++echecs; });
        qputenv("PATH", chemin);
        if (statut < 0) {
            QCOMPARE(echecs, 1);
            return;
        }
        const auto ouvert = [&] {
            QFile f(dossier.filePath(u("ouvert")));
            return f.open(QIODevice::ReadOnly) ? QFile::decodeName(f.readAll()) : QString();
        };
        QTRY_COMPARE(ouvert(), cible);
        if (statut > 0)
            QTRY_COMPARE(echecs, 1);
        else {
            // Once the opener has ended, nothing more comes.
            QTest::qWait(300);
            QCOMPARE(echecs, 0);
        }
    }
};

QTEST_MAIN(TestPlateforme)
#include "tst_plateforme.moc"
