#include "PlateformeConsole.h"
#include "Impression.h"
#include <QTextStream>

Plateforme::Reponse PlateformeConsole::message(const QString& titre, const QString& texte, Boutons boutons, Icone)
{
    m_erreurs << titre << " : " << texte << Qt::endl;
    switch (boutons) {
    case Boutons::OK: return Reponse::OK;
    case Boutons::OuiNon: return Reponse::Non;
    // Without anyone to answer, a question that can be cancelled is.
    case Boutons::ReessayerAnnuler:
    case Boutons::OuiNonAnnuler: break;
    }
    return Reponse::Annuler;
}

std::unique_ptr<Impression> PlateformeConsole::choisirImprimante(const QString&) { return nullptr; }
