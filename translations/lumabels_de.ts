<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ArrangementPresets</name>
    <message>
        <source>(None)</source>
        <translation>(Keine)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Serene</source>
        <translation>Heiter</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Bewölkt</translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation>Moderato</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: lumabels [--help | --version] [Qt options such as -platform NAME, -style NAME]</source>
        <translation>Aufruf: lumabels [--help | --version] [Qt-Optionen wie -platform NAME, -style NAME]</translation>
    </message>
    <message>
        <source>Lumabels, a small arcade game: a girl in a white dress rides six-colour bands across
the night sky. Click a band that overlaps hers to make her jump, or a cloud to call a
new band. Shift clicks at the mouse pointer; F2 starts a new game, F5 opens the
options, F1 the help page.
</source>
        <translation>Lumabels, ein kleines Arcade-Spiel: Ein Mädchen im weißen Kleid reitet auf sechsfarbigen
Bändern über den Nachthimmel. Klicken Sie auf ein Band, das sich mit ihrem überschneidet,
damit sie hinüberspringt, oder auf eine Wolke, um ein neues Band herbeizurufen. Die
Umschalttaste klickt an der Stelle des Mauszeigers; F2 startet ein neues Spiel, F5 öffnet
die Optionen, F1 die Hilfe.
</translation>
    </message>
    <message>
        <source>  --help     show this text and exit
  --version  show the version and exit
</source>
        <translation>  --help     diesen Text anzeigen und beenden
  --version  die Version anzeigen und beenden
</translation>
    </message>
    <message>
        <source>The options every Qt program takes are understood too, for example -platform xcb,
-style fusion, -reverse or -display :1.
</source>
        <translation>Die Optionen, die jedes Qt-Programm annimmt, werden ebenfalls verstanden, zum Beispiel
-platform xcb, -style fusion, -reverse oder -display :1.
</translation>
    </message>
    <message>
        <source>Exit status: 0 when the game ends, 1 when another copy is already running (this one
does nothing), 2 for an unknown option, 3 when no display could be opened.
</source>
        <translation>Rückgabewert: 0, wenn das Spiel endet, 1, wenn bereits eine andere Instanz läuft (diese tut
dann nichts), 2 bei einer unbekannten Option, 3, wenn keine Anzeige geöffnet werden konnte.
</translation>
    </message>
    <message>
        <source>Settings are kept in $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/),
or, for a portable copy (sound/ or help/ beside the program), in settings.ini
beside the program when this user may write there.
</source>
        <translation>Die Einstellungen liegen in $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/),
bei einer portablen Kopie (sound/ oder help/ neben dem Programm) aber in settings.ini
neben dem Programm, wenn dieser Benutzer dort schreiben darf.
</translation>
    </message>
    <message>
        <source>lumabels: unknown argument: %1</source>
        <translation>lumabels: unbekanntes Argument: %1</translation>
    </message>
</context>
<context>
    <name>KeptSettings</name>
    <message>
        <source>lumabels: the settings were not saved: %1</source>
        <translation>lumabels: Die Einstellungen wurden nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>lumabels: the settings were not saved in %1: %2</source>
        <translation>lumabels: Die Einstellungen wurden nicht in %1 gespeichert: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Tipps</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Opening HTML help file.

Sure?</source>
        <translation>Die HTML-Hilfe wird geöffnet.

Fortfahren?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>A new lumabel comes out when a cloud is clicked.

[Shift] functions as left mouse click while playing the game.</source>
        <translation>Ein Klick auf eine Wolke ruft ein neues Lumabel herbei.

Während des Spiels wirkt [Umschalt] wie ein Klick mit der linken Maustaste.</translation>
    </message>
    <message>
        <source>Title screen. Space, Enter or a click starts a game.</source>
        <translation>Titelbildschirm. Leertaste, Eingabetaste oder ein Klick startet ein Spiel.</translation>
    </message>
    <message>
        <source>Playing, score %1</source>
        <translation>Im Spiel, Punktestand %1</translation>
    </message>
    <message>
        <source>Click a band that overlaps hers, or a cloud. Shift clicks at the pointer.</source>
        <translation>Klicken Sie auf ein Band, das sich mit ihrem überschneidet, oder auf eine Wolke. Die Umschalttaste klickt an der Stelle des Mauszeigers.</translation>
    </message>
    <message>
        <source>Results screen. Space or Enter starts a new game.</source>
        <translation>Ergebnisbildschirm. Leertaste oder Eingabetaste startet ein neues Spiel.</translation>
    </message>
    <message>
        <source>Lumabels: another program destroyed the game&apos;s window; closing</source>
        <translation>Lumabels: Ein anderes Programm hat das Fenster des Spiels zerstört; das Spiel wird beendet</translation>
    </message>
    <message>
        <source>No browser could be started to show the help page. You can open it yourself:

