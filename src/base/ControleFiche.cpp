#include "ControleFiche.h"
#include "ListeNoms.h"
#include "ListeTrouvee.h"
#include "RepertoireNoms.h"
#include "Tables.h"
#include "Texte.h"
#include "TexteFiche.h"
#include <QList>
#include <algorithm>

namespace {

struct Champ {
    const char* libelle;
    const QString* texte;
};

QString code(const QString& caractere)
{
    return QStringLiteral("U+%1").arg(caractere.toUcs4().value(0), 4, 16, QLatin1Char('0')).toUpper();
}

QString caracteresIllisibles(const SaisieFiche& s)
{
    const Champ champs[] = {
        {"Nom", &s.nom},           {"Catégorie", &s.categorie}, {"Sous-catégorie", &s.sousCategorie},
        {"Magazine", &s.magazine}, {"N°", &s.numero},           {"Pages", &s.page},
        {"Notes", &s.notes}};
    for (const Champ& c : champs) {
        const QString caractere = TexteFiche::caractereNonRepresentable(*c.texte);
        if (!caractere.isEmpty())
            return QStringLiteral("Le champ « %1 » contient le caractère « %2 » (%3), que la base ne peut pas "
                                  "enregistrer.\nRemplacez-le ou supprimez-le avant de valider.")
                .arg(QString::fromUtf8(c.libelle), caractere, code(caractere));
    }
    return {};
}

// Category, sub-category and magazine names are written bare, one per line:
// a comma or a line break would put the rest of the file out of step.
QString nomsMalFormes(const SaisieFiche& s)
{
    const Champ champs[] = {
        {"Catégorie", &s.categorie}, {"Sous-catégorie", &s.sousCategorie}, {"Magazine", &s.magazine}};
    for (const Champ& c : champs) {
        if (c.texte->contains(QLatin1Char(',')))
            return QStringLiteral("Le champ « %1 » ne peut pas contenir de virgule : « %2 ».\nSupprimez la virgule "
                                  "avant de valider.")
                .arg(QString::fromUtf8(c.libelle), *c.texte);
        if (c.texte->contains(QLatin1Char('\n')) || c.texte->contains(QLatin1Char('\r')))
            return QStringLiteral("Le champ « %1 » ne peut pas contenir de retour à la ligne.")
                .arg(QString::fromUtf8(c.libelle));
    }
    // The found list separates the name from its slot number with "ÿ".
    if (s.nom.contains(SeparateurListeTrouvee))
        return QStringLiteral("Le nom de la recette ne peut pas contenir le caractère « ÿ ».\nSupprimez-le avant "
                              "de valider.");
    return {};
}

// Each name as it would be stored, and where it would go: through an
// import's hashes when it has them, else as the card finds it.
struct NomEtPlace {
    QString nom;
    ListeNoms::Place place;
};

struct Places {
    Tables& t;
    RepertoireNoms* noms;
    NomEtPlace categorie(const QString& texte) const
    {
        return noms ? dans(noms->categories(), texte, true) : dans(ListeNoms::categories(t), texte, true);
    }
    NomEtPlace sousCategorie(int c, const QString& texte) const
    {
        return noms ? dans(noms->sousCategories(c), texte, true) : dans(ListeNoms::sousCategories(t, c), texte, true);
    }
    NomEtPlace magazine(const QString& texte) const
    {
        return noms ? dans(noms->magazines(), texte, false) : dans(ListeNoms::magazines(t), texte, false);
    }
    static NomEtPlace dans(IndexNoms& index, const QString& texte, bool minuscules)
    {
        const QString& nom = index.normaliser(texte, minuscules);
        return {nom, index.chercherPlace(nom)};
    }
    static NomEtPlace dans(const ListeNoms& liste, const QString& texte, bool minuscules)
    {
        const QString nom = TexteFiche::nomNormalise(texte, minuscules);
        return {nom, liste.chercherPlace(nom)};
    }
};

QString tablesPleines(Tables& t, const SaisieFiche& s, const Places& places)
{
    if (s.nouvelle && t.NbRecett >= Tables::MaxRecett)
        return QStringLiteral("La base est pleine : elle ne peut pas contenir plus de %1 recettes.\nLa recette "
                              "n'est pas enregistrée.")
            .arg(Tables::MaxRecett);
    const NomEtPlace categorie = places.categorie(s.categorie);
    if (categorie.place.pleine)
        return QStringLiteral("La base ne peut pas contenir plus de %1 catégories : la catégorie « %2 » ne peut "
                              "pas être ajoutée.\nChoisissez une catégorie existante.")
            .arg(Tables::MaxCat)
            .arg(categorie.nom);
    if (categorie.place.numero > 0) {
        const NomEtPlace sousCategorie = places.sousCategorie(categorie.place.numero, s.sousCategorie);
        if (sousCategorie.place.pleine)
            return QStringLiteral("La catégorie « %1 » ne peut pas contenir plus de %2 sous-catégories : la "
                                  "sous-catégorie « %3 » ne peut pas être ajoutée.\nChoisissez une sous-catégorie "
                                  "existante.")
                .arg(t.Cat(categorie.place.numero))
                .arg(Tables::MaxSousCat)
                .arg(sousCategorie.nom);
    }
    const NomEtPlace magazine = places.magazine(s.magazine);
    if (magazine.place.pleine)
        return QStringLiteral("La base ne peut pas contenir plus de %1 magazines : le magazine « %2 » ne peut pas "
                              "être ajouté.\nChoisissez un magazine existant.")
            .arg(Tables::MaxMag)
            .arg(magazine.nom);
    return {};
}

} // namespace

