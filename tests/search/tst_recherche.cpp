// The search frame through the real main window: criteria lists, the search,
// the found list and its counters, the refresh. The found list's line format,
// the slot numbers read back from it, and the order kept for every recipe.
#include "Banc.h"
#include "base/Collation.h"
#include "search/FiltreRecherche.h"
#include "search/IndexTexte.h"
#include "search/ListeTrouvee.h"
#include "search/OrdreRecettes.h"
#include <QRandomGenerator>

namespace {
// Thirteen recipes; "Entrées", "Crèmes" and "Marmiton" have none, two
// categories differ only in case, slots 3, 12 and 13 share a name.
void remplirBase(Tables& t)
{
    remplirTables(t, {u("Desserts/Tartes/Viennoiseries/Crèmes"), u("Plats/Soupes et poissons"), u("Entrées"),
                      u("desserts/Glaces")},
                  {u("Elle à table"), u("Cuisine actuelle"), u("Marmiton")},
                  {{"Tarte aux pommes", 1, 1, 1, 1, "12", "34", "Avec de la cannelle"}, {"Tartelette au citron", 1, 1, 2, 0},
                   {"Crêpes", 1, 2, 1, 0}, {"TARTE FINE", 2, 1, 2, 1},
                   {"Gâteau basque", 1, 2, 1, 0, "", "", "pâte sablée, crème"},
                   {"Sole meunière", 2, 1, 2, 0, "", "", "avec une tartelette"}, {"Glace vanille", 4, 1, 1, 1},
                   {"Tarte", 1, 1, 1, 0}, {"Soupe à l'oignon", 2, 1, 2, 0, "hs TARTE"}, {"Éclair", 1, 2, 2, 1},
                   {"Brioche", 1, 2, 1, 0}, {"Crêpes", 1, 2, 2, 1}, {"crêpes", 1, 2, 1, 0}});
}

QStringList toutesTriees()
{
    return {u("Brioche"), u("Crêpes"), u("Crêpes"), u("crêpes"), u("Éclair"), u("Gâteau basque"),
            u("Glace vanille"), u("Sole meunière"), u("Soupe à l'oignon"), u("Tarte"), u("Tarte aux pommes"),
            u("TARTE FINE"), u("Tartelette au citron")};
}

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

class TestRecherche : public QObject {
    Q_OBJECT
private slots:
    // The base above, then a refresh as "Actualiser" does.
    void init()
    {
        m_banc = std::make_unique<Banc>();
        m_banc->demarrer();
        remplirBase(m_banc->p().base);
        actualiser();
    }

    void cleanup() { m_banc.reset(); }

    void sansCritere_toutTrieParNomPuisNumeroEnTexte()
    {
        QCOMPARE(compteurs(fen()), u("Recettes totales : 13 / Recettes trouvées : 13"));
        QCOMPARE(trouvees(), toutesTriees());
        // Equal names side by side, " 12" before " 3"; Tarte before both longer names.
        QCOMPARE(fen().ListTmp.mid(1, 2), (QStringList{u("Crêpes\u00FF 12"), u("Crêpes\u00FF 3")}));
        QCOMPARE(fen().ListTmp.mid(9, 4), (QStringList{u("Tarte\u00FF 8"), u("Tarte aux pommes\u00FF 1"),
                                                      u("TARTE FINE\u00FF 4"), u("Tartelette au citron\u00FF 2")}));
        for (qsizetype k = 0; k < fen().ListTmp.size(); ++k)
            QCOMPARE(m_banc->p().base.RecettTexte(numeroDeLigne(fen().ListTmp[k]), 3), trouvees()[k]);
    }

