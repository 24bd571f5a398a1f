// Whole journeys through the real window with the keyboard and the mouse: the index, the printed list and chained
// entry, the found list browsed and a recipe deleted, other bases loaded or created and worked on.
#include "Banc.h"
#include "base/FichierBase.h"

namespace {
using R = Plateforme::Reponse;
const QString Question = u("Confirmation de sauvegarde | Enregistrer les modifications\ndans la base de données ?");

// Five recipes whose slots are not in the order of their names.
QString petiteBase()
{
    auto t = std::make_unique<Tables>();
    remplirTables(*t, {u("Desserts/Tartes/Gâteaux"), u("Plats/Viandes")}, {u("Elle à table"), u("Cuisine actuelle")},
                  {{"Tarte aux pommes", 1, 1, 1, 1, "81", "12"},
                   {"Boeuf bourguignon", 2, 1, 2, 0, "12", "40", "Mijoter 3 h"},
                   {"Gâteau au chocolat", 1, 2, 1, 1, "82", "7"},
                   {"Tarte fine", 1, 1, 1, 0, "81", "14", "Pâte feuilletée"},
                   {"Blanquette", 2, 1, 2, 0, "13", "22"}});
    return FichierBase::ecrire(*t);
}
} // namespace

class TestParcours : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        banc = std::make_unique<Banc>();
        f = &banc->demarrerSur(petiteBase());
    }
    void cleanup() { banc.reset(); }

    // "Créer Index" runs the search with the criteria and keeps them; one changed without refreshing, the printed
    // list is still the one shown. Chained entry takes recipes validated with Enter, without refreshing; switched
    // off, the card stays, the lists and the found list take the new recipes, the criteria kept.
    void indexImpressionPuisSaisieEnChaine_criteresGardes_nouvellesRecettesListees()
    {
        choisirAuClavier(f->ComboRechCat, u("Desserts"));
        choisirAuClavier(f->ComboRechSousCat, u("Tartes"));
        choisirAuClavier(f->ComboTeste, u("Non-testée"));
        QTest::mouseClick(f->CommandIndex, Qt::LeftButton);
        QCOMPARE(
            Codec::decoder(banc->lire(u("Index.txt"))),
            u("Zuta! v1.2b - Index créé le 06/12/2026 à 14:05:09\r\n\r\nCatégorie : Desserts (Tartes uniquement)\r\n"
              "Magazine : Tous\r\nRecettes non-testées uniquement\r\n\r\n1 recette\r\n\r\n\r\n\r\n"
              "Elle à table n°81  page 14  -Tarte fine\r\n"));
        banc->activer();
        choisirAuClavier(f->ComboTeste, u("Testée"));
        f->CheckNotes->click();
        banc->plateforme.imprimantes << true;
        QTest::mouseClick(f->CommandImpr, Qt::LeftButton);
        banc->activer(); // after the progress window
        QStringList textes;
        for (const LigneImprimee& l : banc->plateforme.impressions[0]->lignes)
            textes << l.texte;
        QCOMPARE(textes,
                 (QStringList{u("Zuta! v1.2b"), QString(), QString(), u("1 recette"), QString(), u("- Tarte fine"),
                              u("Elle à table n°81 page 14 (Desserts / Tartes)"), u("Notes:"), u("Pâte feuilletée"),
                              QString()}));
        QTest::mouseClick(f->CommandApercu, Qt::LeftButton); // the same lines
        banc->activer();
        const auto& impressions = banc->plateforme.impressions;
        QCOMPARE(banc->plateforme.titresApercu, QStringList{u("Zuta! / Aperçu de la liste")});
        QVERIFY(impressions.size() == 2 && impressions[1]->lignes == impressions[0]->lignes);

        choisirAuClavier(f->ComboTeste, u("Non-testée"));
        f->CheckSaisie->setFocus();
        QTest::keyClick(f->CheckSaisie, Qt::Key_Space);
        for (QWidget* w : QList<QWidget*>{f->ListRecettes, f->ComboRechCat, f->ComboRechSousCat, f->ComboRechMag,
                                          f->ComboTeste, f->TextRech, f->CommandRechValider, f->CommandRecettSuppr,
                                          f->CommandRecettImpr, f->CommandRecettApercu})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QCOMPARE(QApplication::focusWidget(), f->TextRecettNom);
        QVERIFY(!modifiee()); // the index, the printout and the switch change nothing
        saisirFiche(*f, {u("tarte au citron"), u("Desserts"), u("Tartes")});
        entree();
        QVERIFY(modifiee());
        saisirFiche(*f, {u("tarte tatin"), u("Desserts"), u("Tartes renversées"), u("saveurs"), u("hs 2")});
        entree();
        QCOMPARE(t().RecettTexte(7, Recette::Nom), u("Tarte tatin")); // the card was emptied between the two
        QCOMPARE(trouvees(), QStringList{u("Tarte fine")});
        // The next card of the same issue: its magazine (as stored) and number kept, the rest empty.
        QCOMPARE(QStringList({f->TextRecettNom->text(), f->ComboRecettMag->currentText(), f->TextRecettNumero->text()}),
                 QStringList({QString(), u("Saveurs"), u("hs 2")}));
        QCOMPARE(f->fen->annonce(), u("Recette validée : 2 recettes saisies en chaîne"));
        // The same name again in that issue: a question first, and No keeps the card.
        taper(f->TextRecettNom, u("TARTE TATIN "));
        entree();
        QCOMPARE(banc->boites(),
                 QStringList{u("Recette en double | Une recette de ce nom existe déjà dans ce numéro."
                               "\nL'enregistrer quand même ?")});
        QCOMPARE(t().NbRecett, 7);
        QCOMPARE(f->TextRecettNom->text(), u("TARTE TATIN"));

        f->TextRecettNom->clear();
        taper(f->TextRecettNom, u("gratin"));
        QTest::mouseClick(f->CheckSaisie, Qt::LeftButton, {}, QPoint(6, f->CheckSaisie->height() / 2));
        QVERIFY(!f->CheckSaisie->isChecked() && f->ComboRechCat->isEnabled() && f->ListRecettes->isEnabled());
        QCOMPARE(f->TextRecettNom->text(), u("gratin"));
        QCOMPARE(f->ComboRechCat->currentText() + u("/") + f->ComboRechSousCat->currentText() + u("/")
                     + f->ComboTeste->currentText(),
                 u("Desserts/Tartes/Non-testée"));
        QCOMPARE(entrees(f->ComboRechSousCat) + entrees(f->ComboRechMag),
                 (QStringList{u(" --> TOUTES"), u("Gâteaux"), u("Tartes"), u("Tartes renversées"), u(" --> TOUS"),
                              u("Cuisine actuelle"), u("Elle à table"), u("Saveurs")}));
        QCOMPARE(trouvees(), (QStringList{u("Tarte au citron"), u("Tarte fine")}));
        QCOMPARE(compteurs(*f), u("Recettes totales : 7 / Recettes trouvées : 2"));
    }

    // Browsed with the arrows, Enter in the list does not refresh; the recipe deleted, the later lines move up, each
    // still showing its own recipe, and the lists follow.
    void listeAuClavier_puisSuppression_lignesDecaleesEtListesAJour()
    {
        cliquerDans(f->TextRech); // Enter would now refresh
        f->ListRecettes->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f->ListRecettes, Qt::Key_Down);
        QTest::keyClick(f->ListRecettes, Qt::Key_Down);
        QTest::keyClick(f->ListRecettes, Qt::Key_Return);
        QCOMPARE(QStringList(
                     {f->TextRecettNom->text(), f->TextRecettComment->toPlainText(), f->ComboRecettMag->currentText()}),
                 QStringList({u("Boeuf bourguignon"), u("Mijoter 3 h"), u("Cuisine actuelle")}));

        saisir(f->ComboRecettCat, u("Desserts")); // unvalidated: no matter to the deletion
        QVERIFY(!modifiee());
        QTest::mouseClick(f->CommandRecettSuppr, Qt::LeftButton);
        QVERIFY(banc->boites().isEmpty() && modifiee());
        QCOMPARE(trouvees(),
                 (QStringList{u("Blanquette"), u("Gâteau au chocolat"), u("Tarte aux pommes"), u("Tarte fine")}));
        QCOMPARE(f->LabelTotalrecett->text(), u("Recettes totales : 4"));
        QCOMPARE(QList<int>({t().CatNbRecett(2), t().SousCatNbRecett(2, 1), t().MagNbRecett(2)}),
                 QList<int>({1, 1, 1}));
        const QStringList pages{u("22"), u("7"), u("12"), u("14")};
        for (int k = 0; k < 4; ++k) {
            cliquerLigne(*f, k);
            QCOMPARE(QStringList({f->TextRecettNom->text(), f->TextRecettPage->text()}),
                     QStringList({trouvees()[k], pages[k]}));
        }
        // The last recipe of a category and a magazine leaves their lists;
        // Ctrl+Z, from the emptied name field, puts it back as it was and shows
        // it; only once, and never after a validation.
        const QString avant = FichierBase::ecrire(t());
        cliquerLigne(*f, 0);
        QTest::mouseClick(f->CommandRecettSuppr, Qt::LeftButton);
        QCOMPARE(entrees(f->ComboRecettCat), QStringList{u("Desserts")});
        QCOMPARE(entrees(f->ComboRechMag), (QStringList{u(" --> TOUS"), u("Elle à table")}));
        for (int fois = 0; fois < 2; ++fois)
            QTest::keyClick(f->TextRecettNom, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(FichierBase::ecrire(t()), avant);
        QCOMPARE(f->TextRecettNom->text() + u("|") + f->lignesRecettes().value(f->ligneChoisie()),
                 u("Blanquette|Blanquette"));
        QCOMPARE(entrees(f->ComboRechMag), (QStringList{u(" --> TOUS"), u("Cuisine actuelle"), u("Elle à table")}));
        QTest::mouseClick(f->CommandRecettSuppr, Qt::LeftButton);
        saisirFiche(*f, {u("Crumble"), u("Desserts"), QString(), u("Régal")});
        entree();
        QTest::keyClick(f->TextRecettNom, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(trouvees(),
                 (QStringList{u("Crumble"), u("Gâteau au chocolat"), u("Tarte aux pommes"), u("Tarte fine")}));
        QTest::keyClick(f->TextRecettNom, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!modifiee());
    }

    // The base dialogs one after the other: "Charger" given up, "Nouvelle" on a name already taken and the
    // question closed, a new base, another base loaded. The base opened is the one worked on and saved on the
    // way out; the others stay as they were.
    void chargerNouvelle_baseOuverteTravailleeEtEnregistree()
    {
        const QByteArray avant = banc->lire(u("Recettes.don")), reglages = banc->lire(u("Zuta.ini"));
        banc->p().document().marquerModifiee(); // changes that "Non" leaves unsaved
        banc->plateforme.reponses << R::Non;    // and no file chosen
        QTest::mouseClick(f->CommandCharger, Qt::LeftButton);
        const auto& d = banc->plateforme.dialogues.first();
        QCOMPARE(QStringList({d.titre, d.dossierInitial, d.filtre, d.extensionDefaut}),
                 QStringList({u("Charger une base de données Zuta!"), banc->dossier(), u("Bases Zuta! (*.don) | *.don"),
                              u("*.don")}));
        QCOMPARE(banc->lire(u("Zuta.ini")), reglages);

        banc->ecrireOctets(u("Autre.don"), "ne pas toucher");
        banc->plateforme.reponses << R::Non << R::Fermee;
        banc->plateforme.fichiers << banc->chemin(u("Autre.don"));
        QTest::mouseClick(f->CommandNouvelle, Qt::LeftButton);
        QCOMPARE(banc->boites(),
                 (QStringList{Question, Question,
                              u("Cette nouvelle base existe déjà ! | Ecraser ?\r\n") + banc->chemin(u("Autre.don"))}));
        QCOMPARE(banc->plateforme.dialogues.last().titre, u("Créer une nouvelle base de données Zuta!"));
        QCOMPARE(banc->lire(u("Autre.don")), QByteArray("ne pas toucher"));

        // A new base, empty, named in the title.
        banc->plateforme.reponses << R::Non;
        banc->plateforme.fichiers << banc->chemin(u("Neuve.don"));
        QTest::mouseClick(f->CommandNouvelle, Qt::LeftButton);
        QCOMPARE(banc->boites(), QStringList{Question});
        QCOMPARE(banc->lire(u("Neuve.don")), BaseVide);
        QCOMPARE(f->titre(), u("Zuta! v1.2b   (base : Neuve.don)"));
        QCOMPARE(entrees(f->ComboRecettCat) + entrees(f->ComboRechCat) + entrees(f->ComboRechMag),
                 (QStringList{u(" --> TOUTES"), u(" --> TOUS")}));
        QCOMPARE(compteurs(*f), u("Recettes totales : 0 / Recettes trouvées : 0"));

        // Changed, yes to saving it, then another base loaded, the progress windows over the main one.
        banc->p().document().marquerModifiee();
        banc->ecrireOctets(u("Autre.don"), baseUneRecette());
        banc->plateforme.reponses << R::Oui;
        banc->plateforme.fichiers << banc->chemin(u("Autre.don"));
        banc->progressions.clear();
        QTest::mouseClick(f->CommandCharger, Qt::LeftButton);
        QCOMPARE(banc->boites(), QStringList{Question});
        QCOMPARE(banc->titresProgression(),
                 (QStringList{u("Zuta! / Enregistrement base / Sauvegarde des données en cours..."),
                              u("Zuta! / Chargement base / Lecture des données en cours...")}));
        QVERIFY((banc->progressions.first().cadre.center() - f->fen->frameGeometry().center()).manhattanLength() <= 4);
        banc->activer();
        saisirFiche(*f, {u("soupe à l'oignon"), u("Soupes")});
        entree();
        QCOMPARE(trouvees(), (QStringList{u("Soupe à l'oignon"), u("Tarte aux pommes")}));

        banc->plateforme.reponses << R::Oui;
        banc->fen().fen->close();
        QVERIFY(Codec::decoder(banc->lire(u("Autre.don"))).contains(u("\"Soupe à l'oignon\"")));
        QCOMPARE(banc->lire(u("Recettes.don")), avant);
        QCOMPARE(banc->lignesReglages().value(4), banc->chemin(u("Autre.don")));
    }

private:
    QStringList trouvees() const { return banc->fen().lignesRecettes(); }
    Tables& t() { return banc->tables(); }
    bool modifiee() { return banc->p().document().modifiee(); }
    std::unique_ptr<Banc> banc;
    Fenetre* f = nullptr;
};

QTEST_MAIN(TestParcours)
#include "tst_parcours.moc"
