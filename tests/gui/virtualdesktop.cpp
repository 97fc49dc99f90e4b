#include "virtualdesktop.h"

#include "programdriver.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QTest>

bool VirtualDesktop::start(const QString &windowManager, bool tray)
{
    if (m_previousDisplay.isNull())
        m_previousDisplay = qgetenv("DISPLAY");
    // -displayfd 1: the server picks a free number and prints it. -noreset: by
    // default the server resets when its last client leaves, and the probe below is
    // that client; a window manager connecting during the reset is refused and dies.
    m_server.start(QStringLiteral("Xvfb"),
                   {"-displayfd", "1", "-noreset", "-screen", "0",
                    m_screenSize + QStringLiteral("x24"), "-nolisten", "tcp"});
    if (!m_server.waitForStarted())
        return failed("Xvfb did not start");
    QElapsedTimer waited;
    waited.start();
    QByteArray number;
    while (!number.endsWith('\n') && waited.elapsed() < 3 * waitLimitMs) {
        m_server.waitForReadyRead(100);
        number += m_server.readAllStandardOutput();
    }
    if (!number.endsWith('\n'))
        return failed("Xvfb did not name its display");
    display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    // The tools this test runs (xdotool, xprop, xmessage) inherit it.
    qputenv("DISPLAY", display.toLatin1());
    while (runTool(QStringLiteral("xdpyinfo"), {}).isEmpty()) {
        if (waited.elapsed() > 3 * waitLimitMs)
            return failed("the display does not answer");
        QTest::qWait(50);
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_home.path()); // the window manager's own files
    m_manager.setProcessEnvironment(env);
    m_manager.setProcessChannelMode(QProcess::MergedChannels);
    m_manager.start(windowManager, {});
    if (!m_manager.waitForStarted())
        return failed("the window manager did not start");
    // The manager is up once it names its check window on the root.
    while (!runTool(QStringLiteral("xprop"), {"-root", "_NET_SUPPORTING_WM_CHECK"})
                .contains("window id")) {
        if (m_manager.state() == QProcess::NotRunning) {
            qWarning().noquote() << "window manager output:"
                                 << QString::fromLocal8Bit(m_manager.readAll());
            return failed("the window manager ended before it took the display");
        }
        if (waited.elapsed() > 3 * waitLimitMs)
            return failed("the window manager did not take the display");
        QTest::qWait(50);
    }
    if (tray) {
        m_tray.start(QStringLiteral("trayer"), {"--edge", "top", "--align", "right"});
        if (!m_tray.waitForStarted())
            return failed("trayer did not start");
    }
    return true;
}

void VirtualDesktop::stop()
{
    for (QProcess *process : {&m_tray, &m_manager, &m_server}) {
        if (process->state() == QProcess::NotRunning)
            continue;
        process->terminate();
        if (!process->waitForFinished(5000)) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    if (!m_previousDisplay.isNull())
        qputenv("DISPLAY", m_previousDisplay);
}

bool VirtualDesktop::failed(const char *why)
{
    qWarning() << "virtual desktop:" << why << display;
    return false;
}
