#include "Interrupteurs.h"
#include "app/FrmPrincipal.h"
#include "app/Programme.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

void RoutinesInterrupteurs::brancher()
{
    FrmPrincipal& f = *p.fen;
    // The two option boxes follow their state, whoever changes it; "Testée"
    // follows the user only, the card sets it when it shows a recipe.
    QObject::connect(f.CheckSaisie, &QCheckBox::toggled, &f, [this] { CheckSaisie_Click(); });
    QObject::connect(f.CheckNotes, &QCheckBox::toggled, &f, [this] { CheckNotes_Click(); });
    QObject::connect(f.CheckRecettTeste, &QCheckBox::clicked, &f, [this] { CheckRecettTeste_Click(); });
}

void RoutinesInterrupteurs::activerRecherche(bool actif)
{
    FrmPrincipal& f = *p.fen;
    for (QWidget* controle : {static_cast<QWidget*>(f.ListRecettes), static_cast<QWidget*>(f.ComboRechCat),
                              static_cast<QWidget*>(f.ComboRechMag), static_cast<QWidget*>(f.ComboRechSousCat),
                              static_cast<QWidget*>(f.ComboTeste), static_cast<QWidget*>(f.CommandRechValider),
                              static_cast<QWidget*>(f.CommandRecettSuppr), static_cast<QWidget*>(f.CommandRecettImpr),
                              static_cast<QWidget*>(f.TextRech)})
        controle->setEnabled(actif);
}

void RoutinesInterrupteurs::CheckSaisie_Click()
{
    FrmPrincipal& f = *p.fen;
    const bool enChaine = f.CheckSaisie->isChecked();
    activerRecherche(!enChaine);
    if (enChaine) {
        p.Main();
        f.TextRecettNom->setFocus();
        f.ComboRechSousCat->setEnabled(false);  // the refresh enables it when a category is chosen
        return;
    }
    // Back to ordinary entry: the recipes typed meanwhile join the lists and
    // the found list; the card stays as it is.
    f.CommandRecettSuppr->setEnabled(false);
    f.CommandRecettImpr->setEnabled(false);
    p.politique.etape([&] {
        f.definirLignesRecettes({});
        f.ListTmp.clear();
    });
    p.etat.MajSousCatSeule = 0;
    p.recherche.ActualiserListesRech();
    p.recherche.Rechercher();
}

void RoutinesInterrupteurs::CheckNotes_Click()
{
    // An unset option becomes 1, as 0 does.
    p.etat.OptionNotes = (p.etat.OptionNotes == 1) ? 0 : 1;
}

void RoutinesInterrupteurs::CheckRecettTeste_Click()
{
    FrmPrincipal& f = *p.fen;
    f.definirBoutonParDefaut(f.CommandRecettValider);
    p.etat.RecettTeste = f.CheckRecettTeste->isChecked() ? 1 : 0;
}
