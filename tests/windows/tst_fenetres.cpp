// The About window with the tooltip option, the blinking images and the help
// window, through the real main window; the help window's rich-text reader on
// files written by word processors and on damaged input; the internet
// shortcut reader.
#include "Banc.h"
#include "platform/RaccourciInternet.h"
#include "windows/FrmAide.h"
#include "windows/FrmApropos.h"
#include "windows/LecteurRtf.h"
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTextBlock>
#include <sys/stat.h>
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

// The passage holding the given text.
const PassageRtf* passage(const DocumentRtf& doc, const QString& texte)
{
    for (const ParagrapheRtf& p : doc.paragraphes)
        for (const PassageRtf& passage : p.passages)
            if (passage.texte.contains(texte))
                return &passage;
    return nullptr;
}

QStringList textes(const DocumentRtf& doc)
{
    QStringList t;
    for (const ParagrapheRtf& p : doc.paragraphes)
        t << p.texte();
    return t;
}

QList<AlignementRtf> alignements(const DocumentRtf& doc)
{
    QList<AlignementRtf> a;
    for (const ParagrapheRtf& p : doc.paragraphes)
        a << p.alignement;
    return a;
}
} // namespace

class TestFenetres : public QObject {
    Q_OBJECT
private slots:
    // The pictures take turns, each with its own pointer; a click on either
    // opens the modal About window, centred, with its texts and its links.
    // Closed untouched, it changes nothing.
    void apropos_imagesTextsLinks_untouchedChangesNothing()
    {
        Banc b;
        b.reglages();
        b.ecrireOctets(u("Tavernix.url"), donneeTest(u("../../data/Tavernix.url")));
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
        QCOMPARE(b.plateforme.ouverts, QStringList({u("https://www.tavernix.example/zuta"), u("mailto:zuta@tavernix.example")}));
        QVERIFY((centre - fen.frameGeometry().center()).manhattanLength() <= 2);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(bulles(fen), avant);
        QCOMPARE(b.lire(u("Zuta.ini")), ini);
        QCOMPARE(b.p().etat.OptionInfoBulles, 1.0f);
        QVERIFY(b.boites().isEmpty());
        b.p().fenetres.Timer1_Timer();
        QVERIFY(fen.Image1->isVisible() && !fen.Image2->isVisible());
    }

    // The web and mail links when the desktop cannot follow them, and a
    // shortcut missing, a pipe, or naming no web address: one box each,
    // giving the address, and nothing waits on the pipe.
    void apropos_liensNonOuverts_boiteDonnantLAdresse_data()
    {
        QTest::addColumn<QByteArray>("raccourci"); // null: none; "tube": a pipe
        QTest::addColumn<QString>("raison");
        const QString site = u("\nSon adresse : https://www.tavernix.example/zuta");
        QTest::newRow("aucun navigateur") << donneeTest(u("../../data/Tavernix.url"))
                                          << u("Aucun navigateur n'a pu ouvrir le site internet.") + site;
        QTest::newRow("raccourci manquant") << QByteArray() << u(" est introuvable : le site internet n'est pas ouvert.") + site;
        QTest::newRow("raccourci tube") << QByteArray("tube")
                                        << u(" désigne un tube nommé, pas un fichier ordinaire : le site internet n'est pas "
                                             "ouvert.") + site;
        QTest::newRow("raccourci vers un programme")
            << QByteArray("[InternetShortcut]\r\nURL=file:///bin/sh\r\n")
            << u(" ne contient pas l'adresse d'un site internet : le site internet n'est pas ouvert.") + site;
    }

