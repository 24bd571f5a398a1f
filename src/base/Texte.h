#pragma once
#include <QString>
#include <QStringView>

// The small text rules that every part of the program shares.
namespace Texte {

// Without the blanks (the space character only) at either end; tabs and line
// breaks are kept. This is what "trimmed" always means in the program.
QString sansBlancs(const QString& texte);

// True when the text holds nothing but blanks (or nothing at all).
bool queDesBlancs(QStringView texte);

} // namespace Texte
