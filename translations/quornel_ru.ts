<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Autostart</name>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be removed.</source>
        <translation>Не удаётся удалить элемент автозапуска «%1».</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written.</source>
        <translation>Не удаётся записать элемент автозапуска «%1».</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written: %2</source>
        <translation>Не удаётся записать элемент автозапуска «%1»: %2</translation>
    </message>
</context>
<context>
    <name>CharacterFile</name>
    <message>
        <source>the manifest has no entry &quot;%1&quot;</source>
        <translation>в манифесте нет записи «%1»</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>запись манифеста «%1» должна быть целым числом от %2 до %3</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must list from %2 to %3 items, not %4</source>
        <translation>запись манифеста «%1» должна содержать от %2 до %3 элементов, а содержит: %4</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1[%2]&quot; must be an object</source>
        <translation>запись манифеста «%1[%2]» должна быть объектом</translation>
    </message>
    <message>
        <source>the manifest has an unknown entry &quot;%1&quot;</source>
        <translation>в манифесте есть неизвестная запись «%1»</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; has an unknown entry &quot;%2&quot;</source>
        <translation>запись манифеста «%1» содержит неизвестную запись «%2»</translation>
    </message>
    <message>
        <source>is not a PNG picture</source>
        <translation>не является изображением PNG</translation>
    </message>
    <message>
        <source>is not a PNG picture (it does not begin with its header chunk)</source>
        <translation>не является изображением PNG (оно не начинается с блока заголовка)</translation>
    </message>
    <message>
        <source>is %1 x %2 pixels; each side must be from 1 to %3</source>
        <translation>имеет размер %1 × %2 пкс; каждая сторона должна быть от 1 до %3 пкс</translation>
    </message>
    <message>
        <source>is damaged: </source>
        <translation>повреждено: </translation>
    </message>
    <message>
        <source>its header chunk declares a kind of picture that PNG does not have</source>
        <translation>в его блоке заголовка указан тип изображения, которого нет в PNG</translation>
    </message>
    <message>
        <source>it ends in the middle of a chunk</source>
        <translation>оно обрывается посреди блока</translation>
    </message>
    <message>
        <source>it holds a chunk whose type is not four letters</source>
        <translation>оно содержит блок, тип которого не состоит из четырёх букв</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (it declares %2 bytes; %3 follow)</source>
        <translation>его блок «%1» выходит за конец изображения (объявлено байт: %2, осталось: %3)</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (its checksum is cut off)</source>
        <translation>его блок «%1» выходит за конец изображения (контрольная сумма обрезана)</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk&apos;s checksum is wrong</source>
        <translation>у его блока «%1» неверная контрольная сумма</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk is out of place</source>
        <translation>его блок «%1» стоит не на своём месте</translation>
    </message>
    <message>
        <source>its image data is split by other chunks</source>
        <translation>его данные изображения разделены другими блоками</translation>
    </message>
    <message>
        <source>its palette does not fit the picture</source>
        <translation>его палитра не подходит к изображению</translation>
    </message>
    <message>
        <source>its transparency does not fit the picture</source>
        <translation>его данные прозрачности не подходят к изображению</translation>
    </message>
    <message>
        <source>it holds a critical chunk &quot;%1&quot; this program does not know</source>
        <translation>оно содержит критический блок «%1», неизвестный этой программе</translation>
    </message>
    <message>
        <source>it ends without its end chunk</source>
        <translation>оно заканчивается без завершающего блока</translation>
    </message>
    <message>
        <source>%1 bytes follow its end chunk</source>
        <translation>после завершающего блока идут лишние байты: %1</translation>
    </message>
    <message>
        <source>it has no image data</source>
        <translation>в нём нет данных изображения</translation>
    </message>
    <message>
        <source>it has no palette</source>
        <translation>в нём нет палитры</translation>
    </message>
    <message>
        <source>is not a readable PNG picture</source>
        <translation>не является читаемым изображением PNG</translation>
    </message>
    <message>
        <source>is not a readable PNG picture (%1)</source>
        <translation>не является читаемым изображением PNG (%1)</translation>
    </message>
    <message>
        <source>decodes to a different size than its header declares</source>
        <translation>после декодирования имеет размер, отличный от указанного в заголовке</translation>
    </message>
    <message>
        <source>The character file &quot;%1&quot; cannot be used: %2.</source>
        <translation>Файл персонажа «%1» нельзя использовать: %2.</translation>
    </message>
    <message>
        <source>No character file was named.</source>
        <translation>Файл персонажа не указан.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>файл не существует</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>это папка, а не файл</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is %1 bytes long; a character file may have at most %2</source>
        <translation>размер файла в байтах — %1, а файл персонажа может занимать не более %2 байт</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>не удаётся прочитать файл (%1)</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a character file may have</source>
        <translation>файл больше %1 байт, допустимых для файла персонажа</translation>
    </message>
    <message>
        <source>the name must be 1 to %1 printable characters</source>
        <translation>имя должно содержать от 1 до %1 печатных символов</translation>
    </message>
    <message>
        <source>the voice name &quot;%1&quot; is not a valid voice name</source>
        <translation>«%1» — недопустимое имя голоса</translation>
    </message>
    <message>
        <source>the voice rate must be from %1 to %2</source>
        <translation>скорость голоса должна быть от %1 до %2</translation>
    </message>
    <message>
        <source>the voice pitch must be from %1 to %2</source>
        <translation>высота голоса должна быть от %1 до %2</translation>
    </message>
    <message>
        <source>a character needs 1 to %1 pictures</source>
        <translation>у персонажа должно быть от 1 до %1 изображений</translation>
    </message>
    <message>
        <source>a character has a double-size picture for every picture or for none</source>
        <translation>изображения двойного размера должны быть у персонажа либо для всех изображений, либо ни для одного</translation>
    </message>
    <message>
        <source>the appearing animation may have at most %1 frames</source>
        <translation>анимация появления может содержать не более %1 кадров</translation>
    </message>
    <message>
        <source>the idle pose needs 1 to %1 frames</source>
        <translation>поза ожидания должна содержать от 1 до %1 кадров</translation>
    </message>
    <message>
        <source>a character needs %1 to %2 mouth shapes</source>
        <translation>у персонажа должно быть от %1 до %2 форм рта</translation>
    </message>
    <message>
        <source>a frame refers to picture %1, which does not exist</source>
        <translation>кадр ссылается на несуществующее изображение %1</translation>
    </message>
    <message>
        <source>a frame lasts %1 ms; frames last from %2 to %3 ms</source>
        <translation>длительность кадра — %1 мс, а допустимо от %2 до %3 мс</translation>
    </message>
    <message>
        <source>the mouth shape name &quot;%1&quot; is not valid (small letters, digits, &quot;-&quot; and &quot;_&quot;, up to 32)</source>
        <translation>недопустимое имя формы рта «%1» (разрешены строчные латинские буквы, цифры, «-» и «_», не более 32 символов)</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; is given twice</source>
        <translation>форма рта «%1» указана дважды</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; refers to picture %2, which does not exist</source>
        <translation>форма рта «%1» ссылается на несуществующее изображение %2</translation>
    </message>
    <message>
        <source>its manifest is not valid JSON (%1 at byte %2)</source>
        <translation>его манифест не является корректным JSON (%1, байт %2)</translation>
    </message>
    <message>
        <source>its manifest is not a JSON object</source>
        <translation>его манифест не является объектом JSON</translation>
    </message>
    <message>
        <source>it ends early: picture %1 needs %2 bytes but only %3 are left</source>
        <translation>файл обрывается раньше времени: для изображения %1 нужно байт: %2, а осталось только: %3</translation>
    </message>
    <message>
        <source>it ends early: double-size picture %1 needs %2 bytes but only %3 are left</source>
        <translation>файл обрывается раньше времени: для изображения двойного размера %1 нужно байт: %2, а осталось только: %3</translation>
    </message>
    <message>
        <source>%1 bytes follow its last picture</source>
        <translation>после последнего изображения идут лишние байты: %1</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>it is not a character file (its header is wrong)</source>
        <translation>это не файл персонажа (неверный заголовок)</translation>
    </message>
    <message>
        <source>it ends early, within its header</source>
        <translation>файл обрывается внутри заголовка</translation>
    </message>
    <message>
        <source>it is of format version %1; this program reads versions %2 and %3</source>
        <translation>версия формата файла — %1, а эта программа читает версии %2 и %3</translation>
    </message>
    <message>
        <source>its manifest is said to be %1 bytes long; it must be from 1 to %2</source>
        <translation>указанный размер манифеста в байтах — %1, а он должен быть от 1 до %2 байт</translation>
    </message>
    <message>
        <source>it ends early: the manifest needs %1 bytes but only %2 follow</source>
        <translation>файл обрывается раньше времени: для манифеста нужно байт: %1, а осталось только: %2</translation>
    </message>
    <message>
        <source>picture %1 %2</source>
        <translation>изображение %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 %2</source>
        <translation>изображение двойного размера %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 is %2 x %3 pixels; it must be twice picture %1&apos;s, %4 x %5</source>
        <translation>изображение двойного размера %1 имеет размер %2 × %3 пкс, а должно быть вдвое больше изображения %1, то есть %4 × %5 пкс</translation>
    </message>
    <message>
        <source>its pictures hold %1 pixels together; at most %2 are allowed</source>
        <translation>всего пикселей в его изображениях: %1, а допускается не более %2</translation>
    </message>
    <message>
        <source>the manifest would be longer than %1 bytes</source>
        <translation>манифест получился бы длиннее %1 байт</translation>
    </message>
    <message>
        <source>the file would be longer than %1 bytes</source>
        <translation>файл получился бы длиннее %1 байт</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a number</source>
        <translation>запись манифеста «%1» должна быть числом</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a text</source>
        <translation>запись манифеста «%1» должна быть текстом</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be an object</source>
        <translation>запись манифеста «%1» должна быть объектом</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a list</source>
        <translation>запись манифеста «%1» должна быть списком</translation>
    </message>
