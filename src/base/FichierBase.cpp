#include "FichierBase.h"
#include "Codec.h"
#include "FormatNombres.h"
#include "LecteurValeurs.h"
#include "Tables.h"
#include "platform/PolitiqueErreurs.h"
#include <algorithm>
#include <charconv>
#include <climits>
#include <cstring>
#include <functional>
#include <future>
#include <thread>
#include <type_traits>
#include <vector>

namespace FichierBase {

namespace {

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

// Thrown when the user cancels a failing value: the reading ends there.
struct LectureInterrompue {};

// A recipe's number in the form the writer gives it, taken in one step.
bool entierSimple(LecteurOctets& lecteur, int& valeur)
{
    long long simple = 0;
    if (!lecteur.lireNombreSeul(simple, INT_MIN, INT_MAX))
        return false;
    valeur = static_cast<int>(simple);
    return true;
}

// A base of that many recipes is read and written in two halves, one on each
// core, where there are two; below, the other core costs more than it saves.
bool enDeuxMoities(int nbRecett)
{
    constexpr int MinRecettes = 4000;
    return nbRecett >= MinRecettes && std::thread::hardware_concurrency() > 1;
}

// The second half of a large base's recipes, read on another core while the
// first is read as usual. A recipe in the form the writer gives it holds four
// quoted texts (eight quotes, as no text holds one) and four numbers, each
// alone on its line: counting quotes finds where the half should begin. The
// other core takes only values in that form, the only ones that need neither
// a box nor a repair, into its own strings; it stops before the first recipe
// holding another. The first half must end exactly where the second began,
// which proves the guess; otherwise its work is dropped and the reading goes
// on value by value, as if it had been alone.
class SecondeMoitie {
    static constexpr int Champs = 4; // texts, and numbers, of a recipe

public:
    struct Debut {
        int recette = 0; // 0: the base is read by one core
        qsizetype position = 0;
    };
    struct Fin {
        int derniere = 0; // the last recipe read whole
        qsizetype position = 0;
    };

    // Where the second half of `nbRecett` recipes begins, the reader standing
    // at the first.
    static Debut trouver(const LecteurOctets& lecteur, int nbRecett)
    {
        if (!enDeuxMoities(nbRecett))
            return {};
        const int recette = nbRecett / 2 + 1;
        const qsizetype guillemet = rangDuGuillemet(lecteur.unites(), lecteur.position(), lecteur.source().size(),
                                                    2LL * Champs * (recette - 1));
        return guillemet < 0 ? Debut{} : Debut{recette, guillemet};
    }

    SecondeMoitie(const QByteArray& octets, Tables& t, Debut debut, int nbRecett, qsizetype* debuts)
        : m_textes(t.RecettTexte.ecritureEnBloc()), m_valeurs(t.RecettVal.ecritureEnBloc()), m_debuts(debuts),
          m_fil([this, octets, debut, nbRecett] { lire(octets, debut, nbRecett); })
    {}

    Fin attendre()
    {
        m_fil.join();
        return m_fin;
    }

private:
    void lire(const QByteArray& octets, Debut debut, int nbRecett)
    {
        LecteurOctets lecteur(octets);
        lecteur.aller(debut.position);
        RecueilTextes recueil;
        int r = debut.recette;
        for (; r <= nbRecett; ++r) {
            const qsizetype depart = lecteur.position();
            m_debuts[r] = depart;
            if (!lireRecette(lecteur, recueil, r)) {
                lecteur.aller(depart);
                break;
            }
        }
        m_fin = {r - 1, lecteur.position()};
    }

    bool lireRecette(LecteurOctets& lecteur, RecueilTextes& recueil, int r)
    {
        QString* const textes = m_textes + static_cast<std::ptrdiff_t>(r) * Champs;
        int* const valeurs = m_valeurs + static_cast<std::ptrdiff_t>(r) * Champs;
        for (int f = 0; f < Champs; ++f)
            if (!lecteur.lireTexteSeul(textes[f], recueil) || !entierSimple(lecteur, valeurs[f]))
                return false;
        return true;
    }

