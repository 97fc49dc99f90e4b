<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>AutoSave</name>
    <message>
        <source>上次自动保存的文件无法移开，为了不覆盖它，自动保存已停止</source>
        <translation>Последнее автосохранение не удаётся переместить; чтобы не перезаписать его, автосохранение остановлено</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>自动保存的位置不是普通文件</source>
        <translation>На месте автосохранения находится не обычный файл</translation>
    </message>
</context>
<context>
    <name>DesktopServices</name>
    <message>
        <source>保存绘图</source>
        <translation>Сохранить рисунок</translation>
    </message>
    <message>
        <source>打开绘图</source>
        <translation>Открыть рисунок</translation>
    </message>
    <message>
        <source>Quillmark 绘图 (*.qmark)</source>
        <translation>Рисунки Quillmark (*.qmark)</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>桌面快捷键</source>
        <translation>Сочетания клавиш рабочего стола</translation>
    </message>
    <message>
        <source>热键由桌面管理：桌面决定最终的按键，每个热键下方显示桌面指定的按键。</source>
        <translation>Горячими клавишами управляет рабочий стол: он определяет итоговые клавиши, они показаны под каждой горячей клавишей.</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键。请把下面几行加入桌面的配置文件（sway：~/.config/sway/config；Hyprland：~/.config/hypr/hyprland.conf），然后重新加载配置。</source>
        <translation>Этот рабочий стол не позволяет программам получать глобальные горячие клавиши. Добавьте строки ниже в его конфигурацию (sway: ~/.config/sway/config; Hyprland: ~/.config/hypr/hyprland.conf) и перезагрузите её.</translation>
    </message>
    <message>
        <source>此版本的 GNOME 不允许程序接收全局热键。点击“写入 GNOME 快捷键”，把每个热键写入 GNOME 的自定义快捷键；“移除”会删除这些快捷键。</source>
        <translation>Эта версия GNOME не позволяет программам получать глобальные горячие клавиши. «Записать сочетания GNOME» превращает каждую горячую клавишу в пользовательское сочетание GNOME; «Удалить» удаляет их.</translation>
    </message>
    <message>
        <source>请打开“系统设置 → 快捷键 → 添加新的 → 命令或脚本”，命令填写 %1（其他动作见帮助），再设定按键。</source>
        <translation>Откройте «Параметры системы → Комбинации клавиш → Добавить → Команда или сценарий», введите команду %1 (остальные действия описаны в справке) и назначьте клавишу.</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键。请在桌面的快捷键设置中把按键绑定到命令，例如 Ctrl+Z → %1。</source>
        <translation>Этот рабочий стол не позволяет программам получать глобальные горячие клавиши. Назначьте клавиши командам в настройках сочетаний клавиш рабочего стола, например Ctrl+Z → %1.</translation>
    </message>
    <message>
        <source>打开桌面的快捷键设置</source>
        <translation>Открыть настройки сочетаний клавиш</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>写入 GNOME 快捷键</source>
        <translation>Записать сочетания GNOME</translation>
    </message>
    <message>
        <source>已写入 GNOME 快捷键</source>
        <translation>Сочетания GNOME записаны</translation>
    </message>
    <message>
        <source>无法写入 GNOME 快捷键</source>
        <translation>Не удалось записать сочетания GNOME</translation>
    </message>
    <message>
        <source>移除 GNOME 快捷键</source>
        <translation>Удалить сочетания GNOME</translation>
    </message>
    <message>
        <source>已移除 GNOME 快捷键</source>
        <translation>Сочетания GNOME удалены</translation>
    </message>
    <message>
        <source>无法移除 GNOME 快捷键</source>
        <translation>Не удалось удалить сочетания GNOME</translation>
    </message>
