#pragma once
#include "platform/Progression.h"
#include <QObject>
#include <QRect>
#include <functional>
#include <memory>

class FrmSauvegarde;

// The progress window FrmSauvegarde as the long operations use it: created
// and centred when first shown, then only retitled until it is closed.
class FenetreProgression : public QObject, public Progression {
    Q_OBJECT
public:
    // `cadre` gives the rectangle to centre on: the main window, or the one
    // it left while the program is ending; `occuper` disables the main window.
    FenetreProgression(std::function<QRect()> cadre, std::function<void(bool)> occuper);
    ~FenetreProgression() override;

    void montrer(const QString& titre, const QString& texte) override;
    void avancer(const QString& etape) override;
    void fermer() override;
    void occuperFenetre(bool occupee) override { m_occuper(occupee); }
    void proposerAnnulation() override { m_annulable = true; }
    bool annulee() const override;

signals:
    // Each showing, with the window's place on the screen.
    void montree(const QString& titre, const QString& texte, const QRect& cadre);
    // Each step told, the window shown.
    void avancee(const QString& etape);

private:
    std::function<QRect()> m_cadre;
    std::function<void(bool)> m_occuper;
    std::unique_ptr<FrmSauvegarde> m_fenetre;
    bool m_annulable = false;
};
