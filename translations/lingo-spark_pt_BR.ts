<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutForm</name>
    <message>
        <source>About Lingo-Spark</source>
        <translation>Sobre o Lingo-Spark</translation>
    </message>
    <message>
        <source>Version 1.6</source>
        <translation>Versão 1.6</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AddWord</name>
    <message>
        <source>Add A Word To This List</source>
        <translation>Adicionar uma palavra à lista</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Palavra:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palavra</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Significado:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Foreign Characters...</source>
        <translation>Caracteres especiais...</translation>
    </message>
</context>
<context>
    <name>BoxChart</name>
    <message>
        <source>Choose a word list to see its words in their boxes.</source>
        <translation>Escolha uma lista para ver as palavras dela nas caixas.</translation>
    </message>
    <message>
        <source>Words in each box</source>
        <translation>Palavras em cada caixa</translation>
    </message>
    <message>
        <source>Box %1</source>
        <translation>Caixa %1</translation>
    </message>
    <message numerus="yes">
        <source>Box %1: %n word(s)</source>
        <translation>
            <numerusform>Caixa %1: %n palavra</numerusform>
            <numerusform>Caixa %1: %n palavras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>box %1: %n word(s)</source>
        <translation>
            <numerusform>caixa %1: %n palavra</numerusform>
            <numerusform>caixa %1: %n palavras</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChangeListName</name>
    <message>
        <source>Change List Name</source>
        <translation>Renomear lista</translation>
    </message>
    <message>
        <source>List name</source>
        <translation>Nome da lista</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ChangePassword</name>
    <message>
        <source>Change Teacher Management Password</source>
        <translation>Alterar a senha da Área do Professor</translation>
    </message>
    <message>
        <source>Old Password:</source>
        <translation>Senha antiga:</translation>
    </message>
    <message>
        <source>New Password:</source>
        <translation>Senha nova:</translation>
    </message>
    <message>
        <source>Confirm New Password:</source>
        <translation>Confirme a senha nova:</translation>
    </message>
    <message>
        <source>Password Change Successful!</source>
        <translation>Senha alterada com sucesso!</translation>
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
        <source>%1

The password was not changed.</source>
        <translation>%1

A senha não foi alterada.</translation>
    </message>
    <message>
        <source>The new password has a character that cannot be stored. Please use other characters.</source>
        <translation>A senha nova tem um caractere que não pode ser guardado. Use outros caracteres.</translation>
    </message>
</context>
<context>
    <name>ChooseAList</name>
    <message>
        <source>Hey!</source>
        <translation>Ei!</translation>
    </message>
    <message>
        <source>You need to choose a list!</source>
        <translation>Você precisa escolher uma lista!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ClassProgress</name>
    <message>
        <source>Pupil</source>
        <translation>Aluno</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Erros</translation>
    </message>
    <message>
        <source>Share right</source>
        <translation>Taxa de acerto</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palavra</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Pupils who missed it</source>
        <translation>Alunos que erraram</translation>
    </message>
    <message>
        <source>Class Progress</source>
        <translation>Progresso da turma</translation>
    </message>
    <message>
        <source>Choose a list to see how the class does with it.</source>
        <translation>Escolha uma lista para ver como a turma está indo com ela.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Pupils who practised it:</source>
        <translation>Alunos que praticaram:</translation>
    </message>
    <message>
        <source>Pupils who practised the list</source>
        <translation>Alunos que praticaram a lista</translation>
    </message>
    <message>
        <source>Pairs the class missed most:</source>
        <translation>Pares que a turma mais errou:</translation>
    </message>
    <message>
        <source>Pairs the class missed most</source>
        <translation>Pares que a turma mais errou</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>the word lists could not be read</source>
        <translation>não foi possível ler as listas de palavras</translation>
    </message>
    <message>
        <source>Skipped: %1.</source>
        <translation>Arquivos ignorados: %1.</translation>
    </message>
    <message>
        <source>No pupil has practised &quot;%1&quot; yet.</source>
        <translation>Nenhum aluno praticou &quot;%1&quot; ainda.</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV para planilhas (*.csv)</translation>
    </message>
    <message>
        <source>The class&apos;s progress with &quot;%1&quot; was written to %2.</source>
        <translation>O progresso da turma com &quot;%1&quot; foi gravado em %2.</translation>
    </message>
    <message>
        <source>Class progress: %1</source>
        <translation>Progresso da turma: %1</translation>
    </message>
    <message numerus="yes">
        <source>The progress of %n pupil(s) was read.</source>
        <translation>
            <numerusform>O progresso de %n aluno foi lido.</numerusform>
            <numerusform>O progresso de %n alunos foi lido.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pupil(s) practised &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n aluno praticou a lista &quot;%1&quot;.</numerusform>
            <numerusform>%n alunos praticaram a lista &quot;%1&quot;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>no account of that name on this computer</source>
        <translation>nenhuma conta com esse nome neste computador</translation>
    </message>
    <message>
        <source>cannot be looked at</source>
        <translation>não pode ser acessado</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>owned by %1, not by %2</source>
        <translation>pertence a %1, não a %2</translation>
    </message>
    <message>
        <source>there is no class progress folder %1</source>
        <translation>não existe a pasta de progresso da turma %1</translation>
    </message>
    <message>
        <source>this account cannot list the class progress folder %1</source>
        <translation>esta conta não pode listar a pasta de progresso da turma %1</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>not a progress file this version can read</source>
        <translation>não é um arquivo de progresso que esta versão consegue ler</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the program in &lt;code&gt;: %1.</source>
        <translation>Mostrar o programa no idioma &lt;code&gt;: %1.</translation>
    </message>
    <message>
        <source>Language of the program, the first of:
  1. --language &lt;code&gt;
  2. a line Language=&lt;code&gt; in lingo-spark/lingo-spark.conf, looked for as above
  3. the user&apos;s languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. English
