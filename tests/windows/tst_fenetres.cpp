// The About window with the tooltip option, the blinking pictures and the help window, through the main window.
#include "Banc.h"
#include "windows/FrmAide.h"
#include "windows/FrmApropos.h"
#include "windows/ImagesApropos.h"
#include <QMenu>
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
QStringList infoBulles(QStringList textes, bool visibles)
{
    for (QString& x : textes)
        x = visibles ? x + u(" | ") + x + u(" | ") : u(" |  | ") + x;
    return textes << (visibles ? u("Catégorie de la recette.") : QString());
}
} // namespace

class TestFenetres : public QObject {
    Q_OBJECT
private slots:
    // Pictures take turns, each with its pointer; About's links, or a box with the address; only its box sets tooltips.
    void apropos_liensOuBoiteSelonLeRaccourci_infoBullesSuiventLaCaseSeule_data()
    {
        QTest::addColumn<int>("bulles");           // line 2 of Zuta.ini
        QTest::addColumn<QByteArray>("raccourci"); // null: none; "tube": a pipe
        QTest::addColumn<QString>("raison");       // why the site is not opened ("": both links open), %1 the shortcut
        const QByteArray livre = donneeTest(u("../../data/Tavernix.url"));
        QTest::newRow("liens ouverts") << 1 << livre << QString();
        QTest::newRow("aucun navigateur") << 0 << livre << u("Aucun navigateur n'a pu ouvrir le site internet.");
        QTest::newRow("raccourci manquant") << 1 << QByteArray() << u("%1 est introuvable");
        QTest::newRow("tube") << 0 << QByteArray("tube") << u("%1 désigne un tube nommé, pas un fichier ordinaire");
        QTest::newRow("vers un programme") << 1 << QByteArray("[InternetShortcut]\r\nURL=file:///bin/sh\r\n")
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
        const QString mail = u("zuta@tavernix.example");
        if (raccourci == "tube")
            QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0600), 0);
        else if (!raccourci.isNull())
            b.ecrireOctets(u("Tavernix.url"), raccourci);
        Fenetre& f = b.demarrer();
        b.plateforme.ouvertureEchoue = !raison.isEmpty();
        const QTimer* m = f.fen->findChild<QTimer*>(u("Timer1"));
        QVERIFY(m->isActive() && m->interval() == 1000 && f.Image1->isVisible() && !f.Image2->isVisible());
        f.fen->images().Timer1_Timer(); // then the second picture opens the About window, and after a turn the first
        QVERIFY(f.Image1->cursor().pixmap().toImage() != f.Image2->cursor().pixmap().toImage());
        QStringList textes;
        for (QWidget* c : f.fen->controles())
            textes << c->toolTip() + c->property("Tag").toString();
        QVERIFY(!textes.contains(QString()) && textes.count(u("A propos de...")) == 2);

        QVERIFY(avecApropos(f.Image2, [&](FrmApropos& a) {
            const QStringList vus{a.windowTitle(),  a.LabelApropos[0]->text(), a.LabelApropos[1]->text(),
                                  a.Label4->text(), a.LabelUrl->text(),        a.Label2->text(),
                                  a.Label3->text(), a.CheckInfoBulles->text(), a.Command1->text()};
            QCOMPARE(vus.join(u("|")),
                     u("A propos de...|Zuta! v1.2b|Tavernix — 2005-2026|Site internet : |") + site
                         + u("|Adresse mail :|") + mail + u("|&Info-bulles visibles|&OK"));
            QCOMPARE(a.CheckInfoBulles->isChecked(), bool(bulles));
            QTest::mouseClick(a.LabelUrl, Qt::LeftButton);
            a.Label3->setFocus();
            QTest::keyClick(a.Label3, Qt::Key_Return);
        }));
        const bool fautif = raison.startsWith(u("%1")); // the shortcut
        QCOMPARE(b.plateforme.ouverts, (fautif ? QStringList() : QStringList{site}) << u("mailto:") + mail);
        if (fautif)
            raison = u("Le raccourci ") + raison.arg(nomAffiche(chemin)) + u(" : le site internet n'est pas ouvert.");
        const QStringList boites{u("Zuta! | ") + raison + u("\nSon adresse : ") + site,
                                 u("Zuta! | Aucun programme de messagerie n'a pu être ouvert.\nL'adresse : ") + mail};
        QCOMPARE(b.boites(), raison.isEmpty() ? QStringList() : boites);
        f.fen->images().Timer1_Timer();
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

    // The help window: modeless, centred, laid out; brought back as it is, read again once closed; a box if unreadable.
    void aide_lueALOuverture_memeFenetreRamenee_relueApresFermeture_boiteSiIllisible()
    {
        Banc b;
        b.ecrireOctets(u("Zuta.rtf"), donneeTest(u("rtf/wordpad.rtf")));
        Fenetre& f = b.demarrer();
        f.CommandAide->click();
        QPointer<FrmAide> aide = b.aide();
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

        b.ecrire(u("Zuta.rtf"), u("{\\rtf1 Seconde lecture\\par}"));
        aide->showMinimized();
        f.CommandAide->click();
        QVERIFY(b.aide() == aide && !aide->isMinimized() && document.blockCount() == 6); // not read again
        const QString rtf = b.chemin(u("Zuta.rtf"));
        for (const char* probleme : {"", "est introuvable", "désigne un tube nommé, pas un fichier ordinaire"}) {
            b.aide()->AideQuit->trigger();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            f.CommandAide->click();
            QVERIFY(b.aide()->isVisible());
            QCOMPARE(b.aide()->RichTextBox1->toPlainText(), *probleme ? QString() : u("Seconde lecture"));
            QCOMPARE(b.boites(),
                     *probleme ? QStringList{u("Zuta! / Aide | Le fichier d'aide ") + nomAffiche(rtf) + u(" ")
                                             + u(probleme) + u(" : l'aide ne peut pas être affichée.")}
                               : QStringList());
            if (!QFile::remove(rtf)) // the file goes, then a pipe takes its place
                QCOMPARE(::mkfifo(QFile::encodeName(rtf).constData(), 0600), 0);
        }
    }
};

QTEST_MAIN(TestFenetres)
#include "tst_fenetres.moc"
