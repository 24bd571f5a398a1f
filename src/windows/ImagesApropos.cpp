#include "ImagesApropos.h"
#include "Dessins.h"
#include "platform/Controles.h"
#include "platform/FiltreClic.h"
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTimer>

using namespace Controles;

ImagesApropos::ImagesApropos(QWidget* parent) : QWidget(parent)
{
    Image1 = nomme(new QLabel, "Image1");
    Image2 = nomme(new QLabel, "Image2");
    Image2->hide();
    Timer1 = nomme(new QTimer(this), "Timer1");
    Timer1->setInterval(1000);
    auto* disposition = new QHBoxLayout(this);
    disposition->addWidget(Image1);
    disposition->addWidget(Image2);

    Image1->setPixmap(Dessins::toque(40));
    Image2->setPixmap(Dessins::cuillere(40));
    Image1->setCursor(Dessins::curseurCuillere());
    Image2->setCursor(Dessins::curseurFouet());
    for (QLabel* image : {Image1, Image2}) {
        Controles::decrire(image, QStringLiteral("A propos de..."));
        image->setAccessibleName(QStringLiteral("A propos de..."));
        new FiltreClic(image, [this] { emit aproposDemande(); });
    }
    // The pictures come and go; the keyboard stays on the pair.
    setObjectName(QStringLiteral("ImagesApropos"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("A propos de Zuta!"));
    setAccessibleDescription(QStringLiteral("Ouvre la fenêtre A propos de... (Entrée, Espace ou Maj+F1)"));
    disposition->setContentsMargins(2, 2, 2, 2);
    connect(Timer1, &QTimer::timeout, this, &ImagesApropos::Timer1_Timer);
    Timer1->start();
}

void ImagesApropos::Timer1_Timer()
{
    // Visibility as the window sets it, so that it holds while the window is hidden too.
    const bool premiere = !Image1->isHidden();
    Image1->setHidden(premiere);
    Image2->setHidden(!premiere);
}

QList<QWidget*> ImagesApropos::controles() const { return {Image1, Image2}; }

void ImagesApropos::keyPressEvent(QKeyEvent* evenement)
{
    const int touche = evenement->key();
    if (touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Space) {
        emit aproposDemande();
        return;
    }
    QWidget::keyPressEvent(evenement);
}

void ImagesApropos::paintEvent(QPaintEvent*)
{
    if (!hasFocus())
        return;
    QStylePainter peintre(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    peintre.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}
