// The search frame through the real main window: criteria lists, search, found list, counters;
// the found list's line format, and the order and text index kept from search to search.
#include "Banc.h"
#include "search/FiltreRecherche.h"
#include "search/IndexTexte.h"
#include "search/OrdreRecettes.h"
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {
// By name, then by slot number as text: " 12" before " 3".
const QString ToutesTriees = u("Brioche 11|Crêpes 12|Crêpes 3|crêpes 13|Éclair 10|Gâteau basque 5|Glace vanille 7|"
                               "Sole meunière 6|Soupe à l'oignon 9|Tarte 8|Tarte aux pommes 1|TARTE FINE 4|"
                               "Tartelette au citron 2");
} // namespace

class TestRecherche : public QObject {
    Q_OBJECT
private slots:
    // Thirteen recipes; "Entrées", "Crèmes" and "Marmiton" have none, two categories differ only
    // in case, slots 3, 12 and 13 share a name. Then a refresh as "Actualiser" does.
    void init()
    {
        m_banc.emplace();
        m_banc->demarrer();
        remplirTables(m_banc->p().base,
                      {u("Desserts/Tartes/Viennoiseries/Crèmes"), u("Plats/Soupes et poissons"), u("Entrées"),
                       u("desserts/Glaces")},
                      {u("Elle à table"), u("Cuisine actuelle"), u("Marmiton"), u(" Saveurs")},
                      {{"Tarte aux pommes", 1, 1, 1, 1, "12", "34", "Avec cannelle"},
                       {"Tartelette au citron", 1, 1, 2},
                       {"Crêpes", 1, 2, 1},
                       {"TARTE FINE", 2, 1, 2, 1},
                       {"Gâteau basque", 1, 2, 1, 0, "", "", "pâte sablée, crème"},
                       {"Sole meunière", 2, 1, 4, 0, "", "", "avec une tartelette"},
                       {"Glace vanille", 4, 1, 1, 1},
                       {"Tarte", 1, 1, 1},
                       {"Soupe à l'oignon", 2, 1, 2, 0, "hs TARTE"},
                       {"Éclair", 1, 2, 2, 1},
                       {"Brioche", 1, 2, 1},
                       {"Crêpes", 1, 2, 2, 1},
                       {"crêpes", 1, 2, 1}});
        actualiser();
    }

    // The choices as "category|sub-category|magazine", the recipes found as "name slot|...".
    void criteres_listeEtCompteur_data()
    {
        QTest::addColumn<QString>("choix");
        QTest::addColumn<int>("teste");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendues");
        const QString tous = u(" --> TOUTES| --> TOUTES| --> TOUS");
        QTest::newRow("aucun critere") << tous << 0 << QString() << ToutesTriees;
        QTest::newRow("blancs seuls") << tous << 0 << u("   ") << ToutesTriees;
        QTest::newRow("rien") << tous << 0 << u("zzz") << QString();
        QTest::newRow("texte: nom, notes, numero")
            << tous << 0 << u("tarte")
            << u("Sole meunière 6|Soupe à l'oignon 9|Tarte 8|Tarte aux pommes 1|TARTE FINE 4|Tartelette au citron 2");
        QTest::newRow("texte: blanc devant") << tous << 0 << u(" tarte") << u("Sole meunière 6|Soupe à l'oignon 9");
        QTest::newRow("texte: blanc derriere") << tous << 0 << u("tarte ") << u("Tarte aux pommes 1|TARTE FINE 4");
        QTest::newRow("texte: notes en capitales") << tous << 0 << u("CANNELLE") << u("Tarte aux pommes 1");
        QTest::newRow("texte: pages") << tous << 0 << u("34") << u("Tarte aux pommes 1");
        QTest::newRow("texte: virgule et accents") << tous << 0 << u("SABLÉE, CR") << u("Gâteau basque 5");
        QTest::newRow("texte: jamais a cheval sur deux champs") << tous << 0 << u("1234") << QString();
        QTest::newRow("categorie") << u("Desserts| --> TOUTES| --> TOUS") << 0 << QString()
                                   << u("Brioche 11|Crêpes 12|Crêpes 3|crêpes 13|Éclair 10|Gâteau basque 5|Tarte 8|"
                                        "Tarte aux pommes 1|Tartelette au citron 2");
        QTest::newRow("sous-categorie et magazine")
            << u("Desserts|Tartes|Elle à table") << 0 << QString() << u("Tarte 8|Tarte aux pommes 1");
        QTest::newRow("categorie en minuscules")
            << u("desserts|Glaces| --> TOUS") << 0 << QString() << u("Glace vanille 7");
        QTest::newRow("testees") << tous << 1 << QString()
                                 << u("Crêpes 12|Éclair 10|Glace vanille 7|Tarte aux pommes 1|TARTE FINE 4");
        QTest::newRow("non testees, magazine a blanc de tete")
            << u(" --> TOUTES| --> TOUTES| Saveurs") << 2 << QString() << u("Sole meunière 6");
    }

