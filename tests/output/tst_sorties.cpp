// The index file and both printouts through the real main window.
#include "Banc.h"
#include "output/RoutinesSorties.h"
#include "platform/ImpressionQt.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>

namespace {
using L = LigneImprimee;
const QString Toutes = QStringLiteral(" --> TOUTES");

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

// A printer that writes a PDF file: the real printing layer in a test.
class PlateformePdf : public PlateformeScriptee {
public:
    explicit PlateformePdf(QString chemin) : m_chemin(std::move(chemin)) {}
    std::unique_ptr<Impression> choisirImprimante(const QString& titre) override
    {
        titresImpression.append(titre);
        return std::make_unique<ImpressionQt>(m_chemin);
    }

private:
    QString m_chemin;
};
} // namespace

Q_DECLARE_METATYPE(LigneImprimee)

class TestSorties : public QObject {
    Q_OBJECT

    // A base of a few recipes; the found list holds the given slots, in order.
    static void remplir(Programme& p, const QList<int>& trouvees)
    {
        remplirTables(p.base, {u("Desserts/Tartes"), u("Plats/")}, {u("Elle"), u("Marmiton")},
                      {{"Tarte aux pommes", 1, 1, 1, 0, "12", "45"},
                       {"Gratin", 2, 1, 2, 0, " hs 3", "7-8", "Four chaud\r\nServir tiède"},
                       {"Flan", 1, 1, 2, 0, "", "", "   "}});
        QStringList noms;
        p.fen->ListTmp.clear();
        for (int r : trouvees) {
            noms << (r <= 3 ? p.base.RecettTexte(r, 3) : u("Perdue"));
            p.fen->ListTmp << noms.last() + QChar(0xFF) + " " + QString::number(r);
        }
        p.fen->definirLignesRecettes(noms);
    }

    static void criteresTous(FrmPrincipal& f)
    {
        choisir(f.ComboRechCat, {Toutes, "Desserts"}, 0);
        choisir(f.ComboRechSousCat, {Toutes}, 0);
        choisir(f.ComboRechMag, {" --> TOUS", "Elle"}, 0);
        f.ComboTeste->setCurrentIndex(0);
        f.TextRech->clear();
    }

    static QList<L> entete() { return {ligne("Zuta! v1.2b", 14, false, true), ligne("", 14), ligne("", 14)}; }

private slots:
    // ---- Index file ----

    void creerIndex_fichierOctetPourOctetPuisOuvert()
    {
        Banc banc;
        FrmPrincipal& f = banc.demarrer();
        remplir(banc.p(), {3, 2, 1});
        choisir(f.ComboRechCat, {Toutes, "Desserts"}, 1);
        choisir(f.ComboRechSousCat, {Toutes, "Tartes"}, 1);
        choisir(f.ComboRechMag, {" --> TOUS", "Elle"}, 0);
        f.ComboTeste->setCurrentIndex(2);
        f.TextRech->setText(" a ");
        banc.p().sorties.CreerIndex();

        const QByteArray attendu = "Zuta! v1.2b - Index cr\xE9\xE9 le 06/12/2026 \xE0 14:05:09\r\n"
                                   "\r\n"
                                   "Cat\xE9gorie : Desserts (Tartes uniquement)\r\n"
                                   "Magazine : Tous\r\n"
                                   "Recettes non-test\xE9" "es uniquement\r\n"
                                   "Nom des recettes contenant le texte :  a \r\n"
                                   "\r\n"
                                   "3 recettes\r\n"
                                   "\r\n"
                                   "\r\n"
                                   "\r\n"
                                   "Elle n\xB0  12  page  45  -Tarte aux pommes\r\n"
                                   "\r\n"
                                   "Marmiton" "                 " "  -Flan\r\n"  // 3 + 4 + 7 + 3 blanks
                                   "         n\xB0HS 3  page 7-8  -Gratin\r\n";
        QCOMPARE(banc.lire("Index.txt"), attendu);
        QCOMPARE(banc.plateforme.ouverts, QStringList(banc.chemin("Index.txt")));
        const QChar s(0xD0);
        QCOMPARE(f.ListIndex.first(), QStringLiteral("Elle") + s + "  12" + s + " 45" + s + "Tarte aux pommes");
        QCOMPARE(f.ListIndex.size(), 3);
        QVERIFY(banc.boites().isEmpty());
    }

