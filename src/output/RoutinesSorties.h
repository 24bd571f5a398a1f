#pragma once
#include <QString>
#include <functional>
#include <memory>

class Impression;
class Programme;

// The index text file and the two printouts.
class RoutinesSorties {
public:
    explicit RoutinesSorties(Programme& p);
    ~RoutinesSorties();
    void brancher();

    void CommandIndex_Click();
    void CommandRecettImpr_Click() { ImprimerRecette(); }
    void CommandImpr_Click() { ImprimerListe(); }

    void CreerIndex();
    void ChoisirImprimante();
    void ImprimerRecette();
    void ImprimerListe();

    // The index file's name in the program folder.
    static inline const QString NomIndex = QStringLiteral("Index.txt");

private:
    // The progress window shown while the index is written.
    void avecFenetreProgression(const std::function<void()>& travail);
    // The slot of line k of the found list.
    int numeroDeLigne(int k) const;
    void ecrireIndex(const QString& chemin, const QString& texte);

    Programme& p;
    // The printer dialog's title, set before each use, and the printer it
    // left chosen (none after a cancel).
    QString m_titreDialogueImpression;
    std::unique_ptr<Impression> m_imprimante;
};
