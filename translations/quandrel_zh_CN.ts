<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>closes the About window</source>
        <translation>关闭此窗口</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>程序图标</translation>
    </message>
    <message>
        <source>a red die with a yellow 7</source>
        <translation>带黄色 7 的红色骰子</translation>
    </message>
    <message>
        <source>Designed and programmed by the Quandrel authors</source>
        <translation>由 Quandrel 作者设计与编写</translation>
    </message>
    <message>
        <source>credit</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>program</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Die icon</source>
        <translation>骰子图标</translation>
    </message>
    <message>
        <source>the red die, its 7 outlined</source>
        <translation>红色骰子，7 为空心描边</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
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
        <translation>最多三个字符</translation>
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
        <translation>十位骰</translation>
    </message>
    <message>
        <source>percentile</source>
        <translation>十位骰</translation>
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
        <translation>单击即可掷骰</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>全部掷出</translation>
    </message>
    <message>
        <source>rolls all eight dice</source>
        <translation>掷出全部八颗骰子</translation>
    </message>
    <message>
        <source>Character Stat Roller</source>
        <translation>属性掷骰</translation>
    </message>
    <message>
        <source>opens its window</source>
        <translation>打开对应的窗口</translation>
    </message>
    <message>
        <source>Multiple Dice Roller</source>
        <translation>多颗骰子</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于 Quandrel</translation>
    </message>
    <message>
        <source>opens the About window</source>
        <translation>打开“关于 Quandrel”窗口</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a die, then its face</comment>
        <translation>%1：%2</translation>
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
            <numerusform>%nd4：总计 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 6</source>
        <translation>d6</translation>
    </message>
    <message numerus="yes">
        <source>%n six-sided dice: total %1</source>
        <translation>
            <numerusform>%nd6：总计 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 8</source>
        <translation>d8</translation>
    </message>
    <message numerus="yes">
        <source>%n eight-sided dice: total %1</source>
        <translation>
            <numerusform>%nd8：总计 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 10</source>
        <translation>d10</translation>
    </message>
    <message numerus="yes">
        <source>%n ten-sided dice: total %1</source>
        <translation>
            <numerusform>%nd10：总计 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 12</source>
        <translation>d12</translation>
    </message>
    <message numerus="yes">
        <source>%n twelve-sided dice: total %1</source>
        <translation>
            <numerusform>%nd12：总计 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 20</source>
        <translation>d20</translation>
    </message>
    <message numerus="yes">
        <source>%n twenty-sided dice: total %1</source>
        <translation>
            <numerusform>%nd20：总计 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 100</source>
        <translation>d100</translation>
    </message>
    <message numerus="yes">
        <source>%n hundred-sided dice: total %1</source>
        <translation>
            <numerusform>%nd100：总计 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Muliple Dice Roller</source>
        <translation>多颗骰子</translation>
    </message>
    <message>
        <source>Die kind</source>
        <translation>骰子种类</translation>
    </message>
    <message>
        <source>pick one from the list</source>
        <translation>从列表中选择一种</translation>
    </message>
    <message>
        <source># of Rolls</source>
        <translation>次数</translation>
    </message>
    <message>
        <source>Number of rolls</source>
        <translation>掷骰次数</translation>
    </message>
    <message>
        <source>up to three characters</source>
        <translation>最多三个字符</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>总计</translation>
    </message>
    <message>
        <source>sum of the dice</source>
        <translation>骰子点数之和</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>掷骰</translation>
    </message>
    <message>
        <source>rolls the dice and shows their sum</source>
        <translation>掷骰并显示总和</translation>
    </message>
    <message>
        <source>DIE</source>
        <translation>骰子</translation>
    </message>
    <message>
        <source>No die kind chosen: pick one from the list</source>
        <translation>未选择骰子种类：请从列表中选择一种</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is not a number</source>
        <translation>未掷骰：掷骰次数不是数字</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is out of range</source>
        <translation>未掷骰：掷骰次数超出范围</translation>
    </message>
    <message>
        <source>total: %1</source>
        <comment>the sum the window shows</comment>
        <translation>总计：%1</translation>
    </message>
</context>
<context>
    <name>StatRollerWindow</name>
    <message>
        <source>Character Stat Roller</source>
        <translation>属性掷骰</translation>
    </message>
    <message>
        <source>row %1, die %2: %3</source>
        <translation>第 %1 行，第 %2 颗骰子：%3</translation>
    </message>
    <message>
        <source>one of the row&apos;s four dice</source>
        <translation>本行四颗骰子之一</translation>
    </message>
    <message>
        <source>row %1 total: %2</source>
        <translation>第 %1 行总计：%2</translation>
    </message>
    <message>
        <source>the sum of the row&apos;s three highest dice</source>
        <translation>本行点数最高的三颗骰子之和</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>全部掷出</translation>
    </message>
    <message>
        <source>rolls all six rows</source>
        <translation>掷出全部六行的骰子</translation>
    </message>
    <message>
        <source>Re-Roll</source>
        <translation>重掷</translation>
    </message>
    <message>
        <source>Re-Roll row %1</source>
        <translation>重掷第 %1 行</translation>
    </message>
    <message>
        <source>rolls the row&apos;s four dice again</source>
        <translation>重掷本行的四颗骰子</translation>
    </message>
    <message>
        <source>row %1: %2; total %3</source>
        <translation>第 %1 行：%2；总计 %3</translation>
    </message>
    <message>
        <source>totals %1</source>
        <translation>各行总计 %1</translation>
    </message>
</context>
<context>
    <name>announcer</name>
    <message>
        <source>, </source>
        <comment>between the items of a spoken list</comment>
        <translation>，</translation>
    </message>
</context>
</TS>
