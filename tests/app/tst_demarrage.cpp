// Start and end of the program: the default folder, base and options, the
// settings file written and read (each value a step of the error policy,
// Retry running a failed step again), the window's controls with their
// captions and tooltips; "Quitter" and the close box, the save question, the
// settings written on every ending, the position of the normal window.
#include "Banc.h"
#include "app/Reglages.h"
#include "platform/PolitiqueErreurs.h"

namespace {
using R = Plateforme::Reponse;

QString twips(int pixels, double dpi)
{
    return u(" %1 ").arg(Reglages::pixelsVersTwips(pixels, dpi));
}

// Starts the program on a one-recipe base; the end of the process is
// replaced by a counter.
struct Quitter {
    Banc b;
    int fins = 0;
    Quitter()
    {
        b.ecrireOctets(u("Recettes.don"), baseUneRecette());
        b.reglages(b.chemin(u("Recettes.don")), 1, 1);
        b.demarrer();
        b.p().bases.finProgramme = [this] { ++fins; };
    }
};
} // namespace

class TstDemarrage : public QObject {
    Q_OBJECT
private slots:
    // The first start creates the default base without a word.
    void premierDemarrage_sansReglages_cheminsEtOptionsParDefaut_puisMainRappele()
    {
        Banc b;
        b.demarrer();
        QCOMPARE(b.p().etat.CheminAppli, b.dossier());
        QCOMPARE(b.p().etat.CheminBase, b.chemin(u("Zuta2005.don")));
        QCOMPARE(b.lire(u("Zuta2005.don")), BaseVide);
        QVERIFY(b.boites().isEmpty());
        QCOMPARE(b.p().etat.OptionInfoBulles, 1.0f);
        QCOMPARE(b.p().etat.OptionNotes, 0);
        QCOMPARE(b.fen().windowTitle(), u("Zuta! v1.2b   (base : Zuta2005.don)"));
        QVERIFY(b.fen().isVisible());
        // The start-up run again (another base) adds no second separator; a
        // base path without one gives the bare title.
        b.p().etat.EtatDemarrage = 0;
        b.p().Main();
        QCOMPARE(b.p().etat.CheminAppli, b.dossier());
        b.p().etat.CheminBase = u("base.don");
        b.p().AfficherTitre();
        QCOMPARE(b.fen().windowTitle(), u("Zuta! v1.2b"));
    }

    void reglagesEtoile_baseParDefautPuisCheminCompletEcrit()
    {
        Banc b;
        b.reglages(u("*"), 1, 0);
        b.ecrireOctets(u("Zuta2005.don"), baseUneRecette());
        b.demarrer();
        QCOMPARE(b.p().base.RecettTexte(1, 3), u("Tarte aux pommes"));
        QVERIFY(b.fen().CheckNotes->isChecked());
        QCOMPARE(b.p().etat.OptionNotes, 1);
        b.p().EcrireIni();
        QCOMPARE(b.lire(u("Zuta.ini")), Codec::encoder(u(" 1 \r\n 0 \r\n 1500 \r\n 1500 \r\n") + b.chemin(u("Zuta2005.don"))
                                                        + u("\r\n")));
    }

    // A base path that Windows-1252 cannot hold: the settings file gets "?"
    // in its place, never a stray byte, and the user is told.
    void cheminHorsWindows1252_remplaceEtDit()
    {
        Banc b;
        b.demarrer();
        b.boites();
        const QString chemin = b.chemin(u("Recettes Ωmega.don"));
        b.p().etat.CheminBase = chemin; // as chosen in the "Charger" dialog
        b.p().EcrireIni();
        QCOMPARE(b.boites(), QStringList{u("Zuta! | Le chemin de la base « ") + chemin
                                         + u(" » contient des caractères que le fichier « Zuta.ini » ne peut pas "
                                             "enregistrer : ils y sont remplacés par « ? ».\nLa base ne sera pas "
                                             "rouverte automatiquement au prochain démarrage.")});
        QCOMPARE(b.lire(u("Zuta.ini")).right(20), QByteArray("Recettes ?mega.don\r\n"));
    }

