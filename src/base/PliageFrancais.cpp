#include "PliageFrancais.h"
#include "Codec.h"
#include <QByteArray>
#include <QList>
#include <algorithm>
#include <array>
#include <vector>

namespace {

// A character as the keyboard types it: œ, æ and ß written out,
// typographic apostrophes and non-breaking spaces plain.
QString auClavier(char32_t c)
{
    switch (c) {
    case U'œ': return QStringLiteral("oe");
    case U'æ': return QStringLiteral("ae");
    case U'ß': return QStringLiteral("ss");
    case U'\u2018':
    case U'\u2019': return QStringLiteral("'");
    case U'\u00A0':
    case U'\u202F': return QStringLiteral(" ");
    default: return QString::fromUcs4(&c, 1);
    }
}

QString plierCaractere(char32_t c)
{
    // What is left once the marks go is folded again: "İ" leaves "I", "ǣ" leaves "æ".
    QString resultat;
    for (const char32_t d : QString::fromUcs4(&c, 1).toCaseFolded().toUcs4())
        for (const char32_t lettre : QString::fromUcs4(&d, 1).normalized(QString::NormalizationForm_D).toUcs4())
            if (!QChar::isMark(lettre))
                for (const char32_t e : QString::fromUcs4(&lettre, 1).toCaseFolded().toUcs4())
                    resultat += auClavier(e);
    return resultat;
}

// The folding of one character of the table: never more than two.
struct Pli {
    std::array<char16_t, 2> c{};
    char16_t n = 0;
};

Pli pli(char16_t c)
{
    const QString plie = plierCaractere(c);
    Q_ASSERT(plie.size() <= 2);
    Pli p;
    p.n = static_cast<char16_t>(std::min<qsizetype>(plie.size(), 2));
    std::copy_n(plie.utf16(), p.n, p.c.begin());
    return p;
}

// Every character the base can hold, folded once: Latin-1 (whose control
// characters stand for the bytes Windows-1252 leaves undefined) and the
// rest of Windows-1252, sorted.
struct TablePliage {
    std::array<Pli, 256> latin1;
    std::vector<std::pair<char16_t, Pli>> autres;

    const Pli* trouver(char16_t c) const
    {
        if (c < 256)
            return &latin1[c];
        const auto it = std::lower_bound(autres.begin(), autres.end(), c,
                                         [](const auto& entree, char16_t cle) { return entree.first < cle; });
        return it != autres.end() && it->first == c ? &it->second : nullptr;
    }
};

const TablePliage& table()
{
    static const TablePliage t = [] {
        TablePliage t;
        for (char16_t c = 0; c < 256; ++c)
            t.latin1[c] = pli(c);
        QByteArray octets;
        for (int o = 0x80; o < 0xA0; ++o)
            octets += static_cast<char>(o);
        for (const QChar c : Codec::decoder(octets))
            if (c.unicode() >= 256)
                t.autres.emplace_back(c.unicode(), pli(c.unicode()));
        std::sort(t.autres.begin(), t.autres.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        return t;
    }();
    return t;
}

} // namespace

namespace PliageFrancais {

QString plier(QStringView texte)
{
    const TablePliage& t = table();
    // Two characters at most for each one of the table; any other grows it.
    QString resultat(2 * texte.size(), Qt::Uninitialized);
    qsizetype n = 0;
    const auto ajouter = [&](const QString& pli, qsizetype suivant) {
        const qsizetype requis = n + pli.size() + 2 * (texte.size() - suivant);
        if (requis > resultat.size())
            resultat.resize(requis);
        std::copy_n(pli.utf16(), pli.size(), reinterpret_cast<char16_t*>(resultat.data()) + n);
        n += pli.size();
    };
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t c = texte[i].unicode();
        if (const Pli* p = t.trouver(c)) {
            char16_t* sortie = reinterpret_cast<char16_t*>(resultat.data()) + n;
            sortie[0] = p->c[0];
            sortie[1] = p->c[1];
            n += p->n;
        } else if (QChar::isHighSurrogate(c) && i + 1 < texte.size() && texte[i + 1].isLowSurrogate()) {
            ++i;
            ajouter(plierCaractere(QChar::surrogateToUcs4(c, texte[i].unicode())), i + 1);
        } else {
            // A surrogate alone folds to itself.
            ajouter(QChar::isSurrogate(c) ? QString(QChar(c)) : plierCaractere(c), i + 1);
        }
    }
    resultat.truncate(n);
    return resultat;
}

} // namespace PliageFrancais
