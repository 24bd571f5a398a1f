#include "ListeTrouvee.h"
#include "base/FormatNombres.h"
#include "platform/ErreurExecution.h"

QString ligneTrouvee(const QString& nom, int numero)
{
    return nom + SeparateurListeTrouvee + FormatNombres::signe(numero);
}

int numeroDeLigne(const QString& ligneTmp)
{
    const qsizetype separateur = ligneTmp.lastIndexOf(SeparateurListeTrouvee);
    if (separateur < 0)
        throw ErreurExecution(Erreurs::IncompatibiliteType);
    const QStringView chiffres = QStringView(ligneTmp).mid(separateur + 1).trimmed();
    // A slot has at most five digits; anything but digits is not a slot number.
    if (chiffres.isEmpty() || chiffres.size() > 9)
        throw ErreurExecution(Erreurs::IncompatibiliteType);
    int numero = 0;
    for (const QChar c : chiffres) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            throw ErreurExecution(Erreurs::IncompatibiliteType);
        numero = numero * 10 + (c.unicode() - '0');
    }
    return numero;
}

QString nomDeLigne(const QString& ligneTmp)
{
    const qsizetype separateur = ligneTmp.lastIndexOf(SeparateurListeTrouvee);
    return separateur < 0 ? ligneTmp : ligneTmp.left(separateur);
}
