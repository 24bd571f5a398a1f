#include "ImpressionQt.h"
#include "ErreurExecution.h"
#include <QDir>
#include <QFontMetricsF>
#include <QPrinter>

ImpressionQt::ImpressionQt(std::unique_ptr<QPrinter> imprimante) : m_imprimante(std::move(imprimante))
{
    m_police.setPointSize(12);
}

ImpressionQt::ImpressionQt(const QString& cheminPdf)
    : m_imprimante(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_imprimante->setOutputFormat(QPrinter::PdfFormat);
    m_imprimante->setOutputFileName(cheminPdf);
    m_police.setPointSize(12);
}

ImpressionQt::~ImpressionQt()
{
    // A printout left unfinished (an error the user cancelled) still closes
    // the printer's job.
    if (m_peintre.isActive())
        m_peintre.end();
}

void ImpressionQt::echec() const
{
    const QString cible = m_imprimante->outputFileName().isEmpty()
        ? QStringLiteral("l'imprimante « ") + m_imprimante->printerName() + QStringLiteral(" »")
        : QStringLiteral("le fichier « ") + QDir::toNativeSeparators(m_imprimante->outputFileName())
            + QStringLiteral(" »");
    throw ErreurExecution(Erreurs::ErreurEntreeSortie + QStringLiteral(" : impossible d'imprimer sur ") + cible
                          + QLatin1Char('.'));
}

void ImpressionQt::commencer()
{
    if (m_peintre.isActive())
        return;
    if (m_termine || !m_peintre.begin(m_imprimante.get()))
        echec();
}

qreal ImpressionQt::hauteurLigne() const { return QFontMetricsF(m_police, m_imprimante.get()).lineSpacing(); }

void ImpressionQt::placerDebutLigne()
{
    // A line that does not fit below the previous ones starts a new page.
    const qreal h = hauteurLigne();
    if (m_y > 0 && m_y + h > m_imprimante->height()) {
        if (!m_imprimante->newPage())
            echec();
        ++m_pages;
        m_y = 0;
        pageCommencee(m_pages);
    }
    m_ligneOuverte = true;
    m_x = 0;
    m_hauteur = 0;
}

void ImpressionQt::terminerLigne()
{
    if (!m_ligneOuverte)
        placerDebutLigne();
    m_y += std::max(m_hauteur, hauteurLigne());
    ++m_lignes;
    m_ligneOuverte = false;
    m_x = 0;
    m_hauteur = 0;
}

// The longest start of the text that fits in the width, cut after a blank
// when there is one, so that words stay whole.
qsizetype ImpressionQt::longueurQuiTient(const QString& texte, qreal largeur) const
{
    const QFontMetricsF mesure(m_police, m_imprimante.get());
    qsizetype bas = 0;
    qsizetype haut = texte.size();
    while (bas < haut) {
        const qsizetype milieu = (bas + haut + 1) / 2;
        if (mesure.horizontalAdvance(texte.left(milieu)) <= largeur)
            bas = milieu;
        else
            haut = milieu - 1;
    }
    if (bas == texte.size())
        return bas;
    const qsizetype blanc = texte.left(bas + 1).lastIndexOf(QLatin1Char(' '));
    return blanc >= 0 && blanc < bas ? blanc + 1 : bas;
}

void ImpressionQt::ecrireMorceau(QString texte)
{
    const qreal largeurPage = m_imprimante->width();
    while (!texte.isEmpty()) {
        if (!m_ligneOuverte)
            placerDebutLigne();
        const QFontMetricsF mesure(m_police, m_imprimante.get());
        qsizetype n = longueurQuiTient(texte, largeurPage - m_x);
        if (n == 0 && m_x > 0) {
            terminerLigne();
            continue;
        }
        n = std::max<qsizetype>(n, 1); // a single glyph wider than the paper
        const QString morceau = texte.left(n);
        m_peintre.setFont(m_police);
        m_peintre.drawText(QPointF(m_x, m_y + mesure.ascent()), morceau);
        m_x += mesure.horizontalAdvance(morceau);
        m_hauteur = std::max(m_hauteur, mesure.lineSpacing());
        texte.remove(0, n);
        if (!texte.isEmpty())
            terminerLigne();
    }
    if (!m_ligneOuverte)
        placerDebutLigne();
}

void ImpressionQt::imprimer(const QStringList& textes, bool finLigne)
{
    commencer();
    for (const QString& t : textes) {
        QString texte = t;
        texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        const QStringList lignes = texte.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lignes.size(); ++i) {
            if (i > 0)
                terminerLigne();
            ecrireMorceau(lignes[i]);
        }
    }
    if (finLigne)
        terminerLigne();
}

void ImpressionQt::ligneVide()
{
    commencer();
    terminerLigne();
}

void ImpressionQt::finDocument()
{
    commencer();
    m_termine = true;
    if (!m_peintre.end())
        echec();
}
