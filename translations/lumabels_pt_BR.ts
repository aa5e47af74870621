<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ArrangementPresets</name>
    <message>
        <source>(None)</source>
        <translation>(Nenhuma)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
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
        <translation>Uso: lumabels [--help | --version] [opções do Qt como -platform NOME, -style NOME]</translation>
    </message>
    <message>
        <source>Lumabels, a small arcade game: a girl in a white dress rides six-colour bands across
the night sky. Click a band that overlaps hers to make her jump, or a cloud to call a
new band. Shift clicks at the mouse pointer; F2 starts a new game, F5 opens the
options, F1 the help page.
</source>
        <translation>Lumabels, um pequeno jogo de arcade: uma menina de vestido branco cruza o céu noturno em
faixas de seis cores. Clique em uma faixa que se sobreponha à dela para fazê-la pular, ou
em uma nuvem para chamar uma nova faixa. Shift clica sob o ponteiro do mouse; F2 inicia
um novo jogo, F5 abre as opções, F1 a página de ajuda.
</translation>
    </message>
    <message>
        <source>  --help     show this text and exit
  --version  show the version and exit
</source>
        <translation>  --help     mostra este texto e sai
  --version  mostra a versão e sai
</translation>
    </message>
    <message>
        <source>The options every Qt program takes are understood too, for example -platform xcb,
-style fusion, -reverse or -display :1.
</source>
        <translation>As opções aceitas por todo programa Qt também são entendidas, por exemplo -platform xcb,
-style fusion, -reverse ou -display :1.
</translation>
    </message>
    <message>
        <source>Exit status: 0 when the game ends, 1 when another copy is already running (this one
does nothing), 2 for an unknown option, 3 when no display could be opened.
</source>
        <translation>Código de saída: 0 quando o jogo termina, 1 quando outra cópia já está em execução (esta
não faz nada), 2 para uma opção desconhecida, 3 quando nenhuma tela pôde ser aberta.
</translation>
    </message>
    <message>
        <source>Settings are kept in $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/),
or, for a portable copy (sound/ or help/ beside the program), in settings.ini
beside the program when this user may write there.
</source>
        <translation>As configurações ficam em $XDG_CONFIG_HOME/lumabels/settings.ini (~/.config/lumabels/)
ou, em uma cópia portátil (sound/ ou help/ ao lado do programa), em settings.ini ao lado
do programa quando este usuário pode gravar lá.
</translation>
    </message>
    <message>
        <source>lumabels: unknown argument: %1</source>
        <translation>lumabels: argumento desconhecido: %1</translation>
    </message>
</context>
<context>
    <name>KeptSettings</name>
    <message>
        <source>lumabels: the settings were not saved: %1</source>
        <translation>lumabels: as configurações não foram salvas: %1</translation>
    </message>
    <message>
        <source>lumabels: the settings were not saved in %1: %2</source>
        <translation>lumabels: as configurações não foram salvas em %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Tips</source>
        <translation>&amp;Dicas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Opening HTML help file.

Sure?</source>
        <translation>A ajuda em HTML será aberta.

Continuar?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Dicas</translation>
    </message>
    <message>
        <source>A new lumabel comes out when a cloud is clicked.

[Shift] functions as left mouse click while playing the game.</source>
        <translation>Clicar em uma nuvem faz surgir um novo lumabel.

