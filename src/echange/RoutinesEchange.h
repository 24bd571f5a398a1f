#pragma once
#include "Importation.h"
#include <QList>
#include <QString>
#include <memory>

struct EtatProgramme;
struct ListeTrouvee;
struct Tables;
class Collation;
class DocumentBase;
class Plateforme;
class PolitiqueErreurs;
class Progression;
class SourceImport;
class QWidget;

// The window's "Exporter..." and "Importer...": the questions, the file
// dialogs, the preview, the progress window, the boxes and the report around
// the export and the import, which the command line runs too. The last
// import can be undone as one step.
class RoutinesEchange {
public:
    RoutinesEchange(DocumentBase& document, const EtatProgramme& etat, PolitiqueErreurs& politique,
                    Plateforme& plateforme, const Collation& collation, Progression& progression, QWidget& principale);
    ~RoutinesEchange();

    // The found list's recipes, in the order of the lines given as indexes
    // (empty: the list's own order), or the whole base by name, written to
    // the file the user chooses. True when the file was written.
    bool Exporter(const ListeTrouvee& trouvees, const QList<qsizetype>& ordre = {});

    // A spreadsheet or another base, shown in the preview, then imported
    // into the open base; the report is written and opened. True when
    // recipes were added: the caller marks the base modified and refreshes.
    bool Importer();

    // Ctrl+Z right after an import: the tables as they were just before it.
    // False when the last operation was no import.
    bool AnnulerImport();
    // After a deletion, a validation, a save or another base, the import is
    // no longer the last operation.
    void oublierImport();

private:
    std::optional<QList<int>> recettesAExporter(const ListeTrouvee& trouvees, const QList<qsizetype>& ordre);
    bool remplacementAccepte(const QString& chemin);
    void importer(const SourceImport& source, Importation::Options options);
    void ecrireRapports(const SourceImport& source, Importation::Options options, const Importation::Bilan& bilan);
    void dire(const QString& texte, bool avertissement = true);

    DocumentBase& m_document;
    const EtatProgramme& m_etat;
    PolitiqueErreurs& m_politique;
    Plateforme& m_plateforme;
    const Collation& m_collation;
    Progression& m_progression;
    QWidget& m_principale;
    std::unique_ptr<Tables> m_avantImport;
};
