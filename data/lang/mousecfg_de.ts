<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BatteryNotifier</name>
    <message>
        <source>Mouse battery low</source>
        <translation>Maus-Akku schwach</translation>
    </message>
    <message>
        <source>The battery is at %1 % or less. Connect the cable to charge the mouse.</source>
        <translation>Der Akku ist bei %1 % oder weniger. Schließen Sie das Kabel an, um die Maus zu laden.</translation>
    </message>
</context>
<context>
    <name>ButtonFunction</name>
    <message>
        <source>Advance</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Boss-Taste</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Browser zurück</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Browser-Favoriten</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser vor</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser-Startseite</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser neu laden</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Browser-Suche</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Browser stopp</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Taste aus</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>TASTENKOMBI</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI-Wechsel</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>DAUERFEUER</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Function %1</source>
        <translation>Funktion %1</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>Waffendateien</translation>
    </message>
    <message>
        <source>LED SWITCH</source>
        <translation>LED-SCHALTER</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>LED-Schalter</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>PC sperren</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Makroverwaltung</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Medienplayer</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Voriger Titel</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profil +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profil -</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Profilmenü</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Profilwechsel</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>Rate +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Rate -</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>Ratenwechsel</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>EINZELTASTE</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Nach oben scrollen</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Fenster wechseln</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Fire: %1 ×%2, %3 ms</source>
        <translation>Feuer: %1 ×%2, %3 ms</translation>
    </message>
    <message>
        <source>Sniper: level %1</source>
        <translation>Sniper: Stufe %1</translation>
    </message>
    <message>
        <source>Gun: %1 ×%2</source>
        <translation>Waffe: %1 ×%2</translation>
    </message>
    <message>
        <source>Macro: %1 ×%2</source>
        <translation>Makro: %1 ×%2</translation>
    </message>
    <message>
        <source>Gun: %1</source>
        <translation>Waffe: %1</translation>
    </message>
    <message>
        <source>Macro: %1</source>
        <translation>Makro: %1</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (fehlt)</translation>
    </message>
</context>
<context>
    <name>ConfigurationFiles</name>
    <message>
        <source>%1, profile %2</source>
        <translation>%1, Profil %2</translation>
    </message>
    <message>
        <source>No configuration file named.</source>
        <translation>Keine Konfigurationsdatei angegeben.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; a configuration is only written to a file.</source>
        <translation>%1 ist keine normale Datei; eine Konfiguration wird nur in eine Datei geschrieben.</translation>
    </message>
    <message>
        <source>Cannot write %1: its folder does not exist.</source>
        <translation>%1 kann nicht geschrieben werden: Der Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot write the configuration file %1.</source>
        <translation>Die Konfigurationsdatei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot read the configuration file %1: it does not exist, is not a regular file or may not be read.</source>
        <translation>Die Konfigurationsdatei %1 kann nicht gelesen werden: Sie existiert nicht, ist keine normale Datei oder darf nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 (%2 holds a value that cannot be read)</source>
        <translation>%1 (%2 enthält einen Wert, der nicht gelesen werden kann)</translation>
    </message>
    <message>
        <source>%1 (%2 is for &quot;%3&quot;, this is &quot;%4&quot;)</source>
        <translation>%1 (%2 ist für „%3“, dies ist „%4“)</translation>
    </message>
