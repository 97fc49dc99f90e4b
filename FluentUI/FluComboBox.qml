import QtQuick
import QtQuick.Templates as T

// A drop-down list; works with textRole and valueRole like any combo box.
T.ComboBox {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, implicitContentHeight + topPadding + bottomPadding, implicitIndicatorHeight + topPadding + bottomPadding)
    // The chevron sits at the end of the line: on the left from right to left.
    leftPadding: 10 + (mirrored && indicator ? indicator.width : 0)
    rightPadding: 10 + (!mirrored && indicator ? indicator.width : 0)
    topPadding: 5
    bottomPadding: 5
    font.pixelSize: 14
    focusPolicy: Qt.TabFocus

    // The delegate reads the combo box by id. qmllint 6.4 accepts that only under
    // pragma ComponentBehavior: Bound, whose value qmlformat 6.4 drops.
    // qmllint disable unqualified
    delegate: T.ItemDelegate {
        id: option

        required property int index
        required property var model

        width: ListView.view ? ListView.view.width : implicitWidth
        implicitHeight: 34
        leftPadding: 14
        rightPadding: 10
        highlighted: control.highlightedIndex === index
        hoverEnabled: true

        contentItem: Text {
            text: control.textRole ? (Array.isArray(control.model) ? option.model.modelData[control.textRole] : option.model[control.textRole]) : option.model.modelData
            font: control.font
            color: "#1A1A1A"
            // Set, so that a mirrored layout puts it at the right.
            horizontalAlignment: Text.AlignLeft
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }

        background: Rectangle {
            anchors.fill: parent
            anchors.margins: 3
            radius: 4
            color: option.down ? "#EDEDED" : (option.highlighted || option.hovered) ? "#F3F3F3" : "transparent"

            // The selected entry is marked on its left edge.
            Rectangle {
                visible: control.currentIndex === option.index
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                width: 3
                height: 16
                radius: 1.5
                color: "#0067C0"
            }
        }
    }

    // qmllint enable unqualified
    indicator: FluIcon {
        x: control.mirrored ? 10 : control.width - width - 10
        y: (control.height - height) / 2
        iconSource: FluentIcons.ChevronDown
        iconSize: 12
        iconColor: control.enabled ? "#5C5C5C" : "#A0A0A0"
    }

    contentItem: Text {
        text: control.displayText
        font: control.font
        color: control.enabled ? "#1A1A1A" : "#A0A0A0"
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        implicitWidth: 140
        implicitHeight: 32
        radius: 4
        color: !control.enabled ? "#F5F5F5" : control.down ? "#EDEDED" : control.hovered ? "#F3F3F3" : "#FBFBFB"
        border.width: control.visualFocus ? 2 : 1
        border.color: control.visualFocus ? "#1A1A1A" : control.activeFocus ? "#0067C0" : "#E0E0E0"
    }

    popup: T.Popup {
        y: control.height + 2
        width: control.width
        implicitHeight: Math.min(contentItem.implicitHeight + topPadding + bottomPadding, 300)
        padding: 2

        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            // Qt 6.4 ships no QML type description for the delegate model's type.
            model: control.delegateModel // qmllint disable type
            currentIndex: control.highlightedIndex
            boundsBehavior: Flickable.StopAtBounds
        }

        background: Rectangle {
            radius: 6
            color: "#FFFFFF"
            border.width: 1
            border.color: "#E0E0E0"
        }
    }
}
