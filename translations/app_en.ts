<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AutoSave</name>
    <message>
        <source>上次自动保存的文件无法移开，为了不覆盖它，自动保存已停止</source>
        <translation>The last autosave cannot be moved aside; autosave has stopped so as not to overwrite it</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <source>自动保存的位置不是普通文件</source>
        <translation>The autosave location is not a regular file</translation>
    </message>
</context>
<context>
    <name>DesktopServices</name>
    <message>
        <source>保存绘图</source>
        <translation>Save drawing</translation>
    </message>
    <message>
        <source>打开绘图</source>
        <translation>Open drawing</translation>
    </message>
    <message>
        <source>Quillmark 绘图 (*.qmark)</source>
        <translation>Quillmark drawings (*.qmark)</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>桌面快捷键</source>
        <translation>Desktop shortcuts</translation>
    </message>
    <message>
        <source>热键由桌面管理：桌面决定最终的按键，每个热键下方显示桌面指定的按键。</source>
        <translation>The desktop manages the hot keys: it decides the final keys, shown under each hot key.</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键。请把下面几行加入桌面的配置文件（sway：~/.config/sway/config；Hyprland：~/.config/hypr/hyprland.conf），然后重新加载配置。</source>
        <translation>This desktop lets no program receive global keys. Add the lines below to its configuration (sway: ~/.config/sway/config; Hyprland: ~/.config/hypr/hyprland.conf), then reload it.</translation>
    </message>
    <message>
        <source>此版本的 GNOME 不允许程序接收全局热键。点击“写入 GNOME 快捷键”，把每个热键写入 GNOME 的自定义快捷键；“移除”会删除这些快捷键。</source>
        <translation>This version of GNOME lets no program receive global keys. “Write GNOME shortcuts” makes every hot key a GNOME custom shortcut; “Remove” deletes them again.</translation>
    </message>
    <message>
        <source>请打开“系统设置 → 快捷键 → 添加新的 → 命令或脚本”，命令填写 %1（其他动作见帮助），再设定按键。</source>
        <translation>Open “System Settings → Shortcuts → Add New → Command or Script”, enter the command %1 (the other actions are in the help) and set a key.</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键。请在桌面的快捷键设置中把按键绑定到命令，例如 Ctrl+Z → %1。</source>
        <translation>This desktop lets no program receive global keys. Bind keys to commands in the desktop&apos;s shortcut settings, for example Ctrl+Z → %1.</translation>
    </message>
    <message>
        <source>打开桌面的快捷键设置</source>
        <translation>Open the desktop&apos;s shortcut settings</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>写入 GNOME 快捷键</source>
        <translation>Write GNOME shortcuts</translation>
    </message>
    <message>
        <source>已写入 GNOME 快捷键</source>
        <translation>GNOME shortcuts written</translation>
    </message>
    <message>
        <source>无法写入 GNOME 快捷键</source>
        <translation>Could not write the GNOME shortcuts</translation>
    </message>
    <message>
        <source>移除 GNOME 快捷键</source>
        <translation>Remove GNOME shortcuts</translation>
    </message>
    <message>
        <source>已移除 GNOME 快捷键</source>
        <translation>GNOME shortcuts removed</translation>
    </message>
    <message>
        <source>无法移除 GNOME 快捷键</source>
        <translation>Could not remove the GNOME shortcuts</translation>
    </message>
