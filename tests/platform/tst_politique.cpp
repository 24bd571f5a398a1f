#include "platform/PlateformeScriptee.h"
#include "platform/PolitiqueErreurs.h"
#include <QTest>

class TstPolitique : public QObject {
    Q_OBJECT
private slots:
    void reessayerPuisReussite_relanceLEtape()
    {
        PlateformeScriptee p;
        PolitiqueErreurs politique(p);
        int appels = 0;
        QVERIFY(politique.etape([&] { ++appels; })); // a step that succeeds asks nothing
        QVERIFY(p.boites.isEmpty());
        p.reponses.enqueue(Plateforme::Reponse::Reessayer);
        appels = 0;
        QVERIFY(politique.etape([&] {
            if (++appels == 1)
                throw ErreurExecution(Erreurs::FichierIntrouvable);
        }));
        QCOMPARE(appels, 2);
        QCOMPARE(p.boites.size(), 1);
        QCOMPARE(p.boites[0].titre + " | " + p.boites[0].texte, QStringLiteral("Erreur ! | Fichier introuvable"));
        QCOMPARE(p.boites[0].boutons, Plateforme::Boutons::ReessayerAnnuler);
        QCOMPARE(p.boites[0].icone, Plateforme::Icone::Exclamation);
    }

    void annuler_passeALEtapeSuivante()
    {
        PlateformeScriptee p;
        p.reponses.enqueue(Plateforme::Reponse::Annuler);
        PolitiqueErreurs politique(p);
        QStringList faites;
        QVERIFY(!politique.etape([&] { throw ErreurExecution(Erreurs::IndiceHorsSelection); }));
        politique.etape([&] { faites << QStringLiteral("suivante"); });
        QCOMPARE(faites, QStringList{QStringLiteral("suivante")});
        QCOMPARE(p.boites.size(), 1);
        QCOMPARE(p.boites[0].texte, QStringLiteral("L'indice n'appartient pas à la sélection"));
    }

    void impressionEnregistree_ligneOuverteEtSautsDeLigne()
    {
        ImpressionEnregistree i;
        i.taille(12);
        i.imprimer({QStringLiteral("Desserts")}, false);
        i.imprimer({QStringLiteral(" / "), QStringLiteral("Tartes")});
        i.ligneVide();
        i.italique(true);
        i.imprimer({QStringLiteral("un\r\ndeux")});
        i.finDocument();
        QCOMPARE(i.lignes.size(), 4);
        QCOMPARE(i.lignes[0].texte, QStringLiteral("Desserts / Tartes"));
        QCOMPARE(i.lignes[1].texte, QString());
        QCOMPARE(i.lignes[2].texte, QStringLiteral("un"));
        QVERIFY(i.lignes[3].italique);
        QCOMPARE(i.lignes[3].taille, 12);
        QVERIFY(i.termine);
    }
};

QTEST_GUILESS_MAIN(TstPolitique)
#include "tst_politique.moc"
