// The recipe card through the real window, as a user types and clicks.
#include "AideFiche.h"
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

using namespace AideFiche;

class TstFiche : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void nouvelleFiche_carteVideEtFocusDansLeNom();
    void saisie_nouvelleRecette_normaliseeEtStockee();
    void refus_nomOuDescriptionManquants_rienNeChange();
    void description_unSeulChampSuffit();
    void modification_compteursDeplacesOuInchanges();
    void liste_clicMontreLeBonNumero();
    void liste_nomAvecSeparateur_nomEntierEtBonNumero();
    void suppression_decaleEtBaisseLesCompteurs();
    void suppression_ignoreLesChangementsNonValides();
    void champs_touchesRefusees();
    void champs_blancsEnlevesEnSortant();
    void champs_categorieQuitteeRemplitSousCategories();
    void champs_boutonParDefaut();
    void coller_textesQuiCasseraientLaBase_refuses();
    void tablesPleines_refusSansRienChanger();
    void notes_espacesInsecablesGardes();
    void saisieEnChaine_allumeeEtEteinte();
    void notesEtTestee_interrupteurs();

private:
    FrmPrincipal& demarrer();
    std::unique_ptr<Banc> banc;
};

void TstFiche::init()
{
    banc = std::make_unique<Banc>();
    banc->reglages();
}

void TstFiche::cleanup()
{
    banc.reset();
}

FrmPrincipal& TstFiche::demarrer()
{
    FrmPrincipal& f = banc->demarrer();
    activer(f);
    banc->boites();
    return f;
}

void TstFiche::nouvelleFiche_carteVideEtFocusDansLeNom()
{
    FrmPrincipal& f = demarrer();
    QCOMPARE(f.FrameFiche->title(), QStringLiteral("Recette (nouvelle)"));
    QVERIFY(!f.CommandRecettSuppr->isEnabled());
    QVERIFY(!f.CommandRecettImpr->isEnabled());
    saisir(f.TextRecettNom, QStringLiteral("Tarte"));
    saisir(f.TextRecettComment, QStringLiteral("à l'ancienne"));
    f.CheckRecettTeste->click();
    QTest::mouseClick(f.CommandRecettNouvelle, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), f.TextRecettNom);
    QCOMPARE(f.TextRecettNom->text(), QString());
    QCOMPARE(f.TextRecettComment->toPlainText(), QString());
    QVERIFY(!f.CheckRecettTeste->isChecked());
    QCOMPARE(f.ComboRecettSousCat->count(), 0);
    QCOMPARE(banc->p().etat.FicheExistante, 0);
}

void TstFiche::saisie_nouvelleRecette_normaliseeEtStockee()
{
    FrmPrincipal& f = demarrer();
    Tables& t = banc->p().base;
    saisir(f.TextRecettNom, QStringLiteral("tarte, à l'oignon"));
    saisir(f.ComboRecettCat, QStringLiteral("  tartes SALÉES "));
    saisir(f.ComboRecettSousCat, QStringLiteral("oignons"));
    saisir(f.ComboRecettMag, QStringLiteral("cuisine ACTUELLE"));
    saisir(f.TextRecettNumero, QStringLiteral("81"));
    saisir(f.TextRecettPage, QStringLiteral("12-13"));
    saisir(f.TextRecettComment, QStringLiteral("Oignons, crème\nFour 180°"));
    QTest::mouseClick(f.CommandRecettValider, Qt::LeftButton);

    QCOMPARE(banc->boites(), QStringList());
    QCOMPARE(t.NbRecett, 1);
    QCOMPARE(t.RecettTexte(1, 3), QStringLiteral("Tarte, à l'oignon"));
    QCOMPARE(t.RecettTexte(1, 0), QStringLiteral("81"));
    QCOMPARE(t.RecettTexte(1, 1), QStringLiteral("12-13"));
    QCOMPARE(t.RecettTexte(1, 2), QStringLiteral("Oignons, crème\r\nFour 180°"));
    QCOMPARE(t.Cat(t.RecettVal(1, 0)), QStringLiteral("Tartes salées"));
    QCOMPARE(t.SousCat(t.RecettVal(1, 0), t.RecettVal(1, 1)), QStringLiteral("Oignons"));
    QCOMPARE(t.Mag(t.RecettVal(1, 2)), QStringLiteral("Cuisine ACTUELLE"));
    QCOMPARE(incoherence(t), QString());
    // The refresh leaves a new card with the focus in the name.
    QCOMPARE(f.FrameFiche->title(), QStringLiteral("Recette (nouvelle)"));
    QCOMPARE(f.TextRecettNom->text(), QString());
    QCOMPARE(QApplication::focusWidget(), f.TextRecettNom);

    // The same category typed again in another case takes it as it is; a
    // name already in upper case stays so.
    saisir(f.TextRecettNom, QStringLiteral("TARTE \"fine\""));
    saisir(f.ComboRecettCat, QStringLiteral("TARTES salées"));
    QTest::keyClick(f.ComboRecettCat, Qt::Key_Return);
    QCOMPARE(t.NbRecett, 2);
    QCOMPARE(t.NbCat, 1);
    QCOMPARE(t.RecettTexte(2, 3), QStringLiteral("TARTE fine"));  // the typed double quotes were refused
    QCOMPARE(t.Cat(1), QStringLiteral("Tartes salées"));
    QCOMPARE(t.CatNbRecett(1), 2);
    QCOMPARE(t.RecettVal(2, 1), 0);
    QCOMPARE(t.RecettVal(2, 2), 0);
}

