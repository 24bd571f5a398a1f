// The header check, the reading of older layouts and the report of the
// conversion, on texts: no file, no window.
#include "base/Codec.h"
#include "base/Conversion.h"
#include "base/FichierBase.h"
#include "base/Tables.h"
#include <QTest>
#include <memory>

using Conversion::Genre;

namespace {
QString lignes(const QStringList& l)
{
    return l.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// Two categories (the first says 5 recipes while 3 carry it), a magazine whose
// counter is wrong, three recipes: the layout without its header lines.
QStringList corpsAncien()
{
    return {QStringLiteral(" 2 "), QStringLiteral("Desserts"), QStringLiteral(" 5 "), QStringLiteral(" 2 "),
            QStringLiteral("Tartes"), QStringLiteral(" 3 "), QStringLiteral("Crèmes"), QStringLiteral(" 0 "),
            QStringLiteral("Entrées"), QStringLiteral(" 0 "), QStringLiteral(" 0 "),
            QStringLiteral(" 1 "), QStringLiteral("Cuisine"), QStringLiteral(" 7 "),
            QStringLiteral(" 3 "),
            QStringLiteral("\"81\""), QStringLiteral("1"), QStringLiteral("\"12\""), QStringLiteral("1"),
            QStringLiteral("\"\""), QStringLiteral("1"), QStringLiteral("\"Tarte aux pommes\""), QStringLiteral("1"),
            QStringLiteral("\"82\""), QStringLiteral("1"), QStringLiteral("\"3, 4\""), QStringLiteral("1"),
            QStringLiteral("\"beurre, sucre\""), QStringLiteral("1"), QStringLiteral("\"Tarte fine\""), QStringLiteral("0"),
            QStringLiteral("\"83\""), QStringLiteral("1"), QStringLiteral("\"40\""), QStringLiteral("1"),
            QStringLiteral("\"\""), QStringLiteral("1"), QStringLiteral("\"Tartelette\""), QStringLiteral("1")};
}

const QString Base = QStringLiteral("/dossier/Recettes.don");
const QString Garde = QStringLiteral("/dossier/Recettes-OLD.don");
} // namespace

class TestConversion : public QObject {
    Q_OBJECT
private slots:
    void entete_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("genre");
        QTest::newRow("v1.2b courante") << lignes({"-1 ", "v1.2b", " 0 "}) << int(Genre::Courante);
        QTest::newRow("autre etiquette courante") << lignes({"-1 ", "v9", " 0 "}) << int(Genre::Courante);
        QTest::newRow("v1.2 ancienne") << lignes({"-1 ", "v1.2", " 0 "}) << int(Genre::V12);
        QTest::newRow("v1.2 avec blancs") << lignes({"-1", "  v1.2", " 0 "}) << int(Genre::V12);
        QTest::newRow("sans en-tete") << lignes({" 3 ", "Desserts"}) << int(Genre::SansEntete);
        QTest::newRow("pas un nombre") << lignes({"Bonjour", "v1.2b"}) << int(Genre::PasUneBase);
        QTest::newRow("vide") << QString() << int(Genre::PasUneBase);
        QTest::newRow("-1 seul") << QStringLiteral("-1 ") << int(Genre::PasUneBase);
    }
    void entete()
    {
        QFETCH(QString, texte);
        QFETCH(int, genre);
        QCOMPARE(int(Conversion::examinerEntete(texte)), genre);
    }

    void cheminGarde_remplaceExtension()
    {
        QCOMPARE(Conversion::cheminGarde(Base), Garde);
        QCOMPARE(Conversion::cheminGarde(QStringLiteral("C:\\Zuta\\Zuta2005.don")),
                 QStringLiteral("C:\\Zuta\\Zuta2005-OLD.don"));
    }

