#include "BancProgramme.h"
#include "app/FrmPrincipal.h"
#include "app/Reglages.h"
#include "base/Codec.h"
#include "base/FichierBase.h"
#include "base/Fichiers.h"
#include "base/ListeTrouvee.h"
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <cstdio>
#include <cstdlib>

void echec(const QString& message)
{
    std::fprintf(stderr, "zuta_bench : %s\n", message.toUtf8().constData());
    std::exit(2);
}

BancProgramme::BancProgramme(const Generateur::Parametres& parametres) : m_generee(std::make_unique<Tables>())
{
    if (!m_dossier.isValid())
        echec(QStringLiteral("dossier temporaire impossible"));
    Generateur::remplir(*m_generee, parametres);
    m_octets = Codec::encoder(FichierBase::ecrire(*m_generee));
    m_cheminBase = chemin(Reglages::BaseParDefaut);
    Fichiers::ecrireSur(m_cheminBase, m_octets);
    plateforme.cheminPdf = chemin(QStringLiteral("Liste.pdf"));

    // The program takes its folder from the current one at its first start.
    const QString ancien = QDir::currentPath();
    QDir::setCurrent(m_dossier.path());
    m_programme = std::make_unique<Programme>(plateforme);
    m_programme->Main();
    QDir::setCurrent(ancien);

    if (m_programme->base.NbRecett != parametres.recettes || trouvees() != parametres.recettes
        || !plateforme.boites.isEmpty())
        echec(QStringLiteral("la base générée ne se charge pas comme attendu"));
}

BancProgramme::~BancProgramme() = default;

FrmPrincipal& BancProgramme::fen()
{
    return *m_programme->fen;
}

QString BancProgramme::chemin(const QString& nom) const
{
    return QDir::toNativeSeparators(m_dossier.filePath(nom));
}

void BancProgramme::actualiser()
{
    p().recherche.CommandRechValider_Click();
}

void BancProgramme::sansCritere()
{
    FrmPrincipal& f = fen();
    f.TextRech->clear();
    f.ComboRechMag->setCurrentIndex(0);
    f.ComboTeste->setCurrentIndex(0);
    f.ComboRechCat->setCurrentIndex(0);
    p().recherche.ComboRechCat_Click();
}

void BancProgramme::texteRecherche(const QString& texte)
{
    sansCritere();
    fen().TextRech->setText(texte);
}

void BancProgramme::categorie(int position, int positionSousCategorie)
{
    sansCritere();
    FrmPrincipal& f = fen();
    f.ComboRechCat->setCurrentIndex(position);
    p().recherche.ComboRechCat_Click();
    f.ComboRechSousCat->setCurrentIndex(positionSousCategorie);
    p().recherche.ComboRechSousCat_Click();
}

void BancProgramme::magazine(int position)
{
    sansCritere();
    fen().ComboRechMag->setCurrentIndex(position);
    p().recherche.ComboRechMag_Click();
}

void BancProgramme::montrerRecette(int slot)
{
    sansCritere();
    actualiser();
    FrmPrincipal& f = fen();
    for (int k = 0; k < f.ListTmp.size(); ++k) {
        if (numeroDeLigne(f.ListTmp[k]) == slot) {
            f.choisirLigne(k);
            p().fiche.ListRecettes_Click();
            if (p().etat.FicheExistante != 1 || p().etat.RecettCourante != slot)
                echec(QStringLiteral("la fiche ne montre pas la recette %1").arg(slot));
            return;
        }
    }
    echec(QStringLiteral("la recette %1 n'est pas dans la liste").arg(slot));
}

void BancProgramme::restaurerBase()
{
    p().base = *m_generee;
}

int BancProgramme::trouvees()
{
    return static_cast<int>(fen().lignesRecettes().size());
}
