// Start and end of the program: the controls' names, captions and tooltips, the sorted lists; the settings file
// read at start and written at the end, "Quitter" and the close box, the save question, the normal window's place.
#include "Banc.h"
#include "app/Lancement.h"
#include "app/Reglages.h"
#include "base/FichierBase.h"

namespace {
using R = Plateforme::Reponse;
const QString Question = u("Confirmation de sauvegarde | Enregistrer les modifications\ndans la base de données ?");

// The settings file's five lines as the program writes them, the window
// standing at `cadre`'s place.
QStringList reglagesEcrits(Banc& b, int notes, int bulles, const QRect& cadre, const QString& base)
{
    const auto ligne = [](double n) { return (n < 0 ? u("%1 ") : u(" %1 ")).arg(n); };
    const auto twips = [&](int pixels) { return ligne(Reglages::pixelsVersTwips(pixels, b.p().dpiEcran())); };
    return {ligne(notes), ligne(bulles), twips(cadre.top()), twips(cadre.left()), base, QString()};
}
} // namespace

class TestDemarrage : public QObject {
    Q_OBJECT
private slots:
    // Every control's name, caption (its accessible name) and tooltip (a
    // button's accessible description), whichever panel holds it.
    void controles_nomsLegendesBullesEtElements()
    {
        Banc b;
        Fenetre& f = b.demarrer();
        const char* const attendus[][3] = {
            {"CommandNouvelle", "&Nouvelle", "Créer une nouvelle base de données"},
            {"CommandCharger", "&Charger", "Charger une autre base de données"},
            {"CommandExporter", "E&xporter...", "Exporter les recettes vers un tableur"},
            {"CommandImporter", "I&mporter...", "Importer les recettes d'un tableur ou d'une autre base"},
            {"CommandIndex", "Créer &Index", "Indexer la liste des recettes"},
            {"CommandImpr", "Im&primer", "Imprimer la liste des recettes"},
            {"CommandApercu", "&Aperçu", "Aperçu avant impression de la liste des recettes"},
            {"CheckNotes", "avec N&otes", "Inclure les notes pour l'impression"},
            {"CommandAide", "Ai&de", "Afficher l'aide"},
            {"CommandQuitter", "&Quitter", "A bientôt !"},
            {"CommandRechValider", "Act&ualiser", "Lancer la recherche selon les critères sélectionnés"},
            {"CheckRecettTeste", "&Testée", "Recette testée ?"},
            {"CommandRecettNouvelle", "Nouv&elle", "Créer une nouvelle recette"},
            {"CommandRecettValider", "&Valider", "Enregistrer la recette"},
            {"CommandRecettSuppr", "&Supprimer", "Effacer la recette"},
            {"CommandRecettImpr", "Imp&rimer", "Imprimer la recette"},
            {"CommandRecettApercu", "Aper&çu", "Aperçu avant impression de la recette"},
            {"CheckSaisie", "Saisie en c&haine", "Supprimer l'actualisation entre 2 saisies (gain de temps)"},
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
            QCOMPARE(w->accessibleName(), u(legende).remove(QLatin1Char('&'))); // the Alt+letter is not read
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

    // Started on the settings (none: the default base is created without a word; "*" names it; a full path is taken
    // whole, comma included): notes, tooltips, the window's place in twips. "Quitter" and the close box run the same
    // sequence: the save question (any answer but No saves, no answer too), the settings written whatever the
    // answer, with the base's full path and the normal window's place; a second closing runs nothing again.
    void demarrage_puisQuitter_reglagesLusPuisEcritsALaFin_data()
    {
        QTest::addColumn<QString>("ligne5");     // none: no settings file
        QTest::addColumn<QList<int>>("valeurs"); // notes, tooltips, top, left
        QTest::addColumn<int>("fermeture");      // 0: "Quitter", 1: the close box, 2: "Quitter" once maximized
        QTest::addColumn<Plateforme::Reponse>("reponse");
        QTest::newRow("premier démarrage, case de fermeture, Non") << QString() << QList<int>{0, 1} << 1 << R::Non;
        QTest::newRow("étoile, avec notes, sans bulles, Quitter, Oui")
            << u("*") << QList<int>{1, 0, 900, 1800} << 0 << R::Oui;
        QTest::newRow("chemin avec virgule, question fermée sans réponse")
            << u("Mes recettes, été.don") << QList<int>{0, 1, 1500, -300} << 0 << R::Fermee;
        QTest::newRow("case de fermeture, Oui") << u("Recettes.don") << QList<int>{0, 1, 1200, 1500} << 1 << R::Oui;
        QTest::newRow("fenêtre agrandie") << u("*") << QList<int>{0, 1, 1200, 1800} << 2 << R::Oui;
    }

    void demarrage_puisQuitter_reglagesLusPuisEcritsALaFin()
    {
        QFETCH(QString, ligne5);
        QFETCH(QList<int>, valeurs);
        QFETCH(int, fermeture);
        QFETCH(Plateforme::Reponse, reponse);
        Banc b;
        const bool premier = ligne5.isNull();
        const QString base = premier || ligne5 == u("*") ? u("Zuta2005.don") : ligne5;
        if (!premier) {
            b.ecrireOctets(base, baseUneRecette());
            QStringList l;
            for (const int v : valeurs)
                l << u(" %1 ").arg(v);
            b.ecrire(u("Zuta.ini"), lignes(l << (ligne5 == u("*") ? ligne5 : b.chemin(ligne5))));
        }
        Fenetre& f = b.demarrer();
        QVERIFY(b.boites().isEmpty());
        QCOMPARE(b.lire(base), premier ? BaseVide : baseUneRecette());
        QCOMPARE(f.titre(), u("Zuta! v1.2b   (base : %1)").arg(base));
        QCOMPARE(f.CheckNotes->isChecked(), valeurs[0] == 1);
        for (QWidget* w : f.fen->controles())
            QVERIFY2(w->toolTip().isEmpty() == (valeurs[1] == 0), qPrintable(w->objectName()));
        const double dpi = b.p().dpiEcran();
        if (!premier) // kept where it fits on the screen, moved inside it otherwise
            QCOMPARE(f.fen->pos(),
                     QPoint(std::max(0, Reglages::twipsVersPixels(valeurs[3], dpi)),
                            std::max(0, Reglages::twipsVersPixels(valeurs[2], dpi))));
        QCOMPARE(QFile::exists(b.chemin(u("Zuta.ini"))), !premier); // the settings are written at the end only
        // The start-up run again ("Charger" the same base, unchanged: no save question) adds no second
        // separator to the folder.
        b.plateforme.fichiers << b.chemin(base);
        f.CommandCharger->click();
        QCOMPARE(b.boites(), QStringList());
        QCOMPARE(b.p().etat().CheminAppli, b.dossier());
        QVERIFY(QFile::remove(b.chemin(u("Zuta.ini"))));

        const QRect normal = f.fen->frameGeometry();
        if (fermeture == 2)
            f.fen->showMaximized();
        QTRY_VERIFY(fermeture != 2 || f.fen->frameGeometry().size() != normal.size()); // the platform applies it
        b.tables().RecettTexte(1, Recette::Nom) = u("Tarte aux poires");
        b.p().document().marquerModifiee();
        b.progressions.clear();
        b.plateforme.reponses << reponse;
        if (fermeture == 1)
            f.fen->close();
        else
            f.CommandQuitter->click();
        f.fen->close();
        QCOMPARE(b.fins, 1);
        QVERIFY(!f.fen->isVisible());
        QCOMPARE(b.boites(), QStringList{Question});
        const bool sauvee = reponse != R::Non;
        QCOMPARE(b.lire(base).contains("\"Tarte aux poires\""), sauvee);
        // The progress window stands in the middle of the rectangle the window left.
        QCOMPARE(b.titresProgression(),
                 QStringList(sauvee ? 1 : 0, u("Zuta! / Enregistrement base / Sauvegarde des données en cours...")));
        QVERIFY(!sauvee || (normal.center() - b.progressions.last().cadre.center()).manhattanLength() <= 4);
        QCOMPARE(b.lignesReglages(), reglagesEcrits(b, valeurs[0], valeurs[1], normal, b.chemin(base)));

        // A path that Windows-1252 cannot hold, chosen in the "Charger" dialog: "?" in its place, never a stray
        // byte, and a box says so.
        const QString chemin = b.chemin(u("Recettes Ωmega.don"));
        b.plateforme.reponses << R::Non; // the base left unsaved is asked about
        b.plateforme.fichiers << chemin;
        f.CommandCharger->click();
        QStringList attendues(sauvee ? 0 : 1, Question);
        attendues << u("Zuta! | Le chemin de la base « ") + chemin
                + u(" » contient des caractères que le fichier « Zuta.ini » ne peut pas enregistrer : ils y sont "
                    "remplacés par « ? ».\nLa base ne sera pas rouverte automatiquement au prochain démarrage.");
        QCOMPARE(b.boites().mid(0, attendues.size()), attendues);
        QCOMPARE(b.lire(u("Zuta.ini")).right(20), QByteArray("Recettes ?mega.don\r\n"));
    }

    // The icon is every window's, in its four sizes; the application speaks
    // French and ends through its own closing sequence.
    void lancement_iconeEnQuatreTaillesEtFrancais()
    {
        const Lancement lancement;
        QCOMPARE(QApplication::windowIcon().availableSizes(),
                 (QList<QSize>{QSize(48, 48), QSize(64, 64), QSize(128, 128), QSize(256, 256)}));
        QCOMPARE(QApplication::applicationName(), u("Zuta"));
        QCOMPARE(QLocale().language(), QLocale::French);
        QVERIFY(!QApplication::quitOnLastWindowClosed());
    }
};

QTEST_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
