// Export and import with no window: the export's bytes, the round trip, each row stored as the card stores it,
// duplicates, full tables, another base merged by the text of its names, the report, the files refused.
#include "Outils.h"
#include "PlateformeScriptee.h"
#include "base/Collation.h"
#include "base/FichierBase.h"
#include "base/Fichiers.h"
#include "base/ListeTrouvee.h"
#include "echange/ExportCsv.h"
#include "echange/RapportImport.h"
#include "echange/SourceImport.h"
#include "platform/PolitiqueErreurs.h"
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace {
using Bilan = Importation::Bilan;

// A base: "Desserts" with "Tartes", the magazine "Elle à table", one recipe.
void baseDesserts(Tables& t)
{
    remplirTables(t, {u("Desserts/Tartes")}, {u("Elle à table")}, {{"Tarte fine", 1, 1, 1, 1, "12", "3"}});
}

// Each stored recipe from `premier` on as "Nom|Catégorie|...|Testée".
QStringList stockees(const Tables& t, int premier = 1)
{
    QStringList l;
    for (int r = premier; r <= t.NbRecett; ++r)
        l << ExportCsv::ligne(t, r).join(u'|');
    return l;
}

QStringList remarques(const Bilan& b)
{
    QStringList l;
    for (const Importation::Remarque& m : b.remarques)
        l << RapportImport::remarque(m, true);
    return l;
}

class Dossier {
public:
    QString ecrire(const QString& nom, const QByteArray& octets) const
    {
        Fichiers::ecrireSur(chemin(nom), octets);
        return chemin(nom);
    }
    QString chemin(const QString& nom) const { return m_d.filePath(nom); }
    QStringList fichiers() const { return QDir(m_d.path()).entryList(QDir::Files | QDir::System); }
    PlateformeScriptee plateforme;
    PolitiqueErreurs politique{plateforme};

    SourceImport::Ouverture ouvrir(const QString& chemin, const QString& baseOuverte = {})
    {
        return SourceImport::ouvrir(chemin, baseOuverte, politique);
    }
    // Imports the file (a spreadsheet's text written as UTF-8, or a path already written) into the tables.
    Bilan importer(Tables& t, const QString& csvOuChemin, bool ajouter = false)
    {
        const QString c = QFile::exists(csvOuChemin) ? csvOuChemin : ecrire(u("f.csv"), csvOuChemin.toUtf8());
        const SourceImport::Ouverture o = ouvrir(c);
        if (!o.source)
            qFatal("%s", qPrintable(o.refus));
        return Importation::importer(t, o.source->lignes(), {ajouter}, politique);
    }

private:
    QTemporaryDir m_d;
};

const QString Entete = u("Nom;Catégorie;Sous-catégorie;Magazine;N°;Pages;Notes;Testée\r\n");
} // namespace

