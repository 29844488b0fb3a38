<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>App</name>
    <message>
        <source>  LMK-17 - %1</source>
        <translation>  LMK-17 - %1</translation>
    </message>
    <message>
        <source>Customer Setup Program for K8410 and K8620 Transmitters</source>
        <translation>Program do konfiguracji przetworników K8410 i K8620</translation>
    </message>
    <message>
        <source> (demonstration on the software transmitter)</source>
        <translation> (demonstracja na przetworniku programowym)</translation>
    </message>
    <message>
        <source>Demonstration: software transmitter on %1, address %2 (no hardware needed).</source>
        <translation>Demonstracja: przetwornik programowy na %1, adres %2 (bez sprzętu).</translation>
    </message>
    <message>
        <source>The demonstration transmitter could not be started: %1</source>
        <translation>Nie można uruchomić przetwornika demonstracyjnego: %1</translation>
    </message>
    <message>
        <source>lmk17-sim, the software transmitter, was not found beside the program or on the PATH.</source>
        <translation>Nie znaleziono lmk17-sim, przetwornika programowego, obok programu ani w PATH.</translation>
    </message>
    <message>
        <source>Do you really want to close application?</source>
        <translation>Czy na pewno zamknąć program?</translation>
    </message>
    <message>
        <source>The program is in monitoring mode. Stop the monitoring before closing the application.</source>
        <translation>Program jest w trybie monitorowania. Przed zamknięciem programu zakończ monitorowanie.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:
%2</source>
        <translation>Nie można zapisać ustawień do %1:
%2</translation>
    </message>
    <message>
        <source> About Application</source>
        <translation> O programie</translation>
    </message>
    <message>
        <source>Program LMK-17</source>
        <translation>Program LMK-17</translation>
    </message>
    <message>
        <source>version  </source>
        <translation>wersja  </translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Plik ustawień: %1</translation>
    </message>
    <message>
        <source>Do you want to send an e-mail to %1?</source>
        <translation>Czy wysłać e-mail do %1?</translation>
    </message>
    <message>
        <source>Do you want to visit %1?</source>
        <translation>Czy odwiedzić %1?</translation>
    </message>
    <message>
        <source>The help was not found. Looked for the folder %1.</source>
        <translation>Nie znaleziono pomocy. Szukano katalogu %1.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>lmk17-sim printed no device path</source>
        <translation>lmk17-sim nie podał ścieżki urządzenia</translation>
    </message>
    <message>
        <source>LMK-17</source>
        <translation>LMK-17</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2</source>
        <translation>Nie można odczytać pliku ustawień %1: %2</translation>
    </message>
    <message>
        <source>The linearization file %1 was not opened: the linearization editor needs a configuration whose input range takes a customer linearization. Read or load such a configuration, then load the file in the editor (Input page, Linearization).</source>
        <translation>Plik linearyzacji %1 nie został otwarty: edytor linearyzacji wymaga konfiguracji, której zakres wejściowy korzysta z linearyzacji klienta. Odczytaj lub wczytaj taką konfigurację, a następnie wczytaj plik w edytorze (strona Wejście, Linearyzacja).</translation>
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
        <translation>użycie: lmk17 [PLIK.ptf ...] [PLIK.lin ...]
        lmk17 --demo [opcje lmk17-sim] [PLIK.ptf ...] [PLIK.lin ...]

Konfiguruje, testuje i monitoruje przetworniki K8410 i K8620 przez port szeregowy.
Pliki konfiguracji (.ptf) podane w wierszu poleceń są wczytywane po kolei;
obowiązuje ostatni. Plik linearyzacji (.lin) otwiera się następnie w edytorze
linearyzacji tej konfiguracji.

  --demo      uruchamia przetwornik programowy (lmk17-sim, K8620L31 z oprogramowaniem
              1.91 pod adresem 0, o ile jego opcje nie mówią inaczej) na
              pseudoterminalu i łączy się z nim: każde polecenie można wypróbować
              bez sprzętu; opcje po --demo trafiają do lmk17-sim
              (lmk17-sim --help je wymienia), oprócz plików .ptf i .lin, które
              otwierają się na tym przetworniku jak wyżej
  --help      ten tekst
  --version   wersja programu
</translation>
    </message>
    <message>
        <source>
The manual: %1 (the other languages in the folders beside it)
</source>
        <translation>
