<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Autostart</name>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be removed.</source>
        <translation>Nie można usunąć wpisu autostartu &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written.</source>
        <translation>Nie można zapisać wpisu autostartu &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written: %2</source>
        <translation>Nie można zapisać wpisu autostartu &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>CharacterFile</name>
    <message>
        <source>the manifest has no entry &quot;%1&quot;</source>
        <translation>w manifeście brakuje pozycji &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>pozycja &quot;%1&quot; manifestu musi być liczbą całkowitą od %2 do %3</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must list from %2 to %3 items, not %4</source>
        <translation>pozycja &quot;%1&quot; manifestu musi zawierać od %2 do %3 elementów, a zawiera %4</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1[%2]&quot; must be an object</source>
        <translation>pozycja &quot;%1[%2]&quot; manifestu musi być obiektem</translation>
    </message>
    <message>
        <source>the manifest has an unknown entry &quot;%1&quot;</source>
        <translation>manifest zawiera nieznaną pozycję &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; has an unknown entry &quot;%2&quot;</source>
        <translation>pozycja &quot;%1&quot; manifestu zawiera nieznaną pozycję &quot;%2&quot;</translation>
    </message>
    <message>
        <source>is not a PNG picture</source>
        <translation>nie jest obrazem PNG</translation>
    </message>
    <message>
        <source>is not a PNG picture (it does not begin with its header chunk)</source>
        <translation>nie jest obrazem PNG (nie zaczyna się od bloku nagłówka)</translation>
    </message>
    <message>
        <source>is %1 x %2 pixels; each side must be from 1 to %3</source>
        <translation>ma wymiary %1 x %2 px; każdy bok musi mieć od 1 do %3 px</translation>
    </message>
    <message>
        <source>is damaged: </source>
        <translation>jest uszkodzony: </translation>
    </message>
    <message>
        <source>its header chunk declares a kind of picture that PNG does not have</source>
        <translation>jego blok nagłówka deklaruje rodzaj obrazu, którego nie ma w formacie PNG</translation>
    </message>
    <message>
        <source>it ends in the middle of a chunk</source>
        <translation>kończy się w połowie bloku</translation>
    </message>
    <message>
        <source>it holds a chunk whose type is not four letters</source>
        <translation>zawiera blok, którego typ nie składa się z czterech liter</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (it declares %2 bytes; %3 follow)</source>
        <translation>jego blok &quot;%1&quot; wykracza poza koniec obrazu (deklaruje %2 B, a pozostało %3 B)</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (its checksum is cut off)</source>
        <translation>jego blok &quot;%1&quot; wykracza poza koniec obrazu (suma kontrolna jest ucięta)</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk&apos;s checksum is wrong</source>
        <translation>suma kontrolna jego bloku &quot;%1&quot; jest błędna</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk is out of place</source>
        <translation>jego blok &quot;%1&quot; jest w niewłaściwym miejscu</translation>
    </message>
    <message>
        <source>its image data is split by other chunks</source>
        <translation>jego dane obrazu są rozdzielone innymi blokami</translation>
    </message>
    <message>
        <source>its palette does not fit the picture</source>
        <translation>jego paleta nie pasuje do obrazu</translation>
    </message>
    <message>
        <source>its transparency does not fit the picture</source>
        <translation>jego przezroczystość nie pasuje do obrazu</translation>
    </message>
    <message>
        <source>it holds a critical chunk &quot;%1&quot; this program does not know</source>
        <translation>zawiera blok krytyczny &quot;%1&quot;, którego ten program nie zna</translation>
    </message>
    <message>
        <source>it ends without its end chunk</source>
        <translation>kończy się bez bloku końcowego</translation>
    </message>
    <message>
        <source>%1 bytes follow its end chunk</source>
        <translation>po bloku końcowym występują jeszcze dane (%1 B)</translation>
    </message>
    <message>
        <source>it has no image data</source>
        <translation>nie zawiera danych obrazu</translation>
    </message>
    <message>
        <source>it has no palette</source>
        <translation>nie ma palety</translation>
    </message>
    <message>
        <source>is not a readable PNG picture</source>
        <translation>nie jest czytelnym obrazem PNG</translation>
    </message>
    <message>
        <source>is not a readable PNG picture (%1)</source>
        <translation>nie jest czytelnym obrazem PNG (%1)</translation>
    </message>
    <message>
        <source>decodes to a different size than its header declares</source>
        <translation>po zdekodowaniu ma inny rozmiar, niż deklaruje jego nagłówek</translation>
    </message>
    <message>
        <source>The character file &quot;%1&quot; cannot be used: %2.</source>
        <translation>Nie można użyć pliku postaci &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>No character file was named.</source>
        <translation>Nie wskazano pliku postaci.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>nie istnieje</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>jest katalogiem, a nie plikiem</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>it is %1 bytes long; a character file may have at most %2</source>
        <translation>ma rozmiar %1 B; plik postaci może mieć najwyżej %2 B</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>nie można go odczytać (%1)</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a character file may have</source>
        <translation>przekracza dopuszczalny rozmiar pliku postaci (%1 B)</translation>
    </message>
    <message>
        <source>the name must be 1 to %1 printable characters</source>
        <translation>nazwa musi mieć od 1 do %1 znaków drukowalnych</translation>
    </message>
    <message>
        <source>the voice name &quot;%1&quot; is not a valid voice name</source>
        <translation>&quot;%1&quot; nie jest prawidłową nazwą głosu</translation>
    </message>
    <message>
        <source>the voice rate must be from %1 to %2</source>
        <translation>szybkość głosu musi wynosić od %1 do %2</translation>
    </message>
    <message>
        <source>the voice pitch must be from %1 to %2</source>
        <translation>wysokość głosu musi wynosić od %1 do %2</translation>
    </message>
    <message>
        <source>a character needs 1 to %1 pictures</source>
        <translation>postać musi mieć od 1 do %1 obrazów</translation>
    </message>
    <message>
        <source>a character has a double-size picture for every picture or for none</source>
        <translation>postać musi mieć obraz podwójnej wielkości dla każdego obrazu albo dla żadnego</translation>
    </message>
    <message>
        <source>the appearing animation may have at most %1 frames</source>
        <translation>maksymalna liczba klatek animacji pojawiania się to %1</translation>
    </message>
    <message>
        <source>the idle pose needs 1 to %1 frames</source>
        <translation>poza spoczynkowa musi mieć od 1 do %1 klatek</translation>
    </message>
    <message>
        <source>a character needs %1 to %2 mouth shapes</source>
        <translation>postać musi mieć od %1 do %2 kształtów ust</translation>
    </message>
    <message>
        <source>a frame refers to picture %1, which does not exist</source>
        <translation>klatka odwołuje się do obrazu %1, który nie istnieje</translation>
    </message>
    <message>
        <source>a frame lasts %1 ms; frames last from %2 to %3 ms</source>
        <translation>klatka trwa %1 ms; klatki muszą trwać od %2 do %3 ms</translation>
    </message>
    <message>
        <source>the mouth shape name &quot;%1&quot; is not valid (small letters, digits, &quot;-&quot; and &quot;_&quot;, up to 32)</source>
        <translation>nazwa kształtu ust &quot;%1&quot; jest nieprawidłowa (małe litery, cyfry, &quot;-&quot; i &quot;_&quot;, najwyżej 32 znaki)</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; is given twice</source>
        <translation>kształt ust &quot;%1&quot; podano dwukrotnie</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; refers to picture %2, which does not exist</source>
        <translation>kształt ust &quot;%1&quot; odwołuje się do obrazu %2, który nie istnieje</translation>
    </message>
    <message>
        <source>its manifest is not valid JSON (%1 at byte %2)</source>
        <translation>jego manifest nie jest poprawnym dokumentem JSON (%1, bajt %2)</translation>
    </message>
    <message>
        <source>its manifest is not a JSON object</source>
        <translation>jego manifest nie jest obiektem JSON</translation>
    </message>
    <message>
        <source>it ends early: picture %1 needs %2 bytes but only %3 are left</source>
        <translation>kończy się przedwcześnie: obraz %1 wymaga %2 B, a pozostało tylko %3 B</translation>
    </message>
    <message>
        <source>it ends early: double-size picture %1 needs %2 bytes but only %3 are left</source>
        <translation>kończy się przedwcześnie: obraz podwójnej wielkości %1 wymaga %2 B, a pozostało tylko %3 B</translation>
    </message>
    <message>
        <source>%1 bytes follow its last picture</source>
        <translation>po ostatnim obrazie występują jeszcze dane (%1 B)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>jest pusty</translation>
    </message>
    <message>
        <source>it is not a character file (its header is wrong)</source>
        <translation>nie jest plikiem postaci (ma błędny nagłówek)</translation>
    </message>
    <message>
        <source>it ends early, within its header</source>
        <translation>kończy się przedwcześnie, w obrębie nagłówka</translation>
    </message>
    <message>
        <source>it is of format version %1; this program reads versions %2 and %3</source>
        <translation>ma format w wersji %1; ten program odczytuje wersje %2 i %3</translation>
    </message>
    <message>
        <source>its manifest is said to be %1 bytes long; it must be from 1 to %2</source>
        <translation>deklarowany rozmiar jego manifestu to %1 B; musi wynosić od 1 do %2 B</translation>
    </message>
    <message>
        <source>it ends early: the manifest needs %1 bytes but only %2 follow</source>
        <translation>kończy się przedwcześnie: manifest wymaga %1 B, a pozostało tylko %2 B</translation>
    </message>
    <message>
        <source>picture %1 %2</source>
        <translation>obraz %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 %2</source>
        <translation>obraz podwójnej wielkości %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 is %2 x %3 pixels; it must be twice picture %1&apos;s, %4 x %5</source>
        <translation>obraz podwójnej wielkości %1 ma wymiary %2 x %3 px; musi być dwa razy większy od obrazu %1, czyli mieć %4 x %5 px</translation>
    </message>
    <message>
        <source>its pictures hold %1 pixels together; at most %2 are allowed</source>
        <translation>łączna liczba pikseli jego obrazów to %1; dozwolona liczba to najwyżej %2</translation>
    </message>
    <message>
        <source>the manifest would be longer than %1 bytes</source>
        <translation>manifest przekroczyłby rozmiar %1 B</translation>
    </message>
    <message>
        <source>the file would be longer than %1 bytes</source>
        <translation>plik przekroczyłby rozmiar %1 B</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a number</source>
        <translation>pozycja &quot;%1&quot; manifestu musi być liczbą</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a text</source>
        <translation>pozycja &quot;%1&quot; manifestu musi być tekstem</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be an object</source>
        <translation>pozycja &quot;%1&quot; manifestu musi być obiektem</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a list</source>
        <translation>pozycja &quot;%1&quot; manifestu musi być listą</translation>
    </message>
