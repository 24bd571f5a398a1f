#pragma once
#include <QStringList>
#include <QWidget>

class BoutonParDefaut;
class ChampsFiche;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The recipe card "Recette (nouvelle)" / "Recette (existante)": its entry
// fields with the keys they refuse and the blanks they trim, its buttons and
// the chained-entry switch. What the card shows and stores is the routines'
// work, told through the functions below.
class PanneauFiche : public QWidget {
    Q_OBJECT
public:
    PanneauFiche(BoutonParDefaut& parDefaut, QWidget* parent = nullptr);
    ~PanneauFiche() override;

    enum class Champ { Nom, Categorie, SousCategorie, Magazine, Numero, Page, Notes };

    // A field's text; the notes as the base keeps them (CR LF line breaks).
    QString texte(Champ champ) const;
    void ecrire(Champ champ, const QString& texte);
    // The notes as the box shows them, for a printout of the card.
    QString notesAffichees() const;
    bool testee() const;
    void cocherTestee(bool testee);
    // Trims the blanks at either end of every field, as a validation does; no
    // sub-category stays without a category.
    void taillerChamps();

    // The names the card's lists offer, already sorted.
    void remplirListes(const QStringList& categories, const QStringList& magazines);
    void remplirSousCategories(const QStringList& sousCategories);

    void montrerExistante(bool existante);
    void activerSuppressionEtImpression(bool actif);
    bool saisieEnChaine() const;
    // Puts the chained-entry switch back by program, without its signal.
    void cocherSaisieEnChaine(bool enChaine);
    void focaliserNom();
    // Enter now validates the card.
    void validerParDefaut();

    // The controls that show a tooltip, in the window's order.
    QList<QWidget*> controles() const;

signals:
    void nouvelleDemandee();
    void validationDemandee();
    void suppressionDemandee();
    void impressionDemandee();
    void apercuDemande();
    // Ctrl+Z: the last deletion undone.
    void annulationDemandee();
    void saisieEnChaineBasculee(bool enChaine);
    // The user clicked "Testée".
    void testeeCliquee(bool testee);
    // The user left a field, whose text is now tidied.
    void champQuitte(PanneauFiche::Champ champ);

private:
    void creerControles();
    void disposer();
    void decrire();
    void brancher();

    BoutonParDefaut& m_parDefaut;
    ChampsFiche* m_champs = nullptr;

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
    QPushButton* CommandRecettApercu;
    QCheckBox* CheckSaisie;
};