</context>
<context>
    <name>DrawingFile</name>
    <message>
        <source>缺少“%1”</source>
        <translation>нет «%1»</translation>
    </message>
    <message>
        <source>“%1”应为 %2 到 %3 之间的整数</source>
        <translation>«%1» должно быть целым числом от %2 до %3</translation>
    </message>
    <message>
        <source>“%1”应为两个 %2 到 %3 之间的整数坐标</source>
        <translation>«%1» должно состоять из двух целых координат от %2 до %3</translation>
    </message>
    <message>
        <source>“points”应为坐标列表</source>
        <translation>«points» должно быть списком координат</translation>
    </message>
    <message>
        <source>“points”应为成对的坐标，至少一个点</source>
        <translation>«points» должно содержать пары координат, хотя бы одну точку</translation>
    </message>
    <message>
        <source>“pressures”应为每个点一个 0 到 %1 之间的整数</source>
        <translation>«pressures» должно содержать целое число от 0 до %1 для каждой точки</translation>
    </message>
    <message>
        <source>笔画的点过多（最多 %1 个，整幅绘图最多 %2 个）</source>
        <translation>в штрихе слишком много точек (не более %1, во всём рисунке — %2)</translation>
    </message>
    <message>
        <source>“points”的第 %1 个点应为两个 %2 到 %3 之间的整数坐标</source>
        <translation>точка %1 в «points» должна состоять из двух целых координат от %2 до %3</translation>
    </message>
    <message>
        <source>“color”应为 #rrggbb 或 #aarrggbb 形式的颜色</source>
        <translation>«color» должно быть цветом вида #rrggbb или #aarrggbb</translation>
    </message>
    <message>
        <source>“opacity”应为 0 到 1 之间的数</source>
        <translation>«opacity» должно быть числом от 0 до 1</translation>
    </message>
    <message>
        <source>“text”应为不超过 %1 个字符的文字</source>
        <translation>«text» должно быть текстом не длиннее %1 символов</translation>
    </message>
    <message>
        <source>未知的元素种类“%1”</source>
        <translation>неизвестный вид элемента «%1»</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>内容无效</source>
        <translation>недопустимое содержимое</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>Файл пуст</translation>
    </message>
    <message>
        <source>文件过大（最大 %1 MB）</source>
        <translation>Файл слишком большой (не более %1 МБ)</translation>
    </message>
    <message>
        <source>文件已损坏或不完整（第 %1 个字节处：%2）</source>
        <translation>Файл повреждён или неполон (в байте %1: %2)</translation>
    </message>
    <message>
        <source>这不是 Quillmark 绘图文件</source>
        <translation>Это не рисунок Quillmark</translation>
    </message>
    <message>
        <source>绘图文件的格式版本无效</source>
        <translation>Недопустимая версия формата рисунка</translation>
    </message>
    <message>
        <source>这个绘图来自较新的 Quillmark（格式版本 %1），本版本只能打开版本 %2 及更早的绘图，请更新 Quillmark</source>
        <translation>Этот рисунок создан более новой версией Quillmark (версия формата %1); эта версия открывает рисунки до версии %2. Обновите Quillmark</translation>
    </message>
    <message>
        <source>“circleCounter”应为 0 到 %1 之间的整数</source>
        <translation>«circleCounter» должно быть целым числом от 0 до %1</translation>
    </message>
    <message>
        <source>绘图文件缺少元素列表</source>
        <translation>В рисунке нет списка элементов</translation>
    </message>
    <message>
        <source>绘图的元素过多（%1 个，最多 %2 个）</source>
        <translation>В рисунке слишком много элементов (%1, не более %2)</translation>
    </message>
    <message>
        <source>应为一个对象</source>
        <translation>должен быть объектом</translation>
    </message>
    <message>
        <source>第 %1 个元素：%2</source>
        <translation>Элемент %1: %2</translation>
    </message>
    <message>
        <source>无法保存绘图：%1</source>
        <translation>Не удаётся сохранить рисунок: %1</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Не удаётся открыть файл: %1</translation>
    </message>
    <message>
        <source>只能保存到本机的文件</source>
        <translation>Рисунки можно сохранять только в локальные файлы</translation>
    </message>
    <message>
        <source>只能打开本机的文件</source>
        <translation>Открывать можно только локальные файлы</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>绘图过于复杂，显示它要花太久（墨迹超过 %1 百万像素）</source>
        <translation>Рисунок слишком сложен, чтобы показать его за разумное время (более %1 млн пикселей чернил)</translation>
    </message>
