import QtQuick
import Cpp.MyComponents
import FluentUI

// System-wide hot keys: they act whichever program has the keyboard focus,
// and whether drawing is on or off. Only "画笔" switches drawing on and only
// "退出绘制模式" switches it off; none of them touches the toolbar's icons.
FluObject {
    id: hotkeys

    // The toolbar (painter.qml): its overlay, drawing state and stored settings.
    property var toolbar: null
    property ToolActions actions: null
    property SettingsClazz settings: null

    // The stored sequence when it is a non-empty text, else the fallback.
    // Read through the toolbar's hotKeys, so every loadSettings() moves the keys.
    function sequenceFor(key, fallback) {
        const stored = toolbar ? toolbar.hotKeys[key] : undefined;
        return typeof stored === "string" && stored !== "" ? stored : fallback;
    }

    // Every key logs its name before it acts.
    // qmllint disable unqualified
    component Key: FluHotkey {
        property string settingsKey
        property string fallback

        sequence: hotkeys.sequenceFor(settingsKey, fallback)
        onActivated: console.log(name)
    }
    // qmllint enable unqualified

    // Logs its name together with the folder.
    FluHotkey {
        name: qsTr("截屏")
        sequence: hotkeys.sequenceFor("screenKey", "Ctrl+P")
        onActivated: {
            const path = hotkeys.toolbar.hotKeys.screenSavePath;
            console.log(name, path);
            if (typeof path === "string" && path !== "")
                hotkeys.settings.captureScreen();
        }
    }

    Key {
        name: qsTr("橡皮擦")
        settingsKey: "eraseKey"
        fallback: "Ctrl+D"
        onActivated: hotkeys.actions.toggleEraser()
    }

    Key {
        name: qsTr("画笔")
        settingsKey: "penKey"
        fallback: "Ctrl+E"
        onActivated: {
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

    Key {
        name: qsTr("退出绘制模式")
        settingsKey: "closeDrawKey"
        fallback: "Ctrl+Q"
        onActivated: {
            const toolbar = hotkeys.toolbar;
            if (!toolbar.drawWindow)
                return;
            toolbar.drawWindow.closeColorDialog();
            hotkeys.actions.plainPen(toolbar.drawWindow.painter, 1.0);
            toolbar.drawAble = false;
            toolbar.drawWindow.chuantouMouse();
        }
    }

    Key {
        name: qsTr("文字")
        settingsKey: "textKey"
        fallback: "Ctrl+T"
        onActivated: {
            console.log("文字输入模式");
            hotkeys.actions.enterTextMode();
        }
    }

    // The background picture stays.
    Key {
        name: qsTr("清除画布")
        settingsKey: "clearKey"
        fallback: "Ctrl+L"
        onActivated: hotkeys.actions.clear(false)
    }

    Key {
        name: qsTr("撤销")
        settingsKey: "undoKey"
        fallback: "Ctrl+Z"
        onActivated: {
            console.log("撤销操作");
            hotkeys.actions.undo();
        }
    }

    Key {
        name: qsTr("恢复")
        settingsKey: "redoKey"
        fallback: "Ctrl+Y"
        onActivated: {
            console.log("恢复操作");
            hotkeys.actions.redo();
        }
    }

    Key {
        name: qsTr("直线模式")
        settingsKey: "lineKey"
        fallback: "Ctrl+L"
        onActivated: hotkeys.actions.pickShape(MyPainter.LineMode)
    }

    Key {
        name: qsTr("圆形模式")
        settingsKey: "circleKey"
        fallback: "Ctrl+O"
        onActivated: hotkeys.actions.pickShape(MyPainter.CircleMode)
    }

    Key {
        name: qsTr("矩形模式")
        settingsKey: "rectangleKey"
        fallback: "Ctrl+R"
        onActivated: hotkeys.actions.pickShape(MyPainter.RectangleMode)
    }

    Key {
        name: qsTr("箭头模式")
        settingsKey: "arrowKey"
        fallback: "Ctrl+A"
        onActivated: hotkeys.actions.pickShape(MyPainter.ArrowMode)
    }
}
