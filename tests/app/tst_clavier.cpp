// The keyboard through the real window: an Alt+letter for every button and
// box, and the shortcuts (save now, search text, print the recipe, help,
// quit), each doing its work, nothing while its button is disabled, and
// typing nothing into the field that has the focus. Undoing a deletion is in
// the deletion journey, the printouts' progress in the output tests.
#include "Banc.h"
#include "base/FichierBase.h"
#include "windows/FrmAide.h"
#include "windows/FrmApropos.h"
#include <QDialog>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>

namespace {
using R = Plateforme::Reponse;

QString troisRecettes()
{
    auto t = std::make_unique<Tables>();
    remplirTables(*t, {u("Desserts/Tartes"), u("Plats/Viandes")}, {u("Elle à table"), u("Régal")},
                  {{"Tarte aux pommes", 1, 1, 1, 1, "81", "12"},
                   {"Boeuf bourguignon", 2, 1, 2, 0, "12", "40", "Mijoter 3 h"},
                   {"Tarte fine", 1, 1, 1, 0, "81", "14"}});
    return FichierBase::ecrire(*t);
}

// The letter after the single "&" of a caption.
QChar lettre(const QString& legende)
{
    const qsizetype i = legende.indexOf(QLatin1Char('&'));
    return i >= 0 && legende.count(QLatin1Char('&')) == 1 ? legende.at(i + 1).toUpper() : QChar();
}

void taperRaccourci(QWidget* champ, QKeyCombination touches)
{
    QTest::keyClick(champ, touches.key(), touches.keyboardModifiers());
}
} // namespace

