// The help window's rich-text reader on files written by word processors and
// on damaged input, and the internet shortcut reader.
#include "Outils.h"
#include "platform/RaccourciInternet.h"
#include "windows/LecteurRtf.h"

namespace {

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

class TestLecteurRtf : public QObject {
    Q_OBJECT
private slots:
    void wordpad_keepsTextFormatsAndAlignment();
    void libreoffice_keepsTextFormatsAndAlignment();
    void skippedGroups_neverShowTheirText();
    void controlSymbols_andUnicodeFallback();
    void malformed_neverCrashesAndKeepsWhatItCan_data();
    void malformed_neverCrashesAndKeepsWhatItCan();
    void deepNesting_restoresTheStateOfTheCappedGroup();
    void plainText_isShownAsLines();
    void internetShortcut_givesItsAddress();
};

void TestLecteurRtf::wordpad_keepsTextFormatsAndAlignment()
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

    const PassageRtf* titre = passage(doc, u("Noël"));
    QVERIFY(titre && titre->gras && !titre->italique && titre->demiPoints == 32);
    const PassageRtf* buche = passage(doc, u("bûche"));
    QVERIFY(buche && buche->italique && !buche->gras && !buche->souligne && buche->demiPoints == 22);
    QCOMPARE(buche->texte, u("bûche"));
    const PassageRtf* pate = passage(doc, u("pâté"));
    QVERIFY(pate && pate->souligne && !pate->italique);
    QCOMPARE(pate->texte, u("pâté en croûte"));
    const PassageRtf* suite = passage(doc, u("coûtent"));
    QVERIFY(suite && !suite->souligne && !suite->italique && !suite->gras);
    const PassageRtf* petit = passage(doc, u("Petit"));
    QVERIFY(petit && petit->demiPoints == 18 && !petit->gras);
}

void TestLecteurRtf::libreoffice_keepsTextFormatsAndAlignment()
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

void TestLecteurRtf::skippedGroups_neverShowTheirText()
{
    const QByteArray rtf = "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}{\\stylesheet{\\s1 Titre;}}"
                           "{\\info{\\title Secret}{\\author Personne}}{\\header En-tete}{\\footer Pied}"
                           "{\\*\\generator Machin;}{\\*\\inconnu {\\b cache}}{\\pict\\pngblip 89504e47}"
                           "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt lien}} texte\\motinconnu42  suite\\par}";
    const DocumentRtf doc = LecteurRtf::lire(rtf);
    QCOMPARE(doc.texte(), u("lien texte suite"));
    QCOMPARE(doc.paragraphes.size(), 1);
}

void TestLecteurRtf::controlSymbols_andUnicodeFallback()
{
    // \uc0 has no fallback; \uc2 skips an escape and a control word; a group end stops the skipping.
    const DocumentRtf doc = LecteurRtf::lire(
        "{\\rtf1 a\\uc0\\u233 b\\uc2\\u339\\'3f\\tab c\\uc1\\u8364{X}\\u-10179?\\u-8704?\\emdash\\bullet\\par}");
    QCOMPARE(doc.texte(), u("aébœc€X\U0001F600—•"));
}

void TestLecteurRtf::malformed_neverCrashesAndKeepsWhatItCan_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("texte");
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

void TestLecteurRtf::malformed_neverCrashesAndKeepsWhatItCan()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, texte);
    QCOMPARE(LecteurRtf::lire(rtf).texte(), texte);
}

void TestLecteurRtf::deepNesting_restoresTheStateOfTheCappedGroup()
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

void TestLecteurRtf::plainText_isShownAsLines()
{
    QVERIFY(!LecteurRtf::estRtf("Bonjour"));
    QVERIFY(LecteurRtf::estRtf("\r\n {\\rtf1}"));
    const DocumentRtf doc = LecteurRtf::lire("Bonjour\r\n\xe0 tous\r\n\r\nfin\r\n");
    QCOMPARE(textes(doc), QStringList({u("Bonjour"), u("à tous"), QString(),
                                       u("fin")}));
    QVERIFY(LecteurRtf::lire(QByteArray()).paragraphes.isEmpty());
}

void TestLecteurRtf::internetShortcut_givesItsAddress()
{
    const QByteArray livre = donneeTest(u("../../data/Tavernix.url"));
    QCOMPARE(livre, QByteArray("[InternetShortcut]\r\nURL=https://www.tavernix.example/zuta\r\n"));
    QCOMPARE(RaccourciInternet::adresse(livre), u("https://www.tavernix.example/zuta"));
    QCOMPARE(RaccourciInternet::adresse("[Autre]\nURL=http://a.example\n[InternetShortcut]\nIconIndex=0\n"
                                        "url = x\nURL=http://b.example\n"),
             u("http://b.example"));
    QCOMPARE(RaccourciInternet::adresse("URL=http://hors.section.example\n"), QString());
    QCOMPARE(RaccourciInternet::adresseDuFichier(u("/nulle/part/Tavernix.url")), QString());
    QVERIFY(RaccourciInternet::estRaccourci(u("/x/Tavernix.URL")));
    QVERIFY(!RaccourciInternet::estRaccourci(u("https://a.example/page.url")));
    QVERIFY(!RaccourciInternet::estRaccourci(u("mailto:zuta@tavernix.example")));
    QVERIFY(RaccourciInternet::adresseSure(u("https://www.tavernix.example/zuta")));
    QVERIFY(RaccourciInternet::adresseSure(u("mailto:zuta@tavernix.example")));
    QVERIFY(!RaccourciInternet::adresseSure(u("file:///bin/sh")));
    QVERIFY(!RaccourciInternet::adresseSure(QString()));
}

QTEST_GUILESS_MAIN(TestLecteurRtf)
#include "tst_lecteurrtf.moc"
