// The settings file reader on any bytes: never a crash or a hang, and a few
// boxes at most.
#include "PlateformeScriptee.h"
#include "app/Reglages.h"
#include "base/Codec.h"
#include "platform/PolitiqueErreurs.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const QString texte =
        Codec::decoder(QByteArray(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille)));
    PlateformeScriptee plateforme;
    PolitiqueErreurs politique(plateforme);
    Reglages::Valeurs v;
    Reglages::lire(texte, v, politique);
    if (plateforme.boites.size() > 5)
        std::abort();
    return 0;
}