void TstFiche::refus_nomOuDescriptionManquants_rienNeChange()
{
    FrmPrincipal& f = demarrer();
    const QString avant = photo(banc->p().base);
    saisir(f.TextRecettNom, QStringLiteral("   "));
    saisir(f.ComboRecettMag, QStringLiteral("Elle"));
    QTest::mouseClick(f.CommandRecettValider, Qt::LeftButton);
    QCOMPARE(banc->plateforme.boites.size(), 1);
    const auto boite = banc->plateforme.boites.first();
    QCOMPARE(boite.titre, QStringLiteral("Validation impossible !"));
    QCOMPARE(boite.texte, QStringLiteral("La recette doit avoir un nom !"));
    QCOMPARE(boite.boutons, Plateforme::Boutons::OK);
    QCOMPARE(boite.icone, Plateforme::Icone::Information);
    banc->boites();
    QCOMPARE(f.TextRecettNom->text(), QString());
    QCOMPARE(QApplication::focusWidget(), f.TextRecettNom);

    // A name with only a sub-category, notes of blanks: not a description.
    QTest::mouseClick(f.CommandRecettNouvelle, Qt::LeftButton);
    saisir(f.TextRecettNom, QStringLiteral("Tarte"));
    saisir(f.ComboRecettSousCat, QStringLiteral("Fruits"));
    saisir(f.TextRecettComment, QStringLiteral("    "));
    QTest::mouseClick(f.CommandRecettValider, Qt::LeftButton);
    QCOMPARE(banc->boites(), QStringList{QStringLiteral(
                                 "Validation impossible ! | La recette doit comporter un minimum de description !")});
    // No sub-category without a category.
    QCOMPARE(f.ComboRecettSousCat->currentText(), QString());
    QCOMPARE(photo(banc->p().base), avant);
    QCOMPARE(banc->p().etat.FicheExistante, 0);
}

void TstFiche::description_unSeulChampSuffit()
{
    FrmPrincipal& f = demarrer();
    Tables& t = banc->p().base;
    const QList<QWidget*> champs{f.ComboRecettMag, f.ComboRecettCat, f.TextRecettPage, f.TextRecettNumero};
    for (QWidget* champ : champs) {
        saisir(f.TextRecettNom, QStringLiteral("Tarte"));
        saisir(champ, QStringLiteral("x"));
        QTest::mouseClick(f.CommandRecettValider, Qt::LeftButton);
    }
    QCOMPARE(banc->boites(), QStringList());
    QCOMPARE(t.NbRecett, 4);
    QCOMPARE(incoherence(t), QString());
}

