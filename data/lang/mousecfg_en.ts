<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>BatteryNotifier</name>
    <message>
        <source>Mouse battery low</source>
        <translation>Mouse battery low</translation>
    </message>
    <message>
        <source>The battery is at %1 % or less. Connect the cable to charge the mouse.</source>
        <translation>The battery is at %1 % or less. Connect the cable to charge the mouse.</translation>
    </message>
</context>
<context>
    <name>ButtonFunction</name>
    <message>
        <source>Advance</source>
        <translation>Advance</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Boss Key</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Browser Backward</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Browser Favorite</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser Forward</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser Home</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser Refresh</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Browser Search</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Browser Stop</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Button Off</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>COMBO KEY</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
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
        <translation>DPI Switch</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>FIRE KEY</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Function %1</source>
        <translation>Function %1</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>GunFile Manager</translation>
    </message>
    <message>
        <source>LED SWITCH</source>
        <translation>LED SWITCH</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>Led Switch</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>Lock PC</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Macro Manager</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Media Player</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>My Computer</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Next Track</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Polling Rate</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>Profile +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profile -</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Profile Menu</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Profile Switch</translation>
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
        <translation>Rate Switch</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>SINGLE KEY</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Show Desktop</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Switch Window</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Fire: %1 ×%2, %3 ms</source>
        <translation>Fire: %1 ×%2, %3 ms</translation>
    </message>
    <message>
        <source>Sniper: level %1</source>
        <translation>Sniper: level %1</translation>
    </message>
    <message>
        <source>Gun: %1 ×%2</source>
        <translation>Gun: %1 ×%2</translation>
    </message>
    <message>
        <source>Macro: %1 ×%2</source>
        <translation>Macro: %1 ×%2</translation>
    </message>
    <message>
        <source>Gun: %1</source>
        <translation>Gun: %1</translation>
    </message>
    <message>
        <source>Macro: %1</source>
        <translation>Macro: %1</translation>
    </message>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (missing)</translation>
    </message>
</context>
<context>
    <name>ConfigurationFiles</name>
    <message>
        <source>%1, profile %2</source>
        <translation>%1, profile %2</translation>
    </message>
    <message>
        <source>No configuration file named.</source>
        <translation>No configuration file named.</translation>
    </message>
    <message>
        <source>%1 is not a regular file; a configuration is only written to a file.</source>
        <translation>%1 is not a regular file; a configuration is only written to a file.</translation>
    </message>
    <message>
        <source>Cannot write %1: its folder does not exist.</source>
        <translation>Cannot write %1: its folder does not exist.</translation>
    </message>
    <message>
        <source>Cannot write the configuration file %1.</source>
        <translation>Cannot write the configuration file %1.</translation>
    </message>
    <message>
        <source>Cannot read the configuration file %1: it does not exist, is not a regular file or may not be read.</source>
        <translation>Cannot read the configuration file %1: it does not exist, is not a regular file or may not be read.</translation>
    </message>
    <message>
        <source>%1 (%2 holds a value that cannot be read)</source>
        <translation>%1 (%2 holds a value that cannot be read)</translation>
    </message>
    <message>
        <source>%1 (%2 is for &quot;%3&quot;, this is &quot;%4&quot;)</source>
        <translation>%1 (%2 is for &quot;%3&quot;, this is &quot;%4&quot;)</translation>
    </message>
