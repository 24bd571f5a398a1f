// The index file, byte for byte, and both printouts with no window: what the panels show is handed in as data.
#include "Outils.h"
#include "PlateformeScriptee.h"
#include "ProgressionEnregistree.h"
#include "base/Codec.h"
#include "base/Collation.h"
#include "base/EtatProgramme.h"
#include "base/Fichiers.h"
#include "base/ListeTrouvee.h"
#include "output/RoutinesSorties.h"
#include "platform/PolitiqueErreurs.h"
#include <QTemporaryDir>

namespace {
using namespace Qt::Literals::StringLiterals;
using namespace MiseEnPageIndex;
const QString Toutes = QStringLiteral(" --> TOUTES");

// The printed lines, each as "text@size" then g (bold), i (italic), s (underlined), with a "[" before the first
// line of each block and a "]" after its last.
QStringList imprime(const PlateformeScriptee& p)
{
    QStringList l;
    for (const auto& imp : p.impressions) {
        for (int k = 0; k < imp->lignes.size(); ++k) {
            const LigneImprimee& i = imp->lignes[k];
            QString debuts, fins;
            for (const auto& [premiere, fin] : imp->blocs) {
                debuts += premiere == k ? u("[") : u("");
                fins += fin == k + 1 ? u("]") : u("");
            }
            l << debuts + i.texte + u("@%1").arg(i.taille) + (i.gras ? u("g") : u("")) + (i.italique ? u("i") : u(""))
                    + (i.souligne ? u("s") : u("")) + fins;
        }
        if (!imp->termine)
            l << u("(not finished)");
    }
    return l;
}
const QStringList Entete{u("Zuta! v1.2b@14i"), u("@14"), u("@14")};
const QString EnteteIndex = u("Zuta! v1.2b - Index créé le 06/12/2026 à 14:05:09||Catégorie : Toutes|Magazine : Tous");

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
        remplirTables(base, {u("Desserts/Tartes"), u("Plats/")}, {u("Elle"), u("Marmiton")},
                      {{"Tarte aux pommes", 1, 1, 1, 0, "12", "45"},
                       {"Gratin", 2, 1, 2, 0, " hs 3", "7-8", "Four chaud\r\nServir tiède"},
                       {"Flan", 1, 1, 2, 0, "", "", "   "}});
    }
    void trouver(const QList<int>& numeros) // the found list holds these slots, in this order
    {
        for (int r : numeros)
            trouvees.ajouter(r <= 3 ? base.RecettTexte(r, Recette::Nom) : u("Perdue"), r);
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

    // The index of the found list with the criteria shown, written and opened; a line out of the tables is one
    // error, the rest is written.
    void creerIndex_fichierOctetPourOctetPuisOuvert()
    {
        s->trouver({3, 40000, 2, 1});
        s->routines.CreerIndex({u("Desserts"), u("Tartes"), u(" --> TOUS"), u("Non-testée"), u(" a ")});
        QCOMPARE(s->index(),
                 "Zuta! v1.2b - Index cr\351\351 le 06/12/2026 \340 14:05:09\r\n\r\nCat\351gorie : Desserts (Tartes "
                 "uniquement)\r\nMagazine : Tous\r\nRecettes non-test\351es uniquement\r\nNom des recettes "
                 "contenant le texte :  a \r\n\r\n3 recettes\r\n\r\n\r\n\r\nElle n\260  12  page  45  -Tarte aux "
                 "pommes\r\n\r\nMarmiton                   -Flan\r\n         n\260HS 3  page 7-8  -Gratin\r\n"_ba);
        QCOMPARE(s->plateforme.ouverts, QStringList(s->chemin()));
        QCOMPARE(s->boites(), QStringList(u("Erreur ! | L'indice n'appartient pas à la sélection")));
    }

    // A folder in the way: one box, nothing opened. Once it is gone, written all the same, with "?" for what
    // Windows-1252 lacks (one box), and one box saying where it is when no program opens it. Other criteria:
    // a category alone, a magazine.
    void creerIndex_dossierALaPlacePuisCaractereHorsWindows1252EtAucunProgramme_boites()
    {
        s->trouver({1});
        QVERIFY(QDir(s->etat.CheminAppli).mkdir(RoutinesSorties::NomIndex));
        s->routines.CreerIndex(s->criteres);
        QCOMPARE(s->boites(),
                 QStringList{u("Zuta! | L'index n'a pas pu être créé.\n\n")
                             + pasEcrit(u("Erreur d'accès au chemin/fichier"), s->chemin())});
        QCOMPARE(s->plateforme.boites.takeFirst().icone, Plateforme::Icone::Exclamation);
        QVERIFY(s->plateforme.ouverts.isEmpty() && QDir(s->etat.CheminAppli).rmdir(RoutinesSorties::NomIndex));

        s->criteres = {u("Desserts"), Toutes, u("Elle"), u("Testée"), u("tarte \u0153\u2192")}; // œ is in Windows-1252
        s->plateforme.ouvertureEchoue = true;
        s->routines.CreerIndex(s->criteres);
        QCOMPARE(s->index(),
                 "Zuta! v1.2b - Index cr\351\351 le 06/12/2026 \340 14:05:09\r\n\r\nCat\351gorie : Desserts\r\n"
                 "Magazine : Elle\r\nRecettes test\351es uniquement\r\nNom des recettes contenant le texte : tarte "
                 "\234?\r\n\r\n1 recette\r\n\r\n\r\n\r\nElle n\26012  page 45  -Tarte aux pommes\r\n"_ba);
        QCOMPARE(s->boites(),
                 QStringList({u("Zuta! | Certains caractères ne peuvent pas être enregistrés dans le fichier "
                                "« %1 » : ils y sont remplacés par « ? »."),
                              u("Zuta! | L'index a été créé, mais aucun programme n'a pu l'ouvrir. Il se "
                                "trouve dans le fichier :\n%1")})
                     .replaceInStrings(u("%1"), s->chemin()));
    }

    void impressions_lignesEtPolices_data()
    {
        QTest::addColumn<QString>("fiche");       // as shown: name|category|sub-category|magazine|n°|page|notes|tested
        QTest::addColumn<QList<int>>("trouvees"); // or else the found list's slots, in the order shown
        QTest::addColumn<bool>("notes");
        QTest::addColumn<QString>("attendu"); // the lines after the heading, none when nothing is printed
        QTest::newRow("recette") << u("  Tarte fine  | Desserts |Tartes|Elle | 12|45 |  Pâte feuilletée\nFour 200°|1")
                                 << QList<int>() << false
                                 << u("Tarte fine@16g|@12|Desserts / Tartes@12|@12|Elle n°12 page 45@12|@12|"
                                      "Recette testée@12|@12|Notes :@12s|  Pâte feuilletée@12|Four 200°@12");
        QTest::newRow("sans categorie: rien de la sous-categorie")
            << u("Soupe| |Potages|Maxi||||") << QList<int>() << false
            << u("Soupe@16g|@12|@12|@12|Maxi n° page @12|@12|Recette non-testée@12|@12|Notes :@12s|@12");
        // A recipe's block, and in it the block of its name and its line.
        const QString gratin = u("[[- Gratin@10g|Marmiton n°HS 3 page 7-8 (Plats / )@10]");
        const QString tarte = u("[[- Tarte aux pommes@10g|Elle n°12 page 45 (Desserts / Tartes)@10]]|@10");
        QTest::newRow("dialogue annule: rien d'imprime ni de dit") << QString() << QList<int>{1} << true << QString();
        QTest::newRow("liste vide") << QString() << QList<int>() << true << u("Aucune recette@10|@10");
        QTest::newRow("liste sans notes")
            << QString() << QList<int>{2, 1} << false << u("2 recettes@10|@10|") + gratin + u("]|@10|") + tarte;
        QTest::newRow("liste avec notes: en petit italique, notes de blancs comprises")
            << QString() << QList<int>{3, 2, 1} << true
            << u("3 recettes@10|@10|[[- Flan@10g|Marmiton (Desserts / Tartes)@10]|Notes:@8is|   @8i]|@10|") + gratin
                + u("|Notes:@8is|Four chaud@8i|Servir tiède@8i]|@10|") + tarte;
    }

    void impressions_lignesEtPolices()
    {
        QFETCH(QString, fiche);
        QFETCH(QList<int>, trouvees);
        QFETCH(bool, notes);
        QFETCH(QString, attendu);
        s->plateforme.imprimantes << !attendu.isEmpty();
        s->plateforme.lignesParPage = 4;
        // The found list holds the slots in its own order; the table shows them in the row's order.
        QList<int> parNumero = trouvees;
        std::sort(parNumero.begin(), parNumero.end());
        s->trouver(parNumero);
        QList<qsizetype> ordre;
        for (const int r : trouvees)
            ordre << parNumero.indexOf(r);
        const QStringList c = fiche.split(u'|');
        if (fiche.isEmpty())
            s->routines.ImprimerListe(notes, ordre);
        else
            s->routines.ImprimerRecette({c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7] == u("1")});
        QCOMPARE(s->plateforme.titresImpression,
                 QStringList(fiche.isEmpty() ? u("Imprimer la liste des recettes") : u("Imprimer la recette")));
        QCOMPARE(imprime(s->plateforme), attendu.isEmpty() ? QStringList() : Entete + attendu.split(u'|'));
        QVERIFY(s->boites().isEmpty());
        // The progress window from the first page of a list, the second of a recipe, the main window taking no
        // input meanwhile; closed at the end.
        QStringList progression;
        for (int page = fiche.isEmpty() ? 1 : 2; page <= (imprime(s->plateforme).size() + 3) / 4; ++page)
            progression << u("  page %1").arg(page);
        if (!progression.isEmpty())
            progression.prepend(u("Zuta! / Impression / Impression en cours... (fenêtre occupée) [Annuler]"));
        QCOMPARE(s->progression.montrees, progression);
        QVERIFY(!s->progression.ouverte && !s->progression.fenetreOccupee);
        // The preview prints the same lines in the same blocks.
        if (fiche.isEmpty())
            s->routines.ApercuListe(notes, ordre);
        else
            s->routines.ApercuRecette({c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7] == u("1")});
        QCOMPARE(s->plateforme.titresApercu,
                 QStringList(fiche.isEmpty() ? u("Zuta! / Aperçu de la liste") : u("Zuta! / Aperçu de la recette")));
        const auto& i = s->plateforme.impressions;
        QVERIFY(attendu.isEmpty() || (i[1]->lignes == i[0]->lignes && i[1]->blocs == i[0]->blocs && i[1]->termine));
    }

    void miseEnPageIndex_lignesExactes_data()
    {
        QTest::addColumn<QString>("entrees"); // magazine|number|page|name of each
        QTest::addColumn<QString>("attendu"); // the lines from the count on
        const QString suite = QString(17, u' ') + u("-");
        QTest::newRow("aucune recette") << QString() << u("Aucune recette||");
        QTest::newRow("numeros 9 et 12 alignes a droite, dans l'ordre")
            << u("M|12|3|F|M|9|10|G") << u("2 recettes||||M n° 9  page 10  -G|  n°12  page  3  -F");
        QTest::newRow("trois recettes d'une page: seul le nom apres la premiere, ordre de la collation")
            << u("M|12|45|Tartelette|M|12|45|tarte|M|12|45|Éclair")
            << u("3 recettes||||M n°12  page 45  -Éclair|") + suite + u("tarte|") + suite + u("Tartelette");
        QTest::newRow("sans numero ni page: colonnes de blancs")
            << u("M|12|45|T|M||  |S") << u("2 recettes||||M") + QString(14, u' ') + u("  -S|  n°12  page 45  -T");
        QTest::newRow("premier magazine vide: ni ligne vide ni nom")
            << u("M|2|7|B||1|8|A") << u("2 recettes||| n°1  page 8  -A||M n°2  page 7  -B");
        // Whole key lines would put "Elle à table" first: the separator sorts like a letter.
        QTest::newRow("magazine qui commence un autre: avant lui, numero reecrit")
            << u("Elle à table|1|1|A|elle|1|1|Z|Elle|1|1|B")
            << u("3 recettes||||Elle n°1  page 1  -B||elle n°1  page 1  -Z||Elle à table n°1  page 1  -A");
        // "~" stands for the separator of the working lines: inside the texts, it leaves the index whole.
        QTest::newRow("separateur des lignes de travail dans les textes")
            << u("Cuisine~Vins|1~2|3|Poulet ~ riz").replace(u'~', QChar(0xD0))
            << u("1 recette||||Cuisine~Vins n°1~2  page 3  -Poulet ~ riz").replace(u'~', QChar(0xD0));
        // A "?" below is a character without a Windows-1252 byte.
        QTest::newRow("nom hors Windows-1252")
            << u("M|1|2|Thé → menthe") << u("1 recette||||M n°1  page 2  -Thé ? menthe");
        QTest::newRow("numero hors Windows-1252") << u("M|1→|2|A") << u("1 recette||||M n°1?  page 2  -A");
    }

    void miseEnPageIndex_lignesExactes()
    {
        QFETCH(QString, entrees);
        QFETCH(QString, attendu);
        const QStringList c = entrees.split(u'|');
        QList<Entree> e; // each magazine by its place in c: equal names at two places are one magazine
        for (qsizetype i = 0; i + 3 < c.size(); i += 4)
            e.append({int(i), &c[i + 1], &c[i + 2], &c[i + 3]});
        const Octets index = composer(s->criteres, s->plateforme.horloge, c, e, s->collation);
        QCOMPARE(Codec::decoder(index.texte), lignes((EnteteIndex + u("||") + attendu).split(u'|')));
        QCOMPARE(index.remplace, attendu.contains(u'?'));
    }
};

QTEST_GUILESS_MAIN(TestSorties)
#include "tst_sorties.moc"
