import QtQuick
import Cpp.MyComponents
import "icons.js" as Icons

// The named actions that a later start (`Quillmark --action NAME`) and the
// desktop's own shortcuts ask for. Picking a tool switches drawing on first, as
// picking it on the toolbar would; undo, redo, clear and the screenshot act in
// pass-through too, as the hot keys do. The toolbar's visibility is the tray's.
Connections {
    id: named

    // The toolbar (painter.qml) and the tool logic it shares with the hot keys.
    property var toolbar: null
    property ToolActions actions: null

    function drawingOn() {
        if (!toolbar.drawAble)
            toolbar.switchDrawing();
        return toolbar.drawWindow;
    }

    function shape(mode) {
        if (drawingOn())
            actions.pickShape(mode);
    }

    // A board key shows the board, or takes it away again when it is showing.
    function board(colour, icon) {
        const overlay = drawingOn();
        if (!overlay)
            return;
        const showing = Qt.colorEqual(overlay.color, colour);
        toolbar.changeBoradSelect(0, showing ? Icons.transparentBoard : icon);
    }

    function run(name) {
        console.log("动作:", name);
        switch (name) {
        case "draw":
            toolbar.switchDrawing();
            break;
        case "pass-through":
            if (toolbar.drawAble)
                toolbar.switchDrawing();
            break;
        case "pen":
            drawingOn();
            toolbar.changePenSelect(0, Icons.pen);
            break;
        case "highlighter":
            drawingOn();
            toolbar.changePenSelect(1, Icons.highlighter);
            break;
        case "text":
            drawingOn();
            toolbar.changePenSelect(2, Icons.text);
            break;
        case "line":
            shape(MyPainter.LineMode);
            break;
        case "circle":
            shape(MyPainter.CircleMode);
            break;
        case "rectangle":
            shape(MyPainter.RectangleMode);
            break;
        case "arrow":
            shape(MyPainter.ArrowMode);
            break;
        case "select":
            shape(MyPainter.SelectMode);
            break;
        case "numbers":
            if (drawingOn())
                toolbar.changeLineSelect(4, Icons.numberedCircle);
            break;
        case "eraser":
            if (drawingOn())
                actions.toggleEraser();
            break;
        case "undo":
            actions.undo();
            break;
        case "redo":
            actions.redo();
            break;
        case "clear":
            actions.clear(false);
            break;
        case "screenshot":
            toolbar.captureToolbarScreen();
            break;
        case "white-board":
            board("white", Icons.whiteBoard);
            break;
        case "black-board":
            board("black", Icons.blackBoard);
            break;
        case "laser":
        case "spotlight":
        case "zoom":
            actions.togglePresenterTool(name);
            break;
        case "focus-toolbar":
            toolbar.focusToolbar();
            break;
        case "quit":
            Qt.quit();
            break;
        default:
            console.warn("未知的动作:", name);
        }
    }

    function onTriggered(name) {
        run(name);
    }

    target: ActionRelay
}