</context>
<context>
    <name>FluInfoBar</name>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>FluShortcutPicker</name>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>不使用</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>已被其他程序占用</source>
        <translation>Занято другой программой</translation>
    </message>
    <message>
        <source>按 Enter 保存，Esc 取消，Delete 不使用</source>
        <translation>Enter — сохранить, Esc — отмена, Delete — без клавиши</translation>
    </message>
</context>
<context>
    <name>LoadingPanel</name>
    <message>
        <source>正在打开绘图… %1%</source>
        <translation>Открытие рисунка… %1%</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>OverlaySurface</name>
    <message>
        <source>图片导出失败：</source>
        <translation>Не удалось экспортировать изображение: </translation>
    </message>
</context>
<context>
    <name>PenKeys</name>
    <message>
        <source>%1 像素</source>
        <translation>%1 пкс</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>文件已存在</source>
        <translation>Файл уже существует</translation>
    </message>
    <message>
        <source>这是一个符号链接，不会写到它指向的地方</source>
        <translation>Это символическая ссылка; туда, куда она указывает, ничего не записывается</translation>
    </message>
    <message>
        <source>这不是普通文件（文件夹、设备或管道），不会写入</source>
        <translation>Это не обычный файл (папка, устройство или канал); запись не выполняется</translation>
    </message>
    <message>
        <source>这是一个文件夹，不是文件</source>
        <translation>Это папка, а не файл</translation>
    </message>
    <message>
        <source>这不是普通文件（例如管道或设备），不会读取</source>
        <translation>Это не обычный файл (например, канал или устройство); он не читается</translation>
    </message>
    <message>
        <source>文件过大（最大 %1 MB）</source>
        <translation>Файл слишком большой (не более %1 МБ)</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Отменено</translation>
    </message>
</context>
<context>
    <name>ScreenGrabber</name>
    <message>
        <source>此 Wayland 会话无法读取屏幕（缺少截图门户 xdg-desktop-portal 或其后端）</source>
        <translation>Этот сеанс Wayland не может считывать экран (нет портала снимков экрана xdg-desktop-portal или его модуля)</translation>
    </message>
    <message>
        <source>截图已取消</source>
        <translation>Снимок экрана отменён</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>设置文件正被另一个程序使用</source>
        <translation>Файл настроек используется другой программой</translation>
    </message>
    <message>
        <source>无法整理设置</source>
        <translation>Не удаётся собрать настройки</translation>
    </message>
    <message>
        <source>整理后的设置不完整</source>
        <translation>Собранные настройки неполны</translation>
    </message>
</context>
<context>
    <name>TextInputDialog</name>
    <message>
        <source>输入文字</source>
        <translation>Ввод текста</translation>
    </message>
    <message>
        <source>请输入要添加的文字</source>
        <translation>Введите текст, который нужно добавить</translation>
    </message>
    <message>
        <source>文字大小: </source>
        <translation>Размер текста: </translation>
    </message>
</context>
<context>
    <name>ToolNames</name>
    <message>
        <source>普通画笔</source>
        <translation>Обычное перо</translation>
    </message>
    <message>
        <source>荧光笔</source>
        <translation>Маркер</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Линия</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Круг</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Стрелка</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <source>序号圆</source>
        <translation>Нумерованный круг</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>透明</source>
        <translation>Прозрачная</translation>
    </message>
    <message>
        <source>白板</source>
        <translation>Белая доска</translation>
    </message>
    <message>
        <source>黑板</source>
        <translation>Чёрная доска</translation>
    </message>
    <message>
        <source>背景图片</source>
        <translation>Фоновое изображение</translation>
    </message>
    <message>
        <source>%1 像素</source>
        <translation>%1 пкс</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Лазерная указка</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Прожектор</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Лупа</translation>
    </message>
    <message>
        <source>每 %1 秒</source>
        <translation>каждые %1 с</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Выделение</translation>
    </message>
