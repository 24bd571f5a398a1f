// Long random runs of new recipes, edits, deletions and refreshes through the
// card's own routines: after every step each counter equals its recount.
#include "Banc.h"
#include <QCheckBox>
#include <QRandomGenerator>

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
} // namespace

class TstFicheCompteurs : public QObject {
    Q_OBJECT
private slots:
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
        Banc banc;
        banc.reglages();
        FrmPrincipal& f = banc.demarrer();
        Programme& p = banc.p();
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
        QCOMPARE(banc.boites().filter(u("Erreur")), QStringList());
    }
};

QTEST_MAIN(TstFicheCompteurs)
#include "tst_fiche_compteurs.moc"
