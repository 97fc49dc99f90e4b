#pragma once

#include "autostart.h"

// A desktop entry in $XDG_CONFIG_HOME/autostart that the session starts at login.
class XdgAutostart : public Autostart
{
public:
    XdgAutostart(const QString &entryPath, const QString &programPath);

    bool isEnabled() const override;
    bool setEnabled(bool enabled) override;

    static QString defaultEntryPath();
    // The program as one argument of an Exec key, quoted when it needs to be.
    static QString execArgument(const QString &programPath);

private:
    QString m_entryPath;
    QString m_programPath;
};
