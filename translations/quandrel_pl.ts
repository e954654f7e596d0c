<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>closes the About window</source>
        <translation>zamyka to okno</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Ikona programu</translation>
    </message>
    <message>
        <source>a red die with a yellow 7</source>
        <translation>czerwona kość z żółtą siódemką</translation>
    </message>
    <message>
        <source>Designed and programmed by the Quandrel authors</source>
        <translation>Projekt i program: autorzy Quandrela</translation>
    </message>
    <message>
        <source>credit</source>
        <translation>autorzy</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>program</source>
        <translation>program</translation>
    </message>
    <message>
        <source>version</source>
        <translation>wersja</translation>
    </message>
    <message>
        <source>Die icon</source>
        <translation>Ikona kości</translation>
    </message>
    <message>
        <source>the red die, its 7 outlined</source>
        <translation>czerwona kość z obrysowaną siódemką</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
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
        <translation>najwyżej trzy znaki</translation>
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
        <translation>kość dziesiątek</translation>
    </message>
    <message>
        <source>percentile</source>
        <translation>dziesiątki</translation>
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
        <translation>kliknięcie rzuca tą kością</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Rzuć wszystkimi</translation>
    </message>
    <message>
        <source>rolls all eight dice</source>
        <translation>rzuca wszystkimi ośmioma kośćmi</translation>
    </message>
    <message>
        <source>Character Stat Roller</source>
        <translation>Rzut na cechy</translation>
    </message>
    <message>
        <source>opens its window</source>
        <translation>otwiera odpowiednie okno</translation>
    </message>
    <message>
        <source>Multiple Dice Roller</source>
        <translation>Wiele kości</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie Quandrel</translation>
    </message>
    <message>
        <source>opens the About window</source>
        <translation>otwiera okno „O programie Quandrel”</translation>
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
            <numerusform>%n k4: suma %1</numerusform>
            <numerusform>%n k4: suma %1</numerusform>
            <numerusform>%n k4: suma %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 6</source>
        <translation>k6</translation>
    </message>
    <message numerus="yes">
        <source>%n six-sided dice: total %1</source>
        <translation>
            <numerusform>%n k6: suma %1</numerusform>
            <numerusform>%n k6: suma %1</numerusform>
            <numerusform>%n k6: suma %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 8</source>
        <translation>k8</translation>
    </message>
    <message numerus="yes">
        <source>%n eight-sided dice: total %1</source>
        <translation>
            <numerusform>%n k8: suma %1</numerusform>
            <numerusform>%n k8: suma %1</numerusform>
            <numerusform>%n k8: suma %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 10</source>
        <translation>k10</translation>
    </message>
    <message numerus="yes">
        <source>%n ten-sided dice: total %1</source>
        <translation>
            <numerusform>%n k10: suma %1</numerusform>
            <numerusform>%n k10: suma %1</numerusform>
            <numerusform>%n k10: suma %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 12</source>
        <translation>k12</translation>
    </message>
    <message numerus="yes">
        <source>%n twelve-sided dice: total %1</source>
        <translation>
            <numerusform>%n k12: suma %1</numerusform>
            <numerusform>%n k12: suma %1</numerusform>
            <numerusform>%n k12: suma %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 20</source>
        <translation>k20</translation>
    </message>
    <message numerus="yes">
        <source>%n twenty-sided dice: total %1</source>
        <translation>
            <numerusform>%n k20: suma %1</numerusform>
            <numerusform>%n k20: suma %1</numerusform>
            <numerusform>%n k20: suma %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 100</source>
        <translation>k100</translation>
    </message>
    <message numerus="yes">
        <source>%n hundred-sided dice: total %1</source>
        <translation>
            <numerusform>%n k100: suma %1</numerusform>
            <numerusform>%n k100: suma %1</numerusform>
            <numerusform>%n k100: suma %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Muliple Dice Roller</source>
        <translation>Wiele kości</translation>
    </message>
    <message>
        <source>Die kind</source>
        <translation>Rodzaj kości</translation>
    </message>
    <message>
        <source>pick one from the list</source>
        <translation>wybierz go z listy</translation>
    </message>
    <message>
        <source># of Rolls</source>
        <translation>Liczba</translation>
    </message>
    <message>
        <source>Number of rolls</source>
        <translation>Liczba rzutów</translation>
    </message>
    <message>
        <source>up to three characters</source>
        <translation>do trzech znaków</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>SUMA</translation>
    </message>
    <message>
        <source>sum of the dice</source>
        <translation>suma oczek</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Rzuć</translation>
    </message>
    <message>
        <source>rolls the dice and shows their sum</source>
        <translation>rzuca kośćmi i pokazuje sumę</translation>
    </message>
    <message>
        <source>DIE</source>
        <translation>KOŚĆ</translation>
    </message>
    <message>
        <source>No die kind chosen: pick one from the list</source>
        <translation>Nie wybrano rodzaju kości: wybierz go z listy</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is not a number</source>
        <translation>Bez rzutu: liczba rzutów nie jest liczbą</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is out of range</source>
        <translation>Bez rzutu: liczba rzutów jest za duża lub za mała</translation>
    </message>
    <message>
        <source>total: %1</source>
        <comment>the sum the window shows</comment>
        <translation>suma: %1</translation>
    </message>
</context>
<context>
    <name>StatRollerWindow</name>
    <message>
        <source>Character Stat Roller</source>
        <translation>Rzut na cechy</translation>
    </message>
    <message>
        <source>row %1, die %2: %3</source>
        <translation>rząd %1, kość %2: %3</translation>
    </message>
    <message>
        <source>one of the row&apos;s four dice</source>
        <translation>jedna z czterech kości rzędu</translation>
    </message>
    <message>
        <source>row %1 total: %2</source>
        <translation>rząd %1, suma: %2</translation>
    </message>
    <message>
        <source>the sum of the row&apos;s three highest dice</source>
        <translation>suma trzech najwyższych kości rzędu</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Rzuć wszystkimi</translation>
    </message>
    <message>
        <source>rolls all six rows</source>
        <translation>rzuca kośćmi we wszystkich sześciu rzędach</translation>
    </message>
    <message>
        <source>Re-Roll</source>
        <translation>Przerzuć</translation>
    </message>
    <message>
        <source>Re-Roll row %1</source>
        <translation>Przerzuć rząd %1</translation>
    </message>
    <message>
        <source>rolls the row&apos;s four dice again</source>
        <translation>ponownie rzuca czterema kośćmi rzędu</translation>
    </message>
    <message>
        <source>row %1: %2; total %3</source>
        <translation>rząd %1: %2; suma %3</translation>
    </message>
    <message>
        <source>totals %1</source>
        <translation>sumy %1</translation>
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
