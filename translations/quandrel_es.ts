<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>closes the About window</source>
        <translation>cierra esta ventana</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icono del programa</translation>
    </message>
    <message>
        <source>a red die with a yellow 7</source>
        <translation>un dado rojo con un 7 amarillo</translation>
    </message>
    <message>
        <source>Designed and programmed by the Quandrel authors</source>
        <translation>Diseñado y programado por los autores de Quandrel</translation>
    </message>
    <message>
        <source>credit</source>
        <translation>créditos</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>program</source>
        <translation>programa</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versión</translation>
    </message>
    <message>
        <source>Die icon</source>
        <translation>Icono del dado</translation>
    </message>
    <message>
        <source>the red die, its 7 outlined</source>
        <translation>el dado rojo, con el contorno del 7</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
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
        <translation>tres caracteres como máximo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>four-sided die</source>
        <translation>dado de cuatro caras</translation>
    </message>
    <message>
        <source>d4</source>
        <translation>d4</translation>
    </message>
    <message>
        <source>six-sided die</source>
        <translation>dado de seis caras</translation>
    </message>
    <message>
        <source>d6</source>
        <translation>d6</translation>
    </message>
    <message>
        <source>eight-sided die</source>
        <translation>dado de ocho caras</translation>
    </message>
    <message>
        <source>d8</source>
        <translation>d8</translation>
    </message>
    <message>
        <source>ten-sided die</source>
        <translation>dado de diez caras</translation>
    </message>
    <message>
        <source>d10</source>
        <translation>d10</translation>
    </message>
    <message>
        <source>twelve-sided die</source>
        <translation>dado de doce caras</translation>
    </message>
    <message>
        <source>d12</source>
        <translation>d12</translation>
    </message>
    <message>
        <source>twenty-sided die</source>
        <translation>dado de veinte caras</translation>
    </message>
    <message>
        <source>d20</source>
        <translation>d20</translation>
    </message>
    <message>
        <source>percentile tens die</source>
        <translation>dado de decenas</translation>
    </message>
    <message>
        <source>percentile</source>
        <translation>decenas</translation>
    </message>
    <message>
        <source>hundred-sided die</source>
        <translation>dado de cien caras</translation>
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
        <translation>Tirar todos</translation>
    </message>
    <message>
        <source>rolls all eight dice</source>
        <translation>tira los ocho dados</translation>
    </message>
    <message>
        <source>Character Stat Roller</source>
        <translation>Tirada de características</translation>
    </message>
    <message>
        <source>opens its window</source>
        <translation>abre la ventana correspondiente</translation>
    </message>
    <message>
        <source>Multiple Dice Roller</source>
        <translation>Varios dados</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de Quandrel</translation>
    </message>
    <message>
        <source>opens the About window</source>
        <translation>abre la ventana «Acerca de Quandrel»</translation>
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
            <numerusform>%n dado de cuatro caras: total %1</numerusform>
            <numerusform>%n dados de cuatro caras: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 6</source>
        <translation>d6</translation>
    </message>
    <message numerus="yes">
        <source>%n six-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado de seis caras: total %1</numerusform>
            <numerusform>%n dados de seis caras: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 8</source>
        <translation>d8</translation>
    </message>
    <message numerus="yes">
        <source>%n eight-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado de ocho caras: total %1</numerusform>
            <numerusform>%n dados de ocho caras: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 10</source>
        <translation>d10</translation>
    </message>
    <message numerus="yes">
        <source>%n ten-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado de diez caras: total %1</numerusform>
            <numerusform>%n dados de diez caras: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 12</source>
        <translation>d12</translation>
    </message>
    <message numerus="yes">
        <source>%n twelve-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado de doce caras: total %1</numerusform>
            <numerusform>%n dados de doce caras: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 20</source>
        <translation>d20</translation>
    </message>
    <message numerus="yes">
        <source>%n twenty-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado de veinte caras: total %1</numerusform>
            <numerusform>%n dados de veinte caras: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 100</source>
        <translation>d100</translation>
    </message>
    <message numerus="yes">
        <source>%n hundred-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado de cien caras: total %1</numerusform>
            <numerusform>%n dados de cien caras: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Muliple Dice Roller</source>
        <translation>Varios dados</translation>
    </message>
    <message>
        <source>Die kind</source>
        <translation>Tipo de dado</translation>
    </message>
    <message>
        <source>pick one from the list</source>
        <translation>elige uno de la lista</translation>
    </message>
    <message>
        <source># of Rolls</source>
        <translation>Tiradas</translation>
    </message>
    <message>
        <source>Number of rolls</source>
        <translation>Número de tiradas</translation>
    </message>
    <message>
        <source>up to three characters</source>
        <translation>hasta tres caracteres</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>sum of the dice</source>
        <translation>suma de los dados</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Tirar</translation>
    </message>
    <message>
        <source>rolls the dice and shows their sum</source>
        <translation>tira los dados y muestra su suma</translation>
    </message>
    <message>
        <source>DIE</source>
        <translation>DADO</translation>
    </message>
    <message>
        <source>No die kind chosen: pick one from the list</source>
        <translation>No se ha elegido ningún tipo de dado: elige uno de la lista</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is not a number</source>
        <translation>No se ha tirado ningún dado: el número de tiradas no es un número</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is out of range</source>
        <translation>No se ha tirado ningún dado: el número de tiradas es demasiado grande o pequeño</translation>
    </message>
    <message>
        <source>total: %1</source>
        <comment>the sum the window shows</comment>
        <translation>total: %1</translation>
    </message>
</context>
<context>
    <name>StatRollerWindow</name>
    <message>
        <source>Character Stat Roller</source>
        <translation>Tirada de características</translation>
    </message>
    <message>
        <source>row %1, die %2: %3</source>
        <translation>fila %1, dado %2: %3</translation>
    </message>
    <message>
        <source>one of the row&apos;s four dice</source>
        <translation>uno de los cuatro dados de la fila</translation>
    </message>
    <message>
        <source>row %1 total: %2</source>
        <translation>fila %1, total: %2</translation>
    </message>
    <message>
        <source>the sum of the row&apos;s three highest dice</source>
        <translation>la suma de los tres dados más altos de la fila</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Tirar todos</translation>
    </message>
    <message>
        <source>rolls all six rows</source>
        <translation>tira los dados de las seis filas</translation>
    </message>
    <message>
        <source>Re-Roll</source>
        <translation>Volver a tirar</translation>
    </message>
    <message>
        <source>Re-Roll row %1</source>
        <translation>Volver a tirar la fila %1</translation>
    </message>
    <message>
        <source>rolls the row&apos;s four dice again</source>
        <translation>vuelve a tirar los cuatro dados de la fila</translation>
    </message>
    <message>
        <source>row %1: %2; total %3</source>
        <translation>fila %1: %2; total %3</translation>
    </message>
    <message>
        <source>totals %1</source>
        <translation>totales %1</translation>
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
