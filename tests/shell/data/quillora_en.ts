<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="1">
        <source>One</source>
        <translation>One</translation>
    </message>
    <message id="2">
        <source>Only in English %1</source>
        <translation>Only in English %1</translation>
    </message>
    <message id="dlg9.caption">
        <source>Caption</source>
        <translation>Caption</translation>
    </message>
</context>
</TS>
