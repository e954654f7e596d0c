<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>closes the About window</source>
        <translation>закрывает это окно</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Значок программы</translation>
    </message>
    <message>
        <source>a red die with a yellow 7</source>
        <translation>красный кубик с жёлтой семёркой</translation>
    </message>
    <message>
        <source>Designed and programmed by the Quandrel authors</source>
        <translation>Разработано авторами Quandrel</translation>
    </message>
    <message>
        <source>credit</source>
        <translation>авторы</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>program</source>
        <translation>программа</translation>
    </message>
    <message>
        <source>version</source>
        <translation>версия</translation>
    </message>
    <message>
        <source>Die icon</source>
        <translation>Значок кубика</translation>
    </message>
    <message>
        <source>the red die, its 7 outlined</source>
        <translation>красный кубик с обведённой семёркой</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
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
        <translation>не больше трёх символов</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>four-sided die</source>
        <translation>к4</translation>
    </message>
    <message>
        <source>d4</source>
        <translation>к4</translation>
    </message>
    <message>
        <source>six-sided die</source>
        <translation>к6</translation>
    </message>
    <message>
        <source>d6</source>
        <translation>к6</translation>
    </message>
    <message>
        <source>eight-sided die</source>
        <translation>к8</translation>
    </message>
    <message>
        <source>d8</source>
        <translation>к8</translation>
    </message>
    <message>
        <source>ten-sided die</source>
        <translation>к10</translation>
    </message>
    <message>
        <source>d10</source>
        <translation>к10</translation>
    </message>
    <message>
        <source>twelve-sided die</source>
        <translation>к12</translation>
    </message>
    <message>
        <source>d12</source>
        <translation>к12</translation>
    </message>
    <message>
        <source>twenty-sided die</source>
        <translation>к20</translation>
    </message>
    <message>
        <source>d20</source>
        <translation>к20</translation>
    </message>
    <message>
        <source>percentile tens die</source>
        <translation>кубик десятков</translation>
    </message>
    <message>
        <source>percentile</source>
        <translation>кубик десятков</translation>
    </message>
    <message>
        <source>hundred-sided die</source>
        <translation>к100</translation>
    </message>
    <message>
        <source>d100</source>
        <translation>к100</translation>
    </message>
    <message>
        <source>a click rolls it</source>
        <translation>щелчок бросает кубик</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Бросить все</translation>
    </message>
    <message>
        <source>rolls all eight dice</source>
        <translation>бросает все восемь кубиков</translation>
    </message>
    <message>
        <source>Character Stat Roller</source>
        <translation>Броски характеристик</translation>
    </message>
    <message>
        <source>opens its window</source>
        <translation>открывает соответствующее окно</translation>
    </message>
    <message>
        <source>Multiple Dice Roller</source>
        <translation>Несколько кубиков</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе Quandrel</translation>
    </message>
    <message>
        <source>opens the About window</source>
        <translation>открывает окно «О программе Quandrel»</translation>
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
        <translation>к4</translation>
    </message>
    <message numerus="yes">
        <source>%n four-sided dice: total %1</source>
        <translation>
            <numerusform>%n кубик к4: сумма %1</numerusform>
            <numerusform>%n кубика к4: сумма %1</numerusform>
            <numerusform>%n кубиков к4: сумма %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 6</source>
        <translation>к6</translation>
    </message>
    <message numerus="yes">
        <source>%n six-sided dice: total %1</source>
        <translation>
            <numerusform>%n кубик к6: сумма %1</numerusform>
            <numerusform>%n кубика к6: сумма %1</numerusform>
            <numerusform>%n кубиков к6: сумма %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 8</source>
        <translation>к8</translation>
    </message>
    <message numerus="yes">
        <source>%n eight-sided dice: total %1</source>
        <translation>
            <numerusform>%n кубик к8: сумма %1</numerusform>
            <numerusform>%n кубика к8: сумма %1</numerusform>
            <numerusform>%n кубиков к8: сумма %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 10</source>
        <translation>к10</translation>
    </message>
    <message numerus="yes">
        <source>%n ten-sided dice: total %1</source>
        <translation>
            <numerusform>%n кубик к10: сумма %1</numerusform>
            <numerusform>%n кубика к10: сумма %1</numerusform>
            <numerusform>%n кубиков к10: сумма %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 12</source>
        <translation>к12</translation>
    </message>
    <message numerus="yes">
        <source>%n twelve-sided dice: total %1</source>
        <translation>
            <numerusform>%n кубик к12: сумма %1</numerusform>
            <numerusform>%n кубика к12: сумма %1</numerusform>
            <numerusform>%n кубиков к12: сумма %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 20</source>
        <translation>к20</translation>
    </message>
    <message numerus="yes">
        <source>%n twenty-sided dice: total %1</source>
        <translation>
            <numerusform>%n кубик к20: сумма %1</numerusform>
            <numerusform>%n кубика к20: сумма %1</numerusform>
            <numerusform>%n кубиков к20: сумма %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 100</source>
        <translation>к100</translation>
    </message>
    <message numerus="yes">
        <source>%n hundred-sided dice: total %1</source>
        <translation>
            <numerusform>%n кубик к100: сумма %1</numerusform>
            <numerusform>%n кубика к100: сумма %1</numerusform>
            <numerusform>%n кубиков к100: сумма %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Muliple Dice Roller</source>
        <translation>Несколько кубиков</translation>
    </message>
    <message>
        <source>Die kind</source>
        <translation>Вид кубика</translation>
    </message>
    <message>
        <source>pick one from the list</source>
        <translation>выберите его из списка</translation>
    </message>
    <message>
        <source># of Rolls</source>
        <translation>Кол-во</translation>
    </message>
    <message>
        <source>Number of rolls</source>
        <translation>Количество бросков</translation>
    </message>
    <message>
        <source>up to three characters</source>
        <translation>до трёх символов</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>СУММА</translation>
    </message>
    <message>
        <source>sum of the dice</source>
        <translation>сумма кубиков</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Бросить</translation>
    </message>
    <message>
        <source>rolls the dice and shows their sum</source>
        <translation>бросает кубики и показывает сумму</translation>
    </message>
    <message>
        <source>DIE</source>
        <translation>КУБИК</translation>
    </message>
    <message>
        <source>No die kind chosen: pick one from the list</source>
        <translation>Не выбран вид кубика: выберите его из списка</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is not a number</source>
        <translation>Бросок не сделан: количество бросков — не число</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is out of range</source>
        <translation>Бросок не сделан: количество бросков вне допустимых пределов</translation>
    </message>
    <message>
        <source>total: %1</source>
        <comment>the sum the window shows</comment>
        <translation>сумма: %1</translation>
    </message>
