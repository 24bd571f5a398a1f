#pragma once
#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The lines of the hidden found list ListTmp: the recipe name, the separator
// "ÿ", a blank and the slot number. The card, the index and the printouts
// find the recipe behind a line of the found list through these functions.

// The separator between the name and the slot number (code 255).
inline constexpr QChar SeparateurListeTrouvee = QChar(0xFF);

// "Tarte aux pommesÿ 12" for slot 12.
QString ligneTrouvee(const QString& nom, int numero);

// Makes 'ligne', the line of a recipe named 'nom', the line of slot 'numero'.
void renumeroterLigne(QString& ligne, const QString& nom, int numero);

// The slot number of a line, read after its last separator, so that a name
// holding "ÿ" itself still gives the right slot. A line without a readable
// number fails with "Incompatibilité de type".
int numeroDeLigne(const QString& ligneTmp);

// The recipe name of a line: everything before its last separator.
QString nomDeLigne(const QString& ligneTmp);

// The found-list pair as the search leaves it: the hidden list ListTmp and,
// at the same positions, the names the found list shows. The card, the index
// and the list printout find the recipe behind line k here.
struct ListeTrouvee {
    QStringList ListTmp;
    QStringList noms;
    // The slot each line ends with, kept beside the lines by the search so
    // that a table of 33,000 rows is sorted without reading them again. A
    // pair filled without it is read from its lines.
    std::vector<int> numeros;

    // The slot of line k: "L'indice n'appartient pas à la sélection" outside
    // the list, "Incompatibilité de type" for a line without a number.
    int numero(qsizetype k) const;
    // The line of the recipe in slot `numero`, if it was found.
    std::optional<qsizetype> ligneDe(int numero) const;
    void vider()
    {
        ListTmp.clear();
        noms.clear();
        numeros.clear();
    }
};
