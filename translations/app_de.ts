<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="zh_CN">
<context>
    <name>AutoSave</name>
    <message>
        <source>上次自动保存的文件无法移开，为了不覆盖它，自动保存已停止</source>
        <translation>Die letzte automatische Sicherung lässt sich nicht beiseitelegen; damit sie nicht überschrieben wird, ist die automatische Sicherung angehalten</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>自动保存的位置不是普通文件</source>
        <translation>Am Ort der automatischen Sicherung liegt keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>DesktopServices</name>
    <message>
        <source>保存绘图</source>
        <translation>Zeichnung speichern</translation>
    </message>
    <message>
        <source>打开绘图</source>
        <translation>Zeichnung öffnen</translation>
    </message>
    <message>
        <source>Quillmark 绘图 (*.qmark)</source>
        <translation>Quillmark-Zeichnungen (*.qmark)</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>桌面快捷键</source>
        <translation>Tastenkürzel des Desktops</translation>
    </message>
    <message>
        <source>热键由桌面管理：桌面决定最终的按键，每个热键下方显示桌面指定的按键。</source>
        <translation>Die Tastenkürzel verwaltet der Desktop: Er legt die endgültigen Tasten fest; sie stehen unter jedem Tastenkürzel.</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键。请把下面几行加入桌面的配置文件（sway：~/.config/sway/config；Hyprland：~/.config/hypr/hyprland.conf），然后重新加载配置。</source>
        <translation>Dieser Desktop lässt keine Anwendung globale Tastenkürzel empfangen. Fügen Sie die folgenden Zeilen in seine Konfiguration ein (sway: ~/.config/sway/config; Hyprland: ~/.config/hypr/hyprland.conf) und laden Sie sie neu.</translation>
    </message>
    <message>
        <source>此版本的 GNOME 不允许程序接收全局热键。点击“写入 GNOME 快捷键”，把每个热键写入 GNOME 的自定义快捷键；“移除”会删除这些快捷键。</source>
        <translation>Diese GNOME-Version lässt keine Anwendung globale Tastenkürzel empfangen. „GNOME-Tastenkürzel eintragen“ macht jedes Tastenkürzel zu einem eigenen GNOME-Tastenkürzel; „Entfernen“ löscht sie wieder.</translation>
    </message>
    <message>
        <source>请打开“系统设置 → 快捷键 → 添加新的 → 命令或脚本”，命令填写 %1（其他动作见帮助），再设定按键。</source>
        <translation>Öffnen Sie „Systemeinstellungen → Kurzbefehle → Neu hinzufügen → Befehl oder Skript“, geben Sie den Befehl %1 ein (die übrigen Aktionen stehen in der Hilfe) und legen Sie eine Taste fest.</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键。请在桌面的快捷键设置中把按键绑定到命令，例如 Ctrl+Z → %1。</source>
        <translation>Dieser Desktop lässt keine Anwendung globale Tastenkürzel empfangen. Belegen Sie in den Tastenkürzel-Einstellungen des Desktops Tasten mit Befehlen, zum Beispiel Strg+Z → %1.</translation>
    </message>
    <message>
        <source>打开桌面的快捷键设置</source>
        <translation>Tastenkürzel-Einstellungen des Desktops öffnen</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>写入 GNOME 快捷键</source>
        <translation>GNOME-Tastenkürzel eintragen</translation>
    </message>
    <message>
        <source>已写入 GNOME 快捷键</source>
        <translation>GNOME-Tastenkürzel eingetragen</translation>
    </message>
    <message>
        <source>无法写入 GNOME 快捷键</source>
        <translation>Die GNOME-Tastenkürzel konnten nicht eingetragen werden</translation>
    </message>
    <message>
        <source>移除 GNOME 快捷键</source>
        <translation>GNOME-Tastenkürzel entfernen</translation>
    </message>
    <message>
        <source>已移除 GNOME 快捷键</source>
        <translation>GNOME-Tastenkürzel entfernt</translation>
    </message>
    <message>
        <source>无法移除 GNOME 快捷键</source>
        <translation>Die GNOME-Tastenkürzel konnten nicht entfernt werden</translation>
    </message>
