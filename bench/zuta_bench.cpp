// Times the long operations of the program on a generated full base (33,000
// recipes) and prints the median and the spread of several runs, with the
// peak resident memory. Each operation is one function that adds itself to
// the registry with its target.
//
// Usage: zuta_bench [runs]   (15 by default)
#include "Chrono.h"
#include "Contexte.h"
#include "base/Codec.h"
#include "base/FichierBase.h"
#include "base/Fichiers.h"
#include "base/Generateur.h"
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void echec(const char* message)
{
    std::fprintf(stderr, "zuta_bench : %s\n", message);
    std::exit(2);
}

// What LireBase does with a base file: the bytes, their decoding, the header
// check, then the values into freshly emptied tables.
void lireBase(Contexte& c)
{
    c.tables->ViderCompteurs();
    const QString texte = Codec::decoder(Fichiers::lire(c.cheminBase));
    if (!FichierBase::lireEntete(texte).courante())
        echec("la base générée n'est pas reconnue comme courante");
    if (FichierBase::lire(texte, *c.tables, c.politique).erreurs)
        echec("la base générée se lit avec des erreurs");
}

// What EcrireBase does: the text, its encoding, the safe write.
void ecrireBase(Contexte& c, const QString& chemin)
{
    bool remplace = false;
    Fichiers::ecrireSur(chemin, Codec::encoder(FichierBase::ecrire(*c.tables), &remplace));
}

void ajouterLecture(Registre& registre, Contexte& c)
{
    registre.ajouter(QStringLiteral("Lecture de la base"), 40, [&c] { lireBase(c); });
}

void ajouterEcriture(Registre& registre, Contexte& c)
{
    const QString chemin = c.dossier.filePath(QStringLiteral("Ecriture.don"));
    registre.ajouter(QStringLiteral("Écriture de la base"), 40, [&c, chemin] { ecrireBase(c, chemin); });
}

// The full base is generated, written to the temporary folder and read back
// once; the benchmark refuses to time anything that does not round-trip.
void preparer(Contexte& c)
{
    if (!c.dossier.isValid())
        echec("dossier temporaire impossible");
    Generateur::remplir(*c.generee, Generateur::baseComplete());
    c.octets = Codec::encoder(FichierBase::ecrire(*c.generee));
    c.cheminBase = c.dossier.filePath(QStringLiteral("Zuta2005.don"));
    Fichiers::ecrireSur(c.cheminBase, c.octets);
    lireBase(c);
    if (Codec::encoder(FichierBase::ecrire(*c.tables)) != c.octets)
        echec("la base relue diffère de la base générée");
    std::printf("Base générée : %d recettes, %d catégories, %d magazines, %lld octets\n\n", c.tables->NbRecett,
                c.tables->NbCat, c.tables->NbMag, static_cast<long long>(c.octets.size()));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int essais = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    Contexte contexte;
    preparer(contexte);

    Registre registre;
    ajouterLecture(registre, contexte);
    ajouterEcriture(registre, contexte);

    std::printf("%d essais par opération (build Release)\n", essais);
    const int manquees = registre.executer(essais);
    std::printf("\nMémoire résidente maximale : %.1f Mo\n", memoireMaxMo());
    return manquees == 0 ? 0 : 1;
}