</context>
<context>
    <name>KeyCaptureHints</name>
    <message>
        <source>Press a key to capture; Enter, Esc and Tab count too.</source>
        <translation>Press a key to capture; Enter, Esc and Tab count too.</translation>
    </message>
    <message>
        <source>Enter: OK, Esc: cancel, Space on the key: new capture</source>
        <translation>Enter: OK, Esc: cancel, Space on the key: new capture</translation>
    </message>
    <message>
        <source>Not a key the mouse sends; Space on it: new capture</source>
        <translation>Not a key the mouse sends; Space on it: new capture</translation>
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
        <translation>ACTION</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>BACKWARD</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>BATCH</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>BOTTOM</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>BOUNCE UP</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>CHANGE NAME</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>CUT</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>DELAY</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>DELAY(ms)</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANCE</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>EDIT</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>FORWARD</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>GUN SET</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>INSERT DEFAULT DELAY</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>INSERT DELAY</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>LEFT CLICK</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOPS TIME(1-255)</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Load Macro File</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>MACRO NAME</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MIDDLE CLICK</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>MOUSE ACTION</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>MOUSE COMMAND</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>MOVE DOWN</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>MOVE LEFT</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>MOVE RIGHT</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>MOVEMENT</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Macro File(*.MSMACRO)</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEW</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>PASTE</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>PRESS DOWN</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Press</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>RECORD AFTER</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>RECORD DELAYS BETWEEN ACTION</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTIL THE KEY DOWN</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT RUN WHEN KEY DOWN</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RIGHT CLICK</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Save Macro File</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Key %1</translation>
    </message>
    <message>
        <source>Mouse button %1</source>
        <translation>Mouse button %1</translation>
    </message>
    <message>
        <source>Event %1 %2 %3</source>
        <translation>Event %1 %2 %3</translation>
    </message>
    <message>
        <source>Event data</source>
        <translation>Event data</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Load Config</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>CUSTOMIZE</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware Update</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>LIGHTING</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>LOAD1</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>MOUSE OFF</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
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
        <translation>Press Enter To Apply</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Reset All</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>Load Config File</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Save Config File</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>Load Profile File</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>Save Profile File</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>Config File(*.conf)</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>Profile File(*.prof)</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Export profile</source>
        <translation>Export profile</translation>
    </message>
    <message>
        <source>Import profile</source>
        <translation>Import profile</translation>
    </message>
    <message>
        <source>Profile list</source>
        <translation>Profile list</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimise</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Battery</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Button %1</translation>
    </message>
    <message>
        <source>Wheel up</source>
        <translation>Wheel up</translation>
    </message>
    <message>
        <source>Wheel down</source>
        <translation>Wheel down</translation>
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
        <translation>Choose the profile slot</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Receiver connected</source>
        <translation>Receiver connected</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>Charging</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Profiles that follow the application in front</source>
        <translation>Profiles that follow the application in front</translation>
    </message>
</context>
<context>
    <name>RecordGate</name>
    <message>
        <source>%1 is a symbolic link: it is read, but saved as a regular file in the profile folder.</source>
        <translation>%1 is a symbolic link: it is read, but saved as a regular file in the profile folder.</translation>
    </message>
    <message>
        <source>%1 is missing; the profile starts from the product&apos;s defaults.</source>
        <translation>%1 is missing; the profile starts from the product&apos;s defaults.</translation>
    </message>
    <message>
        <source>%1 cannot be read; the profile starts from the product&apos;s defaults.</source>
        <translation>%1 cannot be read; the profile starts from the product&apos;s defaults.</translation>
    </message>
    <message>
        <source>%1 is damaged; it is kept as %2 and the profile starts from the product&apos;s defaults.</source>
        <translation>%1 is damaged; it is kept as %2 and the profile starts from the product&apos;s defaults.</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be set aside; the profile starts from the product&apos;s defaults.</source>
        <translation>%1 is damaged and could not be set aside; the profile starts from the product&apos;s defaults.</translation>
    </message>
    <message>
        <source>stage %2 enabled %1 is not 0 or 1; %3 used.</source>
        <translation>stage %2 enabled %1 is not 0 or 1; %3 used.</translation>
    </message>
    <message>
        <source>stage %2 link %1 is not 0 or 1; %3 used.</source>
        <translation>stage %2 link %1 is not 0 or 1; %3 used.</translation>
    </message>
    <message>
        <source>stage %2 X step %1 is outside the sensor&apos;s %3; %4 used.</source>
        <translation>stage %2 X step %1 is outside the sensor&apos;s %3; %4 used.</translation>
    </message>
    <message>
        <source>stage %2 Y step %1 is outside the sensor&apos;s %3; %4 used.</source>
        <translation>stage %2 Y step %1 is outside the sensor&apos;s %3; %4 used.</translation>
    </message>
    <message>
        <source>stage %1 is linked but Y step %2 differs from X step %3; %3 used.</source>
        <translation>stage %1 is linked but Y step %2 differs from X step %3; %3 used.</translation>
    </message>
    <message>
        <source>button slot %2 runs %1 times, outside 1..255; %3 used.</source>
        <translation>button slot %2 runs %1 times, outside 1..255; %3 used.</translation>
    </message>
    <message>
        <source>report rate %1 is not a rate; %2 Hz used.</source>
        <translation>report rate %1 is not a rate; %2 Hz used.</translation>
    </message>
    <message>
        <source>active stage %1 is not one of the %2 stages; stage %3 used.</source>
        <translation>active stage %1 is not one of the %2 stages; stage %3 used.</translation>
    </message>
    <message>
        <source>lighting effect %1 is not an effect; effect %2 used.</source>
        <translation>lighting effect %1 is not an effect; effect %2 used.</translation>
    </message>
    <message>
        <source>move to light off %1 is not 0 or 255; %2 used.</source>
        <translation>move to light off %1 is not 0 or 255; %2 used.</translation>
    </message>
    <message>
        <source>sleep time %1 is outside %2; %3 used.</source>
        <translation>sleep time %1 is outside %2; %3 used.</translation>
    </message>
    <message>
        <source>scroll speed %1 is outside 1..20; %2 used.</source>
        <translation>scroll speed %1 is outside 1..20; %2 used.</translation>
    </message>
    <message>
        <source>active profile index %1 is outside 0..4; %2 used.</source>
        <translation>active profile index %1 is outside 0..4; %2 used.</translation>
    </message>
    <message>
        <source>angle snapping %1 is not 0 or 1; %2 used.</source>
        <translation>angle snapping %1 is not 0 or 1; %2 used.</translation>
    </message>
    <message>
        <source>jitter %1 is not 0 or 1; %2 used.</source>
        <translation>jitter %1 is not 0 or 1; %2 used.</translation>
    </message>
    <message>
        <source>sync %1 is not 0 or 1; %2 used.</source>
        <translation>sync %1 is not 0 or 1; %2 used.</translation>
    </message>
    <message>
        <source>key response %1 is outside 1..255; %2 used.</source>
        <translation>key response %1 is outside 1..255; %2 used.</translation>
    </message>
    <message>
        <source>lift-off distance %1 is outside %2..2; %3 used.</source>
        <translation>lift-off distance %1 is outside %2..2; %3 used.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... and %1 more.</translation>
    </message>
