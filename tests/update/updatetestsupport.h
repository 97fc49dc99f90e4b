#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

class QProcess;

// Helpers the updater's tests share: files, ports, processes and the display.

// The file's content, or "<missing>" when it cannot be read.
QByteArray readFile(const QString &path);
// Writes the file, creating its folder; extra permissions are added on top.
bool writeFile(const QString &path, const QByteArray &content,
               QFile::Permissions extra = QFile::Permissions());
// config.ini of an installed application; an empty version or program name
// leaves that key out.
bool writeUpdateConfig(const QString &path, const QString &updateUrl,
                       const QString &version = QString(), const QString &exeName = QString());
// Removes every trace of an installed release serial for the application
// directory: its files there and the entry in the user's settings.
void forgetInstalledSerial(const QString &applicationDir);
// Makes a folder refuse any change to its entries, as a folder the system keeps
// locked does: immutable for root (chattr +i), read-only for anyone else. The
// lock ends with the object.
class FolderLock
{
public:
    explicit FolderLock(const QString &path);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;
    // Empty when the folder is locked, otherwise why not.
    QString failure() const { return m_failure; }
    void unlock();

private:
    QString m_path;
    QString m_failure;
    bool m_locked = false;
};
// The folder of the test program, which the updater's code takes as the
// application directory.
QString appDir();
quint16 freePort();
// Standard output of xdotool, trimmed.
QString xdotool(const QStringList &arguments);
// The first visible window with this title (of this process; of any when pid
// is 0): its id, empty when there is none, nullopt when the query did not get
// through. A search dies with BadWindow when a window goes away while it walks
// the window tree, as happens whenever programs open or close windows; such a
// run is repeated.
std::optional<QString> visibleWindow(qint64 pid, const QString &title);
// Waits until that window shows with the same geometry three times running,
// so that it is mapped and placed for a click; its id, or empty after timeoutMs.
QString waitForWindow(qint64 pid, const QString &title, int timeoutMs);
// Asks the process to end, kills it when it does not, and waits for it.
void stopProcess(QProcess &process);
// Why a run of the real programs on the display cannot take place here; empty
// when it can.
QString endToEndSkipReason();

// The real Update program in an application directory of its own (a fresh
// temporary folder unless given), run offscreen with a settings home of its own,
// its standard error collected.
class UpdaterRun
{
public:
    explicit UpdaterRun(const QString &program, const QString &applicationDir = QString());
    ~UpdaterRun();
    UpdaterRun(const UpdaterRun &) = delete;
    UpdaterRun &operator=(const UpdaterRun &) = delete;

    QString dir() const { return m_dir; }
    QString path(const QString &name) const { return m_dir + QLatin1Char('/') + name; }
    // The serial the application directory records.
    qint64 recordedSerial() const;
    // The serial the program kept in its user settings.
    qint64 settingsSerial() const;
    // Removes every trace of an installed serial, settings included.
    void forgetInstalledSerial();
    bool start();
    // Waits for text in the log; false after timeoutMs.
    bool waitForLog(const QByteArray &text, int timeoutMs = 20000);
    QByteArray log() const { return m_log; }
    void clearLog() { m_log.clear(); }
    qint64 pid() const;
    void kill();

private:
    QTemporaryDir m_temporary;
    QString m_dir;
    QString m_program;
    std::unique_ptr<QProcess> m_process;
    QByteArray m_log;
};
