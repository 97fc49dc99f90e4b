import QtQuick
import QtTest
import Cpp.MyComponents
import "finder.js" as Finder

TestCase {
    id: testCase

    property var toolbar: null

    function init() {
        const component = Qt.createComponent("qrc:/painter.qml");
        verify(component.status === Component.Ready, component.errorString());
        toolbar = component.createObject(null);
        verify(toolbar !== null);
        tryCompare(toolbar, "visible", true);
        waitForRendering(toolbar.contentItem);
    }

    // Leaves an empty autosave behind and no restore mark, so that the next
    // toolbar neither offers nor restores a drawing.
    function forgetDrawing(bar) {
        bar.autosave.takeRestoreMark();
        if (bar.drawWindow) {
            bar.drawWindow.painter.clear();
            bar.autosave.saveNow();
        }
        if (bar.noticeWindow)
            bar.noticeWindow.destroy();
    }

    function cleanup() {
        if (!toolbar)
            return;
        forgetDrawing(toolbar);
        toolbar.fadeTimer.stop();
        toolbar.destroyChooser();
        if (toolbar.drawWindow)
            toolbar.drawWindow.destroy();
        toolbar.destroy();
        toolbar = null;
        wait(0);
    }

    function button(source) {
        const found = Finder.iconButton(toolbar, source);
        verify(found !== null, "no button " + source);
        return found;
    }

    function drawingOn() {
        mouseClick(button("qrc:/icons/mouse.png"));
        verify(toolbar.drawAble);
        verify(toolbar.drawWindow !== null);
        tryVerify(() => toolbar.drawWindow.width > 300 && toolbar.drawWindow.height > 300);
        waitForRendering(toolbar.drawWindow.contentItem);
        return toolbar.drawWindow.painter;
    }

    function hover(source) {
        const b = button(source);
        mouseMove(b, b.width / 2, b.height / 2);
        return toolbar.selectWindow;
    }

    function drawLine(painter, y) {
        painter.beginPaint(Qt.point(100, y));
        painter.movePaint(Qt.point(200, y), false);
        painter.movePaint(Qt.point(300, y), false);
    }

    name: "Toolbar"

    SettingsClazz {
        id: store
    }

    function test_drawingSwitchSelectsPlainPen() {
        compare(toolbar.drawWindow, null);
        const painter = drawingOn();
        painter.penSize = 20;
        painter.drawMode = 3;
        painter.penOpacity = 0.4;
        toolbar.drawWindow.textInputMode = true;
        mouseClick(button("qrc:/icons/penmodel.png"));
        verify(!toolbar.drawAble);
        verify(toolbar.drawWindow.ct);
        verify(toolbar.drawWindow.flags & Qt.WindowTransparentForInput);
        mouseClick(button("qrc:/icons/mouse.png"));
        verify(toolbar.drawAble);
        verify(!toolbar.drawWindow.ct);
        compare(painter.penSize, 3);
        compare(painter.drawMode, 0);
        compare(painter.penOpacity, 1.0);
        verify(!painter.isEraserMode);
        verify(!toolbar.drawWindow.textInputMode);
        compare(toolbar.penIcon, "qrc:/icons/pen.png");
    }

    // What a screen reader hears: drawing on and off whatever switched it, the
    // eraser, a shape picked in its chooser and a capture that failed.
    function test_stateChangesAreAnnounced() {
        const found = Finder.findAll(toolbar.contentItem, i => typeof i.say === "function");
        compare(found.length, 1);
        const announcer = found[0];
        drawingOn();
        compare(announcer.text, "绘制已开启");
        verify(announcer.visible);
        toolbar.drawAble = false;
        compare(announcer.text, "绘制已关闭，点击会穿过画布");
        mouseClick(button("qrc:/icons/mouse.png"));
        mouseClick(button("qrc:/icons/erase.png"));
        compare(announcer.text, "橡皮擦已开启");
        const chooser = hover("qrc:/icons/line.png");
        verify(chooser !== null);
        chooser.choose(1);
        tryCompare(announcer, "text", "已选择：圆形");
        toolbar.reportCaptureFailure("磁盘已满");
        compare(announcer.text, "截图保存失败：磁盘已满");
    }

    function test_changePenSelect_data() {
        return [{
                "tag": "pen",
                "icon": "qrc:/icons/pen.png",
                "opacity": 1.0,
                "mode": 0,
                "text": false,
                "size": 3
            }, {
                "tag": "highlighter",
                "icon": "qrc:/icons/ygpen.png",
                "opacity": 0.4,
                "mode": 0,
                "text": false,
                "size": 3
            }, {
                "tag": "text keeps mode",
                "icon": "qrc:/icons/text.png",
                "opacity": 0.7,
                "mode": 2,
                "text": true,
                "size": 3
            }];
    }

    function test_changePenSelect(data) {
        const painter = drawingOn();
        painter.drawMode = 2;
        painter.penOpacity = 0.7;
        painter.penSize = 12;
        toolbar.changePenSelect(0, data.icon);
        compare(painter.drawMode, data.mode);
        compare(painter.penOpacity, data.opacity);
        compare(toolbar.drawWindow.textInputMode, data.text);
        compare(painter.penSize, data.size);
        compare(toolbar.penIcon, data.icon);
    }

    // A presenter tool switches drawing on; picking it again or a pen leaves it,
    // but one draws on under the zoom.
    function test_presenterTools() {
        verify(!toolbar.drawAble);
        toolbar.changePresenterSelect(0, "qrc:/icons/laser.png");
        verify(toolbar.drawAble);
        compare(toolbar.drawWindow.presenterTool, "laser");
        toolbar.changePresenterSelect(0, "qrc:/icons/laser.png");
        compare(toolbar.drawWindow.presenterTool, "");
        toolbar.changePresenterSelect(1, "qrc:/icons/spotlight.png");
        toolbar.changePenSelect(0, "qrc:/icons/pen.png");
        compare(toolbar.drawWindow.presenterTool, "");
        toolbar.changePresenterSelect(2, "qrc:/icons/zoom.png");
        toolbar.changeLineSelect(0, "qrc:/icons/line.png");
        compare(toolbar.drawWindow.presenterTool, "zoom");
        toolbar.switchDrawing();
        compare(toolbar.drawWindow.presenterTool, "");
    }

    function test_changePenSelectLeavesEraser() {
        const painter = drawingOn();
        painter.isEraserMode = true;
        toolbar.changePenSelect(1, "qrc:/icons/ygpen.png");
        verify(!painter.isEraserMode);
    }

    function test_changeLineSelect_data() {
        return [{
                "tag": "line",
                "icon": "qrc:/icons/line.png",
                "mode": 1,
                "hints": 1
            }, {
                "tag": "circle",
                "icon": "qrc:/icons/circle.png",
                "mode": 2,
                "hints": 0
            }, {
                "tag": "arrow",
                "icon": "qrc:/icons/jiantou.png",
                "mode": 4,
                "hints": 0
            }, {
                "tag": "rectangle",
                "icon": "qrc:/icons/rect.png",
                "mode": 3,
                "hints": 1
            }, {
                "tag": "numbered circle",
                "icon": "qrc:/icons/munber.png",
                "mode": 6,
                "hints": 0
            }, {
                "tag": "selection tool",
                "icon": "qrc:/icons/select.png",
                "mode": 7,
                "hints": 1
            }];
    }

    function test_changeLineSelect(data) {
        const painter = drawingOn();
        painter.isEraserMode = true;
        painter.penOpacity = 0.4;
        toolbar.drawWindow.textInputMode = true;
        toolbar.changeLineSelect(0, data.icon);
        compare(painter.drawMode, data.mode);
        verify(!painter.isEraserMode);
        compare(painter.penOpacity, 1.0);
        verify(!toolbar.drawWindow.textInputMode);
        compare(toolbar.drawWindow.infoBar.count, data.hints);
        compare(toolbar.lineIcon, data.icon);
    }

    // With a selection the thickness and the menu's duplicate act on it, each one
    // undoable step; without one the duplicate says what to do.
    function test_selectionTakesThicknessAndDuplicates() {
        const painter = drawingOn();
        drawLine(painter, 100);
        painter.endPaint(Qt.point(300, 100), false);
        toolbar.changeLineSelect(5, "qrc:/icons/select.png");
        verify(painter.selectAt(Qt.point(200, 100)));
        // A copy: a rect read from a property follows the property.
        const shown = painter.selectionRect;
        const thin = Qt.rect(shown.x, shown.y, shown.width, shown.height);
        toolbar.changeCuXiSelect(0, "qrc:/icons/d.png");
        compare(painter.penSize, 20);
        verify(painter.selectionRect.height > thin.height + 10);
        painter.undo();
        compare(painter.selectionRect, thin);
        toolbar.changeSettingSelect(6, "复制所选");
        compare(painter.selectionRect.y, thin.y + 12);
        painter.undo();
        compare(painter.selectionRect, Qt.rect(0, 0, 0, 0));
        const told = toolbar.drawWindow.infoBar.count;
        toolbar.changeSettingSelect(6, "复制所选");
        compare(toolbar.drawWindow.infoBar.count, told + 1);
    }

    function test_shapesDoNothingWithoutOverlay() {
        toolbar.changeLineSelect(0, "qrc:/icons/circle.png");
        toolbar.changeCuXiSelect(0, "qrc:/icons/d.png");
        toolbar.changeBoradSelect(0, "qrc:/icons/blackBoard.png");
        compare(toolbar.drawWindow, null);
        compare(toolbar.lineIcon, "qrc:/icons/line.png");
    }

    function test_numberedCircleRestoresSize() {
        const painter = drawingOn();
        toolbar.changeCuXiSelect(3, "qrc:/icons/d.png");
        compare(painter.penSize, 20);
        toolbar.changeLineSelect(4, "qrc:/icons/munber.png");
        compare(painter.penSize, 3);
        toolbar.changePenSelect(0, "qrc:/icons/pen.png");
        compare(painter.penSize, 3);
        compare(painter.drawMode, 0);
    }

    function test_changeCuXiSelect_data() {
        return [{
                "tag": "a",
                "icon": "qrc:/icons/a.png",
                "size": 3
            }, {
                "tag": "b",
                "icon": "qrc:/icons/b.png",
                "size": 8
            }, {
                "tag": "c",
                "icon": "qrc:/icons/c.png",
                "size": 15
            }, {
                "tag": "d",
                "icon": "qrc:/icons/d.png",
                "size": 20
            }, {
                "tag": "unknown",
                "icon": "qrc:/icons/e.png",
                "size": 3
            }];
    }

    function test_changeCuXiSelect(data) {
        const painter = drawingOn();
        painter.penSize = 11;
        toolbar.changeCuXiSelect(0, data.icon);
        compare(painter.penSize, data.size);
        // A later shape choice goes back to the default size; the icon stays.
        toolbar.changeLineSelect(0, "qrc:/icons/circle.png");
        compare(painter.penSize, 3);
        compare(toolbar.cuxiIcon, data.icon);
    }

    function test_startDeleteItem_data() {
        return [{
                "tag": "off",
                "icon": "qrc:/icons/timer.png",
                "running": false,
                "interval": 0
            }, {
                "tag": "3 s",
                "icon": "qrc:/icons/timer3.png",
                "running": true,
                "interval": 3000
            }, {
                "tag": "30 s",
                "icon": "qrc:/icons/timer30.png",
                "running": true,
                "interval": 30000
            }, {
                "tag": "not a number",
                "icon": "qrc:/icons/timerx.png",
                "running": false,
                "interval": 0
            }];
    }

    function test_startDeleteItem(data) {
        drawingOn();
        toolbar.startDeleteItem(1, "qrc:/icons/timer5.png");
        verify(toolbar.fadeTimer.running);
        toolbar.startDeleteItem(0, data.icon);
        compare(toolbar.fadeTimer.running, data.running);
        if (data.running)
            compare(toolbar.fadeTimer.interval, data.interval);
        compare(toolbar.deleteIcon, data.icon);
    }

    function test_fadeTimerReachesCanvas() {
        const painter = drawingOn();
        drawLine(painter, 100);
        drawLine(painter, 200);
        verify(!painter.canRedo);
        toolbar.startDeleteItem(1, "qrc:/icons/timer3.png");
        toolbar.fadeTimer.interval = 50;
        // The bottom element fades out and its removal can be undone.
        tryVerify(() => {
                painter.undo();
                return painter.canRedo;
            }, 3000);
    }

    function test_changeTimer_data() {
        return [{
                "tag": "3 s",
                "icon": "qrc:/icons/re3.png",
                "breathing": true,
                "shown": "qrc:/icons/re3.png"
            }, {
                "tag": "off",
                "icon": "qrc:/icons/re.png",
                "breathing": false,
                "shown": "qrc:/icons/re.png"
            }, {
                "tag": "not a number",
                "icon": "qrc:/icons/rexx.png",
                "breathing": false,
                "shown": "qrc:/icons/re.png"
            }];
    }

    function test_changeTimer(data) {
        const painter = drawingOn();
        drawLine(painter, 100);
        drawLine(painter, 200);
        toolbar.changeTimer(1, "qrc:/icons/re5.png");
        tryCompare(painter, "isBreath", true);
        toolbar.changeTimer(0, data.icon);
        tryCompare(painter, "isBreath", data.breathing);
        compare(toolbar.repeatIcon, data.shown);
    }

    function test_eraserButton() {
        const painter = drawingOn();
        toolbar.changeLineSelect(4, "qrc:/icons/munber.png");
        toolbar.drawWindow.textInputMode = true;
        mouseClick(button("qrc:/icons/erase.png"));
        verify(painter.isEraserMode);
        compare(painter.drawMode, 0);
        verify(!toolbar.drawWindow.textInputMode);
        mouseClick(button("qrc:/icons/erase.png"));
        verify(!painter.isEraserMode);
    }

    function test_undoRedoRole() {
        const painter = drawingOn();
        drawLine(painter, 100);
        verify(painter.canUndo);
        mouseClick(button("qrc:/icons/chexiao.png"));
        verify(!painter.canUndo);
        verify(painter.canRedo);
        // Nothing left to undo: the undo role is blocked.
        compare(button("qrc:/icons/chexiao.png").enableEvent, true);
        toolbar.changeCxiao(1, "qrc:/icons/fanhui.png");
        const redoButton = button("qrc:/icons/fanhui.png");
        compare(redoButton.enableEvent, false);
        mouseClick(redoButton);
        verify(painter.canUndo);
        verify(!painter.canRedo);
    }

    function test_undoBlockedWhileDrawingOff() {
        const painter = drawingOn();
        drawLine(painter, 100);
        mouseClick(button("qrc:/icons/penmodel.png"));
        verify(!toolbar.drawAble);
        mouseClick(button("qrc:/icons/chexiao.png"));
        verify(painter.canUndo);
    }

    function test_clearButton() {
        const painter = drawingOn();
        drawLine(painter, 100);
        toolbar.drawWindow.backImage.visible = true;
        mouseClick(button("qrc:/icons/clear.png"));
        // Clearing is one step of its own: undo can bring the drawing back.
        verify(painter.canUndo);
        verify(!painter.canRedo);
        verify(!toolbar.drawWindow.backImage.visible);
    }

    function test_boardChoice_data() {
        return [{
                "tag": "white",
                "icon": "qrc:/icons/whiteBorad.png",
                "color": "#ffffff"
            }, {
                "tag": "black",
                "icon": "qrc:/icons/blackBoard.png",
                "color": "#000000"
            }, {
                "tag": "transparent",
                "icon": "qrc:/icons/draw.png",
                "color": "#00000000"
            }];
    }

    function test_boardChoice(data) {
        const painter = drawingOn();
        painter.penSize = 15;
        toolbar.drawWindow.backImage.visible = true;
        toolbar.changeBoradSelect(0, data.icon);
        compare(String(toolbar.drawWindow.color), data.color);
        verify(!toolbar.drawWindow.backImage.visible);
        compare(painter.penSize, 3);
        compare(toolbar.yanshiIcon, data.icon);
    }

    function test_chooserPlacement_data() {
        return [{
                "tag": "thickness, room on the right",
                "button": "qrc:/icons/b.png",
                "docked": false,
                "seX": 33,
                "seY": 357
            }, {
                "tag": "thickness, docked right",
                "button": "qrc:/icons/b.png",
                "docked": true,
                "seX": -35,
                "seY": 357
            }, {
                "tag": "menu, docked right",
                "button": "qrc:/icons/menue.png",
                "docked": true,
                "seX": -35,
                "seY": 357,
                "wide": true
            }, {
                "tag": "undo/redo",
                "button": "qrc:/icons/chexiao.png",
                "docked": false,
                "seX": 33,
                "seY": 182
            }, {
                "tag": "fade",
                "button": "qrc:/icons/timer.png",
                "docked": false,
                "seX": 33,
                "seY": 377
            }, {
                "tag": "repeat",
                "button": "qrc:/icons/re.png",
                "docked": false,
                "seX": 33,
                "seY": 390
            }];
    }

    function test_chooserPlacement(data) {
        const screenRight = toolbar.screen.virtualX + toolbar.screen.width;
        toolbar.x = data.docked ? screenRight - toolbar.width : toolbar.screen.virtualX + 10;
        toolbar.y = 0;
        const chooser = hover(data.button);
        verify(chooser !== null, "no chooser opened");
        compare(toolbar.seX, data.seX);
        compare(toolbar.seY, data.seY);
        // On the left a chooser wider than an icon (the menu's texts) still ends beside
        // the toolbar.
        if (data.docked)
            compare(chooser.x + chooser.width, toolbar.x + data.seX + 33);
        else
            compare(chooser.x, toolbar.x + data.seX);
        if (data.wide)
            verify(chooser.width > 33, "the menu's texts should widen it");
        compare(chooser.y, toolbar.y + data.seY);
    }

    function test_chooserChoiceReachesToolbar() {
        const painter = drawingOn();
        const chooser = hover("qrc:/icons/line.png");
        verify(chooser !== null);
        waitForRendering(chooser.contentItem);
        mouseClick(Finder.iconButton(chooser, "qrc:/icons/rect.png"));
        tryCompare(painter, "drawMode", 3);
        compare(toolbar.lineIcon, "qrc:/icons/rect.png");
        tryCompare(toolbar, "selectWindow", null);
    }

    function test_choosersWhileDrawingOff_data() {
        return [{
                "tag": "pen",
                "button": "qrc:/icons/pen.png",
                "opens": false
            }, {
                "tag": "shape",
                "button": "qrc:/icons/line.png",
                "opens": false
            }, {
                "tag": "board",
                "button": "qrc:/icons/whiteBorad.png",
                "opens": false
            }, {
                "tag": "thickness",
                "button": "qrc:/icons/b.png",
                "opens": true
            }, {
                "tag": "undo/redo",
                "button": "qrc:/icons/chexiao.png",
                "opens": true
            }, {
                "tag": "menu",
                "button": "qrc:/icons/menue.png",
                "opens": true
            }];
    }

    function test_choosersWhileDrawingOff(data) {
        compare(hover(data.button) !== null, data.opens);
    }

    function test_blockedChoosersDoNotReport_data() {
        return [{
                "tag": "fade with drawing off",
                "button": "qrc:/icons/timer.png",
                "entry": "qrc:/icons/timer5.png",
                "property": "deleteIcon"
            }, {
                "tag": "repeat with nothing to undo",
                "button": "qrc:/icons/re.png",
                "entry": "qrc:/icons/re5.png",
                "property": "repeatIcon"
            }];
    }

    function test_blockedChoosersDoNotReport(data) {
        if (data.property === "repeatIcon")
            drawingOn();
        const before = toolbar[data.property];
        const chooser = hover(data.button);
        verify(chooser !== null);
        verify(chooser.enableEvent);
        waitForRendering(chooser.contentItem);
        mouseClick(Finder.iconButton(chooser, data.entry));
        compare(toolbar[data.property], before);
        verify(toolbar.selectWindow !== null, "the blocked chooser closed");
    }

    function test_overlayClickClosesChooser() {
        drawingOn();
        verify(hover("qrc:/icons/b.png") !== null);
        mouseClick(toolbar.drawWindow.painter, 400, 400);
        compare(toolbar.selectWindow, null);
    }

    // The focus key puts the keys on the toolbar: the arrows move over the buttons,
    // Enter presses the drawing switch and opens a chooser on the entry in use,
    // where the arrows and Enter choose; the focus comes back to the button, and
    // Escape hands the keys to the overlay.
    function test_keyboardWorksTheToolbar() {
        const drawSwitch = button("qrc:/icons/mouse.png");
        toolbar.focusToolbar();
        tryVerify(() => toolbar.active && drawSwitch.activeFocus);
        keyClick(Qt.Key_Return);
        verify(toolbar.drawAble);
        tryVerify(() => toolbar.active && drawSwitch.activeFocus, 3000, "the keys did not come back from the overlay");
        keyClick(Qt.Key_Down);
        const pen = button("qrc:/icons/pen.png");
        verify(pen.activeFocus);
        keyClick(Qt.Key_Return);
        const chooser = toolbar.selectWindow;
        verify(chooser !== null);
        tryVerify(() => chooser.active && chooser.focusedIndex() === 0);
        keyClick(Qt.Key_Down);
        keyClick(Qt.Key_Return);
        compare(toolbar.penIcon, "qrc:/icons/ygpen.png");
        tryVerify(() => toolbar.active && pen.activeFocus);
        // Escape in a chooser chooses nothing.
        keyClick(Qt.Key_Space);
        tryVerify(() => toolbar.selectWindow !== null && toolbar.selectWindow.active);
        compare(toolbar.selectWindow.focusedIndex(), 1);
        keyClick(Qt.Key_Escape);
        tryVerify(() => toolbar.active && pen.activeFocus);
        compare(toolbar.selectWindow, null);
        compare(toolbar.penIcon, "qrc:/icons/ygpen.png");
        keyClick(Qt.Key_Home);
        keyClick(Qt.Key_Up);
        verify(button("qrc:/icons/menue.png").activeFocus, "Up from the first button wraps to the last");
        keyClick(Qt.Key_Escape);
        verify(!button("qrc:/icons/menue.png").activeFocus);
        tryVerify(() => toolbar.drawWindow.active);
    }

    // Touch boards have no hover: a tap on a choosing button opens its chooser,
    // switching drawing on for the pen.
    function test_tapOpensAChooser() {
        const pen = button("qrc:/icons/pen.png");
        const tap = touchEvent(pen);
        tap.press(0, pen, pen.width / 2, pen.height / 2).commit();
        tap.release(0, pen, pen.width / 2, pen.height / 2).commit();
        verify(toolbar.drawAble);
        verify(toolbar.selectWindow !== null);
        compare(toolbar.selectWindow.customData, ["qrc:/icons/pen.png", "qrc:/icons/ygpen.png", "qrc:/icons/text.png"]);
    }

    // The size setting scales every button; anything but 100, 150 or 200 is 100 %.
    function test_toolbarSize_data() {
        return [{
                "tag": "150 %",
                "size": "150",
                "width": 49,
                "height": 39
            }, {
                "tag": "200 %",
                "size": "200",
                "width": 65,
                "height": 52
            }, {
                "tag": "not offered",
                "size": "300",
                "width": 33,
                "height": 26
            }];
    }

    function test_toolbarSize(data) {
        store.addSetting("toolbarSize", data.size);
        toolbar.loadSettings();
        store.removeSetting("toolbarSize");
        compare(toolbar.width, data.width);
        compare(button("qrc:/icons/screen.png").width, data.width);
        compare(button("qrc:/icons/screen.png").height, data.height);
        const chooser = hover("qrc:/icons/b.png");
        compare(chooser.width, data.width);
    }

    function test_collapse() {
        const full = toolbar.height;
        compare(full, Math.round(800 * toolbar.scaleFactor));
        verify(hover("qrc:/icons/b.png") !== null);
        mouseClick(button("qrc:/icons/down.png"));
        compare(toolbar.height, Math.round(99 * toolbar.scaleFactor));
        compare(toolbar.selectWindow, null);
        mouseClick(button("qrc:/icons/up.png"));
        compare(toolbar.height, full);
    }

    function test_dragByLogo() {
        toolbar.x = 100;
        toolbar.y = 50;
        verify(hover("qrc:/icons/b.png") !== null);
        const logo = button("qrc:/icons/logo.png");
        mousePress(logo, 10, 10);
        mouseMove(logo, 30, 25, -1, Qt.LeftButton);
        compare(toolbar.selectWindow, null);
        compare(toolbar.x, 120);
        compare(toolbar.y, 65);
        mouseRelease(logo, 10, 10);
        verify(!toolbar.dragging);
    }

    function test_languageChangeShowsAgain() {
        // A context property of the test program, unknown to qmllint.
        LanguageManager.languageChanged("en"); // qmllint disable unqualified
        verify(!toolbar.visible);
        tryCompare(toolbar, "visible", true, 1000);
    }

    // A second toolbar, as the program shows after a restart.
    function restartedToolbar() {
        toolbar.autosave.saveNow();
        toolbar.fadeTimer.stop();
        toolbar.drawWindow.destroy();
        toolbar.destroy();
        wait(0);
        const component = Qt.createComponent("qrc:/painter.qml");
        toolbar = component.createObject(null);
        verify(toolbar !== null);
        return toolbar;
    }

    function test_lastDrawingIsOfferedAfterARestart_data() {
        return [{
                "tag": "drawing",
                "cleared": false
            }, {
                "tag": "cleared drawing",
                "cleared": true
            }];
    }

    function test_lastDrawingIsOfferedAfterARestart(data) {
        const painter = drawingOn();
        drawLine(painter, 100);
        painter.endPaint(Qt.point(300, 100), false);
        if (data.cleared)
            painter.clear();
        const next = restartedToolbar();
        compare(next.drawWindow, null);
        // The autosave is looked at in the background.
        tryVerify(() => next.autosaveChecked);
        if (data.cleared) {
            compare(next.noticeWindow, null);
            return;
        }
        tryVerify(() => next.noticeWindow !== null);
        compare(next.noticeWindow.actionText, "恢复上次的绘图");
        next.noticeWindow.actionTriggered();
        verify(next.drawWindow !== null);
        // Once the new overlay has its size.
        tryVerify(() => next.drawWindow.painter.hasDrawing);
        // Brought back with drawing on, ready to go on.
        verify(next.drawAble);
        verify(!next.drawWindow.ct);
        // Restoring is a step of its own.
        next.drawWindow.painter.undo();
        verify(!next.drawWindow.painter.hasDrawing);
    }

    function test_languageChangeBringsTheDrawingBackUnasked() {
        const painter = drawingOn();
        drawLine(painter, 100);
        painter.endPaint(Qt.point(300, 100), false);
        LanguageManager.languageChanged("en"); // qmllint disable unqualified
        const next = restartedToolbar();
        tryVerify(() => next.drawWindow !== null);
        tryVerify(() => next.drawWindow.painter.hasDrawing);
        compare(next.noticeWindow !== null && next.noticeWindow.actionText !== "", false);
    }

    // A monitor that goes hands its windows to another at their size in device pixels, a
    // larger logical size where that one's scale is lower: the notice takes its own back.
    function test_noticeKeepsItsSizeAcrossScales() {
        const notice = toolbar.tell("info", "notice", "", 0);
        verify(notice !== null);
        for (const actionText of ["", "action"]) {
            notice.actionText = actionText;
            const size = Qt.size(notice.width, notice.height);
            notice.width = size.width * 2;
            notice.height = size.height * 2;
            tryCompare(notice, "width", size.width);
            tryCompare(notice, "height", size.height);
        }
    }

    SignalSpy {
        id: exportSpy

        signalName: "imageExported"
    }

    // The file dialog needs a widgets application; here the export goes straight
    // to what the dialog would answer.
    function test_exportSavesTheDrawingAloneAndSaysWhere() {
        // Nothing drawn: said beside the toolbar, nothing asked.
        toolbar.exportDrawing();
        verify(toolbar.noticeWindow !== null);
        const painter = drawingOn();
        drawLine(painter, 100);
        painter.endPaint(Qt.point(300, 100), false);
        const overlay = toolbar.drawWindow;
        exportSpy.target = overlay;
        exportSpy.clear();
        const target = "file://" + painter.getExePath() + "/exported/drawing.png";
        painter.renderToImage(target);
        compare(exportSpy.count, 1);
        const path = exportSpy.signalArguments[0][0];
        verify(path.indexOf("/exported/drawing") > 0, path);
        const picture = Qt.createQmlObject("import QtQuick; Image { cache: false }", testCase);
        picture.source = "file://" + path;
        tryCompare(picture, "status", Image.Ready);
        compare(picture.sourceSize.width, Math.trunc(painter.width));
        picture.destroy();
        // The same name again: a second file beside the first.
        painter.renderToImage(target);
        compare(exportSpy.count, 2);
        verify(exportSpy.signalArguments[1][0] !== path);
        // Each export is told on the overlay with the file's path.
        tryVerify(() => overlay.infoBar.count >= 2);
    }
}
