// The recipe card through the real window, as a user types and clicks; and
// long random runs of new recipes, edits, deletions and refreshes through the
// card's own routines, after each step of which every counter equals its
// recount.
#include "Banc.h"
#include "base/FichierBase.h"
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {
const QStringList Categories{QString(), u("desserts"), u("DESSERTS "), u("Entrées"), u(" soupes"), u("Plats"),
                             u("gâteaux"), u("Gâteaux")};
const QStringList SousCategories{QString(), u("tartes"), u("Crèmes"), u("fruits"), u("Chocolat")};
const QStringList Magazines{QString(), u("Elle"), u("elle à table"), u("Cuisine actuelle"), u("Saveurs")};

QString auHasard(QRandomGenerator& g, const QStringList& liste)
{
    return liste.at(static_cast<int>(g.bounded(static_cast<quint32>(liste.size()))));
}

void remplirCarte(FrmPrincipal& f, QRandomGenerator& g, bool toutChanger)
{
    if (toutChanger || g.bounded(2))
        f.ComboRecettCat->setEditText(auHasard(g, Categories));
    if (toutChanger || g.bounded(2))
        f.ComboRecettSousCat->setEditText(auHasard(g, SousCategories));
    if (toutChanger || g.bounded(2))
        f.ComboRecettMag->setEditText(auHasard(g, Magazines));
    if (toutChanger)
        f.TextRecettNom->setText(u("Recette %1").arg(g.bounded(40)));
    f.TextRecettPage->setText(QString::number(g.bounded(200)));
}
} // namespace

class TstFiche : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { banc.reset(); }

    void saisie_nouvelleRecette_normaliseeEtStockee();
    void refus_nomOuDescriptionManquants_rienNeChange();
    void modification_compteursDeplacesOuInchanges();
    void liste_clicMontreLeBonNumero();
    void champs_touchesRefusees();
    void champs_categorieQuitteeRemplitSousCategories();
    void coller_textesQuiCasseraientLaBase_refuses();
    void tablesPleines_refusSansRienChanger();
    void suitesAleatoires_compteursExacts_data();
    void suitesAleatoires_compteursExacts();

private:
    Tables& t() { return banc->p().base; }
    const EtatProgramme& etat() { return banc->p().etat; }
    // The found list after "Actualiser", then a click on the line of slot r.
    void montrer(int r);
    void valider() { QTest::mouseClick(banc->fen().CommandRecettValider, Qt::LeftButton); }
    std::unique_ptr<Banc> banc;
    FrmPrincipal* f = nullptr;
};

void TstFiche::init()
{
    banc = std::make_unique<Banc>();
    f = &banc->demarrerSur(lignes({"-1 ", "v1.2b", " 0 ", " 0 ", " 0 "}));
}

void TstFiche::montrer(int r)
{
    f->CommandRechValider->click();
    const int k = static_cast<int>(f->ListTmp.indexOf(QRegularExpression(u(".*\u00FF %1").arg(r))));
    QVERIFY(k >= 0);
    cliquerLigne(*f, k);
}

