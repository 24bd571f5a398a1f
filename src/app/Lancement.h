#pragma once
#include "Programme.h"
#include "platform/PlateformeQt.h"
#include <QTranslator>
#include <memory>

// What main() does once the application exists: the program's name, the
// French locale and Qt's own French texts, then the program on the real
// desktop and its start-up. The benchmark's start-up runs the very same.
class Lancement {
public:
    Lancement();
    // Builds the program and runs its start-up; the main window is shown.
    Programme& demarrer();

private:
    QTranslator m_traductionQt;
    PlateformeQt m_plateforme;
    std::unique_ptr<Programme> m_programme;
};
