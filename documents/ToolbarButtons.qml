import QtQuick
import Cpp.MyComponents
import "icons.js" as Icons

// The toolbar's face: the logo, its drag handle, above a white panel of the
// fourteen tool buttons. What a button does lives on the toolbar and in its
// tool actions; the buttons only say when.
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

    // Opens a chooser only while drawing is on.
    function chooseWhileDrawing(entries, offsetY, receiver, blocked) {
        if (drawAble)
            toolbar.openChooser(1, entries, offsetY, receiver, blocked);
    }

    spacing: Math.round(10 * scaleFactor)

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
        width: face.buttonWidth
        height: face.buttonHeight
        anchors.horizontalCenter: parent ? parent.horizontalCenter : undefined
        miniSize: 1
        radius: 0
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

        onPressed: mouse => {
            face.toolbar.dragX = mouse.x;
            face.toolbar.dragY = mouse.y;
            face.toolbar.dragging = true;
        }
        onPositionChanged: mouse => {
            const toolbar = face.toolbar;
            if (!toolbar.dragging)
                return;
            toolbar.destroyChooser();
            const to = toolbar.keepOnScreen(toolbar.x + mouse.x - toolbar.dragX, toolbar.y + mouse.y - toolbar.dragY);
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
                toolTipText: face.drawAble ? qsTr("鼠标") : qsTr("画笔")
                onClickedLeft: face.toolbar.switchDrawing()
            }

            Separator {
            }

            ToolButton {
                id: penButton

                img_src: face.toolbar.penIcon
                showRBIcon: true
                onEntered: face.chooseWhileDrawing(Icons.penChoices, 85, face.toolbar.changePenSelect)
            }

            Separator {
            }

            ToolButton {
                id: lineButton

                img_src: face.toolbar.lineIcon
                showRBIcon: true
                onEntered: face.chooseWhileDrawing(Icons.shapeChoices, 120, face.toolbar.changeLineSelect)
            }

            Separator {
            }

            ToolButton {
                id: eraserButton

                img_src: Icons.eraser
                color: face.overlay && face.overlay.painter.isEraserMode ? "#dcdcdc" : "#ffffff"
                onEntered: face.toolbar.closeF()
                onClickedLeft: {
                    if (face.overlay)
                        face.overlay.textInputMode = false;
                    face.actions.toggleEraser();
                }
            }

            Separator {
            }

            ToolButton {
                id: undoButton

                readonly property bool redoes: face.toolbar.cxiaoIcon === Icons.redo

                img_src: face.toolbar.cxiaoIcon
                enableEvent: !(face.overlayActive && (redoes ? face.overlay.painter.canRedo : face.overlay.painter.canUndo))
                onEntered: face.toolbar.openChooser(1, Icons.undoChoices, 280, face.toolbar.changeCxiao)
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
                onEntered: face.toolbar.closeF()
                onClickedLeft: face.actions.clear(true)
            }

            Separator {
            }

            ToolButton {
                id: boardButton

                img_src: Icons.whiteBoard
                showRBIcon: true
                enableEvent: !face.overlayActive
                onEntered: face.chooseWhileDrawing(Icons.boardChoices, 390, face.toolbar.changeBoradSelect, !face.overlayActive)
            }

            Separator {
            }

            ToolButton {
                id: screenButton

                img_src: Icons.screenshot
                onEntered: face.toolbar.closeF()
                onClickedLeft: face.toolbar.captureToolbarScreen()
            }

            Separator {
            }

            ToolButton {
                id: colorButton

                img_src: Icons.colour
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
                showRBIcon: true
                onEntered: face.toolbar.openChooser(1, Icons.thicknessChoices, 550, face.toolbar.changeCuXiSelect)
            }

            Separator {
            }

            ToolButton {
                id: fadeButton

                img_src: face.toolbar.deleteIcon
                showRBIcon: true
                enableEvent: !face.overlayActive
                onEntered: face.toolbar.openChooser(1, Icons.fadeChoices, 580, face.toolbar.startDeleteItem, !face.overlayActive)
            }

            Separator {
            }

            ToolButton {
                id: repeatButton

                img_src: face.overlay && face.overlay.painter.isBreath ? face.toolbar.repeatIcon : Icons.repeatOff
                showRBIcon: true
                enableEvent: !face.overlayActive
                onEntered: face.toolbar.openChooser(1, Icons.repeatChoices, 600, face.toolbar.changeTimer, !(face.overlayActive && face.overlay.painter.canUndo))
            }

            Separator {
            }

            // Laser, spotlight and zoom: a click starts the one chosen last or leaves
            // the one in use.
            ToolButton {
                id: presenterButton

                readonly property bool pointing: face.overlayActive && face.overlay.presenterTool !== ""

                img_src: face.toolbar.presenterIcon
                showRBIcon: true
                color: pointing ? "#dcdcdc" : "#ffffff"
                toolTipText: qsTr("演示工具")
                onEntered: face.toolbar.openChooser(1, Icons.presenterChoices, 650, face.toolbar.changePresenterSelect)
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
                showRBIcon: true
                onEntered: face.toolbar.openChooser(2, [qsTr("关于"), qsTr("帮助"), qsTr("设置"), qsTr("保存绘图…"), qsTr("打开绘图…"), qsTr("导出图片…"), qsTr("退出")], 550, face.toolbar.changeSettingSelect)
            }
        }
    }
}
