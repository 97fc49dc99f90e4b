<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="zh_CN">
<context>
    <name>AutoSave</name>
    <message>
        <source>上次自动保存的文件无法移开，为了不覆盖它，自动保存已停止</source>
        <translation>تعذّر نقل آخر حفظ تلقائي؛ أُوقف الحفظ التلقائي حتى لا يُكتب فوقه</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>تعذّر إنشاء المجلد %1</translation>
    </message>
    <message>
        <source>自动保存的位置不是普通文件</source>
        <translation>موضع الحفظ التلقائي ليس ملفًا عاديًا</translation>
    </message>
</context>
<context>
    <name>DesktopServices</name>
    <message>
        <source>保存绘图</source>
        <translation>حفظ الرسم</translation>
    </message>
    <message>
        <source>打开绘图</source>
        <translation>فتح رسم</translation>
    </message>
    <message>
        <source>Quillmark 绘图 (*.qmark)</source>
        <translation>رسومات Quillmark (*.qmark)</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>桌面快捷键</source>
        <translation>اختصارات سطح المكتب</translation>
    </message>
    <message>
        <source>热键由桌面管理：桌面决定最终的按键，每个热键下方显示桌面指定的按键。</source>
        <translation>يدير سطح المكتب مفاتيح الاختصار: فهو يحدد المفاتيح النهائية، وتظهر تحت كل مفتاح اختصار.</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键。请把下面几行加入桌面的配置文件（sway：~/.config/sway/config；Hyprland：~/.config/hypr/hyprland.conf），然后重新加载配置。</source>
        <translation>لا يسمح سطح المكتب هذا لأي برنامج باستقبال مفاتيح الاختصار العامة. أضف الأسطر أدناه إلى ملف إعداداته (sway: ~/.config/sway/config؛ Hyprland: ~/.config/hypr/hyprland.conf)، ثم أعد تحميله.</translation>
    </message>
    <message>
        <source>此版本的 GNOME 不允许程序接收全局热键。点击“写入 GNOME 快捷键”，把每个热键写入 GNOME 的自定义快捷键；“移除”会删除这些快捷键。</source>
        <translation>لا يسمح هذا الإصدار من GNOME لأي برنامج باستقبال مفاتيح الاختصار العامة. يجعل «كتابة اختصارات GNOME» كل مفتاح اختصار اختصارًا مخصصًا في GNOME؛ ويحذفها «إزالة».</translation>
    </message>
    <message>
        <source>请打开“系统设置 → 快捷键 → 添加新的 → 命令或脚本”，命令填写 %1（其他动作见帮助），再设定按键。</source>
        <translation>افتح «إعدادات النظام ← الاختصارات ← إضافة جديد ← أمر أو سكربت»، واكتب الأمر %1 (الإجراءات الأخرى في المساعدة)، ثم عيّن مفتاحًا.</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键。请在桌面的快捷键设置中把按键绑定到命令，例如 Ctrl+Z → %1。</source>
        <translation>لا يسمح سطح المكتب هذا لأي برنامج باستقبال مفاتيح الاختصار العامة. اربط المفاتيح بالأوامر في إعدادات اختصارات سطح المكتب، مثلًا Ctrl+Z ← %1.</translation>
    </message>
    <message>
        <source>打开桌面的快捷键设置</source>
        <translation>فتح إعدادات اختصارات سطح المكتب</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>写入 GNOME 快捷键</source>
        <translation>كتابة اختصارات GNOME</translation>
    </message>
    <message>
        <source>已写入 GNOME 快捷键</source>
        <translation>كُتبت اختصارات GNOME</translation>
    </message>
    <message>
        <source>无法写入 GNOME 快捷键</source>
        <translation>تعذّرت كتابة اختصارات GNOME</translation>
    </message>
    <message>
        <source>移除 GNOME 快捷键</source>
        <translation>إزالة اختصارات GNOME</translation>
    </message>
    <message>
        <source>已移除 GNOME 快捷键</source>
        <translation>أُزيلت اختصارات GNOME</translation>
    </message>
    <message>
        <source>无法移除 GNOME 快捷键</source>
        <translation>تعذّرت إزالة اختصارات GNOME</translation>
    </message>
