<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
<context>
    <name>AutoSave</name>
    <message>
        <source>上次自动保存的文件无法移开，为了不覆盖它，自动保存已停止</source>
        <translation>지난 자동 저장 파일을 옮길 수 없습니다. 덮어쓰지 않도록 자동 저장을 중지했습니다</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>폴더 %1을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <source>自动保存的位置不是普通文件</source>
        <translation>자동 저장 위치가 일반 파일이 아닙니다</translation>
    </message>
</context>
<context>
    <name>DesktopServices</name>
    <message>
        <source>保存绘图</source>
        <translation>그림 저장</translation>
    </message>
    <message>
        <source>打开绘图</source>
        <translation>그림 열기</translation>
    </message>
    <message>
        <source>Quillmark 绘图 (*.qmark)</source>
        <translation>Quillmark 그림 (*.qmark)</translation>
    </message>
</context>
<context>
    <name>DesktopShortcuts</name>
    <message>
        <source>桌面快捷键</source>
        <translation>데스크톱 단축키</translation>
    </message>
    <message>
        <source>热键由桌面管理：桌面决定最终的按键，每个热键下方显示桌面指定的按键。</source>
        <translation>단축키는 데스크톱이 관리합니다. 최종 키는 데스크톱이 정하며 각 단축키 아래에 표시됩니다.</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键。请把下面几行加入桌面的配置文件（sway：~/.config/sway/config；Hyprland：~/.config/hypr/hyprland.conf），然后重新加载配置。</source>
        <translation>이 데스크톱에서는 프로그램이 전역 단축키를 받을 수 없습니다. 아래 줄을 데스크톱 설정 파일(sway: ~/.config/sway/config, Hyprland: ~/.config/hypr/hyprland.conf)에 추가한 뒤 설정을 다시 불러오세요.</translation>
    </message>
    <message>
        <source>此版本的 GNOME 不允许程序接收全局热键。点击“写入 GNOME 快捷键”，把每个热键写入 GNOME 的自定义快捷键；“移除”会删除这些快捷键。</source>
        <translation>이 버전의 GNOME에서는 프로그램이 전역 단축키를 받을 수 없습니다. ‘GNOME 단축키 등록’을 누르면 각 단축키가 GNOME 사용자 지정 단축키로 등록되고, ‘제거’를 누르면 삭제됩니다.</translation>
    </message>
    <message>
        <source>请打开“系统设置 → 快捷键 → 添加新的 → 命令或脚本”，命令填写 %1（其他动作见帮助），再设定按键。</source>
        <translation>‘시스템 설정 → 단축키 → 새로 추가 → 명령 또는 스크립트’를 열고 명령에 %1을(를) 입력한 뒤(다른 동작은 도움말 참고) 키를 지정하세요.</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键。请在桌面的快捷键设置中把按键绑定到命令，例如 Ctrl+Z → %1。</source>
        <translation>이 데스크톱에서는 프로그램이 전역 단축키를 받을 수 없습니다. 데스크톱의 단축키 설정에서 키를 명령에 연결하세요. 예: Ctrl+Z → %1</translation>
    </message>
    <message>
        <source>打开桌面的快捷键设置</source>
        <translation>데스크톱 단축키 설정 열기</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>写入 GNOME 快捷键</source>
        <translation>GNOME 단축키 등록</translation>
    </message>
    <message>
        <source>已写入 GNOME 快捷键</source>
        <translation>GNOME 단축키를 등록했습니다</translation>
    </message>
    <message>
        <source>无法写入 GNOME 快捷键</source>
        <translation>GNOME 단축키를 등록할 수 없습니다</translation>
    </message>
    <message>
        <source>移除 GNOME 快捷键</source>
        <translation>GNOME 단축키 제거</translation>
    </message>
    <message>
        <source>已移除 GNOME 快捷键</source>
        <translation>GNOME 단축키를 제거했습니다</translation>
    </message>
    <message>
        <source>无法移除 GNOME 快捷键</source>
        <translation>GNOME 단축키를 제거할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>DrawingFile</name>
    <message>
        <source>缺少“%1”</source>
        <translation>‘%1’ 항목이 없습니다</translation>
    </message>
    <message>
        <source>“%1”应为 %2 到 %3 之间的整数</source>
        <translation>‘%1’은(는) %2에서 %3 사이의 정수여야 합니다</translation>
    </message>
    <message>
        <source>“%1”应为两个 %2 到 %3 之间的整数坐标</source>
        <translation>‘%1’은(는) %2에서 %3 사이의 정수 좌표 두 개여야 합니다</translation>
    </message>
    <message>
        <source>“points”应为坐标列表</source>
        <translation>‘points’는 좌표 목록이어야 합니다</translation>
    </message>
    <message>
        <source>“points”应为成对的坐标，至少一个点</source>
        <translation>‘points’는 좌표 쌍으로, 점이 하나 이상 있어야 합니다</translation>
    </message>
    <message>
        <source>“pressures”应为每个点一个 0 到 %1 之间的整数</source>
        <translation>‘pressures’는 점마다 0에서 %1 사이의 정수여야 합니다</translation>
    </message>
    <message>
        <source>笔画的点过多（最多 %1 个，整幅绘图最多 %2 个）</source>
        <translation>획의 점이 너무 많습니다(최대 %1개, 그림 전체 최대 %2개)</translation>
    </message>
    <message>
        <source>“points”的第 %1 个点应为两个 %2 到 %3 之间的整数坐标</source>
        <translation>‘points’의 %1번째 점은 %2에서 %3 사이의 정수 좌표 두 개여야 합니다</translation>
    </message>
    <message>
        <source>“color”应为 #rrggbb 或 #aarrggbb 形式的颜色</source>
        <translation>‘color’는 #rrggbb 또는 #aarrggbb 형식의 색이어야 합니다</translation>
    </message>
    <message>
        <source>“opacity”应为 0 到 1 之间的数</source>
        <translation>‘opacity’는 0에서 1 사이의 수여야 합니다</translation>
    </message>
    <message>
        <source>“text”应为不超过 %1 个字符的文字</source>
        <translation>‘text’는 %1자 이하의 텍스트여야 합니다</translation>
    </message>
    <message>
        <source>未知的元素种类“%1”</source>
        <translation>알 수 없는 요소 종류 ‘%1’</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(없음)</translation>
    </message>
    <message>
        <source>内容无效</source>
        <translation>잘못된 내용</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>파일이 비어 있습니다</translation>
    </message>
    <message>
        <source>文件过大（最大 %1 MB）</source>
        <translation>파일이 너무 큽니다(최대 %1MB)</translation>
    </message>
    <message>
        <source>文件已损坏或不完整（第 %1 个字节处：%2）</source>
        <translation>파일이 손상되었거나 불완전합니다(%1번째 바이트: %2)</translation>
    </message>
    <message>
        <source>这不是 Quillmark 绘图文件</source>
        <translation>Quillmark 그림 파일이 아닙니다</translation>
    </message>
    <message>
        <source>绘图文件的格式版本无效</source>
        <translation>그림 파일의 형식 버전이 잘못되었습니다</translation>
    </message>
    <message>
        <source>这个绘图来自较新的 Quillmark（格式版本 %1），本版本只能打开版本 %2 及更早的绘图，请更新 Quillmark</source>
        <translation>이 그림은 더 새로운 Quillmark(형식 버전 %1)에서 만들어졌습니다. 이 버전은 형식 버전 %2까지의 그림만 열 수 있습니다. Quillmark를 업데이트하세요</translation>
    </message>
    <message>
        <source>“circleCounter”应为 0 到 %1 之间的整数</source>
        <translation>‘circleCounter’는 0에서 %1 사이의 정수여야 합니다</translation>
    </message>
    <message>
        <source>绘图文件缺少元素列表</source>
        <translation>그림 파일에 요소 목록이 없습니다</translation>
    </message>
    <message>
        <source>绘图的元素过多（%1 个，最多 %2 个）</source>
        <translation>그림의 요소가 너무 많습니다(%1개, 최대 %2개)</translation>
    </message>
    <message>
        <source>应为一个对象</source>
        <translation>객체여야 합니다</translation>
    </message>
    <message>
        <source>第 %1 个元素：%2</source>
        <translation>%1번째 요소: %2</translation>
    </message>
    <message>
        <source>无法保存绘图：%1</source>
        <translation>그림을 저장할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>파일을 열 수 없습니다: %1</translation>
    </message>
    <message>
        <source>只能保存到本机的文件</source>
        <translation>그림은 로컬 파일에만 저장할 수 있습니다</translation>
    </message>
    <message>
        <source>只能打开本机的文件</source>
        <translation>로컬 파일만 열 수 있습니다</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>취소됨</translation>
    </message>
    <message>
        <source>绘图过于复杂，显示它要花太久（墨迹超过 %1 百万像素）</source>
        <translation>그림이 너무 복잡해 표시하는 데 시간이 너무 오래 걸립니다(잉크가 %1백만 픽셀 초과)</translation>
    </message>
