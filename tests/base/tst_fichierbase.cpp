// Windows-1252, numbers, the base file written and read (byte for
// byte, damaged), and older bases: header, conversion report, counters corrected.
#include "Outils.h"
#include "PlateformeScriptee.h"
#include "base/Conversion.h"
#include "base/FichierBase.h"
#include "base/FormatNombres.h"
#include "platform/PolitiqueErreurs.h"
#include <QRandomGenerator>
#include <climits>

using Conversion::Genre;

namespace {
struct Lecture {
    PlateformeScriptee plateforme;
    PolitiqueErreurs politique{plateforme};
    std::unique_ptr<Tables> t = std::make_unique<Tables>();
    FichierBase::ResultatLecture r;
    explicit Lecture(const QByteArray& octets) { r = FichierBase::lire(octets, *t, politique); }
    explicit Lecture(const QString& texte) : Lecture(Codec::encoder(texte)) {}
};

// Written (as `attendus` when given), then read back without a box into
// tables that write the same bytes.
void allerRetour(const Tables& t, const QByteArray& attendus = {})
{
    bool remplace = false;
    const QByteArray octets = Codec::encoder(FichierBase::ecrire(t), &remplace);
    if (!attendus.isNull())
        QCOMPARE(octets, attendus);
    QCOMPARE(FichierBase::octets(t), octets); // what a save writes
    Lecture l(octets);
    QVERIFY(!remplace && !l.r.erreurs && l.plateforme.boites.isEmpty());
    QCOMPARE(Codec::encoder(FichierBase::ecrire(*l.t)), octets);
}

// Desserts says 5 recipes while 3 carry it, Cuisine 7; no header lines.
QStringList corpsAncien()
{
    return QStringList{" 2 ",     "Desserts", " 5 ", " 2 ", "Tartes",  " 3 ", "Crèmes", " 0 ",
                       "Entrées", " 0 ",      " 0 ", " 1 ", "Cuisine", " 7 ", " 3 "}
    + recetteTexte("81", 1, "12", 1, "", 1, "Tarte aux pommes", 1)
        + recetteTexte("82", 1, "3, 4", 1, "beurre, sucre", 1, "Tarte fine")
        + recetteTexte("83", 1, "40", 1, "", 1, "Tartelette", 1);
}
} // namespace

class TestFichierBase : public QObject {
    Q_OBJECT
private slots:
    // Every index is checked (the bounds: tables filled below); recounting brings
    // values outside the tables back to 0; emptying keeps the names.
    void codec_windows1252EtRemplacementSignale()
    {
        const QString texte = u("œ€ÿÐé’…Ÿ");
        QCOMPARE(Codec::encoder(texte), QByteArray("\x9c\x80\xff\xd0\xe9\x92\x85\x9f"));
        QCOMPARE(Codec::decoder("\x9c\x80\xff\xd0\xe9\x92\x85\x9f"), texte);
        bool remplace = false;
        QVERIFY(Codec::encoder(u("a\u4e2db"), &remplace) == "a?b" && remplace);
        QVERIFY(Codec::encoder(u("é\u4e2d€").repeated(40), &remplace) == QByteArray("\xe9?\x80").repeated(40)
                && remplace);
        QCOMPARE(Codec::premierNonRepresentable(u("xy\u2603z")), QChar(0x2603));
        QVERIFY(Codec::representable(u("Bœuf à 5 €")) && !Codec::representable(u("\u0141\u00f3d\u017a")));
        QByteArray tous;
        for (int o = 0; o < 256; ++o)
            tous.append(static_cast<char>(o));
        QCOMPARE(Codec::encoder(Codec::decoder(tous)), tous);
        // Every byte at every place of values of every length that is
        // decoded by blocks, as it is alone.
        for (int n = 1; n < 70; n += 3)
            for (int o = 0; o < 256; ++o) {
                QByteArray valeur = QByteArray("Bavarois aux fraises, coulis de ").repeated(3).left(n);
                valeur[o % n] = static_cast<char>(o);
                QString attendu = QString::fromLatin1(valeur);
                attendu[o % n] = Codec::decoder(QByteArray(1, static_cast<char>(o)))[0];
                QCOMPARE(Codec::decoder(valeur), attendu);
            }
    }

