#pragma once
#include <QList>
#include <QObject>
#include <QPointer>

struct EtatProgramme;
class FrmAide;
class FrmApropos;
class ImagesApropos;
class Plateforme;
class QWidget;

// The About window with the tooltip option and the blinking images, and the
// help window.
class RoutinesFenetres : public QObject {
    Q_OBJECT
public:
    // `principale`: the main window, which the small windows centre on.
    RoutinesFenetres(EtatProgramme& etat, Plateforme& plateforme, QWidget& principale, ImagesApropos& images);

    // The main window's controls that show a tooltip, in its order.
    void definirControles(const QList<QWidget*>& controles) { m_controles = controles; }

    // Brings the main window's tooltips in line with OptionInfoBulles by
    // swapping each control's tooltip and tag (see the .cpp).
    void BasculerInfoBulles();

    void CommandAide_Click();

    // About window handlers.
    void Apropos_Load(FrmApropos& f);
    void CheckInfoBulles_Click(const FrmApropos& f);
    void LabelUrl_Click();
    void Label3_Click();

    // The help window while it is open, otherwise null.
    FrmAide* aide() const;

    static const QString NomAide;      // "Zuta.rtf"
    static const QString NomRaccourci; // "Tavernix.url"

signals:
    // The tooltip option changed: the settings file is written at once.
    void reglagesChanges();

private:
    void afficherApropos();
    void chargerAide(FrmAide& f);
    void siteNonOuvert(const QString& raison);

    EtatProgramme& m_etat;
    Plateforme& m_plateforme;
    QWidget& m_principale;
    QList<QWidget*> m_controles;
    QPointer<FrmAide> m_aide;
    // True while the About window sets its box from the option, so that the
    // box's handler does nothing.
    bool ChargementApropos = false;
};
