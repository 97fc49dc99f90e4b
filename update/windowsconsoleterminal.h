#pragma once

#include "consoleterminal.h"

// A Windows console: colour sequences work once virtual terminal processing is on.
class WindowsConsoleTerminal : public ConsoleTerminal
{
public:
    void enableColours() override;
};
