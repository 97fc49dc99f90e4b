#include "updatersettings.h"

#include "apppaths.h"
#include "containedpath.h"
#include "desktopservices.h"
#include "filedownloader.h"
#include "filenamepolicy.h"
#include "iniconfig.h"
#include "settingsstore.h"
#include "updatelimits.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QQmlEngine>
#include <QRegularExpression>

namespace {

// Guards against a folder inside the application directory that is a link to
// somewhere else: the nearest existing folder of the target must resolve to a
// place inside the application directory.
bool staysInsideApplicationDir(const QString &targetPath)
{
    const QString root = QFileInfo(AppPaths::applicationDir()).canonicalFilePath();
    QFileInfo folder(QFileInfo(targetPath).absolutePath());
    while (!folder.exists()) {
        const QString parent = folder.absolutePath();
        if (parent == folder.absoluteFilePath())
            return false;
        folder = QFileInfo(parent);
    }
    const QString resolved = folder.canonicalFilePath();
    return resolved == root || resolved.startsWith(root + QLatin1Char('/'));
}

} // namespace

UpdaterSettings::UpdaterSettings(QObject *parent) : QObject(parent)
{
    qDebug() << "setting cpp";
}

void UpdaterSettings::setSettingsValue(const QVariant &value)
{
    if (m_settingsValue == value)
        return;
    m_settingsValue = value;
    emit settingsChanged();
}

QVariant UpdaterSettings::getAllSettings()
{
    return SettingsStore().allSettings();
}

void UpdaterSettings::addSetting(const QString &key, const QString &value)
{
    if (key.isEmpty()) {
        qWarning() << "无法添加设置：键为空";
        return;
    }
    const SettingsStore store;
    qDebug() << "保存设置前，键:" << key
             << "旧值:" << store.value(key, QStringLiteral("未设置")).toString();
    store.setValue(key, value);
    const QString stored = store.value(key).toString();
    qDebug() << "保存设置后，键:" << key << "新值:" << stored;
    if (stored != value)
        qWarning() << "设置值不匹配，可能未成功保存";
}

void UpdaterSettings::captureScreen()
{
    DesktopServices::captureScreen();
}

QString UpdaterSettings::selectSaveDirectory(const QString &currentPath)
{
    const QString folder = DesktopServices::chooseDirectory(currentPath);
    if (!folder.isEmpty()) {
        addSetting(QStringLiteral("screenSavePath"), folder);
        qDebug() << "已选择并保存目录路径:" << folder;
    }
    return folder;
}

bool UpdaterSettings::createDirectories(const QString &path)
{
    if (QDir(path).exists())
        return true;
    if (QDir().mkpath(path))
        return true;
    qWarning() << "Failed to create directory:" << path;
    return false;
}

bool UpdaterSettings::saveFileData(const QString &filePath, const QByteArray &data)
{
    return DesktopServices::writeFileData(filePath, data, DesktopServices::PlainData::AsIs);
}

bool UpdaterSettings::saveFile(const QByteArray &data, const QString &fileName)
{
    const QString path = AppPaths::nativeApplicationDir() + QDir::separator() + fileName;
    qDebug() << "Saving file to:" << path;
    if (!FileNamePolicy::isAcceptable(QDir::fromNativeSeparators(fileName)) ||
        !staysInsideApplicationDir(path)) {
        qWarning() << "Refusing to write outside the application directory:" << path;
        return false;
    }
    return saveFileData(path, data);
}

bool UpdaterSettings::startExeAndExitApp(const QString &exeName)
{
    return DesktopServices::startExeAndExitApp(exeName);
}

QVariant UpdaterSettings::getIniValue(const QString &group, const QString &key)
{
    return IniConfig().value(group, key);
}

FileDownloader *UpdaterSettings::downloadFile(const QString &url, const QString &fileName,
                                              const QString &sha256)
{
    const QString path = AppPaths::nativeApplicationDir() + QDir::separator() + fileName;
    auto *downloader = new FileDownloader(this);
    // The document only listens; the downloader goes away once it has reported.
    QQmlEngine::setObjectOwnership(downloader, QQmlEngine::CppOwnership);
    connect(downloader, &FileDownloader::downloadFinished, downloader, &QObject::deleteLater);

    QString refusal = FileNamePolicy::refusal(fileName);
    static const QRegularExpression hexDigest(QStringLiteral("^[0-9a-fA-F]{64}$"));
    if (refusal.isEmpty() && !sha256.isEmpty() && !hexDigest.match(sha256).hasMatch())
        refusal = QStringLiteral("invalid SHA-256 digest \"%1\"").arg(sha256);
    if (refusal.isEmpty() && !staysInsideApplicationDir(path))
        refusal = QStringLiteral("leads outside the application directory");
    if (refusal.isEmpty())
        refusal = ContainedPath::refusal(AppPaths::applicationDir(), fileName);
    if (!refusal.isEmpty()) {
        qWarning() << "拒绝不安全的文件名:" << fileName << refusal;
        downloader->refuse(refusal);
        return downloader;
    }

    if (!sha256.isEmpty())
        downloader->setExpectedSha256(sha256.toLatin1());
    downloader->setMaximumSize(UpdateLimits::maximumFileBytes(IniConfig()));
    downloader->startDownload(url, path);
    return downloader;
}
