#pragma once
#include <QStringList>
#include <QWidget>
#include <optional>

class BoutonParDefaut;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ModeleTrouvees;
class VueRecettes;

// The search frame "Recherche" with its criteria, and the found list with its
// two counters. Choosing a criterion makes "Actualiser" the button Enter
// presses; what the lists hold and what a search finds is the routines' work,
// told through the functions below.
class PanneauRecherche : public QWidget {
    Q_OBJECT
public:
    PanneauRecherche(BoutonParDefaut& parDefaut, QWidget* parent = nullptr);

    enum class Critere { Categorie, SousCategorie, Magazine, Teste };

    // The entries of a criterion's list, which the routines keep sorted.
    void remplir(Critere critere, const QStringList& entrees);
    // Chooses a position by program: no signal of the user's choice follows.
    void choisir(Critere critere, int position);
    int position(Critere critere) const;
    QString texte(Critere critere) const;
    // The first entry holding exactly this text (case counts), or -1.
    int trouver(Critere critere, const QString& texte) const;
    void activer(Critere critere, bool actif);
    QString texteRecherche() const;

    // The table of the found list reads the found list through this model.
    void definirModele(ModeleTrouvees* modele);
    // The found list was rebuilt; the two counters.
    void afficherTrouvees();
    void afficherCompteurs(const QString& total, const QString& trouvees);
    // The line of the found list the user chose, if any (whatever row it
    // is shown in).
    std::optional<int> ligneChoisie() const;
    void choisirLigne(std::optional<int> k);
    // The found list's lines in the order the table shows them.
    QList<qsizetype> ordreAffiche() const;
    // The table's columns and sort, kept from one session to the next.
    QByteArray etatColonnes() const;
    void restaurerColonnes(const QByteArray& etat);

    // Ctrl+F: the focus in "Texte à rechercher", its text selected, unless
    // the search is switched off.
    void focaliserTexte();

    // Chained entry switches the found list and every criterion off.
    void activerRecherche(bool actif);
    bool rechercheActive() const { return m_active; }

    // The controls that show a tooltip, in the window's order.
    QList<QWidget*> controles() const;

signals:
    // The user chose a category: the sub-categories follow it.
    void categorieChoisie();
    // "Actualiser": the general refresh.
    void actualisationDemandee();
    // The user chose line k of the found list (click, arrow keys).
    void ligneActivee(int k);
    // Enter or a double click on the found list: on to the card.
    void ficheDemandee();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void creerControles();
    void disposer();
    void decrire();
    void brancher();
    QComboBox* liste(Critere critere) const;
    void surLigne();

    BoutonParDefaut& m_parDefaut;
    bool m_active = true;

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

    QLabel* LabelListRecettes;
    VueRecettes* ListRecettes;
    ModeleTrouvees* m_modele = nullptr;
    QLabel* LabelTotalrecett;
    QLabel* LabelNbRecettList;
};