</context>
<context>
    <name>DrawingFile</name>
    <message>
        <source>缺少“%1”</source>
        <translation>“%1” is missing</translation>
    </message>
    <message>
        <source>“%1”应为 %2 到 %3 之间的整数</source>
        <translation>“%1” must be a whole number from %2 to %3</translation>
    </message>
    <message>
        <source>“%1”应为两个 %2 到 %3 之间的整数坐标</source>
        <translation>“%1” must be two whole-number coordinates from %2 to %3</translation>
    </message>
    <message>
        <source>“points”应为坐标列表</source>
        <translation>“points” must be a list of coordinates</translation>
    </message>
    <message>
        <source>“points”应为成对的坐标，至少一个点</source>
        <translation>“points” must hold coordinates in pairs, at least one point</translation>
    </message>
    <message>
        <source>“pressures”应为每个点一个 0 到 %1 之间的整数</source>
        <translation>“pressures” must hold one whole number from 0 to %1 for each point</translation>
    </message>
    <message>
        <source>笔画的点过多（最多 %1 个，整幅绘图最多 %2 个）</source>
        <translation>the stroke has too many points (at most %1, and %2 in the whole drawing)</translation>
    </message>
    <message>
        <source>“points”的第 %1 个点应为两个 %2 到 %3 之间的整数坐标</source>
        <translation>point %1 of “points” must be two whole-number coordinates from %2 to %3</translation>
    </message>
    <message>
        <source>“color”应为 #rrggbb 或 #aarrggbb 形式的颜色</source>
        <translation>“color” must be a colour written #rrggbb or #aarrggbb</translation>
    </message>
    <message>
        <source>“opacity”应为 0 到 1 之间的数</source>
        <translation>“opacity” must be a number from 0 to 1</translation>
    </message>
    <message>
        <source>“text”应为不超过 %1 个字符的文字</source>
        <translation>“text” must be text of at most %1 characters</translation>
    </message>
    <message>
        <source>未知的元素种类“%1”</source>
        <translation>unknown kind of element “%1”</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>内容无效</source>
        <translation>invalid content</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>The file is empty</translation>
    </message>
    <message>
        <source>文件过大（最大 %1 MB）</source>
        <translation>The file is too large (at most %1 MB)</translation>
    </message>
    <message>
        <source>文件已损坏或不完整（第 %1 个字节处：%2）</source>
        <translation>The file is damaged or incomplete (at byte %1: %2)</translation>
    </message>
    <message>
        <source>这不是 Quillmark 绘图文件</source>
        <translation>This is not a Quillmark drawing</translation>
    </message>
    <message>
        <source>绘图文件的格式版本无效</source>
        <translation>The drawing&apos;s format version is invalid</translation>
    </message>
    <message>
        <source>这个绘图来自较新的 Quillmark（格式版本 %1），本版本只能打开版本 %2 及更早的绘图，请更新 Quillmark</source>
        <translation>This drawing comes from a newer Quillmark (format version %1); this version opens versions up to %2. Please update Quillmark</translation>
    </message>
    <message>
        <source>“circleCounter”应为 0 到 %1 之间的整数</source>
        <translation>“circleCounter” must be a whole number from 0 to %1</translation>
    </message>
    <message>
        <source>绘图文件缺少元素列表</source>
        <translation>The drawing has no list of elements</translation>
    </message>
    <message>
        <source>绘图的元素过多（%1 个，最多 %2 个）</source>
        <translation>The drawing has too many elements (%1, at most %2)</translation>
    </message>
    <message>
        <source>应为一个对象</source>
        <translation>must be an object</translation>
    </message>
    <message>
        <source>第 %1 个元素：%2</source>
        <translation>Element %1: %2</translation>
    </message>
    <message>
        <source>无法保存绘图：%1</source>
        <translation>Cannot save the drawing: %1</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Cannot open the file: %1</translation>
    </message>
    <message>
        <source>只能保存到本机的文件</source>
        <translation>Drawings can only be saved to local files</translation>
    </message>
    <message>
        <source>只能打开本机的文件</source>
        <translation>Only local files can be opened</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>绘图过于复杂，显示它要花太久（墨迹超过 %1 百万像素）</source>
        <translation>The drawing is too complex to show in reasonable time (more than %1 million pixels of ink)</translation>
    </message>
</context>
<context>
    <name>FluInfoBar</name>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>FluShortcutPicker</name>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>不使用</source>
        <translation>None</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>已被其他程序占用</source>
        <translation>Held by another program</translation>
    </message>
    <message>
        <source>按 Enter 保存，Esc 取消，Delete 不使用</source>
        <translation>Enter saves, Esc cancels, Delete sets no key</translation>
    </message>