Languages: %1. A language the program does not have is passed over for the next one.
</source>
        <translation>Idioma do programa, o primeiro de:
  1. --language &lt;code&gt;
  2. uma linha Language=&lt;code&gt; em lingo-spark/lingo-spark.conf, procurada como acima
  3. os idiomas do usuário (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. inglês
Idiomas: %1. Um idioma que o programa não tem é pulado.
</translation>
    </message>
    <message>
        <source>--language needs a language code, such as &quot;de&quot;</source>
        <translation>--language precisa de um código de idioma, por exemplo &quot;pt_BR&quot;</translation>
    </message>
    <message>
        <source>%1: %2
Try &quot;%1 --help&quot;.
</source>
        <translation>%1: %2
Tente &quot;%1 --help&quot;.
</translation>
    </message>
    <message>
        <source>Use the word lists and settings in &lt;folder&gt;.</source>
        <translation>Usar as listas de palavras e as configurações da pasta &lt;folder&gt;.</translation>
    </message>
    <message>
        <source>Data folder (the word lists thelists.dat and the settings lsdata.dat), the first of:
  1. --data &lt;folder&gt;
  2. the environment variable LINGO_SPARK_DATA
  3. a line DataFolder=&lt;folder&gt; in lingo-spark/lingo-spark.conf, looked for in
     %1 (the user&apos;s settings first, then the computer&apos;s)
  4. %2, created and given the shipped lists the first time
A folder named by 1 to 3 must already hold both files: it is never created or filled,
and the program ends with a message naming the folder and the missing file.
</source>
        <translation>Pasta de dados (as listas de palavras thelists.dat e as configurações lsdata.dat), a primeira de:
  1. --data &lt;folder&gt;
  2. a variável de ambiente LINGO_SPARK_DATA
  3. uma linha DataFolder=&lt;folder&gt; em lingo-spark/lingo-spark.conf, procurada em
     %1 (primeiro as configurações do usuário, depois as do computador)
  4. %2, criada e preenchida com as listas que vêm com o programa na primeira vez
Uma pasta indicada por 1 a 3 já deve conter os dois arquivos: ela nunca é criada nem preenchida,
e o programa termina com uma mensagem que indica a pasta e o arquivo que falta.
</translation>
    </message>
    <message>
        <source>, then </source>
        <translation>, depois </translation>
    </message>
    <message>
        <source>Commands (they need no display; &quot;%1 &lt;command&gt; --help&quot; for one):
</source>
        <translation>Comandos (não precisam de tela; &quot;%1 &lt;command&gt; --help&quot; para um deles):
</translation>
    </message>
    <message>
        <source>usage: %1 %2 %3</source>
        <translation>uso: %1 %2 %3</translation>
    </message>
    <message>
        <source>--data needs a folder</source>
        <translation>--data precisa de uma pasta</translation>
    </message>
    <message>
        <source>Lingo-Spark: vocabulary flash cards, quizzes and games for schools.
Without a command it opens the main menu.</source>
        <translation>Lingo-Spark: cartões, testes e jogos de vocabulário para escolas.
Sem um comando, abre o menu principal.</translation>
    </message>
    <message>
        <source>One of the commands below.</source>
        <translation>Um dos comandos abaixo.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando desconhecido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session.
</source>
        <translation>%1: não há tela para abrir a janela (nem DISPLAY nem WAYLAND_DISPLAY está definida); inicie o programa em uma sessão gráfica.
</translation>
    </message>
</context>
<context>
    <name>CommonMenus</name>
    <message>
        <source>Go</source>
        <translation>Ir</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Fala</translation>
    </message>
    <message>
        <source>My Words</source>
        <translation>Minhas palavras</translation>
    </message>
    <message>
        <source>Back to Main Screen</source>
        <translation>Voltar à tela inicial</translation>
    </message>
    <message>
        <source>Back to Games Options</source>
        <translation>Voltar aos jogos</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>About This Program</source>
        <translation>Sobre este programa</translation>
    </message>
    <message>
        <source>About this Program</source>
        <translation>Sobre este programa</translation>
    </message>
</context>
<context>
    <name>Concentration</name>
    <message>
        <source>Concentration</source>
        <translation>Jogo da Memória</translation>
    </message>
    <message>
        <source>Directions: Click on a card to flip it. Match each word with its correct definition.</source>
        <translation>Instruções: clique em um cartão para virá-lo. Junte cada palavra com o significado certo.</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Cartão %1</translation>
    </message>
    <message>
        <source>Tries: 0</source>
        <translation>Jogadas: 0</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation>Esfinge</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Parabéns!</translation>
    </message>
    <message>
        <source>You must have at least 8 words on a list to play Concentration!</source>
        <translation>A lista precisa ter pelo menos 8 palavras para jogar o Jogo da Memória!</translation>
    </message>
    <message>
        <source>Tries: %1</source>
        <translation>Jogadas: %1</translation>
    </message>
    <message>
        <source>Try Again...</source>
        <translation>Tente de novo...</translation>
    </message>
    <message>
        <source>Match!</source>
        <translation>É um par!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Você ganhou!</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
</context>
<context>
    <name>CreateList</name>
    <message>
        <source>Create New Vocabulary List</source>
        <translation>Criar nova lista de palavras</translation>
    </message>
    <message>
        <source>Type in the Name of your New List</source>
        <translation>Digite o nome da sua nova lista</translation>
    </message>
    <message>
        <source>Name of the new list</source>
        <translation>Nome da nova lista</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>(set by %1)
</source>
        <translation>(definida por %1)
</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the data folder
%1
%2does not exist.

If it is on a shared drive, check that the drive is connected.</source>
        <translation>O Lingo-Spark não pode iniciar: a pasta de dados
%1
%2não existe.

Se ela estiver em uma unidade compartilhada, verifique se a unidade está conectada.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the data folder
%1
%2cannot be read from this account.</source>
        <translation>O Lingo-Spark não pode iniciar: a pasta de dados
%1
%2não pode ser lida por esta conta.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the file &quot;%1&quot; is missing or cannot be read in the data folder
%2
%3
If the folder is on a shared drive, check that the drive is connected; otherwise copy the file there again.</source>
        <translation>O Lingo-Spark não pode iniciar: o arquivo &quot;%1&quot; está faltando ou não pode ser lido na pasta de dados
%2
%3
Se a pasta estiver em uma unidade compartilhada, verifique se a unidade está conectada; senão, copie o arquivo para lá novamente.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: it cannot create its data folder
%1</source>
        <translation>O Lingo-Spark não pode iniciar: não foi possível criar a pasta de dados
%1</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: it cannot copy &quot;%1&quot; from
%2
into its data folder
%3</source>
        <translation>O Lingo-Spark não pode iniciar: não foi possível copiar &quot;%1&quot; de
%2
para a pasta de dados
%3</translation>
    </message>
</context>
<context>
    <name>DataUpdate</name>
    <message>
        <source>The word lists and settings in the folder %1 cannot be changed from this account.</source>
        <translation>As listas de palavras e as configurações da pasta %1 não podem ser alteradas por esta conta.</translation>
    </message>
    <message>
        <source>%1

Nothing was saved.</source>
        <translation>%1

Nada foi salvo.</translation>
    </message>
    <message>
        <source>Another computer is saving %1 just now.

Please try again in a moment.</source>
        <translation>Outro computador está salvando %1 agora.

Tente de novo daqui a pouco.</translation>
    </message>
    <message>
        <source>Could not save %1: the folder %2 cannot lock files, so saves from several computers could overwrite each other.

Nothing was saved.</source>
        <translation>Não foi possível salvar %1: a pasta %2 não permite travar arquivos, e o que vários computadores salvam ali poderia ser sobrescrito.

Nada foi salvo.</translation>
    </message>
    <message>
        <source>Could not save %1: the folder %2 cannot be reached.</source>
        <translation>Não foi possível salvar %1: a pasta %2 não pode ser acessada.</translation>
    </message>
    <message>
        <source>Could not read %1.

Nothing was saved.</source>
        <translation>Não foi possível ler %1.

Nada foi salvo.</translation>
    </message>
</context>
<context>
    <name>DeletWordSure</name>
    <message>
        <source>Confirm Word Delete</source>
        <translation>Confirmar exclusão</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the word &apos;%1&apos; from this list?</source>
        <translation>Tem certeza de que quer excluir a palavra &apos;%1&apos; desta lista?</translation>
    </message>
</context>
<context>
    <name>DeleteList</name>
    <message>
        <source>This list was already deleted on another computer.</source>
        <translation>Esta lista já foi excluída em outro computador.</translation>
    </message>
    <message>
        <source>This list was changed on another computer. Delete it anyway?</source>
        <translation>Esta lista foi alterada em outro computador. Excluir mesmo assim?</translation>
    </message>
    <message>
        <source>Delete A List</source>
        <translation>Excluir uma lista</translation>
    </message>
    <message>
        <source>To Delete A List:</source>
        <translation>Para excluir uma lista:</translation>
    </message>
    <message>
        <source>Choose the List Name in the Box Below and Click the &quot;Delete&quot; Button.</source>
        <translation>Escolha a lista abaixo e clique no botão &quot;Excluir&quot;.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Are you sure you want to permenantly delete this list?</source>
        <translation>Tem certeza de que quer excluir esta lista para sempre?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>The list was deleted, but its languages could not be removed.

%1</source>
        <translation>A lista foi excluída, mas os idiomas dela não puderam ser removidos.

%1</translation>
    </message>
    <message>
        <source>%1

The list was not deleted.</source>
        <translation>%1

A lista não foi excluída.</translation>
    </message>
</context>
<context>
    <name>EditChooseList</name>
    <message>
        <source>View/Edit Vocabulary List</source>
        <translation>Ver/editar lista de palavras</translation>
    </message>
    <message>
        <source>Choose a List to View or Edit</source>
        <translation>Escolha uma lista para ver ou editar</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>EditList</name>
    <message>
        <source>View/Edit List</source>
        <translation>Ver/editar lista</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palavras</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Change List Name</source>
        <translation>Renomear lista</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Back To List Management</source>
        <translation>Voltar à Área do Professor</translation>
    </message>
    <message>
        <source>Total Words In This List: %1</source>
        <translation>Total de palavras na lista: %1</translation>
    </message>
    <message>
        <source>%1

Please change the list&apos;s name before saving.</source>
        <translation>%1

Mude o nome da lista antes de salvar.</translation>
    </message>
    <message>
        <source>%1

Please edit the selected word before saving.</source>
        <translation>%1

Corrija a palavra selecionada antes de salvar.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Erro ao salvar</translation>
    </message>
    <message>
        <source>%1

The list was not saved and the word list file is unchanged. Your changes are still here.</source>
        <translation>%1

A lista não foi salva e o arquivo de listas não foi alterado. Suas alterações continuam aqui.</translation>
    </message>
    <message>
        <source>The changes to the list &quot;%1&quot; have not been saved. Save them before closing?</source>
        <translation>As alterações na lista &quot;%1&quot; não foram salvas. Salvar antes de fechar?</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Salvar?</translation>
    </message>
    <message>
        <source>The changes to the list &quot;%1&quot; have not been saved. Save them before leaving?</source>
        <translation>As alterações na lista &quot;%1&quot; não foram salvas. Salvar antes de sair?</translation>
    </message>
    <message>
        <source>This list was changed on another computer since you opened it.</source>
        <translation>Esta lista foi alterada em outro computador depois que você a abriu.</translation>
    </message>
    <message>
        <source>A list name must fit on one line. Please remove the line break.</source>
        <translation>O nome de uma lista deve caber em uma linha. Remova a quebra de linha.</translation>
    </message>
    <message>
        <source>A word or meaning must fit on one line. Please remove the line break.</source>
        <translation>Uma palavra ou significado deve caber em uma linha. Remova a quebra de linha.</translation>
    </message>
    <message>
        <source>&quot;&lt;New List&gt;&quot; marks the start of a list in the word list file, so it cannot be used as a list name, word or meaning.</source>
        <translation>&quot;&lt;New List&gt;&quot; marca o início de uma lista no arquivo de listas, por isso não pode ser usado como nome de lista, palavra ou significado.</translation>
    </message>
    <message>
        <source>Please type a name for the list.</source>
        <translation>Digite um nome para a lista.</translation>
    </message>
    <message>
        <source>&quot;No Lists&quot; marks an empty word list file, so it cannot be the name of a list.</source>
        <translation>&quot;No Lists&quot; marca um arquivo de listas vazio, por isso não pode ser o nome de uma lista.</translation>
    </message>
    <message>
        <source>A list name cannot hold a tab or another control character. Please remove it.</source>
        <translation>O nome de uma lista não pode conter tabulação nem outro caractere de controle. Remova-o.</translation>
    </message>
    <message>
        <source>A word or meaning cannot hold a tab or another control character. Please remove it.</source>
        <translation>Uma palavra ou significado não pode conter tabulação nem outro caractere de controle. Remova-o.</translation>
    </message>
    <message>
        <source>There is already a list named &quot;%1&quot;. Please choose another name: two lists of the same name could not both be practised.</source>
        <translation>Já existe uma lista chamada &quot;%1&quot;. Escolha outro nome: duas listas com o mesmo nome não poderiam ser praticadas.</translation>
    </message>
    <message>
        <source>A list can hold at most %1 words, and this list is full.</source>
        <translation>Uma lista pode ter no máximo %1 palavras, e esta lista está cheia.</translation>
    </message>
</context>
<context>
    <name>EditWord</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Palavra:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palavra</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Significado:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Error:</source>
        <translation>Erro:</translation>
    </message>
    <message>
        <source>The words on this list are all too long to play this game. Please try another list or another activity.</source>
        <translation>As palavras desta lista são todas compridas demais para este jogo. Tente outra lista ou outra atividade.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ExchangeDialogs</name>
    <message>
        <source>The list &quot;%1&quot; could not be read from the word list file.</source>
        <translation>Não foi possível ler a lista &quot;%1&quot; do arquivo de listas.</translation>
    </message>
</context>
<context>
    <name>ExchangeFiles</name>
    <message>
        <source>%1 is not a file that can be read.</source>
        <translation>%1 não é um arquivo que possa ser lido.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a word list needs.</source>
        <translation>%1 tem mais de %2 MB, muito mais do que uma lista de palavras precisa.</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: the disk may be full.</source>
        <translation>Não foi possível gravar %1: o disco pode estar cheio.</translation>
    </message>
    <message>
        <source>Word lists (*.csv *.tsv *.txt *.kvtml *.xml);;All files (*)</source>
        <translation>Listas de palavras (*.csv *.tsv *.txt *.kvtml *.xml);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>ExportList</name>
    <message>
        <source>Export a List</source>
        <translation>Exportar lista</translation>
    </message>
    <message>
        <source>Choose the list to export, then click &quot;Export...&quot;. A .csv file opens in spreadsheets; a .kvtml file in vocabulary programs.</source>
        <translation>Escolha a lista que quer exportar e clique em &quot;Exportar...&quot;. Um arquivo .csv abre em planilhas; um arquivo .kvtml, em programas de vocabulário.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv);;KVTML vocabulary (*.kvtml)</source>
        <translation>CSV para planilhas (*.csv);;Vocabulário KVTML (*.kvtml)</translation>
    </message>
    <message>
        <source>%1

