#include "Tables.h"
#include <algorithm>

void Tables::ViderCompteurs()
{
    NbCat = 0;
    NbMag = 0;
    NbRecett = 0;
    NbSousCat.remplir(0);
    CatNbRecett.remplir(0);
    SousCatNbRecett.remplir(0);
    MagNbRecett.remplir(0);
}

void Tables::remettreEnCoherence()
{
    NbCat = std::clamp(NbCat, 0, MaxCat);
    NbMag = std::clamp(NbMag, 0, MaxMag);
    NbRecett = std::clamp(NbRecett, 0, MaxRecett);
    for (int c = 0; c <= MaxCat; ++c)
        NbSousCat(c) = c == 0 || c > NbCat ? 0 : std::clamp(NbSousCat(c), 0, MaxSousCat);
    for (int r = 1; r <= NbRecett; ++r) {
        int& c = RecettVal(r, Recette::Categorie);
        int& s = RecettVal(r, Recette::SousCategorie);
        int& m = RecettVal(r, Recette::Magazine);
        int& t = RecettVal(r, Recette::Testee);
        if (c < 0 || c > NbCat)
            c = 0;
        if (c == 0 || s < 0 || s > NbSousCat(c))
            s = 0;
        if (m < 0 || m > NbMag)
            m = 0;
        t = t == 1 ? 1 : 0;
    }
    const Comptes k = recompter();
    for (int c = 0; c <= MaxCat; ++c) {
        CatNbRecett(c) = c == 0 ? 0 : k.parCat[static_cast<std::size_t>(c)];
        for (int s = 0; s <= MaxSousCat; ++s)
            SousCatNbRecett(c, s) = c == 0 || s == 0 ? 0 : k.sousCat(c, s);
    }
    for (int m = 0; m <= MaxMag; ++m)
        MagNbRecett(m) = m == 0 ? 0 : k.parMag[static_cast<std::size_t>(m)];
}

Tables::Comptes Tables::recompter() const
{
    Comptes k;
    k.parCat.assign(MaxCat + 1, 0);
    k.parSousCat.assign(static_cast<std::size_t>(MaxCat + 1) * (MaxSousCat + 1), 0);
    k.parMag.assign(MaxMag + 1, 0);
    const int nb = std::clamp(NbRecett, 0, MaxRecett);
    for (int r = 1; r <= nb; ++r) {
        const int c = RecettVal(r, Recette::Categorie);
        const int s = RecettVal(r, Recette::SousCategorie);
        const int m = RecettVal(r, Recette::Magazine);
        if (c >= 1 && c <= std::min(NbCat, static_cast<int>(MaxCat))) {
            ++k.parCat[static_cast<std::size_t>(c)];
            if (s >= 1 && s <= std::min(NbSousCat(c), static_cast<int>(MaxSousCat)))
                ++k.parSousCat[Comptes::indice(c, s)];
        }
        if (m >= 1 && m <= std::min(NbMag, static_cast<int>(MaxMag)))
            ++k.parMag[static_cast<std::size_t>(m)];
    }
    return k;
}

QStringList Tables::categoriesUtilisees() const
{
    QStringList noms;
    for (int c = 1; c <= NbCat; ++c)
        if (CatNbRecett(c) > 0)
            noms << Cat(c);
    return noms;
}

QStringList Tables::sousCategoriesUtilisees(int c) const
{
    QStringList noms;
    for (int s = 1; s <= NbSousCat(c); ++s)
        if (SousCatNbRecett(c, s) > 0)
            noms << SousCat(c, s);
    return noms;
}

QStringList Tables::magazinesUtilises() const
{
    QStringList noms;
    for (int m = 1; m <= NbMag; ++m)
        if (MagNbRecett(m) > 0)
            noms << Mag(m);
    return noms;
}
