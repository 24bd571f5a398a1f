// Times the long operations of the program on a generated full base (33,000
// recipes) and prints the median and the spread of several runs; then the
// start-up in its own process with its peak memory, the growth of the
// searches and of the index with the size of the base, and the same searches
// done by SQLite on the same recipes.
//
// Usage: zuta_bench [runs [operation]]   (15 runs by default; with an
// operation, only those whose name holds that text run, for profiling)
#include "BancProgramme.h"
#include "BaseSqlite.h"
#include "Chrono.h"
#include "Demarrage.h"
#include "app/Reglages.h"
#include "base/Codec.h"
#include "base/Conversion.h"
#include "base/Fichiers.h"
#include "echange/ExportCsv.h"
#include "echange/Importation.h"
#include "echange/SourceImport.h"
#include "search/ModeleTrouvees.h"
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

namespace {

const QString TexteCherche = QStringLiteral("pommes");

const QString Lecture = QStringLiteral("Lecture de la base (en-tête vérifié)");
const QString Ecriture = QStringLiteral("Écriture de la base après une fiche (écriture sûre)");
const QString EcritureToutes = QStringLiteral("Écriture de la base, toutes les fiches encodées");
const QString SansCritere = QStringLiteral("Actualisation sans critère");
const QString Texte = QStringLiteral("Recherche texte");
const QString Categorie = QStringLiteral("Catégorie + sous-catégorie");
const QString Magazine = QStringLiteral("Magazine");
const QString Validation = QStringLiteral("Validation d'une recette + actualis.");
const QString Suppression = QStringLiteral("Suppression fiche 1 + actualisation");
const QString Annulation = QStringLiteral("Annulation de la suppression (Ctrl+Z)");
const QString Index = QStringLiteral("Fichier index");
const QString ImpressionPdf = QStringLiteral("Impression de la liste (PDF)");
const QString Apercu = QStringLiteral("Aperçu de la liste (pages prêtes)");
const QString RecetteNotes = QStringLiteral("Recette, notes de %1 caractères (PDF)");
const QString ConversionTexte = QStringLiteral("Conversion base ancienne (texte)");
const QString ConversionFichier = QStringLiteral("Conversion base ancienne (LireBase)");
const QString Demarrer = QStringLiteral("Démarrage jusqu'à la fenêtre montrée");
const QString Exportation = QStringLiteral("Exportation de la base (CSV)");
const QString ImportationCsv = QStringLiteral("Importation du CSV, base vide");
const QString Fusion = QStringLiteral("Fusion de la base, base vide");

QString chargeMachine()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(f.readAll()).section(QLatin1Char(' '), 0, 2);
}

// The criteria as the search frame shows them, which the index repeats.
MiseEnPageIndex::Criteres criteresAffiches(BancProgramme& banc)
{
    using Critere = PanneauRecherche::Critere;
    const PanneauRecherche& r = banc.fen().recherche();
    return {r.texte(Critere::Categorie), r.texte(Critere::SousCategorie), r.texte(Critere::Magazine),
            r.texte(Critere::Teste), r.texteRecherche()};
}

void ajouterFichiers(Registre& registre, BancProgramme& banc)
{
    registre.ajouter(
        Lecture, 3.5, [&banc] { banc.bases().LireBase(); },
        [&] {
            if (banc.tables().NbRecett != banc.generee().NbRecett || banc.document().lueAvecErreurs())
                echec(QStringLiteral("la base ne se relit pas"));
            banc.tables().ViderCompteurs();
        });
    // The save that follows a validated card: its row is written again, with
    // the same values so that the file still is the generated base, and its
    // bytes are encoded again. A row far from the last one each time.
    registre.ajouter(
        Ecriture, 5, [&banc] { banc.document().enregistrer(); },
        [&banc, fiche = 0]() mutable {
            if (Fichiers::lire(banc.cheminBase(), Fichiers::TailleMaxBase) != banc.octets())
                echec(QStringLiteral("la base écrite diffère de la base générée"));
            fiche = (fiche + 7919) % banc.tables().NbRecett;
            QString& notes = banc.tables().RecettTexte(fiche + 1, Recette::Notes);
            notes = QString(notes);
        });
    // The save after a change of every row (a deletion near the top moves
    // them all): every recipe encoded again, on two cores.
    registre.ajouter(
        EcritureToutes, Registre::SansCible, [&banc] { banc.document().enregistrer(); },
        [&banc] {
            if (Fichiers::lire(banc.cheminBase(), Fichiers::TailleMaxBase) != banc.octets())
                echec(QStringLiteral("la base écrite diffère de la base générée"));
            const auto valeurs = banc.tables().RecettVal;
            banc.tables().RecettVal = valeurs;
        });
}

