#include "LigneDeCommande.h"
#include "base/Produit.h"

namespace LigneDeCommande {

namespace {

const QString Exporter = QStringLiteral("--exporter");
const QString Importer = QStringLiteral("--importer");
const QString AjouterDoublons = QStringLiteral("--ajouter-doublons");
const QStringList Aides = {QStringLiteral("--help"), QStringLiteral("-h"), QStringLiteral("--aide")};

Forme erreur(const QString& texte)
{
    Forme f;
    f.genre = Genre::Erreur;
    f.erreur = texte;
    return f;
}

// Two paths after --exporter or --importer.
Forme commande(Genre genre, const QString& option, const QStringList& chemins)
{
    if (chemins.size() != 2)
        return erreur(
            genre == Genre::Exporter
                ? QStringLiteral("« %1 » attend deux chemins : la base à lire et le fichier CSV à écrire.").arg(option)
                : QStringLiteral("« %1 » attend deux chemins : la base à compléter et le fichier à "
                                 "importer (CSV ou base Zuta!).")
                      .arg(option));
    Forme f;
    f.genre = genre;
    f.base = chemins[0];
    f.fichier = chemins[1];
    return f;
}

} // namespace

Forme analyser(const QStringList& arguments)
{
    QStringList chemins;
    QStringList commandes;
    bool ajouterDoublons = false;
    for (const QString& a : arguments) {
        if (Aides.contains(a)) {
            Forme f;
            f.genre = Genre::Aide;
            return f;
        }
        if (a == Exporter || a == Importer)
            commandes << a;
        else if (a == AjouterDoublons)
            ajouterDoublons = true;
        else if (a.startsWith(QLatin1Char('-')) && a.size() > 1)
            return erreur(QStringLiteral("Option inconnue : « %1 ».").arg(a));
        else
            chemins << a;
    }
    if (commandes.size() > 1)
        return erreur(QStringLiteral("Une seule commande à la fois : « --exporter » ou « --importer »."));
    if (ajouterDoublons && commandes != QStringList{Importer})
        return erreur(QStringLiteral("L'option « --ajouter-doublons » ne va qu'avec « --importer »."));
    if (commandes.isEmpty()) {
        if (chemins.size() > 1)
            return erreur(QStringLiteral("Un seul chemin de base est attendu."));
        Forme f;
        f.base = chemins.value(0);
        return f;
    }
    Forme f = commande(commandes[0] == Exporter ? Genre::Exporter : Genre::Importer, commandes[0], chemins);
    f.ajouterDoublons = ajouterDoublons && f.genre == Genre::Importer;
    return f;
}

bool sansFenetre(const QStringList& arguments)
{
    for (const QString& a : arguments)
        if (a.startsWith(QLatin1String("--")) || Aides.contains(a))
            return true;
    return false;
}

QString aide()
{
    return Produit::Version
        + QStringLiteral(" - l'index des recettes de vos magazines\n"
                         "\n"
                         "Utilisation :\n"
                         "  Zuta [BASE.don]\n"
                         "      ouvre la fenêtre, sur la base donnée ou sur celle des réglages\n"
                         "  Zuta --exporter BASE.don SORTIE.csv\n"
                         "      écrit toutes les recettes de la base dans un fichier CSV\n"
                         "      (UTF-8, colonnes séparées par « ; »)\n"
                         "  Zuta --importer BASE.don ENTREE.csv [--ajouter-doublons]\n"
                         "  Zuta --importer BASE.don AUTRE.don [--ajouter-doublons]\n"
                         "      ajoute à la base les recettes d'un fichier CSV ou d'une autre\n"
                         "      base, puis l'enregistre (sa version précédente est gardée en\n"
                         "      « BASE.don.bak ») ; une recette déjà présente (même nom, même\n"
                         "      magazine, même numéro) est ignorée, sauf avec\n"
                         "      --ajouter-doublons ; le rapport est écrit sur la sortie, les\n"
                         "      lignes refusées dans « Import-refus.csv » (dossier courant)\n"
                         "  Zuta --help\n"
                         "      affiche cette aide\n"
                         "\n"
                         "Colonnes du fichier CSV : Nom (obligatoire), Catégorie,\n"
                         "Sous-catégorie, Magazine, N°, Pages, Notes, Testée (oui ou non).\n"
                         "\n"
                         "Code de sortie de --exporter et --importer : 0 tout est fait ;\n"
                         "1 des lignes ont été refusées (les autres sont importées et la base\n"
                         "enregistrée) ; 2 rien n'est fait.\n");
}

} // namespace LigneDeCommande
