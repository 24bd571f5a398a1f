// The help window's rich-text reader (the manual, word processors' files, damaged input); the shortcut reader.
#include "Outils.h"
#include "windows/LecteurRtf.h"
#include "windows/RaccourciInternet.h"

namespace {
// The paragraphs, a line each: alignment (G, C, D, J), spacing when not zero, " | " and the text.
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

// "text=" and the format of the first passage holding the text: G bold, I italic, S underlined, half-points.
QString format(const DocumentRtf& doc, const QString& texte)
{
    for (const ParagrapheRtf& p : doc.paragraphes)
        for (const PassageRtf& s : p.passages)
            if (s.texte.contains(texte))
                return texte + u(s.gras ? "=G" : "=") + u(s.italique ? "I" : "") + u(s.souligne ? "S" : "")
                    + QString::number(s.demiPoints);
    return texte + u("=absent");
}
} // namespace

class TestLecteurRtf : public QObject {
    Q_OBJECT
private slots:
    // The manual beside the program: read whole, covering every window, nothing of the RTF leaking.
    void manuelLivre_luEntierSansFuite_couvreLesFenetres()
    {
        const QString texte = LecteurRtf::lire(donneeTest(u("../../data/Zuta.rtf"))).texte();
        const QString mots = u("Recherche|Actualiser|Valider|Supprimer|Saisie en chaine|Créer Index|Index.txt|Imprimer|"
                               "Charger|Nouvelle|Conversion.txt|-OLD.don|Zuta.ini|.don|Info-bulles visibles|"
                               "A propos de...|Exporter...|Import.txt|--importer|œ|€|é|è|à|ç");
        for (const QString& mot : mots.split(QLatin1Char('|')))
            QVERIFY2(texte.contains(mot), qPrintable(mot));
        for (const char* fuite : {"fonttbl", "Times New Roman", "\\", "{", "}", "\uFFFD"})
            QVERIFY2(!texte.contains(u(fuite)), fuite);
    }

