#include "apppaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace AppPaths {

namespace {

// The folder name under the user's config, data and pictures folders; the
// identity names ("tallowby", "painter") are kept for the settings store only.
constexpr char userFolder[] = "quillmark";

QString userLocation(QStandardPaths::StandardLocation location, const QString &folder)
{
    return QDir::cleanPath(QStandardPaths::writableLocation(location) + QLatin1Char('/') + folder);
}

} // namespace

bool isSystemLayout()
{
#ifdef QUILLMARK_SYSTEM_LAYOUT
    return true;
#else
    return false;
#endif
}

QString applicationDir()
{
    return QCoreApplication::applicationDirPath();
}

QString nativeApplicationDir()
{
    return QDir::toNativeSeparators(applicationDir());
}

QString dataDir()
{
    if (!isSystemLayout())
        return applicationDir();
    // Installed: <prefix>/bin/quillmark reads <prefix>/share/quillmark. A build tree
    // keeps the data beside the program, as the portable layout does.
    const QString installed = QDir::cleanPath(applicationDir() + QStringLiteral("/../share/") +
                                              QLatin1String(userFolder));
    return QDir(installed).exists() ? installed : applicationDir();
}

QString configIniPath()
{
    if (!isSystemLayout())
        return nativeApplicationDir() + QDir::separator() + QStringLiteral("config.ini");
    return QDir::toNativeSeparators(
        userLocation(QStandardPaths::GenericConfigLocation, QLatin1String(userFolder)) +
        QStringLiteral("/config.ini"));
}

QString translationsDir()
{
    return dataDir() + QStringLiteral("/translations");
}

QString picturesDir()
{
    if (!isSystemLayout())
        return nativeApplicationDir();
    return QDir::toNativeSeparators(
        userLocation(QStandardPaths::PicturesLocation, QStringLiteral("Quillmark")));
}

QString userFilesDir()
{
    if (!isSystemLayout())
        return nativeApplicationDir();
    return QDir::toNativeSeparators(
        userLocation(QStandardPaths::GenericDataLocation, QLatin1String(userFolder)));
}

} // namespace AppPaths
