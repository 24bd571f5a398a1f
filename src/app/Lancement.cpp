#include "Lancement.h"
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>

Lancement::Lancement()
{
    QApplication::setApplicationName(QStringLiteral("Zuta"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // The program ends through its own closing sequence (save question,
    // settings), never because a window happened to be the last one shown.
    QApplication::setQuitOnLastWindowClosed(false);
    // Every window has the program's icon, the chef's hat and spoon.
    QIcon icone;
    for (int cote : {48, 64, 128, 256})
        icone.addFile(QStringLiteral(":/icones/zuta-%1.png").arg(cote), QSize(cote, cote));
    QApplication::setWindowIcon(icone);
    // Qt's own buttons and dialogs speak French too.
    if (m_traductionQt.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&m_traductionQt);
}
