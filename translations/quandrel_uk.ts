<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>closes the About window</source>
        <translation>закриває це вікно</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Значок програми</translation>
    </message>
    <message>
        <source>a red die with a yellow 7</source>
        <translation>червоний кубик із жовтою сімкою</translation>
    </message>
    <message>
        <source>Designed and programmed by the Quandrel authors</source>
        <translation>Розроблено авторами Quandrel</translation>
    </message>
    <message>
        <source>credit</source>
        <translation>автори</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>program</source>
        <translation>програма</translation>
    </message>
    <message>
        <source>version</source>
        <translation>версія</translation>
    </message>
    <message>
        <source>Die icon</source>
        <translation>Значок кубика</translation>
    </message>
    <message>
        <source>the red die, its 7 outlined</source>
        <translation>червоний кубик з обведеною сімкою</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Про програму %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
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
        <translation>не більше трьох символів</translation>
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
        <translation>кубик десятків</translation>
    </message>
    <message>
        <source>percentile</source>
        <translation>кубик десятків</translation>
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
        <translation>клацання кидає кубик</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Кинути всі</translation>
    </message>
    <message>
        <source>rolls all eight dice</source>
        <translation>кидає всі вісім кубиків</translation>
    </message>
    <message>
        <source>Character Stat Roller</source>
        <translation>Кидки характеристик</translation>
    </message>
    <message>
        <source>opens its window</source>
        <translation>відкриває відповідне вікно</translation>
    </message>
    <message>
        <source>Multiple Dice Roller</source>
        <translation>Кілька кубиків</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму Quandrel</translation>
    </message>
    <message>
        <source>opens the About window</source>
        <translation>відкриває вікно «Про програму Quandrel»</translation>
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
            <numerusform>%n кубик к4: сума %1</numerusform>
            <numerusform>%n кубики к4: сума %1</numerusform>
            <numerusform>%n кубиків к4: сума %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 6</source>
        <translation>к6</translation>
    </message>
    <message numerus="yes">
        <source>%n six-sided dice: total %1</source>
        <translation>
            <numerusform>%n кубик к6: сума %1</numerusform>
            <numerusform>%n кубики к6: сума %1</numerusform>
            <numerusform>%n кубиків к6: сума %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 8</source>
        <translation>к8</translation>
    </message>
    <message numerus="yes">
        <source>%n eight-sided dice: total %1</source>
        <translation>
            <numerusform>%n кубик к8: сума %1</numerusform>
            <numerusform>%n кубики к8: сума %1</numerusform>
            <numerusform>%n кубиків к8: сума %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 10</source>
        <translation>к10</translation>
    </message>
    <message numerus="yes">
        <source>%n ten-sided dice: total %1</source>
        <translation>
            <numerusform>%n кубик к10: сума %1</numerusform>
            <numerusform>%n кубики к10: сума %1</numerusform>
            <numerusform>%n кубиків к10: сума %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 12</source>
        <translation>к12</translation>
    </message>
    <message numerus="yes">
        <source>%n twelve-sided dice: total %1</source>
        <translation>
            <numerusform>%n кубик к12: сума %1</numerusform>
            <numerusform>%n кубики к12: сума %1</numerusform>
            <numerusform>%n кубиків к12: сума %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 20</source>
        <translation>к20</translation>
    </message>
    <message numerus="yes">
        <source>%n twenty-sided dice: total %1</source>
        <translation>
            <numerusform>%n кубик к20: сума %1</numerusform>
            <numerusform>%n кубики к20: сума %1</numerusform>
            <numerusform>%n кубиків к20: сума %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 100</source>
        <translation>к100</translation>
    </message>
    <message numerus="yes">
        <source>%n hundred-sided dice: total %1</source>
        <translation>
            <numerusform>%n кубик к100: сума %1</numerusform>
            <numerusform>%n кубики к100: сума %1</numerusform>
            <numerusform>%n кубиків к100: сума %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Muliple Dice Roller</source>
        <translation>Кілька кубиків</translation>
    </message>
    <message>
        <source>Die kind</source>
        <translation>Вид кубика</translation>
    </message>
    <message>
        <source>pick one from the list</source>
        <translation>виберіть його зі списку</translation>
    </message>
    <message>
        <source># of Rolls</source>
        <translation>К-сть</translation>
    </message>
    <message>
        <source>Number of rolls</source>
        <translation>Кількість кидків</translation>
    </message>
    <message>
        <source>up to three characters</source>
        <translation>до трьох символів</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>СУМА</translation>
    </message>
    <message>
        <source>sum of the dice</source>
        <translation>сума кубиків</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Кинути</translation>
    </message>
    <message>
        <source>rolls the dice and shows their sum</source>
        <translation>кидає кубики й показує суму</translation>
    </message>
    <message>
        <source>DIE</source>
        <translation>КУБИК</translation>
    </message>
    <message>
        <source>No die kind chosen: pick one from the list</source>
        <translation>Не вибрано вид кубика: виберіть його зі списку</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is not a number</source>
        <translation>Кидка не зроблено: кількість кидків — не число</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is out of range</source>
        <translation>Кидка не зроблено: кількість кидків поза допустимими межами</translation>
    </message>
    <message>
        <source>total: %1</source>
        <comment>the sum the window shows</comment>
        <translation>сума: %1</translation>
    </message>
</context>
<context>
    <name>StatRollerWindow</name>
    <message>
        <source>Character Stat Roller</source>
        <translation>Кидки характеристик</translation>
    </message>
    <message>
        <source>row %1, die %2: %3</source>
        <translation>рядок %1, кубик %2: %3</translation>
    </message>
    <message>
        <source>one of the row&apos;s four dice</source>
        <translation>один із чотирьох кубиків рядка</translation>
    </message>
    <message>
        <source>row %1 total: %2</source>
        <translation>рядок %1, сума: %2</translation>
    </message>
    <message>
        <source>the sum of the row&apos;s three highest dice</source>
        <translation>сума трьох найбільших кубиків рядка</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Кинути всі</translation>
    </message>
    <message>
        <source>rolls all six rows</source>
        <translation>кидає кубики всіх шести рядків</translation>
    </message>
    <message>
        <source>Re-Roll</source>
        <translation>Перекинути</translation>
    </message>
    <message>
        <source>Re-Roll row %1</source>
        <translation>Перекинути рядок %1</translation>
    </message>
    <message>
        <source>rolls the row&apos;s four dice again</source>
        <translation>знову кидає чотири кубики рядка</translation>
    </message>
    <message>
        <source>row %1: %2; total %3</source>
        <translation>рядок %1: %2; сума %3</translation>
    </message>
    <message>
        <source>totals %1</source>
        <translation>суми %1</translation>
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