    void apropos_liensNonOuverts_boiteDonnantLAdresse()
    {
        QFETCH(QByteArray, raccourci);
        QFETCH(QString, raison);
        Banc b;
        b.reglages();
        const QString chemin = b.chemin(u("Tavernix.url"));
        if (raccourci == "tube")
            QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0600), 0);
        else if (!raccourci.isNull())
            b.ecrireOctets(u("Tavernix.url"), raccourci);
        FrmPrincipal& fen = b.demarrer();
        b.plateforme.ouvertureEchoue = true;
        QVERIFY(avecApropos(fen.Image1, [&](FrmApropos& f) {
            QTest::mouseClick(f.LabelUrl, Qt::LeftButton);
            QTest::mouseClick(f.Label3, Qt::LeftButton);
        }));
        const QString prefixe = raison.startsWith(u(" ")) ? u("Le raccourci ") + nomAffiche(chemin) : QString();
        QCOMPARE(b.boites(), (QStringList{u("Zuta! | ") + prefixe + raison,
                                          u("Zuta! | Aucun programme de messagerie n'a pu être ouvert.\nL'adresse : "
                                            "zuta@tavernix.example")}));
    }

    void apropos_clearingTheBox_hidesEveryTooltip_keptAfterLoadingOrCreatingABase()
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
        QCOMPARE(b.lignesReglages().value(1), u(" 0 "));
        verifierSansBulles(fen);
        QStringList tags;
        for (QWidget* c : fen.controles())
            tags << c->property("Tag").toString();
        QCOMPARE(tags, design);

        // Loading or creating a base runs the start-up again, which reads the
        // settings: the tooltips stay hidden, the option stays 0.
        b.plateforme.reponses << Plateforme::Reponse::Non << Plateforme::Reponse::Non << Plateforme::Reponse::Non;
        b.plateforme.fichiers << b.chemin(u("Zuta2005.don")) << b.chemin(u("Zuta2005.don")) << b.chemin(u("Neuve.don"));
        for (QPushButton* bouton : {fen.CommandCharger, fen.CommandCharger, fen.CommandNouvelle}) {
            QTest::mouseClick(bouton, Qt::LeftButton);
            verifierSansBulles(fen);
        }
        QCOMPARE(b.lignesReglages().value(1), u(" 0 "));
        QCOMPARE(b.boites().size(), 3); // the save questions

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
        QCOMPARE(b.lignesReglages().value(1), u(" 1 "));
        QVERIFY(b.boites().isEmpty());
    }

    void aide_showsTheManualModelessWithItsLayout_textAreaFollowsResize()
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
            QCOMPARE(f.charFormat().fontWeight(), int(QFont::Normal));
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


    // A help file that cannot be shown: the window opens empty and a box says
    // why.
    void aide_missingOrUnreadableFile_thenReadOnce_reusedWindow_readAgainAfterClosing()
    {
        Banc b;
        b.reglages();
        FrmPrincipal& fen = b.demarrer();
        // No help file, a folder, then a pipe (nothing waits on it).
        const QString rtf = b.chemin(u("Zuta.rtf"));
        const QList<std::pair<const char*, std::function<void()>>> cas{
            {"est introuvable", [] {}},
            {"désigne un dossier, pas un fichier ordinaire", [&] { QDir().mkdir(rtf); }},
            {"désigne un tube nommé, pas un fichier ordinaire",
             [&] { QDir().rmdir(rtf), ::mkfifo(QFile::encodeName(rtf).constData(), 0600); }},
        };
        for (const auto& [probleme, preparer] : cas) {
            preparer();
            fen.CommandAide->click();
            FrmAide* aide = b.p().fenetres.aide();
            QVERIFY(aide && aide->isVisible() && aide->RichTextBox1->toPlainText().isEmpty());
            QCOMPARE(b.boites(), QStringList{u("Zuta! / Aide | Le fichier d'aide ") + nomAffiche(rtf) + u(" ")
                                             + u(probleme) + u(" : l'aide ne peut pas être affichée.")});
            aide->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QFile::remove(rtf);

        // Read when the window opens; a second click brings the same window
        // back without reading again; once closed, it reads the file again.
        b.ecrire(u("Zuta.rtf"), u("{\\rtf1 Premi\\'e8re lecture\\par}"));
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

    void manual_isReadableRtfCoveringThePrograms()
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

    void wordpad_keepsTextFormatsAndAlignment()
    {
        const DocumentRtf doc = LecteurRtf::lire(donneeTest(u("rtf/wordpad.rtf")));
        QCOMPARE(textes(doc), QStringList({u("Recettes de Noël"),
                                           u("La bûche et le pâté en croûte coûtent 15 € ; les œufs à part."),
                                           u("Ligne un\u2028ligne deux\taprès tabulation."),
                                           u("Symboles : { } \\ ins\u00A0cables\u2011trait\u00ADcésure."),
                                           u("Я\uF0B7€ fin visible."), u("Petit texte")}));
        using enum AlignementRtf;
        QCOMPARE(alignements(doc), QList<AlignementRtf>({Centre, Gauche, Gauche, Droite, Gauche, Gauche}));
        // \pard brings the spacing back to nothing; \plain leaves it.
        QCOMPARE(doc.paragraphes[0].espacement, (EspacementRtf{0, 200, 0, 0}));
        QCOMPARE(doc.paragraphes[4].espacement, EspacementRtf());
        QCOMPARE(LecteurRtf::lire("{\\rtf1\\li568\\fi-284\\sb99999999 x\\par}").paragraphes[0].espacement,
                 (EspacementRtf{15000, 0, 568, -284}));

        // Sizes and bold; the italic and underlined passages of the second
        // paragraph are checked through the help window (aide_showsTheManual...).
        QVERIFY(passage(doc, u("Noël"))->gras && !passage(doc, u("Noël"))->italique);
        QCOMPARE(QList<int>({passage(doc, u("Noël"))->demiPoints, passage(doc, u("bûche"))->demiPoints,
                             passage(doc, u("Petit"))->demiPoints}),
                 QList<int>({32, 22, 18}));
        QVERIFY(!passage(doc, u("Petit"))->gras);
    }

    void libreoffice_keepsTextFormatsAndAlignment()
    {
        // Converted by "libreoffice --headless --convert-to rtf" from libreoffice.html beside it.
        const DocumentRtf doc = LecteurRtf::lire(donneeTest(u("rtf/libreoffice.rtf")));
        QCOMPARE(textes(doc), QStringList({u("Texte gras, italique et souligné."), u("Grand titre centré"),
                                           u("À droite : crème brûlée, œufs, 12 €."), u("Justifié : Ελληνικά et 日本.")}));
        using enum AlignementRtf;
        QCOMPARE(alignements(doc), QList<AlignementRtf>({Gauche, Centre, Droite, Justifie}));
        QVERIFY(passage(doc, u("gras"))->gras && !passage(doc, u("gras"))->italique);
        QVERIFY(passage(doc, u("italique"))->italique);
        QVERIFY(passage(doc, u("souligné"))->souligne);
        QVERIFY(!passage(doc, u("Texte"))->gras);
        QCOMPARE(passage(doc, u("Grand titre"))->demiPoints, 40);
        QCOMPARE(passage(doc, u("droite"))->demiPoints, 24);
    }

    // Groups that hold no text of the document (tables, information, header
    // and footer, pictures, unknown destinations, a field's instruction) are
    // skipped; control symbols and Unicode with their fallbacks (\uc0 has
    // none; \uc2 skips an escape and a control word; a group end stops the
    // skipping); damaged input never crashes and keeps what it can.
    void texte_groupesSautesSymbolesEtEntreesAbimees_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("texte");
        QTest::newRow("skipped groups")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}{\\stylesheet{\\s1 Titre;}}"
                          "{\\info{\\title Secret}{\\author Personne}}{\\header En-tete}{\\footer Pied}"
                          "{\\*\\generator Machin;}{\\*\\inconnu {\\b cache}}{\\pict\\pngblip 89504e47}"
                          "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt lien}} texte\\motinconnu42  suite\\par}")
            << u("lien texte suite");
        QTest::newRow("control symbols")
            << QByteArray("{\\rtf1 a\\uc0\\u233 b\\uc2\\u339\\'3f\\tab c\\uc1\\u8364{X}\\u-10179?\\u-8704?\\emdash\\bullet\\par}")
            << u("aébœc€X\U0001F600—•");
        QTest::newRow("never closed") << QByteArray("{\\rtf1 abc {\\b def") << u("abc def");
        QTest::newRow("closed too often") << QByteArray("{\\rtf1 a}}}} b") << u("a");
        QTest::newRow("text after the document") << QByteArray("{\\rtf1 a\\par} b\\par") << u("a");
        QTest::newRow("cut escape") << QByteArray("{\\rtf1 x\\'4") << u("x4");
        QTest::newRow("bad escape") << QByteArray("{\\rtf1 x\\'zzy}") << u("xzzy");
        QTest::newRow("trailing backslash") << QByteArray("{\\rtf1 x\\") << u("x");
        QTest::newRow("huge size") << QByteArray("{\\rtf1\\fs99999999999999999999999 g}") << u("g");
        QTest::newRow("huge unicode") << QByteArray("{\\rtf1\\uc0\\u99999999999 \\u-99999999999 z}")
                                      << u("\uFFFD\uFFFDz");
        QTest::newRow("huge binary") << QByteArray("{\\rtf1 a\\bin999999999 bcd}") << u("a");
        QTest::newRow("huge fallback count") << QByteArray("{\\rtf1\\uc99999\\u233 abcdefghijklmnopqrstuvwxyz}")
                                             << u("éqrstuvwxyz");
        QTest::newRow("long control word") << QByteArray("{\\rtf1 a\\" + QByteArray(100000, 'b') + " c}")
                                           << u("ac");
        QTest::newRow("minus without digits") << QByteArray("{\\rtf1\\b- x}") << u("- x");
        QTest::newRow("empty") << QByteArray("{\\rtf") << QString();
        QTest::newRow("nul bytes") << QByteArray("{\\rtf1 a\0b}", 11) << QString::fromUtf16(u"a\0b", 3);
    }

    void texte_groupesSautesSymbolesEtEntreesAbimees()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, texte);
        QCOMPARE(LecteurRtf::lire(rtf).texte(), texte);
    }

    void deepNesting_restoresTheStateOfTheCappedGroup()
    {
        const int n = 100000;
        const QByteArray profond = "{\\rtf1 " + QByteArray(n, '{') + "\\b x" + QByteArray(n, '}') + "y}";
        DocumentRtf doc = LecteurRtf::lire(profond);
        QCOMPARE(doc.texte(), u("xy"));

        const QByteArray mesure = "{\\rtf1 " + QByteArray(300, '{') + "\\b x" + QByteArray(300, '}') + "y}";
        doc = LecteurRtf::lire(mesure);
        QCOMPARE(doc.texte(), u("xy"));
        QVERIFY(passage(doc, u("x"))->gras);
        QVERIFY(!passage(doc, u("y"))->gras);

        // Never closed at all.
        QCOMPARE(LecteurRtf::lire("{\\rtf1 " + QByteArray(n, '{') + "z").texte(), u("z"));
    }

    void plainText_isShownAsLines()
    {
        QVERIFY(!LecteurRtf::estRtf("Bonjour"));
        QVERIFY(LecteurRtf::estRtf("\r\n {\\rtf1}"));
        const DocumentRtf doc = LecteurRtf::lire("Bonjour\r\n\xe0 tous\r\n\r\nfin\r\n");
        QCOMPARE(textes(doc), QStringList({u("Bonjour"), u("à tous"), QString(),
                                           u("fin")}));
        QVERIFY(LecteurRtf::lire(QByteArray()).paragraphes.isEmpty());
    }

    void internetShortcut_givesItsAddress()
    {
        const QByteArray livre = donneeTest(u("../../data/Tavernix.url"));
        QCOMPARE(livre, QByteArray("[InternetShortcut]\r\nURL=https://www.tavernix.example/zuta\r\n"));
        QCOMPARE(RaccourciInternet::adresse(livre), u("https://www.tavernix.example/zuta"));
        QCOMPARE(RaccourciInternet::adresse("[Autre]\nURL=http://a.example\n[InternetShortcut]\nIconIndex=0\n"
                                            "url = x\nURL=http://b.example\n"),
                 u("http://b.example"));
        QCOMPARE(RaccourciInternet::adresse("URL=http://hors.section.example\n"), QString());
        QVERIFY(RaccourciInternet::adresseSure(u("https://www.tavernix.example/zuta")));
        QVERIFY(RaccourciInternet::adresseSure(u("mailto:zuta@tavernix.example")));
        QVERIFY(!RaccourciInternet::adresseSure(u("file:///bin/sh")));
        QVERIFY(!RaccourciInternet::adresseSure(QString()));
    }
};

QTEST_MAIN(TestFenetres)
#include "tst_fenetres.moc"
