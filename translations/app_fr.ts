<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>AutoSave</name>
    <message>
        <source>上次自动保存的文件无法移开，为了不覆盖它，自动保存已停止</source>
        <translation>La dernière sauvegarde automatique ne peut pas être déplacée ; pour ne pas l’écraser, la sauvegarde automatique est arrêtée</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>自动保存的位置不是普通文件</source>
        <translation>L’emplacement de la sauvegarde automatique n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>DesktopServices</name>
    <message>
        <source>保存绘图</source>
        <translation>Enregistrer le dessin</translation>
    </message>
    <message>
        <source>打开绘图</source>
        <translation>Ouvrir un dessin</translation>
    </message>
    <message>
        <source>Quillmark 绘图 (*.qmark)</source>
        <translation>Dessins Quillmark (*.qmark)</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>桌面快捷键</source>
        <translation>Raccourcis du bureau</translation>
    </message>
    <message>
        <source>热键由桌面管理：桌面决定最终的按键，每个热键下方显示桌面指定的按键。</source>
        <translation>Le bureau gère les raccourcis : c’est lui qui fixe les touches définitives, affichées sous chaque raccourci.</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键。请把下面几行加入桌面的配置文件（sway：~/.config/sway/config；Hyprland：~/.config/hypr/hyprland.conf），然后重新加载配置。</source>
        <translation>Ce bureau ne laisse aucune application recevoir de raccourcis globaux. Ajoutez les lignes ci-dessous à sa configuration (sway : ~/.config/sway/config ; Hyprland : ~/.config/hypr/hyprland.conf), puis rechargez-la.</translation>
    </message>
    <message>
        <source>此版本的 GNOME 不允许程序接收全局热键。点击“写入 GNOME 快捷键”，把每个热键写入 GNOME 的自定义快捷键；“移除”会删除这些快捷键。</source>
        <translation>Cette version de GNOME ne laisse aucune application recevoir de raccourcis globaux. « Créer les raccourcis GNOME » fait de chaque raccourci un raccourci personnalisé de GNOME ; « Supprimer » les retire.</translation>
    </message>
    <message>
        <source>请打开“系统设置 → 快捷键 → 添加新的 → 命令或脚本”，命令填写 %1（其他动作见帮助），再设定按键。</source>
        <translation>Ouvrez « Configuration du système → Raccourcis → Ajouter un nouveau → Commande ou script », saisissez la commande %1 (les autres actions figurent dans l’aide), puis choisissez une touche.</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键。请在桌面的快捷键设置中把按键绑定到命令，例如 Ctrl+Z → %1。</source>
        <translation>Ce bureau ne laisse aucune application recevoir de raccourcis globaux. Associez des touches à des commandes dans les réglages de raccourcis du bureau, par exemple Ctrl+Z → %1.</translation>
    </message>
    <message>
        <source>打开桌面的快捷键设置</source>
        <translation>Ouvrir les réglages de raccourcis du bureau</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>写入 GNOME 快捷键</source>
        <translation>Créer les raccourcis GNOME</translation>
    </message>
    <message>
        <source>已写入 GNOME 快捷键</source>
        <translation>Raccourcis GNOME créés</translation>
    </message>
    <message>
        <source>无法写入 GNOME 快捷键</source>
        <translation>Impossible de créer les raccourcis GNOME</translation>
    </message>
    <message>
        <source>移除 GNOME 快捷键</source>
        <translation>Supprimer les raccourcis GNOME</translation>
    </message>
    <message>
        <source>已移除 GNOME 快捷键</source>
        <translation>Raccourcis GNOME supprimés</translation>
    </message>
    <message>
        <source>无法移除 GNOME 快捷键</source>
        <translation>Impossible de supprimer les raccourcis GNOME</translation>
    </message>
