#pragma once
#include "PlateformeScriptee.h"
#include "platform/ImpressionQt.h"

// The scripted platform, except that its printer dialog is always confirmed
// and prints to a PDF file through the real printing layer.
class PlateformeBanc : public PlateformeScriptee {
public:
    QString cheminPdf;

    std::unique_ptr<Impression> choisirImprimante(const QString& titre) override
    {
        titresImpression.append(titre);
        return std::make_unique<ImpressionQt>(cheminPdf);
    }
};