</context>
<context>
    <name>DrawingFile</name>
    <message>
        <source>缺少“%1”</source>
        <translation>„%1“ fehlt</translation>
    </message>
    <message>
        <source>“%1”应为 %2 到 %3 之间的整数</source>
        <translation>„%1“ muss eine ganze Zahl von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>“%1”应为两个 %2 到 %3 之间的整数坐标</source>
        <translation>„%1“ muss aus zwei ganzzahligen Koordinaten von %2 bis %3 bestehen</translation>
    </message>
    <message>
        <source>“points”应为坐标列表</source>
        <translation>„points“ muss eine Liste von Koordinaten sein</translation>
    </message>
    <message>
        <source>“points”应为成对的坐标，至少一个点</source>
        <translation>„points“ muss Koordinatenpaare enthalten, mindestens einen Punkt</translation>
    </message>
    <message>
        <source>“pressures”应为每个点一个 0 到 %1 之间的整数</source>
        <translation>„pressures“ muss für jeden Punkt eine ganze Zahl von 0 bis %1 enthalten</translation>
    </message>
    <message>
        <source>笔画的点过多（最多 %1 个，整幅绘图最多 %2 个）</source>
        <translation>der Strich hat zu viele Punkte (höchstens %1, in der ganzen Zeichnung %2)</translation>
    </message>
    <message>
        <source>“points”的第 %1 个点应为两个 %2 到 %3 之间的整数坐标</source>
        <translation>Punkt %1 von „points“ muss aus zwei ganzzahligen Koordinaten von %2 bis %3 bestehen</translation>
    </message>
    <message>
        <source>“color”应为 #rrggbb 或 #aarrggbb 形式的颜色</source>
        <translation>„color“ muss eine Farbe der Form #rrggbb oder #aarrggbb sein</translation>
    </message>
    <message>
        <source>“opacity”应为 0 到 1 之间的数</source>
        <translation>„opacity“ muss eine Zahl von 0 bis 1 sein</translation>
    </message>
    <message>
        <source>“text”应为不超过 %1 个字符的文字</source>
        <translation>„text“ muss ein Text mit höchstens %1 Zeichen sein</translation>
    </message>
    <message>
        <source>未知的元素种类“%1”</source>
        <translation>unbekannte Elementart „%1“</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>内容无效</source>
        <translation>ungültiger Inhalt</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>Die Datei ist leer</translation>
    </message>
    <message>
        <source>文件过大（最大 %1 MB）</source>
        <translation>Die Datei ist zu groß (höchstens %1 MB)</translation>
    </message>
    <message>
        <source>文件已损坏或不完整（第 %1 个字节处：%2）</source>
        <translation>Die Datei ist beschädigt oder unvollständig (bei Byte %1: %2)</translation>
    </message>
    <message>
        <source>这不是 Quillmark 绘图文件</source>
        <translation>Dies ist keine Quillmark-Zeichnung</translation>
    </message>
    <message>
        <source>绘图文件的格式版本无效</source>
        <translation>Die Formatversion der Zeichnung ist ungültig</translation>
    </message>
    <message>
        <source>这个绘图来自较新的 Quillmark（格式版本 %1），本版本只能打开版本 %2 及更早的绘图，请更新 Quillmark</source>
        <translation>Diese Zeichnung stammt aus einem neueren Quillmark (Formatversion %1); diese Version öffnet Zeichnungen bis Version %2. Bitte aktualisieren Sie Quillmark</translation>
    </message>
    <message>
        <source>“circleCounter”应为 0 到 %1 之间的整数</source>
        <translation>„circleCounter“ muss eine ganze Zahl von 0 bis %1 sein</translation>
    </message>
    <message>
        <source>绘图文件缺少元素列表</source>
        <translation>Der Zeichnung fehlt die Liste der Elemente</translation>
    </message>
    <message>
        <source>绘图的元素过多（%1 个，最多 %2 个）</source>
        <translation>Die Zeichnung hat zu viele Elemente (%1, höchstens %2)</translation>
    </message>
    <message>
        <source>应为一个对象</source>
        <translation>muss ein Objekt sein</translation>
    </message>
    <message>
        <source>第 %1 个元素：%2</source>
        <translation>Element %1: %2</translation>
    </message>
    <message>
        <source>无法保存绘图：%1</source>
        <translation>Die Zeichnung kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Die Datei kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>只能保存到本机的文件</source>
        <translation>Zeichnungen lassen sich nur in lokale Dateien speichern</translation>
    </message>
    <message>
        <source>只能打开本机的文件</source>
        <translation>Nur lokale Dateien lassen sich öffnen</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>绘图过于复杂，显示它要花太久（墨迹超过 %1 百万像素）</source>
        <translation>Die Zeichnung ist zu aufwendig, um sie in vertretbarer Zeit anzuzeigen (mehr als %1 Millionen Pixel Tinte)</translation>
    </message>