</context>
<context>
    <name>DrawingFile</name>
    <message>
        <source>缺少“%1”</source>
        <translation>« %1 » manque</translation>
    </message>
    <message>
        <source>“%1”应为 %2 到 %3 之间的整数</source>
        <translation>« %1 » doit être un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>“%1”应为两个 %2 到 %3 之间的整数坐标</source>
        <translation>« %1 » doit être formé de deux coordonnées entières de %2 à %3</translation>
    </message>
    <message>
        <source>“points”应为坐标列表</source>
        <translation>« points » doit être une liste de coordonnées</translation>
    </message>
    <message>
        <source>“points”应为成对的坐标，至少一个点</source>
        <translation>« points » doit contenir des paires de coordonnées, au moins un point</translation>
    </message>
    <message>
        <source>“pressures”应为每个点一个 0 到 %1 之间的整数</source>
        <translation>« pressures » doit contenir un nombre entier de 0 à %1 pour chaque point</translation>
    </message>
    <message>
        <source>笔画的点过多（最多 %1 个，整幅绘图最多 %2 个）</source>
        <translation>le trait a trop de points (au plus %1, et %2 dans tout le dessin)</translation>
    </message>
    <message>
        <source>“points”的第 %1 个点应为两个 %2 到 %3 之间的整数坐标</source>
        <translation>le point %1 de « points » doit être formé de deux coordonnées entières de %2 à %3</translation>
    </message>
    <message>
        <source>“color”应为 #rrggbb 或 #aarrggbb 形式的颜色</source>
        <translation>« color » doit être une couleur de la forme #rrggbb ou #aarrggbb</translation>
    </message>
    <message>
        <source>“opacity”应为 0 到 1 之间的数</source>
        <translation>« opacity » doit être un nombre de 0 à 1</translation>
    </message>
    <message>
        <source>“text”应为不超过 %1 个字符的文字</source>
        <translation>« text » doit être un texte d’au plus %1 caractères</translation>
    </message>
    <message>
        <source>未知的元素种类“%1”</source>
        <translation>type d’élément inconnu « %1 »</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>内容无效</source>
        <translation>contenu non valide</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>Le fichier est vide</translation>
    </message>
    <message>
        <source>文件过大（最大 %1 MB）</source>
        <translation>Le fichier est trop volumineux (%1 Mo au plus)</translation>
    </message>
    <message>
        <source>文件已损坏或不完整（第 %1 个字节处：%2）</source>
        <translation>Le fichier est endommagé ou incomplet (à l’octet %1 : %2)</translation>
    </message>
    <message>
        <source>这不是 Quillmark 绘图文件</source>
        <translation>Ce n’est pas un dessin Quillmark</translation>
    </message>
    <message>
        <source>绘图文件的格式版本无效</source>
        <translation>La version de format du dessin n’est pas valide</translation>
    </message>
    <message>
        <source>这个绘图来自较新的 Quillmark（格式版本 %1），本版本只能打开版本 %2 及更早的绘图，请更新 Quillmark</source>
        <translation>Ce dessin provient d’un Quillmark plus récent (version de format %1) ; cette version ouvre les dessins jusqu’à la version %2. Veuillez mettre Quillmark à jour</translation>
    </message>
    <message>
        <source>“circleCounter”应为 0 到 %1 之间的整数</source>
        <translation>« circleCounter » doit être un nombre entier de 0 à %1</translation>
    </message>
    <message>
        <source>绘图文件缺少元素列表</source>
        <translation>Le dessin n’a pas de liste d’éléments</translation>
    </message>
    <message>
        <source>绘图的元素过多（%1 个，最多 %2 个）</source>
        <translation>Le dessin a trop d’éléments (%1, au plus %2)</translation>
    </message>
    <message>
        <source>应为一个对象</source>
        <translation>doit être un objet</translation>
    </message>
    <message>
        <source>第 %1 个元素：%2</source>
        <translation>Élément %1 : %2</translation>
    </message>
    <message>
        <source>无法保存绘图：%1</source>
        <translation>Impossible d’enregistrer le dessin : %1</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Impossible d’ouvrir le fichier : %1</translation>
    </message>
    <message>
        <source>只能保存到本机的文件</source>
        <translation>Les dessins ne peuvent être enregistrés que dans des fichiers locaux</translation>
    </message>
    <message>
        <source>只能打开本机的文件</source>
        <translation>Seuls les fichiers locaux peuvent être ouverts</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>绘图过于复杂，显示它要花太久（墨迹超过 %1 百万像素）</source>
        <translation>Le dessin est trop complexe pour être affiché en un temps raisonnable (plus de %1 millions de pixels d’encre)</translation>
    </message>
