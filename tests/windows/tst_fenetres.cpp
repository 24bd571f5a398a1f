// The About window with the tooltip option, the blinking images and the help
// window, through the real main window.
#include "Banc.h"
#include "windows/FrmAide.h"
#include "windows/FrmApropos.h"
#include "windows/LecteurRtf.h"
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <functional>

namespace {
// Clicks the given picture of the main window and, while the modal About
// window is up, runs the action on it and closes it with "OK".
// Returns false when no About window came up.
bool avecApropos(QWidget* image, const std::function<void(FrmApropos&)>& action)
{
    bool vu = false;
    QTimer::singleShot(0, [&] {
        auto* f = qobject_cast<FrmApropos*>(QApplication::activeModalWidget());
        if (!f)
            return;
        vu = true;
        action(*f);
        f->Command1->click();
    });
    QTest::mouseClick(image, Qt::LeftButton);
    return vu;
}

QStringList bulles(const FrmPrincipal& fen)
{
    QStringList t;
    for (QWidget* c : fen.controles())
        t << c->toolTip();
    return t;
}

// Every tooltip of the window hidden, its text kept in the "Tag" property.
void verifierSansBulles(const FrmPrincipal& fen)
{
    for (QWidget* c : fen.controles())
        QVERIFY2(c->toolTip().isEmpty() && c->accessibleDescription().isEmpty(), qPrintable(c->objectName()));
    QVERIFY(fen.ComboRecettCat->lineEdit()->toolTip().isEmpty());
    QCOMPARE(fen.CommandQuitter->property("Tag").toString(), u("A bientôt !"));
}

QString ligne2(const QByteArray& ini)
{
    return QString::fromLatin1(ini.split('\n').value(1));
}
} // namespace

class TestFenetres : public QObject {
    Q_OBJECT
private slots:
    void apropos_imagesTextsLinks_untouchedChangesNothing();
    void apropos_clearingTheBox_hidesEveryTooltipAndWritesTheSettings();
    void optionZero_tooltipsHiddenAfterLoadingOrCreatingABase();
    void aide_showsTheManualModelessWithItsLayout_textAreaFollowsResize();
    void aide_secondClick_reusesTheWindow_afterClosingReadsAgain();
    void aide_missingOrUnreadableFile_opensEmptyWithAMessage();
    void manual_isReadableRtfCoveringThePrograms();
};

// The pictures take turns, each with its own pointer; a click on either
// opens the modal About window, centred, with its texts and its links.
// Closed untouched, it changes nothing.
void TestFenetres::apropos_imagesTextsLinks_untouchedChangesNothing()
{
    Banc b;
    b.reglages();
    FrmPrincipal& fen = b.demarrer();
    QVERIFY(fen.Timer1->isActive());
    QCOMPARE(fen.Timer1->interval(), 1000);
    QVERIFY(fen.Image1->isVisible() && !fen.Image2->isVisible());
    b.p().fenetres.Timer1_Timer();
    QVERIFY(!fen.Image1->isVisible() && fen.Image2->isVisible());
    for (QLabel* image : {fen.Image1, fen.Image2}) {
        QCOMPARE(image->toolTip(), u("A propos de..."));
        QVERIFY(!image->pixmap().isNull() && image->cursor().shape() == Qt::BitmapCursor);
    }
    QVERIFY(fen.Image1->cursor().pixmap().toImage() != fen.Image2->cursor().pixmap().toImage());

    const QByteArray ini = b.lire(u("Zuta.ini"));
    const QStringList avant = bulles(fen);
    QVERIFY(!avant.contains(QString()));
    QPoint centre;
    QVERIFY(avecApropos(fen.Image2, [&](FrmApropos& f) {
        QCOMPARE(QStringList({f.windowTitle(), f.LabelApropos[0]->text(), f.LabelApropos[1]->text(), f.Label4->text(),
                              f.LabelUrl->text(), f.Label2->text(), f.Label3->text(), f.CheckInfoBulles->text(),
                              f.Command1->text()}),
                 QStringList({u("A propos de..."), u("Zuta! v1.2b"), u("Tavernix — 2005-2026"), u("Site internet : "),
                              u("https://www.tavernix.example/zuta"), u("Adresse mail :"), u("zuta@tavernix.example"),
                              u("Info-bulles visibles"), u("OK")}));
        QVERIFY(!f.Label1->text().isEmpty() && !f.Label5->text().isEmpty() && !f.Image1->pixmap().isNull());
        QVERIFY(f.CheckInfoBulles->isChecked() && f.isModal());
        centre = f.frameGeometry().center();
        QTest::mouseClick(f.LabelUrl, Qt::LeftButton);
        f.Label3->setFocus();
        QTest::keyClick(f.Label3, Qt::Key_Return);
    }));
    QCOMPARE(b.plateforme.ouverts, QStringList({b.chemin(u("Tavernix.url")), u("mailto:zuta@tavernix.example")}));
    QVERIFY((centre - fen.frameGeometry().center()).manhattanLength() <= 2);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(bulles(fen), avant);
    QCOMPARE(b.lire(u("Zuta.ini")), ini);
    QCOMPARE(b.p().etat.OptionInfoBulles, 1.0f);
    QCOMPARE(b.p().etat.ChargementApropos, 0);
    QVERIFY(b.boites().isEmpty());
    b.p().fenetres.Timer1_Timer();
    QVERIFY(fen.Image1->isVisible() && !fen.Image2->isVisible());
}