void TstFiche::modification_compteursDeplacesOuInchanges()
{
    FrmPrincipal& f = demarrer();
    Tables& t = banc->p().base;
    const int desserts = ajouterCategorie(t, QStringLiteral("Desserts"));
    const int tartes = ajouterSousCategorie(t, desserts, QStringLiteral("Tartes"));
    const int entrees = ajouterCategorie(t, QStringLiteral("Entrées"));
    const int elle = ajouterMagazine(t, QStringLiteral("Elle"));
    ajouterRecette(t, QStringLiteral("Tarte aux pommes"), desserts, tartes, elle, QStringLiteral("81"),
                   QStringLiteral("12"), QStringLiteral("Pommes\r\nbeurre"), 1);
    ajouterRecette(t, QStringLiteral("Quiche"), entrees, 0, elle);
    chercherTout(banc->p());

    cliquerLigne(f, ligneDuNumero(banc->p(), 1));
    QCOMPARE(f.FrameFiche->title(), QStringLiteral("Recette (existante)"));
    QVERIFY(f.CommandRecettSuppr->isEnabled());
    QVERIFY(f.CommandRecettImpr->isEnabled());
    QCOMPARE(f.TextRecettNom->text(), QStringLiteral("Tarte aux pommes"));
    QCOMPARE(f.ComboRecettCat->currentText(), QStringLiteral("Desserts"));
    QCOMPARE(f.ComboRecettSousCat->currentText(), QStringLiteral("Tartes"));
    QCOMPARE(f.ComboRecettSousCat->count(), 1);
    QCOMPARE(f.ComboRecettMag->currentText(), QStringLiteral("Elle"));
    QCOMPARE(f.TextRecettComment->toPlainText(), QStringLiteral("Pommes\nbeurre"));
    QVERIFY(f.CheckRecettTeste->isChecked());
    const EtatProgramme& e = banc->p().etat;
    QCOMPARE(e.RecettCourante, 1);
    QCOMPARE(e.RecettCatAvant, desserts);
    QCOMPARE(e.RecettSousCatAvant, tartes);
    QCOMPARE(e.RecettMagAvant, elle);
    QCOMPARE(e.RecettNomAvant, QStringLiteral("Tarte aux pommes"));

    // Validated unchanged: every counter as it was, the notes as they were.
    const QString avant = photo(t);
    QTest::mouseClick(f.CommandRecettValider, Qt::LeftButton);
    QCOMPARE(photo(t), avant);

    // Moved to the other category: the old one falls to 0 and keeps its name.
    chercherTout(banc->p());
    cliquerLigne(f, ligneDuNumero(banc->p(), 1));
    f.ComboRecettCat->lineEdit()->selectAll();
    saisir(f.ComboRecettCat, QStringLiteral("entrées"));
    QTest::mouseClick(f.CommandRecettValider, Qt::LeftButton);
    QCOMPARE(t.RecettVal(1, 0), entrees);
    QCOMPARE(t.CatNbRecett(entrees), 2);
    QCOMPARE(t.CatNbRecett(desserts), 0);
    QCOMPARE(t.SousCatNbRecett(desserts, tartes), 0);
    QCOMPARE(t.Cat(desserts), QStringLiteral("Desserts"));
    QCOMPARE(t.NbRecett, 2);
    QCOMPARE(incoherence(t), QString());
    // The typed sub-category now belongs to the new category.
    QCOMPARE(t.SousCat(entrees, t.RecettVal(1, 1)), QStringLiteral("Tartes"));

    // A new category now takes the unused one's number and overwrites its name.
    QTest::mouseClick(f.CommandRecettNouvelle, Qt::LeftButton);
    saisir(f.TextRecettNom, QStringLiteral("Velouté"));
    saisir(f.ComboRecettCat, QStringLiteral("SOUPES"));
    QTest::mouseClick(f.CommandRecettValider, Qt::LeftButton);
    QCOMPARE(t.NbCat, 2);
    QCOMPARE(t.Cat(desserts), QStringLiteral("Soupes"));
    QCOMPARE(t.RecettVal(3, 0), desserts);
    QCOMPARE(incoherence(t), QString());
}

