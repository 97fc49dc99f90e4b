#pragma once

#include <QString>

// Picks the window-system platform before the first application object exists.
namespace PlatformChoice {

// What is known about the session and the user's own choice.
struct Session
{
    QString sessionType;           // XDG_SESSION_TYPE
    QString waylandDisplay;        // WAYLAND_DISPLAY
    QString x11Display;            // DISPLAY: XWayland's, when it runs
    QString chosenPlatform;        // QT_QPA_PLATFORM
    bool platformArgument = false; // -platform on the command line
};

Session current(int argc, char *argv[]);

// True when the program should run through XWayland: the session is Wayland, an
// X11 display is there and the user chose no platform. On the wayland platform the overlay, the
// stacking, the global hot keys and the screen capture cannot work.
bool wantsXcb(const Session &session);

// Why the program cannot run here, or empty when it can: it needs an X display (XWayland
// under Wayland), since a native Wayland client can neither place the toolbar nor keep the
// overlay above other windows. A platform the user chose is always tried.
QString missingDisplay(const Session &session);

// Applies the choice to this process (QT_QPA_PLATFORM=xcb) and logs once what
// works there; does nothing when the session needs no change.
void apply(int argc, char *argv[]);

} // namespace PlatformChoice
