// The tables and their bounds, Windows-1252, and the base file written and
// read: the reference files byte for byte, texts that need care, and damaged
// files read as far as they go.
#include "Outils.h"
#include "base/FichierBase.h"
#include "platform/PlateformeScriptee.h"
#include "platform/PolitiqueErreurs.h"
#include <memory>

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
};

QTEST_GUILESS_MAIN(TstFichierBase)
#include "tst_fichierbase.moc"
