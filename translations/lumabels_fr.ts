<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ArrangementPresets</name>
    <message>
        <source>(None)</source>
        <translation>(Aucune)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Serene</source>
        <translation>Sereine</translation>
    </message>
    <message>
        <source>Cloudy</source>
        <translation>Nuageuse</translation>
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
        <translation>Usage&#xa0;: lumabels [--help | --version] [options de Qt telles que -platform NOM, -style NOM]</translation>
    </message>
    <message>
        <source>Lumabels, a small arcade game: a girl in a white dress rides six-colour bands across
the night sky. Click a band that overlaps hers to make her jump, or a cloud to call a
new band. Shift clicks at the mouse pointer; F2 starts a new game, F5 opens the
options, F1 the help page.
</source>
        <translation>Lumabels, un petit jeu d’arcade&#xa0;: une fillette en robe blanche traverse le ciel nocturne
sur des bandes de six couleurs. Cliquez sur une bande qui chevauche la sienne pour la faire
sauter, ou sur un nuage pour appeler une nouvelle bande. Maj clique sous le pointeur&#xa0;;
F2 lance une nouvelle partie, F5 ouvre les options, F1 la page d’aide.
</translation>
    </message>
    <message>
        <source>  --help     show this text and exit
  --version  show the version and exit
</source>
        <translation>  --help     afficher ce texte et quitter
  --version  afficher la version et quitter
</translation>
    </message>
    <message>
        <source>The options every Qt program takes are understood too, for example -platform xcb,
-style fusion, -reverse or -display :1.
</source>
        <translation>Les options communes à tous les programmes Qt sont aussi comprises, par exemple
-platform xcb, -style fusion, -reverse ou -display :1.
</translation>
    </message>
    <message>
        <source>Exit status: 0 when the game ends, 1 when another copy is already running (this one
does nothing), 2 for an unknown option, 3 when no display could be opened.
</source>
        <translation>Code de retour&#xa0;: 0 quand le jeu se termine, 1 si une autre copie est déjà lancée (celle-ci
ne fait rien), 2 pour une option inconnue, 3 si aucun affichage n’a pu être ouvert.
</translation>
    </message>
    <message>
        <source>Settings are kept in $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/),
or, for a portable copy (sound/ or help/ beside the program), in settings.ini
beside the program when this user may write there.
</source>
        <translation>Les réglages sont conservés dans $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/)
ou, pour une copie portable (sound/ ou help/ à côté du programme), dans settings.ini
à côté du programme si cet utilisateur peut y écrire.
</translation>
    </message>
    <message>
        <source>lumabels: unknown argument: %1</source>
        <translation>lumabels&#xa0;: argument inconnu&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>KeptSettings</name>
    <message>
        <source>lumabels: the settings were not saved: %1</source>
        <translation>lumabels&#xa0;: les réglages n’ont pas été enregistrés&#xa0;: %1</translation>
    </message>
    <message>
        <source>lumabels: the settings were not saved in %1: %2</source>
        <translation>lumabels&#xa0;: les réglages n’ont pas été enregistrés dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Conseils</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Opening HTML help file.

Sure?</source>
        <translation>Ouverture de l’aide au format HTML.

Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Conseils</translation>
    </message>
    <message>
        <source>A new lumabel comes out when a cloud is clicked.

[Shift] functions as left mouse click while playing the game.</source>
        <translation>Un clic sur un nuage fait apparaître un nouveau lumabel.

Pendant la partie, [Maj] agit comme un clic gauche de la souris.</translation>
    </message>
    <message>
        <source>Title screen. Space, Enter or a click starts a game.</source>
        <translation>Écran titre. Espace, Entrée ou un clic lance une partie.</translation>
    </message>
    <message>
        <source>Playing, score %1</source>
        <translation>Partie en cours, score&#xa0;: %1</translation>
    </message>
    <message>
        <source>Click a band that overlaps hers, or a cloud. Shift clicks at the pointer.</source>
        <translation>Cliquez sur une bande qui chevauche la sienne, ou sur un nuage. Maj clique sous le pointeur.</translation>
    </message>
    <message>
        <source>Results screen. Space or Enter starts a new game.</source>
        <translation>Écran des résultats. Espace ou Entrée lance une nouvelle partie.</translation>
    </message>
    <message>
        <source>Lumabels: another program destroyed the game&apos;s window; closing</source>
        <translation>Lumabels&#xa0;: un autre programme a détruit la fenêtre du jeu&#xa0;; fermeture</translation>
    </message>
    <message>
        <source>No browser could be started to show the help page. You can open it yourself:

