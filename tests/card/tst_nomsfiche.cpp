// Find-or-add of the card's names, the tidying of its texts, and the reasons
// a card cannot be stored.
#include "base/Tables.h"
#include "card/ControleFiche.h"
#include "card/ListeNoms.h"
#include "card/TexteFiche.h"
#include <QTest>

class TstNomsFiche : public QObject {
    Q_OBJECT
private slots:
    void textes_blancsCasseGuillemetsEtFinsDeLigne();
    void trouverOuAjouter_existantDernierEgalPuisPremierInutilise();
    void motifDeRefus_tablesPleines();
    void motifDeRefus_tablePleineMaisNomExistantOuLibre_accepte();
    void motifDeRefus_textesQuiCasseraientLaBase();
};

void TstNomsFiche::textes_blancsCasseGuillemetsEtFinsDeLigne()
{
    QCOMPARE(TexteFiche::sansBlancs(QStringLiteral("  Tarte ")), QStringLiteral("Tarte"));
    QCOMPARE(TexteFiche::sansBlancs(QStringLiteral("\tTarte\n")), QStringLiteral("\tTarte\n"));  // spaces only
    QCOMPARE(TexteFiche::sansBlancs(QStringLiteral("   ")), QString());
    QCOMPARE(TexteFiche::nomNormalise(QStringLiteral("  tartes SALÉES "), true), QStringLiteral("Tartes salées"));
    QCOMPARE(TexteFiche::nomNormalise(QStringLiteral("cuisine ACTUELLE"), false), QStringLiteral("Cuisine ACTUELLE"));
    QCOMPARE(TexteFiche::nomNormalise(QStringLiteral("le \"chef\""), false), QStringLiteral("Le 'chef'"));
    QCOMPARE(TexteFiche::nomNormalise(QStringLiteral("œufs"), true), QStringLiteral("Œufs"));
    QCOMPARE(TexteFiche::nomNormalise(QStringLiteral("ÉCLAIRS"), true), QStringLiteral("Éclairs"));
    // The upper case of µ has no Windows-1252 byte: the letter stays.
    QCOMPARE(TexteFiche::premiereMajuscule(QStringLiteral("µ-ondes")), QStringLiteral("µ-ondes"));
    QCOMPARE(TexteFiche::premiereMajuscule(QStringLiteral("ÿ")), QString(QChar(0x178)));
    // CR LF in the base, LF in the box.
    QCOMPARE(TexteFiche::notesPourAffichage(QStringLiteral("a\r\nb\r\n")), QStringLiteral("a\nb\n"));
    for (const QString& notes : {QStringLiteral("a\nb"), QStringLiteral("a\r\nb"), QStringLiteral("a\u2029b")})
        QCOMPARE(TexteFiche::notesPourBase(notes), QStringLiteral("a\r\nb"));
    // The whole code point, even beyond 16 bits.
    QCOMPARE(TexteFiche::caractereNonRepresentable(QStringLiteral("Crème brûlée € œ")), QString());
    QCOMPARE(TexteFiche::caractereNonRepresentable(QStringLiteral("Tarte ☺ x")), QStringLiteral("☺"));
    QCOMPARE(TexteFiche::caractereNonRepresentable(QStringLiteral("Tarte 🍰")), QStringLiteral("🍰"));
}

void TstNomsFiche::trouverOuAjouter_existantDernierEgalPuisPremierInutilise()
{
    Tables t;
    t.NbCat = 3;
    t.Cat(1) = QStringLiteral("Desserts");
    t.Cat(2) = QStringLiteral("Entrées");
    t.Cat(3) = QStringLiteral("desserts");
    t.CatNbRecett(1) = 2;
    t.CatNbRecett(3) = 1;
    auto cats = ListeNoms::categories(t);
    // An existing name is taken unchanged, even unused; the last equal one wins.
    QCOMPARE(cats.trouverOuAjouter(QStringLiteral(" ENTRÉES "), true), 2);
    QCOMPARE(t.Cat(2), QStringLiteral("Entrées"));
    QCOMPARE(cats.trouverOuAjouter(QStringLiteral("DESSERTS"), true), 3);
    QCOMPARE(QList<int>({t.CatNbRecett(1), t.CatNbRecett(2), t.CatNbRecett(3)}), QList<int>({2, 1, 2}));
    // A new name takes the first unused entry, then the next free one.
    t.CatNbRecett(2) = 0;
    QCOMPARE(ListeNoms::categories(t).trouverOuAjouter(QStringLiteral("tartes SALÉES"), true), 2);
    QCOMPARE(t.Cat(2), QStringLiteral("Tartes salées"));
    QCOMPARE(t.NbCat, 3);
    QCOMPARE(ListeNoms::categories(t).trouverOuAjouter(QStringLiteral("Soupes"), true), 4);
    QCOMPARE(t.NbCat, 4);
    QCOMPARE(t.CatNbRecett(4), 1);
    // An empty text is no name.
    QCOMPARE(ListeNoms::magazines(t).trouverOuAjouter(QStringLiteral("   "), false), 0);
    QCOMPARE(t.NbMag + t.MagNbRecett(0), 0);
}

