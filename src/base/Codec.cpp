#include "Codec.h"
#include <algorithm>
#include <array>

namespace {
// Bytes 0x80..0x9F of Windows-1252. The five bytes Windows leaves undefined
// map to the control characters of the same code, as Windows itself does.
constexpr std::array<char16_t, 32> haut = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The character of every byte, so that decoding is one look-up per byte.
constexpr std::array<char16_t, 256> caracteres = [] {
    std::array<char16_t, 256> t{};
    for (int o = 0; o < 256; ++o)
        t[static_cast<std::size_t>(o)] =
            (o >= 0x80 && o < 0xA0) ? haut[static_cast<std::size_t>(o - 0x80)] : static_cast<char16_t>(o);
    return t;
}();

int octetPour(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (haut[i] == c)
            return 0x80 + i;
    return -1;
}
} // namespace

namespace Codec {

// Mends, in blocks of 64, the characters `aMender` picks out of a text
// copied as it was: a block holding none is only read, in a loop without
// branches that the compiler turns into vector code.
template <class T, class Choix, class Mender>
void reparerParBlocs(const T* entree, qsizetype n, Choix aMender, Mender mender)
{
    constexpr qsizetype Bloc = 64;
    for (qsizetype bloc = 0; bloc < n; bloc += Bloc) {
        const qsizetype fin = std::min(bloc + Bloc, n);
        unsigned char trouve = 0; // not bool, which keeps the loop from vector code
        for (qsizetype i = bloc; i < fin; ++i)
            trouve |= aMender(entree[i]);
        if (trouve)
            for (qsizetype i = bloc; i < fin; ++i)
                if (aMender(entree[i]))
                    mender(i);
    }
}

namespace {
// Every byte but 0x80..0x9F is the character of the same code, accented
// letters included: all are widened as they are, then the few blocks holding
// one of these bytes are mended. Loops without branches, which the compiler
// turns into vector code; apart, so that a short value does not pay for
// their registers.
Q_NEVER_INLINE void elargirParBlocs(const unsigned char* entree, qsizetype n, char16_t* sortie)
{
    for (qsizetype i = 0; i < n; ++i)
        sortie[i] = entree[i];
    const auto haut = [](unsigned char o) { return (o & 0xE0) == 0x80; };
    reparerParBlocs(entree, n, haut, [&](qsizetype i) { sortie[i] = caracteres[entree[i]]; });
}
} // namespace

QString decoder(QByteArrayView octets)
{
    QString texte(octets.size(), Qt::Uninitialized);
    if (!octets.isEmpty()) // data() would give an empty text a buffer of its own
        decoderDans(octets, reinterpret_cast<char16_t*>(texte.data()));
    return texte;
}

void decoderDans(QByteArrayView octets, char16_t* sortie)
{
    const auto* entree = reinterpret_cast<const unsigned char*>(octets.data());
    const qsizetype n = octets.size();
    // A short value (most of a base's) is one look-up per byte: the vector
    // loops would cost more to start than they save.
    if (n < 64) {
        for (qsizetype i = 0; i < n; ++i)
            sortie[i] = caracteres[entree[i]];
    } else {
        elargirParBlocs(entree, n, sortie);
    }
}

bool representable(const QString& texte) { return premierNonRepresentable(texte).isNull(); }

QChar premierNonRepresentable(const QString& texte)
{
    for (QChar c : texte)
        if (octetPour(c.unicode()) < 0)
            return c.isNull() ? QChar(0xFFFD) : c;
    return QChar();
}

QByteArray encoder(const QString& texte, bool* remplace)
{
    QByteArray octets(texte.size(), Qt::Uninitialized);
    const bool substitution = encoderDans(texte, octets.data());
    if (remplace)
        *remplace = substitution;
    return octets;
}

bool encoderDans(QStringView texte, char* sortie)
{
    const char16_t* entree = texte.utf16();
    const qsizetype n = texte.size();
    // As in decoding, every character up to 0xFF but 0x80..0x9F is its own
    // byte; any other is looked up.
    const auto autre = [](char16_t c) { return c > 0xFF || (c & 0xE0) == 0x80; };
    bool substitution = false;
    const auto encoderAutre = [&](qsizetype i) {
        const int o = octetPour(entree[i]);
        substitution |= o < 0;
        sortie[i] = static_cast<char>(o < 0 ? '?' : o);
    };
    // Narrowed as it is, noting in the same loop without branches (vector
    // code for a long text) whether any character is another: only a text
    // holding one is looked at again, in blocks.
    unsigned char autres = 0; // not bool, which keeps the loop from vector code
    for (qsizetype i = 0; i < n; ++i) {
        sortie[i] = static_cast<char>(entree[i]);
        autres |= autre(entree[i]);
    }
    if (autres)
        reparerParBlocs(entree, n, autre, encoderAutre);
    return substitution;
}

QString avisRemplacement(const QString& chemin)
{
    return QStringLiteral("Certains caractères ne peuvent pas être enregistrés dans le fichier « ") + chemin
        + QStringLiteral(" » : ils y sont remplacés par « ? ».");
}

} // namespace Codec
