<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutForm</name>
    <message>
        <source>About Lingo-Spark</source>
        <translation>Info su Lingo-Spark</translation>
    </message>
    <message>
        <source>Version 1.6</source>
        <translation>Versione 1.6</translation>
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
        <translation>Aggiungi una parola alla lista</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Parola:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Significato:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significato</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Foreign Characters...</source>
        <translation>Caratteri speciali...</translation>
    </message>
</context>
<context>
    <name>BoxChart</name>
    <message>
        <source>Choose a word list to see its words in their boxes.</source>
        <translation>Scegli una lista per vedere in quale scatola è ogni parola.</translation>
    </message>
    <message>
        <source>Words in each box</source>
        <translation>Parole per scatola</translation>
    </message>
    <message>
        <source>Box %1</source>
        <translation>Scatola %1</translation>
    </message>
    <message numerus="yes">
        <source>Box %1: %n word(s)</source>
        <translation>
            <numerusform>Scatola %1: %n parola</numerusform>
            <numerusform>Scatola %1: %n parole</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>box %1: %n word(s)</source>
        <translation>
            <numerusform>scatola %1: %n parola</numerusform>
            <numerusform>scatola %1: %n parole</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChangeListName</name>
    <message>
        <source>Change List Name</source>
        <translation>Rinomina lista</translation>
    </message>
    <message>
        <source>List name</source>
        <translation>Nome lista</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ChangePassword</name>
    <message>
        <source>Change Teacher Management Password</source>
        <translation>Cambia la password dell&apos;Area insegnanti</translation>
    </message>
    <message>
        <source>Old Password:</source>
        <translation>Password attuale:</translation>
    </message>
    <message>
        <source>New Password:</source>
        <translation>Nuova password:</translation>
    </message>
    <message>
        <source>Confirm New Password:</source>
        <translation>Conferma nuova password:</translation>
    </message>
    <message>
        <source>Password Change Successful!</source>
        <translation>Password cambiata!</translation>
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
        <source>%1

The password was not changed.</source>
        <translation>%1

La password non è stata cambiata.</translation>
    </message>
    <message>
        <source>The new password has a character that cannot be stored. Please use other characters.</source>
        <translation>La nuova password contiene un carattere che non si può salvare. Usare altri caratteri.</translation>
    </message>
</context>
<context>
    <name>ChooseAList</name>
    <message>
        <source>Hey!</source>
        <translation>Ehi!</translation>
    </message>
    <message>
        <source>You need to choose a list!</source>
        <translation>Devi scegliere una lista!</translation>
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
        <translation>Alunno</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Sbagliate</translation>
    </message>
    <message>
        <source>Share right</source>
        <translation>% giuste</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significato</translation>
    </message>
    <message>
        <source>Pupils who missed it</source>
        <translation>Alunni che hanno sbagliato</translation>
    </message>
    <message>
        <source>Class Progress</source>
        <translation>Progressi della classe</translation>
    </message>
    <message>
        <source>Choose a list to see how the class does with it.</source>
        <translation>Scegliere una lista per vedere i risultati della classe.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Pupils who practised it:</source>
        <translation>Alunni che l&apos;hanno ripassata:</translation>
    </message>
    <message>
        <source>Pupils who practised the list</source>
        <translation>Alunni che hanno ripassato la lista</translation>
    </message>
    <message>
        <source>Pairs the class missed most:</source>
        <translation>Coppie più sbagliate dalla classe:</translation>
    </message>
    <message>
        <source>Pairs the class missed most</source>
        <translation>Coppie più sbagliate dalla classe</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Esporta...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>the word lists could not be read</source>
        <translation>impossibile leggere le liste di parole</translation>
    </message>
    <message>
        <source>Skipped: %1.</source>
        <translation>File saltati: %1.</translation>
    </message>
    <message>
        <source>No pupil has practised &quot;%1&quot; yet.</source>
        <translation>Nessun alunno ha ancora ripassato “%1”.</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV per fogli di calcolo (*.csv)</translation>
    </message>
    <message>
        <source>The class&apos;s progress with &quot;%1&quot; was written to %2.</source>
        <translation>I progressi della classe su “%1” sono stati salvati in %2.</translation>
    </message>
    <message>
        <source>Class progress: %1</source>
        <translation>Progressi della classe: %1</translation>
    </message>
    <message numerus="yes">
        <source>The progress of %n pupil(s) was read.</source>
        <translation>
            <numerusform>Letti i progressi di %n alunno.</numerusform>
            <numerusform>Letti i progressi di %n alunni.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pupil(s) practised &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n alunno ha ripassato “%1”.</numerusform>
            <numerusform>%n alunni hanno ripassato “%1”.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>no account of that name on this computer</source>
        <translation>nessun account con questo nome su questo computer</translation>
    </message>
    <message>
        <source>cannot be looked at</source>
        <translation>non si può aprire</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>owned by %1, not by %2</source>
        <translation>appartiene a %1, non a %2</translation>
    </message>
    <message>
        <source>there is no class progress folder %1</source>
        <translation>la cartella dei progressi %1 non esiste</translation>
    </message>
    <message>
        <source>this account cannot list the class progress folder %1</source>
        <translation>questo account non può leggere il contenuto della cartella dei progressi della classe %1</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>non si può leggere</translation>
    </message>
    <message>
        <source>not a progress file this version can read</source>
        <translation>non è un file di progressi leggibile da questa versione</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the program in &lt;code&gt;: %1.</source>
        <translation>Mostra il programma nella lingua &lt;code&gt;: %1.</translation>
    </message>
    <message>
        <source>Language of the program, the first of:
  1. --language &lt;code&gt;
  2. a line Language=&lt;code&gt; in lingo-spark/lingo-spark.conf, looked for as above
  3. the user&apos;s languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. English