</context>
<context>
    <name>SendCheck</name>
    <message>
        <source>%1 stays pressed</source>
        <translation>%1 stays pressed</translation>
    </message>
    <message>
        <source>%1 stay pressed</source>
        <translation>%1 stay pressed</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; has no file; its button will do nothing.</source>
        <translation>The macro &quot;%1&quot; has no file; its button will do nothing.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; is too long for the mouse and will be cut after %2 events</source>
        <translation>The macro &quot;%1&quot; is too long for the mouse and will be cut after %2 events</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; ends with a key or button pressed; %2.</source>
        <translation>The macro &quot;%1&quot; ends with a key or button pressed; %2.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The configuration file %1 could not be read. It is kept as %2; the shipped defaults are used instead.</source>
        <translation>The configuration file %1 could not be read. It is kept as %2; the shipped defaults are used instead.</translation>
    </message>
    <message>
        <source>The configuration file %1 could not be read and could not be set aside; fix or remove it.</source>
        <translation>The configuration file %1 could not be read and could not be set aside; fix or remove it.</translation>
    </message>
    <message>
        <source>The configuration file %1 was damaged: %2 filled in, everything else kept.</source>
        <translation>The configuration file %1 was damaged: %2 filled in, everything else kept.</translation>
    </message>
    <message>
        <source>The configuration file %1 held values that cannot be read safely; they were dropped, everything else kept.</source>
        <translation>The configuration file %1 held values that cannot be read safely; they were dropped, everything else kept.</translation>
    </message>
    <message>
        <source>The configuration file %1 is damaged (no product name, or a profile slot without a name) and could not be repaired; fix or remove it.</source>
        <translation>The configuration file %1 is damaged (no product name, or a profile slot without a name) and could not be repaired; fix or remove it.</translation>
    </message>
    <message>
        <source>Could not create the product folder %1; the profile library is not kept.</source>
        <translation>Could not create the product folder %1; the profile library is not kept.</translation>
    </message>
    <message>
        <source>A profile slot of %1 names no valid file; that slot starts from the defaults.</source>
        <translation>A profile slot of %1 names no valid file; that slot starts from the defaults.</translation>
    </message>
    <message>
        <source>Could not write the default profile file %1.</source>
        <translation>Could not write the default profile file %1.</translation>
    </message>
    <message>
        <source>Could not create the profile file %1 from the defaults.</source>
        <translation>Could not create the profile file %1 from the defaults.</translation>
    </message>
