#pragma once
#include <QObject>
#include <functional>

class QWidget;

// Turns a click on a widget that has no click of its own (a picture, a label)
// into an action. When the widget takes the keyboard focus, Space and Enter
// run the action too. The filter belongs to the widget.
class FiltreClic : public QObject {
    Q_OBJECT
public:
    FiltreClic(QWidget* cible, std::function<void()> action);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QWidget* m_cible;
    std::function<void()> m_action;
};
