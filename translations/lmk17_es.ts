<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Catalogue</name>
    <message>
        <source> R01  Resistance Sensor (0 to 400 ohm) without Linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R02  Resistance Sensor (0 to 4000 ohm) without Linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R03  Potentiometer (Total Resistance 40 to 400 ohm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R04  Potentiometer (Total Resistance 400 to 4000 ohm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R05  Voltage Sensor (-15 až 60 mV) without Linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R06  Difference of Two RTD&apos;s (total resistance 400 ohm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R07  Difference of Two RTD&apos;s (total resistance 4000 ohm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R11  Pt100 (-200 to 850 °C) with Linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R12  Pt500 (-200 to 850 °C) with Linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R13  Pt1000 (-200 to 850 °C) with Linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R14  Ni100 (-60 to 250 °C) with Linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R15  Ni1000 (-60 to 250 °C) with Linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R51  Thermocouple &quot;J&quot; (-200 to 1000 °C) with Linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R52  Thermocouple &quot;K&quot; (-200 to 1300 °C) with Linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R53  Thermocouple &quot;N&quot; (-200 to 1300 °C) with Linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R54  Thermocouple &quot;R&quot; (-50 to 1700 °C) with Linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R55  Thermocouple &quot;S&quot; (-50 to 1700 °C) with Linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R56  Thermocouple &quot;T&quot; (-250 to 400 °C) with Linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R57  Thermocouple &quot;B&quot; (0 to 1800 °C) with Linearization from 50°C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R58  Thermocouple &quot;E&quot; (-200 to 800 °C) with Linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R59  Thermocouple &quot;L&quot; (-200 to 900 °C) with Linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R71  Current Input -15 to 60 µA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R72  Current Input -150 to 600 µA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R73  Current Input -1500 to 6000 µA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R74  Current Input -6 to 24 mA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R75  Current Input -15 to 60 mA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R81  Voltage Input -250 to 1000 mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R82  Voltage Input -2.5 to 10 V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R85  Potentiometer (Total Resistance 0.4 to 25 kohm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R91  Customer Linearization for RTD (0 to 400 ohm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R92  Customer Linearization for RTD (0 to 4000 ohm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R93  Customer Linearization for Potentiometer (40 to 400 ohm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R94  Customer Linearization for Potentiometer (400 to 4000 ohm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R95  Customer Linearization for Other Voltage Sensor (Thermocouple)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R96  Customer Linearization for Difference of Two RTD&apos;s (400 ohm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> R97  Customer Linearization for Difference of Two RTD&apos;s (4000 ohm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> C1  2-Wire Connection of the Resistance Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> C2  3-Wire Connection of the Resistance Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> C3  4-Wire Connection of the Resistance Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> C4  Potentiometer Connection without Lead Resistance Compensation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> C5  Potentiometer Connection with Lead Resistance Compensation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> C6  Connection of Voltage Sensor or T/C without CJ Compensation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> C7  Connection of T/C with Cold Junction Compensation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> C8  Connection of Two 2-Wire Resistance Sensors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current output 4 to 20 mA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current output 0 to 20 mA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>voltage output 0 to 10 V</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Attention! Linearization table or cold junction compensation table does not correspond to input range. For proper function it is necessary to write/save the configuration again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmitter configuration corrupt. Last writing probably not successful. Default configuration will be pre-set!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to pre-set default configuration? </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input range was changed, check configuration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> year, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> years, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> day, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> days, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> hour, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> hours, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> minute, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> minutes, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture not Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You want to disable custom linearization now. It will be set default linearization and eventual custom linearization will be erased. Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lower range value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upper range value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>correction of sensor error at lower range value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>correction of sensor error at upper range value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lead resistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cold junction temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>limit comparator %d switching level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>limit comparator %d hysteresis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lower output range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upper output range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lower output limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upper output limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lower error output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upper error output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is out of the range: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of correction at upper range value is higher than %.2g %% of input range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of correction at lower range value is higher than %.2g %% of input range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of limit comparator %d hysteresis is higher than %.2g %% of input range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of limit comparator %d hysteresis cannot be equal to zero for reverse switching mode. Normal switching mode was set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Span value is lower than %.2g%% of input range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output span value is lower than %.2g %s, cannot continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation span value is lower than %.2g %s, cannot continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error span value is lower than %.2g %s, cannot continue.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Configuration file</name>
    <message>
        <source>Configuration was not loaded, cancelled by user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration was not loaded, file: &apos;%s&apos; not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong file format or file: &apos;%s&apos; is damaged!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration was not loaded, file is damaged or wrong type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration was read without any errors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration was not saved, cancelled by user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File: &apos;%s&apos; already exists, do you want to overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration was not saved, cannot open file: &apos;%s&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration was saved without any errors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes were not saved. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>lmk17en.hlp</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Change of language will be applied after application restart!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Linearization</name>
    <message>
        <source>Minimum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot resolve the linearization table unless at least 2 points are entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot resolve the compensating table unless at least 2 points are entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data were not saved, cancelled by user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data were not saved, cannot open file: &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File: &apos;%1&apos; already exists, do you want to overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Saving Data to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data was saved without any errors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in table of the points for the linearization.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in table of the points for the cold junction compensation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in &apos;Sensor-Specific Characterization&apos; section.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data was not loaded - wrong file format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
 Error in the Section: [</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data was not loaded - unknown file format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try later version or contact your supplier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data was not loaded, file contains data for another input range (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Loading Data from File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data was not loaded, cancelled by user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration was not loaded, file: &apos;%1&apos; not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data was not loaded, cannot open file: &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum error of approximation is at point </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum error of approximation is at point </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect format of the value in row n.%1 and column n.%2, please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value in row n.%1 and column n.%2 is out of range &lt; %3, %4 &gt; °C, please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value in row n.%1 and column n.%2 is out of range &lt; %3, %4 &gt; Ohm, please correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor-Specific Constants.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention! Value %1 is bigger than upper limit selected input range %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>Error during reading the data from transmitter, repeat?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error during writing the data to transmitter, repeat?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error (&apos;Bad Parameters&apos;) during writing the data to transmitter!<byte value="xd"/>
Feasible solution: Stop writing now, set the default configuration (command from menu &apos;Transmitter&apos;) and write configuration to the transmitter.<byte value="xd"/>
Do You want to repeat this operation?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error during transmitter configuration writing. Incorrect configuration settings may cause undefined errors. Configuration should be stored again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to break operation?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not Disconnect Communication Cable!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s serial port successfully connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s serial port cannot be connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s serial port disconnected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention! Setting of wrong communication parameters may lose communication with the transmitter! Changing this parameters is allowed experienced user only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention! You want to change the communication parameters to other than default.<byte value="xd"/>
Setting of wrong communication parameters may lose communication with the transmitter!<byte value="xd"/>
Do You really want to change the parameters?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes is not valid immediately after writing the configuration, but after power down and power up!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No communication port connected, cannot continue. Do you want to connect it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Not Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Parameters for Experts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Transmitter Communication Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention! Setting of wrong paramaters may</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lose communication with the Transmitter!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Params</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ERROR: Error during Transmit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ERROR: Bad Parameters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ERROR: Bad Function.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Application layer answered OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ERROR: Frame Error of the Incoming Message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ERROR: Bad CRC of the Incoming Message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ERROR: Error during Transmit (from Transmitter to PC).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ERROR: Bad Answer was received.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ERROR: Timeout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ERROR: Unknown Answer: %d</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Monitoring</name>
    <message>
        <source>Do you really want to stop the monitoring mode?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to erase records in window?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be written. Monitoring goes on; the records are kept in the log window only.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output test mode is active.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmitter works without any errors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 1 - Sensor Incorrectly Connected or Faulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 2 - Primary Variable out of the Input Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 3 - EEPROM Error (Write Error)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 4 - EEPROM Error (CRC Error)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 5 - Misconfiguration (Incorrect Connection Code)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 6 - Internal Error (Divide by Zero)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 7 - Limit Comparator Current Signaling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Reading CJ Temperature from Transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- constant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention, the transmitter was during reading in an error state which may cause incorrect value of cold junction temperature!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold junction temperature cannot be read; the connected transmitter is not configured for thermocouple measuring.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connected transmitter %s is not supported by this version of LMK-17, cannot continue!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected transmitter firmware version is not supported by this version of LMK-17, cannot continue!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input range is not supported by this version of LMK-17, or was written wrongly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try later version or contact your supplier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmitter configuration corrupt. Last writing probably not successful. Do you want to pre-set default configuration?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another transmitter was connected or configuration was changed. The transmitter configuration must be read again.<byte value="xd"/>
Do you want to read configuration from transmitter? If no, operation will be stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Different type of transmitter is connected, cannot continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connected transmitter uses earlier firmware version than required for storing the current configuration. Cannot continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected transmitter is configured with fixed input range. Input range cannot be changed, cannot continue!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another transmitter was connected, do you really want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Reading Configuration from Transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Writing Configuration to Transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration was written to transmitter without any errors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes were not saved. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lmk17::HelpViewer</name>
    <message>
        <source>LMK-17 Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the keyword to find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help was not found. Looked for the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
