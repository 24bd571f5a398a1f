#include "TexteFiche.h"
#include "Codec.h"
#include "ListeTrouvee.h"
#include "Texte.h"

namespace TexteFiche {

QString caracteresRefuses(Champ champ)
{
    static const QString nom = QStringLiteral("\"") + SeparateurListeTrouvee;
    switch (champ) {
    case Champ::Nom: return nom;
    case Champ::Notes: return QStringLiteral("\"");
    default: return QStringLiteral(",\"");
    }
}

QString premiereMajuscule(const QString& texte)
{
    if (texte.isEmpty())
        return texte;
    const QChar majuscule = texte[0].toUpper();
    if (majuscule == texte[0] || !Codec::representable(QString(majuscule)))
        return texte;
    QString resultat = texte;
    resultat[0] = majuscule;
    return resultat;
}

QString sansGuillemets(QString texte) { return texte.replace(QLatin1Char('"'), QLatin1Char('\'')); }

QString nomNormalise(const QString& texte, bool minuscules)
{
    QString t = sansGuillemets(Texte::sansBlancs(texte));
    if (minuscules)
        t = t.toLower();
    return premiereMajuscule(t);
}

QString notesPourAffichage(const QString& notesBase)
{
    QString t = notesBase;
    return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString notesPourBase(const QString& notesAffichees)
{
    QString t = notesAffichees;
    // The box may hold paragraph or line separators of its own.
    t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    t.replace(QChar::LineSeparator, QLatin1Char('\n'));
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString caractereNonRepresentable(const QString& texte)
{
    if (Codec::representable(texte))
        return {};
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const qsizetype longueur = texte[i].isHighSurrogate() && i + 1 < texte.size() ? 2 : 1;
        const QString caractere = texte.mid(i, longueur);
        if (!Codec::representable(caractere))
            return caractere;
        i += longueur - 1;
    }
    return {};
}

} // namespace TexteFiche
