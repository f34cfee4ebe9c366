<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Autostart</name>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CharacterFile</name>
    <message>
        <source>the manifest has no entry &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must list from %2 to %3 items, not %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1[%2]&quot; must be an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the manifest has an unknown entry &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; has an unknown entry &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a PNG picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a PNG picture (it does not begin with its header chunk)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is %1 x %2 pixels; each side must be from 1 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is damaged: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its header chunk declares a kind of picture that PNG does not have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends in the middle of a chunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a chunk whose type is not four letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (it declares %2 bytes; %3 follow)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (its checksum is cut off)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk&apos;s checksum is wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk is out of place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its image data is split by other chunks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its palette does not fit the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its transparency does not fit the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a critical chunk &quot;%1&quot; this program does not know</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends without its end chunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes follow its end chunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no image data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a readable PNG picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a readable PNG picture (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decodes to a different size than its header declares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character file &quot;%1&quot; cannot be used: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No character file was named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1 bytes long; a character file may have at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a character file may have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name must be 1 to %1 printable characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the voice name &quot;%1&quot; is not a valid voice name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the voice rate must be from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the voice pitch must be from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a character needs 1 to %1 pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a character has a double-size picture for every picture or for none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the appearing animation may have at most %1 frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the idle pose needs 1 to %1 frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a character needs %1 to %2 mouth shapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a frame refers to picture %1, which does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a frame lasts %1 ms; frames last from %2 to %3 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mouth shape name &quot;%1&quot; is not valid (small letters, digits, &quot;-&quot; and &quot;_&quot;, up to 32)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; refers to picture %2, which does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its manifest is not valid JSON (%1 at byte %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its manifest is not a JSON object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends early: picture %1 needs %2 bytes but only %3 are left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends early: double-size picture %1 needs %2 bytes but only %3 are left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes follow its last picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a character file (its header is wrong)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends early, within its header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is of format version %1; this program reads versions %2 and %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its manifest is said to be %1 bytes long; it must be from 1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends early: the manifest needs %1 bytes but only %2 follow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>double-size picture %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>double-size picture %1 is %2 x %3 pixels; it must be twice picture %1&apos;s, %4 x %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its pictures hold %1 pixels together; at most %2 are allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the manifest would be longer than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file would be longer than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CharacterWindow</name>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech balloon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopAgent</name>
    <message>
        <source>The speech character could not be loaded.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character cannot speak aloud: %1. Its words are shown in its speech balloon only.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>cannot open the display &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no X11 display to show the widget on: WAYLAND_DISPLAY is set but DISPLAY is not (on Wayland the widget needs XWayland)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no display to show the widget on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <name>OneCopy</name>
    <message>
        <source>A folder &quot;%1&quot; stands where Quornel Desktop Notes keeps the lock of its note store. The folder is left as it is; the lock is kept elsewhere.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>A note on the desktop, with a clock and a mascot who reads it aloud.
Without an option the note store is &quot;%1&quot; in the working folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the note in the store &lt;file&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the note in the per-user store under $XDG_DATA_HOME.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the widget on the store named here (--user, --store or the working folder&apos;s) when you log in: on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--store and --user name two stores; give one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--autostart takes on or off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for the note store cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another copy of Quornel Desktop Notes keeps its note in &quot;%1&quot; but does not answer.</source>
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
    <name>SpeakerEngine</name>
    <message>
        <source>the speaker stopped answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly (exit status %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the speaker &quot;%1&quot; could not be started (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the speaker said something that does not decode</source>
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
