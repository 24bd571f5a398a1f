#pragma once
#include <QString>

// The product's name and version as the program shows and prints it: the
// window title, the About window, the printouts, the index and the reports.
namespace Produit {
inline const QString Version = QStringLiteral("Zuta! v1.2b");
} // namespace Produit
