import QtQuick
import QtQuick.Layouts

// The chooser that opens beside a toolbar button: a column of icon or text
// entries; a left click on an entry reports it and closes the pop-up.
Window {
    id: root

    property real scaleFactor: 1.0
    // Icon resource URLs for btnType 1, display texts for btnType 2.
    property var customData: []
    property int btnType: 1
    // Blocks every icon entry.
    property bool enableEvent: false
    property int nowIdx: 0
    // Bypasses the window manager, as the toolbar does under XWayland.
    property bool unmanaged: false
    // Which toolbar button opened it.
    property string chooserKey: ""

    signal changeSelect(int index, var value)

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
        root.destroy();
    }

    title: "Sub Window"
    flags: Qt.FramelessWindowHint | Qt.Window | Qt.Tool | (unmanaged ? Qt.BypassWindowManagerHint : 0)
    color: "transparent"
    visible: true
    // Text entries widen the chooser when they need more room than an icon.
    width: Math.max(Math.round(50 * scaleFactor), btnType === 2 ? widestText() + Math.round(20 * scaleFactor) : 0)
    height: Math.round(customData.length * 38 * scaleFactor + 20 * scaleFactor)

    Component.onCompleted: raise()

    FontMetrics {
        id: textMetrics

        font.pixelSize: Math.round(12 * root.scaleFactor)
    }

    Rectangle {
        anchors.fill: parent
        color: "#FFFFFF"
        radius: Math.round(10 * root.scaleFactor)

        ColumnLayout {
            id: column

            anchors.fill: parent
            spacing: Math.round(2 * root.scaleFactor)

            Item {
                Layout.preferredHeight: Math.round(10 * root.scaleFactor)
            }

            Repeater {
                model: root.customData

                // The cells read the chooser by id. qmllint 6.4 accepts that only under
                // pragma ComponentBehavior: Bound, whose value qmlformat 6.4 drops.
                // qmllint disable unqualified
                delegate: Item {
                    id: cell

                    required property int index
                    required property var modelData
                    readonly property int lineHeight: Math.round(1 * root.scaleFactor)

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
                                visible: root.btnType === 1
                                anchors.fill: parent
                                img_src: root.btnType === 1 ? cell.modelData : ""
                                miniSize: 1
                                radius: 0
                                enableEvent: root.enableEvent
                                onClickedLeft: root.choose(cell.index)
                            }

                            Rectangle {
                                id: textEntry

                                visible: root.btnType === 2
                                anchors.centerIn: parent
                                width: label.implicitWidth + Math.round(20 * root.scaleFactor)
                                height: label.implicitHeight + Math.round(10 * root.scaleFactor)
                                color: "transparent"

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
