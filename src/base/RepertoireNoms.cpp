#include "RepertoireNoms.h"
#include "Tables.h"
#include "TexteFiche.h"
#include "platform/ErreurExecution.h"
#include <algorithm>

IndexNoms::IndexNoms(ListeNoms liste) : m_liste(liste)
{
    const int n = m_liste.nombre();
    m_entrees.reserve(n);
    for (int i = 1; i <= n; ++i)
        indexer(i);
    chercherLibreDepuis(1);
}

const QString& IndexNoms::normaliser(const QString& texte, bool minuscules)
{
    QHash<QString, QString>& normalises = m_normalises[minuscules ? 1 : 0];
    auto n = normalises.constFind(texte);
    if (n == normalises.cend())
        n = normalises.insert(texte, TexteFiche::nomNormalise(texte, minuscules));
    return *n;
}

const QString& IndexNoms::majuscules(const QString& nom) const
{
    auto m = m_majuscules.constFind(nom);
    if (m == m_majuscules.cend())
        m = m_majuscules.insert(nom, nom.toUpper());
    return *m;
}

void IndexNoms::indexer(int i)
{
    QList<int>& entrees = m_entrees[majuscules(m_liste.nom(i))];
    entrees.insert(std::lower_bound(entrees.begin(), entrees.end(), i), i);
}

void IndexNoms::oublier(int i)
{
    const auto entrees = m_entrees.find(majuscules(m_liste.nom(i)));
    if (entrees == m_entrees.end())
        return;
    entrees->removeOne(i);
    if (entrees->isEmpty())
        m_entrees.erase(entrees);
}

void IndexNoms::chercherLibreDepuis(int i)
{
    const int n = m_liste.nombre();
    while (i <= n && m_liste.compteur(i) != 0)
        ++i;
    m_libre = i <= n ? i : 0;
}

ListeNoms::Place IndexNoms::chercherPlace(const QString& nom) const
{
    ListeNoms::Place place;
    if (nom.isEmpty())
        return place;
    const auto entrees = m_entrees.constFind(majuscules(nom));
    if (entrees != m_entrees.cend()) {
        place.numero = entrees->last();
        return place;
    }
    place.nouvelle = true;
    if (m_libre == 0 && m_liste.nombre() >= m_liste.maximum()) {
        place.pleine = true;
        return place;
    }
    place.numero = m_libre != 0 ? m_libre : m_liste.nombre() + 1;
    return place;
}

int IndexNoms::trouverOuAjouter(const QString& texte, bool minuscules)
{
    const QString t = normaliser(texte, minuscules);
    const ListeNoms::Place place = chercherPlace(t);
    const bool remplace = place.nouvelle && place.numero >= 1 && place.numero <= m_liste.nombre();
    if (remplace)
        oublier(place.numero);
    const int numero = m_liste.occuper(t, place);
    if (place.nouvelle)
        indexer(numero);
    if (numero != 0 && numero == m_libre)
        chercherLibreDepuis(numero + 1);
    return numero;
}

RepertoireNoms::RepertoireNoms(Tables& t)
    : m_t(t), m_categories(ListeNoms::categories(t)), m_magazines(ListeNoms::magazines(t)),
      m_sousCategories(Tables::MaxCat + 1)
{}

RepertoireNoms::~RepertoireNoms() = default;

IndexNoms& RepertoireNoms::sousCategories(int categorie)
{
    // Out of the table: the error the tables give.
    if (categorie < 0 || categorie > Tables::MaxCat)
        throw ErreurExecution(Erreurs::IndiceHorsSelection);
    std::unique_ptr<IndexNoms>& index = m_sousCategories[static_cast<std::size_t>(categorie)];
    if (!index)
        index = std::make_unique<IndexNoms>(ListeNoms::sousCategories(m_t, categorie));
    return *index;
}