    // The position of the quote of that rank (from 0) from `debut`, or -1.
    // Bytes are counted by blocks, in a loop the compiler turns into vector
    // code, then the block that holds it byte by byte.
    static qsizetype rangDuGuillemet(const unsigned char* t, qsizetype debut, qsizetype fin, long long rang)
    {
        constexpr qsizetype Bloc = 4096;
        qsizetype i = debut;
        long long vus = 0;
        for (; i + Bloc <= fin; i += Bloc) {
            int dansLeBloc = 0;
            for (qsizetype k = i; k < i + Bloc; ++k)
                dansLeBloc += t[k] == '"';
            if (vus + dansLeBloc > rang)
                break;
            vus += dansLeBloc;
        }
        for (; i < fin; ++i)
            if (t[i] == '"' && vus++ == rang)
                return i;
        return -1;
    }

    QString* const m_textes;
    int* const m_valeurs;
    qsizetype* const m_debuts;
    Fin m_fin;
    std::jthread m_fil; // last: it starts once the rest is ready; a reading cut short waits for it
};

class Lecture {
public:
    Lecture(const QByteArray& octets, Tables& t, PolitiqueErreurs& p) : m_lecteur(octets), m_t(t), m_politique(p) {}

    ResultatLecture executer(bool sauterEntete)
    {
        try {
            if (sauterEntete) {
                nombre(-1, -1);
                QString etiquette;
                nom(etiquette);
                m_resultat.retouchee |= etiquette != Etiquette;
            }
            lireCategories();
            lireMagazines();
            lireRecettes();
            m_resultat.retouchee |= !m_lecteur.fin();
        } catch (const LectureInterrompue&) {
            m_resultat.interrompue = true;
            m_t.remettreEnCoherence();
        }
        m_resultat.retouchee |= m_resultat.erreurs;
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

    long long lireNombreDansLes(long long min, long long max)
    {
        const long long v = m_lecteur.lireNombre();
        if (v < min || v > max)
            throw ErreurExecution(v < INT_MIN || v > INT_MAX ? Erreurs::DepassementCapacite
                                                             : Erreurs::IndiceHorsSelection);
        return v;
    }

    // A number line: " 12 " or "-1 ".
    int nombre(long long min, long long max)
    {
        int n = 0;
        valeur([&] {
            const qsizetype debut = m_lecteur.position();
            n = static_cast<int>(lireNombreDansLes(min, max));
            const QByteArrayView b = brut(debut);
            const qsizetype taille = (n < 0 ? 0 : 1) + longueurEntier(n) + 1 + 2;
            forme(b, b.size() == taille && b[0] == (n < 0 ? '-' : ' ') && b[taille - 3] == ' ');
        });
        return n;
    }

    // A bare number of a recipe: "3". In its plain form it stands as the
    // writer puts it, and is taken in one step.
    int entier()
    {
        int n = 0;
        if (entierSimple(m_lecteur, n))
            return n;
        valeur([&] {
            const qsizetype debut = m_lecteur.position();
            n = static_cast<int>(lireNombreDansLes(INT_MIN, INT_MAX));
            const QByteArrayView b = brut(debut);
            forme(b, b.size() == longueurEntier(n) + 2 && (b[0] == '-' || (b[0] >= '0' && b[0] <= '9')));
        });
        return n;
    }

    // A name: bare, or quoted when it holds a comma or a line break. Read
    // straight into its table's string (see LecteurValeurs::lireTexte).
    void nom(QString& t)
    {
        valeur([&] {
            const qsizetype debut = m_lecteur.position();
            m_lecteur.lireTexte(t);
            const QByteArrayView b = brut(debut);
            const bool cite = aCiter(t);
            const qsizetype taille = t.size() + (cite ? 2 : 0) + 2;
            // A bare name begins the value: no blank before it.
            forme(b,
                  b.size() == taille && !t.contains(u'"')
                      && (cite ? b[0] == '"' && b[taille - 3] == '"' : t.isEmpty() || (b[0] != ' ' && b[0] != '\t')));
        });
    }

    // A recipe's text, always quoted. In its plain form it stands as the
    // writer puts it, and is taken in one step.
    void cite(QString& t)
    {
        if (m_lecteur.lireTexteSeul(t, m_recueil))
            return;
        valeur([&] {
            const qsizetype debut = m_lecteur.position();
            m_lecteur.lireTexte(t);
            const QByteArrayView b = brut(debut);
            forme(b, b.size() == t.size() + 4 && b[0] == '"' && b[b.size() - 3] == '"');
        });
    }

    // What the value just read took in the file.
    QByteArrayView brut(qsizetype debut) const
    {
        return QByteArrayView(m_lecteur.unites() + debut, m_lecteur.position() - debut);
    }

    // Each value must stand exactly as the writer puts it, its line ended by
    // CR LF: otherwise saving the base would change the file.
    void forme(QByteArrayView b, bool exacte)
    {
        const qsizetype n = b.size();
        m_resultat.retouchee |= !(exacte && n >= 2 && b[n - 2] == '\r' && b[n - 1] == '\n');
    }

    void lireCategories()
    {
        const int nbCat = nombre(0, Tables::MaxCat);
        for (int c = 1; c <= nbCat; ++c) {
            nom(m_t.Cat(c));
            m_t.NbSousCat(c) = 0;
            m_t.NbCat = c;
            m_t.CatNbRecett(c) = nombre(INT_MIN, INT_MAX);
            const int nbSousCat = nombre(0, Tables::MaxSousCat);
            for (int s = 1; s <= nbSousCat; ++s) {
                nom(m_t.SousCat(c, s));
                m_t.NbSousCat(c) = s;
                m_t.SousCatNbRecett(c, s) = nombre(INT_MIN, INT_MAX);
            }
        }
    }

    void lireMagazines()
    {
        const int nbMag = nombre(0, Tables::MaxMag);
        for (int m = 1; m <= nbMag; ++m) {
            nom(m_t.Mag(m));
            m_t.NbMag = m;
            m_t.MagNbRecett(m) = nombre(INT_MIN, INT_MAX);
        }
    }

    // A large base's second half is read on another core (see
    // SecondeMoitie); this one reads the first, then what the other left.
    void lireRecettes()
    {
        const int nbRecett = nombre(0, Tables::MaxRecett);
        m_resultat.debuts.assign(static_cast<std::size_t>(nbRecett) + 2, 0);
        const SecondeMoitie::Debut debut = SecondeMoitie::trouver(m_lecteur, nbRecett);
        if (debut.recette == 0) {
            lireRecettesDe(1, nbRecett);
            return;
        }
        SecondeMoitie seconde(m_lecteur.source(), m_t, debut, nbRecett, m_resultat.debuts.data());
        lireRecettesDe(1, debut.recette - 1);
        const SecondeMoitie::Fin fin = seconde.attendre();
        if (m_lecteur.position() != debut.position) // the half did not begin there after all
            return lireRecettesDe(debut.recette, nbRecett);
        m_t.NbRecett = fin.derniere;
        m_lecteur.aller(fin.position);
        lireRecettesDe(fin.derniere + 1, nbRecett);
    }

    void lireRecettesDe(int de, int a)
    {
        for (int r = de; r <= a; ++r) {
            m_resultat.debuts[static_cast<std::size_t>(r)] = m_lecteur.position();
            QString* const textes = m_t.RecettTexte.ligne(r);
            int* const valeurs = m_t.RecettVal.ligne(r);
            for (int f = 0; f < 4; ++f) {
                cite(textes[f]);
                valeurs[f] = entier();
            }
            m_t.NbRecett = r;
        }
    }

    LecteurOctets m_lecteur;
    RecueilTextes m_recueil; // its keys are m_lecteur's bytes
    Tables& m_t;
    PolitiqueErreurs& m_politique;
    ResultatLecture m_resultat;
};

// The layout of the file, value by value, for any output: the first pass
// measures the text, the second writes it into a string of exactly that size,
// so that a full base costs one allocation.
template <class Sortie>
void disposerEntete(const Tables& t, Sortie& s)
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
}

template <class Sortie>
void disposerRecettes(const Tables& t, Sortie& s, int de, int a)
{
    for (int r = de; r <= a; ++r) {
        s.recette(r);
        for (int f = 0; f < 4; ++f) {
            s.cite(t.RecettTexte(r, f));
            s.entier(t.RecettVal(r, f));
        }
    }
}

template <class Sortie>
void disposer(const Tables& t, Sortie& s)
{
    disposerEntete(t, s);
    disposerRecettes(t, s, 1, t.NbRecett);
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
    void recette(int) {}
    qsizetype taille() const { return m_taille; }

private:
    qsizetype m_taille = 0;
};

// Writes the layout into a buffer measured beforehand: the text (QString), or
// straight the file's Windows-1252 bytes (QByteArray), each value encoded as
// it is written, so that a save builds no text and makes no second pass.
template <class Chaine>
class Redaction {
    static constexpr bool EnOctets = std::is_same_v<Chaine, QByteArray>;
    using Unite = std::conditional_t<EnOctets, char, QChar>;
    static Unite unite(char c)
    {
        if constexpr (EnOctets)
            return c;
        else
            return QLatin1Char(c);
    }

public:
    explicit Redaction(qsizetype taille) : m_texte(taille, Qt::Uninitialized), m_p(m_texte.data()), m_origine(m_p) {}
    // Into a buffer measured and owned elsewhere (the part another core
    // writes); with `debuts`, where each recipe begins from `debut` on.
    explicit Redaction(Unite* debut, qsizetype* debuts = nullptr) : m_p(debut), m_origine(debut), m_debuts(debuts) {}
    Unite* fin() const { return m_p; }

