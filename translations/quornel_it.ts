<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Autostart</name>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be removed.</source>
        <translation>Impossibile rimuovere il file di avvio automatico &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written.</source>
        <translation>Impossibile scrivere il file di avvio automatico &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written: %2</source>
        <translation>Impossibile scrivere il file di avvio automatico &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>CharacterFile</name>
    <message>
        <source>the manifest has no entry &quot;%1&quot;</source>
        <translation>nel manifesto manca il campo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>il campo &quot;%1&quot; del manifesto deve essere un numero intero da %2 a %3</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must list from %2 to %3 items, not %4</source>
        <translation>il campo &quot;%1&quot; del manifesto deve contenere da %2 a %3 elementi, non %4</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1[%2]&quot; must be an object</source>
        <translation>il campo &quot;%1[%2]&quot; del manifesto deve essere un oggetto</translation>
    </message>
    <message>
        <source>the manifest has an unknown entry &quot;%1&quot;</source>
        <translation>il manifesto contiene un campo sconosciuto &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; has an unknown entry &quot;%2&quot;</source>
        <translation>il campo &quot;%1&quot; del manifesto contiene un campo sconosciuto &quot;%2&quot;</translation>
    </message>
    <message>
        <source>is not a PNG picture</source>
        <translation>non è un&apos;immagine PNG</translation>
    </message>
    <message>
        <source>is not a PNG picture (it does not begin with its header chunk)</source>
        <translation>non è un&apos;immagine PNG (non inizia con il blocco di intestazione)</translation>
    </message>
    <message>
        <source>is %1 x %2 pixels; each side must be from 1 to %3</source>
        <translation>misura %1 x %2 pixel; ogni lato deve essere da 1 a %3</translation>
    </message>
    <message>
        <source>is damaged: </source>
        <translation>è danneggiata: </translation>
    </message>
    <message>
        <source>its header chunk declares a kind of picture that PNG does not have</source>
        <translation>il blocco di intestazione dichiara un tipo di immagine che il formato PNG non prevede</translation>
    </message>
    <message>
        <source>it ends in the middle of a chunk</source>
        <translation>termina a metà di un blocco</translation>
    </message>
    <message>
        <source>it holds a chunk whose type is not four letters</source>
        <translation>contiene un blocco il cui tipo non è di quattro lettere</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (it declares %2 bytes; %3 follow)</source>
        <translation>il blocco &quot;%1&quot; va oltre la fine dell&apos;immagine (dichiara %2 byte; ne seguono %3)</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (its checksum is cut off)</source>
        <translation>il blocco &quot;%1&quot; va oltre la fine dell&apos;immagine (il suo checksum è troncato)</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk&apos;s checksum is wrong</source>
        <translation>il checksum del blocco &quot;%1&quot; è errato</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk is out of place</source>
        <translation>il blocco &quot;%1&quot; è fuori posto</translation>
    </message>
    <message>
        <source>its image data is split by other chunks</source>
        <translation>i dati dell&apos;immagine sono interrotti da altri blocchi</translation>
    </message>
    <message>
        <source>its palette does not fit the picture</source>
        <translation>la tavolozza non corrisponde all&apos;immagine</translation>
    </message>
    <message>
        <source>its transparency does not fit the picture</source>
        <translation>la trasparenza non corrisponde all&apos;immagine</translation>
    </message>
    <message>
        <source>it holds a critical chunk &quot;%1&quot; this program does not know</source>
        <translation>contiene un blocco critico &quot;%1&quot; che questo programma non conosce</translation>
    </message>
    <message>
        <source>it ends without its end chunk</source>
        <translation>termina senza il blocco finale</translation>
    </message>
    <message>
        <source>%1 bytes follow its end chunk</source>
        <translation>dopo il blocco finale seguono %1 byte</translation>
    </message>
    <message>
        <source>it has no image data</source>
        <translation>non contiene dati dell&apos;immagine</translation>
    </message>
    <message>
        <source>it has no palette</source>
        <translation>non ha una tavolozza</translation>
    </message>
    <message>
        <source>is not a readable PNG picture</source>
        <translation>non è un&apos;immagine PNG leggibile</translation>
    </message>
    <message>
        <source>is not a readable PNG picture (%1)</source>
        <translation>non è un&apos;immagine PNG leggibile (%1)</translation>
    </message>
    <message>
        <source>decodes to a different size than its header declares</source>
        <translation>una volta decodificata ha dimensioni diverse da quelle dichiarate nell&apos;intestazione</translation>
    </message>
    <message>
        <source>The character file &quot;%1&quot; cannot be used: %2.</source>
        <translation>Impossibile usare il file del personaggio &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>No character file was named.</source>
        <translation>Non è stato indicato alcun file del personaggio.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>non esiste</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>it is %1 bytes long; a character file may have at most %2</source>
        <translation>è di %1 byte; un file del personaggio può averne al massimo %2</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>non può essere letto (%1)</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a character file may have</source>
        <translation>supera i %1 byte consentiti per un file del personaggio</translation>
    </message>
    <message>
        <source>the name must be 1 to %1 printable characters</source>
        <translation>il nome deve avere da 1 a %1 caratteri stampabili</translation>
    </message>
    <message>
        <source>the voice name &quot;%1&quot; is not a valid voice name</source>
        <translation>&quot;%1&quot; non è un nome di voce valido</translation>
    </message>
    <message>
        <source>the voice rate must be from %1 to %2</source>
        <translation>la velocità della voce deve essere compresa tra %1 e %2</translation>
    </message>
    <message>
        <source>the voice pitch must be from %1 to %2</source>
        <translation>l&apos;altezza della voce deve essere compresa tra %1 e %2</translation>
    </message>
    <message>
        <source>a character needs 1 to %1 pictures</source>
        <translation>un personaggio deve avere da 1 a %1 immagini</translation>
    </message>
    <message>
        <source>a character has a double-size picture for every picture or for none</source>
        <translation>un personaggio deve avere un&apos;immagine a dimensione doppia per ogni immagine o per nessuna</translation>
    </message>
    <message>
        <source>the appearing animation may have at most %1 frames</source>
        <translation>l&apos;animazione di comparsa può avere al massimo %1 fotogrammi</translation>
    </message>
    <message>
        <source>the idle pose needs 1 to %1 frames</source>
        <translation>la posa di riposo deve avere da 1 a %1 fotogrammi</translation>
    </message>
    <message>
        <source>a character needs %1 to %2 mouth shapes</source>
        <translation>un personaggio deve avere da %1 a %2 forme della bocca</translation>
    </message>
    <message>
        <source>a frame refers to picture %1, which does not exist</source>
        <translation>un fotogramma fa riferimento all&apos;immagine %1, che non esiste</translation>
    </message>
    <message>
        <source>a frame lasts %1 ms; frames last from %2 to %3 ms</source>
        <translation>un fotogramma dura %1 ms; i fotogrammi devono durare da %2 a %3 ms</translation>
    </message>
    <message>
        <source>the mouth shape name &quot;%1&quot; is not valid (small letters, digits, &quot;-&quot; and &quot;_&quot;, up to 32)</source>
        <translation>il nome della forma della bocca &quot;%1&quot; non è valido (lettere minuscole, cifre, &quot;-&quot; e &quot;_&quot;, fino a 32)</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; is given twice</source>
        <translation>la forma della bocca &quot;%1&quot; è indicata due volte</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; refers to picture %2, which does not exist</source>
        <translation>la forma della bocca &quot;%1&quot; fa riferimento all&apos;immagine %2, che non esiste</translation>
    </message>
    <message>
        <source>its manifest is not valid JSON (%1 at byte %2)</source>
        <translation>il manifesto non è un JSON valido (%1 al byte %2)</translation>
    </message>
    <message>
        <source>its manifest is not a JSON object</source>
        <translation>il manifesto non è un oggetto JSON</translation>
    </message>
    <message>
        <source>it ends early: picture %1 needs %2 bytes but only %3 are left</source>
        <translation>termina prima del previsto: l&apos;immagine %1 richiede %2 byte, ma ne restano solo %3</translation>
    </message>
    <message>
        <source>it ends early: double-size picture %1 needs %2 bytes but only %3 are left</source>
        <translation>termina prima del previsto: l&apos;immagine a dimensione doppia %1 richiede %2 byte, ma ne restano solo %3</translation>
    </message>
    <message>
        <source>%1 bytes follow its last picture</source>
        <translation>dopo l&apos;ultima immagine seguono %1 byte</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>è vuoto</translation>
    </message>
    <message>
        <source>it is not a character file (its header is wrong)</source>
        <translation>non è un file del personaggio (l&apos;intestazione è errata)</translation>
    </message>
    <message>
        <source>it ends early, within its header</source>
        <translation>termina prima del previsto, all&apos;interno dell&apos;intestazione</translation>
    </message>
    <message>
        <source>it is of format version %1; this program reads versions %2 and %3</source>
        <translation>è nel formato versione %1; questo programma legge le versioni %2 e %3</translation>
    </message>
    <message>
        <source>its manifest is said to be %1 bytes long; it must be from 1 to %2</source>
        <translation>il manifesto dichiara una lunghezza di %1 byte; deve essere da 1 a %2</translation>
    </message>
    <message>
        <source>it ends early: the manifest needs %1 bytes but only %2 follow</source>
        <translation>termina prima del previsto: il manifesto richiede %1 byte, ma ne seguono solo %2</translation>
    </message>
    <message>
        <source>picture %1 %2</source>
        <translation>l&apos;immagine %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 %2</source>
        <translation>l&apos;immagine a dimensione doppia %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 is %2 x %3 pixels; it must be twice picture %1&apos;s, %4 x %5</source>
        <translation>l&apos;immagine a dimensione doppia %1 misura %2 x %3 pixel; deve essere il doppio dell&apos;immagine %1, cioè %4 x %5</translation>
    </message>
    <message>
        <source>its pictures hold %1 pixels together; at most %2 are allowed</source>
        <translation>le sue immagini contengono in tutto %1 pixel; ne sono consentiti al massimo %2</translation>
    </message>
    <message>
        <source>the manifest would be longer than %1 bytes</source>
        <translation>il manifesto supererebbe i %1 byte</translation>
    </message>
    <message>
        <source>the file would be longer than %1 bytes</source>
        <translation>il file supererebbe i %1 byte</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a number</source>
        <translation>il campo &quot;%1&quot; del manifesto deve essere un numero</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a text</source>
        <translation>il campo &quot;%1&quot; del manifesto deve essere un testo</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be an object</source>
        <translation>il campo &quot;%1&quot; del manifesto deve essere un oggetto</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a list</source>
        <translation>il campo &quot;%1&quot; del manifesto deve essere un elenco</translation>
    </message>