    void criteres_listeEtCompteur()
    {
        QFETCH(QString, choix);
        QFETCH(int, teste);
        QFETCH(QString, texte);
        QFETCH(QString, attendues);
        const QStringList c = choix.split(u("|")), lignes = attendues.split(u("|"), Qt::SkipEmptyParts);
        for (int i = 0; i < 3; ++i)
            choisirAuClavier(QList<QComboBox*>{fen().ComboRechCat, fen().ComboRechSousCat, fen().ComboRechMag}[i],
                             c[i]);
        fen().ComboTeste->setCurrentIndex(teste);
        fen().TextRech->setText(texte);
        actualiser();
        QCOMPARE(QStringList(listTmp()).replaceInStrings(u("\u00FF"), QString()), lignes); // "nameÿ slot"
        QCOMPARE(trouvees(), QStringList(lignes).replaceInStrings(QRegularExpression(u(" \\d+$")), QString()));
        QCOMPARE(compteurs(fen()), u("Recettes totales : 13 / Recettes trouvées : %1").arg(lignes.size()));
    }

    // Used names only, sorted, "all" first; the sub-categories follow the category chosen,
    // without a search; the choices are kept by a refresh, a lost one falls back to "all".
    void listes_utiliseesTrieesSuivantLaCategorieEtGardees()
    {
        QCOMPARE(entrees(fen().ComboRechCat),
                 (QStringList{u(" --> TOUTES"), u("Desserts"), u("desserts"), u("Plats")}));
        QCOMPARE(entrees(fen().ComboRechMag),
                 (QStringList{u(" --> TOUS"), u(" Saveurs"), u("Cuisine actuelle"), u("Elle à table")}));
        choisirAuClavier(fen().ComboRechCat, u("desserts"));
        QCOMPARE(entrees(fen().ComboRechSousCat), (QStringList{u(" --> TOUTES"), u("Glaces")}));
        choisirAuClavier(fen().ComboRechCat, u("Desserts"));
        QCOMPARE(entrees(fen().ComboRechSousCat), (QStringList{u(" --> TOUTES"), u("Tartes"), u("Viennoiseries")}));
        QVERIFY(fen().ComboRechSousCat->isEnabled() && fen().ComboRechSousCat->currentIndex() == 0);
        QCOMPARE(fen().boutonParDefaut(), fen().CommandRechValider);
        QCOMPARE(trouvees().size(), 13);
        choisirAuClavier(fen().ComboRechSousCat, u("Viennoiseries"));
        choisirAuClavier(fen().ComboRechMag, u("Cuisine actuelle"));
        actualiser();
        QCOMPARE(fen().ComboRechCat->currentText() + u("/") + fen().ComboRechSousCat->currentText() + u("/")
                     + fen().ComboRechMag->currentText(),
                 u("Desserts/Viennoiseries/Cuisine actuelle"));
        QVERIFY(fen().ComboRechSousCat->isEnabled());
        QCOMPARE(listTmp(), (QStringList{u("Crêpes\u00FF 12"), u("Éclair\u00FF 10")}));

        // Every recipe of "Plats" moves to "Desserts / Tartes".
        choisirAuClavier(fen().ComboRechCat, u("Plats"));
        actualiser();
        Tables& t = m_banc->p().base;
        for (const int r : {4, 6, 9})
            t.RecettVal(r, 0) = t.RecettVal(r, 1) = 1;
        t.remettreEnCoherence();
        actualiser();
        QCOMPARE(entrees(fen().ComboRechCat), (QStringList{u(" --> TOUTES"), u("Desserts"), u("desserts")}));
        QCOMPARE(fen().ComboRechCat->currentIndex(), 0);
        QVERIFY(!fen().ComboRechSousCat->isEnabled());
        QCOMPARE(fen().ComboRechMag->currentText(), u("Cuisine actuelle"));
        QCOMPARE(trouvees().size(), 5);
    }

