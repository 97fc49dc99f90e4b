import QtQuick
import Cpp.MyComponents

// The spotlight on one screen: everything but a circle around the pointer is dimmed; the
// wheel changes the circle on every screen at once. The dimming is tiled, so that a move
// repaints only what the circle leaves and enters (see SpotlightHole).
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
    readonly property bool lit: pointerInside || (overlay !== null && overlay.spotlightScreen === Screen.name)

    SpotlightHole {
        anchors.fill: parent
        lit: layer.lit
        center: layer.pointer
        radius: layer.overlay ? layer.overlay.spotlightRadius : 200
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