</context>
<context>
    <name>LoadingPanel</name>
    <message>
        <source>正在打开绘图… %1%</source>
        <translation>Opening the drawing… %1%</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>OverlaySurface</name>
    <message>
        <source>图片导出失败：</source>
        <translation>Could not export the picture: </translation>
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
        <translation>The file already exists</translation>
    </message>
    <message>
        <source>这是一个符号链接，不会写到它指向的地方</source>
        <translation>This is a symbolic link; nothing is written to where it points</translation>
    </message>
    <message>
        <source>这不是普通文件（文件夹、设备或管道），不会写入</source>
        <translation>This is not a regular file (a folder, device or pipe); nothing is written</translation>
    </message>
    <message>
        <source>这是一个文件夹，不是文件</source>
        <translation>This is a folder, not a file</translation>
    </message>
    <message>
        <source>这不是普通文件（例如管道或设备），不会读取</source>
        <translation>This is not a regular file (a pipe or a device, for example); it is not read</translation>
    </message>
    <message>
        <source>文件过大（最大 %1 MB）</source>
        <translation>The file is too large (at most %1 MB)</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Cancelled</translation>
    </message>
</context>
<context>
    <name>ScreenGrabber</name>
    <message>
        <source>此 Wayland 会话无法读取屏幕（缺少截图门户 xdg-desktop-portal 或其后端）</source>
        <translation>This Wayland session cannot read the screen (the xdg-desktop-portal screenshot portal or its back-end is missing)</translation>
    </message>
    <message>
        <source>截图已取消</source>
        <translation>Screenshot cancelled</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <source>设置文件正被另一个程序使用</source>
        <translation>Another program is using the settings file</translation>
    </message>
    <message>
        <source>无法整理设置</source>
        <translation>Cannot put the settings together</translation>
    </message>
    <message>
        <source>整理后的设置不完整</source>
        <translation>The settings put together are incomplete</translation>
    </message>
</context>
<context>
    <name>TextInputDialog</name>
    <message>
        <source>输入文字</source>
        <translation>Enter text</translation>
    </message>
    <message>
        <source>请输入要添加的文字</source>
        <translation>Enter the text to add</translation>
    </message>
    <message>
        <source>文字大小: </source>
        <translation>Text size: </translation>
    </message>
</context>
<context>
    <name>ToolNames</name>
    <message>
        <source>普通画笔</source>
        <translation>Plain pen</translation>
    </message>
    <message>
        <source>荧光笔</source>
        <translation>Highlighter</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Arrow</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>序号圆</source>
        <translation>Numbered circle</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>透明</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>白板</source>
        <translation>White board</translation>
    </message>
    <message>
        <source>黑板</source>
        <translation>Black board</translation>
    </message>
    <message>
        <source>背景图片</source>
        <translation>Background picture</translation>
    </message>
    <message>
        <source>%1 像素</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Laser pointer</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>每 %1 秒</source>
        <translation>every %1 s</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Select</translation>
    </message>
</context>
<context>
    <name>ToolbarButtons</name>
    <message>
        <source>鼠标</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>保存绘图…</source>
        <translation>Save drawing…</translation>
    </message>
    <message>
        <source>打开绘图…</source>
        <translation>Open drawing…</translation>
    </message>
    <message>
        <source>导出图片…</source>
        <translation>Export image…</translation>
    </message>
    <message>
        <source>演示工具</source>
        <translation>Presenter tools</translation>
    </message>
    <message>
        <source>已选择：%1</source>
        <translation>Selected: %1</translation>
    </message>
    <message>
        <source>拖动工具栏</source>
        <translation>Drag the toolbar</translation>
    </message>
    <message>
        <source>展开工具栏</source>
        <translation>Expand the toolbar</translation>
    </message>
    <message>
        <source>收起工具栏</source>
        <translation>Collapse the toolbar</translation>
    </message>
    <message>
        <source>绘制</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>画笔：%1</source>
        <translation>Pen: %1</translation>
    </message>
    <message>
        <source>形状：%1</source>
        <translation>Shape: %1</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>橡皮擦已开启</source>
        <translation>Eraser on</translation>
    </message>
    <message>
        <source>橡皮擦已关闭</source>
        <translation>Eraser off</translation>
    </message>
    <message>
        <source>清除全部</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>画板：%1</source>
        <translation>Board: %1</translation>
    </message>
    <message>
        <source>截屏</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>画笔颜色</source>
        <translation>Pen colour</translation>
    </message>
    <message>
        <source>粗细：%1</source>
        <translation>Width: %1</translation>
    </message>
    <message>
        <source>自动消失：%1</source>
        <translation>Fade out: %1</translation>
    </message>
    <message>
        <source>呼吸：%1</source>
        <translation>Breathing: %1</translation>
    </message>
    <message>
        <source>演示工具：%1</source>
        <translation>Presenter tool: %1</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>复制所选</source>
        <translation>Duplicate selection</translation>
    </message>
