// Whole journeys through the real window, as a user makes them: the refresh
// after each change of the base, chained entry, another base loaded or
// created, the outputs on it, the Enter key and the keyboard.
#include "Banc.h"
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {
// Five recipes whose slots are not in the order of their names.
QString petiteBase()
{
    QStringList l{u("-1 "), u("v1.2b"), u(" 2 "), u("Desserts"), u(" 3 "), u(" 2 "), u("Tartes"), u(" 2 "),
                  u("Gâteaux"), u(" 1 "), u("Plats"), u(" 2 "), u(" 1 "), u("Viandes"), u(" 2 "), u(" 2 "),
                  u("Elle à table"), u(" 3 "), u("Cuisine actuelle"), u(" 2 "), u(" 5 ")};
    l << recetteTexte("81", 1, "12", 1, "", 1, "Tarte aux pommes", 1);
    l << recetteTexte("12", 2, "40", 1, "Mijoter 3 h", 2, "Boeuf bourguignon");
    l << recetteTexte("82", 1, "7", 2, "", 1, "Gâteau au chocolat", 1);
    l << recetteTexte("81", 1, "14", 1, "", 1, "Tarte fine");
    l << recetteTexte("13", 2, "22", 1, "", 2, "Blanquette");
    return lignes(l);
}
} // namespace

class TstParcours : public QObject {
    Q_OBJECT
private slots:
    void init() { banc = std::make_unique<Banc>(); }
    void cleanup() { banc.reset(); }

    void validation_rafraichitListesFicheEtRecherche();
    void saisieEnChaine_allumeePuisEteinte_nouvellesRecettesListees();
    void clicApresTri_puisSuppression_bonnesRecettes();
    void boutonParDefaut_suitLaZoneDeTravail();
    void listeAuClavier_montreLaRecetteSansRafraichir();
    void chargerAutreBase_rechercherValiderImprimerIndexer();
    void nouvelleBase_saisieIndexEtEnregistrement();
    void index_apresRechercheAvecCriteres_choixGardes();
    void impressionListe_critereChangeSansActualiser_ancienneListe();
    void bullesMasquees_restentMasqueesApresChargement();
    void tabulation_ordreDeLaFenetre();
    void redimensionnement_rienNeSeChevauche();

private:
    FrmPrincipal& demarrer() { return banc->demarrerSur(petiteBase()); }
    QStringList trouvees() const { return banc->fen().lignesRecettes(); }
    std::unique_ptr<Banc> banc;
};

void TstParcours::validation_rafraichitListesFicheEtRecherche()
{
    FrmPrincipal& f = demarrer();
    QCOMPARE(entrees(f.ComboRecettCat), (QStringList{u("Desserts"), u("Plats")}));
    saisir(f.TextRecettNom, u("soupe à l'oignon"));
    saisir(f.ComboRecettCat, u("entrées"));
    saisir(f.ComboRecettSousCat, u("soupes"));
    saisir(f.ComboRecettMag, u("Maxi cuisine"));
    saisir(f.TextRecettPage, u("3"));
    entree();
    QVERIFY(banc->boites().isEmpty());

    // The refresh: new names everywhere, the new recipe found, an empty card.
    QCOMPARE(entrees(f.ComboRecettCat), (QStringList{u("Desserts"), u("Entrées"), u("Plats")}));
    QCOMPARE(entrees(f.ComboRecettMag), (QStringList{u("Cuisine actuelle"), u("Elle à table"), u("Maxi cuisine")}));
    QCOMPARE(entrees(f.ComboRechCat), (QStringList{u(" --> TOUTES"), u("Desserts"), u("Entrées"), u("Plats")}));
    QCOMPARE(f.ComboRecettSousCat->count(), 0);
    QCOMPARE(trouvees(), (QStringList{u("Blanquette"), u("Boeuf bourguignon"), u("Gâteau au chocolat"),
                                      u("Soupe à l'oignon"), u("Tarte aux pommes"), u("Tarte fine")}));
    QCOMPARE(f.LabelTotalrecett->text(), u("Recettes totales : 6"));
    QCOMPARE(f.LabelNbRecettList->text(), u("Recettes trouvées : 6"));
    QCOMPARE(f.FrameFiche->title(), u("Recette (nouvelle)"));
    QCOMPARE(f.TextRecettNom->text(), QString());
    QCOMPARE(f.ComboRecettCat->currentText(), QString());
    QCOMPARE(QApplication::focusWidget(), f.TextRecettNom);

    // The new recipe's card shows its new sub-category in the card's list.
    cliquerLigne(f, 3);
    QCOMPARE(f.TextRecettNom->text(), u("Soupe à l'oignon"));
    QCOMPARE(f.ComboRecettCat->currentText(), u("Entrées"));
    QCOMPARE(f.ComboRecettSousCat->currentText(), u("Soupes"));
    QCOMPARE(entrees(f.ComboRecettSousCat), QStringList{u("Soupes")});
    QCOMPARE(incoherence(banc->p().base), QString());
}

