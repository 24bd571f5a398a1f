// Start and end of the program: the settings file read at start and written
// at the end, the controls' names, captions and tooltips, the sorted lists;
// "Quitter" and the close box, the save question, the normal window's place.
#include "Banc.h"
#include "app/Reglages.h"
#include "base/FichierBase.h"
#include <QFileInfo>

namespace {
using R = Plateforme::Reponse;
const QString Question = u("Confirmation de sauvegarde | Enregistrer les modifications\ndans la base de données ?");

// The settings file's five lines as the program writes them, the window
// standing at `cadre`'s place.
QStringList reglagesEcrits(Banc& b, int notes, int bulles, const QRect& cadre, const QString& base)
{
    const auto ligne = [](double n) { return (n < 0 ? u("%1 ") : u(" %1 ")).arg(n); };
    const double dpi = b.p().dpiEcran();
    return {ligne(notes),
            ligne(bulles),
            ligne(Reglages::pixelsVersTwips(cadre.top(), dpi)),
            ligne(Reglages::pixelsVersTwips(cadre.left(), dpi)),
            base,
            QString()};
}
} // namespace

class TestDemarrage : public QObject {
    Q_OBJECT
private slots:
    // The first start creates the default base without a word; "*" names
    // that base, a full path is taken whole (a comma included); notes,
    // tooltips and the window's place in twips as the file says. The
    // settings file is written at the end, with the base's full path.
    void demarrage_reglagesLusPuisEcritsALaFin_data()
    {
        QTest::addColumn<QString>("ligne5");     // none: no settings file
        QTest::addColumn<QList<int>>("valeurs"); // notes, tooltips, top, left
        QTest::newRow("premier démarrage") << QString() << QList<int>{0, 1};
        QTest::newRow("étoile, avec notes, sans bulles") << u("*") << QList<int>{1, 0, 900, 1800};
        QTest::newRow("chemin avec virgule") << u("Mes recettes, été.don") << QList<int>{0, 1, 1500, -300};
    }

    void demarrage_reglagesLusPuisEcritsALaFin()
    {
        QFETCH(QString, ligne5);
        QFETCH(QList<int>, valeurs);
        Banc b;
        const bool premier = ligne5.isNull();
        const QString base = premier || ligne5 == u("*") ? u("Zuta2005.don") : ligne5;
        if (!premier) {
            b.ecrireOctets(base, baseUneRecette());
            b.ecrire(u("Zuta.ini"),
                     u(" %1 \r\n %2 \r\n %3 \r\n %4 \r\n%5\r\n")
                         .arg(valeurs[0])
                         .arg(valeurs[1])
                         .arg(valeurs[2])
                         .arg(valeurs[3])
                         .arg(ligne5 == u("*") ? ligne5 : b.chemin(ligne5)));
        }
        Fenetre& f = b.demarrer();
        QVERIFY(b.boites().isEmpty());
        QCOMPARE(b.lire(base), premier ? BaseVide : baseUneRecette());
        QCOMPARE(b.p().base.NbRecett, premier ? 0 : 1);
        QCOMPARE(f.fen->windowTitle(), u("Zuta! v1.2b   (base : %1)").arg(base));
        QCOMPARE(f.CheckNotes->isChecked(), valeurs[0] == 1);
        for (QWidget* w : f.fen->controles())
            QVERIFY2(w->toolTip().isEmpty() == (valeurs[1] == 0), qPrintable(w->objectName()));
        if (!premier)
            QCOMPARE(f.fen->pos(),
                     QPoint(Reglages::twipsVersPixels(valeurs[3], b.p().dpiEcran()),
                            Reglages::twipsVersPixels(valeurs[2], b.p().dpiEcran())));
        // The start-up run again adds no second separator to the folder.
        b.p().etat.EtatDemarrage = Demarrage::BaseALire;
        b.p().Main();
        QCOMPARE(b.p().etat.CheminAppli, b.dossier());
        QCOMPARE(QFileInfo::exists(b.chemin(u("Zuta.ini"))), !premier);
        b.p().fermeture.finProgramme = [] {};
        f.fen->close();
        QCOMPARE(b.lignesReglages(), reglagesEcrits(b, valeurs[0], valeurs[1], f.fen->frameGeometry(), b.chemin(base)));

        // A path that Windows-1252 cannot hold: "?" in its place, never a stray byte, and a box says so.
        const QString chemin = b.chemin(u("Recettes Ωmega.don"));
        b.p().etat.CheminBase = chemin; // as chosen in the "Charger" dialog
        b.p().EcrireIni();
        QCOMPARE(b.boites(),
                 (QStringList{Question,
                              u("Zuta! | Le chemin de la base « ") + chemin
                                  + u(" » contient des caractères que le fichier « Zuta.ini » ne "
                                      "peut pas enregistrer : ils y sont remplacés par « ? ».\nLa "
                                      "base ne sera pas rouverte automatiquement au prochain "
                                      "démarrage.")}));
        QCOMPARE(b.lire(u("Zuta.ini")).right(20), QByteArray("Recettes ?mega.don\r\n"));
    }

