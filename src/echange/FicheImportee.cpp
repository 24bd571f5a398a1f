#include "FicheImportee.h"
#include "base/Codec.h"
#include "base/PliageFrancais.h"
#include "base/Texte.h"
#include "base/TexteFiche.h"

namespace FicheImportee {

namespace {

using Champ = EnteteCsv::Champ;

TexteFiche::Champ champFiche(Champ c)
{
    switch (c) {
    case Champ::Nom: return TexteFiche::Champ::Nom;
    case Champ::Categorie: return TexteFiche::Champ::Categorie;
    case Champ::SousCategorie: return TexteFiche::Champ::SousCategorie;
    case Champ::Magazine: return TexteFiche::Champ::Magazine;
    case Champ::Numero: return TexteFiche::Champ::Numero;
    case Champ::Pages: return TexteFiche::Champ::Page;
    case Champ::Notes:
    case Champ::Testee: break;
    }
    return TexteFiche::Champ::Notes;
}

QString code(char32_t c) { return QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper(); }

class Rangement {
public:
    Rangement(Champ champ, QStringList& avertissements)
        : m_libelle(EnteteCsv::nom(champ)), m_avertissements(avertissements)
    {}

    // Every line break (CR LF, CR or LF) becomes `par`; the number replaced.
    static int remplacerFinsDeLigne(QString& t, const QString& par)
    {
        const qsizetype n = t.count(u'\r') + t.count(u'\n') - t.count(QLatin1String("\r\n"));
        if (n > 0)
            t.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n').replace(u'\n', par);
        return static_cast<int>(n);
    }

    void finsDeLigne(QString& t)
    {
        if (const int n = remplacerFinsDeLigne(t, QStringLiteral(" ")))
            dire(n, QStringLiteral("un retour à la ligne, remplacé par un blanc"),
                 QStringLiteral("%1 retours à la ligne, remplacés par des blancs"));
    }

    void remplacer(QString& t, QChar c, QChar par, const QString& un, const QString& plusieurs)
    {
        if (const auto n = t.count(c)) {
            t.replace(c, par);
            dire(static_cast<int>(n), un, plusieurs);
        }
    }

    // Each code point Windows-1252 cannot hold becomes one "?".
    void nonRepresentables(QString& t)
    {
        if (Codec::representable(t))
            return;
        QString resultat;
        int n = 0;
        char32_t premier = 0;
        for (const char32_t c : t.toUcs4()) {
            const QString caractere = QString::fromUcs4(&c, 1);
            if (Codec::representable(caractere)) {
                resultat.append(caractere);
                continue;
            }
            if (n++ == 0)
                premier = c;
            resultat.append(QLatin1Char('?'));
        }
        t = resultat;
        const QString lequel = QString::fromUcs4(&premier, 1);
        if (n == 1)
            m_avertissements << QStringLiteral("Le champ « %1 » contenait le caractère « %2 » (%3), que la base ne "
                                               "peut pas enregistrer : il est remplacé par « ? ».")
                                    .arg(m_libelle, lequel, code(premier));
        else
            m_avertissements << QStringLiteral("Le champ « %1 » contenait %2 caractères que la base ne peut pas "
                                               "enregistrer (dont « %3 », %4) : ils sont remplacés par « ? ».")
                                    .arg(m_libelle)
                                    .arg(n)
                                    .arg(lequel, code(premier));
    }

private:
    void dire(int n, const QString& un, const QString& plusieurs)
    {
        m_avertissements
            << QStringLiteral("Le champ « %1 » contenait %2.").arg(m_libelle, n == 1 ? un : plusieurs.arg(n));
    }