</context>
<context>
    <name>ToolbarButtons</name>
    <message>
        <source>鼠标</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Перо</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>保存绘图…</source>
        <translation>Сохранить рисунок…</translation>
    </message>
    <message>
        <source>打开绘图…</source>
        <translation>Открыть рисунок…</translation>
    </message>
    <message>
        <source>导出图片…</source>
        <translation>Экспортировать изображение…</translation>
    </message>
    <message>
        <source>演示工具</source>
        <translation>Инструменты презентации</translation>
    </message>
    <message>
        <source>已选择：%1</source>
        <translation>Выбрано: %1</translation>
    </message>
    <message>
        <source>拖动工具栏</source>
        <translation>Переместить панель инструментов</translation>
    </message>
    <message>
        <source>展开工具栏</source>
        <translation>Развернуть панель инструментов</translation>
    </message>
    <message>
        <source>收起工具栏</source>
        <translation>Свернуть панель инструментов</translation>
    </message>
    <message>
        <source>绘制</source>
        <translation>Рисование</translation>
    </message>
    <message>
        <source>画笔：%1</source>
        <translation>Перо: %1</translation>
    </message>
    <message>
        <source>形状：%1</source>
        <translation>Фигура: %1</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Ластик</translation>
    </message>
    <message>
        <source>橡皮擦已开启</source>
        <translation>Ластик включён</translation>
    </message>
    <message>
        <source>橡皮擦已关闭</source>
        <translation>Ластик выключен</translation>
    </message>
    <message>
        <source>清除全部</source>
        <translation>Очистить всё</translation>
    </message>
    <message>
        <source>画板：%1</source>
        <translation>Доска: %1</translation>
    </message>
    <message>
        <source>截屏</source>
        <translation>Снимок экрана</translation>
    </message>
    <message>
        <source>画笔颜色</source>
        <translation>Цвет пера</translation>
    </message>
    <message>
        <source>粗细：%1</source>
        <translation>Толщина: %1</translation>
    </message>
    <message>
        <source>自动消失：%1</source>
        <translation>Исчезание: %1</translation>
    </message>
    <message>
        <source>呼吸：%1</source>
        <translation>Пульсация: %1</translation>
    </message>
    <message>
        <source>演示工具：%1</source>
        <translation>Инструмент презентации: %1</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>复制所选</source>
        <translation>Дублировать выделенное</translation>
    </message>
</context>
<context>
    <name>ToolbarHotkeys</name>
    <message>
        <source>截屏</source>
        <translation>Снимок экрана</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Ластик</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Перо</translation>
    </message>
    <message>
        <source>退出绘制模式</source>
        <translation>Выйти из режима рисования</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>清除画布</source>
        <translation>Очистить холст</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>直线模式</source>
        <translation>Режим линий</translation>
    </message>
    <message>
        <source>圆形模式</source>
        <translation>Режим кругов</translation>
    </message>
    <message>
        <source>矩形模式</source>
        <translation>Режим прямоугольников</translation>
    </message>
    <message>
        <source>箭头模式</source>
        <translation>Режим стрелок</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Лазерная указка</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Прожектор</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Лупа</translation>
    </message>
    <message>
        <source>聚焦工具栏</source>
        <translation>Перейти к панели инструментов</translation>
    </message>
    <message>
        <source>橡皮擦已开启</source>
        <translation>Ластик включён</translation>
    </message>
    <message>
        <source>橡皮擦已关闭</source>
        <translation>Ластик выключен</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Выделение</translation>
    </message>
