<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>closes the About window</source>
        <translation>zavře toto okno</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Ikona programu</translation>
    </message>
    <message>
        <source>a red die with a yellow 7</source>
        <translation>červená kostka se žlutou sedmičkou</translation>
    </message>
    <message>
        <source>Designed and programmed by the Quandrel authors</source>
        <translation>Vytvořili autoři programu Quandrel</translation>
    </message>
    <message>
        <source>credit</source>
        <translation>autoři</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prázdné</translation>
    </message>
    <message>
        <source>program</source>
        <translation>program</translation>
    </message>
    <message>
        <source>version</source>
        <translation>verze</translation>
    </message>
    <message>
        <source>Die icon</source>
        <translation>Ikona kostky</translation>
    </message>
    <message>
        <source>the red die, its 7 outlined</source>
        <translation>červená kostka s obtaženou sedmičkou</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programu %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
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
        <translation>nejvýše tři znaky</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>four-sided die</source>
        <translation>k4</translation>
    </message>
    <message>
        <source>d4</source>
        <translation>k4</translation>
    </message>
    <message>
        <source>six-sided die</source>
        <translation>k6</translation>
    </message>
    <message>
        <source>d6</source>
        <translation>k6</translation>
    </message>
    <message>
        <source>eight-sided die</source>
        <translation>k8</translation>
    </message>
    <message>
        <source>d8</source>
        <translation>k8</translation>
    </message>
    <message>
        <source>ten-sided die</source>
        <translation>k10</translation>
    </message>
    <message>
        <source>d10</source>
        <translation>k10</translation>
    </message>
    <message>
        <source>twelve-sided die</source>
        <translation>k12</translation>
    </message>
    <message>
        <source>d12</source>
        <translation>k12</translation>
    </message>
    <message>
        <source>twenty-sided die</source>
        <translation>k20</translation>
    </message>
    <message>
        <source>d20</source>
        <translation>k20</translation>
    </message>
    <message>
        <source>percentile tens die</source>
        <translation>kostka desítek</translation>
    </message>
    <message>
        <source>percentile</source>
        <translation>kostka desítek</translation>
    </message>
    <message>
        <source>hundred-sided die</source>
        <translation>k100</translation>
    </message>
    <message>
        <source>d100</source>
        <translation>k100</translation>
    </message>
    <message>
        <source>a click rolls it</source>
        <translation>kliknutím hodíte kostkou</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Hodit všemi</translation>
    </message>
    <message>
        <source>rolls all eight dice</source>
        <translation>hodí všemi osmi kostkami</translation>
    </message>
    <message>
        <source>Character Stat Roller</source>
        <translation>Hod na vlastnosti</translation>
    </message>
    <message>
        <source>opens its window</source>
        <translation>otevře příslušné okno</translation>
    </message>
    <message>
        <source>Multiple Dice Roller</source>
        <translation>Více kostek</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programu Quandrel</translation>
    </message>
    <message>
        <source>opens the About window</source>
        <translation>otevře okno „O programu Quandrel“</translation>
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
        <translation>k4</translation>
    </message>
    <message numerus="yes">
        <source>%n four-sided dice: total %1</source>
        <translation>
            <numerusform>%n kostka k4: součet %1</numerusform>
            <numerusform>%n kostky k4: součet %1</numerusform>
            <numerusform>%n kostek k4: součet %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 6</source>
        <translation>k6</translation>
    </message>
    <message numerus="yes">
        <source>%n six-sided dice: total %1</source>
        <translation>
            <numerusform>%n kostka k6: součet %1</numerusform>
            <numerusform>%n kostky k6: součet %1</numerusform>
            <numerusform>%n kostek k6: součet %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 8</source>
        <translation>k8</translation>
    </message>
    <message numerus="yes">
        <source>%n eight-sided dice: total %1</source>
        <translation>
            <numerusform>%n kostka k8: součet %1</numerusform>
            <numerusform>%n kostky k8: součet %1</numerusform>
            <numerusform>%n kostek k8: součet %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 10</source>
        <translation>k10</translation>
    </message>
    <message numerus="yes">
        <source>%n ten-sided dice: total %1</source>
        <translation>
            <numerusform>%n kostka k10: součet %1</numerusform>
            <numerusform>%n kostky k10: součet %1</numerusform>
            <numerusform>%n kostek k10: součet %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 12</source>
        <translation>k12</translation>
    </message>
    <message numerus="yes">
        <source>%n twelve-sided dice: total %1</source>
        <translation>
            <numerusform>%n kostka k12: součet %1</numerusform>
            <numerusform>%n kostky k12: součet %1</numerusform>
            <numerusform>%n kostek k12: součet %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 20</source>
        <translation>k20</translation>
    </message>
    <message numerus="yes">
        <source>%n twenty-sided dice: total %1</source>
        <translation>
            <numerusform>%n kostka k20: součet %1</numerusform>
            <numerusform>%n kostky k20: součet %1</numerusform>
            <numerusform>%n kostek k20: součet %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 100</source>
        <translation>k100</translation>
    </message>
    <message numerus="yes">
        <source>%n hundred-sided dice: total %1</source>
        <translation>
            <numerusform>%n kostka k100: součet %1</numerusform>
            <numerusform>%n kostky k100: součet %1</numerusform>
            <numerusform>%n kostek k100: součet %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Muliple Dice Roller</source>
        <translation>Více kostek</translation>
    </message>
    <message>
        <source>Die kind</source>
        <translation>Druh kostky</translation>
    </message>
    <message>
        <source>pick one from the list</source>
        <translation>vyberte jeden ze seznamu</translation>
    </message>
    <message>
        <source># of Rolls</source>
        <translation>Počet</translation>
    </message>
    <message>
        <source>Number of rolls</source>
        <translation>Počet hodů</translation>
    </message>
    <message>
        <source>up to three characters</source>
        <translation>až tři znaky</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>SOUČET</translation>
    </message>
    <message>
        <source>sum of the dice</source>
        <translation>součet kostek</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Hodit</translation>
    </message>
    <message>
        <source>rolls the dice and shows their sum</source>
        <translation>hodí kostkami a ukáže jejich součet</translation>
    </message>
    <message>
        <source>DIE</source>
        <translation>KOSTKA</translation>
    </message>
    <message>
        <source>No die kind chosen: pick one from the list</source>
        <translation>Není vybrán druh kostky: vyberte jeden ze seznamu</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is not a number</source>
        <translation>Nehozeno: počet hodů není číslo</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is out of range</source>
        <translation>Nehozeno: počet hodů je mimo povolený rozsah</translation>
    </message>
    <message>
        <source>total: %1</source>
        <comment>the sum the window shows</comment>
        <translation>součet: %1</translation>
    </message>
