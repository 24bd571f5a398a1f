#pragma once
#include "platform/Progression.h"
#include <QStringList>

// Records each showing of the progress window as "title / label", and
// whether it is open.
class ProgressionEnregistree : public Progression {
public:
    void montrer(const QString& titre, const QString& texte) override
    {
        montrees << titre + QStringLiteral(" / ") + texte
                + (fenetreOccupee ? QStringLiteral(" (fenêtre occupée)") : QString());
        ouverte = true;
    }
    void avancer(const QString& etape) override { montrees << QStringLiteral("  ") + etape; }
    void fermer() override { ouverte = false; }
    void occuperFenetre(bool occupee) override { fenetreOccupee = occupee; }

    QStringList montrees; // each step indented under its window
    bool ouverte = false;
    bool fenetreOccupee = false;
};
