// The base file reader and the header check on any bytes: never a crash, a
// hang or a table written out of its bounds; the tables always consistent
// after a reading cut short.
#include "base/Codec.h"
#include "base/FichierBase.h"
#include "base/Tables.h"
#include "platform/PlateformeScriptee.h"
#include "platform/PolitiqueErreurs.h"
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    static auto tables = std::make_unique<Tables>();
    const QString texte = Codec::decoder(QByteArray(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille)));
    FichierBase::lireEntete(texte);
    PlateformeScriptee plateforme;
    PolitiqueErreurs politique(plateforme);
    tables->ViderCompteurs();
    const auto r = FichierBase::lire(texte, *tables, politique);
    if (plateforme.boites.size() > 1)
        std::abort(); // one box at most: the first failure ends the reading
    if (r.interrompue) {
        for (int c = 1; c <= tables->NbCat; ++c)
            if (tables->CatNbRecett(c) != tables->compterCat(c))
                std::abort();
    }
    // What was read writes out and reads back the same.
    const QString ecrit = FichierBase::ecrire(*tables);
    static auto relu = std::make_unique<Tables>();
    relu->ViderCompteurs();
    PolitiqueErreurs politique2(plateforme);
    FichierBase::lire(ecrit, *relu, politique2);
    if (relu->NbRecett != tables->NbRecett || relu->NbCat != tables->NbCat || relu->NbMag != tables->NbMag)
        std::abort();
    return 0;
}
