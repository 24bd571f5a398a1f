#pragma once
#include <QString>

// The "all" entries of the search lists, which sort before every name and so
// are always first; the index file tells them apart from a chosen name.
namespace EntreesTout {
inline const QString Toutes = QStringLiteral(" --> TOUTES"); // categories, sub-categories
inline const QString Tous = QStringLiteral(" --> TOUS");     // magazines
} // namespace EntreesTout
