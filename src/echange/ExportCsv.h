#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct ListeTrouvee;
struct Tables;
class Collation;

// The recipes as a spreadsheet gets them: the header line, then one row per
// recipe with its values as stored and "oui" or "non" for tested; UTF-8 with
// a BOM, every field quoted and guarded against formulas.
namespace ExportCsv {

// "Nom", "Catégorie", "Sous-catégorie", "Magazine", "N°", "Pages", "Notes",
// "Testée".
QStringList entete();

// The row of the recipe in slot r.
QStringList ligne(const Tables& t, int r);

// The slots of the found list's lines, in the order given as line indexes
// (the order the list is shown in); an empty order is the list's own.
QList<int> recettesTrouvees(const ListeTrouvee& trouvees, const QList<qsizetype>& ordre = {});

// Every recipe of the base by name, in the order of every sorted list, and
// recipes of the same name by their other columns: an order that depends on
// what the recipes hold, never on their slots.
QList<int> toutesLesRecettes(const Tables& t, const Collation& collation);

// The file's bytes: the header line and the rows.
QByteArray fichier(const QStringList& entete, const QList<QStringList>& lignes);

// "12 recettes exportées dans le fichier « /chemin/recettes.csv »."
QString compteRendu(qsizetype recettes, const QString& chemin);

// Writes the recipes of these slots at `chemin` through the safe write. A
// failure raises ErreurExecution and leaves any older file whole.
void ecrire(const QString& chemin, const Tables& t, const QList<int>& recettes);

} // namespace ExportCsv
