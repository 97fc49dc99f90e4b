import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Cpp.MyComponents
import FluentUI
import "icons.js" as Icons
import "site.js" as Site

ApplicationWindow {
    id: window

    property string appVersion: ""
    property string companyName: "Quillmark Studio"
    property string copyrightYear: "2024"

    signal checkUpdate

    function showNoUpdate() {
        infoBar.showSuccess(qsTr("当前已经是最新!"));
    }

    // The web site in the language the program runs in.
    function siteAddress() {
        return Site.homeFor(settings.getCurrentLanguage());
    }

    title: qsTr("关于我们")
    width: 400
    height: 550
    minimumWidth: 400
    minimumHeight: 550
    flags: Qt.Dialog
    visible: true
    Component.onCompleted: {
        const version = settings.getIniValue("UPDATE", "APPVersion");
        appVersion = version === undefined || version === null ? "" : String(version);
        console.log("about window version:", appVersion);
    }

    SettingsClazz {
        id: settings
    }

    FluInfoBar {
        id: infoBar

        root: window
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 20
        spacing: 15
        LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft // qmllint disable
        LayoutMirroring.childrenInherit: true
        // The keys go to the buttons and the link; Escape closes.
        focus: true
        Keys.onEscapePressed: window.close()

        Image {
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 15
            source: Icons.logo
            sourceSize.width: 120
            sourceSize.height: 120
        }

        Text {
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Penvoro")
            font.bold: true
            font.pixelSize: 28
            color: "#333"
        }

        Text {
            objectName: "versionLine"
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("当前版本: ") + window.appVersion
            font.pixelSize: 14
            color: "#666"
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.topMargin: 10
            Layout.bottomMargin: 10
            height: 1
            color: "#e0e0e0"
        }

        GridLayout {
            Layout.alignment: Qt.AlignHCenter
            columns: 2
            columnSpacing: 20
            rowSpacing: 12

            Text {
                text: qsTr("公司名称:")
                font.bold: true
                font.pixelSize: 14
                color: "#666"
            }

            Text {
                text: window.companyName
                font.pixelSize: 14
                color: "#333"
            }

            Text {
                text: qsTr("官方网站:")
                font.bold: true
                font.pixelSize: 14
                color: "#666"
            }

            Text {
                id: siteLink

                objectName: "siteLink"
                text: qsTr("Penvoro官网")
                font.pixelSize: 14
                font.underline: linkArea.containsMouse || activeFocus
                color: "#2196F3"
                activeFocusOnTab: true
                Accessible.role: Accessible.Link
                Accessible.name: text
                Accessible.onPressAction: Qt.openUrlExternally(window.siteAddress())
                Keys.onReturnPressed: Qt.openUrlExternally(window.siteAddress())
                Keys.onEnterPressed: Qt.openUrlExternally(window.siteAddress())
                Keys.onSpacePressed: Qt.openUrlExternally(window.siteAddress())

                FocusRing {
                    target: siteLink
                }

                MouseArea {
                    id: linkArea

                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: Qt.openUrlExternally(window.siteAddress())
                }
            }
        }

        RowLayout {
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 20
            spacing: 15

            Button {
                objectName: "checkUpdateButton"
                text: qsTr("检查更新")
                // Installed as a package, the package manager updates the program.
                visible: settings.hasUpdater()
                Material.background: "#2196F3"
                Material.foreground: "#FFFFFF"
                onClicked: window.checkUpdate()

                // Enter presses it too; the ring shows the keyboard focus.
                Keys.onReturnPressed: clicked()
                Keys.onEnterPressed: clicked()

                FocusRing {
                    anchors.topMargin: parent.topInset - 3
                    anchors.bottomMargin: parent.bottomInset - 3
                    target: parent
                    radius: 5
                }
            }

            Button {
                objectName: "closeButton"
                text: qsTr("关闭")
                Material.background: "#9E9E9E"
                Material.foreground: "#FFFFFF"
                onClicked: window.close()

                // Enter presses it too; the ring shows the keyboard focus.
                Keys.onReturnPressed: clicked()
                Keys.onEnterPressed: clicked()

                FocusRing {
                    anchors.topMargin: parent.topInset - 3
                    anchors.bottomMargin: parent.bottomInset - 3
                    target: parent
                    radius: 5
                }
            }
        }

        Text {
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("版权所有 © %1 %2").arg(window.copyrightYear).arg(window.companyName)
            font.pixelSize: 12
            color: "#999"
        }

        Item {
            Layout.fillHeight: true
        }
    }
}
