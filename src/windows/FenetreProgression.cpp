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
    if (nouvelle && m_annulable)
        m_fenetre->proposerAnnulation();
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
    emit avancee(etape);
}

bool FenetreProgression::annulee() const { return m_fenetre && m_fenetre->annulee(); }

void FenetreProgression::fermer()
{
    m_annulable = false;
    if (!m_fenetre)
        return;
    m_fenetre->hide();
    m_fenetre.reset();
}
