#include "FiltreAnnuler.h"
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

void FiltreAnnuler::surveiller(QWidget* fenetre)
{
    for (QLineEdit* champ : fenetre->findChildren<QLineEdit*>())
        champ->installEventFilter(this);
    for (QPlainTextEdit* champ : fenetre->findChildren<QPlainTextEdit*>())
        champ->installEventFilter(this);
}

bool FiltreAnnuler::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() != QEvent::ShortcutOverride
        || static_cast<QKeyEvent*>(evenement)->keyCombination() != (Qt::CTRL | Qt::Key_Z))
        return false;
    bool aDefaire = true;
    if (auto* ligne = qobject_cast<QLineEdit*>(objet))
        aDefaire = ligne->isUndoAvailable();
    else if (auto* notes = qobject_cast<QPlainTextEdit*>(objet))
        aDefaire = notes->document()->isUndoAvailable();
    // Left unaccepted, the key goes to the window's shortcut.
    return !aDefaire;
}
