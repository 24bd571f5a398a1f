#pragma once
#include <QImage>
#include <QTranslator>
#include <future>
#include <vector>

// What main() prepares once the application exists, before the program
// starts: the program's name, the French locale and Qt's own French texts,
// the window icon, and an end that belongs to the program alone. The
// benchmark's start-up prepares the very same.
class Lancement {
public:
    Lancement();
    ~Lancement();
    Lancement(const Lancement&) = delete;
    Lancement& operator=(const Lancement&) = delete;

    // Every window has the program's icon, the chef's hat and spoon. Its four
    // images take some 3 ms to decode: that is done on another core while the
    // main window is built, and the icon is set here, before it is shown.
    void poserIcone();

private:
    QTranslator m_traductionQt;
    std::future<std::vector<QImage>> m_imagesIcone;
};
