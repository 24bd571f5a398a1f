#pragma once
#include <QTableView>

class ModeleTrouvees;

// The found list on screen: a read-only table of one row per recipe, its
// columns resized and moved by the user, "Nom" taking what width is left,
// sorted by a click on a header or from its menu (the Menu key). Typing
// letters goes to the first name that starts with them, whatever the column
// the keyboard is in; a row whose cells are cut shows its whole line as its
// tooltip.
class VueRecettes : public QTableView {
    Q_OBJECT
public:
    explicit VueRecettes(QWidget* parent = nullptr);

    void definirModele(ModeleTrouvees* modele);
    ModeleTrouvees* modele() const { return m_modele; }

    // The columns' widths and order and the sort chosen, kept between sessions.
    QByteArray etatColonnes() const;
    // Gives the default view back when the state cannot be used.
    void restaurerColonnes(const QByteArray& etat);

    void keyboardSearch(const QString& recherche) override;

signals:
    // Enter or a double click on a row: the card is where the user goes.
    void rangeeOuverte();

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    bool viewportEvent(QEvent* evenement) override;

private:
    void colonnesParDefaut();
    void menuTri(const QPoint& ou);
    bool coupee(const QModelIndex& index) const;

    ModeleTrouvees* m_modele = nullptr;
};
