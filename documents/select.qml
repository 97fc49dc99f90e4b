import QtQuick
import QtQuick.Layouts

// The chooser that opens beside a toolbar button: a column of icon or text
// entries; a left click on an entry reports it and closes the pop-up. Opened from
// the keyboard it takes the focus: the arrows move, Enter or Space chooses,
// Escape closes, and either way the focus goes back to the toolbar.
Window {
    id: root

    property real scaleFactor: 1.0
    // Icon resource URLs for btnType 1, display texts for btnType 2.
    property var customData: []
    property int btnType: 1
    // Blocks every icon entry.
    property bool enableEvent: false
    property int nowIdx: 0
    // The entry in use, marked for a screen reader and focused first; -1 for none.
    property int current: -1
    // Opened from the keyboard: the chooser takes the focus.
    property bool byKey: false
    // What a screen reader calls the chooser: the button it belongs to.
    property string menuName: ""
    // Bypasses the window manager, as the toolbar does under XWayland.
    property bool unmanaged: false
    // Which toolbar button opened it.
    property string chooserKey: ""

    signal changeSelect(int index, var value)
    // A chooser opened from the keyboard closes: the toolbar takes the focus back.
    signal keyboardDone

    function entryName(index) {
        const value = customData[index];
        return btnType === 2 ? String(value) : names.of(value);
    }

    function focusEntry(index) {
        const count = customData.length;
        if (count === 0)
            return;
        const cell = entries.itemAt(((index % count) + count) % count);
        if (cell)
            cell.control.forceActiveFocus();
    }

    function focusedIndex() {
        for (let i = 0; i < entries.count; ++i) {
            const cell = entries.itemAt(i);
            if (cell && cell.control.activeFocus)
                return i;
        }
        return -1;
    }

    function closeByKey() {
        keyboardDone();
        root.destroy();
    }

    function widestText() {
        let widest = 0;
        for (let i = 0; i < customData.length; ++i)
            widest = Math.max(widest, textMetrics.advanceWidth(String(customData[i])));
        return Math.ceil(widest);
    }

    // The chooser goes first and the choice follows once the click is over: what it
    // starts may run an event loop of its own (a modal file dialog), which must not
    // run inside the click of a window that is going away. Run there, the export
    // dialog closed again at once and the menu stayed on the screen beside it.
    function choose(index) {
        nowIdx = index;
        root.visible = false;
        Qt.callLater(root.deliver, index); // qmllint disable type
    }

    function deliver(index) {
        changeSelect(index, customData[index]);
        if (byKey)
            keyboardDone();
        root.destroy();
    }

    // The keys of every entry.
    function entryKey(event, index) {
        switch (event.key) {
        case Qt.Key_Up:
        case Qt.Key_Backtab:
            focusEntry(index - 1);
            break;
        case Qt.Key_Down:
        case Qt.Key_Tab:
            focusEntry(index + 1);
            break;
        case Qt.Key_Home:
            focusEntry(0);
            break;
        case Qt.Key_End:
            focusEntry(customData.length - 1);
            break;
        case Qt.Key_Escape:
        case Qt.Key_Left:
        case Qt.Key_Right:
            closeByKey();
            break;
        case Qt.Key_Return:
        case Qt.Key_Enter:
        case Qt.Key_Space:
            if (!event.isAutoRepeat && !(btnType === 1 && enableEvent))
                choose(index);
            break;
        default:
            return;
        }
        event.accepted = true;
    }

    title: "Sub Window"
    flags: Qt.FramelessWindowHint | Qt.Window | Qt.Tool | (unmanaged ? Qt.BypassWindowManagerHint : 0)
    color: "transparent"
    visible: true
    // Text entries widen the chooser when they need more room than an icon.
    width: Math.max(Math.round(50 * scaleFactor), btnType === 2 ? widestText() + Math.round(20 * scaleFactor) : 0)
    height: Math.round(customData.length * 38 * scaleFactor + 20 * scaleFactor)

    // The keys move into the chooser, on the entry in use.
    function takeKeys() {
        byKey = true;
        requestActivate();
        focusEntry(Math.max(0, current));
    }

    Component.onCompleted: {
        raise();
        // The opener marks the entry in use right after creating the chooser.
        if (byKey)
            Qt.callLater(root.takeKeys); // qmllint disable type
    }

    ToolNames {
        id: names
    }

    FontMetrics {
        id: textMetrics

        font.pixelSize: Math.round(12 * root.scaleFactor)
    }

    Rectangle {
        anchors.fill: parent
        color: "#FFFFFF"
        radius: Math.round(10 * root.scaleFactor)
        Accessible.role: Accessible.PopupMenu
        Accessible.name: root.menuName

        ColumnLayout {
            id: column

            anchors.fill: parent
            spacing: Math.round(2 * root.scaleFactor)

            Item {
                Layout.preferredHeight: Math.round(10 * root.scaleFactor)
            }

            Repeater {
                id: entries

                model: root.customData

                // The cells read the chooser by id. qmllint 6.4 accepts that only under
                // pragma ComponentBehavior: Bound, whose value qmlformat 6.4 drops.
                // qmllint disable unqualified
                delegate: Item {
                    id: cell

                    required property int index
                    required property var modelData
                    readonly property int lineHeight: Math.round(1 * root.scaleFactor)
                    // The entry's control, which takes the keyboard focus.
                    readonly property Item control: root.btnType === 1 ? iconEntry : textEntry

                    Layout.alignment: Qt.AlignHCenter
                    Layout.preferredWidth: column.width * 0.8
                    Layout.preferredHeight: Math.round(35 * root.scaleFactor)

                    Column {
                        anchors.fill: parent
                        spacing: 0

                        Item {
                            width: cell.width
                            height: cell.height - cell.lineHeight

                            MyIconButton {
                                id: iconEntry

                                visible: root.btnType === 1
                                anchors.fill: parent
                                img_src: root.btnType === 1 ? cell.modelData : ""
                                miniSize: 1
                                radius: 0
                                enableEvent: root.enableEvent
                                accessibleName: root.btnType === 1 ? root.entryName(cell.index) : ""
                                accessibleDescription: root.enableEvent ? qsTr("现在不可用") : ""
                                Accessible.role: Accessible.MenuItem
                                Accessible.ignored: root.btnType !== 1
                                Accessible.focusable: true
                                checkable: true
                                checked: cell.index === root.current
                                activeFocusOnTab: false
                                onClickedLeft: root.choose(cell.index)
                                onActivated: {
                                    if (!root.enableEvent)
                                        root.choose(cell.index);
                                }
                                Keys.onPressed: event => root.entryKey(event, cell.index)
                            }

                            Rectangle {
                                id: textEntry

                                visible: root.btnType === 2
                                anchors.centerIn: parent
                                width: label.implicitWidth + Math.round(20 * root.scaleFactor)
                                height: label.implicitHeight + Math.round(10 * root.scaleFactor)
                                color: "transparent"
                                border.width: activeFocus ? Math.max(2, Math.round(2 * root.scaleFactor)) : 0
                                border.color: "#0067C0"
                                Accessible.role: Accessible.MenuItem
                                Accessible.ignored: root.btnType !== 2
                                Accessible.name: label.text
                                Accessible.focusable: true
                                Accessible.onPressAction: root.choose(cell.index)
                                Keys.onPressed: event => root.entryKey(event, cell.index)

                                Text {
                                    id: label

                                    anchors.centerIn: parent
                                    text: root.btnType === 2 ? String(cell.modelData) : ""
                                    font.pixelSize: Math.round(12 * root.scaleFactor)
                                    color: "#202020"
                                }

                                MouseArea {
                                    anchors.fill: parent
                                    enabled: root.btnType === 2
                                    acceptedButtons: Qt.LeftButton
                                    hoverEnabled: true
                                    onEntered: textEntry.color = "#e0e0e0"
                                    onExited: textEntry.color = "transparent"
                                    onClicked: root.choose(cell.index)
                                }
                            }
                        }

                        Rectangle {
                            anchors.horizontalCenter: parent.horizontalCenter
                            width: cell.width * 0.7
                            height: cell.lineHeight
                            color: "#cccccc"
                        }
                    }
                }
                // qmllint enable unqualified
            }

            Item {
                Layout.preferredHeight: 7
                Layout.fillHeight: true
            }
        }
    }
}
