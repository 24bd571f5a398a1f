#pragma once
#include "PlateformeScriptee.h"
#include "platform/ImpressionQt.h"
#include <QPrintPreviewWidget>
#include <QPrinter>

// The scripted platform, except that its printer dialog is always confirmed
// and prints to a PDF file through the real printing layer, and that its
// preview is Qt's, without its window.
class PlateformeBanc : public PlateformeScriptee {
public:
    QString cheminPdf;

    std::unique_ptr<Impression> choisirImprimante(const QString& titre) override
    {
        titresImpression.append(titre);
        return std::make_unique<ImpressionQt>(cheminPdf);
    }

    // The printout laid out into the preview's pages, ready to be shown, as
    // the preview window does before it shows them.
    void apercu(const QString& titre, const std::function<void(Impression&)>& imprimer) override
    {
        titresApercu.append(titre);
        QPrinter imprimante(QPrinter::HighResolution);
        QPrintPreviewWidget apercu(&imprimante);
        QObject::connect(&apercu, &QPrintPreviewWidget::paintRequested, [&imprimer](QPrinter* cible) {
            ImpressionQt impression(*cible);
            imprimer(impression);
        });
        apercu.updatePreview();
        pagesApercu = apercu.pageCount();
    }
    int pagesApercu = 0;
};