</context>
<context>
    <name>FluInfoBar</name>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>FluShortcutPicker</name>
    <message>
        <source>保存</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>不使用</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>无</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>已被其他程序占用</source>
        <translation>다른 프로그램이 사용 중</translation>
    </message>
    <message>
        <source>按 Enter 保存，Esc 取消，Delete 不使用</source>
        <translation>Enter는 저장, Esc는 취소, Delete는 키 없음</translation>
    </message>
</context>
<context>
    <name>LoadingPanel</name>
    <message>
        <source>正在打开绘图… %1%</source>
        <translation>그림을 여는 중… %1%</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>OverlaySurface</name>
    <message>
        <source>图片导出失败：</source>
        <translation>이미지를 내보내지 못했습니다: </translation>
    </message>
</context>
<context>
    <name>PenKeys</name>
    <message>
        <source>%1 像素</source>
        <translation>%1px</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>文件已存在</source>
        <translation>파일이 이미 있습니다</translation>
    </message>
    <message>
        <source>这是一个符号链接，不会写到它指向的地方</source>
        <translation>심볼릭 링크입니다. 링크가 가리키는 곳에는 쓰지 않습니다</translation>
    </message>
    <message>
        <source>这不是普通文件（文件夹、设备或管道），不会写入</source>
        <translation>일반 파일이 아닙니다(폴더, 장치 또는 파이프). 쓰지 않습니다</translation>
    </message>
    <message>
        <source>这是一个文件夹，不是文件</source>
        <translation>파일이 아니라 폴더입니다</translation>
    </message>
    <message>
        <source>这不是普通文件（例如管道或设备），不会读取</source>
        <translation>일반 파일이 아닙니다(예: 파이프나 장치). 읽지 않습니다</translation>
    </message>
    <message>
        <source>文件过大（最大 %1 MB）</source>
        <translation>파일이 너무 큽니다(최대 %1MB)</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>취소됨</translation>
    </message>