</context>
<context>
    <name>KeyCaptureHints</name>
    <message>
        <source>Press a key to capture; Enter, Esc and Tab count too.</source>
        <translation>Taste drücken; auch Enter, Esc und Tab zählen.</translation>
    </message>
    <message>
        <source>Enter: OK, Esc: cancel, Space on the key: new capture</source>
        <translation>Enter: OK, Esc: Abbruch, Leertaste im Feld: neu</translation>
    </message>
    <message>
        <source>Not a key the mouse sends; Space on it: new capture</source>
        <translation>Die Maus sendet diese Taste nicht; Leertaste: neu</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>%d ms</source>
        <translation>%d ms</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>AKTION</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>STAPEL</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>UNTEN</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>LOSLASSEN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>UMBENENNEN</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>LEEREN</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIE</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>AUSSCHNEIDEN</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>PAUSE(ms)</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>STRECKE</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>BEARBEITEN</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>VORWÄRTS</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>WAFFE EINSTELLEN</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>STANDARDPAUSE EINFÜGEN</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>PAUSE EINFÜGEN</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>LINKSKLICK</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>DURCHLÄUFE(1-255)</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Makrodatei laden</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MAKRO</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>MAKRONAME</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MITTELKLICK</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>MAUSAKTION</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>MAUSBEFEHL</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>NACH UNTEN</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>NACH LINKS</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>NACH RECHTS</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>NACH OBEN</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>BEWEGUNG</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Makrodatei(*.MSMACRO)</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEU</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>EINFÜGEN</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>DRÜCKEN</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Drücken</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>DANACH AUFNEHMEN</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>PAUSEN ZWISCHEN AKTIONEN AUFNEHMEN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>WIEDERHOLEN BIS ERNEUT GEDRÜCKT</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>WIEDERHOLEN SOLANGE GEDRÜCKT</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RECHTSKLICK</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Loslassen</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SICHERN</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Makrodatei speichern</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Mouse button %1</source>
        <translation>Maustaste %1</translation>
    </message>
    <message>
        <source>Event %1 %2 %3</source>
        <translation>Ereignis %1 %2 %3</translation>
    </message>
    <message>
        <source>Event data</source>
        <translation>Ereignisdaten</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>Konfiguration &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>NEU</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIE</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>TASTEN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Vorne</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>LICHT</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>LADEN</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MAKRO</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>MAUS AUS</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Eingabetaste zum Übernehmen</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Alle zurück</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SICHERN</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Konfigurationsdatei laden</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Konfigurationsdatei speichern</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Profildatei laden</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Profildatei speichern</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Konfigurationsdatei(*.conf)</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Profildatei(*.prof)</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Profil exportieren</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Profil importieren</translation>
    </message>
    <message>
        <source>Profile list</source>
        <translation>Profilliste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Wheel up</source>
        <translation>Rad hoch</translation>
    </message>
    <message>
        <source>Wheel down</source>
        <translation>Rad runter</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <source>Choose the profile slot</source>
        <translation>Profilplatz wählen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Receiver connected</source>
        <translation>Empfänger verbunden</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Profiles that follow the application in front</source>
        <translation>Profile, die der Anwendung im Vordergrund folgen</translation>
    </message>
