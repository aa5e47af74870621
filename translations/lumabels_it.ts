<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ArrangementPresets</name>
    <message>
        <source>(None)</source>
        <translation>(Nessuna)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinita</translation>
    </message>
    <message>
        <source>Serene</source>
        <translation>Serena</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nuvolosa</translation>
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
        <translation>Uso: lumabels [--help | --version] [opzioni di Qt come -platform NOME, -style NOME]</translation>
    </message>
    <message>
        <source>Lumabels, a small arcade game: a girl in a white dress rides six-colour bands across
the night sky. Click a band that overlaps hers to make her jump, or a cloud to call a
new band. Shift clicks at the mouse pointer; F2 starts a new game, F5 opens the
options, F1 the help page.
</source>
        <translation>Lumabels, un piccolo gioco arcade: una bambina vestita di bianco attraversa il cielo
notturno su fasce di sei colori. Fai clic su una fascia che si sovrappone alla sua per
farla saltare, o su una nuvola per chiamare una nuova fascia. Maiusc fa clic sotto il
puntatore; F2 avvia una nuova partita, F5 apre le opzioni, F1 la pagina di guida.
</translation>
    </message>
    <message>
        <source>  --help     show this text and exit
  --version  show the version and exit
</source>
        <translation>  --help     mostra questo testo ed esce
  --version  mostra la versione ed esce
</translation>
    </message>
    <message>
        <source>The options every Qt program takes are understood too, for example -platform xcb,
-style fusion, -reverse or -display :1.
</source>
        <translation>Sono accettate anche le opzioni comuni a ogni programma Qt, per esempio -platform xcb,
-style fusion, -reverse o -display :1.
</translation>
    </message>
    <message>
        <source>Exit status: 0 when the game ends, 1 when another copy is already running (this one
does nothing), 2 for an unknown option, 3 when no display could be opened.
</source>
        <translation>Codice di uscita: 0 quando il gioco termina, 1 se un’altra copia è già in esecuzione
(questa non fa nulla), 2 per un’opzione sconosciuta, 3 se non è stato possibile aprire
alcuno schermo.
</translation>
    </message>
    <message>
        <source>Settings are kept in $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/),
or, for a portable copy (sound/ or help/ beside the program), in settings.ini
beside the program when this user may write there.
</source>
        <translation>Le impostazioni sono salvate in $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/)
oppure, per una copia portatile (sound/ o help/ accanto al programma), in settings.ini
accanto al programma se questo utente può scriverci.
</translation>
    </message>
    <message>
        <source>lumabels: unknown argument: %1</source>
        <translation>lumabels: argomento sconosciuto: %1</translation>
    </message>
</context>
<context>
    <name>KeptSettings</name>
    <message>
        <source>lumabels: the settings were not saved: %1</source>
        <translation>lumabels: le impostazioni non sono state salvate: %1</translation>
    </message>
    <message>
        <source>lumabels: the settings were not saved in %1: %2</source>
        <translation>lumabels: le impostazioni non sono state salvate in %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Suggerimenti</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Opening HTML help file.

Sure?</source>
        <translation>Verrà aperta la guida in formato HTML.

Procedere?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>A new lumabel comes out when a cloud is clicked.

[Shift] functions as left mouse click while playing the game.</source>
        <translation>Facendo clic su una nuvola compare un nuovo lumabel.

Durante la partita [Maiusc] funziona come un clic con il tasto sinistro del mouse.</translation>
    </message>
    <message>
        <source>Title screen. Space, Enter or a click starts a game.</source>
        <translation>Schermata del titolo. Spazio, Invio o un clic avviano una partita.</translation>
    </message>
    <message>
        <source>Playing, score %1</source>
        <translation>Partita in corso, punteggio %1</translation>
    </message>
    <message>
        <source>Click a band that overlaps hers, or a cloud. Shift clicks at the pointer.</source>
        <translation>Fai clic su una fascia che si sovrappone alla sua, o su una nuvola. Maiusc fa clic sotto il puntatore.</translation>
    </message>
    <message>
        <source>Results screen. Space or Enter starts a new game.</source>
        <translation>Schermata dei risultati. Spazio o Invio avviano una nuova partita.</translation>
    </message>
    <message>
        <source>Lumabels: another program destroyed the game&apos;s window; closing</source>
        <translation>Lumabels: un altro programma ha distrutto la finestra del gioco; chiusura in corso</translation>
    </message>
    <message>
        <source>No browser could be started to show the help page. You can open it yourself:

