import QtQml

// The icons FluIcon and FluIconButton can draw, used as FluentIcons.Cancel and so on.
QtObject {
    enum Icon {
        Cancel,
        Add,
        ChevronDown,
        ChevronUp,
        CheckMark,
        Folder,
        Keyboard,
        Info,
        Refresh,
        Warning
    }
}