</context>
<context>
    <name>RecordGate</name>
    <message>
        <source>%1 is a symbolic link: it is read, but saved as a regular file in the profile folder.</source>
        <translation>%1 ist ein symbolischer Link: Er wird gelesen, aber als normale Datei im Profilordner gespeichert.</translation>
    </message>
    <message>
        <source>%1 is missing; the profile starts from the product&apos;s defaults.</source>
        <translation>%1 fehlt; das Profil beginnt mit den Standardwerten des Produkts.</translation>
    </message>
    <message>
        <source>%1 cannot be read; the profile starts from the product&apos;s defaults.</source>
        <translation>%1 kann nicht gelesen werden; das Profil beginnt mit den Standardwerten des Produkts.</translation>
    </message>
    <message>
        <source>%1 is damaged; it is kept as %2 and the profile starts from the product&apos;s defaults.</source>
        <translation>%1 ist beschädigt und wird als %2 aufbewahrt; das Profil beginnt mit den Standardwerten des Produkts.</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be set aside; the profile starts from the product&apos;s defaults.</source>
        <translation>%1 ist beschädigt und konnte nicht beiseitegelegt werden; das Profil beginnt mit den Standardwerten des Produkts.</translation>
    </message>
    <message>
        <source>stage %2 enabled %1 is not 0 or 1; %3 used.</source>
        <translation>Stufe %2: Aktivierung %1 ist nicht 0 oder 1; %3 wird verwendet.</translation>
    </message>
    <message>
        <source>stage %2 link %1 is not 0 or 1; %3 used.</source>
        <translation>Stufe %2: Kopplung %1 ist nicht 0 oder 1; %3 wird verwendet.</translation>
    </message>
    <message>
        <source>stage %2 X step %1 is outside the sensor&apos;s %3; %4 used.</source>
        <translation>Stufe %2: X-Schritt %1 liegt außerhalb des Sensorbereichs %3; %4 wird verwendet.</translation>
    </message>
    <message>
        <source>stage %2 Y step %1 is outside the sensor&apos;s %3; %4 used.</source>
        <translation>Stufe %2: Y-Schritt %1 liegt außerhalb des Sensorbereichs %3; %4 wird verwendet.</translation>
    </message>
    <message>
        <source>stage %1 is linked but Y step %2 differs from X step %3; %3 used.</source>
        <translation>Stufe %1 ist gekoppelt, aber Y-Schritt %2 weicht von X-Schritt %3 ab; %3 wird verwendet.</translation>
    </message>
    <message>
        <source>button slot %2 runs %1 times, outside 1..255; %3 used.</source>
        <translation>Tastenplatz %2: %1 Durchläufe liegen außerhalb von 1..255; %3 wird verwendet.</translation>
    </message>
    <message>
        <source>report rate %1 is not a rate; %2 Hz used.</source>
        <translation>Abfragerate %1 ist keine gültige Rate; %2 Hz werden verwendet.</translation>
    </message>
    <message>
        <source>active stage %1 is not one of the %2 stages; stage %3 used.</source>
        <translation>Aktive Stufe %1 ist keine der %2 Stufen; Stufe %3 wird verwendet.</translation>
    </message>
    <message>
        <source>lighting effect %1 is not an effect; effect %2 used.</source>
        <translation>Lichteffekt %1 ist kein gültiger Effekt; Effekt %2 wird verwendet.</translation>
    </message>
    <message>
        <source>move to light off %1 is not 0 or 255; %2 used.</source>
        <translation>„Aus bei Bewegung“ %1 ist nicht 0 oder 255; %2 wird verwendet.</translation>
    </message>
    <message>
        <source>sleep time %1 is outside %2; %3 used.</source>
        <translation>Ruhezeit %1 liegt außerhalb von %2; %3 wird verwendet.</translation>
    </message>
    <message>
        <source>scroll speed %1 is outside 1..20; %2 used.</source>
        <translation>Scrolltempo %1 liegt außerhalb von 1..20; %2 wird verwendet.</translation>
    </message>
    <message>
        <source>active profile index %1 is outside 0..4; %2 used.</source>
        <translation>Aktiver Profilindex %1 liegt außerhalb von 0..4; %2 wird verwendet.</translation>
    </message>
    <message>
        <source>angle snapping %1 is not 0 or 1; %2 used.</source>
        <translation>Winkelkorrektur %1 ist nicht 0 oder 1; %2 wird verwendet.</translation>
    </message>
    <message>
        <source>jitter %1 is not 0 or 1; %2 used.</source>
        <translation>Jitter-Filter %1 ist nicht 0 oder 1; %2 wird verwendet.</translation>
    </message>
    <message>
        <source>sync %1 is not 0 or 1; %2 used.</source>
        <translation>Sync %1 ist nicht 0 oder 1; %2 wird verwendet.</translation>
    </message>
    <message>
        <source>key response %1 is outside 1..255; %2 used.</source>
        <translation>Tastenreaktion %1 liegt außerhalb von 1..255; %2 wird verwendet.</translation>
    </message>
    <message>
        <source>lift-off distance %1 is outside %2..2; %3 used.</source>
        <translation>Abhebehöhe %1 liegt außerhalb von %2..2; %3 wird verwendet.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
