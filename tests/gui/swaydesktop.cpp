#include "swaydesktop.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>

#include <csignal>
#include <pwd.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

const QString sessionUser = QStringLiteral("qmsway");
constexpr int startLimitMs = 20000;

bool isRoot()
{
    return ::geteuid() == 0;
}

QString ownUserName()
{
    const passwd *entry = ::getpwuid(::geteuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

// A port nothing listens on now; wayvnc takes it a moment later.
quint16 freeLoopbackPort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

QByteArray runQuietly(const QString &program, const QStringList &arguments,
                      const QProcessEnvironment &environment, int timeoutMs, bool *ok = nullptr)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(timeoutMs);
    if (!ended) {
        process.kill();
        process.waitForFinished();
    }
    const bool good =
        ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (ok)
        *ok = good;
    return good ? process.readAllStandardOutput() : QByteArray();
}

} // namespace

QString SwayDesktop::unavailableReason()
{
    QStringList needed{
        QStringLiteral("sway"),     QStringLiteral("Xwayland"),
        QStringLiteral("wayvnc"),   QStringLiteral("grim"),
        QStringLiteral("swaymsg"),  QStringLiteral("dbus-run-session"),
        QStringLiteral("pipewire"), QStringLiteral("dbus-update-activation-environment")};
    if (isRoot())
        needed << QStringLiteral("setpriv") << QStringLiteral("useradd");
    QStringList missing;
    for (const QString &tool : std::as_const(needed)) {
        if (QStandardPaths::findExecutable(tool).isEmpty() &&
            QStandardPaths::findExecutable(tool, {QStringLiteral("/usr/sbin")}).isEmpty())
            missing << tool;
    }
    for (const char *portal :
         {"/usr/libexec/xdg-desktop-portal", "/usr/libexec/xdg-desktop-portal-wlr",
          "/usr/libexec/xdg-desktop-portal-gtk"}) {
        if (!QFile::exists(QString::fromLatin1(portal)))
            missing << QString::fromLatin1(portal);
    }
    if (!missing.isEmpty())
        return QStringLiteral("a sway session needs ") + missing.join(QStringLiteral(", ")) +
               QStringLiteral(" (scripts/deps.sh installs them)");
    return {};
}

bool SwayDesktop::failed(const char *why)
{
    qWarning().noquote() << "sway session:" << why;
    if (m_sway.state() != QProcess::NotRunning)
        qWarning().noquote() << "sway said:" << m_sway.readAll().right(2000);
    stop();
    return false;
}

bool SwayDesktop::ensureUser()
{
    if (!isRoot()) {
        m_user = ownUserName();
        return !m_user.isEmpty();
    }
    m_user = sessionUser;
    if (::getpwnam(sessionUser.toLocal8Bit().constData()))
        return true;
    bool made = false;
    runQuietly(QStringLiteral("useradd"),
               {"--no-create-home", "--shell", "/usr/sbin/nologin", sessionUser},
               QProcessEnvironment::systemEnvironment(), 10000, &made);
    return made || ::getpwnam(sessionUser.toLocal8Bit().constData()) != nullptr;
}

QStringList SwayDesktop::asUser(const QString &program, const QStringList &arguments) const
{
    if (!isRoot())
        return QStringList{program} + arguments;
    // setpriv replaces itself with the program: the process id stays the program's.
    return QStringList{QStringLiteral("setpriv"),
                       QStringLiteral("--reuid"),
                       m_user,
                       QStringLiteral("--regid"),
                       m_user,
                       QStringLiteral("--init-groups"),
                       QStringLiteral("--")} +
           QStringList{program} + arguments;
}