Nothing was written.</source>
        <translation>%1

Nada foi gravado.</translation>
    </message>
    <message numerus="yes">
        <source>The %n word(s) of &quot;%1&quot; were written to %2.</source>
        <translation>
            <numerusform>%n palavra de &quot;%1&quot; foi gravada em %2.</numerusform>
            <numerusform>%n palavras de &quot;%1&quot; foram gravadas em %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pair %1 (&quot;%2&quot; = &quot;%3&quot;) holds the control character U+%4, which a KVTML file cannot carry.</source>
        <translation>O par %1 (&quot;%2&quot; = &quot;%3&quot;) contém o caractere de controle U+%4, que um arquivo KVTML não aceita.</translation>
    </message>
    <message>
        <source>The list name holds a control character, which a KVTML file cannot carry.</source>
        <translation>O nome da lista contém um caractere de controle, que um arquivo KVTML não aceita.</translation>
    </message>
</context>
<context>
    <name>First</name>
    <message>
        <source>Flash Cards</source>
        <translation>Cartões</translation>
    </message>
    <message>
        <source>Quiz Me!</source>
        <translation>Teste-me!</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>No Lists Available!</source>
        <translation>Nenhuma lista disponível!</translation>
    </message>
    <message>
        <source>Teacher Management</source>
        <translation>Área do Professor</translation>
    </message>
    <message>
        <source>My Progress...</source>
        <translation>Meu progresso...</translation>
    </message>
