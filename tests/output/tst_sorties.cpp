// The index file and both printouts with no window: the tables, the found
// list and what the panels show handed in as data; "Index.txt" byte for byte.
#include "Outils.h"
#include "PlateformeScriptee.h"
#include "ProgressionEnregistree.h"
#include "base/Collation.h"
#include "base/EtatProgramme.h"
#include "base/Fichiers.h"
#include "base/ListeTrouvee.h"
#include "output/RoutinesSorties.h"
#include "platform/PolitiqueErreurs.h"
#include <QTemporaryDir>

namespace {
using namespace MiseEnPageIndex;
const QString Toutes = QStringLiteral(" --> TOUTES");

// The printed lines, each as "text@size" then g (bold), i (italic), s (underlined).
QStringList imprime(const PlateformeScriptee& p)
{
    QStringList l;
    for (const ImpressionEnregistree* imp : p.impressions) {
        for (const LigneImprimee& i : imp->lignes)
            l << i.texte + u("@%1").arg(i.taille) + (i.gras ? u("g") : u("")) + (i.italique ? u("i") : u(""))
                    + (i.souligne ? u("s") : u(""));
        if (!imp->termine)
            l << u("(not finished)");
    }
    return l;
}
const QStringList Entete{u("Zuta! v1.2b@14i"), u("@14"), u("@14")};

// The outputs as the program wires them, on a program folder of their own.
struct Sorties {
    QTemporaryDir dossier;
    Tables base;
    EtatProgramme etat;
    ListeTrouvee trouvees;
    PlateformeScriptee plateforme;
    PolitiqueErreurs politique{plateforme};
    Collation collation;
    ProgressionEnregistree progression;
    RoutinesSorties routines{base, etat, trouvees, politique, plateforme, collation, progression};
    Criteres criteres{Toutes, Toutes, u(" --> TOUS"), u("Peu importe"), u("  ")}; // blanks: no text criterion

    Sorties()
    {
        etat.CheminAppli = dossier.path() + u("/");
        routines.criteresAffiches = [this] { return criteres; };
        remplirTables(base, {u("Desserts/Tartes"), u("Plats/")}, {u("Elle"), u("Marmiton")},
                      {{"Tarte aux pommes", 1, 1, 1, 0, "12", "45"},
                       {"Gratin", 2, 1, 2, 0, " hs 3", "7-8", "Four chaud\r\nServir tiède"},
                       {"Flan", 1, 1, 2, 0, "", "", "   "}});
    }
    void trouver(const QList<int>& numeros) // the found list holds these slots, in this order
    {
        for (int r : numeros) {
            trouvees.noms << (r <= 3 ? base.RecettTexte(r, 3) : u("Perdue"));
            trouvees.ListTmp << ligneTrouvee(trouvees.noms.last(), r);
        }
    }
    QString chemin() const { return etat.CheminAppli + RoutinesSorties::NomIndex; }
    QByteArray index() const { return Fichiers::lire(chemin(), Fichiers::TailleMaxPetitFichier); }
    QStringList boites()
    {
        QStringList textes;
        for (const auto& b : plateforme.boites)
            textes << b.titre + u(" | ") + b.texte;
        return textes;
    }
};
} // namespace

class TestSorties : public QObject {
    Q_OBJECT
    std::optional<Sorties> s;

private slots:
    void init() { s.emplace(); }

    // "Créer Index": progress window, refresh asked first (it fills the found list here), file
    // written and opened; a line out of the tables is one error, the rest is written.
    void creerIndex_fichierOctetPourOctetPuisOuvert()
    {
        s->criteres = {u("Desserts"), u("Tartes"), u(" --> TOUS"), u("Non-testée"), u(" a ")};
        connect(&s->routines, &RoutinesSorties::actualisationDemandee, this, [this] {
            QVERIFY(s->progression.ouverte && !QFile::exists(s->chemin()));
            s->trouver({3, 40000, 2, 1});
        });
        s->routines.CommandIndex_Click();
        QCOMPARE(s->progression.montrees, QStringList(u("Zuta! / Création Index / Ecriture des données en cours...")));
        QVERIFY(!s->progression.ouverte);
        QCOMPARE(s->index(),
                 QByteArray("Zuta! v1.2b - Index cr\xE9\xE9 le 06/12/2026 \xE0 14:05:09\r\n\r\n"
                            "Cat\xE9gorie : Desserts (Tartes uniquement)\r\nMagazine : Tous\r\n"
                            "Recettes non-test\xE9"
                            "es uniquement\r\nNom des recettes contenant le texte :  a \r\n\r\n"
                            "3 recettes\r\n\r\n\r\n\r\nElle n\xB0  12  page  45  -Tarte aux pommes\r\n\r\n"
                            "Marmiton"
                            "                 "
                            "  -Flan\r\n" // 3 + 4 + 7 + 3 blanks
                            "         n\xB0HS 3  page 7-8  -Gratin\r\n"));
        QCOMPARE(s->plateforme.ouverts, QStringList(s->chemin()));
        QCOMPARE(s->boites(), QStringList(u("Erreur ! | L'indice n'appartient pas à la sélection")));
    }

