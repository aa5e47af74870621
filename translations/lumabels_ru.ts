<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ArrangementPresets</name>
    <message>
        <source>(None)</source>
        <translation>(Нет)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Стандартная</translation>
    </message>
    <message>
        <source>Serene</source>
        <translation>Безмятежная</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Облачная</translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation>Модерато</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: lumabels [--help | --version] [Qt options such as -platform NAME, -style NAME]</source>
        <translation>Использование: lumabels [--help | --version] [параметры Qt, например -platform ИМЯ, -style ИМЯ]</translation>
    </message>
    <message>
        <source>Lumabels, a small arcade game: a girl in a white dress rides six-colour bands across
the night sky. Click a band that overlaps hers to make her jump, or a cloud to call a
new band. Shift clicks at the mouse pointer; F2 starts a new game, F5 opens the
options, F1 the help page.
</source>
        <translation>Lumabels — небольшая аркадная игра: девочка в белом платье летит по ночному небу
на шестицветных полосах. Щёлкните по полосе, которая перекрывает её полосу, чтобы
она перепрыгнула, или по облаку, чтобы вызвать новую полосу. Shift щёлкает под
указателем мыши; F2 начинает новую игру, F5 открывает параметры, F1 — справку.
</translation>
    </message>
    <message>
        <source>  --help     show this text and exit
  --version  show the version and exit
</source>
        <translation>  --help     показать этот текст и выйти
  --version  показать версию и выйти
</translation>
    </message>
    <message>
        <source>The options every Qt program takes are understood too, for example -platform xcb,
-style fusion, -reverse or -display :1.
</source>
        <translation>Понимаются и параметры, общие для всех программ на Qt, например -platform xcb,
-style fusion, -reverse или -display :1.
</translation>
    </message>
    <message>
        <source>Settings are kept in settings.ini beside the program when that folder is writable,
otherwise in $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/).
</source>
        <translation>Настройки хранятся в settings.ini рядом с программой, если в эту папку можно писать,
иначе в $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/).
</translation>
    </message>
    <message>
        <source>Exit status: 0 when the game ends, 1 when another copy is already running (this one
does nothing), 2 for an unknown option, 3 when no display could be opened.
</source>
        <translation>Код возврата: 0 — игра завершена, 1 — уже запущена другая копия (эта ничего не делает),
2 — неизвестный параметр, 3 — не удалось открыть ни один дисплей.
</translation>
    </message>
</context>
<context>
    <name>PlatformStartGuard</name>
    <message>
        <source>%1 is not set</source>
        <translation>%1 не задана</translation>
    </message>
    <message>
        <source>lumabels: cannot start: no X display (%1) and no Wayland display (%2) could be opened</source>
        <translation>lumabels: запуск невозможен: не удалось открыть ни дисплей X (%1), ни дисплей Wayland (%2)</translation>
    </message>
    <message>
        <source>lumabels: cannot start: no X display (%1) and no Wayland display (%2) could be opened with the platform QT_QPA_PLATFORM=%3</source>
        <translation>lumabels: запуск невозможен: не удалось открыть ни дисплей X (%1), ни дисплей Wayland (%2) с платформой QT_QPA_PLATFORM=%3</translation>
    </message>
</context>
<context>
    <name>ResultLines</name>
    <message>
        <source>Last : %1 pt. %2 sec.</source>
        <translation>Последняя игра: %1 очк. %2 с</translation>
    </message>
    <message>
        <source>Record : %1 pt. %2 sec.</source>
        <translation>Рекорд: %1 очк. %2 с</translation>
    </message>
</context>
<context>
    <name>ResultsHeading</name>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Lumabels for Win32</source>
        <translation>Lumabels для Win32</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the Lumabels developers. Free software under the MIT License.</source>
        <translation>Copyright (c) 2026 разработчики Lumabels. Свободная программа под лицензией MIT.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>%1 %2. %3</source>
        <translation>%1 %2. %3</translation>
    </message>
</context>
<context>
    <name>TGui</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Подсказки</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Opening HTML help file.

Sure?</source>
        <translation>Будет открыта справка в формате HTML.

Продолжить?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Подсказки</translation>
    </message>
    <message>
        <source>A new lumabel comes out when a cloud is clicked.

[Shift] functions as left mouse click while playing the game.</source>
        <translation>Щелчок по облаку вызывает новый люмабель.

Во время игры [Shift] действует как щелчок левой кнопкой мыши.</translation>
    </message>
    <message>
        <source>Title screen. Space, Enter or a click starts a game.</source>
        <translation>Заставка. Пробел, Enter или щелчок начинают игру.</translation>
    </message>
    <message>
        <source>Playing, score %1</source>
        <translation>Идёт игра, очков: %1</translation>
    </message>
    <message>
        <source>Click a band that overlaps hers, or a cloud. Shift clicks at the pointer.</source>
        <translation>Щёлкните по полосе, перекрывающей её полосу, или по облаку. Shift щёлкает под указателем.</translation>
    </message>
    <message>
        <source>Results screen. Space or Enter starts a new game.</source>
        <translation>Результаты. Пробел или Enter начинают новую игру.</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>&amp;Lumabels :</source>
        <translation>&amp;Люмабели:</translation>
    </message>
    <message>
        <source>&amp;Clouds :</source>
        <translation>&amp;Облака:</translation>
    </message>
    <message>
        <source>&amp;Speed :</source>
        <translation>&amp;Скорость:</translation>
    </message>
    <message>
        <source>&amp;Message :</source>
        <translation>&amp;Заголовок:</translation>
    </message>
    <message>
        <source>&amp;Arrange :</source>
        <translation>&amp;Расстановка:</translation>
    </message>
    <message>
        <source>Play S&amp;ound</source>
        <translation>&amp;Воспроизводить звук</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>Restore R&amp;ecord</source>
        <translation>Восстанавливать р&amp;екорд</translation>
    </message>
    <message>
        <source>Clear Recor&amp;d</source>
        <translation>Сбросить рекор&amp;д</translation>
    </message>
    <message>
        <source>Restore &amp;Position</source>
        <translation>Восстанавливать &amp;положение</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Всегда &amp;наверху</translation>
    </message>
</context>
</TS>
