<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>AutoSave</name>
    <message>
        <source>上次自动保存的文件无法移开，为了不覆盖它，自动保存已停止</source>
        <translation>El último guardado automático no se puede apartar; para no sobrescribirlo, el guardado automático se ha detenido</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>自动保存的位置不是普通文件</source>
        <translation>La ubicación del guardado automático no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>DesktopServices</name>
    <message>
        <source>保存绘图</source>
        <translation>Guardar dibujo</translation>
    </message>
    <message>
        <source>打开绘图</source>
        <translation>Abrir dibujo</translation>
    </message>
    <message>
        <source>Quillmark 绘图 (*.qmark)</source>
        <translation>Dibujos de Quillmark (*.qmark)</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>桌面快捷键</source>
        <translation>Atajos del escritorio</translation>
    </message>
    <message>
        <source>热键由桌面管理：桌面决定最终的按键，每个热键下方显示桌面指定的按键。</source>
        <translation>El escritorio gestiona los atajos: él decide las teclas definitivas, que se muestran debajo de cada atajo.</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键。请把下面几行加入桌面的配置文件（sway：~/.config/sway/config；Hyprland：~/.config/hypr/hyprland.conf），然后重新加载配置。</source>
        <translation>Este escritorio no permite que ninguna aplicación reciba atajos globales. Añada las líneas siguientes a su configuración (sway: ~/.config/sway/config; Hyprland: ~/.config/hypr/hyprland.conf) y vuelva a cargarla.</translation>
    </message>
    <message>
        <source>此版本的 GNOME 不允许程序接收全局热键。点击“写入 GNOME 快捷键”，把每个热键写入 GNOME 的自定义快捷键；“移除”会删除这些快捷键。</source>
        <translation>Esta versión de GNOME no permite que ninguna aplicación reciba atajos globales. «Crear atajos de GNOME» convierte cada atajo en un atajo personalizado de GNOME; «Quitar» los elimina.</translation>
    </message>
    <message>
        <source>请打开“系统设置 → 快捷键 → 添加新的 → 命令或脚本”，命令填写 %1（其他动作见帮助），再设定按键。</source>
        <translation>Abra «Preferencias del sistema → Accesos rápidos → Añadir nuevo → Orden o script», escriba la orden %1 (las demás acciones están en la ayuda) y asigne una tecla.</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键。请在桌面的快捷键设置中把按键绑定到命令，例如 Ctrl+Z → %1。</source>
        <translation>Este escritorio no permite que ninguna aplicación reciba atajos globales. Asigne teclas a órdenes en la configuración de atajos del escritorio, por ejemplo Ctrl+Z → %1.</translation>
    </message>
    <message>
        <source>打开桌面的快捷键设置</source>
        <translation>Abrir la configuración de atajos del escritorio</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>写入 GNOME 快捷键</source>
        <translation>Crear atajos de GNOME</translation>
    </message>
    <message>
        <source>已写入 GNOME 快捷键</source>
        <translation>Atajos de GNOME creados</translation>
    </message>
    <message>
        <source>无法写入 GNOME 快捷键</source>
        <translation>No se pudieron crear los atajos de GNOME</translation>
    </message>
    <message>
        <source>移除 GNOME 快捷键</source>
        <translation>Quitar atajos de GNOME</translation>
    </message>
    <message>
        <source>已移除 GNOME 快捷键</source>
        <translation>Atajos de GNOME quitados</translation>
    </message>
    <message>
        <source>无法移除 GNOME 快捷键</source>
        <translation>No se pudieron quitar los atajos de GNOME</translation>
    </message>
