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
        <source>Exit status: 0 when the game ends, 1 when another copy is already running (this one
does nothing), 2 for an unknown option, 3 when no display could be opened.
</source>
        <translation>Код возврата: 0 — игра завершена, 1 — уже запущена другая копия (эта ничего не делает),
2 — неизвестный параметр, 3 — не удалось открыть ни один дисплей.
</translation>
    </message>
    <message>
        <source>Settings are kept in $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/),
or, for a portable copy (sound/ or help/ beside the program), in settings.ini
beside the program when this user may write there.
</source>
        <translation>Настройки хранятся в $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/),
а у переносной копии (sound/ или help/ рядом с программой) — в settings.ini рядом
с программой, если этот пользователь может туда писать.
</translation>
    </message>
    <message>
        <source>lumabels: unknown argument: %1</source>
        <translation>lumabels: неизвестный аргумент: %1</translation>
    </message>
</context>
<context>
    <name>KeptSettings</name>
    <message>
        <source>lumabels: the settings were not saved: %1</source>
        <translation>lumabels: настройки не сохранены: %1</translation>
    </message>
    <message>
        <source>lumabels: the settings were not saved in %1: %2</source>
        <translation>lumabels: настройки не сохранены в %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
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
        <translation>Титульный экран. Пробел, Enter или щелчок начинают игру.</translation>
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
        <translation>Экран результатов. Пробел или Enter начинают новую игру.</translation>
    </message>
    <message>
        <source>Lumabels: another program destroyed the game&apos;s window; closing</source>
        <translation>Lumabels: другая программа уничтожила окно игры; завершение работы</translation>
    </message>
    <message>
        <source>No browser could be started to show the help page. You can open it yourself:

%1</source>
        <translation>Не удалось запустить браузер, чтобы показать страницу справки. Её можно открыть вручную:

%1</translation>
    </message>
    <message>
        <source>A new record!</source>
        <translation>Новый рекорд!</translation>
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
    <message>
        <source>lumabels: cannot start: the platform %1 could not be started</source>
        <translation>lumabels: запуск невозможен: не удалось запустить платформу %1</translation>
    </message>
</context>
<context>
    <name>ProgramGlobals</name>
    <message>
        <source>lumabels: %1 is another user&apos;s home folder, so the game keeps nothing there and uses %2 instead</source>
        <translation>lumabels: %1 — домашняя папка другого пользователя, поэтому игра ничего там не сохраняет и использует вместо неё %2</translation>
    </message>
</context>
<context>
    <name>ResultLines</name>
    <message numerus="yes">
        <source>Last : %n pt. %1 sec.</source>
        <translation>
            <numerusform>Последняя игра: %n очко, %1 с</numerusform>
            <numerusform>Последняя игра: %n очка, %1 с</numerusform>
            <numerusform>Последняя игра: %n очков, %1 с</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Record : %n pt. %1 sec.</source>
        <translation>
            <numerusform>Рекорд: %n очко, %1 с</numerusform>
            <numerusform>Рекорд: %n очка, %1 с</numerusform>
            <numerusform>Рекорд: %n очков, %1 с</numerusform>
        </translation>
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
    <name>SaveAtExit</name>
    <message>
        <source>Lumabels: ending without its window (the display is lost); the settings are saved in %1</source>
        <translation>Lumabels: завершение без окна (связь с дисплеем потеряна); настройки сохранены в %1</translation>
    </message>
    <message>
        <source>Lumabels: ending without its window (the display is lost); the settings could not be saved in %1</source>
        <translation>Lumabels: завершение без окна (связь с дисплеем потеряна); не удалось сохранить настройки в %1</translation>
    </message>
</context>
<context>
    <name>SingleInstanceLock</name>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>файл принадлежит другому пользователю</translation>
    </message>
    <message>
        <source>lumabels: cannot take the single-instance lock %1: %2</source>
        <translation>lumabels: не удалось захватить блокировку от повторного запуска %1: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a folder of this user&apos;s</source>
        <translation>это символическая ссылка, а не папка этого пользователя</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>это не папка</translation>
    </message>
    <message>
        <source>the folder belongs to another user</source>
        <translation>папка принадлежит другому пользователю</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>это символическая ссылка</translation>
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
    <message>
        <source>Lumabels for Linux</source>
        <translation>Lumabels для Linux</translation>
    </message>
    <message>
        <source>Lumabels for Win32</source>
        <translation>Lumabels для Win32</translation>
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
    <message>
        <source>How many lumabels are in play at once, from %1 to %2. A text that is not a number counts as the default, %3.</source>
        <translation>Сколько люмабелей одновременно в игре: от %1 до %2. Текст, который не является числом, считается значением по умолчанию — %3.</translation>
    </message>
    <message>
        <source>How many clouds are on the field at once, from %1 to %2. A text that is not a number counts as the default, %3.</source>
        <translation>Сколько облаков одновременно на небе: от %1 до %2. Текст, который не является числом, считается значением по умолчанию — %3.</translation>
    </message>
    <message>
        <source>The time between two steps of the game in milliseconds, from %1 to %2: larger is slower. A text that is not a number counts as the default, %3.</source>
        <translation>Время между двумя шагами игры в миллисекундах: от %1 до %2; чем больше, тем медленнее. Текст, который не является числом, считается значением по умолчанию — %3.</translation>
    </message>
    <message>
        <source>The heading of the results screen.</source>
        <translation>Заголовок экрана результатов.</translation>
    </message>
    <message>
        <source>Plays a note for every point scored.</source>
        <translation>Играет ноту за каждое заработанное очко.</translation>
    </message>
    <message>
        <source>Sets the numbers of lumabels and clouds together.</source>
        <translation>Задаёт сразу число люмабелей и число облаков.</translation>
    </message>
    <message>
        <source>Leaves the numbers as they are.</source>
        <translation>Оставляет числа как есть.</translation>
    </message>
    <message>
        <source>Sets Lumabels to %1 and Clouds to %2.</source>
        <translation>Люмабели: %1, облака: %2.</translation>
    </message>
    <message>
        <source>At start, the best score and the best time are taken from the last run.</source>
        <translation>При запуске лучший счёт и лучшее время берутся с прошлого раза.</translation>
    </message>
    <message>
        <source>On OK, the best score and the best time go back to 0.</source>
        <translation>По нажатию «ОК» лучший счёт и лучшее время сбрасываются в 0.</translation>
    </message>
    <message>
        <source>At start, the window opens where it was when the game last closed.</source>
        <translation>При запуске окно открывается там, где было при последнем закрытии игры.</translation>
    </message>
    <message>
        <source>The game&apos;s window stays above other windows.</source>
        <translation>Окно игры остаётся поверх других окон.</translation>
    </message>
    <message>
        <source>Takes the options; a game under way ends.</source>
        <translation>Применяет параметры; текущая игра завершается.</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing.</source>
        <translation>Закрывает диалог, ничего не меняя.</translation>
    </message>
    <message>
        <source>Puts every option in the dialog back to its default.</source>
        <translation>Возвращает всем параметрам диалога значения по умолчанию.</translation>
    </message>
</context>
</TS>
