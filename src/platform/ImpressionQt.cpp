#include "ImpressionQt.h"
#include "ErreurExecution.h"
#include <QDir>
#include <QFile>
#include <QPaintEngine>
#include <QPrintEngine>
#include <QPrinter>
#include <QTextLayout>
#include <algorithm>

ImpressionQt::ImpressionQt(std::unique_ptr<QPrinter> imprimante)
    : m_proprietaire(std::move(imprimante)), m_imprimante(*m_proprietaire)
{
    preparer();
}

ImpressionQt::ImpressionQt(const QString& cheminPdf)
    : m_proprietaire(std::make_unique<QPrinter>(QPrinter::HighResolution)), m_imprimante(*m_proprietaire)
{
    m_imprimante.setOutputFormat(QPrinter::PdfFormat);
    m_imprimante.setOutputFileName(cheminPdf);
    preparer();
}

ImpressionQt::ImpressionQt(QPrinter& imprimante) : m_imprimante(imprimante) { preparer(); }

ImpressionQt::~ImpressionQt()
{
    // A printout left unfinished (an error the user cancelled) still closes
    // the printer's job.
    if (m_peintre.isActive())
        m_peintre.end();
}

ImpressionQt::Police::Police(const QFont& f, QPrinter& imprimante, bool parGlyphes)
    : police(f), mesure(f, &imprimante), glyphes(parGlyphes ? std::make_unique<GlyphesPolice>(f, &imprimante) : nullptr)
{
    for (std::size_t c = 0; c < avancesLatin1.size(); ++c)
        avancesLatin1[c] = mesure.horizontalAdvance(QChar(static_cast<char16_t>(c)));
}

qreal ImpressionQt::Police::avance(QChar c)
{
    if (c.unicode() < avancesLatin1.size())
        return avancesLatin1[c.unicode()];
    auto i = avances.constFind(c.unicode());
    if (i == avances.cend())
        i = avances.insert(c.unicode(), mesure.horizontalAdvance(c));
    return *i;
}

void ImpressionQt::preparer()
{
    // The page layout's margins, 10 mm at least: nothing at the paper's edge.
    const QMarginsF m = m_imprimante.pageLayout().margins(QPageLayout::Millimeter);
    const auto auMoins = [](qreal marge) { return std::max<qreal>(marge, 10); };
    m_imprimante.setPageMargins(QMarginsF(auMoins(m.left()), auMoins(m.top()), auMoins(m.right()), auMoins(m.bottom())),
                                QPageLayout::Millimeter);
    // The preview paints its pages into pictures, which it shows.
    const QPaintEngine* moteur = m_imprimante.paintEngine();
    m_apercu = moteur && moteur->type() == QPaintEngine::Picture;
    // A PDF engine (a PDF file, or a printer on a system that prints PDF)
    // takes the glyphs of the words, shaped once for the whole printout.
    m_parGlyphes = moteur && moteur->type() == QPaintEngine::Pdf;
    m_police.setPointSize(12);
    QFont pied;
    pied.setPointSize(8);
    m_policePied = indicePolice(pied);
    m_largeur = m_imprimante.width();
    // The footer's line, and one line of space above it.
    m_zone = QSizeF(m_largeur, m_imprimante.height() - 2 * m_polices[m_policePied]->mesure.lineSpacing());
}

void ImpressionQt::echec() const
{
    const QString cible = m_imprimante.outputFileName().isEmpty()
        ? QStringLiteral("l'imprimante « ") + m_imprimante.printerName() + QStringLiteral(" »")
        : QStringLiteral("le fichier « ") + QDir::toNativeSeparators(m_imprimante.outputFileName())
            + QStringLiteral(" »");
    throw ErreurExecution(Erreurs::ErreurEntreeSortie + QStringLiteral(" : impossible d'imprimer sur ") + cible
                          + QLatin1Char('.'));
}

void ImpressionQt::commencer()
{
    if (m_peintre.isActive())
        return;
    if (m_termine || !m_peintre.begin(&m_imprimante))
        echec();
}

QString ImpressionQt::pied(int page, int pages) { return QStringLiteral("page %1 / %2").arg(page).arg(pages); }

// ---- The font ----

void ImpressionQt::taille(int points)
{
    m_police.setPointSize(points > 0 ? points : 1);
    m_policeCourante = -1;
}

void ImpressionQt::gras(bool actif)
{
    m_police.setBold(actif);
    m_policeCourante = -1;
}

void ImpressionQt::italique(bool actif)
{
    m_police.setItalic(actif);
    m_policeCourante = -1;
}

void ImpressionQt::souligne(bool actif)
{
    m_police.setUnderline(actif);
    m_policeCourante = -1;
}