</context>
<context>
    <name>FluInfoBar</name>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>FluShortcutPicker</name>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>不使用</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>已被其他程序占用</source>
        <translation>Déjà pris par une autre application</translation>
    </message>
    <message>
        <source>按 Enter 保存，Esc 取消，Delete 不使用</source>
        <translation>Entrée enregistre, Échap annule, Suppr n’attribue aucune touche</translation>
    </message>
</context>
<context>
    <name>LoadingPanel</name>
    <message>
        <source>正在打开绘图… %1%</source>
        <translation>Ouverture du dessin… %1 %</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>OverlaySurface</name>
    <message>
        <source>图片导出失败：</source>
        <translation>Impossible d’exporter l’image : </translation>
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
        <translation>Le fichier existe déjà</translation>
    </message>
    <message>
        <source>这是一个符号链接，不会写到它指向的地方</source>
        <translation>Ceci est un lien symbolique ; rien n’est écrit à l’endroit vers lequel il pointe</translation>
    </message>
    <message>
        <source>这不是普通文件（文件夹、设备或管道），不会写入</source>
        <translation>Ce n’est pas un fichier ordinaire (dossier, périphérique ou tube) ; rien n’est écrit</translation>
    </message>
    <message>
        <source>这是一个文件夹，不是文件</source>
        <translation>Ceci est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>这不是普通文件（例如管道或设备），不会读取</source>
        <translation>Ce n’est pas un fichier ordinaire (un tube ou un périphérique, par exemple) ; il n’est pas lu</translation>
    </message>
    <message>
        <source>文件过大（最大 %1 MB）</source>
        <translation>Le fichier est trop volumineux (%1 Mo au plus)</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Annulé</translation>
    </message>
</context>
<context>
    <name>ScreenGrabber</name>
    <message>
        <source>此 Wayland 会话无法读取屏幕（缺少截图门户 xdg-desktop-portal 或其后端）</source>
        <translation>Cette session Wayland ne peut pas lire l’écran (le portail de capture de xdg-desktop-portal ou son moteur est absent)</translation>
    </message>
    <message>
        <source>截图已取消</source>
        <translation>Capture d’écran annulée</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>设置文件正被另一个程序使用</source>
        <translation>Un autre programme utilise le fichier des paramètres</translation>
    </message>
    <message>
        <source>无法整理设置</source>
        <translation>Impossible de rassembler les paramètres</translation>
    </message>
    <message>
        <source>整理后的设置不完整</source>
        <translation>Les paramètres rassemblés sont incomplets</translation>
    </message>
</context>
<context>
    <name>TextInputDialog</name>
    <message>
        <source>输入文字</source>
        <translation>Saisir du texte</translation>
    </message>
    <message>
        <source>请输入要添加的文字</source>
        <translation>Saisissez le texte à ajouter</translation>
    </message>
    <message>
        <source>文字大小: </source>
        <translation>Taille du texte : </translation>
    </message>
</context>
<context>
    <name>ToolNames</name>
    <message>
        <source>普通画笔</source>
        <translation>Stylo</translation>
    </message>
    <message>
        <source>荧光笔</source>
        <translation>Surligneur</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>序号圆</source>
        <translation>Cercle numéroté</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>透明</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>白板</source>
        <translation>Tableau blanc</translation>
    </message>
    <message>
        <source>黑板</source>
        <translation>Tableau noir</translation>
    </message>
    <message>
        <source>背景图片</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>%1 像素</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Pointeur laser</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Projecteur</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>每 %1 秒</source>
        <translation>toutes les %1 s</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Sélectionner</translation>
    </message>