class TestImport : public QObject {
    Q_OBJECT
private slots:
    // UTF-8 with a BOM, every field quoted, CR LF records, LF inside notes, oui/non, formulas guarded; the whole
    // base by name, then by contents for one name; the found list in the order handed in.
    void exporter_octetsExacts()
    {
        auto t = std::make_unique<Tables>();
        remplirTables(*t, {u("Desserts/Tartes")}, {u("Régal"), u("Elle")},
                      {{"tarte", 1, 1, 2, 0, "=1", "-3", "Beurre \"doux\"\r\nsucre"},
                       {"@pain;blanc", 0, 0, 0, 1},
                       {"Tarte", 1, 0, 2, 1, "12"},
                       {"tarte", 1, 1, 1, 0, "'7"}});
        Dossier d;
        ExportCsv::ecrire(d.chemin(u("a.csv")), *t, ExportCsv::toutesLesRecettes(*t, Collation()));
        QFile f(d.chemin(u("a.csv")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(),
                 "\xEF\xBB\xBF\"Nom\";\"Cat\xC3\xA9gorie\";\"Sous-cat\xC3\xA9gorie\";\"Magazine\";\"N\xC2\xB0\";"
                 "\"Pages\";\"Notes\";\"Test\xC3\xA9"
                 "e\"\r\n"
                 "\"'@pain;blanc\";\"\";\"\";\"\";\"\";\"\";\"\";\"oui\"\r\n"
                 "\"Tarte\";\"Desserts\";\"\";\"Elle\";\"12\";\"\";\"\";\"oui\"\r\n"
                 "\"tarte\";\"Desserts\";\"Tartes\";\"Elle\";\"'=1\";\"'-3\";\"Beurre \"\"doux\"\"\nsucre\";\"non\"\r\n"
                 "\"tarte\";\"Desserts\";\"Tartes\";\"R\xC3\xA9gal\";\"''7\";\"\";\"\";\"non\"\r\n");
        ListeTrouvee trouvees;
        trouvees.ajouter(u("a"), 3);
        trouvees.ajouter(u("b"), 1);
        trouvees.ajouter(u("c"), 4);
        QCOMPARE(ExportCsv::recettesTrouvees(trouvees), QList<int>({3, 1, 4}));
        QCOMPARE(ExportCsv::recettesTrouvees(trouvees, QList<qsizetype>{2, 0}), QList<int>({4, 3}));
    }

    // A generated base with what a spreadsheet mangles (formulas, separators, apostrophes, line breaks, €, œ),
    // exported, imported into an empty base with its duplicates, exported again: the very same bytes, every counter
    // exact, and unused names left behind. Imported once more with duplicates ignored: nothing added.
    void allerRetour_octetsIdentiques_puisToutEnDoublon()
    {
        QRandomGenerator g(1205);
        const QStringList noms =
            u("Tarte|Tarte aux pommes|=Gratin|+Flan|-Soupe|@Cake|'Crêpe|Œufs; mimosa|Bœuf, carottes|€ 3").split(u'|');
        const QStringList notes = u("|Cuire 1 h\r\nservir|Dit 'oui'|; ,\t'").split(u'|');
        auto t = std::make_unique<Tables>();
        remplirTables(*t, {u("Desserts/Tartes/Crèmes"), u("Plats/Œufs"), u("Vieux")},
                      {u("Elle"), u("Régal"), u("Ancien")}, {});
        for (int r = 1; r <= 3000; ++r) {
            const int c = g.bounded(3);
            t->NbRecett = r;
            t->RecettTexte(r, Recette::Nom) = noms[g.bounded(noms.size())] + QString::number(g.bounded(200));
            t->RecettTexte(r, Recette::Numero) = QString::number(g.bounded(30));
            t->RecettTexte(r, Recette::Page) = g.bounded(2) ? u("12-13") : u("=4");
            t->RecettTexte(r, Recette::Notes) = notes[g.bounded(notes.size())];
            t->RecettVal(r, Recette::Categorie) = c;
            t->RecettVal(r, Recette::SousCategorie) = c == 0 ? 0 : g.bounded(c == 1 ? 3 : 2);
            t->RecettVal(r, Recette::Magazine) = g.bounded(3);
            t->RecettVal(r, Recette::Testee) = g.bounded(2);
        }
        t->remettreEnCoherence();
        Dossier d;
        const auto exporter = [&](const Tables& base, const QString& nom) {
            ExportCsv::ecrire(d.chemin(nom), base, ExportCsv::toutesLesRecettes(base, Collation()));
            return Fichiers::lire(d.chemin(nom), Fichiers::TailleMaxCsv);
        };
        const QByteArray premier = exporter(*t, u("1.csv"));
        auto importee = std::make_unique<Tables>();
        QCOMPARE(d.importer(*importee, d.chemin(u("1.csv")), true).importees, 3000);
        QCOMPARE(exporter(*importee, u("2.csv")), premier);
        QCOMPARE(incoherence(*importee), QString());
        QCOMPARE(std::tuple(importee->NbCat, importee->NbMag), std::tuple(2, 2));
        const Bilan encore = d.importer(*importee, d.chemin(u("2.csv")));
        QCOMPARE(std::tuple(encore.lues, encore.importees, encore.doublons), std::tuple(3000, 0, 3000));
    }

    // Each row as the card stores it: trimmed, the name's first letter up, names found whatever their case or added
    // as the card adds them; what the card's keys refuse made a blank (commas) or an apostrophe (double quotes),
    // what the base cannot hold made "?", each said; the card's refusals with its very words.
    void lignes_commeLaFiche_data()
    {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QString>("stockee"); // empty: refused
        QTest::addColumn<QStringList>("remarques");
        const auto cas = [](const char* nom, const char* l, const char* s, QStringList r = {}) {
            QTest::newRow(nom) << u(l) << u(s) << r;
        };
        cas("rangée", "  tarte Tatin  ; DESSERTS ;tartes;ELLE À TABLE; 12 ; 3 ;\"Beurre ; sucre \";Oui",
            "Tarte Tatin|Desserts|Tartes|Elle à table|12|3|Beurre ; sucre |oui");
        cas("virgules", "Flan;\"plats, viandes\";;\"Elle, Régal\";\"1,2\";\"3, 4\";\"a, b\";non",
            "Flan|Plats  viandes||Elle  Régal|1 2|3  4|a, b|non",
            {u("Ligne 2 : Le champ « Catégorie » contenait une virgule, remplacée par un blanc."),
             u("Ligne 2 : Le champ « Magazine » contenait une virgule, remplacée par un blanc."),
             u("Ligne 2 : Le champ « N° » contenait une virgule, remplacée par un blanc."),
             u("Ligne 2 : Le champ « Pages » contenait une virgule, remplacée par un blanc.")});
        cas("guillemets et caractères", "\"Le \"\"bon\"\" gâteau 日本\";Desserts;;;;;\"x\"\"\nà l'\u0153il\";",
            "Le 'bon' gâteau ??|Desserts|||||x'\r\nà l'œil|non",
            {u("Ligne 2 : Le champ « Nom » contenait 2 guillemets, remplacés par des apostrophes."),
             u("Ligne 2 : Le champ « Nom » contenait 2 caractères que la base ne peut pas enregistrer (dont « 日 », "
               "U+65E5) : ils sont remplacés par « ? »."),
             u("Ligne 2 : Le champ « Notes » contenait un guillemet, remplacé par une apostrophe.")});
        cas("retour à la ligne, sous-catégorie seule", "\"Pain\r\nde mie\";;Brioches;Régal;;;;vrai",
            "Pain de mie|||Régal||||oui",
            {u("Ligne 2 : Le champ « Nom » contenait un retour à la ligne, remplacé par un blanc."),
             u("Ligne 2 : La sous-catégorie « Brioches » est laissée de côté : la recette n'a pas de catégorie.")});
        cas("garde de formule", "'=Soupe;'-x;;;;;;", "=Soupe|-x||||||non");
        cas("testée inconnue", "Flan;Desserts;;;;;;peut-être", "Flan|Desserts||||||non",
            {u("Ligne 2 : La valeur « peut-être » du champ « Testée » n'est pas reconnue : la recette est importée "
               "comme non testée.")});
        cas("sans nom", " ;Desserts;;;;;;", "", {u("Ligne 2 : refusée : La recette doit avoir un nom !")});
        cas("sans description", "Flan;;Tartes;;;;;oui", "",
            {u("Ligne 2 : refusée : La recette doit comporter un minimum de description !")});
        cas("nom avec ÿ", "Haÿ;Desserts;;;;;;", "",
            {u("Ligne 2 : refusée : Le nom de la recette ne peut pas contenir le caractère « ÿ ». Supprimez-le avant "
               "de valider.")});
    }

    void lignes_commeLaFiche()
    {
        QFETCH(QString, ligne);
        QFETCH(QString, stockee);
        QFETCH(QStringList, remarques);
        auto t = std::make_unique<Tables>();
        baseDesserts(*t);
        Dossier d;
        const Bilan b = d.importer(*t, Entete + ligne + u("\r\n"));
        QCOMPARE(stockees(*t, 2), stockee.isEmpty() ? QStringList() : QStringList{stockee});
        QCOMPARE(::remarques(b), remarques);
        QCOMPARE(incoherence(*t), QString());
    }

    void testee_motsReconnus()
    {
        for (const char* oui : {"oui", "X", "1", "Vrai", "YES", "true", "Testée", " testee "})
            QCOMPARE(FicheImportee::testee(u(oui)), std::optional<bool>(true));
        for (const char* non : {"", " ", "non", "0", "FAUX", "No", "false"})
            QCOMPARE(FicheImportee::testee(u(non)), std::optional<bool>(false));
        for (const char* autre : {"peut-être", "2", "o"})
            QCOMPARE(FicheImportee::testee(u(autre)), std::nullopt);
    }

    // A duplicate has a recipe's name, magazine and number, blanks and case aside, in the base or earlier in the
    // file; "Les ajouter quand même" stores them all.
    void doublons_baseEtLignesPrecedentes()
    {
        for (const bool ajouter : {false, true}) {
            auto t = std::make_unique<Tables>();
            baseDesserts(*t);
            Dossier d;
            const Bilan b = d.importer(*t,
                                       Entete
                                           + u(" TARTE fine ;;;elle à table; 12 ;9\r\n"
                                               "Tarte fine;;;Elle à table;13;9\r\n"
                                               "Flan;;;Régal;1;2\r\nflan;x;;régal;1;\r\n"),
                                       ajouter);
            QCOMPARE(std::tuple(b.importees, b.doublons), ajouter ? std::tuple(4, 0) : std::tuple(2, 2));
            if (!ajouter)
                QCOMPARE(stockees(*t, 2),
                         QStringList({u("Tarte fine|||Elle à table|13|9||non"), u("Flan|||Régal|1|2||non")}));
        }
    }

    // Full category table: the row that needs a new category is refused with the card's words, the next row, on a
    // known category, is stored.
    void tablesPleines_ligneRefuseeLesAutresStockees()
    {
        auto t = std::make_unique<Tables>();
        t->NbCat = Tables::MaxCat;
        for (int c = 1; c <= Tables::MaxCat; ++c) {
            t->Cat(c) = u("Cat%1").arg(c);
            t->CatNbRecett(c) = 1;
        }
        Dossier d;
        const Bilan b = d.importer(*t, Entete + u("A;Nouvelle;;;;;;\r\nB;cat7;;;;;;\r\n"));
        QCOMPARE(remarques(b),
                 QStringList{u("Ligne 2 : refusée : La base ne peut pas contenir plus de 200 catégories : "
                               "la catégorie « Nouvelle » ne peut pas être ajoutée. Choisissez une "
                               "catégorie existante.")});
        QCOMPARE(stockees(*t), QStringList{u("B|Cat7||||||non")});
    }

    // Another base, current or older: its names matched by text whatever their numbers, the unused ones left
    // behind, the counters rebuilt; the file stays byte for byte as it was and nothing is written beside it.
    void fusion_nomsParLeurTexte_fichierIntact()
    {
        for (const bool ancienne : {false, true}) {
            auto autre = std::make_unique<Tables>();
            remplirTables(*autre, {u("Vieille/Rien"), u("Plats/Gratins"), u("desserts/Crèmes")},
                          {u("Oublié"), u("Régal"), u("ELLE À TABLE")},
                          {{"Flan", 3, 1, 3, 1, "5"}, {"Gratin", 2, 1, 2, 0, "", "", "Four\r\nchaud"}});
            QString texte = FichierBase::ecrire(*autre);
            if (ancienne) // the layout before v1.2: no header lines
                texte.remove(0, texte.indexOf(u("\r\n"), texte.indexOf(u("\r\n")) + 2) + 2);
            Dossier d;
            const QByteArray octets = Codec::encoder(texte);
            const QString chemin = d.ecrire(u("Autre.don"), octets);
            auto t = std::make_unique<Tables>();
            baseDesserts(*t);
            const SourceImport::Ouverture o = d.ouvrir(chemin);
            QVERIFY(o.source);
            QCOMPARE(o.source->lecture(),
                     ancienne ? u("base Zuta! antérieure à v1.2b, lue sans être convertie") : u("base Zuta! v1.2b"));
            const Bilan b = Importation::importer(*t, o.source->lignes(), {}, d.politique);
            QCOMPARE(stockees(*t, 2),
                     QStringList({u("Flan|Desserts|Crèmes|Elle à table|5|||oui"),
                                  u("Gratin|Plats|Gratins|Régal|||Four\r\nchaud|non")}));
            QCOMPARE(RapportImport::nouveauxNoms(b),
                     QStringList({u("Nouvelles catégories : Plats"),
                                  u("Nouvelles sous-catégories : Desserts / Crèmes ; Plats / Gratins"),
                                  u("Nouveaux magazines : Régal")}));
            QCOMPARE(std::tuple(t->NbCat, t->NbMag), std::tuple(2, 2));
            QCOMPARE(incoherence(*t), QString());
            QCOMPARE(Fichiers::lire(chemin, Fichiers::TailleMaxBase), octets);
            QCOMPARE(d.fichiers(), QStringList{u("Autre.don")});
        }
    }

    // The report's lines, and the refused rows as a spreadsheet with their reason.
    void rapportEtRefus_textesExacts()
    {
        auto t = std::make_unique<Tables>();
        baseDesserts(*t);
        Dossier d;
        const Bilan b = d.importer(*t,
                                   Entete
                                       + u("Tarte fine;;;Elle à table;12;\r\n;Desserts;;;;;;\r\n"
                                           "Flan;entremets;Œufs;Régal;\"3,4\";;;?\r\n"));
        const RapportImport::Contexte c{
            u("/tmp/f.csv"), u("UTF-8, séparateur point-virgule"),           true,
            false,           QDateTime(QDate(2026, 12, 6), QTime(14, 5, 9)), u("/tmp/Import-refus.csv")};
        QCOMPARE(RapportImport::texte(b, c).split(u("\r\n")),
                 u("Zuta! v1.2b - RAPPORT D'IMPORTATION|Importation du 06/12/2026 à 14:05:09|"
                   "Fichier importé : /tmp/f.csv|Lecture : UTF-8, séparateur point-virgule|Doublons : ignorés||"
                   "Lignes lues : 3|Recettes importées : 1|Doublons ignorés : 1|Lignes refusées : 1|Avertissements : 2|"
                   "Nouvelles catégories : 1|Nouvelles sous-catégories : 1|Nouveaux magazines : 1||"
                   "Nouvelles catégories : Entremets|Nouvelles sous-catégories : Entremets / Œufs|"
                   "Nouveaux magazines : Régal||Refus et avertissements|"
                   "Ligne 3 : refusée : La recette doit avoir un nom !|"
                   "Ligne 4 : Le champ « N° » contenait une virgule, remplacée par un blanc.|"
                   "Ligne 4 : La valeur « ? » du champ « Testée » n'est pas reconnue : la recette est importée comme "
                   "non testée.||Les recettes refusées sont dans le fichier /tmp/Import-refus.csv, à corriger puis à "
                   "importer de nouveau.|")
                     .split(u'|'));
        QCOMPARE(
            QString::fromUtf8(RapportImport::refus(b)),
            u("\uFEFF\"Nom\";\"Catégorie\";\"Sous-catégorie\";\"Magazine\";\"N°\";\"Pages\";\"Notes\";\"Testée\";"
              "\"Motif\"\r\n\"\";\"Desserts\";\"\";\"\";\"\";\"\";\"\";\"\";\"La recette doit avoir un nom !\"\r\n"));
    }

    // Files that are no spreadsheet to import: one sentence that names them, nothing read from them.
    void fichiersRefuses_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("octets"); // "fifo": a named pipe; "gros": 100 MB
        QTest::addColumn<QString>("refus");     // %1: the path
        QTest::newRow("guillemet ouvert") << u("a.csv") << QByteArray("Nom;N\xC2\xB0\r\nx;1\r\n\"y;2\r\nz;3\r\n")
                                          << u("Le fichier « %1 » ne peut pas être importé.\nLe guillemet ouvert "
                                               "ligne 3 n'est jamais refermé.");
        QTest::newRow("vide") << u("a.csv") << QByteArray("\xEF\xBB\xBF\r\n")
                              << u("Le fichier « %1 » est vide : il n'y a rien à importer.");
        QTest::newRow("en-tête seul") << u("a.csv") << QByteArray("Nom;Magazine\n;\n")
                                      << u("Le fichier « %1 » ne contient que sa ligne d'en-tête : il n'y a aucune "
                                           "recette à importer.");
        QTest::newRow("binaire")
            << u("a.csv") << QByteArray("Nom\0x", 5)
            << u("Le fichier « %1 » n'est pas un fichier texte : ce n'est pas un tableau au format "
                 "CSV.");
        QTest::newRow("trop gros") << u("a.csv") << QByteArray("gros")
                                   << u("Le fichier « %1 » est trop volumineux (100 Mo, pour 64 Mo au plus).");
        QTest::newRow("tube") << u("a.csv") << QByteArray("fifo")
                              << u("Le chemin « %1 » désigne un tube nommé, pas un fichier ordinaire.");
        QTest::newRow("base ouverte") << u("Base.don") << QByteArray(BaseVide)
                                      << u("La base « %1 » est la base ouverte : elle ne peut pas être importée dans "
                                           "elle-même.");
        QTest::newRow("pas une base") << u("b.don") << QByteArray("Nom;Magazine\n")
                                      << u("Le fichier « %1 » n'est pas une base Zuta! : sa première valeur n'est pas "
                                           "un nombre.");
    }

