// The recipe card through the real window, as a user types and clicks: the keys each field refuses, the blanks
// trimmed, the button Enter presses, a recipe shown from the found list, validated or refused, its counters.
#include "Banc.h"
#include "base/FichierBase.h"
#include <QAbstractItemView>
#include <QCompleter>
#include <QInputMethodEvent>
#include <QRegularExpression>

namespace {
using R = Plateforme::Reponse;
const QString FicheModifiee = u("Fiche modifiée | La fiche de la recette a été modifiée.\nValider les modifications ?");
} // namespace

class TestFiche : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        banc.emplace();
        f = &banc->demarrerSur(QString::fromLatin1(BaseVide));
    }

    void saisie_nouvelleRecette_normaliseeEtStockee()
    {
        QVERIFY(!f->CommandRecettSuppr->isEnabled() && !f->CommandRecettImpr->isEnabled()
                && !f->CommandRecettApercu->isEnabled());
        // "Nouvelle" asks about what was typed; "Non" empties it.
        saisirFiche(*f, {u("Tarte"), {}, {}, {}, {}, {}, u("à l'ancienne")});
        f->CheckRecettTeste->click();
        banc->plateforme.reponses << Plateforme::Reponse::Non;
        QTest::mouseClick(f->CommandRecettNouvelle, Qt::LeftButton);
        QCOMPARE(banc->boites(), QStringList{FicheModifiee});
        QCOMPARE(QApplication::focusWidget(), f->TextRecettNom);
        QVERIFY(f->TextRecettNom->text().isEmpty() && f->TextRecettComment->toPlainText().isEmpty()
                && !f->CheckRecettTeste->isChecked());

        saisirFiche(*f,
                    {u("  tarte, à l'oignon "), u("  tartes SALÉES "), u("oignons"), u("cuisine ACTUELLE"), u(" 81 "),
                     u("12-13"), u("  Oignons, crème\nFour 180°  ")});
        QTest::mouseClick(f->CheckRecettTeste, Qt::LeftButton, {}, QPoint(4, f->CheckRecettTeste->height() / 2));
        valider();
        QCOMPARE(banc->boites(), QStringList());
        QCOMPARE(FichierBase::ecrire(t()).split(u("\r\n")).mid(2).join(u'|'),
                 u(" 1 |Tartes salées| 1 | 1 |Oignons| 1 | 1 |Cuisine ACTUELLE| 1 | 1 |\"81\"|1|\"12-13\"|1|"
                   "\"  Oignons, crème|Four 180°  \"|1|\"Tarte, à l'oignon\"|1|"));
        // The refresh leaves a new empty card with the focus in the name.
        QCOMPARE(f->FrameFiche->title(), u("Recette (nouvelle)"));
        QCOMPARE(f->TextRecettNom->text() + f->ComboRecettCat->currentText() + f->TextRecettComment->toPlainText(),
                 QString());
        QCOMPARE(f->ComboRecettSousCat->count(), 0);
        QCOMPARE(QApplication::focusWidget(), f->TextRecettNom);
    }

    // Each field gets the same keys, then the same text from an input method, and is left: what it keeps.
    // Entering it (and typing in a list) makes Enter validate the card; in the notes, Enter is a new line.
    void champs_touchesRefuseesBlancsTaillesEtBoutonEntree_data()
    {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("reste");
        QTest::newRow("nom: ni guillemet ni ÿ") << u("TextRecettNom") << u("a,b,");
        for (const char* champ :
             {"ComboRecettCat", "ComboRecettSousCat", "ComboRecettMag", "TextRecettNumero", "TextRecettPage"})
            QTest::newRow(champ) << u(champ) << u("aÿbÿ"); // neither comma nor double quote
        QTest::newRow("notes: ni guillemet, blancs gardes") << u("TextRecettComment") << u("  a,ÿb,ÿ  ");
    }

    void champs_touchesRefuseesBlancsTaillesEtBoutonEntree()
    {
        QFETCH(QString, champ);
        QFETCH(QString, reste);
        QWidget* w = f->controle<QWidget>(champ.toLatin1().constData());
        QPushButton* const attendu = w == f->TextRecettComment ? nullptr : f->CommandRecettValider;
        cliquerDans(f->TextRech);
        cliquerDans(w);
        QCOMPARE(f->boutonParDefaut(), attendu);
        if (qobject_cast<QComboBox*>(w))
            f->fen->parDefaut().definir(f->CommandRechValider);
        taper(w, u("  a,\"ÿ"));
        QInputMethodEvent composition;
        composition.setCommitString(u("b,\"ÿ  "));
        QApplication::sendEvent(w, &composition);
        QCOMPARE(f->boutonParDefaut(), attendu);
        cliquerDans(f->TextRech);
        const auto* liste = qobject_cast<QComboBox*>(w);
        const auto* ligne = qobject_cast<QLineEdit*>(w);
        QCOMPARE(liste ? liste->currentText() : ligne ? ligne->text() : f->TextRecettComment->toPlainText(), reste);
    }

    void validation_boitesDeRefusEtRienNeChange_data()
    {
        QTest::addColumn<QString>("champs"); // name|category|sub-category|magazine|number|page|notes
        QTest::addColumn<QString>("boite");
        QTest::newRow("sans nom") << u("   |||Elle|||") << u("La recette doit avoir un nom !");
        // A sub-category alone (it goes without a category) and notes of blanks are no description.
        QTest::newRow("sans description")
            << u("Tarte||Fruits||||    ") << u("La recette doit comporter un minimum de description !");
        QTest::newRow("virgule collee") << u("Tarte|Tartes, quiches|||||")
                                        << u("Le champ « Catégorie » ne peut pas contenir de virgule : « Tartes, "
                                             "quiches ».\nSupprimez la virgule avant de valider.");
        // Any one of these is a description.
        QTest::newRow("categorie seule: acceptee") << u("Tarte|x|||||") << QString();
        QTest::newRow("magazine seul: accepte") << u("Tarte|||x|||") << QString();
        QTest::newRow("numero seul: accepte") << u("Tarte||||x||") << QString();
        QTest::newRow("page seule: acceptee") << u("Tarte|||||x|") << QString();
    }

    void validation_boitesDeRefusEtRienNeChange()
    {
        QFETCH(QString, champs);
        QFETCH(QString, boite);
        const QStringList c = champs.split(u'|');
        const QString avant = FichierBase::ecrire(t());
        const QList<QWidget*> champ{f->TextRecettNom,    f->ComboRecettCat, f->ComboRecettSousCat, f->ComboRecettMag,
                                    f->TextRecettNumero, f->TextRecettPage, f->TextRecettComment};
        for (int i = 0; i < 7; ++i) // pasted: no key filter on the way
            champ[i]->metaObject()->userProperty().write(champ[i], c[i]);
        valider();
        QCOMPARE(QApplication::focusWidget(), f->TextRecettNom);
        QVERIFY(boite.isEmpty() || banc->plateforme.boites.value(0).icone == Plateforme::Icone::Information);
        QCOMPARE(banc->boites(),
                 boite.isEmpty() ? QStringList() : QStringList(u("Validation impossible ! | ") + boite));
        QCOMPARE(t().NbRecett, boite.isEmpty() ? 1 : 0);
        QCOMPARE(FichierBase::ecrire(t()) == avant, !boite.isEmpty()); // refused: nothing changed
    }

    // A recipe shown, validated unchanged, then moved to another category typed in other case: when the
    // category is left, the sub-categories used in it are offered and the typed one stays; the old counters fall.
    void modification_compteursDeplacesOuInchanges()
    {
        remplirTables(t(), {u("Desserts/Tartes/Glaces/Crèmes"), u("Entrées/Salées")}, {u("Elle")},
                      {{"Tarte aux pommes", 1, 1, 1, 1, "81", "12"}, {"Quiche", 2, 1, 1}, {"Flan", 1, 3}});
        t().RecettTexte(1, Recette::Notes) = u("Cuisson\u00A0: 20\u00A0min\r\nSel");
        montrer(1);
        QCOMPARE(f->FrameFiche->title(), u("Recette (existante)"));
        QVERIFY(f->CommandRecettSuppr->isEnabled() && f->CommandRecettImpr->isEnabled()
                && f->CommandRecettApercu->isEnabled() && f->CheckRecettTeste->isChecked());
        // "Aperçu" shows the lines "Imprimer" prints.
        banc->plateforme.imprimantes << true;
        f->CommandRecettImpr->click();
        f->CommandRecettApercu->click();
        const auto& impressions = banc->plateforme.impressions;
        QCOMPARE(banc->plateforme.titresApercu, QStringList{u("Zuta! / Aperçu de la recette")});
        QVERIFY(impressions.size() == 2 && impressions[1]->lignes == impressions[0]->lignes);
        QCOMPARE(QStringList({f->TextRecettNom->text(), f->ComboRecettCat->currentText(),
                              f->ComboRecettSousCat->currentText(), f->ComboRecettMag->currentText(),
                              f->TextRecettNumero->text(), f->TextRecettPage->text()}),
                 QStringList({u("Tarte aux pommes"), u("Desserts"), u("Tartes"), u("Elle"), u("81"), u("12")}));
        QCOMPARE(entrees(f->ComboRecettSousCat), (QStringList{u("Crèmes"), u("Tartes")})); // "Glaces" has no recipe

        // Validated unchanged: every counter as it was, the notes (with no-break spaces) as they were.
        const QString avant = FichierBase::ecrire(t());
        valider();
        QCOMPARE(FichierBase::ecrire(t()), avant);

        montrer(1);
        for (const auto& [categorie, offertes] : {std::pair{u("Inconnue"), QString()}, {u(" entrées "), u("Salées")}}) {
            f->ComboRecettCat->lineEdit()->selectAll();
            saisir(f->ComboRecettCat, categorie);
            cliquerDans(f->TextRecettNom);
            QCOMPARE(entrees(f->ComboRecettSousCat).join(u'|'), offertes);
        }
        QCOMPARE(f->ComboRecettCat->currentText() + u("/") + f->ComboRecettSousCat->currentText(), u("entrées/Tartes"));
        valider();
        QCOMPARE(QList<int>({t().RecettVal(1, Recette::Categorie), t().CatNbRecett(2), t().CatNbRecett(1),
                             t().SousCatNbRecett(1, 1)}),
                 QList<int>({2, 2, 1, 0}));
        QCOMPARE(t().SousCat(1, 1), u("Tartes")); // unused, it keeps its name
        QCOMPARE(t().SousCat(2, t().RecettVal(1, Recette::SousCategorie)),
                 u("Tartes")); // now a sub-category of the new one too
        QCOMPARE(incoherence(t()), QString());
    }

    void liste_clicMontreLeBonNumero()
    {
        // Equal names, slots of one to five digits, and "ÿ" in a name from elsewhere.
        const QString ydiaeresis = u("Tarte") + QChar(0xFF) + u(" 1");
        for (int r = 1; r <= 12345; ++r) {
            t().RecettTexte(r, Recette::Numero) = QString::number(r);
            t().RecettTexte(r, Recette::Nom) = r == 2 ? ydiaeresis : r % 3 ? u("Plat %1").arg(r) : u("Tarte");
        }
        t().NbRecett = 12345;
        for (int r : {2, 3, 12, 12345}) {
            montrer(r);
            QCOMPARE(f->TextRecettNumero->text(), QString::number(r));
            QCOMPARE(f->TextRecettNom->text(), r == 2 ? ydiaeresis : u("Tarte"));
        }
        QCOMPARE(banc->boites(), QStringList());
    }

    // Changes typed on the card and not validated are never dropped silently: before anything replaces the card,
    // one question; Oui validates (the action goes on), Non drops them (it goes on), Annuler keeps the card and its
    // line and the action does not happen. Quitting offers Oui and Non only, no answer meaning Oui. A card holding
    // nothing new is replaced without a word.
    void ficheModifiee_questionAvantDeLaRemplacer_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<Plateforme::Reponse>("reponse");
        for (const char* action : {"ligne", "nouvelle fiche", "actualiser", "index", "charger", "nouvelle base",
                                   "saisie en chaine", "quitter"})
            for (const auto reponse : {R::Oui, R::Non, R::Annuler})
                QTest::addRow("%s, %s", action,
                              reponse == R::Oui       ? "oui"
                                  : reponse == R::Non ? "non"
                                                      : "annuler")
                    << u(action) << (u(action) == u("quitter") && reponse == R::Annuler ? R::Fermee : reponse);
        QTest::newRow("rien de change") << u("ligne") << R::Annuler;
    }

    void ficheModifiee_questionAvantDeLaRemplacer()
    {
        QFETCH(QString, action);
        QFETCH(Plateforme::Reponse, reponse);
        remplirTables(t(), {u("Desserts")}, {u("Elle")}, {{"Crêpes", 1, 0, 1}, {"Flan", 1, 0, 1}});
        montrer(1);
        const bool modifiee = !QString::fromLatin1(QTest::currentDataTag()).startsWith(u("rien"));
        if (modifiee)
            saisir(f->TextRecettComment, u("sucrées"));
        banc->plateforme.reponses << reponse;
        const auto faire = [&]() -> std::function<bool()> { // the action, and how to tell it happened
            if (action == u("ligne")) {
                cliquerLigne(*f, 1);
                return [this] { return f->TextRecettNom->text() == u("Flan"); };
            }
            if (action == u("nouvelle fiche") || action == u("actualiser")) {
                (action == u("actualiser") ? f->CommandRechValider : f->CommandRecettNouvelle)->click();
                return [this] { return f->TextRecettNom->text().isEmpty(); };
            }
            if (action == u("index")) {
                f->CommandIndex->click();
                return [this] { return !banc->lire(u("Index.txt")).isEmpty(); };
            }
            if (action == u("charger") || action == u("nouvelle base")) {
                (action == u("charger") ? f->CommandCharger : f->CommandNouvelle)->click();
                return [this] { return !banc->plateforme.dialogues.isEmpty(); };
            }
            if (action == u("saisie en chaine")) {
                f->CheckSaisie->click();
                return [this] { return f->CheckSaisie->isChecked(); };
            }
            f->fen->close();
            return [this] { return banc->fins == 1; };
        }();
        const bool validee = reponse == R::Oui || (action == u("quitter") && reponse == R::Fermee);
        QCOMPARE(banc->boites().value(0), modifiee ? FicheModifiee : QString());
        QCOMPARE(t().RecettTexte(1, Recette::Notes), validee ? u("sucrées") : QString());
        QCOMPARE(faire(), !modifiee || reponse != R::Annuler);
        if (modifiee && reponse == R::Annuler) // the card and its line as they were
            QCOMPARE(f->TextRecettComment->toPlainText() + u("|") + f->lignesRecettes().value(f->ligneChoisie()),
                     u("sucrées|Crêpes"));
    }

    // The card's name boxes complete what is typed from their lists, whatever the case and the accents: a popup of
    // the names that start with it; choosing one fills the box, the text typed is never completed inline.
    void completion_nomsDeLaListeSansCasseNiAccents()
    {
        remplirTables(t(), {u("Crèmes"), u("Crêpes"), u("Plats")}, {u("Elle")}, {{"A", 1}, {"B", 2}, {"C", 3}});
        f->CommandRechValider->click();
        cliquerDans(f->ComboRecettCat);
        taper(f->ComboRecettCat, u("CRE"));
        QCompleter* completion = f->ComboRecettCat->completer();
        QTRY_VERIFY(completion->popup()->isVisible());
        QCOMPARE(completion->completionCount(), 2);
        QCOMPARE(f->ComboRecettCat->currentText(), u("CRE"));
        QTest::keyClick(completion->popup(), Qt::Key_Down);
        QTest::keyClick(completion->popup(), Qt::Key_Return);
        QCOMPARE(f->ComboRecettCat->currentText(), u("Crèmes"));
    }

private:
    Tables& t() { return banc->tables(); }
    // The found list after "Actualiser", then a click on the line of slot r.
    void montrer(int r)
    {
        f->CommandRechValider->click();
        cliquerLigne(*f, int(banc->p().listeTrouvee().ligneDe(r).value_or(-1)));
    }
    void valider() { QTest::mouseClick(f->CommandRecettValider, Qt::LeftButton); }
    std::optional<Banc> banc;
    Fenetre* f = nullptr;
};

QTEST_MAIN(TestFiche)
#include "tst_fiche.moc"
