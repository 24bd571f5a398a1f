#pragma once
#include "Csv.h"
#include "EnteteCsv.h"
#include "FicheImportee.h"
#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

class PolitiqueErreurs;

// A row to import: the values of its columns, and where it comes from (the
// spreadsheet's line, or the recipe's number in the other base).
struct LigneImportee {
    qsizetype ligne = 0;
    FicheImportee::Valeurs valeurs;
};

// How a spreadsheet's bytes are read: guessed when it is opened, changed in
// the preview.
struct ReglagesTableur {
    Csv::Encodage encodage = Csv::Encodage::Utf8;
    QChar separateur = Csv::SeparateurParDefaut;
};

// What an import reads: a spreadsheet (".csv") or another base (".don"),
// read whole and read-only when it is opened.
class SourceImport {
public:
    enum class Genre { Tableur, Base };

    struct Ouverture {
        std::unique_ptr<SourceImport> source;
        QString refus; // why the file cannot be imported at all, naming it
    };
    // Opens the file. Refused: a path that is no regular file or is too
    // large (checked before anything is read), an unreadable file, bytes
    // that are no text, an empty spreadsheet or one with a header only, a
    // quote never closed, a base that cannot be read whole, the open base
    // itself (`cheminBaseOuverte`).
    static Ouverture ouvrir(const QString& chemin, const QString& cheminBaseOuverte, PolitiqueErreurs& politique);

    Genre genre() const { return m_genre; }
    const QString& chemin() const { return m_chemin; }
    // A spreadsheet read again under other settings.
    void relire(const ReglagesTableur& reglages);
    const ReglagesTableur& reglages() const { return m_reglages; }
    // The header's columns: those recognised and those left aside.
    const EnteteCsv::Colonnes& colonnes() const { return m_colonnes; }
    // Why nothing can be imported under the present settings (a quote never
    // closed, no "Nom" column); empty when the rows can be imported.
    const QString& erreur() const { return m_erreur; }
    // How the file was read: "UTF-8, séparateur point-virgule", "base Zuta! v1.2b".
    QString lecture() const;
    // The rows, blank ones left out.
    const QList<LigneImportee>& lignes() const { return m_lignes; }

    static QString nomEncodage(Csv::Encodage encodage);
    static QString nomSeparateur(QChar separateur);

private:
    SourceImport(Genre genre, const QString& chemin) : m_genre(genre), m_chemin(chemin) {}
    static Ouverture ouvrirTableur(const QString& chemin);
    static Ouverture ouvrirBase(const QString& chemin, PolitiqueErreurs& politique);

    Genre m_genre;
    QString m_chemin;
    QByteArray m_octets;
    ReglagesTableur m_reglages;
    EnteteCsv::Colonnes m_colonnes;
    QString m_erreur;
    bool m_illisible = false;        // the text cannot be read as records
    qsizetype m_enregistrements = 0; // the header and the rows that are not blank
    bool m_ancienne = false;
    QList<LigneImportee> m_lignes;
};