</context>
<context>
    <name>DrawingFile</name>
    <message>
        <source>缺少“%1”</source>
        <translation>«%1» مفقود</translation>
    </message>
    <message>
        <source>“%1”应为 %2 到 %3 之间的整数</source>
        <translation>يجب أن يكون «%1» عددًا صحيحًا من %2 إلى %3</translation>
    </message>
    <message>
        <source>“%1”应为两个 %2 到 %3 之间的整数坐标</source>
        <translation>يجب أن يكون «%1» إحداثيين صحيحين من %2 إلى %3</translation>
    </message>
    <message>
        <source>“points”应为坐标列表</source>
        <translation>يجب أن يكون «points» قائمة إحداثيات</translation>
    </message>
    <message>
        <source>“points”应为成对的坐标，至少一个点</source>
        <translation>يجب أن يحوي «points» أزواج إحداثيات، نقطة واحدة على الأقل</translation>
    </message>
    <message>
        <source>“pressures”应为每个点一个 0 到 %1 之间的整数</source>
        <translation>يجب أن يحوي «pressures» عددًا صحيحًا من 0 إلى %1 لكل نقطة</translation>
    </message>
    <message>
        <source>笔画的点过多（最多 %1 个，整幅绘图最多 %2 个）</source>
        <translation>في الخط نقاط كثيرة جدًا (%1 على الأكثر، و%2 في الرسم كله)</translation>
    </message>
    <message>
        <source>“points”的第 %1 个点应为两个 %2 到 %3 之间的整数坐标</source>
        <translation>يجب أن تكون النقطة %1 من «points» إحداثيين صحيحين من %2 إلى %3</translation>
    </message>
    <message>
        <source>“color”应为 #rrggbb 或 #aarrggbb 形式的颜色</source>
        <translation>يجب أن يكون «color» لونًا بالصيغة #rrggbb أو #aarrggbb</translation>
    </message>
    <message>
        <source>“opacity”应为 0 到 1 之间的数</source>
        <translation>يجب أن يكون «opacity» عددًا من 0 إلى 1</translation>
    </message>
    <message>
        <source>“text”应为不超过 %1 个字符的文字</source>
        <translation>يجب أن يكون «text» نصًا لا يتجاوز %1 حرفًا</translation>
    </message>
    <message>
        <source>未知的元素种类“%1”</source>
        <translation>نوع عنصر غير معروف «%1»</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(لا شيء)</translation>
    </message>
    <message>
        <source>内容无效</source>
        <translation>محتوى غير صالح</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>الملف فارغ</translation>
    </message>
    <message>
        <source>文件过大（最大 %1 MB）</source>
        <translation>الملف كبير جدًا (%1 م.ب على الأكثر)</translation>
    </message>
    <message>
        <source>文件已损坏或不完整（第 %1 个字节处：%2）</source>
        <translation>الملف تالف أو غير مكتمل (عند البايت %1: %2)</translation>
    </message>
    <message>
        <source>这不是 Quillmark 绘图文件</source>
        <translation>هذا ليس رسمًا من Quillmark</translation>
    </message>
    <message>
        <source>绘图文件的格式版本无效</source>
        <translation>إصدار صيغة الرسم غير صالح</translation>
    </message>
    <message>
        <source>这个绘图来自较新的 Quillmark（格式版本 %1），本版本只能打开版本 %2 及更早的绘图，请更新 Quillmark</source>
        <translation>هذا الرسم من إصدار أحدث من Quillmark (إصدار الصيغة %1)؛ يفتح هذا الإصدار الرسومات حتى الإصدار %2. يُرجى تحديث Quillmark</translation>
    </message>
    <message>
        <source>“circleCounter”应为 0 到 %1 之间的整数</source>
        <translation>يجب أن يكون «circleCounter» عددًا صحيحًا من 0 إلى %1</translation>
    </message>
    <message>
        <source>绘图文件缺少元素列表</source>
        <translation>الرسم بلا قائمة عناصر</translation>
    </message>
    <message>
        <source>绘图的元素过多（%1 个，最多 %2 个）</source>
        <translation>في الرسم عناصر كثيرة جدًا (%1، والحد %2)</translation>
    </message>
    <message>
        <source>应为一个对象</source>
        <translation>يجب أن يكون كائنًا</translation>
    </message>
    <message>
        <source>第 %1 个元素：%2</source>
        <translation>العنصر %1: %2</translation>
    </message>
    <message>
        <source>无法保存绘图：%1</source>
        <translation>تعذّر حفظ الرسم: %1</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>تعذّر فتح الملف: %1</translation>
    </message>
    <message>
        <source>只能保存到本机的文件</source>
        <translation>لا يمكن حفظ الرسومات إلا في ملفات محلية</translation>
    </message>
    <message>
        <source>只能打开本机的文件</source>
        <translation>لا يمكن فتح إلا الملفات المحلية</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>أُلغي</translation>
    </message>
    <message>
        <source>绘图过于复杂，显示它要花太久（墨迹超过 %1 百万像素）</source>
        <translation>الرسم معقّد جدًا ويستغرق عرضه وقتًا طويلًا (الحبر أكثر من %1 مليون بكسل)</translation>
    </message>