</context>
<context>
    <name>CharacterMenu</name>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Stay on the Desktop</source>
        <translation>Resta sul desktop</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a reading speed, in percent of the character&apos;s own</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Same as the Interface</source>
        <translation>Come l’interfaccia</translation>
    </message>
</context>
<context>
    <name>CharacterWindow</name>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>Speech balloon</source>
        <translation>Fumetto</translation>
    </message>
</context>
<context>
    <name>DesktopAgent</name>
    <message>
        <source>The speech character could not be loaded.

%1</source>
        <translation>Impossibile caricare il personaggio parlante.

%1</translation>
    </message>
    <message>
        <source>The character cannot speak aloud: %1. Its words are shown in its speech balloon only.</source>
        <translation>Il personaggio non può parlare ad alta voce: %1. Le sue parole vengono mostrate solo nel fumetto.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>cannot open the display &quot;%1&quot;</source>
        <translation>impossibile aprire il display &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no X11 display to show the widget on: WAYLAND_DISPLAY is set but DISPLAY is not (on Wayland the widget needs XWayland)</source>
        <translation>nessun display X11 su cui mostrare il widget: WAYLAND_DISPLAY è impostata, ma DISPLAY no (su Wayland il widget richiede XWayland)</translation>
    </message>
    <message>
        <source>no display to show the widget on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>nessun display su cui mostrare il widget (né DISPLAY né WAYLAND_DISPLAY sono impostate)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Click for the menu, or press the menu key or Shift+F10.</source>
        <translation>Fai clic per aprire il menu, oppure premi il tasto Menu o Maiusc+F10.</translation>
    </message>
    <message>
        <source>Click here to rename your text.</source>
        <translation>Fai clic qui per modificare il tuo testo.</translation>
    </message>
    <message>
        <source>Click here to rename text.</source>
        <translation>Fai clic qui per modificare il testo.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Click or press F2 to change the note.</source>
        <translation>Fai clic o premi F2 per modificare la nota.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>Left click Quornel or below the clock  for Popup Menu.</source>
        <translation>Fai clic con il tasto sinistro su Quornel o sotto l&apos;orologio per aprire il menu a comparsa.</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Changes are not being saved</source>
        <translation>Le modifiche non vengono salvate</translation>
    </message>
    <message>
        <source>Click to show Quornel Desktop Notes.</source>
        <translation>Fai clic per mostrare Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>All Settings</source>
        <translation>Tutte le impostazioni</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>Impostazioni voce</translation>
    </message>
    <message>
        <source>Transparent Settings</source>
        <translation>Impostazioni trasparenza</translation>
    </message>
    <message>
        <source>Show Clock</source>
        <translation>Mostra orologio</translation>
    </message>
    <message>
        <source>Read Current Notes</source>
        <translation>Leggi le note attuali</translation>
    </message>
    <message>
        <source>Hide Quornel Desktop Notes</source>
        <translation>Nascondi Quornel Desktop Notes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Show Quornel Desktop Notes</source>
        <translation>Mostra Quornel Desktop Notes</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Changes are not being saved to &quot;%1&quot;.</source>
        <translation>Le modifiche non vengono salvate in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>You have the following notes: </source>
        <translation>Hai le seguenti note: </translation>
    </message>
    <message>
        <source>You must pick a Speech Agent Character if the speech is enabled. You can do this by clicking the Load Agent button in the Speech Settings window. If you do not have any Speech Agent Characters than disable the speech in the Speech Settings window.</source>
        <translation>Se la voce è attiva, devi scegliere un personaggio parlante. Puoi farlo facendo clic sul pulsante &quot;Carica agente&quot; nella finestra &quot;Impostazioni voce&quot;. Se non hai personaggi parlanti, disattiva la voce nella finestra &quot;Impostazioni voce&quot;.</translation>
    </message>
    <message>
        <source>The notification area that runs is of a kind this icon cannot use (the kind is chosen when Quornel Desktop Notes starts): hidden, the window would have no icon to come back from. Start Quornel Desktop Notes again to use it.</source>
        <translation>L&apos;area di notifica in esecuzione è di un tipo che questa icona non può usare (il tipo viene scelto all&apos;avvio di Quornel Desktop Notes): una volta nascosta, la finestra non avrebbe un&apos;icona da cui ricomparire. Riavvia Quornel Desktop Notes per usarla.</translation>
    </message>
    <message>
        <source>No notification area is running (neither a system tray nor a status notifier host): hidden, the window would have no icon to come back from.</source>
        <translation>Nessuna area di notifica in esecuzione (né un vassoio di sistema né un host per le icone di stato): una volta nascosta, la finestra non avrebbe un&apos;icona da cui ricomparire.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Rename Text</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>Type your desktop note here.</source>
        <translation>Scrivi qui la tua nota.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Click here to apply the rename of your desktop note.</source>
        <translation>Fai clic qui per applicare la modifica alla tua nota.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Click here to view your desktop note options.</source>
        <translation>Fai clic qui per vedere le opzioni della nota.</translation>
    </message>
    <message>
        <source>This note is too long to change here.</source>
        <translation>Questa nota è troppo lunga per essere modificata qui.</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animazione</translation>
    </message>
    <message>
        <source>Chose if you would like to have &quot;Open Animation&quot; or &quot;Close Animation&quot;  by checking the appropriate check box.</source>
        <translation>Scegli se usare &quot;Animazione di apertura&quot; o &quot;Animazione di chiusura&quot; selezionando la casella corrispondente.</translation>
    </message>
    <message>
        <source>Open Animation</source>
        <translation>Animazione di apertura</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Open Animation&quot; on or off.</source>
        <translation>Fai clic per attivare o disattivare &quot;Animazione di apertura&quot;.</translation>
    </message>
    <message>
        <source>Close Animation</source>
        <translation>Animazione di chiusura</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Close Animation&quot; on or off.</source>
        <translation>Fai clic per attivare o disattivare &quot;Animazione di chiusura&quot;.</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>Impostazioni voce</translation>
    </message>
    <message>
        <source>Click this to enable/disable the sppech in Quornel Desktop Notes.</source>
        <translation>Fai clic qui per attivare o disattivare la voce in Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Current Text Color</source>
        <translation>Colore attuale del testo</translation>
    </message>
    <message>
        <source>Current text colour</source>
        <translation>Colore attuale del testo</translation>
    </message>
    <message>
        <source>Change Text Color</source>
        <translation>Cambia colore testo</translation>
    </message>
    <message>
        <source>Click this button to change the color of all your text.</source>
        <translation>Fai clic su questo pulsante per cambiare il colore di tutto il testo.</translation>
    </message>
    <message>
        <source>Transparency Settings </source>
        <translation>Impostazioni trasparenza</translation>
    </message>
    <message>
        <source>Click this to adjust the transparency setting in Quornel Desktop Notes.</source>
        <translation>Fai clic qui per regolare la trasparenza di Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <translation>Altoparlante</translation>
    </message>
    <message>
        <source>Pick a color for the text.</source>
        <translation>Scegli un colore per il testo.</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Speech Settings</source>
        <translation>Impostazioni voce</translation>
    </message>
    <message>
        <source>Enable Speech</source>
        <translation>Attiva voce</translation>
    </message>
    <message>
        <source>Check this to enable/disable the speech for Quornel Desktop Notes.</source>
        <translation>Seleziona questa casella per attivare o disattivare la voce in Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Load Agent</source>
        <translation>Carica agente</translation>
    </message>
    <message>
        <source>Click this button to load an Agent the will read your note(s).</source>
        <translation>Fai clic su questo pulsante per caricare un agente che leggerà le tue note.</translation>
    </message>
    <message>
        <source>Agent Name:</source>
        <translation>Nome agente:</translation>
    </message>
    <message>
        <source>This is the name of you agent.</source>
        <translation>Questo è il nome del tuo agente.</translation>
    </message>
    <message>
        <source>Read notes on startup</source>
        <translation>Leggi le note all&apos;avvio</translation>
    </message>
    <message>
        <source>Click this if you would like to have Quornel read your notes when he starts up.</source>
        <translation>Seleziona questa casella se vuoi che Quornel legga le tue note quando si avvia.</translation>
    </message>
    <message>
        <source>Speech Agent Characters|*.qchar</source>
        <translation>Personaggi parlanti|*.qchar</translation>
    </message>
    <message>
        <source>You must restart Quornel Desktop Notes in order for the changes to take place.</source>
        <translation>Devi riavviare Quornel Desktop Notes perché le modifiche abbiano effetto.</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Transparency Settings</source>
        <translation>Impostazioni trasparenza</translation>
    </message>
    <message>
        <source>Enable Transparency (Compositing Desktops Only)</source>
        <translation>Attiva trasparenza (solo desktop con compositing)</translation>
    </message>
    <message>
        <source>Enable this to see cool tranparency effects on a compositing desktop.</source>
        <translation>Attiva questa opzione per vedere fantastici effetti di trasparenza su un desktop con compositing.</translation>
    </message>
    <message>
        <source>Not Visable</source>
        <translation>Invisibile</translation>
    </message>
    <message>
        <source>Visable</source>
        <translation>Visibile</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Visibilità</translation>
    </message>
    <message>
        <source>From not visible (0) to fully visible (255).</source>
        <translation>Da invisibile (0) a completamente visibile (255).</translation>
    </message>
    <message>
        <source>Precent Visable        %</source>
        <translation>Visibilità        %</translation>
    </message>