</context>
<context>
    <name>CharacterMenu</name>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Приостановить</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Stay on the Desktop</source>
        <translation>Оставаться на рабочем столе</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a reading speed, in percent of the character&apos;s own</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Same as the Interface</source>
        <translation>Как в интерфейсе</translation>
    </message>
</context>
<context>
    <name>CharacterWindow</name>
    <message>
        <source>Hide</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>Speech balloon</source>
        <translation>Облачко с репликой</translation>
    </message>
</context>
<context>
    <name>DesktopAgent</name>
    <message>
        <source>The speech character could not be loaded.

%1</source>
        <translation>Не удалось загрузить речевого персонажа.

%1</translation>
    </message>
    <message>
        <source>The character cannot speak aloud: %1. Its words are shown in its speech balloon only.</source>
        <translation>Персонаж не может говорить вслух: %1. Его слова будут показаны только в облачке с репликой.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>cannot open the display &quot;%1&quot;</source>
        <translation>не удаётся открыть дисплей «%1»</translation>
    </message>
    <message>
        <source>no X11 display to show the widget on: WAYLAND_DISPLAY is set but DISPLAY is not (on Wayland the widget needs XWayland)</source>
        <translation>нет дисплея X11 для показа виджета: переменная WAYLAND_DISPLAY задана, а DISPLAY — нет (в Wayland виджету нужен XWayland)</translation>
    </message>
    <message>
        <source>no display to show the widget on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>нет дисплея для показа виджета (не задана ни переменная DISPLAY, ни WAYLAND_DISPLAY)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Click for the menu, or press the menu key or Shift+F10.</source>
        <translation>Щёлкните, чтобы открыть меню, или нажмите клавишу контекстного меню либо Shift+F10.</translation>
    </message>
    <message>
        <source>Click here to rename your text.</source>
        <translation>Щёлкните здесь, чтобы изменить свой текст.</translation>
    </message>
    <message>
        <source>Click here to rename text.</source>
        <translation>Щёлкните здесь, чтобы изменить текст.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>Click or press F2 to change the note.</source>
        <translation>Щёлкните или нажмите F2, чтобы изменить заметку.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Left click Quornel or below the clock  for Popup Menu.</source>
        <translation>Щёлкните левой кнопкой мыши по Quornel или под часами, чтобы открыть меню.</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Changes are not being saved</source>
        <translation>Изменения не сохраняются</translation>
    </message>
    <message>
        <source>Click to show Quornel Desktop Notes.</source>
        <translation>Щёлкните, чтобы показать Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>All Settings</source>
        <translation>Все настройки</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>Настройки речи</translation>
    </message>
    <message>
        <source>Transparent Settings</source>
        <translation>Настройки прозрачности</translation>
    </message>
    <message>
        <source>Show Clock</source>
        <translation>Показывать часы</translation>
    </message>
    <message>
        <source>Read Current Notes</source>
        <translation>Прочитать заметки</translation>
    </message>
    <message>
        <source>Hide Quornel Desktop Notes</source>
        <translation>Скрыть Quornel Desktop Notes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Show Quornel Desktop Notes</source>
        <translation>Показать Quornel Desktop Notes</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>Changes are not being saved to &quot;%1&quot;.</source>
        <translation>Изменения не сохраняются в «%1».</translation>
    </message>
    <message>
        <source>You have the following notes: </source>
        <translation>У вас есть следующие заметки: </translation>
    </message>
    <message>
        <source>You must pick a Speech Agent Character if the speech is enabled. You can do this by clicking the Load Agent button in the Speech Settings window. If you do not have any Speech Agent Characters than disable the speech in the Speech Settings window.</source>
        <translation>Если речь включена, нужно выбрать персонажа речевого агента. Для этого нажмите кнопку «Загрузить агента» в окне «Настройки речи». Если у вас нет ни одного персонажа речевого агента, отключите речь в окне «Настройки речи».</translation>
    </message>
    <message>
        <source>The notification area that runs is of a kind this icon cannot use (the kind is chosen when Quornel Desktop Notes starts): hidden, the window would have no icon to come back from. Start Quornel Desktop Notes again to use it.</source>
        <translation>Работающая область уведомлений относится к типу, который этот значок не может использовать (тип выбирается при запуске Quornel Desktop Notes): если скрыть окно, не останется значка, через который его можно вернуть. Чтобы использовать эту область уведомлений, перезапустите Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>No notification area is running (neither a system tray nor a status notifier host): hidden, the window would have no icon to come back from.</source>
        <translation>Область уведомлений не запущена (нет ни системного лотка, ни узла StatusNotifier): если скрыть окно, не останется значка, через который его можно вернуть.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Rename Text</source>
        <translation>Изменить текст</translation>
    </message>
    <message>
        <source>Type your desktop note here.</source>
        <translation>Введите здесь текст заметки.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>Click here to apply the rename of your desktop note.</source>
        <translation>Щёлкните здесь, чтобы применить изменения заметки.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Click here to view your desktop note options.</source>
        <translation>Щёлкните здесь, чтобы открыть параметры заметки.</translation>
    </message>
    <message>
        <source>This note is too long to change here.</source>
        <translation>Эта заметка слишком длинная, чтобы изменить её здесь.</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Анимация</translation>
    </message>
    <message>
        <source>Chose if you would like to have &quot;Open Animation&quot; or &quot;Close Animation&quot;  by checking the appropriate check box.</source>
        <translation>Выберите, нужны ли «Анимация открытия» и «Анимация закрытия», установив соответствующие флажки.</translation>
    </message>
    <message>
        <source>Open Animation</source>
        <translation>Анимация открытия</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Open Animation&quot; on or off.</source>
        <translation>Щёлкните, чтобы включить или отключить параметр «Анимация открытия».</translation>
    </message>
    <message>
        <source>Close Animation</source>
        <translation>Анимация закрытия</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Close Animation&quot; on or off.</source>
        <translation>Щёлкните, чтобы включить или отключить параметр «Анимация закрытия».</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>Настройки речи</translation>
    </message>
    <message>
        <source>Click this to enable/disable the sppech in Quornel Desktop Notes.</source>
        <translation>Нажмите, чтобы включить или отключить речь в Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Current Text Color</source>
        <translation>Текущий цвет текста</translation>
    </message>
    <message>
        <source>Current text colour</source>
        <translation>Текущий цвет текста</translation>
    </message>
    <message>
        <source>Change Text Color</source>
        <translation>Изменить цвет текста</translation>
    </message>
    <message>
        <source>Click this button to change the color of all your text.</source>
        <translation>Нажмите эту кнопку, чтобы изменить цвет всего текста.</translation>
    </message>
    <message>
        <source>Transparency Settings </source>
        <translation>Настройки прозрачности</translation>
    </message>
    <message>
        <source>Click this to adjust the transparency setting in Quornel Desktop Notes.</source>
        <translation>Нажмите, чтобы настроить прозрачность Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <translation>Динамик</translation>
    </message>
    <message>
        <source>Pick a color for the text.</source>
        <translation>Выберите цвет текста.</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Speech Settings</source>
        <translation>Настройки речи</translation>
    </message>
    <message>
        <source>Enable Speech</source>
        <translation>Включить речь</translation>
    </message>
    <message>
        <source>Check this to enable/disable the speech for Quornel Desktop Notes.</source>
        <translation>Установите или снимите флажок, чтобы включить или отключить речь в Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Load Agent</source>
        <translation>Загрузить агента</translation>
    </message>
    <message>
        <source>Click this button to load an Agent the will read your note(s).</source>
        <translation>Нажмите эту кнопку, чтобы загрузить агента, который будет читать ваши заметки.</translation>
    </message>
    <message>
        <source>Agent Name:</source>
        <translation>Имя агента:</translation>
    </message>
    <message>
        <source>This is the name of you agent.</source>
        <translation>Имя вашего агента.</translation>
    </message>
    <message>
        <source>Read notes on startup</source>
        <translation>Читать заметки при запуске</translation>
    </message>
    <message>
        <source>Click this if you would like to have Quornel read your notes when he starts up.</source>
        <translation>Отметьте, если хотите, чтобы Quornel читал ваши заметки при запуске.</translation>
    </message>
    <message>
        <source>Speech Agent Characters|*.qchar</source>
        <translation>Персонажи речевого агента|*.qchar</translation>
    </message>
    <message>
        <source>You must restart Quornel Desktop Notes in order for the changes to take place.</source>
        <translation>Чтобы изменения вступили в силу, перезапустите Quornel Desktop Notes.</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Transparency Settings</source>
        <translation>Настройки прозрачности</translation>
    </message>
    <message>
        <source>Enable Transparency (Compositing Desktops Only)</source>
        <translation>Включить прозрачность (только при композитинге)</translation>
    </message>
    <message>
        <source>Enable this to see cool tranparency effects on a compositing desktop.</source>
        <translation>Включите, чтобы увидеть красивые эффекты прозрачности на рабочем столе с композитингом.</translation>
    </message>
    <message>
        <source>Not Visable</source>
        <translation>Не видно</translation>
    </message>
    <message>
        <source>Visable</source>
        <translation>Видно</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Видимость</translation>
    </message>
    <message>
        <source>From not visible (0) to fully visible (255).</source>
        <translation>От полностью невидимого (0) до полностью видимого (255).</translation>
    </message>
    <message>
        <source>Precent Visable        %</source>
        <translation>Видимость        %</translation>
    </message>
