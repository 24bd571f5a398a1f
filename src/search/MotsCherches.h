#pragma once
#include "IndexTexte.h"
#include <QString>
#include <QStringView>
#include <vector>

// The text to search, folded (PliageFrancais) and cut into words at its
// blanks. A recipe is found when every word is in one and the same of its
// fields, in any order. A blank at the start or the end of the text counts:
// it stays before the first word or after the last.
class MotsCherches {
public:
    explicit MotsCherches(const QString& texte);

    // No word: a text of blanks only.
    bool aucun() const { return m_mots.empty(); }
    bool trouvesDans(const IndexTexte& index, int r) const;

private:
    struct Mot {
        QString texte;
        qsizetype ancre; // its rarest character, looked for first
    };
    static qsizetype chercher(QStringView texte, const Mot& mot, qsizetype depuis);
    bool autresDans(QStringView champ) const;

    std::vector<Mot> m_mots; // the longest first
    IndexTexte::Empreinte m_empreinte;
};
