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
    virtual void fermer() = 0;
};
