#include "instanceaddress.h"

#include <QDebug>
#include <QDir>
#include <QFile>

#ifndef Q_OS_WIN
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace InstanceAddress {

#ifdef Q_OS_WIN

QString forName(const QString &name)
{
    // Pipe names are shared by every session of the machine.
    const QString user = qEnvironmentVariable("USERNAME");
    return user.isEmpty() ? name : name + QLatin1Char('-') + user;
}

#else

namespace {

// A folder only this user can enter: a socket in it cannot be taken, replaced or
// reached by anyone else.
bool isPrivateFolder(const QString &path)
{
    struct stat info
    {
    };
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

} // namespace

QString forName(const QString &name)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isPrivateFolder(runtime))
        return runtime + QLatin1Char('/') + name;

    const QString folder =
        QDir::tempPath() + QLatin1Char('/') + name + QLatin1Char('-') + QString::number(::getuid());
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST) {
        qWarning() << "Cannot create the single-instance folder" << folder << ":"
                   << qt_error_string(errno);
        return {};
    }
    if (!isPrivateFolder(folder)) {
        // Someone else made it first, or it is open to others: never trust it.
        qWarning() << "The single-instance folder" << folder
                   << "belongs to another user or is open to others";
        return {};
    }
    return folder + QLatin1Char('/') + name;
}

#endif

} // namespace InstanceAddress