</context>
<context>
    <name>NoteStore</name>
    <message>
        <source>A change could not be saved to the note store &quot;%1&quot;: %2. The program keeps the change and saves it as soon as it can; changes not saved by then are lost when the program ends.</source>
        <translation>Impossibile salvare una modifica nell&apos;archivio delle note &quot;%1&quot;: %2. Il programma conserva la modifica e la salva appena possibile; le modifiche non ancora salvate andranno perse alla chiusura del programma.</translation>
    </message>
</context>
<context>
    <name>OneCopy</name>
    <message>
        <source>A folder &quot;%1&quot; stands where Quornel Desktop Notes keeps the lock of its note store. The folder is left as it is; the lock is kept elsewhere.</source>
        <translation>Dove Quornel Desktop Notes tiene il blocco del suo archivio delle note si trova una cartella &quot;%1&quot;. La cartella viene lasciata com&apos;è; il blocco viene tenuto altrove.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>A note on the desktop, with a clock and a mascot who reads it aloud.
Without an option the note store is &quot;%1&quot; in the working folder.</source>
        <translation>Una nota sul desktop, con un orologio e una mascotte che la legge ad alta voce.
Senza opzioni, l&apos;archivio delle note è &quot;%1&quot; nella cartella di lavoro.</translation>
    </message>
    <message>
        <source>Keep the note in the store &lt;file&gt;.</source>
        <translation>Conserva la nota nell&apos;archivio &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Keep the note in the per-user store under $XDG_DATA_HOME.</source>
        <translation>Conserva la nota nell&apos;archivio personale dell&apos;utente in $XDG_DATA_HOME.</translation>
    </message>
    <message>
        <source>Start the widget on the store named here (--user, --store or the working folder&apos;s) when you log in: on or off.</source>
        <translation>Avvia il widget all&apos;accesso con l&apos;archivio indicato qui (--user, --store o quello della cartella di lavoro): on oppure off.</translation>
    </message>
    <message>
        <source>--store and --user name two stores; give one</source>
        <translation>--store e --user indicano due archivi; indicane uno solo</translation>
    </message>
    <message>
        <source>--autostart takes on or off</source>
        <translation>--autostart accetta on oppure off</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>argomento inatteso &apos;%1&apos;; vedi --help</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for the note store cannot be made.</source>
        <translation>Impossibile creare la cartella &quot;%1&quot; per l&apos;archivio delle note.</translation>
    </message>
    <message>
        <source>Another copy of Quornel Desktop Notes keeps its note in &quot;%1&quot; but does not answer.</source>
        <translation>Un&apos;altra istanza di Quornel Desktop Notes conserva la sua nota in &quot;%1&quot;, ma non risponde.</translation>
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
        <translation>il sintetizzatore vocale ha smesso di rispondere</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly</source>
        <translation>il sintetizzatore vocale è terminato in modo imprevisto</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly (exit status %1)</source>
        <translation>il sintetizzatore vocale è terminato in modo imprevisto (stato di uscita %1)</translation>
    </message>
    <message>
        <source>the speaker &quot;%1&quot; could not be started (%2)</source>
        <translation>impossibile avviare il sintetizzatore vocale &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>the speaker said something that does not decode</source>
        <translation>il sintetizzatore vocale ha inviato dati non decodificabili</translation>
    </message>
