.pragma library

// The global hot keys, in the order in which they claim a key they
// share: when two ask for the same keys, the one listed first acts and the
// other stays silent (with the defaults "clearKey" wins Ctrl+L over "lineKey").
// The fallback is what a key uses while nothing is stored under it: the presenter
// tools take no key of the system until the user gives them one.
const keys = [{
        "key": "screenKey",
        "fallback": "Ctrl+P"
    }, {
        "key": "eraseKey",
        "fallback": "Ctrl+D"
    }, {
        "key": "penKey",
        "fallback": "Ctrl+E"
    }, {
        "key": "closeDrawKey",
        "fallback": "Ctrl+Q"
    }, {
        "key": "textKey",
        "fallback": "Ctrl+T"
    }, {
        "key": "clearKey",
        "fallback": "Ctrl+L"
    }, {
        "key": "undoKey",
        "fallback": "Ctrl+Z"
    }, {
        "key": "redoKey",
        "fallback": "Ctrl+Y"
    }, {
        "key": "lineKey",
        "fallback": "Ctrl+L"
    }, {
        "key": "circleKey",
        "fallback": "Ctrl+O"
    }, {
        "key": "rectangleKey",
        "fallback": "Ctrl+R"
    }, {
        "key": "arrowKey",
        "fallback": "Ctrl+A"
    }, {
        "key": "laserKey",
        "fallback": ""
    }, {
        "key": "spotlightKey",
        "fallback": ""
    }, {
        "key": "zoomKey",
        "fallback": ""
    }, {
        "key": "toolbarKey",
        "fallback": ""
    }];

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