</context>
<context>
    <name>ToolbarButtons</name>
    <message>
        <source>鼠标</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Stylo</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>保存绘图…</source>
        <translation>Enregistrer le dessin…</translation>
    </message>
    <message>
        <source>打开绘图…</source>
        <translation>Ouvrir un dessin…</translation>
    </message>
    <message>
        <source>导出图片…</source>
        <translation>Exporter l’image…</translation>
    </message>
    <message>
        <source>演示工具</source>
        <translation>Outils de présentation</translation>
    </message>
    <message>
        <source>已选择：%1</source>
        <translation>Sélectionné : %1</translation>
    </message>
    <message>
        <source>拖动工具栏</source>
        <translation>Déplacer la barre d’outils</translation>
    </message>
    <message>
        <source>展开工具栏</source>
        <translation>Déplier la barre d’outils</translation>
    </message>
    <message>
        <source>收起工具栏</source>
        <translation>Replier la barre d’outils</translation>
    </message>
    <message>
        <source>绘制</source>
        <translation>Dessin</translation>
    </message>
    <message>
        <source>画笔：%1</source>
        <translation>Stylo : %1</translation>
    </message>
    <message>
        <source>形状：%1</source>
        <translation>Forme : %1</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>橡皮擦已开启</source>
        <translation>Gomme activée</translation>
    </message>
    <message>
        <source>橡皮擦已关闭</source>
        <translation>Gomme désactivée</translation>
    </message>
    <message>
        <source>清除全部</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>画板：%1</source>
        <translation>Tableau : %1</translation>
    </message>
    <message>
        <source>截屏</source>
        <translation>Capture d’écran</translation>
    </message>
    <message>
        <source>画笔颜色</source>
        <translation>Couleur du stylo</translation>
    </message>
    <message>
        <source>粗细：%1</source>
        <translation>Épaisseur : %1</translation>
    </message>
    <message>
        <source>自动消失：%1</source>
        <translation>Effacement progressif : %1</translation>
    </message>
    <message>
        <source>呼吸：%1</source>
        <translation>Pulsation : %1</translation>
    </message>
    <message>
        <source>演示工具：%1</source>
        <translation>Outil de présentation : %1</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>复制所选</source>
        <translation>Dupliquer la sélection</translation>
    </message>
</context>
<context>
    <name>ToolbarHotkeys</name>
    <message>
        <source>截屏</source>
        <translation>Capture d’écran</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Stylo</translation>
    </message>
    <message>
        <source>退出绘制模式</source>
        <translation>Quitter le mode dessin</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>清除画布</source>
        <translation>Effacer la zone de dessin</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>直线模式</source>
        <translation>Mode ligne</translation>
    </message>
    <message>
        <source>圆形模式</source>
        <translation>Mode cercle</translation>
    </message>
    <message>
        <source>矩形模式</source>
        <translation>Mode rectangle</translation>
    </message>
    <message>
        <source>箭头模式</source>
        <translation>Mode flèche</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Pointeur laser</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Projecteur</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>聚焦工具栏</source>
        <translation>Atteindre la barre d’outils</translation>
    </message>
    <message>
        <source>橡皮擦已开启</source>
        <translation>Gomme activée</translation>
    </message>
    <message>
        <source>橡皮擦已关闭</source>
        <translation>Gomme désactivée</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Sélectionner</translation>
    </message>
