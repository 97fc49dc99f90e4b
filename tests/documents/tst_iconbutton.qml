import QtQuick
import QtTest
import "qrc:/"

TestCase {
    id: testCase

    name: "IconButton"

    // The button lives in a window of its own, as it does in the toolbar.
    Component {
        id: hostComponent

        Window {
            property alias button: button

            width: 100
            height: 100
            visible: true

            // Comes from the "qrc:/" import, which qmllint 6.4 does not follow.
            // qmllint disable import type
            MyIconButton {
                id: button
            }
            // qmllint enable import type
        }
    }

    SignalSpy {
        id: clickSpy

        signalName: "clickedLeft"
    }

    SignalSpy {
        id: rightSpy

        signalName: "clickedRight"
    }

    SignalSpy {
        id: pressSpy

        signalName: "pressed"
    }

    SignalSpy {
        id: enterSpy

        signalName: "entered"
    }

    SignalSpy {
        id: moveSpy

        signalName: "positionChanged"
    }

    function makeButton(properties) {
        const host = createTemporaryObject(hostComponent, null);
        verify(host !== null);
        tryCompare(host, "visible", true);
        const button = host.button;
        for (const key in properties)
            button[key] = properties[key];
        for (const spy of [clickSpy, rightSpy, pressSpy, enterSpy, moveSpy]) {
            spy.target = button;
            spy.clear();
        }
        return button;
    }

    function test_clicks_data() {
        return [{
                "tag": "left click",
                "blocked": false,
                "button": Qt.LeftButton,
                "left": 1,
                "right": 0,
                "presses": 1
            }, {
                "tag": "right click",
                "blocked": false,
                "button": Qt.RightButton,
                "left": 0,
                "right": 1,
                "presses": 1
            }, {
                "tag": "blocked left click",
                "blocked": true,
                "button": Qt.LeftButton,
                "left": 0,
                "right": 0,
                "presses": 0
            }, {
                "tag": "blocked right click",
                "blocked": true,
                "button": Qt.RightButton,
                "left": 0,
                "right": 0,
                "presses": 0
            }];
    }

    function test_clicks(data) {
        const button = makeButton({
                "enableEvent": data.blocked
            });
        mouseClick(button, 25, 25, data.button);
        compare(clickSpy.count, data.left);
        compare(rightSpy.count, data.right);
        compare(pressSpy.count, data.presses);
    }

    function test_blockedButtonStillReportsHover() {
        const button = makeButton({
                "enableEvent": true
            });
        mouseMove(button, 10, 10);
        mouseMove(button, 20, 20);
        compare(enterSpy.count, 1);
        verify(moveSpy.count >= 1);
    }

    function test_markerSwallowsClicks() {
        const button = makeButton({
                "showRBIcon": true
            });
        // The marker sits in the bottom-right 8x8 corner, 2 px in from the edges.
        mouseClick(button, button.width - 5, button.height - 5);
        compare(clickSpy.count, 0);
        mouseClick(button, button.width / 2, button.height / 2);
        compare(clickSpy.count, 1);
    }

    function test_backgroundFollowsPointer_data() {
        return [{
                "tag": "following",
                "fixed": false
            }, {
                "tag": "fixed",
                "fixed": true
            }];
    }

    function test_backgroundFollowsPointer(data) {
        const button = makeButton({
                "isBackTransparent": data.fixed,
                "color": "#123456"
            });
        mousePress(button, 25, 25);
        compare(String(button.color), data.fixed ? "#123456" : String(button.clr_click));
        mouseRelease(button, 25, 25);
        compare(String(button.color), data.fixed ? "#123456" : String(button.clr_enter));
    }
}
