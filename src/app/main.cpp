#include "Lancement.h"
#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Lancement lancement;
    lancement.demarrer();
    return QApplication::exec();
}
