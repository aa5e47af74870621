<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ArrangementPresets</name>
    <message>
        <source>(None)</source>
        <translation>(Ninguna)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminada</translation>
    </message>
    <message>
        <source>Serene</source>
        <translation>Serena</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nublada</translation>
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
        <translation>Uso: lumabels [--help | --version] [opciones de Qt como -platform NOMBRE, -style NOMBRE]</translation>
    </message>
    <message>
        <source>Lumabels, a small arcade game: a girl in a white dress rides six-colour bands across
the night sky. Click a band that overlaps hers to make her jump, or a cloud to call a
new band. Shift clicks at the mouse pointer; F2 starts a new game, F5 opens the
options, F1 the help page.
</source>
        <translation>Lumabels, un pequeño juego arcade: una niña con vestido blanco cruza el cielo nocturno
sobre bandas de seis colores. Haz clic en una banda que se solape con la suya para que
salte, o en una nube para llamar a una banda nueva. Mayús hace clic bajo el puntero;
F2 empieza una partida nueva, F5 abre las opciones y F1 la página de ayuda.
</translation>
    </message>
    <message>
        <source>  --help     show this text and exit
  --version  show the version and exit
</source>
        <translation>  --help     mostrar este texto y salir
  --version  mostrar la versión y salir
</translation>
    </message>
    <message>
        <source>The options every Qt program takes are understood too, for example -platform xcb,
-style fusion, -reverse or -display :1.
</source>
        <translation>También se entienden las opciones que acepta todo programa Qt, por ejemplo
-platform xcb, -style fusion, -reverse o -display :1.
</translation>
    </message>
    <message>
        <source>Exit status: 0 when the game ends, 1 when another copy is already running (this one
does nothing), 2 for an unknown option, 3 when no display could be opened.
</source>
        <translation>Código de salida: 0 al terminar el juego, 1 si ya hay otra copia en marcha (esta no hace
nada), 2 ante una opción desconocida, 3 si no se pudo abrir ninguna pantalla.
</translation>
    </message>
    <message>
        <source>Settings are kept in $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/),
or, for a portable copy (sound/ or help/ beside the program), in settings.ini
beside the program when this user may write there.
</source>
        <translation>La configuración se guarda en $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/)
o, en una copia portátil (sound/ o help/ junto al programa), en settings.ini junto al
programa si este usuario puede escribir allí.
</translation>
    </message>
    <message>
        <source>lumabels: unknown argument: %1</source>
        <translation>lumabels: argumento desconocido: %1</translation>
    </message>
</context>
<context>
    <name>KeptSettings</name>
    <message>
        <source>lumabels: the settings were not saved: %1</source>
        <translation>lumabels: no se guardó la configuración: %1</translation>
    </message>
    <message>
        <source>lumabels: the settings were not saved in %1: %2</source>
        <translation>lumabels: no se guardó la configuración en %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Consejos</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Opening HTML help file.

Sure?</source>
        <translation>Se abrirá la ayuda en formato HTML.

¿Continuar?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Consejos</translation>
    </message>
    <message>
        <source>A new lumabel comes out when a cloud is clicked.

[Shift] functions as left mouse click while playing the game.</source>
        <translation>Al hacer clic en una nube aparece un lumabel nuevo.

Durante la partida, [Mayús] funciona como un clic con el botón izquierdo del ratón.</translation>
    </message>
    <message>
        <source>Title screen. Space, Enter or a click starts a game.</source>
        <translation>Pantalla de título. Espacio, Intro o un clic empiezan una partida.</translation>
    </message>
    <message>
        <source>Playing, score %1</source>
        <translation>Partida en curso, puntuación %1</translation>
    </message>
    <message>
        <source>Click a band that overlaps hers, or a cloud. Shift clicks at the pointer.</source>
        <translation>Haz clic en una banda que se solape con la suya, o en una nube. Mayús hace clic bajo el puntero.</translation>
    </message>
    <message>
        <source>Results screen. Space or Enter starts a new game.</source>
        <translation>Pantalla de resultados. Espacio o Intro empiezan una partida nueva.</translation>
    </message>
    <message>
        <source>Lumabels: another program destroyed the game&apos;s window; closing</source>
        <translation>Lumabels: otro programa destruyó la ventana del juego; se cierra</translation>
    </message>
    <message>
        <source>No browser could be started to show the help page. You can open it yourself:

