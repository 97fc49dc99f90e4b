<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="zh_CN">
<context>
    <name>AutoSave</name>
    <message>
        <source>上次自动保存的文件无法移开，为了不覆盖它，自动保存已停止</source>
        <translation>O último salvamento automático não pode ser movido; para não sobrescrevê-lo, o salvamento automático foi interrompido</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>自动保存的位置不是普通文件</source>
        <translation>O local do salvamento automático não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>DesktopServices</name>
    <message>
        <source>保存绘图</source>
        <translation>Salvar desenho</translation>
    </message>
    <message>
        <source>打开绘图</source>
        <translation>Abrir desenho</translation>
    </message>
    <message>
        <source>Quillmark 绘图 (*.qmark)</source>
        <translation>Desenhos do Quillmark (*.qmark)</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>桌面快捷键</source>
        <translation>Atalhos da área de trabalho</translation>
    </message>
    <message>
        <source>热键由桌面管理：桌面决定最终的按键，每个热键下方显示桌面指定的按键。</source>
        <translation>Os atalhos são gerenciados pela área de trabalho: ela define as teclas finais, mostradas abaixo de cada atalho.</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键。请把下面几行加入桌面的配置文件（sway：~/.config/sway/config；Hyprland：~/.config/hypr/hyprland.conf），然后重新加载配置。</source>
        <translation>Esta área de trabalho não deixa nenhum aplicativo receber atalhos globais. Adicione as linhas abaixo à configuração dela (sway: ~/.config/sway/config; Hyprland: ~/.config/hypr/hyprland.conf) e recarregue-a.</translation>
    </message>
    <message>
        <source>此版本的 GNOME 不允许程序接收全局热键。点击“写入 GNOME 快捷键”，把每个热键写入 GNOME 的自定义快捷键；“移除”会删除这些快捷键。</source>
        <translation>Esta versão do GNOME não deixa nenhum aplicativo receber atalhos globais. “Criar atalhos do GNOME” transforma cada atalho em um atalho personalizado do GNOME; “Remover” os apaga.</translation>
    </message>
    <message>
        <source>请打开“系统设置 → 快捷键 → 添加新的 → 命令或脚本”，命令填写 %1（其他动作见帮助），再设定按键。</source>
        <translation>Abra “Configurações do sistema → Atalhos → Adicionar novo → Comando ou script”, digite o comando %1 (as outras ações estão na ajuda) e defina uma tecla.</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键。请在桌面的快捷键设置中把按键绑定到命令，例如 Ctrl+Z → %1。</source>
        <translation>Esta área de trabalho não deixa nenhum aplicativo receber atalhos globais. Associe teclas a comandos nas configurações de atalhos da área de trabalho, por exemplo Ctrl+Z → %1.</translation>
    </message>
    <message>
        <source>打开桌面的快捷键设置</source>
        <translation>Abrir as configurações de atalhos da área de trabalho</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>写入 GNOME 快捷键</source>
        <translation>Criar atalhos do GNOME</translation>
    </message>
    <message>
        <source>已写入 GNOME 快捷键</source>
        <translation>Atalhos do GNOME criados</translation>
    </message>
    <message>
        <source>无法写入 GNOME 快捷键</source>
        <translation>Não foi possível criar os atalhos do GNOME</translation>
    </message>
    <message>
        <source>移除 GNOME 快捷键</source>
        <translation>Remover atalhos do GNOME</translation>
    </message>
    <message>
        <source>已移除 GNOME 快捷键</source>
        <translation>Atalhos do GNOME removidos</translation>
    </message>
    <message>
        <source>无法移除 GNOME 快捷键</source>
        <translation>Não foi possível remover os atalhos do GNOME</translation>
    </message>