</context>
<context>
    <name>ToolbarHotkeys</name>
    <message>
        <source>截屏</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>退出绘制模式</source>
        <translation>Leave drawing mode</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>清除画布</source>
        <translation>Clear canvas</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>直线模式</source>
        <translation>Line mode</translation>
    </message>
    <message>
        <source>圆形模式</source>
        <translation>Circle mode</translation>
    </message>
    <message>
        <source>矩形模式</source>
        <translation>Rectangle mode</translation>
    </message>
    <message>
        <source>箭头模式</source>
        <translation>Arrow mode</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Laser pointer</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>聚焦工具栏</source>
        <translation>Focus the toolbar</translation>
    </message>
    <message>
        <source>橡皮擦已开启</source>
        <translation>Eraser on</translation>
    </message>
    <message>
        <source>橡皮擦已关闭</source>
        <translation>Eraser off</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Select</translation>
    </message>
</context>
<context>
    <name>ToolbarWindows</name>
    <message>
        <source>图片已导出到：</source>
        <translation>Image exported to: </translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>当前已经是最新!</source>
        <translation>You already have the latest version!</translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation>About us</translation>
    </message>
    <message>
        <source>Penvoro</source>
        <translation>Penvoro</translation>
    </message>
    <message>
        <source>当前版本: </source>
        <translation>Current version: </translation>
    </message>
    <message>
        <source>公司名称:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>官方网站:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Penvoro官网</source>
        <translation>Penvoro website</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
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
        <translation>Ctrl+mouse wheel: zoom the picture</translation>
    </message>
    <message>
        <source>Ctrl+鼠标移动:拖动图片</source>
        <translation>Ctrl+mouse move: drag the picture</translation>
    </message>
    <message>
        <source>请选择一个文件</source>
        <translation>Please choose a file</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>绘图已保存：</source>
        <translation>Drawing saved: </translation>
    </message>
    <message>
        <source>绘图保存失败：</source>
        <translation>Saving the drawing failed: </translation>
    </message>
    <message>
        <source>已打开绘图：</source>
        <translation>Drawing opened: </translation>
    </message>
    <message>
        <source>无法打开绘图：</source>
        <translation>Cannot open the drawing: </translation>
    </message>
    <message>
        <source>已取消打开绘图，画面上的绘图没有改变</source>
        <translation>Opening cancelled; the drawing on screen is unchanged</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>没有系统托盘：请通过工具栏菜单中的“退出”结束程序。</source>
        <translation>No system tray: quit Quillmark from the toolbar menu, “Exit”.</translation>
    </message>
    <message>
        <source>要显示托盘图标，请安装托盘扩展（GNOME：AppIndicator and KStatusNotifierItem Support）或使用带托盘的面板。</source>
        <translation>For a tray icon, install a tray extension (GNOME: AppIndicator and KStatusNotifierItem Support) or use a panel with a tray.</translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Show</translation>
    </message>
