<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>Autostart</name>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be removed.</source>
        <translation>لا يمكن إزالة مُدخل البدء التلقائي &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written.</source>
        <translation>لا يمكن كتابة مُدخل البدء التلقائي &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written: %2</source>
        <translation>لا يمكن كتابة مُدخل البدء التلقائي &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>CharacterFile</name>
    <message>
        <source>the manifest has no entry &quot;%1&quot;</source>
        <translation>لا يحتوي البيان على المُدخل &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>يجب أن يكون مُدخل البيان &quot;%1&quot; عددًا صحيحًا من %2 إلى %3</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must list from %2 to %3 items, not %4</source>
        <translation>يجب أن يكون عدد عناصر مُدخل البيان &quot;%1&quot; من %2 إلى %3، لا %4</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1[%2]&quot; must be an object</source>
        <translation>يجب أن يكون مُدخل البيان &quot;%1[%2]&quot; كائنًا</translation>
    </message>
    <message>
        <source>the manifest has an unknown entry &quot;%1&quot;</source>
        <translation>يحتوي البيان على مُدخل مجهول &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; has an unknown entry &quot;%2&quot;</source>
        <translation>يحتوي مُدخل البيان &quot;%1&quot; على مُدخل مجهول &quot;%2&quot;</translation>
    </message>
    <message>
        <source>is not a PNG picture</source>
        <translation>ليست صورة PNG</translation>
    </message>
    <message>
        <source>is not a PNG picture (it does not begin with its header chunk)</source>
        <translation>ليست صورة PNG (لا تبدأ بمقطع الترويسة)</translation>
    </message>
    <message>
        <source>is %1 x %2 pixels; each side must be from 1 to %3</source>
        <translation>أبعادها %1 x %2 بكسل، ويجب أن يكون طول كل ضلع من 1 إلى %3</translation>
    </message>
    <message>
        <source>is damaged: </source>
        <translation>تالفة: </translation>
    </message>
    <message>
        <source>its header chunk declares a kind of picture that PNG does not have</source>
        <translation>يصرّح مقطع ترويستها بنوع صورة لا وجود له في PNG</translation>
    </message>
    <message>
        <source>it ends in the middle of a chunk</source>
        <translation>تنتهي في منتصف أحد المقاطع</translation>
    </message>
    <message>
        <source>it holds a chunk whose type is not four letters</source>
        <translation>تحتوي على مقطع ليس نوعه أربعة أحرف</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (it declares %2 bytes; %3 follow)</source>
        <translation>يتجاوز مقطعها &quot;%1&quot; نهاية الصورة (يصرّح بأن طوله %2 بايت، والمتبقي %3 بايت فقط)</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (its checksum is cut off)</source>
        <translation>يتجاوز مقطعها &quot;%1&quot; نهاية الصورة (مجموع التحقق الخاص به مبتور)</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk&apos;s checksum is wrong</source>
        <translation>مجموع التحقق لمقطعها &quot;%1&quot; خاطئ</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk is out of place</source>
        <translation>مقطعها &quot;%1&quot; في غير موضعه</translation>
    </message>
    <message>
        <source>its image data is split by other chunks</source>
        <translation>بيانات صورتها تفصل بينها مقاطع أخرى</translation>
    </message>
    <message>
        <source>its palette does not fit the picture</source>
        <translation>لوحة ألوانها لا تلائم الصورة</translation>
    </message>
    <message>
        <source>its transparency does not fit the picture</source>
        <translation>بيانات شفافيتها لا تلائم الصورة</translation>
    </message>
    <message>
        <source>it holds a critical chunk &quot;%1&quot; this program does not know</source>
        <translation>تحتوي على مقطع حرج &quot;%1&quot; لا يعرفه هذا البرنامج</translation>
    </message>
    <message>
        <source>it ends without its end chunk</source>
        <translation>تنتهي دون مقطع النهاية</translation>
    </message>
    <message>
        <source>%1 bytes follow its end chunk</source>
        <translation>يوجد %1 بايت بعد مقطع النهاية</translation>
    </message>
    <message>
        <source>it has no image data</source>
        <translation>لا تحتوي على بيانات صورة</translation>
    </message>
    <message>
        <source>it has no palette</source>
        <translation>لا تحتوي على لوحة ألوان</translation>
    </message>
    <message>
        <source>is not a readable PNG picture</source>
        <translation>ليست صورة PNG قابلة للقراءة</translation>
    </message>
    <message>
        <source>is not a readable PNG picture (%1)</source>
        <translation>ليست صورة PNG قابلة للقراءة (%1)</translation>
    </message>
    <message>
        <source>decodes to a different size than its header declares</source>
        <translation>حجمها بعد فك الترميز يختلف عمّا تصرّح به ترويستها</translation>
    </message>
    <message>
        <source>The character file &quot;%1&quot; cannot be used: %2.</source>
        <translation>لا يمكن استخدام ملف الشخصية &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>No character file was named.</source>
        <translation>لم يُحدَّد أي ملف شخصية.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>إنه مجلد وليس ملفًا</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>it is %1 bytes long; a character file may have at most %2</source>
        <translation>حجمه %1 بايت، والحد الأقصى لحجم ملف الشخصية %2 بايت</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>تتعذّر قراءته (%1)</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a character file may have</source>
        <translation>حجمه يتجاوز %1 بايت، وهو الحد الأقصى لحجم ملف الشخصية</translation>
    </message>
    <message>
        <source>the name must be 1 to %1 printable characters</source>
        <translation>يجب أن يتكون الاسم من 1 إلى %1 من المحارف القابلة للطباعة</translation>
    </message>
    <message>
        <source>the voice name &quot;%1&quot; is not a valid voice name</source>
        <translation>اسم الصوت &quot;%1&quot; ليس اسم صوت صالحًا</translation>
    </message>
    <message>
        <source>the voice rate must be from %1 to %2</source>
        <translation>يجب أن تكون سرعة الصوت من %1 إلى %2</translation>
    </message>
    <message>
        <source>the voice pitch must be from %1 to %2</source>
        <translation>يجب أن تكون طبقة الصوت من %1 إلى %2</translation>
    </message>
    <message>
        <source>a character needs 1 to %1 pictures</source>
        <translation>يجب أن يكون عدد صور الشخصية من 1 إلى %1</translation>
    </message>
    <message>
        <source>a character has a double-size picture for every picture or for none</source>
        <translation>يجب أن تكون للشخصية صورة مضاعفة الحجم لكل صورة من صورها، أو ألا تكون لها أي صورة مضاعفة الحجم</translation>
    </message>
    <message>
        <source>the appearing animation may have at most %1 frames</source>
        <translation>يجب ألا يتجاوز عدد إطارات حركة الظهور %1</translation>
    </message>
    <message>
        <source>the idle pose needs 1 to %1 frames</source>
        <translation>يجب أن يكون عدد إطارات وضعية الانتظار من 1 إلى %1</translation>
    </message>
    <message>
        <source>a character needs %1 to %2 mouth shapes</source>
        <translation>يجب أن يكون عدد أشكال الفم للشخصية من %1 إلى %2</translation>
    </message>
    <message>
        <source>a frame refers to picture %1, which does not exist</source>
        <translation>يشير أحد الإطارات إلى الصورة %1، وهي غير موجودة</translation>
    </message>
    <message>
        <source>a frame lasts %1 ms; frames last from %2 to %3 ms</source>
        <translation>مدة أحد الإطارات %1 ملّي ثانية، ويجب أن تكون مدة الإطار من %2 إلى %3 ملّي ثانية</translation>
    </message>
    <message>
        <source>the mouth shape name &quot;%1&quot; is not valid (small letters, digits, &quot;-&quot; and &quot;_&quot;, up to 32)</source>
        <translation>اسم شكل الفم &quot;%1&quot; غير صالح (أحرف لاتينية صغيرة وأرقام و&quot;-&quot; و&quot;_&quot;، حتى 32 محرفًا)</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; is given twice</source>
        <translation>شكل الفم &quot;%1&quot; مذكور مرتين</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; refers to picture %2, which does not exist</source>
        <translation>يشير شكل الفم &quot;%1&quot; إلى الصورة %2، وهي غير موجودة</translation>
    </message>
    <message>
        <source>its manifest is not valid JSON (%1 at byte %2)</source>
        <translation>البيان ليس JSON صالحًا (%1 عند البايت %2)</translation>
    </message>
    <message>
        <source>its manifest is not a JSON object</source>
        <translation>البيان ليس كائن JSON</translation>
    </message>
    <message>
        <source>it ends early: picture %1 needs %2 bytes but only %3 are left</source>
        <translation>ينتهي الملف قبل أوانه: تحتاج الصورة %1 إلى %2 بايت، لكن لم يتبقَّ سوى %3</translation>
    </message>
    <message>
        <source>it ends early: double-size picture %1 needs %2 bytes but only %3 are left</source>
        <translation>ينتهي الملف قبل أوانه: تحتاج الصورة مضاعفة الحجم %1 إلى %2 بايت، لكن لم يتبقَّ سوى %3</translation>
    </message>
    <message>
        <source>%1 bytes follow its last picture</source>
        <translation>يوجد %1 بايت بعد آخر صورة</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>الملف فارغ</translation>
    </message>
    <message>
        <source>it is not a character file (its header is wrong)</source>
        <translation>ليس ملف شخصية (ترويسته خاطئة)</translation>
    </message>
    <message>
        <source>it ends early, within its header</source>
        <translation>ينتهي الملف قبل أوانه، داخل ترويسته</translation>
    </message>
    <message>
        <source>it is of format version %1; this program reads versions %2 and %3</source>
        <translation>إصدار تنسيقه %1، وهذا البرنامج يقرأ الإصدارين %2 و%3 فقط</translation>
    </message>
    <message>
        <source>its manifest is said to be %1 bytes long; it must be from 1 to %2</source>
        <translation>يُذكر أن حجم البيان %1 بايت، ويجب أن يكون من 1 إلى %2</translation>
    </message>
    <message>
        <source>it ends early: the manifest needs %1 bytes but only %2 follow</source>
        <translation>ينتهي الملف قبل أوانه: يحتاج البيان إلى %1 بايت، لكن لا يليه سوى %2</translation>
    </message>
    <message>
        <source>picture %1 %2</source>
        <translation>الصورة %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 %2</source>
        <translation>الصورة مضاعفة الحجم %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 is %2 x %3 pixels; it must be twice picture %1&apos;s, %4 x %5</source>
        <translation>أبعاد الصورة مضاعفة الحجم %1 هي %2 x %3 بكسل، ويجب أن تكون ضعف أبعاد الصورة %1، أي %4 x %5</translation>
    </message>
    <message>
        <source>its pictures hold %1 pixels together; at most %2 are allowed</source>
        <translation>مجموع بكسلات صوره %1، والحد الأقصى المسموح به %2</translation>
    </message>
    <message>
        <source>the manifest would be longer than %1 bytes</source>
        <translation>سيتجاوز حجم البيان %1 بايت</translation>
    </message>
    <message>
        <source>the file would be longer than %1 bytes</source>
        <translation>سيتجاوز حجم الملف %1 بايت</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a number</source>
        <translation>يجب أن يكون مُدخل البيان &quot;%1&quot; عددًا</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a text</source>
        <translation>يجب أن يكون مُدخل البيان &quot;%1&quot; نصًا</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be an object</source>
        <translation>يجب أن يكون مُدخل البيان &quot;%1&quot; كائنًا</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a list</source>
        <translation>يجب أن يكون مُدخل البيان &quot;%1&quot; قائمة</translation>
    </message>
