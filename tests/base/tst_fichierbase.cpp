#include "base/Codec.h"
#include "base/FichierBase.h"
#include "base/Fichiers.h"
#include "base/Tables.h"
#include "platform/PlateformeScriptee.h"
#include "platform/PolitiqueErreurs.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {
QByteArray donnee(const char* nom)
{
    QFile f(qEnvironmentVariable("ZUTA_DONNEES_TEST") + QLatin1Char('/') + QLatin1String(nom));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", nom);
    return f.readAll();
}

std::unique_ptr<Tables> exemple()
{
    auto t = std::make_unique<Tables>();
    t->NbCat = 1;
    t->Cat(1) = QStringLiteral("Desserts");
    t->CatNbRecett(1) = 1;
    t->NbSousCat(1) = 1;
    t->SousCat(1, 1) = QStringLiteral("Tartes");
    t->SousCatNbRecett(1, 1) = 1;
    t->NbMag = 1;
    t->Mag(1) = QStringLiteral("Cuisine");
    t->MagNbRecett(1) = 1;
    t->NbRecett = 1;
    t->RecettTexte(1, 0) = QStringLiteral("81");
    t->RecettTexte(1, 1) = QStringLiteral("12");
    t->RecettTexte(1, 3) = QStringLiteral("Tarte aux pommes");
    for (int f = 0; f < 4; ++f)
        t->RecettVal(1, f) = 1;
    return t;
}

QString lignes(const QStringList& l)
{
    return l.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
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
    const QString texte = Codec::decoder(Codec::encoder(FichierBase::ecrire(t)));
    Lecture l(texte);
    QVERIFY(!l.r.erreurs && l.plateforme.boites.isEmpty());
    QCOMPARE(FichierBase::ecrire(*l.t), FichierBase::ecrire(t));
}
} // namespace

class TstFichierBase : public QObject {
    Q_OBJECT
private slots:
    void fichiersDeReference_octetPourOctetDansLesDeuxSens()
    {
        QCOMPARE(Codec::encoder(FichierBase::ecrire(*exemple())), donnee("exemple20.don"));
        QCOMPARE(Codec::encoder(FichierBase::ecrire(*std::make_unique<Tables>())), donnee("vide.don"));
        Lecture l(Codec::decoder(donnee("exemple20.don")));
        QVERIFY(!l.r.erreurs && l.plateforme.boites.isEmpty());
        QCOMPARE(FichierBase::ecrire(*l.t), FichierBase::ecrire(*exemple()));
        Lecture vide(Codec::decoder(donnee("vide.don")));
        QVERIFY(!vide.r.erreurs);
        QCOMPARE(vide.t->NbCat + vide.t->NbMag + vide.t->NbRecett, 0);
    }

    void nombresAvecOuSansBlancs_etNomsSansBlancsDeTete()
    {
        Lecture l(lignes({"-1", "v1.2b", "1", "   Desserts", "   2   ", "0", "\t1", "Cuisine", "2", "0"}));
        QVERIFY(!l.r.erreurs);
        QCOMPARE(l.t->Cat(1), QStringLiteral("Desserts"));
        QCOMPARE(QList<int>({l.t->NbCat, l.t->CatNbRecett(1), l.t->NbMag, l.t->MagNbRecett(1)}), QList<int>({1, 2, 1, 2}));
    }

    void textesDifficiles_allerRetourExact()
    {
        auto t = exemple();
        t->RecettTexte(1, 2) = QStringLiteral("Farine, sucre, beurre\r\nCuire 30 min, four chaud");
        allerRetour(*t);
        t->Cat(1) = QStringLiteral("Œufs à la coque");
        t->Mag(1) = QStringLiteral("Régal ÿ Ð");
        t->RecettTexte(1, 2) = QStringLiteral("Prix : 5 € — ÿÐœ");
        allerRetour(*t);
        // Names with a comma are written quoted.
        t->Cat(1) = QStringLiteral("Tarte, pommes");
        t->SousCat(1, 1) = QStringLiteral("Fines, rustiques");
        t->Mag(1) = QStringLiteral("Cuisine, et vins");
        QVERIFY(FichierBase::ecrire(*t).contains(QStringLiteral("\r\n\"Tarte, pommes\"\r\n")));
        allerRetour(*t);
    }

    void guillemetDansUnTexte_devientApostrophe()
    {
        auto t = exemple();
        t->RecettTexte(1, 3) = QStringLiteral("Le \"vrai\" far");
        t->Mag(1) = QStringLiteral("Cuisine \"2000\"");
        Lecture l(FichierBase::ecrire(*t));
        QCOMPARE(l.t->RecettTexte(1, 3), QStringLiteral("Le 'vrai' far"));
        QCOMPARE(l.t->Mag(1), QStringLiteral("Cuisine '2000'"));
        QCOMPARE(l.t->RecettVal(1, 3), 1);
    }

