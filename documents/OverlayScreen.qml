import QtQuick

// The overlay of a screen other than the leading overlay's: a view of the
// leading overlay's drawing that follows its state (board colour, drawing or
// pass-through, shown or hidden). The background picture and the messages stay
// with the leading overlay, on the toolbar's screen.
Window {
    id: window

    // The leading overlay (draw.qml).
    property var lead: null
    // The screen to cover (an entry of Qt.application.screens).
    property var targetScreen: null
    readonly property alias surface: surface
    readonly property rect screenArea: targetScreen ? Qt.rect(targetScreen.virtualX, targetScreen.virtualY, targetScreen.width, targetScreen.height) : Qt.rect(0, 0, 0, 0)
    readonly property bool leadShown: lead !== null && lead.visible
    readonly property bool passThrough: lead !== null && lead.ct
    // As the leading overlay's: the whole screen, except in pass-through where the
    // compositor ignores input shapes, there the drawing's part of it (screen coordinates).
    property rect coverArea: Qt.rect(0, 0, screenArea.width, screenArea.height)
    // The desktop rectangle the window takes.
    readonly property rect placedArea: Qt.rect(screenArea.x + coverArea.x, screenArea.y + coverArea.y, coverArea.width, coverArea.height)

    // Shown only once complete: a window shown while it is being created is hidden
    // again when its creation completes, and a window manager that sees that hide late
    // takes the window off the screen for good.
    property bool completed: false
    // A window manager may still place a new window where it likes after the
    // program asked for its position: asked again, a few times at most.
    property int placementTries: 0

    function settle() {
        if (!window.leadShown || !lead.onX11 || placementTries >= 5)
            return;
        if (window.x !== placedArea.x || window.y !== placedArea.y) {
            placementTries += 1;
            Qt.callLater(cover);
        }
    }

    // Read when asked, not bound: a handler of passThroughChanged may run before a binding
    // on it has been brought up to date.
    function coversDrawingOnly() {
        return window.passThrough && !lead.session.inputShapeHonoured;
    }

    // The part of the screen to cover, for the state the leading overlay is in.
    function fitCover() {
        const fitted = coversDrawingOnly() ? surface.drawnArea([]) : Qt.rect(0, 0, screenArea.width, screenArea.height);
        const now = window.coverArea;
        if (fitted.x !== now.x || fitted.y !== now.y || fitted.width !== now.width || fitted.height !== now.height) {
            window.coverArea = fitted;
            placementTries = 0;
        }
        cover();
    }

    // Covers the screen, as the leading overlay does (see its keepFullScreen()).
    function cover() {
        if (!window.completed || !window.leadShown || !targetScreen)
            return;
        if (!lead.onX11) {
            window.showFullScreen();
            return;
        }
        // Placed before it is mapped, so that the window manager maps it there.
        window.x = placedArea.x;
        window.y = placedArea.y;
        window.width = placedArea.width;
        window.height = placedArea.height;
        if (!window.visible || window.visibility !== Window.Windowed)
            window.showNormal();
    }

    title: "draw"
    screen: targetScreen
    flags: stateFlags()
    color: lead ? lead.color : "transparent"
    // The leading overlay's flags for its state (window flags announce no change).
    function stateFlags() {
        return (passThrough ? Qt.WindowStaysOnTopHint | Qt.WindowTransparentForInput | Qt.FramelessWindowHint : Qt.Window | Qt.FramelessWindowHint | (lead ? lead.toolFlag : Qt.Window)) | (lead ? lead.unmanagedFlag : 0);
    }

    // Leaving pass-through gives the window an X input shape of the size it has then: the
    // window takes its full size first.
    function followState() {
        if (passThrough) {
            window.flags = stateFlags();
            fitCover();
        } else {
            fitCover();
            window.flags = stateFlags();
            cover();
        }
    }
    x: placedArea.x
    y: placedArea.y
    width: placedArea.width
    height: placedArea.height

    onScreenAreaChanged: {
        placementTries = 0;
        fitCover();
    }
    // A screen that went away may come back under its name: its overlay waits unmapped.
    onTargetScreenChanged: {
        if (!targetScreen)
            window.hide();
    }
    onXChanged: settle()
    onYChanged: settle()
    onPassThroughChanged: followState()
    onLeadShownChanged: {
        if (leadShown)
            fitCover();
        else
            window.hide();
    }
    Component.onCompleted: {
        completed = true;
        fitCover();
        if (lead)
            lead.companions = lead.companions.concat([window]);
    }
    Component.onDestruction: {
        if (lead)
            lead.companions = lead.companions.filter(w => w !== window);
    }

    // A window mapped while its screen is still being announced may be taken off
    // the screen (unmapped, iconified or placed aside) by the window manager after
    // every placement above: looked at now and then while the overlay is shown.
    Timer {
        interval: 700
        repeat: true
        running: window.leadShown

        onTriggered: {
            const placed = window.x === window.placedArea.x && window.y === window.placedArea.y && window.width === window.placedArea.width && window.height === window.placedArea.height;
            if (!window.visible || window.visibility === Window.Minimized || !placed)
                window.cover();
        }
    }

    // A drawing that changes in pass-through gets its cover fitted again, once the
    // changes of a moment are over.
    Connections {
        function onDrawingChanged() {
            if (window.coversDrawingOnly())
                refit.restart();
        }

        target: surface.canvas
    }

    Timer {
        id: refit

        interval: 100
        onTriggered: window.fitCover()
    }

    // The screen's content, moved so that the part the window covers shows in it.
    Item {
        x: -window.coverArea.x
        y: -window.coverArea.y
        width: window.screenArea.width
        height: window.screenArea.height

        OverlaySurface {
            id: surface

            anchors.fill: parent
            overlay: window.lead
            cursorBeforeEnter: false
            source: window.lead ? window.lead.painter : null
            origin: Qt.point(window.screenArea.x, window.screenArea.y) // qmllint disable type
        }
    }
}