</context>
<context>
    <name>ScreenGrabber</name>
    <message>
        <source>此 Wayland 会话无法读取屏幕（缺少截图门户 xdg-desktop-portal 或其后端）</source>
        <translation>이 Wayland 세션에서는 화면을 읽을 수 없습니다(xdg-desktop-portal의 스크린샷 포털 또는 백엔드가 없음)</translation>
    </message>
    <message>
        <source>截图已取消</source>
        <translation>스크린샷을 취소했습니다</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>폴더 %1을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <source>设置文件正被另一个程序使用</source>
        <translation>다른 프로그램이 설정 파일을 사용하고 있습니다</translation>
    </message>
    <message>
        <source>无法整理设置</source>
        <translation>설정을 정리할 수 없습니다</translation>
    </message>
    <message>
        <source>整理后的设置不完整</source>
        <translation>정리된 설정이 완전하지 않습니다</translation>
    </message>
</context>
<context>
    <name>TextInputDialog</name>
    <message>
        <source>输入文字</source>
        <translation>텍스트 입력</translation>
    </message>
    <message>
        <source>请输入要添加的文字</source>
        <translation>추가할 텍스트를 입력하세요</translation>
    </message>
    <message>
        <source>文字大小: </source>
        <translation>글자 크기: </translation>
    </message>
