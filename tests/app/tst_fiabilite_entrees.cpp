// Starting on bad files: a garbage base, a full base cut short, counts beyond
// the tables, a settings file of garbage lines, a settings file naming a
// missing base. The program starts, says what is wrong in a few boxes, and
// leaves the files as they were.
#include "Banc.h"
#include "base/FichierBase.h"
#include "base/Tables.h"
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <memory>

namespace {
using R = Plateforme::Reponse;

QString nomAffiche(const QString& chemin)
{
    return QStringLiteral("« ") + QDir::toNativeSeparators(chemin) + QStringLiteral(" »");
}

// A base of `n` recipes over a few categories, sub-categories and magazines.
QByteArray grandeBase(int n)
{
    auto t = std::make_unique<Tables>();
    t->NbCat = 4;
    t->NbMag = 6;
    for (int c = 1; c <= t->NbCat; ++c) {
        t->Cat(c) = QStringLiteral("Catégorie %1").arg(c);
        t->NbSousCat(c) = 3;
        for (int s = 1; s <= 3; ++s)
            t->SousCat(c, s) = QStringLiteral("Sous-catégorie %1.%2").arg(c).arg(s);
    }
    for (int m = 1; m <= t->NbMag; ++m)
        t->Mag(m) = QStringLiteral("Magazine %1").arg(m);
    t->NbRecett = n;
    for (int r = 1; r <= n; ++r) {
        const int c = 1 + r % 4, s = 1 + r % 3, m = 1 + r % 6;
        t->RecettTexte(r, 0) = QString::number(r % 120);
        t->RecettTexte(r, 1) = QString::number(r % 90);
        t->RecettTexte(r, 2) = QStringLiteral("crème, œufs, sucre");
        t->RecettTexte(r, 3) = QStringLiteral("Recette n°%1").arg(r);
        t->RecettVal(r, 0) = c;
        t->RecettVal(r, 1) = s;
        t->RecettVal(r, 2) = m;
        t->RecettVal(r, 3) = r % 2;
        ++t->CatNbRecett(c);
        ++t->SousCatNbRecett(c, s);
        ++t->MagNbRecett(m);
    }
    return Codec::encoder(FichierBase::ecrire(*t));
}

QString lueEnPartie(const Banc& b, const QString& nom, int recettes)
{
    return QStringLiteral("Zuta! | La base ") + nomAffiche(b.chemin(nom))
        + QStringLiteral(" n'a pas pu être lue en entier (fichier incomplet ou abîmé) : %1 recette(s) lue(s).\nLe "
                         "fichier est laissé tel quel ; avant le prochain enregistrement, il sera conservé sous un "
                         "autre nom.")
              .arg(recettes);
}

QByteArray hasard(int taille)
{
    QRandomGenerator g(20051);
    QByteArray o(taille, '\0');
    for (char& c : o)
        c = static_cast<char>(g.bounded(256));
    return o;
}

QByteArray reglagesVers(const Banc& b, const QString& base)
{
    return Codec::encoder(QStringLiteral(" 0 \r\n 1 \r\n 1500 \r\n 1500 \r\n") + b.chemin(base) + QStringLiteral("\r\n"));
}

void verifierUtilisable(Banc& b, int recettes)
{
    QVERIFY(b.fen().isVisible());
    QVERIFY(b.fen().isEnabled());
    b.fen().CommandRechValider->click();
    QCOMPARE(b.fen().LabelTotalrecett->text(), QStringLiteral("Recettes totales : %1").arg(recettes));
}
} // namespace

class TestFiabiliteEntrees : public QObject {
    Q_OBJECT
private slots:
    void baseDeDechets()
    {
        Banc b;
        const QByteArray dechets = "Bonjour" + hasard(5000);
        b.ecrireOctets(QStringLiteral("Recettes.don"), dechets);
        const QByteArray ini = reglagesVers(b, QStringLiteral("Recettes.don"));
        b.ecrireOctets(QStringLiteral("Zuta.ini"), ini);
        b.demarrer();
        const QStringList boites = b.boites();
        QCOMPARE(boites.size(), 1);
        QVERIFY(boites[0].contains(nomAffiche(b.chemin(QStringLiteral("Recettes.don")))));
        QVERIFY(boites[0].contains(QStringLiteral("n'est pas une base Zuta!")));
        QCOMPARE(b.lire(QStringLiteral("Recettes.don")), dechets);
        QCOMPARE(b.lire(QStringLiteral("Zuta.ini")), ini);
        verifierUtilisable(b, 0);
    }