</context>
<context>
    <name>ToolbarWindows</name>
    <message>
        <source>图片已导出到：</source>
        <translation>Image exportée vers : </translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>当前已经是最新!</source>
        <translation>Vous avez déjà la dernière version !</translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation>À propos de Quillmark</translation>
    </message>
    <message>
        <source>Penvoro</source>
        <translation>Penvoro</translation>
    </message>
    <message>
        <source>当前版本: </source>
        <translation>Version actuelle : </translation>
    </message>
    <message>
        <source>公司名称:</source>
        <translation>Société :</translation>
    </message>
    <message>
        <source>官方网站:</source>
        <translation>Site web :</translation>
    </message>
    <message>
        <source>Penvoro官网</source>
        <translation>Site web de Penvoro</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
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
        <translation>Ctrl+molette : agrandir ou réduire l’image</translation>
    </message>
    <message>
        <source>Ctrl+鼠标移动:拖动图片</source>
        <translation>Ctrl+déplacement de la souris : déplacer l’image</translation>
    </message>
    <message>
        <source>请选择一个文件</source>
        <translation>Veuillez choisir un fichier</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>绘图已保存：</source>
        <translation>Dessin enregistré : </translation>
    </message>
    <message>
        <source>绘图保存失败：</source>
        <translation>L’enregistrement du dessin a échoué : </translation>
    </message>
    <message>
        <source>已打开绘图：</source>
        <translation>Dessin ouvert : </translation>
    </message>
    <message>
        <source>无法打开绘图：</source>
        <translation>Impossible d’ouvrir le dessin : </translation>
    </message>
    <message>
        <source>已取消打开绘图，画面上的绘图没有改变</source>
        <translation>Ouverture annulée ; le dessin à l’écran n’a pas changé</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>没有系统托盘：请通过工具栏菜单中的“退出”结束程序。</source>
        <translation>Pas de zone de notification : quittez Quillmark par « Quitter » dans le menu de la barre d’outils.</translation>
    </message>
    <message>
        <source>要显示托盘图标，请安装托盘扩展（GNOME：AppIndicator and KStatusNotifierItem Support）或使用带托盘的面板。</source>
        <translation>Pour avoir une icône de notification, installez une extension adaptée (GNOME : AppIndicator and KStatusNotifierItem Support) ou utilisez un panneau doté d’une zone de notification.</translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>painter</name>
    <message>
        <source>Shit+绘制:绘制90°,45°,180°直线</source>
        <translation>Maj+dessin : lignes à 90°, 45° ou 180°</translation>
    </message>
    <message>
        <source>Shit+绘制:绘制正方形</source>
        <translation>Maj+dessin : carrés</translation>
    </message>
    <message>
        <source>截图保存失败：</source>
        <translation>Impossible d’enregistrer la capture d’écran : </translation>
    </message>
    <message>
        <source>（已复制到剪贴板）</source>
        <translation> (également copiée dans le presse-papiers)</translation>
    </message>
    <message>
        <source>（无法复制到剪贴板）</source>
        <translation> (copie dans le presse-papiers impossible)</translation>
    </message>
    <message>
        <source>上次的绘图已自动保存，可以恢复。</source>
        <translation>Votre dernier dessin a été enregistré automatiquement et peut être restauré.</translation>
    </message>
    <message>
        <source>恢复上次的绘图</source>
        <translation>Restaurer le dernier dessin</translation>
    </message>
    <message>
        <source>已恢复上次的绘图</source>
        <translation>Dernier dessin restauré</translation>
    </message>
    <message>
        <source>无法恢复上次的绘图</source>
        <translation>Impossible de restaurer le dernier dessin</translation>
    </message>
    <message>
        <source>还没有可导出的绘图</source>
        <translation>Il n’y a encore aucun dessin à exporter</translation>
    </message>
    <message>
        <source>截图已保存到：</source>
        <translation>Capture d’écran enregistrée dans : </translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>Exporter l’image</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键，请在桌面的快捷键设置中绑定按键。</source>
        <translation>Ce bureau ne laisse aucune application recevoir de raccourcis globaux : associez les touches dans les réglages de raccourcis du bureau.</translation>
    </message>
    <message>
        <source>查看设置方法</source>
        <translation>Voir comment faire</translation>
    </message>
    <message>
        <source>绘制已开启</source>
        <translation>Dessin activé</translation>
    </message>
    <message>
        <source>绘制已关闭，点击会穿过画布</source>
        <translation>Dessin désactivé : les clics passent aux fenêtres du dessous</translation>
    </message>
    <message>
        <source>上次自动保存的绘图无法读取（%1），已原样保留为 %2</source>
        <translation>Le dernier dessin enregistré automatiquement est illisible (%1) ; il est conservé tel quel sous %2</translation>
    </message>
    <message>
        <source>上次自动保存的绘图无法读取（%1），也无法移开；为了不覆盖它，自动保存已停止</source>
        <translation>Le dernier dessin enregistré automatiquement ne peut être ni lu (%1) ni déplacé ; pour ne pas l’écraser, la sauvegarde automatique est arrêtée</translation>
    </message>
    <message>
        <source>自动保存失败：%1。绘图仍在屏幕上，可以用“保存绘图…”保存到别处。</source>
        <translation>Échec de la sauvegarde automatique : %1. Le dessin est toujours à l’écran ; utilisez « Enregistrer le dessin… » pour l’enregistrer ailleurs.</translation>
    </message>
    <message>
        <source>自动保存已恢复正常</source>
        <translation>La sauvegarde automatique fonctionne de nouveau</translation>
    </message>
    <message>
        <source>上次的绘图没有恢复，已原样保留为 %1</source>
        <translation>Le dernier dessin n’a pas été restauré ; il est conservé tel quel sous %1</translation>
    </message>
    <message>
        <source>点击或框选元素，拖动即可移动；Delete 删除所选</source>
        <translation>Cliquez sur un élément ou tracez un cadre autour de plusieurs ; faites glisser pour les déplacer, Suppr les supprime</translation>
    </message>
    <message>
        <source>请先用选择工具选中要复制的元素</source>
        <translation>Sélectionnez d’abord avec l’outil de sélection ce qu’il faut dupliquer</translation>
    </message>