    void magazineHorsTable_uneSeuleBoiteParRecherche()
    {
        m_banc->p().base.RecettVal(1, 2) = 600; // a hand-edited base
        m_banc->p().base.RecettVal(3, 2) = 501;
        choisirAuClavier(fen().ComboRechMag, u("Elle à table"));
        m_banc->plateforme.reponses << Plateforme::Reponse::Reessayer << Plateforme::Reponse::Annuler;
        actualiser();
        const QString boite = u("Erreur ! | L'indice n'appartient pas à la sélection");
        QCOMPARE(m_banc->boites(), (QStringList{boite, boite}));
        QCOMPARE(trouvees(),
                 (QStringList{u("Brioche"), u("crêpes"), u("Gâteau basque"), u("Glace vanille"), u("Tarte")}));
        QCOMPARE(compteurs(fen()), u("Recettes totales : 13 / Recettes trouvées : 5"));
    }

    // The order and text index kept from search to search give what fresh ones give, whatever
    // changed: any field, recipes added, a deletion (later recipes one slot down), a shift of part
    // of the base, which looks like one and is not. Names repeat: " 10" and " 9" change places.
    void ordreEtIndexTexte_apresChangementsEtSuppressions_commeNeufs()
    {
        const QStringList noms{u("Tarte"), u("tarte"), u("Crème"),     u("Éclair"),
                               u(" Flan"), u("Zèbre"), u("Tarte fine")};
        QRandomGenerator hasard(20261206);
        auto base = std::make_unique<Tables>();
        const auto remplir = [&](int r) {
            for (int champ = 0; champ < 4; ++champ)
                base->RecettTexte(r, champ) = champ < 3 ? QString::number(hasard.bounded(40)) : noms[hasard.bounded(7)];
        };
        while (base->NbRecett < 3000)
            remplir(++base->NbRecett);
        const Collation collation;
        OrdreRecettes garde;
        IndexTexte index;
        const CriteresRecherche criteres{u("1"), {}, {}, {}, 0};
        const FiltreRecherche filtre(criteres);
        for (int tour = 0; tour < 40; ++tour) {
            garde.mettreAJour(*base, collation);
            (void)filtre.filtrer(*base, index);
            const int depuis = hasard.bounded(1, base->NbRecett);
            if (tour % 4 < 2) { // a few fields changed, or many, and recipes added
                for (int i = tour % 4 == 0 ? 3 : 900; i > 0; --i)
                    base->RecettTexte(hasard.bounded(1, base->NbRecett + 1), hasard.bounded(4)) = noms[tour % 7];
                for (int i = 0; i < tour % 3; ++i)
                    remplir(++base->NbRecett);
            } else { // a deletion, or a shift of part of the base with the last recipe gone
                for (int r = depuis; r < (tour % 4 == 2 ? base->NbRecett : (depuis + base->NbRecett) / 2); ++r)
                    for (int champ = 0; champ < 4; ++champ)
                        base->RecettTexte(r, champ) = base->RecettTexte(r + 1, champ);
                --base->NbRecett;
            }
            OrdreRecettes neuf;
            garde.mettreAJour(*base, collation);
            neuf.mettreAJour(*base, collation);
            QCOMPARE(garde.lignes(), neuf.lignes());
            QVERIFY(garde.ordre() == neuf.ordre() && garde.noms() == neuf.noms());
            IndexTexte indexNeuf;
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
        for (const QString& ligne : {u("Tarte 12"), u("Tarte\u00FF "), u("Tarte\u00FF 12a"), u("Tarte\u00FF -3"),
                                     u("Tarte\u00FF 12345678901"), QString()})
            QCOMPARE(erreurDe([&] { numeroDeLigne(ligne); }), u("Incompatibilité de type"));
    }

private:
    void actualiser() { fen().CommandRechValider->click(); }
    QStringList trouvees() { return fen().lignesRecettes(); }
    const QStringList& listTmp() { return m_banc->p().trouvees.ListTmp; }
    Fenetre& fen() { return m_banc->fen(); }
    std::optional<Banc> m_banc;
};

QTEST_MAIN(TestRecherche)
#include "tst_recherche.moc"
