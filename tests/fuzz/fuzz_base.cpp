// The base file reader and the header check on any bytes: never a crash, a
// hang or a table written out of its bounds; the tables always consistent
// after a reading cut short. The file reader in front of it reads a regular
// file of any content whole, refuses one over its bound, and never waits on
// a pipe or a device.
#include "PlateformeScriptee.h"
#include "base/Codec.h"
#include "base/Conversion.h"
#include "base/FichierBase.h"
#include "base/Fichiers.h"
#include "base/Tables.h"
#include "platform/ErreurExecution.h"
#include "platform/PolitiqueErreurs.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>

namespace {
std::unique_ptr<QTemporaryDir> dossier;

bool refuse(const QString& chemin, qint64 borne)
{
    try {
        Fichiers::lire(chemin, borne);
    } catch (const ErreurExecution&) {
        return true;
    }
    return false;
}

// The bytes as a file, read back through the reader with a bound taken from
// the input: refused exactly when larger, else the same bytes.
void verifierLecteurDeFichier(const QByteArray& octets)
{
    const QString chemin = dossier->filePath(QStringLiteral("base.don"));
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(octets) != octets.size())
        std::abort();
    f.close();
    const qint64 borne = octets.isEmpty() ? 0 : static_cast<unsigned char>(octets[0]) * 8;
    const Fichiers::Examen examen = Fichiers::examiner(chemin, borne);
    const bool tropGrand = octets.size() > borne;
    if (!examen.ordinaire() || examen.tropGrand() != tropGrand || refuse(chemin, borne) != tropGrand)
        std::abort();
    if (!tropGrand && Fichiers::lire(chemin, borne) != octets)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Under /dev/shm when there is one: a file per input stays in memory.
    const QString racine = QDir(QStringLiteral("/dev/shm")).exists()
        ? QStringLiteral("/dev/shm/zuta-fuzz-XXXXXX")
        : QDir::tempPath() + QStringLiteral("/zuta-fuzz-XXXXXX");
    dossier = std::make_unique<QTemporaryDir>(racine);
    const QString tube = dossier->filePath(QStringLiteral("tube.don"));
    if (::mkfifo(QFile::encodeName(tube).constData(), 0600) != 0 || !refuse(tube, Fichiers::TailleMaxBase)
        || !Fichiers::examiner(tube, Fichiers::TailleMaxBase).refuse())
        std::abort();
    if (QFile::exists(QStringLiteral("/dev/zero")) && !refuse(QStringLiteral("/dev/zero"), Fichiers::TailleMaxBase))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    static auto tables = std::make_unique<Tables>();
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    verifierLecteurDeFichier(octets);
    Conversion::examinerEntete(octets);
    PlateformeScriptee plateforme;
    PolitiqueErreurs politique(plateforme);
    tables->ViderCompteurs();
    auto r = FichierBase::lire(octets, *tables, politique);
    if (plateforme.boites.size() > 1)
        std::abort(); // one box at most: the first failure ends the reading
    if (r.interrompue) {
        const Tables::Comptes k = tables->recompter();
        for (int c = 1; c <= tables->NbCat; ++c)
            if (tables->CatNbRecett(c) != k.parCat[static_cast<std::size_t>(c)])
                std::abort();
    }
    // What was read writes out and reads back the same.
    const QByteArray ecrit = FichierBase::octets(*tables);
    // A reading without errors is marked as repaired exactly when saving would change the file.
    if (!r.erreurs && r.retouchee != (ecrit != octets))
        std::abort();
    // The bytes kept from the reading, when kept, are those the next save copies.
    FichierBase::DejaEcrit deja;
    FichierBase::retenirLecture(*tables, octets, r, deja);
    if (FichierBase::octets(*tables, nullptr, &deja) != ecrit)
        std::abort();
    static auto relu = std::make_unique<Tables>();
    relu->ViderCompteurs();
    PolitiqueErreurs politique2(plateforme);
    FichierBase::lire(ecrit, *relu, politique2);
    if (relu->NbRecett != tables->NbRecett || relu->NbCat != tables->NbCat || relu->NbMag != tables->NbMag)
        std::abort();
    return 0;
}
