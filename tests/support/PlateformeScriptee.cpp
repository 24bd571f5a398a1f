#include "PlateformeScriptee.h"

namespace {
// The printing layer that records into a layer the platform keeps.
class Enregistreuse : public Impression {
public:
    Enregistreuse(std::shared_ptr<ImpressionEnregistree> e, int lignesParPage)
        : m_e(std::move(e)), m_parPage(lignesParPage)
    {}
    void taille(int points) override { m_etat.taille = points; }
    void gras(bool actif) override { m_etat.gras = actif; }
    void italique(bool actif) override { m_etat.italique = actif; }
    void souligne(bool actif) override { m_etat.souligne = actif; }
    void imprimer(const QStringList& textes, bool finLigne) override
    {
        if (abandonne())
            return;
        // Line breaks inside a text start new lines.
        for (const QString& t : textes) {
            const QStringList morceaux = QString(t).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
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
    // Ends the open line; with none open, it is an empty line of its own.
    void ligneVide() override { terminerLigne(); }
    void debutBloc() override
    {
        m_ouverts.append(m_e->blocs.size());
        m_e->blocs.append({static_cast<int>(m_e->lignes.size()), -1});
    }
    void finBloc() override
    {
        if (!m_ouverts.isEmpty())
            m_e->blocs[m_ouverts.takeLast()].second = static_cast<int>(m_e->lignes.size());
    }
    void finDocument() override
    {
        if (m_ligneOuverte)
            terminerLigne();
        m_e->termine = !abandonne();
    }

private:
    void terminerLigne()
    {
        if (abandonne())
            return;
        LigneImprimee l = m_etat;
        l.texte = m_ouverte;
        const qsizetype n = m_e->lignes.size();
        // A stopped printout records nothing from the page it stopped at.
        if (m_parPage > 0 && n > 0 && n % m_parPage == 0 && !pageCommencee(static_cast<int>(n / m_parPage) + 1)) {
            m_e->abandonnee = true;
            return;
        }
        m_e->lignes.append(l);
        m_ouverte.clear();
        m_ligneOuverte = false;
    }

    std::shared_ptr<ImpressionEnregistree> m_e;
    int m_parPage;
    LigneImprimee m_etat;
    QString m_ouverte;
    bool m_ligneOuverte = false;
    QList<qsizetype> m_ouverts; // the blocks not closed yet
};
} // namespace

Plateforme::Reponse PlateformeScriptee::message(const QString& titre, const QString& texte, Boutons boutons,
                                                Icone icone)
{
    boites.append({titre, texte, boutons, icone});
    if (!reponses.isEmpty())
        return reponses.dequeue();
    switch (boutons) {
    case Boutons::OK: return Reponse::OK;
    case Boutons::OuiNon: return Reponse::Non;
    case Boutons::OuiNonAnnuler: return Reponse::Annuler;
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

std::unique_ptr<Impression> PlateformeScriptee::choisirImprimante(const QString& titre)
{
    titresImpression.append(titre);
    if (imprimantes.isEmpty() || !imprimantes.dequeue())
        return nullptr;
    if (imprimante)
        return imprimante();
    impressions.append(std::make_shared<ImpressionEnregistree>());
    return std::make_unique<Enregistreuse>(impressions.last(), lignesParPage);
}

void PlateformeScriptee::apercu(const QString& titre, const std::function<void(Impression&)>& imprimer)
{
    titresApercu.append(titre);
    impressions.append(std::make_shared<ImpressionEnregistree>());
    Enregistreuse enregistreuse(impressions.last(), lignesParPage);
    imprimer(enregistreuse);
}
