#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// The printing layer: lines written one below the other from the top left of
// the printable area. Only the size and three attributes are ever set.
class Impression {
public:
    virtual ~Impression() = default;
    virtual void taille(int points) = 0;
    virtual void gras(bool actif) = 0;
    virtual void italique(bool actif) = 0;
    virtual void souligne(bool actif) = 0;
    // Prints the texts one after the other; finLigne false leaves the line
    // open for the texts of the next call. Line breaks inside a text start
    // new lines.
    virtual void imprimer(const QStringList& textes, bool finLigne = true) = 0;
    // An empty line, ending the open line if any.
    virtual void ligneVide() = 0;
    // The whole lines printed between the two are one block, kept on one
    // page when it fits on one. Blocks nest: in a block taller than a page,
    // the blocks it holds are still kept whole.
    virtual void debutBloc() = 0;
    virtual void finBloc() = 0;
    // Sends the pages. Each operation throws ErreurExecution when the
    // printer reports an error.
    virtual void finDocument() = 0;

    // Called with the number of each page as the printout starts it (the
    // first page is 1), so that a long printout can say how far it is; it
    // returns false to stop the printout, whose job is then abandoned.
    void suivrePages(std::function<bool(int page)> suivi) { m_suiviPages = std::move(suivi); }
    // True once the printout was stopped: what follows is ignored.
    bool abandonne() const { return m_abandonne; }

protected:
    // False when the printout is to stop here.
    bool pageCommencee(int page)
    {
        if (!m_abandonne && m_suiviPages && !m_suiviPages(page))
            m_abandonne = true;
        return !m_abandonne;
    }

private:
    std::function<bool(int)> m_suiviPages;
    bool m_abandonne = false;
};
