#include "Fermeture.h"
#include "Programme.h"
#include "Reglages.h"
#include <QCoreApplication>

Fermeture::Fermeture(Programme& p) : finProgramme([] { QCoreApplication::quit(); }), p(p) {}

QRect Fermeture::cadreNormal() const
{
    // A maximised or minimised window reports the rectangle it will take
    // back; the frame's margins are those of the window now.
    const FrmPrincipal& f = *p.fen;
    const QRect g = f.geometry();
    const QRect cadre = f.frameGeometry();
    QRect normal = g;
    if (f.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) {
        if (f.normalGeometry().isValid())
            normal = f.normalGeometry();
    }
    return normal.adjusted(cadre.left() - g.left(), cadre.top() - g.top(), cadre.right() - g.right(),
                           cadre.bottom() - g.bottom());
}

void Fermeture::memoriserPositionNormale()
{
    const QRect normal = cadreNormal();
    if (p.fen->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        p.fen->setWindowState(p.fen->windowState()
                              & ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    const double d = p.dpiEcran();
    p.etat.FenHaut = static_cast<float>(Reglages::pixelsVersTwips(normal.top(), d));
    p.etat.FenGauche = static_cast<float>(Reglages::pixelsVersTwips(normal.left(), d));
}

void Fermeture::FrmPrincipal_Unload()
{
    if (p.etat.FermetureEnCours)
        return;
    const QRect normal = cadreNormal();
    memoriserPositionNormale();
    const double d = p.dpiEcran();
    p.etat.FermetureEnCours = true;
    p.etat.FenHauteur = static_cast<int>(Reglages::pixelsVersTwips(normal.height(), d));
    p.etat.FenLargeur = static_cast<int>(Reglages::pixelsVersTwips(normal.width(), d));
    p.fen->hide();
    TerminerProgramme();
}

void Fermeture::TerminerProgramme()
{
    if (p.bases.DemanderSauvegarde())
        p.bases.SauverBase();
    // The settings are written whatever the answer.
    p.EcrireIni();
    finProgramme();
}