</context>
<context>
    <name>ToolNames</name>
    <message>
        <source>普通画笔</source>
        <translation>일반 펜</translation>
    </message>
    <message>
        <source>荧光笔</source>
        <translation>형광펜</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>직선</translation>
    </message>
    <message>
        <source>圆形</source>
        <translation>원</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>화살표</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>사각형</translation>
    </message>
    <message>
        <source>序号圆</source>
        <translation>번호 원</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>透明</source>
        <translation>투명</translation>
    </message>
    <message>
        <source>白板</source>
        <translation>화이트보드</translation>
    </message>
    <message>
        <source>黑板</source>
        <translation>칠판</translation>
    </message>
    <message>
        <source>背景图片</source>
        <translation>배경 이미지</translation>
    </message>
    <message>
        <source>%1 像素</source>
        <translation>%1px</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>끔</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>레이저 포인터</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>스포트라이트</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>돋보기</translation>
    </message>
    <message>
        <source>每 %1 秒</source>
        <translation>%1초마다</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>선택</translation>
    </message>
</context>
<context>
    <name>ToolbarButtons</name>
    <message>
        <source>鼠标</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>펜</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>保存绘图…</source>
        <translation>그림 저장…</translation>
    </message>
    <message>
        <source>打开绘图…</source>
        <translation>그림 열기…</translation>
    </message>
    <message>
        <source>导出图片…</source>
        <translation>이미지 내보내기…</translation>
    </message>
    <message>
        <source>演示工具</source>
        <translation>발표 도구</translation>
    </message>
    <message>
        <source>已选择：%1</source>
        <translation>선택됨: %1</translation>
    </message>
    <message>
        <source>拖动工具栏</source>
        <translation>도구 모음 이동</translation>
    </message>
    <message>
        <source>展开工具栏</source>
        <translation>도구 모음 펼치기</translation>
    </message>
    <message>
        <source>收起工具栏</source>
        <translation>도구 모음 접기</translation>
    </message>
    <message>
        <source>绘制</source>
        <translation>그리기</translation>
    </message>
    <message>
        <source>画笔：%1</source>
        <translation>펜: %1</translation>
    </message>
    <message>
        <source>形状：%1</source>
        <translation>도형: %1</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>지우개</translation>
    </message>
    <message>
        <source>橡皮擦已开启</source>
        <translation>지우개 켬</translation>
    </message>
    <message>
        <source>橡皮擦已关闭</source>
        <translation>지우개 끔</translation>
    </message>
    <message>
        <source>清除全部</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>画板：%1</source>
        <translation>보드: %1</translation>
    </message>
    <message>
        <source>截屏</source>
        <translation>스크린샷</translation>
    </message>
    <message>
        <source>画笔颜色</source>
        <translation>펜 색</translation>
    </message>
    <message>
        <source>粗细：%1</source>
        <translation>굵기: %1</translation>
    </message>
    <message>
        <source>自动消失：%1</source>
        <translation>자동 사라짐: %1</translation>
    </message>
    <message>
        <source>呼吸：%1</source>
        <translation>깜박임: %1</translation>
    </message>
    <message>
        <source>演示工具：%1</source>
        <translation>발표 도구: %1</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>复制所选</source>
        <translation>선택 항목 복제</translation>
    </message>
</context>
<context>
    <name>ToolbarHotkeys</name>
    <message>
        <source>截屏</source>
        <translation>스크린샷</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>지우개</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>펜</translation>
    </message>
    <message>
        <source>退出绘制模式</source>
        <translation>그리기 모드 끝내기</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>清除画布</source>
        <translation>캔버스 지우기</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>直线模式</source>
        <translation>직선 모드</translation>
    </message>
    <message>
        <source>圆形模式</source>
        <translation>원 모드</translation>
    </message>
    <message>
        <source>矩形模式</source>
        <translation>사각형 모드</translation>
    </message>
    <message>
        <source>箭头模式</source>
        <translation>화살표 모드</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>레이저 포인터</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>스포트라이트</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>돋보기</translation>
    </message>
    <message>
        <source>聚焦工具栏</source>
        <translation>도구 모음으로 이동</translation>
    </message>
    <message>
        <source>橡皮擦已开启</source>
        <translation>지우개 켬</translation>
    </message>
    <message>
        <source>橡皮擦已关闭</source>
        <translation>지우개 끔</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>선택</translation>
    </message>
