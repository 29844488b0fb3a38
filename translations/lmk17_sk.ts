<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>App</name>
    <message>
        <source>  LMK-17 - %1</source>
        <translation>  LMK-17 - %1</translation>
    </message>
    <message>
        <source>Customer Setup Program for K8410 and K8620 Transmitters</source>
        <translation>Program na nastavenie prevodníkov K8410 a K8620</translation>
    </message>
    <message>
        <source> (demonstration on the software transmitter)</source>
        <translation> (ukážka na softvérovom prevodníku)</translation>
    </message>
    <message>
        <source>Demonstration: software transmitter on %1, address %2 (no hardware needed).</source>
        <translation>Ukážka: softvérový prevodník na %1, adresa %2 (bez hardvéru).</translation>
    </message>
    <message>
        <source>The demonstration transmitter could not be started: %1</source>
        <translation>Ukážkový prevodník nie je možné spustiť: %1</translation>
    </message>
    <message>
        <source>lmk17-sim, the software transmitter, was not found beside the program or on the PATH.</source>
        <translation>lmk17-sim, softvérový prevodník, sa nenašiel vedľa programu ani v ceste PATH.</translation>
    </message>
    <message>
        <source>Do you really want to close application?</source>
        <translation>Naozaj chcete ukončiť aplikáciu?</translation>
    </message>
    <message>
        <source>The program is in monitoring mode. Stop the monitoring before closing the application.</source>
        <translation>Program je v režime monitorovania. Pred ukončením aplikácie monitorovanie zastavte.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:
%2</source>
        <translation>Nastavenia nie je možné uložiť do %1:
%2</translation>
    </message>
    <message>
        <source> About Application</source>
        <translation> O aplikácii</translation>
    </message>
    <message>
        <source>Program LMK-17</source>
        <translation>Program LMK-17</translation>
    </message>
    <message>
        <source>version  </source>
        <translation>verzia  </translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Súbor nastavení: %1</translation>
    </message>
    <message>
        <source>Do you want to send an e-mail to %1?</source>
        <translation>Chcete poslať e-mail na %1?</translation>
    </message>
    <message>
        <source>Do you want to visit %1?</source>
        <translation>Chcete navštíviť %1?</translation>
    </message>
    <message>
        <source>The help was not found. Looked for the folder %1.</source>
        <translation>Pomocník nebol nájdený. Hľadaný priečinok %1.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>neznáma voľba %1</translation>
    </message>
    <message>
        <source>lmk17-sim printed no device path</source>
        <translation>lmk17-sim nevypísal cestu k zariadeniu</translation>
    </message>
    <message>
        <source>LMK-17</source>
        <translation>LMK-17</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2</source>
        <translation>Súbor nastavení %1 nie je možné prečítať: %2</translation>
    </message>
    <message>
        <source>The linearization file %1 was not opened: the linearization editor needs a configuration whose input range takes a customer linearization. Read or load such a configuration, then load the file in the editor (Input page, Linearization).</source>
        <translation>Linearizačný súbor %1 nebol otvorený: editor linearizácie potrebuje konfiguráciu, ktorej vstupný rozsah používa zákaznícku linearizáciu. Načítajte takú konfiguráciu z prevodníka alebo zo súboru a potom súbor načítajte v editore (stránka Vstup, Linearizácia).</translation>
    </message>
    <message>
        <source>usage: lmk17 [FILE.ptf ...] [FILE.lin ...]
       lmk17 --demo [lmk17-sim options] [FILE.ptf ...] [FILE.lin ...]

Configures, tests and monitors K8410 and K8620 transmitters over a serial port.
Configuration files (.ptf) named on the command line are loaded in order; the
last one stands. A linearization file (.lin) then opens in the linearization
editor of that configuration.

  --demo      start a software transmitter (lmk17-sim, a K8620L31 with firmware
              1.91 at address 0 unless its options say otherwise) on a
              pseudo-terminal and connect to it: every command can be tried
              without hardware; the options after --demo go to lmk17-sim
              (lmk17-sim --help lists them), but for the .ptf and .lin
              files, which open on that transmitter as above
  --help      this text
  --version   the program&apos;s version
</source>
        <translation>použitie: lmk17 [SÚBOR.ptf ...] [SÚBOR.lin ...]
          lmk17 --demo [voľby lmk17-sim] [SÚBOR.ptf ...] [SÚBOR.lin ...]

Konfiguruje, testuje a monitoruje prevodníky K8410 a K8620 cez sériový port.
Konfiguračné súbory (.ptf) zadané na príkazovom riadku sa načítajú v poradí;
platí posledný z nich. Linearizačný súbor (.lin) sa potom otvorí v editore
linearizácie tejto konfigurácie.

  --demo      spustí softvérový prevodník (lmk17-sim, K8620L31 s firmvérom
              1.91 na adrese 0, ak jeho voľby neurčia inak) na
              pseudoterminále a pripojí sa k nemu: každý príkaz je možné vyskúšať
              bez hardvéru; voľby za --demo dostane lmk17-sim
              (lmk17-sim --help ich vypíše), okrem súborov .ptf a .lin, ktoré sa
              otvoria na tomto prevodníku ako vyššie
  --help      tento text
  --version   verzia programu
</translation>
    </message>
    <message>
        <source>
The manual: %1 (the other languages in the folders beside it)
</source>
        <translation>
