// The search frame through the real main window: criteria lists, the search,
// the found list and its counters, the refresh.
#include "Banc.h"
#include "search/ListeTrouvee.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
struct Recette {
    const char* nom;
    int cat, sousCat, mag, teste;
    const char* numero = "";
    const char* page = "";
    const char* notes = "";
};

// Thirteen recipes; "Entrées", "Crèmes" and "Marmiton" have none, two
// categories differ only in case, slots 3, 12 and 13 share a name.
const Recette recettes[] = {
    {"Tarte aux pommes", 1, 1, 1, 1, "12", "34", "Avec de la cannelle"},
    {"Tartelette au citron", 1, 1, 2, 0},
    {"Crêpes", 1, 2, 1, 0},
    {"TARTE FINE", 2, 1, 2, 1},
    {"Gâteau basque", 1, 2, 1, 0, "", "", "pâte sablée, crème"},
    {"Sole meunière", 2, 1, 2, 0, "", "", "avec une tartelette"},
    {"Glace vanille", 4, 1, 1, 1},
    {"Tarte", 1, 1, 1, 0},
    {"Soupe à l'oignon", 2, 1, 2, 0, "hs TARTE"},
    {"Éclair", 1, 2, 2, 1},
    {"Brioche", 1, 2, 1, 0},
    {"Crêpes", 1, 2, 2, 1},
    {"crêpes", 1, 2, 1, 0},
};

void remplirBase(Tables& t)
{
    t.NbCat = 4;
    t.Cat(1) = QStringLiteral("Desserts");
    t.Cat(2) = QStringLiteral("Plats");
    t.Cat(3) = QStringLiteral("Entrées");
    t.Cat(4) = QStringLiteral("desserts");
    t.NbSousCat(1) = 3;
    t.SousCat(1, 1) = QStringLiteral("Tartes");
    t.SousCat(1, 2) = QStringLiteral("Viennoiseries");
    t.SousCat(1, 3) = QStringLiteral("Crèmes");
    t.NbSousCat(2) = 1;
    t.SousCat(2, 1) = QStringLiteral("Soupes et poissons");
    t.NbSousCat(3) = 0;
    t.NbSousCat(4) = 1;
    t.SousCat(4, 1) = QStringLiteral("Glaces");
    t.NbMag = 3;
    t.Mag(1) = QStringLiteral("Elle à table");
    t.Mag(2) = QStringLiteral("Cuisine actuelle");
    t.Mag(3) = QStringLiteral("Marmiton");
    t.NbRecett = 0;
    for (const Recette& r : recettes) {
        const int n = ++t.NbRecett;
        t.RecettTexte(n, 0) = QString::fromUtf8(r.numero);
        t.RecettTexte(n, 1) = QString::fromUtf8(r.page);
        t.RecettTexte(n, 2) = QString::fromUtf8(r.notes);
        t.RecettTexte(n, 3) = QString::fromUtf8(r.nom);
        t.RecettVal(n, 0) = r.cat;
        t.RecettVal(n, 1) = r.sousCat;
        t.RecettVal(n, 2) = r.mag;
        t.RecettVal(n, 3) = r.teste;
    }
    t.remettreEnCoherence();
}

QStringList entrees(const QComboBox* liste)
{
    QStringList textes;
    for (int i = 0; i < liste->count(); ++i)
        textes << liste->itemText(i);
    return textes;
}

QString u(const char* texte) { return QString::fromUtf8(texte); }

QStringList toutesTriees()
{
    return {u("Brioche"), u("Crêpes"), u("Crêpes"), u("crêpes"), u("Éclair"), u("Gâteau basque"),
            u("Glace vanille"), u("Sole meunière"), u("Soupe à l'oignon"), u("Tarte"), u("Tarte aux pommes"),
            u("TARTE FINE"), u("Tartelette au citron")};
}
} // namespace

