#pragma once
#include <QString>

// The small window shown while a long operation runs without giving the event
// loop back (loading, saving, converting a base, writing the index): a title
// and a label that the caller sets each time.
class Progression {
public:
    virtual ~Progression() = default;
    // Shows the window, or retitles it when it is already shown.
    virtual void montrer(const QString& titre, const QString& texte) = 0;
    // A second line under the label that tells how far the work is.
    virtual void avancer(const QString& etape) = 0;
    virtual void fermer() = 0;
    // The main window takes no input while `occupee`, for the operations
    // that do not disable it themselves.
    virtual void occuperFenetre(bool occupee) = 0;
    // The window shown next offers "Annuler" (a printout): the operation
    // asks annulee() as it goes on, and stops when it is true.
    virtual void proposerAnnulation() = 0;
    virtual bool annulee() const = 0;
};
