#include "windowsnofollowfolder.h"

#include <QDir>

#include <qt_windows.h>

namespace {

std::wstring native(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

QString systemError(DWORD code)
{
    if (code == ERROR_SHARING_VIOLATION)
        return QStringLiteral("Windows error %1: another program has the file open").arg(code);
    return QStringLiteral("Windows error %1").arg(code);
}

// The folder itself, never what a reparse point leads to; held so that it cannot
// be renamed or deleted meanwhile.
HANDLE openFolderHandle(const QString &path, DWORD reparseFlag)
{
    return CreateFileW(native(path).c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | reparseFlag, nullptr);
}

bool isPlainFolder(HANDLE handle)
{
    BY_HANDLE_FILE_INFORMATION information{};
    return GetFileInformationByHandle(handle, &information) &&
           (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

} // namespace

WindowsNoFollowFolder::WindowsNoFollowFolder(const QList<void *> &handles, const QString &path)
    : m_handles(handles), m_path(path)
{
}

WindowsNoFollowFolder::~WindowsNoFollowFolder()
{
    for (void *handle : m_handles)
        CloseHandle(handle);
}

std::unique_ptr<NoFollowFolder> WindowsNoFollowFolder::openRoot(const QString &path, QString *error)
{
    // The application directory is taken as it is, wherever a link leads to it.
    HANDLE handle = openFolderHandle(path, 0);
    if (handle == INVALID_HANDLE_VALUE) {
        *error = QStringLiteral("cannot open %1: %2").arg(path, systemError(GetLastError()));
        return nullptr;
    }
    return std::make_unique<WindowsNoFollowFolder>(QList<void *>{handle}, path);
}

QList<void *> WindowsNoFollowFolder::duplicatedHandles() const
{
    QList<void *> copies;
    for (void *handle : m_handles) {
        HANDLE copy = nullptr;
        if (DuplicateHandle(GetCurrentProcess(), handle, GetCurrentProcess(), &copy, 0, FALSE,
                            DUPLICATE_SAME_ACCESS))
            copies.append(copy);
    }
    return copies;
}

std::unique_ptr<NoFollowFolder> WindowsNoFollowFolder::duplicate() const
{
    return std::make_unique<WindowsNoFollowFolder>(duplicatedHandles(), m_path);
}

NoFollowFolder::Entry WindowsNoFollowFolder::entry(const QString &name) const
{
    // The attributes of the entry itself: a link or junction shows its reparse point.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(native(child(name)).c_str(), GetFileExInfoStandard, &data)) {
        const DWORD code = GetLastError();
        const bool missing = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
        return {missing ? Kind::Missing : Kind::Other, 0};
    }
    if (data.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE))
        return {Kind::Other, 0};
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return {Kind::Folder, 0};
    return {Kind::File, qint64((quint64(data.nFileSizeHigh) << 32) | data.nFileSizeLow)};
}

std::unique_ptr<NoFollowFolder> WindowsNoFollowFolder::folder(const QString &name, bool create,
                                                              QString *error) const
{
    const QString path = child(name);
    HANDLE handle = openFolderHandle(path, FILE_FLAG_OPEN_REPARSE_POINT);
    if (handle == INVALID_HANDLE_VALUE && create &&
        (GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND)) {
        if (!CreateDirectoryW(native(path).c_str(), nullptr) &&
            GetLastError() != ERROR_ALREADY_EXISTS) {
            *error =
                QStringLiteral("cannot make folder %1: %2").arg(path, systemError(GetLastError()));
            return nullptr;
        }
        handle = openFolderHandle(path, FILE_FLAG_OPEN_REPARSE_POINT);
    }
    if (handle == INVALID_HANDLE_VALUE) {
        *error = QStringLiteral("cannot open %1: %2").arg(path, systemError(GetLastError()));
        return nullptr;
    }
    if (!isPlainFolder(handle)) {
        CloseHandle(handle);
        *error = entry(name).kind == Kind::File ? QStringLiteral("%1 is not a folder").arg(path)
                                                : QStringLiteral("%1 is a link").arg(path);
        return nullptr;
    }
    QList<void *> handles = duplicatedHandles();
    handles.append(handle);
    return std::make_unique<WindowsNoFollowFolder>(handles, path);
}

bool WindowsNoFollowFolder::read(const QString &name, const Consumer &consume, QString *error) const
{
    HANDLE file = CreateFileW(native(child(name)).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        *error = QStringLiteral("cannot open %1: %2").arg(child(name), systemError(GetLastError()));
        return false;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    bool complete =
        GetFileInformationByHandle(file, &information) && GetFileType(file) == FILE_TYPE_DISK &&
        !(information.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
    if (!complete)
        *error = QStringLiteral("%1 is not a regular file").arg(child(name));
    char buffer[64 * 1024];
    while (complete) {
        DWORD got = 0;
        if (!ReadFile(file, buffer, DWORD(sizeof buffer), &got, nullptr)) {
            *error =
                QStringLiteral("cannot read %1: %2").arg(child(name), systemError(GetLastError()));
            complete = false;
            break;
        }
        if (got == 0)
            break;
        complete = consume(buffer, qint64(got));
    }
    CloseHandle(file);
    return complete;
}

bool WindowsNoFollowFolder::move(const QString &name, const NoFollowFolder &to,
                                 const QString &toName, QString *error) const
{
    // Only one implementation exists per build.
    const auto &target = static_cast<const WindowsNoFollowFolder &>(to);
    // A reparse point is moved as itself; a folder at the target makes this fail.
    // A running program or loaded library may be renamed, never deleted or written.
    // A file open without share-delete cannot be renamed at all: a virus scanner
    // looking at a new file holds it briefly, so that is waited out for a second.
    const std::wstring from = native(child(name));
    const std::wstring destination = native(target.child(toName));
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExW(from.c_str(), destination.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD code = GetLastError();
        if (code != ERROR_SHARING_VIOLATION || attempt == 10) {
            *error = systemError(code);
            return false;
        }
        Sleep(100);
    }
}

bool WindowsNoFollowFolder::remove(const QString &name) const
{
    const std::wstring path = native(child(name));
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesW(path.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
    // A junction or folder link is removed as a folder entry, never followed.
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return RemoveDirectoryW(path.c_str());
    return DeleteFileW(path.c_str());
}

void WindowsNoFollowFolder::sync() const
{
    // Every rename was made with MOVEFILE_WRITE_THROUGH.
}
