<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>App</name>
    <message>
        <source>  LMK-17 - %1</source>
        <translation>  LMK-17 - %1</translation>
    </message>
    <message>
        <source>Customer Setup Program for K8410 and K8620 Transmitters</source>
        <translation>Einstellprogramm für die Messumformer K8410 und K8620</translation>
    </message>
    <message>
        <source> (demonstration on the software transmitter)</source>
        <translation> (Vorführung am Software-Messumformer)</translation>
    </message>
    <message>
        <source>Demonstration: software transmitter on %1, address %2 (no hardware needed).</source>
        <translation>Vorführung: Software-Messumformer an %1, Adresse %2 (keine Hardware nötig).</translation>
    </message>
    <message>
        <source>The demonstration transmitter could not be started: %1</source>
        <translation>Der Vorführ-Messumformer konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>lmk17-sim, the software transmitter, was not found beside the program or on the PATH.</source>
        <translation>lmk17-sim, der Software-Messumformer, wurde weder neben dem Programm noch im PATH gefunden.</translation>
    </message>
    <message>
        <source>Do you really want to close application?</source>
        <translation>Wollen Sie die Anwendung wirklich beenden?</translation>
    </message>
    <message>
        <source>The program is in monitoring mode. Stop the monitoring before closing the application.</source>
        <translation>Das Programm ist im Überwachungsmodus. Beenden Sie die Überwachung, bevor Sie die Anwendung schließen.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:
%2</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source> About Application</source>
        <translation> Über die Anwendung</translation>
    </message>
    <message>
        <source>Program LMK-17</source>
        <translation>Programm LMK-17</translation>
    </message>
    <message>
        <source>version  </source>
        <translation>Version  </translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Einstellungsdatei: %1</translation>
    </message>
    <message>
        <source>Do you want to send an e-mail to %1?</source>
        <translation>Möchten Sie eine E-Mail an %1 senden?</translation>
    </message>
    <message>
        <source>Do you want to visit %1?</source>
        <translation>Möchten Sie %1 besuchen?</translation>
    </message>
    <message>
        <source>The help was not found. Looked for the folder %1.</source>
        <translation>Die Hilfe wurde nicht gefunden. Gesucht wurde der Ordner %1.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>lmk17-sim printed no device path</source>
        <translation>lmk17-sim hat keinen Gerätepfad ausgegeben</translation>
    </message>
    <message>
        <source>LMK-17</source>
        <translation>LMK-17</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The linearization file %1 was not opened: the linearization editor needs a configuration whose input range takes a customer linearization. Read or load such a configuration, then load the file in the editor (Input page, Linearization).</source>
        <translation>Die Linearisierungsdatei %1 wurde nicht geöffnet: der Linearisierungseditor braucht eine Konfiguration, deren Eingangsbereich eine Kundenlinearisierung verwendet. Lesen oder laden Sie eine solche Konfiguration und laden Sie die Datei dann im Editor (Seite Eingang, Linearisierung).</translation>
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
        <translation>Aufruf: lmk17 [DATEI.ptf ...] [DATEI.lin ...]
        lmk17 --demo [Optionen von lmk17-sim] [DATEI.ptf ...] [DATEI.lin ...]

Konfiguriert, prüft und überwacht Messumformer K8410 und K8620 über eine serielle Schnittstelle.
Auf der Befehlszeile genannte Konfigurationsdateien (.ptf) werden der Reihe nach
geladen; die letzte gilt. Eine Linearisierungsdatei (.lin) öffnet sich danach im
Linearisierungseditor dieser Konfiguration.

  --demo      startet einen Software-Messumformer (lmk17-sim, ein K8620L31 mit Firmware
              1.91 an Adresse 0, wenn seine Optionen nichts anderes sagen) auf einem
              Pseudoterminal und verbindet sich damit: jeder Befehl lässt sich
              ohne Hardware ausprobieren; die Optionen nach --demo gehen an lmk17-sim
              (lmk17-sim --help listet sie auf), außer den Dateien .ptf und .lin,
              die sich wie oben auf diesem Messumformer öffnen
  --help      dieser Text
  --version   die Version des Programms
</translation>
    </message>
    <message>
        <source>
The manual: %1 (the other languages in the folders beside it)
</source>
        <translation>
