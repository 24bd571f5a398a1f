#pragma once
#include <QString>
#include <QStringView>

// What a French user does not type, folded away so that texts compare as
// typed: case, accents and the cedilla, œ and æ (as oe and ae), ß (as ss),
// typographic apostrophes (as ') and non-breaking spaces (as a blank). The
// search, the import of spreadsheets and the card's completion share it.
namespace PliageFrancais {

// Each character folds to a fixed string whatever surrounds it, so that the
// folding of a piece of a text is a piece of the folded text. The case is
// folded first, as QString::toCaseFolded does, and each character of the
// result then loses its marks (canonical decomposition, marks dropped).
QString plier(QStringView texte);

} // namespace PliageFrancais
