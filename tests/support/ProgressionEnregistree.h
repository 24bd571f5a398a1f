#pragma once
#include "platform/Progression.h"
#include <QStringList>

// Records each showing of the progress window as "title / label", and
// whether it is open.
class ProgressionEnregistree : public Progression {
public:
    void montrer(const QString& titre, const QString& texte) override
    {
        montrees << titre + QStringLiteral(" / ") + texte;
        ouverte = true;
    }
    void fermer() override { ouverte = false; }

    QStringList montrees;
    bool ouverte = false;
};