</context>
<context>
    <name>FluInfoBar</name>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>FluShortcutPicker</name>
    <message>
        <source>保存</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>不使用</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>已被其他程序占用</source>
        <translation>Von einer anderen Anwendung belegt</translation>
    </message>
    <message>
        <source>按 Enter 保存，Esc 取消，Delete 不使用</source>
        <translation>Eingabe speichert, Esc bricht ab, Entf setzt keine Taste</translation>
    </message>
</context>
<context>
    <name>LoadingPanel</name>
    <message>
        <source>正在打开绘图… %1%</source>
        <translation>Zeichnung wird geöffnet … %1 %</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>OverlaySurface</name>
    <message>
        <source>图片导出失败：</source>
        <translation>Das Bild konnte nicht exportiert werden: </translation>
    </message>
</context>
<context>
    <name>PenKeys</name>
    <message>
        <source>%1 像素</source>
        <translation>%1 px</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>文件已存在</source>
        <translation>Die Datei existiert bereits</translation>
    </message>
    <message>
        <source>这是一个符号链接，不会写到它指向的地方</source>
        <translation>Dies ist ein symbolischer Link; an sein Ziel wird nichts geschrieben</translation>
    </message>
    <message>
        <source>这不是普通文件（文件夹、设备或管道），不会写入</source>
        <translation>Dies ist keine gewöhnliche Datei (ein Ordner, ein Gerät oder eine Pipe); es wird nichts geschrieben</translation>
    </message>
    <message>
        <source>这是一个文件夹，不是文件</source>
        <translation>Dies ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>这不是普通文件（例如管道或设备），不会读取</source>
        <translation>Dies ist keine gewöhnliche Datei (etwa eine Pipe oder ein Gerät); sie wird nicht gelesen</translation>
    </message>
    <message>
        <source>文件过大（最大 %1 MB）</source>
        <translation>Die Datei ist zu groß (höchstens %1 MB)</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Abgebrochen</translation>
    </message>
</context>
<context>
    <name>ScreenGrabber</name>
    <message>
        <source>此 Wayland 会话无法读取屏幕（缺少截图门户 xdg-desktop-portal 或其后端）</source>
        <translation>Diese Wayland-Sitzung kann den Bildschirm nicht lesen (das Bildschirmfoto-Portal von xdg-desktop-portal oder sein Backend fehlt)</translation>
    </message>
    <message>
        <source>截图已取消</source>
        <translation>Bildschirmfoto abgebrochen</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>设置文件正被另一个程序使用</source>
        <translation>Ein anderes Programm verwendet die Einstellungsdatei</translation>
    </message>
    <message>
        <source>无法整理设置</source>
        <translation>Die Einstellungen lassen sich nicht zusammenstellen</translation>
    </message>
    <message>
        <source>整理后的设置不完整</source>
        <translation>Die zusammengestellten Einstellungen sind unvollständig</translation>
    </message>
</context>
<context>
    <name>TextInputDialog</name>
    <message>
        <source>输入文字</source>
        <translation>Text eingeben</translation>
    </message>
    <message>
        <source>请输入要添加的文字</source>
        <translation>Geben Sie den Text ein, der eingefügt werden soll</translation>
    </message>
    <message>
        <source>文字大小: </source>
        <translation>Textgröße: </translation>
    </message>
