#include "Generateur.h"
#include "base/FichierBase.h"
#include "base/Tables.h"
#include <QStringList>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace Generateur {

std::uint64_t Alea::suivant()
{
    std::uint64_t z = (m_etat += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int Alea::sous(int n) { return static_cast<int>(suivant() % static_cast<std::uint64_t>(n)); }

namespace {

// The vocabulary. A category has a kind, which chooses the complements that
// follow a dish ("aux pommes" after a tart, "au lard" after a soup), and its
// sub-categories with the heads of their dishes: "Nom=tête|tête|...". A head
// ending with "!" is a whole name that takes no complement.
struct CategorieModele {
    const char* nom;
    char genre; // S sweet, L vegetables and starters, V meat, P fish, B drinks
    const char* sousCategories;
};

constexpr std::array<CategorieModele, 42> categoriesModeles = {{
    {"Desserts", 'S',
     "Tartes=Tarte|Tarte fine|Tartelettes|Tarte Tatin!|Tarte au citron meringuée!;"
     "Gâteaux=Gâteau|Gâteau moelleux|Quatre-quarts|Cake|Gâteau basque!;"
     "Crèmes=Crème|Crème brûlée|Crème renversée|Petits pots de crème|Crème brûlée à la vanille!;"
     "Mousses=Mousse|Mousse légère|Bavarois;Fruits=Salade de fruits|Compote|Poêlée de fruits|Gratin de fruits;"
     "Entremets=Charlotte|Entremets|Diplomate|Île flottante!|Œufs à la neige!"},
    {"Entrées", 'L',
     "Entrées froides=Terrine de légumes|Verrines|Tartare de tomates|Carpaccio de courgettes;"
     "Entrées chaudes=Flan de légumes|Feuilletés|Croustillants de chèvre|Œufs en meurette!;"
     "Terrines=Terrine de campagne|Terrine de foies de volaille|Pâté en croûte;Salades composées=Salade|Salade tiède"},
    {"Plats de résistance", 'V',
     "Mijotés=Bœuf bourguignon!|Blanquette de veau|Navarin d'agneau|Pot-au-feu!|Daube;"
     "Rôtis=Rôti de porc|Rôti de veau|Gigot d'agneau|Rosbif;"
     "Plats uniques=Cassoulet!|Choucroute garnie!|Hachis parmentier!|Potée;Grillades=Brochettes|Côtes de "
     "porc|Entrecôte"},
    {"Pâtisserie", 'S',
     "Pâtes de base=Pâte brisée!|Pâte sablée!|Pâte feuilletée!|Pâte à choux!;"
     "Choux=Choux|Éclairs|Paris-Brest!|Profiteroles;Feuilletés=Mille-feuille!|Chaussons|Galette des rois;"
     "Petits fours=Financiers|Madeleines|Tuiles|Macarons|Sablés"},
    {"Soupes", 'L',
     "Veloutés=Velouté de potiron|Velouté de courgettes|Velouté de champignons|Velouté d'asperges|Velouté de "
     "châtaignes;"
     "Potages=Potage de légumes|Potage au cresson|Potage Saint-Germain!|Soupe à l'oignon gratinée!;"
     "Soupes froides=Gaspacho|Soupe froide de concombre|Vichyssoise;Bouillons=Bouillon de "
     "volaille|Consommé|Minestrone"},
    {"Poissons", 'P',
     "Poissons blancs=Filets de cabillaud|Dos de colin|Filets de merlan|Sole meunière!|Lieu jaune;"
     "Poissons gras=Pavé de saumon|Thon mi-cuit|Maquereaux|Sardines grillées;"
     "Soupes de poisson=Bouillabaisse!|Soupe de poissons|Cotriade;Terrines de poisson=Terrine de saumon|Rillettes de "
     "thon"},
    {"Crustacés et coquillages", 'P',
     "Crevettes=Crevettes sautées|Gambas|Brochettes de crevettes;"
     "Moules=Moules marinières!|Moules|Mouclade;Coquilles Saint-Jacques=Noix de Saint-Jacques|Coquilles Saint-Jacques;"
     "Huîtres=Huîtres chaudes|Huîtres gratinées"},
    {"Volailles", 'V',
     "Poulet=Poulet rôti|Suprêmes de volaille|Cuisses de poulet|Coq au vin!|Poulet basquaise!;"
     "Canard=Magret de canard|Cuisses de canard confites|Parmentier de canard;"
     "Dinde=Escalopes de dinde|Rôti de dinde|Dinde farcie;Pintade=Pintade rôtie|Suprêmes de pintade;Lapin=Lapin|Lapin "
     "à la moutarde!"},
    {"Bœuf", 'V',
     "Pièces à griller=Entrecôte|Côte de bœuf|Onglet|Bavette;Mijotés=Bœuf en daube!|Joue de bœuf|Carbonade flamande!;"
     "Hachés=Boulettes|Steaks hachés maison|Lasagnes!"},
    {"Veau", 'V',
     "Escalopes=Escalopes de veau|Piccata|Paupiettes de veau;Mijotés=Blanquette de veau à l'ancienne!|Osso buco!|Sauté "
     "de veau;"
     "Rôtis=Rôti de veau|Quasi de veau|Tendron de veau"},
    {"Porc", 'V',
     "Rôtis=Rôti de porc|Filet mignon|Échine de porc;Côtes=Côtes de porc|Travers de porc;"
     "Charcuterie=Saucisses|Boudin noir|Jambon braisé|Rillettes!"},
    {"Agneau", 'V',
     "Gigot=Gigot d'agneau|Gigot de sept heures!;Côtelettes=Côtelettes d'agneau|Carré d'agneau;"
     "Mijotés=Navarin d'agneau|Tajine d'agneau|Épaule d'agneau confite"},
    {"Gibier", 'V', "Plume=Faisan|Perdreau|Caille;Poil=Civet de lièvre!|Sauté de chevreuil|Terrine de sanglier"},
    {"Légumes", 'L',
     "Gratins=Gratin de courgettes|Gratin de chou-fleur|Gratin dauphinois!|Tian de légumes;"
     "Poêlées=Poêlée de légumes|Wok de légumes|Ratatouille niçoise!|Piperade!;"
     "Purées=Purée de carottes|Purée de céleri|Écrasé de pommes de terre;Farcis=Tomates farcies|Courgettes "
     "farcies|Poivrons farcis"},
    {"Pommes de terre", 'L',
     "Gratins=Gratin de pommes de terre|Gratin savoyard;Sautées=Pommes de terre sautées|Pommes grenaille;"
     "Purées=Purée|Aligot!|Truffade!"},
    {"Œufs", 'L',
     "Omelettes=Omelette|Omelette soufflée|Tortilla;Œufs cocotte=Œufs cocotte|Œufs brouillés;Soufflés=Soufflé|Soufflé "
     "au fromage!"},
    {"Quiches et tartes salées", 'L',
     "Quiches=Quiche|Quiche lorraine!|Quiche sans pâte;Tartes salées=Tarte salée|Tarte fine|Flammekueche!;"
     "Tourtes=Tourte|Pithiviers"},
    {"Pâtes et riz", 'L',
     "Pâtes fraîches=Tagliatelles|Raviolis maison|Gnocchis;Pâtes sèches=Spaghettis|Penne|Coquillettes|Macaronis;"
     "Riz=Risotto|Riz pilaf|Paella!|Riz cantonais!"},
    {"Salades", 'L',
     "Salades composées=Salade|Salade tiède|Salade niçoise!;Salades de crudités=Carottes râpées|Céleri "
     "rémoulade!|Taboulé;"
     "Salades de féculents=Salade de lentilles|Salade de pâtes|Salade de riz|Salade piémontaise!"},
    {"Sauces", 'L',
     "Sauces chaudes=Sauce béarnaise!|Beurre blanc!|Sauce au poivre!|Sauce tomate;"
     "Sauces froides=Mayonnaise|Vinaigrette|Aïoli!|Rouille!;Coulis=Coulis de tomates|Coulis de poivrons"},
    {"Crêpes et galettes", 'S',
     "Crêpes sucrées=Crêpes|Crêpes Suzette!|Pannequets;Galettes=Galettes de sarrasin|Galette "
     "complète!;Gaufres=Gaufres|Gaufres de Liège!"},
    {"Glaces et sorbets", 'S',
     "Glaces=Glace|Crème glacée|Parfait glacé;Sorbets=Sorbet|Granité;Desserts glacés=Nougat glacé!|Vacherin "
     "glacé|Omelette norvégienne!"},
    {"Confiseries", 'S',
     "Chocolats=Truffes|Mendiants|Rochers;Caramels=Caramels mous|Caramels|Nougat!;Pâtes de fruits=Pâtes de "
     "fruits|Guimauves"},
    {"Confitures", 'S',
     "Confitures=Confiture|Confiture extra;Gelées=Gelée|Gelée de coings!;Marmelades=Marmelade|Chutney"},
    {"Pains et viennoiseries", 'S',
     "Pains=Pain de campagne!|Pain complet!|Fougasse|Pain de mie!;Brioches=Brioche|Brioche tressée|Kouign-amann!;"
     "Viennoiseries=Croissants!|Pains au chocolat!|Chaussons"},
    {"Apéritifs", 'L',
     "Amuse-bouches=Mini-brochettes|Toasts|Cuillères apéritives;Tartinades=Tartinade|Houmous|Tapenade!;"
     "Feuilletés apéritifs=Allumettes|Palmiers salés|Gougères!"},
    {"Boissons", 'B',
     "Cocktails=Cocktail|Punch|Sangria!;Boissons chaudes=Chocolat chaud|Vin chaud!|Thé glacé;Jus et "
     "smoothies=Smoothie|Jus|Citronnade"},
    {"Cuisine du monde", 'V',
     "Cuisine italienne=Saltimbocca!|Vitello tonnato!|Risotto;Cuisine marocaine=Tajine|Couscous|Pastilla;"
     "Cuisine asiatique=Nems!|Wok|Curry|Bo bun!;Cuisine mexicaine=Chili con carne!|Fajitas|Tacos"},
    {"Cuisine légère", 'L',
     "Plats légers=Papillotes|Légumes vapeur|Bouillon;Desserts légers=Fromage blanc battu|Mousse légère|Compote"},
    {"Buffets", 'L',
     "Cakes salés=Cake salé|Cake;Terrines=Terrine|Terrine de légumes;Verrines=Verrines|Panna cotta salée"},
    {"Fêtes", 'V',
     "Noël=Chapon rôti|Dinde de Noël|Bûche de Noël!|Foie gras mi-cuit!;Pâques=Gigot pascal|Nid de "
     "Pâques!;Réveillon=Saint-Jacques|Homard|Huîtres"},
    {"Fromages", 'L',
     "Fondues=Fondue savoyarde!|Fondue|Raclette!;Fromages chauds=Camembert rôti|Chèvre chaud|Croque-monsieur!"},
    {"Abats", 'V',
     "Foie=Foie de veau|Foies de volaille;Rognons=Rognons|Rognons de veau;Tripes=Tripes à la mode de "
     "Caen!|Andouillette"},
    {"Conserves", 'L',
     "Bocaux=Tomates en bocaux|Ratatouille en bocaux|Cornichons!;Confits=Confit de canard!|Confit d'oignons"},
    {"Goûters", 'S', "Biscuits=Biscuits|Cookies|Sablés;Cakes sucrés=Cake|Marbré!|Banana bread!;Crêpes=Crêpes|Pancakes"},
    {"Cuisine régionale", 'V',
     "Bretagne=Far breton!|Kig ha farz!|Cotriade;Alsace=Baeckeoffe!|Choucroute!|Kougelhopf!;"
     "Provence=Bouillabaisse!|Daube provençale!|Pissaladière!;Sud-Ouest=Garbure!|Cassoulet!|Poule au pot!"},
    {"Tartes", 'S',
     "Tartes aux fruits=Tarte|Tarte fine|Tartelettes;Tartes à la crème=Tarte à la crème|Tarte au flan!|Tarte au "
     "sucre!"},
    {"Gâteaux", 'S',
     "Gâteaux au chocolat=Fondant|Moelleux|Brownies|Forêt-noire!;Gâteaux de voyage=Cake|Quatre-quarts|Pain d'épices!;"
     "Gâteaux de fête=Fraisier!|Framboisier!|Opéra!|Saint-Honoré!"},
    {"Cuisine rapide", 'L',
     "Plats express=Poêlée|Wok|Omelette;Sandwiches=Sandwich|Croque-monsieur|Wrap;Assiettes=Assiette|Bowl|Salade"},
    {"Cuisine des enfants", 'S',
     "Goûters d'enfants=Gâteau|Muffins|Cookies;Plats d'enfants=Coquillettes au jambon!|Nuggets maison!|Mini-pizzas"},
    {"Barbecue", 'V',
     "Marinades=Marinade|Marinade aux herbes;Brochettes=Brochettes|Brochettes de poulet;Grillades=Côtes|Saucisses "
     "grillées|Travers"},
    {"Divers", 'L', "Divers=Recette|Préparation|Garniture;Astuces=Astuce|Conseil"},
}};

// The complements that follow a head, by kind.
const char* complements(char genre)
{
    switch (genre) {
    case 'S':
        return "aux pommes|aux pommes caramélisées|au chocolat|au chocolat noir|à la vanille|à l'orange|au citron|"
               "aux fraises|aux framboises|à la rhubarbe|aux poires|aux abricots|aux myrtilles|au caramel au beurre "
               "salé|"
               "à la noix de coco|aux amandes|aux noisettes|au café|à la pistache|aux marrons|à la cannelle|au miel|"
               "aux fruits rouges|aux figues|aux pêches|aux cerises|au citron vert|à la mangue|au gingembre|"
               "à la crème de marrons|aux pruneaux|au rhum|à la fleur d'oranger|aux mirabelles|aux clémentines|"
               "aux noix|à l'ananas|aux griottes|au fromage blanc|aux quetsches";
    case 'L':
        return "au lard|au chèvre|au cumin|à la menthe|au curry|aux lardons|au roquefort|au parmesan|aux noix|"
               "au basilic|à la crème|aux champignons|aux herbes|à l'ail|au comté|aux épinards|à la tomate|"
               "aux poireaux|au saumon fumé|à la feta|aux oignons confits|au jambon|aux courgettes|au pesto|"
               "à la provençale|au gorgonzola|aux noisettes|au piment d'Espelette|à l'estragon|aux tomates séchées";
    case 'V':
        return "aux pruneaux|à la moutarde|au miel et au thym|aux champignons|à la provençale|aux girolles|au cidre|"
               "à la bière|en croûte|aux herbes|au four|aux olives|aux épices|aux morilles|à la crème|aux oignons|"
               "au vin rouge|aux lentilles|aux marrons|à l'estragon|aux petits légumes|au romarin|à l'ancienne|"
               "aux cèpes|au poivre vert|aux abricots secs|à la sauge|au citron confit";
    case 'P':
        return "au beurre blanc|à l'oseille|en papillote|au citron|à la crème d'aneth|aux petits légumes|au safran|"
               "à la provençale|au four|aux agrumes|à la vapeur|en croûte de sel|au gingembre|aux câpres|"
               "à la crème|au cidre|aux poireaux|à la tomate|au lait de coco|à la bretonne";
    default:
        return "à l'orange|au citron|à la menthe|aux fruits rouges|à la cannelle|au gingembre|à l'ananas|à la mangue";
    }
}

// A few words after the dish, now and then.
constexpr std::array<const char*, 10> qualificatifs = {" maison",  " express",      " de grand-mère", " légère",
                                                       " facile",  " du dimanche",  " rapide",        " d'été",
                                                       " d'hiver", " façon bistrot"};

// Invented titles; some begin like another ("Gourmand" and "Gourmand magazine").
constexpr std::array<const char*, 62> magazinesModeles = {"Cuisine et saveurs",
                                                          "La table du dimanche",
                                                          "Gourmandises",
                                                          "Le journal des gourmets",
                                                          "Cuisine facile",
                                                          "Recettes de saison",
                                                          "Le petit cuisinier",
                                                          "Table et terroir",
                                                          "Délices de France",
                                                          "Popote",
                                                          "Mijoté",
                                                          "À table !",
                                                          "Les carnets du marché",
                                                          "Cuisine d'ici",
                                                          "Goûts et couleurs",
                                                          "Pâtisserie maison",
                                                          "Fourneaux",
                                                          "Le cahier gourmand",
                                                          "Gourmand",
                                                          "Gourmand magazine",
                                                          "Tablier",
                                                          "Saveurs du sud",
                                                          "Cuisine de nos régions",
                                                          "Recettes express",
                                                          "Midi-minuit",
                                                          "La cuisine en fête",
                                                          "Cuisiner ensemble",
                                                          "Marmite",
                                                          "Le goût des choses",
                                                          "Casseroles & cie",
                                                          "Œnologie et cuisine",
                                                          "Papilles",
                                                          "La bonne assiette",
                                                          "Cuisine",
                                                          "Cuisine pratique",
                                                          "Cuisine pratique hors-série",
                                                          "Mes recettes",
                                                          "Recettes du terroir",
                                                          "Épices et saveurs",
                                                          "Le tablier rouge",
                                                          "Cocotte",
                                                          "Cuisine du marché",
                                                          "Petits plats",
                                                          "Bien manger",
                                                          "Régalons-nous",
                                                          "Saveurs d'automne",
                                                          "Dîners entre amis",
                                                          "Le coin des gourmets",
                                                          "Sucré salé",
                                                          "Cuisine de tous les jours",
                                                          "Ma cuisine légère",
                                                          "Fait maison",
                                                          "Le chaudron",
                                                          "Recettes de famille",
                                                          "Table ouverte",
                                                          "Goûter gourmand",
                                                          "Toqué",
                                                          "Le fournil",
                                                          "Brunch",
                                                          "Spécial pâtisserie",
                                                          "Cuisine au quotidien",
                                                          "Ça mijote"};

constexpr std::array<const char*, 24> notesModeles = {
    "Très bon, à refaire.",
    "Remplacer la crème par du yaourt, c'est plus léger.",
    "Doubler les quantités pour 8 personnes.\r\nCuisson : 35 min au lieu de 25.",
    "Un peu sec, ajouter 50 g de beurre.",
    "Servi à Noël, grand succès.",
    "Préparer la veille, c'est meilleur le lendemain.",
    "Moins de sucre : 80 g suffisent.",
    "Coût : environ 15 €, pour 6 personnes.",
    "Accompagner d'un riz basmati, de haricots verts ou d'une salade.",
    "Four à 180 °C, chaleur tournante.\r\nSurveiller la fin de cuisson.",
    "Recette de tante Odile.",
    "Se congèle très bien.",
    "Les enfants adorent.",
    "Trop salé, mettre moitié moins de sel.",
    "Ajouter une pincée de piment d'Espelette, du thym et du laurier.",
    "Version sans gluten : farine de riz, fécule de maïs.",
    "Ingrédients : 3 œufs, 250 g de farine, 1 sachet de levure.\r\nMélanger, verser dans le moule.\r\nCuire 40 min.",
    "Vin conseillé : un bordeaux rouge, ou un côtes-du-rhône.",
    "Pas terrible, à revoir.",
    "Parfait pour un buffet.",
    "Photo page suivante.",
    "Testé avec des poires au lieu des pommes, très bien aussi.",
    "Préparation : 20 min.\r\nCuisson : 1 h.",
    "À servir tiède, avec une boule de glace."};

struct SousCategorieModele {
    QString nom;
    QStringList tetes;
};

struct Modele {
    QString nom;
    QStringList complements;
    std::vector<SousCategorieModele> sousCategories;
};

std::vector<Modele> vocabulaire()
{
    std::vector<Modele> modeles;
    for (const CategorieModele& c : categoriesModeles) {
        Modele m{QString::fromUtf8(c.nom), QString::fromUtf8(complements(c.genre)).split(QLatin1Char('|')), {}};
        for (const QString& sc : QString::fromUtf8(c.sousCategories).split(QLatin1Char(';'))) {
            const qsizetype egal = sc.indexOf(QLatin1Char('='));
            m.sousCategories.push_back({sc.left(egal), sc.mid(egal + 1).split(QLatin1Char('|'))});
        }
        modeles.push_back(std::move(m));
    }
    return modeles;
}

// The same elements in an order of their own: a real base holds its names in
// the order they were first typed.
template <class T>
void melanger(std::vector<T>& v, Alea& alea)
{
    for (int i = static_cast<int>(v.size()) - 1; i > 0; --i)
        std::swap(v[static_cast<std::size_t>(i)], v[static_cast<std::size_t>(alea.sous(i + 1))]);
}

// Draws an index where the first ones come up more often, as a few favourite
// categories and magazines hold most of a real base.
int tirerPondere(Alea& alea, int n)
{
    const int a = alea.sous(n);
    const int b = alea.sous(n);
    return std::min(a, b);
}

QString numero(Alea& alea)
{
    const int tirage = alea.sous(100);
    if (tirage < 4)
        return QString();
    if (tirage < 12)
        return QStringLiteral("hs %1").arg(1 + alea.sous(12));
    return QString::number(1 + alea.sous(420));
}

QString page(Alea& alea)
{
    const int tirage = alea.sous(100);
    if (tirage < 3)
        return QString();
    const int p = 2 + alea.sous(180);
    if (tirage < 25)
        return QStringLiteral("%1-%2").arg(p).arg(p + 1 + alea.sous(2));
    return QString::number(p);
}

QString nomRecette(const Modele& categorie, const SousCategorieModele& sousCategorie, Alea& alea)
{
    QString nom = sousCategorie.tetes[alea.sous(static_cast<int>(sousCategorie.tetes.size()))];
    if (nom.endsWith(QLatin1Char('!'))) {
        nom.chop(1);
        return nom;
    }
    if (!alea.chance(15))
        nom += QLatin1Char(' ') + categorie.complements[alea.sous(static_cast<int>(categorie.complements.size()))];
    if (alea.chance(8))
        nom += QString::fromUtf8(qualificatifs[static_cast<std::size_t>(alea.sous(qualificatifs.size()))]);
    return nom;
}

QString notes(Alea& alea)
{
    if (!alea.chance(33))
        return QString();
    QString n = QString::fromUtf8(notesModeles[static_cast<std::size_t>(alea.sous(notesModeles.size()))]);
    if (alea.chance(10))
        n += QStringLiteral("\r\n")
            + QString::fromUtf8(notesModeles[static_cast<std::size_t>(alea.sous(notesModeles.size()))]);
    return n;
}

// Which names of the tables are kept for recipes; the others stay unused.
struct Emploi {
    std::vector<int> categories;                  // the used categories, the common ones first
    std::vector<std::vector<int>> sousCategories; // by category: the used sub-categories
    std::vector<int> magazines;                   // the used magazines
};

} // namespace

Parametres baseComplete() { return Parametres{}; }

Parametres baseDemo()
{
    Parametres p;
    p.recettes = 350;
    p.categories = 14;
    p.magazines = 7;
    p.nomsInutilises = false;
    p.graine = 1205;
    return p;
}

void remplir(Tables& t, const Parametres& parametres)
{
    Alea alea(parametres.graine);
    t.ViderCompteurs();

    // The first categories of the vocabulary are the common ones and hold
    // most recipes; the tables keep them in an order of their own.
    std::vector<Modele> modeles = vocabulaire();
    modeles.resize(std::min<std::size_t>(modeles.size(), static_cast<std::size_t>(std::max(1, parametres.categories))));
    std::vector<int> places(modeles.size()); // by rank: the category number in the tables
    for (std::size_t rang = 0; rang < places.size(); ++rang)
        places[rang] = static_cast<int>(rang) + 1;
    melanger(places, alea);

    Emploi emploi;
    emploi.sousCategories.resize(modeles.size() + 1);
    std::vector<const Modele*> modeleDe(modeles.size() + 1); // by category number
    t.NbCat = static_cast<int>(modeles.size());
    for (std::size_t rang = 0; rang < modeles.size(); ++rang) {
        const int c = places[rang];
        Modele& m = modeles[rang];
        modeleDe[static_cast<std::size_t>(c)] = &m;
        melanger(m.sousCategories, alea);
        t.Cat(c) = m.nom;
        t.NbSousCat(c) = static_cast<int>(m.sousCategories.size());
        for (int s = 1; s <= t.NbSousCat(c); ++s) {
            t.SousCat(c, s) = m.sousCategories[static_cast<std::size_t>(s - 1)].nom;
            // The last sub-category of every fifth category lost its recipes.
            if (!(parametres.nomsInutilises && c % 5 == 0 && s == t.NbSousCat(c) && s > 1))
                emploi.sousCategories[static_cast<std::size_t>(c)].push_back(s);
        }
        // Every twelfth category had all its recipes moved away.
        if (!(parametres.nomsInutilises && c % 12 == 7))
            emploi.categories.push_back(c);
    }

    std::vector<QString> titres;
    for (const char* titre : magazinesModeles)
        titres.push_back(QString::fromUtf8(titre));
    melanger(titres, alea);
    t.NbMag = std::clamp(parametres.magazines, 1, static_cast<int>(titres.size()));
    for (int m = 1; m <= t.NbMag; ++m) {
        t.Mag(m) = titres[static_cast<std::size_t>(m - 1)];
        if (!(parametres.nomsInutilises && m % 15 == 4))
            emploi.magazines.push_back(m);
    }

    t.NbRecett = std::clamp(parametres.recettes, 0, Tables::MaxRecett);
    const int nbCategories = static_cast<int>(emploi.categories.size());
    const int nbMagazines = static_cast<int>(emploi.magazines.size());
    for (int r = 1; r <= t.NbRecett; ++r) {
        const int c = emploi.categories[static_cast<std::size_t>(tirerPondere(alea, nbCategories))];
        const std::vector<int>& sousCategories = emploi.sousCategories[static_cast<std::size_t>(c)];
        const int s = sousCategories[static_cast<std::size_t>(alea.sous(static_cast<int>(sousCategories.size())))];
        const int m = emploi.magazines[static_cast<std::size_t>(tirerPondere(alea, nbMagazines))];
        const Modele& modele = *modeleDe[static_cast<std::size_t>(c)];
        t.RecettTexte(r, Recette::Numero) = numero(alea);
        t.RecettTexte(r, Recette::Page) = page(alea);
        t.RecettTexte(r, Recette::Notes) = notes(alea);
        t.RecettTexte(r, Recette::Nom) =
            nomRecette(modele, modele.sousCategories[static_cast<std::size_t>(s - 1)], alea);
        t.RecettVal(r, Recette::Categorie) = c;
        t.RecettVal(r, Recette::SousCategorie) = s;
        t.RecettVal(r, Recette::Magazine) = m;
        t.RecettVal(r, Recette::Testee) = alea.chance(30) ? 1 : 0;
        ++t.CatNbRecett(c);
        ++t.SousCatNbRecett(c, s);
        ++t.MagNbRecett(m);
    }
}

QString texteAncien(const Tables& tables, FormatAncien format, int nbFaux)
{
    auto copie = std::make_unique<Tables>(tables);
    for (int i = 0; i < nbFaux && copie->NbCat > 0; ++i) {
        const int c = 1 + (i * 7) % copie->NbCat;
        copie->CatNbRecett(c) += 2 + i;
        if (copie->NbSousCat(c) > 0)
            copie->SousCatNbRecett(c, 1) += 1;
    }
    QString texte = FichierBase::ecrire(*copie);
    // The current layout begins with "-1 " and the tag, each on its line.
    const qsizetype apresEntete = texte.indexOf(QLatin1Char('\n'), texte.indexOf(QLatin1Char('\n')) + 1) + 1;
    texte.remove(0, apresEntete);
    if (format == FormatAncien::V12)
        texte.prepend(QStringLiteral("-1 \r\nv1.2\r\n"));
    return texte;
}

} // namespace Generateur
