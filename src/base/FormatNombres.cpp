#include "FormatNombres.h"

namespace FormatNombres {
QString signe(long long n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

QString ligne(long long n)
{
    return signe(n) + QLatin1Char(' ');
}
} // namespace FormatNombres
