#pragma once
#include "MiseEnPageIndex.h"
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

struct EtatProgramme;
struct ListeTrouvee;
struct Tables;
class Collation;
class Impression;
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
class RoutinesSorties : public QObject {
    Q_OBJECT
public:
    RoutinesSorties(const Tables& base, const EtatProgramme& etat, const ListeTrouvee& trouvees,
                    PolitiqueErreurs& politique, Plateforme& plateforme, const Collation& collation,
                    Progression& progression);
    ~RoutinesSorties() override;

    // The search criteria as the search frame shows them, read when the
    // index is written.
    std::function<MiseEnPageIndex::Criteres()> criteresAffiches;

    void CommandIndex_Click();
    void CreerIndex();
    void ChoisirImprimante();
    void ImprimerRecette(const FicheImprimee& fiche);
    void ImprimerListe(bool avecNotes);

    // The hidden working list of the last index: its key lines, in order.
    const QStringList& ListIndex() const { return m_listIndex; }

    // The index file's name in the program folder.
    static inline const QString NomIndex = QStringLiteral("Index.txt");

signals:
    // The general refresh, which the application runs.
    void actualisationDemandee();

private:
    void ecrireIndex(const QString& chemin, const QString& texte);

    const Tables& m_base;
    const EtatProgramme& m_etat;
    const ListeTrouvee& m_trouvees;
    PolitiqueErreurs& m_politique;
    Plateforme& m_plateforme;
    const Collation& m_collation;
    Progression& m_progression;
    QStringList m_listIndex;
    // The printer dialog's title, set before each use, and the printer it
    // left chosen (none after a cancel).
    QString m_titreDialogueImpression;
    std::unique_ptr<Impression> m_imprimante;
    bool ImpressionAnnulee = false;
};
