import QtQuick

// Which screen the toolbar lives on: the one the user chose, in the settings window or by
// dragging the toolbar there, kept by its name under "toolbarScreen"; the primary screen
// while that one is absent or none was chosen. A screen that comes moves the toolbar only
// when it is the chosen one coming back (a projector plugged in during a talk leaves it
// where it is); the screen the toolbar is on going away takes it to the chosen screen or the
// primary one.
QtObject {
    id: keeper

    // The toolbar (painter.qml).
    property var toolbar: null
    // Its SettingsClazz.
    property var settings: null
    // The chosen screen's name; empty for the primary screen.
    property string chosen: ""
    // The name of the screen the toolbar was put or dropped on last.
    property string current: ""
    // The screens there were at the last change, by name.
    property var known: []
    // Where a drag of the toolbar began.
    property string dragFrom: ""
    readonly property string settingKey: "toolbarScreen"

    function screenNamed(name) {
        return Array.from(Qt.application.screens).find(s => s.name === name) || null; // qmllint disable
    }

    // The screen the toolbar belongs on now.
    function home() {
        const named = chosen !== "" ? screenNamed(chosen) : null;
        return named || (Qt.application.screens.length > 0 ? Qt.application.screens[0] : null); // qmllint disable
    }

    // The toolbar near the right edge of the screen, clear of a top panel, and wholly on it
    // where it fits (a 1080-pixel screen at 200 % is only 540 high).
    function placeOn(screen) {
        if (!screen || !toolbar)
            return;
        toolbar.x = Math.max(screen.virtualX, screen.virtualX + screen.width - toolbar.width - 120);
        toolbar.y = Math.max(screen.virtualY, Math.min(screen.virtualY + 120, screen.virtualY + screen.height - toolbar.height));
        current = screen.name;
    }

    // At start: the screen from the settings.
    function start() {
        chosen = String(settings.getSettingByKey(settingKey) || "");
        known = Array.from(Qt.application.screens).map(s => s.name); // qmllint disable
        placeOn(home());
    }

    // The user chose a screen by its name, or the primary one with an empty name.
    function choose(name) {
        if (name === chosen)
            return;
        chosen = name;
        settings.addSetting(settingKey, name);
        const target = home();
        if (target && target.name !== current)
            placeOn(target);
    }

    function screensChanged() {
        const names = Array.from(Qt.application.screens).map(s => s.name); // qmllint disable
        const cameBack = chosen !== "" && names.indexOf(chosen) >= 0 && known.indexOf(chosen) < 0;
        const lost = names.indexOf(current) < 0;
        known = names;
        if (cameBack || lost) {
            placeOn(home());
            return;
        }
        // A screen that changed its size or place still holds the whole toolbar.
        const to = toolbar.keepOnScreen(toolbar.x, toolbar.y);
        toolbar.x = to.x;
        toolbar.y = to.y;
    }

    // The settings changed elsewhere (the settings window).
    function followSettings(stored) {
        choose(String(stored || ""));
    }

    // A drag that ends on another screen makes that screen the chosen one. The window
    // system confirms the last move a moment after the release.
    readonly property Connections dragWatch: Connections {
        function onDraggingChanged() {
            if (keeper.toolbar.dragging) {
                keeper.dropped.stop();
                const screen = keeper.toolbar.screen;
                keeper.dragFrom = screen ? screen.name : "";
            } else {
                keeper.dropped.restart();
            }
        }

        target: keeper.toolbar
    }

    readonly property Timer dropped: Timer {
        interval: 400
        onTriggered: {
            const screen = keeper.toolbar.screen;
            if (screen && screen.name !== keeper.dragFrom) {
                keeper.current = screen.name;
                keeper.choose(screen.name);
            }
        }
    }
}