</context>
<context>
    <name>painter</name>
    <message>
        <source>Shit+绘制:绘制90°,45°,180°直线</source>
        <translation>Shift+draw: lines at 90°, 45° or 180°</translation>
    </message>
    <message>
        <source>Shit+绘制:绘制正方形</source>
        <translation>Shift+draw: squares</translation>
    </message>
    <message>
        <source>截图保存失败：</source>
        <translation>Could not save the screenshot: </translation>
    </message>
    <message>
        <source>（已复制到剪贴板）</source>
        <translation> (also copied to the clipboard)</translation>
    </message>
    <message>
        <source>（无法复制到剪贴板）</source>
        <translation> (could not be copied to the clipboard)</translation>
    </message>
    <message>
        <source>上次的绘图已自动保存，可以恢复。</source>
        <translation>Your last drawing was saved automatically and can be restored.</translation>
    </message>
    <message>
        <source>恢复上次的绘图</source>
        <translation>Restore last drawing</translation>
    </message>
    <message>
        <source>已恢复上次的绘图</source>
        <translation>Last drawing restored</translation>
    </message>
    <message>
        <source>无法恢复上次的绘图</source>
        <translation>The last drawing could not be restored</translation>
    </message>
    <message>
        <source>还没有可导出的绘图</source>
        <translation>There is no drawing to export yet</translation>
    </message>
    <message>
        <source>截图已保存到：</source>
        <translation>Screenshot saved to: </translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>Export image</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键，请在桌面的快捷键设置中绑定按键。</source>
        <translation>This desktop lets no program receive global keys: bind keys in the desktop&apos;s shortcut settings.</translation>
    </message>
    <message>
        <source>查看设置方法</source>
        <translation>Show me how</translation>
    </message>
    <message>
        <source>上次自动保存的绘图无法读取（%1），已原样保留为 %2</source>
        <translation>The last autosaved drawing cannot be read (%1); it is kept unchanged as %2</translation>
    </message>
    <message>
        <source>上次自动保存的绘图无法读取（%1），也无法移开；为了不覆盖它，自动保存已停止</source>
        <translation>The last autosaved drawing cannot be read (%1) nor moved aside; autosave has stopped so as not to overwrite it</translation>
    </message>
    <message>
        <source>自动保存失败：%1。绘图仍在屏幕上，可以用“保存绘图…”保存到别处。</source>
        <translation>Autosave failed: %1. The drawing is still on screen; use “Save drawing…” to save it elsewhere.</translation>
    </message>
    <message>
        <source>自动保存已恢复正常</source>
        <translation>Autosave works again</translation>
    </message>
    <message>
        <source>上次的绘图没有恢复，已原样保留为 %1</source>
        <translation>The last drawing was not restored; it is kept unchanged as %1</translation>
    </message>
    <message>
        <source>绘制已开启</source>
        <translation>Drawing on</translation>
    </message>
    <message>
        <source>绘制已关闭，点击会穿过画布</source>
        <translation>Drawing off: clicks go through to the windows below</translation>
    </message>
    <message>
        <source>点击或框选元素，拖动即可移动；Delete 删除所选</source>
        <translation>Click an element or drag a box around several; drag to move them, Delete removes them</translation>
    </message>
    <message>
        <source>请先用选择工具选中要复制的元素</source>
        <translation>Select what to duplicate with the selection tool first</translation>
    </message>
