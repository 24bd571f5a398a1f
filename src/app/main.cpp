#include "FrmPrincipal.h"
#include "Programme.h"
#include "platform/PlateformeQt.h"
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zuta"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // The program ends through its own closing sequence (save question,
    // settings), never because a window happened to be the last one shown.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt's own buttons and dialogs speak French too.
    QTranslator traductionQt;
    if (traductionQt.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductionQt);

    PlateformeQt plateforme;
    Programme programme(plateforme);
    plateforme.setParent(programme.fen.get());
    programme.Main();
    return QApplication::exec();
}
