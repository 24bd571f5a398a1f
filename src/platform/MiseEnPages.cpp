#include "MiseEnPages.h"

namespace MiseEnPages {

int placer(std::vector<Ligne>& lignes, const std::vector<Bloc>& blocs, qreal hauteurPage)
{
    const auto n = static_cast<qsizetype>(lignes.size());
    // The height of any run of lines, in constant time.
    std::vector<qreal> cumul(lignes.size() + 1, 0);
    for (qsizetype i = 0; i < n; ++i)
        cumul[i + 1] = cumul[i] + lignes[i].hauteur;
    int page = 1;
    qreal y = 0;
    std::size_t b = 0;
    qsizetype gardeJusqua = 0; // the lines before it belong to a block known to fit
    for (qsizetype i = 0; i < n; ++i) {
        bool saut = false;
        for (; b < blocs.size() && blocs[b].debut <= i; ++b) {
            const Bloc& bloc = blocs[b];
            const qreal hauteur = cumul[std::min(bloc.fin, n)] - cumul[i];
            if (bloc.debut < i || i < gardeJusqua || hauteur > hauteurPage)
                continue; // inside a block placed whole, or split: its inner blocks decide
            saut = y > 0 && y + hauteur > hauteurPage;
            gardeJusqua = bloc.fin;
        }
        Ligne& l = lignes[i];
        if (saut || (i >= gardeJusqua && y > 0 && y + l.hauteur > hauteurPage)) {
            ++page;
            y = 0;
            if (l.vide) {
                l.page = 0;
                continue;
            }
        }
        l.page = page;
        l.y = y;
        y += l.hauteur;
    }
    return page;
}

} // namespace MiseEnPages