</context>
<context>
    <name>DrawingFile</name>
    <message>
        <source>缺少“%1”</source>
        <translation>falta «%1»</translation>
    </message>
    <message>
        <source>“%1”应为 %2 到 %3 之间的整数</source>
        <translation>«%1» debe ser un número entero entre %2 y %3</translation>
    </message>
    <message>
        <source>“%1”应为两个 %2 到 %3 之间的整数坐标</source>
        <translation>«%1» debe tener dos coordenadas enteras entre %2 y %3</translation>
    </message>
    <message>
        <source>“points”应为坐标列表</source>
        <translation>«points» debe ser una lista de coordenadas</translation>
    </message>
    <message>
        <source>“points”应为成对的坐标，至少一个点</source>
        <translation>«points» debe contener pares de coordenadas, al menos un punto</translation>
    </message>
    <message>
        <source>“pressures”应为每个点一个 0 到 %1 之间的整数</source>
        <translation>«pressures» debe contener un número entero de 0 a %1 por cada punto</translation>
    </message>
    <message>
        <source>笔画的点过多（最多 %1 个，整幅绘图最多 %2 个）</source>
        <translation>el trazo tiene demasiados puntos (como máximo %1, y %2 en todo el dibujo)</translation>
    </message>
    <message>
        <source>“points”的第 %1 个点应为两个 %2 到 %3 之间的整数坐标</source>
        <translation>el punto %1 de «points» debe tener dos coordenadas enteras entre %2 y %3</translation>
    </message>
    <message>
        <source>“color”应为 #rrggbb 或 #aarrggbb 形式的颜色</source>
        <translation>«color» debe ser un color de la forma #rrggbb o #aarrggbb</translation>
    </message>
    <message>
        <source>“opacity”应为 0 到 1 之间的数</source>
        <translation>«opacity» debe ser un número entre 0 y 1</translation>
    </message>
    <message>
        <source>“text”应为不超过 %1 个字符的文字</source>
        <translation>«text» debe ser un texto de %1 caracteres como máximo</translation>
    </message>
    <message>
        <source>未知的元素种类“%1”</source>
        <translation>tipo de elemento desconocido «%1»</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>内容无效</source>
        <translation>contenido no válido</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>El archivo está vacío</translation>
    </message>
    <message>
        <source>文件过大（最大 %1 MB）</source>
        <translation>El archivo es demasiado grande (%1 MB como máximo)</translation>
    </message>
    <message>
        <source>文件已损坏或不完整（第 %1 个字节处：%2）</source>
        <translation>El archivo está dañado o incompleto (en el byte %1: %2)</translation>
    </message>
    <message>
        <source>这不是 Quillmark 绘图文件</source>
        <translation>No es un dibujo de Quillmark</translation>
    </message>
    <message>
        <source>绘图文件的格式版本无效</source>
        <translation>La versión de formato del dibujo no es válida</translation>
    </message>
    <message>
        <source>这个绘图来自较新的 Quillmark（格式版本 %1），本版本只能打开版本 %2 及更早的绘图，请更新 Quillmark</source>
        <translation>Este dibujo procede de un Quillmark más reciente (versión de formato %1); esta versión abre dibujos hasta la versión %2. Actualice Quillmark</translation>
    </message>
    <message>
        <source>“circleCounter”应为 0 到 %1 之间的整数</source>
        <translation>«circleCounter» debe ser un número entero entre 0 y %1</translation>
    </message>
    <message>
        <source>绘图文件缺少元素列表</source>
        <translation>Al dibujo le falta la lista de elementos</translation>
    </message>
    <message>
        <source>绘图的元素过多（%1 个，最多 %2 个）</source>
        <translation>El dibujo tiene demasiados elementos (%1, como máximo %2)</translation>
    </message>
    <message>
        <source>应为一个对象</source>
        <translation>debe ser un objeto</translation>
    </message>
    <message>
        <source>第 %1 个元素：%2</source>
        <translation>Elemento %1: %2</translation>
    </message>
    <message>
        <source>无法保存绘图：%1</source>
        <translation>No se puede guardar el dibujo: %1</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>No se puede abrir el archivo: %1</translation>
    </message>
    <message>
        <source>只能保存到本机的文件</source>
        <translation>Los dibujos solo pueden guardarse en archivos locales</translation>
    </message>
    <message>
        <source>只能打开本机的文件</source>
        <translation>Solo pueden abrirse archivos locales</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>绘图过于复杂，显示它要花太久（墨迹超过 %1 百万像素）</source>
        <translation>El dibujo es demasiado complejo para mostrarlo en un tiempo razonable (más de %1 millones de píxeles de tinta)</translation>
    </message>
