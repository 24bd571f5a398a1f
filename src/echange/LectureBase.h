#pragma once
#include <QString>

struct Tables;
class PolitiqueErreurs;

// Another base file read as it stands, whatever its layout: the current one
// with the reading rules of the base file, an older one converted in memory
// only. Nothing is ever written, neither over the file nor beside it (no
// "-OLD" copy, no report, no ".bak").
namespace LectureBase {

struct Resultat {
    bool lue = false;
    bool ancienne = false; // an older layout, converted in memory only
    QString refus;         // why it was not read, a sentence naming the file
};

// Reads the base at `chemin` into `t`, which it empties first. A base that
// could be read only in part is refused: nothing of it is used, and `t`
// holds no recipe.
Resultat lire(const QString& chemin, Tables& t, PolitiqueErreurs& politique);

// « /chemin/du/fichier », as the boxes name a file.
QString nomAffiche(const QString& chemin);

} // namespace LectureBase