Languages: %1. A language the program does not have is passed over for the next one.
</source>
        <translation>Lingua del programma, la prima tra:
  1. --language &lt;code&gt;
  2. una riga Language=&lt;code&gt; in lingo-spark/lingo-spark.conf, cercata come sopra
  3. le lingue dell&apos;utente (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. inglese
Lingue: %1. Una lingua che il programma non ha viene saltata e si passa alla successiva.
</translation>
    </message>
    <message>
        <source>--language needs a language code, such as &quot;de&quot;</source>
        <translation>--language richiede un codice di lingua, per esempio &quot;it&quot;</translation>
    </message>
    <message>
        <source>%1: %2
Try &quot;%1 --help&quot;.
</source>
        <translation>%1: %2
Provare &quot;%1 --help&quot;.
</translation>
    </message>
    <message>
        <source>Use the word lists and settings in &lt;folder&gt;.</source>
        <translation>Usa le liste di parole e le impostazioni in &lt;folder&gt;.</translation>
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
        <translation>Cartella dei dati (le liste di parole thelists.dat e le impostazioni lsdata.dat), la prima tra:
  1. --data &lt;folder&gt;
  2. la variabile d&apos;ambiente LINGO_SPARK_DATA
  3. una riga DataFolder=&lt;folder&gt; in lingo-spark/lingo-spark.conf, cercata in
     %1 (prima le impostazioni dell&apos;utente, poi quelle del computer)
  4. %2, creata e riempita con le liste fornite la prima volta
Una cartella indicata da 1 a 3 deve già contenere entrambi i file: non viene mai creata né riempita,
e il programma termina con un messaggio che indica la cartella e il file mancante.
</translation>
    </message>
    <message>
        <source>, then </source>
        <translation>, poi </translation>
    </message>
    <message>
        <source>Commands (they need no display; &quot;%1 &lt;command&gt; --help&quot; for one):
</source>
        <translation>Comandi (non richiedono uno schermo; &quot;%1 &lt;command&gt; --help&quot; per l&apos;aiuto di uno):
</translation>
    </message>
    <message>
        <source>usage: %1 %2 %3</source>
        <translation>uso: %1 %2 %3</translation>
    </message>
    <message>
        <source>--data needs a folder</source>
        <translation>--data richiede una cartella</translation>
    </message>
    <message>
        <source>Lingo-Spark: vocabulary flash cards, quizzes and games for schools.
Without a command it opens the main menu.</source>
        <translation>Lingo-Spark: schede, quiz e giochi per imparare i vocaboli a scuola.
Senza un comando apre il menu principale.</translation>
    </message>
    <message>
        <source>One of the commands below.</source>
        <translation>Uno dei comandi qui sotto.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando sconosciuto &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session.
</source>
        <translation>%1: nessuno schermo su cui aprire la finestra (né DISPLAY né WAYLAND_DISPLAY è impostata); avviare il programma da una sessione grafica.
</translation>
    </message>
</context>
<context>
    <name>CommonMenus</name>
    <message>
        <source>Go</source>
        <translation>Vai</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>My Words</source>
        <translation>Le mie parole</translation>
    </message>
    <message>
        <source>Back to Main Screen</source>
        <translation>Torna al menu principale</translation>
    </message>
    <message>
        <source>Back to Games Options</source>
        <translation>Torna ai giochi</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>About This Program</source>
        <translation>Info sul programma</translation>
    </message>
    <message>
        <source>About this Program</source>
        <translation>Info sul programma</translation>
    </message>
</context>
<context>
    <name>Concentration</name>
    <message>
        <source>Concentration</source>
        <translation>Trova le coppie</translation>
    </message>
    <message>
        <source>Directions: Click on a card to flip it. Match each word with its correct definition.</source>
        <translation>Istruzioni: clicca su una carta per girarla. Abbina ogni parola al suo significato giusto.</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Carta %1</translation>
    </message>
    <message>
        <source>Tries: 0</source>
        <translation>Tentativi: 0</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation>Sfinge</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Complimenti!</translation>
    </message>
    <message>
        <source>You must have at least 8 words on a list to play Concentration!</source>
        <translation>Per giocare a Trova le coppie ti serve una lista con almeno 8 parole!</translation>
    </message>
    <message>
        <source>Tries: %1</source>
        <translation>Tentativi: %1</translation>
    </message>
    <message>
        <source>Try Again...</source>
        <translation>Riprova...</translation>
    </message>
    <message>
        <source>Match!</source>
        <translation>Coppia!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Hai vinto!</translation>
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
        <translation>Crea una nuova lista di parole</translation>
    </message>
    <message>
        <source>Type in the Name of your New List</source>
        <translation>Scrivere il nome della nuova lista</translation>
    </message>
    <message>
        <source>Name of the new list</source>
        <translation>Nome della nuova lista</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>(set by %1)
</source>
        <translation>(impostata da %1)
</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the data folder
%1
%2does not exist.

If it is on a shared drive, check that the drive is connected.</source>
        <translation>Lingo-Spark non può partire: la cartella dei dati
%1
%2non esiste.

Se si trova su un disco condiviso, controllare che il disco sia collegato.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the data folder
%1
%2cannot be read from this account.</source>
        <translation>Lingo-Spark non può partire: la cartella dei dati
%1
%2non è leggibile da questo account.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the file &quot;%1&quot; is missing or cannot be read in the data folder
%2
%3
If the folder is on a shared drive, check that the drive is connected; otherwise copy the file there again.</source>
        <translation>Lingo-Spark non può partire: il file “%1” manca o non si può leggere nella cartella dei dati
%2
%3
Se la cartella si trova su un disco condiviso, controllare che il disco sia collegato; altrimenti copiare di nuovo il file nella cartella.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: it cannot create its data folder
%1</source>
        <translation>Lingo-Spark non può partire: non riesce a creare la sua cartella dei dati
%1</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: it cannot copy &quot;%1&quot; from
%2
into its data folder
%3</source>
        <translation>Lingo-Spark non può partire: non riesce a copiare “%1” da
%2
nella sua cartella dei dati
%3</translation>
    </message>
</context>
<context>
    <name>DataUpdate</name>
    <message>
        <source>The word lists and settings in the folder %1 cannot be changed from this account.</source>
        <translation>Le liste di parole e le impostazioni nella cartella %1 non si possono modificare da questo account.</translation>
    </message>
    <message>
        <source>%1

Nothing was saved.</source>
        <translation>%1

Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Another computer is saving %1 just now.

Please try again in a moment.</source>
        <translation>Un altro computer sta salvando %1 proprio ora.

Riprovare tra un momento.</translation>
    </message>
    <message>
        <source>Could not save %1: the folder %2 cannot lock files, so saves from several computers could overwrite each other.

Nothing was saved.</source>
        <translation>Impossibile salvare %1: la cartella %2 non può bloccare i file, quindi i salvataggi da più computer potrebbero sovrascriversi a vicenda.

Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Could not save %1: the folder %2 cannot be reached.</source>
        <translation>Impossibile salvare %1: la cartella %2 non è raggiungibile.</translation>
    </message>
    <message>
        <source>Could not read %1.

Nothing was saved.</source>
        <translation>Impossibile leggere %1.

Non è stato salvato nulla.</translation>
    </message>
</context>
<context>
    <name>DeletWordSure</name>
    <message>
        <source>Confirm Word Delete</source>
        <translation>Conferma eliminazione</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the word &apos;%1&apos; from this list?</source>
        <translation>Eliminare davvero la parola “%1” da questa lista?</translation>
    </message>
</context>
<context>
    <name>DeleteList</name>
    <message>
        <source>This list was already deleted on another computer.</source>
        <translation>Questa lista è già stata eliminata su un altro computer.</translation>
    </message>
    <message>
        <source>This list was changed on another computer. Delete it anyway?</source>
        <translation>Questa lista è stata modificata su un altro computer. Eliminarla comunque?</translation>
    </message>
    <message>
        <source>Delete A List</source>
        <translation>Elimina una lista</translation>
    </message>
    <message>
        <source>To Delete A List:</source>
        <translation>Per eliminare una lista:</translation>
    </message>
    <message>
        <source>Choose the List Name in the Box Below and Click the &quot;Delete&quot; Button.</source>
        <translation>Scegliere la lista qui sotto e fare clic su “Elimina”.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Are you sure you want to permenantly delete this list?</source>
        <translation>Eliminare definitivamente questa lista?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The list was deleted, but its languages could not be removed.

%1</source>
        <translation>La lista è stata eliminata, ma non è stato possibile rimuovere le sue lingue.

%1</translation>
    </message>
    <message>
        <source>%1

The list was not deleted.</source>
        <translation>%1

La lista non è stata eliminata.</translation>
    </message>
</context>
<context>
    <name>EditChooseList</name>
    <message>
        <source>View/Edit Vocabulary List</source>
        <translation>Vedi/modifica lista di parole</translation>
    </message>
    <message>
        <source>Choose a List to View or Edit</source>
        <translation>Scegliere la lista da aprire</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>EditList</name>
    <message>
        <source>View/Edit List</source>
        <translation>Vedi/modifica lista</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significato</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Change List Name</source>
        <translation>Rinomina lista</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Back To List Management</source>
        <translation>Torna all&apos;Area insegnanti</translation>
    </message>
    <message>
        <source>Total Words In This List: %1</source>
        <translation>Parole in questa lista: %1</translation>
    </message>
    <message>
        <source>%1

Please change the list&apos;s name before saving.</source>
        <translation>%1

Cambiare il nome della lista prima di salvare.</translation>
    </message>
    <message>
        <source>%1

Please edit the selected word before saving.</source>
        <translation>%1

Modificare la parola selezionata prima di salvare.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>%1

The list was not saved and the word list file is unchanged. Your changes are still here.</source>
        <translation>%1

La lista non è stata salvata e il file delle liste non è cambiato. Le modifiche sono ancora qui.</translation>
    </message>
    <message>
        <source>The changes to the list &quot;%1&quot; have not been saved. Save them before closing?</source>
        <translation>Le modifiche alla lista “%1” non sono state salvate. Salvarle prima di chiudere?</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Salvare?</translation>
    </message>
    <message>
        <source>The changes to the list &quot;%1&quot; have not been saved. Save them before leaving?</source>
        <translation>Le modifiche alla lista “%1” non sono state salvate. Salvarle prima di uscire?</translation>
    </message>
    <message>
        <source>This list was changed on another computer since you opened it.</source>
        <translation>Questa lista è stata modificata su un altro computer dopo che è stata aperta qui.</translation>
    </message>
    <message>
        <source>A list name must fit on one line. Please remove the line break.</source>
        <translation>Il nome di una lista deve stare su una sola riga. Togliere l&apos;a capo.</translation>
    </message>
    <message>
        <source>A word or meaning must fit on one line. Please remove the line break.</source>
        <translation>Una parola o un significato deve stare su una sola riga. Togliere l&apos;a capo.</translation>
    </message>
    <message>
        <source>&quot;&lt;New List&gt;&quot; marks the start of a list in the word list file, so it cannot be used as a list name, word or meaning.</source>
        <translation>“&lt;New List&gt;” segna l&apos;inizio di una lista nel file delle liste, quindi non si può usare come nome di lista, parola o significato.</translation>
    </message>
    <message>
        <source>Please type a name for the list.</source>
        <translation>Scrivere un nome per la lista.</translation>
    </message>
    <message>
        <source>&quot;No Lists&quot; marks an empty word list file, so it cannot be the name of a list.</source>
        <translation>“No Lists” segna un file delle liste vuoto, quindi non può essere il nome di una lista.</translation>
    </message>
    <message>
        <source>A list name cannot hold a tab or another control character. Please remove it.</source>
        <translation>Il nome di una lista non può contenere una tabulazione o un altro carattere di controllo. Toglierlo.</translation>
    </message>
    <message>
        <source>A word or meaning cannot hold a tab or another control character. Please remove it.</source>
        <translation>Una parola o un significato non può contenere una tabulazione o un altro carattere di controllo. Toglierlo.</translation>
    </message>
    <message>
        <source>There is already a list named &quot;%1&quot;. Please choose another name: two lists of the same name could not both be practised.</source>
        <translation>Esiste già una lista di nome “%1”. Scegliere un altro nome: due liste con lo stesso nome non si potrebbero ripassare entrambe.</translation>
    </message>
    <message>
        <source>A list can hold at most %1 words, and this list is full.</source>
        <translation>Una lista può contenere al massimo %1 parole, e questa lista è piena.</translation>
    </message>
</context>
<context>
    <name>EditWord</name>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Parola:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Significato:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significato</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Error:</source>
        <translation>Errore:</translation>
    </message>
    <message>
        <source>The words on this list are all too long to play this game. Please try another list or another activity.</source>
        <translation>Le parole di questa lista sono tutte troppo lunghe per questo gioco. Prova un&apos;altra lista o un&apos;altra attività.</translation>
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
        <translation>Non è stato possibile leggere la lista “%1” dal file delle liste.</translation>
    </message>
</context>
<context>
    <name>ExchangeFiles</name>
    <message>
        <source>%1 is not a file that can be read.</source>
        <translation>%1 non è un file leggibile.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a word list needs.</source>
        <translation>%1 supera %2 MB, molto più di quanto serve a una lista di parole.</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: the disk may be full.</source>
        <translation>Impossibile scrivere %1: il disco potrebbe essere pieno.</translation>
    </message>
    <message>
        <source>Word lists (*.csv *.tsv *.txt *.kvtml *.xml);;All files (*)</source>
        <translation>Liste di parole (*.csv *.tsv *.txt *.kvtml *.xml);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>ExportList</name>
    <message>
        <source>Export a List</source>
        <translation>Esporta una lista</translation>
    </message>
    <message>
        <source>Choose the list to export, then click &quot;Export...&quot;. A .csv file opens in spreadsheets; a .kvtml file in vocabulary programs.</source>
        <translation>Scegliere la lista da esportare, poi fare clic su “Esporta...”. Un file .csv si apre nei fogli di calcolo; un file .kvtml nei programmi per i vocaboli.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Esporta...</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv);;KVTML vocabulary (*.kvtml)</source>
        <translation>CSV per fogli di calcolo (*.csv);;Vocabolario KVTML (*.kvtml)</translation>
    </message>
    <message>
        <source>%1

