#pragma once
// The real program (its main window on the offscreen platform) started in a
// temporary program folder that holds a generated base, and driven the way
// the user drives it: criteria chosen in the search frame, a line of the
// found list clicked, the card's buttons.
#include "Generateur.h"
#include "PlateformeBanc.h"
#include "ProgressionEnregistree.h"
#include "app/Programme.h"
#include "app/RoutinesBases.h"
#include "base/Tables.h"
#include "output/RoutinesSorties.h"
#include "search/PanneauRecherche.h"
#include <QTemporaryDir>
#include <memory>

class BancProgramme {
public:
    // Generates the base, writes it as the program's default base and runs
    // the program's start-up on it (which reads it and refreshes once).
    explicit BancProgramme(const Generateur::Parametres& parametres);
    ~BancProgramme();

    Programme& p() { return *m_programme; }
    FrmPrincipal& fen();
    // The open base of the program.
    DocumentBase& document() { return m_programme->document(); }
    Tables& tables() { return document().tables(); }
    // The outputs and the base's routines over the program's own base and
    // found list, for the operations timed without the window's sequence
    // around them (the refresh before the index, the print dialog, the
    // progress window).
    RoutinesSorties& sorties() { return *m_sorties; }
    RoutinesBases& bases() { return *m_bases; }
    // A click on a button of the main window.
    void cliquer(const char* bouton);
    const Tables& generee() const { return *m_generee; }
    const QByteArray& octets() const { return m_octets; }
    QString cheminBase() const { return m_cheminBase; }
    QString chemin(const QString& nom) const;

    // The refresh of the "Actualiser" button with the criteria as they are.
    void actualiser();
    // Ctrl+Z on the card: takes back the last deletion.
    void annuler();
    // Every criterion back to "all", the search text empty.
    void sansCritere();
    void texteRecherche(const QString& texte);
    // The category and the sub-category at these positions of their lists.
    void categorie(int position, int positionSousCategorie);
    void magazine(int position);
    // Refreshes with no criterion, then clicks the line of the slot so that
    // the card shows it.
    void montrerRecette(int slot);
    // The generated base back in the tables, as before any change.
    void restaurerBase();
    // The found list sorted by a column, as a click on its header does (-1:
    // its own order).
    void trier(int colonne);
    // Number of lines of the found list.
    int trouvees();

    PlateformeBanc plateforme;

private:
    template <class T>
    T* controle(const char* nom);
    void choisirCategorie(int position);

    QTemporaryDir m_dossier;
    std::unique_ptr<Tables> m_generee;
    QByteArray m_octets;
    QString m_cheminBase;
    std::unique_ptr<Programme> m_programme;
    PolitiqueErreurs m_politique{plateforme};
    ProgressionEnregistree m_progression;
    std::unique_ptr<RoutinesSorties> m_sorties;
    std::unique_ptr<RoutinesBases> m_bases;
};

// Ends the benchmark with a message: it refuses to time anything that does
// not behave.
[[noreturn]] void echec(const QString& message);
