<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ArrangementPresets</name>
    <message>
        <source>(None)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Serene</source>
        <translation>宁静</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>多云</translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation>中板</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: lumabels [--help | --version] [Qt options such as -platform NAME, -style NAME]</source>
        <translation>用法：lumabels [--help | --version] [Qt 选项，如 -platform 名称、-style 名称]</translation>
    </message>
    <message>
        <source>Lumabels, a small arcade game: a girl in a white dress rides six-colour bands across
the night sky. Click a band that overlaps hers to make her jump, or a cloud to call a
new band. Shift clicks at the mouse pointer; F2 starts a new game, F5 opens the
options, F1 the help page.
</source>
        <translation>Lumabels 是一款小型街机游戏：穿白裙的小女孩乘着六色光带飞越夜空。
点击与她所乘光带重叠的另一条光带，她就会跳过去；点击云朵可以召来新的光带。
Shift 键在鼠标指针处单击；F2 开始新游戏，F5 打开选项，F1 打开帮助页面。
</translation>
    </message>
    <message>
        <source>  --help     show this text and exit
  --version  show the version and exit
</source>
        <translation>  --help     显示此说明并退出
  --version  显示版本并退出
</translation>
    </message>
    <message>
        <source>The options every Qt program takes are understood too, for example -platform xcb,
-style fusion, -reverse or -display :1.
</source>
        <translation>也可以使用所有 Qt 程序通用的选项，例如 -platform xcb、-style fusion、-reverse
或 -display :1。
</translation>
    </message>
    <message>
        <source>Exit status: 0 when the game ends, 1 when another copy is already running (this one
does nothing), 2 for an unknown option, 3 when no display could be opened.
</source>
        <translation>退出状态：0 表示游戏正常结束，1 表示已有另一个副本在运行（本副本不做任何事），
2 表示未知选项，3 表示无法打开任何显示。
</translation>
    </message>
    <message>
        <source>Settings are kept in $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/),
or, for a portable copy (sound/ or help/ beside the program), in settings.ini
beside the program when this user may write there.
</source>
        <translation>设置保存在 $XDG_CONFIG_HOME/lumabels/settings.ini（~/.config/lumabels/）中；
便携版（程序旁有 sound/ 或 help/）在当前用户可写入时，保存在程序旁的 settings.ini 中。
</translation>
    </message>
    <message>
        <source>lumabels: unknown argument: %1</source>
        <translation>lumabels: 无法识别的参数: %1</translation>
    </message>
