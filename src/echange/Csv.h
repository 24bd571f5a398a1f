#pragma once
#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Spreadsheet text: the export writes it, the import reads it. Records of
// fields, every field quoted on the way out; on the way in, whatever shape a
// spreadsheet or a hand gave the file, read in one pass.
namespace Csv {

inline constexpr QChar SeparateurParDefaut = QLatin1Char(';');

// One record and the physical line where it starts (from 1), for reports.
struct Enregistrement {
    qsizetype ligne = 0;
    QStringList champs;
};

// What the reader gives. When a quoted field is never closed, the reading
// fails: ligneErreur names the line where that field began, erreur says it
// in French, and enregistrements is empty: nothing of such a file is used.
struct Lecture {
    QList<Enregistrement> enregistrements;
    qsizetype ligneErreur = 0; // 0 when the reading went through
    QString erreur;
    bool reussie() const { return ligneErreur == 0; }
};

// Every field in double quotes (a double quote inside doubled, a line break
// inside written as LF alone), fields parted by the separator, CR LF after
// every record, the last one too.
QString ecrire(const QList<QStringList>& enregistrements, QChar separateur = SeparateurParDefaut);

// The same text written field after field, for records that are not lists
// already (a whole base's recipes read from its tables).
class Ecriture {
public:
    explicit Ecriture(QChar separateur = SeparateurParDefaut) : m_separateur(separateur.unicode()) {}
    // `proteger`: guarded as protegerFormule() guards it.
    void champ(QStringView valeur, bool proteger = false);
    void finEnregistrement();
    QString texte() &&;

private:
    char16_t* place(qsizetype n);

    QString m_texte;
    qsizetype m_taille = 0;
    char16_t m_separateur;
    bool m_premier = true;
};

// The text as a spreadsheet opens it without asking: UTF-8 after a BOM.
QByteArray enUtf8AvecBom(const QString& texte);

// Records end at CR LF, LF or a lone CR outside quotes, and a blank line is
// no record. A field starting with a double quote runs to the next lone
// double quote ("" inside is one), line breaks and separators included as
// they stand; what follows the closing quote up to the separator is added to
// it. Any other field is taken as it is. A leading BOM is passed over.
// Meant for ';', ',' or a tab; no separator makes it crash or loop.
Lecture lire(QStringView texte, QChar separateur = SeparateurParDefaut);

// The separator among ';', ',' and tab under which the first record names
// the most known columns; ';' when none does better.
QChar devinerSeparateur(QStringView texte);

enum class Encodage { Utf8, Windows1252 };

// UTF-8 after a BOM or when every byte sequence is valid UTF-8 (no overlong
// form, no surrogate, none cut short at the end); else Windows-1252.
Encodage detecter(const QByteArray& octets);
// The text of the bytes; a leading UTF-8 BOM is not part of it.
QString decoder(const QByteArray& octets, Encodage encodage);
// False for bytes holding a NUL: a binary file, not a spreadsheet's text.
bool estTexte(const QByteArray& octets);

// A value starting with '=', '+', '-', '@' or an apostrophe gets one
// apostrophe in front, so that no spreadsheet runs a cell as a formula.
QString protegerFormule(const QString& valeur);
bool aProteger(QStringView valeur);
// Takes off the one leading apostrophe: retirerProtection(protegerFormule(v))
// is v for every value.
QString retirerProtection(const QString& valeur);

} // namespace Csv