</context>
<context>
    <name>ToolbarWindows</name>
    <message>
        <source>图片已导出到：</source>
        <translation>Изображение экспортировано в: </translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>当前已经是最新!</source>
        <translation>У вас уже последняя версия!</translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation>О Quillmark</translation>
    </message>
    <message>
        <source>Penvoro</source>
        <translation>Penvoro</translation>
    </message>
    <message>
        <source>当前版本: </source>
        <translation>Текущая версия: </translation>
    </message>
    <message>
        <source>公司名称:</source>
        <translation>Компания:</translation>
    </message>
    <message>
        <source>官方网站:</source>
        <translation>Сайт:</translation>
    </message>
    <message>
        <source>Penvoro官网</source>
        <translation>Сайт Penvoro</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>版权所有 © %1 %2</source>
        <translation>© %1 %2</translation>
    </message>
</context>
<context>
    <name>draw</name>
    <message>
        <source>Ctrl+鼠标滚轮:缩放图片</source>
        <translation>Ctrl+колесо мыши: масштаб изображения</translation>
    </message>
    <message>
        <source>Ctrl+鼠标移动:拖动图片</source>
        <translation>Ctrl+движение мыши: перемещение изображения</translation>
    </message>
    <message>
        <source>请选择一个文件</source>
        <translation>Выберите файл</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>绘图已保存：</source>
        <translation>Рисунок сохранён: </translation>
    </message>
    <message>
        <source>绘图保存失败：</source>
        <translation>Не удалось сохранить рисунок: </translation>
    </message>
    <message>
        <source>已打开绘图：</source>
        <translation>Рисунок открыт: </translation>
    </message>
    <message>
        <source>无法打开绘图：</source>
        <translation>Не удаётся открыть рисунок: </translation>
    </message>
    <message>
        <source>已取消打开绘图，画面上的绘图没有改变</source>
        <translation>Открытие отменено; рисунок на экране не изменился</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>没有系统托盘：请通过工具栏菜单中的“退出”结束程序。</source>
        <translation>Нет системного лотка: закройте Quillmark командой «Выход» в меню панели инструментов.</translation>
    </message>
    <message>
        <source>要显示托盘图标，请安装托盘扩展（GNOME：AppIndicator and KStatusNotifierItem Support）或使用带托盘的面板。</source>
        <translation>Чтобы видеть значок в лотке, установите расширение лотка (GNOME: AppIndicator and KStatusNotifierItem Support) или используйте панель с лотком.</translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Показать</translation>
    </message>
