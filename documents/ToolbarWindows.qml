import QtQuick

// Creates, places and destroys the windows the toolbar owns. The references
// stay on the toolbar (drawWindow, selectWindow, settingWindow, aboutWindow),
// where the other documents and the hot keys read them.
QtObject {
    id: owner

    // The toolbar (painter.qml).
    property var toolbar: null

    function destroyChooser() {
        if (toolbar.selectWindow) {
            toolbar.selectWindow.destroy();
            toolbar.selectWindow = null;
        }
    }

    function destroyAbout() {
        if (toolbar.aboutWindow) {
            toolbar.aboutWindow.destroy();
            toolbar.aboutWindow = null;
        }
    }

    function destroySettings() {
        if (toolbar.settingWindow) {
            toolbar.settingWindow.destroy();
            toolbar.settingWindow = null;
        }
    }

    // Creates a top-level window from a document; null when the document is not
    // ready, in which case nothing else changes.
    function createWindow(url, properties) {
        const component = Qt.createComponent(url);
        if (component.status !== Component.Ready) {
            if (component.status === Component.Error)
                console.error("Cannot create", url, component.errorString());
            return null;
        }
        const created = component.createObject(null, properties || {});
        restackWhenDrawn(created);
        return created;
    }

    // KWin paints a window that bypasses the window manager only from the next change of
    // the X stacking order after the window's first frame: a toolbar started over a
    // full-screen slide stayed unseen until the next click. The toolbar is raised once
    // shortly after each new window of ours has drawn (it belongs above them all).
    function restackWhenDrawn(created) {
        if (!created || !toolbar.session.bypassWindowManager)
            return;
        const drawn = () => {
            created.frameSwapped.disconnect(drawn);
            restack.restart();
        };
        created.frameSwapped.connect(drawn);
    }

    property Timer restack: Timer {
        interval: 200
        onTriggered: owner.toolbar.raise()
    }

    function ensureDrawWindow() {
        if (toolbar.drawWindow)
            return toolbar.drawWindow;
        // The overlay that leads covers the toolbar's screen and follows the
        // toolbar from screen to screen; the other screens get views of it.
        const overlay = createWindow("qrc:/draw.qml", {
                "screen": toolbar.screen
            });
        if (!overlay)
            return null;
        overlay.screen = Qt.binding(() => toolbar.overlayScreen);
        overlay.smoothMouse = Qt.binding(() => toolbar.hotKeys.smoothMouse !== "false");
        overlay.smoothPen = Qt.binding(() => toolbar.hotKeys.smoothPen === "true");
        toolbar.drawWindow = overlay;
        overlay.clickDrawWin.connect(toolbar.closeF);
        overlay.imageExported.connect(path => toolbar.imageWritten(qsTr("图片已导出到："), path));
        overlay.showFullScreen();
        overlay.resetDraw();
        stayAbove(overlay);
        toolbar.raise();
        return overlay;
    }

    // On X11 the toolbar is a transient of the overlay: window managers there
    // lift a focused window that covers the screen above always-on-top ones,
    // but keep transients above their parent. The tie is read when the window
    // is mapped, hence the hide and show. The windows tied to the toolbar lose
    // their tie when it is unmapped (openbox then keeps them under the overlay
    // and answers every raise with the same order): they are mapped again too.
    function stayAbove(overlay) {
        if (!toolbar.onX11 || toolbar.transientParent === overlay)
            return;
        toolbar.transientParent = overlay;
        if (toolbar.visible) {
            toolbar.hide();
            toolbar.show();
            for (const tied of [toolbar.selectWindow, toolbar.settingWindow, toolbar.aboutWindow])
                remap(tied);
        }
    }

    function remap(win) {
        if (win && win.visible) {
            win.hide();
            win.show();
        }
    }

    // On X11 a window opened from the toolbar is its transient: the tie keeps it
    // above the toolbar and so above the overlay, which otherwise covers it again
    // as soon as it takes the focus back.
    // It also opens on the toolbar's screen.
    function tiedToToolbar(properties) {
        const tied = properties || {};
        if (toolbar.onX11)
            tied.transientParent = toolbar;
        if (toolbar.screen)
            tied.screen = toolbar.screen;
        return tied;
    }

    // Moves a window the toolbar opened wholly onto the toolbar's screen: x as
    // asked where it fits, y level with the toolbar, both pulled in from the
    // screen's edges.
    function fitOnToolbarScreen(win, wantX) {
        const area = toolbar.screenArea();
        win.x = Math.max(area.x, Math.min(wantX, area.x + area.width - win.width));
        win.y = Math.max(area.y, Math.min(toolbar.y, area.y + area.height - win.height));
    }

    // A chooser beside the toolbar, on its left when the screen edge is near. The
    // pointer coming back to the button whose chooser is open keeps that chooser: a
    // chooser the window system puts over the button must not close and open again
    // with every move. Opened from the keyboard (byKey), it takes the focus.
    function openChooser(btnType, entries, offsetY, receiver, blocked, byKey) {
        const chooserKey = btnType + ":" + offsetY;
        const open = toolbar.selectWindow;
        if (open && open.visible && open.chooserKey === chooserKey && (blocked === undefined || open.enableEvent === blocked))
            return open;
        const scaleFactor = toolbar.scaleFactor;
        const popupWidth = 55 * scaleFactor;
        toolbar.seX = toolbar.currentRightMargin() <= popupWidth + 10 ? Math.trunc(-popupWidth) : Math.round(50 * scaleFactor);
        toolbar.seY = Math.trunc(offsetY * scaleFactor);
        destroyChooser();
        const properties = {
            "scaleFactor": scaleFactor,
            "btnType": btnType,
            "customData": entries,
            "x": toolbar.x + toolbar.seX,
            "y": toolbar.y + toolbar.seY,
            "byKey": byKey === true,
            "chooserKey": chooserKey,
            "unmanaged": toolbar.session.bypassWindowManager
        };
        if (blocked !== undefined)
            properties.enableEvent = blocked;
        const chooser = createWindow("qrc:/select.qml", tiedToToolbar(properties));
        if (!chooser)
            return null;
        toolbar.selectWindow = chooser;
        // A chooser wider than an icon (long texts) still ends at the toolbar on its left.
        if (toolbar.seX < 0)
            chooser.x -= chooser.width - Math.round(50 * scaleFactor);
        chooser.raise();
        toolbar.raise();
        chooser.changeSelect.connect(receiver);
        return chooser;
    }

    // One notice at a time beside the toolbar; a newer message replaces it.
    function showNotice(kind, text, duration, actionText) {
        if (toolbar.noticeWindow)
            toolbar.noticeWindow.destroy();
        const notice = createWindow("qrc:/notice.qml", {
                "toolbar": toolbar,
                "kind": kind,
                "text": text,
                "duration": duration,
                "actionText": actionText
            });
        // Below the no-tray notice, which stays until it is closed, rather than over it.
        if (notice)
            notice.above = Qt.binding(() => toolbar.trayNotice);
        toolbar.noticeWindow = notice;
        return notice;
    }

    function showSettings() {
        destroyAbout();
        destroySettings();
        const settingsWindow = createWindow("qrc:/settings.qml", tiedToToolbar());
        if (!settingsWindow)
            return;
        toolbar.settingWindow = settingsWindow;
        // On the left it keeps clear of the toolbar.
        fitOnToolbarScreen(settingsWindow, toolbar.currentRightMargin() <= 350 ? toolbar.x - settingsWindow.width - 10 : toolbar.x + 60);
        settingsWindow.changeHotKey.connect(toolbar.onHotKeyChanged);
        settingsWindow.raise();
        toolbar.raise();
    }

    function showAbout() {
        destroyAbout();
        const about = createWindow("qrc:/about.qml", tiedToToolbar());
        if (!about)
            return;
        toolbar.aboutWindow = about;
        about.checkUpdate.connect(toolbar.showUpdate);
        toolbar.seX = toolbar.currentRightMargin() <= 400 ? -400 : 60;
        fitOnToolbarScreen(about, toolbar.x + toolbar.seX);
        toolbar.raise();
    }
}
