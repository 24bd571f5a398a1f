#pragma once
// A fresh program in a temporary program folder, driven by the scripted
// platform: the common ground of the widget tests. The main window's controls
// are found by their names, as the user's tools find them.
#include "Outils.h"
#include "PlateformeScriptee.h"
#include "app/Programme.h"
#include "search/ModeleTrouvees.h"
#include "windows/FrmAide.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <memory>

// The main window and its controls, each under its name in the program.
struct Fenetre {
    explicit Fenetre(FrmPrincipal& f) : fen(&f) {}
    template <class T>
    T* controle(const char* nom) const
    {
        T* c = fen->findChild<T*>(QLatin1String(nom));
        if (!c)
            qFatal("no control %s", nom);
        return c;
    }

    FrmPrincipal* fen;
    QPushButton* CommandNouvelle = controle<QPushButton>("CommandNouvelle");
    QPushButton* CommandCharger = controle<QPushButton>("CommandCharger");
    QPushButton* CommandIndex = controle<QPushButton>("CommandIndex");
    QPushButton* CommandImpr = controle<QPushButton>("CommandImpr");
    QPushButton* CommandApercu = controle<QPushButton>("CommandApercu");
    QCheckBox* CheckNotes = controle<QCheckBox>("CheckNotes");
    QPushButton* CommandAide = controle<QPushButton>("CommandAide");
    QPushButton* CommandQuitter = controle<QPushButton>("CommandQuitter");
    QLabel* Image1 = controle<QLabel>("Image1");
    QLabel* Image2 = controle<QLabel>("Image2");
    QGroupBox* FrameRech = controle<QGroupBox>("FrameRech");
    QComboBox* ComboRechCat = controle<QComboBox>("ComboRechCat");
    QComboBox* ComboRechSousCat = controle<QComboBox>("ComboRechSousCat");
    QComboBox* ComboRechMag = controle<QComboBox>("ComboRechMag");
    QComboBox* ComboTeste = controle<QComboBox>("ComboTeste");
    QLineEdit* TextRech = controle<QLineEdit>("TextRech");
    QPushButton* CommandRechValider = controle<QPushButton>("CommandRechValider");
    QTableView* ListRecettes = controle<QTableView>("ListRecettes");
    QLabel* LabelTotalrecett = controle<QLabel>("LabelTotalrecett");
    QLabel* LabelNbRecettList = controle<QLabel>("LabelNbRecettList");
    QGroupBox* FrameFiche = controle<QGroupBox>("FrameFiche");
    QLineEdit* TextRecettNom = controle<QLineEdit>("TextRecettNom");
    QComboBox* ComboRecettCat = controle<QComboBox>("ComboRecettCat");
    QComboBox* ComboRecettSousCat = controle<QComboBox>("ComboRecettSousCat");
    QComboBox* ComboRecettMag = controle<QComboBox>("ComboRecettMag");
    QLineEdit* TextRecettNumero = controle<QLineEdit>("TextRecettNumero");
    QLineEdit* TextRecettPage = controle<QLineEdit>("TextRecettPage");
    QPlainTextEdit* TextRecettComment = controle<QPlainTextEdit>("TextRecettComment");
    QCheckBox* CheckRecettTeste = controle<QCheckBox>("CheckRecettTeste");
    QPushButton* CommandRecettNouvelle = controle<QPushButton>("CommandRecettNouvelle");
    QPushButton* CommandRecettValider = controle<QPushButton>("CommandRecettValider");
    QPushButton* CommandRecettSuppr = controle<QPushButton>("CommandRecettSuppr");
    QPushButton* CommandRecettImpr = controle<QPushButton>("CommandRecettImpr");
    QPushButton* CommandRecettApercu = controle<QPushButton>("CommandRecettApercu");
    QCheckBox* CheckSaisie = controle<QCheckBox>("CheckSaisie");

    // The names of the found list as shown, row by row, and the row chosen (-1: none).
    QStringList lignesRecettes() const { return colonne(ModeleTrouvees::Nom); }
    QStringList colonne(int c) const
    {
        QStringList textes;
        for (int k = 0; k < modele()->rowCount(); ++k)
            textes << modele()->texte(k, c);
        return textes;
    }
    int ligneChoisie() const
    {
        const QModelIndex i = ListRecettes->currentIndex();
        return i.isValid() && ListRecettes->selectionModel()->isSelected(i) ? i.row() : -1;
    }
    QPushButton* boutonParDefaut() const { return fen->parDefaut().bouton(); }
    // The title as the desktop shows it: "*" after the base's name while it holds unsaved changes.
    QString titre() const { return fen->windowHandle() ? fen->windowHandle()->title() : fen->windowTitle(); }
    ModeleTrouvees* modele() const { return qobject_cast<ModeleTrouvees*>(ListRecettes->model()); }
};

