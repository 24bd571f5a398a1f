#pragma once
// The common ground of every test, widgets or not: texts, files of
// tests/data, tables filled by hand, the counters' invariants, errors raised
// and another program's lock on a file.
#include "base/Codec.h"
#include "base/Tables.h"
#include "platform/ErreurExecution.h"
#include <QDir>
#include <QFile>
#include <QTest>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

inline QString u(const char* texte) { return QString::fromUtf8(texte); }

// Lines ended by CR LF, as every file of the program.
inline QString lignes(const QStringList& l) { return l.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"); }

// A file of tests/data.
inline QByteArray donneeTest(const QString& nom)
{
    QFile f(qEnvironmentVariable("ZUTA_DONNEES_TEST") + QLatin1Char('/') + nom);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The 20-line base: one category, sub-category, magazine and tested recipe.
inline QByteArray baseUneRecette() { return donneeTest(QStringLiteral("exemple20.don")); }
inline const QByteArray BaseVide = "-1 \r\nv1.2b\r\n 0 \r\n 0 \r\n 0 \r\n";

// A file name as the messages show it.
inline QString nomAffiche(const QString& chemin) { return u("« ") + QDir::toNativeSeparators(chemin) + u(" »"); }

// The error of a write that failed, as the program words it.
inline QString pasEcrit(const QString& raison, const QString& chemin)
{
    return raison + u("\n\nLe fichier ") + nomAffiche(chemin)
        + u(" n'a pas pu être écrit ; son contenu précédent est intact.");
}

// The description of the error a call raises, or "" when it raises none.
template <class F>
QString erreurDe(F appel)
{
    try {
        appel();
    } catch (const ErreurExecution& e) {
        return e.description();
    }
    return QString();
}

// A recipe of a base file: issue, category, page, sub-category, notes,
// magazine, name, tested.
inline QStringList recetteTexte(const char* numero, int c, const char* page, int s, const char* notes, int m,
                                const char* nom, int teste = 0)
{
    const auto cite = [](const char* t) { return QLatin1Char('"') + u(t) + QLatin1Char('"'); };
    return {cite(numero), QString::number(c), cite(page), QString::number(s),
            cite(notes),  QString::number(m), cite(nom),  QString::number(teste)};
}

// A recipe put straight into the tables; remettreEnCoherence() then recounts.
struct RecetteTables {
    const char* nom;
    int cat = 0, sousCat = 0, mag = 0, teste = 0;
    const char* numero = "";
    const char* page = "";
    const char* notes = "";
};

// Fills the tables: categories as "Desserts/Tartes/Crèmes" (sub-categories
// after the slashes), magazines, recipes; every counter recounted.
inline void remplirTables(Tables& t, const QStringList& categories, const QStringList& magazines,
                          std::initializer_list<RecetteTables> recettes)
{
    t.NbCat = static_cast<int>(categories.size());
    for (int c = 1; c <= t.NbCat; ++c) {
        const QStringList noms = categories[c - 1].split(QLatin1Char('/'));
        t.Cat(c) = noms[0];
        t.NbSousCat(c) = static_cast<int>(noms.size()) - 1;
        for (int s = 1; s < noms.size(); ++s)
            t.SousCat(c, s) = noms[s];
    }
    t.NbMag = static_cast<int>(magazines.size());
    for (int m = 1; m <= t.NbMag; ++m)
        t.Mag(m) = magazines[m - 1];
    t.NbRecett = 0;
    for (const RecetteTables& r : recettes) {
        const int n = ++t.NbRecett;
        t.RecettTexte(n, Recette::Numero) = u(r.numero);
        t.RecettTexte(n, Recette::Page) = u(r.page);
        t.RecettTexte(n, Recette::Notes) = u(r.notes);
        t.RecettTexte(n, Recette::Nom) = u(r.nom);
        t.RecettVal(n, Recette::Categorie) = r.cat;
        t.RecettVal(n, Recette::SousCategorie) = r.sousCat;
        t.RecettVal(n, Recette::Magazine) = r.mag;
        t.RecettVal(n, Recette::Testee) = r.teste;
    }
    t.remettreEnCoherence();
}

// Every invariant of the counters against a recount from the recipes.
inline QString incoherence(const Tables& t)
{
    if (t.NbCat < 0 || t.NbCat > Tables::MaxCat || t.NbMag < 0 || t.NbMag > Tables::MaxMag || t.NbRecett < 0
        || t.NbRecett > Tables::MaxRecett)
        return QStringLiteral("count out of bounds");
    for (int r = 1; r <= t.NbRecett; ++r) {
        const int c = t.RecettVal(r, Recette::Categorie), s = t.RecettVal(r, Recette::SousCategorie),
                  m = t.RecettVal(r, Recette::Magazine);
        if (c < 0 || c > t.NbCat || m < 0 || m > t.NbMag || s < 0 || s > t.NbSousCat(c) || (c == 0 && s != 0))
            return QStringLiteral("recipe %1 points outside the tables").arg(r);
    }
    const Tables::Comptes k = t.recompter();
    for (int c = 1; c <= t.NbCat; ++c) {
        if (t.CatNbRecett(c) != k.parCat[static_cast<std::size_t>(c)])
            return QStringLiteral("category %1: %2 counted, %3 kept").arg(c).arg(k.parCat[c]).arg(t.CatNbRecett(c));
        for (int s = 1; s <= t.NbSousCat(c); ++s)
            if (t.SousCatNbRecett(c, s) != k.sousCat(c, s))
                return QStringLiteral("sub-category %1/%2").arg(c).arg(s);
    }
    for (int m = 1; m <= t.NbMag; ++m)
        if (t.MagNbRecett(m) != k.parMag[static_cast<std::size_t>(m)])
            return QStringLiteral("magazine %1").arg(m);
    return {};
}

// Another program's lock on a file while this object lives, held through an
// opening of its own: flock or an fcntl lock, shared (a reader) or exclusive
// (a writer).
class VerrouAutreProgramme {
public:
    VerrouAutreProgramme(const QString& chemin, bool exclusif, bool fcntlPlutotQueFlock = false)
        : m_fd(::open(QFile::encodeName(chemin).constData(), O_RDWR))
    {
        if (fcntlPlutotQueFlock) {
            struct flock l {};
            l.l_type = exclusif ? F_WRLCK : F_RDLCK;
            l.l_whence = SEEK_SET;
            m_pris = ::fcntl(m_fd, F_OFD_SETLK, &l) == 0;
        } else {
            m_pris = ::flock(m_fd, exclusif ? LOCK_EX : LOCK_SH) == 0;
        }
    }
    ~VerrouAutreProgramme() { ::close(m_fd); }
    bool pris() const { return m_pris; }

private:
    int m_fd;
    bool m_pris = false;
};
