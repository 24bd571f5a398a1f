#pragma once
#include <QString>

class QComboBox;
class QLabel;
class QObject;
class QWidget;

// Making the controls of the program's windows: each control's objectName is
// its name in the program, each has an accessible name (its caption or the
// label that names it) and an accessible description (its tooltip).
namespace Controles {

template <class T>
T* nomme(T* controle, const char* nom)
{
    controle->setObjectName(QString::fromLatin1(nom));
    return controle;
}

QLabel* etiquette(const QString& texte, const char* nom);
// A drop-down list; `saisie`: the user may also type a name into it.
QComboBox* liste(const char* nom, bool saisie);

// The tooltip, also as the accessible description; an editable list keeps it
// on its line edit too.
void decrire(QWidget* controle, const QString& bulle);

// Accessible names under `racine`: a field takes the text of the label that
// names it, a button or a check box its caption, without the "&" of its
// Alt+letter.
void nommerPourAccessibilite(QWidget* racine);

// A caption as it is read: "&Nouvelle" is "Nouvelle", "&&" is one "&".
QString sansMnemonique(const QString& legende);

} // namespace Controles