    // The report of a counter of 5 with 3 recipes, byte for byte.
    void compteurFaux_rapportExactEtCorrige()
    {
        auto t = std::make_unique<Tables>();
        const Conversion::Resultat r =
            Conversion::convertir(lignes(corpsAncien()), Genre::SansEntete, *t, Base, Garde);
        QVERIFY(r.lue);
        QCOMPARE(r.erreurs, 1);
        const QByteArray attendu =
            "Zuta! v1.2b - RAPPORT DE CONVERSION\r\n"
            "Analyse et correction de base Zuta! anterieure \xe0 v1.2\r\n"
            "Base : /dossier/Recettes.don\r\n"
            "\r\n"
            "La nouvelle base Zuta! v1.2b garde le m\xeame nom\r\n"
            "L'ancienne base Zuta! porte la nom : /dossier/Recettes-OLD.don\r\n"
            "\r\n"
            "\r\n"
            "Donn\xe9" "es renseign\xe9" "es dans la base\r\n"
            "Nb Cat\xe9gories : 2 \r\n"
            "\r\n"
            "\r\n"
            "Desserts\r\n"
            "utilis\xe9" "e 5 fois\r\n"
            "\r\n"
            "    Nb Sous-cat\xe9gories : 2 \r\n"
            "\r\n"
            "    Tartes\r\n"
            "    utilis\xe9" "e 3 fois\r\n"
            "\r\n"
            "    Cr\xe8mes\r\n"
            "    inutilis\xe9" "e (ancienne sous-cat\xe9gorie)\r\n"
            "\r\n"
            "Entr\xe9" "es\r\n"
            "inutilis\xe9" "e (ancienne cat\xe9gorie)\r\n"
            "\r\n"
            "    Nb Sous-cat\xe9gories : 0 \r\n"
            "\r\n"
            "Compteur de recettes :  3\r\n"
            "Addition par cat\xe9gorie utilis\xe9" "e :  5\r\n"
            "Addition par sous-cat\xe9gorie utilis\xe9" "e :  3\r\n"
            "\r\n"
            "V\xe9rification des cat\xe9gories\r\n"
            "Desserts -> renseign\xe9" "es :  5  -  compt\xe9" "es :  3  -  Corrig\xe9\r\n"
            "Entr\xe9" "es -> renseign\xe9" "es :  0  -  compt\xe9" "es :  0  -  OK\r\n"
            "\r\n"
            "V\xe9rification des sous-cat\xe9gories\r\n"
            "Desserts / Tartes -> renseign\xe9" "es :  3  -  compt\xe9" "es :  3  -  OK\r\n"
            "Desserts / Cr\xe8mes -> renseign\xe9" "es :  0  -  compt\xe9" "es :  0  -  OK\r\n"
            "\r\n"
            "\r\n"
            "NB ERREURS TOTALES TROUVEES :  1\r\n"
            "ERREURS CORRIGEES OK\r\n";
        QCOMPARE(Codec::encoder(r.rapport), attendu);

        // The counter is corrected, the magazine counter carried over as read.
        QCOMPARE(t->CatNbRecett(1), 3);
        QCOMPARE(t->SousCatNbRecett(1, 1), 3);
        QCOMPARE(t->MagNbRecett(1), 7);
        QCOMPARE(t->NbRecett, 3);
        QCOMPARE(t->RecettTexte(2, 1), QStringLiteral("3, 4"));
        QCOMPARE(t->RecettTexte(2, 2), QStringLiteral("beurre, sucre"));
        QCOMPARE(t->RecettVal(2, 3), 0);
    }

    void baseJuste_zeroErreurEtPasDeLigneOK()
    {
        QStringList corps = corpsAncien();
        corps[2] = QStringLiteral(" 3 ");
        auto t = std::make_unique<Tables>();
        const auto r = Conversion::convertir(lignes(corps), Genre::SansEntete, *t, Base, Garde);
        QVERIFY(r.lue);
        QCOMPARE(r.erreurs, 0);
        QVERIFY(r.rapport.endsWith(QStringLiteral("\r\n\r\nNB ERREURS TOTALES TROUVEES :  0\r\n")));
        QVERIFY(!r.rapport.contains(QStringLiteral("ERREURS CORRIGEES OK")));
    }