Das Handbuch: %1 (die anderen Sprachen in den Ordnern daneben)
</translation>
    </message>
    <message>
        <source>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Dieses Programm ist freie Software: Sie können es unter den Bedingungen der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version (GPL-3.0-or-later), weitergeben und/oder verändern. Es wird ohne jede Gewährleistung bereitgestellt.</translation>
    </message>
    <message>
        <source>It uses Qt %1, licensed under the GNU Lesser General Public License, version 3 (LGPL-3.0).</source>
        <translation>Es verwendet Qt %1 unter der GNU Lesser General Public License, Version 3 (LGPL-3.0).</translation>
    </message>
    <message>
        <source>The number of backups kept per transmitter must be a whole number from %1 to %2.</source>
        <translation>Die Anzahl der aufbewahrten Sicherungen je Messumformer muss eine ganze Zahl von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The backup folder %1 is not a full path. Give the whole path or choose it with Browse.</source>
        <translation>Der Sicherungsordner %1 ist kein vollständiger Pfad. Geben Sie den ganzen Pfad an oder wählen Sie ihn mit Durchsuchen.</translation>
    </message>
    <message>
        <source>The backup folder %1 is a file, not a folder.</source>
        <translation>Der Sicherungsordner %1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The backup folder %1 does not exist and could not be created.</source>
        <translation>Der Sicherungsordner %1 existiert nicht und konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Backups cannot be written into the folder %1.</source>
        <translation>In den Ordner %1 können keine Sicherungen geschrieben werden.</translation>
    </message>
    <message>
        <source>Output test mode is active: the transmitter&apos;s output stays at the test value after the program is closed. Leave output test mode before closing?</source>
        <translation>Der Ausgangstestmodus ist aktiv: Der Ausgang des Messumformers bleibt nach dem Beenden des Programms auf dem Testwert. Den Ausgangstestmodus vor dem Schließen beenden?</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source> R01  Resistance Sensor (0 to 400 ohm) without Linearization</source>
        <translation> R01  Widerstandssensor (0 bis 400 Ohm) ohne Linearisierung</translation>
    </message>
    <message>
        <source> R02  Resistance Sensor (0 to 4000 ohm) without Linearization</source>
        <translation> R02  Widerstandssensor (0 bis 4000 Ohm) ohne Linearisierung</translation>
    </message>
    <message>
        <source> R03  Potentiometer (Total Resistance 40 to 400 ohm)</source>
        <translation> R03  Potentiometer (Gesamtwiderstand 40 bis 400 Ohm)</translation>
    </message>
    <message>
        <source> R04  Potentiometer (Total Resistance 400 to 4000 ohm)</source>
        <translation> R04  Potentiometer (Gesamtwiderstand 400 bis 4000 Ohm)</translation>
    </message>
    <message>
        <source> R05  Voltage Sensor (-15 až 60 mV) without Linearization</source>
        <translation> R05  Spannungssensor (-15 bis 60 mV) ohne Linearisierung</translation>
    </message>
    <message>
        <source> R06  Difference of Two RTD&apos;s (total resistance 400 ohm)</source>
        <translation> R06  Differenz zweier Widerstandsthermometer (Gesamtwiderstand 400 Ohm)</translation>
    </message>
    <message>
        <source> R07  Difference of Two RTD&apos;s (total resistance 4000 ohm)</source>
        <translation> R07  Differenz zweier Widerstandsthermometer (Gesamtwiderstand 4000 Ohm)</translation>
    </message>
    <message>
        <source> R11  Pt100 (-200 to 850 °C) with Linearization</source>
        <translation> R11  Pt100 (-200 bis 850 °C) mit Linearisierung</translation>
    </message>
    <message>
        <source> R12  Pt500 (-200 to 850 °C) with Linearization</source>
        <translation> R12  Pt500 (-200 bis 850 °C) mit Linearisierung</translation>
    </message>
    <message>
        <source> R13  Pt1000 (-200 to 850 °C) with Linearization</source>
        <translation> R13  Pt1000 (-200 bis 850 °C) mit Linearisierung</translation>
    </message>
    <message>
        <source> R14  Ni100 (-60 to 250 °C) with Linearization</source>
        <translation> R14  Ni100 (-60 bis 250 °C) mit Linearisierung</translation>
    </message>
    <message>
        <source> R15  Ni1000 (-60 to 250 °C) with Linearization</source>
        <translation> R15  Ni1000 (-60 bis 250 °C) mit Linearisierung</translation>
    </message>
    <message>
        <source> R51  Thermocouple &quot;J&quot; (-200 to 1000 °C) with Linearization</source>
        <translation> R51  Thermoelement &quot;J&quot; (-200 bis 1000 °C) mit Linearisierung</translation>
    </message>
    <message>
        <source> R52  Thermocouple &quot;K&quot; (-200 to 1300 °C) with Linearization</source>
        <translation> R52  Thermoelement &quot;K&quot; (-200 bis 1300 °C) mit Linearisierung</translation>
    </message>
    <message>
        <source> R53  Thermocouple &quot;N&quot; (-200 to 1300 °C) with Linearization</source>
        <translation> R53  Thermoelement &quot;N&quot; (-200 bis 1300 °C) mit Linearisierung</translation>
    </message>
    <message>
        <source> R54  Thermocouple &quot;R&quot; (-50 to 1700 °C) with Linearization</source>
        <translation> R54  Thermoelement &quot;R&quot; (-50 bis 1700 °C) mit Linearisierung</translation>
    </message>
    <message>
        <source> R55  Thermocouple &quot;S&quot; (-50 to 1700 °C) with Linearization</source>
        <translation> R55  Thermoelement &quot;S&quot; (-50 bis 1700 °C) mit Linearisierung</translation>
    </message>
    <message>
        <source> R56  Thermocouple &quot;T&quot; (-250 to 400 °C) with Linearization</source>
        <translation> R56  Thermoelement &quot;T&quot; (-250 bis 400 °C) mit Linearisierung</translation>
    </message>
    <message>
        <source> R57  Thermocouple &quot;B&quot; (0 to 1800 °C) with Linearization from 50°C</source>
        <translation> R57  Thermoelement &quot;B&quot; (0 bis 1800 °C) mit Linearisierung ab 50°C</translation>
    </message>
    <message>
        <source> R58  Thermocouple &quot;E&quot; (-200 to 800 °C) with Linearization</source>
        <translation> R58  Thermoelement &quot;E&quot; (-200 bis 800 °C) mit Linearisierung</translation>
    </message>
    <message>
        <source> R59  Thermocouple &quot;L&quot; (-200 to 900 °C) with Linearization</source>
        <translation> R59  Thermoelement &quot;L&quot; (-200 bis 900 °C) mit Linearisierung</translation>
    </message>
    <message>
        <source> R71  Current Input -15 to 60 µA</source>
        <translation> R71  Stromeingang -15 bis 60 µA</translation>
    </message>
    <message>
        <source> R72  Current Input -150 to 600 µA</source>
        <translation> R72  Stromeingang -150 bis 600 µA</translation>
    </message>
    <message>
        <source> R73  Current Input -1500 to 6000 µA</source>
        <translation> R73  Stromeingang -1500 bis 6000 µA</translation>
    </message>
    <message>
        <source> R74  Current Input -6 to 24 mA</source>
        <translation> R74  Stromeingang -6 bis 24 mA</translation>
    </message>
    <message>
        <source> R75  Current Input -15 to 60 mA</source>
        <translation> R75  Stromeingang -15 bis 60 mA</translation>
    </message>
    <message>
        <source> R81  Voltage Input -250 to 1000 mV</source>
        <translation> R81  Spannungseingang -250 bis 1000 mV</translation>
    </message>
    <message>
        <source> R82  Voltage Input -2.5 to 10 V</source>
        <translation> R82  Spannungseingang -2.5 bis 10 V</translation>
    </message>
    <message>
        <source> R85  Potentiometer (Total Resistance 0.4 to 25 kohm)</source>
        <translation> R85  Potentiometer (Gesamtwiderstand 0.4 bis 25 kOhm)</translation>
    </message>
    <message>
        <source> R91  Customer Linearization for RTD (0 to 400 ohm)</source>
        <translation> R91  Kundenlinearisierung für Widerstandsthermometer (0 bis 400 Ohm)</translation>
    </message>
    <message>
        <source> R92  Customer Linearization for RTD (0 to 4000 ohm)</source>
        <translation> R92  Kundenlinearisierung für Widerstandsthermometer (0 bis 4000 Ohm)</translation>
    </message>
    <message>
        <source> R93  Customer Linearization for Potentiometer (40 to 400 ohm)</source>
        <translation> R93  Kundenlinearisierung für Potentiometer (40 bis 400 Ohm)</translation>
    </message>
    <message>
        <source> R94  Customer Linearization for Potentiometer (400 to 4000 ohm)</source>
        <translation> R94  Kundenlinearisierung für Potentiometer (400 bis 4000 Ohm)</translation>
    </message>
    <message>
        <source> R95  Customer Linearization for Other Voltage Sensor (Thermocouple)</source>
        <translation> R95  Kundenlinearisierung für anderen Spannungssensor (Thermoelement)</translation>
    </message>
    <message>
        <source> R96  Customer Linearization for Difference of Two RTD&apos;s (400 ohm)</source>
        <translation> R96  Kundenlinearisierung für Differenz zweier Widerstandsthermometer (400 Ohm)</translation>
    </message>
    <message>
        <source> R97  Customer Linearization for Difference of Two RTD&apos;s (4000 ohm)</source>
        <translation> R97  Kundenlinearisierung für Differenz zweier Widerstandsthermometer (4000 Ohm)</translation>
    </message>
    <message>
        <source> C1  2-Wire Connection of the Resistance Sensor</source>
        <translation> C1  2-Leiter-Anschluss des Widerstandssensors</translation>
    </message>
    <message>
        <source> C2  3-Wire Connection of the Resistance Sensor</source>
        <translation> C2  3-Leiter-Anschluss des Widerstandssensors</translation>
    </message>
    <message>
        <source> C3  4-Wire Connection of the Resistance Sensor</source>
        <translation> C3  4-Leiter-Anschluss des Widerstandssensors</translation>
    </message>
    <message>
        <source> C4  Potentiometer Connection without Lead Resistance Compensation</source>
        <translation> C4  Potentiometeranschluss ohne Leitungswiderstandskompensation</translation>
    </message>
    <message>
        <source> C5  Potentiometer Connection with Lead Resistance Compensation</source>
        <translation> C5  Potentiometeranschluss mit Leitungswiderstandskompensation</translation>
    </message>
    <message>
        <source> C6  Connection of Voltage Sensor or T/C without CJ Compensation</source>
        <translation> C6  Anschluss eines Spannungssensors oder Thermoelements ohne Vergleichsstellenkompensation</translation>
    </message>
    <message>
        <source> C7  Connection of T/C with Cold Junction Compensation</source>
        <translation> C7  Anschluss eines Thermoelements mit Vergleichsstellenkompensation</translation>
    </message>
    <message>
        <source> C8  Connection of Two 2-Wire Resistance Sensors</source>
        <translation> C8  Anschluss von zwei Widerstandssensoren in 2-Leiter-Schaltung</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>current output 4 to 20 mA</source>
        <translation>Stromausgang 4 bis 20 mA</translation>
    </message>
    <message>
        <source>current output 0 to 20 mA</source>
        <translation>Stromausgang 0 bis 20 mA</translation>
    </message>
    <message>
        <source>voltage output 0 to 10 V</source>
        <translation>Spannungsausgang 0 bis 10 V</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Attention! Linearization table or cold junction compensation table does not correspond to input range. For proper function it is necessary to write/save the configuration again!</source>
        <translation>Achtung! Linearisierungstabelle oder Tabelle der Vergleichsstellenkompensation passt nicht zum Eingangsbereich. Für die richtige Funktion muss die Konfiguration erneut geschrieben bzw. gespeichert werden!</translation>
    </message>
    <message>
        <source>Transmitter configuration corrupt. Last writing probably not successful. Default configuration will be pre-set!</source>
        <translation>Die Konfiguration des Messumformers ist beschädigt. Das letzte Schreiben war wahrscheinlich nicht erfolgreich. Die Standardkonfiguration wird eingestellt!</translation>
    </message>
    <message>
        <source>Do you really want to pre-set default configuration? </source>
        <translation>Wollen Sie wirklich die Standardkonfiguration einstellen? </translation>
    </message>
    <message>
        <source>Input range was changed, check configuration.</source>
        <translation>Der Eingangsbereich wurde geändert, bitte Konfiguration prüfen.</translation>
    </message>
    <message>
        <source> year, </source>
        <translation> Jahr, </translation>
    </message>
    <message>
        <source> years, </source>
        <translation> Jahre, </translation>
    </message>
    <message>
        <source> day, </source>
        <translation> Tag, </translation>
    </message>
    <message>
        <source> days, </source>
        <translation> Tage, </translation>
    </message>
    <message>
        <source> hour, </source>
        <translation> Stunde, </translation>
    </message>
    <message>
        <source> hours, </source>
        <translation> Stunden, </translation>
    </message>
    <message>
        <source> minute, </source>
        <translation> Minute, </translation>
    </message>
    <message>
        <source> minutes, </source>
        <translation> Minuten, </translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> Sekunden</translation>
    </message>
    <message>
        <source>Picture not Available</source>
        <translation>Bild nicht verfügbar</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Es wurde keine Konfiguration des Messumformers eingestellt.</translation>
    </message>
    <message>
        <source>You want to disable custom linearization now. It will be set default linearization and eventual custom linearization will be erased. Do you want to continue?</source>
        <translation>Sie wollen die Kundenlinearisierung jetzt ausschalten. Es wird die Standardlinearisierung eingestellt und eine eventuelle Kundenlinearisierung gelöscht. Fortfahren?</translation>
    </message>
    <message>
        <source>lower range value</source>
        <translation>Messbereichsanfang</translation>
    </message>
    <message>
        <source>upper range value</source>
        <translation>Messbereichsende</translation>
    </message>
    <message>
        <source>correction of sensor error at lower range value</source>
        <translation>Korrektur des Sensorfehlers am Messbereichsanfang</translation>
    </message>
    <message>
        <source>correction of sensor error at upper range value</source>
        <translation>Korrektur des Sensorfehlers am Messbereichsende</translation>
    </message>
    <message>
        <source>damping</source>
        <translation>Dämpfung</translation>
    </message>
    <message>
        <source>lead resistance</source>
        <translation>Leitungswiderstand</translation>
    </message>
    <message>
        <source>cold junction temperature</source>
        <translation>Vergleichsstellentemperatur</translation>
    </message>
    <message>
        <source>limit comparator %d switching level</source>
        <translation>Schaltpunkt des Grenzwertkomparators %d</translation>
    </message>
    <message>
        <source>limit comparator %d hysteresis</source>
        <translation>Hysterese des Grenzwertkomparators %d</translation>
    </message>
    <message>
        <source>lower output range</source>
        <translation>Ausgangsbereichsanfang</translation>
    </message>
    <message>
        <source>upper output range</source>
        <translation>Ausgangsbereichsende</translation>
    </message>
    <message>
        <source>lower output limit</source>
        <translation>untere Ausgangsgrenze</translation>
    </message>
    <message>
        <source>upper output limit</source>
        <translation>obere Ausgangsgrenze</translation>
    </message>
    <message>
        <source>lower error output</source>
        <translation>unterer Fehlerausgang</translation>
    </message>
    <message>
        <source>upper error output</source>
        <translation>oberer Fehlerausgang</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Falsches Format des Wertes: </translation>
    </message>
    <message>
        <source>Value of </source>
        <translation>Wert von </translation>
    </message>
    <message>
        <source> is out of the range: </source>
        <translation> liegt außerhalb des Bereichs: </translation>
    </message>
    <message>
        <source>Value of correction at upper range value is higher than %.2g %% of input range.</source>
        <translation>Die Korrektur am Messbereichsende ist größer als %.2g %% des Eingangsbereichs.</translation>
    </message>
    <message>
        <source>Value of correction at lower range value is higher than %.2g %% of input range.</source>
        <translation>Die Korrektur am Messbereichsanfang ist größer als %.2g %% des Eingangsbereichs.</translation>
    </message>
    <message>
        <source>Value of limit comparator %d hysteresis is higher than %.2g %% of input range.</source>
        <translation>Die Hysterese des Grenzwertkomparators %d ist größer als %.2g %% des Eingangsbereichs.</translation>
    </message>
    <message>
        <source>Value of limit comparator %d hysteresis cannot be equal to zero for reverse switching mode. Normal switching mode was set.</source>
        <translation>Die Hysterese des Grenzwertkomparators %d darf bei inverser Schaltrichtung nicht null sein. Die normale Schaltrichtung wurde eingestellt.</translation>
    </message>
    <message>
        <source>Span value is lower than %.2g%% of input range.</source>
        <translation>Die Messspanne ist kleiner als %.2g%% des Eingangsbereichs.</translation>
    </message>
    <message>
        <source>Output span value is lower than %.2g %s, cannot continue.</source>
        <translation>Die Ausgangsspanne ist kleiner als %.2g %s, Abbruch.</translation>
    </message>
    <message>
        <source>Saturation span value is lower than %.2g %s, cannot continue.</source>
        <translation>Die Spanne der Ausgangsgrenzen ist kleiner als %.2g %s, Abbruch.</translation>
    </message>
    <message>
        <source>Error span value is lower than %.2g %s, cannot continue.</source>
        <translation>Die Spanne der Fehlerausgänge ist kleiner als %.2g %s, Abbruch.</translation>
    </message>
    <message>
        <source>Some values of the configuration lie outside the range of the new linearization (measuring range, corrections or limit comparators). Correct them before the configuration is written or saved.</source>
        <translation>Einige Werte der Konfiguration liegen außerhalb des Bereichs der neuen Linearisierung (Messbereich, Korrekturen oder Grenzwertkomparatoren). Korrigieren Sie sie, bevor die Konfiguration geschrieben oder gespeichert wird.</translation>
    </message>
