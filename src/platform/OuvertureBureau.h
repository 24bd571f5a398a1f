#pragma once
#include <QUrl>
#include <functional>

class QObject;

// The desktop's "open" for a file or an address. On Linux and the other Unix
// desktops it runs xdg-open, whose exit status is the only sign that no
// program could open the target; elsewhere Qt's desktop services answer.
namespace OuvertureBureau {

// siEchec is called when the opener cannot be started, or when it ends in
// failure within its first seconds (later, it has handed the target to a
// program, which may run as long as the user likes). The watch ends with
// `contexte`; the opener itself is never stopped.
void ouvrir(const QUrl& cible, QObject* contexte, std::function<void()> siEchec);

} // namespace OuvertureBureau
