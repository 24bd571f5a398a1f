#pragma once
#include "Plateforme.h"

class QTextStream;

// The desktop of a run without window: each box is written on the error
// stream and gets the answer that changes nothing (OK, No, Cancel); no file
// dialog, no printer, no preview, nothing is opened.
class PlateformeConsole : public Plateforme {
public:
    explicit PlateformeConsole(QTextStream& erreurs) : m_erreurs(erreurs) {}

    Reponse message(const QString& titre, const QString& texte, Boutons boutons, Icone icone) override;
    std::optional<int> choisir(const QString&, const QString&, const QStringList&) override { return std::nullopt; }
    std::optional<QString> dialogueOuvrir(const DialogueFichier&) override { return std::nullopt; }
    std::optional<QString> dialogueEnregistrer(const DialogueFichier&) override { return std::nullopt; }
    std::unique_ptr<Impression> choisirImprimante(const QString&) override;
    void apercu(const QString&, const std::function<void(Impression&)>&) override {}
    void ouvrir(const QString&, std::function<void()> siEchec) override { siEchec(); }
    QDateTime maintenant() override { return QDateTime::currentDateTime(); }

private:
    QTextStream& m_erreurs;
};