</context>
<context>
    <name>painter</name>
    <message>
        <source>Shit+绘制:绘制90°,45°,180°直线</source>
        <translation>Shift+рисование: линии под 90°, 45° или 180°</translation>
    </message>
    <message>
        <source>Shit+绘制:绘制正方形</source>
        <translation>Shift+рисование: квадраты</translation>
    </message>
    <message>
        <source>截图保存失败：</source>
        <translation>Не удалось сохранить снимок экрана: </translation>
    </message>
    <message>
        <source>（已复制到剪贴板）</source>
        <translation> (также скопирован в буфер обмена)</translation>
    </message>
    <message>
        <source>（无法复制到剪贴板）</source>
        <translation> (не удалось скопировать в буфер обмена)</translation>
    </message>
    <message>
        <source>上次的绘图已自动保存，可以恢复。</source>
        <translation>Последний рисунок сохранён автоматически, его можно восстановить.</translation>
    </message>
    <message>
        <source>恢复上次的绘图</source>
        <translation>Восстановить последний рисунок</translation>
    </message>
    <message>
        <source>已恢复上次的绘图</source>
        <translation>Последний рисунок восстановлен</translation>
    </message>
    <message>
        <source>无法恢复上次的绘图</source>
        <translation>Не удалось восстановить последний рисунок</translation>
    </message>
    <message>
        <source>还没有可导出的绘图</source>
        <translation>Пока нечего экспортировать</translation>
    </message>
    <message>
        <source>截图已保存到：</source>
        <translation>Снимок экрана сохранён в: </translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>Экспорт изображения</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键，请在桌面的快捷键设置中绑定按键。</source>
        <translation>Этот рабочий стол не позволяет программам получать глобальные горячие клавиши: назначьте клавиши в настройках сочетаний клавиш рабочего стола.</translation>
    </message>
    <message>
        <source>查看设置方法</source>
        <translation>Показать, как это сделать</translation>
    </message>
    <message>
        <source>绘制已开启</source>
        <translation>Рисование включено</translation>
    </message>
    <message>
        <source>绘制已关闭，点击会穿过画布</source>
        <translation>Рисование выключено: щелчки проходят к окнам ниже</translation>
    </message>
    <message>
        <source>上次自动保存的绘图无法读取（%1），已原样保留为 %2</source>
        <translation>Последний автосохранённый рисунок не читается (%1); он сохранён без изменений как %2</translation>
    </message>
    <message>
        <source>上次自动保存的绘图无法读取（%1），也无法移开；为了不覆盖它，自动保存已停止</source>
        <translation>Последний автосохранённый рисунок не читается (%1) и не перемещается; чтобы не перезаписать его, автосохранение остановлено</translation>
    </message>
    <message>
        <source>自动保存失败：%1。绘图仍在屏幕上，可以用“保存绘图…”保存到别处。</source>
        <translation>Сбой автосохранения: %1. Рисунок по-прежнему на экране; сохраните его в другом месте командой «Сохранить рисунок…».</translation>
    </message>
    <message>
        <source>自动保存已恢复正常</source>
        <translation>Автосохранение снова работает</translation>
    </message>
    <message>
        <source>上次的绘图没有恢复，已原样保留为 %1</source>
        <translation>Последний рисунок не восстановлен; он сохранён без изменений как %1</translation>
    </message>
    <message>
        <source>点击或框选元素，拖动即可移动；Delete 删除所选</source>
        <translation>Щёлкните элемент или обведите рамкой несколько; перетаскивание перемещает, Delete удаляет выделенное</translation>
    </message>
    <message>
        <source>请先用选择工具选中要复制的元素</source>
        <translation>Сначала выделите инструментом выделения то, что нужно дублировать</translation>
    </message>
</context>
<context>
    <name>select</name>
    <message>
        <source>现在不可用</source>
        <translation>Сейчас недоступно</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>矩形绘制</source>
        <translation>Рисовать прямоугольники</translation>
    </message>
    <message>
        <source>箭头绘制</source>
        <translation>Рисовать стрелки</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>不使用</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>已被其他程序占用</source>
        <translation>Занято другой программой</translation>
    </message>
    <message>
        <source>无法重新启动程序，请手动重新启动以使用新语言</source>
        <translation>Не удалось перезапустить Quillmark; запустите его снова вручную, чтобы включить новый язык</translation>
    </message>
    <message>
        <source>截屏热键</source>
        <translation>Горячая клавиша снимка экрана</translation>
    </message>
    <message>
        <source>画笔热键</source>
        <translation>Горячая клавиша пера</translation>
    </message>
    <message>
        <source>关闭画笔</source>
        <translation>Закрыть перо</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Ластик</translation>
    </message>
    <message>
        <source>添加文字</source>
        <translation>Добавить текст</translation>
    </message>
    <message>
        <source>清除绘制</source>
        <translation>Очистить рисунок</translation>
    </message>
    <message>
        <source>直线绘制</source>
        <translation>Рисовать линии</translation>
    </message>
    <message>
        <source>圆形绘制</source>
        <translation>Рисовать круги</translation>
    </message>
    <message>
        <source>截图路径</source>
        <translation>Папка снимков экрана</translation>
    </message>
    <message>
        <source>截图保存路径</source>
        <translation>Куда сохранять снимки экрана</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>无法更改开机启动</source>
        <translation>Не удалось изменить запуск при входе в систему</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>按下键盘用于改变热键</source>
        <translation>Нажмите клавиши новой горячей клавиши</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>重制</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>与%1相同，此键由“%2”响应</source>
        <translation>Те же клавиши, что у %1; срабатывает «%2»</translation>
    </message>
    <message>
        <source>截图和导出后复制到剪贴板</source>
        <translation>Копировать снимки и экспорт также в буфер обмена</translation>
    </message>
    <message>
        <source>平滑鼠标笔迹</source>
        <translation>Сглаживать штрихи мыши</translation>
    </message>
    <message>
        <source>平滑手写笔和触摸笔迹</source>
        <translation>Сглаживать штрихи пера и касаний</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Лазерная указка</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Прожектор</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Лупа</translation>
    </message>
    <message>
        <source>桌面指定的按键：%1</source>
        <translation>Клавиша, назначенная рабочим столом: %1</translation>
    </message>
    <message>
        <source>桌面尚未指定按键</source>
        <translation>Рабочий стол ещё не назначил клавишу</translation>
    </message>
    <message>
        <source>聚焦工具栏</source>
        <translation>Перейти к панели инструментов</translation>
    </message>
    <message>
        <source>工具栏大小</source>
        <translation>Размер панели инструментов</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
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
        <translation>Основной экран</translation>
    </message>
    <message>
        <source>%1（未连接）</source>
        <translation>%1 (не подключён)</translation>
    </message>
    <message>
        <source>工具栏所在屏幕</source>
        <translation>Экран панели инструментов</translation>
    </message>
    <message>
        <source>选择工具</source>
        <translation>Инструмент выделения</translation>
    </message>
