<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Autostart</name>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be removed.</source>
        <translation>L&apos;entrée de démarrage automatique «&#xa0;%1&#xa0;» ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written.</source>
        <translation>L&apos;entrée de démarrage automatique «&#xa0;%1&#xa0;» ne peut pas être écrite.</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written: %2</source>
        <translation>L&apos;entrée de démarrage automatique «&#xa0;%1&#xa0;» ne peut pas être écrite&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CharacterFile</name>
    <message>
        <source>the manifest has no entry &quot;%1&quot;</source>
        <translation>le manifeste n&apos;a pas d&apos;entrée «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>l&apos;entrée «&#xa0;%1&#xa0;» du manifeste doit être un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must list from %2 to %3 items, not %4</source>
        <translation>l&apos;entrée «&#xa0;%1&#xa0;» du manifeste doit contenir de %2 à %3 éléments, et non %4</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1[%2]&quot; must be an object</source>
        <translation>l&apos;entrée «&#xa0;%1[%2]&#xa0;» du manifeste doit être un objet</translation>
    </message>
    <message>
        <source>the manifest has an unknown entry &quot;%1&quot;</source>
        <translation>le manifeste contient une entrée inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; has an unknown entry &quot;%2&quot;</source>
        <translation>l&apos;entrée «&#xa0;%1&#xa0;» du manifeste contient une entrée inconnue «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>is not a PNG picture</source>
        <translation>n&apos;est pas une image PNG</translation>
    </message>
    <message>
        <source>is not a PNG picture (it does not begin with its header chunk)</source>
        <translation>n&apos;est pas une image PNG (elle ne commence pas par son bloc d&apos;en-tête)</translation>
    </message>
    <message>
        <source>is %1 x %2 pixels; each side must be from 1 to %3</source>
        <translation>mesure %1 × %2 pixels&#xa0;; chaque côté doit mesurer de 1 à %3 pixels</translation>
    </message>
    <message>
        <source>is damaged: </source>
        <translation>est endommagée&#xa0;: </translation>
    </message>
    <message>
        <source>its header chunk declares a kind of picture that PNG does not have</source>
        <translation>son bloc d&apos;en-tête déclare un type d&apos;image qui n&apos;existe pas en PNG</translation>
    </message>
    <message>
        <source>it ends in the middle of a chunk</source>
        <translation>elle se termine au milieu d&apos;un bloc</translation>
    </message>
    <message>
        <source>it holds a chunk whose type is not four letters</source>
        <translation>elle contient un bloc dont le type n&apos;est pas formé de quatre lettres</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (it declares %2 bytes; %3 follow)</source>
        <translation>son bloc «&#xa0;%1&#xa0;» dépasse la fin de l&apos;image (il déclare %2 octets&#xa0;; %3 suivent)</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (its checksum is cut off)</source>
        <translation>son bloc «&#xa0;%1&#xa0;» dépasse la fin de l&apos;image (sa somme de contrôle est tronquée)</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk&apos;s checksum is wrong</source>
        <translation>la somme de contrôle de son bloc «&#xa0;%1&#xa0;» est erronée</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk is out of place</source>
        <translation>son bloc «&#xa0;%1&#xa0;» n&apos;est pas à sa place</translation>
    </message>
    <message>
        <source>its image data is split by other chunks</source>
        <translation>ses données d&apos;image sont interrompues par d&apos;autres blocs</translation>
    </message>
    <message>
        <source>its palette does not fit the picture</source>
        <translation>sa palette ne correspond pas à l&apos;image</translation>
    </message>
    <message>
        <source>its transparency does not fit the picture</source>
        <translation>sa transparence ne correspond pas à l&apos;image</translation>
    </message>
    <message>
        <source>it holds a critical chunk &quot;%1&quot; this program does not know</source>
        <translation>elle contient un bloc critique «&#xa0;%1&#xa0;» que ce programme ne connaît pas</translation>
    </message>
    <message>
        <source>it ends without its end chunk</source>
        <translation>elle se termine sans son bloc de fin</translation>
    </message>
    <message>
        <source>%1 bytes follow its end chunk</source>
        <translation>%1 octets suivent son bloc de fin</translation>
    </message>
    <message>
        <source>it has no image data</source>
        <translation>elle ne contient aucune donnée d&apos;image</translation>
    </message>
    <message>
        <source>it has no palette</source>
        <translation>elle n&apos;a pas de palette</translation>
    </message>
    <message>
        <source>is not a readable PNG picture</source>
        <translation>n&apos;est pas une image PNG lisible</translation>
    </message>
    <message>
        <source>is not a readable PNG picture (%1)</source>
        <translation>n&apos;est pas une image PNG lisible (%1)</translation>
    </message>
    <message>
        <source>decodes to a different size than its header declares</source>
        <translation>a, une fois décodée, une taille différente de celle que déclare son en-tête</translation>
    </message>
    <message>
        <source>The character file &quot;%1&quot; cannot be used: %2.</source>
        <translation>Le fichier de personnage «&#xa0;%1&#xa0;» ne peut pas être utilisé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No character file was named.</source>
        <translation>Aucun fichier de personnage n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>il n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is %1 bytes long; a character file may have at most %2</source>
        <translation>il fait %1 octets&#xa0;; un fichier de personnage peut en faire au plus %2</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>il ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a character file may have</source>
        <translation>il dépasse les %1 octets autorisés pour un fichier de personnage</translation>
    </message>
    <message>
        <source>the name must be 1 to %1 printable characters</source>
        <translation>le nom doit comporter de 1 à %1 caractères imprimables</translation>
    </message>
    <message>
        <source>the voice name &quot;%1&quot; is not a valid voice name</source>
        <translation>le nom de voix «&#xa0;%1&#xa0;» n&apos;est pas un nom de voix valide</translation>
    </message>
    <message>
        <source>the voice rate must be from %1 to %2</source>
        <translation>le débit de la voix doit être compris entre %1 et %2</translation>
    </message>
    <message>
        <source>the voice pitch must be from %1 to %2</source>
        <translation>la hauteur de la voix doit être comprise entre %1 et %2</translation>
    </message>
    <message>
        <source>a character needs 1 to %1 pictures</source>
        <translation>un personnage nécessite de 1 à %1 images</translation>
    </message>
    <message>
        <source>a character has a double-size picture for every picture or for none</source>
        <translation>un personnage a une image en double taille pour chaque image, ou pour aucune</translation>
    </message>
    <message>
        <source>the appearing animation may have at most %1 frames</source>
        <translation>l&apos;animation d&apos;apparition peut comporter au plus %1 trames</translation>
    </message>
    <message>
        <source>the idle pose needs 1 to %1 frames</source>
        <translation>la pose de repos nécessite de 1 à %1 trames</translation>
    </message>
    <message>
        <source>a character needs %1 to %2 mouth shapes</source>
        <translation>un personnage nécessite de %1 à %2 formes de bouche</translation>
    </message>
    <message>
        <source>a frame refers to picture %1, which does not exist</source>
        <translation>une trame fait référence à l&apos;image %1, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>a frame lasts %1 ms; frames last from %2 to %3 ms</source>
        <translation>une trame dure %1 ms&#xa0;; les trames durent de %2 à %3 ms</translation>
    </message>
    <message>
        <source>the mouth shape name &quot;%1&quot; is not valid (small letters, digits, &quot;-&quot; and &quot;_&quot;, up to 32)</source>
        <translation>le nom de forme de bouche «&#xa0;%1&#xa0;» n&apos;est pas valide (lettres minuscules, chiffres, «&#xa0;-&#xa0;» et «&#xa0;_&#xa0;», 32 au maximum)</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; is given twice</source>
        <translation>la forme de bouche «&#xa0;%1&#xa0;» est indiquée deux fois</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; refers to picture %2, which does not exist</source>
        <translation>la forme de bouche «&#xa0;%1&#xa0;» fait référence à l&apos;image %2, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>its manifest is not valid JSON (%1 at byte %2)</source>
        <translation>son manifeste n&apos;est pas du JSON valide (%1 à l&apos;octet %2)</translation>
    </message>
    <message>
        <source>its manifest is not a JSON object</source>
        <translation>son manifeste n&apos;est pas un objet JSON</translation>
    </message>
    <message>
        <source>it ends early: picture %1 needs %2 bytes but only %3 are left</source>
        <translation>il se termine prématurément&#xa0;: l&apos;image %1 nécessite %2 octets, mais il n&apos;en reste que %3</translation>
    </message>
    <message>
        <source>it ends early: double-size picture %1 needs %2 bytes but only %3 are left</source>
        <translation>il se termine prématurément&#xa0;: l&apos;image en double taille %1 nécessite %2 octets, mais il n&apos;en reste que %3</translation>
    </message>
    <message>
        <source>%1 bytes follow its last picture</source>
        <translation>%1 octets suivent sa dernière image</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>it is not a character file (its header is wrong)</source>
        <translation>ce n&apos;est pas un fichier de personnage (son en-tête est incorrect)</translation>
    </message>
    <message>
        <source>it ends early, within its header</source>
        <translation>il se termine prématurément, au milieu de son en-tête</translation>
    </message>
    <message>
        <source>it is of format version %1; this program reads versions %2 and %3</source>
        <translation>il est au format version %1&#xa0;; ce programme lit les versions %2 et %3</translation>
    </message>
    <message>
        <source>its manifest is said to be %1 bytes long; it must be from 1 to %2</source>
        <translation>son manifeste ferait %1 octets selon l&apos;en-tête&#xa0;; il doit faire de 1 à %2 octets</translation>
    </message>
    <message>
        <source>it ends early: the manifest needs %1 bytes but only %2 follow</source>
        <translation>il se termine prématurément&#xa0;: le manifeste nécessite %1 octets, mais seulement %2 suivent</translation>
    </message>
    <message>
        <source>picture %1 %2</source>
        <translation>l&apos;image %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 %2</source>
        <translation>l&apos;image en double taille %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 is %2 x %3 pixels; it must be twice picture %1&apos;s, %4 x %5</source>
        <translation>l&apos;image en double taille %1 mesure %2 × %3 pixels&#xa0;; elle doit faire le double de l&apos;image %1, soit %4 × %5</translation>
    </message>
    <message>
        <source>its pictures hold %1 pixels together; at most %2 are allowed</source>
        <translation>ses images totalisent %1 pixels&#xa0;; %2 au maximum sont autorisés</translation>
    </message>
    <message>
        <source>the manifest would be longer than %1 bytes</source>
        <translation>le manifeste dépasserait %1 octets</translation>
    </message>
    <message>
        <source>the file would be longer than %1 bytes</source>
        <translation>le fichier dépasserait %1 octets</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a number</source>
        <translation>l&apos;entrée « %1 » du manifeste doit être un nombre</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a text</source>
        <translation>l&apos;entrée « %1 » du manifeste doit être un texte</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be an object</source>
        <translation>l&apos;entrée « %1 » du manifeste doit être un objet</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a list</source>
        <translation>l&apos;entrée « %1 » du manifeste doit être une liste</translation>
    </message>
