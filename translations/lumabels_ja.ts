<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>ArrangementPresets</name>
    <message>
        <source>(None)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Serene</source>
        <translation>のどか</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>くもり</translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation>モデラート</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: lumabels [--help | --version] [Qt options such as -platform NAME, -style NAME]</source>
        <translation>使い方：lumabels [--help | --version] [-platform 名前、-style 名前 などの Qt オプション]</translation>
    </message>
    <message>
        <source>Lumabels, a small arcade game: a girl in a white dress rides six-colour bands across
the night sky. Click a band that overlaps hers to make her jump, or a cloud to call a
new band. Shift clicks at the mouse pointer; F2 starts a new game, F5 opens the
options, F1 the help page.
</source>
        <translation>Lumabels は小さなアーケードゲームです。白いドレスの女の子が六色の帯に乗って
夜空を渡ります。彼女の帯に重なる帯をクリックすると飛び移り、雲をクリックすると
新しい帯を呼べます。Shift はマウスポインターの位置でクリックします。
F2 で新しいゲームを始め、F5 でオプションを、F1 でヘルプページを開きます。
</translation>
    </message>
    <message>
        <source>  --help     show this text and exit
  --version  show the version and exit
</source>
        <translation>  --help     この説明を表示して終了する
  --version  バージョンを表示して終了する
</translation>
    </message>
    <message>
        <source>The options every Qt program takes are understood too, for example -platform xcb,
-style fusion, -reverse or -display :1.
</source>
        <translation>Qt プログラム共通のオプションも使えます。例：-platform xcb、-style fusion、
-reverse、-display :1
</translation>
    </message>
    <message>
        <source>Exit status: 0 when the game ends, 1 when another copy is already running (this one
does nothing), 2 for an unknown option, 3 when no display could be opened.
</source>
        <translation>終了コード：0 はゲームの終了、1 は別のコピーが実行中（このコピーは何もしません）、
2 は不明なオプション、3 はディスプレイを開けなかったことを表します。
</translation>
    </message>
    <message>
        <source>Settings are kept in $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/),
or, for a portable copy (sound/ or help/ beside the program), in settings.ini
beside the program when this user may write there.
</source>
        <translation>設定は $XDG_CONFIG_HOME/lumabels/settings.ini（~/.config/lumabels/）に保存されます。
ポータブル版（プログラムと同じ場所に sound/ または help/ がある）では、このユーザーが
書き込めるときはプログラムと同じ場所の settings.ini に保存されます。
</translation>
    </message>
    <message>
        <source>lumabels: unknown argument: %1</source>
        <translation>lumabels: 不明な引数: %1</translation>
    </message>