Durante o jogo, [Shift] funciona como um clique com o botão esquerdo do mouse.</translation>
    </message>
    <message>
        <source>Title screen. Space, Enter or a click starts a game.</source>
        <translation>Tela de título. Espaço, Enter ou um clique iniciam um jogo.</translation>
    </message>
    <message>
        <source>Playing, score %1</source>
        <translation>Jogando, pontuação %1</translation>
    </message>
    <message>
        <source>Click a band that overlaps hers, or a cloud. Shift clicks at the pointer.</source>
        <translation>Clique em uma faixa que se sobreponha à dela, ou em uma nuvem. Shift clica sob o ponteiro.</translation>
    </message>
    <message>
        <source>Results screen. Space or Enter starts a new game.</source>
        <translation>Tela de resultados. Espaço ou Enter iniciam um novo jogo.</translation>
    </message>
    <message>
        <source>Lumabels: another program destroyed the game&apos;s window; closing</source>
        <translation>Lumabels: outro programa destruiu a janela do jogo; fechando</translation>
    </message>
    <message>
        <source>No browser could be started to show the help page. You can open it yourself:

%1</source>
        <translation>Não foi possível abrir um navegador para mostrar a página de ajuda. Você pode abri-la por conta própria:

%1</translation>
    </message>
    <message>
        <source>A new record!</source>
        <translation>Novo recorde!</translation>
    </message>
</context>
<context>
    <name>PlatformStartGuard</name>
    <message>
        <source>%1 is not set</source>
        <translation>%1 não está definida</translation>
    </message>
    <message>
        <source>lumabels: cannot start: no X display (%1) and no Wayland display (%2) could be opened</source>
        <translation>lumabels: não foi possível iniciar: nenhuma tela X (%1) nem tela Wayland (%2) pôde ser aberta</translation>
    </message>
    <message>
        <source>lumabels: cannot start: no X display (%1) and no Wayland display (%2) could be opened with the platform QT_QPA_PLATFORM=%3</source>
        <translation>lumabels: não foi possível iniciar: nenhuma tela X (%1) nem tela Wayland (%2) pôde ser aberta com a plataforma QT_QPA_PLATFORM=%3</translation>
    </message>
    <message>
        <source>lumabels: cannot start: the platform %1 could not be started</source>
        <translation>lumabels: não foi possível iniciar: a plataforma %1 não pôde ser iniciada</translation>
    </message>
</context>
<context>
    <name>ProgramGlobals</name>
    <message>
        <source>lumabels: %1 is another user&apos;s home folder, so the game keeps nothing there and uses %2 instead</source>
        <translation>lumabels: %1 é a pasta pessoal de outro usuário, então o jogo não guarda nada lá e usa %2 no lugar</translation>
    </message>
</context>
<context>
    <name>ResultLines</name>
    <message numerus="yes">
        <source>Last : %n pt. %1 sec.</source>
        <translation>
            <numerusform>Último jogo: %n ponto, %1 s</numerusform>
            <numerusform>Último jogo: %n pontos, %1 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Record : %n pt. %1 sec.</source>
        <translation>
            <numerusform>Recorde: %n ponto, %1 s</numerusform>
            <numerusform>Recorde: %n pontos, %1 s</numerusform>
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
        <translation>Lumabels: encerrando sem a janela (a conexão com a tela foi perdida); as configurações foram salvas em %1</translation>
    </message>
    <message>
        <source>Lumabels: ending without its window (the display is lost); the settings could not be saved in %1</source>
        <translation>Lumabels: encerrando sem a janela (a conexão com a tela foi perdida); não foi possível salvar as configurações em %1</translation>
    </message>
