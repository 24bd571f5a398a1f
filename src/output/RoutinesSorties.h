#pragma once
#include "MiseEnPageIndex.h"
#include <QStringList>
#include <functional>
#include <memory>

struct EtatProgramme;
struct ListeTrouvee;
struct Tables;
class Collation;
class Impression;
class ImpressionSousPolitique;
class Plateforme;
class PolitiqueErreurs;
class Progression;

// The card as it is displayed, validated or not: what its printout shows.
struct FicheImprimee {
    QString nom, categorie, sousCategorie, magazine, numero, page, notes;
    bool testee = false;
};

// The index text file and the two printouts, with no widget: the found list,
// the tables, and what the search frame and the card show, handed in.
class RoutinesSorties {
public:
    RoutinesSorties(const Tables& base, const EtatProgramme& etat, const ListeTrouvee& trouvees,
                    PolitiqueErreurs& politique, Plateforme& plateforme, const Collation& collation,
                    Progression& progression);
    ~RoutinesSorties();

    // Writes "Index.txt" from the found list as it stands (the caller has
    // refreshed it) and the criteria as the search frame shows them, then
    // opens it. False when it could not be written (the user is told why).
    bool CreerIndex(const MiseEnPageIndex::Criteres& criteres);
    // The printer dialog with its title: the printer chosen, or none when the
    // user cancelled (nothing is said then).
    std::unique_ptr<Impression> ChoisirImprimante(const QString& titre);
    void ImprimerRecette(const FicheImprimee& fiche);
    // The found list in the order shown: its lines, as the table lists them.
    void ImprimerListe(bool avecNotes, const QList<qsizetype>& ordre);
    // The same printouts in the print preview, from which the user may print.
    void ApercuRecette(const FicheImprimee& fiche);
    void ApercuListe(bool avecNotes, const QList<qsizetype>& ordre);

    // The index file's name in the program folder.
    static inline const QString NomIndex = QStringLiteral("Index.txt");

private:
    using Contenu = std::function<void(ImpressionSousPolitique&)>;

    void ecrireIndex(const QString& chemin, const MiseEnPageIndex::Octets& index);
    // The progress window from the page given on; a printout never starts
    // while another one runs.
    void imprimer(Impression& imprimante, int premierePageMontree, const Contenu& contenu);
    void imprimerRecette(ImpressionSousPolitique& imp, const FicheImprimee& f);
    void imprimerListe(ImpressionSousPolitique& imp, bool avecNotes, const QList<qsizetype>& ordre);

    const Tables& m_base;
    const EtatProgramme& m_etat;
    const ListeTrouvee& m_trouvees;
    PolitiqueErreurs& m_politique;
    Plateforme& m_plateforme;
    const Collation& m_collation;
    Progression& m_progression;
    bool m_enCours = false;
};
