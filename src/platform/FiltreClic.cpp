#include "FiltreClic.h"
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

FiltreClic::FiltreClic(QWidget* cible, std::function<void()> action)
    : QObject(cible), m_cible(cible), m_action(std::move(action))
{
    cible->installEventFilter(this);
}

bool FiltreClic::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet != m_cible)
        return false;
    if (evenement->type() == QEvent::MouseButtonRelease) {
        const auto* souris = static_cast<QMouseEvent*>(evenement);
        // A click is a release over the widget, as for a button.
        if (souris->button() == Qt::LeftButton && m_cible->rect().contains(souris->position().toPoint())) {
            m_action();
            return true;
        }
    } else if (evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche == Qt::Key_Space || touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            m_action();
            return true;
        }
    }
    return false;
}