</context>
<context>
    <name>TarqAppProfilesDialog</name>
    <message>
        <source>This desktop does not tell programs which window is active.</source>
        <translation>This desktop does not tell programs which window is active.</translation>
    </message>
    <message>
        <source>The first rule that names the application in front chooses the profile.</source>
        <translation>The first rule that names the application in front chooses the profile.</translation>
    </message>
    <message>
        <source>Click the window of the application. Escape cancels.</source>
        <translation>Click the window of the application. Escape cancels.</translation>
    </message>
    <message>
        <source>Another program holds the pointer; try again.</source>
        <translation>Another program holds the pointer; try again.</translation>
    </message>
    <message>
        <source>Every rule needs the name of an application.</source>
        <translation>Every rule needs the name of an application.</translation>
    </message>
    <message>
        <source>APPLICATIONS</source>
        <translation>APPLICATIONS</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Switch the profile with the application in front</source>
        <translation>Switch the profile with the application in front</translation>
    </message>
    <message>
        <source>When no rule matches</source>
        <translation>When no rule matches</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>The window&apos;s class or instance name, or the program&apos;s file name</source>
        <translation>The window&apos;s class or instance name, or the program&apos;s file name</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Pick a window</source>
        <translation>Pick a window</translation>
    </message>
    <message>
        <source>The next window you click gives its name to the rule</source>
        <translation>The next window you click gives its name to the rule</translation>
    </message>
    <message>
        <source>Stay on the current profile</source>
        <translation>Stay on the current profile</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>Profile %1</translation>
    </message>
    <message>
        <source>(no application)</source>
        <translation>(no application)</translation>
    </message>
</context>
<context>
    <name>TarqBtnWindow</name>
    <message>
        <source>Wheel up: %1</source>
        <translation>Wheel up: %1</translation>
    </message>
    <message>
        <source>Wheel down: %1</source>
        <translation>Wheel down: %1</translation>
    </message>
    <message>
        <source>Button %1: %2</source>
        <translation>Button %1: %2</translation>
    </message>
</context>
<context>
    <name>TarqColorArea</name>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>Color Edit</translation>
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
        <translation>Red preset</translation>
    </message>
    <message>
        <source>Green preset</source>
        <translation>Green preset</translation>
    </message>
    <message>
        <source>Blue preset</source>
        <translation>Blue preset</translation>
    </message>
    <message>
        <source>Cyan preset</source>
        <translation>Cyan preset</translation>
    </message>
    <message>
        <source>Yellow preset</source>
        <translation>Yellow preset</translation>
    </message>
    <message>
        <source>Magenta preset</source>
        <translation>Magenta preset</translation>
    </message>
    <message>
        <source>White preset</source>
        <translation>White preset</translation>
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
        <translation>Hue</translation>
    </message>
    <message>
        <source>Saturation and value</source>
        <translation>Saturation and value</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Hexadecimal colour</source>
        <translation>Hexadecimal colour</translation>
    </message>
</context>
<context>
    <name>TarqColorWindow</name>
    <message>
        <source> MINUTE</source>
        <translation type="vanished"> MINUTE</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>7 COLOR BREATHING</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>BREATHING</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>BRIGHTNESS</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFECT</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>FLASH</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>FULL LIGHTED</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>GO WITHOUT TRACE</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>Horizontal GO WITHOUT TRACE</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>Horizontal WAVE</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>MOVE TO LIGHT OFF</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Marbles</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>RAINBOW</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>REACTIVE</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Raindrop</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>SLEEP TIME</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>SPEED</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>WAVE</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>yo-yo</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Sleep time</source>
        <translation>Sleep time</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colour</translation>
    </message>
    <message numerus="yes">
        <source>%n MINUTES</source>
        <translation>
            <numerusform>%n MINUTE</numerusform>
            <numerusform>%n MINUTES</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TarqComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>Combo Key</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>DPI stages</translation>
    </message>
