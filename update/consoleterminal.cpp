#include "consoleterminal.h"

// Q_OS_WIN comes from here: without it every platform took the plain terminal.
#include <QtGlobal>

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
