#pragma once
#include "FiltreRecherche.h"
#include "IndexTexte.h"
#include "OrdreRecettes.h"
#include <QStringList>
#include <vector>

class Programme;
class FiltreFocus;
class QComboBox;
class QObject;

// The search criteria lists, the search with the found list and its counters.
class RoutinesRecherche {
public:
    explicit RoutinesRecherche(Programme& p) : p(p) {}
    void brancher();

    void RemplirListesRech();
    void ActualiserListesRech();
    void RemplirListesFiche();
    void Rechercher();

    // Handlers of the search frame.
    void ComboRechCat_Click();
    void ComboRechCat_GotFocus();
    void ComboRechSousCat_Click();
    void ComboRechSousCat_GotFocus();
    void ComboRechMag_Click();
    void ComboRechMag_GotFocus();
    void ComboTeste_Click();
    void ComboTeste_GotFocus();
    void TextRech_Click();
    void CommandRechValider_Click();

    // The "all" entries, always at position 0 of their list.
    static const QString Toutes; // " --> TOUTES"
    static const QString Tous;   // " --> TOUS"

private:
    void rendreActualiserParDefaut();
    void surEvenement(QObject* controle);
    // Chooses a position by program and does what the list's click does to
    // the lists, whether or not the position changes. Only the user's own
    // choices move the default button: a refresh run from the card leaves
    // Enter to "Valider".
    void choisir(QComboBox* liste, int position);
    void suivreCategorie();
    void choisirTexte(QComboBox* liste, const QString& texte);
    void remplirTrie(QComboBox* liste, QStringList noms) const;
    QStringList categoriesUtilisees() const;
    QStringList magazinesUtilises() const;
    QStringList sousCategoriesUtilisees(int c) const;
    int categorieChoisie() const;
    CriteresRecherche lireCriteres() const;
    void afficherTrouvees(const FiltreRecherche::Resultat& resultat, bool tout);
    void afficherCompteurs();

    Programme& p;
    OrdreRecettes m_ordre;
    IndexTexte m_index;
};
