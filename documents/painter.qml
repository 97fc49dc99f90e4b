import QtQuick
import Cpp.MyComponents
import FluentUI
import "icons.js" as Icons
import "site.js" as Site
import "updaterequest.js" as UpdateRequest

// The toolbar: a narrow, always-on-top strip of icon buttons that owns every
// other window of the program. Its parts: the buttons (ToolbarButtons), the
// hot keys (ToolbarHotkeys), the tool logic both share (ToolActions) and the
// windows it opens (ToolbarWindows).
Window {
    id: window

    // The toolbar size of the settings (100, 150 or 200 %) scales every button and
    // chooser; large ones suit fingers on a touch board.
    readonly property int sizePercent: [100, 150, 200].indexOf(parseInt(hotKeys.toolbarSize, 10)) >= 0 ? parseInt(hotKeys.toolbarSize, 10) : 100
    readonly property real scaleFactor: 0.65 * sizePercent / 100
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
    // The message beside the toolbar while no overlay can show it.
    property Window noticeWindow: null
    // The no-tray notice, shown from the start until it is closed.
    property Window trayNotice: null
    property string penIcon: Icons.pen
    property string lineIcon: Icons.line
    property string cuxiIcon: Icons.medium
    // Also the role of the undo/redo button: Icons.undo undoes, Icons.redo redoes.
    property string cxiaoIcon: Icons.undo
    property string deleteIcon: Icons.fadeOff
    property string repeatIcon: Icons.repeatOff
    property string yanshiIcon: Icons.transparentBoard
    // The presenter tool chosen last, which the button starts again.
    property string presenterIcon: Icons.laser
    property int defPenSize: 3
    property int savedPenSize: 3
    property bool dragging: false
    // The overlay that leads covers the toolbar's screen, but stays where it is while the
    // toolbar is being dragged: moving it then, as the toolbar crosses onto another screen,
    // would take the pointer from the drag and drop the toolbar just past the border.
    property var screenAtDragStart: null
    readonly property var overlayScreen: dragging && screenAtDragStart ? screenAtDragStart : screen
    property int dragX: 0
    property int dragY: 0
    property int seX: 0
    property int seY: 0
    property bool collapsed: false
    readonly property int rightMargin: marginToScreenEdge(x, width, screen)
    readonly property alias fadeTimer: fadeTimer
    readonly property alias autosave: autosave
    readonly property bool onX11: Qt.platform.pluginName === "xcb"
    // Under XWayland the program's windows bypass the compositor's window manager,
    // which would keep them under a full-screen slide and place them where it likes.
    readonly property DesktopSession session: DesktopSession {
    }
    readonly property int unmanagedFlag: session.bypassWindowManager ? Qt.BypassWindowManagerHint : 0
    readonly property int buttonWidth: Math.round(50 * scaleFactor)
    readonly property bool overlayActive: drawAble && drawWindow !== null
    // The last run asked for its drawing back without asking the user (a restart).
    property bool restoreAsked: false
    // The autosave of the last run has been looked at.
    property bool autosaveChecked: false

    // Room between the toolbar's right edge and the right edge of its screen.
    // Placement code calls it directly: the window reports a move to bindings
    // only once the window system has confirmed it.
    function marginToScreenEdge(left, wide, onScreen) {
        return onScreen ? onScreen.virtualX + onScreen.width - (left + wide) : 0;
    }

    function currentRightMargin() {
        return marginToScreenEdge(window.x, window.width, window.screen);
    }

    // The desktop rectangle of the toolbar's screen.
    function screenArea() {
        const s = window.screen;
        return s ? Qt.rect(s.virtualX, s.virtualY, s.width, s.height) : Qt.rect(0, 0, 0, 0); // qmllint disable
    }

    // The toolbar moved to (left, top) stays wholly inside the screen that
    // holds its centre (or the one nearest to it).
    function keepOnScreen(left, top) {
        const cx = left + width / 2;
        const cy = top + height / 2;
        let best = null;
        let bestDistance = Infinity;
        for (const s of Array.from(Qt.application.screens)) {
            const dx = Math.max(s.virtualX - cx, 0, cx - (s.virtualX + s.width));
            const dy = Math.max(s.virtualY - cy, 0, cy - (s.virtualY + s.height));
            const distance = dx * dx + dy * dy;
            if (distance < bestDistance) {
                best = s;
                bestDistance = distance;
            }
        }
        if (!best)
            return Qt.point(left, top);
        // The window system places and sizes the window in device pixels, each rounded: at
        // 150 % a toolbar at the very edge would end a pixel past it.
        const ratio = best.devicePixelRatio > 0 ? best.devicePixelRatio : 1;
        const lastLeft = best.virtualX + Math.floor((Math.round(best.width * ratio) - Math.round(width * ratio)) / ratio);
        const lastTop = best.virtualY + Math.floor((Math.round(best.height * ratio) - Math.round(height * ratio)) / ratio);
        return Qt.point(Math.max(best.virtualX, Math.min(left, lastLeft)), Math.max(best.virtualY, Math.min(top, lastTop)));
    }

    // Captures the screen the toolbar is on, drawings included.
    function captureToolbarScreen() {
        settings.captureScreen(window.screen ? window.screen.name : ""); // qmllint disable
    }

    function closeF() {
        windows.destroyChooser();
        if (drawWindow && drawWindow.textInputMode)
            drawWindow.textInputMode = false;
    }

    function destroyChooser() {
        windows.destroyChooser();
    }

    // The overlay, made on first use.
    function ensureDrawWindow() {
        return windows.ensureDrawWindow();
    }

    function openChooser(btnType, entries, offsetY, receiver, blocked, byKey) {
        return windows.openChooser(btnType, entries, offsetY, receiver, blocked, byKey);
    }

    // Tells a screen reader what just changed.
    function announce(text) {
        announcer.say(text);
    }

    // Whatever switched it (a button, a hot key, a desktop shortcut).
    onDrawAbleChanged: announce(drawAble ? qsTr("绘制已开启") : qsTr("绘制已关闭，点击会穿过画布"))

    // When a button was last pressed from the keyboard: a window that this opens
    // (the overlay) is focused by the window manager as it maps, and the keys have
    // to come back to the toolbar.
    property double keyPressTime: 0

    // The focus hot key: the toolbar takes the keyboard, on the button used last.
    function focusToolbar() {
        if (!window.visible)
            window.show();
        takeKeyboard(face.lastFocused);
    }

    function takeKeyboard(button) {
        window.raise();
        window.requestActivate();
        face.focusButton(button);
    }

    // Escape: the choosers close and the focus ring goes; with drawing on the
    // overlay takes the keys (colours, sizes, the keyboard pen).
    function leaveKeyboard() {
        keyPressTime = 0;
        // A late hand-back of the keys would take them from the overlay again.
        keysBack.stop();
        windows.destroyChooser();
        keyboardRest.forceActiveFocus();
        if (drawWindow && drawAble) {
            drawWindow.requestActivate();
            drawWindow.takeKeys();
        }
    }

    function showAbout() {
        windows.showAbout();
    }

    // Every switch, on or off, leaves the plain pen selected.
    function switchDrawing() {
        closeF();
        windows.destroyAbout();
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
        changePenSelect(0, Icons.pen);
        window.raise();
    }

    function changePenSelect(index, icon) {
        penIcon = icon;
        if (drawWindow)
            drawWindow.textInputMode = false;
        else
            ensureDrawWindow();
        tools.leavePointing();
        if (!drawWindow)
            return;
        const painter = drawWindow.painter;
        painter.penSize = defPenSize;
        if (icon === Icons.pen) {
            tools.restoreSavedSize(painter);
            tools.plainPen(painter, 1.0);
        } else if (icon === Icons.highlighter) {
            console.log("切换到荧光笔模式");
            tools.restoreSavedSize(painter);
            tools.plainPen(painter, 0.4);
            console.log("使用荧光笔模式，透明度设置为: " + painter.penOpacity);
            painter.penSize = defPenSize;
        } else if (icon === Icons.text) {
            tools.enterTextMode();
        }
    }

    function changePresenterSelect(index, icon) {
        presenterIcon = icon;
        tools.togglePresenterTool(tools.presenterTools[index]);
    }

    function changeLineSelect(index, icon) {
        if (!drawWindow)
            return;
        const painter = drawWindow.painter;
        drawWindow.textInputMode = false;
        tools.leavePointing();
        lineIcon = icon;
        painter.penSize = defPenSize;
        painter.isEraserMode = false;
        painter.penOpacity = 1.0;
        switch (icon) {
        case Icons.line:
            drawWindow.showWarning(qsTr("Shit+绘制:绘制90°,45°,180°直线"), 6000);
            tools.pickShape(MyPainter.LineMode);
            break;
        case Icons.circle:
            tools.pickShape(MyPainter.CircleMode);
            break;
        case Icons.rectangle:
            drawWindow.showWarning(qsTr("Shit+绘制:绘制正方形"), 6000);
            tools.pickShape(MyPainter.RectangleMode);
            break;
        case Icons.arrow:
            tools.pickShape(MyPainter.ArrowMode);
            break;
        case Icons.select:
            drawWindow.showWarning(qsTr("点击或框选元素，拖动即可移动；Delete 删除所选"), 6000);
            tools.pickShape(MyPainter.SelectMode);
            break;
        case Icons.numberedCircle:
            // The size to come back to is the one just set.
            savedPenSize = painter.penSize;
            painter.penSize = defPenSize;
            painter.drawMode = MyPainter.NumberedCircleMode;
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
        case Icons.whiteBoard:
            drawWindow.color = "white";
            drawWindow.closeBackImg();
            break;
        case Icons.blackBoard:
            drawWindow.color = "black";
            drawWindow.closeBackImg();
            break;
        case Icons.transparentBoard:
            drawWindow.color = "transparent";
            drawWindow.closeBackImg();
            break;
        case Icons.picture:
            drawWindow.getImgToBack();
            break;
        }
    }

    function changeCxiao(index, icon) {
        cxiaoIcon = icon;
    }

    function changeCuXiSelect(index, icon) {
        if (!drawWindow)
            return;
        drawWindow.textInputMode = false;
        cuxiIcon = icon;
        const sizes = {
            [Icons.thin]: 3,
            [Icons.medium]: 8,
            [Icons.thick]: 15,
            [Icons.thickest]: 20
        };
        drawWindow.painter.penSize = sizes[icon] || 3;
        tools.resizeSelection(drawWindow.painter.penSize);
    }

    // Seconds encoded in an icon name such as "qrc:/icons/timer5.png"; 0 for
    // the plain icon, -1 when the name does not fit.
    function periodOf(icon, stem) {
        const text = String(icon);
        const head = Icons.folder + stem;
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
        const seconds = periodOf(icon, Icons.fadeStem);
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
        const seconds = periodOf(icon, Icons.repeatStem);
        if (seconds < 0) {
            console.error("设置渐变时间错误:", icon);
            if (drawWindow)
                drawWindow.painter.repeatDraw(0);
            repeatIcon = Icons.repeatOff;
            return;
        }
        if (drawWindow)
            drawWindow.painter.repeatDraw(seconds * 1000 >= 1000 ? seconds * 1000 : 0);
    }

    function changeSettingSelect(index, text) {
        switch (index) {
        case 0:
            windows.destroySettings();
            windows.showAbout();
            break;
        case 1:
            openHelp();
            break;
        case 2:
            windows.showSettings();
            break;
        case 3:
            drawingFileDialog(false);
            break;
        case 4:
            drawingFileDialog(true);
            break;
        case 5:
            exportDrawing();
            break;
        case 6:
            duplicateSelection();
            break;
        case 7:
            Qt.quit();
            break;
        }
    }

    // A copy of what is selected, a little aside, becomes the selection.
    function duplicateSelection() {
        closeF();
        if (!tools.duplicateSelection())
            tell("info", qsTr("请先用选择工具选中要复制的元素"));
    }

    // Saves the drawing to, or opens one from, a file the user picks. The overlay
    // shows the drawing and the outcome; the first use makes it, drawing switched on.
    function drawingFileDialog(open) {
        closeF();
        if (!drawWindow)
            switchDrawing();
        if (!drawWindow)
            return;
        const file = settings.chooseDrawingFile(!open);
        if (String(file) === "")
            return;
        if (open)
            drawWindow.painter.openDrawing(file);
        else
            drawWindow.painter.saveDrawing(file);
        window.raise();
    }

    // The help page shipped beside the program in the interface language (Chinese
    // and English share one page), else the one on the web site.
    function openHelp() {
        const language = settings.getCurrentLanguage();
        let local = settings.applicationFileUrl("help_" + language + ".html");
        if (local === "") {
            local = settings.applicationFileUrl("help.html");
            if (local !== "" && language !== "zh_CN")
                local += "#en";
        }
        Qt.openUrlExternally(local !== "" ? local : Site.helpPage());
    }

    // POSTs data as JSON; resolves with the answer text on a 2xx status.
    function post(url, data) {
        return UpdateRequest.post(url, data);
    }

    // Once per start: asks the update server whether an update is offered.
    function checkForUpdate() {
        // Installed as a package, the package manager updates the program.
        if (!settings.hasUpdater())
            return;
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
        const prompt = windows.createWindow("qrc:/showUpdate.qml", windows.tiedToToolbar({
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
            windows.destroyChooser();
            windows.destroyAbout();
        } else if (aboutWindow) {
            aboutWindow.showNoUpdate();
        }
    }

    function loadSettings() {
        const sizeBefore = sizePercent;
        hotKeys = JSON.parse(JSON.stringify(settings.getAllSettings()));
        if (sizePercent !== sizeBefore) {
            windows.destroyChooser();
            const to = keepOnScreen(window.x, window.y);
            window.x = to.x;
            window.y = to.y;
        }
        if (settingWindow)
            settingWindow.raise();
    }

    function onHotKeyChanged() {
        console.log("Hot key has been changed");
        loadSettings();
        screenKeeper.followSettings(hotKeys.toolbarScreen);
        if (drawWindow && drawWindow.painter.penOpacity < 1.0 && !drawWindow.painter.isEraserMode)
            drawWindow.painter.penOpacity = 1.0;
    }

    title: "主窗口"
    color: "transparent"
    // A tool window on X11, where only such windows carry their tie to the
    // overlay (see ToolbarWindows.stayAbove()).
    flags: Qt.FramelessWindowHint | Qt.WindowStaysOnTopHint | (onX11 ? Qt.Tool : Qt.Window) | unmanagedFlag
    width: buttonWidth
    height: Math.round((collapsed ? 99 : 800) * scaleFactor)
    visible: true

    Component.onCompleted: {
        // First position: near the right edge of the chosen screen, else the primary one.
        screenKeeper.start();
        const storedVersion = String(settings.getIniValue("UPDATE", "APPVersion"));
        if (storedVersion !== appVersion)
            settings.setIniValue("UPDATE", "APPVersion", appVersion);
        if (settings.hasUpdater())
            updateCheckUrl = String(settings.getIniValue("UPDATE", "UpdateURL"));
        window.raise();
        windows.restackWhenDrawn(window);
        loadSettings();
        offerLastDrawing();
        tellAboutDesktopKeys();
        checkForUpdate();
    }

    // Messages go to the overlay, which covers the screen, while there is one;
    // else to a notice beside the toolbar, which itself is too narrow for them.
    // duration: how long a message without action stays (ms, 6 s by default).
    function tell(kind, text, actionText, duration) {
        announce(text);
        if (kind === "error")
            console.warn(text);
        else
            console.log(text);
        const shown = duration || 6000;
        if (drawWindow && !actionText) {
            drawWindow.showMessage(kind, text, shown);
            return null;
        }
        return windows.showNotice(kind, text, actionText ? 0 : shown, actionText || "");
    }

    function reportCaptureFailure(reason) {
        tell("error", qsTr("截图保存失败：") + reason);
    }

    // After a screenshot or an export: where the file went, and whether it is also
    // on the clipboard when the settings ask for that.
    function imageWritten(what, path) {
        let text = what + path;
        if (settings.getSettingByKey("copyImages") === "true")
            text += settings.copyImageToClipboard(path) ? qsTr("（已复制到剪贴板）") : qsTr("（无法复制到剪贴板）");
        tell("success", text);
    }

    // After a crash, a log-out or a restart the last drawing is offered back; after a
    // restart for another language it comes back by itself. The autosave is looked at
    // in the background: a large one never holds up the start.
    function offerLastDrawing() {
        restoreAsked = autosave.takeRestoreMark();
        autosave.checkRecoverable();
    }

    function lastDrawingFound() {
        if (restoreAsked) {
            restoreLastDrawing();
            return;
        }
        const notice = tell("info", qsTr("上次的绘图已自动保存，可以恢复。"), qsTr("恢复上次的绘图"));
        if (notice)
            notice.actionTriggered.connect(restoreLastDrawing);
    }

    // Where no program may receive global keys (Wayland without the desktop's shortcut
    // portal) the desktop's own key bindings have to run `--action`: said once for
    // each desktop, with the way to the steps.
    function tellAboutDesktopKeys() {
        if (!FluHotkeyService.needsDesktopBindings)
            return;
        const desktop = FluHotkeyService.desktop !== "" ? FluHotkeyService.desktop : "wayland";
        if (settings.getSettingByKey("desktopKeysNotice") === desktop)
            return;
        settings.addSetting("desktopKeysNotice", desktop);
        const notice = tell("warning", qsTr("此桌面不允许程序接收全局热键，请在桌面的快捷键设置中绑定按键。"), qsTr("查看设置方法"));
        if (notice)
            notice.actionTriggered.connect(() => windows.showSettings());
    }

    // Switches drawing on (as the toolbar's switch does) to show the drawing.
    function restoreLastDrawing() {
        if (!drawAble)
            switchDrawing();
        if (!drawWindow)
            return;
        if (autosave.restore())
            tell("success", qsTr("已恢复上次的绘图"));
        else
            tell("error", qsTr("无法恢复上次的绘图"));
    }

    // The drawing alone, as a PNG with transparency, where the user says.
    function exportDrawing() {
        if (!drawWindow || !drawWindow.painter.hasDrawing) {
            tell("warning", qsTr("还没有可导出的绘图"));
            return;
        }
        const painter = drawWindow.painter;
        const target = settings.chooseImageFile(qsTr("导出图片"), "quillmark_" + Qt.formatDateTime(new Date(), "yyyyMMdd_hhmmss") + ".png");
        if (String(target) !== "")
            painter.renderToImage(target);
    }

    SettingsClazz {
        id: settings

        onCaptureFailed: reason => window.reportCaptureFailure(reason)
        onScreenCaptured: path => window.imageWritten(qsTr("截图已保存到："), path)
    }

    // Keeps the drawing in the user's data folder, shortly after each change. What goes
    // wrong is said once, not at every attempt; the drawing stays on the screen.
    AutoSave {
        id: autosave

        painter: window.drawWindow ? window.drawWindow.painter : null

        onRecoverableChecked: found => {
            window.autosaveChecked = true;
            if (found)
                window.lastDrawingFound();
        }
        onSetAside: (keptPath, reason) => {
            if (keptPath !== "")
                window.tell("warning", qsTr("上次自动保存的绘图无法读取（%1），已原样保留为 %2").arg(reason).arg(keptPath), "", 15000);
            else
                window.tell("error", qsTr("上次自动保存的绘图无法读取（%1），也无法移开；为了不覆盖它，自动保存已停止").arg(reason), "", 15000);
        }
        onFailureStarted: reason => window.tell("error", qsTr("自动保存失败：%1。绘图仍在屏幕上，可以用“保存绘图…”保存到别处。").arg(reason), "", 15000)
        onFailureEnded: window.tell("success", qsTr("自动保存已恢复正常"))
        onOfferKept: keptPath => window.tell("info", qsTr("上次的绘图没有恢复，已原样保留为 %1").arg(keptPath), "", 10000)
    }

    ToolActions {
        id: tools

        toolbar: window
    }

    ToolbarWindows {
        id: windows

        toolbar: window
    }

    ToolbarHotkeys {
        toolbar: window
        actions: tools
        settings: settings
    }

    NamedActions {
        toolbar: window
        actions: tools
    }

    Timer {
        id: fadeTimer

        interval: 1000
        repeat: true
        running: false
        // With nothing to undo a fade would only log that, once a period.
        onTriggered: {
            if (window.drawWindow && window.drawWindow.painter.canUndo)
                window.drawWindow.painter.undoGradient();
        }
    }

    ToolbarScreen {
        id: screenKeeper

        toolbar: window
        settings: settings
    }

    // The desktop's shortcut portal may turn out not to serve this desktop.
    Connections {
        function onModeChanged() {
            window.tellAboutDesktopKeys();
        }

        target: FluHotkeyService
    }

    // A screen that goes takes nothing with it: the toolbar comes back onto a
    // screen that is left.
    Connections {
        function onScreensChanged() {
            screenKeeper.screensChanged();
        }

        target: Qt.application
    }

    Connections {
        function onLanguageChanged(language) {
            console.log("语言已更改为: " + language);
            // The settings window restarts the program next: the drawing goes to
            // disk now and comes back by itself.
            autosave.saveNow();
            autosave.markRestoreOnNextStart();
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

    // Holds the focus while no button shows the ring.
    Item {
        id: keyboardRest

        Accessible.ignored: true
    }

    Announcer {
        id: announcer
    }

    Timer {
        id: keysBack

        interval: 150
        onTriggered: {
            if (!window.visible || !window.drawWindow || !window.drawWindow.active)
                return;
            // The window manager's activation can come late, after a key opened a
            // chooser: the chooser keeps the keys then.
            const chooser = window.selectWindow;
            // qmllint disable
            if (chooser && chooser.visible && chooser.byKey)
                chooser.takeKeys();
            else
                window.takeKeyboard(face.lastFocused);
            // qmllint enable
        }
    }

    // The toolbar counts as active while the overlay it is a transient of has the
    // focus, so the overlay says when it took the keys.
    Connections {
        function onActiveChanged() {
            if (window.drawWindow.active && Date.now() - window.keyPressTime < 2000)
                keysBack.restart();
        }

        target: window.drawWindow
    }

    ToolbarButtons {
        id: face

        anchors.fill: parent
        toolbar: window
        actions: tools
        settings: settings
    }
}
