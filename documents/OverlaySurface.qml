import QtQuick
import Cpp.MyComponents
import "icons.js" as Icons

// What an overlay shows on one screen: a view of the drawing with the pointer
// handling and the cursor image. Every screen's overlay holds one; all of them
// show the drawing of the overlay that leads (draw.qml), in desktop coordinates.
Item {
    id: surface

    // The leading overlay (draw.qml): text mode, pass-through, the text dialog.
    property var overlay: null
    // The canvas whose drawing this one shows; null keeps a drawing of its own.
    property alias source: canvas.source
    // Desktop position of the surface's top-left: the position of its screen, which is
    // in the desktop's device pixels.
    property point origin: Qt.point(0, 0)
    // Device pixels per unit of the drawing, the same on every screen: the drawing is one
    // plane across screens of different scales, and each view shows it at its own.
    readonly property real drawingUnit: overlay && overlay.drawingUnit > 0 ? overlay.drawingUnit : 1
    readonly property real screenRatio: Screen.devicePixelRatio > 0 ? Screen.devicePixelRatio : 1
    // The background picture layer when this screen shows it, else null.
    property Item picture: null
    readonly property alias canvas: canvas
    // Whether the cursor image shows before the pointer first enters: the
    // overlays of other screens keep it hidden, else it waits in their corner.
    property bool cursorBeforeEnter: true
    readonly property bool textInputMode: overlay ? overlay.textInputMode : false
    readonly property bool ct: overlay ? overlay.ct : false
    // Mouse strokes are smoothed unless switched off; pen and touch strokes, already steady,
    // only when switched on.
    readonly property bool smoothMouse: overlay ? overlay.smoothMouse : true
    readonly property bool smoothPen: overlay ? overlay.smoothPen : false
    readonly property string presenterTool: overlay ? overlay.presenterTool : ""
    // Whether a press starts an element: the laser and the spotlight only point.
    readonly property bool drawingTool: presenterTool !== "laser" && presenterTool !== "spotlight"
    // The selection tool is in use: presses select and move instead of drawing.
    readonly property bool selecting: canvas.drawMode === MyPainter.SelectMode && drawingTool && !textInputMode
    // The pointer over this surface, unthrottled, for the presenter tools.
    readonly property alias pointer: pointerArea.pointer
    readonly property alias pointerInside: pointerArea.containsMouse
    // A button is held on the surface (a stroke is being drawn).
    readonly property alias pointerHeld: pointerArea.pressed
    // Zoom hides the drawing and the cursor image while it takes its still image.
    property bool hidingForStill: false
    // The zoom tool's layer while zoom is on, else null.
    readonly property ZoomLayer zoom: zoomLoader.item as ZoomLayer

    // The keyboard goes to the pen keys (colours, sizes, the keyboard pen).
    function takeKeys() {
        penKeys.forceActiveFocus();
    }

    // Whether the stroke this press begins is smoothed: a touch or pen press arrives as a
    // mouse press made from it (a tablet pen's, on X11 and Windows, as one not synthesized:
    // the canvas tells it from the pen event before it).
    function smoothed(mouse: var): bool {
        return mouse.source === Qt.MouseEventNotSynthesized && !canvas.fromPen() ? smoothMouse : smoothPen;
    }

    // A point of the pointer in the canvas's coordinates. Held down, the pointer
    // stays with this surface beyond its screen's edge, and its positions there go
    // on in this surface's own coordinates, which the canvas takes to the one plane
    // of the drawing: every point of a gesture in one item space, whatever the scale
    // of the screen under it.
    function canvasPoint(x, y) {
        if (!zoom)
            return Qt.point(x, y);
        return zoom.toScreen(x, y);
    }

    // The part of the surface an overlay passing clicks through keeps where the
    // compositor ignores input shapes: the drawing's extent with the given rectangles
    // (the picture, messages), within the surface; one pixel in the corner when that
    // is nothing.
    function drawnArea(extras) {
        let area = canvas.drawingRect();
        for (const extra of extras) {
            if (extra.width <= 0 || extra.height <= 0)
                continue;
            if (area.width <= 0 || area.height <= 0) {
                area = extra;
                continue;
            }
            const left = Math.min(area.x, extra.x);
            const top = Math.min(area.y, extra.y);
            area = Qt.rect(left, top, Math.max(area.x + area.width, extra.x + extra.width) - left, Math.max(area.y + area.height, extra.y + extra.height) - top);
        }
        const left = Math.max(0, Math.floor(area.x));
        const top = Math.max(0, Math.floor(area.y));
        const right = Math.min(width, Math.ceil(area.x + area.width));
        const bottom = Math.min(height, Math.ceil(area.y + area.height));
        return right > left && bottom > top ? Qt.rect(left, top, right - left, bottom - top) : Qt.rect(0, 0, 1, 1);
    }

    // Under the drawing, which it magnifies (see the canvas's zoom).
    Loader {
        id: zoomLoader

        anchors.fill: parent
        active: surface.presenterTool === "zoom"

        sourceComponent: ZoomLayer {
            overlaySurface: surface // qmllint disable unqualified
        }
    }

    MyPainter {
        id: canvas

        anchors.fill: parent
        visible: !surface.hidingForStill
        viewOrigin: Qt.point(surface.origin.x / surface.drawingUnit, surface.origin.y / surface.drawingUnit)
        viewScale: surface.screenRatio / surface.drawingUnit
        // Magnified by the canvas itself, from the elements: crisp at any factor.
        zoomFactor: surface.zoom ? surface.zoom.factor : 1
        zoomPan: surface.zoom ? surface.zoom.pan : Qt.point(0, 0)
        onImageSaveFailed: reason => surface.overlay.showError(qsTr("图片导出失败：") + reason, 6000)

        onEraserModeChanged: {
            cursorLoader.active = false;
            cursorLoader.active = true;
        }
    }

    // QT_LOGGING_RULES="quillmark.pointer.debug=true" logs each press, release and lost
    // grab of the overlay: what a gesture drawn wrong really received.
    LoggingCategory {
        id: pointerLog

        name: "quillmark.pointer"
        defaultLogLevel: LoggingCategory.Warning
    }

    MouseArea {
        id: pointerArea

        property point lastPosition: Qt.point(0, 0)
        property point pointer: Qt.point(-1, -1)
        property bool ctrlDragActive: false
        // XWayland reports a pointer that comes from a native window first at a corner of
        // the window, then the press there too; the moves after it are right again. Such a
        // press starts its stroke at the first move instead of the corner, unless that move
        // lies near the press: then the pointer only moved fast, and the press was real.
        readonly property bool xwayland: surface.overlay !== null && surface.overlay.session.xwayland
        property point lastHover: Qt.point(-1, -1)
        property bool pressUnsure: false
        property bool beginPending: false
        property point pendingPress: Qt.point(0, 0)
        readonly property bool pictureShown: surface.picture !== null && surface.picture.visible

        anchors.fill: canvas
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        hoverEnabled: true
        cursorShape: surface.textInputMode ? Qt.IBeamCursor : surface.selecting ? (selectionLayer.over(surface.canvasPoint(pointer.x, pointer.y)) ? Qt.SizeAllCursor : Qt.ArrowCursor) : Qt.BlankCursor

        onPressed: mouse => {
            console.debug(pointerLog, "press", mouse.button, Math.round(mouse.x), Math.round(mouse.y));
            penKeys.forceActiveFocus();
            lastPosition = Qt.point(mouse.x, mouse.y);
            if ((mouse.modifiers & Qt.ControlModifier) && pictureShown) {
                ctrlDragActive = true;
                return;
            }
            if (mouse.button === Qt.LeftButton && surface.selecting) {
                selectionLayer.press(surface.canvasPoint(mouse.x, mouse.y));
                return;
            }
            if (mouse.button === Qt.LeftButton && !surface.textInputMode && surface.drawingTool) {
                if (pressUnsure) {
                    beginPending = true;
                    pendingPress = Qt.point(mouse.x, mouse.y);
                } else
                    canvas.beginPaint(surface.canvasPoint(mouse.x, mouse.y), surface.smoothed(mouse));
            }
        }
        onPositionChanged: mouse => {
            if (xwayland && !(mouse.buttons & Qt.LeftButton)) {
                const jump = Math.abs(mouse.x - lastHover.x) + Math.abs(mouse.y - lastHover.y);
                pressUnsure = lastHover.x >= 0 && jump > 60;
                lastHover = Qt.point(mouse.x, mouse.y);
            }
            if (beginPending && (mouse.buttons & Qt.LeftButton)) {
                beginPending = false;
                const real = Math.abs(mouse.x - pendingPress.x) + Math.abs(mouse.y - pendingPress.y) <= 60;
                const from = real ? pendingPress : Qt.point(mouse.x, mouse.y);
                canvas.beginPaint(surface.canvasPoint(from.x, from.y), surface.smoothed(mouse));
            }
            pointer = Qt.point(mouse.x, mouse.y);
            // Every move, however close to the last: the scene draws once a frame anyway, and
            // a skipped last move left the pen drawn where the pointer no longer was.
            cursorImage.x = mouse.x - 16;
            cursorImage.y = mouse.y - 16;
            if (ctrlDragActive && pictureShown) {
                surface.picture.x += mouse.x - lastPosition.x;
                surface.picture.y += mouse.y - lastPosition.y;
                lastPosition = Qt.point(mouse.x, mouse.y);
                return;
            }
            if (surface.selecting && (mouse.buttons & Qt.LeftButton)) {
                selectionLayer.move(surface.canvasPoint(mouse.x, mouse.y));
                return;
            }
            if (!surface.textInputMode && surface.drawingTool && (mouse.buttons & Qt.LeftButton))
                canvas.movePaint(surface.canvasPoint(mouse.x, mouse.y), (mouse.modifiers & Qt.ShiftModifier) !== 0);
        }
        onReleased: mouse => {
            console.debug(pointerLog, "release", mouse.button, Math.round(mouse.x), Math.round(mouse.y));
            pressUnsure = false;
            if (beginPending) {
                beginPending = false;
                canvas.beginPaint(surface.canvasPoint(mouse.x, mouse.y), surface.smoothed(mouse));
            }
            if (ctrlDragActive) {
                ctrlDragActive = false;
                return;
            }
            if (mouse.button === Qt.LeftButton && surface.selecting) {
                selectionLayer.release(surface.canvasPoint(mouse.x, mouse.y));
                return;
            }
            // Every gesture ends with its release, freehand too: until then the drawing
            // counts as being drawn.
            if (mouse.button === Qt.LeftButton && !surface.textInputMode && surface.drawingTool)
                canvas.endPaint(surface.canvasPoint(mouse.x, mouse.y), (mouse.modifiers & Qt.ShiftModifier) !== 0);
        }
        onClicked: mouse => {
            if (!surface.drawingTool) {
                surface.overlay.clickDrawWin();
                return;
            }
            if (surface.textInputMode) {
                surface.overlay.placeText(surface.canvasPoint(mouse.x, mouse.y), canvas, Qt.point(mouse.x, mouse.y));
                return;
            }
            surface.overlay.clickDrawWin();
            if (mouse.button === Qt.RightButton && canvas.deleteElement(surface.canvasPoint(mouse.x, mouse.y), 10))
                console.log("Element deleted");
        }
        onWheel: wheel => {
            if ((wheel.modifiers & Qt.ControlModifier) && !pictureShown && wheel.angleDelta.y !== 0) {
                penKeys.resize(wheel.angleDelta.y > 0 ? 1 : -1);
                return;
            }
            if (surface.zoom && !(wheel.modifiers & Qt.ControlModifier)) {
                surface.zoom.wheel(wheel.x, wheel.y, wheel.angleDelta.y);
                return;
            }
            if (!(wheel.modifiers & Qt.ControlModifier) || !pictureShown) {
                wheel.accepted = false;
                return;
            }
            const factor = wheel.angleDelta.y > 0 ? 1.1 : 0.9;
            const newWidth = surface.picture.width * factor;
            const newHeight = surface.picture.height * factor;
            if (newWidth >= 50 && newHeight >= 50) {
                surface.picture.width = newWidth;
                surface.picture.height = newHeight;
            }
            wheel.accepted = true;
        }
        onEntered: {
            lastHover = Qt.point(mouseX, mouseY);
            cursorImage.visible = !surface.textInputMode;
        }
        onExited: cursorImage.visible = false
        onCanceled: {
            console.debug(pointerLog, "grab lost");
            selectionLayer.cancel();
        }
    }

    // Over the drawing it belongs to; magnified by the zoom, the drawing moves from under it.
    SelectionLayer {
        id: selectionLayer

        anchors.fill: canvas
        canvas: surface.canvas
        visible: !surface.zoom && !surface.hidingForStill
    }

    // The presenter tools' pictures over the drawing, for the tool in use. The qmllint of
    // Qt 6.4 takes the surface's id inside a component for unqualified.
    // qmllint disable unqualified
    Loader {
        anchors.fill: parent
        active: surface.presenterTool === "laser"

        sourceComponent: LaserLayer {
            pointer: surface.pointer
            pointerInside: surface.pointerInside
        }
    }

    Loader {
        anchors.fill: parent
        active: surface.presenterTool === "spotlight"

        sourceComponent: SpotlightLayer {
            overlay: surface.overlay
            pointer: surface.pointer
            pointerInside: surface.pointerInside
        }
    }

    // qmllint enable unqualified
    PenKeys {
        id: penKeys

        anchors.fill: parent
        z: 90
        surface: surface
    }

    // Stands in for the system cursor: a pen, or an eraser while erasing; the laser's dot
    // is the cursor while it shows.
    Item {
        id: cursorImage

        z: 100
        width: 32
        height: 32
        visible: surface.cursorBeforeEnter && !surface.textInputMode

        Loader {
            id: cursorLoader

            anchors.fill: parent
            visible: !surface.ct && surface.presenterTool !== "laser" && !surface.hidingForStill && !surface.selecting
            sourceComponent: canvas.isEraserMode ? eraserCursor : penCursor
        }

        Component {
            id: penCursor

            Image {
                width: 32
                height: 32
                source: Icons.drawingOn
                fillMode: Image.PreserveAspectFit
            }
        }

        Component {
            id: eraserCursor

            Image {
                width: 32
                height: 32
                source: Icons.eraser
                fillMode: Image.PreserveAspectFit
            }
        }
    }
}