</context>
<context>
    <name>select</name>
    <message>
        <source>现在不可用</source>
        <translation>Not available now</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>矩形绘制</source>
        <translation>Draw rectangles</translation>
    </message>
    <message>
        <source>箭头绘制</source>
        <translation>Draw arrows</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>不使用</source>
        <translation>None</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>已被其他程序占用</source>
        <translation>Held by another program</translation>
    </message>
    <message>
        <source>无法重新启动程序，请手动重新启动以使用新语言</source>
        <translation>Quillmark could not restart; start it again yourself to use the new language</translation>
    </message>
    <message>
        <source>截屏热键</source>
        <translation>Screenshot hot key</translation>
    </message>
    <message>
        <source>画笔热键</source>
        <translation>Pen hot key</translation>
    </message>
    <message>
        <source>关闭画笔</source>
        <translation>Close pen</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>添加文字</source>
        <translation>Add text</translation>
    </message>
    <message>
        <source>清除绘制</source>
        <translation>Clear drawing</translation>
    </message>
    <message>
        <source>直线绘制</source>
        <translation>Draw lines</translation>
    </message>
    <message>
        <source>圆形绘制</source>
        <translation>Draw circles</translation>
    </message>
    <message>
        <source>截图路径</source>
        <translation>Screenshot folder</translation>
    </message>
    <message>
        <source>截图保存路径</source>
        <translation>Screenshot save folder</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Start at login</translation>
    </message>
    <message>
        <source>无法更改开机启动</source>
        <translation>Could not change whether Quillmark starts at login</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>按下键盘用于改变热键</source>
        <translation>Press keys to change the hot key</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>重制</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>与%1相同，此键由“%2”响应</source>
        <translation>Same keys as %1; “%2” responds to them</translation>
    </message>
    <message>
        <source>截图和导出后复制到剪贴板</source>
        <translation>Also copy screenshots and exports to the clipboard</translation>
    </message>
    <message>
        <source>平滑鼠标笔迹</source>
        <translation>Smooth mouse strokes</translation>
    </message>
    <message>
        <source>平滑手写笔和触摸笔迹</source>
        <translation>Smooth pen and touch strokes</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Laser pointer</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>主屏幕</source>
        <translation>Primary screen</translation>
    </message>
    <message>
        <source>%1（未连接）</source>
        <translation>%1 (not connected)</translation>
    </message>
    <message>
        <source>工具栏所在屏幕</source>
        <translation>Toolbar screen</translation>
    </message>
    <message>
        <source>桌面指定的按键：%1</source>
        <translation>Key given by the desktop: %1</translation>
    </message>
    <message>
        <source>桌面尚未指定按键</source>
        <translation>No key given by the desktop yet</translation>
    </message>
    <message>
        <source>聚焦工具栏</source>
        <translation>Focus the toolbar</translation>
    </message>
    <message>
        <source>工具栏大小</source>
        <translation>Toolbar size</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>选择工具</source>
        <translation>Selection tool</translation>
    </message>
</context>
<context>
    <name>showUpdate</name>
    <message>
        <source>无法启动更新程序，请稍后重试或手动更新</source>
        <translation>The updater could not be started; try again later or update by hand</translation>
    </message>
    <message>
        <source>升级到新版本  V</source>
        <translation>Upgrade to version  V</translation>
    </message>
    <message>
        <source>立即体验</source>
        <translation>Try it now</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>updateWindow</name>
    <message>
        <source>已是最新版本</source>
        <translation>Already up to date</translation>
    </message>
    <message>
        <source>此版本无法安装，已保留原版本:</source>
        <translation>This version cannot be installed; the installed version is kept:</translation>
    </message>
    <message>
        <source>上次更新未能撤销，下次启动时将继续:</source>
        <translation>The last update could not be undone yet; this continues at the next start:</translation>
    </message>
    <message>
        <source>没有需要更新的文件</source>
        <translation>No files to update</translation>
    </message>
    <message>
        <source>更新未能完成，原版本将在下次启动时恢复:</source>
        <translation>The update could not be finished; the installed version is put back at the next start:</translation>
    </message>
    <message>
        <source>无法获取更新信息 (HTTP %1)</source>
        <translation>Could not get the update information (HTTP %1)</translation>
    </message>
    <message>
        <source>更新信息无法解析</source>
        <translation>The update information cannot be read</translation>
    </message>
    <message>
        <source>更新信息被拒绝: %1</source>
        <translation>The update information was refused: %1</translation>
    </message>
    <message>
        <source>以下文件未能更新，已保留原版本:</source>
        <translation>These files could not be updated; the installed version is kept:</translation>
    </message>
    <message>
        <source>无法启动 %1，请手动启动</source>
        <translation>Could not start %1; please start it yourself</translation>
    </message>
    <message>
        <source>软件更新</source>
        <translation>Software update</translation>
    </message>
    <message>
        <source>更新完成</source>
        <translation>Update complete</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>Update failed</translation>
    </message>
    <message>
        <source>正在下载更新</source>
        <translation>Downloading the update</translation>
    </message>
    <message>
        <source>所有文件已下载完成</source>
        <translation>All files have been downloaded</translation>
    </message>
    <message>
        <source>正在下载文件: %1 (%2/%3)</source>
        <translation>Downloading %1 (%2/%3)</translation>
    </message>
    <message>
        <source>重启应用</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>重试</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>总进度: %1/%2 文件</source>
        <translation>Overall: %1 of %2 files</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