Nothing was written.</source>
        <translation>%1

Non è stato scritto nulla.</translation>
    </message>
    <message numerus="yes">
        <source>The %n word(s) of &quot;%1&quot; were written to %2.</source>
        <translation>
            <numerusform>%n parola di “%1” è stata salvata in %2.</numerusform>
            <numerusform>Le %n parole di “%1” sono state salvate in %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pair %1 (&quot;%2&quot; = &quot;%3&quot;) holds the control character U+%4, which a KVTML file cannot carry.</source>
        <translation>La coppia %1 (“%2” = “%3”) contiene il carattere di controllo U+%4, che un file KVTML non può contenere.</translation>
    </message>
    <message>
        <source>The list name holds a control character, which a KVTML file cannot carry.</source>
        <translation>Il nome della lista contiene un carattere di controllo, che un file KVTML non può contenere.</translation>
    </message>
</context>
<context>
    <name>First</name>
    <message>
        <source>Flash Cards</source>
        <translation>Schede</translation>
    </message>
    <message>
        <source>Quiz Me!</source>
        <translation>Fai il quiz!</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Giochi</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>No Lists Available!</source>
        <translation>Nessuna lista disponibile!</translation>
    </message>
    <message>
        <source>Teacher Management</source>
        <translation>Area insegnanti</translation>
    </message>
    <message>
        <source>My Progress...</source>
        <translation>I miei progressi...</translation>
    </message>
