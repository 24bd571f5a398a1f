#include "Conversion.h"
#include "FormatNombres.h"
#include "LecteurValeurs.h"
#include "Produit.h"
#include "Tables.h"
#include <climits>

namespace Conversion {

namespace {

const QString FinLigne = QStringLiteral("\r\n");

// The older file does not hold together: the reading stops at the first value
// that cannot be taken.
struct StructureRompue {
    QString raison;
};

// Reads the older layout value by value, stopping at the first failure with
// the line where it happened.
class LectureAncienne {
public:
    LectureAncienne(const QString& texte, Tables& t) : m_texte(texte), m_lecteur(texte), m_t(t) {}

    void executer(Genre genre)
    {
        if (genre == Genre::V12) {
            nombre(QStringLiteral("en-tête"));
            texte();
        }
        m_t.NbCat = compte(0, Tables::MaxCat, QStringLiteral("nombre de catégories"));
        for (int c = 1; c <= m_t.NbCat; ++c) {
            m_t.Cat(c) = texte();
            m_t.CatNbRecett(c) = compteur();
            m_t.NbSousCat(c) = compte(0, Tables::MaxSousCat, QStringLiteral("nombre de sous-catégories"));
            for (int s = 1; s <= m_t.NbSousCat(c); ++s) {
                m_t.SousCat(c, s) = texte();
                m_t.SousCatNbRecett(c, s) = compteur();
            }
        }
        m_t.NbMag = compte(0, Tables::MaxMag, QStringLiteral("nombre de magazines"));
        for (int m = 1; m <= m_t.NbMag; ++m) {
            m_t.Mag(m) = texte();
            m_t.MagNbRecett(m) = compteur();
        }
        m_t.NbRecett = compte(0, Tables::MaxRecett, QStringLiteral("nombre de recettes"));
        for (int r = 1; r <= m_t.NbRecett; ++r) {
            for (int f = 0; f < 4; ++f) {
                m_t.RecettTexte(r, f) = texte();
                m_t.RecettVal(r, f) = valeur();
            }
        }
    }

private:
    [[noreturn]] void rompre(const QString& quoi) const { rompreA(quoi, m_lecteur.position()); }

    [[noreturn]] void rompreA(const QString& quoi, qsizetype position) const
    {
        const qsizetype ligne = QStringView(m_texte).left(position).count(QLatin1Char('\n')) + 1;
        throw StructureRompue{quoi + QStringLiteral(" illisible à la ligne ") + QString::number(ligne)};
    }

    long long nombre(const QString& quoi)
    {
        try {
            return m_lecteur.lireNombre();
        } catch (const ErreurExecution&) {
            rompre(quoi);
        }
    }

    int compte(int min, int max, const QString& quoi)
    {
        const qsizetype avant = m_lecteur.position();
        const long long n = nombre(quoi);
        if (n < min || n > max)
            rompreA(quoi, avant);
        return static_cast<int>(n);
    }

    QString texte()
    {
        try {
            return m_lecteur.lireTexte();
        } catch (const ErreurExecution&) {
            rompre(QStringLiteral("nom ou texte"));
        }
    }

    // A counter left empty by an older version counts as 0 (it is unused).
    int compteur()
    {
        const qsizetype avant = m_lecteur.position();
        const QString brut = texte().trimmed();
        if (brut.isEmpty())
            return 0;
        bool ok = false;
        const long long n = brut.toLongLong(&ok);
        if (!ok || n < INT_MIN || n > INT_MAX)
            rompreA(QStringLiteral("compteur"), avant);
        return static_cast<int>(n);
    }

    int valeur()
    {
        const qsizetype avant = m_lecteur.position();
        const long long n = nombre(QStringLiteral("valeur de recette"));
        if (n < INT_MIN || n > INT_MAX)
            rompreA(QStringLiteral("valeur de recette"), avant);
        return static_cast<int>(n);
    }