    void nombre(long long n) { ligne(FormatNombres::ligne(n)); }
    void ligne(const QString& texte)
    {
        copier(texte);
        finDeLigne();
    }
    void nom(const QString& nom)
    {
        const bool cite = aCiter(nom);
        if (cite)
            *m_p++ = unite('"');
        copierSansGuillemet(nom);
        if (cite)
            *m_p++ = unite('"');
        finDeLigne();
    }
    void cite(const QString& texte)
    {
        *m_p++ = unite('"');
        copierSansGuillemet(texte);
        *m_p++ = unite('"');
        finDeLigne();
    }
    void entier(long long n)
    {
        const qsizetype longueur = longueurEntier(n);
        unsigned long long v = n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
        Unite* const debut = m_p;
        Unite* chiffre = debut + longueur;
        do {
            *--chiffre = unite(static_cast<char>('0' + v % 10));
            v /= 10;
        } while (v != 0);
        if (n < 0)
            *--chiffre = unite('-');
        m_p = debut + longueur;
        finDeLigne();
    }
    void recette(int r)
    {
        if (m_debuts)
            m_debuts[r] = m_p - m_origine;
    }
    // Bytes written by an earlier save, as they were.
    void recopier(const char* octets, qsizetype n)
    {
        static_assert(EnOctets);
        std::memcpy(m_p, octets, static_cast<std::size_t>(n));
        m_p += n;
    }
    // The bytes only: some character had no Windows-1252 byte and became "?".
    bool remplace() const { return m_remplace; }
    Chaine resultat()
    {
        Q_ASSERT(m_p == m_texte.constData() + m_texte.size());
        return std::move(m_texte);
    }

private:
    void copier(const QString& texte)
    {
        if constexpr (EnOctets)
            m_remplace |= Codec::encoderDans(texte, m_p);
        else
            std::copy(texte.constBegin(), texte.constEnd(), m_p);
        m_p += texte.size();
    }
    // A double quote never reaches the file: it becomes an apostrophe.
    void copierSansGuillemet(const QString& texte)
    {
        Unite* const debut = m_p;
        copier(texte);
        if constexpr (EnOctets) { // quotes are rare: memchr passes over the rest many bytes at a time
            for (char* c = debut; (c = static_cast<char*>(std::memchr(c, '"', m_p - c))) != nullptr;)
                *c++ = '\'';
        } else {
            std::replace(debut, m_p, unite('"'), unite('\''));
        }
    }
    void finDeLigne()
    {
        *m_p++ = unite('\r');
        *m_p++ = unite('\n');
    }

