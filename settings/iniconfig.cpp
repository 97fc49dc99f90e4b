#include "iniconfig.h"

#include "apppaths.h"
#include "settingsfile.h"

#include <QSettings>

IniConfig::IniConfig() : m_path(AppPaths::configIniPath()) {}

IniConfig::IniConfig(const QString &path) : m_path(path) {}

QString IniConfig::value(const QString &group, const QString &key) const
{
    QSettings ini(m_path, QSettings::IniFormat);
    ini.beginGroup(group);
    const QVariant value = ini.value(key, QString());
    ini.endGroup();
    return value.toString();
}

bool IniConfig::setValue(const QString &group, const QString &key, const QString &value) const
{
    return SettingsFile(m_path).change([&](QSettings &ini) {
        ini.beginGroup(group);
        ini.setValue(key, value);
        ini.endGroup();
    });
}
