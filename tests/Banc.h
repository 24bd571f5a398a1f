#pragma once
// A fresh program in a temporary program folder, driven by the scripted
// platform: the common ground of the widget tests.
#include "Outils.h"
#include "app/FrmPrincipal.h"
#include "app/Programme.h"
#include "platform/PlateformeScriptee.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTemporaryDir>
#include <memory>

class Banc {
public:
    Banc() : m_ancien(QDir::currentPath()) { QDir::setCurrent(m_dossier.path()); }
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
    void reglages(const QString& base = u("*"), int notes = 0, int bulles = 1)
    {
        ecrire(u("Zuta.ini"), u(" %1 \r\n %2 \r\n 1500 \r\n 1500 \r\n%3\r\n").arg(notes).arg(bulles).arg(base));
    }

    // Builds the program and runs its start-up.
    FrmPrincipal& demarrer()
    {
        programme = std::make_unique<Programme>(plateforme);
        programme->Main();
        return *programme->fen;
    }

    // Starts on a base file of the folder, written first with the given bytes.
    FrmPrincipal& demarrerSurFichier(const QByteArray& octets, const QString& nom = u("Recettes.don"))
    {
        ecrireOctets(nom, octets);
        reglages(chemin(nom));
        return demarrer();
    }

    // Starts on the given base text, the window active and no box pending.
    FrmPrincipal& demarrerSur(const QString& base)
    {
        demarrerSurFichier(Codec::encoder(base));
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
            textes << b.titre + u(" | ") + b.texte;
        plateforme.boites.clear();
        return textes;
    }

    QStringList lignesReglages() const { return QString::fromLatin1(lire(u("Zuta.ini"))).split(u("\r\n")); }

    // "Actualiser" still works and shows the base in memory.
    void verifierUtilisable(int recettes)
    {
        QVERIFY(fen().isVisible() && fen().isEnabled());
        fen().CommandRechValider->click();
        QCOMPARE(fen().LabelTotalrecett->text(), u("Recettes totales : %1").arg(recettes));
    }

    PlateformeScriptee plateforme;
    std::unique_ptr<Programme> programme;

private:
    QTemporaryDir m_dossier;
    QString m_ancien;
};

// The entries of a list, in order.
inline QStringList entrees(const QComboBox* liste)
{
    QStringList textes;
    for (int i = 0; i < liste->count(); ++i)
        textes << liste->itemText(i);
    return textes;
}

// The two counters under the found list.
inline QString compteurs(const FrmPrincipal& f) { return f.LabelTotalrecett->text() + u(" / ") + f.LabelNbRecettList->text(); }

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

// Types a recipe into the card, field after field as the user does: name,
// category, sub-category, magazine, number, page, notes (empty ones skipped).
inline void saisirFiche(FrmPrincipal& f, const QStringList& champs)
{
    const QList<QWidget*> w{f.TextRecettNom,    f.ComboRecettCat, f.ComboRecettSousCat, f.ComboRecettMag,
                            f.TextRecettNumero, f.TextRecettPage, f.TextRecettComment};
    for (int i = 0; i < champs.size(); ++i)
        if (!champs[i].isEmpty())
            saisir(w[i], champs[i]);
}

// The progress windows shown so far, as "title / label".
inline QStringList titresProgression(const Programme& p)
{
    QStringList t;
    for (const auto& pr : p.bases.progressions)
        t << pr.titre + u(" / ") + pr.texte;
    return t;
}