void ajouterRecherches(Registre& registre, BancProgramme& banc)
{
    const auto actualiser = [&banc] { banc.actualiser(); };
    registre.ajouter(SansCritere, 0.1, actualiser, [&banc] { banc.sansCritere(); });
    registre.ajouter(Texte + QStringLiteral(" « ") + TexteCherche + QStringLiteral(" »"), 1, actualiser,
                     [&banc] { banc.texteRecherche(TexteCherche); });
    for (const QString& texte : {QStringLiteral("creme"), QStringLiteral("tarte pommes")})
        registre.ajouter(Texte + QStringLiteral(" « ") + texte + QStringLiteral(" »"), 1, actualiser,
                         [&banc, texte] { banc.texteRecherche(texte); });
    registre.ajouter(Categorie, 0.1, actualiser, [&banc] { banc.categorie(1, 1); });
    registre.ajouter(Magazine, 0.1, actualiser, [&banc] { banc.magazine(1); });
}

// A click on a header sorts the 33,000 rows of the found list.
void ajouterTris(Registre& registre, BancProgramme& banc)
{
    for (int c = 0; c < ModeleTrouvees::NbColonnes; ++c)
        registre.ajouter(
            QStringLiteral("Tri de la liste par « %1 »").arg(ModeleTrouvees::entete(c)), 5,
            [&banc, c] { banc.trier(c); },
            [&banc] {
                banc.trier(-1);
                banc.sansCritere();
                banc.actualiser();
            });
}

void ajouterFiche(Registre& registre, BancProgramme& banc)
{
    registre.ajouter(
        Validation, 1, [&banc] { banc.cliquer("CommandRecettValider"); }, [&banc] { banc.montrerRecette(1000); });
    registre.ajouter(
        Suppression, 2, [&banc] { banc.cliquer("CommandRecettSuppr"); },
        [&banc] {
            banc.restaurerBase();
            banc.montrerRecette(1);
        });
    registre.ajouter(
        Annulation, 2, [&banc] { banc.annuler(); },
        [&banc] {
            banc.restaurerBase();
            banc.montrerRecette(1);
            banc.cliquer("CommandRecettSuppr");
        });
    // The first search after a card was validated folds again what changed.
    registre.ajouter(
        Texte + QStringLiteral(" « creme » après une validation"), 1, [&banc] { banc.actualiser(); },
        [&banc] {
            banc.montrerRecette(1000);
            banc.cliquer("CommandRecettValider");
            banc.texteRecherche(QStringLiteral("creme"));
        });
}

void ajouterSorties(Registre& registre, BancProgramme& banc, bool avecImpression)
{
    const auto apresActualisation = [&banc] {
        banc.restaurerBase();
        banc.sansCritere();
        banc.actualiser();
        banc.plateforme.ouverts.clear();
    };
    registre.ajouter(
        Index, 15, [&banc] { banc.sorties().CreerIndex(criteresAffiches(banc)); }, apresActualisation);
    if (!avecImpression)
        return;
    registre.ajouter(
        ImpressionPdf, 1300, [&banc] { banc.sorties().ImprimerListe(false, banc.fen().recherche().ordreAffiche()); },
        apresActualisation);
    // A recipe whose notes run over pages: twice the notes, twice the time.
    for (const int longueur : {10000, 20000}) {
        QString notes;
        for (int k = 0; notes.size() < longueur; ++k)
            notes += QStringLiteral("Mélanger %1 g de farine à la crème fraîche, ").arg(k);
        notes.truncate(longueur);
        const FicheImprimee fiche{QStringLiteral("Tarte"),
                                  QStringLiteral("Desserts"),
                                  QStringLiteral("Tartes"),
                                  QStringLiteral("Elle"),
                                  QStringLiteral("12"),
                                  QStringLiteral("45"),
                                  notes,
                                  true};
        // To a file of its own: the list's PDF is checked at the end.
        registre.ajouter(RecetteNotes.arg(longueur), Registre::SansCible, [&banc, fiche] {
            const QString liste = std::exchange(banc.plateforme.cheminPdf, banc.chemin(QStringLiteral("Recette.pdf")));
            banc.sorties().ImprimerRecette(fiche);
            banc.plateforme.cheminPdf = liste;
        });
    }
    registre.ajouter(
        Apercu, Registre::SansCible,
        [&banc] { banc.sorties().ApercuListe(false, banc.fen().recherche().ordreAffiche()); }, apresActualisation);
}

