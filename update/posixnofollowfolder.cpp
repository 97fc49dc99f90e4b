#include "posixnofollowfolder.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray encoded(const QString &name)
{
    return QFile::encodeName(name);
}

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

} // namespace

PosixNoFollowFolder::PosixNoFollowFolder(int descriptor, const QString &path)
    : m_descriptor(descriptor), m_path(path)
{
}

PosixNoFollowFolder::~PosixNoFollowFolder()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

std::unique_ptr<NoFollowFolder> PosixNoFollowFolder::openRoot(const QString &path, QString *error)
{
    const int descriptor = ::open(encoded(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        *error = QStringLiteral("cannot open %1: %2").arg(path, systemError(errno));
        return nullptr;
    }
    return std::make_unique<PosixNoFollowFolder>(descriptor, path);
}

std::unique_ptr<NoFollowFolder> PosixNoFollowFolder::duplicate() const
{
    const int descriptor = ::openat(m_descriptor, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return descriptor < 0 ? nullptr : std::make_unique<PosixNoFollowFolder>(descriptor, m_path);
}

NoFollowFolder::Entry PosixNoFollowFolder::entry(const QString &name) const
{
    struct stat status
    {
    };
    if (::fstatat(m_descriptor, encoded(name).constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return {errno == ENOENT ? Kind::Missing : Kind::Other, 0};
    if (S_ISREG(status.st_mode))
        return {Kind::File, qint64(status.st_size)};
    return {S_ISDIR(status.st_mode) ? Kind::Folder : Kind::Other, 0};
}

std::unique_ptr<NoFollowFolder> PosixNoFollowFolder::folder(const QString &name, bool create,
                                                            QString *error) const
{
    const QByteArray part = encoded(name);
    const int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int descriptor = ::openat(m_descriptor, part.constData(), flags);
    if (descriptor < 0 && errno == ENOENT && create) {
        if (::mkdirat(m_descriptor, part.constData(), 0755) != 0 && errno != EEXIST) {
            *error =
                QStringLiteral("cannot make folder %1: %2").arg(child(name), systemError(errno));
            return nullptr;
        }
        descriptor = ::openat(m_descriptor, part.constData(), flags);
    }
    if (descriptor >= 0)
        return std::make_unique<PosixNoFollowFolder>(descriptor, child(name));
    // A link or a file: O_NOFOLLOW and O_DIRECTORY refuse both alike.
    if (errno == ELOOP || errno == ENOTDIR)
        *error = entry(name).kind == Kind::File
                     ? QStringLiteral("%1 is not a folder").arg(child(name))
                     : QStringLiteral("%1 is a link").arg(child(name));
    else
        *error = QStringLiteral("cannot open %1: %2").arg(child(name), systemError(errno));
    return nullptr;
}

bool PosixNoFollowFolder::read(const QString &name, const Consumer &consume, QString *error) const
{
    // O_NONBLOCK: opening a FIFO planted here must not wait for a writer.
    const int descriptor = ::openat(m_descriptor, encoded(name).constData(),
                                    O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        *error = errno == ELOOP
                     ? QStringLiteral("%1 is a link").arg(child(name))
                     : QStringLiteral("cannot open %1: %2").arg(child(name), systemError(errno));
        return false;
    }
    struct stat status
    {
    };
    bool complete = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
    if (!complete)
        *error = QStringLiteral("%1 is not a regular file").arg(child(name));
    char buffer[64 * 1024];
    while (complete) {
        const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            *error = QStringLiteral("cannot read %1: %2").arg(child(name), systemError(errno));
        if (got <= 0) {
            complete = got == 0;
            break;
        }
        complete = consume(buffer, qint64(got));
    }
    ::close(descriptor);
    return complete;
}

bool PosixNoFollowFolder::move(const QString &name, const NoFollowFolder &to, const QString &toName,
                               QString *error) const
{
    // Only one implementation exists per build.
    const auto &target = static_cast<const PosixNoFollowFolder &>(to);
    if (::renameat(m_descriptor, encoded(name).constData(), target.m_descriptor,
                   encoded(toName).constData()) == 0)
        return true;
    *error = systemError(errno);
    return false;
}

bool PosixNoFollowFolder::remove(const QString &name) const
{
    const QByteArray part = encoded(name);
    if (::unlinkat(m_descriptor, part.constData(), 0) == 0 || errno == ENOENT)
        return true;
    return (errno == EISDIR || errno == EPERM) &&
           ::unlinkat(m_descriptor, part.constData(), AT_REMOVEDIR) == 0;
}

void PosixNoFollowFolder::sync() const
{
    ::fsync(m_descriptor);
}