</context>
<context>
    <name>ForeignCharacters</name>
    <message>
        <source>Foreign Language Characters</source>
        <translation>Caratteri delle lingue straniere</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Add to word</source>
        <translation>Nella parola</translation>
    </message>
    <message>
        <source>Add to definition</source>
        <translation>Nel significato</translation>
    </message>
</context>
<context>
    <name>GameOption</name>
    <message>
        <source>Lingo-Spark Game Options</source>
        <translation>Giochi di Lingo-Spark</translation>
    </message>
    <message>
        <source>Lingo-Spark Games</source>
        <translation>Giochi di Lingo-Spark</translation>
    </message>
    <message>
        <source>Choose a list:</source>
        <translation>Scegli una lista:</translation>
    </message>
    <message>
        <source>Choose a Game:</source>
        <translation>Scegli un gioco:</translation>
    </message>
    <message>
        <source>Back To Main Screen</source>
        <translation>Torna al menu principale</translation>
    </message>
    <message>
        <source>You must have at least 8 words on a list to play Concentration!</source>
        <translation>Per giocare a Trova le coppie ti serve una lista con almeno 8 parole!</translation>
    </message>
    <message>
        <source>Hangman</source>
        <translation>Impiccato</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Lettere mescolate</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Trova le coppie</translation>
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
        <translation>Indizio:</translation>
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
        <translation>Impiccato!</translation>
    </message>
    <message>
        <source>Letter Guess:</source>
        <translation>La tua lettera:</translation>
    </message>
    <message>
        <source>Go &gt;</source>
        <translation>Vai &gt;</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indizio</translation>
    </message>
    <message>
        <source>Letters Already Used:</source>
        <translation>Lettere già usate:</translation>
    </message>
    <message>
        <source>You Lose!</source>
        <translation>Hai perso!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>HangmanOutcome</name>
    <message>
        <source>Do you want to play again?</source>
        <translation>Vuoi giocare ancora?</translation>
    </message>
</context>
<context>
    <name>ImportList</name>
    <message>
        <source>Read as a KVTML vocabulary of one language: each word&apos;s hint is its meaning.</source>
        <translation>Letto come vocabolario KVTML di una sola lingua: l&apos;indizio di ogni parola è il suo significato.</translation>
    </message>
    <message>
        <source>Read as a KVTML vocabulary.</source>
        <translation>Letto come vocabolario KVTML.</translation>
    </message>
    <message>
        <source>Read as &quot;word = meaning&quot; lines in %1.</source>
        <translation>Letto come righe “parola = significato” in %1.</translation>
    </message>
    <message>
        <source>Read as tab-separated text in %1.</source>
        <translation>Letto come testo separato da tabulazioni in %1.</translation>
    </message>
    <message>
        <source>Read as semicolon-separated text in %1.</source>
        <translation>Letto come testo separato da punti e virgola in %1.</translation>
    </message>
    <message>
        <source>Read as comma-separated text in %1.</source>
        <translation>Letto come testo separato da virgole in %1.</translation>
    </message>
    <message>
        <source>Import a List</source>
        <translation>Importa una lista</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Choose a File...</source>
        <translation>Scegli un file...</translation>
    </message>
    <message>
        <source>List name:</source>
        <translation>Nome lista:</translation>
    </message>
    <message>
        <source>List name</source>
        <translation>Nome lista</translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation>Prima riga di intestazione</translation>
    </message>
    <message>
        <source>First rows:</source>
        <translation>Prime righe:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significato</translation>
    </message>
    <message>
        <source>First rows</source>
        <translation>Prime righe</translation>
    </message>
    <message>
        <source>Rows that will not be taken:</source>
        <translation>Righe escluse:</translation>
    </message>
    <message>
        <source>Rows that will not be taken</source>
        <translation>Righe escluse</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1

Nothing was imported.</source>
        <translation>%1

Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Words that will be taken: %1</source>
        <translation>Parole che verranno importate: %1</translation>
    </message>
    <message>
        <source>No words can be taken from this file.</source>
        <translation>Da questo file non si può importare nessuna parola.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>

Its languages could not be saved.

%1</source>
        <translation>

Non è stato possibile salvare le sue lingue.

%1</translation>
    </message>
    <message numerus="yes">
        <source>The list &quot;%1&quot; was added with %n word(s).</source>
        <translation>
            <numerusform>La lista “%1” è stata aggiunta con %n parola.</numerusform>
            <numerusform>La lista “%1” è stata aggiunta con %n parole.</numerusform>
        </translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(nessuna)</translation>
    </message>
    <message>
        <source>Languages: %1 / %2</source>
        <translation>Lingue: %1 / %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a word list needs.</source>
        <translation>%1 supera %2 MB, molto più di quanto serve a una lista di parole.</translation>
    </message>
    <message>
        <source>%1 is not a text file (it may be a picture or a program), so it holds no word list.</source>
        <translation>%1 non è un file di testo (potrebbe essere un&apos;immagine o un programma), quindi non contiene una lista di parole.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 è vuoto.</translation>
    </message>
    <message>
        <source>%1 is an XML file but not a KVTML vocabulary.</source>
        <translation>%1 è un file XML ma non un vocabolario KVTML.</translation>
    </message>
    <message>
        <source>%1 is an old KVTML 1 vocabulary; only KVTML 2 files can be read.</source>
        <translation>%1 è un vecchio vocabolario KVTML 1; si possono leggere solo file KVTML 2.</translation>
    </message>
    <message>
        <source>%1 is not a readable XML file (line %2: %3).</source>
        <translation>%1 non è un file XML leggibile (riga %2: %3).</translation>
    </message>
    <message>
        <source>%1 holds only one language and no hints: a KVTML file needs a second translation or a hint for each word to give the meanings.</source>
        <translation>%1 contiene una sola lingua e nessun indizio: per dare i significati, un file KVTML richiede una seconda traduzione o un indizio per ogni parola.</translation>
    </message>
    <message>
        <source>%1 holds no word and meaning pairs: each line should hold a word and its meaning separated by a tab, a semicolon or a comma, or be written as word = meaning.</source>
        <translation>%1 non contiene coppie di parola e significato: ogni riga deve contenere una parola e il suo significato separati da una tabulazione, un punto e virgola o una virgola, oppure essere scritta come parola = significato.</translation>
    </message>
    <message>
        <source>a line break inside the word</source>
        <translation>un a capo dentro la parola</translation>
    </message>
    <message>
        <source>the control character %1 inside the word</source>
        <translation>il carattere di controllo %1 dentro la parola</translation>
    </message>
    <message>
        <source>a line break inside the meaning</source>
        <translation>un a capo dentro il significato</translation>
    </message>
    <message>
        <source>the control character %1 inside the meaning</source>
        <translation>il carattere di controllo %1 dentro il significato</translation>
    </message>
    <message>
        <source>the word is empty</source>
        <translation>la parola è vuota</translation>
    </message>
    <message>
        <source>the meaning is empty</source>
        <translation>il significato è vuoto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; marks the word list file&apos;s structure and cannot be a word or meaning</source>
        <translation>“%1” segna la struttura del file delle liste e non può essere una parola o un significato</translation>
    </message>
    <message>
        <source>a quote that is never closed</source>
        <translation>virgolette aperte e mai chiuse</translation>
    </message>
    <message>
        <source>no meaning: the word has no hint</source>
        <translation>manca il significato: nessun indizio</translation>
    </message>
    <message>
        <source>The file has %1 columns: the first two are taken as word and meaning.</source>
        <translation>Il file ha %1 colonne: le prime due vengono prese come parola e significato.</translation>
    </message>
    <message>
        <source>A list holds at most %1 words: the first %1 are taken and %2 more are left out.</source>
        <translation>Una lista contiene al massimo %1 parole: vengono prese le prime %1 e altre %2 vengono escluse.</translation>
    </message>