    void fichiersRefuses()
    {
        QFETCH(QString, nom);
        QFETCH(QByteArray, octets);
        QFETCH(QString, refus);
        Dossier d;
        const QString chemin = d.chemin(nom);
        if (octets == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0600), 0);
        else if (octets == "gros")
            QVERIFY(QFile(d.ecrire(nom, {})).resize(100 * Fichiers::Mo));
        else
            d.ecrire(nom, octets);
        const SourceImport::Ouverture o = d.ouvrir(chemin, d.chemin(u("Base.don")));
        QVERIFY(!o.source);
        QCOMPARE(o.refus, refus.arg(chemin));
    }

    // Saved by LibreOffice Calc: no BOM, LF, numbers unquoted, quotes only where needed, an apostrophe kept as text.
    // Made from libreoffice.fods beside it by:
    //   soffice --headless --convert-to 'csv:Text - txt - csv (StarCalc):59,34,76' libreoffice.fods
    void libreOffice_importeTel()
    {
        auto t = std::make_unique<Tables>();
        Dossier d;
        const Bilan b = d.importer(*t, d.ecrire(u("lo.csv"), donneeTest(u("libreoffice.csv"))));
        QCOMPARE(stockees(*t),
                 QStringList({u("Crème brûlée|Desserts|Crèmes|Elle à table|81|12|Four à 150 °C;\r\n"
                                "cuire « 1 h »|oui"),
                              u("=Soupe à l'oignon|Soupes||Régal|hs 3|-4|Le 'vrai' gratiné|oui"),
                              u("Œufs en meurette|Entrées||Elle à table|7|30  31||non")}));
        QCOMPARE(remarques(b),
                 QStringList({u("Ligne 4 : Le champ « Notes » contenait 2 guillemets, remplacés par des "
                                "apostrophes."),
                              u("Ligne 5 : Le champ « Pages » contenait une virgule, remplacée par un "
                                "blanc.")}));
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