Podręcznik: %1 (pozostałe języki w folderach obok)
</translation>
    </message>
    <message>
        <source>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Ten program jest wolnym oprogramowaniem: możesz go rozpowszechniać i/lub modyfikować na warunkach Powszechnej Licencji Publicznej GNU, w wersji 3 lub (według własnego wyboru) dowolnej późniejszej wersji (GPL-3.0-or-later). Jest dostarczany bez żadnej gwarancji.</translation>
    </message>
    <message>
        <source>It uses Qt %1, licensed under the GNU Lesser General Public License, version 3 (LGPL-3.0).</source>
        <translation>Korzysta z Qt %1 na licencji GNU Lesser General Public License, w wersji 3 (LGPL-3.0).</translation>
    </message>
    <message>
        <source>The number of backups kept per transmitter must be a whole number from %1 to %2.</source>
        <translation>Liczba kopii zapasowych na przetwornik musi być liczbą całkowitą od %1 do %2.</translation>
    </message>
    <message>
        <source>The backup folder %1 is not a full path. Give the whole path or choose it with Browse.</source>
        <translation>Folder kopii zapasowych %1 nie jest pełną ścieżką. Podaj całą ścieżkę lub wybierz ją przyciskiem Przeglądaj.</translation>
    </message>
    <message>
        <source>The backup folder %1 is a file, not a folder.</source>
        <translation>Folder kopii zapasowych %1 jest plikiem, a nie folderem.</translation>
    </message>
    <message>
        <source>The backup folder %1 does not exist and could not be created.</source>
        <translation>Folder kopii zapasowych %1 nie istnieje i nie udało się go utworzyć.</translation>
    </message>
    <message>
        <source>Backups cannot be written into the folder %1.</source>
        <translation>Nie można zapisywać kopii zapasowych w folderze %1.</translation>
    </message>
    <message>
        <source>Output test mode is active: the transmitter&apos;s output stays at the test value after the program is closed. Leave output test mode before closing?</source>
        <translation>Tryb testu wyjścia jest aktywny: wyjście przetwornika pozostanie na wartości testowej po zamknięciu programu. Zakończyć tryb testu wyjścia przed zamknięciem?</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source> R01  Resistance Sensor (0 to 400 ohm) without Linearization</source>
        <translation> R01  Czujnik rezystancyjny (0 do 400 ohm) bez linearyzacji</translation>
    </message>
    <message>
        <source> R02  Resistance Sensor (0 to 4000 ohm) without Linearization</source>
        <translation> R02  Czujnik rezystancyjny (0 do 4000 ohm) bez linearyzacji</translation>
    </message>
    <message>
        <source> R03  Potentiometer (Total Resistance 40 to 400 ohm)</source>
        <translation> R03  Potencjometr (rezystancja całkowita 40 do 400 ohm)</translation>
    </message>
    <message>
        <source> R04  Potentiometer (Total Resistance 400 to 4000 ohm)</source>
        <translation> R04  Potencjometr (rezystancja całkowita 400 do 4000 ohm)</translation>
    </message>
    <message>
        <source> R05  Voltage Sensor (-15 až 60 mV) without Linearization</source>
        <translation> R05  Czujnik napięcia (-15 do 60 mV) bez linearyzacji</translation>
    </message>
    <message>
        <source> R06  Difference of Two RTD&apos;s (total resistance 400 ohm)</source>
        <translation> R06  Różnica dwóch termometrów rezystancyjnych (rezystancja całkowita 400 ohm)</translation>
    </message>
    <message>
        <source> R07  Difference of Two RTD&apos;s (total resistance 4000 ohm)</source>
        <translation> R07  Różnica dwóch termometrów rezystancyjnych (rezystancja całkowita 4000 ohm)</translation>
    </message>
    <message>
        <source> R11  Pt100 (-200 to 850 °C) with Linearization</source>
        <translation> R11  Pt100 (-200 do 850 °C) z linearyzacją</translation>
    </message>
    <message>
        <source> R12  Pt500 (-200 to 850 °C) with Linearization</source>
        <translation> R12  Pt500 (-200 do 850 °C) z linearyzacją</translation>
    </message>
    <message>
        <source> R13  Pt1000 (-200 to 850 °C) with Linearization</source>
        <translation> R13  Pt1000 (-200 do 850 °C) z linearyzacją</translation>
    </message>
    <message>
        <source> R14  Ni100 (-60 to 250 °C) with Linearization</source>
        <translation> R14  Ni100 (-60 do 250 °C) z linearyzacją</translation>
    </message>
    <message>
        <source> R15  Ni1000 (-60 to 250 °C) with Linearization</source>
        <translation> R15  Ni1000 (-60 do 250 °C) z linearyzacją</translation>
    </message>
    <message>
        <source> R51  Thermocouple &quot;J&quot; (-200 to 1000 °C) with Linearization</source>
        <translation> R51  Termoelement &quot;J&quot; (-200 do 1000 °C) z linearyzacją</translation>
    </message>
    <message>
        <source> R52  Thermocouple &quot;K&quot; (-200 to 1300 °C) with Linearization</source>
        <translation> R52  Termoelement &quot;K&quot; (-200 do 1300 °C) z linearyzacją</translation>
    </message>
    <message>
        <source> R53  Thermocouple &quot;N&quot; (-200 to 1300 °C) with Linearization</source>
        <translation> R53  Termoelement &quot;N&quot; (-200 do 1300 °C) z linearyzacją</translation>
    </message>
    <message>
        <source> R54  Thermocouple &quot;R&quot; (-50 to 1700 °C) with Linearization</source>
        <translation> R54  Termoelement &quot;R&quot; (-50 do 1700 °C) z linearyzacją</translation>
    </message>
    <message>
        <source> R55  Thermocouple &quot;S&quot; (-50 to 1700 °C) with Linearization</source>
        <translation> R55  Termoelement &quot;S&quot; (-50 do 1700 °C) z linearyzacją</translation>
    </message>
    <message>
        <source> R56  Thermocouple &quot;T&quot; (-250 to 400 °C) with Linearization</source>
        <translation> R56  Termoelement &quot;T&quot; (-250 do 400 °C) z linearyzacją</translation>
    </message>
    <message>
        <source> R57  Thermocouple &quot;B&quot; (0 to 1800 °C) with Linearization from 50°C</source>
        <translation> R57  Termoelement &quot;B&quot; (0 do 1800 °C) z linearyzacją od 50°C</translation>
    </message>
    <message>
        <source> R58  Thermocouple &quot;E&quot; (-200 to 800 °C) with Linearization</source>
        <translation> R58  Termoelement &quot;E&quot; (-200 do 800 °C) z linearyzacją</translation>
    </message>
    <message>
        <source> R59  Thermocouple &quot;L&quot; (-200 to 900 °C) with Linearization</source>
        <translation> R59  Termoelement &quot;L&quot; (-200 do 900 °C) z linearyzacją</translation>
    </message>
    <message>
        <source> R71  Current Input -15 to 60 µA</source>
        <translation> R71  Wejście prądowe -15 do 60 µA</translation>
    </message>
    <message>
        <source> R72  Current Input -150 to 600 µA</source>
        <translation> R72  Wejście prądowe -150 do 600 µA</translation>
    </message>
    <message>
        <source> R73  Current Input -1500 to 6000 µA</source>
        <translation> R73  Wejście prądowe -1500 do 6000 µA</translation>
    </message>
    <message>
        <source> R74  Current Input -6 to 24 mA</source>
        <translation> R74  Wejście prądowe -6 do 24 mA</translation>
    </message>
    <message>
        <source> R75  Current Input -15 to 60 mA</source>
        <translation> R75  Wejście prądowe -15 do 60 mA</translation>
    </message>
    <message>
        <source> R81  Voltage Input -250 to 1000 mV</source>
        <translation> R81  Wejście napięciowe -250 do 1000 mV</translation>
    </message>
    <message>
        <source> R82  Voltage Input -2.5 to 10 V</source>
        <translation> R82  Wejście napięciowe -2.5 do 10 V</translation>
    </message>
    <message>
        <source> R85  Potentiometer (Total Resistance 0.4 to 25 kohm)</source>
        <translation> R85  Potencjometr (rezystancja całkowita 0.4 do 25 kohm)</translation>
    </message>
    <message>
        <source> R91  Customer Linearization for RTD (0 to 400 ohm)</source>
        <translation> R91  Linearyzacja użytkownika dla termometru rezystancyjnego (0 do 400 ohm)</translation>
    </message>
    <message>
        <source> R92  Customer Linearization for RTD (0 to 4000 ohm)</source>
        <translation> R92  Linearyzacja użytkownika dla termometru rezystancyjnego (0 do 4000 ohm)</translation>
    </message>
    <message>
        <source> R93  Customer Linearization for Potentiometer (40 to 400 ohm)</source>
        <translation> R93  Linearyzacja użytkownika dla potencjometru (40 do 400 ohm)</translation>
    </message>
    <message>
        <source> R94  Customer Linearization for Potentiometer (400 to 4000 ohm)</source>
        <translation> R94  Linearyzacja użytkownika dla potencjometru (400 do 4000 ohm)</translation>
    </message>
    <message>
        <source> R95  Customer Linearization for Other Voltage Sensor (Thermocouple)</source>
        <translation> R95  Linearyzacja użytkownika dla innego czujnika napięcia (termoelement)</translation>
    </message>
    <message>
        <source> R96  Customer Linearization for Difference of Two RTD&apos;s (400 ohm)</source>
        <translation> R96  Linearyzacja użytkownika dla różnicy dwóch termometrów rezystancyjnych (400 ohm)</translation>
    </message>
    <message>
        <source> R97  Customer Linearization for Difference of Two RTD&apos;s (4000 ohm)</source>
        <translation> R97  Linearyzacja użytkownika dla różnicy dwóch termometrów rezystancyjnych (4000 ohm)</translation>
    </message>
    <message>
        <source> C1  2-Wire Connection of the Resistance Sensor</source>
        <translation> C1  Podłączenie 2-przewodowe czujnika rezystancyjnego</translation>
    </message>
    <message>
        <source> C2  3-Wire Connection of the Resistance Sensor</source>
        <translation> C2  Podłączenie 3-przewodowe czujnika rezystancyjnego</translation>
    </message>
    <message>
        <source> C3  4-Wire Connection of the Resistance Sensor</source>
        <translation> C3  Podłączenie 4-przewodowe czujnika rezystancyjnego</translation>
    </message>
    <message>
        <source> C4  Potentiometer Connection without Lead Resistance Compensation</source>
        <translation> C4  Podłączenie potencjometru bez kompensacji rezystancji przewodów</translation>
    </message>
    <message>
        <source> C5  Potentiometer Connection with Lead Resistance Compensation</source>
        <translation> C5  Podłączenie potencjometru z kompensacją rezystancji przewodów</translation>
    </message>
    <message>
        <source> C6  Connection of Voltage Sensor or T/C without CJ Compensation</source>
        <translation> C6  Podłączenie czujnika napięcia lub termoelementu bez kompensacji spoiny odniesienia</translation>
    </message>
    <message>
        <source> C7  Connection of T/C with Cold Junction Compensation</source>
        <translation> C7  Podłączenie termoelementu z kompensacją spoiny odniesienia</translation>
    </message>
    <message>
        <source> C8  Connection of Two 2-Wire Resistance Sensors</source>
        <translation> C8  Podłączenie dwóch 2-przewodowych czujników rezystancyjnych</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>current output 4 to 20 mA</source>
        <translation>wyjście prądowe 4 do 20 mA</translation>
    </message>
    <message>
        <source>current output 0 to 20 mA</source>
        <translation>wyjście prądowe 0 do 20 mA</translation>
    </message>
    <message>
        <source>voltage output 0 to 10 V</source>
        <translation>wyjście napięciowe 0 do 10 V</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Attention! Linearization table or cold junction compensation table does not correspond to input range. For proper function it is necessary to write/save the configuration again!</source>
        <translation>Uwaga! Tabela linearyzacji lub tabela kompensacji spoiny odniesienia nie odpowiada zakresowi wejściowemu. Do prawidłowego działania trzeba ponownie zapisać konfigurację do przetwornika lub pliku!</translation>
    </message>
    <message>
        <source>Transmitter configuration corrupt. Last writing probably not successful. Default configuration will be pre-set!</source>
        <translation>Konfiguracja przetwornika jest uszkodzona. Ostatni zapis prawdopodobnie się nie powiódł. Zostanie ustawiona konfiguracja domyślna!</translation>
    </message>
    <message>
        <source>Do you really want to pre-set default configuration? </source>
        <translation>Czy na pewno ustawić konfigurację domyślną? </translation>
    </message>
    <message>
        <source>Input range was changed, check configuration.</source>
        <translation>Zakres wejściowy został zmieniony, sprawdź konfigurację.</translation>
    </message>
    <message>
        <source> year, </source>
        <translation> rok, </translation>
    </message>
    <message>
        <source> years, </source>
        <translation> lat, </translation>
    </message>
    <message>
        <source> day, </source>
        <translation> dzień, </translation>
    </message>
    <message>
        <source> days, </source>
        <translation> dni, </translation>
    </message>
    <message>
        <source> hour, </source>
        <translation> godzina, </translation>
    </message>
    <message>
        <source> hours, </source>
        <translation> godzin, </translation>
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
        <translation>Obraz niedostępny</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Nie ustawiono żadnej konfiguracji przetwornika.</translation>
    </message>
    <message>
        <source>You want to disable custom linearization now. It will be set default linearization and eventual custom linearization will be erased. Do you want to continue?</source>
        <translation>Zamierzasz wyłączyć linearyzację użytkownika. Zostanie ustawiona linearyzacja domyślna, a ewentualna linearyzacja użytkownika zostanie usunięta. Czy kontynuować?</translation>
    </message>
    <message>
        <source>lower range value</source>
        <translation>początek zakresu</translation>
    </message>
    <message>
        <source>upper range value</source>
        <translation>koniec zakresu</translation>
    </message>
    <message>
        <source>correction of sensor error at lower range value</source>
        <translation>korekcja błędu czujnika na początku zakresu</translation>
    </message>
    <message>
        <source>correction of sensor error at upper range value</source>
        <translation>korekcja błędu czujnika na końcu zakresu</translation>
    </message>
    <message>
        <source>damping</source>
        <translation>tłumienie</translation>
    </message>
    <message>
        <source>lead resistance</source>
        <translation>rezystancja przewodów</translation>
    </message>
    <message>
        <source>cold junction temperature</source>
        <translation>temperatura spoiny odniesienia</translation>
    </message>
    <message>
        <source>limit comparator %d switching level</source>
        <translation>próg przełączania komparatora progowego %d</translation>
    </message>
    <message>
        <source>limit comparator %d hysteresis</source>
        <translation>histereza komparatora progowego %d</translation>
    </message>
    <message>
        <source>lower output range</source>
        <translation>początek zakresu wyjściowego</translation>
    </message>
    <message>
        <source>upper output range</source>
        <translation>koniec zakresu wyjściowego</translation>
    </message>
    <message>
        <source>lower output limit</source>
        <translation>dolna granica wyjścia</translation>
    </message>
    <message>
        <source>upper output limit</source>
        <translation>górna granica wyjścia</translation>
    </message>
    <message>
        <source>lower error output</source>
        <translation>dolne wyjście błędu</translation>
    </message>
    <message>
        <source>upper error output</source>
        <translation>górne wyjście błędu</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Nieprawidłowy format wartości: </translation>
    </message>
    <message>
        <source>Value of </source>
        <translation>Wartość </translation>
    </message>
    <message>
        <source> is out of the range: </source>
        <translation> jest poza zakresem: </translation>
    </message>
    <message>
        <source>Value of correction at upper range value is higher than %.2g %% of input range.</source>
        <translation>Wartość korekcji na końcu zakresu jest większa niż %.2g %% zakresu wejściowego.</translation>
    </message>
    <message>
        <source>Value of correction at lower range value is higher than %.2g %% of input range.</source>
        <translation>Wartość korekcji na początku zakresu jest większa niż %.2g %% zakresu wejściowego.</translation>
    </message>
    <message>
        <source>Value of limit comparator %d hysteresis is higher than %.2g %% of input range.</source>
        <translation>Wartość histerezy komparatora progowego %d jest większa niż %.2g %% zakresu wejściowego.</translation>
    </message>
    <message>
        <source>Value of limit comparator %d hysteresis cannot be equal to zero for reverse switching mode. Normal switching mode was set.</source>
        <translation>Histereza komparatora progowego %d nie może być zerowa w odwrotnym trybie przełączania. Ustawiono normalny tryb przełączania.</translation>
    </message>
    <message>
        <source>Span value is lower than %.2g%% of input range.</source>
        <translation>Rozpiętość jest mniejsza niż %.2g%% zakresu wejściowego.</translation>
    </message>
    <message>
        <source>Output span value is lower than %.2g %s, cannot continue.</source>
        <translation>Rozpiętość wyjścia jest mniejsza niż %.2g %s, nie można kontynuować.</translation>
    </message>
    <message>
        <source>Saturation span value is lower than %.2g %s, cannot continue.</source>
        <translation>Rozpiętość ograniczenia wyjścia jest mniejsza niż %.2g %s, nie można kontynuować.</translation>
    </message>
    <message>
        <source>Error span value is lower than %.2g %s, cannot continue.</source>
        <translation>Rozpiętość wyjść błędu jest mniejsza niż %.2g %s, nie można kontynuować.</translation>
    </message>
    <message>
        <source>Some values of the configuration lie outside the range of the new linearization (measuring range, corrections or limit comparators). Correct them before the configuration is written or saved.</source>
        <translation>Niektóre wartości konfiguracji leżą poza zakresem nowej linearyzacji (zakres pomiarowy, korekcje lub komparatory progowe). Popraw je, zanim konfiguracja zostanie wysłana lub zapisana.</translation>
    </message>
