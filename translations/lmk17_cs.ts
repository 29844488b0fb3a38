<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>App</name>
    <message>
        <source>  LMK-17 - %1</source>
        <translation>  LMK-17 - %1</translation>
    </message>
    <message>
        <source>Customer Setup Program for K8410 and K8620 Transmitters</source>
        <translation>Program pro nastavení převodníků K8410 a K8620</translation>
    </message>
    <message>
        <source> (demonstration on the software transmitter)</source>
        <translation> (ukázka na softwarovém převodníku)</translation>
    </message>
    <message>
        <source>Demonstration: software transmitter on %1, address %2 (no hardware needed).</source>
        <translation>Ukázka: softwarový převodník na %1, adresa %2 (bez hardwaru).</translation>
    </message>
    <message>
        <source>The demonstration transmitter could not be started: %1</source>
        <translation>Ukázkový převodník nelze spustit: %1</translation>
    </message>
    <message>
        <source>lmk17-sim, the software transmitter, was not found beside the program or on the PATH.</source>
        <translation>lmk17-sim, softwarový převodník, nebyl nalezen vedle programu ani v cestě PATH.</translation>
    </message>
    <message>
        <source>Do you really want to close application?</source>
        <translation>Opravdu chcete ukončit aplikaci?</translation>
    </message>
    <message>
        <source>The program is in monitoring mode. Stop the monitoring before closing the application.</source>
        <translation>Program je v režimu monitorování. Před ukončením aplikace monitorování zastavte.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:
%2</source>
        <translation>Nastavení nelze uložit do %1:
%2</translation>
    </message>
    <message>
        <source> About Application</source>
        <translation> O aplikaci</translation>
    </message>
    <message>
        <source>Program LMK-17</source>
        <translation>Program LMK-17</translation>
    </message>
    <message>
        <source>version  </source>
        <translation>verze  </translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Soubor nastavení: %1</translation>
    </message>
    <message>
        <source>Do you want to send an e-mail to %1?</source>
        <translation>Chcete poslat e-mail na %1?</translation>
    </message>
    <message>
        <source>Do you want to visit %1?</source>
        <translation>Chcete navštívit %1?</translation>
    </message>
    <message>
        <source>The help was not found. Looked for the folder %1.</source>
        <translation>Nápověda nebyla nalezena. Hledána složka %1.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>neznámá volba %1</translation>
    </message>
    <message>
        <source>lmk17-sim printed no device path</source>
        <translation>lmk17-sim nevypsal cestu k zařízení</translation>
    </message>
    <message>
        <source>LMK-17</source>
        <translation>LMK-17</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2</source>
        <translation>Soubor nastavení %1 nelze přečíst: %2</translation>
    </message>
    <message>
        <source>The linearization file %1 was not opened: the linearization editor needs a configuration whose input range takes a customer linearization. Read or load such a configuration, then load the file in the editor (Input page, Linearization).</source>
        <translation>Linearizační soubor %1 nebyl otevřen: editor linearizace potřebuje konfiguraci, jejíž vstupní rozsah používá zákaznickou linearizaci. Načtěte takovou konfiguraci z převodníku nebo ze souboru a pak soubor načtěte v editoru (stránka Vstup, Linearizace).</translation>
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
        <translation>použití: lmk17 [SOUBOR.ptf ...] [SOUBOR.lin ...]
         lmk17 --demo [volby lmk17-sim] [SOUBOR.ptf ...] [SOUBOR.lin ...]

Konfiguruje, testuje a monitoruje převodníky K8410 a K8620 přes sériový port.
Konfigurační soubory (.ptf) zadané na příkazovém řádku se načtou v pořadí;
platí poslední z nich. Linearizační soubor (.lin) se pak otevře v editoru
linearizace této konfigurace.

  --demo      spustí softwarový převodník (lmk17-sim, K8620L31 s firmwarem
              1.91 na adrese 0, pokud jeho volby neurčí jinak) na
              pseudoterminálu a připojí se k němu: každý příkaz lze vyzkoušet
              bez hardwaru; volby za --demo dostane lmk17-sim
              (lmk17-sim --help je vypíše), kromě souborů .ptf a .lin, které se
              otevřou na tomto převodníku jako výše
  --help      tento text
  --version   verze programu
</translation>
    </message>
    <message>
        <source>
The manual: %1 (the other languages in the folders beside it)
</source>
        <translation>
