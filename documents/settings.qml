import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Cpp.MyComponents
import FluentUI
import "hotkeytable.js" as HotkeyTable

Window {
    id: window

    property var hotKeys: ({
            "screenSavePath": "",
            "screenKey": "Ctrl+P",
            "penKey": "Ctrl+E",
            "closeDrawKey": "Ctrl+Q",
            "eraseKey": "Ctrl+D",
            "textKey": "Ctrl+T",
            "clearKey": "Ctrl+K",
            "circleKey": "Ctrl+O",
            "lineKey": "Ctrl+L"
        })
    property bool dragging: false
    property real dragX: 0
    property real dragY: 0
    // Every hot key, with what a picker shows when nothing is stored. A stored
    // "none" switches the key off; empty or missing still means the default.
    readonly property var pickerRows: [{
            "label": qsTr("截屏热键"),
            "key": "screenKey",
            "fallback": "Ctrl+P"
        }, {
            "label": qsTr("画笔热键"),
            "key": "penKey",
            "fallback": "Ctrl+E"
        }, {
            "label": qsTr("关闭画笔"),
            "key": "closeDrawKey",
            "fallback": "Ctrl+Q"
        }, {
            "label": qsTr("橡皮擦"),
            "key": "eraseKey",
            "fallback": "Ctrl+D"
        }, {
            "label": qsTr("添加文字"),
            "key": "textKey",
            "fallback": "Ctrl+T"
        }, {
            "label": qsTr("清除绘制"),
            "key": "clearKey",
            "fallback": "Ctrl+K"
        }, {
            "label": qsTr("直线绘制"),
            "key": "lineKey",
            "fallback": "Ctrl+L"
        }, {
            "label": qsTr("圆形绘制"),
            "key": "circleKey",
            "fallback": "Ctrl+O"
        }, {
            "label": qsTr("矩形绘制"),
            "key": "rectangleKey",
            "fallback": "Ctrl+R"
        }, {
            "label": qsTr("箭头绘制"),
            "key": "arrowKey",
            "fallback": "Ctrl+A"
        }, {
            "label": qsTr("撤销"),
            "key": "undoKey",
            "fallback": "Ctrl+Z"
        }, {
            "label": qsTr("恢复"),
            "key": "redoKey",
            "fallback": "Ctrl+Y"
        }, {
            "label": qsTr("选择工具"),
            "key": "selectKey",
            "fallback": ""
        }, {
            "label": qsTr("激光笔"),
            "key": "laserKey",
            "fallback": ""
        }, {
            "label": qsTr("聚光灯"),
            "key": "spotlightKey",
            "fallback": ""
        }, {
            "label": qsTr("放大镜"),
            "key": "zoomKey",
            "fallback": ""
        }, {
            "label": qsTr("聚焦工具栏"),
            "key": "toolbarKey",
            "fallback": ""
        }]

    // The screens the toolbar can live on: the primary one (an empty name), every screen
    // there is, and the chosen one while it is not connected.
    readonly property var screenEntries: {
        const entries = [{
                "display": qsTr("主屏幕"),
                "name": ""
            }];
        // Each by its device pixels and, where it is not 100 %, its scale: what the user
        // knows a laptop's screen and a projector by.
        const screens = Array.from(Qt.application.screens); // qmllint disable
        for (const s of screens) {
            const ratio = s.devicePixelRatio > 0 ? s.devicePixelRatio : 1;
            entries.push({
                    "display": s.name + "  " + Math.round(s.width * ratio) + "×" + Math.round(s.height * ratio) + (ratio !== 1 ? "  " + Math.round(ratio * 100) + "%" : ""),
                    "name": s.name
                });
        }
        const stored = hotKeys.toolbarScreen ? String(hotKeys.toolbarScreen) : "";
        if (stored !== "" && !entries.some(e => e.name === stored))
            entries.push({
                    "display": qsTr("%1（未连接）").arg(stored),
                    "name": stored
                });
        return entries;
    }

    signal changeHotKey

    function labelOf(key) {
        const row = pickerRows.find(r => r.key === key);
        return row ? row.label : key;
    }

    // Empty unless another hot key asks for the same keys; then it names them and
    // the one that acts (the toolbar lets only that one respond).
    function sharedNote(key) {
        const all = HotkeyTable.sharing(hotKeys, key);
        if (all.length < 2)
            return "";
        // Quotation marks and the list separator differ from language to language.
        const others = all.filter(k => k !== key).map(k => qsTr("“%1”").arg(labelOf(k))).join(qsTr("、"));
        return qsTr("与%1相同，此键由“%2”响应").arg(others).arg(labelOf(all[0]));
    }

    function loadSettings() {
        hotKeys = JSON.parse(JSON.stringify(settings.getAllSettings()));
        console.log("加载设置成功:", JSON.stringify(hotKeys));
        changeHotKey();
    }

    function saveKeyAndReload(key, value) {
        settings.addSetting(key, value);
        console.log("保存设置:", key, value);
        loadSettings();
    }

    // The toolbar sizes offered, in per cent.
    readonly property var toolbarSizes: [100, 150, 200]

    function saveToolbarSize(index) {
        if (index >= 0 && index < toolbarSizes.length)
            saveKeyAndReload("toolbarSize", String(toolbarSizes[index]));
    }

    // A control reached with Tab scrolls into view.
    function showFocused(item) {
        const flick = scrollView.contentItem;
        if (!item || !flick || !flick.contentItem) // qmllint disable
            return;
        let inside = item;
        while (inside && inside !== flick.contentItem)
            inside = inside.parent;
        if (!inside)
            return;
        const top = item.mapToItem(flick.contentItem, 0, 0).y;
        if (top < flick.contentY)
            flick.contentY = Math.max(0, top - 8);
        else if (top + item.height > flick.contentY + flick.height)
            flick.contentY = Math.min(flick.contentHeight - flick.height, top + item.height - flick.height + 8);
    }

    function browseSaveDirectory() {
        const chosen = settings.selectSaveDirectory(hotKeys.screenSavePath ? hotKeys.screenSavePath : "");
        if (!chosen)
            return;
        pathBox.text = chosen;
        loadSettings();
    }

    function loadLanguages() {
        const available = settings.getAvailableLanguages();
        let entries = [];
        if (!available || available.length === 0) {
            entries = [{
                    "display": "简体中文",
                    "code": "zh_CN"
                }, {
                    "display": "English",
                    "code": "en"
                }];
        } else {
            for (const language of available)
                entries.push({
                        "display": language.name ? language.name : language.code,
                        "code": language.code
                    });
        }
        languageBox.model = entries;
        const current = settings.getCurrentLanguage();
        const index = entries.findIndex(entry => entry.code === current);
        if (index >= 0) {
            languageSelect.index = index;
            languageSelect.start();
        }
    }

    function updateApplyButton() {
        const index = languageBox.currentIndex;
        if (index < 0 || index >= languageBox.count)
            return;
        applyButton.visible = languageBox.model[index].code !== settings.getCurrentLanguage();
    }

    function applyLanguage() {
        const index = languageBox.currentIndex;
        if (index < 0 || index >= languageBox.count) {
            infoBar.showError("选择的语言无效");
            return;
        }
        if (settings.setLanguage(languageBox.model[index].code)) {
            applyButton.visible = false;
            if (!settings.restartApplication())
                infoBar.showError(qsTr("无法重新启动程序，请手动重新启动以使用新语言"), 6000);
        } else {
            infoBar.showError("语言切换失败");
        }
    }

    width: 400
    height: 700
    flags: Qt.Window | Qt.FramelessWindowHint | Qt.Tool | Qt.WindowStaysOnTopHint
    color: "transparent"
    visible: true
    Component.onCompleted: {
        loadSettings();
        requestActivate();
        raise();
    }
    onActiveFocusItemChanged: showFocused(activeFocusItem)
    // The path box follows every reload, also after the user typed into it.
    onHotKeysChanged: pathBox.text = hotKeys.screenSavePath ? hotKeys.screenSavePath : ""

    // A switch whose text wraps within the window instead of running past it.
    component WrappingSwitch: Switch {
        id: wrappingSwitch

        Layout.fillWidth: true
        font.pixelSize: 14

        // Drawn here: the style's knob is a shadowed item that the software renderer,
        // which the program often runs on, leaves out.
        indicator: Rectangle {
            x: wrappingSwitch.mirrored ? wrappingSwitch.width - width - wrappingSwitch.rightPadding : wrappingSwitch.leftPadding
            y: (wrappingSwitch.height - height) / 2
            implicitWidth: 40
            implicitHeight: 20
            radius: height / 2
            color: wrappingSwitch.checked ? (wrappingSwitch.enabled ? "#0067C0" : "#A0A0A0") : "#FFFFFF"
            border.width: wrappingSwitch.checked ? 0 : 1
            border.color: wrappingSwitch.enabled ? "#5F5F5F" : "#C0C0C0"

            Rectangle {
                width: 12
                height: 12
                radius: 6
                anchors.verticalCenter: parent.verticalCenter
                x: wrappingSwitch.checked ? parent.width - width - 4 : 4
                color: wrappingSwitch.checked ? "#FFFFFF" : (wrappingSwitch.enabled ? "#5F5F5F" : "#C0C0C0")
            }
        }

        contentItem: Text {
            leftPadding: wrappingSwitch.indicator && !wrappingSwitch.mirrored ? wrappingSwitch.indicator.width + wrappingSwitch.spacing : 0
            rightPadding: wrappingSwitch.indicator && wrappingSwitch.mirrored ? wrappingSwitch.indicator.width + wrappingSwitch.spacing : 0
            text: wrappingSwitch.text
            font: wrappingSwitch.font
            color: wrappingSwitch.enabled ? "#1A1A1A" : "#A0A0A0"
            wrapMode: Text.Wrap
            verticalAlignment: Text.AlignVCenter
        }
    }

    SettingsClazz {
        id: settings
    }

    FluInfoBar {
        id: infoBar

        root: window
    }

    Timer {
        id: languageSelect

        property int index: -1

        interval: 100
        repeat: false
        onTriggered: languageBox.currentIndex = index
    }

    Component {
        id: hotkeyComponent

        FluHotkey {
        }
    }

    Rectangle {
        anchors.fill: parent
        color: "#FFFFFF"
        radius: 10
        clip: true
        // Right to left for Arabic; the keys go to the controls, Escape closes.
        LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft // qmllint disable
        LayoutMirroring.childrenInherit: true
        focus: true
        Keys.onEscapePressed: window.destroy()

        MouseArea {
            id: dragStrip

            objectName: "dragStrip"
            anchors.left: parent.left
            anchors.top: parent.top
            width: parent.width - closeButton.width
            height: 40
            // Follows the pointer's place on the desktop: a position relative to the
            // window counts again every move the window system has not made yet.
            WindowPointer {
                id: pointer

                window: dragStrip.Window.window
            }

            onPressed: {
                window.dragX = pointer.position.x - window.x;
                window.dragY = pointer.position.y - window.y;
                window.dragging = true;
            }
            onPositionChanged: {
                if (!window.dragging)
                    return;
                window.x = pointer.position.x - window.dragX;
                window.y = pointer.position.y - window.dragY;
            }
            onReleased: window.dragging = false
        }

        ScrollView {
            id: scrollView

            anchors.fill: parent
            anchors.topMargin: dragStrip.height + 15
            anchors.margins: 15
            ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
            // Long texts (German, Russian) wrap instead of widening the page past the window.
            contentWidth: availableWidth
            clip: true

            ColumnLayout {
                width: scrollView.availableWidth
                spacing: 15

                Text {
                    text: qsTr("截图路径")
                    font.pixelSize: 14
                    color: "#1A1A1A"
                }

                RowLayout {
                    Layout.fillWidth: true
                    spacing: 10

                    FluTextBox {
                        id: pathBox

                        objectName: "pathBox"
                        Layout.fillWidth: true
                        Layout.minimumWidth: 150
                        placeholderText: qsTr("截图保存路径")
                        Accessible.name: qsTr("截图路径")
                        onEditingFinished: window.saveKeyAndReload("screenSavePath", text)
                    }

                    FluButton {
                        objectName: "browseButton"
                        text: qsTr("浏览")
                        onClicked: window.browseSaveDirectory()
                    }
                }

                Text {
                    text: qsTr("语言设置")
                    font.pixelSize: 14
                    color: "#1A1A1A"
                }

                // The button takes its room from the box only while it shows; a
                // layout would leave a button shown later on top of the box.
                Item {
                    Layout.fillWidth: true
                    implicitHeight: Math.max(languageBox.implicitHeight, applyButton.implicitHeight)

                    FluComboBox {
                        id: languageBox

                        objectName: "languageBox"
                        anchors.left: parent.left
                        anchors.right: applyButton.visible ? applyButton.left : parent.right
                        anchors.rightMargin: applyButton.visible ? 10 : 0
                        anchors.verticalCenter: parent.verticalCenter
                        textRole: "display"
                        valueRole: "code"
                        Accessible.name: qsTr("语言设置")
                        model: []
                        onCurrentIndexChanged: window.updateApplyButton()
                        // Qt 6.4 describes Qt.callLater to qmllint as a plain value.
                        Component.onCompleted: Qt.callLater(window.loadLanguages) // qmllint disable type
                    }

                    FluButton {
                        id: applyButton

                        objectName: "applyButton"
                        anchors.right: parent.right
                        anchors.verticalCenter: parent.verticalCenter
                        text: qsTr("应用")
                        highlighted: true
                        visible: false
                        onClicked: window.applyLanguage()
                    }
                }

                Text {
                    text: qsTr("工具栏大小")
                    font.pixelSize: 14
                    color: "#1A1A1A"
                }

                // Larger buttons and choosers for fingers on a touch board.
                FluComboBox {
                    id: sizeBox

                    objectName: "toolbarSizeBox"
                    Layout.fillWidth: true
                    Layout.minimumWidth: 120
                    model: window.toolbarSizes.map(size => qsTr("%1 %").arg(size))
                    currentIndex: Math.max(0, window.toolbarSizes.indexOf(parseInt(window.hotKeys.toolbarSize, 10)))
                    Accessible.name: qsTr("工具栏大小")
                    onActivated: index => window.saveToolbarSize(index)
                }

                // An autostart entry on Linux, the Run key on Windows; the switch shows
                // what the system holds, which may have changed outside the program.
                WrappingSwitch {
                    id: loginSwitch

                    objectName: "loginSwitch"
                    text: qsTr("开机启动")
                    font.pixelSize: 14
                    checked: settings.startsAtLogin()
                    onToggled: {
                        if (!settings.setStartAtLogin(checked)) {
                            checked = settings.startsAtLogin();
                            infoBar.showError(qsTr("无法更改开机启动"));
                        }
                    }
                }

                // Screenshots and exports are saved either way; this also puts them
                // on the clipboard, ready to paste.
                WrappingSwitch {
                    objectName: "copySwitch"
                    text: qsTr("截图和导出后复制到剪贴板")
                    font.pixelSize: 14
                    checked: window.hotKeys.copyImages === "true"
                    onToggled: window.saveKeyAndReload("copyImages", checked ? "true" : "false")
                }

                // Takes the hand's jitter out of freehand strokes as they are drawn; the tip
                // stays under the pointer. A pen or a finger draws steadily already.
                WrappingSwitch {
                    objectName: "smoothMouseSwitch"
                    text: qsTr("平滑鼠标笔迹")
                    font.pixelSize: 14
                    checked: window.hotKeys.smoothMouse !== "false"
                    onToggled: window.saveKeyAndReload("smoothMouse", checked ? "true" : "false")
                }

                WrappingSwitch {
                    objectName: "smoothPenSwitch"
                    text: qsTr("平滑手写笔和触摸笔迹")
                    font.pixelSize: 14
                    checked: window.hotKeys.smoothPen === "true"
                    onToggled: window.saveKeyAndReload("smoothPen", checked ? "true" : "false")
                }

                Text {
                    text: qsTr("工具栏所在屏幕")
                    font.pixelSize: 14
                    color: "#1A1A1A"
                }

                // Dragging the toolbar to another screen chooses that one as well.
                FluComboBox {
                    objectName: "screenBox"
                    Layout.fillWidth: true
                    textRole: "display"
                    valueRole: "name"
                    model: window.screenEntries
                    currentIndex: window.screenEntries.findIndex(e => e.name === (window.hotKeys.toolbarScreen ? String(window.hotKeys.toolbarScreen) : ""))
                    onActivated: index => window.saveKeyAndReload("toolbarScreen", window.screenEntries[index].name)
                }

                DesktopShortcuts {
                    objectName: "desktopShortcuts"
                    Layout.fillWidth: true
                    hotKeys: window.hotKeys
                    labelOf: window.labelOf
                    infoBar: infoBar
                }

                Column {
                    id: pickerColumn

                    Layout.fillWidth: true
                    spacing: 8

                    Repeater {
                        model: window.pickerRows

                        // The pickers read the window by id. qmllint 6.4 accepts that only
                        // under pragma ComponentBehavior: Bound, whose value qmlformat 6.4 drops.
                        // qmllint disable unqualified
                        Column {
                            id: pickerRow

                            required property var modelData
                            readonly property string note: window.sharedNote(modelData.key)

                            width: pickerColumn.width
                            spacing: 2

                            FluShortcutPicker {
                                id: picker

                                readonly property var modelData: pickerRow.modelData
                                property string currentSequence: {
                                    const stored = window.hotKeys[modelData.key];
                                    return typeof stored === "string" && stored !== "" ? stored : modelData.fallback;
                                }
                                // What the hot key registers: nothing while switched off.
                                readonly property string activeSequence: currentSequence === "none" ? "" : currentSequence

                                function syncWithHotkey() {
                                    // Bound, so that the first load of the settings (after the
                                    // pickers exist) moves it to the stored sequence.
                                    syncHotkey = hotkeyComponent.createObject(picker, {
                                            "name": modelData.label,
                                            "sequence": Qt.binding(() => picker.activeSequence)
                                        });
                                }

                                objectName: "picker_" + modelData.key
                                width: pickerRow.width
                                height: 40
                                shared: pickerRow.note !== ""
                                text: modelData.label
                                title: modelData.label
                                message: qsTr("按下键盘用于改变热键")
                                positiveText: qsTr("保存")
                                neutralText: qsTr("取消")
                                negativeText: qsTr("重制")
                                noneText: qsTr("不使用")
                                noneLabel: qsTr("无")
                                conflictText: qsTr("已被其他程序占用")
                                Component.onCompleted: syncWithHotkey()
                                onAccepted: {
                                    currentSequence = current.length > 0 ? current.join("+") : "none";
                                    window.saveKeyAndReload(modelData.key, currentSequence);
                                    syncWithHotkey();
                                }
                            }

                            // Behind the desktop's shortcut portal the desktop has the last word.
                            Text {
                                readonly property string given: FluHotkeyService.triggers[HotkeyTable.actionOf(pickerRow.modelData.key)] || ""

                                objectName: "desktopTrigger_" + pickerRow.modelData.key
                                visible: FluHotkeyService.mode === "portal" && picker.activeSequence !== ""
                                leftPadding: 4
                                text: given !== "" ? qsTr("桌面指定的按键：%1").arg(given) : qsTr("桌面尚未指定按键")
                                color: "#5C5C5C"
                                font.pixelSize: 12
                            }

                            Row {
                                visible: pickerRow.note !== ""
                                spacing: 6
                                leftPadding: 4

                                FluIcon {
                                    anchors.verticalCenter: parent.verticalCenter
                                    iconSource: FluentIcons.Warning
                                    iconSize: 14
                                    iconColor: "#9D5D00"
                                }

                                Text {
                                    objectName: "sharedNote_" + pickerRow.modelData.key
                                    width: pickerRow.width - 30
                                    text: pickerRow.note
                                    color: "#9D5D00"
                                    font.pixelSize: 12
                                    wrapMode: Text.Wrap
                                }
                            }
                        }
                        // qmllint enable unqualified
                    }
                }
            }
        }

        FluIconButton {
            id: closeButton

            objectName: "closeButton"
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: 5
            iconSource: FluentIcons.Cancel
            text: qsTr("关闭")
            onClicked: window.destroy()
        }
    }
}