int ImpressionQt::indicePolice(const QFont& police)
{
    const int cle =
        police.pointSize() * 8 + (police.bold() ? 4 : 0) + (police.italic() ? 2 : 0) + (police.underline() ? 1 : 0);
    const auto i = m_indexPolices.constFind(cle);
    if (i != m_indexPolices.cend())
        return *i;
    m_polices.push_back(std::make_unique<Police>(police, m_imprimante, m_parGlyphes));
    const int indice = static_cast<int>(m_polices.size()) - 1;
    m_indexPolices.insert(cle, indice);
    return indice;
}

int ImpressionQt::policeCourante()
{
    if (m_policeCourante < 0)
        m_policeCourante = indicePolice(m_police);
    return m_policeCourante;
}

// ---- Laying out the lines ----

void ImpressionQt::imprimer(const QStringList& textes, bool finLigne)
{
    if (abandonne())
        return;
    commencer();
    for (const QString& t : textes) {
        if (std::none_of(t.cbegin(), t.cend(), [](QChar c) { return c == u'\n' || c == u'\r'; })) {
            ajouter(t);
            continue;
        }
        QString texte = t;
        texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        const QStringList lignes = texte.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lignes.size(); ++i) {
            if (i > 0)
                terminerLigne();
            ajouter(lignes[i]);
        }
    }
    if (finLigne)
        terminerLigne();
}

void ImpressionQt::ligneVide()
{
    if (abandonne())
        return;
    commencer();
    terminerLigne();
}

void ImpressionQt::debutBloc()
{
    m_blocsOuverts.push_back(m_blocs.size());
    m_blocs.push_back({lignes(), lignes()});
}

void ImpressionQt::finBloc()
{
    if (m_blocsOuverts.empty())
        return;
    m_blocs[m_blocsOuverts.back()].fin = lignes();
    m_blocsOuverts.pop_back();
}

// The open line keeps one text per run of the same font.
void ImpressionQt::ajouter(const QString& texte)
{
    if (texte.isEmpty())
        return;
    const int police = policeCourante();
    if (!m_ouverts.empty() && m_ouverts.back().police == police)
        m_ouverts.back().texte += texte;
    else
        m_ouverts.push_back({texte, police});
}

// The width of the text when it fits in the place left, or -1. Well within
// the place, the sum of its characters' advances is enough: kerning and
// ligatures only move it by a few hundredths. Near the edge, it is measured.
qreal ImpressionQt::largeurSiTient(Police& p, const QString& texte, qreal place, bool& exacte)
{
    qreal estimee = 0;
    bool estimable = true;
    for (const QChar c : texte) {
        if (c.unicode() < 0x20 || c.isSurrogate()) {
            estimable = false;
            break;
        }
        estimee += p.avance(c);
    }
    exacte = !estimable || estimee > place * 0.9;
    if (!exacte)
        return estimee;
    const qreal largeur = p.mesure.horizontalAdvance(texte);
    return largeur <= place ? largeur : -1;
}

// Lays the open line out into lines of the paper's width.
void ImpressionQt::terminerLigne()
{
    for (const Morceau& m : m_ouverts) {
        Police& p = *m_polices[m.police];
        bool exacte = false;
        qreal largeur = largeurSiTient(p, m.texte, m_largeur - m_x, exacte);
        if (largeur < 0 && m_x > 0) {
            // A text of another font that does not fit after the previous ones starts a line.
            fermerLigne();
            largeur = largeurSiTient(p, m.texte, m_largeur, exacte);
        }
        if (largeur >= 0)
            poserMorceau(m.texte, m.police, largeur, exacte);
        else
            couper(m.texte, m.police);
    }
    m_ouverts.clear();
    fermerLigne();
}

// A text wider than the paper, wrapped between words (within a word too long
// for a line): one layout of the whole text, whatever its length.
void ImpressionQt::couper(const QString& texte, int police)
{
    QTextLayout mise(texte, m_polices[police]->police, &m_imprimante);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    mise.setTextOption(option);
    mise.beginLayout();
    bool premiere = true;
    for (QTextLine l = mise.createLine(); l.isValid(); l = mise.createLine()) {
        l.setLineWidth(m_largeur);
        if (!premiere)
            fermerLigne();
        premiere = false;
        poserMorceau(texte.mid(l.textStart(), l.textLength()), police, l.naturalTextWidth(), true);
    }
    mise.endLayout();
}

void ImpressionQt::poserMorceau(const QString& texte, int police, qreal largeur, bool exacte)
{
    // A text that another one follows on its line needs its true width.
    if (static_cast<qsizetype>(m_morceaux.size()) > m_debutLigne && !m_morceaux.back().exacte) {
        Morceau& precedent = m_morceaux.back();
        precedent.largeur = m_polices[precedent.police]->mesure.horizontalAdvance(precedent.texte);
        precedent.exacte = true;
        m_x = precedent.x + precedent.largeur;
    }
    m_morceaux.push_back({texte, police, m_x, largeur, exacte});
    m_x += largeur;
}

