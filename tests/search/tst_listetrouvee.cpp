// The found list's line format, the slot numbers read back from it, and the
// order kept for every recipe.
#include "Outils.h"
#include "base/Collation.h"
#include "search/FiltreRecherche.h"
#include "search/IndexTexte.h"
#include "search/ListeTrouvee.h"
#include "search/OrdreRecettes.h"
#include <QRandomGenerator>
#include <memory>

namespace {
// The order kept and a fresh sort of the same base give the same lines.
void verifierCommeNeuf(OrdreRecettes& garde, const Tables& base, const Collation& collation)
{
    OrdreRecettes neuf;
    garde.mettreAJour(base, collation);
    neuf.mettreAJour(base, collation);
    QCOMPARE(garde.ordre(), neuf.ordre());
    QCOMPARE(garde.lignes(), neuf.lignes());
    QCOMPARE(garde.noms(), neuf.noms());
}
} // namespace

class TestListeTrouvee : public QObject {
    Q_OBJECT
private slots:
    void ligneTrouvee_nomSeparateurBlancNumero()
    {
        QCOMPARE(ligneTrouvee(u("Tarte aux pommes"), 12), u("Tarte aux pommes\u00FF 12"));
        QCOMPARE(ligneTrouvee(QString(), 33000), u("\u00FF 33000"));
        QCOMPARE(ligneTrouvee(u("Œuf"), 0), u("Œuf\u00FF 0"));
        QCOMPARE(ligneTrouvee(u("Œuf"), -7), u("Œuf\u00FF-7"));
        // Read back after the last separator, whatever the name holds.
        for (const QString& nom : {u("Tarte"), u("Cr\u00FFme \u00FF 12"), u("Tarte\u00FF"), QString()})
            for (const int n : {1, 12, 345, 6789, 33000}) {
                QCOMPARE(numeroDeLigne(ligneTrouvee(nom, n)), n);
                QCOMPARE(nomDeLigne(ligneTrouvee(nom, n)), nom);
            }
    }

    void numeroDeLigne_sansNumero_incompatibiliteType()
    {
        for (const QString& ligne : {u("Tarte 12"), u("Tarte\u00FF "), u("Tarte\u00FF 12a"), u("Tarte\u00FF -3"),
                                     u("Tarte\u00FF 12345678901"), QString()})
            QCOMPARE(erreurDe([&] { numeroDeLigne(ligne); }), u("Incompatibilité de type"));
    }

    // The order kept from search to search must always be the one a fresh
    // sort gives, whatever changed in between: names, recipes added or gone.
    void ordre_suitLesNomsChangesAjoutsEtSuppressions()
    {
        const QStringList syllabes{u("ta"), u("Tar"), u("te"), u("é"), u(" "), u("lette"), u("Crè"), u("me")};
        QRandomGenerator hasard(20260611);
        auto nomAuHasard = [&] {
            QString nom;
            for (int i = hasard.bounded(1, 4); i > 0; --i)
                nom += syllabes[hasard.bounded(static_cast<int>(syllabes.size()))];
            return nom;
        };
        auto base = std::make_unique<Tables>();
        base->NbRecett = 2000;
        for (int r = 1; r <= base->NbRecett; ++r)
            base->RecettTexte(r, 3) = nomAuHasard();
        const Collation collation;
        OrdreRecettes garde;
        garde.mettreAJour(*base, collation);
        for (int tour = 0; tour < 30; ++tour) {
            const int changes = tour % 5 == 4 ? 900 : hasard.bounded(1, 6);
            for (int i = 0; i < changes; ++i)
                base->RecettTexte(hasard.bounded(1, base->NbRecett + 1), 3) = nomAuHasard();
            if (tour % 3 == 1)
                base->NbRecett -= hasard.bounded(0, 20);
            if (tour % 3 == 2)
                for (int i = 0; i < 7; ++i)
                    base->RecettTexte(++base->NbRecett, 3) = nomAuHasard();
            verifierCommeNeuf(garde, *base, collation);
        }
    }

    // A deletion moves every later recipe down one slot; the order and the
    // text index take the work already done from the next slot. Names repeat
    // a lot, so that equal names change their order of slot numbers (" 10"
    // before " 9", then " 8" before " 9"). Also a shift of only part of the
    // base, which looks like a deletion and is not one.
    void ordre_etIndexTexte_apresUnDecalageCommeNeufs()
    {
        const QStringList noms{u("Tarte"), u("tarte"), u("Crème"), u("Éclair"), u("Flan"), u("Zèbre")};
        QRandomGenerator hasard(20261206);
        auto base = std::make_unique<Tables>();
        base->NbRecett = 3000;
        for (int r = 1; r <= base->NbRecett; ++r) {
            for (int champ = 0; champ < 3; ++champ)
                base->RecettTexte(r, champ) = QString::number(hasard.bounded(40));
            base->RecettTexte(r, 3) = noms[hasard.bounded(static_cast<int>(noms.size()))];
        }
        const Collation collation;
        OrdreRecettes garde;
        IndexTexte index;
        CriteresRecherche criteres;
        criteres.texte = u("1");
        const FiltreRecherche filtre(criteres);
        for (const auto& [depuis, partiel] : {std::pair{1, false}, std::pair{7, false}, std::pair{2800, false},
                                              std::pair{1, true}, std::pair{base->NbRecett - 5, false}}) {
            garde.mettreAJour(*base, collation);
            (void)filtre.filtrer(*base, index);
            for (int r = depuis; r < (partiel ? 1500 : base->NbRecett); ++r)
                for (int champ = 0; champ < 4; ++champ)
                    base->RecettTexte(r, champ) = base->RecettTexte(r + 1, champ);
            --base->NbRecett;
            verifierCommeNeuf(garde, *base, collation);
            IndexTexte indexNeuf;
            QCOMPARE(filtre.filtrer(*base, index).gardees, filtre.filtrer(*base, indexNeuf).gardees);
        }
    }
};

QTEST_APPLESS_MAIN(TestListeTrouvee)
#include "tst_listetrouvee.moc"
