#pragma once

#include <QString>

#include <memory>

// Whether the program starts when the user logs in: an entry in the XDG autostart
// folder on Linux, a value under the Run key of the user's registry on Windows.
class Autostart
{
public:
    virtual ~Autostart() = default;
    virtual bool isEnabled() const = 0;
    // True when the state is the asked one afterwards.
    virtual bool setEnabled(bool enabled) = 0;

    // The platform's way, starting the given program; nullptr where there is none.
    static std::unique_ptr<Autostart> forProgram(const QString &programPath);
};
