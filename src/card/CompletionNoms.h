#pragma once
#include <QCompleter>

class QComboBox;

// What is typed in a name box of the card (category, sub-category,
// magazine) is completed from the box's own list, whatever the case and the
// accents: a popup of the names that start with it. Choosing one fills the
// box as choosing it from the list does; the typed text itself is never
// changed behind the user's back.
class CompletionNoms : public QCompleter {
    Q_OBJECT
public:
    explicit CompletionNoms(QComboBox* liste);

    // The role that holds each entry's folded name, which the completion
    // compares with the folded text typed.
    static constexpr int RoleNomPlie = Qt::UserRole + 1;
    // Fills the box's list, each name with its folded form.
    static void remplir(QComboBox* liste, const QStringList& noms);

    QStringList splitPath(const QString& chemin) const override;
    QString pathFromIndex(const QModelIndex& index) const override;
};
