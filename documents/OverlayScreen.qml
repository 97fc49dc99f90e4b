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
        if (window.x !== screenArea.x || window.y !== screenArea.y) {
            placementTries += 1;
            Qt.callLater(cover);
        }
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
        window.x = screenArea.x;
        window.y = screenArea.y;
        window.width = screenArea.width;
        window.height = screenArea.height;
        if (!window.visible || window.visibility !== Window.Windowed)
            window.showNormal();
    }

    title: "draw"
    screen: targetScreen
    color: lead ? lead.color : "transparent"
    // The leading overlay's flags for its state (window flags announce no change).
    flags: (passThrough ? Qt.WindowStaysOnTopHint | Qt.WindowTransparentForInput | Qt.FramelessWindowHint : Qt.Window | Qt.FramelessWindowHint | (lead ? lead.toolFlag : Qt.Window)) | (lead ? lead.unmanagedFlag : 0)
    x: screenArea.x
    y: screenArea.y
    width: screenArea.width
    height: screenArea.height

    onScreenAreaChanged: {
        placementTries = 0;
        cover();
    }
    // A screen that went away may come back under its name: its overlay waits unmapped.
    onTargetScreenChanged: {
        if (!targetScreen)
            window.hide();
    }
    onXChanged: settle()
    onYChanged: settle()
    onPassThroughChanged: cover()
    onLeadShownChanged: {
        if (leadShown)
            cover();
        else
            window.hide();
    }
    Component.onCompleted: {
        completed = true;
        cover();
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
            const placed = window.x === window.screenArea.x && window.y === window.screenArea.y && window.width === window.screenArea.width && window.height === window.screenArea.height;
            if (!window.visible || window.visibility === Window.Minimized || !placed)
                window.cover();
        }
    }

    OverlaySurface {
        id: surface

        anchors.fill: parent
        overlay: window.lead
        cursorBeforeEnter: false
        source: window.lead ? window.lead.painter : null
        origin: Qt.point(window.screenArea.x, window.screenArea.y) // qmllint disable type
    }
}