    void grandeBaseCoupee()
    {
        Banc b;
        const QByteArray entiere = grandeBase(2000);
        const QByteArray coupee = entiere.left(entiere.size() * 3 / 5);
        b.ecrireOctets(QStringLiteral("Recettes.don"), coupee);
        const QByteArray ini = reglagesVers(b, QStringLiteral("Recettes.don"));
        b.ecrireOctets(QStringLiteral("Zuta.ini"), ini);
        b.demarrer();
        const QStringList boites = b.boites();
        const Tables& t = b.p().base;
        QCOMPARE(boites, (QStringList{QStringLiteral("Erreur ! | Fin de fichier atteinte"),
                                      lueEnPartie(b, QStringLiteral("Recettes.don"), t.NbRecett)}));
        QCOMPARE(b.lire(QStringLiteral("Recettes.don")), coupee);
        QCOMPARE(b.lire(QStringLiteral("Zuta.ini")), ini);
        QVERIFY(t.NbRecett > 1000 && t.NbRecett < 1300);
        for (int c = 1; c <= t.NbCat; ++c)
            QCOMPARE(t.CatNbRecett(c), t.compterCat(c));
        verifierUtilisable(b, t.NbRecett);
    }

    void comptesAuDelaDesTables()
    {
        Banc b;
        const QByteArray base = "-1 \r\nv1.2b\r\n 999 \r\nDesserts\r\n 1 \r\n 1 \r\nTartes\r\n 1 \r\n";
        b.ecrireOctets(QStringLiteral("Recettes.don"), base);
        const QByteArray ini = reglagesVers(b, QStringLiteral("Recettes.don"));
        b.ecrireOctets(QStringLiteral("Zuta.ini"), ini);
        b.demarrer();
        QCOMPARE(b.boites(), (QStringList{QStringLiteral("Erreur ! | L'indice n'appartient pas à la sélection"),
                                          lueEnPartie(b, QStringLiteral("Recettes.don"), 0)}));
        QCOMPARE(b.p().base.NbCat, 0);
        QCOMPARE(b.lire(QStringLiteral("Recettes.don")), base);
        QCOMPARE(b.lire(QStringLiteral("Zuta.ini")), ini);
        verifierUtilisable(b, 0);
    }

    void reglagesDeDechets()
    {
        Banc b;
        const QByteArray ini = "abc\r\n\xff\xfe xyz\r\n,,,,\r\n\"\r\n" + hasard(300);
        b.ecrireOctets(QStringLiteral("Zuta.ini"), ini);
        b.demarrer();
        // One box for the first bad value, one naming the file; the last
        // line of a damaged file is no base path: the default base opens.
        QCOMPARE(b.boites(),
                 (QStringList{QStringLiteral("Erreur ! | Incompatibilité de type"),
                              QStringLiteral("Zuta! | Le fichier des réglages « ") + b.chemin(QStringLiteral("Zuta.ini"))
                                  + QStringLiteral(" » contient des valeurs illisibles : elles gardent leur valeur "
                                                   "par défaut. Le fichier sera réécrit à la fin du programme.")}));
        QCOMPARE(b.p().etat.CheminBase, b.chemin(QStringLiteral("Zuta2005.don")));
        QCOMPARE(QDir(b.dossier()).entryList(QDir::Files), (QStringList{QStringLiteral("Zuta.ini"), QStringLiteral("Zuta2005.don")}));
        QCOMPARE(b.lire(QStringLiteral("Zuta.ini")), ini);
        verifierUtilisable(b, 0);
    }

    void ligne5SurBaseManquante()
    {
        Banc b;
        const QByteArray ini = reglagesVers(b, QStringLiteral("Disparue.don"));
        b.ecrireOctets(QStringLiteral("Zuta.ini"), ini);
        b.demarrer();
        QCOMPARE(b.boites(), QStringList{QStringLiteral("Zuta! | La base ")
                                         + nomAffiche(b.chemin(QStringLiteral("Disparue.don")))
                                         + QStringLiteral(" est introuvable.\nUne nouvelle base vide est créée sous "
                                                          "ce nom.")});
        QCOMPARE(b.p().etat.CheminBase, b.chemin(QStringLiteral("Disparue.don")));
        QCOMPARE(b.lire(QStringLiteral("Zuta.ini")), ini);
        verifierUtilisable(b, 0);
    }
};

QTEST_MAIN(TestFiabiliteEntrees)
#include "tst_fiabilite_entrees.moc"
