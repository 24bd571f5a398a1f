#include "Programme.h"
#include "FrmPrincipal.h"
#include "Reglages.h"
#include "base/Codec.h"
#include "base/Fichiers.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QStringListModel>

Programme::Programme(Plateforme& p)
    : plateforme(p), politique(p), fen(std::make_unique<FrmPrincipal>(collation)), bases(*this), recherche(*this),
      interrupteurs(*this), fiche(*this), sorties(*this), fenetres(*this)
{
    bases.brancher();
    recherche.brancher();
    interrupteurs.brancher();
    fiche.brancher();
    sorties.brancher();
    fenetres.brancher();
}

Programme::~Programme() = default;

void Programme::Main()
{
    politique.etape([&] {
        fen->definirLignesRecettes({});
        fen->ListTmp.clear();
    });
    if (etat.EtatDemarrage != 1) {
        etat.EtatDemarrage = 0;
        etat.FermetureEnCours = 0;
        politique.etape([&] { fixerCheminAppli(); });
        LireIni();
        bases.ChargerBase();
        politique.etape([&] { fen->ComboTeste->setCurrentIndex(0); });
        recherche.RemplirListesRech();
    }
    etat.MajSousCatSeule = 0;
    recherche.ActualiserListesRech();
    recherche.Rechercher();
    fiche.NouvelleFiche();
    if (etat.EtatDemarrage == 0) {
        etat.EtatDemarrage = 1;
        fen->show();
        // Loading disabled the window, which lost its focus: the keyboard
        // starts again in the empty card, ready for a name.
        if (!fen->focusWidget())
            fen->TextRecettNom->setFocus();
    }
}

void Programme::fixerCheminAppli()
{
    // The folder is taken once; a folder that already ends with the separator
    // (a drive's root) is taken again each time, as the flag stays at 0.
    const QString separateur = QDir::separator();
    if (etat.CheminAppliFixe == 0)
        etat.CheminAppli = QDir::toNativeSeparators(QDir::currentPath());
    if (!etat.CheminAppli.endsWith(separateur) && etat.CheminAppliFixe == 0) {
        etat.CheminAppli += separateur;
        etat.CheminAppliFixe = 1;
    }
}