</context>
<context>
    <name>FluInfoBar</name>
    <message>
        <source>关闭</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>FluShortcutPicker</name>
    <message>
        <source>保存</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>إعادة تعيين</translation>
    </message>
    <message>
        <source>不使用</source>
        <translation>بلا مفتاح</translation>
    </message>
    <message>
        <source>无</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>已被其他程序占用</source>
        <translation>يستخدمه برنامج آخر</translation>
    </message>
    <message>
        <source>按 Enter 保存，Esc 取消，Delete 不使用</source>
        <translation>Enter للحفظ، وEsc للإلغاء، وDelete لإلغاء المفتاح</translation>
    </message>
</context>
<context>
    <name>LoadingPanel</name>
    <message>
        <source>正在打开绘图… %1%</source>
        <translation>جارٍ فتح الرسم… %1٪</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>OverlaySurface</name>
    <message>
        <source>图片导出失败：</source>
        <translation>تعذّر تصدير الصورة: </translation>
    </message>
</context>
<context>
    <name>PenKeys</name>
    <message>
        <source>%1 像素</source>
        <translation>%1 بكسل</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>文件已存在</source>
        <translation>الملف موجود مسبقًا</translation>
    </message>
    <message>
        <source>这是一个符号链接，不会写到它指向的地方</source>
        <translation>هذا رابط رمزي؛ لن يُكتب شيء في الموضع الذي يشير إليه</translation>
    </message>
    <message>
        <source>这不是普通文件（文件夹、设备或管道），不会写入</source>
        <translation>هذا ليس ملفًا عاديًا (مجلد أو جهاز أو أنبوب)؛ لن يُكتب فيه شيء</translation>
    </message>
    <message>
        <source>这是一个文件夹，不是文件</source>
        <translation>هذا مجلد وليس ملفًا</translation>
    </message>
    <message>
        <source>这不是普通文件（例如管道或设备），不会读取</source>
        <translation>هذا ليس ملفًا عاديًا (أنبوب أو جهاز مثلًا)؛ لن يُقرأ</translation>
    </message>
    <message>
        <source>文件过大（最大 %1 MB）</source>
        <translation>الملف كبير جدًا (%1 ميغابايت على الأكثر)</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>أُلغي</translation>
    </message>
