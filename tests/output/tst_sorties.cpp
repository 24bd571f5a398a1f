// The index file and both printouts through the real main window, and the
// layout of "Index.txt" byte for byte.
#include "Banc.h"
#include "base/Collation.h"
#include "output/MiseEnPageIndex.h"
#include "output/RoutinesSorties.h"
#include "platform/ImpressionQt.h"

namespace {
using L = LigneImprimee;
const QString Toutes = u(" --> TOUTES");

L ligne(const QString& texte, int taille, bool gras = false, bool italique = false, bool souligne = false)
{
    return {texte, taille, gras, italique, souligne};
}

void choisir(QComboBox* liste, const QStringList& entrees, int position)
{
    liste->clear();
    liste->addItems(entrees);
    liste->setCurrentIndex(position);
}

QList<L> entete() { return {ligne("Zuta! v1.2b", 14, false, true), ligne("", 14), ligne("", 14)}; }

using namespace MiseEnPageIndex;
const QDateTime Quand(QDate(2026, 12, 6), QTime(14, 5, 9));

Criteres tousCriteres() { return {Toutes, Toutes, u(" --> TOUS"), u("Peu importe"), QString()}; }
QString blancs(int n) { return QString(n, QLatin1Char(' ')); }

// The header of a search with every criterion on "all", then the count.
QStringList enteteIndex(const QString& nombre)
{
    return {u("Zuta! v1.2b - Index créé le 06/12/2026 à 14:05:09"), QString(), u("Catégorie : Toutes"),
            u("Magazine : Tous"), QString(), nombre, QString(), QString()};
}
} // namespace

Q_DECLARE_METATYPE(LigneImprimee)

// Every test starts the program on an empty base: the search lists hold
// their "all" entries only.
class TestSorties : public QObject {
    Q_OBJECT
    std::unique_ptr<Banc> banc;
    FrmPrincipal* f = nullptr;
    Collation collation;

    QString index(const QList<Entree>& e, const Criteres& c = tousCriteres())
    {
        return composer(c, Quand, e, collation).texte;
    }

    // A base of a few recipes; the found list holds the given slots, in order.
    void remplir(const QList<int>& trouvees)
    {
        Programme& p = banc->p();
        remplirTables(p.base, {u("Desserts/Tartes"), u("Plats/")}, {u("Elle"), u("Marmiton")},
                      {{"Tarte aux pommes", 1, 1, 1, 0, "12", "45"},
                       {"Gratin", 2, 1, 2, 0, " hs 3", "7-8", "Four chaud\r\nServir tiède"},
                       {"Flan", 1, 1, 2, 0, "", "", "   "}});
        QStringList noms;
        for (int r : trouvees) {
            noms << (r <= 3 ? p.base.RecettTexte(r, 3) : u("Perdue"));
            f->ListTmp << noms.last() + QChar(0xFF) + " " + QString::number(r);
        }
        f->definirLignesRecettes(noms);
    }

private slots:
    void init()
    {
        banc = std::make_unique<Banc>();
        f = &banc->demarrer();
    }

    void cleanup() { banc.reset(); }

    // ---- Index file ----

    void creerIndex_fichierOctetPourOctetPuisOuvert()
    {
        remplir({3, 2, 1});
        choisir(f->ComboRechCat, {Toutes, "Desserts"}, 1);
        choisir(f->ComboRechSousCat, {Toutes, "Tartes"}, 1);
        f->ComboTeste->setCurrentIndex(2);
        f->TextRech->setText(" a ");
        banc->p().sorties.CreerIndex();
        const QByteArray attendu = "Zuta! v1.2b - Index cr\xE9\xE9 le 06/12/2026 \xE0 14:05:09\r\n\r\n"
                                   "Cat\xE9gorie : Desserts (Tartes uniquement)\r\n"
                                   "Magazine : Tous\r\n"
                                   "Recettes non-test\xE9" "es uniquement\r\n"
                                   "Nom des recettes contenant le texte :  a \r\n\r\n"
                                   "3 recettes\r\n\r\n\r\n\r\n"
                                   "Elle n\xB0  12  page  45  -Tarte aux pommes\r\n\r\n"
                                   "Marmiton" "                 " "  -Flan\r\n" // 3 + 4 + 7 + 3 blanks
                                   "         n\xB0HS 3  page 7-8  -Gratin\r\n";
        QCOMPARE(banc->lire("Index.txt"), attendu);
        QCOMPARE(banc->plateforme.ouverts, QStringList(banc->chemin("Index.txt")));
        QVERIFY(banc->boites().isEmpty());
    }

