#pragma once
#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QPushButton;

// The small progress window shown while a long operation runs without giving
// the event loop back (loading, saving, converting a base, writing the index).
// Each caller sets its title and its label.
class FrmSauvegarde : public QWidget {
    Q_OBJECT
public:
    explicit FrmSauvegarde(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;              // how far the work is, when the caller says so
    QPushButton* CommandAnnuler; // shown for a printout only

    void preparer(const QString& titre, const QString& texte);
    // The second line: painted at once, then ten times a second at most (its
    // text is always the latest).
    void avancer(const QString& etape);
    // Centres the window on a rectangle of the screen (pixels, frame included).
    void centrerSur(const QRect& cadre);
    // Shows it without modality and lets it paint once; user input stays
    // queued until the operation ends.
    void montrer();
    // Before it is shown: "Annuler" (Escape too) stops the operation. The
    // window is then modal and, each time it paints its second line, takes
    // the input pending for it, so that the button can be pressed while the
    // operation runs; the other windows take none.
    void proposerAnnulation();
    bool annulee() const { return m_annulee; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    static constexpr qint64 IntervalleDessinMs = 100;
    QElapsedTimer m_dernierDessin;
    bool m_annulable = false;
    bool m_annulee = false;
};
