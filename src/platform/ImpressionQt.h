#pragma once
#include "Impression.h"
#include "ImpressionQtGlyphes.h"
#include "MiseEnPages.h"
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QRectF>
#include <array>
#include <memory>
#include <vector>

class QPrinter;

// The printing layer on a QPrinter: a real printer, a PDF file when the user
// chose to print to a file, or the print preview. The page layout's margins
// are kept, 10 mm at least on each side. The lines are measured as they come
// (a line wider than the paper is wrapped so that no text is lost) and
// painted when the document ends, once the pages are known: each page then
// carries its footer "page N / M".
class ImpressionQt : public Impression {
public:
    // The printer chosen in the print dialog.
    explicit ImpressionQt(std::unique_ptr<QPrinter> imprimante);
    // Prints straight to a PDF file.
    explicit ImpressionQt(const QString& cheminPdf);
    // A printer owned elsewhere: the print preview's, or the one it prints on.
    explicit ImpressionQt(QPrinter& imprimante);
    ~ImpressionQt() override;

    void taille(int points) override;
    void gras(bool actif) override;
    void italique(bool actif) override;
    void souligne(bool actif) override;
    void imprimer(const QStringList& textes, bool finLigne = true) override;
    void ligneVide() override;
    void debutBloc() override;
    void finBloc() override;
    void finDocument() override;

    // The document as laid out: its pages (known once it ends), its lines
    // (a wrapped line counts each of its lines) and where each one went.
    struct Placement {
        QString texte;
        int page = 0; // 0: an empty line left out at the top of a page
        QRectF cadre; // in the area of the lines, the text's measured width
    };
    int pages() const { return m_pages; }
    qsizetype lignes() const { return static_cast<qsizetype>(m_places.size()); }
    Placement ligne(qsizetype i) const;
    // The area the lines go in: the page within its margins, less the footer.
    QSizeF zone() const { return m_zone; }
    static QString pied(int page, int pages);

private:
    // One state of the font, measured once.
    struct Police {
        Police(const QFont& f, QPrinter& imprimante, bool parGlyphes);
        qreal avance(QChar c);
        QFont police;
        QFontMetricsF mesure;
        std::array<qreal, 256> avancesLatin1;
        QHash<char16_t, qreal> avances;
        std::unique_ptr<GlyphesPolice> glyphes; // on a PDF engine only
    };
    // A text of one font on a line.
    struct Morceau {
        QString texte;
        int police = 0;
        qreal x = 0;
        qreal largeur = 0;
        bool exacte = false; // its width measured, not only estimated
    };
    // The runs of a line, in m_morceaux from premier on.
    struct LigneDessinee {
        qsizetype premier = 0;
        qsizetype nombre = 0;
        qreal ascent = 0;
    };

    void preparer();
    void commencer();
    [[noreturn]] void echec() const;
    int indicePolice(const QFont& police);
    int policeCourante();
    void ajouter(const QString& texte);
    void terminerLigne();
    void poserMorceau(const QString& texte, int police, qreal largeur, bool exacte);
    void fermerLigne();
    void couper(const QString& texte, int police);
    qreal largeurSiTient(Police& p, const QString& texte, qreal place, bool& exacte);
    void peindre();
    void peindrePage(int page);
    void abandonner();

    std::unique_ptr<QPrinter> m_proprietaire;
    QPrinter& m_imprimante;
    bool m_apercu = false;
    bool m_parGlyphes = false;
    QPainter m_peintre;
    QFont m_police;
    int m_policeCourante = -1; // -1: to look up after a change
    std::vector<std::unique_ptr<Police>> m_polices;
    QHash<int, int> m_indexPolices;
    int m_policePied = 0;
    qreal m_largeur = 0;
    QSizeF m_zone;

    std::vector<Morceau> m_ouverts; // the open line's texts, one per font
    std::vector<Morceau> m_morceaux;
    std::vector<LigneDessinee> m_lignes;
    std::vector<MiseEnPages::Ligne> m_places;
    qsizetype m_debutLigne = 0; // the runs of the line being laid out
    qreal m_x = 0;              // where it goes on
    std::vector<MiseEnPages::Bloc> m_blocs;
    std::vector<std::size_t> m_blocsOuverts;

    bool m_termine = false;
    int m_pages = 0;
    int m_pagesPeintes = 0;
    qsizetype m_lignesPeintes = 0;
};
