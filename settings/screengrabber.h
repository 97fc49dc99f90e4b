#pragma once

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

class QScreen;

// Reads what a screen shows. On X11 (and Windows) the window system hands the pixels over
// at once. A Wayland session lets no client read the screen, not even through XWayland,
// whose root window holds only the X windows and is black elsewhere: there the picture
// comes from the desktop portal's Screenshot call, without asking the user where the
// portal allows that, and arrives later. A picture that is black all over is refused on
// Wayland: it says the portal could not read the screen, not what the screen shows.
class ScreenGrabber
{
public:
    using Done = std::function<void(const QImage &picture, const QString &error)>;

    // True when pictures come from the portal (a Wayland session, XWayland included).
    static bool usesPortal();
    // Takes a picture of screen (device pixels) and calls done exactly once, with the
    // picture or with why there is none; maybe before grab() returns, never after context
    // is gone.
    static void grab(QScreen *screen, QObject *context, const Done &done);
    // screen's part of a picture of the whole desktop.
    static QImage cropToScreen(const QImage &desktop, const QScreen *screen);
    // Whether every sampled pixel is black (a grab that read nothing).
    static bool isBlack(const QImage &picture);
};