void TstFiche::liste_clicMontreLeBonNumero()
{
    FrmPrincipal& f = demarrer();
    Tables& t = banc->p().base;
    // Equal names and slots of one to five digits.
    for (int r = 1; r <= 12345; ++r)
        ajouterRecette(t, r == 3 || r == 12 || r == 12345 ? QStringLiteral("Tarte") : QStringLiteral("Plat %1").arg(r),
                       0, 0, 0, QString::number(r));
    chercherTout(banc->p());
    for (int r : {3, 12, 12345}) {
        const int k = ligneDuNumero(banc->p(), r);
        f.choisirLigne(k);
        banc->p().fiche.ListRecettes_Click();
        QCOMPARE(banc->p().etat.RecettCourante, r);
        QCOMPARE(f.TextRecettNumero->text(), QString::number(r));
        QCOMPARE(f.TextRecettNom->text(), QStringLiteral("Tarte"));
    }
    // No line chosen: the card stays as it is.
    f.choisirLigne(-1);
    banc->p().fiche.ListRecettes_Click();
    QCOMPARE(banc->p().etat.RecettCourante, 12345);
    QCOMPARE(f.FrameFiche->title(), QStringLiteral("Recette (existante)"));
    QCOMPARE(banc->boites(), QStringList());
}

void TstFiche::liste_nomAvecSeparateur_nomEntierEtBonNumero()
{
    FrmPrincipal& f = demarrer();
    Tables& t = banc->p().base;
    // A base from elsewhere may hold "ÿ" in a name.
    ajouterRecette(t, QStringLiteral("Soupe"), 0, 0, 0, QStringLiteral("1"));
    ajouterRecette(t, QStringLiteral("Tarte") + QChar(0xFF) + QStringLiteral(" 1"), 0, 0, 0, QStringLiteral("2"));
    chercherTout(banc->p());
    f.choisirLigne(ligneDuNumero(banc->p(), 2));
    banc->p().fiche.ListRecettes_Click();
    QCOMPARE(banc->p().etat.RecettCourante, 2);
    QCOMPARE(f.TextRecettNom->text(), QStringLiteral("Tarte") + QChar(0xFF) + QStringLiteral(" 1"));
    QCOMPARE(f.TextRecettNumero->text(), QStringLiteral("2"));
}

void TstFiche::suppression_decaleEtBaisseLesCompteurs()
{
    FrmPrincipal& f = demarrer();
    Tables& t = banc->p().base;
    const int c = ajouterCategorie(t, QStringLiteral("Desserts"));
    const int s = ajouterSousCategorie(t, c, QStringLiteral("Tartes"));
    const int m = ajouterMagazine(t, QStringLiteral("Elle"));
    ajouterRecette(t, QStringLiteral("Crêpes"), 0, 0, m);
    ajouterRecette(t, QStringLiteral("Tarte"), c, s, m, QStringLiteral("5"));
    ajouterRecette(t, QStringLiteral("Velouté"), 0, 0, 0, QStringLiteral("7"), QStringLiteral("p. 3"),
                   QStringLiteral("n"), 1);
    chercherTout(banc->p());

    cliquerLigne(f, ligneDuNumero(banc->p(), 2));
    QTest::mouseClick(f.CommandRecettSuppr, Qt::LeftButton);
    QCOMPARE(banc->boites(), QStringList());
    QCOMPARE(t.NbRecett, 2);
    QCOMPARE(t.CatNbRecett(c), 0);
    QCOMPARE(t.SousCatNbRecett(c, s), 0);
    QCOMPARE(t.MagNbRecett(m), 1);
    QCOMPARE(t.Cat(c), QStringLiteral("Desserts"));
    // The following recipe is at the deleted one's slot with all its fields.
    QCOMPARE(t.RecettTexte(2, 3), QStringLiteral("Velouté"));
    QCOMPARE(t.RecettTexte(2, 0), QStringLiteral("7"));
    QCOMPARE(t.RecettTexte(2, 1), QStringLiteral("p. 3"));
    QCOMPARE(t.RecettTexte(2, 2), QStringLiteral("n"));
    QCOMPARE(t.RecettVal(2, 3), 1);
    QCOMPARE(incoherence(t), QString());
    QCOMPARE(f.FrameFiche->title(), QStringLiteral("Recette (nouvelle)"));
    QCOMPARE(QApplication::focusWidget(), f.TextRecettNom);

    // The last slot: nothing moves.
    chercherTout(banc->p());
    cliquerLigne(f, ligneDuNumero(banc->p(), 2));
    QTest::mouseClick(f.CommandRecettSuppr, Qt::LeftButton);
    QCOMPARE(t.NbRecett, 1);
    QCOMPARE(t.RecettTexte(1, 3), QStringLiteral("Crêpes"));
    QCOMPARE(incoherence(t), QString());
    QVERIFY(!f.CommandRecettSuppr->isEnabled());
}