</context>
<context>
    <name>NoteStore</name>
    <message>
        <source>A change could not be saved to the note store &quot;%1&quot;: %2. The program keeps the change and saves it as soon as it can; changes not saved by then are lost when the program ends.</source>
        <translation>Не удалось сохранить изменение в хранилище заметок «%1»: %2. Программа помнит изменение и сохранит его, как только сможет; изменения, не сохранённые к моменту завершения программы, будут потеряны.</translation>
    </message>
</context>
<context>
    <name>OneCopy</name>
    <message>
        <source>A folder &quot;%1&quot; stands where Quornel Desktop Notes keeps the lock of its note store. The folder is left as it is; the lock is kept elsewhere.</source>
        <translation>Там, где Quornel Desktop Notes хранит блокировку своего хранилища заметок, находится папка «%1». Папка оставлена как есть; блокировка будет храниться в другом месте.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>A note on the desktop, with a clock and a mascot who reads it aloud.
Without an option the note store is &quot;%1&quot; in the working folder.</source>
        <translation>Заметка на рабочем столе с часами и талисманом, который читает её вслух.
Без параметров хранилищем заметок служит файл «%1» в рабочей папке.</translation>
    </message>
    <message>
        <source>Keep the note in the store &lt;file&gt;.</source>
        <translation>Хранить заметку в хранилище &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Keep the note in the per-user store under $XDG_DATA_HOME.</source>
        <translation>Хранить заметку в хранилище пользователя в $XDG_DATA_HOME.</translation>
    </message>
    <message>
        <source>Start the widget on the store named here (--user, --store or the working folder&apos;s) when you log in: on or off.</source>
        <translation>Запускать виджет с указанным здесь хранилищем (--user, --store или хранилищем рабочей папки) при входе в систему: on или off.</translation>
    </message>
    <message>
        <source>--store and --user name two stores; give one</source>
        <translation>--store и --user указывают два разных хранилища; укажите одно</translation>
    </message>
    <message>
        <source>--autostart takes on or off</source>
        <translation>для --autostart укажите on или off</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>неожиданный аргумент «%1»; см. --help</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for the note store cannot be made.</source>
        <translation>Не удаётся создать папку «%1» для хранилища заметок.</translation>
    </message>
    <message>
        <source>Another copy of Quornel Desktop Notes keeps its note in &quot;%1&quot; but does not answer.</source>
        <translation>Другая копия Quornel Desktop Notes хранит свою заметку в «%1», но не отвечает.</translation>
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
        <translation>синтезатор речи перестал отвечать</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly</source>
        <translation>синтезатор речи неожиданно завершил работу</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly (exit status %1)</source>
        <translation>синтезатор речи неожиданно завершил работу (код завершения %1)</translation>
    </message>
    <message>
        <source>the speaker &quot;%1&quot; could not be started (%2)</source>
        <translation>не удалось запустить синтезатор речи «%1» (%2)</translation>
    </message>
    <message>
        <source>the speaker said something that does not decode</source>
        <translation>синтезатор речи вернул данные, которые не удаётся разобрать</translation>
    </message>
