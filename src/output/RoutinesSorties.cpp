#include "RoutinesSorties.h"
#include "ImpressionSousPolitique.h"
#include "MiseEnPageIndex.h"
#include "app/FrmPrincipal.h"
#include "app/Programme.h"
#include "base/Codec.h"
#include "base/Fichiers.h"
#include "platform/Impression.h"
#include "search/ListeTrouvee.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using MiseEnPageIndex::sansBlancs;

RoutinesSorties::RoutinesSorties(Programme& p) : p(p) {}
RoutinesSorties::~RoutinesSorties() = default;

void RoutinesSorties::brancher()
{
    FrmPrincipal& f = *p.fen;
    QObject::connect(f.CommandIndex, &QPushButton::clicked, f.CommandIndex, [this] { CommandIndex_Click(); });
    QObject::connect(f.CommandImpr, &QPushButton::clicked, f.CommandImpr, [this] { CommandImpr_Click(); });
    QObject::connect(f.CommandRecettImpr, &QPushButton::clicked, f.CommandRecettImpr,
                     [this] { CommandRecettImpr_Click(); });
}

// ---- Index file ----

void RoutinesSorties::CommandIndex_Click()
{
    avecFenetreProgression([this] {
        // The index always describes a fresh search.
        p.Main();
        CreerIndex();
    });
}

void RoutinesSorties::avecFenetreProgression(const std::function<void()>& travail)
{
    p.bases.montrerProgression(QStringLiteral("Zuta! / Création Index"),
                               QStringLiteral("Ecriture des données en cours..."));
    travail();
    p.bases.fermerProgression();
}

int RoutinesSorties::numeroDeLigne(int k) const
{
    const QStringList& lignes = p.fen->ListTmp;
    if (k < 0 || k >= lignes.size())
        throw ErreurExecution(Erreurs::IndiceHorsSelection);
    return ::numeroDeLigne(lignes[k]);
}

void RoutinesSorties::CreerIndex()
{
    FrmPrincipal& f = *p.fen;
    const Tables& b = p.base;
    p.politique.etape([&] { f.ListIndex.clear(); });

    const QStringList noms = f.lignesRecettes();
    QList<MiseEnPageIndex::Entree> entrees;
    entrees.reserve(noms.size());
    for (int k = 0; k < noms.size(); ++k)
        p.politique.etape([&] {
            const int r = numeroDeLigne(k);
            entrees.append({b.Mag(b.RecettVal(r, 2)), b.RecettTexte(r, 0), b.RecettTexte(r, 1), noms[k]});
        });

    const MiseEnPageIndex::Criteres criteres{f.ComboRechCat->currentText(), f.ComboRechSousCat->currentText(),
                                             f.ComboRechMag->currentText(), f.ComboTeste->currentText(),
                                             f.TextRech->text()};
    MiseEnPageIndex::Index index =
        MiseEnPageIndex::composer(criteres, p.plateforme.maintenant(), entrees, p.collation);
    f.ListIndex = std::move(index.cles);

    const QString chemin = p.etat.CheminAppli + NomIndex;
    try {
        ecrireIndex(chemin, index.texte);
    } catch (const ErreurExecution& erreur) {
        // The old index, if any, is left as it was; the base is not touched.
        p.plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("L'index n'a pas pu être créé.\n\n") + erreur.description(),
                             Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
        return;
    }
    p.plateforme.ouvrir(chemin, [this, chemin] {
        // The index is written all the same: the user is told where.
        p.plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("L'index a été créé, mais aucun programme n'a pu l'ouvrir. Il se trouve "
                                            "dans le fichier :\n")
                                 + QDir::toNativeSeparators(chemin),
                             Plateforme::Boutons::OK, Plateforme::Icone::Information);
    });
}

void RoutinesSorties::ecrireIndex(const QString& chemin, const QString& texte)
{
    bool remplace = false;
    const QByteArray octets = Codec::encoder(texte, &remplace);
    Fichiers::ecrireSur(chemin, octets);
    if (remplace)
        p.plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("Certains caractères ne peuvent pas être enregistrés dans le fichier « ")
                                 + chemin + QStringLiteral(" » : ils y sont remplacés par « ? »."),
                             Plateforme::Boutons::OK, Plateforme::Icone::Information);
}

// ---- Printing ----

void RoutinesSorties::ChoisirImprimante()
{
    // Cancelling the dialog prints nothing and says nothing.
    p.etat.ImpressionAnnulee = 0;
    m_imprimante = p.plateforme.choisirImprimante(m_titreDialogueImpression);
    if (!m_imprimante)
        p.etat.ImpressionAnnulee = 1;
}

