#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Every file the program reads or writes is Windows-1252 with CR LF line ends.
// These helpers are the only place where bytes become text and back.
namespace Codec {

QString decoder(QByteArrayView octets);
// The same into `sortie`, which has room for one character per byte.
void decoderDans(QByteArrayView octets, char16_t* sortie);

// True when every character of the text has a Windows-1252 byte.
bool representable(const QString& texte);
// The first character of the text that has no Windows-1252 byte, or a null
// QChar when there is none.
QChar premierNonRepresentable(const QString& texte);

// Encodes the text. A character without a Windows-1252 byte becomes "?" and
// sets *remplace, so that it never reaches a file as a stray byte.
QByteArray encoder(const QString& texte, bool* remplace = nullptr);
// The same into `sortie`, which has room for one byte per character of the
// text; true when some character became "?".
bool encoderDans(QStringView texte, char* sortie);

// What the user is told when a file was written with some characters as "?":
// "Certains caractères ne peuvent pas être enregistrés dans le fichier « ... »
// : ils y sont remplacés par « ? »."
QString avisRemplacement(const QString& chemin);

} // namespace Codec