%1</source>
        <translation>Aucun navigateur n’a pu être lancé pour afficher la page d’aide. Vous pouvez l’ouvrir vous-même&#xa0;:

%1</translation>
    </message>
    <message>
        <source>A new record!</source>
        <translation>Nouveau record&#xa0;!</translation>
    </message>
</context>
<context>
    <name>PlatformStartGuard</name>
    <message>
        <source>%1 is not set</source>
        <translation>%1 n’est pas défini</translation>
    </message>
    <message>
        <source>lumabels: cannot start: no X display (%1) and no Wayland display (%2) could be opened</source>
        <translation>lumabels&#xa0;: démarrage impossible&#xa0;: aucun affichage X (%1) ni aucun affichage Wayland (%2) n’a pu être ouvert</translation>
    </message>
    <message>
        <source>lumabels: cannot start: no X display (%1) and no Wayland display (%2) could be opened with the platform QT_QPA_PLATFORM=%3</source>
        <translation>lumabels&#xa0;: démarrage impossible&#xa0;: aucun affichage X (%1) ni aucun affichage Wayland (%2) n’a pu être ouvert avec la plateforme QT_QPA_PLATFORM=%3</translation>
    </message>
    <message>
        <source>lumabels: cannot start: the platform %1 could not be started</source>
        <translation>lumabels&#xa0;: démarrage impossible&#xa0;: la plateforme %1 n’a pas pu être lancée</translation>
    </message>
</context>
<context>
    <name>ProgramGlobals</name>
    <message>
        <source>lumabels: %1 is another user&apos;s home folder, so the game keeps nothing there and uses %2 instead</source>
        <translation>lumabels&#xa0;: %1 est le dossier personnel d’un autre utilisateur&#xa0;; le jeu n’y écrit rien et utilise %2 à la place</translation>
    </message>
</context>
<context>
    <name>ResultLines</name>
    <message numerus="yes">
        <source>Last : %n pt. %1 sec.</source>
        <translation>
            <numerusform>Dernière partie&#xa0;: %n&#xa0;pt, %1&#xa0;s</numerusform>
            <numerusform>Dernière partie&#xa0;: %n&#xa0;pts, %1&#xa0;s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Record : %n pt. %1 sec.</source>
        <translation>
            <numerusform>Record&#xa0;: %n&#xa0;pt, %1&#xa0;s</numerusform>
            <numerusform>Record&#xa0;: %n&#xa0;pts, %1&#xa0;s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultsHeading</name>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
</context>
<context>
    <name>SaveAtExit</name>
    <message>
        <source>Lumabels: ending without its window (the display is lost); the settings are saved in %1</source>
        <translation>Lumabels&#xa0;: fin sans fenêtre (l’affichage est perdu)&#xa0;; les réglages sont enregistrés dans %1</translation>
    </message>
    <message>
        <source>Lumabels: ending without its window (the display is lost); the settings could not be saved in %1</source>
        <translation>Lumabels&#xa0;: fin sans fenêtre (l’affichage est perdu)&#xa0;; les réglages n’ont pas pu être enregistrés dans %1</translation>
    </message>
