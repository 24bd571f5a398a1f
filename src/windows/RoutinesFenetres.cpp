#include "RoutinesFenetres.h"
#include "FrmAide.h"
#include "FrmApropos.h"
#include "ImagesApropos.h"
#include "LecteurRtf.h"
#include "MiseEnFormeRtf.h"
#include "RaccourciInternet.h"
#include "base/EtatProgramme.h"
#include "base/Fichiers.h"
#include "platform/Controles.h"
#include "platform/ErreurExecution.h"
#include "platform/FiltreClic.h"
#include "platform/Plateforme.h"
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVariant>

const QString RoutinesFenetres::NomAide = QStringLiteral("Zuta.rtf");
const QString RoutinesFenetres::NomRaccourci = QStringLiteral("Tavernix.url");

namespace {
// The per-control storage that stands for the tag of the original controls.
const char* const Tag = "Tag";

void centrerSur(QWidget& fenetre, const QWidget& principale)
{
    // A window gets its frame only once shown: take the main window's frame
    // margins for it, so that the frames are centred on each other.
    const QRect cadre = principale.frameGeometry();
    const QSize taille = fenetre.size() + (cadre.size() - principale.size());
    fenetre.move(cadre.x() + (cadre.width() - taille.width()) / 2, cadre.y() + (cadre.height() - taille.height()) / 2);
}

// A file shipped beside the program (the help, the web shortcut): its bytes,
// or why it cannot be had, in words that follow its name in a box.
struct FichierAnnexe {
    QByteArray octets;
    QString probleme;
};

FichierAnnexe lireAnnexe(const QString& chemin, qint64 borne)
{
    const Fichiers::Examen examen = Fichiers::examiner(chemin, borne);
    if (examen.absent())
        return {{}, QStringLiteral("est introuvable")};
    if (examen.refuse())
        return {{}, Fichiers::pourquoiRefuse(examen)};
    try {
        return {Fichiers::lire(chemin, borne), {}};
    } catch (const ErreurExecution&) {
        return {{}, QStringLiteral("ne peut pas être lu")};
    }
}

} // namespace

RoutinesFenetres::RoutinesFenetres(EtatProgramme& etat, Plateforme& plateforme, QWidget& principale,
                                   ImagesApropos& images)
    : m_etat(etat), m_plateforme(plateforme), m_principale(principale)
{
    connect(&images, &ImagesApropos::aproposDemande, this, &RoutinesFenetres::afficherApropos);
}

// Each control keeps its design tooltip either as its tooltip (shown) or in
// its tag (hidden), and each call swaps the two. A plain swap would let the
// tooltips drift from the option whenever the settings are read again (after
// loading or creating a base the start-up reads them anew and calls this once
// more): so the swap is made only on controls whose state differs from what
// OptionInfoBulles asks. A control without a tooltip ends unchanged, and
// nothing here reports an error.
void RoutinesFenetres::BasculerInfoBulles()
{
    const bool visibles = m_etat.OptionInfoBulles == 1.0f;
    for (QWidget* controle : std::as_const(m_controles)) {
        if (!controle)
            continue;
        const QString tag = controle->property(Tag).toString();
        const bool masquee = !tag.isEmpty();
        if (masquee != visibles)
            continue;
        controle->setProperty(Tag, controle->toolTip());
        Controles::decrire(controle, tag);
    }
}

void RoutinesFenetres::afficherApropos()
{
    FrmApropos f(&m_principale);
    connect(f.CheckInfoBulles, &QCheckBox::toggled, &f, [this, &f] { CheckInfoBulles_Click(f); });
    new FiltreClic(f.LabelUrl, [this] { LabelUrl_Click(); });
    new FiltreClic(f.Label3, [this] { Label3_Click(); });
    Apropos_Load(f);
    f.exec();
}