%1</source>
        <translation>Es konnte kein Browser gestartet werden, um die Hilfeseite anzuzeigen. Sie können sie selbst öffnen:

%1</translation>
    </message>
    <message>
        <source>A new record!</source>
        <translation>Neuer Rekord!</translation>
    </message>
</context>
<context>
    <name>PlatformStartGuard</name>
    <message>
        <source>%1 is not set</source>
        <translation>%1 ist nicht gesetzt</translation>
    </message>
    <message>
        <source>lumabels: cannot start: no X display (%1) and no Wayland display (%2) could be opened</source>
        <translation>lumabels: Start nicht möglich: Weder eine X-Anzeige (%1) noch eine Wayland-Anzeige (%2) konnte geöffnet werden</translation>
    </message>
    <message>
        <source>lumabels: cannot start: no X display (%1) and no Wayland display (%2) could be opened with the platform QT_QPA_PLATFORM=%3</source>
        <translation>lumabels: Start nicht möglich: Weder eine X-Anzeige (%1) noch eine Wayland-Anzeige (%2) konnte mit der Plattform QT_QPA_PLATFORM=%3 geöffnet werden</translation>
    </message>
    <message>
        <source>lumabels: cannot start: the platform %1 could not be started</source>
        <translation>lumabels: Start nicht möglich: Die Plattform %1 ließ sich nicht starten</translation>
    </message>
</context>
<context>
    <name>ProgramGlobals</name>
    <message>
        <source>lumabels: %1 is another user&apos;s home folder, so the game keeps nothing there and uses %2 instead</source>
        <translation>lumabels: %1 ist der persönliche Ordner eines anderen Benutzers; das Spiel legt dort nichts ab und verwendet stattdessen %2</translation>
    </message>
</context>
<context>
    <name>ResultLines</name>
    <message numerus="yes">
        <source>Last : %n pt. %1 sec.</source>
        <translation>
            <numerusform>Letztes Spiel: %n Punkt, %1 Sek.</numerusform>
            <numerusform>Letztes Spiel: %n Punkte, %1 Sek.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Record : %n pt. %1 sec.</source>
        <translation>
            <numerusform>Rekord: %n Punkt, %1 Sek.</numerusform>
            <numerusform>Rekord: %n Punkte, %1 Sek.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsHeading</name>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
</context>
<context>
    <name>SaveAtExit</name>
    <message>
        <source>Lumabels: ending without its window (the display is lost); the settings are saved in %1</source>
        <translation>Lumabels: Ende ohne Fenster (die Verbindung zur Anzeige ist verloren); die Einstellungen wurden in %1 gespeichert</translation>
    </message>
    <message>
        <source>Lumabels: ending without its window (the display is lost); the settings could not be saved in %1</source>
        <translation>Lumabels: Ende ohne Fenster (die Verbindung zur Anzeige ist verloren); die Einstellungen konnten nicht in %1 gespeichert werden</translation>
    </message>
