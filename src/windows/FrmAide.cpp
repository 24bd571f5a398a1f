#include "FrmAide.h"
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>

FrmAide::FrmAide(QWidget* principale) : QMainWindow(principale, Qt::Window)
{
    setObjectName(QStringLiteral("FrmAide"));
    setWindowTitle(QStringLiteral("Zuta! / Aide"));
    setAttribute(Qt::WA_DeleteOnClose);

    rien = menuBar()->addMenu(QStringLiteral("&Fichier"));
    rien->setObjectName(QStringLiteral("rien"));
    AideQuit = rien->addAction(QStringLiteral("&Quitter"));
    AideQuit->setObjectName(QStringLiteral("AideQuit"));
    // Escape and Ctrl+W close the help as its menu does.
    AideQuit->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)});
    AideQuit->setShortcutContext(Qt::WindowShortcut);
    connect(AideQuit, &QAction::triggered, this, &QWidget::close);

    // The manual is shown, never changed: the text can be selected and copied
    // but not edited.
    RichTextBox1 = new QTextBrowser;
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setOpenLinks(false);
    RichTextBox1->setAccessibleName(QStringLiteral("Aide de Zuta!"));
    // The central widget fills the inner area at every resize; a minimised
    // window is not laid out again, so the text area keeps its size.
    setCentralWidget(RichTextBox1);
    resize(720, 540);
}
