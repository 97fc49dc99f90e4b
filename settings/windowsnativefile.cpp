#include "nativefile.h"

#include <QDir>

#include <qt_windows.h>

#include <algorithm>

namespace {

std::wstring native(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

bool failed(QString *error)
{
    if (error)
        *error = qt_error_string(int(GetLastError()));
    return false;
}

HANDLE handleOf(void *handle)
{
    return static_cast<HANDLE>(handle);
}

} // namespace

NativeFile::~NativeFile()
{
    if (isOpen())
        CloseHandle(handleOf(m_handle));
}

bool NativeFile::isOpen() const
{
    return handleOf(m_handle) != INVALID_HANDLE_VALUE;
}

bool NativeFile::createNew(const QString &path, QString *error)
{
    // CREATE_NEW fails on any entry at the name; with FILE_FLAG_OPEN_REPARSE_POINT it
    // looks at a link itself instead of creating what the link points to.
    m_handle = CreateFileW(native(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    return isOpen() || failed(error);
}

NativeFile::Opened NativeFile::openRegular(const QString &path, QString *error)
{
    // Backup semantics let a folder open too, so that it is named as such.
    m_handle = CreateFileW(native(path).c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (!isOpen())
        return (failed(error), Opened::Failed);
    BY_HANDLE_FILE_INFORMATION info;
    Opened result = Opened::Yes;
    if (!GetFileInformationByHandle(handleOf(m_handle), &info))
        result = (failed(error), Opened::Failed);
    else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        result = Opened::Folder;
    else if (GetFileType(handleOf(m_handle)) != FILE_TYPE_DISK) // pipes, consoles, devices
        result = Opened::NotRegular;
    if (result != Opened::Yes) {
        CloseHandle(handleOf(m_handle));
        m_handle = INVALID_HANDLE_VALUE;
    }
    return result;
}

qint64 NativeFile::size() const
{
    LARGE_INTEGER size;
    return isOpen() && GetFileSizeEx(handleOf(m_handle), &size) ? qint64(size.QuadPart) : -1;
}

bool NativeFile::writeAll(const char *data, qint64 length, QString *error)
{
    while (length > 0) {
        const DWORD chunk = DWORD(std::min<qint64>(length, 1 << 30));
        DWORD written = 0;
        if (!WriteFile(handleOf(m_handle), data, chunk, &written, nullptr))
            return failed(error);
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return failed(error);
        }
        data += written;
        length -= written;
    }
    return true;
}

qint64 NativeFile::read(char *buffer, qint64 length, QString *error)
{
    DWORD got = 0;
    if (!ReadFile(handleOf(m_handle), buffer, DWORD(std::min<qint64>(length, 1 << 30)), &got,
                  nullptr)) {
        failed(error);
        return -1;
    }
    return qint64(got);
}

bool NativeFile::sync(QString *error)
{
    return FlushFileBuffers(handleOf(m_handle)) || failed(error);
}

bool NativeFile::close(QString *error)
{
    if (!isOpen())
        return true;
    const HANDLE handle = handleOf(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
    return CloseHandle(handle) || failed(error);
}

void NativeFile::copyPermissionsFrom(const QString &)
{
    // A new file takes the folder's inherited access rules, as the one it replaces did.
}

NativeFile::Entry NativeFile::entry(const QString &path)
{
    const DWORD attributes = GetFileAttributesW(native(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Entry::Missing
                                                                              : Entry::Other;
    }
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return Entry::Link;
    return attributes & FILE_ATTRIBUTE_DIRECTORY ? Entry::Other : Entry::Regular;
}

bool NativeFile::rename(const QString &from, const QString &to, bool replace, QString *error)
{
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    return MoveFileExW(native(from).c_str(), native(to).c_str(), flags) || failed(error);
}

bool NativeFile::remove(const QString &path)
{
    return DeleteFileW(native(path).c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

void NativeFile::syncFolder(const QString &)
{
    // MOVEFILE_WRITE_THROUGH has already put the rename on the disk.
}