    void nombres_blancALaPlaceDuSigne()
    {
        const QList<std::pair<long long, QString>> attendus{
            {0, u(" 0")}, {12, u(" 12")}, {33000, u(" 33000")}, {-1, u("-1")}, {LLONG_MIN, u("-9223372036854775808")}};
        for (const auto& [n, signe] : attendus) {
            QCOMPARE(FormatNombres::signe(n), signe);
            QCOMPARE(FormatNombres::ligne(n), signe + u(" "));
        }
    }

    // Values end at a comma or at the end of the line; blanks around numbers
    // and before names are passed over.
    void reglesDeLecture_blancsPassesEtVirgulesSeparent()
    {
        Lecture l(lignes({"-1,v1.2b", "1", "   Desserts", "   2   ,0", "\t1", "Cuisine,2", "1", "\"81\",1,\"12\"", "0",
                          " \"beurre, sucre\" ", "1", "\"Tarte\"", "1"}));
        QVERIFY(!l.r.erreurs && l.plateforme.boites.isEmpty());
        QCOMPARE(l.t->Cat(1) + l.t->Mag(1) + l.t->RecettTexte(1, Recette::Notes), u("DessertsCuisinebeurre, sucre"));
        QCOMPARE(QList<int>({l.t->NbCat, l.t->CatNbRecett(1), l.t->NbMag, l.t->MagNbRecett(1),
                             l.t->RecettVal(1, Recette::Testee)}),
                 QList<int>({1, 2, 1, 2, 1}));
    }

    // The reference files; names with a comma or a line break quoted and read
    // back whole, a double quote in a text made an apostrophe; full tables.
    void allerRetour_referencesTextesDifficilesTablesPleines()
    {
        auto t = std::make_unique<Tables>();
        allerRetour(*t, donneeTest(u("vide.don")));
        remplirTables(*t, {u("Desserts/Tartes")}, {u("Cuisine")}, {{"Tarte aux pommes", 1, 1, 1, 1, "81", "12"}});
        allerRetour(*t, baseUneRecette());
        t->RecettTexte(1, Recette::Notes) = u("Farine, sucre, beurre\r\nCuire 30 min, four chaud ÿ Ð — 5 €");
        t->Cat(1) = u("Tarte, pommes");
        t->SousCat(1, 1) = u("Fines\r\nrustiques");
        t->Mag(1) = u("Cuisine, et vins");
        const QString ecrit = FichierBase::ecrire(*t);
        QVERIFY(ecrit.contains(u("\r\n\"Tarte, pommes\"\r\n")) && ecrit.contains(u("\r\n\"Cuisine, et vins\"\r\n"))
                && ecrit.contains(u("\r\n\"Fines\r\nrustiques\"\r\n")));
        allerRetour(*t);
        t->RecettTexte(1, Recette::Nom) = u("Le \"vrai\" far");
        t->Mag(1) = u("Cuisine \"2000\"");
        Lecture l(FichierBase::ecrire(*t));
        QCOMPARE(l.t->RecettTexte(1, Recette::Nom) + l.t->Mag(1), u("Le 'vrai' farCuisine '2000'"));
        QCOMPARE(l.t->RecettVal(1, Recette::Testee), 1);
        t = std::make_unique<Tables>();
        t->NbCat = Tables::MaxCat;
        t->NbSousCat(Tables::MaxCat) = Tables::MaxSousCat;
        t->NbMag = Tables::MaxMag;
        t->NbRecett = Tables::MaxRecett;
        for (int r = 1; r <= Tables::MaxRecett; ++r) {
            t->RecettTexte(r, Recette::Numero) = u("n°%1").arg(r);
            t->RecettTexte(r, Recette::Notes) = r % 7 ? QString() : u("beurre, sucre\r\nœufs");
            t->RecettVal(r, Recette::Categorie) = Tables::MaxCat - r % 2;
            t->RecettVal(r, Recette::SousCategorie) = r % 2 ? 0 : r / 2 % Tables::MaxSousCat + 1;
            t->RecettVal(r, Recette::Magazine) = r % Tables::MaxMag + 1;
        }
        t->remettreEnCoherence();
        allerRetour(*t);
    }

