// The search without widgets: the French folding of texts, the order of the
// found list and the text index kept from search to search, and the lines of
// the hidden found list.
#include "Outils.h"
#include "PlateformeScriptee.h"
#include "base/Collation.h"
#include "base/FichierBase.h"
#include "base/ListeTrouvee.h"
#include "base/PliageFrancais.h"
#include "platform/PolitiqueErreurs.h"
#include "search/FiltreRecherche.h"
#include "search/IndexTexte.h"
#include "search/IndexValeurs.h"
#include "search/OrdreRecettes.h"
#include <QRandomGenerator>
#include <algorithm>
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
    void plier_caracteresWindows1252_unSeulPli()
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

    // The slots found, as "1|3", among recipes "name, number, pages, notes" (recipe 4 has a typographic apostrophe).
    void mots_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendues");
        const auto cas = [](const char* nom, const char* texte, const char* attendues) {
            QTest::newRow(nom) << u(texte) << u(attendues);
        };
        cas("sans accents", "creme", "2|5");
        cas("capitales et accents", "CRÈME", "2|5");
        cas("oe tape, œ dans la base", "oeuf", "2|4|6");
        cas("Œ tape", "Œuf", "2|4|6");
        cas("deux mots d'un champ, dans le desordre", "estragon daube", "1");
        cas("jamais sur deux champs: nom et notes", "daube jardin", "");
        cas("jamais sur deux champs: numero et pages", "12 34", "");
        cas("apostrophes", "l'estragon", "1|4");
        cas("mots de liaison omis", "tarte pommes", "2");
        cas("un mot absent", "tarte poires", "");
        cas("blanc devant", " tarte", "3");
        cas("blanc derriere", "tarte ", "2");
        cas("blancs interieurs quelconques", "  pommes \u00A0 TARTE", "2");
        cas("numero", "hs 3", "1");
        cas("blancs seuls", " \u00A0 ", "1|2|3|4|5|6");
    }

    void mots()
    {
        QFETCH(QString, texte);
        QFETCH(QString, attendues);
        auto base = std::make_unique<Tables>();
        remplirTables(*base, {}, {},
                      {{"Daube à l'estragon", 0, 0, 0, 0, "HS 3", "34"},
                       {"Tarte aux pommes", 0, 0, 0, 0, "12", "34", "Crème fraîche, œufs"},
                       {"Mini tarte", 0, 0, 0, 0, "", "", "une tartelette"},
                       {"Bœuf en daube", 0, 0, 0, 0, "", "", "l’estragon du jardin"},
                       {"Crème brûlée", 0, 0, 0, 0, "5"},
                       {"ŒUFS À LA NEIGE"}});
        IndexTexte index;
        const CriteresRecherche criteres{texte, {}, {}, {}, 0};
        const std::vector<char> gardees = FiltreRecherche(criteres).filtrer(*base, index).gardees;
        QStringList trouvees;
        for (int r = 1; r <= base->NbRecett; ++r)
            if (gardees[static_cast<std::size_t>(r)])
                trouvees << QString::number(r);
        QCOMPARE(trouvees.join(u'|'), attendues);
    }

    // Every recipe found by the former rule (the whole text, case folded, within one field case folded) is found
    // still: fields of French words, texts cut from them with their case changed and blanks at their ends, or words.
    void mots_trouventToutCeQueTrouvaitLeTexteEntier()
    {
        const QStringList mots = u("Crème|brûlée|œufs|BŒUF|Bœuf|l’estragon|l'estragon|d'agneau|à|la|aux|Tarte|pommes|"
                                   "Noël|maïs|façon|ÉCLAIR|Île|flottante|1,5|200 g|HS 3|n° 7|côte|veau,|sœur|Cæsar|"
                                   "3\u00A0€|cuisson : 35 min|12-13|34")
                                     .split(u'|');
        QRandomGenerator hasard(20260114);
        const auto phrase = [&](int nbMots) {
            QStringList p;
            while (p.size() < nbMots)
                p << mots[hasard.bounded(mots.size())];
            return p.join(u' ');
        };
        auto base = std::make_unique<Tables>();
        std::vector<QStringList> plies(1); // the former rule's fields, by slot
        for (int r = 1; r <= 3000; ++r, ++base->NbRecett) {
            plies.emplace_back();
            for (int c = 0; c < 4; ++c) { // number and pages of 0 or 1 word, notes of 0 to 11, a name of 1 to 5
                base->RecettTexte(r, c) = phrase(c == 3 ? hasard.bounded(1, 6) : hasard.bounded(c == 2 ? 12 : 2));
                plies.back() << base->RecettTexte(r, c).toCaseFolded();
            }
        }
        IndexTexte index;
        int trouveesAvant = 0;
        for (int essai = 0; essai < 400; ++essai) {
            QString texte = phrase(hasard.bounded(1, 3));
            if (essai % 4) {
                const QString champ = base->RecettTexte(hasard.bounded(1, 3001), hasard.bounded(4));
                const int debut = hasard.bounded(static_cast<int>(champ.size()) + 1);
                texte = champ.mid(debut, hasard.bounded(static_cast<int>(champ.size()) - debut + 1));
            }
            for (QChar& c : texte)
                c = hasard.bounded(3) ? c : hasard.bounded(2) ? c.toUpper() : c.toLower();
            texte = QString(hasard.bounded(3), u' ') + texte + QString(hasard.bounded(3), u' ');
            const CriteresRecherche criteres{texte, {}, {}, {}, 0};
            const std::vector<char> gardees = FiltreRecherche(criteres).filtrer(*base, index).gardees;
            const QString plie = texte.toCaseFolded();
            for (std::size_t r = 1; r < plies.size(); ++r) {
                const bool avant = texte.trimmed().isEmpty()
                    || std::any_of(plies[r].begin(), plies[r].end(),
                                   [&](const QString& champ) { return champ.contains(plie); });
                QVERIFY2(!avant || gardees[r], qPrintable(u("«%1» %2").arg(texte).arg(r)));
                trouveesAvant += avant;
            }
        }
        QVERIFY(trouveesAvant > 10000);
    }

    // Kept from search to search, the order and text index match fresh ones whatever changed: fields, recipes added,
    // a deletion (later recipes one slot down), a partial shift that looks like one, a deletion taken back. Names
    // repeat, some as strings of their own: " 10", " 9" swap.
    void ordreEtIndexTexte_apresChangementsEtSuppressions_commeNeufs()
    {
        const QStringList partages = u("Tarte|tarte|Crème|Éclair| Flan|Zèbre|Tarte fine").split(u'|');
        QRandomGenerator hasard(20261206);
        // One string shared by its repeats, as a reading gives them, or a copy of its own one time in three.
        const auto noms = [&](int k) {
            const QString& nom = partages[k];
            return hasard.bounded(3) ? nom : QString(nom.constData(), nom.size());
        };
        auto base = std::make_unique<Tables>();
        const Collation collation;
        const CriteresRecherche nombre{u("12"), {}, {}, {}, 0}, mots{u("fine TARTE"), {}, {}, {}, 0};
        OrdreRecettes garde;
        IndexTexte index;
        for (int tour = 0; tour < 40; ++tour) {
            if (tour % 4 < 2) { // recipes added (3000 at first), then a few fields changed, or many
                for (int n = tour ? tour % 3 : 3000; n > 0; --n) {
                    const int r = ++base->NbRecett;
                    for (int c = 0; c < 4; ++c)
                        base->RecettTexte(r, c) = c < 3 ? QString::number(hasard.bounded(40)) : noms(hasard.bounded(7));
                }
                for (int i = tour % 4 == 0 ? 3 : 900; i > 0; --i)
                    base->RecettTexte(hasard.bounded(1, base->NbRecett + 1), hasard.bounded(4)) = noms(tour % 7);
            } else if (tour % 8 == 7) { // a deletion taken back: later recipes one slot up, one put in between
                const int a = hasard.bounded(1, base->NbRecett + 1);
                for (int r = ++base->NbRecett; r > a; --r)
                    for (int c = 0; c < 4; ++c)
                        base->RecettTexte(r, c) = base->RecettTexte(r - 1, c);
                base->RecettTexte(a, Recette::Nom) = noms(tour % 7);
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
            QVERIFY(garde.ordre() == neuf.ordre() && garde.noms() == neuf.noms());
            QStringList tous;
            for (int r = 1; r <= base->NbRecett; ++r)
                tous << base->RecettTexte(r, Recette::Nom);
            QCOMPARE(neuf.noms(), collation.trier(tous));
            const std::vector<int>& o = neuf.ordre();
            for (std::size_t i = 1; i < o.size(); ++i)
                QVERIFY(neuf.nomDe(o[i - 1]) != neuf.nomDe(o[i]) || QString::number(o[i - 1]) < QString::number(o[i]));
            for (const CriteresRecherche* criteres : {&nombre, &mots}) {
                const FiltreRecherche filtre(*criteres);
                QCOMPARE(filtre.filtrer(*base, index).gardees, filtre.filtrer(*base, indexNeuf).gardees);
            }
        }
    }

    // The search keeps what it built while the tables' stamps stay: any write to the tables, a whole base assigned
    // with the same count, a name of a criterion written in place, a base read over them, is seen by the next search.
    void ecrituresDirectes_vuesParLaRechercheSuivante()
    {
        auto base = std::make_unique<Tables>();
        base->NbRecett = 3;
        base->NbMag = 1;
        base->Mag(1) = u("Elle");
        for (int r = 1; r <= 3; ++r) {
            base->RecettTexte(r, Recette::Nom) = u("Flan");
            base->RecettVal(r, Recette::Magazine) = 1;
        }
        IndexTexte index;
        OrdreRecettes ordre;
        const Collation collation;
        const CriteresRecherche pommes{u("pommes"), {}, {}, {}, 0}, elle{{}, u("Elle"), {}, {}, 0};
        const auto trouvees = [&](const CriteresRecherche& c) {
            return FiltreRecherche(c).filtrer(*base, index).nbTrouvees;
        };
        QCOMPARE(trouvees(pommes), 0);
        base->RecettTexte(2, Recette::Notes) = u("Pommes");
        QCOMPARE(trouvees(pommes), 1);
        auto autre = std::make_unique<Tables>(*base);
        autre->RecettTexte(2, Recette::Notes) = u("Poires");
        autre->RecettTexte(3, Recette::Nom) = u("Aligot");
        ordre.mettreAJour(*base, collation);
        *base = *autre;
        QCOMPARE(trouvees(pommes), 0);
        ordre.mettreAJour(*base, collation);
        QCOMPARE(ordre.ordre(), std::vector<int>({3, 1, 2}));
        QCOMPARE(trouvees(elle), 3);
        base->Mag(1) = u("Marie Claire");
        QCOMPARE(trouvees(elle), 0);
        // A base read over the tables, as loading one does, row by row.
        autre->RecettTexte(2, Recette::Notes) = u("Pommes");
        PlateformeScriptee plateforme;
        PolitiqueErreurs politique(plateforme);
        QVERIFY(!FichierBase::lire(FichierBase::octets(*autre), *base, politique).erreurs);
        QCOMPARE(trouvees(pommes), 1);
    }

    // By magazine or category, the recipes of the names chosen alone give what a pass over the whole base gives,
    // recipes pointing outside the tables (reported) included, also after the values changed.
    void parValeurs_commeLeParcoursEntier()
    {
        auto base = std::make_unique<Tables>();
        QRandomGenerator hasard(20261207);
        base->NbCat = 4;
        base->NbMag = 5;
        for (int i = 1; i <= 5; ++i) {
            base->Mag(i) = i == 5 ? u("Elle") : u("M%1").arg(i % 3); // two rows of one name
            base->Cat(i % 5) = u("C%1").arg(i % 2);
            base->SousCat(i % 5, 1) = u("S");
        }
        IndexTexte index;
        IndexValeurs valeurs;
        const QList<CriteresRecherche> criteres = {{{}, u("M1"), {}, {}, 0},
                                                   {{}, u("Elle"), u("C1"), {}, 1},
                                                   {{}, {}, u("C0"), {}, 0},
                                                   {{}, {}, u("C1"), u("S"), 2}};
        for (int tour = 0; tour < 3; ++tour) {
            base->NbRecett = 2000 - tour * 100;
            for (int r = 1; r <= base->NbRecett; ++r) {
                base->RecettVal(r, Recette::Magazine) = hasard.bounded(-1, 7) * (r % 97 ? 1 : 200);
                base->RecettVal(r, Recette::Categorie) = hasard.bounded(-1, 6) * (r % 89 ? 1 : 100);
                base->RecettVal(r, Recette::SousCategorie) = hasard.bounded(0, 3);
                base->RecettVal(r, Recette::Testee) = hasard.bounded(2);
            }
            for (const CriteresRecherche& c : criteres) {
                const FiltreRecherche filtre(c);
                const FiltreRecherche::Resultat tout = filtre.filtrer(*base, index);
                const FiltreRecherche::Resultat indexe = filtre.filtrer(*base, index, &valeurs);
                QVERIFY(tout.nbEnErreur > 0 && tout.nbTrouvees > 0);
                QCOMPARE(indexe.gardees, tout.gardees);
                QCOMPARE(indexe.nbEnErreur, tout.nbEnErreur);
                QCOMPARE(int(indexe.recettes->size()), tout.nbTrouvees);
                QVERIFY(std::is_sorted(indexe.recettes->begin(), indexe.recettes->end()));
            }
        }
    }

    // The keys of thousands of names, computed by blocks on both cores, are each name's own: each equals the key
    // of that name alone, and sorting by them gives the order of comparing the names themselves.
    void clesDeMilliersDeNoms_cellesDeChaqueNom()
    {
        QRandomGenerator hasard(20261207);
        const QString lettres = u("aAeéÉèbcçCoœŒ -'0");
        QStringList noms;
        while (noms.size() < 3000) {
            QString nom;
            for (int n = hasard.bounded(1, 12); n > 0; --n)
                nom += lettres[hasard.bounded(static_cast<int>(lettres.size()))];
            noms << nom;
            noms.removeDuplicates();
        }
        const Collation collation, temoin;
        const std::vector<Collation::Cle> cles = collation.cles(noms);
        QCOMPARE(static_cast<qsizetype>(cles.size()), noms.size());
        std::vector<int> parCles(cles.size()), parNoms(cles.size());
        for (int i = 0; i < noms.size(); ++i) {
            QCOMPARE(Collation::comparerCles(cles[i], noms[i], temoin.cle(noms[i]), noms[i]), 0);
            parCles[i] = parNoms[i] = i;
        }
        std::sort(parCles.begin(), parCles.end(),
                  [&](int a, int b) { return Collation::comparerCles(cles[a], noms[a], cles[b], noms[b]) < 0; });
        std::sort(parNoms.begin(), parNoms.end(), [&](int a, int b) { return temoin.comparer(noms[a], noms[b]) < 0; });
        QVERIFY(parCles == parNoms);
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
