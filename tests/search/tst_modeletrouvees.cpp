// The found list as a table, without widgets: each row read from the tables through the found-list pair, and the
// sort by a column, stable, back to the pair's own order by "Nom", kept when the found list is rebuilt.
#include "Outils.h"
#include "base/Collation.h"
#include "base/ListeTrouvee.h"
#include "search/ModeleTrouvees.h"
#include <QSignalSpy>

namespace {
using M = ModeleTrouvees;

struct Liste {
    Tables t;
    ListeTrouvee trouvees;
    Collation collation;
    ModeleTrouvees modele{t, trouvees, collation};

    // The found list in the pair's order (by name, then slot as text).
    explicit Liste(std::initializer_list<RecetteTables> recettes)
    {
        remplirTables(t, {u("Desserts/Tartes/ Crèmes "), u("Plats/Soupes")}, {u("Elle"), u(" Régal "), u("Cuisine")},
                      recettes);
        trouver();
    }
    void trouver(QList<int> numeros = {})
    {
        if (numeros.isEmpty())
            for (int r = 1; r <= t.NbRecett; ++r)
                numeros << r;
        QList<std::pair<QString, int>> lignes;
        for (int r : numeros)
            lignes << std::pair{r <= t.NbRecett ? t.RecettTexte(r, Recette::Nom) : u("Perdue"), r};
        std::sort(lignes.begin(), lignes.end(), [this](const auto& a, const auto& b) {
            if (a.first != b.first)
                return collation.trier({a.first, b.first}).first() == a.first;
            return u(" %1").arg(a.second) < u(" %1").arg(b.second);
        });
        trouvees.vider();
        for (const auto& [nom, r] : lignes)
            trouvees.ajouter(nom, r);
        modele.recharger();
    }
    // Column c of every row, in the order shown.
    QStringList colonne(int c) const
    {
        QStringList l;
        for (int k = 0; k < modele.rowCount(); ++k)
            l << modele.data(modele.index(k, c)).toString();
        return l;
    }
};
} // namespace

class TestModeleTrouvees : public QObject {
    Q_OBJECT
private slots:
    // Each column as stored, trimmed, the number in upper case, "oui" for a tested recipe; a value out of its table
    // and a line that names no recipe show nothing; the whole row for a row cut on screen.
    void rangees_lesTablesLuesParLaListeTrouvee()
    {
        Liste l{{"Tarte fine ", 1, 1, 2, 1, " hs 3", "12-14 ", "notes"},
                {"Bouillon", 2, 1, 0, 0, "", "", ""},
                {" Crème", 1, 2, 1, 0, "7", "3", ""}};
        l.t.RecettVal(2, Recette::Magazine) = 600;
        l.trouver({1, 2, 3, 40000});
        QCOMPARE(l.modele.columnCount(), 7);
        QStringList entetes;
        for (int c = 0; c < 7; ++c)
            entetes << l.modele.headerData(c, Qt::Horizontal).toString();
        QCOMPARE(entetes.join(u'|'), u("Nom|Magazine|N°|Pages|Catégorie|Sous-catégorie|Testée"));
        QStringList rangees;
        for (int k = 0; k < l.modele.rowCount(); ++k) {
            QStringList cellules;
            for (int c = 0; c < 7; ++c)
                cellules << l.modele.texte(k, c);
            rangees << cellules.join(u'|');
        }
        QCOMPARE(rangees,
                 (QStringList{u("Crème|Elle|7|3|Desserts|Crèmes|"), u("Bouillon||||Plats|Soupes|"), u("Perdue||||||"),
                              u("Tarte fine|Régal|HS 3|12-14|Desserts|Tartes|oui")}));
        QCOMPARE(l.modele.rangeeEntiere(3), u("Tarte fine — Régal — N° HS 3 — 12-14 — Desserts — Tartes — Testée"));
    }

    // A click on a header: the rows by that column, again to reverse it; ties keep the pair's order (by name), in
    // both directions; "Nom" gives back the pair's order exactly. The chosen row stays chosen; the sort is kept when
    // the found list is rebuilt; the lines and rows stay each other's inverse.
    void tri_stableParColonneEtGardeApresActualisation_data()
    {
        QTest::addColumn<int>("colonne");
        QTest::addColumn<int>("sens");
        QTest::addColumn<QString>("noms"); // the first letter of each name, in the order shown
        QTest::newRow("ordre de la liste") << -1 << 0 << u("ABCDEF");
        QTest::newRow("nom") << int(M::Nom) << 0 << u("ABCDEF");
        QTest::newRow("nom, inverse") << int(M::Nom) << 1 << u("FEDCBA");
        QTest::newRow("magazine") << int(M::Magazine) << 0 << u("DBCEFA");
        QTest::newRow("magazine, inverse") << int(M::Magazine) << 1 << u("AEFBCD");
        QTest::newRow("numero, comme texte") << int(M::Numero) << 0 << u("BDECFA");
        QTest::newRow("pages") << int(M::Pages) << 0 << u("ACDEBF");
        QTest::newRow("categorie") << int(M::Categorie) << 0 << u("DABCEF");
        QTest::newRow("sous-categorie") << int(M::SousCategorie) << 0 << u("DCFABE");
        QTest::newRow("testee, inverse") << int(M::Testee) << 1 << u("ABCDEF");
    }

    void tri_stableParColonneEtGardeApresActualisation()
    {
        QFETCH(int, colonne);
        QFETCH(int, sens);
        QFETCH(QString, noms);
        Liste l{{"Flan", 2, 1, 1, 0, "8", "9"},    {"Crumble", 1, 2, 3, 0, "12", "1"},
                {"Brioche", 1, 1, 3, 0, "", "12"}, {"Aligot", 1, 1, 2, 1, "hs 1", "1"},
                {"Daube", 0, 0, 0, 0, "10", "10"}, {"Éclair", 1, 1, 1, 0, "11", "111"}};
        const int choisie = l.modele.rangee(4); // Éclair
        QPersistentModelIndex garde(l.modele.index(choisie, 0));
        l.modele.sort(colonne, Qt::SortOrder(sens));
        const auto initiales = [&] {
            QString s;
            for (const QString& n : l.colonne(M::Nom))
                s += n.left(1).replace(u("É"), u("E"));
            return s;
        };
        QCOMPARE(initiales(), noms);
        QCOMPARE(l.modele.texte(garde.row(), M::Nom), u("Éclair"));
        l.trouver();
        QCOMPARE(initiales(), noms);
        QCOMPARE(l.modele.colonneTri(), colonne);
        for (int k = 0; k < l.modele.rowCount(); ++k)
            QCOMPARE(l.modele.rangee(l.modele.ordre()[k]), k);
    }
};

QTEST_GUILESS_MAIN(TestModeleTrouvees)
#include "tst_modeletrouvees.moc"
