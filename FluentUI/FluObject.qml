import QtQml

// A plain container for non-visual objects: whatever is declared inside it
// becomes one of its children and lives as long as it does.
QtObject {
    id: control

    default property list<QtObject> children
}
