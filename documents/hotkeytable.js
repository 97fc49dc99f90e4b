.pragma library

// The global hot keys, in the order in which they claim a key they
// share: when two ask for the same keys, the one listed first acts and the
// other stays silent (with the defaults "clearKey" wins Ctrl+L over "lineKey").
// The fallback is what a key uses while nothing is stored under it: the presenter
// tools take no key of the system until the user gives them one. The action is
// the `--action` name that does the same, and the id under which the desktop's
// shortcut settings list the key.
const keys = [{
        "key": "screenKey",
        "action": "screenshot",
        "fallback": "Ctrl+P"
    }, {
        "key": "eraseKey",
        "action": "eraser",
        "fallback": "Ctrl+D"
    }, {
        "key": "penKey",
        "action": "pen",
        "fallback": "Ctrl+E"
    }, {
        "key": "closeDrawKey",
        "action": "pass-through",
        "fallback": "Ctrl+Q"
    }, {
        "key": "textKey",
        "action": "text",
        "fallback": "Ctrl+T"
    }, {
        "key": "clearKey",
        "action": "clear",
        "fallback": "Ctrl+L"
    }, {
        "key": "undoKey",
        "action": "undo",
        "fallback": "Ctrl+Z"
    }, {
        "key": "redoKey",
        "action": "redo",
        "fallback": "Ctrl+Y"
    }, {
        "key": "lineKey",
        "action": "line",
        "fallback": "Ctrl+L"
    }, {
        "key": "circleKey",
        "action": "circle",
        "fallback": "Ctrl+O"
    }, {
        "key": "rectangleKey",
        "action": "rectangle",
        "fallback": "Ctrl+R"
    }, {
        "key": "arrowKey",
        "action": "arrow",
        "fallback": "Ctrl+A"
    }, {
        "key": "selectKey",
        "action": "select",
        "fallback": ""
    }, {
        "key": "laserKey",
        "action": "laser",
        "fallback": ""
    }, {
        "key": "spotlightKey",
        "action": "spotlight",
        "fallback": ""
    }, {
        "key": "zoomKey",
        "action": "zoom",
        "fallback": ""
    }, {
        "key": "toolbarKey",
        "action": "focus-toolbar",
        "fallback": ""
    }];

function actionOf(key) {
    const entry = keys.find(e => e.key === key);
    return entry ? entry.action : "";
}

function fallbackOf(key) {
    const entry = keys.find(e => e.key === key);
    return entry ? entry.fallback : "";
}

// The stored sequence when it is a non-empty text, else the fallback; a stored
// "none" switches the key off (empty).
function sequence(hotKeys, key, fallback) {
    const stored = hotKeys ? hotKeys[key] : undefined;
    if (stored === "none")
        return "";
    if (typeof stored === "string" && stored !== "")
        return stored;
    return fallback !== undefined ? fallback : fallbackOf(key);
}

// "Shift+Ctrl+l" and "Ctrl+Shift+L" name the same keys.
function normalised(text) {
    return String(text).split("+").map(part => part.trim().toLowerCase()).sort().join("+");
}

// Every key whose sequence equals the one of key (key itself included), in
// claiming order; empty when key is switched off.
function sharing(hotKeys, key) {
    const own = sequence(hotKeys, key);
    if (own === "")
        return [];
    const wanted = normalised(own);
    return keys.filter(e => {
            const other = sequence(hotKeys, e.key);
            return other !== "" && normalised(other) === wanted;
        }).map(e => e.key);
}

// The key whose action runs when the sequence of key is pressed.
function owner(hotKeys, key) {
    const all = sharing(hotKeys, key);
    return all.length > 0 ? all[0] : key;
}
