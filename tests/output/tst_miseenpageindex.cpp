// The layout of "Index.txt", byte for byte.
#include "base/Codec.h"
#include "base/Collation.h"
#include "output/MiseEnPageIndex.h"
#include <QTest>

using namespace MiseEnPageIndex;

namespace {
const QDateTime Quand(QDate(2026, 12, 6), QTime(14, 5, 9));
const QString Toutes = QStringLiteral(" --> TOUTES");

Criteres tousCriteres()
{
    return {Toutes, Toutes, QStringLiteral(" --> TOUS"), QStringLiteral("Peu importe"), QString()};
}

QString lignes(const QStringList& l)
{
    return l.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString blancs(int n)
{
    return QString(n, QLatin1Char(' '));
}

// The header of a search with every criterion on "all", then the count.
QStringList entete(const QString& nombre)
{
    return {QStringLiteral("Zuta! v1.2b - Index créé le 06/12/2026 à 14:05:09"), QString(),
            QStringLiteral("Catégorie : Toutes"), QStringLiteral("Magazine : Tous"), QString(), nombre, QString(),
            QString()};
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
    void aucuneRecette_enteteEtDeuxLignesVides()
    {
        const QString texte = index({});
        QCOMPARE(texte, lignes(entete(QStringLiteral("Aucune recette"))));
        // Windows-1252 bytes: é is E9, and the file ends with the count's two empty lines.
        const QByteArray octets = Codec::encoder(texte);
        QVERIFY(octets.startsWith("Zuta! v1.2b - Index cr\xE9\xE9 le 06/12/2026 \xE0 14:05:09\r\n\r\nCat\xE9gorie"));
        QVERIFY(octets.endsWith("Aucune recette\r\n\r\n\r\n"));
    }

    void uneRecette_compteSingulierEtTroisLignesVides()
    {
        const QString texte = index({{"Elle", "12", "45", "Tarte aux pommes"}});
        QCOMPARE(texte, lignes(entete("1 recette") << QString() << "Elle n°12  page 45  -Tarte aux pommes"));
        QVERIFY(Codec::encoder(texte).contains("Elle n\xB0" "12  page 45"));
    }

    void numeros9Et12_alignesADroiteEtDansLOrdre()
    {
        const Index i = composer(tousCriteres(), Quand,
                                 {{"Marmiton", "12", "3", "Flan"}, {"Marmiton", "9", "10", "Gratin"}}, collation);
        QCOMPARE(i.texte, lignes(entete("2 recettes") << QString() << "Marmiton n° 9  page 10  -Gratin"
                                                      << blancs(8) + " n°12  page  3  -Flan"));
        // The working list keeps the key lines: magazine, number, page, name.
        const QChar s = Separateur;
        QCOMPARE(i.cles, QStringList({QStringLiteral("Marmiton") + s + " 9" + s + "10" + s + "Gratin",
                                      QStringLiteral("Marmiton") + s + "12" + s + " 3" + s + "Flan"}));
    }

    void numeroEnMinuscules_ecritEnMajusculesSansBlancs()
    {
        QCOMPARE(index({{"Elle", " hs 3 ", " 12 bis", "Soupe"}}),
                 lignes(entete("1 recette") << QString() << "Elle n°HS 3  page 12 BIS  -Soupe"));
    }

    void troisRecettesDUnePage_seulLeNomApresLaPremiere()
    {
        const QString suite = blancs(4 + 3 + 2 + 7 + 2) + "  -";
        QCOMPARE(index({{"Elle", "12", "45", "Crêpes"}, {"Elle", "12", "45", "Beignets"}, {"Elle", "12", "45", "Ananas"}}),
                 lignes(entete("3 recettes") << QString() << "Elle n°12  page 45  -Ananas" << suite + "Beignets"
                                             << suite + "Crêpes"));
    }

    void recetteSansNumeroNiPage_colonnesDeBlancs()
    {
        QCOMPARE(index({{"Elle", "12", "45", "Tarte"}, {"Elle", "", "  ", "Salade"}}),
                 lignes(entete("2 recettes") << QString() << "Elle" + blancs(3 + 2 + 7 + 2) + "  -Salade"
                                             << blancs(4) + " n°12  page 45  -Tarte"));
    }

    void memeNumeroDansDeuxMagazines_reecritEtUneLigneVideEntreLesDeux()
    {
        QCOMPARE(index({{"Marie Claire", "12", "5", "B"}, {"Elle", "12", "5", "A"}}),
                 lignes(entete("2 recettes") << QString() << "Elle n°12  page 5  -A" << QString()
                                             << "Marie Claire n°12  page 5  -B"));
    }

    void premierMagazineVide_niLigneVideNiNom()
    {
        QCOMPARE(index({{"Elle", "2", "7", "B"}, {"", "1", "8", "A"}}),
                 lignes(entete("2 recettes") << " n°1  page 8  -A" << QString() << "Elle n°2  page 7  -B"));
    }

    void magazineQuiCommenceUnAutre_avantLui()
    {
        // Whole key lines would put "Elle à table" first: the separator sorts like a letter.
        QCOMPARE(index({{"Elle à table", "1", "1", "A"}, {"elle", "1", "1", "Z"}, {"Elle", "1", "1", "B"}}),
                 lignes(entete("3 recettes") << QString() << "Elle n°1  page 1  -B" << QString()
                                             << "elle n°1  page 1  -Z" << QString() << "Elle à table n°1  page 1  -A"));
    }

    void nomsDUnePage_ordreDeLaCollation()
    {
        QCOMPARE(index({{"M", "1", "1", "Tartelette"}, {"M", "1", "1", "tarte"}, {"M", "1", "1", "Éclair"}}),
                 lignes(entete("3 recettes") << QString() << "M n°1  page 1  -Éclair" << blancs(15) + "-tarte"
                                             << blancs(15) + "-Tartelette"));
    }

    void separateurDansLesTextes_indexIntact()
    {
        const QChar s = Separateur;
        const QString mag = QStringLiteral("Cuisine") + s + "Vins";
        const QString nom = QStringLiteral("Poulet ") + s + " riz";
        const Index i = composer(tousCriteres(), Quand, {{mag, QStringLiteral("1") + s + "2", "3", nom}}, collation);
        QCOMPARE(i.texte, lignes(entete("1 recette") << QString() << mag + " n°1" + s + "2  page 3  -" + nom));
        QCOMPARE(i.cles, QStringList(mag + s + "1" + s + "2" + s + "3" + s + nom));
    }

    void criteres_data()
    {
        QTest::addColumn<QStringList>("choix");  // category, sub-category, magazine, tested, text
        QTest::addColumn<QStringList>("attendu");
        const QString tous = " --> TOUS";
        QTest::newRow("tout") << QStringList{Toutes, Toutes, tous, "Peu importe", ""}
                              << QStringList{"Catégorie : Toutes", "Magazine : Tous"};
        QTest::newRow("categorie") << QStringList{"Desserts", Toutes, tous, "Peu importe", ""}
                                   << QStringList{"Catégorie : Desserts", "Magazine : Tous"};
        QTest::newRow("sous-categorie") << QStringList{"Desserts", "Tartes", "Elle", "Peu importe", ""}
                                        << QStringList{"Catégorie : Desserts (Tartes uniquement)", "Magazine : Elle"};
        QTest::newRow("testee") << QStringList{Toutes, Toutes, tous, "Testée", ""}
                                << QStringList{"Catégorie : Toutes", "Magazine : Tous",
                                               "Recettes testées uniquement"};
        QTest::newRow("non-testee") << QStringList{Toutes, Toutes, tous, "Non-testée", " "}
                                    << QStringList{"Catégorie : Toutes", "Magazine : Tous",
                                                   "Recettes non-testées uniquement"};
        QTest::newRow("texte") << QStringList{Toutes, Toutes, tous, "Peu importe", "  tarte "}
                               << QStringList{"Catégorie : Toutes", "Magazine : Tous",
                                              "Nom des recettes contenant le texte :   tarte "};
        QTest::newRow("tous les criteres")
            << QStringList{"Plats", "Poissons", "Maxi", "Testée", "thon"}
            << QStringList{"Catégorie : Plats (Poissons uniquement)", "Magazine : Maxi",
                           "Recettes testées uniquement", "Nom des recettes contenant le texte : thon"};
    }
    void criteres()
    {
        QFETCH(QStringList, choix);
        QFETCH(QStringList, attendu);
        const Criteres c{choix[0], choix[1], choix[2], choix[3], choix[4]};
        QStringList l{QStringLiteral("Zuta! v1.2b - Index créé le 06/12/2026 à 14:05:09"), QString()};
        l << attendu << QString() << "Aucune recette" << QString() << QString();
        QCOMPARE(index({}, c), lignes(l));
    }
};

QTEST_GUILESS_MAIN(TestMiseEnPageIndex)
#include "tst_miseenpageindex.moc"
