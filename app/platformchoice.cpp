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

void apply(int argc, char *argv[])
{
    const Session session = current(argc, argv);
    if (!wantsXcb(session)) {
        if (session.chosenPlatform.isEmpty() && !session.platformArgument &&
            session.sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0)
            qWarning() << "Wayland session without XWayland (no DISPLAY): the overlay, global "
                          "hot keys and screen capture will not work";
        return;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    qInfo().noquote()
        << "Wayland session: running through XWayland (xcb). Drawing, the toolbar and the "
           "overlay work; global hot keys act only while an X11 window has the focus, and "
           "screen captures show X11 windows only.";
}

} // namespace PlatformChoice
