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
    CatNbRecett.remplir(0);
    SousCatNbRecett.remplir(0);
    MagNbRecett.remplir(0);
    for (int r = 1; r <= NbRecett; ++r) {
        int& c = RecettVal(r, 0);
        int& s = RecettVal(r, 1);
        int& m = RecettVal(r, 2);
        int& t = RecettVal(r, 3);
        if (c < 0 || c > NbCat)
            c = 0;
        if (c == 0 || s < 0 || s > NbSousCat(c))
            s = 0;
        if (m < 0 || m > NbMag)
            m = 0;
        t = t == 1 ? 1 : 0;
        if (c > 0)
            ++CatNbRecett(c);
        if (c > 0 && s > 0)
            ++SousCatNbRecett(c, s);
        if (m > 0)
            ++MagNbRecett(m);
    }
}

int Tables::compterCat(int c) const
{
    int n = 0;
    for (int r = 1; r <= NbRecett; ++r)
        n += RecettVal(r, 0) == c;
    return n;
}

int Tables::compterSousCat(int c, int s) const
{
    int n = 0;
    for (int r = 1; r <= NbRecett; ++r)
        n += RecettVal(r, 0) == c && RecettVal(r, 1) == s;
    return n;
}

int Tables::compterMag(int m) const
{
    int n = 0;
    for (int r = 1; r <= NbRecett; ++r)
        n += RecettVal(r, 2) == m;
    return n;
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
