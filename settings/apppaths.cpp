#include "apppaths.h"

#include <QCoreApplication>
#include <QDir>

namespace AppPaths {

QString applicationDir()
{
    return QCoreApplication::applicationDirPath();
}

QString nativeApplicationDir()
{
    return QDir::toNativeSeparators(applicationDir());
}

QString configIniPath()
{
    return nativeApplicationDir() + QDir::separator() + QStringLiteral("config.ini");
}

QString translationsDir()
{
    return applicationDir() + QStringLiteral("/translations");
}

} // namespace AppPaths
