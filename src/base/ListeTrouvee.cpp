#include "ListeTrouvee.h"
#include "platform/ErreurExecution.h"
#include <algorithm>
#include <charconv>

namespace {
// The number as FormatNombres::signe writes it; returns its end.
char* ecrireNumero(char (&chiffres)[16], int numero)
{
    chiffres[0] = ' ';
    char* const debut = numero < 0 ? chiffres : chiffres + 1;
    return std::to_chars(debut, chiffres + sizeof chiffres, numero).ptr;
}
} // namespace

QString ligneTrouvee(const QString& nom, int numero)
{
    // Written in place, in one allocation.
    char chiffres[16];
    const char* const fin = ecrireNumero(chiffres, numero);
    QString ligne(nom.size() + 1 + (fin - chiffres), Qt::Uninitialized);
    QChar* sortie = std::copy(nom.cbegin(), nom.cend(), ligne.data());
    *sortie++ = SeparateurListeTrouvee;
    for (const char* c = chiffres; c != fin; ++c)
        *sortie++ = QLatin1Char(*c);
    return ligne;
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

QString ListeTrouvee::ListTmp(qsizetype k) const
{
    if (k < 0 || k >= taille())
        return {};
    return ligneTrouvee(noms[k], numeros[static_cast<std::size_t>(k)]);
}

int ListeTrouvee::numero(qsizetype k) const
{
    if (k < 0 || k >= taille())
        throw ErreurExecution(Erreurs::IndiceHorsSelection);
    return numeros[static_cast<std::size_t>(k)];
}

std::optional<qsizetype> ListeTrouvee::ligneDe(int numero) const
{
    const auto k = std::find(numeros.begin(), numeros.end(), numero);
    if (k == numeros.end())
        return std::nullopt;
    return static_cast<qsizetype>(k - numeros.begin());
}
