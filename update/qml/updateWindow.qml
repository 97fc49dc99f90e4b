import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Cpp.MyComponents
import "updatemanifest.js" as Manifest

Window {
    id: root

    // Used when config.ini names no update address.
    readonly property string defaultManifestUrl: "https://update.quillmark.invalid/update/update.json"
    readonly property string defaultExeName: Qt.platform.os === "windows" ? "main.exe" : "main"

    // Why the program could not be started again, shown instead of the progress line.
    property string handOverError: ""
    property string baseUrl: ""
    property var files: []
    property int currentFileIndex: 0
    property real currentProgress: 0
    property string currentFileName: ""
    property bool downloadComplete: false
    property int totalFiles: 0
    property int downloadedFiles: 0
    // The release could not be put in place whole: the old one stays, and the
    // window says why and offers to try again.
    property bool updateFailed: false
    property string failureReason: ""
    // "name: why" for every file that did not arrive.
    property var failedFiles: []
    // Shown instead of the usual line when the window completes without a download.
    property string completionNote: ""
    // A release is staged for install (possibly an empty one).
    property bool releaseBegun: false

    function checkUpdate() {
        downloadComplete = false;
        updateFailed = false;
        failureReason = "";
        failedFiles = [];
        completionNote = "";
        releaseBegun = false;
        files = [];
        currentFileIndex = 0;
        currentFileName = "";
        currentProgress = 0;
        totalFiles = 0;
        downloadedFiles = 0;
        let url = settings.getIniValue("UPDATE", "UpdateURL");
        if (!url)
            url = defaultManifestUrl;
        if (!settings.getIniValue("UPDATE", "APPVersion"))
            return;
        manifestCheck.fetch(url);
    }

    function fail(reason) {
        failureReason = reason;
        updateFailed = true;
    }

    // The text with %1, %2 ... replaced in one pass, so that a value holding "%2"
    // (a file name) stays as it is.
    function fill(text, values) {
        return text.replace(/%([1-9])/g, (whole, n) => n <= values.length ? String(values[n - 1]) : whole);
    }

    // Done without anything to download.
    function complete(note) {
        completionNote = note;
        onAllDownloadsCompleted();
    }

    // The manifest as the shared check judged it: only a signed, well-formed
    // release that is not older than the installed one gets this far.
    function onManifest(status, result) {
        const installedVersion = settings.getIniValue("UPDATE", "APPVersion");
        if (status !== 200) {
            console.error("Failed to get version info, status:", status);
            fail(qsTr("无法获取更新信息 (HTTP %1)").arg(status));
            return;
        }
        if (result.unreadable) {
            console.error("Error parsing version info:", result.reason);
            fail(qsTr("更新信息无法解析"));
            return;
        }
        if (!result.accepted) {
            console.error("Invalid update data format:", result.reason);
            fail(fill(qsTr("更新信息被拒绝: %1"), [result.reason]));
            return;
        }
        const data = result.manifest;
        console.log("Server versionData:", JSON.stringify(data));
        console.log("Current version:", installedVersion);
        if (!Manifest.offersUpdate(data.appVersion, installedVersion)) {
            console.log("App is up to date");
            onAllDownloadsCompleted();
            return;
        }
        // The same release again (a replayed manifest, or one installed before the
        // program recorded its new version) is not installed twice.
        if (result.alreadyInstalled) {
            console.log("Release already installed, serial", data.serial);
            complete(qsTr("已是最新版本"));
            return;
        }
        if (typeof data.uploadUrl !== "string" || data.uploadUrl.length === 0) {
            console.error("Invalid update data format: no uploadUrl");
            fail(fill(qsTr("更新信息被拒绝: %1"), ["no uploadUrl"]));
            return;
        }
        baseUrl = data.uploadUrl + "/" + data.appVersion + "/";
        files = data.files;
        console.log("Update needed:", baseUrl);
        console.log("Files to download:", JSON.stringify(files));
        if (!installer.begin(manifestCheck)) {
            console.error("更新失败:", installer.errorString());
            failedFiles = [installer.errorString()];
            fail(installer.installationWhole() ? qsTr("此版本无法安装，已保留原版本:") : qsTr("上次更新未能撤销，下次启动时将继续:"));
            return;
        }
        releaseBegun = true;
        // An empty release is installed at once: only its serial is recorded.
        if (files.length === 0) {
            console.log("No files to download");
            complete(qsTr("没有需要更新的文件"));
            return;
        }
        totalFiles = files.length;
        downloadCurrentFile();
    }

    function downloadCurrentFile() {
        if (currentFileIndex >= files.length) {
            onAllDownloadsCompleted();
            return;
        }
        const name = files[currentFileIndex];
        currentFileName = name;
        const url = baseUrl + name;
        console.log("开始下载:", url);
        downloadFile(url, name);
    }

    // Into the staging folder; nothing installed changes before the whole
    // release has arrived.
    function downloadFile(url, fileName) {
        currentProgress = 0;
        console.log("开始使用C++下载:", url, "到", fileName);
        const downloader = installer.download(url, fileName);
        downloader.progressChanged.connect(function (progress) {
                currentProgress = progress;
            });
        downloader.downloadFinished.connect(function (success) {
                if (success) {
                    console.log("下载完成:", fileName);
                    downloadedFiles += 1;
                } else {
                    console.error("下载失败:", fileName);
                    failedFiles = failedFiles.concat([fileName + ": " + downloader.errorString()]);
                }
                currentFileIndex += 1;
                currentProgress = 0;
                if (currentFileIndex >= files.length)
                    onAllDownloadsCompleted();
                else
                    downloadCurrentFile();
            });
    }

    // Success only when the whole release is in place.
    function onAllDownloadsCompleted() {
        if (failedFiles.length === 0 && (!releaseBegun || installer.install())) {
            downloadComplete = true;
            console.log("所有文件下载完成");
            return;
        }
        if (failedFiles.length > 0)
            installer.discard();
        else
            failedFiles = [installer.errorString()];
        // Said only when it is true: a swap that could not be undone is undone at
        // the next start.
        if (installer.installationWhole()) {
            console.error("更新失败，已保留原版本:", failedFiles.join("; "));
            fail(qsTr("以下文件未能更新，已保留原版本:"));
        } else {
            console.error("更新失败，原版本尚未恢复:", failedFiles.join("; "));
            fail(qsTr("更新未能完成，原版本将在下次启动时恢复:"));
        }
    }

    function restartApplication() {
        let exeName = settings.getIniValue("UPDATE", "EXEName");
        if (!exeName)
            exeName = defaultExeName;
        // The updater stays open when the program cannot be started again.
        if (settings.startExeAndExitApp(exeName))
            root.close();
        else
            handOverError = fill(qsTr("无法启动 %1，请手动启动"), [exeName]);
    }

    width: 500
    height: 400
    visible: true
    flags: Qt.Window | Qt.FramelessWindowHint | Qt.WindowStaysOnTopHint
    color: "transparent"
    title: qsTr("软件更新")
    onClosing: Qt.quit()
    Component.onCompleted: {
        root.raise();
        root.requestActivate();
        checkUpdate();
    }

    // A round button of the window: Enter presses it too, and a ring shows while
    // it has the keyboard focus.
    component PillButton: Button {
        id: pillButton

        property color normalColor: "#007BFF"
        property color hoverColor: "#0056b3"

        Layout.alignment: Qt.AlignHCenter
        Layout.preferredWidth: 120
        Layout.preferredHeight: 40
        Keys.onReturnPressed: clicked()
        Keys.onEnterPressed: clicked()

        background: Rectangle {
            radius: 20
            color: pillButton.hovered ? pillButton.hoverColor : pillButton.normalColor
            border.width: pillButton.visualFocus ? 3 : 0
            border.color: "#1A1A1A"
        }

        contentItem: Text {
            text: pillButton.text
            color: "white"
            font.pixelSize: 14
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }

    SettingsClazz {
        id: settings
    }

    UpdateManifestCheck {
        id: manifestCheck

        onFetched: (status, result) => root.onManifest(status, result)
    }

    ReleaseInstaller {
        id: installer
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
        // The keys go to the buttons; Escape closes, as the close mark does.
        focus: true
        Keys.onEscapePressed: root.close()

        ColumnLayout {
            anchors.fill: parent
            anchors.margins: 20
            spacing: 15

            Text {
                Layout.fillWidth: true
                objectName: "titleText"
                text: root.downloadComplete ? qsTr("更新完成") : root.updateFailed ? qsTr("更新失败") : qsTr("正在下载更新")
                font.bold: true
                font.pixelSize: 20
                horizontalAlignment: Text.AlignHCenter
            }

            Text {
                objectName: "detailLine"
                Layout.fillWidth: true
                text: root.handOverError !== "" ? root.handOverError : root.downloadComplete ? (root.completionNote || qsTr("所有文件已下载完成")) : root.updateFailed ? root.failureReason : root.fill(qsTr("正在下载文件: %1 (%2/%3)"), [root.currentFileName, root.currentFileIndex + 1, root.totalFiles])
                color: root.handOverError !== "" ? "#C42B1C" : "#666666"
                font.pixelSize: 14
                horizontalAlignment: Text.AlignHCenter
                elide: Text.ElideMiddle
            }

            Text {
                objectName: "failureList"
                visible: root.updateFailed && root.failedFiles.length > 0
                Layout.fillWidth: true
                Layout.maximumHeight: 150
                text: root.failedFiles.join("\n")
                color: "#C62828"
                font.pixelSize: 12
                wrapMode: Text.WrapAnywhere
                clip: true
            }

            Rectangle {
                id: track

                visible: !root.downloadComplete && !root.updateFailed
                Layout.fillWidth: true
                Layout.leftMargin: 10
                Layout.rightMargin: 10
                Layout.preferredHeight: 20
                radius: 10
                color: "#F0F0F0"

                Rectangle {
                    width: track.width * root.currentProgress
                    height: parent.height
                    radius: 10
                    color: "#4CAF50"

                    Behavior on width  {
                        NumberAnimation {
                            duration: 300
                        }
                    }
                }

                Text {
                    anchors.centerIn: parent
                    text: Math.round(root.currentProgress * 100) + "%"
                    font.pixelSize: 12
                    font.bold: true
                    color: root.currentProgress > 0.5 ? "white" : "#444444"
                }
            }

            Rectangle {
                visible: root.downloadComplete
                Layout.alignment: Qt.AlignHCenter
                Layout.topMargin: 10
                Layout.bottomMargin: 10
                Layout.preferredWidth: 80
                Layout.preferredHeight: 80
                radius: 40
                color: "#4CAF50"

                Text {
                    anchors.centerIn: parent
                    text: "✓"
                    color: "white"
                    font.pixelSize: 40
                    font.bold: true
                }
            }

            Item {
                Layout.fillHeight: true
            }

            PillButton {
                id: restartButton

                objectName: "restartButton"
                visible: root.downloadComplete
                text: qsTr("重启应用")
                onClicked: root.restartApplication()
            }

            PillButton {
                id: cancelButton

                objectName: "cancelButton"
                visible: !root.downloadComplete && !root.updateFailed
                text: qsTr("取消")
                normalColor: "#E53935"
                hoverColor: "#C62828"
                onClicked: root.close()
            }

            PillButton {
                id: retryButton

                objectName: "retryButton"
                visible: root.updateFailed
                text: qsTr("重试")
                onClicked: root.checkUpdate()
            }

            Text {
                visible: !root.downloadComplete && !root.updateFailed
                Layout.fillWidth: true
                text: qsTr("总进度: %1/%2 文件").arg(root.downloadedFiles).arg(root.totalFiles)
                color: "#999999"
                font.pixelSize: 12
                horizontalAlignment: Text.AlignHCenter
            }
        }
    }

    // The top strip moves the frameless window.
    MouseArea {
        property point pressPoint

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: 50
        onPressed: function (mouse) {
            pressPoint = Qt.point(mouse.x, mouse.y);
            console.log("中央区域拖拽开始");
        }
        onPositionChanged: function (mouse) {
            if (!pressed)
                return;
            root.x += mouse.x - pressPoint.x;
            root.y += mouse.y - pressPoint.y;
        }
    }

    Rectangle {
        id: closeButton

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
        border.width: activeFocus ? 2 : 0
        border.color: "#1A1A1A"
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("关闭")
        Accessible.onPressAction: root.close()
        Keys.onReturnPressed: root.close()
        Keys.onEnterPressed: root.close()
        Keys.onSpacePressed: root.close()
        // The mark lies outside the panel, whose Escape would not reach it.
        Keys.onEscapePressed: root.close()

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
