<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Autostart</name>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be removed.</source>
        <translation>Der Autostart-Eintrag „%1“ kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written.</source>
        <translation>Der Autostart-Eintrag „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written: %2</source>
        <translation>Der Autostart-Eintrag „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CharacterFile</name>
    <message>
        <source>the manifest has no entry &quot;%1&quot;</source>
        <translation>das Manifest hat keinen Eintrag „%1“</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>der Manifest-Eintrag „%1“ muss eine ganze Zahl von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must list from %2 to %3 items, not %4</source>
        <translation>der Manifest-Eintrag „%1“ muss %2 bis %3 Elemente enthalten, nicht %4</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1[%2]&quot; must be an object</source>
        <translation>der Manifest-Eintrag „%1[%2]“ muss ein Objekt sein</translation>
    </message>
    <message>
        <source>the manifest has an unknown entry &quot;%1&quot;</source>
        <translation>das Manifest hat einen unbekannten Eintrag „%1“</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; has an unknown entry &quot;%2&quot;</source>
        <translation>der Manifest-Eintrag „%1“ hat einen unbekannten Eintrag „%2“</translation>
    </message>
    <message>
        <source>is not a PNG picture</source>
        <translation>ist kein PNG-Bild</translation>
    </message>
    <message>
        <source>is not a PNG picture (it does not begin with its header chunk)</source>
        <translation>ist kein PNG-Bild (es beginnt nicht mit seinem Header-Chunk)</translation>
    </message>
    <message>
        <source>is %1 x %2 pixels; each side must be from 1 to %3</source>
        <translation>ist %1 × %2 Pixel groß; jede Seite muss 1 bis %3 Pixel lang sein</translation>
    </message>
    <message>
        <source>is damaged: </source>
        <translation>ist beschädigt: </translation>
    </message>
    <message>
        <source>its header chunk declares a kind of picture that PNG does not have</source>
        <translation>sein Header-Chunk gibt eine Bildart an, die es in PNG nicht gibt</translation>
    </message>
    <message>
        <source>it ends in the middle of a chunk</source>
        <translation>es endet mitten in einem Chunk</translation>
    </message>
    <message>
        <source>it holds a chunk whose type is not four letters</source>
        <translation>es enthält einen Chunk, dessen Typ nicht aus vier Buchstaben besteht</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (it declares %2 bytes; %3 follow)</source>
        <translation>sein „%1“-Chunk reicht über das Ende des Bildes hinaus (er gibt %2 Bytes an; es folgen %3)</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (its checksum is cut off)</source>
        <translation>sein „%1“-Chunk reicht über das Ende des Bildes hinaus (seine Prüfsumme ist abgeschnitten)</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk&apos;s checksum is wrong</source>
        <translation>die Prüfsumme seines „%1“-Chunks ist falsch</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk is out of place</source>
        <translation>sein „%1“-Chunk steht an der falschen Stelle</translation>
    </message>
    <message>
        <source>its image data is split by other chunks</source>
        <translation>seine Bilddaten sind durch andere Chunks unterbrochen</translation>
    </message>
    <message>
        <source>its palette does not fit the picture</source>
        <translation>seine Palette passt nicht zum Bild</translation>
    </message>
    <message>
        <source>its transparency does not fit the picture</source>
        <translation>seine Transparenzangabe passt nicht zum Bild</translation>
    </message>
    <message>
        <source>it holds a critical chunk &quot;%1&quot; this program does not know</source>
        <translation>es enthält einen kritischen Chunk „%1“, den dieses Programm nicht kennt</translation>
    </message>
    <message>
        <source>it ends without its end chunk</source>
        <translation>es endet ohne seinen End-Chunk</translation>
    </message>
    <message>
        <source>%1 bytes follow its end chunk</source>
        <translation>auf seinen End-Chunk folgen noch %1 Bytes</translation>
    </message>
    <message>
        <source>it has no image data</source>
        <translation>es enthält keine Bilddaten</translation>
    </message>
    <message>
        <source>it has no palette</source>
        <translation>es hat keine Palette</translation>
    </message>
    <message>
        <source>is not a readable PNG picture</source>
        <translation>ist kein lesbares PNG-Bild</translation>
    </message>
    <message>
        <source>is not a readable PNG picture (%1)</source>
        <translation>ist kein lesbares PNG-Bild (%1)</translation>
    </message>
    <message>
        <source>decodes to a different size than its header declares</source>
        <translation>ergibt beim Dekodieren eine andere Größe, als sein Header angibt</translation>
    </message>
    <message>
        <source>The character file &quot;%1&quot; cannot be used: %2.</source>
        <translation>Die Figurendatei „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>No character file was named.</source>
        <translation>Es wurde keine Figurendatei angegeben.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>sie existiert nicht</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es handelt sich um einen Ordner, nicht um eine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es handelt sich nicht um eine reguläre Datei</translation>
    </message>
    <message>
        <source>it is %1 bytes long; a character file may have at most %2</source>
        <translation>sie ist %1 Bytes groß; eine Figurendatei darf höchstens %2 Bytes groß sein</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a character file may have</source>
        <translation>sie ist größer als die %1 Bytes, die eine Figurendatei haben darf</translation>
    </message>
    <message>
        <source>the name must be 1 to %1 printable characters</source>
        <translation>der Name muss aus 1 bis %1 druckbaren Zeichen bestehen</translation>
    </message>
    <message>
        <source>the voice name &quot;%1&quot; is not a valid voice name</source>
        <translation>der Stimmenname „%1“ ist kein gültiger Stimmenname</translation>
    </message>
    <message>
        <source>the voice rate must be from %1 to %2</source>
        <translation>die Sprechgeschwindigkeit der Stimme muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>the voice pitch must be from %1 to %2</source>
        <translation>die Tonhöhe der Stimme muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>a character needs 1 to %1 pictures</source>
        <translation>eine Figur braucht 1 bis %1 Bilder</translation>
    </message>
    <message>
        <source>a character has a double-size picture for every picture or for none</source>
        <translation>eine Figur hat entweder zu jedem Bild ein doppelt großes Bild oder zu keinem</translation>
    </message>
    <message>
        <source>the appearing animation may have at most %1 frames</source>
        <translation>die Animation beim Erscheinen darf höchstens %1 Einzelbilder haben</translation>
    </message>
    <message>
        <source>the idle pose needs 1 to %1 frames</source>
        <translation>die Ruhepose braucht 1 bis %1 Einzelbilder</translation>
    </message>
    <message>
        <source>a character needs %1 to %2 mouth shapes</source>
        <translation>eine Figur braucht %1 bis %2 Mundformen</translation>
    </message>
    <message>
        <source>a frame refers to picture %1, which does not exist</source>
        <translation>ein Einzelbild verweist auf Bild %1, das es nicht gibt</translation>
    </message>
    <message>
        <source>a frame lasts %1 ms; frames last from %2 to %3 ms</source>
        <translation>ein Einzelbild dauert %1 ms; Einzelbilder dauern %2 bis %3 ms</translation>
    </message>
    <message>
        <source>the mouth shape name &quot;%1&quot; is not valid (small letters, digits, &quot;-&quot; and &quot;_&quot;, up to 32)</source>
        <translation>der Mundformname „%1“ ist ungültig (Kleinbuchstaben, Ziffern, „-“ und „_“, höchstens 32)</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; is given twice</source>
        <translation>die Mundform „%1“ ist doppelt angegeben</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; refers to picture %2, which does not exist</source>
        <translation>die Mundform „%1“ verweist auf Bild %2, das es nicht gibt</translation>
    </message>
    <message>
        <source>its manifest is not valid JSON (%1 at byte %2)</source>
        <translation>ihr Manifest ist kein gültiges JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>its manifest is not a JSON object</source>
        <translation>ihr Manifest ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>it ends early: picture %1 needs %2 bytes but only %3 are left</source>
        <translation>sie endet vorzeitig: Bild %1 braucht %2 Bytes, aber nur %3 sind übrig</translation>
    </message>
    <message>
        <source>it ends early: double-size picture %1 needs %2 bytes but only %3 are left</source>
        <translation>sie endet vorzeitig: das doppelt große Bild %1 braucht %2 Bytes, aber nur %3 sind übrig</translation>
    </message>
    <message>
        <source>%1 bytes follow its last picture</source>
        <translation>auf ihr letztes Bild folgen noch %1 Bytes</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>it is not a character file (its header is wrong)</source>
        <translation>sie ist keine Figurendatei (ihr Dateikopf ist falsch)</translation>
    </message>
    <message>
        <source>it ends early, within its header</source>
        <translation>sie endet vorzeitig, innerhalb ihres Dateikopfs</translation>
    </message>
    <message>
        <source>it is of format version %1; this program reads versions %2 and %3</source>
        <translation>sie hat die Formatversion %1; dieses Programm liest die Versionen %2 und %3</translation>
    </message>
    <message>
        <source>its manifest is said to be %1 bytes long; it must be from 1 to %2</source>
        <translation>ihr Manifest soll laut Dateikopf %1 Bytes lang sein; erlaubt sind 1 bis %2</translation>
    </message>
    <message>
        <source>it ends early: the manifest needs %1 bytes but only %2 follow</source>
        <translation>sie endet vorzeitig: das Manifest braucht %1 Bytes, aber es folgen nur %2</translation>
    </message>
    <message>
        <source>picture %1 %2</source>
        <translation>Bild %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 %2</source>
        <translation>das doppelt große Bild %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 is %2 x %3 pixels; it must be twice picture %1&apos;s, %4 x %5</source>
        <translation>das doppelt große Bild %1 ist %2 × %3 Pixel groß; es muss doppelt so groß sein wie Bild %1, also %4 × %5</translation>
    </message>
    <message>
        <source>its pictures hold %1 pixels together; at most %2 are allowed</source>
        <translation>ihre Bilder haben zusammen %1 Pixel; höchstens %2 sind erlaubt</translation>
    </message>
    <message>
        <source>the manifest would be longer than %1 bytes</source>
        <translation>das Manifest wäre länger als %1 Bytes</translation>
    </message>
    <message>
        <source>the file would be longer than %1 bytes</source>
        <translation>die Datei wäre größer als %1 Bytes</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a number</source>
        <translation>der Manifest-Eintrag „%1“ muss eine Zahl sein</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a text</source>
        <translation>der Manifest-Eintrag „%1“ muss ein Text sein</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be an object</source>
        <translation>der Manifest-Eintrag „%1“ muss ein Objekt sein</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a list</source>
        <translation>der Manifest-Eintrag „%1“ muss eine Liste sein</translation>
    </message>