    // Repeated texts read into empty tables share one string, which a change
    // to one of them copies first; texts of the same length that are equal
    // in their first, middle and last eight bytes stay apart; a base read
    // again over itself reads the same.
    void lecture_textesRepetesPartagesEtDistincts()
    {
        const char* a = "AAAAAAAAbbbbbbbbCCCCCCCCddddddddEEEEEEEE";
        const char* b = "AAAAAAAAbbbbbbbbCCCCCCCCdddddddeEEEEEEEE";
        Tables t;
        remplirTables(t, {u("Desserts")}, {u("Cuisine")},
                      {{a, 1, 0, 1, 0, "81", "12"}, {b, 1, 0, 1, 0, "81", "12"}, {a, 1, 0, 1, 1, "81", "13"}});
        const QByteArray octets = FichierBase::octets(t);
        Lecture l(octets);
        Tables& lues = *l.t;
        QCOMPARE(lues.RecettTexte(2, Recette::Nom), QString::fromLatin1(b));
        QCOMPARE(lues.RecettTexte(3, Recette::Nom).constData(), lues.RecettTexte(1, Recette::Nom).constData());
        QCOMPARE(lues.RecettTexte(2, Recette::Numero).constData(), lues.RecettTexte(1, Recette::Numero).constData());
        lues.RecettTexte(1, Recette::Nom) += u("!");
        QCOMPARE(lues.RecettTexte(3, Recette::Nom), QString::fromLatin1(a));
        QVERIFY(!FichierBase::lire(octets, lues, l.politique).erreurs);
        QCOMPARE(FichierBase::octets(lues), octets);
    }

    // A large base is read in two halves: as one reading would, whether the
    // halves hold the writer's form only, a value of another form in either
    // half (which moves the quotes the half is found by), or a bad value in
    // either half (one box, the reading ends there).
    void lectureEnDeuxMoities_commeEnUne_data()
    {
        QTest::addColumn<QByteArray>("retouche"); // in place of the marked name
        QTest::addColumn<int>("marquee");
        QTest::addColumn<int>("recettesLues"); // 0: all, the bytes read back exactly
        QTest::newRow("forme du programme") << QByteArray("\"Tarte\"\r\n") << 5000 << 0;
        QTest::newRow("nom nu, seconde moitie") << QByteArray("Tarte\r\n") << 5000 << 0;
        QTest::newRow("nom nu, premiere moitie") << QByteArray("Tarte\r\n") << 100 << 0;
        QTest::newRow("nom nu, dernier") << QByteArray("Tarte\r\n") << 6000 << 0;
        QTest::newRow("illisible, seconde moitie") << QByteArray("\"Tarte\"\r\nx\r\n") << 5000 << 4999;
        QTest::newRow("illisible, premiere moitie") << QByteArray("\"Tarte\"\r\nx\r\n") << 100 << 99;
    }

