<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>Failed to write GLOBAL.var.</source>
        <translation>GLOBAL.var konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Failed to send GLOBAL.var.</source>
        <translation>GLOBAL.var konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <source>Failed to get GLOBAL.var.</source>
        <translation>GLOBAL.var konnte nicht geholt werden.</translation>
    </message>
</context>
</TS>