</context>
<context>
    <name>ToolNames</name>
    <message>
        <source>普通画笔</source>
        <translation>Normaler Stift</translation>
    </message>
    <message>
        <source>荧光笔</source>
        <translation>Textmarker</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>序号圆</source>
        <translation>Nummerierter Kreis</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>透明</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>白板</source>
        <translation>Whiteboard</translation>
    </message>
    <message>
        <source>黑板</source>
        <translation>Tafel</translation>
    </message>
    <message>
        <source>背景图片</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>%1 像素</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Laserpointer</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>每 %1 秒</source>
        <translation>alle %1 s</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>ToolbarButtons</name>
    <message>
        <source>鼠标</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>保存绘图…</source>
        <translation>Zeichnung speichern …</translation>
    </message>
    <message>
        <source>打开绘图…</source>
        <translation>Zeichnung öffnen …</translation>
    </message>
    <message>
        <source>导出图片…</source>
        <translation>Bild exportieren …</translation>
    </message>
    <message>
        <source>演示工具</source>
        <translation>Präsentationswerkzeuge</translation>
    </message>
    <message>
        <source>已选择：%1</source>
        <translation>Gewählt: %1</translation>
    </message>
    <message>
        <source>拖动工具栏</source>
        <translation>Werkzeugleiste verschieben</translation>
    </message>
    <message>
        <source>展开工具栏</source>
        <translation>Werkzeugleiste ausklappen</translation>
    </message>
    <message>
        <source>收起工具栏</source>
        <translation>Werkzeugleiste einklappen</translation>
    </message>
    <message>
        <source>绘制</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>画笔：%1</source>
        <translation>Stift: %1</translation>
    </message>
    <message>
        <source>形状：%1</source>
        <translation>Form: %1</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>橡皮擦已开启</source>
        <translation>Radierer an</translation>
    </message>
    <message>
        <source>橡皮擦已关闭</source>
        <translation>Radierer aus</translation>
    </message>
    <message>
        <source>清除全部</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>画板：%1</source>
        <translation>Tafel: %1</translation>
    </message>
    <message>
        <source>截屏</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>画笔颜色</source>
        <translation>Stiftfarbe</translation>
    </message>
    <message>
        <source>粗细：%1</source>
        <translation>Strichstärke: %1</translation>
    </message>
    <message>
        <source>自动消失：%1</source>
        <translation>Ausblenden: %1</translation>
    </message>
    <message>
        <source>呼吸：%1</source>
        <translation>Pulsieren: %1</translation>
    </message>
    <message>
        <source>演示工具：%1</source>
        <translation>Präsentationswerkzeug: %1</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>复制所选</source>
        <translation>Auswahl duplizieren</translation>
    </message>
</context>
<context>
    <name>ToolbarHotkeys</name>
    <message>
        <source>截屏</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>退出绘制模式</source>
        <translation>Zeichenmodus verlassen</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>清除画布</source>
        <translation>Zeichenfläche leeren</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>直线模式</source>
        <translation>Linienmodus</translation>
    </message>
    <message>
        <source>圆形模式</source>
        <translation>Kreismodus</translation>
    </message>
    <message>
        <source>矩形模式</source>
        <translation>Rechteckmodus</translation>
    </message>
    <message>
        <source>箭头模式</source>
        <translation>Pfeilmodus</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Laserpointer</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>聚焦工具栏</source>
        <translation>Werkzeugleiste ansteuern</translation>
    </message>
    <message>
        <source>橡皮擦已开启</source>
        <translation>Radierer an</translation>
    </message>
    <message>
        <source>橡皮擦已关闭</source>
        <translation>Radierer aus</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Auswählen</translation>
    </message>
</context>
<context>
    <name>ToolbarWindows</name>
    <message>
        <source>图片已导出到：</source>
        <translation>Bild exportiert nach: </translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>当前已经是最新!</source>
        <translation>Sie haben bereits die neueste Version!</translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation>Über Quillmark</translation>
    </message>
    <message>
        <source>Penvoro</source>
        <translation>Penvoro</translation>
    </message>
    <message>
        <source>当前版本: </source>
        <translation>Aktuelle Version: </translation>
    </message>
    <message>
        <source>公司名称:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>官方网站:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Penvoro官网</source>
        <translation>Penvoro-Website</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>版权所有 © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
