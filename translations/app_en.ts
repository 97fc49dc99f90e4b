<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
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
        <source>这是一个文件夹，不是绘图文件</source>
        <translation>This is a folder, not a drawing</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Cannot open the file: %1</translation>
    </message>
    <message>
        <source>读取文件失败：%1</source>
        <translation>Reading the file failed: %1</translation>
    </message>
    <message>
        <source>只能保存到本机的文件</source>
        <translation>Drawings can only be saved to local files</translation>
    </message>
    <message>
        <source>只能打开本机的文件</source>
        <translation>Only local files can be opened</translation>
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
</context>
</TS>