</context>
<context>
    <name>CharacterMenu</name>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Szybkość</translation>
    </message>
    <message>
        <source>Stay on the Desktop</source>
        <translation>Pozostań na pulpicie</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a reading speed, in percent of the character&apos;s own</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Same as the Interface</source>
        <translation>Taki jak interfejs</translation>
    </message>
</context>
<context>
    <name>CharacterWindow</name>
    <message>
        <source>Hide</source>
        <translation>Ukryj</translation>
    </message>
    <message>
        <source>Speech balloon</source>
        <translation>Dymek</translation>
    </message>
</context>
<context>
    <name>DesktopAgent</name>
    <message>
        <source>The speech character could not be loaded.

%1</source>
        <translation>Nie można wczytać postaci mówiącej.

%1</translation>
    </message>
    <message>
        <source>The character cannot speak aloud: %1. Its words are shown in its speech balloon only.</source>
        <translation>Postać nie może mówić na głos: %1. Jej słowa są wyświetlane tylko w dymku.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>cannot open the display &quot;%1&quot;</source>
        <translation>nie można otworzyć ekranu &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no X11 display to show the widget on: WAYLAND_DISPLAY is set but DISPLAY is not (on Wayland the widget needs XWayland)</source>
        <translation>brak ekranu X11 do wyświetlenia widżetu: zmienna WAYLAND_DISPLAY jest ustawiona, ale DISPLAY nie (w środowisku Wayland widżet wymaga XWayland)</translation>
    </message>
    <message>
        <source>no display to show the widget on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>brak ekranu do wyświetlenia widżetu (nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Click for the menu, or press the menu key or Shift+F10.</source>
        <translation>Kliknij, aby otworzyć menu, albo naciśnij klawisz menu lub Shift+F10.</translation>
    </message>
    <message>
        <source>Click here to rename your text.</source>
        <translation>Kliknij tutaj, aby zmienić swój tekst.</translation>
    </message>
    <message>
        <source>Click here to rename text.</source>
        <translation>Kliknij tutaj, aby zmienić tekst.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>Click or press F2 to change the note.</source>
        <translation>Kliknij lub naciśnij F2, aby zmienić notatkę.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>Left click Quornel or below the clock  for Popup Menu.</source>
        <translation>Kliknij lewym przyciskiem maskotkę Quornel lub obszar pod zegarem, aby otworzyć menu podręczne.</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Changes are not being saved</source>
        <translation>Zmiany nie są zapisywane</translation>
    </message>
    <message>
        <source>Click to show Quornel Desktop Notes.</source>
        <translation>Kliknij, aby pokazać Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>All Settings</source>
        <translation>Wszystkie ustawienia</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>Ustawienia mowy</translation>
    </message>
    <message>
        <source>Transparent Settings</source>
        <translation>Ustawienia przezroczystości</translation>
    </message>
    <message>
        <source>Show Clock</source>
        <translation>Pokaż zegar</translation>
    </message>
    <message>
        <source>Read Current Notes</source>
        <translation>Odczytaj bieżące notatki</translation>
    </message>
    <message>
        <source>Hide Quornel Desktop Notes</source>
        <translation>Ukryj Quornel Desktop Notes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Show Quornel Desktop Notes</source>
        <translation>Pokaż Quornel Desktop Notes</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Changes are not being saved to &quot;%1&quot;.</source>
        <translation>Zmiany nie są zapisywane w &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>You have the following notes: </source>
        <translation>Masz następujące notatki: </translation>
    </message>
    <message>
        <source>You must pick a Speech Agent Character if the speech is enabled. You can do this by clicking the Load Agent button in the Speech Settings window. If you do not have any Speech Agent Characters than disable the speech in the Speech Settings window.</source>
        <translation>Gdy mowa jest włączona, musisz wybrać postać mówiącą. Możesz to zrobić, klikając przycisk &quot;Wczytaj agenta&quot; w oknie &quot;Ustawienia mowy&quot;. Jeśli nie masz żadnej postaci mówiącej, wyłącz mowę w oknie &quot;Ustawienia mowy&quot;.</translation>
    </message>
    <message>
        <source>The notification area that runs is of a kind this icon cannot use (the kind is chosen when Quornel Desktop Notes starts): hidden, the window would have no icon to come back from. Start Quornel Desktop Notes again to use it.</source>
        <translation>Działający obszar powiadomień jest rodzaju, którego ta ikona nie może używać (rodzaj jest wybierany przy uruchamianiu programu Quornel Desktop Notes): po ukryciu okno nie miałoby ikony, z której można by je przywrócić. Uruchom ponownie program Quornel Desktop Notes, aby z niego korzystać.</translation>
    </message>
    <message>
        <source>No notification area is running (neither a system tray nor a status notifier host): hidden, the window would have no icon to come back from.</source>
        <translation>Nie działa żaden obszar powiadomień (ani zasobnik systemowy, ani host ikon stanu): po ukryciu okno nie miałoby ikony, z której można by je przywrócić.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Rename Text</source>
        <translation>Zmień tekst</translation>
    </message>
    <message>
        <source>Type your desktop note here.</source>
        <translation>Wpisz tutaj treść notatki.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>Click here to apply the rename of your desktop note.</source>
        <translation>Kliknij tutaj, aby zastosować zmianę notatki.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Click here to view your desktop note options.</source>
        <translation>Kliknij tutaj, aby wyświetlić opcje notatki.</translation>
    </message>
    <message>
        <source>This note is too long to change here.</source>
        <translation>Ta notatka jest zbyt długa, aby ją tutaj zmienić.</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animacja</translation>
    </message>
    <message>
        <source>Chose if you would like to have &quot;Open Animation&quot; or &quot;Close Animation&quot;  by checking the appropriate check box.</source>
        <translation>Zaznacz odpowiednie pole wyboru, aby włączyć opcję &quot;Animacja otwierania&quot; lub &quot;Animacja zamykania&quot;.</translation>
    </message>
    <message>
        <source>Open Animation</source>
        <translation>Animacja otwierania</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Open Animation&quot; on or off.</source>
        <translation>Kliknij, aby włączyć lub wyłączyć opcję &quot;Animacja otwierania&quot;.</translation>
    </message>
    <message>
        <source>Close Animation</source>
        <translation>Animacja zamykania</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Close Animation&quot; on or off.</source>
        <translation>Kliknij, aby włączyć lub wyłączyć opcję &quot;Animacja zamykania&quot;.</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>Ustawienia mowy</translation>
    </message>
    <message>
        <source>Click this to enable/disable the sppech in Quornel Desktop Notes.</source>
        <translation>Kliknij tutaj, aby włączyć lub wyłączyć mowę w programie Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Current Text Color</source>
        <translation>Bieżący kolor tekstu</translation>
    </message>
    <message>
        <source>Current text colour</source>
        <translation>Bieżący kolor tekstu</translation>
    </message>
    <message>
        <source>Change Text Color</source>
        <translation>Zmień kolor tekstu</translation>
    </message>
    <message>
        <source>Click this button to change the color of all your text.</source>
        <translation>Kliknij ten przycisk, aby zmienić kolor całego tekstu.</translation>
    </message>
    <message>
        <source>Transparency Settings </source>
        <translation>Ustawienia przezroczystości</translation>
    </message>
    <message>
        <source>Click this to adjust the transparency setting in Quornel Desktop Notes.</source>
        <translation>Kliknij tutaj, aby dostosować przezroczystość w programie Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <translation>Głośnik</translation>
    </message>
    <message>
        <source>Pick a color for the text.</source>
        <translation>Wybierz kolor tekstu.</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Speech Settings</source>
        <translation>Ustawienia mowy</translation>
    </message>
    <message>
        <source>Enable Speech</source>
        <translation>Włącz mowę</translation>
    </message>
    <message>
        <source>Check this to enable/disable the speech for Quornel Desktop Notes.</source>
        <translation>Zaznacz, aby włączyć lub wyłączyć mowę w programie Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Load Agent</source>
        <translation>Wczytaj agenta</translation>
    </message>
    <message>
        <source>Click this button to load an Agent the will read your note(s).</source>
        <translation>Kliknij ten przycisk, aby wczytać agenta, który odczyta twoje notatki.</translation>
    </message>
    <message>
        <source>Agent Name:</source>
        <translation>Nazwa agenta:</translation>
    </message>
    <message>
        <source>This is the name of you agent.</source>
        <translation>To jest nazwa twojego agenta.</translation>
    </message>
    <message>
        <source>Read notes on startup</source>
        <translation>Odczytuj notatki przy uruchomieniu</translation>
    </message>
    <message>
        <source>Click this if you would like to have Quornel read your notes when he starts up.</source>
        <translation>Zaznacz, jeśli chcesz, aby Quornel odczytywał twoje notatki po uruchomieniu.</translation>
    </message>
    <message>
        <source>Speech Agent Characters|*.qchar</source>
        <translation>Postacie mówiące|*.qchar</translation>
    </message>
    <message>
        <source>You must restart Quornel Desktop Notes in order for the changes to take place.</source>
        <translation>Aby zmiany zostały zastosowane, musisz ponownie uruchomić program Quornel Desktop Notes.</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Transparency Settings</source>
        <translation>Ustawienia przezroczystości</translation>
    </message>
    <message>
        <source>Enable Transparency (Compositing Desktops Only)</source>
        <translation>Włącz przezroczystość (tylko pulpity z kompozycją)</translation>
    </message>
    <message>
        <source>Enable this to see cool tranparency effects on a compositing desktop.</source>
        <translation>Włącz, aby zobaczyć efektowną przezroczystość na pulpicie z kompozycją.</translation>
    </message>
    <message>
        <source>Not Visable</source>
        <translation>Niewidoczne</translation>
    </message>
    <message>
        <source>Visable</source>
        <translation>Widoczne</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Widoczność</translation>
    </message>
    <message>
        <source>From not visible (0) to fully visible (255).</source>
        <translation>Od niewidocznego (0) do w pełni widocznego (255).</translation>
    </message>
    <message>
        <source>Precent Visable        %</source>
        <translation>Widoczność        %</translation>
    </message>
</context>
<context>
    <name>NoteStore</name>
    <message>
        <source>A change could not be saved to the note store &quot;%1&quot;: %2. The program keeps the change and saves it as soon as it can; changes not saved by then are lost when the program ends.</source>
        <translation>Nie można zapisać zmiany w magazynie notatek &quot;%1&quot;: %2. Program zachowuje zmianę i zapisze ją, gdy tylko będzie to możliwe; zmiany niezapisane do tego czasu zostaną utracone po zakończeniu programu.</translation>
    </message>
</context>
<context>
    <name>OneCopy</name>
    <message>
        <source>A folder &quot;%1&quot; stands where Quornel Desktop Notes keeps the lock of its note store. The folder is left as it is; the lock is kept elsewhere.</source>
        <translation>W miejscu, w którym Quornel Desktop Notes przechowuje blokadę swojego magazynu notatek, znajduje się katalog &quot;%1&quot;. Katalog pozostaje nienaruszony; blokada jest przechowywana gdzie indziej.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>A note on the desktop, with a clock and a mascot who reads it aloud.
Without an option the note store is &quot;%1&quot; in the working folder.</source>
        <translation>Notatka na pulpicie z zegarem i maskotką, która odczytuje ją na głos.
Bez opcji magazynem notatek jest &quot;%1&quot; w katalogu roboczym.</translation>
    </message>
    <message>
        <source>Keep the note in the store &lt;file&gt;.</source>
        <translation>Przechowuje notatkę w magazynie &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Keep the note in the per-user store under $XDG_DATA_HOME.</source>
        <translation>Przechowuje notatkę w magazynie użytkownika w $XDG_DATA_HOME.</translation>
    </message>
    <message>
        <source>Start the widget on the store named here (--user, --store or the working folder&apos;s) when you log in: on or off.</source>
        <translation>Uruchamia widżet po zalogowaniu z podanym tu magazynem (--user, --store lub magazynem katalogu roboczego): on lub off.</translation>
    </message>
    <message>
        <source>--store and --user name two stores; give one</source>
        <translation>--store i --user wskazują dwa magazyny; podaj tylko jeden</translation>
    </message>
    <message>
        <source>--autostart takes on or off</source>
        <translation>--autostart przyjmuje wartość on lub off</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>nieoczekiwany argument &apos;%1&apos;; zobacz --help</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for the note store cannot be made.</source>
        <translation>Nie można utworzyć katalogu &quot;%1&quot; na magazyn notatek.</translation>
    </message>
    <message>
        <source>Another copy of Quornel Desktop Notes keeps its note in &quot;%1&quot; but does not answer.</source>
        <translation>Inna kopia programu Quornel Desktop Notes przechowuje swoją notatkę w &quot;%1&quot;, ale nie odpowiada.</translation>
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
        <translation>syntezator mowy przestał odpowiadać</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly</source>
        <translation>syntezator mowy nieoczekiwanie zakończył działanie</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly (exit status %1)</source>
        <translation>syntezator mowy nieoczekiwanie zakończył działanie (kod wyjścia %1)</translation>
    </message>
    <message>
        <source>the speaker &quot;%1&quot; could not be started (%2)</source>
        <translation>nie można uruchomić syntezatora mowy &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>the speaker said something that does not decode</source>
        <translation>syntezator mowy przesłał dane, których nie można zdekodować</translation>
    </message>
</context>
<context>
    <name>SqliteFile</name>
    <message>
        <source>The note store &quot;%1&quot; cannot be used: %2.</source>
        <translation>Nie można użyć magazynu notatek &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>nie jest plikiem</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>nie można go odczytać</translation>
    </message>
    <message>
        <source>there is none, and none can be made in its folder (%1)</source>
        <translation>nie istnieje i nie można go utworzyć w jego katalogu (%1)</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is on a read-only disk: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>Magazyn notatek &quot;%1&quot; znajduje się na dysku tylko do odczytu: notatka jest wyświetlana w stanie z ostatniego zapisu, ale wprowadzonych teraz zmian nie można zachować.</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is read-only: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>Magazyn notatek &quot;%1&quot; jest tylko do odczytu: notatka jest wyświetlana w stanie z ostatniego zapisu, ale wprowadzonych teraz zmian nie można zachować.</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is in a read-only folder: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>Magazyn notatek &quot;%1&quot; znajduje się w katalogu tylko do odczytu: notatka jest wyświetlana w stanie z ostatniego zapisu, ale wprowadzonych teraz zmian nie można zachować.</translation>
    </message>
    <message>
        <source>the database is damaged (%1)</source>
        <translation>baza danych jest uszkodzona (%1)</translation>
    </message>
    <message>
        <source>another program removed its settings record; it is written back as the program shows it</source>
        <translation>inny program usunął jego rekord ustawień; zostaje on zapisany ponownie w postaci wyświetlanej przez program</translation>
    </message>
    <message>
        <source>another program removed its note record; it is written back as the program shows it</source>
        <translation>inny program usunął jego rekord notatki; zostaje on zapisany ponownie w postaci wyświetlanej przez program</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>another program holds it locked</source>
        <translation>jest zablokowany przez inny program</translation>
    </message>
    <message>
        <source>it can no longer be written to</source>
        <translation>nie można już do niego zapisywać</translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation>dysk zgłosił błąd (%1)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>brak pamięci</translation>
    </message>
</context>
</TS>