    void creerIndex_fichierImpossibleAEcrire_messageNommantLeFichier()
    {
        Banc banc;
        FrmPrincipal& f = banc.demarrer();
        remplir(banc.p(), {1});
        criteresTous(f);
        QVERIFY(QDir(banc.dossier()).mkdir("Index.txt"));  // cannot be replaced by a file
        banc.p().sorties.CreerIndex();
        const auto boites = banc.plateforme.boites;
        QCOMPARE(boites.size(), 1);
        QCOMPARE(boites[0].titre, QStringLiteral("Zuta!"));
        QCOMPARE(boites[0].icone, Plateforme::Icone::Exclamation);
        QVERIFY(boites[0].texte.startsWith(QStringLiteral("L'index n'a pas pu être créé.")));
        QVERIFY(boites[0].texte.contains(banc.chemin("Index.txt")));
        QVERIFY(banc.plateforme.ouverts.isEmpty());
        // The base in memory and the found list are untouched.
        QCOMPARE(banc.p().base.RecettTexte(1, 3), QStringLiteral("Tarte aux pommes"));
        QCOMPARE(f.lignesRecettes(), QStringList("Tarte aux pommes"));
    }

    void creerIndex_ligneHorsTable_erreurPuisLeResteEcrit()
    {
        Banc banc;
        FrmPrincipal& f = banc.demarrer();
        remplir(banc.p(), {1, 40000});
        criteresTous(f);
        banc.plateforme.reponses << Plateforme::Reponse::Annuler;
        banc.p().sorties.CreerIndex();
        QCOMPARE(banc.boites(), QStringList("Erreur ! | L'indice n'appartient pas à la sélection"));
        QVERIFY(banc.lire("Index.txt").endsWith("1 recette\r\n\r\n\r\n\r\nElle n\xB0" "12  page 45  -Tarte aux pommes\r\n"));
    }

    void creerIndex_caractereHorsWindows1252_pointDInterrogation()
    {
        Banc banc;
        FrmPrincipal& f = banc.demarrer();
        remplir(banc.p(), {});
        criteresTous(f);
        f.TextRech->setText(QStringLiteral("tarte \u0153\u2192"));  // œ is in Windows-1252, the arrow is not
        banc.p().sorties.CreerIndex();
        QVERIFY(banc.lire("Index.txt").contains("Nom des recettes contenant le texte : tarte \x9C?\r\n"));
        const QStringList boites = banc.boites();
        QCOMPARE(boites.size(), 1);
        QVERIFY(boites[0].contains(banc.chemin("Index.txt")));
        QCOMPARE(banc.plateforme.ouverts.size(), 1);
    }

    // ---- Printing a recipe ----

    void impressions_dialogueAnnule_rienNiMessage()
    {
        Banc banc;
        banc.demarrer();
        remplir(banc.p(), {1});
        banc.p().sorties.ImprimerRecette();
        QCOMPARE(banc.p().etat.ImpressionAnnulee, 1);
        banc.p().etat.ImpressionAnnulee = 0;
        banc.p().sorties.ImprimerListe();
        QCOMPARE(banc.p().etat.ImpressionAnnulee, 1);
        QCOMPARE(banc.plateforme.titresImpression, QStringList({"Imprimer la recette", "Imprimer la liste des recettes"}));
        QVERIFY(banc.plateforme.impressions.isEmpty());
        QVERIFY(banc.boites().isEmpty());
    }

    void imprimerRecette_controlesCommeAffiches()
    {
        Banc banc;
        FrmPrincipal& f = banc.demarrer();
        f.TextRecettNom->setText("  Tarte fine  ");
        f.ComboRecettCat->setEditText(" Desserts ");
        f.ComboRecettSousCat->setEditText("Tartes");
        f.ComboRecettMag->setEditText("Elle ");
        f.TextRecettNumero->setText(" 12");
        f.TextRecettPage->setText("45 ");
        f.CheckRecettTeste->setChecked(true);
        f.TextRecettComment->setPlainText("  Pâte feuilletée\nFour 200°");
        banc.plateforme.imprimantes << true;
        banc.p().sorties.ImprimerRecette();
        QCOMPARE(banc.p().etat.ImpressionAnnulee, 0);
        QCOMPARE(banc.plateforme.impressions.size(), 1);
        QCOMPARE(banc.plateforme.impressions[0]->lignes,
                 entete() << ligne("Tarte fine", 16, true) << ligne("", 12) << ligne("Desserts / Tartes", 12)
                          << ligne("", 12) << ligne("Elle n°12 page 45", 12) << ligne("", 12)
                          << ligne("Recette testée", 12) << ligne("", 12) << ligne("Notes :", 12, false, false, true)
                          << ligne("  Pâte feuilletée", 12) << ligne("Four 200°", 12));
        QVERIFY(banc.plateforme.impressions[0]->termine);
        QVERIFY(banc.boites().isEmpty());
    }

