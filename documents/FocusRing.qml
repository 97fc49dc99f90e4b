import QtQuick

// The ring around a control that has the keyboard focus, just outside it.
Rectangle {
    // The control it marks; the ring is its child.
    property Item target: parent

    anchors.fill: parent
    anchors.margins: -3
    // Controls tell keyboard focus from a click's (visualFocus); plain items cannot.
    visible: target !== null && (target.visualFocus !== undefined ? target.visualFocus : target.activeFocus) // qmllint disable
    radius: target && target.radius !== undefined ? target.radius + 3 : 3 // qmllint disable
    color: "transparent"
    border.width: 2
    border.color: "#1A1A1A"
    Accessible.ignored: true
}