</context>
<context>
    <name>ForeignCharacters</name>
    <message>
        <source>Foreign Language Characters</source>
        <translation>Caracteres especiais</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Caractere</translation>
    </message>
    <message>
        <source>Add to word</source>
        <translation>Pôr na palavra</translation>
    </message>
    <message>
        <source>Add to definition</source>
        <translation>Pôr no significado</translation>
    </message>
</context>
<context>
    <name>GameOption</name>
    <message>
        <source>Lingo-Spark Game Options</source>
        <translation>Jogos do Lingo-Spark</translation>
    </message>
    <message>
        <source>Lingo-Spark Games</source>
        <translation>Jogos do Lingo-Spark</translation>
    </message>
    <message>
        <source>Choose a list:</source>
        <translation>Escolha uma lista:</translation>
    </message>
    <message>
        <source>Choose a Game:</source>
        <translation>Escolha um jogo:</translation>
    </message>
    <message>
        <source>Back To Main Screen</source>
        <translation>Voltar à tela inicial</translation>
    </message>
    <message>
        <source>You must have at least 8 words on a list to play Concentration!</source>
        <translation>A lista precisa ter pelo menos 8 palavras para jogar o Jogo da Memória!</translation>
    </message>
    <message>
        <source>Hangman</source>
        <translation>Forca</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Letras Embaralhadas</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Jogo da Memória</translation>
    </message>
    <message>
        <source>Word Zap!</source>
        <translation>Word Zap!</translation>
    </message>
</context>
<context>
    <name>GiveHint</name>
    <message>
        <source>Hint:</source>
        <translation>Dica:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Hangman</name>
    <message>
        <source>Hangman!</source>
        <translation>Forca!</translation>
    </message>
    <message>
        <source>Letter Guess:</source>
        <translation>Sua letra:</translation>
    </message>
    <message>
        <source>Go &gt;</source>
        <translation>Vai &gt;</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Letters Already Used:</source>
        <translation>Letras já usadas:</translation>
    </message>
    <message>
        <source>You Lose!</source>
        <translation>Você perdeu!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>HangmanOutcome</name>
    <message>
        <source>Do you want to play again?</source>
        <translation>Quer jogar de novo?</translation>
    </message>
</context>
<context>
    <name>ImportList</name>
    <message>
        <source>Read as a KVTML vocabulary of one language: each word&apos;s hint is its meaning.</source>
        <translation>Lido como vocabulário KVTML de um só idioma: a dica de cada palavra é o significado dela.</translation>
    </message>
    <message>
        <source>Read as a KVTML vocabulary.</source>
        <translation>Lido como vocabulário KVTML.</translation>
    </message>
    <message>
        <source>Read as &quot;word = meaning&quot; lines in %1.</source>
        <translation>Lido como linhas &quot;palavra = significado&quot; em %1.</translation>
    </message>
    <message>
        <source>Read as tab-separated text in %1.</source>
        <translation>Lido como texto separado por tabulações em %1.</translation>
    </message>
    <message>
        <source>Read as semicolon-separated text in %1.</source>
        <translation>Lido como texto separado por ponto e vírgula em %1.</translation>
    </message>
    <message>
        <source>Read as comma-separated text in %1.</source>
        <translation>Lido como texto separado por vírgulas em %1.</translation>
    </message>
    <message>
        <source>Import a List</source>
        <translation>Importar lista</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Arquivo:</translation>
    </message>
    <message>
        <source>Choose a File...</source>
        <translation>Escolher arquivo...</translation>
    </message>
    <message>
        <source>List name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>List name</source>
        <translation>Nome da lista</translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation>Primeira linha é cabeçalho</translation>
    </message>
    <message>
        <source>First rows:</source>
        <translation>Primeiras linhas:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palavra</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>First rows</source>
        <translation>Primeiras linhas</translation>
    </message>
    <message>
        <source>Rows that will not be taken:</source>
        <translation>Linhas que não serão usadas:</translation>
    </message>
    <message>
        <source>Rows that will not be taken</source>
        <translation>Linhas que não serão usadas</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1

Nothing was imported.</source>
        <translation>%1

Nada foi importado.</translation>
    </message>
    <message>
        <source>Words that will be taken: %1</source>
        <translation>Palavras que serão usadas: %1</translation>
    </message>
    <message>
        <source>No words can be taken from this file.</source>
        <translation>Nenhuma palavra deste arquivo pode ser usada.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>

Its languages could not be saved.

%1</source>
        <translation>

Não foi possível salvar os idiomas da lista.

%1</translation>
    </message>
    <message numerus="yes">
        <source>The list &quot;%1&quot; was added with %n word(s).</source>
        <translation>
            <numerusform>A lista &quot;%1&quot; foi adicionada com %n palavra.</numerusform>
            <numerusform>A lista &quot;%1&quot; foi adicionada com %n palavras.</numerusform>
        </translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>Languages: %1 / %2</source>
        <translation>Idiomas: %1 / %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a word list needs.</source>
        <translation>%1 tem mais de %2 MB, muito mais do que uma lista de palavras precisa.</translation>
    </message>
    <message>
        <source>%1 is not a text file (it may be a picture or a program), so it holds no word list.</source>
        <translation>%1 não é um arquivo de texto (pode ser uma imagem ou um programa), por isso não contém uma lista de palavras.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 está vazio.</translation>
    </message>
    <message>
        <source>%1 is an XML file but not a KVTML vocabulary.</source>
        <translation>%1 é um arquivo XML, mas não um vocabulário KVTML.</translation>
    </message>
    <message>
        <source>%1 is an old KVTML 1 vocabulary; only KVTML 2 files can be read.</source>
        <translation>%1 é um vocabulário KVTML 1 antigo; só arquivos KVTML 2 podem ser lidos.</translation>
    </message>
    <message>
        <source>%1 is not a readable XML file (line %2: %3).</source>
        <translation>%1 não é um arquivo XML legível (linha %2: %3).</translation>
    </message>
    <message>
        <source>%1 holds only one language and no hints: a KVTML file needs a second translation or a hint for each word to give the meanings.</source>
        <translation>%1 tem só um idioma e nenhuma dica: um arquivo KVTML precisa de uma segunda tradução ou de uma dica para cada palavra para dar os significados.</translation>
    </message>
    <message>
        <source>%1 holds no word and meaning pairs: each line should hold a word and its meaning separated by a tab, a semicolon or a comma, or be written as word = meaning.</source>
        <translation>%1 não contém pares de palavra e significado: cada linha deve ter uma palavra e o significado dela separados por uma tabulação, um ponto e vírgula ou uma vírgula, ou ser escrita como palavra = significado.</translation>
    </message>
    <message>
        <source>a line break inside the word</source>
        <translation>uma quebra de linha dentro da palavra</translation>
    </message>
    <message>
        <source>the control character %1 inside the word</source>
        <translation>o caractere de controle %1 dentro da palavra</translation>
    </message>
    <message>
        <source>a line break inside the meaning</source>
        <translation>uma quebra de linha dentro do significado</translation>
    </message>
    <message>
        <source>the control character %1 inside the meaning</source>
        <translation>o caractere de controle %1 dentro do significado</translation>
    </message>
    <message>
        <source>the word is empty</source>
        <translation>a palavra está vazia</translation>
    </message>
    <message>
        <source>the meaning is empty</source>
        <translation>o significado está vazio</translation>
    </message>
    <message>
        <source>&quot;%1&quot; marks the word list file&apos;s structure and cannot be a word or meaning</source>
        <translation>&quot;%1&quot; marca a estrutura do arquivo de listas e não pode ser uma palavra nem um significado</translation>
    </message>
    <message>
        <source>a quote that is never closed</source>
        <translation>aspas que nunca são fechadas</translation>
    </message>
    <message>
        <source>no meaning: the word has no hint</source>
        <translation>sem significado: a palavra não tem dica</translation>
    </message>
    <message>
        <source>The file has %1 columns: the first two are taken as word and meaning.</source>
        <translation>O arquivo tem %1 colunas: as duas primeiras são usadas como palavra e significado.</translation>
    </message>
    <message>
        <source>A list holds at most %1 words: the first %1 are taken and %2 more are left out.</source>
        <translation>Uma lista tem no máximo %1 palavras: as primeiras %1 são usadas e outras %2 ficam de fora.</translation>
    </message>
