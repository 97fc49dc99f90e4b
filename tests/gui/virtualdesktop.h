#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A private X display with a window manager and, when asked, a tray.
class VirtualDesktop
{
public:
    ~VirtualDesktop() { stop(); }

    // Says which step failed, and the window manager's output when it ended early.
    bool start(const QString &windowManager, bool tray);
    void stop();

    // Set before start(): the size of the one X screen, such as "3840x1080".
    void setScreenSize(const QString &size) { m_screenSize = size; }

    QString display;

private:
    bool failed(const char *why);

    QString m_screenSize = QStringLiteral("1280x800");
    QByteArray m_previousDisplay;
    QTemporaryDir m_home;
    QProcess m_server;
    QProcess m_manager;
    QProcess m_tray;
};
