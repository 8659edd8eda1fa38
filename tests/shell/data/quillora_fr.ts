<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="1">
        <source>One</source>
        <translation>Un</translation>
    </message>
    <message id="3">
        <source>Only in French</source>
        <translation>Seulement en français</translation>
    </message>
</context>
</TS>