void TstFiche::suppression_ignoreLesChangementsNonValides()
{
    FrmPrincipal& f = demarrer();
    Tables& t = banc->p().base;
    const int c = ajouterCategorie(t, QStringLiteral("Desserts"));
    const int m = ajouterMagazine(t, QStringLiteral("Elle"));
    ajouterRecette(t, QStringLiteral("Tarte"), c, 0, m);
    ajouterRecette(t, QStringLiteral("Soupe"), 0, 0, m);
    chercherTout(banc->p());
    cliquerLigne(f, ligneDuNumero(banc->p(), 1));
    f.ComboRecettCat->lineEdit()->selectAll();
    saisir(f.ComboRecettCat, QStringLiteral("Entrées"));
    f.ComboRecettMag->lineEdit()->selectAll();
    QTest::keyClick(f.ComboRecettMag, Qt::Key_Delete);
    QTest::mouseClick(f.CommandRecettSuppr, Qt::LeftButton);
    QCOMPARE(t.NbRecett, 1);
    QCOMPARE(t.NbCat, 1);
    QCOMPARE(t.CatNbRecett(c), 0);
    QCOMPARE(t.MagNbRecett(m), 1);
    QCOMPARE(incoherence(t), QString());
}

void TstFiche::champs_touchesRefusees()
{
    FrmPrincipal& f = demarrer();
    const QString ydiaeresis(QChar(0xFF));
    for (QWidget* champ : QList<QWidget*>{f.ComboRecettCat, f.ComboRecettSousCat, f.ComboRecettMag,
                                          f.TextRecettNumero, f.TextRecettPage})
        saisir(champ, QStringLiteral("Tarte, \"pommes\" ") + ydiaeresis);
    for (QComboBox* liste : {f.ComboRecettCat, f.ComboRecettSousCat, f.ComboRecettMag})
        QCOMPARE(liste->currentText(), QStringLiteral("Tarte pommes ") + ydiaeresis);
    QCOMPARE(f.TextRecettNumero->text(), QStringLiteral("Tarte pommes ") + ydiaeresis);
    QCOMPARE(f.TextRecettPage->text(), QStringLiteral("Tarte pommes ") + ydiaeresis);
    saisir(f.TextRecettNom, QStringLiteral("Tarte, \"pommes\" ") + ydiaeresis + QStringLiteral("x"));
    QCOMPARE(f.TextRecettNom->text(), QStringLiteral("Tarte, pommes x"));
    saisir(f.TextRecettComment, QStringLiteral("Tarte, \"pommes\" ") + ydiaeresis);
    QCOMPARE(f.TextRecettComment->toPlainText(), QStringLiteral("Tarte, pommes ") + ydiaeresis);
}

void TstFiche::champs_blancsEnlevesEnSortant()
{
    FrmPrincipal& f = demarrer();
    const EtatProgramme& e = banc->p().etat;
    saisir(f.TextRecettNom, QStringLiteral("  Tarte  "));
    saisir(f.TextRecettNumero, QStringLiteral(" 81 "));
    saisir(f.TextRecettPage, QStringLiteral(" 12 "));
    saisir(f.TextRecettComment, QStringLiteral("  à servir tiède  "));
    saisir(f.ComboRecettMag, QStringLiteral("  Elle "));
    saisir(f.ComboRecettSousCat, QStringLiteral(" Fruits "));
    cliquerDans(f.TextRecettNom);
    QCOMPARE(f.TextRecettNom->text(), QStringLiteral("Tarte"));
    QCOMPARE(e.RecettNom, QStringLiteral("Tarte"));
    QCOMPARE(e.RecettNum, QStringLiteral("81"));
    QCOMPARE(f.TextRecettPage->text(), QStringLiteral("12"));
    QCOMPARE(e.RecettPage, QStringLiteral("12"));
    QCOMPARE(f.TextRecettComment->toPlainText(), QStringLiteral("  à servir tiède  "));
    QCOMPARE(e.RecettNotes, QStringLiteral("  à servir tiède  "));
    QCOMPARE(f.ComboRecettMag->currentText(), QStringLiteral("Elle"));
    QCOMPARE(f.ComboRecettSousCat->currentText(), QStringLiteral("Fruits"));
}