    // Every control's name, caption (its accessible name) and tooltip (a
    // button's accessible description), whichever panel holds it.
    void controles_nomsLegendesBullesEtElements()
    {
        Banc b;
        Fenetre& f = b.demarrer();
        const char* const attendus[][3] = {
            {"CommandNouvelle", "Nouvelle", "Créer une nouvelle base de données"},
            {"CommandCharger", "Charger", "Charger une autre base de données"},
            {"CommandIndex", "Créer Index", "Indexer la liste des recettes"},
            {"CommandImpr", "Imprimer", "Imprimer la liste des recettes"},
            {"CheckNotes", "avec Notes", "Inclure les notes pour l'impression"},
            {"CommandAide", "Aide", "Afficher l'aide"},
            {"CommandQuitter", "Quitter", "A bientôt !"},
            {"CommandRechValider", "Actualiser", "Lancer la recherche selon les critères sélectionnés"},
            {"CheckRecettTeste", "Testée", "Recette testée ?"},
            {"CommandRecettNouvelle", "Nouvelle", "Créer une nouvelle recette"},
            {"CommandRecettValider", "Valider", "Enregistrer la recette"},
            {"CommandRecettSuppr", "Supprimer", "Effacer la recette"},
            {"CommandRecettImpr", "Imprimer", "Imprimer la recette"},
            {"CheckSaisie", "Saisie en chaine", "Supprimer l'actualisation entre 2 saisies (gain de temps)"},
            {"ComboRechCat", "Catégorie", "Catégorie à rechercher"},
            {"ComboRechSousCat", "Sous-catégorie", "Sous-catégorie à rechercher"},
            {"ComboRechMag", "Magazine", "Magazine à rechercher"},
            {"ComboTeste", "Recette testée ?", "La recette à rechercher doit-elle avoir été testée ?"},
            {"TextRech", "Texte à rechercher", "Texte à rechercher (dans Nom, N°, Pages et Notes)"},
            {"ListRecettes", "Nom des recettes", "Liste des recettes trouvées selon les critères de recherche"},
            {"TextRecettNom", "Nom", "Nom de la recette."},
            {"ComboRecettCat", "Catégorie", "Catégorie de la recette."},
            {"ComboRecettSousCat", "Sous-catégorie", "Sous-catégorie de la catégorie sélectionée."},
            {"ComboRecettMag", "Magazine", "Nom du magazine."},
            {"TextRecettNumero", "N°", "N° du magazine. Caractères alphabétiques acceptés."},
            {"TextRecettPage", "Pages", "Page(s) du magazine. Caractères alphabétiques acceptés."},
            {"TextRecettComment", "Notes", "Commentaires, recette détaillée..."},
        };
        for (const auto& [nom, legende, bulle] : attendus) {
            auto* w = f.controle<QWidget>(nom);
            QCOMPARE(w->accessibleName(), u(legende));
            QCOMPARE(w->toolTip(), u(bulle));
            if (auto* bouton = qobject_cast<QAbstractButton*>(w)) {
                QCOMPARE(bouton->text(), u(legende));
                QCOMPARE(bouton->accessibleDescription(), u(bulle));
            }
        }
        QCOMPARE(f.ComboRecettCat->lineEdit()->toolTip(), u("Catégorie de la recette."));
        QCOMPARE(f.FrameRech->title(), u("Recherche"));
        QVERIFY(f.LabelTotalrecett->accessibleName().isEmpty() && f.LabelNbRecettList->accessibleName().isEmpty());
    }