void TstParcours::saisieEnChaine_allumeePuisEteinte_nouvellesRecettesListees()
{
    FrmPrincipal& f = demarrer();
    choisirAuClavier(f.ComboRechCat, u("Desserts"));
    choisirAuClavier(f.ComboRechSousCat, u("Tartes"));
    entree();
    QCOMPARE(trouvees(), (QStringList{u("Tarte aux pommes"), u("Tarte fine")}));

    f.CheckSaisie->setFocus();
    QTest::keyClick(f.CheckSaisie, Qt::Key_Space);
    QVERIFY(f.CheckSaisie->isChecked());
    for (QWidget* w : QList<QWidget*>{f.ListRecettes, f.ComboRechCat, f.ComboRechSousCat, f.ComboRechMag, f.ComboTeste,
                                      f.TextRech, f.CommandRechValider, f.CommandRecettSuppr, f.CommandRecettImpr})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QCOMPARE(QApplication::focusWidget(), f.TextRecettNom);

    // Two recipes typed one after the other, each validated with Enter.
    taper(f.TextRecettNom, u("tarte au citron"));
    saisir(f.ComboRecettCat, u("Desserts"));
    saisir(f.ComboRecettSousCat, u("Tartes"));
    saisir(f.TextRecettPage, u("9"));
    entree();
    QVERIFY(banc->boites().isEmpty());
    QCOMPARE(QApplication::focusWidget(), f.TextRecettNom);
    QCOMPARE(f.TextRecettNom->text(), QString());
    taper(f.TextRecettNom, u("tarte tatin"));
    saisir(f.ComboRecettCat, u("Desserts"));
    saisir(f.ComboRecettSousCat, u("Tartes renversées"));
    saisir(f.ComboRecettMag, u("Saveurs"));
    entree();
    QVERIFY(banc->boites().isEmpty());
    QCOMPARE(banc->p().base.NbRecett, 7);
    // Nothing of it is listed yet.
    QCOMPARE(trouvees(), (QStringList{u("Tarte aux pommes"), u("Tarte fine")}));
    QCOMPARE(f.ComboRechMag->findText(u("Saveurs")), -1);
    // The index's refresh keeps the sub-category list disabled with the rest.
    QTest::mouseClick(f.CommandIndex, Qt::LeftButton);
    banc->activer();  // the progress window had the hand for a moment
    QCOMPARE(f.ComboRechSousCat->currentText(), u("Tartes"));
    QVERIFY(!f.ComboRechSousCat->isEnabled());

    taper(f.TextRecettNom, u("gratin"));
    QTest::mouseClick(f.CheckSaisie, Qt::LeftButton, {}, QPoint(6, f.CheckSaisie->height() / 2));
    QVERIFY(!f.CheckSaisie->isChecked());
    QCOMPARE(f.TextRecettNom->text(), u("gratin"));  // the card stays as it is
    QVERIFY(f.ComboRechCat->isEnabled() && f.ComboRechSousCat->isEnabled() && f.ListRecettes->isEnabled());
    QVERIFY(!f.CommandRecettSuppr->isEnabled());
    QCOMPARE(f.ComboRechCat->currentText(), u("Desserts"));
    QCOMPARE(f.ComboRechSousCat->currentText(), u("Tartes"));
    QCOMPARE(entrees(f.ComboRechSousCat), (QStringList{u(" --> TOUTES"), u("Gâteaux"), u("Tartes"),
                                                       u("Tartes renversées")}));
    QCOMPARE(entrees(f.ComboRechMag), (QStringList{u(" --> TOUS"), u("Cuisine actuelle"), u("Elle à table"),
                                                   u("Saveurs")}));
    QCOMPARE(trouvees(), (QStringList{u("Tarte au citron"), u("Tarte aux pommes"), u("Tarte fine")}));
    QCOMPARE(f.LabelTotalrecett->text(), u("Recettes totales : 7"));
    QCOMPARE(f.LabelNbRecettList->text(), u("Recettes trouvées : 3"));

    // Ordinary entry again: a validation refreshes.
    cliquerLigne(f, 0);
    QCOMPARE(f.TextRecettNom->text(), u("Tarte au citron"));
    saisir(f.TextRecettNumero, u("hs 2"));
    entree();
    QCOMPARE(f.FrameFiche->title(), u("Recette (nouvelle)"));
    QCOMPARE(trouvees(), (QStringList{u("Tarte au citron"), u("Tarte aux pommes"), u("Tarte fine")}));
    QCOMPARE(banc->p().base.RecettTexte(6, 0), u("hs 2"));
    QCOMPARE(incoherence(banc->p().base), QString());
}

