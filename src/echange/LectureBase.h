#pragma once
#include <QByteArray>
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
// could not be read whole is refused: nothing of it is used, and `t`
// holds no recipe.
Resultat lire(const QString& chemin, Tables& t, PolitiqueErreurs& politique);

// « /chemin/du/fichier », as the boxes name a file.
QString nomAffiche(const QString& chemin);

// A whole file of at most tailleMax bytes, or the sentence that says why it
// is not read: missing, no regular file or too large (refused before
// anything is read, without waiting on a pipe or a device), unreadable.
struct Fichier {
    QByteArray octets;
    QString refus;
};
Fichier lireFichier(const QString& chemin, qint64 tailleMax);

} // namespace LectureBase