</context>
<context>
    <name>DrawingFile</name>
    <message>
        <source>缺少“%1”</source>
        <translation>falta “%1”</translation>
    </message>
    <message>
        <source>“%1”应为 %2 到 %3 之间的整数</source>
        <translation>“%1” deve ser um número inteiro de %2 a %3</translation>
    </message>
    <message>
        <source>“%1”应为两个 %2 到 %3 之间的整数坐标</source>
        <translation>“%1” deve ter duas coordenadas inteiras de %2 a %3</translation>
    </message>
    <message>
        <source>“points”应为坐标列表</source>
        <translation>“points” deve ser uma lista de coordenadas</translation>
    </message>
    <message>
        <source>“points”应为成对的坐标，至少一个点</source>
        <translation>“points” deve conter pares de coordenadas, pelo menos um ponto</translation>
    </message>
    <message>
        <source>“pressures”应为每个点一个 0 到 %1 之间的整数</source>
        <translation>“pressures” deve conter um número inteiro de 0 a %1 para cada ponto</translation>
    </message>
    <message>
        <source>笔画的点过多（最多 %1 个，整幅绘图最多 %2 个）</source>
        <translation>o traço tem pontos demais (no máximo %1, e %2 no desenho inteiro)</translation>
    </message>
    <message>
        <source>“points”的第 %1 个点应为两个 %2 到 %3 之间的整数坐标</source>
        <translation>o ponto %1 de “points” deve ter duas coordenadas inteiras de %2 a %3</translation>
    </message>
    <message>
        <source>“color”应为 #rrggbb 或 #aarrggbb 形式的颜色</source>
        <translation>“color” deve ser uma cor no formato #rrggbb ou #aarrggbb</translation>
    </message>
    <message>
        <source>“opacity”应为 0 到 1 之间的数</source>
        <translation>“opacity” deve ser um número de 0 a 1</translation>
    </message>
    <message>
        <source>“text”应为不超过 %1 个字符的文字</source>
        <translation>“text” deve ser um texto de no máximo %1 caracteres</translation>
    </message>
    <message>
        <source>未知的元素种类“%1”</source>
        <translation>tipo de elemento desconhecido “%1”</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>内容无效</source>
        <translation>conteúdo inválido</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>O arquivo está vazio</translation>
    </message>
    <message>
        <source>文件过大（最大 %1 MB）</source>
        <translation>O arquivo é grande demais (no máximo %1 MB)</translation>
    </message>
    <message>
        <source>文件已损坏或不完整（第 %1 个字节处：%2）</source>
        <translation>O arquivo está danificado ou incompleto (no byte %1: %2)</translation>
    </message>
    <message>
        <source>这不是 Quillmark 绘图文件</source>
        <translation>Este não é um desenho do Quillmark</translation>
    </message>
    <message>
        <source>绘图文件的格式版本无效</source>
        <translation>A versão de formato do desenho é inválida</translation>
    </message>
    <message>
        <source>这个绘图来自较新的 Quillmark（格式版本 %1），本版本只能打开版本 %2 及更早的绘图，请更新 Quillmark</source>
        <translation>Este desenho vem de um Quillmark mais novo (versão de formato %1); esta versão abre desenhos até a versão %2. Atualize o Quillmark</translation>
    </message>
    <message>
        <source>“circleCounter”应为 0 到 %1 之间的整数</source>
        <translation>“circleCounter” deve ser um número inteiro de 0 a %1</translation>
    </message>
    <message>
        <source>绘图文件缺少元素列表</source>
        <translation>O desenho não tem a lista de elementos</translation>
    </message>
    <message>
        <source>绘图的元素过多（%1 个，最多 %2 个）</source>
        <translation>O desenho tem elementos demais (%1, no máximo %2)</translation>
    </message>
    <message>
        <source>应为一个对象</source>
        <translation>deve ser um objeto</translation>
    </message>
    <message>
        <source>第 %1 个元素：%2</source>
        <translation>Elemento %1: %2</translation>
    </message>
    <message>
        <source>无法保存绘图：%1</source>
        <translation>Não foi possível salvar o desenho: %1</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Não foi possível abrir o arquivo: %1</translation>
    </message>
    <message>
        <source>只能保存到本机的文件</source>
        <translation>Os desenhos só podem ser salvos em arquivos locais</translation>
    </message>
    <message>
        <source>只能打开本机的文件</source>
        <translation>Só é possível abrir arquivos locais</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>绘图过于复杂，显示它要花太久（墨迹超过 %1 百万像素）</source>
        <translation>O desenho é complexo demais para ser exibido em tempo razoável (mais de %1 milhões de pixels de tinta)</translation>
    </message>
</context>
<context>
    <name>FluInfoBar</name>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>FluShortcutPicker</name>
    <message>
        <source>保存</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>不使用</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>已被其他程序占用</source>
        <translation>Em uso por outro aplicativo</translation>
    </message>
    <message>
        <source>按 Enter 保存，Esc 取消，Delete 不使用</source>
        <translation>Enter salva, Esc cancela, Delete deixa sem tecla</translation>
    </message>