void TstParcours::clicApresTri_puisSuppression_bonnesRecettes()
{
    FrmPrincipal& f = demarrer();
    QCOMPARE(trouvees(), (QStringList{u("Blanquette"), u("Boeuf bourguignon"), u("Gâteau au chocolat"),
                                      u("Tarte aux pommes"), u("Tarte fine")}));
    cliquerLigne(f, 1);
    QCOMPARE(f.TextRecettNom->text(), u("Boeuf bourguignon"));
    QCOMPARE(f.TextRecettComment->toPlainText(), u("Mijoter 3 h"));
    QCOMPARE(f.ComboRecettMag->currentText(), u("Cuisine actuelle"));
    QCOMPARE(banc->p().etat.RecettCourante, 2);

    // Unvalidated changes do not matter to the deletion.
    saisir(f.ComboRecettCat, u("Desserts"));
    QTest::mouseClick(f.CommandRecettSuppr, Qt::LeftButton);
    QCOMPARE(trouvees(), (QStringList{u("Blanquette"), u("Gâteau au chocolat"), u("Tarte aux pommes"),
                                      u("Tarte fine")}));
    QCOMPARE(f.LabelTotalrecett->text(), u("Recettes totales : 4"));
    QCOMPARE(f.FrameFiche->title(), u("Recette (nouvelle)"));
    QVERIFY(!f.CommandRecettSuppr->isEnabled());
    QCOMPARE(incoherence(banc->p().base), QString());

    // Every slot moved down: each line still shows its own recipe.
    const QStringList pages{u("22"), u("7"), u("12"), u("14")};
    for (int k = 0; k < 4; ++k) {
        cliquerLigne(f, k);
        QCOMPARE(f.TextRecettNom->text(), trouvees()[k]);
        QCOMPARE(f.TextRecettPage->text(), pages[k]);
    }
    // The last recipe of a sub-category gone: it leaves the card's list.
    cliquerLigne(f, 0);
    QTest::mouseClick(f.CommandRecettSuppr, Qt::LeftButton);
    QCOMPARE(entrees(f.ComboRecettCat), QStringList{u("Desserts")});
    QCOMPARE(entrees(f.ComboRechMag), (QStringList{u(" --> TOUS"), u("Elle à table")}));
    QCOMPARE(incoherence(banc->p().base), QString());
}

