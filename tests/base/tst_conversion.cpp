// The header check, the reading of older layouts and the report of the
// conversion, on texts: no file, no window.
#include "Outils.h"
#include "base/Conversion.h"
#include "base/FichierBase.h"
#include <memory>

using Conversion::Genre;

namespace {
// Two categories (the first says 5 recipes while 3 carry it), a magazine whose
// counter is wrong, three recipes: the layout without its header lines.
QStringList corpsAncien()
{
    return QStringList{" 2 ", "Desserts", " 5 ", " 2 ", "Tartes", " 3 ", "Crèmes", " 0 ", "Entrées", " 0 ", " 0 ",
                       " 1 ", "Cuisine", " 7 ", " 3 "}
           + recetteTexte("81", 1, "12", 1, "", 1, "Tarte aux pommes", 1)
           + recetteTexte("82", 1, "3, 4", 1, "beurre, sucre", 1, "Tarte fine")
           + recetteTexte("83", 1, "40", 1, "", 1, "Tartelette", 1);
}

const QString Base = u("/dossier/Recettes.don");
const QString Garde = u("/dossier/Recettes-OLD.don");
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
        QTest::newRow("-1 seul") << u("-1 ") << int(Genre::PasUneBase);
    }
    void entete()
    {
        QFETCH(QString, texte);
        QFETCH(int, genre);
        QCOMPARE(int(Conversion::examinerEntete(texte)), genre);
        QCOMPARE(FichierBase::lireEntete(texte).courante(), genre == int(Genre::Courante));
    }

    void cheminGarde_remplaceExtension()
    {
        QCOMPARE(Conversion::cheminGarde(Base), Garde);
        QCOMPARE(Conversion::cheminGarde(u("C:\\Zuta\\Zuta2005.don")), u("C:\\Zuta\\Zuta2005-OLD.don"));
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
        QCOMPARE(QList<int>({t->CatNbRecett(1), t->SousCatNbRecett(1, 1), t->MagNbRecett(1), t->NbRecett}),
                 QList<int>({3, 3, 7, 3}));
        QCOMPARE(t->RecettTexte(2, 1), u("3, 4"));
        QCOMPARE(t->RecettTexte(2, 2), u("beurre, sucre"));
        QCOMPARE(t->RecettVal(2, 3), 0);
    }

    // Counters right, a sub-category's counter wrong, counters empty or
    // negative: the errors counted, the report's lines, the counters recounted.
    void compteurs_data()
    {
        QTest::addColumn<QStringList>("corps");
        QTest::addColumn<int>("erreurs");
        QTest::addColumn<QStringList>("extraits");
        QStringList corps = corpsAncien();
        corps[2] = u(" 3 ");
        QTest::newRow("juste") << corps << 0 << QStringList();
        corps[7] = u(" 2 "); // Crèmes says 2, none carries it
        QTest::newRow("sous-categorie fausse")
            << corps << 1
            << QStringList{u("Desserts / Crèmes -> renseignées :  2  -  comptées :  0  -  Corrigé\r\n"),
                           u("Addition par sous-catégorie utilisée :  5\r\n")};
        corps = corpsAncien();
        corps[2] = QString();   // empty counter of Desserts
        corps[9] = u("-2 ");    // negative counter of Entrées
        QTest::newRow("vide ou negatif")
            << corps << 2
            << QStringList{u("\r\nDesserts\r\ninutilisée (ancienne catégorie)\r\n"),
                           u("\r\nEntrées\r\ninutilisée (ancienne catégorie)\r\n"),
                           u("Entrées -> renseignées : -2  -  comptées :  0  -  Corrigé")};
    }
    void compteurs()
    {
        QFETCH(QStringList, corps);
        QFETCH(int, erreurs);
        QFETCH(QStringList, extraits);
        auto t = std::make_unique<Tables>();
        const auto r = Conversion::convertir(lignes(corps), Genre::SansEntete, *t, Base, Garde);
        QVERIFY(r.lue);
        QCOMPARE(r.erreurs, erreurs);
        QVERIFY(r.rapport.endsWith(u("\r\n\r\nNB ERREURS TOTALES TROUVEES :  %1\r\n%2")
                                       .arg(erreurs)
                                       .arg(erreurs ? u("ERREURS CORRIGEES OK\r\n") : QString())));
        for (const QString& e : extraits)
            QVERIFY2(r.rapport.contains(e), qPrintable(e));
        QCOMPARE(QList<int>({t->CatNbRecett(1), t->SousCatNbRecett(1, 1), t->SousCatNbRecett(1, 2), t->CatNbRecett(2)}),
                 QList<int>({3, 3, 0, 0}));
    }

    void structureRompue_pasLue_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("raison");
        QTest::newRow("tronquee") << lignes(corpsAncien().mid(0, 20)) << u("valeur de recette illisible à la ligne 21");
        QStringList lettres = corpsAncien();
        lettres[3] = u("deux");
        QTest::newRow("nombre en lettres") << lignes(lettres) << u("nombre de sous-catégories illisible à la ligne 4");
        QTest::newRow("trop de categories") << lignes({" 201 ", "A"}) << u("nombre de catégories illisible à la ligne 1");
        QTest::newRow("texte quelconque")
            << lignes({" 12 ", "Liste de courses"}) << u("nom ou texte illisible à la ligne 3");
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
        QCOMPARE(QList<int>({t->NbCat, t->NbRecett, t->CatNbRecett(1)}), QList<int>({0, 0, 0}));
    }
};

QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