</context>
<context>
    <name>TarqFireKeyWindow</name>
    <message>
        <source>FireKey Setting</source>
        <translation>FireKey Setting</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Keyboard Key</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Times:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Delay:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TarqGunEditDialog</name>
    <message>
        <source>GUN EDIT</source>
        <translation>GUN EDIT</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>MOUSE ACTION</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>MOVE LEFT</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>MOVE RIGHT</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>MOVE UP</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>MOVE DOWN</translation>
    </message>
    <message>
        <source>%d ms</source>
        <translation>%d ms</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>LEFT CLICK</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RIGHT CLICK</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MIDDLE CLICK</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>FORWARD</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>BACKWARD</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>Delay (ms)</source>
        <translation>Delay (ms)</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>ADD DELAY</source>
        <translation>ADD DELAY</translation>
    </message>
</context>
<context>
    <name>TarqGunsetDialog</name>
    <message>
        <source>GUN SET</source>
        <translation>GUN SET</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>GUNFILE NAME</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>BULLETS</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>DELAY(MS)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>GUN EDIT</source>
        <translation>GUN EDIT</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Pattern</translation>
    </message>
</context>
<context>
    <name>TarqKeyCaptureDialog</name>
    <message>
        <source>Press a key</source>
        <translation>Press a key</translation>
    </message>
    <message>
        <source>Captured key</source>
        <translation>Captured key</translation>
    </message>
    <message>
        <source>Keys the desktop keeps for itself, such as Alt+Tab, cannot be captured here.</source>
        <translation>Keys the desktop keeps for itself, such as Alt+Tab, cannot be captured here.</translation>
    </message>
