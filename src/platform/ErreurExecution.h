#pragma once
#include <QString>
#include <exception>

// A run-time error of a module routine. Its description is the French text the
// user sees in the "Erreur !" box.
class ErreurExecution : public std::exception {
public:
    explicit ErreurExecution(QString description) : m_description(std::move(description)) {}
    const QString& description() const { return m_description; }
    const char* what() const noexcept override { return "ErreurExecution"; }

private:
    QString m_description;
};

// The descriptions the routines raise, in one place so that tests match them.
namespace Erreurs {
inline const QString IndiceHorsSelection = QStringLiteral("L'indice n'appartient pas à la sélection");
inline const QString IncompatibiliteType = QStringLiteral("Incompatibilité de type");
inline const QString FinDeFichier = QStringLiteral("Fin de fichier atteinte");
inline const QString FichierIntrouvable = QStringLiteral("Fichier introuvable");
inline const QString PermissionRefusee = QStringLiteral("Permission refusée");
inline const QString ErreurAccesChemin = QStringLiteral("Erreur d'accès au chemin/fichier");
inline const QString DisquePlein = QStringLiteral("Disque plein");
inline const QString ErreurEntreeSortie = QStringLiteral("Erreur d'entrée/sortie");
inline const QString FichierVerrouille = QStringLiteral("Fichier verrouillé par un autre programme");
inline const QString FichierLectureSeule = QStringLiteral("Fichier en lecture seule");
inline const QString PasUnFichierOrdinaire = QStringLiteral("Ce n'est pas un fichier ordinaire");
inline const QString FichierTropVolumineux = QStringLiteral("Fichier trop volumineux");
inline const QString DepassementCapacite = QStringLiteral("Dépassement de capacité");
} // namespace Erreurs