void TstFiche::saisie_nouvelleRecette_normaliseeEtStockee()
{
    QVERIFY(!f->CommandRecettSuppr->isEnabled() && !f->CommandRecettImpr->isEnabled());
    // "Nouvelle" empties what was typed.
    saisir(f->TextRecettNom, u("Tarte"));
    saisir(f->TextRecettComment, u("à l'ancienne"));
    f->CheckRecettTeste->click();
    QTest::mouseClick(f->CommandRecettNouvelle, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), f->TextRecettNom);
    QCOMPARE(f->TextRecettNom->text() + f->TextRecettComment->toPlainText(), QString());
    QVERIFY(!f->CheckRecettTeste->isChecked());

    saisir(f->TextRecettNom, u("  tarte, à l'oignon "));
    saisir(f->ComboRecettCat, u("  tartes SALÉES "));
    QCOMPARE(f->TextRecettNom->text(), u("tarte, à l'oignon"));  // blanks go when the field is left
    saisir(f->ComboRecettSousCat, u("oignons"));
    saisir(f->ComboRecettMag, u("cuisine ACTUELLE"));
    saisir(f->TextRecettNumero, u(" 81 "));
    saisir(f->TextRecettPage, u("12-13"));
    saisir(f->TextRecettComment, u("  Oignons, crème\nFour 180°  "));
    QTest::mouseClick(f->CheckRecettTeste, Qt::LeftButton, {}, QPoint(4, f->CheckRecettTeste->height() / 2));
    valider();
    QCOMPARE(banc->boites(), QStringList());
    QCOMPARE(FichierBase::ecrire(t()).split(u("\r\n")).mid(2),
             (QStringList{u(" 1 "), u("Tartes salées"), u(" 1 "), u(" 1 "), u("Oignons"), u(" 1 "), u(" 1 "),
                          u("Cuisine ACTUELLE"), u(" 1 "), u(" 1 "), u("\"81\""), u("1"), u("\"12-13\""), u("1"),
                          u("\"  Oignons, crème"), u("Four 180°  \""), u("1"), u("\"Tarte, à l'oignon\""), u("1"),
                          QString()}));
    // The refresh leaves a new empty card with the focus in the name.
    QCOMPARE(f->FrameFiche->title(), u("Recette (nouvelle)"));
    QCOMPARE(f->TextRecettNom->text() + f->ComboRecettCat->currentText() + f->TextRecettComment->toPlainText(), QString());
    QVERIFY(!f->CheckRecettTeste->isChecked());
    QCOMPARE(f->ComboRecettSousCat->count(), 0);
    QCOMPARE(etat().FicheExistante, 0);
    QCOMPARE(QApplication::focusWidget(), f->TextRecettNom);
}

void TstFiche::refus_nomOuDescriptionManquants_rienNeChange()
{
    const QString avant = FichierBase::ecrire(t());
    saisir(f->TextRecettNom, u("   "));
    saisir(f->ComboRecettMag, u("Elle"));
    valider();
    QCOMPARE(banc->plateforme.boites.size(), 1);
    QCOMPARE(banc->plateforme.boites[0].boutons, Plateforme::Boutons::OK);
    QCOMPARE(banc->plateforme.boites[0].icone, Plateforme::Icone::Information);
    QCOMPARE(banc->boites(), QStringList{u("Validation impossible ! | La recette doit avoir un nom !")});
    QCOMPARE(QApplication::focusWidget(), f->TextRecettNom);

    // A name with only a sub-category, notes of blanks: not a description.
    QTest::mouseClick(f->CommandRecettNouvelle, Qt::LeftButton);
    saisir(f->TextRecettNom, u("Tarte"));
    saisir(f->ComboRecettSousCat, u("Fruits"));
    saisir(f->TextRecettComment, u("    "));
    valider();
    QCOMPARE(banc->boites(),
             QStringList{u("Validation impossible ! | La recette doit comporter un minimum de description !")});
    QCOMPARE(f->ComboRecettSousCat->currentText(), QString());  // no sub-category without a category
    QCOMPARE(FichierBase::ecrire(t()), avant);

    // Any one of these fields is enough.
    for (QWidget* champ : QList<QWidget*>{f->ComboRecettMag, f->ComboRecettCat, f->TextRecettPage, f->TextRecettNumero}) {
        saisir(f->TextRecettNom, u("Tarte"));
        saisir(champ, u("x"));
        valider();
    }
    QCOMPARE(banc->boites(), QStringList());
    QCOMPARE(t().NbRecett, 4);
    QCOMPARE(incoherence(t()), QString());
}