</context>
<context>
    <name>SendCheck</name>
    <message>
        <source>%1 stays pressed</source>
        <translation>%1 bleibt gedrückt</translation>
    </message>
    <message>
        <source>%1 stay pressed</source>
        <translation>%1 bleiben gedrückt</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; has no file; its button will do nothing.</source>
        <translation>Das Makro „%1“ hat keine Datei; seine Taste bewirkt nichts.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; is too long for the mouse and will be cut after %2 events</source>
        <translation>Das Makro „%1“ ist zu lang für die Maus und wird nach %2 Ereignissen abgeschnitten</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; ends with a key or button pressed; %2.</source>
        <translation>Das Makro „%1“ endet mit einer gedrückten Taste; %2.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The configuration file %1 could not be read. It is kept as %2; the shipped defaults are used instead.</source>
        <translation>Die Konfigurationsdatei %1 konnte nicht gelesen werden. Sie bleibt als %2 erhalten; die mitgelieferten Standardwerte werden verwendet.</translation>
    </message>
    <message>
        <source>The configuration file %1 could not be read and could not be set aside; fix or remove it.</source>
        <translation>Die Konfigurationsdatei %1 konnte weder gelesen noch beiseitegelegt werden; bitte reparieren oder entfernen Sie sie.</translation>
    </message>
    <message>
        <source>The configuration file %1 was damaged: %2 filled in, everything else kept.</source>
        <translation>Die Konfigurationsdatei %1 war beschädigt: %2 ergänzt, alles andere bleibt erhalten.</translation>
    </message>
    <message>
        <source>The configuration file %1 held values that cannot be read safely; they were dropped, everything else kept.</source>
        <translation>Die Konfigurationsdatei %1 enthielt Werte, die nicht sicher gelesen werden können; sie wurden verworfen, alles andere bleibt erhalten.</translation>
    </message>
    <message>
        <source>The configuration file %1 is damaged (no product name, or a profile slot without a name) and could not be repaired; fix or remove it.</source>
        <translation>Die Konfigurationsdatei %1 ist beschädigt (kein Produktname oder ein Profilplatz ohne Namen) und konnte nicht repariert werden; bitte reparieren oder entfernen Sie sie.</translation>
    </message>
    <message>
        <source>Could not create the product folder %1; the profile library is not kept.</source>
        <translation>Der Produktordner %1 konnte nicht angelegt werden; die Profilbibliothek wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>A profile slot of %1 names no valid file; that slot starts from the defaults.</source>
        <translation>Ein Profilplatz in %1 nennt keine gültige Datei; dieser Platz beginnt mit den Standardwerten.</translation>
    </message>
    <message>
        <source>Could not write the default profile file %1.</source>
        <translation>Die Standardprofildatei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Could not create the profile file %1 from the defaults.</source>
        <translation>Die Profildatei %1 konnte nicht aus den Standardwerten erstellt werden.</translation>
    </message>
</context>
<context>
    <name>TarqAppProfilesDialog</name>
    <message>
        <source>This desktop does not tell programs which window is active.</source>
        <translation>Dieser Desktop teilt Programmen nicht mit, welches Fenster aktiv ist.</translation>
    </message>
    <message>
        <source>The first rule that names the application in front chooses the profile.</source>
        <translation>Die erste Regel, die die Anwendung im Vordergrund nennt, wählt das Profil.</translation>
    </message>
    <message>
        <source>Click the window of the application. Escape cancels.</source>
        <translation>Klicken Sie auf das Fenster der Anwendung. Esc bricht ab.</translation>
    </message>
    <message>
        <source>Another program holds the pointer; try again.</source>
        <translation>Ein anderes Programm hält den Mauszeiger; bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Every rule needs the name of an application.</source>
        <translation>Jede Regel braucht den Namen einer Anwendung.</translation>
    </message>
    <message>
        <source>APPLICATIONS</source>
        <translation>ANWENDUNGEN</translation>
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
        <source>Switch the profile with the application in front</source>
        <translation>Profil mit der Anwendung im Vordergrund wechseln</translation>
    </message>
    <message>
        <source>When no rule matches</source>
        <translation>Wenn keine Regel passt</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>The window&apos;s class or instance name, or the program&apos;s file name</source>
        <translation>Klassen- oder Instanzname des Fensters oder Dateiname des Programms</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Pick a window</source>
        <translation>Fenster wählen</translation>
    </message>
    <message>
        <source>The next window you click gives its name to the rule</source>
        <translation>Das nächste angeklickte Fenster gibt der Regel seinen Namen</translation>
    </message>
    <message>
        <source>Stay on the current profile</source>
        <translation>Beim aktuellen Profil bleiben</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profil %1</translation>
    </message>
    <message>
        <source>(no application)</source>
        <translation>(keine Anwendung)</translation>
    </message>
</context>
<context>
    <name>TarqBtnWindow</name>
    <message>
        <source>Wheel up: %1</source>
        <translation>Rad hoch: %1</translation>
    </message>
    <message>
        <source>Wheel down: %1</source>
        <translation>Rad runter: %1</translation>
    </message>
    <message>
        <source>Button %1: %2</source>
        <translation>Taste %1: %2</translation>
    </message>
