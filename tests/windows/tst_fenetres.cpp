// The About window with the tooltip option, the blinking pictures and the help window, through the main window.
#include "Banc.h"
#include "windows/FrmAide.h"
#include "windows/FrmApropos.h"
#include "windows/ImagesApropos.h"
#include <QMenu>
#include <QMenuBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <sys/stat.h>

namespace {
// Clicks the picture, runs the action on the modal About window, closes it with OK: true if it came up centred.
bool avecApropos(QWidget* image, const std::function<void(FrmApropos&)>& action)
{
    bool vu = false;
    QTimer::singleShot(0, [&] {
        if (auto* f = qobject_cast<FrmApropos*>(QApplication::activeModalWidget())) {
            vu = (f->frameGeometry().center() - image->window()->frameGeometry().center()).manhattanLength() <= 2;
            action(*f);
            f->Command1->click();
        }
    });
    QTest::mouseClick(image, Qt::LeftButton);
    return vu;
}

// Each tooltip as "shown | accessible description | kept in the tag"; or so with these texts all shown or hidden.
QStringList infoBulles(const Fenetre& f)
{
    QStringList t;
    for (QWidget* c : f.fen->controles())
        t << c->toolTip() + u(" | ") + c->accessibleDescription() + u(" | ") + c->property("Tag").toString();
    return t << f.ComboRecettCat->lineEdit()->toolTip();
}
QStringList infoBulles(const QStringList& textes, bool visibles)
{
    QStringList t;
    for (const QString& x : textes)
        t << (visibles ? x + u(" | ") + x + u(" | ") : u(" |  | ") + x);
    return t << (visibles ? u("Catégorie de la recette.") : QString());
}
} // namespace

class TestFenetres : public QObject {
    Q_OBJECT
private slots:
    // The pictures take turns, each with its own pointer. The About window's links: a box gives the address when the
    // desktop fails or the shortcut is unusable. Only its box hides or shows the tooltips, a base loaded or not.
    void apropos_liensOuBoiteSelonLeRaccourci_infoBullesSuiventLaCaseSeule_data()
    {
        QTest::addColumn<int>("bulles");           // line 2 of Zuta.ini
        QTest::addColumn<QByteArray>("raccourci"); // null: none; "tube": a pipe
        QTest::addColumn<QString>("raison");       // why the site is not opened ("": both links open), %1 the shortcut
        const QByteArray livre = donneeTest(u("../../data/Tavernix.url"));
        QTest::newRow("liens ouverts") << 1 << livre << QString();
        QTest::newRow("aucun navigateur") << 0 << livre << u("Aucun navigateur n'a pu ouvrir le site internet.");
        QTest::newRow("raccourci manquant") << 1 << QByteArray() << u("%1 est introuvable");
        QTest::newRow("raccourci tube") << 0 << QByteArray("tube")
                                        << u("%1 désigne un tube nommé, pas un fichier ordinaire");
        QTest::newRow("raccourci vers un programme") << 1 << QByteArray("[InternetShortcut]\r\nURL=file:///bin/sh\r\n")
                                                     << u("%1 ne contient pas l'adresse d'un site internet");
    }