%1</source>
        <translation>Non è stato possibile avviare un browser per mostrare la pagina della guida. È possibile aprirla direttamente:

%1</translation>
    </message>
    <message>
        <source>A new record!</source>
        <translation>Nuovo record!</translation>
    </message>
</context>
<context>
    <name>PlatformStartGuard</name>
    <message>
        <source>%1 is not set</source>
        <translation>%1 non è impostata</translation>
    </message>
    <message>
        <source>lumabels: cannot start: no X display (%1) and no Wayland display (%2) could be opened</source>
        <translation>lumabels: impossibile avviare: non è stato possibile aprire né uno schermo X (%1) né uno schermo Wayland (%2)</translation>
    </message>
    <message>
        <source>lumabels: cannot start: no X display (%1) and no Wayland display (%2) could be opened with the platform QT_QPA_PLATFORM=%3</source>
        <translation>lumabels: impossibile avviare: non è stato possibile aprire né uno schermo X (%1) né uno schermo Wayland (%2) con la piattaforma QT_QPA_PLATFORM=%3</translation>
    </message>
    <message>
        <source>lumabels: cannot start: the platform %1 could not be started</source>
        <translation>lumabels: impossibile avviare: non è stato possibile avviare la piattaforma %1</translation>
    </message>
</context>
<context>
    <name>ProgramGlobals</name>
    <message>
        <source>lumabels: %1 is another user&apos;s home folder, so the game keeps nothing there and uses %2 instead</source>
        <translation>lumabels: %1 è la cartella home di un altro utente, quindi il gioco non vi salva nulla e usa invece %2</translation>
    </message>
</context>
<context>
    <name>ResultLines</name>
    <message numerus="yes">
        <source>Last : %n pt. %1 sec.</source>
        <translation>
            <numerusform>Ultima partita: %n punto, %1 s</numerusform>
            <numerusform>Ultima partita: %n punti, %1 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Record : %n pt. %1 sec.</source>
        <translation>
            <numerusform>Record: %n punto, %1 s</numerusform>
            <numerusform>Record: %n punti, %1 s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsHeading</name>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
</context>
<context>
    <name>SaveAtExit</name>
    <message>
        <source>Lumabels: ending without its window (the display is lost); the settings are saved in %1</source>
        <translation>Lumabels: chiusura senza finestra (lo schermo non è più raggiungibile); le impostazioni sono state salvate in %1</translation>
    </message>
    <message>
        <source>Lumabels: ending without its window (the display is lost); the settings could not be saved in %1</source>
        <translation>Lumabels: chiusura senza finestra (lo schermo non è più raggiungibile); non è stato possibile salvare le impostazioni in %1</translation>
    </message>