void TstParcours::boutonParDefaut_suitLaZoneDeTravail()
{
    FrmPrincipal& f = demarrer();
    // Enter from the search text runs the refresh.
    cliquerDans(f.TextRech);
    QCOMPARE(f.boutonParDefaut(), f.CommandRechValider);
    QVERIFY(f.CommandRechValider->isDefault());
    taper(f.TextRech, u("tarte"));
    entree();
    QCOMPARE(trouvees(), (QStringList{u("Tarte aux pommes"), u("Tarte fine")}));

    // Enter from the card validates it.
    saisir(f.TextRecettNom, u("crumble"));
    QCOMPARE(f.boutonParDefaut(), f.CommandRecettValider);
    QVERIFY(f.CommandRecettValider->isDefault());
    QVERIFY(!f.CommandRechValider->isDefault());
    saisir(f.TextRecettComment, u("pommes\npoires"));
    QCOMPARE(f.boutonParDefaut(), nullptr);
    QCOMPARE(f.TextRecettComment->toPlainText(), u("pommes\npoires"));
    QCOMPARE(banc->p().base.NbRecett, 5);
    // Leaving the notes gives Enter back to "Valider".
    QTest::keyClick(f.TextRecettComment, Qt::Key_Tab);
    QCOMPARE(f.boutonParDefaut(), f.CommandRecettValider);
    entree();
    QCOMPARE(banc->p().base.NbRecett, 6);
    QCOMPARE(banc->p().base.RecettTexte(6, 2), u("pommes\r\npoires"));

    // After the refresh the focus is in the name: the user types the next
    // recipe, and Enter validates it instead of emptying the card.
    QCOMPARE(QApplication::focusWidget(), f.TextRecettNom);
    taper(f.TextRecettNom, u("flan"));
    entree();
    QCOMPARE(banc->boites(), QStringList{u("Validation impossible ! | La recette doit comporter un minimum de "
                                           "description !")});
    QCOMPARE(f.TextRecettNom->text(), u("flan"));
    QTest::keyClick(f.TextRecettNom, Qt::Key_Tab);
    taper(QApplication::focusWidget(), u("Desserts"));
    entree();
    QVERIFY(banc->boites().isEmpty());
    QCOMPARE(banc->p().base.NbRecett, 7);
    QCOMPARE(banc->p().base.RecettTexte(7, 3), u("Flan"));

    // Reached with Tab, a field of the card gives Enter to "Valider"; a
    // button reached with Tab is the one Enter presses.
    cliquerDans(f.TextRech);
    f.ListRecettes->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.ListRecettes, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.TextRecettNom);
    QCOMPARE(f.boutonParDefaut(), f.CommandRecettValider);
    taper(f.TextRecettNom, u("riz"));
    f.CommandRecettNouvelle->setFocus(Qt::TabFocusReason);
    entree();
    QVERIFY(banc->boites().isEmpty());
    QCOMPARE(f.TextRecettNom->text(), QString());
    QCOMPARE(banc->p().base.NbRecett, 7);

    // A search list takes Enter back.
    choisirAuClavier(f.ComboRechMag, u("Elle à table"));
    QCOMPARE(f.boutonParDefaut(), f.CommandRechValider);
    entree();
    QCOMPARE(trouvees(), (QStringList{u("Tarte aux pommes"), u("Tarte fine")}));
    // A list of the card or "Testée" makes Enter validate.
    cliquerDans(f.ComboRecettMag);
    QCOMPARE(f.boutonParDefaut(), f.CommandRecettValider);
    choisirAuClavier(f.ComboRechMag, u("Elle à table"));
    QTest::mouseClick(f.CheckRecettTeste, Qt::LeftButton, {}, QPoint(6, f.CheckRecettTeste->height() / 2));
    QCOMPARE(f.boutonParDefaut(), f.CommandRecettValider);
}

void TstParcours::listeAuClavier_montreLaRecetteSansRafraichir()
{
    FrmPrincipal& f = demarrer();
    cliquerDans(f.TextRech);  // Enter would now refresh
    f.ListRecettes->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.ListRecettes, Qt::Key_Down);
    QTest::keyClick(f.ListRecettes, Qt::Key_Down);
    QCOMPARE(f.ligneChoisie(), 1);
    QCOMPARE(f.TextRecettNom->text(), u("Boeuf bourguignon"));
    QTest::keyClick(f.ListRecettes, Qt::Key_Return);
    // The card still shows the recipe: Enter in the list did not refresh.
    QCOMPARE(f.FrameFiche->title(), u("Recette (existante)"));
    QCOMPARE(f.TextRecettNom->text(), u("Boeuf bourguignon"));
    QCOMPARE(f.ligneChoisie(), 1);
}

