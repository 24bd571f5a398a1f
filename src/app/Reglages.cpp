#include "Reglages.h"
#include "base/FormatNombres.h"
#include "base/LecteurValeurs.h"
#include "platform/PolitiqueErreurs.h"
#include <cmath>

namespace Reglages {

QString ecrire(const Valeurs& v)
{
    const QString fin = QStringLiteral("\r\n");
    return FormatNombres::ligne(v.OptionNotes) + fin + FormatNombres::ligne(std::llround(v.OptionInfoBulles)) + fin
        + FormatNombres::ligne(std::llround(v.FenHaut)) + fin + FormatNombres::ligne(std::llround(v.FenGauche)) + fin
        + v.CheminBase + fin;
}

namespace {
template <class F>
bool essayer(F&& lireValeur)
{
    try {
        lireValeur();
        return true;
    } catch (const ErreurExecution&) {
        return false;
    }
}
} // namespace

bool lire(const QString& texte, Valeurs& v, PolitiqueErreurs& politique)
{
    LecteurValeurs lecteur(texte);
    // A line the user skips is passed over, so that the next value is read
    // from its own line; once the end of the file is met, one box is enough.
    // After a first unreadable value the file is damaged: the later values
    // are still taken when they read, without a box each.
    bool fini = false;
    bool lisible = true;
    auto ligne = [&](auto&& lireValeur) {
        if (fini)
            return;
        if (lisible ? politique.etape(lireValeur) : essayer(lireValeur))
            return;
        lisible = false;
        lecteur.passer();
        fini = lecteur.fin();
    };
    ligne([&] { v.OptionNotes = static_cast<int>(lecteur.lireNombre()); });
    ligne([&] { v.OptionInfoBulles = static_cast<float>(lecteur.lireNombre()); });
    ligne([&] { v.FenHaut = static_cast<float>(lecteur.lireNombre()); });
    ligne([&] { v.FenGauche = static_cast<float>(lecteur.lireNombre()); });
    ligne([&] { v.CheminBase = lecteur.lireLigne().trimmed(); });
    return lisible && !fini;
}

int twipsVersPixels(double twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }

double pixelsVersTwips(int pixels, double dpi) { return std::round(pixels * 1440.0 / dpi); }

} // namespace Reglages