</context>
<context>
    <name>SingleInstanceLock</name>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>il file appartiene a un altro utente</translation>
    </message>
    <message>
        <source>lumabels: cannot take the single-instance lock %1: %2</source>
        <translation>lumabels: impossibile ottenere il blocco di istanza unica %1: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a folder of this user&apos;s</source>
        <translation>è un collegamento simbolico, non una cartella di questo utente</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <source>the folder belongs to another user</source>
        <translation>la cartella appartiene a un altro utente</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>è un collegamento simbolico</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the Lumabels developers. Free software under the MIT License.</source>
        <translation>Copyright (c) 2026 gli sviluppatori di Lumabels. Software libero con licenza MIT.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>%1 %2. %3</source>
        <translation>%1 %2. %3</translation>
    </message>
    <message>
        <source>Lumabels for Linux</source>
        <translation>Lumabels per Linux</translation>
    </message>
    <message>
        <source>Lumabels for Win32</source>
        <translation>Lumabels per Win32</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefiniti</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Gioco</translation>
    </message>
    <message>
        <source>&amp;Lumabels :</source>
        <translation>&amp;Lumabel:</translation>
    </message>
    <message>
        <source>&amp;Clouds :</source>
        <translation>&amp;Nuvole:</translation>
    </message>
    <message>
        <source>&amp;Speed :</source>
        <translation>&amp;Velocità:</translation>
    </message>
    <message>
        <source>&amp;Message :</source>
        <translation>&amp;Messaggio:</translation>
    </message>
    <message>
        <source>&amp;Arrange :</source>
        <translation>&amp;Disposizione:</translation>
    </message>
    <message>
        <source>Play S&amp;ound</source>
        <translation>Riproduci &amp;suoni</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Restore R&amp;ecord</source>
        <translation>&amp;Ripristina record</translation>
    </message>
    <message>
        <source>Clear Recor&amp;d</source>
        <translation>&amp;Azzera record</translation>
    </message>
    <message>
        <source>Restore &amp;Position</source>
        <translation>Ripristina &amp;posizione</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Sempre in pr&amp;imo piano</translation>
    </message>
    <message>
        <source>How many lumabels are in play at once, from %1 to %2. A text that is not a number counts as the default, %3.</source>
        <translation>Quanti lumabel sono in gioco contemporaneamente, da %1 a %2. Un testo che non è un numero vale come il valore predefinito, %3.</translation>
    </message>
    <message>
        <source>How many clouds are on the field at once, from %1 to %2. A text that is not a number counts as the default, %3.</source>
        <translation>Quante nuvole ci sono in cielo contemporaneamente, da %1 a %2. Un testo che non è un numero vale come il valore predefinito, %3.</translation>
    </message>
    <message>
        <source>The time between two steps of the game in milliseconds, from %1 to %2: larger is slower. A text that is not a number counts as the default, %3.</source>
        <translation>Il tempo tra due passi del gioco in millisecondi, da %1 a %2: più è alto, più il gioco è lento. Un testo che non è un numero vale come il valore predefinito, %3.</translation>
    </message>
    <message>
        <source>The heading of the results screen.</source>
        <translation>Il titolo della schermata dei risultati.</translation>
    </message>
    <message>
        <source>Plays a note for every point scored.</source>
        <translation>Suona una nota per ogni punto segnato.</translation>
    </message>
    <message>
        <source>Sets the numbers of lumabels and clouds together.</source>
        <translation>Imposta insieme il numero di lumabel e di nuvole.</translation>
    </message>
    <message>
        <source>Leaves the numbers as they are.</source>
        <translation>Lascia i numeri come sono.</translation>
    </message>
    <message>
        <source>Sets Lumabels to %1 and Clouds to %2.</source>
        <translation>Imposta Lumabel a %1 e Nuvole a %2.</translation>
    </message>
    <message>
        <source>At start, the best score and the best time are taken from the last run.</source>
        <translation>All’avvio, il miglior punteggio e il miglior tempo vengono ripresi dall’ultima volta.</translation>
    </message>
    <message>
        <source>On OK, the best score and the best time go back to 0.</source>
        <translation>Con OK, il miglior punteggio e il miglior tempo tornano a 0.</translation>
    </message>
    <message>
        <source>At start, the window opens where it was when the game last closed.</source>
        <translation>All’avvio, la finestra si apre dove si trovava all’ultima chiusura del gioco.</translation>
    </message>
    <message>
        <source>The game&apos;s window stays above other windows.</source>
        <translation>La finestra del gioco resta sopra le altre finestre.</translation>
    </message>
    <message>
        <source>Takes the options; a game under way ends.</source>
        <translation>Applica le opzioni; una partita in corso termina.</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing.</source>
        <translation>Chiude la finestra di dialogo senza cambiare nulla.</translation>
    </message>
    <message>
        <source>Puts every option in the dialog back to its default.</source>
        <translation>Riporta tutte le opzioni della finestra di dialogo al valore predefinito.</translation>
    </message>
</context>
</TS>