void TstFiche::champs_categorieQuitteeRemplitSousCategories()
{
    FrmPrincipal& f = demarrer();
    Tables& t = banc->p().base;
    const int c = ajouterCategorie(t, QStringLiteral("Desserts"));
    const int tartes = ajouterSousCategorie(t, c, QStringLiteral("Tartes"));
    ajouterSousCategorie(t, c, QStringLiteral("Glaces"));  // no recipe: not offered
    const int cremes = ajouterSousCategorie(t, c, QStringLiteral("Crèmes"));
    ajouterRecette(t, QStringLiteral("Tarte"), c, tartes, 0);
    ajouterRecette(t, QStringLiteral("Flan"), c, cremes, 0);

    saisir(f.ComboRecettSousCat, QStringLiteral("à garder"));
    saisir(f.ComboRecettCat, QStringLiteral(" desserts "));
    cliquerDans(f.TextRecettNom);
    QCOMPARE(f.ComboRecettCat->currentText(), QStringLiteral("desserts"));
    QCOMPARE(f.ComboRecettSousCat->count(), 2);
    QCOMPARE(f.ComboRecettSousCat->itemText(0), QStringLiteral("Crèmes"));
    QCOMPARE(f.ComboRecettSousCat->itemText(1), QStringLiteral("Tartes"));
    QCOMPARE(f.ComboRecettSousCat->currentText(), QStringLiteral("à garder"));

    f.ComboRecettCat->lineEdit()->selectAll();
    saisir(f.ComboRecettCat, QStringLiteral("Inconnue"));
    cliquerDans(f.TextRecettNom);
    QCOMPARE(f.ComboRecettSousCat->count(), 0);
    QCOMPARE(f.ComboRecettSousCat->currentText(), QStringLiteral("à garder"));
}

void TstFiche::champs_boutonParDefaut()
{
    FrmPrincipal& f = demarrer();
    Tables& t = banc->p().base;
    f.definirBoutonParDefaut(f.CommandRechValider);
    saisir(f.TextRecettNom, QStringLiteral("Tarte"));
    QCOMPARE(f.boutonParDefaut(), f.CommandRecettValider);
    // In the notes Enter makes a new line.
    saisir(f.TextRecettComment, QStringLiteral("ligne 1\nligne 2"));
    QCOMPARE(f.boutonParDefaut(), nullptr);
    QCOMPARE(f.TextRecettComment->toPlainText(), QStringLiteral("ligne 1\nligne 2"));
    QCOMPARE(t.NbRecett, 0);
    // Once the notes are left, Enter in another field validates the card.
    cliquerDans(f.TextRecettNumero);
    QCOMPARE(f.boutonParDefaut(), f.CommandRecettValider);
    QTest::keyClick(f.TextRecettNumero, Qt::Key_Return);
    QCOMPARE(t.NbRecett, 1);
    QCOMPARE(t.RecettTexte(1, 2), QStringLiteral("ligne 1\r\nligne 2"));
    // Going into a card list also makes "Valider" the default.
    f.definirBoutonParDefaut(f.CommandRechValider);
    cliquerDans(f.ComboRecettMag);
    QCOMPARE(f.boutonParDefaut(), f.CommandRecettValider);
}

void TstFiche::coller_textesQuiCasseraientLaBase_refuses()
{
    FrmPrincipal& f = demarrer();
    Tables& t = banc->p().base;
    const QString avant = photo(t);
    // Pasted texts skip the key filters.
    f.TextRecettNom->setText(QStringLiteral("Tarte"));
    f.ComboRecettCat->setEditText(QStringLiteral("Tartes, quiches"));
    QTest::mouseClick(f.CommandRecettValider, Qt::LeftButton);
    QCOMPARE(banc->boites(), QStringList{QStringLiteral(
                                 "Validation impossible ! | Le champ « Catégorie » ne peut pas contenir de virgule : "
                                 "« Tartes, quiches ».\nSupprimez la virgule avant de valider.")});
    f.ComboRecettCat->setEditText(QStringLiteral("Tartes"));
    f.TextRecettComment->setPlainText(QStringLiteral("Délicieux 😋"));
    QTest::mouseClick(f.CommandRecettValider, Qt::LeftButton);
    QCOMPARE(banc->boites(), QStringList{QStringLiteral(
                                 "Validation impossible ! | Le champ « Notes » contient le caractère « 😋 » "
                                 "(U+1F60B), que la base ne peut pas enregistrer.\nRemplacez-le ou supprimez-le avant "
                                 "de valider.")});
    f.TextRecettComment->setPlainText(QString());
    f.TextRecettNom->setText(QStringLiteral("Tarte") + QChar(0xFF));
    QTest::mouseClick(f.CommandRecettValider, Qt::LeftButton);
    QCOMPARE(banc->boites().size(), 1);
    QCOMPARE(photo(t), avant);
    // A double quote pasted into a new name becomes an apostrophe.
    f.TextRecettNom->setText(QStringLiteral("Tarte"));
    f.ComboRecettMag->setEditText(QStringLiteral("Le \"Chef\""));
    QTest::mouseClick(f.CommandRecettValider, Qt::LeftButton);
    QCOMPARE(t.Mag(1), QStringLiteral("Le 'Chef'"));
    QCOMPARE(t.Cat(1), QStringLiteral("Tartes"));
}

