// The rich-text reader of the help window on any bytes: never a crash, a hang
// or a leak, whatever the braces, escapes, numbers and nesting.
#include "windows/LecteurRtf.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const DocumentRtf document = LecteurRtf::lire(octets);
    for (const ParagrapheRtf& p : document.paragraphes)
        for (const PassageRtf& passage : p.passages)
            if (passage.demiPoints <= 0)
                std::abort();
    return 0;
}
