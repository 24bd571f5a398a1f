#include "Reglages.h"
#include "base/FormatNombres.h"
#include <cmath>

namespace Reglages {

QString ecrire(const Valeurs& v)
{
    const QString fin = QStringLiteral("\r\n");
    return FormatNombres::ligne(v.OptionNotes) + fin
        + FormatNombres::ligne(std::llround(v.OptionInfoBulles)) + fin
        + FormatNombres::ligne(std::llround(v.FenHaut)) + fin
        + FormatNombres::ligne(std::llround(v.FenGauche)) + fin
        + v.CheminBase + fin;
}

int twipsVersPixels(double twips, double dpi)
{
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

double pixelsVersTwips(int pixels, double dpi)
{
    return std::round(pixels * 1440.0 / dpi);
}

} // namespace Reglages
