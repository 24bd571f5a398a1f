// The tables and their bounds, the counters, the numbers of the files and
// Windows-1252.
#include "Outils.h"
#include "base/FormatNombres.h"
#include <memory>

class TstTables : public QObject {
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

    void formatNombres_styleDImpression()
    {
        QCOMPARE(FormatNombres::ligne(12), u(" 12 "));
        QCOMPARE(FormatNombres::ligne(-1), u("-1 "));
        QCOMPARE(FormatNombres::ligne(0), u(" 0 "));
        QCOMPARE(FormatNombres::signe(12), u(" 12"));
        QCOMPARE(FormatNombres::nu(12), u("12"));
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
};

QTEST_GUILESS_MAIN(TstTables)
#include "tst_tables.moc"
