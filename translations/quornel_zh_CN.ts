<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Autostart</name>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be removed.</source>
        <translation>无法删除自动启动项“%1”。</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written.</source>
        <translation>无法写入自动启动项“%1”。</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written: %2</source>
        <translation>无法写入自动启动项“%1”：%2</translation>
    </message>
</context>
<context>
    <name>CharacterFile</name>
    <message>
        <source>the manifest has no entry &quot;%1&quot;</source>
        <translation>清单中没有条目“%1”</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>清单条目“%1”必须是 %2 到 %3 之间的整数</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must list from %2 to %3 items, not %4</source>
        <translation>清单条目“%1”必须列出 %2 到 %3 项，而不是 %4 项</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1[%2]&quot; must be an object</source>
        <translation>清单条目“%1[%2]”必须是对象</translation>
    </message>
    <message>
        <source>the manifest has an unknown entry &quot;%1&quot;</source>
        <translation>清单中有未知条目“%1”</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; has an unknown entry &quot;%2&quot;</source>
        <translation>清单条目“%1”中有未知条目“%2”</translation>
    </message>
    <message>
        <source>is not a PNG picture</source>
        <translation>不是 PNG 图片</translation>
    </message>
    <message>
        <source>is not a PNG picture (it does not begin with its header chunk)</source>
        <translation>不是 PNG 图片（开头不是头部数据块）</translation>
    </message>
    <message>
        <source>is %1 x %2 pixels; each side must be from 1 to %3</source>
        <translation>大小为 %1 x %2 像素；每条边必须在 1 到 %3 像素之间</translation>
    </message>
    <message>
        <source>is damaged: </source>
        <translation>已损坏：</translation>
    </message>
    <message>
        <source>its header chunk declares a kind of picture that PNG does not have</source>
        <translation>头部数据块声明了 PNG 中不存在的图片类型</translation>
    </message>
    <message>
        <source>it ends in the middle of a chunk</source>
        <translation>图片在某个数据块的中途结束</translation>
    </message>
    <message>
        <source>it holds a chunk whose type is not four letters</source>
        <translation>图片含有类型名不是四个字母的数据块</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (it declares %2 bytes; %3 follow)</source>
        <translation>“%1”数据块超出了图片末尾（声明长度为 %2 字节，其后只有 %3 字节）</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (its checksum is cut off)</source>
        <translation>“%1”数据块超出了图片末尾（校验和被截断）</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk&apos;s checksum is wrong</source>
        <translation>“%1”数据块的校验和错误</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk is out of place</source>
        <translation>“%1”数据块的位置不正确</translation>
    </message>
    <message>
        <source>its image data is split by other chunks</source>
        <translation>图像数据被其他数据块隔开</translation>
    </message>
    <message>
        <source>its palette does not fit the picture</source>
        <translation>调色板与图片不符</translation>
    </message>
    <message>
        <source>its transparency does not fit the picture</source>
        <translation>透明度信息与图片不符</translation>
    </message>
    <message>
        <source>it holds a critical chunk &quot;%1&quot; this program does not know</source>
        <translation>图片含有本程序无法识别的关键数据块“%1”</translation>
    </message>
    <message>
        <source>it ends without its end chunk</source>
        <translation>图片缺少结束数据块</translation>
    </message>
    <message>
        <source>%1 bytes follow its end chunk</source>
        <translation>结束数据块之后还有 %1 字节</translation>
    </message>
    <message>
        <source>it has no image data</source>
        <translation>图片没有图像数据</translation>
    </message>
    <message>
        <source>it has no palette</source>
        <translation>图片没有调色板</translation>
    </message>
    <message>
        <source>is not a readable PNG picture</source>
        <translation>不是可读取的 PNG 图片</translation>
    </message>
    <message>
        <source>is not a readable PNG picture (%1)</source>
        <translation>不是可读取的 PNG 图片（%1）</translation>
    </message>
    <message>
        <source>decodes to a different size than its header declares</source>
        <translation>解码后的尺寸与头部声明的尺寸不同</translation>
    </message>
    <message>
        <source>The character file &quot;%1&quot; cannot be used: %2.</source>
        <translation>无法使用角色文件“%1”：%2。</translation>
    </message>
    <message>
        <source>No character file was named.</source>
        <translation>未指定角色文件。</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>这是文件夹，而不是文件</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>这不是普通文件</translation>
    </message>
    <message>
        <source>it is %1 bytes long; a character file may have at most %2</source>
        <translation>文件大小为 %1 字节；角色文件最多只能有 %2 字节</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>无法读取文件（%1）</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a character file may have</source>
        <translation>文件超过了角色文件允许的最大大小 %1 字节</translation>
    </message>
    <message>
        <source>the name must be 1 to %1 printable characters</source>
        <translation>名称必须由 1 到 %1 个可打印字符组成</translation>
    </message>
    <message>
        <source>the voice name &quot;%1&quot; is not a valid voice name</source>
        <translation>嗓音名称“%1”无效</translation>
    </message>
    <message>
        <source>the voice rate must be from %1 to %2</source>
        <translation>语速必须在 %1 到 %2 之间</translation>
    </message>
    <message>
        <source>the voice pitch must be from %1 to %2</source>
        <translation>音调必须在 %1 到 %2 之间</translation>
    </message>
    <message>
        <source>a character needs 1 to %1 pictures</source>
        <translation>角色需要 1 到 %1 张图片</translation>
    </message>
    <message>
        <source>a character has a double-size picture for every picture or for none</source>
        <translation>角色要么为每张图片都提供双倍尺寸图片，要么都不提供</translation>
    </message>
    <message>
        <source>the appearing animation may have at most %1 frames</source>
        <translation>出场动画最多只能有 %1 帧</translation>
    </message>
    <message>
        <source>the idle pose needs 1 to %1 frames</source>
        <translation>待机姿势需要 1 到 %1 帧</translation>
    </message>
    <message>
        <source>a character needs %1 to %2 mouth shapes</source>
        <translation>角色需要 %1 到 %2 个口型</translation>
    </message>
    <message>
        <source>a frame refers to picture %1, which does not exist</source>
        <translation>某一帧引用了不存在的图片 %1</translation>
    </message>
    <message>
        <source>a frame lasts %1 ms; frames last from %2 to %3 ms</source>
        <translation>某一帧持续 %1 毫秒；每帧的持续时间必须在 %2 到 %3 毫秒之间</translation>
    </message>
    <message>
        <source>the mouth shape name &quot;%1&quot; is not valid (small letters, digits, &quot;-&quot; and &quot;_&quot;, up to 32)</source>
        <translation>口型名称“%1”无效（只能使用小写字母、数字、“-”和“_”，最多 32 个字符）</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; is given twice</source>
        <translation>口型“%1”重复出现</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; refers to picture %2, which does not exist</source>
        <translation>口型“%1”引用了不存在的图片 %2</translation>
    </message>
    <message>
        <source>its manifest is not valid JSON (%1 at byte %2)</source>
        <translation>清单不是有效的 JSON（第 %2 字节处：%1）</translation>
    </message>
    <message>
        <source>its manifest is not a JSON object</source>
        <translation>清单不是 JSON 对象</translation>
    </message>
    <message>
        <source>it ends early: picture %1 needs %2 bytes but only %3 are left</source>
        <translation>文件提前结束：图片 %1 需要 %2 字节，但只剩下 %3 字节</translation>
    </message>
    <message>
        <source>it ends early: double-size picture %1 needs %2 bytes but only %3 are left</source>
        <translation>文件提前结束：双倍尺寸图片 %1 需要 %2 字节，但只剩下 %3 字节</translation>
    </message>
    <message>
        <source>%1 bytes follow its last picture</source>
        <translation>最后一张图片之后还有 %1 字节</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>it is not a character file (its header is wrong)</source>
        <translation>这不是角色文件（文件头错误）</translation>
    </message>
    <message>
        <source>it ends early, within its header</source>
        <translation>文件在文件头中提前结束</translation>
    </message>
    <message>
        <source>it is of format version %1; this program reads versions %2 and %3</source>
        <translation>文件格式版本为 %1；本程序只能读取版本 %2 和 %3</translation>
    </message>
    <message>
        <source>its manifest is said to be %1 bytes long; it must be from 1 to %2</source>
        <translation>文件声明清单长度为 %1 字节；清单长度必须在 1 到 %2 字节之间</translation>
    </message>
    <message>
        <source>it ends early: the manifest needs %1 bytes but only %2 follow</source>
        <translation>文件提前结束：清单需要 %1 字节，但其后只有 %2 字节</translation>
    </message>
    <message>
        <source>picture %1 %2</source>
        <translation>图片 %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 %2</source>
        <translation>双倍尺寸图片 %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 is %2 x %3 pixels; it must be twice picture %1&apos;s, %4 x %5</source>
        <translation>双倍尺寸图片 %1 的大小为 %2 x %3 像素；它必须是图片 %1 的两倍，即 %4 x %5</translation>
    </message>
    <message>
        <source>its pictures hold %1 pixels together; at most %2 are allowed</source>
        <translation>所有图片共有 %1 像素；最多允许 %2 像素</translation>
    </message>
    <message>
        <source>the manifest would be longer than %1 bytes</source>
        <translation>清单将超过 %1 字节</translation>
    </message>
    <message>
        <source>the file would be longer than %1 bytes</source>
        <translation>文件将超过 %1 字节</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a number</source>
        <translation>清单条目“%1”必须是数字</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a text</source>
        <translation>清单条目“%1”必须是文本</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be an object</source>
        <translation>清单条目“%1”必须是对象</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a list</source>
        <translation>清单条目“%1”必须是列表</translation>
    </message>
