import QtQuick
import Cpp.MyComponents

// The laser pointer on one screen: the dot stands in for the cursor and leaves a trail
// that fades within a second. A picture only, never part of the drawing.
Item {
    id: layer

    // The pointer in the layer's coordinates, and whether it is over this screen.
    property point pointer: Qt.point(-1, -1)
    property bool pointerInside: false

    LaserPointer {
        anchors.fill: parent
        position: layer.pointer
        pointerInside: layer.pointerInside
    }
}