    void ligne5AvecVirgule_lueEntiere()
    {
        Banc b;
        b.demarrerSurFichier(baseUneRecette(), u("Mes recettes, été.don"));
        QCOMPARE(b.p().etat.CheminBase, b.chemin(u("Mes recettes, été.don")));
        QCOMPARE(b.p().base.NbRecett, 1);
        QCOMPARE(b.fen().windowTitle(), u("Zuta! v1.2b   (base : Mes recettes, été.don)"));
        QCOMPARE(b.boites(), QStringList());
    }


    // Every control's caption (its accessible name) and tooltip (a button's
    // accessible description).
    void controles_nomsLegendesBullesEtElements()
    {
        Banc b;
        FrmPrincipal& f = b.demarrer();
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
            auto* w = f.findChild<QWidget*>(QLatin1String(nom));
            QVERIFY2(w, nom);
            QCOMPARE(w->accessibleName(), u(legende));
            QCOMPARE(w->toolTip(), u(bulle));
            if (auto* bouton = qobject_cast<QAbstractButton*>(w)) {
                QCOMPARE(bouton->text(), u(legende));
                QCOMPARE(bouton->accessibleDescription(), u(bulle));
            }
        }
        QCOMPARE(f.ComboRecettCat->lineEdit()->toolTip(), u("Catégorie de la recette."));
        QCOMPARE(f.FrameRech->title(), u("Recherche"));
        QCOMPARE(entrees(f.ComboTeste), QStringList({"Peu importe", u("Testée"), u("Non-testée")}));
        // The search lists offer their entries only; the card's take new names.
        QVERIFY(!f.ComboRechCat->isEditable() && !f.ComboTeste->isEditable());
        QVERIFY(f.ComboRecettCat->isEditable() && f.ComboRecettMag->isEditable());
        QVERIFY(f.LabelTotalrecett->accessibleName().isEmpty() && f.LabelNbRecettList->accessibleName().isEmpty());
    }

    void listesTriees_ordreFrancaisSansCasseBlancDeTeteDAbord()
    {
        Banc b;
        FrmPrincipal& f = b.demarrer();
        QComboBox liste;
        for (const char* t : {"tartes", "Éclairs", "Entrées", " --> TOUTES", "abricots", "Tartelettes", "Zeste"})
            f.ajouterTrie(&liste, u(t));
        QCOMPARE(entrees(&liste),
                 QStringList({" --> TOUTES", "abricots", "Éclairs", "Entrées", "Tartelettes", "tartes", "Zeste"}));
    }

    // The save question closed without an answer saves, as any answer but No.
    void boutonOuCaseDeFermeture_memeSequence_data()
    {
        QTest::addColumn<bool>("parBouton");
        QTest::addColumn<Plateforme::Reponse>("reponse");
        QTest::newRow("Quitter") << true << R::Oui;
        QTest::newRow("case de fermeture") << false << R::Oui;
        QTest::newRow("question fermée sans réponse") << true << R::Fermee;
    }

    void boutonOuCaseDeFermeture_memeSequence()
    {
        QFETCH(bool, parBouton);
        QFETCH(Plateforme::Reponse, reponse);
        Quitter q;
        FrmPrincipal& f = q.b.fen();
        f.move(120, 80);
        q.b.p().base.RecettTexte(1, 3) = u("Tarte aux poires");
        q.b.plateforme.reponses << reponse;
        if (parBouton)
            f.CommandQuitter->click();
        else
            f.close();
        QCOMPARE(q.fins, 1);
        QVERIFY(!f.isVisible());
        QCOMPARE(q.b.boites(),
                 QStringList{u("Confirmation de sauvegarde | Enregistrer les modifications\ndans la base de données ?")});
        QVERIFY(q.b.lire(u("Recettes.don")).contains("\"Tarte aux poires\""));

        // The progress window stood in the middle of the rectangle the
        // window left.
        QCOMPARE(titresProgression(q.b.p()).last(), u("Zuta! / Enregistrement base / Sauvegarde des données en cours..."));
        QVERIFY((f.frameGeometry().center() - q.b.p().bases.progressions.last().cadre.center()).manhattanLength() <= 4);

        QCOMPARE(q.b.lignesReglages().mid(0, 5), QStringList({u(" 1 "), u(" 1 "), twips(f.pos().y(), f.logicalDpiY()),
                                                              twips(f.pos().x(), f.logicalDpiX()), q.b.chemin(u("Recettes.don"))}));
    }

    // No: the base stays as it was, the settings are written all the same;
    // a second closing runs nothing again.
    void non_baseIntacteEtReglagesEcrits_uneSeuleFois()
    {
        Quitter q;
        QFile::remove(q.b.chemin(u("Zuta.ini")));
        q.b.p().base.NbRecett = 0;
        q.b.plateforme.reponses << R::Non;
        q.b.fen().CommandQuitter->click();
        q.b.fen().close();
        QCOMPARE(q.fins, 1);
        QCOMPARE(q.b.lire(u("Recettes.don")), baseUneRecette());
        QCOMPARE(q.b.lignesReglages().value(4), q.b.chemin(u("Recettes.don")));
        QCOMPARE(q.b.plateforme.boites.size(), 1);
        QCOMPARE(q.b.p().bases.progressions.size(), 1); // the loading at start-up only
    }

    void maximisee_positionDeLaFenetreNormale()
    {
        Quitter q;
        FrmPrincipal& f = q.b.fen();
        f.move(140, 60);
        const QPoint normale = f.pos();
        const QSize taille = f.frameGeometry().size();
        f.showMaximized();
        QVERIFY(f.isMaximized());
        // The platform takes the new geometry through its events.
        QTRY_VERIFY(f.frameGeometry().size() != taille);
        q.b.plateforme.reponses << R::Non;
        f.CommandQuitter->click();
        QCOMPARE(q.fins, 1);
        QCOMPARE(q.b.lignesReglages().mid(2, 2), QStringList({twips(normale.y(), f.logicalDpiY()),
                                                              twips(normale.x(), f.logicalDpiX())}));
        QCOMPARE(q.b.p().etat.FenHauteur, int(Reglages::pixelsVersTwips(taille.height(), f.logicalDpiY())));
        QCOMPARE(q.b.p().etat.FenLargeur, int(Reglages::pixelsVersTwips(taille.width(), f.logicalDpiX())));
    }

    void ecrire_cinqLignesStyleImpression()
    {
        const Reglages::Valeurs v{1, 0, 1500, -300, u("/home/a/Mes, recettes.don")};
        QCOMPARE(Reglages::ecrire(v), u(" 1 \r\n 0 \r\n 1500 \r\n-300 \r\n/home/a/Mes, recettes.don\r\n"));
    }

    void lire_nombresAvecOuSansBlancsEtCheminEntier()
    {
        PlateformeScriptee p;
        PolitiqueErreurs politique(p);
        Reglages::Valeurs v;
        Reglages::lire(u("1\r\n 0 \r\n  1500\r\n15 \r\n  C:\\Zuta\\Base, 2005.don\r\n"), v, politique);
        QCOMPARE(QList<float>({float(v.OptionNotes), v.OptionInfoBulles, v.FenHaut, v.FenGauche}),
                 QList<float>({1, 0, 1500, 15}));
        QCOMPARE(v.CheminBase, u("C:\\Zuta\\Base, 2005.don"));
        QVERIFY(p.boites.isEmpty());
    }

    void ligneIllisible_uneBoiteEtLesAutresLignesLues()
    {
        PlateformeScriptee p;
        PolitiqueErreurs politique(p);
        Reglages::Valeurs v;
        v.OptionInfoBulles = 1;
        Reglages::lire(u(" 1 \r\noui\r\n 90 \r\n 45 \r\n*\r\n"), v, politique);
        QCOMPARE(p.boites.size(), 1);
        QCOMPARE(p.boites[0].texte, u("Incompatibilité de type"));
        QCOMPARE(QList<float>({v.OptionInfoBulles, v.FenHaut}), QList<float>({1, 90}));
        QCOMPARE(v.CheminBase, u("*"));
    }

    void twipsEtPixels_quinzeParPixelA96Dpi()
    {
        QCOMPARE(Reglages::twipsVersPixels(1500, 96), 100);
        QCOMPARE(Reglages::pixelsVersTwips(100, 96), 1500.0);
        QCOMPARE(Reglages::twipsVersPixels(1500, 144), 150);
    }

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
        QCOMPARE(p.boites[0].titre + " | " + p.boites[0].texte, u("Erreur ! | Fichier introuvable"));
        QCOMPARE(p.boites[0].boutons, Plateforme::Boutons::ReessayerAnnuler);
        QCOMPARE(p.boites[0].icone, Plateforme::Icone::Exclamation);
    }
};

QTEST_MAIN(TstDemarrage)
#include "tst_demarrage.moc"