void ajouterConversions(Registre& registre, BancProgramme& banc, Tables& convertie)
{
    const QString ancien = Generateur::texteAncien(banc.generee(), Generateur::FormatAncien::SansEntete, 12);
    const QString garde = Conversion::cheminGarde(banc.cheminBase());
    registre.ajouter(
        ConversionTexte, 150,
        [ancien, garde, &banc, &convertie] {
            if (!Conversion::convertir(ancien, Conversion::Genre::SansEntete, convertie, banc.cheminBase(), garde).lue)
                echec(QStringLiteral("la base ancienne générée ne se convertit pas"));
        },
        [&convertie] { convertie.ViderCompteurs(); });

    const QByteArray octetsV12 =
        Codec::encoder(Generateur::texteAncien(banc.generee(), Generateur::FormatAncien::V12, 12));
    registre.ajouter(
        ConversionFichier, 150, [&banc] { banc.bases().LireBase(); },
        [&banc, octetsV12] {
            Fichiers::ecrireSur(banc.cheminBase(), octetsV12);
            banc.tables().ViderCompteurs();
        });
}

// The whole base exported, that file imported into an empty base, and the
// base file itself merged into an empty base: each read, checked and stored
// row by row as the import does.
void ajouterEchanges(Registre& registre, BancProgramme& banc, Tables& vide, PolitiqueErreurs& politique)
{
    const QString csv = banc.chemin(QStringLiteral("Recettes.csv"));
    // With the program's collation, as the window's export.
    const auto exporter = [&banc, csv] {
        ExportCsv::ecrire(csv, banc.tables(), ExportCsv::toutesLesRecettes(banc.tables(), banc.p().collation()));
    };
    exporter(); // the file the import reads, whichever operations run
    registre.ajouter(Exportation, 60, exporter);
    const auto importer = [&vide, &politique](const QString& chemin) {
        const SourceImport::Ouverture o = SourceImport::ouvrir(chemin, QString(), politique);
        const int attendues = o.source ? static_cast<int>(o.source->lignes().size()) : -1;
        if (!o.source || Importation::importer(vide, o.source->lignes(), {true}, politique).importees != attendues)
            echec(QStringLiteral("l'importation n'a pas tout importé : ") + o.refus);
    };
    const auto viderBase = [&vide] { vide.ViderCompteurs(); };
    registre.ajouter(
        ImportationCsv, 500, [importer, csv] { importer(csv); }, viderBase);
    registre.ajouter(
        Fusion, 500, [importer, &banc] { importer(banc.cheminBase()); }, viderBase);
}

// The start-up runs in a folder of its own holding the full base and the
// settings of a program that has been used before.
void ajouterDemarrage(Registre& registre, BancProgramme& banc, const QTemporaryDir& dossier, MesureDemarrage& dernier)
{
    Fichiers::ecrireSur(dossier.filePath(Reglages::BaseParDefaut), banc.octets());
    Fichiers::ecrireSur(dossier.filePath(Reglages::NomFichier), QByteArray(" 0 \r\n 1 \r\n 1500 \r\n 1500 \r\n*\r\n"));
    const QString executable = QApplication::applicationDirPath() + QStringLiteral("/demarrage");
    registre.ajouter(
        Demarrer, 75, [&dernier, executable, &dossier] { dernier = demarrer(executable, dossier.path()); },
        [&dernier, &banc] {
            if (dernier.recettes != -1 && dernier.recettes != banc.generee().NbRecett)
                echec(QStringLiteral("le démarrage n'a pas chargé la base complète"));
        });
}

// After the table: every operation left the program as it should.
void verifier(BancProgramme& banc, const Tables& convertie)
{
    if (!banc.plateforme.boites.isEmpty())
        echec(QStringLiteral("une boîte est apparue : ") + banc.plateforme.boites.first().texte);
    if (banc.tables().NbRecett != banc.generee().NbRecett || convertie.NbRecett != banc.generee().NbRecett)
        echec(QStringLiteral("la base convertie n'a pas toutes ses recettes"));
    if (QFileInfo(banc.plateforme.cheminPdf).size() < 100000)
        echec(QStringLiteral("le PDF de la liste est vide"));
    if (banc.plateforme.pagesApercu < 1000)
        echec(QStringLiteral("l'aperçu de la liste n'a pas toutes ses pages"));
    if (!QFileInfo::exists(banc.chemin(QStringLiteral("Index.txt"))))
        echec(QStringLiteral("l'index n'a pas été écrit"));
    // The base file in the current format again, as the bench found it.
    Fichiers::ecrireSur(banc.cheminBase(), banc.octets());
}

