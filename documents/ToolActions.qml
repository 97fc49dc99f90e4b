import QtQuick
import Cpp.MyComponents

// The tool logic shared by the toolbar's buttons and the hot keys. Every
// action works on the toolbar's overlay and does nothing while there is none.
QtObject {
    // The toolbar (painter.qml): its overlay and its saved pen size.
    property var toolbar: null
    readonly property var overlay: toolbar ? toolbar.drawWindow : null

    // Leaving numbered circles brings back the size saved on entering them.
    function restoreSavedSize(painter) {
        if (painter.drawMode === MyPainter.NumberedCircleMode)
            painter.penSize = toolbar.savedPenSize;
    }

    // The presenter tools by chooser entry, in the order of Icons.presenterChoices.
    readonly property var presenterTools: ["laser", "spotlight", "zoom"]

    // Starts a presenter tool, switching drawing on for it, or leaves the tool in use.
    function togglePresenterTool(tool) {
        if (!toolbar.drawAble)
            toolbar.switchDrawing();
        if (!overlay)
            return;
        overlay.textInputMode = false;
        overlay.presenterTool = overlay.presenterTool === tool ? "" : tool;
        console.log("演示工具:", overlay.presenterTool !== "" ? overlay.presenterTool : "无");
    }

    // Picking a drawing tool ends pointing; under the zoom one draws on.
    function leavePointing() {
        if (overlay && overlay.presenterTool !== "zoom")
            overlay.presenterTool = "";
    }

    // Freehand drawing without the eraser.
    function plainPen(painter, opacity) {
        painter.isEraserMode = false;
        painter.drawMode = MyPainter.FreehandMode;
        painter.penOpacity = opacity;
    }

    // Eraser off, plain opacity and the shape's mode.
    function pickShape(mode) {
        if (!overlay)
            return;
        leavePointing();
        const painter = overlay.painter;
        painter.isEraserMode = false;
        restoreSavedSize(painter);
        painter.drawMode = mode;
        painter.penOpacity = 1.0;
    }

    // The eraser draws in freehand mode.
    function toggleEraser() {
        if (!overlay)
            return;
        leavePointing();
        const painter = overlay.painter;
        restoreSavedSize(painter);
        painter.isEraserMode = !painter.isEraserMode;
        if (painter.isEraserMode)
            painter.drawMode = MyPainter.FreehandMode;
    }

    // Mode, eraser and opacity stay as they are.
    function enterTextMode() {
        if (!overlay)
            return;
        leavePointing();
        restoreSavedSize(overlay.painter);
        overlay.textInputMode = true;
    }

    // The chosen size also goes to what is selected, as one undoable step.
    function resizeSelection(size) {
        if (overlay && overlay.painter.hasSelection)
            overlay.painter.resizeSelection(size);
    }

    // Whether there was a selection to copy.
    function duplicateSelection() {
        return overlay !== null && overlay.painter.duplicateSelection();
    }

    function undo() {
        if (overlay && overlay.painter.canUndo)
            overlay.painter.undo();
    }

    function redo() {
        if (overlay && overlay.painter.canRedo)
            overlay.painter.redo();
    }

    // The background picture goes too when asked.
    function clear(withPicture) {
        if (!overlay)
            return;
        if (withPicture)
            overlay.closeBackImg();
        overlay.painter.clear();
    }
}