</context>
<context>
    <name>Configuration file</name>
    <message>
        <source>Configuration was not loaded, cancelled by user.</source>
        <translation>Konfiguracja nie została wczytana, anulowano przez użytkownika.</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file: &apos;%s&apos; not found.</source>
        <translation>Konfiguracja nie została wczytana, nie znaleziono pliku: &apos;%s&apos;.</translation>
    </message>
    <message>
        <source>Wrong file format or file: &apos;%s&apos; is damaged!</source>
        <translation>Błędny format pliku lub plik: &apos;%s&apos; jest uszkodzony!</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file is damaged or wrong type.</source>
        <translation>Konfiguracja nie została wczytana, plik jest uszkodzony lub niewłaściwego typu.</translation>
    </message>
    <message>
        <source>Configuration was read without any errors.</source>
        <translation>Konfiguracja została wczytana bez błędów.</translation>
    </message>
    <message>
        <source>Configuration was not saved, cancelled by user.</source>
        <translation>Konfiguracja nie została zapisana, anulowano przez użytkownika.</translation>
    </message>
    <message>
        <source>File: &apos;%s&apos; already exists, do you want to overwrite it?</source>
        <translation>Plik: &apos;%s&apos; już istnieje, czy go zastąpić?</translation>
    </message>
    <message>
        <source>Configuration was not saved, cannot open file: &apos;%s&apos;.</source>
        <translation>Konfiguracja nie została zapisana, nie można otworzyć pliku: &apos;%s&apos;.</translation>
    </message>
    <message>
        <source>Configuration was saved without any errors.</source>
        <translation>Konfiguracja została zapisana bez błędów.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Nie ustawiono żadnej konfiguracji przetwornika.</translation>
    </message>
    <message>
        <source>Changes were not saved. Continue?</source>
        <translation>Zmiany nie zostały zapisane. Kontynuować?</translation>
    </message>
    <message>
        <source>Configuration was not loaded, &apos;%s&apos; is a folder.</source>
        <translation>Konfiguracja nie została wczytana, &apos;%s&apos; jest folderem.</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file: &apos;%s&apos; cannot be read:</source>
        <translation>Konfiguracja nie została wczytana, nie można odczytać pliku: &apos;%s&apos;:</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The file is larger than %1 kB; no file of this program is.</source>
        <translation>Plik jest większy niż %1 kB; żaden plik tego programu nie jest tak duży.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be written: %2</source>
        <translation>Nie można zapisać pliku &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Not a regular file (a device, a pipe or a socket)</source>
        <translation>To nie jest zwykły plik (urządzenie, potok lub gniazdo)</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>lmk17en.hlp</source>
        <translation>lmk17pl.hlp</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Change of language will be applied after application restart!</source>
        <translation>Zmiana języka nastąpi po ponownym uruchomieniu programu!</translation>
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
        <translation>Maksimum:</translation>
    </message>
    <message>
        <source>Cannot resolve the linearization table unless at least 2 points are entered.</source>
        <translation>Nie można obliczyć tabeli linearyzacji, dopóki nie zostaną wprowadzone co najmniej 2 punkty.</translation>
    </message>
    <message>
        <source>Cannot resolve the compensating table unless at least 2 points are entered.</source>
        <translation>Nie można obliczyć tabeli kompensacji, dopóki nie zostaną wprowadzone co najmniej 2 punkty.</translation>
    </message>
    <message>
        <source>Data were not saved, cancelled by user.</source>
        <translation>Dane nie zostały zapisane, anulowano przez użytkownika.</translation>
    </message>
    <message>
        <source>Data were not saved, cannot open file: &apos;%1&apos;.</source>
        <translation>Dane nie zostały zapisane, nie można otworzyć pliku: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>File: &apos;%1&apos; already exists, do you want to overwrite it?</source>
        <translation>Plik: &apos;%1&apos; już istnieje, czy go zastąpić?</translation>
    </message>
    <message>
        <source> Saving Data to File</source>
        <translation> Zapisywanie danych do pliku</translation>
    </message>
    <message>
        <source>Data was saved without any errors.</source>
        <translation>Dane zostały zapisane bez błędów.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in table of the points for the linearization.</source>
        <translation>Nie można zapisać danych, dopóki tabela punktów linearyzacji zawiera błędy.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in table of the points for the cold junction compensation.</source>
        <translation>Nie można zapisać danych, dopóki tabela punktów kompensacji spoiny odniesienia zawiera błędy.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in &apos;Sensor-Specific Characterization&apos; section.</source>
        <translation>Nie można zapisać danych, dopóki sekcja &apos;Charakterystyka czujnika&apos; zawiera błędy.</translation>
    </message>
    <message>
        <source>Data was not loaded - wrong file format.</source>
        <translation>Dane nie zostały wczytane - błędny format pliku.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
 Error in the Section: [</source>
        <translation><byte value="xd"/>
 Błąd w sekcji: [</translation>
    </message>
    <message>
        <source>Data was not loaded - unknown file format.</source>
        <translation>Dane nie zostały wczytane - nieznany format pliku.</translation>
    </message>
    <message>
        <source>Try later version or contact your supplier.</source>
        <translation>Spróbuj nowszej wersji lub skontaktuj się z dostawcą.</translation>
    </message>
    <message>
        <source>Data was not loaded, file contains data for another input range (</source>
        <translation>Dane nie zostały wczytane, plik zawiera dane dla innego zakresu wejściowego (</translation>
    </message>
    <message>
        <source> Loading Data from File</source>
        <translation> Wczytywanie danych z pliku</translation>
    </message>
    <message>
        <source>Data was not loaded, cancelled by user.</source>
        <translation>Dane nie zostały wczytane, anulowano przez użytkownika.</translation>
    </message>
    <message>
        <source>Data was not loaded, cannot open file: &apos;%1&apos;.</source>
        <translation>Dane nie zostały wczytane, nie można otworzyć pliku: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Incorrect format of the value in row n.%1 and column n.%2, please correct.</source>
        <translation>Nieprawidłowy format wartości w wierszu nr %1 i kolumnie nr %2, proszę poprawić.</translation>
    </message>
    <message>
        <source>Value in row n.%1 and column n.%2 is out of range &lt; %3, %4 &gt; °C, please correct.</source>
        <translation>Wartość w wierszu nr %1 i kolumnie nr %2 jest poza zakresem &lt; %3, %4 &gt; °C, proszę poprawić.</translation>
    </message>
    <message>
        <source>Value in row n.%1 and column n.%2 is out of range &lt; %3, %4 &gt; Ohm, please correct.</source>
        <translation>Wartość w wierszu nr %1 i kolumnie nr %2 jest poza zakresem &lt; %3, %4 &gt; Ohm, proszę poprawić.</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Nieprawidłowy format wartości: </translation>
    </message>
    <message>
        <source>Sensor-Specific Constants.</source>
        <translation>Stałe charakterystyczne czujnika.</translation>
    </message>
    <message>
        <source>Attention! Value %1 is bigger than upper limit selected input range %2.</source>
        <translation>Uwaga! Wartość %1 jest większa niż górna granica wybranego zakresu wejściowego %2.</translation>
    </message>
    <message>
        <source>Data was not loaded, file: &apos;%1&apos; not found.</source>
        <translation>Dane nie zostały wczytane, nie znaleziono pliku: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>To jest folder.</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>Do not Disconnect Communication Cable!</source>
        <translation>Nie odłączaj kabla komunikacyjnego!</translation>
    </message>
    <message>
        <source>%s serial port successfully connected.</source>
        <translation>Port szeregowy %s połączony pomyślnie.</translation>
    </message>
    <message>
        <source>%s serial port cannot be connected.</source>
        <translation>Nie można połączyć portu szeregowego %s.</translation>
    </message>
    <message>
        <source>%s serial port disconnected.</source>
        <translation>Port szeregowy %s rozłączony.</translation>
    </message>
    <message>
        <source>Attention! Setting of wrong communication parameters may lose communication with the transmitter! Changing this parameters is allowed experienced user only.</source>
        <translation>Uwaga! Ustawienie błędnych parametrów komunikacji może spowodować utratę komunikacji z przetwornikiem! Parametry te może zmieniać tylko doświadczony użytkownik.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Nie ustawiono żadnej konfiguracji przetwornika.</translation>
    </message>
    <message>
        <source>Attention! You want to change the communication parameters to other than default.<byte value="xd"/>
Setting of wrong communication parameters may lose communication with the transmitter!<byte value="xd"/>
Do You really want to change the parameters?</source>
        <translation>Uwaga! Chcesz zmienić parametry komunikacji na inne niż domyślne.<byte value="xd"/>
Ustawienie błędnych parametrów komunikacji może spowodować utratę komunikacji z przetwornikiem!<byte value="xd"/>
Czy na pewno zmienić parametry?</translation>
    </message>
    <message>
        <source>Changes is not valid immediately after writing the configuration, but after power down and power up!</source>
        <translation>Zmiany nie obowiązują od razu po zapisie konfiguracji, lecz dopiero po wyłączeniu i ponownym włączeniu zasilania!</translation>
    </message>
    <message>
        <source> Not Connected</source>
        <translation> Nie połączono</translation>
    </message>
    <message>
        <source> Options</source>
        <translation> Opcje</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Communication Parameters for Experts</source>
        <translation>Parametry komunikacji dla ekspertów</translation>
    </message>
    <message>
        <source>&amp;Default Parameters</source>
        <translation>Parametry &amp;domyślne</translation>
    </message>
    <message>
        <source> Transmitter Communication Parameters</source>
        <translation> Parametry komunikacji przetwornika</translation>
    </message>
    <message>
        <source>Attention! Setting of wrong paramaters may</source>
        <translation>Uwaga! Ustawienie błędnych parametrów może</translation>
    </message>
    <message>
        <source>lose communication with the Transmitter!</source>
        <translation>spowodować utratę komunikacji z przetwornikiem!</translation>
    </message>
    <message>
        <source>Default Params</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Komunikacja</translation>
    </message>
    <message>
        <source> None</source>
        <translation> Brak</translation>
    </message>
    <message>
        <source> Odd</source>
        <translation> Nieparzysta</translation>
    </message>
    <message>
        <source> Even</source>
        <translation> Parzysta</translation>
    </message>
    <message>
        <source> OK.</source>
        <translation> OK.</translation>
    </message>
    <message>
        <source> ERROR: Error during Transmit.</source>
        <translation> BŁĄD: Błąd transmisji.</translation>
    </message>
    <message>
        <source> ERROR: Bad Parameters.</source>
        <translation> BŁĄD: Błędne parametry.</translation>
    </message>
    <message>
        <source> ERROR: Bad Function.</source>
        <translation> BŁĄD: Błędna funkcja.</translation>
    </message>
    <message>
        <source> Application layer answered OK.</source>
        <translation> Warstwa aplikacji odpowiedziała OK.</translation>
    </message>
    <message>
        <source> ERROR: Frame Error of the Incoming Message.</source>
        <translation> BŁĄD: Błąd ramki odebranej wiadomości.</translation>
    </message>
    <message>
        <source> ERROR: Bad CRC of the Incoming Message.</source>
        <translation> BŁĄD: Błędna suma kontrolna odebranej wiadomości.</translation>
    </message>
    <message>
        <source> ERROR: Error during Transmit (from Transmitter to PC).</source>
        <translation> BŁĄD: Błąd transmisji (z przetwornika do PC).</translation>
    </message>
    <message>
        <source> ERROR: Bad Answer was received.</source>
        <translation> BŁĄD: Odebrano błędną odpowiedź.</translation>
    </message>
    <message>
        <source> ERROR: Timeout.</source>
        <translation> BŁĄD: Przekroczono czas oczekiwania.</translation>
    </message>
    <message>
        <source> ERROR: Unknown Answer: %d</source>
        <translation> BŁĄD: Nieznana odpowiedź: %d</translation>
    </message>
    <message>
        <source>You may not open this port: add your user to the dialout group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>Nie możesz otworzyć tego portu: dodaj swojego użytkownika do grupy dialout (sudo usermod -aG dialout $USER), a następnie wyloguj się i zaloguj ponownie.</translation>
    </message>
    <message>
        <source>%s serial port lost; monitoring tries to reopen it every 2 s.</source>
        <translation>Utracono port szeregowy %s; monitorowanie próbuje go ponownie otworzyć co 2 s.</translation>
    </message>
    <message>
        <source> ERROR: Another device keeps sending on the line; the request could not be sent.</source>
        <translation> BŁĄD: Inne urządzenie stale nadaje na linii; nie można było wysłać zapytania.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Nieparzysta</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Parzysta</translation>
    </message>
    <message>
        <source>No description from the system</source>
        <translation>Brak opisu od systemu</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>numer seryjny %1</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>Urządzenie: %1</translation>
    </message>
    <message>
        <source>Stable name: %1</source>
        <translation>Stała nazwa: %1</translation>
    </message>
</context>
<context>
    <name>LinkParity</name>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>nieparzysta</translation>
    </message>
    <message>
        <source>even</source>
        <translation>parzysta</translation>
    </message>
</context>
<context>
    <name>Monitoring</name>
    <message>
        <source>The time interval must be a number of seconds from 1 to 1200. The previous value of %1 s is kept.</source>
        <translation>Odstęp czasu musi być liczbą sekund od 1 do 1200. Zachowano poprzednią wartość %1 s.</translation>
    </message>
    <message>
        <source>Do you really want to stop the monitoring mode?</source>
        <translation>Czy na pewno zakończyć monitorowanie?</translation>
    </message>
    <message>
        <source>Do you really want to erase records in window?</source>
        <translation>Czy na pewno usunąć zapisy w oknie?</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be written. Monitoring goes on; the records are kept in the log window only.</source>
        <translation>Nie można zapisywać do pliku rejestru &quot;%1&quot;. Monitorowanie trwa; zapisy pozostają tylko w oknie rejestru.</translation>
    </message>
    <message>
        <source>an empty item in the address list</source>
        <translation>pusta pozycja na liście adresów</translation>
    </message>
    <message>
        <source>not an address 0..31 or a range of them: %1</source>
        <translation>to nie adres 0..31 ani ich zakres: %1</translation>
    </message>
    <message>
        <source>a range runs upwards: %1</source>
        <translation>zakres musi rosnąć: %1</translation>
    </message>
    <message>
        <source>address %1 is listed twice</source>
        <translation>adres %1 występuje dwukrotnie</translation>
    </message>
    <message>
        <source>at most %1 addresses</source>
        <translation>co najwyżej %1 adresów</translation>
    </message>
    <message>
        <source>The time interval must be a number of seconds from 1 to 1200.</source>
        <translation>Odstęp czasu musi być liczbą sekund od 1 do 1200.</translation>
    </message>
    <message>
        <source>The number of graph records must be a whole number from 20 to 2000.</source>
        <translation>Liczba rekordów wykresu musi być liczbą całkowitą od 20 do 2000.</translation>
    </message>
    <message>
        <source>The number of significant places of the PV must be a whole number from 3 to 25.</source>
        <translation>Liczba cyfr znaczących PV musi być liczbą całkowitą od 3 do 25.</translation>
    </message>
    <message>
        <source>The change of the PV value must be a whole number of percent from 1 to 1000.</source>
        <translation>Zmiana wartości PV musi być całkowitą liczbą procent od 1 do 1000.</translation>
    </message>
    <message>
        <source>The time period must be a whole number of seconds from 20 to 7200.</source>
        <translation>Okres czasu musi być całkowitą liczbą sekund od 20 do 7200.</translation>
    </message>
    <message>
        <source>The previous value of %1 is kept.</source>
        <translation>Zachowano poprzednią wartość %1.</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; holds records of another format (another header or separator); nothing was appended to it. Choose another file, or rewrite it.</source>
        <translation>Plik dziennika „%1” zawiera rekordy w innym formacie (inny nagłówek lub separator); nic do niego nie dopisano. Wybierz inny plik albo go nadpisz.</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>Read</source>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Użyj</translation>
    </message>
    <message>
        <source>Output test mode is active.</source>
        <translation>Tryb testu wyjścia jest aktywny.</translation>
    </message>
    <message>
        <source>Transmitter works without any errors.</source>
        <translation>Przetwornik pracuje bez błędów.</translation>
    </message>
    <message>
        <source> 1 - Sensor Incorrectly Connected or Faulty</source>
        <translation> 1 - Czujnik nieprawidłowo podłączony lub uszkodzony</translation>
    </message>
    <message>
        <source> 2 - Primary Variable out of the Input Range</source>
        <translation> 2 - Wielkość mierzona poza zakresem wejściowym</translation>
    </message>
    <message>
        <source> 3 - EEPROM Error (Write Error)</source>
        <translation> 3 - Błąd EEPROM (błąd zapisu)</translation>
    </message>
    <message>
        <source> 4 - EEPROM Error (CRC Error)</source>
        <translation> 4 - Błąd EEPROM (błąd CRC)</translation>
    </message>
    <message>
        <source> 5 - Misconfiguration (Incorrect Connection Code)</source>
        <translation> 5 - Błędna konfiguracja (nieprawidłowy kod podłączenia)</translation>
    </message>
    <message>
        <source> 6 - Internal Error (Divide by Zero)</source>
        <translation> 6 - Błąd wewnętrzny (dzielenie przez zero)</translation>
    </message>
    <message>
        <source> 7 - Limit Comparator Current Signaling</source>
        <translation> 7 - Sygnalizacja prądem przez komparator progowy</translation>
    </message>
    <message>
        <source> Reading CJ Temperature from Transmitter</source>
        <translation> Odczyt temperatury spoiny odniesienia z przetwornika</translation>
    </message>
    <message>
        <source>- constant</source>
        <translation>- stała</translation>
    </message>
    <message>
        <source>Attention, the transmitter was during reading in an error state which may cause incorrect value of cold junction temperature!</source>
        <translation>Uwaga, przetwornik był podczas odczytu w stanie błędu, co może spowodować nieprawidłową wartość temperatury spoiny odniesienia!</translation>
    </message>
    <message>
        <source>Cold junction temperature cannot be read; the connected transmitter is not configured for thermocouple measuring.</source>
        <translation>Nie można odczytać temperatury spoiny odniesienia; podłączony przetwornik nie jest skonfigurowany do pomiaru termoelementem.</translation>
    </message>
    <message>
        <source>The connected transmitter %s is not supported by this version of LMK-17, cannot continue!</source>
        <translation>Podłączony przetwornik %s nie jest obsługiwany przez tę wersję LMK-17, nie można kontynuować!</translation>
    </message>
    <message>
        <source>Connected transmitter firmware version is not supported by this version of LMK-17, cannot continue!</source>
        <translation>Wersja oprogramowania podłączonego przetwornika nie jest obsługiwana przez tę wersję LMK-17, nie można kontynuować!</translation>
    </message>
    <message>
        <source>Input range is not supported by this version of LMK-17, or was written wrongly.</source>
        <translation>Zakres wejściowy nie jest obsługiwany przez tę wersję LMK-17 lub został błędnie zapisany.</translation>
    </message>
    <message>
        <source>Try later version or contact your supplier.</source>
        <translation>Spróbuj nowszej wersji lub skontaktuj się z dostawcą.</translation>
    </message>
    <message>
        <source>Transmitter configuration corrupt. Last writing probably not successful. Do you want to pre-set default configuration?</source>
        <translation>Konfiguracja przetwornika jest uszkodzona. Ostatni zapis prawdopodobnie się nie powiódł. Czy ustawić konfigurację domyślną?</translation>
    </message>
    <message>
        <source>Another transmitter was connected or configuration was changed. The transmitter configuration must be read again.<byte value="xd"/>
Do you want to read configuration from transmitter? If no, operation will be stopped.</source>
        <translation>Podłączono inny przetwornik lub zmieniono konfigurację. Konfigurację przetwornika trzeba odczytać ponownie.<byte value="xd"/>
Czy odczytać konfigurację z przetwornika? Jeśli nie, operacja zostanie przerwana.</translation>
    </message>
    <message>
        <source>Different type of transmitter is connected, cannot continue.</source>
        <translation>Podłączono przetwornik innego typu, nie można kontynuować.</translation>
    </message>
    <message>
        <source>The connected transmitter uses earlier firmware version than required for storing the current configuration. Cannot continue.</source>
        <translation>Podłączony przetwornik ma starszą wersję oprogramowania niż wymagana do zapisania bieżącej konfiguracji. Nie można kontynuować.</translation>
    </message>
    <message>
        <source>Connected transmitter is configured with fixed input range. Input range cannot be changed, cannot continue!</source>
        <translation>Podłączony przetwornik ma ustawiony stały zakres wejściowy. Zakresu wejściowego nie można zmienić, nie można kontynuować!</translation>
    </message>
    <message>
        <source>Another transmitter was connected, do you really want to continue?</source>
        <translation>Podłączono inny przetwornik, czy na pewno kontynuować?</translation>
    </message>
    <message>
        <source> Reading Configuration from Transmitter</source>
        <translation> Odczyt konfiguracji z przetwornika</translation>
    </message>
    <message>
        <source> Writing Configuration to Transmitter</source>
        <translation> Wysyłanie konfiguracji do przetwornika</translation>
    </message>
    <message>
        <source>Configuration was written to transmitter without any errors.</source>
        <translation>Konfiguracja została wysłana do przetwornika bez błędów.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Nie ustawiono żadnej konfiguracji przetwornika.</translation>
    </message>
    <message>
        <source>Changes were not saved. Continue?</source>
        <translation>Zmiany nie zostały zapisane. Kontynuować?</translation>
    </message>
    <message>
        <source>The period must be a number of seconds from 0.2 to 15.0. The value %1 stays.</source>
        <translation>Okres musi być liczbą sekund od 0,2 do 15,0. Pozostaje wartość %1.</translation>
    </message>
    <message>
        <source>The output test value must be a number from %1 to %2 %3 (a negative value leaves output test mode). The value %4 stays.</source>
        <translation>Wartość testowa wyjścia musi być liczbą od %1 do %2 %3 (wartość ujemna kończy tryb testu wyjścia). Pozostaje wartość %4.</translation>
    </message>
    <message>
        <source> Checking the Written Configuration</source>
        <translation> Sprawdzanie zapisanej konfiguracji</translation>
    </message>
    <message>
        <source>The transmitter acknowledged the configuration, but reading it back gives other values than were written:</source>
        <translation>Przetwornik potwierdził konfigurację, ale ponowny odczyt daje inne wartości niż zapisane:</translation>
    </message>
    <message>
        <source> parameter %1 (row %2): written %3, read %4</source>
        <translation> parametr %1 (wiersz %2): zapisano %3, odczytano %4</translation>
    </message>
    <message>
        <source>Error during reading the data from transmitter, repeat?</source>
        <translation>Błąd podczas odczytu danych z przetwornika, powtórzyć?</translation>
    </message>
    <message>
        <source>Error during writing the data to transmitter, repeat?</source>
        <translation>Błąd podczas zapisu danych do przetwornika, powtórzyć?</translation>
    </message>
    <message>
        <source>Error (&apos;Bad Parameters&apos;) during writing the data to transmitter!<byte value="xd"/>
Feasible solution: Stop writing now, set the default configuration (command from menu &apos;Transmitter&apos;) and write configuration to the transmitter.<byte value="xd"/>
Do You want to repeat this operation?</source>
        <translation>Błąd (&apos;Błędne parametry&apos;) podczas zapisu danych do przetwornika!<byte value="xd"/>
Możliwe rozwiązanie: przerwij teraz zapis, ustaw konfigurację domyślną (polecenie z menu &apos;Przetwornik&apos;) i zapisz konfigurację do przetwornika.<byte value="xd"/>
Czy powtórzyć tę operację?</translation>
    </message>
    <message>
        <source>No communication port connected, cannot continue. Do you want to connect it now?</source>
        <translation>Nie połączono portu komunikacyjnego, nie można kontynuować. Czy połączyć go teraz?</translation>
    </message>
    <message>
        <source>Error during transmitter configuration writing. Incorrect configuration settings may cause undefined errors. Configuration should be stored again.</source>
        <translation>Błąd podczas zapisu konfiguracji do przetwornika. Nieprawidłowe ustawienia konfiguracji mogą powodować nieokreślone błędy. Konfigurację należy zapisać ponownie.</translation>
    </message>
    <message>
        <source>Do you really want to break operation?</source>
        <translation>Czy na pewno przerwać operację?</translation>
    </message>
    <message>
        <source>Waiting for the line to fall quiet...</source>
        <translation>Oczekiwanie na ciszę na linii...</translation>
    </message>
    <message>
        <source> Reading Configuration for the Backup</source>
        <translation> Odczyt konfiguracji do kopii zapasowej</translation>
    </message>
    <message>
        <source>The backup folder &apos;%1&apos; could not be created.</source>
        <translation>Nie można utworzyć folderu kopii zapasowych &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The transmitter&apos;s present configuration could not be kept as a backup, so nothing was written.</source>
        <translation>Nie można zachować bieżącej konfiguracji przetwornika jako kopii zapasowej, dlatego nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Writing changes these values of the transmitter (now -&gt; written):</source>
        <translation>Zapis zmieni te wartości przetwornika (teraz -&gt; zapisane):</translation>
    </message>
    <message>
        <source> ... and %1 more</source>
        <translation> ... i %1 więcej</translation>
    </message>
    <message>
        <source> stored values beyond the digits shown: %1</source>
        <translation> zapisane wartości poza wyświetlanymi cyframi: %1</translation>
    </message>
    <message>
        <source>Write the configuration to the transmitter?</source>
        <translation>Zapisać konfigurację do przetwornika?</translation>
    </message>
    <message>
        <source>The transmitter already holds this configuration; nothing was written.</source>
        <translation>Przetwornik zawiera już tę konfigurację; nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>The transmitter already holds this configuration. Write it anyway?</source>
        <translation>Przetwornik zawiera już tę konfigurację. Mimo to zapisać?</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>Note.: </source>
        <translation>Uw.: </translation>
    </message>
    <message>
        <source>Configured by</source>
        <translation>Skonfigurował</translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Data: </translation>
    </message>
    <message>
        <source> Transmitter Configuration Protocol </source>
        <translation> Protokół konfiguracji przetwornika </translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Wejście</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Korekcja</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Limit Comparator</source>
        <translation>Komparator progowy</translation>
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
        <translation>Włączony</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Wyłączony</translation>
    </message>
    <message>
        <source>Switch Level:</source>
        <translation>Próg przełączania:</translation>
    </message>
    <message>
        <source>Hysteresis:</source>
        <translation>Histereza:</translation>
    </message>
    <message>
        <source>Switching Mode:</source>
        <translation>Tryb przełączania:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Odwrotny</translation>
    </message>
    <message>
        <source>Indicate by Error Output:</source>
        <translation>Sygnalizacja wyjściem błędu:</translation>
    </message>
    <message>
        <source>State on Error:</source>
        <translation>Stan przy błędzie:</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Output Type:</source>
        <translation>Typ wyjścia:</translation>
    </message>
    <message>
        <source>Output Saturation:</source>
        <translation>Ograniczenie wyjścia:</translation>
    </message>
    <message>
        <source>cca  %1 to %2 %3</source>
        <translation>ok.  %1 do %2 %3</translation>
    </message>
    <message>
        <source>Damping:</source>
        <translation>Tłumienie:</translation>
    </message>
    <message>
        <source>Linearization:</source>
        <translation>Linearyzacja:</translation>
    </message>
    <message>
        <source>Customer Linearization:</source>
        <translation>Linearyzacja użytkownika:</translation>
    </message>
    <message>
        <source>Lead Resistance 1:</source>
        <translation>Rezystancja przewodów 1:</translation>
    </message>
    <message>
        <source>Lead Resistance:</source>
        <translation>Rezystancja przewodów:</translation>
    </message>
    <message>
        <source>Lead Resistance 2:</source>
        <translation>Rezystancja przewodów 2:</translation>
    </message>
    <message>
        <source>Cold Junction Temperature:</source>
        <translation>Temperatura spoiny odniesienia:</translation>
    </message>
    <message>
        <source>- constant</source>
        <translation>- stała</translation>
    </message>
    <message>
        <source>Input Filter:</source>
        <translation>Filtr wejściowy:</translation>
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
        <translation>Sygnalizacja błędu:</translation>
    </message>
    <message>
        <source> and by Switching Relay</source>
        <translation> i przełączeniem przekaźnika</translation>
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
        <translation>Typ przetwornika:</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Wersja oprogramowania:</translation>
    </message>
    <message>
        <source>Identification:</source>
        <translation>Identyfikacja:</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Producent:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Numer seryjny:</translation>
    </message>
    <message>
        <source>Date of Manufacturing:</source>
        <translation>Data produkcji:</translation>
    </message>
    <message>
        <source>Date of Last Change:</source>
        <translation>Data ostatniej zmiany:</translation>
    </message>
    <message>
        <source>Working Time:</source>
        <translation>Czas pracy:</translation>
    </message>
    <message>
        <source>File Version:</source>
        <translation>Wersja pliku:</translation>
    </message>
    <message>
        <source>Input Range:</source>
        <translation>Zakres wejściowy:</translation>
    </message>
    <message>
        <source>Sensor Connection:</source>
        <translation>Podłączenie czujnika:</translation>
    </message>
    <message>
        <source>Set Range:</source>
        <translation>Ustawiony zakres:</translation>
    </message>
    <message>
        <source>Communication Parameters:</source>
        <translation>Parametry komunikacji:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>BaudRate:</source>
        <translation>Prędkość:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parzystość:</translation>
    </message>
    <message>
        <source>Text Note:</source>
        <translation>Uwaga tekstowa:</translation>
    </message>
    <message>
        <source>Configuration Security:</source>
        <translation>Zabezpieczenie konfiguracji:</translation>
    </message>
    <message>
        <source>Change of the Configuration by the Set-up Unit is disallowed</source>
        <translation>Zmiana konfiguracji z poziomu zadajnika jest zablokowana</translation>
    </message>
    <message>
        <source>Change of the Configuration by the Set-up Unit is allowed</source>
        <translation>Zmiana konfiguracji z poziomu zadajnika jest dozwolona</translation>
    </message>
    <message>
        <source>None Decimal Place</source>
        <translation>Bez miejsc po przecinku</translation>
    </message>
    <message>
        <source>1 Decimal Place</source>
        <translation>1 miejsce po przecinku</translation>
    </message>
    <message>
        <source>2 Decimal Places</source>
        <translation>2 miejsca po przecinku</translation>
    </message>
    <message>
        <source>Points for Approximation:</source>
        <translation>Punkty do aproksymacji:</translation>
    </message>
    <message>
        <source>No Points</source>
        <translation>Brak punktów</translation>
    </message>
    <message>
        <source> Transmitter Linearization Parameters </source>
        <translation> Parametry linearyzacji przetwornika </translation>
    </message>
    <message>
        <source>Linear Table</source>
        <translation>Tabela linearyzacji</translation>
    </message>
    <message>
        <source>Start of X:</source>
        <translation>Początek X:</translation>
    </message>
    <message>
        <source>End of X:</source>
        <translation>Koniec X:</translation>
    </message>
    <message>
        <source>Start of Y:</source>
        <translation>Początek Y:</translation>
    </message>
    <message>
        <source>End of Y:</source>
        <translation>Koniec Y:</translation>
    </message>
    <message>
        <source>Display Configuration:</source>
        <translation>Konfiguracja wyświetlacza:</translation>
    </message>
    <message>
        <source>Cold Junction Compensation</source>
        <translation>Kompensacja spoiny odniesienia</translation>
    </message>
    <message>
        <source>Unit of X-Values:</source>
        <translation>Jednostka wartości X:</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>Drukowanie nie powiodło się.</translation>
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
        <translation>Maksymalny błąd aproksymacji jest w punkcie </translation>
    </message>
    <message>
        <source>Minimum error of approximation is at point </source>
        <translation>Minimalny błąd aproksymacji jest w punkcie </translation>
    </message>
    <message>
        <source>Approximation Graph</source>
        <translation>Wykres aproksymacji</translation>
    </message>
    <message>
        <source>Approximation Error Graph</source>
        <translation>Wykres błędu aproksymacji</translation>
    </message>
    <message>
        <source> Approximation Graph</source>
        <translation> Wykres aproksymacji</translation>
    </message>
    <message>
        <source> Approximation Error Graph</source>
        <translation> Wykres błędu aproksymacji</translation>
    </message>
</context>
<context>
    <name>lmk17::HelpViewer</name>
    <message>
        <source>LMK-17 Help</source>
        <translation>Pomoc LMK-17</translation>
    </message>
    <message>
        <source>Type the keyword to find</source>
        <translation>Wpisz szukane słowo kluczowe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>The help was not found. Looked for the folder %1.</source>
        <translation>Nie znaleziono pomocy. Szukano katalogu %1.</translation>
    </message>
</context>
<context>
    <name>lmk17::LinEditor</name>
    <message>
        <source>Attention! There were changes in the table of points for linearization but approximation process was not carried out. In this case linearization may content wrong data. We recommend doing approximation of the linearization again. Do you want to approximate now?</source>
        <translation>Uwaga! W tabeli punktów linearyzacji wprowadzono zmiany, ale nie wykonano aproksymacji. Linearyzacja może więc zawierać błędne dane. Zalecamy ponowną aproksymację linearyzacji. Czy aproksymować teraz?</translation>
    </message>
    <message>
        <source>Attention! There were changes in the table of points for CJ compensation but approximation process was not carried out. In this case CJ compensation may content wrong data. We recommend doing approximation of the CJ compensation again. Do you want to approximate now?</source>
        <translation>Uwaga! W tabeli punktów kompensacji spoiny odniesienia wprowadzono zmiany, ale nie wykonano aproksymacji. Kompensacja spoiny odniesienia może więc zawierać błędne dane. Zalecamy ponowną aproksymację kompensacji. Czy aproksymować teraz?</translation>
    </message>
    <message>
        <source>Attention! There were changes in the &apos;Sensor Specific Constants&apos; section but approximation process was not carried out. In this case linearization may content wrong data. We recommend doing approximation of the linearization again. Do you want to approximate now?</source>
        <translation>Uwaga! W sekcji &apos;Stałe charakterystyczne czujnika&apos; wprowadzono zmiany, ale nie wykonano aproksymacji. Linearyzacja może więc zawierać błędne dane. Zalecamy ponowną aproksymację linearyzacji. Czy aproksymować teraz?</translation>
    </message>
    <message>
        <source>Attention! Range of Y-values is out of display range! We recommend changing the display configuration or changing linearization. Do you want to configure parameters now?</source>
        <translation>Uwaga! Zakres wartości Y wykracza poza zakres wyświetlacza! Zalecamy zmianę konfiguracji wyświetlacza lub linearyzacji. Czy ustawić parametry teraz?</translation>
    </message>
    <message>
        <source>Changes were not saved. Do you want to save parameters to file now?</source>
        <translation>Zmiany nie zostały zapisane. Czy zapisać teraz parametry do pliku?</translation>
    </message>
    <message>
        <source>Changes were not saved. Parameters will be erased. Do you really want to close the window?</source>
        <translation>Zmiany nie zostały zapisane. Parametry zostaną utracone. Czy na pewno zamknąć okno?</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Nieprawidłowy format wartości: </translation>
    </message>
    <message>
        <source>linearization table</source>
        <translation>tabela linearyzacji</translation>
    </message>
    <message>
        <source>CJ Compensation polynomial</source>
        <translation>wielomian kompensacji spoiny odniesienia</translation>
    </message>
    <message>
        <source>Cannot add point to the table, table is full.</source>
        <translation>Nie można dodać punktu, tabela jest pełna.</translation>
    </message>
</context>
<context>
    <name>lmk17::PrintController</name>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>&amp;Eksportuj do PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Eksportuj do PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed, cannot continue.</source>
        <translation>Nie zainstalowano żadnej drukarki, nie można kontynuować.</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>Drukowanie nie powiodło się.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Nie ustawiono żadnej konfiguracji przetwornika.</translation>
    </message>
    <message>
        <source>Transmitter Configuration Protocol</source>
        <translation>Protokół konfiguracji przetwornika</translation>
    </message>
    <message>
        <source>Transmitter Linearization Parameters</source>
        <translation>Parametry linearyzacji przetwornika</translation>
    </message>
    <message>
        <source>Use “%1” in the File menu to save the protocol as a PDF file instead.</source>
        <translation>Użyj polecenia „%1” w menu Plik, aby zamiast tego zapisać protokół jako plik PDF.</translation>
    </message>
</context>
<context>
    <name>lmk17::TAdresaForm</name>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Prędkość transmisji</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parzystość</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>lmk17::TGraphForm</name>
    <message>
        <source>Graph Scale:</source>
        <translation>Skala wykresu:</translation>
    </message>
    <message>
        <source>X Axis:</source>
        <translation>Oś X:</translation>
    </message>
    <message>
        <source>Y Axis:</source>
        <translation>Oś Y:</translation>
    </message>
    <message>
        <source>Approximation Error:</source>
        <translation>Błąd aproksymacji:</translation>
    </message>
    <message>
        <source> By clicking on value you can display coordinates of point, where this error was found. </source>
        <translation> Kliknięcie wartości pokazuje współrzędne punktu, w którym wystąpił ten błąd. </translation>
    </message>
    <message>
        <source>Approximation Error Graph</source>
        <translation>Wykres błędu aproksymacji</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
</context>
<context>
    <name>lmk17::TInfoPage</name>
    <message>
        <source>Transmitter</source>
        <translation>Przetwornik</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Producent:</translation>
    </message>
    <message>
        <source>Transmitter Type:</source>
        <translation>Typ przetwornika:</translation>
    </message>
    <message>
        <source>Date of Manufacturing:</source>
        <translation>Data produkcji:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Numer seryjny:</translation>
    </message>
    <message>
        <source>Date of Last Change:</source>
        <translation>Data ostatniej zmiany:</translation>
    </message>
    <message>
        <source>Working Time:</source>
        <translation>Czas pracy:</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Obudowa</translation>
    </message>
    <message>
        <source>Picture not Available</source>
        <translation>Obraz niedostępny</translation>
    </message>
</context>
<context>
    <name>lmk17::TInputPage</name>
    <message>
        <source>Input Range and Connection</source>
        <translation>Zakres wejściowy i podłączenie</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klient</translation>
    </message>
    <message>
        <source>Linearization</source>
        <translation>Linearyzacja</translation>
    </message>
    <message>
        <source>Input Range:</source>
        <translation>Zakres wejściowy:</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Podłączenie:</translation>
    </message>
    <message>
        <source>Measuring Range</source>
        <translation>Zakres pomiarowy</translation>
    </message>
    <message>
        <source>Lower Range Value:</source>
        <translation>Początek zakresu:</translation>
    </message>
    <message>
        <source>Upper Range Value:</source>
        <translation>Koniec zakresu:</translation>
    </message>
    <message>
        <source>Correction at Lower Range Value:</source>
        <translation>Korekcja na początku zakresu:</translation>
    </message>
    <message>
        <source>Correction at Upper Range Value:</source>
        <translation>Korekcja na końcu zakresu:</translation>
    </message>
    <message>
        <source>Lead Resistance</source>
        <translation>Rezystancja przewodów</translation>
    </message>
    <message>
        <source>Resistance:</source>
        <translation>Rezystancja:</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Sensor 1:</source>
        <translation>Czujnik 1:</translation>
    </message>
    <message>
        <source>Sensor 2:</source>
        <translation>Czujnik 2:</translation>
    </message>
    <message>
        <source>Cold Junction Compensation</source>
        <translation>Kompensacja spoiny odniesienia</translation>
    </message>
    <message>
        <source>CJ Temperature:</source>
        <translation>Temperatura spoiny odniesienia:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Damping and Error Current</source>
        <translation>Tłumienie i prąd błędu</translation>
    </message>
    <message>
        <source>Damping:</source>
        <translation>Tłumienie:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Low Output</source>
        <translation>Wyjście dolne</translation>
    </message>
    <message>
        <source>High Output</source>
        <translation>Wyjście górne</translation>
    </message>
    <message>
        <source>Error Current:</source>
        <translation>Prąd błędu:</translation>
    </message>
    <message>
        <source>Limit Comparators</source>
        <translation>Komparatory progowe</translation>
    </message>
    <message>
        <source>Limit Comparator %1</source>
        <translation>Komparator progowy %1</translation>
    </message>
    <message>
        <source>Switching Level:</source>
        <translation>Próg przełączania:</translation>
    </message>
    <message>
        <source>Hysteresis:</source>
        <translation>Histereza:</translation>
    </message>
    <message>
        <source> Normal</source>
        <translation> Normalny</translation>
    </message>
    <message>
        <source> Reverse</source>
        <translation> Odwrotny</translation>
    </message>
    <message>
        <source>Switching Mode:</source>
        <translation>Tryb przełączania:</translation>
    </message>
    <message>
        <source>Indicate by Error Current</source>
        <translation>Sygnalizuj prądem błędu</translation>
    </message>
    <message>
        <source>State on Error:</source>
        <translation>Stan przy błędzie:</translation>
    </message>
    <message>
        <source> Switch Off</source>
        <translation> Wyłącz</translation>
    </message>
    <message>
        <source> Switch On</source>
        <translation> Włącz</translation>
    </message>
    <message>
        <source>Transmitter Error:</source>
        <translation>Błąd przetwornika:</translation>
    </message>
    <message>
        <source>By Relay 1 On</source>
        <translation>Załączeniem przekaźnika 1</translation>
    </message>
    <message>
        <source>By Relay 2 On</source>
        <translation>Załączeniem przekaźnika 2</translation>
    </message>
    <message>
        <source>Input Filter</source>
        <translation>Filtr wejściowy</translation>
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
        <translation>Zablokuj zmianę konfiguracji przetwornika przez zadajnik</translation>
    </message>
    <message>
        <source>User Note:</source>
        <translation>Notatka użytkownika:</translation>
    </message>
    <message>
        <source> Linearization and Cold Junction Compensation Setup </source>
        <translation> Ustawienia linearyzacji i kompensacji spoiny odniesienia </translation>
    </message>
    <message>
        <source> Limit comparator 1 switching polarity. </source>
        <translation> Polaryzacja przełączania komparatora progowego 1. </translation>
    </message>
    <message>
        <source> Limit comparator 2 switching polarity. </source>
        <translation> Polaryzacja przełączania komparatora progowego 2. </translation>
    </message>
</context>
<context>
    <name>lmk17::TLinearForm</name>
    <message>
        <source>Linearization and Cold Junction Compensation</source>
        <translation>Linearyzacja i kompensacja spoiny odniesienia</translation>
    </message>
    <message>
        <source> Linearization </source>
        <translation> Linearyzacja </translation>
    </message>
    <message>
        <source>Cold Junction Compensation</source>
        <translation>Kompensacja spoiny odniesienia</translation>
    </message>
    <message>
        <source>Sensor Specific Characterization</source>
        <translation>Charakterystyka czujnika</translation>
    </message>
    <message>
        <source> Linearization - detail </source>
        <translation> Linearyzacja - szczegóły </translation>
    </message>
    <message numerus="yes">
        <source>%n pasted row(s) did not fit into the table and were left out.</source>
        <translation>
            <numerusform>%n wklejonych wierszy nie zmieściło się w tabeli i zostało pominiętych.</numerusform>
            <numerusform>%n wklejonych wierszy nie zmieściło się w tabeli i zostało pominiętych.</numerusform>
            <numerusform>%n wklejonych wierszy nie zmieściło się w tabeli i zostało pominiętych.</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you really want to clear the table of linearization points?</source>
        <translation>Czy na pewno wyczyścić tabelę punktów linearyzacji?</translation>
    </message>
    <message>
        <source>Do you really want to clear the table of cold junction compensation points</source>
        <translation>Czy na pewno wyczyścić tabelę punktów kompensacji spoiny odniesienia</translation>
    </message>
    <message>
        <source> Linearization Graph</source>
        <translation> Wykres linearyzacji</translation>
    </message>
    <message>
        <source> Cold Junction Compensation Graph</source>
        <translation> Wykres kompensacji spoiny odniesienia</translation>
    </message>
    <message>
        <source>&amp;Add Coordinates to the Table</source>
        <translation>&amp;Dodaj współrzędne do tabeli</translation>
    </message>
    <message>
        <source>&amp;Copy Graph to the Clipboard</source>
        <translation>&amp;Kopiuj wykres do schowka</translation>
    </message>
    <message>
        <source>&amp;Save the Linearization Parameters</source>
        <translation>&amp;Zapisz parametry linearyzacji</translation>
    </message>
    <message>
        <source>&amp;Load the Linearization Parameters</source>
        <translation>&amp;Wczytaj parametry linearyzacji</translation>
    </message>
    <message>
        <source>Linearization Files (*.lin *.LIN)</source>
        <translation>Pliki linearyzacji (*.lin *.LIN)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>&amp;Ustawienia drukarki</translation>
    </message>
    <message>
        <source>&amp;Print the Linearization Parameters</source>
        <translation>&amp;Drukuj parametry linearyzacji</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>Edit the &amp;Linear Table</source>
        <translation>Edytuj tabelę &amp;linearyzacji</translation>
    </message>
    <message>
        <source>Edit the Cold &amp;Junction Compensation</source>
        <translation>Edytuj &amp;kompensację spoiny odniesienia</translation>
    </message>
    <message>
        <source>Edit the &amp;Sensor-Specific Characterization</source>
        <translation>Edytuj &amp;charakterystykę czujnika</translation>
    </message>
    <message>
        <source>&amp;Clear the Table for Linearization</source>
        <translation>&amp;Wyczyść tabelę linearyzacji</translation>
    </message>
    <message>
        <source>Clear the Table for Cold Junction C&amp;ompensation</source>
        <translation>Wyczyść tabelę kompensacji spoiny &amp;odniesienia</translation>
    </message>
    <message>
        <source>Set &amp;Default Linearization</source>
        <translation>Ustaw linearyzację &amp;domyślną</translation>
    </message>
    <message>
        <source>Set Default Linearization &amp;and CJ Compensation</source>
        <translation>Ustaw linearyzację &amp;i kompensację SO domyślną</translation>
    </message>
    <message>
        <source>&amp;Approximation</source>
        <translation>&amp;Aproksymacja</translation>
    </message>
    <message>
        <source>&amp;Linearization</source>
        <translation>&amp;Linearyzacja</translation>
    </message>
    <message>
        <source>&amp;Cold Junction Compensation</source>
        <translation>&amp;Kompensacja spoiny odniesienia</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Wykres</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indeks</translation>
    </message>
    <message>
        <source>Start of X :</source>
        <translation>Początek X :</translation>
    </message>
    <message>
        <source>End of X :</source>
        <translation>Koniec X :</translation>
    </message>
    <message>
        <source>Start of Y :</source>
        <translation>Początek Y :</translation>
    </message>
    <message>
        <source>End of Y :</source>
        <translation>Koniec Y :</translation>
    </message>
    <message>
        <source>Units of  X : </source>
        <translation>Jednostki X : </translation>
    </message>
    <message>
        <source>Units of Y :</source>
        <translation>Jednostki Y :</translation>
    </message>
    <message>
        <source>Display Configuration</source>
        <translation>Konfiguracja wyświetlacza</translation>
    </message>
    <message>
        <source> None Decimal Place</source>
        <translation> Bez miejsc po przecinku</translation>
    </message>
    <message>
        <source> 1 Decimal Place</source>
        <translation> 1 miejsce po przecinku</translation>
    </message>
    <message>
        <source> 2 Decimal Places</source>
        <translation> 2 miejsca po przecinku</translation>
    </message>
    <message>
        <source>Linearization Approximation</source>
        <translation>Aproksymacja linearyzacji</translation>
    </message>
    <message>
        <source>Clear Table</source>
        <translation>Wyczyść tabelę</translation>
    </message>
    <message>
        <source>Units of the X-Values: </source>
        <translation>Jednostki wartości X: </translation>
    </message>
    <message>
        <source>CJ Compensation Approximate</source>
        <translation>Aproksymuj kompensację SO</translation>
    </message>
    <message>
        <source>Default Constants (IEC 751/A2)</source>
        <translation>Stałe domyślne (IEC 751/A2)</translation>
    </message>
    <message>
        <source>for -200 °C to 0 °C:</source>
        <translation>dla -200 °C do 0 °C:</translation>
    </message>
    <message>
        <source>Rt = R0 * [1 + A*t + B*t^2 + C*( t- 100°C )*t^3] </source>
        <translation>Rt = R0 * [1 + A*t + B*t^2 + C*( t- 100°C )*t^3] </translation>
    </message>
    <message>
        <source>for 0 °C to 850 °C:</source>
        <translation>dla 0 °C do 850 °C:</translation>
    </message>
    <message>
        <source>Rt = R0 * (1 + A*t + B*t^2)</source>
        <translation>Rt = R0 * (1 + A*t + B*t^2)</translation>
    </message>
    <message>
        <source>Sensor-Specific Constants according to IEC 751/A2 </source>
        <translation>Stałe charakterystyczne czujnika według IEC 751/A2 </translation>
    </message>
    <message>
        <source>Resistance at Temperature 0°C:</source>
        <translation>Rezystancja w temperaturze 0°C:</translation>
    </message>
    <message>
        <source>Resistance at Temperature T1:</source>
        <translation>Rezystancja w temperaturze T1:</translation>
    </message>
    <message>
        <source>One-Point Calibration according to IEC 751/A2 </source>
        <translation>Kalibracja jednopunktowa według IEC 751/A2 </translation>
    </message>
    <message>
        <source>Calculate Linearization according to Constants</source>
        <translation>Oblicz linearyzację według stałych</translation>
    </message>
    <message>
        <source>&amp;Export the Linearization Parameters as PDF…</source>
        <translation>&amp;Eksportuj parametry linearyzacji do PDF…</translation>
    </message>
    <message>
        <source>Load the Linearization Parameters</source>
        <translation>Wczytaj parametry linearyzacji</translation>
    </message>
    <message>
        <source>Save the Linearization Parameters</source>
        <translation>Zapisz parametry linearyzacji</translation>
    </message>
</context>
<context>
    <name>lmk17::TMainForm</name>
    <message>
        <source>&amp;Load Configuration</source>
        <translation>&amp;Wczytaj konfigurację</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>&amp;Zapisz konfigurację</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>&amp;Ustawienia drukarki</translation>
    </message>
    <message>
        <source>&amp;Print Configuration</source>
        <translation>&amp;Drukuj konfigurację</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>&amp;Odczytaj konfigurację</translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation>&amp;Wyślij konfigurację do przetwornika</translation>
    </message>
    <message>
        <source>Set &amp;Default Configuration</source>
        <translation>Ustaw konfigurację &amp;domyślną</translation>
    </message>
    <message>
        <source>View &amp;Ordering Code</source>
        <translation>Pokaż &amp;kod zamówieniowy</translation>
    </message>
    <message>
        <source>Read Wor&amp;king Time</source>
        <translation>Odczytaj &amp;czas pracy</translation>
    </message>
    <message>
        <source>Read &amp;Primary Variable Value</source>
        <translation>Odczytaj wartość wielkości &amp;mierzonej</translation>
    </message>
    <message>
        <source>Read Cold &amp;Junction Temperature</source>
        <translation>Odczytaj temperaturę spoi&amp;ny odniesienia</translation>
    </message>
    <message>
        <source>Monitoring &amp;START</source>
        <translation>Monitorowanie &amp;START</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Monitoring S&amp;TOP</source>
        <translation>Monitorowanie S&amp;TOP</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>View the Monitoring &amp;Graph</source>
        <translation>Pokaż wykr&amp;es monitorowania</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Monitoring P&amp;arameters</source>
        <translation>P&amp;arametry monitorowania</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Wejście</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>Wy&amp;jście</translation>
    </message>
    <message>
        <source>I&amp;nformation</source>
        <translation>&amp;Informacje</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>&amp;Monitoring</source>
        <translation>&amp;Monitorowanie</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indeks</translation>
    </message>
    <message>
        <source>Ctrl+F1</source>
        <translation>Ctrl+F1</translation>
    </message>
    <message>
        <source>Browse &amp;WWW site</source>
        <translation>Odwiedź stronę &amp;WWW</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;O programie ...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Transmitter</source>
        <translation>P&amp;rzetwornik</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Wejście</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Narzędzia</translation>
    </message>
    <message>
        <source>Monitoring</source>
        <translation>Monitorowanie</translation>
    </message>
    <message>
        <source>  Transmitter </source>
        <translation>  Przetwornik </translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Komunikacja</translation>
    </message>
    <message>
        <source>       File </source>
        <translation>       Plik </translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>       Printer </source>
        <translation>       Drukarka </translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source> View Window About Application </source>
        <translation> Pokaż okno O programie </translation>
    </message>
    <message>
        <source> Read Configuration from Transmitter </source>
        <translation> Odczytaj konfigurację z przetwornika </translation>
    </message>
    <message>
        <source> Write Configuration to Transmitter </source>
        <translation> Wyślij konfigurację do przetwornika </translation>
    </message>
    <message>
        <source> Load Configuration from File </source>
        <translation> Wczytaj konfigurację z pliku </translation>
    </message>
    <message>
        <source> Save Configuration to File </source>
        <translation> Zapisz konfigurację do pliku </translation>
    </message>
    <message>
        <source> Select Printer and Printer Setup </source>
        <translation> Wybór i ustawienia drukarki </translation>
    </message>
    <message>
        <source> Print Configuration </source>
        <translation> Drukuj konfigurację </translation>
    </message>
    <message>
        <source> Transmitter Communication Parameters Setup </source>
        <translation> Ustawienie parametrów komunikacji przetwornika </translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Zapisz konfigurację</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Wczytaj konfigurację</translation>
    </message>
    <message>
        <source>Configuration Files (*.ptf *.PTF)</source>
        <translation>Pliki konfiguracji (*.ptf *.PTF)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source> Save the configuration protocol as a PDF file </source>
        <translation> Zapisz protokół konfiguracji jako plik PDF </translation>
    </message>
    <message>
        <source>&amp;Line Traffic</source>
        <translation>&amp;Ruch na linii</translation>
    </message>
    <message>
        <source>&amp;Compare with File…</source>
        <translation>&amp;Porównaj z plikiem…</translation>
    </message>
    <message>
        <source>&amp;Compare with Transmitter</source>
        <translation>&amp;Porównaj z przetwornikiem</translation>
    </message>
    <message>
        <source>&amp;Restore from Backup…</source>
        <translation>P&amp;rzywróć z kopii zapasowej…</translation>
    </message>
    <message>
        <source>&amp;Backups and Writing…</source>
        <translation>&amp;Kopie zapasowe i zapis…</translation>
    </message>
    <message>
        <source>Write to Se&amp;veral Transmitters…</source>
        <translation>&amp;Zapis do kilku przetworników…</translation>
    </message>
</context>
<context>
    <name>lmk17::TMonGraphForm</name>
    <message>
        <source> Monitoring Graph</source>
        <translation> Wykres monitorowania</translation>
    </message>
    <message>
        <source>&amp;Copy Graph to the Clipboard</source>
        <translation>&amp;Kopiuj wykres do schowka</translation>
    </message>
    <message>
        <source>Show / Hide &amp;Grids</source>
        <translation>Pokaż / ukryj &amp;siatkę</translation>
    </message>
    <message>
        <source>C&amp;lear the Graph</source>
        <translation>&amp;Wyczyść wykres</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Resetuj powiększenie</translation>
    </message>
    <message>
        <source>&amp;Save Graph as PNG...</source>
        <translation>&amp;Zapisz wykres jako PNG...</translation>
    </message>
    <message>
        <source>&amp;Export Points as CSV...</source>
        <translation>&amp;Eksportuj punkty jako CSV...</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>Adres %1</translation>
    </message>
    <message>
        <source>Do you really want to erase the graph?</source>
        <translation>Czy na pewno wyczyścić wykres?</translation>
    </message>
    <message>
        <source>The graph could not be saved as &quot;%1&quot;.</source>
        <translation>Nie można zapisać wykresu jako „%1”.</translation>
    </message>
    <message>
        <source>The points could not be exported to &quot;%1&quot;: %2</source>
        <translation>Nie można wyeksportować punktów do „%1”: %2</translation>
    </message>
    <message>
        <source>Save Graph as PNG</source>
        <translation>Zapisz wykres jako PNG</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Obrazy PNG (*.png)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Export Points as CSV</source>
        <translation>Eksportuj punkty jako CSV</translation>
    </message>
    <message>
        <source>CSV, comma separated (*.csv)</source>
        <translation>CSV, rozdzielany przecinkami (*.csv)</translation>
    </message>
    <message>
        <source>CSV, semicolon separated, decimal comma (*.csv)</source>
        <translation>CSV, rozdzielany średnikami, przecinek dziesiętny (*.csv)</translation>
    </message>
</context>
<context>
    <name>lmk17::TMonParForm</name>
    <message>
        <source> Monitoring Parameters</source>
        <translation> Parametry monitorowania</translation>
    </message>
    <message>
        <source>Time Interval [s]:</source>
        <translation>Odstęp czasu [s]:</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Graph of the PV Value History:</source>
        <translation>Wykres historii wartości PV:</translation>
    </message>
    <message>
        <source> None</source>
        <translation> Brak</translation>
    </message>
    <message>
        <source> Cross</source>
        <translation> Krzyżyk</translation>
    </message>
    <message>
        <source> Solid Circle</source>
        <translation> Pełne koło</translation>
    </message>
    <message>
        <source> Solid Square</source>
        <translation> Pełny kwadrat</translation>
    </message>
    <message>
        <source> Small Solid Circle</source>
        <translation> Małe pełne koło</translation>
    </message>
    <message>
        <source> Small Solid Square</source>
        <translation> Mały pełny kwadrat</translation>
    </message>
    <message>
        <source>Graph Point Symbols:</source>
        <translation>Symbole punktów wykresu:</translation>
    </message>
    <message>
        <source>Log Format :</source>
        <translation>Format dziennika :</translation>
    </message>
    <message>
        <source> &apos; , &apos; - Dash</source>
        <translation> &apos; , &apos; - przecinek</translation>
    </message>
    <message>
        <source> &apos; . &apos; - Dot </source>
        <translation> &apos; . &apos; - kropka </translation>
    </message>
    <message>
        <source>Decimal Separator:</source>
        <translation>Separator dziesiętny:</translation>
    </message>
    <message>
        <source>Number of Significant Places of the PV:</source>
        <translation>Liczba cyfr znaczących PV:</translation>
    </message>
    <message>
        <source>Write all Records</source>
        <translation>Zapisuj wszystkie rekordy</translation>
    </message>
    <message>
        <source>Write when:</source>
        <translation>Zapisuj, gdy:</translation>
    </message>
    <message>
        <source>Change of the PV Value i more than [%] :</source>
        <translation>zmiana wartości PV jest większa niż [%] :</translation>
    </message>
    <message>
        <source>Transmitter is in Error State</source>
        <translation>przetwornik jest w stanie błędu</translation>
    </message>
    <message>
        <source>Communication Error appears</source>
        <translation>wystąpi błąd komunikacji</translation>
    </message>
    <message>
        <source>With Time Period  [sec] :</source>
        <translation>Z okresem  [sec] :</translation>
    </message>
    <message>
        <source>Monitor the Transmitter:</source>
        <translation>Monitoruj przetwornik:</translation>
    </message>
    <message>
        <source>with the Address</source>
        <translation>o adresie</translation>
    </message>
    <message>
        <source>e.g. 0,3,5-7</source>
        <translation>np. 0,3,5-7</translation>
    </message>
    <message>
        <source>Several transmitters on one line, polled in turn each cycle (up to 32 addresses). Empty: the one address above.</source>
        <translation>Kilka przetworników na jednej linii, odpytywanych kolejno w każdym cyklu (do 32 adresów). Puste: tylko adres powyżej.</translation>
    </message>
    <message>
        <source>or the Addresses:</source>
        <translation>lub adresy:</translation>
    </message>
    <message>
        <source>Write Records to the Log File :</source>
        <translation>Zapisuj rekordy do pliku dziennika :</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Dopisz</translation>
    </message>
    <message>
        <source>Rewrite</source>
        <translation>Nadpisz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: %2</source>
        <translation>Nie można użyć listy adresów „%1”: %2</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>Plik dziennika</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
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
        <translation>Kodowanie dziennika tekstowego:</translation>
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
        <translation>Pokaż wykres</translation>
    </message>
    <message>
        <source>Clear Log </source>
        <translation>Wyczyść dziennik </translation>
    </message>
    <message>
        <source>The communication port was lost; trying to open it again every 2 s.</source>
        <translation>Utracono port komunikacyjny; ponowna próba otwarcia co 2 s.</translation>
    </message>
    <message>
        <source>Reading the transmitter</source>
        <translation>Odczyt przetwornika</translation>
    </message>
    <message>
        <source>Log not written</source>
        <translation>Dziennik nie jest zapisywany</translation>
    </message>
    <message>
        <source>The lines of the monitoring log are not reaching the log file; they are counted, and the log says how many when writing resumes.</source>
        <translation>Wiersze dziennika monitorowania nie trafiają do pliku dziennika; są liczone, a dziennik poda ich liczbę, gdy zapis zostanie wznowiony.</translation>
    </message>
    <message>
        <source>Monitoring activity</source>
        <translation>Aktywność monitorowania</translation>
    </message>
    <message>
        <source>Monitoring activity: green while the transmitter is being read, red when the communication port is lost</source>
        <translation>Aktywność monitorowania: zielony podczas odczytu przetwornika, czerwony po utracie portu komunikacyjnego</translation>
    </message>
</context>
<context>
    <name>lmk17::TOutRangePicture</name>
    <message>
        <source>limit</source>
        <translation>granica</translation>
    </message>
    <message>
        <source>error</source>
        <translation>błąd</translation>
    </message>
    <message>
        <source>Lower Range Value</source>
        <translation>Początek zakresu</translation>
    </message>
    <message>
        <source>Upper Range Value</source>
        <translation>Koniec zakresu</translation>
    </message>
</context>
<context>
    <name>lmk17::TOutputPage</name>
    <message>
        <source>Output Range</source>
        <translation>Zakres wyjściowy</translation>
    </message>
    <message>
        <source>Output Type:</source>
        <translation>Typ wyjścia:</translation>
    </message>
    <message>
        <source>Output Limits and Error Outputs</source>
        <translation>Granice wyjścia i wyjścia błędu</translation>
    </message>
    <message>
        <source>Lower Output Range:</source>
        <translation>Początek zakresu wyjściowego:</translation>
    </message>
    <message>
        <source>Upper Output Range:</source>
        <translation>Koniec zakresu wyjściowego:</translation>
    </message>
    <message>
        <source>Lower Output Limit:</source>
        <translation>Dolna granica wyjścia:</translation>
    </message>
    <message>
        <source>Upper Output Limit:</source>
        <translation>Górna granica wyjścia:</translation>
    </message>
    <message>
        <source>Lower Error Output:</source>
        <translation>Dolne wyjście błędu:</translation>
    </message>
    <message>
        <source>Upper Error Output:</source>
        <translation>Górne wyjście błędu:</translation>
    </message>
    <message>
        <source>Default Parameters</source>
        <translation>Parametry domyślne</translation>
    </message>
</context>
<context>
    <name>lmk17::TPodpisForm</name>
    <message>
        <source>  Sign and Note</source>
        <translation>  Podpis i uwaga</translation>
    </message>
    <message>
        <source>&amp;Configured by :</source>
        <translation>&amp;Skonfigurował :</translation>
    </message>
    <message>
        <source>&amp;Note :</source>
        <translation>&amp;Uwaga :</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>lmk17::TSettingsForm</name>
    <message>
        <source>Baud Rate</source>
        <translation>Prędkość transmisji</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parzystość</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source> Pick a serial port, or type the path of a device (e.g. a terminal of lmk17-sim) and press Enter </source>
        <translation> Wybierz port szeregowy lub wpisz ścieżkę urządzenia (np. terminal lmk17-sim) i naciśnij Enter </translation>
    </message>
    <message>
        <source>Serial Port:</source>
        <translation>Port szeregowy:</translation>
    </message>
    <message>
        <source>Transmitter (DA):</source>
        <translation>Przetwornik (DA):</translation>
    </message>
    <message>
        <source>PC (SA):</source>
        <translation>PC (SA):</translation>
    </message>
    <message>
        <source>%1: no such device.</source>
        <translation>%1: brak takiego urządzenia.</translation>
    </message>
    <message>
        <source>LMK-17</source>
        <translation>LMK-17</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Język:</translation>
    </message>
    <message>
        <source>&amp;Search…</source>
        <translation>&amp;Szukaj…</translation>
    </message>
    <message>
        <source> Find the transmitters on the line whatever their address, baud rate and parity </source>
        <translation> Znajduje przetworniki na linii niezależnie od ich adresu, prędkości i parzystości </translation>
    </message>
</context>
<context>
    <name>lmk17::TToolsPage</name>
    <message>
        <source>  Primary Variable and Output  </source>
        <translation>  Zmienna pierwotna i wyjście  </translation>
    </message>
    <message>
        <source>  Cold Junction Temperature  </source>
        <translation>  Temperatura spoiny odniesienia  </translation>
    </message>
    <message>
        <source>Read from Transmitter</source>
        <translation>Odczytaj z przetwornika</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>  Working Time  </source>
        <translation>  Czas pracy  </translation>
    </message>
    <message>
        <source>Refresh Working Time</source>
        <translation>Odśwież czas pracy</translation>
    </message>
    <message>
        <source>Interval Reading, with Time Interval [s] :</source>
        <translation>Odczyt cykliczny, z odstępem czasu [s] :</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Wyjście:</translation>
    </message>
    <message>
        <source>  &amp;Output Testing  </source>
        <translation>  &amp;Testowanie wyjścia  </translation>
    </message>
    <message>
        <source>Output Value %1:</source>
        <translation>Wartość wyjścia %1:</translation>
    </message>
    <message>
        <source>Output Current Value 1-3 Automatic Setting, with Time Interval [s] :</source>
        <translation>Automatyczne ustawianie prądu wyjściowego 1-3, z odstępem czasu [s] :</translation>
    </message>
    <message>
        <source>Exit Testing</source>
        <translation>Zakończ testowanie</translation>
    </message>
    <message>
        <source>Output Value %1</source>
        <translation>Wartość wyjściowa %1</translation>
    </message>
    <message>
        <source>Automatic Setting, Time Interval [s]</source>
        <translation>Ustawianie automatyczne, odstęp czasu [s]</translation>
    </message>
    <message>
        <source>Interval Reading, Time Interval [s]</source>
        <translation>Odczyt cykliczny, odstęp czasu [s]</translation>
    </message>
</context>
<context>
    <name>HousingDrawing</name>
    <message>
        <source>input 1–4</source>
        <translation>wejście 1–4</translation>
    </message>
    <message>
        <source>output and relays</source>
        <translation>wyjście i przekaźniki</translation>
    </message>
    <message>
        <source>output</source>
        <translation>wyjście</translation>
    </message>
    <message>
        <source>sensor head mount</source>
        <translation>montaż w głowicy czujnika</translation>
    </message>
</context>
<context>
    <name>lmk17::TColorSchemeMenu</name>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Kolory</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Jasne</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Ciemne</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Systemowe</translation>
    </message>
</context>
<context>
    <name>lmk17::TLineTrafficForm</name>
    <message>
        <source>Line Traffic</source>
        <translation>Ruch na linii</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Czas (ms)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Kierunek</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bajty</translation>
    </message>
    <message>
        <source>Decoded</source>
        <translation>Zdekodowane</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ocena</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Save as Text…</source>
        <translation>Zapisz jako tekst…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Frames on the line</source>
        <translation>Ramki na linii</translation>
    </message>
    <message>
        <source> Stop the list while the line goes on; the frames are kept </source>
        <translation> Zatrzymuje listę, linia działa dalej; ramki są zachowywane </translation>
    </message>
    <message>
        <source> Copy the selected lines, or all listed lines when none is selected </source>
        <translation> Kopiuje zaznaczone wiersze lub wszystkie wyświetlone, gdy żaden nie jest zaznaczony </translation>
    </message>
    <message>
        <source>Filter by address</source>
        <translation>Filtruj według adresu</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Wszystkie adresy</translation>
    </message>
    <message>
        <source>Filter by parameter</source>
        <translation>Filtruj według parametru</translation>
    </message>
    <message>
        <source>All parameters</source>
        <translation>Wszystkie parametry</translation>
    </message>
    <message>
        <source>Filter by verdict</source>
        <translation>Filtruj według oceny</translation>
    </message>
    <message>
        <source>All verdicts</source>
        <translation>Wszystkie oceny</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adres:</translation>
    </message>
    <message>
        <source>P&amp;arameter:</source>
        <translation>P&amp;arametr:</translation>
    </message>
    <message>
        <source>&amp;Verdict:</source>
        <translation>&amp;Ocena:</translation>
    </message>
    <message>
        <source>Save Line Traffic</source>
        <translation>Zapisz ruch na linii</translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Pliki tekstowe (*.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Frames listed: %1</source>
        <translation>Wyświetlone ramki: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>Wstrzymano: %1</translation>
    </message>
    <message>
        <source>; %1 not listed (more than the buffer holds)</source>
        <translation>; %1 niewyświetlonych (więcej, niż mieści bufor)</translation>
    </message>
    <message>
        <source>request</source>
        <translation>żądanie</translation>
    </message>
    <message>
        <source>repeat</source>
        <translation>powtórzenie</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>odpowiedź</translation>
    </message>
    <message>
        <source>echo dropped</source>
        <translation>echo odrzucone</translation>
    </message>
    <message>
        <source>noise dropped</source>
        <translation>zakłócenia odrzucone</translation>
    </message>
    <message>
        <source>misshapen</source>
        <translation>zniekształcona ramka</translation>
    </message>
    <message>
        <source>late</source>
        <translation>spóźniona</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>przekroczony czas</translation>
    </message>
</context>
<context>
    <name>lmk17::TSearchForm</name>
    <message>
        <source>Search for Transmitters</source>
        <translation>Wyszukiwanie przetworników</translation>
    </message>
    <message>
        <source>Find every transmitter on the line</source>
        <translation>Znajdź wszystkie przetworniki na linii</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Cancel Search</source>
        <translation>Anuluj wyszukiwanie</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Użyj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Transmitters found</source>
        <translation>Znalezione przetworniki</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Prędkość transmisji</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parzystość</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Oprogramowanie</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Input Range</source>
        <translation>Zakres wejściowy</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Postęp wyszukiwania</translation>
    </message>
    <message>
        <source> Talk to the transmitter picked: its address, baud rate and parity become the program&apos;s communication parameters </source>
        <translation> Komunikuj z wybranym przetwornikiem: jego adres, prędkość i parzystość stają się parametrami komunikacji programu </translation>
    </message>
    <message>
        <source>The search cannot start: connect a serial port first, and wait until the operation under way has ended.</source>
        <translation>Nie można rozpocząć wyszukiwania: najpierw podłącz port szeregowy i zaczekaj na zakończenie trwającej operacji.</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Wyszukiwanie…</translation>
    </message>
    <message>
        <source>(not identified)</source>
        <translation>(niezidentyfikowany)</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>Wyszukiwanie anulowane.</translation>
    </message>
    <message>
        <source>No transmitter answered.</source>
        <translation>Żaden przetwornik nie odpowiedział.</translation>
    </message>
    <message>
        <source>Transmitters found: %1. Pick one and press Use.</source>
        <translation>Znalezione przetworniki: %1. Wybierz jeden i naciśnij Użyj.</translation>
    </message>
</context>
<context>
    <name>lmk17::TCompareForm</name>
    <message>
        <source>Compare Configurations</source>
        <translation>Porównanie konfiguracji</translation>
    </message>
    <message>
        <source>This Configuration</source>
        <translation>Ta konfiguracja</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>Przetwornik</translation>
    </message>
    <message>
        <source>Show all fields</source>
        <translation>Pokaż wszystkie pola</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drukuj…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Eksportuj do PDF…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Fields compared</source>
        <translation>Porównane pola</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Configuration Comparison</source>
        <translation>Porównanie konfiguracji</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Date: </source>
        <translation>Data: </translation>
    </message>
    <message>
        <source> Configuration Comparison </source>
        <translation> Porównanie konfiguracji </translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>1 field differs.</source>
        <translation>Różni się 1 pole.</translation>
    </message>
    <message>
        <source>Fields that differ: %1.</source>
        <translation>Liczba różniących się pól: %1.</translation>
    </message>
    <message>
        <source>The listed values are equal; the stored values differ in: %1.</source>
        <translation>Wyświetlone wartości są równe; zapisane wartości różnią się w: %1.</translation>
    </message>
    <message>
        <source>The configurations are equal.</source>
        <translation>Konfiguracje są identyczne.</translation>
    </message>
</context>
<context>
    <name>lmk17::TRestoreForm</name>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Przywróć z kopii zapasowej</translation>
    </message>
    <message>
        <source>Backups of the transmitter</source>
        <translation>Kopie zapasowe przetwornika</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Utworzono</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Zakres</translation>
    </message>
    <message>
        <source>Differing fields</source>
        <translation>Różniące się pola</translation>
    </message>
    <message>
        <source>Restore the chosen backup</source>
        <translation>Przywróć wybraną kopię zapasową</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Nie można odczytać pliku.</translation>
    </message>
    <message>
        <source>No backups of transmitter %1 were found in %2.</source>
        <translation>W %2 nie znaleziono kopii zapasowych przetwornika %1.</translation>
    </message>
    <message>
        <source>(no backup folder)</source>
        <translation>(brak folderu kopii)</translation>
    </message>
    <message>
        <source>Backups of transmitter %1 in %2:</source>
        <translation>Kopie zapasowe przetwornika %1 w %2:</translation>
    </message>
</context>
<context>
    <name>lmk17::TBackupSettingsForm</name>
    <message>
        <source>Backups and Writing</source>
        <translation>Kopie zapasowe i zapis</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Przeglądaj…</translation>
    </message>
    <message>
        <source>Show the changes and ask before writing</source>
        <translation>Przed zapisem pokaż zmiany i zapytaj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Folder kopii zapasowych</translation>
    </message>
    <message>
        <source>Empty: %1</source>
        <translation>Puste: %1</translation>
    </message>
    <message>
        <source>Choose the backup folder</source>
        <translation>Wybierz folder kopii zapasowych</translation>
    </message>
    <message>
        <source>Backups kept per transmitter</source>
        <translation>Liczba kopii zapasowych na przetwornik</translation>
    </message>
    <message>
        <source>Backup folder:</source>
        <translation>Folder kopii zapasowych:</translation>
    </message>
    <message>
        <source>Backups kept per transmitter:</source>
        <translation>Liczba kopii zapasowych na przetwornik:</translation>
    </message>
    <message>
        <source>Before every write the configuration the transmitter holds is kept in the backup folder, in a folder of its own per serial number. Backups newer than a week are never deleted.</source>
        <translation>Przed każdym zapisem konfiguracja zapisana w przetworniku jest zachowywana w folderze kopii zapasowych, w osobnym folderze dla każdego numeru seryjnego. Kopie młodsze niż tydzień nigdy nie są usuwane.</translation>
    </message>
</context>
<context>
    <name>BatchWrite</name>
    <message>
        <source>Enter the addresses of the transmitters, e.g. 1-8 or 1,3,5-7 (0..31).</source>
        <translation>Wpisz adresy przetworników, np. 1-8 lub 1,3,5-7 (0..31).</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>zapisano i sprawdzono</translation>
    </message>
    <message>
        <source>unchanged: it held the configuration</source>
        <translation>bez zmian: miał już tę konfigurację</translation>
    </message>
    <message>
        <source>FAILED: written, but reading it back gives other values</source>
        <translation>BŁĄD: zapisano, ale odczyt zwrotny daje inne wartości</translation>
    </message>
    <message>
        <source>FAILED: no backup could be kept; nothing written</source>
        <translation>BŁĄD: nie można zachować kopii zapasowej; nic nie zapisano</translation>
    </message>
    <message>
        <source>FAILED: refused; nothing written</source>
        <translation>BŁĄD: odrzucono; nic nie zapisano</translation>
    </message>
    <message>
        <source>FAILED: not confirmed; nothing written</source>
        <translation>BŁĄD: nie potwierdzono; nic nie zapisano</translation>
    </message>
    <message>
        <source>FAILED: LEFT HALF-WRITTEN, write it again</source>
        <translation>BŁĄD: ZAPIS NIEDOKOŃCZONY, zapisz ponownie</translation>
    </message>
    <message>
        <source>FAILED: no answer; nothing written</source>
        <translation>BŁĄD: brak odpowiedzi; nic nie zapisano</translation>
    </message>
    <message>
        <source>FAILED: stopped before writing; nothing written</source>
        <translation>BŁĄD: zatrzymano przed zapisem; nic nie zapisano</translation>
    </message>
    <message>
        <source>; the protocol could not be written</source>
        <translation>; nie można zapisać protokołu</translation>
    </message>
    <message>
        <source>Written or already holding the configuration: %1 of %2.</source>
        <translation>Zapisane lub mające już tę konfigurację: %1 z %2.</translation>
    </message>
    <message>
        <source>Failed: %1.</source>
        <translation>Nieudane: %1.</translation>
    </message>
    <message>
        <source>Cancelled; not written: %1.</source>
        <translation>Anulowano; nie zapisano: %1.</translation>
    </message>
    <message>
        <source>LEFT HALF-WRITTEN: %1. Write them again.</source>
        <translation>ZAPIS NIEDOKOŃCZONY: %1. Zapisz je ponownie.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>Another operation is running: wait until it has ended.</source>
        <translation>Trwa inna operacja: poczekaj, aż się zakończy.</translation>
    </message>
    <message>
        <source>No communication port is connected.</source>
        <translation>Nie podłączono portu komunikacyjnego.</translation>
    </message>
    <message>
        <source>There is no configuration to write: read or load one first.</source>
        <translation>Brak konfiguracji do zapisania: najpierw ją odczytaj lub wczytaj.</translation>
    </message>
    <message>
        <source>The configuration did not pass the check: correct it in the main window.</source>
        <translation>Konfiguracja nie przeszła kontroli: popraw ją w oknie głównym.</translation>
    </message>
    <message>
        <source>Transmitter Configuration Protocol</source>
        <translation>Protokół konfiguracji przetwornika</translation>
    </message>
    <message>
        <source>The folder %1 is not a full path. Give the whole path or choose it with Browse.</source>
        <translation>Folder %1 nie jest pełną ścieżką. Podaj całą ścieżkę lub wybierz ją przyciskiem Przeglądaj.</translation>
    </message>
</context>
<context>
    <name>lmk17::TBatchWriteForm</name>
    <message>
        <source>Browse…</source>
        <translation>Przeglądaj…</translation>
    </message>
    <message>
        <source>Ask about the changes before each transmitter is written</source>
        <translation>Pytaj o zmiany przed zapisem każdego przetwornika</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Write to Several Transmitters</source>
        <translation>Zapis do kilku przetworników</translation>
    </message>
    <message>
        <source>The configuration shown in the main window is written into each transmitter of the list, one after another. Each keeps its own address, baud rate, parity and user note, and gets its backup and its verification as by Write.</source>
        <translation>Konfiguracja widoczna w oknie głównym zostanie zapisana kolejno do każdego przetwornika z listy. Każdy zachowa swój adres, prędkość transmisji, parzystość i notatkę użytkownika oraz otrzyma kopię zapasową i sprawdzenie jak przy zapisie.</translation>
    </message>
    <message>
        <source>Addresses of the transmitters</source>
        <translation>Adresy przetworników</translation>
    </message>
    <message>
        <source>e.g. 1-8 or 1,3,5-7</source>
        <translation>np. 1-8 lub 1,3,5-7</translation>
    </message>
    <message>
        <source>Folder for the protocols</source>
        <translation>Folder na protokoły</translation>
    </message>
    <message>
        <source>(no protocols)</source>
        <translation>(bez protokołów)</translation>
    </message>
    <message>
        <source>Choose the folder for the protocols</source>
        <translation>Wybierz folder na protokoły</translation>
    </message>
    <message>
        <source>Transmitters written</source>
        <translation>Zapisywane przetworniki</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Start writing</source>
        <translation>Rozpocznij zapis</translation>
    </message>
    <message>
        <source>Cancel the writing</source>
        <translation>Anuluj zapis</translation>
    </message>
    <message>
        <source>&amp;Addresses:</source>
        <translation>&amp;Adresy:</translation>
    </message>
    <message>
        <source>&amp;Protocols to:</source>
        <translation>&amp;Protokoły do:</translation>
    </message>
    <message>
        <source>Folder for the Protocols</source>
        <translation>Folder na protokoły</translation>
    </message>
    <message>
        <source>Writing the transmitter at address %1 (%2 of %3)…</source>
        <translation>Zapis przetwornika pod adresem %1 (%2 z %3)…</translation>
    </message>
</context>
</TS>
