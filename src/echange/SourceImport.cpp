#include "SourceImport.h"
#include "ExportCsv.h"
#include "LectureBase.h"
#include "base/Fichiers.h"
#include "base/Tables.h"
#include "base/Texte.h"
#include <QFileInfo>

using LectureBase::nomAffiche;

namespace {

SourceImport::Ouverture refus(const QString& raison) { return {nullptr, raison}; }

bool memeFichier(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

bool enregistrementVide(const Csv::Enregistrement& e)
{
    for (const QString& champ : e.champs)
        if (!Texte::queDesBlancs(champ))
            return false;
    return true;
}

} // namespace

SourceImport::Ouverture SourceImport::ouvrir(const QString& chemin, const QString& cheminBaseOuverte,
                                             PolitiqueErreurs& politique)
{
    if (!chemin.endsWith(QLatin1String(".don"), Qt::CaseInsensitive))
        return ouvrirTableur(chemin);
    if (memeFichier(chemin, cheminBaseOuverte))
        return refus(QStringLiteral("La base ") + nomAffiche(chemin)
                     + QStringLiteral(" est la base ouverte : elle ne peut pas être importée dans elle-même."));
    return ouvrirBase(chemin, politique);
}

SourceImport::Ouverture SourceImport::ouvrirBase(const QString& chemin, PolitiqueErreurs& politique)
{
    auto t = std::make_unique<Tables>();
    const LectureBase::Resultat lecture = LectureBase::lire(chemin, *t, politique);
    if (!lecture.lue)
        return refus(lecture.refus);
    if (t->NbRecett == 0)
        return refus(QStringLiteral("La base ") + nomAffiche(chemin)
                     + QStringLiteral(" ne contient aucune recette : il n'y a rien à importer."));
    std::unique_ptr<SourceImport> source(new SourceImport(Genre::Base, chemin));
    source->m_ancienne = lecture.ancienne;
    // Its names go by their text: each base numbers them its own way.
    source->m_lignes.reserve(t->NbRecett);
    for (int r = 1; r <= t->NbRecett; ++r) {
        const QStringList valeurs = ExportCsv::ligne(*t, r);
        LigneImportee l{r, {}};
        std::copy(valeurs.begin(), valeurs.end(), l.valeurs.begin());
        source->m_lignes.append(std::move(l));
    }
    return {std::move(source), QString()};
}

SourceImport::Ouverture SourceImport::ouvrirTableur(const QString& chemin)
{
    LectureBase::Fichier fichier = LectureBase::lireFichier(chemin, Fichiers::TailleMaxCsv);
    if (!fichier.refus.isEmpty())
        return refus(fichier.refus);
    std::unique_ptr<SourceImport> source(new SourceImport(Genre::Tableur, chemin));
    source->m_octets = std::move(fichier.octets);
    if (!Csv::estTexte(source->m_octets))
        return refus(QStringLiteral("Le fichier ") + nomAffiche(chemin)
                     + QStringLiteral(" n'est pas un fichier texte : ce n'est pas un tableau au format CSV."));
    ReglagesTableur reglages;
    reglages.encodage = Csv::detecter(source->m_octets);
    reglages.separateur = Csv::devinerSeparateur(Csv::decoder(source->m_octets, reglages.encodage));
    source->relire(reglages);
    if (source->m_illisible)
        return refus(QStringLiteral("Le fichier ") + nomAffiche(chemin) + QStringLiteral(" ne peut pas être importé.\n")
                     + source->m_erreur);
    if (source->m_enregistrements == 0)
        return refus(QStringLiteral("Le fichier ") + nomAffiche(chemin)
                     + QStringLiteral(" est vide : il n'y a rien à importer."));
    if (source->m_enregistrements == 1)
        return refus(QStringLiteral("Le fichier ") + nomAffiche(chemin)
                     + QStringLiteral(" ne contient que sa ligne d'en-tête : il n'y a aucune recette à importer."));
    return {std::move(source), QString()};
}

void SourceImport::relire(const ReglagesTableur& reglages)
{
    m_reglages = reglages;
    m_colonnes = {};
    m_erreur.clear();
    m_illisible = false;
    m_enregistrements = 0;
    m_lignes.clear();
    Csv::Lecture lecture = Csv::lire(Csv::decoder(m_octets, reglages.encodage), reglages.separateur);
    if (!lecture.reussie()) {
        m_illisible = true;
        m_erreur = lecture.erreur;
        return;
    }
    // Rows of blank cells, which spreadsheets leave below a table, are no rows.
    lecture.enregistrements.removeIf([](const Csv::Enregistrement& e) { return enregistrementVide(e); });
    m_enregistrements = lecture.enregistrements.size();
    if (lecture.enregistrements.isEmpty())
        return;
    m_colonnes = EnteteCsv::reconnaitre(lecture.enregistrements.front().champs);
    if (!m_colonnes.nomTrouve()) {
        m_erreur = QStringLiteral("La ligne d'en-tête n'a pas de colonne « Nom » : aucune recette ne peut être "
                                  "importée.");
        return;
    }
    m_lignes.reserve(lecture.enregistrements.size() - 1);
    for (qsizetype i = 1; i < lecture.enregistrements.size(); ++i) {
        const Csv::Enregistrement& e = lecture.enregistrements[i];
        LigneImportee l{e.ligne, {}};
        for (std::size_t c = 0; c < l.valeurs.size(); ++c) {
            const int colonne = m_colonnes.indices[c];
            // A value the export guarded against formulas loses its guard.
            if (colonne >= 0 && colonne < e.champs.size())
                l.valeurs[c] = Csv::retirerProtection(e.champs[colonne]);
        }
        m_lignes.append(std::move(l));
    }
}

QString SourceImport::lecture() const
{
    if (m_genre == Genre::Base)
        return m_ancienne ? QStringLiteral("base Zuta! antérieure à v1.2b, lue sans être convertie")
                          : QStringLiteral("base Zuta! v1.2b");
    return nomEncodage(m_reglages.encodage) + QStringLiteral(", séparateur ") + nomSeparateur(m_reglages.separateur);
}

QString SourceImport::nomEncodage(Csv::Encodage encodage)
{
    return encodage == Csv::Encodage::Utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252");
}

QString SourceImport::nomSeparateur(QChar separateur)
{
    if (separateur == u',')
        return QStringLiteral("virgule");
    if (separateur == u'\t')
        return QStringLiteral("tabulation");
    return QStringLiteral("point-virgule");
}
