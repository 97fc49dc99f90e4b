#include "desktopsession.h"

#include <QGuiApplication>

DesktopSession::DesktopSession(QObject *parent) : DesktopSession(currentFacts(), parent) {}

DesktopSession::DesktopSession(const Facts &facts, QObject *parent) : QObject(parent)
{
    const bool wayland =
        facts.sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0 ||
        !facts.waylandDisplay.isEmpty();
    m_xwayland = wayland && facts.platform == QLatin1String("xcb");
    if (!wayland)
        return;
    // XDG_CURRENT_DESKTOP is a colon-separated list, most specific first.
    const QString desktops = facts.currentDesktop.toLower();
    const auto names = [&desktops](std::initializer_list<const char *> list) {
        for (const char *name : list) {
            if (desktops.split(QLatin1Char(':')).contains(QLatin1String(name)))
                return true;
        }
        return false;
    };
    if (facts.hyprland || names({"hyprland"}))
        m_compositor = QStringLiteral("hyprland");
    else if (facts.swaySocket || names({"sway"}))
        m_compositor = QStringLiteral("sway");
    else if (names({"wlroots", "wayfire", "river", "labwc", "niri"}))
        m_compositor = QStringLiteral("wlroots");
    else if (names({"kde"}))
        m_compositor = QStringLiteral("kwin");
    else if (names({"gnome", "gnome-classic", "ubuntu", "unity", "budgie"}))
        m_compositor = QStringLiteral("mutter");
    else if (names({"weston"}))
        m_compositor = QStringLiteral("weston");
    else
        m_compositor = QStringLiteral("wayland");
}

DesktopSession::Facts DesktopSession::currentFacts()
{
    Facts facts;
    facts.platform = QGuiApplication::platformName();
    facts.sessionType = qEnvironmentVariable("XDG_SESSION_TYPE");
    facts.waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    facts.currentDesktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    facts.swaySocket = qEnvironmentVariableIsSet("SWAYSOCK");
    facts.hyprland = qEnvironmentVariableIsSet("HYPRLAND_INSTANCE_SIGNATURE");
    return facts;
}

bool DesktopSession::inputShapeHonoured() const
{
    // Tried with XWayland 22.1 under sway, weston, KWin 5.27 and Mutter 43: each hands the
    // pointer to whichever X surface covers the point, and XWayland drops the click there.
    return !m_xwayland;
}

bool DesktopSession::keyboardStaysOnUnmanaged() const
{
    return m_xwayland &&
           (m_compositor == QLatin1String("sway") || m_compositor == QLatin1String("hyprland") ||
            m_compositor == QLatin1String("wlroots"));
}