</context>
<context>
    <name>LanguagesOfAList</name>
    <message>
        <source>(not set)</source>
        <translation>(nessuna)</translation>
    </message>
    <message>
        <source>Languages of a List</source>
        <translation>Lingue di una lista</translation>
    </message>
    <message>
        <source>Choose a list, then the languages of its words and meanings.</source>
        <translation>Scegliere una lista, poi la lingua delle sue parole e dei suoi significati.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Language of the words:</source>
        <translation>Lingua delle parole:</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Lingua delle parole</translation>
    </message>
    <message>
        <source>Language of the meanings:</source>
        <translation>Lingua dei significati:</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>Lingua dei significati</translation>
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
        <source>%1

The languages were not saved.</source>
        <translation>%1

Le lingue non sono state salvate.</translation>
    </message>
</context>
<context>
    <name>LanguagesVerb</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>impossibile leggere le liste di parole in %1</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>non esiste una lista di nome &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language code this computer knows (examples: es, fr, de, en-GB)</source>
        <translation>&quot;%1&quot; non è un codice di lingua noto a questo computer (esempi: es, fr, de, en-GB)</translation>
    </message>
    <message>
        <source>Print the language codes of the list NAME&apos;s words and meanings (tab-separated, &quot;-&quot; for one not set), or set them (&quot;-&quot; unsets one).</source>
        <translation>Mostra i codici di lingua delle parole e dei significati della lista NAME (separati da tabulazione, &quot;-&quot; se non impostato), oppure li imposta (&quot;-&quot; ne toglie uno).</translation>
    </message>
    <message>
        <source>lingo-spark: give both the words&apos; and the meanings&apos; codes (&quot;-&quot; for one not set)
</source>
        <translation>lingo-spark: indicare entrambi i codici, delle parole e dei significati (&quot;-&quot; per uno non impostato)
</translation>
    </message>
</context>
<context>
    <name>ListChooser</name>
    <message>
        <source>No words of this list are due today.</source>
        <translation>Oggi non ci sono parole di questa lista da ripassare.</translation>
    </message>
    <message>
        <source>This list needs at least two different words to make a quiz. Please choose another list.</source>
        <translation>Per fare un quiz questa lista deve avere almeno due parole diverse. Scegli un&apos;altra lista.</translation>
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
        <translation>La lista è stata salvata, ma non è stato possibile trasferire le sue lingue.

%1</translation>
    </message>
</context>
<context>
    <name>ListVerbs</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>impossibile leggere le liste di parole in %1</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>%1:%2: not taken: %3</source>
        <translation>%1:%2: esclusa: %3</translation>
    </message>
    <message>
        <source>%1 holds no pair that can be taken. Nothing was imported.</source>
        <translation>%1 non contiene nessuna coppia utilizzabile. Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>%1: the list was added, but its languages could not be saved: %2</source>
        <translation>%1: la lista è stata aggiunta, ma non è stato possibile salvare le sue lingue: %2</translation>
    </message>
    <message>
        <source>%1: the file name must end in .csv or .kvtml</source>
        <translation>%1: il nome del file deve finire in .csv o .kvtml</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>non esiste una lista di nome &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Call the new list &lt;name&gt; (else the file&apos;s title or name).</source>
        <translation>Dà alla nuova lista il nome &lt;name&gt; (altrimenti il titolo o il nome del file).</translation>
    </message>
    <message>
        <source>The first row names the columns.</source>
        <translation>La prima riga contiene i nomi delle colonne.</translation>
    </message>
    <message>
        <source>The first row is a word pair, whatever it says.</source>
        <translation>La prima riga è una coppia di parole, qualunque cosa contenga.</translation>
    </message>
    <message>
        <source>Print the names of the word lists, one a line.</source>
        <translation>Mostra i nomi delle liste di parole, uno per riga.</translation>
    </message>
    <message>
        <source>Add the pairs of FILE (CSV, tab or semicolon text, &quot;word = meaning&quot; lines, KVTML 2.0) as a new list.</source>
        <translation>Aggiunge le coppie di FILE (CSV, testo separato da tabulazioni o punti e virgola, righe &quot;parola = significato&quot;, KVTML 2.0) come nuova lista.</translation>
    </message>
    <message>
        <source>lingo-spark: --header and --no-header cannot both be given
</source>
        <translation>lingo-spark: --header e --no-header non si possono indicare insieme
</translation>
    </message>
    <message>
        <source>Write the list NAME to FILE, as CSV (.csv) or KVTML (.kvtml).</source>
        <translation>Scrive la lista NAME in FILE, come CSV (.csv) o KVTML (.kvtml).</translation>
    </message>
    <message numerus="yes">
        <source>Wrote the %n word(s) of &quot;%1&quot; to %2.</source>
        <translation>
            <numerusform>Scritta %n parola di &quot;%1&quot; in %2.</numerusform>
            <numerusform>Scritte le %n parole di &quot;%1&quot; in %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added the list &quot;%1&quot; with %n word(s) from %2.</source>
        <translation>
            <numerusform>Aggiunta la lista &quot;%1&quot; con %n parola da %2.</numerusform>
            <numerusform>Aggiunta la lista &quot;%1&quot; con %n parole da %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoseForm</name>
    <message>
        <source>You Lose!</source>
        <translation>Hai perso!</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Show the Meaning</source>
        <translation>Mostra significato</translation>
    </message>
    <message>
        <source>Show the Word</source>
        <translation>Mostra parola</translation>
    </message>
    <message>
        <source>Total cards available in this set: %1</source>
        <translation>Schede disponibili: %1</translation>
    </message>
    <message>
        <source>(No words in this list start with %1!)</source>
        <translation>(Nessuna parola di questa lista comincia con %1!)</translation>
    </message>
    <message>
        <source>Vocabulary Flash Cards</source>
        <translation>Schede dei vocaboli</translation>
    </message>
    <message>
        <source>Word card</source>
        <translation>Scheda parola</translation>
    </message>
    <message>
        <source>Meaning card</source>
        <translation>Scheda significato</translation>
    </message>
    <message>
        <source>Previous Card arrow</source>
        <translation>Freccia indietro</translation>
    </message>
    <message>
        <source>Previous Card</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Next Card arrow</source>
        <translation>Freccia avanti</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Back to the Flash Card Options</source>
        <translation>Torna alle opzioni delle schede</translation>
    </message>
    <message>
        <source>That&apos;s the end of the list!</source>
        <translation>La lista è finita!</translation>
    </message>
