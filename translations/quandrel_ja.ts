<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>closes the About window</source>
        <translation>このウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>プログラムのアイコン</translation>
    </message>
    <message>
        <source>a red die with a yellow 7</source>
        <translation>黄色い 7 の赤いダイス</translation>
    </message>
    <message>
        <source>Designed and programmed by the Quandrel authors</source>
        <translation>設計・開発：Quandrel の作者たち</translation>
    </message>
    <message>
        <source>credit</source>
        <translation>クレジット</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>program</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Die icon</source>
        <translation>ダイスのアイコン</translation>
    </message>
    <message>
        <source>the red die, its 7 outlined</source>
        <translation>7 を縁取りした赤いダイス</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
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
        <translation>3 文字まで</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>four-sided die</source>
        <translation>D4</translation>
    </message>
    <message>
        <source>d4</source>
        <translation>D4</translation>
    </message>
    <message>
        <source>six-sided die</source>
        <translation>D6</translation>
    </message>
    <message>
        <source>d6</source>
        <translation>D6</translation>
    </message>
    <message>
        <source>eight-sided die</source>
        <translation>D8</translation>
    </message>
    <message>
        <source>d8</source>
        <translation>D8</translation>
    </message>
    <message>
        <source>ten-sided die</source>
        <translation>D10</translation>
    </message>
    <message>
        <source>d10</source>
        <translation>D10</translation>
    </message>
    <message>
        <source>twelve-sided die</source>
        <translation>D12</translation>
    </message>
    <message>
        <source>d12</source>
        <translation>D12</translation>
    </message>
    <message>
        <source>twenty-sided die</source>
        <translation>D20</translation>
    </message>
    <message>
        <source>d20</source>
        <translation>D20</translation>
    </message>
    <message>
        <source>percentile tens die</source>
        <translation>十の位のダイス</translation>
    </message>
    <message>
        <source>percentile</source>
        <translation>十の位のダイス</translation>
    </message>
    <message>
        <source>hundred-sided die</source>
        <translation>D100</translation>
    </message>
    <message>
        <source>d100</source>
        <translation>D100</translation>
    </message>
    <message>
        <source>a click rolls it</source>
        <translation>クリックで振る</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>全部振る</translation>
    </message>
    <message>
        <source>rolls all eight dice</source>
        <translation>8 個のダイスを全部振る</translation>
    </message>
    <message>
        <source>Character Stat Roller</source>
        <translation>能力値ロール</translation>
    </message>
    <message>
        <source>opens its window</source>
        <translation>そのウィンドウを開く</translation>
    </message>
    <message>
        <source>Multiple Dice Roller</source>
        <translation>複数ダイス</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Quandrel について</translation>
    </message>
    <message>
        <source>opens the About window</source>
        <translation>「Quandrel について」ウィンドウを開く</translation>
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
        <translation>D4</translation>
    </message>
    <message numerus="yes">
        <source>%n four-sided dice: total %1</source>
        <translation>
            <numerusform>%nD4：合計 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 6</source>
        <translation>D6</translation>
    </message>
    <message numerus="yes">
        <source>%n six-sided dice: total %1</source>
        <translation>
            <numerusform>%nD6：合計 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 8</source>
        <translation>D8</translation>
    </message>
    <message numerus="yes">
        <source>%n eight-sided dice: total %1</source>
        <translation>
            <numerusform>%nD8：合計 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 10</source>
        <translation>D10</translation>
    </message>
    <message numerus="yes">
        <source>%n ten-sided dice: total %1</source>
        <translation>
            <numerusform>%nD10：合計 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 12</source>
        <translation>D12</translation>
    </message>
    <message numerus="yes">
        <source>%n twelve-sided dice: total %1</source>
        <translation>
            <numerusform>%nD12：合計 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 20</source>
        <translation>D20</translation>
    </message>
    <message numerus="yes">
        <source>%n twenty-sided dice: total %1</source>
        <translation>
            <numerusform>%nD20：合計 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 100</source>
        <translation>D100</translation>
    </message>
    <message numerus="yes">
        <source>%n hundred-sided dice: total %1</source>
        <translation>
            <numerusform>%nD100：合計 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Muliple Dice Roller</source>
        <translation>複数ダイス</translation>
    </message>
    <message>
        <source>Die kind</source>
        <translation>ダイスの種類</translation>
    </message>
    <message>
        <source>pick one from the list</source>
        <translation>一覧から選ぶ</translation>
    </message>
    <message>
        <source># of Rolls</source>
        <translation>回数</translation>
    </message>
    <message>
        <source>Number of rolls</source>
        <translation>振る回数</translation>
    </message>
    <message>
        <source>up to three characters</source>
        <translation>3 文字まで</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>sum of the dice</source>
        <translation>出目の合計</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>振る</translation>
    </message>
    <message>
        <source>rolls the dice and shows their sum</source>
        <translation>ダイスを振って合計を表示する</translation>
    </message>
    <message>
        <source>DIE</source>
        <translation>ダイス</translation>
    </message>
    <message>
        <source>No die kind chosen: pick one from the list</source>
        <translation>ダイスの種類が選ばれていません：一覧から選んでください</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is not a number</source>
        <translation>振っていません：振る回数が数ではありません</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is out of range</source>
        <translation>振っていません：振る回数が範囲外です</translation>
    </message>
    <message>
        <source>total: %1</source>
        <comment>the sum the window shows</comment>
        <translation>合計：%1</translation>
    </message>
</context>
<context>
    <name>StatRollerWindow</name>
    <message>
        <source>Character Stat Roller</source>
        <translation>能力値ロール</translation>
    </message>
    <message>
        <source>row %1, die %2: %3</source>
        <translation>%1 行目、ダイス %2：%3</translation>
    </message>
    <message>
        <source>one of the row&apos;s four dice</source>
        <translation>この行の 4 個のダイスの 1 つ</translation>
    </message>
    <message>
        <source>row %1 total: %2</source>
        <translation>%1 行目の合計：%2</translation>
    </message>
    <message>
        <source>the sum of the row&apos;s three highest dice</source>
        <translation>この行の出目の大きい 3 個の合計</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>全部振る</translation>
    </message>
    <message>
        <source>rolls all six rows</source>
        <translation>6 行すべてのダイスを振る</translation>
    </message>
    <message>
        <source>Re-Roll</source>
        <translation>振り直し</translation>
    </message>
    <message>
        <source>Re-Roll row %1</source>
        <translation>%1 行目を振り直し</translation>
    </message>
    <message>
        <source>rolls the row&apos;s four dice again</source>
        <translation>この行の 4 個のダイスを振り直す</translation>
    </message>
    <message>
        <source>row %1: %2; total %3</source>
        <translation>%1 行目：%2；合計 %3</translation>
    </message>
    <message>
        <source>totals %1</source>
        <translation>合計 %1</translation>
    </message>
</context>
<context>
    <name>announcer</name>
    <message>
        <source>, </source>
        <comment>between the items of a spoken list</comment>
        <translation>、</translation>
    </message>
</context>
</TS>
