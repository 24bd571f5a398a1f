#include "MiseEnFormeRtf.h"
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>

namespace {
Qt::Alignment alignementQt(AlignementRtf a)
{
    switch (a) {
    case AlignementRtf::Centre: return Qt::AlignHCenter;
    case AlignementRtf::Droite: return Qt::AlignRight;
    case AlignementRtf::Justifie: return Qt::AlignJustify;
    case AlignementRtf::Gauche: break;
    }
    return Qt::AlignLeft;
}

// Twips to the document's pixels (15 twips a pixel at 96 dpi).
qreal pixels(int twips) { return twips / 15.0; }

QTextBlockFormat blocQt(const ParagrapheRtf& p)
{
    QTextBlockFormat bloc;
    bloc.setAlignment(alignementQt(p.alignement));
    bloc.setTopMargin(pixels(p.espacement.avant));
    bloc.setBottomMargin(pixels(p.espacement.apres));
    bloc.setLeftMargin(pixels(std::max(0, p.espacement.retraitGauche)));
    bloc.setTextIndent(pixels(p.espacement.retraitPremiere));
    // A hanging first line (a bullet, then a tab) reaches the text at the left indent.
    if (p.espacement.retraitPremiere < 0)
        bloc.setTabPositions({QTextOption::Tab(pixels(-p.espacement.retraitPremiere), QTextOption::LeftTab)});
    return bloc;
}

QTextCharFormat formatQt(const PassageRtf& p)
{
    QTextCharFormat f;
    f.setFontWeight(p.gras ? QFont::Bold : QFont::Normal);
    f.setFontItalic(p.italique);
    f.setFontUnderline(p.souligne);
    f.setFontPointSize(p.demiPoints / 2.0);
    return f;
}
} // namespace

namespace MiseEnFormeRtf {

void remplir(QTextDocument& document, const DocumentRtf& rtf)
{
    document.clear();
    QTextCursor curseur(&document);
    curseur.beginEditBlock();
    bool premier = true;
    for (const ParagrapheRtf& paragraphe : rtf.paragraphes) {
        const QTextBlockFormat bloc = blocQt(paragraphe);
        if (premier)
            curseur.setBlockFormat(bloc);
        else
            curseur.insertBlock(bloc);
        premier = false;
        for (const PassageRtf& passage : paragraphe.passages)
            curseur.insertText(passage.texte, formatQt(passage));
    }
    curseur.endEditBlock();
}

} // namespace MiseEnFormeRtf
