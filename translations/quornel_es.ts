<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Autostart</name>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be removed.</source>
        <translation>No se puede eliminar la entrada de inicio automático «%1».</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written.</source>
        <translation>No se puede escribir la entrada de inicio automático «%1».</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written: %2</source>
        <translation>No se puede escribir la entrada de inicio automático «%1»: %2</translation>
    </message>
</context>
<context>
    <name>CharacterFile</name>
    <message>
        <source>the manifest has no entry &quot;%1&quot;</source>
        <translation>el manifiesto no tiene la entrada «%1»</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>la entrada «%1» del manifiesto debe ser un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must list from %2 to %3 items, not %4</source>
        <translation>la entrada «%1» del manifiesto debe contener de %2 a %3 elementos, no %4</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1[%2]&quot; must be an object</source>
        <translation>la entrada «%1[%2]» del manifiesto debe ser un objeto</translation>
    </message>
    <message>
        <source>the manifest has an unknown entry &quot;%1&quot;</source>
        <translation>el manifiesto tiene una entrada desconocida «%1»</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; has an unknown entry &quot;%2&quot;</source>
        <translation>la entrada «%1» del manifiesto tiene una entrada desconocida «%2»</translation>
    </message>
    <message>
        <source>is not a PNG picture</source>
        <translation>no es una imagen PNG</translation>
    </message>
    <message>
        <source>is not a PNG picture (it does not begin with its header chunk)</source>
        <translation>no es una imagen PNG (no empieza por su bloque de cabecera)</translation>
    </message>
    <message>
        <source>is %1 x %2 pixels; each side must be from 1 to %3</source>
        <translation>mide %1 × %2 píxeles; cada lado debe medir de 1 a %3 píxeles</translation>
    </message>
    <message>
        <source>is damaged: </source>
        <translation>está dañada: </translation>
    </message>
    <message>
        <source>its header chunk declares a kind of picture that PNG does not have</source>
        <translation>su bloque de cabecera declara un tipo de imagen que no existe en PNG</translation>
    </message>
    <message>
        <source>it ends in the middle of a chunk</source>
        <translation>termina en medio de un bloque</translation>
    </message>
    <message>
        <source>it holds a chunk whose type is not four letters</source>
        <translation>contiene un bloque cuyo tipo no está formado por cuatro letras</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (it declares %2 bytes; %3 follow)</source>
        <translation>su bloque «%1» sobrepasa el final de la imagen (declara %2 bytes; siguen %3)</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (its checksum is cut off)</source>
        <translation>su bloque «%1» sobrepasa el final de la imagen (su suma de comprobación está cortada)</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk&apos;s checksum is wrong</source>
        <translation>la suma de comprobación de su bloque «%1» es incorrecta</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk is out of place</source>
        <translation>su bloque «%1» está fuera de lugar</translation>
    </message>
    <message>
        <source>its image data is split by other chunks</source>
        <translation>sus datos de imagen están interrumpidos por otros bloques</translation>
    </message>
    <message>
        <source>its palette does not fit the picture</source>
        <translation>su paleta no corresponde a la imagen</translation>
    </message>
    <message>
        <source>its transparency does not fit the picture</source>
        <translation>su transparencia no corresponde a la imagen</translation>
    </message>
    <message>
        <source>it holds a critical chunk &quot;%1&quot; this program does not know</source>
        <translation>contiene un bloque crítico «%1» que este programa no conoce</translation>
    </message>
    <message>
        <source>it ends without its end chunk</source>
        <translation>termina sin su bloque final</translation>
    </message>
    <message>
        <source>%1 bytes follow its end chunk</source>
        <translation>tras su bloque final siguen %1 bytes</translation>
    </message>
    <message>
        <source>it has no image data</source>
        <translation>no tiene datos de imagen</translation>
    </message>
    <message>
        <source>it has no palette</source>
        <translation>no tiene paleta</translation>
    </message>
    <message>
        <source>is not a readable PNG picture</source>
        <translation>no es una imagen PNG legible</translation>
    </message>
    <message>
        <source>is not a readable PNG picture (%1)</source>
        <translation>no es una imagen PNG legible (%1)</translation>
    </message>
    <message>
        <source>decodes to a different size than its header declares</source>
        <translation>al descodificarse tiene un tamaño distinto del que declara su cabecera</translation>
    </message>
    <message>
        <source>The character file &quot;%1&quot; cannot be used: %2.</source>
        <translation>No se puede usar el archivo de personaje «%1»: %2.</translation>
    </message>
    <message>
        <source>No character file was named.</source>
        <translation>No se indicó ningún archivo de personaje.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is %1 bytes long; a character file may have at most %2</source>
        <translation>ocupa %1 bytes; un archivo de personaje puede ocupar como máximo %2</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a character file may have</source>
        <translation>supera los %1 bytes que puede ocupar un archivo de personaje</translation>
    </message>
    <message>
        <source>the name must be 1 to %1 printable characters</source>
        <translation>el nombre debe tener de 1 a %1 caracteres imprimibles</translation>
    </message>
    <message>
        <source>the voice name &quot;%1&quot; is not a valid voice name</source>
        <translation>el nombre de voz «%1» no es un nombre de voz válido</translation>
    </message>
    <message>
        <source>the voice rate must be from %1 to %2</source>
        <translation>la velocidad de la voz debe estar entre %1 y %2</translation>
    </message>
    <message>
        <source>the voice pitch must be from %1 to %2</source>
        <translation>el tono de la voz debe estar entre %1 y %2</translation>
    </message>
    <message>
        <source>a character needs 1 to %1 pictures</source>
        <translation>un personaje necesita de 1 a %1 imágenes</translation>
    </message>
    <message>
        <source>a character has a double-size picture for every picture or for none</source>
        <translation>un personaje tiene una imagen de tamaño doble para cada imagen o para ninguna</translation>
    </message>
    <message>
        <source>the appearing animation may have at most %1 frames</source>
        <translation>la animación de aparición puede tener como máximo %1 fotogramas</translation>
    </message>
    <message>
        <source>the idle pose needs 1 to %1 frames</source>
        <translation>la pose de reposo necesita de 1 a %1 fotogramas</translation>
    </message>
    <message>
        <source>a character needs %1 to %2 mouth shapes</source>
        <translation>un personaje necesita de %1 a %2 formas de boca</translation>
    </message>
    <message>
        <source>a frame refers to picture %1, which does not exist</source>
        <translation>un fotograma hace referencia a la imagen %1, que no existe</translation>
    </message>
    <message>
        <source>a frame lasts %1 ms; frames last from %2 to %3 ms</source>
        <translation>un fotograma dura %1 ms; los fotogramas duran de %2 a %3 ms</translation>
    </message>
    <message>
        <source>the mouth shape name &quot;%1&quot; is not valid (small letters, digits, &quot;-&quot; and &quot;_&quot;, up to 32)</source>
        <translation>el nombre de forma de boca «%1» no es válido (letras minúsculas, dígitos, «-» y «_», hasta 32)</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; is given twice</source>
        <translation>la forma de boca «%1» aparece dos veces</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; refers to picture %2, which does not exist</source>
        <translation>la forma de boca «%1» hace referencia a la imagen %2, que no existe</translation>
    </message>
    <message>
        <source>its manifest is not valid JSON (%1 at byte %2)</source>
        <translation>su manifiesto no es JSON válido (%1 en el byte %2)</translation>
    </message>
    <message>
        <source>its manifest is not a JSON object</source>
        <translation>su manifiesto no es un objeto JSON</translation>
    </message>
    <message>
        <source>it ends early: picture %1 needs %2 bytes but only %3 are left</source>
        <translation>termina antes de tiempo: la imagen %1 necesita %2 bytes, pero solo quedan %3</translation>
    </message>
    <message>
        <source>it ends early: double-size picture %1 needs %2 bytes but only %3 are left</source>
        <translation>termina antes de tiempo: la imagen de tamaño doble %1 necesita %2 bytes, pero solo quedan %3</translation>
    </message>
    <message>
        <source>%1 bytes follow its last picture</source>
        <translation>tras su última imagen siguen %1 bytes</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>it is not a character file (its header is wrong)</source>
        <translation>no es un archivo de personaje (su cabecera es incorrecta)</translation>
    </message>
    <message>
        <source>it ends early, within its header</source>
        <translation>termina antes de tiempo, dentro de su cabecera</translation>
    </message>
    <message>
        <source>it is of format version %1; this program reads versions %2 and %3</source>
        <translation>tiene la versión de formato %1; este programa lee las versiones %2 y %3</translation>
    </message>
    <message>
        <source>its manifest is said to be %1 bytes long; it must be from 1 to %2</source>
        <translation>según la cabecera, su manifiesto ocupa %1 bytes; debe ocupar de 1 a %2</translation>
    </message>
    <message>
        <source>it ends early: the manifest needs %1 bytes but only %2 follow</source>
        <translation>termina antes de tiempo: el manifiesto necesita %1 bytes, pero solo siguen %2</translation>
    </message>
    <message>
        <source>picture %1 %2</source>
        <translation>la imagen %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 %2</source>
        <translation>la imagen de tamaño doble %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 is %2 x %3 pixels; it must be twice picture %1&apos;s, %4 x %5</source>
        <translation>la imagen de tamaño doble %1 mide %2 × %3 píxeles; debe medir el doble que la imagen %1, es decir, %4 × %5</translation>
    </message>
    <message>
        <source>its pictures hold %1 pixels together; at most %2 are allowed</source>
        <translation>sus imágenes suman %1 píxeles; se permiten como máximo %2</translation>
    </message>
    <message>
        <source>the manifest would be longer than %1 bytes</source>
        <translation>el manifiesto ocuparía más de %1 bytes</translation>
    </message>
    <message>
        <source>the file would be longer than %1 bytes</source>
        <translation>el archivo ocuparía más de %1 bytes</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a number</source>
        <translation>la entrada «%1» del manifiesto debe ser un número</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a text</source>
        <translation>la entrada «%1» del manifiesto debe ser un texto</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be an object</source>
        <translation>la entrada «%1» del manifiesto debe ser un objeto</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a list</source>
        <translation>la entrada «%1» del manifiesto debe ser una lista</translation>
    </message>
