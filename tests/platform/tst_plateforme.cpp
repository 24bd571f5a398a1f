// The platform layer: Qt's message boxes with their answers, the error policy, the desktop's "open" and its failures;
// the printing layer's pages, the preview, and a printout stopped from its progress window.
#include "Banc.h"
#include "base/FichierBase.h"
#include "platform/ImpressionQt.h"
#include "platform/MiseEnPages.h"
#include "platform/OuvertureBureau.h"
#include "platform/PlateformeQt.h"
#include "platform/PolitiqueErreurs.h"
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

using R = Plateforme::Reponse;
using B = Plateforme::Boutons;

class TestPlateforme : public QObject {
    Q_OBJECT
private slots:
    // The real box: Escape and the close button tell "closed without an answer" from the answers.
    void boiteReelle_fermeeSansReponse_data()
    {
        QTest::addColumn<Plateforme::Boutons>("boutons");
        QTest::addColumn<QMessageBox::StandardButton>("geste"); // NoButton: Escape; Close: the close box
        QTest::addColumn<Plateforme::Reponse>("reponse");
        QTest::newRow("question, Échap") << B::OuiNon << QMessageBox::NoButton << R::Fermee;
        QTest::newRow("question, Non") << B::OuiNon << QMessageBox::No << R::Non;
        QTest::newRow("question, Oui") << B::OuiNon << QMessageBox::Yes << R::Oui;
        QTest::newRow("erreur, Échap") << B::ReessayerAnnuler << QMessageBox::NoButton << R::Fermee;
        QTest::newRow("erreur, case de fermeture") << B::ReessayerAnnuler << QMessageBox::Close << R::Fermee;
        QTest::newRow("erreur, Annuler") << B::ReessayerAnnuler << QMessageBox::Cancel << R::Annuler;
        QTest::newRow("erreur, Réessayer") << B::ReessayerAnnuler << QMessageBox::Retry << R::Reessayer;
    }

