// Find-or-add of the card's names, the tidying of its texts, and the reasons
// a card cannot be stored.
#include "Outils.h"
#include "card/ControleFiche.h"
#include "card/ListeNoms.h"
#include "card/TexteFiche.h"

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

void TstNomsFiche::trouverOuAjouter_existantDernierEgalPuisPremierInutilise()
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

namespace {
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

void TstNomsFiche::motifDeRefus_tablesPleines()
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

void TstNomsFiche::motifDeRefus_tablePleineMaisNomExistantOuLibre_accepte()
{
    Tables t = basePleine();
    QCOMPARE(motifDeRefus(t, saisie(u("CATÉGORIE 7"), u("sous 3"), u("magazine 9"))), QString());
    t.CatNbRecett(150) = t.MagNbRecett(42) = t.SousCatNbRecett(1, 77) = 0;
    QCOMPARE(motifDeRefus(t, saisie(u("Soupes"), u("x"), u("Elle"))), QString());
    QCOMPARE(motifDeRefus(t, saisie(u("Catégorie 1"), u("neuve"), QString())), QString());
    // A new category in a free slot starts with free sub-categories.
    QCOMPARE(ListeNoms::categories(t).trouverOuAjouter(u("Soupes"), true), 150);
}

void TstNomsFiche::motifDeRefus_textesQuiCasseraientLaBase()
{
    // Commas and unwritable characters: see the card's own test.
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

QTEST_GUILESS_MAIN(TstNomsFiche)
#include "tst_nomsfiche.moc"
