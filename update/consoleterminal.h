#pragma once

#include <memory>

// The terminal behind standard error. Colour sequences need switching on in a
// Windows console; elsewhere terminals understand them as they are.
class ConsoleTerminal
{
public:
    virtual ~ConsoleTerminal() = default;
    // Called once, before the first line is written. Failure is harmless: the
    // lines are written with their colour sequences all the same.
    virtual void enableColours() = 0;

    static std::unique_ptr<ConsoleTerminal> createForPlatform();
};