class Banc {
public:
    Banc() : m_ancien(QDir::currentPath()) { QDir::setCurrent(m_dossier.path()); }
    ~Banc()
    {
        m_fenetre.reset();
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

    // Builds the program and runs its start-up; each showing of the progress
    // window is recorded.
    Fenetre& demarrer(const QString& base = {})
    {
        programme = std::make_unique<Programme>(plateforme);
        QObject::connect(&programme->fenetreProgression(), &FenetreProgression::montree,
                         [this](const QString& titre, const QString& texte, const QRect& cadre) {
                             progressions.append({titre, texte, cadre});
                         });
        QObject::connect(programme.get(), &Programme::termine, [this] { ++fins; });
        m_fenetre = std::make_unique<Fenetre>(programme->fenetre());
        programme->demarrer(base);
        return *m_fenetre;
    }

    // Starts on a base file of the folder, written first with the given bytes.
    Fenetre& demarrerSurFichier(const QByteArray& octets, const QString& nom = u("Recettes.don"))
    {
        ecrireOctets(nom, octets);
        reglages(chemin(nom));
        return demarrer();
    }

    // Starts on the given base text, the window active and no box pending.
    Fenetre& demarrerSur(const QString& base)
    {
        demarrerSurFichier(Codec::encoder(base));
        activer();
        boites();
        return fen();
    }

    void activer()
    {
        fen().fen->activateWindow();
        QApplication::setActiveWindow(fen().fen);
        QVERIFY(QTest::qWaitForWindowActive(fen().fen));
    }

    Programme& p() { return *programme; }
    // The open base's tables, changed behind the program's back to set up a case.
    Tables& tables() { return programme->document().tables(); }
    // The help window while it is open.
    FrmAide* aide() const
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* a = qobject_cast<FrmAide*>(w); a && a->isVisible())
                return a;
        return nullptr;
    }
    // The number of times the program ended.
    int fins = 0;
    // The progress window is still on screen.
    static bool progressionOuverte()
    {
        const QWidgetList fenetres = QApplication::topLevelWidgets();
        return std::any_of(fenetres.begin(), fenetres.end(), [](const QWidget* w) {
            return w->objectName() == QLatin1String("FrmSauvegarde") && w->isVisible();
        });
    }
    Fenetre& fen() { return *m_fenetre; }

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
        QVERIFY(fen().fen->isVisible() && fen().fen->isEnabled());
        fen().CommandRechValider->click();
        QCOMPARE(fen().LabelTotalrecett->text(), u("Recettes totales : %1").arg(recettes));
    }

    // Each showing of the progress window: its texts and its place.
    struct Progression {
        QString titre;
        QString texte;
        QRect cadre;
    };
    QList<Progression> progressions;
    // As "title / label".
    QStringList titresProgression() const
    {
        QStringList t;
        for (const auto& pr : progressions)
            t << pr.titre + u(" / ") + pr.texte;
        return t;
    }

    PlateformeScriptee plateforme;
    std::unique_ptr<Programme> programme;

private:
    QTemporaryDir m_dossier;
    QString m_ancien;
    std::unique_ptr<Fenetre> m_fenetre;
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
inline QString compteurs(const Fenetre& f)
{
    return f.LabelTotalrecett->text() + u(" / ") + f.LabelNbRecettList->text();
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
inline void cliquerLigne(Fenetre& f, int k)
{
    f.ListRecettes->scrollTo(f.modele()->index(k, 0));
    const QRect zone = f.ListRecettes->visualRect(f.modele()->index(k, 0));
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
inline void saisirFiche(Fenetre& f, const QStringList& champs)
{
    const QList<QWidget*> w{f.TextRecettNom,    f.ComboRecettCat, f.ComboRecettSousCat, f.ComboRecettMag,
                            f.TextRecettNumero, f.TextRecettPage, f.TextRecettComment};
    for (int i = 0; i < champs.size(); ++i)
        if (!champs[i].isEmpty())
            saisir(w[i], champs[i]);
}