</context>
<context>
    <name>SqliteFile</name>
    <message>
        <source>The note store &quot;%1&quot; cannot be used: %2.</source>
        <translation>Хранилище заметок «%1» нельзя использовать: %2.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>это не файл</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>его не удаётся прочитать</translation>
    </message>
    <message>
        <source>there is none, and none can be made in its folder (%1)</source>
        <translation>его нет, и создать его в этой папке не удаётся (%1)</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is on a read-only disk: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>Хранилище заметок «%1» находится на диске, доступном только для чтения: заметка показана такой, какой была сохранена в последний раз, но новые изменения сохранить не получится.</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is read-only: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>Хранилище заметок «%1» доступно только для чтения: заметка показана такой, какой была сохранена в последний раз, но новые изменения сохранить не получится.</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is in a read-only folder: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>Хранилище заметок «%1» находится в папке, доступной только для чтения: заметка показана такой, какой была сохранена в последний раз, но новые изменения сохранить не получится.</translation>
    </message>
    <message>
        <source>the database is damaged (%1)</source>
        <translation>база данных повреждена (%1)</translation>
    </message>
    <message>
        <source>another program removed its settings record; it is written back as the program shows it</source>
        <translation>другая программа удалила из него запись настроек; запись восстановлена в том виде, в каком её показывает программа</translation>
    </message>
    <message>
        <source>another program removed its note record; it is written back as the program shows it</source>
        <translation>другая программа удалила из него запись заметки; запись восстановлена в том виде, в каком её показывает программа</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>another program holds it locked</source>
        <translation>оно заблокировано другой программой</translation>
    </message>
    <message>
        <source>it can no longer be written to</source>
        <translation>запись в него больше невозможна</translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation>ошибка диска (%1)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
</context>
</TS>
