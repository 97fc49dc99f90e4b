#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QVariant>

// The documents' way to everything that persists or lies outside the scene: the
// user settings store, config.ini, the desktop services and the languages.
// Instances keep nothing in memory, so every instance sees the same data.
class SettingsClazz : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariant settingsValue READ settingsValue WRITE setSettingsValue NOTIFY
                   settingsChanged FINAL)

public:
    explicit SettingsClazz(QObject *parent = nullptr);

    QVariant settingsValue() const { return m_settingsValue; }
    void setSettingsValue(const QVariant &value);

    Q_INVOKABLE QVariant getAllSettings();
    Q_INVOKABLE bool addSetting(const QString &key, const QVariant &value);
    Q_INVOKABLE QString getSettingByKey(const QString &key);
    Q_INVOKABLE bool removeSetting(const QString &key);
    // Announces the outcome through screenCaptured or captureFailed.
    // screenName: the screen to capture, the primary one when empty.
    Q_INVOKABLE void captureScreen(const QString &screenName = QString());
    Q_INVOKABLE QString selectSaveDirectory(const QString &currentPath = QString());
    // A file dialog for a drawing (".qmark"): where to save it, or which to open; an
    // empty URL when cancelled.
    Q_INVOKABLE QUrl chooseDrawingFile(bool save);
    Q_INVOKABLE bool restartApplication();
    Q_INVOKABLE QVariant getIniValue(const QString &group, const QString &key);
    Q_INVOKABLE void setIniValue(const QString &group, const QString &key, const QString &value);
    Q_INVOKABLE bool saveFile(const QByteArray &data, const QString &fileName);
    Q_INVOKABLE bool startExeAndExitApp(const QString &exeName);
    Q_INVOKABLE void copyToClipboard(const QString &text);
    Q_INVOKABLE bool copyImageToClipboard(const QString &path);
    // Asks where to save a picture (starting in the user's pictures folder): the file URL
    // chosen, empty when cancelled.
    Q_INVOKABLE QUrl chooseImageFile(const QString &title, const QString &suggestedName);
    Q_INVOKABLE bool setLanguage(const QString &language);
    Q_INVOKABLE QString getCurrentLanguage();
    Q_INVOKABLE QString getCurrentLanguageName();
    Q_INVOKABLE QString getTranslation(const QString &text);
    Q_INVOKABLE QVariantList getAvailableLanguages();
    Q_INVOKABLE bool reloadTranslations();
    Q_INVOKABLE QString getSysInfo();
    // file: URL of a read-only data file such as the help page, empty when there is none.
    Q_INVOKABLE QString applicationFileUrl(const QString &fileName) const;
    // False in the system layout, where the package manager updates the program.
    Q_INVOKABLE bool hasUpdater() const;
    Q_INVOKABLE bool startsAtLogin() const;
    // Whether the program starts at login afterwards as asked.
    Q_INVOKABLE bool setStartAtLogin(bool enabled);

signals:
    void settingsChanged();
    void screenCaptured(const QString &path);
    void captureFailed(const QString &reason);

private:
    bool installLanguage(const QString &language);

    QVariant m_settingsValue;
};
