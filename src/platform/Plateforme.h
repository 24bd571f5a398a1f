#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class Impression;

// The desktop services the program uses: message boxes, file and printer
// dialogs, the desktop's "open" and the clock. One implementation shows real
// Qt dialogs; the scripted one answers from queues for the tests.
class Plateforme {
public:
    enum class Boutons { OK, OuiNon, OuiNonAnnuler, ReessayerAnnuler };
    enum class Icone { Aucune, Question, Exclamation, Information };
    // Fermee: the box was closed without an answer (Escape, its close
    // button). Each question says what that means; for most it is the answer
    // that changes nothing.
    enum class Reponse { OK, Oui, Non, Reessayer, Annuler, Fermee };

    struct DialogueFichier {
        QString titre;
        QString dossierInitial;
        QString filtre;          // "Bases Zuta! (*.don) | *.don"
        QString extensionDefaut; // "*.don"
    };

    virtual ~Plateforme() = default;

    virtual Reponse message(const QString& titre, const QString& texte, Boutons boutons, Icone icone) = 0;
    // A question answered by choosing one of the options, each a button, or
    // "Annuler": the index of the option chosen, or nothing when the user
    // cancels or closes the box.
    virtual std::optional<int> choisir(const QString& titre, const QString& texte, const QStringList& options) = 0;
    // The chosen full path, or nothing when the user cancels.
    virtual std::optional<QString> dialogueOuvrir(const DialogueFichier& d) = 0;
    virtual std::optional<QString> dialogueEnregistrer(const DialogueFichier& d) = 0;
    // The printer dialog with its title; nothing when it is cancelled or
    // cannot be shown. The printing layer writes to the chosen printer.
    virtual std::unique_ptr<Impression> choisirImprimante(const QString& titre) = 0;
    // The print preview with its title, until the user closes it. `imprimer`
    // prints the document on the layer given, each time the preview lays its
    // pages out and when the user prints from it.
    virtual void apercu(const QString& titre, const std::function<void(Impression&)>& imprimer) = 0;
    // Hands a file path or an address (mailto:, https:) to the desktop's
    // "open". When the desktop cannot open it (no opener, or the opener
    // fails), siEchec is called, possibly later from the event loop.
    virtual void ouvrir(const QString& cible, std::function<void()> siEchec) = 0;
    virtual QDateTime maintenant() = 0;
};
