import QtQuick
import QtQuick.Controls
import Cpp.MyComponents
import FluentUI
import "hotkeytable.js" as HotkeyTable

// How the hot keys reach the program on this desktop. Behind the desktop's shortcut
// portal the desktop decides the keys (its dialog opens from here where it has one);
// on Wayland without it, the desktop's own key bindings run `--action`: the lines to
// paste for sway and Hyprland, the steps for KDE, and for GNOME buttons that write
// (and remove) its custom keybindings.
Column {
    id: panel

    // The stored settings (the settings window's copy) and how to name a key.
    property var hotKeys: ({})
    property var labelOf: key => key
    // Where results are told.
    property var infoBar: null
    readonly property string desktop: FluHotkeyService.desktop
    readonly property bool portal: FluHotkeyService.mode === "portal"

    // Every hot key that has keys, as the desktop's bindings need it; of two with the
    // same keys only the one that acts, since a desktop binds a key once.
    function bindings() {
        const list = [];
        for (const entry of HotkeyTable.keys) {
            const sequence = HotkeyTable.sequence(hotKeys, entry.key);
            if (sequence !== "" && HotkeyTable.owner(hotKeys, entry.key) === entry.key)
                list.push({
                        "action": entry.action,
                        "sequence": sequence,
                        "name": labelOf(entry.key)
                    });
        }
        return list;
    }

    function configLines() {
        return desktop === "hyprland" ? keyBindings.hyprlandLines(bindings()) : keyBindings.swayLines(bindings());
    }

    visible: portal || FluHotkeyService.needsDesktopBindings
    spacing: 8

    DesktopKeyBindings {
        id: keyBindings
    }

    Text {
        text: qsTr("桌面快捷键")
        font.pixelSize: 14
        color: "#1A1A1A"
    }

    Text {
        objectName: "desktopShortcutsText"
        width: panel.width
        wrapMode: Text.Wrap
        font.pixelSize: 12
        color: "#5C5C5C"
        text: {
            if (panel.portal)
                return qsTr("热键由桌面管理：桌面决定最终的按键，每个热键下方显示桌面指定的按键。");
            if (panel.desktop === "sway" || panel.desktop === "hyprland")
                return qsTr("此桌面不允许程序接收全局热键。请把下面几行加入桌面的配置文件（sway：~/.config/sway/config；Hyprland：~/.config/hypr/hyprland.conf），然后重新加载配置。");
            if (panel.desktop === "gnome")
                return qsTr("此版本的 GNOME 不允许程序接收全局热键。点击“写入 GNOME 快捷键”，把每个热键写入 GNOME 的自定义快捷键；“移除”会删除这些快捷键。");
            if (panel.desktop === "kde")
                return qsTr("请打开“系统设置 → 快捷键 → 添加新的 → 命令或脚本”，命令填写 %1（其他动作见帮助），再设定按键。").arg(keyBindings.command("undo"));
            return qsTr("此桌面不允许程序接收全局热键。请在桌面的快捷键设置中把按键绑定到命令，例如 Ctrl+Z → %1。").arg(keyBindings.command("undo"));
        }
    }

    FluButton {
        objectName: "configureShortcutsButton"
        visible: panel.portal && FluHotkeyService.canConfigure
        text: qsTr("打开桌面的快捷键设置")
        onClicked: FluHotkeyService.configure()
    }

    TextArea {
        id: linesArea

        objectName: "bindingLines"
        visible: !panel.portal && (panel.desktop === "sway" || panel.desktop === "hyprland")
        width: panel.width
        readOnly: true
        selectByMouse: true
        // Long program paths wrap; the copy keeps the lines whole.
        wrapMode: TextEdit.WrapAnywhere
        font.family: "monospace"
        font.pixelSize: 11
        text: visible ? panel.configLines() : ""
        background: Rectangle {
            color: "#F3F3F3"
            radius: 4
        }
    }

    Row {
        spacing: 8

        FluButton {
            objectName: "copyLinesButton"
            visible: linesArea.visible
            text: qsTr("复制")
            onClicked: {
                linesArea.selectAll();
                linesArea.copy();
                linesArea.deselect();
            }
        }

        FluButton {
            objectName: "writeGnomeButton"
            visible: !panel.portal && panel.desktop === "gnome"
            text: qsTr("写入 GNOME 快捷键")
            highlighted: true
            onClicked: {
                if (keyBindings.writeGnomeBindings(panel.bindings()))
                    panel.infoBar.showSuccess(qsTr("已写入 GNOME 快捷键"));
                else
                    panel.infoBar.showError(qsTr("无法写入 GNOME 快捷键"));
            }
        }

        FluButton {
            objectName: "removeGnomeButton"
            visible: !panel.portal && panel.desktop === "gnome"
            text: qsTr("移除 GNOME 快捷键")
            onClicked: {
                if (keyBindings.removeGnomeBindings())
                    panel.infoBar.showSuccess(qsTr("已移除 GNOME 快捷键"));
                else
                    panel.infoBar.showError(qsTr("无法移除 GNOME 快捷键"));
            }
        }
    }
}