    void criteres_listeEtCompteur_data()
    {
        QTest::addColumn<QStringList>("choix");  // category, sub-category, magazine
        QTest::addColumn<int>("teste");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QStringList>("attendues");
        const QStringList tous{u(" --> TOUTES"), u(" --> TOUTES"), u(" --> TOUS")};
        QTest::newRow("blancs seuls") << tous << 0 << u("   ") << toutesTriees();
        QTest::newRow("rien") << tous << 0 << u("zzz") << QStringList{};
        QTest::newRow("texte: nom, notes, numero")
            << tous << 0 << u("tarte")
            << QStringList{u("Sole meunière"), u("Soupe à l'oignon"), u("Tarte"), u("Tarte aux pommes"), u("TARTE FINE"),
                           u("Tartelette au citron")};
        QTest::newRow("texte: blanc devant") << tous << 0 << u(" tarte") << QStringList{u("Sole meunière"), u("Soupe à l'oignon")};
        QTest::newRow("texte: blanc derriere") << tous << 0 << u("tarte ") << QStringList{u("Tarte aux pommes"), u("TARTE FINE")};
        QTest::newRow("texte: notes en capitales") << tous << 0 << u("CANNELLE") << QStringList{u("Tarte aux pommes")};
        QTest::newRow("texte: pages") << tous << 0 << u("34") << QStringList{u("Tarte aux pommes")};
        QTest::newRow("texte: virgule et accents") << tous << 0 << u("SABLÉE, CR") << QStringList{u("Gâteau basque")};
        QTest::newRow("texte: jamais a cheval sur deux champs") << tous << 0 << u("1234") << QStringList{};
        QTest::newRow("categorie") << QStringList{u("Desserts"), u(" --> TOUTES"), u(" --> TOUS")} << 0 << QString()
                                   << QStringList{u("Brioche"), u("Crêpes"), u("Crêpes"), u("crêpes"), u("Éclair"),
                                                  u("Gâteau basque"), u("Tarte"), u("Tarte aux pommes"),
                                                  u("Tartelette au citron")};
        QTest::newRow("sous-categorie et magazine") << QStringList{u("Desserts"), u("Tartes"), u("Elle à table")} << 0
                                                    << QString() << QStringList{u("Tarte"), u("Tarte aux pommes")};
        QTest::newRow("categorie en minuscules") << QStringList{u("desserts"), u("Glaces"), u(" --> TOUS")} << 0
                                                 << QString() << QStringList{u("Glace vanille")};
        QTest::newRow("testees") << tous << 1 << QString()
                                 << QStringList{u("Crêpes"), u("Éclair"), u("Glace vanille"), u("Tarte aux pommes"),
                                                u("TARTE FINE")};
        QTest::newRow("non testees") << tous << 2 << QString()
                                     << QStringList{u("Brioche"), u("Crêpes"), u("crêpes"), u("Gâteau basque"),
                                                    u("Sole meunière"), u("Soupe à l'oignon"), u("Tarte"),
                                                    u("Tartelette au citron")};
    }

    void criteres_listeEtCompteur()
    {
        QFETCH(QStringList, choix);
        QFETCH(int, teste);
        QFETCH(QString, texte);
        QFETCH(QStringList, attendues);
        choisirAuClavier(fen().ComboRechCat, choix[0]);
        choisirAuClavier(fen().ComboRechSousCat, choix[1]);
        choisirAuClavier(fen().ComboRechMag, choix[2]);
        fen().ComboTeste->setCurrentIndex(teste);
        taper(texte);
        actualiser();
        QCOMPARE(trouvees(), attendues);
        QCOMPARE(fen().ListTmp.size(), attendues.size());
        QCOMPARE(compteurs(fen()), u("Recettes totales : 13 / Recettes trouvées : %1").arg(attendues.size()));
    }

    void categorie_sousCategoriesUtiliseesEtToutes()
    {
        QCOMPARE(entrees(fen().ComboRechCat), (QStringList{u(" --> TOUTES"), u("Desserts"), u("desserts"), u("Plats")}));
        QCOMPARE(entrees(fen().ComboRechMag), (QStringList{u(" --> TOUS"), u("Cuisine actuelle"), u("Elle à table")}));
        QVERIFY(!fen().ComboRechSousCat->isEnabled());

        choisirAuClavier(fen().ComboRechCat, u("Desserts"));
        QVERIFY(fen().ComboRechSousCat->isEnabled());
        QCOMPARE(entrees(fen().ComboRechSousCat), (QStringList{u(" --> TOUTES"), u("Tartes"), u("Viennoiseries")}));
        QCOMPARE(fen().ComboRechSousCat->currentIndex(), 0);
        QCOMPARE(fen().boutonParDefaut(), fen().CommandRechValider);
        QCOMPARE(trouvees().size(), 13);  // choosing does not search by itself
        choisirAuClavier(fen().ComboRechCat, u("desserts"));
        QCOMPARE(entrees(fen().ComboRechSousCat), (QStringList{u(" --> TOUTES"), u("Glaces")}));

        choisirAuClavier(fen().ComboRechCat, u(" --> TOUTES"));
        QCOMPARE(entrees(fen().ComboRechSousCat), QStringList{u(" --> TOUTES")});
        QVERIFY(!fen().ComboRechSousCat->isEnabled());
    }

