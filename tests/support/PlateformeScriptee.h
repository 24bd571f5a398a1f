#pragma once
#include "platform/Impression.h"
#include "platform/Plateforme.h"
#include <QList>
#include <QQueue>

// What the recording printing layer saw: one entry per operation, in order,
// with the font state at the time of each printed line.
struct LigneImprimee {
    QString texte; // the text of the line (all its parts joined)
    int taille = 0;
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool operator==(const LigneImprimee&) const = default;
};

// What one printout recorded: its finished lines, each with the font state
// when it was ended.
struct ImpressionEnregistree {
    QList<LigneImprimee> lignes;
    bool termine = false;
    bool abandonnee = false;          // stopped by its page follow-up
    QList<std::pair<int, int>> blocs; // the lines [first, end) of each block, as opened
};

// Answers boxes and dialogs from queues and records every box it was asked to
// show, so that a test can assert the exact texts. An empty queue gives the
// answer that changes nothing: Cancel, No, OK, no file, no printer.
class PlateformeScriptee : public Plateforme {
public:
    struct Boite {
        QString titre;
        QString texte;
        Boutons boutons;
        Icone icone;
    };
    struct Choix {
        QString titre;
        QString texte;
        QStringList options;
    };

    Reponse message(const QString& titre, const QString& texte, Boutons boutons, Icone icone) override;
    std::optional<int> choisir(const QString& titre, const QString& texte, const QStringList& options) override
    {
        questionsChoix.append({titre, texte, options});
        return choix.isEmpty() ? std::nullopt : choix.dequeue();
    }
    std::optional<QString> dialogueOuvrir(const DialogueFichier& d) override;
    std::optional<QString> dialogueEnregistrer(const DialogueFichier& d) override;
    std::unique_ptr<Impression> choisirImprimante(const QString& titre) override;
    // Records its title and prints at once into a new recording layer.
    void apercu(const QString& titre, const std::function<void(Impression&)>& imprimer) override;
    void ouvrir(const QString& cible, std::function<void()> siEchec) override
    {
        ouverts.append(cible);
        if (ouvertureEchoue)
            siEchec();
    }
    QDateTime maintenant() override { return horloge; }

    QQueue<Reponse> reponses;
    QQueue<std::optional<QString>> fichiers;
    QQueue<bool> imprimantes;         // true: the dialog is confirmed
    QQueue<std::optional<int>> choix; // the option chosen; none: cancelled

    QList<Boite> boites;
    QList<Choix> questionsChoix;
    QList<DialogueFichier> dialogues;
    QStringList titresImpression;
    QStringList titresApercu;
    QStringList ouverts;
    int lignesParPage = 0;        // for each printout to come (0: one endless page)
    bool ouvertureEchoue = false; // true: the desktop finds no opener
    QDateTime horloge = QDateTime(QDate(2026, 12, 6), QTime(14, 5, 9));
    // Each confirmed printer dialog and each preview records into a new
    // layer kept here...
    QList<std::shared_ptr<ImpressionEnregistree>> impressions;
    // ...unless this gives the layer to print on (a real one, to a PDF).
    std::function<std::unique_ptr<Impression>()> imprimante;

private:
    std::optional<QString> prochainFichier(const DialogueFichier& d);
};
