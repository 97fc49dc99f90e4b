#pragma once

#include <QByteArray>
#include <QString>

// The few file-system calls that a checked write and a bounded read need, each reporting
// the operating system's own reason when it fails ("No space left on device"): POSIX
// calls on Linux, Win32 calls on Windows. One open file per object.
class NativeFile
{
public:
    NativeFile() = default;
    ~NativeFile();
    NativeFile(const NativeFile &) = delete;
    NativeFile &operator=(const NativeFile &) = delete;

    // Creates path as a new file for writing. Fails when anything is there already, a
    // dangling link included, so the data never follows a link planted at the name.
    bool createNew(const QString &path, QString *error);
    // Opens path for reading without ever waiting: anything but a regular file (a FIFO,
    // a device, a folder) is refused before a byte is read.
    enum class Opened { Yes, Failed, Folder, NotRegular };
    Opened openRegular(const QString &path, QString *error);
    bool isOpen() const;
    // Size of the open file as the system sees it now; -1 when unknown.
    qint64 size() const;
    // Writes every byte, going on after partial writes.
    bool writeAll(const char *data, qint64 length, QString *error);
    // Up to length bytes; 0 at the end, -1 on failure.
    qint64 read(char *buffer, qint64 length, QString *error);
    // Puts what was written on the disk.
    bool sync(QString *error);
    // Closing may report a failed write of its own (network file systems do).
    bool close(QString *error);
    // Gives the open file the permission bits of the regular file at path, if any.
    void copyPermissionsFrom(const QString &path);

    enum class Entry { Missing, Regular, Link, Other };
    // What the name itself is, without following a link.
    static Entry entry(const QString &path);
    // Renames in one step. Without replace it fails when to exists; with it, an entry at
    // to is replaced (a link there is replaced, never followed).
    static bool rename(const QString &from, const QString &to, bool replace, QString *error);
    // Removes the name itself (a link, never what it points to); true when nothing is left.
    static bool remove(const QString &path);
    // Makes a rename in folder last across a power cut where the system needs that.
    static void syncFolder(const QString &folder);

private:
#ifdef Q_OS_WIN
    void *m_handle = reinterpret_cast<void *>(-1);
#else
    int m_fd = -1;
#endif
};
