// The About window with the tooltip option, the blinking images and the help
// window, through the real main window.
#include "Banc.h"
#include "windows/FrmAide.h"
#include "windows/FrmApropos.h"
#include "windows/LecteurRtf.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
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

QString ligne2(const QByteArray& ini)
{
    return QString::fromLatin1(ini.split('\n').value(1));
}
} // namespace

class TestFenetres : public QObject {
    Q_OBJECT
private slots:
    void apropos_showsItsTextsCentred_untouchedChangesNothing();
    void apropos_clearingTheBox_hidesEveryTooltipAndWritesTheSettings();
    void startWithOptionZero_tooltipsHiddenEvenAfterReadingAgain_boxCleared();
    void apropos_links_openTheShortcutAndTheMail();
    void timer_alternatesTheImages_eachWithItsPointer();
    void aide_showsTheManualModelessWithItsLayout();
    void aide_secondClick_reusesTheWindow_afterClosingReadsAgain();
    void aide_textAreaFollowsResize_andStaysWhenMinimised();
    void aide_missingOrUnreadableFile_opensEmptyWithAMessage();
    void manual_isReadableRtfCoveringThePrograms();
};

void TestFenetres::apropos_showsItsTextsCentred_untouchedChangesNothing()
{
    Banc b;
    b.reglages();
    FrmPrincipal& fen = b.demarrer();
    const QByteArray ini = b.lire(QStringLiteral("Zuta.ini"));
    const QStringList avant = bulles(fen);
    QVERIFY(!avant.contains(QString()));
    QPoint centre;
    QVERIFY(avecApropos(fen.Image1, [&](FrmApropos& f) {
        QCOMPARE(f.windowTitle(), QStringLiteral("A propos de..."));
        QCOMPARE(f.LabelApropos[0]->text(), QStringLiteral("Zuta! v1.2b"));
        QCOMPARE(f.LabelApropos[1]->text(), QStringLiteral("Tavernix — 2005-2026"));
        QCOMPARE(f.Label4->text(), QStringLiteral("Site internet : "));
        QCOMPARE(f.LabelUrl->text(), QStringLiteral("https://www.tavernix.example/zuta"));
        QCOMPARE(f.Label2->text(), QStringLiteral("Adresse mail :"));
        QCOMPARE(f.Label3->text(), QStringLiteral("zuta@tavernix.example"));
        QVERIFY(!f.Label1->text().isEmpty() && !f.Label5->text().isEmpty());
        QVERIFY(!f.Image1->pixmap().isNull());
        QCOMPARE(f.CheckInfoBulles->text(), QStringLiteral("Info-bulles visibles"));
        QVERIFY(f.CheckInfoBulles->isChecked());
        QCOMPARE(f.Command1->text(), QStringLiteral("OK"));
        QVERIFY(f.isModal());
        centre = f.frameGeometry().center();
    }));
    QVERIFY((centre - fen.frameGeometry().center()).manhattanLength() <= 2);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(bulles(fen), avant);
    QCOMPARE(b.lire(QStringLiteral("Zuta.ini")), ini);
    QCOMPARE(b.p().etat.OptionInfoBulles, 1.0f);
    QCOMPARE(b.p().etat.ChargementApropos, 0);
    QVERIFY(b.boites().isEmpty());
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
    QCOMPARE(ligne2(b.lire(QStringLiteral("Zuta.ini"))), QStringLiteral(" 0 \r"));
    QStringList tags;
    for (QWidget* c : fen.controles()) {
        QVERIFY2(c->toolTip().isEmpty(), qPrintable(c->objectName()));
        QVERIFY(c->accessibleDescription().isEmpty());
        tags << c->property("Tag").toString();
    }
    QCOMPARE(tags, design);
    QVERIFY(fen.ComboRecettCat->lineEdit()->toolTip().isEmpty());

    // Checking it again brings them back.
    bool coche = true;
    QVERIFY(avecApropos(fen.Image1, [&](FrmApropos& f) {
        coche = f.CheckInfoBulles->isChecked();
        f.CheckInfoBulles->click();
    }));
    QVERIFY(!coche);
    QCOMPARE(bulles(fen), design);
    QCOMPARE(fen.CommandAide->accessibleDescription(), QStringLiteral("Afficher l'aide"));
    QCOMPARE(fen.ComboRecettCat->lineEdit()->toolTip(), QStringLiteral("Catégorie de la recette."));
    QCOMPARE(fen.CommandAide->property("Tag").toString(), QString());
    QCOMPARE(ligne2(b.lire(QStringLiteral("Zuta.ini"))), QStringLiteral(" 1 \r"));
    QVERIFY(b.boites().isEmpty());
}