QString motifDeRefus(Tables& t, const SaisieFiche& s, RepertoireNoms* noms)
{
    QString motif = caracteresIllisibles(s);
    if (motif.isEmpty())
        motif = nomsMalFormes(s);
    if (motif.isEmpty())
        motif = tablesPleines(t, s, Places{t, noms});
    return motif;
}

QString refusValidation(Tables& t, const SaisieFiche& s, RepertoireNoms* noms)
{
    if (s.nom.isEmpty())
        return QStringLiteral("La recette doit avoir un nom !");
    const QString description = s.magazine + s.categorie + s.page + s.numero + s.notes;
    if (Texte::sansBlancs(description).isEmpty())
        return QStringLiteral("La recette doit comporter un minimum de description !");
    return motifDeRefus(t, s, noms);
}

namespace {
QStringView sansBlancsVue(QStringView texte)
{
    while (!texte.isEmpty() && texte.front() == u' ')
        texte = texte.sliced(1);
    while (!texte.isEmpty() && texte.back() == u' ')
        texte.chop(1);
    return texte;
}

// A case-insensitive comparison keeps lengths: a length that differs tells
// two texts apart at once, which spares most recipes of a full base.
bool memeTexte(QStringView stocke, QStringView cherche)
{
    const QStringView t = sansBlancsVue(stocke);
    return t.size() == cherche.size() && t.compare(cherche, Qt::CaseInsensitive) == 0;
}
} // namespace

int recetteEnDouble(const Tables& t, const QString& nom, const QString& magazine, const QString& numero, int autreQue)
{
    const QStringView n = sansBlancsVue(nom), m = sansBlancsVue(magazine), no = sansBlancsVue(numero);
    const int nb = std::clamp(t.NbRecett, 0, Tables::MaxRecett);
    for (int r = 1; r <= nb; ++r) {
        if (r == autreQue || !memeTexte(t.RecettTexte(r, Recette::Nom), n)
            || !memeTexte(t.RecettTexte(r, Recette::Numero), no))
            continue;
        const int mag = t.RecettVal(r, Recette::Magazine);
        const QString stocke = mag >= 0 && mag <= Tables::MaxMag ? t.Mag(mag) : QString();
        if (memeTexte(stocke, m))
            return r;
    }
    return 0;
}
