#pragma once

#include "consoleterminal.h"

// Terminals that interpret ANSI colour sequences without being asked.
class AnsiConsoleTerminal : public ConsoleTerminal
{
public:
    void enableColours() override {}
};
