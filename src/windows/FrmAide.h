#pragma once
#include <QMainWindow>

class QAction;
class QMenu;
class QTextBrowser;

// The help window: the manual in a read-only rich-text box that fills the
// window, and the menu "&Fichier" with "&Quitter". It is released when it
// closes; the window routines load the manual into it.
class FrmAide : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmAide(QWidget* principale);

    QTextBrowser* RichTextBox1;
    QMenu* rien;       // the menu "&Fichier"
    QAction* AideQuit; // "&Quitter"
};
