// The layout of "Index.txt", byte for byte.
#include "Outils.h"
#include "base/Collation.h"
#include "output/MiseEnPageIndex.h"

using namespace MiseEnPageIndex;

namespace {
const QDateTime Quand(QDate(2026, 12, 6), QTime(14, 5, 9));
const QString Toutes = u(" --> TOUTES");

Criteres tousCriteres()
{
    return {Toutes, Toutes, u(" --> TOUS"), u("Peu importe"), QString()};
}

QString blancs(int n)
{
    return QString(n, QLatin1Char(' '));
}

// The header of a search with every criterion on "all", then the count.
QStringList entete(const QString& nombre)
{
    return {u("Zuta! v1.2b - Index créé le 06/12/2026 à 14:05:09"), QString(), u("Catégorie : Toutes"),
            u("Magazine : Tous"), QString(), nombre, QString(), QString()};
}
} // namespace

class TestMiseEnPageIndex : public QObject {
    Q_OBJECT
    Collation collation;

    QString index(const QList<Entree>& e, const Criteres& c = tousCriteres())
    {
        return composer(c, Quand, e, collation).texte;
    }

private slots:
    // Entries as magazine, number, page, name; the expected lines after the count.
    void mises_data()
    {
        QTest::addColumn<QStringList>("entrees");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QStringList>("corps");
        const QString suite = blancs(4 + 3 + 2 + 7 + 2) + "  -";
        QTest::newRow("aucune recette: deux lignes vides") << QStringList() << "Aucune recette" << QStringList();
        QTest::newRow("une recette: singulier, trois lignes vides")
            << QStringList{"Elle", "12", "45", "Tarte aux pommes"} << "1 recette"
            << QStringList{"", "Elle n°12  page 45  -Tarte aux pommes"};
        QTest::newRow("numeros 9 et 12 alignes a droite et dans l'ordre")
            << QStringList{"Marmiton", "12", "3", "Flan", "Marmiton", "9", "10", "Gratin"} << "2 recettes"
            << QStringList{"", "Marmiton n° 9  page 10  -Gratin", blancs(8) + " n°12  page  3  -Flan"};
        QTest::newRow("numero en minuscules: majuscules sans blancs")
            << QStringList{"Elle", " hs 3 ", " 12 bis", "Soupe"} << "1 recette"
            << QStringList{"", "Elle n°HS 3  page 12 BIS  -Soupe"};
        QTest::newRow("trois recettes d'une page: seul le nom apres la premiere")
            << QStringList{"Elle", "12", "45", "Crêpes", "Elle", "12", "45", "Beignets", "Elle", "12", "45", "Ananas"}
            << "3 recettes" << QStringList{"", "Elle n°12  page 45  -Ananas", suite + "Beignets", suite + "Crêpes"};
        QTest::newRow("sans numero ni page: colonnes de blancs")
            << QStringList{"Elle", "12", "45", "Tarte", "Elle", "", "  ", "Salade"} << "2 recettes"
            << QStringList{"", "Elle" + blancs(3 + 2 + 7 + 2) + "  -Salade", blancs(4) + " n°12  page 45  -Tarte"};
        QTest::newRow("meme numero dans deux magazines: reecrit, une ligne vide entre")
            << QStringList{"Marie Claire", "12", "5", "B", "Elle", "12", "5", "A"} << "2 recettes"
            << QStringList{"", "Elle n°12  page 5  -A", "", "Marie Claire n°12  page 5  -B"};
        QTest::newRow("premier magazine vide: ni ligne vide ni nom")
            << QStringList{"Elle", "2", "7", "B", "", "1", "8", "A"} << "2 recettes"
            << QStringList{" n°1  page 8  -A", "", "Elle n°2  page 7  -B"};
        // Whole key lines would put "Elle à table" first: the separator sorts like a letter.
        QTest::newRow("magazine qui commence un autre: avant lui")
            << QStringList{"Elle à table", "1", "1", "A", "elle", "1", "1", "Z", "Elle", "1", "1", "B"} << "3 recettes"
            << QStringList{"", "Elle n°1  page 1  -B", "", "elle n°1  page 1  -Z", "", "Elle à table n°1  page 1  -A"};
        QTest::newRow("noms d'une page: ordre de la collation")
            << QStringList{"M", "1", "1", "Tartelette", "M", "1", "1", "tarte", "M", "1", "1", "Éclair"} << "3 recettes"
            << QStringList{"", "M n°1  page 1  -Éclair", blancs(15) + "-tarte", blancs(15) + "-Tartelette"};
    }