</context>
<context>
    <name>StatRollerWindow</name>
    <message>
        <source>Character Stat Roller</source>
        <translation>Hod na vlastnosti</translation>
    </message>
    <message>
        <source>row %1, die %2: %3</source>
        <translation>řádek %1, kostka %2: %3</translation>
    </message>
    <message>
        <source>one of the row&apos;s four dice</source>
        <translation>jedna ze čtyř kostek řádku</translation>
    </message>
    <message>
        <source>row %1 total: %2</source>
        <translation>řádek %1, součet: %2</translation>
    </message>
    <message>
        <source>the sum of the row&apos;s three highest dice</source>
        <translation>součet tří nejvyšších kostek řádku</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Hodit všemi</translation>
    </message>
    <message>
        <source>rolls all six rows</source>
        <translation>hodí kostkami ve všech šesti řádcích</translation>
    </message>
    <message>
        <source>Re-Roll</source>
        <translation>Přehodit</translation>
    </message>
    <message>
        <source>Re-Roll row %1</source>
        <translation>Přehodit řádek %1</translation>
    </message>
    <message>
        <source>rolls the row&apos;s four dice again</source>
        <translation>znovu hodí čtyřmi kostkami řádku</translation>
    </message>
    <message>
        <source>row %1: %2; total %3</source>
        <translation>řádek %1: %2; součet %3</translation>
    </message>
    <message>
        <source>totals %1</source>
        <translation>součty %1</translation>
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
