#include "Fermeture.h"
#include "Reglages.h"
#include "base/EtatProgramme.h"
#include <QWidget>

namespace {
constexpr Qt::WindowStates HorsEtatNormal = Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen;
}

Fermeture::Fermeture(QWidget& fenetre, EtatProgramme& etat, std::function<double()> dpi)
    : m_fenetre(fenetre), m_etat(etat), m_dpi(std::move(dpi))
{}

QRect Fermeture::cadreNormal() const
{
    // A maximised or minimised window reports the rectangle it will take
    // back; the frame's margins are those of the window now.
    const QRect g = m_fenetre.geometry();
    const QRect cadre = m_fenetre.frameGeometry();
    QRect normal = g;
    if ((m_fenetre.windowState() & HorsEtatNormal) && m_fenetre.normalGeometry().isValid())
        normal = m_fenetre.normalGeometry();
    return normal.adjusted(cadre.left() - g.left(), cadre.top() - g.top(), cadre.right() - g.right(),
                           cadre.bottom() - g.bottom());
}

void Fermeture::memoriserPositionNormale()
{
    const QRect normal = cadreNormal();
    if (m_fenetre.windowState() & HorsEtatNormal)
        m_fenetre.setWindowState(m_fenetre.windowState() & ~HorsEtatNormal);
    const double d = m_dpi();
    m_etat.FenHaut = static_cast<float>(Reglages::pixelsVersTwips(normal.top(), d));
    m_etat.FenGauche = static_cast<float>(Reglages::pixelsVersTwips(normal.left(), d));
}

void Fermeture::FrmPrincipal_Unload()
{
    const QRect normal = cadreNormal();
    memoriserPositionNormale();
    const double d = m_dpi();
    m_etat.FermetureEnCours = true;
    m_etat.FenHauteur = static_cast<int>(Reglages::pixelsVersTwips(normal.height(), d));
    m_etat.FenLargeur = static_cast<int>(Reglages::pixelsVersTwips(normal.width(), d));
    m_fenetre.hide();
}
