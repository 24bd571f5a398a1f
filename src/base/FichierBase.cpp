#include "FichierBase.h"
#include "FormatNombres.h"
#include "LecteurValeurs.h"
#include "Tables.h"
#include "platform/PolitiqueErreurs.h"
#include <algorithm>
#include <charconv>
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

QString sansGuillemet(const QString& texte)
{
    QString t = texte;
    t.replace(QLatin1Char('"'), QLatin1Char('\''));
    return t;
}

bool aCiter(const QString& nom)
{
    return nom.contains(QLatin1Char(',')) || nom.contains(QLatin1Char('\r')) || nom.contains(QLatin1Char('\n'));
}

// The decimal digits of a whole number, with its minus sign, as QString::number
// writes it.
qsizetype longueurEntier(long long n)
{
    unsigned long long v = n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    qsizetype longueur = n < 0 ? 2 : 1;
    while (v >= 10) {
        v /= 10;
        ++longueur;
    }
    return longueur;
}

// The layout of the file, value by value, for any output: the first pass
// measures the text, the second writes it into a string of exactly that size,
// so that a full base costs one allocation.
template <class Sortie>
void disposer(const Tables& t, Sortie& s)
{
    s.nombre(-1);
    s.ligne(Etiquette);
    s.nombre(t.NbCat);
    for (int c = 1; c <= t.NbCat; ++c) {
        s.nom(t.Cat(c));
        s.nombre(t.CatNbRecett(c));
        s.nombre(t.NbSousCat(c));
        for (int sc = 1; sc <= t.NbSousCat(c); ++sc) {
            s.nom(t.SousCat(c, sc));
            s.nombre(t.SousCatNbRecett(c, sc));
        }
    }
    s.nombre(t.NbMag);
    for (int m = 1; m <= t.NbMag; ++m) {
        s.nom(t.Mag(m));
        s.nombre(t.MagNbRecett(m));
    }
    s.nombre(t.NbRecett);
    for (int r = 1; r <= t.NbRecett; ++r) {
        for (int f = 0; f < 4; ++f) {
            s.cite(t.RecettTexte(r, f));
            s.entier(t.RecettVal(r, f));
        }
    }
}

// Counts the characters the layout writes.
class Mesure {
public:
    // A number line: " 12 " or "-1 ".
    void nombre(long long n) { m_taille += FormatNombres::ligne(n).size() + 2; }
    void ligne(const QString& texte) { m_taille += texte.size() + 2; }
    // A name: bare, or quoted when it holds a comma or a line break.
    void nom(const QString& nom) { m_taille += nom.size() + (aCiter(nom) ? 2 : 0) + 2; }
    // A quoted recipe text.
    void cite(const QString& texte) { m_taille += texte.size() + 2 + 2; }
    // A bare number: "3".
    void entier(long long n) { m_taille += longueurEntier(n) + 2; }
    qsizetype taille() const { return m_taille; }

private:
    qsizetype m_taille = 0;
};

// Writes the layout into a string measured beforehand.
class Redaction {
public:
    explicit Redaction(qsizetype taille) : m_texte(taille, Qt::Uninitialized), m_p(m_texte.data()) {}