// ---- Growth with the size of the base ----

// Every operation of the table but the start-up, the printout and the
// conversions, on a base of the given size; the medians by name.
struct Echelle {
    int recettes;
    Registre registre;
};

void mesurerEchelle(Echelle& e, BancProgramme& banc, int essais)
{
    auto vide = std::make_unique<Tables>();
    PolitiqueErreurs politique(banc.plateforme);
    ajouterFichiers(e.registre, banc);
    ajouterRecherches(e.registre, banc);
    ajouterTris(e.registre, banc);
    ajouterFiche(e.registre, banc);
    ajouterSorties(e.registre, banc, false);
    ajouterEchanges(e.registre, banc, *vide, politique);
    e.registre.executer(essais, {}, false);
}

void afficherEchelles(const std::vector<const Echelle*>& echelles, const Registre& complet)
{
    std::printf("\nCroissance avec la taille de la base (médianes ms ; × = coût par recette à %d recettes rapporté à "
                "%d ; n log n donnerait %.2f)\n",
                echelles.back()->recettes, echelles.front()->recettes,
                std::log(double(echelles.back()->recettes)) / std::log(double(echelles.front()->recettes)));
    QString entete;
    for (const Echelle* e : echelles)
        entete += QString::number(e->recettes).rightJustified(10);
    ligneTableau(QStringLiteral("Opération"), entete + QStringLiteral("×").rightJustified(8), 52);
    const Echelle& petite = *echelles.front();
    for (const QString& nom : petite.registre.noms()) {
        QString ligne;
        for (const Echelle* e : echelles)
            ligne += QString::number(e->registre.resultat(nom).mediane, 'f', 2).rightJustified(10);
        const double avant = petite.registre.resultat(nom).mediane / petite.recettes;
        const double apres = complet.resultat(nom).mediane / echelles.back()->recettes;
        ligneTableau(nom, ligne + QString::number(apres / avant, 'f', 2).rightJustified(8), 52);
    }
}

// ---- SQLite side by side ----

struct Comparaison {
    QString nom;
    QString condition;
    QStringList parametres;
    std::function<void()> criteres; // the same search in the program
};

// Returns the number of filters by name where SQLite is ahead (they must not be).
int comparerSqlite(BancProgramme& banc, const Registre& registre, int essais)
{
    using Critere = PanneauRecherche::Critere;
    const PanneauRecherche& rech = banc.fen().recherche();
    banc.categorie(1, 1);
    const QString categorie = rech.texte(Critere::Categorie);
    const QString sousCategorie = rech.texte(Critere::SousCategorie);
    banc.magazine(1);
    const QString magazine = rech.texte(Critere::Magazine);

    BaseSqlite sqlite(banc.generee());
    const QString like = QStringLiteral("%") + TexteCherche + QStringLiteral("%");
    const std::vector<Comparaison> comparaisons = {
        {SansCritere, QStringLiteral("1"), {}, [&banc] { banc.sansCritere(); }},
        {Texte + QStringLiteral(" « ") + TexteCherche + QStringLiteral(" »"),
         QStringLiteral("(r.nom LIKE ?1 OR r.numero LIKE ?1 OR r.notes LIKE ?1 OR r.page LIKE ?1)"),
         {like},
         [&banc] { banc.texteRecherche(TexteCherche); }},
        {Categorie,
         QStringLiteral("c.nom = ?1 AND s.nom = ?2"),
         {categorie, sousCategorie},
         [&banc] { banc.categorie(1, 1); }},
        {Magazine, QStringLiteral("m.nom = ?1"), {magazine}, [&banc] { banc.magazine(1); }},
    };

    std::printf("\nCôte à côte avec SQLite %s (base en mémoire, requête + lecture de toutes les lignes)\n",
                BaseSqlite::version().toUtf8().constData());
    std::printf("Zuta : l'actualisation entière (listes de critères, recherche, liste trouvée, compteurs, fiche "
                "vide). Rapports > 1 : Zuta plus rapide.\n");
    ligneTableau(QStringLiteral("Recherche"),
                 QStringLiteral("%1%2%3%4")
                     .arg(QStringLiteral("actualis. ms"), 13)
                     .arg(QStringLiteral("SQLite ms"), 11)
                     .arg(QStringLiteral("SQLite/actualis."), 18)
                     .arg(QStringLiteral("trouvées Zuta / SQLite"), 24));
    int manquees = 0;
    for (const Comparaison& c : comparaisons) {
        BaseSqlite::Requete requete(sqlite, c.condition, c.parametres);
        const Mesure m = mesurer(essais, [&requete] { requete.executer(); });
        c.criteres();
        banc.actualiser();
        const Mesure nous = registre.resultat(c.nom);
        ligneTableau(c.nom,
                     QStringLiteral("%1%2%3%4")
                             .arg(nous.mediane, 13, 'f', 2)
                             .arg(m.mediane, 11, 'f', 2)
                             .arg(m.mediane / nous.mediane, 18, 'f', 1)
                             .arg(QStringLiteral("%1 / %2").arg(banc.trouvees()).arg(requete.lignes.size()), 24)
                         + ((c.nom == Categorie || c.nom == Magazine)
                                ? (m.mediane > nous.mediane ? QStringLiteral("  OK") : QStringLiteral("  MANQUÉ"))
                                : QString()));
        manquees += (c.nom == Categorie || c.nom == Magazine) && m.mediane <= nous.mediane;
    }
    return manquees;
}

