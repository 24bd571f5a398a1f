// The spreadsheet import on any bytes: encoding and separator guessed, the
// text read; what reads back whole must survive being written and read
// again, line breaks inside fields made LF as the writer makes them. Any
// separator at all never crashes the reader.
#include "echange/Csv.h"
#include "echange/EnteteCsv.h"
#include <cstdlib>

namespace {

void exiger(bool condition)
{
    if (!condition)
        std::abort();
}

QList<QStringList> commeEcrits(const QList<Csv::Enregistrement>& enregistrements)
{
    QList<QStringList> champs;
    for (const Csv::Enregistrement& e : enregistrements) {
        QStringList c = e.champs;
        for (QString& champ : c)
            champ.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        champs.append(c);
    }
    return champs;
}

QList<QStringList> champsDe(const QList<Csv::Enregistrement>& enregistrements)
{
    QList<QStringList> champs;
    for (const Csv::Enregistrement& e : enregistrements)
        champs.append(e.champs);
    return champs;
}

void verifierLecture(const Csv::Lecture& l)
{
    if (!l.reussie()) {
        exiger(l.enregistrements.isEmpty() && l.ligneErreur > 0 && !l.erreur.isEmpty());
        return;
    }
    qsizetype precedente = 0;
    for (const Csv::Enregistrement& e : l.enregistrements) {
        exiger(e.ligne > precedente && !e.champs.isEmpty());
        precedente = e.ligne;
    }
}

void verifierEntete(const QStringList& entetes)
{
    const EnteteCsv::Colonnes c = EnteteCsv::reconnaitre(entetes);
    exiger(c.reconnues() + c.ignorees.size() == entetes.size());
    for (const QString& entete : entetes)
        exiger(Csv::retirerProtection(Csv::protegerFormule(entete)) == entete);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const Csv::Encodage encodage = Csv::detecter(octets);
    const QString texte = Csv::decoder(octets, encodage);
    // Valid UTF-8 decodes to a text that encodes back to the very bytes.
    if (encodage == Csv::Encodage::Utf8 && !octets.startsWith("\xEF\xBB\xBF"))
        exiger(texte.toUtf8() == octets);

    const QChar separateur = Csv::devinerSeparateur(texte);
    exiger(separateur == u';' || separateur == u',' || separateur == u'\t');
    const Csv::Lecture lecture = Csv::lire(texte, separateur);
    verifierLecture(lecture);
    if (lecture.reussie()) {
        if (!lecture.enregistrements.isEmpty())
            verifierEntete(lecture.enregistrements.front().champs);
        const QList<QStringList> ecrits = commeEcrits(lecture.enregistrements);
        const Csv::Lecture relue = Csv::lire(Csv::ecrire(ecrits, separateur), separateur);
        exiger(relue.reussie() && champsDe(relue.enregistrements) == ecrits);
    }

    if (!texte.isEmpty())
        verifierLecture(Csv::lire(texte, texte.back()));
    return 0;
}
