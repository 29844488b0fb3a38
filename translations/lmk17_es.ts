<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>App</name>
    <message>
        <source>  LMK-17 - %1</source>
        <translation>  LMK-17 - %1</translation>
    </message>
    <message>
        <source>Customer Setup Program for K8410 and K8620 Transmitters</source>
        <translation>Programa de configuración de los transmisores K8410 y K8620</translation>
    </message>
    <message>
        <source> (demonstration on the software transmitter)</source>
        <translation> (demostración con el transmisor por software)</translation>
    </message>
    <message>
        <source>Demonstration: software transmitter on %1, address %2 (no hardware needed).</source>
        <translation>Demostración: transmisor por software en %1, dirección %2 (sin hardware).</translation>
    </message>
    <message>
        <source>The demonstration transmitter could not be started: %1</source>
        <translation>No se pudo iniciar el transmisor de demostración: %1</translation>
    </message>
    <message>
        <source>lmk17-sim, the software transmitter, was not found beside the program or on the PATH.</source>
        <translation>No se encontró lmk17-sim, el transmisor por software, junto al programa ni en el PATH.</translation>
    </message>
    <message>
        <source>Do you really want to close application?</source>
        <translation>¿Desea realmente cerrar la aplicación?</translation>
    </message>
    <message>
        <source>The program is in monitoring mode. Stop the monitoring before closing the application.</source>
        <translation>El programa está en modo de monitorización. Detenga la monitorización antes de cerrar la aplicación.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:
%2</source>
        <translation>No se pudieron guardar los ajustes en %1:
%2</translation>
    </message>
    <message>
        <source> About Application</source>
        <translation> Acerca de la aplicación</translation>
    </message>
    <message>
        <source>Program LMK-17</source>
        <translation>Programa LMK-17</translation>
    </message>
    <message>
        <source>version  </source>
        <translation>versión  </translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Archivo de ajustes: %1</translation>
    </message>
    <message>
        <source>Do you want to send an e-mail to %1?</source>
        <translation>¿Desea enviar un correo electrónico a %1?</translation>
    </message>
    <message>
        <source>Do you want to visit %1?</source>
        <translation>¿Desea visitar %1?</translation>
    </message>
    <message>
        <source>The help was not found. Looked for the folder %1.</source>
        <translation>No se encontró la ayuda. Se buscó la carpeta %1.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>lmk17-sim printed no device path</source>
        <translation>lmk17-sim no indicó la ruta del dispositivo</translation>
    </message>
    <message>
        <source>LMK-17</source>
        <translation>LMK-17</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2</source>
        <translation>No se puede leer el archivo de ajustes %1: %2</translation>
    </message>
    <message>
        <source>The linearization file %1 was not opened: the linearization editor needs a configuration whose input range takes a customer linearization. Read or load such a configuration, then load the file in the editor (Input page, Linearization).</source>
        <translation>El archivo de linealización %1 no se abrió: el editor de linealización necesita una configuración cuyo rango de entrada use una linealización del cliente. Lea o cargue una configuración así y cargue luego el archivo en el editor (página Entrada, Linealización).</translation>
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
        <translation>uso: lmk17 [ARCHIVO.ptf ...] [ARCHIVO.lin ...]
     lmk17 --demo [opciones de lmk17-sim] [ARCHIVO.ptf ...] [ARCHIVO.lin ...]

Configura, prueba y monitoriza transmisores K8410 y K8620 a través de un puerto serie.
Los archivos de configuración (.ptf) indicados en la línea de órdenes se cargan en orden;
queda el último. Un archivo de linealización (.lin) se abre después en el editor
de linealización de esa configuración.

  --demo      inicia un transmisor por software (lmk17-sim, un K8620L31 con firmware
              1.91 en la dirección 0 salvo que sus opciones digan otra cosa) en un
              pseudoterminal y se conecta a él: cada orden se puede probar
              sin hardware; las opciones tras --demo son para lmk17-sim
              (lmk17-sim --help las enumera), salvo los archivos .ptf y .lin,
              que se abren en ese transmisor como arriba
  --help      este texto
  --version   la versión del programa
</translation>
    </message>
    <message>
        <source>
The manual: %1 (the other languages in the folders beside it)
</source>
        <translation>
