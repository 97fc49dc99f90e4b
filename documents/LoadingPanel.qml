import QtQuick
import FluentUI

// Shown over the overlay while a drawing file takes a while to open: how far it got,
// and a button that stops it (the drawing on screen then stays as it is).
Rectangle {
    id: panel

    // The canvas that opens the file (its loading and loadProgress).
    property var canvas: null
    // Loads that end sooner than this show nothing.
    property int delay: 500
    readonly property bool loading: canvas !== null && canvas.loading
    readonly property real progress: canvas !== null ? canvas.loadProgress : 0

    width: 360
    height: 116
    radius: 8
    color: "#F9F9F9"
    border.color: "#D5D5D5"
    visible: false
    // A screen reader reads the progress with the panel; the button is named by its text.
    Accessible.role: Accessible.ProgressBar
    Accessible.name: label.text

    onLoadingChanged: {
        if (loading) {
            showTimer.restart();
        } else {
            showTimer.stop();
            visible = false;
        }
    }

    Timer {
        id: showTimer

        interval: panel.delay

        onTriggered: panel.visible = panel.loading
    }

    Text {
        id: label

        x: 20
        y: 16
        width: parent.width - 40
        text: qsTr("正在打开绘图… %1%").arg(Math.round(panel.progress * 100))
        font.pixelSize: 14
        color: "#1A1A1A"
        elide: Text.ElideRight
        Accessible.ignored: true
    }

    Rectangle {
        id: track

        x: 20
        anchors.top: label.bottom
        anchors.topMargin: 12
        width: parent.width - 40
        height: 4
        radius: 2
        color: "#E0E0E0"

        Rectangle {
            width: track.width * Math.max(0, Math.min(1, panel.progress))
            height: parent.height
            radius: 2
            color: "#0067C0"
        }
    }

    FluButton {
        objectName: "cancelLoading"
        anchors.right: parent.right
        anchors.rightMargin: 20
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 14
        text: qsTr("取消")

        onClicked: panel.canvas.cancelLoading()
    }
}
