#pragma once
#include "base/Collation.h"
#include "base/Tables.h"
#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <array>
#include <vector>

struct ListeTrouvee;

// The found list as a table that tells where each recipe is printed: one row
// per line of the found-list pair, its name, magazine, number, pages,
// category, sub-category and whether it was tested, as stored and trimmed.
// It reads the tables through the pair and copies nothing but an order: the
// rows are the pair's lines in the order the user chose by a column, or in
// the pair's own order until then.
class ModeleTrouvees : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Colonne { Nom, Magazine, Numero, Pages, Categorie, SousCategorie, Testee, NbColonnes };

    ModeleTrouvees(const Tables& base, const ListeTrouvee& trouvees, const Collation& collation,
                   QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // A column, or -1 for the found list's own order. Ties keep that order.
    void sort(int colonne, Qt::SortOrder sens = Qt::AscendingOrder) override;

    // The found list was rebuilt: the rows follow it, sorted as chosen.
    // False when the rows and what they show are those shown already: the
    // view is then left as it is.
    bool recharger();

    // The line of the found list a row shows, and the row of a line.
    qsizetype ligne(int rangee) const { return m_ordre.isEmpty() ? rangee : m_ordre[rangee]; }
    int rangee(qsizetype ligne) const;
    // The found list's lines in the order shown.
    QList<qsizetype> ordre() const;
    int colonneTri() const { return m_colonne; }
    Qt::SortOrder sensTri() const { return m_sens; }

    // A cell as shown; the whole row in one line, for a row cut on screen.
    QString texte(int rangee, int colonne) const;
    QString rangeeEntiere(int rangee) const;

    static QString entete(int colonne);

private:
    QString valeur(qsizetype ligne, int colonne) const;
    QString valeurDeSlot(int r, int colonne) const;
    std::vector<int> rangs(int colonne) const;
    std::vector<int> rangsDe(const std::vector<int>& recettes, int colonne) const;
    void trier();

    const Tables& m_base;
    // The ranks of every slot of the base in each column, and the stamps of
    // the tables they were taken from.
    struct RangsDeLaBase {
        std::vector<int> rangs;
        Tables::Etat recettes;
        Tables::EtatNoms noms;
        bool fait = false;
    };
    mutable std::array<RangsDeLaBase, NbColonnes> m_rangsDeLaBase;
    // What the rows shown were taken from.
    std::vector<int> m_numerosCharges;
    Tables::Etat m_recettesChargees;
    Tables::EtatNoms m_nomsCharges;
    const ListeTrouvee& m_trouvees;
    const Collation& m_collation;
    // Both empty while the rows are in the found list's own order, as after
    // each search: a deletion then costs no renumbering of 33,000 rows.
    QList<qsizetype> m_ordre;
    std::vector<int> m_rangees; // by line: its row
    qsizetype m_nbRangees = 0;
    int m_colonne = -1;
    Qt::SortOrder m_sens = Qt::AscendingOrder;
};