    void nombre(long long n) { ligne(FormatNombres::ligne(n)); }
    void ligne(const QString& texte)
    {
        copier(texte);
        finDeLigne();
    }
    void nom(const QString& nom)
    {
        const QString t = sansGuillemet(nom);
        if (aCiter(t))
            *m_p++ = QLatin1Char('"');
        copier(t);
        if (aCiter(t))
            *m_p++ = QLatin1Char('"');
        finDeLigne();
    }
    void cite(const QString& texte)
    {
        *m_p++ = QLatin1Char('"');
        // A double quote never reaches the file: it becomes an apostrophe.
        const auto* source = reinterpret_cast<const char16_t*>(texte.constData());
        auto* cible = reinterpret_cast<char16_t*>(m_p);
        const qsizetype n = texte.size();
        for (qsizetype i = 0; i < n; ++i)
            cible[i] = source[i] == u'"' ? u'\'' : source[i];
        m_p += n;
        *m_p++ = QLatin1Char('"');
        finDeLigne();
    }
    void entier(long long n)
    {
        const qsizetype longueur = longueurEntier(n);
        unsigned long long v = n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
        QChar* const debut = m_p;
        QChar* chiffre = debut + longueur;
        do {
            *--chiffre = QChar(u'0' + static_cast<char16_t>(v % 10));
            v /= 10;
        } while (v != 0);
        if (n < 0)
            *--chiffre = QLatin1Char('-');
        m_p = debut + longueur;
        finDeLigne();
    }
    QString resultat()
    {
        Q_ASSERT(m_p == m_texte.constData() + m_texte.size());
        return std::move(m_texte);
    }

private:
    void copier(const QString& texte)
    {
        std::copy(texte.constBegin(), texte.constEnd(), m_p);
        m_p += texte.size();
    }
    void finDeLigne()
    {
        *m_p++ = QLatin1Char('\r');
        *m_p++ = QLatin1Char('\n');
    }

    QString m_texte;
    QChar* m_p;
};

// Walks the layout over an existing text, stopping at the first character
// that differs: the writer's own layout, so that the two can never disagree.
class Comparaison {
public:
    explicit Comparaison(QStringView texte) : m_texte(texte) {}

    void nombre(long long n) { ligne(FormatNombres::ligne(n)); }
    void ligne(QStringView texte)
    {
        suivre(texte);
        finDeLigne();
    }
    void nom(const QString& nom)
    {
        const QString t = sansGuillemet(nom);
        const bool cite = aCiter(t);
        if (cite)
            caractere(u'"');
        suivre(t);
        if (cite)
            caractere(u'"');
        finDeLigne();
    }
    void cite(const QString& texte)
    {
        caractere(u'"');
        if (texte.contains(u'"')) {
            for (const QChar c : texte)
                caractere(c == u'"' ? u'\'' : c.unicode());
        } else {
            suivre(texte);
        }
        caractere(u'"');
        finDeLigne();
    }
    void entier(long long n)
    {
        char chiffres[24];
        const auto fin = std::to_chars(chiffres, chiffres + sizeof chiffres, n).ptr;
        for (const char* c = chiffres; c != fin; ++c)
            caractere(static_cast<char16_t>(*c));
        finDeLigne();
    }
    bool identique() const { return m_egal && m_p == m_texte.size(); }

private:
    void suivre(QStringView texte)
    {
        if (!m_egal || m_p + texte.size() > m_texte.size() || m_texte.mid(m_p, texte.size()) != texte) {
            m_egal = false;
            return;
        }
        m_p += texte.size();
    }
    void caractere(char16_t c)
    {
        if (m_egal && m_p < m_texte.size() && m_texte[m_p] == QChar(c))
            ++m_p;
        else
            m_egal = false;
    }
    void finDeLigne()
    {
        caractere(u'\r');
        caractere(u'\n');
    }

    QStringView m_texte;
    qsizetype m_p = 0;
    bool m_egal = true;
};

} // namespace

ResultatLecture lire(const QString& texte, Tables& tables, PolitiqueErreurs& politique, bool sauterEntete)
{
    // The counts grow as names are read, so a reading cut short leaves only
    // what was really read.
    tables.NbCat = tables.NbMag = tables.NbRecett = 0;
    return Lecture(texte, tables, politique).executer(sauterEntete);
}

bool identique(const Tables& t, QStringView texte)
{
    Comparaison comparaison(texte);
    disposer(t, comparaison);
    return comparaison.identique();
}

QString ecrire(const Tables& t)
{
    Mesure mesure;
    disposer(t, mesure);
    Redaction redaction(mesure.taille());
    disposer(t, redaction);
    return redaction.resultat();
}

} // namespace FichierBase