</context>
<context>
    <name>TarqMacroSelect</name>
    <message>
        <source>MACRO SELECT</source>
        <translation>MACRO SELECT</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>GUNFILE SELECT</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>LOOPS TIME(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>REPEAT RUN WHEN KEY DOWN</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>REPEAT RUN UNTILL THE KEY DOWN</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
</context>
<context>
    <name>TarqMessageBox</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Dongle Disconnect!</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AT LEAST ONE PROFILE TO BE RETAINED.</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Are you sure you want delete this profile?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Are you sure you want reset all profiles?</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Are you sure you want reset this profile?</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Mouse is sleeping or not connected.</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Profile Exist!</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Profile is Already Used!</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Send data failed, please try again.</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>The default Profile cannot be deleted or renamed.</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>The file is not match current mouse!</translation>
    </message>
    <message>
        <source>The profile library already holds 200 profiles. Delete one first.</source>
        <translation>The profile library already holds 200 profiles. Delete one first.</translation>
    </message>
    <message>
        <source>This profile cannot be deleted: every other profile is shown in another slot.</source>
        <translation>This profile cannot be deleted: every other profile is shown in another slot.</translation>
    </message>
    <message>
        <source>A profile name must not be empty or contain / \ : or control characters.</source>
        <translation>A profile name must not be empty or contain / \ : or control characters.</translation>
    </message>
    <message>
        <source>The profile file %1 could not be changed. Nothing was changed.</source>
        <translation>The profile file %1 could not be changed. Nothing was changed.</translation>
    </message>
    <message>
        <source>The profile file %1 cannot be read.</source>
        <translation>The profile file %1 cannot be read.</translation>
    </message>
    <message>
        <source>The profile could not be saved to %1.</source>
        <translation>The profile could not be saved to %1.</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Do you want to upgrade the firmware?</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>To update the firmware, please connect to the computer with a cable.</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Left Button Can not be Gun Function.</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>TOO MANY MACROS TO BE CREATE!</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>Macro Exist!</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Please input file name.</translation>
    </message>
    <message>
        <source>The mouse has the new settings, but they could not be saved to %1.</source>
        <translation>The mouse has the new settings, but they could not be saved to %1.</translation>
    </message>
    <message>
        <source>The delay must be 10 to 1000 ms.</source>
        <translation>The delay must be 10 to 1000 ms.</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; has changes that are not saved. Save them now?</source>
        <translation>The macro &quot;%1&quot; has changes that are not saved. Save them now?</translation>
    </message>
    <message>
        <source>A button holds at most %1 events: this macro has no room for more.</source>
        <translation>A button holds at most %1 events: this macro has no room for more.</translation>
    </message>
    <message>
        <source>Tick the macros to export first.</source>
        <translation>Tick the macros to export first.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>This name cannot be used for a file: leave out / \ : and control characters.</source>
        <translation>This name cannot be used for a file: leave out / \ : and control characters.</translation>
    </message>
    <message>
        <source>This macro is no longer in the library.</source>
        <translation>This macro is no longer in the library.</translation>
    </message>
    <message>
        <source>The macro file could not be written. Check that the disk has room and that the folder may be written to.</source>
        <translation>The macro file could not be written. Check that the disk has room and that the folder may be written to.</translation>
    </message>
    <message>
        <source>This file holds no macro.</source>
        <translation>This file holds no macro.</translation>
    </message>
    <message>
        <source>This macro has not been saved yet.</source>
        <translation>This macro has not been saved yet.</translation>
    </message>
    <message>
        <source>The firmware updater %1 is missing.</source>
        <translation>The firmware updater %1 is missing.</translation>
    </message>
    <message>
        <source>The firmware updater %1 could not be started.</source>
        <translation>The firmware updater %1 could not be started.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>The settings could not be saved to %1.</translation>
    </message>
    <message>
        <source>Send anyway?</source>
        <translation>Send anyway?</translation>
    </message>
    <message>
        <source>The macro file could not be removed, so the macro stays in the library. Check that the folder may be written to.</source>
        <translation>The macro file could not be removed, so the macro stays in the library. Check that the folder may be written to.</translation>
    </message>
    <message>
        <source>Send the changes to the mouse first?</source>
        <translation>Send the changes to the mouse first?</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The file of this macro holds more events than a button can: only its first %1 are shown.</source>
        <translation>The file of this macro holds more events than a button can: only its first %1 are shown.</translation>
    </message>
    <message>
        <source>Still pressed at the end: %1</source>
        <translation>Still pressed at the end: %1</translation>
    </message>
    <message>
        <source>This macro is too long for a button, which holds at most %1 events without delay rows and %2 with them.</source>
        <translation>This macro is too long for a button, which holds at most %1 events without delay rows and %2 with them.</translation>
    </message>
    <message>
        <source>Delete the macro &quot;%1&quot;?</source>
        <translation>Delete the macro &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Button %1 of %2 uses it.</source>
        <translation>Button %1 of %2 uses it.</translation>
    </message>
    <message>
        <source>%1 could not be written: its buttons still name the macro as before.</source>
        <translation>%1 could not be written: its buttons still name the macro as before.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Config.ini could not be written.</source>
        <translation>Config.ini could not be written.</translation>
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
        <translation>Angle Snapping</translation>
    </message>
    <message>
        <source>Enable sync</source>
        <translation>Enable sync</translation>
    </message>
    <message>
        <source>Jitter</source>
        <translation>Jitter</translation>
    </message>
    <message>
        <source>Key Response</source>
        <translation>Key Response</translation>
    </message>
    <message>
        <source>Lift Distance</source>
        <translation>Lift Distance</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>SCROLL SPEED</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performance</translation>
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
        <translation>Lift off Distance</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>REPORT RATE</translation>
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
        <translation>Link XY</translation>
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
        <translation>Stage %1 link X and Y</translation>
    </message>
    <message>
        <source>Stage %1 enabled</source>
        <translation>Stage %1 enabled</translation>
    </message>
    <message>
        <source>Stage %1 active</source>
        <translation>Stage %1 active</translation>
    </message>
    <message>
        <source>Stage %1 X resolution</source>
        <translation>Stage %1 X resolution</translation>
    </message>
    <message>
        <source>Stage %1 Y resolution</source>
        <translation>Stage %1 Y resolution</translation>
    </message>
    <message>
        <source>Stage %1 resolution</source>
        <translation>Stage %1 resolution</translation>
    </message>
    <message>
        <source>Stage %1 X DPI</source>
        <translation>Stage %1 X DPI</translation>
    </message>
    <message>
        <source>Stage %1 Y DPI</source>
        <translation>Stage %1 Y DPI</translation>
    </message>
    <message>
        <source>Stage %1 DPI</source>
        <translation>Stage %1 DPI</translation>
    </message>
</context>
<context>
    <name>TarqSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>Single Key</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Sniper Setting</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Sniper level</source>
        <translation>Sniper level</translation>
    </message>
</context>
</TS>
