#pragma once
#include "Conversion.h"
#include "Fichiers.h"
#include <QByteArray>
#include <QString>
#include <cstddef>

struct Tables;
class PolitiqueErreurs;

// The life of the base file, with no widget: reading it with its outcomes,
// converting an older one, the copies kept beside it before it is replaced
// (".bak", "-ERREURS"), the fingerprint that notices another program changing
// it, and saving it. Failing file steps go through the error policy; the
// application asks the questions and shows the boxes around these calls.
class DocumentBase {
public:
    DocumentBase(Tables& tables, PolitiqueErreurs& politique) : m_tables(tables), m_politique(politique) {}

    // ---- Reading

    enum class Issue {
        Lue,            // a current base, read whole
        LueAvecErreurs, // read in part: the tables hold what could be read
        Absente,        // no file of that name
        Refusee,        // a folder, a device, a pipe, a file too large (see examen)
        Illisible,      // the file could not be read (access refused, locked)
        PasUneBase,     // its first value is not a number
        Ancienne,       // an older layout, to be converted
    };
    struct Lecture {
        Issue issue = Issue::Absente;
        Fichiers::Examen examen;
        Conversion::Genre genre = Conversion::Genre::Courante;
        QString texte;     // the file's text, for a conversion
        QByteArray octets; // its bytes, kept as they were by a conversion
    };

    // Reads the file into the tables, which the caller has emptied. A file
    // refused, unreadable or no base leaves the tables empty, and the file is
    // then never replaced without a question (see illisible()).
    Lecture lire(const QString& chemin);

    // The older base of `lecture` converted into the tables, with its report.
    Conversion::Resultat convertir(const Lecture& lecture, const QString& chemin);
    // Keeps the older file under the kept name before anything replaces it:
    // a copy, never a move, so that the original stays whatever happens.
    bool garderAncienne(const QString& chemin, const QByteArray& octets);
    // The conversion report in the program folder. True when some character
    // of it was written as "?".
    bool ecrireRapport(const QString& dossier, const QString& rapport);

    // The tables hold an empty base in place of a file that could not be
    // read; it is not written over that file without the user's say.
    bool illisible() const { return m_illisible; }
    void marquerIllisible();
    // The last reading reported errors: the file as it was is kept aside
    // before it is replaced.
    bool lueAvecErreurs() const { return m_lueAvecErreurs; }
    // A new base chosen by the user: nothing of the previous reading holds.
    void oublierLecture();

    // ---- Saving

    // Why nothing may be written at the path: a folder, a device, a pipe or a
    // file too large to be a base. None of these is ever replaced.
    Fichiers::Examen examiner(const QString& chemin) const
    {
        return Fichiers::examiner(chemin, Fichiers::TailleMaxBase);
    }

    // Another program changed the file since it was last read or written here.
    bool changeeDepuis(const QString& chemin) const;

    // The file read with errors kept under "Nom-ERREURS.don" (or "-2"...).
    struct Garde {
        bool faite = false;
        QString chemin;
    };
    Garde garderAvecErreurs(const QString& chemin);

    struct Enregistrement {
        bool ecrite = false;
        // The previous version could not be kept as ".bak": the base was not
        // replaced. Empty otherwise.
        QString copieImpossible;
    };
    // Writes the tables in the current layout through the safe write, after
    // keeping the previous version of the file as its ".bak" copy. A file
    // that cannot be replaced (read-only, locked) keeps that copy as it was.
    Enregistrement enregistrer(const QString& chemin);

    // "Zuta2005.don.bak": the version before the last save. The base file
    // dialog ("*.don") does not offer it; renaming it back restores it.
    static QString cheminSauvegarde(const QString& cheminBase);
    // "Nom-ERREURS.don", or "Nom-ERREURS-2.don" and so on when it is taken.
    static QString cheminErreurs(const QString& cheminBase);

private:
    // What the file was when it was last read or written.
    struct Empreinte {
        QString chemin;
        qint64 taille = -1;
        qint64 modifiee = 0; // milliseconds since the epoch
        std::size_t hachage = 0;
    };
    void memoriserEmpreinte(const QString& chemin, const QByteArray& octets);
    Lecture refuser(Lecture lecture);
    bool copierSous(const QString& base, const QString& copie);

    Tables& m_tables;
    PolitiqueErreurs& m_politique;
    Empreinte m_empreinte;
    bool m_illisible = false;
    bool m_lueAvecErreurs = false;
};