void TstFiche::modification_compteursDeplacesOuInchanges()
{
    const QString notes = u("Cuisson\u00A0: 20\u00A0min\r\nSel");  // no-break spaces stay
    remplirTables(t(), {u("Desserts/Tartes"), u("Entrées")}, {u("Elle")},
                  {{"Tarte aux pommes", 1, 1, 1, 1, "81", "12"}, {"Quiche", 2, 0, 1}});
    t().RecettTexte(1, 2) = notes;
    montrer(1);
    QCOMPARE(f->FrameFiche->title(), u("Recette (existante)"));
    QVERIFY(f->CommandRecettSuppr->isEnabled() && f->CommandRecettImpr->isEnabled());
    QCOMPARE(QStringList({f->TextRecettNom->text(), f->ComboRecettCat->currentText(), f->ComboRecettSousCat->currentText(),
                          f->ComboRecettMag->currentText(), f->TextRecettNumero->text(), f->TextRecettPage->text()}),
             QStringList({u("Tarte aux pommes"), u("Desserts"), u("Tartes"), u("Elle"), u("81"), u("12")}));
    QCOMPARE(entrees(f->ComboRecettSousCat), QStringList{u("Tartes")});
    QCOMPARE(f->TextRecettComment->toPlainText().replace(QChar(0xA0), u(" ")), u("Cuisson : 20 min\nSel"));
    QVERIFY(f->CheckRecettTeste->isChecked());
    QCOMPARE(etat().RecettCourante, 1);

    // Validated unchanged: every counter as it was, the notes as they were.
    const QString avant = FichierBase::ecrire(t());
    valider();
    QCOMPARE(FichierBase::ecrire(t()), avant);

    // Moved to the other category: the old one falls to 0 and keeps its name.
    montrer(1);
    f->ComboRecettCat->lineEdit()->selectAll();
    saisir(f->ComboRecettCat, u("entrées"));
    valider();
    QCOMPARE(QList<int>({t().RecettVal(1, 0), t().CatNbRecett(2), t().CatNbRecett(1), t().SousCatNbRecett(1, 1)}),
             QList<int>({2, 2, 0, 0}));
    QCOMPARE(t().Cat(1), u("Desserts"));
    QCOMPARE(t().SousCat(2, t().RecettVal(1, 1)), u("Tartes"));  // now a sub-category of the new one
    QCOMPARE(incoherence(t()), QString());

    // A new category now takes the unused one's number and overwrites its name.
    QTest::mouseClick(f->CommandRecettNouvelle, Qt::LeftButton);
    saisir(f->TextRecettNom, u("Velouté"));
    saisir(f->ComboRecettCat, u("SOUPES"));
    valider();
    QCOMPARE(t().NbCat, 2);
    QCOMPARE(t().Cat(1), u("Soupes"));
    QCOMPARE(t().RecettVal(3, 0), 1);
    QCOMPARE(incoherence(t()), QString());
}

void TstFiche::liste_clicMontreLeBonNumero()
{
    // Equal names, slots of one to five digits, and "ÿ" in a name from elsewhere.
    const QString ydiaeresis = u("Tarte") + QChar(0xFF) + u(" 1");
    for (int r = 1; r <= 12345; ++r) {
        t().RecettTexte(r, 0) = QString::number(r);
        t().RecettTexte(r, 3) = r == 2 ? ydiaeresis : r == 3 || r == 12 || r == 12345 ? u("Tarte") : u("Plat %1").arg(r);
    }
    t().NbRecett = 12345;
    for (int r : {2, 3, 12, 12345}) {
        montrer(r);
        QCOMPARE(etat().RecettCourante, r);
        QCOMPARE(f->TextRecettNumero->text(), QString::number(r));
        QCOMPARE(f->TextRecettNom->text(), r == 2 ? ydiaeresis : u("Tarte"));
    }
    // No line chosen: the card stays as it is.
    f->choisirLigne(-1);
    banc->p().fiche.ListRecettes_Click();
    QCOMPARE(etat().RecettCourante, 12345);
    QCOMPARE(f->FrameFiche->title(), u("Recette (existante)"));
    QCOMPARE(banc->boites(), QStringList());
}

