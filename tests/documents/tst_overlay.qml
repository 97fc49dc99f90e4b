import QtQuick
import QtTest
import Cpp.MyComponents
import "finder.js" as Finder

TestCase {
    id: testCase

    property var overlay: null
    property var canvas: null

    function init() {
        const component = Qt.createComponent("qrc:/draw.qml");
        verify(component.status === Component.Ready, component.errorString());
        overlay = component.createObject(null);
        verify(overlay !== null);
        overlay.showFullScreen();
        overlay.resetDraw();
        tryVerify(() => overlay.width > 300 && overlay.height > 300);
        canvas = overlay.painter;
        waitForRendering(overlay.contentItem);
    }

    function cleanup() {
        if (overlay)
            overlay.destroy();
        overlay = null;
        canvas = null;
        wait(0);
    }

    // Whether the red pen shows at a point. The grab has no alpha channel: the
    // transparent overlay comes out black. Keep probes 20 px away from the
    // pointer, where the cursor image is.
    function inkAt(x, y) {
        wait(20);
        const c = grabImage(canvas).pixel(x, y);
        return c.r > 0.5 && c.g < 0.5 && c.b < 0.5;
    }

    function stroke(from, to, release, modifiers) {
        mousePress(canvas, from.x, from.y, Qt.LeftButton, modifiers || Qt.NoModifier);
        mouseMove(canvas, (from.x + to.x) / 2, (from.y + to.y) / 2, -1, Qt.LeftButton, modifiers || Qt.NoModifier);
        mouseMove(canvas, to.x, to.y, -1, Qt.LeftButton, modifiers || Qt.NoModifier);
        mouseRelease(canvas, release.x, release.y, Qt.LeftButton, modifiers || Qt.NoModifier);
    }

    function textDialog() {
        return overlay.activeTextDialog;
    }

    function showPicture() {
        overlay.backgroundImage = "qrc:/icons/logo.png";
        overlay.backImage.visible = true;
        tryCompare(overlay.backImage, "width", 100);
        compare(overlay.backImage.height, 100);
    }

    name: "Overlay"

    SignalSpy {
        id: clickSpy

        signalName: "clickDrawWin"
    }

    // Shift is pressed only for the release: only an endPaint call with the
    // release's Shift state can snap the shape.
    function test_releaseEndsShapes_data() {
        return [{
                "tag": "rectangle becomes a square",
                "mode": 3,
                "probe": Qt.point(300, 260)
            }, {
                "tag": "line snaps to 45 degrees",
                "mode": 1,
                "probe": Qt.point(250, 100)
            }];
    }

    function test_releaseEndsShapes(data) {
        canvas.penSize = 6;
        canvas.drawMode = data.mode;
        mousePress(canvas, 100, 100);
        mouseMove(canvas, 200, 150, -1, Qt.LeftButton);
        mouseMove(canvas, 300, 180, -1, Qt.LeftButton);
        verify(!inkAt(data.probe.x, data.probe.y), "drawn before the release");
        mouseMove(canvas, 300, 180, -1, Qt.LeftButton);
        mouseRelease(canvas, 300, 180, Qt.LeftButton, Qt.ShiftModifier);
        verify(inkAt(data.probe.x, data.probe.y), "the release did not finish the shape");
    }

    function test_freehandStrokeEndsWithRelease() {
        canvas.penSize = 6;
        stroke(Qt.point(100, 100), Qt.point(300, 100), Qt.point(300, 100));
        verify(inkAt(150, 100));
        // The next press starts a new stroke instead of extending the old one.
        stroke(Qt.point(100, 300), Qt.point(300, 300), Qt.point(300, 300));
        verify(inkAt(150, 300));
        verify(!inkAt(100, 200));
        verify(!inkAt(300, 200));
        canvas.undo();
        verify(!inkAt(150, 300));
        verify(inkAt(150, 100));
    }

    function test_pressAndReleaseWithoutMoveAddsNothing() {
        mouseClick(canvas, 150, 150);
        verify(!canvas.canUndo);
    }

    function test_rightClickDeletes_data() {
        return [{
                "tag": "on the line",
                "at": Qt.point(200, 150),
                "removed": true
            }, {
                "tag": "on empty canvas",
                "at": Qt.point(200, 400),
                "removed": false
            }];
    }

    function test_rightClickDeletes(data) {
        canvas.penSize = 6;
        canvas.drawMode = 1;
        stroke(Qt.point(100, 150), Qt.point(300, 150), Qt.point(300, 150));
        verify(inkAt(150, 150));
        clickSpy.target = overlay;
        clickSpy.clear();
        mouseClick(canvas, data.at.x, data.at.y, Qt.RightButton);
        compare(clickSpy.count, 1);
        compare(inkAt(150, 150), !data.removed);
    }

    function test_rightClickInTextModeOpensDialog() {
        canvas.penSize = 6;
        canvas.drawMode = 1;
        stroke(Qt.point(100, 150), Qt.point(300, 150), Qt.point(300, 150));
        overlay.textInputMode = true;
        clickSpy.target = overlay;
        clickSpy.clear();
        mouseClick(canvas, 200, 150, Qt.RightButton);
        compare(clickSpy.count, 0);
        let dialog = textDialog();
        verify(dialog !== null, "no text dialog");
        tryCompare(dialog, "opened", true);
        dialog.reject();
        tryVerify(() => textDialog() === null);
        verify(inkAt(150, 150), "right click in text mode deleted the line");
    }

    function test_placingText_data() {
        return [{
                "tag": "word",
                "text": "Hi there",
                "placed": true
            }, {
                "tag": "blanks only",
                "text": "   ",
                "placed": false
            }, {
                "tag": "empty",
                "text": "",
                "placed": false
            }];
    }

    function test_placingText(data) {
        overlay.textInputMode = true;
        mouseClick(canvas, 200, 200);
        let dialog = textDialog();
        verify(dialog !== null, "no text dialog");
        tryCompare(dialog, "opened", true);
        compare(Math.round(dialog.x + dialog.width / 2), 200);
        dialog.inputText = data.text;
        dialog.textSize = 42;
        dialog.accept();
        tryVerify(() => textDialog() === null);
        compare(canvas.canUndo, data.placed);
        if (data.placed) {
            compare(canvas.textToDraw, data.text);
            compare(canvas.textSize, 42);
        }
        verify(overlay.textInputMode, "placing a text left text mode");
    }

    function test_ctrlDragsPictureInsteadOfDrawing() {
        showPicture();
        stroke(Qt.point(250, 250), Qt.point(330, 290), Qt.point(330, 290), Qt.ControlModifier);
        compare(overlay.backImage.x, 280);
        compare(overlay.backImage.y, 240);
        verify(!canvas.canUndo, "a picture drag drew");
    }

    function test_ctrlDrawsWithoutPicture() {
        stroke(Qt.point(250, 250), Qt.point(330, 290), Qt.point(330, 290), Qt.ControlModifier);
        verify(canvas.canUndo);
        compare(overlay.backImage.x, 200);
    }

    function test_wheelScalesPicture_data() {
        return [{
                "tag": "ctrl up grows",
                "start": 100,
                "dy": 120,
                "dx": 0,
                "ctrl": true,
                "expected": 110
            }, {
                "tag": "ctrl down shrinks",
                "start": 100,
                "dy": -120,
                "dx": 0,
                "ctrl": true,
                "expected": 90
            }, {
                "tag": "ctrl sideways shrinks",
                "start": 100,
                "dy": 0,
                "dx": 120,
                "ctrl": true,
                "expected": 90
            }, {
                "tag": "below 50 refused",
                "start": 54,
                "dy": -120,
                "dx": 0,
                "ctrl": true,
                "expected": 54
            }, {
                "tag": "without ctrl",
                "start": 100,
                "dy": 120,
                "dx": 0,
                "ctrl": false,
                "expected": 100
            }];
    }

    function test_wheelScalesPicture(data) {
        showPicture();
        overlay.backImage.width = data.start;
        overlay.backImage.height = data.start;
        mouseWheel(canvas, 400, 400, data.dx, data.dy, Qt.NoButton, data.ctrl ? Qt.ControlModifier : Qt.NoModifier);
        compare(Math.round(overlay.backImage.width), data.expected);
        compare(Math.round(overlay.backImage.height), data.expected);
    }

    function test_pictureHints() {
        compare(overlay.infoBar.count, 0);
        showPicture();
        compare(overlay.infoBar.count, 2);
    }

    function test_warningGoesAway() {
        overlay.showWarning("Shit+绘制:绘制正方形", 200);
        compare(overlay.infoBar.count, 1);
        tryCompare(overlay.infoBar, "count", 0, 2000);
    }

    function test_passThroughKeepsPictureDropsBoard() {
        showPicture();
        overlay.color = "white";
        overlay.chuantouMouse();
        verify(overlay.ct);
        verify(overlay.flags & Qt.WindowTransparentForInput);
        compare(String(overlay.color), "#00000000");
        verify(overlay.backImage.visible);
        overlay.resetDraw();
        verify(!overlay.ct);
        verify(!(overlay.flags & Qt.WindowTransparentForInput));
        compare(canvas.penSize, 5);
    }

    function test_cancelledColourDialogKeepsLastColour() {
        overlay.openColorDialog();
        tryCompare(overlay.colorDialog, "visible", true);
        overlay.colorDialog.selectedColor = "blue";
        compare(String(canvas.penColor), "#0000ff");
        overlay.colorDialog.reject();
        compare(String(canvas.penColor), "#0000ff");
    }

    function drag(from, to) {
        mousePress(canvas, from.x, from.y);
        mouseMove(canvas, (from.x + to.x) / 2, (from.y + to.y) / 2, -1, Qt.LeftButton);
        mouseMove(canvas, to.x, to.y, -1, Qt.LeftButton);
        mouseRelease(canvas, to.x, to.y);
    }

    // The selection tool: a click selects and shows the outline, a drag moves as one
    // undoable step, a rectangle dragged on empty space selects, Delete removes; another
    // tool drops the selection and draws again.
    function test_selectionTool() {
        canvas.penSize = 6;
        canvas.drawMode = MyPainter.LineMode;
        stroke(Qt.point(100, 150), Qt.point(300, 150), Qt.point(300, 150));
        canvas.drawMode = MyPainter.SelectMode;
        mouseClick(canvas, 200, 150);
        verify(canvas.hasSelection);
        const outline = Finder.findAll(overlay.contentItem, i => i.objectName === "selectionOutline")[0];
        verify(outline.visible);
        verify(outline.x < 100 && outline.x + outline.width > 300);
        drag(Qt.point(200, 150), Qt.point(200, 250));
        verify(inkAt(150, 250));
        verify(!inkAt(150, 150));
        verify(outline.y > 200);
        canvas.undo();
        verify(inkAt(150, 150));
        verify(!inkAt(150, 250));
        canvas.redo();
        mouseClick(canvas, 500, 500);
        verify(!canvas.hasSelection);
        verify(!outline.visible);
        drag(Qt.point(80, 220), Qt.point(320, 280));
        verify(canvas.hasSelection);
        overlay.requestActivate();
        keyClick(Qt.Key_Delete);
        verify(!canvas.hasSelection);
        verify(!inkAt(150, 250));
        canvas.undo();
        verify(inkAt(150, 250));
        mouseClick(canvas, 200, 250);
        verify(canvas.hasSelection);
        const top = outline.y;
        keyClick(Qt.Key_Down, Qt.ShiftModifier);
        keyClick(Qt.Key_Up);
        compare(outline.y, top + 9);
        canvas.undo();
        compare(outline.y, top + 10);
        canvas.drawMode = MyPainter.LineMode;
        verify(!canvas.hasSelection);
        stroke(Qt.point(100, 400), Qt.point(300, 400), Qt.point(300, 400));
        verify(inkAt(150, 400));
    }

    // The laser and the spotlight point: a drag adds nothing, a right click deletes
    // nothing, Esc goes back to drawing.
    function test_pointingToolsLeaveTheDrawingAlone_data() {
        return [{
                "tag": "laser",
                "tool": "laser"
            }, {
                "tag": "spotlight",
                "tool": "spotlight"
            }];
    }

    function test_pointingToolsLeaveTheDrawingAlone(data) {
        stroke(Qt.point(100, 200), Qt.point(300, 200), Qt.point(300, 200));
        overlay.presenterTool = data.tool;
        stroke(Qt.point(100, 300), Qt.point(300, 300), Qt.point(300, 300));
        // The laser's trail shows there for a second; a stroke would stay.
        tryVerify(() => !inkAt(250, 300), 3000);
        mouseClick(canvas, 200, 200, Qt.RightButton);
        verify(inkAt(150, 200));
        overlay.requestActivate();
        keyClick(Qt.Key_Escape);
        compare(overlay.presenterTool, "");
        stroke(Qt.point(100, 300), Qt.point(300, 300), Qt.point(300, 300));
        verify(inkAt(250, 300));
    }

    // Under the zoom a press, a move, a right click and the text dialog all act at the
    // screen point shown under the pointer: at 2x about (400, 300), the view's (300, 340)
    // shows the screen's (350, 320).
    function test_zoomActsAtTheScreenPointShown() {
        const surface = canvas.parent;
        overlay.presenterTool = "zoom";
        tryVerify(() => surface.zoom !== null && surface.zoom.factor === 2, 5000, "no still image");
        mouseMove(surface, 400, 300);
        tryVerify(() => surface.zoom.pan === Qt.point(400, 300));
        canvas.penSize = 6;
        canvas.drawMode = 1;
        mousePress(surface, 300, 340);
        mouseMove(surface, 500, 340, -1, Qt.LeftButton);
        mouseRelease(surface, 500, 340);
        overlay.textInputMode = true;
        mouseClick(surface, 420, 200);
        tryVerify(() => textDialog() !== null && textDialog().opened);
        compare(Math.round(textDialog().x + textDialog().width / 2), 420);
        textDialog().reject();
        overlay.textInputMode = false;
        overlay.presenterTool = "";
        verify(inkAt(360, 320) && inkAt(440, 320), "the line is not at the screen points shown");
        verify(!inkAt(320, 340) && !inkAt(480, 340), "the line is where the view showed it");
        overlay.presenterTool = "zoom";
        tryVerify(() => surface.zoom !== null && surface.zoom.factor === 2, 5000, "no still image");
        mouseMove(surface, 400, 300);
        tryVerify(() => surface.zoom.pan === Qt.point(400, 300));
        mouseClick(surface, 380, 340, Qt.RightButton); // 10 px off the line when unmapped
        overlay.presenterTool = "";
        verify(!inkAt(360, 320), "the right click did not delete the line shown under it");
    }

    // Letters pick colours, brackets step the size within 1..60; with Ctrl they are
    // somebody else's keys.
    function test_penKeys() {
        overlay.requestActivate();
        mouseClick(canvas, 50, 50);
        keyClick(Qt.Key_G);
        compare(String(canvas.penColor), "#00b050");
        keyClick(Qt.Key_R, Qt.ControlModifier);
        compare(String(canvas.penColor), "#00b050");
        keyClick(Qt.Key_K);
        compare(String(canvas.penColor), "#000000");
        canvas.penSize = 5;
        keyClick(Qt.Key_BracketRight);
        compare(canvas.penSize, 6);
        for (let i = 0; i < 10; ++i)
            keyClick(Qt.Key_BracketLeft);
        compare(canvas.penSize, 1);
        canvas.penSize = 58;
        mouseWheel(canvas, 50, 50, 0, 120, Qt.NoButton, Qt.ControlModifier);
        mouseWheel(canvas, 50, 50, 0, 120, Qt.NoButton, Qt.ControlModifier);
        compare(canvas.penSize, 60);
    }

    // The keyboard pen: Space puts it down and lifts it, the arrows draw (Shift:
    // 40 px a step) from where the pointer was; Enter places a numbered circle.
    function test_keyboardPenDraws() {
        canvas.penSize = 6;
        overlay.requestActivate();
        mouseMove(canvas, 200, 300);
        overlay.takeKeys();
        keyClick(Qt.Key_Space);
        for (let i = 0; i < 5; ++i)
            keyClick(Qt.Key_Right, Qt.ShiftModifier);
        keyClick(Qt.Key_Space);
        verify(inkAt(300, 300), "the keyboard pen drew nothing");
        verify(canvas.canUndo);
        canvas.undo();
        verify(!canvas.canUndo, "one stroke, not one per key");
        keyClick(Qt.Key_Down, Qt.ShiftModifier);
        keyClick(Qt.Key_Return);
        verify(inkAt(400, 340), "Enter left no dot");
        canvas.drawMode = 6;
        keyClick(Qt.Key_Down, Qt.ShiftModifier);
        keyClick(Qt.Key_Down, Qt.ShiftModifier);
        keyClick(Qt.Key_Return);
        verify(inkAt(400, 420), "Enter placed no numbered circle");
    }

    // One finger draws like the pen; a second finger that comes down meanwhile
    // adds no stroke of its own.
    function test_touchDrawsWithOneFinger() {
        canvas.penSize = 6;
        const touch = touchEvent(canvas);
        touch.press(0, canvas, 100, 300).commit();
        touch.move(0, canvas, 200, 300).commit();
        touch.stationary(0).press(1, canvas, 100, 500).commit();
        touch.move(0, canvas, 300, 300).move(1, canvas, 200, 500).commit();
        touch.move(0, canvas, 400, 300).move(1, canvas, 300, 500).commit();
        touch.release(0, canvas, 400, 300).stationary(1).commit();
        touch.release(1, canvas, 300, 500).commit();
        verify(inkAt(250, 300), "the first finger drew nothing");
        verify(inkAt(350, 300));
        verify(!inkAt(250, 500), "the second finger drew");
        canvas.undo();
        verify(!canvas.canUndo, "more than one stroke");
    }

    SignalSpy {
        id: cancelSpy

        signalName: "drawingOpenCancelled"
    }

    // Escape stops a drawing being opened, as the loading panel's button does;
    // the drawing on screen stays.
    function test_escapeStopsOpening() {
        canvas.penSize = 6;
        stroke(Qt.point(100, 200), Qt.point(300, 200), Qt.point(300, 200));
        verify(canvas.saveDrawing("overlay-escape.qmark"));
        canvas.clear();
        stroke(Qt.point(100, 400), Qt.point(300, 400), Qt.point(300, 400));
        cancelSpy.target = canvas;
        cancelSpy.clear();
        overlay.requestActivate();
        tryVerify(() => overlay.active);
        verify(canvas.openDrawing("overlay-escape.qmark"));
        verify(canvas.loading);
        keyClick(Qt.Key_Escape);
        tryVerify(() => !canvas.loading);
        compare(cancelSpy.count, 1);
        verify(inkAt(250, 400));
        verify(!inkAt(250, 200), "the drawing was opened");
    }
}
