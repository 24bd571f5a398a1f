// The help window's rich-text reader on the manual, on files written by word
// processors and on damaged input; the internet shortcut reader.
#include "Outils.h"
#include "windows/LecteurRtf.h"
#include "windows/RaccourciInternet.h"

namespace {
// The paragraphs, a line each: alignment (G, C, D, J), spacing when not
// zero, " | " and the text.
QString paragraphes(const DocumentRtf& doc)
{
    QStringList t;
    for (const ParagrapheRtf& p : doc.paragraphes) {
        const EspacementRtf& e = p.espacement;
        QString ligne = QChar::fromLatin1("GCDJ"[int(p.alignement)]);
        if (e != EspacementRtf())
            ligne += u(" %1 %2 %3 %4").arg(e.avant).arg(e.apres).arg(e.retraitGauche).arg(e.retraitPremiere);
        t << ligne + u(" | ") + p.texte();
    }
    return t.join(QLatin1Char('\n'));
}

// The format of the first passage holding the text: G for bold, I for italic,
// S for underlined, then the size in half-points.
QString format(const DocumentRtf& doc, const QString& texte)
{
    for (const ParagrapheRtf& p : doc.paragraphes)
        for (const PassageRtf& s : p.passages)
            if (s.texte.contains(texte))
                return (s.gras ? u("G") : QString()) + (s.italique ? u("I") : QString())
                    + (s.souligne ? u("S") : QString()) + QString::number(s.demiPoints);
    return u("absent");
}
} // namespace

class TestLecteurrtf : public QObject {
    Q_OBJECT
private slots:
    // The manual beside the program: read whole, covering every window.
    void manuelLivre_luEntierSansFuite_couvreLesFenetres()
    {
        const QString texte = LecteurRtf::lire(donneeTest(u("../../data/Zuta.rtf"))).texte();
        for (const char* mot : {"Recherche",
                                "Actualiser",
                                "Valider",
                                "Supprimer",
                                "Saisie en chaine",
                                "Créer Index",
                                "Index.txt",
                                "Imprimer",
                                "Charger",
                                "Nouvelle",
                                "Conversion.txt",
                                "-OLD.don",
                                "Zuta.ini",
                                ".don",
                                "Info-bulles visibles",
                                "A propos de...",
                                "œ",
                                "€",
                                "é",
                                "è",
                                "à",
                                "ç"})
            QVERIFY2(texte.contains(u(mot)), mot);
        for (const char* fuite : {"fonttbl", "Times New Roman", "\\", "{", "}", "\uFFFD"})
            QVERIFY2(!texte.contains(u(fuite)), fuite);
    }