    void creerIndex_fichierImpossibleAEcrire_messageNommantLeFichier()
    {
        remplir({1});
        QVERIFY(QDir(banc->dossier()).mkdir("Index.txt")); // cannot be replaced by a file
        banc->p().sorties.CreerIndex();
        QCOMPARE(banc->plateforme.boites.size(), 1);
        QCOMPARE(banc->plateforme.boites[0].icone, Plateforme::Icone::Exclamation);
        QCOMPARE(banc->boites(), QStringList{u("Zuta! | L'index n'a pas pu être créé.\n\n")
                                             + pasEcrit(u("Erreur d'accès au chemin/fichier"), banc->chemin("Index.txt"))});
        QVERIFY(banc->plateforme.ouverts.isEmpty());
        // The base in memory and the found list are untouched.
        QCOMPARE(banc->p().base.RecettTexte(1, 3), u("Tarte aux pommes"));
        QCOMPARE(f->lignesRecettes(), QStringList("Tarte aux pommes"));
    }

    // No program opens the index: it is written all the same, and one box
    // says where it is.
    void creerIndex_aucunProgrammePourLOuvrir_boiteNommantLeFichier()
    {
        remplir({1});
        banc->plateforme.ouvertureEchoue = true;
        banc->p().sorties.CreerIndex();
        QCOMPARE(banc->plateforme.boites.value(0).icone, Plateforme::Icone::Information);
        QCOMPARE(banc->boites(), QStringList{u("Zuta! | L'index a été créé, mais aucun programme n'a pu l'ouvrir. Il "
                                               "se trouve dans le fichier :\n")
                                             + banc->chemin("Index.txt")});
        QVERIFY(banc->lire("Index.txt").endsWith("  -Tarte aux pommes\r\n"));
    }

    void creerIndex_ligneHorsTable_erreurPuisLeResteEcrit()
    {
        remplir({1, 40000});
        banc->plateforme.reponses << Plateforme::Reponse::Annuler;
        banc->p().sorties.CreerIndex();
        QCOMPARE(banc->boites(), QStringList("Erreur ! | L'indice n'appartient pas à la sélection"));
        QVERIFY(banc->lire("Index.txt").endsWith("1 recette\r\n\r\n\r\n\r\nElle n\xB0" "12  page 45  -Tarte aux pommes\r\n"));
    }

    void creerIndex_caractereHorsWindows1252_pointDInterrogation()
    {
        f->TextRech->setText(u("tarte \u0153\u2192")); // œ is in Windows-1252, the arrow is not
        banc->p().sorties.CreerIndex();
        QVERIFY(banc->lire("Index.txt").contains("Nom des recettes contenant le texte : tarte \x9C?\r\n"));
        QCOMPARE(banc->boites(), QStringList{u("Zuta! | Certains caractères ne peuvent pas être enregistrés dans le "
                                               "fichier « ") + banc->chemin("Index.txt")
                                             + u(" » : ils y sont remplacés par « ? ».")});
        QCOMPARE(banc->plateforme.ouverts.size(), 1);
    }

    // ---- Printing ----

    void impressions_dialogueAnnule_rienNiMessage()
    {
        remplir({1});
        banc->p().sorties.ImprimerRecette();
        QCOMPARE(banc->p().etat.ImpressionAnnulee, 1);
        banc->p().etat.ImpressionAnnulee = 0;
        banc->p().sorties.ImprimerListe();
        QCOMPARE(banc->p().etat.ImpressionAnnulee, 1);
        QCOMPARE(banc->plateforme.titresImpression, QStringList({"Imprimer la recette", "Imprimer la liste des recettes"}));
        QVERIFY(banc->plateforme.impressions.isEmpty());
        QVERIFY(banc->boites().isEmpty());
    }

