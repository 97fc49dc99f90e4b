#include "settingsclazz.h"

#include "apppaths.h"
#include "autostart.h"
#include "desktopservices.h"
#include "iniconfig.h"
#include "languagecatalog.h"
#include "screengrabber.h"
#include "settingsstore.h"
#include "systeminfo.h"
#include "translationloader.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

SettingsClazz::SettingsClazz(QObject *parent) : QObject(parent)
{
    qDebug() << "setting cpp";
}

void SettingsClazz::setSettingsValue(const QVariant &value)
{
    if (m_settingsValue == value)
        return;
    m_settingsValue = value;
    emit settingsChanged();
}

QVariant SettingsClazz::getAllSettings()
{
    return SettingsStore().allSettings();
}

bool SettingsClazz::addSetting(const QString &key, const QVariant &value)
{
    const bool stored = SettingsStore().setValue(key, value);
    emit settingsChanged();
    return stored;
}

QString SettingsClazz::getSettingByKey(const QString &key)
{
    return SettingsStore().value(key).toString();
}

bool SettingsClazz::removeSetting(const QString &key)
{
    const bool removed = SettingsStore().remove(key);
    emit settingsChanged();
    return removed;
}

void SettingsClazz::captureScreen(const QString &screenName)
{
    QString error;
    if (!ScreenGrabber::usesPortal()) {
        const QString path = DesktopServices::captureScreen(&error, screenName);
        if (path.isEmpty())
            emit captureFailed(error);
        else
            emit screenCaptured(path);
        return;
    }
    // The portal answers later; nothing is written unless it gave a picture.
    QScreen *screen = QGuiApplication::primaryScreen();
    for (QScreen *candidate : QGuiApplication::screens()) {
        if (candidate->name() == screenName)
            screen = candidate;
    }
    ScreenGrabber::grab(
        screen, this, [this, screenName](const QImage &picture, const QString &grabError) {
            if (picture.isNull()) {
                qWarning() << "截图失败：" << grabError;
                emit captureFailed(grabError);
                return;
            }
            QString saveError;
            const QString path = DesktopServices::captureScreen(&saveError, screenName, &picture);
            if (path.isEmpty())
                emit captureFailed(saveError);
            else
                emit screenCaptured(path);
        });
}

QString SettingsClazz::selectSaveDirectory(const QString &currentPath)
{
    const QString folder = DesktopServices::chooseDirectory(currentPath);
    if (!folder.isEmpty()) {
        addSetting(QStringLiteral("screenSavePath"), folder);
        qDebug() << "已选择并保存目录路径:" << folder;
    }
    return folder;
}

QUrl SettingsClazz::chooseDrawingFile(bool save)
{
    return DesktopServices::chooseDrawingFile(save);
}

bool SettingsClazz::restartApplication()
{
    return DesktopServices::restartApplication();
}

QVariant SettingsClazz::getIniValue(const QString &group, const QString &key)
{
    return IniConfig().value(group, key);
}

void SettingsClazz::setIniValue(const QString &group, const QString &key, const QString &value)
{
    IniConfig().setValue(group, key, value);
}

bool SettingsClazz::saveFile(const QByteArray &data, const QString &fileName)
{
    return DesktopServices::saveFile(data, fileName);
}

bool SettingsClazz::startExeAndExitApp(const QString &exeName)
{
    return DesktopServices::startExeAndExitApp(exeName);
}

void SettingsClazz::copyToClipboard(const QString &text)
{
    DesktopServices::copyToClipboard(text);
}

bool SettingsClazz::copyImageToClipboard(const QString &path)
{
    return DesktopServices::copyImageToClipboard(path);
}

QUrl SettingsClazz::chooseImageFile(const QString &title, const QString &suggestedName)
{
    const QString path = DesktopServices::chooseImageFile(title, suggestedName);
    return path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path);
}

bool SettingsClazz::setLanguage(const QString &language)
{
    if (!addSetting(QStringLiteral("appLanguage"), language))
        return false;
    if (!installLanguage(language))
        return false;
    emit settingsChanged();
    return true;
}

QString SettingsClazz::getCurrentLanguage()
{
    return SettingsStore().value(QStringLiteral("appLanguage"), QStringLiteral("zh_CN")).toString();
}

QString SettingsClazz::getCurrentLanguageName()
{
    return LanguageCatalog::languageName(getCurrentLanguage());
}

QString SettingsClazz::getTranslation(const QString &text)
{
    return QCoreApplication::translate("main", text.toUtf8().constData());
}

QVariantList SettingsClazz::getAvailableLanguages()
{
    return LanguageCatalog::availableLanguages();
}

bool SettingsClazz::reloadTranslations()
{
    return installLanguage(getCurrentLanguage());
}

QString SettingsClazz::getSysInfo()
{
    return SystemInfo::describe();
}

QString SettingsClazz::applicationFileUrl(const QString &fileName) const
{
    // Plain names only: nothing outside the application directory is handed out.
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('/')) ||
        fileName.contains(QLatin1Char('\\')) || fileName == QLatin1String("..") ||
        fileName == QLatin1String("."))
        return {};
    const QFileInfo file(QDir(AppPaths::dataDir()), fileName);
    if (!file.isFile())
        return {};
    return QUrl::fromLocalFile(file.absoluteFilePath()).toString();
}

bool SettingsClazz::hasUpdater() const
{
    return !AppPaths::isSystemLayout();
}

bool SettingsClazz::startsAtLogin() const
{
    const auto autostart = Autostart::forProgram(QCoreApplication::applicationFilePath());
    return autostart && autostart->isEnabled();
}

bool SettingsClazz::setStartAtLogin(bool enabled)
{
    const auto autostart = Autostart::forProgram(QCoreApplication::applicationFilePath());
    if (!autostart || !autostart->setEnabled(enabled)) {
        qWarning() << "Start at login unchanged, asked for:" << enabled;
        return false;
    }
    qDebug() << "Start at login:" << enabled;
    return true;
}

bool SettingsClazz::installLanguage(const QString &language)
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app)
        return false;
    loadTranslation(app, language);
    return true;
}