</context>
<context>
    <name>MakeNewList</name>
    <message>
        <source>Make a New Vocabulatry List</source>
        <translation>Crea una nuova lista di parole</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>The Meaning of This Word is:</source>
        <translation>Il significato di questa parola è:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significato</translation>
    </message>
    <message>
        <source>Add This Word</source>
        <translation>Aggiungi la parola</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Foreign Characters...</source>
        <translation>Caratteri speciali...</translation>
    </message>
    <message>
        <source>Return to Manager Screen</source>
        <translation>Torna all&apos;Area insegnanti</translation>
    </message>
    <message>
        <source>Total words in this list: %1</source>
        <translation>Parole in questa lista: %1</translation>
    </message>
    <message>
        <source>Word Number: %1</source>
        <translation>Parola numero: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to save this list?</source>
        <translation>Salvare questa lista?</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Salvare?</translation>
    </message>
    <message>
        <source>Another computer saved a list named &quot;%1&quot; while you were typing this one.

Save your list as &quot;%2&quot; instead?</source>
        <translation>Un altro computer ha salvato una lista di nome “%1” mentre questa veniva scritta.

Salvare invece questa lista come “%2”?</translation>
    </message>
    <message>
        <source>Hey!</source>
        <translation>Ehi!</translation>
    </message>
    <message>
        <source>%1

The list was not saved and the word list file is unchanged. Your words are still here.</source>
        <translation>%1

La lista non è stata salvata e il file delle liste non è cambiato. Le parole sono ancora qui.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>The list &quot;%1&quot; has not been saved yet. Save it before closing?</source>
        <translation>La lista “%1” non è ancora stata salvata. Salvarla prima di chiudere?</translation>
    </message>
</context>
<context>
    <name>Manager</name>
    <message>
        <source>Lingo-Spark Teacher Management</source>
        <translation>Lingo-Spark – Area insegnanti</translation>
    </message>
    <message>
        <source>Lingo-SPARK Teacher Management</source>
        <translation>Lingo-SPARK – Area insegnanti</translation>
    </message>
    <message>
        <source>Create New Word List</source>
        <translation>Crea una nuova lista</translation>
    </message>
    <message>
        <source>View / Edit Word List</source>
        <translation>Vedi / modifica lista</translation>
    </message>
    <message>
        <source>Delete Word List</source>
        <translation>Elimina una lista</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambia password</translation>
    </message>
    <message>
        <source>Sound Options</source>
        <translation>Opzioni audio</translation>
    </message>
    <message>
        <source>Quit List Management</source>
        <translation>Chiudi Area insegnanti</translation>
    </message>
    <message>
        <source>Exit List Management</source>
        <translation>Chiudi Area insegnanti</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Import a List...</source>
        <translation>Importa una lista...</translation>
    </message>
    <message>
        <source>Export a List...</source>
        <translation>Esporta una lista...</translation>
    </message>
    <message>
        <source>Print a List...</source>
        <translation>Stampa una lista...</translation>
    </message>
    <message>
        <source>Languages of a List...</source>
        <translation>Lingue di una lista...</translation>
    </message>
    <message>
        <source>Class Progress...</source>
        <translation>Progressi della classe...</translation>
    </message>
    <message>
        <source>Speech for Pupils...</source>
        <translation>Voce per gli alunni...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Save over it</source>
        <translation>Sovrascrivi</translation>
    </message>
</context>
<context>
    <name>MyProgress</name>
    <message>
        <source>My Progress</source>
        <translation>I miei progressi</translation>
    </message>
    <message>
        <source>Choose a Word List:</source>
        <translation>Scegli una lista:</translation>
    </message>
    <message>
        <source>Practise My Hard Words</source>
        <translation>Ripassa le parole difficili</translation>
    </message>
    <message>
        <source>Start Again</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <translation>Per oggi: %1</translation>
    </message>
    <message>
        <source>Never practised: %1</source>
        <translation>Mai ripassate: %1</translation>
    </message>
    <message>
        <source>Start &quot;%1&quot; again? Every word of it will count as never practised.</source>
        <translation>Vuoi ricominciare “%1”? Ogni sua parola conterà come mai ripassata.</translation>
    </message>
</context>
<context>
    <name>OutcomeTexts</name>
    <message>
        <source>The word was</source>
        <translation>La parola era</translation>
    </message>
    <message>
        <source>which means:</source>
        <translation>che significa:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>PasswordForm</name>
    <message>
        <source>Management Password</source>
        <translation>Password insegnanti</translation>
    </message>
    <message>
        <source>Please enter the password to access Teacher Management</source>
        <translation>Inserire la password per entrare nell&apos;Area insegnanti</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
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
        <source>%1

The Teacher Management password is kept there, so Teacher Management cannot be opened until the file can be read.</source>
        <translation>%1

La password dell&apos;Area insegnanti è salvata lì, quindi l&apos;Area insegnanti non si può aprire finché il file non sarà leggibile.</translation>
    </message>
    <message>
        <source>The default password for Teacher Management is OPENDOOR. If you plan to use this on a computer available to students, you should change the password to keep the files secure.</source>
        <translation>La password predefinita dell&apos;Area insegnanti è OPENDOOR. Se il programma si usa su un computer a disposizione degli alunni, è meglio cambiare la password per proteggere i file.</translation>
    </message>
    <message>
        <source>Password Alert</source>
        <translation>Avviso password</translation>
    </message>
    <message>
        <source>No Teacher Management password is set: the first line of
%1
is empty. Write a password on that line to open Teacher Management.</source>
        <translation>Nessuna password per l&apos;Area insegnanti: la prima riga di
%1
è vuota. Scrivere una password su quella riga per aprire l&apos;Area insegnanti.</translation>
    </message>
    <message>
        <source>%1

The lists can still be viewed here; every change would be refused.</source>
        <translation>%1

Le liste si possono ancora vedere qui; ogni modifica verrebbe rifiutata.</translation>
    </message>
    <message>
        <source>Lists and Settings Cannot Be Changed</source>
        <translation>Liste e impostazioni non modificabili</translation>
    </message>
</context>
<context>
    <name>PrintList</name>
    <message>
        <source>Print a List</source>
        <translation>Stampa una lista</translation>
    </message>
    <message>
        <source>Choose the list to print as a worksheet:</source>
        <translation>Scegliere la lista da stampare come esercizio:</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Leave empty for a test</source>
        <translation>Da lasciare in bianco</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Niente</translation>
    </message>
    <message>
        <source>The meanings</source>
        <translation>I significati</translation>
    </message>
    <message>
        <source>The words</source>
        <translation>Le parole</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Salva come PDF...</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The worksheet of &quot;%1&quot; was saved as %2.</source>
        <translation>Il foglio di esercizi di “%1” è stato salvato come %2.</translation>
    </message>
</context>
<context>
    <name>ProgressFiles</name>
    <message>
        <source>%1 is not a progress file this version can read; it was set aside as %2 and progress starts again.</source>
        <translation>%1 non è un file di progressi leggibile da questa versione; è stato messo da parte come %2 e i progressi ricominciano da capo.</translation>
    </message>
    <message>
        <source>%1 could not be read; it was set aside as %2 and progress starts again.</source>
        <translation>Impossibile leggere %1; è stato messo da parte come %2 e i progressi ricominciano da capo.</translation>
    </message>
    <message>
        <source>%1 could not be read or set aside; progress is not saved this time.</source>
        <translation>Impossibile leggere o mettere da parte %1; questa volta i progressi non vengono salvati.</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