void TstParcours::chargerAutreBase_rechercherValiderImprimerIndexer()
{
    FrmPrincipal& f = demarrer();
    banc->ecrire(QStringLiteral("Autre.don"),
                 lignes(QStringList{QStringLiteral("-1 "), QStringLiteral("v1.2b"), QStringLiteral(" 1 "),
                                       u("Soupes"), QStringLiteral(" 1 "), QStringLiteral(" 0 "),
                                       QStringLiteral(" 1 "), u("Régal"), QStringLiteral(" 1 "), QStringLiteral(" 1 ")}
                           + recetteTexte("4", 1, "30", 0, "", 1, "Velouté")));
    const QByteArray avant = banc->lire(QStringLiteral("Recettes.don"));
    banc->plateforme.reponses.enqueue(Plateforme::Reponse::Non);
    banc->plateforme.fichiers.enqueue(banc->chemin(QStringLiteral("Autre.don")));
    QTest::mouseClick(f.CommandCharger, Qt::LeftButton);
    QCOMPARE(banc->boites().size(), 1);
    QCOMPARE(banc->lire(QStringLiteral("Recettes.don")), avant);
    QVERIFY(f.isVisible() && f.isEnabled());
    banc->activer();
    QCOMPARE(QApplication::focusWidget(), f.TextRecettNom);
    QCOMPARE(trouvees(), QStringList{u("Velouté")});
    QCOMPARE(entrees(f.ComboRechCat), (QStringList{u(" --> TOUTES"), u("Soupes")}));
    QCOMPARE(entrees(f.ComboRecettCat), QStringList{u("Soupes")});
    QCOMPARE(f.LabelTotalrecett->text(), u("Recettes totales : 1"));

    // The new base is the one worked on.
    cliquerLigne(f, 0);
    QCOMPARE(f.TextRecettPage->text(), u("30"));
    QCOMPARE(f.ComboRecettMag->currentText(), u("Régal"));
    banc->plateforme.imprimantes << true;
    QTest::mouseClick(f.CommandRecettImpr, Qt::LeftButton);
    QCOMPARE(banc->plateforme.impressions.size(), 1);
    QCOMPARE(banc->plateforme.impressions[0]->lignes[3].texte, u("Velouté"));
    QTest::mouseClick(f.CommandRecettNouvelle, Qt::LeftButton);
    saisir(f.TextRecettNom, u("soupe de potiron"));
    saisir(f.ComboRecettCat, u("soupes"));
    saisir(f.ComboRecettSousCat, u("potages"));
    entree();
    QCOMPARE(trouvees(), (QStringList{u("Soupe de potiron"), u("Velouté")}));
    QCOMPARE(entrees(f.ComboRecettCat), QStringList{u("Soupes")});
    QCOMPARE(incoherence(banc->p().base), QString());

    QTest::mouseClick(f.CommandIndex, Qt::LeftButton);
    const QString index = Codec::decoder(banc->lire(QStringLiteral("Index.txt")));
    // The new recipe has no magazine: its run comes first, without an empty line before it.
    QVERIFY2(index.endsWith(u("2 recettes\r\n\r\n\r\n               -Soupe de potiron\r\n"
                              "\r\nRégal n°4  page 30  -Velouté\r\n")),
             qPrintable(index));

    // Saved on the way out, in the new base's file.
    banc->plateforme.reponses.enqueue(Plateforme::Reponse::Oui);
    banc->p().bases.finProgramme = [] {};
    f.close();
    const QString sauvee = Codec::decoder(banc->lire(QStringLiteral("Autre.don")));
    QVERIFY(sauvee.contains(u("\"Soupe de potiron\"")));
    QVERIFY(sauvee.contains(u("Potages\r\n 1 \r\n")));
    QCOMPARE(banc->lire(QStringLiteral("Recettes.don")), avant);
}

