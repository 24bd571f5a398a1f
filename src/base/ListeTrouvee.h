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

// The slot number of a line, read after its last separator, so that a name
// holding "ÿ" itself still gives the right slot. A line without a readable
// number fails with "Incompatibilité de type".
int numeroDeLigne(const QString& ligneTmp);

// The recipe name of a line: everything before its last separator.
QString nomDeLigne(const QString& ligneTmp);

// The found list as the search leaves it: the names it shows and, at the
// same positions, their slots. The card, the index and the list printout
// find the recipe behind line k here. The lines of the hidden list ListTmp
// are made from both when asked: a deletion renumbers 33,000 slots, and
// keeping the lines written would mean writing each of them again.
struct ListeTrouvee {
    QStringList noms;
    std::vector<int> numeros;

    qsizetype taille() const { return noms.size(); }
    // The hidden list's line k ("Tarte aux pommesÿ 12"); empty outside the list.
    QString ListTmp(qsizetype k) const;
    // The slot of line k: "L'indice n'appartient pas à la sélection" outside
    // the list.
    int numero(qsizetype k) const;
    // The line of the recipe in slot `numero`, if it was found.
    std::optional<qsizetype> ligneDe(int numero) const;
    void ajouter(const QString& nom, int numero)
    {
        noms << nom;
        numeros.push_back(numero);
    }
    void vider()
    {
        noms.clear();
        numeros.clear();
    }
};
