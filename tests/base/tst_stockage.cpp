// The card's rules with no window: random validations and deletions, find-or-add, refusals, tidying.
#include "Outils.h"
#include "PlateformeScriptee.h"
#include "base/ControleFiche.h"
#include "base/EtatProgramme.h"
#include "base/ListeNoms.h"
#include "base/StockageRecette.h"
#include "base/Texte.h"
#include "base/TexteFiche.h"
#include "platform/PolitiqueErreurs.h"
#include <QRandomGenerator>
#include <QRegularExpression>

class TestStockage : public QObject {
    Q_OBJECT
private slots:
    // Each step validates a new or changed recipe as the card does, deletes one, or undoes the last deletion (not
    // after a validation); the model keeps names in capitals, trimmed, quotes as apostrophes, and never deleted the
    // undone recipes. In the end each name is kept once whatever its case, and no error was shown.
    void suitesAleatoires_compteursEtTablesExacts()
    {
        QRandomGenerator g(20261206);
        auto t = std::make_unique<Tables>();
        PlateformeScriptee plateforme;
        PolitiqueErreurs politique(plateforme);
        StockageRecette stockage(*t, politique);
        QList<QStringList> modele;
        std::optional<std::pair<RecetteSupprimee, QStringList>> annulable; // with its line of the model
        // Case variants, blanks, double quotes, and names the card refuses.
        const QStringList cats =
            u("|desserts|DESSERTS |Entrées| soupes|Plats|gâteaux|Gâteaux|Tartes, quiches").split(u'|');
        const QStringList sousCats = u("|tartes|Crèmes|fruits|Chocolat").split(u'|');
        const QStringList mags = u("|Elle|elle à table|Cuisine \"actuelle\"|Elle\r\nà table").split(u'|');
        const auto nomModele = [](const QString& nom) { return nom.trimmed().replace(u("\""), u("'")).toUpper(); };
        for (int etape = 0; etape < 3000; ++etape) {
            const int r = t->NbRecett == 0 ? 0 : g.bounded(1, t->NbRecett + 1);
            const int action = r == 0 ? 0 : g.bounded(12); // 0-3 new, 4-7 change recipe r, 8-9 delete it, 10-11 undo
            FicheRecette f;                                // a new card keeps the slot shown before it
            f.RecettCourante = r;
            if (action >= 4) // the card as a click on the line of recipe r leaves it
                f = FicheRecette(r, true, t->RecettTexte(r, Recette::Nom), t->RecettTexte(r, Recette::Numero),
                                 t->RecettTexte(r, Recette::Page), t->RecettTexte(r, Recette::Notes),
                                 t->RecettVal(r, Recette::Categorie), t->RecettVal(r, Recette::SousCategorie),
                                 t->RecettVal(r, Recette::Magazine), t->RecettVal(r, Recette::Testee), {},
                                 t->RecettVal(r, Recette::Categorie), t->RecettVal(r, Recette::SousCategorie),
                                 t->RecettVal(r, Recette::Magazine));
            if (action >= 10) {
                if (annulable) {
                    QVERIFY(stockage.restaurer(annulable->first));
                    modele.insert(annulable->first.slot - 1, annulable->second);
                    annulable.reset();
                }
            } else if (action >= 8) {
                RecetteSupprimee retiree;
                QVERIFY(stockage.SupprimerRecette(f, &retiree));
                annulable = {retiree, modele.takeAt(r - 1)};
            } else {
                const bool tout = action < 4;
                QVERIFY(!tout || !stockage.SupprimerRecette(f)); // a new card deletes nothing
                NomsSaisis n{t->Cat(f.RecettCat), t->SousCat(f.RecettCat, f.RecettSousCat), t->Mag(f.RecettMag)};
                for (auto [champ, noms] : {std::pair{&n.categorie, &cats}, std::pair{&n.sousCategorie, &sousCats},
                                           std::pair{&n.magazine, &mags}})
                    if (tout || g.bounded(2))
                        *champ = noms->at(g.bounded(int(noms->size())));
                if (n.categorie.isEmpty()) // no sub-category without a category, as the card leaves it
                    n.sousCategorie.clear();
                if (tout || g.bounded(3) == 0)
                    f.RecettNom = u("Recette \"%1\"").arg(g.bounded(40)) + (g.bounded(30) ? u("") : u("ÿ"));
                f.RecettPage = QString::number(g.bounded(200));
                const SaisieFiche s{f.RecettNom, n.categorie, n.sousCategorie, n.magazine, {}, f.RecettPage, {}, tout};
                const bool refusee = (n.categorie + n.magazine + f.RecettNom).contains(QRegularExpression(u("[,\nÿ]")));
                QCOMPARE(!motifDeRefus(*t, s).isEmpty(), refusee);
                if (!refusee) {
                    annulable.reset(); // a new name may take the slot of a name the deletion left unused
                    stockage.stockerNomsEtRetirerAnciens(f, n);
                    stockage.EnregistrerRecette(f);
                    QStringList& ligne = tout ? modele.emplace_back() : modele[r - 1];
                    ligne = {QString(f.RecettNom).replace(u("\""), u("'")), f.RecettPage, nomModele(n.categorie),
                             nomModele(n.sousCategorie), nomModele(n.magazine)};
                }
            }
            QVERIFY2(incoherence(*t).isEmpty(), qPrintable(u("step %1: ").arg(etape) + incoherence(*t)));
            QCOMPARE(t->NbRecett, modele.size());
            for (int k = 1; k <= t->NbRecett; ++k) { // name, page, then the names it points at
                const int c = t->RecettVal(k, Recette::Categorie), s = t->RecettVal(k, Recette::SousCategorie),
                          m = t->RecettVal(k, Recette::Magazine);
                QCOMPARE((QStringList{t->RecettTexte(k, Recette::Nom), t->RecettTexte(k, Recette::Page),
                                      t->Cat(c).toUpper(), t->SousCat(c, s).toUpper(), t->Mag(m).toUpper()}),
                         modele[k - 1]);
            }
        }
        QVERIFY(t->NbCat <= 5 && t->NbMag <= 3 && modele.size() > 20 && plateforme.boites.isEmpty());
    }

