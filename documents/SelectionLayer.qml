import QtQuick
import Cpp.MyComponents

// The selection tool on one view of the drawing: what its pointer gestures do, and what
// it shows over the drawing, which is never part of it (not exported, not saved): the
// selection's outline with a square handle at each corner, and the rectangle being
// dragged open. Points are the canvas's item points.
Item {
    id: layer

    property MyPainter canvas: null
    // The toolbar's colours: its orange mark and its white panel.
    readonly property color accent: "#F25017"
    readonly property color panel: "#FFFFFF"
    readonly property rect selection: canvas ? canvas.selectionRect : Qt.rect(0, 0, 0, 0)
    readonly property bool shown: selection.width > 0 && selection.height > 0
    // The gesture in progress: moving the selection, or opening a rectangle.
    property bool moving: false
    property bool opening: false
    property point pressedAt: Qt.point(0, 0)
    property point lastAt: Qt.point(0, 0)
    property rect band: Qt.rect(0, 0, 0, 0)

    // Whether p lies on the selection: a press there moves it.
    function over(p) {
        return shown && p.x >= selection.x && p.x <= selection.x + selection.width && p.y >= selection.y && p.y <= selection.y + selection.height;
    }

    // On the selection, or on an element (which then becomes the selection), a drag moves
    // it; elsewhere the selection goes and the drag opens a rectangle that selects what
    // lies within it.
    function press(p) {
        pressedAt = p;
        lastAt = p;
        if (over(p) || canvas.selectAt(p)) {
            moving = canvas.beginMove();
            return;
        }
        canvas.clearSelection();
        opening = true;
        band = Qt.rect(p.x, p.y, 0, 0);
    }

    function move(p) {
        lastAt = p;
        if (moving) {
            canvas.moveSelection(Qt.point(p.x - pressedAt.x, p.y - pressedAt.y));
        } else if (opening) {
            band = Qt.rect(Math.min(p.x, pressedAt.x), Math.min(p.y, pressedAt.y), Math.abs(p.x - pressedAt.x), Math.abs(p.y - pressedAt.y));
        }
    }

    function release(p) {
        move(p);
        if (moving) {
            moving = false;
            canvas.endMove();
            // A click without a drag picks the element under it (or nothing) alone, also
            // inside a selection of several.
            if (p.x === pressedAt.x && p.y === pressedAt.y)
                canvas.selectAt(p);
        } else if (opening) {
            opening = false;
            if (band.width > 2 || band.height > 2)
                canvas.selectIn(band);
            band = Qt.rect(0, 0, 0, 0);
        }
    }

    // The pointer was taken away mid-gesture (a window came up): what was moved stays moved.
    function cancel() {
        if (moving || opening)
            release(lastAt);
    }

    // An inline component sees none of the layer's ids: it keeps its own sizes and colours.
    component Handle: Rectangle {
        width: 9
        height: 9
        color: "#FFFFFF"
        border.color: "#F25017"
        border.width: 2
    }

    Rectangle {
        objectName: "selectionOutline"
        visible: layer.shown
        x: layer.selection.x - 3
        y: layer.selection.y - 3
        width: layer.selection.width + 6
        height: layer.selection.height + 6
        color: "transparent"
        border.color: layer.accent
        border.width: 2

        // A white line inside the orange one keeps it visible on orange and on dark ink.
        Rectangle {
            anchors.fill: parent
            anchors.margins: 2
            color: "transparent"
            border.color: layer.panel
            border.width: 1
        }

        // The handles, centred on the corners.
        Handle {
            x: -Math.floor(width / 2)
            y: -Math.floor(height / 2)
        }

        Handle {
            x: parent.width - Math.ceil(width / 2)
            y: -Math.floor(height / 2)
        }

        Handle {
            x: -Math.floor(width / 2)
            y: parent.height - Math.ceil(height / 2)
        }

        Handle {
            x: parent.width - Math.ceil(width / 2)
            y: parent.height - Math.ceil(height / 2)
        }
    }

    Rectangle {
        objectName: "selectionBand"
        visible: layer.opening && (layer.band.width > 0 || layer.band.height > 0)
        x: layer.band.x
        y: layer.band.y
        width: layer.band.width
        height: layer.band.height
        color: Qt.rgba(layer.accent.r, layer.accent.g, layer.accent.b, 0.12)
        border.color: layer.accent
        border.width: 1
    }
}
