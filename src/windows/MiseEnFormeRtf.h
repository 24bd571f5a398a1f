#pragma once
#include "LecteurRtf.h"

class QTextDocument;

// Lays a read rich text into a QTextDocument for the help window: one block
// per paragraph with its alignment, one character format per passage.
namespace MiseEnFormeRtf {

void remplir(QTextDocument& document, const DocumentRtf& rtf);

} // namespace MiseEnFormeRtf