    void lectureEnDeuxMoities_commeEnUne()
    {
        QFETCH(QByteArray, retouche);
        QFETCH(int, marquee);
        QFETCH(int, recettesLues);
        Tables t;
        t.NbCat = t.NbMag = 1;
        t.Cat(1) = u("Desserts");
        t.Mag(1) = u("Cuisine, et vins");
        t.NbRecett = 6000;
        for (int r = 1; r <= t.NbRecett; ++r) {
            t.RecettTexte(r, Recette::Numero) = u("n°%1").arg(r % 40);
            t.RecettTexte(r, Recette::Page) = QString::number(r % 300);
            t.RecettTexte(r, Recette::Notes) = r % 7 ? QString() : u("beurre, sucre\r\nœufs %1").arg(r);
            t.RecettTexte(r, Recette::Nom) = r == marquee ? u("Tarte") : u("Crème brûlée %1").arg(r % 900);
            t.RecettVal(r, Recette::Categorie) = t.RecettVal(r, Recette::Magazine) = 1;
            t.RecettVal(r, Recette::Testee) = r % 2;
        }
        t.remettreEnCoherence();
        const QByteArray octets = FichierBase::octets(t);
        QByteArray lu = octets;
        lu.replace("\"Tarte\"\r\n", retouche);
        Lecture l(lu);
        if (recettesLues == 0) {
            QVERIFY(!l.r.erreurs && l.r.retouchee == (lu != octets) && l.plateforme.boites.isEmpty());
            // Bytes read exactly as written are kept with their recipes'
            // places, both halves', for the next save.
            FichierBase::DejaEcrit lus, ecrits;
            FichierBase::retenirLecture(*l.t, lu, l.r, lus);
            QCOMPARE(FichierBase::octets(*l.t, nullptr, &ecrits), octets);
            if (l.r.retouchee) {
                QVERIFY(lus.octets.isNull() && lus.debuts.empty());
            } else {
                QCOMPARE(lus.octets, octets);
                QCOMPARE(lus.debuts, ecrits.debuts);
            }
        } else {
            QVERIFY(l.r.erreurs && l.r.interrompue);
            QCOMPARE(l.plateforme.boites.size(), 1);
            QCOMPARE(l.t->NbRecett, recettesLues);
            QCOMPARE(l.t->RecettTexte(recettesLues, Recette::Nom), t.RecettTexte(recettesLues, Recette::Nom));
            QCOMPARE(incoherence(*l.t), QString());
        }
    }

    // A large base's second half is written on another core: the same bytes
    // as the text, and a character without a byte is told from either half.
    void ecritureEnDeuxMoities_commeLeTexte()
    {
        for (const int avecCaractere : {10, 4000}) {
            Tables t;
            t.NbCat = t.NbMag = 1;
            t.NbRecett = 5000;
            for (int r = 1; r <= t.NbRecett; ++r)
                t.RecettTexte(r, Recette::Nom) = r == avecCaractere ? u("Wok \u4e2d") : u("Gratin %1").arg(r);
            bool remplace = false;
            const QByteArray octets = FichierBase::octets(t, &remplace);
            QVERIFY(remplace && octets.contains("\"Wok ?\"\r\n"));
            QCOMPARE(octets, Codec::encoder(FichierBase::ecrire(t)));
        }
    }

    // A save copies the bytes of the recipes the last save wrote and nobody
    // wrote since: its bytes, altered here, show which were copied. A row
    // written, even with the same value, is encoded again; so is every row
    // when more than a quarter were written.
    void enregistrementsSuccessifs_inchangeesRecopiees()
    {
        Tables t;
        t.NbCat = t.NbMag = 1;
        t.NbRecett = 100;
        for (int r = 1; r <= t.NbRecett; ++r)
            t.RecettTexte(r, Recette::Nom) = u("Gratin %1").arg(r, 3, 10, QLatin1Char('0'));
        FichierBase::DejaEcrit deja;
        const QByteArray octets = FichierBase::octets(t, nullptr, &deja);
        QCOMPARE(deja.debuts.size(), std::size_t{102});
        QCOMPARE(octets.mid(deja.debuts[7], deja.debuts[8] - deja.debuts[7]),
                 QByteArray("\"\"\r\n0\r\n").repeated(3) + "\"Gratin 007\"\r\n0\r\n");
        deja.octets.replace("Gratin 007", "Gratin xxx").replace("Gratin 008", "Gratin yyy");
        t.RecettTexte(8, Recette::Nom) = t.RecettTexte(8, Recette::Nom);
        QByteArray copie = FichierBase::octets(t, nullptr, &deja);
        QVERIFY(copie.contains("Gratin xxx") && copie.contains("Gratin 008") && !copie.contains("Gratin yyy"));
        QCOMPARE(copie.size(), octets.size());
        deja.octets.replace("Gratin xxx", "Gratin zzz");
        for (int r = 50; r <= 75; ++r)
            t.RecettVal(r, Recette::Testee) = 0;
        QCOMPARE(FichierBase::octets(t, nullptr, &deja), octets);
    }