    void imprimerRecette_casLimites()
    {
        Banc banc;
        FrmPrincipal& f = banc.demarrer();
        // No issue, no page, no category (a sub-category shown), empty notes, not tested.
        f.TextRecettNom->setText("Soupe");
        f.ComboRecettCat->setEditText("  ");
        f.ComboRecettSousCat->setEditText("Potages");
        f.ComboRecettMag->setEditText("Maxi");
        banc.plateforme.imprimantes << true << true;
        banc.p().sorties.ImprimerRecette();
        const auto& lignes = banc.plateforme.impressions[0]->lignes;
        QCOMPARE(lignes[5], ligne("", 12));
        QCOMPARE(lignes[7], ligne("Maxi n° page ", 12));
        QCOMPARE(lignes[9], ligne("Recette non-testée", 12));
        QCOMPARE(lignes.mid(11), QList<L>({ligne("Notes :", 12, false, false, true), ligne("", 12)}));
        // A category with an empty sub-category box.
        f.ComboRecettCat->setEditText("Soupes");
        f.ComboRecettSousCat->setEditText("");
        banc.p().sorties.ImprimerRecette();
        QCOMPARE(banc.plateforme.impressions[1]->lignes[5], ligne("Soupes / ", 12));
    }

    // ---- Printing the list ----

    void imprimerListe_blocsDansLOrdreAffiche_data()
    {
        QTest::addColumn<QList<int>>("trouvees");
        QTest::addColumn<bool>("notes");
        QTest::addColumn<QList<L>>("attendu");
        QTest::newRow("vide") << QList<int>{} << true << (entete() << ligne("Aucune recette", 10) << ligne("", 10));
        QTest::newRow("une recette") << QList<int>{1} << false
                                     << (entete() << ligne("1 recette", 10) << ligne("", 10)
                                                  << ligne("- Tarte aux pommes", 10, true)
                                                  << ligne("Elle n°12 page 45 (Desserts / Tartes)", 10) << ligne("", 10));
        const QList<L> tarte{ligne("- Tarte aux pommes", 10, true), ligne("Elle n°12 page 45 (Desserts / Tartes)", 10),
                             ligne("", 10)};
        QTest::newRow("sans notes") << QList<int>{3, 2, 1} << false
                                    << (entete() << ligne("3 recettes", 10) << ligne("", 10) << ligne("- Flan", 10, true)
                                                 << ligne("Marmiton (Desserts / Tartes)", 10) << ligne("", 10)
                                                 << ligne("- Gratin", 10, true)
                                                 << ligne("Marmiton n°HS 3 page 7-8 (Plats / )", 10) << ligne("", 10)
                                                 << tarte);
        // Notes in small italics under an underlined title; notes of blanks are printed.
        QTest::newRow("avec notes") << QList<int>{3, 2, 1} << true
                                    << (entete() << ligne("3 recettes", 10) << ligne("", 10) << ligne("- Flan", 10, true)
                                                 << ligne("Marmiton (Desserts / Tartes)", 10)
                                                 << ligne("Notes:", 8, false, true, true) << ligne("   ", 8, false, true)
                                                 << ligne("", 10) << ligne("- Gratin", 10, true)
                                                 << ligne("Marmiton n°HS 3 page 7-8 (Plats / )", 10)
                                                 << ligne("Notes:", 8, false, true, true)
                                                 << ligne("Four chaud", 8, false, true)
                                                 << ligne("Servir tiède", 8, false, true) << ligne("", 10) << tarte);
    }

    void imprimerListe_blocsDansLOrdreAffiche()
    {
        QFETCH(QList<int>, trouvees);
        QFETCH(bool, notes);
        QFETCH(QList<L>, attendu);
        Banc banc;
        banc.demarrer();
        remplir(banc.p(), trouvees);
        banc.fen().CheckNotes->setChecked(notes);
        banc.plateforme.imprimantes << true;
        banc.p().sorties.ImprimerListe();
        QCOMPARE(banc.plateforme.impressions[0]->lignes, attendu);
        QVERIFY(banc.plateforme.impressions[0]->termine);
    }

    // ---- The real printing layer ----

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
            longue += QStringLiteral("mot%1 ").arg(i);
        imp.imprimer({longue});
        QVERIFY(imp.lignes() > 100);
        QVERIFY(imp.pages() >= 2);
        imp.finDocument();
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray pdf = f.readAll();
        QVERIFY(pdf.startsWith("%PDF") && pdf.size() > 5000);
        QCOMPARE(pdf.count("/Type /Page\n"), imp.pages());
    }

    void imprimerListe_versPdfParLaVraieCouche()
    {
        QTemporaryDir dossier;
        PlateformePdf plateforme(dossier.filePath("recettes.pdf"));
        const QString ancien = QDir::currentPath();
        QDir::setCurrent(dossier.path());
        {
            Programme p(plateforme);
            p.Main();
            remplir(p, {3, 2, 1});
            p.fen->CheckNotes->setChecked(true);
            p.sorties.ImprimerListe();
            QCOMPARE(p.etat.ImpressionAnnulee, 0);
        }
        QDir::setCurrent(ancien);
        QVERIFY(plateforme.boites.isEmpty());
        QFile f(dossier.filePath("recettes.pdf"));
        QVERIFY(f.open(QIODevice::ReadOnly) && f.read(4) == "%PDF" && f.size() > 2000);
    }
};

QTEST_MAIN(TestSorties)
#include "tst_sorties.moc"
