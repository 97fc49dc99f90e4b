import QtQuick
import QtTest
import Cpp.MyComponents

// The toolbar's system-wide hot keys, driven through their activated signal:
// no key reaches them on the offscreen platform.
TestCase {
    id: testCase

    property var toolbar: null
    // Settings keys a test stored, removed again afterwards.
    property var storedKeys: []

    function init() {
        const component = Qt.createComponent("qrc:/painter.qml");
        verify(component.status === Component.Ready, component.errorString());
        toolbar = component.createObject(null);
        verify(toolbar !== null);
        tryCompare(toolbar, "visible", true);
    }

    function cleanup() {
        for (const key of storedKeys)
            store.removeSetting(key);
        storedKeys = [];
        if (!toolbar)
            return;
        toolbar.fadeTimer.stop();
        if (toolbar.drawWindow)
            toolbar.drawWindow.destroy();
        toolbar.destroy();
        toolbar = null;
        wait(0);
    }

    function hotkeys() {
        const found = [];
        const data = toolbar.data;
        for (let i = 0; i < data.length; ++i) {
            const group = data[i].children;
            if (!group || data[i].contentItem !== undefined)
                continue;
            for (let j = 0; j < group.length; ++j) {
                if (group[j].sequence !== undefined && group[j].isRegistered !== undefined)
                    found.push(group[j]);
            }
        }
        return found;
    }

    function hotkey(name) {
        const hit = hotkeys().find(k => k.name === name);
        verify(hit !== undefined, "no hot key " + name);
        return hit;
    }

    function press(name) {
        hotkey(name).activated();
    }

    function storeAndReload(key, value) {
        verify(store.addSetting(key, value));
        storedKeys.push(key);
        toolbar.loadSettings();
    }

    // Drawing on through the pen key, then back to pass-through.
    function overlayInPassThrough() {
        press("画笔");
        verify(toolbar.drawWindow !== null);
        press("退出绘制模式");
        verify(!toolbar.drawAble);
        return toolbar.drawWindow.painter;
    }

    function drawLine(painter, y) {
        painter.beginPaint(Qt.point(100, y));
        painter.movePaint(Qt.point(200, y), false);
        painter.movePaint(Qt.point(300, y), false);
        painter.endPaint(Qt.point(300, y), false);
    }

    name: "HotKeys"

    SettingsClazz {
        id: store
    }

    function test_everyKeyInOneGroup() {
        const names = hotkeys().map(k => k.name).sort();
        // An array literal is a list to qmllint 6.4, without the array methods.
        compare(names, ["截屏", "橡皮擦", "画笔", "退出绘制模式", "文字", "清除画布", "撤销", "恢复", "直线模式", "圆形模式", "矩形模式", "箭头模式", "选择", "激光笔", "聚光灯", "放大镜", "聚焦工具栏"].sort()); // qmllint disable type
    }

    function test_sequence_data() {
        return [{
                "tag": "stored pen key",
                "name": "画笔",
                "key": "penKey",
                "value": "Ctrl+Shift+U",
                "expected": "Ctrl+Shift+U"
            }, {
                "tag": "empty pen key falls back",
                "name": "画笔",
                "key": "penKey",
                "value": "",
                "expected": "Ctrl+E"
            }, {
                "tag": "empty screenshot key falls back",
                "name": "截屏",
                "key": "screenKey",
                "value": "",
                "expected": "Ctrl+P"
            }, {
                "tag": "stored undo key",
                "name": "撤销",
                "key": "undoKey",
                "value": "Alt+Z",
                "expected": "Alt+Z"
            }, {
                "tag": "empty redo key falls back",
                "name": "恢复",
                "key": "redoKey",
                "value": "",
                "expected": "Ctrl+Y"
            }, {
                "tag": "stored arrow key",
                "name": "箭头模式",
                "key": "arrowKey",
                "value": "Ctrl+Alt+A",
                "expected": "Ctrl+Alt+A"
            }, {
                "tag": "stored zoom key",
                "name": "放大镜",
                "key": "zoomKey",
                "value": "Ctrl+Shift+F3",
                "expected": "Ctrl+Shift+F3"
            }];
    }

    // Every loadSettings() moves the keys to what is stored now.
    function test_sequence(data) {
        storeAndReload(data.key, data.value);
        compare(hotkey(data.name).sequence, data.expected);
    }

    function test_fallbacksWithoutStoredValues_data() {
        return [{
                "tag": "undo",
                "name": "撤销",
                "expected": "Ctrl+Z"
            }, {
                "tag": "redo",
                "name": "恢复",
                "expected": "Ctrl+Y"
            }, {
                "tag": "line",
                "name": "直线模式",
                "expected": "Ctrl+L"
            }, {
                "tag": "circle",
                "name": "圆形模式",
                "expected": "Ctrl+O"
            }, {
                "tag": "rectangle",
                "name": "矩形模式",
                "expected": "Ctrl+R"
            }, {
                "tag": "arrow",
                "name": "箭头模式",
                "expected": "Ctrl+A"
            }, {
                "tag": "presenter tools take no key unasked",
                "name": "激光笔",
                "expected": ""
            }];
    }

    function test_fallbacksWithoutStoredValues(data) {
        toolbar.hotKeys = {};
        compare(hotkey(data.name).sequence, data.expected);
    }

    function test_settingsWindowChangeMovesTheKeyAtOnce() {
        verify(store.addSetting("eraseKey", "Ctrl+Shift+G"));
        storedKeys.push("eraseKey");
        toolbar.onHotKeyChanged();
        compare(hotkey("橡皮擦").sequence, "Ctrl+Shift+G");
    }

    function test_penKeyCreatesOverlayAndSwitchesDrawingOn() {
        compare(toolbar.drawWindow, null);
        press("画笔");
        verify(toolbar.drawAble);
        verify(toolbar.drawWindow !== null);
        verify(!toolbar.drawWindow.ct);
        compare(toolbar.drawWindow.painter.penSize, 3);
        // A second press does not toggle.
        press("画笔");
        verify(toolbar.drawAble);
        verify(!toolbar.drawWindow.ct);
    }

    function test_penKeyResetsTheCanvasButNotTextMode() {
        const painter = overlayInPassThrough();
        painter.penSize = 20;
        painter.drawMode = 3;
        painter.penOpacity = 0.4;
        painter.isEraserMode = true;
        toolbar.drawWindow.textInputMode = true;
        press("画笔");
        verify(toolbar.drawAble);
        verify(!toolbar.drawWindow.ct);
        compare(painter.penSize, 3);
        compare(painter.drawMode, 0);
        compare(painter.penOpacity, 1.0);
        verify(!painter.isEraserMode);
        verify(toolbar.drawWindow.textInputMode);
        compare(toolbar.penIcon, "qrc:/icons/pen.png");
    }

    function test_closeDrawKeyWithoutOverlayDoesNothing() {
        press("退出绘制模式");
        verify(!toolbar.drawAble);
        compare(toolbar.drawWindow, null);
    }

    function test_closeDrawKeySwitchesToPassThrough() {
        press("画笔");
        const painter = toolbar.drawWindow.painter;
        painter.isEraserMode = true;
        painter.drawMode = 2;
        painter.penOpacity = 0.4;
        toolbar.drawWindow.openColorDialog();
        press("退出绘制模式");
        verify(!toolbar.drawAble);
        verify(toolbar.drawWindow.ct);
        verify(toolbar.drawWindow.flags & Qt.WindowTransparentForInput);
        verify(!painter.isEraserMode);
        compare(painter.drawMode, 0);
        compare(painter.penOpacity, 1.0);
        verify(!toolbar.drawWindow.colorDialog.visible);
    }

    function test_keysWithoutOverlayDoNothing_data() {
        // An array literal is a list to qmllint 6.4, without the array methods.
        // qmllint disable type
        return ["橡皮擦", "文字", "清除画布", "撤销", "恢复", "直线模式", "圆形模式", "矩形模式", "箭头模式"].map(n => ({
                        "tag": n,
                        "name": n
                    }));
    // qmllint enable type
    }

    function test_keysWithoutOverlayDoNothing(data) {
        press(data.name);
        compare(toolbar.drawWindow, null);
        verify(!toolbar.drawAble);
    }

    function test_shapeKey_data() {
        return [{
                "tag": "line",
                "name": "直线模式",
                "mode": 1
            }, {
                "tag": "circle",
                "name": "圆形模式",
                "mode": 2
            }, {
                "tag": "rectangle",
                "name": "矩形模式",
                "mode": 3
            }, {
                "tag": "arrow",
                "name": "箭头模式",
                "mode": 4
            }, {
                "tag": "selection tool",
                "name": "选择",
                "mode": MyPainter.SelectMode
            }];
    }

    // In pass-through too, and without touching the toolbar's icons.
    function test_shapeKey(data) {
        // With the defaults Ctrl+L is the clear key's (see test_sharedSequenceActsOnce).
        if (data.name === "直线模式")
            storeAndReload("lineKey", "Ctrl+Shift+L");
        const painter = overlayInPassThrough();
        toolbar.savedPenSize = 11;
        painter.drawMode = 6;
        painter.penSize = 3;
        painter.penOpacity = 0.4;
        const lineIcon = toolbar.lineIcon;
        press(data.name);
        compare(painter.drawMode, data.mode);
        compare(painter.penSize, 11);
        compare(painter.penOpacity, 1.0);
        verify(!toolbar.drawAble);
        verify(toolbar.drawWindow.ct);
        compare(toolbar.lineIcon, lineIcon);
        compare(toolbar.selectWindow, null);
    }

    function test_shapeKeyTurnsTheEraserOff() {
        const painter = overlayInPassThrough();
        painter.isEraserMode = true;
        press("矩形模式");
        verify(!painter.isEraserMode);
        compare(painter.drawMode, 3);
    }

    function test_shapeKeyKeepsSizeOutsideNumberedCircles() {
        const painter = overlayInPassThrough();
        toolbar.savedPenSize = 11;
        painter.drawMode = 0;
        painter.penSize = 15;
        press("圆形模式");
        compare(painter.penSize, 15);
    }

    function test_eraserKeyToggles() {
        const painter = overlayInPassThrough();
        toolbar.savedPenSize = 9;
        painter.drawMode = 6;
        painter.penSize = 3;
        press("橡皮擦");
        verify(painter.isEraserMode);
        compare(painter.drawMode, 0);
        compare(painter.penSize, 9);
        verify(!toolbar.drawAble);
        painter.penSize = 4;
        press("橡皮擦");
        verify(!painter.isEraserMode);
        compare(painter.drawMode, 0);
        compare(painter.penSize, 4);
    }

    function test_textKeyTurnsTextModeOn() {
        const painter = overlayInPassThrough();
        toolbar.savedPenSize = 7;
        painter.drawMode = 6;
        press("文字");
        verify(toolbar.drawWindow.textInputMode);
        compare(painter.penSize, 7);
        verify(!toolbar.drawAble);
    }

    function test_undoRedoAndClearActInPassThrough() {
        press("画笔");
        const painter = toolbar.drawWindow.painter;
        tryVerify(() => painter.width > 300 && painter.height > 300);
        drawLine(painter, 100);
        drawLine(painter, 200);
        verify(painter.canUndo);
        press("退出绘制模式");
        press("撤销");
        verify(painter.canRedo);
        press("恢复");
        verify(!painter.canRedo);
        // Nothing left to redo: the key is a no-op.
        press("恢复");
        verify(painter.canUndo);
        press("清除画布");
        verify(!toolbar.drawAble);
        // Clearing is one step of its own: undo can bring the drawing back.
        verify(painter.canUndo);
        verify(!painter.canRedo);
    }

    function test_clearKeyKeepsTheBackgroundPicture() {
        press("画笔");
        toolbar.drawWindow.backImage.visible = true;
        press("清除画布");
        verify(toolbar.drawWindow.backImage.visible);
    }

    // Two keys asked for the same keys: both hear the press, only the one first
    // in the table acts (clear over line with the defaults; any pair likewise).
    function test_sharedSequenceActsOnce_data() {
        return [{
                "tag": "defaults: clear wins Ctrl+L over line",
                "stored": {},
                "pressed": ["清除画布", "直线模式"],
                "cleared": true,
                "mode": MyPainter.RectangleMode
            }, {
                "tag": "circle given the arrow's key",
                "stored": {
                    "circleKey": "Ctrl+A"
                },
                "pressed": ["圆形模式", "箭头模式"],
                "cleared": false,
                "mode": MyPainter.CircleMode
            }, {
                "tag": "line moved away: both act",
                "stored": {
                    "lineKey": "Ctrl+Shift+L"
                },
                "pressed": ["清除画布", "直线模式"],
                "cleared": true,
                "mode": MyPainter.LineMode
            }];
    }

    function test_sharedSequenceActsOnce(data) {
        for (const key in data.stored)
            storeAndReload(key, data.stored[key]);
        press("画笔");
        const painter = toolbar.drawWindow.painter;
        tryVerify(() => painter.width > 300 && painter.height > 300);
        drawLine(painter, 100);
        painter.drawMode = MyPainter.RectangleMode;
        for (const name of data.pressed)
            press(name);
        compare(painter.hasDrawing, !data.cleared);
        compare(painter.drawMode, data.mode);
        // Ctrl+L with the defaults, then undo: the drawing is back.
        if (data.cleared) {
            painter.undo();
            verify(painter.hasDrawing);
        }
    }
}
