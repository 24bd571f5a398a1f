#pragma once
#include <QFont>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class QPainter;
class QPaintDevice;

// The glyphs of the texts printed in one font, shaped once for each word:
// a PDF engine writes each glyph at its place whatever call drew it, so a
// line is painted from the glyphs of its words (with the ligatures and the
// kerning Qt gives inside a word) without being shaped again. A word is a
// run of characters other than blanks, with the blanks that follow it.
class GlyphesPolice {
public:
    GlyphesPolice(const QFont& police, QPaintDevice* appareil);

    // Where the glyphs of consecutive texts gather before they are drawn at
    // once (one font, the same decorations).
    struct Lot {
        const QRawFont* police = nullptr;
        bool souligne = false;
        QList<quint32> glyphes;
        QList<QPointF> positions;
        void peindre(QPainter& peintre);
    };

    // Adds the glyphs of the text, its baseline starting at `origine`, to
    // the lot, painting the lot first when it holds another font; false when
    // the text needs QPainter's own layout (characters outside the scripts
    // written left to right, a control character, a word that mixes fonts):
    // nothing is added then.
    bool ajouter(const QString& texte, QPointF origine, QPainter& peintre, Lot& lot);

private:
    struct Forme {
        const QRawFont* police = nullptr; // nothing: the word is left to QPainter
        QList<quint32> glyphes;
        QList<QPointF> positions; // from the start of the word on its baseline
        qreal largeur = 0;
    };
    const Forme& forme(QStringView mot);
    Forme former(const QString& mot);
    static bool simple(QStringView texte);

    QFont m_police;
    QPaintDevice* m_appareil;
    // The fonts the words came in (the font itself, or those Qt falls back
    // on), each kept at one address.
    std::vector<std::unique_ptr<QRawFont>> m_brutes;
    // Looked up by the word's characters where the text holds them; its
    // elements stay in place as it grows.
    struct Hachage {
        using is_transparent = void;
        std::size_t operator()(QStringView mot) const { return qHash(mot); }
    };
    std::unordered_map<QString, Forme, Hachage, std::equal_to<>> m_formes;
};