</context>
<context>
    <name>CharacterMenu</name>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>استئناف</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>Stay on the Desktop</source>
        <translation>البقاء على سطح المكتب</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a reading speed, in percent of the character&apos;s own</comment>
        <translation>%1٪</translation>
    </message>
    <message>
        <source>Same as the Interface</source>
        <translation>مثل الواجهة</translation>
    </message>
</context>
<context>
    <name>CharacterWindow</name>
    <message>
        <source>Hide</source>
        <translation>إخفاء</translation>
    </message>
    <message>
        <source>Speech balloon</source>
        <translation>فقاعة الكلام</translation>
    </message>
</context>
<context>
    <name>DesktopAgent</name>
    <message>
        <source>The speech character could not be loaded.

%1</source>
        <translation>تعذّر تحميل شخصية النطق.

%1</translation>
    </message>
    <message>
        <source>The character cannot speak aloud: %1. Its words are shown in its speech balloon only.</source>
        <translation>لا تستطيع الشخصية النطق بصوت مسموع: %1. ستظهر كلماتها في فقاعة الكلام فقط.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>cannot open the display &quot;%1&quot;</source>
        <translation>لا يمكن فتح العرض &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no X11 display to show the widget on: WAYLAND_DISPLAY is set but DISPLAY is not (on Wayland the widget needs XWayland)</source>
        <translation>لا يوجد عرض X11 لإظهار الأداة عليه: المتغير WAYLAND_DISPLAY مضبوط لكن DISPLAY غير مضبوط (تحتاج الأداة على Wayland إلى XWayland)</translation>
    </message>
    <message>
        <source>no display to show the widget on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>لا يوجد عرض لإظهار الأداة عليه (لم يُضبط DISPLAY ولا WAYLAND_DISPLAY)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Click for the menu, or press the menu key or Shift+F10.</source>
        <translation>انقر لفتح القائمة، أو اضغط مفتاح القائمة أو Shift+F10.</translation>
    </message>
    <message>
        <source>Click here to rename your text.</source>
        <translation>انقر هنا لتغيير نصك.</translation>
    </message>
    <message>
        <source>Click here to rename text.</source>
        <translation>انقر هنا لتغيير النص.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <source>Click or press F2 to change the note.</source>
        <translation>انقر أو اضغط F2 لتغيير الملاحظة.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>الساعة</translation>
    </message>
    <message>
        <source>Left click Quornel or below the clock  for Popup Menu.</source>
        <translation>انقر بالزر الأيسر على Quornel أو أسفل الساعة لفتح القائمة المنبثقة.</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>Changes are not being saved</source>
        <translation>التغييرات لا تُحفظ</translation>
    </message>
    <message>
        <source>Click to show Quornel Desktop Notes.</source>
        <translation>انقر لإظهار Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>All Settings</source>
        <translation>كل الإعدادات</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>إعدادات النطق</translation>
    </message>
    <message>
        <source>Transparent Settings</source>
        <translation>إعدادات الشفافية</translation>
    </message>
    <message>
        <source>Show Clock</source>
        <translation>إظهار الساعة</translation>
    </message>
    <message>
        <source>Read Current Notes</source>
        <translation>قراءة الملاحظات الحالية</translation>
    </message>
    <message>
        <source>Hide Quornel Desktop Notes</source>
        <translation>إخفاء Quornel Desktop Notes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Show Quornel Desktop Notes</source>
        <translation>إظهار Quornel Desktop Notes</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>البدء عند الولوج</translation>
    </message>
    <message>
        <source>Changes are not being saved to &quot;%1&quot;.</source>
        <translation>التغييرات لا تُحفظ في &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>You have the following notes: </source>
        <translation>لديك الملاحظات التالية: </translation>
    </message>
    <message>
        <source>You must pick a Speech Agent Character if the speech is enabled. You can do this by clicking the Load Agent button in the Speech Settings window. If you do not have any Speech Agent Characters than disable the speech in the Speech Settings window.</source>
        <translation>يجب أن تختار شخصية نطق ما دام النطق مفعّلًا. يمكنك ذلك بالنقر على زر &quot;تحميل شخصية&quot; في نافذة &quot;إعدادات النطق&quot;. وإن لم تكن لديك أي شخصية نطق، فعطّل النطق في نافذة &quot;إعدادات النطق&quot;.</translation>
    </message>
    <message>
        <source>The notification area that runs is of a kind this icon cannot use (the kind is chosen when Quornel Desktop Notes starts): hidden, the window would have no icon to come back from. Start Quornel Desktop Notes again to use it.</source>
        <translation>منطقة الإشعارات العاملة من نوع لا تستطيع هذه الأيقونة استخدامه (يُحدَّد النوع عند بدء Quornel Desktop Notes): لو أُخفيت النافذة لما وُجدت أيقونة تعود منها. أعد تشغيل Quornel Desktop Notes لاستخدامها.</translation>
    </message>
    <message>
        <source>No notification area is running (neither a system tray nor a status notifier host): hidden, the window would have no icon to come back from.</source>
        <translation>لا توجد منطقة إشعارات عاملة (لا صينية نظام ولا مضيف لمُخطِرات الحالة): لو أُخفيت النافذة لما وُجدت أيقونة تعود منها.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Rename Text</source>
        <translation>تغيير النص</translation>
    </message>
    <message>
        <source>Type your desktop note here.</source>
        <translation>اكتب ملاحظة سطح المكتب هنا.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <source>Click here to apply the rename of your desktop note.</source>
        <translation>انقر هنا لتطبيق تغيير ملاحظة سطح المكتب.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Click here to view your desktop note options.</source>
        <translation>انقر هنا لعرض خيارات ملاحظة سطح المكتب.</translation>
    </message>
    <message>
        <source>This note is too long to change here.</source>
        <translation>هذه الملاحظة أطول من أن تُغيَّر هنا.</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>الحركة</translation>
    </message>
    <message>
        <source>Chose if you would like to have &quot;Open Animation&quot; or &quot;Close Animation&quot;  by checking the appropriate check box.</source>
        <translation>اختر ما إذا كنت تريد &quot;حركة الفتح&quot; أو &quot;حركة الإغلاق&quot; بتأشير مربع الاختيار المناسب.</translation>
    </message>
    <message>
        <source>Open Animation</source>
        <translation>حركة الفتح</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Open Animation&quot; on or off.</source>
        <translation>انقر لتفعيل &quot;حركة الفتح&quot; أو تعطيلها.</translation>
    </message>
    <message>
        <source>Close Animation</source>
        <translation>حركة الإغلاق</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Close Animation&quot; on or off.</source>
        <translation>انقر لتفعيل &quot;حركة الإغلاق&quot; أو تعطيلها.</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>إعدادات النطق</translation>
    </message>
    <message>
        <source>Click this to enable/disable the sppech in Quornel Desktop Notes.</source>
        <translation>انقر هنا لتفعيل النطق في Quornel Desktop Notes أو تعطيله.</translation>
    </message>
    <message>
        <source>Current Text Color</source>
        <translation>لون النص الحالي</translation>
    </message>
    <message>
        <source>Current text colour</source>
        <translation>لون النص الحالي</translation>
    </message>
    <message>
        <source>Change Text Color</source>
        <translation>تغيير لون النص</translation>
    </message>
    <message>
        <source>Click this button to change the color of all your text.</source>
        <translation>انقر هذا الزر لتغيير لون نصك كله.</translation>
    </message>
    <message>
        <source>Transparency Settings </source>
        <translation>إعدادات الشفافية</translation>
    </message>
    <message>
        <source>Click this to adjust the transparency setting in Quornel Desktop Notes.</source>
        <translation>انقر هنا لضبط إعداد الشفافية في Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <translation>مكبّر الصوت</translation>
    </message>
    <message>
        <source>Pick a color for the text.</source>
        <translation>اختر لونًا للنص.</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Speech Settings</source>
        <translation>إعدادات النطق</translation>
    </message>
    <message>
        <source>Enable Speech</source>
        <translation>تفعيل النطق</translation>
    </message>
    <message>
        <source>Check this to enable/disable the speech for Quornel Desktop Notes.</source>
        <translation>أشّر هذا الخيار لتفعيل النطق في Quornel Desktop Notes أو تعطيله.</translation>
    </message>
    <message>
        <source>Load Agent</source>
        <translation>تحميل شخصية</translation>
    </message>
    <message>
        <source>Click this button to load an Agent the will read your note(s).</source>
        <translation>انقر هذا الزر لتحميل شخصية تقرأ ملاحظاتك.</translation>
    </message>
    <message>
        <source>Agent Name:</source>
        <translation>اسم الشخصية:</translation>
    </message>
    <message>
        <source>This is the name of you agent.</source>
        <translation>هذا اسم شخصيتك.</translation>
    </message>
    <message>
        <source>Read notes on startup</source>
        <translation>قراءة الملاحظات عند البدء</translation>
    </message>
    <message>
        <source>Click this if you would like to have Quornel read your notes when he starts up.</source>
        <translation>انقر هنا إذا أردت أن يقرأ Quornel ملاحظاتك عند بدء تشغيله.</translation>
    </message>
    <message>
        <source>Speech Agent Characters|*.qchar</source>
        <translation>شخصيات النطق|*.qchar</translation>
    </message>
    <message>
        <source>You must restart Quornel Desktop Notes in order for the changes to take place.</source>
        <translation>يجب إعادة تشغيل Quornel Desktop Notes لتسري التغييرات.</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Transparency Settings</source>
        <translation>إعدادات الشفافية</translation>
    </message>
    <message>
        <source>Enable Transparency (Compositing Desktops Only)</source>
        <translation>تفعيل الشفافية (لأسطح المكتب المركِّبة فقط)</translation>
    </message>
    <message>
        <source>Enable this to see cool tranparency effects on a compositing desktop.</source>
        <translation>فعّل هذا الخيار لترى تأثيرات شفافية رائعة على سطح مكتب مركِّب.</translation>
    </message>
    <message>
        <source>Not Visable</source>
        <translation>غير مرئي</translation>
    </message>
    <message>
        <source>Visable</source>
        <translation>مرئي</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>الظهور</translation>
    </message>
    <message>
        <source>From not visible (0) to fully visible (255).</source>
        <translation>من غير مرئي (0) إلى مرئي تمامًا (255).</translation>
    </message>
    <message>
        <source>Precent Visable        %</source>
        <translation>نسبة الظهور        ٪</translation>
    </message>