</context>
<context>
    <name>TarqColorArea</name>
    <message>
        <source>COLOR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>Farbe bearbeiten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>R </source>
        <translation>R </translation>
    </message>
    <message>
        <source>G </source>
        <translation>G </translation>
    </message>
    <message>
        <source>B </source>
        <translation>B </translation>
    </message>
    <message>
        <source>Red preset</source>
        <translation>Rot (Vorgabe)</translation>
    </message>
    <message>
        <source>Green preset</source>
        <translation>Grün (Vorgabe)</translation>
    </message>
    <message>
        <source>Blue preset</source>
        <translation>Blau (Vorgabe)</translation>
    </message>
    <message>
        <source>Cyan preset</source>
        <translation>Cyan (Vorgabe)</translation>
    </message>
    <message>
        <source>Yellow preset</source>
        <translation>Gelb (Vorgabe)</translation>
    </message>
    <message>
        <source>Magenta preset</source>
        <translation>Magenta (Vorgabe)</translation>
    </message>
    <message>
        <source>White preset</source>
        <translation>Weiß (Vorgabe)</translation>
    </message>
    <message>
        <source>H </source>
        <translation>H </translation>
    </message>
    <message>
        <source>S </source>
        <translation>S </translation>
    </message>
    <message>
        <source>V </source>
        <translation>V </translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>Saturation and value</source>
        <translation>Sättigung und Helligkeit</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Hexadecimal colour</source>
        <translation>Hexadezimale Farbe</translation>
    </message>
</context>
<context>
    <name>TarqColorWindow</name>
    <message>
        <source> MINUTE</source>
        <translation type="vanished"> MINUTEN</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>7-FARBEN-ATMEN</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>ATMEN</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>HELLIGKEIT</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFEKT</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>BLITZ</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>DAUERLICHT</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>SPURLOS</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>Horizontal spurlos</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>Horizontale Welle</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>AUS BEI BEWEGUNG</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Murmeln</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>REGENBOGEN</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>REAKTIV</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Regentropfen</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>RUHEZEIT</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>TEMPO</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>WELLE</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>Jo-Jo</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Sleep time</source>
        <translation>Ruhezeit</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message numerus="yes">
        <source>%n MINUTES</source>
        <translation>
            <numerusform>%n MINUTE</numerusform>
            <numerusform>%n MINUTEN</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TarqComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TarqDPIWindow</name>
    <message>
        <source>DPI stages</source>
        <translation>DPI-Stufen</translation>
    </message>
</context>
<context>
    <name>TarqFireKeyWindow</name>
    <message>
        <source>FireKey Setting</source>
        <translation>Dauerfeuer einstellen</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Tastaturtaste</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Anzahl:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Pause:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TarqGunEditDialog</name>
    <message>
        <source>GUN EDIT</source>
        <translation>WAFFE BEARBEITEN</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>MAUSAKTION</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>NACH LINKS</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>NACH RECHTS</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>NACH OBEN</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>NACH UNTEN</translation>
    </message>
    <message>
        <source>%d ms</source>
        <translation>%d ms</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>LINKSKLICK</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RECHTSKLICK</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MITTELKLICK</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>VORWÄRTS</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>ZURÜCK</translation>
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
        <source>ADD</source>
        <translation>NEU</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>Delay (ms)</source>
        <translation>Pause (ms)</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>ADD DELAY</source>
        <translation>PAUSE HINZU</translation>
    </message>
</context>
<context>
    <name>TarqGunsetDialog</name>
    <message>
        <source>GUN SET</source>
        <translation>WAFFE EINSTELLEN</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>WAFFENDATEI</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>SCHÜSSE</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>PAUSE(MS)</translation>
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
        <source>GUN EDIT</source>
        <translation>WAFFE BEARBEITEN</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
</context>
<context>
    <name>TarqKeyCaptureDialog</name>
    <message>
        <source>Press a key</source>
        <translation>Taste drücken</translation>
    </message>
    <message>
        <source>Captured key</source>
        <translation>Erfasste Taste</translation>
    </message>
    <message>
        <source>Keys the desktop keeps for itself, such as Alt+Tab, cannot be captured here.</source>
        <translation>Tasten, die der Desktop selbst nutzt (etwa Alt+Tab), lassen sich hier nicht erfassen.</translation>
    </message>
