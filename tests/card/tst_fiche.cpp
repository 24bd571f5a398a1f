// The recipe card through the real window, as a user types and clicks; long
// random runs of new recipes, edits, deletions and refreshes through the
// card's own routines, after each step of which every counter equals its
// recount; and the card's routines alone: find-or-add of its names, the
// tidying of its texts, the reasons a card cannot be stored.
#include "Banc.h"
#include "base/FichierBase.h"
#include "card/ControleFiche.h"
#include "card/ListeNoms.h"
#include "card/TexteFiche.h"
#include <QRandomGenerator>
#include <QRegularExpression>

namespace {
const QStringList Categories{QString(), u("desserts"), u("DESSERTS "), u("Entrées"), u(" soupes"), u("Plats"),
                             u("gâteaux"), u("Gâteaux")};
const QStringList SousCategories{QString(), u("tartes"), u("Crèmes"), u("fruits"), u("Chocolat")};
const QStringList Magazines{QString(), u("Elle"), u("elle à table"), u("Cuisine actuelle"), u("Saveurs")};

QString auHasard(QRandomGenerator& g, const QStringList& liste)
{
    return liste.at(static_cast<int>(g.bounded(static_cast<quint32>(liste.size()))));
}

void remplirCarte(FrmPrincipal& f, QRandomGenerator& g, bool toutChanger)
{
    if (toutChanger || g.bounded(2))
        f.ComboRecettCat->setEditText(auHasard(g, Categories));
    if (toutChanger || g.bounded(2))
        f.ComboRecettSousCat->setEditText(auHasard(g, SousCategories));
    if (toutChanger || g.bounded(2))
        f.ComboRecettMag->setEditText(auHasard(g, Magazines));
    if (toutChanger)
        f.TextRecettNom->setText(u("Recette %1").arg(g.bounded(40)));
    f.TextRecettPage->setText(QString::number(g.bounded(200)));
}

// Every category, every sub-category of the first and every magazine in use.
Tables basePleine()
{
    Tables t;
    t.NbCat = Tables::MaxCat;
    t.NbSousCat(1) = Tables::MaxSousCat;
    t.NbMag = Tables::MaxMag;
    for (int c = 1; c <= Tables::MaxCat; ++c) {
        t.Cat(c) = u("Catégorie %1").arg(c);
        t.CatNbRecett(c) = 1;
    }
    for (int s = 1; s <= Tables::MaxSousCat; ++s) {
        t.SousCat(1, s) = u("Sous %1").arg(s);
        t.SousCatNbRecett(1, s) = 1;
    }
    for (int m = 1; m <= Tables::MaxMag; ++m) {
        t.Mag(m) = u("Magazine %1").arg(m);
        t.MagNbRecett(m) = 1;
    }
    return t;
}

SaisieFiche saisie(const QString& cat, const QString& sous, const QString& mag, bool nouvelle = false)
{
    return SaisieFiche{u("Tarte"), cat, sous, mag, QString(), QString(), QString(), nouvelle};
}
} // namespace

