#include "Dessins.h"
#include <QPainter>
#include <QPainterPath>

namespace {
QPixmap toile(int cote)
{
    QPixmap image(cote, cote);
    image.fill(Qt::transparent);
    return image;
}

void preparer(QPainter& peintre, int cote)
{
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.scale(cote / 64.0, cote / 64.0); // every picture is drawn on a 64 x 64 grid
}

const QColor Bois(196, 140, 76);
const QColor BoisFonce(120, 78, 34);
const QColor Trait(60, 60, 70);
} // namespace

namespace Dessins {

QPixmap toque(int cote)
{
    QPixmap image = toile(cote);
    QPainter peintre(&image);
    preparer(peintre, cote);
    peintre.setPen(QPen(Trait, 2));
    peintre.setBrush(Qt::white);
    // The puffed top: three overlapping rounds.
    peintre.drawEllipse(QRectF(8, 10, 22, 22));
    peintre.drawEllipse(QRectF(34, 10, 22, 22));
    peintre.drawEllipse(QRectF(18, 4, 28, 26));
    // The band.
    peintre.drawRect(QRectF(14, 26, 36, 26));
    peintre.setPen(QPen(QColor(200, 200, 210), 1.5));
    for (qreal x : {22.0, 32.0, 42.0})
        peintre.drawLine(QPointF(x, 30), QPointF(x, 44));
    peintre.setPen(QPen(Trait, 2));
    peintre.setBrush(QColor(200, 40, 40));
    peintre.drawRect(QRectF(14, 46, 36, 8));
    return image;
}

QPixmap cuillere(int cote)
{
    QPixmap image = toile(cote);
    QPainter peintre(&image);
    preparer(peintre, cote);
    peintre.translate(32, 32);
    peintre.rotate(-45);
    peintre.setPen(QPen(BoisFonce, 2));
    peintre.setBrush(Bois);
    peintre.drawRoundedRect(QRectF(-3, -4, 6, 34), 3, 3); // the handle
    peintre.drawEllipse(QRectF(-9, -28, 18, 26));         // the bowl
    peintre.setBrush(BoisFonce.lighter(130));
    peintre.setPen(Qt::NoPen);
    peintre.drawEllipse(QRectF(-5, -23, 10, 16));
    return image;
}

QPixmap marmite(int cote)
{
    QPixmap image = toile(cote);
    QPainter peintre(&image);
    preparer(peintre, cote);
    // Steam.
    peintre.setPen(QPen(QColor(150, 150, 160), 2));
    for (qreal x : {22.0, 32.0, 42.0}) {
        QPainterPath vapeur(QPointF(x, 20));
        vapeur.cubicTo(QPointF(x - 5, 14), QPointF(x + 5, 10), QPointF(x, 3));
        peintre.drawPath(vapeur);
    }
    // The pot, its lid and handles.
    peintre.setPen(QPen(Trait, 2));
    peintre.setBrush(QColor(70, 110, 170));
    peintre.drawRoundedRect(QRectF(10, 28, 44, 28), 6, 6);
    peintre.drawRect(QRectF(3, 32, 7, 5));
    peintre.drawRect(QRectF(54, 32, 7, 5));
    peintre.setBrush(QColor(90, 135, 200));
    peintre.drawRoundedRect(QRectF(8, 23, 48, 6), 3, 3);
    peintre.drawEllipse(QRectF(28, 18, 8, 6));
    return image;
}

QCursor curseurCuillere()
{
    // The bowl of the spoon points at the top left, where the hot spot is.
    QPixmap image = toile(32);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(BoisFonce, 1.5));
    peintre.setBrush(Bois);
    peintre.translate(2, 2);
    peintre.rotate(-45);
    peintre.drawEllipse(QRectF(-4, 1, 8, 11));
    peintre.drawRoundedRect(QRectF(-1.5, 11, 3, 26), 1.5, 1.5);
    peintre.end();
    return QCursor(image, 2, 2);
}

QCursor curseurFouet()
{
    QPixmap image = toile(32);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.translate(2, 2);
    peintre.rotate(-45);
    peintre.setPen(QPen(QColor(90, 90, 100), 1.2));
    peintre.setBrush(Qt::NoBrush);
    for (qreal l : {3.0, 6.0, 9.0})
        peintre.drawEllipse(QRectF(-l / 2, 0, l, 16));
    peintre.setPen(QPen(Trait, 1.5));
    peintre.setBrush(QColor(30, 30, 30));
    peintre.drawRoundedRect(QRectF(-2, 15, 4, 14), 2, 2);
    peintre.end();
    return QCursor(image, 2, 2);
}

} // namespace Dessins
