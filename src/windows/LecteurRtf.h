#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

// The rich text of the help file as paragraphs of formatted passages. It holds
// only what the help window shows: bold, italic, underline, size and the
// paragraph's alignment. Line breaks inside a paragraph are
// QChar::LineSeparator, tabs are '\t'.
struct PassageRtf {
    QString texte;
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    int demiPoints = 24; // the size in half-points, as RTF writes it (24 = 12 pt)

    bool memeFormat(const PassageRtf& autre) const
    {
        return gras == autre.gras && italique == autre.italique && souligne == autre.souligne
            && demiPoints == autre.demiPoints;
    }
};

enum class AlignementRtf { Gauche, Centre, Droite, Justifie };

// Spacing and indents in twips (1/1440 inch), as RTF writes them.
struct EspacementRtf {
    int avant = 0;           // \sb
    int apres = 0;           // \sa
    int retraitGauche = 0;   // \li
    int retraitPremiere = 0; // \fi, relative to the left indent
    bool operator==(const EspacementRtf&) const = default;
};

struct ParagrapheRtf {
    AlignementRtf alignement = AlignementRtf::Gauche;
    EspacementRtf espacement;
    QList<PassageRtf> passages;

    QString texte() const;
};

struct DocumentRtf {
    QList<ParagrapheRtf> paragraphes;

    // The whole text, paragraphs joined by '\n' (for tests and searching).
    QString texte() const;
};

// Reads RTF as word processors write it (WordPad, Word, LibreOffice) into a
// DocumentRtf. Only the formatting above is kept; everything else (fonts,
// colours, styles, pictures, headers, document information) is skipped.
// Escaped bytes are Windows-1252. Any input gives a result: unbalanced braces,
// cut escapes, huge numbers and deep nesting are tolerated, never a crash or a
// hang. A file that is not RTF at all is taken as plain Windows-1252 text.
namespace LecteurRtf {

bool estRtf(const QByteArray& octets);
DocumentRtf lire(const QByteArray& octets);

// The deepest group nesting followed; deeper groups share the state of the
// group at this depth.
inline constexpr int ProfondeurMax = 256;

} // namespace LecteurRtf
