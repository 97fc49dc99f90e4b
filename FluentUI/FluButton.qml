import QtQuick
import QtQuick.Templates as T

// A standard push button; `highlighted` gives the filled accent look of the main action.
T.Button {
    id: control

    property color textColor: highlighted ? "#FFFFFF" : "#1A1A1A"
    property color normalColor: highlighted ? "#0067C0" : "#FBFBFB"
    property color hoverColor: highlighted ? "#1975C5" : "#F3F3F3"
    property color pressedColor: highlighted ? "#3183CA" : "#EDEDED"
    property color disableColor: highlighted ? "#C5C5C5" : "#F5F5F5"

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, implicitContentHeight + topPadding + bottomPadding)
    leftPadding: 14
    rightPadding: 14
    topPadding: 5
    bottomPadding: 5
    focusPolicy: Qt.TabFocus
    font.pixelSize: 14
    // Fluent buttons keep the text's own case, whatever the application style says.
    font.capitalization: Font.MixedCase
    Accessible.name: text
    // Space presses a button already; Enter and Return do too.
    Keys.onReturnPressed: event => control.pressByKey(event)
    Keys.onEnterPressed: event => control.pressByKey(event)

    function pressByKey(event) {
        event.accepted = true;
        if (!event.isAutoRepeat && control.enabled)
            control.clicked();
    }

    contentItem: Text {
        text: control.text
        font: control.font
        color: control.enabled ? control.textColor : (control.highlighted ? "#FFFFFF" : "#A0A0A0")
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        implicitWidth: 64
        implicitHeight: 32
        radius: 4
        color: !control.enabled ? control.disableColor : control.down ? control.pressedColor : control.hovered ? control.hoverColor : control.normalColor
        border.width: control.highlighted ? 0 : 1
        border.color: "#E0E0E0"

        // The keyboard focus ring, just outside the button.
        Rectangle {
            anchors.fill: parent
            anchors.margins: -3
            visible: control.visualFocus
            radius: parent.radius + 3
            color: "transparent"
            border.width: 2
            border.color: "#1A1A1A"
        }

        // The darker lower edge of a raised control.
        Rectangle {
            visible: !control.highlighted && control.enabled && !control.down
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.leftMargin: parent.radius
            anchors.rightMargin: parent.radius
            height: 1
            color: "#CDCDCD"
        }
    }
}
