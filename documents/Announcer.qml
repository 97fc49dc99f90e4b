import QtQuick

// Says what just changed to a screen reader: an alert that shows with the text,
// as screen readers present alerts the moment they appear. It takes no room and
// paints nothing.
Item {
    id: announcer

    property string text: ""

    function say(message) {
        visible = false;
        text = message;
        visible = true;
    }

    width: 1
    height: 1
    visible: false
    Accessible.role: Accessible.AlertMessage
    Accessible.name: text
}