namespace {
// Both printouts open with the program's name in 14-point italic and two
// empty lines.
void imprimerEntete(ImpressionSousPolitique& imp)
{
    imp.taille(14);
    imp.italique(true);
    imp.ligne({QStringLiteral("Zuta! v1.2b")});
    imp.italique(false);
    imp.ligneVide();
    imp.ligneVide();
}
} // namespace

void RoutinesSorties::ImprimerRecette()
{
    FrmPrincipal& f = *p.fen;
    m_titreDialogueImpression = QStringLiteral("Imprimer la recette");
    ChoisirImprimante();
    if (p.etat.ImpressionAnnulee == 1)
        return;
    // The card as displayed, validated or not.
    ImpressionSousPolitique imp(*m_imprimante, p.politique);
    imprimerEntete(imp);
    imp.gras(true);
    imp.taille(16);
    imp.ligne({sansBlancs(f.TextRecettNom->text())});
    imp.gras(false);
    imp.taille(12);
    imp.ligneVide();
    const QString categorie = sansBlancs(f.ComboRecettCat->currentText());
    imp.debutLigne({categorie});
    if (!categorie.isEmpty())
        imp.ligne({QStringLiteral(" / "), sansBlancs(f.ComboRecettSousCat->currentText())});
    else
        imp.ligne({});
    imp.ligneVide();
    imp.ligne({sansBlancs(f.ComboRecettMag->currentText()), QStringLiteral(" n°"),
               sansBlancs(f.TextRecettNumero->text()), QStringLiteral(" page "), sansBlancs(f.TextRecettPage->text())});
    imp.ligneVide();
    imp.ligne({f.CheckRecettTeste->checkState() == Qt::Unchecked ? QStringLiteral("Recette non-testée")
                                                                 : QStringLiteral("Recette testée")});
    imp.ligneVide();
    imp.souligne(true);
    imp.ligne({QStringLiteral("Notes :")});
    imp.souligne(false);
    imp.ligne({f.TextRecettComment->toPlainText()});
    imp.finDocument();
    m_imprimante.reset();
}

void RoutinesSorties::ImprimerListe()
{
    FrmPrincipal& f = *p.fen;
    const Tables& b = p.base;
    m_titreDialogueImpression = QStringLiteral("Imprimer la liste des recettes");
    ChoisirImprimante();
    if (p.etat.ImpressionAnnulee == 1)
        return;
    // The found list as shown: no new search.
    const QStringList noms = f.lignesRecettes();
    const bool avecNotes = f.CheckNotes->isChecked();
    ImpressionSousPolitique imp(*m_imprimante, p.politique);
    imprimerEntete(imp);
    imp.gras(false);
    imp.taille(10);
    imp.ligne({MiseEnPageIndex::texteNombre(noms.size())});
    imp.ligneVide();
    // A name out of its table (a damaged list) is printed empty once the
    // user has cancelled its error.
    const auto lire = [&](const std::function<QString()>& valeur) {
        QString texte;
        p.politique.etape([&] { texte = valeur(); });
        return texte;
    };
    for (int k = 0; k < noms.size(); ++k) {
        int r = -1;
        if (!p.politique.etape([&] { r = numeroDeLigne(k); (void)b.RecettVal(r, 0); }))
            continue;
        imp.gras(true);
        imp.ligne({QStringLiteral("- ") + sansBlancs(noms[k])});
        imp.gras(false);
        imp.debutLigne({sansBlancs(lire([&] { return b.Mag(b.RecettVal(r, 2)); }))});
        const QString numero = sansBlancs(b.RecettTexte(r, 0).toUpper());
        if (!numero.isEmpty())
            imp.debutLigne({QStringLiteral(" n°") + numero});
        const QString page = sansBlancs(b.RecettTexte(r, 1).toUpper());
        if (!page.isEmpty())
            imp.debutLigne({QStringLiteral(" page ") + page});
        imp.ligne({QStringLiteral(" ("), sansBlancs(lire([&] { return b.Cat(b.RecettVal(r, 0)); })),
                   QStringLiteral(" / "),
                   sansBlancs(lire([&] { return b.SousCat(b.RecettVal(r, 0), b.RecettVal(r, 1)); })),
                   QStringLiteral(")")});
        const QString notes = b.RecettTexte(r, 2);
        if (avecNotes && !notes.isEmpty()) {
            imp.taille(8);
            imp.souligne(true);
            imp.italique(true);
            imp.ligne({QStringLiteral("Notes:")});
            imp.souligne(false);
            imp.ligne({notes});
            imp.italique(false);
            imp.taille(10);
        }
        imp.ligneVide();
    }
    imp.finDocument();
    m_imprimante.reset();
}
