#include "DocumentBase.h"
#include "Codec.h"
#include "FichierBase.h"
#include "Tables.h"
#include "platform/PolitiqueErreurs.h"
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <cstring>
#include <future>

namespace {
// The digest of the file's bytes that tells a file rewritten with the same
// size. Four lanes of 64-bit multiply-rotate rounds take eight bytes each per
// step, several times faster than qHash over a full base read or saved; the
// last bytes and the length are folded in, then the bits mixed.
quint64 condense(const QByteArray& octets)
{
    constexpr quint64 P1 = 0x9E3779B185EBCA87ULL, P2 = 0xC2B2AE3D27D4EB4FULL, P3 = 0x165667B19E3779F9ULL;
    const auto rotation = [](quint64 x, int r) { return (x << r) | (x >> (64 - r)); };
    const auto tour = [&](quint64 acc, quint64 mot) { return rotation(acc + mot * P2, 31) * P1; };
    const char* const p = octets.constData();
    const qsizetype n = octets.size();
    quint64 v[4] = {P1 + P2, P2, 0, 0 - P1};
    qsizetype i = 0;
    for (; i + 32 <= n; i += 32)
        for (int k = 0; k < 4; ++k) {
            quint64 mot;
            std::memcpy(&mot, p + i + 8 * k, 8);
            v[k] = tour(v[k], mot);
        }
    quint64 h = rotation(v[0], 1) + rotation(v[1], 7) + rotation(v[2], 12) + rotation(v[3], 18) + quint64(n);
    for (; i < n; ++i)
        h = tour(h, static_cast<unsigned char>(p[i]));
    h ^= h >> 33;
    h *= P2;
    h ^= h >> 29;
    h *= P3;
    return h ^ (h >> 32);
}

// A full base's hash takes a quarter of a millisecond: it runs on another
// core while the base is parsed or written.
std::future<quint64> condenserAPart(const QByteArray& octets)
{
    return std::async(std::launch::async, [octets] { return condense(octets); });
}
} // namespace

DocumentBase::DocumentBase(PolitiqueErreurs& politique, QObject* parent)
    : QObject(parent), m_tables(std::make_unique<Tables>()), m_politique(politique)
{}

DocumentBase::~DocumentBase() = default;

void DocumentBase::definirChemin(const QString& chemin)
{
    if (chemin == m_chemin)
        return;
    m_chemin = chemin;
    emit cheminChange(m_chemin);
}

void DocumentBase::fixerModifiee(bool modifiee)
{
    if (modifiee == m_modifiee)
        return;
    m_modifiee = modifiee;
    emit modifieeChange(m_modifiee);
}

void DocumentBase::nouvelle()
{
    // The new file is the user's own choice: nothing of the previous base's
    // reading concerns it.
    m_illisible = false;
    m_lueAvecErreurs = false;
    m_tables->ViderCompteurs();
    m_dejaEcrit = FichierBase::DejaEcrit();
    fixerModifiee(false);
}

// ---------------------------------------------------------------- reading

DocumentBase::Lecture DocumentBase::lire()
{
    const QString chemin = m_chemin;
    m_lueAvecErreurs = false;
    m_illisible = false;
    m_dejaEcrit = FichierBase::DejaEcrit(); // another file's bytes
    fixerModifiee(false);
    Lecture lecture;
    lecture.examen = examiner(chemin);
    if (lecture.examen.absent())
        return lecture;
    if (lecture.examen.refuse()) {
        lecture.issue = Issue::Refusee;
        return refuser(lecture);
    }
    if (!m_politique.etape([&] { lecture.octets = Fichiers::lire(chemin, Fichiers::TailleMaxBase); })) {
        lecture.issue = Issue::Illisible;
        return refuser(lecture);
    }
    // The fingerprint's hash goes on another core while the bytes are read.
    std::future<quint64> hachage = condenserAPart(lecture.octets);
    memoriserEmpreinte(lecture.octets.size());
    interpreter(lecture);
    m_empreinte.hachage = hachage.get();
    return lecture.issue == Issue::PasUneBase ? refuser(lecture) : lecture;
}

// The bytes read: their layout, then their text for an older one, or the
// tables for the current one.
void DocumentBase::interpreter(Lecture& lecture)
{
    lecture.genre = Conversion::examinerEntete(lecture.octets);
    if (lecture.genre == Conversion::Genre::PasUneBase) {
        lecture.issue = Issue::PasUneBase;
        return;
    }
    if (lecture.genre != Conversion::Genre::Courante) {
        // Only an older layout is decoded whole; the current one is read
        // from its bytes.
        lecture.texte = Codec::decoder(lecture.octets);
        lecture.issue = Issue::Ancienne;
        return;
    }
    FichierBase::ResultatLecture r = FichierBase::lire(lecture.octets, *m_tables, m_politique);
    FichierBase::retenirLecture(*m_tables, lecture.octets, r, m_dejaEcrit);
    m_lueAvecErreurs = r.erreurs;
    lecture.issue = m_lueAvecErreurs ? Issue::LueAvecErreurs : Issue::Lue;
    // A file the reading rules had to repair is offered for saving.
    fixerModifiee(r.retouchee);
}