</context>
<context>
    <name>LanguagesOfAList</name>
    <message>
        <source>(not set)</source>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>Languages of a List</source>
        <translation>Idiomas de uma lista</translation>
    </message>
    <message>
        <source>Choose a list, then the languages of its words and meanings.</source>
        <translation>Escolha uma lista e os idiomas das palavras e dos significados.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Language of the words:</source>
        <translation>Idioma das palavras:</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Idioma das palavras</translation>
    </message>
    <message>
        <source>Language of the meanings:</source>
        <translation>Idioma dos significados:</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>Idioma dos significados</translation>
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
        <source>%1

The languages were not saved.</source>
        <translation>%1

Os idiomas não foram salvos.</translation>
    </message>
</context>
<context>
    <name>LanguagesVerb</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>não foi possível ler as listas de palavras em %1</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>não existe uma lista chamada &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language code this computer knows (examples: es, fr, de, en-GB)</source>
        <translation>&quot;%1&quot; não é um código de idioma que este computador conheça (exemplos: es, fr, de, en-GB)</translation>
    </message>
    <message>
        <source>Print the language codes of the list NAME&apos;s words and meanings (tab-separated, &quot;-&quot; for one not set), or set them (&quot;-&quot; unsets one).</source>
        <translation>Mostrar os códigos de idioma das palavras e dos significados da lista NAME (separados por tabulação, &quot;-&quot; para um não definido), ou defini-los (&quot;-&quot; remove um).</translation>
    </message>
    <message>
        <source>lingo-spark: give both the words&apos; and the meanings&apos; codes (&quot;-&quot; for one not set)
</source>
        <translation>lingo-spark: informe os dois códigos, o das palavras e o dos significados (&quot;-&quot; para um não definido)
</translation>
    </message>
</context>
<context>
    <name>ListChooser</name>
    <message>
        <source>No words of this list are due today.</source>
        <translation>Nenhuma palavra desta lista para revisar hoje.</translation>
    </message>
    <message>
        <source>This list needs at least two different words to make a quiz. Please choose another list.</source>
        <translation>Esta lista precisa ter pelo menos duas palavras diferentes para fazer um teste. Escolha outra lista.</translation>
    </message>
</context>
<context>
    <name>ListEntries</name>
</context>
<context>
    <name>ListExport</name>
</context>
<context>
    <name>ListImport</name>
</context>
<context>
    <name>ListLanguages</name>
    <message>
        <source>The list was saved, but its languages could not be carried over.

%1</source>
        <translation>A lista foi salva, mas os idiomas dela não puderam ser transferidos.

%1</translation>
    </message>
</context>
<context>
    <name>ListVerbs</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>não foi possível ler as listas de palavras em %1</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Nada foi importado.</translation>
    </message>
    <message>
        <source>%1:%2: not taken: %3</source>
        <translation>%1:%2: não usada: %3</translation>
    </message>
    <message>
        <source>%1 holds no pair that can be taken. Nothing was imported.</source>
        <translation>%1 não contém nenhum par que possa ser usado. Nada foi importado.</translation>
    </message>
    <message>
        <source>%1: the list was added, but its languages could not be saved: %2</source>
        <translation>%1: a lista foi adicionada, mas os idiomas dela não puderam ser salvos: %2</translation>
    </message>
    <message>
        <source>%1: the file name must end in .csv or .kvtml</source>
        <translation>%1: o nome do arquivo deve terminar em .csv ou .kvtml</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>não existe uma lista chamada &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 Nada foi gravado.</translation>
    </message>
    <message>
        <source>Call the new list &lt;name&gt; (else the file&apos;s title or name).</source>
        <translation>Dar à nova lista o nome &lt;name&gt; (senão, o título ou o nome do arquivo).</translation>
    </message>
    <message>
        <source>The first row names the columns.</source>
        <translation>A primeira linha dá os nomes das colunas.</translation>
    </message>
    <message>
        <source>The first row is a word pair, whatever it says.</source>
        <translation>A primeira linha é um par, seja qual for o conteúdo.</translation>
    </message>
    <message>
        <source>Print the names of the word lists, one a line.</source>
        <translation>Mostrar os nomes das listas de palavras, um por linha.</translation>
    </message>
    <message>
        <source>Add the pairs of FILE (CSV, tab or semicolon text, &quot;word = meaning&quot; lines, KVTML 2.0) as a new list.</source>
        <translation>Adicionar os pares de FILE (CSV, texto com tabulações ou ponto e vírgula, linhas &quot;palavra = significado&quot;, KVTML 2.0) como uma nova lista.</translation>
    </message>
    <message>
        <source>lingo-spark: --header and --no-header cannot both be given
</source>
        <translation>lingo-spark: --header e --no-header não podem ser usados juntos
</translation>
    </message>
    <message>
        <source>Write the list NAME to FILE, as CSV (.csv) or KVTML (.kvtml).</source>
        <translation>Gravar a lista NAME em FILE, como CSV (.csv) ou KVTML (.kvtml).</translation>
    </message>
    <message numerus="yes">
        <source>Wrote the %n word(s) of &quot;%1&quot; to %2.</source>
        <translation>
            <numerusform>%n palavra de &quot;%1&quot; gravada em %2.</numerusform>
            <numerusform>%n palavras de &quot;%1&quot; gravadas em %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added the list &quot;%1&quot; with %n word(s) from %2.</source>
        <translation>
            <numerusform>Lista &quot;%1&quot; adicionada com %n palavra de %2.</numerusform>
            <numerusform>Lista &quot;%1&quot; adicionada com %n palavras de %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoseForm</name>
    <message>
        <source>You Lose!</source>
        <translation>Você perdeu!</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Show the Meaning</source>
        <translation>Mostrar significado</translation>
    </message>
    <message>
        <source>Show the Word</source>
        <translation>Mostrar palavra</translation>
    </message>
    <message>
        <source>Total cards available in this set: %1</source>
        <translation>Total de cartões disponíveis: %1</translation>
    </message>
    <message>
        <source>(No words in this list start with %1!)</source>
        <translation>(Nenhuma palavra desta lista começa com %1!)</translation>
    </message>
    <message>
        <source>Vocabulary Flash Cards</source>
        <translation>Cartões de vocabulário</translation>
    </message>
    <message>
        <source>Word card</source>
        <translation>Cartão da palavra</translation>
    </message>
    <message>
        <source>Meaning card</source>
        <translation>Cartão do significado</translation>
    </message>
    <message>
        <source>Previous Card arrow</source>
        <translation>Seta do cartão anterior</translation>
    </message>
    <message>
        <source>Previous Card</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Next Card arrow</source>
        <translation>Seta do próximo cartão</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Back to the Flash Card Options</source>
        <translation>Voltar às opções dos cartões</translation>
    </message>
    <message>
        <source>That&apos;s the end of the list!</source>
        <translation>A lista acabou!</translation>
    </message>
