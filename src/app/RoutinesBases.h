#pragma once
#include "base/DocumentBase.h"
#include <QString>
#include <optional>

struct EtatProgramme;
class Plateforme;
class Progression;
class QWidget;

// Loading, saving, converting and creating bases as the user meets them: the
// progress window, the questions and the boxes around the open base's life
// cycle. Each routine is one step of the program's sequences ("Charger",
// "Nouvelle", the end of the program), which the program runs.
class RoutinesBases {
public:
    // `principale`: the main window, disabled while a file is read or
    // written and hidden while a base is converted.
    RoutinesBases(DocumentBase& document, const EtatProgramme& etat, Plateforme& plateforme, Progression& progression,
                  QWidget& principale);

    // Reads the base at the document's path with the progress window.
    void ChargerBase();
    // The reading itself, with its boxes and, for an older base, the
    // conversion.
    void LireBase();
    // Writes it with the progress window; true when the file was written.
    bool SauverBase();

    // "Enregistrer les modifications / dans la base de données ?": true
    // unless the answer is No.
    bool DemanderSauvegarde();

    // The file dialog of "Charger": the chosen base, or nothing.
    std::optional<QString> choisirBaseACharger();
    // The file dialog of "Nouvelle" with its overwrite question: the path of
    // the new base, or nothing when the user gave up.
    std::optional<QString> choisirNouvelleBase();

private:
    bool EcrireBase();
    void ConvertirBase(const DocumentBase::Lecture& lecture);
    void creerBaseManquante();
    enum class Remplacement { AvecAccord, Jamais };
    void baseIllisible(const QString& explication, Remplacement remplacement = Remplacement::AvecAccord);
    void annoncerLueAvecErreurs();
    void annoncerRapportRemplace();
    bool cheminEnregistrable();
    bool confirmerEcrasementModifiee();
    bool confirmerEcrasementIllisible();
    bool garderBaseAvecErreurs();
    void occuper(bool occupee);

    DocumentBase& m_document;
    const EtatProgramme& m_etat;
    Plateforme& m_plateforme;
    Progression& m_progression;
    QWidget& m_principale;
    QString m_raisonIllisible;
};
