#include "LecteurRtf.h"
#include "base/Codec.h"
#include <QSet>
#include <algorithm>

QString ParagrapheRtf::texte() const
{
    QString t;
    for (const PassageRtf& p : passages)
        t += p.texte;
    return t;
}

QString DocumentRtf::texte() const
{
    QStringList lignes;
    for (const ParagrapheRtf& p : paragraphes)
        lignes << p.texte();
    return lignes.join(QLatin1Char('\n'));
}

namespace {

// Groups whose content is never shown: tables, document information,
// pictures, headers and footers, field instructions, drawing objects.
const QSet<QByteArray>& destinationsIgnorees()
{
    // Read as a word list, not one name to a line.
    // clang-format off
    static const QSet<QByteArray> noms = {
        "fonttbl", "colortbl", "stylesheet", "info", "pict", "header", "headerl", "headerr", "headerf", "footer",
        "footerl", "footerr", "footerf", "footnote", "fldinst", "object", "objdata", "themedata", "colorschememapping",
        "latentstyles", "datastore", "listtable", "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "mmathPr",
        "pgdsctbl", "revtbl", "filetbl", "nonshppict", "shppict", "shp", "shpinst", "template", "ftnsep", "ftnsepc",
        "aftnsep", "aftnsepc", "annotation", "atnid", "atnauthor", "userprops", "docvar", "private", "bkmkstart",
        "bkmkend", "xe", "tc", "pnseclvl", "pn", "listpicture"};
    // clang-format on
    return noms;
}

// Control words that stand for one character.
char16_t caractereNomme(const QByteArray& nom)
{
    static const QList<std::pair<QByteArray, char16_t>> noms = {{"emdash", 0x2014},
                                                                {"endash", 0x2013},
                                                                {"bullet", 0x2022},
                                                                {"lquote", 0x2018},
                                                                {"rquote", 0x2019},
                                                                {"ldblquote", 0x201C},
                                                                {"rdblquote", 0x201D},
                                                                {"emspace", 0x2003},
                                                                {"enspace", 0x2002},
                                                                {"qmspace", 0x2005},
                                                                {"tab", u'\t'},
                                                                {"cell", u'\t'},
                                                                {"line", QChar::LineSeparator}};
    for (const auto& [n, c] : noms)
        if (n == nom)
            return c;
    return 0;
}

bool estSoulignement(const QByteArray& nom)
{
    static const QSet<QByteArray> noms = {"ul",         "uld",       "uldash",     "uldashd", "uldashdd", "uldb",
                                          "ulhwave",    "ulldash",   "ulth",       "ulthd",   "ulthdash", "ulthdashd",
                                          "ulthdashdd", "ulthldash", "ululdbwave", "ulw",     "ulwave"};
    return noms.contains(nom);
}

// What a group carries to the groups it holds.
struct EtatGroupe {
    PassageRtf format; // the character format, without text
    AlignementRtf alignement = AlignementRtf::Gauche;
    EspacementRtf espacement;
    int uc = 1;          // how many fallback characters follow \uN
    bool ignore = false; // inside a skipped destination
};

class Analyseur {
public:
    explicit Analyseur(const QByteArray& octets) : m_o(octets)
    {
        QByteArray tous(256, '\0');
        for (int i = 0; i < 256; ++i)
            tous[i] = static_cast<char>(i);
        m_windows1252 = Codec::decoder(tous);
    }

    DocumentRtf lire()
    {
        while (m_i < m_o.size() && !m_fini) {
            const char c = m_o[m_i++];
            switch (c) {
            case '{': ouvrirGroupe(); break;
            case '}': fermerGroupe(); break;
            case '\\': controle(); break;
            case '\r':
            case '\n': break;
            default: caractere(m_windows1252[static_cast<unsigned char>(c)].unicode()); break;
            }
        }
        if (!m_para.passages.isEmpty())
            finirParagraphe();
        return m_doc;
    }

private:
    void ouvrirGroupe()
    {
        m_aSauter = 0;
        ++m_profondeur;
        if (m_profondeur <= LecteurRtf::ProfondeurMax)
            m_pile.append(m_etat);
    }

