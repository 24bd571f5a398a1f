#include "Texte.h"

namespace Texte {

QString sansBlancs(const QString& texte)
{
    qsizetype debut = 0;
    qsizetype fin = texte.size();
    while (debut < fin && texte[debut] == QLatin1Char(' '))
        ++debut;
    while (fin > debut && texte[fin - 1] == QLatin1Char(' '))
        --fin;
    return texte.mid(debut, fin - debut);
}

bool queDesBlancs(QStringView texte)
{
    for (QChar c : texte)
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

} // namespace Texte
