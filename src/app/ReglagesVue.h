#pragma once
#include <QByteArray>
#include <QRect>
#include <QString>

// The view settings file "Zuta-Vue.ini" beside "Zuta.ini", which keeps its
// five lines: what the user arranged on screen and the settings never held
// (the found list's columns and sort, the main window's size and whether it
// was maximised), in the INI form that QSettings writes. A file that is
// missing, unreadable or holds nonsense gives the defaults without a word; a
// path that is no regular file of a sensible size is neither read nor
// written.
namespace ReglagesVue {

inline const QString NomFichier = QStringLiteral("Zuta-Vue.ini");

struct Valeurs {
    QByteArray colonnes; // the found list's header: widths, order, sort
    QRect fenetre;       // the main window's normal frame, in pixels
    bool agrandie = false;
};

// `dossier`: the program folder, ending with the separator.
Valeurs lire(const QString& dossier);
void ecrire(const QString& dossier, const Valeurs& valeurs);

} // namespace ReglagesVue
