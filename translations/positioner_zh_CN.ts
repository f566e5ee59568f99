<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>Failed to write GLOBAL.var.</source>
        <translation>写入 GLOBAL.var 失败。</translation>
    </message>
    <message>
        <source>Failed to send GLOBAL.var.</source>
        <translation>发送 GLOBAL.var 失败。</translation>
    </message>
    <message>
        <source>Failed to get GLOBAL.var.</source>
        <translation>获取 GLOBAL.var 失败。</translation>
    </message>
</context>
</TS>