void TestFenetres::apropos_clearingTheBox_hidesEveryTooltipAndWritesTheSettings()
{
    Banc b;
    b.reglages();
    FrmPrincipal& fen = b.demarrer();
    const QStringList design = bulles(fen);
    QVERIFY(avecApropos(fen.Image1, [](FrmApropos& f) {
        f.CheckInfoBulles->setFocus();
        QTest::keyClick(f.CheckInfoBulles, Qt::Key_Space);
    }));
    QCOMPARE(b.p().etat.OptionInfoBulles, 0.0f);
    QCOMPARE(ligne2(b.lire(u("Zuta.ini"))), u(" 0 \r"));
    verifierSansBulles(fen);
    QStringList tags;
    for (QWidget* c : fen.controles())
        tags << c->property("Tag").toString();
    QCOMPARE(tags, design);

    // Checking it again brings them back.
    bool coche = true;
    QVERIFY(avecApropos(fen.Image1, [&](FrmApropos& f) {
        coche = f.CheckInfoBulles->isChecked();
        f.CheckInfoBulles->click();
    }));
    QVERIFY(!coche);
    QCOMPARE(bulles(fen), design);
    QCOMPARE(fen.CommandAide->accessibleDescription(), u("Afficher l'aide"));
    QCOMPARE(fen.ComboRecettCat->lineEdit()->toolTip(), u("Catégorie de la recette."));
    QCOMPARE(fen.CommandAide->property("Tag").toString(), QString());
    QCOMPARE(ligne2(b.lire(u("Zuta.ini"))), u(" 1 \r"));
    QVERIFY(b.boites().isEmpty());
}

// Loading or creating a base runs the start-up again, which reads the
// settings: the tooltips stay hidden and the option stays 0.
void TestFenetres::optionZero_tooltipsHiddenAfterLoadingOrCreatingABase()
{
    Banc b;
    b.reglages(u("*"), 0, 0);
    FrmPrincipal& fen = b.demarrer();
    verifierSansBulles(fen);
    b.plateforme.reponses << Plateforme::Reponse::Non << Plateforme::Reponse::Non << Plateforme::Reponse::Non;
    b.plateforme.fichiers << b.chemin(u("Zuta2005.don")) << b.chemin(u("Zuta2005.don")) << b.chemin(u("Neuve.don"));
    for (QPushButton* bouton : {fen.CommandCharger, fen.CommandCharger, fen.CommandNouvelle}) {
        QTest::mouseClick(bouton, Qt::LeftButton);
        verifierSansBulles(fen);
    }
    QVERIFY(b.lire(u("Zuta.ini")).startsWith(" 0 \r\n 0 \r\n"));
    bool coche = true;
    QVERIFY(avecApropos(fen.Image1, [&](FrmApropos& f) { coche = f.CheckInfoBulles->isChecked(); }));
    QVERIFY(!coche);
}