</context>
<context>
    <name>CharacterMenu</name>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Stay on the Desktop</source>
        <translation>Auf dem Desktop bleiben</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a reading speed, in percent of the character&apos;s own</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Same as the Interface</source>
        <translation>Wie die Oberfläche</translation>
    </message>
</context>
<context>
    <name>CharacterWindow</name>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Speech balloon</source>
        <translation>Sprechblase</translation>
    </message>
</context>
<context>
    <name>DesktopAgent</name>
    <message>
        <source>The speech character could not be loaded.

%1</source>
        <translation>Die Figur für die Sprachausgabe konnte nicht geladen werden.

%1</translation>
    </message>
    <message>
        <source>The character cannot speak aloud: %1. Its words are shown in its speech balloon only.</source>
        <translation>Die Figur kann nicht laut sprechen: %1. Ihre Worte erscheinen nur in ihrer Sprechblase.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>cannot open the display &quot;%1&quot;</source>
        <translation>die Anzeige „%1“ kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>no X11 display to show the widget on: WAYLAND_DISPLAY is set but DISPLAY is not (on Wayland the widget needs XWayland)</source>
        <translation>keine X11-Anzeige, auf der das Widget erscheinen kann: WAYLAND_DISPLAY ist gesetzt, DISPLAY aber nicht (unter Wayland braucht das Widget XWayland)</translation>
    </message>
    <message>
        <source>no display to show the widget on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>keine Anzeige, auf der das Widget erscheinen kann (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Click for the menu, or press the menu key or Shift+F10.</source>
        <translation>Klicken Sie, um das Menü zu öffnen, oder drücken Sie die Menütaste oder Umschalt+F10.</translation>
    </message>
    <message>
        <source>Click here to rename your text.</source>
        <translation>Klicken Sie hier, um Ihren Text zu ändern.</translation>
    </message>
    <message>
        <source>Click here to rename text.</source>
        <translation>Klicken Sie hier, um den Text zu ändern.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Click or press F2 to change the note.</source>
        <translation>Klicken Sie oder drücken Sie F2, um die Notiz zu ändern.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Left click Quornel or below the clock  for Popup Menu.</source>
        <translation>Klicken Sie mit der linken Maustaste auf Quornel oder unter die Uhr, um das Menü zu öffnen.</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Changes are not being saved</source>
        <translation>Änderungen werden nicht gespeichert</translation>
    </message>
    <message>
        <source>Click to show Quornel Desktop Notes.</source>
        <translation>Klicken Sie, um Quornel Desktop Notes anzuzeigen.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>All Settings</source>
        <translation>Alle Einstellungen</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>Sprachausgabe-Einstellungen</translation>
    </message>
    <message>
        <source>Transparent Settings</source>
        <translation>Transparenzeinstellungen</translation>
    </message>
    <message>
        <source>Show Clock</source>
        <translation>Uhr anzeigen</translation>
    </message>
    <message>
        <source>Read Current Notes</source>
        <translation>Aktuelle Notizen vorlesen</translation>
    </message>
    <message>
        <source>Hide Quornel Desktop Notes</source>
        <translation>Quornel Desktop Notes ausblenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Show Quornel Desktop Notes</source>
        <translation>Quornel Desktop Notes anzeigen</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Changes are not being saved to &quot;%1&quot;.</source>
        <translation>Änderungen werden nicht in „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>You have the following notes: </source>
        <translation>Sie haben folgende Notizen: </translation>
    </message>
    <message>
        <source>You must pick a Speech Agent Character if the speech is enabled. You can do this by clicking the Load Agent button in the Speech Settings window. If you do not have any Speech Agent Characters than disable the speech in the Speech Settings window.</source>
        <translation>Wenn die Sprachausgabe aktiviert ist, müssen Sie eine Sprachagent-Figur auswählen. Klicken Sie dazu im Fenster „Sprachausgabe-Einstellungen“ auf den Knopf „Agent laden“. Wenn Sie keine Sprachagent-Figuren haben, deaktivieren Sie die Sprachausgabe im Fenster „Sprachausgabe-Einstellungen“.</translation>
    </message>
    <message>
        <source>The notification area that runs is of a kind this icon cannot use (the kind is chosen when Quornel Desktop Notes starts): hidden, the window would have no icon to come back from. Start Quornel Desktop Notes again to use it.</source>
        <translation>Der laufende Benachrichtigungsbereich ist von einer Art, die dieses Symbol nicht verwenden kann (die Art wird beim Start von Quornel Desktop Notes festgelegt): Ausgeblendet hätte das Fenster kein Symbol, über das es zurückkehren könnte. Starten Sie Quornel Desktop Notes neu, um ihn zu verwenden.</translation>
    </message>
    <message>
        <source>No notification area is running (neither a system tray nor a status notifier host): hidden, the window would have no icon to come back from.</source>
        <translation>Es läuft kein Benachrichtigungsbereich (weder ein System-Tray noch ein Status-Notifier-Host): Ausgeblendet hätte das Fenster kein Symbol, über das es zurückkehren könnte.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Rename Text</source>
        <translation>Text ändern</translation>
    </message>
    <message>
        <source>Type your desktop note here.</source>
        <translation>Geben Sie hier Ihre Desktop-Notiz ein.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Click here to apply the rename of your desktop note.</source>
        <translation>Klicken Sie hier, um die Änderung Ihrer Desktop-Notiz zu übernehmen.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Click here to view your desktop note options.</source>
        <translation>Klicken Sie hier, um die Optionen Ihrer Desktop-Notiz anzuzeigen.</translation>
    </message>
    <message>
        <source>This note is too long to change here.</source>
        <translation>Diese Notiz ist zu lang, um sie hier zu ändern.</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Chose if you would like to have &quot;Open Animation&quot; or &quot;Close Animation&quot;  by checking the appropriate check box.</source>
        <translation>Wählen Sie mit dem jeweiligen Ankreuzfeld, ob Sie eine „Animation beim Öffnen“ oder eine „Animation beim Schließen“ möchten.</translation>
    </message>
    <message>
        <source>Open Animation</source>
        <translation>Animation beim Öffnen</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Open Animation&quot; on or off.</source>
        <translation>Klicken Sie hier, um die „Animation beim Öffnen“ ein- oder auszuschalten.</translation>
    </message>
    <message>
        <source>Close Animation</source>
        <translation>Animation beim Schließen</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Close Animation&quot; on or off.</source>
        <translation>Klicken Sie hier, um die „Animation beim Schließen“ ein- oder auszuschalten.</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>Sprachausgabe-Einstellungen</translation>
    </message>
    <message>
        <source>Click this to enable/disable the sppech in Quornel Desktop Notes.</source>
        <translation>Klicken Sie hier, um die Sprachausgabe in Quornel Desktop Notes ein- oder auszuschalten.</translation>
    </message>
    <message>
        <source>Current Text Color</source>
        <translation>Aktuelle Textfarbe</translation>
    </message>
    <message>
        <source>Current text colour</source>
        <translation>Aktuelle Textfarbe</translation>
    </message>
    <message>
        <source>Change Text Color</source>
        <translation>Textfarbe ändern</translation>
    </message>
    <message>
        <source>Click this button to change the color of all your text.</source>
        <translation>Klicken Sie auf diesen Knopf, um die Farbe Ihres gesamten Textes zu ändern.</translation>
    </message>
    <message>
        <source>Transparency Settings </source>
        <translation>Transparenzeinstellungen</translation>
    </message>
    <message>
        <source>Click this to adjust the transparency setting in Quornel Desktop Notes.</source>
        <translation>Klicken Sie hier, um die Transparenz von Quornel Desktop Notes einzustellen.</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <translation>Lautsprecher</translation>
    </message>
    <message>
        <source>Pick a color for the text.</source>
        <translation>Wählen Sie eine Farbe für den Text.</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Speech Settings</source>
        <translation>Sprachausgabe-Einstellungen</translation>
    </message>
    <message>
        <source>Enable Speech</source>
        <translation>Sprachausgabe aktivieren</translation>
    </message>
    <message>
        <source>Check this to enable/disable the speech for Quornel Desktop Notes.</source>
        <translation>Kreuzen Sie dies an, um die Sprachausgabe von Quornel Desktop Notes ein- oder auszuschalten.</translation>
    </message>
    <message>
        <source>Load Agent</source>
        <translation>Agent laden</translation>
    </message>
    <message>
        <source>Click this button to load an Agent the will read your note(s).</source>
        <translation>Klicken Sie auf diesen Knopf, um einen Agenten zu laden, der Ihre Notiz(en) vorliest.</translation>
    </message>
    <message>
        <source>Agent Name:</source>
        <translation>Agentenname:</translation>
    </message>
    <message>
        <source>This is the name of you agent.</source>
        <translation>Dies ist der Name Ihres Agenten.</translation>
    </message>
    <message>
        <source>Read notes on startup</source>
        <translation>Notizen beim Start vorlesen</translation>
    </message>
    <message>
        <source>Click this if you would like to have Quornel read your notes when he starts up.</source>
        <translation>Kreuzen Sie dies an, wenn Quornel beim Start Ihre Notizen vorlesen soll.</translation>
    </message>
    <message>
        <source>Speech Agent Characters|*.qchar</source>
        <translation>Sprachagent-Figuren|*.qchar</translation>
    </message>
    <message>
        <source>You must restart Quornel Desktop Notes in order for the changes to take place.</source>
        <translation>Sie müssen Quornel Desktop Notes neu starten, damit die Änderungen wirksam werden.</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Transparency Settings</source>
        <translation>Transparenzeinstellungen</translation>
    </message>
    <message>
        <source>Enable Transparency (Compositing Desktops Only)</source>
        <translation>Transparenz aktivieren (nur für Desktops mit Compositing)</translation>
    </message>
    <message>
        <source>Enable this to see cool tranparency effects on a compositing desktop.</source>
        <translation>Aktivieren Sie dies, um auf einem Desktop mit Compositing tolle Transparenzeffekte zu sehen.</translation>
    </message>
    <message>
        <source>Not Visable</source>
        <translation>Unsichtbar</translation>
    </message>
    <message>
        <source>Visable</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Sichtbarkeit</translation>
    </message>
    <message>
        <source>From not visible (0) to fully visible (255).</source>
        <translation>Von unsichtbar (0) bis vollständig sichtbar (255).</translation>
    </message>
    <message>
        <source>Precent Visable        %</source>
        <translation>Sichtbarkeit        %</translation>
    </message>
</context>
<context>
    <name>NoteStore</name>
    <message>
        <source>A change could not be saved to the note store &quot;%1&quot;: %2. The program keeps the change and saves it as soon as it can; changes not saved by then are lost when the program ends.</source>
        <translation>Eine Änderung konnte nicht im Notizspeicher „%1“ gespeichert werden: %2. Das Programm behält die Änderung und speichert sie, sobald es kann; bis dahin nicht gespeicherte Änderungen gehen verloren, wenn das Programm beendet wird.</translation>
    </message>
</context>
<context>
    <name>OneCopy</name>
    <message>
        <source>A folder &quot;%1&quot; stands where Quornel Desktop Notes keeps the lock of its note store. The folder is left as it is; the lock is kept elsewhere.</source>
        <translation>Dort, wo Quornel Desktop Notes die Sperre seines Notizspeichers ablegt, befindet sich ein Ordner „%1“. Der Ordner bleibt unverändert; die Sperre wird an anderer Stelle abgelegt.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>A note on the desktop, with a clock and a mascot who reads it aloud.
Without an option the note store is &quot;%1&quot; in the working folder.</source>
        <translation>Eine Notiz auf dem Desktop, mit einer Uhr und einem Maskottchen, das sie vorliest.
Ohne Option ist der Notizspeicher „%1“ im Arbeitsordner.</translation>
    </message>
    <message>
        <source>Keep the note in the store &lt;file&gt;.</source>
        <translation>Die Notiz im Notizspeicher &lt;file&gt; aufbewahren.</translation>
    </message>
    <message>
        <source>Keep the note in the per-user store under $XDG_DATA_HOME.</source>
        <translation>Die Notiz im benutzereigenen Notizspeicher unter $XDG_DATA_HOME aufbewahren.</translation>
    </message>
    <message>
        <source>Start the widget on the store named here (--user, --store or the working folder&apos;s) when you log in: on or off.</source>
        <translation>Das Widget bei der Anmeldung mit dem hier genannten Notizspeicher starten (--user, --store oder dem des Arbeitsordners): on oder off.</translation>
    </message>
    <message>
        <source>--store and --user name two stores; give one</source>
        <translation>--store und --user nennen zwei Notizspeicher; geben Sie nur einen an</translation>
    </message>
    <message>
        <source>--autostart takes on or off</source>
        <translation>--autostart erwartet on oder off</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>unerwartetes Argument „%1“; siehe --help</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for the note store cannot be made.</source>
        <translation>Der Ordner „%1“ für den Notizspeicher kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Another copy of Quornel Desktop Notes keeps its note in &quot;%1&quot; but does not answer.</source>
        <translation>Eine andere Instanz von Quornel Desktop Notes bewahrt ihre Notiz in „%1“ auf, antwortet aber nicht.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>SpeakerEngine</name>
    <message>
        <source>the speaker stopped answering</source>
        <translation>das Sprachausgabeprogramm antwortet nicht mehr</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly</source>
        <translation>das Sprachausgabeprogramm wurde unerwartet beendet</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly (exit status %1)</source>
        <translation>das Sprachausgabeprogramm wurde unerwartet beendet (Exit-Status %1)</translation>
    </message>
    <message>
        <source>the speaker &quot;%1&quot; could not be started (%2)</source>
        <translation>das Sprachausgabeprogramm „%1“ konnte nicht gestartet werden (%2)</translation>
    </message>
    <message>
        <source>the speaker said something that does not decode</source>
        <translation>das Sprachausgabeprogramm hat eine Antwort gesendet, die sich nicht dekodieren lässt</translation>
    </message>
</context>
<context>
    <name>SqliteFile</name>
    <message>
        <source>The note store &quot;%1&quot; cannot be used: %2.</source>
        <translation>Der Notizspeicher „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>er ist keine Datei</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>er kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>there is none, and none can be made in its folder (%1)</source>
        <translation>es gibt ihn nicht, und in seinem Ordner kann keiner angelegt werden (%1)</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is on a read-only disk: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>Der Notizspeicher „%1“ liegt auf einem schreibgeschützten Datenträger: Die Notiz wird so angezeigt, wie sie zuletzt gespeichert wurde, aber Änderungen, die Sie jetzt vornehmen, können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is read-only: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>Der Notizspeicher „%1“ ist schreibgeschützt: Die Notiz wird so angezeigt, wie sie zuletzt gespeichert wurde, aber Änderungen, die Sie jetzt vornehmen, können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is in a read-only folder: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>Der Notizspeicher „%1“ liegt in einem schreibgeschützten Ordner: Die Notiz wird so angezeigt, wie sie zuletzt gespeichert wurde, aber Änderungen, die Sie jetzt vornehmen, können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>the database is damaged (%1)</source>
        <translation>die Datenbank ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>another program removed its settings record; it is written back as the program shows it</source>
        <translation>ein anderes Programm hat seinen Einstellungsdatensatz entfernt; er wird so zurückgeschrieben, wie das Programm ihn anzeigt</translation>
    </message>
    <message>
        <source>another program removed its note record; it is written back as the program shows it</source>
        <translation>ein anderes Programm hat seinen Notizdatensatz entfernt; er wird so zurückgeschrieben, wie das Programm ihn anzeigt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>another program holds it locked</source>
        <translation>ein anderes Programm hält ihn gesperrt</translation>
    </message>
    <message>
        <source>it can no longer be written to</source>
        <translation>er kann nicht mehr beschrieben werden</translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation>der Datenträger hat einen Fehler gemeldet (%1)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Arbeitsspeicher</translation>
    </message>
</context>
</TS>
