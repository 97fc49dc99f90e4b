import QtQuick
import Cpp.MyComponents
import FluentUI
import "hotkeytable.js" as HotkeyTable

// System-wide hot keys: they act whichever program has the keyboard focus,
// and whether drawing is on or off. Only "画笔" switches drawing on and only
// "退出绘制模式" switches it off; none of them touches the toolbar's icons.
// Each key logs its name before it acts.
FluObject {
    id: hotkeys

    // The toolbar (painter.qml): its overlay, drawing state and stored settings.
    property var toolbar: null
    property ToolActions actions: null
    property SettingsClazz settings: null

    // The stored sequence when it is a non-empty text, else the fallback;
    // "none" switches the key off and leaves it to other programs.
    // Read through the toolbar's hotKeys, so every loadSettings() moves the keys.
    // The fallbacks are those of HotkeyTable, which decides who acts on a shared key.
    function sequenceFor(key, fallback) {
        return HotkeyTable.sequence(toolbar ? toolbar.hotKeys : null, key, fallback);
    }

    // Two keys given the same sequence both hear it; only the one that comes
    // first in HotkeyTable acts, so one press never does two things.
    function acts(name, key) {
        const owner = HotkeyTable.owner(toolbar ? toolbar.hotKeys : null, key);
        if (owner === key)
            return true;
        console.log(name, "与", owner, "的热键相同，由", owner, "响应");
        return false;
    }

    FluHotkey {
        name: qsTr("截屏")
        sequence: hotkeys.sequenceFor("screenKey", "Ctrl+P")
        shortcutId: HotkeyTable.actionOf("screenKey")
        onActivated: {
            if (!hotkeys.acts(name, "screenKey"))
                return;
            const path = hotkeys.toolbar.hotKeys.screenSavePath;
            console.log(name, path);
            if (typeof path === "string" && path !== "")
                hotkeys.toolbar.captureToolbarScreen();
        }
    }

    FluHotkey {
        name: qsTr("橡皮擦")
        sequence: hotkeys.sequenceFor("eraseKey", "Ctrl+D")
        shortcutId: HotkeyTable.actionOf("eraseKey")
        onActivated: {
            if (!hotkeys.acts(name, "eraseKey"))
                return;
            console.log(name);
            hotkeys.actions.toggleEraser();
            const overlay = hotkeys.toolbar.drawWindow;
            if (overlay)
                hotkeys.toolbar.announce(overlay.painter.isEraserMode ? qsTr("橡皮擦已开启") : qsTr("橡皮擦已关闭"));
        }
    }

    FluHotkey {
        name: qsTr("画笔")
        sequence: hotkeys.sequenceFor("penKey", "Ctrl+E")
        shortcutId: HotkeyTable.actionOf("penKey")
        onActivated: {
            if (!hotkeys.acts(name, "penKey"))
                return;
            console.log(name);
            hotkeys.toolbar.announce(name);
            const toolbar = hotkeys.toolbar;
            toolbar.drawAble = true;
            if (!toolbar.drawWindow) {
                if (toolbar.ensureDrawWindow())
                    toolbar.drawWindow.painter.penSize = 3;
                return;
            }
            toolbar.drawWindow.resetDraw();
            toolbar.drawWindow.painter.penSize = 3;
            hotkeys.actions.plainPen(toolbar.drawWindow.painter, 1.0);
            toolbar.raise();
        }
    }

    FluHotkey {
        name: qsTr("退出绘制模式")
        sequence: hotkeys.sequenceFor("closeDrawKey", "Ctrl+Q")
        shortcutId: HotkeyTable.actionOf("closeDrawKey")
        onActivated: {
            if (!hotkeys.acts(name, "closeDrawKey"))
                return;
            console.log(name);
            const toolbar = hotkeys.toolbar;
            if (!toolbar.drawWindow)
                return;
            toolbar.drawWindow.closeColorDialog();
            hotkeys.actions.plainPen(toolbar.drawWindow.painter, 1.0);
            toolbar.drawAble = false;
            toolbar.drawWindow.chuantouMouse();
        }
    }

    FluHotkey {
        name: qsTr("文字")
        sequence: hotkeys.sequenceFor("textKey", "Ctrl+T")
        shortcutId: HotkeyTable.actionOf("textKey")
        onActivated: {
            if (!hotkeys.acts(name, "textKey"))
                return;
            console.log(name);
            hotkeys.toolbar.announce(name);
            console.log("文字输入模式");
            hotkeys.actions.enterTextMode();
        }
    }

    // The background picture stays.
    FluHotkey {
        name: qsTr("清除画布")
        sequence: hotkeys.sequenceFor("clearKey", "Ctrl+L")
        shortcutId: HotkeyTable.actionOf("clearKey")
        onActivated: {
            if (!hotkeys.acts(name, "clearKey"))
                return;
            console.log(name);
            hotkeys.actions.clear(false);
        }
    }

    FluHotkey {
        name: qsTr("撤销")
        sequence: hotkeys.sequenceFor("undoKey", "Ctrl+Z")
        shortcutId: HotkeyTable.actionOf("undoKey")
        onActivated: {
            if (!hotkeys.acts(name, "undoKey"))
                return;
            console.log(name);
            console.log("撤销操作");
            hotkeys.actions.undo();
        }
    }

    FluHotkey {
        name: qsTr("恢复")
        sequence: hotkeys.sequenceFor("redoKey", "Ctrl+Y")
        shortcutId: HotkeyTable.actionOf("redoKey")
        onActivated: {
            if (!hotkeys.acts(name, "redoKey"))
                return;
            console.log(name);
            console.log("恢复操作");
            hotkeys.actions.redo();
        }
    }

    FluHotkey {
        name: qsTr("直线模式")
        sequence: hotkeys.sequenceFor("lineKey", "Ctrl+L")
        shortcutId: HotkeyTable.actionOf("lineKey")
        onActivated: {
            if (!hotkeys.acts(name, "lineKey"))
                return;
            console.log(name);
            hotkeys.toolbar.announce(name);
            hotkeys.actions.pickShape(MyPainter.LineMode);
        }
    }

    FluHotkey {
        name: qsTr("圆形模式")
        sequence: hotkeys.sequenceFor("circleKey", "Ctrl+O")
        shortcutId: HotkeyTable.actionOf("circleKey")
        onActivated: {
            if (!hotkeys.acts(name, "circleKey"))
                return;
            console.log(name);
            hotkeys.toolbar.announce(name);
            hotkeys.actions.pickShape(MyPainter.CircleMode);
        }
    }

    FluHotkey {
        name: qsTr("矩形模式")
        sequence: hotkeys.sequenceFor("rectangleKey", "Ctrl+R")
        shortcutId: HotkeyTable.actionOf("rectangleKey")
        onActivated: {
            if (!hotkeys.acts(name, "rectangleKey"))
                return;
            console.log(name);
            hotkeys.toolbar.announce(name);
            hotkeys.actions.pickShape(MyPainter.RectangleMode);
        }
    }

    FluHotkey {
        name: qsTr("箭头模式")
        sequence: hotkeys.sequenceFor("arrowKey", "Ctrl+A")
        shortcutId: HotkeyTable.actionOf("arrowKey")
        onActivated: {
            if (!hotkeys.acts(name, "arrowKey"))
                return;
            console.log(name);
            hotkeys.toolbar.announce(name);
            hotkeys.actions.pickShape(MyPainter.ArrowMode);
        }
    }

    FluHotkey {
        name: qsTr("选择")
        sequence: hotkeys.sequenceFor("selectKey", "")
        shortcutId: HotkeyTable.actionOf("selectKey")
        onActivated: {
            if (!hotkeys.acts(name, "selectKey"))
                return;
            console.log(name);
            hotkeys.toolbar.announce(name);
            hotkeys.actions.pickShape(MyPainter.SelectMode);
        }
    }

    FluHotkey {
        name: qsTr("激光笔")
        sequence: hotkeys.sequenceFor("laserKey", "")
        shortcutId: HotkeyTable.actionOf("laserKey")
        onActivated: {
            if (!hotkeys.acts(name, "laserKey"))
                return;
            console.log(name);
            hotkeys.toolbar.announce(name);
            hotkeys.actions.togglePresenterTool("laser");
        }
    }

    FluHotkey {
        name: qsTr("聚光灯")
        sequence: hotkeys.sequenceFor("spotlightKey", "")
        shortcutId: HotkeyTable.actionOf("spotlightKey")
        onActivated: {
            if (!hotkeys.acts(name, "spotlightKey"))
                return;
            console.log(name);
            hotkeys.toolbar.announce(name);
            hotkeys.actions.togglePresenterTool("spotlight");
        }
    }

    FluHotkey {
        name: qsTr("放大镜")
        sequence: hotkeys.sequenceFor("zoomKey", "")
        shortcutId: HotkeyTable.actionOf("zoomKey")
        onActivated: {
            if (!hotkeys.acts(name, "zoomKey"))
                return;
            console.log(name);
            hotkeys.toolbar.announce(name);
            hotkeys.actions.togglePresenterTool("zoom");
        }
    }

    // Takes the keyboard to the toolbar, for those who work without a pointer.
    FluHotkey {
        name: qsTr("聚焦工具栏")
        sequence: hotkeys.sequenceFor("toolbarKey", "")
        shortcutId: HotkeyTable.actionOf("toolbarKey")
        onActivated: {
            if (!hotkeys.acts(name, "toolbarKey"))
                return;
            console.log(name);
            hotkeys.toolbar.focusToolbar();
        }
    }
}
