#pragma once
#include <QObject>

class QWidget;

// Ctrl+Z in a text field undoes the field's own typing; a field with nothing
// of its own to undo lets the window's Ctrl+Z through instead, so that the
// last deletion can be undone from wherever the focus is.
class FiltreAnnuler : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Watches every text field under the window.
    void surveiller(QWidget* fenetre);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
};
