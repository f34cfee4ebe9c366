<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Autostart</name>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be removed.</source>
        <translation>Não foi possível remover a entrada de inicialização automática &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written.</source>
        <translation>Não foi possível gravar a entrada de inicialização automática &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The autostart entry &quot;%1&quot; cannot be written: %2</source>
        <translation>Não foi possível gravar a entrada de inicialização automática &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>CharacterFile</name>
    <message>
        <source>the manifest has no entry &quot;%1&quot;</source>
        <translation>o manifesto não tem a entrada &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a whole number from %2 to %3</source>
        <translation>a entrada &quot;%1&quot; do manifesto deve ser um número inteiro de %2 a %3</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must list from %2 to %3 items, not %4</source>
        <translation>a entrada &quot;%1&quot; do manifesto deve listar de %2 a %3 itens, não %4</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1[%2]&quot; must be an object</source>
        <translation>a entrada &quot;%1[%2]&quot; do manifesto deve ser um objeto</translation>
    </message>
    <message>
        <source>the manifest has an unknown entry &quot;%1&quot;</source>
        <translation>o manifesto tem uma entrada desconhecida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; has an unknown entry &quot;%2&quot;</source>
        <translation>a entrada &quot;%1&quot; do manifesto tem uma entrada desconhecida &quot;%2&quot;</translation>
    </message>
    <message>
        <source>is not a PNG picture</source>
        <translation>não é uma imagem PNG</translation>
    </message>
    <message>
        <source>is not a PNG picture (it does not begin with its header chunk)</source>
        <translation>não é uma imagem PNG (não começa com o bloco de cabeçalho)</translation>
    </message>
    <message>
        <source>is %1 x %2 pixels; each side must be from 1 to %3</source>
        <translation>tem %1 x %2 pixels; cada lado deve ter de 1 a %3</translation>
    </message>
    <message>
        <source>is damaged: </source>
        <translation>está danificada: </translation>
    </message>
    <message>
        <source>its header chunk declares a kind of picture that PNG does not have</source>
        <translation>o bloco de cabeçalho declara um tipo de imagem que não existe no formato PNG</translation>
    </message>
    <message>
        <source>it ends in the middle of a chunk</source>
        <translation>termina no meio de um bloco</translation>
    </message>
    <message>
        <source>it holds a chunk whose type is not four letters</source>
        <translation>contém um bloco cujo tipo não tem quatro letras</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (it declares %2 bytes; %3 follow)</source>
        <translation>o bloco &quot;%1&quot; ultrapassa o fim da imagem (declara %2 bytes; seguem %3)</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk runs past the end of the picture (its checksum is cut off)</source>
        <translation>o bloco &quot;%1&quot; ultrapassa o fim da imagem (a soma de verificação está cortada)</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk&apos;s checksum is wrong</source>
        <translation>a soma de verificação do bloco &quot;%1&quot; está errada</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; chunk is out of place</source>
        <translation>o bloco &quot;%1&quot; está fora do lugar</translation>
    </message>
    <message>
        <source>its image data is split by other chunks</source>
        <translation>os dados da imagem estão divididos por outros blocos</translation>
    </message>
    <message>
        <source>its palette does not fit the picture</source>
        <translation>a paleta não corresponde à imagem</translation>
    </message>
    <message>
        <source>its transparency does not fit the picture</source>
        <translation>a transparência não corresponde à imagem</translation>
    </message>
    <message>
        <source>it holds a critical chunk &quot;%1&quot; this program does not know</source>
        <translation>contém um bloco crítico &quot;%1&quot; que este programa não conhece</translation>
    </message>
    <message>
        <source>it ends without its end chunk</source>
        <translation>termina sem o bloco final</translation>
    </message>
    <message>
        <source>%1 bytes follow its end chunk</source>
        <translation>há %1 bytes depois do bloco final</translation>
    </message>
    <message>
        <source>it has no image data</source>
        <translation>não tem dados de imagem</translation>
    </message>
    <message>
        <source>it has no palette</source>
        <translation>não tem paleta</translation>
    </message>
    <message>
        <source>is not a readable PNG picture</source>
        <translation>não é uma imagem PNG legível</translation>
    </message>
    <message>
        <source>is not a readable PNG picture (%1)</source>
        <translation>não é uma imagem PNG legível (%1)</translation>
    </message>
    <message>
        <source>decodes to a different size than its header declares</source>
        <translation>ao ser decodificada, tem um tamanho diferente do declarado no cabeçalho</translation>
    </message>
    <message>
        <source>The character file &quot;%1&quot; cannot be used: %2.</source>
        <translation>Não é possível usar o arquivo de personagem &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>No character file was named.</source>
        <translation>Nenhum arquivo de personagem foi indicado.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>não existe</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is %1 bytes long; a character file may have at most %2</source>
        <translation>tem %1 bytes; um arquivo de personagem pode ter no máximo %2</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>it is longer than the %1 bytes a character file may have</source>
        <translation>excede os %1 bytes que um arquivo de personagem pode ter</translation>
    </message>
    <message>
        <source>the name must be 1 to %1 printable characters</source>
        <translation>o nome deve ter de 1 a %1 caracteres imprimíveis</translation>
    </message>
    <message>
        <source>the voice name &quot;%1&quot; is not a valid voice name</source>
        <translation>&quot;%1&quot; não é um nome de voz válido</translation>
    </message>
    <message>
        <source>the voice rate must be from %1 to %2</source>
        <translation>a velocidade da voz deve estar entre %1 e %2</translation>
    </message>
    <message>
        <source>the voice pitch must be from %1 to %2</source>
        <translation>o tom da voz deve estar entre %1 e %2</translation>
    </message>
    <message>
        <source>a character needs 1 to %1 pictures</source>
        <translation>um personagem precisa de 1 a %1 imagens</translation>
    </message>
    <message>
        <source>a character has a double-size picture for every picture or for none</source>
        <translation>um personagem deve ter uma imagem de tamanho duplo para cada imagem ou para nenhuma</translation>
    </message>
    <message>
        <source>the appearing animation may have at most %1 frames</source>
        <translation>a animação de entrada pode ter no máximo %1 quadros</translation>
    </message>
    <message>
        <source>the idle pose needs 1 to %1 frames</source>
        <translation>a pose de repouso precisa de 1 a %1 quadros</translation>
    </message>
    <message>
        <source>a character needs %1 to %2 mouth shapes</source>
        <translation>um personagem precisa de %1 a %2 formas de boca</translation>
    </message>
    <message>
        <source>a frame refers to picture %1, which does not exist</source>
        <translation>um quadro se refere à imagem %1, que não existe</translation>
    </message>
    <message>
        <source>a frame lasts %1 ms; frames last from %2 to %3 ms</source>
        <translation>um quadro dura %1 ms; os quadros devem durar de %2 a %3 ms</translation>
    </message>
    <message>
        <source>the mouth shape name &quot;%1&quot; is not valid (small letters, digits, &quot;-&quot; and &quot;_&quot;, up to 32)</source>
        <translation>o nome de forma de boca &quot;%1&quot; não é válido (letras minúsculas, dígitos, &quot;-&quot; e &quot;_&quot;, até 32)</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; is given twice</source>
        <translation>a forma de boca &quot;%1&quot; aparece duas vezes</translation>
    </message>
    <message>
        <source>the mouth shape &quot;%1&quot; refers to picture %2, which does not exist</source>
        <translation>a forma de boca &quot;%1&quot; se refere à imagem %2, que não existe</translation>
    </message>
    <message>
        <source>its manifest is not valid JSON (%1 at byte %2)</source>
        <translation>o manifesto não é um JSON válido (%1 no byte %2)</translation>
    </message>
    <message>
        <source>its manifest is not a JSON object</source>
        <translation>o manifesto não é um objeto JSON</translation>
    </message>
    <message>
        <source>it ends early: picture %1 needs %2 bytes but only %3 are left</source>
        <translation>termina antes do esperado: a imagem %1 precisa de %2 bytes, mas restam apenas %3</translation>
    </message>
    <message>
        <source>it ends early: double-size picture %1 needs %2 bytes but only %3 are left</source>
        <translation>termina antes do esperado: a imagem de tamanho duplo %1 precisa de %2 bytes, mas restam apenas %3</translation>
    </message>
    <message>
        <source>%1 bytes follow its last picture</source>
        <translation>há %1 bytes depois da última imagem</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>it is not a character file (its header is wrong)</source>
        <translation>não é um arquivo de personagem (o cabeçalho está errado)</translation>
    </message>
    <message>
        <source>it ends early, within its header</source>
        <translation>termina antes do esperado, dentro do cabeçalho</translation>
    </message>
    <message>
        <source>it is of format version %1; this program reads versions %2 and %3</source>
        <translation>está na versão de formato %1; este programa lê as versões %2 e %3</translation>
    </message>
    <message>
        <source>its manifest is said to be %1 bytes long; it must be from 1 to %2</source>
        <translation>o manifesto declara ter %1 bytes; deve ter de 1 a %2</translation>
    </message>
    <message>
        <source>it ends early: the manifest needs %1 bytes but only %2 follow</source>
        <translation>termina antes do esperado: o manifesto precisa de %1 bytes, mas seguem apenas %2</translation>
    </message>
    <message>
        <source>picture %1 %2</source>
        <translation>a imagem %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 %2</source>
        <translation>a imagem de tamanho duplo %1 %2</translation>
    </message>
    <message>
        <source>double-size picture %1 is %2 x %3 pixels; it must be twice picture %1&apos;s, %4 x %5</source>
        <translation>a imagem de tamanho duplo %1 tem %2 x %3 pixels; deve ter o dobro do tamanho da imagem %1, ou seja, %4 x %5</translation>
    </message>
    <message>
        <source>its pictures hold %1 pixels together; at most %2 are allowed</source>
        <translation>as imagens somam %1 pixels; o máximo permitido é %2</translation>
    </message>
    <message>
        <source>the manifest would be longer than %1 bytes</source>
        <translation>o manifesto teria mais de %1 bytes</translation>
    </message>
    <message>
        <source>the file would be longer than %1 bytes</source>
        <translation>o arquivo teria mais de %1 bytes</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a number</source>
        <translation>a entrada &quot;%1&quot; do manifesto deve ser um número</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a text</source>
        <translation>a entrada &quot;%1&quot; do manifesto deve ser um texto</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be an object</source>
        <translation>a entrada &quot;%1&quot; do manifesto deve ser um objeto</translation>
    </message>
    <message>
        <source>the manifest entry &quot;%1&quot; must be a list</source>
        <translation>a entrada &quot;%1&quot; do manifesto deve ser uma lista</translation>
    </message>
