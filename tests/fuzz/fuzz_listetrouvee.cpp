// The slot number and name of a found-list line, on any text: a line is
// either refused with a run-time error or read as a slot number that writes
// back to the same number; a line written from a name and a slot always
// reads back to both.
#include "base/Codec.h"
#include "base/ListeTrouvee.h"
#include "platform/ErreurExecution.h"
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const QString ligne =
        Codec::decoder(QByteArray(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille)));
    const QString nom = nomDeLigne(ligne);
    if (!ligne.startsWith(nom))
        std::abort();
    try {
        const int numero = numeroDeLigne(ligne);
        if (numero < 0 || numeroDeLigne(ligneTrouvee(nom, numero)) != numero)
            std::abort();
    } catch (const ErreurExecution&) {
    }
    if (taille >= 4) {
        int numero = 0;
        std::memcpy(&numero, donnees, sizeof numero);
        numero &= 0x7fffffff;
        numero %= 1000000000; // a slot number has at most nine digits
        const QString ecrite = ligneTrouvee(ligne, numero);
        if (numeroDeLigne(ecrite) != numero || nomDeLigne(ecrite) != ligne)
            std::abort();
    }
    return 0;
}
