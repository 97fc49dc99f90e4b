#pragma once

#include "autostart.h"

// A value named after the program under
// HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run.
class WindowsAutostart : public Autostart
{
public:
    explicit WindowsAutostart(const QString &programPath);

    bool isEnabled() const override;
    bool setEnabled(bool enabled) override;

private:
    QString m_programPath;
};