    QString m_libelle;
    QStringList& m_avertissements;
};

// True when the text holds a line break, a double quote or, when the field
// refuses it, a comma: most values hold none, and are only trimmed.
bool aRanger(const QString& t, bool virgule)
{
    for (const QChar c : t) {
        const char16_t u = c.unicode();
        if (u == u'\r' || u == u'\n' || u == u'"' || (virgule && u == u','))
            return true;
    }
    return !Codec::representable(t);
}

// A one-line field as the card's keys and its trimming leave it.
QString ranger(QString t, Champ champ, QStringList& avertissements)
{
    const bool virgule = TexteFiche::caracteresRefuses(champFiche(champ)).contains(QLatin1Char(','));
    if (!aRanger(t, virgule))
        return Texte::sansBlancs(t);
    Rangement r(champ, avertissements);
    r.finsDeLigne(t);
    if (virgule)
        r.remplacer(t, u',', u' ', QStringLiteral("une virgule, remplacée par un blanc"),
                    QStringLiteral("%1 virgules, remplacées par des blancs"));
    r.remplacer(t, u'"', u'\'', QStringLiteral("un guillemet, remplacé par une apostrophe"),
                QStringLiteral("%1 guillemets, remplacés par des apostrophes"));
    r.nonRepresentables(t);
    return Texte::sansBlancs(t);
}

// The notes keep their blanks; their line breaks become CR LF, as the base
// keeps them.
QString rangerNotes(QString t, QStringList& avertissements)
{
    if (!aRanger(t, false))
        return t;
    Rangement r(Champ::Notes, avertissements);
    Rangement::remplacerFinsDeLigne(t, QStringLiteral("\r\n"));
    r.remplacer(t, u'"', u'\'', QStringLiteral("un guillemet, remplacé par une apostrophe"),
                QStringLiteral("%1 guillemets, remplacés par des apostrophes"));
    r.nonRepresentables(t);
    return t;
}

} // namespace

std::optional<bool> testee(const QString& texte)
{
    static const QStringList oui = {QStringLiteral("oui"),   QStringLiteral("x"),   QStringLiteral("1"),
                                    QStringLiteral("vrai"),  QStringLiteral("yes"), QStringLiteral("true"),
                                    QStringLiteral("testee")};
    static const QStringList non = {QString(),
                                    QStringLiteral("non"),
                                    QStringLiteral("0"),
                                    QStringLiteral("faux"),
                                    QStringLiteral("no"),
                                    QStringLiteral("false")};
    // What the export writes is known at once.
    if (texte == u"oui")
        return true;
    if (texte == u"non" || texte.isEmpty())
        return false;
    const QString replie = PliageFrancais::plier(texte.trimmed());
    if (oui.contains(replie))
        return true;
    if (non.contains(replie))
        return false;
    return std::nullopt;
}

Preparation preparer(const Valeurs& v)
{
    Preparation p;
    QStringList& a = p.avertissements;
    const auto valeur = [&](Champ c) -> const QString& { return v[static_cast<std::size_t>(c)]; };
    SaisieFiche& s = p.saisie;
    s.nom = ranger(valeur(Champ::Nom), Champ::Nom, a);
    s.categorie = ranger(valeur(Champ::Categorie), Champ::Categorie, a);
    s.sousCategorie = ranger(valeur(Champ::SousCategorie), Champ::SousCategorie, a);
    s.magazine = ranger(valeur(Champ::Magazine), Champ::Magazine, a);
    s.numero = ranger(valeur(Champ::Numero), Champ::Numero, a);
    s.page = ranger(valeur(Champ::Pages), Champ::Pages, a);
    s.notes = rangerNotes(valeur(Champ::Notes), a);
    // As on the card, no sub-category stays without a category.
    if (s.categorie.isEmpty() && !s.sousCategorie.isEmpty()) {
        a << QStringLiteral("La sous-catégorie « %1 » est laissée de côté : la recette n'a pas de catégorie.")
                 .arg(s.sousCategorie);
        s.sousCategorie.clear();
    }
    const QString& texteTestee = valeur(Champ::Testee);
    const std::optional<bool> t = testee(texteTestee);
    if (!t)
        a << QStringLiteral("La valeur « %1 » du champ « Testée » n'est pas reconnue : la recette est importée comme "
                            "non testée.")
                 .arg(texteTestee);
    p.testee = t.value_or(false) ? 1 : 0;
    return p;
}

} // namespace FicheImportee
