#pragma once
#include <QObject>

class Programme;
class QWidget;

// The card's seven entry fields: the keys they refuse, the blanks trimmed
// when they are left, the card buffer kept up to date, and which button Enter
// presses while the user works on the card.
class ChampsFiche : public QObject {
    Q_OBJECT
public:
    ChampsFiche(Programme& p, QObject* parent);
    void brancher();

    void ComboRecettCat_LostFocus();
    void TextRecettNom_LostFocus();
    void TextRecettNumero_LostFocus();
    void TextRecettPage_LostFocus();
    void TextRecettComment_LostFocus();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QString caracteresRefuses(QObject* champ) const;
    bool refuseSaisie(QObject* champ, QEvent* evenement) const;
    void entree(QObject* champ);
    void sortie(QObject* champ);
    void clic(QObject* champ);
    void validerParDefaut();

    Programme& p;
};
