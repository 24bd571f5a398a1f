#include "Collation.h"
#include <QLocale>

Collation::Collation() : m_collator(QLocale(QLocale::French, QLocale::France))
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(false);
    m_collator.setIgnorePunctuation(false);
}

int Collation::comparer(const QString& a, const QString& b) const
{
    const bool blancA = a.startsWith(QLatin1Char(' '));
    const bool blancB = b.startsWith(QLatin1Char(' '));
    if (blancA != blancB)
        return blancA ? -1 : 1;
    if (const int c = m_collator.compare(a, b))
        return c;
    return QString::compare(a, b, Qt::CaseSensitive);
}

Collation::Cle Collation::cle(const QString& texte) const
{
    return {m_collator.sortKey(texte), texte.startsWith(QLatin1Char(' '))};
}

int Collation::comparerCles(const Cle& a, const QString& texteA, const Cle& b, const QString& texteB)
{
    if (a.blanc != b.blanc)
        return a.blanc ? -1 : 1;
    if (const int c = a.cle.compare(b.cle))
        return c;
    return QString::compare(texteA, texteB, Qt::CaseSensitive);
}
