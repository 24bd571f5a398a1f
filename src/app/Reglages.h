#pragma once
#include <QString>

class PolitiqueErreurs;

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

// Reads the five lines into v, each line a step of the error policy: a value
// that cannot be read keeps what v held. Line 5 is read whole, from its first
// non-blank character, so that a path holding a comma stays whole.
// False when a value could not be read.
bool lire(const QString& texte, Valeurs& v, PolitiqueErreurs& politique);

// Twips and pixels: 15 twips per pixel at 96 dpi.
int twipsVersPixels(double twips, double dpi);
double pixelsVersTwips(int pixels, double dpi);

} // namespace Reglages