Příručka: %1 (ostatní jazyky ve složkách vedle ní)
</translation>
    </message>
    <message>
        <source>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Tento program je svobodný software: můžete jej šířit a upravovat podle podmínek licence GNU General Public License, verze 3 nebo (podle vaší volby) kterékoli pozdější verze (GPL-3.0-or-later). Je poskytován bez jakékoli záruky.</translation>
    </message>
    <message>
        <source>It uses Qt %1, licensed under the GNU Lesser General Public License, version 3 (LGPL-3.0).</source>
        <translation>Používá Qt %1 pod licencí GNU Lesser General Public License, verze 3 (LGPL-3.0).</translation>
    </message>
    <message>
        <source>The number of backups kept per transmitter must be a whole number from %1 to %2.</source>
        <translation>Počet záloh na převodník musí být celé číslo od %1 do %2.</translation>
    </message>
    <message>
        <source>The backup folder %1 is not a full path. Give the whole path or choose it with Browse.</source>
        <translation>Složka záloh %1 není úplná cesta. Zadejte celou cestu nebo ji vyberte tlačítkem Procházet.</translation>
    </message>
    <message>
        <source>The backup folder %1 is a file, not a folder.</source>
        <translation>Složka záloh %1 je soubor, ne složka.</translation>
    </message>
    <message>
        <source>The backup folder %1 does not exist and could not be created.</source>
        <translation>Složka záloh %1 neexistuje a nepodařilo se ji vytvořit.</translation>
    </message>
    <message>
        <source>Backups cannot be written into the folder %1.</source>
        <translation>Do složky %1 nelze zálohy zapisovat.</translation>
    </message>
    <message>
        <source>Output test mode is active: the transmitter&apos;s output stays at the test value after the program is closed. Leave output test mode before closing?</source>
        <translation>Převodník je v režimu testu výstupu: jeho výstup zůstane po ukončení programu na testovací hodnotě. Ukončit test výstupu před zavřením?</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source> R01  Resistance Sensor (0 to 400 ohm) without Linearization</source>
        <translation> R01  Odporový snímač (0 až 400 ohm) bez linearizace</translation>
    </message>
    <message>
        <source> R02  Resistance Sensor (0 to 4000 ohm) without Linearization</source>
        <translation> R02  Odporový snímač (0 až 4000 ohm) bez linearizace</translation>
    </message>
    <message>
        <source> R03  Potentiometer (Total Resistance 40 to 400 ohm)</source>
        <translation> R03  Potenciometr (celkový odpor 40 až 400 ohm)</translation>
    </message>
    <message>
        <source> R04  Potentiometer (Total Resistance 400 to 4000 ohm)</source>
        <translation> R04  Potenciometr (celkový odpor 400 až 4000 ohm)</translation>
    </message>
    <message>
        <source> R05  Voltage Sensor (-15 až 60 mV) without Linearization</source>
        <translation> R05  Napěťový snímač (-15 až 60 mV) bez linearizace</translation>
    </message>
    <message>
        <source> R06  Difference of Two RTD&apos;s (total resistance 400 ohm)</source>
        <translation> R06  Rozdíl dvou odporových teploměrů (celkový odpor 400 ohm)</translation>
    </message>
    <message>
        <source> R07  Difference of Two RTD&apos;s (total resistance 4000 ohm)</source>
        <translation> R07  Rozdíl dvou odporových teploměrů (celkový odpor 4000 ohm)</translation>
    </message>
    <message>
        <source> R11  Pt100 (-200 to 850 °C) with Linearization</source>
        <translation> R11  Pt100 (-200 až 850 °C) s linearizací</translation>
    </message>
    <message>
        <source> R12  Pt500 (-200 to 850 °C) with Linearization</source>
        <translation> R12  Pt500 (-200 až 850 °C) s linearizací</translation>
    </message>
    <message>
        <source> R13  Pt1000 (-200 to 850 °C) with Linearization</source>
        <translation> R13  Pt1000 (-200 až 850 °C) s linearizací</translation>
    </message>
    <message>
        <source> R14  Ni100 (-60 to 250 °C) with Linearization</source>
        <translation> R14  Ni100 (-60 až 250 °C) s linearizací</translation>
    </message>
    <message>
        <source> R15  Ni1000 (-60 to 250 °C) with Linearization</source>
        <translation> R15  Ni1000 (-60 až 250 °C) s linearizací</translation>
    </message>
    <message>
        <source> R51  Thermocouple &quot;J&quot; (-200 to 1000 °C) with Linearization</source>
        <translation> R51  Termočlánek &quot;J&quot; (-200 až 1000 °C) s linearizací</translation>
    </message>
    <message>
        <source> R52  Thermocouple &quot;K&quot; (-200 to 1300 °C) with Linearization</source>
        <translation> R52  Termočlánek &quot;K&quot; (-200 až 1300 °C) s linearizací</translation>
    </message>
    <message>
        <source> R53  Thermocouple &quot;N&quot; (-200 to 1300 °C) with Linearization</source>
        <translation> R53  Termočlánek &quot;N&quot; (-200 až 1300 °C) s linearizací</translation>
    </message>
    <message>
        <source> R54  Thermocouple &quot;R&quot; (-50 to 1700 °C) with Linearization</source>
        <translation> R54  Termočlánek &quot;R&quot; (-50 až 1700 °C) s linearizací</translation>
    </message>
    <message>
        <source> R55  Thermocouple &quot;S&quot; (-50 to 1700 °C) with Linearization</source>
        <translation> R55  Termočlánek &quot;S&quot; (-50 až 1700 °C) s linearizací</translation>
    </message>
    <message>
        <source> R56  Thermocouple &quot;T&quot; (-250 to 400 °C) with Linearization</source>
        <translation> R56  Termočlánek &quot;T&quot; (-250 až 400 °C) s linearizací</translation>
    </message>
    <message>
        <source> R57  Thermocouple &quot;B&quot; (0 to 1800 °C) with Linearization from 50°C</source>
        <translation> R57  Termočlánek &quot;B&quot; (0 až 1800 °C) s linearizací od 50°C</translation>
    </message>
    <message>
        <source> R58  Thermocouple &quot;E&quot; (-200 to 800 °C) with Linearization</source>
        <translation> R58  Termočlánek &quot;E&quot; (-200 až 800 °C) s linearizací</translation>
    </message>
    <message>
        <source> R59  Thermocouple &quot;L&quot; (-200 to 900 °C) with Linearization</source>
        <translation> R59  Termočlánek &quot;L&quot; (-200 až 900 °C) s linearizací</translation>
    </message>
    <message>
        <source> R71  Current Input -15 to 60 µA</source>
        <translation> R71  Proudový vstup -15 až 60 µA</translation>
    </message>
    <message>
        <source> R72  Current Input -150 to 600 µA</source>
        <translation> R72  Proudový vstup -150 až 600 µA</translation>
    </message>
    <message>
        <source> R73  Current Input -1500 to 6000 µA</source>
        <translation> R73  Proudový vstup -1500 až 6000 µA</translation>
    </message>
    <message>
        <source> R74  Current Input -6 to 24 mA</source>
        <translation> R74  Proudový vstup -6 až 24 mA</translation>
    </message>
    <message>
        <source> R75  Current Input -15 to 60 mA</source>
        <translation> R75  Proudový vstup -15 až 60 mA</translation>
    </message>
    <message>
        <source> R81  Voltage Input -250 to 1000 mV</source>
        <translation> R81  Napěťový vstup -250 až 1000 mV</translation>
    </message>
    <message>
        <source> R82  Voltage Input -2.5 to 10 V</source>
        <translation> R82  Napěťový vstup -2.5 až 10 V</translation>
    </message>
    <message>
        <source> R85  Potentiometer (Total Resistance 0.4 to 25 kohm)</source>
        <translation> R85  Potenciometr (celkový odpor 0.4 až 25 kohm)</translation>
    </message>
    <message>
        <source> R91  Customer Linearization for RTD (0 to 400 ohm)</source>
        <translation> R91  Zákaznická linearizace pro odporový teploměr (0 až 400 ohm)</translation>
    </message>
    <message>
        <source> R92  Customer Linearization for RTD (0 to 4000 ohm)</source>
        <translation> R92  Zákaznická linearizace pro odporový teploměr (0 až 4000 ohm)</translation>
    </message>
    <message>
        <source> R93  Customer Linearization for Potentiometer (40 to 400 ohm)</source>
        <translation> R93  Zákaznická linearizace pro potenciometr (40 až 400 ohm)</translation>
    </message>
    <message>
        <source> R94  Customer Linearization for Potentiometer (400 to 4000 ohm)</source>
        <translation> R94  Zákaznická linearizace pro potenciometr (400 až 4000 ohm)</translation>
    </message>
    <message>
        <source> R95  Customer Linearization for Other Voltage Sensor (Thermocouple)</source>
        <translation> R95  Zákaznická linearizace pro jiný napěťový snímač (termočlánek)</translation>
    </message>
    <message>
        <source> R96  Customer Linearization for Difference of Two RTD&apos;s (400 ohm)</source>
        <translation> R96  Zákaznická linearizace pro rozdíl dvou odporových teploměrů (400 ohm)</translation>
    </message>
    <message>
        <source> R97  Customer Linearization for Difference of Two RTD&apos;s (4000 ohm)</source>
        <translation> R97  Zákaznická linearizace pro rozdíl dvou odporových teploměrů (4000 ohm)</translation>
    </message>
    <message>
        <source> C1  2-Wire Connection of the Resistance Sensor</source>
        <translation> C1  Dvouvodičové připojení odporového snímače</translation>
    </message>
    <message>
        <source> C2  3-Wire Connection of the Resistance Sensor</source>
        <translation> C2  Třívodičové připojení odporového snímače</translation>
    </message>
    <message>
        <source> C3  4-Wire Connection of the Resistance Sensor</source>
        <translation> C3  Čtyřvodičové připojení odporového snímače</translation>
    </message>
    <message>
        <source> C4  Potentiometer Connection without Lead Resistance Compensation</source>
        <translation> C4  Připojení potenciometru bez kompenzace odporu vedení</translation>
    </message>
    <message>
        <source> C5  Potentiometer Connection with Lead Resistance Compensation</source>
        <translation> C5  Připojení potenciometru s kompenzací odporu vedení</translation>
    </message>
    <message>
        <source> C6  Connection of Voltage Sensor or T/C without CJ Compensation</source>
        <translation> C6  Připojení napěťového snímače nebo termočlánku bez kompenzace srovnávacího spoje</translation>
    </message>
    <message>
        <source> C7  Connection of T/C with Cold Junction Compensation</source>
        <translation> C7  Připojení termočlánku s kompenzací srovnávacího spoje</translation>
    </message>
    <message>
        <source> C8  Connection of Two 2-Wire Resistance Sensors</source>
        <translation> C8  Připojení dvou dvouvodičových odporových snímačů</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádná</translation>
    </message>
    <message>
        <source>current output 4 to 20 mA</source>
        <translation>proudový výstup 4 až 20 mA</translation>
    </message>
    <message>
        <source>current output 0 to 20 mA</source>
        <translation>proudový výstup 0 až 20 mA</translation>
    </message>
    <message>
        <source>voltage output 0 to 10 V</source>
        <translation>napěťový výstup 0 až 10 V</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Attention! Linearization table or cold junction compensation table does not correspond to input range. For proper function it is necessary to write/save the configuration again!</source>
        <translation>Pozor! Linearizační tabulka nebo tabulka kompenzace srovnávacího spoje neodpovídá vstupnímu rozsahu. Pro správnou funkci je nutné konfiguraci znovu zapsat nebo uložit!</translation>
    </message>
    <message>
        <source>Transmitter configuration corrupt. Last writing probably not successful. Default configuration will be pre-set!</source>
        <translation>Konfigurace převodníku je poškozena. Poslední zápis pravděpodobně nebyl úspěšný. Bude nastavena výchozí konfigurace!</translation>
    </message>
    <message>
        <source>Do you really want to pre-set default configuration? </source>
        <translation>Opravdu chcete nastavit výchozí konfiguraci? </translation>
    </message>
    <message>
        <source>Input range was changed, check configuration.</source>
        <translation>Vstupní rozsah byl změněn, zkontrolujte konfiguraci.</translation>
    </message>
    <message>
        <source> year, </source>
        <translation> rok, </translation>
    </message>
    <message>
        <source> years, </source>
        <translation> let, </translation>
    </message>
    <message>
        <source> day, </source>
        <translation> den, </translation>
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
        <translation> hodin, </translation>
    </message>
    <message>
        <source> minute, </source>
        <translation> minuta, </translation>
    </message>
    <message>
        <source> minutes, </source>
        <translation> minut, </translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> sekund</translation>
    </message>
    <message>
        <source>Picture not Available</source>
        <translation>Obrázek není k dispozici</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Nebyla nastavena žádná konfigurace převodníku.</translation>
    </message>
    <message>
        <source>You want to disable custom linearization now. It will be set default linearization and eventual custom linearization will be erased. Do you want to continue?</source>
        <translation>Chcete nyní vypnout zákaznickou linearizaci. Bude nastavena výchozí linearizace a případná zákaznická linearizace bude smazána. Chcete pokračovat?</translation>
    </message>
    <message>
        <source>lower range value</source>
        <translation>počátek rozsahu</translation>
    </message>
    <message>
        <source>upper range value</source>
        <translation>konec rozsahu</translation>
    </message>
    <message>
        <source>correction of sensor error at lower range value</source>
        <translation>korekce chyby snímače na počátku rozsahu</translation>
    </message>
    <message>
        <source>correction of sensor error at upper range value</source>
        <translation>korekce chyby snímače na konci rozsahu</translation>
    </message>
    <message>
        <source>damping</source>
        <translation>tlumení</translation>
    </message>
    <message>
        <source>lead resistance</source>
        <translation>odpor vedení</translation>
    </message>
    <message>
        <source>cold junction temperature</source>
        <translation>teplota srovnávacího spoje</translation>
    </message>
    <message>
        <source>limit comparator %d switching level</source>
        <translation>spínací úroveň limitního komparátoru %d</translation>
    </message>
    <message>
        <source>limit comparator %d hysteresis</source>
        <translation>hystereze limitního komparátoru %d</translation>
    </message>
    <message>
        <source>lower output range</source>
        <translation>počátek výstupního rozsahu</translation>
    </message>
    <message>
        <source>upper output range</source>
        <translation>konec výstupního rozsahu</translation>
    </message>
    <message>
        <source>lower output limit</source>
        <translation>dolní mez výstupu</translation>
    </message>
    <message>
        <source>upper output limit</source>
        <translation>horní mez výstupu</translation>
    </message>
    <message>
        <source>lower error output</source>
        <translation>dolní chybový výstup</translation>
    </message>
    <message>
        <source>upper error output</source>
        <translation>horní chybový výstup</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Nesprávný formát hodnoty: </translation>
    </message>
    <message>
        <source>Value of </source>
        <translation>Hodnota </translation>
    </message>
    <message>
        <source> is out of the range: </source>
        <translation> je mimo rozsah: </translation>
    </message>
    <message>
        <source>Value of correction at upper range value is higher than %.2g %% of input range.</source>
        <translation>Hodnota korekce na konci rozsahu je větší než %.2g %% vstupního rozsahu.</translation>
    </message>
    <message>
        <source>Value of correction at lower range value is higher than %.2g %% of input range.</source>
        <translation>Hodnota korekce na počátku rozsahu je větší než %.2g %% vstupního rozsahu.</translation>
    </message>
    <message>
        <source>Value of limit comparator %d hysteresis is higher than %.2g %% of input range.</source>
        <translation>Hodnota hystereze limitního komparátoru %d je větší než %.2g %% vstupního rozsahu.</translation>
    </message>
    <message>
        <source>Value of limit comparator %d hysteresis cannot be equal to zero for reverse switching mode. Normal switching mode was set.</source>
        <translation>Hystereze limitního komparátoru %d nemůže být pro inverzní režim spínání rovna nule. Byl nastaven normální režim spínání.</translation>
    </message>
    <message>
        <source>Span value is lower than %.2g%% of input range.</source>
        <translation>Rozpětí je menší než %.2g%% vstupního rozsahu.</translation>
    </message>
    <message>
        <source>Output span value is lower than %.2g %s, cannot continue.</source>
        <translation>Rozpětí výstupu je menší než %.2g %s, nelze pokračovat.</translation>
    </message>
    <message>
        <source>Saturation span value is lower than %.2g %s, cannot continue.</source>
        <translation>Rozpětí omezení výstupu je menší než %.2g %s, nelze pokračovat.</translation>
    </message>
    <message>
        <source>Error span value is lower than %.2g %s, cannot continue.</source>
        <translation>Rozpětí chybového výstupu je menší než %.2g %s, nelze pokračovat.</translation>
    </message>
    <message>
        <source>Some values of the configuration lie outside the range of the new linearization (measuring range, corrections or limit comparators). Correct them before the configuration is written or saved.</source>
        <translation>Některé hodnoty konfigurace leží mimo rozsah nové linearizace (měřicí rozsah, korekce nebo limitní komparátory). Opravte je, než konfiguraci zapíšete nebo uložíte.</translation>
    </message>