</context>
<context>
    <name>draw</name>
    <message>
        <source>Ctrl+鼠标滚轮:缩放图片</source>
        <translation>Strg+Mausrad: Bild vergrößern oder verkleinern</translation>
    </message>
    <message>
        <source>Ctrl+鼠标移动:拖动图片</source>
        <translation>Strg+Mausbewegung: Bild verschieben</translation>
    </message>
    <message>
        <source>请选择一个文件</source>
        <translation>Bitte wählen Sie eine Datei</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>绘图已保存：</source>
        <translation>Zeichnung gespeichert: </translation>
    </message>
    <message>
        <source>绘图保存失败：</source>
        <translation>Die Zeichnung konnte nicht gespeichert werden: </translation>
    </message>
    <message>
        <source>已打开绘图：</source>
        <translation>Zeichnung geöffnet: </translation>
    </message>
    <message>
        <source>无法打开绘图：</source>
        <translation>Die Zeichnung kann nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>已取消打开绘图，画面上的绘图没有改变</source>
        <translation>Öffnen abgebrochen; die Zeichnung auf dem Bildschirm ist unverändert</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>没有系统托盘：请通过工具栏菜单中的“退出”结束程序。</source>
        <translation>Kein Infobereich: Beenden Sie Quillmark über „Beenden“ im Menü der Werkzeugleiste.</translation>
    </message>
    <message>
        <source>要显示托盘图标，请安装托盘扩展（GNOME：AppIndicator and KStatusNotifierItem Support）或使用带托盘的面板。</source>
        <translation>Für ein Symbol im Infobereich installieren Sie eine passende Erweiterung (GNOME: AppIndicator and KStatusNotifierItem Support) oder verwenden Sie eine Leiste mit Infobereich.</translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>painter</name>
    <message>
        <source>Shit+绘制:绘制90°,45°,180°直线</source>
        <translation>Umschalt+Zeichnen: Linien in 90°, 45° oder 180°</translation>
    </message>
    <message>
        <source>Shit+绘制:绘制正方形</source>
        <translation>Umschalt+Zeichnen: Quadrate</translation>
    </message>
    <message>
        <source>截图保存失败：</source>
        <translation>Das Bildschirmfoto konnte nicht gespeichert werden: </translation>
    </message>
    <message>
        <source>（已复制到剪贴板）</source>
        <translation> (auch in die Zwischenablage kopiert)</translation>
    </message>
    <message>
        <source>（无法复制到剪贴板）</source>
        <translation> (konnte nicht in die Zwischenablage kopiert werden)</translation>
    </message>
    <message>
        <source>上次的绘图已自动保存，可以恢复。</source>
        <translation>Ihre letzte Zeichnung wurde automatisch gespeichert und kann wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>恢复上次的绘图</source>
        <translation>Letzte Zeichnung wiederherstellen</translation>
    </message>
    <message>
        <source>已恢复上次的绘图</source>
        <translation>Letzte Zeichnung wiederhergestellt</translation>
    </message>
    <message>
        <source>无法恢复上次的绘图</source>
        <translation>Die letzte Zeichnung konnte nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>还没有可导出的绘图</source>
        <translation>Es gibt noch keine Zeichnung zum Exportieren</translation>
    </message>
    <message>
        <source>截图已保存到：</source>
        <translation>Bildschirmfoto gespeichert unter: </translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键，请在桌面的快捷键设置中绑定按键。</source>
        <translation>Dieser Desktop lässt keine Anwendung globale Tastenkürzel empfangen: Belegen Sie die Tasten in den Tastenkürzel-Einstellungen des Desktops.</translation>
    </message>
    <message>
        <source>查看设置方法</source>
        <translation>Anleitung zeigen</translation>
    </message>
    <message>
        <source>绘制已开启</source>
        <translation>Zeichnen an</translation>
    </message>
    <message>
        <source>绘制已关闭，点击会穿过画布</source>
        <translation>Zeichnen aus: Klicks gehen an die Fenster darunter</translation>
    </message>
    <message>
        <source>上次自动保存的绘图无法读取（%1），已原样保留为 %2</source>
        <translation>Die zuletzt automatisch gesicherte Zeichnung kann nicht gelesen werden (%1); sie bleibt unverändert als %2 erhalten</translation>
    </message>
    <message>
        <source>上次自动保存的绘图无法读取（%1），也无法移开；为了不覆盖它，自动保存已停止</source>
        <translation>Die zuletzt automatisch gesicherte Zeichnung kann weder gelesen (%1) noch beiseitegelegt werden; damit sie nicht überschrieben wird, ist die automatische Sicherung angehalten</translation>
    </message>
    <message>
        <source>自动保存失败：%1。绘图仍在屏幕上，可以用“保存绘图…”保存到别处。</source>
        <translation>Automatische Sicherung fehlgeschlagen: %1. Die Zeichnung ist noch auf dem Bildschirm; mit „Zeichnung speichern …“ können Sie sie an anderer Stelle speichern.</translation>
    </message>
    <message>
        <source>自动保存已恢复正常</source>
        <translation>Die automatische Sicherung funktioniert wieder</translation>
    </message>
    <message>
        <source>上次的绘图没有恢复，已原样保留为 %1</source>
        <translation>Die letzte Zeichnung wurde nicht wiederhergestellt; sie bleibt unverändert als %1 erhalten</translation>
    </message>
    <message>
        <source>点击或框选元素，拖动即可移动；Delete 删除所选</source>
        <translation>Element anklicken oder mehrere mit einem Rahmen umziehen; Ziehen verschiebt, Entf löscht die Auswahl</translation>
    </message>
    <message>
        <source>请先用选择工具选中要复制的元素</source>
        <translation>Wählen Sie zuerst mit dem Auswahlwerkzeug aus, was dupliziert werden soll</translation>
    </message>