    // Paragraphs keep their alignment and spacing (\pard resets it), passages
    // their formats; groups without text of the document are skipped; control
    // symbols and Unicode with their fallbacks (\uc0: none; \uc2 skips an
    // escape and a control word; a group end stops the skipping); damaged
    // input keeps what it can, a group nested past the cap gives back the
    // state of its parent; plain text is a paragraph a line.
    void rtfOuTexte_paragraphesAlignesEtPassagesFormates_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("attendus");
        QTest::addColumn<QString>("passages"); // "text=format" of some passages
        QTest::newRow("WordPad") << donneeTest(u("rtf/wordpad.rtf"))
                                 << u("C 0 200 0 0 | Recettes de Noël\n"
                                      "G 0 200 0 0 | La bûche et le pâté en croûte coûtent 15 € ; les œufs à part.\n"
                                      "G 0 200 0 0 | Ligne un\u2028ligne deux\taprès tabulation.\n"
                                      "D 0 200 0 0 | Symboles : { } \\ ins\u00A0cables\u2011trait\u00ADcésure.\n"
                                      "G | Я\uF0B7€ fin visible.\nG | Petit texte")
                                 << u("Noël=G32; bûche=I22; pâté en croûte=S22; coûtent=22; Petit=18");
        // Converted by "libreoffice --headless --convert-to rtf" from libreoffice.html beside it.
        QTest::newRow("LibreOffice")
            << donneeTest(u("rtf/libreoffice.rtf"))
            << u("G 0 283 0 0 | Texte gras, italique et souligné.\nC 0 283 0 0 | Grand titre centré\n"
                 "D 0 283 0 0 | À droite : crème brûlée, œufs, 12 €.\nJ 0 283 0 0 | Justifié : Ελληνικά et 日本.")
            << u("Texte=24; gras=G24; italique=I24; souligné=S24; Grand titre=40; droite=24");
        QTest::newRow("retraits, espacement borné")
            << QByteArray("{\\rtf1\\li568\\fi-284\\sb99999999 x\\par}") << u("G 15000 0 568 -284 | x") << u("x=24");
        QTest::newRow("groupes sautés") << QByteArray(
            "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}{\\stylesheet{\\s1 Titre;}}"
            "{\\info{\\title Secret}{\\author Personne}}{\\header En-tete}{\\footer Pied}"
            "{\\*\\generator Machin;}{\\*\\inconnu {\\b cache}}{\\pict\\pngblip 89504e47}"
            "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt lien}} texte\\motinconnu42  suite\\par}")
                                        << u("G | lien texte suite") << u("lien=24");
        QTest::newRow("symboles de contrôle") << QByteArray(
            "{\\rtf1 a\\uc0\\u233 b\\uc2\\u339\\'3f\\tab c\\uc1\\u8364{X}\\u-10179?\\u-8704?\\emdash\\bullet}")
                                              << u("G | aébœc€X\U0001F600—•") << QString();
        QTest::newRow("après des blancs") << QByteArray("\r\n {\\rtf1 x}") << u("G | x") << QString();
        QTest::newRow("jamais fermé") << QByteArray("{\\rtf1 abc {\\b def") << u("G | abc def") << u("abc=24; def=G24");
        QTest::newRow("fermé trop souvent, texte après")
            << QByteArray("{\\rtf1 a\\par}}}} b\\par") << u("G | a") << QString();
        QTest::newRow("échappements faux et coupé") << QByteArray("{\\rtf1 x\\'zzy\\'4") << u("G | xzzy4") << QString();
        QTest::newRow("barre oblique finale") << QByteArray("{\\rtf1 x\\") << u("G | x") << QString();
        QTest::newRow("taille énorme") << QByteArray("{\\rtf1\\fs99999999999999999999999 g}") << u("G | g")
                                       << QString();
        QTest::newRow("unicode énorme") << QByteArray("{\\rtf1\\uc0\\u99999999999 \\u-99999999999 z}")
                                        << u("G | \uFFFD\uFFFDz") << QString();
        QTest::newRow("binaire énorme") << QByteArray("{\\rtf1 a\\bin999999999 bcd}") << u("G | a") << QString();
        QTest::newRow("repli énorme") << QByteArray("{\\rtf1\\uc99999\\u233 abcdefghijklmnopqrstuvwxyz}")
                                      << u("G | éqrstuvwxyz") << QString();
        QTest::newRow("mot de contrôle long")
            << "{\\rtf1 a\\" + QByteArray(100000, 'b') + " c}" << u("G | ac") << QString();
        QTest::newRow("moins sans chiffres") << QByteArray("{\\rtf1\\b- x}") << u("G | - x") << u("x=G24");
        QTest::newRow("vide") << QByteArray("{\\rtf") << QString() << QString();
        QTest::newRow("octets nuls") << QByteArray("{\\rtf1 a\0b}", 11) << QString::fromUtf16(u"G | a\0b", 7)
                                     << QString();
        QTest::newRow("100000 groupes, état rendu")
            << "{\\rtf1 " + QByteArray(100000, '{') + "\\b x" + QByteArray(100000, '}') + "y}" << u("G | xy")
            << u("x=G24; y=24");
        QTest::newRow("100000 groupes jamais fermés")
            << "{\\rtf1 " + QByteArray(100000, '{') + "z" << u("G | z") << QString();
        QTest::newRow("texte brut") << QByteArray("Bonjour\r\n\xe0 tous\r\n\r\nfin\r\n")
                                    << u("G | Bonjour\nG | à tous\nG | \nG | fin") << u("tous=24");
        QTest::newRow("rien") << QByteArray() << QString() << QString();
    }

    void rtfOuTexte_paragraphesAlignesEtPassagesFormates()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QString, attendus);
        QFETCH(QString, passages);
        const DocumentRtf doc = LecteurRtf::lire(octets);
        QCOMPARE(paragraphes(doc), attendus);
        for (const QString& attendu : passages.split(u("; "), Qt::SkipEmptyParts)) {
            const QString texte = attendu.section(QLatin1Char('='), 0, 0);
            QCOMPARE(texte + u("=") + format(doc, texte), attendu);
        }
    }

    // The "URL=" line of the "[InternetShortcut]" section; only web and mail addresses are safe.
    void raccourci_adresseDeSaSection_webOuMailSeulsSurs()
    {
        QCOMPARE(RaccourciInternet::adresse("[Autre]\nURL=http://a.example\n[InternetShortcut]\nIconIndex=0\n"
                                            "url = x\nURL=http://b.example\n"),
                 u("http://b.example"));
        QCOMPARE(RaccourciInternet::adresse("URL=http://hors.section.example\n"), QString());
        for (const char* sure :
             {"https://www.tavernix.example/zuta", "http://a.example", "mailto:zuta@tavernix.example"})
            QVERIFY2(RaccourciInternet::adresseSure(u(sure)), sure);
        for (const char* refusee : {"file:///bin/sh", "javascript:alert(1)", "/bin/sh", ""})
            QVERIFY2(!RaccourciInternet::adresseSure(u(refusee)), refusee);
    }
};

QTEST_GUILESS_MAIN(TestLecteurrtf)
#include "tst_lecteurrtf.moc"