</context>
<context>
    <name>Configuration file</name>
    <message>
        <source>Configuration was not loaded, cancelled by user.</source>
        <translation>Konfigurace nebyla načtena, zrušeno uživatelem.</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file: &apos;%s&apos; not found.</source>
        <translation>Konfigurace nebyla načtena, soubor: &apos;%s&apos; nebyl nalezen.</translation>
    </message>
    <message>
        <source>Wrong file format or file: &apos;%s&apos; is damaged!</source>
        <translation>Chybný formát souboru nebo je soubor: &apos;%s&apos; poškozen!</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file is damaged or wrong type.</source>
        <translation>Konfigurace nebyla načtena, soubor je poškozen nebo nesprávného typu.</translation>
    </message>
    <message>
        <source>Configuration was read without any errors.</source>
        <translation>Konfigurace byla načtena bez chyb.</translation>
    </message>
    <message>
        <source>Configuration was not saved, cancelled by user.</source>
        <translation>Konfigurace nebyla uložena, zrušeno uživatelem.</translation>
    </message>
    <message>
        <source>File: &apos;%s&apos; already exists, do you want to overwrite it?</source>
        <translation>Soubor: &apos;%s&apos; již existuje, chcete jej přepsat?</translation>
    </message>
    <message>
        <source>Configuration was not saved, cannot open file: &apos;%s&apos;.</source>
        <translation>Konfigurace nebyla uložena, nelze otevřít soubor: &apos;%s&apos;.</translation>
    </message>
    <message>
        <source>Configuration was saved without any errors.</source>
        <translation>Konfigurace byla uložena bez chyb.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Nebyla nastavena žádná konfigurace převodníku.</translation>
    </message>
    <message>
        <source>Changes were not saved. Continue?</source>
        <translation>Změny nebyly uloženy. Pokračovat?</translation>
    </message>
    <message>
        <source>Configuration was not loaded, &apos;%s&apos; is a folder.</source>
        <translation>Konfigurace nebyla načtena, &apos;%s&apos; je složka.</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file: &apos;%s&apos; cannot be read:</source>
        <translation>Konfigurace nebyla načtena, soubor: &apos;%s&apos; nelze číst:</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The file is larger than %1 kB; no file of this program is.</source>
        <translation>Soubor je větší než %1 kB; žádný soubor tohoto programu takový není.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be written: %2</source>
        <translation>Soubor &apos;%1&apos; nelze zapsat: %2</translation>
    </message>
    <message>
        <source>Not a regular file (a device, a pipe or a socket)</source>
        <translation>Nejde o běžný soubor (je to zařízení, roura nebo soket)</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>lmk17en.hlp</source>
        <translation>lmk17cs.hlp</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Change of language will be applied after application restart!</source>
        <translation>Změna jazyka se projeví po novém spuštění aplikace!</translation>
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
        <translation>Linearizační tabulku nelze vypočítat, dokud nejsou zadány alespoň 2 body.</translation>
    </message>
    <message>
        <source>Cannot resolve the compensating table unless at least 2 points are entered.</source>
        <translation>Kompenzační tabulku nelze vypočítat, dokud nejsou zadány alespoň 2 body.</translation>
    </message>
    <message>
        <source>Data were not saved, cancelled by user.</source>
        <translation>Data nebyla uložena, zrušeno uživatelem.</translation>
    </message>
    <message>
        <source>Data were not saved, cannot open file: &apos;%1&apos;.</source>
        <translation>Data nebyla uložena, nelze otevřít soubor: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>File: &apos;%1&apos; already exists, do you want to overwrite it?</source>
        <translation>Soubor: &apos;%1&apos; již existuje, chcete jej přepsat?</translation>
    </message>
    <message>
        <source> Saving Data to File</source>
        <translation> Ukládání dat do souboru</translation>
    </message>
    <message>
        <source>Data was saved without any errors.</source>
        <translation>Data byla uložena bez chyb.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in table of the points for the linearization.</source>
        <translation>Data nelze uložit, dokud jsou chyby v tabulce bodů linearizace.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in table of the points for the cold junction compensation.</source>
        <translation>Data nelze uložit, dokud jsou chyby v tabulce bodů kompenzace srovnávacího spoje.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in &apos;Sensor-Specific Characterization&apos; section.</source>
        <translation>Data nelze uložit, dokud jsou chyby v části &apos;Charakteristika snímače&apos;.</translation>
    </message>
    <message>
        <source>Data was not loaded - wrong file format.</source>
        <translation>Data nebyla načtena - chybný formát souboru.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
 Error in the Section: [</source>
        <translation><byte value="xd"/>
 Chyba v sekci: [</translation>
    </message>
    <message>
        <source>Data was not loaded - unknown file format.</source>
        <translation>Data nebyla načtena - neznámý formát souboru.</translation>
    </message>
    <message>
        <source>Try later version or contact your supplier.</source>
        <translation>Zkuste novější verzi nebo kontaktujte svého dodavatele.</translation>
    </message>
    <message>
        <source>Data was not loaded, file contains data for another input range (</source>
        <translation>Data nebyla načtena, soubor obsahuje data pro jiný vstupní rozsah (</translation>
    </message>
    <message>
        <source> Loading Data from File</source>
        <translation> Načítání dat ze souboru</translation>
    </message>
    <message>
        <source>Data was not loaded, cancelled by user.</source>
        <translation>Data nebyla načtena, zrušeno uživatelem.</translation>
    </message>
    <message>
        <source>Data was not loaded, cannot open file: &apos;%1&apos;.</source>
        <translation>Data nebyla načtena, nelze otevřít soubor: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Incorrect format of the value in row n.%1 and column n.%2, please correct.</source>
        <translation>Nesprávný formát hodnoty v řádku č.%1 a sloupci č.%2, opravte ji prosím.</translation>
    </message>
    <message>
        <source>Value in row n.%1 and column n.%2 is out of range &lt; %3, %4 &gt; °C, please correct.</source>
        <translation>Hodnota v řádku č.%1 a sloupci č.%2 je mimo rozsah &lt; %3, %4 &gt; °C, opravte ji prosím.</translation>
    </message>
    <message>
        <source>Value in row n.%1 and column n.%2 is out of range &lt; %3, %4 &gt; Ohm, please correct.</source>
        <translation>Hodnota v řádku č.%1 a sloupci č.%2 je mimo rozsah &lt; %3, %4 &gt; Ohm, opravte ji prosím.</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Nesprávný formát hodnoty: </translation>
    </message>
    <message>
        <source>Sensor-Specific Constants.</source>
        <translation>Konstanty snímače.</translation>
    </message>
    <message>
        <source>Attention! Value %1 is bigger than upper limit selected input range %2.</source>
        <translation>Pozor! Hodnota %1 je větší než horní mez zvoleného vstupního rozsahu %2.</translation>
    </message>
    <message>
        <source>Data was not loaded, file: &apos;%1&apos; not found.</source>
        <translation>Data nebyla načtena, soubor: &apos;%1&apos; nebyl nalezen.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Je to složka.</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>Do not Disconnect Communication Cable!</source>
        <translation>Neodpojujte komunikační kabel!</translation>
    </message>
    <message>
        <source>%s serial port successfully connected.</source>
        <translation>Sériový port %s byl úspěšně připojen.</translation>
    </message>
    <message>
        <source>%s serial port cannot be connected.</source>
        <translation>Sériový port %s nelze připojit.</translation>
    </message>
    <message>
        <source>%s serial port disconnected.</source>
        <translation>Sériový port %s byl odpojen.</translation>
    </message>
    <message>
        <source>Attention! Setting of wrong communication parameters may lose communication with the transmitter! Changing this parameters is allowed experienced user only.</source>
        <translation>Pozor! Nastavení chybných komunikačních parametrů může způsobit ztrátu komunikace s převodníkem! Tyto parametry smí měnit pouze zkušený uživatel.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Nebyla nastavena žádná konfigurace převodníku.</translation>
    </message>
    <message>
        <source>Attention! You want to change the communication parameters to other than default.<byte value="xd"/>
Setting of wrong communication parameters may lose communication with the transmitter!<byte value="xd"/>
Do You really want to change the parameters?</source>
        <translation>Pozor! Chcete změnit komunikační parametry na jiné než výchozí.<byte value="xd"/>
Nastavením chybných komunikačních parametrů můžete ztratit spojení s převodníkem!<byte value="xd"/>
Opravdu chcete parametry změnit?</translation>
    </message>
    <message>
        <source>Changes is not valid immediately after writing the configuration, but after power down and power up!</source>
        <translation>Změny neplatí ihned po zápisu konfigurace, ale až po vypnutí a zapnutí napájení!</translation>
    </message>
    <message>
        <source> Not Connected</source>
        <translation> Nepřipojeno</translation>
    </message>
    <message>
        <source> Options</source>
        <translation> Nastavení</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Communication Parameters for Experts</source>
        <translation>Komunikační parametry pro odborníky</translation>
    </message>
    <message>
        <source>&amp;Default Parameters</source>
        <translation>&amp;Výchozí parametry</translation>
    </message>
    <message>
        <source> Transmitter Communication Parameters</source>
        <translation> Komunikační parametry převodníku</translation>
    </message>
    <message>
        <source>Attention! Setting of wrong paramaters may</source>
        <translation>Pozor! Nastavení chybných parametrů může</translation>
    </message>
    <message>
        <source>lose communication with the Transmitter!</source>
        <translation>ztrátu komunikace s převodníkem!</translation>
    </message>
    <message>
        <source>Default Params</source>
        <translation>Výchozí param.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Komunikace</translation>
    </message>
    <message>
        <source> None</source>
        <translation> Žádná</translation>
    </message>
    <message>
        <source> Odd</source>
        <translation> Lichá</translation>
    </message>
    <message>
        <source> Even</source>
        <translation> Sudá</translation>
    </message>
    <message>
        <source> OK.</source>
        <translation> OK.</translation>
    </message>
    <message>
        <source> ERROR: Error during Transmit.</source>
        <translation> CHYBA: Chyba při přenosu.</translation>
    </message>
    <message>
        <source> ERROR: Bad Parameters.</source>
        <translation> CHYBA: Chybné parametry.</translation>
    </message>
    <message>
        <source> ERROR: Bad Function.</source>
        <translation> CHYBA: Chybná funkce.</translation>
    </message>
    <message>
        <source> Application layer answered OK.</source>
        <translation> Aplikační vrstva odpověděla OK.</translation>
    </message>
    <message>
        <source> ERROR: Frame Error of the Incoming Message.</source>
        <translation> CHYBA: Chyba rámce přijaté zprávy.</translation>
    </message>
    <message>
        <source> ERROR: Bad CRC of the Incoming Message.</source>
        <translation> CHYBA: Chybný kontrolní součet přijaté zprávy.</translation>
    </message>
    <message>
        <source> ERROR: Error during Transmit (from Transmitter to PC).</source>
        <translation> CHYBA: Chyba při přenosu (z převodníku do PC).</translation>
    </message>
    <message>
        <source> ERROR: Bad Answer was received.</source>
        <translation> CHYBA: Přijata chybná odpověď.</translation>
    </message>
    <message>
        <source> ERROR: Timeout.</source>
        <translation> CHYBA: Vypršel časový limit.</translation>
    </message>
    <message>
        <source> ERROR: Unknown Answer: %d</source>
        <translation> CHYBA: Neznámá odpověď: %d</translation>
    </message>
    <message>
        <source>You may not open this port: add your user to the dialout group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>Tento port nemůžete otevřít: přidejte svého uživatele do skupiny dialout (sudo usermod -aG dialout $USER), pak se odhlaste a znovu přihlaste.</translation>
    </message>
    <message>
        <source>%s serial port lost; monitoring tries to reopen it every 2 s.</source>
        <translation>Sériový port %s byl ztracen; monitorování se jej každé 2 s pokouší znovu otevřít.</translation>
    </message>
    <message>
        <source> ERROR: Another device keeps sending on the line; the request could not be sent.</source>
        <translation> CHYBA: Na lince stále vysílá jiné zařízení; požadavek nebylo možné odeslat.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Žádná</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Lichá</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Sudá</translation>
    </message>
    <message>
        <source>No description from the system</source>
        <translation>Systém neuvádí žádný popis</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>výrobní číslo %1</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>Zařízení: %1</translation>
    </message>
    <message>
        <source>Stable name: %1</source>
        <translation>Stálý název: %1</translation>
    </message>
</context>
<context>
    <name>LinkParity</name>
    <message>
        <source>none</source>
        <translation>žádná</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>lichá</translation>
    </message>
    <message>
        <source>even</source>
        <translation>sudá</translation>
    </message>
</context>
<context>
    <name>Monitoring</name>
    <message>
        <source>The time interval must be a number of seconds from 1 to 1200. The previous value of %1 s is kept.</source>
        <translation>Časový interval musí být počet sekund od 1 do 1200. Ponechává se předchozí hodnota %1 s.</translation>
    </message>
    <message>
        <source>Do you really want to stop the monitoring mode?</source>
        <translation>Opravdu chcete ukončit režim monitorování?</translation>
    </message>
    <message>
        <source>Do you really want to erase records in window?</source>
        <translation>Opravdu chcete smazat záznamy v okně?</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be written. Monitoring goes on; the records are kept in the log window only.</source>
        <translation>Do souboru záznamu &quot;%1&quot; nelze zapisovat. Monitorování pokračuje; záznamy zůstávají jen v okně záznamu.</translation>
    </message>
    <message>
        <source>an empty item in the address list</source>
        <translation>prázdná položka v seznamu adres</translation>
    </message>
    <message>
        <source>not an address 0..31 or a range of them: %1</source>
        <translation>není adresa 0..31 ani jejich rozsah: %1</translation>
    </message>
    <message>
        <source>a range runs upwards: %1</source>
        <translation>rozsah musí stoupat: %1</translation>
    </message>
    <message>
        <source>address %1 is listed twice</source>
        <translation>adresa %1 je uvedena dvakrát</translation>
    </message>
    <message>
        <source>at most %1 addresses</source>
        <translation>nejvýše %1 adres</translation>
    </message>
    <message>
        <source>The time interval must be a number of seconds from 1 to 1200.</source>
        <translation>Časový interval musí být počet sekund od 1 do 1200.</translation>
    </message>
    <message>
        <source>The number of graph records must be a whole number from 20 to 2000.</source>
        <translation>Počet záznamů grafu musí být celé číslo od 20 do 2000.</translation>
    </message>
    <message>
        <source>The number of significant places of the PV must be a whole number from 3 to 25.</source>
        <translation>Počet platných míst PV musí být celé číslo od 3 do 25.</translation>
    </message>
    <message>
        <source>The change of the PV value must be a whole number of percent from 1 to 1000.</source>
        <translation>Změna hodnoty PV musí být celý počet procent od 1 do 1000.</translation>
    </message>
    <message>
        <source>The time period must be a whole number of seconds from 20 to 7200.</source>
        <translation>Časová perioda musí být celý počet sekund od 20 do 7200.</translation>
    </message>
    <message>
        <source>The previous value of %1 is kept.</source>
        <translation>Ponechává se předchozí hodnota %1.</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; holds records of another format (another header or separator); nothing was appended to it. Choose another file, or rewrite it.</source>
        <translation>Soubor záznamu „%1“ obsahuje záznamy jiného formátu (jiné záhlaví nebo oddělovač); nic do něj nebylo připojeno. Zvolte jiný soubor, nebo jej přepište.</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>Read</source>
        <translation>Číst</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Output test mode is active.</source>
        <translation>Převodník je v režimu testu výstupu.</translation>
    </message>
    <message>
        <source>Transmitter works without any errors.</source>
        <translation>Převodník pracuje bez chyb.</translation>
    </message>
    <message>
        <source> 1 - Sensor Incorrectly Connected or Faulty</source>
        <translation> 1 - Snímač nesprávně připojen nebo vadný</translation>
    </message>
    <message>
        <source> 2 - Primary Variable out of the Input Range</source>
        <translation> 2 - Měřená veličina mimo vstupní rozsah</translation>
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
        <translation> 5 - Chybná konfigurace (nesprávný kód připojení)</translation>
    </message>
    <message>
        <source> 6 - Internal Error (Divide by Zero)</source>
        <translation> 6 - Vnitřní chyba (dělení nulou)</translation>
    </message>
    <message>
        <source> 7 - Limit Comparator Current Signaling</source>
        <translation> 7 - Signalizace proudem od limitního komparátoru</translation>
    </message>
    <message>
        <source> Reading CJ Temperature from Transmitter</source>
        <translation> Čtení teploty srovnávacího spoje z převodníku</translation>
    </message>
    <message>
        <source>- constant</source>
        <translation>- konstantní</translation>
    </message>
    <message>
        <source>Attention, the transmitter was during reading in an error state which may cause incorrect value of cold junction temperature!</source>
        <translation>Pozor, převodník byl během čtení v chybovém stavu, což může způsobit nesprávnou hodnotu teploty srovnávacího spoje!</translation>
    </message>
    <message>
        <source>Cold junction temperature cannot be read; the connected transmitter is not configured for thermocouple measuring.</source>
        <translation>Teplotu srovnávacího spoje nelze přečíst; připojený převodník není nastaven pro měření termočlánkem.</translation>
    </message>
    <message>
        <source>The connected transmitter %s is not supported by this version of LMK-17, cannot continue!</source>
        <translation>Připojený převodník %s není touto verzí LMK-17 podporován, nelze pokračovat!</translation>
    </message>
    <message>
        <source>Connected transmitter firmware version is not supported by this version of LMK-17, cannot continue!</source>
        <translation>Verze firmwaru připojeného převodníku není touto verzí LMK-17 podporována, nelze pokračovat!</translation>
    </message>
    <message>
        <source>Input range is not supported by this version of LMK-17, or was written wrongly.</source>
        <translation>Vstupní rozsah není touto verzí LMK-17 podporován, nebo byl nesprávně zapsán.</translation>
    </message>
    <message>
        <source>Try later version or contact your supplier.</source>
        <translation>Zkuste novější verzi nebo kontaktujte svého dodavatele.</translation>
    </message>
    <message>
        <source>Transmitter configuration corrupt. Last writing probably not successful. Do you want to pre-set default configuration?</source>
        <translation>Konfigurace převodníku je poškozena. Poslední zápis pravděpodobně nebyl úspěšný. Chcete nastavit výchozí konfiguraci?</translation>
    </message>
    <message>
        <source>Another transmitter was connected or configuration was changed. The transmitter configuration must be read again.<byte value="xd"/>
Do you want to read configuration from transmitter? If no, operation will be stopped.</source>
        <translation>Byl připojen jiný převodník nebo byla změněna konfigurace. Konfiguraci převodníku je nutné znovu načíst.<byte value="xd"/>
Chcete načíst konfiguraci z převodníku? Pokud ne, operace bude ukončena.</translation>
    </message>
    <message>
        <source>Different type of transmitter is connected, cannot continue.</source>
        <translation>Je připojen jiný typ převodníku, nelze pokračovat.</translation>
    </message>
    <message>
        <source>The connected transmitter uses earlier firmware version than required for storing the current configuration. Cannot continue.</source>
        <translation>Připojený převodník má starší verzi firmwaru, než vyžaduje uložení aktuální konfigurace. Nelze pokračovat.</translation>
    </message>
    <message>
        <source>Connected transmitter is configured with fixed input range. Input range cannot be changed, cannot continue!</source>
        <translation>Připojený převodník je nastaven na pevný vstupní rozsah. Vstupní rozsah nelze změnit, nelze pokračovat!</translation>
    </message>
    <message>
        <source>Another transmitter was connected, do you really want to continue?</source>
        <translation>Byl připojen jiný převodník, opravdu chcete pokračovat?</translation>
    </message>
    <message>
        <source> Reading Configuration from Transmitter</source>
        <translation> Čtení konfigurace z převodníku</translation>
    </message>
    <message>
        <source> Writing Configuration to Transmitter</source>
        <translation> Zápis konfigurace do převodníku</translation>
    </message>
    <message>
        <source>Configuration was written to transmitter without any errors.</source>
        <translation>Konfigurace byla zapsána do převodníku bez chyb.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Nebyla nastavena žádná konfigurace převodníku.</translation>
    </message>
    <message>
        <source>Changes were not saved. Continue?</source>
        <translation>Změny nebyly uloženy. Pokračovat?</translation>
    </message>
    <message>
        <source>The period must be a number of seconds from 0.2 to 15.0. The value %1 stays.</source>
        <translation>Perioda musí být číslo v sekundách od 0,2 do 15,0. Zůstává hodnota %1.</translation>
    </message>
    <message>
        <source>The output test value must be a number from %1 to %2 %3 (a negative value leaves output test mode). The value %4 stays.</source>
        <translation>Testovací hodnota výstupu musí být číslo od %1 do %2 %3 (záporná hodnota ukončí režim testu výstupu). Zůstává hodnota %4.</translation>
    </message>
    <message>
        <source> Checking the Written Configuration</source>
        <translation> Kontrola zapsané konfigurace</translation>
    </message>
    <message>
        <source>The transmitter acknowledged the configuration, but reading it back gives other values than were written:</source>
        <translation>Převodník konfiguraci potvrdil, ale zpětné čtení dává jiné hodnoty, než byly zapsány:</translation>
    </message>
    <message>
        <source> parameter %1 (row %2): written %3, read %4</source>
        <translation> parametr %1 (řádek %2): zapsáno %3, přečteno %4</translation>
    </message>
    <message>
        <source>Error during reading the data from transmitter, repeat?</source>
        <translation>Chyba při čtení dat z převodníku, opakovat?</translation>
    </message>
    <message>
        <source>Error during writing the data to transmitter, repeat?</source>
        <translation>Chyba při zápisu dat do převodníku, opakovat?</translation>
    </message>
    <message>
        <source>Error (&apos;Bad Parameters&apos;) during writing the data to transmitter!<byte value="xd"/>
Feasible solution: Stop writing now, set the default configuration (command from menu &apos;Transmitter&apos;) and write configuration to the transmitter.<byte value="xd"/>
Do You want to repeat this operation?</source>
        <translation>Chyba (&apos;Chybné parametry&apos;) při zápisu dat do převodníku!<byte value="xd"/>
Možné řešení: Nyní zápis ukončete, nastavte výchozí konfiguraci (příkaz z nabídky &apos;Převodník&apos;) a zapište konfiguraci do převodníku.<byte value="xd"/>
Chcete tuto operaci opakovat?</translation>
    </message>
    <message>
        <source>No communication port connected, cannot continue. Do you want to connect it now?</source>
        <translation>Není připojen komunikační port, nelze pokračovat. Chcete jej nyní připojit?</translation>
    </message>
    <message>
        <source>Error during transmitter configuration writing. Incorrect configuration settings may cause undefined errors. Configuration should be stored again.</source>
        <translation>Chyba při zápisu konfigurace do převodníku. Nesprávné nastavení konfigurace může způsobit nedefinované chyby. Konfiguraci je nutné zapsat znovu.</translation>
    </message>
    <message>
        <source>Do you really want to break operation?</source>
        <translation>Opravdu chcete přerušit operaci?</translation>
    </message>
    <message>
        <source>Waiting for the line to fall quiet...</source>
        <translation>Čekání na utichnutí linky...</translation>
    </message>
    <message>
        <source> Reading Configuration for the Backup</source>
        <translation> Čtení konfigurace pro zálohu</translation>
    </message>
    <message>
        <source>The backup folder &apos;%1&apos; could not be created.</source>
        <translation>Složku záloh &apos;%1&apos; nelze vytvořit.</translation>
    </message>
    <message>
        <source>The transmitter&apos;s present configuration could not be kept as a backup, so nothing was written.</source>
        <translation>Současnou konfiguraci převodníku nelze uložit jako zálohu, proto nebylo nic zapsáno.</translation>
    </message>
    <message>
        <source>Writing changes these values of the transmitter (now -&gt; written):</source>
        <translation>Zápis změní tyto hodnoty převodníku (nyní -&gt; zapsáno):</translation>
    </message>
    <message>
        <source> ... and %1 more</source>
        <translation> ... a dalších %1</translation>
    </message>
    <message>
        <source> stored values beyond the digits shown: %1</source>
        <translation> uložené hodnoty za zobrazenými číslicemi: %1</translation>
    </message>
    <message>
        <source>Write the configuration to the transmitter?</source>
        <translation>Zapsat konfiguraci do převodníku?</translation>
    </message>
    <message>
        <source>The transmitter already holds this configuration; nothing was written.</source>
        <translation>Převodník již tuto konfiguraci obsahuje; nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>The transmitter already holds this configuration. Write it anyway?</source>
        <translation>Převodník již tuto konfiguraci obsahuje. Přesto ji zapsat?</translation>
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
        <translation>Datum: </translation>
    </message>
    <message>
        <source> Transmitter Configuration Protocol </source>
        <translation> Protokol konfigurace převodníku </translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Vstup</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Korekce</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Výstup</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Začátek</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Limit Comparator</source>
        <translation>Mezní komparátor</translation>
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
        <translation>Zapnuto</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>Switch Level:</source>
        <translation>Úroveň sepnutí:</translation>
    </message>
    <message>
        <source>Hysteresis:</source>
        <translation>Hystereze:</translation>
    </message>
    <message>
        <source>Switching Mode:</source>
        <translation>Režim spínání:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normální</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverzní</translation>
    </message>
    <message>
        <source>Indicate by Error Output:</source>
        <translation>Signalizace chybovým výstupem:</translation>
    </message>
    <message>
        <source>State on Error:</source>
        <translation>Stav při chybě:</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>Zapnout</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Vypnout</translation>
    </message>
    <message>
        <source>Output Type:</source>
        <translation>Typ výstupu:</translation>
    </message>
    <message>
        <source>Output Saturation:</source>
        <translation>Omezení výstupu:</translation>
    </message>
    <message>
        <source>cca  %1 to %2 %3</source>
        <translation>cca  %1 až %2 %3</translation>
    </message>
    <message>
        <source>Damping:</source>
        <translation>Tlumení:</translation>
    </message>
    <message>
        <source>Linearization:</source>
        <translation>Linearizace:</translation>
    </message>
    <message>
        <source>Customer Linearization:</source>
        <translation>Zákaznická linearizace:</translation>
    </message>
    <message>
        <source>Lead Resistance 1:</source>
        <translation>Odpor vedení 1:</translation>
    </message>
    <message>
        <source>Lead Resistance:</source>
        <translation>Odpor vedení:</translation>
    </message>
    <message>
        <source>Lead Resistance 2:</source>
        <translation>Odpor vedení 2:</translation>
    </message>
    <message>
        <source>Cold Junction Temperature:</source>
        <translation>Teplota srovnávacího spoje:</translation>
    </message>
    <message>
        <source>- constant</source>
        <translation>- konstantní</translation>
    </message>
    <message>
        <source>Input Filter:</source>
        <translation>Vstupní filtr:</translation>
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
        <translation>Signalizace chyby:</translation>
    </message>
    <message>
        <source> and by Switching Relay</source>
        <translation> a sepnutím relé</translation>
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
        <translation>Typ převodníku:</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Verze firmwaru:</translation>
    </message>
    <message>
        <source>Identification:</source>
        <translation>Identifikace:</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Výrobce:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Výrobní číslo:</translation>
    </message>
    <message>
        <source>Date of Manufacturing:</source>
        <translation>Datum výroby:</translation>
    </message>
    <message>
        <source>Date of Last Change:</source>
        <translation>Datum poslední změny:</translation>
    </message>
    <message>
        <source>Working Time:</source>
        <translation>Doba provozu:</translation>
    </message>
    <message>
        <source>File Version:</source>
        <translation>Verze souboru:</translation>
    </message>
    <message>
        <source>Input Range:</source>
        <translation>Vstupní rozsah:</translation>
    </message>
    <message>
        <source>Sensor Connection:</source>
        <translation>Připojení snímače:</translation>
    </message>
    <message>
        <source>Set Range:</source>
        <translation>Nastavený rozsah:</translation>
    </message>
    <message>
        <source>Communication Parameters:</source>
        <translation>Komunikační parametry:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresa:</translation>
    </message>
    <message>
        <source>BaudRate:</source>
        <translation>Rychlost:</translation>
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
        <translation>Zabezpečení konfigurace:</translation>
    </message>
    <message>
        <source>Change of the Configuration by the Set-up Unit is disallowed</source>
        <translation>Změna konfigurace nastavovací jednotkou je zakázána</translation>
    </message>
    <message>
        <source>Change of the Configuration by the Set-up Unit is allowed</source>
        <translation>Změna konfigurace nastavovací jednotkou je povolena</translation>
    </message>
    <message>
        <source>None Decimal Place</source>
        <translation>Bez desetinného místa</translation>
    </message>
    <message>
        <source>1 Decimal Place</source>
        <translation>1 desetinné místo</translation>
    </message>
    <message>
        <source>2 Decimal Places</source>
        <translation>2 desetinná místa</translation>
    </message>
    <message>
        <source>Points for Approximation:</source>
        <translation>Body pro aproximaci:</translation>
    </message>
    <message>
        <source>No Points</source>
        <translation>Žádné body</translation>
    </message>
    <message>
        <source> Transmitter Linearization Parameters </source>
        <translation> Parametry linearizace převodníku </translation>
    </message>
    <message>
        <source>Linear Table</source>
        <translation>Linearizační tabulka</translation>
    </message>
    <message>
        <source>Start of X:</source>
        <translation>Začátek X:</translation>
    </message>
    <message>
        <source>End of X:</source>
        <translation>Konec X:</translation>
    </message>
    <message>
        <source>Start of Y:</source>
        <translation>Začátek Y:</translation>
    </message>
    <message>
        <source>End of Y:</source>
        <translation>Konec Y:</translation>
    </message>
    <message>
        <source>Display Configuration:</source>
        <translation>Konfigurace displeje:</translation>
    </message>
    <message>
        <source>Cold Junction Compensation</source>
        <translation>Kompenzace srovnávacího spoje</translation>
    </message>
    <message>
        <source>Unit of X-Values:</source>
        <translation>Jednotka hodnot X:</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>Tisk se nezdařil.</translation>
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
        <translation>Maximální chyba aproximace je v bodě </translation>
    </message>
    <message>
        <source>Minimum error of approximation is at point </source>
        <translation>Minimální chyba aproximace je v bodě </translation>
    </message>
    <message>
        <source>Approximation Graph</source>
        <translation>Graf aproximace</translation>
    </message>
    <message>
        <source>Approximation Error Graph</source>
        <translation>Graf chyby aproximace</translation>
    </message>
    <message>
        <source> Approximation Graph</source>
        <translation> Graf aproximace</translation>
    </message>
    <message>
        <source> Approximation Error Graph</source>
        <translation> Graf chyby aproximace</translation>
    </message>
</context>
<context>
    <name>lmk17::HelpViewer</name>
    <message>
        <source>LMK-17 Help</source>
        <translation>Nápověda LMK-17</translation>
    </message>
    <message>
        <source>Type the keyword to find</source>
        <translation>Zadejte hledané klíčové slovo</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Obsah</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Rejstřík</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vpřed</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Obsah</translation>
    </message>
    <message>
        <source>The help was not found. Looked for the folder %1.</source>
        <translation>Nápověda nebyla nalezena. Hledána složka %1.</translation>
    </message>
</context>
<context>
    <name>lmk17::LinEditor</name>
    <message>
        <source>Attention! There were changes in the table of points for linearization but approximation process was not carried out. In this case linearization may content wrong data. We recommend doing approximation of the linearization again. Do you want to approximate now?</source>
        <translation>Pozor! V tabulce bodů linearizace došlo ke změnám, ale aproximace nebyla provedena. Linearizace proto může obsahovat chybná data. Doporučujeme provést aproximaci linearizace znovu. Chcete aproximovat nyní?</translation>
    </message>
    <message>
        <source>Attention! There were changes in the table of points for CJ compensation but approximation process was not carried out. In this case CJ compensation may content wrong data. We recommend doing approximation of the CJ compensation again. Do you want to approximate now?</source>
        <translation>Pozor! V tabulce bodů kompenzace srovnávacího spoje došlo ke změnám, ale aproximace nebyla provedena. Kompenzace srovnávacího spoje proto může obsahovat chybná data. Doporučujeme provést aproximaci kompenzace znovu. Chcete aproximovat nyní?</translation>
    </message>
    <message>
        <source>Attention! There were changes in the &apos;Sensor Specific Constants&apos; section but approximation process was not carried out. In this case linearization may content wrong data. We recommend doing approximation of the linearization again. Do you want to approximate now?</source>
        <translation>Pozor! V části &apos;Konstanty snímače&apos; došlo ke změnám, ale aproximace nebyla provedena. Linearizace proto může obsahovat chybná data. Doporučujeme provést aproximaci linearizace znovu. Chcete aproximovat nyní?</translation>
    </message>
    <message>
        <source>Attention! Range of Y-values is out of display range! We recommend changing the display configuration or changing linearization. Do you want to configure parameters now?</source>
        <translation>Pozor! Rozsah hodnot Y je mimo rozsah displeje! Doporučujeme změnit konfiguraci displeje nebo linearizaci. Chcete nyní upravit parametry?</translation>
    </message>
    <message>
        <source>Changes were not saved. Do you want to save parameters to file now?</source>
        <translation>Změny nebyly uloženy. Chcete nyní uložit parametry do souboru?</translation>
    </message>
    <message>
        <source>Changes were not saved. Parameters will be erased. Do you really want to close the window?</source>
        <translation>Změny nebyly uloženy. Parametry budou smazány. Opravdu chcete zavřít okno?</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Nesprávný formát hodnoty: </translation>
    </message>
    <message>
        <source>linearization table</source>
        <translation>linearizační tabulka</translation>
    </message>
    <message>
        <source>CJ Compensation polynomial</source>
        <translation>polynom kompenzace srovnávacího spoje</translation>
    </message>
    <message>
        <source>Cannot add point to the table, table is full.</source>
        <translation>Bod nelze přidat do tabulky, tabulka je plná.</translation>
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
        <translation>Soubory PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed, cannot continue.</source>
        <translation>Není nainstalována žádná tiskárna, nelze pokračovat.</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>Tisk se nezdařil.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Nebyla nastavena žádná konfigurace převodníku.</translation>
    </message>
    <message>
        <source>Transmitter Configuration Protocol</source>
        <translation>Protokol konfigurace převodníku</translation>
    </message>
    <message>
        <source>Transmitter Linearization Parameters</source>
        <translation>Parametry linearizace převodníku</translation>
    </message>
    <message>
        <source>Use “%1” in the File menu to save the protocol as a PDF file instead.</source>
        <translation>Protokol můžete místo tisku uložit jako soubor PDF příkazem „%1“ v nabídce Soubor.</translation>
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
        <translation>Přenosová rychlost</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parita</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Storno</translation>
    </message>
</context>
<context>
    <name>lmk17::TGraphForm</name>
    <message>
        <source>Graph Scale:</source>
        <translation>Měřítko grafu:</translation>
    </message>
    <message>
        <source>X Axis:</source>
        <translation>Osa X:</translation>
    </message>
    <message>
        <source>Y Axis:</source>
        <translation>Osa Y:</translation>
    </message>
    <message>
        <source>Approximation Error:</source>
        <translation>Chyba aproximace:</translation>
    </message>
    <message>
        <source> By clicking on value you can display coordinates of point, where this error was found. </source>
        <translation> Kliknutím na hodnotu zobrazíte souřadnice bodu, ve kterém byla tato chyba zjištěna. </translation>
    </message>
    <message>
        <source>Approximation Error Graph</source>
        <translation>Graf chyby aproximace</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zavřít</translation>
    </message>
</context>
<context>
    <name>lmk17::TInfoPage</name>
    <message>
        <source>Transmitter</source>
        <translation>Převodník</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Výrobce:</translation>
    </message>
    <message>
        <source>Transmitter Type:</source>
        <translation>Typ převodníku:</translation>
    </message>
    <message>
        <source>Date of Manufacturing:</source>
        <translation>Datum výroby:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Výrobní číslo:</translation>
    </message>
    <message>
        <source>Date of Last Change:</source>
        <translation>Datum poslední změny:</translation>
    </message>
    <message>
        <source>Working Time:</source>
        <translation>Doba provozu:</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Pouzdro</translation>
    </message>
    <message>
        <source>Picture not Available</source>
        <translation>Obrázek není k dispozici</translation>
    </message>
</context>
<context>
    <name>lmk17::TInputPage</name>
    <message>
        <source>Input Range and Connection</source>
        <translation>Vstupní rozsah a zapojení</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Zákazník</translation>
    </message>
    <message>
        <source>Linearization</source>
        <translation>Linearizace</translation>
    </message>
    <message>
        <source>Input Range:</source>
        <translation>Vstupní rozsah:</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Zapojení:</translation>
    </message>
    <message>
        <source>Measuring Range</source>
        <translation>Měřicí rozsah</translation>
    </message>
    <message>
        <source>Lower Range Value:</source>
        <translation>Počátek rozsahu:</translation>
    </message>
    <message>
        <source>Upper Range Value:</source>
        <translation>Konec rozsahu:</translation>
    </message>
    <message>
        <source>Correction at Lower Range Value:</source>
        <translation>Korekce na počátku rozsahu:</translation>
    </message>
    <message>
        <source>Correction at Upper Range Value:</source>
        <translation>Korekce na konci rozsahu:</translation>
    </message>
    <message>
        <source>Lead Resistance</source>
        <translation>Odpor vedení</translation>
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
        <translation>Čidlo 1:</translation>
    </message>
    <message>
        <source>Sensor 2:</source>
        <translation>Čidlo 2:</translation>
    </message>
    <message>
        <source>Cold Junction Compensation</source>
        <translation>Kompenzace srovnávacího spoje</translation>
    </message>
    <message>
        <source>CJ Temperature:</source>
        <translation>Teplota srovnávacího spoje:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Damping and Error Current</source>
        <translation>Tlumení a chybový proud</translation>
    </message>
    <message>
        <source>Damping:</source>
        <translation>Tlumení:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Low Output</source>
        <translation>Dolní výstup</translation>
    </message>
    <message>
        <source>High Output</source>
        <translation>Horní výstup</translation>
    </message>
    <message>
        <source>Error Current:</source>
        <translation>Chybový proud:</translation>
    </message>
    <message>
        <source>Limit Comparators</source>
        <translation>Limitní komparátory</translation>
    </message>
    <message>
        <source>Limit Comparator %1</source>
        <translation>Limitní komparátor %1</translation>
    </message>
    <message>
        <source>Switching Level:</source>
        <translation>Spínací úroveň:</translation>
    </message>
    <message>
        <source>Hysteresis:</source>
        <translation>Hystereze:</translation>
    </message>
    <message>
        <source> Normal</source>
        <translation> Normální</translation>
    </message>
    <message>
        <source> Reverse</source>
        <translation> Inverzní</translation>
    </message>
    <message>
        <source>Switching Mode:</source>
        <translation>Režim spínání:</translation>
    </message>
    <message>
        <source>Indicate by Error Current</source>
        <translation>Indikovat chybovým proudem</translation>
    </message>
    <message>
        <source>State on Error:</source>
        <translation>Stav při chybě:</translation>
    </message>
    <message>
        <source> Switch Off</source>
        <translation> Vypnout</translation>
    </message>
    <message>
        <source> Switch On</source>
        <translation> Zapnout</translation>
    </message>
    <message>
        <source>Transmitter Error:</source>
        <translation>Chyba převodníku:</translation>
    </message>
    <message>
        <source>By Relay 1 On</source>
        <translation>Sepnutím relé 1</translation>
    </message>
    <message>
        <source>By Relay 2 On</source>
        <translation>Sepnutím relé 2</translation>
    </message>
    <message>
        <source>Input Filter</source>
        <translation>Vstupní filtr</translation>
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
        <translation>Zakázat změnu konfigurace převodníku nastavovací jednotkou</translation>
    </message>
    <message>
        <source>User Note:</source>
        <translation>Poznámka uživatele:</translation>
    </message>
    <message>
        <source> Linearization and Cold Junction Compensation Setup </source>
        <translation> Nastavení linearizace a kompenzace srovnávacího spoje </translation>
    </message>
    <message>
        <source> Limit comparator 1 switching polarity. </source>
        <translation> Polarita spínání limitního komparátoru 1. </translation>
    </message>
    <message>
        <source> Limit comparator 2 switching polarity. </source>
        <translation> Polarita spínání limitního komparátoru 2. </translation>
    </message>
</context>
<context>
    <name>lmk17::TLinearForm</name>
    <message>
        <source>Linearization and Cold Junction Compensation</source>
        <translation>Linearizace a kompenzace srovnávacího spoje</translation>
    </message>
    <message>
        <source> Linearization </source>
        <translation> Linearizace </translation>
    </message>
    <message>
        <source>Cold Junction Compensation</source>
        <translation>Kompenzace srovnávacího spoje</translation>
    </message>
    <message>
        <source>Sensor Specific Characterization</source>
        <translation>Charakteristika snímače</translation>
    </message>
    <message>
        <source> Linearization - detail </source>
        <translation> Linearizace - detail </translation>
    </message>
    <message numerus="yes">
        <source>%n pasted row(s) did not fit into the table and were left out.</source>
        <translation>
            <numerusform>%n vložených řádků se do tabulky nevešlo a byly vynechány.</numerusform>
            <numerusform>%n vložených řádků se do tabulky nevešlo a byly vynechány.</numerusform>
            <numerusform>%n vložených řádků se do tabulky nevešlo a byly vynechány.</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you really want to clear the table of linearization points?</source>
        <translation>Opravdu chcete vymazat tabulku bodů linearizace?</translation>
    </message>
    <message>
        <source>Do you really want to clear the table of cold junction compensation points</source>
        <translation>Opravdu chcete vymazat tabulku bodů kompenzace srovnávacího spoje</translation>
    </message>
    <message>
        <source> Linearization Graph</source>
        <translation> Graf linearizace</translation>
    </message>
    <message>
        <source> Cold Junction Compensation Graph</source>
        <translation> Graf kompenzace srovnávacího spoje</translation>
    </message>
    <message>
        <source>&amp;Add Coordinates to the Table</source>
        <translation>&amp;Přidat souřadnice do tabulky</translation>
    </message>
    <message>
        <source>&amp;Copy Graph to the Clipboard</source>
        <translation>&amp;Kopírovat graf do schránky</translation>
    </message>
    <message>
        <source>&amp;Save the Linearization Parameters</source>
        <translation>&amp;Uložit parametry linearizace</translation>
    </message>
    <message>
        <source>&amp;Load the Linearization Parameters</source>
        <translation>&amp;Načíst parametry linearizace</translation>
    </message>
    <message>
        <source>Linearization Files (*.lin *.LIN)</source>
        <translation>Linearizační soubory (*.lin *.LIN)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Všechny soubory (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>Na&amp;stavení tiskárny</translation>
    </message>
    <message>
        <source>&amp;Print the Linearization Parameters</source>
        <translation>&amp;Tisk parametrů linearizace</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Úp&amp;ravy</translation>
    </message>
    <message>
        <source>Edit the &amp;Linear Table</source>
        <translation>Upravit &amp;linearizační tabulku</translation>
    </message>
    <message>
        <source>Edit the Cold &amp;Junction Compensation</source>
        <translation>Upravit &amp;kompenzaci srovnávacího spoje</translation>
    </message>
    <message>
        <source>Edit the &amp;Sensor-Specific Characterization</source>
        <translation>Upravit &amp;charakteristiku snímače</translation>
    </message>
    <message>
        <source>&amp;Clear the Table for Linearization</source>
        <translation>&amp;Vymazat tabulku linearizace</translation>
    </message>
    <message>
        <source>Clear the Table for Cold Junction C&amp;ompensation</source>
        <translation>Vymazat tabulku kompenzace s&amp;rovnávacího spoje</translation>
    </message>
    <message>
        <source>Set &amp;Default Linearization</source>
        <translation>&amp;Nastavit výchozí linearizaci</translation>
    </message>
    <message>
        <source>Set Default Linearization &amp;and CJ Compensation</source>
        <translation>Nastavit výchozí linearizaci &amp;a kompenzaci SS</translation>
    </message>
    <message>
        <source>&amp;Approximation</source>
        <translation>&amp;Aproximace</translation>
    </message>
    <message>
        <source>&amp;Linearization</source>
        <translation>&amp;Linearizace</translation>
    </message>
    <message>
        <source>&amp;Cold Junction Compensation</source>
        <translation>&amp;Kompenzace srovnávacího spoje</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Graf</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Obsah</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Rejstřík</translation>
    </message>
    <message>
        <source>Start of X :</source>
        <translation>Začátek X :</translation>
    </message>
    <message>
        <source>End of X :</source>
        <translation>Konec X :</translation>
    </message>
    <message>
        <source>Start of Y :</source>
        <translation>Začátek Y :</translation>
    </message>
    <message>
        <source>End of Y :</source>
        <translation>Konec Y :</translation>
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
        <translation>Konfigurace displeje</translation>
    </message>
    <message>
        <source> None Decimal Place</source>
        <translation> Bez desetinného místa</translation>
    </message>
    <message>
        <source> 1 Decimal Place</source>
        <translation> 1 desetinné místo</translation>
    </message>
    <message>
        <source> 2 Decimal Places</source>
        <translation> 2 desetinná místa</translation>
    </message>
    <message>
        <source>Linearization Approximation</source>
        <translation>Aproximace linearizace</translation>
    </message>
    <message>
        <source>Clear Table</source>
        <translation>Vymazat tabulku</translation>
    </message>
    <message>
        <source>Units of the X-Values: </source>
        <translation>Jednotky hodnot X: </translation>
    </message>
    <message>
        <source>CJ Compensation Approximate</source>
        <translation>Aproximovat kompenzaci SS</translation>
    </message>
    <message>
        <source>Default Constants (IEC 751/A2)</source>
        <translation>Výchozí konstanty (IEC 751/A2)</translation>
    </message>
    <message>
        <source>for -200 °C to 0 °C:</source>
        <translation>pro -200 °C až 0 °C:</translation>
    </message>
    <message>
        <source>Rt = R0 * [1 + A*t + B*t^2 + C*( t- 100°C )*t^3] </source>
        <translation>Rt = R0 * [1 + A*t + B*t^2 + C*( t- 100°C )*t^3] </translation>
    </message>
    <message>
        <source>for 0 °C to 850 °C:</source>
        <translation>pro 0 °C až 850 °C:</translation>
    </message>
    <message>
        <source>Rt = R0 * (1 + A*t + B*t^2)</source>
        <translation>Rt = R0 * (1 + A*t + B*t^2)</translation>
    </message>
    <message>
        <source>Sensor-Specific Constants according to IEC 751/A2 </source>
        <translation>Konstanty snímače podle IEC 751/A2 </translation>
    </message>
    <message>
        <source>Resistance at Temperature 0°C:</source>
        <translation>Odpor při teplotě 0°C:</translation>
    </message>
    <message>
        <source>Resistance at Temperature T1:</source>
        <translation>Odpor při teplotě T1:</translation>
    </message>
    <message>
        <source>One-Point Calibration according to IEC 751/A2 </source>
        <translation>Jednobodová kalibrace podle IEC 751/A2 </translation>
    </message>
    <message>
        <source>Calculate Linearization according to Constants</source>
        <translation>Vypočítat linearizaci podle konstant</translation>
    </message>
    <message>
        <source>&amp;Export the Linearization Parameters as PDF…</source>
        <translation>&amp;Export parametrů linearizace do PDF…</translation>
    </message>
    <message>
        <source>Load the Linearization Parameters</source>
        <translation>Načíst parametry linearizace</translation>
    </message>
    <message>
        <source>Save the Linearization Parameters</source>
        <translation>Uložit parametry linearizace</translation>
    </message>
</context>
<context>
    <name>lmk17::TMainForm</name>
    <message>
        <source>&amp;Load Configuration</source>
        <translation>&amp;Načíst konfiguraci</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>&amp;Uložit konfiguraci</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>Na&amp;stavení tiskárny</translation>
    </message>
    <message>
        <source>&amp;Print Configuration</source>
        <translation>&amp;Tisk konfigurace</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>Čtení &amp;konfigurace</translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation>&amp;Zápis konfigurace</translation>
    </message>
    <message>
        <source>Set &amp;Default Configuration</source>
        <translation>Nastavit &amp;výchozí konfiguraci</translation>
    </message>
    <message>
        <source>View &amp;Ordering Code</source>
        <translation>Zobrazit &amp;objednací kód</translation>
    </message>
    <message>
        <source>Read Wor&amp;king Time</source>
        <translation>Číst &amp;dobu provozu</translation>
    </message>
    <message>
        <source>Read &amp;Primary Variable Value</source>
        <translation>Číst &amp;hodnotu měřené veličiny</translation>
    </message>
    <message>
        <source>Read Cold &amp;Junction Temperature</source>
        <translation>Číst &amp;teplotu srovnávacího spoje</translation>
    </message>
    <message>
        <source>Monitoring &amp;START</source>
        <translation>&amp;Monitorování START</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Monitoring S&amp;TOP</source>
        <translation>Monitorování &amp;STOP</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>View the Monitoring &amp;Graph</source>
        <translation>Zobrazit &amp;graf monitorování</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Monitoring P&amp;arameters</source>
        <translation>&amp;Parametry monitorování</translation>
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
        <translation>&amp;Informace</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>Nás&amp;troje</translation>
    </message>
    <message>
        <source>&amp;Monitoring</source>
        <translation>&amp;Monitorování</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Nastavení</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Obsah</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Rejstřík</translation>
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
        <translation>O &amp;aplikaci ...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Úp&amp;ravy</translation>
    </message>
    <message>
        <source>&amp;Transmitter</source>
        <translation>&amp;Převodník</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Zo&amp;brazit</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Nastavení</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Nápo&amp;věda</translation>
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
        <translation>Informace</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Nástroje</translation>
    </message>
    <message>
        <source>Monitoring</source>
        <translation>Monitorování</translation>
    </message>
    <message>
        <source>  Transmitter </source>
        <translation>  Převodník </translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Číst</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Zapsat</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Komunikace</translation>
    </message>
    <message>
        <source>       File </source>
        <translation>       Soubor </translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>       Printer </source>
        <translation>       Tiskárna </translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source> View Window About Application </source>
        <translation> Zobrazit okno O aplikaci </translation>
    </message>
    <message>
        <source> Read Configuration from Transmitter </source>
        <translation> Načíst konfiguraci z převodníku </translation>
    </message>
    <message>
        <source> Write Configuration to Transmitter </source>
        <translation> Zapsat konfiguraci do převodníku </translation>
    </message>
    <message>
        <source> Load Configuration from File </source>
        <translation> Načíst konfiguraci ze souboru </translation>
    </message>
    <message>
        <source> Save Configuration to File </source>
        <translation> Uložit konfiguraci do souboru </translation>
    </message>
    <message>
        <source> Select Printer and Printer Setup </source>
        <translation> Výběr a nastavení tiskárny </translation>
    </message>
    <message>
        <source> Print Configuration </source>
        <translation> Tisk konfigurace </translation>
    </message>
    <message>
        <source> Transmitter Communication Parameters Setup </source>
        <translation> Nastavení komunikačních parametrů převodníku </translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Uložit konfiguraci</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Načíst konfiguraci</translation>
    </message>
    <message>
        <source>Configuration Files (*.ptf *.PTF)</source>
        <translation>Konfigurační soubory (*.ptf *.PTF)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Všechny soubory (*)</translation>
    </message>
    <message>
        <source> Save the configuration protocol as a PDF file </source>
        <translation> Uložit protokol konfigurace jako soubor PDF </translation>
    </message>
    <message>
        <source>&amp;Line Traffic</source>
        <translation>&amp;Provoz na lince</translation>
    </message>
    <message>
        <source>&amp;Compare with File…</source>
        <translation>&amp;Porovnat se souborem…</translation>
    </message>
    <message>
        <source>&amp;Compare with Transmitter</source>
        <translation>Po&amp;rovnat s převodníkem</translation>
    </message>
    <message>
        <source>&amp;Restore from Backup…</source>
        <translation>&amp;Obnovit ze zálohy…</translation>
    </message>
    <message>
        <source>&amp;Backups and Writing…</source>
        <translation>&amp;Zálohy a zápis…</translation>
    </message>
    <message>
        <source>Write to Se&amp;veral Transmitters…</source>
        <translation>Zápis do více převod&amp;níků…</translation>
    </message>
</context>
<context>
    <name>lmk17::TMonGraphForm</name>
    <message>
        <source> Monitoring Graph</source>
        <translation> Graf monitorování</translation>
    </message>
    <message>
        <source>&amp;Copy Graph to the Clipboard</source>
        <translation>&amp;Kopírovat graf do schránky</translation>
    </message>
    <message>
        <source>Show / Hide &amp;Grids</source>
        <translation>Zobrazit / skrýt &amp;mřížku</translation>
    </message>
    <message>
        <source>C&amp;lear the Graph</source>
        <translation>&amp;Vymazat graf</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Obnovit zvětšení</translation>
    </message>
    <message>
        <source>&amp;Save Graph as PNG...</source>
        <translation>&amp;Uložit graf jako PNG...</translation>
    </message>
    <message>
        <source>&amp;Export Points as CSV...</source>
        <translation>&amp;Exportovat body jako CSV...</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>Adresa %1</translation>
    </message>
    <message>
        <source>Do you really want to erase the graph?</source>
        <translation>Opravdu chcete vymazat graf?</translation>
    </message>
    <message>
        <source>The graph could not be saved as &quot;%1&quot;.</source>
        <translation>Graf nelze uložit jako „%1“.</translation>
    </message>
    <message>
        <source>The points could not be exported to &quot;%1&quot;: %2</source>
        <translation>Body nelze exportovat do „%1“: %2</translation>
    </message>
    <message>
        <source>Save Graph as PNG</source>
        <translation>Uložit graf jako PNG</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Obrázky PNG (*.png)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Export Points as CSV</source>
        <translation>Exportovat body jako CSV</translation>
    </message>
    <message>
        <source>CSV, comma separated (*.csv)</source>
        <translation>CSV, oddělené čárkou (*.csv)</translation>
    </message>
    <message>
        <source>CSV, semicolon separated, decimal comma (*.csv)</source>
        <translation>CSV, oddělené středníkem, desetinná čárka (*.csv)</translation>
    </message>
</context>
<context>
    <name>lmk17::TMonParForm</name>
    <message>
        <source> Monitoring Parameters</source>
        <translation> Parametry monitorování</translation>
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
        <translation>Graf historie hodnoty PV:</translation>
    </message>
    <message>
        <source> None</source>
        <translation> Žádné</translation>
    </message>
    <message>
        <source> Cross</source>
        <translation> Křížek</translation>
    </message>
    <message>
        <source> Solid Circle</source>
        <translation> Plný kruh</translation>
    </message>
    <message>
        <source> Solid Square</source>
        <translation> Plný čtverec</translation>
    </message>
    <message>
        <source> Small Solid Circle</source>
        <translation> Malý plný kruh</translation>
    </message>
    <message>
        <source> Small Solid Square</source>
        <translation> Malý plný čtverec</translation>
    </message>
    <message>
        <source>Graph Point Symbols:</source>
        <translation>Symboly bodů grafu:</translation>
    </message>
    <message>
        <source>Log Format :</source>
        <translation>Formát záznamu :</translation>
    </message>
    <message>
        <source> &apos; , &apos; - Dash</source>
        <translation> &apos; , &apos; - čárka</translation>
    </message>
    <message>
        <source> &apos; . &apos; - Dot </source>
        <translation> &apos; . &apos; - tečka </translation>
    </message>
    <message>
        <source>Decimal Separator:</source>
        <translation>Desetinný oddělovač:</translation>
    </message>
    <message>
        <source>Number of Significant Places of the PV:</source>
        <translation>Počet platných míst PV:</translation>
    </message>
    <message>
        <source>Write all Records</source>
        <translation>Zapisovat všechny záznamy</translation>
    </message>
    <message>
        <source>Write when:</source>
        <translation>Zapisovat, když:</translation>
    </message>
    <message>
        <source>Change of the PV Value i more than [%] :</source>
        <translation>změna hodnoty PV je větší než [%] :</translation>
    </message>
    <message>
        <source>Transmitter is in Error State</source>
        <translation>převodník je v chybovém stavu</translation>
    </message>
    <message>
        <source>Communication Error appears</source>
        <translation>nastane chyba komunikace</translation>
    </message>
    <message>
        <source>With Time Period  [sec] :</source>
        <translation>S periodou  [sec] :</translation>
    </message>
    <message>
        <source>Monitor the Transmitter:</source>
        <translation>Monitorovat převodník:</translation>
    </message>
    <message>
        <source>with the Address</source>
        <translation>s adresou</translation>
    </message>
    <message>
        <source>e.g. 0,3,5-7</source>
        <translation>např. 0,3,5-7</translation>
    </message>
    <message>
        <source>Several transmitters on one line, polled in turn each cycle (up to 32 addresses). Empty: the one address above.</source>
        <translation>Více převodníků na jednom vedení, v každém cyklu dotazovaných postupně (až 32 adres). Prázdné: jen adresa výše.</translation>
    </message>
    <message>
        <source>or the Addresses:</source>
        <translation>nebo adresy:</translation>
    </message>
    <message>
        <source>Write Records to the Log File :</source>
        <translation>Zapisovat záznamy do souboru záznamu :</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Připojit</translation>
    </message>
    <message>
        <source>Rewrite</source>
        <translation>Přepsat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: %2</source>
        <translation>Seznam adres „%1“ nelze použít: %2</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>Soubor záznamu</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Všechny soubory (*)</translation>
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
        <translation>Kódování textového záznamu:</translation>
    </message>
</context>
<context>
    <name>lmk17::TMonitoringPage</name>
    <message>
        <source>Start </source>
        <translation>Start </translation>
    </message>
    <message>
        <source>Stop </source>
        <translation>Stop </translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parametry</translation>
    </message>
    <message>
        <source>View Graph</source>
        <translation>Zobrazit graf</translation>
    </message>
    <message>
        <source>Clear Log </source>
        <translation>Vymazat záznam </translation>
    </message>
    <message>
        <source>The communication port was lost; trying to open it again every 2 s.</source>
        <translation>Komunikační port byl ztracen; každé 2 s se jej pokusím znovu otevřít.</translation>
    </message>
    <message>
        <source>Reading the transmitter</source>
        <translation>Čtení převodníku</translation>
    </message>
    <message>
        <source>Log not written</source>
        <translation>Protokol se nezapisuje</translation>
    </message>
    <message>
        <source>The lines of the monitoring log are not reaching the log file; they are counted, and the log says how many when writing resumes.</source>
        <translation>Řádky protokolu monitorování se nedostávají do souboru protokolu; počítají se a protokol po obnovení zápisu uvede jejich počet.</translation>
    </message>
    <message>
        <source>Monitoring activity</source>
        <translation>Činnost monitorování</translation>
    </message>
    <message>
        <source>Monitoring activity: green while the transmitter is being read, red when the communication port is lost</source>
        <translation>Činnost monitorování: zelená při čtení převodníku, červená při ztrátě komunikačního portu</translation>
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
        <translation>Počátek rozsahu</translation>
    </message>
    <message>
        <source>Upper Range Value</source>
        <translation>Konec rozsahu</translation>
    </message>
</context>
<context>
    <name>lmk17::TOutputPage</name>
    <message>
        <source>Output Range</source>
        <translation>Výstupní rozsah</translation>
    </message>
    <message>
        <source>Output Type:</source>
        <translation>Typ výstupu:</translation>
    </message>
    <message>
        <source>Output Limits and Error Outputs</source>
        <translation>Meze výstupu a chybové výstupy</translation>
    </message>
    <message>
        <source>Lower Output Range:</source>
        <translation>Počátek výstupního rozsahu:</translation>
    </message>
    <message>
        <source>Upper Output Range:</source>
        <translation>Konec výstupního rozsahu:</translation>
    </message>
    <message>
        <source>Lower Output Limit:</source>
        <translation>Dolní mez výstupu:</translation>
    </message>
    <message>
        <source>Upper Output Limit:</source>
        <translation>Horní mez výstupu:</translation>
    </message>
    <message>
        <source>Lower Error Output:</source>
        <translation>Dolní chybový výstup:</translation>
    </message>
    <message>
        <source>Upper Error Output:</source>
        <translation>Horní chybový výstup:</translation>
    </message>
    <message>
        <source>Default Parameters</source>
        <translation>Výchozí parametry</translation>
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
        <translation>&amp;Storno</translation>
    </message>
</context>
<context>
    <name>lmk17::TSettingsForm</name>
    <message>
        <source>Baud Rate</source>
        <translation>Přenosová rychlost</translation>
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
        <translation> Vyberte sériový port nebo zadejte cestu k zařízení (např. terminál lmk17-sim) a stiskněte Enter </translation>
    </message>
    <message>
        <source>Serial Port:</source>
        <translation>Sériový port:</translation>
    </message>
    <message>
        <source>Transmitter (DA):</source>
        <translation>Převodník (DA):</translation>
    </message>
    <message>
        <source>PC (SA):</source>
        <translation>PC (SA):</translation>
    </message>
    <message>
        <source>%1: no such device.</source>
        <translation>%1: takové zařízení neexistuje.</translation>
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
        <translation>&amp;Hledat…</translation>
    </message>
    <message>
        <source> Find the transmitters on the line whatever their address, baud rate and parity </source>
        <translation> Najde převodníky na lince bez ohledu na jejich adresu, přenosovou rychlost a paritu </translation>
    </message>
</context>
<context>
    <name>lmk17::TToolsPage</name>
    <message>
        <source>  Primary Variable and Output  </source>
        <translation>  Primární veličina a výstup  </translation>
    </message>
    <message>
        <source>  Cold Junction Temperature  </source>
        <translation>  Teplota srovnávacího spoje  </translation>
    </message>
    <message>
        <source>Read from Transmitter</source>
        <translation>Načíst z převodníku</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>  Working Time  </source>
        <translation>  Doba provozu  </translation>
    </message>
    <message>
        <source>Refresh Working Time</source>
        <translation>Obnovit dobu provozu</translation>
    </message>
    <message>
        <source>Interval Reading, with Time Interval [s] :</source>
        <translation>Periodické čtení, s časovým intervalem [s] :</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Výstup:</translation>
    </message>
    <message>
        <source>  &amp;Output Testing  </source>
        <translation>  &amp;Testování výstupu  </translation>
    </message>
    <message>
        <source>Output Value %1:</source>
        <translation>Hodnota výstupu %1:</translation>
    </message>
    <message>
        <source>Output Current Value 1-3 Automatic Setting, with Time Interval [s] :</source>
        <translation>Automatické nastavování výstupního proudu 1-3, s časovým intervalem [s] :</translation>
    </message>
    <message>
        <source>Exit Testing</source>
        <translation>Ukončit testování</translation>
    </message>
    <message>
        <source>Output Value %1</source>
        <translation>Výstupní hodnota %1</translation>
    </message>
    <message>
        <source>Automatic Setting, Time Interval [s]</source>
        <translation>Automatické nastavení, časový interval [s]</translation>
    </message>
    <message>
        <source>Interval Reading, Time Interval [s]</source>
        <translation>Čtení v intervalech, časový interval [s]</translation>
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
        <translation>montáž do hlavice čidla</translation>
    </message>
</context>
<context>
    <name>lmk17::TColorSchemeMenu</name>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Barvy</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Světlé</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Tmavé</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Podle systému</translation>
    </message>
</context>
<context>
    <name>lmk17::TLineTrafficForm</name>
    <message>
        <source>Line Traffic</source>
        <translation>Provoz na lince</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Čas (ms)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Směr</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bajty</translation>
    </message>
    <message>
        <source>Decoded</source>
        <translation>Dekódováno</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Vyhodnocení</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Save as Text…</source>
        <translation>Uložit jako text…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Frames on the line</source>
        <translation>Rámce na lince</translation>
    </message>
    <message>
        <source> Stop the list while the line goes on; the frames are kept </source>
        <translation> Zastaví seznam, linka běží dál; rámce se uchovají </translation>
    </message>
    <message>
        <source> Copy the selected lines, or all listed lines when none is selected </source>
        <translation> Zkopíruje vybrané řádky, nebo všechny zobrazené, když není vybrán žádný </translation>
    </message>
    <message>
        <source>Filter by address</source>
        <translation>Filtr podle adresy</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Všechny adresy</translation>
    </message>
    <message>
        <source>Filter by parameter</source>
        <translation>Filtr podle parametru</translation>
    </message>
    <message>
        <source>All parameters</source>
        <translation>Všechny parametry</translation>
    </message>
    <message>
        <source>Filter by verdict</source>
        <translation>Filtr podle vyhodnocení</translation>
    </message>
    <message>
        <source>All verdicts</source>
        <translation>Všechna vyhodnocení</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresa:</translation>
    </message>
    <message>
        <source>P&amp;arameter:</source>
        <translation>P&amp;arametr:</translation>
    </message>
    <message>
        <source>&amp;Verdict:</source>
        <translation>&amp;Vyhodnocení:</translation>
    </message>
    <message>
        <source>Save Line Traffic</source>
        <translation>Uložit provoz na lince</translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Textové soubory (*.txt);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Frames listed: %1</source>
        <translation>Zobrazené rámce: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Pozastaveno: %1</translation>
    </message>
    <message>
        <source>; %1 not listed (more than the buffer holds)</source>
        <translation>; %1 nezobrazeno (víc, než pojme vyrovnávací paměť)</translation>
    </message>
    <message>
        <source>request</source>
        <translation>požadavek</translation>
    </message>
    <message>
        <source>repeat</source>
        <translation>opakování</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>odpověď</translation>
    </message>
    <message>
        <source>echo dropped</source>
        <translation>ozvěna zahozena</translation>
    </message>
    <message>
        <source>noise dropped</source>
        <translation>šum zahozen</translation>
    </message>
    <message>
        <source>misshapen</source>
        <translation>poškozený rámec</translation>
    </message>
    <message>
        <source>late</source>
        <translation>pozdě</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>vypršel čas</translation>
    </message>
</context>
<context>
    <name>lmk17::TSearchForm</name>
    <message>
        <source>Search for Transmitters</source>
        <translation>Hledání převodníků</translation>
    </message>
    <message>
        <source>Find every transmitter on the line</source>
        <translation>Najít všechny převodníky na lince</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Cancel Search</source>
        <translation>Zrušit hledání</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Transmitters found</source>
        <translation>Nalezené převodníky</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Přenosová rychlost</translation>
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
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Výrobní číslo</translation>
    </message>
    <message>
        <source>Input Range</source>
        <translation>Vstupní rozsah</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Průběh hledání</translation>
    </message>
    <message>
        <source> Talk to the transmitter picked: its address, baud rate and parity become the program&apos;s communication parameters </source>
        <translation> Komunikovat s vybraným převodníkem: jeho adresa, přenosová rychlost a parita se stanou komunikačními parametry programu </translation>
    </message>
    <message>
        <source>The search cannot start: connect a serial port first, and wait until the operation under way has ended.</source>
        <translation>Hledání nelze spustit: nejprve připojte sériový port a počkejte, až skončí probíhající operace.</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Hledám…</translation>
    </message>
    <message>
        <source>(not identified)</source>
        <translation>(neidentifikován)</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>Hledání zrušeno.</translation>
    </message>
    <message>
        <source>No transmitter answered.</source>
        <translation>Žádný převodník neodpověděl.</translation>
    </message>
    <message>
        <source>Transmitters found: %1. Pick one and press Use.</source>
        <translation>Nalezené převodníky: %1. Vyberte jeden a stiskněte Použít.</translation>
    </message>
</context>
<context>
    <name>lmk17::TCompareForm</name>
    <message>
        <source>Compare Configurations</source>
        <translation>Porovnání konfigurací</translation>
    </message>
    <message>
        <source>This Configuration</source>
        <translation>Tato konfigurace</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>Převodník</translation>
    </message>
    <message>
        <source>Show all fields</source>
        <translation>Zobrazit všechny položky</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Tisk…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exportovat do PDF…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
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
        <translation>Porovnání konfigurace</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Date: </source>
        <translation>Datum: </translation>
    </message>
    <message>
        <source> Configuration Comparison </source>
        <translation> Porovnání konfigurace </translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Položka</translation>
    </message>
    <message>
        <source>1 field differs.</source>
        <translation>Liší se 1 položka.</translation>
    </message>
    <message>
        <source>Fields that differ: %1.</source>
        <translation>Počet rozdílných položek: %1.</translation>
    </message>
    <message>
        <source>The listed values are equal; the stored values differ in: %1.</source>
        <translation>Zobrazené hodnoty jsou shodné; uložené hodnoty se liší v: %1.</translation>
    </message>
    <message>
        <source>The configurations are equal.</source>
        <translation>Konfigurace jsou shodné.</translation>
    </message>
</context>
<context>
    <name>lmk17::TRestoreForm</name>
    <message>
        <source>Restore</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Storno</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Obnovit ze zálohy</translation>
    </message>
    <message>
        <source>Backups of the transmitter</source>
        <translation>Zálohy převodníku</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Pořízeno</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rozsah</translation>
    </message>
    <message>
        <source>Differing fields</source>
        <translation>Odlišná pole</translation>
    </message>
    <message>
        <source>Restore the chosen backup</source>
        <translation>Obnovit vybranou zálohu</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Soubor nelze přečíst.</translation>
    </message>
    <message>
        <source>No backups of transmitter %1 were found in %2.</source>
        <translation>V %2 nebyly nalezeny žádné zálohy převodníku %1.</translation>
    </message>
    <message>
        <source>(no backup folder)</source>
        <translation>(žádná složka záloh)</translation>
    </message>
    <message>
        <source>Backups of transmitter %1 in %2:</source>
        <translation>Zálohy převodníku %1 v %2:</translation>
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
        <translation>Procházet…</translation>
    </message>
    <message>
        <source>Show the changes and ask before writing</source>
        <translation>Před zápisem zobrazit změny a zeptat se</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Storno</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Složka záloh</translation>
    </message>
    <message>
        <source>Empty: %1</source>
        <translation>Prázdné: %1</translation>
    </message>
    <message>
        <source>Choose the backup folder</source>
        <translation>Vybrat složku záloh</translation>
    </message>
    <message>
        <source>Backups kept per transmitter</source>
        <translation>Počet záloh na převodník</translation>
    </message>
    <message>
        <source>Backup folder:</source>
        <translation>Složka záloh:</translation>
    </message>
    <message>
        <source>Backups kept per transmitter:</source>
        <translation>Počet záloh na převodník:</translation>
    </message>
    <message>
        <source>Before every write the configuration the transmitter holds is kept in the backup folder, in a folder of its own per serial number. Backups newer than a week are never deleted.</source>
        <translation>Před každým zápisem se konfigurace, kterou převodník obsahuje, uloží do složky záloh, do vlastní složky podle výrobního čísla. Zálohy mladší než týden se nikdy nemažou.</translation>
    </message>
</context>
<context>
    <name>BatchWrite</name>
    <message>
        <source>Enter the addresses of the transmitters, e.g. 1-8 or 1,3,5-7 (0..31).</source>
        <translation>Zadejte adresy převodníků, např. 1-8 nebo 1,3,5-7 (0..31).</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>zapsáno a ověřeno</translation>
    </message>
    <message>
        <source>unchanged: it held the configuration</source>
        <translation>beze změny: konfiguraci již obsahoval</translation>
    </message>
    <message>
        <source>FAILED: written, but reading it back gives other values</source>
        <translation>CHYBA: zapsáno, ale zpětné čtení dává jiné hodnoty</translation>
    </message>
    <message>
        <source>FAILED: no backup could be kept; nothing written</source>
        <translation>CHYBA: zálohu nelze uložit; nic nezapsáno</translation>
    </message>
    <message>
        <source>FAILED: refused; nothing written</source>
        <translation>CHYBA: odmítnuto; nic nezapsáno</translation>
    </message>
    <message>
        <source>FAILED: not confirmed; nothing written</source>
        <translation>CHYBA: nepotvrzeno; nic nezapsáno</translation>
    </message>
    <message>
        <source>FAILED: LEFT HALF-WRITTEN, write it again</source>
        <translation>CHYBA: ZÁPIS NEDOKONČEN, zapište znovu</translation>
    </message>
    <message>
        <source>FAILED: no answer; nothing written</source>
        <translation>CHYBA: bez odpovědi; nic nezapsáno</translation>
    </message>
    <message>
        <source>FAILED: stopped before writing; nothing written</source>
        <translation>CHYBA: zastaveno před zápisem; nic nezapsáno</translation>
    </message>
    <message>
        <source>; the protocol could not be written</source>
        <translation>; protokol nelze zapsat</translation>
    </message>
    <message>
        <source>Written or already holding the configuration: %1 of %2.</source>
        <translation>Zapsáno nebo konfiguraci již obsahuje: %1 z %2.</translation>
    </message>
    <message>
        <source>Failed: %1.</source>
        <translation>Chybných: %1.</translation>
    </message>
    <message>
        <source>Cancelled; not written: %1.</source>
        <translation>Zrušeno; nezapsáno: %1.</translation>
    </message>
    <message>
        <source>LEFT HALF-WRITTEN: %1. Write them again.</source>
        <translation>ZÁPIS NEDOKONČEN: %1. Zapište je znovu.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Složku %1 nelze vytvořit.</translation>
    </message>
    <message>
        <source>Another operation is running: wait until it has ended.</source>
        <translation>Probíhá jiná operace: počkejte, až skončí.</translation>
    </message>
    <message>
        <source>No communication port is connected.</source>
        <translation>Není připojen žádný komunikační port.</translation>
    </message>
    <message>
        <source>There is no configuration to write: read or load one first.</source>
        <translation>Není co zapsat: nejprve konfiguraci načtěte z převodníku nebo ze souboru.</translation>
    </message>
    <message>
        <source>The configuration did not pass the check: correct it in the main window.</source>
        <translation>Konfigurace neprošla kontrolou: opravte ji v hlavním okně.</translation>
    </message>
    <message>
        <source>Transmitter Configuration Protocol</source>
        <translation>Protokol konfigurace převodníku</translation>
    </message>
    <message>
        <source>The folder %1 is not a full path. Give the whole path or choose it with Browse.</source>
        <translation>Složka %1 není úplná cesta. Zadejte celou cestu nebo ji vyberte tlačítkem Procházet.</translation>
    </message>
</context>
<context>
    <name>lmk17::TBatchWriteForm</name>
    <message>
        <source>Browse…</source>
        <translation>Procházet…</translation>
    </message>
    <message>
        <source>Ask about the changes before each transmitter is written</source>
        <translation>Před zápisem každého převodníku se ptát na změny</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Spustit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Storno</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Write to Several Transmitters</source>
        <translation>Zápis do více převodníků</translation>
    </message>
    <message>
        <source>The configuration shown in the main window is written into each transmitter of the list, one after another. Each keeps its own address, baud rate, parity and user note, and gets its backup and its verification as by Write.</source>
        <translation>Konfigurace zobrazená v hlavním okně se zapíše postupně do každého převodníku ze seznamu. Každý si ponechá svou adresu, přenosovou rychlost, paritu a poznámku uživatele a dostane svou zálohu a ověření jako při zápisu.</translation>
    </message>
    <message>
        <source>Addresses of the transmitters</source>
        <translation>Adresy převodníků</translation>
    </message>
    <message>
        <source>e.g. 1-8 or 1,3,5-7</source>
        <translation>např. 1-8 nebo 1,3,5-7</translation>
    </message>
    <message>
        <source>Folder for the protocols</source>
        <translation>Složka pro protokoly</translation>
    </message>
    <message>
        <source>(no protocols)</source>
        <translation>(bez protokolů)</translation>
    </message>
    <message>
        <source>Choose the folder for the protocols</source>
        <translation>Vybrat složku pro protokoly</translation>
    </message>
    <message>
        <source>Transmitters written</source>
        <translation>Zapisované převodníky</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Výrobní číslo</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Výsledek</translation>
    </message>
    <message>
        <source>Start writing</source>
        <translation>Spustit zápis</translation>
    </message>
    <message>
        <source>Cancel the writing</source>
        <translation>Zrušit zápis</translation>
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
        <translation>Složka pro protokoly</translation>
    </message>
    <message>
        <source>Writing the transmitter at address %1 (%2 of %3)…</source>
        <translation>Zápis převodníku na adrese %1 (%2 z %3)…</translation>
    </message>
</context>
</TS>
