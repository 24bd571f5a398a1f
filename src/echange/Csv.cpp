#include "Csv.h"
#include "EnteteCsv.h"
#include "base/Codec.h"
#include <QByteArrayView>
#include <algorithm>
#include <array>

namespace Csv {

namespace {

constexpr char16_t Guillemet = u'"';
constexpr char16_t Cr = u'\r';
constexpr char16_t Lf = u'\n';
constexpr char16_t Bom = 0xFEFF;
constexpr QByteArrayView BomUtf8("\xEF\xBB\xBF");

bool finDeLigne(char16_t c) { return c == Cr || c == Lf; }

// One field on the way out, written at p: quoted, a double quote doubled,
// CR LF and a lone CR made LF; `garde`: an apostrophe first. Runs without
// either character are copied whole.
void ajouterChamp(char16_t*& p, QStringView champ, bool garde)
{
    *p++ = Guillemet;
    if (garde)
        *p++ = u'\'';
    const char16_t* c = reinterpret_cast<const char16_t*>(champ.data());
    const char16_t* const fin = c + champ.size();
    const char16_t* suite = c;
    const auto copier = [&](const char16_t* jusqua) {
        std::copy(suite, jusqua, p);
        p += jusqua - suite;
    };
    for (; c < fin; ++c) {
        if (*c != Guillemet && *c != Cr)
            continue;
        copier(c);
        if (*c == Guillemet) {
            *p++ = Guillemet;
            *p++ = Guillemet;
        } else {
            *p++ = Lf;
            if (c + 1 < fin && c[1] == Lf)
                ++c;
        }
        suite = c + 1;
    }
    copier(fin);
    *p++ = Guillemet;
}

// Reads records one after another, so that guessing the separator reads the
// header alone. Each character is looked at once or twice: a 64 MB file
// costs one pass and one copy of its fields.
class Lecteur {
public:
    Lecteur(QStringView texte, QChar separateur) : m_t(texte), m_separateur(separateur.unicode())
    {
        if (!m_t.isEmpty() && m_t.front().unicode() == Bom)
            m_i = 1;
    }

    // The next record; false at the end of the text or at a quoted field
    // never closed (ligneErreur() then names the line where it began).
    bool suivant(Enregistrement& e)
    {
        passerLignesVides();
        if (m_i >= m_t.size())
            return false;
        e.ligne = m_ligne;
        // Records of one file have as many fields as the one before, most
        // often; room for a few dozen at most, whatever came before.
        e.champs.clear();
        e.champs.reserve(std::min<qsizetype>(m_champsAvant, 64));
        for (;;) {
            QString champ;
            if (m_i < m_t.size() && car(m_i) == Guillemet && !lireCite(champ))
                return false;
            ajouterNonCite(champ);
            e.champs.append(std::move(champ));
            if (m_i >= m_t.size()) {
                m_champsAvant = e.champs.size();
                return true;
            }
            if (car(m_i) != m_separateur) {
                passerFinDeLigne();
                m_champsAvant = e.champs.size();
                return true;
            }
            ++m_i;
        }
    }

    qsizetype ligneErreur() const { return m_ligneErreur; }

private:
    char16_t car(qsizetype i) const { return m_t[i].unicode(); }

    void passerLignesVides()
    {
        while (m_i < m_t.size() && finDeLigne(car(m_i)))
            passerFinDeLigne();
    }

    // CR LF, LF or a lone CR.
    void passerFinDeLigne()
    {
        if (car(m_i++) == Cr && m_i < m_t.size() && car(m_i) == Lf)
            ++m_i;
        ++m_ligne;
    }

    // Up to the separator or the line end, quotes included as they stand:
    // a whole unquoted field, or what follows a closing quote.
    void ajouterNonCite(QString& champ)
    {
        qsizetype j = m_i;
        while (j < m_t.size() && car(j) != m_separateur && !finDeLigne(car(j)))
            ++j;
        if (j > m_i)
            champ.append(m_t.sliced(m_i, j - m_i));
        m_i = j;
    }

    // From the opening quote to the closing one; line breaks inside are
    // counted so that the lines after them keep their numbers.
    bool lireCite(QString& champ)
    {
        const qsizetype ligneDebut = m_ligne;
        ++m_i;
        for (;;) {
            qsizetype j = m_i;
            for (; j < m_t.size() && car(j) != Guillemet; ++j)
                if (car(j) == Lf || (car(j) == Cr && (j + 1 == m_t.size() || car(j + 1) != Lf)))
                    ++m_ligne;
            if (j == m_t.size()) {
                m_ligneErreur = ligneDebut;
                return false;
            }
            if (champ.isEmpty())
                champ = m_t.sliced(m_i, j - m_i).toString(); // one allocation, of the exact size
            else
                champ.append(m_t.sliced(m_i, j - m_i));
            m_i = j + 1;
            if (m_i == m_t.size() || car(m_i) != Guillemet)
                return true;
            champ.append(QChar(Guillemet));
            ++m_i;
        }
    }

