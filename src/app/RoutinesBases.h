#pragma once
#include "base/DocumentBase.h"
#include <QString>

class Programme;

// Loading, saving, converting and creating bases as the user meets them: the
// progress window, the questions and the boxes around the base's life cycle,
// and the "Charger" and "Nouvelle" buttons.
class RoutinesBases {
public:
    explicit RoutinesBases(Programme& p);

    void ChargerBase();
    void SauverBase();
    void LireBase();
    // True when the file was written.
    bool EcrireBase();

    // "Enregistrer les modifications / dans la base de données ?": true
    // unless the answer is No.
    bool DemanderSauvegarde();

    void CommandCharger_Click();
    void CommandNouvelle_Click();

    DocumentBase document;

private:
    void ConvertirBase(const DocumentBase::Lecture& lecture);
    void creerBaseManquante();
    enum class Remplacement { AvecAccord, Jamais };
    void baseIllisible(const QString& explication, Remplacement remplacement = Remplacement::AvecAccord);
    bool cheminEnregistrable();
    bool confirmerEcrasementModifiee();
    bool confirmerEcrasementIllisible();
    bool garderBaseAvecErreurs();
    void annoncerLueAvecErreurs();

    Programme& p;
    QString m_raisonIllisible;
};
