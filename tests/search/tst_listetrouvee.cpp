// The found list's line format, the slot numbers read back from it, and the
// order kept for every recipe.
#include "base/Collation.h"
#include "base/Tables.h"
#include "search/FiltreRecherche.h"
#include "search/IndexTexte.h"
#include "search/ListeTrouvee.h"
#include "search/OrdreRecettes.h"
#include <QRandomGenerator>
#include <QTest>
#include <memory>

class TestListeTrouvee : public QObject {
    Q_OBJECT
private slots:
    void ligneTrouvee_nomSeparateurBlancNumero();
    void numeroDeLigne_litApresLeDernierSeparateur_data();
    void numeroDeLigne_litApresLeDernierSeparateur();
    void numeroDeLigne_sansNumero_incompatibiliteType_data();
    void numeroDeLigne_sansNumero_incompatibiliteType();
    void ordre_suitLesNomsChangesAjoutsEtSuppressions();
    void ordre_etIndexTexte_apresUnDecalageCommeNeufs();
};

void TestListeTrouvee::ligneTrouvee_nomSeparateurBlancNumero()
{
    QCOMPARE(ligneTrouvee(QStringLiteral("Tarte aux pommes"), 12), QStringLiteral("Tarte aux pommes\u00FF 12"));
    QCOMPARE(ligneTrouvee(QString(), 33000), QStringLiteral("\u00FF 33000"));
    QCOMPARE(ligneTrouvee(QStringLiteral("Œuf"), 0), QStringLiteral("Œuf\u00FF 0"));
    QCOMPARE(ligneTrouvee(QStringLiteral("Œuf"), -7), QStringLiteral("Œuf\u00FF-7"));
    QCOMPARE(nomDeLigne(QStringLiteral("Crème \u00FF fraîche\u00FF 7")), QStringLiteral("Crème \u00FF fraîche"));
}

void TestListeTrouvee::numeroDeLigne_litApresLeDernierSeparateur_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("numero");
    for (const int n : {1, 12, 345, 6789, 33000}) {
        QTest::addRow("tarte %d", n) << QStringLiteral("Tarte") << n;
        QTest::addRow("separateur dans le nom %d", n) << QStringLiteral("Cr\u00FFme \u00FF 12") << n;
    }
    QTest::newRow("separateur en fin de nom") << QStringLiteral("Tarte\u00FF") << 5;
    QTest::newRow("nom vide") << QString() << 9;
}

void TestListeTrouvee::numeroDeLigne_litApresLeDernierSeparateur()
{
    QFETCH(QString, nom);
    QFETCH(int, numero);
    QCOMPARE(numeroDeLigne(ligneTrouvee(nom, numero)), numero);
    QCOMPARE(nomDeLigne(ligneTrouvee(nom, numero)), nom);
}

void TestListeTrouvee::numeroDeLigne_sansNumero_incompatibiliteType_data()
{
    QTest::addColumn<QString>("ligne");
    QTest::newRow("sans separateur") << QStringLiteral("Tarte 12");
    QTest::newRow("rien apres") << QStringLiteral("Tarte\u00FF ");
    QTest::newRow("lettres") << QStringLiteral("Tarte\u00FF 12a");
    QTest::newRow("negatif") << QStringLiteral("Tarte\u00FF -3");
    QTest::newRow("trop long") << QStringLiteral("Tarte\u00FF 12345678901");
    QTest::newRow("vide") << QString();
}

void TestListeTrouvee::numeroDeLigne_sansNumero_incompatibiliteType()
{
    QFETCH(QString, ligne);
    try {
        numeroDeLigne(ligne);
        QFAIL("a number was read");
    } catch (const ErreurExecution& e) {
        QCOMPARE(e.description(), QStringLiteral("Incompatibilité de type"));
    }
}

namespace {
std::unique_ptr<Tables> baseDeNoms(const QStringList& noms)
{
    auto base = std::make_unique<Tables>();
    base->NbRecett = static_cast<int>(noms.size());
    for (int r = 1; r <= base->NbRecett; ++r)
        base->RecettTexte(r, 3) = noms[r - 1];
    return base;
}

} // namespace

