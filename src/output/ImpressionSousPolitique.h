#pragma once
#include "platform/Impression.h"
#include "platform/PolitiqueErreurs.h"

// The printing layer seen through the error policy: each operation is one
// step, so that a printer error offers Retry and Cancel and, on Cancel, the
// printout goes on with its next line.
class ImpressionSousPolitique {
public:
    ImpressionSousPolitique(Impression& impression, PolitiqueErreurs& politique)
        : m_impression(impression), m_politique(politique)
    {}

    void taille(int points)
    {
        m_politique.etape([&] { m_impression.taille(points); });
    }
    void gras(bool actif)
    {
        m_politique.etape([&] { m_impression.gras(actif); });
    }
    void italique(bool actif)
    {
        m_politique.etape([&] { m_impression.italique(actif); });
    }
    void souligne(bool actif)
    {
        m_politique.etape([&] { m_impression.souligne(actif); });
    }
    void ligne(const QStringList& textes)
    {
        m_politique.etape([&] { m_impression.imprimer(textes, true); });
    }
    // Texts that leave the line open for the next ones.
    void debutLigne(const QStringList& textes)
    {
        m_politique.etape([&] { m_impression.imprimer(textes, false); });
    }
    void ligneVide()
    {
        m_politique.etape([&] { m_impression.ligneVide(); });
    }
    // Blocks change no printer state: nothing can fail there.
    void debutBloc() { m_impression.debutBloc(); }
    void finBloc() { m_impression.finBloc(); }
    bool abandonne() const { return m_impression.abandonne(); }
    void finDocument()
    {
        m_politique.etape([&] { m_impression.finDocument(); });
    }

private:
    Impression& m_impression;
    PolitiqueErreurs& m_politique;
};
