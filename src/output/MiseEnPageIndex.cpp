#include "MiseEnPageIndex.h"
#include "base/Codec.h"
#include "base/Collation.h"
#include "base/EntreesTout.h"
#include "base/Produit.h"
#include "base/Texte.h"
#include <QHash>
#include <algorithm>
#include <numeric>
#include <optional>
#include <utility>
#include <vector>

namespace MiseEnPageIndex {

QString texteNombre(qsizetype n)
{
    if (n == 0)
        return QStringLiteral("Aucune recette");
    if (n == 1)
        return QStringLiteral("1 recette");
    return QString::number(n) + QStringLiteral(" recettes");
}

namespace {

QString blancs(qsizetype n) { return QString(n, QLatin1Char(' ')); }

// Ids of packed texts, in one table probed in line: a full base looks up
// 66,000 issue numbers and pages, where QHash's generic buckets cost several
// times as much.
class IdsPackes {
public:
    // The id given to the key, or -1.
    int id(quint64 cle) const
    {
        for (std::size_t i = premiereCase(cle);; i = (i + 1) & (m_cases.size() - 1)) {
            const Case& c = m_cases[i];
            if (c.id < 0 || c.cle == cle)
                return c.id;
        }
    }
    void ajouter(quint64 cle, int id)
    {
        // At most half full, so that a look-up ends after a few cases.
        if (2 * (m_nombre + 1) > m_cases.size()) {
            const std::vector<Case> anciennes = std::exchange(m_cases, std::vector<Case>(2 * m_cases.size()));
            for (const Case& c : anciennes)
                if (c.id >= 0)
                    placer(c);
        }
        placer({cle, id});
        ++m_nombre;
    }

private:
    struct Case {
        quint64 cle = 0;
        int id = -1; // -1: an empty case
    };
    std::size_t premiereCase(quint64 cle) const
    {
        // Fibonacci hashing: the top bits of the product mix every character.
        return static_cast<std::size_t>((cle * 0x9E3779B97F4A7C15ull) >> 32) & (m_cases.size() - 1);
    }
    void placer(const Case& nouvelle)
    {
        std::size_t i = premiereCase(nouvelle.cle);
        while (m_cases[i].id >= 0)
            i = (i + 1) & (m_cases.size() - 1);
        m_cases[i] = nouvelle;
    }

    std::vector<Case> m_cases = std::vector<Case>(256); // a power of two
    std::size_t m_nombre = 0;
};

// The distinct texts of one column of the index, each with its rank in the
// collation's order. Magazines, issue numbers and pages repeat a lot: each
// distinct text is normalised and given a collation key only once.
class Colonne {
public:
    using Forme = QString (*)(const QString&);

    // The id of the text in its column form.
    int ajouter(const QString& brut, Forme forme)
    {
        // Issue numbers and pages are short: their characters packed in one
        // number are hashed far faster than the text.
        const std::optional<quint64> court = caracteresPackes(brut);
        if (court) {
            if (const int id = m_courts.id(*court); id >= 0)
                return id;
        } else {
            auto it = m_bruts.constFind(brut);
            if (it != m_bruts.constEnd())
                return *it;
        }
        const int id = idDuTexte(forme(brut));
        if (court)
            m_courts.ajouter(*court, id);
        else
            m_bruts.insert(brut, id);
        return id;
    }

    qsizetype largeurMax() const
    {
        qsizetype l = 0;
        for (const QString& t : m_textes)
            l = std::max(l, t.size());
        return l;
    }

    // Right-aligns every text in the width; distinct texts stay distinct.
    void aligner(qsizetype largeur)
    {
        for (QString& t : m_textes)
            t = blancs(largeur - t.size()) + t;
    }

    // Orders the texts; afterwards ids are ranks.
    QList<int> classer(const Collation& collation)
    {
        QList<Collation::Cle> cles;
        cles.reserve(m_textes.size());
        for (const QString& t : m_textes)
            cles.append(collation.cle(t));
        QList<int> ordre(m_textes.size());
        std::iota(ordre.begin(), ordre.end(), 0);
        std::sort(ordre.begin(), ordre.end(), [&](int a, int b) {
            return Collation::comparerCles(cles[a], m_textes[a], cles[b], m_textes[b]) < 0;
        });
        QList<int> rangDe(m_textes.size());
        QStringList classes;
        classes.reserve(m_textes.size());
        for (qsizetype r = 0; r < ordre.size(); ++r) {
            rangDe[ordre[r]] = int(r);
            classes.append(m_textes[ordre[r]]);
        }
        m_textes = classes;
        return rangDe;
    }