void TstFiche::tablesPleines_refusSansRienChanger()
{
    FrmPrincipal& f = demarrer();
    Tables& t = banc->p().base;
    // Every entry of every table in use, so that none is free.
    for (int c = 1; c <= Tables::MaxCat; ++c)
        ajouterCategorie(t, QStringLiteral("Catégorie %1").arg(c));
    for (int s = 1; s <= Tables::MaxSousCat; ++s)
        ajouterSousCategorie(t, 1, QStringLiteral("Sous %1").arg(s));
    for (int m = 1; m <= Tables::MaxMag; ++m)
        ajouterMagazine(t, QStringLiteral("Magazine %1").arg(m));
    for (int s = 1; s <= Tables::MaxSousCat; ++s)
        ajouterRecette(t, QStringLiteral("Plat"), 1, s, s);
    for (int c = 2; c <= Tables::MaxCat; ++c)
        ajouterRecette(t, QStringLiteral("Plat"), c, 0, 1);
    QCOMPARE(incoherence(t), QString());
    const QString avant = photo(t);

    const auto valider = [&](const QString& cat, const QString& sous, const QString& mag) {
        QTest::mouseClick(f.CommandRecettNouvelle, Qt::LeftButton);
        saisir(f.TextRecettNom, QStringLiteral("Nouvelle"));
        f.ComboRecettCat->setEditText(cat);
        f.ComboRecettSousCat->setEditText(sous);
        f.ComboRecettMag->setEditText(mag);
        QTest::mouseClick(f.CommandRecettValider, Qt::LeftButton);
        return banc->boites();
    };
    QCOMPARE(valider(QStringLiteral("Soupes"), QString(), QString()),
             QStringList{QStringLiteral("Validation impossible ! | La base ne peut pas contenir plus de 200 "
                                        "catégories : la catégorie « Soupes » ne peut pas être ajoutée.\nChoisissez "
                                        "une catégorie existante.")});
    QCOMPARE(valider(QStringLiteral("Catégorie 1"), QStringLiteral("Neuve"), QString()).size(), 1);
    QCOMPARE(valider(QString(), QString(), QStringLiteral("Neuf")).size(), 1);
    QCOMPARE(photo(t), avant);
    // An existing name is still taken.
    QCOMPARE(valider(QStringLiteral("CATÉGORIE 9"), QStringLiteral("sous 4"), QStringLiteral("magazine 3")),
             QStringList());
    QCOMPARE(incoherence(t), QString());

    // The 33,001st recipe.
    const int n = t.NbRecett;
    for (int r = n + 1; r <= Tables::MaxRecett; ++r)
        ajouterRecette(t, QStringLiteral("Plat"), 1, 1, 1);
    const QString plein = photo(t);
    QCOMPARE(valider(QStringLiteral("Catégorie 1"), QString(), QString()),
             QStringList{QStringLiteral("Validation impossible ! | La base est pleine : elle ne peut pas contenir "
                                        "plus de 33000 recettes.\nLa recette n'est pas enregistrée.")});
    QCOMPARE(photo(t), plein);
    QCOMPARE(t.NbRecett, Tables::MaxRecett);
}

