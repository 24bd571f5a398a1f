#pragma once
#include <QByteArray>
#include <QString>

// An internet shortcut file (".url"): an "[InternetShortcut]" section with a
// "URL=" line. Linux desktops do not open such files in a browser, so the
// program reads the address and opens that.
namespace RaccourciInternet {

// The address of the "URL=" line of the "[InternetShortcut]" section, or an
// empty text when there is none.
QString adresse(const QByteArray& contenu);

// Only web and mail addresses are opened from a shortcut: a shortcut naming a
// local file or program is not followed.
bool adresseSure(const QString& adresse);

} // namespace RaccourciInternet