</context>
<context>
    <name>showUpdate</name>
    <message>
        <source>无法启动更新程序，请稍后重试或手动更新</source>
        <translation>Не удалось запустить программу обновления; повторите позже или обновите вручную</translation>
    </message>
    <message>
        <source>升级到新版本  V</source>
        <translation>Обновление до версии  V</translation>
    </message>
    <message>
        <source>立即体验</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>updateWindow</name>
    <message>
        <source>已是最新版本</source>
        <translation>Обновление не требуется</translation>
    </message>
    <message>
        <source>此版本无法安装，已保留原版本:</source>
        <translation>Эту версию нельзя установить; установленная версия сохранена:</translation>
    </message>
    <message>
        <source>上次更新未能撤销，下次启动时将继续:</source>
        <translation>Последнее обновление ещё не удалось отменить; это продолжится при следующем запуске:</translation>
    </message>
    <message>
        <source>没有需要更新的文件</source>
        <translation>Нет файлов для обновления</translation>
    </message>
    <message>
        <source>更新未能完成，原版本将在下次启动时恢复:</source>
        <translation>Не удалось завершить обновление; установленная версия будет восстановлена при следующем запуске:</translation>
    </message>
    <message>
        <source>无法获取更新信息 (HTTP %1)</source>
        <translation>Не удалось получить сведения об обновлении (HTTP %1)</translation>
    </message>
    <message>
        <source>更新信息无法解析</source>
        <translation>Не удаётся прочитать сведения об обновлении</translation>
    </message>
    <message>
        <source>更新信息被拒绝: %1</source>
        <translation>Сведения об обновлении отклонены: %1</translation>
    </message>
    <message>
        <source>以下文件未能更新，已保留原版本:</source>
        <translation>Эти файлы не удалось обновить; установленная версия сохранена:</translation>
    </message>
    <message>
        <source>无法启动 %1，请手动启动</source>
        <translation>Не удалось запустить %1; запустите вручную</translation>
    </message>
    <message>
        <source>软件更新</source>
        <translation>Обновление программы</translation>
    </message>
    <message>
        <source>更新完成</source>
        <translation>Обновление завершено</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>Ошибка обновления</translation>
    </message>
    <message>
        <source>正在下载更新</source>
        <translation>Загрузка обновления</translation>
    </message>
    <message>
        <source>所有文件已下载完成</source>
        <translation>Все файлы загружены</translation>
    </message>
    <message>
        <source>正在下载文件: %1 (%2/%3)</source>
        <translation>Загрузка %1 (%2/%3)</translation>
    </message>
    <message>
        <source>重启应用</source>
        <translation>Перезапустить</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>重试</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>总进度: %1/%2 文件</source>
        <translation>Всего: %1 из %2 файлов</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
</context>
</TS>
