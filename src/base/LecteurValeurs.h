#pragma once
#include <QString>

// The reading rules of the program's text files: values are taken one after
// the other; a value ends at a comma or at the end of its line, and the line
// end after it is consumed. A value that begins with a double quote is the
// text up to the next double quote, commas and line breaks included.
//
// A value that cannot be read throws ErreurExecution and leaves the position
// where it was, so that a retried step reads the same value again.
class LecteurValeurs {
public:
    explicit LecteurValeurs(QString texte)
        : m_texte(std::move(texte)), m_caracteres(reinterpret_cast<const char16_t*>(m_texte.utf16()))
    {}

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

    // Passes over the value at the position, whatever it holds (after a
    // value the user chose to skip).
    void passer();

    bool fin() const { return m_pos >= m_texte.size(); }
    qsizetype position() const { return m_pos; }

private:
    // The raw value at the position and where the next value begins.
    struct Brut {
        QStringView texte; // within m_texte
        bool cite = false;
        qsizetype suivant = 0;
    };
    Brut brut() const;
    // The common case of a number read without building any text: blanks,
    // an optional minus sign, at most 18 digits, blanks, then the end of the value.
    // False (position unchanged) for anything else, left to the general way.
    bool nombreSimple(long long& valeur);

    QString m_texte;
    // The text followed by a null, which utf16() ensures even for a text
    // that only borrows its characters.
    const char16_t* m_caracteres;
    qsizetype m_pos = 0;
};
