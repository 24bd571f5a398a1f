// "Exporter..." and "Importer..." through the real window: the choice, the files, the boxes; the preview with its
// controls, its reading choices and its counts; the report opened, the base modified, Ctrl+Z taking back the import.
#include "Banc.h"
#include "base/FichierBase.h"
#include "echange/FenetreApercu.h"
#include "search/ModeleTrouvees.h"
#include <QRadioButton>
#include <QSet>
#include <QTableWidget>

namespace {
using R = Plateforme::Reponse;

QString troisRecettes()
{
    auto t = std::make_unique<Tables>();
    remplirTables(*t, {u("Desserts/Tartes")}, {u("Elle à table")},
                  {{"Tarte aux pommes", 1, 1, 1, 1, "81", "12"}, {"Flan", 1, 0, 1}, {"Tarte fine", 1, 1, 1, 0, "81"}});
    return FichierBase::ecrire(*t);
}

// Runs `action` on the preview once it is shown by the click.
void avecApercu(QPushButton* bouton, const std::function<void(FenetreApercu&)>& action)
{
    bool vu = false;
    QTimer::singleShot(0, [&] {
        auto* a = qobject_cast<FenetreApercu*>(QApplication::activeModalWidget());
        vu = a != nullptr;
        if (a)
            action(*a);
        else if (QApplication::activeModalWidget())
            QApplication::activeModalWidget()->close();
    });
    bouton->click();
    QVERIFY(vu);
}

QPushButton* bouton(Fenetre& f, const char* nom) { return f.controle<QPushButton>(nom); }

template <class T>
T* dans(FenetreApercu& a, const char* nom)
{
    return a.findChild<T*>(QLatin1String(nom));
}
} // namespace