</context>
<context>
    <name>ToolbarWindows</name>
    <message>
        <source>图片已导出到：</source>
        <translation>이미지를 내보낸 위치: </translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>当前已经是最新!</source>
        <translation>이미 최신 버전입니다!</translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation>Quillmark 정보</translation>
    </message>
    <message>
        <source>Penvoro</source>
        <translation>Penvoro</translation>
    </message>
    <message>
        <source>当前版本: </source>
        <translation>현재 버전: </translation>
    </message>
    <message>
        <source>公司名称:</source>
        <translation>회사:</translation>
    </message>
    <message>
        <source>官方网站:</source>
        <translation>웹사이트:</translation>
    </message>
    <message>
        <source>Penvoro官网</source>
        <translation>Penvoro 웹사이트</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
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
        <translation>Ctrl+마우스 휠: 이미지 확대/축소</translation>
    </message>
    <message>
        <source>Ctrl+鼠标移动:拖动图片</source>
        <translation>Ctrl+마우스 이동: 이미지 이동</translation>
    </message>
    <message>
        <source>请选择一个文件</source>
        <translation>파일을 선택하세요</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>绘图已保存：</source>
        <translation>그림을 저장했습니다: </translation>
    </message>
    <message>
        <source>绘图保存失败：</source>
        <translation>그림을 저장하지 못했습니다: </translation>
    </message>
    <message>
        <source>已打开绘图：</source>
        <translation>그림을 열었습니다: </translation>
    </message>
    <message>
        <source>无法打开绘图：</source>
        <translation>그림을 열 수 없습니다: </translation>
    </message>
    <message>
        <source>已取消打开绘图，画面上的绘图没有改变</source>
        <translation>그림 열기를 취소했습니다. 화면의 그림은 바뀌지 않았습니다</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>没有系统托盘：请通过工具栏菜单中的“退出”结束程序。</source>
        <translation>시스템 트레이가 없습니다. 도구 모음 메뉴의 ‘종료’로 Quillmark를 끝내세요.</translation>
    </message>
    <message>
        <source>要显示托盘图标，请安装托盘扩展（GNOME：AppIndicator and KStatusNotifierItem Support）或使用带托盘的面板。</source>
        <translation>트레이 아이콘을 보려면 트레이 확장(GNOME: AppIndicator and KStatusNotifierItem Support)을 설치하거나 트레이가 있는 패널을 사용하세요.</translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation>숨기기</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>보이기</translation>
    </message>
</context>
<context>
    <name>painter</name>
    <message>
        <source>Shit+绘制:绘制90°,45°,180°直线</source>
        <translation>Shift+그리기: 90°, 45°, 180° 직선</translation>
    </message>
    <message>
        <source>Shit+绘制:绘制正方形</source>
        <translation>Shift+그리기: 정사각형</translation>
    </message>
    <message>
        <source>截图保存失败：</source>
        <translation>스크린샷을 저장하지 못했습니다: </translation>
    </message>
    <message>
        <source>（已复制到剪贴板）</source>
        <translation> (클립보드에도 복사함)</translation>
    </message>
    <message>
        <source>（无法复制到剪贴板）</source>
        <translation> (클립보드에 복사하지 못함)</translation>
    </message>
    <message>
        <source>上次的绘图已自动保存，可以恢复。</source>
        <translation>지난번 그림이 자동 저장되어 있습니다. 복원할 수 있습니다.</translation>
    </message>
    <message>
        <source>恢复上次的绘图</source>
        <translation>지난번 그림 복원</translation>
    </message>
    <message>
        <source>已恢复上次的绘图</source>
        <translation>지난번 그림을 복원했습니다</translation>
    </message>
    <message>
        <source>无法恢复上次的绘图</source>
        <translation>지난번 그림을 복원할 수 없습니다</translation>
    </message>
    <message>
        <source>还没有可导出的绘图</source>
        <translation>아직 내보낼 그림이 없습니다</translation>
    </message>
    <message>
        <source>截图已保存到：</source>
        <translation>스크린샷을 저장한 위치: </translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>이미지 내보내기</translation>
    </message>
    <message>
        <source>此桌面不允许程序接收全局热键，请在桌面的快捷键设置中绑定按键。</source>
        <translation>이 데스크톱에서는 프로그램이 전역 단축키를 받을 수 없습니다. 데스크톱의 단축키 설정에서 키를 지정하세요.</translation>
    </message>
    <message>
        <source>查看设置方法</source>
        <translation>설정 방법 보기</translation>
    </message>
    <message>
        <source>绘制已开启</source>
        <translation>그리기 켬</translation>
    </message>
    <message>
        <source>绘制已关闭，点击会穿过画布</source>
        <translation>그리기 끔: 클릭이 아래 창으로 전달됩니다</translation>
    </message>
    <message>
        <source>上次自动保存的绘图无法读取（%1），已原样保留为 %2</source>
        <translation>지난번 자동 저장된 그림을 읽을 수 없습니다(%1). 그대로 %2(으)로 보관했습니다</translation>
    </message>
    <message>
        <source>上次自动保存的绘图无法读取（%1），也无法移开；为了不覆盖它，自动保存已停止</source>
        <translation>지난번 자동 저장된 그림을 읽을 수 없고(%1) 옮길 수도 없습니다. 덮어쓰지 않도록 자동 저장을 중지했습니다</translation>
    </message>
    <message>
        <source>自动保存失败：%1。绘图仍在屏幕上，可以用“保存绘图…”保存到别处。</source>
        <translation>자동 저장 실패: %1. 그림은 아직 화면에 있습니다. “그림 저장…”으로 다른 곳에 저장할 수 있습니다.</translation>
    </message>
    <message>
        <source>自动保存已恢复正常</source>
        <translation>자동 저장이 다시 정상적으로 작동합니다</translation>
    </message>
    <message>
        <source>上次的绘图没有恢复，已原样保留为 %1</source>
        <translation>지난번 그림은 복원되지 않았습니다. 그대로 %1(으)로 보관했습니다</translation>
    </message>
    <message>
        <source>点击或框选元素，拖动即可移动；Delete 删除所选</source>
        <translation>요소를 클릭하거나 여러 요소를 드래그로 둘러싸 선택하세요. 드래그하면 이동하고 Delete로 삭제합니다</translation>
    </message>
    <message>
        <source>请先用选择工具选中要复制的元素</source>
        <translation>먼저 선택 도구로 복제할 요소를 선택하세요</translation>
    </message>