class TestRecherche : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void sansCritere_toutTrouveCompteursEgaux();
    void listeTrouvee_trieeParNomPuisNumeroEnTexte();
    void rienTrouve_compteurZero();
    void texte_sansCasseBlancsGardes_data();
    void texte_sansCasseBlancsGardes();
    void categorie_sousCategoriesUtiliseesEtToutes();
    void teste_testeesOuNonTestees();
    void choix_surviventAuRafraichissement();
    void categoriePerdue_retombeSurToutes();
    void categoriesDifferantParLaCasse_chacuneSesSousCategories();
    void nomChange_ordreSuit();
    void baseVide_seulesLesEntreesTous();
    void listesFiche_rempliesSansChoix();
    void entreeApresClicTexte_lanceLaRecherche();
    void magazineHorsTable_uneSeuleBoite();

private:
    // The base above, then a refresh as "Actualiser" does.
    void demarrerAvecBase();
    void actualiser() { m_banc->fen().CommandRechValider->click(); }
    void choisirParUtilisateur(QComboBox* liste, const QString& texte);
    void taper(QLineEdit* champ, const QString& texte);
    QStringList trouvees() { return m_banc->fen().lignesRecettes(); }
    FrmPrincipal& fen() { return m_banc->fen(); }
    std::unique_ptr<Banc> m_banc;
};

void TestRecherche::init() { m_banc = std::make_unique<Banc>(); }
void TestRecherche::cleanup() { m_banc.reset(); }

void TestRecherche::demarrerAvecBase()
{
    m_banc->demarrer();
    remplirBase(m_banc->p().base);
    actualiser();
}

void TestRecherche::choisirParUtilisateur(QComboBox* liste, const QString& texte)
{
    const int i = liste->findText(texte, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(i >= 0, qPrintable(texte));
    liste->setCurrentIndex(i);
    emit liste->activated(i);
}

void TestRecherche::taper(QLineEdit* champ, const QString& texte)
{
    champ->clear();
    champ->insert(texte);
}

void TestRecherche::sansCritere_toutTrouveCompteursEgaux()
{
    demarrerAvecBase();
    QCOMPARE(fen().LabelTotalrecett->text(), QStringLiteral("Recettes totales : 13"));
    QCOMPARE(fen().LabelNbRecettList->text(), QStringLiteral("Recettes trouvées : 13"));
    QCOMPARE(fen().ListTmp.size(), 13);
    // Blanks only are no criterion either.
    taper(fen().TextRech, QStringLiteral("   "));
    actualiser();
    QCOMPARE(fen().LabelNbRecettList->text(), QStringLiteral("Recettes trouvées : 13"));
    QCOMPARE(trouvees(), toutesTriees());
}

void TestRecherche::listeTrouvee_trieeParNomPuisNumeroEnTexte()
{
    demarrerAvecBase();
    QCOMPARE(trouvees(), toutesTriees());
    // Equal names side by side, " 12" before " 3"; Tarte before both longer names.
    QCOMPARE(fen().ListTmp.mid(1, 2), (QStringList{u("Crêpes\u00FF 12"), u("Crêpes\u00FF 3")}));
    QCOMPARE(fen().ListTmp.mid(9, 4), (QStringList{u("Tarte\u00FF 8"), u("Tarte aux pommes\u00FF 1"),
                                                  u("TARTE FINE\u00FF 4"), u("Tartelette au citron\u00FF 2")}));
    for (qsizetype k = 0; k < fen().ListTmp.size(); ++k) {
        const QString& ligne = fen().ListTmp[k];
        QCOMPARE(nomDeLigne(ligne), trouvees()[k]);
        QCOMPARE(m_banc->p().base.RecettTexte(numeroDeLigne(ligne), 3), trouvees()[k]);
    }
}

void TestRecherche::rienTrouve_compteurZero()
{
    demarrerAvecBase();
    taper(fen().TextRech, QStringLiteral("zzz"));
    actualiser();
    QVERIFY(trouvees().isEmpty());
    QVERIFY(fen().ListTmp.isEmpty());
    QCOMPARE(fen().LabelNbRecettList->text(), QStringLiteral("Recettes trouvées : 0"));
    QCOMPARE(fen().LabelTotalrecett->text(), QStringLiteral("Recettes totales : 13"));
}

void TestRecherche::texte_sansCasseBlancsGardes_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QStringList>("attendues");
    QTest::newRow("nom, notes, numero") << u("tarte")
                                         << QStringList{u("Sole meunière"), u("Soupe à l'oignon"), u("Tarte"),
                                                        u("Tarte aux pommes"), u("TARTE FINE"),
                                                        u("Tartelette au citron")};
    QTest::newRow("blanc devant") << u(" tarte") << QStringList{u("Sole meunière"), u("Soupe à l'oignon")};
    QTest::newRow("blanc derriere") << u("tarte ") << QStringList{u("Tarte aux pommes"), u("TARTE FINE")};
    QTest::newRow("notes en capitales") << u("CANNELLE") << QStringList{u("Tarte aux pommes")};
    QTest::newRow("pages") << u("34") << QStringList{u("Tarte aux pommes")};
    QTest::newRow("virgule et accents") << u("SABLÉE, CR") << QStringList{u("Gâteau basque")};
    QTest::newRow("jamais a cheval sur deux champs") << u("1234") << QStringList{};
}