</context>
<context>
    <name>LoadingPanel</name>
    <message>
        <source>正在打开绘图… %1%</source>
        <translation>Abrindo o desenho… %1%</translation>
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
        <translation>Não foi possível exportar a imagem: </translation>
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
        <translation>O arquivo já existe</translation>
    </message>
    <message>
        <source>这是一个符号链接，不会写到它指向的地方</source>
        <translation>Este é um link simbólico; nada é gravado no local para onde ele aponta</translation>
    </message>
    <message>
        <source>这不是普通文件（文件夹、设备或管道），不会写入</source>
        <translation>Não é um arquivo comum (pasta, dispositivo ou pipe); nada é gravado</translation>
    </message>
    <message>
        <source>这是一个文件夹，不是文件</source>
        <translation>Isto é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>这不是普通文件（例如管道或设备），不会读取</source>
        <translation>Não é um arquivo comum (um pipe ou um dispositivo, por exemplo); não é lido</translation>
    </message>
    <message>
        <source>文件过大（最大 %1 MB）</source>
        <translation>O arquivo é grande demais (no máximo %1 MB)</translation>
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
        <translation>Esta sessão Wayland não consegue ler a tela (falta o portal de captura do xdg-desktop-portal ou seu back-end)</translation>
    </message>
    <message>
        <source>截图已取消</source>
        <translation>Captura de tela cancelada</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>设置文件正被另一个程序使用</source>
        <translation>Outro programa está usando o arquivo de configurações</translation>
    </message>
    <message>
        <source>无法整理设置</source>
        <translation>Não é possível reunir as configurações</translation>
    </message>
    <message>
        <source>整理后的设置不完整</source>
        <translation>As configurações reunidas estão incompletas</translation>
    </message>
</context>
<context>
    <name>TextInputDialog</name>
    <message>
        <source>输入文字</source>
        <translation>Digitar texto</translation>
    </message>
    <message>
        <source>请输入要添加的文字</source>
        <translation>Digite o texto a adicionar</translation>
    </message>
    <message>
        <source>文字大小: </source>
        <translation>Tamanho do texto: </translation>
    </message>
</context>
<context>
    <name>ToolNames</name>
    <message>
        <source>普通画笔</source>
        <translation>Caneta comum</translation>
    </message>
    <message>
        <source>荧光笔</source>
        <translation>Marca-texto</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Seta</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Retângulo</translation>
    </message>
    <message>
        <source>序号圆</source>
        <translation>Círculo numerado</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>透明</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>白板</source>
        <translation>Quadro branco</translation>
    </message>
    <message>
        <source>黑板</source>
        <translation>Quadro negro</translation>
    </message>
    <message>
        <source>背景图片</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>%1 像素</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Ponteiro laser</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Holofote</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>每 %1 秒</source>
        <translation>a cada %1 s</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Selecionar</translation>
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
        <translation>Caneta</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>保存绘图…</source>
        <translation>Salvar desenho…</translation>
    </message>
    <message>
        <source>打开绘图…</source>
        <translation>Abrir desenho…</translation>
    </message>
    <message>
        <source>导出图片…</source>
        <translation>Exportar imagem…</translation>
    </message>
    <message>
        <source>演示工具</source>
        <translation>Ferramentas de apresentação</translation>
    </message>
    <message>
        <source>已选择：%1</source>
        <translation>Selecionado: %1</translation>
    </message>
    <message>
        <source>拖动工具栏</source>
        <translation>Mover a barra de ferramentas</translation>
    </message>
    <message>
        <source>展开工具栏</source>
        <translation>Expandir a barra de ferramentas</translation>
    </message>
    <message>
        <source>收起工具栏</source>
        <translation>Recolher a barra de ferramentas</translation>
    </message>
    <message>
        <source>绘制</source>
        <translation>Desenhar</translation>
    </message>
    <message>
        <source>画笔：%1</source>
        <translation>Caneta: %1</translation>
    </message>
    <message>
        <source>形状：%1</source>
        <translation>Forma: %1</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Borracha</translation>
    </message>
    <message>
        <source>橡皮擦已开启</source>
        <translation>Borracha ligada</translation>
    </message>
    <message>
        <source>橡皮擦已关闭</source>
        <translation>Borracha desligada</translation>
    </message>
    <message>
        <source>清除全部</source>
        <translation>Apagar tudo</translation>
    </message>
    <message>
        <source>画板：%1</source>
        <translation>Quadro: %1</translation>
    </message>
    <message>
        <source>截屏</source>
        <translation>Captura de tela</translation>
    </message>
    <message>
        <source>画笔颜色</source>
        <translation>Cor da caneta</translation>
    </message>
    <message>
        <source>粗细：%1</source>
        <translation>Espessura: %1</translation>
    </message>
    <message>
        <source>自动消失：%1</source>
        <translation>Esmaecer: %1</translation>
    </message>
    <message>
        <source>呼吸：%1</source>
        <translation>Pulsar: %1</translation>
    </message>
    <message>
        <source>演示工具：%1</source>
        <translation>Ferramenta de apresentação: %1</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>复制所选</source>
        <translation>Duplicar seleção</translation>
    </message>