</context>
<context>
    <name>select</name>
    <message>
        <source>现在不可用</source>
        <translation>지금은 사용할 수 없음</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>矩形绘制</source>
        <translation>사각형 그리기</translation>
    </message>
    <message>
        <source>箭头绘制</source>
        <translation>화살표 그리기</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>不使用</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>无</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>已被其他程序占用</source>
        <translation>다른 프로그램이 사용 중</translation>
    </message>
    <message>
        <source>无法重新启动程序，请手动重新启动以使用新语言</source>
        <translation>Quillmark를 다시 시작하지 못했습니다. 새 언어를 쓰려면 직접 다시 실행하세요</translation>
    </message>
    <message>
        <source>截屏热键</source>
        <translation>스크린샷 단축키</translation>
    </message>
    <message>
        <source>画笔热键</source>
        <translation>펜 단축키</translation>
    </message>
    <message>
        <source>关闭画笔</source>
        <translation>펜 끝내기</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>지우개</translation>
    </message>
    <message>
        <source>添加文字</source>
        <translation>텍스트 추가</translation>
    </message>
    <message>
        <source>清除绘制</source>
        <translation>그림 지우기</translation>
    </message>
    <message>
        <source>直线绘制</source>
        <translation>직선 그리기</translation>
    </message>
    <message>
        <source>圆形绘制</source>
        <translation>원 그리기</translation>
    </message>
    <message>
        <source>截图路径</source>
        <translation>스크린샷 폴더</translation>
    </message>
    <message>
        <source>截图保存路径</source>
        <translation>스크린샷 저장 위치</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>찾아보기</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>로그인할 때 시작</translation>
    </message>
    <message>
        <source>无法更改开机启动</source>
        <translation>로그인 시 시작 설정을 바꿀 수 없습니다</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>按下键盘用于改变热键</source>
        <translation>새 단축키로 쓸 키를 누르세요</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>重制</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>与%1相同，此键由“%2”响应</source>
        <translation>%1과(와) 같은 키입니다. ‘%2’이(가) 반응합니다</translation>
    </message>
    <message>
        <source>截图和导出后复制到剪贴板</source>
        <translation>스크린샷과 내보낸 이미지를 클립보드에도 복사</translation>
    </message>
    <message>
        <source>平滑鼠标笔迹</source>
        <translation>마우스 획 부드럽게 하기</translation>
    </message>
    <message>
        <source>平滑手写笔和触摸笔迹</source>
        <translation>펜 및 터치 획 부드럽게 하기</translation>
    </message>
    <message>
        <source>激光笔</source>
        <translation>레이저 포인터</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>스포트라이트</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>돋보기</translation>
    </message>
    <message>
        <source>桌面指定的按键：%1</source>
        <translation>데스크톱이 지정한 키: %1</translation>
    </message>
    <message>
        <source>桌面尚未指定按键</source>
        <translation>데스크톱이 아직 키를 지정하지 않았습니다</translation>
    </message>
    <message>
        <source>聚焦工具栏</source>
        <translation>도구 모음으로 이동</translation>
    </message>
    <message>
        <source>工具栏大小</source>
        <translation>도구 모음 크기</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>‘%1’</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>主屏幕</source>
        <translation>주 화면</translation>
    </message>
    <message>
        <source>%1（未连接）</source>
        <translation>%1(연결되지 않음)</translation>
    </message>
    <message>
        <source>工具栏所在屏幕</source>
        <translation>도구 모음을 표시할 화면</translation>
    </message>
    <message>
        <source>选择工具</source>
        <translation>선택 도구</translation>
    </message>
