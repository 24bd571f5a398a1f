// The import's hashed names against the card's look-up: the same places, the same numbers, the same tables.
#include "Outils.h"
#include "base/FichierBase.h"
#include "base/RepertoireNoms.h"
#include "base/TexteFiche.h"
#include <QRandomGenerator>

class TestRepertoireNoms : public QObject {
    Q_OBJECT
private slots:
    // Random finds-or-adds on two copies of a base whose names repeat in other cases, some unused (counter 0), the
    // categories nearly full: each look-up, number and the whole tables at the end agree; full tables are seen alike.
    void trouverOuAjouter_memesNumerosQueLaFiche()
    {
        QRandomGenerator g(2026);
        auto carte = std::make_unique<Tables>();
        QStringList categories;
        for (int c = 1; c <= Tables::MaxCat - 3; ++c)
            categories << u("Cat%1/Sous1/sous1/Sous%2").arg(c % 150).arg(c);
        remplirTables(*carte, categories, {u("Elle"), u("ELLE"), u("Régal")}, {{"a", 1, 2, 1}, {"b", 40, 3, 3}});
        auto import = std::make_unique<Tables>(*carte);
        RepertoireNoms noms(*import);
        int pleines = 0;
        for (int i = 0; i < 4000; ++i) {
            const QString texte = u(" cat%1 ").arg(g.bounded(220));
            const bool sousCategorie = g.bounded(2) == 1, magazine = g.bounded(4) == 0;
            const int c = 1 + g.bounded(40);
            ListeNoms liste = magazine ? ListeNoms::magazines(*carte)
                : sousCategorie        ? ListeNoms::sousCategories(*carte, c)
                                       : ListeNoms::categories(*carte);
            IndexNoms& index = magazine ? noms.magazines() : sousCategorie ? noms.sousCategories(c) : noms.categories();
            const QString nom = TexteFiche::nomNormalise(texte, !magazine);
            QCOMPARE(index.normaliser(texte, !magazine), nom);
            const ListeNoms::Place attendue = liste.chercherPlace(nom), vue = index.chercherPlace(nom);
            QCOMPARE(std::tuple(vue.numero, vue.nouvelle, vue.pleine),
                     std::tuple(attendue.numero, attendue.nouvelle, attendue.pleine));
            pleines += attendue.pleine;
            if (!attendue.pleine)
                QCOMPARE(index.trouverOuAjouter(texte, !magazine), liste.trouverOuAjouter(texte, !magazine));
        }
        QVERIFY(pleines > 100);
        QCOMPARE(FichierBase::ecrire(*import), FichierBase::ecrire(*carte));
    }
};

QTEST_GUILESS_MAIN(TestRepertoireNoms)
#include "tst_repertoirenoms.moc"