</context>
<context>
    <name>ToolbarHotkeys</name>
    <message>
        <source>截屏</source>
        <translation>Captura de tela</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Borracha</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Caneta</translation>
    </message>
    <message>
        <source>退出绘制模式</source>
        <translation>Sair do modo de desenho</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>清除画布</source>
        <translation>Limpar a tela de desenho</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>直线模式</source>
        <translation>Modo linha</translation>
    </message>
    <message>
        <source>圆形模式</source>
        <translation>Modo círculo</translation>
    </message>
    <message>
        <source>矩形模式</source>
        <translation>Modo retângulo</translation>
    </message>
    <message>
        <source>箭头模式</source>
        <translation>Modo seta</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Ponteiro laser</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Holofote</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>聚焦工具栏</source>
        <translation>Ir para a barra de ferramentas</translation>
    </message>
    <message>
        <source>橡皮擦已开启</source>
        <translation>Borracha ligada</translation>
    </message>
    <message>
        <source>橡皮擦已关闭</source>
        <translation>Borracha desligada</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Selecionar</translation>
    </message>
</context>
<context>
    <name>ToolbarWindows</name>
    <message>
        <source>图片已导出到：</source>
        <translation>Imagem exportada para: </translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>当前已经是最新!</source>
        <translation>Você já tem a versão mais recente!</translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation>Sobre o Quillmark</translation>
    </message>
    <message>
        <source>Penvoro</source>
        <translation>Penvoro</translation>
    </message>
    <message>
        <source>当前版本: </source>
        <translation>Versão atual: </translation>
    </message>
    <message>
        <source>公司名称:</source>
        <translation>Empresa:</translation>
    </message>
    <message>
        <source>官方网站:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Penvoro官网</source>
        <translation>Site do Penvoro</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
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
        <translation>Ctrl+roda do mouse: ampliar ou reduzir a imagem</translation>
    </message>
    <message>
        <source>Ctrl+鼠标移动:拖动图片</source>
        <translation>Ctrl+mover o mouse: arrastar a imagem</translation>
    </message>
    <message>
        <source>请选择一个文件</source>
        <translation>Escolha um arquivo</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>绘图已保存：</source>
        <translation>Desenho salvo: </translation>
    </message>
    <message>
        <source>绘图保存失败：</source>
        <translation>Falha ao salvar o desenho: </translation>
    </message>
    <message>
        <source>已打开绘图：</source>
        <translation>Desenho aberto: </translation>
    </message>
    <message>
        <source>无法打开绘图：</source>
        <translation>Não foi possível abrir o desenho: </translation>
    </message>
    <message>
        <source>已取消打开绘图，画面上的绘图没有改变</source>
        <translation>Abertura cancelada; o desenho na tela não foi alterado</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>没有系统托盘：请通过工具栏菜单中的“退出”结束程序。</source>
        <translation>Não há bandeja do sistema: feche o Quillmark em “Sair” no menu da barra de ferramentas.</translation>
    </message>
    <message>
        <source>要显示托盘图标，请安装托盘扩展（GNOME：AppIndicator and KStatusNotifierItem Support）或使用带托盘的面板。</source>
        <translation>Para ter um ícone na bandeja, instale uma extensão de bandeja (GNOME: AppIndicator and KStatusNotifierItem Support) ou use um painel com bandeja.</translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Sair</translation>
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
        <translation>Shift+desenhar: linhas a 90°, 45° ou 180°</translation>
    </message>
    <message>
        <source>Shit+绘制:绘制正方形</source>
        <translation>Shift+desenhar: quadrados</translation>
    </message>
    <message>
        <source>截图保存失败：</source>
        <translation>Não foi possível salvar a captura de tela: </translation>
    </message>
    <message>
        <source>（已复制到剪贴板）</source>
        <translation> (também copiada para a área de transferência)</translation>
    </message>
    <message>
        <source>（无法复制到剪贴板）</source>
        <translation> (não foi possível copiar para a área de transferência)</translation>
    </message>
    <message>
        <source>上次的绘图已自动保存，可以恢复。</source>
        <translation>Seu último desenho foi salvo automaticamente e pode ser restaurado.</translation>
    </message>
    <message>
        <source>恢复上次的绘图</source>
        <translation>Restaurar o último desenho</translation>
    </message>
    <message>
        <source>已恢复上次的绘图</source>
        <translation>Último desenho restaurado</translation>
    </message>
    <message>
        <source>无法恢复上次的绘图</source>
        <translation>Não foi possível restaurar o último desenho</translation>
    </message>
    <message>
        <source>还没有可导出的绘图</source>
        <translation>Ainda não há desenho para exportar</translation>
    </message>
    <message>
        <source>截图已保存到：</source>
        <translation>Captura de tela salva em: </translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>Exportar imagem</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键，请在桌面的快捷键设置中绑定按键。</source>
        <translation>Esta área de trabalho não deixa nenhum aplicativo receber atalhos globais: associe as teclas nas configurações de atalhos da área de trabalho.</translation>
    </message>
    <message>
        <source>查看设置方法</source>
        <translation>Ver como fazer</translation>
    </message>
    <message>
        <source>绘制已开启</source>
        <translation>Desenho ligado</translation>
    </message>
    <message>
        <source>绘制已关闭，点击会穿过画布</source>
        <translation>Desenho desligado: os cliques passam para as janelas de baixo</translation>
    </message>
    <message>
        <source>上次自动保存的绘图无法读取（%1），已原样保留为 %2</source>
        <translation>Não é possível ler o último desenho salvo automaticamente (%1); ele foi mantido sem alterações como %2</translation>
    </message>
    <message>
        <source>上次自动保存的绘图无法读取（%1），也无法移开；为了不覆盖它，自动保存已停止</source>
        <translation>O último desenho salvo automaticamente não pode ser lido (%1) nem movido; para não sobrescrevê-lo, o salvamento automático foi interrompido</translation>
    </message>
    <message>
        <source>自动保存失败：%1。绘图仍在屏幕上，可以用“保存绘图…”保存到别处。</source>
        <translation>Falha no salvamento automático: %1. O desenho continua na tela; use “Salvar desenho…” para salvá-lo em outro lugar.</translation>
    </message>
    <message>
        <source>自动保存已恢复正常</source>
        <translation>O salvamento automático voltou a funcionar</translation>
    </message>
    <message>
        <source>上次的绘图没有恢复，已原样保留为 %1</source>
        <translation>O último desenho não foi restaurado; ele foi mantido sem alterações como %1</translation>
    </message>
    <message>
        <source>点击或框选元素，拖动即可移动；Delete 删除所选</source>
        <translation>Clique em um elemento ou arraste um retângulo em volta de vários; arraste para movê-los, Delete os remove</translation>
    </message>
    <message>
        <source>请先用选择工具选中要复制的元素</source>
        <translation>Selecione primeiro com a ferramenta de seleção o que deseja duplicar</translation>
    </message>
