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

void comparerTables(const Tables& a, const Tables& b)
{
    QCOMPARE(a.NbCat, b.NbCat);
    QCOMPARE(a.NbMag, b.NbMag);
    QCOMPARE(a.NbRecett, b.NbRecett);
    for (int c = 1; c <= a.NbCat; ++c) {
        QCOMPARE(a.Cat(c), b.Cat(c));
        QCOMPARE(a.CatNbRecett(c), b.CatNbRecett(c));
        QCOMPARE(a.NbSousCat(c), b.NbSousCat(c));
        for (int s = 1; s <= a.NbSousCat(c); ++s) {
            QCOMPARE(a.SousCat(c, s), b.SousCat(c, s));
            QCOMPARE(a.SousCatNbRecett(c, s), b.SousCatNbRecett(c, s));
        }
    }
    for (int m = 1; m <= a.NbMag; ++m) {
        QCOMPARE(a.Mag(m), b.Mag(m));
        QCOMPARE(a.MagNbRecett(m), b.MagNbRecett(m));
    }
    for (int r = 1; r <= a.NbRecett; ++r)
        for (int f = 0; f < 4; ++f) {
            QCOMPARE(a.RecettTexte(r, f), b.RecettTexte(r, f));
            QCOMPARE(a.RecettVal(r, f), b.RecettVal(r, f));
        }
}
} // namespace

class TstFichierBase : public QObject {
    Q_OBJECT
private slots:
    void ecrireExemple_vingtLignesOctetPourOctet()
    {
        QCOMPARE(Codec::encoder(FichierBase::ecrire(*exemple())), donnee("exemple20.don"));
    }

    void ecrireBaseVide_cinqLignes()
    {
        auto t = std::make_unique<Tables>();
        QCOMPARE(Codec::encoder(FichierBase::ecrire(*t)), donnee("vide.don"));
    }

    void lireExemple_donneLesTables()
    {
        Lecture l(Codec::decoder(donnee("exemple20.don")));
        QVERIFY(!l.r.erreurs);
        comparerTables(*l.t, *exemple());
        QVERIFY(l.plateforme.boites.isEmpty());
    }

    void lireBaseVide_comptesAZero()
    {
        Lecture l(Codec::decoder(donnee("vide.don")));
        QCOMPARE(l.t->NbCat + l.t->NbMag + l.t->NbRecett, 0);
        QVERIFY(!l.r.erreurs);
    }

    void nombresAvecOuSansBlancs_etNomsSansBlancsDeTete()
    {
        Lecture l(lignes({"-1", "v1.2b", "1", "   Desserts", "   2   ", "0", "\t1", "Cuisine", "2", "0"}));
        QVERIFY(!l.r.erreurs);
        QCOMPARE(l.t->NbCat, 1);
        QCOMPARE(l.t->Cat(1), QStringLiteral("Desserts"));
        QCOMPARE(l.t->CatNbRecett(1), 2);
        QCOMPARE(l.t->NbMag, 1);
        QCOMPARE(l.t->MagNbRecett(1), 2);
    }

    void texteCiteAvecVirgulesEtSautsDeLigne_luEntier()
    {
        auto t = exemple();
        t->RecettTexte(1, 2) = QStringLiteral("Farine, sucre, beurre\r\nCuire 30 min, four chaud");
        Lecture l(FichierBase::ecrire(*t));
        comparerTables(*l.t, *t);
    }

    void caracteresWindows1252_allerRetour()
    {
        auto t = exemple();
        t->Cat(1) = QStringLiteral("Œufs à la coque");
        t->Mag(1) = QStringLiteral("Régal ÿ Ð");
        t->RecettTexte(1, 2) = QStringLiteral("Prix : 5 € — ÿÐœ");
        const QByteArray octets = Codec::encoder(FichierBase::ecrire(*t));
        Lecture l(Codec::decoder(octets));
        comparerTables(*l.t, *t);
    }

    void nomAvecVirgule_ecritCiteEtRelu()
    {
        auto t = exemple();
        t->Cat(1) = QStringLiteral("Tarte, pommes");
        t->SousCat(1, 1) = QStringLiteral("Fines, rustiques");
        t->Mag(1) = QStringLiteral("Cuisine, et vins");
        const QString texte = FichierBase::ecrire(*t);
        QVERIFY(texte.contains(QStringLiteral("\r\n\"Tarte, pommes\"\r\n")));
        Lecture l(texte);
        QVERIFY(!l.r.erreurs);
        comparerTables(*l.t, *t);
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

    void fichierTronqueDansLesCategories_rienDAutre()
    {
        Lecture l(lignes({"-1", "v1.2b", "3", "Desserts", "1", "0", "Entrées"}));
        QCOMPARE(l.plateforme.boites.size(), 1);
        QCOMPARE(l.t->NbCat, 2);
        QCOMPARE(l.t->Cat(2), QStringLiteral("Entrées"));
        QCOMPARE(l.t->CatNbRecett(1), 0);
        QCOMPARE(l.t->NbMag, 0);
        QCOMPARE(l.t->NbRecett, 0);
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

    void valeurIllisible_uneBoiteIncompatibiliteDeType()
    {
        Lecture l(lignes({"-1", "v1.2b", "deux", "Desserts", "1", "0", "0", "0"}));
        QCOMPARE(l.plateforme.boites.size(), 1);
        QCOMPARE(l.plateforme.boites[0].texte, QStringLiteral("Incompatibilité de type"));
        QCOMPARE(l.t->NbCat, 0);
    }

    void compteAuDelaDesTables_uneBoite()
    {
        Lecture l(lignes({"-1", "v1.2b", "201"}));
        QCOMPARE(l.plateforme.boites.size(), 1);
        QCOMPARE(l.plateforme.boites[0].texte, QStringLiteral("L'indice n'appartient pas à la sélection"));
        QCOMPARE(l.t->NbCat, 0);
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