%1</source>
        <translation>No se pudo abrir ningún navegador para mostrar la página de ayuda. Puede abrirla usted mismo:

%1</translation>
    </message>
    <message>
        <source>A new record!</source>
        <translation>¡Nuevo récord!</translation>
    </message>
</context>
<context>
    <name>PlatformStartGuard</name>
    <message>
        <source>%1 is not set</source>
        <translation>%1 no está definida</translation>
    </message>
    <message>
        <source>lumabels: cannot start: no X display (%1) and no Wayland display (%2) could be opened</source>
        <translation>lumabels: no se puede iniciar: no se pudo abrir ninguna pantalla X (%1) ni Wayland (%2)</translation>
    </message>
    <message>
        <source>lumabels: cannot start: no X display (%1) and no Wayland display (%2) could be opened with the platform QT_QPA_PLATFORM=%3</source>
        <translation>lumabels: no se puede iniciar: no se pudo abrir ninguna pantalla X (%1) ni Wayland (%2) con la plataforma QT_QPA_PLATFORM=%3</translation>
    </message>
    <message>
        <source>lumabels: cannot start: the platform %1 could not be started</source>
        <translation>lumabels: no se puede iniciar: no se pudo arrancar la plataforma %1</translation>
    </message>
</context>
<context>
    <name>ProgramGlobals</name>
    <message>
        <source>lumabels: %1 is another user&apos;s home folder, so the game keeps nothing there and uses %2 instead</source>
        <translation>lumabels: %1 es la carpeta personal de otro usuario, así que el juego no guarda nada allí y usa %2 en su lugar</translation>
    </message>
</context>
<context>
    <name>ResultLines</name>
    <message numerus="yes">
        <source>Last : %n pt. %1 sec.</source>
        <translation>
            <numerusform>Última partida: %n pto., %1 s</numerusform>
            <numerusform>Última partida: %n ptos., %1 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Record : %n pt. %1 sec.</source>
        <translation>
            <numerusform>Récord: %n pto., %1 s</numerusform>
            <numerusform>Récord: %n ptos., %1 s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsHeading</name>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
</context>
<context>
    <name>SaveAtExit</name>
    <message>
        <source>Lumabels: ending without its window (the display is lost); the settings are saved in %1</source>
        <translation>Lumabels: el juego termina sin su ventana (se perdió la pantalla); la configuración se guardó en %1</translation>
    </message>
    <message>
        <source>Lumabels: ending without its window (the display is lost); the settings could not be saved in %1</source>
        <translation>Lumabels: el juego termina sin su ventana (se perdió la pantalla); no se pudo guardar la configuración en %1</translation>
    </message>
