.pragma library

// Rules for the update manifest, shared by the annotation program's update prompt
// and the Update program, so that both accept and refuse the same manifests.

// A manifest is an object with a non-empty appVersion and a list of non-empty file
// names; the optional "sha256" member must be an object when present.
function isValid(data) {
    if (data === null || typeof data !== "object" || Array.isArray(data))
        return false;
    if (!data.appVersion || !Array.isArray(data.files))
        return false;
    for (let i = 0; i < data.files.length; ++i) {
        if (typeof data.files[i] !== "string" || data.files[i].length === 0)
            return false;
    }
    if (data.sha256 !== undefined && (data.sha256 === null || typeof data.sha256 !== "object" || Array.isArray(data.sha256)))
        return false;
    return true;
}

// Any difference means an update, older versions included; strict, so the number
// 2.2 never equals the stored text "2.2".
function offersUpdate(manifestVersion, installedVersion) {
    return manifestVersion !== installedVersion;
}
