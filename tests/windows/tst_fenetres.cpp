// The About window with the tooltip option and the blinking pictures, and the
// help window, through the real main window and the scripted platform.
#include "Banc.h"
#include "windows/FrmAide.h"
#include "windows/FrmApropos.h"
#include "windows/ImagesApropos.h"
#include <QMenu>
#include <QMenuBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <functional>
#include <sys/stat.h>

namespace {
// Clicks the picture and, while the modal About window is up, runs the action
// on it and closes it with "OK". False when no About window came up.
bool avecApropos(QWidget* image, const std::function<void(FrmApropos&)>& action)
{
    bool vu = false;
    QTimer::singleShot(0, [&] {
        if (auto* f = qobject_cast<FrmApropos*>(QApplication::activeModalWidget())) {
            vu = true;
            action(*f);
            f->Command1->click();
        }
    });
    QTest::mouseClick(image, Qt::LeftButton);
    return vu;
}

QStringList infoBulles(const Fenetre& f)
{
    QStringList t;
    for (QWidget* c : f.fen->controles())
        t << c->toolTip();
    return t;
}

// Every tooltip of the window hidden, its text kept in the "Tag" property.
void verifierSansBulles(const Fenetre& f)
{
    for (QWidget* c : f.fen->controles())
        QVERIFY2(c->toolTip().isEmpty() && c->accessibleDescription().isEmpty(), qPrintable(c->objectName()));
    QVERIFY(f.ComboRecettCat->lineEdit()->toolTip().isEmpty());
    QCOMPARE(f.CommandQuitter->property("Tag").toString(), u("A bientôt !"));
}
} // namespace

class TestFenetres : public QObject {
    Q_OBJECT
private slots:
    // The pictures take turns every second, each with its own pointer; a click
    // opens the modal About window, centred, with its texts and its box showing
    // the option the settings give. Its links go to the desktop: the site's
    // address is read from the shortcut beside the program; when the desktop
    // cannot open them, or the shortcut is missing, a pipe (nothing waits on
    // it) or names no web address, one box each gives the address. Closed
    // untouched, the window changes nothing.
    void apropos_textesImagesEtLiens_intouchee_neChangeRien_data()
    {
        QTest::addColumn<int>("bulles");          // line 2 of Zuta.ini
        QTest::addColumn<QByteArray>("raccourci"); // null: none; "tube": a pipe
        QTest::addColumn<QString>("raison");       // why the site is not opened ("": both links open), %1 the shortcut
        const QByteArray livre = donneeTest(u("../../data/Tavernix.url"));
        const QString site = u(" : le site internet n'est pas ouvert.");
        QTest::newRow("liens ouverts") << 1 << livre << QString();
        QTest::newRow("sans info-bulles, aucun navigateur") << 0 << livre << u("Aucun navigateur n'a pu ouvrir le site internet.");
        QTest::newRow("raccourci manquant") << 1 << QByteArray() << u("Le raccourci %1 est introuvable") + site;
        QTest::newRow("raccourci tube")
            << 1 << QByteArray("tube") << u("Le raccourci %1 désigne un tube nommé, pas un fichier ordinaire") + site;
        QTest::newRow("raccourci vers un programme") << 0 << QByteArray("[InternetShortcut]\r\nURL=file:///bin/sh\r\n")
                                                     << u("Le raccourci %1 ne contient pas l'adresse d'un site internet") + site;
    }

