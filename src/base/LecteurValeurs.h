#pragma once
#include "RecueilTextes.h"
#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cstring>
#include <type_traits>

// The reading rules of the program's text files: values are taken one after
// the other; a value ends at a comma or at the end of its line, and the line
// end after it is consumed. A value that begins with a double quote is the
// text up to the next double quote, commas and line breaks included.
//
// A value that cannot be read throws ErreurExecution and leaves the position
// where it was, so that a retried step reads the same value again.
//
// LecteurValeurs reads a text; LecteurOctets reads the Windows-1252 bytes of a
// file as they are, decoding only the values it gives, so that a base is read
// without a decoded copy of the whole file.
template <class Unite>
class LecteurDe {
public:
    using Source = std::conditional_t<std::is_same_v<Unite, char16_t>, QString, QByteArray>;

    explicit LecteurDe(Source source);

    // A whole number, blanks around it ignored.
    long long lireNombre();
    // A name: from its first non-blank character up to the first comma or the
    // end of the line; a quoted value gives the text between the quotes.
    QString lireTexte();
    // The same put into `cible`, in its own buffer when it is not shared and
    // large enough: reading a base over the previous one then neither frees
    // nor allocates its 132,000 strings.
    void lireTexte(QString& cible);
    // The rest of the current line from its first non-blank character, commas
    // included (a path in the settings file).
    QString lireLigne();

    // A value in its plain form, alone on its line ended by CR LF, taken in
    // one step: a quoted text holding no quote (into `cible` as lireTexte), or
    // a whole number within [min, max] with no blank, no plus sign and no
    // leading zero. False, the position unchanged, for any other value, left
    // to the general way above.
    // Inline: they read nearly every value of a base.
    // The text comes from a file's bytes, a repeated one sharing the string
    // of its first occurrence (see RecueilTextes): a template of its own, so
    // that the reader of characters leaves it out.
    template <class U = Unite>
    requires std::is_same_v<U, unsigned char>
    bool lireTexteSeul(QString& cible, RecueilTextes& recueil)
    {
        const qsizetype fermante = fermanteSeule();
        if (fermante < 0)
            return false;
        const Unite* const texte = m_unites + m_pos + 1;
        const qsizetype n = fermante - m_pos - 1;
        // Into an empty slot (a base read at start-up, or longer than the
        // previous one) the text is shared; over a previous base's string,
        // its buffer is reused: either way, no allocation for most values.
        if (n == 0 || !cible.isNull())
            remplir(cible, texte, n);
        else
            recueil.partager(cible, texte, n, [&] { remplir(cible, texte, n); });
        m_pos = fermante + 3;
        return true;
    }
    bool lireNombreSeul(long long& valeur, long long min, long long max)
    {
        const Unite* const t = m_unites;
        const bool negatif = t[m_pos] == '-';
        const qsizetype debut = m_pos + (negatif ? 1 : 0);
        qsizetype i = debut;
        long long v = 0;
        // t[i] - '0' as unsigned is above 9 for any character but a digit.
        for (unsigned chiffre; (chiffre = t[i] - '0') <= 9 && i - debut < 18; ++i)
            v = v * 10 + chiffre;
        const qsizetype chiffres = i - debut;
        const bool zeroEnTete = t[debut] == '0' && (chiffres > 1 || negatif); // "-0" included
        if (chiffres == 0 || zeroEnTete || t[i] != '\r' || t[i + 1] != '\n')
            return false;
        v = negatif ? -v : v;
        if (v < min || v > max)
            return false;
        valeur = v;
        m_pos = i + 2;
        return true;
    }

    // Passes over the value at the position, whatever it holds (after a
    // value the user chose to skip).
    void passer();

    bool fin() const { return m_pos >= m_source.size(); }
    qsizetype position() const { return m_pos; }
    // Goes to a position where a value begins (the second half of a base).
    void aller(qsizetype position) { m_pos = position; }
    const Source& source() const { return m_source; }
    // The source as it is read, followed by a null.
    const Unite* unites() const { return m_unites; }

private:
    // The raw value at the position and where the next value begins.
    struct Brut {
        const Unite* texte = nullptr; // within the source
        qsizetype taille = 0;
        bool cite = false;
        qsizetype suivant = 0;
    };
    Brut brut() const;
    // The closing quote of a plain quoted text at the position, alone on its
    // line ended by CR LF, or -1.
    qsizetype fermanteSeule() const
    {
        const Unite* const t = m_unites;
        if (t[m_pos] != '"')
            return -1;
        const qsizetype fermante = guillemetSuivant(m_pos + 1);
        // The null after the source stops the tests at its end.
        if (fermante == m_source.size() || t[fermante + 1] != '\r' || t[fermante + 2] != '\n')
            return -1;
        return fermante;
    }
    // The common case of a number read without building any text: blanks,
    // an optional minus sign, at most 18 digits, blanks, then the end of the value.
    // False (position unchanged) for anything else, left to the general way.
    bool nombreSimple(long long& valeur);
    // The first double quote from i, or the size of the source. Bytes are
    // searched by memchr, many at a time; characters by std::find, unrolled.
    qsizetype guillemetSuivant(qsizetype i) const
    {
        const qsizetype n = m_source.size();
        if constexpr (std::is_same_v<Unite, char16_t>) {
            return std::find(m_unites + i, m_unites + n, u'"') - m_unites;
        } else {
            const void* trouve = std::memchr(m_unites + i, '"', static_cast<std::size_t>(n - i));
            return trouve ? static_cast<const Unite*>(trouve) - m_unites : n;
        }
    }
    // Puts a value into `cible`, in its own buffer when it is not shared and
    // large enough.
    static void remplir(QString& cible, const Unite* source, qsizetype n);

    Source m_source;
    const Unite* m_unites;
    qsizetype m_pos = 0;
};

using LecteurValeurs = LecteurDe<char16_t>;
using LecteurOctets = LecteurDe<unsigned char>;

extern template class LecteurDe<char16_t>;
extern template class LecteurDe<unsigned char>;
