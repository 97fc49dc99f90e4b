import QtQuick
import Cpp.MyComponents
import "icons.js" as Icons

// The toolbar's face: the logo, its drag handle, above a white panel of the
// tool buttons. What a button does lives on the toolbar and in its tool
// actions; the buttons only say when. From the keyboard the arrows move between
// the buttons, Enter or Space presses one (or opens its chooser), Left or Right
// opens the chooser of a button that also acts on a press, Escape leaves.
Column {
    id: face

    // The toolbar (painter.qml).
    property var toolbar: null
    property ToolActions actions: null
    property SettingsClazz settings: null
    readonly property real scaleFactor: toolbar ? toolbar.scaleFactor : 1
    readonly property int buttonWidth: Math.round(50 * scaleFactor)
    readonly property int buttonHeight: Math.round(40 * scaleFactor)
    readonly property var overlay: toolbar ? toolbar.drawWindow : null
    readonly property bool overlayActive: toolbar !== null && toolbar.overlayActive
    readonly property bool drawAble: toolbar !== null && toolbar.drawAble
    // The button whose chooser is open, while one is.
    property Item chooserOwner: null
    // The button that had the keyboard focus last, where the focus key comes back to.
    property Item lastFocused: drawSwitch
    readonly property alias drawSwitch: drawSwitch

    // The buttons in keyboard order; collapsed, only the collapse button is left.
    function keyboardButtons() {
        if (toolbar.collapsed)
            return [collapseButton];
        return [collapseButton, drawSwitch, penButton, lineButton, eraserButton, undoButton, clearButton, boardButton, screenButton, colorButton, thicknessButton, fadeButton, repeatButton, presenterButton, menuButton];
    }

    function moveFocus(from, step) {
        const order = keyboardButtons();
        const at = order.indexOf(from);
        const next = order[((at < 0 ? 0 : at + step) + order.length) % order.length];
        next.forceActiveFocus();
    }

    function focusButton(button) {
        const order = keyboardButtons();
        (order.indexOf(button) >= 0 ? button : order[0]).forceActiveFocus();
    }

    // Opens the button's chooser beside the toolbar. Pen, shape and board choices
    // need drawing on: hovering opens nothing while it is off, a deliberate press
    // switches drawing on first. From the keyboard the chooser takes the focus
    // and gives it back to the button when it closes.
    function openChooserOf(button, deliberate, byKey) {
        if (!button.choices)
            return;
        if (button.needsDrawing && !drawAble) {
            if (!deliberate)
                return;
            toolbar.switchDrawing();
        }
        const before = toolbar.selectWindow;
        const chooser = toolbar.openChooser(button.chooserType, button.choices, button.chooserOffset, button.receiver, button.chooserBlocked(), byKey);
        if (!chooser)
            return;
        // The one already open (the pointer came back) keeps its connections; a key
        // press moves the keys into it.
        if (chooser === before) {
            if (byKey && !chooser.byKey) {
                chooser.keyboardDone.connect(() => face.toolbar.takeKeyboard(button));
                chooser.takeKeys();
            }
            return;
        }
        chooserOwner = button;
        chooser.menuName = button.accessibleName;
        chooser.current = button.choices.indexOf(button.img_src.toString());
        if (button.chooserType === 1)
            chooser.changeSelect.connect((index, icon) => face.toolbar.announce(qsTr("已选择：%1").arg(names.of(icon))));
        chooser.Component.destruction.connect(() => {
                if (face.chooserOwner === button)
                    face.chooserOwner = null;
            });
        if (byKey)
            chooser.keyboardDone.connect(() => face.toolbar.takeKeyboard(button));
    }

    spacing: Math.round(10 * scaleFactor)

    ToolNames {
        id: names
    }

    // The face's parts read its sizes by id. qmllint 6.4 accepts that only
    // under pragma ComponentBehavior: Bound, whose value qmlformat 6.4 drops.
    // qmllint disable unqualified
    component Separator: Rectangle {
        anchors.horizontalCenter: parent ? parent.horizontalCenter : undefined
        width: Math.round(face.buttonWidth / 2)
        height: 1
        color: "gray"
    }

    component ToolButton: MyIconButton {
        id: toolButton

        // A chooser button: its entries, where it opens, who takes the choice.
        property var choices: null
        property int chooserType: 1
        property int chooserOffset: 0
        property var receiver: null
        property bool needsDrawing: false
        // Whether a press acts (otherwise it opens the chooser).
        property bool pressActs: choices === null
        property var chooserBlocked: () => undefined

        width: face.buttonWidth
        height: face.buttonHeight
        anchors.horizontalCenter: parent ? parent.horizontalCenter : undefined
        miniSize: 1
        radius: 0
        showRBIcon: choices !== null
        Accessible.role: pressActs ? Accessible.Button : Accessible.ButtonMenu
        onEntered: face.openChooserOf(toolButton, false, false)
        onActiveFocusChanged: {
            if (activeFocus)
                face.lastFocused = toolButton;
        }
        // A tap (or a click) opens the chooser of a button that only chooses: touch
        // boards have no hover.
        onClickedLeft: {
            if (!pressActs && face.chooserOwner !== toolButton)
                face.openChooserOf(toolButton, true, false);
        }
        onActivated: {
            face.toolbar.keyPressTime = Date.now();
            if (!pressActs)
                face.openChooserOf(toolButton, true, true);
            else if (!enableEvent)
                clickedLeft();
        }
        Keys.onUpPressed: face.moveFocus(toolButton, -1)
        Keys.onDownPressed: face.moveFocus(toolButton, 1)
        Keys.onLeftPressed: face.openChooserOf(toolButton, true, true)
        Keys.onRightPressed: face.openChooserOf(toolButton, true, true)
        Keys.onEscapePressed: face.toolbar.leaveKeyboard()
        Keys.onPressed: event => {
            if (event.key === Qt.Key_Home || event.key === Qt.Key_End) {
                const order = face.keyboardButtons();
                order[event.key === Qt.Key_Home ? 0 : order.length - 1].forceActiveFocus();
                event.accepted = true;
            }
        }
    }

    // qmllint enable unqualified
    MyIconButton {
        id: logo

        width: face.buttonWidth
        height: Math.round(48 * face.scaleFactor)
        img_src: Icons.logo
        color: "transparent"
        isBackTransparent: true
        isMoveStyle: true
        radius: 0
        // A drag handle for the pointer; the keyboard has no use for it.
        activeFocusOnTab: false
        Accessible.role: Accessible.Graphic
        Accessible.name: qsTr("拖动工具栏")

        // The drag follows the pointer's place on the desktop, never positions relative
        // to a window whose last move the window system may not have made yet.
        WindowPointer {
            id: pointer

            window: face.toolbar
        }

        onPressed: {
            face.toolbar.dragX = pointer.position.x - face.toolbar.x;
            face.toolbar.dragY = pointer.position.y - face.toolbar.y;
            face.toolbar.screenAtDragStart = face.toolbar.screen;
            face.toolbar.dragging = true;
        }
        onPositionChanged: {
            const toolbar = face.toolbar;
            if (!toolbar.dragging)
                return;
            toolbar.destroyChooser();
            const to = toolbar.keepOnScreen(pointer.position.x - toolbar.dragX, pointer.position.y - toolbar.dragY);
            toolbar.x = to.x;
            toolbar.y = to.y;
        }
        onRelease: face.toolbar.dragging = false
    }

    Rectangle {
        id: panel

        width: face.width
        height: Math.round(800 * face.scaleFactor)
        color: "#FFFFFF"
        clip: true

        Column {
            id: buttons

            width: parent.width
            spacing: Math.round(4 * face.scaleFactor)

            ToolButton {
                id: collapseButton

                img_src: face.toolbar.collapsed ? Icons.expand : Icons.collapse
                accessibleName: face.toolbar.collapsed ? qsTr("展开工具栏") : qsTr("收起工具栏")
                color: "#F25017"
                isBackTransparent: true
                onClickedLeft: {
                    face.toolbar.destroyChooser();
                    face.toolbar.collapsed = !face.toolbar.collapsed;
                }
            }

            ToolButton {
                id: drawSwitch

                img_src: face.drawAble ? Icons.drawingOn : Icons.drawingOff
                accessibleName: qsTr("绘制")
                checkable: true
                checked: face.drawAble
                toolTipText: face.drawAble ? qsTr("鼠标") : qsTr("画笔")
                onClickedLeft: face.toolbar.switchDrawing()
            }

            Separator {
            }

            ToolButton {
                id: penButton

                img_src: face.toolbar.penIcon
                accessibleName: qsTr("画笔：%1").arg(names.of(face.toolbar.penIcon))
                choices: Icons.penChoices
                chooserOffset: 85
                receiver: face.toolbar.changePenSelect
                needsDrawing: true
            }

            Separator {
            }

            ToolButton {
                id: lineButton

                img_src: face.toolbar.lineIcon
                accessibleName: qsTr("形状：%1").arg(names.of(face.toolbar.lineIcon))
                choices: Icons.shapeChoices
                chooserOffset: 120
                receiver: face.toolbar.changeLineSelect
                needsDrawing: true
            }

            Separator {
            }

            ToolButton {
                id: eraserButton

                img_src: Icons.eraser
                accessibleName: qsTr("橡皮擦")
                checkable: true
                checked: face.overlay !== null && face.overlay.painter.isEraserMode
                color: checked ? "#dcdcdc" : "#ffffff"
                onEntered: face.toolbar.closeF()
                onClickedLeft: {
                    if (face.overlay)
                        face.overlay.textInputMode = false;
                    face.actions.toggleEraser();
                    face.toolbar.announce(face.overlay && face.overlay.painter.isEraserMode ? qsTr("橡皮擦已开启") : qsTr("橡皮擦已关闭"));
                }
            }

            Separator {
            }

            ToolButton {
                id: undoButton

                readonly property bool redoes: face.toolbar.cxiaoIcon === Icons.redo

                img_src: face.toolbar.cxiaoIcon
                accessibleName: names.of(face.toolbar.cxiaoIcon)
                enableEvent: !(face.overlayActive && (redoes ? face.overlay.painter.canRedo : face.overlay.painter.canUndo))
                choices: Icons.undoChoices
                chooserOffset: 280
                receiver: face.toolbar.changeCxiao
                pressActs: true
                // Hovering turns the button into undo or redo; it has no corner mark.
                showRBIcon: false
                onClickedLeft: {
                    if (!face.overlayActive)
                        return;
                    if (redoes)
                        face.actions.redo();
                    else
                        face.actions.undo();
                }
            }

            Separator {
            }

            ToolButton {
                id: clearButton

                img_src: Icons.clear
                accessibleName: qsTr("清除全部")
                onEntered: face.toolbar.closeF()
                onClickedLeft: face.actions.clear(true)
            }

            Separator {
            }

            ToolButton {
                id: boardButton

                img_src: Icons.whiteBoard
                accessibleName: qsTr("画板：%1").arg(names.of(face.toolbar.yanshiIcon))
                enableEvent: !face.overlayActive
                choices: Icons.boardChoices
                chooserOffset: 390
                receiver: face.toolbar.changeBoradSelect
                chooserBlocked: () => !face.overlayActive
                needsDrawing: true
            }

            Separator {
            }

            ToolButton {
                id: screenButton

                img_src: Icons.screenshot
                accessibleName: qsTr("截屏")
                onEntered: face.toolbar.closeF()
                onClickedLeft: face.toolbar.captureToolbarScreen()
            }

            Separator {
            }

            ToolButton {
                id: colorButton

                img_src: Icons.colour
                accessibleName: qsTr("画笔颜色")
                enableEvent: !face.overlayActive
                onEntered: face.toolbar.closeF()
                onClickedLeft: {
                    face.toolbar.raise();
                    if (face.overlay && face.drawAble)
                        face.overlay.openColorDialog();
                }
            }

            Separator {
            }

            ToolButton {
                id: thicknessButton

                img_src: face.toolbar.cuxiIcon
                accessibleName: qsTr("粗细：%1").arg(names.of(face.toolbar.cuxiIcon))
                choices: Icons.thicknessChoices
                chooserOffset: 550
                receiver: face.toolbar.changeCuXiSelect
            }

            Separator {
            }

            ToolButton {
                id: fadeButton

                img_src: face.toolbar.deleteIcon
                accessibleName: qsTr("自动消失：%1").arg(names.of(face.toolbar.deleteIcon))
                enableEvent: !face.overlayActive
                choices: Icons.fadeChoices
                chooserOffset: 580
                receiver: face.toolbar.startDeleteItem
                chooserBlocked: () => !face.overlayActive
            }

            Separator {
            }

            ToolButton {
                id: repeatButton

                img_src: face.overlay && face.overlay.painter.isBreath ? face.toolbar.repeatIcon : Icons.repeatOff
                accessibleName: qsTr("呼吸：%1").arg(names.of(img_src))
                enableEvent: !face.overlayActive
                choices: Icons.repeatChoices
                chooserOffset: 600
                receiver: face.toolbar.changeTimer
                chooserBlocked: () => !(face.overlayActive && face.overlay.painter.canUndo)
            }

            Separator {
            }

            // Laser, spotlight and zoom: a click starts the one chosen last or leaves
            // the one in use.
            ToolButton {
                id: presenterButton

                readonly property bool pointing: face.overlayActive && face.overlay.presenterTool !== ""

                img_src: face.toolbar.presenterIcon
                accessibleName: qsTr("演示工具：%1").arg(names.of(face.toolbar.presenterIcon))
                checkable: true
                checked: pointing
                color: pointing ? "#dcdcdc" : "#ffffff"
                toolTipText: qsTr("演示工具")
                choices: Icons.presenterChoices
                chooserOffset: 650
                receiver: face.toolbar.changePresenterSelect
                pressActs: true
                onClickedLeft: {
                    face.toolbar.destroyChooser();
                    if (pointing)
                        face.overlay.presenterTool = "";
                    else
                        face.actions.togglePresenterTool(face.actions.presenterTools[Icons.presenterChoices.indexOf(face.toolbar.presenterIcon)]);
                }
            }

            Separator {
            }

            ToolButton {
                id: menuButton

                img_src: Icons.menu
                accessibleName: qsTr("菜单")
                choices: [qsTr("关于"), qsTr("帮助"), qsTr("设置"), qsTr("保存绘图…"), qsTr("打开绘图…"), qsTr("导出图片…"), qsTr("复制所选"), qsTr("退出")]
                chooserType: 2
                chooserOffset: 550
                receiver: face.toolbar.changeSettingSelect
            }
        }
    }
}
