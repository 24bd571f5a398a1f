#pragma once
#include <QPointer>

class Programme;
class FrmAide;
class FrmApropos;
class QWidget;

// The About window with the tooltip option and the blinking images, and the
// help window.
class RoutinesFenetres {
public:
    explicit RoutinesFenetres(Programme& p) : p(p) {}
    void brancher();

    // Brings the main window's tooltips in line with OptionInfoBulles by
    // swapping each control's tooltip and tag (see the .cpp).
    void BasculerInfoBulles();

    // Main window handlers.
    void Timer1_Timer();
    void Image1_Click() { afficherApropos(); }
    void Image2_Click() { afficherApropos(); }
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

private:
    void afficherApropos();
    void siteNonOuvert(const QString& raison);
    void chargerAide(FrmAide& f);

    Programme& p;
    QPointer<FrmAide> m_aide;
};
