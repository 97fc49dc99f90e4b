import QtQuick
import Cpp.MyComponents

// The spotlight on one screen: everything but a circle around the pointer is dimmed; the
// wheel changes the circle on every screen at once. Only the hole's square is a picture,
// made once per radius; four plain rectangles dim the rest, so a move only moves them.
// A screen the pointer is not over is dimmed whole; over the toolbar the circle stays where
// the pointer left the screen.
Item {
    id: layer

    // The leading overlay, which holds the radius all screens share.
    property var overlay: null
    property point pointer: Qt.point(-1, -1)
    property bool pointerInside: false
    property color dim: Qt.rgba(0, 0, 0, 0.62)
    readonly property real minimumRadius: 40
    readonly property real maximumRadius: 800
    readonly property real ratio: Screen.devicePixelRatio > 0 ? Screen.devicePixelRatio : 1
    readonly property bool lit: pointerInside || (overlay !== null && overlay.spotlightScreen === Screen.name)

    // On whole device pixels, so that the rectangles meet the square without a seam.
    function snapped(value: real): real {
        return Math.round(value * ratio) / ratio;
    }

    SpotlightHole {
        id: hole

        visible: layer.lit
        radius: layer.overlay ? layer.overlay.spotlightRadius : 200
        color: layer.dim
        x: layer.snapped(layer.pointer.x - width / 2)
        y: layer.snapped(layer.pointer.y - height / 2)
    }

    Rectangle {
        // Above the hole, or everything while the pointer is elsewhere.
        width: layer.width
        height: hole.visible ? Math.max(0, hole.y) : layer.height
        color: layer.dim
    }

    Rectangle {
        visible: hole.visible
        y: hole.y + hole.height
        width: layer.width
        height: Math.max(0, layer.height - y)
        color: layer.dim
    }

    Rectangle {
        visible: hole.visible
        y: hole.y
        width: Math.max(0, hole.x)
        height: hole.height
        color: layer.dim
    }

    Rectangle {
        visible: hole.visible
        x: hole.x + hole.width
        y: hole.y
        width: Math.max(0, layer.width - x)
        height: hole.height
        color: layer.dim
    }

    onPointerInsideChanged: {
        if (pointerInside && overlay)
            overlay.spotlightScreen = Screen.name;
    }

    WheelHandler {
        onWheel: event => {
            if (!layer.overlay || event.angleDelta.y === 0)
                return;
            const factor = event.angleDelta.y > 0 ? 1.1 : 1 / 1.1;
            layer.overlay.spotlightRadius = Math.min(layer.maximumRadius, Math.max(layer.minimumRadius, layer.overlay.spotlightRadius * factor));
        }
    }
}
