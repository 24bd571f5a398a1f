#pragma once
#include "Plateforme.h"
#include <QObject>

class QWidget;

// The real desktop: Qt's message boxes, file and printer dialogs, and the
// desktop services for "open".
class PlateformeQt : public Plateforme {
public:
    // The window the boxes and dialogs belong to (may change at run time).
    void setParent(QWidget* parent) { m_parent = parent; }

    Reponse message(const QString& titre, const QString& texte, Boutons boutons, Icone icone) override;
    std::optional<int> choisir(const QString& titre, const QString& texte, const QStringList& options) override;
    std::optional<QString> dialogueOuvrir(const DialogueFichier& d) override;
    std::optional<QString> dialogueEnregistrer(const DialogueFichier& d) override;
    std::unique_ptr<Impression> choisirImprimante(const QString& titre) override;
    void apercu(const QString& titre, const std::function<void(Impression&)>& imprimer) override;
    void ouvrir(const QString& cible, std::function<void()> siEchec) override;
    QDateTime maintenant() override { return QDateTime::currentDateTime(); }

private:
    QWidget* m_parent = nullptr;
    // Ends the watch of the openers still running when the platform goes.
    QObject m_ouvertures;
};