void TstFiche::champs_touchesRefusees()
{
    const QString y(QChar(0xFF));
    for (QWidget* champ :
         QList<QWidget*>{f->ComboRecettCat, f->ComboRecettSousCat, f->ComboRecettMag, f->TextRecettNumero, f->TextRecettPage})
        saisir(champ, u("Tarte, \"pommes\" ") + y);
    for (QComboBox* liste : {f->ComboRecettCat, f->ComboRecettSousCat, f->ComboRecettMag})
        QCOMPARE(liste->currentText(), u("Tarte pommes ") + y);
    QCOMPARE(f->TextRecettNumero->text(), u("Tarte pommes ") + y);
    QCOMPARE(f->TextRecettPage->text(), u("Tarte pommes ") + y);
    saisir(f->TextRecettNom, u("Tarte, \"pommes\" ") + y + u("x"));
    QCOMPARE(f->TextRecettNom->text(), u("Tarte, pommes x"));
    saisir(f->TextRecettComment, u("Tarte, \"pommes\" ") + y);
    QCOMPARE(f->TextRecettComment->toPlainText(), u("Tarte, pommes ") + y);
}

void TstFiche::champs_categorieQuitteeRemplitSousCategories()
{
    // "Glaces" has no recipe: not offered.
    remplirTables(t(), {u("Desserts/Tartes/Glaces/Crèmes")}, {}, {{"Tarte", 1, 1}, {"Flan", 1, 3}});
    saisir(f->ComboRecettSousCat, u("à garder"));
    saisir(f->ComboRecettCat, u(" desserts "));
    cliquerDans(f->TextRecettNom);
    QCOMPARE(f->ComboRecettCat->currentText(), u("desserts"));
    QCOMPARE(entrees(f->ComboRecettSousCat), (QStringList{u("Crèmes"), u("Tartes")}));
    QCOMPARE(f->ComboRecettSousCat->currentText(), u("à garder"));

    f->ComboRecettCat->lineEdit()->selectAll();
    saisir(f->ComboRecettCat, u("Inconnue"));
    cliquerDans(f->TextRecettNom);
    QCOMPARE(f->ComboRecettSousCat->count(), 0);
    QCOMPARE(f->ComboRecettSousCat->currentText(), u("à garder"));
}

void TstFiche::coller_textesQuiCasseraientLaBase_refuses()
{
    const QString avant = FichierBase::ecrire(t());
    // Pasted texts skip the key filters.
    f->TextRecettNom->setText(u("Tarte"));
    f->ComboRecettCat->setEditText(u("Tartes, quiches"));
    valider();
    QCOMPARE(banc->boites(), QStringList{u("Validation impossible ! | Le champ « Catégorie » ne peut pas contenir "
                                           "de virgule : « Tartes, quiches ».\nSupprimez la virgule avant de valider.")});
    f->ComboRecettCat->setEditText(u("Tartes"));
    f->TextRecettComment->setPlainText(u("Délicieux 😋"));
    valider();
    QCOMPARE(banc->boites(), QStringList{u("Validation impossible ! | Le champ « Notes » contient le caractère « 😋 » "
                                           "(U+1F60B), que la base ne peut pas enregistrer.\nRemplacez-le ou "
                                           "supprimez-le avant de valider.")});
    f->TextRecettComment->setPlainText(QString());
    f->TextRecettNom->setText(u("Tarte") + QChar(0xFF));
    valider();
    QCOMPARE(banc->boites().size(), 1);
    QCOMPARE(FichierBase::ecrire(t()), avant);
    // A double quote pasted into a new name becomes an apostrophe.
    f->TextRecettNom->setText(u("Tarte"));
    f->ComboRecettMag->setEditText(u("Le \"Chef\""));
    valider();
    QCOMPARE(t().Mag(1), u("Le 'Chef'"));
    QCOMPARE(t().Cat(1), u("Tartes"));
}

