import QtQuick
import Cpp.MyComponents

// The zoom tool on one screen: a still image of the screen, taken without the drawing,
// magnified about a point that follows the pointer. The surface magnifies its drawing the
// same way (factor about pan) and takes pointer positions back to the screen through
// toScreen(), so every tool draws into the drawing at the screen points under the pen and
// what is drawn stays, at real size, once zoom ends.
Item {
    id: layer

    // The OverlaySurface it magnifies (which loads this document, hence untyped).
    required property var overlaySurface
    readonly property alias factor: view.factor
    readonly property alias pan: view.pan
    // The factor zoom starts with; the wheel changes it.
    property real startFactor: 2
    // Waiting for a frame without the drawing, then for the compositor to show it.
    property bool takingStill: true

    function toScreen(x, y) {
        return view.toScreen(Qt.point(x, y));
    }

    function wheel(x, y, angleDelta) {
        if (view.hasStill)
            view.wheel(Qt.point(x, y), angleDelta);
    }

    function takeStill() {
        if (!takingStill)
            return;
        takingStill = false;
        settle.stop();
        fallback.stop();
        // The drawing stays hidden until the still is there (the portal answers later).
        if (!view.grabScreen())
            overlaySurface.hidingForStill = false;
    }

    anchors.fill: parent

    Component.onCompleted: {
        const start = overlaySurface.pointerInside ? overlaySurface.pointer : Qt.point(width / 2, height / 2);
        view.pan = start;
        view.target = start;
        overlaySurface.hidingForStill = true;
        fallback.start();
    }
    Component.onDestruction: overlaySurface.hidingForStill = false

    ZoomView {
        id: view

        anchors.fill: parent
        visible: hasStill
        // Magnified, the canvas paints the still under its ink: one layer to show.
        canvas: layer.overlaySurface.canvas
        following: !layer.overlaySurface.pointerHeld
        onStillTaken: ok => {
            if (ok)
                view.factor = layer.startFactor;
            layer.overlaySurface.hidingForStill = false;
        }
    }

    // Only where the pointer is: the other screens' views stay where they are.
    Connections {
        function onPointerChanged() {
            if (layer.overlaySurface.pointerInside)
                view.target = layer.overlaySurface.pointer;
        }

        target: layer.overlaySurface
    }

    Connections {
        function onFrameSwapped() {
            if (layer.takingStill && !settle.running)
                settle.start();
        }

        target: layer.Window.window
    }

    Timer {
        id: settle

        interval: 120
        onTriggered: layer.takeStill()
    }

    // A window that draws no frame still gets its still.
    Timer {
        id: fallback

        interval: 500
        onTriggered: layer.takeStill()
    }
}
