<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>closes the About window</source>
        <translation>schließt dieses Fenster</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>a red die with a yellow 7</source>
        <translation>ein roter Würfel mit einer gelben 7</translation>
    </message>
    <message>
        <source>Designed and programmed by the Quandrel authors</source>
        <translation>Entwickelt von den Quandrel-Autoren</translation>
    </message>
    <message>
        <source>credit</source>
        <translation>Urheber</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Die icon</source>
        <translation>Würfelsymbol</translation>
    </message>
    <message>
        <source>the red die, its 7 outlined</source>
        <translation>der rote Würfel mit umrandeter 7</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the program&apos;s title, then its version</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>CountBox</name>
    <message>
        <source>at most three characters</source>
        <translation>höchstens drei Zeichen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>four-sided die</source>
        <translation>W4</translation>
    </message>
    <message>
        <source>d4</source>
        <translation>W4</translation>
    </message>
    <message>
        <source>six-sided die</source>
        <translation>W6</translation>
    </message>
    <message>
        <source>d6</source>
        <translation>W6</translation>
    </message>
    <message>
        <source>eight-sided die</source>
        <translation>W8</translation>
    </message>
    <message>
        <source>d8</source>
        <translation>W8</translation>
    </message>
    <message>
        <source>ten-sided die</source>
        <translation>W10</translation>
    </message>
    <message>
        <source>d10</source>
        <translation>W10</translation>
    </message>
    <message>
        <source>twelve-sided die</source>
        <translation>W12</translation>
    </message>
    <message>
        <source>d12</source>
        <translation>W12</translation>
    </message>
    <message>
        <source>twenty-sided die</source>
        <translation>W20</translation>
    </message>
    <message>
        <source>d20</source>
        <translation>W20</translation>
    </message>
    <message>
        <source>percentile tens die</source>
        <translation>Zehnerwürfel</translation>
    </message>
    <message>
        <source>percentile</source>
        <translation>Zehnerwürfel</translation>
    </message>
    <message>
        <source>hundred-sided die</source>
        <translation>W100</translation>
    </message>
    <message>
        <source>d100</source>
        <translation>W100</translation>
    </message>
    <message>
        <source>a click rolls it</source>
        <translation>ein Klick wirft ihn</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Alle würfeln</translation>
    </message>
    <message>
        <source>rolls all eight dice</source>
        <translation>wirft alle acht Würfel</translation>
    </message>
    <message>
        <source>Character Stat Roller</source>
        <translation>Attribute würfeln</translation>
    </message>
    <message>
        <source>opens its window</source>
        <translation>öffnet das zugehörige Fenster</translation>
    </message>
    <message>
        <source>Multiple Dice Roller</source>
        <translation>Mehrere Würfel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Quandrel</translation>
    </message>
    <message>
        <source>opens the About window</source>
        <translation>öffnet das Fenster „Über Quandrel“</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a die, then its face</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>MultiRollerWindow</name>
    <message>
        <source>Die 4</source>
        <translation>W4</translation>
    </message>
    <message numerus="yes">
        <source>%n four-sided dice: total %1</source>
        <translation>
            <numerusform>%n W4: Summe %1</numerusform>
            <numerusform>%n W4: Summe %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 6</source>
        <translation>W6</translation>
    </message>
    <message numerus="yes">
        <source>%n six-sided dice: total %1</source>
        <translation>
            <numerusform>%n W6: Summe %1</numerusform>
            <numerusform>%n W6: Summe %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 8</source>
        <translation>W8</translation>
    </message>
    <message numerus="yes">
        <source>%n eight-sided dice: total %1</source>
        <translation>
            <numerusform>%n W8: Summe %1</numerusform>
            <numerusform>%n W8: Summe %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 10</source>
        <translation>W10</translation>
    </message>
    <message numerus="yes">
        <source>%n ten-sided dice: total %1</source>
        <translation>
            <numerusform>%n W10: Summe %1</numerusform>
            <numerusform>%n W10: Summe %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 12</source>
        <translation>W12</translation>
    </message>
    <message numerus="yes">
        <source>%n twelve-sided dice: total %1</source>
        <translation>
            <numerusform>%n W12: Summe %1</numerusform>
            <numerusform>%n W12: Summe %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 20</source>
        <translation>W20</translation>
    </message>
    <message numerus="yes">
        <source>%n twenty-sided dice: total %1</source>
        <translation>
            <numerusform>%n W20: Summe %1</numerusform>
            <numerusform>%n W20: Summe %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 100</source>
        <translation>W100</translation>
    </message>
    <message numerus="yes">
        <source>%n hundred-sided dice: total %1</source>
        <translation>
            <numerusform>%n W100: Summe %1</numerusform>
            <numerusform>%n W100: Summe %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Muliple Dice Roller</source>
        <translation>Mehrere Würfel</translation>
    </message>
    <message>
        <source>Die kind</source>
        <translation>Würfelart</translation>
    </message>
    <message>
        <source>pick one from the list</source>
        <translation>eine aus der Liste wählen</translation>
    </message>
    <message>
        <source># of Rolls</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Number of rolls</source>
        <translation>Anzahl der Würfe</translation>
    </message>
    <message>
        <source>up to three characters</source>
        <translation>bis zu drei Zeichen</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>SUMME</translation>
    </message>
    <message>
        <source>sum of the dice</source>
        <translation>Summe der Würfel</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>rolls the dice and shows their sum</source>
        <translation>wirft die Würfel und zeigt die Summe</translation>
    </message>
    <message>
        <source>DIE</source>
        <translation>WÜRFEL</translation>
    </message>
    <message>
        <source>No die kind chosen: pick one from the list</source>
        <translation>Keine Würfelart gewählt: eine aus der Liste wählen</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is not a number</source>
        <translation>Nicht gewürfelt: Die Anzahl der Würfe ist keine Zahl</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is out of range</source>
        <translation>Nicht gewürfelt: Die Anzahl der Würfe ist zu groß oder zu klein</translation>
    </message>
    <message>
        <source>total: %1</source>
        <comment>the sum the window shows</comment>
        <translation>Summe: %1</translation>
    </message>
