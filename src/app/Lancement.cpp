#include "Lancement.h"
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>

namespace {
std::vector<QImage> decoderIcone()
{
    std::vector<QImage> images;
    for (int cote : {48, 64, 128, 256})
        images.emplace_back(QStringLiteral(":/icones/zuta-%1.png").arg(cote));
    return images;
}
} // namespace

Lancement::Lancement() : m_imagesIcone(std::async(std::launch::async, decoderIcone))
{
    QApplication::setApplicationName(QStringLiteral("Zuta"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // The program ends through its own closing sequence (save question,
    // settings), never because a window happened to be the last one shown.
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's own buttons and dialogs speak French too.
    if (m_traductionQt.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&m_traductionQt);
}

// The decoding never outlives the application.
Lancement::~Lancement()
{
    if (m_imagesIcone.valid())
        m_imagesIcone.wait();
}

void Lancement::poserIcone()
{
    if (!m_imagesIcone.valid())
        return;
    QIcon icone;
    for (const QImage& image : m_imagesIcone.get())
        icone.addPixmap(QPixmap::fromImage(image));
    QApplication::setWindowIcon(icone);
}