</context>
<context>
    <name>FluInfoBar</name>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>FluShortcutPicker</name>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>不使用</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>已被其他程序占用</source>
        <translation>Ocupado por otra aplicación</translation>
    </message>
    <message>
        <source>按 Enter 保存，Esc 取消，Delete 不使用</source>
        <translation>Intro guarda, Esc cancela, Supr deja el atajo sin tecla</translation>
    </message>
</context>
<context>
    <name>LoadingPanel</name>
    <message>
        <source>正在打开绘图… %1%</source>
        <translation>Abriendo el dibujo… %1 %</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>OverlaySurface</name>
    <message>
        <source>图片导出失败：</source>
        <translation>No se pudo exportar la imagen: </translation>
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
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>这是一个符号链接，不会写到它指向的地方</source>
        <translation>Es un enlace simbólico; no se escribe nada en el lugar al que apunta</translation>
    </message>
    <message>
        <source>这不是普通文件（文件夹、设备或管道），不会写入</source>
        <translation>No es un archivo normal (una carpeta, un dispositivo o una tubería); no se escribe nada</translation>
    </message>
    <message>
        <source>这是一个文件夹，不是文件</source>
        <translation>Es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>这不是普通文件（例如管道或设备），不会读取</source>
        <translation>No es un archivo normal (por ejemplo, una tubería o un dispositivo); no se lee</translation>
    </message>
    <message>
        <source>文件过大（最大 %1 MB）</source>
        <translation>El archivo es demasiado grande (como máximo %1 MB)</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Cancelado</translation>
    </message>
</context>
<context>
    <name>ScreenGrabber</name>
    <message>
        <source>此 Wayland 会话无法读取屏幕（缺少截图门户 xdg-desktop-portal 或其后端）</source>
        <translation>Esta sesión de Wayland no puede leer la pantalla (falta el portal de capturas de xdg-desktop-portal o su motor)</translation>
    </message>
    <message>
        <source>截图已取消</source>
        <translation>Captura de pantalla cancelada</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>设置文件正被另一个程序使用</source>
        <translation>Otro programa está usando el archivo de configuración</translation>
    </message>
    <message>
        <source>无法整理设置</source>
        <translation>No se puede reunir la configuración</translation>
    </message>
    <message>
        <source>整理后的设置不完整</source>
        <translation>La configuración reunida está incompleta</translation>
    </message>
</context>
<context>
    <name>TextInputDialog</name>
    <message>
        <source>输入文字</source>
        <translation>Escribir texto</translation>
    </message>
    <message>
        <source>请输入要添加的文字</source>
        <translation>Escriba el texto que quiere añadir</translation>
    </message>
    <message>
        <source>文字大小: </source>
        <translation>Tamaño del texto: </translation>
    </message>
</context>
<context>
    <name>ToolNames</name>
    <message>
        <source>普通画笔</source>
        <translation>Lápiz normal</translation>
    </message>
    <message>
        <source>荧光笔</source>
        <translation>Resaltador</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>序号圆</source>
        <translation>Círculo numerado</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>透明</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>白板</source>
        <translation>Pizarra blanca</translation>
    </message>
    <message>
        <source>黑板</source>
        <translation>Pizarra negra</translation>
    </message>
    <message>
        <source>背景图片</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>%1 像素</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Puntero láser</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Foco</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>每 %1 秒</source>
        <translation>cada %1 s</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Seleccionar</translation>
    </message>