</context>
<context>
    <name>SqliteFile</name>
    <message>
        <source>The note store &quot;%1&quot; cannot be used: %2.</source>
        <translation>Impossibile usare l&apos;archivio delle note &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>non è un file</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>non può essere letto</translation>
    </message>
    <message>
        <source>there is none, and none can be made in its folder (%1)</source>
        <translation>non esiste e non può essere creato nella sua cartella (%1)</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is on a read-only disk: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>L&apos;archivio delle note &quot;%1&quot; si trova su un disco di sola lettura: la nota viene mostrata com&apos;era all&apos;ultimo salvataggio, ma le modifiche fatte ora non possono essere conservate.</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is read-only: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>L&apos;archivio delle note &quot;%1&quot; è di sola lettura: la nota viene mostrata com&apos;era all&apos;ultimo salvataggio, ma le modifiche fatte ora non possono essere conservate.</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is in a read-only folder: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>L&apos;archivio delle note &quot;%1&quot; si trova in una cartella di sola lettura: la nota viene mostrata com&apos;era all&apos;ultimo salvataggio, ma le modifiche fatte ora non possono essere conservate.</translation>
    </message>
    <message>
        <source>the database is damaged (%1)</source>
        <translation>il database è danneggiato (%1)</translation>
    </message>
    <message>
        <source>another program removed its settings record; it is written back as the program shows it</source>
        <translation>un altro programma ha rimosso il record delle impostazioni; viene riscritto così come lo mostra il programma</translation>
    </message>
    <message>
        <source>another program removed its note record; it is written back as the program shows it</source>
        <translation>un altro programma ha rimosso il record della nota; viene riscritto così come lo mostra il programma</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>another program holds it locked</source>
        <translation>un altro programma lo tiene bloccato</translation>
    </message>
    <message>
        <source>it can no longer be written to</source>
        <translation>non è più possibile scriverci</translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation>il disco ha segnalato un errore (%1)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria esaurita</translation>
    </message>
</context>
</TS>