    // Once ranked, each text in Windows-1252, as the index writes it; true
    // when some character became "?".
    bool encoder()
    {
        bool remplace = false;
        m_octets.reserve(m_textes.size());
        for (const QString& t : m_textes) {
            QByteArray o(t.size(), Qt::Uninitialized);
            remplace |= Codec::encoderDans(t, o.data());
            m_octets.append(o);
            m_queDesBlancs.push_back(Texte::queDesBlancs(t));
        }
        return remplace;
    }

    qsizetype nombre() const { return m_textes.size(); }
    QByteArrayView octets(int rang) const { return m_octets[rang]; }
    bool queDesBlancs(int rang) const { return m_queDesBlancs[static_cast<std::size_t>(rang)]; }

private:
    // Up to eight characters of one byte, none of them null, as one number:
    // distinct texts give distinct numbers. "hs 12" and "179-181" fit.
    static std::optional<quint64> caracteresPackes(const QString& texte)
    {
        if (texte.size() > 8)
            return std::nullopt;
        quint64 n = 0;
        for (const QChar c : texte) {
            if (c.isNull() || c.unicode() > 0xFF)
                return std::nullopt;
            n = n << 8 | c.unicode();
        }
        return n;
    }

    int idDuTexte(const QString& texte)
    {
        auto id = m_ids.constFind(texte);
        if (id == m_ids.constEnd()) {
            id = m_ids.insert(texte, int(m_textes.size()));
            m_textes.append(texte);
        }
        return *id;
    }

    IdsPackes m_courts;
    QHash<QString, int> m_bruts;
    QHash<QString, int> m_ids;
    QStringList m_textes;
    QList<QByteArray> m_octets;
    std::vector<bool> m_queDesBlancs;
};

QString telQuel(const QString& t) { return t; }

QString majusculesSansBlancs(const QString& t) { return Texte::sansBlancs(t.toUpper()); }

// A found recipe by the ranks of its columns.
struct Ligne {
    int magazine;
    int numero;
    int page;
    int entree;
};

bool memePlace(const Ligne& a, const Ligne& b)
{
    return a.magazine == b.magazine && a.numero == b.numero && a.page == b.page;
}

// Recipes of one magazine, issue and page are few: their names are compared
// only there, so that a full base does not pay for 33,000 name keys.
void trierNomsDUnePlace(std::vector<Ligne>::iterator debut, std::vector<Ligne>::iterator fin,
                        const QList<Entree>& entrees, const Collation& collation)
{
    // The found list is in name order, so the names of a place usually come
    // in order too: checking that costs one comparison per name, far less
    // than their keys.
    if (std::is_sorted(debut, fin, [&](const Ligne& a, const Ligne& b) {
            if (const int c = collation.comparer(*entrees[a.entree].nom, *entrees[b.entree].nom))
                return c < 0;
            return a.entree < b.entree;
        }))
        return;
    struct AvecCle {
        Ligne ligne;
        Collation::Cle cle;
    };
    std::vector<AvecCle> groupe;
    for (auto it = debut; it != fin; ++it)
        groupe.push_back({*it, collation.cle(*entrees[it->entree].nom)});
    std::sort(groupe.begin(), groupe.end(), [&](const AvecCle& a, const AvecCle& b) {
        const QString& nomA = *entrees[a.ligne.entree].nom;
        const QString& nomB = *entrees[b.ligne.entree].nom;
        if (const int c = Collation::comparerCles(a.cle, nomA, b.cle, nomB))
            return c < 0;
        return a.ligne.entree < b.ligne.entree;
    });
    for (const AvecCle& a : groupe)
        *debut++ = a.ligne;
}

// Lines by the rank of one column, lines of equal rank in the order they
// came. Ranks are few (tens of magazines, hundreds of issues and pages):
// counting them is several times faster than comparing lines.
void trierParRang(std::vector<Ligne>& lignes, int Ligne::*colonne, qsizetype nombreDeRangs)
{
    std::vector<std::size_t> place(static_cast<std::size_t>(nombreDeRangs) + 1, 0);
    for (const Ligne& l : lignes)
        ++place[static_cast<std::size_t>(l.*colonne) + 1];
    std::partial_sum(place.begin(), place.end(), place.begin());
    std::vector<Ligne> triees(lignes.size());
    for (const Ligne& l : lignes)
        triees[place[static_cast<std::size_t>(l.*colonne)]++] = l;
    lignes.swap(triees);
}

struct Colonnes {
    Colonne magazines, numeros, pages;