</context>
<context>
    <name>SingleInstanceLock</name>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>die Datei gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>lumabels: cannot take the single-instance lock %1: %2</source>
        <translation>lumabels: Die Sperre gegen einen zweiten Start, %1, lässt sich nicht setzen: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a folder of this user&apos;s</source>
        <translation>es ist ein symbolischer Link, kein Ordner dieses Benutzers</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder belongs to another user</source>
        <translation>der Ordner gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>es ist ein symbolischer Link</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the Lumabels developers. Free software under the MIT License.</source>
        <translation>Copyright (c) 2026 die Lumabels-Entwickler. Freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1 %2. %3</source>
        <translation>%1 %2. %3</translation>
    </message>
    <message>
        <source>Lumabels for Linux</source>
        <translation>Lumabels für Linux</translation>
    </message>
    <message>
        <source>Lumabels for Win32</source>
        <translation>Lumabels für Win32</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>&amp;Lumabels :</source>
        <translation>&amp;Lumabels:</translation>
    </message>
    <message>
        <source>&amp;Clouds :</source>
        <translation>&amp;Wolken:</translation>
    </message>
    <message>
        <source>&amp;Speed :</source>
        <translation>&amp;Geschwindigkeit:</translation>
    </message>
    <message>
        <source>&amp;Message :</source>
        <translation>Über&amp;schrift:</translation>
    </message>
    <message>
        <source>&amp;Arrange :</source>
        <translation>&amp;Anordnung:</translation>
    </message>
    <message>
        <source>Play S&amp;ound</source>
        <translation>&amp;Töne spielen</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Restore R&amp;ecord</source>
        <translation>&amp;Rekord wiederherstellen</translation>
    </message>
    <message>
        <source>Clear Recor&amp;d</source>
        <translation>Rekord lös&amp;chen</translation>
    </message>
    <message>
        <source>Restore &amp;Position</source>
        <translation>&amp;Position wiederherstellen</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>How many lumabels are in play at once, from %1 to %2. A text that is not a number counts as the default, %3.</source>
        <translation>Wie viele Lumabels gleichzeitig im Spiel sind, von %1 bis %2. Ein Text, der keine Zahl ist, gilt als der Standardwert %3.</translation>
    </message>
    <message>
        <source>How many clouds are on the field at once, from %1 to %2. A text that is not a number counts as the default, %3.</source>
        <translation>Wie viele Wolken gleichzeitig am Himmel sind, von %1 bis %2. Ein Text, der keine Zahl ist, gilt als der Standardwert %3.</translation>
    </message>
    <message>
        <source>The time between two steps of the game in milliseconds, from %1 to %2: larger is slower. A text that is not a number counts as the default, %3.</source>
        <translation>Die Zeit zwischen zwei Spielschritten in Millisekunden, von %1 bis %2: Je größer, desto langsamer. Ein Text, der keine Zahl ist, gilt als der Standardwert %3.</translation>
    </message>
    <message>
        <source>The heading of the results screen.</source>
        <translation>Die Überschrift des Ergebnisbildschirms.</translation>
    </message>
    <message>
        <source>Plays a note for every point scored.</source>
        <translation>Spielt für jeden Punkt einen Ton.</translation>
    </message>
    <message>
        <source>Sets the numbers of lumabels and clouds together.</source>
        <translation>Setzt die Anzahl der Lumabels und der Wolken zusammen.</translation>
    </message>
    <message>
        <source>Leaves the numbers as they are.</source>
        <translation>Lässt die Anzahlen, wie sie sind.</translation>
    </message>
    <message>
        <source>Sets Lumabels to %1 and Clouds to %2.</source>
        <translation>Setzt Lumabels auf %1 und Wolken auf %2.</translation>
    </message>
    <message>
        <source>At start, the best score and the best time are taken from the last run.</source>
        <translation>Beim Start werden die beste Punktzahl und die beste Zeit vom letzten Mal übernommen.</translation>
    </message>
    <message>
        <source>On OK, the best score and the best time go back to 0.</source>
        <translation>Bei OK werden die beste Punktzahl und die beste Zeit auf 0 zurückgesetzt.</translation>
    </message>
    <message>
        <source>At start, the window opens where it was when the game last closed.</source>
        <translation>Beim Start öffnet sich das Fenster dort, wo es beim letzten Beenden war.</translation>
    </message>
    <message>
        <source>The game&apos;s window stays above other windows.</source>
        <translation>Das Spielfenster bleibt über allen anderen Fenstern.</translation>
    </message>
    <message>
        <source>Takes the options; a game under way ends.</source>
        <translation>Übernimmt die Optionen; ein laufendes Spiel endet.</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing.</source>
        <translation>Schließt den Dialog, ohne etwas zu ändern.</translation>
    </message>
    <message>
        <source>Puts every option in the dialog back to its default.</source>
        <translation>Setzt alle Optionen im Dialog auf ihre Standardwerte zurück.</translation>
    </message>
</context>
</TS>
