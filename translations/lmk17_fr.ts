<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>App</name>
    <message>
        <source>  LMK-17 - %1</source>
        <translation>  LMK-17 - %1</translation>
    </message>
    <message>
        <source>Customer Setup Program for K8410 and K8620 Transmitters</source>
        <translation>Programme de configuration des transmetteurs K8410 et K8620</translation>
    </message>
    <message>
        <source> (demonstration on the software transmitter)</source>
        <translation> (démonstration sur le transmetteur logiciel)</translation>
    </message>
    <message>
        <source>Demonstration: software transmitter on %1, address %2 (no hardware needed).</source>
        <translation>Démonstration : transmetteur logiciel sur %1, adresse %2 (aucun matériel nécessaire).</translation>
    </message>
    <message>
        <source>The demonstration transmitter could not be started: %1</source>
        <translation>Impossible de démarrer le transmetteur de démonstration : %1</translation>
    </message>
    <message>
        <source>lmk17-sim, the software transmitter, was not found beside the program or on the PATH.</source>
        <translation>lmk17-sim, le transmetteur logiciel, est introuvable à côté du programme et dans le PATH.</translation>
    </message>
    <message>
        <source>Do you really want to close application?</source>
        <translation>Voulez-vous vraiment fermer l&apos;application ?</translation>
    </message>
    <message>
        <source>The program is in monitoring mode. Stop the monitoring before closing the application.</source>
        <translation>Le programme est en mode surveillance. Arrêtez la surveillance avant de fermer l&apos;application.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:
%2</source>
        <translation>Impossible d&apos;enregistrer les réglages dans %1 :
%2</translation>
    </message>
    <message>
        <source> About Application</source>
        <translation> À propos de l&apos;application</translation>
    </message>
    <message>
        <source>Program LMK-17</source>
        <translation>Programme LMK-17</translation>
    </message>
    <message>
        <source>version  </source>
        <translation>version  </translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Fichier de réglages : %1</translation>
    </message>
    <message>
        <source>Do you want to send an e-mail to %1?</source>
        <translation>Voulez-vous envoyer un e-mail à %1 ?</translation>
    </message>
    <message>
        <source>Do you want to visit %1?</source>
        <translation>Voulez-vous visiter %1 ?</translation>
    </message>
    <message>
        <source>The help was not found. Looked for the folder %1.</source>
        <translation>L&apos;aide est introuvable. Dossier recherché : %1.</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>lmk17-sim printed no device path</source>
        <translation>lmk17-sim n&apos;a indiqué aucun chemin de périphérique</translation>
    </message>
    <message>
        <source>LMK-17</source>
        <translation>LMK-17</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read: %2</source>
        <translation>Impossible de lire le fichier de réglages %1 : %2</translation>
    </message>
    <message>
        <source>The linearization file %1 was not opened: the linearization editor needs a configuration whose input range takes a customer linearization. Read or load such a configuration, then load the file in the editor (Input page, Linearization).</source>
        <translation>Le fichier de linéarisation %1 n&apos;a pas été ouvert : l&apos;éditeur de linéarisation a besoin d&apos;une configuration dont la gamme d&apos;entrée utilise une linéarisation client. Lisez ou chargez une telle configuration, puis chargez le fichier dans l&apos;éditeur (page Entrée, Linéarisation).</translation>
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
        <translation>utilisation : lmk17 [FICHIER.ptf ...] [FICHIER.lin ...]
              lmk17 --demo [options de lmk17-sim] [FICHIER.ptf ...] [FICHIER.lin ...]

Configure, teste et surveille les transmetteurs K8410 et K8620 par un port série.
Les fichiers de configuration (.ptf) indiqués sur la ligne de commande sont chargés
dans l&apos;ordre ; le dernier s&apos;applique. Un fichier de linéarisation (.lin) s&apos;ouvre ensuite dans
l&apos;éditeur de linéarisation de cette configuration.

  --demo      démarre un transmetteur logiciel (lmk17-sim, un K8620L31 avec firmware
              1.91 à l&apos;adresse 0 sauf indication contraire de ses options) sur un
              pseudo-terminal et s&apos;y connecte : chaque commande peut être essayée
              sans matériel ; les options après --demo vont à lmk17-sim
              (lmk17-sim --help les énumère), sauf les fichiers .ptf et .lin,
              qui s&apos;ouvrent sur ce transmetteur comme ci-dessus
  --help      ce texte
  --version   la version du programme
</translation>
    </message>
    <message>
        <source>
The manual: %1 (the other languages in the folders beside it)
</source>
        <translation>