</context>
<context>
    <name>select</name>
    <message>
        <source>现在不可用</source>
        <translation>Indisponível no momento</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>矩形绘制</source>
        <translation>Desenhar retângulos</translation>
    </message>
    <message>
        <source>箭头绘制</source>
        <translation>Desenhar setas</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>不使用</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>已被其他程序占用</source>
        <translation>Em uso por outro aplicativo</translation>
    </message>
    <message>
        <source>无法重新启动程序，请手动重新启动以使用新语言</source>
        <translation>O Quillmark não conseguiu reiniciar; abra-o de novo para usar o novo idioma</translation>
    </message>
    <message>
        <source>截屏热键</source>
        <translation>Atalho de captura de tela</translation>
    </message>
    <message>
        <source>画笔热键</source>
        <translation>Atalho da caneta</translation>
    </message>
    <message>
        <source>关闭画笔</source>
        <translation>Fechar a caneta</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Borracha</translation>
    </message>
    <message>
        <source>添加文字</source>
        <translation>Adicionar texto</translation>
    </message>
    <message>
        <source>清除绘制</source>
        <translation>Apagar o desenho</translation>
    </message>
    <message>
        <source>直线绘制</source>
        <translation>Desenhar linhas</translation>
    </message>
    <message>
        <source>圆形绘制</source>
        <translation>Desenhar círculos</translation>
    </message>
    <message>
        <source>截图路径</source>
        <translation>Pasta das capturas de tela</translation>
    </message>
    <message>
        <source>截图保存路径</source>
        <translation>Local das capturas de tela</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Iniciar ao entrar na sessão</translation>
    </message>
    <message>
        <source>无法更改开机启动</source>
        <translation>Não foi possível mudar o início ao entrar na sessão</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>按下键盘用于改变热键</source>
        <translation>Pressione as teclas do novo atalho</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>重制</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>与%1相同，此键由“%2”响应</source>
        <translation>Mesmas teclas que %1; quem responde é “%2”</translation>
    </message>
    <message>
        <source>截图和导出后复制到剪贴板</source>
        <translation>Copiar também capturas e exportações para a área de transferência</translation>
    </message>
    <message>
        <source>平滑鼠标笔迹</source>
        <translation>Suavizar traços do mouse</translation>
    </message>
    <message>
        <source>平滑手写笔和触摸笔迹</source>
        <translation>Suavizar traços de caneta e toque</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>Ponteiro laser</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Holofote</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>桌面指定的按键：%1</source>
        <translation>Tecla definida pela área de trabalho: %1</translation>
    </message>
    <message>
        <source>桌面尚未指定按键</source>
        <translation>A área de trabalho ainda não definiu uma tecla</translation>
    </message>
    <message>
        <source>聚焦工具栏</source>
        <translation>Ir para a barra de ferramentas</translation>
    </message>
    <message>
        <source>工具栏大小</source>
        <translation>Tamanho da barra de ferramentas</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
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
        <source>主屏幕</source>
        <translation>Tela principal</translation>
    </message>
    <message>
        <source>%1（未连接）</source>
        <translation>%1 (não conectada)</translation>
    </message>
    <message>
        <source>工具栏所在屏幕</source>
        <translation>Tela da barra de ferramentas</translation>
    </message>
    <message>
        <source>选择工具</source>
        <translation>Ferramenta de seleção</translation>
    </message>
