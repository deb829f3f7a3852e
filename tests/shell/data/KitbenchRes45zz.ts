<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="T1102">
        <source>Login</source>
        <translation>zz-Login</translation>
    </message>
    <message id="T9990">
        <source>piece</source>
        <translation>A caption split _</translation>
    </message>
    <message id="T9991">
        <source>piece</source>
        <translation>over three_</translation>
    </message>
    <message id="T9992">
        <source>piece</source>
        <translation> ids.</translation>
    </message>
    <message id="T9993">
        <source>piece</source>
        <translation>Ends with an underscore_</translation>
    </message>
</context>
</TS>