void TestFenetres::aide_showsTheManualModelessWithItsLayout_textAreaFollowsResize()
{
    Banc b;
    b.reglages();
    b.ecrireOctets(u("Zuta.rtf"), donneeTest(u("rtf/wordpad.rtf")));
    FrmPrincipal& fen = b.demarrer();
    QVERIFY(!b.p().fenetres.aide());
    fen.CommandAide->click();
    FrmAide* aide = b.p().fenetres.aide();
    QVERIFY(aide && aide->isVisible());
    QCOMPARE(aide->windowTitle() + aide->rien->title() + aide->AideQuit->text(), u("Zuta! / Aide&Fichier&Quitter"));
    QVERIFY(aide->RichTextBox1->isReadOnly());
    QVERIFY(!aide->isModal() && !QApplication::activeModalWidget());
    QVERIFY((aide->frameGeometry().center() - fen.frameGeometry().center()).manhattanLength() <= 2);
    QVERIFY(fen.isEnabled()); // the main window goes on working
    QVERIFY(b.boites().isEmpty());

    // Blocks keep their alignment, passages their formats.
    const QTextDocument& document = *aide->RichTextBox1->document();
    QCOMPARE(document.blockCount(), 6);
    const QTextBlock titre = document.firstBlock();
    QCOMPARE(titre.text(), u("Recettes de Noël"));
    QCOMPARE(titre.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(titre.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(titre.begin().fragment().charFormat().fontPointSize(), 16.0);
    for (auto it = titre.next().begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        QCOMPARE(f.charFormat().fontItalic(), f.text() == u("bûche"));
        QCOMPARE(f.charFormat().fontUnderline(), f.text() == u("pâté en croûte"));
    }
    QCOMPARE(document.findBlockByNumber(3).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

    // The text fills the window under its menu, whatever its size; it stays
    // as it was when the window is minimised and shown again.
    QCOMPARE(aide->centralWidget(), aide->RichTextBox1);
    for (const QSize taille : {QSize(500, 380), QSize(900, 700), QSize(320, 240)}) {
        aide->resize(taille);
        QCoreApplication::processEvents();
        QCOMPARE(aide->RichTextBox1->geometry(),
                 QRect(0, aide->menuBar()->height(), aide->width(), aide->height() - aide->menuBar()->height()));
    }
    const QRect avant = aide->RichTextBox1->geometry();
    aide->showMinimized();
    QCoreApplication::processEvents();
    QCOMPARE(aide->RichTextBox1->geometry(), avant);
    aide->showNormal();
    QCoreApplication::processEvents();
    QCOMPARE(aide->RichTextBox1->geometry(), avant);
}

void TestFenetres::aide_secondClick_reusesTheWindow_afterClosingReadsAgain()
{
    Banc b;
    b.reglages();
    b.ecrire(u("Zuta.rtf"), u("{\\rtf1 Premi\\'e8re lecture\\par}"));
    FrmPrincipal& fen = b.demarrer();
    fen.CommandAide->click();
    QPointer<FrmAide> premiere = b.p().fenetres.aide();
    b.ecrire(u("Zuta.rtf"), u("{\\rtf1 Seconde lecture\\par}"));
    premiere->showMinimized();
    fen.CommandAide->click();
    QCOMPARE(b.p().fenetres.aide(), premiere.data());
    QVERIFY(!premiere->isMinimized() && premiere->isVisible());
    QCOMPARE(premiere->RichTextBox1->toPlainText(), u("Première lecture"));

    premiere->AideQuit->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!premiere && !b.p().fenetres.aide());
    fen.CommandAide->click();
    QCOMPARE(b.p().fenetres.aide()->RichTextBox1->toPlainText(), u("Seconde lecture"));
}

// No help file, then a folder in its place: the window opens empty and a
// box says why.
void TestFenetres::aide_missingOrUnreadableFile_opensEmptyWithAMessage()
{
    Banc b;
    b.reglages();
    FrmPrincipal& fen = b.demarrer();
    for (const char* probleme : {"est introuvable", "ne peut pas être lu"}) {
        fen.CommandAide->click();
        FrmAide* aide = b.p().fenetres.aide();
        QVERIFY(aide && aide->isVisible() && aide->RichTextBox1->toPlainText().isEmpty());
        QCOMPARE(b.boites(), QStringList{u("Zuta! / Aide | Le fichier d'aide ") + nomAffiche(b.chemin(u("Zuta.rtf")))
                                         + u(" ") + u(probleme) + u(" : l'aide ne peut pas être affichée.")});
        aide->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir(b.dossier()).mkdir(u("Zuta.rtf"));
    }
}

void TestFenetres::manual_isReadableRtfCoveringThePrograms()
{
    const QByteArray octets = donneeTest(u("../../data/Zuta.rtf"));
    QVERIFY(LecteurRtf::estRtf(octets));
    const QString texte = LecteurRtf::lire(octets).texte();
    for (const char* mot : {"Recherche", "Actualiser", "Valider", "Supprimer", "Saisie en chaine", "Créer Index",
                            "Index.txt", "Imprimer", "Charger", "Nouvelle", "Conversion.txt", "-OLD.don", "Zuta.ini",
                            ".don", "Info-bulles visibles", "A propos de...", "œ", "€", "é", "è", "à", "ç"})
        QVERIFY2(texte.contains(u(mot)), mot);
    for (const char* fuite : {"fonttbl", "Times New Roman", "\\", "{", "}", "\uFFFD"})
        QVERIFY2(!texte.contains(u(fuite)), fuite);
}

QTEST_MAIN(TestFenetres)
#include "tst_fenetres.moc"