void TstParcours::nouvelleBase_saisieIndexEtEnregistrement()
{
    FrmPrincipal& f = demarrer();
    cliquerLigne(f, 0);
    banc->plateforme.reponses.enqueue(Plateforme::Reponse::Oui);
    banc->plateforme.fichiers.enqueue(banc->chemin(QStringLiteral("Neuve.don")));
    QTest::mouseClick(f.CommandNouvelle, Qt::LeftButton);
    QCOMPARE(banc->boites().size(), 1);
    banc->activer();
    QCOMPARE(QApplication::focusWidget(), f.TextRecettNom);
    QCOMPARE(trouvees(), QStringList());
    QCOMPARE(f.ComboRecettCat->count(), 0);
    QCOMPARE(f.ComboRecettMag->count(), 0);
    QCOMPARE(entrees(f.ComboRechCat) + entrees(f.ComboRechSousCat) + entrees(f.ComboRechMag),
             (QStringList{u(" --> TOUTES"), u(" --> TOUTES"), u(" --> TOUS")}));
    QVERIFY(!f.ComboRechSousCat->isEnabled());
    QCOMPARE(f.LabelTotalrecett->text(), u("Recettes totales : 0"));
    QCOMPARE(f.FrameFiche->title(), u("Recette (nouvelle)"));
    QCOMPARE(f.TextRecettNom->text(), QString());
    QCOMPARE(f.LabelNbRecettList->text(), u("Recettes trouvées : 0"));

    saisir(f.TextRecettNom, u("pâté en croûte"));
    saisir(f.ComboRecettCat, u("Entrées"));
    saisir(f.ComboRecettMag, u("Régal"));
    saisir(f.TextRecettNumero, u("5"));
    entree();
    QCOMPARE(trouvees(), QStringList{u("Pâté en croûte")});
    QTest::mouseClick(f.CommandIndex, Qt::LeftButton);
    QCOMPARE(banc->plateforme.ouverts.last(), banc->chemin(QStringLiteral("Index.txt")));
    QVERIFY(Codec::decoder(banc->lire(QStringLiteral("Index.txt")))
                .endsWith(u("\r\nRégal n°5         -Pâté en croûte\r\n")));

    banc->plateforme.imprimantes << true;
    QTest::mouseClick(f.CommandImpr, Qt::LeftButton);
    const auto& lignes = banc->plateforme.impressions.last()->lignes;
    QCOMPARE(lignes[3].texte, u("1 recette"));
    QCOMPARE(lignes[5].texte, u("- Pâté en croûte"));
    QCOMPARE(lignes[6].texte, u("Régal n°5 (Entrées / )"));

    banc->plateforme.reponses.enqueue(Plateforme::Reponse::Oui);
    banc->p().bases.finProgramme = [] {};
    f.close();
    QVERIFY(Codec::decoder(banc->lire(QStringLiteral("Neuve.don"))).contains(u("\"Pâté en croûte\"")));
    QVERIFY(banc->lire(QStringLiteral("Zuta.ini")).endsWith(QByteArray("Neuve.don\r\n")));
}

void TstParcours::index_apresRechercheAvecCriteres_choixGardes()
{
    FrmPrincipal& f = demarrer();
    choisirAuClavier(f.ComboRechCat, u("Desserts"));
    choisirAuClavier(f.ComboRechSousCat, u("Tartes"));
    choisirAuClavier(f.ComboTeste, u("Non-testée"));
    // No refresh: "Créer Index" runs it with the choices as they stand.
    f.ListIndex << u("ancienne");
    QTest::mouseClick(f.CommandIndex, Qt::LeftButton);
    QCOMPARE(f.ComboRechCat->currentText(), u("Desserts"));
    QCOMPARE(f.ComboRechSousCat->currentText(), u("Tartes"));
    QCOMPARE(f.ComboTeste->currentText(), u("Non-testée"));
    QCOMPARE(trouvees(), QStringList{u("Tarte fine")});
    QCOMPARE(f.ListIndex.size(), 1);
    QCOMPARE(Codec::decoder(banc->lire(QStringLiteral("Index.txt"))),
             u("Zuta! v1.2b - Index créé le 06/12/2026 à 14:05:09\r\n\r\n"
               "Catégorie : Desserts (Tartes uniquement)\r\nMagazine : Tous\r\n"
               "Recettes non-testées uniquement\r\n\r\n1 recette\r\n\r\n\r\n\r\n"
               "Elle à table n°81  page 14  -Tarte fine\r\n"));
    QCOMPARE(banc->p().bases.progressions.last().titre, u("Zuta! / Création Index"));
}

void TstParcours::impressionListe_critereChangeSansActualiser_ancienneListe()
{
    FrmPrincipal& f = demarrer();
    choisirAuClavier(f.ComboRechMag, u("Cuisine actuelle"));
    entree();
    QCOMPARE(trouvees(), (QStringList{u("Blanquette"), u("Boeuf bourguignon")}));
    choisirAuClavier(f.ComboRechMag, u("Elle à table"));
    f.CheckNotes->click();
    banc->plateforme.imprimantes << true;
    QTest::mouseClick(f.CommandImpr, Qt::LeftButton);
    QCOMPARE(banc->plateforme.titresImpression, QStringList{u("Imprimer la liste des recettes")});
    QStringList textes;
    for (const LigneImprimee& l : banc->plateforme.impressions[0]->lignes)
        textes << l.texte;
    QCOMPARE(textes, (QStringList{u("Zuta! v1.2b"), QString(), QString(), u("2 recettes"), QString(),
                                  u("- Blanquette"), u("Cuisine actuelle n°13 page 22 (Plats / Viandes)"), QString(),
                                  u("- Boeuf bourguignon"), u("Cuisine actuelle n°12 page 40 (Plats / Viandes)"),
                                  u("Notes:"), u("Mijoter 3 h"), QString()}));
}