    void fichierTronque_uneSeuleBoiteEtTablesCoherentes()
    {
        auto t = exemple();
        t->NbRecett = 3;
        t->CatNbRecett(1) = 3;
        t->SousCatNbRecett(1, 1) = 3;
        t->MagNbRecett(1) = 3;
        for (int r = 2; r <= 3; ++r)
            for (int f = 0; f < 4; ++f) {
                t->RecettTexte(r, f) = t->RecettTexte(1, f);
                t->RecettVal(r, f) = 1;
            }
        QString texte = FichierBase::ecrire(*t);
        // Cut in the middle of the third recipe.
        texte.truncate(texte.lastIndexOf(QStringLiteral("\"Tarte aux pommes\"")));
        Lecture l(texte);
        QVERIFY(l.r.erreurs);
        QVERIFY(l.r.interrompue);
        QCOMPARE(l.plateforme.boites.size(), 1);
        QCOMPARE(l.plateforme.boites[0].texte, QStringLiteral("Fin de fichier atteinte"));
        QCOMPARE(l.t->NbRecett, 2);
        QCOMPARE(l.t->CatNbRecett(1), 2);
        QCOMPARE(l.t->SousCatNbRecett(1, 1), 2);
        QCOMPARE(l.t->MagNbRecett(1), 2);
    }

    void entreeInvalide_uneBoiteEtCeQuiPrecede_data()
    {
        QTest::addColumn<QStringList>("contenu");
        QTest::addColumn<QString>("boite");
        QTest::addColumn<int>("nbCat");
        QTest::newRow("coupe dans les categories") << QStringList{"-1", "v1.2b", "3", "Desserts", "1", "0", "Entrées"}
                                                   << QStringLiteral("Fin de fichier atteinte") << 2;
        QTest::newRow("valeur illisible") << QStringList{"-1", "v1.2b", "deux", "Desserts", "1", "0", "0", "0"}
                                          << QStringLiteral("Incompatibilité de type") << 0;
        QTest::newRow("compte au-dela des tables") << QStringList{"-1", "v1.2b", "201"}
                                                   << QStringLiteral("L'indice n'appartient pas à la sélection") << 0;
    }

    void entreeInvalide_uneBoiteEtCeQuiPrecede()
    {
        QFETCH(QStringList, contenu);
        QFETCH(QString, boite);
        QFETCH(int, nbCat);
        Lecture l(lignes(contenu));
        QCOMPARE(l.plateforme.boites.size(), 1);
        QCOMPARE(l.plateforme.boites[0].texte, boite);
        QCOMPARE(l.t->NbCat, nbCat);
        if (nbCat > 0)
            QCOMPARE(l.t->Cat(nbCat), QStringLiteral("Entrées"));
        QCOMPARE(l.t->CatNbRecett(1) + l.t->NbMag + l.t->NbRecett, 0);
    }

    void reessayerEnFinDeFichier_redemandePuisAnnuler()
    {
        PlateformeScriptee p;
        p.reponses << Plateforme::Reponse::Reessayer << Plateforme::Reponse::Annuler;
        PolitiqueErreurs politique(p);
        auto t = std::make_unique<Tables>();
        const auto r = FichierBase::lire(lignes({"-1", "v1.2b", "0", "0"}), *t, politique);
        QVERIFY(r.interrompue);
        QCOMPARE(p.boites.size(), 2);
    }

    void dechetsBinaires_neBloquentNiNePlantent()
    {
        QByteArray dechets;
        for (int i = 0; i < 5000; ++i)
            dechets.append(static_cast<char>((i * 7919) % 256));
        Lecture l(Codec::decoder(dechets));
        QVERIFY(l.plateforme.boites.size() <= 1);
    }

    void entete_courantSaufV12()
    {
        QVERIFY(FichierBase::lireEntete(lignes({"-1", "v1.2b", "0"})).courante());
        QVERIFY(FichierBase::lireEntete(lignes({"-1 ", "autre", "0"})).courante());
        QVERIFY(!FichierBase::lireEntete(lignes({"-1", "v1.2", "0"})).courante());
        QVERIFY(!FichierBase::lireEntete(lignes({" 3 ", "Desserts"})).courante());
        QVERIFY(!FichierBase::lireEntete(QString()).courante());
    }

    void ecritureSure_echecLaisseLAncienFichierIntact()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("base.don"));
        Fichiers::ecrireSur(chemin, "ancien");
        // A path whose folder does not exist cannot be written.
        try {
            Fichiers::ecrireSur(dossier.filePath(QStringLiteral("absent/base.don")), "nouveau");
            QFAIL("write accepted");
        } catch (const ErreurExecution& e) {
            QVERIFY(e.description().contains(QStringLiteral("absent")));
            QVERIFY(e.description().contains(QStringLiteral("intact")));
        }
        // A folder in place of the file.
        try {
            Fichiers::ecrireSur(dossier.path(), "nouveau");
            QFAIL("write accepted");
        } catch (const ErreurExecution&) {
        }
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("ancien"));
    }
};

QTEST_GUILESS_MAIN(TstFichierBase)
#include "tst_fichierbase.moc"