void TestRecherche::texte_sansCasseBlancsGardes()
{
    QFETCH(QString, texte);
    QFETCH(QStringList, attendues);
    demarrerAvecBase();
    taper(fen().TextRech, texte);
    actualiser();
    QCOMPARE(trouvees(), attendues);
    QCOMPARE(fen().LabelNbRecettList->text(), QStringLiteral("Recettes trouvées : ") + QString::number(attendues.size()));
}

void TestRecherche::categorie_sousCategoriesUtiliseesEtToutes()
{
    demarrerAvecBase();
    QCOMPARE(entrees(fen().ComboRechCat), (QStringList{u(" --> TOUTES"), u("Desserts"), u("desserts"), u("Plats")}));
    QCOMPARE(entrees(fen().ComboRechMag), (QStringList{u(" --> TOUS"), u("Cuisine actuelle"), u("Elle à table")}));
    QVERIFY(!fen().ComboRechSousCat->isEnabled());

    choisirParUtilisateur(fen().ComboRechCat, u("Desserts"));
    QVERIFY(fen().ComboRechSousCat->isEnabled());
    QCOMPARE(entrees(fen().ComboRechSousCat), (QStringList{u(" --> TOUTES"), u("Tartes"), u("Viennoiseries")}));
    QCOMPARE(fen().ComboRechSousCat->currentIndex(), 0);
    QCOMPARE(fen().boutonParDefaut(), fen().CommandRechValider);
    // Choosing does not search by itself.
    QCOMPARE(trouvees().size(), 13);
    actualiser();
    QCOMPARE(trouvees(), (QStringList{u("Brioche"), u("Crêpes"), u("Crêpes"), u("crêpes"), u("Éclair"),
                                      u("Gâteau basque"), u("Tarte"), u("Tarte aux pommes"), u("Tartelette au citron")}));

    choisirParUtilisateur(fen().ComboRechSousCat, u("Tartes"));
    choisirParUtilisateur(fen().ComboRechMag, u("Elle à table"));
    actualiser();
    QCOMPARE(trouvees(), (QStringList{u("Tarte"), u("Tarte aux pommes")}));

    choisirParUtilisateur(fen().ComboRechCat, u(" --> TOUTES"));
    QCOMPARE(entrees(fen().ComboRechSousCat), QStringList{u(" --> TOUTES")});
    QVERIFY(!fen().ComboRechSousCat->isEnabled());
}

void TestRecherche::teste_testeesOuNonTestees()
{
    demarrerAvecBase();
    fen().ComboTeste->setCurrentIndex(1);
    actualiser();
    QCOMPARE(trouvees(), (QStringList{u("Crêpes"), u("Éclair"), u("Glace vanille"), u("Tarte aux pommes"),
                                      u("TARTE FINE")}));
    fen().ComboTeste->setCurrentIndex(2);
    actualiser();
    QCOMPARE(trouvees(), (QStringList{u("Brioche"), u("Crêpes"), u("crêpes"), u("Gâteau basque"), u("Sole meunière"),
                                      u("Soupe à l'oignon"), u("Tarte"), u("Tartelette au citron")}));
    QCOMPARE(fen().ListTmp[1], u("Crêpes\u00FF 3"));
}

