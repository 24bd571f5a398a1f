// The search through the real window: criteria lists, found list and its lines, counters, order and index kept.
#include "Banc.h"
#include <QAccessible>
#include <QHeaderView>

class TestRecherche : public QObject {
    Q_OBJECT
private slots:
    // 13 recipes; "Entrées", "Crèmes", "Marmiton" unused; two categories differ only in case; slots 3, 12, 13 share a
    // name.
    void init()
    {
        m_banc.emplace();
        m_banc->demarrer();
        remplirTables(m_banc->tables(),
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

    // The criteria as "category|sub-category|magazine|tested (0 any, 1 yes, 2 no)|text", "*" for "all", the recipes
    // found as "name slot|..." ("nameÿ slot" in the hidden list): by name, then by slot number as text (" 12" before
    // " 3"). The choices stay.
    void criteres_listeEtCompteur_data()
    {
        QTest::addColumn<QString>("criteres");
        QTest::addColumn<QString>("attendues");
        const QString tous = u("*|*|*|0|");
        const QString toutes = u("Brioche 11|Crêpes 12|Crêpes 3|crêpes 13|Éclair 10|Gâteau basque 5|Glace vanille 7|"
                                 "Sole meunière 6|Soupe à l'oignon 9|Tarte 8|Tarte aux pommes 1|TARTE FINE 4|"
                                 "Tartelette au citron 2");
        QTest::newRow("aucun critere") << tous << toutes;
        QTest::newRow("blancs seuls") << tous + u("   ") << toutes;
        QTest::newRow("texte: nom, notes, numero")
            << tous + u("tarte")
            << u("Sole meunière 6|Soupe à l'oignon 9|Tarte 8|Tarte aux pommes 1|TARTE FINE 4|Tartelette au citron 2");
        QTest::newRow("texte: blanc devant") << tous + u(" tarte") << u("Sole meunière 6|Soupe à l'oignon 9");
        QTest::newRow("texte: blanc derriere") << tous + u("tarte ") << u("Tarte aux pommes 1|TARTE FINE 4");
        QTest::newRow("texte: notes en capitales") << tous + u("CANNELLE") << u("Tarte aux pommes 1");
        QTest::newRow("texte: pages") << tous + u("34") << u("Tarte aux pommes 1");
        QTest::newRow("texte: virgule et accents") << tous + u("SABLÉE, CR") << u("Gâteau basque 5");
        QTest::newRow("texte: jamais a cheval sur deux champs, rien") << tous + u("1234") << QString();
        QTest::newRow("texte: sans accents, mots dans le desordre") << tous + u("sablee CREME") << u("Gâteau basque 5");
        QTest::newRow("texte: mots d'un meme champ") << tous + u("pommes tarte") << u("Tarte aux pommes 1");
        QTest::newRow("categorie") << u("Desserts|*|*|0|")
                                   << u("Brioche 11|Crêpes 12|Crêpes 3|crêpes 13|Éclair 10|Gâteau basque 5|Tarte 8|"
                                        "Tarte aux pommes 1|Tartelette au citron 2");
        QTest::newRow("sous-categorie et magazine")
            << u("Desserts|Tartes|Elle à table|0|") << u("Tarte 8|Tarte aux pommes 1");
        QTest::newRow("categorie en minuscules") << u("desserts|Glaces|*|0|") << u("Glace vanille 7");
        QTest::newRow("testees") << u("*|*|*|1|")
                                 << u("Crêpes 12|Éclair 10|Glace vanille 7|Tarte aux pommes 1|TARTE FINE 4");
        QTest::newRow("non testees, magazine a blanc de tete") << u("*|*| Saveurs|2|") << u("Sole meunière 6");
    }

    void criteres_listeEtCompteur()
    {
        QFETCH(QString, criteres);
        QFETCH(QString, attendues);
        const QStringList c = criteres.split(u'|'), lignes = attendues.split(u'|', Qt::SkipEmptyParts);
        const QList<QComboBox*> listes{fen().ComboRechCat, fen().ComboRechSousCat, fen().ComboRechMag};
        const QStringList tous{u(" --> TOUTES"), u(" --> TOUTES"), u(" --> TOUS")};
        for (int i = 0; i < 3; ++i)
            choisirAuClavier(listes[i], c[i] == u("*") ? tous[i] : c[i]);
        fen().ComboTeste->setCurrentIndex(c[3].toInt());
        fen().TextRech->setText(c[4]);
        actualiser();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(listes[i]->currentText(), c[i] == u("*") ? tous[i] : c[i]);
        const ListeTrouvee& trouvees = m_banc->p().listeTrouvee();
        QStringList lignesTrouvees;
        for (qsizetype k = 0; k < trouvees.taille(); ++k)
            lignesTrouvees << trouvees.ListTmp(k).remove(u("ÿ"));
        QCOMPARE(lignesTrouvees, lignes);
        QCOMPARE(compteurs(fen()), u("Recettes totales : 13 / Recettes trouvées : %1").arg(lignes.size()));
    }

    // Used names only, sorted, "all" first; the sub-categories follow the category chosen, without a search.
    // A chosen name no longer used falls back to "all" on a refresh; the other choices stay.
    void listes_utiliseesTrieesSuivantLaCategorieEtGardees()
    {
        QCOMPARE(entrees(fen().ComboRechCat).join(u'|'), u(" --> TOUTES|Desserts|desserts|Plats"));
        QCOMPARE(entrees(fen().ComboRechMag).join(u'|'), u(" --> TOUS| Saveurs|Cuisine actuelle|Elle à table"));
        choisirAuClavier(fen().ComboRechCat, u("desserts"));
        QCOMPARE(entrees(fen().ComboRechSousCat).join(u'|'), u(" --> TOUTES|Glaces"));
        choisirAuClavier(fen().ComboRechCat, u("Desserts"));
        QCOMPARE(entrees(fen().ComboRechSousCat).join(u'|'), u(" --> TOUTES|Tartes|Viennoiseries"));
        QVERIFY(fen().ComboRechSousCat->isEnabled() && fen().ComboRechSousCat->currentIndex() == 0);
        QCOMPARE(trouvees().size(), 13);

        choisirAuClavier(fen().ComboRechCat, u("Plats"));
        choisirAuClavier(fen().ComboRechMag, u("Cuisine actuelle"));
        for (const int r : {4, 6, 9}) // every recipe of "Plats" moves to "Desserts / Tartes"
            m_banc->tables().RecettVal(r, Recette::Categorie) = m_banc->tables().RecettVal(r, Recette::SousCategorie) =
                1;
        m_banc->tables().remettreEnCoherence();
        actualiser();
        QCOMPARE(entrees(fen().ComboRechCat).join(u'|'), u(" --> TOUTES|Desserts|desserts"));
        QVERIFY(fen().ComboRechCat->currentIndex() == 0 && !fen().ComboRechSousCat->isEnabled());
        QCOMPARE(fen().ComboRechMag->currentText(), u("Cuisine actuelle"));
        QCOMPARE(trouvees().size(), 5);
    }

    void magazineHorsTable_uneSeuleBoiteParRecherche()
    {
        m_banc->tables().RecettVal(1, Recette::Magazine) = 600; // a hand-edited base
        m_banc->tables().RecettVal(3, Recette::Magazine) = 501;
        choisirAuClavier(fen().ComboRechMag, u("Elle à table"));
        m_banc->plateforme.reponses << Plateforme::Reponse::Reessayer << Plateforme::Reponse::Annuler;
        actualiser();
        QCOMPARE(m_banc->boites(), QStringList(2, u("Erreur ! | L'indice n'appartient pas à la sélection")));
        QCOMPARE(trouvees().join(u'|'), u("Brioche|crêpes|Gâteau basque|Glace vanille|Tarte"));
    }

    // The found list as a table: a click on a header sorts by it (again to reverse it), the card shows the recipe
    // of the row clicked, the printed list follows the rows shown, a refresh keeps the sort, "Nom" gives the
    // found list's own order back. Screen readers get a table with its column headers.
    void tableau_triParEnteteCarteEtImpressionDansLOrdreAffiche()
    {
        Fenetre& f = fen();
        const QStringList parNom = trouvees();
        QHeaderView* entete = f.ListRecettes->horizontalHeader();
        const auto cliquerEntete = [&](int c) {
            QTest::mouseClick(entete->viewport(), Qt::LeftButton, {},
                              QPoint(entete->sectionViewportPosition(c) + 5, entete->height() / 2));
        };
        cliquerEntete(ModeleTrouvees::Magazine);
        cliquerEntete(ModeleTrouvees::Magazine);
        QCOMPARE(entete->sortIndicatorSection(), int(ModeleTrouvees::Magazine));
        QCOMPARE(entete->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(f.colonne(ModeleTrouvees::Magazine).join(u'|'),
                 u("Saveurs|Elle à table|Elle à table|Elle à table|Elle à table|Elle à table|Elle à table|Elle à table|"
                   "Cuisine actuelle|Cuisine actuelle|Cuisine actuelle|Cuisine actuelle|Cuisine actuelle"));
        QCOMPARE(
            trouvees().mid(1, 6),
            (QStringList{u("Brioche"), u("Crêpes"), u("crêpes"), u("Gâteau basque"), u("Glace vanille"), u("Tarte")}));
        cliquerLigne(f, 0);
        QCOMPARE(f.TextRecettNom->text() + u("|") + f.ComboRecettMag->currentText(), u("Sole meunière| Saveurs"));
        m_banc->plateforme.imprimantes << true;
        f.CommandImpr->click();
        QStringList noms;
        for (const LigneImprimee& l : m_banc->plateforme.impressions[0]->lignes)
            if (l.gras)
                noms << l.texte.mid(2);
        QCOMPARE(noms, trouvees());
        actualiser();
        QCOMPARE(f.colonne(ModeleTrouvees::Magazine).first(), u("Saveurs"));
        cliquerEntete(ModeleTrouvees::Nom);
        QCOMPARE(trouvees(), parNom);

        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(f.ListRecettes);
        QVERIFY(table && table->tableInterface());
        QCOMPARE(table->tableInterface()->columnCount(), 7);
        QCOMPARE(table->tableInterface()->rowCount(), 13);
        QCOMPARE(table->tableInterface()->columnDescription(2), u("N°"));
        QCOMPARE(table->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), u("Brioche"));
    }

    // The keyboard: Down goes from the text into the list's first row (its card shown), Escape empties the text
    // (no refresh), letters typed in the list go to a name whatever the column, Enter goes to the card's name.
    void tableau_clavier()
    {
        Fenetre& f = fen();
        m_banc->activer();
        cliquerDans(f.TextRech);
        taper(f.TextRech, u("tarte"));
        QTest::keyClick(f.TextRech, Qt::Key_Escape);
        QVERIFY(f.TextRech->text().isEmpty() && trouvees().size() == 13);
        QTest::keyClick(f.TextRech, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), f.ListRecettes);
        QCOMPARE(f.TextRecettNom->text(), u("Brioche"));
        QTest::keyClick(f.ListRecettes, Qt::Key_Right);
        QTest::keyClicks(f.ListRecettes, u("sol"));
        QCOMPARE(f.TextRecettNom->text(), u("Sole meunière"));
        QTest::keyClick(f.ListRecettes, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.TextRecettNom);
        QCOMPARE(trouvees().size(), 13); // no refresh
    }

    // The columns' order and widths and the sort are kept for the next start in a file of their own beside
    // "Zuta.ini"; a damaged one gives the default view, without a word.
    void tableau_vueGardeeDansSonFichier()
    {
        QHeaderView* entete = fen().ListRecettes->horizontalHeader();
        entete->moveSection(entete->visualIndex(ModeleTrouvees::Pages), 1);
        entete->resizeSection(ModeleTrouvees::Magazine, 177);
        fen().ListRecettes->sortByColumn(ModeleTrouvees::Categorie, Qt::DescendingOrder);
        m_banc->plateforme.reponses << Plateforme::Reponse::Non;
        fen().fen->close();
        m_banc->boites();
        QCOMPARE(m_banc->lignesReglages().size(), 6); // "Zuta.ini" keeps its five lines
        for (const bool abime : {false, true}) {
            if (abime)
                m_banc->ecrire(u("Zuta-Vue.ini"), u("[ListeRecettes]\r\ncolonnes=@ByteArray(\xff\x01n'importe)\r\n"));
            m_banc->programme.reset();
            m_banc->demarrer();
            entete = fen().ListRecettes->horizontalHeader();
            QCOMPARE(entete->visualIndex(ModeleTrouvees::Pages), abime ? int(ModeleTrouvees::Pages) : 1);
            QCOMPARE(entete->sectionSize(ModeleTrouvees::Magazine) == 177, !abime);
            QCOMPARE(entete->sortIndicatorSection(), abime ? -1 : int(ModeleTrouvees::Categorie));
            QVERIFY(m_banc->boites().isEmpty());
        }
    }

private:
    void actualiser() { fen().CommandRechValider->click(); }
    QStringList trouvees() { return fen().lignesRecettes(); }
    Fenetre& fen() { return m_banc->fen(); }
    std::optional<Banc> m_banc;
};

QTEST_MAIN(TestRecherche)
#include "tst_recherche.moc"