// Ends the line being laid out: as high as its tallest font, the current one
// included (an empty line is the current font's height).
void ImpressionQt::fermerLigne()
{
    const QFontMetricsF& courante = m_polices[policeCourante()]->mesure;
    qreal hauteur = courante.lineSpacing();
    qreal ascent = 0;
    const auto fin = static_cast<qsizetype>(m_morceaux.size());
    for (qsizetype k = m_debutLigne; k < fin; ++k) {
        const QFontMetricsF& mesure = m_polices[m_morceaux[k].police]->mesure;
        hauteur = std::max(hauteur, mesure.lineSpacing());
        ascent = std::max(ascent, mesure.ascent());
    }
    const bool vide = fin == m_debutLigne;
    m_lignes.push_back({m_debutLigne, fin - m_debutLigne, vide ? courante.ascent() : ascent});
    m_places.push_back({hauteur, vide});
    m_debutLigne = fin;
    m_x = 0;
}

// ---- Painting the pages ----

void ImpressionQt::finDocument()
{
    if (abandonne())
        return;
    commencer();
    if (m_pages == 0) {
        if (!m_ouverts.empty())
            terminerLigne();
        m_pages = MiseEnPages::placer(m_places, m_blocs, m_zone.height());
    }
    peindre();
    if (abandonne())
        return;
    m_termine = true;
    if (!m_peintre.end())
        echec();
}

// From the first page not painted yet, so that a retry after an error goes on.
void ImpressionQt::peindre()
{
    while (m_pagesPeintes < m_pages) {
        const int page = m_pagesPeintes + 1;
        if (!pageCommencee(page)) {
            abandonner();
            return;
        }
        if (page > 1 && !m_imprimante.newPage())
            echec();
        peindrePage(page);
        ++m_pagesPeintes;
    }
}

void ImpressionQt::peindrePage(int page)
{
    int policePeinte = -1;
    GlyphesPolice::Lot lot;
    const auto n = lignes();
    for (; m_lignesPeintes < n && m_places[m_lignesPeintes].page <= page; ++m_lignesPeintes) {
        const MiseEnPages::Ligne& place = m_places[m_lignesPeintes];
        const LigneDessinee& l = m_lignes[m_lignesPeintes];
        if (place.page == 0)
            continue;
        for (qsizetype k = l.premier; k < l.premier + l.nombre; ++k) {
            const Morceau& m = m_morceaux[k];
            const Police& p = *m_polices[m.police];
            const QPointF origine(m.x, place.y + l.ascent);
            if (p.glyphes && p.glyphes->ajouter(m.texte, origine, m_peintre, lot))
                continue;
            lot.peindre(m_peintre); // what comes before it, first
            if (m.police != policePeinte) {
                m_peintre.setFont(p.police);
                policePeinte = m.police;
            }
            m_peintre.drawText(origine, m.texte);
        }
    }
    lot.peindre(m_peintre);
    const Police& p = *m_polices[m_policePied];
    const QString texte = pied(page, m_pages);
    m_peintre.setFont(p.police);
    m_peintre.drawText(
        QPointF((m_largeur - p.mesure.horizontalAdvance(texte)) / 2, m_imprimante.height() - p.mesure.descent()),
        texte);
}

// The user stopped the printout: a printer drops its job where it can, a PDF
// is removed, nothing half-written is left. The preview keeps the pages
// painted so far and shows them.
void ImpressionQt::abandonner()
{
    m_termine = true;
    const bool fichier = !m_imprimante.outputFileName().isEmpty();
    // Qt cannot take back the job of a printer of the print server (CUPS):
    // it hands the job over when the painting ends, whatever was asked.
    // Asked for no copy (through the engine's key for CUPS options, the same
    // since Qt 4, and with no count of its own), the server refuses it.
    constexpr auto OptionsCups = QPrintEngine::PrintEnginePropertyKey(0xfe00);
    QPrintEngine* moteur = m_imprimante.printEngine();
    if (!m_apercu && !m_imprimante.abort() && !fichier && moteur) {
        moteur->setProperty(QPrintEngine::PPK_CopyCount, 1);
        moteur->setProperty(OptionsCups, QStringList{QStringLiteral("copies"), QStringLiteral("0")});
    }
    if (m_peintre.isActive())
        m_peintre.end();
    if (!m_apercu && fichier)
        QFile::remove(m_imprimante.outputFileName());
}

ImpressionQt::Placement ImpressionQt::ligne(qsizetype i) const
{
    const LigneDessinee& l = m_lignes[i];
    const MiseEnPages::Ligne& place = m_places[i];
    Placement p{QString(), place.page, QRectF(0, place.y, 0, place.hauteur)};
    for (qsizetype k = l.premier; k < l.premier + l.nombre; ++k) {
        const Morceau& m = m_morceaux[k];
        p.texte += m.texte;
        if (k == l.premier)
            p.cadre.setLeft(m.x);
        p.cadre.setRight(m.x + m.largeur);
    }
    return p;
}
