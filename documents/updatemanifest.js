.pragma library

// The version rule for update manifests, shared by the annotation program's update
// prompt and the Update program. Whether a manifest is acceptable at all (signed,
// well formed, not older than the installed release) is decided by the native
// UpdateManifestCheck, the same in both programs.

// Any difference means an update, older version names included (a rollback is a
// newer release serial); strict, so the number 2.2 never equals the text "2.2".
function offersUpdate(manifestVersion, installedVersion) {
    return manifestVersion !== installedVersion;
}
