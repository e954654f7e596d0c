<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>closes the About window</source>
        <translation>ferme cette fenêtre</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icône du programme</translation>
    </message>
    <message>
        <source>a red die with a yellow 7</source>
        <translation>un dé rouge avec un 7 jaune</translation>
    </message>
    <message>
        <source>Designed and programmed by the Quandrel authors</source>
        <translation>Conçu et programmé par les auteurs de Quandrel</translation>
    </message>
    <message>
        <source>credit</source>
        <translation>crédits</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>program</source>
        <translation>programme</translation>
    </message>
    <message>
        <source>version</source>
        <translation>version</translation>
    </message>
    <message>
        <source>Die icon</source>
        <translation>Icône du dé</translation>
    </message>
    <message>
        <source>the red die, its 7 outlined</source>
        <translation>le dé rouge, au 7 tracé en contour</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>trois caractères au plus</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>four-sided die</source>
        <translation>dé à quatre faces</translation>
    </message>
    <message>
        <source>d4</source>
        <translation>d4</translation>
    </message>
    <message>
        <source>six-sided die</source>
        <translation>dé à six faces</translation>
    </message>
    <message>
        <source>d6</source>
        <translation>d6</translation>
    </message>
    <message>
        <source>eight-sided die</source>
        <translation>dé à huit faces</translation>
    </message>
    <message>
        <source>d8</source>
        <translation>d8</translation>
    </message>
    <message>
        <source>ten-sided die</source>
        <translation>dé à dix faces</translation>
    </message>
    <message>
        <source>d10</source>
        <translation>d10</translation>
    </message>
    <message>
        <source>twelve-sided die</source>
        <translation>dé à douze faces</translation>
    </message>
    <message>
        <source>d12</source>
        <translation>d12</translation>
    </message>
    <message>
        <source>twenty-sided die</source>
        <translation>dé à vingt faces</translation>
    </message>
    <message>
        <source>d20</source>
        <translation>d20</translation>
    </message>
    <message>
        <source>percentile tens die</source>
        <translation>dé des dizaines</translation>
    </message>
    <message>
        <source>percentile</source>
        <translation>dizaines</translation>
    </message>
    <message>
        <source>hundred-sided die</source>
        <translation>dé à cent faces</translation>
    </message>
    <message>
        <source>d100</source>
        <translation>d100</translation>
    </message>
    <message>
        <source>a click rolls it</source>
        <translation>un clic le lance</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Tout lancer</translation>
    </message>
    <message>
        <source>rolls all eight dice</source>
        <translation>lance les huit dés</translation>
    </message>
    <message>
        <source>Character Stat Roller</source>
        <translation>Tirage des caractéristiques</translation>
    </message>
    <message>
        <source>opens its window</source>
        <translation>ouvre la fenêtre correspondante</translation>
    </message>
    <message>
        <source>Multiple Dice Roller</source>
        <translation>Plusieurs dés</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos de Quandrel</translation>
    </message>
    <message>
        <source>opens the About window</source>
        <translation>ouvre la fenêtre «&#xa0;À propos de Quandrel&#xa0;»</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a die, then its face</comment>
        <translation>%1&#xa0;: %2</translation>
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
            <numerusform>%n dé à quatre faces&#xa0;: total %1</numerusform>
            <numerusform>%n dés à quatre faces&#xa0;: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 6</source>
        <translation>d6</translation>
    </message>
    <message numerus="yes">
        <source>%n six-sided dice: total %1</source>
        <translation>
            <numerusform>%n dé à six faces&#xa0;: total %1</numerusform>
            <numerusform>%n dés à six faces&#xa0;: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 8</source>
        <translation>d8</translation>
    </message>
    <message numerus="yes">
        <source>%n eight-sided dice: total %1</source>
        <translation>
            <numerusform>%n dé à huit faces&#xa0;: total %1</numerusform>
            <numerusform>%n dés à huit faces&#xa0;: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 10</source>
        <translation>d10</translation>
    </message>
    <message numerus="yes">
        <source>%n ten-sided dice: total %1</source>
        <translation>
            <numerusform>%n dé à dix faces&#xa0;: total %1</numerusform>
            <numerusform>%n dés à dix faces&#xa0;: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 12</source>
        <translation>d12</translation>
    </message>
    <message numerus="yes">
        <source>%n twelve-sided dice: total %1</source>
        <translation>
            <numerusform>%n dé à douze faces&#xa0;: total %1</numerusform>
            <numerusform>%n dés à douze faces&#xa0;: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 20</source>
        <translation>d20</translation>
    </message>
    <message numerus="yes">
        <source>%n twenty-sided dice: total %1</source>
        <translation>
            <numerusform>%n dé à vingt faces&#xa0;: total %1</numerusform>
            <numerusform>%n dés à vingt faces&#xa0;: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 100</source>
        <translation>d100</translation>
    </message>
    <message numerus="yes">
        <source>%n hundred-sided dice: total %1</source>
        <translation>
            <numerusform>%n dé à cent faces&#xa0;: total %1</numerusform>
            <numerusform>%n dés à cent faces&#xa0;: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Muliple Dice Roller</source>
        <translation>Plusieurs dés</translation>
    </message>
    <message>
        <source>Die kind</source>
        <translation>Type de dé</translation>
    </message>
    <message>
        <source>pick one from the list</source>
        <translation>en choisir un dans la liste</translation>
    </message>
    <message>
        <source># of Rolls</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Number of rolls</source>
        <translation>Nombre de lancers</translation>
    </message>
    <message>
        <source>up to three characters</source>
        <translation>trois caractères au plus</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>sum of the dice</source>
        <translation>somme des dés</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>rolls the dice and shows their sum</source>
        <translation>lance les dés et affiche leur somme</translation>
    </message>
    <message>
        <source>DIE</source>
        <translation>DÉ</translation>
    </message>
    <message>
        <source>No die kind chosen: pick one from the list</source>
        <translation>Aucun type de dé choisi&#xa0;: en choisir un dans la liste</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is not a number</source>
        <translation>Aucun dé lancé&#xa0;: le nombre de lancers n’est pas un nombre</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is out of range</source>
        <translation>Aucun dé lancé&#xa0;: le nombre de lancers est trop grand ou trop petit</translation>
    </message>
    <message>
        <source>total: %1</source>
        <comment>the sum the window shows</comment>
        <translation>total&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>StatRollerWindow</name>
    <message>
        <source>Character Stat Roller</source>
        <translation>Tirage des caractéristiques</translation>
    </message>
    <message>
        <source>row %1, die %2: %3</source>
        <translation>ligne %1, dé %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>one of the row&apos;s four dice</source>
        <translation>un des quatre dés de la ligne</translation>
    </message>
    <message>
        <source>row %1 total: %2</source>
        <translation>ligne %1, total&#xa0;: %2</translation>
    </message>
    <message>
        <source>the sum of the row&apos;s three highest dice</source>
        <translation>la somme des trois meilleurs dés de la ligne</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Tout lancer</translation>
    </message>
    <message>
        <source>rolls all six rows</source>
        <translation>lance les dés des six lignes</translation>
    </message>
    <message>
        <source>Re-Roll</source>
        <translation>Relancer</translation>
    </message>
    <message>
        <source>Re-Roll row %1</source>
        <translation>Relancer la ligne %1</translation>
    </message>
    <message>
        <source>rolls the row&apos;s four dice again</source>
        <translation>relance les quatre dés de la ligne</translation>
    </message>
    <message>
        <source>row %1: %2; total %3</source>
        <translation>ligne %1&#xa0;: %2&#xa0;; total %3</translation>
    </message>
    <message>
        <source>totals %1</source>
        <translation>totaux %1</translation>
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
