<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>QObject</name>
    <message>
        <source>Failed to write GLOBAL.var.</source>
        <translation>Impossibile scrivere GLOBAL.var.</translation>
    </message>
    <message>
        <source>Failed to send GLOBAL.var.</source>
        <translation>Impossibile inviare GLOBAL.var.</translation>
    </message>
    <message>
        <source>Failed to get GLOBAL.var.</source>
        <translation>Impossibile ottenere GLOBAL.var.</translation>
    </message>
</context>
</TS>