</context>
<context>
    <name>KeptSettings</name>
    <message>
        <source>lumabels: the settings were not saved: %1</source>
        <translation>lumabels: 设置未能保存：%1</translation>
    </message>
    <message>
        <source>lumabels: the settings were not saved in %1: %2</source>
        <translation>lumabels: 设置未能保存到 %1：%2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>提示(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Opening HTML help file.

Sure?</source>
        <translation>即将打开 HTML 帮助文件。

是否继续？</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>A new lumabel comes out when a cloud is clicked.

[Shift] functions as left mouse click while playing the game.</source>
        <translation>点击云朵会召来一条新的光带。

游戏中，[Shift] 键相当于单击鼠标左键。</translation>
    </message>
    <message>
        <source>Title screen. Space, Enter or a click starts a game.</source>
        <translation>标题画面。按空格键、回车键或单击即可开始游戏。</translation>
    </message>
    <message>
        <source>Playing, score %1</source>
        <translation>游戏中，得分 %1</translation>
    </message>
    <message>
        <source>Click a band that overlaps hers, or a cloud. Shift clicks at the pointer.</source>
        <translation>点击与她的光带重叠的光带，或点击云朵。Shift 键在指针处单击。</translation>
    </message>
    <message>
        <source>Results screen. Space or Enter starts a new game.</source>
        <translation>结果画面。按空格键或回车键开始新游戏。</translation>
    </message>
    <message>
        <source>Lumabels: another program destroyed the game&apos;s window; closing</source>
        <translation>Lumabels: 另一个程序销毁了游戏窗口；正在关闭</translation>
    </message>
    <message>
        <source>No browser could be started to show the help page. You can open it yourself:

%1</source>
        <translation>无法启动浏览器来显示帮助页面。您可以自行打开：

%1</translation>
    </message>
    <message>
        <source>A new record!</source>
        <translation>新纪录！</translation>
    </message>
</context>
<context>
    <name>PlatformStartGuard</name>
    <message>
        <source>%1 is not set</source>
        <translation>%1 未设置</translation>
    </message>
    <message>
        <source>lumabels: cannot start: no X display (%1) and no Wayland display (%2) could be opened</source>
        <translation>lumabels: 无法启动：既无法打开 X 显示（%1），也无法打开 Wayland 显示（%2）</translation>
    </message>
    <message>
        <source>lumabels: cannot start: no X display (%1) and no Wayland display (%2) could be opened with the platform QT_QPA_PLATFORM=%3</source>
        <translation>lumabels: 无法启动：使用平台 QT_QPA_PLATFORM=%3 时，既无法打开 X 显示（%1），也无法打开 Wayland 显示（%2）</translation>
    </message>
    <message>
        <source>lumabels: cannot start: the platform %1 could not be started</source>
        <translation>lumabels: 无法启动: 无法启动平台 %1</translation>
    </message>
</context>
<context>
    <name>ProgramGlobals</name>
    <message>
        <source>lumabels: %1 is another user&apos;s home folder, so the game keeps nothing there and uses %2 instead</source>
        <translation>lumabels: %1 是其他用户的主文件夹，游戏不会在那里保存任何内容，而是改用 %2</translation>
    </message>
</context>
<context>
    <name>ResultLines</name>
    <message numerus="yes">
        <source>Last : %n pt. %1 sec.</source>
        <translation>
            <numerusform>本局：得分 %n，用时 %1 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Record : %n pt. %1 sec.</source>
        <translation>
            <numerusform>纪录：得分 %n，用时 %1 秒</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsHeading</name>
    <message>
        <source>Results</source>
        <translation>结果</translation>
    </message>
</context>
<context>
    <name>SaveAtExit</name>
    <message>
        <source>Lumabels: ending without its window (the display is lost); the settings are saved in %1</source>
        <translation>Lumabels: 在没有窗口的情况下退出（与显示的连接已断开）；设置已保存到 %1</translation>
    </message>
    <message>
        <source>Lumabels: ending without its window (the display is lost); the settings could not be saved in %1</source>
        <translation>Lumabels: 在没有窗口的情况下退出（与显示的连接已断开）；设置未能保存到 %1</translation>
    </message>
</context>
<context>
    <name>SingleInstanceLock</name>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>该文件属于其他用户</translation>
    </message>
    <message>
        <source>lumabels: cannot take the single-instance lock %1: %2</source>
        <translation>lumabels: 无法获取防止重复启动的锁 %1：%2</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a folder of this user&apos;s</source>
        <translation>它是符号链接，而不是当前用户的文件夹</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>它不是文件夹</translation>
    </message>
    <message>
        <source>the folder belongs to another user</source>
        <translation>该文件夹属于其他用户</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>它是符号链接</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the Lumabels developers. Free software under the MIT License.</source>
        <translation>Copyright (c) 2026 Lumabels 开发者。基于 MIT 许可证发布的自由软件。</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>%1 %2. %3</source>
        <translation>%1，%2。%3</translation>
    </message>
    <message>
        <source>Lumabels for Linux</source>
        <translation>适用于 Linux 的 Lumabels</translation>
    </message>
    <message>
        <source>Lumabels for Win32</source>
        <translation>适用于 Win32 的 Lumabels</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认值</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>&amp;Lumabels :</source>
        <translation>光带数(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Clouds :</source>
        <translation>云朵数(&amp;C):</translation>
    </message>
    <message>
        <source>&amp;Speed :</source>
        <translation>速度(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Message :</source>
        <translation>标题(&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Arrange :</source>
        <translation>预设(&amp;A):</translation>
    </message>
    <message>
        <source>Play S&amp;ound</source>
        <translation>播放声音(&amp;O)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Restore R&amp;ecord</source>
        <translation>恢复纪录(&amp;E)</translation>
    </message>
    <message>
        <source>Clear Recor&amp;d</source>
        <translation>清除纪录(&amp;D)</translation>
    </message>
    <message>
        <source>Restore &amp;Position</source>
        <translation>恢复位置(&amp;P)</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>总在最前(&amp;T)</translation>
    </message>
    <message>
        <source>How many lumabels are in play at once, from %1 to %2. A text that is not a number counts as the default, %3.</source>
        <translation>同时在场的光带数，范围为 %1 到 %2。输入的不是数字时，按默认值 %3 处理。</translation>
    </message>
    <message>
        <source>How many clouds are on the field at once, from %1 to %2. A text that is not a number counts as the default, %3.</source>
        <translation>同时出现的云朵数，范围为 %1 到 %2。输入的不是数字时，按默认值 %3 处理。</translation>
    </message>
    <message>
        <source>The time between two steps of the game in milliseconds, from %1 to %2: larger is slower. A text that is not a number counts as the default, %3.</source>
        <translation>游戏每走一步的间隔（毫秒），范围为 %1 到 %2，数值越大越慢。输入的不是数字时，按默认值 %3 处理。</translation>
    </message>
    <message>
        <source>The heading of the results screen.</source>
        <translation>结果画面的标题。</translation>
    </message>
    <message>
        <source>Plays a note for every point scored.</source>
        <translation>每得一分播放一个音符。</translation>
    </message>
    <message>
        <source>Sets the numbers of lumabels and clouds together.</source>
        <translation>同时设置光带数和云朵数。</translation>
    </message>
    <message>
        <source>Leaves the numbers as they are.</source>
        <translation>保持数目不变。</translation>
    </message>
    <message>
        <source>Sets Lumabels to %1 and Clouds to %2.</source>
        <translation>光带数设为 %1，云朵数设为 %2。</translation>
    </message>
    <message>
        <source>At start, the best score and the best time are taken from the last run.</source>
        <translation>启动时读取上次的最高分和最长时间。</translation>
    </message>
    <message>
        <source>On OK, the best score and the best time go back to 0.</source>
        <translation>按“确定”后，最高分和最长时间归零。</translation>
    </message>
    <message>
        <source>At start, the window opens where it was when the game last closed.</source>
        <translation>启动时，窗口出现在上次关闭游戏时的位置。</translation>
    </message>
    <message>
        <source>The game&apos;s window stays above other windows.</source>
        <translation>游戏窗口始终显示在其他窗口之上。</translation>
    </message>
    <message>
        <source>Takes the options; a game under way ends.</source>
        <translation>应用这些选项；正在进行的游戏将结束。</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing.</source>
        <translation>关闭对话框，不做任何更改。</translation>
    </message>
    <message>
        <source>Puts every option in the dialog back to its default.</source>
        <translation>将对话框中的所有选项恢复为默认值。</translation>
    </message>
</context>
</TS>
