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

void renumeroterLigne(QString& ligne, const QString& nom, int numero)
{
    // A deletion near the top of a full base renumbers 33,000 lines at once:
    // a number of as many characters is written over the old one, in the
    // line's own buffer when no one else holds it.
    char chiffres[16];
    const char* const fin = ecrireNumero(chiffres, numero);
    const qsizetype longueur = fin - chiffres;
    if (ligne.size() != nom.size() + 1 + longueur) {
        ligne = ligneTrouvee(nom, numero);
        return;
    }
    QChar* sortie = ligne.data() + nom.size() + 1;
    for (const char* c = chiffres; c != fin; ++c)
        *sortie++ = QLatin1Char(*c);
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

int ListeTrouvee::numero(qsizetype k) const
{
    if (k < 0 || k >= ListTmp.size())
        throw ErreurExecution(Erreurs::IndiceHorsSelection);
    if (numeros.size() == static_cast<std::size_t>(ListTmp.size()))
        return numeros[static_cast<std::size_t>(k)];
    return numeroDeLigne(ListTmp[k]);
}

std::optional<qsizetype> ListeTrouvee::ligneDe(int numero) const
{
    for (qsizetype k = 0; k < ListTmp.size(); ++k)
        if (numeroDeLigne(ListTmp[k]) == numero)
            return k;
    return std::nullopt;
}
