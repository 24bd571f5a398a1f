#include "Fichiers.h"
#include "platform/ErreurExecution.h"
#include "platform/VerrouFichier.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace Fichiers {

namespace {
QString cause(QFileDevice::FileError erreur, const QString& chemin)
{
    switch (erreur) {
    case QFileDevice::PermissionsError: return Erreurs::PermissionRefusee;
    case QFileDevice::ResourceError: return Erreurs::DisquePlein;
    case QFileDevice::OpenError:
        if (!QFileInfo(chemin).absoluteDir().exists())
            return Erreurs::ErreurAccesChemin;
        return QFileInfo(chemin).isDir() ? Erreurs::ErreurAccesChemin : Erreurs::PermissionRefusee;
    default: return Erreurs::ErreurEntreeSortie;
    }
}

QString nomAffiche(const QString& chemin) { return QDir::toNativeSeparators(chemin); }

[[noreturn]] void echecEcriture(const QString& description, const QString& chemin)
{
    throw ErreurExecution(description + QStringLiteral("\n\nLe fichier « ") + nomAffiche(chemin)
                          + QStringLiteral(" » n'a pas pu être écrit ; son contenu précédent est intact."));
}
} // namespace

Examen examiner(const QString& chemin, qint64 tailleMax)
{
    const NatureFichier::Etat etat = NatureFichier::examiner(chemin);
    return {etat.genre, etat.taille, tailleMax};
}

QString nature(NatureFichier::Genre genre)
{
    using G = NatureFichier::Genre;
    switch (genre) {
    case G::Dossier: return QStringLiteral("un dossier");
    case G::Peripherique: return QStringLiteral("un périphérique");
    case G::Tube: return QStringLiteral("un tube nommé");
    case G::Socket: return QStringLiteral("un socket");
    case G::Special: return QStringLiteral("un fichier spécial");
    case G::Ordinaire: return QStringLiteral("un fichier");
    case G::Absent: break;
    }
    return QStringLiteral("rien");
}

namespace {
// Whole megabytes, rounded up: a file just over the bound never reads as
// equal to it.
QString enMo(qint64 octets) { return QStringLiteral("%1 Mo").arg((octets + Mo - 1) / Mo); }
} // namespace

QString pourquoiRefuse(const Examen& e)
{
    if (e.tropGrand())
        return QStringLiteral("est trop volumineux (") + enMo(e.taille) + QStringLiteral(", pour ") + enMo(e.tailleMax)
            + QStringLiteral(" au plus)");
    return QStringLiteral("désigne ") + nature(e.genre) + QStringLiteral(", pas un fichier ordinaire");
}

QByteArray lire(const QString& chemin, qint64 tailleMax)
{
    const auto echec = [&](const QString& description) {
        return ErreurExecution(description + QStringLiteral(" : ") + nomAffiche(chemin));
    };
    if (!QFileInfo::exists(chemin))
        throw echec(Erreurs::FichierIntrouvable);
    QFile f;
    NatureFichier::Etat etat;
    if (!NatureFichier::ouvrirEnLecture(f, chemin, etat))
        throw echec(Erreurs::PermissionRefusee);
    if (etat.genre != NatureFichier::Genre::Ordinaire)
        throw echec(Erreurs::PasUnFichierOrdinaire);
    if (etat.taille > tailleMax)
        throw echec(Erreurs::FichierTropVolumineux);
    if (VerrouFichier::empecheLecture(chemin))
        throw echec(Erreurs::FichierVerrouille);
    QByteArray octets = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw echec(Erreurs::ErreurEntreeSortie);
    if (octets.size() > tailleMax) // it grew while it was read
        throw echec(Erreurs::FichierTropVolumineux);
    return octets;
}

void ecrireVers(QIODevice& sortie, const QByteArray& octets, const QString& chemin)
{
    qsizetype ecrits = 0;
    while (ecrits < octets.size()) {
        const qint64 n = sortie.write(octets.constData() + ecrits, octets.size() - ecrits);
        if (n <= 0) {
            const auto* f = qobject_cast<QFileDevice*>(&sortie);
            echecEcriture(f ? cause(f->error(), chemin) : Erreurs::DisquePlein, chemin);
        }
        ecrits += n;
    }
}

void verifierRemplacable(const QString& chemin)
{
    const QFileInfo info(chemin);
    if (info.isDir())
        echecEcriture(Erreurs::ErreurAccesChemin, chemin);
    if (!info.exists())
        return;
    // A device or a pipe is never replaced by a file of the program.
    if (NatureFichier::examiner(chemin).genre != NatureFichier::Genre::Ordinaire)
        echecEcriture(Erreurs::PasUnFichierOrdinaire, chemin);
    // A file made read-only (no write permission for anyone, as the
    // read-only attribute on Windows) stays as it is, even for an
    // administrator whom the system itself would let replace it.
    constexpr auto ecriture = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!(info.permissions() & ecriture))
        echecEcriture(Erreurs::FichierLectureSeule, chemin);
    if (VerrouFichier::empecheEcriture(chemin))
        echecEcriture(Erreurs::FichierVerrouille, chemin);
}

void ecrireSur(const QString& chemin, const QByteArray& octets)
{
    verifierRemplacable(chemin);
    QSaveFile f(chemin);
    // Unbuffered: a buffered QSaveFile can drop the end of a short write (a
    // file size limit, a full disk) and still commit a cut file. Each write
    // here reaches the file and its count is checked.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        echecEcriture(cause(f.error(), chemin), chemin);
    ecrireVers(f, octets, chemin);
    if (f.size() != octets.size())
        echecEcriture(Erreurs::ErreurEntreeSortie, chemin);
    if (!f.commit())
        echecEcriture(cause(f.error(), chemin), chemin);
}

namespace {
// The hard link of garderCopie, put in place of the copy at once by a rename
// so that a save cut short never leaves the copy missing. Only between two
// regular files (no symbolic link, whose target the safe write replaces),
// within the bound, not locked by a writer; false, with nothing changed,
// whenever it is not done (another file system, one without links).
bool lier(const QString& source, const QString& copie, qint64 tailleMax)
{
    const QByteArray s = QFile::encodeName(source), c = QFile::encodeName(copie);
    struct stat etat {};
    if (::lstat(s.constData(), &etat) != 0 || !S_ISREG(etat.st_mode) || etat.st_size > tailleMax)
        return false;
    if (::lstat(c.constData(), &etat) == 0 ? !S_ISREG(etat.st_mode) : errno != ENOENT)
        return false;
    if (VerrouFichier::empecheLecture(source))
        return false;
    const QByteArray lien = c + ".lien-" + QByteArray::number(::getpid());
    ::unlink(lien.constData()); // left by a save that was killed
    if (::link(s.constData(), lien.constData()) != 0)
        return false;
    if (::rename(lien.constData(), c.constData()) != 0) {
        ::unlink(lien.constData());
        return false;
    }
    return true;
}
} // namespace

void garderCopie(const QString& source, const QString& copie, qint64 tailleMax)
{
    verifierRemplacable(copie);
    if (!lier(source, copie, tailleMax))
        ecrireSur(copie, lire(source, tailleMax));
}

bool existe(const QString& chemin) { return QFileInfo::exists(chemin); }

} // namespace Fichiers
