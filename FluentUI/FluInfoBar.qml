import QtQuick

// Short messages stacked at the top of a window. Each one goes away by itself
// after its duration; a duration of zero or less keeps it until it is closed.
FluObject {
    id: control

    // The window (or item) the messages appear in.
    property var root
    property int layoutY: 75
    // Older messages give way when more than this many are on screen.
    property int maxCount: 5
    readonly property int count: d.messages.length
    // Where the messages show, in the root's coordinates; empty while there are none.
    function messagesArea() {
        const layout = d.layout;
        if (!layout || d.messages.length === 0)
            return Qt.rect(0, 0, 0, 0);
        return Qt.rect(layout.x + layout.childrenRect.x, layout.y + layout.childrenRect.y, layout.childrenRect.width, layout.childrenRect.height);
    }

    function showInfo(text, duration = 1500, moremsg = "") {
        return d.show("info", text, duration, moremsg);
    }

    function showSuccess(text, duration = 1500, moremsg = "") {
        return d.show("success", text, duration, moremsg);
    }

    function showWarning(text, duration = 1500, moremsg = "") {
        return d.show("warning", text, duration, moremsg);
    }

    function showError(text, duration = 1500, moremsg = "") {
        return d.show("error", text, duration, moremsg);
    }

    function clearAllInfo() {
        const all = d.messages.slice();
        for (const m of all)
            m.close();
    }

    QtObject {
        id: d

        property var messages: []
        property Item layout: null

        function container() {
            if (layout)
                return layout;
            if (!control.root) {
                console.warn("FluInfoBar: no root window to show the message in");
                return null;
            }
            const host = control.root.contentItem ? control.root.contentItem : control.root;
            layout = layoutComponent.createObject(host, {
                    "y": Qt.binding(() => control.layoutY)
                });
            return layout;
        }

        function show(kind, text, duration, moremsg) {
            const parentItem = container();
            if (!parentItem)
                return null;
            while (messages.length >= Math.max(1, control.maxCount))
                messages[0].close();
            const message = messageComponent.createObject(parentItem, {
                    "kind": kind,
                    "text": String(text),
                    "moreText": moremsg ? String(moremsg) : "",
                    "duration": Number(duration) || 0
                });
            message.dismissed.connect(() => forget(message));
            messages = messages.concat([message]);
            return message;
        }

        function forget(message) {
            messages = messages.filter(m => m !== message);
        }
    }

    Component {
        id: layoutComponent

        Column {
            z: 100000
            width: parent ? parent.width : 0
            spacing: 10
        }
    }

    Component {
        id: messageComponent

        Rectangle {
            id: message

            property string kind: "info"
            property string text
            property string moreText
            property int duration: 1500
            property bool closing: false
            readonly property var look: ({
                    "info": ["#F4F4F4", "#D9D9D9", "#005FB8", "i"],
                    "success": ["#DFF6DD", "#B7DDB4", "#0F7B0F", "\u2713"],
                    "warning": ["#FFF4CE", "#EBD68D", "#9D5D00", "!"],
                    "error": ["#FDE7E9", "#EDB8BD", "#C42B1C", "\u2715"]
                })[kind] || ["#F4F4F4", "#D9D9D9", "#005FB8", "i"]

            // Just before the message goes away.
            signal dismissed

            function close() {
                if (closing)
                    return;
                closing = true;
                message.dismissed();
                message.destroy();
            }

            anchors.horizontalCenter: parent ? parent.horizontalCenter : undefined
            readonly property int chrome: 56 + (closeButton.visible ? 28 : 0)
            readonly property real maxWidth: parent ? parent.width * 0.8 : 400

            width: Math.min(Math.max(mainText.implicitWidth, detailText.implicitWidth) + chrome, maxWidth)
            // Screen readers present an alert the moment it shows.
            Accessible.role: Accessible.AlertMessage
            Accessible.name: message.moreText.length > 0 ? message.text + " " + message.moreText : message.text
            height: Math.max(body.implicitHeight + 20, 42)
            radius: 4
            color: look[0]
            border.color: look[1]
            border.width: 1

            Rectangle {
                id: badge

                anchors.left: parent.left
                anchors.leftMargin: 14
                anchors.verticalCenter: parent.verticalCenter
                width: 18
                height: 18
                radius: 9
                color: message.look[2]

                Text {
                    anchors.centerIn: parent
                    text: message.look[3]
                    color: "#FFFFFF"
                    font.bold: true
                    font.pixelSize: 12
                }
            }

            Column {
                id: body

                anchors.left: badge.right
                anchors.leftMargin: 10
                anchors.right: closeButton.visible ? closeButton.left : parent.right
                anchors.rightMargin: 14
                anchors.verticalCenter: parent.verticalCenter
                spacing: 2

                Text {
                    id: mainText

                    width: message.width - message.chrome
                    text: message.text
                    color: "#1A1A1A"
                    font.pixelSize: 14
                    wrapMode: Text.Wrap
                }

                Text {
                    id: detailText

                    visible: message.moreText.length > 0
                    width: message.width - message.chrome
                    text: message.moreText
                    color: "#5C5C5C"
                    font.pixelSize: 12
                    wrapMode: Text.Wrap
                }
            }

            Text {
                id: closeButton

                visible: message.duration <= 0
                anchors.right: parent.right
                anchors.rightMargin: 12
                anchors.verticalCenter: parent.verticalCenter
                text: "\u2715"
                color: "#5C5C5C"
                font.pixelSize: 12
                activeFocusOnTab: visible
                Accessible.role: Accessible.Button
                Accessible.name: qsTr("关闭")
                Accessible.onPressAction: message.close()
                Keys.onReturnPressed: message.close()
                Keys.onEnterPressed: message.close()
                Keys.onSpacePressed: message.close()

                // The keyboard focus ring.
                Rectangle {
                    anchors.fill: parent
                    anchors.margins: -4
                    visible: closeButton.activeFocus
                    radius: 3
                    color: "transparent"
                    border.width: 2
                    border.color: "#1A1A1A"
                }

                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -6
                    cursorShape: Qt.PointingHandCursor
                    onClicked: message.close()
                }
            }

            Timer {
                interval: Math.max(1, message.duration)
                running: message.duration > 0
                onTriggered: message.close()
            }
        }
    }
}
