#pragma once
#include <QObject>
#include <functional>

// Calls back when a watched control gets the focus or is clicked: the
// "got focus" and "click" events of controls that Qt reports only as events.
class FiltreFocus : public QObject {
    Q_OBJECT
public:
    using Rappel = std::function<void(QObject* controle)>;
    FiltreFocus(Rappel rappel, QObject* parent) : QObject(parent), m_rappel(std::move(rappel)) {}

    void surveiller(QObject* controle) { controle->installEventFilter(this); }

protected:
    bool eventFilter(QObject* controle, QEvent* event) override;

private:
    Rappel m_rappel;
};