</context>
<context>
    <name>select</name>
    <message>
        <source>现在不可用</source>
        <translation>Indisponible pour le moment</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>矩形绘制</source>
        <translation>Dessiner des rectangles</translation>
    </message>
    <message>
        <source>箭头绘制</source>
        <translation>Dessiner des flèches</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>不使用</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>已被其他程序占用</source>
        <translation>Déjà pris par une autre application</translation>
    </message>
    <message>
        <source>无法重新启动程序，请手动重新启动以使用新语言</source>
        <translation>Quillmark n’a pas pu redémarrer ; relancez-le vous-même pour utiliser la nouvelle langue</translation>
    </message>
    <message>
        <source>截屏热键</source>
        <translation>Raccourci de capture d’écran</translation>
    </message>
    <message>
        <source>画笔热键</source>
        <translation>Raccourci du stylo</translation>
    </message>
    <message>
        <source>关闭画笔</source>
        <translation>Fermer le stylo</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>添加文字</source>
        <translation>Ajouter du texte</translation>
    </message>
    <message>
        <source>清除绘制</source>
        <translation>Effacer le dessin</translation>
    </message>
    <message>
        <source>直线绘制</source>
        <translation>Dessiner des lignes</translation>
    </message>
    <message>
        <source>圆形绘制</source>
        <translation>Dessiner des cercles</translation>
    </message>
    <message>
        <source>截图路径</source>
        <translation>Dossier des captures d’écran</translation>
    </message>
    <message>
        <source>截图保存路径</source>
        <translation>Emplacement des captures d’écran</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Lancer à l’ouverture de session</translation>
    </message>
    <message>
        <source>无法更改开机启动</source>
        <translation>Impossible de modifier le lancement à l’ouverture de session</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>按下键盘用于改变热键</source>
        <translation>Appuyez sur les touches du nouveau raccourci</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>重制</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>与%1相同，此键由“%2”响应</source>
        <translation>Mêmes touches que %1 ; c’est « %2 » qui y répond</translation>
    </message>
    <message>
        <source>截图和导出后复制到剪贴板</source>
        <translation>Copier aussi les captures et les exports dans le presse-papiers</translation>
    </message>
    <message>
        <source>平滑鼠标笔迹</source>
        <translation>Lisser les traits à la souris</translation>
    </message>
    <message>
        <source>平滑手写笔和触摸笔迹</source>
        <translation>Lisser les traits au stylet et tactiles</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Pointeur laser</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Projecteur</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>桌面指定的按键：%1</source>
        <translation>Touche attribuée par le bureau : %1</translation>
    </message>
    <message>
        <source>桌面尚未指定按键</source>
        <translation>Le bureau n’a pas encore attribué de touche</translation>
    </message>
    <message>
        <source>聚焦工具栏</source>
        <translation>Atteindre la barre d’outils</translation>
    </message>
    <message>
        <source>工具栏大小</source>
        <translation>Taille de la barre d’outils</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>主屏幕</source>
        <translation>Écran principal</translation>
    </message>
    <message>
        <source>%1（未连接）</source>
        <translation>%1 (non connecté)</translation>
    </message>
    <message>
        <source>工具栏所在屏幕</source>
        <translation>Écran de la barre d’outils</translation>
    </message>
    <message>
        <source>选择工具</source>
        <translation>Outil de sélection</translation>
    </message>