</context>
<context>
    <name>select</name>
    <message>
        <source>现在不可用</source>
        <translation>Derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>矩形绘制</source>
        <translation>Rechtecke zeichnen</translation>
    </message>
    <message>
        <source>箭头绘制</source>
        <translation>Pfeile zeichnen</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>不使用</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>已被其他程序占用</source>
        <translation>Von einer anderen Anwendung belegt</translation>
    </message>
    <message>
        <source>无法重新启动程序，请手动重新启动以使用新语言</source>
        <translation>Quillmark konnte nicht neu starten; starten Sie es selbst neu, um die neue Sprache zu verwenden</translation>
    </message>
    <message>
        <source>截屏热键</source>
        <translation>Tastenkürzel Bildschirmfoto</translation>
    </message>
    <message>
        <source>画笔热键</source>
        <translation>Tastenkürzel Stift</translation>
    </message>
    <message>
        <source>关闭画笔</source>
        <translation>Stift beenden</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>添加文字</source>
        <translation>Text einfügen</translation>
    </message>
    <message>
        <source>清除绘制</source>
        <translation>Zeichnung löschen</translation>
    </message>
    <message>
        <source>直线绘制</source>
        <translation>Linien zeichnen</translation>
    </message>
    <message>
        <source>圆形绘制</source>
        <translation>Kreise zeichnen</translation>
    </message>
    <message>
        <source>截图路径</source>
        <translation>Ordner für Bildschirmfotos</translation>
    </message>
    <message>
        <source>截图保存路径</source>
        <translation>Speicherort der Bildschirmfotos</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>无法更改开机启动</source>
        <translation>Der Start bei der Anmeldung konnte nicht geändert werden</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>按下键盘用于改变热键</source>
        <translation>Drücken Sie die Tasten für das neue Tastenkürzel</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>重制</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>与%1相同，此键由“%2”响应</source>
        <translation>Dieselben Tasten wie %1; „%2“ reagiert darauf</translation>
    </message>
    <message>
        <source>截图和导出后复制到剪贴板</source>
        <translation>Bildschirmfotos und Exporte auch in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>平滑鼠标笔迹</source>
        <translation>Mausstriche glätten</translation>
    </message>
    <message>
        <source>平滑手写笔和触摸笔迹</source>
        <translation>Stift- und Touch-Striche glätten</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Laserpointer</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>桌面指定的按键：%1</source>
        <translation>Vom Desktop vergebene Taste: %1</translation>
    </message>
    <message>
        <source>桌面尚未指定按键</source>
        <translation>Der Desktop hat noch keine Taste vergeben</translation>
    </message>
    <message>
        <source>聚焦工具栏</source>
        <translation>Werkzeugleiste ansteuern</translation>
    </message>
    <message>
        <source>工具栏大小</source>
        <translation>Größe der Werkzeugleiste</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>主屏幕</source>
        <translation>Hauptbildschirm</translation>
    </message>
    <message>
        <source>%1（未连接）</source>
        <translation>%1 (nicht verbunden)</translation>
    </message>
    <message>
        <source>工具栏所在屏幕</source>
        <translation>Bildschirm der Werkzeugleiste</translation>
    </message>
    <message>
        <source>选择工具</source>
        <translation>Auswahlwerkzeug</translation>
    </message>
