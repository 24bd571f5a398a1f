#include "FichierBase.h"
#include "FormatNombres.h"
#include "LecteurValeurs.h"
#include "Tables.h"
#include "platform/PolitiqueErreurs.h"
#include <climits>

namespace FichierBase {

namespace {

// Thrown when the user cancels a failing value: the reading ends there.
struct LectureInterrompue {};

class Lecture {
public:
    Lecture(const QString& texte, Tables& t, PolitiqueErreurs& p) : m_lecteur(texte), m_t(t), m_politique(p) {}

    ResultatLecture executer(bool sauterEntete)
    {
        try {
            if (sauterEntete) {
                valeur([&] { m_lecteur.lireNombre(); });
                valeur([&] { m_lecteur.lireTexte(); });
            }
            lireCategories();
            lireMagazines();
            lireRecettes();
        } catch (const LectureInterrompue&) {
            m_resultat.interrompue = true;
            m_t.remettreEnCoherence();
        }
        return m_resultat;
    }

private:
    template <class Etape>
    void valeur(Etape&& etape)
    {
        bool echec = false;
        const bool fait = m_politique.etape([&] {
            try {
                etape();
            } catch (const ErreurExecution&) {
                echec = true;
                throw;
            }
        });
        m_resultat.erreurs |= echec;
        if (!fait)
            throw LectureInterrompue{};
    }

    int nombre(long long min, long long max)
    {
        int n = 0;
        valeur([&] {
            const long long v = m_lecteur.lireNombre();
            if (v < min || v > max)
                throw ErreurExecution(v < INT_MIN || v > INT_MAX ? Erreurs::DepassementCapacite
                                                                 : Erreurs::IndiceHorsSelection);
            n = static_cast<int>(v);
        });
        return n;
    }

    QString texte()
    {
        QString t;
        valeur([&] { t = m_lecteur.lireTexte(); });
        return t;
    }

    void lireCategories()
    {
        const int nbCat = nombre(0, Tables::MaxCat);
        for (int c = 1; c <= nbCat; ++c) {
            m_t.Cat(c) = texte();
            m_t.NbSousCat(c) = 0;
            m_t.NbCat = c;
            m_t.CatNbRecett(c) = nombre(INT_MIN, INT_MAX);
            const int nbSousCat = nombre(0, Tables::MaxSousCat);
            for (int s = 1; s <= nbSousCat; ++s) {
                m_t.SousCat(c, s) = texte();
                m_t.NbSousCat(c) = s;
                m_t.SousCatNbRecett(c, s) = nombre(INT_MIN, INT_MAX);
            }
        }
    }

    void lireMagazines()
    {
        const int nbMag = nombre(0, Tables::MaxMag);
        for (int m = 1; m <= nbMag; ++m) {
            m_t.Mag(m) = texte();
            m_t.NbMag = m;
            m_t.MagNbRecett(m) = nombre(INT_MIN, INT_MAX);
        }
    }

    void lireRecettes()
    {
        const int nbRecett = nombre(0, Tables::MaxRecett);
        for (int r = 1; r <= nbRecett; ++r) {
            for (int f = 0; f < 4; ++f) {
                m_t.RecettTexte(r, f) = texte();
                m_t.RecettVal(r, f) = nombre(INT_MIN, INT_MAX);
            }
            m_t.NbRecett = r;
        }
    }

    LecteurValeurs m_lecteur;
    Tables& m_t;
    PolitiqueErreurs& m_politique;
    ResultatLecture m_resultat;
};

void ajouterNombre(QString& sortie, long long n)
{
    sortie += FormatNombres::ligne(n);
    sortie += QLatin1String("\r\n");
}

QString sansGuillemet(const QString& texte)
{
    QString t = texte;
    t.replace(QLatin1Char('"'), QLatin1Char('\''));
    return t;
}

void ajouterNom(QString& sortie, const QString& nom)
{
    const QString t = sansGuillemet(nom);
    const bool aCiter = t.contains(QLatin1Char(',')) || t.contains(QLatin1Char('\r')) || t.contains(QLatin1Char('\n'));
    if (aCiter)
        sortie += QLatin1Char('"') + t + QLatin1Char('"');
    else
        sortie += t;
    sortie += QLatin1String("\r\n");
}

void ajouterCite(QString& sortie, const QString& texte)
{
    sortie += QLatin1Char('"');
    sortie += sansGuillemet(texte);
    sortie += QLatin1String("\"\r\n");
}

} // namespace

ResultatLecture lire(const QString& texte, Tables& tables, PolitiqueErreurs& politique, bool sauterEntete)
{
    // The counts grow as names are read, so a reading cut short leaves only
    // what was really read.
    tables.NbCat = tables.NbMag = tables.NbRecett = 0;
    return Lecture(texte, tables, politique).executer(sauterEntete);
}

QString ecrire(const Tables& t)
{
    QString s;
    s.reserve(64 + t.NbRecett * 80);
    ajouterNombre(s, -1);
    s += Etiquette + QLatin1String("\r\n");
    ajouterNombre(s, t.NbCat);
    for (int c = 1; c <= t.NbCat; ++c) {
        ajouterNom(s, t.Cat(c));
        ajouterNombre(s, t.CatNbRecett(c));
        ajouterNombre(s, t.NbSousCat(c));
        for (int sc = 1; sc <= t.NbSousCat(c); ++sc) {
            ajouterNom(s, t.SousCat(c, sc));
            ajouterNombre(s, t.SousCatNbRecett(c, sc));
        }
    }
    ajouterNombre(s, t.NbMag);
    for (int m = 1; m <= t.NbMag; ++m) {
        ajouterNom(s, t.Mag(m));
        ajouterNombre(s, t.MagNbRecett(m));
    }
    ajouterNombre(s, t.NbRecett);
    for (int r = 1; r <= t.NbRecett; ++r) {
        for (int f = 0; f < 4; ++f) {
            ajouterCite(s, t.RecettTexte(r, f));
            s += QString::number(t.RecettVal(r, f));
            s += QLatin1String("\r\n");
        }
    }
    return s;
}

Entete lireEntete(const QString& texte)
{
    Entete e;
    LecteurValeurs lecteur(texte);
    try {
        e.premier = lecteur.lireNombre();
        e.second = lecteur.lireTexte();
        e.lisible = true;
    } catch (const ErreurExecution&) {
    }
    return e;
}

} // namespace FichierBase
