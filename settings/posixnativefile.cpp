#include "nativefile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

bool failed(QString *error)
{
    if (error)
        *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

} // namespace

NativeFile::~NativeFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool NativeFile::isOpen() const
{
    return m_fd >= 0;
}

bool NativeFile::createNew(const QString &path, QString *error)
{
    // O_EXCL fails on any entry at the name, links included; O_NOFOLLOW says so once more.
    m_fd = ::open(encoded(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                  0666);
    return m_fd >= 0 || failed(error);
}

NativeFile::Opened NativeFile::openRegular(const QString &path, QString *error)
{
    // O_NONBLOCK: opening a FIFO with no writer would wait for one for ever.
    m_fd = ::open(encoded(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return errno == EISDIR ? Opened::Folder : (failed(error), Opened::Failed);
    struct stat info;
    Opened result = Opened::Yes;
    if (::fstat(m_fd, &info) != 0)
        result = (failed(error), Opened::Failed);
    else if (S_ISDIR(info.st_mode))
        result = Opened::Folder;
    else if (!S_ISREG(info.st_mode))
        result = Opened::NotRegular;
    if (result != Opened::Yes) {
        ::close(m_fd);
        m_fd = -1;
        return result;
    }
    // Reads of a regular file never wait anyway; blocking mode keeps them plain.
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
    return Opened::Yes;
}

qint64 NativeFile::size() const
{
    struct stat info;
    return m_fd >= 0 && ::fstat(m_fd, &info) == 0 ? qint64(info.st_size) : -1;
}

bool NativeFile::writeAll(const char *data, qint64 length, QString *error)
{
    while (length > 0) {
        const ssize_t n = ::write(m_fd, data, size_t(std::min<qint64>(length, 1 << 30)));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return failed(error);
        }
        if (n == 0) { // no progress and no reason: report it rather than spin
            errno = EIO;
            return failed(error);
        }
        data += n;
        length -= n;
    }
    return true;
}

qint64 NativeFile::read(char *buffer, qint64 length, QString *error)
{
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, size_t(length));
        if (n >= 0)
            return n;
        if (errno != EINTR) {
            failed(error);
            return -1;
        }
    }
}

bool NativeFile::sync(QString *error)
{
    return ::fsync(m_fd) == 0 || failed(error);
}

bool NativeFile::close(QString *error)
{
    if (m_fd < 0)
        return true;
    const int fd = m_fd;
    m_fd = -1;
    // After close() the descriptor is gone whatever it returned; EINTR is no failure.
    return ::close(fd) == 0 || errno == EINTR || failed(error);
}

void NativeFile::copyPermissionsFrom(const QString &path)
{
    struct stat info;
    if (m_fd >= 0 && ::lstat(encoded(path).constData(), &info) == 0 && S_ISREG(info.st_mode))
        ::fchmod(m_fd, info.st_mode & 07777);
}

NativeFile::Entry NativeFile::entry(const QString &path)
{
    struct stat info;
    if (::lstat(encoded(path).constData(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? Entry::Missing : Entry::Other;
    if (S_ISLNK(info.st_mode))
        return Entry::Link;
    return S_ISREG(info.st_mode) ? Entry::Regular : Entry::Other;
}

bool NativeFile::rename(const QString &from, const QString &to, bool replace, QString *error)
{
    const QByteArray source = encoded(from);
    const QByteArray target = encoded(to);
    if (replace)
        return ::rename(source.constData(), target.constData()) == 0 || failed(error);
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return failed(error);
#endif
    // File systems without that flag: a hard link fails on a taken name as well.
    if (::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return true;
    }
    if (errno == EEXIST)
        return failed(error);
    // Nor hard links (FAT): look, then rename, which leaves a moment for a race.
    if (entry(to) != Entry::Missing) {
        errno = EEXIST;
        return failed(error);
    }
    return ::rename(source.constData(), target.constData()) == 0 || failed(error);
}

bool NativeFile::remove(const QString &path)
{
    return ::unlink(encoded(path).constData()) == 0 || errno == ENOENT;
}

void NativeFile::syncFolder(const QString &folder)
{
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
