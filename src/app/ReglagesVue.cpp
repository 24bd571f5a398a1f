#include "ReglagesVue.h"
#include "base/Fichiers.h"
#include <QSettings>

namespace ReglagesVue {

namespace {
const QString Colonnes = QStringLiteral("ListeRecettes/colonnes");
const QString Fenetre = QStringLiteral("Fenetre/cadre");
const QString Agrandie = QStringLiteral("Fenetre/agrandie");

// A regular file within the bound of the small files, or nothing yet.
bool utilisable(const QString& chemin, bool doitExister)
{
    const Fichiers::Examen examen = Fichiers::examiner(chemin, Fichiers::TailleMaxPetitFichier);
    return examen.absent() ? !doitExister : !examen.refuse();
}
} // namespace

Valeurs lire(const QString& dossier)
{
    const QString chemin = dossier + NomFichier;
    Valeurs v;
    if (!utilisable(chemin, true))
        return v;
    const QSettings fichier(chemin, QSettings::IniFormat);
    v.colonnes = fichier.value(Colonnes).toByteArray();
    v.fenetre = fichier.value(Fenetre).toRect();
    v.agrandie = fichier.value(Agrandie).toBool();
    return v;
}

void ecrire(const QString& dossier, const Valeurs& valeurs)
{
    const QString chemin = dossier + NomFichier;
    if (!utilisable(chemin, false))
        return;
    QSettings fichier(chemin, QSettings::IniFormat);
    fichier.setValue(Colonnes, valeurs.colonnes);
    fichier.setValue(Fenetre, valeurs.fenetre);
    fichier.setValue(Agrandie, valeurs.agrandie);
    fichier.sync();
}

} // namespace ReglagesVue