namespace {
Tables basePleine()
{
    Tables t;
    t.NbCat = Tables::MaxCat;
    for (int c = 1; c <= Tables::MaxCat; ++c) {
        t.Cat(c) = QStringLiteral("Catégorie %1").arg(c);
        t.CatNbRecett(c) = 1;
    }
    t.NbSousCat(1) = Tables::MaxSousCat;
    for (int s = 1; s <= Tables::MaxSousCat; ++s) {
        t.SousCat(1, s) = QStringLiteral("Sous %1").arg(s);
        t.SousCatNbRecett(1, s) = 1;
    }
    t.NbMag = Tables::MaxMag;
    for (int m = 1; m <= Tables::MaxMag; ++m) {
        t.Mag(m) = QStringLiteral("Magazine %1").arg(m);
        t.MagNbRecett(m) = 1;
    }
    return t;
}

SaisieFiche saisie(const QString& cat, const QString& sous, const QString& mag, bool nouvelle = false)
{
    return SaisieFiche{QStringLiteral("Tarte"), cat, sous, mag, QString(), QString(), QString(), nouvelle};
}
} // namespace

void TstNomsFiche::motifDeRefus_tablesPleines()
{
    Tables t = basePleine();
    QCOMPARE(motifDeRefus(t, saisie(QStringLiteral("soupes"), QString(), QString())),
             QStringLiteral("La base ne peut pas contenir plus de 200 catégories : la catégorie « Soupes » ne peut "
                            "pas être ajoutée.\nChoisissez une catégorie existante."));
    QCOMPARE(motifDeRefus(t, saisie(QStringLiteral("catégorie 1"), QStringLiteral("neuve"), QString())),
             QStringLiteral("La catégorie « Catégorie 1 » ne peut pas contenir plus de 500 sous-catégories : la "
                            "sous-catégorie « Neuve » ne peut pas être ajoutée.\nChoisissez une sous-catégorie "
                            "existante."));
    QCOMPARE(motifDeRefus(t, saisie(QString(), QString(), QStringLiteral("elle"))),
             QStringLiteral("La base ne peut pas contenir plus de 500 magazines : le magazine « Elle » ne peut pas "
                            "être ajouté.\nChoisissez un magazine existant."));
    t.NbRecett = Tables::MaxRecett;
    QCOMPARE(motifDeRefus(t, saisie(QStringLiteral("Catégorie 2"), QString(), QString(), true)),
             QStringLiteral("La base est pleine : elle ne peut pas contenir plus de 33000 recettes.\nLa recette "
                            "n'est pas enregistrée."));
    // An existing recipe keeps its slot.
    QCOMPARE(motifDeRefus(t, saisie(QStringLiteral("Catégorie 2"), QString(), QString(), false)), QString());
}

void TstNomsFiche::motifDeRefus_tablePleineMaisNomExistantOuLibre_accepte()
{
    Tables t = basePleine();
    QCOMPARE(motifDeRefus(t, saisie(QStringLiteral("CATÉGORIE 7"), QStringLiteral("sous 3"),
                                    QStringLiteral("magazine 9"))),
             QString());
    t.CatNbRecett(150) = 0;
    t.MagNbRecett(42) = 0;
    t.SousCatNbRecett(1, 77) = 0;
    QCOMPARE(motifDeRefus(t, saisie(QStringLiteral("Soupes"), QStringLiteral("x"), QStringLiteral("Elle"))),
             QString());
    QCOMPARE(motifDeRefus(t, saisie(QStringLiteral("Catégorie 1"), QStringLiteral("neuve"), QString())), QString());
    // A new category in a free slot starts with free sub-categories.
    QCOMPARE(ListeNoms::categories(t).trouverOuAjouter(QStringLiteral("Soupes"), true), 150);
}

void TstNomsFiche::motifDeRefus_textesQuiCasseraientLaBase()
{
    // Commas and unwritable characters: see the card's own test.
    Tables t;
    SaisieFiche s = saisie(QString(), QString(), QStringLiteral("Elle\r\nà table"));
    QCOMPARE(motifDeRefus(t, s), QStringLiteral("Le champ « Magazine » ne peut pas contenir de retour à la ligne."));
    s = saisie(QString(), QString(), QString());
    s.nom = QStringLiteral("Tarte") + QChar(0xFF) + QStringLiteral(" 3");
    QCOMPARE(motifDeRefus(t, s), QStringLiteral("Le nom de la recette ne peut pas contenir le caractère « ÿ ».\n"
                                                "Supprimez-le avant de valider."));
    // Commas in the name and the notes, "ÿ" in a list are kept.
    s = saisie(QStringLiteral("Crème brûlée"), QStringLiteral("Ÿ") + QChar(0xFF), QString());
    s.nom = QStringLiteral("Tarte, pommes");
    s.notes = QStringLiteral("sel, poivre\r\n€ 3");
    QCOMPARE(motifDeRefus(t, s), QString());
}

QTEST_GUILESS_MAIN(TstNomsFiche)
#include "tst_nomsfiche.moc"