class TstFiche : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        banc = std::make_unique<Banc>();
        f = &banc->demarrerSur(lignes({"-1 ", "v1.2b", " 0 ", " 0 ", " 0 "}));
    }

    void cleanup() { banc.reset(); }

    void saisie_nouvelleRecette_normaliseeEtStockee()
    {
        QVERIFY(!f->CommandRecettSuppr->isEnabled() && !f->CommandRecettImpr->isEnabled());
        // "Nouvelle" empties what was typed.
        saisir(f->TextRecettNom, u("Tarte"));
        saisir(f->TextRecettComment, u("à l'ancienne"));
        f->CheckRecettTeste->click();
        QTest::mouseClick(f->CommandRecettNouvelle, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), f->TextRecettNom);
        QCOMPARE(f->TextRecettNom->text() + f->TextRecettComment->toPlainText(), QString());
        QVERIFY(!f->CheckRecettTeste->isChecked());

        saisirFiche(*f, {u("  tarte, à l'oignon "), u("  tartes SALÉES "), u("oignons"), u("cuisine ACTUELLE"), u(" 81 "),
                         u("12-13"), u("  Oignons, crème\nFour 180°  ")});
        QCOMPARE(f->TextRecettNom->text(), u("tarte, à l'oignon")); // blanks go when the field is left
        QTest::mouseClick(f->CheckRecettTeste, Qt::LeftButton, {}, QPoint(4, f->CheckRecettTeste->height() / 2));
        valider();
        QCOMPARE(banc->boites(), QStringList());
        QCOMPARE(FichierBase::ecrire(t()).split(u("\r\n")).mid(2),
                 (QStringList{u(" 1 "), u("Tartes salées"), u(" 1 "), u(" 1 "), u("Oignons"), u(" 1 "), u(" 1 "),
                              u("Cuisine ACTUELLE"), u(" 1 "), u(" 1 "), u("\"81\""), u("1"), u("\"12-13\""), u("1"),
                              u("\"  Oignons, crème"), u("Four 180°  \""), u("1"), u("\"Tarte, à l'oignon\""), u("1"),
                              QString()}));
        // The refresh leaves a new empty card with the focus in the name.
        QCOMPARE(f->FrameFiche->title(), u("Recette (nouvelle)"));
        QCOMPARE(f->TextRecettNom->text() + f->ComboRecettCat->currentText() + f->TextRecettComment->toPlainText(), QString());
        QVERIFY(!f->CheckRecettTeste->isChecked());
        QCOMPARE(f->ComboRecettSousCat->count(), 0);
        QCOMPARE(QApplication::focusWidget(), f->TextRecettNom);
    }

    void refus_nomOuDescriptionManquants_rienNeChange()
    {
        const QString avant = FichierBase::ecrire(t());
        saisir(f->TextRecettNom, u("   "));
        saisir(f->ComboRecettMag, u("Elle"));
        valider();
        QCOMPARE(banc->plateforme.boites.size(), 1);
        QCOMPARE(banc->plateforme.boites[0].boutons, Plateforme::Boutons::OK);
        QCOMPARE(banc->plateforme.boites[0].icone, Plateforme::Icone::Information);
        QCOMPARE(banc->boites(), QStringList{u("Validation impossible ! | La recette doit avoir un nom !")});
        QCOMPARE(QApplication::focusWidget(), f->TextRecettNom);

        // A name with only a sub-category, notes of blanks: not a description.
        QTest::mouseClick(f->CommandRecettNouvelle, Qt::LeftButton);
        saisirFiche(*f, {u("Tarte"), QString(), u("Fruits"), QString(), QString(), QString(), u("    ")});
        valider();
        QCOMPARE(banc->boites(),
                 QStringList{u("Validation impossible ! | La recette doit comporter un minimum de description !")});
        QCOMPARE(f->ComboRecettSousCat->currentText(), QString());  // no sub-category without a category
        QCOMPARE(FichierBase::ecrire(t()), avant);

        // Any one of these fields is enough.
        for (QWidget* champ : QList<QWidget*>{f->ComboRecettMag, f->ComboRecettCat, f->TextRecettPage, f->TextRecettNumero}) {
            saisir(f->TextRecettNom, u("Tarte"));
            saisir(champ, u("x"));
            valider();
        }
        QCOMPARE(banc->boites(), QStringList());
        QCOMPARE(t().NbRecett, 4);
        QCOMPARE(incoherence(t()), QString());
    }

    void modification_compteursDeplacesOuInchanges()
    {
        const QString notes = u("Cuisson\u00A0: 20\u00A0min\r\nSel");  // no-break spaces stay
        remplirTables(t(), {u("Desserts/Tartes"), u("Entrées")}, {u("Elle")},
                      {{"Tarte aux pommes", 1, 1, 1, 1, "81", "12"}, {"Quiche", 2, 0, 1}});
        t().RecettTexte(1, 2) = notes;
        montrer(1);
        QCOMPARE(f->FrameFiche->title(), u("Recette (existante)"));
        QVERIFY(f->CommandRecettSuppr->isEnabled() && f->CommandRecettImpr->isEnabled());
        QCOMPARE(QStringList({f->TextRecettNom->text(), f->ComboRecettCat->currentText(), f->ComboRecettSousCat->currentText(),
                              f->ComboRecettMag->currentText(), f->TextRecettNumero->text(), f->TextRecettPage->text()}),
                 QStringList({u("Tarte aux pommes"), u("Desserts"), u("Tartes"), u("Elle"), u("81"), u("12")}));
        QCOMPARE(entrees(f->ComboRecettSousCat), QStringList{u("Tartes")});
        QCOMPARE(f->TextRecettComment->toPlainText().replace(QChar(0xA0), u(" ")), u("Cuisson : 20 min\nSel"));
        QVERIFY(f->CheckRecettTeste->isChecked());

        // Validated unchanged: every counter as it was, the notes as they were.
        const QString avant = FichierBase::ecrire(t());
        valider();
        QCOMPARE(FichierBase::ecrire(t()), avant);

        // Moved to the other category: the old one falls to 0 and keeps its name.
        montrer(1);
        f->ComboRecettCat->lineEdit()->selectAll();
        saisir(f->ComboRecettCat, u("entrées"));
        valider();
        QCOMPARE(QList<int>({t().RecettVal(1, 0), t().CatNbRecett(2), t().CatNbRecett(1), t().SousCatNbRecett(1, 1)}),
                 QList<int>({2, 2, 0, 0}));
        QCOMPARE(t().Cat(1), u("Desserts"));
        QCOMPARE(t().SousCat(2, t().RecettVal(1, 1)), u("Tartes"));  // now a sub-category of the new one
        QCOMPARE(incoherence(t()), QString());
    }

    void liste_clicMontreLeBonNumero()
    {
        // Equal names, slots of one to five digits, and "ÿ" in a name from elsewhere.
        const QString ydiaeresis = u("Tarte") + QChar(0xFF) + u(" 1");
        for (int r = 1; r <= 12345; ++r) {
            t().RecettTexte(r, 0) = QString::number(r);
            t().RecettTexte(r, 3) = r == 2 ? ydiaeresis : r == 3 || r == 12 || r == 12345 ? u("Tarte") : u("Plat %1").arg(r);
        }
        t().NbRecett = 12345;
        for (int r : {2, 3, 12, 12345}) {
            montrer(r);
            QCOMPARE(f->TextRecettNumero->text(), QString::number(r));
            QCOMPARE(f->TextRecettNom->text(), r == 2 ? ydiaeresis : u("Tarte"));
        }
        // No line chosen: the card stays as it is.
        f->choisirLigne(-1);
        banc->p().fiche.ListRecettes_Click();
        QCOMPARE(f->TextRecettNumero->text(), u("12345"));
        QCOMPARE(f->FrameFiche->title(), u("Recette (existante)"));
        QCOMPARE(banc->boites(), QStringList());
    }

    void champs_touchesRefusees()
    {
        const QString y(QChar(0xFF));
        for (QWidget* champ :
             QList<QWidget*>{f->ComboRecettCat, f->ComboRecettSousCat, f->ComboRecettMag, f->TextRecettNumero, f->TextRecettPage})
            saisir(champ, u("Tarte, \"pommes\" ") + y);
        for (QComboBox* liste : {f->ComboRecettCat, f->ComboRecettSousCat, f->ComboRecettMag})
            QCOMPARE(liste->currentText(), u("Tarte pommes ") + y);
        QCOMPARE(f->TextRecettNumero->text(), u("Tarte pommes ") + y);
        QCOMPARE(f->TextRecettPage->text(), u("Tarte pommes ") + y);
        saisir(f->TextRecettNom, u("Tarte, \"pommes\" ") + y + u("x"));
        QCOMPARE(f->TextRecettNom->text(), u("Tarte, pommes x"));
        saisir(f->TextRecettComment, u("Tarte, \"pommes\" ") + y);
        QCOMPARE(f->TextRecettComment->toPlainText(), u("Tarte, pommes ") + y);
    }

    void champs_categorieQuitteeRemplitSousCategories()
    {
        // "Glaces" has no recipe: not offered.
        remplirTables(t(), {u("Desserts/Tartes/Glaces/Crèmes")}, {}, {{"Tarte", 1, 1}, {"Flan", 1, 3}});
        saisir(f->ComboRecettSousCat, u("à garder"));
        saisir(f->ComboRecettCat, u(" desserts "));
        cliquerDans(f->TextRecettNom);
        QCOMPARE(f->ComboRecettCat->currentText(), u("desserts"));
        QCOMPARE(entrees(f->ComboRecettSousCat), (QStringList{u("Crèmes"), u("Tartes")}));
        QCOMPARE(f->ComboRecettSousCat->currentText(), u("à garder"));

        f->ComboRecettCat->lineEdit()->selectAll();
        saisir(f->ComboRecettCat, u("Inconnue"));
        cliquerDans(f->TextRecettNom);
        QCOMPARE(f->ComboRecettSousCat->count(), 0);
        QCOMPARE(f->ComboRecettSousCat->currentText(), u("à garder"));
    }

    void coller_textesQuiCasseraientLaBase_refuses()
    {
        const QString avant = FichierBase::ecrire(t());
        // Pasted texts skip the key filters.
        f->TextRecettNom->setText(u("Tarte"));
        f->ComboRecettCat->setEditText(u("Tartes, quiches"));
        valider();
        QCOMPARE(banc->boites(), QStringList{u("Validation impossible ! | Le champ « Catégorie » ne peut pas contenir "
                                               "de virgule : « Tartes, quiches ».\nSupprimez la virgule avant de valider.")});
        f->ComboRecettCat->setEditText(u("Tartes"));
        f->TextRecettComment->setPlainText(u("Délicieux 😋"));
        valider();
        QCOMPARE(banc->boites(), QStringList{u("Validation impossible ! | Le champ « Notes » contient le caractère « 😋 » "
                                               "(U+1F60B), que la base ne peut pas enregistrer.\nRemplacez-le ou "
                                               "supprimez-le avant de valider.")});
        f->TextRecettComment->setPlainText(QString());
        f->TextRecettNom->setText(u("Tarte") + QChar(0xFF));
        valider();
        QCOMPARE(banc->boites().size(), 1);
        QCOMPARE(FichierBase::ecrire(t()), avant);
        // A double quote pasted into a new name becomes an apostrophe.
        f->TextRecettNom->setText(u("Tarte"));
        f->ComboRecettMag->setEditText(u("Le \"Chef\""));
        valider();
        QCOMPARE(t().Mag(1), u("Le 'Chef'"));
        QCOMPARE(t().Cat(1), u("Tartes"));
    }

    // Every category in use and the base one recipe short of full: a new
    // category is refused, an existing one is taken; then the full base refuses
    // a new recipe. A refusal changes nothing. (The messages, and the full
    // sub-category and magazine tables: motifDeRefus_tablesPleines.)
    void tablesPleines_refusSansRienChanger()
    {
        t().NbCat = Tables::MaxCat;
        for (int c = 1; c <= Tables::MaxCat; ++c)
            t().Cat(c) = u("Catégorie %1").arg(c);
        t().NbRecett = Tables::MaxRecett - 1;
        for (int r = 1; r <= t().NbRecett; ++r)
            t().RecettVal(r, 0) = 1 + r % Tables::MaxCat;
        t().remettreEnCoherence();
        const auto essayer = [&](const QString& cat) {
            QTest::mouseClick(f->CommandRecettNouvelle, Qt::LeftButton);
            saisir(f->TextRecettNom, u("Nouvelle"));
            f->ComboRecettCat->setEditText(cat);
            valider();
            return banc->boites().size();
        };
        QString avant = FichierBase::ecrire(t());
        QCOMPARE(essayer(u("Soupes")), 1);
        QCOMPARE(FichierBase::ecrire(t()), avant);
        QCOMPARE(essayer(u("CATÉGORIE 9")), 0);
        QCOMPARE(t().NbRecett, Tables::MaxRecett);
        avant = FichierBase::ecrire(t());
        QCOMPARE(essayer(u("Catégorie 1")), 1);
        QCOMPARE(FichierBase::ecrire(t()), avant);
        QCOMPARE(incoherence(t()), QString());
    }

    void suitesAleatoires_compteursExacts_data()
    {
        QTest::addColumn<quint32>("graine");
        QTest::addColumn<bool>("enChaine");
        QTest::newRow("graine 1") << 1u << false;
        QTest::newRow("graine 2") << 2u << false;
        QTest::newRow("graine 3, saisie en chaîne") << 3u << true;
    }

    void suitesAleatoires_compteursExacts()
    {
        QFETCH(quint32, graine);
        QFETCH(bool, enChaine);
        FrmPrincipal& f = *this->f;
        Programme& p = banc->p();
        QRandomGenerator g(graine);
        int nouvelles = 0, modifications = 0, suppressions = 0;
        for (int etape = 0; etape < 800; ++etape) {
            const quint32 action = p.base.NbRecett == 0 ? 0 : g.bounded(10);
            if (action < 4) {
                if (enChaine && !f.CheckSaisie->isChecked() && g.bounded(4) == 0)
                    f.CheckSaisie->click();
                p.fiche.CommandRecettNouvelle_Click();
                remplirCarte(f, g, true);
                p.fiche.CommandRecettValider_Click();
                ++nouvelles;
            } else if (action < 9) {
                if (f.CheckSaisie->isChecked())
                    f.CheckSaisie->click();
                f.CommandRechValider->click();
                f.choisirLigne(static_cast<int>(g.bounded(static_cast<quint32>(p.base.NbRecett))));
                p.fiche.ListRecettes_Click();
                if (action < 7) {
                    remplirCarte(f, g, false);
                    p.fiche.CommandRecettValider_Click();
                    ++modifications;
                } else {
                    p.fiche.CommandRecettSuppr_Click();
                    ++suppressions;
                }
            } else {
                p.Main();
            }
            const QString defaut = incoherence(p.base);
            QVERIFY2(defaut.isEmpty(), qPrintable(u("step %1: %2").arg(etape).arg(defaut)));
        }
        // Names are kept once whatever their case.
        QVERIFY(p.base.NbCat <= 6 && p.base.NbMag <= 4);
        QVERIFY(nouvelles > 100 && modifications > 100 && suppressions > 50);
        QCOMPARE(banc->boites().filter(u("Erreur")), QStringList());
    }

    void textes_blancsCasseGuillemetsEtFinsDeLigne()
    {
        QCOMPARE(TexteFiche::sansBlancs(u("  Tarte ")), u("Tarte"));
        QCOMPARE(TexteFiche::sansBlancs(u("\tTarte\n")), u("\tTarte\n"));  // spaces only
        QCOMPARE(TexteFiche::sansBlancs(u("   ")), QString());
        QCOMPARE(TexteFiche::nomNormalise(u("  tartes SALÉES "), true), u("Tartes salées"));
        QCOMPARE(TexteFiche::nomNormalise(u("cuisine ACTUELLE"), false), u("Cuisine ACTUELLE"));
        QCOMPARE(TexteFiche::nomNormalise(u("le \"chef\""), false), u("Le 'chef'"));
        QCOMPARE(TexteFiche::nomNormalise(u("œufs"), true), u("Œufs"));
        QCOMPARE(TexteFiche::nomNormalise(u("ÉCLAIRS"), true), u("Éclairs"));
        // The upper case of µ has no Windows-1252 byte: the letter stays.
        QCOMPARE(TexteFiche::premiereMajuscule(u("µ-ondes")), u("µ-ondes"));
        QCOMPARE(TexteFiche::premiereMajuscule(u("ÿ")), QString(QChar(0x178)));
        // CR LF in the base, LF in the box.
        QCOMPARE(TexteFiche::notesPourAffichage(u("a\r\nb\r\n")), u("a\nb\n"));
        for (const QString& notes : {u("a\nb"), u("a\r\nb"), u("a\u2029b")})
            QCOMPARE(TexteFiche::notesPourBase(notes), u("a\r\nb"));
        // The whole code point, even beyond 16 bits.
        QCOMPARE(TexteFiche::caractereNonRepresentable(u("Crème brûlée € œ")), QString());
        QCOMPARE(TexteFiche::caractereNonRepresentable(u("Tarte ☺ x")), u("☺"));
        QCOMPARE(TexteFiche::caractereNonRepresentable(u("Tarte 🍰")), u("🍰"));
    }

    void trouverOuAjouter_existantDernierEgalPuisPremierInutilise()
    {
        Tables t;
        remplirTables(t, {u("Desserts"), u("Entrées"), u("desserts")}, {}, {{"a", 1}, {"b", 1}, {"c", 3}});
        auto cats = ListeNoms::categories(t);
        // An existing name is taken unchanged, even unused; the last equal one wins.
        QCOMPARE(cats.trouverOuAjouter(u(" ENTRÉES "), true), 2);
        QCOMPARE(t.Cat(2), u("Entrées"));
        QCOMPARE(cats.trouverOuAjouter(u("DESSERTS"), true), 3);
        QCOMPARE(QList<int>({t.CatNbRecett(1), t.CatNbRecett(2), t.CatNbRecett(3)}), QList<int>({2, 1, 2}));
        // A new name takes the first unused entry, then the next free one.
        t.CatNbRecett(2) = 0;
        QCOMPARE(ListeNoms::categories(t).trouverOuAjouter(u("tartes SALÉES"), true), 2);
        QCOMPARE(t.Cat(2) + u(" / ") + t.Cat(3), u("Tartes salées / desserts"));
        QCOMPARE(ListeNoms::categories(t).trouverOuAjouter(u("Soupes"), true), 4);
        QCOMPARE(QList<int>({t.NbCat, t.CatNbRecett(4)}), QList<int>({4, 1}));
        // An empty text is no name.
        QCOMPARE(ListeNoms::magazines(t).trouverOuAjouter(u("   "), false), 0);
        QCOMPARE(t.NbMag + t.MagNbRecett(0), 0);
    }

    void motifDeRefus_tablesPleines()
    {
        Tables t = basePleine();
        QCOMPARE(motifDeRefus(t, saisie(u("soupes"), QString(), QString())),
                 u("La base ne peut pas contenir plus de 200 catégories : la catégorie « Soupes » ne peut pas être "
                   "ajoutée.\nChoisissez une catégorie existante."));
        QCOMPARE(motifDeRefus(t, saisie(u("catégorie 1"), u("neuve"), QString())),
                 u("La catégorie « Catégorie 1 » ne peut pas contenir plus de 500 sous-catégories : la sous-catégorie "
                   "« Neuve » ne peut pas être ajoutée.\nChoisissez une sous-catégorie existante."));
        QCOMPARE(motifDeRefus(t, saisie(QString(), QString(), u("elle"))),
                 u("La base ne peut pas contenir plus de 500 magazines : le magazine « Elle » ne peut pas être "
                   "ajouté.\nChoisissez un magazine existant."));
        t.NbRecett = Tables::MaxRecett;
        QCOMPARE(motifDeRefus(t, saisie(u("Catégorie 2"), QString(), QString(), true)),
                 u("La base est pleine : elle ne peut pas contenir plus de 33000 recettes.\nLa recette n'est pas "
                   "enregistrée."));
        // An existing recipe keeps its slot.
        QCOMPARE(motifDeRefus(t, saisie(u("Catégorie 2"), QString(), QString(), false)), QString());
    }

    void motifDeRefus_tablePleineMaisNomExistantOuLibre_accepte()
    {
        Tables t = basePleine();
        QCOMPARE(motifDeRefus(t, saisie(u("CATÉGORIE 7"), u("sous 3"), u("magazine 9"))), QString());
        t.CatNbRecett(150) = t.MagNbRecett(42) = t.SousCatNbRecett(1, 77) = 0;
        QCOMPARE(motifDeRefus(t, saisie(u("Soupes"), u("x"), u("Elle"))), QString());
        QCOMPARE(motifDeRefus(t, saisie(u("Catégorie 1"), u("neuve"), QString())), QString());
        // A new category in a free slot starts with free sub-categories.
        QCOMPARE(ListeNoms::categories(t).trouverOuAjouter(u("Soupes"), true), 150);
    }

    void motifDeRefus_textesQuiCasseraientLaBase()
    {
        // Commas and unwritable characters: coller_textesQuiCasseraientLaBase_refuses.
        Tables t;
        SaisieFiche s = saisie(QString(), QString(), u("Elle\r\nà table"));
        QCOMPARE(motifDeRefus(t, s), u("Le champ « Magazine » ne peut pas contenir de retour à la ligne."));
        s = saisie(QString(), QString(), QString());
        s.nom = u("Tarte") + QChar(0xFF) + u(" 3");
        QCOMPARE(motifDeRefus(t, s), u("Le nom de la recette ne peut pas contenir le caractère « ÿ ».\nSupprimez-le avant "
                                       "de valider."));
        // Commas in the name and the notes, "ÿ" in a list are kept.
        s = saisie(u("Crème brûlée"), u("Ÿ") + QChar(0xFF), QString());
        s.nom = u("Tarte, pommes");
        s.notes = u("sel, poivre\r\n€ 3");
        QCOMPARE(motifDeRefus(t, s), QString());
    }

private:
    Tables& t() { return banc->p().base; }
    // The found list after "Actualiser", then a click on the line of slot r.
    void montrer(int r)
    {
        f->CommandRechValider->click();
        const int k = static_cast<int>(f->ListTmp.indexOf(QRegularExpression(u(".*\u00FF %1").arg(r))));
        QVERIFY(k >= 0);
        cliquerLigne(*f, k);
    }

    void valider() { QTest::mouseClick(banc->fen().CommandRecettValider, Qt::LeftButton); }
    std::unique_ptr<Banc> banc;
    FrmPrincipal* f = nullptr;
};

QTEST_MAIN(TstFiche)
#include "tst_fiche.moc"