</context>
<context>
    <name>ScreenGrabber</name>
    <message>
        <source>此 Wayland 会话无法读取屏幕（缺少截图门户 xdg-desktop-portal 或其后端）</source>
        <translation>لا تستطيع جلسة Wayland هذه قراءة الشاشة (بوابة لقطات الشاشة في xdg-desktop-portal أو واجهتها الخلفية غير موجودة)</translation>
    </message>
    <message>
        <source>截图已取消</source>
        <translation>أُلغيت لقطة الشاشة</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>تعذّر إنشاء المجلد %1</translation>
    </message>
    <message>
        <source>设置文件正被另一个程序使用</source>
        <translation>برنامج آخر يستخدم ملف الإعدادات</translation>
    </message>
    <message>
        <source>无法整理设置</source>
        <translation>تعذّر تجميع الإعدادات</translation>
    </message>
    <message>
        <source>整理后的设置不完整</source>
        <translation>الإعدادات المجمّعة غير مكتملة</translation>
    </message>
</context>
<context>
    <name>TextInputDialog</name>
    <message>
        <source>输入文字</source>
        <translation>إدخال نص</translation>
    </message>
    <message>
        <source>请输入要添加的文字</source>
        <translation>اكتب النص المراد إضافته</translation>
    </message>
    <message>
        <source>文字大小: </source>
        <translation>حجم النص: </translation>
    </message>
</context>
<context>
    <name>ToolNames</name>
    <message>
        <source>普通画笔</source>
        <translation>قلم عادي</translation>
    </message>
    <message>
        <source>荧光笔</source>
        <translation>قلم التمييز</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>خط</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>دائرة</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>سهم</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>مستطيل</translation>
    </message>
    <message>
        <source>序号圆</source>
        <translation>دائرة مرقّمة</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>透明</source>
        <translation>شفاف</translation>
    </message>
    <message>
        <source>白板</source>
        <translation>سبورة بيضاء</translation>
    </message>
    <message>
        <source>黑板</source>
        <translation>سبورة سوداء</translation>
    </message>
    <message>
        <source>背景图片</source>
        <translation>صورة خلفية</translation>
    </message>
    <message>
        <source>%1 像素</source>
        <translation>%1 بكسل</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>متوقف</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>مؤشر الليزر</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>بقعة الضوء</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>المكبّر</translation>
    </message>
    <message>
        <source>每 %1 秒</source>
        <translation>كل %1 ث</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>تحديد</translation>
    </message>
</context>
<context>
    <name>ToolbarButtons</name>
    <message>
        <source>鼠标</source>
        <translation>الفأرة</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>القلم</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>المساعدة</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>保存绘图…</source>
        <translation>حفظ الرسم…</translation>
    </message>
    <message>
        <source>打开绘图…</source>
        <translation>فتح رسم…</translation>
    </message>
    <message>
        <source>导出图片…</source>
        <translation>تصدير صورة…</translation>
    </message>
    <message>
        <source>演示工具</source>
        <translation>أدوات العرض</translation>
    </message>
    <message>
        <source>已选择：%1</source>
        <translation>المحدد: %1</translation>
    </message>
    <message>
        <source>拖动工具栏</source>
        <translation>سحب شريط الأدوات</translation>
    </message>
    <message>
        <source>展开工具栏</source>
        <translation>توسيع شريط الأدوات</translation>
    </message>
    <message>
        <source>收起工具栏</source>
        <translation>طي شريط الأدوات</translation>
    </message>
    <message>
        <source>绘制</source>
        <translation>الرسم</translation>
    </message>
    <message>
        <source>画笔：%1</source>
        <translation>القلم: %1</translation>
    </message>
    <message>
        <source>形状：%1</source>
        <translation>الشكل: %1</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>الممحاة</translation>
    </message>
    <message>
        <source>橡皮擦已开启</source>
        <translation>الممحاة مفعّلة</translation>
    </message>
    <message>
        <source>橡皮擦已关闭</source>
        <translation>الممحاة متوقفة</translation>
    </message>
    <message>
        <source>清除全部</source>
        <translation>مسح الكل</translation>
    </message>
    <message>
        <source>画板：%1</source>
        <translation>السبورة: %1</translation>
    </message>
    <message>
        <source>截屏</source>
        <translation>لقطة شاشة</translation>
    </message>
    <message>
        <source>画笔颜色</source>
        <translation>لون القلم</translation>
    </message>
    <message>
        <source>粗细：%1</source>
        <translation>السُمك: %1</translation>
    </message>
    <message>
        <source>自动消失：%1</source>
        <translation>التلاشي: %1</translation>
    </message>
    <message>
        <source>呼吸：%1</source>
        <translation>النبض: %1</translation>
    </message>
    <message>
        <source>演示工具：%1</source>
        <translation>أداة العرض: %1</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>复制所选</source>
        <translation>تكرار المحدد</translation>
    </message>
