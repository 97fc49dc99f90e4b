#include "autostart.h"

#if defined(Q_OS_WIN)
#include "windowsautostart.h"
#else
#include "xdgautostart.h"
#endif

std::unique_ptr<Autostart> Autostart::forProgram(const QString &programPath)
{
#if defined(Q_OS_WIN)
    return std::make_unique<WindowsAutostart>(programPath);
#elif defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return std::make_unique<XdgAutostart>(XdgAutostart::defaultEntryPath(), programPath);
#else
    Q_UNUSED(programPath);
    return nullptr;
#endif
}