</context>
<context>
    <name>showUpdate</name>
    <message>
        <source>无法启动更新程序，请稍后重试或手动更新</source>
        <translation>Não foi possível iniciar o atualizador; tente mais tarde ou atualize manualmente</translation>
    </message>
    <message>
        <source>升级到新版本  V</source>
        <translation>Atualizar para a versão  V</translation>
    </message>
    <message>
        <source>立即体验</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>updateWindow</name>
    <message>
        <source>已是最新版本</source>
        <translation>Já está atualizado</translation>
    </message>
    <message>
        <source>此版本无法安装，已保留原版本:</source>
        <translation>Esta versão não pode ser instalada; a versão instalada foi mantida:</translation>
    </message>
    <message>
        <source>上次更新未能撤销，下次启动时将继续:</source>
        <translation>A última atualização ainda não pôde ser desfeita; isso continua na próxima inicialização:</translation>
    </message>
    <message>
        <source>没有需要更新的文件</source>
        <translation>Nenhum arquivo a atualizar</translation>
    </message>
    <message>
        <source>更新未能完成，原版本将在下次启动时恢复:</source>
        <translation>A atualização não pôde ser concluída; a versão instalada será restaurada na próxima inicialização:</translation>
    </message>
    <message>
        <source>无法获取更新信息 (HTTP %1)</source>
        <translation>Não foi possível obter as informações de atualização (HTTP %1)</translation>
    </message>
    <message>
        <source>更新信息无法解析</source>
        <translation>As informações de atualização estão ilegíveis</translation>
    </message>
    <message>
        <source>更新信息被拒绝: %1</source>
        <translation>As informações de atualização foram recusadas: %1</translation>
    </message>
    <message>
        <source>以下文件未能更新，已保留原版本:</source>
        <translation>Estes arquivos não puderam ser atualizados; a versão instalada foi mantida:</translation>
    </message>
    <message>
        <source>无法启动 %1，请手动启动</source>
        <translation>Não foi possível iniciar %1; inicie-o manualmente</translation>
    </message>
    <message>
        <source>软件更新</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>更新完成</source>
        <translation>Atualização concluída</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>Falha na atualização</translation>
    </message>
    <message>
        <source>正在下载更新</source>
        <translation>Baixando a atualização</translation>
    </message>
    <message>
        <source>所有文件已下载完成</source>
        <translation>Todos os arquivos foram baixados</translation>
    </message>
    <message>
        <source>正在下载文件: %1 (%2/%3)</source>
        <translation>Baixando %1 (%2/%3)</translation>
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
        <translation>Tentar de novo</translation>
    </message>
    <message>
        <source>总进度: %1/%2 文件</source>
        <translation>Total: %1 de %2 arquivos</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
</context>
</TS>