    // Saves in turn, with every kind of change between them, write what a
    // first save would, and report a "?" as it would; the recipes' places
    // kept are those a first save finds.
    void enregistrementsSuccessifs_commeUnPremier()
    {
        for (const int nbRecett : {300, 5000}) {
            QRandomGenerator hasard(20261207 + nbRecett);
            Tables t;
            t.NbCat = t.NbMag = 2;
            t.Cat(1) = u("Desserts");
            t.Cat(2) = u("Plats");
            t.Mag(1) = u("Elle");
            t.Mag(2) = u("Cuisine, et vins");
            const auto texte = [&] {
                static const QStringList morceaux{u("Crème"),  u("Œufs"), u("\"brûlée\""), u("µ"),   u("Ÿ"),
                                                  u("\u0081"), u("a, b"), u("\r\n"),       QString()};
                QString s;
                for (int k = hasard.bounded(4); k > 0; --k)
                    s += morceaux[hasard.bounded(morceaux.size())];
                return s;
            };
            const auto ecrireLigne = [&](int r) {
                for (int f = 0; f < 4; ++f) {
                    t.RecettTexte(r, f) = texte();
                    t.RecettVal(r, f) = hasard.bounded(3) - 1;
                }
            };
            t.NbRecett = nbRecett;
            for (int r = 1; r <= t.NbRecett; ++r)
                ecrireLigne(r);
            FichierBase::DejaEcrit deja;
            for (int pas = 0; pas < 60; ++pas) {
                const int r = 1 + hasard.bounded(t.NbRecett);
                switch (pas % 8) {
                case 0: // the same value written again
                    t.RecettTexte(r, Recette::Notes) = QString(t.RecettTexte(r, Recette::Notes));
                    break;
                case 1: // a number only, or the whole row
                    if (hasard.bounded(2))
                        ecrireLigne(r);
                    t.RecettVal(r, Recette::Magazine) = hasard.bounded(2) ? INT_MIN : 123456789;
                    break;
                case 2: // a deletion moves the rows below
                    t.RecettTexte.deplacerLignes(r + 1, r, t.NbRecett - r);
                    t.RecettVal.deplacerLignes(r + 1, r, t.NbRecett - r);
                    --t.NbRecett;
                    break;
                case 3: ecrireLigne(++t.NbRecett); break;
                case 4: t.Cat(2) = texte(); break;
                case 5: // a character with no byte, written away at the next turn
                    if (pas / 8 % 2 == 0)
                        t.RecettTexte(r, Recette::Nom) = u("Wok \u4e2d");
                    for (int k = 1; k <= t.NbRecett && pas / 8 % 2; ++k)
                        if (std::as_const(t).RecettTexte(k, Recette::Nom).startsWith(u("Wok")))
                            t.RecettTexte(k, Recette::Nom) = u("Wok");
                    break;
                case 6: // fewer recipes, then more again at the next turn, no row written
                    t.NbRecett += pas / 8 % 2 ? 3 : -3;
                    break;
                default: // many rows, or the whole table
                    if (pas == 31)
                        t.RecettVal.remplir(1);
                    for (int k = hasard.bounded(t.NbRecett / 2); k > 0; --k)
                        ecrireLigne(1 + hasard.bounded(t.NbRecett));
                }
                bool remplace = false, remplaceSeul = false;
                const QByteArray octets = FichierBase::octets(t, &remplace, &deja);
                QCOMPARE(octets, FichierBase::octets(t, &remplaceSeul));
                QCOMPARE(remplace, remplaceSeul);
                FichierBase::DejaEcrit premier;
                FichierBase::octets(t, nullptr, &premier);
                QCOMPARE(deja.debuts, premier.debuts);
                QCOMPARE(deja.octets.isNull(), remplace);
            }
        }
    }

