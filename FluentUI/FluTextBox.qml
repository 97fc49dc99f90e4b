import QtQuick
import QtQuick.Templates as T

// A single-line text field with the accent line under it while it has the focus.
T.TextField {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, placeholder.implicitWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, contentHeight + topPadding + bottomPadding)
    leftPadding: 10
    rightPadding: 10
    topPadding: 6
    bottomPadding: 6
    font.pixelSize: 14
    color: enabled ? "#1A1A1A" : "#A0A0A0"
    selectionColor: "#0067C0"
    selectedTextColor: "#FFFFFF"
    placeholderTextColor: "#8A8A8A"
    verticalAlignment: TextInput.AlignVCenter
    selectByMouse: true

    Text {
        id: placeholder

        x: control.leftPadding
        y: control.topPadding
        width: control.width - control.leftPadding - control.rightPadding
        height: control.height - control.topPadding - control.bottomPadding
        text: control.placeholderText
        font: control.font
        color: control.placeholderTextColor
        verticalAlignment: control.verticalAlignment
        elide: Text.ElideRight
        visible: !control.length && !control.preeditText
    }

    background: Rectangle {
        implicitWidth: 160
        implicitHeight: 32
        radius: 4
        color: !control.enabled ? "#F5F5F5" : control.activeFocus ? "#FFFFFF" : control.hovered ? "#F6F6F6" : "#FBFBFB"
        border.width: 1
        border.color: "#E0E0E0"

        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.leftMargin: 1
            anchors.rightMargin: 1
            height: control.activeFocus ? 2 : 1
            color: control.activeFocus ? "#0067C0" : "#8A8A8A"
        }
    }
}
