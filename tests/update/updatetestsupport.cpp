#include "updatetestsupport.h"

#include "xdotoolquery.h"

#include "releaseserver.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>

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