</context>
<context>
    <name>NoteStore</name>
    <message>
        <source>A change could not be saved to the note store &quot;%1&quot;: %2. The program keeps the change and saves it as soon as it can; changes not saved by then are lost when the program ends.</source>
        <translation>تعذّر حفظ تغيير في مخزن الملاحظات &quot;%1&quot;: %2. يحتفظ البرنامج بالتغيير ويحفظه حالما يستطيع، أما التغييرات التي لم تُحفظ حتى انتهاء البرنامج فستضيع.</translation>
    </message>
</context>
<context>
    <name>OneCopy</name>
    <message>
        <source>A folder &quot;%1&quot; stands where Quornel Desktop Notes keeps the lock of its note store. The folder is left as it is; the lock is kept elsewhere.</source>
        <translation>يوجد مجلد &quot;%1&quot; في الموضع الذي يحفظ فيه Quornel Desktop Notes قفل مخزن ملاحظاته. سيُترك المجلد كما هو، ويُحفظ القفل في مكان آخر.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>A note on the desktop, with a clock and a mascot who reads it aloud.
Without an option the note store is &quot;%1&quot; in the working folder.</source>
        <translation>ملاحظة على سطح المكتب، مع ساعة وتميمة تقرؤها بصوت عالٍ.
دون أي خيار، يكون مخزن الملاحظات هو &quot;%1&quot; في مجلد العمل.</translation>
    </message>
    <message>
        <source>Keep the note in the store &lt;file&gt;.</source>
        <translation>احفظ الملاحظة في المخزن &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Keep the note in the per-user store under $XDG_DATA_HOME.</source>
        <translation>احفظ الملاحظة في مخزن المستخدم الخاص ضمن $XDG_DATA_HOME.</translation>
    </message>
    <message>
        <source>Start the widget on the store named here (--user, --store or the working folder&apos;s) when you log in: on or off.</source>
        <translation>شغّل الأداة عند الولوج على المخزن المحدد هنا (--user أو --store أو مخزن مجلد العمل): on أو off.</translation>
    </message>
    <message>
        <source>--store and --user name two stores; give one</source>
        <translation>يحدد الخياران --store و --user مخزنين اثنين؛ استخدم أحدهما فقط</translation>
    </message>
    <message>
        <source>--autostart takes on or off</source>
        <translation>لا يقبل --autostart إلا القيمة on أو off</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>وسيط غير متوقع &apos;%1&apos;؛ راجع --help</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for the note store cannot be made.</source>
        <translation>لا يمكن إنشاء المجلد &quot;%1&quot; لمخزن الملاحظات.</translation>
    </message>
    <message>
        <source>Another copy of Quornel Desktop Notes keeps its note in &quot;%1&quot; but does not answer.</source>
        <translation>توجد نسخة أخرى من Quornel Desktop Notes تحفظ ملاحظتها في &quot;%1&quot;، لكنها لا تستجيب.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>SpeakerEngine</name>
    <message>
        <source>the speaker stopped answering</source>
        <translation>توقف برنامج النطق عن الاستجابة</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly</source>
        <translation>انتهى برنامج النطق على نحو غير متوقع</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly (exit status %1)</source>
        <translation>انتهى برنامج النطق على نحو غير متوقع (حالة الخروج %1)</translation>
    </message>
    <message>
        <source>the speaker &quot;%1&quot; could not be started (%2)</source>
        <translation>تعذّر بدء برنامج النطق &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>the speaker said something that does not decode</source>
        <translation>أرسل برنامج النطق بيانات يتعذّر فك ترميزها</translation>
    </message>
