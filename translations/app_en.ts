<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>TextInputDialog</name>
    <message>
        <source>输入文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入要添加的文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字大小: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>draw</name>
    <message>
        <source>Ctrl+鼠标滚轮:缩放图片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+鼠标移动:拖动图片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请选择一个文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>隐藏</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>painter</name>
    <message>
        <source>Shit+绘制:绘制90°,45°,180°直线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shit+绘制:绘制正方形</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画笔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
