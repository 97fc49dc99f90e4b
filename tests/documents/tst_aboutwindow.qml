import QtQuick
import QtTest
import Cpp.MyComponents
import "finder.js" as Finder

TestCase {
    id: testCase

    property var about: null

    function createWindow() {
        const component = Qt.createComponent("qrc:/about.qml");
        verify(component.status === Component.Ready, component.errorString());
        const created = component.createObject(null);
        verify(created !== null);
        return created;
    }

    function child(name) {
        const found = findChild(about.contentItem, name);
        verify(found !== null, "no item " + name);
        return found;
    }

    function shownTexts() {
        return Finder.findAll(about.contentItem, i => i.text !== undefined && i.visible).map(i => String(i.text));
    }

    function cleanup() {
        if (about)
            about.destroy();
        about = null;
        store.addSetting("appLanguage", "zh_CN");
    }

    name: "AboutWindow"
    when: windowShown

    SettingsClazz {
        id: store
    }

    SignalSpy {
        id: spy

        signalName: "checkUpdate"
    }

    function test_versionLine_data() {
        return [{
                "tag": "version written",
                "version": "3.4.5",
                "line": "当前版本: 3.4.5"
            }, {
                "tag": "no version",
                "version": "",
                "line": "当前版本: "
            }];
    }
    function test_versionLine(data) {
        store.setIniValue("UPDATE", "APPVersion", data.version);
        about = createWindow();
        compare(about.appVersion, data.version);
        compare(child("versionLine").text, data.line);
    }

    function test_siteFollowsTheLanguage() {
        store.addSetting("appLanguage", "zh_CN");
        about = createWindow();
        const chinese = about.siteAddress();
        store.addSetting("appLanguage", "en");
        const english = about.siteAddress();
        verify(chinese !== english);
        verify(chinese.startsWith("https://quillmark.example"));
        verify(english.startsWith("https://quillmark.example"));
        store.addSetting("appLanguage", "fr");
        compare(about.siteAddress(), english);
    }

    function test_checkButtonAsksAndNoUpdateIsShown() {
        about = createWindow();
        spy.target = about;
        spy.clear();
        waitForRendering(about.contentItem);
        mouseClick(child("checkUpdateButton"));
        compare(spy.count, 1);
        about.showNoUpdate();
        tryVerify(() => shownTexts().indexOf("当前已经是最新!") >= 0);
    }

    function test_closeOnlyHides() {
        about = createWindow();
        waitForRendering(about.contentItem);
        mouseClick(child("closeButton"));
        tryCompare(about, "visible", false);
        verify(about !== null);
        compare(about.title, "关于我们");
    }

    function ringOf(item) {
        const rings = Finder.findAll(item, i => i !== item && i.target === item && i.border !== undefined);
        verify(rings.length === 1, "no focus ring on " + item.objectName);
        return rings[0];
    }

    // Without a pointer: Tab and Shift+Tab move between the link and the buttons,
    // a ring marks the one with the keys, Enter presses it and Escape closes.
    function test_keyboardOnly() {
        about = createWindow();
        about.requestActivate();
        tryVerify(() => about.active);
        const link = child("siteLink");
        const close = child("closeButton");
        keyClick(Qt.Key_Tab);
        verify(link.activeFocus);
        verify(ringOf(link).visible);
        for (let i = 0; i < 3 && !close.activeFocus; ++i)
            keyClick(Qt.Key_Tab);
        verify(close.activeFocus);
        verify(ringOf(close).visible);
        verify(!ringOf(link).visible);
        keyClick(Qt.Key_Tab, Qt.ShiftModifier);
        verify(!close.activeFocus);
        keyClick(Qt.Key_Tab);
        keyClick(Qt.Key_Return);
        tryCompare(about, "visible", false);
        about.show();
        about.requestActivate();
        tryVerify(() => about.active);
        keyClick(Qt.Key_Escape);
        tryCompare(about, "visible", false);
    }
}