</context>
<context>
    <name>ToolbarHotkeys</name>
    <message>
        <source>截屏</source>
        <translation>لقطة شاشة</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>الممحاة</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>القلم</translation>
    </message>
    <message>
        <source>退出绘制模式</source>
        <translation>الخروج من وضع الرسم</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>清除画布</source>
        <translation>مسح اللوحة</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>直线模式</source>
        <translation>وضع الخط</translation>
    </message>
    <message>
        <source>圆形模式</source>
        <translation>وضع الدائرة</translation>
    </message>
    <message>
        <source>矩形模式</source>
        <translation>وضع المستطيل</translation>
    </message>
    <message>
        <source>箭头模式</source>
        <translation>وضع السهم</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>مؤشر الليزر</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>بقعة الضوء</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>المكبّر</translation>
    </message>
    <message>
        <source>聚焦工具栏</source>
        <translation>الانتقال إلى شريط الأدوات</translation>
    </message>
    <message>
        <source>橡皮擦已开启</source>
        <translation>الممحاة مفعّلة</translation>
    </message>
    <message>
        <source>橡皮擦已关闭</source>
        <translation>الممحاة متوقفة</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>تحديد</translation>
    </message>
</context>
<context>
    <name>ToolbarWindows</name>
    <message>
        <source>图片已导出到：</source>
        <translation>صُدّرت الصورة إلى: </translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>当前已经是最新!</source>
        <translation>لديك أحدث إصدار بالفعل!</translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation>حول Quillmark</translation>
    </message>
    <message>
        <source>Penvoro</source>
        <translation>Penvoro</translation>
    </message>
    <message>
        <source>当前版本: </source>
        <translation>الإصدار الحالي: </translation>
    </message>
    <message>
        <source>公司名称:</source>
        <translation>الشركة:</translation>
    </message>
    <message>
        <source>官方网站:</source>
        <translation>الموقع:</translation>
    </message>
    <message>
        <source>Penvoro官网</source>
        <translation>موقع Penvoro</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>البحث عن تحديثات</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>版权所有 © %1 %2</source>
        <translation>حقوق النشر © %1 %2</translation>
    </message>
</context>
<context>
    <name>draw</name>
    <message>
        <source>Ctrl+鼠标滚轮:缩放图片</source>
        <translation>Ctrl+عجلة الفأرة: تكبير الصورة أو تصغيرها</translation>
    </message>
    <message>
        <source>Ctrl+鼠标移动:拖动图片</source>
        <translation>Ctrl+تحريك الفأرة: سحب الصورة</translation>
    </message>
    <message>
        <source>请选择一个文件</source>
        <translation>يُرجى اختيار ملف</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>绘图已保存：</source>
        <translation>حُفظ الرسم: </translation>
    </message>
    <message>
        <source>绘图保存失败：</source>
        <translation>تعذّر حفظ الرسم: </translation>
    </message>
    <message>
        <source>已打开绘图：</source>
        <translation>فُتح الرسم: </translation>
    </message>
    <message>
        <source>无法打开绘图：</source>
        <translation>تعذّر فتح الرسم: </translation>
    </message>
    <message>
        <source>已取消打开绘图，画面上的绘图没有改变</source>
        <translation>أُلغي فتح الرسم؛ لم يتغيّر الرسم على الشاشة</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>没有系统托盘：请通过工具栏菜单中的“退出”结束程序。</source>
        <translation>لا يوجد درج نظام: أغلق Quillmark من «خروج» في قائمة شريط الأدوات.</translation>
    </message>
    <message>
        <source>要显示托盘图标，请安装托盘扩展（GNOME：AppIndicator and KStatusNotifierItem Support）或使用带托盘的面板。</source>
        <translation>لإظهار أيقونة في الدرج، ثبّت امتدادًا للدرج (GNOME: AppIndicator and KStatusNotifierItem Support) أو استخدم لوحة فيها درج.</translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation>إخفاء</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>إظهار</translation>
    </message>