    void creerIndex_dossierALaPlace_messageEtRienDOuvert()
    {
        s->trouver({1});
        QVERIFY(QDir(s->etat.CheminAppli).mkdir(RoutinesSorties::NomIndex));
        s->routines.CreerIndex();
        QCOMPARE(s->boites(),
                 QStringList{u("Zuta! | L'index n'a pas pu être créé.\n\n")
                             + pasEcrit(u("Erreur d'accès au chemin/fichier"), s->chemin())});
        QCOMPARE(s->plateforme.boites[0].icone, Plateforme::Icone::Exclamation);
        QVERIFY(s->plateforme.ouverts.isEmpty());
    }

    // Written all the same, with "?" for what Windows-1252 lacks (one box), and
    // one box saying where it is. Other criteria: a category alone, a magazine.
    void creerIndex_caractereHorsWindows1252EtAucunProgrammePourLOuvrir_deuxBoites()
    {
        s->trouver({1});
        s->criteres = {u("Desserts"), Toutes, u("Elle"), u("Testée"), u("tarte \u0153\u2192")}; // œ is in Windows-1252
        s->plateforme.ouvertureEchoue = true;
        s->routines.CreerIndex();
        QCOMPARE(s->index(),
                 QByteArray("Zuta! v1.2b - Index cr\xE9\xE9 le 06/12/2026 \xE0 14:05:09\r\n\r\n"
                            "Cat\xE9gorie : Desserts\r\nMagazine : Elle\r\nRecettes test\xE9"
                            "es uniquement\r\n"
                            "Nom des recettes contenant le texte : tarte \x9C?\r\n\r\n"
                            "1 recette\r\n\r\n\r\n\r\nElle n\xB0"
                            "12  page 45  -Tarte aux pommes\r\n"));
        QCOMPARE(s->boites(),
                 (QStringList{u("Zuta! | Certains caractères ne peuvent pas être enregistrés dans le fichier « ")
                                  + s->chemin() + u(" » : ils y sont remplacés par « ? »."),
                              u("Zuta! | L'index a été créé, mais aucun programme n'a pu l'ouvrir. Il se "
                                "trouve dans le fichier :\n")
                                  + QDir::toNativeSeparators(s->chemin())}));
    }

    void impressions_lignesEtPolices_data()
    {
        QTest::addColumn<QStringList>(
            "fiche"); // as shown: name, category, sub-category, magazine, n°, page, notes, tested
        QTest::addColumn<QList<int>>("trouvees"); // or else the found list's slots
        QTest::addColumn<bool>("notes");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("recette") << QStringList{"  Tarte fine  ",
                                                " Desserts ",
                                                "Tartes",
                                                "Elle ",
                                                " 12",
                                                "45 ",
                                                "  Pâte feuilletée\nFour 200°",
                                                "1"}
                                 << QList<int>() << false
                                 << Entete + QStringList{"Tarte fine@16g",       "@12",
                                                         "Desserts / Tartes@12", "@12",
                                                         "Elle n°12 page 45@12", "@12",
                                                         "Recette testée@12",    "@12",
                                                         "Notes :@12s",          "  Pâte feuilletée@12",
                                                         "Four 200°@12"};
        QTest::newRow("sans categorie: rien de la sous-categorie")
            << QStringList{"Soupe", " ", "Potages", "Maxi", "", "", "", ""} << QList<int>() << false
            << Entete
                + QStringList{
                    "Soupe@16g", "@12",         "@12", "@12", "Maxi n° page @12", "@12", "Recette non-testée@12",
                    "@12",       "Notes :@12s", "@12"};
        const QStringList gratin{"- Gratin@10g", "Marmiton n°HS 3 page 7-8 (Plats / )@10"};
        const QStringList tarte{"- Tarte aux pommes@10g", "Elle n°12 page 45 (Desserts / Tartes)@10", "@10"};
        QTest::newRow("dialogue annule: rien d'imprime ni de dit")
            << QStringList() << QList<int>{1} << true << QStringList();
        QTest::newRow("liste vide") << QStringList() << QList<int>() << true
                                    << Entete + QStringList{"Aucune recette@10", "@10"};
        QTest::newRow("liste sans notes")
            << QStringList() << QList<int>{2, 1} << false
            << Entete + QStringList{"2 recettes@10", "@10"} + gratin + QStringList{"@10"} + tarte;
        QTest::newRow("liste avec notes: en petit italique, notes de blancs comprises")
            << QStringList() << QList<int>{3, 2, 1} << true
            << Entete + QStringList{"3 recettes@10", "@10",    "- Flan@10g", "Marmiton (Desserts / Tartes)@10",
                                    "Notes:@8is",    "   @8i", "@10"}
                + gratin + QStringList{"Notes:@8is", "Four chaud@8i", "Servir tiède@8i", "@10"} + tarte;
    }