    void choix_gardesAuRafraichissement_categoriePerdueRetombeSurToutes()
    {
        choisirAuClavier(fen().ComboRechCat, u("Desserts"));
        choisirAuClavier(fen().ComboRechSousCat, u("Viennoiseries"));
        choisirAuClavier(fen().ComboRechMag, u("Cuisine actuelle"));
        actualiser();
        actualiser();
        QCOMPARE(QStringList({fen().ComboRechCat->currentText(), fen().ComboRechSousCat->currentText(),
                              fen().ComboRechMag->currentText()}),
                 QStringList({u("Desserts"), u("Viennoiseries"), u("Cuisine actuelle")}));
        QVERIFY(fen().ComboRechSousCat->isEnabled());
        QCOMPARE(trouvees(), (QStringList{u("Crêpes"), u("Éclair")}));
        QCOMPARE(fen().ListTmp, (QStringList{u("Crêpes\u00FF 12"), u("Éclair\u00FF 10")}));

        // Every recipe of "Plats" moves to "Desserts / Tartes": the lost
        // category falls back to all, the magazine stays.
        choisirAuClavier(fen().ComboRechCat, u("Plats"));
        actualiser();
        QCOMPARE(trouvees().size(), 3);
        Tables& t = m_banc->p().base;
        for (const int r : {4, 6, 9})
            t.RecettVal(r, 0) = t.RecettVal(r, 1) = 1;
        t.remettreEnCoherence();
        actualiser();
        QCOMPARE(entrees(fen().ComboRechCat), (QStringList{u(" --> TOUTES"), u("Desserts"), u("desserts")}));
        QCOMPARE(fen().ComboRechCat->currentIndex(), 0);
        QCOMPARE(entrees(fen().ComboRechSousCat), QStringList{u(" --> TOUTES")});
        QVERIFY(!fen().ComboRechSousCat->isEnabled());
        QCOMPARE(fen().ComboRechMag->currentText(), u("Cuisine actuelle"));
        QCOMPARE(trouvees().size(), 6);
    }

    // Notes changed between two text searches are searched as they are now.
    // (Names changed and recipes gone: ordre_suitLesNomsChangesAjoutsEt-
    // Suppressions below, and TstParcours.)
    void notesChangees_rechercheTexteAJour()
    {
        Tables& t = m_banc->p().base;
        taper(u("cannelle"));
        actualiser();
        QCOMPARE(trouvees(), QStringList{u("Tarte aux pommes")});
        t.RecettTexte(1, 2).clear();
        t.RecettTexte(7, 2) = u("Cannelle en poudre");
        actualiser();
        QCOMPARE(trouvees(), QStringList{u("Glace vanille")});
    }

    void magazineHorsTable_uneSeuleBoite()
    {
        // A hand-edited base: two recipes point at magazines 600 and 501.
        m_banc->p().base.RecettVal(1, 2) = 600;
        m_banc->p().base.RecettVal(3, 2) = 501;
        actualiser();
        QVERIFY(m_banc->boites().isEmpty());
        QCOMPARE(trouvees().size(), 13);

        choisirAuClavier(fen().ComboRechMag, u("Elle à table"));
        m_banc->plateforme.reponses.enqueue(Plateforme::Reponse::Reessayer);
        m_banc->plateforme.reponses.enqueue(Plateforme::Reponse::Annuler);
        actualiser();
        const QString boite = u("Erreur ! | L'indice n'appartient pas à la sélection");
        QCOMPARE(m_banc->boites(), (QStringList{boite, boite}));
        QCOMPARE(trouvees(), (QStringList{u("Brioche"), u("crêpes"), u("Gâteau basque"), u("Glace vanille"), u("Tarte")}));
        QCOMPARE(compteurs(fen()), u("Recettes totales : 13 / Recettes trouvées : 5"));
    }

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

private:
    void actualiser() { fen().CommandRechValider->click(); }
    void taper(const QString& texte) { fen().TextRech->setText(texte); }
    QStringList trouvees() { return fen().lignesRecettes(); }
    FrmPrincipal& fen() { return m_banc->fen(); }
    std::unique_ptr<Banc> m_banc;
};

QTEST_MAIN(TestRecherche)
#include "tst_recherche.moc"
