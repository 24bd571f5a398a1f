#include "ImpressionQtGlyphes.h"
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <QVarLengthArray>
#include <algorithm>

GlyphesPolice::GlyphesPolice(const QFont& police, QPaintDevice* appareil) : m_police(police), m_appareil(appareil) {}

void GlyphesPolice::Lot::peindre(QPainter& peintre)
{
    if (glyphes.isEmpty())
        return;
    QGlyphRun suite;
    suite.setRawFont(*police);
    suite.setGlyphIndexes(glyphes);
    suite.setPositions(positions);
    suite.setUnderline(souligne);
    peintre.drawGlyphRun(QPointF(0, 0), suite);
    glyphes.clear();
    positions.clear();
}

bool GlyphesPolice::ajouter(const QString& texte, QPointF origine, QPainter& peintre, Lot& lot)
{
    // Every word is shaped before anything is added: a text is drawn whole
    // one way or the other.
    QVarLengthArray<const Forme*, 32> formes;
    const qsizetype n = texte.size();
    for (qsizetype debut = 0; debut < n;) {
        qsizetype fin = debut;
        while (fin < n && texte[fin] != u' ')
            ++fin;
        while (fin < n && texte[fin] == u' ')
            ++fin;
        const Forme& f = forme(QStringView(texte).sliced(debut, fin - debut));
        if (!f.police)
            return false;
        formes.append(&f);
        debut = fin;
    }
    const bool souligne = m_police.underline();
    qreal x = origine.x();
    for (const Forme* f : formes) {
        if (lot.police != f->police || lot.souligne != souligne) {
            lot.peindre(peintre);
            lot.police = f->police;
            lot.souligne = souligne;
        }
        lot.glyphes.append(f->glyphes);
        // Each glyph on a whole dot of the printer (a 1200th of an inch):
        // the engine writes a shorter number for it, and has less to compress.
        for (const QPointF& p : f->positions)
            lot.positions.append(QPointF(qRound(x + p.x()), qRound(origine.y() + p.y())));
        x += f->largeur;
    }
    // An underline goes under one line: the lot is not carried on to the next.
    if (souligne)
        lot.peindre(peintre);
    return true;
}

const GlyphesPolice::Forme& GlyphesPolice::forme(QStringView mot)
{
    const auto trouvee = m_formes.find(mot);
    if (trouvee != m_formes.end())
        return trouvee->second;
    const QString cle = mot.toString();
    return m_formes.emplace(cle, former(cle)).first->second;
}

// Latin, Greek and Cyrillic, their accents and the usual punctuation and
// symbols: scripts written left to right, which no line needs to reorder.
bool GlyphesPolice::simple(QStringView texte)
{
    for (const QChar c : texte) {
        const char16_t u = c.unicode();
        const bool controle = u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0xAD;
        const bool invisible =
            (u >= 0x200B && u < 0x2010) || (u >= 0x2028 && u < 0x202F) || (u >= 0x2060 && u < 0x2070);
        const bool gauche = u < 0x0590 || (u >= 0x1E00 && u < 0x2C00) || (u >= 0xFB00 && u < 0xFB07);
        if (controle || invisible || !gauche)
            return false;
    }
    return true;
}

GlyphesPolice::Forme GlyphesPolice::former(const QString& mot)
{
    Forme f;
    if (!simple(mot))
        return f;
    QTextLayout mise(mot, m_police, m_appareil);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    mise.setTextOption(option);
    mise.beginLayout();
    const QTextLine ligne = mise.createLine();
    mise.endLayout();
    const QList<QGlyphRun> suites = mise.glyphRuns();
    // One run, of the font or of the one Qt falls back on for the word's
    // characters; a word mixing both is left to QPainter.
    if (suites.size() != 1 || !ligne.isValid())
        return f;
    const QRawFont brute = suites.front().rawFont();
    const QList<quint32> glyphes = suites.front().glyphIndexes();
    const QList<QPointF> positions = suites.front().positions();
    if (glyphes.size() != positions.size())
        return f;
    auto connue = std::find_if(m_brutes.cbegin(), m_brutes.cend(), [&](const auto& b) { return *b == brute; });
    if (connue == m_brutes.cend())
        connue = m_brutes.insert(connue, std::make_unique<QRawFont>(brute));
    f.police = connue->get();
    // A blank is the gap it leaves, as PDF writers do: its glyph would show
    // nothing, and a reader finds the words by their gaps.
    const QList<quint32> blanc = brute.glyphIndexesForString(QStringLiteral(" "));
    const qreal ligneDeBase = ligne.y() + ligne.ascent();
    for (qsizetype i = 0; i < glyphes.size(); ++i) {
        if (blanc.size() == 1 && glyphes[i] == blanc.front())
            continue;
        f.glyphes.append(glyphes[i]);
        f.positions.append(positions[i] - QPointF(0, ligneDeBase));
    }
    f.largeur = ligne.horizontalAdvance();
    return f;
}