</context>
<context>
    <name>ToolbarButtons</name>
    <message>
        <source>鼠标</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>保存绘图…</source>
        <translation>Guardar dibujo…</translation>
    </message>
    <message>
        <source>打开绘图…</source>
        <translation>Abrir dibujo…</translation>
    </message>
    <message>
        <source>导出图片…</source>
        <translation>Exportar imagen…</translation>
    </message>
    <message>
        <source>演示工具</source>
        <translation>Herramientas de presentación</translation>
    </message>
    <message>
        <source>已选择：%1</source>
        <translation>Seleccionado: %1</translation>
    </message>
    <message>
        <source>拖动工具栏</source>
        <translation>Mover la barra de herramientas</translation>
    </message>
    <message>
        <source>展开工具栏</source>
        <translation>Desplegar la barra de herramientas</translation>
    </message>
    <message>
        <source>收起工具栏</source>
        <translation>Plegar la barra de herramientas</translation>
    </message>
    <message>
        <source>绘制</source>
        <translation>Dibujar</translation>
    </message>
    <message>
        <source>画笔：%1</source>
        <translation>Lápiz: %1</translation>
    </message>
    <message>
        <source>形状：%1</source>
        <translation>Forma: %1</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Borrador</translation>
    </message>
    <message>
        <source>橡皮擦已开启</source>
        <translation>Borrador activado</translation>
    </message>
    <message>
        <source>橡皮擦已关闭</source>
        <translation>Borrador desactivado</translation>
    </message>
    <message>
        <source>清除全部</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>画板：%1</source>
        <translation>Pizarra: %1</translation>
    </message>
    <message>
        <source>截屏</source>
        <translation>Captura de pantalla</translation>
    </message>
    <message>
        <source>画笔颜色</source>
        <translation>Color del lápiz</translation>
    </message>
    <message>
        <source>粗细：%1</source>
        <translation>Grosor: %1</translation>
    </message>
    <message>
        <source>自动消失：%1</source>
        <translation>Desvanecer: %1</translation>
    </message>
    <message>
        <source>呼吸：%1</source>
        <translation>Pulso: %1</translation>
    </message>
    <message>
        <source>演示工具：%1</source>
        <translation>Herramienta de presentación: %1</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>复制所选</source>
        <translation>Duplicar selección</translation>
    </message>
</context>
<context>
    <name>ToolbarHotkeys</name>
    <message>
        <source>截屏</source>
        <translation>Captura de pantalla</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Borrador</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>退出绘制模式</source>
        <translation>Salir del modo de dibujo</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>清除画布</source>
        <translation>Borrar el lienzo</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>直线模式</source>
        <translation>Modo línea</translation>
    </message>
    <message>
        <source>圆形模式</source>
        <translation>Modo círculo</translation>
    </message>
    <message>
        <source>矩形模式</source>
        <translation>Modo rectángulo</translation>
    </message>
    <message>
        <source>箭头模式</source>
        <translation>Modo flecha</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Puntero láser</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Foco</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>聚焦工具栏</source>
        <translation>Ir a la barra de herramientas</translation>
    </message>
    <message>
        <source>橡皮擦已开启</source>
        <translation>Borrador activado</translation>
    </message>
    <message>
        <source>橡皮擦已关闭</source>
        <translation>Borrador desactivado</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Seleccionar</translation>
    </message>
