#pragma once
// A fresh program in a temporary program folder, driven by the scripted
// platform: the common ground of the widget tests.
#include "app/FrmPrincipal.h"
#include "app/Programme.h"
#include "base/Codec.h"
#include "platform/PlateformeScriptee.h"
#include "base/Tables.h"
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class Banc {
public:
    Banc() : m_ancien(QDir::currentPath())
    {
        QDir::setCurrent(m_dossier.path());
    }
    ~Banc()
    {
        programme.reset();
        QDir::setCurrent(m_ancien);
    }

    // The program folder, ending with the separator.
    QString dossier() const { return QDir::toNativeSeparators(m_dossier.path()) + QDir::separator(); }
    QString chemin(const QString& nom) const { return dossier() + nom; }

    // Writes a file of the program folder from text (Windows-1252, lines as given).
    void ecrire(const QString& nom, const QString& texte) const { ecrireOctets(nom, Codec::encoder(texte)); }
    void ecrireOctets(const QString& nom, const QByteArray& octets) const
    {
        QFile f(chemin(nom));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }
    QByteArray lire(const QString& nom) const
    {
        QFile f(chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Settings pointing at the given base of the folder ("*" for the default).
    void reglages(const QString& base = QStringLiteral("*"), int notes = 0, int bulles = 1)
    {
        ecrire(QStringLiteral("Zuta.ini"), QStringLiteral(" %1 \r\n %2 \r\n 1500 \r\n 1500 \r\n%3\r\n")
                                               .arg(notes)
                                               .arg(bulles)
                                               .arg(base));
    }

    // Builds the program and runs its start-up.
    FrmPrincipal& demarrer()
    {
        programme = std::make_unique<Programme>(plateforme);
        programme->Main();
        return *programme->fen;
    }

    // Starts on the given base text, the window active and no box pending.
    FrmPrincipal& demarrerSur(const QString& base, int bulles = 1)
    {
        ecrire(QStringLiteral("Recettes.don"), base);
        reglages(chemin(QStringLiteral("Recettes.don")), 0, bulles);
        demarrer();
        activer();
        boites();
        return fen();
    }

    void activer()
    {
        fen().activateWindow();
        QApplication::setActiveWindow(&fen());
        QVERIFY(QTest::qWaitForWindowActive(&fen()));
    }

    Programme& p() { return *programme; }
    FrmPrincipal& fen() { return *programme->fen; }

    // Texts of the boxes shown so far, then forgets them.
    QStringList boites()
    {
        QStringList textes;
        for (const auto& b : plateforme.boites)
            textes << b.titre + QStringLiteral(" | ") + b.texte;
        plateforme.boites.clear();
        return textes;
    }

    PlateformeScriptee plateforme;
    std::unique_ptr<Programme> programme;

private:
    QTemporaryDir m_dossier;
    QString m_ancien;
};

// A small base in the current layout, one line per entry of the list, CR LF ends.
inline QString baseTexte(const QStringList& lignes)
{
    return lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

inline QString u(const char* texte) { return QString::fromUtf8(texte); }

// A file of tests/data.
inline QByteArray donneeTest(const QString& nom)
{
    QFile f(qEnvironmentVariable("ZUTA_DONNEES_TEST") + QLatin1Char('/') + nom);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A recipe of a base file: issue, category, page, sub-category, notes,
// magazine, name, tested.
inline QStringList recetteTexte(const char* numero, int c, const char* page, int s, const char* notes, int m,
                                const char* nom, int teste = 0)
{
    const auto cite = [](const char* t) { return QLatin1Char('"') + u(t) + QLatin1Char('"'); };
    return {cite(numero), QString::number(c), cite(page), QString::number(s), cite(notes), QString::number(m),
            cite(nom),    QString::number(teste)};
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
        t.RecettTexte(n, 0) = u(r.numero);
        t.RecettTexte(n, 1) = u(r.page);
        t.RecettTexte(n, 2) = u(r.notes);
        t.RecettTexte(n, 3) = u(r.nom);
        t.RecettVal(n, 0) = r.cat;
        t.RecettVal(n, 1) = r.sousCat;
        t.RecettVal(n, 2) = r.mag;
        t.RecettVal(n, 3) = r.teste;
    }
    t.remettreEnCoherence();
}

// The entries of a list, in order.
inline QStringList entrees(const QComboBox* liste)
{
    QStringList textes;
    for (int i = 0; i < liste->count(); ++i)
        textes << liste->itemText(i);
    return textes;
}

// A choice in a search list with the keyboard, as the user makes it.
inline void choisirAuClavier(QComboBox* liste, const QString& texte)
{
    const int cible = liste->findText(texte, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(cible >= 0, qPrintable(texte));
    liste->setFocus(Qt::TabFocusReason);
    while (liste->currentIndex() < cible)
        QTest::keyClick(liste, Qt::Key_Down);
    while (liste->currentIndex() > cible)
        QTest::keyClick(liste, Qt::Key_Up);
}

// Presses Enter where the focus is.
inline void entree() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

// A click on line k of the found list.
inline void cliquerLigne(FrmPrincipal& f, int k)
{
    f.ListRecettes->scrollTo(f.ModeleRecettes->index(k));
    const QRect zone = f.ListRecettes->visualRect(f.ModeleRecettes->index(k));
    QTest::mouseClick(f.ListRecettes->viewport(), Qt::LeftButton, {}, zone.center());
}

// Types the text character by character into the widget, as a keyboard does
// (accented letters included; "\n" is Enter).
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

// Puts the focus in the field with a click near its left edge, as the user does.
inline void cliquerDans(QWidget* champ)
{
    QWidget* cible = champ;
    if (auto* notes = qobject_cast<QPlainTextEdit*>(champ))
        cible = notes->viewport();
    QTest::mouseClick(cible, Qt::LeftButton, {}, QPoint(6, cible->height() / 2));
}

// Clicks into the field and types.
inline void saisir(QWidget* champ, const QString& texte)
{
    cliquerDans(champ);
    taper(champ, texte);
}

// Every invariant of the counters against a recount from the recipes.
inline QString incoherence(const Tables& t)
{
    if (t.NbCat < 0 || t.NbCat > Tables::MaxCat || t.NbMag < 0 || t.NbMag > Tables::MaxMag || t.NbRecett < 0
        || t.NbRecett > Tables::MaxRecett)
        return QStringLiteral("count out of bounds");
    for (int r = 1; r <= t.NbRecett; ++r) {
        const int c = t.RecettVal(r, 0), s = t.RecettVal(r, 1), m = t.RecettVal(r, 2);
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

// The progress windows shown so far, as "title / label".
inline QStringList titresProgression(const Programme& p)
{
    QStringList t;
    for (const auto& pr : p.bases.progressions)
        t << pr.titre + QStringLiteral(" / ") + pr.texte;
    return t;
}
