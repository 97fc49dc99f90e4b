#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

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