</context>
<context>
    <name>painter</name>
    <message>
        <source>Shit+绘制:绘制90°,45°,180°直线</source>
        <translation>Shift+الرسم: خطوط بزاوية 90° أو 45° أو 180°</translation>
    </message>
    <message>
        <source>Shit+绘制:绘制正方形</source>
        <translation>Shift+الرسم: مربعات</translation>
    </message>
    <message>
        <source>截图保存失败：</source>
        <translation>تعذّر حفظ لقطة الشاشة: </translation>
    </message>
    <message>
        <source>（已复制到剪贴板）</source>
        <translation> (ونُسخت إلى الحافظة أيضًا)</translation>
    </message>
    <message>
        <source>（无法复制到剪贴板）</source>
        <translation> (تعذّر نسخها إلى الحافظة)</translation>
    </message>
    <message>
        <source>上次的绘图已自动保存，可以恢复。</source>
        <translation>حُفظ رسمك الأخير تلقائيًا ويمكن استعادته.</translation>
    </message>
    <message>
        <source>恢复上次的绘图</source>
        <translation>استعادة الرسم الأخير</translation>
    </message>
    <message>
        <source>已恢复上次的绘图</source>
        <translation>استُعيد الرسم الأخير</translation>
    </message>
    <message>
        <source>无法恢复上次的绘图</source>
        <translation>تعذّرت استعادة الرسم الأخير</translation>
    </message>
    <message>
        <source>还没有可导出的绘图</source>
        <translation>لا يوجد رسم للتصدير بعد</translation>
    </message>
    <message>
        <source>截图已保存到：</source>
        <translation>حُفظت لقطة الشاشة في: </translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>تصدير صورة</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键，请在桌面的快捷键设置中绑定按键。</source>
        <translation>لا يسمح سطح المكتب هذا لأي برنامج باستقبال مفاتيح الاختصار العامة: اربط المفاتيح في إعدادات اختصارات سطح المكتب.</translation>
    </message>
    <message>
        <source>查看设置方法</source>
        <translation>عرض الطريقة</translation>
    </message>
    <message>
        <source>绘制已开启</source>
        <translation>الرسم مفعّل</translation>
    </message>
    <message>
        <source>绘制已关闭，点击会穿过画布</source>
        <translation>الرسم متوقف: النقرات تصل إلى النوافذ تحته</translation>
    </message>
    <message>
        <source>上次自动保存的绘图无法读取（%1），已原样保留为 %2</source>
        <translation>تعذّرت قراءة آخر رسم محفوظ تلقائيًا (%1)؛ احتُفظ به كما هو باسم %2</translation>
    </message>
    <message>
        <source>上次自动保存的绘图无法读取（%1），也无法移开；为了不覆盖它，自动保存已停止</source>
        <translation>تعذّرت قراءة آخر رسم محفوظ تلقائيًا (%1) وتعذّر نقله؛ أُوقف الحفظ التلقائي حتى لا يُكتب فوقه</translation>
    </message>
    <message>
        <source>自动保存失败：%1。绘图仍在屏幕上，可以用“保存绘图…”保存到别处。</source>
        <translation>فشل الحفظ التلقائي: %1. ما زال الرسم على الشاشة؛ استخدم «حفظ الرسم…» لحفظه في مكان آخر.</translation>
    </message>
    <message>
        <source>自动保存已恢复正常</source>
        <translation>عاد الحفظ التلقائي إلى العمل</translation>
    </message>
    <message>
        <source>上次的绘图没有恢复，已原样保留为 %1</source>
        <translation>لم يُستعد الرسم الأخير؛ احتُفظ به كما هو باسم %1</translation>
    </message>
    <message>
        <source>点击或框选元素，拖动即可移动；Delete 删除所选</source>
        <translation>انقر على عنصر أو اسحب إطارًا حول عدة عناصر؛ اسحب لتحريكها، ومفتاح Delete يحذفها</translation>
    </message>
    <message>
        <source>请先用选择工具选中要复制的元素</source>
        <translation>حدد أولاً بأداة التحديد ما تريد تكراره</translation>
    </message>
