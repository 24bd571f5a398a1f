#pragma once
#include <QObject>

class BoutonParDefaut;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The card's seven entry fields: the keys they refuse, the blanks trimmed
// when they are left, and which button Enter presses while the user works on
// the card. Part of the card panel.
class ChampsFiche : public QObject {
    Q_OBJECT
public:
    struct Champs {
        QLineEdit* nom;
        QComboBox* categorie;
        QComboBox* sousCategorie;
        QComboBox* magazine;
        QLineEdit* numero;
        QLineEdit* page;
        QPlainTextEdit* notes;
        QPushButton* valider;
    };
    ChampsFiche(const Champs& champs, BoutonParDefaut& parDefaut, QObject* parent);

    // The notes as the base keeps them (CR LF line breaks), read from the box.
    QString notesPourBase() const;

signals:
    // A field left, its text tidied: the control that was left.
    void quitte(QObject* champ);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QString caracteresRefuses(QObject* champ) const;
    bool refuseSaisie(QObject* champ, QEvent* evenement) const;
    void entree(QObject* champ);
    void sortie(QObject* champ);
    void clic(QObject* champ);
    void validerParDefaut();

    Champs m_c;
    BoutonParDefaut& m_parDefaut;
};
