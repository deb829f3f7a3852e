<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="T10">
        <source>Orvello Kitbench Wizard</source>
        <translation>Orvello Kitbench Wizard</translation>
    </message>
</context>
</TS>