</context>
<context>
    <name>CharacterMenu</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Stay on the Desktop</source>
        <translation>留在桌面上</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a reading speed, in percent of the character&apos;s own</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Same as the Interface</source>
        <translation>与界面相同</translation>
    </message>
</context>
<context>
    <name>CharacterWindow</name>
    <message>
        <source>Hide</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>Speech balloon</source>
        <translation>对话气泡</translation>
    </message>
</context>
<context>
    <name>DesktopAgent</name>
    <message>
        <source>The speech character could not be loaded.

%1</source>
        <translation>无法加载语音角色。

%1</translation>
    </message>
    <message>
        <source>The character cannot speak aloud: %1. Its words are shown in its speech balloon only.</source>
        <translation>角色无法出声朗读：%1。它说的话只会显示在对话气泡中。</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>cannot open the display &quot;%1&quot;</source>
        <translation>无法打开显示“%1”</translation>
    </message>
    <message>
        <source>no X11 display to show the widget on: WAYLAND_DISPLAY is set but DISPLAY is not (on Wayland the widget needs XWayland)</source>
        <translation>没有可显示小部件的 X11 显示：已设置 WAYLAND_DISPLAY，但未设置 DISPLAY（在 Wayland 上，小部件需要 XWayland）</translation>
    </message>
    <message>
        <source>no display to show the widget on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>没有可显示小部件的显示（DISPLAY 和 WAYLAND_DISPLAY 均未设置）</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Click for the menu, or press the menu key or Shift+F10.</source>
        <translation>单击打开菜单，或按菜单键或 Shift+F10。</translation>
    </message>
    <message>
        <source>Click here to rename your text.</source>
        <translation>单击此处更改您的文字。</translation>
    </message>
    <message>
        <source>Click here to rename text.</source>
        <translation>单击此处更改文字。</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>便笺</translation>
    </message>
    <message>
        <source>Click or press F2 to change the note.</source>
        <translation>单击或按 F2 更改便笺。</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>时钟</translation>
    </message>
    <message>
        <source>Left click Quornel or below the clock  for Popup Menu.</source>
        <translation>左键单击 Quornel 或时钟下方可打开弹出菜单。</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Changes are not being saved</source>
        <translation>更改未能保存</translation>
    </message>
    <message>
        <source>Click to show Quornel Desktop Notes.</source>
        <translation>单击以显示 Quornel Desktop Notes。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>All Settings</source>
        <translation>所有设置</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>语音设置</translation>
    </message>
    <message>
        <source>Transparent Settings</source>
        <translation>透明度设置</translation>
    </message>
    <message>
        <source>Show Clock</source>
        <translation>显示时钟</translation>
    </message>
    <message>
        <source>Read Current Notes</source>
        <translation>朗读当前便笺</translation>
    </message>
    <message>
        <source>Hide Quornel Desktop Notes</source>
        <translation>隐藏 Quornel Desktop Notes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Show Quornel Desktop Notes</source>
        <translation>显示 Quornel Desktop Notes</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Changes are not being saved to &quot;%1&quot;.</source>
        <translation>更改未能保存到“%1”。</translation>
    </message>
    <message>
        <source>You have the following notes: </source>
        <translation>您有以下便笺：</translation>
    </message>
    <message>
        <source>You must pick a Speech Agent Character if the speech is enabled. You can do this by clicking the Load Agent button in the Speech Settings window. If you do not have any Speech Agent Characters than disable the speech in the Speech Settings window.</source>
        <translation>启用语音时，必须选择一个语音角色。您可以在“语音设置”窗口中单击“加载角色”按钮进行选择。如果您没有任何语音角色，请在“语音设置”窗口中禁用语音。</translation>
    </message>
    <message>
        <source>The notification area that runs is of a kind this icon cannot use (the kind is chosen when Quornel Desktop Notes starts): hidden, the window would have no icon to come back from. Start Quornel Desktop Notes again to use it.</source>
        <translation>当前运行的通知区域属于此图标无法使用的类型（类型在 Quornel Desktop Notes 启动时确定）：窗口隐藏后将没有可用来恢复它的图标。请重新启动 Quornel Desktop Notes 以使用该通知区域。</translation>
    </message>
    <message>
        <source>No notification area is running (neither a system tray nor a status notifier host): hidden, the window would have no icon to come back from.</source>
        <translation>没有正在运行的通知区域（既没有系统托盘，也没有状态通知宿主）：窗口隐藏后将没有可用来恢复它的图标。</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Rename Text</source>
        <translation>更改文字</translation>
    </message>
    <message>
        <source>Type your desktop note here.</source>
        <translation>在此输入您的桌面便笺。</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>便笺</translation>
    </message>
    <message>
        <source>Click here to apply the rename of your desktop note.</source>
        <translation>单击此处应用对桌面便笺的更改。</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Click here to view your desktop note options.</source>
        <translation>单击此处查看桌面便笺选项。</translation>
    </message>
    <message>
        <source>This note is too long to change here.</source>
        <translation>此便笺太长，无法在此处更改。</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>动画</translation>
    </message>
    <message>
        <source>Chose if you would like to have &quot;Open Animation&quot; or &quot;Close Animation&quot;  by checking the appropriate check box.</source>
        <translation>勾选相应的复选框，选择是否启用“打开时动画”或“关闭时动画”。</translation>
    </message>
    <message>
        <source>Open Animation</source>
        <translation>打开时动画</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Open Animation&quot; on or off.</source>
        <translation>单击以启用或禁用“打开时动画”。</translation>
    </message>
    <message>
        <source>Close Animation</source>
        <translation>关闭时动画</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Close Animation&quot; on or off.</source>
        <translation>单击以启用或禁用“关闭时动画”。</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>语音设置</translation>
    </message>
    <message>
        <source>Click this to enable/disable the sppech in Quornel Desktop Notes.</source>
        <translation>单击此处启用/禁用 Quornel Desktop Notes 的语音。</translation>
    </message>
    <message>
        <source>Current Text Color</source>
        <translation>当前文字颜色</translation>
    </message>
    <message>
        <source>Current text colour</source>
        <translation>当前文字颜色</translation>
    </message>
    <message>
        <source>Change Text Color</source>
        <translation>更改文字颜色</translation>
    </message>
    <message>
        <source>Click this button to change the color of all your text.</source>
        <translation>单击此按钮更改所有文字的颜色。</translation>
    </message>
    <message>
        <source>Transparency Settings </source>
        <translation>透明度设置</translation>
    </message>
    <message>
        <source>Click this to adjust the transparency setting in Quornel Desktop Notes.</source>
        <translation>单击此处调整 Quornel Desktop Notes 的透明度设置。</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <translation>扬声器</translation>
    </message>
    <message>
        <source>Pick a color for the text.</source>
        <translation>为文字选择颜色。</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Speech Settings</source>
        <translation>语音设置</translation>
    </message>
    <message>
        <source>Enable Speech</source>
        <translation>启用语音</translation>
    </message>
    <message>
        <source>Check this to enable/disable the speech for Quornel Desktop Notes.</source>
        <translation>勾选此项以启用/禁用 Quornel Desktop Notes 的语音。</translation>
    </message>
    <message>
        <source>Load Agent</source>
        <translation>加载角色</translation>
    </message>
    <message>
        <source>Click this button to load an Agent the will read your note(s).</source>
        <translation>单击此按钮加载一个为您朗读便笺的角色。</translation>
    </message>
    <message>
        <source>Agent Name:</source>
        <translation>角色名称：</translation>
    </message>
    <message>
        <source>This is the name of you agent.</source>
        <translation>这是您的角色的名称。</translation>
    </message>
    <message>
        <source>Read notes on startup</source>
        <translation>启动时朗读便笺</translation>
    </message>
    <message>
        <source>Click this if you would like to have Quornel read your notes when he starts up.</source>
        <translation>如果希望 Quornel 在启动时朗读您的便笺，请勾选此项。</translation>
    </message>
    <message>
        <source>Speech Agent Characters|*.qchar</source>
        <translation>语音角色|*.qchar</translation>
    </message>
    <message>
        <source>You must restart Quornel Desktop Notes in order for the changes to take place.</source>
        <translation>必须重新启动 Quornel Desktop Notes 才能使更改生效。</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Transparency Settings</source>
        <translation>透明度设置</translation>
    </message>
    <message>
        <source>Enable Transparency (Compositing Desktops Only)</source>
        <translation>启用透明效果（仅限合成桌面）</translation>
    </message>
    <message>
        <source>Enable this to see cool tranparency effects on a compositing desktop.</source>
        <translation>启用此项，即可在支持合成的桌面上看到炫酷的透明效果。</translation>
    </message>
    <message>
        <source>Not Visable</source>
        <translation>不可见</translation>
    </message>
    <message>
        <source>Visable</source>
        <translation>可见</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>可见度</translation>
    </message>
    <message>
        <source>From not visible (0) to fully visible (255).</source>
        <translation>从不可见（0）到完全可见（255）。</translation>
    </message>
    <message>
        <source>Precent Visable        %</source>
        <translation>可见度        %</translation>
    </message>
