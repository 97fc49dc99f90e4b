import QtQuick
import QtTest
import "finder.js" as Finder

TestCase {
    id: testCase

    property Window chooser: null

    function createChooser(properties) {
        const component = Qt.createComponent("qrc:/select.qml");
        verify(component.status === Component.Ready, component.errorString());
        chooser = component.createObject(null, properties);
        verify(chooser !== null);
        tryCompare(chooser, "visible", true);
        waitForRendering(chooser.contentItem);
        return chooser;
    }

    function cleanup() {
        if (chooser)
            chooser.destroy();
        chooser = null;
        wait(0);
    }

    function textEntry(label) {
        const hits = Finder.findAll(chooser.contentItem, i => i.text === label && i.visible);
        verify(hits.length > 0, "no entry " + label);
        return hits[0];
    }

    name: "Chooser"

    SignalSpy {
        id: selectSpy

        signalName: "changeSelect"
    }

    function test_size_data() {
        return [{
                "tag": "four texts at 0.65",
                "btnType": 2,
                "entries": ["关于", "帮助", "设置", "退出"],
                "scale": 0.65,
                "width": 33,
                "height": 112
            }, {
                "tag": "three icons at 0.65",
                "btnType": 1,
                "entries": ["qrc:/icons/pen.png", "qrc:/icons/ygpen.png", "qrc:/icons/text.png"],
                "scale": 0.65,
                "width": 33,
                "height": 87
            }, {
                "tag": "five icons at 0.65",
                "btnType": 1,
                "entries": ["qrc:/icons/line.png", "qrc:/icons/circle.png", "qrc:/icons/jiantou.png", "qrc:/icons/rect.png", "qrc:/icons/munber.png"],
                "scale": 0.65,
                "width": 33,
                "height": 137
            }, {
                "tag": "two icons unscaled",
                "btnType": 1,
                "entries": ["qrc:/icons/chexiao.png", "qrc:/icons/fanhui.png"],
                "scale": 1.0,
                "width": 50,
                "height": 96
            }];
    }

    function test_size(data) {
        createChooser({
                "scaleFactor": data.scale,
                "btnType": data.btnType,
                "customData": data.entries
            });
        compare(chooser.width, data.width);
        compare(chooser.height, data.height);
    }

    function test_iconEntryReportsAndCloses() {
        const entries = ["qrc:/icons/a.png", "qrc:/icons/b.png", "qrc:/icons/c.png", "qrc:/icons/d.png"];
        createChooser({
                "scaleFactor": 0.65,
                "btnType": 1,
                "customData": entries
            });
        selectSpy.target = chooser;
        selectSpy.clear();
        const entry = Finder.iconButton(chooser, "qrc:/icons/c.png");
        verify(entry !== null);
        mouseClick(entry);
        // Off the screen at once; the choice follows once the click is over.
        verify(!chooser.visible);
        tryCompare(selectSpy, "count", 1);
        compare(selectSpy.signalArguments[0][0], 2);
        compare(selectSpy.signalArguments[0][1], "qrc:/icons/c.png");
        tryCompare(testCase, "chooser", null);
    }

    function test_textEntryReportsText() {
        createChooser({
                "scaleFactor": 0.65,
                "btnType": 2,
                "customData": ["关于", "帮助", "设置", "退出"]
            });
        selectSpy.target = chooser;
        selectSpy.clear();
        mouseClick(textEntry("设置"));
        tryCompare(selectSpy, "count", 1);
        compare(selectSpy.signalArguments[0][0], 2);
        compare(selectSpy.signalArguments[0][1], "设置");
        tryCompare(testCase, "chooser", null);
    }

    function test_ignoredClicks_data() {
        return [{
                "tag": "blocked icon entry",
                "btnType": 1,
                "blocked": true,
                "button": Qt.LeftButton
            }, {
                "tag": "right click on an icon entry",
                "btnType": 1,
                "blocked": false,
                "button": Qt.RightButton
            }, {
                "tag": "right click on a text entry",
                "btnType": 2,
                "blocked": false,
                "button": Qt.RightButton
            }];
    }

    function test_ignoredClicks(data) {
        const entries = data.btnType === 1 ? ["qrc:/icons/timer.png", "qrc:/icons/timer3.png"] : ["关于", "帮助"];
        createChooser({
                "scaleFactor": 0.65,
                "btnType": data.btnType,
                "customData": entries,
                "enableEvent": data.blocked
            });
        selectSpy.target = chooser;
        selectSpy.clear();
        const entry = data.btnType === 1 ? Finder.iconButton(chooser, entries[1]) : textEntry(entries[1]);
        mouseClick(entry, entry.width / 2, entry.height / 2, data.button);
        wait(20);
        compare(selectSpy.count, 0);
        verify(chooser !== null, "the chooser closed");
        compare(chooser.nowIdx, 0);
    }
}
