#include "CompletionNoms.h"
#include "base/PliageFrancais.h"
#include <QAbstractItemView>
#include <QComboBox>

CompletionNoms::CompletionNoms(QComboBox* liste) : QCompleter(liste)
{
    setModel(liste->model());
    setCompletionRole(RoleNomPlie);
    setCompletionMode(QCompleter::PopupCompletion);
    setCaseSensitivity(Qt::CaseSensitive); // both sides are folded already
    setFilterMode(Qt::MatchStartsWith);
    liste->setCompleter(this);
    connect(this, qOverload<const QString&>(&QCompleter::activated), liste, [liste](const QString& nom) {
        const int position = liste->findText(nom, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (position >= 0)
            liste->setCurrentIndex(position);
    });
}

void CompletionNoms::remplir(QComboBox* liste, const QStringList& noms)
{
    liste->clear();
    liste->addItems(noms);
    for (int i = 0; i < liste->count(); ++i)
        liste->setItemData(i, PliageFrancais::plier(liste->itemText(i)), RoleNomPlie);
}

QStringList CompletionNoms::splitPath(const QString& chemin) const { return {PliageFrancais::plier(chemin)}; }

QString CompletionNoms::pathFromIndex(const QModelIndex& index) const { return index.data(Qt::DisplayRole).toString(); }