    const QString& m_texte;
    LecteurValeurs m_lecteur;
    Tables& m_t;
};

QString lignesN(long long n) { return FormatNombres::ligne(n); }

QString nombreS(long long n) { return FormatNombres::signe(n); }

class Rapport {
public:
    void ligne(const QString& texte = QString())
    {
        m_texte += texte;
        m_texte += FinLigne;
    }
    QString texte() const { return m_texte; }

private:
    QString m_texte;
};

void ecrireTete(Rapport& r, const QString& cheminBase, const QString& cheminGarde)
{
    r.ligne(Produit::Version + QStringLiteral(" - RAPPORT DE CONVERSION"));
    r.ligne(QStringLiteral("Analyse et correction de base Zuta! anterieure à v1.2"));
    r.ligne(QStringLiteral("Base : ") + cheminBase);
    r.ligne();
    r.ligne(QStringLiteral("La nouvelle base ") + Produit::Version + QStringLiteral(" garde le même nom"));
    r.ligne(QStringLiteral("L'ancienne base Zuta! porte la nom : ") + cheminGarde);
    r.ligne();
    r.ligne();
    r.ligne(QStringLiteral("Données renseignées dans la base"));
}

// The names and counters as read; returns the sums of the category and
// sub-category counters.
std::pair<long long, long long> ecrireDonnees(Rapport& r, const Tables& t)
{
    long long sommeCat = 0;
    long long sommeSousCat = 0;
    r.ligne(QStringLiteral("Nb Catégories :") + lignesN(t.NbCat));
    r.ligne();
    for (int c = 1; c <= t.NbCat; ++c) {
        r.ligne();
        r.ligne(t.Cat(c));
        sommeCat += t.CatNbRecett(c);
        r.ligne(t.CatNbRecett(c) > 0 ? QStringLiteral("utilisée") + lignesN(t.CatNbRecett(c)) + QStringLiteral("fois")
                                     : QStringLiteral("inutilisée (ancienne catégorie)"));
        r.ligne();
        r.ligne(QStringLiteral("    Nb Sous-catégories :") + lignesN(t.NbSousCat(c)));
        for (int s = 1; s <= t.NbSousCat(c); ++s) {
            r.ligne();
            r.ligne(QStringLiteral("    ") + t.SousCat(c, s));
            const int n = t.SousCatNbRecett(c, s);
            sommeSousCat += n;
            r.ligne(n > 0 ? QStringLiteral("    utilisée") + lignesN(n) + QStringLiteral("fois")
                          : QStringLiteral("    inutilisée (ancienne sous-catégorie)"));
        }
    }
    return {sommeCat, sommeSousCat};
}

// One check line; corrects the counter when it differs from the count.
int verifier(Rapport& r, const QString& nom, int& compteur, int compte)
{
    const bool juste = compteur == compte;
    r.ligne(nom + QStringLiteral(" -> renseignées : ") + nombreS(compteur) + QStringLiteral("  -  comptées : ")
            + nombreS(compte) + QStringLiteral("  -  ") + (juste ? QStringLiteral("OK") : QStringLiteral("Corrigé")));
    if (juste)
        return 0;
    compteur = compte;
    return 1;
}

} // namespace

Genre examinerEntete(const QByteArray& octets)
{
    LecteurOctets lecteur(octets);
    long long premier = 0;
    try {
        premier = lecteur.lireNombre();
    } catch (const ErreurExecution&) {
        return Genre::PasUneBase;
    }
    if (premier != -1)
        return Genre::SansEntete;
    QString second;
    try {
        second = lecteur.lireTexte();
    } catch (const ErreurExecution&) {
        return Genre::PasUneBase;
    }
    return second == QLatin1String("v1.2") ? Genre::V12 : Genre::Courante;
}

QString cheminGarde(const QString& cheminBase)
{
    return cheminBase.left(cheminBase.size() - 4) + QStringLiteral("-OLD.don");
}

Resultat convertir(const QString& texte, Genre genre, Tables& t, const QString& cheminBase, const QString& garde)
{
    Resultat resultat;
    t.NbCat = t.NbMag = t.NbRecett = 0;
    try {
        LectureAncienne(texte, t).executer(genre);
    } catch (const StructureRompue& rompue) {
        t.ViderCompteurs();
        resultat.raison = rompue.raison;
        return resultat;
    } catch (const ErreurExecution& e) {
        t.ViderCompteurs();
        resultat.raison = e.description();
        return resultat;
    }
    resultat.lue = true;

    Rapport r;
    ecrireTete(r, cheminBase, garde);
    const auto [sommeCat, sommeSousCat] = ecrireDonnees(r, t);
    r.ligne();
    r.ligne(QStringLiteral("Compteur de recettes : ") + nombreS(t.NbRecett));
    r.ligne(QStringLiteral("Addition par catégorie utilisée : ") + nombreS(sommeCat));
    r.ligne(QStringLiteral("Addition par sous-catégorie utilisée : ") + nombreS(sommeSousCat));
    r.ligne();

    const Tables::Comptes k = t.recompter();
    r.ligne(QStringLiteral("Vérification des catégories"));
    for (int c = 1; c <= t.NbCat; ++c)
        resultat.erreurs += verifier(r, t.Cat(c), t.CatNbRecett(c), k.parCat[static_cast<std::size_t>(c)]);
    r.ligne();
    r.ligne(QStringLiteral("Vérification des sous-catégories"));
    for (int c = 1; c <= t.NbCat; ++c)
        for (int s = 1; s <= t.NbSousCat(c); ++s)
            resultat.erreurs += verifier(r, t.Cat(c) + QStringLiteral(" / ") + t.SousCat(c, s), t.SousCatNbRecett(c, s),
                                         k.sousCat(c, s));
    r.ligne();
    r.ligne();
    r.ligne(QStringLiteral("NB ERREURS TOTALES TROUVEES : ") + nombreS(resultat.erreurs));
    if (resultat.erreurs > 0)
        r.ligne(QStringLiteral("ERREURS CORRIGEES OK"));
    resultat.rapport = r.texte();
    return resultat;
}

} // namespace Conversion
