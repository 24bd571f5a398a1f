#include "PolicesEnAvance.h"
#include <QtGlobal>
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <dlfcn.h>
#endif

PolicesEnAvance::PolicesEnAvance()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Qt's GUI library already loaded fontconfig: it is found, not loaded,
    // and this program needs no link to it. FcInit() reads the configuration
    // once for the whole process; a second call only finds it ready.
    void* fontconfig = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (fontconfig == nullptr)
        return;
    using Initialisation = int (*)();
    if (auto* fcInit = reinterpret_cast<Initialisation>(dlsym(fontconfig, "FcInit")))
        m_fil = std::thread([fcInit, fontconfig] {
            fcInit();
            dlclose(fontconfig);
        });
    else
        dlclose(fontconfig);
#endif
}

void PolicesEnAvance::attendre()
{
    if (m_fil.joinable())
        m_fil.join();
}