</context>
<context>
    <name>showUpdate</name>
    <message>
        <source>无法启动更新程序，请稍后重试或手动更新</source>
        <translation>Impossible de lancer le programme de mise à jour ; réessayez plus tard ou faites la mise à jour manuellement</translation>
    </message>
    <message>
        <source>升级到新版本  V</source>
        <translation>Mise à jour vers la version  V</translation>
    </message>
    <message>
        <source>立即体验</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>updateWindow</name>
    <message>
        <source>已是最新版本</source>
        <translation>Déjà à jour</translation>
    </message>
    <message>
        <source>此版本无法安装，已保留原版本:</source>
        <translation>Cette version ne peut pas être installée ; la version installée est conservée :</translation>
    </message>
    <message>
        <source>上次更新未能撤销，下次启动时将继续:</source>
        <translation>La dernière mise à jour n’a pas encore pu être annulée ; ce sera fait au prochain démarrage :</translation>
    </message>
    <message>
        <source>没有需要更新的文件</source>
        <translation>Aucun fichier à mettre à jour</translation>
    </message>
    <message>
        <source>更新未能完成，原版本将在下次启动时恢复:</source>
        <translation>La mise à jour n’a pas pu aboutir ; la version installée sera rétablie au prochain démarrage :</translation>
    </message>
    <message>
        <source>无法获取更新信息 (HTTP %1)</source>
        <translation>Impossible d’obtenir les informations de mise à jour (HTTP %1)</translation>
    </message>
    <message>
        <source>更新信息无法解析</source>
        <translation>Les informations de mise à jour sont illisibles</translation>
    </message>
    <message>
        <source>更新信息被拒绝: %1</source>
        <translation>Les informations de mise à jour ont été refusées : %1</translation>
    </message>
    <message>
        <source>以下文件未能更新，已保留原版本:</source>
        <translation>Ces fichiers n’ont pas pu être mis à jour ; la version installée est conservée :</translation>
    </message>
    <message>
        <source>无法启动 %1，请手动启动</source>
        <translation>Impossible de lancer %1 ; veuillez le lancer vous-même</translation>
    </message>
    <message>
        <source>软件更新</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>更新完成</source>
        <translation>Mise à jour terminée</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>Échec de la mise à jour</translation>
    </message>
    <message>
        <source>正在下载更新</source>
        <translation>Téléchargement de la mise à jour</translation>
    </message>
    <message>
        <source>所有文件已下载完成</source>
        <translation>Tous les fichiers ont été téléchargés</translation>
    </message>
    <message>
        <source>正在下载文件: %1 (%2/%3)</source>
        <translation>Téléchargement de %1 (%2/%3)</translation>
    </message>
    <message>
        <source>重启应用</source>
        <translation>Redémarrer</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>重试</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>总进度: %1/%2 文件</source>
        <translation>Progression : %1 fichiers sur %2</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
