#include "Importation.h"
#include "ExportCsv.h"
#include "base/EtatProgramme.h"
#include "base/RepertoireNoms.h"
#include "base/StockageRecette.h"
#include "base/Tables.h"
#include "base/Texte.h"
#include "base/TexteFiche.h"
#include <QSet>

namespace Importation {

namespace {

// Name, magazine and number, trimmed and in upper case: what makes two
// recipes one for the duplicate rule.
QString cle(const QString& nom, const QString& magazine, const QString& numero)
{
    const QChar separateur(0x1F);
    return Texte::sansBlancs(nom).toUpper() + separateur + Texte::sansBlancs(magazine).toUpper() + separateur
        + Texte::sansBlancs(numero).toUpper();
}

class Import {
public:
    Import(Tables& t, Options options, PolitiqueErreurs& politique)
        : m_t(t), m_options(options), m_noms(t), m_stockage(t, politique, &m_noms)
    {
        if (m_options.ajouterDoublons)
            return;
        m_cles.reserve(t.NbRecett);
        for (int r = 1; r <= t.NbRecett; ++r)
            m_cles.insert(cle(t.RecettTexte(r, Recette::Nom), t.Mag(t.RecettVal(r, Recette::Magazine)),
                              t.RecettTexte(r, Recette::Numero)));
    }

    void ligne(const LigneImportee& l)
    {
        ++m_bilan.lues;
        const FicheImportee::Preparation p = FicheImportee::preparer(l.valeurs);
        const SaisieFiche& s = p.saisie;
        QString c;
        if (!m_options.ajouterDoublons && !s.nom.isEmpty()) {
            c = cle(s.nom, s.magazine, s.numero);
            if (m_cles.contains(c)) {
                ++m_bilan.doublons;
                return;
            }
        }
        if (const QString motif = refusValidation(m_t, s, &m_noms); !motif.isEmpty())
            return refuser(l, QString(motif).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        stocker(p);
        for (const QString& avertissement : p.avertissements)
            m_bilan.remarques.append({l.ligne, false, avertissement});
        m_bilan.avertissements += static_cast<int>(p.avertissements.size());
        if (!m_options.ajouterDoublons)
            m_cles.insert(c);
    }

    Bilan bilan() && { return std::move(m_bilan); }

private:
    void refuser(const LigneImportee& l, const QString& motif)
    {
        ++m_bilan.refusees;
        m_bilan.remarques.append({l.ligne, true, motif});
        m_bilan.refus.append({l.ligne, l.valeurs, motif});
    }

    // As a validation stores a new card that passed its checks.
    void stocker(const FicheImportee::Preparation& p)
    {
        const SaisieFiche& s = p.saisie;
        FicheRecette fiche;
        fiche.RecettNom = TexteFiche::premiereMajuscule(s.nom);
        fiche.RecettNum = s.numero;
        fiche.RecettPage = s.page;
        fiche.RecettNotes = s.notes;
        fiche.RecettTeste = p.testee;
        m_stockage.stocker(fiche, {s.categorie, s.sousCategorie, s.magazine});
        ++m_bilan.importees;
        noterNouveauxNoms(fiche);
        if (m_bilan.premieres.size() < Bilan::MaxPremieres)
            m_bilan.premieres.append(ExportCsv::ligne(m_t, fiche.RecettCourante));
    }

    // Counters only go up during an import: a counter at 1 was at 0.
    void noterNouveauxNoms(const FicheRecette& f)
    {
        if (f.RecettCat != 0 && m_t.CatNbRecett(f.RecettCat) == 1)
            m_bilan.nouvellesCategories << m_t.Cat(f.RecettCat);
        if (f.RecettSousCat != 0 && m_t.SousCatNbRecett(f.RecettCat, f.RecettSousCat) == 1)
            m_bilan.nouvellesSousCategories
                << m_t.Cat(f.RecettCat) + QStringLiteral(" / ") + m_t.SousCat(f.RecettCat, f.RecettSousCat);
        if (f.RecettMag != 0 && m_t.MagNbRecett(f.RecettMag) == 1)
            m_bilan.nouveauxMagazines << m_t.Mag(f.RecettMag);
    }

    Tables& m_t;
    Options m_options;
    RepertoireNoms m_noms;
    StockageRecette m_stockage;
    QSet<QString> m_cles;
    Bilan m_bilan;
};

} // namespace

Bilan importer(Tables& t, const QList<LigneImportee>& lignes, Options options, PolitiqueErreurs& politique)
{
    Import import(t, options, politique);
    for (const LigneImportee& l : lignes)
        import.ligne(l);
    return std::move(import).bilan();
}

} // namespace Importation
