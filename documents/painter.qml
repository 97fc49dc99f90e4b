import QtQuick
import QtQuick.Controls
import Cpp.MyComponents

// A bare window hosting the canvas until the toolbar exists: draw with the left
// button, Ctrl+Z undoes and Ctrl+Y redoes.
ApplicationWindow {
    id: root

    width: 1024
    height: 700
    visible: true
    title: "Quillmark"

    MyPainter {
        id: painter

        anchors.fill: parent
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton
        onPressed: mouse => painter.beginPaint(Qt.point(mouse.x, mouse.y))
        onPositionChanged: mouse => painter.movePaint(Qt.point(mouse.x, mouse.y), mouse.modifiers & Qt.ShiftModifier)
    }

    Shortcut {
        sequence: StandardKey.Undo
        onActivated: painter.undo()
    }

    Shortcut {
        sequence: StandardKey.Redo
        onActivated: painter.redo()
    }
}
