// The tables and their bounds, Windows-1252, and the base file written and
// read: the reference files byte for byte, texts that need care, damaged
// files read as far as they go. The older layouts: the header check, their
// reading and the report of their conversion, on texts. The generated bases:
// the same seed gives the same bytes, the full base reads back exactly, the
// shipped demo folder is what the generator makes (the variety of its recipes
// and the older layouts it writes serve the benchmark only).
#include "Outils.h"
#include "base/Conversion.h"
#include "base/FichierBase.h"
#include "platform/PlateformeScriptee.h"
#include "base/Generateur.h"
#include "platform/PolitiqueErreurs.h"
#include <QCryptographicHash>
#include <memory>

using Conversion::Genre;

namespace {
// The one-recipe base of exemple20.don, with `recettes` copies of its recipe.
std::unique_ptr<Tables> exemple(int recettes = 1)
{
    auto t = std::make_unique<Tables>();
    remplirTables(*t, {u("Desserts/Tartes")}, {u("Cuisine")}, {{"Tarte aux pommes", 1, 1, 1, 1, "81", "12"}});
    for (int r = 2; r <= recettes; ++r)
        for (int f = 0; f < 4; ++f) {
            t->RecettTexte(r, f) = t->RecettTexte(1, f);
            t->RecettVal(r, f) = 1;
        }
    t->NbRecett = recettes;
    t->remettreEnCoherence();
    return t;
}

struct Lecture {
    PlateformeScriptee plateforme;
    PolitiqueErreurs politique{plateforme};
    std::unique_ptr<Tables> t = std::make_unique<Tables>();
    FichierBase::ResultatLecture r;
    explicit Lecture(const QString& texte) { r = FichierBase::lire(texte, *t, politique); }
};

// Written, then read back: the same tables write the same text.
void allerRetour(const Tables& t)
{
    Lecture l(Codec::decoder(Codec::encoder(FichierBase::ecrire(t))));
    QVERIFY(!l.r.erreurs && l.plateforme.boites.isEmpty());
    QCOMPARE(FichierBase::ecrire(*l.t), FichierBase::ecrire(t));
}

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

std::unique_ptr<Tables> generer(const Generateur::Parametres& parametres)
{
    auto t = std::make_unique<Tables>();
    Generateur::remplir(*t, parametres);
    return t;
}

QByteArray octets(const Tables& t)
{
    bool remplace = false;
    QByteArray o = Codec::encoder(FichierBase::ecrire(t), &remplace);
    return remplace ? QByteArray() : o;
}

QByteArray empreinte(const Tables& t) { return QCryptographicHash::hash(octets(t), QCryptographicHash::Sha256); }

QByteArray fichierDemo(const QString& nom)
{
    QFile f(QFINDTESTDATA(u("../../data/demo/") + nom));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TstFichierBase : public QObject {
    Q_OBJECT
private slots:
    void indicesHorsBornes_erreurExecution()
    {
        auto t = std::make_unique<Tables>();
        t->Cat(200) = u("ok");
        t->SousCat(200, 500) = u("ok");
        t->RecettVal(33000, 3) = 1;
        for (auto acces : std::initializer_list<std::function<void()>>{
                 [&] { t->Cat(201); }, [&] { t->Cat(-1); }, [&] { t->SousCat(0, 501); },
                 [&] { t->Mag(501); }, [&] { t->RecettTexte(33001, 0); }, [&] { t->RecettVal(1, 4); }})
            QCOMPARE(erreurDe(acces), u("L'indice n'appartient pas à la sélection"));
    }

    void viderCompteurs_remetComptesEtCompteursAZeroSansToucherLesNoms()
    {
        auto t = std::make_unique<Tables>();
        t->NbCat = 3;
        t->NbMag = 2;
        t->NbRecett = 5;
        t->Cat(1) = u("Desserts");
        t->CatNbRecett(1) = 4;
        t->NbSousCat(200) = 7;
        t->SousCatNbRecett(200, 500) = 9;
        t->MagNbRecett(500) = 2;
        t->ViderCompteurs();
        QCOMPARE(t->NbCat + t->NbMag + t->NbRecett, 0);
        QCOMPARE(t->CatNbRecett(1) + t->NbSousCat(200) + t->SousCatNbRecett(200, 500) + t->MagNbRecett(500), 0);
        QCOMPARE(t->Cat(1), u("Desserts"));
    }

    void remettreEnCoherence_recompteEtRameneLesValeursHorsTables()
    {
        auto t = std::make_unique<Tables>();
        t->NbCat = 1;
        t->NbSousCat(1) = 1;
        t->NbMag = 1;
        t->NbRecett = 2;
        t->CatNbRecett(1) = 40;
        for (int f = 0; f < 4; ++f)
            t->RecettVal(1, f) = 1;
        t->RecettVal(2, 0) = 7; // category beyond NbCat
        t->RecettVal(2, 1) = 3;
        t->RecettVal(2, 2) = 600;
        t->remettreEnCoherence();
        QCOMPARE(QList<int>({t->CatNbRecett(1), t->SousCatNbRecett(1, 1), t->MagNbRecett(1)}), QList<int>({1, 1, 1}));
        QCOMPARE(QList<int>({t->RecettVal(2, 0), t->RecettVal(2, 1), t->RecettVal(2, 2)}), QList<int>({0, 0, 0}));
    }

    void codec_windows1252()
    {
        const QString texte = u("œ€ÿÐé’…Ÿ");
        const QByteArray octets = Codec::encoder(texte);
        QCOMPARE(octets, QByteArray("\x9c\x80\xff\xd0\xe9\x92\x85\x9f"));
        QCOMPARE(Codec::decoder(octets), texte);
        bool remplace = false;
        QCOMPARE(Codec::encoder(u("a\u4e2db"), &remplace), QByteArray("a?b"));
        QVERIFY(remplace);
        QVERIFY(!Codec::encoder(u("abc")).contains('\x1a'));
        QCOMPARE(Codec::premierNonRepresentable(u("xy\u2603z")), QChar(0x2603));
        QVERIFY(Codec::representable(u("Bœuf à 5 €")));
        // Every byte decodes and encodes back to itself.
        QByteArray tous;
        for (int o = 0; o < 256; ++o)
            tous.append(static_cast<char>(o));
        QCOMPARE(Codec::encoder(Codec::decoder(tous)), tous);
    }

    void fichiersDeReference_octetPourOctetDansLesDeuxSens()
    {
        QCOMPARE(Codec::encoder(FichierBase::ecrire(*exemple())), baseUneRecette());
        QCOMPARE(Codec::encoder(FichierBase::ecrire(*std::make_unique<Tables>())), donneeTest(u("vide.don")));
        Lecture l(Codec::decoder(baseUneRecette()));
        QVERIFY(!l.r.erreurs && l.plateforme.boites.isEmpty());
        QCOMPARE(FichierBase::ecrire(*l.t), FichierBase::ecrire(*exemple()));
        Lecture vide(Codec::decoder(donneeTest(u("vide.don"))));
        QVERIFY(!vide.r.erreurs);
        QCOMPARE(vide.t->NbCat + vide.t->NbMag + vide.t->NbRecett, 0);
    }

    void nombresAvecOuSansBlancs_etNomsSansBlancsDeTete()
    {
        Lecture l(lignes({"-1", "v1.2b", "1", "   Desserts", "   2   ", "0", "\t1", "Cuisine", "2", "0"}));
        QVERIFY(!l.r.erreurs);
        QCOMPARE(l.t->Cat(1), u("Desserts"));
        QCOMPARE(QList<int>({l.t->NbCat, l.t->CatNbRecett(1), l.t->NbMag, l.t->MagNbRecett(1)}), QList<int>({1, 2, 1, 2}));
    }

    void textesDifficiles_allerRetourExact()
    {
        auto t = exemple();
        t->RecettTexte(1, 2) = u("Farine, sucre, beurre\r\nCuire 30 min, four chaud");
        allerRetour(*t);
        t->Cat(1) = u("Œufs à la coque");
        t->Mag(1) = u("Régal ÿ Ð");
        t->RecettTexte(1, 2) = u("Prix : 5 € — ÿÐœ");
        allerRetour(*t);
        // Names with a comma are written quoted.
        t->Cat(1) = u("Tarte, pommes");
        t->SousCat(1, 1) = u("Fines, rustiques");
        t->Mag(1) = u("Cuisine, et vins");
        QVERIFY(FichierBase::ecrire(*t).contains(u("\r\n\"Tarte, pommes\"\r\n")));
        allerRetour(*t);
        // A double quote in a text becomes an apostrophe.
        t->RecettTexte(1, 3) = u("Le \"vrai\" far");
        t->Mag(1) = u("Cuisine \"2000\"");
        Lecture l(FichierBase::ecrire(*t));
        QCOMPARE(l.t->RecettTexte(1, 3), u("Le 'vrai' far"));
        QCOMPARE(l.t->Mag(1), u("Cuisine '2000'"));
        QCOMPARE(l.t->RecettVal(1, 3), 1);
    }

    // A file cut short or holding a bad value: one box, the reading ends
    // there, and what came before is kept with counters that agree.
    void entreeInvalide_uneBoiteEtCeQuiPrecede_data()
    {
        QTest::addColumn<QString>("contenu");
        QTest::addColumn<QString>("boite");
        QTest::addColumn<QList<int>>("comptes"); // categories, magazines, recipes
        QString troisRecettes = FichierBase::ecrire(*exemple(3));
        troisRecettes.truncate(troisRecettes.lastIndexOf(u("\"Tarte aux pommes\""))); // in the third recipe
        QTest::newRow("coupe dans une recette") << troisRecettes << u("Fin de fichier atteinte") << QList<int>{1, 1, 2};
        QTest::newRow("coupe dans les categories") << lignes({"-1", "v1.2b", "3", "Desserts", "1", "0", "Entrées"})
                                                   << u("Fin de fichier atteinte") << QList<int>{2, 0, 0};
        QTest::newRow("valeur illisible") << lignes({"-1", "v1.2b", "deux", "Desserts", "1", "0", "0", "0"})
                                          << u("Incompatibilité de type") << QList<int>{0, 0, 0};
        QTest::newRow("compte au-dela des tables")
            << lignes({"-1", "v1.2b", "201"}) << u("L'indice n'appartient pas à la sélection") << QList<int>{0, 0, 0};
    }

    void entreeInvalide_uneBoiteEtCeQuiPrecede()
    {
        QFETCH(QString, contenu);
        QFETCH(QString, boite);
        QFETCH(QList<int>, comptes);
        Lecture l(contenu);
        QVERIFY(l.r.erreurs && l.r.interrompue);
        QCOMPARE(l.plateforme.boites.size(), 1);
        QCOMPARE(l.plateforme.boites[0].texte, boite);
        QCOMPARE(QList<int>({l.t->NbCat, l.t->NbMag, l.t->NbRecett}), comptes);
        QCOMPARE(l.t->Cat(2), comptes[0] == 2 ? u("Entrées") : QString());
        QCOMPARE(incoherence(*l.t), QString());
    }

    void reessayerEnFinDeFichier_redemandePuisAnnuler()
    {
        PlateformeScriptee p;
        p.reponses << Plateforme::Reponse::Reessayer << Plateforme::Reponse::Annuler;
        PolitiqueErreurs politique(p);
        auto t = std::make_unique<Tables>();
        QVERIFY(FichierBase::lire(lignes({"-1", "v1.2b", "0", "0"}), *t, politique).interrompue);
        QCOMPARE(p.boites.size(), 2);
    }

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
            "Base : /dossier/Recettes.don\r\n\r\n"
            "La nouvelle base Zuta! v1.2b garde le m\xeame nom\r\n"
            "L'ancienne base Zuta! porte la nom : /dossier/Recettes-OLD.don\r\n\r\n\r\n"
            "Donn\xe9" "es renseign\xe9" "es dans la base\r\n"
            "Nb Cat\xe9gories : 2 \r\n\r\n\r\n"
            "Desserts\r\n"
            "utilis\xe9" "e 5 fois\r\n\r\n"
            "    Nb Sous-cat\xe9gories : 2 \r\n\r\n"
            "    Tartes\r\n"
            "    utilis\xe9" "e 3 fois\r\n\r\n"
            "    Cr\xe8mes\r\n"
            "    inutilis\xe9" "e (ancienne sous-cat\xe9gorie)\r\n\r\n"
            "Entr\xe9" "es\r\n"
            "inutilis\xe9" "e (ancienne cat\xe9gorie)\r\n\r\n"
            "    Nb Sous-cat\xe9gories : 0 \r\n\r\n"
            "Compteur de recettes :  3\r\n"
            "Addition par cat\xe9gorie utilis\xe9" "e :  5\r\n"
            "Addition par sous-cat\xe9gorie utilis\xe9" "e :  3\r\n\r\n"
            "V\xe9rification des cat\xe9gories\r\n"
            "Desserts -> renseign\xe9" "es :  5  -  compt\xe9" "es :  3  -  Corrig\xe9\r\n"
            "Entr\xe9" "es -> renseign\xe9" "es :  0  -  compt\xe9" "es :  0  -  OK\r\n\r\n"
            "V\xe9rification des sous-cat\xe9gories\r\n"
            "Desserts / Tartes -> renseign\xe9" "es :  3  -  compt\xe9" "es :  3  -  OK\r\n"
            "Desserts / Cr\xe8mes -> renseign\xe9" "es :  0  -  compt\xe9" "es :  0  -  OK\r\n\r\n\r\n"
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

    // ---- The generated bases ----

    void initTestCase() { m_complete = generer(Generateur::baseComplete()); }

    // The same seed gives the same bytes, another seed other bytes; the
    // tables are full and every counter agrees with the recipes.
    void memeGraine_memesOctets_tablesRemplies()
    {
        const QByteArray premiere = empreinte(*m_complete);
        QVERIFY(!premiere.isEmpty());
        QCOMPARE(empreinte(*generer(Generateur::baseComplete())), premiere);
        Generateur::Parametres autre = Generateur::baseComplete();
        autre.graine += 1;
        QVERIFY(empreinte(*generer(autre)) != premiere);
        QCOMPARE(QList<int>({m_complete->NbRecett, m_complete->NbCat, m_complete->NbMag}),
                 QList<int>({Tables::MaxRecett, 40, 60}));
        QVERIFY(!m_complete->RecettTexte(Tables::MaxRecett, 3).isEmpty());
        QCOMPARE(incoherence(*m_complete), QString());
    }

    // The whole written base reads back into the same tables, byte for byte.
    void baseComplete_allerRetour()
    {
        const QByteArray ecrit = octets(*m_complete);
        QVERIFY(!ecrit.isEmpty()); // every character has its Windows-1252 byte
        Lecture relu(Codec::decoder(ecrit));
        QVERIFY(!relu.r.erreurs && relu.plateforme.boites.isEmpty());
        QCOMPARE(relu.t->NbRecett, Tables::MaxRecett);
        // Every name, counter and field is written: the same bytes mean the same tables.
        QCOMPARE(octets(*relu.t), ecrit);
    }

    void demo_estCeQueLeGenerateurFait()
    {
        const auto demo = generer(Generateur::baseDemo());
        QCOMPARE(demo->NbRecett, 350);
        QVERIFY(demo->NbCat >= 10 && demo->NbMag >= 5);
        for (int c = 1; c <= demo->NbCat; ++c)
            QVERIFY(demo->CatNbRecett(c) > 0);
        const QByteArray livre = fichierDemo(u("Zuta2005.don"));
        QVERIFY2(livre == octets(*demo), "data/demo/Zuta2005.don differs from the generator: run generer_demo data/demo");
        QCOMPARE(fichierDemo(u("Zuta.ini")), QByteArray(" 0 \r\n 1 \r\n 1500 \r\n 1500 \r\n*\r\n"));
        QVERIFY(!livre.contains("\n\n") && livre.count('\n') == livre.count("\r\n"));
    }

private:
    std::unique_ptr<Tables> m_complete;
};

QTEST_GUILESS_MAIN(TstFichierBase)
#include "tst_fichierbase.moc"
