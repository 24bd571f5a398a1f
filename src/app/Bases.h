#pragma once
#include "base/Conversion.h"
#include "base/Fichiers.h"
#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <cstddef>
#include <functional>
#include <memory>

class Programme;
class FrmSauvegarde;

// Loading, saving and creating bases: the file routines wrapped in the
// progress window, the conversion of older bases, the "Charger" and
// "Nouvelle" buttons, and the end of the program.
class RoutinesBases {
public:
    explicit RoutinesBases(Programme& p);
    ~RoutinesBases();
    void brancher();

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
    void CommandQuitter_Click();

    // Closing the main window by any way: records its normal position, then
    // asks to save, writes the settings and ends the program.
    void FrmPrincipal_Unload();
    void TerminerProgramme();

    // The progress window: created and placed when first shown, then only
    // retitled until it is closed. Centred on the main window, or on the
    // rectangle the main window left while the program is ending.
    void montrerProgression(const QString& titre, const QString& texte);
    void fermerProgression();

    // Ends the process; tests replace it to run the whole closing sequence.
    std::function<void()> finProgramme;

    // Every showing of the progress window, for the tests of its texts and
    // place.
    struct Progression {
        QString titre;
        QString texte;
        QRect cadre;
    };
    QList<Progression> progressions;

    // The name under which a base read with errors is kept before it is
    // replaced: "Nom-ERREURS.don", or "Nom-ERREURS-2.don" and so on when
    // that name is taken.
    static QString cheminErreurs(const QString& cheminBase);

    // The copy of the previous version of a base, kept beside it before each
    // save replaces it: "Zuta2005.don.bak". The base file dialog ("*.don")
    // does not offer it; renaming it back to "Zuta2005.don" restores it.
    static QString cheminSauvegarde(const QString& cheminBase);

private:
    // What the base file was when it was last read or written, to notice
    // another program changing it in between.
    struct Empreinte {
        QString chemin;
        qint64 taille = -1;
        qint64 modifiee = 0; // milliseconds since the epoch
        std::size_t hachage = 0;
    };
    void memoriserEmpreinte(const QString& chemin, const QByteArray& octets);
    bool changeeDepuis(const QString& chemin) const;
    bool confirmerEcrasementModifiee();
    bool garderVersionPrecedente();
    // Copies the base file under another name through the safe write; when
    // that fails, tells that the base was not saved and why (`siEchec`).
    bool copierBaseSous(const QString& copie, const QString& siEchec);

    void ConvertirBase(const QString& texte, const QByteArray& octets, Conversion::Genre genre);
    void creerBaseManquante();
    static QString baseRefusee(const QString& chemin, const Fichiers::Examen& examen);
    bool cheminEnregistrable();
    enum class Remplacement { AvecAccord, Jamais };
    void baseIllisible(const QString& explication, Remplacement remplacement = Remplacement::AvecAccord);
    bool confirmerEcrasementIllisible();
    bool garderBaseAvecErreurs();
    void memoriserPositionNormale();
    QRect cadreNormal() const;

    Programme& p;
    std::unique_ptr<FrmSauvegarde> m_progression;
    QString m_raisonIllisible;
    Empreinte m_empreinte;
};