    void trouverOuAjouter_existantDernierEgalPuisPremierInutilise()
    {
        Tables t;
        remplirTables(t, {u("Desserts"), u("Entrées"), u("desserts")}, {}, {{"a", 1}, {"b", 1}, {"c", 3}});
        auto cats = ListeNoms::categories(t);
        QCOMPARE(cats.trouverOuAjouter(u(" ENTRÉES "), true), 2);
        QCOMPARE(cats.trouverOuAjouter(u("DESSERTS"), true), 3);
        QCOMPARE(QList<int>({t.CatNbRecett(1), t.CatNbRecett(2), t.CatNbRecett(3)}), QList<int>({2, 1, 2}));
        t.CatNbRecett(2) = 0;
        QCOMPARE(cats.trouverOuAjouter(u("tartes SALÉES"), true), 2);
        QCOMPARE(t.Cat(2) + u(" / ") + t.Cat(3), u("Tartes salées / desserts"));
        QCOMPARE(QList<int>({ListeNoms::magazines(t).trouverOuAjouter(u("   "), false), t.NbMag}), QList<int>({0, 0}));
    }

    // The card as "name|category|sub-category|magazine|notes"; a new recipe on empty (0) or full tables (3), a recipe
    // of full tables (1), of full tables with a free entry (2).
    void motifDeRefus_texteExact_data()
    {
        QTest::addColumn<QString>("champs");
        QTest::addColumn<int>("tables");
        QTest::addColumn<QString>("motif");
        const auto ligne = [](const char* nom, const char* champs, int tables, const char* motif = "") {
            QTest::newRow(nom) << u(champs) << tables << u(motif);
        };
        ligne("caractere hors Windows-1252", "Tarte||||Délicieux 😋", 0,
              "Le champ « Notes » contient le caractère « 😋 » (U+1F60B), que la base ne peut pas enregistrer.\n"
              "Remplacez-le ou supprimez-le avant de valider.");
        ligne("virgule dans une sous-categorie", "Tarte|Tartes|Salées, sucrées||", 0,
              "Le champ « Sous-catégorie » ne peut pas contenir de virgule : « Salées, sucrées ».\n"
              "Supprimez la virgule avant de valider.");
        ligne("retour a la ligne dans un magazine", "Tarte|||Elle\r\nà table|", 0,
              "Le champ « Magazine » ne peut pas contenir de retour à la ligne.");
        ligne("ÿ dans le nom", "Tarteÿ 3||||", 0,
              "Le nom de la recette ne peut pas contenir le caractère « ÿ ».\nSupprimez-le avant de valider.");
        ligne("virgules dans le nom et les notes, ÿ dans une liste: acceptes",
              "Tarte, pommes|Crème brûlée|Ÿÿ||sel, poivre\r\n€ 3", 0);
        ligne("categories pleines", "Tarte|soupes|||", 1,
              "La base ne peut pas contenir plus de 200 catégories : la catégorie « Soupes » ne peut pas être "
              "ajoutée.\nChoisissez une catégorie existante.");
        ligne("sous-categories pleines", "Tarte|nom 1|neuve||", 1,
              "La catégorie « Nom 1 » ne peut pas contenir plus de 500 sous-catégories : la sous-catégorie "
              "« Neuve » ne peut pas être ajoutée.\nChoisissez une sous-catégorie existante.");
        ligne("magazines pleins", "Tarte|||elle|", 1,
              "La base ne peut pas contenir plus de 500 magazines : le magazine « Elle » ne peut pas être ajouté.\n"
              "Choisissez un magazine existant.");
        ligne("recettes pleines", "Tarte|Nom 2|||", 3,
              "La base est pleine : elle ne peut pas contenir plus de 33000 recettes.\nLa recette n'est pas "
              "enregistrée.");
        ligne("noms existants: acceptee", "Tarte|NOM 7|nom 3|nom 9|", 1);
        ligne("noms nouveaux dans les entrees inutilisees: acceptee", "Tarte|Nom 1|neuve|Neuf|", 2);
    }

