<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="zh_CN">
<context>
    <name>main</name>
    <message>
        <source>隐藏</source>
        <translation>إخفاء</translation>
    </message>
</context>
</TS>
