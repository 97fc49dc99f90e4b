import QtQuick
import QtTest
import FluentUI

Item {
    id: root

    width: 400
    height: 400

    Component {
        id: buttonComponent

        FluButton {
            text: "浏览"
        }
    }

    Component {
        id: iconButtonComponent

        FluIconButton {
            iconSource: FluentIcons.Cancel
        }
    }

    Component {
        id: textBoxComponent

        FluTextBox {
            width: 200
            placeholderText: "截图保存路径"
        }
    }

    Component {
        id: comboComponent

        FluComboBox {
            width: 200
            textRole: "display"
            valueRole: "code"
        }
    }

    Component {
        id: iconComponent

        FluIcon {
            iconSize: 32
            iconColor: "black"
        }
    }

    SignalSpy {
        id: spy
    }

    TestCase {
        name: "FluControls"
        when: windowShown

        function watch(target, signalName) {
            spy.target = null;
            spy.signalName = signalName;
            spy.target = target;
            spy.clear();
        }

        function test_buttonClicksOnlyWhenEnabled() {
            const button = createTemporaryObject(buttonComponent, root);
            watch(button, "clicked");
            mouseClick(button);
            compare(spy.count, 1);
            button.enabled = false;
            mouseClick(button);
            compare(spy.count, 1);
        }

        function test_iconButtonClicks() {
            const button = createTemporaryObject(iconButtonComponent, root);
            watch(button, "clicked");
            mouseClick(button);
            compare(spy.count, 1);
        }

        function test_textBoxFinishesEditingOnEnter() {
            const box = createTemporaryObject(textBoxComponent, root);
            watch(box, "editingFinished");
            box.forceActiveFocus();
            keyClick(Qt.Key_A);
            keyClick(Qt.Key_B);
            keyClick(Qt.Key_Return);
            compare(box.text, "ab");
            compare(spy.count, 1);
        }

        function test_comboBoxFindsAndShowsEntriesByCode() {
            const combo = createTemporaryObject(comboComponent, root, {
                    "model": [{
                            "display": "简体中文",
                            "code": "zh_CN"
                        }, {
                            "display": "English",
                            "code": "en"
                        }]
                });
            compare(combo.count, 2);
            compare(combo.indexOfValue("en"), 1);
            combo.currentIndex = combo.indexOfValue("en");
            compare(combo.currentValue, "en");
            compare(combo.displayText, "English");
        }

        function test_comboBoxPicksFromItsList() {
            const combo = createTemporaryObject(comboComponent, root, {
                    "model": [{
                            "display": "简体中文",
                            "code": "zh_CN"
                        }, {
                            "display": "English",
                            "code": "en"
                        }]
                });
            combo.currentIndex = 0;
            watch(combo, "activated");
            mouseClick(combo);
            tryVerify(() => combo.popup.opened);
            const list = combo.popup.contentItem;
            const second = list.itemAtIndex(1);
            verify(second);
            mouseClick(second);
            compare(spy.count, 1);
            compare(combo.currentValue, "en");
        }

        // Every icon draws something, and different icons draw differently.
        function test_iconsAreDrawn() {
            const shots = [];
            const icons = [FluentIcons.Cancel, FluentIcons.Add, FluentIcons.ChevronDown, FluentIcons.CheckMark, FluentIcons.Keyboard];
            for (const source of icons) {
                const icon = createTemporaryObject(iconComponent, root, {
                        "iconSource": source
                    });
                waitForRendering(icon);
                const image = grabImage(icon);
                let inked = 0;
                for (let x = 0; x < 32; x += 2)
                    for (let y = 0; y < 32; y += 2)
                        if (image.pixel(x, y).a > 0.5)
                            inked++;
                verify(inked > 3, "icon " + source + " is blank");
                shots.push(image);
            }
            for (let i = 1; i < shots.length; i++)
                verify(!shots[i].equals(shots[0]), "icon " + icons[i] + " looks like the first one");
        }
    }
}