void TestListeTrouvee::ordre_suitLesNomsChangesAjoutsEtSuppressions()
{
    // The order kept from search to search must always be the one a fresh
    // sort gives, whatever changed in between.
    const QStringList syllabes{QStringLiteral("ta"), QStringLiteral("Tar"), QStringLiteral("te"), QStringLiteral("é"),
                               QStringLiteral(" "), QStringLiteral("lette"), QStringLiteral("Crè"), QStringLiteral("me")};
    QRandomGenerator hasard(20260611);
    auto nomAuHasard = [&] {
        QString nom;
        for (int i = hasard.bounded(1, 4); i > 0; --i)
            nom += syllabes[hasard.bounded(static_cast<int>(syllabes.size()))];
        return nom;
    };
    QStringList noms;
    for (int i = 0; i < 2000; ++i)
        noms << nomAuHasard();
    const auto base = baseDeNoms(noms);
    const Collation collation;
    OrdreRecettes garde;
    garde.mettreAJour(*base, collation);
    for (int tour = 0; tour < 30; ++tour) {
        const int changes = tour % 5 == 4 ? 900 : hasard.bounded(1, 6);
        for (int i = 0; i < changes; ++i)
            base->RecettTexte(hasard.bounded(1, base->NbRecett + 1), 3) = nomAuHasard();
        if (tour % 3 == 1)
            base->NbRecett -= hasard.bounded(0, 20);
        if (tour % 3 == 2) {
            for (int i = 0; i < 7; ++i)
                base->RecettTexte(++base->NbRecett, 3) = nomAuHasard();
        }
        OrdreRecettes neuf;
        garde.mettreAJour(*base, collation);
        neuf.mettreAJour(*base, collation);
        QCOMPARE(garde.ordre(), neuf.ordre());
        QCOMPARE(garde.lignes(), neuf.lignes());
        QCOMPARE(garde.noms(), neuf.noms());
    }
}

void TestListeTrouvee::ordre_etIndexTexte_apresUnDecalageCommeNeufs()
{
    // A deletion moves every later recipe down one slot; the order and the
    // text index take the work already done from the next slot. Names repeat
    // a lot, so that equal names change their order of slot numbers (" 10"
    // before " 9", then " 8" before " 9"). Also a shift of only part of the
    // base, which looks like a deletion and is not one.
    const QStringList noms{QStringLiteral("Tarte"), QStringLiteral("tarte"), QStringLiteral("Crème"),
                           QStringLiteral("Éclair"), QStringLiteral("Flan"), QStringLiteral("Zèbre")};
    QRandomGenerator hasard(20261206);
    auto base = std::make_unique<Tables>();
    base->NbRecett = 3000;
    for (int r = 1; r <= base->NbRecett; ++r) {
        for (int champ = 0; champ < 3; ++champ)
            base->RecettTexte(r, champ) = QString::number(hasard.bounded(40));
        base->RecettTexte(r, 3) = noms[hasard.bounded(static_cast<int>(noms.size()))];
    }
    const auto decaler = [&](int depuis, int jusqua) {
        for (int r = depuis; r < jusqua; ++r)
            for (int champ = 0; champ < 4; ++champ)
                base->RecettTexte(r, champ) = base->RecettTexte(r + 1, champ);
        --base->NbRecett;
    };
    const Collation collation;
    OrdreRecettes garde;
    IndexTexte index;
    CriteresRecherche criteres;
    criteres.texte = QStringLiteral("1");
    const FiltreRecherche filtre(criteres);
    for (const auto& [depuis, partiel] : {std::pair{1, false}, std::pair{7, false}, std::pair{2800, false},
                                          std::pair{1, true}, std::pair{base->NbRecett - 5, false}}) {
        garde.mettreAJour(*base, collation);
        (void)filtre.filtrer(*base, index);
        decaler(depuis, partiel ? 1500 : base->NbRecett);
        OrdreRecettes neuf;
        IndexTexte indexNeuf;
        garde.mettreAJour(*base, collation);
        neuf.mettreAJour(*base, collation);
        QCOMPARE(garde.ordre(), neuf.ordre());
        QCOMPARE(garde.lignes(), neuf.lignes());
        QCOMPARE(filtre.filtrer(*base, index).gardees, filtre.filtrer(*base, indexNeuf).gardees);
    }
}

QTEST_APPLESS_MAIN(TestListeTrouvee)
#include "tst_listetrouvee.moc"