    void fermerGroupe()
    {
        m_aSauter = 0;
        if (m_profondeur == 0)
            return; // a stray closing brace
        if (m_profondeur <= LecteurRtf::ProfondeurMax)
            m_etat = m_pile.takeLast();
        if (--m_profondeur == 0)
            m_fini = true; // the document's own group is closed: what follows is not part of it
    }

    bool lettre(char c) const { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    bool chiffre(char c) const { return c >= '0' && c <= '9'; }

    static int valeurHexa(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    void controle()
    {
        if (m_i >= m_o.size())
            return;
        const char c = m_o[m_i];
        if (lettre(c)) {
            motDeControle();
            return;
        }
        ++m_i;
        switch (c) {
        case '\'': octetEchappe(); break;
        case '*': m_etat.ignore = true; break; // an optional destination: none is shown here
        case '~': caractere(0x00A0); break;
        case '-': caractere(0x00AD); break;
        case '_': caractere(0x2011); break;
        case '{':
        case '}':
        case '\\': caractere(static_cast<char16_t>(c)); break;
        case '\r':
        case '\n': finParagraphe(); break;
        default: break; // other symbols (\| \: ...) mean nothing here
        }
    }

    void octetEchappe()
    {
        // Two hex digits; a cut or wrong escape is dropped and what follows is read normally.
        const int fort = m_i < m_o.size() ? valeurHexa(m_o[m_i]) : -1;
        const int faible = m_i + 1 < m_o.size() ? valeurHexa(m_o[m_i + 1]) : -1;
        if (fort < 0 || faible < 0)
            return;
        m_i += 2;
        caractere(m_windows1252[fort * 16 + faible].unicode());
    }

    void motDeControle()
    {
        QByteArray nom;
        while (m_i < m_o.size() && lettre(m_o[m_i])) {
            if (nom.size() < 32)
                nom += m_o[m_i];
            ++m_i;
        }
        bool aParametre = false;
        long long parametre = 0;
        bool negatif = false;
        if (m_i + 1 < m_o.size() && m_o[m_i] == '-' && chiffre(m_o[m_i + 1])) {
            negatif = true;
            ++m_i;
        }
        while (m_i < m_o.size() && chiffre(m_o[m_i])) {
            aParametre = true;
            // Huge numbers saturate instead of overflowing.
            parametre = std::min(parametre * 10 + (m_o[m_i] - '0'), 1'000'000'000LL);
            ++m_i;
        }
        if (m_i < m_o.size() && m_o[m_i] == ' ')
            ++m_i; // the blank that ends a control word belongs to it
        const int valeur = static_cast<int>(negatif ? -parametre : parametre);
        if (nom == "bin") {
            sauterBinaire(aParametre ? valeur : 0);
            return;
        }
        if (m_aSauter > 0) {
            --m_aSauter; // a control word can stand as the fallback of \uN
            return;
        }
        appliquer(nom, aParametre, valeur);
    }

    void sauterBinaire(int longueur)
    {
        if (longueur > 0)
            m_i += std::min<qsizetype>(longueur, m_o.size() - m_i);
    }

    void appliquer(const QByteArray& nom, bool aParametre, int valeur)
    {
        const bool actif = !aParametre || valeur != 0;
        if (destinationsIgnorees().contains(nom))
            m_etat.ignore = true;
        else if (nom == "par" || nom == "sect" || nom == "page" || nom == "row")
            finParagraphe();
        else if (const char16_t c = caractereNomme(nom))
            caractere(c);
        else if (nom == "u" && aParametre)
            unicode(valeur);
        else if (nom == "uc" && aParametre)
            m_etat.uc = std::clamp(valeur, 0, 16);
        else if (nom == "b")
            m_etat.format.gras = actif;
        else if (nom == "i")
            m_etat.format.italique = actif;
        else if (estSoulignement(nom))
            m_etat.format.souligne = actif;
        else if (nom == "ulnone")
            m_etat.format.souligne = false;
        else if (nom == "fs")
            m_etat.format.demiPoints = aParametre ? std::clamp(valeur, 2, 2000) : 24;
        else if (nom == "plain")
            m_etat.format = PassageRtf();
        else if (nom == "pard") {
            m_etat.alignement = AlignementRtf::Gauche;
            m_etat.espacement = EspacementRtf();
        } else if (nom == "ql")
            m_etat.alignement = AlignementRtf::Gauche;
        else if (nom == "sb")
            m_etat.espacement.avant = twips(valeur);
        else if (nom == "sa")
            m_etat.espacement.apres = twips(valeur);
        else if (nom == "li")
            m_etat.espacement.retraitGauche = twips(valeur);
        else if (nom == "fi")
            m_etat.espacement.retraitPremiere = twips(valeur);
        else if (nom == "qc")
            m_etat.alignement = AlignementRtf::Centre;
        else if (nom == "qr")
            m_etat.alignement = AlignementRtf::Droite;
        else if (nom == "qj" || nom == "qd")
            m_etat.alignement = AlignementRtf::Justifie;
        // Every other control word is formatting this viewer does not keep.
    }

    // Distances beyond a page's width are not meant: they are kept within one.
    static int twips(int valeur) { return std::clamp(valeur, -15000, 15000); }

    void unicode(int valeur)
    {
        // Values above 32767 are written negative; anything outside 16 bits is not a character.
        const int code = valeur < 0 ? valeur + 65536 : valeur;
        ecrire(code >= 0 && code <= 0xFFFF ? static_cast<char16_t>(code) : char16_t(0xFFFD));
        m_aSauter = m_etat.uc;
    }

    // A character of the text, unless it is the fallback of a \uN just read.
    void caractere(char16_t c)
    {
        if (m_aSauter > 0) {
            --m_aSauter;
            return;
        }
        ecrire(c);
    }

    void ecrire(char16_t c)
    {
        if (m_etat.ignore || m_profondeur == 0)
            return;
        QList<PassageRtf>& passages = m_para.passages;
        if (passages.isEmpty() || !passages.last().memeFormat(m_etat.format)) {
            passages.append(m_etat.format);
            passages.last().texte.clear();
        }
        passages.last().texte += QChar(c);
    }

    void finParagraphe()
    {
        if (m_etat.ignore || m_profondeur == 0)
            return;
        finirParagraphe();
    }

    void finirParagraphe()
    {
        // A paragraph takes the alignment and spacing in force when it ends.
        m_para.alignement = m_etat.alignement;
        m_para.espacement = m_etat.espacement;
        m_doc.paragraphes.append(m_para);
        m_para = ParagrapheRtf();
    }

    const QByteArray& m_o;
    QString m_windows1252;
    qsizetype m_i = 0;
    QList<EtatGroupe> m_pile; // the states of the enclosing groups
    EtatGroupe m_etat;
    int m_profondeur = 0;
    int m_aSauter = 0; // fallback characters of \uN still to skip
    bool m_fini = false;
    DocumentRtf m_doc;
    ParagrapheRtf m_para;
};

DocumentRtf texteBrut(const QByteArray& octets)
{
    DocumentRtf doc;
    QString texte = Codec::decoder(octets);
    texte.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (texte.endsWith(QLatin1Char('\n')))
        texte.chop(1);
    if (texte.isEmpty())
        return doc;
    for (const QString& ligne : texte.split(QLatin1Char('\n'))) {
        ParagrapheRtf p;
        if (!ligne.isEmpty()) {
            p.passages.append(PassageRtf());
            p.passages.last().texte = ligne;
        }
        doc.paragraphes.append(p);
    }
    return doc;
}

} // namespace

namespace LecteurRtf {

bool estRtf(const QByteArray& octets) { return octets.trimmed().startsWith("{\\rtf"); }

DocumentRtf lire(const QByteArray& octets)
{
    if (!estRtf(octets))
        return texteBrut(octets);
    return Analyseur(octets).lire();
}

} // namespace LecteurRtf
