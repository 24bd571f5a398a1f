#pragma once
#include <thread>

// The system's font configuration is read by the font database the first
// time a text is laid out, as the main window is built: some 8 ms of parsing
// on this kind of machine. Started on another core from the very first line,
// it runs while the application, its translations and its icon are set up,
// and is ready when the window needs it. Where fontconfig is not the font system
// (Windows), or not loaded, nothing is done.
class PolicesEnAvance {
public:
    PolicesEnAvance();
    ~PolicesEnAvance() { attendre(); }
    PolicesEnAvance(const PolicesEnAvance&) = delete;
    PolicesEnAvance& operator=(const PolicesEnAvance&) = delete;

    // Before the first text is laid out: the font database would otherwise
    // read the same configuration a second time, alongside.
    void attendre();

private:
    std::thread m_fil;
};
