#pragma once
#include "platform/Progression.h"
#include <QStringList>

// Records each showing of the progress window as "title / label", and
// whether it is open; "Annuler" is pressed at the step given.
class ProgressionEnregistree : public Progression {
public:
    void montrer(const QString& titre, const QString& texte) override
    {
        montrees << titre + QStringLiteral(" / ") + texte
                + (fenetreOccupee ? QStringLiteral(" (fenêtre occupée)") : QString())
                + (annulable ? QStringLiteral(" [Annuler]") : QString());
        ouverte = true;
    }
    void avancer(const QString& etape) override
    {
        montrees << QStringLiteral("  ") + etape;
        m_annulee = m_annulee || (annulable && etape == annulerA);
    }
    void fermer() override { ouverte = annulable = false; }
    void occuperFenetre(bool occupee) override { fenetreOccupee = occupee; }
    void proposerAnnulation() override { annulable = true; }
    bool annulee() const override { return m_annulee; }

    QStringList montrees; // each step indented under its window
    bool ouverte = false;
    bool fenetreOccupee = false;
    bool annulable = false;
    QString annulerA; // the step at which the user presses "Annuler"

private:
    bool m_annulee = false;
};
