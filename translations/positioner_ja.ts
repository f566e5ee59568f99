<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>QObject</name>
    <message>
        <source>Failed to write GLOBAL.var.</source>
        <translation>GLOBAL.var を書き込めませんでした。</translation>
    </message>
    <message>
        <source>Failed to send GLOBAL.var.</source>
        <translation>GLOBAL.var を送信できませんでした。</translation>
    </message>
    <message>
        <source>Failed to get GLOBAL.var.</source>
        <translation>GLOBAL.var を取得できませんでした。</translation>
    </message>
</context>
</TS>
