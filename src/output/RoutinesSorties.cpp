#include "RoutinesSorties.h"
#include "ImpressionSousPolitique.h"
#include "base/Codec.h"
#include "base/EtatProgramme.h"
#include "base/Fichiers.h"
#include "base/ListeTrouvee.h"
#include "base/Produit.h"
#include "base/Tables.h"
#include "base/Texte.h"
#include "platform/Impression.h"
#include "platform/Plateforme.h"
#include "platform/Progression.h"
#include <QDir>
#include <QScopedValueRollback>

using Texte::sansBlancs;

RoutinesSorties::RoutinesSorties(const Tables& base, const EtatProgramme& etat, const ListeTrouvee& trouvees,
                                 PolitiqueErreurs& politique, Plateforme& plateforme, const Collation& collation,
                                 Progression& progression)
    : m_base(base), m_etat(etat), m_trouvees(trouvees), m_politique(politique), m_plateforme(plateforme),
      m_collation(collation), m_progression(progression)
{}

RoutinesSorties::~RoutinesSorties() = default;

// ---- Index file ----

bool RoutinesSorties::CreerIndex(const MiseEnPageIndex::Criteres& criteres)
{
    const Tables& b = m_base;
    const QStringList& noms = m_trouvees.noms;
    QList<MiseEnPageIndex::Entree> entrees;
    entrees.reserve(noms.size());
    for (int k = 0; k < noms.size(); ++k)
        m_politique.etape([&] {
            const int r = m_trouvees.numero(k);
            const int magazine = b.RecettVal(r, Recette::Magazine);
            (void)b.Mag(magazine); // a magazine outside its table fails here, for this recipe only
            entrees.append({magazine, &b.RecettTexte(r, Recette::Numero), &b.RecettTexte(r, Recette::Page), &noms[k]});
        });
    QStringList magazines;
    magazines.reserve(Tables::MaxMag + 1);
    for (int m = 0; m <= Tables::MaxMag; ++m)
        magazines.append(b.Mag(m));

    const MiseEnPageIndex::Octets index =
        MiseEnPageIndex::composer(criteres, m_plateforme.maintenant(), magazines, entrees, m_collation);

    const QString chemin = m_etat.CheminAppli + NomIndex;
    try {
        ecrireIndex(chemin, index);
    } catch (const ErreurExecution& erreur) {
        // The old index, if any, is left as it was; the base is not touched.
        m_plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("L'index n'a pas pu être créé.\n\n") + erreur.description(),
                             Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
        return false;
    }
    m_plateforme.ouvrir(chemin, [this, chemin] {
        // The index is written all the same: the user is told where.
        m_plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("L'index a été créé, mais aucun programme n'a pu l'ouvrir. Il se trouve "
                                            "dans le fichier :\n")
                                 + QDir::toNativeSeparators(chemin),
                             Plateforme::Boutons::OK, Plateforme::Icone::Information);
    });
    return true;
}

void RoutinesSorties::ecrireIndex(const QString& chemin, const MiseEnPageIndex::Octets& index)
{
    Fichiers::ecrireSur(chemin, index.texte);
    if (index.remplace)
        m_plateforme.message(QStringLiteral("Zuta!"), Codec::avisRemplacement(chemin), Plateforme::Boutons::OK,
                             Plateforme::Icone::Information);
}

// ---- Printing ----

std::unique_ptr<Impression> RoutinesSorties::ChoisirImprimante(const QString& titre)
{
    // Cancelling the dialog prints nothing and says nothing.
    return m_plateforme.choisirImprimante(titre);
}

namespace {
// The progress window of a printout, from the page given on, with its
// "Annuler", the main window taking no input meanwhile; closed however the
// printout ends.
class SuiviImpression {
public:
    SuiviImpression(Progression& progression, Impression& imprimante, int premierePageMontree)
        : m_progression(progression), m_premiere(premierePageMontree)
    {
        imprimante.suivrePages([this](int n) { return page(n); });
    }
    ~SuiviImpression()
    {
        if (!m_montree)
            return;
        m_progression.fermer();
        m_progression.occuperFenetre(false);
    }
    SuiviImpression(const SuiviImpression&) = delete;
    SuiviImpression& operator=(const SuiviImpression&) = delete;

    // False once the user pressed "Annuler".
    bool page(int n)
    {
        if (n < m_premiere || n == m_page)
            return !m_progression.annulee();
        if (!m_montree) {
            m_progression.occuperFenetre(true);
            m_progression.proposerAnnulation();
            m_progression.montrer(QStringLiteral("Zuta! / Impression"), QStringLiteral("Impression en cours..."));
            m_montree = true;
        }
        m_page = n;
        m_progression.avancer(QStringLiteral("page %1").arg(n));
        return !m_progression.annulee();
    }

private:
    Progression& m_progression;
    int m_premiere;
    int m_page = 0; // the page shown
    bool m_montree = false;
};

// Both printouts open with the program's name in 14-point italic and two
// empty lines.
void imprimerEntete(ImpressionSousPolitique& imp)
{
    imp.taille(14);
    imp.italique(true);
    imp.ligne({Produit::Version});
    imp.italique(false);
    imp.ligneVide();
    imp.ligneVide();
}
} // namespace