</context>
<context>
    <name>ProgressVerb</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>impossibile leggere le liste di parole in %1</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>non esiste una lista di nome &quot;%1&quot;</translation>
    </message>
    <message>
        <source>lingo-spark: skipped %1: %2</source>
        <translation>lingo-spark: saltato %1: %2</translation>
    </message>
    <message>
        <source>Print what the class&apos;s progress files in the data folder&apos;s progress/ say, per list (or LIST alone): each pupil&apos;s right and wrong answers, the ten most-missed pairs.</source>
        <translation>Mostra che cosa dicono i file dei progressi della classe nella cartella progress/ della cartella dei dati, per ogni lista (o solo per LIST): le risposte giuste e sbagliate di ogni alunno, le dieci coppie più sbagliate.</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Lingo-Spark Vocabulary Quiz</source>
        <translation>Quiz di vocaboli Lingo-Spark</translation>
    </message>
    <message>
        <source>Directions:</source>
        <translation>Istruzioni:</translation>
    </message>
    <message>
        <source>The Question</source>
        <translation>La domanda</translation>
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
        <translation>Esito</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Prossima domanda</translation>
    </message>
    <message>
        <source>Questions Remaining:</source>
        <translation>Domande rimaste:</translation>
    </message>
    <message>
        <source>Total Correct:</source>
        <translation>Giuste:</translation>
    </message>
    <message>
        <source>Total Wrong:</source>
        <translation>Sbagliate:</translation>
    </message>
    <message>
        <source>Back to Quiz Options</source>
        <translation>Torna alle opzioni del quiz</translation>
    </message>
    <message>
        <source>Directions:  Mark the definition that BEST matches the word.</source>
        <translation>Istruzioni:  scegli il significato che va MEGLIO con la parola.</translation>
    </message>
    <message>
        <source>Directions:  Mark the word that BEST matches the definition.</source>
        <translation>Istruzioni:  scegli la parola che va MEGLIO con il significato.</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Giusto!</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Sbagliato</translation>
    </message>
</context>
<context>
    <name>QuizOptions</name>
    <message>
        <source>Lingo-Spark Quiz</source>
        <translation>Quiz di Lingo-Spark</translation>
    </message>
    <message>
        <source>Lingo-Spark Vocabulary Quiz</source>
        <translation>Quiz di vocaboli Lingo-Spark</translation>
    </message>
    <message>
        <source>Choose a list:</source>
        <translation>Scegli una lista:</translation>
    </message>
    <message>
        <source>How many questions?</source>
        <translation>Quante domande?</translation>
    </message>
    <message>
        <source>What type of questions?</source>
        <translation>Che tipo di domande?</translation>
    </message>
    <message>
        <source>Quiz me on Words</source>
        <translation>Domande sulle parole</translation>
    </message>
    <message>
        <source>Quiz me on Meanings</source>
        <translation>Domande sui significati</translation>
    </message>
    <message>
        <source>Quiz me on Words and Meanings</source>
        <translation>Domande su parole e significati</translation>
    </message>
    <message>
        <source>Begin!</source>
        <translation>Inizia!</translation>
    </message>
    <message>
        <source>Return to Main Screen</source>
        <translation>Torna al menu principale</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>could not save progress to %1: %2</source>
        <translation>impossibile salvare i progressi in %1: %2</translation>
    </message>
</context>
<context>
    <name>Scramble</name>
    <message>
        <source>Scramble!</source>
        <translation>Lettere mescolate!</translation>
    </message>
    <message>
        <source>Unscramble this word:</source>
        <translation>Riordina questa parola:</translation>
    </message>
    <message>
        <source>Your Guess:</source>
        <translation>Risposta:</translation>
    </message>
    <message>
        <source>Submit Guess</source>
        <translation>Rispondi</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Mi arrendo</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indizio</translation>
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
        <translation>Peccato...</translation>
    </message>
</context>
<context>
    <name>ScrambleOutcome</name>
    <message>
        <source>Would you like to try another?</source>
        <translation>Vuoi provarne un&apos;altra?</translation>
    </message>
</context>
<context>
    <name>ScrambleWin</name>
    <message>
        <source>Yes!</source>
        <translation>Sì!</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>Giusto!</translation>
    </message>
    <message>
        <source>You guessed correctly in %1 seconds.</source>
        <translation>Hai indovinato in %1 secondi.</translation>
    </message>
</context>
<context>
    <name>ScreenSpeech</name>
    <message>
        <source>Speak &amp;Automatically</source>
        <translation>Pronuncia &amp;automatica</translation>
    </message>
    <message>
        <source>no language set for this list</source>
        <translation>nessuna lingua per questa lista</translation>
    </message>
    <message>
        <source>no voice for %1 on this computer</source>
        <translation>nessuna voce in %1 su questo computer</translation>
    </message>
    <message>
        <source>speech cannot start on this computer</source>
        <translation>voce non disponibile su questo computer</translation>
    </message>
    <message>
        <source>no sound device</source>
        <translation>audio non disponibile</translation>
    </message>
    <message>
        <source>&amp;Say It</source>
        <translation>&amp;Pronuncia</translation>
    </message>
    <message>
        <source>&amp;Say It (%1)</source>
        <translation>&amp;Pronuncia (%1)</translation>
    </message>
</context>
<context>
    <name>SoundOptions</name>
    <message>
        <source>Sound Options</source>
        <translation>Opzioni audio</translation>
    </message>
    <message>
        <source>Choose the default sound setting</source>
        <translation>Scegliere l&apos;audio predefinito</translation>
    </message>
    <message>
        <source>Sound is  ON  by default. (Best for stand-alone computers)</source>
        <translation>Audio  ACCESO  come predefinito. (Ideale per computer singoli)</translation>
    </message>
    <message>
        <source>Sound is  OFF  by default. (Best for running over networks)</source>
        <translation>Audio  SPENTO  come predefinito. (Ideale per l&apos;uso in rete)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1

The sound setting was not saved.</source>
        <translation>%1

L&apos;impostazione dell&apos;audio non è stata salvata.</translation>
    </message>
</context>
<context>
    <name>SoundSwitch</name>
    <message>
        <source>&amp;Sound Effects-- Off</source>
        <translation>&amp;Effetti sonori-- Spenti</translation>
    </message>
    <message>
        <source>&amp;Sound Effects-- On</source>
        <translation>&amp;Effetti sonori-- Accesi</translation>
    </message>
</context>
<context>
    <name>SpeechForPupils</name>
    <message>
        <source>Speech for Pupils</source>
        <translation>Voce per gli alunni</translation>
    </message>
    <message>
        <source>When a word appears</source>
        <translation>Quando appare una parola</translation>
    </message>
    <message>
        <source>Speak words automatically</source>
        <translation>Pronuncia automatica</translation>
    </message>
    <message>
        <source>Speak only when asked</source>
        <translation>Pronuncia solo su richiesta</translation>
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
        <source>%1

The speech setting was not saved.</source>
        <translation>%1