</context>
<context>
    <name>StatRollerWindow</name>
    <message>
        <source>Character Stat Roller</source>
        <translation>Броски характеристик</translation>
    </message>
    <message>
        <source>row %1, die %2: %3</source>
        <translation>строка %1, кубик %2: %3</translation>
    </message>
    <message>
        <source>one of the row&apos;s four dice</source>
        <translation>один из четырёх кубиков строки</translation>
    </message>
    <message>
        <source>row %1 total: %2</source>
        <translation>строка %1, сумма: %2</translation>
    </message>
    <message>
        <source>the sum of the row&apos;s three highest dice</source>
        <translation>сумма трёх наибольших кубиков строки</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Бросить все</translation>
    </message>
    <message>
        <source>rolls all six rows</source>
        <translation>бросает кубики всех шести строк</translation>
    </message>
    <message>
        <source>Re-Roll</source>
        <translation>Перебросить</translation>
    </message>
    <message>
        <source>Re-Roll row %1</source>
        <translation>Перебросить строку %1</translation>
    </message>
    <message>
        <source>rolls the row&apos;s four dice again</source>
        <translation>заново бросает четыре кубика строки</translation>
    </message>
    <message>
        <source>row %1: %2; total %3</source>
        <translation>строка %1: %2; сумма %3</translation>
    </message>
    <message>
        <source>totals %1</source>
        <translation>суммы %1</translation>
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
