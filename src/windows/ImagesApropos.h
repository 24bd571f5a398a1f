#pragma once
#include <QWidget>

class QLabel;
class QTimer;

// The two pictures of the main window's corner, a chef's hat and a wooden
// spoon, that take turns every second; a click on either opens the About
// window. The pair takes the keyboard focus as one control ("A propos de
// Zuta!"): Enter or Space opens the window too.
class ImagesApropos : public QWidget {
    Q_OBJECT
public:
    explicit ImagesApropos(QWidget* parent = nullptr);

    void Timer1_Timer();
    QList<QWidget*> controles() const;

signals:
    void aproposDemande();

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;

private:
    QLabel* Image1;
    QLabel* Image2;
    QTimer* Timer1;
};