</context>
<context>
    <name>NoteStore</name>
    <message>
        <source>A change could not be saved to the note store &quot;%1&quot;: %2. The program keeps the change and saves it as soon as it can; changes not saved by then are lost when the program ends.</source>
        <translation>无法将更改保存到便笺存储“%1”：%2。程序会保留该更改，并尽快保存；程序结束时仍未保存的更改将会丢失。</translation>
    </message>
</context>
<context>
    <name>OneCopy</name>
    <message>
        <source>A folder &quot;%1&quot; stands where Quornel Desktop Notes keeps the lock of its note store. The folder is left as it is; the lock is kept elsewhere.</source>
        <translation>Quornel Desktop Notes 存放便笺存储锁的位置上有一个文件夹“%1”。该文件夹将保持原样，锁会存放在其他位置。</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>A note on the desktop, with a clock and a mascot who reads it aloud.
Without an option the note store is &quot;%1&quot; in the working folder.</source>
        <translation>桌面上的便笺，带有时钟和一个会朗读便笺的吉祥物。
未指定选项时，便笺存储为工作文件夹中的“%1”。</translation>
    </message>
    <message>
        <source>Keep the note in the store &lt;file&gt;.</source>
        <translation>将便笺保存在存储文件 &lt;file&gt; 中。</translation>
    </message>
    <message>
        <source>Keep the note in the per-user store under $XDG_DATA_HOME.</source>
        <translation>将便笺保存在 $XDG_DATA_HOME 下的用户专属存储中。</translation>
    </message>
    <message>
        <source>Start the widget on the store named here (--user, --store or the working folder&apos;s) when you log in: on or off.</source>
        <translation>登录时使用此处指定的存储（--user、--store 或工作文件夹中的存储）启动小部件：on 或 off。</translation>
    </message>
    <message>
        <source>--store and --user name two stores; give one</source>
        <translation>--store 和 --user 指定了两个存储；请只指定一个</translation>
    </message>
    <message>
        <source>--autostart takes on or off</source>
        <translation>--autostart 只接受 on 或 off</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>意外的参数“%1”；请参阅 --help</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for the note store cannot be made.</source>
        <translation>无法创建便笺存储所用的文件夹“%1”。</translation>
    </message>
    <message>
        <source>Another copy of Quornel Desktop Notes keeps its note in &quot;%1&quot; but does not answer.</source>
        <translation>另一个 Quornel Desktop Notes 实例正在使用“%1”保存便笺，但没有响应。</translation>
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
        <translation>朗读程序停止响应</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly</source>
        <translation>朗读程序意外退出</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly (exit status %1)</source>
        <translation>朗读程序意外退出（退出状态 %1）</translation>
    </message>
    <message>
        <source>the speaker &quot;%1&quot; could not be started (%2)</source>
        <translation>无法启动朗读程序“%1”（%2）</translation>
    </message>
    <message>
        <source>the speaker said something that does not decode</source>
        <translation>朗读程序返回了无法解码的内容</translation>
    </message>