</context>
<context>
    <name>SqliteFile</name>
    <message>
        <source>The note store &quot;%1&quot; cannot be used: %2.</source>
        <translation>لا يمكن استخدام مخزن الملاحظات &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ليس ملفًا</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>تتعذّر قراءته</translation>
    </message>
    <message>
        <source>there is none, and none can be made in its folder (%1)</source>
        <translation>غير موجود، ولا يمكن إنشاؤه في مجلده (%1)</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is on a read-only disk: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>مخزن الملاحظات &quot;%1&quot; على قرص للقراءة فقط: تُعرض الملاحظة كما حُفظت آخر مرة، لكن لا يمكن الاحتفاظ بالتغييرات التي تُجرى الآن.</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is read-only: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>مخزن الملاحظات &quot;%1&quot; للقراءة فقط: تُعرض الملاحظة كما حُفظت آخر مرة، لكن لا يمكن الاحتفاظ بالتغييرات التي تُجرى الآن.</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is in a read-only folder: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>مخزن الملاحظات &quot;%1&quot; في مجلد للقراءة فقط: تُعرض الملاحظة كما حُفظت آخر مرة، لكن لا يمكن الاحتفاظ بالتغييرات التي تُجرى الآن.</translation>
    </message>
    <message>
        <source>the database is damaged (%1)</source>
        <translation>قاعدة البيانات تالفة (%1)</translation>
    </message>
    <message>
        <source>another program removed its settings record; it is written back as the program shows it</source>
        <translation>حذف برنامج آخر سجل الإعدادات منه، وقد أُعيدت كتابته كما يعرضه البرنامج</translation>
    </message>
    <message>
        <source>another program removed its note record; it is written back as the program shows it</source>
        <translation>حذف برنامج آخر سجل الملاحظة منه، وقد أُعيدت كتابته كما يعرضه البرنامج</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>another program holds it locked</source>
        <translation>برنامج آخر يقفله</translation>
    </message>
    <message>
        <source>it can no longer be written to</source>
        <translation>لم تعد الكتابة إليه ممكنة</translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation>أبلغ القرص عن خطأ (%1)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>نفدت الذاكرة</translation>
    </message>
</context>
</TS>
