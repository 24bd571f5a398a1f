#pragma once
#include <QStringList>
#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QStringListModel;
class QTimer;
class Collation;

// The main window and its controls. Each control's member and objectName is
// its name in the program. The window holds no logic: the routines connect
// their handlers to these controls.
class FrmPrincipal : public QWidget {
    Q_OBJECT
public:
    explicit FrmPrincipal(const Collation& collation);
    ~FrmPrincipal() override;

    // Base-level commands and switches.
    QPushButton* CommandNouvelle;
    QPushButton* CommandCharger;
    QPushButton* CommandIndex;
    QPushButton* CommandImpr;
    QCheckBox* CheckNotes;
    QPushButton* CommandAide;
    QPushButton* CommandQuitter;
    QLabel* Image1;
    QLabel* Image2;
    QTimer* Timer1;

    // Search frame.
    QGroupBox* FrameRech;
    QLabel* LabelRechCat;
    QComboBox* ComboRechCat;
    QLabel* LabelRechSousCat;
    QComboBox* ComboRechSousCat;
    QLabel* LabelRechMag;
    QComboBox* ComboRechMag;
    QLabel* LabelTeste;
    QComboBox* ComboTeste;
    QLabel* LabelRechTexte;
    QLineEdit* TextRech;
    QPushButton* CommandRechValider;

    // Found list. ListTmp and ListIndex are the hidden working lists: the
    // found lines with their slot numbers, and the index's key lines.
    QLabel* LabelListRecettes;
    QListView* ListRecettes;
    QStringListModel* ModeleRecettes;
    QLabel* LabelTotalrecett;
    QLabel* LabelNbRecettList;
    QStringList ListTmp;
    QStringList ListIndex;

    // Recipe card.
    QGroupBox* FrameFiche;
    QLabel* LabelRecettNom;
    QLineEdit* TextRecettNom;
    QLabel* LabelRecettCat;
    QComboBox* ComboRecettCat;
    QLabel* LabelRecettSousCat;
    QComboBox* ComboRecettSousCat;
    QLabel* LabelRecettMag;
    QComboBox* ComboRecettMag;
    QLabel* LabelRecettNum;
    QLineEdit* TextRecettNumero;
    QLabel* LabelRecettPage;
    QLineEdit* TextRecettPage;
    QLabel* LabelRecettCommentaire;
    QPlainTextEdit* TextRecettComment;
    QCheckBox* CheckRecettTeste;
    QPushButton* CommandRecettNouvelle;
    QPushButton* CommandRecettValider;
    QPushButton* CommandRecettSuppr;
    QPushButton* CommandRecettImpr;
    QCheckBox* CheckSaisie;

    // The button that Enter presses (none while the notes have the focus).
    void definirBoutonParDefaut(QPushButton* bouton);
    QPushButton* boutonParDefaut() const { return m_boutonParDefaut; }

    // Adds an entry at its sorted place in a list kept sorted.
    void ajouterTrie(QComboBox* liste, const QString& texte) const;

    // The lines of the found list as shown.
    QStringList lignesRecettes() const;
    void definirLignesRecettes(const QStringList& lignes);
    int ligneChoisie() const;               // -1 when none
    void choisirLigne(int k);               // -1 deselects

    // Every control that shows a tooltip, in the window's order of controls.
    QList<QWidget*> controles() const;

    // Called when the window is closed by any way (close box or "Quitter").
    std::function<void()> surFermeture;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void creerControles();
    void disposer();
    void decrire();

    const Collation& m_collation;
    QPushButton* m_boutonParDefaut = nullptr;
};