</context>
<context>
    <name>ToolbarWindows</name>
    <message>
        <source>图片已导出到：</source>
        <translation>Imagen exportada a: </translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>当前已经是最新!</source>
        <translation>¡Ya tiene la versión más reciente!</translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation>Acerca de Quillmark</translation>
    </message>
    <message>
        <source>Penvoro</source>
        <translation>Penvoro</translation>
    </message>
    <message>
        <source>当前版本: </source>
        <translation>Versión actual: </translation>
    </message>
    <message>
        <source>公司名称:</source>
        <translation>Empresa:</translation>
    </message>
    <message>
        <source>官方网站:</source>
        <translation>Sitio web:</translation>
    </message>
    <message>
        <source>Penvoro官网</source>
        <translation>Sitio web de Penvoro</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
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
        <translation>Ctrl+rueda del ratón: ampliar o reducir la imagen</translation>
    </message>
    <message>
        <source>Ctrl+鼠标移动:拖动图片</source>
        <translation>Ctrl+mover el ratón: desplazar la imagen</translation>
    </message>
    <message>
        <source>请选择一个文件</source>
        <translation>Elija un archivo</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>绘图已保存：</source>
        <translation>Dibujo guardado: </translation>
    </message>
    <message>
        <source>绘图保存失败：</source>
        <translation>No se pudo guardar el dibujo: </translation>
    </message>
    <message>
        <source>已打开绘图：</source>
        <translation>Dibujo abierto: </translation>
    </message>
    <message>
        <source>无法打开绘图：</source>
        <translation>No se puede abrir el dibujo: </translation>
    </message>
    <message>
        <source>已取消打开绘图，画面上的绘图没有改变</source>
        <translation>Apertura cancelada; el dibujo en pantalla no ha cambiado</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>没有系统托盘：请通过工具栏菜单中的“退出”结束程序。</source>
        <translation>No hay bandeja del sistema: cierre Quillmark con «Salir» en el menú de la barra de herramientas.</translation>
    </message>
    <message>
        <source>要显示托盘图标，请安装托盘扩展（GNOME：AppIndicator and KStatusNotifierItem Support）或使用带托盘的面板。</source>
        <translation>Para tener un icono en la bandeja, instale una extensión de bandeja (GNOME: AppIndicator and KStatusNotifierItem Support) o use un panel con bandeja.</translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Mostrar</translation>
    </message>
</context>
<context>
    <name>painter</name>
    <message>
        <source>Shit+绘制:绘制90°,45°,180°直线</source>
        <translation>Mayús+dibujar: líneas a 90°, 45° o 180°</translation>
    </message>
    <message>
        <source>Shit+绘制:绘制正方形</source>
        <translation>Mayús+dibujar: cuadrados</translation>
    </message>
    <message>
        <source>截图保存失败：</source>
        <translation>No se pudo guardar la captura de pantalla: </translation>
    </message>
    <message>
        <source>（已复制到剪贴板）</source>
        <translation> (también copiada al portapapeles)</translation>
    </message>
    <message>
        <source>（无法复制到剪贴板）</source>
        <translation> (no se pudo copiar al portapapeles)</translation>
    </message>
    <message>
        <source>上次的绘图已自动保存，可以恢复。</source>
        <translation>Su último dibujo se guardó automáticamente y puede recuperarse.</translation>
    </message>
    <message>
        <source>恢复上次的绘图</source>
        <translation>Recuperar el último dibujo</translation>
    </message>
    <message>
        <source>已恢复上次的绘图</source>
        <translation>Último dibujo recuperado</translation>
    </message>
    <message>
        <source>无法恢复上次的绘图</source>
        <translation>No se pudo recuperar el último dibujo</translation>
    </message>
    <message>
        <source>还没有可导出的绘图</source>
        <translation>Todavía no hay ningún dibujo que exportar</translation>
    </message>
    <message>
        <source>截图已保存到：</source>
        <translation>Captura de pantalla guardada en: </translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键，请在桌面的快捷键设置中绑定按键。</source>
        <translation>Este escritorio no permite que ninguna aplicación reciba atajos globales: asigne las teclas en la configuración de atajos del escritorio.</translation>
    </message>
    <message>
        <source>查看设置方法</source>
        <translation>Ver cómo hacerlo</translation>
    </message>
    <message>
        <source>绘制已开启</source>
        <translation>Dibujo activado</translation>
    </message>
    <message>
        <source>绘制已关闭，点击会穿过画布</source>
        <translation>Dibujo desactivado: los clics pasan a las ventanas de debajo</translation>
    </message>
    <message>
        <source>上次自动保存的绘图无法读取（%1），已原样保留为 %2</source>
        <translation>No se puede leer el último dibujo guardado automáticamente (%1); se conserva sin cambios como %2</translation>
    </message>
    <message>
        <source>上次自动保存的绘图无法读取（%1），也无法移开；为了不覆盖它，自动保存已停止</source>
        <translation>El último dibujo guardado automáticamente no se puede leer (%1) ni apartar; para no sobrescribirlo, el guardado automático se ha detenido</translation>
    </message>
    <message>
        <source>自动保存失败：%1。绘图仍在屏幕上，可以用“保存绘图…”保存到别处。</source>
        <translation>Error del guardado automático: %1. El dibujo sigue en pantalla; use «Guardar dibujo…» para guardarlo en otro lugar.</translation>
    </message>
    <message>
        <source>自动保存已恢复正常</source>
        <translation>El guardado automático vuelve a funcionar</translation>
    </message>
    <message>
        <source>上次的绘图没有恢复，已原样保留为 %1</source>
        <translation>El último dibujo no se recuperó; se conserva sin cambios como %1</translation>
    </message>
    <message>
        <source>点击或框选元素，拖动即可移动；Delete 删除所选</source>
        <translation>Haga clic en un elemento o arrastre un marco alrededor de varios; arrastre para moverlos, Supr los elimina</translation>
    </message>
    <message>
        <source>请先用选择工具选中要复制的元素</source>
        <translation>Seleccione primero con la herramienta de selección lo que desea duplicar</translation>
    </message>
