<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Autostart</name>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be removed.</source>
        <translation>自動起動エントリ「%1」を削除できません。</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written.</source>
        <translation>自動起動エントリ「%1」を書き込めません。</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written: %2</source>
        <translation>自動起動エントリ「%1」を書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>CharacterFile</name>
    <message>
        <source>the manifest has no entry &quot;%1&quot;</source>
        <translation>マニフェストに項目「%1」がありません</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>マニフェストの項目「%1」は %2 から %3 までの整数でなければなりません</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must list from %2 to %3 items, not %4</source>
        <translation>マニフェストの項目「%1」の要素は %2 から %3 個でなければなりませんが、%4 個あります</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1[%2]&quot; must be an object</source>
        <translation>マニフェストの項目「%1[%2]」はオブジェクトでなければなりません</translation>
    </message>
    <message>
        <source>the manifest has an unknown entry &quot;%1&quot;</source>
        <translation>マニフェストに不明な項目「%1」があります</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; has an unknown entry &quot;%2&quot;</source>
        <translation>マニフェストの項目「%1」に不明な項目「%2」があります</translation>
    </message>
    <message>
        <source>is not a PNG picture</source>
        <translation>は PNG 画像ではありません</translation>
    </message>
    <message>
        <source>is not a PNG picture (it does not begin with its header chunk)</source>
        <translation>は PNG 画像ではありません（ヘッダーチャンクで始まっていません）</translation>
    </message>
    <message>
        <source>is %1 x %2 pixels; each side must be from 1 to %3</source>
        <translation>は %1 × %2 ピクセルですが、各辺は 1 から %3 ピクセルまででなければなりません</translation>
    </message>
    <message>
        <source>is damaged: </source>
        <translation>は破損しています: </translation>
    </message>
    <message>
        <source>its header chunk declares a kind of picture that PNG does not have</source>
        <translation>ヘッダーチャンクが PNG にない種類の画像を宣言しています</translation>
    </message>
    <message>
        <source>it ends in the middle of a chunk</source>
        <translation>チャンクの途中で終わっています</translation>
    </message>
    <message>
        <source>it holds a chunk whose type is not four letters</source>
        <translation>種類が 4 文字の英字でないチャンクを含んでいます</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (it declares %2 bytes; %3 follow)</source>
        <translation>「%1」チャンクが画像の終わりを越えています（%2 バイトと宣言されていますが、残りは %3 バイトです）</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (its checksum is cut off)</source>
        <translation>「%1」チャンクが画像の終わりを越えています（チェックサムが途切れています）</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk&apos;s checksum is wrong</source>
        <translation>「%1」チャンクのチェックサムが正しくありません</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk is out of place</source>
        <translation>「%1」チャンクの位置が正しくありません</translation>
    </message>
    <message>
        <source>its image data is split by other chunks</source>
        <translation>画像データがほかのチャンクで分断されています</translation>
    </message>
    <message>
        <source>its palette does not fit the picture</source>
        <translation>パレットが画像に合っていません</translation>
    </message>
    <message>
        <source>its transparency does not fit the picture</source>
        <translation>透過情報が画像に合っていません</translation>
    </message>
    <message>
        <source>it holds a critical chunk &quot;%1&quot; this program does not know</source>
        <translation>このプログラムが知らない必須チャンク「%1」を含んでいます</translation>
    </message>
    <message>
        <source>it ends without its end chunk</source>
        <translation>終端チャンクがないまま終わっています</translation>
    </message>
    <message>
        <source>%1 bytes follow its end chunk</source>
        <translation>終端チャンクの後に %1 バイトが続いています</translation>
    </message>
    <message>
        <source>it has no image data</source>
        <translation>画像データがありません</translation>
    </message>
    <message>
        <source>it has no palette</source>
        <translation>パレットがありません</translation>
    </message>
    <message>
        <source>is not a readable PNG picture</source>
        <translation>は読み取れる PNG 画像ではありません</translation>
    </message>
    <message>
        <source>is not a readable PNG picture (%1)</source>
        <translation>は読み取れる PNG 画像ではありません（%1）</translation>
    </message>
    <message>
        <source>decodes to a different size than its header declares</source>
        <translation>をデコードすると、ヘッダーで宣言されたサイズと異なります</translation>
    </message>
    <message>
        <source>The character file &quot;%1&quot; cannot be used: %2.</source>
        <translation>キャラクターファイル「%1」は使用できません: %2。</translation>
    </message>
    <message>
        <source>No character file was named.</source>
        <translation>キャラクターファイルが指定されていません。</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>ファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is %1 bytes long; a character file may have at most %2</source>
        <translation>サイズが %1 バイトありますが、キャラクターファイルは最大 %2 バイトです</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>読み取れません（%1）</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a character file may have</source>
        <translation>キャラクターファイルの上限である %1 バイトを超えています</translation>
    </message>
    <message>
        <source>the name must be 1 to %1 printable characters</source>
        <translation>名前は印字可能な文字で 1 から %1 文字まででなければなりません</translation>
    </message>
    <message>
        <source>the voice name &quot;%1&quot; is not a valid voice name</source>
        <translation>音声名「%1」は有効な音声名ではありません</translation>
    </message>
    <message>
        <source>the voice rate must be from %1 to %2</source>
        <translation>音声の速さは %1 から %2 まででなければなりません</translation>
    </message>
    <message>
        <source>the voice pitch must be from %1 to %2</source>
        <translation>音声の高さは %1 から %2 まででなければなりません</translation>
    </message>
    <message>
        <source>a character needs 1 to %1 pictures</source>
        <translation>キャラクターには 1 から %1 枚の画像が必要です</translation>
    </message>
    <message>
        <source>a character has a double-size picture for every picture or for none</source>
        <translation>倍サイズの画像は、すべての画像に用意するか、まったく用意しないかのどちらかでなければなりません</translation>
    </message>
    <message>
        <source>the appearing animation may have at most %1 frames</source>
        <translation>登場アニメーションのフレームは最大 %1 個です</translation>
    </message>
    <message>
        <source>the idle pose needs 1 to %1 frames</source>
        <translation>待機ポーズには 1 から %1 個のフレームが必要です</translation>
    </message>
    <message>
        <source>a character needs %1 to %2 mouth shapes</source>
        <translation>キャラクターには %1 から %2 個の口の形が必要です</translation>
    </message>
    <message>
        <source>a frame refers to picture %1, which does not exist</source>
        <translation>フレームが存在しない画像 %1 を参照しています</translation>
    </message>
    <message>
        <source>a frame lasts %1 ms; frames last from %2 to %3 ms</source>
        <translation>フレームの長さが %1 ミリ秒ですが、%2 から %3 ミリ秒まででなければなりません</translation>
    </message>
    <message>
        <source>the mouth shape name &quot;%1&quot; is not valid (small letters, digits, &quot;-&quot; and &quot;_&quot;, up to 32)</source>
        <translation>口の形の名前「%1」が正しくありません（英小文字、数字、「-」、「_」で 32 文字まで）</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; is given twice</source>
        <translation>口の形「%1」が重複しています</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; refers to picture %2, which does not exist</source>
        <translation>口の形「%1」が存在しない画像 %2 を参照しています</translation>
    </message>
    <message>
        <source>its manifest is not valid JSON (%1 at byte %2)</source>
        <translation>マニフェストが正しい JSON ではありません（%2 バイト目: %1）</translation>
    </message>
    <message>
        <source>its manifest is not a JSON object</source>
        <translation>マニフェストが JSON オブジェクトではありません</translation>
    </message>
    <message>
        <source>it ends early: picture %1 needs %2 bytes but only %3 are left</source>
        <translation>途中で終わっています: 画像 %1 には %2 バイト必要ですが、残りは %3 バイトしかありません</translation>
    </message>
    <message>
        <source>it ends early: double-size picture %1 needs %2 bytes but only %3 are left</source>
        <translation>途中で終わっています: 倍サイズの画像 %1 には %2 バイト必要ですが、残りは %3 バイトしかありません</translation>
    </message>
    <message>
        <source>%1 bytes follow its last picture</source>
        <translation>最後の画像の後に %1 バイトが続いています</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>it is not a character file (its header is wrong)</source>
        <translation>キャラクターファイルではありません（ヘッダーが正しくありません）</translation>
    </message>
    <message>
        <source>it ends early, within its header</source>
        <translation>ヘッダーの途中で終わっています</translation>
    </message>
    <message>
        <source>it is of format version %1; this program reads versions %2 and %3</source>
        <translation>形式のバージョンが %1 ですが、このプログラムが読み込めるのはバージョン %2 と %3 です</translation>
    </message>
    <message>
        <source>its manifest is said to be %1 bytes long; it must be from 1 to %2</source>
        <translation>マニフェストの長さが %1 バイトとされていますが、1 から %2 バイトまででなければなりません</translation>
    </message>
    <message>
        <source>it ends early: the manifest needs %1 bytes but only %2 follow</source>
        <translation>途中で終わっています: マニフェストには %1 バイト必要ですが、続くのは %2 バイトだけです</translation>
    </message>
    <message>
        <source>picture %1 %2</source>
        <translation>画像 %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 %2</source>
        <translation>倍サイズの画像 %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 is %2 x %3 pixels; it must be twice picture %1&apos;s, %4 x %5</source>
        <translation>倍サイズの画像 %1 は %2 × %3 ピクセルですが、画像 %1 の 2 倍の %4 × %5 ピクセルでなければなりません</translation>
    </message>
    <message>
        <source>its pictures hold %1 pixels together; at most %2 are allowed</source>
        <translation>画像の合計が %1 ピクセルありますが、最大 %2 ピクセルまでです</translation>
    </message>
    <message>
        <source>the manifest would be longer than %1 bytes</source>
        <translation>マニフェストが %1 バイトを超えてしまいます</translation>
    </message>
    <message>
        <source>the file would be longer than %1 bytes</source>
        <translation>ファイルが %1 バイトを超えてしまいます</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a number</source>
        <translation>マニフェストの項目「%1」は数値でなければなりません</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a text</source>
        <translation>マニフェストの項目「%1」はテキストでなければなりません</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be an object</source>
        <translation>マニフェストの項目「%1」はオブジェクトでなければなりません</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a list</source>
        <translation>マニフェストの項目「%1」はリストでなければなりません</translation>
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
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Stay on the Desktop</source>
        <translation>デスクトップに残る</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a reading speed, in percent of the character&apos;s own</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Same as the Interface</source>
        <translation>インターフェースと同じ</translation>
    </message>