void TestRecherche::choix_surviventAuRafraichissement()
{
    demarrerAvecBase();
    choisirParUtilisateur(fen().ComboRechCat, u("Desserts"));
    choisirParUtilisateur(fen().ComboRechSousCat, u("Viennoiseries"));
    choisirParUtilisateur(fen().ComboRechMag, u("Cuisine actuelle"));
    actualiser();
    actualiser();
    QCOMPARE(fen().ComboRechCat->currentText(), u("Desserts"));
    QCOMPARE(fen().ComboRechSousCat->currentText(), u("Viennoiseries"));
    QVERIFY(fen().ComboRechSousCat->isEnabled());
    QCOMPARE(fen().ComboRechMag->currentText(), u("Cuisine actuelle"));
    QCOMPARE(trouvees(), (QStringList{u("Crêpes"), u("Éclair")}));
    QCOMPARE(fen().ListTmp, (QStringList{u("Crêpes\u00FF 12"), u("Éclair\u00FF 10")}));
}

void TestRecherche::categoriePerdue_retombeSurToutes()
{
    demarrerAvecBase();
    choisirParUtilisateur(fen().ComboRechCat, u("Plats"));
    choisirParUtilisateur(fen().ComboRechMag, u("Cuisine actuelle"));
    actualiser();
    QCOMPARE(trouvees().size(), 3);
    // Every recipe of "Plats" moves to "Desserts / Tartes".
    Tables& t = m_banc->p().base;
    for (const int r : {4, 6, 9}) {
        t.RecettVal(r, 0) = 1;
        t.RecettVal(r, 1) = 1;
    }
    t.remettreEnCoherence();
    actualiser();
    QCOMPARE(entrees(fen().ComboRechCat), (QStringList{u(" --> TOUTES"), u("Desserts"), u("desserts")}));
    QCOMPARE(fen().ComboRechCat->currentIndex(), 0);
    QCOMPARE(entrees(fen().ComboRechSousCat), QStringList{u(" --> TOUTES")});
    QVERIFY(!fen().ComboRechSousCat->isEnabled());
    QCOMPARE(fen().ComboRechMag->currentText(), u("Cuisine actuelle"));
    QCOMPARE(trouvees().size(), 6);
}

void TestRecherche::categoriesDifferantParLaCasse_chacuneSesSousCategories()
{
    demarrerAvecBase();
    choisirParUtilisateur(fen().ComboRechCat, u("desserts"));
    QCOMPARE(entrees(fen().ComboRechSousCat), (QStringList{u(" --> TOUTES"), u("Glaces")}));
    choisirParUtilisateur(fen().ComboRechSousCat, u("Glaces"));
    actualiser();
    QCOMPARE(trouvees(), QStringList{u("Glace vanille")});
    choisirParUtilisateur(fen().ComboRechCat, u("Desserts"));
    QCOMPARE(entrees(fen().ComboRechSousCat), (QStringList{u(" --> TOUTES"), u("Tartes"), u("Viennoiseries")}));
}

void TestRecherche::nomChange_ordreSuit()
{
    demarrerAvecBase();
    Tables& t = m_banc->p().base;
    t.RecettTexte(8, 3) = u("Abricots rôtis");
    t.RecettTexte(11, 3) = u("Zabaglione");
    actualiser();
    QCOMPARE(trouvees().first(), u("Abricots rôtis"));
    QCOMPARE(trouvees().last(), u("Zabaglione"));
    QCOMPARE(fen().ListTmp.first(), u("Abricots rôtis\u00FF 8"));
    // Notes changed between two text searches are searched as they are now.
    taper(fen().TextRech, u("cannelle"));
    actualiser();
    QCOMPARE(trouvees(), QStringList{u("Tarte aux pommes")});
    t.RecettTexte(1, 2).clear();
    t.RecettTexte(7, 2) = u("Cannelle en poudre");
    actualiser();
    QCOMPARE(trouvees(), QStringList{u("Glace vanille")});
    taper(fen().TextRech, QString());
    // The last recipe goes, as a deletion leaves the base.
    t.NbRecett = 12;
    t.remettreEnCoherence();
    actualiser();
    QCOMPARE(trouvees().size(), 12);
    QVERIFY(!fen().ListTmp.contains(u("crêpes\u00FF 13")));
    QCOMPARE(fen().LabelTotalrecett->text(), QStringLiteral("Recettes totales : 12"));
}