    void boiteReelle_fermeeSansReponse()
    {
        QFETCH(Plateforme::Boutons, boutons);
        QFETCH(QMessageBox::StandardButton, geste);
        QFETCH(Plateforme::Reponse, reponse);
        PlateformeQt qt;
        QTimer::singleShot(0, [&] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (geste == QMessageBox::NoButton)
                QTest::keyClick(boite, Qt::Key_Escape);
            else if (geste == QMessageBox::Close)
                boite->close();
            else
                boite->button(geste)->click();
        });
        QCOMPARE(qt.message(u("Confirmation"), u("Enregistrer ?"), boutons, Plateforme::Icone::Question), reponse);
    }

    // A failing step: Retry runs it again (here it then succeeds), Cancel goes on without it.
    void politiqueErreurs_reessayerRelanceAnnulerPasse()
    {
        Banc b;
        b.plateforme.reponses << R::Reessayer << R::Annuler;
        PolitiqueErreurs politique(b.plateforme);
        int essais = 0;
        const auto etape = [&] {
            if (++essais != 2) // fails at its first run and from its third
                throw ErreurExecution(Erreurs::DisquePlein);
        };
        QVERIFY(politique.etape(etape));
        const PlateformeScriptee::Boite boite = b.plateforme.boites.value(0);
        QVERIFY(boite.boutons == B::ReessayerAnnuler && boite.icone == Plateforme::Icone::Exclamation);
        QCOMPARE(b.boites(), QStringList{u("Erreur ! | Disque plein")});
        QVERIFY(!politique.etape(etape));
        QCOMPARE(essais, 3);
    }

    // "open" reports an opener missing or failing (once it has ended), and only that; the target reaches it intact.
    void ouverture_echecSignale()
    {
        Banc b;
        const QString cible = b.chemin(u("Index à lire.txt"));
        for (const int statut : {-1, 0, 3}) { // -1: no xdg-open; then ours, alone on PATH, writes its argument down
            if (statut >= 0) {
                b.ecrireOctets(u("xdg-open"),
                               "#!/bin/sh\nprintf %s \"$1\" >\"${0%/*}/ouvert\"\nexit " + QByteArray::number(statut));
                QVERIFY(QFile::setPermissions(b.chemin(u("xdg-open")), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            }
            const QByteArray chemin = qgetenv("PATH");
            qputenv("PATH", QFile::encodeName(b.dossier()));
            QObject contexte;
            int echecs = 0;
            OuvertureBureau::ouvrir(QUrl::fromLocalFile(cible), &contexte, [&] { ++echecs; });
            qputenv("PATH", chemin);
            QTRY_VERIFY(contexte.findChildren<QTimer*>().isEmpty());
            QCOMPARE(echecs, statut == 0 ? 0 : 1);
            QCOMPARE(QFile::decodeName(b.lire(u("ouvert"))), statut < 0 ? QString() : cible);
        }
    }

    // Lines on pages of `hauteur` lines: "." a line, " " an empty line, "[" and "]" around a block; the page of
    // each line, "-" for an empty line left out at the top of a page.
    void miseEnPages_blocsEntiersSaufPlusHautsQuUnePage_data()
    {
        QTest::addColumn<QString>("lignes");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<QString>("pages");
        QTest::newRow("ligne qui ne tient plus") << u("....") << 3 << u("1112");
        QTest::newRow("bloc qui tient") << u("..[..]") << 4 << u("1111");
        QTest::newRow("bloc qui ne tient plus: page suivante") << u("...[..]") << 4 << u("11122");
        QTest::newRow("ligne vide en haut de page") << u(".. ...") << 2 << u("11-223");
        QTest::newRow("notes plus hautes qu'une page: pas deplacees") << u("..[[..]......]") << 4 << u("1111222233");
        QTest::newRow("nom et ligne qui ne tiennent plus") << u("...[[..]......]") << 4 << u("11122223333");
    }

    void miseEnPages_blocsEntiersSaufPlusHautsQuUnePage()
    {
        QFETCH(QString, lignes);
        QFETCH(int, hauteur);
        std::vector<MiseEnPages::Ligne> l;
        std::vector<MiseEnPages::Bloc> blocs;
        QList<std::size_t> ouverts;
        for (const QChar c : lignes) {
            if (c == u'[')
                ouverts << blocs.size();
            if (c == u'[')
                blocs.push_back({qsizetype(l.size()), 0});
            else if (c == u']')
                blocs[ouverts.takeLast()].fin = qsizetype(l.size());
            else
                l.push_back({1, c == u' '});
        }
        const int n = MiseEnPages::placer(l, blocs, hauteur);
        QString pages;
        for (const MiseEnPages::Ligne& ligne : l)
            pages += ligne.page ? QString::number(ligne.page) : u("-");
        QTEST(pages, "pages");
        QCOMPARE(n, pages.back().digitValue());
    }

    // On a PDF: the name and line of a recipe that would end below the page start the next one; its notes of
    // 20,000 characters follow, each character printed once and in order, each line within the width; the
    // footers count the pages.
    void impressionReelle_blocSurLaPageSuivanteEtLonguesNotes()
    {
        QTemporaryDir dossier;
        const auto remplir = [&](ImpressionQt& imp, int lignes) {
            for (int k = 0; k < lignes; ++k)
                imp.imprimer({u("ligne %1").arg(k)});
        };
        ImpressionQt essai(dossier.filePath(u("essai.pdf")));
        remplir(essai, 200);
        essai.finDocument();
        int parPage = 0;
        while (essai.ligne(parPage).page == 1)
            ++parPage;

        QString notes = QString(400, u'x') + u(" ");
        while (notes.size() < 20000)
            notes += u("Mélanger %1 g de farine, ").arg(notes.size());
        ImpressionQt imp(dossier.filePath(u("liste.pdf")));
        remplir(imp, parPage - 1);
        imp.debutBloc();
        imp.debutBloc();
        imp.imprimer({u("- Nom\nsa ligne")});
        imp.finBloc();
        imp.taille(8);
        imp.italique(true);
        imp.imprimer({notes});
        imp.finBloc();
        imp.finDocument();
        QCOMPARE(imp.ligne(parPage - 2).page, 1);
        QVERIFY(imp.ligne(parPage - 1).page == 2 && imp.ligne(parPage - 1).cadre.top() == 0);
        QFont police;
        police.setPointSize(8);
        police.setItalic(true);
        QPrinter mesure(QPrinter::HighResolution);
        QString imprime;
        for (qsizetype i = parPage + 1; i < imp.lignes(); ++i) {
            const ImpressionQt::Placement p = imp.ligne(i);
            imprime += p.texte;
            QVERIFY(QFontMetricsF(police, &mesure).horizontalAdvance(p.texte.trimmed()) <= imp.zone().width() + 1);
            QVERIFY(p.cadre.bottom() <= imp.zone().height() && p.page >= 2 && p.page <= imp.pages());
        }
        QCOMPARE(imprime, notes);
        QCOMPARE(ImpressionQt::pied(2, imp.pages()), u("page 2 / %1").arg(imp.pages()));
        QVERIFY(QFileInfo(dossier.filePath(u("liste.pdf"))).size() > 0);
    }

    // The real preview, titled, shows the pages painted before the printout was stopped.
    void apercuReel_titreEtPagesPeintesAvantLArret()
    {
        PlateformeQt qt;
        QString titre;
        int pages = 0;
        QTimer::singleShot(0, [&] {
            auto* dialogue = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            titre = dialogue->windowTitle();
            pages = dialogue->findChild<QPrintPreviewWidget*>()->pageCount();
            dialogue->reject();
        });
        qt.apercu(u("Zuta! / Aperçu de la liste"), [](Impression& imp) {
            imp.suivrePages([](int page) { return page < 3; });
            for (int k = 0; k < 300; ++k)
                imp.imprimer({u("ligne %1").arg(k)});
            imp.finDocument();
        });
        QCOMPARE(titre, u("Zuta! / Aperçu de la liste"));
        QCOMPARE(pages, 2);
    }

    // "Annuler" pressed in the progress window as page 3 of the list starts: the printout stops there, its PDF is
    // removed, nothing is said, the window takes input again with its found list as it was.
    void impressionAnnulee_aucunFichierNiBoite()
    {
        auto t = std::make_unique<Tables>();
        remplirTables(*t, {u("Desserts/Tartes")}, {u("Elle")}, {});
        for (int r = 1; r <= 150; ++r) {
            t->NbRecett = r;
            t->RecettTexte(r, Recette::Nom) = u("Tarte %1").arg(r);
            t->RecettVal(r, Recette::Categorie) = t->RecettVal(r, Recette::Magazine) = 1;
        }
        t->remettreEnCoherence();
        Banc b;
        Fenetre& f = b.demarrerSur(FichierBase::ecrire(*t));
        const QString pdf = b.chemin(u("liste.pdf"));
        b.plateforme.imprimantes << true;
        b.plateforme.imprimante = [&] { return std::make_unique<ImpressionQt>(pdf); };
        QStringList etapes;
        QObject::connect(&b.p().fenetreProgression(), &FenetreProgression::avancee, [&](const QString& etape) {
            etapes << etape;
            QVERIFY(!f.fen->isEnabled());
            for (QWidget* w : QApplication::topLevelWidgets())
                if (etape == u("page 3") && w->objectName() == u("FrmSauvegarde") && QFile::exists(pdf))
                    QTest::mouseClick(w->findChild<QPushButton*>(u("CommandAnnuler")), Qt::LeftButton);
        });
        const QStringList trouvees = f.lignesRecettes();
        f.CommandImpr->click();
        QCOMPARE(etapes, (QStringList{u("page 1"), u("page 2"), u("page 3")}));
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(b.boites().isEmpty() && f.fen->isEnabled());
        QCOMPARE(f.lignesRecettes(), trouvees);
    }
};

QTEST_MAIN(TestPlateforme)
#include "tst_plateforme.moc"
