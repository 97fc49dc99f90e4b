<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh" sourcelanguage="zh_CN">
<context>
    <name>main</name>
    <message>
        <source>隐藏</source>
        <translation>藏起</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>退</translation>
    </message>
</context>
</TS>