Príručka: %1 (ostatné jazyky v priečinkoch vedľa nej)
</translation>
    </message>
    <message>
        <source>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Tento program je slobodný softvér: môžete ho šíriť a upravovať podľa podmienok licencie GNU General Public License, verzie 3 alebo (podľa vašej voľby) ktorejkoľvek neskoršej verzie (GPL-3.0-or-later). Poskytuje sa bez akejkoľvek záruky.</translation>
    </message>
    <message>
        <source>It uses Qt %1, licensed under the GNU Lesser General Public License, version 3 (LGPL-3.0).</source>
        <translation>Používa Qt %1 pod licenciou GNU Lesser General Public License, verzie 3 (LGPL-3.0).</translation>
    </message>
    <message>
        <source>The number of backups kept per transmitter must be a whole number from %1 to %2.</source>
        <translation>Počet záloh na prevodník musí byť celé číslo od %1 do %2.</translation>
    </message>
    <message>
        <source>The backup folder %1 is not a full path. Give the whole path or choose it with Browse.</source>
        <translation>Priečinok záloh %1 nie je úplná cesta. Zadajte celú cestu alebo ju vyberte tlačidlom Prehľadávať.</translation>
    </message>
    <message>
        <source>The backup folder %1 is a file, not a folder.</source>
        <translation>Priečinok záloh %1 je súbor, nie priečinok.</translation>
    </message>
    <message>
        <source>The backup folder %1 does not exist and could not be created.</source>
        <translation>Priečinok záloh %1 neexistuje a nepodarilo sa ho vytvoriť.</translation>
    </message>
    <message>
        <source>Backups cannot be written into the folder %1.</source>
        <translation>Do priečinka %1 nemožno zálohy zapisovať.</translation>
    </message>
    <message>
        <source>Output test mode is active: the transmitter&apos;s output stays at the test value after the program is closed. Leave output test mode before closing?</source>
        <translation>Prevodník je v režime testu výstupu: jeho výstup zostane po ukončení programu na testovacej hodnote. Ukončiť test výstupu pred zatvorením?</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source> R01  Resistance Sensor (0 to 400 ohm) without Linearization</source>
        <translation> R01  Odporový snímač (0 až 400 ohm) bez linearizácie</translation>
    </message>
    <message>
        <source> R02  Resistance Sensor (0 to 4000 ohm) without Linearization</source>
        <translation> R02  Odporový snímač (0 až 4000 ohm) bez linearizácie</translation>
    </message>
    <message>
        <source> R03  Potentiometer (Total Resistance 40 to 400 ohm)</source>
        <translation> R03  Potenciometer (celkový odpor 40 až 400 ohm)</translation>
    </message>
    <message>
        <source> R04  Potentiometer (Total Resistance 400 to 4000 ohm)</source>
        <translation> R04  Potenciometer (celkový odpor 400 až 4000 ohm)</translation>
    </message>
    <message>
        <source> R05  Voltage Sensor (-15 až 60 mV) without Linearization</source>
        <translation> R05  Napäťový snímač (-15 až 60 mV) bez linearizácie</translation>
    </message>
    <message>
        <source> R06  Difference of Two RTD&apos;s (total resistance 400 ohm)</source>
        <translation> R06  Rozdiel dvoch odporových teplomerov (celkový odpor 400 ohm)</translation>
    </message>
    <message>
        <source> R07  Difference of Two RTD&apos;s (total resistance 4000 ohm)</source>
        <translation> R07  Rozdiel dvoch odporových teplomerov (celkový odpor 4000 ohm)</translation>
    </message>
    <message>
        <source> R11  Pt100 (-200 to 850 °C) with Linearization</source>
        <translation> R11  Pt100 (-200 až 850 °C) s linearizáciou</translation>
    </message>
    <message>
        <source> R12  Pt500 (-200 to 850 °C) with Linearization</source>
        <translation> R12  Pt500 (-200 až 850 °C) s linearizáciou</translation>
    </message>
    <message>
        <source> R13  Pt1000 (-200 to 850 °C) with Linearization</source>
        <translation> R13  Pt1000 (-200 až 850 °C) s linearizáciou</translation>
    </message>
    <message>
        <source> R14  Ni100 (-60 to 250 °C) with Linearization</source>
        <translation> R14  Ni100 (-60 až 250 °C) s linearizáciou</translation>
    </message>
    <message>
        <source> R15  Ni1000 (-60 to 250 °C) with Linearization</source>
        <translation> R15  Ni1000 (-60 až 250 °C) s linearizáciou</translation>
    </message>
    <message>
        <source> R51  Thermocouple &quot;J&quot; (-200 to 1000 °C) with Linearization</source>
        <translation> R51  Termočlánok &quot;J&quot; (-200 až 1000 °C) s linearizáciou</translation>
    </message>
    <message>
        <source> R52  Thermocouple &quot;K&quot; (-200 to 1300 °C) with Linearization</source>
        <translation> R52  Termočlánok &quot;K&quot; (-200 až 1300 °C) s linearizáciou</translation>
    </message>
    <message>
        <source> R53  Thermocouple &quot;N&quot; (-200 to 1300 °C) with Linearization</source>
        <translation> R53  Termočlánok &quot;N&quot; (-200 až 1300 °C) s linearizáciou</translation>
    </message>
    <message>
        <source> R54  Thermocouple &quot;R&quot; (-50 to 1700 °C) with Linearization</source>
        <translation> R54  Termočlánok &quot;R&quot; (-50 až 1700 °C) s linearizáciou</translation>
    </message>
    <message>
        <source> R55  Thermocouple &quot;S&quot; (-50 to 1700 °C) with Linearization</source>
        <translation> R55  Termočlánok &quot;S&quot; (-50 až 1700 °C) s linearizáciou</translation>
    </message>
    <message>
        <source> R56  Thermocouple &quot;T&quot; (-250 to 400 °C) with Linearization</source>
        <translation> R56  Termočlánok &quot;T&quot; (-250 až 400 °C) s linearizáciou</translation>
    </message>
    <message>
        <source> R57  Thermocouple &quot;B&quot; (0 to 1800 °C) with Linearization from 50°C</source>
        <translation> R57  Termočlánok &quot;B&quot; (0 až 1800 °C) s linearizáciou od 50°C</translation>
    </message>
    <message>
        <source> R58  Thermocouple &quot;E&quot; (-200 to 800 °C) with Linearization</source>
        <translation> R58  Termočlánok &quot;E&quot; (-200 až 800 °C) s linearizáciou</translation>
    </message>
    <message>
        <source> R59  Thermocouple &quot;L&quot; (-200 to 900 °C) with Linearization</source>
        <translation> R59  Termočlánok &quot;L&quot; (-200 až 900 °C) s linearizáciou</translation>
    </message>
    <message>
        <source> R71  Current Input -15 to 60 µA</source>
        <translation> R71  Prúdový vstup -15 až 60 µA</translation>
    </message>
    <message>
        <source> R72  Current Input -150 to 600 µA</source>
        <translation> R72  Prúdový vstup -150 až 600 µA</translation>
    </message>
    <message>
        <source> R73  Current Input -1500 to 6000 µA</source>
        <translation> R73  Prúdový vstup -1500 až 6000 µA</translation>
    </message>
    <message>
        <source> R74  Current Input -6 to 24 mA</source>
        <translation> R74  Prúdový vstup -6 až 24 mA</translation>
    </message>
    <message>
        <source> R75  Current Input -15 to 60 mA</source>
        <translation> R75  Prúdový vstup -15 až 60 mA</translation>
    </message>
    <message>
        <source> R81  Voltage Input -250 to 1000 mV</source>
        <translation> R81  Napäťový vstup -250 až 1000 mV</translation>
    </message>
    <message>
        <source> R82  Voltage Input -2.5 to 10 V</source>
        <translation> R82  Napäťový vstup -2.5 až 10 V</translation>
    </message>
    <message>
        <source> R85  Potentiometer (Total Resistance 0.4 to 25 kohm)</source>
        <translation> R85  Potenciometer (celkový odpor 0.4 až 25 kohm)</translation>
    </message>
    <message>
        <source> R91  Customer Linearization for RTD (0 to 400 ohm)</source>
        <translation> R91  Zákaznícka linearizácia pre odporový teplomer (0 až 400 ohm)</translation>
    </message>
    <message>
        <source> R92  Customer Linearization for RTD (0 to 4000 ohm)</source>
        <translation> R92  Zákaznícka linearizácia pre odporový teplomer (0 až 4000 ohm)</translation>
    </message>
    <message>
        <source> R93  Customer Linearization for Potentiometer (40 to 400 ohm)</source>
        <translation> R93  Zákaznícka linearizácia pre potenciometer (40 až 400 ohm)</translation>
    </message>
    <message>
        <source> R94  Customer Linearization for Potentiometer (400 to 4000 ohm)</source>
        <translation> R94  Zákaznícka linearizácia pre potenciometer (400 až 4000 ohm)</translation>
    </message>
    <message>
        <source> R95  Customer Linearization for Other Voltage Sensor (Thermocouple)</source>
        <translation> R95  Zákaznícka linearizácia pre iný napäťový snímač (termočlánok)</translation>
    </message>
    <message>
        <source> R96  Customer Linearization for Difference of Two RTD&apos;s (400 ohm)</source>
        <translation> R96  Zákaznícka linearizácia pre rozdiel dvoch odporových teplomerov (400 ohm)</translation>
    </message>
    <message>
        <source> R97  Customer Linearization for Difference of Two RTD&apos;s (4000 ohm)</source>
        <translation> R97  Zákaznícka linearizácia pre rozdiel dvoch odporových teplomerov (4000 ohm)</translation>
    </message>
    <message>
        <source> C1  2-Wire Connection of the Resistance Sensor</source>
        <translation> C1  Dvojvodičové pripojenie odporového snímača</translation>
    </message>
    <message>
        <source> C2  3-Wire Connection of the Resistance Sensor</source>
        <translation> C2  Trojvodičové pripojenie odporového snímača</translation>
    </message>
    <message>
        <source> C3  4-Wire Connection of the Resistance Sensor</source>
        <translation> C3  Štvorvodičové pripojenie odporového snímača</translation>
    </message>
    <message>
        <source> C4  Potentiometer Connection without Lead Resistance Compensation</source>
        <translation> C4  Pripojenie potenciometra bez kompenzácie odporu vedenia</translation>
    </message>
    <message>
        <source> C5  Potentiometer Connection with Lead Resistance Compensation</source>
        <translation> C5  Pripojenie potenciometra s kompenzáciou odporu vedenia</translation>
    </message>
    <message>
        <source> C6  Connection of Voltage Sensor or T/C without CJ Compensation</source>
        <translation> C6  Pripojenie napäťového snímača alebo termočlánku bez kompenzácie studeného spoja</translation>
    </message>
    <message>
        <source> C7  Connection of T/C with Cold Junction Compensation</source>
        <translation> C7  Pripojenie termočlánku s kompenzáciou studeného spoja</translation>
    </message>
    <message>
        <source> C8  Connection of Two 2-Wire Resistance Sensors</source>
        <translation> C8  Pripojenie dvoch dvojvodičových odporových snímačov</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žiadna</translation>
    </message>
    <message>
        <source>current output 4 to 20 mA</source>
        <translation>prúdový výstup 4 až 20 mA</translation>
    </message>
    <message>
        <source>current output 0 to 20 mA</source>
        <translation>prúdový výstup 0 až 20 mA</translation>
    </message>
    <message>
        <source>voltage output 0 to 10 V</source>
        <translation>napäťový výstup 0 až 10 V</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Attention! Linearization table or cold junction compensation table does not correspond to input range. For proper function it is necessary to write/save the configuration again!</source>
        <translation>Pozor! Linearizačná tabuľka alebo tabuľka kompenzácie studeného spoja nezodpovedá vstupnému rozsahu. Pre správnu funkciu je potrebné konfiguráciu znova zapísať alebo uložiť!</translation>
    </message>
    <message>
        <source>Transmitter configuration corrupt. Last writing probably not successful. Default configuration will be pre-set!</source>
        <translation>Konfigurácia prevodníka je poškodená. Posledný zápis pravdepodobne nebol úspešný. Bude nastavená predvolená konfigurácia!</translation>
    </message>
    <message>
        <source>Do you really want to pre-set default configuration? </source>
        <translation>Naozaj chcete nastaviť predvolenú konfiguráciu? </translation>
    </message>
    <message>
        <source>Input range was changed, check configuration.</source>
        <translation>Vstupný rozsah bol zmenený, skontrolujte konfiguráciu.</translation>
    </message>
    <message>
        <source> year, </source>
        <translation> rok, </translation>
    </message>
    <message>
        <source> years, </source>
        <translation> rokov, </translation>
    </message>
    <message>
        <source> day, </source>
        <translation> deň, </translation>
    </message>
    <message>
        <source> days, </source>
        <translation> dní, </translation>
    </message>
    <message>
        <source> hour, </source>
        <translation> hodina, </translation>
    </message>
    <message>
        <source> hours, </source>
        <translation> hodín, </translation>
    </message>
    <message>
        <source> minute, </source>
        <translation> minúta, </translation>
    </message>
    <message>
        <source> minutes, </source>
        <translation> minút, </translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> sekúnd</translation>
    </message>
    <message>
        <source>Picture not Available</source>
        <translation>Obrázok nie je k dispozícii</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Nebola nastavená žiadna konfigurácia prevodníka.</translation>
    </message>
    <message>
        <source>You want to disable custom linearization now. It will be set default linearization and eventual custom linearization will be erased. Do you want to continue?</source>
        <translation>Chcete teraz vypnúť zákaznícku linearizáciu. Bude nastavená predvolená linearizácia a prípadná zákaznícka linearizácia bude zmazaná. Chcete pokračovať?</translation>
    </message>
    <message>
        <source>lower range value</source>
        <translation>začiatok rozsahu</translation>
    </message>
    <message>
        <source>upper range value</source>
        <translation>koniec rozsahu</translation>
    </message>
    <message>
        <source>correction of sensor error at lower range value</source>
        <translation>korekcia chyby snímača na začiatku rozsahu</translation>
    </message>
    <message>
        <source>correction of sensor error at upper range value</source>
        <translation>korekcia chyby snímača na konci rozsahu</translation>
    </message>
    <message>
        <source>damping</source>
        <translation>tlmenie</translation>
    </message>
    <message>
        <source>lead resistance</source>
        <translation>odpor vedenia</translation>
    </message>
    <message>
        <source>cold junction temperature</source>
        <translation>teplota studeného spoja</translation>
    </message>
    <message>
        <source>limit comparator %d switching level</source>
        <translation>spínacia úroveň limitného komparátora %d</translation>
    </message>
    <message>
        <source>limit comparator %d hysteresis</source>
        <translation>hysterézia limitného komparátora %d</translation>
    </message>
    <message>
        <source>lower output range</source>
        <translation>začiatok výstupného rozsahu</translation>
    </message>
    <message>
        <source>upper output range</source>
        <translation>koniec výstupného rozsahu</translation>
    </message>
    <message>
        <source>lower output limit</source>
        <translation>dolná medza výstupu</translation>
    </message>
    <message>
        <source>upper output limit</source>
        <translation>horná medza výstupu</translation>
    </message>
    <message>
        <source>lower error output</source>
        <translation>dolný chybový výstup</translation>
    </message>
    <message>
        <source>upper error output</source>
        <translation>horný chybový výstup</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Nesprávny formát hodnoty: </translation>
    </message>
    <message>
        <source>Value of </source>
        <translation>Hodnota </translation>
    </message>
    <message>
        <source> is out of the range: </source>
        <translation> je mimo rozsahu: </translation>
    </message>
    <message>
        <source>Value of correction at upper range value is higher than %.2g %% of input range.</source>
        <translation>Hodnota korekcie na konci rozsahu je väčšia ako %.2g %% vstupného rozsahu.</translation>
    </message>
    <message>
        <source>Value of correction at lower range value is higher than %.2g %% of input range.</source>
        <translation>Hodnota korekcie na začiatku rozsahu je väčšia ako %.2g %% vstupného rozsahu.</translation>
    </message>
    <message>
        <source>Value of limit comparator %d hysteresis is higher than %.2g %% of input range.</source>
        <translation>Hodnota hysterézie limitného komparátora %d je väčšia ako %.2g %% vstupného rozsahu.</translation>
    </message>
    <message>
        <source>Value of limit comparator %d hysteresis cannot be equal to zero for reverse switching mode. Normal switching mode was set.</source>
        <translation>Hysterézia limitného komparátora %d nemôže byť pre inverzný režim spínania nulová. Bol nastavený normálny režim spínania.</translation>
    </message>
    <message>
        <source>Span value is lower than %.2g%% of input range.</source>
        <translation>Rozpätie je menšie ako %.2g%% vstupného rozsahu.</translation>
    </message>
    <message>
        <source>Output span value is lower than %.2g %s, cannot continue.</source>
        <translation>Rozpätie výstupu je menšie ako %.2g %s, nie je možné pokračovať.</translation>
    </message>
    <message>
        <source>Saturation span value is lower than %.2g %s, cannot continue.</source>
        <translation>Rozpätie obmedzenia výstupu je menšie ako %.2g %s, nie je možné pokračovať.</translation>
    </message>
    <message>
        <source>Error span value is lower than %.2g %s, cannot continue.</source>
        <translation>Rozpätie chybového výstupu je menšie ako %.2g %s, nie je možné pokračovať.</translation>
    </message>
    <message>
        <source>Some values of the configuration lie outside the range of the new linearization (measuring range, corrections or limit comparators). Correct them before the configuration is written or saved.</source>
        <translation>Niektoré hodnoty konfigurácie ležia mimo rozsahu novej linearizácie (merací rozsah, korekcie alebo limitné komparátory). Opravte ich, kým konfiguráciu zapíšete alebo uložíte.</translation>
    </message>
</context>
<context>
    <name>Configuration file</name>
    <message>
        <source>Configuration was not loaded, cancelled by user.</source>
        <translation>Konfigurácia nebola načítaná, zrušené používateľom.</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file: &apos;%s&apos; not found.</source>
        <translation>Konfigurácia nebola načítaná, súbor: &apos;%s&apos; nebol nájdený.</translation>
    </message>
    <message>
        <source>Wrong file format or file: &apos;%s&apos; is damaged!</source>
        <translation>Chybný formát súboru alebo je súbor: &apos;%s&apos; poškodený!</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file is damaged or wrong type.</source>
        <translation>Konfigurácia nebola načítaná, súbor je poškodený alebo nesprávneho typu.</translation>
    </message>
    <message>
        <source>Configuration was read without any errors.</source>
        <translation>Konfigurácia bola načítaná bez chýb.</translation>
    </message>
    <message>
        <source>Configuration was not saved, cancelled by user.</source>
        <translation>Konfigurácia nebola uložená, zrušené používateľom.</translation>
    </message>
    <message>
        <source>File: &apos;%s&apos; already exists, do you want to overwrite it?</source>
        <translation>Súbor: &apos;%s&apos; už existuje, chcete ho prepísať?</translation>
    </message>
    <message>
        <source>Configuration was not saved, cannot open file: &apos;%s&apos;.</source>
        <translation>Konfigurácia nebola uložená, nie je možné otvoriť súbor: &apos;%s&apos;.</translation>
    </message>
    <message>
        <source>Configuration was saved without any errors.</source>
        <translation>Konfigurácia bola uložená bez chýb.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Nebola nastavená žiadna konfigurácia prevodníka.</translation>
    </message>
    <message>
        <source>Changes were not saved. Continue?</source>
        <translation>Zmeny neboli uložené. Pokračovať?</translation>
    </message>
    <message>
        <source>Configuration was not loaded, &apos;%s&apos; is a folder.</source>
        <translation>Konfigurácia nebola načítaná, &apos;%s&apos; je priečinok.</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file: &apos;%s&apos; cannot be read:</source>
        <translation>Konfigurácia nebola načítaná, súbor: &apos;%s&apos; nie je možné čítať:</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The file is larger than %1 kB; no file of this program is.</source>
        <translation>Súbor je väčší ako %1 kB; žiadny súbor tohto programu taký nie je.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be written: %2</source>
        <translation>Súbor &apos;%1&apos; nie je možné zapísať: %2</translation>
    </message>
    <message>
        <source>Not a regular file (a device, a pipe or a socket)</source>
        <translation>Nejde o bežný súbor (je to zariadenie, rúra alebo soket)</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>lmk17en.hlp</source>
        <translation>lmk17sk.hlp</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Change of language will be applied after application restart!</source>
        <translation>Zmena jazyka sa prejaví po novom spustení aplikácie!</translation>
    </message>