</context>
<context>
    <name>MakeNewList</name>
    <message>
        <source>Make a New Vocabulatry List</source>
        <translation>Criar nova lista de palavras</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palavra</translation>
    </message>
    <message>
        <source>The Meaning of This Word is:</source>
        <translation>O significado desta palavra é:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Add This Word</source>
        <translation>Adicionar palavra</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Foreign Characters...</source>
        <translation>Caracteres especiais...</translation>
    </message>
    <message>
        <source>Return to Manager Screen</source>
        <translation>Voltar à Área do Professor</translation>
    </message>
    <message>
        <source>Total words in this list: %1</source>
        <translation>Total de palavras na lista: %1</translation>
    </message>
    <message>
        <source>Word Number: %1</source>
        <translation>Palavra número: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to save this list?</source>
        <translation>Tem certeza de que quer salvar esta lista?</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Salvar?</translation>
    </message>
    <message>
        <source>Another computer saved a list named &quot;%1&quot; while you were typing this one.

Save your list as &quot;%2&quot; instead?</source>
        <translation>Outro computador salvou uma lista chamada &quot;%1&quot; enquanto você digitava esta.

Salvar a sua lista como &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>Hey!</source>
        <translation>Ei!</translation>
    </message>
    <message>
        <source>%1

The list was not saved and the word list file is unchanged. Your words are still here.</source>
        <translation>%1

A lista não foi salva e o arquivo de listas não foi alterado. Suas palavras continuam aqui.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Erro ao salvar</translation>
    </message>
    <message>
        <source>The list &quot;%1&quot; has not been saved yet. Save it before closing?</source>
        <translation>A lista &quot;%1&quot; ainda não foi salva. Salvar antes de fechar?</translation>
    </message>
</context>
<context>
    <name>Manager</name>
    <message>
        <source>Lingo-Spark Teacher Management</source>
        <translation>Área do Professor do Lingo-Spark</translation>
    </message>
    <message>
        <source>Lingo-SPARK Teacher Management</source>
        <translation>Área do Professor do Lingo-SPARK</translation>
    </message>
    <message>
        <source>Create New Word List</source>
        <translation>Criar nova lista</translation>
    </message>
    <message>
        <source>View / Edit Word List</source>
        <translation>Ver / editar lista</translation>
    </message>
    <message>
        <source>Delete Word List</source>
        <translation>Excluir lista</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Alterar senha</translation>
    </message>
    <message>
        <source>Sound Options</source>
        <translation>Opções de som</translation>
    </message>
    <message>
        <source>Quit List Management</source>
        <translation>Sair da Área do Professor</translation>
    </message>
    <message>
        <source>Exit List Management</source>
        <translation>Sair da Área do Professor</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Import a List...</source>
        <translation>Importar lista...</translation>
    </message>
    <message>
        <source>Export a List...</source>
        <translation>Exportar lista...</translation>
    </message>
    <message>
        <source>Print a List...</source>
        <translation>Imprimir lista...</translation>
    </message>
    <message>
        <source>Languages of a List...</source>
        <translation>Idiomas de uma lista...</translation>
    </message>
    <message>
        <source>Class Progress...</source>
        <translation>Progresso da turma...</translation>
    </message>
    <message>
        <source>Speech for Pupils...</source>
        <translation>Fala para os alunos...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Save over it</source>
        <translation>Substituir</translation>
    </message>
</context>
<context>
    <name>MyProgress</name>
    <message>
        <source>My Progress</source>
        <translation>Meu progresso</translation>
    </message>
    <message>
        <source>Choose a Word List:</source>
        <translation>Escolha uma lista:</translation>
    </message>
    <message>
        <source>Practise My Hard Words</source>
        <translation>Praticar as difíceis</translation>
    </message>
    <message>
        <source>Start Again</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <translation>Revisar hoje: %1</translation>
    </message>
    <message>
        <source>Never practised: %1</source>
        <translation>Nunca praticadas: %1</translation>
    </message>
    <message>
        <source>Start &quot;%1&quot; again? Every word of it will count as never practised.</source>
        <translation>Recomeçar &quot;%1&quot;? Todas as palavras dela vão contar como nunca praticadas.</translation>
    </message>
</context>
<context>
    <name>OutcomeTexts</name>
    <message>
        <source>The word was</source>
        <translation>A palavra era</translation>
    </message>
    <message>
        <source>which means:</source>
        <translation>que significa:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>PasswordForm</name>
    <message>
        <source>Management Password</source>
        <translation>Senha da Área do Professor</translation>
    </message>
    <message>
        <source>Please enter the password to access Teacher Management</source>
        <translation>Digite a senha para entrar na Área do Professor</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
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
        <source>%1

The Teacher Management password is kept there, so Teacher Management cannot be opened until the file can be read.</source>
        <translation>%1

A senha da Área do Professor fica guardada nesse arquivo, por isso a Área do Professor só poderá ser aberta quando o arquivo puder ser lido.</translation>
    </message>
    <message>
        <source>The default password for Teacher Management is OPENDOOR. If you plan to use this on a computer available to students, you should change the password to keep the files secure.</source>
        <translation>A senha padrão da Área do Professor é OPENDOOR. Se você for usar o programa em um computador que os alunos usam, mude a senha para proteger os arquivos.</translation>
    </message>
    <message>
        <source>Password Alert</source>
        <translation>Aviso de senha</translation>
    </message>
    <message>
        <source>No Teacher Management password is set: the first line of
%1
is empty. Write a password on that line to open Teacher Management.</source>
        <translation>Nenhuma senha da Área do Professor está definida: a primeira linha de
%1
está vazia. Escreva uma senha nessa linha para abrir a Área do Professor.</translation>
    </message>
    <message>
        <source>%1

The lists can still be viewed here; every change would be refused.</source>
        <translation>%1

As listas ainda podem ser vistas aqui, mas nenhuma alteração será aceita.</translation>
    </message>
    <message>
        <source>Lists and Settings Cannot Be Changed</source>
        <translation>Listas e configurações não podem ser alteradas</translation>
    </message>
</context>
<context>
    <name>PrintList</name>
    <message>
        <source>Print a List</source>
        <translation>Imprimir lista</translation>
    </message>
    <message>
        <source>Choose the list to print as a worksheet:</source>
        <translation>Escolha a lista da folha de exercícios:</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Leave empty for a test</source>
        <translation>Em branco para um teste</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>The meanings</source>
        <translation>Os significados</translation>
    </message>
    <message>
        <source>The words</source>
        <translation>As palavras</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Salvar como PDF...</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salvar como PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The worksheet of &quot;%1&quot; was saved as %2.</source>
        <translation>A folha de exercícios de &quot;%1&quot; foi salva como %2.</translation>
    </message>