Le manuel : %1 (les autres langues dans les dossiers voisins)
</translation>
    </message>
    <message>
        <source>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>Ce programme est un logiciel libre : vous pouvez le redistribuer et/ou le modifier selon les termes de la Licence publique générale GNU, version 3 ou (à votre choix) toute version ultérieure (GPL-3.0-or-later). Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>It uses Qt %1, licensed under the GNU Lesser General Public License, version 3 (LGPL-3.0).</source>
        <translation>Il utilise Qt %1, sous licence GNU Lesser General Public License, version 3 (LGPL-3.0).</translation>
    </message>
    <message>
        <source>The number of backups kept per transmitter must be a whole number from %1 to %2.</source>
        <translation>Le nombre de sauvegardes conservées par transmetteur doit être un nombre entier de %1 à %2.</translation>
    </message>
    <message>
        <source>The backup folder %1 is not a full path. Give the whole path or choose it with Browse.</source>
        <translation>Le dossier des sauvegardes %1 n&apos;est pas un chemin complet. Indiquez le chemin entier ou choisissez-le avec Parcourir.</translation>
    </message>
    <message>
        <source>The backup folder %1 is a file, not a folder.</source>
        <translation>Le dossier des sauvegardes %1 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The backup folder %1 does not exist and could not be created.</source>
        <translation>Le dossier des sauvegardes %1 n&apos;existe pas et n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>Backups cannot be written into the folder %1.</source>
        <translation>Impossible d&apos;écrire des sauvegardes dans le dossier %1.</translation>
    </message>
    <message>
        <source>Output test mode is active: the transmitter&apos;s output stays at the test value after the program is closed. Leave output test mode before closing?</source>
        <translation>Le mode test de la sortie est actif : la sortie du transmetteur reste à la valeur de test après la fermeture du programme. Quitter le mode test de la sortie avant de fermer ?</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source> R01  Resistance Sensor (0 to 400 ohm) without Linearization</source>
        <translation> R01  Sonde à résistance (0 à 400 ohm) sans linéarisation</translation>
    </message>
    <message>
        <source> R02  Resistance Sensor (0 to 4000 ohm) without Linearization</source>
        <translation> R02  Sonde à résistance (0 à 4000 ohm) sans linéarisation</translation>
    </message>
    <message>
        <source> R03  Potentiometer (Total Resistance 40 to 400 ohm)</source>
        <translation> R03  Potentiomètre (résistance totale 40 à 400 ohm)</translation>
    </message>
    <message>
        <source> R04  Potentiometer (Total Resistance 400 to 4000 ohm)</source>
        <translation> R04  Potentiomètre (résistance totale 400 à 4000 ohm)</translation>
    </message>
    <message>
        <source> R05  Voltage Sensor (-15 až 60 mV) without Linearization</source>
        <translation> R05  Capteur de tension (-15 à 60 mV) sans linéarisation</translation>
    </message>
    <message>
        <source> R06  Difference of Two RTD&apos;s (total resistance 400 ohm)</source>
        <translation> R06  Différence de deux sondes à résistance (résistance totale 400 ohm)</translation>
    </message>
    <message>
        <source> R07  Difference of Two RTD&apos;s (total resistance 4000 ohm)</source>
        <translation> R07  Différence de deux sondes à résistance (résistance totale 4000 ohm)</translation>
    </message>
    <message>
        <source> R11  Pt100 (-200 to 850 °C) with Linearization</source>
        <translation> R11  Pt100 (-200 à 850 °C) avec linéarisation</translation>
    </message>
    <message>
        <source> R12  Pt500 (-200 to 850 °C) with Linearization</source>
        <translation> R12  Pt500 (-200 à 850 °C) avec linéarisation</translation>
    </message>
    <message>
        <source> R13  Pt1000 (-200 to 850 °C) with Linearization</source>
        <translation> R13  Pt1000 (-200 à 850 °C) avec linéarisation</translation>
    </message>
    <message>
        <source> R14  Ni100 (-60 to 250 °C) with Linearization</source>
        <translation> R14  Ni100 (-60 à 250 °C) avec linéarisation</translation>
    </message>
    <message>
        <source> R15  Ni1000 (-60 to 250 °C) with Linearization</source>
        <translation> R15  Ni1000 (-60 à 250 °C) avec linéarisation</translation>
    </message>
    <message>
        <source> R51  Thermocouple &quot;J&quot; (-200 to 1000 °C) with Linearization</source>
        <translation> R51  Thermocouple &quot;J&quot; (-200 à 1000 °C) avec linéarisation</translation>
    </message>
    <message>
        <source> R52  Thermocouple &quot;K&quot; (-200 to 1300 °C) with Linearization</source>
        <translation> R52  Thermocouple &quot;K&quot; (-200 à 1300 °C) avec linéarisation</translation>
    </message>
    <message>
        <source> R53  Thermocouple &quot;N&quot; (-200 to 1300 °C) with Linearization</source>
        <translation> R53  Thermocouple &quot;N&quot; (-200 à 1300 °C) avec linéarisation</translation>
    </message>
    <message>
        <source> R54  Thermocouple &quot;R&quot; (-50 to 1700 °C) with Linearization</source>
        <translation> R54  Thermocouple &quot;R&quot; (-50 à 1700 °C) avec linéarisation</translation>
    </message>
    <message>
        <source> R55  Thermocouple &quot;S&quot; (-50 to 1700 °C) with Linearization</source>
        <translation> R55  Thermocouple &quot;S&quot; (-50 à 1700 °C) avec linéarisation</translation>
    </message>
    <message>
        <source> R56  Thermocouple &quot;T&quot; (-250 to 400 °C) with Linearization</source>
        <translation> R56  Thermocouple &quot;T&quot; (-250 à 400 °C) avec linéarisation</translation>
    </message>
    <message>
        <source> R57  Thermocouple &quot;B&quot; (0 to 1800 °C) with Linearization from 50°C</source>
        <translation> R57  Thermocouple &quot;B&quot; (0 à 1800 °C) avec linéarisation à partir de 50°C</translation>
    </message>
    <message>
        <source> R58  Thermocouple &quot;E&quot; (-200 to 800 °C) with Linearization</source>
        <translation> R58  Thermocouple &quot;E&quot; (-200 à 800 °C) avec linéarisation</translation>
    </message>
    <message>
        <source> R59  Thermocouple &quot;L&quot; (-200 to 900 °C) with Linearization</source>
        <translation> R59  Thermocouple &quot;L&quot; (-200 à 900 °C) avec linéarisation</translation>
    </message>
    <message>
        <source> R71  Current Input -15 to 60 µA</source>
        <translation> R71  Entrée courant -15 à 60 µA</translation>
    </message>
    <message>
        <source> R72  Current Input -150 to 600 µA</source>
        <translation> R72  Entrée courant -150 à 600 µA</translation>
    </message>
    <message>
        <source> R73  Current Input -1500 to 6000 µA</source>
        <translation> R73  Entrée courant -1500 à 6000 µA</translation>
    </message>
    <message>
        <source> R74  Current Input -6 to 24 mA</source>
        <translation> R74  Entrée courant -6 à 24 mA</translation>
    </message>
    <message>
        <source> R75  Current Input -15 to 60 mA</source>
        <translation> R75  Entrée courant -15 à 60 mA</translation>
    </message>
    <message>
        <source> R81  Voltage Input -250 to 1000 mV</source>
        <translation> R81  Entrée tension -250 à 1000 mV</translation>
    </message>
    <message>
        <source> R82  Voltage Input -2.5 to 10 V</source>
        <translation> R82  Entrée tension -2.5 à 10 V</translation>
    </message>
    <message>
        <source> R85  Potentiometer (Total Resistance 0.4 to 25 kohm)</source>
        <translation> R85  Potentiomètre (résistance totale 0.4 à 25 kohm)</translation>
    </message>
    <message>
        <source> R91  Customer Linearization for RTD (0 to 400 ohm)</source>
        <translation> R91  Linéarisation client pour sonde à résistance (0 à 400 ohm)</translation>
    </message>
    <message>
        <source> R92  Customer Linearization for RTD (0 to 4000 ohm)</source>
        <translation> R92  Linéarisation client pour sonde à résistance (0 à 4000 ohm)</translation>
    </message>
    <message>
        <source> R93  Customer Linearization for Potentiometer (40 to 400 ohm)</source>
        <translation> R93  Linéarisation client pour potentiomètre (40 à 400 ohm)</translation>
    </message>
    <message>
        <source> R94  Customer Linearization for Potentiometer (400 to 4000 ohm)</source>
        <translation> R94  Linéarisation client pour potentiomètre (400 à 4000 ohm)</translation>
    </message>
    <message>
        <source> R95  Customer Linearization for Other Voltage Sensor (Thermocouple)</source>
        <translation> R95  Linéarisation client pour autre capteur de tension (thermocouple)</translation>
    </message>
    <message>
        <source> R96  Customer Linearization for Difference of Two RTD&apos;s (400 ohm)</source>
        <translation> R96  Linéarisation client pour différence de deux sondes à résistance (400 ohm)</translation>
    </message>
    <message>
        <source> R97  Customer Linearization for Difference of Two RTD&apos;s (4000 ohm)</source>
        <translation> R97  Linéarisation client pour différence de deux sondes à résistance (4000 ohm)</translation>
    </message>
    <message>
        <source> C1  2-Wire Connection of the Resistance Sensor</source>
        <translation> C1  Raccordement 2 fils de la sonde à résistance</translation>
    </message>
    <message>
        <source> C2  3-Wire Connection of the Resistance Sensor</source>
        <translation> C2  Raccordement 3 fils de la sonde à résistance</translation>
    </message>
    <message>
        <source> C3  4-Wire Connection of the Resistance Sensor</source>
        <translation> C3  Raccordement 4 fils de la sonde à résistance</translation>
    </message>
    <message>
        <source> C4  Potentiometer Connection without Lead Resistance Compensation</source>
        <translation> C4  Raccordement de potentiomètre sans compensation de la résistance de ligne</translation>
    </message>
    <message>
        <source> C5  Potentiometer Connection with Lead Resistance Compensation</source>
        <translation> C5  Raccordement de potentiomètre avec compensation de la résistance de ligne</translation>
    </message>
    <message>
        <source> C6  Connection of Voltage Sensor or T/C without CJ Compensation</source>
        <translation> C6  Raccordement d&apos;un capteur de tension ou d&apos;un thermocouple sans compensation de soudure froide</translation>
    </message>
    <message>
        <source> C7  Connection of T/C with Cold Junction Compensation</source>
        <translation> C7  Raccordement d&apos;un thermocouple avec compensation de soudure froide</translation>
    </message>
    <message>
        <source> C8  Connection of Two 2-Wire Resistance Sensors</source>
        <translation> C8  Raccordement de deux sondes à résistance 2 fils</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>current output 4 to 20 mA</source>
        <translation>sortie courant 4 à 20 mA</translation>
    </message>
    <message>
        <source>current output 0 to 20 mA</source>
        <translation>sortie courant 0 à 20 mA</translation>
    </message>
    <message>
        <source>voltage output 0 to 10 V</source>
        <translation>sortie tension 0 à 10 V</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Attention! Linearization table or cold junction compensation table does not correspond to input range. For proper function it is necessary to write/save the configuration again!</source>
        <translation>Attention ! La table de linéarisation ou la table de compensation de soudure froide ne correspond pas à la plage d&apos;entrée. Pour un fonctionnement correct, il faut réécrire ou réenregistrer la configuration !</translation>
    </message>
    <message>
        <source>Transmitter configuration corrupt. Last writing probably not successful. Default configuration will be pre-set!</source>
        <translation>La configuration du transmetteur est corrompue. La dernière écriture a probablement échoué. La configuration par défaut va être appliquée !</translation>
    </message>
    <message>
        <source>Do you really want to pre-set default configuration? </source>
        <translation>Voulez-vous vraiment appliquer la configuration par défaut ? </translation>
    </message>
    <message>
        <source>Input range was changed, check configuration.</source>
        <translation>La plage d&apos;entrée a été modifiée, vérifiez la configuration.</translation>
    </message>
    <message>
        <source> year, </source>
        <translation> an, </translation>
    </message>
    <message>
        <source> years, </source>
        <translation> ans, </translation>
    </message>
    <message>
        <source> day, </source>
        <translation> jour, </translation>
    </message>
    <message>
        <source> days, </source>
        <translation> jours, </translation>
    </message>
    <message>
        <source> hour, </source>
        <translation> heure, </translation>
    </message>
    <message>
        <source> hours, </source>
        <translation> heures, </translation>
    </message>
    <message>
        <source> minute, </source>
        <translation> minute, </translation>
    </message>
    <message>
        <source> minutes, </source>
        <translation> minutes, </translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> secondes</translation>
    </message>
    <message>
        <source>Picture not Available</source>
        <translation>Image non disponible</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Aucune configuration du transmetteur n&apos;a été définie.</translation>
    </message>
    <message>
        <source>You want to disable custom linearization now. It will be set default linearization and eventual custom linearization will be erased. Do you want to continue?</source>
        <translation>Vous allez désactiver la linéarisation client. La linéarisation par défaut sera appliquée et une éventuelle linéarisation client sera effacée. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>lower range value</source>
        <translation>début d&apos;échelle</translation>
    </message>
    <message>
        <source>upper range value</source>
        <translation>fin d&apos;échelle</translation>
    </message>
    <message>
        <source>correction of sensor error at lower range value</source>
        <translation>correction de l&apos;erreur du capteur au début d&apos;échelle</translation>
    </message>
    <message>
        <source>correction of sensor error at upper range value</source>
        <translation>correction de l&apos;erreur du capteur à la fin d&apos;échelle</translation>
    </message>
    <message>
        <source>damping</source>
        <translation>amortissement</translation>
    </message>
    <message>
        <source>lead resistance</source>
        <translation>résistance de ligne</translation>
    </message>
    <message>
        <source>cold junction temperature</source>
        <translation>température de soudure froide</translation>
    </message>
    <message>
        <source>limit comparator %d switching level</source>
        <translation>seuil de commutation du comparateur de seuil %d</translation>
    </message>
    <message>
        <source>limit comparator %d hysteresis</source>
        <translation>hystérésis du comparateur de seuil %d</translation>
    </message>
    <message>
        <source>lower output range</source>
        <translation>début de plage de sortie</translation>
    </message>
    <message>
        <source>upper output range</source>
        <translation>fin de plage de sortie</translation>
    </message>
    <message>
        <source>lower output limit</source>
        <translation>limite basse de sortie</translation>
    </message>
    <message>
        <source>upper output limit</source>
        <translation>limite haute de sortie</translation>
    </message>
    <message>
        <source>lower error output</source>
        <translation>sortie de défaut basse</translation>
    </message>
    <message>
        <source>upper error output</source>
        <translation>sortie de défaut haute</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Format de la valeur incorrect : </translation>
    </message>
    <message>
        <source>Value of </source>
        <translation>La valeur de </translation>
    </message>
    <message>
        <source> is out of the range: </source>
        <translation> est hors de la plage : </translation>
    </message>
    <message>
        <source>Value of correction at upper range value is higher than %.2g %% of input range.</source>
        <translation>La correction à la fin d&apos;échelle dépasse %.2g %% de la plage d&apos;entrée.</translation>
    </message>
    <message>
        <source>Value of correction at lower range value is higher than %.2g %% of input range.</source>
        <translation>La correction au début d&apos;échelle dépasse %.2g %% de la plage d&apos;entrée.</translation>
    </message>
    <message>
        <source>Value of limit comparator %d hysteresis is higher than %.2g %% of input range.</source>
        <translation>L&apos;hystérésis du comparateur de seuil %d dépasse %.2g %% de la plage d&apos;entrée.</translation>
    </message>
    <message>
        <source>Value of limit comparator %d hysteresis cannot be equal to zero for reverse switching mode. Normal switching mode was set.</source>
        <translation>L&apos;hystérésis du comparateur de seuil %d ne peut pas être nulle en mode de commutation inverse. Le mode de commutation normal a été réglé.</translation>
    </message>
    <message>
        <source>Span value is lower than %.2g%% of input range.</source>
        <translation>L&apos;étendue est inférieure à %.2g%% de la plage d&apos;entrée.</translation>
    </message>
    <message>
        <source>Output span value is lower than %.2g %s, cannot continue.</source>
        <translation>L&apos;étendue de sortie est inférieure à %.2g %s, impossible de continuer.</translation>
    </message>
    <message>
        <source>Saturation span value is lower than %.2g %s, cannot continue.</source>
        <translation>L&apos;écart entre les limites de sortie est inférieur à %.2g %s, impossible de continuer.</translation>
    </message>
    <message>
        <source>Error span value is lower than %.2g %s, cannot continue.</source>
        <translation>L&apos;écart entre les sorties de défaut est inférieur à %.2g %s, impossible de continuer.</translation>
    </message>
    <message>
        <source>Some values of the configuration lie outside the range of the new linearization (measuring range, corrections or limit comparators). Correct them before the configuration is written or saved.</source>
        <translation>Certaines valeurs de la configuration sont hors de la plage de la nouvelle linéarisation (étendue de mesure, corrections ou comparateurs de seuil). Corrigez-les avant d&apos;écrire ou d&apos;enregistrer la configuration.</translation>
    </message>
</context>
<context>
    <name>Configuration file</name>
    <message>
        <source>Configuration was not loaded, cancelled by user.</source>
        <translation>La configuration n&apos;a pas été chargée, annulé par l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file: &apos;%s&apos; not found.</source>
        <translation>La configuration n&apos;a pas été chargée, fichier : &apos;%s&apos; introuvable.</translation>
    </message>
    <message>
        <source>Wrong file format or file: &apos;%s&apos; is damaged!</source>
        <translation>Format de fichier incorrect ou fichier : &apos;%s&apos; endommagé !</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file is damaged or wrong type.</source>
        <translation>La configuration n&apos;a pas été chargée, le fichier est endommagé ou d&apos;un type incorrect.</translation>
    </message>
    <message>
        <source>Configuration was read without any errors.</source>
        <translation>La configuration a été lue sans erreur.</translation>
    </message>
    <message>
        <source>Configuration was not saved, cancelled by user.</source>
        <translation>La configuration n&apos;a pas été enregistrée, annulé par l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>File: &apos;%s&apos; already exists, do you want to overwrite it?</source>
        <translation>Le fichier : &apos;%s&apos; existe déjà, voulez-vous l&apos;écraser ?</translation>
    </message>
    <message>
        <source>Configuration was not saved, cannot open file: &apos;%s&apos;.</source>
        <translation>La configuration n&apos;a pas été enregistrée, impossible d&apos;ouvrir le fichier : &apos;%s&apos;.</translation>
    </message>
    <message>
        <source>Configuration was saved without any errors.</source>
        <translation>La configuration a été enregistrée sans erreur.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Aucune configuration du transmetteur n&apos;a été définie.</translation>
    </message>
    <message>
        <source>Changes were not saved. Continue?</source>
        <translation>Les modifications n&apos;ont pas été enregistrées. Continuer ?</translation>
    </message>
    <message>
        <source>Configuration was not loaded, &apos;%s&apos; is a folder.</source>
        <translation>La configuration n&apos;a pas été chargée, &apos;%s&apos; est un dossier.</translation>
    </message>
    <message>
        <source>Configuration was not loaded, file: &apos;%s&apos; cannot be read:</source>
        <translation>La configuration n&apos;a pas été chargée, le fichier : &apos;%s&apos; ne peut pas être lu :</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>The file is larger than %1 kB; no file of this program is.</source>
        <translation>Le fichier dépasse %1 ko ; aucun fichier de ce programme n&apos;est aussi grand.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be written: %2</source>
        <translation>Impossible d&apos;écrire le fichier &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <source>Not a regular file (a device, a pipe or a socket)</source>
        <translation>Ce n&apos;est pas un fichier ordinaire (périphérique, tube ou socket)</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>lmk17en.hlp</source>
        <translation>lmk17fr.hlp</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Change of language will be applied after application restart!</source>
        <translation>Le changement de langue sera appliqué au prochain démarrage de l&apos;application !</translation>
    </message>
