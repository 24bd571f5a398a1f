#pragma once
#include "EnteteCsv.h"
#include "base/ControleFiche.h"
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// One row of a spreadsheet, or one recipe of another base, made the card it
// would be if the user typed it and validated: the characters the card's keys
// refuse treated as the card treats them, blanks trimmed, the characters the
// base cannot hold made "?". Every change the card would not have made
// silently is told as a warning.
namespace FicheImportee {

// A row's values, by EnteteCsv::Champ: the texts as the file holds them.
using Valeurs = std::array<QString, EnteteCsv::NombreChamps>;

struct Preparation {
    // As a validation reads the card: trimmed, not yet normalised (the
    // validation's find-or-add of the names does that).
    SaisieFiche saisie;
    int testee = 0;
    QStringList avertissements;
};

Preparation preparer(const Valeurs& valeurs);

// "oui", "x", "1", "vrai", "yes", "true" and "testée" are tested; an empty
// text, "non", "0", "faux", "no" and "false" are not; case, accents and
// blanks at either end do not count. Nothing for any other text.
std::optional<bool> testee(const QString& texte);

} // namespace FicheImportee
