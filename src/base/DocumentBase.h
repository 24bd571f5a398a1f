#pragma once
#include "Conversion.h"
#include "FichierBase.h"
#include "Fichiers.h"
#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

struct Tables;
class PolitiqueErreurs;

// The open base, with no widget: its tables, the path of its file, whether it
// changed since it was read, created or saved, and the life of its file:
// reading it with its outcomes, converting an older one, the copies kept
// beside it before it is replaced (".bak", "-ERREURS"), the fingerprint that
// notices another program changing it, and saving it. Nobody else keeps the
// path or the tables; the program follows them through the two signals.
// Failing file steps go through the error policy; the application asks the
// questions and shows the boxes around these calls.
class DocumentBase : public QObject {
    Q_OBJECT
public:
    explicit DocumentBase(PolitiqueErreurs& politique, QObject* parent = nullptr);
    ~DocumentBase() override;

    Tables& tables() { return *m_tables; }
    const Tables& tables() const { return *m_tables; }

    // The full path of the open base file.
    const QString& CheminBase() const { return m_chemin; }
    // The one way the path changes: cheminChange follows when it differs.
    void definirChemin(const QString& chemin);

    // Changed since it was read, created or saved: set by every change the
    // user makes (validation, deletion, undo, conversion, import) and by a
    // reading that had to repair the file; cleared by a save, a new base and
    // a reading that gives back exactly the file.
    bool modifiee() const { return m_modifiee; }
    void marquerModifiee() { fixerModifiee(true); }
    // A new empty base: nothing of the previous one holds.
    void nouvelle();

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

    // Reads the file at the path into the tables, which the caller has
    // emptied. A file refused, unreadable or no base leaves the tables empty,
    // and the file is then never replaced without a question (see illisible()).
    Lecture lire();

    // The older base of `lecture` converted into the tables, with its report;
    // the base is then modified until it is saved.
    Conversion::Resultat convertir(const Lecture& lecture);
    // Keeps the older file under the kept name before anything replaces it:
    // a copy, never a move, so that the original stays whatever happens.
    bool garderAncienne(const QByteArray& octets);
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

    // ---- Saving

    // Why nothing may be written at the path: a folder, a device, a pipe or a
    // file too large to be a base. None of these is ever replaced.
    static Fichiers::Examen examiner(const QString& chemin)
    {
        return Fichiers::examiner(chemin, Fichiers::TailleMaxBase);
    }

    // Another program changed the file since it was last read or written here.
    bool changeeDepuis() const;

    // The file read with errors kept under "Nom-ERREURS.don" (or "-2"...).
    struct Garde {
        bool faite = false;
        QString chemin;
    };
    Garde garderAvecErreurs();

    struct Enregistrement {
        bool ecrite = false;
        // The previous version could not be kept as ".bak": the base was not
        // replaced. Empty otherwise.
        QString copieImpossible;
    };
    // Writes the tables in the current layout through the safe write, after
    // keeping the previous version of the file as its ".bak" copy. A file
    // that cannot be replaced (read-only, locked) keeps that copy as it was.
    Enregistrement enregistrer();

    // "Zuta2005.don.bak": the version before the last save. The base file
    // dialog ("*.don") does not offer it; renaming it back restores it.
    static QString cheminSauvegarde(const QString& cheminBase);
    // "Nom-ERREURS.don", or "Nom-ERREURS-2.don" and so on when it is taken.
    static QString cheminErreurs(const QString& cheminBase);

signals:
    void cheminChange(const QString& chemin);
    void modifieeChange(bool modifiee);

private:
    // What the file was when it was last read or written.
    struct Empreinte {
        QString chemin;
        qint64 taille = -1;
        qint64 modifiee = 0; // milliseconds since the epoch
        quint64 hachage = 0;
    };
    // Path, size and time of the file as it is now; its hash is set apart.
    void memoriserEmpreinte(qint64 taille);
    void interpreter(Lecture& lecture);
    Lecture refuser(Lecture lecture);
    bool copierSous(const QString& base, const QString& copie);
    void fixerModifiee(bool modifiee);

    std::unique_ptr<Tables> m_tables;
    FichierBase::DejaEcrit m_dejaEcrit; // what the last save or reading held, for the next save
    PolitiqueErreurs& m_politique;
    QString m_chemin;
    Empreinte m_empreinte;
    bool m_modifiee = false;
    bool m_illisible = false;
    bool m_lueAvecErreurs = false;
};
