import QtQuick
import "icons.js" as Icons

// What a screen reader calls each picture of the toolbar and its choosers, in the
// interface language.
QtObject {
    function of(icon) {
        const text = String(icon);
        switch (text) {
        case Icons.pen:
            return qsTr("普通画笔");
        case Icons.highlighter:
            return qsTr("荧光笔");
        case Icons.text:
            return qsTr("文字");
        case Icons.line:
            return qsTr("直线");
        case Icons.circle:
            return qsTr("圆形");
        case Icons.arrow:
            return qsTr("箭头");
        case Icons.rectangle:
            return qsTr("矩形");
        case Icons.numberedCircle:
            return qsTr("序号圆");
        case Icons.select:
            return qsTr("选择");
        case Icons.undo:
            return qsTr("撤销");
        case Icons.redo:
            return qsTr("恢复");
        case Icons.transparentBoard:
            return qsTr("透明");
        case Icons.whiteBoard:
            return qsTr("白板");
        case Icons.blackBoard:
            return qsTr("黑板");
        case Icons.picture:
            return qsTr("背景图片");
        case Icons.thin:
            return qsTr("%1 像素").arg(3);
        case Icons.medium:
            return qsTr("%1 像素").arg(8);
        case Icons.thick:
            return qsTr("%1 像素").arg(15);
        case Icons.thickest:
            return qsTr("%1 像素").arg(20);
        case Icons.fadeOff:
        case Icons.repeatOff:
            return qsTr("关闭");
        case Icons.laser:
            return qsTr("激光笔");
        case Icons.spotlight:
            return qsTr("聚光灯");
        case Icons.zoom:
            return qsTr("放大镜");
        }
        // The timed effects: their period in seconds follows the stem.
        for (const stem of [Icons.fadeStem, Icons.repeatStem]) {
            const head = Icons.folder + stem;
            const digits = text.startsWith(head) && text.endsWith(".png") ? text.substring(head.length, text.length - 4) : "";
            if (/^[0-9]+$/.test(digits))
                return qsTr("每 %1 秒").arg(parseInt(digits, 10));
        }
        return "";
    }
}
