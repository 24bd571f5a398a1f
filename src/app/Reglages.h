#pragma once
#include <QString>

// The settings file "Zuta.ini": five lines, one value each.
namespace Reglages {

inline const QString NomFichier = QStringLiteral("Zuta.ini");
inline const QString BaseParDefaut = QStringLiteral("Zuta2005.don");

struct Valeurs {
    int OptionNotes = 0;
    float OptionInfoBulles = 1;
    float FenHaut = 0;
    float FenGauche = 0;
    QString CheminBase;
};

// The file's text: number lines in print style, then the path unchanged.
QString ecrire(const Valeurs& v);

// Twips and pixels: 15 twips per pixel at 96 dpi.
int twipsVersPixels(double twips, double dpi);
double pixelsVersTwips(int pixels, double dpi);

} // namespace Reglages