void TestFenetres::startWithOptionZero_tooltipsHiddenEvenAfterReadingAgain_boxCleared()
{
    Banc b;
    b.reglages(QStringLiteral("*"), 0, 0);
    FrmPrincipal& fen = b.demarrer();
    // Loading or creating a base reads the settings again.
    b.p().etat.EtatDemarrage = 0;
    b.p().Main();
    for (QWidget* c : fen.controles())
        QVERIFY2(c->toolTip().isEmpty(), qPrintable(c->objectName()));
    QCOMPARE(fen.CommandQuitter->property("Tag").toString(), QStringLiteral("A bientôt !"));
    bool coche = true;
    QVERIFY(avecApropos(fen.Image1, [&](FrmApropos& f) { coche = f.CheckInfoBulles->isChecked(); }));
    QVERIFY(!coche);
    QVERIFY(fen.CommandAide->toolTip().isEmpty());
}

void TestFenetres::apropos_links_openTheShortcutAndTheMail()
{
    Banc b;
    b.reglages();
    FrmPrincipal& fen = b.demarrer();
    QVERIFY(avecApropos(fen.Image1, [](FrmApropos& f) {
        QTest::mouseClick(f.LabelUrl, Qt::LeftButton);
        f.Label3->setFocus();
        QTest::keyClick(f.Label3, Qt::Key_Return);
    }));
    QCOMPARE(b.plateforme.ouverts,
             QStringList({b.chemin(QStringLiteral("Tavernix.url")), QStringLiteral("mailto:zuta@tavernix.example")}));
    QVERIFY(b.boites().isEmpty());
}

void TestFenetres::timer_alternatesTheImages_eachWithItsPointer()
{
    Banc b;
    b.reglages();
    FrmPrincipal& fen = b.demarrer();
    QVERIFY(fen.Timer1->isActive());
    QCOMPARE(fen.Timer1->interval(), 1000);
    QVERIFY(fen.Image1->isVisible() && !fen.Image2->isVisible());
    b.p().fenetres.Timer1_Timer();
    QVERIFY(!fen.Image1->isVisible() && fen.Image2->isVisible());
    // Whichever picture shows, a click opens the About window.
    QVERIFY(avecApropos(fen.Image2, [](FrmApropos&) {}));
    b.p().fenetres.Timer1_Timer();
    QVERIFY(fen.Image1->isVisible() && !fen.Image2->isVisible());
    for (QLabel* image : {fen.Image1, fen.Image2}) {
        QCOMPARE(image->toolTip(), QStringLiteral("A propos de..."));
        QVERIFY(!image->pixmap().isNull());
        QCOMPARE(image->cursor().shape(), Qt::BitmapCursor);
    }
    QVERIFY(fen.Image1->cursor().pixmap().toImage() != fen.Image2->cursor().pixmap().toImage());
}