</context>
<context>
    <name>SingleInstanceLock</name>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>le fichier appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>lumabels: cannot take the single-instance lock %1: %2</source>
        <translation>lumabels&#xa0;: impossible de prendre le verrou d’instance unique %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a folder of this user&apos;s</source>
        <translation>c’est un lien symbolique, pas un dossier de cet utilisateur</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>ce n’est pas un dossier</translation>
    </message>
    <message>
        <source>the folder belongs to another user</source>
        <translation>le dossier appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>c’est un lien symbolique</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the Lumabels developers. Free software under the MIT License.</source>
        <translation>Copyright (c) 2026 les développeurs de Lumabels. Logiciel libre sous licence MIT.</translation>
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
        <translation>Lumabels pour Linux</translation>
    </message>
    <message>
        <source>Lumabels for Win32</source>
        <translation>Lumabels pour Win32</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>&amp;Lumabels :</source>
        <translation>&amp;Lumabels&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Clouds :</source>
        <translation>&amp;Nuages&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Speed :</source>
        <translation>&amp;Vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Message :</source>
        <translation>&amp;Message&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Arrange :</source>
        <translation>&amp;Disposition&#xa0;:</translation>
    </message>
    <message>
        <source>Play S&amp;ound</source>
        <translation>&amp;Jouer les sons</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Restore R&amp;ecord</source>
        <translation>&amp;Restaurer le record</translation>
    </message>
    <message>
        <source>Clear Recor&amp;d</source>
        <translation>&amp;Effacer le record</translation>
    </message>
    <message>
        <source>Restore &amp;Position</source>
        <translation>Restaurer la &amp;position</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>&amp;Toujours au premier plan</translation>
    </message>
    <message>
        <source>How many lumabels are in play at once, from %1 to %2. A text that is not a number counts as the default, %3.</source>
        <translation>Nombre de lumabels en jeu à la fois, de %1 à %2. Un texte qui n’est pas un nombre compte comme la valeur par défaut, %3.</translation>
    </message>
    <message>
        <source>How many clouds are on the field at once, from %1 to %2. A text that is not a number counts as the default, %3.</source>
        <translation>Nombre de nuages dans le ciel à la fois, de %1 à %2. Un texte qui n’est pas un nombre compte comme la valeur par défaut, %3.</translation>
    </message>
    <message>
        <source>The time between two steps of the game in milliseconds, from %1 to %2: larger is slower. A text that is not a number counts as the default, %3.</source>
        <translation>Le temps entre deux pas du jeu, en millisecondes, de %1 à %2&#xa0;: plus il est grand, plus le jeu est lent. Un texte qui n’est pas un nombre compte comme la valeur par défaut, %3.</translation>
    </message>
    <message>
        <source>The heading of the results screen.</source>
        <translation>Le titre de l’écran des résultats.</translation>
    </message>
    <message>
        <source>Plays a note for every point scored.</source>
        <translation>Joue une note à chaque point marqué.</translation>
    </message>
    <message>
        <source>Sets the numbers of lumabels and clouds together.</source>
        <translation>Règle ensemble le nombre de lumabels et de nuages.</translation>
    </message>
    <message>
        <source>Leaves the numbers as they are.</source>
        <translation>Laisse les nombres tels quels.</translation>
    </message>
    <message>
        <source>Sets Lumabels to %1 and Clouds to %2.</source>
        <translation>Met Lumabels à %1 et Nuages à %2.</translation>
    </message>
    <message>
        <source>At start, the best score and the best time are taken from the last run.</source>
        <translation>Au démarrage, le meilleur score et le meilleur temps de la dernière fois sont repris.</translation>
    </message>
    <message>
        <source>On OK, the best score and the best time go back to 0.</source>
        <translation>Avec OK, le meilleur score et le meilleur temps reviennent à 0.</translation>
    </message>
    <message>
        <source>At start, the window opens where it was when the game last closed.</source>
        <translation>Au démarrage, la fenêtre s’ouvre là où elle était à la dernière fermeture du jeu.</translation>
    </message>
    <message>
        <source>The game&apos;s window stays above other windows.</source>
        <translation>La fenêtre du jeu reste au-dessus des autres fenêtres.</translation>
    </message>
    <message>
        <source>Takes the options; a game under way ends.</source>
        <translation>Applique les options&#xa0;; une partie en cours se termine.</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing.</source>
        <translation>Ferme la boîte de dialogue sans rien changer.</translation>
    </message>
    <message>
        <source>Puts every option in the dialog back to its default.</source>
        <translation>Remet toutes les options de la boîte de dialogue à leur valeur par défaut.</translation>
    </message>
</context>
</TS>