El manual: %1 (los demás idiomas en las carpetas de al lado)
</translation>
    </message>
    <message>
        <source>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Este programa es software libre: puede redistribuirlo y/o modificarlo según los términos de la Licencia Pública General GNU, versión 3 o (a su elección) cualquier versión posterior (GPL-3.0-or-later). Se ofrece sin ninguna garantía.</translation>
    </message>
    <message>
        <source>It uses Qt %1, licensed under the GNU Lesser General Public License, version 3 (LGPL-3.0).</source>
        <translation>Utiliza Qt %1, con licencia GNU Lesser General Public License, versión 3 (LGPL-3.0).</translation>
    </message>
    <message>
        <source>The number of backups kept per transmitter must be a whole number from %1 to %2.</source>
        <translation>El número de copias de seguridad guardadas por transmisor debe ser un número entero de %1 a %2.</translation>
    </message>
    <message>
        <source>The backup folder %1 is not a full path. Give the whole path or choose it with Browse.</source>
        <translation>La carpeta de copias de seguridad %1 no es una ruta completa. Indique la ruta entera o elíjala con Examinar.</translation>
    </message>
    <message>
        <source>The backup folder %1 is a file, not a folder.</source>
        <translation>La carpeta de copias de seguridad %1 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The backup folder %1 does not exist and could not be created.</source>
        <translation>La carpeta de copias de seguridad %1 no existe y no se pudo crear.</translation>
    </message>
    <message>
        <source>Backups cannot be written into the folder %1.</source>
        <translation>No se pueden escribir copias de seguridad en la carpeta %1.</translation>
    </message>
    <message>
        <source>Output test mode is active: the transmitter&apos;s output stays at the test value after the program is closed. Leave output test mode before closing?</source>
        <translation>El modo de prueba de la salida está activo: la salida del transmisor se queda en el valor de prueba después de cerrar el programa. ¿Salir del modo de prueba de la salida antes de cerrar?</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source> R01  Resistance Sensor (0 to 400 ohm) without Linearization</source>
        <translation> R01  Sensor de resistencia (0 a 400 ohm) sin linealización</translation>
    </message>
    <message>
        <source> R02  Resistance Sensor (0 to 4000 ohm) without Linearization</source>
        <translation> R02  Sensor de resistencia (0 a 4000 ohm) sin linealización</translation>
    </message>
    <message>
        <source> R03  Potentiometer (Total Resistance 40 to 400 ohm)</source>
        <translation> R03  Potenciómetro (resistencia total 40 a 400 ohm)</translation>
    </message>
    <message>
        <source> R04  Potentiometer (Total Resistance 400 to 4000 ohm)</source>
        <translation> R04  Potenciómetro (resistencia total 400 a 4000 ohm)</translation>
    </message>
    <message>
        <source> R05  Voltage Sensor (-15 až 60 mV) without Linearization</source>
        <translation> R05  Sensor de tensión (-15 a 60 mV) sin linealización</translation>
    </message>
    <message>
        <source> R06  Difference of Two RTD&apos;s (total resistance 400 ohm)</source>
        <translation> R06  Diferencia de dos termorresistencias (resistencia total 400 ohm)</translation>
    </message>
    <message>
        <source> R07  Difference of Two RTD&apos;s (total resistance 4000 ohm)</source>
        <translation> R07  Diferencia de dos termorresistencias (resistencia total 4000 ohm)</translation>
    </message>
    <message>
        <source> R11  Pt100 (-200 to 850 °C) with Linearization</source>
        <translation> R11  Pt100 (-200 a 850 °C) con linealización</translation>
    </message>
    <message>
        <source> R12  Pt500 (-200 to 850 °C) with Linearization</source>
        <translation> R12  Pt500 (-200 a 850 °C) con linealización</translation>
    </message>
    <message>
        <source> R13  Pt1000 (-200 to 850 °C) with Linearization</source>
        <translation> R13  Pt1000 (-200 a 850 °C) con linealización</translation>
    </message>
    <message>
        <source> R14  Ni100 (-60 to 250 °C) with Linearization</source>
        <translation> R14  Ni100 (-60 a 250 °C) con linealización</translation>
    </message>
    <message>
        <source> R15  Ni1000 (-60 to 250 °C) with Linearization</source>
        <translation> R15  Ni1000 (-60 a 250 °C) con linealización</translation>
    </message>
    <message>
        <source> R51  Thermocouple &quot;J&quot; (-200 to 1000 °C) with Linearization</source>
        <translation> R51  Termopar &quot;J&quot; (-200 a 1000 °C) con linealización</translation>
    </message>
    <message>
        <source> R52  Thermocouple &quot;K&quot; (-200 to 1300 °C) with Linearization</source>
        <translation> R52  Termopar &quot;K&quot; (-200 a 1300 °C) con linealización</translation>
    </message>
    <message>
        <source> R53  Thermocouple &quot;N&quot; (-200 to 1300 °C) with Linearization</source>
        <translation> R53  Termopar &quot;N&quot; (-200 a 1300 °C) con linealización</translation>
    </message>
    <message>
        <source> R54  Thermocouple &quot;R&quot; (-50 to 1700 °C) with Linearization</source>
        <translation> R54  Termopar &quot;R&quot; (-50 a 1700 °C) con linealización</translation>
    </message>
    <message>
        <source> R55  Thermocouple &quot;S&quot; (-50 to 1700 °C) with Linearization</source>
        <translation> R55  Termopar &quot;S&quot; (-50 a 1700 °C) con linealización</translation>
    </message>
    <message>
        <source> R56  Thermocouple &quot;T&quot; (-250 to 400 °C) with Linearization</source>
        <translation> R56  Termopar &quot;T&quot; (-250 a 400 °C) con linealización</translation>
    </message>
    <message>
        <source> R57  Thermocouple &quot;B&quot; (0 to 1800 °C) with Linearization from 50°C</source>
        <translation> R57  Termopar &quot;B&quot; (0 a 1800 °C) con linealización desde 50°C</translation>
    </message>
    <message>
        <source> R58  Thermocouple &quot;E&quot; (-200 to 800 °C) with Linearization</source>
        <translation> R58  Termopar &quot;E&quot; (-200 a 800 °C) con linealización</translation>
    </message>
    <message>
        <source> R59  Thermocouple &quot;L&quot; (-200 to 900 °C) with Linearization</source>
        <translation> R59  Termopar &quot;L&quot; (-200 a 900 °C) con linealización</translation>
    </message>
    <message>
        <source> R71  Current Input -15 to 60 µA</source>
        <translation> R71  Entrada de corriente -15 a 60 µA</translation>
    </message>
    <message>
        <source> R72  Current Input -150 to 600 µA</source>
        <translation> R72  Entrada de corriente -150 a 600 µA</translation>
    </message>
    <message>
        <source> R73  Current Input -1500 to 6000 µA</source>
        <translation> R73  Entrada de corriente -1500 a 6000 µA</translation>
    </message>
    <message>
        <source> R74  Current Input -6 to 24 mA</source>
        <translation> R74  Entrada de corriente -6 a 24 mA</translation>
    </message>
    <message>
        <source> R75  Current Input -15 to 60 mA</source>
        <translation> R75  Entrada de corriente -15 a 60 mA</translation>
    </message>
    <message>
        <source> R81  Voltage Input -250 to 1000 mV</source>
        <translation> R81  Entrada de tensión -250 a 1000 mV</translation>
    </message>
    <message>
        <source> R82  Voltage Input -2.5 to 10 V</source>
        <translation> R82  Entrada de tensión -2.5 a 10 V</translation>
    </message>
    <message>
        <source> R85  Potentiometer (Total Resistance 0.4 to 25 kohm)</source>
        <translation> R85  Potenciómetro (resistencia total 0.4 a 25 kohm)</translation>
    </message>
    <message>
        <source> R91  Customer Linearization for RTD (0 to 400 ohm)</source>
        <translation> R91  Linealización del cliente para termorresistencia (0 a 400 ohm)</translation>
    </message>
    <message>
        <source> R92  Customer Linearization for RTD (0 to 4000 ohm)</source>
        <translation> R92  Linealización del cliente para termorresistencia (0 a 4000 ohm)</translation>
    </message>
    <message>
        <source> R93  Customer Linearization for Potentiometer (40 to 400 ohm)</source>
        <translation> R93  Linealización del cliente para potenciómetro (40 a 400 ohm)</translation>
    </message>
    <message>
        <source> R94  Customer Linearization for Potentiometer (400 to 4000 ohm)</source>
        <translation> R94  Linealización del cliente para potenciómetro (400 a 4000 ohm)</translation>
    </message>
    <message>
        <source> R95  Customer Linearization for Other Voltage Sensor (Thermocouple)</source>
        <translation> R95  Linealización del cliente para otro sensor de tensión (termopar)</translation>
    </message>
    <message>
        <source> R96  Customer Linearization for Difference of Two RTD&apos;s (400 ohm)</source>
        <translation> R96  Linealización del cliente para diferencia de dos termorresistencias (400 ohm)</translation>
    </message>
    <message>
        <source> R97  Customer Linearization for Difference of Two RTD&apos;s (4000 ohm)</source>
        <translation> R97  Linealización del cliente para diferencia de dos termorresistencias (4000 ohm)</translation>
    </message>
    <message>
        <source> C1  2-Wire Connection of the Resistance Sensor</source>
        <translation> C1  Conexión a 2 hilos del sensor de resistencia</translation>
    </message>
    <message>
        <source> C2  3-Wire Connection of the Resistance Sensor</source>
        <translation> C2  Conexión a 3 hilos del sensor de resistencia</translation>
    </message>
    <message>
        <source> C3  4-Wire Connection of the Resistance Sensor</source>
        <translation> C3  Conexión a 4 hilos del sensor de resistencia</translation>
    </message>
    <message>
        <source> C4  Potentiometer Connection without Lead Resistance Compensation</source>
        <translation> C4  Conexión de potenciómetro sin compensación de la resistencia de línea</translation>
    </message>
    <message>
        <source> C5  Potentiometer Connection with Lead Resistance Compensation</source>
        <translation> C5  Conexión de potenciómetro con compensación de la resistencia de línea</translation>
    </message>
    <message>
        <source> C6  Connection of Voltage Sensor or T/C without CJ Compensation</source>
        <translation> C6  Conexión de sensor de tensión o termopar sin compensación de unión fría</translation>
    </message>
    <message>
        <source> C7  Connection of T/C with Cold Junction Compensation</source>
        <translation> C7  Conexión de termopar con compensación de unión fría</translation>
    </message>
    <message>
        <source> C8  Connection of Two 2-Wire Resistance Sensors</source>
        <translation> C8  Conexión de dos sensores de resistencia a 2 hilos</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>current output 4 to 20 mA</source>
        <translation>salida de corriente 4 a 20 mA</translation>
    </message>
    <message>
        <source>current output 0 to 20 mA</source>
        <translation>salida de corriente 0 a 20 mA</translation>
    </message>
    <message>
        <source>voltage output 0 to 10 V</source>
        <translation>salida de tensión 0 a 10 V</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Attention! Linearization table or cold junction compensation table does not correspond to input range. For proper function it is necessary to write/save the configuration again!</source>
        <translation>¡Atención! La tabla de linealización o la tabla de compensación de unión fría no corresponde al rango de entrada. ¡Para un funcionamiento correcto es necesario volver a escribir o guardar la configuración!</translation>
    </message>
    <message>
        <source>Transmitter configuration corrupt. Last writing probably not successful. Default configuration will be pre-set!</source>
        <translation>La configuración del transmisor está dañada. Probablemente la última escritura no tuvo éxito. ¡Se establecerá la configuración predeterminada!</translation>
    </message>
    <message>
        <source>Do you really want to pre-set default configuration? </source>
        <translation>¿Desea realmente establecer la configuración predeterminada? </translation>
    </message>
    <message>
        <source>Input range was changed, check configuration.</source>
        <translation>Se ha cambiado el rango de entrada, compruebe la configuración.</translation>
    </message>
    <message>
        <source> year, </source>
        <translation> año, </translation>
    </message>
    <message>
        <source> years, </source>
        <translation> años, </translation>
    </message>
    <message>
        <source> day, </source>
        <translation> día, </translation>
    </message>
    <message>
        <source> days, </source>
        <translation> días, </translation>
    </message>
    <message>
        <source> hour, </source>
        <translation> hora, </translation>
    </message>
    <message>
        <source> hours, </source>
        <translation> horas, </translation>
    </message>
    <message>
        <source> minute, </source>
        <translation> minuto, </translation>
    </message>
    <message>
        <source> minutes, </source>
        <translation> minutos, </translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> segundos</translation>
    </message>
    <message>
        <source>Picture not Available</source>
        <translation>Imagen no disponible</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>No se ha establecido ninguna configuración del transmisor.</translation>
    </message>
    <message>
        <source>You want to disable custom linearization now. It will be set default linearization and eventual custom linearization will be erased. Do you want to continue?</source>
        <translation>Va a desactivar ahora la linealización del cliente. Se establecerá la linealización predeterminada y se borrará la linealización del cliente que hubiera. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>lower range value</source>
        <translation>valor inferior del rango</translation>
    </message>
    <message>
        <source>upper range value</source>
        <translation>valor superior del rango</translation>
    </message>
    <message>
        <source>correction of sensor error at lower range value</source>
        <translation>corrección del error del sensor en el valor inferior del rango</translation>
    </message>
    <message>
        <source>correction of sensor error at upper range value</source>
        <translation>corrección del error del sensor en el valor superior del rango</translation>
    </message>
    <message>
        <source>damping</source>
        <translation>amortiguación</translation>
    </message>
    <message>
        <source>lead resistance</source>
        <translation>resistencia de línea</translation>
    </message>
    <message>
        <source>cold junction temperature</source>
        <translation>temperatura de unión fría</translation>
    </message>
    <message>
        <source>limit comparator %d switching level</source>
        <translation>nivel de conmutación del comparador de límite %d</translation>
    </message>
    <message>
        <source>limit comparator %d hysteresis</source>
        <translation>histéresis del comparador de límite %d</translation>
    </message>
    <message>
        <source>lower output range</source>
        <translation>valor inferior del rango de salida</translation>
    </message>
    <message>
        <source>upper output range</source>
        <translation>valor superior del rango de salida</translation>
    </message>
    <message>
        <source>lower output limit</source>
        <translation>límite inferior de salida</translation>
    </message>
    <message>
        <source>upper output limit</source>
        <translation>límite superior de salida</translation>
    </message>
    <message>
        <source>lower error output</source>
        <translation>salida de error inferior</translation>
    </message>
    <message>
        <source>upper error output</source>
        <translation>salida de error superior</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Formato incorrecto del valor: </translation>
    </message>
    <message>
        <source>Value of </source>
        <translation>El valor de </translation>
    </message>
    <message>
        <source> is out of the range: </source>
        <translation> está fuera del rango: </translation>
    </message>
    <message>
        <source>Value of correction at upper range value is higher than %.2g %% of input range.</source>
        <translation>El valor de la corrección en el valor superior del rango es mayor que el %.2g %% del rango de entrada.</translation>
    </message>
    <message>
        <source>Value of correction at lower range value is higher than %.2g %% of input range.</source>
        <translation>El valor de la corrección en el valor inferior del rango es mayor que el %.2g %% del rango de entrada.</translation>
    </message>
    <message>
        <source>Value of limit comparator %d hysteresis is higher than %.2g %% of input range.</source>
        <translation>El valor de la histéresis del comparador de límite %d es mayor que el %.2g %% del rango de entrada.</translation>
    </message>
    <message>
        <source>Value of limit comparator %d hysteresis cannot be equal to zero for reverse switching mode. Normal switching mode was set.</source>
        <translation>La histéresis del comparador de límite %d no puede ser cero en el modo de conmutación inverso. Se ha establecido el modo de conmutación normal.</translation>
    </message>
    <message>
        <source>Span value is lower than %.2g%% of input range.</source>
        <translation>El margen es menor que el %.2g%% del rango de entrada.</translation>
    </message>
    <message>
        <source>Output span value is lower than %.2g %s, cannot continue.</source>
        <translation>El margen de salida es menor que %.2g %s, no se puede continuar.</translation>
    </message>
    <message>
        <source>Saturation span value is lower than %.2g %s, cannot continue.</source>
        <translation>El margen de saturación es menor que %.2g %s, no se puede continuar.</translation>
    </message>
    <message>
        <source>Error span value is lower than %.2g %s, cannot continue.</source>
        <translation>El margen de las salidas de error es menor que %.2g %s, no se puede continuar.</translation>
    </message>
    <message>
        <source>Some values of the configuration lie outside the range of the new linearization (measuring range, corrections or limit comparators). Correct them before the configuration is written or saved.</source>
        <translation>Algunos valores de la configuración quedan fuera del rango de la nueva linealización (rango de medida, correcciones o comparadores de límite). Corríjalos antes de escribir o guardar la configuración.</translation>
    </message>
</context>
<context>
    <name>Configuration file</name>
    <message>
        <source>Configuration was not loaded, cancelled by user.</source>
        <translation>La configuración no se cargó, cancelado por el usuario.</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file: &apos;%s&apos; not found.</source>
        <translation>La configuración no se cargó, no se encontró el archivo: &apos;%s&apos;.</translation>
    </message>
    <message>
        <source>Wrong file format or file: &apos;%s&apos; is damaged!</source>
        <translation>¡Formato de archivo incorrecto o el archivo: &apos;%s&apos; está dañado!</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file is damaged or wrong type.</source>
        <translation>La configuración no se cargó, el archivo está dañado o es de tipo incorrecto.</translation>
    </message>
    <message>
        <source>Configuration was read without any errors.</source>
        <translation>La configuración se leyó sin errores.</translation>
    </message>
    <message>
        <source>Configuration was not saved, cancelled by user.</source>
        <translation>La configuración no se guardó, cancelado por el usuario.</translation>
    </message>
    <message>
        <source>File: &apos;%s&apos; already exists, do you want to overwrite it?</source>
        <translation>El archivo: &apos;%s&apos; ya existe, ¿desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Configuration was not saved, cannot open file: &apos;%s&apos;.</source>
        <translation>La configuración no se guardó, no se puede abrir el archivo: &apos;%s&apos;.</translation>
    </message>
    <message>
        <source>Configuration was saved without any errors.</source>
        <translation>La configuración se guardó sin errores.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>No se ha establecido ninguna configuración del transmisor.</translation>
    </message>
    <message>
        <source>Changes were not saved. Continue?</source>
        <translation>No se guardaron los cambios. ¿Continuar?</translation>
    </message>
    <message>
        <source>Configuration was not loaded, &apos;%s&apos; is a folder.</source>
        <translation>La configuración no se ha cargado, &apos;%s&apos; es una carpeta.</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file: &apos;%s&apos; cannot be read:</source>
        <translation>La configuración no se ha cargado, no se puede leer el archivo: &apos;%s&apos;:</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The file is larger than %1 kB; no file of this program is.</source>
        <translation>El archivo supera los %1 kB; ningún archivo de este programa es tan grande.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be written: %2</source>
        <translation>No se pudo escribir el archivo &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Not a regular file (a device, a pipe or a socket)</source>
        <translation>No es un archivo normal (es un dispositivo, una tubería o un socket)</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>lmk17en.hlp</source>
        <translation>lmk17es.hlp</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Change of language will be applied after application restart!</source>
        <translation>¡El cambio de idioma se aplicará al reiniciar la aplicación!</translation>
    </message>