QProcessEnvironment SwayDesktop::clientEnvironment() const
{
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/local/bin:/usr/bin:/bin"));
    environment.insert(QStringLiteral("HOME"), m_runtimePath + QStringLiteral("/home"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    for (auto it = m_environment.cbegin(); it != m_environment.cend(); ++it)
        environment.insert(it.key(), it.value());
    return environment;
}

bool SwayDesktop::start(QSize output, const QString &extraConfig)
{
    if (!unavailableReason().isEmpty())
        return failed(qPrintable(unavailableReason()));
    if (!ensureUser())
        return failed("no unprivileged user for the session");
    if (!m_runtime.isValid())
        return failed("no runtime folder");
    m_output = output;
    m_runtimePath = m_runtime.path();
    const quint16 vncPort = freeLoopbackPort();
    QDir(m_runtimePath).mkpath(QStringLiteral("home"));
    // The portal takes back-ends made for other desktops when none of its own offers an
    // interface, in the order it finds them: only the ones this session wants are shown.
    QDir(m_runtimePath).mkpath(QStringLiteral("portals"));
    for (const char *portal : {"wlr.portal", "gtk.portal"})
        QFile::copy(QStringLiteral("/usr/share/xdg-desktop-portal/portals/") +
                        QLatin1String(portal),
                    m_runtimePath + QStringLiteral("/portals/") + QLatin1String(portal));

    // Run inside the session once it is up: the portals find the session through the
    // bus's activation environment, and the test through session.env.
    QFile script(m_runtimePath + QStringLiteral("/session.sh"));
    if (!script.open(QIODevice::WriteOnly))
        return failed("cannot write the session script");
    script.write("#!/bin/sh\n"
                 "dbus-update-activation-environment WAYLAND_DISPLAY DISPLAY SWAYSOCK "
                 "XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland "
                 "XDG_DESKTOP_PORTAL_DIR=\"$XDG_RUNTIME_DIR/portals\"\n"
                 "printf 'WAYLAND_DISPLAY=%s\\nDISPLAY=%s\\nDBUS_SESSION_BUS_ADDRESS=%s\\n"
                 "SWAYSOCK=%s\\n' \"$WAYLAND_DISPLAY\" \"$DISPLAY\" "
                 "\"$DBUS_SESSION_BUS_ADDRESS\" \"$SWAYSOCK\" > \"$XDG_RUNTIME_DIR/session.part\"\n"
                 "mv \"$XDG_RUNTIME_DIR/session.part\" \"$XDG_RUNTIME_DIR/session.env\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                          QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    QFile config(m_runtimePath + QStringLiteral("/sway.conf"));
    if (!config.open(QIODevice::WriteOnly))
        return failed("cannot write the sway configuration");
    config.write(QStringLiteral("xwayland force\n"
                                "output HEADLESS-1 resolution %1x%2 position 0 0\n"
                                "exec %3/session.sh\n"
                                "%4\n")
                     .arg(output.width())
                     .arg(output.height())
                     .arg(m_runtimePath, extraConfig)
                     .toUtf8());
    config.close();
    if (isRoot()) {
        bool owned = false;
        runQuietly(QStringLiteral("chown"), {"-R", m_user, m_runtimePath},
                   QProcessEnvironment::systemEnvironment(), 10000, &owned);
        if (!owned)
            return failed("cannot hand the runtime folder to the session's user");
    }

    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/local/bin:/usr/bin:/bin"));
    environment.insert(QStringLiteral("HOME"), m_runtimePath + QStringLiteral("/home"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtimePath);
    environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    environment.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    environment.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
    environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("sway"));
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    m_sway.setProcessEnvironment(environment);
    m_sway.setProcessChannelMode(QProcess::MergedChannels);
    // A process group of its own: stop() ends whatever of the session is left.
    m_sway.setChildProcessModifier([] { ::setsid(); });
    const QStringList command =
        asUser(QStringLiteral("dbus-run-session"),
               {"--", "sway", "-c", m_runtimePath + QStringLiteral("/sway.conf")});
    m_sway.start(command.constFirst(), command.mid(1));
    if (!m_sway.waitForStarted())
        return failed("sway did not start");

    QElapsedTimer waited;
    waited.start();
    QFile sessionFile(m_runtimePath + QStringLiteral("/session.env"));
    while (!sessionFile.exists()) {
        if (waited.elapsed() > startLimitMs || m_sway.state() != QProcess::Running)
            return failed("sway did not come up");
        m_sway.waitForReadyRead(100);
    }
    if (!sessionFile.open(QIODevice::ReadOnly))
        return failed("cannot read the session's environment");
    m_environment.clear();
    for (const QByteArray &line : sessionFile.readAll().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            m_environment.insert(QString::fromUtf8(line.left(equals)),
                                 QString::fromUtf8(line.mid(equals + 1)));
    }
    m_swaySocket = m_environment.value(QStringLiteral("SWAYSOCK"));
    m_environment.remove(QStringLiteral("SWAYSOCK"));
    if (m_environment.value(QStringLiteral("DISPLAY")).isEmpty())
        return failed("XWayland did not start");
    // An absolute path reaches the compositor whatever XDG_RUNTIME_DIR a client has.
    m_environment.insert(QStringLiteral("WAYLAND_DISPLAY"),
                         m_runtimePath + QLatin1Char('/') +
                             m_environment.value(QStringLiteral("WAYLAND_DISPLAY")));
    m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtimePath);
    m_environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("sway"));
    m_environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    // XWayland answers once it has started.
    while (run(QStringLiteral("xdpyinfo"), {}, 3000).isEmpty()) {
        if (waited.elapsed() > startLimitMs)
            return failed("XWayland does not answer");
        QTest::qWait(100);
    }
    // Started here rather than by sway, which would put them out of stop()'s reach.
    // PipeWire: the portal's wlroots back-end does not start without it.
    if (!launch(QStringLiteral("pipewire"), {}) ||
        !launch(QStringLiteral("wayvnc"), {"127.0.0.1", QString::number(vncPort)}))
        return failed("pipewire or wayvnc did not start");
    if (!m_input.connectTo(vncPort, startLimitMs))
        return failed("wayvnc does not answer");
    // The portal and its back-ends start on the first call; started by a program's first
    // screenshot, they sometimes left it unanswered. Asked here, they are ready by then.
    const QStringList askPortal{"--session",
                                "--print-reply",
                                "--dest=org.freedesktop.portal.Desktop",
                                "/org/freedesktop/portal/desktop",
                                "org.freedesktop.DBus.Properties.Get",
                                "string:org.freedesktop.portal.Screenshot",
                                "string:version"};
    while (run(QStringLiteral("dbus-send"), askPortal, 5000).isEmpty()) {
        if (waited.elapsed() > startLimitMs) {
            qWarning() << "sway session: the Screenshot portal does not answer";
            break;
        }
        QTest::qWait(200);
    }
    return true;
}

void SwayDesktop::stop()
{
    for (const auto &process : m_launched) {
        if (process->state() == QProcess::NotRunning)
            continue;
        process->terminate();
        if (!process->waitForFinished(3000)) {
            process->kill();
            process->waitForFinished(3000);
        }
    }
    m_launched.clear();
    if (m_sway.state() == QProcess::NotRunning)
        return;
    const qint64 group = m_sway.processId();
    swaymsg({QStringLiteral("exit")});
    if (!m_sway.waitForFinished(5000))
        ::kill(pid_t(-group), SIGTERM);
    if (!m_sway.waitForFinished(3000))
        ::kill(pid_t(-group), SIGKILL);
    m_sway.waitForFinished(3000);
    // What outlived the bus (a portal back-end, wayvnc) shares the session's group.
    ::kill(pid_t(-group), SIGTERM);
}

QByteArray SwayDesktop::run(const QString &tool, const QStringList &arguments, int timeoutMs) const
{
    const QStringList command = asUser(tool, arguments);
    return runQuietly(command.constFirst(), command.mid(1), clientEnvironment(), timeoutMs);
}

QProcess *SwayDesktop::launch(const QString &program, const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(clientEnvironment());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardOutputFile(QProcess::nullDevice());
    const QStringList command = asUser(program, arguments);
    process->start(command.constFirst(), command.mid(1));
    if (!process->waitForStarted())
        return nullptr;
    m_launched.push_back(std::move(process));
    return m_launched.back().get();
}

QByteArray SwayDesktop::swaymsg(const QStringList &arguments) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SWAYSOCK"), m_swaySocket);
    return runQuietly(QStringLiteral("swaymsg"), arguments, environment, 10000);
}

QImage SwayDesktop::screenshot(const QString &keepAs) const
{
    const QImage shot =
        QImage::fromData(run(QStringLiteral("grim"), {"-t", "png", "-"}, 15000), "PNG");
    if (!keepAs.isEmpty() && !shot.isNull()) {
        QDir().mkpath(QFileInfo(keepAs).path());
        shot.save(keepAs);
    }
    return shot;
}
