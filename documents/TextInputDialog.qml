import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Asks for the text to place on the canvas and its size.
Dialog {
    id: dialog

    property alias inputText: textField.text
    property int textSize: 20

    title: qsTr("输入文字")
    modal: true
    standardButtons: Dialog.Ok | Dialog.Cancel
    width: 320

    onOpened: textField.forceActiveFocus()

    ColumnLayout {
        anchors.fill: parent
        spacing: 8
        LayoutMirroring.enabled: Qt.application.layoutDirection === Qt.RightToLeft // qmllint disable
        LayoutMirroring.childrenInherit: true

        TextField {
            id: textField

            Layout.fillWidth: true
            placeholderText: qsTr("请输入要添加的文字")
            onAccepted: dialog.accept()
        }

        Label {
            text: qsTr("文字大小: ") + dialog.textSize
            font.pointSize: 20
        }

        Slider {
            id: sizeSlider

            Layout.fillWidth: true
            Accessible.name: qsTr("文字大小: ") + dialog.textSize
            from: 10
            to: 100
            value: dialog.textSize
            onValueChanged: dialog.textSize = Math.trunc(value)
        }
    }
}
