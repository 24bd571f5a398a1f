#include "FenetreProgression.h"
#include "FrmSauvegarde.h"

FenetreProgression::FenetreProgression(std::function<QRect()> cadre, std::function<void(bool)> occuper)
    : m_cadre(std::move(cadre)), m_occuper(std::move(occuper))
{}

FenetreProgression::~FenetreProgression() = default;

void FenetreProgression::montrer(const QString& titre, const QString& texte)
{
    const bool nouvelle = !m_fenetre;
    if (nouvelle)
        m_fenetre = std::make_unique<FrmSauvegarde>();
    m_fenetre->preparer(titre, texte);
    if (nouvelle)
        m_fenetre->centrerSur(m_cadre());
    m_fenetre->montrer();
    emit montree(titre, texte, m_fenetre->frameGeometry());
}

void FenetreProgression::avancer(const QString& etape)
{
    if (!m_fenetre)
        return;
    m_fenetre->avancer(etape);
}

void FenetreProgression::fermer()
{
    if (!m_fenetre)
        return;
    m_fenetre->hide();
    m_fenetre.reset();
}
