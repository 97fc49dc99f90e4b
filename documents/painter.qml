import QtQuick
import QtQuick.Controls
import Cpp.MyComponents
import FluentUI
import "site.js" as Site

// The toolbar: a narrow, always-on-top strip of icon buttons that owns every
// other window of the program.
Window {
    id: window

    readonly property real scaleFactor: 0.65
    property bool drawAble: false
    property var hotKeys: ({})
    property string appVersion: "2.1.2"
    property string updateCheckUrl: ""
    property var drawWindow: null
    property Window selectWindow: null
    property Window settingWindow: null
    // The about window (about.qml), reached through its own functions.
    property var aboutWindow: null
    property Window updateW: null
    property string penIcon: "qrc:/icons/pen.png"
    property string lineIcon: "qrc:/icons/line.png"
    property string cuxiIcon: "qrc:/icons/b.png"
    // Also the role of the undo/redo button: chexiao undoes, fanhui redoes.
    property string cxiaoIcon: "qrc:/icons/chexiao.png"
    property string deleteIcon: "qrc:/icons/timer.png"
    property string repeatIcon: "qrc:/icons/re.png"
    property string yanshiIcon: "qrc:/icons/draw.png"
    property int defPenSize: 3
    property int savedPenSize: 3
    property bool dragging: false
    property int dragX: 0
    property int dragY: 0
    property int seX: 0
    property int seY: 0
    property bool collapsed: false
    readonly property int rightMargin: marginToScreenEdge(x, width, screen)
    readonly property alias fadeTimer: fadeTimer
    readonly property bool onX11: Qt.platform.pluginName === "xcb"

    readonly property int buttonWidth: Math.round(50 * scaleFactor)
    readonly property int buttonHeight: Math.round(40 * scaleFactor)
    readonly property bool overlayActive: drawAble && drawWindow !== null

    // Room between the toolbar's right edge and the right edge of its screen.
    // Placement code calls it directly: the window reports a move to bindings
    // only once the window system has confirmed it.
    function marginToScreenEdge(left, wide, onScreen) {
        return onScreen ? onScreen.virtualX + onScreen.width - (left + wide) : 0;
    }

    function currentRightMargin() {
        return marginToScreenEdge(window.x, window.width, window.screen);
    }

    function closeF() {
        destroyChooser();
        if (drawWindow && drawWindow.textInputMode)
            drawWindow.textInputMode = false;
    }

    function destroyChooser() {
        if (selectWindow) {
            selectWindow.destroy();
            selectWindow = null;
        }
    }

    function destroyAbout() {
        if (aboutWindow) {
            aboutWindow.destroy();
            aboutWindow = null;
        }
    }

    function destroySettings() {
        if (settingWindow) {
            settingWindow.destroy();
            settingWindow = null;
        }
    }

    // Creates a top-level window from a document; null when the document is not
    // ready, in which case nothing else changes.
    function createWindow(url, properties) {
        const component = Qt.createComponent(url);
        if (component.status !== Component.Ready) {
            if (component.status === Component.Error)
                console.error("Cannot create", url, component.errorString());
            return null;
        }
        return component.createObject(null, properties || {});
    }

    function ensureDrawWindow() {
        if (drawWindow)
            return drawWindow;
        const overlay = createWindow("qrc:/draw.qml");
        if (!overlay)
            return null;
        drawWindow = overlay;
        overlay.clickDrawWin.connect(closeF);
        overlay.showFullScreen();
        overlay.resetDraw();
        stayAbove(overlay);
        window.raise();
        return overlay;
    }

    // On X11 the toolbar is a transient of the overlay: window managers there
    // lift a focused window that covers the screen above always-on-top ones,
    // but keep transients above their parent. The tie is read when the window
    // is mapped, hence the hide and show.
    function stayAbove(overlay) {
        if (!onX11 || window.transientParent === overlay)
            return;
        window.transientParent = overlay;
        if (window.visible) {
            window.hide();
            window.show();
        }
    }

    // On X11 a window opened from the toolbar is its transient: the tie keeps it
    // above the toolbar and so above the overlay, which otherwise covers it again
    // as soon as it takes the focus back.
    function tiedToToolbar(properties) {
        const tied = properties || {};
        if (onX11)
            tied.transientParent = window;
        return tied;
    }

    function switchDrawing() {
        closeF();
        destroyAbout();
        drawAble = !drawAble;
        if (drawWindow) {
            drawWindow.painter.isEraserMode = false;
            drawWindow.closeColorDialog();
            if (drawAble)
                drawWindow.resetDraw();
            else
                drawWindow.chuantouMouse();
        } else {
            ensureDrawWindow();
        }
        changePenSelect(0, "qrc:/icons/pen.png");
        window.raise();
    }

    function toggleCollapse() {
        destroyChooser();
        collapsed = !collapsed;
    }

    function openChooser(btnType, entries, offsetY, receiver, blocked) {
        const popupWidth = 55 * scaleFactor;
        seX = currentRightMargin() <= popupWidth + 10 ? Math.trunc(-popupWidth) : Math.round(50 * scaleFactor);
        seY = Math.trunc(offsetY * scaleFactor);
        destroyChooser();
        const properties = {
            "scaleFactor": scaleFactor,
            "btnType": btnType,
            "customData": entries,
            "x": window.x + seX,
            "y": window.y + seY
        };
        if (blocked !== undefined)
            properties.enableEvent = blocked;
        const chooser = createWindow("qrc:/select.qml", tiedToToolbar(properties));
        if (!chooser)
            return null;
        selectWindow = chooser;
        chooser.raise();
        window.raise();
        chooser.changeSelect.connect(receiver);
        return chooser;
    }

    function restoreSavedSize(painter) {
        if (painter.drawMode === 6)
            painter.penSize = savedPenSize;
    }

    function changePenSelect(index, icon) {
        penIcon = icon;
        if (drawWindow)
            drawWindow.textInputMode = false;
        else
            ensureDrawWindow();
        if (!drawWindow)
            return;
        const painter = drawWindow.painter;
        painter.penSize = defPenSize;
        if (icon === "qrc:/icons/pen.png") {
            restoreSavedSize(painter);
            painter.drawMode = 0;
            painter.isEraserMode = false;
            painter.penOpacity = 1.0;
        } else if (icon === "qrc:/icons/ygpen.png") {
            console.log("切换到荧光笔模式");
            painter.isEraserMode = false;
            restoreSavedSize(painter);
            painter.drawMode = 0;
            painter.penOpacity = 0.4;
            console.log("使用荧光笔模式，透明度设置为: " + painter.penOpacity);
            painter.penSize = defPenSize;
        } else if (icon === "qrc:/icons/text.png") {
            restoreSavedSize(painter);
            drawWindow.textInputMode = true;
        }
    }

    function changeLineSelect(index, icon) {
        if (!drawWindow)
            return;
        const painter = drawWindow.painter;
        drawWindow.textInputMode = false;
        lineIcon = icon;
        painter.penSize = defPenSize;
        painter.isEraserMode = false;
        painter.penOpacity = 1.0;
        switch (icon) {
        case "qrc:/icons/line.png":
            drawWindow.showWarning(qsTr("Shit+绘制:绘制90°,45°,180°直线"), 6000);
            restoreSavedSize(painter);
            painter.drawMode = 1;
            break;
        case "qrc:/icons/circle.png":
            restoreSavedSize(painter);
            painter.drawMode = 2;
            break;
        case "qrc:/icons/rect.png":
            drawWindow.showWarning(qsTr("Shit+绘制:绘制正方形"), 6000);
            restoreSavedSize(painter);
            painter.drawMode = 3;
            break;
        case "qrc:/icons/jiantou.png":
            restoreSavedSize(painter);
            painter.drawMode = 4;
            break;
        case "qrc:/icons/munber.png":
            savedPenSize = painter.penSize;
            painter.penSize = defPenSize;
            painter.drawMode = 6;
            break;
        }
    }

    function changeBoradSelect(index, icon) {
        if (!drawWindow)
            return;
        drawWindow.textInputMode = false;
        yanshiIcon = icon;
        drawWindow.painter.penSize = defPenSize;
        switch (icon) {
        case "qrc:/icons/whiteBorad.png":
            drawWindow.color = "white";
            drawWindow.closeBackImg();
            break;
        case "qrc:/icons/blackBoard.png":
            drawWindow.color = "black";
            drawWindow.closeBackImg();
            break;
        case "qrc:/icons/draw.png":
            drawWindow.color = "transparent";
            drawWindow.closeBackImg();
            break;
        case "qrc:/icons/tuku.png":
            drawWindow.getImgToBack();
            break;
        }
    }

    function changeCxiao(index, icon) {
        cxiaoIcon = icon;
    }

    function undoOrRedo() {
        if (!overlayActive)
            return;
        const painter = drawWindow.painter;
        if (cxiaoIcon === "qrc:/icons/fanhui.png") {
            if (painter.canRedo)
                painter.redo();
        } else if (painter.canUndo) {
            painter.undo();
        }
    }

    function changeCuXiSelect(index, icon) {
        if (!drawWindow)
            return;
        drawWindow.textInputMode = false;
        cuxiIcon = icon;
        const sizes = {
            "qrc:/icons/a.png": 3,
            "qrc:/icons/b.png": 8,
            "qrc:/icons/c.png": 15,
            "qrc:/icons/d.png": 20
        };
        drawWindow.painter.penSize = sizes[icon] || 3;
    }

    // Seconds encoded in an icon name such as "qrc:/icons/timer5.png"; 0 for
    // the plain icon, -1 when the name does not fit.
    function periodOf(icon, stem) {
        const text = String(icon);
        const head = "qrc:/icons/" + stem;
        if (!text.startsWith(head) || !text.endsWith(".png"))
            return -1;
        const digits = text.substring(head.length, text.length - 4);
        if (digits.length === 0)
            return 0;
        return /^[0-9]+$/.test(digits) ? parseInt(digits, 10) : -1;
    }

    function startDeleteItem(index, icon) {
        deleteIcon = icon;
        fadeTimer.stop();
        const seconds = periodOf(icon, "timer");
        if (seconds < 0) {
            console.error("渐隐时间无效:", icon);
            return;
        }
        if (seconds * 1000 >= 1000) {
            fadeTimer.interval = seconds * 1000;
            fadeTimer.start();
        }
    }

    function changeTimer(index, icon) {
        if (!icon)
            return;
        repeatIcon = icon;
        const seconds = periodOf(icon, "re");
        if (seconds < 0) {
            console.error("设置渐变时间错误:", icon);
            if (drawWindow)
                drawWindow.painter.repeatDraw(0);
            repeatIcon = "qrc:/icons/re.png";
            return;
        }
        if (drawWindow)
            drawWindow.painter.repeatDraw(seconds * 1000 >= 1000 ? seconds * 1000 : 0);
    }

    function toggleEraser() {
        if (!drawWindow)
            return;
        const painter = drawWindow.painter;
        restoreSavedSize(painter);
        drawWindow.textInputMode = false;
        painter.isEraserMode = !painter.isEraserMode;
        if (painter.isEraserMode)
            painter.drawMode = 0;
    }

    function clearCanvas() {
        if (!drawWindow)
            return;
        drawWindow.closeBackImg();
        drawWindow.painter.clear();
    }

    function openColour() {
        window.raise();
        if (drawWindow && drawAble)
            drawWindow.openColorDialog();
    }

    function changeSettingSelect(index, text) {
        switch (index) {
        case 0:
            destroySettings();
            showAbout();
            break;
        case 1:
            openHelp();
            break;
        case 2:
            showSettings();
            break;
        case 3:
            Qt.quit();
            break;
        }
    }

    // The help page shipped beside the program, else the one on the web site.
    function openHelp() {
        const local = settings.applicationFileUrl("help.html");
        Qt.openUrlExternally(local !== "" ? local : Site.helpPage());
    }

    function showSettings() {
        destroyAbout();
        destroySettings();
        const settingsWindow = createWindow("qrc:/settings.qml", tiedToToolbar());
        if (!settingsWindow)
            return;
        settingWindow = settingsWindow;
        settingsWindow.x = currentRightMargin() <= 350 ? window.x - 360 : window.x + 60;
        settingsWindow.changeHotKey.connect(onHotKeyChanged);
        settingsWindow.raise();
        window.raise();
    }

    function showAbout() {
        destroyAbout();
        const about = createWindow("qrc:/about.qml", tiedToToolbar());
        if (!about)
            return;
        aboutWindow = about;
        about.checkUpdate.connect(showUpdate);
        seX = currentRightMargin() <= 400 ? -400 : 60;
        about.x = window.x + seX;
        window.raise();
    }

    // POSTs data as JSON; resolves with the answer text on a 2xx status.
    function post(url, data) {
        return new Promise((resolve, reject) => {
            const xhr = new XMLHttpRequest();
            xhr.onreadystatechange = () => {
                if (xhr.readyState !== XMLHttpRequest.DONE)
                    return;
                if (xhr.status >= 200 && xhr.status <= 299)
                    resolve(xhr.responseText);
                else if (xhr.status === 0)
                    reject(new Error("Network error"));
                else
                    reject(new Error("Request failed with status " + xhr.status));
            };
            xhr.open("POST", url);
            xhr.setRequestHeader("Content-Type", "application/json");
            xhr.send(JSON.stringify(data));
        });
    }

    // Once per start: asks the update server whether an update is offered.
    function checkForUpdate() {
        const os = settings.getSysInfo();
        console.log("check update url:", updateCheckUrl, os);
        if (!updateCheckUrl)
            return;
        post(updateCheckUrl, {
                "app": "quillmark",
                "version": appVersion,
                "os": os
            }).then(text => {
                if (!text)
                    return;
                console.log("main check update", text);
                try {
                    if (JSON.parse(text).push)
                        showUpdate();
                } catch (e) {
                    console.log("");
                }
            }, () => {});
    }

    // Each call opens a new prompt; it shows itself only when an update is offered.
    function showUpdate() {
        if (!updateCheckUrl)
            return;
        const prompt = createWindow("qrc:/showUpdate.qml", tiedToToolbar({
                    "updateCheckUrl": updateCheckUrl,
                    "appVersion": appVersion
                }));
        if (!prompt)
            return;
        updateW = prompt;
        prompt.needUpdate.connect(closeAbout);
        prompt.checkIsUpdate();
    }

    function closeAbout(isUpdate) {
        if (isUpdate) {
            destroyChooser();
            destroyAbout();
        } else if (aboutWindow) {
            aboutWindow.showNoUpdate();
        }
    }

    function loadSettings() {
        hotKeys = JSON.parse(JSON.stringify(settings.getAllSettings()));
        if (settingWindow)
            settingWindow.raise();
    }

    function onHotKeyChanged() {
        console.log("Hot key has been changed");
        loadSettings();
        if (drawWindow && drawWindow.painter.penOpacity < 1.0 && !drawWindow.painter.isEraserMode)
            drawWindow.painter.penOpacity = 1.0;
    }

    title: "主窗口"
    color: "transparent"
    // A tool window on X11, where only such windows carry their tie to the
    // overlay (see stayAbove()).
    flags: Qt.FramelessWindowHint | Qt.WindowStaysOnTopHint | (onX11 ? Qt.Tool : Qt.Window)
    width: buttonWidth
    height: Math.round((collapsed ? 99 : 750) * scaleFactor)
    visible: true

    Component.onCompleted: {
        // First position: near the right edge, clear of the top panel.
        x = Screen.virtualX + Screen.desktopAvailableWidth - width - 120;
        y = Screen.virtualY + 120;
        const storedVersion = String(settings.getIniValue("UPDATE", "APPVersion"));
        if (storedVersion !== appVersion)
            settings.setIniValue("UPDATE", "APPVersion", appVersion);
        updateCheckUrl = String(settings.getIniValue("UPDATE", "UpdateURL"));
        window.raise();
        loadSettings();
        checkForUpdate();
    }

    SettingsClazz {
        id: settings
    }

    Timer {
        id: fadeTimer

        interval: 1000
        repeat: true
        running: false
        onTriggered: {
            if (window.drawWindow)
                window.drawWindow.painter.undoGradient();
        }
    }

    // System-wide hot keys: they act whichever program has the keyboard focus,
    // and whether drawing is on or off. Only "画笔" switches drawing on and only
    // "退出绘制模式" switches it off; none of them touches the toolbar's icons.
    FluObject {
        id: hotkeys

        // The stored sequence when it is a non-empty text, else the fallback.
        // Read through window.hotKeys, so every loadSettings() moves the keys.
        function sequenceFor(key, fallback) {
            const stored = window.hotKeys[key];
            return typeof stored === "string" && stored !== "" ? stored : fallback;
        }

        // Eraser off, plain opacity and the shape's mode; a size saved on
        // entering numbered circles comes back.
        function pickShape(mode) {
            if (!window.drawWindow)
                return;
            const painter = window.drawWindow.painter;
            painter.isEraserMode = false;
            window.restoreSavedSize(painter);
            painter.drawMode = mode;
            painter.penOpacity = 1.0;
        }

        FluHotkey {
            name: qsTr("截屏")
            sequence: hotkeys.sequenceFor("screenKey", "Ctrl+P")
            onActivated: {
                const path = window.hotKeys.screenSavePath;
                console.log(name, path);
                if (typeof path === "string" && path !== "")
                    settings.captureScreen();
            }
        }

        FluHotkey {
            name: qsTr("橡皮擦")
            sequence: hotkeys.sequenceFor("eraseKey", "Ctrl+D")
            onActivated: {
                console.log(name);
                if (!window.drawWindow)
                    return;
                const painter = window.drawWindow.painter;
                window.restoreSavedSize(painter);
                painter.isEraserMode = !painter.isEraserMode;
                if (painter.isEraserMode)
                    painter.drawMode = 0;
            }
        }

        FluHotkey {
            name: qsTr("画笔")
            sequence: hotkeys.sequenceFor("penKey", "Ctrl+E")
            onActivated: {
                console.log(name);
                window.drawAble = true;
                if (!window.drawWindow) {
                    if (window.ensureDrawWindow())
                        window.drawWindow.painter.penSize = 3;
                    return;
                }
                const painter = window.drawWindow.painter;
                window.drawWindow.resetDraw();
                painter.penSize = 3;
                painter.isEraserMode = false;
                painter.drawMode = 0;
                painter.penOpacity = 1.0;
                window.raise();
            }
        }

        FluHotkey {
            name: qsTr("退出绘制模式")
            sequence: hotkeys.sequenceFor("closeDrawKey", "Ctrl+Q")
            onActivated: {
                console.log(name);
                if (!window.drawWindow)
                    return;
                const painter = window.drawWindow.painter;
                window.drawWindow.closeColorDialog();
                painter.isEraserMode = false;
                painter.drawMode = 0;
                painter.penOpacity = 1.0;
                window.drawAble = false;
                window.drawWindow.chuantouMouse();
            }
        }

        FluHotkey {
            name: qsTr("文字")
            sequence: hotkeys.sequenceFor("textKey", "Ctrl+T")
            onActivated: {
                console.log(name);
                console.log("文字输入模式");
                if (!window.drawWindow)
                    return;
                window.restoreSavedSize(window.drawWindow.painter);
                window.drawWindow.textInputMode = true;
            }
        }

        // The background picture stays.
        FluHotkey {
            name: qsTr("清除画布")
            sequence: hotkeys.sequenceFor("clearKey", "Ctrl+L")
            onActivated: {
                console.log(name);
                if (window.drawWindow)
                    window.drawWindow.painter.clear();
            }
        }

        FluHotkey {
            name: qsTr("撤销")
            sequence: hotkeys.sequenceFor("undoKey", "Ctrl+Z")
            onActivated: {
                console.log(name);
                console.log("撤销操作");
                if (window.drawWindow && window.drawWindow.painter.canUndo)
                    window.drawWindow.painter.undo();
            }
        }

        FluHotkey {
            name: qsTr("恢复")
            sequence: hotkeys.sequenceFor("redoKey", "Ctrl+Y")
            onActivated: {
                console.log(name);
                console.log("恢复操作");
                if (window.drawWindow && window.drawWindow.painter.canRedo)
                    window.drawWindow.painter.redo();
            }
        }

        FluHotkey {
            name: qsTr("直线模式")
            sequence: hotkeys.sequenceFor("lineKey", "Ctrl+L")
            onActivated: {
                console.log(name);
                hotkeys.pickShape(1);
            }
        }

        FluHotkey {
            name: qsTr("圆形模式")
            sequence: hotkeys.sequenceFor("circleKey", "Ctrl+O")
            onActivated: {
                console.log(name);
                hotkeys.pickShape(2);
            }
        }

        FluHotkey {
            name: qsTr("矩形模式")
            sequence: hotkeys.sequenceFor("rectangleKey", "Ctrl+R")
            onActivated: {
                console.log(name);
                hotkeys.pickShape(3);
            }
        }

        FluHotkey {
            name: qsTr("箭头模式")
            sequence: hotkeys.sequenceFor("arrowKey", "Ctrl+A")
            onActivated: {
                console.log(name);
                hotkeys.pickShape(4);
            }
        }
    }

    Connections {
        function onLanguageChanged(language) {
            console.log("语言已更改为: " + language);
            const wasVisible = window.visible;
            window.hide();
            if (!wasVisible)
                return;
            const reshow = Qt.createQmlObject("import QtQuick; Timer { interval: 100; repeat: false }", window);
            reshow.triggered.connect(() => {
                    window.show();
                    reshow.destroy();
                });
            reshow.start();
        }

        // A context property of the program, unknown to qmllint.
        target: typeof LanguageManager !== "undefined" ? LanguageManager : null // qmllint disable unqualified
    }

    // The toolbar's own parts read its sizes by id. qmllint 6.4 accepts that only
    // under pragma ComponentBehavior: Bound, whose value qmlformat 6.4 drops.
    // qmllint disable unqualified
    component Separator: Rectangle {
        anchors.horizontalCenter: parent ? parent.horizontalCenter : undefined
        width: Math.round(window.buttonWidth / 2)
        height: 1
        color: "gray"
    }

    component ToolButton: MyIconButton {
        width: window.buttonWidth
        height: window.buttonHeight
        anchors.horizontalCenter: parent ? parent.horizontalCenter : undefined
        miniSize: 1
        radius: 0
    }

    // qmllint enable unqualified
    Column {
        anchors.fill: parent
        spacing: Math.round(10 * window.scaleFactor)

        MyIconButton {
            id: logo

            width: window.buttonWidth
            height: Math.round(48 * window.scaleFactor)
            img_src: "qrc:/icons/logo.png"
            color: "transparent"
            isBackTransparent: true
            isMoveStyle: true
            radius: 0

            onPressed: mouse => {
                window.dragX = mouse.x;
                window.dragY = mouse.y;
                window.dragging = true;
            }
            onPositionChanged: mouse => {
                if (!window.dragging)
                    return;
                window.destroyChooser();
                window.x += mouse.x - window.dragX;
                window.y += mouse.y - window.dragY;
            }
            onRelease: window.dragging = false
        }

        Rectangle {
            id: panel

            width: window.width
            height: Math.round(750 * window.scaleFactor)
            color: "#FFFFFF"
            clip: true

            Column {
                id: buttons

                width: parent.width
                spacing: Math.round(4 * window.scaleFactor)

                ToolButton {
                    id: collapseButton

                    img_src: window.collapsed ? "qrc:/icons/up.png" : "qrc:/icons/down.png"
                    color: "#F25017"
                    isBackTransparent: true
                    onClickedLeft: window.toggleCollapse()
                }

                ToolButton {
                    id: drawSwitch

                    img_src: window.drawAble ? "qrc:/icons/penmodel.png" : "qrc:/icons/mouse.png"
                    toolTipText: window.drawAble ? qsTr("鼠标") : qsTr("画笔")
                    onClickedLeft: window.switchDrawing()
                }

                Separator {
                }

                ToolButton {
                    id: penButton

                    img_src: window.penIcon
                    showRBIcon: true
                    onEntered: {
                        if (window.drawAble)
                            window.openChooser(1, ["qrc:/icons/pen.png", "qrc:/icons/ygpen.png", "qrc:/icons/text.png"], 85, window.changePenSelect);
                    }
                }

                Separator {
                }

                ToolButton {
                    id: lineButton

                    img_src: window.lineIcon
                    showRBIcon: true
                    onEntered: {
                        if (window.drawAble)
                            window.openChooser(1, ["qrc:/icons/line.png", "qrc:/icons/circle.png", "qrc:/icons/jiantou.png", "qrc:/icons/rect.png", "qrc:/icons/munber.png"], 120, window.changeLineSelect);
                    }
                }

                Separator {
                }

                ToolButton {
                    id: eraserButton

                    img_src: "qrc:/icons/erase.png"
                    color: window.drawWindow && window.drawWindow.painter.isEraserMode ? "#dcdcdc" : "#ffffff"
                    onEntered: window.closeF()
                    onClickedLeft: window.toggleEraser()
                }

                Separator {
                }

                ToolButton {
                    id: undoButton

                    img_src: window.cxiaoIcon
                    enableEvent: !(window.overlayActive && (window.cxiaoIcon === "qrc:/icons/fanhui.png" ? window.drawWindow.painter.canRedo : window.drawWindow.painter.canUndo))
                    onEntered: window.openChooser(1, ["qrc:/icons/chexiao.png", "qrc:/icons/fanhui.png"], 280, window.changeCxiao)
                    onClickedLeft: window.undoOrRedo()
                }

                Separator {
                }

                ToolButton {
                    id: clearButton

                    img_src: "qrc:/icons/clear.png"
                    onEntered: window.closeF()
                    onClickedLeft: window.clearCanvas()
                }

                Separator {
                }

                ToolButton {
                    id: boardButton

                    img_src: "qrc:/icons/whiteBorad.png"
                    showRBIcon: true
                    enableEvent: !window.overlayActive
                    onEntered: {
                        if (window.drawAble)
                            window.openChooser(1, ["qrc:/icons/draw.png", "qrc:/icons/whiteBorad.png", "qrc:/icons/blackBoard.png", "qrc:/icons/tuku.png"], 390, window.changeBoradSelect, !window.overlayActive);
                    }
                }

                Separator {
                }

                ToolButton {
                    id: screenButton

                    img_src: "qrc:/icons/screen.png"
                    onEntered: window.closeF()
                    onClickedLeft: settings.captureScreen()
                }

                Separator {
                }

                ToolButton {
                    id: colorButton

                    img_src: "qrc:/icons/color.png"
                    enableEvent: !window.overlayActive
                    onEntered: window.closeF()
                    onClickedLeft: window.openColour()
                }

                Separator {
                }

                ToolButton {
                    id: thicknessButton

                    img_src: window.cuxiIcon
                    showRBIcon: true
                    onEntered: window.openChooser(1, ["qrc:/icons/a.png", "qrc:/icons/b.png", "qrc:/icons/c.png", "qrc:/icons/d.png"], 550, window.changeCuXiSelect)
                }

                Separator {
                }

                ToolButton {
                    id: fadeButton

                    img_src: window.deleteIcon
                    showRBIcon: true
                    enableEvent: !window.overlayActive
                    onEntered: window.openChooser(1, ["qrc:/icons/timer.png", "qrc:/icons/timer3.png", "qrc:/icons/timer5.png", "qrc:/icons/timer10.png", "qrc:/icons/timer30.png"], 580, window.startDeleteItem, !window.overlayActive)
                }

                Separator {
                }

                ToolButton {
                    id: repeatButton

                    img_src: window.drawWindow && window.drawWindow.painter.isBreath ? window.repeatIcon : "qrc:/icons/re.png"
                    showRBIcon: true
                    enableEvent: !window.overlayActive
                    onEntered: window.openChooser(1, ["qrc:/icons/re.png", "qrc:/icons/re3.png", "qrc:/icons/re5.png", "qrc:/icons/re10.png"], 600, window.changeTimer, !(window.overlayActive && window.drawWindow.painter.canUndo))
                }

                Separator {
                }

                ToolButton {
                    id: menuButton

                    img_src: "qrc:/icons/menue.png"
                    showRBIcon: true
                    onEntered: window.openChooser(2, [qsTr("关于"), qsTr("帮助"), qsTr("设置"), qsTr("退出")], 550, window.changeSettingSelect)
                }
            }
        }
    }
}