    // The card's fields as they are shown (not yet validated): name,
    // category, sub-category, magazine, number, page, notes; tested.
    void imprimerRecette_controlesCommeAffiches_data()
    {
        QTest::addColumn<QStringList>("champs");
        QTest::addColumn<bool>("teste");
        QTest::addColumn<QList<L>>("attendu");
        QTest::newRow("tout rempli") << QStringList{"  Tarte fine  ", " Desserts ", "Tartes", "Elle ", " 12", "45 ",
                                                    "  Pâte feuilletée\nFour 200°"} << true
                                     << (entete() << ligne("Tarte fine", 16, true) << ligne("", 12)
                                                  << ligne("Desserts / Tartes", 12) << ligne("", 12)
                                                  << ligne("Elle n°12 page 45", 12) << ligne("", 12)
                                                  << ligne("Recette testée", 12) << ligne("", 12)
                                                  << ligne("Notes :", 12, false, false, true)
                                                  << ligne("  Pâte feuilletée", 12) << ligne("Four 200°", 12));
        const auto soupe = [](const QString& categories) {
            return entete() << ligne("Soupe", 16, true) << ligne("", 12) << ligne(categories, 12) << ligne("", 12)
                            << ligne("Maxi n° page ", 12) << ligne("", 12) << ligne("Recette non-testée", 12)
                            << ligne("", 12) << ligne("Notes :", 12, false, false, true) << ligne("", 12);
        };
        // No category: nothing of the sub-category shown; no sub-category.
        QTest::newRow("sans categorie") << QStringList{"Soupe", "  ", "Potages", "Maxi", "", "", ""} << false
                                        << soupe(QString());
        QTest::newRow("sans sous-categorie") << QStringList{"Soupe", "Soupes", "", "Maxi", "", "", ""} << false
                                             << soupe(u("Soupes / "));
    }

    void imprimerRecette_controlesCommeAffiches()
    {
        QFETCH(QStringList, champs);
        QFETCH(bool, teste);
        QFETCH(QList<L>, attendu);
        f->TextRecettNom->setText(champs[0]);
        f->ComboRecettCat->setEditText(champs[1]);
        f->ComboRecettSousCat->setEditText(champs[2]);
        f->ComboRecettMag->setEditText(champs[3]);
        f->TextRecettNumero->setText(champs[4]);
        f->TextRecettPage->setText(champs[5]);
        f->TextRecettComment->setPlainText(champs[6]);
        f->CheckRecettTeste->setChecked(teste);
        banc->plateforme.imprimantes << true;
        banc->p().sorties.ImprimerRecette();
        QCOMPARE(banc->p().etat.ImpressionAnnulee, 0);
        QCOMPARE(banc->plateforme.impressions.size(), 1);
        QCOMPARE(banc->plateforme.impressions[0]->lignes, attendu);
        QVERIFY(banc->plateforme.impressions[0]->termine);
        QVERIFY(banc->boites().isEmpty());
    }

    void imprimerListe_blocsDansLOrdreAffiche_data()
    {
        QTest::addColumn<QList<int>>("trouvees");
        QTest::addColumn<bool>("notes");
        QTest::addColumn<QList<L>>("attendu");
        const QList<L> tarte{ligne("- Tarte aux pommes", 10, true), ligne("Elle n°12 page 45 (Desserts / Tartes)", 10),
                             ligne("", 10)};
        const QList<L> gratin{ligne("- Gratin", 10, true), ligne("Marmiton n°HS 3 page 7-8 (Plats / )", 10)};
        QTest::newRow("vide") << QList<int>{} << true << (entete() << ligne("Aucune recette", 10) << ligne("", 10));
        QTest::newRow("une recette") << QList<int>{1} << false << (entete() << ligne("1 recette", 10) << ligne("", 10)
                                                                            << tarte);
        QTest::newRow("sans notes") << QList<int>{3, 2, 1} << false
                                    << (entete() << ligne("3 recettes", 10) << ligne("", 10) << ligne("- Flan", 10, true)
                                                 << ligne("Marmiton (Desserts / Tartes)", 10) << ligne("", 10) << gratin
                                                 << ligne("", 10) << tarte);
        // Notes in small italics under an underlined title; notes of blanks are printed.
        QTest::newRow("avec notes") << QList<int>{3, 2, 1} << true
                                    << (entete() << ligne("3 recettes", 10) << ligne("", 10) << ligne("- Flan", 10, true)
                                                 << ligne("Marmiton (Desserts / Tartes)", 10)
                                                 << ligne("Notes:", 8, false, true, true) << ligne("   ", 8, false, true)
                                                 << ligne("", 10) << gratin << ligne("Notes:", 8, false, true, true)
                                                 << ligne("Four chaud", 8, false, true)
                                                 << ligne("Servir tiède", 8, false, true) << ligne("", 10) << tarte);
    }