</context>
<context>
    <name>Configuration file</name>
    <message>
        <source>Configuration was not loaded, cancelled by user.</source>
        <translation>Konfiguration wurde nicht geladen, vom Benutzer abgebrochen.</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file: &apos;%s&apos; not found.</source>
        <translation>Konfiguration wurde nicht geladen, Datei: &apos;%s&apos; nicht gefunden.</translation>
    </message>
    <message>
        <source>Wrong file format or file: &apos;%s&apos; is damaged!</source>
        <translation>Falsches Dateiformat oder die Datei: &apos;%s&apos; ist beschädigt!</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file is damaged or wrong type.</source>
        <translation>Konfiguration wurde nicht geladen, Datei ist beschädigt oder vom falschen Typ.</translation>
    </message>
    <message>
        <source>Configuration was read without any errors.</source>
        <translation>Konfiguration wurde fehlerfrei gelesen.</translation>
    </message>
    <message>
        <source>Configuration was not saved, cancelled by user.</source>
        <translation>Konfiguration wurde nicht gespeichert, vom Benutzer abgebrochen.</translation>
    </message>
    <message>
        <source>File: &apos;%s&apos; already exists, do you want to overwrite it?</source>
        <translation>Datei: &apos;%s&apos; existiert bereits, überschreiben?</translation>
    </message>
    <message>
        <source>Configuration was not saved, cannot open file: &apos;%s&apos;.</source>
        <translation>Konfiguration wurde nicht gespeichert, Datei: &apos;%s&apos; kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Configuration was saved without any errors.</source>
        <translation>Konfiguration wurde fehlerfrei gespeichert.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Es wurde keine Konfiguration des Messumformers eingestellt.</translation>
    </message>
    <message>
        <source>Changes were not saved. Continue?</source>
        <translation>Änderungen wurden nicht gespeichert. Fortfahren?</translation>
    </message>
    <message>
        <source>Configuration was not loaded, &apos;%s&apos; is a folder.</source>
        <translation>Konfiguration wurde nicht geladen, &apos;%s&apos; ist ein Ordner.</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file: &apos;%s&apos; cannot be read:</source>
        <translation>Konfiguration wurde nicht geladen, Datei: &apos;%s&apos; kann nicht gelesen werden:</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The file is larger than %1 kB; no file of this program is.</source>
        <translation>Die Datei ist größer als %1 kB; keine Datei dieses Programms ist so groß.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be written: %2</source>
        <translation>Die Datei &apos;%1&apos; konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Not a regular file (a device, a pipe or a socket)</source>
        <translation>Keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket)</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>lmk17en.hlp</source>
        <translation>lmk17de.hlp</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Change of language will be applied after application restart!</source>
        <translation>Die Sprache wird nach einem Neustart der Anwendung gewechselt!</translation>
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
        <translation>Die Linearisierungstabelle kann erst berechnet werden, wenn mindestens 2 Punkte eingegeben sind.</translation>
    </message>
    <message>
        <source>Cannot resolve the compensating table unless at least 2 points are entered.</source>
        <translation>Die Kompensationstabelle kann erst berechnet werden, wenn mindestens 2 Punkte eingegeben sind.</translation>
    </message>
    <message>
        <source>Data were not saved, cancelled by user.</source>
        <translation>Daten wurden nicht gespeichert, vom Benutzer abgebrochen.</translation>
    </message>
    <message>
        <source>Data were not saved, cannot open file: &apos;%1&apos;.</source>
        <translation>Daten wurden nicht gespeichert, Datei: &apos;%1&apos; kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>File: &apos;%1&apos; already exists, do you want to overwrite it?</source>
        <translation>Datei: &apos;%1&apos; existiert bereits, überschreiben?</translation>
    </message>
    <message>
        <source> Saving Data to File</source>
        <translation> Daten werden in Datei gespeichert</translation>
    </message>
    <message>
        <source>Data was saved without any errors.</source>
        <translation>Daten wurden fehlerfrei gespeichert.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in table of the points for the linearization.</source>
        <translation>Daten können nicht gespeichert werden, solange die Punktetabelle der Linearisierung Fehler enthält.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in table of the points for the cold junction compensation.</source>
        <translation>Daten können nicht gespeichert werden, solange die Punktetabelle der Vergleichsstellenkompensation Fehler enthält.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in &apos;Sensor-Specific Characterization&apos; section.</source>
        <translation>Daten können nicht gespeichert werden, solange der Abschnitt &apos;Sensorspezifische Kennlinie&apos; Fehler enthält.</translation>
    </message>
    <message>
        <source>Data was not loaded - wrong file format.</source>
        <translation>Daten wurden nicht geladen - falsches Dateiformat.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
 Error in the Section: [</source>
        <translation><byte value="xd"/>
 Fehler im Abschnitt: [</translation>
    </message>
    <message>
        <source>Data was not loaded - unknown file format.</source>
        <translation>Daten wurden nicht geladen - unbekanntes Dateiformat.</translation>
    </message>
    <message>
        <source>Try later version or contact your supplier.</source>
        <translation>Versuchen Sie eine neuere Version oder wenden Sie sich an Ihren Lieferanten.</translation>
    </message>
    <message>
        <source>Data was not loaded, file contains data for another input range (</source>
        <translation>Daten wurden nicht geladen, die Datei enthält Daten für einen anderen Eingangsbereich (</translation>
    </message>
    <message>
        <source> Loading Data from File</source>
        <translation> Daten werden aus Datei geladen</translation>
    </message>
    <message>
        <source>Data was not loaded, cancelled by user.</source>
        <translation>Daten wurden nicht geladen, vom Benutzer abgebrochen.</translation>
    </message>
    <message>
        <source>Data was not loaded, cannot open file: &apos;%1&apos;.</source>
        <translation>Daten wurden nicht geladen, Datei: &apos;%1&apos; kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Incorrect format of the value in row n.%1 and column n.%2, please correct.</source>
        <translation>Falsches Format des Wertes in Zeile Nr.%1 und Spalte Nr.%2, bitte korrigieren.</translation>
    </message>
    <message>
        <source>Value in row n.%1 and column n.%2 is out of range &lt; %3, %4 &gt; °C, please correct.</source>
        <translation>Der Wert in Zeile Nr.%1 und Spalte Nr.%2 liegt außerhalb des Bereichs &lt; %3, %4 &gt; °C, bitte korrigieren.</translation>
    </message>
    <message>
        <source>Value in row n.%1 and column n.%2 is out of range &lt; %3, %4 &gt; Ohm, please correct.</source>
        <translation>Der Wert in Zeile Nr.%1 und Spalte Nr.%2 liegt außerhalb des Bereichs &lt; %3, %4 &gt; Ohm, bitte korrigieren.</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Falsches Format des Wertes: </translation>
    </message>
    <message>
        <source>Sensor-Specific Constants.</source>
        <translation>Sensorspezifische Konstanten.</translation>
    </message>
    <message>
        <source>Attention! Value %1 is bigger than upper limit selected input range %2.</source>
        <translation>Achtung! Der Wert %1 ist größer als die obere Grenze des gewählten Eingangsbereichs %2.</translation>
    </message>
    <message>
        <source>Data was not loaded, file: &apos;%1&apos; not found.</source>
        <translation>Daten wurden nicht geladen, Datei: &apos;%1&apos; nicht gefunden.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Es ist ein Ordner.</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>Do not Disconnect Communication Cable!</source>
        <translation>Kommunikationskabel nicht abziehen!</translation>
    </message>
    <message>
        <source>%s serial port successfully connected.</source>
        <translation>Serielle Schnittstelle %s erfolgreich verbunden.</translation>
    </message>
    <message>
        <source>%s serial port cannot be connected.</source>
        <translation>Serielle Schnittstelle %s kann nicht verbunden werden.</translation>
    </message>
    <message>
        <source>%s serial port disconnected.</source>
        <translation>Serielle Schnittstelle %s getrennt.</translation>
    </message>
    <message>
        <source>Attention! Setting of wrong communication parameters may lose communication with the transmitter! Changing this parameters is allowed experienced user only.</source>
        <translation>Achtung! Falsche Kommunikationsparameter können die Verbindung zum Messumformer unterbrechen! Diese Parameter darf nur ein erfahrener Benutzer ändern.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Es wurde keine Konfiguration des Messumformers eingestellt.</translation>
    </message>
    <message>
        <source>Attention! You want to change the communication parameters to other than default.<byte value="xd"/>
Setting of wrong communication parameters may lose communication with the transmitter!<byte value="xd"/>
Do You really want to change the parameters?</source>
        <translation>Achtung! Sie wollen die Kommunikationsparameter auf andere als die Standardwerte ändern.<byte value="xd"/>
Falsche Kommunikationsparameter können die Verbindung zum Messumformer unterbrechen!<byte value="xd"/>
Wollen Sie die Parameter wirklich ändern?</translation>
    </message>
    <message>
        <source>Changes is not valid immediately after writing the configuration, but after power down and power up!</source>
        <translation>Die Änderungen gelten nicht sofort nach dem Schreiben der Konfiguration, sondern erst nach Aus- und Wiedereinschalten der Versorgung!</translation>
    </message>
    <message>
        <source> Not Connected</source>
        <translation> Nicht verbunden</translation>
    </message>
    <message>
        <source> Options</source>
        <translation> Optionen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Communication Parameters for Experts</source>
        <translation>Kommunikationsparameter für Experten</translation>
    </message>
    <message>
        <source>&amp;Default Parameters</source>
        <translation>&amp;Standardparameter</translation>
    </message>
    <message>
        <source> Transmitter Communication Parameters</source>
        <translation> Kommunikationsparameter des Messumformers</translation>
    </message>
    <message>
        <source>Attention! Setting of wrong paramaters may</source>
        <translation>Achtung! Falsche Parameter können die</translation>
    </message>
    <message>
        <source>lose communication with the Transmitter!</source>
        <translation>Verbindung zum Messumformer unterbrechen!</translation>
    </message>
    <message>
        <source>Default Params</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Kommunikation</translation>
    </message>
    <message>
        <source> None</source>
        <translation> Keine</translation>
    </message>
    <message>
        <source> Odd</source>
        <translation> Ungerade</translation>
    </message>
    <message>
        <source> Even</source>
        <translation> Gerade</translation>
    </message>
    <message>
        <source> OK.</source>
        <translation> OK.</translation>
    </message>
    <message>
        <source> ERROR: Error during Transmit.</source>
        <translation> FEHLER: Übertragungsfehler.</translation>
    </message>
    <message>
        <source> ERROR: Bad Parameters.</source>
        <translation> FEHLER: Falsche Parameter.</translation>
    </message>
    <message>
        <source> ERROR: Bad Function.</source>
        <translation> FEHLER: Falsche Funktion.</translation>
    </message>
    <message>
        <source> Application layer answered OK.</source>
        <translation> Anwendungsschicht hat OK geantwortet.</translation>
    </message>
    <message>
        <source> ERROR: Frame Error of the Incoming Message.</source>
        <translation> FEHLER: Rahmenfehler der empfangenen Nachricht.</translation>
    </message>
    <message>
        <source> ERROR: Bad CRC of the Incoming Message.</source>
        <translation> FEHLER: Falsche Prüfsumme der empfangenen Nachricht.</translation>
    </message>
    <message>
        <source> ERROR: Error during Transmit (from Transmitter to PC).</source>
        <translation> FEHLER: Übertragungsfehler (vom Messumformer zum PC).</translation>
    </message>
    <message>
        <source> ERROR: Bad Answer was received.</source>
        <translation> FEHLER: Fehlerhafte Antwort empfangen.</translation>
    </message>
    <message>
        <source> ERROR: Timeout.</source>
        <translation> FEHLER: Zeitüberschreitung.</translation>
    </message>
    <message>
        <source> ERROR: Unknown Answer: %d</source>
        <translation> FEHLER: Unbekannte Antwort: %d</translation>
    </message>
    <message>
        <source>You may not open this port: add your user to the dialout group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>Sie dürfen diese Schnittstelle nicht öffnen: fügen Sie Ihren Benutzer der Gruppe dialout hinzu (sudo usermod -aG dialout $USER), melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>%s serial port lost; monitoring tries to reopen it every 2 s.</source>
        <translation>Serielle Schnittstelle %s verloren; die Überwachung versucht alle 2 s, sie wieder zu öffnen.</translation>
    </message>
    <message>
        <source> ERROR: Another device keeps sending on the line; the request could not be sent.</source>
        <translation> FEHLER: Ein anderes Gerät sendet ständig auf der Leitung; die Anfrage konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>No description from the system</source>
        <translation>Keine Beschreibung vom System</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>Gerät: %1</translation>
    </message>
    <message>
        <source>Stable name: %1</source>
        <translation>Dauerhafter Name: %1</translation>
    </message>
</context>
<context>
    <name>LinkParity</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>ungerade</translation>
    </message>
    <message>
        <source>even</source>
        <translation>gerade</translation>
    </message>
</context>
<context>
    <name>Monitoring</name>
    <message>
        <source>The time interval must be a number of seconds from 1 to 1200. The previous value of %1 s is kept.</source>
        <translation>Das Zeitintervall muss eine Anzahl Sekunden von 1 bis 1200 sein. Der vorherige Wert von %1 s bleibt erhalten.</translation>
    </message>
    <message>
        <source>Do you really want to stop the monitoring mode?</source>
        <translation>Wollen Sie die Überwachung wirklich beenden?</translation>
    </message>
    <message>
        <source>Do you really want to erase records in window?</source>
        <translation>Wollen Sie die Einträge im Fenster wirklich löschen?</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be written. Monitoring goes on; the records are kept in the log window only.</source>
        <translation>In die Protokolldatei &quot;%1&quot; kann nicht geschrieben werden. Die Überwachung läuft weiter; die Einträge stehen nur im Protokollfenster.</translation>
    </message>
    <message>
        <source>an empty item in the address list</source>
        <translation>ein leerer Eintrag in der Adressliste</translation>
    </message>
    <message>
        <source>not an address 0..31 or a range of them: %1</source>
        <translation>keine Adresse 0..31 und kein Bereich davon: %1</translation>
    </message>
    <message>
        <source>a range runs upwards: %1</source>
        <translation>ein Bereich muss aufsteigen: %1</translation>
    </message>
    <message>
        <source>address %1 is listed twice</source>
        <translation>Adresse %1 ist doppelt aufgeführt</translation>
    </message>
    <message>
        <source>at most %1 addresses</source>
        <translation>höchstens %1 Adressen</translation>
    </message>
    <message>
        <source>The time interval must be a number of seconds from 1 to 1200.</source>
        <translation>Das Zeitintervall muss eine Anzahl Sekunden von 1 bis 1200 sein.</translation>
    </message>
    <message>
        <source>The number of graph records must be a whole number from 20 to 2000.</source>
        <translation>Die Anzahl der Grafikdatensätze muss eine ganze Zahl von 20 bis 2000 sein.</translation>
    </message>
    <message>
        <source>The number of significant places of the PV must be a whole number from 3 to 25.</source>
        <translation>Die Anzahl der signifikanten Stellen des PV muss eine ganze Zahl von 3 bis 25 sein.</translation>
    </message>
    <message>
        <source>The change of the PV value must be a whole number of percent from 1 to 1000.</source>
        <translation>Die Änderung des PV-Wertes muss eine ganze Prozentzahl von 1 bis 1000 sein.</translation>
    </message>
    <message>
        <source>The time period must be a whole number of seconds from 20 to 7200.</source>
        <translation>Die Zeitperiode muss eine ganze Anzahl Sekunden von 20 bis 7200 sein.</translation>
    </message>
    <message>
        <source>The previous value of %1 is kept.</source>
        <translation>Der bisherige Wert %1 bleibt erhalten.</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; holds records of another format (another header or separator); nothing was appended to it. Choose another file, or rewrite it.</source>
        <translation>Die Protokolldatei „%1“ enthält Einträge eines anderen Formats (andere Kopfzeile oder anderes Trennzeichen); es wurde nichts angehängt. Wählen Sie eine andere Datei, oder überschreiben Sie sie.</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Output test mode is active.</source>
        <translation>Der Ausgangstestmodus ist aktiv.</translation>
    </message>
    <message>
        <source>Transmitter works without any errors.</source>
        <translation>Der Messumformer arbeitet fehlerfrei.</translation>
    </message>
    <message>
        <source> 1 - Sensor Incorrectly Connected or Faulty</source>
        <translation> 1 - Sensor falsch angeschlossen oder defekt</translation>
    </message>
    <message>
        <source> 2 - Primary Variable out of the Input Range</source>
        <translation> 2 - Messgröße außerhalb des Eingangsbereichs</translation>
    </message>
    <message>
        <source> 3 - EEPROM Error (Write Error)</source>
        <translation> 3 - EEPROM-Fehler (Schreibfehler)</translation>
    </message>
    <message>
        <source> 4 - EEPROM Error (CRC Error)</source>
        <translation> 4 - EEPROM-Fehler (CRC-Fehler)</translation>
    </message>
    <message>
        <source> 5 - Misconfiguration (Incorrect Connection Code)</source>
        <translation> 5 - Fehlkonfiguration (falscher Anschlusscode)</translation>
    </message>
    <message>
        <source> 6 - Internal Error (Divide by Zero)</source>
        <translation> 6 - Interner Fehler (Division durch Null)</translation>
    </message>
    <message>
        <source> 7 - Limit Comparator Current Signaling</source>
        <translation> 7 - Stromsignalisierung durch Grenzwertkomparator</translation>
    </message>
    <message>
        <source> Reading CJ Temperature from Transmitter</source>
        <translation> Vergleichsstellentemperatur wird aus dem Messumformer gelesen</translation>
    </message>
    <message>
        <source>- constant</source>
        <translation>- konstant</translation>
    </message>
    <message>
        <source>Attention, the transmitter was during reading in an error state which may cause incorrect value of cold junction temperature!</source>
        <translation>Achtung, der Messumformer war während des Lesens in einem Fehlerzustand; die Vergleichsstellentemperatur kann daher falsch sein!</translation>
    </message>
    <message>
        <source>Cold junction temperature cannot be read; the connected transmitter is not configured for thermocouple measuring.</source>
        <translation>Die Vergleichsstellentemperatur kann nicht gelesen werden; der angeschlossene Messumformer ist nicht für Thermoelementmessung konfiguriert.</translation>
    </message>
    <message>
        <source>The connected transmitter %s is not supported by this version of LMK-17, cannot continue!</source>
        <translation>Der angeschlossene Messumformer %s wird von dieser LMK-17-Version nicht unterstützt, Abbruch!</translation>
    </message>
    <message>
        <source>Connected transmitter firmware version is not supported by this version of LMK-17, cannot continue!</source>
        <translation>Die Firmwareversion des angeschlossenen Messumformers wird von dieser LMK-17-Version nicht unterstützt, Abbruch!</translation>
    </message>
    <message>
        <source>Input range is not supported by this version of LMK-17, or was written wrongly.</source>
        <translation>Der Eingangsbereich wird von dieser LMK-17-Version nicht unterstützt oder wurde falsch geschrieben.</translation>
    </message>
    <message>
        <source>Try later version or contact your supplier.</source>
        <translation>Versuchen Sie eine neuere Version oder wenden Sie sich an Ihren Lieferanten.</translation>
    </message>
    <message>
        <source>Transmitter configuration corrupt. Last writing probably not successful. Do you want to pre-set default configuration?</source>
        <translation>Die Konfiguration des Messumformers ist beschädigt. Das letzte Schreiben war wahrscheinlich nicht erfolgreich. Möchten Sie die Standardkonfiguration einstellen?</translation>
    </message>
    <message>
        <source>Another transmitter was connected or configuration was changed. The transmitter configuration must be read again.<byte value="xd"/>
Do you want to read configuration from transmitter? If no, operation will be stopped.</source>
        <translation>Ein anderer Messumformer wurde angeschlossen oder die Konfiguration wurde geändert. Die Konfiguration des Messumformers muss erneut gelesen werden.<byte value="xd"/>
Wollen Sie die Konfiguration aus dem Messumformer lesen? Wenn nicht, wird der Vorgang abgebrochen.</translation>
    </message>
    <message>
        <source>Different type of transmitter is connected, cannot continue.</source>
        <translation>Ein Messumformer eines anderen Typs ist angeschlossen, Abbruch.</translation>
    </message>
    <message>
        <source>The connected transmitter uses earlier firmware version than required for storing the current configuration. Cannot continue.</source>
        <translation>Der angeschlossene Messumformer hat eine ältere Firmwareversion, als zum Speichern der aktuellen Konfiguration nötig ist. Abbruch.</translation>
    </message>
    <message>
        <source>Connected transmitter is configured with fixed input range. Input range cannot be changed, cannot continue!</source>
        <translation>Der angeschlossene Messumformer ist auf einen festen Eingangsbereich konfiguriert. Der Eingangsbereich kann nicht geändert werden, Abbruch!</translation>
    </message>
    <message>
        <source>Another transmitter was connected, do you really want to continue?</source>
        <translation>Ein anderer Messumformer wurde angeschlossen, wirklich fortfahren?</translation>
    </message>
    <message>
        <source> Reading Configuration from Transmitter</source>
        <translation> Konfiguration wird aus dem Messumformer gelesen</translation>
    </message>
    <message>
        <source> Writing Configuration to Transmitter</source>
        <translation> Konfiguration wird in den Messumformer geschrieben</translation>
    </message>
    <message>
        <source>Configuration was written to transmitter without any errors.</source>
        <translation>Konfiguration wurde fehlerfrei in den Messumformer geschrieben.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Es wurde keine Konfiguration des Messumformers eingestellt.</translation>
    </message>
    <message>
        <source>Changes were not saved. Continue?</source>
        <translation>Änderungen wurden nicht gespeichert. Fortfahren?</translation>
    </message>
    <message>
        <source>The period must be a number of seconds from 0.2 to 15.0. The value %1 stays.</source>
        <translation>Die Periode muss eine Zahl von Sekunden zwischen 0,2 und 15,0 sein. Der Wert %1 bleibt.</translation>
    </message>
    <message>
        <source>The output test value must be a number from %1 to %2 %3 (a negative value leaves output test mode). The value %4 stays.</source>
        <translation>Der Ausgangstestwert muss eine Zahl von %1 bis %2 %3 sein (ein negativer Wert beendet den Ausgangstestmodus). Der Wert %4 bleibt.</translation>
    </message>
    <message>
        <source> Checking the Written Configuration</source>
        <translation> Prüfung der geschriebenen Konfiguration</translation>
    </message>
    <message>
        <source>The transmitter acknowledged the configuration, but reading it back gives other values than were written:</source>
        <translation>Der Messumformer hat die Konfiguration bestätigt, aber das Zurücklesen ergibt andere Werte als geschrieben:</translation>
    </message>
    <message>
        <source> parameter %1 (row %2): written %3, read %4</source>
        <translation> Parameter %1 (Zeile %2): geschrieben %3, gelesen %4</translation>
    </message>
    <message>
        <source>Error during reading the data from transmitter, repeat?</source>
        <translation>Fehler beim Lesen der Daten aus dem Messumformer, wiederholen?</translation>
    </message>
    <message>
        <source>Error during writing the data to transmitter, repeat?</source>
        <translation>Fehler beim Schreiben der Daten in den Messumformer, wiederholen?</translation>
    </message>
    <message>
        <source>Error (&apos;Bad Parameters&apos;) during writing the data to transmitter!<byte value="xd"/>
Feasible solution: Stop writing now, set the default configuration (command from menu &apos;Transmitter&apos;) and write configuration to the transmitter.<byte value="xd"/>
Do You want to repeat this operation?</source>
        <translation>Fehler (&apos;Falsche Parameter&apos;) beim Schreiben der Daten in den Messumformer!<byte value="xd"/>
Mögliche Lösung: Schreiben jetzt abbrechen, die Standardkonfiguration einstellen (Befehl im Menü &apos;Messumformer&apos;) und die Konfiguration in den Messumformer schreiben.<byte value="xd"/>
Wollen Sie diesen Vorgang wiederholen?</translation>
    </message>
    <message>
        <source>No communication port connected, cannot continue. Do you want to connect it now?</source>
        <translation>Keine Kommunikationsschnittstelle verbunden, Abbruch. Möchten Sie sie jetzt verbinden?</translation>
    </message>
    <message>
        <source>Error during transmitter configuration writing. Incorrect configuration settings may cause undefined errors. Configuration should be stored again.</source>
        <translation>Fehler beim Schreiben der Konfiguration in den Messumformer. Falsche Konfigurationseinstellungen können undefinierte Fehler verursachen. Die Konfiguration sollte erneut geschrieben werden.</translation>
    </message>
    <message>
        <source>Do you really want to break operation?</source>
        <translation>Wollen Sie den Vorgang wirklich abbrechen?</translation>
    </message>
    <message>
        <source>Waiting for the line to fall quiet...</source>
        <translation>Warten, bis die Leitung ruhig ist...</translation>
    </message>
    <message>
        <source> Reading Configuration for the Backup</source>
        <translation> Konfiguration für die Sicherung lesen</translation>
    </message>
    <message>
        <source>The backup folder &apos;%1&apos; could not be created.</source>
        <translation>Der Sicherungsordner &apos;%1&apos; konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The transmitter&apos;s present configuration could not be kept as a backup, so nothing was written.</source>
        <translation>Die aktuelle Konfiguration des Messumformers konnte nicht gesichert werden, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Writing changes these values of the transmitter (now -&gt; written):</source>
        <translation>Das Schreiben ändert diese Werte des Messumformers (jetzt -&gt; geschrieben):</translation>
    </message>
    <message>
        <source> ... and %1 more</source>
        <translation> ... und %1 weitere</translation>
    </message>
    <message>
        <source> stored values beyond the digits shown: %1</source>
        <translation> gespeicherte Werte jenseits der angezeigten Stellen: %1</translation>
    </message>
    <message>
        <source>Write the configuration to the transmitter?</source>
        <translation>Die Konfiguration in den Messumformer schreiben?</translation>
    </message>
    <message>
        <source>The transmitter already holds this configuration; nothing was written.</source>
        <translation>Der Messumformer enthält diese Konfiguration bereits; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The transmitter already holds this configuration. Write it anyway?</source>
        <translation>Der Messumformer enthält diese Konfiguration bereits. Trotzdem schreiben?</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>Note.: </source>
        <translation>Anm.: </translation>
    </message>
    <message>
        <source>Configured by</source>
        <translation>Konfiguriert von</translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Datum: </translation>
    </message>
    <message>
        <source> Transmitter Configuration Protocol </source>
        <translation> Konfigurationsprotokoll des Messumformers </translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Korrektur</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Limit Comparator</source>
        <translation>Grenzwertkomparator</translation>
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
        <translation>Ein</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Switch Level:</source>
        <translation>Schaltpunkt:</translation>
    </message>
    <message>
        <source>Hysteresis:</source>
        <translation>Hysterese:</translation>
    </message>
    <message>
        <source>Switching Mode:</source>
        <translation>Schaltrichtung:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Invers</translation>
    </message>
    <message>
        <source>Indicate by Error Output:</source>
        <translation>Signalisierung durch Fehlerstrom:</translation>
    </message>
    <message>
        <source>State on Error:</source>
        <translation>Zustand bei Fehler:</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Output Type:</source>
        <translation>Ausgangstyp:</translation>
    </message>
    <message>
        <source>Output Saturation:</source>
        <translation>Ausgangsbegrenzung:</translation>
    </message>
    <message>
        <source>cca  %1 to %2 %3</source>
        <translation>ca.  %1 bis %2 %3</translation>
    </message>
    <message>
        <source>Damping:</source>
        <translation>Dämpfung:</translation>
    </message>
    <message>
        <source>Linearization:</source>
        <translation>Linearisierung:</translation>
    </message>
    <message>
        <source>Customer Linearization:</source>
        <translation>Kundenlinearisierung:</translation>
    </message>
    <message>
        <source>Lead Resistance 1:</source>
        <translation>Leitungswiderstand 1:</translation>
    </message>
    <message>
        <source>Lead Resistance:</source>
        <translation>Leitungswiderstand:</translation>
    </message>
    <message>
        <source>Lead Resistance 2:</source>
        <translation>Leitungswiderstand 2:</translation>
    </message>
    <message>
        <source>Cold Junction Temperature:</source>
        <translation>Vergleichsstellentemperatur:</translation>
    </message>
    <message>
        <source>- constant</source>
        <translation>- konstant</translation>
    </message>
    <message>
        <source>Input Filter:</source>
        <translation>Eingangsfilter:</translation>
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
        <translation>Fehlermeldung:</translation>
    </message>
    <message>
        <source> and by Switching Relay</source>
        <translation> und durch Schalten von Relais</translation>
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
        <translation>Typ des Messumformers:</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Firmwareversion:</translation>
    </message>
    <message>
        <source>Identification:</source>
        <translation>Identifikation:</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Hersteller:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Date of Manufacturing:</source>
        <translation>Herstellungsdatum:</translation>
    </message>
    <message>
        <source>Date of Last Change:</source>
        <translation>Datum der letzten Änderung:</translation>
    </message>
    <message>
        <source>Working Time:</source>
        <translation>Betriebszeit:</translation>
    </message>
    <message>
        <source>File Version:</source>
        <translation>Dateiversion:</translation>
    </message>
    <message>
        <source>Input Range:</source>
        <translation>Eingangsbereich:</translation>
    </message>
    <message>
        <source>Sensor Connection:</source>
        <translation>Sensoranschluss:</translation>
    </message>
    <message>
        <source>Set Range:</source>
        <translation>Eingestellter Bereich:</translation>
    </message>
    <message>
        <source>Communication Parameters:</source>
        <translation>Kommunikationsparameter:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>BaudRate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parität:</translation>
    </message>
    <message>
        <source>Text Note:</source>
        <translation>Textanmerkung:</translation>
    </message>
    <message>
        <source>Configuration Security:</source>
        <translation>Konfigurationsschutz:</translation>
    </message>
    <message>
        <source>Change of the Configuration by the Set-up Unit is disallowed</source>
        <translation>Änderung der Konfiguration über das Einstellgerät ist gesperrt</translation>
    </message>
    <message>
        <source>Change of the Configuration by the Set-up Unit is allowed</source>
        <translation>Änderung der Konfiguration über das Einstellgerät ist erlaubt</translation>
    </message>
    <message>
        <source>None Decimal Place</source>
        <translation>Keine Dezimalstelle</translation>
    </message>
    <message>
        <source>1 Decimal Place</source>
        <translation>1 Dezimalstelle</translation>
    </message>
    <message>
        <source>2 Decimal Places</source>
        <translation>2 Dezimalstellen</translation>
    </message>
    <message>
        <source>Points for Approximation:</source>
        <translation>Punkte für die Approximation:</translation>
    </message>
    <message>
        <source>No Points</source>
        <translation>Keine Punkte</translation>
    </message>
    <message>
        <source> Transmitter Linearization Parameters </source>
        <translation> Linearisierungsparameter des Messumformers </translation>
    </message>
    <message>
        <source>Linear Table</source>
        <translation>Linearisierungstabelle</translation>
    </message>
    <message>
        <source>Start of X:</source>
        <translation>Anfang X:</translation>
    </message>
    <message>
        <source>End of X:</source>
        <translation>Ende X:</translation>
    </message>
    <message>
        <source>Start of Y:</source>
        <translation>Anfang Y:</translation>
    </message>
    <message>
        <source>End of Y:</source>
        <translation>Ende Y:</translation>
    </message>
    <message>
        <source>Display Configuration:</source>
        <translation>Anzeigekonfiguration:</translation>
    </message>
    <message>
        <source>Cold Junction Compensation</source>
        <translation>Vergleichsstellenkompensation</translation>
    </message>
    <message>
        <source>Unit of X-Values:</source>
        <translation>Einheit der X-Werte:</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>Drucken fehlgeschlagen.</translation>
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
        <translation>Der größte Approximationsfehler liegt im Punkt </translation>
    </message>
    <message>
        <source>Minimum error of approximation is at point </source>
        <translation>Der kleinste Approximationsfehler liegt im Punkt </translation>
    </message>
    <message>
        <source>Approximation Graph</source>
        <translation>Approximationsgrafik</translation>
    </message>
    <message>
        <source>Approximation Error Graph</source>
        <translation>Grafik des Approximationsfehlers</translation>
    </message>
    <message>
        <source> Approximation Graph</source>
        <translation> Approximationsgrafik</translation>
    </message>
    <message>
        <source> Approximation Error Graph</source>
        <translation> Grafik des Approximationsfehlers</translation>
    </message>
</context>
<context>
    <name>lmk17::HelpViewer</name>
    <message>
        <source>LMK-17 Help</source>
        <translation>LMK-17 Hilfe</translation>
    </message>
    <message>
        <source>Type the keyword to find</source>
        <translation>Gesuchtes Stichwort eingeben</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>The help was not found. Looked for the folder %1.</source>
        <translation>Die Hilfe wurde nicht gefunden. Gesucht wurde der Ordner %1.</translation>
    </message>
</context>
<context>
    <name>lmk17::LinEditor</name>
    <message>
        <source>Attention! There were changes in the table of points for linearization but approximation process was not carried out. In this case linearization may content wrong data. We recommend doing approximation of the linearization again. Do you want to approximate now?</source>
        <translation>Achtung! In der Punktetabelle der Linearisierung gab es Änderungen, aber die Approximation wurde nicht durchgeführt. Die Linearisierung kann daher falsche Daten enthalten. Wir empfehlen, die Linearisierung erneut zu approximieren. Jetzt approximieren?</translation>
    </message>
    <message>
        <source>Attention! There were changes in the table of points for CJ compensation but approximation process was not carried out. In this case CJ compensation may content wrong data. We recommend doing approximation of the CJ compensation again. Do you want to approximate now?</source>
        <translation>Achtung! In der Punktetabelle der Vergleichsstellenkompensation gab es Änderungen, aber die Approximation wurde nicht durchgeführt. Die Vergleichsstellenkompensation kann daher falsche Daten enthalten. Wir empfehlen, die Vergleichsstellenkompensation erneut zu approximieren. Jetzt approximieren?</translation>
    </message>
    <message>
        <source>Attention! There were changes in the &apos;Sensor Specific Constants&apos; section but approximation process was not carried out. In this case linearization may content wrong data. We recommend doing approximation of the linearization again. Do you want to approximate now?</source>
        <translation>Achtung! Im Abschnitt &apos;Sensorspezifische Konstanten&apos; gab es Änderungen, aber die Approximation wurde nicht durchgeführt. Die Linearisierung kann daher falsche Daten enthalten. Wir empfehlen, die Linearisierung erneut zu approximieren. Jetzt approximieren?</translation>
    </message>
    <message>
        <source>Attention! Range of Y-values is out of display range! We recommend changing the display configuration or changing linearization. Do you want to configure parameters now?</source>
        <translation>Achtung! Der Bereich der Y-Werte liegt außerhalb des Anzeigebereichs! Wir empfehlen, die Anzeigekonfiguration oder die Linearisierung zu ändern. Möchten Sie die Parameter jetzt einstellen?</translation>
    </message>
    <message>
        <source>Changes were not saved. Do you want to save parameters to file now?</source>
        <translation>Änderungen wurden nicht gespeichert. Möchten Sie die Parameter jetzt in eine Datei speichern?</translation>
    </message>
    <message>
        <source>Changes were not saved. Parameters will be erased. Do you really want to close the window?</source>
        <translation>Änderungen wurden nicht gespeichert. Die Parameter gehen verloren. Wollen Sie das Fenster wirklich schließen?</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Falsches Format des Wertes: </translation>
    </message>
    <message>
        <source>linearization table</source>
        <translation>Linearisierungstabelle</translation>
    </message>
    <message>
        <source>CJ Compensation polynomial</source>
        <translation>Polynom der Vergleichsstellenkompensation</translation>
    </message>
    <message>
        <source>Cannot add point to the table, table is full.</source>
        <translation>Punkt kann nicht hinzugefügt werden, die Tabelle ist voll.</translation>
    </message>
</context>
<context>
    <name>lmk17::PrintController</name>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>&amp;Als PDF exportieren…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed, cannot continue.</source>
        <translation>Es ist kein Drucker installiert, Abbruch.</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>Drucken fehlgeschlagen.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Es wurde keine Konfiguration des Messumformers eingestellt.</translation>
    </message>
    <message>
        <source>Transmitter Configuration Protocol</source>
        <translation>Konfigurationsprotokoll des Messumformers</translation>
    </message>
    <message>
        <source>Transmitter Linearization Parameters</source>
        <translation>Linearisierungsparameter des Messumformers</translation>
    </message>
    <message>
        <source>Use “%1” in the File menu to save the protocol as a PDF file instead.</source>
        <translation>Mit „%1“ im Menü Datei können Sie das Protokoll stattdessen als PDF-Datei speichern.</translation>
    </message>
</context>
<context>
    <name>lmk17::TAdresaForm</name>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>lmk17::TGraphForm</name>
    <message>
        <source>Graph Scale:</source>
        <translation>Grafikmaßstab:</translation>
    </message>
    <message>
        <source>X Axis:</source>
        <translation>X-Achse:</translation>
    </message>
    <message>
        <source>Y Axis:</source>
        <translation>Y-Achse:</translation>
    </message>
    <message>
        <source>Approximation Error:</source>
        <translation>Approximationsfehler:</translation>
    </message>
    <message>
        <source> By clicking on value you can display coordinates of point, where this error was found. </source>
        <translation> Durch Klicken auf den Wert werden die Koordinaten des Punktes angezeigt, an dem dieser Fehler gefunden wurde. </translation>
    </message>
    <message>
        <source>Approximation Error Graph</source>
        <translation>Grafik des Approximationsfehlers</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>lmk17::TInfoPage</name>
    <message>
        <source>Transmitter</source>
        <translation>Messumformer</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Hersteller:</translation>
    </message>
    <message>
        <source>Transmitter Type:</source>
        <translation>Messumformertyp:</translation>
    </message>
    <message>
        <source>Date of Manufacturing:</source>
        <translation>Herstellungsdatum:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Date of Last Change:</source>
        <translation>Datum der letzten Änderung:</translation>
    </message>
    <message>
        <source>Working Time:</source>
        <translation>Betriebszeit:</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Gehäuse</translation>
    </message>
    <message>
        <source>Picture not Available</source>
        <translation>Bild nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>lmk17::TInputPage</name>
    <message>
        <source>Input Range and Connection</source>
        <translation>Eingangsbereich und Anschluss</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Linearization</source>
        <translation>Linearisierung</translation>
    </message>
    <message>
        <source>Input Range:</source>
        <translation>Eingangsbereich:</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Anschluss:</translation>
    </message>
    <message>
        <source>Measuring Range</source>
        <translation>Messbereich</translation>
    </message>
    <message>
        <source>Lower Range Value:</source>
        <translation>Messbereichsanfang:</translation>
    </message>
    <message>
        <source>Upper Range Value:</source>
        <translation>Messbereichsende:</translation>
    </message>
    <message>
        <source>Correction at Lower Range Value:</source>
        <translation>Korrektur am Messbereichsanfang:</translation>
    </message>
    <message>
        <source>Correction at Upper Range Value:</source>
        <translation>Korrektur am Messbereichsende:</translation>
    </message>
    <message>
        <source>Lead Resistance</source>
        <translation>Leitungswiderstand</translation>
    </message>
    <message>
        <source>Resistance:</source>
        <translation>Widerstand:</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Sensor 1:</source>
        <translation>Sensor 1:</translation>
    </message>
    <message>
        <source>Sensor 2:</source>
        <translation>Sensor 2:</translation>
    </message>
    <message>
        <source>Cold Junction Compensation</source>
        <translation>Vergleichsstellenkompensation</translation>
    </message>
    <message>
        <source>CJ Temperature:</source>
        <translation>Vergleichsstellentemperatur:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Damping and Error Current</source>
        <translation>Dämpfung und Fehlerstrom</translation>
    </message>
    <message>
        <source>Damping:</source>
        <translation>Dämpfung:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Low Output</source>
        <translation>Unterer Ausgang</translation>
    </message>
    <message>
        <source>High Output</source>
        <translation>Oberer Ausgang</translation>
    </message>
    <message>
        <source>Error Current:</source>
        <translation>Fehlerstrom:</translation>
    </message>
    <message>
        <source>Limit Comparators</source>
        <translation>Grenzwertkomparatoren</translation>
    </message>
    <message>
        <source>Limit Comparator %1</source>
        <translation>Grenzwertkomparator %1</translation>
    </message>
    <message>
        <source>Switching Level:</source>
        <translation>Schaltpunkt:</translation>
    </message>
    <message>
        <source>Hysteresis:</source>
        <translation>Hysterese:</translation>
    </message>
    <message>
        <source> Normal</source>
        <translation> Normal</translation>
    </message>
    <message>
        <source> Reverse</source>
        <translation> Invers</translation>
    </message>
    <message>
        <source>Switching Mode:</source>
        <translation>Schaltart:</translation>
    </message>
    <message>
        <source>Indicate by Error Current</source>
        <translation>Durch Fehlerstrom anzeigen</translation>
    </message>
    <message>
        <source>State on Error:</source>
        <translation>Zustand bei Fehler:</translation>
    </message>
    <message>
        <source> Switch Off</source>
        <translation> Ausschalten</translation>
    </message>
    <message>
        <source> Switch On</source>
        <translation> Einschalten</translation>
    </message>
    <message>
        <source>Transmitter Error:</source>
        <translation>Messumformerfehler:</translation>
    </message>
    <message>
        <source>By Relay 1 On</source>
        <translation>Durch Relais 1 ein</translation>
    </message>
    <message>
        <source>By Relay 2 On</source>
        <translation>Durch Relais 2 ein</translation>
    </message>
    <message>
        <source>Input Filter</source>
        <translation>Eingangsfilter</translation>
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
        <translation>Änderung der Messumformerkonfiguration durch das Einstellgerät sperren</translation>
    </message>
    <message>
        <source>User Note:</source>
        <translation>Benutzernotiz:</translation>
    </message>
    <message>
        <source> Linearization and Cold Junction Compensation Setup </source>
        <translation> Einstellung der Linearisierung und der Vergleichsstellenkompensation </translation>
    </message>
    <message>
        <source> Limit comparator 1 switching polarity. </source>
        <translation> Schaltart des Grenzwertkomparators 1. </translation>
    </message>
    <message>
        <source> Limit comparator 2 switching polarity. </source>
        <translation> Schaltart des Grenzwertkomparators 2. </translation>
    </message>
</context>
<context>
    <name>lmk17::TLinearForm</name>
    <message>
        <source>Linearization and Cold Junction Compensation</source>
        <translation>Linearisierung und Vergleichsstellenkompensation</translation>
    </message>
    <message>
        <source> Linearization </source>
        <translation> Linearisierung </translation>
    </message>
    <message>
        <source>Cold Junction Compensation</source>
        <translation>Vergleichsstellenkompensation</translation>
    </message>
    <message>
        <source>Sensor Specific Characterization</source>
        <translation>Sensorspezifische Kennlinie</translation>
    </message>
    <message>
        <source> Linearization - detail </source>
        <translation> Linearisierung - Detail </translation>
    </message>
    <message numerus="yes">
        <source>%n pasted row(s) did not fit into the table and were left out.</source>
        <translation>
            <numerusform>%n eingefügte Zeile(n) passten nicht in die Tabelle und wurden ausgelassen.</numerusform>
            <numerusform>%n eingefügte Zeile(n) passten nicht in die Tabelle und wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you really want to clear the table of linearization points?</source>
        <translation>Wollen Sie die Punktetabelle der Linearisierung wirklich löschen?</translation>
    </message>
    <message>
        <source>Do you really want to clear the table of cold junction compensation points</source>
        <translation>Wollen Sie die Punktetabelle der Vergleichsstellenkompensation wirklich löschen</translation>
    </message>
    <message>
        <source> Linearization Graph</source>
        <translation> Linearisierungsgrafik</translation>
    </message>
    <message>
        <source> Cold Junction Compensation Graph</source>
        <translation> Grafik der Vergleichsstellenkompensation</translation>
    </message>
    <message>
        <source>&amp;Add Coordinates to the Table</source>
        <translation>&amp;Koordinaten in die Tabelle übernehmen</translation>
    </message>
    <message>
        <source>&amp;Copy Graph to the Clipboard</source>
        <translation>&amp;Grafik in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Save the Linearization Parameters</source>
        <translation>Linearisierungsparameter &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Load the Linearization Parameters</source>
        <translation>Linearisierungsparameter &amp;laden</translation>
    </message>
    <message>
        <source>Linearization Files (*.lin *.LIN)</source>
        <translation>Linearisierungsdateien (*.lin *.LIN)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>D&amp;ruckereinrichtung</translation>
    </message>
    <message>
        <source>&amp;Print the Linearization Parameters</source>
        <translation>Linearisierungsparameter &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Edit the &amp;Linear Table</source>
        <translation>&amp;Linearisierungstabelle bearbeiten</translation>
    </message>
    <message>
        <source>Edit the Cold &amp;Junction Compensation</source>
        <translation>&amp;Vergleichsstellenkompensation bearbeiten</translation>
    </message>
    <message>
        <source>Edit the &amp;Sensor-Specific Characterization</source>
        <translation>&amp;Sensorspezifische Kennlinie bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Clear the Table for Linearization</source>
        <translation>&amp;Tabelle der Linearisierung löschen</translation>
    </message>
    <message>
        <source>Clear the Table for Cold Junction C&amp;ompensation</source>
        <translation>Tabelle der Vergleichsstellen&amp;kompensation löschen</translation>
    </message>
    <message>
        <source>Set &amp;Default Linearization</source>
        <translation>Standardl&amp;inearisierung einstellen</translation>
    </message>
    <message>
        <source>Set Default Linearization &amp;and CJ Compensation</source>
        <translation>Standardlinearisierung &amp;und VS-Kompensation einstellen</translation>
    </message>
    <message>
        <source>&amp;Approximation</source>
        <translation>&amp;Approximation</translation>
    </message>
    <message>
        <source>&amp;Linearization</source>
        <translation>&amp;Linearisierung</translation>
    </message>
    <message>
        <source>&amp;Cold Junction Compensation</source>
        <translation>&amp;Vergleichsstellenkompensation</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Grafik</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>Start of X :</source>
        <translation>Anfang X :</translation>
    </message>
    <message>
        <source>End of X :</source>
        <translation>Ende X :</translation>
    </message>
    <message>
        <source>Start of Y :</source>
        <translation>Anfang Y :</translation>
    </message>
    <message>
        <source>End of Y :</source>
        <translation>Ende Y :</translation>
    </message>
    <message>
        <source>Units of  X : </source>
        <translation>Einheit X : </translation>
    </message>
    <message>
        <source>Units of Y :</source>
        <translation>Einheit Y :</translation>
    </message>
    <message>
        <source>Display Configuration</source>
        <translation>Anzeigekonfiguration</translation>
    </message>
    <message>
        <source> None Decimal Place</source>
        <translation> Keine Dezimalstelle</translation>
    </message>
    <message>
        <source> 1 Decimal Place</source>
        <translation> 1 Dezimalstelle</translation>
    </message>
    <message>
        <source> 2 Decimal Places</source>
        <translation> 2 Dezimalstellen</translation>
    </message>
    <message>
        <source>Linearization Approximation</source>
        <translation>Linearisierung approximieren</translation>
    </message>
    <message>
        <source>Clear Table</source>
        <translation>Tabelle löschen</translation>
    </message>
    <message>
        <source>Units of the X-Values: </source>
        <translation>Einheit der X-Werte: </translation>
    </message>
    <message>
        <source>CJ Compensation Approximate</source>
        <translation>VS-Kompensation approximieren</translation>
    </message>
    <message>
        <source>Default Constants (IEC 751/A2)</source>
        <translation>Standardkonstanten (IEC 751/A2)</translation>
    </message>
    <message>
        <source>for -200 °C to 0 °C:</source>
        <translation>für -200 °C bis 0 °C:</translation>
    </message>
    <message>
        <source>Rt = R0 * [1 + A*t + B*t^2 + C*( t- 100°C )*t^3] </source>
        <translation>Rt = R0 * [1 + A*t + B*t^2 + C*( t- 100°C )*t^3] </translation>
    </message>
    <message>
        <source>for 0 °C to 850 °C:</source>
        <translation>für 0 °C bis 850 °C:</translation>
    </message>
    <message>
        <source>Rt = R0 * (1 + A*t + B*t^2)</source>
        <translation>Rt = R0 * (1 + A*t + B*t^2)</translation>
    </message>
    <message>
        <source>Sensor-Specific Constants according to IEC 751/A2 </source>
        <translation>Sensorspezifische Konstanten nach IEC 751/A2 </translation>
    </message>
    <message>
        <source>Resistance at Temperature 0°C:</source>
        <translation>Widerstand bei der Temperatur 0°C:</translation>
    </message>
    <message>
        <source>Resistance at Temperature T1:</source>
        <translation>Widerstand bei der Temperatur T1:</translation>
    </message>
    <message>
        <source>One-Point Calibration according to IEC 751/A2 </source>
        <translation>Einpunktkalibrierung nach IEC 751/A2 </translation>
    </message>
    <message>
        <source>Calculate Linearization according to Constants</source>
        <translation>Linearisierung aus den Konstanten berechnen</translation>
    </message>
    <message>
        <source>&amp;Export the Linearization Parameters as PDF…</source>
        <translation>Linearisierungsparameter als PDF e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Load the Linearization Parameters</source>
        <translation>Linearisierungsparameter laden</translation>
    </message>
    <message>
        <source>Save the Linearization Parameters</source>
        <translation>Linearisierungsparameter speichern</translation>
    </message>
</context>
<context>
    <name>lmk17::TMainForm</name>
    <message>
        <source>&amp;Load Configuration</source>
        <translation>Konfiguration &amp;laden</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>Konfiguration &amp;speichern</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>D&amp;ruckereinrichtung</translation>
    </message>
    <message>
        <source>&amp;Print Configuration</source>
        <translation>Konfiguration &amp;drucken</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>Konfiguration &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation>Konfiguration &amp;schreiben</translation>
    </message>
    <message>
        <source>Set &amp;Default Configuration</source>
        <translation>S&amp;tandardkonfiguration einstellen</translation>
    </message>
    <message>
        <source>View &amp;Ordering Code</source>
        <translation>&amp;Bestellcode anzeigen</translation>
    </message>
    <message>
        <source>Read Wor&amp;king Time</source>
        <translation>Betriebs&amp;zeit lesen</translation>
    </message>
    <message>
        <source>Read &amp;Primary Variable Value</source>
        <translation>&amp;Wert der Messgröße lesen</translation>
    </message>
    <message>
        <source>Read Cold &amp;Junction Temperature</source>
        <translation>Vergleichsstellent&amp;emperatur lesen</translation>
    </message>
    <message>
        <source>Monitoring &amp;START</source>
        <translation>Überwachung ST&amp;ART</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Monitoring S&amp;TOP</source>
        <translation>Überwachung ST&amp;OPP</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>View the Monitoring &amp;Graph</source>
        <translation>Überwachungs&amp;grafik anzeigen</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Monitoring P&amp;arameters</source>
        <translation>Überwachungs&amp;parameter</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Eingang</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Ausgang</translation>
    </message>
    <message>
        <source>I&amp;nformation</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Monitoring</source>
        <translation>&amp;Überwachung</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>Ctrl+F1</source>
        <translation>Ctrl+F1</translation>
    </message>
    <message>
        <source>Browse &amp;WWW site</source>
        <translation>&amp;WWW-Seite besuchen</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Über ...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Transmitter</source>
        <translation>&amp;Messumformer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Monitoring</source>
        <translation>Überwachung</translation>
    </message>
    <message>
        <source>  Transmitter </source>
        <translation>  Messumformer </translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Kommunikation</translation>
    </message>
    <message>
        <source>       File </source>
        <translation>       Datei </translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>       Printer </source>
        <translation>       Drucker </translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source> View Window About Application </source>
        <translation> Fenster Über die Anwendung anzeigen </translation>
    </message>
    <message>
        <source> Read Configuration from Transmitter </source>
        <translation> Konfiguration aus dem Messumformer lesen </translation>
    </message>
    <message>
        <source> Write Configuration to Transmitter </source>
        <translation> Konfiguration in den Messumformer schreiben </translation>
    </message>
    <message>
        <source> Load Configuration from File </source>
        <translation> Konfiguration aus Datei laden </translation>
    </message>
    <message>
        <source> Save Configuration to File </source>
        <translation> Konfiguration in Datei speichern </translation>
    </message>
    <message>
        <source> Select Printer and Printer Setup </source>
        <translation> Drucker auswählen und einrichten </translation>
    </message>
    <message>
        <source> Print Configuration </source>
        <translation> Konfiguration drucken </translation>
    </message>
    <message>
        <source> Transmitter Communication Parameters Setup </source>
        <translation> Kommunikationsparameter des Messumformers einstellen </translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Konfiguration laden</translation>
    </message>
    <message>
        <source>Configuration Files (*.ptf *.PTF)</source>
        <translation>Konfigurationsdateien (*.ptf *.PTF)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source> Save the configuration protocol as a PDF file </source>
        <translation> Konfigurationsprotokoll als PDF-Datei speichern </translation>
    </message>
    <message>
        <source>&amp;Line Traffic</source>
        <translation>&amp;Leitungsverkehr</translation>
    </message>
    <message>
        <source>&amp;Compare with File…</source>
        <translation>Mit Datei &amp;vergleichen…</translation>
    </message>
    <message>
        <source>&amp;Compare with Transmitter</source>
        <translation>Mit Messumformer &amp;vergleichen</translation>
    </message>
    <message>
        <source>&amp;Restore from Backup…</source>
        <translation>Aus Sicherung &amp;wiederherstellen…</translation>
    </message>
    <message>
        <source>&amp;Backups and Writing…</source>
        <translation>&amp;Sicherungen und Schreiben…</translation>
    </message>
    <message>
        <source>Write to Se&amp;veral Transmitters…</source>
        <translation>In &amp;mehrere Messumformer schreiben…</translation>
    </message>
</context>
<context>
    <name>lmk17::TMonGraphForm</name>
    <message>
        <source> Monitoring Graph</source>
        <translation> Monitoring-Diagramm</translation>
    </message>
    <message>
        <source>&amp;Copy Graph to the Clipboard</source>
        <translation>Diagramm in die Zwischenablage &amp;kopieren</translation>
    </message>
    <message>
        <source>Show / Hide &amp;Grids</source>
        <translation>&amp;Gitter ein- / ausblenden</translation>
    </message>
    <message>
        <source>C&amp;lear the Graph</source>
        <translation>Diagramm &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Zoom zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Save Graph as PNG...</source>
        <translation>Diagramm als PNG &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Export Points as CSV...</source>
        <translation>Punkte als CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>Adresse %1</translation>
    </message>
    <message>
        <source>Do you really want to erase the graph?</source>
        <translation>Wollen Sie das Diagramm wirklich löschen?</translation>
    </message>
    <message>
        <source>The graph could not be saved as &quot;%1&quot;.</source>
        <translation>Das Diagramm konnte nicht als „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <source>The points could not be exported to &quot;%1&quot;: %2</source>
        <translation>Die Punkte konnten nicht nach „%1“ exportiert werden: %2</translation>
    </message>
    <message>
        <source>Save Graph as PNG</source>
        <translation>Diagramm als PNG speichern</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Points as CSV</source>
        <translation>Punkte als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV, comma separated (*.csv)</source>
        <translation>CSV, durch Komma getrennt (*.csv)</translation>
    </message>
    <message>
        <source>CSV, semicolon separated, decimal comma (*.csv)</source>
        <translation>CSV, durch Semikolon getrennt, Dezimalkomma (*.csv)</translation>
    </message>
</context>
<context>
    <name>lmk17::TMonParForm</name>
    <message>
        <source> Monitoring Parameters</source>
        <translation> Monitoring-Parameter</translation>
    </message>
    <message>
        <source>Time Interval [s]:</source>
        <translation>Zeitintervall [s]:</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>Graph of the PV Value History:</source>
        <translation>Diagramm des PV-Verlaufs:</translation>
    </message>
    <message>
        <source> None</source>
        <translation> Keine</translation>
    </message>
    <message>
        <source> Cross</source>
        <translation> Kreuz</translation>
    </message>
    <message>
        <source> Solid Circle</source>
        <translation> Gefüllter Kreis</translation>
    </message>
    <message>
        <source> Solid Square</source>
        <translation> Gefülltes Quadrat</translation>
    </message>
    <message>
        <source> Small Solid Circle</source>
        <translation> Kleiner gefüllter Kreis</translation>
    </message>
    <message>
        <source> Small Solid Square</source>
        <translation> Kleines gefülltes Quadrat</translation>
    </message>
    <message>
        <source>Graph Point Symbols:</source>
        <translation>Punktsymbole im Diagramm:</translation>
    </message>
    <message>
        <source>Log Format :</source>
        <translation>Protokollformat :</translation>
    </message>
    <message>
        <source> &apos; , &apos; - Dash</source>
        <translation> &apos; , &apos; - Komma</translation>
    </message>
    <message>
        <source> &apos; . &apos; - Dot </source>
        <translation> &apos; . &apos; - Punkt </translation>
    </message>
    <message>
        <source>Decimal Separator:</source>
        <translation>Dezimaltrennzeichen:</translation>
    </message>
    <message>
        <source>Number of Significant Places of the PV:</source>
        <translation>Anzahl der signifikanten Stellen der PV:</translation>
    </message>
    <message>
        <source>Write all Records</source>
        <translation>Alle Datensätze schreiben</translation>
    </message>
    <message>
        <source>Write when:</source>
        <translation>Schreiben, wenn:</translation>
    </message>
    <message>
        <source>Change of the PV Value i more than [%] :</source>
        <translation>die Änderung des PV-Werts größer ist als [%] :</translation>
    </message>
    <message>
        <source>Transmitter is in Error State</source>
        <translation>der Messumformer im Fehlerzustand ist</translation>
    </message>
    <message>
        <source>Communication Error appears</source>
        <translation>ein Kommunikationsfehler auftritt</translation>
    </message>
    <message>
        <source>With Time Period  [sec] :</source>
        <translation>Mit der Zeitspanne  [sec] :</translation>
    </message>
    <message>
        <source>Monitor the Transmitter:</source>
        <translation>Messumformer überwachen:</translation>
    </message>
    <message>
        <source>with the Address</source>
        <translation>mit der Adresse</translation>
    </message>
    <message>
        <source>e.g. 0,3,5-7</source>
        <translation>z. B. 0,3,5-7</translation>
    </message>
    <message>
        <source>Several transmitters on one line, polled in turn each cycle (up to 32 addresses). Empty: the one address above.</source>
        <translation>Mehrere Messumformer an einer Leitung, in jedem Zyklus nacheinander abgefragt (bis zu 32 Adressen). Leer: nur die Adresse oben.</translation>
    </message>
    <message>
        <source>or the Addresses:</source>
        <translation>oder die Adressen:</translation>
    </message>
    <message>
        <source>Write Records to the Log File :</source>
        <translation>Datensätze in die Protokolldatei schreiben :</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Rewrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: %2</source>
        <translation>Die Adressliste „%1“ kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>Protokolldatei</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
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
        <translation>Kodierung des Textprotokolls:</translation>
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
        <translation>Stopp </translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>View Graph</source>
        <translation>Diagramm anzeigen</translation>
    </message>
    <message>
        <source>Clear Log </source>
        <translation>Protokoll löschen </translation>
    </message>
    <message>
        <source>The communication port was lost; trying to open it again every 2 s.</source>
        <translation>Die Verbindung zur Schnittstelle ging verloren; sie wird alle 2 s erneut geöffnet.</translation>
    </message>
    <message>
        <source>Reading the transmitter</source>
        <translation>Messumformer wird gelesen</translation>
    </message>
    <message>
        <source>Log not written</source>
        <translation>Protokoll wird nicht geschrieben</translation>
    </message>
    <message>
        <source>The lines of the monitoring log are not reaching the log file; they are counted, and the log says how many when writing resumes.</source>
        <translation>Die Zeilen des Überwachungsprotokolls erreichen die Protokolldatei nicht; sie werden gezählt, und das Protokoll nennt ihre Anzahl, sobald wieder geschrieben wird.</translation>
    </message>
    <message>
        <source>Monitoring activity</source>
        <translation>Überwachungsaktivität</translation>
    </message>
    <message>
        <source>Monitoring activity: green while the transmitter is being read, red when the communication port is lost</source>
        <translation>Überwachungsaktivität: grün, während der Messumformer gelesen wird, rot, wenn die Schnittstelle verloren ist</translation>
    </message>
</context>
<context>
    <name>lmk17::TOutRangePicture</name>
    <message>
        <source>limit</source>
        <translation>Grenze</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Lower Range Value</source>
        <translation>Messbereichsanfang</translation>
    </message>
    <message>
        <source>Upper Range Value</source>
        <translation>Messbereichsende</translation>
    </message>
</context>
<context>
    <name>lmk17::TOutputPage</name>
    <message>
        <source>Output Range</source>
        <translation>Ausgangsbereich</translation>
    </message>
    <message>
        <source>Output Type:</source>
        <translation>Ausgangsart:</translation>
    </message>
    <message>
        <source>Output Limits and Error Outputs</source>
        <translation>Ausgangsgrenzen und Fehlerausgänge</translation>
    </message>
    <message>
        <source>Lower Output Range:</source>
        <translation>Ausgangsbereichsanfang:</translation>
    </message>
    <message>
        <source>Upper Output Range:</source>
        <translation>Ausgangsbereichsende:</translation>
    </message>
    <message>
        <source>Lower Output Limit:</source>
        <translation>Untere Ausgangsgrenze:</translation>
    </message>
    <message>
        <source>Upper Output Limit:</source>
        <translation>Obere Ausgangsgrenze:</translation>
    </message>
    <message>
        <source>Lower Error Output:</source>
        <translation>Unterer Fehlerausgang:</translation>
    </message>
    <message>
        <source>Upper Error Output:</source>
        <translation>Oberer Fehlerausgang:</translation>
    </message>
    <message>
        <source>Default Parameters</source>
        <translation>Standardparameter</translation>
    </message>
</context>
<context>
    <name>lmk17::TPodpisForm</name>
    <message>
        <source>  Sign and Note</source>
        <translation>  Unterschrift und Anmerkung</translation>
    </message>
    <message>
        <source>&amp;Configured by :</source>
        <translation>&amp;Konfiguriert von :</translation>
    </message>
    <message>
        <source>&amp;Note :</source>
        <translation>&amp;Anmerkung :</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>lmk17::TSettingsForm</name>
    <message>
        <source>Baud Rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source> Pick a serial port, or type the path of a device (e.g. a terminal of lmk17-sim) and press Enter </source>
        <translation> Wählen Sie eine serielle Schnittstelle oder geben Sie den Pfad eines Geräts ein (z. B. ein Terminal von lmk17-sim) und drücken Sie Enter </translation>
    </message>
    <message>
        <source>Serial Port:</source>
        <translation>Serielle Schnittstelle:</translation>
    </message>
    <message>
        <source>Transmitter (DA):</source>
        <translation>Messumformer (DA):</translation>
    </message>
    <message>
        <source>PC (SA):</source>
        <translation>PC (SA):</translation>
    </message>
    <message>
        <source>%1: no such device.</source>
        <translation>%1: Gerät nicht vorhanden.</translation>
    </message>
    <message>
        <source>LMK-17</source>
        <translation>LMK-17</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>&amp;Search…</source>
        <translation>Su&amp;chen…</translation>
    </message>
    <message>
        <source> Find the transmitters on the line whatever their address, baud rate and parity </source>
        <translation> Findet die Messumformer auf der Leitung unabhängig von Adresse, Baudrate und Parität </translation>
    </message>
</context>
<context>
    <name>lmk17::TToolsPage</name>
    <message>
        <source>  Primary Variable and Output  </source>
        <translation>  Primärvariable und Ausgang  </translation>
    </message>
    <message>
        <source>  Cold Junction Temperature  </source>
        <translation>  Vergleichsstellentemperatur  </translation>
    </message>
    <message>
        <source>Read from Transmitter</source>
        <translation>Vom Messumformer lesen</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>  Working Time  </source>
        <translation>  Betriebszeit  </translation>
    </message>
    <message>
        <source>Refresh Working Time</source>
        <translation>Betriebszeit aktualisieren</translation>
    </message>
    <message>
        <source>Interval Reading, with Time Interval [s] :</source>
        <translation>Zyklisches Lesen, mit Zeitintervall [s] :</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Ausgang:</translation>
    </message>
    <message>
        <source>  &amp;Output Testing  </source>
        <translation>  Ausgangs&amp;test  </translation>
    </message>
    <message>
        <source>Output Value %1:</source>
        <translation>Ausgangswert %1:</translation>
    </message>
    <message>
        <source>Output Current Value 1-3 Automatic Setting, with Time Interval [s] :</source>
        <translation>Automatisches Setzen des Ausgangsstroms 1-3, mit Zeitintervall [s] :</translation>
    </message>
    <message>
        <source>Exit Testing</source>
        <translation>Test beenden</translation>
    </message>
    <message>
        <source>Output Value %1</source>
        <translation>Ausgangswert %1</translation>
    </message>
    <message>
        <source>Automatic Setting, Time Interval [s]</source>
        <translation>Automatische Einstellung, Zeitintervall [s]</translation>
    </message>
    <message>
        <source>Interval Reading, Time Interval [s]</source>
        <translation>Intervall-Lesen, Zeitintervall [s]</translation>
    </message>
</context>
<context>
    <name>HousingDrawing</name>
    <message>
        <source>input 1–4</source>
        <translation>Eingang 1–4</translation>
    </message>
    <message>
        <source>output and relays</source>
        <translation>Ausgang und Relais</translation>
    </message>
    <message>
        <source>output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>sensor head mount</source>
        <translation>Einbau im Sensorkopf</translation>
    </message>
</context>
<context>
    <name>lmk17::TColorSchemeMenu</name>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Hell</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Dunkel</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Wie das System</translation>
    </message>
</context>
<context>
    <name>lmk17::TLineTrafficForm</name>
    <message>
        <source>Line Traffic</source>
        <translation>Leitungsverkehr</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Zeit (ms)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Decoded</source>
        <translation>Dekodiert</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save as Text…</source>
        <translation>Als Text speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Frames on the line</source>
        <translation>Rahmen auf der Leitung</translation>
    </message>
    <message>
        <source> Stop the list while the line goes on; the frames are kept </source>
        <translation> Hält die Liste an, die Leitung läuft weiter; die Rahmen bleiben erhalten </translation>
    </message>
    <message>
        <source> Copy the selected lines, or all listed lines when none is selected </source>
        <translation> Kopiert die gewählten Zeilen oder, wenn keine gewählt ist, alle aufgelisteten </translation>
    </message>
    <message>
        <source>Filter by address</source>
        <translation>Nach Adresse filtern</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Alle Adressen</translation>
    </message>
    <message>
        <source>Filter by parameter</source>
        <translation>Nach Parameter filtern</translation>
    </message>
    <message>
        <source>All parameters</source>
        <translation>Alle Parameter</translation>
    </message>
    <message>
        <source>Filter by verdict</source>
        <translation>Nach Bewertung filtern</translation>
    </message>
    <message>
        <source>All verdicts</source>
        <translation>Alle Bewertungen</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>P&amp;arameter:</source>
        <translation>P&amp;arameter:</translation>
    </message>
    <message>
        <source>&amp;Verdict:</source>
        <translation>&amp;Bewertung:</translation>
    </message>
    <message>
        <source>Save Line Traffic</source>
        <translation>Leitungsverkehr speichern</translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Frames listed: %1</source>
        <translation>Aufgelistete Rahmen: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Angehalten: %1</translation>
    </message>
    <message>
        <source>; %1 not listed (more than the buffer holds)</source>
        <translation>; %1 nicht aufgelistet (mehr, als der Puffer fasst)</translation>
    </message>
    <message>
        <source>request</source>
        <translation>Anfrage</translation>
    </message>
    <message>
        <source>repeat</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>echo dropped</source>
        <translation>Echo verworfen</translation>
    </message>
    <message>
        <source>noise dropped</source>
        <translation>Störung verworfen</translation>
    </message>
    <message>
        <source>misshapen</source>
        <translation>fehlerhafter Rahmen</translation>
    </message>
    <message>
        <source>late</source>
        <translation>verspätet</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>Zeitüberschreitung</translation>
    </message>
</context>
<context>
    <name>lmk17::TSearchForm</name>
    <message>
        <source>Search for Transmitters</source>
        <translation>Messumformer suchen</translation>
    </message>
    <message>
        <source>Find every transmitter on the line</source>
        <translation>Alle Messumformer auf der Leitung finden</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Cancel Search</source>
        <translation>Suche abbrechen</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Transmitters found</source>
        <translation>Gefundene Messumformer</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
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
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Input Range</source>
        <translation>Eingangsbereich</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Suchfortschritt</translation>
    </message>
    <message>
        <source> Talk to the transmitter picked: its address, baud rate and parity become the program&apos;s communication parameters </source>
        <translation> Mit dem gewählten Messumformer arbeiten: seine Adresse, Baudrate und Parität werden die Kommunikationsparameter des Programms </translation>
    </message>
    <message>
        <source>The search cannot start: connect a serial port first, and wait until the operation under way has ended.</source>
        <translation>Die Suche kann nicht beginnen: Verbinden Sie zuerst einen seriellen Anschluss und warten Sie, bis der laufende Vorgang beendet ist.</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Suche läuft…</translation>
    </message>
    <message>
        <source>(not identified)</source>
        <translation>(nicht identifiziert)</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>Suche abgebrochen.</translation>
    </message>
    <message>
        <source>No transmitter answered.</source>
        <translation>Kein Messumformer hat geantwortet.</translation>
    </message>
    <message>
        <source>Transmitters found: %1. Pick one and press Use.</source>
        <translation>Gefundene Messumformer: %1. Wählen Sie einen und drücken Sie Verwenden.</translation>
    </message>
</context>
<context>
    <name>lmk17::TCompareForm</name>
    <message>
        <source>Compare Configurations</source>
        <translation>Konfigurationen vergleichen</translation>
    </message>
    <message>
        <source>This Configuration</source>
        <translation>Diese Konfiguration</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>Messumformer</translation>
    </message>
    <message>
        <source>Show all fields</source>
        <translation>Alle Felder zeigen</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Als PDF exportieren…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Fields compared</source>
        <translation>Verglichene Felder</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Configuration Comparison</source>
        <translation>Konfigurationsvergleich</translation>
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
        <translation> Konfigurationsvergleich </translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>1 field differs.</source>
        <translation>1 Feld unterscheidet sich.</translation>
    </message>
    <message>
        <source>Fields that differ: %1.</source>
        <translation>Abweichende Felder: %1.</translation>
    </message>
    <message>
        <source>The listed values are equal; the stored values differ in: %1.</source>
        <translation>Die angezeigten Werte sind gleich; die gespeicherten Werte unterscheiden sich in: %1.</translation>
    </message>
    <message>
        <source>The configurations are equal.</source>
        <translation>Die Konfigurationen sind gleich.</translation>
    </message>
</context>
<context>
    <name>lmk17::TRestoreForm</name>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Backups of the transmitter</source>
        <translation>Sicherungen des Messumformers</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Differing fields</source>
        <translation>Abweichende Felder</translation>
    </message>
    <message>
        <source>Restore the chosen backup</source>
        <translation>Gewählte Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No backups of transmitter %1 were found in %2.</source>
        <translation>In %2 wurden keine Sicherungen des Messumformers %1 gefunden.</translation>
    </message>
    <message>
        <source>(no backup folder)</source>
        <translation>(kein Sicherungsordner)</translation>
    </message>
    <message>
        <source>Backups of transmitter %1 in %2:</source>
        <translation>Sicherungen des Messumformers %1 in %2:</translation>
    </message>
</context>
<context>
    <name>lmk17::TBackupSettingsForm</name>
    <message>
        <source>Backups and Writing</source>
        <translation>Sicherungen und Schreiben</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>Show the changes and ask before writing</source>
        <translation>Vor dem Schreiben die Änderungen zeigen und nachfragen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Sicherungsordner</translation>
    </message>
    <message>
        <source>Empty: %1</source>
        <translation>Leer: %1</translation>
    </message>
    <message>
        <source>Choose the backup folder</source>
        <translation>Sicherungsordner wählen</translation>
    </message>
    <message>
        <source>Backups kept per transmitter</source>
        <translation>Aufbewahrte Sicherungen je Messumformer</translation>
    </message>
    <message>
        <source>Backup folder:</source>
        <translation>Sicherungsordner:</translation>
    </message>
    <message>
        <source>Backups kept per transmitter:</source>
        <translation>Aufbewahrte Sicherungen je Messumformer:</translation>
    </message>
    <message>
        <source>Before every write the configuration the transmitter holds is kept in the backup folder, in a folder of its own per serial number. Backups newer than a week are never deleted.</source>
        <translation>Vor jedem Schreiben wird die Konfiguration, die der Messumformer enthält, im Sicherungsordner aufbewahrt, in einem eigenen Ordner je Seriennummer. Sicherungen, die jünger als eine Woche sind, werden nie gelöscht.</translation>
    </message>
</context>
<context>
    <name>BatchWrite</name>
    <message>
        <source>Enter the addresses of the transmitters, e.g. 1-8 or 1,3,5-7 (0..31).</source>
        <translation>Geben Sie die Adressen der Messumformer ein, z. B. 1-8 oder 1,3,5-7 (0..31).</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>geschrieben und geprüft</translation>
    </message>
    <message>
        <source>unchanged: it held the configuration</source>
        <translation>unverändert: er enthielt die Konfiguration bereits</translation>
    </message>
    <message>
        <source>FAILED: written, but reading it back gives other values</source>
        <translation>FEHLER: geschrieben, aber das Zurücklesen ergibt andere Werte</translation>
    </message>
    <message>
        <source>FAILED: no backup could be kept; nothing written</source>
        <translation>FEHLER: keine Sicherung möglich; nichts geschrieben</translation>
    </message>
    <message>
        <source>FAILED: refused; nothing written</source>
        <translation>FEHLER: abgelehnt; nichts geschrieben</translation>
    </message>
    <message>
        <source>FAILED: not confirmed; nothing written</source>
        <translation>FEHLER: nicht bestätigt; nichts geschrieben</translation>
    </message>
    <message>
        <source>FAILED: LEFT HALF-WRITTEN, write it again</source>
        <translation>FEHLER: HALB GESCHRIEBEN, erneut schreiben</translation>
    </message>
    <message>
        <source>FAILED: no answer; nothing written</source>
        <translation>FEHLER: keine Antwort; nichts geschrieben</translation>
    </message>
    <message>
        <source>FAILED: stopped before writing; nothing written</source>
        <translation>FEHLER: vor dem Schreiben angehalten; nichts geschrieben</translation>
    </message>
    <message>
        <source>; the protocol could not be written</source>
        <translation>; das Protokoll konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Written or already holding the configuration: %1 of %2.</source>
        <translation>Geschrieben oder mit der Konfiguration bereits versehen: %1 von %2.</translation>
    </message>
    <message>
        <source>Failed: %1.</source>
        <translation>Fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>Cancelled; not written: %1.</source>
        <translation>Abgebrochen; nicht geschrieben: %1.</translation>
    </message>
    <message>
        <source>LEFT HALF-WRITTEN: %1. Write them again.</source>
        <translation>HALB GESCHRIEBEN: %1. Schreiben Sie sie erneut.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Another operation is running: wait until it has ended.</source>
        <translation>Ein anderer Vorgang läuft: warten Sie, bis er beendet ist.</translation>
    </message>
    <message>
        <source>No communication port is connected.</source>
        <translation>Keine Kommunikationsschnittstelle verbunden.</translation>
    </message>
    <message>
        <source>There is no configuration to write: read or load one first.</source>
        <translation>Es gibt keine Konfiguration zum Schreiben: zuerst eine lesen oder laden.</translation>
    </message>
    <message>
        <source>The configuration did not pass the check: correct it in the main window.</source>
        <translation>Die Konfiguration hat die Prüfung nicht bestanden: korrigieren Sie sie im Hauptfenster.</translation>
    </message>
    <message>
        <source>Transmitter Configuration Protocol</source>
        <translation>Konfigurationsprotokoll des Messumformers</translation>
    </message>
    <message>
        <source>The folder %1 is not a full path. Give the whole path or choose it with Browse.</source>
        <translation>Der Ordner %1 ist kein vollständiger Pfad. Geben Sie den ganzen Pfad an oder wählen Sie ihn mit Durchsuchen.</translation>
    </message>
</context>
<context>
    <name>lmk17::TBatchWriteForm</name>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>Ask about the changes before each transmitter is written</source>
        <translation>Vor dem Schreiben jedes Messumformers nach den Änderungen fragen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Write to Several Transmitters</source>
        <translation>In mehrere Messumformer schreiben</translation>
    </message>
    <message>
        <source>The configuration shown in the main window is written into each transmitter of the list, one after another. Each keeps its own address, baud rate, parity and user note, and gets its backup and its verification as by Write.</source>
        <translation>Die im Hauptfenster angezeigte Konfiguration wird nacheinander in jeden Messumformer der Liste geschrieben. Jeder behält seine eigene Adresse, Baudrate, Parität und Benutzernotiz und erhält seine Sicherung und Prüfung wie beim Schreiben.</translation>
    </message>
    <message>
        <source>Addresses of the transmitters</source>
        <translation>Adressen der Messumformer</translation>
    </message>
    <message>
        <source>e.g. 1-8 or 1,3,5-7</source>
        <translation>z. B. 1-8 oder 1,3,5-7</translation>
    </message>
    <message>
        <source>Folder for the protocols</source>
        <translation>Ordner für die Protokolle</translation>
    </message>
    <message>
        <source>(no protocols)</source>
        <translation>(keine Protokolle)</translation>
    </message>
    <message>
        <source>Choose the folder for the protocols</source>
        <translation>Ordner für die Protokolle wählen</translation>
    </message>
    <message>
        <source>Transmitters written</source>
        <translation>Geschriebene Messumformer</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Start writing</source>
        <translation>Schreiben starten</translation>
    </message>
    <message>
        <source>Cancel the writing</source>
        <translation>Schreiben abbrechen</translation>
    </message>
    <message>
        <source>&amp;Addresses:</source>
        <translation>&amp;Adressen:</translation>
    </message>
    <message>
        <source>&amp;Protocols to:</source>
        <translation>&amp;Protokolle nach:</translation>
    </message>
    <message>
        <source>Folder for the Protocols</source>
        <translation>Ordner für die Protokolle</translation>
    </message>
    <message>
        <source>Writing the transmitter at address %1 (%2 of %3)…</source>
        <translation>Schreiben in den Messumformer mit Adresse %1 (%2 von %3)…</translation>
    </message>
</context>
</TS>