</context>
<context>
    <name>ProgressFiles</name>
    <message>
        <source>%1 is not a progress file this version can read; it was set aside as %2 and progress starts again.</source>
        <translation>%1 não é um arquivo de progresso que esta versão consegue ler; ele foi guardado à parte como %2 e o progresso recomeça do zero.</translation>
    </message>
    <message>
        <source>%1 could not be read; it was set aside as %2 and progress starts again.</source>
        <translation>%1 não pôde ser lido; ele foi guardado à parte como %2 e o progresso recomeça do zero.</translation>
    </message>
    <message>
        <source>%1 could not be read or set aside; progress is not saved this time.</source>
        <translation>%1 não pôde ser lido nem guardado à parte; desta vez o progresso não será salvo.</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
</context>
<context>
    <name>ProgressVerb</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>não foi possível ler as listas de palavras em %1</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>não existe uma lista chamada &quot;%1&quot;</translation>
    </message>
    <message>
        <source>lingo-spark: skipped %1: %2</source>
        <translation>lingo-spark: %1 ignorado: %2</translation>
    </message>
    <message>
        <source>Print what the class&apos;s progress files in the data folder&apos;s progress/ say, per list (or LIST alone): each pupil&apos;s right and wrong answers, the ten most-missed pairs.</source>
        <translation>Mostrar o que dizem os arquivos de progresso da turma na pasta progress/ da pasta de dados, por lista (ou só LIST): os acertos e erros de cada aluno e os dez pares mais errados.</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Lingo-Spark Vocabulary Quiz</source>
        <translation>Teste de vocabulário do Lingo-Spark</translation>
    </message>
    <message>
        <source>Directions:</source>
        <translation>Instruções:</translation>
    </message>
    <message>
        <source>The Question</source>
        <translation>A pergunta</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Próxima pergunta</translation>
    </message>
    <message>
        <source>Questions Remaining:</source>
        <translation>Perguntas restantes:</translation>
    </message>
    <message>
        <source>Total Correct:</source>
        <translation>Acertos:</translation>
    </message>
    <message>
        <source>Total Wrong:</source>
        <translation>Erros:</translation>
    </message>
    <message>
        <source>Back to Quiz Options</source>
        <translation>Voltar às opções do teste</translation>
    </message>
    <message>
        <source>Directions:  Mark the definition that BEST matches the word.</source>
        <translation>Instruções:  marque o significado que MELHOR combina com a palavra.</translation>
    </message>
    <message>
        <source>Directions:  Mark the word that BEST matches the definition.</source>
        <translation>Instruções:  marque a palavra que MELHOR combina com o significado.</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Certo!</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Errado</translation>
    </message>
</context>
<context>
    <name>QuizOptions</name>
    <message>
        <source>Lingo-Spark Quiz</source>
        <translation>Teste do Lingo-Spark</translation>
    </message>
    <message>
        <source>Lingo-Spark Vocabulary Quiz</source>
        <translation>Teste de vocabulário do Lingo-Spark</translation>
    </message>
    <message>
        <source>Choose a list:</source>
        <translation>Escolha uma lista:</translation>
    </message>
    <message>
        <source>How many questions?</source>
        <translation>Quantas perguntas?</translation>
    </message>
    <message>
        <source>What type of questions?</source>
        <translation>Que tipo de perguntas?</translation>
    </message>
    <message>
        <source>Quiz me on Words</source>
        <translation>Teste de palavras</translation>
    </message>
    <message>
        <source>Quiz me on Meanings</source>
        <translation>Teste de significados</translation>
    </message>
    <message>
        <source>Quiz me on Words and Meanings</source>
        <translation>Teste de palavras e significados</translation>
    </message>
    <message>
        <source>Begin!</source>
        <translation>Começar!</translation>
    </message>
    <message>
        <source>Return to Main Screen</source>
        <translation>Voltar à tela inicial</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>could not save progress to %1: %2</source>
        <translation>não foi possível salvar o progresso em %1: %2</translation>
    </message>
</context>
<context>
    <name>Scramble</name>
    <message>
        <source>Scramble!</source>
        <translation>Letras Embaralhadas!</translation>
    </message>
    <message>
        <source>Unscramble this word:</source>
        <translation>Desembaralhe esta palavra:</translation>
    </message>
    <message>
        <source>Your Guess:</source>
        <translation>Seu palpite:</translation>
    </message>
    <message>
        <source>Submit Guess</source>
        <translation>Responder</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Desistir</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
</context>
<context>
    <name>ScrambleLose</name>
    <message>
        <source>Sorry...</source>
        <translation>Que pena...</translation>
    </message>
</context>
<context>
    <name>ScrambleOutcome</name>
    <message>
        <source>Would you like to try another?</source>
        <translation>Quer tentar outra?</translation>
    </message>
</context>
<context>
    <name>ScrambleWin</name>
    <message>
        <source>Yes!</source>
        <translation>Isso!</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Certo!</translation>
    </message>
    <message>
        <source>You guessed correctly in %1 seconds.</source>
        <translation>Você acertou em %1 segundos.</translation>
    </message>
</context>
<context>
    <name>ScreenSpeech</name>
    <message>
        <source>Speak &amp;Automatically</source>
        <translation>Falar &amp;automaticamente</translation>
    </message>
    <message>
        <source>no language set for this list</source>
        <translation>esta lista não tem idioma definido</translation>
    </message>
    <message>
        <source>no voice for %1 on this computer</source>
        <translation>sem voz para %1 neste computador</translation>
    </message>
    <message>
        <source>speech cannot start on this computer</source>
        <translation>a fala não pode iniciar neste computador</translation>
    </message>
    <message>
        <source>no sound device</source>
        <translation>sem saída de som</translation>
    </message>
    <message>
        <source>&amp;Say It</source>
        <translation>&amp;Falar</translation>
    </message>
    <message>
        <source>&amp;Say It (%1)</source>
        <translation>&amp;Falar (%1)</translation>
    </message>
</context>
<context>
    <name>SoundOptions</name>
    <message>
        <source>Sound Options</source>
        <translation>Opções de som</translation>
    </message>
    <message>
        <source>Choose the default sound setting</source>
        <translation>Escolha a configuração padrão do som</translation>
    </message>
    <message>
        <source>Sound is  ON  by default. (Best for stand-alone computers)</source>
        <translation>Som  LIGADO  por padrão. (Melhor para computadores sem rede)</translation>
    </message>
    <message>
        <source>Sound is  OFF  by default. (Best for running over networks)</source>
        <translation>Som  DESLIGADO  por padrão. (Melhor para uso em rede)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1

The sound setting was not saved.</source>
        <translation>%1

A configuração de som não foi salva.</translation>
    </message>
</context>
<context>
    <name>SoundSwitch</name>
    <message>
        <source>&amp;Sound Effects-- Off</source>
        <translation>&amp;Sons-- Desligados</translation>
    </message>
    <message>
        <source>&amp;Sound Effects-- On</source>
        <translation>&amp;Sons-- Ligados</translation>
    </message>
</context>
<context>
    <name>SpeechForPupils</name>
    <message>
        <source>Speech for Pupils</source>
        <translation>Fala para os alunos</translation>
    </message>
    <message>
        <source>When a word appears</source>
        <translation>Quando uma palavra aparece</translation>
    </message>
    <message>
        <source>Speak words automatically</source>
        <translation>Falar palavras automaticamente</translation>
    </message>
    <message>
        <source>Speak only when asked</source>
        <translation>Falar só a pedido</translation>
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
        <source>%1

