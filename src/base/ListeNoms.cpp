#include "ListeNoms.h"
#include "Tables.h"
#include "TexteFiche.h"
#include "platform/ErreurExecution.h"

int ListeNoms::nombre() const
{
    switch (m_genre) {
    case Genre::Categories: return m_t.NbCat;
    case Genre::SousCategories: return m_t.NbSousCat(m_categorie);
    case Genre::Magazines: return m_t.NbMag;
    }
    return 0;
}

void ListeNoms::fixerNombre(int n)
{
    switch (m_genre) {
    case Genre::Categories: m_t.NbCat = n; break;
    case Genre::SousCategories: m_t.NbSousCat(m_categorie) = n; break;
    case Genre::Magazines: m_t.NbMag = n; break;
    }
}

int ListeNoms::maximum() const
{
    switch (m_genre) {
    case Genre::Categories: return Tables::MaxCat;
    case Genre::SousCategories: return Tables::MaxSousCat;
    case Genre::Magazines: return Tables::MaxMag;
    }
    return 0;
}

QString& ListeNoms::nom(int i)
{
    switch (m_genre) {
    case Genre::Categories: return m_t.Cat(i);
    case Genre::SousCategories: return m_t.SousCat(m_categorie, i);
    case Genre::Magazines: break;
    }
    return m_t.Mag(i);
}

int& ListeNoms::compteur(int i)
{
    switch (m_genre) {
    case Genre::Categories: return m_t.CatNbRecett(i);
    case Genre::SousCategories: return m_t.SousCatNbRecett(m_categorie, i);
    case Genre::Magazines: break;
    }
    return m_t.MagNbRecett(i);
}

ListeNoms::Place ListeNoms::chercherPlace(const QString& nomCherche) const
{
    Place place;
    if (nomCherche.isEmpty())
        return place;
    const QString cle = nomCherche.toUpper();
    int libre = 0;
    for (int i = 1; i <= nombre(); ++i) {
        if (nom(i).toUpper() == cle)
            place.numero = i; // the last match wins
        if (compteur(i) == 0 && libre == 0)
            libre = i;
    }
    if (place.numero > 0)
        return place;
    place.nouvelle = true;
    if (libre == 0 && nombre() >= maximum()) {
        place.pleine = true;
        return place;
    }
    place.numero = libre != 0 ? libre : nombre() + 1;
    return place;
}

int ListeNoms::trouverOuAjouter(const QString& texte, bool minuscules)
{
    const QString t = TexteFiche::nomNormalise(texte, minuscules);
    return occuper(t, chercherPlace(t));
}

int ListeNoms::occuper(const QString& t, const Place& place)
{
    if (place.numero == 0 && !place.pleine)
        return 0;
    if (place.pleine)
        throw ErreurExecution(Erreurs::IndiceHorsSelection);
    if (place.nouvelle) {
        if (place.numero > nombre())
            fixerNombre(place.numero);
        nom(place.numero) = t;
    }
    ++compteur(place.numero);
    return place.numero;
}