void TestRecherche::baseVide_seulesLesEntreesTous()
{
    m_banc->demarrer();
    QVERIFY(m_banc->boites().isEmpty());
    QCOMPARE(entrees(fen().ComboRechCat), QStringList{u(" --> TOUTES")});
    QCOMPARE(entrees(fen().ComboRechSousCat), QStringList{u(" --> TOUTES")});
    QCOMPARE(entrees(fen().ComboRechMag), QStringList{u(" --> TOUS")});
    QCOMPARE(fen().ComboRechCat->currentIndex(), 0);
    QCOMPARE(fen().ComboRechMag->currentIndex(), 0);
    QCOMPARE(fen().ComboRechSousCat->currentIndex(), 0);
    QVERIFY(!fen().ComboRechSousCat->isEnabled());
    QCOMPARE(fen().LabelTotalrecett->text(), QStringLiteral("Recettes totales : 0"));
    QCOMPARE(fen().LabelNbRecettList->text(), QStringLiteral("Recettes trouvées : 0"));
    QCOMPARE(fen().ComboTeste->currentIndex(), 0);
}

void TestRecherche::listesFiche_rempliesSansChoix()
{
    demarrerAvecBase();
    fen().ComboRecettSousCat->addItem(u("reste"));
    m_banc->p().recherche.RemplirListesFiche();
    QCOMPARE(entrees(fen().ComboRecettCat), (QStringList{u("Desserts"), u("desserts"), u("Plats")}));
    QCOMPARE(entrees(fen().ComboRecettMag), (QStringList{u("Cuisine actuelle"), u("Elle à table")}));
    QCOMPARE(fen().ComboRecettSousCat->count(), 0);
    QCOMPARE(fen().ComboRecettCat->currentIndex(), -1);
    QCOMPARE(fen().ComboRecettMag->currentIndex(), -1);
}

void TestRecherche::entreeApresClicTexte_lanceLaRecherche()
{
    demarrerAvecBase();
    fen().show();
    QVERIFY(QTest::qWaitForWindowExposed(&fen()));
    fen().definirBoutonParDefaut(fen().CommandRecettValider);
    QTest::mouseClick(fen().TextRech, Qt::LeftButton);
    QCOMPARE(fen().boutonParDefaut(), fen().CommandRechValider);
    QTest::keyClicks(fen().TextRech, QStringLiteral("brioche"));
    QTest::keyClick(fen().TextRech, Qt::Key_Return);
    QCOMPARE(trouvees(), QStringList{u("Brioche")});
}

void TestRecherche::magazineHorsTable_uneSeuleBoite()
{
    demarrerAvecBase();
    // A hand-edited base: two recipes point at magazines 600 and 501.
    m_banc->p().base.RecettVal(1, 2) = 600;
    m_banc->p().base.RecettVal(3, 2) = 501;
    actualiser();
    QVERIFY(m_banc->boites().isEmpty());
    QCOMPARE(trouvees().size(), 13);

    choisirParUtilisateur(fen().ComboRechMag, u("Elle à table"));
    m_banc->plateforme.reponses.enqueue(Plateforme::Reponse::Reessayer);
    m_banc->plateforme.reponses.enqueue(Plateforme::Reponse::Annuler);
    actualiser();
    const QString boite = u("Erreur ! | L'indice n'appartient pas à la sélection");
    QCOMPARE(m_banc->boites(), (QStringList{boite, boite}));
    QCOMPARE(trouvees(), (QStringList{u("Brioche"), u("crêpes"), u("Gâteau basque"), u("Glace vanille"), u("Tarte")}));
    QCOMPARE(fen().LabelNbRecettList->text(), QStringLiteral("Recettes trouvées : 5"));
}

QTEST_MAIN(TestRecherche)
#include "tst_recherche.moc"