</context>
<context>
    <name>Linearization</name>
    <message>
        <source>Minimum:</source>
        <translation>Minimum:</translation>
    </message>
    <message>
        <source>Maximum:</source>
        <translation>Maximum:</translation>
    </message>
    <message>
        <source>Cannot resolve the linearization table unless at least 2 points are entered.</source>
        <translation>Linearizačnú tabuľku nie je možné vypočítať, kým nie sú zadané aspoň 2 body.</translation>
    </message>
    <message>
        <source>Cannot resolve the compensating table unless at least 2 points are entered.</source>
        <translation>Kompenzačnú tabuľku nie je možné vypočítať, kým nie sú zadané aspoň 2 body.</translation>
    </message>
    <message>
        <source>Data were not saved, cancelled by user.</source>
        <translation>Údaje neboli uložené, zrušené používateľom.</translation>
    </message>
    <message>
        <source>Data were not saved, cannot open file: &apos;%1&apos;.</source>
        <translation>Údaje neboli uložené, nie je možné otvoriť súbor: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>File: &apos;%1&apos; already exists, do you want to overwrite it?</source>
        <translation>Súbor: &apos;%1&apos; už existuje, chcete ho prepísať?</translation>
    </message>
    <message>
        <source> Saving Data to File</source>
        <translation> Ukladanie údajov do súboru</translation>
    </message>
    <message>
        <source>Data was saved without any errors.</source>
        <translation>Údaje boli uložené bez chýb.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in table of the points for the linearization.</source>
        <translation>Údaje nie je možné uložiť, kým sú chyby v tabuľke bodov linearizácie.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in table of the points for the cold junction compensation.</source>
        <translation>Údaje nie je možné uložiť, kým sú chyby v tabuľke bodov kompenzácie studeného spoja.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in &apos;Sensor-Specific Characterization&apos; section.</source>
        <translation>Údaje nie je možné uložiť, kým sú chyby v časti &apos;Charakteristika snímača&apos;.</translation>
    </message>
    <message>
        <source>Data was not loaded - wrong file format.</source>
        <translation>Údaje neboli načítané - chybný formát súboru.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
 Error in the Section: [</source>
        <translation><byte value="xd"/>
 Chyba v sekcii: [</translation>
    </message>
    <message>
        <source>Data was not loaded - unknown file format.</source>
        <translation>Údaje neboli načítané - neznámy formát súboru.</translation>
    </message>
    <message>
        <source>Try later version or contact your supplier.</source>
        <translation>Skúste novšiu verziu alebo kontaktujte svojho dodávateľa.</translation>
    </message>
    <message>
        <source>Data was not loaded, file contains data for another input range (</source>
        <translation>Údaje neboli načítané, súbor obsahuje údaje pre iný vstupný rozsah (</translation>
    </message>
    <message>
        <source> Loading Data from File</source>
        <translation> Načítavanie údajov zo súboru</translation>
    </message>
    <message>
        <source>Data was not loaded, cancelled by user.</source>
        <translation>Údaje neboli načítané, zrušené používateľom.</translation>
    </message>
    <message>
        <source>Data was not loaded, cannot open file: &apos;%1&apos;.</source>
        <translation>Údaje neboli načítané, nie je možné otvoriť súbor: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Incorrect format of the value in row n.%1 and column n.%2, please correct.</source>
        <translation>Nesprávny formát hodnoty v riadku č.%1 a stĺpci č.%2, opravte ju, prosím.</translation>
    </message>
    <message>
        <source>Value in row n.%1 and column n.%2 is out of range &lt; %3, %4 &gt; °C, please correct.</source>
        <translation>Hodnota v riadku č.%1 a stĺpci č.%2 je mimo rozsahu &lt; %3, %4 &gt; °C, opravte ju, prosím.</translation>
    </message>
    <message>
        <source>Value in row n.%1 and column n.%2 is out of range &lt; %3, %4 &gt; Ohm, please correct.</source>
        <translation>Hodnota v riadku č.%1 a stĺpci č.%2 je mimo rozsahu &lt; %3, %4 &gt; Ohm, opravte ju, prosím.</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Nesprávny formát hodnoty: </translation>
    </message>
    <message>
        <source>Sensor-Specific Constants.</source>
        <translation>Konštanty snímača.</translation>
    </message>
    <message>
        <source>Attention! Value %1 is bigger than upper limit selected input range %2.</source>
        <translation>Pozor! Hodnota %1 je väčšia ako horná hranica zvoleného vstupného rozsahu %2.</translation>
    </message>
    <message>
        <source>Data was not loaded, file: &apos;%1&apos; not found.</source>
        <translation>Údaje neboli načítané, súbor: &apos;%1&apos; sa nenašiel.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Je to priečinok.</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>Do not Disconnect Communication Cable!</source>
        <translation>Neodpájajte komunikačný kábel!</translation>
    </message>
    <message>
        <source>%s serial port successfully connected.</source>
        <translation>Sériový port %s bol úspešne pripojený.</translation>
    </message>
    <message>
        <source>%s serial port cannot be connected.</source>
        <translation>Sériový port %s nie je možné pripojiť.</translation>
    </message>
    <message>
        <source>%s serial port disconnected.</source>
        <translation>Sériový port %s bol odpojený.</translation>
    </message>
    <message>
        <source>Attention! Setting of wrong communication parameters may lose communication with the transmitter! Changing this parameters is allowed experienced user only.</source>
        <translation>Pozor! Nastavenie chybných komunikačných parametrov môže spôsobiť stratu komunikácie s prevodníkom! Tieto parametre smie meniť iba skúsený používateľ.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Nebola nastavená žiadna konfigurácia prevodníka.</translation>
    </message>
    <message>
        <source>Attention! You want to change the communication parameters to other than default.<byte value="xd"/>
Setting of wrong communication parameters may lose communication with the transmitter!<byte value="xd"/>
Do You really want to change the parameters?</source>
        <translation>Pozor! Chcete zmeniť komunikačné parametre na iné ako predvolené.<byte value="xd"/>
Nastavením chybných komunikačných parametrov môžete stratiť spojenie s prevodníkom!<byte value="xd"/>
Naozaj chcete parametre zmeniť?</translation>
    </message>
    <message>
        <source>Changes is not valid immediately after writing the configuration, but after power down and power up!</source>
        <translation>Zmeny neplatia hneď po zápise konfigurácie, ale až po vypnutí a zapnutí napájania!</translation>
    </message>
    <message>
        <source> Not Connected</source>
        <translation> Nepripojené</translation>
    </message>
    <message>
        <source> Options</source>
        <translation> Nastavenia</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Odpojiť</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Communication Parameters for Experts</source>
        <translation>Komunikačné parametre pre odborníkov</translation>
    </message>
    <message>
        <source>&amp;Default Parameters</source>
        <translation>&amp;Predvolené parametre</translation>
    </message>
    <message>
        <source> Transmitter Communication Parameters</source>
        <translation> Komunikačné parametre prevodníka</translation>
    </message>
    <message>
        <source>Attention! Setting of wrong paramaters may</source>
        <translation>Pozor! Nastavenie chybných parametrov môže</translation>
    </message>
    <message>
        <source>lose communication with the Transmitter!</source>
        <translation>stratu komunikácie s prevodníkom!</translation>
    </message>
    <message>
        <source>Default Params</source>
        <translation>Predvolené</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Komunikácia</translation>
    </message>
    <message>
        <source> None</source>
        <translation> Žiadna</translation>
    </message>
    <message>
        <source> Odd</source>
        <translation> Nepárna</translation>
    </message>
    <message>
        <source> Even</source>
        <translation> Párna</translation>
    </message>
    <message>
        <source> OK.</source>
        <translation> OK.</translation>
    </message>
    <message>
        <source> ERROR: Error during Transmit.</source>
        <translation> CHYBA: Chyba pri prenose.</translation>
    </message>
    <message>
        <source> ERROR: Bad Parameters.</source>
        <translation> CHYBA: Chybné parametre.</translation>
    </message>
    <message>
        <source> ERROR: Bad Function.</source>
        <translation> CHYBA: Chybná funkcia.</translation>
    </message>
    <message>
        <source> Application layer answered OK.</source>
        <translation> Aplikačná vrstva odpovedala OK.</translation>
    </message>
    <message>
        <source> ERROR: Frame Error of the Incoming Message.</source>
        <translation> CHYBA: Chyba rámca prijatej správy.</translation>
    </message>
    <message>
        <source> ERROR: Bad CRC of the Incoming Message.</source>
        <translation> CHYBA: Chybný kontrolný súčet prijatej správy.</translation>
    </message>
    <message>
        <source> ERROR: Error during Transmit (from Transmitter to PC).</source>
        <translation> CHYBA: Chyba pri prenose (z prevodníka do PC).</translation>
    </message>
    <message>
        <source> ERROR: Bad Answer was received.</source>
        <translation> CHYBA: Prijatá chybná odpoveď.</translation>
    </message>
    <message>
        <source> ERROR: Timeout.</source>
        <translation> CHYBA: Uplynul časový limit.</translation>
    </message>
    <message>
        <source> ERROR: Unknown Answer: %d</source>
        <translation> CHYBA: Neznáma odpoveď: %d</translation>
    </message>
    <message>
        <source>You may not open this port: add your user to the dialout group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>Tento port nemôžete otvoriť: pridajte svojho používateľa do skupiny dialout (sudo usermod -aG dialout $USER), potom sa odhláste a znova prihláste.</translation>
    </message>
    <message>
        <source>%s serial port lost; monitoring tries to reopen it every 2 s.</source>
        <translation>Sériový port %s bol stratený; monitorovanie sa ho každé 2 s pokúša znova otvoriť.</translation>
    </message>
    <message>
        <source> ERROR: Another device keeps sending on the line; the request could not be sent.</source>
        <translation> CHYBA: Na linke neustále vysiela iné zariadenie; požiadavku nebolo možné odoslať.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Žiadna</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Nepárna</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Párna</translation>
    </message>
    <message>
        <source>No description from the system</source>
        <translation>Systém neuvádza žiadny popis</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>výrobné číslo %1</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>Zariadenie: %1</translation>
    </message>
    <message>
        <source>Stable name: %1</source>
        <translation>Stály názov: %1</translation>
    </message>
</context>
<context>
    <name>LinkParity</name>
    <message>
        <source>none</source>
        <translation>žiadna</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>nepárna</translation>
    </message>
    <message>
        <source>even</source>
        <translation>párna</translation>
    </message>
</context>
<context>
    <name>Monitoring</name>
    <message>
        <source>The time interval must be a number of seconds from 1 to 1200. The previous value of %1 s is kept.</source>
        <translation>Časový interval musí byť počet sekúnd od 1 do 1200. Ponecháva sa predchádzajúca hodnota %1 s.</translation>
    </message>
    <message>
        <source>Do you really want to stop the monitoring mode?</source>
        <translation>Naozaj chcete ukončiť režim monitorovania?</translation>
    </message>
    <message>
        <source>Do you really want to erase records in window?</source>
        <translation>Naozaj chcete zmazať záznamy v okne?</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be written. Monitoring goes on; the records are kept in the log window only.</source>
        <translation>Do súboru záznamu &quot;%1&quot; nie je možné zapisovať. Monitorovanie pokračuje; záznamy zostávajú iba v okne záznamu.</translation>
    </message>
    <message>
        <source>an empty item in the address list</source>
        <translation>prázdna položka v zozname adries</translation>
    </message>
    <message>
        <source>not an address 0..31 or a range of them: %1</source>
        <translation>nie je adresa 0..31 ani ich rozsah: %1</translation>
    </message>
    <message>
        <source>a range runs upwards: %1</source>
        <translation>rozsah musí stúpať: %1</translation>
    </message>
    <message>
        <source>address %1 is listed twice</source>
        <translation>adresa %1 je uvedená dvakrát</translation>
    </message>
    <message>
        <source>at most %1 addresses</source>
        <translation>najviac %1 adries</translation>
    </message>
    <message>
        <source>The time interval must be a number of seconds from 1 to 1200.</source>
        <translation>Časový interval musí byť počet sekúnd od 1 do 1200.</translation>
    </message>
    <message>
        <source>The number of graph records must be a whole number from 20 to 2000.</source>
        <translation>Počet záznamov grafu musí byť celé číslo od 20 do 2000.</translation>
    </message>
    <message>
        <source>The number of significant places of the PV must be a whole number from 3 to 25.</source>
        <translation>Počet platných miest PV musí byť celé číslo od 3 do 25.</translation>
    </message>
    <message>
        <source>The change of the PV value must be a whole number of percent from 1 to 1000.</source>
        <translation>Zmena hodnoty PV musí byť celý počet percent od 1 do 1000.</translation>
    </message>
    <message>
        <source>The time period must be a whole number of seconds from 20 to 7200.</source>
        <translation>Časová perióda musí byť celý počet sekúnd od 20 do 7200.</translation>
    </message>
    <message>
        <source>The previous value of %1 is kept.</source>
        <translation>Ponecháva sa predchádzajúca hodnota %1.</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; holds records of another format (another header or separator); nothing was appended to it. Choose another file, or rewrite it.</source>
        <translation>Súbor záznamu „%1“ obsahuje záznamy iného formátu (iná hlavička alebo oddeľovač); nič doň nebolo pripojené. Zvoľte iný súbor, alebo ho prepíšte.</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>Read</source>
        <translation>Čítať</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Použiť</translation>
    </message>
    <message>
        <source>Output test mode is active.</source>
        <translation>Prevodník je v režime testu výstupu.</translation>
    </message>
    <message>
        <source>Transmitter works without any errors.</source>
        <translation>Prevodník pracuje bez chýb.</translation>
    </message>
    <message>
        <source> 1 - Sensor Incorrectly Connected or Faulty</source>
        <translation> 1 - Snímač nesprávne pripojený alebo chybný</translation>
    </message>
    <message>
        <source> 2 - Primary Variable out of the Input Range</source>
        <translation> 2 - Meraná veličina mimo vstupného rozsahu</translation>
    </message>
    <message>
        <source> 3 - EEPROM Error (Write Error)</source>
        <translation> 3 - Chyba EEPROM (chyba zápisu)</translation>
    </message>
    <message>
        <source> 4 - EEPROM Error (CRC Error)</source>
        <translation> 4 - Chyba EEPROM (chyba CRC)</translation>
    </message>
    <message>
        <source> 5 - Misconfiguration (Incorrect Connection Code)</source>
        <translation> 5 - Chybná konfigurácia (nesprávny kód pripojenia)</translation>
    </message>
    <message>
        <source> 6 - Internal Error (Divide by Zero)</source>
        <translation> 6 - Vnútorná chyba (delenie nulou)</translation>
    </message>
    <message>
        <source> 7 - Limit Comparator Current Signaling</source>
        <translation> 7 - Signalizácia prúdom od limitného komparátora</translation>
    </message>
    <message>
        <source> Reading CJ Temperature from Transmitter</source>
        <translation> Čítanie teploty studeného spoja z prevodníka</translation>
    </message>
    <message>
        <source>- constant</source>
        <translation>- konštantná</translation>
    </message>
    <message>
        <source>Attention, the transmitter was during reading in an error state which may cause incorrect value of cold junction temperature!</source>
        <translation>Pozor, prevodník bol počas čítania v chybovom stave, čo môže spôsobiť nesprávnu hodnotu teploty studeného spoja!</translation>
    </message>
    <message>
        <source>Cold junction temperature cannot be read; the connected transmitter is not configured for thermocouple measuring.</source>
        <translation>Teplotu studeného spoja nie je možné prečítať; pripojený prevodník nie je nastavený na meranie termočlánkom.</translation>
    </message>
    <message>
        <source>The connected transmitter %s is not supported by this version of LMK-17, cannot continue!</source>
        <translation>Pripojený prevodník %s nie je touto verziou LMK-17 podporovaný, nie je možné pokračovať!</translation>
    </message>
    <message>
        <source>Connected transmitter firmware version is not supported by this version of LMK-17, cannot continue!</source>
        <translation>Verzia firmvéru pripojeného prevodníka nie je touto verziou LMK-17 podporovaná, nie je možné pokračovať!</translation>
    </message>
    <message>
        <source>Input range is not supported by this version of LMK-17, or was written wrongly.</source>
        <translation>Vstupný rozsah nie je touto verziou LMK-17 podporovaný alebo bol nesprávne zapísaný.</translation>
    </message>
    <message>
        <source>Try later version or contact your supplier.</source>
        <translation>Skúste novšiu verziu alebo kontaktujte svojho dodávateľa.</translation>
    </message>
    <message>
        <source>Transmitter configuration corrupt. Last writing probably not successful. Do you want to pre-set default configuration?</source>
        <translation>Konfigurácia prevodníka je poškodená. Posledný zápis pravdepodobne nebol úspešný. Chcete nastaviť predvolenú konfiguráciu?</translation>
    </message>
    <message>
        <source>Another transmitter was connected or configuration was changed. The transmitter configuration must be read again.<byte value="xd"/>
Do you want to read configuration from transmitter? If no, operation will be stopped.</source>
        <translation>Bol pripojený iný prevodník alebo bola zmenená konfigurácia. Konfiguráciu prevodníka je potrebné znova načítať.<byte value="xd"/>
Chcete načítať konfiguráciu z prevodníka? Ak nie, operácia bude ukončená.</translation>
    </message>
    <message>
        <source>Different type of transmitter is connected, cannot continue.</source>
        <translation>Je pripojený iný typ prevodníka, nie je možné pokračovať.</translation>
    </message>
    <message>
        <source>The connected transmitter uses earlier firmware version than required for storing the current configuration. Cannot continue.</source>
        <translation>Pripojený prevodník má staršiu verziu firmvéru, než vyžaduje uloženie aktuálnej konfigurácie. Nie je možné pokračovať.</translation>
    </message>
    <message>
        <source>Connected transmitter is configured with fixed input range. Input range cannot be changed, cannot continue!</source>
        <translation>Pripojený prevodník je nastavený na pevný vstupný rozsah. Vstupný rozsah nie je možné zmeniť, nie je možné pokračovať!</translation>
    </message>
    <message>
        <source>Another transmitter was connected, do you really want to continue?</source>
        <translation>Bol pripojený iný prevodník, naozaj chcete pokračovať?</translation>
    </message>
    <message>
        <source> Reading Configuration from Transmitter</source>
        <translation> Čítanie konfigurácie z prevodníka</translation>
    </message>
    <message>
        <source> Writing Configuration to Transmitter</source>
        <translation> Zápis konfigurácie do prevodníka</translation>
    </message>
    <message>
        <source>Configuration was written to transmitter without any errors.</source>
        <translation>Konfigurácia bola zapísaná do prevodníka bez chýb.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Nebola nastavená žiadna konfigurácia prevodníka.</translation>
    </message>
    <message>
        <source>Changes were not saved. Continue?</source>
        <translation>Zmeny neboli uložené. Pokračovať?</translation>
    </message>
    <message>
        <source>The period must be a number of seconds from 0.2 to 15.0. The value %1 stays.</source>
        <translation>Perióda musí byť číslo v sekundách od 0,2 do 15,0. Zostáva hodnota %1.</translation>
    </message>
    <message>
        <source>The output test value must be a number from %1 to %2 %3 (a negative value leaves output test mode). The value %4 stays.</source>
        <translation>Testovacia hodnota výstupu musí byť číslo od %1 do %2 %3 (záporná hodnota ukončí režim testu výstupu). Zostáva hodnota %4.</translation>
    </message>
    <message>
        <source> Checking the Written Configuration</source>
        <translation> Kontrola zapísanej konfigurácie</translation>
    </message>
    <message>
        <source>The transmitter acknowledged the configuration, but reading it back gives other values than were written:</source>
        <translation>Prevodník konfiguráciu potvrdil, ale spätné čítanie dáva iné hodnoty, než boli zapísané:</translation>
    </message>
    <message>
        <source> parameter %1 (row %2): written %3, read %4</source>
        <translation> parameter %1 (riadok %2): zapísané %3, prečítané %4</translation>
    </message>
    <message>
        <source>Error during reading the data from transmitter, repeat?</source>
        <translation>Chyba pri čítaní údajov z prevodníka, opakovať?</translation>
    </message>
    <message>
        <source>Error during writing the data to transmitter, repeat?</source>
        <translation>Chyba pri zápise údajov do prevodníka, opakovať?</translation>
    </message>
    <message>
        <source>Error (&apos;Bad Parameters&apos;) during writing the data to transmitter!<byte value="xd"/>
Feasible solution: Stop writing now, set the default configuration (command from menu &apos;Transmitter&apos;) and write configuration to the transmitter.<byte value="xd"/>
Do You want to repeat this operation?</source>
        <translation>Chyba (&apos;Chybné parametre&apos;) pri zápise údajov do prevodníka!<byte value="xd"/>
Možné riešenie: Teraz zápis ukončite, nastavte predvolenú konfiguráciu (príkaz z ponuky &apos;Prevodník&apos;) a zapíšte konfiguráciu do prevodníka.<byte value="xd"/>
Chcete túto operáciu zopakovať?</translation>
    </message>
    <message>
        <source>No communication port connected, cannot continue. Do you want to connect it now?</source>
        <translation>Nie je pripojený komunikačný port, nie je možné pokračovať. Chcete ho teraz pripojiť?</translation>
    </message>
    <message>
        <source>Error during transmitter configuration writing. Incorrect configuration settings may cause undefined errors. Configuration should be stored again.</source>
        <translation>Chyba pri zápise konfigurácie do prevodníka. Nesprávne nastavenie konfigurácie môže spôsobiť nedefinované chyby. Konfiguráciu je potrebné zapísať znova.</translation>
    </message>
    <message>
        <source>Do you really want to break operation?</source>
        <translation>Naozaj chcete prerušiť operáciu?</translation>
    </message>
    <message>
        <source>Waiting for the line to fall quiet...</source>
        <translation>Čakanie na utíchnutie linky...</translation>
    </message>
    <message>
        <source> Reading Configuration for the Backup</source>
        <translation> Čítanie konfigurácie pre zálohu</translation>
    </message>
    <message>
        <source>The backup folder &apos;%1&apos; could not be created.</source>
        <translation>Priečinok záloh &apos;%1&apos; sa nedá vytvoriť.</translation>
    </message>
    <message>
        <source>The transmitter&apos;s present configuration could not be kept as a backup, so nothing was written.</source>
        <translation>Súčasnú konfiguráciu prevodníka nie je možné uložiť ako zálohu, preto nebolo nič zapísané.</translation>
    </message>
    <message>
        <source>Writing changes these values of the transmitter (now -&gt; written):</source>
        <translation>Zápis zmení tieto hodnoty prevodníka (teraz -&gt; zapísané):</translation>
    </message>
    <message>
        <source> ... and %1 more</source>
        <translation> ... a ďalších %1</translation>
    </message>
    <message>
        <source> stored values beyond the digits shown: %1</source>
        <translation> uložené hodnoty za zobrazenými číslicami: %1</translation>
    </message>
    <message>
        <source>Write the configuration to the transmitter?</source>
        <translation>Zapísať konfiguráciu do prevodníka?</translation>
    </message>
    <message>
        <source>The transmitter already holds this configuration; nothing was written.</source>
        <translation>Prevodník už túto konfiguráciu obsahuje; nič nebolo zapísané.</translation>
    </message>
    <message>
        <source>The transmitter already holds this configuration. Write it anyway?</source>
        <translation>Prevodník už túto konfiguráciu obsahuje. Napriek tomu ju zapísať?</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>Note.: </source>
        <translation>Pozn.: </translation>
    </message>
    <message>
        <source>Configured by</source>
        <translation>Konfiguroval</translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Dátum: </translation>
    </message>
    <message>
        <source> Transmitter Configuration Protocol </source>
        <translation> Protokol konfigurácie prevodníka </translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Áno</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Vstup</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Korekcia</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Výstup</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Začiatok</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Limit Comparator</source>
        <translation>Limitný komparátor</translation>
    </message>
    <message>
        <source> 1:</source>
        <translation> 1:</translation>
    </message>
    <message>
        <source> 2:</source>
        <translation> 2:</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Zapnutý</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Vypnutý</translation>
    </message>
    <message>
        <source>Switch Level:</source>
        <translation>Úroveň zopnutia:</translation>
    </message>
    <message>
        <source>Hysteresis:</source>
        <translation>Hysterézia:</translation>
    </message>
    <message>
        <source>Switching Mode:</source>
        <translation>Režim spínania:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normálny</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverzný</translation>
    </message>
    <message>
        <source>Indicate by Error Output:</source>
        <translation>Signalizácia chybovým výstupom:</translation>
    </message>
    <message>
        <source>State on Error:</source>
        <translation>Stav pri chybe:</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>Zapnúť</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Vypnúť</translation>
    </message>
    <message>
        <source>Output Type:</source>
        <translation>Typ výstupu:</translation>
    </message>
    <message>
        <source>Output Saturation:</source>
        <translation>Obmedzenie výstupu:</translation>
    </message>
    <message>
        <source>cca  %1 to %2 %3</source>
        <translation>cca  %1 až %2 %3</translation>
    </message>
    <message>
        <source>Damping:</source>
        <translation>Tlmenie:</translation>
    </message>
    <message>
        <source>Linearization:</source>
        <translation>Linearizácia:</translation>
    </message>
    <message>
        <source>Customer Linearization:</source>
        <translation>Zákaznícka linearizácia:</translation>
    </message>
    <message>
        <source>Lead Resistance 1:</source>
        <translation>Odpor vedenia 1:</translation>
    </message>
    <message>
        <source>Lead Resistance:</source>
        <translation>Odpor vedenia:</translation>
    </message>
    <message>
        <source>Lead Resistance 2:</source>
        <translation>Odpor vedenia 2:</translation>
    </message>
    <message>
        <source>Cold Junction Temperature:</source>
        <translation>Teplota studeného spoja:</translation>
    </message>
    <message>
        <source>- constant</source>
        <translation>- konštantná</translation>
    </message>
    <message>
        <source>Input Filter:</source>
        <translation>Vstupný filter:</translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation>50 Hz</translation>
    </message>
    <message>
        <source>Error Indication:</source>
        <translation>Signalizácia chyby:</translation>
    </message>
    <message>
        <source> and by Switching Relay</source>
        <translation> a zopnutím relé</translation>
    </message>
    <message>
        <source> 1</source>
        <translation> 1</translation>
    </message>
    <message>
        <source> 2</source>
        <translation> 2</translation>
    </message>
    <message>
        <source>Transmitter Type:</source>
        <translation>Typ prevodníka:</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Verzia firmvéru:</translation>
    </message>
    <message>
        <source>Identification:</source>
        <translation>Identifikácia:</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Výrobca:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Výrobné číslo:</translation>
    </message>
    <message>
        <source>Date of Manufacturing:</source>
        <translation>Dátum výroby:</translation>
    </message>
    <message>
        <source>Date of Last Change:</source>
        <translation>Dátum poslednej zmeny:</translation>
    </message>
    <message>
        <source>Working Time:</source>
        <translation>Doba prevádzky:</translation>
    </message>
    <message>
        <source>File Version:</source>
        <translation>Verzia súboru:</translation>
    </message>
    <message>
        <source>Input Range:</source>
        <translation>Vstupný rozsah:</translation>
    </message>
    <message>
        <source>Sensor Connection:</source>
        <translation>Pripojenie snímača:</translation>
    </message>
    <message>
        <source>Set Range:</source>
        <translation>Nastavený rozsah:</translation>
    </message>
    <message>
        <source>Communication Parameters:</source>
        <translation>Komunikačné parametre:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresa:</translation>
    </message>
    <message>
        <source>BaudRate:</source>
        <translation>Rýchlosť:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parita:</translation>
    </message>
    <message>
        <source>Text Note:</source>
        <translation>Textová poznámka:</translation>
    </message>
    <message>
        <source>Configuration Security:</source>
        <translation>Zabezpečenie konfigurácie:</translation>
    </message>
    <message>
        <source>Change of the Configuration by the Set-up Unit is disallowed</source>
        <translation>Zmena konfigurácie nastavovacou jednotkou je zakázaná</translation>
    </message>
    <message>
        <source>Change of the Configuration by the Set-up Unit is allowed</source>
        <translation>Zmena konfigurácie nastavovacou jednotkou je povolená</translation>
    </message>
    <message>
        <source>None Decimal Place</source>
        <translation>Bez desatinného miesta</translation>
    </message>
    <message>
        <source>1 Decimal Place</source>
        <translation>1 desatinné miesto</translation>
    </message>
    <message>
        <source>2 Decimal Places</source>
        <translation>2 desatinné miesta</translation>
    </message>
    <message>
        <source>Points for Approximation:</source>
        <translation>Body pre aproximáciu:</translation>
    </message>
    <message>
        <source>No Points</source>
        <translation>Žiadne body</translation>
    </message>
    <message>
        <source> Transmitter Linearization Parameters </source>
        <translation> Parametre linearizácie prevodníka </translation>
    </message>
    <message>
        <source>Linear Table</source>
        <translation>Linearizačná tabuľka</translation>
    </message>
    <message>
        <source>Start of X:</source>
        <translation>Začiatok X:</translation>
    </message>
    <message>
        <source>End of X:</source>
        <translation>Koniec X:</translation>
    </message>
    <message>
        <source>Start of Y:</source>
        <translation>Začiatok Y:</translation>
    </message>
    <message>
        <source>End of Y:</source>
        <translation>Koniec Y:</translation>
    </message>
    <message>
        <source>Display Configuration:</source>
        <translation>Konfigurácia displeja:</translation>
    </message>
    <message>
        <source>Cold Junction Compensation</source>
        <translation>Kompenzácia studeného spoja</translation>
    </message>
    <message>
        <source>Unit of X-Values:</source>
        <translation>Jednotka hodnôt X:</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>Tlač zlyhala.</translation>
    </message>
    <message>
        <source> %1 Bd, </source>
        <translation> %1 Bd, </translation>
    </message>
</context>
<context>
    <name>TGraphForm</name>
    <message>
        <source>Maximum error of approximation is at point </source>
        <translation>Maximálna chyba aproximácie je v bode </translation>
    </message>
    <message>
        <source>Minimum error of approximation is at point </source>
        <translation>Minimálna chyba aproximácie je v bode </translation>
    </message>
    <message>
        <source>Approximation Graph</source>
        <translation>Graf aproximácie</translation>
    </message>
    <message>
        <source>Approximation Error Graph</source>
        <translation>Graf chyby aproximácie</translation>
    </message>
    <message>
        <source> Approximation Graph</source>
        <translation> Graf aproximácie</translation>
    </message>
    <message>
        <source> Approximation Error Graph</source>
        <translation> Graf chyby aproximácie</translation>
    </message>
</context>
<context>
    <name>lmk17::HelpViewer</name>
    <message>
        <source>LMK-17 Help</source>
        <translation>Pomocník LMK-17</translation>
    </message>
    <message>
        <source>Type the keyword to find</source>
        <translation>Zadajte hľadané kľúčové slovo</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Obsah</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Späť</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Dopredu</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Obsah</translation>
    </message>
    <message>
        <source>The help was not found. Looked for the folder %1.</source>
        <translation>Pomocník nebol nájdený. Hľadaný priečinok %1.</translation>
    </message>
</context>
<context>
    <name>lmk17::LinEditor</name>
    <message>
        <source>Attention! There were changes in the table of points for linearization but approximation process was not carried out. In this case linearization may content wrong data. We recommend doing approximation of the linearization again. Do you want to approximate now?</source>
        <translation>Pozor! V tabuľke bodov linearizácie nastali zmeny, ale aproximácia nebola vykonaná. Linearizácia preto môže obsahovať chybné údaje. Odporúčame vykonať aproximáciu linearizácie znova. Chcete aproximovať teraz?</translation>
    </message>
    <message>
        <source>Attention! There were changes in the table of points for CJ compensation but approximation process was not carried out. In this case CJ compensation may content wrong data. We recommend doing approximation of the CJ compensation again. Do you want to approximate now?</source>
        <translation>Pozor! V tabuľke bodov kompenzácie studeného spoja nastali zmeny, ale aproximácia nebola vykonaná. Kompenzácia studeného spoja preto môže obsahovať chybné údaje. Odporúčame vykonať aproximáciu kompenzácie znova. Chcete aproximovať teraz?</translation>
    </message>
    <message>
        <source>Attention! There were changes in the &apos;Sensor Specific Constants&apos; section but approximation process was not carried out. In this case linearization may content wrong data. We recommend doing approximation of the linearization again. Do you want to approximate now?</source>
        <translation>Pozor! V časti &apos;Konštanty snímača&apos; nastali zmeny, ale aproximácia nebola vykonaná. Linearizácia preto môže obsahovať chybné údaje. Odporúčame vykonať aproximáciu linearizácie znova. Chcete aproximovať teraz?</translation>
    </message>
    <message>
        <source>Attention! Range of Y-values is out of display range! We recommend changing the display configuration or changing linearization. Do you want to configure parameters now?</source>
        <translation>Pozor! Rozsah hodnôt Y je mimo rozsahu displeja! Odporúčame zmeniť konfiguráciu displeja alebo linearizáciu. Chcete teraz upraviť parametre?</translation>
    </message>
    <message>
        <source>Changes were not saved. Do you want to save parameters to file now?</source>
        <translation>Zmeny neboli uložené. Chcete teraz uložiť parametre do súboru?</translation>
    </message>
    <message>
        <source>Changes were not saved. Parameters will be erased. Do you really want to close the window?</source>
        <translation>Zmeny neboli uložené. Parametre budú zmazané. Naozaj chcete zavrieť okno?</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Nesprávny formát hodnoty: </translation>
    </message>
    <message>
        <source>linearization table</source>
        <translation>linearizačná tabuľka</translation>
    </message>
    <message>
        <source>CJ Compensation polynomial</source>
        <translation>polynóm kompenzácie studeného spoja</translation>
    </message>
    <message>
        <source>Cannot add point to the table, table is full.</source>
        <translation>Bod nie je možné pridať do tabuľky, tabuľka je plná.</translation>
    </message>
</context>
<context>
    <name>lmk17::PrintController</name>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>&amp;Export do PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Export do PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Súbory PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed, cannot continue.</source>
        <translation>Nie je nainštalovaná žiadna tlačiareň, nie je možné pokračovať.</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>Tlač zlyhala.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Nebola nastavená žiadna konfigurácia prevodníka.</translation>
    </message>
    <message>
        <source>Transmitter Configuration Protocol</source>
        <translation>Protokol konfigurácie prevodníka</translation>
    </message>
    <message>
        <source>Transmitter Linearization Parameters</source>
        <translation>Parametre linearizácie prevodníka</translation>
    </message>
    <message>
        <source>Use “%1” in the File menu to save the protocol as a PDF file instead.</source>
        <translation>Protokol môžete namiesto tlače uložiť ako súbor PDF príkazom „%1“ v ponuke Súbor.</translation>
    </message>
</context>
<context>
    <name>lmk17::TAdresaForm</name>
    <message>
        <source>Address:</source>
        <translation>Adresa:</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Prenosová rýchlosť</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parita</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>lmk17::TGraphForm</name>
    <message>
        <source>Graph Scale:</source>
        <translation>Mierka grafu:</translation>
    </message>
    <message>
        <source>X Axis:</source>
        <translation>Os X:</translation>
    </message>
    <message>
        <source>Y Axis:</source>
        <translation>Os Y:</translation>
    </message>
    <message>
        <source>Approximation Error:</source>
        <translation>Chyba aproximácie:</translation>
    </message>
    <message>
        <source> By clicking on value you can display coordinates of point, where this error was found. </source>
        <translation> Kliknutím na hodnotu zobrazíte súradnice bodu, v ktorom bola táto chyba zistená. </translation>
    </message>
    <message>
        <source>Approximation Error Graph</source>
        <translation>Graf chyby aproximácie</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zavrieť</translation>
    </message>
</context>
<context>
    <name>lmk17::TInfoPage</name>
    <message>
        <source>Transmitter</source>
        <translation>Prevodník</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Výrobca:</translation>
    </message>
    <message>
        <source>Transmitter Type:</source>
        <translation>Typ prevodníka:</translation>
    </message>
    <message>
        <source>Date of Manufacturing:</source>
        <translation>Dátum výroby:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Výrobné číslo:</translation>
    </message>
    <message>
        <source>Date of Last Change:</source>
        <translation>Dátum poslednej zmeny:</translation>
    </message>
    <message>
        <source>Working Time:</source>
        <translation>Doba prevádzky:</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Puzdro</translation>
    </message>
    <message>
        <source>Picture not Available</source>
        <translation>Obrázok nie je k dispozícii</translation>
    </message>
</context>
<context>
    <name>lmk17::TInputPage</name>
    <message>
        <source>Input Range and Connection</source>
        <translation>Vstupný rozsah a zapojenie</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Zákazník</translation>
    </message>
    <message>
        <source>Linearization</source>
        <translation>Linearizácia</translation>
    </message>
    <message>
        <source>Input Range:</source>
        <translation>Vstupný rozsah:</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Zapojenie:</translation>
    </message>
    <message>
        <source>Measuring Range</source>
        <translation>Merací rozsah</translation>
    </message>
    <message>
        <source>Lower Range Value:</source>
        <translation>Začiatok rozsahu:</translation>
    </message>
    <message>
        <source>Upper Range Value:</source>
        <translation>Koniec rozsahu:</translation>
    </message>
    <message>
        <source>Correction at Lower Range Value:</source>
        <translation>Korekcia na začiatku rozsahu:</translation>
    </message>
    <message>
        <source>Correction at Upper Range Value:</source>
        <translation>Korekcia na konci rozsahu:</translation>
    </message>
    <message>
        <source>Lead Resistance</source>
        <translation>Odpor vedenia</translation>
    </message>
    <message>
        <source>Resistance:</source>
        <translation>Odpor:</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Sensor 1:</source>
        <translation>Snímač 1:</translation>
    </message>
    <message>
        <source>Sensor 2:</source>
        <translation>Snímač 2:</translation>
    </message>
    <message>
        <source>Cold Junction Compensation</source>
        <translation>Kompenzácia studeného spoja</translation>
    </message>
    <message>
        <source>CJ Temperature:</source>
        <translation>Teplota studeného spoja:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Damping and Error Current</source>
        <translation>Tlmenie a chybový prúd</translation>
    </message>
    <message>
        <source>Damping:</source>
        <translation>Tlmenie:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Low Output</source>
        <translation>Dolný výstup</translation>
    </message>
    <message>
        <source>High Output</source>
        <translation>Horný výstup</translation>
    </message>
    <message>
        <source>Error Current:</source>
        <translation>Chybový prúd:</translation>
    </message>
    <message>
        <source>Limit Comparators</source>
        <translation>Limitné komparátory</translation>
    </message>
    <message>
        <source>Limit Comparator %1</source>
        <translation>Limitný komparátor %1</translation>
    </message>
    <message>
        <source>Switching Level:</source>
        <translation>Spínacia úroveň:</translation>
    </message>
    <message>
        <source>Hysteresis:</source>
        <translation>Hysterézia:</translation>
    </message>
    <message>
        <source> Normal</source>
        <translation> Normálny</translation>
    </message>
    <message>
        <source> Reverse</source>
        <translation> Inverzný</translation>
    </message>
    <message>
        <source>Switching Mode:</source>
        <translation>Režim spínania:</translation>
    </message>
    <message>
        <source>Indicate by Error Current</source>
        <translation>Indikovať chybovým prúdom</translation>
    </message>
    <message>
        <source>State on Error:</source>
        <translation>Stav pri chybe:</translation>
    </message>
    <message>
        <source> Switch Off</source>
        <translation> Vypnúť</translation>
    </message>
    <message>
        <source> Switch On</source>
        <translation> Zapnúť</translation>
    </message>
    <message>
        <source>Transmitter Error:</source>
        <translation>Chyba prevodníka:</translation>
    </message>
    <message>
        <source>By Relay 1 On</source>
        <translation>Zopnutím relé 1</translation>
    </message>
    <message>
        <source>By Relay 2 On</source>
        <translation>Zopnutím relé 2</translation>
    </message>
    <message>
        <source>Input Filter</source>
        <translation>Vstupný filter</translation>
    </message>
    <message>
        <source> 50 Hz</source>
        <translation> 50 Hz</translation>
    </message>
    <message>
        <source> 60 Hz</source>
        <translation> 60 Hz</translation>
    </message>
    <message>
        <source>Disallow Change of the Transmitter Configuration by the Set-up Unit</source>
        <translation>Zakázať zmenu konfigurácie prevodníka nastavovacou jednotkou</translation>
    </message>
    <message>
        <source>User Note:</source>
        <translation>Poznámka používateľa:</translation>
    </message>
    <message>
        <source> Linearization and Cold Junction Compensation Setup </source>
        <translation> Nastavenie linearizácie a kompenzácie studeného spoja </translation>
    </message>
    <message>
        <source> Limit comparator 1 switching polarity. </source>
        <translation> Polarita spínania limitného komparátora 1. </translation>
    </message>
    <message>
        <source> Limit comparator 2 switching polarity. </source>
        <translation> Polarita spínania limitného komparátora 2. </translation>
    </message>
</context>
<context>
    <name>lmk17::TLinearForm</name>
    <message>
        <source>Linearization and Cold Junction Compensation</source>
        <translation>Linearizácia a kompenzácia studeného spoja</translation>
    </message>
    <message>
        <source> Linearization </source>
        <translation> Linearizácia </translation>
    </message>
    <message>
        <source>Cold Junction Compensation</source>
        <translation>Kompenzácia studeného spoja</translation>
    </message>
    <message>
        <source>Sensor Specific Characterization</source>
        <translation>Charakteristika snímača</translation>
    </message>
    <message>
        <source> Linearization - detail </source>
        <translation> Linearizácia - detail </translation>
    </message>
    <message numerus="yes">
        <source>%n pasted row(s) did not fit into the table and were left out.</source>
        <translation>
            <numerusform>%n vložených riadkov sa do tabuľky nezmestilo a boli vynechané.</numerusform>
            <numerusform>%n vložených riadkov sa do tabuľky nezmestilo a boli vynechané.</numerusform>
            <numerusform>%n vložených riadkov sa do tabuľky nezmestilo a boli vynechané.</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you really want to clear the table of linearization points?</source>
        <translation>Naozaj chcete vymazať tabuľku bodov linearizácie?</translation>
    </message>
    <message>
        <source>Do you really want to clear the table of cold junction compensation points</source>
        <translation>Naozaj chcete vymazať tabuľku bodov kompenzácie studeného spoja</translation>
    </message>
    <message>
        <source> Linearization Graph</source>
        <translation> Graf linearizácie</translation>
    </message>
    <message>
        <source> Cold Junction Compensation Graph</source>
        <translation> Graf kompenzácie studeného spoja</translation>
    </message>
    <message>
        <source>&amp;Add Coordinates to the Table</source>
        <translation>&amp;Pridať súradnice do tabuľky</translation>
    </message>
    <message>
        <source>&amp;Copy Graph to the Clipboard</source>
        <translation>&amp;Kopírovať graf do schránky</translation>
    </message>
    <message>
        <source>&amp;Save the Linearization Parameters</source>
        <translation>&amp;Uložiť parametre linearizácie</translation>
    </message>
    <message>
        <source>&amp;Load the Linearization Parameters</source>
        <translation>&amp;Načítať parametre linearizácie</translation>
    </message>
    <message>
        <source>Linearization Files (*.lin *.LIN)</source>
        <translation>Linearizačné súbory (*.lin *.LIN)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Všetky súbory (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Súbor</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>Na&amp;stavenie tlačiarne</translation>
    </message>
    <message>
        <source>&amp;Print the Linearization Parameters</source>
        <translation>&amp;Tlač parametrov linearizácie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Úp&amp;ravy</translation>
    </message>
    <message>
        <source>Edit the &amp;Linear Table</source>
        <translation>Upraviť &amp;linearizačnú tabuľku</translation>
    </message>
    <message>
        <source>Edit the Cold &amp;Junction Compensation</source>
        <translation>Upraviť &amp;kompenzáciu studeného spoja</translation>
    </message>
    <message>
        <source>Edit the &amp;Sensor-Specific Characterization</source>
        <translation>Upraviť &amp;charakteristiku snímača</translation>
    </message>
    <message>
        <source>&amp;Clear the Table for Linearization</source>
        <translation>&amp;Vymazať tabuľku linearizácie</translation>
    </message>
    <message>
        <source>Clear the Table for Cold Junction C&amp;ompensation</source>
        <translation>Vymazať tabuľku kompenzácie &amp;studeného spoja</translation>
    </message>
    <message>
        <source>Set &amp;Default Linearization</source>
        <translation>Nastaviť &amp;predvolenú linearizáciu</translation>
    </message>
    <message>
        <source>Set Default Linearization &amp;and CJ Compensation</source>
        <translation>Nastaviť predvolenú linearizáciu &amp;a kompenzáciu SS</translation>
    </message>
    <message>
        <source>&amp;Approximation</source>
        <translation>&amp;Aproximácia</translation>
    </message>
    <message>
        <source>&amp;Linearization</source>
        <translation>&amp;Linearizácia</translation>
    </message>
    <message>
        <source>&amp;Cold Junction Compensation</source>
        <translation>&amp;Kompenzácia studeného spoja</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Graf</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomocník</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Obsah</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Register</translation>
    </message>
    <message>
        <source>Start of X :</source>
        <translation>Začiatok X :</translation>
    </message>
    <message>
        <source>End of X :</source>
        <translation>Koniec X :</translation>
    </message>
    <message>
        <source>Start of Y :</source>
        <translation>Začiatok Y :</translation>
    </message>
    <message>
        <source>End of Y :</source>
        <translation>Koniec Y :</translation>
    </message>
    <message>
        <source>Units of  X : </source>
        <translation>Jednotky X : </translation>
    </message>
    <message>
        <source>Units of Y :</source>
        <translation>Jednotky Y :</translation>
    </message>
    <message>
        <source>Display Configuration</source>
        <translation>Konfigurácia displeja</translation>
    </message>
    <message>
        <source> None Decimal Place</source>
        <translation> Bez desatinného miesta</translation>
    </message>
    <message>
        <source> 1 Decimal Place</source>
        <translation> 1 desatinné miesto</translation>
    </message>
    <message>
        <source> 2 Decimal Places</source>
        <translation> 2 desatinné miesta</translation>
    </message>
    <message>
        <source>Linearization Approximation</source>
        <translation>Aproximácia linearizácie</translation>
    </message>
    <message>
        <source>Clear Table</source>
        <translation>Vymazať tabuľku</translation>
    </message>
    <message>
        <source>Units of the X-Values: </source>
        <translation>Jednotky hodnôt X: </translation>
    </message>
    <message>
        <source>CJ Compensation Approximate</source>
        <translation>Aproximovať kompenzáciu SS</translation>
    </message>
    <message>
        <source>Default Constants (IEC 751/A2)</source>
        <translation>Predvolené konštanty (IEC 751/A2)</translation>
    </message>
    <message>
        <source>for -200 °C to 0 °C:</source>
        <translation>pre -200 °C až 0 °C:</translation>
    </message>
    <message>
        <source>Rt = R0 * [1 + A*t + B*t^2 + C*( t- 100°C )*t^3] </source>
        <translation>Rt = R0 * [1 + A*t + B*t^2 + C*( t- 100°C )*t^3] </translation>
    </message>
    <message>
        <source>for 0 °C to 850 °C:</source>
        <translation>pre 0 °C až 850 °C:</translation>
    </message>
    <message>
        <source>Rt = R0 * (1 + A*t + B*t^2)</source>
        <translation>Rt = R0 * (1 + A*t + B*t^2)</translation>
    </message>
    <message>
        <source>Sensor-Specific Constants according to IEC 751/A2 </source>
        <translation>Konštanty snímača podľa IEC 751/A2 </translation>
    </message>
    <message>
        <source>Resistance at Temperature 0°C:</source>
        <translation>Odpor pri teplote 0°C:</translation>
    </message>
    <message>
        <source>Resistance at Temperature T1:</source>
        <translation>Odpor pri teplote T1:</translation>
    </message>
    <message>
        <source>One-Point Calibration according to IEC 751/A2 </source>
        <translation>Jednobodová kalibrácia podľa IEC 751/A2 </translation>
    </message>
    <message>
        <source>Calculate Linearization according to Constants</source>
        <translation>Vypočítať linearizáciu podľa konštánt</translation>
    </message>
    <message>
        <source>&amp;Export the Linearization Parameters as PDF…</source>
        <translation>&amp;Export parametrov linearizácie do PDF…</translation>
    </message>
    <message>
        <source>Load the Linearization Parameters</source>
        <translation>Načítať parametre linearizácie</translation>
    </message>
    <message>
        <source>Save the Linearization Parameters</source>
        <translation>Uložiť parametre linearizácie</translation>
    </message>
</context>
<context>
    <name>lmk17::TMainForm</name>
    <message>
        <source>&amp;Load Configuration</source>
        <translation>&amp;Načítať konfiguráciu</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>&amp;Uložiť konfiguráciu</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>Na&amp;stavenie tlačiarne</translation>
    </message>
    <message>
        <source>&amp;Print Configuration</source>
        <translation>&amp;Tlač konfigurácie</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Späť</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>Čítanie &amp;konfigurácie</translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation>&amp;Zápis konfigurácie</translation>
    </message>
    <message>
        <source>Set &amp;Default Configuration</source>
        <translation>Nastaviť &amp;predvolenú konfiguráciu</translation>
    </message>
    <message>
        <source>View &amp;Ordering Code</source>
        <translation>Zobraziť &amp;objednávací kód</translation>
    </message>
    <message>
        <source>Read Wor&amp;king Time</source>
        <translation>Čítať &amp;dobu prevádzky</translation>
    </message>
    <message>
        <source>Read &amp;Primary Variable Value</source>
        <translation>Čítať &amp;hodnotu meranej veličiny</translation>
    </message>
    <message>
        <source>Read Cold &amp;Junction Temperature</source>
        <translation>Čítať &amp;teplotu studeného spoja</translation>
    </message>
    <message>
        <source>Monitoring &amp;START</source>
        <translation>&amp;Monitorovanie ŠTART</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Monitoring S&amp;TOP</source>
        <translation>Monitorovanie &amp;STOP</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>View the Monitoring &amp;Graph</source>
        <translation>Zobraziť &amp;graf monitorovania</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Monitoring P&amp;arameters</source>
        <translation>Par&amp;ametre monitorovania</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Vstup</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>Vý&amp;stup</translation>
    </message>
    <message>
        <source>I&amp;nformation</source>
        <translation>&amp;Informácie</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>Nás&amp;troje</translation>
    </message>
    <message>
        <source>&amp;Monitoring</source>
        <translation>&amp;Monitorovanie</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Nastavenia</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Obsah</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Register</translation>
    </message>
    <message>
        <source>Ctrl+F1</source>
        <translation>Ctrl+F1</translation>
    </message>
    <message>
        <source>Browse &amp;WWW site</source>
        <translation>&amp;WWW stránky</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>O &amp;aplikácii ...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Súbor</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Úp&amp;ravy</translation>
    </message>
    <message>
        <source>&amp;Transmitter</source>
        <translation>&amp;Prevodník</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Zo&amp;braziť</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Nastavenia</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;cník</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Vstup</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Výstup</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informácie</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Nástroje</translation>
    </message>
    <message>
        <source>Monitoring</source>
        <translation>Monitorovanie</translation>
    </message>
    <message>
        <source>  Transmitter </source>
        <translation>  Prevodník </translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Čítať</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Zapísať</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Komunikácia</translation>
    </message>
    <message>
        <source>       File </source>
        <translation>       Súbor </translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Načítať</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>       Printer </source>
        <translation>       Tlačiareň </translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Nastavenie</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tlač</translation>
    </message>
    <message>
        <source> View Window About Application </source>
        <translation> Zobraziť okno O aplikácii </translation>
    </message>
    <message>
        <source> Read Configuration from Transmitter </source>
        <translation> Načítať konfiguráciu z prevodníka </translation>
    </message>
    <message>
        <source> Write Configuration to Transmitter </source>
        <translation> Zapísať konfiguráciu do prevodníka </translation>
    </message>
    <message>
        <source> Load Configuration from File </source>
        <translation> Načítať konfiguráciu zo súboru </translation>
    </message>
    <message>
        <source> Save Configuration to File </source>
        <translation> Uložiť konfiguráciu do súboru </translation>
    </message>
    <message>
        <source> Select Printer and Printer Setup </source>
        <translation> Výber a nastavenie tlačiarne </translation>
    </message>
    <message>
        <source> Print Configuration </source>
        <translation> Tlač konfigurácie </translation>
    </message>
    <message>
        <source> Transmitter Communication Parameters Setup </source>
        <translation> Nastavenie komunikačných parametrov prevodníka </translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Uložiť konfiguráciu</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Načítať konfiguráciu</translation>
    </message>
    <message>
        <source>Configuration Files (*.ptf *.PTF)</source>
        <translation>Konfiguračné súbory (*.ptf *.PTF)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Všetky súbory (*)</translation>
    </message>
    <message>
        <source> Save the configuration protocol as a PDF file </source>
        <translation> Uložiť protokol konfigurácie ako súbor PDF </translation>
    </message>
    <message>
        <source>&amp;Line Traffic</source>
        <translation>&amp;Prevádzka na linke</translation>
    </message>
    <message>
        <source>&amp;Compare with File…</source>
        <translation>&amp;Porovnať so súborom…</translation>
    </message>
    <message>
        <source>&amp;Compare with Transmitter</source>
        <translation>Po&amp;rovnať s prevodníkom</translation>
    </message>
    <message>
        <source>&amp;Restore from Backup…</source>
        <translation>&amp;Obnoviť zo zálohy…</translation>
    </message>
    <message>
        <source>&amp;Backups and Writing…</source>
        <translation>&amp;Zálohy a zápis…</translation>
    </message>
    <message>
        <source>Write to Se&amp;veral Transmitters…</source>
        <translation>Zápis do &amp;viacerých prevodníkov…</translation>
    </message>
</context>
<context>
    <name>lmk17::TMonGraphForm</name>
    <message>
        <source> Monitoring Graph</source>
        <translation> Graf monitorovania</translation>
    </message>
    <message>
        <source>&amp;Copy Graph to the Clipboard</source>
        <translation>&amp;Kopírovať graf do schránky</translation>
    </message>
    <message>
        <source>Show / Hide &amp;Grids</source>
        <translation>Zobraziť / skryť &amp;mriežku</translation>
    </message>
    <message>
        <source>C&amp;lear the Graph</source>
        <translation>&amp;Vymazať graf</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Obnoviť zväčšenie</translation>
    </message>
    <message>
        <source>&amp;Save Graph as PNG...</source>
        <translation>&amp;Uložiť graf ako PNG...</translation>
    </message>
    <message>
        <source>&amp;Export Points as CSV...</source>
        <translation>&amp;Exportovať body ako CSV...</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>Adresa %1</translation>
    </message>
    <message>
        <source>Do you really want to erase the graph?</source>
        <translation>Naozaj chcete vymazať graf?</translation>
    </message>
    <message>
        <source>The graph could not be saved as &quot;%1&quot;.</source>
        <translation>Graf nie je možné uložiť ako „%1“.</translation>
    </message>
    <message>
        <source>The points could not be exported to &quot;%1&quot;: %2</source>
        <translation>Body nie je možné exportovať do „%1“: %2</translation>
    </message>
    <message>
        <source>Save Graph as PNG</source>
        <translation>Uložiť graf ako PNG</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Obrázky PNG (*.png)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Všetky súbory (*)</translation>
    </message>
    <message>
        <source>Export Points as CSV</source>
        <translation>Exportovať body ako CSV</translation>
    </message>
    <message>
        <source>CSV, comma separated (*.csv)</source>
        <translation>CSV, oddelené čiarkou (*.csv)</translation>
    </message>
    <message>
        <source>CSV, semicolon separated, decimal comma (*.csv)</source>
        <translation>CSV, oddelené bodkočiarkou, desatinná čiarka (*.csv)</translation>
    </message>
</context>
<context>
    <name>lmk17::TMonParForm</name>
    <message>
        <source> Monitoring Parameters</source>
        <translation> Parametre monitorovania</translation>
    </message>
    <message>
        <source>Time Interval [s]:</source>
        <translation>Časový interval [s]:</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Záznamy</translation>
    </message>
    <message>
        <source>Graph of the PV Value History:</source>
        <translation>Graf histórie hodnoty PV:</translation>
    </message>
    <message>
        <source> None</source>
        <translation> Žiadne</translation>
    </message>
    <message>
        <source> Cross</source>
        <translation> Krížik</translation>
    </message>
    <message>
        <source> Solid Circle</source>
        <translation> Plný kruh</translation>
    </message>
    <message>
        <source> Solid Square</source>
        <translation> Plný štvorec</translation>
    </message>
    <message>
        <source> Small Solid Circle</source>
        <translation> Malý plný kruh</translation>
    </message>
    <message>
        <source> Small Solid Square</source>
        <translation> Malý plný štvorec</translation>
    </message>
    <message>
        <source>Graph Point Symbols:</source>
        <translation>Symboly bodov grafu:</translation>
    </message>
    <message>
        <source>Log Format :</source>
        <translation>Formát záznamu :</translation>
    </message>
    <message>
        <source> &apos; , &apos; - Dash</source>
        <translation> &apos; , &apos; - čiarka</translation>
    </message>
    <message>
        <source> &apos; . &apos; - Dot </source>
        <translation> &apos; . &apos; - bodka </translation>
    </message>
    <message>
        <source>Decimal Separator:</source>
        <translation>Desatinný oddeľovač:</translation>
    </message>
    <message>
        <source>Number of Significant Places of the PV:</source>
        <translation>Počet platných miest PV:</translation>
    </message>
    <message>
        <source>Write all Records</source>
        <translation>Zapisovať všetky záznamy</translation>
    </message>
    <message>
        <source>Write when:</source>
        <translation>Zapisovať, keď:</translation>
    </message>
    <message>
        <source>Change of the PV Value i more than [%] :</source>
        <translation>zmena hodnoty PV je väčšia ako [%] :</translation>
    </message>
    <message>
        <source>Transmitter is in Error State</source>
        <translation>prevodník je v chybovom stave</translation>
    </message>
    <message>
        <source>Communication Error appears</source>
        <translation>nastane chyba komunikácie</translation>
    </message>
    <message>
        <source>With Time Period  [sec] :</source>
        <translation>S periódou  [sec] :</translation>
    </message>
    <message>
        <source>Monitor the Transmitter:</source>
        <translation>Monitorovať prevodník:</translation>
    </message>
    <message>
        <source>with the Address</source>
        <translation>s adresou</translation>
    </message>
    <message>
        <source>e.g. 0,3,5-7</source>
        <translation>napr. 0,3,5-7</translation>
    </message>
    <message>
        <source>Several transmitters on one line, polled in turn each cycle (up to 32 addresses). Empty: the one address above.</source>
        <translation>Viac prevodníkov na jednom vedení, v každom cykle dopytovaných postupne (až 32 adries). Prázdne: len adresa vyššie.</translation>
    </message>
    <message>
        <source>or the Addresses:</source>
        <translation>alebo adresy:</translation>
    </message>
    <message>
        <source>Write Records to the Log File :</source>
        <translation>Zapisovať záznamy do súboru záznamu :</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Pripojiť</translation>
    </message>
    <message>
        <source>Rewrite</source>
        <translation>Prepísať</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: %2</source>
        <translation>Zoznam adries „%1“ nie je možné použiť: %2</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>Súbor záznamu</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Všetky súbory (*)</translation>
    </message>
    <message>
        <source>Windows-1250</source>
        <translation>Windows-1250</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Text Log Encoding:</source>
        <translation>Kódovanie textového záznamu:</translation>
    </message>
</context>
<context>
    <name>lmk17::TMonitoringPage</name>
    <message>
        <source>Start </source>
        <translation>Štart </translation>
    </message>
    <message>
        <source>Stop </source>
        <translation>Stop </translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parametre</translation>
    </message>
    <message>
        <source>View Graph</source>
        <translation>Zobraziť graf</translation>
    </message>
    <message>
        <source>Clear Log </source>
        <translation>Vymazať záznam </translation>
    </message>
    <message>
        <source>The communication port was lost; trying to open it again every 2 s.</source>
        <translation>Komunikačný port sa stratil; každé 2 s sa ho pokúsim znova otvoriť.</translation>
    </message>
    <message>
        <source>Reading the transmitter</source>
        <translation>Čítanie prevodníka</translation>
    </message>
    <message>
        <source>Log not written</source>
        <translation>Protokol sa nezapisuje</translation>
    </message>
    <message>
        <source>The lines of the monitoring log are not reaching the log file; they are counted, and the log says how many when writing resumes.</source>
        <translation>Riadky protokolu monitorovania sa nedostávajú do súboru protokolu; počítajú sa a protokol po obnovení zápisu uvedie ich počet.</translation>
    </message>
    <message>
        <source>Monitoring activity</source>
        <translation>Činnosť monitorovania</translation>
    </message>
    <message>
        <source>Monitoring activity: green while the transmitter is being read, red when the communication port is lost</source>
        <translation>Činnosť monitorovania: zelená pri čítaní prevodníka, červená pri strate komunikačného portu</translation>
    </message>
</context>
<context>
    <name>lmk17::TOutRangePicture</name>
    <message>
        <source>limit</source>
        <translation>limit</translation>
    </message>
    <message>
        <source>error</source>
        <translation>chyba</translation>
    </message>
    <message>
        <source>Lower Range Value</source>
        <translation>Začiatok rozsahu</translation>
    </message>
    <message>
        <source>Upper Range Value</source>
        <translation>Koniec rozsahu</translation>
    </message>
</context>
<context>
    <name>lmk17::TOutputPage</name>
    <message>
        <source>Output Range</source>
        <translation>Výstupný rozsah</translation>
    </message>
    <message>
        <source>Output Type:</source>
        <translation>Typ výstupu:</translation>
    </message>
    <message>
        <source>Output Limits and Error Outputs</source>
        <translation>Medze výstupu a chybové výstupy</translation>
    </message>
    <message>
        <source>Lower Output Range:</source>
        <translation>Začiatok výstupného rozsahu:</translation>
    </message>
    <message>
        <source>Upper Output Range:</source>
        <translation>Koniec výstupného rozsahu:</translation>
    </message>
    <message>
        <source>Lower Output Limit:</source>
        <translation>Dolná medza výstupu:</translation>
    </message>
    <message>
        <source>Upper Output Limit:</source>
        <translation>Horná medza výstupu:</translation>
    </message>
    <message>
        <source>Lower Error Output:</source>
        <translation>Dolný chybový výstup:</translation>
    </message>
    <message>
        <source>Upper Error Output:</source>
        <translation>Horný chybový výstup:</translation>
    </message>
    <message>
        <source>Default Parameters</source>
        <translation>Predvolené parametre</translation>
    </message>
</context>
<context>
    <name>lmk17::TPodpisForm</name>
    <message>
        <source>  Sign and Note</source>
        <translation>  Podpis a poznámka</translation>
    </message>
    <message>
        <source>&amp;Configured by :</source>
        <translation>&amp;Konfiguroval :</translation>
    </message>
    <message>
        <source>&amp;Note :</source>
        <translation>&amp;Poznámka :</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušiť</translation>
    </message>
</context>
<context>
    <name>lmk17::TSettingsForm</name>
    <message>
        <source>Baud Rate</source>
        <translation>Prenosová rýchlosť</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parita</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source> Pick a serial port, or type the path of a device (e.g. a terminal of lmk17-sim) and press Enter </source>
        <translation> Vyberte sériový port alebo zadajte cestu k zariadeniu (napr. terminál lmk17-sim) a stlačte Enter </translation>
    </message>
    <message>
        <source>Serial Port:</source>
        <translation>Sériový port:</translation>
    </message>
    <message>
        <source>Transmitter (DA):</source>
        <translation>Prevodník (DA):</translation>
    </message>
    <message>
        <source>PC (SA):</source>
        <translation>PC (SA):</translation>
    </message>
    <message>
        <source>%1: no such device.</source>
        <translation>%1: také zariadenie neexistuje.</translation>
    </message>
    <message>
        <source>LMK-17</source>
        <translation>LMK-17</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Jazyk:</translation>
    </message>
    <message>
        <source>&amp;Search…</source>
        <translation>&amp;Hľadať…</translation>
    </message>
    <message>
        <source> Find the transmitters on the line whatever their address, baud rate and parity </source>
        <translation> Nájde prevodníky na linke bez ohľadu na ich adresu, prenosovú rýchlosť a paritu </translation>
    </message>
</context>
<context>
    <name>lmk17::TToolsPage</name>
    <message>
        <source>  Primary Variable and Output  </source>
        <translation>  Primárna veličina a výstup  </translation>
    </message>
    <message>
        <source>  Cold Junction Temperature  </source>
        <translation>  Teplota studeného spoja  </translation>
    </message>
    <message>
        <source>Read from Transmitter</source>
        <translation>Načítať z prevodníka</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>  Working Time  </source>
        <translation>  Doba prevádzky  </translation>
    </message>
    <message>
        <source>Refresh Working Time</source>
        <translation>Obnoviť dobu prevádzky</translation>
    </message>
    <message>
        <source>Interval Reading, with Time Interval [s] :</source>
        <translation>Periodické čítanie, s časovým intervalom [s] :</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Výstup:</translation>
    </message>
    <message>
        <source>  &amp;Output Testing  </source>
        <translation>  &amp;Testovanie výstupu  </translation>
    </message>
    <message>
        <source>Output Value %1:</source>
        <translation>Hodnota výstupu %1:</translation>
    </message>
    <message>
        <source>Output Current Value 1-3 Automatic Setting, with Time Interval [s] :</source>
        <translation>Automatické nastavovanie výstupného prúdu 1-3, s časovým intervalom [s] :</translation>
    </message>
    <message>
        <source>Exit Testing</source>
        <translation>Ukončiť testovanie</translation>
    </message>
    <message>
        <source>Output Value %1</source>
        <translation>Výstupná hodnota %1</translation>
    </message>
    <message>
        <source>Automatic Setting, Time Interval [s]</source>
        <translation>Automatické nastavenie, časový interval [s]</translation>
    </message>
    <message>
        <source>Interval Reading, Time Interval [s]</source>
        <translation>Čítanie v intervaloch, časový interval [s]</translation>
    </message>
</context>
<context>
    <name>HousingDrawing</name>
    <message>
        <source>input 1–4</source>
        <translation>vstup 1–4</translation>
    </message>
    <message>
        <source>output and relays</source>
        <translation>výstup a relé</translation>
    </message>
    <message>
        <source>output</source>
        <translation>výstup</translation>
    </message>
    <message>
        <source>sensor head mount</source>
        <translation>montáž do hlavice snímača</translation>
    </message>
</context>
<context>
    <name>lmk17::TColorSchemeMenu</name>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Farby</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Svetlé</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Tmavé</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Podľa systému</translation>
    </message>
</context>
<context>
    <name>lmk17::TLineTrafficForm</name>
    <message>
        <source>Line Traffic</source>
        <translation>Prevádzka na linke</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Čas (ms)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Smer</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bajty</translation>
    </message>
    <message>
        <source>Decoded</source>
        <translation>Dekódované</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Vyhodnotenie</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastaviť</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovať</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazať</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovať</translation>
    </message>
    <message>
        <source>Save as Text…</source>
        <translation>Uložiť ako text…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Frames on the line</source>
        <translation>Rámce na linke</translation>
    </message>
    <message>
        <source> Stop the list while the line goes on; the frames are kept </source>
        <translation> Zastaví zoznam, linka beží ďalej; rámce sa uchovajú </translation>
    </message>
    <message>
        <source> Copy the selected lines, or all listed lines when none is selected </source>
        <translation> Skopíruje vybrané riadky, alebo všetky zobrazené, keď nie je vybraný žiadny </translation>
    </message>
    <message>
        <source>Filter by address</source>
        <translation>Filter podľa adresy</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Všetky adresy</translation>
    </message>
    <message>
        <source>Filter by parameter</source>
        <translation>Filter podľa parametra</translation>
    </message>
    <message>
        <source>All parameters</source>
        <translation>Všetky parametre</translation>
    </message>
    <message>
        <source>Filter by verdict</source>
        <translation>Filter podľa vyhodnotenia</translation>
    </message>
    <message>
        <source>All verdicts</source>
        <translation>Všetky vyhodnotenia</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresa:</translation>
    </message>
    <message>
        <source>P&amp;arameter:</source>
        <translation>P&amp;arameter:</translation>
    </message>
    <message>
        <source>&amp;Verdict:</source>
        <translation>&amp;Vyhodnotenie:</translation>
    </message>
    <message>
        <source>Save Line Traffic</source>
        <translation>Uložiť prevádzku na linke</translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Textové súbory (*.txt);;Všetky súbory (*)</translation>
    </message>
    <message>
        <source>Frames listed: %1</source>
        <translation>Zobrazené rámce: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Pozastavené: %1</translation>
    </message>
    <message>
        <source>; %1 not listed (more than the buffer holds)</source>
        <translation>; %1 nezobrazených (viac, než pojme vyrovnávacia pamäť)</translation>
    </message>
    <message>
        <source>request</source>
        <translation>požiadavka</translation>
    </message>
    <message>
        <source>repeat</source>
        <translation>opakovanie</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>odpoveď</translation>
    </message>
    <message>
        <source>echo dropped</source>
        <translation>ozvena zahodená</translation>
    </message>
    <message>
        <source>noise dropped</source>
        <translation>šum zahodený</translation>
    </message>
    <message>
        <source>misshapen</source>
        <translation>poškodený rámec</translation>
    </message>
    <message>
        <source>late</source>
        <translation>neskoro</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>vypršal čas</translation>
    </message>
</context>
<context>
    <name>lmk17::TSearchForm</name>
    <message>
        <source>Search for Transmitters</source>
        <translation>Hľadanie prevodníkov</translation>
    </message>
    <message>
        <source>Find every transmitter on the line</source>
        <translation>Nájsť všetky prevodníky na linke</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hľadať</translation>
    </message>
    <message>
        <source>Cancel Search</source>
        <translation>Zrušiť hľadanie</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Použiť</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Transmitters found</source>
        <translation>Nájdené prevodníky</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Prenosová rýchlosť</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parita</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmvér</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Výrobné číslo</translation>
    </message>
    <message>
        <source>Input Range</source>
        <translation>Vstupný rozsah</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Priebeh hľadania</translation>
    </message>
    <message>
        <source> Talk to the transmitter picked: its address, baud rate and parity become the program&apos;s communication parameters </source>
        <translation> Komunikovať s vybraným prevodníkom: jeho adresa, prenosová rýchlosť a parita sa stanú komunikačnými parametrami programu </translation>
    </message>
    <message>
        <source>The search cannot start: connect a serial port first, and wait until the operation under way has ended.</source>
        <translation>Hľadanie nemožno spustiť: najprv pripojte sériový port a počkajte, kým skončí prebiehajúca operácia.</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Hľadám…</translation>
    </message>
    <message>
        <source>(not identified)</source>
        <translation>(neidentifikovaný)</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>Hľadanie zrušené.</translation>
    </message>
    <message>
        <source>No transmitter answered.</source>
        <translation>Žiadny prevodník neodpovedal.</translation>
    </message>
    <message>
        <source>Transmitters found: %1. Pick one and press Use.</source>
        <translation>Nájdené prevodníky: %1. Vyberte jeden a stlačte Použiť.</translation>
    </message>
</context>
<context>
    <name>lmk17::TCompareForm</name>
    <message>
        <source>Compare Configurations</source>
        <translation>Porovnanie konfigurácií</translation>
    </message>
    <message>
        <source>This Configuration</source>
        <translation>Táto konfigurácia</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>Prevodník</translation>
    </message>
    <message>
        <source>Show all fields</source>
        <translation>Zobraziť všetky položky</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Tlač…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exportovať do PDF…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Fields compared</source>
        <translation>Porovnané položky</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Položka</translation>
    </message>
    <message>
        <source>Configuration Comparison</source>
        <translation>Porovnanie konfigurácie</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Date: </source>
        <translation>Dátum: </translation>
    </message>
    <message>
        <source> Configuration Comparison </source>
        <translation> Porovnanie konfigurácie </translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Položka</translation>
    </message>
    <message>
        <source>1 field differs.</source>
        <translation>Líši sa 1 položka.</translation>
    </message>
    <message>
        <source>Fields that differ: %1.</source>
        <translation>Počet rozdielnych položiek: %1.</translation>
    </message>
    <message>
        <source>The listed values are equal; the stored values differ in: %1.</source>
        <translation>Zobrazené hodnoty sú rovnaké; uložené hodnoty sa líšia v: %1.</translation>
    </message>
    <message>
        <source>The configurations are equal.</source>
        <translation>Konfigurácie sú rovnaké.</translation>
    </message>
</context>
<context>
    <name>lmk17::TRestoreForm</name>
    <message>
        <source>Restore</source>
        <translation>Obnoviť</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Obnoviť zo zálohy</translation>
    </message>
    <message>
        <source>Backups of the transmitter</source>
        <translation>Zálohy prevodníka</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Vytvorené</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rozsah</translation>
    </message>
    <message>
        <source>Differing fields</source>
        <translation>Odlišné polia</translation>
    </message>
    <message>
        <source>Restore the chosen backup</source>
        <translation>Obnoviť vybranú zálohu</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Súbor nemožno prečítať.</translation>
    </message>
    <message>
        <source>No backups of transmitter %1 were found in %2.</source>
        <translation>V %2 sa nenašli žiadne zálohy prevodníka %1.</translation>
    </message>
    <message>
        <source>(no backup folder)</source>
        <translation>(žiadny priečinok záloh)</translation>
    </message>
    <message>
        <source>Backups of transmitter %1 in %2:</source>
        <translation>Zálohy prevodníka %1 v %2:</translation>
    </message>
</context>
<context>
    <name>lmk17::TBackupSettingsForm</name>
    <message>
        <source>Backups and Writing</source>
        <translation>Zálohy a zápis</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Prehľadávať…</translation>
    </message>
    <message>
        <source>Show the changes and ask before writing</source>
        <translation>Pred zápisom zobraziť zmeny a opýtať sa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Priečinok záloh</translation>
    </message>
    <message>
        <source>Empty: %1</source>
        <translation>Prázdne: %1</translation>
    </message>
    <message>
        <source>Choose the backup folder</source>
        <translation>Vybrať priečinok záloh</translation>
    </message>
    <message>
        <source>Backups kept per transmitter</source>
        <translation>Počet záloh na prevodník</translation>
    </message>
    <message>
        <source>Backup folder:</source>
        <translation>Priečinok záloh:</translation>
    </message>
    <message>
        <source>Backups kept per transmitter:</source>
        <translation>Počet záloh na prevodník:</translation>
    </message>
    <message>
        <source>Before every write the configuration the transmitter holds is kept in the backup folder, in a folder of its own per serial number. Backups newer than a week are never deleted.</source>
        <translation>Pred každým zápisom sa konfigurácia, ktorú prevodník obsahuje, uloží do priečinka záloh, do vlastného priečinka podľa výrobného čísla. Zálohy mladšie ako týždeň sa nikdy nemažú.</translation>
    </message>
</context>
<context>
    <name>BatchWrite</name>
    <message>
        <source>Enter the addresses of the transmitters, e.g. 1-8 or 1,3,5-7 (0..31).</source>
        <translation>Zadajte adresy prevodníkov, napr. 1-8 alebo 1,3,5-7 (0..31).</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>zapísané a overené</translation>
    </message>
    <message>
        <source>unchanged: it held the configuration</source>
        <translation>bez zmeny: konfiguráciu už obsahoval</translation>
    </message>
    <message>
        <source>FAILED: written, but reading it back gives other values</source>
        <translation>CHYBA: zapísané, ale spätné čítanie dáva iné hodnoty</translation>
    </message>
    <message>
        <source>FAILED: no backup could be kept; nothing written</source>
        <translation>CHYBA: zálohu nemožno uložiť; nič nezapísané</translation>
    </message>
    <message>
        <source>FAILED: refused; nothing written</source>
        <translation>CHYBA: odmietnuté; nič nezapísané</translation>
    </message>
    <message>
        <source>FAILED: not confirmed; nothing written</source>
        <translation>CHYBA: nepotvrdené; nič nezapísané</translation>
    </message>
    <message>
        <source>FAILED: LEFT HALF-WRITTEN, write it again</source>
        <translation>CHYBA: ZÁPIS NEDOKONČENÝ, zapíšte znova</translation>
    </message>
    <message>
        <source>FAILED: no answer; nothing written</source>
        <translation>CHYBA: bez odpovede; nič nezapísané</translation>
    </message>
    <message>
        <source>FAILED: stopped before writing; nothing written</source>
        <translation>CHYBA: zastavené pred zápisom; nič nezapísané</translation>
    </message>
    <message>
        <source>; the protocol could not be written</source>
        <translation>; protokol nemožno zapísať</translation>
    </message>
    <message>
        <source>Written or already holding the configuration: %1 of %2.</source>
        <translation>Zapísané alebo konfiguráciu už obsahujú: %1 z %2.</translation>
    </message>
    <message>
        <source>Failed: %1.</source>
        <translation>Chybných: %1.</translation>
    </message>
    <message>
        <source>Cancelled; not written: %1.</source>
        <translation>Zrušené; nezapísané: %1.</translation>
    </message>
    <message>
        <source>LEFT HALF-WRITTEN: %1. Write them again.</source>
        <translation>ZÁPIS NEDOKONČENÝ: %1. Zapíšte ich znova.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Priečinok %1 nemožno vytvoriť.</translation>
    </message>
    <message>
        <source>Another operation is running: wait until it has ended.</source>
        <translation>Prebieha iná operácia: počkajte, kým skončí.</translation>
    </message>
    <message>
        <source>No communication port is connected.</source>
        <translation>Nie je pripojený žiadny komunikačný port.</translation>
    </message>
    <message>
        <source>There is no configuration to write: read or load one first.</source>
        <translation>Nie je čo zapísať: najprv konfiguráciu načítajte z prevodníka alebo zo súboru.</translation>
    </message>
    <message>
        <source>The configuration did not pass the check: correct it in the main window.</source>
        <translation>Konfigurácia neprešla kontrolou: opravte ju v hlavnom okne.</translation>
    </message>
    <message>
        <source>Transmitter Configuration Protocol</source>
        <translation>Protokol konfigurácie prevodníka</translation>
    </message>
    <message>
        <source>The folder %1 is not a full path. Give the whole path or choose it with Browse.</source>
        <translation>Priečinok %1 nie je úplná cesta. Zadajte celú cestu alebo ju vyberte tlačidlom Prehľadávať.</translation>
    </message>
</context>
<context>
    <name>lmk17::TBatchWriteForm</name>
    <message>
        <source>Browse…</source>
        <translation>Prehľadávať…</translation>
    </message>
    <message>
        <source>Ask about the changes before each transmitter is written</source>
        <translation>Pred zápisom každého prevodníka sa pýtať na zmeny</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Spustiť</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Write to Several Transmitters</source>
        <translation>Zápis do viacerých prevodníkov</translation>
    </message>
    <message>
        <source>The configuration shown in the main window is written into each transmitter of the list, one after another. Each keeps its own address, baud rate, parity and user note, and gets its backup and its verification as by Write.</source>
        <translation>Konfigurácia zobrazená v hlavnom okne sa zapíše postupne do každého prevodníka zo zoznamu. Každý si ponechá svoju adresu, prenosovú rýchlosť, paritu a poznámku používateľa a dostane svoju zálohu a overenie ako pri zápise.</translation>
    </message>
    <message>
        <source>Addresses of the transmitters</source>
        <translation>Adresy prevodníkov</translation>
    </message>
    <message>
        <source>e.g. 1-8 or 1,3,5-7</source>
        <translation>napr. 1-8 alebo 1,3,5-7</translation>
    </message>
    <message>
        <source>Folder for the protocols</source>
        <translation>Priečinok pre protokoly</translation>
    </message>
    <message>
        <source>(no protocols)</source>
        <translation>(bez protokolov)</translation>
    </message>
    <message>
        <source>Choose the folder for the protocols</source>
        <translation>Vybrať priečinok pre protokoly</translation>
    </message>
    <message>
        <source>Transmitters written</source>
        <translation>Zapisované prevodníky</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Výrobné číslo</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Výsledok</translation>
    </message>
    <message>
        <source>Start writing</source>
        <translation>Spustiť zápis</translation>
    </message>
    <message>
        <source>Cancel the writing</source>
        <translation>Zrušiť zápis</translation>
    </message>
    <message>
        <source>&amp;Addresses:</source>
        <translation>&amp;Adresy:</translation>
    </message>
    <message>
        <source>&amp;Protocols to:</source>
        <translation>&amp;Protokoly do:</translation>
    </message>
    <message>
        <source>Folder for the Protocols</source>
        <translation>Priečinok pre protokoly</translation>
    </message>
    <message>
        <source>Writing the transmitter at address %1 (%2 of %3)…</source>
        <translation>Zápis prevodníka na adrese %1 (%2 z %3)…</translation>
    </message>
</context>
</TS>
