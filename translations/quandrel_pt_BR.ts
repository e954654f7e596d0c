<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>closes the About window</source>
        <translation>fecha esta janela</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Ícone do programa</translation>
    </message>
    <message>
        <source>a red die with a yellow 7</source>
        <translation>um dado vermelho com um 7 amarelo</translation>
    </message>
    <message>
        <source>Designed and programmed by the Quandrel authors</source>
        <translation>Criado e programado pelos autores do Quandrel</translation>
    </message>
    <message>
        <source>credit</source>
        <translation>créditos</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>program</source>
        <translation>programa</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versão</translation>
    </message>
    <message>
        <source>Die icon</source>
        <translation>Ícone do dado</translation>
    </message>
    <message>
        <source>the red die, its 7 outlined</source>
        <translation>o dado vermelho, com o 7 contornado</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
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
        <translation>no máximo três caracteres</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>four-sided die</source>
        <translation>dado de quatro lados</translation>
    </message>
    <message>
        <source>d4</source>
        <translation>d4</translation>
    </message>
    <message>
        <source>six-sided die</source>
        <translation>dado de seis lados</translation>
    </message>
    <message>
        <source>d6</source>
        <translation>d6</translation>
    </message>
    <message>
        <source>eight-sided die</source>
        <translation>dado de oito lados</translation>
    </message>
    <message>
        <source>d8</source>
        <translation>d8</translation>
    </message>
    <message>
        <source>ten-sided die</source>
        <translation>dado de dez lados</translation>
    </message>
    <message>
        <source>d10</source>
        <translation>d10</translation>
    </message>
    <message>
        <source>twelve-sided die</source>
        <translation>dado de doze lados</translation>
    </message>
    <message>
        <source>d12</source>
        <translation>d12</translation>
    </message>
    <message>
        <source>twenty-sided die</source>
        <translation>dado de vinte lados</translation>
    </message>
    <message>
        <source>d20</source>
        <translation>d20</translation>
    </message>
    <message>
        <source>percentile tens die</source>
        <translation>dado das dezenas</translation>
    </message>
    <message>
        <source>percentile</source>
        <translation>dezenas</translation>
    </message>
    <message>
        <source>hundred-sided die</source>
        <translation>dado de cem lados</translation>
    </message>
    <message>
        <source>d100</source>
        <translation>d100</translation>
    </message>
    <message>
        <source>a click rolls it</source>
        <translation>um clique rola o dado</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Rolar todos</translation>
    </message>
    <message>
        <source>rolls all eight dice</source>
        <translation>rola os oito dados</translation>
    </message>
    <message>
        <source>Character Stat Roller</source>
        <translation>Rolar atributos</translation>
    </message>
    <message>
        <source>opens its window</source>
        <translation>abre a janela correspondente</translation>
    </message>
    <message>
        <source>Multiple Dice Roller</source>
        <translation>Vários dados</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre o Quandrel</translation>
    </message>
    <message>
        <source>opens the About window</source>
        <translation>abre a janela “Sobre o Quandrel”</translation>
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
            <numerusform>%n dado de quatro lados: total %1</numerusform>
            <numerusform>%n dados de quatro lados: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 6</source>
        <translation>d6</translation>
    </message>
    <message numerus="yes">
        <source>%n six-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado de seis lados: total %1</numerusform>
            <numerusform>%n dados de seis lados: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 8</source>
        <translation>d8</translation>
    </message>
    <message numerus="yes">
        <source>%n eight-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado de oito lados: total %1</numerusform>
            <numerusform>%n dados de oito lados: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 10</source>
        <translation>d10</translation>
    </message>
    <message numerus="yes">
        <source>%n ten-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado de dez lados: total %1</numerusform>
            <numerusform>%n dados de dez lados: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 12</source>
        <translation>d12</translation>
    </message>
    <message numerus="yes">
        <source>%n twelve-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado de doze lados: total %1</numerusform>
            <numerusform>%n dados de doze lados: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 20</source>
        <translation>d20</translation>
    </message>
    <message numerus="yes">
        <source>%n twenty-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado de vinte lados: total %1</numerusform>
            <numerusform>%n dados de vinte lados: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Die 100</source>
        <translation>d100</translation>
    </message>
    <message numerus="yes">
        <source>%n hundred-sided dice: total %1</source>
        <translation>
            <numerusform>%n dado de cem lados: total %1</numerusform>
            <numerusform>%n dados de cem lados: total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Muliple Dice Roller</source>
        <translation>Vários dados</translation>
    </message>
    <message>
        <source>Die kind</source>
        <translation>Tipo de dado</translation>
    </message>
    <message>
        <source>pick one from the list</source>
        <translation>escolha um na lista</translation>
    </message>
    <message>
        <source># of Rolls</source>
        <translation>Rolagens</translation>
    </message>
    <message>
        <source>Number of rolls</source>
        <translation>Número de rolagens</translation>
    </message>
    <message>
        <source>up to three characters</source>
        <translation>até três caracteres</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>sum of the dice</source>
        <translation>soma dos dados</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Rolar</translation>
    </message>
    <message>
        <source>rolls the dice and shows their sum</source>
        <translation>rola os dados e mostra a soma</translation>
    </message>
    <message>
        <source>DIE</source>
        <translation>DADO</translation>
    </message>
    <message>
        <source>No die kind chosen: pick one from the list</source>
        <translation>Nenhum tipo de dado escolhido: escolha um na lista</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is not a number</source>
        <translation>Nenhum dado rolado: o número de rolagens não é um número</translation>
    </message>
    <message>
        <source>No dice rolled: the number of rolls is out of range</source>
        <translation>Nenhum dado rolado: o número de rolagens é grande ou pequeno demais</translation>
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
        <translation>Rolar atributos</translation>
    </message>
    <message>
        <source>row %1, die %2: %3</source>
        <translation>linha %1, dado %2: %3</translation>
    </message>
    <message>
        <source>one of the row&apos;s four dice</source>
        <translation>um dos quatro dados da linha</translation>
    </message>
    <message>
        <source>row %1 total: %2</source>
        <translation>linha %1, total: %2</translation>
    </message>
    <message>
        <source>the sum of the row&apos;s three highest dice</source>
        <translation>a soma dos três dados mais altos da linha</translation>
    </message>
    <message>
        <source>Roll All</source>
        <translation>Rolar todos</translation>
    </message>
    <message>
        <source>rolls all six rows</source>
        <translation>rola os dados das seis linhas</translation>
    </message>
    <message>
        <source>Re-Roll</source>
        <translation>Rolar de novo</translation>
    </message>
    <message>
        <source>Re-Roll row %1</source>
        <translation>Rolar de novo a linha %1</translation>
    </message>
    <message>
        <source>rolls the row&apos;s four dice again</source>
        <translation>rola de novo os quatro dados da linha</translation>
    </message>
    <message>
        <source>row %1: %2; total %3</source>
        <translation>linha %1: %2; total %3</translation>
    </message>
    <message>
        <source>totals %1</source>
        <translation>totais %1</translation>
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
