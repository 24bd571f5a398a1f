#include "Bases.h"
#include "FrmPrincipal.h"
#include "Programme.h"
#include "base/Codec.h"
#include "base/FichierBase.h"
#include "base/Fichiers.h"
#include <QDir>

void RoutinesBases::brancher() {}

void RoutinesBases::ChargerBase()
{
    p.fen->setEnabled(false);
    LireBase();
    p.fen->setEnabled(true);
}

void RoutinesBases::SauverBase()
{
    p.fen->setEnabled(false);
    EcrireBase();
    p.fen->setEnabled(true);
}

void RoutinesBases::LireBase()
{
    const QString chemin = p.etat.CheminBase;
    p.etat.BaseLueAvecErreurs = false;
    p.etat.BaseIlisible = false;
    if (!Fichiers::existe(chemin)) {
        // A missing base becomes a new empty base.
        p.AfficherTitre();
        p.base.ViderCompteurs();
        EcrireBase();
        return;
    }
    QString texte;
    const bool lu = p.politique.etape([&] { texte = Codec::decoder(Fichiers::lire(chemin)); });
    if (!lu || !FichierBase::lireEntete(texte).courante()) {
        p.etat.BaseIlisible = true;
        p.plateforme.message(QStringLiteral("Zuta!"),
                             QStringLiteral("Le fichier « ") + QDir::toNativeSeparators(chemin)
                                 + QStringLiteral(" » n'est pas une base Zuta! v1.2b lisible.\nIl est laissé tel "
                                                  "quel et une base vide est ouverte à sa place."),
                             Plateforme::Boutons::OK, Plateforme::Icone::Exclamation);
        p.AfficherTitre();
        return;
    }
    p.AfficherTitre();
    const FichierBase::ResultatLecture r = FichierBase::lire(texte, p.base, p.politique);
    p.etat.BaseLueAvecErreurs = r.erreurs;
}

void RoutinesBases::EcrireBase()
{
    p.AfficherTitre();
    bool remplace = false;
    const QByteArray octets = Codec::encoder(FichierBase::ecrire(p.base), &remplace);
    p.politique.etape([&] { Fichiers::ecrireSur(p.etat.CheminBase, octets); });
}
