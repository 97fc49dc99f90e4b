#include "platformchoice.h"

#include <QByteArray>
#include <QDebug>

namespace PlatformChoice {

Session current(int argc, char *argv[])
{
    Session session;
    session.sessionType = qEnvironmentVariable("XDG_SESSION_TYPE");
    session.waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    session.x11Display = qEnvironmentVariable("DISPLAY");
    session.chosenPlatform = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument == "--platform" ||
            argument.startsWith("-platform=") || argument.startsWith("--platform="))
            session.platformArgument = true;
    }
    return session;
}

bool wantsXcb(const Session &session)
{
#ifdef Q_OS_WIN
    Q_UNUSED(session);
    return false;
#else
    if (!session.chosenPlatform.isEmpty() || session.platformArgument)
        return false;
    const bool wayland =
        session.sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0 ||
        (session.sessionType.isEmpty() && !session.waylandDisplay.isEmpty());
    return wayland && !session.x11Display.isEmpty();
#endif
}

QString missingDisplay(const Session &session)
{
#ifdef Q_OS_WIN
    Q_UNUSED(session);
    return {};
#else
    if (!session.chosenPlatform.isEmpty() || session.platformArgument ||
        !session.x11Display.isEmpty())
        return {};
    const bool wayland =
        session.sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0 ||
        !session.waylandDisplay.isEmpty();
    if (wayland)
        return QStringLiteral(
            "Quillmark needs XWayland in a Wayland session: no X display (DISPLAY) is set. "
            "Install and enable XWayland (package xwayland; on sway \"xwayland enable\"), then "
            "start Quillmark again.\n"
            "Quillmark 需要 Wayland 会话中的 XWayland：未设置 X 显示（DISPLAY）。请安装并启用 "
            "XWayland 后重新启动。");
    return QStringLiteral("Quillmark needs a graphical session: no display (DISPLAY) is set.\n"
                          "Quillmark 需要图形界面会话：未设置显示（DISPLAY）。");
#endif
}

void apply(int argc, char *argv[])
{
    const Session session = current(argc, argv);
    if (!wantsXcb(session))
        return;
    qputenv("QT_QPA_PLATFORM", "xcb");
    qInfo().noquote()
        << "Wayland session: running through XWayland (xcb). Drawing, the toolbar and the "
           "overlay work; global hot keys act only while an X11 window has the focus, and "
           "screen captures come through the desktop portal.";
}

} // namespace PlatformChoice