</context>
<context>
    <name>showUpdate</name>
    <message>
        <source>无法启动更新程序，请稍后重试或手动更新</source>
        <translation>Das Update-Programm konnte nicht gestartet werden; versuchen Sie es später erneut oder aktualisieren Sie von Hand</translation>
    </message>
    <message>
        <source>升级到新版本  V</source>
        <translation>Update auf Version  V</translation>
    </message>
    <message>
        <source>立即体验</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>updateWindow</name>
    <message>
        <source>已是最新版本</source>
        <translation>Bereits auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>此版本无法安装，已保留原版本:</source>
        <translation>Diese Version lässt sich nicht installieren; die installierte Version bleibt erhalten:</translation>
    </message>
    <message>
        <source>上次更新未能撤销，下次启动时将继续:</source>
        <translation>Das letzte Update konnte noch nicht rückgängig gemacht werden; das geschieht beim nächsten Start:</translation>
    </message>
    <message>
        <source>没有需要更新的文件</source>
        <translation>Keine Dateien zu aktualisieren</translation>
    </message>
    <message>
        <source>更新未能完成，原版本将在下次启动时恢复:</source>
        <translation>Das Update konnte nicht abgeschlossen werden; die installierte Version wird beim nächsten Start wiederhergestellt:</translation>
    </message>
    <message>
        <source>无法获取更新信息 (HTTP %1)</source>
        <translation>Die Update-Informationen konnten nicht abgerufen werden (HTTP %1)</translation>
    </message>
    <message>
        <source>更新信息无法解析</source>
        <translation>Die Update-Informationen sind nicht lesbar</translation>
    </message>
    <message>
        <source>更新信息被拒绝: %1</source>
        <translation>Die Update-Informationen wurden abgelehnt: %1</translation>
    </message>
    <message>
        <source>以下文件未能更新，已保留原版本:</source>
        <translation>Diese Dateien konnten nicht aktualisiert werden; die installierte Version bleibt erhalten:</translation>
    </message>
    <message>
        <source>无法启动 %1，请手动启动</source>
        <translation>%1 konnte nicht gestartet werden; bitte starten Sie es selbst</translation>
    </message>
    <message>
        <source>软件更新</source>
        <translation>Software-Update</translation>
    </message>
    <message>
        <source>更新完成</source>
        <translation>Update abgeschlossen</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>Update fehlgeschlagen</translation>
    </message>
    <message>
        <source>正在下载更新</source>
        <translation>Update wird heruntergeladen</translation>
    </message>
    <message>
        <source>所有文件已下载完成</source>
        <translation>Alle Dateien wurden heruntergeladen</translation>
    </message>
    <message>
        <source>正在下载文件: %1 (%2/%3)</source>
        <translation>%1 wird heruntergeladen (%2/%3)</translation>
    </message>
    <message>
        <source>重启应用</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>重试</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>总进度: %1/%2 文件</source>
        <translation>Gesamt: %1 von %2 Dateien</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
