#include "StockageRecette.h"
#include "EtatProgramme.h"
#include "ListeNoms.h"
#include "RepertoireNoms.h"
#include "Tables.h"
#include "TexteFiche.h"
#include "platform/PolitiqueErreurs.h"

void StockageRecette::stockerNomsEtRetirerAnciens(FicheRecette& fiche, const NomsSaisis& noms)
{
    m_politique.etape([&] { fiche.RecettCat = trouverOuAjouterCategorie(noms.categorie); });
    m_politique.etape(
        [&] { fiche.RecettSousCat = trouverOuAjouterSousCategorie(fiche.RecettCat, noms.sousCategorie); });
    m_politique.etape([&] { fiche.RecettMag = trouverOuAjouterMagazine(noms.magazine); });
    retirerDesCompteurs(fiche.RecettCatAvant, fiche.RecettSousCatAvant, fiche.RecettMagAvant);
}

// Category and sub-category names are stored in lower case but for their
// first letter; magazine names as typed.
int StockageRecette::trouverOuAjouterCategorie(const QString& nom)
{
    return m_noms ? m_noms->categories().trouverOuAjouter(nom, true)
                  : ListeNoms::categories(m_t).trouverOuAjouter(nom, true);
}

int StockageRecette::trouverOuAjouterSousCategorie(int categorie, const QString& nom)
{
    return m_noms ? m_noms->sousCategories(categorie).trouverOuAjouter(nom, true)
                  : ListeNoms::sousCategories(m_t, categorie).trouverOuAjouter(nom, true);
}

int StockageRecette::trouverOuAjouterMagazine(const QString& nom)
{
    return m_noms ? m_noms->magazines().trouverOuAjouter(nom, false)
                  : ListeNoms::magazines(m_t).trouverOuAjouter(nom, false);
}

void StockageRecette::retirerDesCompteurs(int categorie, int sousCategorie, int magazine)
{
    if (magazine != 0)
        m_politique.etape([&] { --m_t.MagNbRecett(magazine); });
    if (categorie != 0)
        m_politique.etape([&] { --m_t.CatNbRecett(categorie); });
    if (sousCategorie != 0)
        m_politique.etape([&] { --m_t.SousCatNbRecett(categorie, sousCategorie); });
}

void StockageRecette::EnregistrerRecette(FicheRecette& fiche)
{
    if (!fiche.FicheExistante)
        m_politique.etape([&] {
            if (m_t.NbRecett >= Tables::MaxRecett)
                throw ErreurExecution(Erreurs::IndiceHorsSelection);
            ++m_t.NbRecett;
            fiche.RecettCourante = m_t.NbRecett;
        });
    const int r = fiche.RecettCourante;
    m_politique.etape([&] {
        m_t.RecettVal(r, Recette::Categorie) = fiche.RecettCat;
        m_t.RecettVal(r, Recette::SousCategorie) = fiche.RecettSousCat;
        m_t.RecettVal(r, Recette::Magazine) = fiche.RecettMag;
        m_t.RecettVal(r, Recette::Testee) = fiche.RecettTeste;
        m_t.RecettTexte(r, Recette::Numero) = fiche.RecettNum;
        m_t.RecettTexte(r, Recette::Page) = fiche.RecettPage;
        m_t.RecettTexte(r, Recette::Notes) = fiche.RecettNotes;
        m_t.RecettTexte(r, Recette::Nom) = fiche.RecettNom;
    });
    m_politique.etape([&] {
        for (int champ = 0; champ <= 3; ++champ)
            m_t.RecettTexte(r, champ) = TexteFiche::sansGuillemets(m_t.RecettTexte(r, champ));
    });
}

bool StockageRecette::SupprimerRecette(const FicheRecette& fiche, RecetteSupprimee* retiree)
{
    // Only a recipe of the base can be deleted: a card that is not one must
    // never take another recipe with it.
    if (!fiche.FicheExistante || fiche.RecettCourante < 1 || fiche.RecettCourante > m_t.NbRecett)
        return false;
    if (retiree) {
        retiree->slot = fiche.RecettCourante;
        for (int champ = 0; champ <= 3; ++champ) {
            retiree->textes[champ] = m_t.RecettTexte(fiche.RecettCourante, champ);
            retiree->valeurs[champ] = m_t.RecettVal(fiche.RecettCourante, champ);
        }
    }
    retirerDesCompteurs(fiche.RecettCatAvant, fiche.RecettSousCatAvant, fiche.RecettMagAvant);
    decalerVersLeBas(fiche.RecettCourante);
    m_politique.etape([&] { --m_t.NbRecett; });
    return true;
}

void StockageRecette::decalerVersLeBas(int depuis)
{
    for (int i = depuis; i <= m_t.NbRecett - 1; ++i)
        m_politique.etape([&] {
            for (int champ = 0; champ <= 3; ++champ) {
                m_t.RecettTexte(i, champ) = m_t.RecettTexte(i + 1, champ);
                m_t.RecettVal(i, champ) = m_t.RecettVal(i + 1, champ);
            }
        });
}

bool StockageRecette::restaurer(const RecetteSupprimee& recette)
{
    const int r = recette.slot;
    if (m_t.NbRecett >= Tables::MaxRecett || r < 1 || r > m_t.NbRecett + 1)
        return false;
    decalerVersLeHaut(r);
    m_politique.etape([&] { ++m_t.NbRecett; });
    m_politique.etape([&] {
        for (int champ = 0; champ <= 3; ++champ) {
            m_t.RecettTexte(r, champ) = recette.textes[champ];
            m_t.RecettVal(r, champ) = recette.valeurs[champ];
        }
    });
    const int categorie = recette.valeurs[0], sousCategorie = recette.valeurs[1], magazine = recette.valeurs[2];
    if (magazine != 0)
        m_politique.etape([&] { ++m_t.MagNbRecett(magazine); });
    if (categorie != 0)
        m_politique.etape([&] { ++m_t.CatNbRecett(categorie); });
    if (sousCategorie != 0)
        m_politique.etape([&] { ++m_t.SousCatNbRecett(categorie, sousCategorie); });
    return true;
}

void StockageRecette::decalerVersLeHaut(int depuis)
{
    for (int i = m_t.NbRecett; i >= depuis; --i)
        m_politique.etape([&] {
            for (int champ = 0; champ <= 3; ++champ) {
                m_t.RecettTexte(i + 1, champ) = m_t.RecettTexte(i, champ);
                m_t.RecettVal(i + 1, champ) = m_t.RecettVal(i, champ);
            }
        });
}