</context>
<context>
    <name>StatRollerWindow</name>
    <message>
        <source>Character Stat Roller</source>
        <translation>Attribute würfeln</translation>
    </message>
    <message>
        <source>row %1, die %2: %3</source>
        <translation>Reihe %1, Würfel %2: %3</translation>
    </message>
    <message>
        <source>one of the row&apos;s four dice</source>
        <translation>einer der vier Würfel der Reihe</translation>
    </message>
    <message>
        <source>row %1 total: %2</source>
        <translation>Reihe %1, Summe: %2</translation>
    </message>
    <message>
        <source>the sum of the row&apos;s three highest dice</source>
        <translation>die Summe der drei höchsten Würfel der Reihe</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Alle würfeln</translation>
    </message>
    <message>
        <source>rolls all six rows</source>
        <translation>würfelt alle sechs Reihen aus</translation>
    </message>
    <message>
        <source>Re-Roll</source>
        <translation>Neu würfeln</translation>
    </message>
    <message>
        <source>Re-Roll row %1</source>
        <translation>Reihe %1 neu würfeln</translation>
    </message>
    <message>
        <source>rolls the row&apos;s four dice again</source>
        <translation>wirft die vier Würfel der Reihe neu</translation>
    </message>
    <message>
        <source>row %1: %2; total %3</source>
        <translation>Reihe %1: %2; Summe %3</translation>
    </message>
    <message>
        <source>totals %1</source>
        <translation>Summen %1</translation>
    </message>
</context>
<context>
    <name>announcer</name>
    <message>
        <source>, </source>
        <comment>between the items of a spoken list</comment>
        <translation>, </translation>
    </message>
</context>
</TS>