void TstFiche::notes_espacesInsecablesGardes()
{
    FrmPrincipal& f = demarrer();
    Tables& t = banc->p().base;
    const QString notes = QStringLiteral("Cuisson\u00A0: 20\u00A0min\r\nSel");
    ajouterRecette(t, QStringLiteral("Tarte"), 0, 0, 0, QStringLiteral("3"), QString(), notes);
    chercherTout(banc->p());
    cliquerLigne(f, 0);
    QTest::mouseClick(f.CommandRecettValider, Qt::LeftButton);
    QCOMPARE(t.RecettTexte(1, 2), notes);
}

void TstFiche::saisieEnChaine_allumeeEtEteinte()
{
    FrmPrincipal& f = demarrer();
    Tables& t = banc->p().base;
    ajouterRecette(t, QStringLiteral("Soupe"), 0, 0, 0, QStringLiteral("1"));
    chercherTout(banc->p());
    cliquerLigne(f, 0);
    QVERIFY(f.CommandRecettSuppr->isEnabled());

    QTest::keyClick(f.CheckSaisie, Qt::Key_Space);
    QVERIFY(f.CheckSaisie->isChecked());
    for (QWidget* w : QList<QWidget*>{f.ListRecettes, f.ComboRechCat, f.ComboRechMag, f.ComboRechSousCat,
                                      f.ComboTeste, f.CommandRechValider, f.CommandRecettSuppr, f.CommandRecettImpr,
                                      f.TextRech})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QCOMPARE(f.FrameFiche->title(), QStringLiteral("Recette (nouvelle)"));
    QCOMPARE(QApplication::focusWidget(), f.TextRecettNom);

    // Validating only prepares the next card; the found list stays.
    chercherTout(banc->p());
    const QStringList liste = f.lignesRecettes();
    taper(f.TextRecettNom, QStringLiteral("Crêpes"));
    saisir(f.TextRecettPage, QStringLiteral("4"));
    QTest::keyClick(f.TextRecettPage, Qt::Key_Return);
    QCOMPARE(t.NbRecett, 2);
    QCOMPARE(f.lignesRecettes(), liste);
    QCOMPARE(f.TextRecettNom->text(), QString());
    QCOMPARE(f.TextRecettPage->text(), QString());
    QCOMPARE(QApplication::focusWidget(), f.TextRecettNom);

    // Off: the search side comes back, the card stays as it is.
    taper(f.TextRecettNom, QStringLiteral("Gratin"));
    QTest::keyClick(f.CheckSaisie, Qt::Key_Space);
    QVERIFY(!f.CheckSaisie->isChecked());
    for (QWidget* w : QList<QWidget*>{f.ListRecettes, f.ComboRechCat, f.ComboRechMag, f.ComboTeste,
                                      f.CommandRechValider, f.TextRech})
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(!f.CommandRecettSuppr->isEnabled());
    QVERIFY(!f.CommandRecettImpr->isEnabled());
    QCOMPARE(f.TextRecettNom->text(), QStringLiteral("Gratin"));
    QCOMPARE(incoherence(t), QString());
}

void TstFiche::notesEtTestee_interrupteurs()
{
    FrmPrincipal& f = demarrer();
    EtatProgramme& e = banc->p().etat;
    const int avant = e.OptionNotes;
    QTest::mouseClick(f.CheckNotes, Qt::LeftButton, {}, QPoint(4, f.CheckNotes->height() / 2));
    QCOMPARE(e.OptionNotes, 1 - avant);
    QCOMPARE(f.CheckNotes->isChecked(), e.OptionNotes == 1);
    QTest::mouseClick(f.CheckNotes, Qt::LeftButton, {}, QPoint(4, f.CheckNotes->height() / 2));
    QCOMPARE(e.OptionNotes, avant);

    f.definirBoutonParDefaut(f.CommandRechValider);
    QTest::mouseClick(f.CheckRecettTeste, Qt::LeftButton, {}, QPoint(4, f.CheckRecettTeste->height() / 2));
    QCOMPARE(e.RecettTeste, 1);
    QCOMPARE(f.boutonParDefaut(), f.CommandRecettValider);
    saisir(f.TextRecettNom, QStringLiteral("Tarte"));
    saisir(f.TextRecettPage, QStringLiteral("3"));
    QTest::keyClick(f.TextRecettPage, Qt::Key_Return);
    QCOMPARE(banc->p().base.RecettVal(1, 3), 1);
}

QTEST_MAIN(TstFiche)
#include "tst_fiche.moc"
