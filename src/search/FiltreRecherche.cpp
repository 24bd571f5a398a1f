#include "FiltreRecherche.h"
#include "base/Tables.h"

FiltreRecherche::FiltreRecherche(const CriteresRecherche& criteres)
    : m_criteres(criteres), m_texteActif(!criteres.texte.trimmed().isEmpty()),
      m_texte(criteres.texte, Qt::CaseInsensitive)
{
}

// Name, issue number, notes, pages: the text anywhere in one of them, blanks
// included, whatever the case.
bool FiltreRecherche::texteTrouve(const Tables& base, int r) const
{
    for (const int champ : {3, 0, 2, 1})
        if (m_texte.indexIn(base.RecettTexte(r, champ)) >= 0)
            return true;
    return false;
}

bool FiltreRecherche::garde(const Tables& base, int r) const
{
    if (m_texteActif && !texteTrouve(base, r))
        return false;
    if (m_criteres.magazine && base.Mag(base.RecettVal(r, 2)) != *m_criteres.magazine)
        return false;
    if (m_criteres.categorie) {
        const int c = base.RecettVal(r, 0);
        if (base.Cat(c) != *m_criteres.categorie)
            return false;
        if (m_criteres.sousCategorie && base.SousCat(c, base.RecettVal(r, 1)) != *m_criteres.sousCategorie)
            return false;
    }
    switch (m_criteres.teste) {
    case 1:
        return base.RecettVal(r, 3) == 1;
    case 2:
        return base.RecettVal(r, 3) == 0;
    default:
        return true;
    }
}

FiltreRecherche::Resultat FiltreRecherche::filtrer(const Tables& base, const std::vector<int>& ordre) const
{
    Resultat resultat;
    resultat.trouvees.reserve(ordre.size());
    for (const int r : ordre) {
        try {
            if (garde(base, r))
                resultat.trouvees.push_back(r);
        } catch (const ErreurExecution& e) {
            if (!resultat.erreur)
                resultat.erreur = e;
            ++resultat.nbEnErreur;
        }
    }
    return resultat;
}