void RoutinesFenetres::Apropos_Load(FrmApropos& f)
{
    f.adjustSize();
    centrerSur(f, m_principale);
    // The box shows the state the tooltips are really in: shown only when the
    // option is exactly 1, as the start-up reads it.
    ChargementApropos = true;
    f.CheckInfoBulles->setChecked(m_etat.OptionInfoBulles == 1.0f);
    ChargementApropos = false;
}

void RoutinesFenetres::CheckInfoBulles_Click(const FrmApropos& f)
{
    if (ChargementApropos)
        return;
    m_etat.OptionInfoBulles = f.CheckInfoBulles->isChecked() ? 1.0f : 0.0f;
    BasculerInfoBulles();
    emit reglagesChanges();
}

void RoutinesFenetres::LabelUrl_Click()
{
    // The shortcut beside the program names the site. Linux desktops do not
    // open such files, so its address is read here and opened; only a web
    // or mail address is followed.
    const QString chemin = m_etat.CheminAppli + NomRaccourci;
    const FichierAnnexe raccourci = lireAnnexe(chemin, Fichiers::TailleMaxPetitFichier);
    QString probleme = raccourci.probleme;
    const QString adresse = probleme.isEmpty() ? RaccourciInternet::adresse(raccourci.octets) : QString();
    if (probleme.isEmpty() && !RaccourciInternet::adresseSure(adresse))
        probleme = QStringLiteral("ne contient pas l'adresse d'un site internet");
    if (!probleme.isEmpty())
        return siteNonOuvert(QStringLiteral("Le raccourci « ") + QDir::toNativeSeparators(chemin)
                             + QStringLiteral(" » ") + probleme
                             + QStringLiteral(" : le site internet n'est pas ouvert."));
    m_plateforme.ouvrir(adresse,
                        [this] { siteNonOuvert(QStringLiteral("Aucun navigateur n'a pu ouvrir le site internet.")); });
}

void RoutinesFenetres::siteNonOuvert(const QString& raison)
{
    m_plateforme.message(QStringLiteral("Zuta!"),
                         raison + QStringLiteral("\nSon adresse : ") + FrmApropos::SiteInternet,
                         Plateforme::Boutons::OK, Plateforme::Icone::Information);
}

void RoutinesFenetres::Label3_Click()
{
    m_plateforme.ouvrir(QStringLiteral("mailto:") + FrmApropos::AdresseMail, [this] {
        m_plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("Aucun programme de messagerie n'a pu être ouvert.\nL'adresse : ")
                                 + FrmApropos::AdresseMail,
                             Plateforme::Boutons::OK, Plateforme::Icone::Information);
    });
}

void RoutinesFenetres::CommandAide_Click()
{
    if (m_aide) {
        // Already open: the same window comes to the front, the manual is not read again.
        if (m_aide->isMinimized())
            m_aide->showNormal();
        else
            m_aide->show();
        m_aide->raise();
        m_aide->activateWindow();
        return;
    }
    m_aide = new FrmAide(&m_principale);
    chargerAide(*m_aide);
}

void RoutinesFenetres::chargerAide(FrmAide& f)
{
    const QString chemin = m_etat.CheminAppli + NomAide;
    const FichierAnnexe manuel = lireAnnexe(chemin, Fichiers::TailleMaxAide);
    if (manuel.probleme.isEmpty()) {
        MiseEnFormeRtf::remplir(*f.RichTextBox1->document(), LecteurRtf::lire(manuel.octets));
        f.RichTextBox1->moveCursor(QTextCursor::Start); // the manual opens at its beginning
    }
    centrerSur(f, m_principale);
    f.show();
    // The window stays open, empty, behind the message.
    if (!manuel.probleme.isEmpty())
        m_plateforme.message(QStringLiteral("Zuta! / Aide"),
                             QStringLiteral("Le fichier d'aide « ") + chemin + QStringLiteral(" » ") + manuel.probleme
                                 + QStringLiteral(" : l'aide ne peut pas être affichée."),
                             Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
}

FrmAide* RoutinesFenetres::aide() const { return m_aide; }
