// Spreadsheet text: records read from any shape, written byte for byte and
// read back, the encoding guessed, header names and separator recognised,
// formulas kept from running.
#include "Outils.h"
#include "echange/Csv.h"
#include "echange/EnteteCsv.h"

using EnteteCsv::Champ;

namespace {
QList<QStringList> champsDe(const Csv::Lecture& l)
{
    QList<QStringList> champs;
    for (const Csv::Enregistrement& e : l.enregistrements)
        champs.append(e.champs);
    return champs;
}

QList<int> lignesDe(const Csv::Lecture& l)
{
    QList<int> lignes;
    for (const Csv::Enregistrement& e : l.enregistrements)
        lignes.append(static_cast<int>(e.ligne));
    return lignes;
}
} // namespace

class TestCsv : public QObject {
    Q_OBJECT
private slots:
    // The records, the line each starts on, and for a quote never closed the
    // line where it opened (then no record at all).
    void lire_enregistrementsEtLignes_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("separateur");
        QTest::addColumn<QList<QStringList>>("champs");
        QTest::addColumn<QList<int>>("lignes");
        QTest::addColumn<int>("ligneErreur");
        QTest::newRow("separateur cite") << u("\"a;b\";c\r\n") << u(";") << QList<QStringList>{{"a;b", "c"}}
                                         << QList<int>{1} << 0;
        QTest::newRow("guillemet double")
            << u("\"dit \"\"oui\"\"\";x") << u(";") << QList<QStringList>{{"dit \"oui\"", "x"}} << QList<int>{1} << 0;
        QTest::newRow("CR LF") << u("a;b\r\nc;d\r\n") << u(";") << QList<QStringList>{{"a", "b"}, {"c", "d"}}
                               << QList<int>{1, 2} << 0;
        QTest::newRow("LF") << u("a;b\nc;d\n") << u(";") << QList<QStringList>{{"a", "b"}, {"c", "d"}}
                            << QList<int>{1, 2} << 0;
        QTest::newRow("CR seul") << u("a\rb") << u(";") << QList<QStringList>{{"a"}, {"b"}} << QList<int>{1, 2} << 0;
        QTest::newRow("LF, CR, CR LF dans un champ")
            << u("\"1\n2\r3\r\n4\";x\r\ny\r\n") << u(";") << QList<QStringList>{{"1\n2\r3\r\n4", "x"}, {"y"}}
            << QList<int>{1, 5} << 0;
        QTest::newRow("champ vide final")
            << u("a;b;\r\n;") << u(";") << QList<QStringList>{{"a", "b", ""}, {"", ""}} << QList<int>{1, 2} << 0;
        QTest::newRow("sans fin de ligne finale")
            << u("a;b\r\nc") << u(";") << QList<QStringList>{{"a", "b"}, {"c"}} << QList<int>{1, 2} << 0;
        QTest::newRow("BOM avant l'en-tete") << u("\uFEFFNom;Cat\r\nx;y") << u(";")
                                             << QList<QStringList>{{"Nom", "Cat"}, {"x", "y"}} << QList<int>{1, 2} << 0;
        QTest::newRow("texte autour des guillemets")
            << u("\"ab\"c\"d;x\"y;\"\"") << u(";") << QList<QStringList>{{"abc\"d", "x\"y", ""}} << QList<int>{1} << 0;
        QTest::newRow("tabulation") << u("a\tb;c") << u("\t") << QList<QStringList>{{"a", "b;c"}} << QList<int>{1} << 0;
        QTest::newRow("guillemet non ferme")
            << u("a;b\r\n\"c\r\nd\";\"e\r\nf;g\r\n") << u(";") << QList<QStringList>{} << QList<int>{} << 3;
        QTest::newRow("fichier vide") << QString() << u(";") << QList<QStringList>{} << QList<int>{} << 0;
        QTest::newRow("en-tete seul") << u("Nom;Cat\r\n") << u(";") << QList<QStringList>{{"Nom", "Cat"}}
                                      << QList<int>{1} << 0;
        QTest::newRow("lignes vides sautees")
            << u("\r\na\r\n\r\n\nb\r\n\r\n") << u(";") << QList<QStringList>{{"a"}, {"b"}} << QList<int>{2, 5} << 0;
    }

    void lire_enregistrementsEtLignes()
    {
        QFETCH(QString, texte);
        QFETCH(QString, separateur);
        QFETCH(QList<QStringList>, champs);
        QFETCH(QList<int>, lignes);
        QFETCH(int, ligneErreur);
        const Csv::Lecture l = Csv::lire(texte, separateur[0]);
        QCOMPARE(champsDe(l), champs);
        QCOMPARE(lignesDe(l), lignes);
        QCOMPARE(l.ligneErreur, ligneErreur);
        QCOMPARE(l.reussie(), ligneErreur == 0);
        QCOMPARE(l.erreur,
                 ligneErreur ? u("Le guillemet ouvert ligne %1 n'est jamais refermé.").arg(ligneErreur) : QString());
    }

    void ecrire_octetsExactsPuisRelus()
    {
        const QList<QStringList> table{{u("Nom"), u("Notes")},
                                       {u("Tarte \"fine\""), u("Pâte\r\nbeurre\rsucre\n")},
                                       {Csv::protegerFormule(u("=1+1")), QString()}};
        const QByteArray octets = Csv::enUtf8AvecBom(Csv::ecrire(table));
        QCOMPARE(octets,
                 QByteArray("\xEF\xBB\xBF\"Nom\";\"Notes\"\r\n"
                            "\"Tarte \"\"fine\"\"\";\"P\xC3\xA2te\nbeurre\nsucre\n\"\r\n"
                            "\"'=1+1\";\"\"\r\n"));
        QCOMPARE(Csv::ecrire(table, u'\t').section(u("\r\n"), 0, 0), u("\"Nom\"\t\"Notes\""));
        const QList<QStringList> sansCr{{u("Nom"), u("Notes")},
                                        {u("Tarte \"fine\""), u("Pâte\nbeurre\nsucre\n")},
                                        {u("'=1+1"), QString()},
                                        {QString()}};
        for (const QChar separateur : {u';', u',', u'\t'}) {
            const QString texte =
                Csv::decoder(Csv::enUtf8AvecBom(Csv::ecrire(sansCr, separateur)), Csv::Encodage::Utf8);
            QCOMPARE(champsDe(Csv::lire(texte, separateur)), sansCr);
        }
    }

    void encodage_devineEtDecode_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<QString>("texte");
        QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBFNom;Cr\xC3\xA8me") << true << u("Nom;Crème");
        QTest::newRow("BOM puis octet invalide") << QByteArray("\xEF\xBB\xBF\xE9") << true << u("\uFFFD");
        QTest::newRow("ASCII") << QByteArray("Nom;Cat\r\n") << true << u("Nom;Cat\r\n");
        QTest::newRow("UTF-8 accentue") << QByteArray("Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9\x65 \xF0\x9F\x8D\xB0") << true
                                        << u("Crème brûlée 🍰");
        QTest::newRow("Windows-1252 accentue") << QByteArray("Cr\xE8me br\xFBl\xE9\x65") << false << u("Crème brûlée");
        QTest::newRow("Windows-1252, accent au dernier octet") << QByteArray("Caf\xE9") << false << u("Café");
        QTest::newRow("UTF-8 coupe a la fin") << QByteArray("a\xE2\x82") << false << u("a\u00E2\u201A");
        QTest::newRow("octet invalide au milieu") << QByteArray("Cr\xC3\xA8me \x9C uf") << false << u("CrÃ¨me œ uf");
        QTest::newRow("forme trop longue") << QByteArray("\xC0\xAF") << false << u("À¯");
        QTest::newRow("surrogat") << QByteArray("\xED\xA0\x80") << false << u("í\u00A0€");
    }

    void encodage_devineEtDecode()
    {
        QFETCH(QByteArray, octets);
        QFETCH(bool, utf8);
        QFETCH(QString, texte);
        const Csv::Encodage e = Csv::detecter(octets);
        QCOMPARE(e == Csv::Encodage::Utf8, utf8);
        QCOMPARE(Csv::decoder(octets, e), texte);
        QVERIFY(Csv::estTexte(octets));
    }

    void estTexte_octetNulRefuse() { QVERIFY(!Csv::estTexte(QByteArray("Nom\0Cat", 7))); }

    void entete_nomsUsuels_data()
    {
        QTest::addColumn<QString>("entete");
        QTest::addColumn<int>("champ"); // -1: unknown
        const QList<std::pair<Champ, QStringList>> noms{
            {Champ::Nom, {"Nom", "RECETTE", "Nom de la recette", " nom "}},
            {Champ::Categorie, {"Catégorie", "CAT.", "categorie"}},
            {Champ::SousCategorie, {"Sous-catégorie", "Sous catégorie", "sous_cat", "Ss-Catégorie"}},
            {Champ::Magazine, {"Magazine", "Revue", "mag"}},
            {Champ::Numero, {"N°", "No", "Numéro", "Num", "N.", "n", "Numéro du magazine"}},
            {Champ::Pages, {"Page", "Pages", "p."}},
            {Champ::Notes, {"Notes", "Note", "Commentaire", "Commentaires", "Remarques"}},
            {Champ::Testee, {"Testée", "TESTÉE", "Testé", "teste", "Test", "testee"}},
        };
        for (const auto& [champ, variantes] : noms)
            for (const QString& entete : variantes)
                QTest::addRow("%s", qUtf8Printable(entete)) << entete << int(champ);
        for (const char* inconnu : {"Auteur", "", "Noms", "Cœur", "Nom2"})
            QTest::addRow("inconnu «%s»", inconnu) << u(inconnu) << -1;
    }

    void entete_nomsUsuels()
    {
        QFETCH(QString, entete);
        QFETCH(int, champ);
        const std::optional<Champ> c = EnteteCsv::champ(entete);
        QCOMPARE(c ? int(*c) : -1, champ);
    }

    void entete_colonnesDoublonsInconnues_data()
    {
        QTest::addColumn<QStringList>("entetes");
        QTest::addColumn<QList<int>>("colonnes"); // in the order of Champ
        QTest::addColumn<QStringList>("ignorees");
        QTest::newRow("toutes") << QStringList{"Testée", "Notes", "Pages", "N°", "Revue", "Sous-cat", "Cat", "Recette"}
                                << QList<int>{7, 6, 5, 4, 3, 2, 1, 0} << QStringList{};
        QTest::newRow("doublon et inconnues")
            << QStringList{"Auteur", "Nom", "Catégorie", "RECETTE", " Saison "}
            << QList<int>{1, 2, -1, -1, -1, -1, -1, -1} << QStringList{"Auteur", "RECETTE", " Saison "};
        QTest::newRow("sans nom") << QStringList{"Magazine", "Page"} << QList<int>{-1, -1, -1, 0, -1, 1, -1, -1}
                                  << QStringList{};
    }

    void entete_colonnesDoublonsInconnues()
    {
        QFETCH(QStringList, entetes);
        QFETCH(QList<int>, colonnes);
        QFETCH(QStringList, ignorees);
        const EnteteCsv::Colonnes c = EnteteCsv::reconnaitre(entetes);
        QCOMPARE(QList<int>(c.indices.begin(), c.indices.end()), colonnes);
        QCOMPARE(c.ignorees, ignorees);
        QCOMPARE(c.nomTrouve(), colonnes[0] >= 0);
        QCOMPARE(c.reconnues(), int(colonnes.size() - colonnes.count(-1)));
    }

    void separateur_leplusDeNomsReconnus_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("separateur");
        QTest::newRow("point-virgule") << u("Nom;Catégorie,Sous-catégorie;Pages\r\na,b;c") << u(";");
        QTest::newRow("virgule") << u("\uFEFF\"Nom\",\"Notes\",\"Revue\"\r\n\"a;b\";c") << u(",");
        QTest::newRow("tabulation") << u("\r\nNom\tCat;Mag\tN°\r\n") << u("\t");
        QTest::newRow("egalite") << u("Nom;Cat,Mag") << u(";");
        QTest::newRow("aucun nom") << u("a,b,c") << u(";");
        QTest::newRow("guillemet non ferme") << u("Nom,\"Cat") << u(";");
    }

    void separateur_leplusDeNomsReconnus()
    {
        QFETCH(QString, texte);
        QFETCH(QString, separateur);
        QCOMPARE(Csv::devinerSeparateur(texte), separateur[0]);
    }

    void formule_protegeeEtRendue_data()
    {
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<QString>("protegee");
        for (const char* formule : {"=SOMME(A1:A3)", "+33 6", "-5", "@lien", "'déjà", "''"})
            QTest::addRow("%s", formule) << u(formule) << u("'") + u(formule);
        for (const char* valeur : {"Tarte", "", "a=b", " =1", "12"})
            QTest::addRow("«%s»", valeur) << u(valeur) << u(valeur);
    }

    void formule_protegeeEtRendue()
    {
        QFETCH(QString, valeur);
        QFETCH(QString, protegee);
        QCOMPARE(Csv::protegerFormule(valeur), protegee);
        QCOMPARE(Csv::retirerProtection(protegee), valeur);
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