</context>
<context>
    <name>CharacterMenu</name>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Stay on the Desktop</source>
        <translation>Permanecer na área de trabalho</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a reading speed, in percent of the character&apos;s own</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Same as the Interface</source>
        <translation>Igual à interface</translation>
    </message>
</context>
<context>
    <name>CharacterWindow</name>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Speech balloon</source>
        <translation>Balão de fala</translation>
    </message>
</context>
<context>
    <name>DesktopAgent</name>
    <message>
        <source>The speech character could not be loaded.

%1</source>
        <translation>Não foi possível carregar o personagem falante.

%1</translation>
    </message>
    <message>
        <source>The character cannot speak aloud: %1. Its words are shown in its speech balloon only.</source>
        <translation>O personagem não pode falar em voz alta: %1. Suas falas são mostradas apenas no balão de fala.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>cannot open the display &quot;%1&quot;</source>
        <translation>não foi possível abrir o display &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no X11 display to show the widget on: WAYLAND_DISPLAY is set but DISPLAY is not (on Wayland the widget needs XWayland)</source>
        <translation>nenhum display X11 para mostrar o widget: WAYLAND_DISPLAY está definida, mas DISPLAY não (no Wayland, o widget precisa do XWayland)</translation>
    </message>
    <message>
        <source>no display to show the widget on (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>nenhum display para mostrar o widget (nem DISPLAY nem WAYLAND_DISPLAY está definida)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Click for the menu, or press the menu key or Shift+F10.</source>
        <translation>Clique para abrir o menu ou pressione a tecla Menu ou Shift+F10.</translation>
    </message>
    <message>
        <source>Click here to rename your text.</source>
        <translation>Clique aqui para alterar seu texto.</translation>
    </message>
    <message>
        <source>Click here to rename text.</source>
        <translation>Clique aqui para alterar o texto.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Click or press F2 to change the note.</source>
        <translation>Clique ou pressione F2 para alterar a nota.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Relógio</translation>
    </message>
    <message>
        <source>Left click Quornel or below the clock  for Popup Menu.</source>
        <translation>Clique com o botão esquerdo no Quornel ou abaixo do relógio para abrir o menu.</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Changes are not being saved</source>
        <translation>As alterações não estão sendo salvas</translation>
    </message>
    <message>
        <source>Click to show Quornel Desktop Notes.</source>
        <translation>Clique para mostrar o Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>All Settings</source>
        <translation>Todas as configurações</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>Configurações de voz</translation>
    </message>
    <message>
        <source>Transparent Settings</source>
        <translation>Configurações de transparência</translation>
    </message>
    <message>
        <source>Show Clock</source>
        <translation>Mostrar relógio</translation>
    </message>
    <message>
        <source>Read Current Notes</source>
        <translation>Ler notas atuais</translation>
    </message>
    <message>
        <source>Hide Quornel Desktop Notes</source>
        <translation>Ocultar Quornel Desktop Notes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Show Quornel Desktop Notes</source>
        <translation>Mostrar Quornel Desktop Notes</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Iniciar ao fazer login</translation>
    </message>
    <message>
        <source>Changes are not being saved to &quot;%1&quot;.</source>
        <translation>As alterações não estão sendo salvas em &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>You have the following notes: </source>
        <translation>Você tem as seguintes notas: </translation>
    </message>
    <message>
        <source>You must pick a Speech Agent Character if the speech is enabled. You can do this by clicking the Load Agent button in the Speech Settings window. If you do not have any Speech Agent Characters than disable the speech in the Speech Settings window.</source>
        <translation>Com a voz ativada, você precisa escolher um personagem falante. Para isso, clique no botão &quot;Carregar agente&quot; na janela &quot;Configurações de voz&quot;. Se você não tiver nenhum personagem falante, desative a voz na janela &quot;Configurações de voz&quot;.</translation>
    </message>
    <message>
        <source>The notification area that runs is of a kind this icon cannot use (the kind is chosen when Quornel Desktop Notes starts): hidden, the window would have no icon to come back from. Start Quornel Desktop Notes again to use it.</source>
        <translation>A área de notificação em execução é de um tipo que este ícone não pode usar (o tipo é escolhido quando o Quornel Desktop Notes é iniciado): se fosse ocultada, a janela não teria um ícone pelo qual voltar. Inicie o Quornel Desktop Notes novamente para usá-la.</translation>
    </message>
    <message>
        <source>No notification area is running (neither a system tray nor a status notifier host): hidden, the window would have no icon to come back from.</source>
        <translation>Nenhuma área de notificação está em execução (nem uma bandeja do sistema nem um host de ícones de status): se fosse ocultada, a janela não teria um ícone pelo qual voltar.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Rename Text</source>
        <translation>Alterar texto</translation>
    </message>
    <message>
        <source>Type your desktop note here.</source>
        <translation>Digite sua nota aqui.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Click here to apply the rename of your desktop note.</source>
        <translation>Clique aqui para aplicar a alteração da sua nota.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Click here to view your desktop note options.</source>
        <translation>Clique aqui para ver as opções da sua nota.</translation>
    </message>
    <message>
        <source>This note is too long to change here.</source>
        <translation>Esta nota é longa demais para ser alterada aqui.</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animação</translation>
    </message>
    <message>
        <source>Chose if you would like to have &quot;Open Animation&quot; or &quot;Close Animation&quot;  by checking the appropriate check box.</source>
        <translation>Escolha se deseja usar &quot;Animação de abertura&quot; ou &quot;Animação de fechamento&quot; marcando a caixa de seleção correspondente.</translation>
    </message>
    <message>
        <source>Open Animation</source>
        <translation>Animação de abertura</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Open Animation&quot; on or off.</source>
        <translation>Clique para ativar ou desativar &quot;Animação de abertura&quot;.</translation>
    </message>
    <message>
        <source>Close Animation</source>
        <translation>Animação de fechamento</translation>
    </message>
    <message>
        <source>Click if you want the &quot;Close Animation&quot; on or off.</source>
        <translation>Clique para ativar ou desativar &quot;Animação de fechamento&quot;.</translation>
    </message>
    <message>
        <source>Speech Settings</source>
        <translation>Configurações de voz</translation>
    </message>
    <message>
        <source>Click this to enable/disable the sppech in Quornel Desktop Notes.</source>
        <translation>Clique aqui para ativar ou desativar a voz no Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Current Text Color</source>
        <translation>Cor atual do texto</translation>
    </message>
    <message>
        <source>Current text colour</source>
        <translation>Cor atual do texto</translation>
    </message>
    <message>
        <source>Change Text Color</source>
        <translation>Alterar cor do texto</translation>
    </message>
    <message>
        <source>Click this button to change the color of all your text.</source>
        <translation>Clique neste botão para alterar a cor de todo o texto.</translation>
    </message>
    <message>
        <source>Transparency Settings </source>
        <translation>Configurações de transparência</translation>
    </message>
    <message>
        <source>Click this to adjust the transparency setting in Quornel Desktop Notes.</source>
        <translation>Clique aqui para ajustar a transparência do Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <translation>Alto-falante</translation>
    </message>
    <message>
        <source>Pick a color for the text.</source>
        <translation>Escolha uma cor para o texto.</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Speech Settings</source>
        <translation>Configurações de voz</translation>
    </message>
    <message>
        <source>Enable Speech</source>
        <translation>Ativar voz</translation>
    </message>
    <message>
        <source>Check this to enable/disable the speech for Quornel Desktop Notes.</source>
        <translation>Marque esta opção para ativar ou desativar a voz no Quornel Desktop Notes.</translation>
    </message>
    <message>
        <source>Load Agent</source>
        <translation>Carregar agente</translation>
    </message>
    <message>
        <source>Click this button to load an Agent the will read your note(s).</source>
        <translation>Clique neste botão para carregar um agente que lerá suas notas.</translation>
    </message>
    <message>
        <source>Agent Name:</source>
        <translation>Nome do agente:</translation>
    </message>
    <message>
        <source>This is the name of you agent.</source>
        <translation>Este é o nome do seu agente.</translation>
    </message>
    <message>
        <source>Read notes on startup</source>
        <translation>Ler notas ao iniciar</translation>
    </message>
    <message>
        <source>Click this if you would like to have Quornel read your notes when he starts up.</source>
        <translation>Marque esta opção se quiser que o Quornel leia suas notas quando ele iniciar.</translation>
    </message>
    <message>
        <source>Speech Agent Characters|*.qchar</source>
        <translation>Personagens falantes|*.qchar</translation>
    </message>
    <message>
        <source>You must restart Quornel Desktop Notes in order for the changes to take place.</source>
        <translation>Você precisa reiniciar o Quornel Desktop Notes para que as alterações tenham efeito.</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Transparency Settings</source>
        <translation>Configurações de transparência</translation>
    </message>
    <message>
        <source>Enable Transparency (Compositing Desktops Only)</source>
        <translation>Ativar transparência (somente com composição de janelas)</translation>
    </message>
    <message>
        <source>Enable this to see cool tranparency effects on a compositing desktop.</source>
        <translation>Ative esta opção para ver efeitos de transparência incríveis em uma área de trabalho com composição de janelas.</translation>
    </message>
    <message>
        <source>Not Visable</source>
        <translation>Invisível</translation>
    </message>
    <message>
        <source>Visable</source>
        <translation>Visível</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Visibilidade</translation>
    </message>
    <message>
        <source>From not visible (0) to fully visible (255).</source>
        <translation>De invisível (0) a totalmente visível (255).</translation>
    </message>
    <message>
        <source>Precent Visable        %</source>
        <translation>Visibilidade        %</translation>
    </message>
</context>
<context>
    <name>NoteStore</name>
    <message>
        <source>A change could not be saved to the note store &quot;%1&quot;: %2. The program keeps the change and saves it as soon as it can; changes not saved by then are lost when the program ends.</source>
        <translation>Não foi possível salvar uma alteração no armazenamento de notas &quot;%1&quot;: %2. O programa mantém a alteração e a salva assim que possível; as alterações que ainda não tiverem sido salvas serão perdidas quando o programa for encerrado.</translation>
    </message>
</context>
<context>
    <name>OneCopy</name>
    <message>
        <source>A folder &quot;%1&quot; stands where Quornel Desktop Notes keeps the lock of its note store. The folder is left as it is; the lock is kept elsewhere.</source>
        <translation>Há uma pasta &quot;%1&quot; no local onde o Quornel Desktop Notes guarda o bloqueio do seu armazenamento de notas. A pasta fica como está; o bloqueio é guardado em outro lugar.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>A note on the desktop, with a clock and a mascot who reads it aloud.
Without an option the note store is &quot;%1&quot; in the working folder.</source>
        <translation>Uma nota na área de trabalho, com um relógio e um mascote que a lê em voz alta.
Sem opções, o armazenamento de notas é &quot;%1&quot; na pasta de trabalho.</translation>
    </message>
    <message>
        <source>Keep the note in the store &lt;file&gt;.</source>
        <translation>Guarda a nota no armazenamento &lt;file&gt;.</translation>
    </message>
    <message>
        <source>Keep the note in the per-user store under $XDG_DATA_HOME.</source>
        <translation>Guarda a nota no armazenamento do usuário em $XDG_DATA_HOME.</translation>
    </message>
    <message>
        <source>Start the widget on the store named here (--user, --store or the working folder&apos;s) when you log in: on or off.</source>
        <translation>Inicia o widget com o armazenamento indicado aqui (--user, --store ou o da pasta de trabalho) ao fazer login: on ou off.</translation>
    </message>
    <message>
        <source>--store and --user name two stores; give one</source>
        <translation>--store e --user indicam dois armazenamentos; informe apenas um</translation>
    </message>
    <message>
        <source>--autostart takes on or off</source>
        <translation>--autostart aceita on ou off</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see --help</source>
        <translation>argumento inesperado &apos;%1&apos;; consulte --help</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; for the note store cannot be made.</source>
        <translation>Não foi possível criar a pasta &quot;%1&quot; do armazenamento de notas.</translation>
    </message>
    <message>
        <source>Another copy of Quornel Desktop Notes keeps its note in &quot;%1&quot; but does not answer.</source>
        <translation>Outra cópia do Quornel Desktop Notes guarda sua nota em &quot;%1&quot;, mas não responde.</translation>
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
        <translation>o sintetizador de voz parou de responder</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly</source>
        <translation>o sintetizador de voz foi encerrado inesperadamente</translation>
    </message>
    <message>
        <source>the speaker ended unexpectedly (exit status %1)</source>
        <translation>o sintetizador de voz foi encerrado inesperadamente (status de saída %1)</translation>
    </message>
    <message>
        <source>the speaker &quot;%1&quot; could not be started (%2)</source>
        <translation>não foi possível iniciar o sintetizador de voz &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>the speaker said something that does not decode</source>
        <translation>o sintetizador de voz enviou dados que não puderam ser decodificados</translation>
    </message>
</context>
<context>
    <name>SqliteFile</name>
    <message>
        <source>The note store &quot;%1&quot; cannot be used: %2.</source>
        <translation>Não é possível usar o armazenamento de notas &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>there is none, and none can be made in its folder (%1)</source>
        <translation>ele não existe e não pode ser criado na pasta (%1)</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is on a read-only disk: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>O armazenamento de notas &quot;%1&quot; está em um disco somente leitura: a nota é mostrada como foi salva pela última vez, mas as alterações feitas agora não podem ser mantidas.</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is read-only: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>O armazenamento de notas &quot;%1&quot; é somente leitura: a nota é mostrada como foi salva pela última vez, mas as alterações feitas agora não podem ser mantidas.</translation>
    </message>
    <message>
        <source>The note store &quot;%1&quot; is in a read-only folder: the note is shown as it was last saved, but changes made now cannot be kept.</source>
        <translation>O armazenamento de notas &quot;%1&quot; está em uma pasta somente leitura: a nota é mostrada como foi salva pela última vez, mas as alterações feitas agora não podem ser mantidas.</translation>
    </message>
    <message>
        <source>the database is damaged (%1)</source>
        <translation>o banco de dados está danificado (%1)</translation>
    </message>
    <message>
        <source>another program removed its settings record; it is written back as the program shows it</source>
        <translation>outro programa removeu o registro de configurações; ele é gravado de novo como o programa o mostra</translation>
    </message>
    <message>
        <source>another program removed its note record; it is written back as the program shows it</source>
        <translation>outro programa removeu o registro da nota; ele é gravado de novo como o programa o mostra</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>another program holds it locked</source>
        <translation>outro programa o mantém bloqueado</translation>
    </message>
    <message>
        <source>it can no longer be written to</source>
        <translation>não é mais possível gravar nele</translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation>o disco relatou um erro (%1)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
</context>
</TS>
