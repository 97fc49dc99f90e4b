import QtQuick
import QtTest
import Cpp.MyComponents

TestCase {
    id: testCase

    property var prompt: null
    property var toolbar: null
    property var answers: []
    property string postOutcome: ""

    // Signed with the test build's key, as the server sends it.
    function manifest(members) {
        // releaseSigner is the test program's context property.
        // qmllint disable unqualified
        return releaseSigner.sign(JSON.stringify(Object.assign({
                        "appVersion": "2.1.3",
                        "files": ["Quillmark", "translations/app_en.qm"],
                        "uploadUrl": "http://127.0.0.1:9/update",
                        "msg": ["新版本", "修复问题"]
                    }, members)));
    }

    function createPrompt() {
        const component = Qt.createComponent("qrc:/showUpdate.qml");
        verify(component.status === Component.Ready, component.errorString());
        const created = component.createObject(null, {
                "appVersion": "2.1.2",
                "updateCheckUrl": "http://127.0.0.1:9/update/update.json"
            });
        verify(created !== null);
        // showUpdate.qml has no type name, so qmllint knows only QObject here.
        created.needUpdate.connect(isUpdate => answers.push(isUpdate)); // qmllint disable type
        return created;
    }

    function child(name) {
        const found = findChild(prompt.contentItem, name);
        verify(found !== null, "no item " + name);
        return found;
    }

    function noteLines() {
        const kids = child("notes").children;
        let lines = [];
        for (let i = 0; i < kids.length; ++i) {
            if (kids[i].text !== undefined)
                lines.push(kids[i].text);
        }
        return lines;
    }

    function showPrompt() {
        prompt.judgeManifest(200, manifest({}));
        tryCompare(prompt, "visible", true);
        waitForRendering(prompt.contentItem);
    }

    function init() {
        answers = [];
        settings.setIniValue("UPDATE", "APPVersion", "0.0.1");
        prompt = createPrompt();
    }

    function cleanup() {
        if (prompt)
            prompt.destroy();
        prompt = null;
        if (toolbar) {
            toolbar.destroyChooser();
            if (toolbar.updateW)
                toolbar.updateW.destroy();
            toolbar.destroy();
        }
        toolbar = null;
        wait(0);
    }

    name: "UpdatePrompt"

    SettingsClazz {
        id: settings
    }

    UpdateManifestCheck {
        id: manifestCheck
    }

    function test_judgement_data() {
        return [{
                "tag": "newer version with files",
                "status": 200,
                "body": manifest({}),
                "shown": true,
                "answers": [true],
                "files": ["Quillmark", "translations/app_en.qm"]
            }, {
                "tag": "older version is offered too",
                "status": 200,
                "body": manifest({
                        "appVersion": "2.0.0"
                    }),
                "shown": true,
                "answers": [true],
                "files": ["Quillmark", "translations/app_en.qm"]
            }, {
                "tag": "same version",
                "status": 200,
                "body": manifest({
                        "appVersion": "2.1.2"
                    }),
                "shown": false,
                "answers": [false],
                "files": []
            }, {
                "tag": "different version without files",
                "status": 200,
                "body": manifest({
                        "files": []
                    }),
                "shown": false,
                "answers": [],
                "files": []
            }, {
                "tag": "server error",
                "status": 404,
                "body": manifest({}),
                "shown": false,
                "answers": [],
                "files": []
            }, {
                "tag": "not JSON",
                "status": 200,
                "body": "<html>",
                "shown": false,
                "answers": [],
                "files": []
            }, {
                "tag": "no files member",
                "status": 200,
                "body": releaseSigner.sign(JSON.stringify({
                            "appVersion": "2.1.3"
                        })),
                "shown": false,
                "answers": [],
                "files": []
            }, {
                "tag": "file name not a string",
                "status": 200,
                "body": manifest({
                        "files": ["a", 7]
                    }),
                "shown": false,
                "answers": [],
                "files": []
            }, {
                "tag": "JSON array",
                "status": 200,
                "body": "[1, 2]",
                "shown": false,
                "answers": [],
                "files": []
            }, {
                "tag": "JSON null",
                "status": 200,
                "body": "null",
                "shown": false,
                "answers": [],
                "files": []
            }, {
                "tag": "unsigned manifest",
                "status": 200,
                "body": JSON.stringify({
                        "appVersion": "2.1.3",
                        "serial": 9,
                        "files": ["Quillmark"],
                        "push": true
                    }),
                "shown": false,
                "answers": [],
                "files": []
            }, {
                "tag": "config.ini among the files",
                "status": 200,
                "body": manifest({
                        "files": ["Quillmark", "config.ini"]
                    }),
                "shown": false,
                "answers": [],
                "files": []
            }, {
                "tag": "hash map not an object",
                "status": 200,
                "body": manifest({
                        "sha256": "abc"
                    }),
                "shown": false,
                "answers": [],
                "files": []
            }];
    }

    function test_judgement(data) {
        prompt.judgeManifest(data.status, data.body);
        wait(50);
        compare(prompt.visible, data.shown);
        compare(answers, data.answers);
        compare(prompt.filesToDownload, data.files);
        // Only a shown prompt records the installed version for the updater.
        compare(String(settings.getIniValue("UPDATE", "APPVersion")), data.shown ? "2.1.2" : "0.0.1");
    }

    function test_installedReleaseIsNotOffered() {
        prompt.judgeResult(200, {
                "accepted": true,
                "alreadyInstalled": true,
                "manifest": {
                    "appVersion": "2.1.3",
                    "serial": 7,
                    "files": ["Quillmark"]
                }
            });
        wait(50);
        verify(!prompt.visible);
        compare(answers, [false]);
    }

    function test_bodyIsCheckedByTheSharedCheck() {
        // The prompt and the updater use the same native check.
        const result = manifestCheck.check(manifest({}));
        verify(result.accepted, result.reason); // qmllint disable type
        compare(result.manifest.files, ["Quillmark", "translations/app_en.qm"]);
        verify(!manifestCheck.check(JSON.stringify({
                        "appVersion": "2.1.3",
                        "files": []
                    })).accepted);
    }

    function test_versionsCompareStrictly() {
        // The number 2.1 is not the installed text "2.1".
        prompt.appVersion = "2.1";
        prompt.judgeManifest(200, releaseSigner.sign(JSON.stringify({
                        "appVersion": 2.1,
                        "files": ["x"]
                    })));
        tryCompare(prompt, "visible", true);
        compare(answers, [true]);
    }

    function test_showsVersionAndNotes() {
        showPrompt();
        compare(child("titleText").text, "升级到新版本  V2.1.3");
        compare(noteLines(), ["新版本", "修复问题"]);
        verify(child("updateButton").visible);
    }

    function test_noNotesWithoutMsg() {
        // An undefined member is left out of the JSON text.
        prompt.judgeManifest(200, manifest({
                    "msg": undefined
                }));
        tryCompare(prompt, "visible", true);
        compare(prompt.msgList.length, 0);
        compare(noteLines(), []);
    }

    function test_dragMovesPrompt() {
        showPrompt();
        const area = child("dragArea");
        const startX = prompt.x;
        const startY = prompt.y;
        mousePress(area, 60, 60);
        mouseMove(area, 90, 80);
        tryCompare(prompt, "x", startX + 30);
        compare(prompt.y, startY + 20);
        mouseRelease(area, 90, 80);
        // Moves without a pressed button do nothing.
        mouseMove(area, 150, 150);
        wait(50);
        compare(prompt.x, startX + 30);
        compare(prompt.y, startY + 20);
    }

    function test_topStripAndButtonDoNotDrag() {
        showPrompt();
        const startX = prompt.x;
        const startY = prompt.y;
        // Above the drag area (the close button's strip).
        mousePress(prompt.contentItem, 60, 20);
        mouseMove(prompt.contentItem, 120, 30);
        mouseRelease(prompt.contentItem, 120, 30);
        // On the update button: the press belongs to the button.
        const button = child("updateButton");
        mousePress(button, 10, 10);
        mouseMove(button, 60, 30);
        wait(50);
        compare(prompt.x, startX);
        compare(prompt.y, startY);
        ignoreWarning(new RegExp("无法找到可执行文件:"));
        mouseRelease(button, 60, 30);
    }

    function test_updateButtonStartsUpdater() {
        showPrompt();
        compare(prompt.updaterName, Qt.platform.os === "windows" ? "Update.exe" : "Update");
        // No updater beside the test program: a warning, the program goes on, the
        // prompt says so and the button stays for another try.
        ignoreWarning(new RegExp("无法找到可执行文件: .*" + prompt.updaterName + "\"$"));
        mouseClick(child("updateButton"));
        verify(child("updateArea").visible);
        verify(child("startErrorText").visible);
        verify(prompt.startError !== "");
        verify(prompt.visible);
    }

    function test_closeButtonClosesPrompt() {
        showPrompt();
        mouseClick(child("closeButton"));
        tryCompare(prompt, "visible", false);
    }

    // Without a pointer: Tab reaches both buttons in turn, each with its ring;
    // Enter on the close mark closes, and so does Escape.
    function test_keyboardOnly() {
        showPrompt();
        prompt.requestActivate();
        tryVerify(() => prompt.active);
        const update = child("updateButton");
        const close = child("closeButton");
        const ring = item => {
            for (let i = 0; i < item.children.length; ++i) {
                if (item.children[i].target === item)
                    return item.children[i];
            }
            return null;
        };
        keyClick(Qt.Key_Tab);
        const first = update.activeFocus ? update : close;
        const second = first === update ? close : update;
        verify(first.activeFocus);
        verify(ring(first).visible);
        keyClick(Qt.Key_Tab);
        verify(second.activeFocus);
        verify(ring(second).visible && !ring(first).visible);
        keyClick(Qt.Key_Tab, Qt.ShiftModifier);
        verify(first.activeFocus);
        if (!close.activeFocus)
            keyClick(Qt.Key_Tab);
        keyClick(Qt.Key_Return);
        tryCompare(prompt, "visible", false);
        showPrompt();
        prompt.requestActivate();
        tryVerify(() => prompt.active);
        keyClick(Qt.Key_Escape);
        tryCompare(prompt, "visible", false);
    }

    function createToolbar() {
        const component = Qt.createComponent("qrc:/painter.qml");
        verify(component.status === Component.Ready, component.errorString());
        toolbar = component.createObject(null);
        verify(toolbar !== null);
        tryCompare(toolbar, "visible", true);
    }

    function test_toolbarWithoutAddressOpensNothing() {
        createToolbar();
        toolbar.updateCheckUrl = "";
        toolbar.showUpdate();
        compare(toolbar.updateW, null);
    }

    function test_toolbarOpensNewPromptPerCall() {
        createToolbar();
        // Port 9 on loopback refuses: the prompt's own request fails quietly.
        toolbar.updateCheckUrl = "http://127.0.0.1:9/update/update.json";
        toolbar.showUpdate();
        const first = toolbar.updateW;
        verify(first !== null);
        compare(first.appVersion, toolbar.appVersion);
        compare(first.updateCheckUrl, toolbar.updateCheckUrl);
        toolbar.showUpdate();
        const second = toolbar.updateW;
        verify(second !== null && second !== first);
        verify(!first.visible && !second.visible);
        first.destroy();
    }

    function test_acceptedUpdateClosesChooser() {
        createToolbar();
        toolbar.updateCheckUrl = "http://127.0.0.1:9/update/update.json";
        toolbar.openChooser(1, ["qrc:/icons/a.png", "qrc:/icons/b.png"], 550, toolbar.changeCuXiSelect);
        verify(toolbar.selectWindow !== null);
        toolbar.showUpdate();
        toolbar.updateW.judgeManifest(200, manifest({}));
        compare(toolbar.selectWindow, null);
        verify(toolbar.updateW.visible);
    }

    function test_postRejectsOnNetworkFailure() {
        createToolbar();
        postOutcome = "";
        toolbar.post("http://127.0.0.1:9/update/update.json", {
                "app": "quillmark"
            }).then(() => postOutcome = "resolved", e => postOutcome = e.message);
        tryCompare(testCase, "postOutcome", "Network error", 5000);
    }
}
