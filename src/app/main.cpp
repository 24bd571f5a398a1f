#include "Lancement.h"
#include "Programme.h"
#include "platform/PlateformeQt.h"
#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const Lancement lancement;
    PlateformeQt plateforme;
    Programme programme(plateforme);
    plateforme.setParent(&programme.fenetre());
    QObject::connect(&programme, &Programme::termine, &application, &QCoreApplication::quit);
    programme.demarrer();
    return QApplication::exec();
}