    void apropos_textesImagesEtLiens_intouchee_neChangeRien()
    {
        QFETCH(int, bulles);
        QFETCH(QByteArray, raccourci);
        QFETCH(QString, raison);
        Banc b;
        b.reglages(u("*"), 0, bulles);
        const QString chemin = b.chemin(u("Tavernix.url"));
        if (raccourci == "tube")
            QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0600), 0);
        else if (!raccourci.isNull())
            b.ecrireOctets(u("Tavernix.url"), raccourci);
        Fenetre& f = b.demarrer();
        b.plateforme.ouvertureEchoue = !raison.isEmpty();
        const QTimer* minuterie = f.fen->findChild<QTimer*>(u("Timer1"));
        QVERIFY(minuterie && minuterie->isActive() && minuterie->interval() == 1000);
        QVERIFY(f.Image1->isVisible() && !f.Image2->isVisible());
        f.fen->images().Timer1_Timer();
        QVERIFY(!f.Image1->isVisible() && f.Image2->isVisible());
        for (QLabel* image : {f.Image1, f.Image2})
            QVERIFY(!image->pixmap().isNull() && image->cursor().shape() == Qt::BitmapCursor);
        QVERIFY(f.Image1->cursor().pixmap().toImage() != f.Image2->cursor().pixmap().toImage());
        if (bulles)
            QCOMPARE(f.Image2->toolTip(), u("A propos de..."));
        else
            verifierSansBulles(f);

        const QByteArray ini = b.lire(u("Zuta.ini"));
        const QStringList avant = infoBulles(f);
        QPoint centre;
        QVERIFY(avecApropos(f.Image2, [&](FrmApropos& a) {
            QCOMPARE(QStringList({a.windowTitle(), a.LabelApropos[0]->text(), a.LabelApropos[1]->text(), a.Label4->text(),
                                  a.LabelUrl->text(), a.Label2->text(), a.Label3->text(), a.CheckInfoBulles->text(),
                                  a.Command1->text()}),
                     QStringList({u("A propos de..."), u("Zuta! v1.2b"), u("Tavernix — 2005-2026"), u("Site internet : "),
                                  u("https://www.tavernix.example/zuta"), u("Adresse mail :"), u("zuta@tavernix.example"),
                                  u("Info-bulles visibles"), u("OK")}));
            QVERIFY(!a.Label1->text().isEmpty() && !a.Label5->text().isEmpty() && !a.Image1->pixmap().isNull());
            QCOMPARE(a.CheckInfoBulles->isChecked(), bool(bulles));
            centre = a.frameGeometry().center();
            QTest::mouseClick(a.LabelUrl, Qt::LeftButton);
            a.Label3->setFocus();
            QTest::keyClick(a.Label3, Qt::Key_Return);
        }));
        QVERIFY((centre - f.fen->frameGeometry().center()).manhattanLength() <= 2);
        QStringList ouverts{u("https://www.tavernix.example/zuta"), u("mailto:zuta@tavernix.example")};
        if (raison.contains(u("%1")))
            ouverts.removeFirst();
        QCOMPARE(b.plateforme.ouverts, ouverts);
        const QStringList boites{u("Zuta! | ") + QString(raison).replace(u("%1"), nomAffiche(chemin))
                                     + u("\nSon adresse : https://www.tavernix.example/zuta"),
                                 u("Zuta! | Aucun programme de messagerie n'a pu être ouvert.\nL'adresse : zuta@tavernix.example")};
        QCOMPARE(b.boites(), raison.isEmpty() ? QStringList() : boites);
        QCOMPARE(infoBulles(f), avant);
        QCOMPARE(b.lire(u("Zuta.ini")), ini);
        QCOMPARE(b.p().etat.OptionInfoBulles, float(bulles));
        f.fen->images().Timer1_Timer();
        QVERIFY(f.Image1->isVisible() && !f.Image2->isVisible());
    }

    // Clearing the box hides every tooltip and writes the settings at once;
    // loading or creating a base reads the settings again and keeps them
    // hidden; checking it brings them back.
    void infoBulles_caseDecochee_toutesMasqueesGardeesApresChargement_cocheeRendues()
    {
        Banc b;
        b.reglages();
        Fenetre& f = b.demarrer();
        const QStringList design = infoBulles(f);
        QVERIFY(!design.contains(QString()));
        QVERIFY(avecApropos(f.Image1, [](FrmApropos& a) {
            a.CheckInfoBulles->setFocus();
            QTest::keyClick(a.CheckInfoBulles, Qt::Key_Space);
        }));
        QCOMPARE(b.p().etat.OptionInfoBulles, 0.0f);
        QCOMPARE(b.lignesReglages().value(1), u(" 0 "));
        verifierSansBulles(f);

        b.plateforme.reponses << Plateforme::Reponse::Non << Plateforme::Reponse::Non << Plateforme::Reponse::Non;
        b.plateforme.fichiers << b.chemin(u("Zuta2005.don")) << b.chemin(u("Zuta2005.don")) << b.chemin(u("Neuve.don"));
        for (QPushButton* bouton : {f.CommandCharger, f.CommandCharger, f.CommandNouvelle}) {
            QTest::mouseClick(bouton, Qt::LeftButton);
            verifierSansBulles(f);
        }
        QCOMPARE(b.lignesReglages().value(1), u(" 0 "));
        QCOMPARE(b.boites().size(), 3); // the save questions

        bool coche = true;
        QVERIFY(avecApropos(f.Image1, [&](FrmApropos& a) {
            coche = a.CheckInfoBulles->isChecked();
            a.CheckInfoBulles->click();
        }));
        QVERIFY(!coche);
        QCOMPARE(infoBulles(f), design);
        QCOMPARE(f.CommandAide->accessibleDescription(), u("Afficher l'aide"));
        QCOMPARE(f.ComboRecettCat->lineEdit()->toolTip(), u("Catégorie de la recette."));
        QCOMPARE(b.lignesReglages().value(1), u(" 1 "));
        QVERIFY(b.boites().isEmpty());
    }

    // The help window is modeless and centred; it reads the manual when it
    // opens, with its layout, and its text fills it under its menu whatever
    // its size. A second click brings the same window back without reading
    // again; once closed, the file is read again.
    void aide_lueALOuverture_memeFenetreRamenee_relueApresFermeture()
    {
        Banc b;
        b.reglages();
        b.ecrireOctets(u("Zuta.rtf"), donneeTest(u("rtf/wordpad.rtf")));
        Fenetre& f = b.demarrer();
        QVERIFY(!b.p().fenetres.aide());
        f.CommandAide->click();
        QPointer<FrmAide> aide = b.p().fenetres.aide();
        QVERIFY(aide && aide->isVisible() && !aide->isModal() && !QApplication::activeModalWidget());
        QCOMPARE(aide->windowTitle() + aide->rien->title() + aide->AideQuit->text(), u("Zuta! / Aide&Fichier&Quitter"));
        QVERIFY(aide->RichTextBox1->isReadOnly() && f.fen->isEnabled());
        QVERIFY((aide->frameGeometry().center() - f.fen->frameGeometry().center()).manhattanLength() <= 2);
        QVERIFY(b.boites().isEmpty());

        const QTextDocument& document = *aide->RichTextBox1->document();
        const QTextBlock titre = document.firstBlock();
        QCOMPARE(document.blockCount(), 6);
        QCOMPARE(titre.text(), u("Recettes de Noël"));
        QCOMPARE(titre.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(document.findBlockByNumber(3).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        const QTextCharFormat grand = titre.begin().fragment().charFormat();
        QVERIFY(grand.fontWeight() == QFont::Bold && grand.fontPointSize() == 16.0);
        for (auto it = titre.next().begin(); !it.atEnd(); ++it) {
            const QTextCharFormat c = it.fragment().charFormat();
            QCOMPARE(c.fontWeight(), int(QFont::Normal));
            QCOMPARE(c.fontItalic(), it.fragment().text() == u("bûche"));
            QCOMPARE(c.fontUnderline(), it.fragment().text() == u("pâté en croûte"));
        }
        for (const QSize taille : {QSize(500, 380), QSize(900, 700), QSize(320, 240)}) {
            aide->resize(taille);
            QCoreApplication::processEvents();
            const int menu = aide->menuBar()->height();
            QCOMPARE(aide->RichTextBox1->geometry(), QRect(0, menu, aide->width(), aide->height() - menu));
        }

        b.ecrire(u("Zuta.rtf"), u("{\\rtf1 Seconde lecture\\par}"));
        aide->showMinimized();
        f.CommandAide->click();
        QCOMPARE(b.p().fenetres.aide(), aide.data());
        QVERIFY(!aide->isMinimized() && aide->isVisible());
        QCOMPARE(document.firstBlock().text(), u("Recettes de Noël"));
        aide->AideQuit->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!aide && !b.p().fenetres.aide());
        f.CommandAide->click();
        QCOMPARE(b.p().fenetres.aide()->RichTextBox1->toPlainText(), u("Seconde lecture"));
    }

    // A help file missing, a folder or a pipe (nothing waits on it): the window
    // opens empty and a box says why.
    void aide_fichierManquantDossierOuTube_fenetreVideEtBoite()
    {
        Banc b;
        b.reglages();
        Fenetre& f = b.demarrer();
        const QString rtf = b.chemin(u("Zuta.rtf"));
        const QList<std::pair<const char*, std::function<void()>>> cas{
            {"est introuvable", [] {}},
            {"désigne un dossier, pas un fichier ordinaire", [&] { QDir().mkdir(rtf); }},
            {"désigne un tube nommé, pas un fichier ordinaire",
             [&] { QDir().rmdir(rtf), ::mkfifo(QFile::encodeName(rtf).constData(), 0600); }},
        };
        for (const auto& [probleme, preparer] : cas) {
            preparer();
            f.CommandAide->click();
            FrmAide* aide = b.p().fenetres.aide();
            QVERIFY(aide && aide->isVisible() && aide->RichTextBox1->toPlainText().isEmpty());
            QCOMPARE(b.boites(), QStringList{u("Zuta! / Aide | Le fichier d'aide ") + nomAffiche(rtf) + u(" ")
                                             + u(probleme) + u(" : l'aide ne peut pas être affichée.")});
            aide->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
};

QTEST_MAIN(TestFenetres)
#include "tst_fenetres.moc"
