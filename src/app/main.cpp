#include "ExecutionSansFenetre.h"
#include "Lancement.h"
#include "Programme.h"
#include "platform/PlateformeQt.h"
#include "platform/PolicesEnAvance.h"
#include <QApplication>

int main(int argc, char* argv[])
{
    // Exporting and importing from the command line need no display.
    if (LigneDeCommande::sansFenetre(QStringList(argv + 1, argv + argc)))
        return ExecutionSansFenetre::principal(argc, argv);
    PolicesEnAvance polices;
    QApplication application(argc, argv);
    const Lancement lancement;
    polices.attendre();
    PlateformeQt plateforme;
    Programme programme(plateforme);
    plateforme.setParent(&programme.fenetre());
    QObject::connect(&programme, &Programme::termine, &application, &QCoreApplication::quit);
    // "Zuta CHEMIN.don": that base instead of the one the settings name.
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    programme.demarrer(arguments.value(0));
    return QApplication::exec();
}
