#include "MiseEnPageIndex.h"
#include "base/Collation.h"
#include <QHash>
#include <algorithm>
#include <numeric>
#include <tuple>

namespace MiseEnPageIndex {

QString sansBlancs(const QString& texte)
{
    qsizetype debut = 0;
    qsizetype fin = texte.size();
    while (debut < fin && texte.at(debut) == QLatin1Char(' '))
        ++debut;
    while (fin > debut && texte.at(fin - 1) == QLatin1Char(' '))
        --fin;
    return texte.mid(debut, fin - debut);
}

QString texteNombre(qsizetype n)
{
    if (n == 0)
        return QStringLiteral("Aucune recette");
    if (n == 1)
        return QStringLiteral("1 recette");
    return QString::number(n) + QStringLiteral(" recettes");
}

namespace {

const QString Toutes = QStringLiteral(" --> TOUTES");
const QString Tous = QStringLiteral(" --> TOUS");

QString blancs(qsizetype n)
{
    return QString(n, QLatin1Char(' '));
}

bool queDesBlancs(const QString& texte)
{
    return sansBlancs(texte).isEmpty();
}

QString aligneADroite(const QString& texte, qsizetype largeur)
{
    return blancs(largeur - texte.size()) + texte;
}

// A found recipe with its issue number and page in their column form.
struct Ligne {
    QString magazine;
    QString numero;
    QString page;
    QString nom;
    int rangMagazine = 0;
    int rangNumero = 0;
    int rangPage = 0;
};

// The rank of each text in the collation's order; equal texts share a rank.
// Keys are computed once per distinct text: magazines, issue numbers and
// pages repeat a lot, so this stays cheap on a full base.
QList<int> rangs(const QStringList& textes, const Collation& collation)
{
    QHash<QString, int> distincts;
    QStringList valeurs;
    QList<int> numeros(textes.size());
    for (qsizetype i = 0; i < textes.size(); ++i) {
        auto it = distincts.constFind(textes[i]);
        if (it == distincts.constEnd()) {
            it = distincts.insert(textes[i], int(valeurs.size()));
            valeurs.append(textes[i]);
        }
        numeros[i] = *it;
    }
    QList<Collation::Cle> cles;
    cles.reserve(valeurs.size());
    for (const QString& v : valeurs)
        cles.append(collation.cle(v));
    QList<int> ordre(valeurs.size());
    std::iota(ordre.begin(), ordre.end(), 0);
    std::sort(ordre.begin(), ordre.end(), [&](int a, int b) {
        return Collation::comparerCles(cles[a], valeurs[a], cles[b], valeurs[b]) < 0;
    });
    QList<int> rangDe(valeurs.size());
    for (qsizetype r = 0; r < ordre.size(); ++r)
        rangDe[ordre[r]] = int(r);
    QList<int> resultat(textes.size());
    for (qsizetype i = 0; i < textes.size(); ++i)
        resultat[i] = rangDe[numeros[i]];
    return resultat;
}

bool memePlace(const Ligne& a, const Ligne& b)
{
    return a.rangMagazine == b.rangMagazine && a.rangNumero == b.rangNumero && a.rangPage == b.rangPage;
}

// Recipes of one magazine, issue and page are few: their names are compared
// only there, so that a full base does not pay for 33,000 name keys.
void trierNomsDUnePlace(QList<Ligne>::iterator debut, QList<Ligne>::iterator fin, const Collation& collation)
{
    QList<Collation::Cle> cles;
    for (auto it = debut; it != fin; ++it)
        cles.append(collation.cle(it->nom));
    QList<int> ordre(cles.size());
    std::iota(ordre.begin(), ordre.end(), 0);
    std::stable_sort(ordre.begin(), ordre.end(), [&](int a, int b) {
        return Collation::comparerCles(cles[a], debut[a].nom, cles[b], debut[b].nom) < 0;
    });
    QList<Ligne> triees;
    for (int i : ordre)
        triees.append(debut[i]);
    std::move(triees.begin(), triees.end(), debut);
}

QList<Ligne> lignesTriees(const QList<Entree>& entrees, const Collation& collation)
{
    qsizetype largeurNumero = 0;
    qsizetype largeurPage = 0;
    for (const Entree& e : entrees) {
        largeurNumero = std::max(largeurNumero, sansBlancs(e.numero.toUpper()).size());
        largeurPage = std::max(largeurPage, sansBlancs(e.page.toUpper()).size());
    }
    QList<Ligne> lignes;
    lignes.reserve(entrees.size());
    QStringList magazines, numeros, pages;
    for (const Entree& e : entrees) {
        Ligne l;
        l.magazine = e.magazine;
        l.numero = aligneADroite(sansBlancs(e.numero.toUpper()), largeurNumero);
        l.page = aligneADroite(sansBlancs(e.page.toUpper()), largeurPage);
        l.nom = e.nom;
        magazines.append(l.magazine);
        numeros.append(l.numero);
        pages.append(l.page);
        lignes.append(l);
    }
    const QList<int> rM = rangs(magazines, collation);
    const QList<int> rN = rangs(numeros, collation);
    const QList<int> rP = rangs(pages, collation);
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        lignes[i].rangMagazine = rM[i];
        lignes[i].rangNumero = rN[i];
        lignes[i].rangPage = rP[i];
    }
    std::stable_sort(lignes.begin(), lignes.end(), [](const Ligne& a, const Ligne& b) {
        return std::tie(a.rangMagazine, a.rangNumero, a.rangPage) < std::tie(b.rangMagazine, b.rangNumero, b.rangPage);
    });
    for (auto debut = lignes.begin(); debut != lignes.end();) {
        auto fin = std::find_if(debut, lignes.end(), [&](const Ligne& l) { return !memePlace(l, *debut); });
        if (fin - debut > 1)
            trierNomsDUnePlace(debut, fin, collation);
        debut = fin;
    }
    return lignes;
}

QString cle(const Ligne& l)
{
    return l.magazine + Separateur + l.numero + Separateur + l.page + Separateur + l.nom;
}

QString ligneCategorie(const Criteres& c)
{
    QString texte = c.categorie == Toutes ? QStringLiteral("Toutes") : c.categorie;
    if (c.sousCategorie != Toutes)
        texte += QStringLiteral(" (") + c.sousCategorie + QStringLiteral(" uniquement)");
    return QStringLiteral("Catégorie : ") + texte;
}

class Redaction {
public:
    void ligne(const QString& l)
    {
        m_texte += l;
        m_texte += QLatin1String("\r\n");
    }
    QString texte() const { return m_texte; }

private:
    QString m_texte;
};

void ecrireEnTete(Redaction& r, const Criteres& c, const QDateTime& quand, qsizetype nombre)
{
    r.ligne(QStringLiteral("Zuta! v1.2b - Index créé le ") + quand.date().toString(QStringLiteral("dd/MM/yyyy"))
            + QStringLiteral(" à ") + quand.time().toString(QStringLiteral("HH:mm:ss")));
    r.ligne({});
    r.ligne(ligneCategorie(c));
    r.ligne(QStringLiteral("Magazine : ") + (c.magazine == Tous ? QStringLiteral("Tous") : c.magazine));
    if (c.teste != QLatin1String("Peu importe"))
        r.ligne(c.teste == QStringLiteral("Testée") ? QStringLiteral("Recettes testées uniquement")
                                                    : QStringLiteral("Recettes non-testées uniquement"));
    if (!queDesBlancs(c.texte))
        r.ligne(QStringLiteral("Nom des recettes contenant le texte : ") + c.texte);
    r.ligne({});
    r.ligne(texteNombre(nombre));
    r.ligne({});
    r.ligne({});
}

// Magazine, issue and page are written once per run: a column equal to the
// line above (magazine first) is left blank.
void ecrireRecettes(Redaction& r, const QList<Ligne>& lignes)
{
    QString magazineAvant, numeroAvant, pageAvant;
    for (const Ligne& l : lignes) {
        const bool memeMagazine = l.magazine == magazineAvant;
        const bool memeNumero = memeMagazine && l.numero == numeroAvant;
        const bool memePage = memeNumero && l.page == pageAvant;
        const QString magazine = memeMagazine ? blancs(l.magazine.size()) : l.magazine;
        const QString numero = memeNumero ? blancs(l.numero.size()) : l.numero;
        const QString page = memePage ? blancs(l.page.size()) : l.page;
        const QString ligne = magazine + (queDesBlancs(numero) ? QStringLiteral("   ") : QStringLiteral(" n°")) + numero
                              + (queDesBlancs(page) ? QStringLiteral("       ") : QStringLiteral("  page ")) + page
                              + QStringLiteral("  -") + l.nom;
        if (!memeMagazine)
            r.ligne({});
        r.ligne(ligne);
        if (!memeMagazine)
            magazineAvant = l.magazine;
        if (!memeNumero)
            numeroAvant = l.numero;
        if (!memePage)
            pageAvant = l.page;
    }
}

} // namespace

Index composer(const Criteres& criteres, const QDateTime& quand, const QList<Entree>& entrees,
               const Collation& collation)
{
    const QList<Ligne> lignes = lignesTriees(entrees, collation);
    Index index;
    index.cles.reserve(lignes.size());
    for (const Ligne& l : lignes)
        index.cles.append(cle(l));
    Redaction r;
    ecrireEnTete(r, criteres, quand, entrees.size());
    ecrireRecettes(r, lignes);
    index.texte = r.texte();
    return index;
}

} // namespace MiseEnPageIndex