</context>
<context>
    <name>CharacterWindow</name>
    <message>
        <source>Hide</source>
        <translation>隠す</translation>
    </message>
    <message>
        <source>Speech balloon</source>
        <translation>吹き出し</translation>
    </message>
</context>
<context>
    <name>DesktopAgent</name>
    <message>
        <source>The speech character could not be loaded.

%1</source>
        <translation>音声キャラクターを読み込めませんでした。

%1</translation>
    </message>
    <message>
        <source>The character cannot speak aloud: %1. Its words are shown in its speech balloon only.</source>
        <translation>キャラクターは声に出して話せません: %1。セリフは吹き出しにのみ表示されます。</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>cannot open the display &quot;%1&quot;</source>
        <translation>ディスプレイ「%1」を開けません</translation>
    </message>
    <message>
        <source>no X11 display to show the widget on: WAYLAND_DISPLAY is set but DISPLAY is not (on Wayland the widget needs XWayland)</source>
        <translation>ウィジェットを表示する X11 ディスプレイがありません: WAYLAND_DISPLAY は設定されていますが、DISPLAY が設定されていません（Wayland ではウィジェットに XWayland が必要です）</translation>
    </message>
    <message>
        <source>no display to show the widget on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>ウィジェットを表示するディスプレイがありません（DISPLAY も WAYLAND_DISPLAY も設定されていません）</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Click for the menu, or press the menu key or Shift+F10.</source>
        <translation>クリックするか、メニューキーまたは Shift+F10 を押すとメニューを開きます。</translation>
    </message>
    <message>
        <source>Click here to rename your text.</source>
        <translation>ここをクリックするとテキストを変更できます。</translation>
    </message>
    <message>
        <source>Click here to rename text.</source>
        <translation>ここをクリックしてテキストを変更します。</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Click or press F2 to change the note.</source>
        <translation>クリックするか F2 キーを押すとメモを変更できます。</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>時計</translation>
    </message>
    <message>
        <source>Left click Quornel or below the clock  for Popup Menu.</source>
        <translation>Quornel または時計の下を左クリックすると、ポップアップメニューを開きます。</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Changes are not being saved</source>
        <translation>変更が保存されていません</translation>
    </message>
    <message>
        <source>Click to show Quornel Desktop Notes.</source>
        <translation>クリックすると Quornel Desktop Notes を表示します。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>All Settings</source>
        <translation>すべての設定</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>音声設定</translation>
    </message>
    <message>
        <source>Transparent Settings</source>
        <translation>透明度設定</translation>
    </message>
    <message>
        <source>Show Clock</source>
        <translation>時計を表示</translation>
    </message>
    <message>
        <source>Read Current Notes</source>
        <translation>現在のメモを読み上げる</translation>
    </message>
    <message>
        <source>Hide Quornel Desktop Notes</source>
        <translation>Quornel Desktop Notes を隠す</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Show Quornel Desktop Notes</source>
        <translation>Quornel Desktop Notes を表示</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Changes are not being saved to &quot;%1&quot;.</source>
        <translation>変更が「%1」に保存されていません。</translation>
    </message>
    <message>
        <source>You have the following notes: </source>
        <translation>次のメモがあります。</translation>
    </message>
    <message>
        <source>You must pick a Speech Agent Character if the speech is enabled. You can do this by clicking the Load Agent button in the Speech Settings window. If you do not have any Speech Agent Characters than disable the speech in the Speech Settings window.</source>
        <translation>音声が有効な場合は、音声エージェントキャラクターを選択する必要があります。「音声設定」ウィンドウの「エージェントを読み込む」ボタンをクリックして選択してください。音声エージェントキャラクターがない場合は、「音声設定」ウィンドウで音声を無効にしてください。</translation>
    </message>
    <message>
        <source>The notification area that runs is of a kind this icon cannot use (the kind is chosen when Quornel Desktop Notes starts): hidden, the window would have no icon to come back from. Start Quornel Desktop Notes again to use it.</source>
        <translation>実行中の通知領域は、このアイコンが使用できない種類のものです（種類は Quornel Desktop Notes の起動時に決まります）。隠すと、ウィンドウを元に戻すためのアイコンがなくなります。この通知領域を使うには、Quornel Desktop Notes を起動し直してください。</translation>
    </message>
    <message>
        <source>No notification area is running (neither a system tray nor a status notifier host): hidden, the window would have no icon to come back from.</source>
        <translation>通知領域が動作していません（システムトレイもステータス通知ホストもありません）。隠すと、ウィンドウを元に戻すためのアイコンがなくなります。</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Rename Text</source>
        <translation>テキストを変更</translation>
    </message>
    <message>
        <source>Type your desktop note here.</source>
        <translation>ここにデスクトップメモを入力します。</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Click here to apply the rename of your desktop note.</source>
        <translation>ここをクリックすると、デスクトップメモの変更を適用します。</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Click here to view your desktop note options.</source>
        <translation>ここをクリックすると、デスクトップメモのオプションを表示します。</translation>
    </message>
    <message>
        <source>This note is too long to change here.</source>
        <translation>このメモは長すぎるため、ここでは変更できません。</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>アニメーション</translation>
    </message>
    <message>
        <source>Chose if you would like to have &quot;Open Animation&quot; or &quot;Close Animation&quot;  by checking the appropriate check box.</source>
        <translation>該当するチェックボックスをオンにして、「開くときのアニメーション」や「閉じるときのアニメーション」を使うかどうかを選びます。</translation>
    </message>
    <message>
        <source>Open Animation</source>
        <translation>開くときのアニメーション</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Open Animation&quot; on or off.</source>
        <translation>クリックして「開くときのアニメーション」のオンとオフを切り替えます。</translation>
    </message>
    <message>
        <source>Close Animation</source>
        <translation>閉じるときのアニメーション</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Close Animation&quot; on or off.</source>
        <translation>クリックして「閉じるときのアニメーション」のオンとオフを切り替えます。</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>音声設定</translation>
    </message>
    <message>
        <source>Click this to enable/disable the sppech in Quornel Desktop Notes.</source>
        <translation>クリックして Quornel Desktop Notes の音声を有効または無効にします。</translation>
    </message>
    <message>
        <source>Current Text Color</source>
        <translation>現在の文字色</translation>
    </message>
    <message>
        <source>Current text colour</source>
        <translation>現在の文字色</translation>
    </message>
    <message>
        <source>Change Text Color</source>
        <translation>文字色を変更</translation>
    </message>
    <message>
        <source>Click this button to change the color of all your text.</source>
        <translation>このボタンをクリックすると、すべてのテキストの色を変更します。</translation>
    </message>
    <message>
        <source>Transparency Settings </source>
        <translation>透明度設定</translation>
    </message>
    <message>
        <source>Click this to adjust the transparency setting in Quornel Desktop Notes.</source>
        <translation>クリックして Quornel Desktop Notes の透明度を調整します。</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <translation>スピーカー</translation>
    </message>
    <message>
        <source>Pick a color for the text.</source>
        <translation>文字色を選んでください。</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Speech Settings</source>
        <translation>音声設定</translation>
    </message>
    <message>
        <source>Enable Speech</source>
        <translation>音声を有効にする</translation>
    </message>
    <message>
        <source>Check this to enable/disable the speech for Quornel Desktop Notes.</source>
        <translation>チェックすると Quornel Desktop Notes の音声を有効にし、外すと無効にします。</translation>
    </message>
    <message>
        <source>Load Agent</source>
        <translation>エージェントを読み込む</translation>
    </message>
    <message>
        <source>Click this button to load an Agent the will read your note(s).</source>
        <translation>このボタンをクリックすると、メモを読み上げるエージェントを読み込みます。</translation>
    </message>
    <message>
        <source>Agent Name:</source>
        <translation>エージェント名:</translation>
    </message>
    <message>
        <source>This is the name of you agent.</source>
        <translation>使用中のエージェントの名前です。</translation>
    </message>
    <message>
        <source>Read notes on startup</source>
        <translation>起動時にメモを読み上げる</translation>
    </message>
    <message>
        <source>Click this if you would like to have Quornel read your notes when he starts up.</source>
        <translation>起動時に Quornel にメモを読み上げてもらうには、ここをチェックします。</translation>
    </message>
    <message>
        <source>Speech Agent Characters|*.qchar</source>
        <translation>音声エージェントキャラクター|*.qchar</translation>
    </message>
    <message>
        <source>You must restart Quornel Desktop Notes in order for the changes to take place.</source>
        <translation>変更を反映するには、Quornel Desktop Notes を再起動する必要があります。</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Transparency Settings</source>
        <translation>透明度設定</translation>
    </message>
    <message>
        <source>Enable Transparency (Compositing Desktops Only)</source>
        <translation>透明化を有効にする（コンポジット対応デスクトップのみ）</translation>
    </message>
    <message>
        <source>Enable this to see cool tranparency effects on a compositing desktop.</source>
        <translation>有効にすると、コンポジット対応のデスクトップでかっこいい透明効果を楽しめます。</translation>
    </message>
    <message>
        <source>Not Visable</source>
        <translation>透明</translation>
    </message>
    <message>
        <source>Visable</source>
        <translation>不透明</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>From not visible (0) to fully visible (255).</source>
        <translation>透明 (0) から完全に不透明 (255) まで。</translation>
    </message>
    <message>
        <source>Precent Visable        %</source>
        <translation>不透明度        %</translation>
    </message>