</context>
<context>
    <name>Linearization</name>
    <message>
        <source>Minimum:</source>
        <translation>Minimum :</translation>
    </message>
    <message>
        <source>Maximum:</source>
        <translation>Maximum :</translation>
    </message>
    <message>
        <source>Cannot resolve the linearization table unless at least 2 points are entered.</source>
        <translation>Impossible de calculer la table de linéarisation tant qu&apos;au moins 2 points ne sont pas saisis.</translation>
    </message>
    <message>
        <source>Cannot resolve the compensating table unless at least 2 points are entered.</source>
        <translation>Impossible de calculer la table de compensation tant qu&apos;au moins 2 points ne sont pas saisis.</translation>
    </message>
    <message>
        <source>Data were not saved, cancelled by user.</source>
        <translation>Les données n&apos;ont pas été enregistrées, annulé par l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Data were not saved, cannot open file: &apos;%1&apos;.</source>
        <translation>Les données n&apos;ont pas été enregistrées, impossible d&apos;ouvrir le fichier : &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>File: &apos;%1&apos; already exists, do you want to overwrite it?</source>
        <translation>Le fichier : &apos;%1&apos; existe déjà, voulez-vous l&apos;écraser ?</translation>
    </message>
    <message>
        <source> Saving Data to File</source>
        <translation> Enregistrement des données dans le fichier</translation>
    </message>
    <message>
        <source>Data was saved without any errors.</source>
        <translation>Les données ont été enregistrées sans erreur.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in table of the points for the linearization.</source>
        <translation>Impossible d&apos;enregistrer les données tant que le tableau des points de linéarisation contient des erreurs.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in table of the points for the cold junction compensation.</source>
        <translation>Impossible d&apos;enregistrer les données tant que le tableau des points de la compensation de soudure froide contient des erreurs.</translation>
    </message>
    <message>
        <source>Cannot save data unless errors are in &apos;Sensor-Specific Characterization&apos; section.</source>
        <translation>Impossible d&apos;enregistrer les données tant que la section &apos;Caractérisation spécifique du capteur&apos; contient des erreurs.</translation>
    </message>
    <message>
        <source>Data was not loaded - wrong file format.</source>
        <translation>Les données n&apos;ont pas été chargées - format de fichier incorrect.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
 Error in the Section: [</source>
        <translation><byte value="xd"/>
 Erreur dans la section : [</translation>
    </message>
    <message>
        <source>Data was not loaded - unknown file format.</source>
        <translation>Les données n&apos;ont pas été chargées - format de fichier inconnu.</translation>
    </message>
    <message>
        <source>Try later version or contact your supplier.</source>
        <translation>Essayez une version plus récente ou contactez votre fournisseur.</translation>
    </message>
    <message>
        <source>Data was not loaded, file contains data for another input range (</source>
        <translation>Les données n&apos;ont pas été chargées, le fichier contient des données pour une autre plage d&apos;entrée (</translation>
    </message>
    <message>
        <source> Loading Data from File</source>
        <translation> Chargement des données depuis le fichier</translation>
    </message>
    <message>
        <source>Data was not loaded, cancelled by user.</source>
        <translation>Les données n&apos;ont pas été chargées, annulé par l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Data was not loaded, cannot open file: &apos;%1&apos;.</source>
        <translation>Les données n&apos;ont pas été chargées, impossible d&apos;ouvrir le fichier : &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Incorrect format of the value in row n.%1 and column n.%2, please correct.</source>
        <translation>Format de la valeur incorrect à la ligne n°%1 et à la colonne n°%2, veuillez corriger.</translation>
    </message>
    <message>
        <source>Value in row n.%1 and column n.%2 is out of range &lt; %3, %4 &gt; °C, please correct.</source>
        <translation>La valeur de la ligne n°%1 et de la colonne n°%2 est hors de la plage &lt; %3, %4 &gt; °C, veuillez corriger.</translation>
    </message>
    <message>
        <source>Value in row n.%1 and column n.%2 is out of range &lt; %3, %4 &gt; Ohm, please correct.</source>
        <translation>La valeur de la ligne n°%1 et de la colonne n°%2 est hors de la plage &lt; %3, %4 &gt; Ohm, veuillez corriger.</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Format de la valeur incorrect : </translation>
    </message>
    <message>
        <source>Sensor-Specific Constants.</source>
        <translation>Constantes spécifiques du capteur.</translation>
    </message>
    <message>
        <source>Attention! Value %1 is bigger than upper limit selected input range %2.</source>
        <translation>Attention ! La valeur %1 dépasse la limite haute de la plage d&apos;entrée choisie %2.</translation>
    </message>
    <message>
        <source>Data was not loaded, file: &apos;%1&apos; not found.</source>
        <translation>Les données n&apos;ont pas été chargées, fichier : &apos;%1&apos; introuvable.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>C&apos;est un dossier.</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>Do not Disconnect Communication Cable!</source>
        <translation>Ne débranchez pas le câble de communication !</translation>
    </message>
    <message>
        <source>%s serial port successfully connected.</source>
        <translation>Port série %s connecté avec succès.</translation>
    </message>
    <message>
        <source>%s serial port cannot be connected.</source>
        <translation>Impossible de connecter le port série %s.</translation>
    </message>
    <message>
        <source>%s serial port disconnected.</source>
        <translation>Port série %s déconnecté.</translation>
    </message>
    <message>
        <source>Attention! Setting of wrong communication parameters may lose communication with the transmitter! Changing this parameters is allowed experienced user only.</source>
        <translation>Attention ! Des paramètres de communication erronés peuvent faire perdre la communication avec le transmetteur ! Seul un utilisateur expérimenté doit modifier ces paramètres.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Aucune configuration du transmetteur n&apos;a été définie.</translation>
    </message>
    <message>
        <source>Attention! You want to change the communication parameters to other than default.<byte value="xd"/>
Setting of wrong communication parameters may lose communication with the transmitter!<byte value="xd"/>
Do You really want to change the parameters?</source>
        <translation>Attention ! Vous voulez régler les paramètres de communication sur des valeurs autres que celles par défaut.<byte value="xd"/>
Des paramètres de communication erronés peuvent faire perdre la communication avec le transmetteur !<byte value="xd"/>
Voulez-vous vraiment modifier les paramètres ?</translation>
    </message>
    <message>
        <source>Changes is not valid immediately after writing the configuration, but after power down and power up!</source>
        <translation>Les modifications ne sont pas effectives dès l&apos;écriture de la configuration, mais après une coupure et un rétablissement de l&apos;alimentation !</translation>
    </message>
    <message>
        <source> Not Connected</source>
        <translation> Non connecté</translation>
    </message>
    <message>
        <source> Options</source>
        <translation> Options</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Communication Parameters for Experts</source>
        <translation>Paramètres de communication pour experts</translation>
    </message>
    <message>
        <source>&amp;Default Parameters</source>
        <translation>Paramètres par &amp;défaut</translation>
    </message>
    <message>
        <source> Transmitter Communication Parameters</source>
        <translation> Paramètres de communication du transmetteur</translation>
    </message>
    <message>
        <source>Attention! Setting of wrong paramaters may</source>
        <translation>Attention ! Des paramètres erronés peuvent</translation>
    </message>
    <message>
        <source>lose communication with the Transmitter!</source>
        <translation>faire perdre la communication avec le transmetteur !</translation>
    </message>
    <message>
        <source>Default Params</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source> None</source>
        <translation> Aucune</translation>
    </message>
    <message>
        <source> Odd</source>
        <translation> Impaire</translation>
    </message>
    <message>
        <source> Even</source>
        <translation> Paire</translation>
    </message>
    <message>
        <source> OK.</source>
        <translation> OK.</translation>
    </message>
    <message>
        <source> ERROR: Error during Transmit.</source>
        <translation> ERREUR : Erreur de transmission.</translation>
    </message>
    <message>
        <source> ERROR: Bad Parameters.</source>
        <translation> ERREUR : Paramètres incorrects.</translation>
    </message>
    <message>
        <source> ERROR: Bad Function.</source>
        <translation> ERREUR : Fonction incorrecte.</translation>
    </message>
    <message>
        <source> Application layer answered OK.</source>
        <translation> La couche application a répondu OK.</translation>
    </message>
    <message>
        <source> ERROR: Frame Error of the Incoming Message.</source>
        <translation> ERREUR : Erreur de trame du message reçu.</translation>
    </message>
    <message>
        <source> ERROR: Bad CRC of the Incoming Message.</source>
        <translation> ERREUR : CRC incorrect du message reçu.</translation>
    </message>
    <message>
        <source> ERROR: Error during Transmit (from Transmitter to PC).</source>
        <translation> ERREUR : Erreur de transmission (du transmetteur vers le PC).</translation>
    </message>
    <message>
        <source> ERROR: Bad Answer was received.</source>
        <translation> ERREUR : Réponse incorrecte reçue.</translation>
    </message>
    <message>
        <source> ERROR: Timeout.</source>
        <translation> ERREUR : Délai d&apos;attente dépassé.</translation>
    </message>
    <message>
        <source> ERROR: Unknown Answer: %d</source>
        <translation> ERREUR : Réponse inconnue : %d</translation>
    </message>
    <message>
        <source>You may not open this port: add your user to the dialout group (sudo usermod -aG dialout $USER), then log out and in again.</source>
        <translation>Vous ne pouvez pas ouvrir ce port : ajoutez votre utilisateur au groupe dialout (sudo usermod -aG dialout $USER), puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>%s serial port lost; monitoring tries to reopen it every 2 s.</source>
        <translation>Port série %s perdu ; la surveillance tente de le rouvrir toutes les 2 s.</translation>
    </message>
    <message>
        <source> ERROR: Another device keeps sending on the line; the request could not be sent.</source>
        <translation> ERREUR : Un autre appareil émet sans cesse sur la ligne ; la requête n&apos;a pas pu être envoyée.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>No description from the system</source>
        <translation>Aucune description fournie par le système</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>numéro de série %1</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>Périphérique : %1</translation>
    </message>
    <message>
        <source>Stable name: %1</source>
        <translation>Nom stable : %1</translation>
    </message>
</context>
<context>
    <name>LinkParity</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>impaire</translation>
    </message>
    <message>
        <source>even</source>
        <translation>paire</translation>
    </message>
</context>
<context>
    <name>Monitoring</name>
    <message>
        <source>The time interval must be a number of seconds from 1 to 1200. The previous value of %1 s is kept.</source>
        <translation>L’intervalle de temps doit être un nombre de secondes de 1 à 1200. La valeur précédente de %1 s est conservée.</translation>
    </message>
    <message>
        <source>Do you really want to stop the monitoring mode?</source>
        <translation>Voulez-vous vraiment arrêter la surveillance ?</translation>
    </message>
    <message>
        <source>Do you really want to erase records in window?</source>
        <translation>Voulez-vous vraiment effacer les enregistrements de la fenêtre ?</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; could not be written. Monitoring goes on; the records are kept in the log window only.</source>
        <translation>Impossible d&apos;écrire dans le fichier journal &quot;%1&quot;. La surveillance continue ; les enregistrements restent uniquement dans la fenêtre du journal.</translation>
    </message>
    <message>
        <source>an empty item in the address list</source>
        <translation>un élément vide dans la liste des adresses</translation>
    </message>
    <message>
        <source>not an address 0..31 or a range of them: %1</source>
        <translation>ni une adresse 0..31 ni une plage d&apos;adresses : %1</translation>
    </message>
    <message>
        <source>a range runs upwards: %1</source>
        <translation>une plage doit être croissante : %1</translation>
    </message>
    <message>
        <source>address %1 is listed twice</source>
        <translation>l&apos;adresse %1 figure deux fois</translation>
    </message>
    <message>
        <source>at most %1 addresses</source>
        <translation>au plus %1 adresses</translation>
    </message>
    <message>
        <source>The time interval must be a number of seconds from 1 to 1200.</source>
        <translation>L&apos;intervalle de temps doit être un nombre de secondes de 1 à 1200.</translation>
    </message>
    <message>
        <source>The number of graph records must be a whole number from 20 to 2000.</source>
        <translation>Le nombre d&apos;enregistrements du graphique doit être un nombre entier de 20 à 2000.</translation>
    </message>
    <message>
        <source>The number of significant places of the PV must be a whole number from 3 to 25.</source>
        <translation>Le nombre de chiffres significatifs de la PV doit être un nombre entier de 3 à 25.</translation>
    </message>
    <message>
        <source>The change of the PV value must be a whole number of percent from 1 to 1000.</source>
        <translation>La variation de la valeur PV doit être un nombre entier de pour cent de 1 à 1000.</translation>
    </message>
    <message>
        <source>The time period must be a whole number of seconds from 20 to 7200.</source>
        <translation>La période doit être un nombre entier de secondes de 20 à 7200.</translation>
    </message>
    <message>
        <source>The previous value of %1 is kept.</source>
        <translation>La valeur précédente de %1 est conservée.</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; holds records of another format (another header or separator); nothing was appended to it. Choose another file, or rewrite it.</source>
        <translation>Le fichier journal « %1 » contient des enregistrements d’un autre format (autre en-tête ou autre séparateur) ; rien n’y a été ajouté. Choisissez un autre fichier, ou réécrivez-le.</translation>
    </message>
</context>
<context>
    <name>Operations</name>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Output test mode is active.</source>
        <translation>Le mode test de la sortie est actif.</translation>
    </message>
    <message>
        <source>Transmitter works without any errors.</source>
        <translation>Le transmetteur fonctionne sans erreur.</translation>
    </message>
    <message>
        <source> 1 - Sensor Incorrectly Connected or Faulty</source>
        <translation> 1 - Capteur mal raccordé ou défectueux</translation>
    </message>
    <message>
        <source> 2 - Primary Variable out of the Input Range</source>
        <translation> 2 - Grandeur mesurée hors de la plage d&apos;entrée</translation>
    </message>
    <message>
        <source> 3 - EEPROM Error (Write Error)</source>
        <translation> 3 - Erreur EEPROM (erreur d&apos;écriture)</translation>
    </message>
    <message>
        <source> 4 - EEPROM Error (CRC Error)</source>
        <translation> 4 - Erreur EEPROM (erreur CRC)</translation>
    </message>
    <message>
        <source> 5 - Misconfiguration (Incorrect Connection Code)</source>
        <translation> 5 - Configuration erronée (code de raccordement incorrect)</translation>
    </message>
    <message>
        <source> 6 - Internal Error (Divide by Zero)</source>
        <translation> 6 - Erreur interne (division par zéro)</translation>
    </message>
    <message>
        <source> 7 - Limit Comparator Current Signaling</source>
        <translation> 7 - Signalisation par courant du comparateur de seuil</translation>
    </message>
    <message>
        <source> Reading CJ Temperature from Transmitter</source>
        <translation> Lecture de la température de soudure froide du transmetteur</translation>
    </message>
    <message>
        <source>- constant</source>
        <translation>- constante</translation>
    </message>
    <message>
        <source>Attention, the transmitter was during reading in an error state which may cause incorrect value of cold junction temperature!</source>
        <translation>Attention, le transmetteur était en état de défaut pendant la lecture, la température de soudure froide peut donc être incorrecte !</translation>
    </message>
    <message>
        <source>Cold junction temperature cannot be read; the connected transmitter is not configured for thermocouple measuring.</source>
        <translation>Impossible de lire la température de soudure froide ; le transmetteur connecté n&apos;est pas configuré pour une mesure par thermocouple.</translation>
    </message>
    <message>
        <source>The connected transmitter %s is not supported by this version of LMK-17, cannot continue!</source>
        <translation>Le transmetteur connecté %s n&apos;est pas pris en charge par cette version de LMK-17, impossible de continuer !</translation>
    </message>
    <message>
        <source>Connected transmitter firmware version is not supported by this version of LMK-17, cannot continue!</source>
        <translation>La version du firmware du transmetteur connecté n&apos;est pas prise en charge par cette version de LMK-17, impossible de continuer !</translation>
    </message>
    <message>
        <source>Input range is not supported by this version of LMK-17, or was written wrongly.</source>
        <translation>La plage d&apos;entrée n&apos;est pas prise en charge par cette version de LMK-17, ou a été mal écrite.</translation>
    </message>
    <message>
        <source>Try later version or contact your supplier.</source>
        <translation>Essayez une version plus récente ou contactez votre fournisseur.</translation>
    </message>
    <message>
        <source>Transmitter configuration corrupt. Last writing probably not successful. Do you want to pre-set default configuration?</source>
        <translation>La configuration du transmetteur est corrompue. La dernière écriture a probablement échoué. Voulez-vous appliquer la configuration par défaut ?</translation>
    </message>
    <message>
        <source>Another transmitter was connected or configuration was changed. The transmitter configuration must be read again.<byte value="xd"/>
Do you want to read configuration from transmitter? If no, operation will be stopped.</source>
        <translation>Un autre transmetteur a été connecté ou la configuration a été modifiée. La configuration du transmetteur doit être relue.<byte value="xd"/>
Voulez-vous lire la configuration depuis le transmetteur ? Sinon, l&apos;opération sera arrêtée.</translation>
    </message>
    <message>
        <source>Different type of transmitter is connected, cannot continue.</source>
        <translation>Un transmetteur d&apos;un autre type est connecté, impossible de continuer.</translation>
    </message>
    <message>
        <source>The connected transmitter uses earlier firmware version than required for storing the current configuration. Cannot continue.</source>
        <translation>Le transmetteur connecté possède une version de firmware antérieure à celle requise pour enregistrer la configuration actuelle. Impossible de continuer.</translation>
    </message>
    <message>
        <source>Connected transmitter is configured with fixed input range. Input range cannot be changed, cannot continue!</source>
        <translation>Le transmetteur connecté est configuré avec une plage d&apos;entrée fixe. La plage d&apos;entrée ne peut pas être modifiée, impossible de continuer !</translation>
    </message>
    <message>
        <source>Another transmitter was connected, do you really want to continue?</source>
        <translation>Un autre transmetteur a été connecté, voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source> Reading Configuration from Transmitter</source>
        <translation> Lecture de la configuration du transmetteur</translation>
    </message>
    <message>
        <source> Writing Configuration to Transmitter</source>
        <translation> Écriture de la configuration dans le transmetteur</translation>
    </message>
    <message>
        <source>Configuration was written to transmitter without any errors.</source>
        <translation>La configuration a été écrite dans le transmetteur sans erreur.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Aucune configuration du transmetteur n&apos;a été définie.</translation>
    </message>
    <message>
        <source>Changes were not saved. Continue?</source>
        <translation>Les modifications n&apos;ont pas été enregistrées. Continuer ?</translation>
    </message>
    <message>
        <source>The period must be a number of seconds from 0.2 to 15.0. The value %1 stays.</source>
        <translation>La période doit être un nombre de secondes de 0,2 à 15,0. La valeur %1 est conservée.</translation>
    </message>
    <message>
        <source>The output test value must be a number from %1 to %2 %3 (a negative value leaves output test mode). The value %4 stays.</source>
        <translation>La valeur de test de la sortie doit être un nombre de %1 à %2 %3 (une valeur négative quitte le mode de test de la sortie). La valeur %4 est conservée.</translation>
    </message>
    <message>
        <source> Checking the Written Configuration</source>
        <translation> Vérification de la configuration écrite</translation>
    </message>
    <message>
        <source>The transmitter acknowledged the configuration, but reading it back gives other values than were written:</source>
        <translation>Le transmetteur a confirmé la configuration, mais sa relecture donne d&apos;autres valeurs que celles écrites :</translation>
    </message>
    <message>
        <source> parameter %1 (row %2): written %3, read %4</source>
        <translation> paramètre %1 (ligne %2) : écrit %3, lu %4</translation>
    </message>
    <message>
        <source>Error during reading the data from transmitter, repeat?</source>
        <translation>Erreur lors de la lecture des données du transmetteur, recommencer ?</translation>
    </message>
    <message>
        <source>Error during writing the data to transmitter, repeat?</source>
        <translation>Erreur lors de l&apos;écriture des données dans le transmetteur, recommencer ?</translation>
    </message>
    <message>
        <source>Error (&apos;Bad Parameters&apos;) during writing the data to transmitter!<byte value="xd"/>
Feasible solution: Stop writing now, set the default configuration (command from menu &apos;Transmitter&apos;) and write configuration to the transmitter.<byte value="xd"/>
Do You want to repeat this operation?</source>
        <translation>Erreur (&apos;Paramètres incorrects&apos;) lors de l&apos;écriture des données dans le transmetteur !<byte value="xd"/>
Solution possible : arrêtez maintenant l&apos;écriture, appliquez la configuration par défaut (commande du menu &apos;Transmetteur&apos;) et écrivez la configuration dans le transmetteur.<byte value="xd"/>
Voulez-vous répéter cette opération ?</translation>
    </message>
    <message>
        <source>No communication port connected, cannot continue. Do you want to connect it now?</source>
        <translation>Aucun port de communication connecté, impossible de continuer. Voulez-vous le connecter maintenant ?</translation>
    </message>
    <message>
        <source>Error during transmitter configuration writing. Incorrect configuration settings may cause undefined errors. Configuration should be stored again.</source>
        <translation>Erreur lors de l&apos;écriture de la configuration dans le transmetteur. Une configuration incorrecte peut provoquer des erreurs indéfinies. La configuration doit être réécrite.</translation>
    </message>
    <message>
        <source>Do you really want to break operation?</source>
        <translation>Voulez-vous vraiment interrompre l&apos;opération ?</translation>
    </message>
    <message>
        <source>Waiting for the line to fall quiet...</source>
        <translation>Attente du silence sur la ligne...</translation>
    </message>
    <message>
        <source> Reading Configuration for the Backup</source>
        <translation> Lecture de la configuration pour la sauvegarde</translation>
    </message>
    <message>
        <source>The backup folder &apos;%1&apos; could not be created.</source>
        <translation>Le dossier de sauvegarde &apos;%1&apos; n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The transmitter&apos;s present configuration could not be kept as a backup, so nothing was written.</source>
        <translation>La configuration actuelle du transmetteur n&apos;a pas pu être sauvegardée, rien n&apos;a donc été écrit.</translation>
    </message>
    <message>
        <source>Writing changes these values of the transmitter (now -&gt; written):</source>
        <translation>L&apos;écriture modifie ces valeurs du transmetteur (actuel -&gt; écrit) :</translation>
    </message>
    <message>
        <source> ... and %1 more</source>
        <translation> ... et %1 de plus</translation>
    </message>
    <message>
        <source> stored values beyond the digits shown: %1</source>
        <translation> valeurs enregistrées au-delà des chiffres affichés : %1</translation>
    </message>
    <message>
        <source>Write the configuration to the transmitter?</source>
        <translation>Écrire la configuration dans le transmetteur ?</translation>
    </message>
    <message>
        <source>The transmitter already holds this configuration; nothing was written.</source>
        <translation>Le transmetteur contient déjà cette configuration ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The transmitter already holds this configuration. Write it anyway?</source>
        <translation>Le transmetteur contient déjà cette configuration. L&apos;écrire quand même ?</translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>Note.: </source>
        <translation>Note : </translation>
    </message>
    <message>
        <source>Configured by</source>
        <translation>Configuré par</translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Date : </translation>
    </message>
    <message>
        <source> Transmitter Configuration Protocol </source>
        <translation> Procès-verbal de configuration du transmetteur </translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Correction</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Limit Comparator</source>
        <translation>Comparateur de seuil</translation>
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
        <translation>Activé</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Switch Level:</source>
        <translation>Seuil de commutation :</translation>
    </message>
    <message>
        <source>Hysteresis:</source>
        <translation>Hystérésis :</translation>
    </message>
    <message>
        <source>Switching Mode:</source>
        <translation>Mode de commutation :</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>Indicate by Error Output:</source>
        <translation>Signalisation par la sortie de défaut :</translation>
    </message>
    <message>
        <source>State on Error:</source>
        <translation>État en cas de défaut :</translation>
    </message>
    <message>
        <source>Switch On</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Switch Off</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Output Type:</source>
        <translation>Type de sortie :</translation>
    </message>
    <message>
        <source>Output Saturation:</source>
        <translation>Saturation de la sortie :</translation>
    </message>
    <message>
        <source>cca  %1 to %2 %3</source>
        <translation>env.  %1 à %2 %3</translation>
    </message>
    <message>
        <source>Damping:</source>
        <translation>Amortissement :</translation>
    </message>
    <message>
        <source>Linearization:</source>
        <translation>Linéarisation :</translation>
    </message>
    <message>
        <source>Customer Linearization:</source>
        <translation>Linéarisation client :</translation>
    </message>
    <message>
        <source>Lead Resistance 1:</source>
        <translation>Résistance de ligne 1 :</translation>
    </message>
    <message>
        <source>Lead Resistance:</source>
        <translation>Résistance de ligne :</translation>
    </message>
    <message>
        <source>Lead Resistance 2:</source>
        <translation>Résistance de ligne 2 :</translation>
    </message>
    <message>
        <source>Cold Junction Temperature:</source>
        <translation>Température de soudure froide :</translation>
    </message>
    <message>
        <source>- constant</source>
        <translation>- constante</translation>
    </message>
    <message>
        <source>Input Filter:</source>
        <translation>Filtre d&apos;entrée :</translation>
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
        <translation>Signalisation de défaut :</translation>
    </message>
    <message>
        <source> and by Switching Relay</source>
        <translation> et par commutation du relais</translation>
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
        <translation>Type de transmetteur :</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Version du firmware :</translation>
    </message>
    <message>
        <source>Identification:</source>
        <translation>Identification :</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Fabricant :</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Numéro de série :</translation>
    </message>
    <message>
        <source>Date of Manufacturing:</source>
        <translation>Date de fabrication :</translation>
    </message>
    <message>
        <source>Date of Last Change:</source>
        <translation>Date de la dernière modification :</translation>
    </message>
    <message>
        <source>Working Time:</source>
        <translation>Temps de fonctionnement :</translation>
    </message>
    <message>
        <source>File Version:</source>
        <translation>Version du fichier :</translation>
    </message>
    <message>
        <source>Input Range:</source>
        <translation>Plage d&apos;entrée :</translation>
    </message>
    <message>
        <source>Sensor Connection:</source>
        <translation>Raccordement du capteur :</translation>
    </message>
    <message>
        <source>Set Range:</source>
        <translation>Échelle réglée :</translation>
    </message>
    <message>
        <source>Communication Parameters:</source>
        <translation>Paramètres de communication :</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>BaudRate:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parité :</translation>
    </message>
    <message>
        <source>Text Note:</source>
        <translation>Note texte :</translation>
    </message>
    <message>
        <source>Configuration Security:</source>
        <translation>Sécurité de la configuration :</translation>
    </message>
    <message>
        <source>Change of the Configuration by the Set-up Unit is disallowed</source>
        <translation>La modification de la configuration par l&apos;unité de réglage est interdite</translation>
    </message>
    <message>
        <source>Change of the Configuration by the Set-up Unit is allowed</source>
        <translation>La modification de la configuration par l&apos;unité de réglage est autorisée</translation>
    </message>
    <message>
        <source>None Decimal Place</source>
        <translation>Sans décimale</translation>
    </message>
    <message>
        <source>1 Decimal Place</source>
        <translation>1 décimale</translation>
    </message>
    <message>
        <source>2 Decimal Places</source>
        <translation>2 décimales</translation>
    </message>
    <message>
        <source>Points for Approximation:</source>
        <translation>Points pour l&apos;approximation :</translation>
    </message>
    <message>
        <source>No Points</source>
        <translation>Aucun point</translation>
    </message>
    <message>
        <source> Transmitter Linearization Parameters </source>
        <translation> Paramètres de linéarisation du transmetteur </translation>
    </message>
    <message>
        <source>Linear Table</source>
        <translation>Table de linéarisation</translation>
    </message>
    <message>
        <source>Start of X:</source>
        <translation>Début de X :</translation>
    </message>
    <message>
        <source>End of X:</source>
        <translation>Fin de X :</translation>
    </message>
    <message>
        <source>Start of Y:</source>
        <translation>Début de Y :</translation>
    </message>
    <message>
        <source>End of Y:</source>
        <translation>Fin de Y :</translation>
    </message>
    <message>
        <source>Display Configuration:</source>
        <translation>Configuration de l&apos;afficheur :</translation>
    </message>
    <message>
        <source>Cold Junction Compensation</source>
        <translation>Compensation de soudure froide</translation>
    </message>
    <message>
        <source>Unit of X-Values:</source>
        <translation>Unité des valeurs X :</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>L&apos;impression a échoué.</translation>
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
        <translation>L&apos;erreur d&apos;approximation maximale se trouve au point </translation>
    </message>
    <message>
        <source>Minimum error of approximation is at point </source>
        <translation>L&apos;erreur d&apos;approximation minimale se trouve au point </translation>
    </message>
    <message>
        <source>Approximation Graph</source>
        <translation>Graphique d&apos;approximation</translation>
    </message>
    <message>
        <source>Approximation Error Graph</source>
        <translation>Graphique de l&apos;erreur d&apos;approximation</translation>
    </message>
    <message>
        <source> Approximation Graph</source>
        <translation> Graphique d&apos;approximation</translation>
    </message>
    <message>
        <source> Approximation Error Graph</source>
        <translation> Graphique de l&apos;erreur d&apos;approximation</translation>
    </message>
</context>
<context>
    <name>lmk17::HelpViewer</name>
    <message>
        <source>LMK-17 Help</source>
        <translation>Aide LMK-17</translation>
    </message>
    <message>
        <source>Type the keyword to find</source>
        <translation>Tapez le mot-clé recherché</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>The help was not found. Looked for the folder %1.</source>
        <translation>L&apos;aide est introuvable. Dossier recherché : %1.</translation>
    </message>
</context>
<context>
    <name>lmk17::LinEditor</name>
    <message>
        <source>Attention! There were changes in the table of points for linearization but approximation process was not carried out. In this case linearization may content wrong data. We recommend doing approximation of the linearization again. Do you want to approximate now?</source>
        <translation>Attention ! Le tableau des points de linéarisation a été modifié mais l&apos;approximation n&apos;a pas été effectuée. La linéarisation peut donc contenir des données erronées. Nous recommandons de refaire l&apos;approximation de la linéarisation. Voulez-vous l&apos;approximer maintenant ?</translation>
    </message>
    <message>
        <source>Attention! There were changes in the table of points for CJ compensation but approximation process was not carried out. In this case CJ compensation may content wrong data. We recommend doing approximation of the CJ compensation again. Do you want to approximate now?</source>
        <translation>Attention ! Le tableau des points de la compensation de soudure froide a été modifié mais l&apos;approximation n&apos;a pas été effectuée. La compensation de soudure froide peut donc contenir des données erronées. Nous recommandons de refaire l&apos;approximation de la compensation. Voulez-vous l&apos;approximer maintenant ?</translation>
    </message>
    <message>
        <source>Attention! There were changes in the &apos;Sensor Specific Constants&apos; section but approximation process was not carried out. In this case linearization may content wrong data. We recommend doing approximation of the linearization again. Do you want to approximate now?</source>
        <translation>Attention ! La section &apos;Constantes spécifiques du capteur&apos; a été modifiée mais l&apos;approximation n&apos;a pas été effectuée. La linéarisation peut donc contenir des données erronées. Nous recommandons de refaire l&apos;approximation de la linéarisation. Voulez-vous l&apos;approximer maintenant ?</translation>
    </message>
    <message>
        <source>Attention! Range of Y-values is out of display range! We recommend changing the display configuration or changing linearization. Do you want to configure parameters now?</source>
        <translation>Attention ! La plage des valeurs Y dépasse la plage de l&apos;afficheur ! Nous recommandons de modifier la configuration de l&apos;afficheur ou la linéarisation. Voulez-vous régler les paramètres maintenant ?</translation>
    </message>
    <message>
        <source>Changes were not saved. Do you want to save parameters to file now?</source>
        <translation>Les modifications n&apos;ont pas été enregistrées. Voulez-vous enregistrer les paramètres dans un fichier maintenant ?</translation>
    </message>
    <message>
        <source>Changes were not saved. Parameters will be erased. Do you really want to close the window?</source>
        <translation>Les modifications n&apos;ont pas été enregistrées. Les paramètres seront perdus. Voulez-vous vraiment fermer la fenêtre ?</translation>
    </message>
    <message>
        <source>Incorrect Format of the Value: </source>
        <translation>Format de la valeur incorrect : </translation>
    </message>
    <message>
        <source>linearization table</source>
        <translation>table de linéarisation</translation>
    </message>
    <message>
        <source>CJ Compensation polynomial</source>
        <translation>polynôme de compensation de soudure froide</translation>
    </message>
    <message>
        <source>Cannot add point to the table, table is full.</source>
        <translation>Impossible d&apos;ajouter le point, le tableau est plein.</translation>
    </message>
</context>
<context>
    <name>lmk17::PrintController</name>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>E&amp;xporter en PDF…</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed, cannot continue.</source>
        <translation>Aucune imprimante n&apos;est installée, impossible de continuer.</translation>
    </message>
    <message>
        <source>Printing failed.</source>
        <translation>L&apos;impression a échoué.</translation>
    </message>
    <message>
        <source>There has not been set any configuration of transmitter.</source>
        <translation>Aucune configuration du transmetteur n&apos;a été définie.</translation>
    </message>
    <message>
        <source>Transmitter Configuration Protocol</source>
        <translation>Procès-verbal de configuration du transmetteur</translation>
    </message>
    <message>
        <source>Transmitter Linearization Parameters</source>
        <translation>Paramètres de linéarisation du transmetteur</translation>
    </message>
    <message>
        <source>Use “%1” in the File menu to save the protocol as a PDF file instead.</source>
        <translation>Utilisez « %1 » dans le menu Fichier pour enregistrer le protocole au format PDF.</translation>
    </message>
</context>
<context>
    <name>lmk17::TAdresaForm</name>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Vitesse de transmission</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>lmk17::TGraphForm</name>
    <message>
        <source>Graph Scale:</source>
        <translation>Échelle du graphique :</translation>
    </message>
    <message>
        <source>X Axis:</source>
        <translation>Axe X :</translation>
    </message>
    <message>
        <source>Y Axis:</source>
        <translation>Axe Y :</translation>
    </message>
    <message>
        <source>Approximation Error:</source>
        <translation>Erreur d&apos;approximation :</translation>
    </message>
    <message>
        <source> By clicking on value you can display coordinates of point, where this error was found. </source>
        <translation> Un clic sur la valeur affiche les coordonnées du point où cette erreur a été trouvée. </translation>
    </message>
    <message>
        <source>Approximation Error Graph</source>
        <translation>Graphique de l&apos;erreur d&apos;approximation</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>lmk17::TInfoPage</name>
    <message>
        <source>Transmitter</source>
        <translation>Transmetteur</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Fabricant :</translation>
    </message>
    <message>
        <source>Transmitter Type:</source>
        <translation>Type de transmetteur :</translation>
    </message>
    <message>
        <source>Date of Manufacturing:</source>
        <translation>Date de fabrication :</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Numéro de série :</translation>
    </message>
    <message>
        <source>Date of Last Change:</source>
        <translation>Date de la dernière modification :</translation>
    </message>
    <message>
        <source>Working Time:</source>
        <translation>Temps de fonctionnement :</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Boîtier</translation>
    </message>
    <message>
        <source>Picture not Available</source>
        <translation>Image non disponible</translation>
    </message>
</context>
<context>
    <name>lmk17::TInputPage</name>
    <message>
        <source>Input Range and Connection</source>
        <translation>Plage d&apos;entrée et raccordement</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Linearization</source>
        <translation>Linéarisation</translation>
    </message>
    <message>
        <source>Input Range:</source>
        <translation>Plage d&apos;entrée :</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>Raccordement :</translation>
    </message>
    <message>
        <source>Measuring Range</source>
        <translation>Étendue de mesure</translation>
    </message>
    <message>
        <source>Lower Range Value:</source>
        <translation>Début d&apos;échelle :</translation>
    </message>
    <message>
        <source>Upper Range Value:</source>
        <translation>Fin d&apos;échelle :</translation>
    </message>
    <message>
        <source>Correction at Lower Range Value:</source>
        <translation>Correction au début d&apos;échelle :</translation>
    </message>
    <message>
        <source>Correction at Upper Range Value:</source>
        <translation>Correction à la fin d&apos;échelle :</translation>
    </message>
    <message>
        <source>Lead Resistance</source>
        <translation>Résistance de ligne</translation>
    </message>
    <message>
        <source>Resistance:</source>
        <translation>Résistance :</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Sensor 1:</source>
        <translation>Capteur 1 :</translation>
    </message>
    <message>
        <source>Sensor 2:</source>
        <translation>Capteur 2 :</translation>
    </message>
    <message>
        <source>Cold Junction Compensation</source>
        <translation>Compensation de soudure froide</translation>
    </message>
    <message>
        <source>CJ Temperature:</source>
        <translation>Température de soudure froide :</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Damping and Error Current</source>
        <translation>Amortissement et courant de défaut</translation>
    </message>
    <message>
        <source>Damping:</source>
        <translation>Amortissement :</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Low Output</source>
        <translation>Sortie basse</translation>
    </message>
    <message>
        <source>High Output</source>
        <translation>Sortie haute</translation>
    </message>
    <message>
        <source>Error Current:</source>
        <translation>Courant de défaut :</translation>
    </message>
    <message>
        <source>Limit Comparators</source>
        <translation>Comparateurs de seuil</translation>
    </message>
    <message>
        <source>Limit Comparator %1</source>
        <translation>Comparateur de seuil %1</translation>
    </message>
    <message>
        <source>Switching Level:</source>
        <translation>Seuil de commutation :</translation>
    </message>
    <message>
        <source>Hysteresis:</source>
        <translation>Hystérésis :</translation>
    </message>
    <message>
        <source> Normal</source>
        <translation> Normal</translation>
    </message>
    <message>
        <source> Reverse</source>
        <translation> Inverse</translation>
    </message>
    <message>
        <source>Switching Mode:</source>
        <translation>Mode de commutation :</translation>
    </message>
    <message>
        <source>Indicate by Error Current</source>
        <translation>Signaler par le courant de défaut</translation>
    </message>
    <message>
        <source>State on Error:</source>
        <translation>État en cas de défaut :</translation>
    </message>
    <message>
        <source> Switch Off</source>
        <translation> Désactiver</translation>
    </message>
    <message>
        <source> Switch On</source>
        <translation> Activer</translation>
    </message>
    <message>
        <source>Transmitter Error:</source>
        <translation>Défaut du transmetteur :</translation>
    </message>
    <message>
        <source>By Relay 1 On</source>
        <translation>Par relais 1 activé</translation>
    </message>
    <message>
        <source>By Relay 2 On</source>
        <translation>Par relais 2 activé</translation>
    </message>
    <message>
        <source>Input Filter</source>
        <translation>Filtre d&apos;entrée</translation>
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
        <translation>Interdire la modification de la configuration du transmetteur par l&apos;unité de réglage</translation>
    </message>
    <message>
        <source>User Note:</source>
        <translation>Note de l&apos;utilisateur :</translation>
    </message>
    <message>
        <source> Linearization and Cold Junction Compensation Setup </source>
        <translation> Réglage de la linéarisation et de la compensation de soudure froide </translation>
    </message>
    <message>
        <source> Limit comparator 1 switching polarity. </source>
        <translation> Polarité de commutation du comparateur de seuil 1. </translation>
    </message>
    <message>
        <source> Limit comparator 2 switching polarity. </source>
        <translation> Polarité de commutation du comparateur de seuil 2. </translation>
    </message>
</context>
<context>
    <name>lmk17::TLinearForm</name>
    <message>
        <source>Linearization and Cold Junction Compensation</source>
        <translation>Linéarisation et compensation de soudure froide</translation>
    </message>
    <message>
        <source> Linearization </source>
        <translation> Linéarisation </translation>
    </message>
    <message>
        <source>Cold Junction Compensation</source>
        <translation>Compensation de soudure froide</translation>
    </message>
    <message>
        <source>Sensor Specific Characterization</source>
        <translation>Caractérisation spécifique du capteur</translation>
    </message>
    <message>
        <source> Linearization - detail </source>
        <translation> Linéarisation - détail </translation>
    </message>
    <message numerus="yes">
        <source>%n pasted row(s) did not fit into the table and were left out.</source>
        <translation>
            <numerusform>%n ligne(s) collée(s) ne tenaient pas dans le tableau et ont été ignorées.</numerusform>
            <numerusform>%n ligne(s) collée(s) ne tenaient pas dans le tableau et ont été ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you really want to clear the table of linearization points?</source>
        <translation>Voulez-vous vraiment effacer le tableau des points de linéarisation ?</translation>
    </message>
    <message>
        <source>Do you really want to clear the table of cold junction compensation points</source>
        <translation>Voulez-vous vraiment effacer le tableau des points de la compensation de soudure froide</translation>
    </message>
    <message>
        <source> Linearization Graph</source>
        <translation> Graphique de linéarisation</translation>
    </message>
    <message>
        <source> Cold Junction Compensation Graph</source>
        <translation> Graphique de la compensation de soudure froide</translation>
    </message>
    <message>
        <source>&amp;Add Coordinates to the Table</source>
        <translation>&amp;Ajouter les coordonnées au tableau</translation>
    </message>
    <message>
        <source>&amp;Copy Graph to the Clipboard</source>
        <translation>&amp;Copier le graphique dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Save the Linearization Parameters</source>
        <translation>&amp;Enregistrer les paramètres de linéarisation</translation>
    </message>
    <message>
        <source>&amp;Load the Linearization Parameters</source>
        <translation>&amp;Charger les paramètres de linéarisation</translation>
    </message>
    <message>
        <source>Linearization Files (*.lin *.LIN)</source>
        <translation>Fichiers de linéarisation (*.lin *.LIN)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>Configuration de l&apos;im&amp;primante</translation>
    </message>
    <message>
        <source>&amp;Print the Linearization Parameters</source>
        <translation>&amp;Imprimer les paramètres de linéarisation</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Edit the &amp;Linear Table</source>
        <translation>Modifier la table de &amp;linéarisation</translation>
    </message>
    <message>
        <source>Edit the Cold &amp;Junction Compensation</source>
        <translation>Modifier la compensation de soudure &amp;froide</translation>
    </message>
    <message>
        <source>Edit the &amp;Sensor-Specific Characterization</source>
        <translation>Modifier la caractérisation spécifique du &amp;capteur</translation>
    </message>
    <message>
        <source>&amp;Clear the Table for Linearization</source>
        <translation>&amp;Effacer le tableau de linéarisation</translation>
    </message>
    <message>
        <source>Clear the Table for Cold Junction C&amp;ompensation</source>
        <translation>Effacer le tableau de c&amp;ompensation de soudure froide</translation>
    </message>
    <message>
        <source>Set &amp;Default Linearization</source>
        <translation>Appliquer la linéarisation par &amp;défaut</translation>
    </message>
    <message>
        <source>Set Default Linearization &amp;and CJ Compensation</source>
        <translation>Appliquer la linéarisation et la compensation SF p&amp;ar défaut</translation>
    </message>
    <message>
        <source>&amp;Approximation</source>
        <translation>&amp;Approximation</translation>
    </message>
    <message>
        <source>&amp;Linearization</source>
        <translation>&amp;Linéarisation</translation>
    </message>
    <message>
        <source>&amp;Cold Junction Compensation</source>
        <translation>&amp;Compensation de soudure froide</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>Start of X :</source>
        <translation>Début de X :</translation>
    </message>
    <message>
        <source>End of X :</source>
        <translation>Fin de X :</translation>
    </message>
    <message>
        <source>Start of Y :</source>
        <translation>Début de Y :</translation>
    </message>
    <message>
        <source>End of Y :</source>
        <translation>Fin de Y :</translation>
    </message>
    <message>
        <source>Units of  X : </source>
        <translation>Unité de X : </translation>
    </message>
    <message>
        <source>Units of Y :</source>
        <translation>Unité de Y :</translation>
    </message>
    <message>
        <source>Display Configuration</source>
        <translation>Configuration de l&apos;afficheur</translation>
    </message>
    <message>
        <source> None Decimal Place</source>
        <translation> Sans décimale</translation>
    </message>
    <message>
        <source> 1 Decimal Place</source>
        <translation> 1 décimale</translation>
    </message>
    <message>
        <source> 2 Decimal Places</source>
        <translation> 2 décimales</translation>
    </message>
    <message>
        <source>Linearization Approximation</source>
        <translation>Approximation de la linéarisation</translation>
    </message>
    <message>
        <source>Clear Table</source>
        <translation>Effacer le tableau</translation>
    </message>
    <message>
        <source>Units of the X-Values: </source>
        <translation>Unité des valeurs X : </translation>
    </message>
    <message>
        <source>CJ Compensation Approximate</source>
        <translation>Approximer la compensation SF</translation>
    </message>
    <message>
        <source>Default Constants (IEC 751/A2)</source>
        <translation>Constantes normalisées (IEC 751/A2)</translation>
    </message>
    <message>
        <source>for -200 °C to 0 °C:</source>
        <translation>pour -200 °C à 0 °C :</translation>
    </message>
    <message>
        <source>Rt = R0 * [1 + A*t + B*t^2 + C*( t- 100°C )*t^3] </source>
        <translation>Rt = R0 * [1 + A*t + B*t^2 + C*( t- 100°C )*t^3] </translation>
    </message>
    <message>
        <source>for 0 °C to 850 °C:</source>
        <translation>pour 0 °C à 850 °C :</translation>
    </message>
    <message>
        <source>Rt = R0 * (1 + A*t + B*t^2)</source>
        <translation>Rt = R0 * (1 + A*t + B*t^2)</translation>
    </message>
    <message>
        <source>Sensor-Specific Constants according to IEC 751/A2 </source>
        <translation>Constantes spécifiques du capteur selon IEC 751/A2 </translation>
    </message>
    <message>
        <source>Resistance at Temperature 0°C:</source>
        <translation>Résistance à la température de 0°C :</translation>
    </message>
    <message>
        <source>Resistance at Temperature T1:</source>
        <translation>Résistance à la température T1 :</translation>
    </message>
    <message>
        <source>One-Point Calibration according to IEC 751/A2 </source>
        <translation>Étalonnage en un point selon IEC 751/A2 </translation>
    </message>
    <message>
        <source>Calculate Linearization according to Constants</source>
        <translation>Calculer la linéarisation d&apos;après les constantes</translation>
    </message>
    <message>
        <source>&amp;Export the Linearization Parameters as PDF…</source>
        <translation>E&amp;xporter les paramètres de linéarisation en PDF…</translation>
    </message>
    <message>
        <source>Load the Linearization Parameters</source>
        <translation>Charger les paramètres de linéarisation</translation>
    </message>
    <message>
        <source>Save the Linearization Parameters</source>
        <translation>Enregistrer les parámetros de linéarisation</translation>
    </message>
</context>
<context>
    <name>lmk17::TMainForm</name>
    <message>
        <source>&amp;Load Configuration</source>
        <translation>&amp;Charger la configuration</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>&amp;Enregistrer la configuration</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Printer Set&amp;up</source>
        <translation>Configuration de l&apos;im&amp;primante</translation>
    </message>
    <message>
        <source>&amp;Print Configuration</source>
        <translation>&amp;Imprimer la configuration</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Read Configuration</source>
        <translation>&amp;Lire la configuration</translation>
    </message>
    <message>
        <source>&amp;Write Configuration</source>
        <translation>É&amp;crire la configuration</translation>
    </message>
    <message>
        <source>Set &amp;Default Configuration</source>
        <translation>Appliquer la configuration par &amp;défaut</translation>
    </message>
    <message>
        <source>View &amp;Ordering Code</source>
        <translation>Afficher le code de c&amp;ommande</translation>
    </message>
    <message>
        <source>Read Wor&amp;king Time</source>
        <translation>Lire le &amp;temps de fonctionnement</translation>
    </message>
    <message>
        <source>Read &amp;Primary Variable Value</source>
        <translation>Lire la &amp;valeur de la grandeur mesurée</translation>
    </message>
    <message>
        <source>Read Cold &amp;Junction Temperature</source>
        <translation>Lire la température de soudure &amp;froide</translation>
    </message>
    <message>
        <source>Monitoring &amp;START</source>
        <translation>Surveillance M&amp;ARCHE</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Monitoring S&amp;TOP</source>
        <translation>Surveillance A&amp;RRÊT</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>View the Monitoring &amp;Graph</source>
        <translation>Afficher le &amp;graphique de surveillance</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>Monitoring P&amp;arameters</source>
        <translation>&amp;Paramètres de surveillance</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Entrée</translation>
    </message>
    <message>
        <source>&amp;Output</source>
        <translation>&amp;Sortie</translation>
    </message>
    <message>
        <source>I&amp;nformation</source>
        <translation>&amp;Informations</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Monitoring</source>
        <translation>S&amp;urveillance</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>Ctrl+F1</source>
        <translation>Ctrl+F1</translation>
    </message>
    <message>
        <source>Browse &amp;WWW site</source>
        <translation>Visiter le site &amp;web</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>À &amp;propos ...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Transmitter</source>
        <translation>&amp;Transmetteur</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Monitoring</source>
        <translation>Surveillance</translation>
    </message>
    <message>
        <source>  Transmitter </source>
        <translation>  Transmetteur </translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>       File </source>
        <translation>       Fichier </translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>       Printer </source>
        <translation>       Imprimante </translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source> View Window About Application </source>
        <translation> Afficher la fenêtre À propos de l&apos;application </translation>
    </message>
    <message>
        <source> Read Configuration from Transmitter </source>
        <translation> Lire la configuration du transmetteur </translation>
    </message>
    <message>
        <source> Write Configuration to Transmitter </source>
        <translation> Écrire la configuration dans le transmetteur </translation>
    </message>
    <message>
        <source> Load Configuration from File </source>
        <translation> Charger la configuration depuis un fichier </translation>
    </message>
    <message>
        <source> Save Configuration to File </source>
        <translation> Enregistrer la configuration dans un fichier </translation>
    </message>
    <message>
        <source> Select Printer and Printer Setup </source>
        <translation> Choisir et configurer l&apos;imprimante </translation>
    </message>
    <message>
        <source> Print Configuration </source>
        <translation> Imprimer la configuration </translation>
    </message>
    <message>
        <source> Transmitter Communication Parameters Setup </source>
        <translation> Réglage des paramètres de communication du transmetteur </translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Enregistrer la configuration</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Charger la configuration</translation>
    </message>
    <message>
        <source>Configuration Files (*.ptf *.PTF)</source>
        <translation>Fichiers de configuration (*.ptf *.PTF)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source> Save the configuration protocol as a PDF file </source>
        <translation> Enregistrer le procès-verbal de configuration en fichier PDF </translation>
    </message>
    <message>
        <source>&amp;Line Traffic</source>
        <translation>&amp;Trafic de la ligne</translation>
    </message>
    <message>
        <source>&amp;Compare with File…</source>
        <translation>Co&amp;mparer avec un fichier…</translation>
    </message>
    <message>
        <source>&amp;Compare with Transmitter</source>
        <translation>Co&amp;mparer avec le transmetteur</translation>
    </message>
    <message>
        <source>&amp;Restore from Backup…</source>
        <translation>&amp;Restaurer depuis une sauvegarde…</translation>
    </message>
    <message>
        <source>&amp;Backups and Writing…</source>
        <translation>&amp;Sauvegardes et écriture…</translation>
    </message>
    <message>
        <source>Write to Se&amp;veral Transmitters…</source>
        <translation>Écrire dans pl&amp;usieurs transmetteurs…</translation>
    </message>
</context>
<context>
    <name>lmk17::TMonGraphForm</name>
    <message>
        <source> Monitoring Graph</source>
        <translation> Graphique de surveillance</translation>
    </message>
    <message>
        <source>&amp;Copy Graph to the Clipboard</source>
        <translation>&amp;Copier le graphique dans le presse-papiers</translation>
    </message>
    <message>
        <source>Show / Hide &amp;Grids</source>
        <translation>Afficher / masquer la &amp;grille</translation>
    </message>
    <message>
        <source>C&amp;lear the Graph</source>
        <translation>E&amp;ffacer le graphique</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Réinitialiser le zoom</translation>
    </message>
    <message>
        <source>&amp;Save Graph as PNG...</source>
        <translation>E&amp;nregistrer le graphique en PNG...</translation>
    </message>
    <message>
        <source>&amp;Export Points as CSV...</source>
        <translation>&amp;Exporter les points en CSV...</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>Adresse %1</translation>
    </message>
    <message>
        <source>Do you really want to erase the graph?</source>
        <translation>Voulez-vous vraiment effacer le graphique ?</translation>
    </message>
    <message>
        <source>The graph could not be saved as &quot;%1&quot;.</source>
        <translation>Impossible d&apos;enregistrer le graphique sous « %1 ».</translation>
    </message>
    <message>
        <source>The points could not be exported to &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;exporter les points vers « %1 » : %2</translation>
    </message>
    <message>
        <source>Save Graph as PNG</source>
        <translation>Enregistrer le graphique en PNG</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export Points as CSV</source>
        <translation>Exporter les points en CSV</translation>
    </message>
    <message>
        <source>CSV, comma separated (*.csv)</source>
        <translation>CSV, séparateur virgule (*.csv)</translation>
    </message>
    <message>
        <source>CSV, semicolon separated, decimal comma (*.csv)</source>
        <translation>CSV, séparateur point-virgule, virgule décimale (*.csv)</translation>
    </message>
</context>
<context>
    <name>lmk17::TMonParForm</name>
    <message>
        <source> Monitoring Parameters</source>
        <translation> Paramètres de surveillance</translation>
    </message>
    <message>
        <source>Time Interval [s]:</source>
        <translation>Intervalle de temps [s] :</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Graph of the PV Value History:</source>
        <translation>Graphique de l&apos;historique de la PV :</translation>
    </message>
    <message>
        <source> None</source>
        <translation> Aucun</translation>
    </message>
    <message>
        <source> Cross</source>
        <translation> Croix</translation>
    </message>
    <message>
        <source> Solid Circle</source>
        <translation> Cercle plein</translation>
    </message>
    <message>
        <source> Solid Square</source>
        <translation> Carré plein</translation>
    </message>
    <message>
        <source> Small Solid Circle</source>
        <translation> Petit cercle plein</translation>
    </message>
    <message>
        <source> Small Solid Square</source>
        <translation> Petit carré plein</translation>
    </message>
    <message>
        <source>Graph Point Symbols:</source>
        <translation>Symboles des points du graphique :</translation>
    </message>
    <message>
        <source>Log Format :</source>
        <translation>Format du journal :</translation>
    </message>
    <message>
        <source> &apos; , &apos; - Dash</source>
        <translation> &apos; , &apos; - virgule</translation>
    </message>
    <message>
        <source> &apos; . &apos; - Dot </source>
        <translation> &apos; . &apos; - point </translation>
    </message>
    <message>
        <source>Decimal Separator:</source>
        <translation>Séparateur décimal :</translation>
    </message>
    <message>
        <source>Number of Significant Places of the PV:</source>
        <translation>Nombre de chiffres significatifs de la PV :</translation>
    </message>
    <message>
        <source>Write all Records</source>
        <translation>Écrire tous les enregistrements</translation>
    </message>
    <message>
        <source>Write when:</source>
        <translation>Écrire lorsque :</translation>
    </message>
    <message>
        <source>Change of the PV Value i more than [%] :</source>
        <translation>la variation de la PV dépasse [%] :</translation>
    </message>
    <message>
        <source>Transmitter is in Error State</source>
        <translation>le transmetteur est en défaut</translation>
    </message>
    <message>
        <source>Communication Error appears</source>
        <translation>une erreur de communication survient</translation>
    </message>
    <message>
        <source>With Time Period  [sec] :</source>
        <translation>Avec la période  [sec] :</translation>
    </message>
    <message>
        <source>Monitor the Transmitter:</source>
        <translation>Surveiller le transmetteur :</translation>
    </message>
    <message>
        <source>with the Address</source>
        <translation>à l&apos;adresse</translation>
    </message>
    <message>
        <source>e.g. 0,3,5-7</source>
        <translation>p. ex. 0,3,5-7</translation>
    </message>
    <message>
        <source>Several transmitters on one line, polled in turn each cycle (up to 32 addresses). Empty: the one address above.</source>
        <translation>Plusieurs transmetteurs sur une ligne, interrogés tour à tour à chaque cycle (jusqu&apos;à 32 adresses). Vide : la seule adresse ci-dessus.</translation>
    </message>
    <message>
        <source>or the Addresses:</source>
        <translation>ou les adresses :</translation>
    </message>
    <message>
        <source>Write Records to the Log File :</source>
        <translation>Écrire les enregistrements dans le fichier journal :</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Rewrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: %2</source>
        <translation>Impossible d&apos;utiliser la liste d&apos;adresses « %1 » : %2</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>Fichier journal</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
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
        <translation>Codage du journal texte :</translation>
    </message>
</context>
<context>
    <name>lmk17::TMonitoringPage</name>
    <message>
        <source>Start </source>
        <translation>Démarrer </translation>
    </message>
    <message>
        <source>Stop </source>
        <translation>Arrêter </translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>View Graph</source>
        <translation>Afficher le graphique</translation>
    </message>
    <message>
        <source>Clear Log </source>
        <translation>Effacer le journal </translation>
    </message>
    <message>
        <source>The communication port was lost; trying to open it again every 2 s.</source>
        <translation>Le port de communication a été perdu ; nouvelle tentative d&apos;ouverture toutes les 2 s.</translation>
    </message>
    <message>
        <source>Reading the transmitter</source>
        <translation>Lecture du transmetteur</translation>
    </message>
    <message>
        <source>Log not written</source>
        <translation>Journal non écrit</translation>
    </message>
    <message>
        <source>The lines of the monitoring log are not reaching the log file; they are counted, and the log says how many when writing resumes.</source>
        <translation>Les lignes du journal de surveillance n&apos;atteignent pas le fichier journal ; elles sont comptées, et le journal en indique le nombre dès que l&apos;écriture reprend.</translation>
    </message>
    <message>
        <source>Monitoring activity</source>
        <translation>Activité de la surveillance</translation>
    </message>
    <message>
        <source>Monitoring activity: green while the transmitter is being read, red when the communication port is lost</source>
        <translation>Activité de la surveillance : vert pendant la lecture du transmetteur, rouge si le port de communication est perdu</translation>
    </message>
</context>
<context>
    <name>lmk17::TOutRangePicture</name>
    <message>
        <source>limit</source>
        <translation>limite</translation>
    </message>
    <message>
        <source>error</source>
        <translation>défaut</translation>
    </message>
    <message>
        <source>Lower Range Value</source>
        <translation>Début d&apos;échelle</translation>
    </message>
    <message>
        <source>Upper Range Value</source>
        <translation>Fin d&apos;échelle</translation>
    </message>
</context>
<context>
    <name>lmk17::TOutputPage</name>
    <message>
        <source>Output Range</source>
        <translation>Plage de sortie</translation>
    </message>
    <message>
        <source>Output Type:</source>
        <translation>Type de sortie :</translation>
    </message>
    <message>
        <source>Output Limits and Error Outputs</source>
        <translation>Limites de sortie et sorties de défaut</translation>
    </message>
    <message>
        <source>Lower Output Range:</source>
        <translation>Début de plage de sortie :</translation>
    </message>
    <message>
        <source>Upper Output Range:</source>
        <translation>Fin de plage de sortie :</translation>
    </message>
    <message>
        <source>Lower Output Limit:</source>
        <translation>Limite basse de sortie :</translation>
    </message>
    <message>
        <source>Upper Output Limit:</source>
        <translation>Limite haute de sortie :</translation>
    </message>
    <message>
        <source>Lower Error Output:</source>
        <translation>Sortie de défaut basse :</translation>
    </message>
    <message>
        <source>Upper Error Output:</source>
        <translation>Sortie de défaut haute :</translation>
    </message>
    <message>
        <source>Default Parameters</source>
        <translation>Paramètres par défaut</translation>
    </message>
</context>
<context>
    <name>lmk17::TPodpisForm</name>
    <message>
        <source>  Sign and Note</source>
        <translation>  Signature et note</translation>
    </message>
    <message>
        <source>&amp;Configured by :</source>
        <translation>&amp;Configuré par :</translation>
    </message>
    <message>
        <source>&amp;Note :</source>
        <translation>&amp;Note :</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>lmk17::TSettingsForm</name>
    <message>
        <source>Baud Rate</source>
        <translation>Vitesse de transmission</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source> Pick a serial port, or type the path of a device (e.g. a terminal of lmk17-sim) and press Enter </source>
        <translation> Choisissez un port série ou tapez le chemin d&apos;un périphérique (p. ex. un terminal de lmk17-sim) puis appuyez sur Entrée </translation>
    </message>
    <message>
        <source>Serial Port:</source>
        <translation>Port série :</translation>
    </message>
    <message>
        <source>Transmitter (DA):</source>
        <translation>Transmetteur (DA) :</translation>
    </message>
    <message>
        <source>PC (SA):</source>
        <translation>PC (SA) :</translation>
    </message>
    <message>
        <source>%1: no such device.</source>
        <translation>%1 : périphérique inexistant.</translation>
    </message>
    <message>
        <source>LMK-17</source>
        <translation>LMK-17</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>&amp;Search…</source>
        <translation>&amp;Rechercher…</translation>
    </message>
    <message>
        <source> Find the transmitters on the line whatever their address, baud rate and parity </source>
        <translation> Trouve les transmetteurs de la ligne quels que soient leur adresse, leur débit et leur parité </translation>
    </message>
</context>
<context>
    <name>lmk17::TToolsPage</name>
    <message>
        <source>  Primary Variable and Output  </source>
        <translation>  Variable primaire et sortie  </translation>
    </message>
    <message>
        <source>  Cold Junction Temperature  </source>
        <translation>  Température de soudure froide  </translation>
    </message>
    <message>
        <source>Read from Transmitter</source>
        <translation>Lire depuis le transmetteur</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>  Working Time  </source>
        <translation>  Temps de fonctionnement  </translation>
    </message>
    <message>
        <source>Refresh Working Time</source>
        <translation>Actualiser le temps de fonctionnement</translation>
    </message>
    <message>
        <source>Interval Reading, with Time Interval [s] :</source>
        <translation>Lecture périodique, avec intervalle de temps [s] :</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Sortie :</translation>
    </message>
    <message>
        <source>  &amp;Output Testing  </source>
        <translation>  Test de &amp;sortie  </translation>
    </message>
    <message>
        <source>Output Value %1:</source>
        <translation>Valeur de sortie %1 :</translation>
    </message>
    <message>
        <source>Output Current Value 1-3 Automatic Setting, with Time Interval [s] :</source>
        <translation>Réglage automatique du courant de sortie 1-3, avec intervalle de temps [s] :</translation>
    </message>
    <message>
        <source>Exit Testing</source>
        <translation>Quitter le test</translation>
    </message>
    <message>
        <source>Output Value %1</source>
        <translation>Valeur de sortie %1</translation>
    </message>
    <message>
        <source>Automatic Setting, Time Interval [s]</source>
        <translation>Réglage automatique, intervalle de temps [s]</translation>
    </message>
    <message>
        <source>Interval Reading, Time Interval [s]</source>
        <translation>Lecture périodique, intervalle de temps [s]</translation>
    </message>
</context>
<context>
    <name>HousingDrawing</name>
    <message>
        <source>input 1–4</source>
        <translation>entrée 1–4</translation>
    </message>
    <message>
        <source>output and relays</source>
        <translation>sortie et relais</translation>
    </message>
    <message>
        <source>output</source>
        <translation>sortie</translation>
    </message>
    <message>
        <source>sensor head mount</source>
        <translation>montage en tête de sonde</translation>
    </message>
</context>
<context>
    <name>lmk17::TColorSchemeMenu</name>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Couleurs</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Clair</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Sombre</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Du système</translation>
    </message>
</context>
<context>
    <name>lmk17::TLineTrafficForm</name>
    <message>
        <source>Line Traffic</source>
        <translation>Trafic de la ligne</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Temps (ms)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Octets</translation>
    </message>
    <message>
        <source>Decoded</source>
        <translation>Décodé</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save as Text…</source>
        <translation>Enregistrer en texte…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Frames on the line</source>
        <translation>Trames sur la ligne</translation>
    </message>
    <message>
        <source> Stop the list while the line goes on; the frames are kept </source>
        <translation> Arrête la liste pendant que la ligne continue ; les trames sont conservées </translation>
    </message>
    <message>
        <source> Copy the selected lines, or all listed lines when none is selected </source>
        <translation> Copie les lignes sélectionnées, ou toutes les lignes listées si aucune n&apos;est sélectionnée </translation>
    </message>
    <message>
        <source>Filter by address</source>
        <translation>Filtrer par adresse</translation>
    </message>
    <message>
        <source>All addresses</source>
        <translation>Toutes les adresses</translation>
    </message>
    <message>
        <source>Filter by parameter</source>
        <translation>Filtrer par paramètre</translation>
    </message>
    <message>
        <source>All parameters</source>
        <translation>Tous les paramètres</translation>
    </message>
    <message>
        <source>Filter by verdict</source>
        <translation>Filtrer par verdict</translation>
    </message>
    <message>
        <source>All verdicts</source>
        <translation>Tous les verdicts</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse :</translation>
    </message>
    <message>
        <source>P&amp;arameter:</source>
        <translation>P&amp;aramètre :</translation>
    </message>
    <message>
        <source>&amp;Verdict:</source>
        <translation>&amp;Verdict :</translation>
    </message>
    <message>
        <source>Save Line Traffic</source>
        <translation>Enregistrer le trafic de la ligne</translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Frames listed: %1</source>
        <translation>Trames listées : %1</translation>
    </message>
    <message>
        <source>Paused: %1</source>
        <translation>En pause : %1</translation>
    </message>
    <message>
        <source>; %1 not listed (more than the buffer holds)</source>
        <translation>; %1 non listées (plus que le tampon n&apos;en contient)</translation>
    </message>
    <message>
        <source>request</source>
        <translation>requête</translation>
    </message>
    <message>
        <source>repeat</source>
        <translation>répétition</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>réponse</translation>
    </message>
    <message>
        <source>echo dropped</source>
        <translation>écho ignoré</translation>
    </message>
    <message>
        <source>noise dropped</source>
        <translation>bruit ignoré</translation>
    </message>
    <message>
        <source>misshapen</source>
        <translation>trame malformée</translation>
    </message>
    <message>
        <source>late</source>
        <translation>en retard</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>délai dépassé</translation>
    </message>
</context>
<context>
    <name>lmk17::TSearchForm</name>
    <message>
        <source>Search for Transmitters</source>
        <translation>Rechercher des transmetteurs</translation>
    </message>
    <message>
        <source>Find every transmitter on the line</source>
        <translation>Trouver tous les transmetteurs de la ligne</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Cancel Search</source>
        <translation>Annuler la recherche</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Transmitters found</source>
        <translation>Transmetteurs trouvés</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Input Range</source>
        <translation>Plage d&apos;entrée</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Progression de la recherche</translation>
    </message>
    <message>
        <source> Talk to the transmitter picked: its address, baud rate and parity become the program&apos;s communication parameters </source>
        <translation> Dialoguer avec le transmetteur choisi : son adresse, son débit et sa parité deviennent les paramètres de communication du programme </translation>
    </message>
    <message>
        <source>The search cannot start: connect a serial port first, and wait until the operation under way has ended.</source>
        <translation>La recherche ne peut pas démarrer : connectez d&apos;abord un port série et attendez la fin de l&apos;opération en cours.</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Recherche en cours…</translation>
    </message>
    <message>
        <source>(not identified)</source>
        <translation>(non identifié)</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>Recherche annulée.</translation>
    </message>
    <message>
        <source>No transmitter answered.</source>
        <translation>Aucun transmetteur n&apos;a répondu.</translation>
    </message>
    <message>
        <source>Transmitters found: %1. Pick one and press Use.</source>
        <translation>Transmetteurs trouvés : %1. Choisissez-en un et appuyez sur Utiliser.</translation>
    </message>
</context>
<context>
    <name>lmk17::TCompareForm</name>
    <message>
        <source>Compare Configurations</source>
        <translation>Comparer les configurations</translation>
    </message>
    <message>
        <source>This Configuration</source>
        <translation>Cette configuration</translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation>Transmetteur</translation>
    </message>
    <message>
        <source>Show all fields</source>
        <translation>Afficher tous les champs</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Exporter en PDF…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Fields compared</source>
        <translation>Champs comparés</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Configuration Comparison</source>
        <translation>Comparaison de configurations</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Date: </source>
        <translation>Date : </translation>
    </message>
    <message>
        <source> Configuration Comparison </source>
        <translation> Comparaison de configurations </translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>1 field differs.</source>
        <translation>1 champ diffère.</translation>
    </message>
    <message>
        <source>Fields that differ: %1.</source>
        <translation>Champs différents : %1.</translation>
    </message>
    <message>
        <source>The listed values are equal; the stored values differ in: %1.</source>
        <translation>Les valeurs affichées sont égales ; les valeurs enregistrées diffèrent dans : %1.</translation>
    </message>
    <message>
        <source>The configurations are equal.</source>
        <translation>Les configurations sont identiques.</translation>
    </message>
</context>
<context>
    <name>lmk17::TRestoreForm</name>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Restaurer depuis une sauvegarde</translation>
    </message>
    <message>
        <source>Backups of the transmitter</source>
        <translation>Sauvegardes du transmetteur</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Prise le</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Plage</translation>
    </message>
    <message>
        <source>Differing fields</source>
        <translation>Champs différents</translation>
    </message>
    <message>
        <source>Restore the chosen backup</source>
        <translation>Restaurer la sauvegarde choisie</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>No backups of transmitter %1 were found in %2.</source>
        <translation>Aucune sauvegarde du transmetteur %1 n’a été trouvée dans %2.</translation>
    </message>
    <message>
        <source>(no backup folder)</source>
        <translation>(aucun dossier de sauvegarde)</translation>
    </message>
    <message>
        <source>Backups of transmitter %1 in %2:</source>
        <translation>Sauvegardes du transmetteur %1 dans %2 :</translation>
    </message>
</context>
<context>
    <name>lmk17::TBackupSettingsForm</name>
    <message>
        <source>Backups and Writing</source>
        <translation>Sauvegardes et écriture</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Show the changes and ask before writing</source>
        <translation>Afficher les modifications et demander avant d&apos;écrire</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Dossier des sauvegardes</translation>
    </message>
    <message>
        <source>Empty: %1</source>
        <translation>Vide : %1</translation>
    </message>
    <message>
        <source>Choose the backup folder</source>
        <translation>Choisir le dossier des sauvegardes</translation>
    </message>
    <message>
        <source>Backups kept per transmitter</source>
        <translation>Sauvegardes conservées par transmetteur</translation>
    </message>
    <message>
        <source>Backup folder:</source>
        <translation>Dossier des sauvegardes :</translation>
    </message>
    <message>
        <source>Backups kept per transmitter:</source>
        <translation>Sauvegardes conservées par transmetteur :</translation>
    </message>
    <message>
        <source>Before every write the configuration the transmitter holds is kept in the backup folder, in a folder of its own per serial number. Backups newer than a week are never deleted.</source>
        <translation>Avant chaque écriture, la configuration que contient le transmetteur est conservée dans le dossier des sauvegardes, dans un dossier propre à chaque numéro de série. Les sauvegardes de moins d&apos;une semaine ne sont jamais supprimées.</translation>
    </message>
</context>
<context>
    <name>BatchWrite</name>
    <message>
        <source>Enter the addresses of the transmitters, e.g. 1-8 or 1,3,5-7 (0..31).</source>
        <translation>Saisissez les adresses des transmetteurs, p. ex. 1-8 ou 1,3,5-7 (0..31).</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>écrit et vérifié</translation>
    </message>
    <message>
        <source>unchanged: it held the configuration</source>
        <translation>inchangé : il contenait déjà la configuration</translation>
    </message>
    <message>
        <source>FAILED: written, but reading it back gives other values</source>
        <translation>ÉCHEC : écrit, mais la relecture donne d&apos;autres valeurs</translation>
    </message>
    <message>
        <source>FAILED: no backup could be kept; nothing written</source>
        <translation>ÉCHEC : aucune sauvegarde possible ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>FAILED: refused; nothing written</source>
        <translation>ÉCHEC : refusé ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>FAILED: not confirmed; nothing written</source>
        <translation>ÉCHEC : non confirmé ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>FAILED: LEFT HALF-WRITTEN, write it again</source>
        <translation>ÉCHEC : ÉCRITURE INACHEVÉE, écrivez-le à nouveau</translation>
    </message>
    <message>
        <source>FAILED: no answer; nothing written</source>
        <translation>ÉCHEC : pas de réponse ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>FAILED: stopped before writing; nothing written</source>
        <translation>ÉCHEC : arrêté avant l&apos;écriture ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>; the protocol could not be written</source>
        <translation>; le procès-verbal n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>Written or already holding the configuration: %1 of %2.</source>
        <translation>Écrits ou contenant déjà la configuration : %1 sur %2.</translation>
    </message>
    <message>
        <source>Failed: %1.</source>
        <translation>En échec : %1.</translation>
    </message>
    <message>
        <source>Cancelled; not written: %1.</source>
        <translation>Annulé ; non écrits : %1.</translation>
    </message>
    <message>
        <source>LEFT HALF-WRITTEN: %1. Write them again.</source>
        <translation>ÉCRITURE INACHEVÉE : %1. Écrivez-les à nouveau.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Another operation is running: wait until it has ended.</source>
        <translation>Une autre opération est en cours : attendez qu&apos;elle soit terminée.</translation>
    </message>
    <message>
        <source>No communication port is connected.</source>
        <translation>Aucun port de communication n&apos;est connecté.</translation>
    </message>
    <message>
        <source>There is no configuration to write: read or load one first.</source>
        <translation>Il n&apos;y a pas de configuration à écrire : lisez-en ou chargez-en une d&apos;abord.</translation>
    </message>
    <message>
        <source>The configuration did not pass the check: correct it in the main window.</source>
        <translation>La configuration n&apos;a pas passé la vérification : corrigez-la dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>Transmitter Configuration Protocol</source>
        <translation>Procès-verbal de configuration du transmetteur</translation>
    </message>
    <message>
        <source>The folder %1 is not a full path. Give the whole path or choose it with Browse.</source>
        <translation>Le dossier %1 n&apos;est pas un chemin complet. Indiquez le chemin entier ou choisissez-le avec Parcourir.</translation>
    </message>
</context>
<context>
    <name>lmk17::TBatchWriteForm</name>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Ask about the changes before each transmitter is written</source>
        <translation>Demander confirmation des modifications avant d&apos;écrire chaque transmetteur</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Write to Several Transmitters</source>
        <translation>Écrire dans plusieurs transmetteurs</translation>
    </message>
    <message>
        <source>The configuration shown in the main window is written into each transmitter of the list, one after another. Each keeps its own address, baud rate, parity and user note, and gets its backup and its verification as by Write.</source>
        <translation>La configuration affichée dans la fenêtre principale est écrite dans chaque transmetteur de la liste, l&apos;un après l&apos;autre. Chacun garde sa propre adresse, sa vitesse, sa parité et sa note utilisateur, et reçoit sa sauvegarde et sa vérification comme lors d&apos;une écriture.</translation>
    </message>
    <message>
        <source>Addresses of the transmitters</source>
        <translation>Adresses des transmetteurs</translation>
    </message>
    <message>
        <source>e.g. 1-8 or 1,3,5-7</source>
        <translation>p. ex. 1-8 ou 1,3,5-7</translation>
    </message>
    <message>
        <source>Folder for the protocols</source>
        <translation>Dossier des procès-verbaux</translation>
    </message>
    <message>
        <source>(no protocols)</source>
        <translation>(pas de procès-verbaux)</translation>
    </message>
    <message>
        <source>Choose the folder for the protocols</source>
        <translation>Choisir le dossier des procès-verbaux</translation>
    </message>
    <message>
        <source>Transmitters written</source>
        <translation>Transmetteurs écrits</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Start writing</source>
        <translation>Démarrer l&apos;écriture</translation>
    </message>
    <message>
        <source>Cancel the writing</source>
        <translation>Annuler l&apos;écriture</translation>
    </message>
    <message>
        <source>&amp;Addresses:</source>
        <translation>&amp;Adresses :</translation>
    </message>
    <message>
        <source>&amp;Protocols to:</source>
        <translation>&amp;Procès-verbaux dans :</translation>
    </message>
    <message>
        <source>Folder for the Protocols</source>
        <translation>Dossier des procès-verbaux</translation>
    </message>
    <message>
        <source>Writing the transmitter at address %1 (%2 of %3)…</source>
        <translation>Écriture du transmetteur à l&apos;adresse %1 (%2 sur %3)…</translation>
    </message>
</context>
</TS>
