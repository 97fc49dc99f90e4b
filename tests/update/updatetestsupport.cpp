#include "updatetestsupport.h"

#include "xdotoolquery.h"

#include "installedserial.h"
#include "releaseserver.h"
#include "settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>

#include <unistd.h>

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

bool writeFile(const QString &path, const QByteArray &content, QFile::Permissions extra)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return false;
    file.close();
    return !extra || file.setPermissions(file.permissions() | extra);
}

bool writeUpdateConfig(const QString &path, const QString &updateUrl, const QString &version,
                       const QString &exeName)
{
    QByteArray content = "[UPDATE]\nUpdateURL=" + updateUrl.toUtf8() + "\n";
    if (!version.isEmpty())
        content += "APPVersion=" + version.toUtf8() + "\n";
    if (!exeName.isEmpty())
        content += "EXEName=" + exeName.toUtf8() + "\n";
    return writeFile(path, content);
}

namespace {

bool runQuietly(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(5000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace

FolderLock::FolderLock(const QString &path) : m_path(path)
{
    m_locked = ::geteuid() == 0 ? runQuietly(QStringLiteral("chattr"), {QStringLiteral("+i"), path})
                                : QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    // Proven by trying: not every file system knows the immutable flag.
    QFile probe(path + QStringLiteral("/lock-probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.close();
        probe.remove();
        m_failure = QStringLiteral("cannot lock a folder here (chattr +i or chmod a-w)");
        unlock();
    } else if (!m_locked) {
        m_failure = QStringLiteral("cannot lock %1").arg(path);
    }
}

FolderLock::~FolderLock()
{
    unlock();
}

void FolderLock::unlock()
{
    if (!m_locked)
        return;
    m_locked = false;
    if (::geteuid() == 0)
        runQuietly(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
    else
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void forgetInstalledSerial(const QString &applicationDir)
{
    for (const char *name : {InstalledSerial::serialFile, InstalledSerial::recordFile})
        QFile::remove(applicationDir + QLatin1Char('/') + QLatin1String(name));
    SettingsStore().remove(InstalledSerial(applicationDir).settingsKey());
}

QString appDir()
{
    return QCoreApplication::applicationDirPath();
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QString xdotool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(5000);
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

namespace {

QStringList windowSearch(qint64 pid, const QString &title)
{
    QStringList arguments{QStringLiteral("search"), QStringLiteral("--all"),
                          QStringLiteral("--onlyvisible")};
    if (pid != 0)
        arguments << QStringLiteral("--pid") << QString::number(pid);
    return arguments << QStringLiteral("--name") << title;
}

} // namespace

std::optional<QString> visibleWindow(qint64 pid, const QString &title)
{
    const std::optional<QByteArray> out = xdotoolQuery(windowSearch(pid, title));
    if (!out)
        return std::nullopt;
    return QString::fromLatin1(out->split('\n').constFirst().trimmed());
}

QString waitForWindow(qint64 pid, const QString &title, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    QByteArray last;
    int same = 0;
    while (waited.elapsed() < timeoutMs) {
        // WINDOW, X, Y, WIDTH, HEIGHT and SCREEN of the first match.
        const std::optional<QByteArray> out =
            xdotoolQuery(windowSearch(pid, title)
                         << QStringLiteral("getwindowgeometry") << QStringLiteral("--shell"));
        if (out) {
            same = !out->isEmpty() && *out == last ? same + 1 : 0;
            last = *out;
            if (same == 2) {
                const QByteArray window = out->split('\n').constFirst();
                return QString::fromLatin1(window.mid(window.indexOf('=') + 1));
            }
        }
        QTest::qWait(100);
    }
    return {};
}

void stopProcess(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

QString endToEndSkipReason()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return QStringLiteral("needs an X display (scripts/test.sh starts one)");
    if (!ReleaseServer::isAvailable())
        return QStringLiteral("nginx is not installed (scripts/deps.sh installs it)");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        return QStringLiteral("xdotool is not installed");
    return {};
}

UpdaterRun::UpdaterRun(const QString &program, const QString &applicationDir)
    : m_dir(applicationDir.isEmpty() ? m_temporary.filePath(QStringLiteral("app"))
                                     : applicationDir),
      m_program(program)
{
    QDir().mkpath(m_dir);
    QFile::copy(program, path(QStringLiteral("Update")));
}

UpdaterRun::~UpdaterRun()
{
    kill();
}

qint64 UpdaterRun::recordedSerial() const
{
    return InstalledSerial(m_dir).read().recorded;
}

qint64 UpdaterRun::settingsSerial() const
{
    const QSettings settings(
        m_temporary.filePath(QStringLiteral("config/%1/%2.conf")
                                 .arg(QLatin1String(SettingsStore::organisation),
                                      QLatin1String(SettingsStore::application))),
        QSettings::IniFormat);
    return settings.value(InstalledSerial(m_dir).settingsKey()).toLongLong();
}

void UpdaterRun::forgetInstalledSerial()
{
    for (const char *name : {InstalledSerial::serialFile, InstalledSerial::recordFile})
        QFile::remove(path(QLatin1String(name)));
    QDir(m_temporary.filePath(QStringLiteral("config"))).removeRecursively();
}

bool UpdaterRun::start()
{
    kill();
    m_process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       m_temporary.filePath(QStringLiteral("config")));
    m_process->setProcessEnvironment(environment);
    QObject::connect(m_process.get(), &QProcess::readyReadStandardError, m_process.get(),
                     [this] { m_log += m_process->readAllStandardError(); });
    m_process->start(path(QStringLiteral("Update")), {});
    return m_process->waitForStarted(5000);
}

bool UpdaterRun::waitForLog(const QByteArray &text, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!m_log.contains(text) && waited.elapsed() < timeoutMs)
        QTest::qWait(20);
    return m_log.contains(text);
}

qint64 UpdaterRun::pid() const
{
    return m_process ? m_process->processId() : 0;
}

void UpdaterRun::kill()
{
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(5000);
    }
}
