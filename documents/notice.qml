import QtQuick
import FluentUI

// A message beside the toolbar, for what the user must know once at start-up
// (such as running without a tray icon). It stays until its close mark is
// clicked; the window hides with its message.
Window {
    id: window

    // The toolbar window the notice stands beside.
    property Window toolbar: null
    property string text
    property string detail

    title: "notice"
    width: 420
    height: 160
    color: "transparent"
    flags: Qt.FramelessWindowHint | Qt.Tool | Qt.WindowStaysOnTopHint
    transientParent: toolbar
    x: toolbar ? Math.max(window.Screen.virtualX, toolbar.x - width - 8) : 0
    y: toolbar ? toolbar.y : 0
    visible: true
    Component.onCompleted: {
        const message = infoBar.showWarning(text, 0, detail);
        if (message)
            message.dismissed.connect(() => window.hide());
    }

    FluInfoBar {
        id: infoBar

        root: window
        layoutY: 0
    }
}