    void imprimerListe_blocsDansLOrdreAffiche()
    {
        QFETCH(QList<int>, trouvees);
        QFETCH(bool, notes);
        QFETCH(QList<L>, attendu);
        remplir(trouvees);
        f->CheckNotes->setChecked(notes);
        banc->plateforme.imprimantes << true;
        banc->p().sorties.ImprimerListe();
        QCOMPARE(banc->plateforme.impressions[0]->lignes, attendu);
        QVERIFY(banc->plateforme.impressions[0]->termine);
    }

    // The real printing layer, writing a PDF file.
    void impressionQt_pdfAvecSautsDePageEtLignesRepliees()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("liste.pdf");
        ImpressionQt imp(chemin);
        imp.taille(12);
        imp.imprimer({"Zuta! v1.2b"});
        imp.imprimer({"Elle", " n°12", " page 45"}, false);
        imp.imprimer({" (Desserts / Crèmes)"});
        imp.imprimer({"Première ligne\r\nDeuxième ligne\nTroisième"});
        imp.ligneVide();
        QCOMPARE(imp.lignes(), 6);
        QCOMPARE(imp.pages(), 1);
        // One line far wider than the paper: wrapped, it fills several pages.
        QString longue;
        for (int i = 0; i < 3000; ++i)
            longue += u("mot%1 ").arg(i);
        imp.imprimer({longue});
        QVERIFY(imp.lignes() > 100 && imp.pages() >= 2);
        imp.finDocument();
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray pdf = f.readAll();
        QVERIFY(pdf.startsWith("%PDF") && pdf.size() > 5000);
        QCOMPARE(pdf.count("/Type /Page\n"), imp.pages());
    }

    // ---- The layout of "Index.txt", byte for byte ----

    // Entries as magazine, number, page, name; the expected lines after the count.
    void mises_data()
    {
        QTest::addColumn<QStringList>("entrees");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QStringList>("corps");
        const QString suite = blancs(4 + 3 + 2 + 7 + 2) + "  -";
        QTest::newRow("aucune recette: deux lignes vides") << QStringList() << "Aucune recette" << QStringList();
        QTest::newRow("une recette: singulier, trois lignes vides")
            << QStringList{"Elle", "12", "45", "Tarte aux pommes"} << "1 recette"
            << QStringList{"", "Elle n°12  page 45  -Tarte aux pommes"};
        QTest::newRow("numeros 9 et 12 alignes a droite et dans l'ordre")
            << QStringList{"Marmiton", "12", "3", "Flan", "Marmiton", "9", "10", "Gratin"} << "2 recettes"
            << QStringList{"", "Marmiton n° 9  page 10  -Gratin", blancs(8) + " n°12  page  3  -Flan"};
        QTest::newRow("numero en minuscules: majuscules sans blancs")
            << QStringList{"Elle", " hs 3 ", " 12 bis", "Soupe"} << "1 recette"
            << QStringList{"", "Elle n°HS 3  page 12 BIS  -Soupe"};
        QTest::newRow("trois recettes d'une page: seul le nom apres la premiere")
            << QStringList{"Elle", "12", "45", "Crêpes", "Elle", "12", "45", "Beignets", "Elle", "12", "45", "Ananas"}
            << "3 recettes" << QStringList{"", "Elle n°12  page 45  -Ananas", suite + "Beignets", suite + "Crêpes"};
        QTest::newRow("numero sans page: des blancs a la place de la page")
            << QStringList{"Régal", "5", "", "Pâté en croûte"} << "1 recette"
            << QStringList{"", "Régal n°5         -Pâté en croûte"};
        QTest::newRow("sans numero ni page: colonnes de blancs")
            << QStringList{"Elle", "12", "45", "Tarte", "Elle", "", "  ", "Salade"} << "2 recettes"
            << QStringList{"", "Elle" + blancs(3 + 2 + 7 + 2) + "  -Salade", blancs(4) + " n°12  page 45  -Tarte"};
        QTest::newRow("meme numero dans deux magazines: reecrit, une ligne vide entre")
            << QStringList{"Marie Claire", "12", "5", "B", "Elle", "12", "5", "A"} << "2 recettes"
            << QStringList{"", "Elle n°12  page 5  -A", "", "Marie Claire n°12  page 5  -B"};
        QTest::newRow("premier magazine vide: ni ligne vide ni nom")
            << QStringList{"Elle", "2", "7", "B", "", "1", "8", "A"} << "2 recettes"
            << QStringList{" n°1  page 8  -A", "", "Elle n°2  page 7  -B"};
        // Whole key lines would put "Elle à table" first: the separator sorts like a letter.
        QTest::newRow("magazine qui commence un autre: avant lui")
            << QStringList{"Elle à table", "1", "1", "A", "elle", "1", "1", "Z", "Elle", "1", "1", "B"} << "3 recettes"
            << QStringList{"", "Elle n°1  page 1  -B", "", "elle n°1  page 1  -Z", "", "Elle à table n°1  page 1  -A"};
        QTest::newRow("noms d'une page: ordre de la collation")
            << QStringList{"M", "1", "1", "Tartelette", "M", "1", "1", "tarte", "M", "1", "1", "Éclair"} << "3 recettes"
            << QStringList{"", "M n°1  page 1  -Éclair", blancs(15) + "-tarte", blancs(15) + "-Tartelette"};
    }

    void mises()
    {
        QFETCH(QStringList, entrees);
        QFETCH(QString, nombre);
        QFETCH(QStringList, corps);
        QList<Entree> e;
        for (qsizetype i = 0; i + 3 < entrees.size(); i += 4)
            e.append({entrees[i], entrees[i + 1], entrees[i + 2], entrees[i + 3]});
        QCOMPARE(index(e), lignes(enteteIndex(nombre) + corps));
    }

    // (The file's bytes in Windows-1252: creerIndex_fichierOctetPourOctetPuisOuvert.)
    void cles_lignesDeTravailEtSeparateurDansLesTextes()
    {
        // The working list keeps the key lines: magazine, number, page, name.
        const QChar s = Separateur;
        const Index i = composer(tousCriteres(), Quand, {{"Marmiton", "12", "3", "Flan"}, {"Marmiton", "9", "10", "Gratin"}},
                                 collation);
        QCOMPARE(i.cles, QStringList({u("Marmiton") + s + " 9" + s + "10" + s + "Gratin",
                                      u("Marmiton") + s + "12" + s + " 3" + s + "Flan"}));
        // The separator inside the texts leaves the index whole.
        const QString mag = u("Cuisine") + s + "Vins";
        const QString nom = u("Poulet ") + s + " riz";
        const Index j = composer(tousCriteres(), Quand, {{mag, u("1") + s + "2", "3", nom}}, collation);
        QCOMPARE(j.texte, lignes(enteteIndex("1 recette") << QString() << mag + " n°1" + s + "2  page 3  -" + nom));
        QCOMPARE(j.cles, QStringList(mag + s + "1" + s + "2" + s + "3" + s + nom));
    }

    void criteres_data()
    {
        QTest::addColumn<QStringList>("choix");  // category, sub-category, magazine, tested, text
        QTest::addColumn<QStringList>("attendu");
        const QString tous = " --> TOUS";
        QTest::newRow("categorie") << QStringList{"Desserts", Toutes, tous, "Peu importe", ""}
                                   << QStringList{"Catégorie : Desserts", "Magazine : Tous"};
        QTest::newRow("sous-categorie") << QStringList{"Desserts", "Tartes", "Elle", "Peu importe", ""}
                                        << QStringList{"Catégorie : Desserts (Tartes uniquement)", "Magazine : Elle"};
        // A text of blanks is no criterion.
        QTest::newRow("non-testee") << QStringList{Toutes, Toutes, tous, "Non-testée", " "}
                                    << QStringList{"Catégorie : Toutes", "Magazine : Tous", "Recettes non-testées uniquement"};
        QTest::newRow("tous les criteres")
            << QStringList{"Plats", "Poissons", "Maxi", "Testée", "  thon "}
            << QStringList{"Catégorie : Plats (Poissons uniquement)", "Magazine : Maxi",
                           "Recettes testées uniquement", "Nom des recettes contenant le texte :   thon "};
    }

    void criteres()
    {
        QFETCH(QStringList, choix);
        QFETCH(QStringList, attendu);
        const Criteres c{choix[0], choix[1], choix[2], choix[3], choix[4]};
        QStringList l{u("Zuta! v1.2b - Index créé le 06/12/2026 à 14:05:09"), QString()};
        l << attendu << QString() << "Aucune recette" << QString() << QString();
        QCOMPARE(index({}, c), lignes(l));
    }
};

QTEST_MAIN(TestSorties)
#include "tst_sorties.moc"
