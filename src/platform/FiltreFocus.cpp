#include "FiltreFocus.h"
#include <QEvent>

bool FiltreFocus::eventFilter(QObject* controle, QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress)
        m_rappel(controle);
    return QObject::eventFilter(controle, event);
}
