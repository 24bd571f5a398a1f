#pragma once
#include <QString>

// Tidying of the texts typed on the recipe card.
namespace TexteFiche {

enum class Champ { Nom, Categorie, SousCategorie, Magazine, Numero, Page, Notes };

// The characters the card's keys refuse in a field: a double quote anywhere
// (the base file writes texts between double quotes), "ÿ" in the name (it
// separates a name from its slot in the found list), a comma everywhere else but
// the notes (it would cut a bare name of the base file). The import treats
// them the same way.
QString caracteresRefuses(Champ champ);

// The first character in upper case, the rest as it is. A letter whose upper
// case Windows-1252 cannot hold (µ) is left as it is.
QString premiereMajuscule(const QString& texte);

// Every double quote becomes an apostrophe: the base file writes texts
// between double quotes.
QString sansGuillemets(QString texte);

// A category, sub-category or magazine name as it is stored when it is new:
// trimmed, without double quotes, all lower case first when asked, then the
// first character in upper case.
QString nomNormalise(const QString& texte, bool minuscules);

// The notes are kept with CR LF line breaks, as in the base file; the notes
// box works with "\n".
QString notesPourAffichage(const QString& notesBase);
QString notesPourBase(const QString& notesAffichees);

// The first character (a whole code point) that Windows-1252 cannot hold, or
// an empty text.
QString caractereNonRepresentable(const QString& texte);

} // namespace TexteFiche