</context>
<context>
    <name>select</name>
    <message>
        <source>现在不可用</source>
        <translation>غير متاح الآن</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>矩形绘制</source>
        <translation>رسم مستطيلات</translation>
    </message>
    <message>
        <source>箭头绘制</source>
        <translation>رسم أسهم</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>不使用</source>
        <translation>بلا مفتاح</translation>
    </message>
    <message>
        <source>无</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>已被其他程序占用</source>
        <translation>يستخدمه برنامج آخر</translation>
    </message>
    <message>
        <source>无法重新启动程序，请手动重新启动以使用新语言</source>
        <translation>تعذّرت إعادة تشغيل Quillmark؛ شغّله بنفسك لاستخدام اللغة الجديدة</translation>
    </message>
    <message>
        <source>截屏热键</source>
        <translation>اختصار لقطة الشاشة</translation>
    </message>
    <message>
        <source>画笔热键</source>
        <translation>اختصار القلم</translation>
    </message>
    <message>
        <source>关闭画笔</source>
        <translation>إغلاق القلم</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>الممحاة</translation>
    </message>
    <message>
        <source>添加文字</source>
        <translation>إضافة نص</translation>
    </message>
    <message>
        <source>清除绘制</source>
        <translation>مسح الرسم</translation>
    </message>
    <message>
        <source>直线绘制</source>
        <translation>رسم خطوط</translation>
    </message>
    <message>
        <source>圆形绘制</source>
        <translation>رسم دوائر</translation>
    </message>
    <message>
        <source>截图路径</source>
        <translation>مجلد لقطات الشاشة</translation>
    </message>
    <message>
        <source>截图保存路径</source>
        <translation>مكان حفظ لقطات الشاشة</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>استعراض</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>التشغيل عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>无法更改开机启动</source>
        <translation>تعذّر تغيير التشغيل عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>按下键盘用于改变热键</source>
        <translation>اضغط مفاتيح الاختصار الجديد</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>重制</source>
        <translation>إعادة تعيين</translation>
    </message>
    <message>
        <source>与%1相同，此键由“%2”响应</source>
        <translation>المفاتيح نفسها كـ%1؛ والذي يستجيب لها «%2»</translation>
    </message>
    <message>
        <source>截图和导出后复制到剪贴板</source>
        <translation>نسخ لقطات الشاشة والصور المصدّرة إلى الحافظة أيضًا</translation>
    </message>
    <message>
        <source>平滑鼠标笔迹</source>
        <translation>تنعيم خطوط الفأرة</translation>
    </message>
    <message>
        <source>平滑手写笔和触摸笔迹</source>
        <translation>تنعيم خطوط القلم واللمس</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>مؤشر الليزر</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>بقعة الضوء</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>المكبّر</translation>
    </message>
    <message>
        <source>桌面指定的按键：%1</source>
        <translation>المفتاح الذي عيّنه سطح المكتب: %1</translation>
    </message>
    <message>
        <source>桌面尚未指定按键</source>
        <translation>لم يعيّن سطح المكتب مفتاحًا بعد</translation>
    </message>
    <message>
        <source>聚焦工具栏</source>
        <translation>الانتقال إلى شريط الأدوات</translation>
    </message>
    <message>
        <source>工具栏大小</source>
        <translation>حجم شريط الأدوات</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1٪</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>、</source>
        <translation>، </translation>
    </message>
    <message>
        <source>主屏幕</source>
        <translation>الشاشة الرئيسية</translation>
    </message>
    <message>
        <source>%1（未连接）</source>
        <translation>%1 (غير متصلة)</translation>
    </message>
    <message>
        <source>工具栏所在屏幕</source>
        <translation>شاشة شريط الأدوات</translation>
    </message>
    <message>
        <source>选择工具</source>
        <translation>أداة التحديد</translation>
    </message>
