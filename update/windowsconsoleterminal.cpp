#include "windowsconsoleterminal.h"

#include <qt_windows.h>

#ifndef ENABLE_VIRTUAL_TERMINAL_PROCESSING
#define ENABLE_VIRTUAL_TERMINAL_PROCESSING 0x0004
#endif

void WindowsConsoleTerminal::enableColours()
{
    const HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr)
        return;
    DWORD mode = 0;
    // A file or a pipe takes the bytes as they are.
    if (!GetConsoleMode(handle, &mode))
        return;
    SetConsoleMode(handle, mode | ENABLE_PROCESSED_OUTPUT | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
    // The lines are UTF-8: a console left at the system's code page (437, 936) would show
    // the Chinese messages as garbage.
    SetConsoleOutputCP(CP_UTF8);
}
