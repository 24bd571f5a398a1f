#include "PlateformeScriptee.h"

void ImpressionEnregistree::imprimer(const QStringList& textes, bool finLigne)
{
    for (const QString& t : textes) {
        // Line breaks inside a text start new lines.
        QString texte = t;
        texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        const QStringList morceaux = texte.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < morceaux.size(); ++i) {
            if (i > 0)
                terminerLigne();
            m_ouverte += morceaux[i];
            m_ligneOuverte = true;
        }
    }
    if (finLigne)
        terminerLigne();
}

void ImpressionEnregistree::ligneVide()
{
    // Ends the open line; with none open, it is an empty line of its own.
    terminerLigne();
}

void ImpressionEnregistree::terminerLigne()
{
    LigneImprimee l = m_etat;
    l.texte = m_ouverte;
    if (lignesParPage > 0 && !lignes.isEmpty() && lignes.size() % lignesParPage == 0)
        pageCommencee(static_cast<int>(lignes.size() / lignesParPage) + 1);
    lignes.append(l);
    m_ouverte.clear();
    m_ligneOuverte = false;
}

void ImpressionEnregistree::finDocument()
{
    if (m_ligneOuverte)
        terminerLigne();
    termine = true;
}

PlateformeScriptee::~PlateformeScriptee() { qDeleteAll(impressions); }

Plateforme::Reponse PlateformeScriptee::message(const QString& titre, const QString& texte, Boutons boutons,
                                                Icone icone)
{
    boites.append({titre, texte, boutons, icone});
    if (!reponses.isEmpty())
        return reponses.dequeue();
    switch (boutons) {
    case Boutons::OK: return Reponse::OK;
    case Boutons::OuiNon: return Reponse::Non;
    case Boutons::ReessayerAnnuler: return Reponse::Annuler;
    }
    return Reponse::Annuler;
}

std::optional<QString> PlateformeScriptee::prochainFichier(const DialogueFichier& d)
{
    dialogues.append(d);
    if (fichiers.isEmpty())
        return std::nullopt;
    return fichiers.dequeue();
}

std::optional<QString> PlateformeScriptee::dialogueOuvrir(const DialogueFichier& d) { return prochainFichier(d); }

std::optional<QString> PlateformeScriptee::dialogueEnregistrer(const DialogueFichier& d) { return prochainFichier(d); }

namespace {
// Hands the recorded layer to the caller while the platform keeps reading it.
class ImpressionRelais : public Impression {
public:
    explicit ImpressionRelais(ImpressionEnregistree* cible) : m_cible(cible)
    {
        m_cible->suivrePages([this](int page) { pageCommencee(page); });
    }
    void taille(int p) override { m_cible->taille(p); }
    void gras(bool a) override { m_cible->gras(a); }
    void italique(bool a) override { m_cible->italique(a); }
    void souligne(bool a) override { m_cible->souligne(a); }
    void imprimer(const QStringList& t, bool f) override { m_cible->imprimer(t, f); }
    void ligneVide() override { m_cible->ligneVide(); }
    void finDocument() override { m_cible->finDocument(); }

private:
    ImpressionEnregistree* m_cible;
};
} // namespace

std::unique_ptr<Impression> PlateformeScriptee::choisirImprimante(const QString& titre)
{
    titresImpression.append(titre);
    if (imprimantes.isEmpty() || !imprimantes.dequeue())
        return nullptr;
    auto* enregistree = new ImpressionEnregistree;
    enregistree->lignesParPage = lignesParPage;
    impressions.append(enregistree);
    return std::make_unique<ImpressionRelais>(enregistree);
}