</context>
<context>
    <name>SingleInstanceLock</name>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>o arquivo pertence a outro usuário</translation>
    </message>
    <message>
        <source>lumabels: cannot take the single-instance lock %1: %2</source>
        <translation>lumabels: não foi possível obter a trava de instância única %1: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a folder of this user&apos;s</source>
        <translation>é um link simbólico, não uma pasta deste usuário</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>the folder belongs to another user</source>
        <translation>a pasta pertence a outro usuário</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>é um link simbólico</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 the Lumabels developers. Free software under the MIT License.</source>
        <translation>Copyright (c) 2026 os desenvolvedores do Lumabels. Software livre sob a licença MIT.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
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
        <translation>Opções</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>&amp;Lumabels :</source>
        <translation>&amp;Lumabels:</translation>
    </message>
    <message>
        <source>&amp;Clouds :</source>
        <translation>&amp;Nuvens:</translation>
    </message>
    <message>
        <source>&amp;Speed :</source>
        <translation>&amp;Velocidade:</translation>
    </message>
    <message>
        <source>&amp;Message :</source>
        <translation>&amp;Mensagem:</translation>
    </message>
    <message>
        <source>&amp;Arrange :</source>
        <translation>&amp;Disposição:</translation>
    </message>
    <message>
        <source>Play S&amp;ound</source>
        <translation>Tocar s&amp;ons</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Restore R&amp;ecord</source>
        <translation>&amp;Restaurar recorde</translation>
    </message>
    <message>
        <source>Clear Recor&amp;d</source>
        <translation>&amp;Zerar recorde</translation>
    </message>
    <message>
        <source>Restore &amp;Position</source>
        <translation>Restaurar &amp;posição</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Sempre na &amp;frente</translation>
    </message>
    <message>
        <source>How many lumabels are in play at once, from %1 to %2. A text that is not a number counts as the default, %3.</source>
        <translation>Quantos lumabels ficam em jogo ao mesmo tempo, de %1 a %2. Um texto que não seja número vale como o padrão, %3.</translation>
    </message>
    <message>
        <source>How many clouds are on the field at once, from %1 to %2. A text that is not a number counts as the default, %3.</source>
        <translation>Quantas nuvens ficam no céu ao mesmo tempo, de %1 a %2. Um texto que não seja número vale como o padrão, %3.</translation>
    </message>
    <message>
        <source>The time between two steps of the game in milliseconds, from %1 to %2: larger is slower. A text that is not a number counts as the default, %3.</source>
        <translation>O tempo entre dois passos do jogo em milissegundos, de %1 a %2: quanto maior, mais lento. Um texto que não seja número vale como o padrão, %3.</translation>
    </message>
    <message>
        <source>The heading of the results screen.</source>
        <translation>O título da tela de resultados.</translation>
    </message>
    <message>
        <source>Plays a note for every point scored.</source>
        <translation>Toca uma nota a cada ponto marcado.</translation>
    </message>
    <message>
        <source>Sets the numbers of lumabels and clouds together.</source>
        <translation>Define juntos o número de lumabels e o de nuvens.</translation>
    </message>
    <message>
        <source>Leaves the numbers as they are.</source>
        <translation>Deixa os números como estão.</translation>
    </message>
    <message>
        <source>Sets Lumabels to %1 and Clouds to %2.</source>
        <translation>Define Lumabels como %1 e Nuvens como %2.</translation>
    </message>
    <message>
        <source>At start, the best score and the best time are taken from the last run.</source>
        <translation>Ao iniciar, a melhor pontuação e o melhor tempo da última vez são recuperados.</translation>
    </message>
    <message>
        <source>On OK, the best score and the best time go back to 0.</source>
        <translation>Ao clicar em OK, a melhor pontuação e o melhor tempo voltam a 0.</translation>
    </message>
    <message>
        <source>At start, the window opens where it was when the game last closed.</source>
        <translation>Ao iniciar, a janela abre onde estava quando o jogo foi fechado pela última vez.</translation>
    </message>
    <message>
        <source>The game&apos;s window stays above other windows.</source>
        <translation>A janela do jogo fica acima das outras janelas.</translation>
    </message>
    <message>
        <source>Takes the options; a game under way ends.</source>
        <translation>Aplica as opções; um jogo em andamento termina.</translation>
    </message>
    <message>
        <source>Closes the dialog and changes nothing.</source>
        <translation>Fecha a caixa de diálogo sem mudar nada.</translation>
    </message>
    <message>
        <source>Puts every option in the dialog back to its default.</source>
        <translation>Volta todas as opções da caixa de diálogo ao padrão.</translation>
    </message>
</context>
</TS>