void TstParcours::bullesMasquees_restentMasqueesApresChargement()
{
    FrmPrincipal& f = banc->demarrerSur(petiteBase(), 0);
    QCOMPARE(f.CommandCharger->toolTip(), QString());
    QCOMPARE(f.TextRecettNom->toolTip(), QString());
    for (int fois = 0; fois < 2; ++fois) {
        banc->plateforme.reponses.enqueue(Plateforme::Reponse::Non);
        banc->plateforme.fichiers.enqueue(banc->chemin(QStringLiteral("Recettes.don")));
        QTest::mouseClick(f.CommandCharger, Qt::LeftButton);
        for (QWidget* w : f.controles())
            QVERIFY2(w->toolTip().isEmpty(), qPrintable(w->objectName()));
    }
    // Created bases go through the same start-up.
    banc->plateforme.reponses.enqueue(Plateforme::Reponse::Non);
    banc->plateforme.fichiers.enqueue(banc->chemin(QStringLiteral("Neuve.don")));
    QTest::mouseClick(f.CommandNouvelle, Qt::LeftButton);
    for (QWidget* w : f.controles())
        QVERIFY2(w->toolTip().isEmpty(), qPrintable(w->objectName()));
    QCOMPARE(f.ComboRecettCat->lineEdit()->toolTip(), QString());
    QVERIFY(banc->lire(QStringLiteral("Zuta.ini")).startsWith(" 0 \r\n 0 \r\n"));
}

void TstParcours::tabulation_ordreDeLaFenetre()
{
    FrmPrincipal& f = demarrer();
    const QList<QWidget*> attendu{f.ComboRechCat,     f.ComboRechMag,      f.ComboTeste,
                                  f.TextRech,         f.CommandRechValider, f.ListRecettes,
                                  f.TextRecettNom,    f.ComboRecettCat,    f.ComboRecettSousCat,
                                  f.ComboRecettMag,   f.TextRecettNumero,  f.TextRecettPage,
                                  f.TextRecettComment, f.CheckRecettTeste,  f.CommandRecettNouvelle,
                                  f.CommandRecettValider, f.CheckSaisie};
    // The disabled sub-category list and card buttons are passed by; an
    // editable list's own line edit stands for the list.
    f.ComboRechCat->setFocus(Qt::TabFocusReason);
    QStringList noms{f.ComboRechCat->objectName()}, nomsAttendus;
    for (int i = 1; i < attendu.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* w = QApplication::focusWidget();
        noms << (w && qobject_cast<QComboBox*>(w->parentWidget()) ? w->parentWidget() : w)->objectName();
    }
    for (QWidget* w : attendu)
        nomsAttendus << w->objectName();
    QCOMPARE(noms, nomsAttendus);
}

void TstParcours::redimensionnement_rienNeSeChevauche()
{
    FrmPrincipal& f = demarrer();
    const auto verifier = [&] {
        const QList<QWidget*> cadres{f.FrameRech, f.ListRecettes, f.FrameFiche, f.CommandQuitter};
        for (QWidget* w : f.controles())
            QVERIFY2(w->isHidden() || w->width() > 0, qPrintable(w->objectName()));
        QVERIFY(!f.FrameRech->geometry().intersects(f.FrameFiche->geometry()));
        QVERIFY(f.ListRecettes->height() >= 60);
        QVERIFY(f.TextRecettComment->height() >= 40);
        // The labels of the card are wide enough to show their text.
        for (QLabel* l : f.FrameFiche->findChildren<QLabel*>())
            QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->objectName()));
        for (QPushButton* b : f.findChildren<QPushButton*>())
            QVERIFY2(b->width() >= b->minimumSizeHint().width(), qPrintable(b->objectName()));
    };
    f.resize(f.minimumSizeHint());
    QApplication::processEvents();
    verifier();
    const int listeAvant = f.ListRecettes->height();
    const int ficheAvant = f.FrameFiche->width();
    const QSize notesAvant = f.TextRecettComment->size();
    f.resize(1400, 1000);
    QApplication::processEvents();
    verifier();
    QVERIFY(f.ListRecettes->height() > listeAvant);
    QVERIFY(f.FrameFiche->width() > ficheAvant);
    QVERIFY(f.TextRecettComment->height() > notesAvant.height() && f.TextRecettComment->width() > notesAvant.width());
}

QTEST_MAIN(TstParcours)
#include "tst_parcours.moc"
