import QtQuick
import Cpp.MyComponents

// Colour and size from the keyboard while an overlay has the focus (these are no
// system-wide keys): a letter picks a colour of the palette, [ and ] (or Ctrl+wheel)
// make the pen thinner or thicker, Esc leaves a presenter tool. What changed shows
// for a moment beside the pointer.
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

    // One step of the pen size: fine steps while the pen is thin.
    function resize(direction) {
        if (!painter)
            return;
        const size = painter.penSize;
        const step = size < 6 ? 1 : size < 20 ? 2 : 5;
        painter.penSize = Math.max(smallestSize, Math.min(largestSize, size + direction * step));
        showFeedback();
    }

    function pickColour(letter) {
        if (!painter || !(letter in palette))
            return false;
        painter.penColor = palette[letter];
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
            if (keys.surface.overlay && keys.surface.overlay.presenterTool !== "") {
                keys.surface.overlay.presenterTool = "";
                event.accepted = true;
            }
            return;
        }
        if (event.modifiers & (Qt.ControlModifier | Qt.AltModifier | Qt.MetaModifier))
            return;
        if (event.key === Qt.Key_BracketLeft || event.key === Qt.Key_BracketRight) {
            keys.resize(event.key === Qt.Key_BracketRight ? 1 : -1);
            event.accepted = true;
            return;
        }
        event.accepted = keys.pickColour(event.text.toLowerCase());
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