</context>
<context>
    <name>SqliteFile</name>
    <message>
        <source>The note store &quot;%1&quot; cannot be used: %2.</source>
        <translation>无法使用便笺存储“%1”：%2。</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>它不是文件</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>there is none, and none can be made in its folder (%1)</source>
        <translation>该文件不存在，也无法在其所在文件夹中创建（%1）</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is on a read-only disk: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>便笺存储“%1”位于只读磁盘上：显示的是上次保存的便笺，但现在所做的更改无法保存。</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is read-only: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>便笺存储“%1”是只读的：显示的是上次保存的便笺，但现在所做的更改无法保存。</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is in a read-only folder: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>便笺存储“%1”位于只读文件夹中：显示的是上次保存的便笺，但现在所做的更改无法保存。</translation>
    </message>
    <message>
        <source>the database is damaged (%1)</source>
        <translation>数据库已损坏（%1）</translation>
    </message>
    <message>
        <source>another program removed its settings record; it is written back as the program shows it</source>
        <translation>另一个程序删除了其中的设置记录；已按本程序显示的内容重新写入</translation>
    </message>
    <message>
        <source>another program removed its note record; it is written back as the program shows it</source>
        <translation>另一个程序删除了其中的便笺记录；已按本程序显示的内容重新写入</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>another program holds it locked</source>
        <translation>它已被另一个程序锁定</translation>
    </message>
    <message>
        <source>it can no longer be written to</source>
        <translation>已无法再写入</translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation>磁盘报告了错误（%1）</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
</context>
</TS>