    // A file cut short or holding a bad value: one box, the reading ends
    // there, and what came before is kept with counters that agree.
    void entreeInvalide_uneBoiteEtCeQuiPrecede_data()
    {
        QTest::addColumn<QString>("contenu");
        QTest::addColumn<QString>("boite");
        QTest::addColumn<QList<int>>("comptes"); // categories, magazines, recipes
        QTest::newRow("coupe dans une recette") << lignes(QStringList{"-1", "v1.2b"} + corpsAncien().mid(0, 34))
                                                << u("Fin de fichier atteinte") << QList<int>{2, 1, 2};
        QTest::newRow("coupe dans les categories") << lignes({"-1", "v1.2b", "3", "Desserts", "1", "0", "Entrées"})
                                                   << u("Fin de fichier atteinte") << QList<int>{2, 0, 0};
        QTest::newRow("valeur illisible") << lignes({"-1", "v1.2b", "deux", "Desserts", "1", "0", "0", "0"})
                                          << u("Incompatibilité de type") << QList<int>{0, 0, 0};
        QTest::newRow("compte au-dela des tables")
            << lignes({"-1", "v1.2b", "201"}) << u("L'indice n'appartient pas à la sélection") << QList<int>{0, 0, 0};
    }

    void entreeInvalide_uneBoiteEtCeQuiPrecede()
    {
        QFETCH(QString, contenu);
        QFETCH(QString, boite);
        QFETCH(QList<int>, comptes);
        Lecture l(contenu);
        QVERIFY(l.r.erreurs && l.r.interrompue);
        QCOMPARE(l.plateforme.boites.size(), 1);
        QCOMPARE(l.plateforme.boites[0].texte, boite);
        QCOMPARE(QList<int>({l.t->NbCat, l.t->NbMag, l.t->NbRecett}), comptes);
        QCOMPARE(incoherence(*l.t), QString());
    }

