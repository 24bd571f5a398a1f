#pragma once
#include "Impression.h"
#include <QFont>
#include <QPainter>
#include <memory>

class QPrinter;

// The printing layer on a QPrinter: a real printer, or a PDF file when the
// user chose to print to a file. Lines start at the left of the printable
// area, each below the previous; a full page goes on to a new one, and a
// line wider than the paper is wrapped so that no text is lost.
class ImpressionQt : public Impression {
public:
    // The printer chosen in the print dialog.
    explicit ImpressionQt(std::unique_ptr<QPrinter> imprimante);
    // Prints straight to a PDF file.
    explicit ImpressionQt(const QString& cheminPdf);
    ~ImpressionQt() override;

    void taille(int points) override { m_police.setPointSize(points > 0 ? points : 1); }
    void gras(bool actif) override { m_police.setBold(actif); }
    void italique(bool actif) override { m_police.setItalic(actif); }
    void souligne(bool actif) override { m_police.setUnderline(actif); }
    void imprimer(const QStringList& textes, bool finLigne = true) override;
    void ligneVide() override;
    void finDocument() override;

    // Lines and pages used so far (a wrapped line counts each of its lines).
    int lignes() const { return m_lignes; }
    int pages() const { return m_pages; }

private:
    void commencer();
    [[noreturn]] void echec() const;
    qreal hauteurLigne() const;
    void ecrireMorceau(QString texte);
    qsizetype longueurQuiTient(const QString& texte, qreal largeur) const;
    void terminerLigne();
    void placerDebutLigne();

    std::unique_ptr<QPrinter> m_imprimante;
    QPainter m_peintre;
    QFont m_police;
    qreal m_x = 0;       // where the open line goes on
    qreal m_y = 0;       // top of the current line
    qreal m_hauteur = 0; // height of the open line so far
    bool m_ligneOuverte = false;
    bool m_termine = false;
    int m_lignes = 0;
    int m_pages = 1;
};