    // Paragraphs keep alignment and spacing (\pard resets it), passages their formats, text-less groups are skipped;
    // damaged input keeps what it can (\uc2 skips an escape and a control word; past the nesting cap: parent state).
    void rtfOuTexte_paragraphesAlignesEtPassagesFormates_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("attendus");
        QTest::addColumn<QString>("passages"); // "text=format" of some passages
        auto cas = [](const char* n, QByteArray o, QString a, QString p = {}) { QTest::newRow(n) << o << a << p; };
        cas("WordPad", donneeTest(u("rtf/wordpad.rtf")),
            u("C 0 200 0 0 | Recettes de Noël\n"
              "G 0 200 0 0 | La bûche et le pâté en croûte coûtent 15 € ; les œufs à part.\n"
              "G 0 200 0 0 | Ligne un\u2028ligne deux\taprès tabulation.\n"
              "D 0 200 0 0 | Symboles : { } \\ ins\u00A0cables\u2011trait\u00ADcésure.\n"
              "G | Я\uF0B7€ fin visible.\nG | Petit texte"),
            u("Noël=G32; bûche=I22; pâté en croûte=S22; coûtent=22; Petit=18"));
        // Converted by "libreoffice --headless --convert-to rtf" from libreoffice.html beside it.
        cas("LibreOffice", donneeTest(u("rtf/libreoffice.rtf")),
            u("G 0 283 0 0 | Texte gras, italique et souligné.\nC 0 283 0 0 | Grand titre centré\n"
              "D 0 283 0 0 | À droite : crème brûlée, œufs, 12 €.\nJ 0 283 0 0 | Justifié : Ελληνικά et 日本."),
            u("Texte=24; gras=G24; italique=I24; souligné=S24; Grand titre=40; droite=24"));
        cas("espacement borné", "{\\rtf1\\li568\\fi-284\\sb99999999 x\\par}", u("G 15000 0 568 -284 | x"), u("x=24"));
        cas("groupes sautés",
            "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}{\\stylesheet{\\s1 Titre;}}"
            "{\\info{\\title Secret}{\\author Personne}}{\\header En-tete}{\\footer Pied}"
            "{\\*\\generator Machin;}{\\*\\inconnu {\\b cache}}{\\pict\\pngblip 89504e47}"
            "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt lien}} texte\\motinconnu42  suite\\par}",
            u("G | lien texte suite"), u("lien=24"));
        cas("symboles de contrôle",
            "{\\rtf1 a\\uc0\\u233 b\\uc2\\u339\\'3f\\tab c\\uc1\\u8364{X}\\u-10179?\\u-8704?\\emdash\\bullet}",
            u("G | aébœc€X\U0001F600—•"));
        cas("après des blancs", "\r\n {\\rtf1 x}", u("G | x"));
        cas("jamais fermé", "{\\rtf1 abc {\\b def", u("G | abc def"), u("abc=24; def=G24"));
        cas("fermé trop souvent, texte après", "{\\rtf1 a\\par}}}} b\\par", u("G | a"));
        cas("échappements faux et coupé", "{\\rtf1 x\\'zzy\\'4", u("G | xzzy4"));
        cas("barre oblique finale", "{\\rtf1 x\\", u("G | x"));
        cas("taille énorme", "{\\rtf1\\fs99999999999999999999999 g}", u("G | g"));
        cas("unicode énorme", "{\\rtf1\\uc0\\u99999999999 \\u-99999999999 z}", u("G | \uFFFD\uFFFDz"));
        cas("binaire énorme", "{\\rtf1 a\\bin999999999 bcd}", u("G | a"));
        cas("repli énorme", "{\\rtf1\\uc99999\\u233 abcdefghijklmnopqrstuvwxyz}", u("G | éqrstuvwxyz"));
        cas("mot de contrôle long", "{\\rtf1 a\\" + QByteArray(100000, 'b') + " c}", u("G | ac"));
        cas("moins sans chiffres", "{\\rtf1\\b- x}", u("G | - x"), u("x=G24"));
        cas("vide", "{\\rtf", QString());
        cas("octets nuls", QByteArray("{\\rtf1 a\0b}", 11), QString::fromUtf16(u"G | a\0b", 7));
        cas("100000 groupes, état rendu",
            "{\\rtf1 " + QByteArray(100000, '{') + "\\b x" + QByteArray(100000, '}') + "y}", u("G | xy"),
            u("x=G24; y=24"));
        cas("100000 groupes jamais fermés", "{\\rtf1 " + QByteArray(100000, '{') + "z", u("G | z"));
        cas("texte brut", "Un\r\n\xe0 deux\r\n\r\nfin\r\n", u("G | Un\nG | à deux\nG | \nG | fin"), u("deux=24"));
        cas("rien", QByteArray(), QString());
    }

    void rtfOuTexte_paragraphesAlignesEtPassagesFormates()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QString, attendus);
        QFETCH(QString, passages);
        const DocumentRtf doc = LecteurRtf::lire(octets);
        QCOMPARE(paragraphes(doc), attendus);
        for (const QString& attendu : passages.split(u("; "), Qt::SkipEmptyParts))
            QCOMPARE(format(doc, attendu.section(QLatin1Char('='), 0, 0)), attendu);
    }

    // The "URL=" line of the "[InternetShortcut]" section; only web and mail addresses are safe.
    void raccourci_adresseDeSaSection_webOuMailSeulsSurs()
    {
        QCOMPARE(RaccourciInternet::adresse("[Autre]\nURL=http://a.example\n[InternetShortcut]\nIconIndex=0\n"
                                            "url = x\nURL=http://b.example\n"),
                 u("http://b.example"));
        QCOMPARE(RaccourciInternet::adresse("URL=http://hors.section.example\n"), QString());
        for (const char* sure : {"https://tavernix.example/zuta", "http://a.example", "mailto:zuta@tavernix.example"})
            QVERIFY2(RaccourciInternet::adresseSure(u(sure)), sure);
        for (const char* refusee : {"file:///bin/sh", "javascript:alert(1)", "/bin/sh", ""})
            QVERIFY2(!RaccourciInternet::adresseSure(u(refusee)), refusee);
    }
};

QTEST_GUILESS_MAIN(TestLecteurRtf)
#include "tst_lecteurrtf.moc"