</context>
<context>
    <name>TarqMacroSelect</name>
    <message>
        <source>MACRO SELECT</source>
        <translation>MAKRO WÄHLEN</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>WAFFENDATEI WÄHLEN</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>DURCHLÄUFE(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>WIEDERHOLEN SOLANGE GEDRÜCKT</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>WIEDERHOLEN BIS ERNEUT GEDRÜCKT</translation>
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
        <source>Macros</source>
        <translation>Makros</translation>
    </message>
</context>
<context>
    <name>TarqMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Empfänger getrennt!</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>MINDESTENS EINE KLICKFUNKTION MUSS BLEIBEN.</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>MINDESTENS EIN PROFIL MUSS BLEIBEN.</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Dieses Profil wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Alle Profile wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Dieses Profil wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Die Maus schläft oder ist nicht verbunden.</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Profil existiert bereits!</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Profil wird bereits verwendet!</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Senden fehlgeschlagen, bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>Das Standardprofil kann nicht gelöscht oder umbenannt werden.</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>Die Datei passt nicht zur aktuellen Maus!</translation>
    </message>
    <message>
        <source>The profile library already holds 200 profiles. Delete one first.</source>
        <translation>Die Profilbibliothek enthält bereits 200 Profile. Bitte zuerst eines löschen.</translation>
    </message>
    <message>
        <source>This profile cannot be deleted: every other profile is shown in another slot.</source>
        <translation>Dieses Profil kann nicht gelöscht werden: Alle anderen Profile sind bereits anderen Profilplätzen zugewiesen.</translation>
    </message>
    <message>
        <source>A profile name must not be empty or contain / \ : or control characters.</source>
        <translation>Ein Profilname darf nicht leer sein und weder / \ : noch Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The profile file %1 could not be changed. Nothing was changed.</source>
        <translation>Die Profildatei %1 konnte nicht geändert werden. Es wurde nichts verändert.</translation>
    </message>
    <message>
        <source>The profile file %1 cannot be read.</source>
        <translation>Die Profildatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The profile could not be saved to %1.</source>
        <translation>Das Profil konnte nicht unter %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Möchten Sie die Firmware aktualisieren?</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Für das Firmware-Update die Maus bitte per Kabel mit dem Computer verbinden.</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Die linke Taste kann keine Waffenfunktion erhalten.</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>ZU VIELE MAKROS ZUM ANLEGEN!</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>Makro existiert bereits!</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>EINE ODER MEHRERE TASTEN WURDEN NICHT LOSGELASSEN.</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Bitte einen Dateinamen eingeben.</translation>
    </message>
    <message>
        <source>The mouse has the new settings, but they could not be saved to %1.</source>
        <translation>Die Maus hat die neuen Einstellungen, sie konnten aber nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The delay must be 10 to 1000 ms.</source>
        <translation>Die Pause muss 10 bis 1000 ms betragen.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; has changes that are not saved. Save them now?</source>
        <translation>Das Makro „%1“ hat ungesicherte Änderungen. Jetzt sichern?</translation>
    </message>
    <message>
        <source>A button holds at most %1 events: this macro has no room for more.</source>
        <translation>Eine Taste fasst höchstens %1 Ereignisse: In diesem Makro ist kein Platz mehr.</translation>
    </message>
    <message>
        <source>Tick the macros to export first.</source>
        <translation>Zuerst die zu exportierenden Makros ankreuzen.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>This name cannot be used for a file: leave out / \ : and control characters.</source>
        <translation>Dieser Name taugt nicht als Dateiname: ohne / \ : und Steuerzeichen.</translation>
    </message>
    <message>
        <source>This macro is no longer in the library.</source>
        <translation>Dieses Makro ist nicht mehr in der Bibliothek.</translation>
    </message>
    <message>
        <source>The macro file could not be written. Check that the disk has room and that the folder may be written to.</source>
        <translation>Die Makrodatei konnte nicht geschrieben werden. Prüfen Sie, ob der Datenträger Platz hat und der Ordner beschreibbar ist.</translation>
    </message>
    <message>
        <source>This file holds no macro.</source>
        <translation>Diese Datei enthält kein Makro.</translation>
    </message>
    <message>
        <source>This macro has not been saved yet.</source>
        <translation>Dieses Makro ist noch nicht gesichert.</translation>
    </message>
    <message>
        <source>The firmware updater %1 is missing.</source>
        <translation>Das Firmware-Update-Programm %1 fehlt.</translation>
    </message>
    <message>
        <source>The firmware updater %1 could not be started.</source>
        <translation>Das Firmware-Update-Programm %1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Send anyway?</source>
        <translation>Trotzdem senden?</translation>
    </message>
    <message>
        <source>The macro file could not be removed, so the macro stays in the library. Check that the folder may be written to.</source>
        <translation>Die Makrodatei konnte nicht entfernt werden, daher bleibt das Makro in der Bibliothek. Prüfen Sie, ob der Ordner beschreibbar ist.</translation>
    </message>
    <message>
        <source>Send the changes to the mouse first?</source>
        <translation>Die Änderungen zuerst an die Maus senden?</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The file of this macro holds more events than a button can: only its first %1 are shown.</source>
        <translation>Die Datei dieses Makros enthält mehr Ereignisse, als eine Taste aufnehmen kann: Nur die ersten %1 werden angezeigt.</translation>
    </message>
    <message>
        <source>Still pressed at the end: %1</source>
        <translation>Am Ende noch gedrückt: %1</translation>
    </message>
    <message>
        <source>This macro is too long for a button, which holds at most %1 events without delay rows and %2 with them.</source>
        <translation>Dieses Makro ist zu lang für eine Taste; sie nimmt höchstens %1 Ereignisse ohne Verzögerungszeilen auf und %2 mit ihnen.</translation>
    </message>
    <message>
        <source>Delete the macro &quot;%1&quot;?</source>
        <translation>Das Makro &quot;%1&quot; löschen?</translation>
    </message>
    <message>
        <source>Button %1 of %2 uses it.</source>
        <translation>Taste %1 von %2 verwendet es.</translation>
    </message>
    <message>
        <source>%1 could not be written: its buttons still name the macro as before.</source>
        <translation>%1 konnte nicht geschrieben werden: Seine Tasten nennen das Makro weiterhin wie zuvor.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Config.ini could not be written.</source>
        <translation>Config.ini konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>TarqPointSpeed</name>
    <message>
        <source>1mm</source>
        <translation>1mm</translation>
    </message>
    <message>
        <source>2mm</source>
        <translation>2mm</translation>
    </message>
    <message>
        <source>Angle Snapping</source>
        <translation>Winkelkorrektur</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>Sync aktivieren</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Jitter-Filter</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>Tastenreaktion</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>Abhebehöhe</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>SCROLLTEMPO</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Leistung</translation>
    </message>
</context>
<context>
    <name>TarqReportRate</name>
    <message>
        <source>125 HZ</source>
        <translation>125 HZ</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 HZ</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 HZ</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 HZ</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Abhebehöhe</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>ABFRAGERATE</translation>
    </message>
</context>
<context>
    <name>TarqSingleDPI</name>
    <message>
        <source>DPI : %d</source>
        <translation>DPI : %d</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>XY koppeln</translation>
    </message>
    <message>
        <source>X:%d</source>
        <translation>X:%d</translation>
    </message>
    <message>
        <source>Y:%d</source>
        <translation>Y:%d</translation>
    </message>
    <message>
        <source>Stage %1 link X and Y</source>
        <translation>Stufe %1 X und Y koppeln</translation>
    </message>
    <message>
        <source>Stage %1 enabled</source>
        <translation>Stufe %1 aktiviert</translation>
    </message>
    <message>
        <source>Stage %1 active</source>
        <translation>Stufe %1 aktiv</translation>
    </message>
    <message>
        <source>Stage %1 X resolution</source>
        <translation>Stufe %1 X-Auflösung</translation>
    </message>
    <message>
        <source>Stage %1 Y resolution</source>
        <translation>Stufe %1 Y-Auflösung</translation>
    </message>
    <message>
        <source>Stage %1 resolution</source>
        <translation>Stufe %1 Auflösung</translation>
    </message>
    <message>
        <source>Stage %1 X DPI</source>
        <translation>Stufe %1 X-DPI</translation>
    </message>
    <message>
        <source>Stage %1 Y DPI</source>
        <translation>Stufe %1 Y-DPI</translation>
    </message>
    <message>
        <source>Stage %1 DPI</source>
        <translation>Stufe %1 DPI</translation>
    </message>
</context>
<context>
    <name>TarqSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>Einzeltaste</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TarqSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>Sniper einstellen</translation>
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
        <source>Sniper level</source>
        <translation>Sniper-Stufe</translation>
    </message>
</context>
</TS>
