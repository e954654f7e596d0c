<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>MultiRollerWindow</name>
    <message numerus="yes">
        <source>%n four-sided dice: total %1</source>
        <translation>
            <numerusform>%n four-sided die: total %1</numerusform>
            <numerusform>%n four-sided dice: total %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n six-sided dice: total %1</source>
        <translation>
            <numerusform>%n six-sided die: total %1</numerusform>
            <numerusform>%n six-sided dice: total %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n eight-sided dice: total %1</source>
        <translation>
            <numerusform>%n eight-sided die: total %1</numerusform>
            <numerusform>%n eight-sided dice: total %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ten-sided dice: total %1</source>
        <translation>
            <numerusform>%n ten-sided die: total %1</numerusform>
            <numerusform>%n ten-sided dice: total %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n twelve-sided dice: total %1</source>
        <translation>
            <numerusform>%n twelve-sided die: total %1</numerusform>
            <numerusform>%n twelve-sided dice: total %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n twenty-sided dice: total %1</source>
        <translation>
            <numerusform>%n twenty-sided die: total %1</numerusform>
            <numerusform>%n twenty-sided dice: total %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hundred-sided dice: total %1</source>
        <translation>
            <numerusform>%n hundred-sided die: total %1</numerusform>
            <numerusform>%n hundred-sided dice: total %1</numerusform>
        </translation>
    </message>
</context>
</TS>
