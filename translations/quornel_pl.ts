<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Form1</name>
    <message>
        <source>Click for the menu, or press the menu key or Shift+F10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to rename your text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to rename text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click or press F2 to change the note.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left click Quornel or below the clock  for Popup Menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes are not being saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to show Quornel Desktop Notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparent Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Current Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Quornel Desktop Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Quornel Desktop Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes are not being saved to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have the following notes: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must pick a Speech Agent Character if the speech is enabled. You can do this by clicking the Load Agent button in the Speech Settings window. If you do not have any Speech Agent Characters than disable the speech in the Speech Settings window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The notification area that runs is of a kind this icon cannot use (the kind is chosen when Quornel Desktop Notes starts): hidden, the window would have no icon to come back from. Start Quornel Desktop Notes again to use it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No notification area is running (neither a system tray nor a status notifier host): hidden, the window would have no icon to come back from.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Rename Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type your desktop note here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to apply the rename of your desktop note.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to view your desktop note options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This note is too long to change here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chose if you would like to have &quot;Open Animation&quot; or &quot;Close Animation&quot;  by checking the appropriate check box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click if you want the &quot;Open Animation&quot; on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click if you want the &quot;Close Animation&quot; on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this to enable/disable the sppech in Quornel Desktop Notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current text colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to change the color of all your text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparency Settings </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this to adjust the transparency setting in Quornel Desktop Notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick a color for the text.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Speech Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this to enable/disable the speech for Quornel Desktop Notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Agent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this button to load an Agent the will read your note(s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agent Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the name of you agent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read notes on startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this if you would like to have Quornel read your notes when he starts up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech Agent Characters|*.qchar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must restart Quornel Desktop Notes in order for the changes to take place.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Transparency Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Transparency (Compositing Desktops Only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable this to see cool tranparency effects on a compositing desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Visable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From not visible (0) to fully visible (255).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precent Visable        %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteStore</name>
    <message>
        <source>A change could not be saved to the note store &quot;%1&quot;: %2. The program keeps the change and saves it as soon as it can; changes not saved by then are lost when the program ends.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SqliteFile</name>
    <message>
        <source>The note store &quot;%1&quot; cannot be used: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is none, and none can be made in its folder (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is on a read-only disk: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is read-only: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is in a read-only folder: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database is damaged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program removed its settings record; it is written back as the program shows it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program removed its note record; it is written back as the program shows it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program holds it locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it can no longer be written to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