    void apropos_liensOuBoiteSelonLeRaccourci_infoBullesSuiventLaCaseSeule()
    {
        QFETCH(int, bulles);
        QFETCH(QByteArray, raccourci);
        QFETCH(QString, raison);
        Banc b;
        b.reglages(u("*"), 0, bulles);
        const QString chemin = b.chemin(u("Tavernix.url")), site = u("https://www.tavernix.example/zuta");
        if (raccourci == "tube")
            QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0600), 0);
        else if (!raccourci.isNull())
            b.ecrireOctets(u("Tavernix.url"), raccourci);
        Fenetre& f = b.demarrer();
        b.plateforme.ouvertureEchoue = !raison.isEmpty();
        const QTimer* minuterie = f.fen->findChild<QTimer*>(u("Timer1"));
        QVERIFY(minuterie->isActive() && minuterie->interval() == 1000 && f.Image1->isVisible()
                && !f.Image2->isVisible());
        f.fen->images().Timer1_Timer();
        QVERIFY(!f.Image1->isVisible() && f.Image2->isVisible());
        QVERIFY(f.Image1->cursor().pixmap().toImage() != f.Image2->cursor().pixmap().toImage());
        QStringList textes;
        for (QWidget* c : f.fen->controles())
            textes << c->toolTip() + c->property("Tag").toString();
        QVERIFY(!textes.contains(QString()) && textes.contains(u("A propos de..."))
                && textes.contains(u("A bientôt !")));

        const QByteArray ini = b.lire(u("Zuta.ini"));
        QVERIFY(avecApropos(f.Image2, [&](FrmApropos& a) {
            QCOMPARE(QStringList({a.windowTitle(), a.LabelApropos[0]->text(), a.LabelApropos[1]->text(),
                                  a.Label4->text(), a.LabelUrl->text(), a.Label2->text(), a.Label3->text(),
                                  a.CheckInfoBulles->text(), a.Command1->text()})
                         .join(u("|")),
                     u("A propos de...|Zuta! v1.2b|Tavernix — 2005-2026|Site internet : |") + site
                         + u("|Adresse mail :|zuta@tavernix.example|Info-bulles visibles|OK"));
            QCOMPARE(a.CheckInfoBulles->isChecked(), bool(bulles));
            QTest::mouseClick(a.LabelUrl, Qt::LeftButton);
            a.Label3->setFocus();
            QTest::keyClick(a.Label3, Qt::Key_Return);
        }));
        const bool fautif = raison.startsWith(u("%1")); // the shortcut
        QCOMPARE(b.plateforme.ouverts,
                 (fautif ? QStringList() : QStringList{site}) << u("mailto:zuta@tavernix.example"));
        if (fautif)
            raison = u("Le raccourci ") + raison.arg(nomAffiche(chemin)) + u(" : le site internet n'est pas ouvert.");
        const QString mail =
            u("Zuta! | Aucun programme de messagerie n'a pu être ouvert.\nL'adresse : zuta@tavernix.example");
        QCOMPARE(b.boites(),
                 raison.isEmpty() ? QStringList()
                                  : QStringList({u("Zuta! | ") + raison + u("\nSon adresse : ") + site, mail}));
        // Closed untouched, nothing changed; then its box, a base loaded, one created, its box again.
        QCOMPARE(infoBulles(f), infoBulles(textes, bulles));
        QCOMPARE(b.lire(u("Zuta.ini")), ini);
        f.fen->images().Timer1_Timer();
        QVERIFY(f.Image1->isVisible() && !f.Image2->isVisible());
        b.plateforme.fichiers << b.chemin(u("Zuta2005.don")) << b.chemin(u("Neuve.don"));
        for (QWidget* geste : QList<QWidget*>{f.Image1, f.CommandCharger, f.CommandNouvelle, f.Image1}) {
            bulles ^= int(geste == f.Image1);
            if (geste == f.Image1)
                QVERIFY(avecApropos(f.Image1, [](FrmApropos& a) { a.CheckInfoBulles->click(); }));
            else
                QTest::mouseClick(geste, Qt::LeftButton);
            QCOMPARE(infoBulles(f), infoBulles(textes, bulles));
            QCOMPARE(b.lignesReglages().value(1), u(" %1 ").arg(bulles));
        }
    }

    // The help window: modeless, centred, the manual laid out filling it under its menu; brought back
    // without reading again, read again once closed; empty with a box for a file missing, a folder or a pipe.
    void aide_lueALOuverture_memeFenetreRamenee_relueApresFermeture_boiteSiIllisible()
    {
        Banc b;
        b.reglages();
        b.ecrireOctets(u("Zuta.rtf"), donneeTest(u("rtf/wordpad.rtf")));
        Fenetre& f = b.demarrer();
        f.CommandAide->click();
        QPointer<FrmAide> aide = b.p().fenetres.aide();
        QVERIFY(aide && aide->isVisible() && !aide->isModal() && !QApplication::activeModalWidget());
        QCOMPARE(aide->windowTitle() + aide->rien->title() + aide->AideQuit->text(), u("Zuta! / Aide&Fichier&Quitter"));
        QVERIFY(aide->RichTextBox1->isReadOnly() && f.fen->isEnabled() && b.boites().isEmpty());
        QVERIFY((aide->frameGeometry().center() - f.fen->frameGeometry().center()).manhattanLength() <= 2);
        const QTextDocument& document = *aide->RichTextBox1->document();
        QCOMPARE(document.firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(document.findBlockByNumber(3).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        const auto format = [&](const char* texte) { return document.find(u(texte)).charFormat(); };
        QVERIFY(format("Noël").fontWeight() == QFont::Bold && format("Noël").fontPointSize() == 16);
        QVERIFY(format("bûche").fontItalic() && format("croûte").fontUnderline() && !format("coûtent").fontItalic());
        aide->resize(900, 700);
        QTRY_COMPARE(aide->RichTextBox1->geometry(),
                     QRect(0, aide->menuBar()->height(), 900, 700 - aide->menuBar()->height()));

        b.ecrire(u("Zuta.rtf"), u("{\\rtf1 Seconde lecture\\par}"));
        aide->showMinimized();
        f.CommandAide->click();
        QVERIFY(b.p().fenetres.aide() == aide && !aide->isMinimized()
                && document.firstBlock().text() == u("Recettes de Noël"));
        const auto fermer = [&] {
            b.p().fenetres.aide()->AideQuit->trigger();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!b.p().fenetres.aide());
        };
        fermer();
        f.CommandAide->click();
        QCOMPARE(b.p().fenetres.aide()->RichTextBox1->toPlainText(), u("Seconde lecture"));

        const QString rtf = b.chemin(u("Zuta.rtf"));
        const auto illisible = [&](const char* probleme) {
            fermer();
            f.CommandAide->click();
            QVERIFY(b.p().fenetres.aide()->isVisible() && b.p().fenetres.aide()->RichTextBox1->toPlainText().isEmpty());
            QCOMPARE(b.boites(),
                     QStringList{u("Zuta! / Aide | Le fichier d'aide ") + nomAffiche(rtf) + u(" ") + u(probleme)
                                 + u(" : l'aide ne peut pas être affichée.")});
        };
        QVERIFY(QFile::remove(rtf));
        illisible("est introuvable");
        QVERIFY(QDir().mkdir(rtf));
        illisible("désigne un dossier, pas un fichier ordinaire");
        QVERIFY(QDir().rmdir(rtf));
        QCOMPARE(::mkfifo(QFile::encodeName(rtf).constData(), 0600), 0);
        illisible("désigne un tube nommé, pas un fichier ordinaire");
    }
};

QTEST_MAIN(TestFenetres)
#include "tst_fenetres.moc"
