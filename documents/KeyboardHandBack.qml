import QtQuick

// Gives the keyboard back to the window that had it before the overlay (a slide show),
// where the compositor keeps it on an unmanaged window of ours and a click on the slide
// does not take it back (see DesktopSession.keyboardStaysOnUnmanaged). Such compositors
// return the keyboard to the last focused window when the unmanaged window holding it
// is unmapped: this one-pixel window is mapped, takes the keyboard and goes again. The
// overlay and the toolbar stay mapped, and so keep their stacking.
Window {
    id: window

    // Whether the compositor needs it; start() does nothing otherwise.
    property bool needed: false
    // The desktop point of the pixel (a corner of the overlay's screen).
    property point at: Qt.point(0, 0)

    function start() {
        if (!needed || window.visible)
            return;
        window.x = at.x;
        window.y = at.y;
        window.show();
    }

    title: "keyboard hand-back"
    // A plain (not transient) window: the compositor would hand the keyboard to the
    // window this one is transient for.
    transientParent: null
    flags: Qt.Window | Qt.FramelessWindowHint | Qt.BypassWindowManagerHint | Qt.WindowTransparentForInput
    color: "transparent"
    width: 1
    height: 1

    // The compositor maps the window once its first frame arrives; it is unmapped a
    // moment later.
    onFrameSwapped: {
        if (!unmap.running)
            unmap.start();
    }

    Timer {
        id: unmap

        interval: 100
        onTriggered: window.hide()
    }
}
