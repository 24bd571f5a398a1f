#pragma once
#include <QTranslator>

// What main() prepares once the application exists, before the program
// starts: the program's name, the French locale and Qt's own French texts,
// the window icon, and an end that belongs to the program alone. The
// benchmark's start-up prepares the very same.
class Lancement {
public:
    Lancement();

private:
    QTranslator m_traductionQt;
};
