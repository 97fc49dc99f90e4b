#pragma once

#include <QObject>
#include <QString>

// What the program's windows need to know about the desktop they open on. Under XWayland
// the Wayland compositor is also the X window manager, and most of them keep a native
// full-screen window (a slide show) above every managed X window, always-on-top or not,
// and place managed windows as they please. There the toolbar, the overlay and the
// choosers bypass the window manager: compositors show such windows where they ask to
// be and above full-screen windows. Wayland compositors (sway, Hyprland, weston, KWin and
// Mutter alike) route the pointer by an X window's rectangle, not by its X input shape, so
// an overlay passing clicks through must also leave the area it does not draw on.
class DesktopSession : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool xwayland READ xwayland CONSTANT FINAL)
    Q_PROPERTY(QString compositor READ compositor CONSTANT FINAL)
    Q_PROPERTY(bool bypassWindowManager READ bypassWindowManager CONSTANT FINAL)
    Q_PROPERTY(bool inputShapeHonoured READ inputShapeHonoured CONSTANT FINAL)
    Q_PROPERTY(bool keyboardStaysOnUnmanaged READ keyboardStaysOnUnmanaged CONSTANT FINAL)

public:
    // What the environment says: the Qt platform and the session's variables.
    struct Facts
    {
        QString platform;        // the Qt platform plugin in use
        QString sessionType;     // XDG_SESSION_TYPE
        QString waylandDisplay;  // WAYLAND_DISPLAY
        QString currentDesktop;  // XDG_CURRENT_DESKTOP
        bool swaySocket = false; // SWAYSOCK set
        bool hyprland = false;   // HYPRLAND_INSTANCE_SIGNATURE set
    };

    explicit DesktopSession(QObject *parent = nullptr);
    DesktopSession(const Facts &facts, QObject *parent = nullptr);

    static Facts currentFacts();

    bool xwayland() const { return m_xwayland; }
    // "sway", "hyprland", "wlroots" (another wlroots compositor), "kwin", "mutter",
    // "weston", "wayland" (one not known), or "" on a plain X11 display and on Windows.
    QString compositor() const { return m_compositor; }
    bool bypassWindowManager() const { return m_xwayland; }
    // Whether an empty X input shape lets clicks reach the windows below.
    bool inputShapeHonoured() const;
    // Whether the compositor gives the keyboard to an unmanaged window of ours when it is
    // mapped (or clicked) and keeps it there, even after a click on the window that had it
    // before: wlroots compositors do, and give it back only when that window is unmapped.
    bool keyboardStaysOnUnmanaged() const;

private:
    bool m_xwayland = false;
    QString m_compositor;
};