    bool encoder()
    {
        const bool m = magazines.encoder(), n = numeros.encoder(), p = pages.encoder();
        return m || n || p;
    }
};

std::vector<Ligne> lignesTriees(const QStringList& magazines, const QList<Entree>& entrees, Colonnes& c,
                                const Collation& collation)
{
    // A magazine comes by its place in the list: each place is looked up in
    // its column once, rather than each recipe's magazine name hashed.
    std::vector<int> idMagazine(static_cast<std::size_t>(magazines.size()), -1);
    std::vector<Ligne> lignes;
    lignes.reserve(static_cast<std::size_t>(entrees.size()));
    for (qsizetype i = 0; i < entrees.size(); ++i) {
        const Entree& e = entrees[i];
        int& magazine = idMagazine[static_cast<std::size_t>(e.magazine)];
        if (magazine < 0)
            magazine = c.magazines.ajouter(magazines[e.magazine], telQuel);
        lignes.push_back({magazine, c.numeros.ajouter(*e.numero, majusculesSansBlancs),
                          c.pages.ajouter(*e.page, majusculesSansBlancs), int(i)});
    }
    c.numeros.aligner(c.numeros.largeurMax());
    c.pages.aligner(c.pages.largeurMax());
    const QList<int> rM = c.magazines.classer(collation);
    const QList<int> rN = c.numeros.classer(collation);
    const QList<int> rP = c.pages.classer(collation);
    for (Ligne& l : lignes)
        l = {rM[l.magazine], rN[l.numero], rP[l.page], l.entree};
    // By magazine, issue, page, then entry: the lines come in entry order,
    // and each pass keeps the order of the one before for equal ranks.
    trierParRang(lignes, &Ligne::page, c.pages.nombre());
    trierParRang(lignes, &Ligne::numero, c.numeros.nombre());
    trierParRang(lignes, &Ligne::magazine, c.magazines.nombre());
    for (auto debut = lignes.begin(); debut != lignes.end();) {
        auto fin = debut + 1;
        while (fin != lignes.end() && memePlace(*fin, *debut))
            ++fin;
        if (fin - debut > 1)
            trierNomsDUnePlace(debut, fin, entrees, collation);
        debut = fin;
    }
    return lignes;
}

QString ligneCategorie(const Criteres& c)
{
    QString texte = c.categorie == EntreesTout::Toutes ? QStringLiteral("Toutes") : c.categorie;
    if (c.sousCategorie != EntreesTout::Toutes)
        texte += QStringLiteral(" (") + c.sousCategorie + QStringLiteral(" uniquement)");
    return QStringLiteral("Catégorie : ") + texte;
}

class Redaction {
public:
    explicit Redaction(qsizetype taille) { m_texte.reserve(taille); }
    void ligne(QStringView l)
    {
        m_texte += l;
        m_texte += QLatin1String("\r\n");
    }
    QString& texte() { return m_texte; }

private:
    QString m_texte;
};

void ecrireEnTete(Redaction& r, const Criteres& c, const QDateTime& quand, qsizetype nombre)
{
    r.ligne(Produit::Version + QStringLiteral(" - Index créé le ") + quand.date().toString(QStringLiteral("dd/MM/yyyy"))
            + QStringLiteral(" à ") + quand.time().toString(QStringLiteral("HH:mm:ss")));
    r.ligne({});
    r.ligne(ligneCategorie(c));
    r.ligne(QStringLiteral("Magazine : ") + (c.magazine == EntreesTout::Tous ? QStringLiteral("Tous") : c.magazine));
    if (c.teste != QLatin1String("Peu importe"))
        r.ligne(c.teste == QStringLiteral("Testée") ? QStringLiteral("Recettes testées uniquement")
                                                    : QStringLiteral("Recettes non-testées uniquement"));
    if (!Texte::queDesBlancs(c.texte))
        r.ligne(QString(QStringLiteral("Nom des recettes contenant le texte : ") + c.texte));
    r.ligne({});
    r.ligne(texteNombre(nombre));
    r.ligne({});
    r.ligne({});
}

// Writes bytes one after the other into a buffer sized beforehand: the
// index of a full base is 33,000 lines, and appending each piece costs more
// than the copying itself. The column texts come already encoded; only the
// names are encoded here, straight into the buffer.
class Plume {
public:
    explicit Plume(char* debut) : m_p(debut) {}
    void operator<<(QByteArrayView octets) { m_p = std::copy(octets.begin(), octets.end(), m_p); }
    void blancs(qsizetype n) { m_p = std::fill_n(m_p, n, ' '); }
    // True when some character of the name became "?".
    bool nom(const QString& nom)
    {
        const bool remplace = Codec::encoderDans(nom, m_p);
        m_p += nom.size();
        return remplace;
    }
    char* position() const { return m_p; }

private:
    char* m_p;
};

// Whether a column of this line repeats the line above. Before the first
// line, the texts above count as empty.
bool commeAuDessus(const Colonne& colonne, int rang, int rangAuDessus)
{
    return rangAuDessus < 0 ? colonne.octets(rang).isEmpty() : rang == rangAuDessus;
}

// Magazine, issue and page are written once per run: a column equal to the
// line above (magazine first) is left blank. Equal ranks are equal texts.
// True when some character of a name became "?".
bool ecrireRecettes(QByteArray& t, const std::vector<Ligne>& lignes, const Colonnes& c, const QList<Entree>& entrees)
{
    // Windows-1252 captions: "°" is the byte 0xB0.
    const QByteArrayView legendeNumero(" n\xB0"), legendePage("  page "), tiret("  -"), finDeLigne("\r\n");
    // At most: a blank line before a new magazine, the three columns, their
    // captions, "  -", the name and the line end.
    constexpr qsizetype Legendes = 2 + 3 + 7 + 3 + 2;
    qsizetype borne = 0;
    for (const Ligne& l : lignes)
        borne += c.magazines.octets(l.magazine).size() + c.numeros.octets(l.numero).size()
            + c.pages.octets(l.page).size() + entrees[l.entree].nom->size() + Legendes;
    const qsizetype debut = t.size();
    t.resize(debut + borne);
    Plume plume(t.data() + debut);
    bool remplace = false;
    Ligne auDessus{-1, -1, -1, -1};
    for (const Ligne& l : lignes) {
        const QByteArrayView magazine = c.magazines.octets(l.magazine);
        const QByteArrayView numero = c.numeros.octets(l.numero);
        const QByteArrayView page = c.pages.octets(l.page);
        const bool memeMagazine = commeAuDessus(c.magazines, l.magazine, auDessus.magazine);
        const bool memeNumero = memeMagazine && commeAuDessus(c.numeros, l.numero, auDessus.numero);
        const bool memePage = memeNumero && commeAuDessus(c.pages, l.page, auDessus.page);
        if (!memeMagazine)
            plume << finDeLigne;
        if (memeMagazine)
            plume.blancs(magazine.size());
        else
            plume << magazine;
        if (memeNumero || c.numeros.queDesBlancs(l.numero))
            plume.blancs(legendeNumero.size());
        else
            plume << legendeNumero;
        if (memeNumero)
            plume.blancs(numero.size());
        else
            plume << numero;
        if (memePage || c.pages.queDesBlancs(l.page))
            plume.blancs(legendePage.size());
        else
            plume << legendePage;
        if (memePage)
            plume.blancs(page.size());
        else
            plume << page;
        plume << tiret;
        remplace |= plume.nom(*entrees[l.entree].nom);
        plume << finDeLigne;
        auDessus = l;
    }
    t.truncate(plume.position() - t.constData());
    return remplace;
}

} // namespace

Octets composer(const Criteres& criteres, const QDateTime& quand, const QStringList& magazines,
                const QList<Entree>& entrees, const Collation& collation)
{
    Colonnes colonnes;
    const std::vector<Ligne> lignes = lignesTriees(magazines, entrees, colonnes, collation);
    Redaction r(1000);
    ecrireEnTete(r, criteres, quand, entrees.size());
    Octets index;
    index.texte = Codec::encoder(r.texte(), &index.remplace);
    index.remplace |= colonnes.encoder();
    index.remplace |= ecrireRecettes(index.texte, lignes, colonnes, entrees);
    return index;
}

} // namespace MiseEnPageIndex
