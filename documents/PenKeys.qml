import QtQuick
import Cpp.MyComponents

// Colour and size from the keyboard while an overlay has the focus (these are no
// system-wide keys): a letter picks a colour of the palette, [ and ] (or Ctrl+wheel)
// make the pen thinner or thicker (and restyle what is selected), Esc stops opening a
// drawing, leaves a presenter tool or drops the selection, Delete removes what is
// selected, the arrows nudge it. What changed shows for a moment beside the pointer.
// The keyboard pen draws without a pointer: the arrows move a cross (8 px, with
// Shift 40 px), Space puts the pen down and lifts it again, Enter places text or
// a numbered circle where the cross is (once it shows).
Item {
    id: keys

    // The surface (OverlaySurface.qml) whose pen and pointer these keys follow.
    property var surface: null
    readonly property MyPainter painter: surface ? surface.canvas : null
    // A letter's colour. "k" is black as in printing, "w" white for a black board.
    readonly property var palette: ({
            "r": "#FF0000",
            "g": "#00B050",
            "b": "#1E6FFF",
            "y": "#FFD400",
            "o": "#FF8C00",
            "p": "#9B30D9",
            "k": "#000000",
            "w": "#FFFFFF"
        })
    readonly property int smallestSize: 1
    readonly property int largestSize: 60
    readonly property alias feedback: feedback
    // Where the keyboard pen is, in the surface's coordinates, and whether it is down.
    property point penAt: Qt.point(-1, -1)
    property bool penDown: false
    readonly property bool penShown: penAt.x >= 0

    // Moves the keyboard pen; the first move starts it at the pointer, or in the middle.
    function movePen(dx, dy) {
        if (!painter)
            return;
        if (!penShown)
            penAt = surface.pointerInside && surface.pointer.x >= 0 ? surface.pointer : Qt.point(Math.round(surface.width / 2), Math.round(surface.height / 2));
        else
            penAt = Qt.point(Math.max(0, Math.min(surface.width - 1, penAt.x + dx)), Math.max(0, Math.min(surface.height - 1, penAt.y + dy)));
        if (penDown)
            painter.movePaint(surface.canvasPoint(penAt.x, penAt.y), false);
    }

    // An arrow key: with the selection tool it nudges what is selected by a pixel (with
    // Shift 10), one undoable step each; else it moves the keyboard pen.
    function step(dx, dy, modifiers) {
        if (painter && surface.selecting && painter.hasSelection) {
            const by = (modifiers & Qt.ShiftModifier) ? 10 : 1;
            painter.beginMove();
            painter.moveSelection(Qt.point(Math.sign(dx) * by, Math.sign(dy) * by));
            painter.endMove();
            return;
        }
        movePen(dx, dy);
    }

    // As a press and a release of the left button do.
    function togglePen() {
        if (!painter || !surface.drawingTool || surface.textInputMode)
            return;
        if (!penShown)
            movePen(0, 0);
        const at = surface.canvasPoint(penAt.x, penAt.y);
        if (!penDown) {
            painter.beginPaint(at);
            penDown = true;
            return;
        }
        penDown = false;
        // Every gesture ends, freehand too: until then the drawing counts as being drawn
        // and the next one cannot start.
        painter.endPaint(at, false);
    }

    // Enter: text where the cross is in text mode, else a dot or a numbered circle.
    function placeAtPen() {
        if (!painter || !surface.drawingTool)
            return;
        if (!penShown)
            movePen(0, 0);
        if (surface.textInputMode) {
            surface.overlay.placeText(surface.canvasPoint(penAt.x, penAt.y), painter, penAt);
            return;
        }
        if (penDown)
            togglePen();
        togglePen();
        // A pen leaves a dot only once it moves.
        painter.movePaint(surface.canvasPoint(penAt.x, penAt.y), false);
        togglePen();
    }

    // One step of the pen size: fine steps while the pen is thin.
    function resize(direction) {
        if (!painter)
            return;
        const size = painter.penSize;
        const step = size < 6 ? 1 : size < 20 ? 2 : 5;
        painter.penSize = Math.max(smallestSize, Math.min(largestSize, size + direction * step));
        if (painter.hasSelection)
            painter.resizeSelection(painter.penSize);
        showFeedback();
    }

    function pickColour(letter) {
        if (!painter || !(letter in palette))
            return false;
        painter.penColor = palette[letter];
        if (painter.hasSelection)
            painter.recolourSelection(painter.penColor);
        showFeedback();
        return true;
    }

    function showFeedback() {
        const at = surface && surface.pointerInside ? surface.pointer : Qt.point(surface.width / 2, surface.height / 2);
        feedback.x = Math.min(at.x + 24, surface.width - feedback.width);
        feedback.y = Math.min(at.y + 24, surface.height - feedback.height);
        feedback.opacity = 1;
        fadeDelay.restart();
    }

    focus: true
    Keys.onPressed: event => {
        if (event.key === Qt.Key_Escape) {
            // A drawing being opened is stopped first, as the panel's button does.
            if (keys.painter && keys.painter.loading) {
                keys.painter.cancelLoading();
                event.accepted = true;
            } else if (keys.surface.overlay && keys.surface.overlay.presenterTool !== "") {
                keys.surface.overlay.presenterTool = "";
                event.accepted = true;
            } else if (keys.painter && keys.painter.hasSelection) {
                keys.painter.clearSelection();
                event.accepted = true;
            }
            return;
        }
        // Delete and Backspace remove what is selected, as one undoable step.
        if ((event.key === Qt.Key_Delete || event.key === Qt.Key_Backspace) && keys.painter && keys.painter.hasSelection) {
            keys.painter.deleteSelection();
            event.accepted = true;
            return;
        }
        if (event.modifiers & (Qt.ControlModifier | Qt.AltModifier | Qt.MetaModifier))
            return;
        const step = (event.modifiers & Qt.ShiftModifier) ? 40 : 8;
        switch (event.key) {
        case Qt.Key_BracketLeft:
        case Qt.Key_BracketRight:
            keys.resize(event.key === Qt.Key_BracketRight ? 1 : -1);
            break;
        case Qt.Key_Left:
            keys.step(-step, 0, event.modifiers);
            break;
        case Qt.Key_Right:
            keys.step(step, 0, event.modifiers);
            break;
        case Qt.Key_Up:
            keys.step(0, -step, event.modifiers);
            break;
        case Qt.Key_Down:
            keys.step(0, step, event.modifiers);
            break;
        case Qt.Key_Space:
            if (!event.isAutoRepeat)
                keys.togglePen();
            break;
        case Qt.Key_Return:
        case Qt.Key_Enter:
            // Only where the cross already shows: the Enter that closed a dialog
            // must not leave dots where the pointer happens to be.
            if (!keys.penShown) {
                event.accepted = false;
                return;
            }
            if (!event.isAutoRepeat)
                keys.placeAtPen();
            break;
        default:
            event.accepted = keys.pickColour(event.text.toLowerCase());
            return;
        }
        event.accepted = true;
    }

    // The keyboard pen: a cross, filled while the pen is down.
    Item {
        objectName: "keyboardPen"
        visible: keys.penShown
        x: keys.penAt.x - width / 2
        y: keys.penAt.y - height / 2
        width: 24
        height: 24

        Rectangle {
            anchors.centerIn: parent
            width: parent.width
            height: 2
            color: keys.painter ? keys.painter.penColor : "red"
        }

        Rectangle {
            anchors.centerIn: parent
            width: 2
            height: parent.height
            color: keys.painter ? keys.painter.penColor : "red"
        }

        Rectangle {
            anchors.centerIn: parent
            width: 10
            height: 10
            radius: 5
            color: keys.penDown ? (keys.painter ? keys.painter.penColor : "red") : "transparent"
            border.color: "#FFFFFF"
            border.width: 1
        }
    }

    // The pen as it now is: a dot of its colour and width, and the width in pixels.
    Rectangle {
        id: feedback

        width: sample.width + label.implicitWidth + 24
        height: Math.max(sample.height, label.implicitHeight) + 12
        radius: 6
        color: "#E6202020"
        opacity: 0
        visible: opacity > 0

        Behavior on opacity  {
            NumberAnimation {
                duration: 250
            }
        }

        Rectangle {
            id: sample

            x: 8
            anchors.verticalCenter: parent.verticalCenter
            width: Math.max(keys.painter ? keys.painter.penSize : 1, 6)
            height: width
            radius: width / 2
            color: keys.painter ? keys.painter.penColor : "red"
            border.color: "#80FFFFFF"
            border.width: 1
        }

        Text {
            id: label

            anchors.left: sample.right
            anchors.leftMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            color: "white"
            font.pixelSize: 14
            text: keys.painter ? qsTr("%1 像素").arg(keys.painter.penSize) : ""
        }
    }

    Timer {
        id: fadeDelay

        interval: 1200
        onTriggered: feedback.opacity = 0
    }
}