</context>
<context>
    <name>NoteStore</name>
    <message>
        <source>A change could not be saved to the note store &quot;%1&quot;: %2. The program keeps the change and saves it as soon as it can; changes not saved by then are lost when the program ends.</source>
        <translation>メモの保存ファイル「%1」に変更を保存できませんでした: %2。変更はプログラムが保持しており、保存できるようになりしだい保存します。それまでに保存されなかった変更は、プログラムの終了時に失われます。</translation>
    </message>
</context>
<context>
    <name>OneCopy</name>
    <message>
        <source>A folder &quot;%1&quot; stands where Quornel Desktop Notes keeps the lock of its note store. The folder is left as it is; the lock is kept elsewhere.</source>
        <translation>Quornel Desktop Notes がメモの保存ファイルのロックを置く場所に、フォルダー「%1」があります。このフォルダーはそのままにして、ロックは別の場所に置きます。</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>A note on the desktop, with a clock and a mascot who reads it aloud.
Without an option the note store is &quot;%1&quot; in the working folder.</source>
        <translation>時計と、メモを読み上げてくれるマスコットが付いたデスクトップのメモです。
オプションを指定しない場合、メモの保存ファイルは作業フォルダーの「%1」です。</translation>
    </message>
    <message>
        <source>Keep the note in the store &lt;file&gt;.</source>
        <translation>メモを保存ファイル &lt;file&gt; に保存します。</translation>
    </message>
    <message>
        <source>Keep the note in the per-user store under $XDG_DATA_HOME.</source>
        <translation>メモを $XDG_DATA_HOME 以下のユーザーごとの保存ファイルに保存します。</translation>
    </message>
    <message>
        <source>Start the widget on the store named here (--user, --store or the working folder&apos;s) when you log in: on or off.</source>
        <translation>ログイン時に、ここで指定した保存ファイル（--user、--store、または作業フォルダーのもの）でウィジェットを起動するかどうか: on または off。</translation>
    </message>
    <message>
        <source>--store and --user name two stores; give one</source>
        <translation>--store と --user で別々の保存ファイルが指定されています。どちらか一方を指定してください</translation>
    </message>
    <message>
        <source>--autostart takes on or off</source>
        <translation>--autostart には on または off を指定してください</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>予期しない引数「%1」です。--help を参照してください</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for the note store cannot be made.</source>
        <translation>メモの保存ファイル用のフォルダー「%1」を作成できません。</translation>
    </message>
    <message>
        <source>Another copy of Quornel Desktop Notes keeps its note in &quot;%1&quot; but does not answer.</source>
        <translation>別の Quornel Desktop Notes が「%1」にメモを保存していますが、応答がありません。</translation>
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
        <translation>音声合成エンジンが応答しなくなりました</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly</source>
        <translation>音声合成エンジンが予期せず終了しました</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly (exit status %1)</source>
        <translation>音声合成エンジンが予期せず終了しました（終了ステータス %1）</translation>
    </message>
    <message>
        <source>the speaker &quot;%1&quot; could not be started (%2)</source>
        <translation>音声合成エンジン「%1」を起動できませんでした（%2）</translation>
    </message>
    <message>
        <source>the speaker said something that does not decode</source>
        <translation>音声合成エンジンから解読できない応答がありました</translation>
    </message>