    Chaine m_texte;
    Unite* m_p;
    const Unite* m_origine;
    qsizetype* m_debuts = nullptr;
    bool m_remplace = false;
};

// The second half of a large base's recipes, written on another core: it
// tells its size, then writes its bytes where it is told, and where each
// recipe begins from there on into `debuts` when given. True when some
// character became "?".
bool ecrireSecondeMoitie(const Tables& t, int de, std::promise<qsizetype> taille, std::future<char*> debut,
                         qsizetype* debuts)
{
    Mesure mesure;
    disposerRecettes(t, mesure, de, t.NbRecett);
    taille.set_value(mesure.taille());
    Redaction<QByteArray> redaction(debut.get(), debuts);
    disposerRecettes(t, redaction, de, t.NbRecett);
    return redaction.remplace();
}

// Every value encoded, a large base's second half of recipes on the other
// core, straight into the buffer once both halves are measured. One byte per
// character: the measure of the text is that of the bytes.
QByteArray encoderTout(const Tables& t, qsizetype* debuts, bool& remplace)
{
    const int premieres = enDeuxMoities(t.NbRecett) ? t.NbRecett / 2 : t.NbRecett;
    // Declared first, so destroyed last: should this core fail before it
    // gives the place, the promise broken first ends the other's wait.
    std::future<bool> seconde;
    std::promise<char*> debutSeconde;
    std::future<qsizetype> tailleSeconde;
    if (premieres < t.NbRecett) {
        std::promise<qsizetype> taille;
        tailleSeconde = taille.get_future();
        seconde = std::async(std::launch::async, ecrireSecondeMoitie, std::cref(t), premieres + 1, std::move(taille),
                             debutSeconde.get_future(), debuts);
    }
    Mesure mesure;
    disposerEntete(t, mesure);
    disposerRecettes(t, mesure, 1, premieres);
    const qsizetype taillePremiere = mesure.taille();
    QByteArray octets(taillePremiere + (seconde.valid() ? tailleSeconde.get() : 0), Qt::Uninitialized);
    if (seconde.valid())
        debutSeconde.set_value(octets.data() + taillePremiere);
    Redaction<QByteArray> redaction(octets.data(), debuts);
    disposerEntete(t, redaction);
    disposerRecettes(t, redaction, 1, premieres);
    Q_ASSERT(redaction.fin() == octets.data() + taillePremiere);
    remplace = seconde.valid() && seconde.get();
    remplace |= redaction.remplace();
    // The other core counted its recipes' places from its own first byte.
    if (debuts && premieres < t.NbRecett)
        std::for_each(debuts + premieres + 1, debuts + t.NbRecett + 1, [&](qsizetype& d) { d += taillePremiere; });
    return octets;
}

// The rows whose bytes in `deja` are still theirs (the same tables, a row
// that the last save wrote and that nobody wrote since), by row from 1; none
// when copying does not pay. It pays while few recipes were written since the
// last save; after a deletion near the top, which moves every row below it,
// encoding them all on two cores is faster. Measuring and writing both follow
// this one decision.
std::vector<bool> lignesInchangees(const Tables& t, const DejaEcrit& deja)
{
    if (deja.tables != &t || deja.debuts.empty())
        return {};
    const int gardees = static_cast<int>(deja.debuts.size()) - 2;
    std::vector<bool> inchangees(static_cast<std::size_t>(t.NbRecett) + 1, false);
    int ecrites = 0;
    for (int r = 1; r <= t.NbRecett; ++r) {
        const bool inchangee =
            r <= gardees && !t.RecettTexte.ligneEcrite(r, deja.tampon) && !t.RecettVal.ligneEcrite(r, deja.tampon);
        inchangees[static_cast<std::size_t>(r)] = inchangee;
        ecrites += inchangee ? 0 : 1;
    }
    if (ecrites > t.NbRecett / 4)
        return {};
    return inchangees;
}

// The header and the recipes written since the last save are encoded; the
// others are copied from its bytes, by runs of unchanged rows.
QByteArray recopierInchangees(const Tables& t, const DejaEcrit& deja, const std::vector<bool>& inchangees,
                              qsizetype* debuts, bool& remplace)
{
    const auto inchangee = [&](int r) { return inchangees[static_cast<std::size_t>(r)]; };
    Mesure mesure;
    disposerEntete(t, mesure);
    qsizetype recopies = 0;
    for (int r = 1; r <= t.NbRecett; ++r) {
        if (inchangee(r))
            recopies += deja.debuts[r + 1] - deja.debuts[r];
        else
            disposerRecettes(t, mesure, r, r);
    }
    QByteArray octets(mesure.taille() + recopies, Qt::Uninitialized);
    Redaction<QByteArray> redaction(octets.data(), debuts);
    disposerEntete(t, redaction);
    for (int r = 1; r <= t.NbRecett;) {
        if (!inchangee(r)) {
            disposerRecettes(t, redaction, r, r);
            ++r;
            continue;
        }
        int fin = r + 1;
        while (fin <= t.NbRecett && inchangee(fin))
            ++fin;
        const qsizetype decalage = (redaction.fin() - octets.data()) - deja.debuts[r];
        for (int k = r; k < fin; ++k)
            debuts[k] = deja.debuts[k] + decalage;
        redaction.recopier(deja.octets.constData() + deja.debuts[r], deja.debuts[fin] - deja.debuts[r]);
        r = fin;
    }
    Q_ASSERT(redaction.fin() == octets.data() + octets.size());
    remplace = redaction.remplace();
    return octets;
}

// Bytes the tables would write, with where each recipe begins in them, kept
// for the next save as of the last stamp given.
DejaEcrit garder(const Tables& t, const QByteArray& octets, std::vector<qsizetype> debuts)
{
    debuts.back() = octets.size();
    return {&t, octets, std::move(debuts), Tampon::dernier()};
}

} // namespace

ResultatLecture lire(const QByteArray& octets, Tables& tables, PolitiqueErreurs& politique, bool sauterEntete)
{
    // The counts grow as names are read, so a reading cut short leaves only
    // what was really read.
    tables.NbCat = tables.NbMag = tables.NbRecett = 0;
    return Lecture(octets, tables, politique).executer(sauterEntete);
}

void retenirLecture(const Tables& t, const QByteArray& octets, ResultatLecture& r, DejaEcrit& deja)
{
    if (r.erreurs || r.retouchee || r.interrompue || r.debuts.size() != static_cast<std::size_t>(t.NbRecett) + 2) {
        deja = DejaEcrit();
        return;
    }
    deja = garder(t, octets, std::move(r.debuts));
}

QString ecrire(const Tables& t)
{
    Mesure mesure;
    disposer(t, mesure);
    Redaction<QString> redaction(mesure.taille());
    disposer(t, redaction);
    return redaction.resultat();
}

QByteArray octets(const Tables& t, bool* remplace, DejaEcrit* deja)
{
    std::vector<qsizetype> debuts(deja ? static_cast<std::size_t>(t.NbRecett) + 2 : 0);
    bool remplaceIci = false;
    const std::vector<bool> inchangees = deja ? lignesInchangees(t, *deja) : std::vector<bool>();
    QByteArray octets = !inchangees.empty() ? recopierInchangees(t, *deja, inchangees, debuts.data(), remplaceIci)
                                            : encoderTout(t, deja ? debuts.data() : nullptr, remplaceIci);
    if (remplace)
        *remplace = remplaceIci;
    if (deja) {
        // A "?" stands for a character that the tables still hold: those
        // bytes are not the recipes' own, and are not copied again.
        *deja = remplaceIci ? DejaEcrit() : garder(t, octets, std::move(debuts));
    }
    return octets;
}

} // namespace FichierBase