</context>
<context>
    <name>CharacterMenu</name>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Stay on the Desktop</source>
        <translation>Permanecer en el escritorio</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a reading speed, in percent of the character&apos;s own</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Same as the Interface</source>
        <translation>Igual que la interfaz</translation>
    </message>
</context>
<context>
    <name>CharacterWindow</name>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Speech balloon</source>
        <translation>Bocadillo</translation>
    </message>
</context>
<context>
    <name>DesktopAgent</name>
    <message>
        <source>The speech character could not be loaded.

%1</source>
        <translation>No se pudo cargar el personaje de voz.

%1</translation>
    </message>
    <message>
        <source>The character cannot speak aloud: %1. Its words are shown in its speech balloon only.</source>
        <translation>El personaje no puede hablar en voz alta: %1. Sus palabras solo se muestran en su bocadillo.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>cannot open the display &quot;%1&quot;</source>
        <translation>no se puede abrir la pantalla «%1»</translation>
    </message>
    <message>
        <source>no X11 display to show the widget on: WAYLAND_DISPLAY is set but DISPLAY is not (on Wayland the widget needs XWayland)</source>
        <translation>no hay ninguna pantalla X11 en la que mostrar el widget: WAYLAND_DISPLAY está definida, pero DISPLAY no (en Wayland el widget necesita XWayland)</translation>
    </message>
    <message>
        <source>no display to show the widget on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>no hay ninguna pantalla en la que mostrar el widget (no está definida ni DISPLAY ni WAYLAND_DISPLAY)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Click for the menu, or press the menu key or Shift+F10.</source>
        <translation>Haga clic para abrir el menú o pulse la tecla de menú o Mayús+F10.</translation>
    </message>
    <message>
        <source>Click here to rename your text.</source>
        <translation>Haga clic aquí para cambiar su texto.</translation>
    </message>
    <message>
        <source>Click here to rename text.</source>
        <translation>Haga clic aquí para cambiar el texto.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Click or press F2 to change the note.</source>
        <translation>Haga clic o pulse F2 para cambiar la nota.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Left click Quornel or below the clock  for Popup Menu.</source>
        <translation>Haga clic izquierdo en Quornel o debajo del reloj para abrir el menú emergente.</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Changes are not being saved</source>
        <translation>Los cambios no se están guardando</translation>
    </message>
    <message>
        <source>Click to show Quornel Desktop Notes.</source>
        <translation>Haga clic para mostrar Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>All Settings</source>
        <translation>Toda la configuración</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>Configuración de voz</translation>
    </message>
    <message>
        <source>Transparent Settings</source>
        <translation>Configuración de transparencia</translation>
    </message>
    <message>
        <source>Show Clock</source>
        <translation>Mostrar reloj</translation>
    </message>
    <message>
        <source>Read Current Notes</source>
        <translation>Leer en voz alta las notas actuales</translation>
    </message>
    <message>
        <source>Hide Quornel Desktop Notes</source>
        <translation>Ocultar Quornel Desktop Notes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Show Quornel Desktop Notes</source>
        <translation>Mostrar Quornel Desktop Notes</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Ejecutar al iniciar sesión</translation>
    </message>
    <message>
        <source>Changes are not being saved to &quot;%1&quot;.</source>
        <translation>Los cambios no se están guardando en «%1».</translation>
    </message>
    <message>
        <source>You have the following notes: </source>
        <translation>Tiene las siguientes notas: </translation>
    </message>
    <message>
        <source>You must pick a Speech Agent Character if the speech is enabled. You can do this by clicking the Load Agent button in the Speech Settings window. If you do not have any Speech Agent Characters than disable the speech in the Speech Settings window.</source>
        <translation>Debe elegir un personaje de agente de voz si la voz está activada. Puede hacerlo pulsando el botón «Cargar agente» de la ventana «Configuración de voz». Si no tiene ningún personaje de agente de voz, desactive la voz en la ventana «Configuración de voz».</translation>
    </message>
    <message>
        <source>The notification area that runs is of a kind this icon cannot use (the kind is chosen when Quornel Desktop Notes starts): hidden, the window would have no icon to come back from. Start Quornel Desktop Notes again to use it.</source>
        <translation>El área de notificación en ejecución es de un tipo que este icono no puede usar (el tipo se elige al iniciarse Quornel Desktop Notes): si se ocultara, la ventana no tendría ningún icono desde el que volver. Inicie de nuevo Quornel Desktop Notes para usarla.</translation>
    </message>
    <message>
        <source>No notification area is running (neither a system tray nor a status notifier host): hidden, the window would have no icon to come back from.</source>
        <translation>No hay ningún área de notificación en ejecución (ni una bandeja del sistema ni un anfitrión de notificadores de estado): si se ocultara, la ventana no tendría ningún icono desde el que volver.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Rename Text</source>
        <translation>Cambiar texto</translation>
    </message>
    <message>
        <source>Type your desktop note here.</source>
        <translation>Escriba aquí su nota de escritorio.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Click here to apply the rename of your desktop note.</source>
        <translation>Haga clic aquí para aplicar el cambio de su nota de escritorio.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Click here to view your desktop note options.</source>
        <translation>Haga clic aquí para ver las opciones de su nota de escritorio.</translation>
    </message>
    <message>
        <source>This note is too long to change here.</source>
        <translation>Esta nota es demasiado larga para cambiarla aquí.</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>Chose if you would like to have &quot;Open Animation&quot; or &quot;Close Animation&quot;  by checking the appropriate check box.</source>
        <translation>Elija si desea la «Animación de apertura» o la «Animación de cierre» marcando la casilla correspondiente.</translation>
    </message>
    <message>
        <source>Open Animation</source>
        <translation>Animación de apertura</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Open Animation&quot; on or off.</source>
        <translation>Haga clic para activar o desactivar la «Animación de apertura».</translation>
    </message>
    <message>
        <source>Close Animation</source>
        <translation>Animación de cierre</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Close Animation&quot; on or off.</source>
        <translation>Haga clic para activar o desactivar la «Animación de cierre».</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>Configuración de voz</translation>
    </message>
    <message>
        <source>Click this to enable/disable the sppech in Quornel Desktop Notes.</source>
        <translation>Haga clic aquí para activar o desactivar la voz en Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Current Text Color</source>
        <translation>Color actual del texto</translation>
    </message>
    <message>
        <source>Current text colour</source>
        <translation>Color actual del texto</translation>
    </message>
    <message>
        <source>Change Text Color</source>
        <translation>Cambiar color del texto</translation>
    </message>
    <message>
        <source>Click this button to change the color of all your text.</source>
        <translation>Haga clic en este botón para cambiar el color de todo su texto.</translation>
    </message>
    <message>
        <source>Transparency Settings </source>
        <translation>Configuración de transparencia</translation>
    </message>
    <message>
        <source>Click this to adjust the transparency setting in Quornel Desktop Notes.</source>
        <translation>Haga clic aquí para ajustar la transparencia de Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <translation>Altavoz</translation>
    </message>
    <message>
        <source>Pick a color for the text.</source>
        <translation>Elija un color para el texto.</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Speech Settings</source>
        <translation>Configuración de voz</translation>
    </message>
    <message>
        <source>Enable Speech</source>
        <translation>Activar voz</translation>
    </message>
    <message>
        <source>Check this to enable/disable the speech for Quornel Desktop Notes.</source>
        <translation>Marque esta casilla para activar o desactivar la voz de Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Load Agent</source>
        <translation>Cargar agente</translation>
    </message>
    <message>
        <source>Click this button to load an Agent the will read your note(s).</source>
        <translation>Haga clic en este botón para cargar un agente que leerá su(s) nota(s).</translation>
    </message>
    <message>
        <source>Agent Name:</source>
        <translation>Nombre del agente:</translation>
    </message>
    <message>
        <source>This is the name of you agent.</source>
        <translation>Este es el nombre de su agente.</translation>
    </message>
    <message>
        <source>Read notes on startup</source>
        <translation>Leer las notas al iniciar</translation>
    </message>
    <message>
        <source>Click this if you would like to have Quornel read your notes when he starts up.</source>
        <translation>Marque esta casilla si desea que Quornel lea sus notas al iniciarse.</translation>
    </message>
    <message>
        <source>Speech Agent Characters|*.qchar</source>
        <translation>Personajes de agente de voz|*.qchar</translation>
    </message>
    <message>
        <source>You must restart Quornel Desktop Notes in order for the changes to take place.</source>
        <translation>Debe reiniciar Quornel Desktop Notes para que los cambios surtan efecto.</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Transparency Settings</source>
        <translation>Configuración de transparencia</translation>
    </message>
    <message>
        <source>Enable Transparency (Compositing Desktops Only)</source>
        <translation>Activar transparencia (solo escritorios con composición)</translation>
    </message>
    <message>
        <source>Enable this to see cool tranparency effects on a compositing desktop.</source>
        <translation>Active esta opción para ver geniales efectos de transparencia en un escritorio con composición.</translation>
    </message>
    <message>
        <source>Not Visable</source>
        <translation>Invisible</translation>
    </message>
    <message>
        <source>Visable</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Visibilidad</translation>
    </message>
    <message>
        <source>From not visible (0) to fully visible (255).</source>
        <translation>De invisible (0) a totalmente visible (255).</translation>
    </message>
    <message>
        <source>Precent Visable        %</source>
        <translation>Visibilidad        %</translation>
    </message>
