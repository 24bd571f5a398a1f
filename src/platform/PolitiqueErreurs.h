#pragma once
#include "ErreurExecution.h"
#include "Plateforme.h"

// Module routines run as a list of steps. A failing step shows its error in the
// "Erreur !" box: Retry runs the step again, Cancel goes on with the next one.
// Nothing is rolled back.
class PolitiqueErreurs {
public:
    explicit PolitiqueErreurs(Plateforme& plateforme) : m_plateforme(plateforme) {}

    // Runs one step under the policy; true when it finally succeeded,
    // false when the user cancelled it.
    template <class Etape>
    bool etape(Etape&& e)
    {
        for (;;) {
            try {
                e();
                return true;
            } catch (const ErreurExecution& erreur) {
                if (!reessayer(erreur.description()))
                    return false;
            }
        }
    }

    // Shows the "Erreur !" box; true when the user asks for another try.
    bool reessayer(const QString& description);

    Plateforme& plateforme() { return m_plateforme; }

private:
    Plateforme& m_plateforme;
};
