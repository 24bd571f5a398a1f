#pragma once
#include <QCursor>
#include <QPixmap>

// The program's own pictures, painted at run time: a chef's hat and a wooden
// spoon for the blinking images, the mouse pointers over them, and the
// About window's picture.
namespace Dessins {

QPixmap toque(int cote);
QPixmap cuillere(int cote);
QPixmap marmite(int cote);

// Small pointers with their hot spot at the tip.
QCursor curseurCuillere();
QCursor curseurFouet();

} // namespace Dessins