</context>
<context>
    <name>SingleInstanceLock</name>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>el archivo pertenece a otro usuario</translation>
    </message>
    <message>
        <source>lumabels: cannot take the single-instance lock %1: %2</source>
        <translation>lumabels: no se puede obtener el bloqueo de instancia única %1: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a folder of this user&apos;s</source>
        <translation>es un enlace simbólico, no una carpeta de este usuario</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>the folder belongs to another user</source>
        <translation>la carpeta pertenece a otro usuario</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>es un enlace simbólico</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the Lumabels developers. Free software under the MIT License.</source>
        <translation>Copyright (c) 2026 los desarrolladores de Lumabels. Software libre bajo la licencia MIT.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>%1 %2. %3</source>
        <translation>%1 %2. %3</translation>
    </message>
    <message>
        <source>Lumabels for Linux</source>
        <translation>Lumabels para Linux</translation>
    </message>
    <message>
        <source>Lumabels for Win32</source>
        <translation>Lumabels para Win32</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>&amp;Lumabels :</source>
        <translation>&amp;Lumabels:</translation>
    </message>
    <message>
        <source>&amp;Clouds :</source>
        <translation>&amp;Nubes:</translation>
    </message>
    <message>
        <source>&amp;Speed :</source>
        <translation>&amp;Velocidad:</translation>
    </message>
    <message>
        <source>&amp;Message :</source>
        <translation>&amp;Mensaje:</translation>
    </message>
    <message>
        <source>&amp;Arrange :</source>
        <translation>&amp;Disposición:</translation>
    </message>
    <message>
        <source>Play S&amp;ound</source>
        <translation>Reproducir s&amp;onido</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Restore R&amp;ecord</source>
        <translation>&amp;Restaurar récord</translation>
    </message>
    <message>
        <source>Clear Recor&amp;d</source>
        <translation>&amp;Borrar récord</translation>
    </message>
    <message>
        <source>Restore &amp;Position</source>
        <translation>Restaurar &amp;posición</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Siempre &amp;encima</translation>
    </message>
    <message>
        <source>How many lumabels are in play at once, from %1 to %2. A text that is not a number counts as the default, %3.</source>
        <translation>Cuántos lumabels hay en juego a la vez, de %1 a %2. Un texto que no sea un número cuenta como el valor predeterminado, %3.</translation>
    </message>
    <message>
        <source>How many clouds are on the field at once, from %1 to %2. A text that is not a number counts as the default, %3.</source>
        <translation>Cuántas nubes hay en el cielo a la vez, de %1 a %2. Un texto que no sea un número cuenta como el valor predeterminado, %3.</translation>
    </message>
    <message>
        <source>The time between two steps of the game in milliseconds, from %1 to %2: larger is slower. A text that is not a number counts as the default, %3.</source>
        <translation>El tiempo entre dos pasos del juego en milisegundos, de %1 a %2: cuanto mayor, más lento. Un texto que no sea un número cuenta como el valor predeterminado, %3.</translation>
    </message>
    <message>
        <source>The heading of the results screen.</source>
        <translation>El título de la pantalla de resultados.</translation>
    </message>
    <message>
        <source>Plays a note for every point scored.</source>
        <translation>Reproduce una nota por cada punto conseguido.</translation>
    </message>
    <message>
        <source>Sets the numbers of lumabels and clouds together.</source>
        <translation>Fija a la vez el número de lumabels y el de nubes.</translation>
    </message>
    <message>
        <source>Leaves the numbers as they are.</source>
        <translation>Deja los números como están.</translation>
    </message>
    <message>
        <source>Sets Lumabels to %1 and Clouds to %2.</source>
        <translation>Pone Lumabels en %1 y Nubes en %2.</translation>
    </message>
    <message>
        <source>At start, the best score and the best time are taken from the last run.</source>
        <translation>Al iniciar, se recuperan la mejor puntuación y el mejor tiempo de la última vez.</translation>
    </message>
    <message>
        <source>On OK, the best score and the best time go back to 0.</source>
        <translation>Al pulsar Aceptar, la mejor puntuación y el mejor tiempo vuelven a 0.</translation>
    </message>
    <message>
        <source>At start, the window opens where it was when the game last closed.</source>
        <translation>Al iniciar, la ventana se abre donde estaba la última vez que se cerró el juego.</translation>
    </message>
    <message>
        <source>The game&apos;s window stays above other windows.</source>
        <translation>La ventana del juego se mantiene por encima de las demás ventanas.</translation>
    </message>
    <message>
        <source>Takes the options; a game under way ends.</source>
        <translation>Aplica las opciones; la partida en curso termina.</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing.</source>
        <translation>Cierra el diálogo sin cambiar nada.</translation>
    </message>
    <message>
        <source>Puts every option in the dialog back to its default.</source>
        <translation>Devuelve todas las opciones del diálogo a su valor predeterminado.</translation>
    </message>
</context>
</TS>
