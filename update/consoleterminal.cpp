#include "consoleterminal.h"

#ifdef Q_OS_WIN
#include "windowsconsoleterminal.h"
#else
#include "ansiconsoleterminal.h"
#endif

std::unique_ptr<ConsoleTerminal> ConsoleTerminal::createForPlatform()
{
#ifdef Q_OS_WIN
    return std::make_unique<WindowsConsoleTerminal>();
#else
    return std::make_unique<AnsiConsoleTerminal>();
#endif
}
