// Starting on bad files: a garbage base, a full base cut short, counts beyond
// the tables, a settings file of garbage lines, a settings file naming a
// missing base. The program starts, says what is wrong in a few boxes, and
// leaves the files as they were.
#include "Banc.h"
#include "base/FichierBase.h"
#include "base/Generateur.h"
#include <QFileInfo>
#include <QRandomGenerator>

namespace {
const QString Recettes = u("Recettes.don");

QString lueEnPartie(const Banc& b, int recettes)
{
    return u("Zuta! | La base ") + nomAffiche(b.chemin(Recettes))
           + u(" n'a pas pu être lue en entier (fichier incomplet ou abîmé) : %1 recette(s) lue(s).\nLe fichier est "
               "laissé tel quel ; avant le prochain enregistrement, il sera conservé sous un autre nom.")
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

// Starts on the given settings file and base file ("Recettes.don", none when
// null), and returns the boxes shown.
QStringList demarrerSur(Banc& b, const QByteArray& base, const QByteArray& ini)
{
    if (!base.isNull())
        b.ecrireOctets(Recettes, base);
    b.ecrireOctets(u("Zuta.ini"), ini);
    b.demarrer();
    return b.boites();
}

QByteArray reglagesVers(const Banc& b, const QString& base)
{
    return Codec::encoder(u(" 0 \r\n 1 \r\n 1500 \r\n 1500 \r\n") + b.chemin(base) + u("\r\n"));
}

// The files as they were written, and the program at work on `recettes`.
void verifierApres(Banc& b, const QByteArray& base, const QByteArray& ini, int recettes)
{
    if (!base.isNull())
        QCOMPARE(b.lire(Recettes), base);
    QCOMPARE(b.lire(u("Zuta.ini")), ini);
    b.verifierUtilisable(recettes);
}
} // namespace

class TestFiabiliteEntrees : public QObject {
    Q_OBJECT
private slots:
    void baseDeDechets()
    {
        Banc b;
        const QByteArray dechets = "Bonjour" + hasard(5000), ini = reglagesVers(b, Recettes);
        const QStringList boites = demarrerSur(b, dechets, ini);
        QCOMPARE(boites.size(), 1);
        QVERIFY(boites[0].contains(nomAffiche(b.chemin(Recettes)) + u(" n'est pas une base Zuta!")));
        verifierApres(b, dechets, ini, 0);
    }

    // Cut in the name of recipe 1,200 of a realistic base: the 1,199 before it
    // are read, every counter agrees with them.
    void grandeBaseCoupee()
    {
        Banc b;
        auto t = std::make_unique<Tables>();
        Generateur::Parametres parametres = Generateur::baseDemo();
        parametres.recettes = 2000;
        Generateur::remplir(*t, parametres);
        t->RecettTexte(1200, 3) = u("Coupure ici");
        const QByteArray entiere = Codec::encoder(FichierBase::ecrire(*t));
        const QByteArray coupee = entiere.left(entiere.indexOf("\"Coupure ici\"")), ini = reglagesVers(b, Recettes);
        QCOMPARE(demarrerSur(b, coupee, ini), (QStringList{u("Erreur ! | Fin de fichier atteinte"), lueEnPartie(b, 1199)}));
        QCOMPARE(b.p().base.NbRecett, 1199);
        QCOMPARE(incoherence(b.p().base), QString());
        verifierApres(b, coupee, ini, 1199);
    }

    void comptesAuDelaDesTables()
    {
        Banc b;
        const QByteArray base = "-1 \r\nv1.2b\r\n 999 \r\nDesserts\r\n 1 \r\n 1 \r\nTartes\r\n 1 \r\n";
        const QByteArray ini = reglagesVers(b, Recettes);
        QCOMPARE(demarrerSur(b, base, ini),
                 (QStringList{u("Erreur ! | L'indice n'appartient pas à la sélection"), lueEnPartie(b, 0)}));
        QCOMPARE(b.p().base.NbCat, 0);
        verifierApres(b, base, ini, 0);
    }

    void reglagesDeDechets()
    {
        Banc b;
        const QByteArray ini = "abc\r\n\xff\xfe xyz\r\n,,,,\r\n\"\r\n" + hasard(300);
        // One box for the first bad value, one naming the file; the last
        // line of a damaged file is no base path: the default base opens.
        QCOMPARE(demarrerSur(b, QByteArray(), ini),
                 (QStringList{u("Erreur ! | Incompatibilité de type"),
                              u("Zuta! | Le fichier des réglages ") + nomAffiche(b.chemin(u("Zuta.ini")))
                                  + u(" contient des valeurs illisibles : elles gardent leur valeur par défaut. Le "
                                      "fichier sera réécrit à la fin du programme.")}));
        QCOMPARE(b.p().etat.CheminBase, b.chemin(u("Zuta2005.don")));
        QCOMPARE(QDir(b.dossier()).entryList(QDir::Files), (QStringList{u("Zuta.ini"), u("Zuta2005.don")}));
        verifierApres(b, QByteArray(), ini, 0);
    }

    // The missing base is created empty under its name, without a copy of
    // an older version.
    void ligne5SurBaseManquante()
    {
        Banc b;
        const QByteArray ini = reglagesVers(b, u("Disparue.don"));
        QCOMPARE(demarrerSur(b, QByteArray(), ini),
                 QStringList{u("Zuta! | La base ") + nomAffiche(b.chemin(u("Disparue.don")))
                             + u(" est introuvable.\nUne nouvelle base vide est créée sous ce nom.")});
        QCOMPARE(b.p().etat.CheminBase, b.chemin(u("Disparue.don")));
        QCOMPARE(b.lire(u("Disparue.don")), BaseVide);
        QVERIFY(!QFileInfo::exists(b.chemin(u("Disparue.don.bak"))) && !b.p().etat.BaseIlisible);
        verifierApres(b, QByteArray(), ini, 0);
    }
};

QTEST_MAIN(TestFiabiliteEntrees)
#include "tst_fiabilite_entrees.moc"