void Programme::LireIni()
{
    const QString chemin = etat.CheminAppli + Reglages::NomFichier;
    const Fichiers::Examen examen = Fichiers::examiner(chemin, Fichiers::TailleMaxPetitFichier);
    if (examen.refuse())
        plateforme.message(QStringLiteral("Zuta!"),
                           QStringLiteral("Le fichier des réglages « ") + QDir::toNativeSeparators(chemin)
                               + QStringLiteral(" » ") + Fichiers::pourquoiRefuse(examen)
                               + QStringLiteral(" : il n'est ni lu ni remplacé, et les réglages prennent leur valeur "
                                                "par défaut."),
                           Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
    if (examen.absent() || examen.refuse()) {
        // First start: the program's own defaults, without a word.
        etat.OptionNotes = 0;
        etat.OptionInfoBulles = 1;
        etat.CheminBase = etat.CheminAppli + Reglages::BaseParDefaut;
        placerFenetre(true);
        return;
    }
    QString texte;
    Reglages::Valeurs v{etat.OptionNotes, etat.OptionInfoBulles, etat.FenHaut, etat.FenGauche, etat.CheminBase};
    if (politique.etape([&] { texte = Codec::decoder(Fichiers::lire(chemin, Fichiers::TailleMaxPetitFichier)); })
        && !Reglages::lire(texte, v, politique)) {
        // A damaged file's last line is no base path unless it is a full one.
        if (!QDir::isAbsolutePath(v.CheminBase))
            v.CheminBase.clear();
        plateforme.message(QStringLiteral("Zuta!"),
                           QStringLiteral("Le fichier des réglages « ") + QDir::toNativeSeparators(chemin)
                               + QStringLiteral(" » contient des valeurs illisibles : elles gardent leur valeur par "
                                                "défaut. Le fichier sera réécrit à la fin du programme."),
                           Plateforme::Boutons::OK, Plateforme::Icone::Information);
    }
    etat.OptionNotes = v.OptionNotes;
    etat.OptionInfoBulles = v.OptionInfoBulles;
    etat.FenHaut = v.FenHaut;
    etat.FenGauche = v.FenGauche;
    etat.CheminBase = v.CheminBase;
    // "*" names the default base; so does a settings file that named none.
    if (etat.CheminBase == QLatin1String("*") || etat.CheminBase.isEmpty())
        etat.CheminBase = etat.CheminAppli + Reglages::BaseParDefaut;
    if (etat.OptionNotes == 1) {
        // Checking the box would toggle the option through its handler; the
        // option is 1 afterwards either way.
        const QSignalBlocker bloque(fen->CheckNotes);
        fen->CheckNotes->setChecked(true);
        etat.OptionNotes = 1;
    }
    placerFenetre(false);
    if (etat.OptionInfoBulles != 1.0f)
        fenetres.BasculerInfoBulles();
}

double Programme::dpiEcran() const
{
    const QScreen* ecran = fen->screen() ? fen->screen() : QGuiApplication::primaryScreen();
    return ecran ? ecran->logicalDotsPerInch() : 96.0;
}

void Programme::placerFenetre(bool premierDemarrage)
{
    const QScreen* ecran = fen->screen() ? fen->screen() : QGuiApplication::primaryScreen();
    const double dpi = dpiEcran();
    if (premierDemarrage && ecran) {
        const QRect zone = ecran->availableGeometry();
        QRect cadre(QPoint(), fen->size());
        cadre.moveCenter(zone.center());
        fen->move(cadre.topLeft());
        etat.FenHaut = static_cast<float>(Reglages::pixelsVersTwips(cadre.top(), dpi));
        etat.FenGauche = static_cast<float>(Reglages::pixelsVersTwips(cadre.left(), dpi));
        return;
    }
    fen->move(Reglages::twipsVersPixels(etat.FenGauche, dpi), Reglages::twipsVersPixels(etat.FenHaut, dpi));
}

void Programme::EcrireIni()
{
    // A settings path that names no file of the program was refused at
    // start-up, and said so: it stays as it is.
    const QString chemin = etat.CheminAppli + Reglages::NomFichier;
    if (Fichiers::examiner(chemin, Fichiers::TailleMaxPetitFichier).refuse())
        return;
    const Reglages::Valeurs v{etat.OptionNotes, etat.OptionInfoBulles, etat.FenHaut, etat.FenGauche, etat.CheminBase};
    const QString texte = Reglages::ecrire(v);
    bool remplace = false;
    const QByteArray octets = Codec::encoder(texte, &remplace);
    if (remplace)
        plateforme.message(QStringLiteral("Zuta!"),
                           QStringLiteral("Le chemin de la base « ") + etat.CheminBase
                               + QStringLiteral(" » contient des caractères que le fichier « Zuta.ini » ne peut pas "
                                                "enregistrer : ils y sont remplacés par « ? ».\nLa base ne sera pas "
                                                "rouverte automatiquement au prochain démarrage."),
                           Plateforme::Boutons::OK, Plateforme::Icone::Information);
    politique.etape([&] { Fichiers::ecrireSur(chemin, octets); });
}

void Programme::AfficherTitre()
{
    QString titre = QStringLiteral("Zuta! v1.2b");
    const qsizetype p = std::max(etat.CheminBase.lastIndexOf(QDir::separator()), etat.CheminBase.lastIndexOf(QLatin1Char('/')));
    if (p >= 0)
        titre += QStringLiteral("   (base : ") + etat.CheminBase.mid(p + 1) + QLatin1Char(')');
    fen->setWindowTitle(titre);
}
