// The generated bases: the same seed gives the same bytes, every counter
// agrees with the recipes, the full base reads back exactly, and the shipped
// demo folder is what the generator makes.
#include "Outils.h"
#include "base/FichierBase.h"
#include "base/Generateur.h"
#include "platform/PlateformeScriptee.h"
#include "platform/PolitiqueErreurs.h"
#include <QCryptographicHash>
#include <memory>

namespace {

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

QByteArray empreinte(const Tables& t)
{
    return QCryptographicHash::hash(octets(t), QCryptographicHash::Sha256);
}

// Reads a base text into fresh tables; no box may be asked for.
std::unique_ptr<Tables> relire(const QString& texte, bool sauterEntete = true)
{
    auto t = std::make_unique<Tables>();
    PlateformeScriptee plateforme;
    PolitiqueErreurs politique(plateforme);
    const FichierBase::ResultatLecture r = FichierBase::lire(texte, *t, politique, sauterEntete);
    if (r.erreurs || r.interrompue || !plateforme.boites.isEmpty())
        return nullptr;
    return t;
}

QByteArray fichierDemo(const QString& nom)
{
    QFile f(QFINDTESTDATA(u("../../data/demo/") + nom));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Category and sub-category counters that disagree with the recipes.
QList<int> compteursFaux(const Tables& t)
{
    QList<int> faux{0, 0};
    for (int c = 1; c <= t.NbCat; ++c) {
        faux[0] += t.CatNbRecett(c) != t.compterCat(c);
        for (int s = 1; s <= t.NbSousCat(c); ++s)
            faux[1] += t.SousCatNbRecett(c, s) != t.compterSousCat(c, s);
    }
    return faux;
}

} // namespace

class TstGenerateur : public QObject {
    Q_OBJECT

private slots:
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


    // Recipes that exercise the file format: names in capitals with accents
    // and œ, notes with commas and line breaks, never a double quote.
    void recettes_exercentLeFormat()
    {
        const Tables& t = *m_complete;
        int accents = 0, oe = 0, virgules = 0, lignes = 0;
        for (int r = 1; r <= t.NbRecett; ++r) {
            for (int f = 0; f < 4; ++f)
                QVERIFY(!t.RecettTexte(r, f).contains(QLatin1Char('"')));
            const QString& nom = t.RecettTexte(r, 3);
            QVERIFY(!nom.isEmpty() && nom[0].isUpper());
            QVERIFY(t.RecettVal(r, 1) >= 1 && (t.RecettVal(r, 3) == 0 || t.RecettVal(r, 3) == 1));
            accents += nom.contains(u("é"));
            oe += nom.contains(u("Œ")) || nom.contains(u("œ"));
            virgules += t.RecettTexte(r, 2).contains(QLatin1Char(','));
            lignes += t.RecettTexte(r, 2).contains(QLatin1String("\r\n"));
        }
        QVERIFY(accents > 0 && oe > 0 && virgules > 1000 && lignes > 1000);
    }

    // The whole written base reads back into the same tables, byte for byte.
    void baseComplete_allerRetour()
    {
        const QByteArray ecrit = octets(*m_complete);
        QVERIFY(!ecrit.isEmpty()); // every character has its Windows-1252 byte
        const QString texte = Codec::decoder(ecrit);
        QVERIFY(FichierBase::lireEntete(texte).courante());
        const auto relu = relire(texte);
        QVERIFY(relu);
        QCOMPARE(relu->NbRecett, Tables::MaxRecett);
        // Every name, counter and field is written: the same bytes mean the same tables.
        QCOMPARE(octets(*relu), ecrit);
    }

    void texteAncien_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("debut");
        QTest::addColumn<int>("nbFaux");
        QTest::newRow("sans en-tête") << int(Generateur::FormatAncien::SansEntete) << u(" 40 \r\n") << 3;
        QTest::newRow("v1.2") << int(Generateur::FormatAncien::V12) << u("-1 \r\nv1.2\r\n 40 \r\n") << 2;
    }

    void texteAncien()
    {
        QFETCH(int, format);
        QFETCH(QString, debut);
        QFETCH(int, nbFaux);
        const QString texte = Generateur::texteAncien(*m_complete, Generateur::FormatAncien(format), nbFaux);
        QVERIFY(texte.startsWith(debut));
        QVERIFY(!FichierBase::lireEntete(texte).courante());
        const auto relu = relire(texte, format == int(Generateur::FormatAncien::V12));
        QVERIFY(relu);
        QCOMPARE(compteursFaux(*relu), QList<int>({nbFaux, nbFaux}));
        // Only the counters differ from the base it was made from.
        for (int c = 1; c <= relu->NbCat; ++c) {
            relu->CatNbRecett(c) = relu->compterCat(c);
            for (int s = 1; s <= relu->NbSousCat(c); ++s)
                relu->SousCatNbRecett(c, s) = relu->compterSousCat(c, s);
        }
        QCOMPARE(octets(*relu), octets(*m_complete));
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

QTEST_GUILESS_MAIN(TstGenerateur)
#include "tst_generateur.moc"
