#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

class FileDownloader;

// The updater's build of the documents' settings-and-services element, known to
// its documents as SettingsClazz: the same store, config.ini and desktop services
// as the annotation program, with the operations the updater needs (directories,
// raw file data, downloads).
class UpdaterSettings : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(SettingsClazz)
    Q_PROPERTY(QVariant settingsValue READ settingsValue WRITE setSettingsValue NOTIFY
                   settingsChanged FINAL)

public:
    explicit UpdaterSettings(QObject *parent = nullptr);

    QVariant settingsValue() const { return m_settingsValue; }
    void setSettingsValue(const QVariant &value);

    Q_INVOKABLE QVariant getAllSettings();
    Q_INVOKABLE void addSetting(const QString &key, const QString &value);
    Q_INVOKABLE void captureScreen();
    Q_INVOKABLE QString selectSaveDirectory(const QString &currentPath = QString());
    Q_INVOKABLE bool createDirectories(const QString &path);
    Q_INVOKABLE bool saveFileData(const QString &filePath, const QByteArray &data);
    Q_INVOKABLE bool saveFile(const QByteArray &data, const QString &fileName);
    Q_INVOKABLE bool startExeAndExitApp(const QString &exeName);
    Q_INVOKABLE QVariant getIniValue(const QString &group, const QString &key);
    // sha256: the expected hex digest of the file, or empty when the manifest has none.
    Q_INVOKABLE FileDownloader *downloadFile(const QString &url, const QString &fileName,
                                             const QString &sha256 = QString());

signals:
    void settingsChanged();

private:
    QVariant m_settingsValue;
};
