#pragma once
#include <QPointer>
#include <QPushButton>

// The button Enter presses in a window that is not a dialog: the search's
// "Actualiser" or the card's "Valider", as the user's last move decides, or
// none while the notes take Enter for their new lines.
class BoutonParDefaut {
public:
    void definir(QPushButton* bouton)
    {
        if (m_bouton)
            m_bouton->setDefault(false);
        m_bouton = bouton;
        if (bouton)
            bouton->setDefault(true);
    }
    QPushButton* bouton() const { return m_bouton; }

    // Presses it, when it can be pressed; true when it was.
    bool presser() const
    {
        if (!m_bouton || !m_bouton->isEnabled() || !m_bouton->isVisible())
            return false;
        m_bouton->click();
        return true;
    }

private:
    QPointer<QPushButton> m_bouton;
};