    void impressions_lignesEtPolices()
    {
        QFETCH(QStringList, fiche);
        QFETCH(QList<int>, trouvees);
        QFETCH(bool, notes);
        QFETCH(QStringList, attendu);
        s->plateforme.imprimantes << !attendu.isEmpty();
        s->trouver(trouvees);
        if (fiche.isEmpty())
            s->routines.ImprimerListe(notes);
        else
            s->routines.ImprimerRecette(
                {fiche[0], fiche[1], fiche[2], fiche[3], fiche[4], fiche[5], fiche[6], fiche[7] == u("1")});
        QCOMPARE(s->plateforme.titresImpression,
                 QStringList(fiche.isEmpty() ? u("Imprimer la liste des recettes") : u("Imprimer la recette")));
        QCOMPARE(imprime(s->plateforme), attendu);
        QVERIFY(s->boites().isEmpty());
    }

    void miseEnPageIndex_lignesExactes_data()
    {
        QTest::addColumn<QStringList>("entrees"); // magazine, number, page, name of each
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QStringList>("corps"); // the lines after the count
        const QString suite = QString(1 + 3 + 2 + 7 + 2, u' ') + "  -";
        QTest::newRow("aucune recette") << QStringList() << "Aucune recette" << QStringList();
        QTest::newRow("numeros 9 et 12 alignes a droite, dans l'ordre")
            << QStringList{"M", "12", "3", "F", "M", "9", "10", "G"} << "2 recettes"
            << QStringList{"", "M n° 9  page 10  -G", "  n°12  page  3  -F"};
        QTest::newRow("trois recettes d'une page: seul le nom apres la premiere")
            << QStringList{"M", "12", "45", "Crêpes", "M", "12", "45", "Beignets", "M", "12", "45", "Ananas"}
            << "3 recettes" << QStringList{"", "M n°12  page 45  -Ananas", suite + "Beignets", suite + "Crêpes"};
        QTest::newRow("sans numero ni page: colonnes de blancs")
            << QStringList{"M", "12", "45", "T", "M", "", "  ", "S"} << "2 recettes"
            << QStringList{"", "M" + QString(3 + 2 + 7 + 2, u' ') + "  -S", "  n°12  page 45  -T"};
        QTest::newRow("premier magazine vide: ni ligne vide ni nom")
            << QStringList{"M", "2", "7", "B", "", "1", "8", "A"} << "2 recettes"
            << QStringList{" n°1  page 8  -A", "", "M n°2  page 7  -B"};
        // Whole key lines would put "Elle à table" first: the separator sorts like a letter.
        QTest::newRow("magazine qui commence un autre: avant lui, numero reecrit")
            << QStringList{"Elle à table", "1", "1", "A", "elle", "1", "1", "Z", "Elle", "1", "1", "B"} << "3 recettes"
            << QStringList{"", "Elle n°1  page 1  -B", "", "elle n°1  page 1  -Z", "", "Elle à table n°1  page 1  -A"};
        const QChar d = Separateur; // inside the texts, it leaves the index whole
        QTest::newRow("separateur des lignes de travail dans les textes")
            << QStringList{u("Cuisine") + d + "Vins", u("1") + d + "2", "3", u("Poulet ") + d + " riz"} << "1 recette"
            << QStringList{"", u("Cuisine") + d + "Vins n°1" + d + "2  page 3  -Poulet " + d + " riz"};
        QTest::newRow("noms d'une page: ordre de la collation")
            << QStringList{"M", "1", "1", "Tartelette", "M", "1", "1", "tarte", "M", "1", "1", "Éclair"} << "3 recettes"
            << QStringList{"", "M n°1  page 1  -Éclair", QString(15, u' ') + "-tarte",
                           QString(15, u' ') + "-Tartelette"};
    }

    void miseEnPageIndex_lignesExactes()
    {
        QFETCH(QStringList, entrees);
        QFETCH(QString, nombre);
        QFETCH(QStringList, corps);
        QList<Entree> e;
        for (qsizetype i = 0; i + 3 < entrees.size(); i += 4)
            e.append({entrees[i], entrees[i + 1], entrees[i + 2], entrees[i + 3]});
        const Index index = composer(s->criteres, s->plateforme.horloge, e, s->collation);
        const QStringList entete{u("Zuta! v1.2b - Index créé le 06/12/2026 à 14:05:09"),
                                 QString(),
                                 u("Catégorie : Toutes"),
                                 u("Magazine : Tous"),
                                 QString(),
                                 nombre,
                                 QString(),
                                 QString()};
        QCOMPARE(index.texte, lignes(entete + corps));
    }
};

QTEST_GUILESS_MAIN(TestSorties)
#include "tst_sorties.moc"
