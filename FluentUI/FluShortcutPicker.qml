import QtQuick
import QtQuick.Templates as T
import FluentUI

// A field that shows a hot key as key caps; clicking it opens a dialog that records
// the next keys pressed. Save accepts them, cancel leaves everything as it was, reset
// brings back the keys the dialog opened with and keeps recording.
// With `syncHotkey` set, the field shows that hot key's sequence, marks it and says
// so when another program holds it, and moves it to the new sequence on save.
// "None" saves an empty key list: the hot key is switched off.
T.AbstractButton {
    id: control

    property string title
    property string message
    property string positiveText: qsTr("保存")
    property string neutralText: qsTr("取消")
    property string negativeText: qsTr("重置")
    property string noneText: qsTr("不使用")
    // Shown in the field while the hot key is switched off.
    property string noneLabel: qsTr("无")
    property string conflictText: qsTr("已被其他程序占用")
    // How the dialog is worked without a pointer.
    property string keyHint: qsTr("按 Enter 保存，Esc 取消，Delete 不使用")
    property var current: []
    // Any object with `sequence` and `isRegistered`: a FluHotkey in the programs.
    property var syncHotkey: null
    // Set by the owner when another hot key of its own asks for the same keys:
    // marked in the warning colour (a key held by another program still shows red).
    property bool shared: false
    readonly property bool conflicted: syncHotkey !== null && syncHotkey.sequence !== "" && !syncHotkey.isRegistered
    readonly property alias recording: dialog.opened
    readonly property alias recorded: dialog.keys

    signal accepted

    function open() {
        dialog.keys = control.current.slice();
        dialog.open();
    }

    // Fed by the dialog's key handler; public so that tests and other recorders can use it.
    // Alone, Escape cancels, Enter saves keys already complete and Delete switches the
    // hot key off: none of them makes a sensible system-wide key by itself.
    function record(key, modifiers) {
        if (modifiers === Qt.NoModifier) {
            if (key === Qt.Key_Escape) {
                dialog.close();
                return;
            }
            if ((key === Qt.Key_Return || key === Qt.Key_Enter) && dialog.complete) {
                save();
                return;
            }
            if (key === Qt.Key_Delete) {
                clear();
                return;
            }
        }
        dialog.keys = FluKeyNames.keys(key, modifiers | d.modifierOf(key));
    }

    function save() {
        if (!FluKeyNames.isComplete(dialog.keys))
            return;
        control.current = dialog.keys.slice();
        if (control.syncHotkey)
            control.syncHotkey.sequence = control.current.join("+");
        dialog.close();
        control.accepted();
    }

    // Switches the hot key off.
    function clear() {
        control.current = [];
        if (control.syncHotkey)
            control.syncHotkey.sequence = "";
        dialog.close();
        control.accepted();
    }

    function reset() {
        dialog.keys = control.current.slice();
    }

    implicitWidth: 300
    implicitHeight: 40
    hoverEnabled: true
    focusPolicy: Qt.TabFocus
    font.pixelSize: 14
    Accessible.name: text
    Accessible.description: current.length > 0 ? current.join("+") : noneLabel
    onClicked: open()
    Keys.onReturnPressed: open()
    Keys.onEnterPressed: open()

    Connections {
        target: control.syncHotkey

        function onSequenceChanged() {
            control.current = FluKeyNames.split(control.syncHotkey.sequence);
        }
    }
    onSyncHotkeyChanged: {
        if (syncHotkey)
            current = FluKeyNames.split(syncHotkey.sequence);
    }

    QtObject {
        id: d

        // Pressing a modifier key does not always list that modifier in the event yet.
        function modifierOf(key) {
            switch (key) {
            case Qt.Key_Control:
                return Qt.ControlModifier;
            case Qt.Key_Shift:
                return Qt.ShiftModifier;
            case Qt.Key_Alt:
                return Qt.AltModifier;
            case Qt.Key_Meta:
                return Qt.MetaModifier;
            default:
                return Qt.NoModifier;
            }
        }
    }

    // While the dialog records, the process's own hot keys must not swallow the presses.
    FluHotkeySuspender {
        active: dialog.opened
    }

    // Keys read from left to right in every language ("Ctrl+P"), as menus show them.
    component KeyCaps: Row {
        id: caps

        property var keys: []
        property int capHeight: 24
        property int fontSize: 12
        property color capColor: "#FFFFFF"
        property color textColor: "#1A1A1A"

        spacing: 4
        // A mirrored layout turns the direction round once more.
        layoutDirection: LayoutMirroring.enabled ? Qt.RightToLeft : Qt.LeftToRight

        Repeater {
            model: caps.keys

            // The caps read the row by id. qmllint 6.4 accepts that only under
            // pragma ComponentBehavior: Bound, whose value qmlformat 6.4 drops.
            // qmllint disable unqualified
            Rectangle {
                required property string modelData

                width: Math.max(caps.capHeight, capText.implicitWidth + 14)
                height: caps.capHeight
                radius: 4
                color: caps.capColor
                border.width: 1
                border.color: "#D0D0D0"

                Rectangle {
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.bottom: parent.bottom
                    anchors.margins: 1
                    height: 2
                    radius: 1
                    color: "#E3E3E3"
                }

                Text {
                    id: capText

                    anchors.centerIn: parent
                    anchors.verticalCenterOffset: -1
                    text: parent.modelData
                    font.pixelSize: caps.fontSize
                    color: caps.textColor
                }
            }
            // qmllint enable unqualified
        }
    }

    background: Rectangle {
        radius: 4
        color: control.down ? "#EDEDED" : control.hovered ? "#F3F3F3" : "#FBFBFB"
        border.width: control.visualFocus ? 2 : 1
        border.color: control.visualFocus ? "#1A1A1A" : control.conflicted ? "#C42B1C" : control.shared ? "#9D5D00" : control.activeFocus ? "#0067C0" : "#E5E5E5"
    }

    // The field is always shown, so building its content at once costs nothing.
    // qmllint disable deferred-property-id
    contentItem: Item {
        // qmllint enable deferred-property-id
        FluIcon {
            id: keyboardIcon

            anchors.left: parent.left
            anchors.leftMargin: 12
            anchors.verticalCenter: parent.verticalCenter
            iconSource: FluentIcons.Keyboard
            iconSize: 16
            iconColor: "#5C5C5C"
        }

        Text {
            anchors.left: keyboardIcon.right
            anchors.leftMargin: 10
            anchors.right: fieldCaps.left
            anchors.rightMargin: 10 + (control.conflicted || control.current.length === 0 ? 90 : 0)
            anchors.verticalCenter: parent.verticalCenter
            text: control.text
            font: control.font
            color: "#1A1A1A"
            elide: Text.ElideRight
        }

        Text {
            objectName: "fieldNote"
            anchors.right: fieldCaps.left
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            visible: control.conflicted || control.current.length === 0
            text: control.conflicted ? control.conflictText : control.noneLabel
            font.pixelSize: 12
            color: control.conflicted ? "#C42B1C" : "#5C5C5C"
        }

        KeyCaps {
            id: fieldCaps

            anchors.right: parent.right
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            keys: control.current
            capColor: control.conflicted ? "#FDE7E9" : control.shared ? "#FFF4CE" : "#FFFFFF"
            textColor: control.conflicted ? "#C42B1C" : control.shared ? "#9D5D00" : "#1A1A1A"
        }
    }

    T.Popup {
        id: dialog

        property var keys: []
        readonly property bool complete: FluKeyNames.isComplete(keys)

        parent: T.Overlay.overlay
        x: parent ? Math.round((parent.width - width) / 2) : 0
        y: parent ? Math.round((parent.height - height) / 2) : 0
        width: Math.min(parent ? parent.width - 40 : 340, 340)
        implicitHeight: implicitContentHeight + topPadding + bottomPadding
        modal: true
        focus: true
        closePolicy: T.Popup.NoAutoClose
        padding: 0

        T.Overlay.modal: Rectangle {
            color: "#33000000"
        }

        background: Rectangle {
            radius: 8
            color: "#FFFFFF"
            border.width: 1
            border.color: "#D6D6D6"
        }

        // qmllint disable deferred-property-id
        contentItem: Item {
            // qmllint enable deferred-property-id
            implicitHeight: body.implicitHeight + footer.height
            focus: true
            Keys.onPressed: event => {
                control.record(event.key, event.modifiers & (Qt.ControlModifier | Qt.AltModifier | Qt.ShiftModifier | Qt.MetaModifier));
                event.accepted = true;
            }
            Keys.onReleased: event => {
                // Letting go of the modifiers before any other key starts over.
                if (!dialog.complete)
                    dialog.keys = FluKeyNames.keys(0, event.modifiers & ~d.modifierOf(event.key));
                event.accepted = true;
            }

            Column {
                id: body

                anchors.left: parent.left
                anchors.right: parent.right
                padding: 20
                spacing: 12

                Text {
                    width: body.width - 2 * body.padding
                    text: control.title
                    font.pixelSize: 18
                    font.bold: true
                    color: "#1A1A1A"
                    elide: Text.ElideRight
                }

                Text {
                    width: body.width - 2 * body.padding
                    text: control.message
                    font.pixelSize: 13
                    color: "#5C5C5C"
                    wrapMode: Text.Wrap
                }

                Text {
                    width: body.width - 2 * body.padding
                    visible: control.keyHint !== ""
                    text: control.keyHint
                    font.pixelSize: 12
                    color: "#5C5C5C"
                    wrapMode: Text.Wrap
                }

                Rectangle {
                    width: body.width - 2 * body.padding
                    height: 64
                    radius: 6
                    color: "#F7F7F7"
                    border.width: 1
                    border.color: dialog.complete ? "#0067C0" : "#E5E5E5"

                    KeyCaps {
                        anchors.centerIn: parent
                        keys: dialog.keys
                        capHeight: 32
                        fontSize: 15
                    }

                    Text {
                        anchors.centerIn: parent
                        visible: dialog.keys.length === 0
                        text: "…"
                        font.pixelSize: 18
                        color: "#8A8A8A"
                    }
                }

                FluButton {
                    objectName: "noneButton"
                    text: control.noneText
                    focusPolicy: Qt.NoFocus
                    onClicked: control.clear()
                }
            }

            Rectangle {
                id: footer

                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                anchors.margins: 1
                height: 64
                radius: 8
                color: "#F3F3F3"

                // Squares the footer's upper corners.
                Rectangle {
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.top: parent.top
                    height: parent.radius
                    color: parent.color
                }

                Row {
                    anchors.centerIn: parent
                    spacing: 8

                    FluButton {
                        objectName: "positiveButton"
                        width: (footer.width - 56) / 3
                        text: control.positiveText
                        highlighted: true
                        enabled: dialog.complete
                        focusPolicy: Qt.NoFocus
                        onClicked: control.save()
                    }

                    FluButton {
                        objectName: "neutralButton"
                        width: (footer.width - 56) / 3
                        text: control.neutralText
                        focusPolicy: Qt.NoFocus
                        onClicked: dialog.close()
                    }

                    FluButton {
                        objectName: "negativeButton"
                        width: (footer.width - 56) / 3
                        text: control.negativeText
                        focusPolicy: Qt.NoFocus
                        onClicked: control.reset()
                    }
                }
            }
        }
    }
}
