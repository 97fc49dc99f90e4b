import QtQuick
import QtTest
import FluentUI

Item {
    id: root

    width: 400
    height: 500

    Component {
        id: pickerComponent

        FluShortcutPicker {
            width: 360
            text: "画笔热键"
            title: "画笔热键"
            message: "按下键盘用于改变热键"
        }
    }

    // Stands in for a FluHotkey: what the picker relies on is the sequence and whether
    // the system took it.
    Component {
        id: hotkeyComponent

        QtObject {
            property string sequence
            property bool isRegistered: true
        }
    }

    SignalSpy {
        id: acceptedSpy

        signalName: "accepted"
    }

    TestCase {
        name: "FluShortcutPicker"
        when: windowShown

        function createPicker(keys) {
            const picker = createTemporaryObject(pickerComponent, root, {
                    "current": keys
                });
            acceptedSpy.target = picker;
            acceptedSpy.clear();
            return picker;
        }

        function openByClick(picker) {
            mouseClick(picker);
            tryVerify(() => picker.recording);
        }

        function findButton(picker, name) {
            return findChild(picker, name);
        }

        // The dialog's button row is laid out on the next polish after opening.
        function clickButton(button) {
            verify(button);
            waitForItemPolished(button.parent);
            mouseClick(button);
        }

        function test_clickOpensWithTheCurrentKeys() {
            const picker = createPicker(["Ctrl", "E"]);
            openByClick(picker);
            compare(picker.recorded, ["Ctrl", "E"]);
        }

        function test_pressedKeysAreRecorded_data() {
            return [{
                    "tag": "ctrl letter",
                    "key": Qt.Key_K,
                    "modifiers": Qt.ControlModifier,
                    "keys": ["Ctrl", "K"]
                }, {
                    "tag": "ctrl shift letter",
                    "key": Qt.Key_K,
                    "modifiers": Qt.ControlModifier | Qt.ShiftModifier,
                    "keys": ["Ctrl", "Shift", "K"]
                }, {
                    "tag": "alt function key",
                    "key": Qt.Key_F5,
                    "modifiers": Qt.AltModifier,
                    "keys": ["Alt", "F5"]
                }, {
                    "tag": "ctrl digit",
                    "key": Qt.Key_1,
                    "modifiers": Qt.ControlModifier,
                    "keys": ["Ctrl", "1"]
                }, {
                    "tag": "ctrl plus",
                    "key": Qt.Key_Plus,
                    "modifiers": Qt.ControlModifier,
                    "keys": ["Ctrl", "+"]
                }];
        }
        function test_pressedKeysAreRecorded(data) {
            const picker = createPicker(["Ctrl", "E"]);
            openByClick(picker);
            keyPress(data.key, data.modifiers);
            keyRelease(data.key, data.modifiers);
            compare(picker.recorded, data.keys);
            picker.save();
            compare(acceptedSpy.count, 1);
            compare(picker.current, data.keys);
            verify(!picker.recording);
        }

        function test_modifiersAloneCannotBeSaved() {
            const picker = createPicker(["Ctrl", "E"]);
            openByClick(picker);
            keyPress(Qt.Key_Control, Qt.ControlModifier);
            compare(picker.recorded, ["Ctrl"]);
            const save = findButton(picker, "positiveButton");
            verify(save);
            verify(!save.enabled);
            picker.save();
            compare(acceptedSpy.count, 0);
            verify(picker.recording);
            keyRelease(Qt.Key_Control, Qt.NoModifier);
            compare(picker.recorded, []);
        }

        function test_saveButtonAccepts() {
            const picker = createPicker(["Ctrl", "E"]);
            openByClick(picker);
            keyClick(Qt.Key_R, Qt.ControlModifier);
            const save = findButton(picker, "positiveButton");
            verify(save.enabled);
            clickButton(save);
            compare(acceptedSpy.count, 1);
            compare(picker.current.join("+"), "Ctrl+R");
        }

        function test_cancelKeepsTheOldKeys() {
            const picker = createPicker(["Ctrl", "E"]);
            openByClick(picker);
            keyClick(Qt.Key_R, Qt.ControlModifier);
            clickButton(findButton(picker, "neutralButton"));
            verify(!picker.recording);
            compare(acceptedSpy.count, 0);
            compare(picker.current, ["Ctrl", "E"]);
        }

        function test_escapeCancels() {
            const picker = createPicker(["Ctrl", "E"]);
            openByClick(picker);
            keyClick(Qt.Key_Escape);
            tryVerify(() => !picker.recording);
            compare(acceptedSpy.count, 0);
            compare(picker.current, ["Ctrl", "E"]);
        }

        // Alone, Enter saves complete keys (and is recorded while none are) and
        // Delete switches the key off: the dialog works without a pointer.
        function test_enterSavesAndDeleteSwitchesOff() {
            const picker = createPicker(["Ctrl", "E"]);
            openByClick(picker);
            keyClick(Qt.Key_J, Qt.ControlModifier | Qt.ShiftModifier);
            keyClick(Qt.Key_Return);
            tryVerify(() => !picker.recording);
            compare(acceptedSpy.count, 1);
            compare(picker.current, ["Ctrl", "Shift", "J"]);
            openByClick(picker);
            keyClick(Qt.Key_Delete);
            tryVerify(() => !picker.recording);
            compare(acceptedSpy.count, 2);
            compare(picker.current, []);
        }

        function test_resetRestoresAndKeepsRecording() {
            const picker = createPicker(["Ctrl", "E"]);
            openByClick(picker);
            keyClick(Qt.Key_R, Qt.ControlModifier);
            clickButton(findButton(picker, "negativeButton"));
            verify(picker.recording);
            compare(picker.recorded, ["Ctrl", "E"]);
            keyClick(Qt.Key_T, Qt.ControlModifier | Qt.AltModifier);
            picker.save();
            compare(picker.current, ["Ctrl", "Alt", "T"]);
        }

        function test_followsTheSyncedHotkey() {
            const picker = createPicker([]);
            const hotkey = createTemporaryObject(hotkeyComponent, root, {
                    "sequence": "Ctrl+Shift+Q"
                });
            picker.syncHotkey = hotkey;
            compare(picker.current, ["Ctrl", "Shift", "Q"]);
            hotkey.sequence = "alt+f4";
            compare(picker.current, ["Alt", "F4"]);
            verify(!picker.conflicted);
            hotkey.isRegistered = false;
            verify(picker.conflicted);
        }

        function test_saveMovesTheSyncedHotkey() {
            const picker = createPicker([]);
            const hotkey = createTemporaryObject(hotkeyComponent, root, {
                    "sequence": "Ctrl+E"
                });
            picker.syncHotkey = hotkey;
            openByClick(picker);
            keyClick(Qt.Key_Y, Qt.ControlModifier | Qt.ShiftModifier);
            picker.save();
            compare(hotkey.sequence, "Ctrl+Shift+Y");
            compare(acceptedSpy.count, 1);
        }
    }
}