void RoutinesSorties::imprimer(Impression& imprimante, int premierePageMontree, const Contenu& contenu)
{
    if (m_enCours)
        return;
    const QScopedValueRollback enCours(m_enCours, true);
    SuiviImpression suivi(m_progression, imprimante, premierePageMontree);
    suivi.page(1);
    ImpressionSousPolitique imp(imprimante, m_politique);
    contenu(imp);
    imp.finDocument();
}

void RoutinesSorties::ImprimerRecette(const FicheImprimee& f)
{
    const std::unique_ptr<Impression> imprimante = ChoisirImprimante(QStringLiteral("Imprimer la recette"));
    // A recipe whose notes run beyond the first page shows how far it is.
    if (imprimante)
        imprimer(*imprimante, 2, [&](ImpressionSousPolitique& imp) { imprimerRecette(imp, f); });
}

void RoutinesSorties::ApercuRecette(const FicheImprimee& f)
{
    m_plateforme.apercu(QStringLiteral("Zuta! / Aperçu de la recette"), [&](Impression& imprimante) {
        imprimer(imprimante, 2, [&](ImpressionSousPolitique& imp) { imprimerRecette(imp, f); });
    });
}

void RoutinesSorties::ImprimerListe(bool avecNotes, const QList<qsizetype>& ordre)
{
    const std::unique_ptr<Impression> imprimante = ChoisirImprimante(QStringLiteral("Imprimer la liste des recettes"));
    if (imprimante)
        imprimer(*imprimante, 1, [&](ImpressionSousPolitique& imp) { imprimerListe(imp, avecNotes, ordre); });
}

void RoutinesSorties::ApercuListe(bool avecNotes, const QList<qsizetype>& ordre)
{
    m_plateforme.apercu(QStringLiteral("Zuta! / Aperçu de la liste"), [&](Impression& imprimante) {
        imprimer(imprimante, 1, [&](ImpressionSousPolitique& imp) { imprimerListe(imp, avecNotes, ordre); });
    });
}

void RoutinesSorties::imprimerRecette(ImpressionSousPolitique& imp, const FicheImprimee& f)
{
    imprimerEntete(imp);
    imp.gras(true);
    imp.taille(16);
    imp.ligne({sansBlancs(f.nom)});
    imp.gras(false);
    imp.taille(12);
    imp.ligneVide();
    const QString categorie = sansBlancs(f.categorie);
    imp.debutLigne({categorie});
    if (!categorie.isEmpty())
        imp.ligne({QStringLiteral(" / "), sansBlancs(f.sousCategorie)});
    else
        imp.ligne({});
    imp.ligneVide();
    imp.ligne({sansBlancs(f.magazine), QStringLiteral(" n°"), sansBlancs(f.numero), QStringLiteral(" page "),
               sansBlancs(f.page)});
    imp.ligneVide();
    imp.ligne({f.testee ? QStringLiteral("Recette testée") : QStringLiteral("Recette non-testée")});
    imp.ligneVide();
    imp.souligne(true);
    imp.ligne({QStringLiteral("Notes :")});
    imp.souligne(false);
    imp.ligne({f.notes});
}

void RoutinesSorties::imprimerListe(ImpressionSousPolitique& imp, bool avecNotes, const QList<qsizetype>& ordre)
{
    const Tables& b = m_base;
    // The found list as shown: no new search.
    const QStringList& noms = m_trouvees.noms;
    imprimerEntete(imp);
    imp.gras(false);
    imp.taille(10);
    imp.ligne({MiseEnPageIndex::texteNombre(ordre.size())});
    imp.ligneVide();
    // A name out of its table (a damaged list) is printed empty once the
    // user has cancelled its error.
    const auto lire = [&](const std::function<QString()>& valeur) {
        QString texte;
        m_politique.etape([&] { texte = valeur(); });
        return texte;
    };
    for (const qsizetype k : ordre) {
        if (imp.abandonne())
            return;
        int r = -1;
        if (!m_politique.etape([&] {
                r = m_trouvees.numero(k);
                (void)b.RecettVal(r, Recette::Categorie);
            }))
            continue;
        // A recipe's block is kept on one page, or at least its name with
        // its line when its notes are longer than a page.
        imp.debutBloc();
        imp.debutBloc();
        imp.gras(true);
        imp.ligne({QStringLiteral("- ") + sansBlancs(noms[k])});
        imp.gras(false);
        imp.debutLigne({sansBlancs(lire([&] { return b.Mag(b.RecettVal(r, Recette::Magazine)); }))});
        const QString numero = sansBlancs(b.RecettTexte(r, Recette::Numero).toUpper());
        if (!numero.isEmpty())
            imp.debutLigne({QStringLiteral(" n°") + numero});
        const QString page = sansBlancs(b.RecettTexte(r, Recette::Page).toUpper());
        if (!page.isEmpty())
            imp.debutLigne({QStringLiteral(" page ") + page});
        imp.ligne({QStringLiteral(" ("), sansBlancs(lire([&] { return b.Cat(b.RecettVal(r, Recette::Categorie)); })),
                   QStringLiteral(" / "), sansBlancs(lire([&] {
                       return b.SousCat(b.RecettVal(r, Recette::Categorie), b.RecettVal(r, Recette::SousCategorie));
                   })),
                   QStringLiteral(")")});
        imp.finBloc();
        const QString notes = b.RecettTexte(r, Recette::Notes);
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
        imp.finBloc();
        imp.ligneVide();
    }
}
