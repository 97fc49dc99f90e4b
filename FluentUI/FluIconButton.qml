import QtQuick
import QtQuick.Templates as T

// A flat button showing one FluentIcons icon; `text` is its tooltip-free accessible name.
T.Button {
    id: control

    property int iconSource: FluentIcons.Cancel
    property int iconSize: 14
    property color iconColor: enabled ? "#1A1A1A" : "#A0A0A0"
    property color hoverColor: "#0F000000"
    property color pressedColor: "#18000000"
    property int radius: 4

    implicitWidth: 30
    implicitHeight: 30
    padding: 0
    focusPolicy: Qt.TabFocus
    display: T.AbstractButton.IconOnly
    Accessible.name: text
    Keys.onReturnPressed: event => control.pressByKey(event)
    Keys.onEnterPressed: event => control.pressByKey(event)

    function pressByKey(event) {
        event.accepted = true;
        if (!event.isAutoRepeat && control.enabled)
            control.clicked();
    }

    contentItem: FluIcon {
        iconSource: control.iconSource
        iconSize: control.iconSize
        iconColor: control.iconColor
    }

    background: Rectangle {
        radius: control.radius
        color: control.down ? control.pressedColor : control.hovered ? control.hoverColor : "transparent"
        border.width: control.visualFocus ? 2 : 0
        border.color: "#1A1A1A"
    }
}
