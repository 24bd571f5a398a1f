#pragma once
#include <QString>

// Whether a kept copy still equals the base's text. The search compares
// every recipe's kept texts with the base's on each refresh: when both hold
// the very same characters the answer is immediate, and an equal copy of
// its own (after a base is read again) is replaced by the base's text so
// that the next comparison is immediate too.
inline bool memeTexte(QString& garde, const QString& texte)
{
    if (garde.constData() == texte.constData() && garde.size() == texte.size())
        return true;
    if (garde != texte)
        return false;
    garde = texte;
    return true;
}
