// The search without widgets: the French folding of texts, the order of the
// found list and the text index kept from search to search, and the lines of
// the hidden found list.
#include "Outils.h"
#include "base/Collation.h"
#include "base/ListeTrouvee.h"
#include "base/PliageFrancais.h"
#include "search/FiltreRecherche.h"
#include "search/IndexTexte.h"
#include "search/OrdreRecettes.h"
#include <QRandomGenerator>
#include <memory>

class TestFiltreRecherche : public QObject {
    Q_OBJECT
private slots:
    void plier_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu");
        const auto cas = [](const char* texte, const char* attendu) { QTest::newRow(texte) << u(texte) << u(attendu); };
        cas("Crème BRÛLÉE à l'Île", "creme brulee a l'ile");
        cas("éèêë àâä ç ïî ôö ùûü ÿŸ", "eeee aaa c ii oo uuu yy");
        cas("ÉÈÊËÀÂÄÇÏÎÔÖÙÛÜ ÁÍÓÚÑÃÕÅÝ Šž", "eeeeaaaciioouuu aiounaoay sz");
        cas("Œuf, BŒUF, œufs", "oeuf, boeuf, oeufs");
        cas("Æ æ ß", "ae ae ss");
        cas("l’estragon ‘x’", "l'estragon 'x'");
        cas("3\u00A0€, 20\u202F%", "3 €, 20 %");
        cas("Ő ǣ İ Ł 𐐀", "o ae i ł 𐐨"); // outside Windows-1252: the general rule, up to a letter outside the BMP
        cas("e\u0301 \U0001D15E", "e \U0001D157"); // marks alone go, in the BMP or outside
        cas("µ Μ μ \u0081", "μ μ μ \u0081");       // the micro sign as the Greek letter, the undefined byte as it is
        QTest::newRow("tabulation, fin de ligne") << u("\t1\r\n2 HS 3") << u("\t1\r\n2 hs 3");
    }

    void plier()
    {
        QFETCH(QString, texte);
        QFETCH(QString, attendu);
        QCOMPARE(PliageFrancais::plier(texte), attendu);
    }

    // Every character the base can hold (µ and the undefined byte 0x81 included) folds alone as within a text, as
    // its folded form, its capital and its decomposed form do: the table and the general rule agree.
    void plier_caracteresWindows1252_memePliPartout()
    {
        QByteArray octets;
        for (int o = 1; o < 256; ++o)
            octets += static_cast<char>(o);
        for (const QChar c : Codec::decoder(octets)) {
            const QString pli = PliageFrancais::plier(QString(c));
            const QStringList formes{PliageFrancais::plier(u("a") + c + u("b")).mid(1).chopped(1),
                                     PliageFrancais::plier(pli), PliageFrancais::plier(QString(c).toUpper()),
                                     PliageFrancais::plier(QString(c).normalized(QString::NormalizationForm_D))};
            QVERIFY2(formes == QStringList(4, pli), qPrintable(u("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0'))));
        }
    }

    // Kept from search to search, the order and text index match fresh ones whatever changed: fields, recipes added,
    // a deletion (later recipes one slot down), a partial shift that looks like one. Names repeat: " 10", " 9" swap.
    void ordreEtIndexTexte_apresChangementsEtSuppressions_commeNeufs()
    {
        const QStringList noms = u("Tarte|tarte|Crème|Éclair| Flan|Zèbre|Tarte fine").split(u'|');
        QRandomGenerator hasard(20261206);
        auto base = std::make_unique<Tables>();
        const Collation collation;
        const CriteresRecherche criteres{u("1"), {}, {}, {}, 0};
        const FiltreRecherche filtre(criteres);
        OrdreRecettes garde;
        IndexTexte index;
        for (int tour = 0; tour < 40; ++tour) {
            if (tour % 4 < 2) { // recipes added (3000 at first), then a few fields changed, or many
                for (int n = tour ? tour % 3 : 3000; n > 0; --n) {
                    const int r = ++base->NbRecett;
                    for (int c = 0; c < 4; ++c)
                        base->RecettTexte(r, c) = c < 3 ? QString::number(hasard.bounded(40)) : noms[hasard.bounded(7)];
                }
                for (int i = tour % 4 == 0 ? 3 : 900; i > 0; --i)
                    base->RecettTexte(hasard.bounded(1, base->NbRecett + 1), hasard.bounded(4)) = noms[tour % 7];
            } else { // a deletion, or a shift of part of the base with the last recipe gone
                const int depuis = hasard.bounded(1, base->NbRecett);
                for (int r = depuis; r < (tour % 4 == 2 ? base->NbRecett : (depuis + base->NbRecett) / 2); ++r)
                    for (int c = 0; c < 4; ++c)
                        base->RecettTexte(r, c) = base->RecettTexte(r + 1, c);
                --base->NbRecett;
            }
            OrdreRecettes neuf;
            IndexTexte indexNeuf;
            garde.mettreAJour(*base, collation);
            neuf.mettreAJour(*base, collation);
            QVERIFY(garde.lignes() == neuf.lignes() && garde.ordre() == neuf.ordre() && garde.noms() == neuf.noms());
            QCOMPARE(filtre.filtrer(*base, index).gardees, filtre.filtrer(*base, indexNeuf).gardees);
        }
    }

    void ligneTrouvee_nomSeparateurBlancNumero_relueApresLeDernierSeparateur()
    {
        QCOMPARE(ligneTrouvee(u("Tarte aux pommes"), 12), u("Tarte aux pommes\u00FF 12"));
        for (const QString& nom : {u("Tarte"), u("Cr\u00FFme \u00FF 12"), u("Tarte\u00FF"), QString()})
            for (const int n : {1, 12, 345, 6789, 33000})
                QCOMPARE(nomDeLigne(ligneTrouvee(nom, n)) + u("|%1").arg(numeroDeLigne(ligneTrouvee(nom, n))),
                         nom + u("|%1").arg(n));
        for (const QString& ligne : {u("T 12"), u("Tÿ "), u("Tÿ 12a"), u("Tÿ -3"), u("Tÿ 12345678901"), QString()})
            QCOMPARE(erreurDe([&] { numeroDeLigne(ligne); }), u("Incompatibilité de type"));
    }
};

QTEST_GUILESS_MAIN(TestFiltreRecherche)
#include "tst_filtrerecherche.moc"