    void mises()
    {
        QFETCH(QStringList, entrees);
        QFETCH(QString, nombre);
        QFETCH(QStringList, corps);
        QList<Entree> e;
        for (qsizetype i = 0; i + 3 < entrees.size(); i += 4)
            e.append({entrees[i], entrees[i + 1], entrees[i + 2], entrees[i + 3]});
        QCOMPARE(index(e), lignes(entete(nombre) + corps));
    }

    void octetsEtCles_windows1252EtLignesDeTravail()
    {
        // é is E9, ° is B0; the file ends with the count's two empty lines.
        const QByteArray vide = Codec::encoder(index({}));
        QVERIFY(vide.startsWith("Zuta! v1.2b - Index cr\xE9\xE9 le 06/12/2026 \xE0 14:05:09\r\n\r\nCat\xE9gorie"));
        QVERIFY(vide.endsWith("Aucune recette\r\n\r\n\r\n"));
        QVERIFY(Codec::encoder(index({{"Elle", "12", "45", "Tarte"}})).contains("Elle n\xB0" "12  page 45"));
        // The working list keeps the key lines: magazine, number, page, name.
        const QChar s = Separateur;
        const Index i = composer(tousCriteres(), Quand, {{"Marmiton", "12", "3", "Flan"}, {"Marmiton", "9", "10", "Gratin"}},
                                 collation);
        QCOMPARE(i.cles, QStringList({u("Marmiton") + s + " 9" + s + "10" + s + "Gratin",
                                      u("Marmiton") + s + "12" + s + " 3" + s + "Flan"}));
        // The separator inside the texts leaves the index whole.
        const QString mag = u("Cuisine") + s + "Vins";
        const QString nom = u("Poulet ") + s + " riz";
        const Index j = composer(tousCriteres(), Quand, {{mag, u("1") + s + "2", "3", nom}}, collation);
        QCOMPARE(j.texte, lignes(entete("1 recette") << QString() << mag + " n°1" + s + "2  page 3  -" + nom));
        QCOMPARE(j.cles, QStringList(mag + s + "1" + s + "2" + s + "3" + s + nom));
    }

    void criteres_data()
    {
        QTest::addColumn<QStringList>("choix");  // category, sub-category, magazine, tested, text
        QTest::addColumn<QStringList>("attendu");
        const QString tous = " --> TOUS";
        QTest::newRow("categorie") << QStringList{"Desserts", Toutes, tous, "Peu importe", ""}
                                   << QStringList{"Catégorie : Desserts", "Magazine : Tous"};
        QTest::newRow("sous-categorie") << QStringList{"Desserts", "Tartes", "Elle", "Peu importe", ""}
                                        << QStringList{"Catégorie : Desserts (Tartes uniquement)", "Magazine : Elle"};
        // A text of blanks is no criterion.
        QTest::newRow("non-testee") << QStringList{Toutes, Toutes, tous, "Non-testée", " "}
                                    << QStringList{"Catégorie : Toutes", "Magazine : Tous", "Recettes non-testées uniquement"};
        QTest::newRow("tous les criteres")
            << QStringList{"Plats", "Poissons", "Maxi", "Testée", "  thon "}
            << QStringList{"Catégorie : Plats (Poissons uniquement)", "Magazine : Maxi",
                           "Recettes testées uniquement", "Nom des recettes contenant le texte :   thon "};
    }
    void criteres()
    {
        QFETCH(QStringList, choix);
        QFETCH(QStringList, attendu);
        const Criteres c{choix[0], choix[1], choix[2], choix[3], choix[4]};
        QStringList l{u("Zuta! v1.2b - Index créé le 06/12/2026 à 14:05:09"), QString()};
        l << attendu << QString() << "Aucune recette" << QString() << QString();
        QCOMPARE(index({}, c), lignes(l));
    }
};

QTEST_GUILESS_MAIN(TestMiseEnPageIndex)
#include "tst_miseenpageindex.moc"