</context>
<context>
    <name>NoteStore</name>
    <message>
        <source>A change could not be saved to the note store &quot;%1&quot;: %2. The program keeps the change and saves it as soon as it can; changes not saved by then are lost when the program ends.</source>
        <translation>No se pudo guardar un cambio en el almacén de notas «%1»: %2. El programa conserva el cambio y lo guardará en cuanto pueda; los cambios que no se hayan guardado cuando el programa termine se perderán.</translation>
    </message>
</context>
<context>
    <name>OneCopy</name>
    <message>
        <source>A folder &quot;%1&quot; stands where Quornel Desktop Notes keeps the lock of its note store. The folder is left as it is; the lock is kept elsewhere.</source>
        <translation>Hay una carpeta «%1» en el lugar donde Quornel Desktop Notes guarda el bloqueo de su almacén de notas. La carpeta se deja como está; el bloqueo se guarda en otro lugar.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>A note on the desktop, with a clock and a mascot who reads it aloud.
Without an option the note store is &quot;%1&quot; in the working folder.</source>
        <translation>Una nota en el escritorio, con un reloj y una mascota que la lee en voz alta.
Sin ninguna opción, el almacén de notas es «%1» en la carpeta de trabajo.</translation>
    </message>
    <message>
        <source>Keep the note in the store &lt;file&gt;.</source>
        <translation>Guardar la nota en el almacén &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Keep the note in the per-user store under $XDG_DATA_HOME.</source>
        <translation>Guardar la nota en el almacén propio del usuario, en $XDG_DATA_HOME.</translation>
    </message>
    <message>
        <source>Start the widget on the store named here (--user, --store or the working folder&apos;s) when you log in: on or off.</source>
        <translation>Iniciar el widget con el almacén indicado aquí (--user, --store o el de la carpeta de trabajo) al iniciar sesión: on u off.</translation>
    </message>
    <message>
        <source>--store and --user name two stores; give one</source>
        <translation>--store y --user indican dos almacenes; indique solo uno</translation>
    </message>
    <message>
        <source>--autostart takes on or off</source>
        <translation>--autostart admite on u off</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>argumento inesperado «%1»; consulte --help</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for the note store cannot be made.</source>
        <translation>No se puede crear la carpeta «%1» para el almacén de notas.</translation>
    </message>
    <message>
        <source>Another copy of Quornel Desktop Notes keeps its note in &quot;%1&quot; but does not answer.</source>
        <translation>Otra instancia de Quornel Desktop Notes guarda su nota en «%1», pero no responde.</translation>
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
        <translation>el programa de voz dejó de responder</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly</source>
        <translation>el programa de voz terminó de forma inesperada</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly (exit status %1)</source>
        <translation>el programa de voz terminó de forma inesperada (código de salida %1)</translation>
    </message>
    <message>
        <source>the speaker &quot;%1&quot; could not be started (%2)</source>
        <translation>no se pudo iniciar el programa de voz «%1» (%2)</translation>
    </message>
    <message>
        <source>the speaker said something that does not decode</source>
        <translation>el programa de voz envió una respuesta que no se puede descodificar</translation>
    </message>
