#include "atomicfile.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <io.h>
#include <qt_windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#endif

namespace {

bool syncToDisk(QFile &file)
{
#ifdef Q_OS_WIN
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
#else
    return ::fsync(file.handle()) == 0;
#endif
}

} // namespace

bool AtomicFile::replace(const QString &from, const QString &to, QString *error)
{
#ifdef Q_OS_WIN
    const QString nativeFrom = QDir::toNativeSeparators(from);
    const QString nativeTo = QDir::toNativeSeparators(to);
    if (MoveFileExW(reinterpret_cast<const wchar_t *>(nativeFrom.utf16()),
                    reinterpret_cast<const wchar_t *>(nativeTo.utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    *error = QStringLiteral("MoveFileEx failed, error %1").arg(GetLastError());
    return false;
#else
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    *error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
#endif
}

AtomicFile::AtomicFile(const QString &targetPath)
    : m_targetPath(targetPath), m_temporary(temporaryPathFor(targetPath))
{
}

AtomicFile::~AtomicFile()
{
    discard();
}

QString AtomicFile::temporaryPathFor(const QString &targetPath)
{
    return targetPath + QLatin1String(temporarySuffix);
}

bool AtomicFile::removeEntry(const QString &path)
{
    // QFile::exists follows links and calls a dangling one missing; the entry
    // itself (file or link, never what a link points to) is what must go.
#ifdef Q_OS_WIN
    return !QFileInfo(path).isSymLink() && !QFile::exists(path) ? true : QFile::remove(path);
#else
    return ::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT;
#endif
}

bool AtomicFile::open()
{
    // Whatever an earlier, interrupted run left here is of no use, and a link
    // planted at this name must not lead the body elsewhere: the file is created
    // anew, and creation fails rather than follow a link that reappears.
    removeEntry(m_temporary.fileName());
    const QFile::Permissions permissions =
        m_executable ? QFile::Permissions(0x7755) : QFile::Permissions(0x6644);
    if (!m_temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered,
                          permissions)) {
        m_error = m_temporary.errorString();
        return false;
    }
    m_created = true;
    return true;
}

bool AtomicFile::write(const QByteArray &data)
{
    if (m_temporary.write(data) == data.size())
        return true;
    m_error = m_temporary.errorString();
    return false;
}

bool AtomicFile::commit()
{
    if (!m_temporary.isOpen()) {
        m_error = QStringLiteral("not open");
        return false;
    }
    if (!m_temporary.flush() || !syncToDisk(m_temporary)) {
        m_error = m_temporary.errorString();
        discard();
        return false;
    }
    m_temporary.close();
    // A replaced program must stay executable; a link's target says nothing here.
    const QFileInfo target(m_targetPath);
    if (target.exists() && !target.isSymLink() && target.isExecutable())
        m_temporary.setPermissions(m_temporary.permissions() | QFile::ExeOwner | QFile::ExeGroup |
                                   QFile::ExeOther);
    if (!replace(m_temporary.fileName(), m_targetPath, &m_error)) {
        discard();
        return false;
    }
    m_created = false;
    return true;
}

void AtomicFile::discard()
{
    if (m_temporary.isOpen())
        m_temporary.close();
    if (m_created)
        removeEntry(m_temporary.fileName());
    m_created = false;
}
