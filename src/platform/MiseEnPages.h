#pragma once
#include <QtGlobal>
#include <vector>

// Where the lines of a printout go on its pages, from their heights alone.
// A line that does not fit below the previous ones starts the next page; a
// block that would not fit on what is left of a page starts the next one
// when it fits on a page. A block taller than a page is split, the blocks
// inside it still kept whole by the same rule. An empty line that would
// start a page is left out.
namespace MiseEnPages {

struct Ligne {
    qreal hauteur = 0;
    bool vide = false;
    int page = 0; // set by placer: 1 for the first page, 0 for an empty line left out
    qreal y = 0;  // set by placer: the top of the line on its page
};

// Lines [debut, fin), listed as the printout opened them (outer first).
struct Bloc {
    qsizetype debut = 0;
    qsizetype fin = 0;
};

// Places every line; returns the number of pages (1 at least).
int placer(std::vector<Ligne>& lignes, const std::vector<Bloc>& blocs, qreal hauteurPage);

} // namespace MiseEnPages
