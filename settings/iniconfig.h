#pragma once

#include <QString>

// config.ini beside the executable: deployment settings in groups "APP" and "UPDATE".
class IniConfig
{
public:
    IniConfig();
    explicit IniConfig(const QString &path);

    // The stored text, or an empty string when the file, group or key is missing.
    QString value(const QString &group, const QString &key) const;
    // Creates the file when it is missing; false (the file as it was) when it cannot be
    // written.
    bool setValue(const QString &group, const QString &key, const QString &value) const;
    QString path() const { return m_path; }

private:
    QString m_path;
};