    // The plain cases ("v1.2b", "v1.2") come with every base read elsewhere.
    void entete_genreSelonLesDeuxPremieresValeurs_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("genre");
        QTest::newRow("autre etiquette courante") << lignes({"-1 ", "v9", " 0 "}) << int(Genre::Courante);
        QTest::newRow("v1.2 avec blancs") << lignes({"-1", "  v1.2", " 0 "}) << int(Genre::V12);
        QTest::newRow("sans en-tete") << lignes({" 3 ", "Desserts"}) << int(Genre::SansEntete);
        QTest::newRow("pas un nombre") << lignes({"Bonjour", "v1.2b"}) << int(Genre::PasUneBase);
        QTest::newRow("vide") << QString() << int(Genre::PasUneBase);
        QTest::newRow("-1 seul") << u("-1 ") << int(Genre::PasUneBase);
    }

    void entete_genreSelonLesDeuxPremieresValeurs()
    {
        QFETCH(QString, texte);
        QFETCH(int, genre);
        QCOMPARE(int(Conversion::examinerEntete(Codec::encoder(texte))), genre);
    }

    // Counters wrong (the first row: the whole report), right, empty or
    // negative: errors counted, report lines, counters recounted, the magazine's
    // carried over. A structure that does not hold: the reason, nothing read.
    void conversion_rapportEtCompteursCorriges_data()
    {
        QTest::addColumn<QStringList>("corps");
        QTest::addColumn<int>("erreurs"); // -1: not read
        QTest::addColumn<QStringList>("extraits");
        QTest::newRow("categorie fausse")
            << corpsAncien() << 1
            << QStringList{
                   u("Zuta! v1.2b - RAPPORT DE CONVERSION\r\nAnalyse et correction de base Zuta! anterieure à v1.2\r\n"
                     "Base : /dossier/Recettes.don\r\n\r\nLa nouvelle base Zuta! v1.2b garde le même nom\r\n"
                     "L'ancienne base Zuta! porte la nom : /dossier/Recettes-OLD.don\r\n\r\n\r\n"
                     "Données renseignées dans la base\r\nNb Catégories : 2 \r\n\r\n\r\n"
                     "Desserts\r\nutilisée 5 fois\r\n\r\n    Nb Sous-catégories : 2 \r\n\r\n"
                     "    Tartes\r\n    utilisée 3 fois\r\n\r\n"
                     "    Crèmes\r\n    inutilisée (ancienne sous-catégorie)\r\n\r\n"
                     "Entrées\r\ninutilisée (ancienne catégorie)\r\n\r\n    Nb Sous-catégories : 0 \r\n\r\n"
                     "Compteur de recettes :  3\r\nAddition par catégorie utilisée :  5\r\n"
                     "Addition par sous-catégorie utilisée :  3\r\n\r\nVérification des catégories\r\n"
                     "Desserts -> renseignées :  5  -  comptées :  3  -  Corrigé\r\n"
                     "Entrées -> renseignées :  0  -  comptées :  0  -  OK\r\n\r\nVérification des sous-catégories\r\n"
                     "Desserts / Tartes -> renseignées :  3  -  comptées :  3  -  OK\r\n"
                     "Desserts / Crèmes -> renseignées :  0  -  comptées :  0  -  OK\r\n\r\n\r\n"
                     "NB ERREURS TOTALES TROUVEES :  1\r\nERREURS CORRIGEES OK\r\n")};
        QStringList corps = corpsAncien();
        corps[2] = u(" 3 ");
        QTest::newRow("juste") << corps << 0 << QStringList();
        corps[7] = u(" 2 "); // Crèmes says 2, none carries it
        QTest::newRow("sous-categorie fausse")
            << corps << 1
            << QStringList{u("Desserts / Crèmes -> renseignées :  2  -  comptées :  0  -  Corrigé\r\n"),
                           u("Addition par sous-catégorie utilisée :  5\r\n")};
        corps = corpsAncien();
        corps[2] = QString(); // empty counter of Desserts
        corps[9] = u("-2 ");  // negative counter of Entrées
        QTest::newRow("vide ou negatif") << corps << 2
                                         << QStringList{u("\r\nDesserts\r\ninutilisée (ancienne catégorie)\r\n"),
                                                        u("\r\nEntrées\r\ninutilisée (ancienne catégorie)\r\n"),
                                                        u("Entrées -> renseignées : -2  -  comptées :  0  -  Corrigé")};
        const auto illisible = [](const char* quoi, int ligne) {
            return QStringList{u("%1 illisible à la ligne %2").arg(u(quoi)).arg(ligne)};
        };
        QTest::newRow("tronquee") << corpsAncien().mid(0, 20) << -1 << illisible("valeur de recette", 21);
        QTest::newRow("trop de categories") << QStringList{" 201 ", "A"} << -1 << illisible("nombre de catégories", 1);
        QTest::newRow("texte quelconque")
            << QStringList{" 12 ", "Liste de courses"} << -1 << illisible("nom ou texte", 3);
    }

    void conversion_rapportEtCompteursCorriges()
    {
        QFETCH(QStringList, corps);
        QFETCH(int, erreurs);
        QFETCH(QStringList, extraits);
        auto t = std::make_unique<Tables>();
        const auto r = Conversion::convertir(lignes(corps), Genre::SansEntete, *t, u("/dossier/Recettes.don"),
                                             u("/dossier/Recettes-OLD.don"));
        QCOMPARE(r.lue ? r.erreurs : -1, erreurs);
        if (!r.lue) {
            QCOMPARE(QStringList{r.raison}, extraits);
            QVERIFY(r.rapport.isEmpty() && t->NbCat + t->NbRecett + t->CatNbRecett(1) == 0);
            return;
        }
        const QString fin = erreurs ? u("ERREURS CORRIGEES OK\r\n") : QString();
        QVERIFY(r.rapport.endsWith(u("\r\n\r\nNB ERREURS TOTALES TROUVEES :  %1\r\n").arg(erreurs) + fin));
        for (const QString& e : extraits)
            QVERIFY2(e.startsWith(u("Zuta!")) ? r.rapport == e : r.rapport.contains(e), qPrintable(e));
        QCOMPARE(QList<int>({t->CatNbRecett(1), t->SousCatNbRecett(1, 1), t->SousCatNbRecett(1, 2), t->CatNbRecett(2),
                             t->MagNbRecett(1), t->NbRecett, t->RecettVal(2, Recette::Testee)}),
                 QList<int>({3, 3, 0, 0, 7, 3, 0}));
        QCOMPARE(t->RecettTexte(2, Recette::Page) + t->RecettTexte(2, Recette::Notes), u("3, 4beurre, sucre"));
    }
};

QTEST_GUILESS_MAIN(TestFichierBase)
#include "tst_fichierbase.moc"