</context>
<context>
    <name>showUpdate</name>
    <message>
        <source>无法启动更新程序，请稍后重试或手动更新</source>
        <translation>업데이트 프로그램을 시작하지 못했습니다. 나중에 다시 시도하거나 직접 업데이트하세요</translation>
    </message>
    <message>
        <source>升级到新版本  V</source>
        <translation>새 버전으로 업데이트  V</translation>
    </message>
    <message>
        <source>立即体验</source>
        <translation>지금 업데이트</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>updateWindow</name>
    <message>
        <source>已是最新版本</source>
        <translation>이미 최신 버전입니다</translation>
    </message>
    <message>
        <source>此版本无法安装，已保留原版本:</source>
        <translation>이 버전은 설치할 수 없습니다. 설치된 버전은 그대로 둡니다:</translation>
    </message>
    <message>
        <source>上次更新未能撤销，下次启动时将继续:</source>
        <translation>지난 업데이트를 아직 되돌리지 못했습니다. 다음 시작 때 계속합니다:</translation>
    </message>
    <message>
        <source>没有需要更新的文件</source>
        <translation>업데이트할 파일이 없습니다</translation>
    </message>
    <message>
        <source>更新未能完成，原版本将在下次启动时恢复:</source>
        <translation>업데이트를 마치지 못했습니다. 다음 시작 때 설치된 버전으로 되돌립니다:</translation>
    </message>
    <message>
        <source>无法获取更新信息 (HTTP %1)</source>
        <translation>업데이트 정보를 가져올 수 없습니다 (HTTP %1)</translation>
    </message>
    <message>
        <source>更新信息无法解析</source>
        <translation>업데이트 정보를 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>更新信息被拒绝: %1</source>
        <translation>업데이트 정보를 거부했습니다: %1</translation>
    </message>
    <message>
        <source>以下文件未能更新，已保留原版本:</source>
        <translation>다음 파일을 업데이트하지 못했습니다. 설치된 버전은 그대로 둡니다:</translation>
    </message>
    <message>
        <source>无法启动 %1，请手动启动</source>
        <translation>%1을(를) 시작할 수 없습니다. 직접 시작하세요</translation>
    </message>
    <message>
        <source>软件更新</source>
        <translation>소프트웨어 업데이트</translation>
    </message>
    <message>
        <source>更新完成</source>
        <translation>업데이트 완료</translation>
    </message>
    <message>
        <source>更新失败</source>
        <translation>업데이트 실패</translation>
    </message>
    <message>
        <source>正在下载更新</source>
        <translation>업데이트 내려받는 중</translation>
    </message>
    <message>
        <source>所有文件已下载完成</source>
        <translation>모든 파일을 내려받았습니다</translation>
    </message>
    <message>
        <source>正在下载文件: %1 (%2/%3)</source>
        <translation>내려받는 중: %1 (%2/%3)</translation>
    </message>
    <message>
        <source>重启应用</source>
        <translation>다시 시작</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>重试</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>总进度: %1/%2 文件</source>
        <translation>전체: 파일 %1/%2</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
</context>
</TS>
