#pragma once
// Helpers of the card tests: a base put straight into the tables, the found
// list as a search leaves it, and typing as a user does.
#include "Banc.h"
#include "base/Tables.h"
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QStringListModel>
#include <algorithm>

namespace AideFiche {

inline int ajouterCategorie(Tables& t, const QString& nom)
{
    t.Cat(++t.NbCat) = nom;
    return t.NbCat;
}

inline int ajouterSousCategorie(Tables& t, int c, const QString& nom)
{
    t.SousCat(c, ++t.NbSousCat(c)) = nom;
    return t.NbSousCat(c);
}

inline int ajouterMagazine(Tables& t, const QString& nom)
{
    t.Mag(++t.NbMag) = nom;
    return t.NbMag;
}

// A recipe in the next slot, its counters raised.
inline int ajouterRecette(Tables& t, const QString& nom, int c, int s, int m, const QString& numero = QString(),
                          const QString& page = QString(), const QString& notes = QString(), int teste = 0)
{
    const int r = ++t.NbRecett;
    t.RecettTexte(r, 0) = numero;
    t.RecettTexte(r, 1) = page;
    t.RecettTexte(r, 2) = notes;
    t.RecettTexte(r, 3) = nom;
    t.RecettVal(r, 0) = c;
    t.RecettVal(r, 1) = s;
    t.RecettVal(r, 2) = m;
    t.RecettVal(r, 3) = teste;
    if (c > 0)
        ++t.CatNbRecett(c);
    if (c > 0 && s > 0)
        ++t.SousCatNbRecett(c, s);
    if (m > 0)
        ++t.MagNbRecett(m);
    return r;
}

// Every recipe of the base in the found list, as a search without criteria
// leaves it: by name, then by the text of the slot number.
inline void chercherTout(Programme& p)
{
    QStringList lignes;
    for (int r = 1; r <= p.base.NbRecett; ++r)
        lignes << p.base.RecettTexte(r, 3) + QChar(0xFF) + QLatin1Char(' ') + QString::number(r);
    std::stable_sort(lignes.begin(), lignes.end(), [&](const QString& a, const QString& b) {
        const qsizetype sa = a.lastIndexOf(QChar(0xFF));
        const qsizetype sb = b.lastIndexOf(QChar(0xFF));
        const int n = p.collation.comparer(a.left(sa), b.left(sb));
        return n != 0 ? n < 0 : a.mid(sa) < b.mid(sb);
    });
    QStringList noms;
    for (const QString& l : lignes)
        noms << l.left(l.indexOf(QChar(0xFF)));
    p.fen->ListTmp = lignes;
    p.fen->definirLignesRecettes(noms);
}

// The line of the found list showing this slot.
inline int ligneDuNumero(Programme& p, int r)
{
    for (int k = 0; k < p.fen->ListTmp.size(); ++k)
        if (p.fen->ListTmp[k].endsWith(QChar(0xFF) + QLatin1Char(' ') + QString::number(r)))
            return k;
    return -1;
}

// A click on line k of the found list.
inline void cliquerLigne(FrmPrincipal& f, int k)
{
    const QRect zone = f.ListRecettes->visualRect(f.ModeleRecettes->index(k));
    QTest::mouseClick(f.ListRecettes->viewport(), Qt::LeftButton, {}, zone.center());
}

// Types the text character by character into the widget that has the focus,
// as a keyboard does (accented letters included).
inline void taper(QWidget* champ, const QString& texte)
{
    for (QChar c : texte) {
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(champ, Qt::Key_Return);
            continue;
        }
        QTest::sendKeyEvent(QTest::Press, champ, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, champ, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Puts the focus in the field with a click, as the user does.
inline void cliquerDans(QWidget* champ)
{
    QWidget* cible = champ;
    if (auto* notes = qobject_cast<QPlainTextEdit*>(champ))
        cible = notes->viewport();
    QTest::mouseClick(cible, Qt::LeftButton, {}, QPoint(8, cible->height() / 2));
}

// Clicks into the field and types.
inline void saisir(QWidget* champ, const QString& texte)
{
    cliquerDans(champ);
    taper(champ, texte);
}

inline void activer(FrmPrincipal& f)
{
    f.activateWindow();
    QApplication::setActiveWindow(&f);
    QVERIFY(QTest::qWaitForWindowActive(&f));
}

// Every invariant of the counters against a recount from the recipes.
inline QString incoherence(const Tables& t)
{
    if (t.NbCat < 0 || t.NbCat > Tables::MaxCat || t.NbMag < 0 || t.NbMag > Tables::MaxMag || t.NbRecett < 0
        || t.NbRecett > Tables::MaxRecett)
        return QStringLiteral("count out of bounds");
    for (int r = 1; r <= t.NbRecett; ++r) {
        const int c = t.RecettVal(r, 0);
        const int s = t.RecettVal(r, 1);
        const int m = t.RecettVal(r, 2);
        if (c < 0 || c > t.NbCat || m < 0 || m > t.NbMag || s < 0 || s > t.NbSousCat(c) || (c == 0 && s != 0))
            return QStringLiteral("recipe %1 points outside the tables").arg(r);
    }
    for (int c = 1; c <= t.NbCat; ++c) {
        if (t.CatNbRecett(c) != t.compterCat(c))
            return QStringLiteral("category %1: %2 counted, %3 kept").arg(c).arg(t.compterCat(c)).arg(t.CatNbRecett(c));
        for (int s = 1; s <= t.NbSousCat(c); ++s)
            if (t.SousCatNbRecett(c, s) != t.compterSousCat(c, s))
                return QStringLiteral("sub-category %1/%2").arg(c).arg(s);
    }
    for (int m = 1; m <= t.NbMag; ++m)
        if (t.MagNbRecett(m) != t.compterMag(m))
            return QStringLiteral("magazine %1").arg(m);
    return {};
}

// The whole base as text, to see that nothing changed.
inline QString photo(const Tables& t)
{
    QString s = QStringLiteral("%1 %2 %3\n").arg(t.NbCat).arg(t.NbMag).arg(t.NbRecett);
    for (int c = 1; c <= t.NbCat; ++c) {
        s += QStringLiteral("C %1 %2 %3\n").arg(t.Cat(c)).arg(t.CatNbRecett(c)).arg(t.NbSousCat(c));
        for (int sc = 1; sc <= t.NbSousCat(c); ++sc)
            s += QStringLiteral(" S %1 %2\n").arg(t.SousCat(c, sc)).arg(t.SousCatNbRecett(c, sc));
    }
    for (int m = 1; m <= t.NbMag; ++m)
        s += QStringLiteral("M %1 %2\n").arg(t.Mag(m)).arg(t.MagNbRecett(m));
    for (int r = 1; r <= t.NbRecett; ++r)
        s += QStringLiteral("R %1|%2|%3|%4|%5 %6 %7 %8\n")
                 .arg(t.RecettTexte(r, 0), t.RecettTexte(r, 1), t.RecettTexte(r, 2), t.RecettTexte(r, 3))
                 .arg(t.RecettVal(r, 0))
                 .arg(t.RecettVal(r, 1))
                 .arg(t.RecettVal(r, 2))
                 .arg(t.RecettVal(r, 3));
    return s;
}

} // namespace AideFiche