</context>
<context>
    <name>select</name>
    <message>
        <source>现在不可用</source>
        <translation>No disponible ahora</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>矩形绘制</source>
        <translation>Dibujar rectángulos</translation>
    </message>
    <message>
        <source>箭头绘制</source>
        <translation>Dibujar flechas</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>不使用</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>已被其他程序占用</source>
        <translation>Ocupado por otra aplicación</translation>
    </message>
    <message>
        <source>无法重新启动程序，请手动重新启动以使用新语言</source>
        <translation>Quillmark no pudo reiniciarse; vuelva a abrirlo usted para usar el nuevo idioma</translation>
    </message>
    <message>
        <source>截屏热键</source>
        <translation>Atajo de captura de pantalla</translation>
    </message>
    <message>
        <source>画笔热键</source>
        <translation>Atajo del lápiz</translation>
    </message>
    <message>
        <source>关闭画笔</source>
        <translation>Cerrar el lápiz</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Borrador</translation>
    </message>
    <message>
        <source>添加文字</source>
        <translation>Añadir texto</translation>
    </message>
    <message>
        <source>清除绘制</source>
        <translation>Borrar el dibujo</translation>
    </message>
    <message>
        <source>直线绘制</source>
        <translation>Dibujar líneas</translation>
    </message>
    <message>
        <source>圆形绘制</source>
        <translation>Dibujar círculos</translation>
    </message>
    <message>
        <source>截图路径</source>
        <translation>Carpeta de capturas</translation>
    </message>
    <message>
        <source>截图保存路径</source>
        <translation>Ubicación de las capturas de pantalla</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Iniciar al entrar en la sesión</translation>
    </message>
    <message>
        <source>无法更改开机启动</source>
        <translation>No se pudo cambiar el inicio al entrar en la sesión</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>按下键盘用于改变热键</source>
        <translation>Pulse las teclas del nuevo atajo</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>重制</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>与%1相同，此键由“%2”响应</source>
        <translation>Mismas teclas que %1; responde «%2»</translation>
    </message>
    <message>
        <source>截图和导出后复制到剪贴板</source>
        <translation>Copiar también las capturas y exportaciones al portapapeles</translation>
    </message>
    <message>
        <source>平滑鼠标笔迹</source>
        <translation>Suavizar los trazos del ratón</translation>
    </message>
    <message>
        <source>平滑手写笔和触摸笔迹</source>
        <translation>Suavizar los trazos con lápiz y táctiles</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Puntero láser</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Foco</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>桌面指定的按键：%1</source>
        <translation>Tecla asignada por el escritorio: %1</translation>
    </message>
    <message>
        <source>桌面尚未指定按键</source>
        <translation>El escritorio aún no ha asignado ninguna tecla</translation>
    </message>
    <message>
        <source>聚焦工具栏</source>
        <translation>Ir a la barra de herramientas</translation>
    </message>
    <message>
        <source>工具栏大小</source>
        <translation>Tamaño de la barra de herramientas</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>主屏幕</source>
        <translation>Pantalla principal</translation>
    </message>
    <message>
        <source>%1（未连接）</source>
        <translation>%1 (no conectada)</translation>
    </message>
    <message>
        <source>工具栏所在屏幕</source>
        <translation>Pantalla de la barra de herramientas</translation>
    </message>
    <message>
        <source>选择工具</source>
        <translation>Herramienta de selección</translation>
    </message>
