// Whole journeys through the real window, as a user makes them: the refresh
// after each change of the base, chained entry, deletion, another base loaded
// or created and worked on, the Enter key and the keyboard, the layout.
#include "Banc.h"
#include "base/FichierBase.h"

namespace {
// Five recipes whose slots are not in the order of their names.
QString petiteBase()
{
    auto t = std::make_unique<Tables>();
    remplirTables(*t, {u("Desserts/Tartes/Gâteaux"), u("Plats/Viandes")}, {u("Elle à table"), u("Cuisine actuelle")},
                  {{"Tarte aux pommes", 1, 1, 1, 1, "81", "12"}, {"Boeuf bourguignon", 2, 1, 2, 0, "12", "40", "Mijoter 3 h"},
                   {"Gâteau au chocolat", 1, 2, 1, 1, "82", "7"}, {"Tarte fine", 1, 1, 1, 0, "81", "14"},
                   {"Blanquette", 2, 1, 2, 0, "13", "22"}});
    return FichierBase::ecrire(*t);
}
} // namespace

class TstParcours : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        banc = std::make_unique<Banc>();
        f = &banc->demarrerSur(petiteBase());
    }
    void cleanup() { banc.reset(); }

    void saisieEnChaine_allumeePuisEteinte_nouvellesRecettesListees()
    {
        choisirAuClavier(f->ComboRechCat, u("Desserts"));
        choisirAuClavier(f->ComboRechSousCat, u("Tartes"));
        entree();
        f->CheckSaisie->setFocus();
        QTest::keyClick(f->CheckSaisie, Qt::Key_Space);
        QVERIFY(f->CheckSaisie->isChecked());
        for (QWidget* w : QList<QWidget*>{f->ListRecettes, f->ComboRechCat, f->ComboRechSousCat, f->ComboRechMag, f->ComboTeste,
                                          f->TextRech, f->CommandRechValider, f->CommandRecettSuppr, f->CommandRecettImpr})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QCOMPARE(QApplication::focusWidget(), f->TextRecettNom);

        // Two recipes typed one after the other, each validated with Enter.
        saisirFiche(*f, {u("tarte au citron"), u("Desserts"), u("Tartes")});
        entree();
        QCOMPARE(QApplication::focusWidget(), f->TextRecettNom);
        saisirFiche(*f, {u("tarte tatin"), u("Desserts"), u("Tartes renversées"), u("Saveurs")});
        entree();
        QVERIFY(banc->boites().isEmpty());
        QCOMPARE(t().RecettTexte(7, 3), u("Tarte tatin")); // the card was emptied between the two
        // Nothing of it is listed yet.
        QCOMPARE(trouvees(), (QStringList{u("Tarte aux pommes"), u("Tarte fine")}));
        QCOMPARE(f->ComboRechMag->findText(u("Saveurs")), -1);
        // The index's refresh keeps the sub-category list disabled with the rest.
        QTest::mouseClick(f->CommandIndex, Qt::LeftButton);
        banc->activer(); // the progress window had the hand for a moment
        QCOMPARE(f->ComboRechSousCat->currentText(), u("Tartes"));
        QVERIFY(!f->ComboRechSousCat->isEnabled());

        // Turned off: the card stays as it is, the search refreshes with its choices.
        taper(f->TextRecettNom, u("gratin"));
        QTest::mouseClick(f->CheckSaisie, Qt::LeftButton, {}, QPoint(6, f->CheckSaisie->height() / 2));
        QVERIFY(!f->CheckSaisie->isChecked());
        QCOMPARE(f->TextRecettNom->text(), u("gratin"));
        QVERIFY(f->ComboRechCat->isEnabled() && f->ComboRechSousCat->isEnabled() && f->ListRecettes->isEnabled());
        QVERIFY(!f->CommandRecettSuppr->isEnabled());
        QCOMPARE(f->ComboRechCat->currentText() + u("/") + f->ComboRechSousCat->currentText(), u("Desserts/Tartes"));
        QCOMPARE(entrees(f->ComboRechSousCat),
                 (QStringList{u(" --> TOUTES"), u("Gâteaux"), u("Tartes"), u("Tartes renversées")}));
        QCOMPARE(entrees(f->ComboRechMag), (QStringList{u(" --> TOUS"), u("Cuisine actuelle"), u("Elle à table"), u("Saveurs")}));
        QCOMPARE(trouvees(), (QStringList{u("Tarte au citron"), u("Tarte aux pommes"), u("Tarte fine")}));
        QCOMPARE(compteurs(*f), u("Recettes totales : 7 / Recettes trouvées : 3"));
        // Ordinary entry again: a validation refreshes.
        saisirFiche(*f, {QString(), u("Desserts"), u("Tartes")});
        entree();
        QCOMPARE(trouvees(), (QStringList{u("Gratin"), u("Tarte au citron"), u("Tarte aux pommes"), u("Tarte fine")}));
        QCOMPARE(incoherence(t()), QString());
    }

    void suppression_lignesDecaleesEtListesAJour()
    {
        cliquerLigne(*f, 1);
        QCOMPARE(QStringList({f->TextRecettNom->text(), f->TextRecettComment->toPlainText(), f->ComboRecettMag->currentText()}),
                 QStringList({u("Boeuf bourguignon"), u("Mijoter 3 h"), u("Cuisine actuelle")}));

        // Unvalidated changes do not matter to the deletion.
        saisir(f->ComboRecettCat, u("Desserts"));
        QTest::mouseClick(f->CommandRecettSuppr, Qt::LeftButton);
        QVERIFY(banc->boites().isEmpty());
        QCOMPARE(trouvees(), (QStringList{u("Blanquette"), u("Gâteau au chocolat"), u("Tarte aux pommes"), u("Tarte fine")}));
        QCOMPARE(f->LabelTotalrecett->text(), u("Recettes totales : 4"));
        QCOMPARE(f->FrameFiche->title(), u("Recette (nouvelle)"));
        QCOMPARE(QApplication::focusWidget(), f->TextRecettNom);
        QVERIFY(!f->CommandRecettSuppr->isEnabled());
        QCOMPARE(QList<int>({t().CatNbRecett(2), t().SousCatNbRecett(2, 1), t().MagNbRecett(2)}), QList<int>({1, 1, 1}));
        // The later recipes moved down one slot with all their fields: each
        // line still shows its own recipe.
        QCOMPARE(QStringList({t().RecettTexte(2, 0), t().RecettTexte(2, 1), t().RecettTexte(2, 2), t().RecettTexte(2, 3)}),
                 QStringList({u("82"), u("7"), QString(), u("Gâteau au chocolat")}));
        QCOMPARE(t().RecettVal(2, 3), 1);
        const QStringList pages{u("22"), u("7"), u("12"), u("14")};
        for (int k = 0; k < 4; ++k) {
            cliquerLigne(*f, k);
            QCOMPARE(QStringList({f->TextRecettNom->text(), f->TextRecettPage->text()}), QStringList({trouvees()[k], pages[k]}));
        }
        // The last slot and the last recipe of a category and a magazine: it
        // leaves their lists, the names stay in the tables.
        cliquerLigne(*f, 0);
        QTest::mouseClick(f->CommandRecettSuppr, Qt::LeftButton);
        QCOMPARE(trouvees(), (QStringList{u("Gâteau au chocolat"), u("Tarte aux pommes"), u("Tarte fine")}));
        QCOMPARE(entrees(f->ComboRecettCat), QStringList{u("Desserts")});
        QCOMPARE(entrees(f->ComboRechMag), (QStringList{u(" --> TOUS"), u("Elle à table")}));
        QCOMPARE(t().Cat(2), u("Plats"));
        QCOMPARE(t().CatNbRecett(2), 0);
        QCOMPARE(incoherence(t()), QString());
    }

    void boutonParDefaut_suitLaZoneDeTravail()
    {
        // Enter from the search text runs the refresh.
        cliquerDans(f->TextRech);
        QVERIFY(f->CommandRechValider->isDefault());
        taper(f->TextRech, u("tarte\n"));
        QCOMPARE(trouvees(), (QStringList{u("Tarte aux pommes"), u("Tarte fine")}));

        // Enter from the card validates it; the notes take it as a line break
        // until they are left.
        saisir(f->TextRecettNom, u("crumble"));
        QVERIFY(f->CommandRecettValider->isDefault() && !f->CommandRechValider->isDefault());
        saisir(f->TextRecettComment, u("pommes\npoires"));
        QCOMPARE(f->boutonParDefaut(), nullptr);
        QCOMPARE(t().NbRecett, 5);
        QTest::keyClick(f->TextRecettComment, Qt::Key_Tab);
        QCOMPARE(f->boutonParDefaut(), f->CommandRecettValider);
        entree();
        QCOMPARE(t().RecettTexte(6, 2), u("pommes\r\npoires"));

        // After the refresh the focus is in the name: the user types the next
        // recipe, and Enter validates it instead of emptying the card.
        QCOMPARE(QApplication::focusWidget(), f->TextRecettNom);
        taper(f->TextRecettNom, u("flan\n"));
        QCOMPARE(banc->boites(), QStringList{u("Validation impossible ! | La recette doit comporter un minimum de "
                                               "description !")});
        QCOMPARE(f->TextRecettNom->text(), u("flan"));
        QTest::keyClick(f->TextRecettNom, Qt::Key_Tab);
        taper(QApplication::focusWidget(), u("Desserts\n"));
        QCOMPARE(t().RecettTexte(7, 3), u("Flan"));

        // Reached with Tab, a field of the card gives Enter to "Valider"; a
        // button reached with Tab is the one Enter presses.
        cliquerDans(f->TextRech);
        f->ListRecettes->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f->ListRecettes, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f->TextRecettNom);
        QCOMPARE(f->boutonParDefaut(), f->CommandRecettValider);
        taper(f->TextRecettNom, u("riz"));
        f->CommandRecettNouvelle->setFocus(Qt::TabFocusReason);
        entree();
        QCOMPARE(f->TextRecettNom->text(), QString());
        QCOMPARE(t().NbRecett, 7);

        // A search list takes Enter back; a list of the card or "Testée" makes
        // Enter validate.
        choisirAuClavier(f->ComboRechMag, u("Elle à table"));
        QCOMPARE(f->boutonParDefaut(), f->CommandRechValider);
        entree();
        QCOMPARE(trouvees(), (QStringList{u("Tarte aux pommes"), u("Tarte fine")}));
        cliquerDans(f->ComboRecettMag);
        QCOMPARE(f->boutonParDefaut(), f->CommandRecettValider);
        choisirAuClavier(f->ComboRechMag, u("Elle à table"));
        QTest::mouseClick(f->CheckRecettTeste, Qt::LeftButton, {}, QPoint(6, f->CheckRecettTeste->height() / 2));
        QCOMPARE(f->boutonParDefaut(), f->CommandRecettValider);
        QVERIFY(banc->boites().isEmpty());
    }

    void listeAuClavier_montreLaRecetteSansRafraichir()
    {
        cliquerDans(f->TextRech); // Enter would now refresh
        f->ListRecettes->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f->ListRecettes, Qt::Key_Down);
        QTest::keyClick(f->ListRecettes, Qt::Key_Down);
        QCOMPARE(f->TextRecettNom->text(), u("Boeuf bourguignon"));
        QTest::keyClick(f->ListRecettes, Qt::Key_Return);
        // The card still shows the recipe: Enter in the list did not refresh.
        QCOMPARE(f->FrameFiche->title(), u("Recette (existante)"));
        QCOMPARE(f->TextRecettNom->text(), u("Boeuf bourguignon"));
        QCOMPARE(f->ligneChoisie(), 1);
    }

    // The base dialogs one after the other: "Charger" given up, "Nouvelle" on
    // a name already taken, then a new base, then an older base loaded. Each
    // base opened is the one worked on and the one saved on the way out; the
    // others stay as they were.
    void chargerNouvelle_baseOuverteTravailleeEtEnregistree()
    {
        using R = Plateforme::Reponse;
        const QString question = u("Confirmation de sauvegarde | Enregistrer les modifications\ndans la base de données ?");
        const QByteArray avant = banc->lire(u("Recettes.don")), reglages = banc->lire(u("Zuta.ini"));
        // No to saving, then no file chosen: nothing changes.
        banc->plateforme.reponses << R::Non;
        banc->plateforme.fichiers << std::nullopt;
        QTest::mouseClick(f->CommandCharger, Qt::LeftButton);
        QCOMPARE(banc->boites(), QStringList{question});
        const auto& d = banc->plateforme.dialogues.first();
        QCOMPARE(QStringList({d.titre, d.dossierInitial, d.filtre, d.extensionDefaut}),
                 QStringList({u("Charger une base de données Zuta!"), banc->dossier(), u("Bases Zuta! (*.don) | *.don"),
                              u("*.don")}));
        QCOMPARE(banc->lire(u("Zuta.ini")), reglages);
        QCOMPARE(t().NbRecett, 5);

        // A name already taken: No to overwriting it leaves that file and the base alone.
        banc->ecrireOctets(u("Autre.don"), "ne pas toucher");
        banc->plateforme.reponses << R::Non << R::Non;
        banc->plateforme.fichiers << banc->chemin(u("Autre.don"));
        QTest::mouseClick(f->CommandNouvelle, Qt::LeftButton);
        QCOMPARE(banc->plateforme.boites.value(1).icone, Plateforme::Icone::Exclamation);
        QCOMPARE(banc->plateforme.boites.value(1).boutons, Plateforme::Boutons::OuiNon);
        QCOMPARE(banc->boites(), (QStringList{question, u("Cette nouvelle base existe déjà ! | Ecraser ?\r\n")
                                                            + banc->chemin(u("Autre.don"))}));
        QCOMPARE(banc->plateforme.dialogues.last().titre, u("Créer une nouvelle base de données Zuta!"));
        QCOMPARE(banc->lire(u("Autre.don")), QByteArray("ne pas toucher"));
        QCOMPARE(banc->p().etat.CheminBase, banc->chemin(u("Recettes.don")));

        // A new name: an empty base, named in the title and in the settings
        // with the window's place in twips.
        cliquerLigne(*f, 0);
        f->move(300, 200);
        banc->plateforme.reponses << R::Non;
        banc->plateforme.fichiers << banc->chemin(u("Neuve.don"));
        QTest::mouseClick(f->CommandNouvelle, Qt::LeftButton);
        banc->activer();
        QCOMPARE(banc->boites(), QStringList{question});
        QCOMPARE(banc->lire(u("Neuve.don")), BaseVide);
        QCOMPARE(f->windowTitle(), u("Zuta! v1.2b   (base : Neuve.don)"));
        QCOMPARE(banc->lignesReglages().mid(2, 3),
                 QStringList({u(" %1 ").arg(qRound(f->pos().y() * 1440.0 / f->logicalDpiY())),
                              u(" %1 ").arg(qRound(f->pos().x() * 1440.0 / f->logicalDpiX())), banc->chemin(u("Neuve.don"))}));
        QCOMPARE(QApplication::focusWidget(), f->TextRecettNom);
        QCOMPARE(trouvees() + entrees(f->ComboRecettCat) + entrees(f->ComboRecettMag), QStringList());
        QCOMPARE(entrees(f->ComboRechCat) + entrees(f->ComboRechSousCat) + entrees(f->ComboRechMag),
                 (QStringList{u(" --> TOUTES"), u(" --> TOUTES"), u(" --> TOUS")}));
        QVERIFY(!f->ComboRechSousCat->isEnabled());
        QCOMPARE(compteurs(*f), u("Recettes totales : 0 / Recettes trouvées : 0"));
        QCOMPARE(f->FrameFiche->title(), u("Recette (nouvelle)"));

        // Yes to saving it, then a base in the layout before v1.2: converted on
        // loading, the older file kept; the progress windows over the main one.
        const QByteArray ancienne = Codec::encoder(lignes(QStringList{u(" 1 "), u("Soupes"), u(" 1 "), u(" 0 "), u(" 1 "),
                                                                      u("Régal"), u(" 1 "), u(" 1 ")}
                                                          + recetteTexte("4", 1, "30", 0, "", 1, "Velouté")));
        banc->ecrireOctets(u("Autre.don"), ancienne);
        banc->plateforme.reponses << R::Oui;
        banc->plateforme.fichiers << banc->chemin(u("Autre.don"));
        banc->p().bases.progressions.clear();
        QTest::mouseClick(f->CommandCharger, Qt::LeftButton);
        QCOMPARE(banc->boites(), QStringList{question});
        QCOMPARE(banc->lire(u("Autre-OLD.don")), ancienne);
        QVERIFY(banc->lire(u("Autre.don")).startsWith("-1 \r\nv1.2b\r\n 1 \r\nSoupes\r\n"));
        QCOMPARE(titresProgression(banc->p()),
                 (QStringList{u("Zuta! / Enregistrement base / Sauvegarde des données en cours..."),
                              u("Zuta! / Chargement base / Lecture des données en cours..."),
                              u("Zuta! / Conversion base / Analyse des données en cours..."),
                              u("Zuta! / Enregistrement base / Sauvegarde des données en cours...")}));
        QVERIFY((banc->p().bases.progressions.first().cadre.center() - f->frameGeometry().center()).manhattanLength() <= 4);
        banc->activer();
        QVERIFY(f->isVisible() && f->isEnabled());
        QCOMPARE(f->windowTitle(), u("Zuta! v1.2b   (base : Autre.don)"));
        QCOMPARE(QApplication::focusWidget(), f->TextRecettNom);
        QCOMPARE(trouvees(), QStringList{u("Velouté")});
        QCOMPARE(entrees(f->ComboRechCat), (QStringList{u(" --> TOUTES"), u("Soupes")}));
        QCOMPARE(f->LabelTotalrecett->text(), u("Recettes totales : 1"));
        cliquerLigne(*f, 0);
        QCOMPARE(QStringList({f->TextRecettPage->text(), f->ComboRecettMag->currentText()}), QStringList({u("30"), u("Régal")}));
        banc->plateforme.imprimantes << true;
        QTest::mouseClick(f->CommandRecettImpr, Qt::LeftButton);
        QCOMPARE(banc->plateforme.impressions[0]->lignes[3].texte, u("Velouté"));
        // A validation refreshes: new names in every list, the new recipe found
        // and its card showing its new sub-category, alone in the card's list.
        QTest::mouseClick(f->CommandRecettNouvelle, Qt::LeftButton);
        saisirFiche(*f, {u("soupe à l'oignon"), u("entrées"), u("potages"), u("Maxi cuisine")});
        entree();
        QCOMPARE(entrees(f->ComboRecettCat) + entrees(f->ComboRecettMag),
                 (QStringList{u("Entrées"), u("Soupes"), u("Maxi cuisine"), u("Régal")}));
        QCOMPARE(entrees(f->ComboRechCat), (QStringList{u(" --> TOUTES"), u("Entrées"), u("Soupes")}));
        QCOMPARE(trouvees(), (QStringList{u("Soupe à l'oignon"), u("Velouté")}));
        QCOMPARE(compteurs(*f), u("Recettes totales : 2 / Recettes trouvées : 2"));
        cliquerLigne(*f, 0);
        QCOMPARE(QStringList({f->TextRecettNom->text(), f->ComboRecettCat->currentText(), f->ComboRecettSousCat->currentText()}),
                 QStringList({u("Soupe à l'oignon"), u("Entrées"), u("Potages")}));
        QCOMPARE(entrees(f->ComboRecettSousCat), QStringList{u("Potages")});
        QCOMPARE(incoherence(t()), QString());
        QTest::mouseClick(f->CommandIndex, Qt::LeftButton);
        const QString index = Codec::decoder(banc->lire(u("Index.txt")));
        QVERIFY2(index.contains(u("\r\n2 recettes\r\n")) && index.contains(u("  -Soupe à l'oignon\r\n"))
                     && index.endsWith(u("\r\nRégal n°4  page 30  -Velouté\r\n")),
                 qPrintable(index));

        banc->plateforme.reponses.enqueue(Plateforme::Reponse::Oui);
        banc->p().bases.finProgramme = [] {};
        f->close();
        const QString sauvee = Codec::decoder(banc->lire(u("Autre.don")));
        QVERIFY(sauvee.contains(u("\"Soupe à l'oignon\"")) && sauvee.contains(u("Potages\r\n 1 \r\n")));
        QCOMPARE(banc->lire(u("Recettes.don")), avant);
        QCOMPARE(banc->lire(u("Neuve.don")), BaseVide);
        QCOMPARE(banc->lignesReglages().value(4), banc->chemin(u("Autre.don")));
    }

    void index_apresRechercheAvecCriteres_choixGardes()
    {
        choisirAuClavier(f->ComboRechCat, u("Desserts"));
        choisirAuClavier(f->ComboRechSousCat, u("Tartes"));
        choisirAuClavier(f->ComboTeste, u("Non-testée"));
        // No refresh: "Créer Index" runs it with the choices as they stand.
        f->ListIndex << u("ancienne");
        QTest::mouseClick(f->CommandIndex, Qt::LeftButton);
        QCOMPARE(QStringList({f->ComboRechCat->currentText(), f->ComboRechSousCat->currentText(), f->ComboTeste->currentText()}),
                 QStringList({u("Desserts"), u("Tartes"), u("Non-testée")}));
        QCOMPARE(trouvees(), QStringList{u("Tarte fine")});
        QCOMPARE(f->ListIndex.size(), 1);
        QCOMPARE(Codec::decoder(banc->lire(u("Index.txt"))),
                 u("Zuta! v1.2b - Index créé le 06/12/2026 à 14:05:09\r\n\r\nCatégorie : Desserts (Tartes uniquement)\r\n"
                   "Magazine : Tous\r\nRecettes non-testées uniquement\r\n\r\n1 recette\r\n\r\n\r\n\r\n"
                   "Elle à table n°81  page 14  -Tarte fine\r\n"));
        QCOMPARE(banc->p().bases.progressions.last().titre, u("Zuta! / Création Index"));
    }

    void impressionListe_critereChangeSansActualiser_ancienneListe()
    {
        choisirAuClavier(f->ComboRechMag, u("Cuisine actuelle"));
        entree();
        choisirAuClavier(f->ComboRechMag, u("Elle à table"));
        f->CheckNotes->click();
        banc->plateforme.imprimantes << true;
        QTest::mouseClick(f->CommandImpr, Qt::LeftButton);
        QCOMPARE(banc->plateforme.titresImpression, QStringList{u("Imprimer la liste des recettes")});
        QStringList textes;
        for (const LigneImprimee& l : banc->plateforme.impressions[0]->lignes)
            textes << l.texte;
        QCOMPARE(textes, (QStringList{u("Zuta! v1.2b"), QString(), QString(), u("2 recettes"), QString(),
                                      u("- Blanquette"), u("Cuisine actuelle n°13 page 22 (Plats / Viandes)"), QString(),
                                      u("- Boeuf bourguignon"), u("Cuisine actuelle n°12 page 40 (Plats / Viandes)"),
                                      u("Notes:"), u("Mijoter 3 h"), QString()}));
    }

    // The disabled sub-category list and card buttons are passed by; an
    // editable list's own line edit stands for the list.
    void tabulation_ordreDeLaFenetre()
    {
        const QList<QWidget*> attendu{f->ComboRechCat, f->ComboRechMag, f->ComboTeste, f->TextRech, f->CommandRechValider,
                                      f->ListRecettes, f->TextRecettNom, f->ComboRecettCat, f->ComboRecettSousCat,
                                      f->ComboRecettMag, f->TextRecettNumero, f->TextRecettPage, f->TextRecettComment,
                                      f->CheckRecettTeste, f->CommandRecettNouvelle, f->CommandRecettValider, f->CheckSaisie};
        f->ComboRechCat->setFocus(Qt::TabFocusReason);
        for (QWidget* w : attendu) {
            QWidget* focus = QApplication::focusWidget();
            focus = focus && qobject_cast<QComboBox*>(focus->parentWidget()) ? focus->parentWidget() : focus;
            QVERIFY2(focus == w, qPrintable(w->objectName() + u(" expected, ") + (focus ? focus->objectName() : u("none"))));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }

    void redimensionnement_rienNeSeChevauche()
    {
        const auto verifier = [&] {
            QApplication::processEvents();
            for (QWidget* w : f->controles())
                QVERIFY2(w->isHidden() || w->width() > 0, qPrintable(w->objectName()));
            QVERIFY(!f->FrameRech->geometry().intersects(f->FrameFiche->geometry()));
            QVERIFY(f->ListRecettes->height() >= 60 && f->TextRecettComment->height() >= 40);
            // The labels of the card and the buttons are wide enough to show their text.
            for (QLabel* l : f->FrameFiche->findChildren<QLabel*>())
                QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->objectName()));
            for (QPushButton* b : f->findChildren<QPushButton*>())
                QVERIFY2(b->width() >= b->minimumSizeHint().width(), qPrintable(b->objectName()));
        };
        f->resize(f->minimumSizeHint());
        verifier();
        const int listeAvant = f->ListRecettes->height(), ficheAvant = f->FrameFiche->width();
        const QSize notesAvant = f->TextRecettComment->size();
        f->resize(1400, 1000);
        verifier();
        QVERIFY(f->ListRecettes->height() > listeAvant && f->FrameFiche->width() > ficheAvant);
        QVERIFY(f->TextRecettComment->height() > notesAvant.height() && f->TextRecettComment->width() > notesAvant.width());
    }

private:
    QStringList trouvees() const { return banc->fen().lignesRecettes(); }
    Tables& t() { return banc->p().base; }
    std::unique_ptr<Banc> banc;
    FrmPrincipal* f = nullptr;
};

QTEST_MAIN(TstParcours)
#include "tst_parcours.moc"
