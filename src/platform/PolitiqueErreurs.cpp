#include "PolitiqueErreurs.h"

bool PolitiqueErreurs::reessayer(const QString& description)
{
    return m_plateforme.message(QStringLiteral("Erreur !"), description, Plateforme::Boutons::ReessayerAnnuler,
                                Plateforme::Icone::Exclamation)
        == Plateforme::Reponse::Reessayer;
}