    void motifDeRefus_texteExact()
    {
        QFETCH(QString, champs);
        QFETCH(int, tables);
        QFETCH(QString, motif);
        const QStringList c = champs.split(u("|"));
        auto t = std::make_unique<Tables>();
        if (tables > 0) { // every name (sub-categories of category 1) and recipe slot used; entry 77 free in (2)
            t->NbRecett = Tables::MaxRecett;
            for (ListeNoms liste :
                 {ListeNoms::categories(*t), ListeNoms::sousCategories(*t, 1), ListeNoms::magazines(*t)}) {
                liste.fixerNombre(liste.maximum());
                for (int i = 1; i <= liste.maximum(); ++i) {
                    liste.nom(i) = u("Nom %1").arg(i);
                    liste.compteur(i) = tables == 2 && i == 77 ? 0 : 1;
                }
            }
        }
        QCOMPARE(motifDeRefus(*t, {c[0], c[1], c[2], c[3], {}, {}, c[4], tables % 3 == 0}), motif);
    }

    void textes_blancsCasseGuillemetsEtFinsDeLigne()
    {
        QCOMPARE(Texte::sansBlancs(u("  \tTarte\n ")), u("\tTarte\n"));      // spaces only
        QCOMPARE(TexteFiche::premiereMajuscule(u("µ-ondes")), u("µ-ondes")); // Windows-1252 has no capital µ
        QCOMPARE(TexteFiche::premiereMajuscule(u("ÿ")), QString(QChar(0x178)));
        QCOMPARE(TexteFiche::notesPourAffichage(u("a\r\nb\r\n")), u("a\nb\n")); // CR LF in the base, LF in the box
        for (const QString& notes : {u("a\nb"), u("a\r\nb"), u("a\u2029b")})
            QCOMPARE(TexteFiche::notesPourBase(notes), u("a\r\nb"));
        QCOMPARE(TexteFiche::caractereNonRepresentable(u("Crème brûlée € œ 🍰 ☺")), u("🍰")); // whole code point
    }
};

QTEST_GUILESS_MAIN(TestStockage)
#include "tst_stockage.moc"