// The offscreen platform's own remarks would break up the tables.
void filtrerMessages(QtMsgType type, const QMessageLogContext& contexte, const QString& message)
{
    if (message.contains(QLatin1String("propagateSizeHints")) || message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, contexte, message).toUtf8().constData());
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(filtrerMessages);
    // The real main window, on a platform that shows nothing.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int essais = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const QString chargeAvant = chargeMachine();
    const QString filtre = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    BancProgramme complet(Generateur::baseComplete());
    std::printf("Base générée : %d recettes, %d catégories, %d magazines, %lld octets\n", complet.tables().NbRecett,
                complet.tables().NbCat, complet.tables().NbMag, static_cast<long long>(complet.octets().size()));
    std::printf("%d essais par opération (build Release), charge moyenne au départ : %s\n\n", essais,
                chargeAvant.toUtf8().constData());

    auto convertie = std::make_unique<Tables>();
    QTemporaryDir dossierDemarrage;
    MesureDemarrage demarrage;
    Registre registre;
    ajouterFichiers(registre, complet);
    ajouterRecherches(registre, complet);
    ajouterTris(registre, complet);
    ajouterFiche(registre, complet);
    ajouterSorties(registre, complet, true);
    ajouterConversions(registre, complet, *convertie);
    ajouterDemarrage(registre, complet, dossierDemarrage, demarrage);
    auto videEchanges = std::make_unique<Tables>();
    PolitiqueErreurs politiqueEchanges(complet.plateforme);
    ajouterEchanges(registre, complet, *videEchanges, politiqueEchanges);
    int manquees = registre.executer(essais, filtre);
    if (!filtre.isEmpty())
        return manquees == 0 ? 0 : 1;
    verifier(complet, *convertie);

    const bool memoireOk = demarrage.memoireMo <= 60;
    manquees += !memoireOk;
    std::printf("\nMémoire résidente maximale du programme démarré sur la base complète : %.1f Mo (cible 60) %s\n",
                demarrage.memoireMo, memoireOk ? "OK" : "MANQUÉ");

    std::vector<std::unique_ptr<Echelle>> petites;
    for (const int n : {1000, 10000}) {
        Generateur::Parametres parametres = Generateur::baseComplete();
        parametres.recettes = n;
        BancProgramme banc(parametres);
        petites.push_back(std::make_unique<Echelle>(Echelle{n, {}}));
        mesurerEchelle(*petites.back(), banc, essais);
    }
    Echelle entiere{complet.tables().NbRecett, registre};
    afficherEchelles({petites[0].get(), petites[1].get(), &entiere}, registre);

    complet.restaurerBase();
    manquees += comparerSqlite(complet, registre, essais);

    std::printf("\nCharge moyenne : %s au départ, %s à la fin (%d cœurs)\n", chargeAvant.toUtf8().constData(),
                chargeMachine().toUtf8().constData(), QThread::idealThreadCount());
    std::printf("%s\n",
                manquees == 0 ? "Toutes les cibles sont tenues."
                              : QStringLiteral("%1 cible(s) manquée(s).").arg(manquees).toUtf8().constData());
    return manquees == 0 ? 0 : 1;
}
