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

bool replaceFile(const QString &from, const QString &to, QString *error)
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

} // namespace

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

bool AtomicFile::open()
{
    // Whatever an earlier, interrupted run left here is of no use.
    if (QFile::exists(m_temporary.fileName()))
        QFile::remove(m_temporary.fileName());
    if (!m_temporary.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        m_error = m_temporary.errorString();
        return false;
    }
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
    // A replaced program must stay executable.
    const QFileInfo target(m_targetPath);
    if (target.exists())
        m_temporary.setPermissions(target.permissions());
    if (!replaceFile(m_temporary.fileName(), m_targetPath, &m_error)) {
        discard();
        return false;
    }
    return true;
}

void AtomicFile::discard()
{
    if (m_temporary.isOpen())
        m_temporary.close();
    if (QFile::exists(m_temporary.fileName()))
        QFile::remove(m_temporary.fileName());
}
