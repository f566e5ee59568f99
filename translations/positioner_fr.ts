<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QObject</name>
    <message>
        <source>Failed to write GLOBAL.var.</source>
        <translation>Impossible d’écrire GLOBAL.var.</translation>
    </message>
    <message>
        <source>Failed to send GLOBAL.var.</source>
        <translation>Impossible d’envoyer GLOBAL.var.</translation>
    </message>
    <message>
        <source>Failed to get GLOBAL.var.</source>
        <translation>Impossible de récupérer GLOBAL.var.</translation>
    </message>
</context>
</TS>