</context>
<context>
    <name>CharacterMenu</name>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
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
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Stay on the Desktop</source>
        <translation>Rester sur le bureau</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a reading speed, in percent of the character&apos;s own</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Same as the Interface</source>
        <translation>Comme l’interface</translation>
    </message>
</context>
<context>
    <name>CharacterWindow</name>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Speech balloon</source>
        <translation>Bulle de dialogue</translation>
    </message>
</context>
<context>
    <name>DesktopAgent</name>
    <message>
        <source>The speech character could not be loaded.

%1</source>
        <translation>Le personnage vocal n&apos;a pas pu être chargé.

%1</translation>
    </message>
    <message>
        <source>The character cannot speak aloud: %1. Its words are shown in its speech balloon only.</source>
        <translation>Le personnage ne peut pas parler à voix haute&#xa0;: %1. Ses paroles s&apos;affichent uniquement dans sa bulle de dialogue.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>cannot open the display &quot;%1&quot;</source>
        <translation>impossible d&apos;ouvrir l&apos;affichage «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>no X11 display to show the widget on: WAYLAND_DISPLAY is set but DISPLAY is not (on Wayland the widget needs XWayland)</source>
        <translation>aucun affichage X11 où montrer le widget&#xa0;: WAYLAND_DISPLAY est défini, mais pas DISPLAY (sous Wayland, le widget a besoin de XWayland)</translation>
    </message>
    <message>
        <source>no display to show the widget on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>aucun affichage où montrer le widget (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Click for the menu, or press the menu key or Shift+F10.</source>
        <translation>Cliquez pour ouvrir le menu, ou appuyez sur la touche Menu ou sur Maj+F10.</translation>
    </message>
    <message>
        <source>Click here to rename your text.</source>
        <translation>Cliquez ici pour modifier votre texte.</translation>
    </message>
    <message>
        <source>Click here to rename text.</source>
        <translation>Cliquez ici pour modifier le texte.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Click or press F2 to change the note.</source>
        <translation>Cliquez ou appuyez sur F2 pour modifier la note.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Left click Quornel or below the clock  for Popup Menu.</source>
        <translation>Faites un clic gauche sur Quornel ou sous l&apos;horloge pour ouvrir le menu.</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Changes are not being saved</source>
        <translation>Les modifications ne sont pas enregistrées</translation>
    </message>
    <message>
        <source>Click to show Quornel Desktop Notes.</source>
        <translation>Cliquez pour afficher Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>All Settings</source>
        <translation>Tous les paramètres</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>Paramètres de synthèse vocale</translation>
    </message>
    <message>
        <source>Transparent Settings</source>
        <translation>Paramètres de transparence</translation>
    </message>
    <message>
        <source>Show Clock</source>
        <translation>Afficher l&apos;horloge</translation>
    </message>
    <message>
        <source>Read Current Notes</source>
        <translation>Lire les notes actuelles à voix haute</translation>
    </message>
    <message>
        <source>Hide Quornel Desktop Notes</source>
        <translation>Masquer Quornel Desktop Notes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Show Quornel Desktop Notes</source>
        <translation>Afficher Quornel Desktop Notes</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Lancer à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Changes are not being saved to &quot;%1&quot;.</source>
        <translation>Les modifications ne sont pas enregistrées dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>You have the following notes: </source>
        <translation>Vous avez les notes suivantes&#xa0;: </translation>
    </message>
    <message>
        <source>You must pick a Speech Agent Character if the speech is enabled. You can do this by clicking the Load Agent button in the Speech Settings window. If you do not have any Speech Agent Characters than disable the speech in the Speech Settings window.</source>
        <translation>Vous devez choisir un personnage d&apos;agent vocal si la synthèse vocale est activée. Pour cela, cliquez sur le bouton «&#xa0;Charger un agent&#xa0;» dans la fenêtre «&#xa0;Paramètres de synthèse vocale&#xa0;». Si vous n&apos;avez aucun personnage d&apos;agent vocal, désactivez la synthèse vocale dans la fenêtre «&#xa0;Paramètres de synthèse vocale&#xa0;».</translation>
    </message>
    <message>
        <source>The notification area that runs is of a kind this icon cannot use (the kind is chosen when Quornel Desktop Notes starts): hidden, the window would have no icon to come back from. Start Quornel Desktop Notes again to use it.</source>
        <translation>La zone de notification active est d&apos;un type que cette icône ne peut pas utiliser (le type est choisi au démarrage de Quornel Desktop Notes)&#xa0;: une fois masquée, la fenêtre n&apos;aurait aucune icône par laquelle revenir. Relancez Quornel Desktop Notes pour l&apos;utiliser.</translation>
    </message>
    <message>
        <source>No notification area is running (neither a system tray nor a status notifier host): hidden, the window would have no icon to come back from.</source>
        <translation>Aucune zone de notification n&apos;est active (ni barre d&apos;état système, ni hôte de notificateurs d&apos;état)&#xa0;: une fois masquée, la fenêtre n&apos;aurait aucune icône par laquelle revenir.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Rename Text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Type your desktop note here.</source>
        <translation>Saisissez ici votre note de bureau.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Click here to apply the rename of your desktop note.</source>
        <translation>Cliquez ici pour appliquer la modification de votre note de bureau.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Click here to view your desktop note options.</source>
        <translation>Cliquez ici pour afficher les options de votre note de bureau.</translation>
    </message>
    <message>
        <source>This note is too long to change here.</source>
        <translation>Cette note est trop longue pour être modifiée ici.</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Chose if you would like to have &quot;Open Animation&quot; or &quot;Close Animation&quot;  by checking the appropriate check box.</source>
        <translation>Choisissez si vous voulez une «&#xa0;Animation d&apos;ouverture&#xa0;» ou une «&#xa0;Animation de fermeture&#xa0;» en cochant la case correspondante.</translation>
    </message>
    <message>
        <source>Open Animation</source>
        <translation>Animation d&apos;ouverture</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Open Animation&quot; on or off.</source>
        <translation>Cliquez pour activer ou désactiver l&apos;«&#xa0;Animation d&apos;ouverture&#xa0;».</translation>
    </message>
    <message>
        <source>Close Animation</source>
        <translation>Animation de fermeture</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Close Animation&quot; on or off.</source>
        <translation>Cliquez pour activer ou désactiver l&apos;«&#xa0;Animation de fermeture&#xa0;».</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>Paramètres de synthèse vocale</translation>
    </message>
    <message>
        <source>Click this to enable/disable the sppech in Quornel Desktop Notes.</source>
        <translation>Cliquez ici pour activer ou désactiver la synthèse vocale dans Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Current Text Color</source>
        <translation>Couleur actuelle du texte</translation>
    </message>
    <message>
        <source>Current text colour</source>
        <translation>Couleur actuelle du texte</translation>
    </message>
    <message>
        <source>Change Text Color</source>
        <translation>Modifier la couleur du texte</translation>
    </message>
    <message>
        <source>Click this button to change the color of all your text.</source>
        <translation>Cliquez sur ce bouton pour modifier la couleur de tout votre texte.</translation>
    </message>
    <message>
        <source>Transparency Settings </source>
        <translation>Paramètres de transparence</translation>
    </message>
    <message>
        <source>Click this to adjust the transparency setting in Quornel Desktop Notes.</source>
        <translation>Cliquez ici pour régler la transparence de Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <translation>Haut-parleur</translation>
    </message>
    <message>
        <source>Pick a color for the text.</source>
        <translation>Choisissez une couleur pour le texte.</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Speech Settings</source>
        <translation>Paramètres de synthèse vocale</translation>
    </message>
    <message>
        <source>Enable Speech</source>
        <translation>Activer la synthèse vocale</translation>
    </message>
    <message>
        <source>Check this to enable/disable the speech for Quornel Desktop Notes.</source>
        <translation>Cochez cette case pour activer ou désactiver la synthèse vocale de Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Load Agent</source>
        <translation>Charger un agent</translation>
    </message>
    <message>
        <source>Click this button to load an Agent the will read your note(s).</source>
        <translation>Cliquez sur ce bouton pour charger un agent qui lira votre ou vos notes.</translation>
    </message>
    <message>
        <source>Agent Name:</source>
        <translation>Nom de l&apos;agent&#xa0;:</translation>
    </message>
    <message>
        <source>This is the name of you agent.</source>
        <translation>Voici le nom de votre agent.</translation>
    </message>
    <message>
        <source>Read notes on startup</source>
        <translation>Lire les notes au démarrage</translation>
    </message>
    <message>
        <source>Click this if you would like to have Quornel read your notes when he starts up.</source>
        <translation>Cochez cette case si vous voulez que Quornel lise vos notes à son démarrage.</translation>
    </message>
    <message>
        <source>Speech Agent Characters|*.qchar</source>
        <translation>Personnages d&apos;agent vocal|*.qchar</translation>
    </message>
    <message>
        <source>You must restart Quornel Desktop Notes in order for the changes to take place.</source>
        <translation>Vous devez redémarrer Quornel Desktop Notes pour que les modifications prennent effet.</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Transparency Settings</source>
        <translation>Paramètres de transparence</translation>
    </message>
    <message>
        <source>Enable Transparency (Compositing Desktops Only)</source>
        <translation>Activer la transparence (bureaux composités uniquement)</translation>
    </message>
    <message>
        <source>Enable this to see cool tranparency effects on a compositing desktop.</source>
        <translation>Activez cette option pour profiter de superbes effets de transparence sur un bureau composité.</translation>
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
        <translation>Visibilité</translation>
    </message>
    <message>
        <source>From not visible (0) to fully visible (255).</source>
        <translation>D&apos;invisible (0) à entièrement visible (255).</translation>
    </message>
    <message>
        <source>Precent Visable        %</source>
        <translation>Visibilité        &#xa0;%</translation>
    </message>
</context>
<context>
    <name>NoteStore</name>
    <message>
        <source>A change could not be saved to the note store &quot;%1&quot;: %2. The program keeps the change and saves it as soon as it can; changes not saved by then are lost when the program ends.</source>
        <translation>Une modification n&apos;a pas pu être enregistrée dans le fichier de notes «&#xa0;%1&#xa0;»&#xa0;: %2. Le programme conserve la modification et l&apos;enregistre dès que possible&#xa0;; les modifications qui ne sont pas encore enregistrées à la fermeture du programme sont perdues.</translation>
    </message>
</context>
<context>
    <name>OneCopy</name>
    <message>
        <source>A folder &quot;%1&quot; stands where Quornel Desktop Notes keeps the lock of its note store. The folder is left as it is; the lock is kept elsewhere.</source>
        <translation>Un dossier «&#xa0;%1&#xa0;» se trouve à l&apos;emplacement où Quornel Desktop Notes conserve le verrou de son fichier de notes. Le dossier est laissé tel quel&#xa0;; le verrou est conservé ailleurs.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>A note on the desktop, with a clock and a mascot who reads it aloud.
Without an option the note store is &quot;%1&quot; in the working folder.</source>
        <translation>Une note sur le bureau, avec une horloge et une mascotte qui la lit à voix haute.
Sans option, le fichier de notes est «&#xa0;%1&#xa0;» dans le dossier de travail.</translation>
    </message>
    <message>
        <source>Keep the note in the store &lt;file&gt;.</source>
        <translation>Conserver la note dans le fichier de notes &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Keep the note in the per-user store under $XDG_DATA_HOME.</source>
        <translation>Conserver la note dans le fichier de notes propre à l&apos;utilisateur, sous $XDG_DATA_HOME.</translation>
    </message>
    <message>
        <source>Start the widget on the store named here (--user, --store or the working folder&apos;s) when you log in: on or off.</source>
        <translation>Lancer le widget avec le fichier de notes indiqué ici (--user, --store ou celui du dossier de travail) à l&apos;ouverture de session&#xa0;: on ou off.</translation>
    </message>
    <message>
        <source>--store and --user name two stores; give one</source>
        <translation>--store et --user désignent deux fichiers de notes&#xa0;; n&apos;en indiquez qu&apos;un</translation>
    </message>
    <message>
        <source>--autostart takes on or off</source>
        <translation>--autostart accepte on ou off</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»&#xa0;; voir --help</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for the note store cannot be made.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» destiné au fichier de notes ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Another copy of Quornel Desktop Notes keeps its note in &quot;%1&quot; but does not answer.</source>
        <translation>Une autre instance de Quornel Desktop Notes conserve sa note dans «&#xa0;%1&#xa0;», mais ne répond pas.</translation>
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
        <translation>le programme de synthèse vocale ne répond plus</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly</source>
        <translation>le programme de synthèse vocale s&apos;est arrêté de façon inattendue</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly (exit status %1)</source>
        <translation>le programme de synthèse vocale s&apos;est arrêté de façon inattendue (code de sortie %1)</translation>
    </message>
    <message>
        <source>the speaker &quot;%1&quot; could not be started (%2)</source>
        <translation>le programme de synthèse vocale «&#xa0;%1&#xa0;» n&apos;a pas pu être lancé (%2)</translation>
    </message>
    <message>
        <source>the speaker said something that does not decode</source>
        <translation>le programme de synthèse vocale a envoyé une réponse indéchiffrable</translation>
    </message>
</context>
<context>
    <name>SqliteFile</name>
    <message>
        <source>The note store &quot;%1&quot; cannot be used: %2.</source>
        <translation>Le fichier de notes «&#xa0;%1&#xa0;» ne peut pas être utilisé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>there is none, and none can be made in its folder (%1)</source>
        <translation>il n&apos;existe pas et ne peut pas être créé dans son dossier (%1)</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is on a read-only disk: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>Le fichier de notes «&#xa0;%1&#xa0;» se trouve sur un disque en lecture seule&#xa0;: la note est affichée telle qu&apos;elle a été enregistrée la dernière fois, mais les modifications apportées maintenant ne peuvent pas être conservées.</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is read-only: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>Le fichier de notes «&#xa0;%1&#xa0;» est en lecture seule&#xa0;: la note est affichée telle qu&apos;elle a été enregistrée la dernière fois, mais les modifications apportées maintenant ne peuvent pas être conservées.</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is in a read-only folder: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>Le fichier de notes «&#xa0;%1&#xa0;» se trouve dans un dossier en lecture seule&#xa0;: la note est affichée telle qu&apos;elle a été enregistrée la dernière fois, mais les modifications apportées maintenant ne peuvent pas être conservées.</translation>
    </message>
    <message>
        <source>the database is damaged (%1)</source>
        <translation>la base de données est endommagée (%1)</translation>
    </message>
    <message>
        <source>another program removed its settings record; it is written back as the program shows it</source>
        <translation>un autre programme a supprimé son enregistrement de paramètres&#xa0;; il est réécrit tel que le programme l&apos;affiche</translation>
    </message>
    <message>
        <source>another program removed its note record; it is written back as the program shows it</source>
        <translation>un autre programme a supprimé son enregistrement de note&#xa0;; il est réécrit tel que le programme l&apos;affiche</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>another program holds it locked</source>
        <translation>un autre programme le verrouille</translation>
    </message>
    <message>
        <source>it can no longer be written to</source>
        <translation>il n&apos;est plus possible d&apos;y écrire</translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation>le disque a signalé une erreur (%1)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
</context>
</TS>
