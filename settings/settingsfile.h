#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class QSettings;

// Changes a settings file in QSettings' INI form and writes it through SafeFile, so that a
// full disk, a link at its name or a kill leave the old file whole. QSettings composes the
// new text in a private scratch folder; the text is read back and compared with what was
// meant before it replaces the file.
class SettingsFile
{
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)

public:
    explicit SettingsFile(const QString &path) : m_path(path) {}

    // Applies change to the settings as the file holds them and writes the result; false,
    // with the reason, when the file was left as it was.
    bool change(const std::function<void(QSettings &)> &change, QString *error = nullptr) const;

private:
    QString m_path;
};