</context>
<context>
    <name>Linearization</name>
    <message>
        <source>Minimum:</source>
        <translation>Mínimo:</translation>
    </message>
    <message>
        <source>Maximum:</source>
        <translation>Máximo:</translation>
    </message>
    <message>
        <source>Cannot resolve the linearization table unless at least 2 points are entered.</source>
        <translation>No se puede calcular la tabla de linealización si no se introducen al menos 2 puntos.</translation>
    </message>
    <message>
        <source>Cannot resolve the compensating table unless at least 2 points are entered.</source>
        <translation>No se puede calcular la tabla de compensación si no se introducen al menos 2 puntos.</translation>
    </message>
    <message>
        <source>Data were not saved, cancelled by user.</source>
        <translation>Los datos no se guardaron, cancelado por el usuario.</translation>
    </message>
    <message>
        <source>Data were not saved, cannot open file: &apos;%1&apos;.</source>
        <translation>Los datos no se guardaron, no se puede abrir el archivo: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>File: &apos;%1&apos; already exists, do you want to overwrite it?</source>
        <translation>El archivo: &apos;%1&apos; ya existe, ¿desea sobrescribirlo?</translation>
    </message>
    <message>
        <source> Saving Data to File</source>
        <translation> Guardando datos en el archivo</translation>
    </message>
    <message>
        <source>Data was saved without any errors.</source>
        <translation>Los datos se guardaron sin errores.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in table of the points for the linearization.</source>
        <translation>No se pueden guardar los datos mientras haya errores en la tabla de puntos de linealización.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in table of the points for the cold junction compensation.</source>
        <translation>No se pueden guardar los datos mientras haya errores en la tabla de puntos de la compensación de unión fría.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in &apos;Sensor-Specific Characterization&apos; section.</source>
        <translation>No se pueden guardar los datos mientras haya errores en la sección &apos;Caracterización específica del sensor&apos;.</translation>
    </message>
    <message>
        <source>Data was not loaded - wrong file format.</source>
        <translation>Los datos no se cargaron - formato de archivo incorrecto.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
 Error in the Section: [</source>
        <translation><byte value="xd"/>
 Error en la sección: [</translation>
    </message>
    <message>
        <source>Data was not loaded - unknown file format.</source>
        <translation>Los datos no se cargaron - formato de archivo desconocido.</translation>
    </message>
    <message>
        <source>Try later version or contact your supplier.</source>
        <translation>Pruebe una versión posterior o póngase en contacto con su proveedor.</translation>
    </message>
    <message>
        <source>Data was not loaded, file contains data for another input range (</source>
        <translation>Los datos no se cargaron, el archivo contiene datos para otro rango de entrada (</translation>
    </message>
    <message>
        <source> Loading Data from File</source>
        <translation> Cargando datos desde archivo</translation>
    </message>
    <message>
        <source>Data was not loaded, cancelled by user.</source>
        <translation>Los datos no se cargaron, cancelado por el usuario.</translation>
    </message>
    <message>
        <source>Data was not loaded, cannot open file: &apos;%1&apos;.</source>
        <translation>Los datos no se cargaron, no se puede abrir el archivo: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Incorrect format of the value in row n.%1 and column n.%2, please correct.</source>
        <translation>Formato incorrecto del valor en la fila n.%1 y la columna n.%2, corríjalo por favor.</translation>
    </message>
    <message>
        <source>Value in row n.%1 and column n.%2 is out of range &lt; %3, %4 &gt; °C, please correct.</source>
        <translation>El valor de la fila n.%1 y la columna n.%2 está fuera del rango &lt; %3, %4 &gt; °C, corríjalo por favor.</translation>
    </message>
    <message>
        <source>Value in row n.%1 and column n.%2 is out of range &lt; %3, %4 &gt; Ohm, please correct.</source>
        <translation>El valor de la fila n.%1 y la columna n.%2 está fuera del rango &lt; %3, %4 &gt; Ohm, corríjalo por favor.</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Formato incorrecto del valor: </translation>
    </message>
    <message>
        <source>Sensor-Specific Constants.</source>
        <translation>Constantes específicas del sensor.</translation>
    </message>
    <message>
        <source>Attention! Value %1 is bigger than upper limit selected input range %2.</source>
        <translation>¡Atención! El valor %1 es mayor que el límite superior del rango de entrada seleccionado %2.</translation>
    </message>
    <message>
        <source>Data was not loaded, file: &apos;%1&apos; not found.</source>
        <translation>Los datos no se han cargado, archivo: &apos;%1&apos; no encontrado.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Es una carpeta.</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>Do not Disconnect Communication Cable!</source>
        <translation>¡No desconecte el cable de comunicación!</translation>
    </message>
    <message>
        <source>%s serial port successfully connected.</source>
        <translation>Puerto serie %s conectado correctamente.</translation>
    </message>
    <message>
        <source>%s serial port cannot be connected.</source>
        <translation>No se puede conectar el puerto serie %s.</translation>
    </message>
    <message>
        <source>%s serial port disconnected.</source>
        <translation>Puerto serie %s desconectado.</translation>
    </message>
    <message>
        <source>Attention! Setting of wrong communication parameters may lose communication with the transmitter! Changing this parameters is allowed experienced user only.</source>
        <translation>¡Atención! ¡Unos parámetros de comunicación erróneos pueden hacer perder la comunicación con el transmisor! Solo un usuario experimentado debe cambiar estos parámetros.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>No se ha establecido ninguna configuración del transmisor.</translation>
    </message>
    <message>
        <source>Attention! You want to change the communication parameters to other than default.<byte value="xd"/>
Setting of wrong communication parameters may lose communication with the transmitter!<byte value="xd"/>
Do You really want to change the parameters?</source>
        <translation>¡Atención! Desea cambiar los parámetros de comunicación a valores distintos de los predeterminados.<byte value="xd"/>
¡Unos parámetros de comunicación incorrectos pueden hacer perder la comunicación con el transmisor!<byte value="xd"/>
¿Desea realmente cambiar los parámetros?</translation>
    </message>
    <message>
        <source>Changes is not valid immediately after writing the configuration, but after power down and power up!</source>
        <translation>¡Los cambios no son válidos inmediatamente después de escribir la configuración, sino después de apagar y encender la alimentación!</translation>
    </message>
    <message>
        <source> Not Connected</source>
        <translation> No conectado</translation>
    </message>
    <message>
        <source> Options</source>
        <translation> Opciones</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Communication Parameters for Experts</source>
        <translation>Parámetros de comunicación para expertos</translation>
    </message>
    <message>
        <source>&amp;Default Parameters</source>
        <translation>Parámetros pre&amp;determinados</translation>
    </message>
    <message>
        <source> Transmitter Communication Parameters</source>
        <translation> Parámetros de comunicación del transmisor</translation>
    </message>
    <message>
        <source>Attention! Setting of wrong paramaters may</source>
        <translation>¡Atención! Unos parámetros erróneos pueden</translation>
    </message>
    <message>
        <source>lose communication with the Transmitter!</source>
        <translation>¡hacer perder la comunicación con el transmisor!</translation>
    </message>
    <message>
        <source>Default Params</source>
        <translation>Predeterminados</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Comunicación</translation>
    </message>
    <message>
        <source> None</source>
        <translation> Ninguna</translation>
    </message>
    <message>
        <source> Odd</source>
        <translation> Impar</translation>
    </message>
    <message>
        <source> Even</source>
        <translation> Par</translation>
    </message>
    <message>
        <source> OK.</source>
        <translation> OK.</translation>
    </message>
    <message>
        <source> ERROR: Error during Transmit.</source>
        <translation> ERROR: Error de transmisión.</translation>
    </message>
    <message>
        <source> ERROR: Bad Parameters.</source>
        <translation> ERROR: Parámetros incorrectos.</translation>
    </message>
    <message>
        <source> ERROR: Bad Function.</source>
        <translation> ERROR: Función incorrecta.</translation>
    </message>
    <message>
        <source> Application layer answered OK.</source>
        <translation> La capa de aplicación respondió OK.</translation>
    </message>
    <message>
        <source> ERROR: Frame Error of the Incoming Message.</source>
        <translation> ERROR: Error de trama en el mensaje recibido.</translation>
    </message>
    <message>
        <source> ERROR: Bad CRC of the Incoming Message.</source>
        <translation> ERROR: CRC incorrecto en el mensaje recibido.</translation>
    </message>
    <message>
        <source> ERROR: Error during Transmit (from Transmitter to PC).</source>
        <translation> ERROR: Error de transmisión (del transmisor al PC).</translation>
    </message>
    <message>
        <source> ERROR: Bad Answer was received.</source>
        <translation> ERROR: Se recibió una respuesta incorrecta.</translation>
    </message>
    <message>
        <source> ERROR: Timeout.</source>
        <translation> ERROR: Tiempo de espera agotado.</translation>
    </message>
    <message>
        <source> ERROR: Unknown Answer: %d</source>
        <translation> ERROR: Respuesta desconocida: %d</translation>
    </message>
    <message>
        <source>You may not open this port: add your user to the dialout group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>No puede abrir este puerto: añada su usuario al grupo dialout (sudo usermod -aG dialout $USER) y vuelva a iniciar la sesión.</translation>
    </message>
    <message>
        <source>%s serial port lost; monitoring tries to reopen it every 2 s.</source>
        <translation>Se perdió el puerto serie %s; la monitorización intenta reabrirlo cada 2 s.</translation>
    </message>
    <message>
        <source> ERROR: Another device keeps sending on the line; the request could not be sent.</source>
        <translation> ERROR: Otro dispositivo sigue transmitiendo en la línea; no se pudo enviar la petición.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impar</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>No description from the system</source>
        <translation>El sistema no da ninguna descripción</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>número de serie %1</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>Dispositivo: %1</translation>
    </message>
    <message>
        <source>Stable name: %1</source>
        <translation>Nombre estable: %1</translation>
    </message>
</context>
<context>
    <name>LinkParity</name>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>impar</translation>
    </message>
    <message>
        <source>even</source>
        <translation>par</translation>
    </message>
</context>
<context>
    <name>Monitoring</name>
    <message>
        <source>The time interval must be a number of seconds from 1 to 1200. The previous value of %1 s is kept.</source>
        <translation>El intervalo de tiempo debe ser un número de segundos de 1 a 1200. Se mantiene el valor anterior de %1 s.</translation>
    </message>
    <message>
        <source>Do you really want to stop the monitoring mode?</source>
        <translation>¿Desea realmente detener el modo de monitorización?</translation>
    </message>
    <message>
        <source>Do you really want to erase records in window?</source>
        <translation>¿Desea realmente borrar los registros de la ventana?</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be written. Monitoring goes on; the records are kept in the log window only.</source>
        <translation>No se puede escribir en el archivo de registro &quot;%1&quot;. La monitorización continúa; los registros se conservan solo en la ventana de registro.</translation>
    </message>
    <message>
        <source>an empty item in the address list</source>
        <translation>un elemento vacío en la lista de direcciones</translation>
    </message>
    <message>
        <source>not an address 0..31 or a range of them: %1</source>
        <translation>no es una dirección 0..31 ni un rango de ellas: %1</translation>
    </message>
    <message>
        <source>a range runs upwards: %1</source>
        <translation>un rango debe ser ascendente: %1</translation>
    </message>
    <message>
        <source>address %1 is listed twice</source>
        <translation>la dirección %1 aparece dos veces</translation>
    </message>
    <message>
        <source>at most %1 addresses</source>
        <translation>como máximo %1 direcciones</translation>
    </message>
    <message>
        <source>The time interval must be a number of seconds from 1 to 1200.</source>
        <translation>El intervalo de tiempo debe ser un número de segundos de 1 a 1200.</translation>
    </message>
    <message>
        <source>The number of graph records must be a whole number from 20 to 2000.</source>
        <translation>El número de registros del gráfico debe ser un número entero de 20 a 2000.</translation>
    </message>
    <message>
        <source>The number of significant places of the PV must be a whole number from 3 to 25.</source>
        <translation>El número de cifras significativas del PV debe ser un número entero de 3 a 25.</translation>
    </message>
    <message>
        <source>The change of the PV value must be a whole number of percent from 1 to 1000.</source>
        <translation>El cambio del valor PV debe ser un número entero de por ciento de 1 a 1000.</translation>
    </message>
    <message>
        <source>The time period must be a whole number of seconds from 20 to 7200.</source>
        <translation>El período de tiempo debe ser un número entero de segundos de 20 a 7200.</translation>
    </message>
    <message>
        <source>The previous value of %1 is kept.</source>
        <translation>Se mantiene el valor anterior de %1.</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; holds records of another format (another header or separator); nothing was appended to it. Choose another file, or rewrite it.</source>
        <translation>El archivo de registro «%1» contiene registros de otro formato (otro encabezado u otro separador); no se ha añadido nada. Elija otro archivo o sobrescríbalo.</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Output test mode is active.</source>
        <translation>El modo de prueba de la salida está activo.</translation>
    </message>
    <message>
        <source>Transmitter works without any errors.</source>
        <translation>El transmisor funciona sin errores.</translation>
    </message>
    <message>
        <source> 1 - Sensor Incorrectly Connected or Faulty</source>
        <translation> 1 - Sensor mal conectado o averiado</translation>
    </message>
    <message>
        <source> 2 - Primary Variable out of the Input Range</source>
        <translation> 2 - Variable primaria fuera del rango de entrada</translation>
    </message>
    <message>
        <source> 3 - EEPROM Error (Write Error)</source>
        <translation> 3 - Error de EEPROM (error de escritura)</translation>
    </message>
    <message>
        <source> 4 - EEPROM Error (CRC Error)</source>
        <translation> 4 - Error de EEPROM (error de CRC)</translation>
    </message>
    <message>
        <source> 5 - Misconfiguration (Incorrect Connection Code)</source>
        <translation> 5 - Configuración errónea (código de conexión incorrecto)</translation>
    </message>
    <message>
        <source> 6 - Internal Error (Divide by Zero)</source>
        <translation> 6 - Error interno (división por cero)</translation>
    </message>
    <message>
        <source> 7 - Limit Comparator Current Signaling</source>
        <translation> 7 - Señalización por corriente del comparador de límite</translation>
    </message>
    <message>
        <source> Reading CJ Temperature from Transmitter</source>
        <translation> Leyendo la temperatura de unión fría del transmisor</translation>
    </message>
    <message>
        <source>- constant</source>
        <translation>- constante</translation>
    </message>
    <message>
        <source>Attention, the transmitter was during reading in an error state which may cause incorrect value of cold junction temperature!</source>
        <translation>¡Atención, el transmisor estuvo en estado de error durante la lectura, lo que puede dar un valor incorrecto de la temperatura de unión fría!</translation>
    </message>
    <message>
        <source>Cold junction temperature cannot be read; the connected transmitter is not configured for thermocouple measuring.</source>
        <translation>No se puede leer la temperatura de unión fría; el transmisor conectado no está configurado para medir con termopar.</translation>
    </message>
    <message>
        <source>The connected transmitter %s is not supported by this version of LMK-17, cannot continue!</source>
        <translation>El transmisor conectado %s no está soportado por esta versión de LMK-17, ¡no se puede continuar!</translation>
    </message>
    <message>
        <source>Connected transmitter firmware version is not supported by this version of LMK-17, cannot continue!</source>
        <translation>La versión de firmware del transmisor conectado no está soportada por esta versión de LMK-17, ¡no se puede continuar!</translation>
    </message>
    <message>
        <source>Input range is not supported by this version of LMK-17, or was written wrongly.</source>
        <translation>El rango de entrada no está soportado por esta versión de LMK-17, o se escribió mal.</translation>
    </message>
    <message>
        <source>Try later version or contact your supplier.</source>
        <translation>Pruebe una versión posterior o póngase en contacto con su proveedor.</translation>
    </message>
    <message>
        <source>Transmitter configuration corrupt. Last writing probably not successful. Do you want to pre-set default configuration?</source>
        <translation>La configuración del transmisor está dañada. Probablemente la última escritura no tuvo éxito. ¿Desea establecer la configuración predeterminada?</translation>
    </message>
    <message>
        <source>Another transmitter was connected or configuration was changed. The transmitter configuration must be read again.<byte value="xd"/>
Do you want to read configuration from transmitter? If no, operation will be stopped.</source>
        <translation>Se ha conectado otro transmisor o se ha cambiado la configuración. Es necesario volver a leer la configuración del transmisor.<byte value="xd"/>
¿Desea leer la configuración del transmisor? Si no, la operación se detendrá.</translation>
    </message>
    <message>
        <source>Different type of transmitter is connected, cannot continue.</source>
        <translation>Está conectado un transmisor de otro tipo, no se puede continuar.</translation>
    </message>
    <message>
        <source>The connected transmitter uses earlier firmware version than required for storing the current configuration. Cannot continue.</source>
        <translation>El transmisor conectado tiene una versión de firmware anterior a la necesaria para guardar la configuración actual. No se puede continuar.</translation>
    </message>
    <message>
        <source>Connected transmitter is configured with fixed input range. Input range cannot be changed, cannot continue!</source>
        <translation>El transmisor conectado está configurado con un rango de entrada fijo. El rango de entrada no se puede cambiar, ¡no se puede continuar!</translation>
    </message>
    <message>
        <source>Another transmitter was connected, do you really want to continue?</source>
        <translation>Se ha conectado otro transmisor, ¿desea realmente continuar?</translation>
    </message>
    <message>
        <source> Reading Configuration from Transmitter</source>
        <translation> Leyendo la configuración del transmisor</translation>
    </message>
    <message>
        <source> Writing Configuration to Transmitter</source>
        <translation> Escribiendo la configuración en el transmisor</translation>
    </message>
    <message>
        <source>Configuration was written to transmitter without any errors.</source>
        <translation>La configuración se escribió en el transmisor sin errores.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>No se ha establecido ninguna configuración del transmisor.</translation>
    </message>
    <message>
        <source>Changes were not saved. Continue?</source>
        <translation>No se guardaron los cambios. ¿Continuar?</translation>
    </message>
    <message>
        <source>The period must be a number of seconds from 0.2 to 15.0. The value %1 stays.</source>
        <translation>El período debe ser un número de segundos entre 0,2 y 15,0. Se mantiene el valor %1.</translation>
    </message>
    <message>
        <source>The output test value must be a number from %1 to %2 %3 (a negative value leaves output test mode). The value %4 stays.</source>
        <translation>El valor de prueba de la salida debe ser un número de %1 a %2 %3 (un valor negativo sale del modo de prueba de la salida). Se mantiene el valor %4.</translation>
    </message>
    <message>
        <source> Checking the Written Configuration</source>
        <translation> Comprobación de la configuración escrita</translation>
    </message>
    <message>
        <source>The transmitter acknowledged the configuration, but reading it back gives other values than were written:</source>
        <translation>El transmisor confirmó la configuración, pero al volver a leerla da otros valores que los escritos:</translation>
    </message>
    <message>
        <source> parameter %1 (row %2): written %3, read %4</source>
        <translation> parámetro %1 (fila %2): escrito %3, leído %4</translation>
    </message>
    <message>
        <source>Error during reading the data from transmitter, repeat?</source>
        <translation>Error al leer los datos del transmisor, ¿repetir?</translation>
    </message>
    <message>
        <source>Error during writing the data to transmitter, repeat?</source>
        <translation>Error al escribir los datos en el transmisor, ¿repetir?</translation>
    </message>
    <message>
        <source>Error (&apos;Bad Parameters&apos;) during writing the data to transmitter!<byte value="xd"/>
Feasible solution: Stop writing now, set the default configuration (command from menu &apos;Transmitter&apos;) and write configuration to the transmitter.<byte value="xd"/>
Do You want to repeat this operation?</source>
        <translation>¡Error (&apos;Parámetros incorrectos&apos;) al escribir los datos en el transmisor!<byte value="xd"/>
Solución posible: detenga ahora la escritura, establezca la configuración predeterminada (orden del menú &apos;Transmisor&apos;) y escriba la configuración en el transmisor.<byte value="xd"/>
¿Desea repetir esta operación?</translation>
    </message>
    <message>
        <source>No communication port connected, cannot continue. Do you want to connect it now?</source>
        <translation>No hay ningún puerto de comunicación conectado, no se puede continuar. ¿Desea conectarlo ahora?</translation>
    </message>
    <message>
        <source>Error during transmitter configuration writing. Incorrect configuration settings may cause undefined errors. Configuration should be stored again.</source>
        <translation>Error al escribir la configuración en el transmisor. Una configuración incorrecta puede provocar errores indefinidos. La configuración debe volver a escribirse.</translation>
    </message>
    <message>
        <source>Do you really want to break operation?</source>
        <translation>¿Desea realmente interrumpir la operación?</translation>
    </message>
    <message>
        <source>Waiting for the line to fall quiet...</source>
        <translation>Esperando a que la línea quede en silencio...</translation>
    </message>
    <message>
        <source> Reading Configuration for the Backup</source>
        <translation> Leyendo la configuración para la copia de seguridad</translation>
    </message>
    <message>
        <source>The backup folder &apos;%1&apos; could not be created.</source>
        <translation>No se pudo crear la carpeta de copias de seguridad &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The transmitter&apos;s present configuration could not be kept as a backup, so nothing was written.</source>
        <translation>No se pudo guardar la configuración actual del transmisor como copia de seguridad, por lo que no se escribió nada.</translation>
    </message>
    <message>
        <source>Writing changes these values of the transmitter (now -&gt; written):</source>
        <translation>La escritura cambia estos valores del transmisor (ahora -&gt; escrito):</translation>
    </message>
    <message>
        <source> ... and %1 more</source>
        <translation> ... y %1 más</translation>
    </message>
    <message>
        <source> stored values beyond the digits shown: %1</source>
        <translation> valores almacenados más allá de los dígitos mostrados: %1</translation>
    </message>
    <message>
        <source>Write the configuration to the transmitter?</source>
        <translation>¿Escribir la configuración en el transmisor?</translation>
    </message>
    <message>
        <source>The transmitter already holds this configuration; nothing was written.</source>
        <translation>El transmisor ya contiene esta configuración; no se escribió nada.</translation>
    </message>
    <message>
        <source>The transmitter already holds this configuration. Write it anyway?</source>
        <translation>El transmisor ya contiene esta configuración. ¿Escribirla de todos modos?</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>Note.: </source>
        <translation>Nota: </translation>
    </message>
    <message>
        <source>Configured by</source>
        <translation>Configurado por</translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Fecha: </translation>
    </message>
    <message>
        <source> Transmitter Configuration Protocol </source>
        <translation> Protocolo de configuración del transmisor </translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Corrección</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Limit Comparator</source>
        <translation>Comparador de límite</translation>
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
        <translation>Activado</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Switch Level:</source>
        <translation>Nivel de conmutación:</translation>
    </message>
    <message>
        <source>Hysteresis:</source>
        <translation>Histéresis:</translation>
    </message>
    <message>
        <source>Switching Mode:</source>
        <translation>Modo de conmutación:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Indicate by Error Output:</source>
        <translation>Indicación por salida de error:</translation>
    </message>
    <message>
        <source>State on Error:</source>
        <translation>Estado en caso de error:</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Output Type:</source>
        <translation>Tipo de salida:</translation>
    </message>
    <message>
        <source>Output Saturation:</source>
        <translation>Saturación de la salida:</translation>
    </message>
    <message>
        <source>cca  %1 to %2 %3</source>
        <translation>aprox.  %1 a %2 %3</translation>
    </message>
    <message>
        <source>Damping:</source>
        <translation>Amortiguación:</translation>
    </message>
    <message>
        <source>Linearization:</source>
        <translation>Linealización:</translation>
    </message>
    <message>
        <source>Customer Linearization:</source>
        <translation>Linealización del cliente:</translation>
    </message>
    <message>
        <source>Lead Resistance 1:</source>
        <translation>Resistencia de línea 1:</translation>
    </message>
    <message>
        <source>Lead Resistance:</source>
        <translation>Resistencia de línea:</translation>
    </message>
    <message>
        <source>Lead Resistance 2:</source>
        <translation>Resistencia de línea 2:</translation>
    </message>
    <message>
        <source>Cold Junction Temperature:</source>
        <translation>Temperatura de unión fría:</translation>
    </message>
    <message>
        <source>- constant</source>
        <translation>- constante</translation>
    </message>
    <message>
        <source>Input Filter:</source>
        <translation>Filtro de entrada:</translation>
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
        <translation>Indicación de error:</translation>
    </message>
    <message>
        <source> and by Switching Relay</source>
        <translation> y por conmutación del relé</translation>
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
        <translation>Tipo de transmisor:</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Versión de firmware:</translation>
    </message>
    <message>
        <source>Identification:</source>
        <translation>Identificación:</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Fabricante:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Número de serie:</translation>
    </message>
    <message>
        <source>Date of Manufacturing:</source>
        <translation>Fecha de fabricación:</translation>
    </message>
    <message>
        <source>Date of Last Change:</source>
        <translation>Fecha del último cambio:</translation>
    </message>
    <message>
        <source>Working Time:</source>
        <translation>Tiempo de funcionamiento:</translation>
    </message>
    <message>
        <source>File Version:</source>
        <translation>Versión del archivo:</translation>
    </message>
    <message>
        <source>Input Range:</source>
        <translation>Rango de entrada:</translation>
    </message>
    <message>
        <source>Sensor Connection:</source>
        <translation>Conexión del sensor:</translation>
    </message>
    <message>
        <source>Set Range:</source>
        <translation>Rango ajustado:</translation>
    </message>
    <message>
        <source>Communication Parameters:</source>
        <translation>Parámetros de comunicación:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>BaudRate:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Paridad:</translation>
    </message>
    <message>
        <source>Text Note:</source>
        <translation>Nota de texto:</translation>
    </message>
    <message>
        <source>Configuration Security:</source>
        <translation>Seguridad de la configuración:</translation>
    </message>
    <message>
        <source>Change of the Configuration by the Set-up Unit is disallowed</source>
        <translation>No se permite el cambio de la configuración con la unidad de ajuste</translation>
    </message>
    <message>
        <source>Change of the Configuration by the Set-up Unit is allowed</source>
        <translation>Se permite el cambio de la configuración con la unidad de ajuste</translation>
    </message>
    <message>
        <source>None Decimal Place</source>
        <translation>Sin decimales</translation>
    </message>
    <message>
        <source>1 Decimal Place</source>
        <translation>1 decimal</translation>
    </message>
    <message>
        <source>2 Decimal Places</source>
        <translation>2 decimales</translation>
    </message>
    <message>
        <source>Points for Approximation:</source>
        <translation>Puntos para la aproximación:</translation>
    </message>
    <message>
        <source>No Points</source>
        <translation>Sin puntos</translation>
    </message>
    <message>
        <source> Transmitter Linearization Parameters </source>
        <translation> Parámetros de linealización del transmisor </translation>
    </message>
    <message>
        <source>Linear Table</source>
        <translation>Tabla de linealización</translation>
    </message>
    <message>
        <source>Start of X:</source>
        <translation>Inicio de X:</translation>
    </message>
    <message>
        <source>End of X:</source>
        <translation>Fin de X:</translation>
    </message>
    <message>
        <source>Start of Y:</source>
        <translation>Inicio de Y:</translation>
    </message>
    <message>
        <source>End of Y:</source>
        <translation>Fin de Y:</translation>
    </message>
    <message>
        <source>Display Configuration:</source>
        <translation>Configuración del display:</translation>
    </message>
    <message>
        <source>Cold Junction Compensation</source>
        <translation>Compensación de unión fría</translation>
    </message>
    <message>
        <source>Unit of X-Values:</source>
        <translation>Unidad de los valores X:</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>La impresión ha fallado.</translation>
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
        <translation>El error máximo de aproximación está en el punto </translation>
    </message>
    <message>
        <source>Minimum error of approximation is at point </source>
        <translation>El error mínimo de aproximación está en el punto </translation>
    </message>
    <message>
        <source>Approximation Graph</source>
        <translation>Gráfico de aproximación</translation>
    </message>
    <message>
        <source>Approximation Error Graph</source>
        <translation>Gráfico del error de aproximación</translation>
    </message>
    <message>
        <source> Approximation Graph</source>
        <translation> Gráfico de aproximación</translation>
    </message>
    <message>
        <source> Approximation Error Graph</source>
        <translation> Gráfico del error de aproximación</translation>
    </message>
</context>
<context>
    <name>lmk17::HelpViewer</name>
    <message>
        <source>LMK-17 Help</source>
        <translation>Ayuda de LMK-17</translation>
    </message>
    <message>
        <source>Type the keyword to find</source>
        <translation>Escriba la palabra clave que busca</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>The help was not found. Looked for the folder %1.</source>
        <translation>No se encontró la ayuda. Se buscó la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>lmk17::LinEditor</name>
    <message>
        <source>Attention! There were changes in the table of points for linearization but approximation process was not carried out. In this case linearization may content wrong data. We recommend doing approximation of the linearization again. Do you want to approximate now?</source>
        <translation>¡Atención! Hubo cambios en la tabla de puntos de linealización pero no se realizó la aproximación. La linealización puede contener datos erróneos. Recomendamos volver a aproximar la linealización. ¿Desea aproximar ahora?</translation>
    </message>
    <message>
        <source>Attention! There were changes in the table of points for CJ compensation but approximation process was not carried out. In this case CJ compensation may content wrong data. We recommend doing approximation of the CJ compensation again. Do you want to approximate now?</source>
        <translation>¡Atención! Hubo cambios en la tabla de puntos de la compensación de unión fría pero no se realizó la aproximación. La compensación de unión fría puede contener datos erróneos. Recomendamos volver a aproximar la compensación. ¿Desea aproximar ahora?</translation>
    </message>
    <message>
        <source>Attention! There were changes in the &apos;Sensor Specific Constants&apos; section but approximation process was not carried out. In this case linearization may content wrong data. We recommend doing approximation of the linearization again. Do you want to approximate now?</source>
        <translation>¡Atención! Hubo cambios en la sección &apos;Constantes específicas del sensor&apos; pero no se realizó la aproximación. La linealización puede contener datos erróneos. Recomendamos volver a aproximar la linealización. ¿Desea aproximar ahora?</translation>
    </message>
    <message>
        <source>Attention! Range of Y-values is out of display range! We recommend changing the display configuration or changing linearization. Do you want to configure parameters now?</source>
        <translation>¡Atención! ¡El rango de valores Y está fuera del rango del display! Recomendamos cambiar la configuración del display o la linealización. ¿Desea ajustar los parámetros ahora?</translation>
    </message>
    <message>
        <source>Changes were not saved. Do you want to save parameters to file now?</source>
        <translation>No se guardaron los cambios. ¿Desea guardar ahora los parámetros en un archivo?</translation>
    </message>
    <message>
        <source>Changes were not saved. Parameters will be erased. Do you really want to close the window?</source>
        <translation>No se guardaron los cambios. Los parámetros se perderán. ¿Desea realmente cerrar la ventana?</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Formato incorrecto del valor: </translation>
    </message>
    <message>
        <source>linearization table</source>
        <translation>tabla de linealización</translation>
    </message>
    <message>
        <source>CJ Compensation polynomial</source>
        <translation>polinomio de compensación de unión fría</translation>
    </message>
    <message>
        <source>Cannot add point to the table, table is full.</source>
        <translation>No se puede añadir el punto, la tabla está llena.</translation>
    </message>
</context>
<context>
    <name>lmk17::PrintController</name>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>E&amp;xportar a PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar a PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed, cannot continue.</source>
        <translation>No hay ninguna impresora instalada, no se puede continuar.</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>La impresión ha fallado.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>No se ha establecido ninguna configuración del transmisor.</translation>
    </message>
    <message>
        <source>Transmitter Configuration Protocol</source>
        <translation>Protocolo de configuración del transmisor</translation>
    </message>
    <message>
        <source>Transmitter Linearization Parameters</source>
        <translation>Parámetros de linealización del transmisor</translation>
    </message>
    <message>
        <source>Use “%1” in the File menu to save the protocol as a PDF file instead.</source>
        <translation>Use «%1» del menú Archivo para guardar el protocolo como archivo PDF.</translation>
    </message>
</context>
<context>
    <name>lmk17::TAdresaForm</name>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Velocidad de transmisión</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridad</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>lmk17::TGraphForm</name>
    <message>
        <source>Graph Scale:</source>
        <translation>Escala del gráfico:</translation>
    </message>
    <message>
        <source>X Axis:</source>
        <translation>Eje X:</translation>
    </message>
    <message>
        <source>Y Axis:</source>
        <translation>Eje Y:</translation>
    </message>
    <message>
        <source>Approximation Error:</source>
        <translation>Error de aproximación:</translation>
    </message>
    <message>
        <source> By clicking on value you can display coordinates of point, where this error was found. </source>
        <translation> Haciendo clic en el valor se muestran las coordenadas del punto donde se encontró este error. </translation>
    </message>
    <message>
        <source>Approximation Error Graph</source>
        <translation>Gráfico del error de aproximación</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>lmk17::TInfoPage</name>
    <message>
        <source>Transmitter</source>
        <translation>Transmisor</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Fabricante:</translation>
    </message>
    <message>
        <source>Transmitter Type:</source>
        <translation>Tipo de transmisor:</translation>
    </message>
    <message>
        <source>Date of Manufacturing:</source>
        <translation>Fecha de fabricación:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Número de serie:</translation>
    </message>
    <message>
        <source>Date of Last Change:</source>
        <translation>Fecha del último cambio:</translation>
    </message>
    <message>
        <source>Working Time:</source>
        <translation>Tiempo de funcionamiento:</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Carcasa</translation>
    </message>
    <message>
        <source>Picture not Available</source>
        <translation>Imagen no disponible</translation>
    </message>
</context>
<context>
    <name>lmk17::TInputPage</name>
    <message>
        <source>Input Range and Connection</source>
        <translation>Rango de entrada y conexión</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Linearization</source>
        <translation>Linealización</translation>
    </message>
    <message>
        <source>Input Range:</source>
        <translation>Rango de entrada:</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Conexión:</translation>
    </message>
    <message>
        <source>Measuring Range</source>
        <translation>Rango de medida</translation>
    </message>
    <message>
        <source>Lower Range Value:</source>
        <translation>Valor inferior del rango:</translation>
    </message>
    <message>
        <source>Upper Range Value:</source>
        <translation>Valor superior del rango:</translation>
    </message>
    <message>
        <source>Correction at Lower Range Value:</source>
        <translation>Corrección en el valor inferior del rango:</translation>
    </message>
    <message>
        <source>Correction at Upper Range Value:</source>
        <translation>Corrección en el valor superior del rango:</translation>
    </message>
    <message>
        <source>Lead Resistance</source>
        <translation>Resistencia de los conductores</translation>
    </message>
    <message>
        <source>Resistance:</source>
        <translation>Resistencia:</translation>
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
        <translation>Compensación de unión fría</translation>
    </message>
    <message>
        <source>CJ Temperature:</source>
        <translation>Temperatura de unión fría:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Damping and Error Current</source>
        <translation>Amortiguación y corriente de error</translation>
    </message>
    <message>
        <source>Damping:</source>
        <translation>Amortiguación:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Low Output</source>
        <translation>Salida baja</translation>
    </message>
    <message>
        <source>High Output</source>
        <translation>Salida alta</translation>
    </message>
    <message>
        <source>Error Current:</source>
        <translation>Corriente de error:</translation>
    </message>
    <message>
        <source>Limit Comparators</source>
        <translation>Comparadores de límite</translation>
    </message>
    <message>
        <source>Limit Comparator %1</source>
        <translation>Comparador de límite %1</translation>
    </message>
    <message>
        <source>Switching Level:</source>
        <translation>Nivel de conmutación:</translation>
    </message>
    <message>
        <source>Hysteresis:</source>
        <translation>Histéresis:</translation>
    </message>
    <message>
        <source> Normal</source>
        <translation> Normal</translation>
    </message>
    <message>
        <source> Reverse</source>
        <translation> Inverso</translation>
    </message>
    <message>
        <source>Switching Mode:</source>
        <translation>Modo de conmutación:</translation>
    </message>
    <message>
        <source>Indicate by Error Current</source>
        <translation>Indicar mediante corriente de error</translation>
    </message>
    <message>
        <source>State on Error:</source>
        <translation>Estado en caso de error:</translation>
    </message>
    <message>
        <source> Switch Off</source>
        <translation> Desconectar</translation>
    </message>
    <message>
        <source> Switch On</source>
        <translation> Conectar</translation>
    </message>
    <message>
        <source>Transmitter Error:</source>
        <translation>Error del transmisor:</translation>
    </message>
    <message>
        <source>By Relay 1 On</source>
        <translation>Con relé 1 activado</translation>
    </message>
    <message>
        <source>By Relay 2 On</source>
        <translation>Con relé 2 activado</translation>
    </message>
    <message>
        <source>Input Filter</source>
        <translation>Filtro de entrada</translation>
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
        <translation>Impedir el cambio de la configuración del transmisor desde la unidad de ajuste</translation>
    </message>
    <message>
        <source>User Note:</source>
        <translation>Nota del usuario:</translation>
    </message>
    <message>
        <source> Linearization and Cold Junction Compensation Setup </source>
        <translation> Configuración de la linealización y de la compensación de unión fría </translation>
    </message>
    <message>
        <source> Limit comparator 1 switching polarity. </source>
        <translation> Polaridad de conmutación del comparador de límite 1. </translation>
    </message>
    <message>
        <source> Limit comparator 2 switching polarity. </source>
        <translation> Polaridad de conmutación del comparador de límite 2. </translation>
    </message>
</context>
<context>
    <name>lmk17::TLinearForm</name>
    <message>
        <source>Linearization and Cold Junction Compensation</source>
        <translation>Linealización y compensación de unión fría</translation>
    </message>
    <message>
        <source> Linearization </source>
        <translation> Linealización </translation>
    </message>
    <message>
        <source>Cold Junction Compensation</source>
        <translation>Compensación de unión fría</translation>
    </message>
    <message>
        <source>Sensor Specific Characterization</source>
        <translation>Caracterización específica del sensor</translation>
    </message>
    <message>
        <source> Linearization - detail </source>
        <translation> Linealización - detalle </translation>
    </message>
    <message numerus="yes">
        <source>%n pasted row(s) did not fit into the table and were left out.</source>
        <translation>
            <numerusform>%n fila(s) pegada(s) no cabían en la tabla y se omitieron.</numerusform>
            <numerusform>%n fila(s) pegada(s) no cabían en la tabla y se omitieron.</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you really want to clear the table of linearization points?</source>
        <translation>¿Desea realmente borrar la tabla de puntos de linealización?</translation>
    </message>
    <message>
        <source>Do you really want to clear the table of cold junction compensation points</source>
        <translation>¿Desea realmente borrar la tabla de puntos de la compensación de unión fría</translation>
    </message>
    <message>
        <source> Linearization Graph</source>
        <translation> Gráfico de linealización</translation>
    </message>
    <message>
        <source> Cold Junction Compensation Graph</source>
        <translation> Gráfico de compensación de unión fría</translation>
    </message>
    <message>
        <source>&amp;Add Coordinates to the Table</source>
        <translation>&amp;Añadir coordenadas a la tabla</translation>
    </message>
    <message>
        <source>&amp;Copy Graph to the Clipboard</source>
        <translation>&amp;Copiar el gráfico al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Save the Linearization Parameters</source>
        <translation>&amp;Guardar los parámetros de linealización</translation>
    </message>
    <message>
        <source>&amp;Load the Linearization Parameters</source>
        <translation>&amp;Cargar los parámetros de linealización</translation>
    </message>
    <message>
        <source>Linearization Files (*.lin *.LIN)</source>
        <translation>Archivos de linealización (*.lin *.LIN)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>Con&amp;figurar impresora</translation>
    </message>
    <message>
        <source>&amp;Print the Linearization Parameters</source>
        <translation>&amp;Imprimir los parámetros de linealización</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Edit the &amp;Linear Table</source>
        <translation>Editar la tabla de &amp;linealización</translation>
    </message>
    <message>
        <source>Edit the Cold &amp;Junction Compensation</source>
        <translation>Editar la compensación de &amp;unión fría</translation>
    </message>
    <message>
        <source>Edit the &amp;Sensor-Specific Characterization</source>
        <translation>Editar la caracterización específica del &amp;sensor</translation>
    </message>
    <message>
        <source>&amp;Clear the Table for Linearization</source>
        <translation>&amp;Borrar la tabla de linealización</translation>
    </message>
    <message>
        <source>Clear the Table for Cold Junction C&amp;ompensation</source>
        <translation>Borrar la tabla de &amp;compensación de unión fría</translation>
    </message>
    <message>
        <source>Set &amp;Default Linearization</source>
        <translation>Establecer la linealización pre&amp;determinada</translation>
    </message>
    <message>
        <source>Set Default Linearization &amp;and CJ Compensation</source>
        <translation>Establecer la linealización &amp;y la compensación UF predeterminadas</translation>
    </message>
    <message>
        <source>&amp;Approximation</source>
        <translation>A&amp;proximación</translation>
    </message>
    <message>
        <source>&amp;Linearization</source>
        <translation>&amp;Linealización</translation>
    </message>
    <message>
        <source>&amp;Cold Junction Compensation</source>
        <translation>&amp;Compensación de unión fría</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Start of X :</source>
        <translation>Inicio de X :</translation>
    </message>
    <message>
        <source>End of X :</source>
        <translation>Fin de X :</translation>
    </message>
    <message>
        <source>Start of Y :</source>
        <translation>Inicio de Y :</translation>
    </message>
    <message>
        <source>End of Y :</source>
        <translation>Fin de Y :</translation>
    </message>
    <message>
        <source>Units of  X : </source>
        <translation>Unidades de X : </translation>
    </message>
    <message>
        <source>Units of Y :</source>
        <translation>Unidades de Y :</translation>
    </message>
    <message>
        <source>Display Configuration</source>
        <translation>Configuración del display</translation>
    </message>
    <message>
        <source> None Decimal Place</source>
        <translation> Sin decimales</translation>
    </message>
    <message>
        <source> 1 Decimal Place</source>
        <translation> 1 decimal</translation>
    </message>
    <message>
        <source> 2 Decimal Places</source>
        <translation> 2 decimales</translation>
    </message>
    <message>
        <source>Linearization Approximation</source>
        <translation>Aproximación de la linealización</translation>
    </message>
    <message>
        <source>Clear Table</source>
        <translation>Borrar tabla</translation>
    </message>
    <message>
        <source>Units of the X-Values: </source>
        <translation>Unidades de los valores X: </translation>
    </message>
    <message>
        <source>CJ Compensation Approximate</source>
        <translation>Aproximar compensación UF</translation>
    </message>
    <message>
        <source>Default Constants (IEC 751/A2)</source>
        <translation>Constantes estándar (IEC 751/A2)</translation>
    </message>
    <message>
        <source>for -200 °C to 0 °C:</source>
        <translation>para -200 °C a 0 °C:</translation>
    </message>
    <message>
        <source>Rt = R0 * [1 + A*t + B*t^2 + C*( t- 100°C )*t^3] </source>
        <translation>Rt = R0 * [1 + A*t + B*t^2 + C*( t- 100°C )*t^3] </translation>
    </message>
    <message>
        <source>for 0 °C to 850 °C:</source>
        <translation>para 0 °C a 850 °C:</translation>
    </message>
    <message>
        <source>Rt = R0 * (1 + A*t + B*t^2)</source>
        <translation>Rt = R0 * (1 + A*t + B*t^2)</translation>
    </message>
    <message>
        <source>Sensor-Specific Constants according to IEC 751/A2 </source>
        <translation>Constantes específicas del sensor según IEC 751/A2 </translation>
    </message>
    <message>
        <source>Resistance at Temperature 0°C:</source>
        <translation>Resistencia a la temperatura de 0°C:</translation>
    </message>
    <message>
        <source>Resistance at Temperature T1:</source>
        <translation>Resistencia a la temperatura T1:</translation>
    </message>
    <message>
        <source>One-Point Calibration according to IEC 751/A2 </source>
        <translation>Calibración en un punto según IEC 751/A2 </translation>
    </message>
    <message>
        <source>Calculate Linearization according to Constants</source>
        <translation>Calcular la linealización según las constantes</translation>
    </message>
    <message>
        <source>&amp;Export the Linearization Parameters as PDF…</source>
        <translation>E&amp;xportar los parámetros de linealización a PDF…</translation>
    </message>
    <message>
        <source>Load the Linearization Parameters</source>
        <translation>Cargar los parámetros de linealización</translation>
    </message>
    <message>
        <source>Save the Linearization Parameters</source>
        <translation>Guardar los parámetros de linealización</translation>
    </message>
</context>
<context>
    <name>lmk17::TMainForm</name>
    <message>
        <source>&amp;Load Configuration</source>
        <translation>&amp;Cargar configuración</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>&amp;Guardar configuración</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>Con&amp;figurar impresora</translation>
    </message>
    <message>
        <source>&amp;Print Configuration</source>
        <translation>&amp;Imprimir configuración</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>&amp;Leer configuración</translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation>&amp;Escribir configuración</translation>
    </message>
    <message>
        <source>Set &amp;Default Configuration</source>
        <translation>Establecer configuración pre&amp;determinada</translation>
    </message>
    <message>
        <source>View &amp;Ordering Code</source>
        <translation>Ver el código de &amp;pedido</translation>
    </message>
    <message>
        <source>Read Wor&amp;king Time</source>
        <translation>Leer el &amp;tiempo de funcionamiento</translation>
    </message>
    <message>
        <source>Read &amp;Primary Variable Value</source>
        <translation>Leer el valor de la variable p&amp;rimaria</translation>
    </message>
    <message>
        <source>Read Cold &amp;Junction Temperature</source>
        <translation>Leer la temperatura de &amp;unión fría</translation>
    </message>
    <message>
        <source>Monitoring &amp;START</source>
        <translation>Monitorización &amp;INICIO</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Monitoring S&amp;TOP</source>
        <translation>Monitorización P&amp;ARADA</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>View the Monitoring &amp;Graph</source>
        <translation>Ver el &amp;gráfico de monitorización</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Monitoring P&amp;arameters</source>
        <translation>Pará&amp;metros de monitorización</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Entrada</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Salida</translation>
    </message>
    <message>
        <source>I&amp;nformation</source>
        <translation>&amp;Información</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Monitoring</source>
        <translation>&amp;Monitorización</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Ctrl+F1</source>
        <translation>Ctrl+F1</translation>
    </message>
    <message>
        <source>Browse &amp;WWW site</source>
        <translation>Visitar el sitio &amp;web</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Acerca de ...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Transmitter</source>
        <translation>&amp;Transmisor</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>Aj&amp;ustes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Monitoring</source>
        <translation>Monitorización</translation>
    </message>
    <message>
        <source>  Transmitter </source>
        <translation>  Transmisor </translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Comunicación</translation>
    </message>
    <message>
        <source>       File </source>
        <translation>       Archivo </translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>       Printer </source>
        <translation>       Impresora </translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source> View Window About Application </source>
        <translation> Ver la ventana Acerca de la aplicación </translation>
    </message>
    <message>
        <source> Read Configuration from Transmitter </source>
        <translation> Leer la configuración del transmisor </translation>
    </message>
    <message>
        <source> Write Configuration to Transmitter </source>
        <translation> Escribir la configuración en el transmisor </translation>
    </message>
    <message>
        <source> Load Configuration from File </source>
        <translation> Cargar configuración desde archivo </translation>
    </message>
    <message>
        <source> Save Configuration to File </source>
        <translation> Guardar la configuración en un archivo </translation>
    </message>
    <message>
        <source> Select Printer and Printer Setup </source>
        <translation> Seleccionar y configurar la impresora </translation>
    </message>
    <message>
        <source> Print Configuration </source>
        <translation> Imprimir configuración </translation>
    </message>
    <message>
        <source> Transmitter Communication Parameters Setup </source>
        <translation> Ajuste de los parámetros de comunicación del transmisor </translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Guardar configuración</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Cargar configuración</translation>
    </message>
    <message>
        <source>Configuration Files (*.ptf *.PTF)</source>
        <translation>Archivos de configuración (*.ptf *.PTF)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source> Save the configuration protocol as a PDF file </source>
        <translation> Guardar el protocolo de configuración como archivo PDF </translation>
    </message>
    <message>
        <source>&amp;Line Traffic</source>
        <translation>&amp;Tráfico de la línea</translation>
    </message>
    <message>
        <source>&amp;Compare with File…</source>
        <translation>Co&amp;mparar con un archivo…</translation>
    </message>
    <message>
        <source>&amp;Compare with Transmitter</source>
        <translation>&amp;Comparar con el transmisor</translation>
    </message>
    <message>
        <source>&amp;Restore from Backup…</source>
        <translation>&amp;Restaurar desde copia de seguridad…</translation>
    </message>
    <message>
        <source>&amp;Backups and Writing…</source>
        <translation>&amp;Copias de seguridad y escritura…</translation>
    </message>
    <message>
        <source>Write to Se&amp;veral Transmitters…</source>
        <translation>Escribir en &amp;varios transmisores…</translation>
    </message>
</context>
<context>
    <name>lmk17::TMonGraphForm</name>
    <message>
        <source> Monitoring Graph</source>
        <translation> Gráfico de monitorización</translation>
    </message>
    <message>
        <source>&amp;Copy Graph to the Clipboard</source>
        <translation>&amp;Copiar el gráfico al portapapeles</translation>
    </message>
    <message>
        <source>Show / Hide &amp;Grids</source>
        <translation>Mostrar / ocultar c&amp;uadrícula</translation>
    </message>
    <message>
        <source>C&amp;lear the Graph</source>
        <translation>&amp;Borrar el gráfico</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Restablecer zoom</translation>
    </message>
    <message>
        <source>&amp;Save Graph as PNG...</source>
        <translation>&amp;Guardar gráfico como PNG...</translation>
    </message>
    <message>
        <source>&amp;Export Points as CSV...</source>
        <translation>&amp;Exportar puntos como CSV...</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>Dirección %1</translation>
    </message>
    <message>
        <source>Do you really want to erase the graph?</source>
        <translation>¿Desea realmente borrar el gráfico?</translation>
    </message>
    <message>
        <source>The graph could not be saved as &quot;%1&quot;.</source>
        <translation>No se pudo guardar el gráfico como «%1».</translation>
    </message>
    <message>
        <source>The points could not be exported to &quot;%1&quot;: %2</source>
        <translation>No se pudieron exportar los puntos a «%1»: %2</translation>
    </message>
    <message>
        <source>Save Graph as PNG</source>
        <translation>Guardar gráfico como PNG</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export Points as CSV</source>
        <translation>Exportar puntos como CSV</translation>
    </message>
    <message>
        <source>CSV, comma separated (*.csv)</source>
        <translation>CSV, separado por comas (*.csv)</translation>
    </message>
    <message>
        <source>CSV, semicolon separated, decimal comma (*.csv)</source>
        <translation>CSV, separado por punto y coma, coma decimal (*.csv)</translation>
    </message>
</context>
<context>
    <name>lmk17::TMonParForm</name>
    <message>
        <source> Monitoring Parameters</source>
        <translation> Parámetros de monitorización</translation>
    </message>
    <message>
        <source>Time Interval [s]:</source>
        <translation>Intervalo de tiempo [s]:</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Graph of the PV Value History:</source>
        <translation>Gráfico del historial del valor PV:</translation>
    </message>
    <message>
        <source> None</source>
        <translation> Ninguno</translation>
    </message>
    <message>
        <source> Cross</source>
        <translation> Cruz</translation>
    </message>
    <message>
        <source> Solid Circle</source>
        <translation> Círculo relleno</translation>
    </message>
    <message>
        <source> Solid Square</source>
        <translation> Cuadrado relleno</translation>
    </message>
    <message>
        <source> Small Solid Circle</source>
        <translation> Círculo relleno pequeño</translation>
    </message>
    <message>
        <source> Small Solid Square</source>
        <translation> Cuadrado relleno pequeño</translation>
    </message>
    <message>
        <source>Graph Point Symbols:</source>
        <translation>Símbolos de los puntos del gráfico:</translation>
    </message>
    <message>
        <source>Log Format :</source>
        <translation>Formato del registro :</translation>
    </message>
    <message>
        <source> &apos; , &apos; - Dash</source>
        <translation> &apos; , &apos; - coma</translation>
    </message>
    <message>
        <source> &apos; . &apos; - Dot </source>
        <translation> &apos; . &apos; - punto </translation>
    </message>
    <message>
        <source>Decimal Separator:</source>
        <translation>Separador decimal:</translation>
    </message>
    <message>
        <source>Number of Significant Places of the PV:</source>
        <translation>Número de cifras significativas de la PV:</translation>
    </message>
    <message>
        <source>Write all Records</source>
        <translation>Escribir todos los registros</translation>
    </message>
    <message>
        <source>Write when:</source>
        <translation>Escribir cuando:</translation>
    </message>
    <message>
        <source>Change of the PV Value i more than [%] :</source>
        <translation>el cambio del valor PV es mayor que [%] :</translation>
    </message>
    <message>
        <source>Transmitter is in Error State</source>
        <translation>el transmisor está en estado de error</translation>
    </message>
    <message>
        <source>Communication Error appears</source>
        <translation>se produce un error de comunicación</translation>
    </message>
    <message>
        <source>With Time Period  [sec] :</source>
        <translation>Con el periodo  [sec] :</translation>
    </message>
    <message>
        <source>Monitor the Transmitter:</source>
        <translation>Monitorizar el transmisor:</translation>
    </message>
    <message>
        <source>with the Address</source>
        <translation>con la dirección</translation>
    </message>
    <message>
        <source>e.g. 0,3,5-7</source>
        <translation>p. ej. 0,3,5-7</translation>
    </message>
    <message>
        <source>Several transmitters on one line, polled in turn each cycle (up to 32 addresses). Empty: the one address above.</source>
        <translation>Varios transmisores en una línea, consultados por turno en cada ciclo (hasta 32 direcciones). Vacío: solo la dirección de arriba.</translation>
    </message>
    <message>
        <source>or the Addresses:</source>
        <translation>o las direcciones:</translation>
    </message>
    <message>
        <source>Write Records to the Log File :</source>
        <translation>Escribir registros en el archivo de registro :</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Rewrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: %2</source>
        <translation>No se puede usar la lista de direcciones «%1»: %2</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>Archivo de registro</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
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
        <translation>Codificación del registro de texto:</translation>
    </message>
</context>
<context>
    <name>lmk17::TMonitoringPage</name>
    <message>
        <source>Start </source>
        <translation>Iniciar </translation>
    </message>
    <message>
        <source>Stop </source>
        <translation>Detener </translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parámetros</translation>
    </message>
    <message>
        <source>View Graph</source>
        <translation>Ver gráfico</translation>
    </message>
    <message>
        <source>Clear Log </source>
        <translation>Borrar registro </translation>
    </message>
    <message>
        <source>The communication port was lost; trying to open it again every 2 s.</source>
        <translation>Se perdió el puerto de comunicación; se intenta abrirlo de nuevo cada 2 s.</translation>
    </message>
    <message>
        <source>Reading the transmitter</source>
        <translation>Leyendo el transmisor</translation>
    </message>
    <message>
        <source>Log not written</source>
        <translation>Registro no escrito</translation>
    </message>
    <message>
        <source>The lines of the monitoring log are not reaching the log file; they are counted, and the log says how many when writing resumes.</source>
        <translation>Las líneas del registro de monitorización no llegan al archivo de registro; se cuentan, y el registro indica cuántas cuando se reanuda la escritura.</translation>
    </message>
    <message>
        <source>Monitoring activity</source>
        <translation>Actividad de la monitorización</translation>
    </message>
    <message>
        <source>Monitoring activity: green while the transmitter is being read, red when the communication port is lost</source>
        <translation>Actividad de la monitorización: verde mientras se lee el transmisor, rojo si se pierde el puerto de comunicación</translation>
    </message>
</context>
<context>
    <name>lmk17::TOutRangePicture</name>
    <message>
        <source>limit</source>
        <translation>límite</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>Lower Range Value</source>
        <translation>Valor inferior del rango</translation>
    </message>
    <message>
        <source>Upper Range Value</source>
        <translation>Valor superior del rango</translation>
    </message>
</context>
<context>
    <name>lmk17::TOutputPage</name>
    <message>
        <source>Output Range</source>
        <translation>Rango de salida</translation>
    </message>
    <message>
        <source>Output Type:</source>
        <translation>Tipo de salida:</translation>
    </message>
    <message>
        <source>Output Limits and Error Outputs</source>
        <translation>Límites de salida y salidas de error</translation>
    </message>
    <message>
        <source>Lower Output Range:</source>
        <translation>Valor inferior del rango de salida:</translation>
    </message>
    <message>
        <source>Upper Output Range:</source>
        <translation>Valor superior del rango de salida:</translation>
    </message>
    <message>
        <source>Lower Output Limit:</source>
        <translation>Límite inferior de salida:</translation>
    </message>
    <message>
        <source>Upper Output Limit:</source>
        <translation>Límite superior de salida:</translation>
    </message>
    <message>
        <source>Lower Error Output:</source>
        <translation>Salida de error inferior:</translation>
    </message>
    <message>
        <source>Upper Error Output:</source>
        <translation>Salida de error superior:</translation>
    </message>
    <message>
        <source>Default Parameters</source>
        <translation>Parámetros predeterminados</translation>
    </message>
</context>
<context>
    <name>lmk17::TPodpisForm</name>
    <message>
        <source>  Sign and Note</source>
        <translation>  Firma y nota</translation>
    </message>
    <message>
        <source>&amp;Configured by :</source>
        <translation>&amp;Configurado por :</translation>
    </message>
    <message>
        <source>&amp;Note :</source>
        <translation>&amp;Nota :</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>lmk17::TSettingsForm</name>
    <message>
        <source>Baud Rate</source>
        <translation>Velocidad de transmisión</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridad</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source> Pick a serial port, or type the path of a device (e.g. a terminal of lmk17-sim) and press Enter </source>
        <translation> Elija un puerto serie o escriba la ruta de un dispositivo (p. ej. un terminal de lmk17-sim) y pulse Intro </translation>
    </message>
    <message>
        <source>Serial Port:</source>
        <translation>Puerto serie:</translation>
    </message>
    <message>
        <source>Transmitter (DA):</source>
        <translation>Transmisor (DA):</translation>
    </message>
    <message>
        <source>PC (SA):</source>
        <translation>PC (SA):</translation>
    </message>
    <message>
        <source>%1: no such device.</source>
        <translation>%1: no existe ese dispositivo.</translation>
    </message>
    <message>
        <source>LMK-17</source>
        <translation>LMK-17</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>&amp;Search…</source>
        <translation>&amp;Buscar…</translation>
    </message>
    <message>
        <source> Find the transmitters on the line whatever their address, baud rate and parity </source>
        <translation> Encuentra los transmisores de la línea sea cual sea su dirección, velocidad y paridad </translation>
    </message>
</context>
<context>
    <name>lmk17::TToolsPage</name>
    <message>
        <source>  Primary Variable and Output  </source>
        <translation>  Variable primaria y salida  </translation>
    </message>
    <message>
        <source>  Cold Junction Temperature  </source>
        <translation>  Temperatura de unión fría  </translation>
    </message>
    <message>
        <source>Read from Transmitter</source>
        <translation>Leer del transmisor</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>  Working Time  </source>
        <translation>  Tiempo de funcionamiento  </translation>
    </message>
    <message>
        <source>Refresh Working Time</source>
        <translation>Actualizar tiempo de funcionamiento</translation>
    </message>
    <message>
        <source>Interval Reading, with Time Interval [s] :</source>
        <translation>Lectura periódica, con intervalo de tiempo [s] :</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>  &amp;Output Testing  </source>
        <translation>  &amp;Prueba de salida  </translation>
    </message>
    <message>
        <source>Output Value %1:</source>
        <translation>Valor de salida %1:</translation>
    </message>
    <message>
        <source>Output Current Value 1-3 Automatic Setting, with Time Interval [s] :</source>
        <translation>Ajuste automático de la corriente de salida 1-3, con intervalo de tiempo [s] :</translation>
    </message>
    <message>
        <source>Exit Testing</source>
        <translation>Salir de la prueba</translation>
    </message>
    <message>
        <source>Output Value %1</source>
        <translation>Valor de salida %1</translation>
    </message>
    <message>
        <source>Automatic Setting, Time Interval [s]</source>
        <translation>Ajuste automático, intervalo de tiempo [s]</translation>
    </message>
    <message>
        <source>Interval Reading, Time Interval [s]</source>
        <translation>Lectura por intervalos, intervalo de tiempo [s]</translation>
    </message>
</context>
<context>
    <name>HousingDrawing</name>
    <message>
        <source>input 1–4</source>
        <translation>entrada 1–4</translation>
    </message>
    <message>
        <source>output and relays</source>
        <translation>salida y relés</translation>
    </message>
    <message>
        <source>output</source>
        <translation>salida</translation>
    </message>
    <message>
        <source>sensor head mount</source>
        <translation>montaje en cabezal</translation>
    </message>
</context>
<context>
    <name>lmk17::TColorSchemeMenu</name>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Colores</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Claro</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Oscuro</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Del sistema</translation>
    </message>
</context>
<context>
    <name>lmk17::TLineTrafficForm</name>
    <message>
        <source>Line Traffic</source>
        <translation>Tráfico de la línea</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Tiempo (ms)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Decoded</source>
        <translation>Decodificado</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save as Text…</source>
        <translation>Guardar como texto…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Frames on the line</source>
        <translation>Tramas en la línea</translation>
    </message>
    <message>
        <source> Stop the list while the line goes on; the frames are kept </source>
        <translation> Detiene la lista mientras la línea sigue; las tramas se conservan </translation>
    </message>
    <message>
        <source> Copy the selected lines, or all listed lines when none is selected </source>
        <translation> Copia las líneas seleccionadas, o todas las listadas si no hay ninguna seleccionada </translation>
    </message>
    <message>
        <source>Filter by address</source>
        <translation>Filtrar por dirección</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Todas las direcciones</translation>
    </message>
    <message>
        <source>Filter by parameter</source>
        <translation>Filtrar por parámetro</translation>
    </message>
    <message>
        <source>All parameters</source>
        <translation>Todos los parámetros</translation>
    </message>
    <message>
        <source>Filter by verdict</source>
        <translation>Filtrar por veredicto</translation>
    </message>
    <message>
        <source>All verdicts</source>
        <translation>Todos los veredictos</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>P&amp;arameter:</source>
        <translation>P&amp;arámetro:</translation>
    </message>
    <message>
        <source>&amp;Verdict:</source>
        <translation>&amp;Veredicto:</translation>
    </message>
    <message>
        <source>Save Line Traffic</source>
        <translation>Guardar el tráfico de la línea</translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Frames listed: %1</source>
        <translation>Tramas listadas: %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>En pausa: %1</translation>
    </message>
    <message>
        <source>; %1 not listed (more than the buffer holds)</source>
        <translation>; %1 sin listar (más de lo que cabe en el búfer)</translation>
    </message>
    <message>
        <source>request</source>
        <translation>petición</translation>
    </message>
    <message>
        <source>repeat</source>
        <translation>repetición</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>respuesta</translation>
    </message>
    <message>
        <source>echo dropped</source>
        <translation>eco descartado</translation>
    </message>
    <message>
        <source>noise dropped</source>
        <translation>ruido descartado</translation>
    </message>
    <message>
        <source>misshapen</source>
        <translation>trama deformada</translation>
    </message>
    <message>
        <source>late</source>
        <translation>tardía</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>tiempo agotado</translation>
    </message>
</context>
<context>
    <name>lmk17::TSearchForm</name>
    <message>
        <source>Search for Transmitters</source>
        <translation>Buscar transmisores</translation>
    </message>
    <message>
        <source>Find every transmitter on the line</source>
        <translation>Encontrar todos los transmisores de la línea</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Cancel Search</source>
        <translation>Cancelar la búsqueda</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Transmitters found</source>
        <translation>Transmisores encontrados</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridad</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Input Range</source>
        <translation>Rango de entrada</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Progreso de la búsqueda</translation>
    </message>
    <message>
        <source> Talk to the transmitter picked: its address, baud rate and parity become the program&apos;s communication parameters </source>
        <translation> Comunicar con el transmisor elegido: su dirección, velocidad y paridad pasan a ser los parámetros de comunicación del programa </translation>
    </message>
    <message>
        <source>The search cannot start: connect a serial port first, and wait until the operation under way has ended.</source>
        <translation>La búsqueda no puede empezar: conecte primero un puerto serie y espere a que termine la operación en curso.</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Buscando…</translation>
    </message>
    <message>
        <source>(not identified)</source>
        <translation>(no identificado)</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>Búsqueda cancelada.</translation>
    </message>
    <message>
        <source>No transmitter answered.</source>
        <translation>Ningún transmisor respondió.</translation>
    </message>
    <message>
        <source>Transmitters found: %1. Pick one and press Use.</source>
        <translation>Transmisores encontrados: %1. Elija uno y pulse Usar.</translation>
    </message>
</context>
<context>
    <name>lmk17::TCompareForm</name>
    <message>
        <source>Compare Configurations</source>
        <translation>Comparar configuraciones</translation>
    </message>
    <message>
        <source>This Configuration</source>
        <translation>Esta configuración</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>Transmisor</translation>
    </message>
    <message>
        <source>Show all fields</source>
        <translation>Mostrar todos los campos</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exportar como PDF…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Fields compared</source>
        <translation>Campos comparados</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Configuration Comparison</source>
        <translation>Comparación de configuraciones</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Date: </source>
        <translation>Fecha: </translation>
    </message>
    <message>
        <source> Configuration Comparison </source>
        <translation> Comparación de configuraciones </translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>1 field differs.</source>
        <translation>1 campo es distinto.</translation>
    </message>
    <message>
        <source>Fields that differ: %1.</source>
        <translation>Campos distintos: %1.</translation>
    </message>
    <message>
        <source>The listed values are equal; the stored values differ in: %1.</source>
        <translation>Los valores mostrados son iguales; los valores guardados difieren en: %1.</translation>
    </message>
    <message>
        <source>The configurations are equal.</source>
        <translation>Las configuraciones son iguales.</translation>
    </message>
</context>
<context>
    <name>lmk17::TRestoreForm</name>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Restaurar desde copia de seguridad</translation>
    </message>
    <message>
        <source>Backups of the transmitter</source>
        <translation>Copias de seguridad del transmisor</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Creada</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>Differing fields</source>
        <translation>Campos distintos</translation>
    </message>
    <message>
        <source>Restore the chosen backup</source>
        <translation>Restaurar la copia de seguridad elegida</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>No backups of transmitter %1 were found in %2.</source>
        <translation>No se encontraron copias de seguridad del transmisor %1 en %2.</translation>
    </message>
    <message>
        <source>(no backup folder)</source>
        <translation>(ninguna carpeta de copias)</translation>
    </message>
    <message>
        <source>Backups of transmitter %1 in %2:</source>
        <translation>Copias de seguridad del transmisor %1 en %2:</translation>
    </message>
</context>
<context>
    <name>lmk17::TBackupSettingsForm</name>
    <message>
        <source>Backups and Writing</source>
        <translation>Copias de seguridad y escritura</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Show the changes and ask before writing</source>
        <translation>Mostrar los cambios y preguntar antes de escribir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Carpeta de copias de seguridad</translation>
    </message>
    <message>
        <source>Empty: %1</source>
        <translation>Vacío: %1</translation>
    </message>
    <message>
        <source>Choose the backup folder</source>
        <translation>Elegir la carpeta de copias de seguridad</translation>
    </message>
    <message>
        <source>Backups kept per transmitter</source>
        <translation>Copias de seguridad guardadas por transmisor</translation>
    </message>
    <message>
        <source>Backup folder:</source>
        <translation>Carpeta de copias de seguridad:</translation>
    </message>
    <message>
        <source>Backups kept per transmitter:</source>
        <translation>Copias de seguridad guardadas por transmisor:</translation>
    </message>
    <message>
        <source>Before every write the configuration the transmitter holds is kept in the backup folder, in a folder of its own per serial number. Backups newer than a week are never deleted.</source>
        <translation>Antes de cada escritura, la configuración que contiene el transmisor se guarda en la carpeta de copias de seguridad, en una carpeta propia por número de serie. Las copias de menos de una semana nunca se borran.</translation>
    </message>
</context>
<context>
    <name>BatchWrite</name>
    <message>
        <source>Enter the addresses of the transmitters, e.g. 1-8 or 1,3,5-7 (0..31).</source>
        <translation>Introduzca las direcciones de los transmisores, p. ej. 1-8 o 1,3,5-7 (0..31).</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>escrito y verificado</translation>
    </message>
    <message>
        <source>unchanged: it held the configuration</source>
        <translation>sin cambios: ya tenía la configuración</translation>
    </message>
    <message>
        <source>FAILED: written, but reading it back gives other values</source>
        <translation>ERROR: escrito, pero al leerlo de nuevo da otros valores</translation>
    </message>
    <message>
        <source>FAILED: no backup could be kept; nothing written</source>
        <translation>ERROR: no se pudo guardar la copia de seguridad; no se escribió nada</translation>
    </message>
    <message>
        <source>FAILED: refused; nothing written</source>
        <translation>ERROR: rechazado; no se escribió nada</translation>
    </message>
    <message>
        <source>FAILED: not confirmed; nothing written</source>
        <translation>ERROR: no confirmado; no se escribió nada</translation>
    </message>
    <message>
        <source>FAILED: LEFT HALF-WRITTEN, write it again</source>
        <translation>ERROR: QUEDÓ ESCRITO A MEDIAS, escríbalo de nuevo</translation>
    </message>
    <message>
        <source>FAILED: no answer; nothing written</source>
        <translation>ERROR: sin respuesta; no se escribió nada</translation>
    </message>
    <message>
        <source>FAILED: stopped before writing; nothing written</source>
        <translation>ERROR: detenido antes de escribir; no se escribió nada</translation>
    </message>
    <message>
        <source>; the protocol could not be written</source>
        <translation>; no se pudo escribir el protocolo</translation>
    </message>
    <message>
        <source>Written or already holding the configuration: %1 of %2.</source>
        <translation>Escritos o que ya tenían la configuración: %1 de %2.</translation>
    </message>
    <message>
        <source>Failed: %1.</source>
        <translation>Con error: %1.</translation>
    </message>
    <message>
        <source>Cancelled; not written: %1.</source>
        <translation>Cancelado; sin escribir: %1.</translation>
    </message>
    <message>
        <source>LEFT HALF-WRITTEN: %1. Write them again.</source>
        <translation>ESCRITOS A MEDIAS: %1. Escríbalos de nuevo.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Another operation is running: wait until it has ended.</source>
        <translation>Hay otra operación en curso: espere a que termine.</translation>
    </message>
    <message>
        <source>No communication port is connected.</source>
        <translation>No hay ningún puerto de comunicación conectado.</translation>
    </message>
    <message>
        <source>There is no configuration to write: read or load one first.</source>
        <translation>No hay ninguna configuración que escribir: lea o cargue una primero.</translation>
    </message>
    <message>
        <source>The configuration did not pass the check: correct it in the main window.</source>
        <translation>La configuración no superó la comprobación: corríjala en la ventana principal.</translation>
    </message>
    <message>
        <source>Transmitter Configuration Protocol</source>
        <translation>Protocolo de configuración del transmisor</translation>
    </message>
    <message>
        <source>The folder %1 is not a full path. Give the whole path or choose it with Browse.</source>
        <translation>La carpeta %1 no es una ruta completa. Indique la ruta entera o elíjala con Examinar.</translation>
    </message>
</context>
<context>
    <name>lmk17::TBatchWriteForm</name>
    <message>
        <source>Browse…</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Ask about the changes before each transmitter is written</source>
        <translation>Preguntar por los cambios antes de escribir cada transmisor</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Write to Several Transmitters</source>
        <translation>Escribir en varios transmisores</translation>
    </message>
    <message>
        <source>The configuration shown in the main window is written into each transmitter of the list, one after another. Each keeps its own address, baud rate, parity and user note, and gets its backup and its verification as by Write.</source>
        <translation>La configuración mostrada en la ventana principal se escribe, uno tras otro, en cada transmisor de la lista. Cada uno conserva su dirección, velocidad, paridad y nota de usuario, y recibe su copia de seguridad y su verificación como al escribir.</translation>
    </message>
    <message>
        <source>Addresses of the transmitters</source>
        <translation>Direcciones de los transmisores</translation>
    </message>
    <message>
        <source>e.g. 1-8 or 1,3,5-7</source>
        <translation>p. ej. 1-8 o 1,3,5-7</translation>
    </message>
    <message>
        <source>Folder for the protocols</source>
        <translation>Carpeta para los protocolos</translation>
    </message>
    <message>
        <source>(no protocols)</source>
        <translation>(sin protocolos)</translation>
    </message>
    <message>
        <source>Choose the folder for the protocols</source>
        <translation>Elegir la carpeta para los protocolos</translation>
    </message>
    <message>
        <source>Transmitters written</source>
        <translation>Transmisores escritos</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Start writing</source>
        <translation>Iniciar la escritura</translation>
    </message>
    <message>
        <source>Cancel the writing</source>
        <translation>Cancelar la escritura</translation>
    </message>
    <message>
        <source>&amp;Addresses:</source>
        <translation>&amp;Direcciones:</translation>
    </message>
    <message>
        <source>&amp;Protocols to:</source>
        <translation>&amp;Protocolos en:</translation>
    </message>
    <message>
        <source>Folder for the Protocols</source>
        <translation>Carpeta para los protocolos</translation>
    </message>
    <message>
        <source>Writing the transmitter at address %1 (%2 of %3)…</source>
        <translation>Escribiendo el transmisor en la dirección %1 (%2 de %3)…</translation>
    </message>
</context>
</TS>
