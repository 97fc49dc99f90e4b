import QtQuick

// One icon of FluentIcons, stroked from a path on a 16 by 16 grid so that it stays
// sharp at any size.
Item {
    id: control

    property int iconSource: FluentIcons.Cancel
    property int iconSize: 16
    property color iconColor: "#1A1A1A"
    // The stroke width in grid units.
    property real weight: 1.3

    readonly property var paths: ({
            [FluentIcons.Cancel]: "M3.5,3.5 L12.5,12.5 M12.5,3.5 L3.5,12.5",
            [FluentIcons.Add]: "M8,2.5 L8,13.5 M2.5,8 L13.5,8",
            [FluentIcons.ChevronDown]: "M3.5,6 L8,10.5 L12.5,6",
            [FluentIcons.ChevronUp]: "M3.5,10 L8,5.5 L12.5,10",
            [FluentIcons.CheckMark]: "M2.5,8.5 L6,12 L13.5,4.5",
            [FluentIcons.Folder]: "M1.5,3.5 L6,3.5 L7.5,5 L14.5,5 L14.5,13 L1.5,13 Z",
            [FluentIcons.Keyboard]: "M1.5,4 L14.5,4 L14.5,12 L1.5,12 Z M4.5,9.5 L11.5,9.5 M4,6.5 L5,6.5 M7.5,6.5 L8.5,6.5 M11,6.5 L12,6.5",
            [FluentIcons.Info]: "M8,1.5 A6.5,6.5 0 1,1 7.99,1.5 Z M8,7 L8,11.5 M8,4.5 L8,5",
            [FluentIcons.Refresh]: "M13,8 A5,5 0 1,1 11.5,4.4 M12,1.8 L12,4.8 L9,4.8",
            [FluentIcons.Warning]: "M8,1.8 L14.8,13.8 L1.2,13.8 Z M8,6 L8,9.8 M8,11.8 L8,12.2"
        })
    readonly property string path: paths[iconSource] || ""

    implicitWidth: iconSize
    implicitHeight: iconSize

    onPathChanged: canvas.requestPaint()
    onIconColorChanged: canvas.requestPaint()
    onWeightChanged: canvas.requestPaint()

    Canvas {
        id: canvas

        anchors.centerIn: parent
        width: control.iconSize
        height: control.iconSize
        onWidthChanged: requestPaint()
        onPaint: {
            const ctx = getContext("2d");
            ctx.reset();
            if (!control.path)
                return;
            ctx.scale(width / 16, height / 16);
            ctx.strokeStyle = control.iconColor;
            ctx.lineWidth = control.weight;
            ctx.lineCap = "round";
            ctx.lineJoin = "round";
            ctx.path = control.path;
            ctx.stroke();
        }
    }
}
