#include "MiseEnFormeRtf.h"
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

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
        QTextBlockFormat bloc;
        bloc.setAlignment(alignementQt(paragraphe.alignement));
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
