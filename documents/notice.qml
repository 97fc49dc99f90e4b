import QtQuick
import Cpp.MyComponents
import FluentUI

// A message beside the toolbar, for what the user must know while no overlay
// is there to show it (such as running without a tray icon, or where a
// screenshot went). With a duration of zero it stays until its close mark is
// clicked; the window hides with its message. An action text adds a button.
Window {
    id: window

    // The toolbar window the notice stands beside.
    property Window toolbar: null
    property string text
    property string detail
    // "info", "success", "warning" or "error".
    property string kind: "warning"
    property int duration: 0
    property string actionText: ""
    // A notice that stays beside the toolbar (another of these windows): this one lines up
    // below its message box.
    property var above: null

    signal actionTriggered

    // Beside the toolbar, above a full-screen slide: unmanaged under XWayland as the toolbar is.
    readonly property DesktopSession session: DesktopSession {
    }

    // The message box, once shown.
    property var message: null
    // The window is the box and nothing more: where no compositor blends a transparent part,
    // any margin around it would show black. An action button sits inside, under the text.
    readonly property int actionHeight: actionText !== "" ? action.implicitHeight + 12 : 0
    // The notice's size in logical pixels, on a screen of any scale.
    readonly property size boxSize: message ? Qt.size(message.width, message.height + actionHeight) : Qt.size(420, 60)

    // When a screen goes, Qt takes its windows to another screen at the same size in device
    // pixels, which is another logical size where the scale differs; placed beside the toolbar
    // again, the notice would keep that size, grow by the scale, and cover the overlay
    // beside it (black where no compositor blends its transparent part) and take its clicks.
    function keepSize() {
        if (width !== boxSize.width)
            width = boxSize.width;
        if (height !== boxSize.height)
            height = boxSize.height;
    }

    title: "notice"
    width: boxSize.width
    height: boxSize.height
    onWidthChanged: Qt.callLater(keepSize) // qmllint disable type
    onHeightChanged: Qt.callLater(keepSize) // qmllint disable type
    onScreenChanged: Qt.callLater(keepSize) // qmllint disable type
    onBoxSizeChanged: keepSize()
    color: "transparent"
    flags: Qt.FramelessWindowHint | Qt.Tool | Qt.WindowStaysOnTopHint | (session.bypassWindowManager ? Qt.BypassWindowManagerHint : 0)
    transientParent: toolbar
    // Kept within the toolbar's screen, not its own: the notice's own screen changes as it
    // moves, which made this binding feed on itself.
    x: toolbar ? Math.max(toolbar.Screen.virtualX, toolbar.x - width - 8) : 0
    y: toolbar ? toolbar.y + (above && above.visible ? above.height + 8 : 0) : 0
    visible: true
    Component.onCompleted: {
        const show = {
            "info": infoBar.showInfo,
            "success": infoBar.showSuccess,
            "error": infoBar.showError
        }[kind] || infoBar.showWarning;
        const shown = show(text, duration, detail);
        if (!shown)
            return;
        shown.dismissed.connect(() => window.hide());
        // The frame below draws the border around the text and the button together.
        shown.border.width = 0;
        message = shown;
    }

    // The toolbar is mapped afresh when it is tied to the overlay, and the window
    // manager drops this window's tie to it then: mapping this one again renews it.
    Connections {
        function onVisibleChanged() {
            if (window.toolbar.visible && window.visible) {
                window.hide();
                window.show();
            }
        }

        target: window.toolbar
    }

    // Escape dismisses the notice while it has the keyboard.
    Shortcut {
        sequence: "Esc"
        onActivated: {
            infoBar.clearAllInfo();
            window.hide();
        }
    }

    Rectangle {
        anchors.fill: parent
        visible: window.message !== null
        radius: 4
        color: window.message ? window.message.look[0] : "transparent"
        border.color: window.message ? window.message.look[1] : "transparent"
    }

    // The messages centre themselves in a strip as wide as the notice used to be; the strip
    // is shifted so that the box starts at the window's left edge.
    Item {
        id: strip

        width: 420
        height: window.height
        x: window.message ? -(width - window.message.width) / 2 : 0
    }

    FluInfoBar {
        id: infoBar

        root: strip
        layoutY: 0
    }

    FluButton {
        id: action

        objectName: "noticeAction"
        visible: window.actionText !== ""
        // Under the text, where it starts (past the badge).
        x: 42
        y: window.message ? window.message.height : 0
        text: window.actionText
        highlighted: true
        // The notice goes first: what the action opens (the overlay, which the toolbar
        // becomes a transient of) must not meet a window of the toolbar's that is
        // closing, or the window manager may take the new window off the screen.
        onClicked: {
            infoBar.clearAllInfo();
            window.hide();
            // Qt 6.4 describes Qt.callLater to qmllint as a plain value.
            Qt.callLater(window.actionTriggered); // qmllint disable type
        }
    }
}
