#pragma once

#include "settingsstore.h"

#include <QDir>
#include <QString>
#include <QTest>

// The user settings store must live in the temporary configuration home that the
// test runner sets (XDG_CONFIG_HOME); a test run must never touch the real one.
inline bool storeIsIsolated()
{
    const QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (home.isEmpty() || !home.contains(QLatin1String("tests")))
        return false;
    return QDir::cleanPath(SettingsStore().fileName()).startsWith(QDir::cleanPath(home) + '/');
}

// Starts from an empty store.
inline void clearStore()
{
    QFile::remove(SettingsStore().fileName());
}
