#pragma once

#include <QString>
#include <QVariant>

#include <functional>

class QSettings;

// The user settings store: the platform's native settings storage for
// organisation "tallowby", application "settings". Nothing is cached; every
// call opens the store afresh so that all users of it see the same data.
class SettingsStore
{
public:
    static constexpr const char *organisation = "tallowby";
    static constexpr const char *application = "settings";

    // The whole store as nested maps, after writing the missing defaults.
    QVariantMap allSettings() const;
    // True when the store reports no error after flushing.
    bool setValue(const QString &key, const QVariant &value) const;
    QVariant value(const QString &key, const QVariant &defaultValue = {}) const;
    bool remove(const QString &key) const;
    QString fileName() const;

private:
    // Where the store is a file (not the Windows registry), through SettingsFile.
    bool write(const std::function<void(QSettings &)> &change) const;
};
