import QtQuick
import QtQuick.Layouts
import Cpp.MyComponents
import "updatemanifest.js" as Manifest

// The update prompt: reads the manifest, and when it offers another version with
// files, shows the version and its notes and hands over to the updater.
Window {
    id: root

    // Why the updater could not be started; empty while nothing failed.
    property string startError: ""
    property string appVersion: "0.0.0"
    property string updateCheckUrl: ""
    property var filesToDownload: []
    property var msgList: []
    property string updateVersion: ""
    readonly property string updaterName: Qt.platform.os === "windows" ? "Update.exe" : "Update"
    // Height of the close button plus its margin: the strip above the drag area.
    readonly property int dragTop: 34

    signal needUpdate(bool isUpdate)

    function checkIsUpdate() {
        if (!updateCheckUrl)
            return;
        manifestCheck.fetch(updateCheckUrl);
    }

    // Judges an answer to the manifest request; split from the request so that
    // every outcome can be driven directly.
    function judgeManifest(status, response) {
        judgeResult(status, status === 200 ? manifestCheck.check(response) : null);
    }

    // The shared check has decided whether the manifest is acceptable (signed by
    // a trusted key, well formed, not older than the installed release).
    function judgeResult(status, result) {
        if (status !== 200) {
            console.error("Failed to get version info, status:", status);
            return;
        }
        if (result.unreadable) {
            console.error("Error parsing version info:", result.reason);
            return;
        }
        if (!result.accepted) {
            console.error("Invalid update data format:", result.reason);
            return;
        }
        const data = result.manifest;
        console.log("Server version:", data.appVersion);
        console.log("Current version:", appVersion);
        if (Array.isArray(data.msg))
            msgList = data.msg.map(line => String(line));
        else if (data.msg !== undefined && data.msg !== null)
            msgList = [String(data.msg)];
        updateVersion = String(data.appVersion);
        if (!Manifest.offersUpdate(data.appVersion, appVersion)) {
            console.log("App is up to date");
            needUpdate(false);
            return;
        }
        // The release this copy was installed from, under another version name:
        // the updater would only say it is already there.
        if (result.alreadyInstalled) {
            console.log("Release already installed, serial", data.serial);
            needUpdate(false);
            return;
        }
        filesToDownload = data.files;
        console.log("Files to download:", JSON.stringify(filesToDownload));
        if (filesToDownload.length === 0) {
            console.log("No files to download");
            return;
        }
        root.show();
        root.raise();
        settings.setIniValue("UPDATE", "APPVersion", appVersion);
        needUpdate(true);
    }

    // Starts the updater, which quits this program; once it runs the button stops
    // reacting so that it is not started twice. When it cannot start, the program
    // stays and the prompt says so.
    function takeUpdate() {
        if (settings.startExeAndExitApp(updaterName)) {
            updateArea.visible = false;
            return;
        }
        startError = qsTr("无法启动更新程序，请稍后重试或手动更新");
    }

    // Keys and a screen reader press the button as a click does, once.
    function takeUpdateOnce() {
        if (updateArea.visible)
            takeUpdate();
    }

    title: "升级到新版本"
    width: 400
    height: 320
    flags: Qt.Window | Qt.FramelessWindowHint
    color: "transparent"
    visible: false
    Component.onCompleted: console.log("主窗口已加载完成")

    SettingsClazz {
        id: settings
    }

    UpdateManifestCheck {
        id: manifestCheck

        onFetched: (status, result) => {
            console.log("Version check status:", status);
            root.judgeResult(status, result);
        }
    }

    Rectangle {
        id: panel

        anchors.fill: parent
        color: "#FFFFFF"
        radius: 10
        border.color: "#E0E0E0"
        layer.enabled: true
        LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft // qmllint disable
        LayoutMirroring.childrenInherit: true
        // The keys go to the buttons; Escape closes.
        focus: true
        Keys.onEscapePressed: root.close()

        ColumnLayout {
            anchors.fill: parent
            anchors.margins: 20
            spacing: 15

            Text {
                objectName: "titleText"
                Layout.fillWidth: true
                text: qsTr("升级到新版本  V") + root.updateVersion
                font.bold: true
                font.pixelSize: 20
                horizontalAlignment: Text.AlignHCenter
                elide: Text.ElideRight
            }

            Column {
                objectName: "notes"
                Layout.fillWidth: true
                Layout.leftMargin: 20
                spacing: 8

                Repeater {
                    model: root.msgList

                    Text {
                        required property string modelData

                        width: parent.width
                        text: modelData
                        font.pixelSize: 14
                        color: "#444444"
                        wrapMode: Text.Wrap
                    }
                }
            }

            Item {
                Layout.fillHeight: true
            }

            Text {
                objectName: "startErrorText"
                Layout.fillWidth: true
                visible: root.startError !== ""
                text: root.startError
                color: "#C42B1C"
                font.pixelSize: 13
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
            }

            Rectangle {
                id: updateButton

                objectName: "updateButton"
                Layout.alignment: Qt.AlignHCenter
                Layout.preferredWidth: 120
                Layout.preferredHeight: 40
                radius: 20
                color: "#007BFF"
                activeFocusOnTab: true
                Accessible.role: Accessible.Button
                Accessible.name: updateLabel.text
                Accessible.onPressAction: root.takeUpdateOnce()
                Keys.onReturnPressed: root.takeUpdateOnce()
                Keys.onEnterPressed: root.takeUpdateOnce()
                Keys.onSpacePressed: root.takeUpdateOnce()

                Text {
                    id: updateLabel

                    anchors.centerIn: parent
                    text: qsTr("立即体验")
                    color: "white"
                    font.pixelSize: 14
                }

                FocusRing {
                    target: updateButton
                }

                MouseArea {
                    id: updateArea

                    objectName: "updateArea"
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: root.takeUpdate()
                }
            }
        }
    }

    // Drags the frameless prompt from anywhere below the close button except the
    // update button, whose presses pass through to it.
    MouseArea {
        id: dragArea

        property point pressPoint

        function overButton(mouse) {
            const p = mapToItem(updateButton, mouse.x, mouse.y);
            return updateButton.contains(p);
        }

        objectName: "dragArea"
        anchors.fill: parent
        anchors.topMargin: root.dragTop
        onPressed: function (mouse) {
            if (overButton(mouse)) {
                mouse.accepted = false;
                return;
            }
            pressPoint = Qt.point(mouse.x, mouse.y);
            console.log("中央区域拖拽开始");
        }
        onPositionChanged: function (mouse) {
            if (!pressed || overButton(mouse))
                return;
            root.x += mouse.x - pressPoint.x;
            root.y += mouse.y - pressPoint.y;
        }
    }

    Rectangle {
        id: closeButton

        objectName: "closeButton"
        // Right to left the mark goes to the other corner, as the settings window's.
        LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft // qmllint disable
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.topMargin: 10
        anchors.rightMargin: 10
        width: 24
        height: 24
        radius: 12
        color: closeArea.containsMouse ? "#CCCCCC" : "#E0E0E0"
        activeFocusOnTab: true
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("关闭")
        Accessible.onPressAction: root.close()
        Keys.onReturnPressed: root.close()
        Keys.onEnterPressed: root.close()
        Keys.onSpacePressed: root.close()
        // The mark lies outside the panel, whose Escape would not reach it.
        Keys.onEscapePressed: root.close()

        FocusRing {
            target: closeButton
        }

        Text {
            anchors.centerIn: parent
            text: "×"
            font.pixelSize: 18
        }

        MouseArea {
            id: closeArea

            anchors.fill: parent
            hoverEnabled: true
            onClicked: {
                console.log("Close button clicked!");
                root.close();
            }
        }
    }
}
