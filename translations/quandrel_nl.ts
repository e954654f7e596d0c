<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>closes the About window</source>
        <translation>sluit dit venster</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmapictogram</translation>
    </message>
    <message>
        <source>a red die with a yellow 7</source>
        <translation>een rode dobbelsteen met een gele 7</translation>
    </message>
    <message>
        <source>Designed and programmed by the Quandrel authors</source>
        <translation>Ontwikkeld door de makers van Quandrel</translation>
    </message>
    <message>
        <source>credit</source>
        <translation>makers</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>program</source>
        <translation>programma</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versie</translation>
    </message>
    <message>
        <source>Die icon</source>
        <translation>Dobbelsteenpictogram</translation>
    </message>
    <message>
        <source>the red die, its 7 outlined</source>
        <translation>de rode dobbelsteen met omlijnde 7</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
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
        <translation>hoogstens drie tekens</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>four-sided die</source>
        <translation>d4</translation>
    </message>
    <message>
        <source>d4</source>
        <translation>d4</translation>
    </message>
    <message>
        <source>six-sided die</source>
        <translation>d6</translation>
    </message>
    <message>
        <source>d6</source>
        <translation>d6</translation>
    </message>
    <message>
        <source>eight-sided die</source>
        <translation>d8</translation>
    </message>
    <message>
        <source>d8</source>
        <translation>d8</translation>
    </message>
    <message>
        <source>ten-sided die</source>
        <translation>d10</translation>
    </message>
    <message>
        <source>d10</source>
        <translation>d10</translation>
    </message>
    <message>
        <source>twelve-sided die</source>
        <translation>d12</translation>
    </message>
    <message>
        <source>d12</source>
        <translation>d12</translation>
    </message>
    <message>
        <source>twenty-sided die</source>
        <translation>d20</translation>
    </message>
    <message>
        <source>d20</source>
        <translation>d20</translation>
    </message>
    <message>
        <source>percentile tens die</source>
        <translation>tientallendobbelsteen</translation>
    </message>
    <message>
        <source>percentile</source>
        <translation>tientallendobbelsteen</translation>
    </message>
    <message>
        <source>hundred-sided die</source>
        <translation>d100</translation>
    </message>
    <message>
        <source>d100</source>
        <translation>d100</translation>
    </message>
    <message>
        <source>a click rolls it</source>
        <translation>een klik gooit deze dobbelsteen</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Alles gooien</translation>
    </message>
    <message>
        <source>rolls all eight dice</source>
        <translation>gooit alle acht dobbelstenen</translation>
    </message>
    <message>
        <source>Character Stat Roller</source>
        <translation>Eigenschappen gooien</translation>
    </message>
    <message>
        <source>opens its window</source>
        <translation>opent het bijbehorende venster</translation>
    </message>
    <message>
        <source>Multiple Dice Roller</source>
        <translation>Meerdere dobbelstenen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over Quandrel</translation>
    </message>
    <message>
        <source>opens the About window</source>
        <translation>opent het venster ‘Over Quandrel’</translation>
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
        <translation>d4</translation>
    </message>
    <message numerus="yes">
        <source>%n four-sided dice: total %1</source>
        <translation>
            <numerusform>%n d4: totaal %1</numerusform>
            <numerusform>%n d4: totaal %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 6</source>
        <translation>d6</translation>
    </message>
    <message numerus="yes">
        <source>%n six-sided dice: total %1</source>
        <translation>
            <numerusform>%n d6: totaal %1</numerusform>
            <numerusform>%n d6: totaal %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 8</source>
        <translation>d8</translation>
    </message>
    <message numerus="yes">
        <source>%n eight-sided dice: total %1</source>
        <translation>
            <numerusform>%n d8: totaal %1</numerusform>
            <numerusform>%n d8: totaal %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 10</source>
        <translation>d10</translation>
    </message>
    <message numerus="yes">
        <source>%n ten-sided dice: total %1</source>
        <translation>
            <numerusform>%n d10: totaal %1</numerusform>
            <numerusform>%n d10: totaal %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 12</source>
        <translation>d12</translation>
    </message>
    <message numerus="yes">
        <source>%n twelve-sided dice: total %1</source>
        <translation>
            <numerusform>%n d12: totaal %1</numerusform>
            <numerusform>%n d12: totaal %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 20</source>
        <translation>d20</translation>
    </message>
    <message numerus="yes">
        <source>%n twenty-sided dice: total %1</source>
        <translation>
            <numerusform>%n d20: totaal %1</numerusform>
            <numerusform>%n d20: totaal %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 100</source>
        <translation>d100</translation>
    </message>
    <message numerus="yes">
        <source>%n hundred-sided dice: total %1</source>
        <translation>
            <numerusform>%n d100: totaal %1</numerusform>
            <numerusform>%n d100: totaal %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Muliple Dice Roller</source>
        <translation>Meerdere dobbelstenen</translation>
    </message>
    <message>
        <source>Die kind</source>
        <translation>Soort dobbelsteen</translation>
    </message>
    <message>
        <source>pick one from the list</source>
        <translation>kies er een uit de lijst</translation>
    </message>
    <message>
        <source># of Rolls</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Number of rolls</source>
        <translation>Aantal worpen</translation>
    </message>
    <message>
        <source>up to three characters</source>
        <translation>tot drie tekens</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAAL</translation>
    </message>
    <message>
        <source>sum of the dice</source>
        <translation>som van de dobbelstenen</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Gooien</translation>
    </message>
    <message>
        <source>rolls the dice and shows their sum</source>
        <translation>gooit de dobbelstenen en toont de som</translation>
    </message>
    <message>
        <source>DIE</source>
        <translation>SOORT</translation>
    </message>
    <message>
        <source>No die kind chosen: pick one from the list</source>
        <translation>Geen soort dobbelsteen gekozen: kies er een uit de lijst</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is not a number</source>
        <translation>Niet gegooid: het aantal worpen is geen getal</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is out of range</source>
        <translation>Niet gegooid: het aantal worpen is te groot of te klein</translation>
    </message>
    <message>
        <source>total: %1</source>
        <comment>the sum the window shows</comment>
        <translation>totaal: %1</translation>
    </message>
</context>
<context>
    <name>StatRollerWindow</name>
    <message>
        <source>Character Stat Roller</source>
        <translation>Eigenschappen gooien</translation>
    </message>
    <message>
        <source>row %1, die %2: %3</source>
        <translation>rij %1, dobbelsteen %2: %3</translation>
    </message>
    <message>
        <source>one of the row&apos;s four dice</source>
        <translation>een van de vier dobbelstenen van de rij</translation>
    </message>
    <message>
        <source>row %1 total: %2</source>
        <translation>rij %1, totaal: %2</translation>
    </message>
    <message>
        <source>the sum of the row&apos;s three highest dice</source>
        <translation>de som van de drie hoogste dobbelstenen van de rij</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Alles gooien</translation>
    </message>
    <message>
        <source>rolls all six rows</source>
        <translation>gooit de dobbelstenen van alle zes rijen</translation>
    </message>
    <message>
        <source>Re-Roll</source>
        <translation>Overgooien</translation>
    </message>
    <message>
        <source>Re-Roll row %1</source>
        <translation>Rij %1 overgooien</translation>
    </message>
    <message>
        <source>rolls the row&apos;s four dice again</source>
        <translation>gooit de vier dobbelstenen van de rij opnieuw</translation>
    </message>
    <message>
        <source>row %1: %2; total %3</source>
        <translation>rij %1: %2; totaal %3</translation>
    </message>
    <message>
        <source>totals %1</source>
        <translation>totalen %1</translation>
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