class TestClavier : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        banc = std::make_unique<Banc>();
        f = &banc->demarrerSur(troisRecettes());
    }
    void cleanup() { banc.reset(); }

    // Each window's letters are unique (the main window's captions are checked
    // with the controls' names).
    void mnemoniques_uniquesDansChaqueFenetre()
    {
        FrmApropos apropos(nullptr);
        FrmAide aide(nullptr);
        for (QWidget* fenetre : QList<QWidget*>{f->fen, &apropos}) {
            QSet<QChar> lettres;
            QList<QAbstractButton*> boutons = fenetre->findChildren<QAbstractButton*>();
            boutons.removeIf([](QAbstractButton* b) { return b->objectName().isEmpty(); }); // the table's corner
            for (QAbstractButton* b : boutons) {
                QVERIFY2(!lettre(b->text()).isNull(), qPrintable(b->text()));
                lettres << lettre(b->text());
            }
            QCOMPARE(lettres.size(), boutons.size());
        }
        QCOMPARE(f->fen->findChildren<QAbstractButton*>(QRegularExpression(u(".+"))).size(), 18);
        QCOMPARE(QStringList({aide.rien->title(), aide.AideQuit->text()}), QStringList({u("&Fichier"), u("&Quitter")}));
        // Alt+V validates the card from any field (the button is pressed as a
        // click shown on screen, a moment later).
        cliquerLigne(*f, 2);
        saisir(f->TextRecettPage, u("-15"));
        QTest::keyClick(f->TextRecettPage, Qt::Key_V, Qt::AltModifier);
        QTRY_COMPARE(banc->tables().RecettTexte(3, Recette::Page), u("-1514"));
    }

    // Typed in the name field: the action happens, the field gets no stray
    // character; with its button disabled, nothing happens.
    void raccourci_actionFaiteSansRienTaperDansLeChamp_data()
    {
        QTest::addColumn<QKeyCombination>("touches");
        QTest::addColumn<bool>("boutonActif");
        QTest::newRow("Ctrl+F") << (Qt::CTRL | Qt::Key_F) << true;
        QTest::newRow("Ctrl+F, saisie en chaîne") << (Qt::CTRL | Qt::Key_F) << false;
        QTest::newRow("Ctrl+P") << (Qt::CTRL | Qt::Key_P) << true;
        QTest::newRow("Ctrl+P, fiche vide") << (Qt::CTRL | Qt::Key_P) << false;
        QTest::newRow("F1") << QKeyCombination(Qt::Key_F1) << true;
        QTest::newRow("Ctrl+Q") << (Qt::CTRL | Qt::Key_Q) << true;
    }

    void raccourci_actionFaiteSansRienTaperDansLeChamp()
    {
        QFETCH(QKeyCombination, touches);
        QFETCH(bool, boutonActif);
        f->TextRech->setText(u("tarte"));
        if (touches.key() == Qt::Key_P && boutonActif)
            cliquerLigne(*f, 0);
        if (touches.key() == Qt::Key_F && !boutonActif)
            f->CheckSaisie->click();
        banc->plateforme.imprimantes << false;
        banc->plateforme.reponses << R::Non;
        saisir(f->TextRecettNom, u("x"));
        const QString tape = f->TextRecettNom->text();
        taperRaccourci(f->TextRecettNom, touches);
        QCOMPARE(f->TextRecettNom->text(), tape);
        const bool fait = touches.key() == Qt::Key_F
            ? QApplication::focusWidget() == f->TextRech && f->TextRech->selectedText() == u("tarte")
            : touches.key() == Qt::Key_P  ? banc->plateforme.titresImpression == QStringList{u("Imprimer la recette")}
            : touches.key() == Qt::Key_F1 ? banc->aide() != nullptr
                                          : banc->fins == 1 && banc->boites().size() == 1;
        QCOMPARE(fait, boutonActif);
    }

    // Ctrl+S: the base written with its previous version kept, no question,
    // the card, the found list and the focus as they were; quitting with No
    // afterwards keeps what was saved.
    void ctrlS_enregistreSansQuestionNiQuitter_puisNonGardeLaSauvegarde()
    {
        cliquerLigne(*f, 0);
        const QByteArray avant = banc->lire(u("Recettes.don"));
        banc->tables().RecettTexte(2, Recette::Notes) = u("Mijoter 4 h");
        banc->p().document().marquerModifiee();
        saisir(f->TextRecettComment, u("doré"));
        taperRaccourci(f->TextRecettComment, Qt::CTRL | Qt::Key_S);
        QVERIFY(banc->boites().isEmpty());
        QCOMPARE(banc->titresProgression().last(),
                 u("Zuta! / Enregistrement base / Sauvegarde des données en cours..."));
        QVERIFY(banc->lire(u("Recettes.don")).contains("\"Mijoter 4 h\""));
        QCOMPARE(banc->lire(u("Recettes.don.bak")), avant);
        QTRY_COMPARE(QApplication::focusWidget(), f->TextRecettComment);
        QVERIFY(f->TextRecettComment->toPlainText().endsWith(u("doré")) && f->ligneChoisie() == 0);
        banc->plateforme.reponses << R::Non;
        f->fen->close();
        QCOMPARE(banc->fins, 1);
        QVERIFY(banc->lire(u("Recettes.don")).contains("\"Mijoter 4 h\""));
    }

    // The base's state shows: no "*" and nothing written while it is unchanged (Ctrl+S says so, quitting asks
    // nothing, ".bak" keeps the copy of the last real save); a deletion puts the "*" and says how to undo it, the
    // undo says so, a save writes and says how many recipes.
    void etat_titreEtLigneDEtat_rienEcritSansChangement()
    {
        const QByteArray avant = banc->lire(u("Recettes.don"));
        QCOMPARE(f->titre(), u("Zuta! v1.2b   (base : Recettes.don)"));
        taperRaccourci(f->TextRecettNom, Qt::CTRL | Qt::Key_S);
        QCOMPARE(f->fen->annonce(), u("Rien à enregistrer"));
        QVERIFY(!QFile::exists(banc->chemin(u("Recettes.don.bak"))));
        cliquerLigne(*f, 0);
        f->CommandRecettSuppr->click();
        QCOMPARE(f->titre() + u("|") + f->fen->annonce(),
                 u("Zuta! v1.2b   (base : Recettes.don*)|Recette supprimée : Ctrl+Z pour l'annuler"));
        taperRaccourci(f->TextRecettNom, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(f->titre() + u("|") + f->fen->annonce(),
                 u("Zuta! v1.2b   (base : Recettes.don*)|Suppression annulée"));
        taperRaccourci(f->TextRecettNom, Qt::CTRL | Qt::Key_S);
        QCOMPARE(f->titre() + u("|") + f->fen->annonce(),
                 u("Zuta! v1.2b   (base : Recettes.don)|Base enregistrée (3 recettes)"));
        QCOMPARE(banc->lire(u("Recettes.don.bak")), avant);
        f->CommandRecettSuppr->click(); // the recipe undone, on the card; a save forgets its undo
        banc->activer();
        taperRaccourci(f->TextRecettNom, Qt::CTRL | Qt::Key_S);
        banc->activer(); // after the progress window
        taperRaccourci(f->TextRecettNom, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(f->LabelTotalrecett->text() + u("|") + f->fen->annonce(),
                 u("Recettes totales : 2|Base enregistrée (2 recettes)"));
        f->fen->close();
        QCOMPARE(banc->boites().join(u'/'), QString());
        QCOMPARE(banc->fins, 1);
    }

    // Shift+F1, and Enter on the About pictures reached with Tab, open the About window; the help closes with
    // Escape and with Ctrl+W.
    void apropos_etAide_auClavier()
    {
        QWidget* images = f->fen->findChild<QWidget*>(u("ImagesApropos"));
        QCOMPARE(images->accessibleName(), u("A propos de Zuta!"));
        int ouvertures = 0;
        const auto fermerApropos = [&] {
            QTimer::singleShot(0, [&] {
                if (auto* a = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    ++ouvertures;
                    a->reject();
                }
            });
        };
        fermerApropos();
        taperRaccourci(f->TextRecettNom, Qt::SHIFT | Qt::Key_F1);
        images->setFocus(Qt::TabFocusReason);
        fermerApropos();
        QTest::keyClick(images, Qt::Key_Return);
        QCOMPARE(ouvertures, 2);
        for (const QKeyCombination touches : {QKeyCombination(Qt::Key_Escape), Qt::CTRL | Qt::Key_W}) {
            f->CommandAide->click();
            QPointer<FrmAide> aide = banc->aide();
            QVERIFY(aide && QTest::qWaitForWindowActive(aide));
            QTest::keyClick(aide, touches.key(), touches.keyboardModifiers());
            QTRY_VERIFY(!aide);
        }
    }

private:
    std::unique_ptr<Banc> banc;
    Fenetre* f = nullptr;
};

QTEST_MAIN(TestClavier)
#include "tst_clavier.moc"
