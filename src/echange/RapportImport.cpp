#include "RapportImport.h"
#include "ExportCsv.h"
#include "base/Produit.h"

namespace RapportImport {

namespace {

class Redaction {
public:
    void ligne(const QString& texte = QString())
    {
        m_texte += texte;
        m_texte += QStringLiteral("\r\n");
    }
    void compte(const QString& libelle, qsizetype n) { ligne(libelle + QStringLiteral(" : ") + QString::number(n)); }
    QString texte() const { return m_texte; }

private:
    QString m_texte;
};

} // namespace

QString remarque(const Importation::Remarque& m, bool parLignes)
{
    return (parLignes ? QStringLiteral("Ligne ") : QStringLiteral("Recette ")) + QString::number(m.ligne)
        + QStringLiteral(" : ") + (m.refus ? QStringLiteral("refusée : ") : QString()) + m.texte;
}

QStringList nouveauxNoms(const Importation::Bilan& b)
{
    QStringList lignes;
    const auto noms = [&](const QString& libelle, const QStringList& liste) {
        if (!liste.isEmpty())
            lignes << libelle + QStringLiteral(" : ") + liste.join(QStringLiteral(" ; "));
    };
    noms(QStringLiteral("Nouvelles catégories"), b.nouvellesCategories);
    noms(QStringLiteral("Nouvelles sous-catégories"), b.nouvellesSousCategories);
    noms(QStringLiteral("Nouveaux magazines"), b.nouveauxMagazines);
    return lignes;
}

QString texte(const Importation::Bilan& b, const Contexte& c)
{
    Redaction r;
    r.ligne(Produit::Version + QStringLiteral(" - RAPPORT D'IMPORTATION"));
    r.ligne(QStringLiteral("Importation du ") + c.quand.date().toString(QStringLiteral("dd/MM/yyyy"))
            + QStringLiteral(" à ") + c.quand.time().toString(QStringLiteral("HH:mm:ss")));
    r.ligne(QStringLiteral("Fichier importé : ") + c.source);
    r.ligne(QStringLiteral("Lecture : ") + c.lecture);
    r.ligne(QStringLiteral("Doublons : ")
            + (c.doublonsAjoutes ? QStringLiteral("ajoutés quand même") : QStringLiteral("ignorés")));
    r.ligne();
    r.compte(c.parLignes ? QStringLiteral("Lignes lues") : QStringLiteral("Recettes lues"), b.lues);
    r.compte(QStringLiteral("Recettes importées"), b.importees);
    r.compte(QStringLiteral("Doublons ignorés"), b.doublons);
    r.compte(c.parLignes ? QStringLiteral("Lignes refusées") : QStringLiteral("Recettes refusées"), b.refusees);
    r.compte(QStringLiteral("Avertissements"), b.avertissements);
    r.compte(QStringLiteral("Nouvelles catégories"), b.nouvellesCategories.size());
    r.compte(QStringLiteral("Nouvelles sous-catégories"), b.nouvellesSousCategories.size());
    r.compte(QStringLiteral("Nouveaux magazines"), b.nouveauxMagazines.size());
    if (const QStringList noms = nouveauxNoms(b); !noms.isEmpty()) {
        r.ligne();
        for (const QString& ligne : noms)
            r.ligne(ligne);
    }
    r.ligne();
    r.ligne(QStringLiteral("Refus et avertissements"));
    if (b.remarques.isEmpty())
        r.ligne(QStringLiteral("Aucun."));
    for (const Importation::Remarque& m : b.remarques)
        r.ligne(remarque(m, c.parLignes));
    if (!c.cheminRefus.isEmpty()) {
        r.ligne();
        r.ligne(QStringLiteral("Les recettes refusées sont dans le fichier ") + c.cheminRefus
                + QStringLiteral(", à corriger puis à importer de nouveau."));
    }
    return r.texte();
}

QByteArray refus(const Importation::Bilan& bilan)
{
    QList<QStringList> lignes;
    lignes.reserve(bilan.refus.size());
    for (const Importation::Refus& refus : bilan.refus) {
        QStringList valeurs(refus.valeurs.begin(), refus.valeurs.end());
        lignes.append(valeurs << refus.motif);
    }
    return ExportCsv::fichier(ExportCsv::entete() << QStringLiteral("Motif"), lignes);
}

} // namespace RapportImport
