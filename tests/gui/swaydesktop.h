#pragma once

#include "rfbclient.h"

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// A real Wayland session for GUI tests: sway on its headless back-end with XWayland,
// its own D-Bus session bus (xdg-desktop-portal with the wlroots back-end and PipeWire,
// which that back-end needs; the GTK back-end's Access interface, without which the portal
// offers no Screenshot), wayvnc on loopback for a real pointer and keyboard (input())
// and grim for screenshots. sway refuses to run as root: as root the session runs as the
// unprivileged user "qmsway" (created on first use), and so must every client of it, since
// XWayland and the bus admit only their owner; run() and launch() do that.
class SwayDesktop
{
public:
    SwayDesktop() = default;
    ~SwayDesktop() { stop(); }
    SwayDesktop(const SwayDesktop &) = delete;
    SwayDesktop &operator=(const SwayDesktop &) = delete;

    // Empty when a session can be started here; else why not, for QSKIP.
    static QString unavailableReason();

    // Starts sway with one output of this size; false (with a warning) when it does not
    // come up. extraConfig: more lines of sway configuration (for_window rules ...).
    bool start(QSize output = QSize(1280, 800), const QString &extraConfig = QString());
    // Asks sway to exit, then ends whatever of the session is left.
    void stop();
    bool isRunning() const { return m_sway.state() == QProcess::Running; }

    // The session's user (the test's own when not root).
    QString user() const { return m_user; }
    QSize outputSize() const { return m_output; }
    // What a client of the session needs: WAYLAND_DISPLAY (an absolute path),
    // DISPLAY (XWayland), DBUS_SESSION_BUS_ADDRESS, XDG_CURRENT_DESKTOP,
    // XDG_SESSION_TYPE, XDG_RUNTIME_DIR.
    QMap<QString, QString> sessionEnvironment() const { return m_environment; }
    // program and arguments wrapped to run as user() (unchanged when that is the test's).
    QStringList asUser(const QString &program, const QStringList &arguments) const;

    // Runs a tool as the session's user in the session (xwininfo, xprop, xdotool ...);
    // its standard output when it ended well, else empty.
    QByteArray run(const QString &tool, const QStringList &arguments, int timeoutMs = 10000) const;
    // Starts a program in the session (a foot window as the slide ...); the session owns
    // it and ends it in stop().
    QProcess *launch(const QString &program, const QStringList &arguments);
    // A swaymsg command or query ("-t", "get_tree"); its output, empty on failure.
    QByteArray swaymsg(const QStringList &arguments) const;
    // The whole output through grim; kept as keepAs (a PNG path) when given.
    QImage screenshot(const QString &keepAs = QString()) const;
    // Pointer and keys through wayvnc, connected by start().
    RfbClient &input() { return m_input; }

private:
    bool failed(const char *why);
    bool ensureUser();
    QProcessEnvironment clientEnvironment() const;

    QString m_user;
    QSize m_output;
    QTemporaryDir m_runtime;
    QString m_runtimePath;
    QString m_swaySocket;
    QMap<QString, QString> m_environment;
    QProcess m_sway;
    std::vector<std::unique_ptr<QProcess>> m_launched;
    RfbClient m_input;
};
