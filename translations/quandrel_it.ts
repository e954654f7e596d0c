<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>closes the About window</source>
        <translation>chiude questa finestra</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icona del programma</translation>
    </message>
    <message>
        <source>a red die with a yellow 7</source>
        <translation>un dado rosso con un 7 giallo</translation>
    </message>
    <message>
        <source>Designed and programmed by the Quandrel authors</source>
        <translation>Ideato e programmato dagli autori di Quandrel</translation>
    </message>
    <message>
        <source>credit</source>
        <translation>riconoscimenti</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>program</source>
        <translation>programma</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versione</translation>
    </message>
    <message>
        <source>Die icon</source>
        <translation>Icona del dado</translation>
    </message>
    <message>
        <source>the red die, its 7 outlined</source>
        <translation>il dado rosso, con il contorno del 7</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
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
        <translation>al massimo tre caratteri</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>four-sided die</source>
        <translation>dado a quattro facce</translation>
    </message>
    <message>
        <source>d4</source>
        <translation>d4</translation>
    </message>
    <message>
        <source>six-sided die</source>
        <translation>dado a sei facce</translation>
    </message>
    <message>
        <source>d6</source>
        <translation>d6</translation>
    </message>
    <message>
        <source>eight-sided die</source>
        <translation>dado a otto facce</translation>
    </message>
    <message>
        <source>d8</source>
        <translation>d8</translation>
    </message>
    <message>
        <source>ten-sided die</source>
        <translation>dado a dieci facce</translation>
    </message>
    <message>
        <source>d10</source>
        <translation>d10</translation>
    </message>
    <message>
        <source>twelve-sided die</source>
        <translation>dado a dodici facce</translation>
    </message>
    <message>
        <source>d12</source>
        <translation>d12</translation>
    </message>
    <message>
        <source>twenty-sided die</source>
        <translation>dado a venti facce</translation>
    </message>
    <message>
        <source>d20</source>
        <translation>d20</translation>
    </message>
    <message>
        <source>percentile tens die</source>
        <translation>dado delle decine</translation>
    </message>
    <message>
        <source>percentile</source>
        <translation>decine</translation>
    </message>
    <message>
        <source>hundred-sided die</source>
        <translation>dado a cento facce</translation>
    </message>
    <message>
        <source>d100</source>
        <translation>d100</translation>
    </message>
    <message>
        <source>a click rolls it</source>
        <translation>un clic lo tira</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Tira tutti</translation>
    </message>
    <message>
        <source>rolls all eight dice</source>
        <translation>tira tutti gli otto dadi</translation>
    </message>
    <message>
        <source>Character Stat Roller</source>
        <translation>Tiro delle caratteristiche</translation>
    </message>
    <message>
        <source>opens its window</source>
        <translation>apre la finestra corrispondente</translation>
    </message>
    <message>
        <source>Multiple Dice Roller</source>
        <translation>Dadi multipli</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni su Quandrel</translation>
    </message>
    <message>
        <source>opens the About window</source>
        <translation>apre la finestra «Informazioni su Quandrel»</translation>
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
            <numerusform>%n dado a quattro facce: totale %1</numerusform>
            <numerusform>%n dadi a quattro facce: totale %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 6</source>
        <translation>d6</translation>
    </message>
    <message numerus="yes">
        <source>%n six-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado a sei facce: totale %1</numerusform>
            <numerusform>%n dadi a sei facce: totale %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 8</source>
        <translation>d8</translation>
    </message>
    <message numerus="yes">
        <source>%n eight-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado a otto facce: totale %1</numerusform>
            <numerusform>%n dadi a otto facce: totale %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 10</source>
        <translation>d10</translation>
    </message>
    <message numerus="yes">
        <source>%n ten-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado a dieci facce: totale %1</numerusform>
            <numerusform>%n dadi a dieci facce: totale %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 12</source>
        <translation>d12</translation>
    </message>
    <message numerus="yes">
        <source>%n twelve-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado a dodici facce: totale %1</numerusform>
            <numerusform>%n dadi a dodici facce: totale %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 20</source>
        <translation>d20</translation>
    </message>
    <message numerus="yes">
        <source>%n twenty-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado a venti facce: totale %1</numerusform>
            <numerusform>%n dadi a venti facce: totale %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 100</source>
        <translation>d100</translation>
    </message>
    <message numerus="yes">
        <source>%n hundred-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado a cento facce: totale %1</numerusform>
            <numerusform>%n dadi a cento facce: totale %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Muliple Dice Roller</source>
        <translation>Dadi multipli</translation>
    </message>
    <message>
        <source>Die kind</source>
        <translation>Tipo di dado</translation>
    </message>
    <message>
        <source>pick one from the list</source>
        <translation>scegline uno dall’elenco</translation>
    </message>
    <message>
        <source># of Rolls</source>
        <translation>N. tiri</translation>
    </message>
    <message>
        <source>Number of rolls</source>
        <translation>Numero di tiri</translation>
    </message>
    <message>
        <source>up to three characters</source>
        <translation>fino a tre caratteri</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTALE</translation>
    </message>
    <message>
        <source>sum of the dice</source>
        <translation>somma dei dadi</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Tira</translation>
    </message>
    <message>
        <source>rolls the dice and shows their sum</source>
        <translation>tira i dadi e mostra la somma</translation>
    </message>
    <message>
        <source>DIE</source>
        <translation>DADO</translation>
    </message>
    <message>
        <source>No die kind chosen: pick one from the list</source>
        <translation>Nessun tipo di dado scelto: scegline uno dall’elenco</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is not a number</source>
        <translation>Nessun dado tirato: il numero di tiri non è un numero</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is out of range</source>
        <translation>Nessun dado tirato: il numero di tiri è troppo grande o troppo piccolo</translation>
    </message>
    <message>
        <source>total: %1</source>
        <comment>the sum the window shows</comment>
        <translation>totale: %1</translation>
    </message>
</context>
<context>
    <name>StatRollerWindow</name>
    <message>
        <source>Character Stat Roller</source>
        <translation>Tiro delle caratteristiche</translation>
    </message>
    <message>
        <source>row %1, die %2: %3</source>
        <translation>riga %1, dado %2: %3</translation>
    </message>
    <message>
        <source>one of the row&apos;s four dice</source>
        <translation>uno dei quattro dadi della riga</translation>
    </message>
    <message>
        <source>row %1 total: %2</source>
        <translation>riga %1, totale: %2</translation>
    </message>
    <message>
        <source>the sum of the row&apos;s three highest dice</source>
        <translation>la somma dei tre dadi più alti della riga</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Tira tutti</translation>
    </message>
    <message>
        <source>rolls all six rows</source>
        <translation>tira i dadi di tutte e sei le righe</translation>
    </message>
    <message>
        <source>Re-Roll</source>
        <translation>Ritira</translation>
    </message>
    <message>
        <source>Re-Roll row %1</source>
        <translation>Ritira la riga %1</translation>
    </message>
    <message>
        <source>rolls the row&apos;s four dice again</source>
        <translation>ritira i quattro dadi della riga</translation>
    </message>
    <message>
        <source>row %1: %2; total %3</source>
        <translation>riga %1: %2; totale %3</translation>
    </message>
    <message>
        <source>totals %1</source>
        <translation>totali %1</translation>
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