    // French order without case, a leading blank first: in the search lists
    // and the card's.
    void listesTriees_ordreFrancaisSansCasseBlancDeTeteDAbord()
    {
        auto t = std::make_unique<Tables>();
        remplirTables(*t, {u("tartes"), u("Éclairs"), u("Entrées"), u("abricots"), u("Tartelettes"), u("Zeste")},
                      {u("Régal")}, {{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}, {"e", 5}, {"f", 6}});
        Banc b;
        Fenetre& f = b.demarrerSur(FichierBase::ecrire(*t));
        const QStringList tries{u("abricots"), u("Éclairs"), u("Entrées"), u("Tartelettes"), u("tartes"), u("Zeste")};
        QCOMPARE(entrees(f.ComboRechCat), QStringList{u(" --> TOUTES")} + tries);
        QCOMPARE(entrees(f.ComboRecettCat), tries);
    }

    // "Quitter" and the close box run the same sequence: the save question (any answer but No saves, a
    // question closed without an answer too), the settings written whatever the answer with the normal
    // window's place; a second closing runs nothing again.
    void quitter_memeSequence_data()
    {
        QTest::addColumn<bool>("parBouton");
        QTest::addColumn<bool>("agrandie");
        QTest::addColumn<Plateforme::Reponse>("reponse");
        QTest::newRow("Quitter, Oui") << true << false << R::Oui;
        QTest::newRow("case de fermeture, Oui") << false << false << R::Oui;
        QTest::newRow("question fermée sans réponse") << true << false << R::Fermee;
        QTest::newRow("Non") << false << false << R::Non;
        QTest::newRow("fenêtre agrandie") << true << true << R::Oui;
    }

    void quitter_memeSequence()
    {
        QFETCH(bool, parBouton);
        QFETCH(bool, agrandie);
        QFETCH(Plateforme::Reponse, reponse);
        Banc b;
        Fenetre& f = b.demarrerSurFichier(baseUneRecette());
        int fins = 0;
        b.p().fermeture.finProgramme = [&] { ++fins; };
        f.fen->move(120, 80);
        const QRect normal = f.fen->frameGeometry();
        if (agrandie)
            f.fen->showMaximized();
        QTRY_VERIFY(!agrandie || f.fen->frameGeometry().size() != normal.size()); // the platform's events apply it
        QFile::remove(b.chemin(u("Zuta.ini")));
        b.p().base.RecettTexte(1, 3) = u("Tarte aux poires");
        b.progressions.clear();
        b.plateforme.reponses << reponse;
        if (parBouton)
            f.CommandQuitter->click();
        else
            f.fen->close();
        f.fen->close();
        QCOMPARE(fins, 1);
        QVERIFY(!f.fen->isVisible());
        QCOMPARE(b.boites(), QStringList{Question});
        const bool sauvee = reponse != R::Non;
        QCOMPARE(b.lire(u("Recettes.don")).contains("\"Tarte aux poires\""), sauvee);
        // The progress window stands in the middle of the rectangle the window left.
        QCOMPARE(b.titresProgression(),
                 sauvee ? QStringList{u("Zuta! / Enregistrement base / Sauvegarde des données en cours...")}
                        : QStringList());
        QVERIFY(!sauvee || (normal.center() - b.progressions.last().cadre.center()).manhattanLength() <= 4);
        QCOMPARE(b.lignesReglages(), reglagesEcrits(b, 0, 1, normal, b.chemin(u("Recettes.don"))));
    }
};

QTEST_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