void TestFenetres::aide_showsTheManualModelessWithItsLayout()
{
    Banc b;
    b.reglages();
    b.ecrireOctets(QStringLiteral("Zuta.rtf"), donneeTest(QStringLiteral("rtf/wordpad.rtf")));
    FrmPrincipal& fen = b.demarrer();
    QVERIFY(!b.p().fenetres.aide());
    fen.CommandAide->click();
    FrmAide* aide = b.p().fenetres.aide();
    QVERIFY(aide && aide->isVisible());
    QCOMPARE(aide->windowTitle(), QStringLiteral("Zuta! / Aide"));
    QCOMPARE(aide->rien->title(), QStringLiteral("&Fichier"));
    QCOMPARE(aide->AideQuit->text(), QStringLiteral("&Quitter"));
    QVERIFY(aide->RichTextBox1->isReadOnly());
    QVERIFY(!aide->isModal() && !QApplication::activeModalWidget());
    QVERIFY((aide->frameGeometry().center() - fen.frameGeometry().center()).manhattanLength() <= 2);
    QVERIFY(fen.isEnabled());  // the main window goes on working
    QVERIFY(b.boites().isEmpty());

    // Blocks keep their alignment, passages their formats.
    const QTextDocument& document = *aide->RichTextBox1->document();
    QCOMPARE(document.blockCount(), 6);
    const QTextBlock titre = document.firstBlock();
    QCOMPARE(titre.text(), QStringLiteral("Recettes de Noël"));
    QCOMPARE(titre.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(titre.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(titre.begin().fragment().charFormat().fontPointSize(), 16.0);
    for (auto it = titre.next().begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        QCOMPARE(f.charFormat().fontItalic(), f.text() == QStringLiteral("bûche"));
        QCOMPARE(f.charFormat().fontUnderline(), f.text() == QStringLiteral("pâté en croûte"));
    }
    QCOMPARE(document.findBlockByNumber(3).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

void TestFenetres::aide_secondClick_reusesTheWindow_afterClosingReadsAgain()
{
    Banc b;
    b.reglages();
    b.ecrire(QStringLiteral("Zuta.rtf"), QStringLiteral("{\\rtf1 Premi\\'e8re lecture\\par}"));
    FrmPrincipal& fen = b.demarrer();
    fen.CommandAide->click();
    QPointer<FrmAide> premiere = b.p().fenetres.aide();
    b.ecrire(QStringLiteral("Zuta.rtf"), QStringLiteral("{\\rtf1 Seconde lecture\\par}"));
    premiere->showMinimized();
    fen.CommandAide->click();
    QCOMPARE(b.p().fenetres.aide(), premiere.data());
    QVERIFY(!premiere->isMinimized() && premiere->isVisible());
    QCOMPARE(premiere->RichTextBox1->toPlainText(), QStringLiteral("Première lecture"));

    premiere->AideQuit->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!premiere);
    QVERIFY(!b.p().fenetres.aide());
    fen.CommandAide->click();
    QVERIFY(b.p().fenetres.aide());
    QCOMPARE(b.p().fenetres.aide()->RichTextBox1->toPlainText(), QStringLiteral("Seconde lecture"));
}

void TestFenetres::aide_textAreaFollowsResize_andStaysWhenMinimised()
{
    Banc b;
    b.reglages();
    b.ecrire(QStringLiteral("Zuta.rtf"), QStringLiteral("{\\rtf1 Aide\\par}"));
    FrmPrincipal& fen = b.demarrer();
    fen.CommandAide->click();
    FrmAide& aide = *b.p().fenetres.aide();
    auto remplit = [&] {
        const QRect zone = aide.centralWidget()->geometry();
        return aide.RichTextBox1 == aide.centralWidget() && zone.left() == 0 && zone.width() == aide.width()
            && zone.top() == aide.menuBar()->height() && zone.bottom() == aide.height() - 1;
    };
    for (const QSize taille : {QSize(500, 380), QSize(900, 700), QSize(320, 240)}) {
        aide.resize(taille);
        QCoreApplication::processEvents();
        QVERIFY2(remplit(), qPrintable(QStringLiteral("%1x%2").arg(taille.width()).arg(taille.height())));
    }
    const QRect avant = aide.RichTextBox1->geometry();
    aide.showMinimized();
    QCoreApplication::processEvents();
    QCOMPARE(aide.RichTextBox1->geometry(), avant);
    aide.showNormal();
    QCoreApplication::processEvents();
    QCOMPARE(aide.RichTextBox1->geometry(), avant);
}

void TestFenetres::aide_missingOrUnreadableFile_opensEmptyWithAMessage()
{
    Banc b;
    b.reglages();
    FrmPrincipal& fen = b.demarrer();
    fen.CommandAide->click();
    FrmAide* aide = b.p().fenetres.aide();
    QVERIFY(aide && aide->isVisible());
    QVERIFY(aide->RichTextBox1->toPlainText().isEmpty());
    QCOMPARE(b.boites(), QStringList({QStringLiteral("Zuta! / Aide | Le fichier d'aide « ") + b.chemin(QStringLiteral("Zuta.rtf"))
                                      + QStringLiteral(" » est introuvable : l'aide ne peut pas être affichée.")}));
    aide->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(QDir(b.dossier()).mkdir(QStringLiteral("Zuta.rtf")));  // a folder cannot be read as a file
    fen.CommandAide->click();
    QVERIFY(b.p().fenetres.aide()->RichTextBox1->toPlainText().isEmpty());
    QCOMPARE(b.boites(), QStringList({QStringLiteral("Zuta! / Aide | Le fichier d'aide « ") + b.chemin(QStringLiteral("Zuta.rtf"))
                                      + QStringLiteral(" » ne peut pas être lu : l'aide ne peut pas être affichée.")}));
}

void TestFenetres::manual_isReadableRtfCoveringThePrograms()
{
    const QByteArray octets = donneeTest(QStringLiteral("../../data/Zuta.rtf"));
    QVERIFY(LecteurRtf::estRtf(octets));
    const QString texte = LecteurRtf::lire(octets).texte();
    for (const char* mot : {"Recherche", "Actualiser", "Valider", "Supprimer", "Saisie en chaine", "Créer Index",
                            "Index.txt", "Imprimer", "Charger", "Nouvelle", "Conversion.txt", "-OLD.don", "Zuta.ini",
                            ".don", "Info-bulles visibles", "A propos de...", "œ", "€", "é", "è", "à", "ç"})
        QVERIFY2(texte.contains(QString::fromUtf8(mot)), mot);
    for (const char* fuite : {"fonttbl", "Times New Roman", "\\", "{", "}", "\uFFFD"})
        QVERIFY2(!texte.contains(QString::fromUtf8(fuite)), fuite);
}

QTEST_MAIN(TestFenetres)
#include "tst_fenetres.moc"