L&apos;impostazione della voce non è stata salvata.</translation>
    </message>
</context>
<context>
    <name>SureForm</name>
    <message>
        <source>Are you sure?</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Are you sure you want to quit without saving this list?</source>
        <translation>Uscire davvero senza salvare questa lista?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: the disk may be full.</source>
        <translation>Impossibile scrivere %1: il disco potrebbe essere pieno.</translation>
    </message>
</context>
<context>
    <name>UnreadFile</name>
    <message>
        <source>The file
%1
could not be read. Check that it exists and can be read.</source>
        <translation>Il file
%1
non si può leggere. Controllare che esista e che sia leggibile.</translation>
    </message>
    <message>
        <source>%1

Nothing can be changed on this screen; close it and open it again once the file can be read.</source>
        <translation>%1

In questa schermata non si può modificare nulla; chiuderla e riaprirla quando il file sarà leggibile.</translation>
    </message>
    <message>
        <source>The file
%1
could not be read when this screen opened, so nothing was saved. Close this screen and open it again.</source>
        <translation>Il file
%1
non era leggibile quando si è aperta questa schermata, quindi non è stato salvato nulla. Chiudere questa schermata e riaprirla.</translation>
    </message>
</context>
<context>
    <name>WordPair</name>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Word</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significato</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Impossibile scrivere %1.</translation>
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
        <translation>Punti:</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Bersaglio %1</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Bersaglio</translation>
    </message>
    <message>
        <source> Ready? Shoot Here to Start</source>
        <translation> Pronti? Spara qui per partire</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Perso</translation>
    </message>
    <message>
        <source>Definition:</source>
        <translation>Significato:</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Significato</translation>
    </message>
    <message>
        <source>Score:  0000</source>
        <translation>Punti:  0000</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <translation>Tempo:  %1</translation>
    </message>
    <message>
        <source>You need a list with at least two different words to play Word Zap!</source>
        <translation>Ti serve una lista con almeno due parole diverse per giocare a Word Zap!</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punti: %1</translation>
    </message>
    <message>
        <source>Time Is Up!</source>
        <translation>Tempo scaduto!</translation>
    </message>
    <message>
        <source>Time up!</source>
        <translation>Tempo finito!</translation>
    </message>
    <message>
        <source>Great Shot!</source>
        <translation>Bel colpo!</translation>
    </message>
    <message>
        <source>You missed! The correct answer was  --%1--</source>
        <translation>Mancato! La risposta giusta era  --%1--</translation>
    </message>
    <message>
        <source>You shot the wrong word! The correct answer was  --%1--</source>
        <translation>Hai colpito la parola sbagliata! La risposta giusta era  --%1--</translation>
    </message>
</context>
<context>
    <name>ZapDone</name>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Trofeo</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Ottimo lavoro!</translation>
    </message>
    <message>
        <source>You Scored 000 Points!</source>
        <translation>Hai fatto 000 punti!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>You scored %1 points!</source>
        <translation>Hai fatto %1 punti!</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>Ops!</translation>
    </message>
    <message>
        <source>Not too bad...</source>
        <translation>Non male...</translation>
    </message>
    <message>
        <source>Good Job!</source>
        <translation>Bel lavoro!</translation>
    </message>
    <message>
        <source>Great Work!</source>
        <translation>Ottimo lavoro!</translation>
    </message>
    <message>
        <source>FANTASTIC!!!!</source>
        <translation>FANTASTICO!!!!</translation>
    </message>
</context>
<context>
    <name>ZapOptions</name>
    <message>
        <source>Word Zap! Options</source>
        <translation>Opzioni di Word Zap!</translation>
    </message>
    <message>
        <source>Word ZAP!</source>
        <translation>Word ZAP!</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Regole:</translation>
    </message>
    <message>
        <source>A definition will appear at the bottom of the screen. You must shoot only the word that matches the definition. Each correct shot will earn you 50 points. Each wrong shot will take away 50 points.</source>
        <translation>In fondo allo schermo apparirà un significato. Devi colpire solo la parola che va con quel significato. Ogni colpo giusto ti fa guadagnare 50 punti. Ogni colpo sbagliato ti toglie 50 punti.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Impossibile</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Audio acceso</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Audio spento</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>Via!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>You need a list with at least two different words to play Word Zap!</source>
        <translation>Ti serve una lista con almeno due parole diverse per giocare a Word Zap!</translation>
    </message>
</context>
<context>
    <name>frmTitle</name>
    <message>
        <source>Vocabulary Flash Cards</source>
        <translation>Schede dei vocaboli</translation>
    </message>
    <message>
        <source>Choose a Word List:</source>
        <translation>Scegli una lista:</translation>
    </message>
    <message>
        <source>What&apos;s on the Cards?</source>
        <translation>Cosa c&apos;è sulle schede?</translation>
    </message>
    <message>
        <source>Card Order</source>
        <translation>Ordine delle schede</translation>
    </message>
    <message>
        <source>Show me the words and I&apos;ll guess the meaning</source>
        <translation>Mostrami le parole e indovino il significato</translation>
    </message>
    <message>
        <source>Show me the meaning and let me guess the word</source>
        <translation>Mostrami il significato e indovino la parola</translation>
    </message>
    <message>
        <source>Alphabetical</source>
        <translation>Alfabetico</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Casuale</translation>
    </message>
    <message>
        <source>Alphabetical, starting with the letter...</source>
        <translation>Alfabetico, dalla lettera...</translation>
    </message>
    <message>
        <source>Starting letter</source>
        <translation>Lettera iniziale</translation>
    </message>
    <message>
        <source>Click Here to Begin</source>
        <translation>Clicca qui per iniziare</translation>
    </message>
    <message>
        <source>My Hard Words Only</source>
        <translation>Solo le parole difficili</translation>
    </message>
    <message>
        <source>You need to choose a starting letter!</source>
        <translation>Devi scegliere una lettera iniziale!</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>Perfect Score!!!</source>
        <translation>Punteggio perfetto!!!</translation>
    </message>
    <message>
        <source>Good job!</source>
        <translation>Bel lavoro!</translation>
    </message>
    <message>
        <source>Looks like you could use a little more work.</source>
        <translation>Sembra che ti serva ancora un po&apos; di esercizio.</translation>
    </message>
    <message>
        <source>Oops! Keep studying!!</source>
        <translation>Ops! Continua a studiare!!</translation>
    </message>
    <message>
        <source>Quiz Results</source>
        <translation>Risultati del quiz</translation>
    </message>
    <message>
        <source>You got (blank) out of (blank) correct.</source>
        <translation>Risposte giuste: (vuoto) su (vuoto).</translation>
    </message>
    <message>
        <source>This gives you a score of (blank)%</source>
        <translation>Il tuo punteggio è (vuoto)%</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Giudizio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You got %1 correct out of %2!</source>
        <translation>Risposte giuste: %1 su %2!</translation>
    </message>
    <message>
        <source>This gives you a score of %1%.</source>
        <translation>Il tuo punteggio è %1%.</translation>
    </message>
</context>
<context>
    <name>youwin</name>
    <message>
        <source>You Win!</source>
        <translation>Hai vinto!</translation>
    </message>
</context>
</TS>
