#include "FormatNombres.h"
#include <charconv>

namespace FormatNombres {
QString signe(long long n)
{
    // Written straight from the digits: the found list numbers every recipe
    // of a full base this way, and QString::number goes through the locale.
    char texte[24];
    texte[0] = ' ';
    char* const debut = n < 0 ? texte : texte + 1;
    char* const fin = std::to_chars(debut, texte + sizeof texte, n).ptr;
    return QString::fromLatin1(texte, fin - texte);
}

QString ligne(long long n) { return signe(n) + QLatin1Char(' '); }
} // namespace FormatNombres