DocumentBase::Lecture DocumentBase::refuser(Lecture lecture)
{
    marquerIllisible();
    return lecture;
}

void DocumentBase::marquerIllisible()
{
    // The file is left exactly as it is; an empty base stands in its place.
    m_tables->ViderCompteurs();
    m_illisible = true;
    fixerModifiee(false);
}

// ---------------------------------------------------------------- conversion

Conversion::Resultat DocumentBase::convertir(const Lecture& lecture)
{
    Conversion::Resultat r =
        Conversion::convertir(lecture.texte, lecture.genre, *m_tables, QDir::toNativeSeparators(m_chemin),
                              QDir::toNativeSeparators(Conversion::cheminGarde(m_chemin)));
    if (r.lue)
        marquerModifiee();
    return r;
}

bool DocumentBase::garderAncienne(const QByteArray& octets)
{
    return m_politique.etape([&] { Fichiers::ecrireSur(Conversion::cheminGarde(m_chemin), octets); });
}

bool DocumentBase::ecrireRapport(const QString& dossier, const QString& rapport)
{
    bool remplace = false;
    const QByteArray octets = Codec::encoder(rapport, &remplace);
    m_politique.etape([&] { Fichiers::ecrireSur(dossier + Conversion::NomRapport, octets); });
    return remplace;
}

// ---------------------------------------------------------------- safeguards

QString DocumentBase::cheminSauvegarde(const QString& cheminBase) { return cheminBase + QStringLiteral(".bak"); }

QString DocumentBase::cheminErreurs(const QString& cheminBase)
{
    QString racine = cheminBase;
    if (racine.endsWith(QLatin1String(".don"), Qt::CaseInsensitive))
        racine.chop(4);
    QString chemin = racine + QStringLiteral("-ERREURS.don");
    for (int n = 2; QFileInfo::exists(chemin); ++n)
        chemin = racine + QStringLiteral("-ERREURS-%1.don").arg(n);
    return chemin;
}

bool DocumentBase::copierSous(const QString& base, const QString& copie)
{
    // Through the same safe write: a failure leaves both files whole.
    return m_politique.etape([&] { Fichiers::ecrireSur(copie, Fichiers::lire(base, Fichiers::TailleMaxBase)); });
}

DocumentBase::Garde DocumentBase::garderAvecErreurs()
{
    const QString chemin = m_chemin;
    // The file as it was read stays beside the base under a name the user
    // can open again with "Charger".
    Garde garde{true, cheminErreurs(chemin)};
    if (!QFileInfo::exists(chemin))
        return {true, QString()};
    garde.faite = copierSous(chemin, garde.chemin);
    if (garde.faite)
        m_lueAvecErreurs = false;
    return garde;
}

void DocumentBase::memoriserEmpreinte(qint64 taille)
{
    const QFileInfo info(m_chemin);
    m_empreinte = {m_chemin, taille, info.lastModified().toMSecsSinceEpoch(), 0};
}

bool DocumentBase::changeeDepuis() const
{
    const QString& chemin = m_chemin;
    // Only the file that was read or written last is compared; a file that
    // has gone, or was replaced by no regular file, holds nothing to lose
    // (a path that is no regular file is never written). Size and time
    // first; the bytes decide when they differ (a file touched but not
    // changed is not a change).
    if (m_empreinte.chemin.isEmpty() || QDir::cleanPath(m_empreinte.chemin) != QDir::cleanPath(chemin))
        return false;
    if (!examiner(chemin).ordinaire())
        return false;
    const QFileInfo info(chemin);
    if (info.size() == m_empreinte.taille && info.lastModified().toMSecsSinceEpoch() == m_empreinte.modifiee)
        return false;
    QByteArray octets;
    try {
        octets = Fichiers::lire(chemin, Fichiers::TailleMaxBase);
    } catch (const ErreurExecution&) {
        return true; // unreadable now: it has changed
    }
    return octets.size() != m_empreinte.taille || condense(octets) != m_empreinte.hachage;
}

// ---------------------------------------------------------------- saving

DocumentBase::Enregistrement DocumentBase::enregistrer()
{
    const QString chemin = m_chemin;
    // The recipes not written since the last save or reading are copied
    // from its bytes.
    const QByteArray octets = FichierBase::octets(*m_tables, nullptr, &m_dejaEcrit);
    // A base that cannot be replaced keeps its previous copy as it was.
    if (!m_politique.etape([&] { Fichiers::verifierRemplacable(chemin); }))
        return {};
    // The file about to be replaced is kept first (a hard link where it can
    // be); when it cannot be kept, the base is not replaced.
    const QFileInfo info(chemin);
    const QString bak = cheminSauvegarde(chemin);
    if (info.exists() && !info.isDir()
        && !m_politique.etape([&] { Fichiers::garderCopie(chemin, bak, Fichiers::TailleMaxBase); }))
        return {false, bak};
    std::future<quint64> hachage = condenserAPart(octets);
    if (!m_politique.etape([&] { Fichiers::ecrireSur(chemin, octets); }))
        return {};
    memoriserEmpreinte(octets.size());
    m_empreinte.hachage = hachage.get();
    m_illisible = false;
    fixerModifiee(false);
    return {true, QString()};
}
