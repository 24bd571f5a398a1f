#pragma once
#include "Importation.h"
#include <QDialog>

struct Tables;
class PolitiqueErreurs;
class SourceImport;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

// What an import would do, before anything changes: how the file is read
// (encoding and separator, both changeable), the columns found, the first
// recipes as they will be stored, the counts and the new names, and the
// duplicate choice. It imports into a copy of the open base's tables, so
// that what it shows is exactly what "Importer" then does.
class FenetreApercu : public QDialog {
    Q_OBJECT
public:
    FenetreApercu(SourceImport& source, const Tables& base, PolitiqueErreurs& politique, QWidget* parent = nullptr);
    ~FenetreApercu() override;

    // The choices the import then runs with.
    Importation::Options options() const;
    // What the import of the present choices gives.
    const Importation::Bilan& bilan() const { return m_bilan; }

    // Rows of the details shown at most: the report has them all.
    static constexpr int MaxRemarquesMontrees = 500;

private:
    void creerControles();
    void disposer();
    void decrire();
    void brancher();

    void relire();
    void calculer();
    void montrerColonnes();
    void montrerPremieres();
    void montrerComptes();
    void montrerDetails();

    SourceImport& m_source;
    const Tables& m_base;
    PolitiqueErreurs& m_politique;
    Importation::Bilan m_bilan;

    QLabel* LabelFichier;
    QLabel* LabelEncodage;
    QComboBox* ComboEncodage;
    QLabel* LabelSeparateur;
    QComboBox* ComboSeparateur;
    QLabel* LabelColonnes;
    QLabel* LabelApercu;
    QTableWidget* TableApercu;
    QLabel* LabelComptes;
    QLabel* LabelDetails;
    QPlainTextEdit* TextDetails;
    QGroupBox* FrameDoublons;
    QRadioButton* OptionIgnorer;
    QRadioButton* OptionAjouter;
    QPushButton* CommandImporter;
    QPushButton* CommandAnnuler;
};
