#pragma once
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

// The header line of a spreadsheet: which column holds which field of a
// recipe. Headers are matched ignoring case, accents, blanks and the marks
// - _ . ' so that "Sous-catégorie", "SOUS CATEGORIE" and "sous_categorie"
// are one name.
namespace EnteteCsv {

enum class Champ { Nom, Categorie, SousCategorie, Magazine, Numero, Pages, Notes, Testee };
inline constexpr int NombreChamps = 8;

struct Colonnes {
    std::array<int, NombreChamps> indices{-1, -1, -1, -1, -1, -1, -1, -1};
    // The headers left aside, as written in the file: unknown names, and a
    // field named a second time (the first column wins).
    QStringList ignorees;

    int colonne(Champ c) const { return indices[static_cast<std::size_t>(c)]; }
    // The import needs the name of every recipe; every other field may lack.
    bool nomTrouve() const { return colonne(Champ::Nom) >= 0; }
    // How many of the fields have a column.
    int reconnues() const;
};

// The header the export writes for a field, which also names it in the
// import's warnings: "Nom", "Catégorie", "Sous-catégorie", "Magazine", "N°",
// "Pages", "Notes", "Testée".
QString nom(Champ c);

// The field a header names, by its usual names ("Recette", "N°", "Revue"...).
std::optional<Champ> champ(QStringView entete);

Colonnes reconnaitre(const QStringList& entetes);

} // namespace EnteteCsv