class TestEchange : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        banc = std::make_unique<Banc>();
        f = &banc->demarrerSur(troisRecettes());
    }
    void cleanup() { banc.reset(); }

    // The found list, in its order, or the whole base; a file that exists is replaced only on Yes; a failed write is
    // said in one box.
    void exporter_choixPuisFichier()
    {
        f->TextRech->setText(u("tarte"));
        f->CommandRechValider->click();
        PlateformeScriptee& p = banc->plateforme;
        const QString chemin = banc->chemin(u("r.csv"));
        p.choix << 0 << 1 << 1;
        p.fichiers << chemin << chemin << chemin << banc->chemin(u("absent/r.csv"));
        p.reponses << R::OK << R::Non << R::Oui; // the first export's box, then the two questions
        bouton(*f, "CommandExporter")->click();
        QCOMPARE(p.questionsChoix.last().options,
                 QStringList({u("Les recettes trouvées (2)"), u("Toute la base (3)")}));
        QCOMPARE(p.dialogues.last().filtre, u("Tableurs (*.csv) | *.csv"));
        const QByteArray trouvees = banc->lire(u("r.csv"));
        QCOMPARE(trouvees.count("\r\n"), 3);
        QVERIFY(trouvees.indexOf("Tarte aux pommes") < trouvees.indexOf("Tarte fine"));
        bouton(*f, "CommandExporter")->click(); // No: the file stays
        QCOMPARE(banc->lire(u("r.csv")), trouvees);
        bouton(*f, "CommandExporter")->click();
        QCOMPARE(banc->lire(u("r.csv")).count("\r\n"), 4);
        p.choix << 1;
        bouton(*f, "CommandExporter")->click(); // a folder
        const QStringList boites = banc->boites();
        const QString existe = u("Zuta! | Le fichier « %1 » existe déjà.\nLe remplacer ?").arg(chemin);
        QCOMPARE(boites.mid(0, 4),
                 QStringList({u("Zuta! | 2 recettes exportées dans le fichier « %1 ».").arg(chemin), existe, existe,
                              u("Zuta! | 3 recettes exportées dans le fichier « %1 ».").arg(chemin)}));
        QVERIFY(boites.value(4).startsWith(u("Zuta! | L'exportation n'a pas pu être faite.\n\n")));
        QCOMPARE(boites.size(), 5);
        // The found list in the order shown once the user sorted it.
        f->ListRecettes->sortByColumn(ModeleTrouvees::Nom, Qt::DescendingOrder);
        p.choix << 0;
        p.fichiers << banc->chemin(u("tri.csv"));
        p.reponses << R::OK;
        bouton(*f, "CommandExporter")->click();
        const QByteArray triees = banc->lire(u("tri.csv"));
        QVERIFY(triees.indexOf("Tarte fine") < triees.indexOf("Tarte aux pommes"));
    }

    // The preview: named and described controls with their own letters; the counts and the first recipe as stored;
    // another separator reads the file again (no "Nom": no import). Then the import: progress window, the report
    // written and opened, the refused row kept, the base modified; Ctrl+Z takes the whole import back, and only it.
    void importer_apercuPuisCtrlZ()
    {
        const QByteArray csv =
            "Nom;Magazine;N\xC2\xB0;Cat\xC3\xA9gorie;Auteur\r\nTarte fine;Elle \xC3\xA0 table;81;;\r\n"
            "Crumble;R\xC3\xA9gal;4;Gourmandises;Lise\r\n;;;;\r\nOubli;;;;\r\n";
        banc->ecrireOctets(u("i.csv"), csv);
        cliquerLigne(*f, 0);
        f->CommandRecettSuppr->click(); // undone by no Ctrl+Z once the import comes after it
        const QByteArray avant = FichierBase::ecrire(banc->tables()).toUtf8();
        banc->plateforme.fichiers << banc->chemin(u("i.csv"));
        avecApercu(bouton(*f, "CommandImporter"), [&](FenetreApercu& a) {
            QSet<QChar> lettres;
            QList<QAbstractButton*> boutons;
            for (QAbstractButton* b : a.findChildren<QAbstractButton*>())
                if (qobject_cast<QPushButton*>(b) || qobject_cast<QRadioButton*>(b))
                    boutons << b;
            for (QAbstractButton* b : boutons) {
                QVERIFY(!b->accessibleDescription().isEmpty() && b->accessibleName() == b->text().remove(u'&'));
                lettres << b->text().at(b->text().indexOf(u'&') + 1).toUpper();
            }
            for (QLabel* l : a.findChildren<QLabel*>())
                if (l->buddy())
                    lettres << l->text().at(l->text().indexOf(u'&') + 1).toUpper();
            QCOMPARE(lettres.size(), 8);
            QCOMPARE(dans<QLabel>(a, "LabelComptes")->text(),
                     u("À importer : 1 ; doublons ignorés : 1 ; refusées : 1 ; avertissements : 0\nNouvelles "
                       "catégories : 1 ; nouvelles sous-catégories : 0 ; nouveaux magazines : 1"));
            QCOMPARE(dans<QTableWidget>(a, "TableApercu")->item(0, 1)->text(), u("Gourmandises"));
            QCOMPARE(dans<QLabel>(a, "LabelColonnes")->text(),
                     u("Colonnes reconnues : Nom, Catégorie, Magazine, N°. Colonnes ignorées : Auteur."));
            auto* separateur = dans<QComboBox>(a, "ComboSeparateur");
            auto* importer = dans<QPushButton>(a, "CommandImporter");
            separateur->setCurrentIndex(1);
            QVERIFY(!importer->isEnabled() && dans<QLabel>(a, "LabelColonnes")->text().contains(u("« Nom »")));
            separateur->setCurrentIndex(0);
            dans<QRadioButton>(a, "OptionAjouter")->click();
            QVERIFY(dans<QLabel>(a, "LabelComptes")->text().startsWith(u("À importer : 2 ; doublons ignorés : 0")));
            importer->click();
        });
        QCOMPARE(banc->titresProgression().last(), u("Zuta! / Importation / Importation des recettes en cours..."));
        QCOMPARE(banc->plateforme.ouverts, QStringList{banc->chemin(u("Import.txt"))});
        const QByteArray rapport = banc->lire(u("Import.txt"));
        QVERIFY(rapport.contains("\r\nRecettes import\xE9"
                                 "es : 2\r\n")
                && rapport.contains("Doublons : ajout\xE9s"));
        QVERIFY(banc->lire(u("Import-refus.csv")).contains("\"Oubli\""));
        QVERIFY(banc->p().document().modifiee());
        QCOMPARE(compteurs(*f), u("Recettes totales : 4 / Recettes trouvées : 4"));
        banc->activer();
        for (int fois = 0; fois < 2; ++fois)
            QTest::keyClick(f->TextRecettNom, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(FichierBase::ecrire(banc->tables()).toUtf8(), avant);
        QCOMPARE(compteurs(*f), u("Recettes totales : 2 / Recettes trouvées : 2"));
        QVERIFY(banc->boites().isEmpty());
    }

    // "Annuler" changes nothing; the open base is not merged with itself; a report no program opens is named.
    void importer_annuleRefuseOuRapportNonOuvert()
    {
        banc->ecrireOctets(u("i.csv"), "Nom;Magazine\r\nFlan;R\xC3\xA9gal\r\n");
        banc->plateforme.fichiers << banc->chemin(u("i.csv")) << banc->chemin(u("Recettes.don"))
                                  << banc->chemin(u("i.csv"));
        avecApercu(bouton(*f, "CommandImporter"),
                   [](FenetreApercu& a) { dans<QPushButton>(a, "CommandAnnuler")->click(); });
        QVERIFY(!QFile::exists(banc->chemin(u("Import.txt"))) && !banc->p().document().modifiee());
        bouton(*f, "CommandImporter")->click();
        banc->plateforme.ouvertureEchoue = true;
        avecApercu(bouton(*f, "CommandImporter"), [](FenetreApercu& a) { a.accept(); });
        QCOMPARE(banc->boites(),
                 QStringList({u("Zuta! | La base « %1 » est la base ouverte : elle ne peut pas être importée dans "
                                "elle-même.")
                                  .arg(banc->chemin(u("Recettes.don"))),
                              u("Zuta! | Le rapport d'importation a été écrit, mais aucun programme n'a pu l'ouvrir. "
                                "Il se trouve dans le fichier :\n%1")
                                  .arg(banc->chemin(u("Import.txt")))}));
        QCOMPARE(compteurs(*f), u("Recettes totales : 4 / Recettes trouvées : 4"));
    }

private:
    std::unique_ptr<Banc> banc;
    Fenetre* f = nullptr;
};

QTEST_MAIN(TestEchange)
#include "tst_echange.moc"