</context>
<context>
    <name>showUpdate</name>
    <message>
        <source>无法启动更新程序，请稍后重试或手动更新</source>
        <translation>تعذّر تشغيل برنامج التحديث؛ أعد المحاولة لاحقًا أو حدّث يدويًا</translation>
    </message>
    <message>
        <source>升级到新版本  V</source>
        <translation>التحديث إلى الإصدار  V</translation>
    </message>
    <message>
        <source>立即体验</source>
        <translation>حدّث الآن</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>updateWindow</name>
    <message>
        <source>已是最新版本</source>
        <translation>محدّث بالفعل</translation>
    </message>
    <message>
        <source>此版本无法安装，已保留原版本:</source>
        <translation>لا يمكن تثبيت هذا الإصدار؛ أُبقي الإصدار المثبت:</translation>
    </message>
    <message>
        <source>上次更新未能撤销，下次启动时将继续:</source>
        <translation>لم يُتراجع عن التحديث الأخير بعد؛ سيُستكمل ذلك عند التشغيل التالي:</translation>
    </message>
    <message>
        <source>没有需要更新的文件</source>
        <translation>لا توجد ملفات تحتاج إلى تحديث</translation>
    </message>
    <message>
        <source>更新未能完成，原版本将在下次启动时恢复:</source>
        <translation>تعذّر إكمال التحديث؛ سيُستعاد الإصدار المثبت عند التشغيل التالي:</translation>
    </message>
    <message>
        <source>无法获取更新信息 (HTTP %1)</source>
        <translation>تعذّر جلب معلومات التحديث (HTTP %1)</translation>
    </message>
    <message>
        <source>更新信息无法解析</source>
        <translation>تعذّرت قراءة معلومات التحديث</translation>
    </message>
    <message>
        <source>更新信息被拒绝: %1</source>
        <translation>رُفضت معلومات التحديث: %1</translation>
    </message>
    <message>
        <source>以下文件未能更新，已保留原版本:</source>
        <translation>تعذّر تحديث هذه الملفات؛ أُبقي الإصدار المثبت:</translation>
    </message>
    <message>
        <source>无法启动 %1，请手动启动</source>
        <translation>تعذّر تشغيل %1؛ يُرجى تشغيله بنفسك</translation>
    </message>
    <message>
        <source>软件更新</source>
        <translation>تحديث البرنامج</translation>
    </message>
    <message>
        <source>更新完成</source>
        <translation>اكتمل التحديث</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>فشل التحديث</translation>
    </message>
    <message>
        <source>正在下载更新</source>
        <translation>جارٍ تنزيل التحديث</translation>
    </message>
    <message>
        <source>所有文件已下载完成</source>
        <translation>نُزّلت جميع الملفات</translation>
    </message>
    <message>
        <source>正在下载文件: %1 (%2/%3)</source>
        <translation>جارٍ تنزيل %1 (%2/%3)</translation>
    </message>
    <message>
        <source>重启应用</source>
        <translation>إعادة التشغيل</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>重试</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message>
        <source>总进度: %1/%2 文件</source>
        <translation>الإجمالي: %1 من %2 ملفات</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>إغلاق</translation>
    </message>
</context>
</TS>