</context>
<context>
    <name>SqliteFile</name>
    <message>
        <source>The note store &quot;%1&quot; cannot be used: %2.</source>
        <translation>メモの保存ファイル「%1」は使用できません: %2。</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>読み取れません</translation>
    </message>
    <message>
        <source>there is none, and none can be made in its folder (%1)</source>
        <translation>ファイルが存在せず、そのフォルダーに作成することもできません（%1）</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is on a read-only disk: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>メモの保存ファイル「%1」は読み取り専用のディスク上にあります。メモは最後に保存された状態で表示されますが、これから行う変更は保存できません。</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is read-only: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>メモの保存ファイル「%1」は読み取り専用です。メモは最後に保存された状態で表示されますが、これから行う変更は保存できません。</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is in a read-only folder: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>メモの保存ファイル「%1」は読み取り専用のフォルダーにあります。メモは最後に保存された状態で表示されますが、これから行う変更は保存できません。</translation>
    </message>
    <message>
        <source>the database is damaged (%1)</source>
        <translation>データベースが破損しています（%1）</translation>
    </message>
    <message>
        <source>another program removed its settings record; it is written back as the program shows it</source>
        <translation>別のプログラムが設定のレコードを削除したため、プログラムに表示されている内容で書き戻します</translation>
    </message>
    <message>
        <source>another program removed its note record; it is written back as the program shows it</source>
        <translation>別のプログラムがメモのレコードを削除したため、プログラムに表示されている内容で書き戻します</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>another program holds it locked</source>
        <translation>別のプログラムがロックしています</translation>
    </message>
    <message>
        <source>it can no longer be written to</source>
        <translation>書き込めなくなりました</translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation>ディスクでエラーが発生しました（%1）</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
</context>
</TS>