// Every category in use and the base one recipe short of full: a new
// category is refused, an existing one is taken; then the full base refuses
// a new recipe. A refusal changes nothing. (The messages, and the full
// sub-category and magazine tables: TstNomsFiche.)
void TstFiche::tablesPleines_refusSansRienChanger()
{
    t().NbCat = Tables::MaxCat;
    for (int c = 1; c <= Tables::MaxCat; ++c)
        t().Cat(c) = u("Catégorie %1").arg(c);
    t().NbRecett = Tables::MaxRecett - 1;
    for (int r = 1; r <= t().NbRecett; ++r)
        t().RecettVal(r, 0) = 1 + r % Tables::MaxCat;
    t().remettreEnCoherence();
    const auto essayer = [&](const QString& cat) {
        QTest::mouseClick(f->CommandRecettNouvelle, Qt::LeftButton);
        saisir(f->TextRecettNom, u("Nouvelle"));
        f->ComboRecettCat->setEditText(cat);
        valider();
        return banc->boites().size();
    };
    QString avant = FichierBase::ecrire(t());
    QCOMPARE(essayer(u("Soupes")), 1);
    QCOMPARE(FichierBase::ecrire(t()), avant);
    QCOMPARE(essayer(u("CATÉGORIE 9")), 0);
    QCOMPARE(t().NbRecett, Tables::MaxRecett);
    avant = FichierBase::ecrire(t());
    QCOMPARE(essayer(u("Catégorie 1")), 1);
    QCOMPARE(FichierBase::ecrire(t()), avant);
    QCOMPARE(incoherence(t()), QString());
}


void TstFiche::suitesAleatoires_compteursExacts_data()
{
    QTest::addColumn<quint32>("graine");
    QTest::addColumn<bool>("enChaine");
    QTest::newRow("graine 1") << 1u << false;
    QTest::newRow("graine 2") << 2u << false;
    QTest::newRow("graine 3, saisie en chaîne") << 3u << true;
}

void TstFiche::suitesAleatoires_compteursExacts()
{
    QFETCH(quint32, graine);
    QFETCH(bool, enChaine);
    FrmPrincipal& f = *this->f;
    Programme& p = banc->p();
    QRandomGenerator g(graine);
    int nouvelles = 0, modifications = 0, suppressions = 0;
    for (int etape = 0; etape < 800; ++etape) {
        const quint32 action = p.base.NbRecett == 0 ? 0 : g.bounded(10);
        if (action < 4) {
            if (enChaine && !f.CheckSaisie->isChecked() && g.bounded(4) == 0)
                f.CheckSaisie->click();
            p.fiche.CommandRecettNouvelle_Click();
            remplirCarte(f, g, true);
            p.fiche.CommandRecettValider_Click();
            ++nouvelles;
        } else if (action < 9) {
            if (f.CheckSaisie->isChecked())
                f.CheckSaisie->click();
            f.CommandRechValider->click();
            f.choisirLigne(static_cast<int>(g.bounded(static_cast<quint32>(p.base.NbRecett))));
            p.fiche.ListRecettes_Click();
            if (action < 7) {
                remplirCarte(f, g, false);
                p.fiche.CommandRecettValider_Click();
                ++modifications;
            } else {
                p.fiche.CommandRecettSuppr_Click();
                ++suppressions;
            }
        } else {
            p.Main();
        }
        const QString defaut = incoherence(p.base);
        QVERIFY2(defaut.isEmpty(), qPrintable(u("step %1: %2").arg(etape).arg(defaut)));
    }
    // Names are kept once whatever their case.
    QVERIFY(p.base.NbCat <= 6 && p.base.NbMag <= 4);
    QVERIFY(nouvelles > 100 && modifications > 100 && suppressions > 50);
    QCOMPARE(banc->boites().filter(u("Erreur")), QStringList());
}

QTEST_MAIN(TstFiche)
#include "tst_fiche.moc"
