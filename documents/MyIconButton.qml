import QtQuick
import QtQuick.Controls
import "icons.js" as Icons

// The square icon button of the toolbar and of the chooser pop-ups.
Rectangle {
    id: control

    property alias img_src: icon.source
    property alias btn_txt: caption.text
    property bool textVisible: false
    // Shows the small corner triangle of buttons that open a chooser.
    property bool showRBIcon: false
    property bool isBackTransparent: false
    property real miniSize: 1.0
    // Blocks clicks, presses and releases; hover and moves are still reported.
    property bool enableEvent: false
    property bool isMoveStyle: false
    property string toolTipText: ""
    property alias toolTip: tip
    property color clr_enter: "#dcdcdc"
    property color clr_exit: "#ffffff"
    property color clr_click: "#aba9b2"
    // What a screen reader says for the button; a named button also takes the
    // keyboard focus and shows a focus ring while it has it.
    property string accessibleName: ""
    property string accessibleDescription: ""
    // A switch (eraser, drawing) reports whether it is on.
    property bool checkable: false
    property bool checked: false

    signal clickedLeft
    // Enter, Return or Space while the button has the focus, or the screen
    // reader's press action; the owner decides what it does, blocked or not.
    signal activated
    signal clickedRight
    signal pressed(var mouse)
    signal release(var mouse)
    signal positionChanged(var mouse)
    signal entered
    signal exited

    // Held keys repeat; one press acts once.
    function keyActivate(event) {
        event.accepted = true;
        if (!event.isAutoRepeat && !(event.modifiers & (Qt.ControlModifier | Qt.AltModifier | Qt.MetaModifier)))
            control.activated();
    }

    width: 50
    height: 50
    radius: 5
    color: "white"
    activeFocusOnTab: accessibleName !== ""
    Accessible.role: Accessible.Button
    Accessible.name: accessibleName !== "" ? accessibleName : toolTipText
    Accessible.description: accessibleDescription
    Accessible.focusable: activeFocusOnTab
    Accessible.checkable: checkable
    Accessible.checked: checked
    Accessible.onPressAction: control.activated()
    Keys.onReturnPressed: event => control.keyActivate(event)
    Keys.onEnterPressed: event => control.keyActivate(event)
    Keys.onSpacePressed: event => control.keyActivate(event)

    Image {
        id: icon

        anchors.centerIn: parent
        width: control.width * control.miniSize
        height: control.height * control.miniSize
        source: Icons.logo
        fillMode: Image.PreserveAspectFit
        clip: true
        smooth: true
        mipmap: true
    }

    Text {
        id: caption

        anchors.top: icon.bottom
        anchors.topMargin: 2
        anchors.horizontalCenter: parent.horizontalCenter
        visible: control.textVisible
        text: "button"
        font.bold: true
        font.pointSize: 5
    }

    MouseArea {
        id: mouseArea

        anchors.fill: parent
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        hoverEnabled: true
        cursorShape: Qt.OpenHandCursor

        onClicked: mouse => {
            if (control.enableEvent)
                return;
            if (mouse.button === Qt.LeftButton)
                control.clickedLeft();
            else if (mouse.button === Qt.RightButton)
                control.clickedRight();
        }
        onPressed: mouse => {
            if (control.enableEvent)
                return;
            control.pressed(mouse);
            if (!control.isBackTransparent)
                control.color = control.clr_click;
            if (control.isMoveStyle)
                cursorShape = Qt.ClosedHandCursor;
        }
        onReleased: mouse => {
            if (control.enableEvent)
                return;
            if (control.isMoveStyle)
                cursorShape = Qt.OpenHandCursor;
            if (!control.isBackTransparent)
                control.color = control.clr_enter;
            control.release(mouse);
        }
        onEntered: {
            cursorShape = control.enableEvent ? Qt.ForbiddenCursor : Qt.OpenHandCursor;
            control.entered();
            if (!control.isBackTransparent)
                control.color = control.clr_enter;
            if (control.toolTipText.length > 0) {
                tip.x = mouseX;
                tip.y = mouseY;
                tip.text = control.toolTipText;
                tip.open();
            }
        }
        onExited: {
            cursorShape = control.enableEvent ? Qt.ForbiddenCursor : Qt.ArrowCursor;
            control.exited();
            if (!control.isBackTransparent)
                control.color = control.clr_exit;
            tip.close();
        }
        onPositionChanged: mouse => control.positionChanged(mouse)
    }

    // The focus ring, inside the button so that neighbours do not cover it.
    Rectangle {
        objectName: "focusRing"
        anchors.fill: parent
        z: 2
        visible: control.activeFocus
        color: "transparent"
        radius: control.radius
        border.width: Math.max(2, Math.round(Math.min(control.width, control.height) / 14))
        border.color: "#0067C0"
    }

    // Takes the left clicks on the more-marker so that they do not click the button.
    Item {
        id: marker

        Accessible.ignored: true

        anchors.right: parent.right
        anchors.bottom: parent.bottom
        readonly property real unit: Math.max(1, Math.min(control.width, control.height) / 26)

        anchors.margins: Math.round(2 * unit)
        width: Math.round(8 * unit)
        height: Math.round(8 * unit)
        z: 1
        visible: control.showRBIcon

        Image {
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.rightMargin: Math.round(marker.unit)
            anchors.bottomMargin: Math.round(marker.unit)
            width: Math.round(6 * marker.unit)
            height: Math.round(6 * marker.unit)
            source: "qrc:/icons/morerb.png"
            smooth: true
            mipmap: true
        }

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.LeftButton
        }
    }

    ToolTip {
        id: tip

        width: Math.round(0.7 * control.width * control.miniSize)
        height: Math.round(0.7 * control.height * control.miniSize)
        delay: 3000
        timeout: 3000
        padding: 0

        contentItem: Text {
            text: tip.text
            color: "#ffffff"
            font.bold: true
            font.pixelSize: Math.round(6 * marker.unit)
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }

        background: Rectangle {
            color: "#505050"
            radius: 3
        }
    }
}