    void v12_entetePasseeEtBaseCouranteEnSortie()
    {
        auto t = std::make_unique<Tables>();
        const auto r = Conversion::convertir(lignes(QStringList{"-1 ", "v1.2"} + corpsAncien()), Genre::V12, *t,
                                             Base, Garde);
        QVERIFY(r.lue);
        QCOMPARE(t->NbCat, 2);
        QCOMPARE(t->Cat(2), QStringLiteral("Entrées"));
        const QString ecrit = FichierBase::ecrire(*t);
        QVERIFY(ecrit.startsWith(QStringLiteral("-1 \r\nv1.2b\r\n 2 \r\nDesserts\r\n 3 \r\n")));
        QCOMPARE(int(Conversion::examinerEntete(ecrit)), int(Genre::Courante));
    }

    void sousCategorieFausse_corrigee()
    {
        QStringList corps = corpsAncien();
        corps[2] = QStringLiteral(" 3 ");
        corps[7] = QStringLiteral(" 2 "); // Crèmes says 2, none carries it
        auto t = std::make_unique<Tables>();
        const auto r = Conversion::convertir(lignes(corps), Genre::SansEntete, *t, Base, Garde);
        QCOMPARE(r.erreurs, 1);
        QVERIFY(r.rapport.contains(QStringLiteral("Desserts / Crèmes -> renseignées :  2  -  comptées :  0  -  Corrigé\r\n")));
        QVERIFY(r.rapport.contains(QStringLiteral("Addition par sous-catégorie utilisée :  5\r\n")));
        QCOMPARE(t->SousCatNbRecett(1, 2), 0);
    }

    void compteurVideOuNegatif_inutilise()
    {
        QStringList corps = corpsAncien();
        corps[2] = QString();            // empty counter of Desserts
        corps[9] = QStringLiteral("-2 "); // negative counter of Entrées
        auto t = std::make_unique<Tables>();
        const auto r = Conversion::convertir(lignes(corps), Genre::SansEntete, *t, Base, Garde);
        QVERIFY(r.lue);
        QVERIFY(r.rapport.contains(QStringLiteral("\r\nDesserts\r\ninutilisée (ancienne catégorie)\r\n")));
        QVERIFY(r.rapport.contains(QStringLiteral("\r\nEntrées\r\ninutilisée (ancienne catégorie)\r\n")));
        QVERIFY(r.rapport.contains(QStringLiteral("Entrées -> renseignées : -2  -  comptées :  0  -  Corrigé")));
        QCOMPARE(r.erreurs, 2);
        QCOMPARE(t->CatNbRecett(1), 3);
    }

    void structureRompue_pasLue_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("raison");
        QStringList tronque = corpsAncien();
        tronque = tronque.mid(0, 20);
        QTest::newRow("tronquee") << lignes(tronque) << QStringLiteral("valeur de recette illisible à la ligne 21");
        QStringList lettres = corpsAncien();
        lettres[3] = QStringLiteral("deux");
        QTest::newRow("nombre en lettres") << lignes(lettres)
                                           << QStringLiteral("nombre de sous-catégories illisible à la ligne 4");
        QTest::newRow("trop de categories") << lignes({" 201 ", "A"})
                                            << QStringLiteral("nombre de catégories illisible à la ligne 1");
        QTest::newRow("texte quelconque") << lignes({" 12 ", "Liste de courses"})
                                          << QStringLiteral("nom ou texte illisible à la ligne 3");
    }
    void structureRompue_pasLue()
    {
        QFETCH(QString, texte);
        QFETCH(QString, raison);
        auto t = std::make_unique<Tables>();
        const auto r = Conversion::convertir(texte, Genre::SansEntete, *t, Base, Garde);
        QVERIFY(!r.lue);
        QCOMPARE(r.raison, raison);
        QVERIFY(r.rapport.isEmpty());
        QCOMPARE(t->NbCat, 0);
        QCOMPARE(t->NbRecett, 0);
        QCOMPARE(t->CatNbRecett(1), 0);
    }
};

QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