The speech setting was not saved.</source>
        <translation>%1

A configuração de fala não foi salva.</translation>
    </message>
</context>
<context>
    <name>SureForm</name>
    <message>
        <source>Are you sure?</source>
        <translation>Tem certeza?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit without saving this list?</source>
        <translation>Tem certeza de que quer sair sem salvar esta lista?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: the disk may be full.</source>
        <translation>Não foi possível gravar %1: o disco pode estar cheio.</translation>
    </message>
</context>
<context>
    <name>UnreadFile</name>
    <message>
        <source>The file
%1
could not be read. Check that it exists and can be read.</source>
        <translation>O arquivo
%1
não pôde ser lido. Verifique se ele existe e se pode ser lido.</translation>
    </message>
    <message>
        <source>%1

Nothing can be changed on this screen; close it and open it again once the file can be read.</source>
        <translation>%1

Nada pode ser alterado nesta tela; feche-a e abra-a de novo quando o arquivo puder ser lido.</translation>
    </message>
    <message>
        <source>The file
%1
could not be read when this screen opened, so nothing was saved. Close this screen and open it again.</source>
        <translation>O arquivo
%1
não pôde ser lido quando esta tela abriu, por isso nada foi salvo. Feche esta tela e abra-a de novo.</translation>
    </message>
</context>
<context>
    <name>WordPair</name>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Word</source>
        <translation>Palavra</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Não foi possível gravar %1.</translation>
    </message>
</context>
<context>
    <name>Zap</name>
    <message>
        <source>Word Zap</source>
        <translation>Word Zap</translation>
    </message>
    <message>
        <source>Time: 000</source>
        <translation>Tempo: 000</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Pontos:</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Alvo %1</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Alvo</translation>
    </message>
    <message>
        <source> Ready? Shoot Here to Start</source>
        <translation> Pronto? Atire aqui!</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Perdeu</translation>
    </message>
    <message>
        <source>Definition:</source>
        <translation>Significado:</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Score:  0000</source>
        <translation>Pontos:  0000</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <translation>Tempo:  %1</translation>
    </message>
    <message>
        <source>You need a list with at least two different words to play Word Zap!</source>
        <translation>Você precisa de uma lista com pelo menos duas palavras diferentes para jogar Word Zap!</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Pontos: %1</translation>
    </message>
    <message>
        <source>Time Is Up!</source>
        <translation>Acabou o tempo!</translation>
    </message>
    <message>
        <source>Time up!</source>
        <translation>Tempo esgotado!</translation>
    </message>
    <message>
        <source>Great Shot!</source>
        <translation>Belo tiro!</translation>
    </message>
    <message>
        <source>You missed! The correct answer was  --%1--</source>
        <translation>Você errou! A resposta certa era  --%1--</translation>
    </message>
    <message>
        <source>You shot the wrong word! The correct answer was  --%1--</source>
        <translation>Você acertou a palavra errada! A resposta certa era  --%1--</translation>
    </message>
</context>
<context>
    <name>ZapDone</name>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Troféu</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Mandou bem!</translation>
    </message>
    <message>
        <source>You Scored 000 Points!</source>
        <translation>Você fez 000 pontos!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Jogar de novo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>You scored %1 points!</source>
        <translation>Você fez %1 pontos!</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>Ops!</translation>
    </message>
    <message>
        <source>Not too bad...</source>
        <translation>Nada mal...</translation>
    </message>
    <message>
        <source>Good Job!</source>
        <translation>Bom trabalho!</translation>
    </message>
    <message>
        <source>Great Work!</source>
        <translation>Excelente!</translation>
    </message>
    <message>
        <source>FANTASTIC!!!!</source>
        <translation>FANTÁSTICO!!!!</translation>
    </message>
</context>
<context>
    <name>ZapOptions</name>
    <message>
        <source>Word Zap! Options</source>
        <translation>Opções do Word Zap!</translation>
    </message>
    <message>
        <source>Word ZAP!</source>
        <translation>Word ZAP!</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Regras:</translation>
    </message>
    <message>
        <source>A definition will appear at the bottom of the screen. You must shoot only the word that matches the definition. Each correct shot will earn you 50 points. Each wrong shot will take away 50 points.</source>
        <translation>Um significado vai aparecer na parte de baixo da tela. Você deve atirar só na palavra que combina com o significado. Cada tiro certo vale 50 pontos. Cada tiro errado tira 50 pontos.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Impossível</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Som ligado</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Som desligado</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>Começar!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>You need a list with at least two different words to play Word Zap!</source>
        <translation>Você precisa de uma lista com pelo menos duas palavras diferentes para jogar Word Zap!</translation>
    </message>
</context>
<context>
    <name>frmTitle</name>
    <message>
        <source>Vocabulary Flash Cards</source>
        <translation>Cartões de vocabulário</translation>
    </message>
    <message>
        <source>Choose a Word List:</source>
        <translation>Escolha uma lista:</translation>
    </message>
    <message>
        <source>What&apos;s on the Cards?</source>
        <translation>O que há nos cartões?</translation>
    </message>
    <message>
        <source>Card Order</source>
        <translation>Ordem dos cartões</translation>
    </message>
    <message>
        <source>Show me the words and I&apos;ll guess the meaning</source>
        <translation>Mostre a palavra e eu adivinho o significado</translation>
    </message>
    <message>
        <source>Show me the meaning and let me guess the word</source>
        <translation>Mostre o significado e eu adivinho a palavra</translation>
    </message>
    <message>
        <source>Alphabetical</source>
        <translation>Alfabética</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatória</translation>
    </message>
    <message>
        <source>Alphabetical, starting with the letter...</source>
        <translation>Alfabética, a partir da letra...</translation>
    </message>
    <message>
        <source>Starting letter</source>
        <translation>Letra inicial</translation>
    </message>
    <message>
        <source>Click Here to Begin</source>
        <translation>Clique para começar</translation>
    </message>
    <message>
        <source>My Hard Words Only</source>
        <translation>Só as palavras difíceis</translation>
    </message>
    <message>
        <source>You need to choose a starting letter!</source>
        <translation>Você precisa escolher uma letra inicial!</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>Perfect Score!!!</source>
        <translation>Pontuação perfeita!!!</translation>
    </message>
    <message>
        <source>Good job!</source>
        <translation>Bom trabalho!</translation>
    </message>
    <message>
        <source>Looks like you could use a little more work.</source>
        <translation>Parece que você precisa praticar um pouco mais.</translation>
    </message>
    <message>
        <source>Oops! Keep studying!!</source>
        <translation>Ops! Continue estudando!!</translation>
    </message>
    <message>
        <source>Quiz Results</source>
        <translation>Resultado do teste</translation>
    </message>
    <message>
        <source>You got (blank) out of (blank) correct.</source>
        <translation>Você acertou (em branco) de (em branco).</translation>
    </message>
    <message>
        <source>This gives you a score of (blank)%</source>
        <translation>Isso dá uma pontuação de (em branco)%</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You got %1 correct out of %2!</source>
        <translation>Você acertou %1 de %2!</translation>
    </message>
    <message>
        <source>This gives you a score of %1%.</source>
        <translation>Isso dá uma pontuação de %1%.</translation>
    </message>
</context>
<context>
    <name>youwin</name>
    <message>
        <source>You Win!</source>
        <translation>Você ganhou!</translation>
    </message>
</context>
</TS>
