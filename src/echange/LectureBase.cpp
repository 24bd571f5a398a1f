#include "LectureBase.h"
#include "base/Codec.h"
#include "base/Conversion.h"
#include "base/FichierBase.h"
#include "base/Fichiers.h"
#include "base/Tables.h"
#include "platform/ErreurExecution.h"
#include <QDir>

namespace LectureBase {

namespace {

Resultat refuser(const QString& raison)
{
    Resultat r;
    r.refus = raison;
    return r;
}

Resultat lireOctets(const QString& chemin, const QByteArray& octets, Tables& t, PolitiqueErreurs& politique)
{
    const Conversion::Genre genre = Conversion::examinerEntete(octets);
    if (genre == Conversion::Genre::PasUneBase)
        return refuser(QStringLiteral("Le fichier ") + nomAffiche(chemin)
                       + QStringLiteral(" n'est pas une base Zuta! : sa première valeur n'est pas un nombre."));
    Resultat r;
    if (genre != Conversion::Genre::Courante) {
        // The conversion's report and its kept copy are the conversion's
        // business when the base is opened: here the text alone is read.
        const Conversion::Resultat c =
            Conversion::convertir(Codec::decoder(octets), genre, t, chemin, Conversion::cheminGarde(chemin));
        if (!c.lue)
            return refuser(QStringLiteral("Le fichier ") + nomAffiche(chemin)
                           + QStringLiteral(" n'est pas une base Zuta! lisible : ") + c.raison + QLatin1Char('.'));
        r.ancienne = true;
    } else if (FichierBase::lire(octets, t, politique).erreurs) {
        t.ViderCompteurs();
        return refuser(QStringLiteral("La base ") + nomAffiche(chemin)
                       + QStringLiteral(" n'a pas pu être lue en entier (fichier incomplet ou abîmé)."));
    }
    r.lue = true;
    return r;
}

} // namespace

QString nomAffiche(const QString& chemin)
{
    return QStringLiteral("« ") + QDir::toNativeSeparators(chemin) + QStringLiteral(" »");
}

Fichier lireFichier(const QString& chemin, qint64 tailleMax)
{
    const Fichiers::Examen examen = Fichiers::examiner(chemin, tailleMax);
    if (examen.absent())
        return {{}, QStringLiteral("Le fichier ") + nomAffiche(chemin) + QStringLiteral(" est introuvable.")};
    if (examen.refuse())
        return {{},
                (examen.tropGrand() ? QStringLiteral("Le fichier ") : QStringLiteral("Le chemin ")) + nomAffiche(chemin)
                    + QLatin1Char(' ') + Fichiers::pourquoiRefuse(examen) + QLatin1Char('.')};
    try {
        return {Fichiers::lire(chemin, tailleMax), QString()};
    } catch (const ErreurExecution&) {
        return {{},
                QStringLiteral("Le fichier ") + nomAffiche(chemin)
                    + QStringLiteral(" ne peut pas être lu (accès refusé ou fichier verrouillé).")};
    }
}

Resultat lire(const QString& chemin, Tables& t, PolitiqueErreurs& politique)
{
    t.ViderCompteurs();
    const Fichier fichier = lireFichier(chemin, Fichiers::TailleMaxBase);
    if (!fichier.refus.isEmpty())
        return refuser(fichier.refus);
    return lireOctets(chemin, fichier.octets, t, politique);
}

} // namespace LectureBase