    QStringView m_t;
    char16_t m_separateur;
    qsizetype m_i = 0;
    qsizetype m_ligne = 1;
    qsizetype m_ligneErreur = 0;
    qsizetype m_champsAvant = 0;
};

// The number of fields the first record names under this separator. Only
// counted: a header of millions of cells lists none of them.
int colonnesReconnues(QStringView texte, QChar separateur)
{
    Lecteur lecteur(texte, separateur);
    Enregistrement entete;
    if (!lecteur.suivant(entete))
        return 0;
    std::array<bool, EnteteCsv::NombreChamps> nommes{};
    for (const QString& nom : std::as_const(entete.champs))
        if (const std::optional<EnteteCsv::Champ> c = EnteteCsv::champ(nom))
            nommes[static_cast<std::size_t>(*c)] = true;
    return static_cast<int>(std::count(nommes.begin(), nommes.end(), true));
}

// The length of the valid UTF-8 sequence starting at p, 0 when there is
// none: no overlong form, no surrogate, nothing beyond U+10FFFF, nothing cut
// short by the end.
int longueurUtf8(const unsigned char* p, qsizetype reste)
{
    const unsigned char c = p[0];
    if (c < 0x80)
        return 1;
    int longueur = 0;
    unsigned char min = 0x80;
    unsigned char max = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        longueur = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        longueur = 3;
        min = c == 0xE0 ? 0xA0 : min;
        max = c == 0xED ? 0x9F : max;
    } else if (c >= 0xF0 && c <= 0xF4) {
        longueur = 4;
        min = c == 0xF0 ? 0x90 : min;
        max = c == 0xF4 ? 0x8F : max;
    } else {
        return 0;
    }
    if (reste < longueur || p[1] < min || p[1] > max)
        return 0;
    for (int k = 2; k < longueur; ++k)
        if ((p[k] & 0xC0) != 0x80)
            return 0;
    return longueur;
}

bool utf8Valide(QByteArrayView octets)
{
    const auto* p = reinterpret_cast<const unsigned char*>(octets.data());
    const qsizetype n = octets.size();
    for (qsizetype i = 0; i < n;) {
        const int longueur = longueurUtf8(p + i, n - i);
        if (longueur == 0)
            return false;
        i += longueur;
    }
    return true;
}

} // namespace

QString ecrire(const QList<QStringList>& enregistrements, QChar separateur)
{
    Ecriture e(separateur);
    for (const QStringList& champs : enregistrements) {
        for (const QString& champ : champs)
            e.champ(champ);
        e.finEnregistrement();
    }
    return std::move(e).texte();
}

// Written in place into room grown as needed: a full base's export is a
// quarter of a million fields.
char16_t* Ecriture::place(qsizetype n)
{
    if (m_taille + n > m_texte.size())
        m_texte.resize(std::max(2 * m_texte.size(), m_taille + n + 4096));
    return reinterpret_cast<char16_t*>(m_texte.data()) + m_taille;
}

void Ecriture::champ(QStringView valeur, bool proteger)
{
    // Every character doubled at most, the separator, the quotes, the guard.
    char16_t* const debut = place(2 * valeur.size() + 4);
    char16_t* p = debut;
    if (!m_premier)
        *p++ = m_separateur;
    m_premier = false;
    ajouterChamp(p, valeur, proteger && aProteger(valeur));
    m_taille += p - debut;
}

void Ecriture::finEnregistrement()
{
    char16_t* p = place(2);
    p[0] = Cr;
    p[1] = Lf;
    m_taille += 2;
    m_premier = true;
}

QString Ecriture::texte() &&
{
    m_texte.truncate(m_taille);
    return std::move(m_texte);
}

QByteArray enUtf8AvecBom(const QString& texte) { return BomUtf8.toByteArray() + texte.toUtf8(); }

Lecture lire(QStringView texte, QChar separateur)
{
    Lecture resultat;
    Lecteur lecteur(texte, separateur);
    Enregistrement e;
    while (lecteur.suivant(e))
        resultat.enregistrements.append(std::move(e));
    if (lecteur.ligneErreur() != 0) {
        resultat.enregistrements.clear();
        resultat.ligneErreur = lecteur.ligneErreur();
        resultat.erreur =
            QStringLiteral("Le guillemet ouvert ligne %1 n'est jamais refermé.").arg(resultat.ligneErreur);
    }
    return resultat;
}

QChar devinerSeparateur(QStringView texte)
{
    QChar meilleur = SeparateurParDefaut;
    int plus = 0;
    for (const QChar candidat : {QLatin1Char(';'), QLatin1Char(','), QLatin1Char('\t')}) {
        const int reconnues = colonnesReconnues(texte, candidat);
        if (reconnues > plus) {
            plus = reconnues;
            meilleur = candidat;
        }
    }
    return meilleur;
}

Encodage detecter(const QByteArray& octets)
{
    if (octets.startsWith(BomUtf8) || utf8Valide(octets))
        return Encodage::Utf8;
    return Encodage::Windows1252;
}

QString decoder(const QByteArray& octets, Encodage encodage)
{
    if (encodage == Encodage::Windows1252)
        return Codec::decoder(octets);
    QByteArrayView texte(octets);
    if (texte.startsWith(BomUtf8))
        texte = texte.sliced(BomUtf8.size());
    return QString::fromUtf8(texte);
}

bool estTexte(const QByteArray& octets) { return !octets.contains('\0'); }

bool aProteger(QStringView valeur)
{
    static constexpr std::array<char16_t, 5> debutsDeFormule = {u'=', u'+', u'-', u'@', u'\''};
    return !valeur.isEmpty()
        && std::find(debutsDeFormule.begin(), debutsDeFormule.end(), valeur.front().unicode()) != debutsDeFormule.end();
}

QString protegerFormule(const QString& valeur) { return aProteger(valeur) ? QLatin1Char('\'') + valeur : valeur; }

QString retirerProtection(const QString& valeur)
{
    return valeur.startsWith(QLatin1Char('\'')) ? valeur.sliced(1) : valeur;
}

} // namespace Csv