</context>
<context>
    <name>showUpdate</name>
    <message>
        <source>无法启动更新程序，请稍后重试或手动更新</source>
        <translation>No se pudo iniciar el actualizador; inténtelo más tarde o actualice manualmente</translation>
    </message>
    <message>
        <source>升级到新版本  V</source>
        <translation>Actualizar a la versión  V</translation>
    </message>
    <message>
        <source>立即体验</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>updateWindow</name>
    <message>
        <source>已是最新版本</source>
        <translation>Ya está actualizado</translation>
    </message>
    <message>
        <source>此版本无法安装，已保留原版本:</source>
        <translation>Esta versión no se puede instalar; se conserva la versión instalada:</translation>
    </message>
    <message>
        <source>上次更新未能撤销，下次启动时将继续:</source>
        <translation>La última actualización aún no se ha podido deshacer; se hará en el próximo inicio:</translation>
    </message>
    <message>
        <source>没有需要更新的文件</source>
        <translation>No hay archivos que actualizar</translation>
    </message>
    <message>
        <source>更新未能完成，原版本将在下次启动时恢复:</source>
        <translation>La actualización no pudo completarse; la versión instalada se restaurará en el próximo inicio:</translation>
    </message>
    <message>
        <source>无法获取更新信息 (HTTP %1)</source>
        <translation>No se pudo obtener la información de actualización (HTTP %1)</translation>
    </message>
    <message>
        <source>更新信息无法解析</source>
        <translation>La información de actualización no se puede leer</translation>
    </message>
    <message>
        <source>更新信息被拒绝: %1</source>
        <translation>Se rechazó la información de actualización: %1</translation>
    </message>
    <message>
        <source>以下文件未能更新，已保留原版本:</source>
        <translation>Estos archivos no se pudieron actualizar; se conserva la versión instalada:</translation>
    </message>
    <message>
        <source>无法启动 %1，请手动启动</source>
        <translation>No se pudo iniciar %1; inícielo usted</translation>
    </message>
    <message>
        <source>软件更新</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>更新完成</source>
        <translation>Actualización completada</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>Error en la actualización</translation>
    </message>
    <message>
        <source>正在下载更新</source>
        <translation>Descargando la actualización</translation>
    </message>
    <message>
        <source>所有文件已下载完成</source>
        <translation>Se han descargado todos los archivos</translation>
    </message>
    <message>
        <source>正在下载文件: %1 (%2/%3)</source>
        <translation>Descargando %1 (%2/%3)</translation>
    </message>
    <message>
        <source>重启应用</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>重试</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>总进度: %1/%2 文件</source>
        <translation>Total: %1 de %2 archivos</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
