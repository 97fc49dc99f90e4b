import QtQuick
import QtQuick.Dialogs
import Cpp.MyComponents
import FluentUI

// The full-screen overlay that hosts the canvas. In the drawing state it takes
// every pointer event; in pass-through the drawings stay on top while clicks
// reach the windows underneath.
Window {
    id: window

    readonly property alias painter: surface.canvas
    property bool textInputMode: false
    // Whether freehand strokes drawn with the mouse, and with a pen or a finger, are smoothed.
    property bool smoothMouse: true
    property bool smoothPen: false
    property string backgroundImage: ""
    // True in pass-through: the cursor image is hidden.
    property bool ct: false
    // Exposed for the toolbar's checks and for tests.
    readonly property alias backImage: backLayer
    readonly property alias infoBar: infoBar
    readonly property alias colorDialog: colorDialog
    // The text input dialog while one is open.
    property TextInputDialog activeTextDialog: null
    // The presenter tool in use on every screen: "" (drawing), "laser", "spotlight" or
    // "zoom". The laser and the spotlight only point: a press draws nothing.
    property string presenterTool: ""
    // The spotlight's radius in logical pixels, the same on every screen.
    property real spotlightRadius: 200
    // The screen whose overlay the pointer was over last: its spotlight stays lit while
    // the pointer rests on the toolbar or a window of ours there.
    property string spotlightScreen: ""

    readonly property bool onX11: Qt.platform.pluginName === "xcb"
    // On X11 a tool window is transient for the whole application, and window
    // managers keep it above every other window of the application, the
    // toolbar included; there the overlay is a plain window instead.
    readonly property int toolFlag: onX11 ? Qt.Window : Qt.Tool
    // Under XWayland the overlay bypasses the window manager: only so does it cover a
    // full-screen slide, at the screen's exact place and size.
    readonly property DesktopSession session: DesktopSession {
    }
    readonly property int unmanagedFlag: session.bypassWindowManager ? Qt.BypassWindowManagerHint : 0
    // The part of the screen the window covers, in the screen's coordinates: all of it,
    // except in pass-through where the compositor hands clicks to whichever window covers
    // the point, whatever its input shape (see DesktopSession): there only the drawing's
    // part, so that clicks elsewhere reach the windows below.
    property rect coverArea: Qt.rect(0, 0, Screen.width, Screen.height)
    readonly property bool coversDrawingOnly: ct && !session.inputShapeHonoured

    // Every screen but this overlay's own, which follows the toolbar's.
    readonly property var otherScreens: Array.from(Qt.application.screens).filter(s => !window.isOwnScreen(s)) // qmllint disable
    readonly property rect screenArea: Qt.rect(Screen.virtualX, Screen.virtualY, Screen.width, Screen.height)
    // The views on the other screens, for tests.
    property var companions: []
    // Device pixels per unit of the drawing on every screen: the scale of the screen the
    // overlay was made on, fixed from then on so that what is drawn keeps its place and
    // size when screens come, go or change their scale.
    property real drawingUnit: 1

    signal clickDrawWin
    // A picture of the drawing was written to path.
    signal imageExported(string path)

    function isOwnScreen(info) {
        const own = window.screen;
        return own !== null && info.name === own.name && info.virtualX === window.Screen.virtualX && info.virtualY === window.Screen.virtualY;
    }

    function syncOtherScreens() {
        const names = otherScreens.map(s => s.name);
        for (let i = otherScreenNames.count - 1; i >= 0; --i) {
            if (names.indexOf(otherScreenNames.get(i).screenName) < 0)
                otherScreenNames.remove(i);
        }
        for (const name of names) {
            let known = false;
            for (let i = 0; i < otherScreenNames.count; ++i)
                known = known || otherScreenNames.get(i).screenName === name;
            if (!known)
                otherScreenNames.append({
                        "screenName": name
                    });
        }
    }

    function resetDraw() {
        surface.canvas.penSize = 5;
        window.ct = false;
        window.coverArea = Qt.rect(0, 0, window.Screen.width, window.Screen.height);
        // Sized before the flags change too: leaving pass-through gives the window an X input
        // shape of the size it has then, and a window still fitted to the drawing would
        // take the pen only there.
        keepFullScreen();
        window.flags = Qt.Window | Qt.FramelessWindowHint | window.toolFlag | window.unmanagedFlag;
        keepFullScreen();
    }

    // In pass-through where input shapes are not honoured: the drawing's extent, the
    // picture's and the messages', within the screen.
    function fitCoverToDrawing() {
        if (!coversDrawingOnly)
            return;
        const picture = backLayer.visible ? Qt.rect(backLayer.x, backLayer.y, backLayer.width, backLayer.height) : Qt.rect(0, 0, 0, 0);
        const fitted = surface.drawnArea([picture, infoBar.messagesArea()]);
        const now = window.coverArea;
        if (fitted.x !== now.x || fitted.y !== now.y || fitted.width !== now.width || fitted.height !== now.height) {
            window.coverArea = fitted;
            keepFullScreen();
        }
    }

    function chuantouMouse() {
        window.flags = Qt.WindowStaysOnTopHint | Qt.WindowTransparentForInput | Qt.FramelessWindowHint | window.unmanagedFlag;
        window.color = "transparent";
        window.ct = true;
        window.presenterTool = "";
        // What was selected cannot be worked on while clicks pass through.
        surface.canvas.clearSelection();
        if (coversDrawingOnly)
            fitCoverToDrawing();
        else
            keepFullScreen();
        keyboardHandBack.start();
    }

    // Covers the screen. On X11 the overlay is a plain frameless window of the
    // screen's size rather than a full-screen one: window managers there lift a
    // focused full-screen window above the always-on-top toolbar. New flags also
    // make some window systems map the window afresh and forget its size.
    function keepFullScreen() {
        if (!window.visible)
            return;
        if (!window.onX11) {
            window.showFullScreen();
            return;
        }
        window.showNormal();
        window.x = window.Screen.virtualX + window.coverArea.x;
        window.y = window.Screen.virtualY + window.coverArea.y;
        window.width = window.coverArea.width;
        window.height = window.coverArea.height;
    }

    function takeKeys() {
        surface.takeKeys();
    }

    function closeBackImg() {
        backLayer.visible = false;
    }

    function getImgToBack() {
        fileDialog.open();
    }

    function openColorDialog() {
        colorDialog.open();
    }

    function closeColorDialog() {
        colorDialog.close();
    }

    function showWarning(text, duration) {
        infoBar.showWarning(text, duration);
    }

    function showError(text, duration) {
        infoBar.showError(text, duration);
    }

    // kind: "info", "success", "warning" or "error".
    function showMessage(kind, text, duration) {
        switch (kind) {
        case "success":
            return infoBar.showSuccess(text, duration);
        case "warning":
            return infoBar.showWarning(text, duration);
        case "error":
            return infoBar.showError(text, duration);
        default:
            return infoBar.showInfo(text, duration);
        }
    }

    // Local path of a file URL: "file:///C:/a.png" gives "C:/a.png" on Windows,
    // "file:///home/a.png" gives "/home/a.png" elsewhere. The URL's escapes are
    // kept, so that names with spaces or "#" still make a valid URL again.
    function localPath(url) {
        let path = String(url);
        if (path.startsWith("file://"))
            path = path.substring(7);
        if (Qt.platform.os === "windows" && /^\/[A-Za-z]:/.test(path))
            path = path.substring(1);
        return path;
    }

    // target: the canvas clicked (each screen has its own view). The dialog shows
    // centred on shownAt, a point of the canvas's parent (pos by default): under
    // the zoom the canvas is magnified, and a dialog placed on it would be off centre.
    function placeText(pos, target, shownAt) {
        const canvas = target || surface.canvas;
        const centre = shownAt || pos;
        const component = Qt.createComponent("qrc:/TextInputDialog.qml");
        if (component.status === Component.Error) {
            console.log("Error creating TextInputDialog:", component.errorString());
            return null;
        }
        const dialog = component.createObject(canvas.parent);
        if (!dialog) {
            console.log("Error creating TextInputDialog:", component.errorString());
            return null;
        }
        window.activeTextDialog = dialog;
        dialog.Component.destruction.connect(() => {
                if (window.activeTextDialog === dialog)
                    window.activeTextDialog = null;
            });
        dialog.x = centre.x - dialog.width / 2;
        dialog.y = centre.y - dialog.height / 2;
        dialog.accepted.connect(() => {
                if (dialog.inputText.trim().length > 0) {
                    canvas.textToDraw = dialog.inputText;
                    canvas.textSize = dialog.textSize;
                    canvas.addText(pos);
                }
                dialog.destroy();
            });
        dialog.rejected.connect(() => dialog.destroy());
        dialog.open();
        return dialog;
    }

    title: "draw"
    color: "transparent"
    // Text and the presenter tools take the pointer from the selection tool.
    onTextInputModeChanged: {
        if (textInputMode)
            surface.canvas.clearSelection();
    }
    onPresenterToolChanged: {
        if (presenterTool !== "")
            surface.canvas.clearSelection();
    }
    onScreenAreaChanged: {
        if (coversDrawingOnly) {
            fitCoverToDrawing();
            return;
        }
        coverArea = Qt.rect(0, 0, Screen.width, Screen.height);
        keepFullScreen();
    }
    onOtherScreensChanged: syncOtherScreens()
    Component.onCompleted: {
        drawingUnit = window.screen && window.screen.devicePixelRatio > 0 ? window.screen.devicePixelRatio : 1; // qmllint disable
        syncOtherScreens();
    }
    flags: Qt.Window | Qt.FramelessWindowHint | toolFlag | unmanagedFlag

    // The screen's content, moved so that the part the window covers shows in it.
    Item {
        x: -window.coverArea.x
        y: -window.coverArea.y
        width: window.Screen.width
        height: window.Screen.height

        // The picture behind the drawings: shown when chosen, dragged with Ctrl and
        // scaled with Ctrl+wheel.
        Rectangle {
            id: backLayer

            x: 200
            y: 200
            width: 0
            height: 0
            visible: false
            color: "transparent"

            Image {
                id: backPicture

                anchors.fill: parent
                source: window.backgroundImage
                smooth: true
                cache: false

                onStatusChanged: {
                    if (status !== Image.Ready)
                        return;
                    backLayer.width = sourceSize.width;
                    backLayer.height = sourceSize.height;
                    console.log("图片尺寸:", sourceSize.width, sourceSize.height);
                    infoBar.showWarning(qsTr("Ctrl+鼠标滚轮:缩放图片"), 6000);
                    infoBar.showWarning(qsTr("Ctrl+鼠标移动:拖动图片"), 6000);
                }
            }
        }

        OverlaySurface {
            id: surface

            anchors.fill: parent
            overlay: window
            origin: Qt.point(window.Screen.virtualX, window.Screen.virtualY) // qmllint disable type
            picture: backLayer
        }
    }

    // A drawing that changes in pass-through (fading, undone by a hot key) gets its cover
    // fitted again, once the changes of a moment are over; so do messages that come or go.
    Connections {
        function onDrawingChanged() {
            if (window.coversDrawingOnly)
                refit.restart();
        }

        target: surface.canvas
    }

    Connections {
        function onCountChanged() {
            if (window.coversDrawingOnly)
                refit.restart();
        }

        target: infoBar
    }

    Timer {
        id: refit

        interval: 100
        onTriggered: window.fitCoverToDrawing()
    }

    // The drawing's outcomes (the failed export shows from the surface, for every view).
    Connections {
        function onImageSaved(path) {
            window.imageExported(path);
        }
        function onDrawingSaved(path) {
            infoBar.showSuccess(qsTr("绘图已保存：") + path, 4000);
        }
        function onDrawingSaveFailed(reason) {
            infoBar.showError(qsTr("绘图保存失败：") + reason, 8000);
        }
        function onDrawingOpened(path) {
            infoBar.showSuccess(qsTr("已打开绘图：") + path, 4000);
        }
        function onDrawingOpenFailed(reason) {
            infoBar.showError(qsTr("无法打开绘图：") + reason, 8000);
        }
        function onDrawingOpenCancelled() {
            infoBar.showInfo(qsTr("已取消打开绘图，画面上的绘图没有改变"), 4000);
        }

        target: surface.canvas
    }

    // One more overlay for every other screen, each a view of this drawing; the
    // drawing stays here whatever the screens do. The overlays are kept by screen
    // name: a screen that moves, changes its scale or becomes primary keeps its
    // window (window managers are slow to place new ones), and only screens that
    // come or go add or remove one.
    // Instantiator and ListModel come with QtQml, whose models module qmllint cannot
    // see here.
    // qmllint disable
    ListModel {
        id: otherScreenNames
    }

    Instantiator {
        model: otherScreenNames

        delegate: OverlayScreen {
            required property string screenName

            lead: window
            targetScreen: window.otherScreens.find(s => s.name === screenName) || null
        }
    }

    // qmllint enable
    KeyboardHandBack {
        id: keyboardHandBack

        needed: window.session.keyboardStaysOnUnmanaged
        at: Qt.point(window.Screen.virtualX, window.Screen.virtualY) // qmllint disable type
    }

    FileDialog {
        id: fileDialog

        title: qsTr("请选择一个文件")
        fileMode: FileDialog.OpenFile
        acceptLabel: qsTr("确定")
        rejectLabel: qsTr("取消")
        nameFilters: ["Image files (*.png *.jpg)"]

        onAccepted: {
            window.backgroundImage = "file:///" + window.localPath(selectedFile).replace(/^\/+/, "");
            backLayer.visible = true;
        }
    }

    ColorDialog {
        id: colorDialog

        selectedColor: surface.canvas.penColor

        onSelectedColorChanged: {
            if (visible)
                surface.canvas.penColor = selectedColor;
        }
        // What is selected takes the colour too, as one undoable step.
        onAccepted: {
            surface.canvas.penColor = selectedColor;
            if (surface.canvas.hasSelection)
                surface.canvas.recolourSelection(selectedColor);
        }
    }

    LoadingPanel {
        objectName: "loadingPanel"
        anchors.centerIn: parent
        z: 200
        canvas: surface.canvas
    }

    // The messages keep their place on the screen while the window covers only a part
    // of it.
    Item {
        id: messageLayer

        x: -window.coverArea.x
        y: -window.coverArea.y
        z: 100000
        width: window.Screen.width
        height: window.Screen.height
    }

    FluInfoBar {
        id: infoBar

        root: messageLayer
    }
}