</context>
<context>
    <name>SqliteFile</name>
    <message>
        <source>The note store &quot;%1&quot; cannot be used: %2.</source>
        <translation>No se puede usar el almacén de notas «%1»: %2.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>there is none, and none can be made in its folder (%1)</source>
        <translation>no existe y no se puede crear en su carpeta (%1)</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is on a read-only disk: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>El almacén de notas «%1» está en un disco de solo lectura: la nota se muestra tal como se guardó por última vez, pero los cambios que haga ahora no se podrán conservar.</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is read-only: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>El almacén de notas «%1» es de solo lectura: la nota se muestra tal como se guardó por última vez, pero los cambios que haga ahora no se podrán conservar.</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is in a read-only folder: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>El almacén de notas «%1» está en una carpeta de solo lectura: la nota se muestra tal como se guardó por última vez, pero los cambios que haga ahora no se podrán conservar.</translation>
    </message>
    <message>
        <source>the database is damaged (%1)</source>
        <translation>la base de datos está dañada (%1)</translation>
    </message>
    <message>
        <source>another program removed its settings record; it is written back as the program shows it</source>
        <translation>otro programa eliminó su registro de configuración; se vuelve a escribir tal como lo muestra el programa</translation>
    </message>
    <message>
        <source>another program removed its note record; it is written back as the program shows it</source>
        <translation>otro programa eliminó su registro de nota; se vuelve a escribir tal como lo muestra el programa</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>another program holds it locked</source>
        <translation>otro programa lo mantiene bloqueado</translation>
    </message>
    <message>
        <source>it can no longer be written to</source>
        <translation>ya no se puede escribir en él</translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation>el disco informó de un error (%1)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
</context>
</TS>