</context>
<context>
    <name>KeptSettings</name>
    <message>
        <source>lumabels: the settings were not saved: %1</source>
        <translation>lumabels: 設定を保存できませんでした：%1</translation>
    </message>
    <message>
        <source>lumabels: the settings were not saved in %1: %2</source>
        <translation>lumabels: 設定を %1 に保存できませんでした：%2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>ヒント(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Opening HTML help file.

Sure?</source>
        <translation>HTML ヘルプを開きます。

よろしいですか？</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>A new lumabel comes out when a cloud is clicked.

[Shift] functions as left mouse click while playing the game.</source>
        <translation>雲をクリックすると新しいルマベルが現れます。

ゲーム中は [Shift] キーがマウスの左クリックとして働きます。</translation>
    </message>
    <message>
        <source>Title screen. Space, Enter or a click starts a game.</source>
        <translation>タイトル画面。Space キー、Enter キー、またはクリックでゲームを始めます。</translation>
    </message>
    <message>
        <source>Playing, score %1</source>
        <translation>プレイ中、得点：%1</translation>
    </message>
    <message>
        <source>Click a band that overlaps hers, or a cloud. Shift clicks at the pointer.</source>
        <translation>彼女の帯に重なる帯か、雲をクリックします。Shift はポインターの位置でクリックします。</translation>
    </message>
    <message>
        <source>Results screen. Space or Enter starts a new game.</source>
        <translation>結果画面。Space キーか Enter キーで新しいゲームを始めます。</translation>
    </message>
    <message>
        <source>Lumabels: another program destroyed the game&apos;s window; closing</source>
        <translation>Lumabels: 別のプログラムがゲームのウィンドウを破棄しました。終了します。</translation>
    </message>
    <message>
        <source>No browser could be started to show the help page. You can open it yourself:

%1</source>
        <translation>ヘルプページを表示するブラウザーを起動できませんでした。次のファイルをご自分で開いてください。

%1</translation>
    </message>
    <message>
        <source>A new record!</source>
        <translation>新記録！</translation>
    </message>
</context>
<context>
    <name>PlatformStartGuard</name>
    <message>
        <source>%1 is not set</source>
        <translation>%1 は設定されていません</translation>
    </message>
    <message>
        <source>lumabels: cannot start: no X display (%1) and no Wayland display (%2) could be opened</source>
        <translation>lumabels: 起動できません：X ディスプレイ（%1）も Wayland ディスプレイ（%2）も開けませんでした</translation>
    </message>
    <message>
        <source>lumabels: cannot start: no X display (%1) and no Wayland display (%2) could be opened with the platform QT_QPA_PLATFORM=%3</source>
        <translation>lumabels: 起動できません：プラットフォーム QT_QPA_PLATFORM=%3 では X ディスプレイ（%1）も Wayland ディスプレイ（%2）も開けませんでした</translation>
    </message>
    <message>
        <source>lumabels: cannot start: the platform %1 could not be started</source>
        <translation>lumabels: 起動できません: プラットフォーム %1 を開始できませんでした</translation>
    </message>
</context>
<context>
    <name>ProgramGlobals</name>
    <message>
        <source>lumabels: %1 is another user&apos;s home folder, so the game keeps nothing there and uses %2 instead</source>
        <translation>lumabels: %1 は別のユーザーのホームフォルダーなので、ゲームはそこに何も保存せず、代わりに %2 を使います</translation>
    </message>
</context>
<context>
    <name>ResultLines</name>
    <message numerus="yes">
        <source>Last : %n pt. %1 sec.</source>
        <translation>
            <numerusform>今回：%n点&#x3000;%1秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Record : %n pt. %1 sec.</source>
        <translation>
            <numerusform>最高記録：%n点&#x3000;%1秒</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsHeading</name>
    <message>
        <source>Results</source>
        <translation>結果</translation>
    </message>
</context>
<context>
    <name>SaveAtExit</name>
    <message>
        <source>Lumabels: ending without its window (the display is lost); the settings are saved in %1</source>
        <translation>Lumabels: ウィンドウなしで終了します（ディスプレイとの接続が失われました）。設定は %1 に保存しました。</translation>
    </message>
    <message>
        <source>Lumabels: ending without its window (the display is lost); the settings could not be saved in %1</source>
        <translation>Lumabels: ウィンドウなしで終了します（ディスプレイとの接続が失われました）。設定を %1 に保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>SingleInstanceLock</name>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>ファイルの所有者が別のユーザーです</translation>
    </message>
    <message>
        <source>lumabels: cannot take the single-instance lock %1: %2</source>
        <translation>lumabels: 多重起動を防ぐロック %1 を取得できません：%2</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a folder of this user&apos;s</source>
        <translation>シンボリックリンクであり、このユーザーのフォルダーではありません</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>フォルダーではありません</translation>
    </message>
    <message>
        <source>the folder belongs to another user</source>
        <translation>フォルダーの所有者が別のユーザーです</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>シンボリックリンクです</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the Lumabels developers. Free software under the MIT License.</source>
        <translation>Copyright (c) 2026 Lumabels 開発者。MIT ライセンスのフリーソフトウェアです。</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>%1 %2. %3</source>
        <translation>%1 %2。%3</translation>
    </message>
    <message>
        <source>Lumabels for Linux</source>
        <translation>Linux 版 Lumabels</translation>
    </message>
    <message>
        <source>Lumabels for Win32</source>
        <translation>Win32 版 Lumabels</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定値</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>プレイ</translation>
    </message>
    <message>
        <source>&amp;Lumabels :</source>
        <translation>ルマベルの数(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Clouds :</source>
        <translation>雲の数(&amp;C):</translation>
    </message>
    <message>
        <source>&amp;Speed :</source>
        <translation>速度(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Message :</source>
        <translation>見出し(&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Arrange :</source>
        <translation>配置(&amp;A):</translation>
    </message>
    <message>
        <source>Play S&amp;ound</source>
        <translation>音を鳴らす(&amp;O)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Restore R&amp;ecord</source>
        <translation>記録を復元する(&amp;E)</translation>
    </message>
    <message>
        <source>Clear Recor&amp;d</source>
        <translation>記録を消去する(&amp;D)</translation>
    </message>
    <message>
        <source>Restore &amp;Position</source>
        <translation>位置を復元する(&amp;P)</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>常に手前に表示する(&amp;T)</translation>
    </message>
    <message>
        <source>How many lumabels are in play at once, from %1 to %2. A text that is not a number counts as the default, %3.</source>
        <translation>同時に出るルマベルの数です（%1～%2）。数字以外の文字は既定値の %3 とみなします。</translation>
    </message>
    <message>
        <source>How many clouds are on the field at once, from %1 to %2. A text that is not a number counts as the default, %3.</source>
        <translation>同時に出る雲の数です（%1～%2）。数字以外の文字は既定値の %3 とみなします。</translation>
    </message>
    <message>
        <source>The time between two steps of the game in milliseconds, from %1 to %2: larger is slower. A text that is not a number counts as the default, %3.</source>
        <translation>ゲームが 1 歩進む間隔をミリ秒で指定します（%1～%2）。大きいほど遅くなります。数字以外の文字は既定値の %3 とみなします。</translation>
    </message>
    <message>
        <source>The heading of the results screen.</source>
        <translation>結果画面の見出しです。</translation>
    </message>
    <message>
        <source>Plays a note for every point scored.</source>
        <translation>得点するたびに音を鳴らします。</translation>
    </message>
    <message>
        <source>Sets the numbers of lumabels and clouds together.</source>
        <translation>ルマベルの数と雲の数をまとめて設定します。</translation>
    </message>
    <message>
        <source>Leaves the numbers as they are.</source>
        <translation>数を変えません。</translation>
    </message>
    <message>
        <source>Sets Lumabels to %1 and Clouds to %2.</source>
        <translation>ルマベルの数を %1、雲の数を %2 にします。</translation>
    </message>
    <message>
        <source>At start, the best score and the best time are taken from the last run.</source>
        <translation>起動時に、前回の最高得点と最長時間を読み込みます。</translation>
    </message>
    <message>
        <source>On OK, the best score and the best time go back to 0.</source>
        <translation>OK を押すと、最高得点と最長時間を 0 に戻します。</translation>
    </message>
    <message>
        <source>At start, the window opens where it was when the game last closed.</source>
        <translation>起動時に、前回ゲームを終了したときの位置にウィンドウを開きます。</translation>
    </message>
    <message>
        <source>The game&apos;s window stays above other windows.</source>
        <translation>ゲームのウィンドウをほかのウィンドウより常に手前に表示します。</translation>
    </message>
    <message>
        <source>Takes the options; a game under way ends.</source>
        <translation>オプションを適用します。プレイ中のゲームは終了します。</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing.</source>
        <translation>何も変更せずにダイアログを閉じます。</translation>
    </message>
    <message>
        <source>Puts every option in the dialog back to its default.</source>
        <translation>ダイアログのすべてのオプションを既定値に戻します。</translation>
    </message>
</context>
</TS>
