#include "Reglages.h"
#include "base/FormatNombres.h"
#include "base/LecteurValeurs.h"
#include "platform/PolitiqueErreurs.h"
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

void lire(const QString& texte, Valeurs& v, PolitiqueErreurs& politique)
{
    LecteurValeurs lecteur(texte);
    // A line the user skips is passed over, so that the next value is read
    // from its own line; once the end of the file is met, one box is enough.
    bool fini = false;
    auto ligne = [&](auto&& lireValeur) {
        if (fini || politique.etape(lireValeur))
            return;
        lecteur.passer();
        fini = lecteur.fin();
    };
    ligne([&] { v.OptionNotes = static_cast<int>(lecteur.lireNombre()); });
    ligne([&] { v.OptionInfoBulles = static_cast<float>(lecteur.lireNombre()); });
    ligne([&] { v.FenHaut = static_cast<float>(lecteur.lireNombre()); });
    ligne([&] { v.FenGauche = static_cast<float>(lecteur.lireNombre()); });
    ligne([&] { v.CheminBase = lecteur.lireLigne().trimmed(); });
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
