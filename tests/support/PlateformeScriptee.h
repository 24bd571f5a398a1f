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

class ImpressionEnregistree : public Impression {
public:
    void taille(int points) override { m_etat.taille = points; }
    void gras(bool actif) override { m_etat.gras = actif; }
    void italique(bool actif) override { m_etat.italique = actif; }
    void souligne(bool actif) override { m_etat.souligne = actif; }
    void imprimer(const QStringList& textes, bool finLigne = true) override;
    void ligneVide() override;
    void finDocument() override;

    // Finished lines; a line's font state is the one when it was ended.
    QList<LigneImprimee> lignes;
    bool termine = false;
    // Lines a page holds, to follow a long printout (0: one endless page).
    int lignesParPage = 0;

private:
    void terminerLigne();
    LigneImprimee m_etat;
    QString m_ouverte;
    bool m_ligneOuverte = false;
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

    Reponse message(const QString& titre, const QString& texte, Boutons boutons, Icone icone) override;
    std::optional<QString> dialogueOuvrir(const DialogueFichier& d) override;
    std::optional<QString> dialogueEnregistrer(const DialogueFichier& d) override;
    std::unique_ptr<Impression> choisirImprimante(const QString& titre) override;
    void ouvrir(const QString& cible, std::function<void()> siEchec) override
    {
        ouverts.append(cible);
        if (ouvertureEchoue)
            siEchec();
    }
    QDateTime maintenant() override { return horloge; }

    QQueue<Reponse> reponses;
    QQueue<std::optional<QString>> fichiers;
    QQueue<bool> imprimantes; // true: the dialog is confirmed

    QList<Boite> boites;
    QList<DialogueFichier> dialogues;
    QStringList titresImpression;
    QStringList ouverts;
    int lignesParPage = 0;        // for each printout to come
    bool ouvertureEchoue = false; // true: the desktop finds no opener
    QDateTime horloge = QDateTime(QDate(2026, 12, 6), QTime(14, 5, 9));
    // Each confirmed printer dialog records into a new layer kept here.
    QList<ImpressionEnregistree*> impressions;
    ~PlateformeScriptee() override;

private:
    std::optional<QString> prochainFichier(const DialogueFichier& d);
};
