// The header check and the conversion of older bases on any bytes: never a
// crash, a hang or a table written out of its bounds; a base read whole has
// counters that agree with its recipes, a base not read leaves empty tables.
#include "base/Codec.h"
#include "base/Conversion.h"
#include "base/Tables.h"
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    static auto tables = std::make_unique<Tables>();
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const Conversion::Genre genre = Conversion::examinerEntete(octets);
    if (genre != Conversion::Genre::V12 && genre != Conversion::Genre::SansEntete)
        return 0;
    const QString texte = Codec::decoder(octets);
    const auto r =
        Conversion::convertir(texte, genre, *tables, QStringLiteral("/b/Zuta.don"), QStringLiteral("/b/Zuta-OLD.don"));
    if (!r.lue) {
        if (tables->NbCat != 0 || tables->NbMag != 0 || tables->NbRecett != 0 || r.raison.isEmpty())
            std::abort();
        return 0;
    }
    if (!r.rapport.endsWith(QLatin1String("\r\n")))
        std::abort();
    const Tables::Comptes k = tables->recompter();
    for (int c = 1; c <= tables->NbCat; ++c)
        if (tables->CatNbRecett(c) != k.parCat[static_cast<std::size_t>(c)])
            std::abort();
    return 0;
}
